#pragma once

#include "KeyedCollection.h"
#include "RowId.h"
#include "Location.h"

#include <QString>
#include <memory>

namespace arvenna {

// One province, one cell of the grid. Its city and its inner locations exist
// from their first read.
class ClassProvincia {
public:
    ClassProvincia();
    ~ClassProvincia();
    ClassProvincia(const ClassProvincia&) = delete;
    ClassProvincia& operator=(const ClassProvincia&) = delete;

    arvenna::ClassLocation& ClassLocation();
    const arvenna::ClassLocation& ClassLocation() const;
    arvenna::CollecInnerLocation& CollecInnerLocation();
    const arvenna::CollecInnerLocation& CollecInnerLocation() const;

    RowId ProvinceID = 0;
    QString ProvinceCoordY; // row code
    QString ProvinceCoordX; // column number as a decimal number
    QString ProvinceWEST;
    QString ProvinceEAST;
    QString ProvinceNORTH;
    QString ProvinceSOUTH;
    QString ProvinceDOWN;
    QString ProvinceUP;
    RowId ProvinceContinentID = 0;
    QString ProvinceComments;
    RowId ProvinceRulerID = 0;
    qint16 ProvincePeasants = 0;
    qint16 ProvinceTerrainID = 0;
    QString ProvinceName;

private:
    mutable std::unique_ptr<arvenna::ClassLocation> city_;
    mutable std::unique_ptr<arvenna::CollecInnerLocation> inner_;
};

// The key the province collection finds a province by: the first two
// characters (the row code) followed by the rest written with at least two
// digits, so "ab7" and "ab07" name the same province. "ERROR" stays as it is.
QString provinceKey(const QString& code);

// The provinces of the map by province key. A missing key finds the empty
// province stored under "ERROR"; provinces are found by key only and walked
// in insertion order.
class CollectProvincia : public KeyedCollection<ClassProvincia> {
public:
    static inline const QString kFallbackKey = QStringLiteral("ERROR");

    // Stores a new province under the key. When the key is taken the
    // collection keeps the province it has and returns that one.
    ClassProvincia& Add(const QString& ProvinceName, qint16 ProvinceTerrainID, qint16 ProvincePeasants,
                        RowId ProvinceRulerID, const QString& ProvinceComments, RowId ProvinceContinentID,
                        const QString& ProvinceUP, const QString& ProvinceDOWN, const QString& ProvinceSOUTH,
                        const QString& ProvinceNORTH, const QString& ProvinceEAST, const QString& ProvinceWEST,
                        const QString& ProvinceCoordX, const QString& ProvinceCoordY, RowId ProvinceID,
                        const QString& key = {});

    // Throws DatabaseError only when neither the key nor "ERROR" is present.
    ClassProvincia& Item(const QString& code);
    const ClassProvincia& Item(const QString& code) const;
    void Remove(const QString& code);
};

} // namespace arvenna
