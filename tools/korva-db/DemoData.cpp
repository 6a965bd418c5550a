#include "DemoData.h"

#include "KorvaDb.h"

namespace KorvaDb {

namespace {

struct Country {
    const char *code;
    const char *name;
};

const Country Countries[] = {
#include "CountryData.inc"
};

struct Province {
    int code; // plate code, also the province code of the population register
    const char *name;
    const char *districts; // comma-separated; empty: the central district only
};

// Districts are listed for the provinces where most loads start; the others carry their
// central district, so that every province can be picked.
const Province Provinces[] = {
    {1, "Adana", "Aladağ,Ceyhan,Çukurova,Feke,İmamoğlu,Karaisalı,Karataş,Kozan,Pozantı,Saimbeyli,"
                 "Sarıçam,Seyhan,Tufanbeyli,Yumurtalık,Yüreğir"},
    {2, "Adıyaman", ""},
    {3, "Afyonkarahisar", ""},
    {4, "Ağrı", ""},
    {5, "Amasya", ""},
    {6, "Ankara", "Akyurt,Altındağ,Ayaş,Bala,Beypazarı,Çamlıdere,Çankaya,Çubuk,Elmadağ,Etimesgut,"
                  "Evren,Gölbaşı,Güdül,Haymana,Kahramankazan,Kalecik,Keçiören,Kızılcahamam,Mamak,"
                  "Nallıhan,Polatlı,Pursaklar,Sincan,Şereflikoçhisar,Yenimahalle"},
    {7, "Antalya", "Akseki,Aksu,Alanya,Demre,Döşemealtı,Elmalı,Finike,Gazipaşa,Gündoğmuş,İbradı,"
                   "Kaş,Kemer,Kepez,Konyaaltı,Korkuteli,Kumluca,Manavgat,Muratpaşa,Serik"},
    {8, "Artvin", ""},
    {9, "Aydın", ""},
    {10, "Balıkesir", ""},
    {11, "Bilecik", ""},
    {12, "Bingöl", ""},
    {13, "Bitlis", ""},
    {14, "Bolu", ""},
    {15, "Burdur", ""},
    {16, "Bursa", "Büyükorhan,Gemlik,Gürsu,Harmancık,İnegöl,İznik,Karacabey,Keles,Kestel,Mudanya,"
                  "Mustafakemalpaşa,Nilüfer,Orhaneli,Orhangazi,Osmangazi,Yenişehir,Yıldırım"},
    {17, "Çanakkale", ""},
    {18, "Çankırı", ""},
    {19, "Çorum", ""},
    {20, "Denizli", ""},
    {21, "Diyarbakır", ""},
    {22, "Edirne", ""},
    {23, "Elazığ", ""},
    {24, "Erzincan", ""},
    {25, "Erzurum", ""},
    {26, "Eskişehir", ""},
    {27, "Gaziantep", "Araban,İslahiye,Karkamış,Nizip,Nurdağı,Oğuzeli,Şahinbey,Şehitkamil,Yavuzeli"},
    {28, "Giresun", ""},
    {29, "Gümüşhane", ""},
    {30, "Hakkari", ""},
    {31, "Hatay", ""},
    {32, "Isparta", ""},
    {33, "Mersin", "Akdeniz,Anamur,Aydıncık,Bozyazı,Çamlıyayla,Erdemli,Gülnar,Mezitli,Mut,Silifke,"
                   "Tarsus,Toroslar,Yenişehir"},
    {34, "İstanbul", "Adalar,Arnavutköy,Ataşehir,Avcılar,Bağcılar,Bahçelievler,Bakırköy,Başakşehir,"
                     "Bayrampaşa,Beşiktaş,Beykoz,Beylikdüzü,Beyoğlu,Büyükçekmece,Çatalca,Çekmeköy,"
                     "Esenler,Esenyurt,Eyüpsultan,Fatih,Gaziosmanpaşa,Güngören,Kadıköy,Kağıthane,"
                     "Kartal,Küçükçekmece,Maltepe,Pendik,Sancaktepe,Sarıyer,Silivri,Sultanbeyli,"
                     "Sultangazi,Şile,Şişli,Tuzla,Ümraniye,Üsküdar,Zeytinburnu"},
    {35, "İzmir", "Aliağa,Balçova,Bayındır,Bayraklı,Bergama,Beydağ,Bornova,Buca,Çeşme,Çiğli,Dikili,"
                  "Foça,Gaziemir,Güzelbahçe,Karabağlar,Karaburun,Karşıyaka,Kemalpaşa,Kınık,Kiraz,"
                  "Konak,Menderes,Menemen,Narlıdere,Ödemiş,Seferihisar,Selçuk,Tire,Torbalı,Urla"},
    {36, "Kars", ""},
    {37, "Kastamonu", ""},
    {38, "Kayseri", ""},
    {39, "Kırklareli", ""},
    {40, "Kırşehir", ""},
    {41, "Kocaeli", "Başiskele,Çayırova,Darıca,Derince,Dilovası,Gebze,Gölcük,İzmit,Kandıra,"
                    "Karamürsel,Kartepe,Körfez"},
    {42, "Konya", "Ahırlı,Akören,Akşehir,Altınekin,Beyşehir,Bozkır,Cihanbeyli,Çeltik,Çumra,Derbent,"
                  "Derebucak,Doğanhisar,Emirgazi,Ereğli,Güneysınır,Hadim,Halkapınar,Hüyük,Ilgın,"
                  "Kadınhanı,Karapınar,Karatay,Kulu,Meram,Sarayönü,Selçuklu,Seydişehir,Taşkent,"
                  "Tuzlukçu,Yalıhüyük,Yunak"},
    {43, "Kütahya", ""},
    {44, "Malatya", ""},
    {45, "Manisa", ""},
    {46, "Kahramanmaraş", ""},
    {47, "Mardin", ""},
    {48, "Muğla", ""},
    {49, "Muş", ""},
    {50, "Nevşehir", ""},
    {51, "Niğde", ""},
    {52, "Ordu", ""},
    {53, "Rize", ""},
    {54, "Sakarya", ""},
    {55, "Samsun", ""},
    {56, "Siirt", ""},
    {57, "Sinop", ""},
    {58, "Sivas", ""},
    {59, "Tekirdağ", ""},
    {60, "Tokat", ""},
    {61, "Trabzon", ""},
    {62, "Tunceli", ""},
    {63, "Şanlıurfa", ""},
    {64, "Uşak", ""},
    {65, "Van", ""},
    {66, "Yozgat", ""},
    {67, "Zonguldak", ""},
    {68, "Aksaray", ""},
    {69, "Bayburt", ""},
    {70, "Karaman", ""},
    {71, "Kırıkkale", ""},
    {72, "Batman", ""},
    {73, "Şırnak", ""},
    {74, "Bartın", ""},
    {75, "Ardahan", ""},
    {76, "Iğdır", ""},
    {77, "Yalova", ""},
    {78, "Karabük", ""},
    {79, "Kilis", ""},
    {80, "Osmaniye", ""},
    {81, "Düzce", ""},
};

QList<QStringList> districtRows()
{
    QList<QStringList> rows;
    for (const Province &province : Provinces) {
        const QString provinceName = QString::fromUtf8(province.name);
        QStringList districts = QString::fromUtf8(province.districts).split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (districts.isEmpty())
            districts << QStringLiteral("Merkez");
        int number = 0;
        for (const QString &district : districts) {
            // Our own district codes: the province code followed by a two-digit sequence.
            const QString code = QString::number(province.code * 100 + ++number);
            rows.push_back({district, provinceName, code, QString::number(province.code)});
        }
    }
    return rows;
}

QList<QStringList> countryRows()
{
    QList<QStringList> rows;
    for (const Country &country : Countries)
        rows.push_back({QString::fromUtf8(country.name), QString::fromUtf8(country.code)});
    return rows;
}

} // namespace

QList<DemoRows> demoRows()
{
    return {
        {"AYARLAR",
         {"FIRMA_UNVANI", "FIRMA_VERGI_NO", "LINK", "KULLANICI_ADI", "SIFRE"},
         {{"Örnek Lojistik Taşımacılık A.Ş.", "1234567890", DemoServiceLink, DemoServiceUser,
           DemoServicePassword}}},
        {"KULLANICILAR",
         {"AD_SOYAD", "TC", "SIFRE", "YETKI"},
         {{"Sistem Yöneticisi", "12345678950", DemoAdminPassword, "Admin"},
          {"Yükleme Operatörü", "23456789138", DemoUserPassword, "Kullanıcı"}}},
        {"FIRMALAR",
         {"FIRMA_UNVANI", "VERGI_NO", "VERGI_DAIRESI", "TELEFON", "ADRES"},
         {{"Örnek Lojistik Taşımacılık A.Ş.", "1234567890", "Büyük Mükellefler",
           "0212 555 10 10", "Atatürk Cad. No: 12 Esenyurt / İstanbul"},
          {"Anadolu Gıda Sanayi ve Ticaret Ltd. Şti.", "2345678901", "Ostim",
           "0312 555 20 20", "Organize Sanayi Bölgesi 5. Cad. No: 8 Sincan / Ankara"},
          {"Ege Tekstil İhracat A.Ş.", "3456789012", "Kordon", "0232 555 30 30",
           "Kemalpaşa OSB 12. Sok. No: 3 Kemalpaşa / İzmir"},
          {"Marmara Otomotiv Yan Sanayi A.Ş.", "4567890123", "Uludağ", "0224 555 40 40",
           "Nilüfer OSB Beyaz Cad. No: 21 Nilüfer / Bursa"},
          {"Çukurova Kimya Ürünleri Ltd. Şti.", "5678901234", "Seyhan", "0322 555 50 50",
           "Hacı Sabancı OSB 3. Cad. No: 7 Sarıçam / Adana"}}},
        {"ARACLAR",
         {"PLAKA", "SOFOR", "TC", "KAPASITE"},
         {{"34ABC123", "Ahmet Yılmaz", "34567891238", "26000"},
          {"06DEF456", "Mehmet Kaya", "45678912316", "18000"},
          {"35GHJ789", "Ayşe Demir", "56789123416", "40000"},
          {"16KLM012", "Mustafa Çelik", "67891234594", "12000"}}},
        {"ILCE_LISTESI", {"AD", "IL_ADI", "KODU", "IL_KOD"}, districtRows()},
        {"ULKE_LISTESI", {"ULKE", "KOD"}, countryRows()},
    };
}

bool isValidTcNumber(const QString &number)
{
    if (number.size() != 11 || number.front() == QLatin1Char('0'))
        return false;
    int d[11];
    for (int i = 0; i < 11; ++i) {
        if (!number[i].isDigit() || number[i].unicode() > '9')
            return false;
        d[i] = number[i].unicode() - '0';
    }
    const int odd = d[0] + d[2] + d[4] + d[6] + d[8];
    const int even = d[1] + d[3] + d[5] + d[7];
    const int tenth = ((odd * 7 - even) % 10 + 10) % 10;
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += d[i];
    return d[9] == tenth && d[10] == sum % 10;
}

} // namespace KorvaDb
