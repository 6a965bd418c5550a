#include "Amount.h"
#include "Errors.h"

#include <QLocale>
#include <QtTest>
#include <limits>

class tst_Amount : public QObject {
    Q_OBJECT

private slots:
    void readsWireTextRoundingHalfToEven_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("units");
        QTest::newRow("whole") << "1500" << qint64(15000000);
        QTest::newRow("one decimal") << "12.5" << qint64(125000);
        QTest::newRow("four decimals") << "0.0001" << qint64(1);
        QTest::newRow("negative") << "-0.0001" << qint64(-1);
        QTest::newRow("plus sign") << "+3" << qint64(30000);
        QTest::newRow("leading point") << ".5" << qint64(5000);
        QTest::newRow("trailing point") << "7." << qint64(70000);
        QTest::newRow("half rounds down to even") << "0.00005" << qint64(0);
        QTest::newRow("half rounds up to even") << "0.00015" << qint64(2);
        QTest::newRow("above half") << "0.000051" << qint64(1);
        QTest::newRow("below half") << "0.000049999" << qint64(0);
        QTest::newRow("half then a far digit") << "0.0000500000000000000000000000001" << qint64(1);
        QTest::newRow("negative half") << "-2.00005" << qint64(-20000);
        QTest::newRow("largest") << "922337203685477.5807" << std::numeric_limits<qint64>::max();
    }
    void readsWireTextRoundingHalfToEven()
    {
        QFETCH(QString, text);
        QFETCH(qint64, units);
        const auto amount = Amount::fromWire(text);
        QVERIFY2(amount.has_value(), qPrintable(text));
        QCOMPARE(amount->tenThousandths(), units);
    }

    void refusesWhatIsNotAnAmount_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text : {"", "-", ".", "1,5", "1.2.3", "12a", " 1", "1e3", "1 000", "--1",
                                 "922337203685477.5808", "99999999999999999999999"})
            QTest::newRow(text) << QString::fromLatin1(text);
    }
    void refusesWhatIsNotAnAmount()
    {
        QFETCH(QString, text);
        QVERIFY(!Amount::fromWire(text).has_value());
    }

    void writesShortestFormWithAtMostFourDecimals_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("wire");
        QTest::addColumn<QString>("turkish");
        QTest::newRow("fifteen hundred") << qint64(15000000) << "1500" << "1500";
        QTest::newRow("twelve and a half") << qint64(125000) << "12.5" << "12,5";
        QTest::newRow("zero") << qint64(0) << "0" << "0";
        QTest::newRow("one unit") << qint64(1) << "0.0001" << "0,0001";
        QTest::newRow("negative") << qint64(-12345) << "-1.2345" << "-1,2345";
        QTest::newRow("no grouping") << qint64(12345678900000) << "1234567890" << "1234567890";
        QTest::newRow("smallest") << std::numeric_limits<qint64>::min() << "-922337203685477.5808"
                                  << "-922337203685477,5808";
    }
    void writesShortestFormWithAtMostFourDecimals()
    {
        QFETCH(qint64, units);
        QFETCH(QString, wire);
        QFETCH(QString, turkish);
        const Amount amount = Amount::fromTenThousandths(units);
        QCOMPARE(amount.toWire(), wire);
        QCOMPARE(amount.toLocale(QLocale(QLocale::Turkish, QLocale::Turkey)), turkish);
    }

    void readsTheLocalesDecimalSeparatorOnly()
    {
        const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
        QCOMPARE(Amount::fromLocale("12,5", turkish), Amount::fromTenThousandths(125000));
        QCOMPARE(Amount::fromLocale(" -0,25 ", turkish), Amount::fromTenThousandths(-2500));
        QVERIFY(!Amount::fromLocale("12.5", turkish).has_value());
        QVERIFY(!Amount::fromLocale("1.500,5", turkish).has_value());
        QCOMPARE(Amount::fromLocale("12.5", QLocale(QLocale::English, QLocale::UnitedStates)),
                 Amount::fromTenThousandths(125000));
    }

    // The double's exact binary value decides, not its shortest decimal text.
    void roundsDoublesThroughTheirExactValue_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("units");
        QTest::newRow("quarter") << 0.25 << qint64(2500);
        QTest::newRow("exact half rounds to even, down") << 0.03125 << qint64(312);
        QTest::newRow("exact half rounds to even, up") << 0.09375 << qint64(938);
        QTest::newRow("negative exact half") << -0.03125 << qint64(-312);
        // 1.00005 is stored a little above the half (its text would round to even, down);
        // 12.34565 a little below (its text would round to even, up).
        QTest::newRow("just above half") << 1.00005 << qint64(10001);
        QTest::newRow("just below half") << 12.34565 << qint64(123456);
        QTest::newRow("tenth") << 0.1 << qint64(1000);
        QTest::newRow("tiny") << 1e-300 << qint64(0);
        QTest::newRow("large whole") << 123456789012.0 << qint64(1234567890120000);
    }
    void roundsDoublesThroughTheirExactValue()
    {
        QFETCH(double, value);
        QFETCH(qint64, units);
        QCOMPARE(Amount::fromDouble(value).tenThousandths(), units);
    }

    void refusesDoublesBeyondRange()
    {
        QVERIFY_THROWS_EXCEPTION(ConversionError, Amount::fromDouble(1e16));
        QVERIFY_THROWS_EXCEPTION(ConversionError, Amount::fromDouble(std::numeric_limits<double>::quiet_NaN()));
        QVERIFY_THROWS_EXCEPTION(ConversionError, Amount::fromDouble(-std::numeric_limits<double>::infinity()));
    }

    void multipliesExactlyRoundingHalfToEven_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("product");
        QTest::newRow("whole") << "1500" << "12.5" << "18750";
        QTest::newRow("half down to even") << "0.0001" << "0.5" << "0";
        QTest::newRow("half up to even") << "0.0003" << "0.5" << "0.0002";
        QTest::newRow("above half") << "0.0001" << "0.5001" << "0.0001";
        QTest::newRow("negative") << "-2.5" << "0.0003" << "-0.0008";
        // Both factors are near the top of qint64's units: the product needs 128 bits.
        QTest::newRow("large factors") << "300000000" << "3000000" << "900000000000000";
    }
    void multipliesExactlyRoundingHalfToEven()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(QString, product);
        QCOMPARE(Amount::fromWire(left)->multipliedBy(*Amount::fromWire(right)).toWire(), product);
    }

    void refusesAProductBeyondRange()
    {
        const Amount big = *Amount::fromWire("100000000");
        QVERIFY_THROWS_EXCEPTION(ConversionError, big.multipliedBy(big));
    }
};

QTEST_GUILESS_MAIN(tst_Amount)
#include "tst_amount.moc"
