#include "runtime/conversions.h"
#include "runtime/errors.h"
#include "runtime/resume.h"
#include "runtime/rounding.h"

#include "desktopLocales.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <stdexcept>

// Runs a conversion and returns the run-time error it raised, 0 for none.
template <class F> int errorOf(F &&f) {
  try {
    f();
    return 0;
  } catch (const RuntimeError &e) {
    return e.number();
  }
}

class ConversionsTest : public QObject {
  Q_OBJECT
private slots:
  // Every case below runs in each desktop locale: the program's numbers must
  // read and write the same whatever the process's locale is.
  void initTestCase_data() { addDesktopLocales(); }
  void init() { SWITCH_TO_DESKTOP_LOCALE(); }
  void textToWholeNumbersRoundsHalvesToEven_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("long32");
    QTest::addColumn<int>("longError");
    QTest::addColumn<int>("integer16");
    QTest::addColumn<int>("integerError");
    QTest::newRow("plain") << "12" << 12 << 0 << 12 << 0;
    QTest::newRow("blanks around") << "  7 " << 7 << 0 << 7 << 0;
    QTest::newRow("half down to even") << "2,5" << 2 << 0 << 2 << 0;
    QTest::newRow("half up to even") << "3,5" << 4 << 0 << 4 << 0;
    QTest::newRow("comma five is zero") << ",5" << 0 << 0 << 0 << 0;
    QTest::newRow("comma seven is one") << ",7" << 1 << 0 << 1 << 0;
    QTest::newRow("trailing comma") << "5," << 5 << 0 << 5 << 0;
    QTest::newRow("negative half") << "-2,5" << -2 << 0 << -2 << 0;
    QTest::newRow("thousands group") << "1.000" << 1000 << 0 << 1000 << 0;
    QTest::newRow("exponent") << "1,5E+03" << 1500 << 0 << 1500 << 0;
    QTest::newRow("empty") << "" << 0 << 13 << 0 << 13;
    QTest::newRow("blank") << " " << 0 << 13 << 0 << 13;
    QTest::newRow("lone comma") << "," << 0 << 13 << 0 << 13;
    QTest::newRow("two commas") << "1,2,3" << 0 << 13 << 0 << 13;
    QTest::newRow("letters") << "12a" << 0 << 13 << 0 << 13;
    QTest::newRow("point is no decimal") << "1.5" << 0 << 13 << 0 << 13;
    QTest::newRow("bad group") << "1.0000" << 0 << 13 << 0 << 13;
    QTest::newRow("16-bit top") << "32767" << 32767 << 0 << 32767 << 0;
    QTest::newRow("16-bit bottom") << "-32768" << -32768 << 0 << -32768 << 0;
    QTest::newRow("beyond 16 bits") << "32768" << 32768 << 0 << 0 << 6;
    QTest::newRow("half beyond 16 bits") << "32767,5" << 32768 << 0 << 0 << 6;
    QTest::newRow("32-bit top") << "2147483647" << 2147483647 << 0 << 0 << 6;
    QTest::newRow("rounds beyond 32 bits") << "2147483647,5" << 0 << 6 << 0 << 6;
    QTest::newRow("huge exponent") << "1E999" << 0 << 6 << 0 << 6;
    QTest::newRow("huge with a negative exponent") << "1000000000E-300000000000" << 0 << 0 << 0 << 0;
    QTest::newRow("decimals with a huge exponent") << "0,001E+400" << 0 << 6 << 0 << 6;
  }
  void textToWholeNumbersRoundsHalvesToEven() {
    QFETCH(QString, text);
    QFETCH(int, long32);
    QFETCH(int, longError);
    QFETCH(int, integer16);
    QFETCH(int, integerError);
    int32_t l = 0;
    QCOMPARE(errorOf([&] { l = toLong(text); }), longError);
    QCOMPARE(l, long32);
    int16_t i = 0;
    QCOMPARE(errorOf([&] { i = toInteger(text); }), integerError);
    QCOMPARE(int(i), integer16);
  }

  void textToFloatingNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("singleError");
    QTest::newRow("decimal comma") << "12,5" << 12.5 << 0;
    QTest::newRow("five and a half") << "5,5" << 5.5 << 0;
    QTest::newRow("below one") << "0,7" << 0.7 << 0;
    QTest::newRow("exponent with decimals") << "1,5E+03" << 1500.0 << 0;
    QTest::newRow("negative exponent") << "2,2E-3" << 0.0022 << 0;
    QTest::newRow("grouped with decimals") << "1.234,5" << 1234.5 << 0;
    QTest::newRow("negative decimal") << "-0,25" << -0.25 << 0;
    QTest::newRow("too small to tell from zero") << "1,5E-400" << 0.0 << 0;
    QTest::newRow("many digits, tiny exponent") << "123456E-330" << 0.0 << 0;
    QTest::newRow("leading comma") << ",25" << 0.25 << 0;
    QTest::newRow("written exponent") << "1,234568E+07" << 12345680.0 << 0;
    QTest::newRow("largest single") << "3,4E38" << 3.4e38 << 0;
    QTest::newRow("beyond single") << "1E39" << 1e39 << 6;
  }
  void textToFloatingNumbers() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(int, singleError);
    QCOMPARE(toDouble(text), value);
    float s = 0;
    QCOMPARE(errorOf([&] { s = toSingle(text); }), singleError);
    if (!singleError)
      QCOMPARE(s, float(value));
  }

  void narrowingRaisesOverflowInsteadOfWrapping() {
    QCOMPARE(errorOf([] { toSingle(1e39); }), 6);
    QCOMPARE(errorOf([] { toSingle(std::nan("")); }), 6);
    QCOMPARE(errorOf([] { toLong(3e9); }), 6);
    QCOMPARE(errorOf([] { toLong(-2147483648.5); }), 0); // -2^31 after rounding to even
    QCOMPARE(errorOf([] { toInteger(-32768.6); }), 6);
    QCOMPARE(errorOf([] { singleProduct(FLT_MAX, 2); }), 6);
  }

  void divisionRaisesItsErrors() {
    QCOMPARE(errorOf([] { quotient(1, 0); }), 11);
    QCOMPARE(errorOf([] { quotient(0, 0); }), 6);
    QCOMPARE(errorOf([] { quotient(1e308, 1e-308); }), 6);
    QCOMPARE(singleQuotient(5.5f, 1000), 0.0055f);
  }

  void numbersToText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 600.0 << true << "600";
    QTest::newRow("decimal comma") << 25.5 << true << "25,5";
    QTest::newRow("leading zero") << 0.5 << true << "0,5";
    QTest::newRow("seven digits") << 1234567.0 << true << "1234567";
    QTest::newRow("single beyond seven digits") << 12345678.0 << true << "1,234568E+07";
    QTest::newRow("single keeps seven digits") << 0.1 << true << "0,1";
    QTest::newRow("negative zero") << -0.0 << true << "0";
    QTest::newRow("double decimals") << 35.8 << false << "35,8";
    QTest::newRow("double fifteen digits") << 123456789012345.0 << false << "123456789012345";
    QTest::newRow("double exponent") << 1e15 << false << "1E+15";
    QTest::newRow("single small exponent") << 1.5e-7 << true << "1,5E-07";
    QTest::newRow("single below one") << 0.0055 << true << "0,0055";
    QTest::newRow("negative decimals") << -25.53191 << true << "-25,53191";
    QTest::newRow("single rounds at seven digits") << 2181.8181 << true << "2181,818";
  }
  void numbersToText() {
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(QString, text);
    QCOMPARE(single ? textOf(float(value)) : textOf(value), text);
  }

  void writtenNumbersReadBack_data() {
    QTest::addColumn<float>("value");
    QTest::newRow("fraction") << 25.53191f;
    QTest::newRow("big") << 2.147484e9f;
    QTest::newRow("tiny") << 1.5e-7f;
    QTest::newRow("negative") << -0.062f;
  }
  void writtenNumbersReadBack() {
    QFETCH(float, value);
    QCOMPARE(toSingle(textOf(value)), value);
  }

  void roundingToDecimalsHalvesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<double>("rounded");
    QTest::newRow("to whole, half down") << 2.5 << 0 << 2.0;
    QTest::newRow("to whole, half up") << 3.5 << 0 << 4.0;
    QTest::newRow("exact half in thousandths") << 0.0625 << 3 << 0.062;
    QTest::newRow("exact half in hundredths") << 0.125 << 2 << 0.12;
    QTest::newRow("exact half rounding up") << 0.375 << 2 << 0.38;
    QTest::newRow("single just below half") << double(1.66499996f) << 2 << 1.66;
    QTest::newRow("eight decimals") << double(12.0f / 470.0f) << 8 << 0.02553191;
    QTest::newRow("one decimal") << double(25.53191f) << 1 << 25.5;
  }
  void roundingToDecimalsHalvesToEven() {
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(double, rounded);
    QCOMPARE(roundToDigits(value, digits), rounded);
    QCOMPARE(roundToDigits(float(value), digits), float(rounded));
  }

  void skippedStatementKeepsWhatItStored() {
    int stored = 0;
    const bool finished = resumeNext([&] {
      stored = 1;
      raiseError(err::Overflow);
      stored = 2;
    });
    QVERIFY(!finished);
    QCOMPARE(stored, 1);
    QVERIFY(resumeNext([] {}));
    // Only run-time errors are swallowed; a fault of another kind goes on up.
    QVERIFY_THROWS_EXCEPTION(std::logic_error,
                             resumeNext([] { throw std::logic_error("fault"); }));
  }
};

QTEST_APPLESS_MAIN(ConversionsTest)
#include "tst_conversions.moc"
