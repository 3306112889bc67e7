#include "Province.h"

#include "FirstRead.h"
#include "ModelValues.h"

namespace arvenna {

ClassProvincia::ClassProvincia() = default;
ClassProvincia::~ClassProvincia() = default;

arvenna::ClassLocation& ClassProvincia::ClassLocation() { return createdOnFirstRead(city_); }
const arvenna::ClassLocation& ClassProvincia::ClassLocation() const { return createdOnFirstRead(city_); }
arvenna::CollecInnerLocation& ClassProvincia::CollecInnerLocation() { return createdOnFirstRead(inner_); }
const arvenna::CollecInnerLocation& ClassProvincia::CollecInnerLocation() const { return createdOnFirstRead(inner_); }

QString provinceKey(const QString& code)
{
    // Most codes come already written as two letters and two digits.
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (code.size() == 4 && digit(code[2]) && digit(code[3]))
        return code;
    return code.left(2) + formatTwoDigits(code.mid(2));
}

ClassProvincia& CollectProvincia::Add(const QString& ProvinceName, qint16 ProvinceTerrainID, qint16 ProvincePeasants,
                                      RowId ProvinceRulerID, const QString& ProvinceComments,
                                      RowId ProvinceContinentID, const QString& ProvinceUP,
                                      const QString& ProvinceDOWN, const QString& ProvinceSOUTH,
                                      const QString& ProvinceNORTH, const QString& ProvinceEAST,
                                      const QString& ProvinceWEST, const QString& ProvinceCoordX,
                                      const QString& ProvinceCoordY, RowId ProvinceID, const QString& key)
{
    if (ClassProvincia* present = key.isEmpty() ? nullptr : find(key))
        return *present;
    auto province = std::make_unique<ClassProvincia>();
    province->ProvinceName = ProvinceName;
    province->ProvinceTerrainID = ProvinceTerrainID;
    province->ProvincePeasants = ProvincePeasants;
    province->ProvinceRulerID = ProvinceRulerID;
    province->ProvinceComments = ProvinceComments;
    province->ProvinceContinentID = ProvinceContinentID;
    province->ProvinceUP = ProvinceUP;
    province->ProvinceDOWN = ProvinceDOWN;
    province->ProvinceSOUTH = ProvinceSOUTH;
    province->ProvinceNORTH = ProvinceNORTH;
    province->ProvinceEAST = ProvinceEAST;
    province->ProvinceWEST = ProvinceWEST;
    province->ProvinceCoordX = ProvinceCoordX;
    province->ProvinceCoordY = ProvinceCoordY;
    province->ProvinceID = ProvinceID;
    return store(std::move(province), key);
}

ClassProvincia& CollectProvincia::Item(const QString& code)
{
    if (ClassProvincia* province = find(provinceKey(code)))
        return *province;
    return KeyedCollection::Item(kFallbackKey);
}

const ClassProvincia& CollectProvincia::Item(const QString& code) const
{
    if (const ClassProvincia* province = find(provinceKey(code)))
        return *province;
    return KeyedCollection::Item(kFallbackKey);
}

void CollectProvincia::Remove(const QString& code)
{
    KeyedCollection::Remove(provinceKey(code));
}

} // namespace arvenna
