#pragma once

#include <QByteArray>
#include <QTest>

#include <clocale>

// The locales of the desktops the program meets, for tests that run every
// case in each of them: QTest runs each test function once per row of a
// global table (initTestCase_data), and init() switches the process to the
// row's locale as QApplication does from LANG. A locale that is missing fails
// the test instead of quietly leaving it in the C locale.
inline void addDesktopLocales() {
  QTest::addColumn<QByteArray>("locale");
  QTest::addColumn<char>("decimalPoint");
  QTest::newRow("C") << QByteArray("C") << '.';
  QTest::newRow("it_IT") << QByteArray("it_IT.UTF-8") << ',';
  QTest::newRow("de_DE") << QByteArray("de_DE.UTF-8") << ',';
  QTest::newRow("fr_FR") << QByteArray("fr_FR.UTF-8") << ',';
  QTest::newRow("en_US") << QByteArray("en_US.UTF-8") << '.';
}

// Use in init(): switches to the current global row's locale or fails.
#define SWITCH_TO_DESKTOP_LOCALE()                                                                 \
  do {                                                                                             \
    QFETCH_GLOBAL(QByteArray, locale);                                                             \
    QFETCH_GLOBAL(char, decimalPoint);                                                             \
    if (!std::setlocale(LC_ALL, locale.constData()))                                               \
      QFAIL(qPrintable(QStringLiteral("locale %1 is not installed (scripts/deps generates it)")    \
                           .arg(QString::fromLatin1(locale))));                                    \
    QCOMPARE(*std::localeconv()->decimal_point, decimalPoint);                                     \
  } while (false)
