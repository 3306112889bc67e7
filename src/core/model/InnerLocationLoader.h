#pragma once

#include <QHash>

namespace arvenna {

class ClassProvincia;
class Database;

// Puts every inner location of the database into its province: a first-level
// one (InnerID 0 or null) into the province's list when its LocalLocationID is
// 0, else into the list of the province's city; one level of inner locations
// inside each of those. Rows of unknown provinces, rows whose parent is not a
// first-level inner location of the same province, and deeper levels stay out.
void loadInnerLocations(Database& database, const QHash<qint64, ClassProvincia*>& provincesById);

} // namespace arvenna
