#include "TripChecks.h"

#include "ReferenceData.h"
#include "Registry.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

#include <cmath>
#include <functional>

namespace {

using ReferenceData::CodedName;

struct Check {
    int code;
    QString message; // %1 is the offending text
    QString element; // the element whose text fills %1; empty when none
    std::function<bool(const Fields &trip, const Fields &load)> passes;
};

bool matches(const QString &text, const char *pattern)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern))).match(text).hasMatch();
}

QDate requestDate(const QString &text)
{
    return matches(text, "\\d{2}/\\d{2}/\\d{4}") ? QDate::fromString(text, QStringLiteral("dd/MM/yyyy")) : QDate();
}

QTime requestTime(const QString &text)
{
    return matches(text, "\\d{2}:\\d{2}") ? QTime::fromString(text, QStringLiteral("HH:mm")) : QTime();
}

bool isTaxNumberOrEmpty(const QString &text)
{
    return text.isEmpty() || matches(text, "\\d{10,11}");
}

bool isTurkey(const QString &country)
{
    return country == QLatin1String("TR");
}

bool isProvinceOf(const QString &country, const QString &province)
{
    if (!isTurkey(country))
        return true; // foreign places carry no Turkish province
    bool ok = false;
    const int code = province.toInt(&ok);
    return matches(province, "\\d{1,2}") && ok && ReferenceData::provinceName(code).has_value();
}

bool isDistrictOf(const QString &country, const QString &province, const QString &district)
{
    if (!isTurkey(country))
        return true;
    if (!matches(district, "\\d{1,5}"))
        return false;
    return ReferenceData::districtName(province.toInt(), district).has_value();
}

bool isGoodsType(const QString &transportType, const QString &id)
{
    if (!matches(id, "\\d{1,9}"))
        return false;
    for (const ReferenceData::GoodsType &type : ReferenceData::goodsTypes(transportType))
        if (type.id == id.toLongLong())
            return true;
    return false;
}

