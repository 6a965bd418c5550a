#include "ReferenceData.h"

#include <QHash>

#include <algorithm>

namespace ReferenceData {

namespace {

const QList<CodedName> &countries()
{
    static const QList<CodedName> list = {
        {"TR", "Türkiye"}, {"DE", "Almanya"}, {"FR", "Fransa"}, {"IT", "İtalya"}, {"ES", "İspanya"},
        {"PT", "Portekiz"}, {"NL", "Hollanda"}, {"BE", "Belçika"}, {"LU", "Lüksemburg"}, {"AT", "Avusturya"},
        {"CH", "İsviçre"}, {"GB", "Birleşik Krallık"}, {"IE", "İrlanda"}, {"DK", "Danimarka"}, {"SE", "İsveç"},
        {"NO", "Norveç"}, {"FI", "Finlandiya"}, {"EE", "Estonya"}, {"LV", "Letonya"}, {"LT", "Litvanya"},
        {"PL", "Polonya"}, {"CZ", "Çekya"}, {"SK", "Slovakya"}, {"HU", "Macaristan"}, {"SI", "Slovenya"},
        {"HR", "Hırvatistan"}, {"BA", "Bosna-Hersek"}, {"RS", "Sırbistan"}, {"ME", "Karadağ"}, {"MK", "Kuzey Makedonya"},
        {"AL", "Arnavutluk"}, {"GR", "Yunanistan"}, {"BG", "Bulgaristan"}, {"RO", "Romanya"}, {"MD", "Moldova"},
        {"UA", "Ukrayna"}, {"BY", "Belarus"}, {"RU", "Rusya Federasyonu"}, {"GE", "Gürcistan"}, {"AM", "Ermenistan"},
        {"AZ", "Azerbaycan"}, {"KZ", "Kazakistan"}, {"UZ", "Özbekistan"}, {"TM", "Türkmenistan"}, {"KG", "Kırgızistan"},
        {"TJ", "Tacikistan"}, {"AF", "Afganistan"}, {"IR", "İran"}, {"IQ", "Irak"}, {"SY", "Suriye"},
        {"LB", "Lübnan"}, {"JO", "Ürdün"}, {"IL", "İsrail"}, {"SA", "Suudi Arabistan"}, {"KW", "Kuveyt"},
        {"QA", "Katar"}, {"AE", "Birleşik Arap Emirlikleri"}, {"OM", "Umman"}, {"EG", "Mısır"}, {"LY", "Libya"},
        {"TN", "Tunus"}, {"DZ", "Cezayir"}, {"MA", "Fas"}, {"CY", "Kıbrıs"}, {"MT", "Malta"},
        {"PK", "Pakistan"}, {"CN", "Çin"}, {"US", "Amerika Birleşik Devletleri"},
    };
    return list;
}

const QStringList &provinces()
{
    static const QStringList list = {
        "Adana", "Adıyaman", "Afyonkarahisar", "Ağrı", "Amasya", "Ankara", "Antalya", "Artvin", "Aydın",
        "Balıkesir", "Bilecik", "Bingöl", "Bitlis", "Bolu", "Burdur", "Bursa", "Çanakkale", "Çankırı",
        "Çorum", "Denizli", "Diyarbakır", "Edirne", "Elazığ", "Erzincan", "Erzurum", "Eskişehir",
        "Gaziantep", "Giresun", "Gümüşhane", "Hakkari", "Hatay", "Isparta", "Mersin", "İstanbul", "İzmir",
        "Kars", "Kastamonu", "Kayseri", "Kırklareli", "Kırşehir", "Kocaeli", "Konya", "Kütahya", "Malatya",
        "Manisa", "Kahramanmaraş", "Mardin", "Muğla", "Muş", "Nevşehir", "Niğde", "Ordu", "Rize", "Sakarya",
        "Samsun", "Siirt", "Sinop", "Sivas", "Tekirdağ", "Tokat", "Trabzon", "Tunceli", "Şanlıurfa", "Uşak",
        "Van", "Yozgat", "Zonguldak", "Aksaray", "Bayburt", "Karaman", "Kırıkkale", "Batman", "Şırnak",
        "Bartın", "Ardahan", "Iğdır", "Yalova", "Karabük", "Kilis", "Osmaniye", "Düzce",
    };
    return list;
}

const QHash<int, QList<CodedName>> &districtTable()
{
    static const QHash<int, QList<CodedName>> table = {
        {6, {{"1231", "Çankaya"}, {"1302", "Keçiören"}, {"1723", "Yenimahalle"}, {"1922", "Etimesgut"},
             {"1745", "Sincan"}, {"1130", "Altındağ"}}},
        {16, {{"1832", "Osmangazi"}, {"1829", "Nilüfer"}, {"1935", "Yıldırım"}, {"1411", "İnegöl"},
              {"1434", "Gemlik"}}},
        {34, {{"1103", "Adalar"}, {"1166", "Bakırköy"}, {"1183", "Beşiktaş"}, {"1421", "Kadıköy"},
              {"1604", "Pendik"}, {"1708", "Şişli"}, {"1823", "Tuzla"}, {"2004", "Esenyurt"},
              {"1852", "Ümraniye"}, {"1886", "Başakşehir"}}},
        {35, {{"1203", "Bornova"}, {"1448", "Konak"}, {"1780", "Karşıyaka"}, {"1157", "Aliağa"},
              {"1869", "Torbalı"}, {"2006", "Kemalpaşa"}}},
        {41, {{"2030", "İzmit"}, {"1338", "Gebze"}, {"1471", "Körfez"}, {"2059", "Dilovası"},
              {"1440", "Gölcük"}}},
    };
    return table;
}

} // namespace

std::optional<QString> find(const QList<CodedName> &list, const QString &code)
{
    for (const CodedName &entry : list)
        if (entry.code == code)
            return entry.name;
    return std::nullopt;
}

QString transportTypeDescription(const QString &code)
{
    static const QList<CodedName> types = {{"1", "Tehlikeli Madde"}, {"2", "Tehlikesiz Madde"}};
    return find(types, code).value_or(QString());
}

std::optional<QString> countryName(const QString &isoCode)
{
    return find(countries(), isoCode);
}

std::optional<QString> provinceName(int code)
{
    if (code < 1 || code > provinces().size())
        return std::nullopt;
    return provinces().at(code - 1);
}

bool provinceHasDistrictList(int provinceCode)
{
    return districtTable().contains(provinceCode);
}

std::optional<QString> districtName(int provinceCode, const QString &districtCode)
{
    const auto list = districtTable().constFind(provinceCode);
    if (list == districtTable().constEnd())
        return QString();
    return find(*list, districtCode);
}

QList<CodedName> districts(int provinceCode)
{
    return districtTable().value(provinceCode);
}

QList<int> provincesWithDistricts()
{
    QList<int> codes = districtTable().keys();
    std::sort(codes.begin(), codes.end());
    return codes;
}

QList<CodedName> loadUnits(const QString &transportType)
{
    static const QList<CodedName> dangerous = {
        {"KG", "Kilogram"}, {"TON", "Ton"}, {"MG", "Miligram"}, {"L", "Litre"}, {"PK", "Paket"}};
    static const QList<CodedName> ordinary = {
        {"KG", "Kilogram"}, {"TON", "Ton"}, {"L", "Litre"}, {"AD", "Adet"}, {"PK", "Paket"}};
    if (transportType == QLatin1String("1"))
        return dangerous;
    if (transportType == QLatin1String("2"))
        return ordinary;
    return {};
}

QList<GoodsType> goodsTypes(const QString &transportType)
{
    static const QList<GoodsType> dangerous = {
        {101, "Patlayıcı Maddeler (Sınıf 1)"},
        {102, "Gazlar (Sınıf 2)"},
        {103, "Alevlenir Sıvılar (Sınıf 3)"},
        {104, "Alevlenir Katılar (Sınıf 4.1)"},
        {105, "Yükseltgen Maddeler (Sınıf 5.1)"},
        {106, "Zehirli Maddeler (Sınıf 6.1)"},
        {107, "Radyoaktif Maddeler (Sınıf 7)"},
        {108, "Aşındırıcı Maddeler (Sınıf 8)"},
        {109, "Çeşitli Tehlikeli Maddeler (Sınıf 9)"},
        {OtherGoodsId, "Diğer"},
    };
    static const QList<GoodsType> ordinary = {
        {1, "Gıda Ürünleri"},
        {2, "Tekstil ve Konfeksiyon Ürünleri"},
        {3, "İnşaat Malzemeleri"},
        {4, "Makine ve Yedek Parça"},
        {5, "Mobilya ve Ev Eşyası"},
        {6, "Elektrikli ve Elektronik Eşya"},
        {7, "Tarım Ürünleri"},
        {8, "Orman Ürünleri"},
        {9, "Maden ve Metal Ürünleri"},
        {10, "Kağıt ve Ambalaj Ürünleri"},
        {OtherGoodsId, "Diğer"},
    };
    if (transportType == QLatin1String("1"))
        return dangerous;
    if (transportType == QLatin1String("2"))
        return ordinary;
    return {};
}

QList<CodedName> dangerousGoodsModes()
{
    return {{"1", "Ambalajlı Taşıma"}, {"2", "Dökme Taşıma"}, {"3", "Tanker ile Taşıma"}, {"4", "Sınırlı Miktarda Taşıma"}};
}

QList<CodedName> cancellationTypes()
{
    return {{"1", "Sefer İptal Edildi"},
            {"2", "Hatalı Bildirim"},
            {"3", "Araç Arızası"},
            {"4", "Yük Teslim Alınmadı"},
            {"9", "Diğer"}};
}

} // namespace ReferenceData
