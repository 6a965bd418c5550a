// The texts the follow-up windows write: the notification detail's lines and renderings under
// Turkish settings, the notification number test, and the registry checks' lines.

#include "DetayMetni.h"
#include "ScreenFormat.h"
#include "SorguSatirlari.h"

#include <QtTest>

using uKorva::WS::TYukBildirimiDetayi;

class tst_Metinler : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void detailIsHeaderFortyFourLabelledLinesAndSeparatorInRecordOrder();
    void rendersDetailValuesUnderTurkishSettings_data();
    void rendersDetailValuesUnderTurkishSettings();
    void rendersRealsAndAmountsWithoutGrouping_data();
    void rendersRealsAndAmountsWithoutGrouping();
    void acceptsOnlyWholeSigned64BitNumbers_data();
    void acceptsOnlyWholeSigned64BitNumbers();
    void authorisationBlockShowsDateTextsAndUnetNoButNotTheResult();
    void certificatesAreNumberedWithTheirTextStraightAfter();
};

namespace {

TYukBildirimiDetayi sampleDetail()
{
    TYukBildirimiDetayi d;
    d.AliciUnvan = QStringLiteral("ALICI A.Ş.");
    d.AliciVergiNo = QStringLiteral("1111111111");
    d.BildirimTarihi = QDateTime(QDate(2020, 1, 25), QTime(14, 30));
    d.BosaltmaIlAdi = QStringLiteral("ANKARA");
    d.BosaltmaIlMernisKodu = QStringLiteral("6");
    d.BosaltmaIlceAdi = QStringLiteral("ÇANKAYA");
    d.BosaltmaIlceKodu = QStringLiteral("1231");
    d.BosaltmaSaati = QTime(9, 5);
    d.BosaltmaTarihi = QDate(2020, 1, 26);
    d.BosaltmaUlkeAdi = QStringLiteral("TÜRKİYE");
    d.BosaltmaUlkeKodu = QStringLiteral("TR");
    d.Durum = QStringLiteral("İPTAL");
    d.FirmaSeferNo = QStringLiteral("S-1");
    d.FirmaYukNo = QStringLiteral("Y-1");
    d.GonderenUnvan = QStringLiteral("GÖNDEREN LTD.");
    d.GonderenVergiNo = QStringLiteral("2222222222");
    d.IptalAciklama = QStringLiteral("Hatalı giriş");
    d.IptalTurKodu = QStringLiteral("3");
    d.Plaka1 = QStringLiteral("34ABC123");
    d.Sofor1TCNo = QStringLiteral("12345678901");
    d.SonGuncellemeTarihi = QDateTime(QDate(2020, 2, 1), QTime(0, 0));
    d.TasimaBedeli = Amount::fromTenThousandths(15005000);
    d.TasimaTuruAciklama = QStringLiteral("Tehlikesiz Madde");
    d.TasimaTuruKodu = QStringLiteral("2");
    d.KorvaBildirimReferansNo = -5;
    d.YukBirimi = QStringLiteral("KG");
    d.YukBirimiAciklama = QStringLiteral("Kilogram");
    d.YukCinsAdi = QStringLiteral("Un");
    d.YukCinsId = QStringLiteral("17");
    d.YukMiktari = 0.1 + 0.2;
    d.YuklemeIlAdi = QStringLiteral("İSTANBUL");
    d.YuklemeIlMernisKodu = QStringLiteral("34");
    d.YuklemeIlceAdi = QStringLiteral("KADIKÖY");
    d.YuklemeIlceMernisKodu = QStringLiteral("1421");
    d.YuklemeSaati = QTime(23, 59, 58);
    d.YuklemeTarihi = QDate(2020, 1, 25);
    d.YuklemeUlkeAdi = QStringLiteral("TÜRKİYE");
    d.YuklemeUlkeKodu = QStringLiteral("TR");
    return d;
}

QString lineLabelled(const QStringList &lines, const QString &label)
{
    const QString prefix = QStringLiteral("    ") + label + QStringLiteral(": ");
    for (const QString &line : lines)
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    return QStringLiteral("<missing>");
}

} // namespace

void tst_Metinler::detailIsHeaderFortyFourLabelledLinesAndSeparatorInRecordOrder()
{
    const QStringList lines = DetayMetni::satirlar(sampleDetail());
    QCOMPARE(lines.size(), 46);
    QCOMPARE(lines.first(), QStringLiteral("Yük Bildirimi Detayı:"));
    QCOMPARE(lines.last(), QStringLiteral("---------------"));
    QCOMPARE(lines.at(1), QStringLiteral("    Alıcı Ünvan: ALICI A.Ş."));
    QCOMPARE(lines.at(7), QStringLiteral("    Boşaltma İlçe Kodu: 1231"));
    QCOMPARE(lines.at(20), QStringLiteral("    Plaka2: ")); // empty text stays, label and all
    QCOMPARE(lines.at(29), QStringLiteral("    Korva Bildirim Referans No: -5"));
    QCOMPARE(lines.at(40), QStringLiteral("    Yükleme İlçe Mernis Kodu: 1421"));
    QCOMPARE(lines.at(44), QStringLiteral("    Yükleme Ülke Kodu: TR"));
    for (int i = 1; i <= 44; ++i)
        QVERIFY2(lines.at(i).startsWith(QStringLiteral("    ")) && lines.at(i).contains(QStringLiteral(": ")),
                 qPrintable(lines.at(i)));
}

