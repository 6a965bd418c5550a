#pragma once
// The service's own reference lists: countries, provinces and districts, transport types,
// load units, goods types, dangerous-goods transport modes and cancellation types.

#include <QList>
#include <QString>

#include <optional>

namespace ReferenceData {

struct CodedName {
    QString code;
    QString name;
};

struct GoodsType {
    qint64 id;
    QString name;
};

// Id of the goods type "other", which needs a further description of the load.
inline constexpr qint64 OtherGoodsId = 99;

QString transportTypeDescription(const QString &code); // empty for an unknown code
std::optional<QString> countryName(const QString &isoCode);
std::optional<QString> provinceName(int code);          // Turkish provinces 1 to 81
bool provinceHasDistrictList(int provinceCode);
// The district's name when the table lists it; for a province without a list any code is
// taken and its name is empty; nullopt for a code the province's list does not hold.
std::optional<QString> districtName(int provinceCode, const QString &districtCode);
QList<CodedName> districts(int provinceCode);
QList<int> provincesWithDistricts();

QList<CodedName> loadUnits(const QString &transportType);
QList<GoodsType> goodsTypes(const QString &transportType);
QList<CodedName> dangerousGoodsModes();
QList<CodedName> cancellationTypes();

std::optional<QString> find(const QList<CodedName> &list, const QString &code);

} // namespace ReferenceData
