#pragma once

#include <QString>

namespace arvenna {

// A report line that cannot be cut up as the report format says: the report
// is not read any further. The reason is shown by the command-line tool.
struct ReportFormatError {
    QString reason;
};

} // namespace arvenna
