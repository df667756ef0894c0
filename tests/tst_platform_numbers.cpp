// Zubrik: tests of rounding and of the caption/number conversions.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/NumberText.h"
#include "platform/Rounding.h"
#include "platform/RuntimeError.h"

#include <QtTest>
#include <limits>

class TestPlatformNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void halfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("114.5 down to even") << 114.5 << 114.0;
        QTest::newRow("115.5 up to even") << 115.5 << 116.0;
        QTest::newRow("100.5") << 100.5 << 100.0;
        QTest::newRow("101.5") << 101.5 << 102.0;
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("-0.5") << -0.5 << 0.0;
        QTest::newRow("-1.5") << -1.5 << -2.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("just above a half") << 2.5000000001 << 3.0;
        QTest::newRow("just below a half") << 2.4999999999 << 2.0;
        QTest::newRow("-18.7733") << -18.7733 << -19.0;
    }
    void halfEven()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(Rounding::halfEven(value), expected);
        QCOMPARE(double(Rounding::toInt32(value)), expected);
    }

    void integerLimits()
    {
        QCOMPARE(Rounding::toInt16(32767.4), std::int16_t(32767));
        QCOMPARE(Rounding::toInt16(-32768.5), std::int16_t(-32768)); // ties to even, fits
        QCOMPARE(Rounding::toInt32(2147483647.4), std::int32_t(2147483647));
        QCOMPARE(Rounding::toInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    }

    void overflowIsARuntimeError_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("sixteenBits");
        QTest::newRow("16-bit 32767.5 rounds to 32768") << 32767.5 << true;
        QTest::newRow("16-bit -32769") << -32769.0 << true;
        QTest::newRow("32-bit 2147483647.5") << 2147483647.5 << false;
        QTest::newRow("32-bit -2147483649") << -2147483649.0 << false;
        QTest::newRow("32-bit NaN") << std::numeric_limits<double>::quiet_NaN() << false;
        QTest::newRow("32-bit infinity") << std::numeric_limits<double>::infinity() << false;
    }
    void overflowIsARuntimeError()
    {
        QFETCH(double, value);
        QFETCH(bool, sixteenBits);
        try {
            if (sixteenBits)
                Rounding::toInt16(value);
            else
                Rounding::toInt32(value);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.code(), RuntimeErrorCode::Overflow);
        }
    }

    void captionToDouble_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("expected");
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("counter") << "999999" << 999999.0;
        QTest::newRow("blanks around") << " 42 " << 42.0;
        QTest::newRow("decimal") << "2.5" << 2.5;
        QTest::newRow("leading zero") << "02" << 2.0;
    }
    void captionToDouble()
    {
        QFETCH(QString, caption);
        QFETCH(double, expected);
        QCOMPARE(NumberText::toDouble(caption), expected);
    }

    void captionThatIsNotANumber_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("empty") << "";
        QTest::newRow("word") << "abc";
        QTest::newRow("digits then text") << "12a";
        QTest::newRow("nan") << "nan";
        QTest::newRow("inf") << "inf";
        QTest::newRow("full-width digits") << "１２";
    }
    void captionThatIsNotANumber()
    {
        QFETCH(QString, caption);
        try {
            NumberText::toDouble(caption);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.code(), RuntimeErrorCode::TypeMismatch);
        }
    }

    void doubleToCaption_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one") << 1.0 << "1";
        QTest::newRow("ten") << 10.0 << "10";
        QTest::newRow("last milestone") << 999999.0 << "999999";
        QTest::newRow("past it, no exponent") << 1000000.0 << "1000000";
        QTest::newRow("large whole number") << 123456789012.0 << "123456789012";
    }
    void doubleToCaption()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(NumberText::fromDouble(value), expected);
        QCOMPARE(NumberText::toDouble(NumberText::fromDouble(value)), value);
    }

    void textToInt32()
    {
        QCOMPARE(NumberText::toInt32(QStringLiteral("2147483647")), 2147483647);
        QCOMPARE(NumberText::toInt32(QStringLiteral("0") + QLatin1Char('2')), 2);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, NumberText::toInt32(QStringLiteral("2147483648")));
    }
};

QTEST_GUILESS_MAIN(TestPlatformNumbers)
#include "tst_platform_numbers.moc"
