#include "platform/core/values.h"
#include "test_support.h"

#include <cmath>
#include <limits>

using namespace platform;

class TestValues : public QObject
{
    Q_OBJECT

private slots:
    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("leading blank") << " 12" << 12.0;
        QTest::newRow("blank inside") << "1 2" << 12.0;
        QTest::newRow("tab and blanks everywhere") << "\t- 1 . 5 e 1" << -15.0;
        QTest::newRow("text after number") << "2abc" << 2.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("no leading digit") << "-.5" << -0.5;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("capital exponent, signed") << "25E-1" << 2.5;
        QTest::newRow("exponent without digits") << "1e" << 1.0;
        QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("plus sign") << "+5" << 5.0;
        QTest::newRow("double sign") << "--5" << 0.0;
        QTest::newRow("Thai text after number") << "7ก" << 7.0;
        QTest::newRow("beyond Single, within Double") << "1e39" << 1e39;
        QTest::newRow("underflow reads as zero") << "1e-400" << 0.0;
        QTest::newRow("denormal kept") << "5e-324" << 5e-324;
        QTest::newRow("many zeros then underflow") << "0.000e-400" << 0.0;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(Val(text), expected);
    }

    void valBeyondDoubleRangeIsOverflow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("big exponent") << "1e400";
        QTest::newRow("negative") << "-2e308";
        QTest::newRow("huge exponent digits") << "1e99999999999999999999";
        QTest::newRow("many digits") << QString(400, u'9');
    }
    void valBeyondDoubleRangeIsOverflow()
    {
        QFETCH(QString, text);
        try {
            Val(text);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), 6);
        }
    }

    void numberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("single");
        QTest::addColumn<QString>("dbl");
        // clang-format off
        QTest::newRow("whole")                     << 1.0                                      << "1"         << "1";
        QTest::newRow("rounded to 7 or 15 digits") << 1.23456789                               << "1.234568"  << "1.23456789";
        QTest::newRow("tenth")                     << 0.1                                      << "0.1"       << "0.1";
        QTest::newRow("negative")                  << -3.5                                     << "-3.5"      << "-3.5";
        QTest::newRow("tie rounds to even")        << 122880.25                                << "122880.2"  << "122880.25";
        QTest::newRow("negative zero")             << -0.0                                     << "0"         << "0";
        QTest::newRow("large")                     << 1e20                                     << "1E+20"     << "1E+20";
        QTest::newRow("small")                     << 1.5e-7                                   << "1.5E-07"   << "1.5E-07";
        QTest::newRow("infinity")                  << std::numeric_limits<double>::infinity()  << "Infinity"  << "Infinity";
        QTest::newRow("minus infinity")            << -std::numeric_limits<double>::infinity() << "-Infinity" << "-Infinity";
        // clang-format on
    }
    void numberText()
    {
        QFETCH(double, value);
        QFETCH(QString, single);
        QFETCH(QString, dbl);
        QCOMPARE(SingleToText(static_cast<Single>(value)), single);
        QCOMPARE(DoubleToText(value), dbl);
    }

    void fixedText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole, no point") << 40.0 << 2 << "40";
        QTest::newRow("trailing zero dropped") << 1.5 << 2 << "1.5";
        QTest::newRow("rounded") << 233.3333 << 2 << "233.33";
        QTest::newRow("zeros before the point kept") << 100.004 << 2 << "100";
        QTest::newRow("negative") << -2.26 << 1 << "-2.3";
        QTest::newRow("rounds to zero, no sign") << -0.001 << 2 << "0";
    }
    void fixedText()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(FixedText(value, decimals), text);
    }

    void singleBeyondRangeNarrowsToInfinity()
    {
        QCOMPARE(SingleToText(static_cast<Single>(Val(u"1e39"))), QStringLiteral("Infinity"));
        QCOMPARE(DoubleToText(Val(u"1e39")), QStringLiteral("1E+39"));
    }

    void addInteger_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("overflows");
        QTest::newRow("ordinary") << 6900 << 100 << false;
        QTest::newRow("largest") << 32667 << 100 << false;
        QTest::newRow("past largest") << 32700 << 100 << true;
        QTest::newRow("past smallest") << -32768 << -1 << true;
    }
    void addInteger()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, overflows);
        try {
            const Integer sum = AddInteger(static_cast<Integer>(a), static_cast<Integer>(b));
            QVERIFY(!overflows);
            QCOMPARE(int(sum), a + b);
        } catch (const RuntimeError &error) {
            QVERIFY(overflows);
            QCOMPARE(error.number(), 6);
        }
    }

    void rgbPutsRedInTheLowByte()
    {
        QCOMPARE(ColorValue(RGB(100, 100, 100)), 0x00646464U);
        QCOMPARE(ColorValue(RGB(1, 2, 3)), 0x00030201U);
        QCOMPARE(ToQRgb(RGB(1, 2, 3)), qRgb(1, 2, 3));
        QCOMPARE(ToQRgb(RGB(224, 10, 0)), qRgb(224, 10, 0));
        // A Color never passes for a QRgb, whose bytes run the other way.
        static_assert(!std::is_convertible_v<Color, QRgb> && !std::is_convertible_v<QRgb, Color>);
    }
};

CURVISTA_TEST_MAIN_IN(QCoreApplication, TestValues)
#include "test_values.moc"