std::optional<double> quantity(const QString &text)
{
    if (!matches(text, "\\d+(\\.\\d+)?([eE][-+]?\\d+)?"))
        return std::nullopt;
    const double value = text.toDouble();
    if (!std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

bool isDangerous(const Fields &trip)
{
    return trip.value(QStringLiteral("tasimaTuruKodu")) == QLatin1String("1");
}

QDateTime moment(const Fields &load, const char *date, const char *time)
{
    return QDateTime(requestDate(load.value(QLatin1String(date))), requestTime(load.value(QLatin1String(time))));
}

QString v(const Fields &f, const char *name)
{
    return f.value(QLatin1String(name));
}

const QList<Check> &tripChecks()
{
    static const QList<Check> checks = {
        {10, "Araç plakası (plaka1) boş olamaz.", "", [](const Fields &t, const Fields &) { return !v(t, "plaka1").trimmed().isEmpty(); }},
        {11, "Araç plakası geçersiz: %1", "plaka1", [](const Fields &t, const Fields &) { return isValidPlate(v(t, "plaka1")); }},
        {12, "Dorse plakası geçersiz: %1", "plaka2", [](const Fields &t, const Fields &) { return v(t, "plaka2").trimmed().isEmpty() || isValidPlate(v(t, "plaka2")); }},
        {13, "Taşıma türü kodu geçersiz: \"%1\". Geçerli kodlar: 1 (Tehlikeli Madde), 2 (Tehlikesiz Madde).", "tasimaTuruKodu",
         [](const Fields &t, const Fields &) { return !ReferenceData::transportTypeDescription(v(t, "tasimaTuruKodu")).isEmpty(); }},
        {14, "Birinci şoförün T.C. kimlik numarası girilmelidir.", "", [](const Fields &t, const Fields &) { return !v(t, "sofor1TcNo").isEmpty(); }},
        {15, "Birinci şoförün T.C. kimlik numarası geçersiz: %1", "sofor1TcNo", [](const Fields &t, const Fields &) { return isValidIdentityNumber(v(t, "sofor1TcNo")); }},
        {16, "İkinci şoförün T.C. kimlik numarası geçersiz: %1", "sofor2TcNo",
         [](const Fields &t, const Fields &) { return v(t, "sofor2TcNo").isEmpty() || isValidIdentityNumber(v(t, "sofor2TcNo")); }},
        {17, "İkinci şoför birinci şoförle aynı kişi olamaz.", "",
         [](const Fields &t, const Fields &) { return v(t, "sofor2TcNo").isEmpty() || v(t, "sofor2TcNo") != v(t, "sofor1TcNo"); }},
    };
    return checks;
}

const QList<Check> &loadChecks()
{
    static const QList<Check> checks = {
        {101, "Gönderen ünvanı boş olamaz.", "", [](const Fields &, const Fields &l) { return !v(l, "gonderenUnvan").trimmed().isEmpty(); }},
        {102, "Gönderen vergi numarası 10 veya 11 haneli olmalıdır: %1", "gonderenVergiNo", [](const Fields &, const Fields &l) { return isTaxNumberOrEmpty(v(l, "gonderenVergiNo")); }},
        {103, "Alıcı ünvanı boş olamaz.", "", [](const Fields &, const Fields &l) { return !v(l, "aliciUnvan").trimmed().isEmpty(); }},
        {104, "Alıcı vergi numarası 10 veya 11 haneli olmalıdır: %1", "aliciVergiNo", [](const Fields &, const Fields &l) { return isTaxNumberOrEmpty(v(l, "aliciVergiNo")); }},
        {105, "Yükleme ülke kodu geçersiz: \"%1\"", "yuklemeUlkeKodu", [](const Fields &, const Fields &l) { return ReferenceData::countryName(v(l, "yuklemeUlkeKodu")).has_value(); }},
        {106, "Yükleme il kodu geçersiz: \"%1\"", "yuklemeIlMernisKodu",
         [](const Fields &, const Fields &l) { return isProvinceOf(v(l, "yuklemeUlkeKodu"), v(l, "yuklemeIlMernisKodu")); }},
        {107, "Yükleme ilçe kodu bu ile ait değil: \"%1\"", "yuklemeIlceMernisKodu",
         [](const Fields &, const Fields &l) { return isDistrictOf(v(l, "yuklemeUlkeKodu"), v(l, "yuklemeIlMernisKodu"), v(l, "yuklemeIlceMernisKodu")); }},
        {108, "Boşaltma ülke kodu geçersiz: \"%1\"", "bosaltmaUlkeKodu", [](const Fields &, const Fields &l) { return ReferenceData::countryName(v(l, "bosaltmaUlkeKodu")).has_value(); }},
        {109, "Boşaltma il kodu geçersiz: \"%1\"", "bosaltmaIlMernisKodu",
         [](const Fields &, const Fields &l) { return isProvinceOf(v(l, "bosaltmaUlkeKodu"), v(l, "bosaltmaIlMernisKodu")); }},
        {110, "Boşaltma ilçe kodu bu ile ait değil: \"%1\"", "bosaltmaIlceMernisKodu",
         [](const Fields &, const Fields &l) { return isDistrictOf(v(l, "bosaltmaUlkeKodu"), v(l, "bosaltmaIlMernisKodu"), v(l, "bosaltmaIlceMernisKodu")); }},
        {111, "Yükleme tarihi gg/aa/yyyy biçiminde olmalıdır: \"%1\"", "yuklemeTarihi", [](const Fields &, const Fields &l) { return requestDate(v(l, "yuklemeTarihi")).isValid(); }},
        {112, "Yükleme saati ss:dd biçiminde olmalıdır: \"%1\"", "yuklemeSaati", [](const Fields &, const Fields &l) { return requestTime(v(l, "yuklemeSaati")).isValid(); }},
        {113, "Boşaltma tarihi gg/aa/yyyy biçiminde olmalıdır: \"%1\"", "bosaltmaTarihi", [](const Fields &, const Fields &l) { return requestDate(v(l, "bosaltmaTarihi")).isValid(); }},
        {114, "Boşaltma saati ss:dd biçiminde olmalıdır: \"%1\"", "bosaltmaSaati", [](const Fields &, const Fields &l) { return requestTime(v(l, "bosaltmaSaati")).isValid(); }},
        {115, "Boşaltma zamanı yükleme zamanından önce olamaz.", "",
         [](const Fields &, const Fields &l) { return moment(l, "bosaltmaTarihi", "bosaltmaSaati") >= moment(l, "yuklemeTarihi", "yuklemeSaati"); }},
        {116, "Yük cinsi bu taşıma türü için geçersiz: \"%1\"", "yukCinsId", [](const Fields &t, const Fields &l) { return isGoodsType(v(t, "tasimaTuruKodu"), v(l, "yukCinsId")); }},
        {117, "Yük cinsi \"Diğer\" seçildiğinde yük açıklaması girilmelidir.", "",
         [](const Fields &, const Fields &l) { return v(l, "yukCinsId").toLongLong() != ReferenceData::OtherGoodsId || !v(l, "yukDigerAciklama").trimmed().isEmpty(); }},
        {118, "Yük birimi bu taşıma türü için geçersiz: \"%1\"", "yukBirimi",
         [](const Fields &t, const Fields &l) { return ReferenceData::find(ReferenceData::loadUnits(v(t, "tasimaTuruKodu")), v(l, "yukBirimi")).has_value(); }},
        {119, "Yük miktarı sıfırdan büyük, ondalık ayıracı nokta olan bir sayı olmalıdır: \"%1\"", "yukMiktari",
         [](const Fields &, const Fields &l) { return quantity(v(l, "yukMiktari")).has_value(); }},
        {120, "Taşıma bedeli en çok dört ondalıklı, ondalık ayıracı nokta olan bir sayı olmalıdır: \"%1\"", "tasimaBedeli",
         [](const Fields &, const Fields &l) { return matches(v(l, "tasimaBedeli"), "\\d{1,15}(\\.\\d{1,4})?"); }},
        {121, "Tehlikeli madde taşımasında UN numarası dört haneli olmalıdır: \"%1\"", "unNumarasi",
         [](const Fields &t, const Fields &l) { return !isDangerous(t) || matches(v(l, "unNumarasi"), "\\d{4}"); }},
        {122, "Tehlikeli madde taşıma şekli geçersiz: \"%1\"", "tehlikeliMaddeTasimaSekli",
         [](const Fields &t, const Fields &l) { return !isDangerous(t) || ReferenceData::find(ReferenceData::dangerousGoodsModes(), v(l, "tehlikeliMaddeTasimaSekli")).has_value(); }},
    };
    return checks;
}

CheckResult firstFailure(const QList<Check> &checks, const Fields &trip, const Fields &load)
{
    const Fields &source = &checks == &tripChecks() ? trip : load;
    for (const Check &check : checks) {
        if (!check.passes(trip, load)) {
            QString message = check.message;
            if (!check.element.isEmpty())
                message = message.arg(source.value(check.element));
            return {check.code, message};
        }
    }
    return {};
}

} // namespace

bool isValidIdentityNumber(const QString &number)
{
    if (!matches(number, "[1-9]\\d{10}"))
        return false;
    int d[11];
    for (int i = 0; i < 11; ++i)
        d[i] = number.at(i).digitValue();
    const int odd = d[0] + d[2] + d[4] + d[6] + d[8];
    const int even = d[1] + d[3] + d[5] + d[7];
    const int tenth = ((odd * 7 - even) % 10 + 10) % 10;
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += d[i];
    return d[9] == tenth && d[10] == sum % 10;
}

bool isValidPlate(const QString &plate)
{
    return matches(Registry::normalisedPlate(plate), "[A-Z0-9]{4,12}");
}

QString normalisedQuantity(double value)
{
    return QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
}

CheckResult checkTrip(const Fields &trip, qsizetype loadCount)
{
    const CheckResult result = firstFailure(tripChecks(), trip, {});
    if (!result.ok())
        return result;
    if (loadCount == 0)
        return {18, QStringLiteral("Bildirimde en az bir yük bulunmalıdır.")};
    return {};
}

CheckResult checkLoad(const Fields &trip, Fields &load, QDateTime *loadingMoment)
{
    const CheckResult result = firstFailure(loadChecks(), trip, load);
    if (!result.ok())
        return result;
    load[QStringLiteral("yukMiktari")] = normalisedQuantity(*quantity(v(load, "yukMiktari")));
    if (loadingMoment)
        *loadingMoment = moment(load, "yuklemeTarihi", "yuklemeSaati");
    return {};
}
