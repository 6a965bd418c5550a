#include "Errors.h"
#include "WireFormat.h"

#include <QLocale>
#include <QtTest>
#include <limits>

using namespace uKorva;

class tst_Formats : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void writesQuantityInShortestDecimalFormWithExponentAtTheEnds_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("quarter") << 0.25 << "0.25";
        QTest::newRow("million") << 1e6 << "1000000";
        QTest::newRow("twelve and a half") << 12.5 << "12.5";
        QTest::newRow("fifteen hundred") << 1500.0 << "1500";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative") << -3.75 << "-3.75";
        QTest::newRow("ten to the fifteen") << 1e15 << "1E15";
        QTest::newRow("just below ten to the fifteen") << 999999999999999.0 << "999999999999999";
        QTest::newRow("rounds up into the exponent form") << 999999999999999.9 << "1E15";
        QTest::newRow("above ten to the fifteen") << 1.5e16 << "1.5E16";
        QTest::newRow("a millionth") << 0.000001 << "1E-6";
        QTest::newRow("negative millionth") << -0.0000025 << "-2.5E-6";
        QTest::newRow("a hundred-thousandth stays decimal") << 0.00001 << "0.00001";
        QTest::newRow("fifteen significant digits") << 0.1 + 0.2 << "0.3";
        QTest::newRow("fifteen digits kept") << 123456.789012345 << "123456.789012345";
        QTest::newRow("sixteenth digit rounded") << 1.0000000000000002 << "1";
    }
    void writesQuantityInShortestDecimalFormWithExponentAtTheEnds()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(WireFormat::requestQuantity(value), text);
    }

    void writesDatesTimesAndAmountsInFixedFormsWhateverTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("Turkish") << QLocale(QLocale::Turkish, QLocale::Turkey);
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("American") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void writesDatesTimesAndAmountsInFixedFormsWhateverTheLocale()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        QCOMPARE(WireFormat::requestDate(QDate(2020, 1, 5)), "05/01/2020");
        QCOMPARE(WireFormat::requestTime(QTime(9, 5, 59)), "09:05");
        QCOMPARE(WireFormat::requestTime(QTime(0, 0)), "00:00");
        QCOMPARE(WireFormat::requestQuantity(12.5), "12.5");
        QCOMPARE(WireFormat::requestAmount(*Amount::fromWire("1500")), "1500");
        QCOMPARE(WireFormat::requestAmount(*Amount::fromWire("1234567.125")), "1234567.125");
    }

    void takesTheTimeSeparatorFromTheLocale()
    {
        QCOMPARE(WireFormat::timeSeparator(), QChar(u':'));
        QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland)); // "H.mm"
        QCOMPARE(WireFormat::timeSeparator(), QChar(u'.'));
        QCOMPARE(WireFormat::requestTime(QTime(9, 5)), "09.05");
        QCOMPARE(WireFormat::replyTime("14.30"), QTime(14, 30));
        QCOMPARE(WireFormat::replyTime("14:30"), QTime(14, 30));
    }

    void sendsEmptyTextsForMissingDatesAndTimes()
    {
        QCOMPARE(WireFormat::requestDate(QDate()), QString());
        QCOMPARE(WireFormat::requestTime(QTime()), QString());
    }

    void readsReplyDatesAndTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("value");
        QTest::newRow("date only, midnight") << "25/01/2020" << QDateTime(QDate(2020, 1, 25), QTime(0, 0));
        QTest::newRow("hours and minutes") << "25/01/2020 14:30" << QDateTime(QDate(2020, 1, 25), QTime(14, 30));
        QTest::newRow("with seconds") << "25/01/2020 14:30:15" << QDateTime(QDate(2020, 1, 25), QTime(14, 30, 15));
        QTest::newRow("one-digit parts") << "5/1/2020 9:05" << QDateTime(QDate(2020, 1, 5), QTime(9, 5));
        QTest::newRow("surrounding blanks") << " 29/02/2024 " << QDateTime(QDate(2024, 2, 29), QTime(0, 0));
    }
    void readsReplyDatesAndTimes()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, value);
        QCOMPARE(WireFormat::replyDateTime(text), value);
        if (!text.trimmed().contains(u' '))
            QCOMPARE(WireFormat::replyDate(text), value.date());
    }

    void refusesReplyTextsThatDoNotConvertNamingThem_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty date") << "date" << "" << "'' geçerli bir tarih değil";
        QTest::newRow("month first") << "date" << "01/25/2020" << "'01/25/2020' geçerli bir tarih değil";
        QTest::newRow("dashes") << "date" << "2020-01-25" << "'2020-01-25' geçerli bir tarih değil";
        QTest::newRow("no leap day") << "date" << "29/02/2023" << "'29/02/2023' geçerli bir tarih değil";
        QTest::newRow("empty date and time") << "datetime" << "" << "'' geçerli bir tarih ve saat değil";
        QTest::newRow("hour 24") << "datetime" << "25/01/2020 24:00" << "'25/01/2020 24:00' geçerli bir tarih ve saat değil";
        QTest::newRow("time alone") << "datetime" << "14:30" << "'14:30' geçerli bir tarih ve saat değil";
        QTest::newRow("empty time") << "time" << "" << "'' geçerli bir saat değil";
        QTest::newRow("minutes 60") << "time" << "10:60" << "'10:60' geçerli bir saat değil";
        QTest::newRow("hour only") << "time" << "10" << "'10' geçerli bir saat değil";
        QTest::newRow("empty number") << "number" << "" << "'' geçerli bir sayı değil";
        QTest::newRow("decimal comma") << "number" << "12,5" << "'12,5' geçerli bir sayı değil";
        QTest::newRow("infinity") << "number" << "inf" << "'inf' geçerli bir sayı değil";
        QTest::newRow("amount decimal comma") << "amount" << "1500,25" << "'1500,25' geçerli bir tutar değil";
        QTest::newRow("empty amount") << "amount" << "" << "'' geçerli bir tutar değil";
    }
    void refusesReplyTextsThatDoNotConvertNamingThem()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, message);
        try {
            if (kind == "date")
                WireFormat::replyDate(text);
            else if (kind == "datetime")
                WireFormat::replyDateTime(text);
            else if (kind == "time")
                WireFormat::replyTime(text);
            else if (kind == "number")
                WireFormat::replyNumber(text);
            else
                WireFormat::replyAmount(text);
            QFAIL("converted");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(), message);
        }
    }

    void readsReplyNumbersWithDecimalPointWhateverTheLocale()
    {
        QCOMPARE(WireFormat::replyNumber("12.5"), 12.5);
        QCOMPARE(WireFormat::replyNumber("-0.25"), -0.25);
        QCOMPARE(WireFormat::replyNumber("1E15"), 1e15);
        QCOMPARE(WireFormat::replyNumber("1000000"), 1e6);
        QCOMPARE(WireFormat::replyAmount("1500.125"), *Amount::fromWire("1500.125"));
        QCOMPARE(WireFormat::replyTime("09:05:07"), QTime(9, 5, 7));
    }
};

QTEST_GUILESS_MAIN(tst_Formats)
#include "tst_formats.moc"