void tst_Metinler::rendersDetailValuesUnderTurkishSettings_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    QTest::newRow("date and time") << "Bildirim Tarihi" << "25.01.2020 14:30:00";
    QTest::newRow("date and time at midnight drops the time") << "Son Güncelleme Tarihi" << "1.02.2020";
    QTest::newRow("time") << "Boşaltma Saati" << "09:05:00";
    QTest::newRow("time with seconds") << "Yükleme Saati" << "23:59:58";
    QTest::newRow("date") << "Boşaltma Tarihi" << "26.01.2020";
    QTest::newRow("amount, decimal comma, trailing zeros dropped") << "Taşıma Bedeli" << "1500,5";
    QTest::newRow("real in its shortest form") << "Yük Miktarı" << "0,3";
    QTest::newRow("text") << "İptal Açıklama" << "Hatalı giriş";
}

void tst_Metinler::rendersDetailValuesUnderTurkishSettings()
{
    QFETCH(QString, label);
    QFETCH(QString, expected);
    QCOMPARE(lineLabelled(DetayMetni::satirlar(sampleDetail()), label), expected);
}

void tst_Metinler::rendersRealsAndAmountsWithoutGrouping_data()
{
    QTest::addColumn<double>("real");
    QTest::addColumn<QString>("expected");
    QTest::newRow("quarter") << 0.25 << "0,25";
    QTest::newRow("million, no grouping") << 1e6 << "1000000";
    QTest::newRow("fifteen digits") << 123456789012.345 << "123456789012,345";
    QTest::newRow("beyond fifteen digits rounds") << 0.12345678901234567 << "0,123456789012346";
    QTest::newRow("large in exponent form") << 1e15 << "1E15";
    QTest::newRow("small in exponent form") << 0.000001 << "1E-6";
    QTest::newRow("negative") << -2.5 << "-2,5";
}

void tst_Metinler::rendersRealsAndAmountsWithoutGrouping()
{
    QFETCH(double, real);
    QFETCH(QString, expected);
    QCOMPARE(ScreenFormat::real(real), expected);
    QCOMPARE(ScreenFormat::amount(Amount::fromTenThousandths(12345678912345)), QStringLiteral("1234567891,2345"));
}

void tst_Metinler::acceptsOnlyWholeSigned64BitNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("value");
    QTest::newRow("zero") << "0" << true << qint64(0);
    QTest::newRow("negative") << "-5" << true << qint64(-5);
    QTest::newRow("plus sign") << "+7" << true << qint64(7);
    QTest::newRow("largest") << "9223372036854775807" << true << std::numeric_limits<qint64>::max();
    QTest::newRow("smallest") << "-9223372036854775808" << true << std::numeric_limits<qint64>::min();
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("letters") << "abc" << false << qint64(0);
    QTest::newRow("digits then letters") << "12a" << false << qint64(0);
    QTest::newRow("blank inside") << "1 2" << false << qint64(0);
    QTest::newRow("blank before") << " 12" << false << qint64(0);
    QTest::newRow("blank after") << "12 " << false << qint64(0);
    QTest::newRow("sign alone") << "-" << false << qint64(0);
    QTest::newRow("beyond 64 bits") << "9223372036854775808" << false << qint64(0);
    QTest::newRow("far beyond 64 bits") << "-99999999999999999999" << false << qint64(0);
    QTest::newRow("decimal") << "1,5" << false << qint64(0);
    QTest::newRow("other script digits") << QString::fromUtf8("١٢") << false << qint64(0);
}

void tst_Metinler::acceptsOnlyWholeSigned64BitNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, value);
    const auto parsed = SorguSatirlari::bildirimId(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void tst_Metinler::authorisationBlockShowsDateTextsAndUnetNoButNotTheResult()
{
    uKorva::WS::TYetkiBelgesi belge;
    belge.BelgeGecerlilikTarihi = QDate(2027, 3, 9);
    belge.BelgeNo = QStringLiteral("K1-123");
    belge.BelgeTuru = QStringLiteral("K1");
    belge.FirmaUnvan = QStringLiteral("DEMO NAKLİYAT");
    belge.SonucKodu = 0;
    belge.SonucMesaji = QStringLiteral("İşlem başarılı");
    belge.UnetNo = 9876543210123;
    QCOMPARE(SorguSatirlari::yetkiBelgesi(belge),
             QStringList({"YetkiBelgesi:", "    Geçerlilik Tarihi: 9.03.2027", "    Belge No: K1-123",
                          "    Belge Türü: K1", "    Firma Ünvanı: DEMO NAKLİYAT", "    UnetNo: 9876543210123",
                          "---------------"}));
}

void tst_Metinler::certificatesAreNumberedWithTheirTextStraightAfter()
{
    QCOMPARE(SorguSatirlari::belge(0, QStringLiteral("ABC")), QStringLiteral("    Belge: 0ABC"));
    // A certificate text that looks like a placeholder is shown as it is.
    QCOMPARE(SorguSatirlari::belge(12, QStringLiteral("%1 SRC2")), QStringLiteral("    Belge: 12%1 SRC2"));
}

QTEST_MAIN(tst_Metinler)
#include "tst_metinler.moc"
