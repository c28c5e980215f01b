// The whole calculation without a window, on the in-memory panel of the
// tests, over several runs in a row. The input is lines separated by '\n',
// six to a run, at most four runs:
//   a control line: its first character selects the unit ('0' A, '1' mA,
//     '2' uA, '3' nA, '4' and '5' are not in the selector, '6' none: -1),
//     the second chooses the multiplier ('0' x 1, '1' x 3, '2' x 5, '3' none),
//     the third starts the run ('0' the calcola button, '1' Enter in the
//     collector-current box); a missing character leaves that as it was;
//   five lines for the boxes 0 to 4 (up to 1000 characters each, any
//     characters but '\n'); "=" leaves the box as it is, a missing line too.
// After each run the results must be consistent with the boxes and with
// each other, and nothing of an earlier run may be left in them.
#include "tests/fakePanel.h"

#include "calc/controls.h"
#include "calc/transistor.h"
#include "runtime/conversions.h"
#include "runtime/resume.h"

#include <QByteArray>
#include <QList>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype MaxBoxLength = 1000;
constexpr int MaxRuns = 4;

const QString stopPrompts[] = {
    QStringLiteral("Inserire il valore di HFE (Gain)"),
    QStringLiteral("Inserire la tensione di base"),
    QStringLiteral("Inserire un valore di resistenza   "),
    QStringLiteral("Inserire un valore di tensione   "),
    QStringLiteral("Inserire un valore di  'Corrente di Collettore'   "),
};
const QString scaleError = QStringLiteral("Errore di scala");

[[noreturn]] void fail(const char *what, const FakePanel &panel) {
  std::fprintf(stderr, "fuzz_calculation: %s\n", what);
  for (int i = 0; i < 5; ++i)
    std::fprintf(stderr, "  box %d: [%s]\n", i, qUtf8Printable(panel.boxes[std::size_t(i)]));
  for (int i : {9, 10, 11, 12, 13})
    std::fprintf(stderr, "  label %d: [%s]\n", i, qUtf8Printable(panel.captions[std::size_t(i)]));
  std::abort();
}

bool isStopPrompt(const QString &prompt) {
  for (const QString &p : stopPrompts)
    if (prompt == p)
      return true;
  return false;
}

std::optional<double> number(const QString &text) {
  try {
    return toDouble(text);
  } catch (const RuntimeError &) {
    return std::nullopt;
  }
}

// The base current shown in label 9, in amperes, with the shown number
// (rounded to two decimals) apart.
struct ShownCurrent {
  double number = 0;
  double amperes = 0;
};

std::optional<ShownCurrent> shownBaseCurrent(const QString &caption) {
  static const QString prefix = QStringLiteral("corrente di base: ");
  static const struct {
    QString suffix;
    double factor;
  } units[] = {{QStringLiteral(" A"), 1},
               {QStringLiteral(" mA"), 1e-3},
               {QStringLiteral(" \u00B5A"), 1e-6},
               {QStringLiteral(" nA"), 1e-9},
               {QStringLiteral(" pA"), 1e-12}};
  if (!caption.startsWith(prefix))
    return std::nullopt;
  for (const auto &u : units) {
    if (!caption.endsWith(u.suffix))
      continue;
    const QString text =
        caption.mid(prefix.size(), caption.size() - prefix.size() - u.suffix.size());
    if (const auto n = number(text))
      return ShownCurrent{*n, *n * u.factor};
  }
  return std::nullopt;
}

void checkRun(const FakePanel &panel, std::size_t firstMessage, const QString &chosenMultiplier) {
  const auto &c = panel.captions;

  // Messages: only the fixed prompts, with the program's title; a prompt that
  // stops the run is its last message.
  bool stopped = false;
  for (std::size_t m = firstMessage; m < panel.messages.size(); ++m) {
    const auto &msg = panel.messages[m];
    if (msg.title != QStringLiteral("Base Resistor Calculator"))
      fail("message with another title", panel);
    if (isStopPrompt(msg.prompt)) {
      if (msg.style != MsgBoxStyle::Information || m + 1 != panel.messages.size())
        fail("stopping prompt not the last message, or not informative", panel);
      stopped = true;
    } else if (msg.prompt != scaleError || msg.style != MsgBoxStyle::Critical) {
      fail("unexpected message", panel);
    }
  }

  // The formula panel: three lines, the base voltage shown as typed.
  const QString crLf = QStringLiteral("\r\n");
  if (c[label::Formulas].split(crLf).size() != 3 ||
      c[label::Formulas] != QStringLiteral("Ic= Vc / Rc") + crLf +
                                QStringLiteral("Ib= (Ic / Hfe) ") + chosenMultiplier + crLf +
                                QStringLiteral("Rb= (") + panel.boxes[box::BaseVoltage] +
                                QStringLiteral("V-0,7V) / Ib"))
    fail("formula panel", panel);

  for (int i : {label::BaseCurrent, label::BaseResistor, label::ResistorValue, label::Power}) {
    const QString &text = c[std::size_t(i)];
    if (text.contains(QStringLiteral("inf"), Qt::CaseInsensitive) ||
        text.contains(QStringLiteral("nan"), Qt::CaseInsensitive))
      fail("a result that is not a number", panel);
  }

  const QString watt = QString::fromLatin1(PowerCaption);
  if (stopped) {
    if (!c[label::BaseCurrent].isEmpty() || !c[label::BaseResistor].isEmpty() ||
        !c[label::ResistorValue].isEmpty() || c[label::Power] != watt)
      fail("a stopped run left results", panel);
    return;
  }

  // A complete run: the power is either unknown or a number.
  if (c[label::Power] != watt && !(c[label::Power].startsWith(watt + QStringLiteral("  ")) &&
                                   number(c[label::Power].mid(watt.size() + 2))))
    fail("power label", panel);
  if (c[label::BaseResistor].isEmpty()) {
    if (!c[label::ResistorValue].isEmpty())
      fail("resistor value without a base resistor", panel);
    return;
  }

  // A base resistor is shown: it must go with the base current shown and the
  // base voltage, Rb = (Vbb - the base-emitter drop) / Ib.
  const auto current = shownBaseCurrent(c[label::BaseCurrent]);
  if (!current)
    fail("base resistor without a base current in a unit", panel);
  const QString prefix = QStringLiteral("resistenza di base: ");
  const QString &resistor = c[label::BaseResistor];
  const qsizetype lineEnd = resistor.indexOf(crLf);
  if (!resistor.startsWith(prefix) || lineEnd < 0 ||
      !resistor.left(lineEnd).endsWith(QStringLiteral(" Ohm")) || !resistor.endsWith(u"K)"_s))
    fail("base resistor label", panel);
  const QString ohmsText = resistor.mid(prefix.size(), lineEnd - prefix.size() - 4);
  const auto ohms = ohmsText.isEmpty() ? std::optional<double>(0) : number(ohmsText);
  const QString kiloText = resistor.mid(lineEnd + 3, resistor.size() - lineEnd - 5);
  const auto kilo = number(kiloText);
  if (!ohms || !kilo || resistor[lineEnd + 2] != u'(')
    fail("base resistor label numbers", panel);
  // The kilo-ohms are the same resistor with two decimals.
  if (std::fabs(*kilo * 1000 - *ohms) > 5.5 + std::fabs(*ohms) * 1e-6)
    fail("ohms and kilo-ohms disagree", panel);

  int16_t vbb = 0;
  try {
    vbb = toInteger(panel.boxes[box::BaseVoltage]);
  } catch (const RuntimeError &) {
    fail("base resistor without a readable base voltage", panel);
  }
  // The shown current is rounded to 2 decimals of its unit, the ohms to a
  // whole number, and both went through single precision (7 significant
  // digits in the text): the relative tolerance adds those up. A current shown
  // as 0 or a resistor of 0 ohms carries no information to check.
  if (current->number == 0 || *ohms == 0)
    return;
  const double expected = (double(vbb) - BaseEmitterDrop) / *ohms;
  const double tolerance = 0.005 / std::fabs(current->number) + 0.5 / std::fabs(*ohms) + 2e-6;
  if (std::fabs(expected - current->amperes) > tolerance * std::fabs(current->amperes))
    fail("base resistor does not go with base voltage and base current", panel);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QList<QByteArray> lines =
      QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)).split('\n');

  Fixture b;
  FakePanel &panel = b.panel;
  qsizetype line = 0;
  for (int run = 0; run < MaxRuns && line < lines.size(); ++run) {
    const QByteArray control = lines[line++];
    for (std::size_t i = 0; i < panel.boxes.size() && line < lines.size(); ++i, ++line) {
      if (lines[line] != "=")
        panel.boxes[i] = QString::fromUtf8(lines[line]).left(MaxBoxLength);
    }

    if (control.size() > 0) {
      // A user's choice; an entry the selector does not hold changes nothing.
      const int choice = (uint8_t(control[0]) - '0' + 700) % 7;
      resumeNext([&] { panel.selectUnit(int16_t(choice == 6 ? -1 : choice)); });
    }
    if (control.size() > 1)
      panel.chooseMultiplier((uint8_t(control[1]) - '0' + 400) % 4);
    const bool enter = control.size() > 2 && (uint8_t(control[2]) - '0' + 200) % 2 == 1;

    QString chosen;
    for (int i = 0; i < 3; ++i)
      if (panel.multipliers[std::size_t(i)])
        chosen = QStringLiteral("x %1").arg(i * 2 + 1);

    const std::size_t firstMessage = panel.messages.size();
    try {
      // As the window does for Enter: the fill-in in skip-on-error mode, then
      // the calculation, which must catch everything itself.
      if (enter)
        resumeNext([&] { b.calc.fillInCollectorResistance(); });
      b.calc.calculate();
    } catch (const std::exception &e) {
      std::fprintf(stderr, "exception: %s\n", e.what());
      fail("an exception left the handler", panel);
    } catch (...) {
      fail("an unknown exception left the handler", panel);
    }
    checkRun(panel, firstMessage, chosen);
  }
  return 0;
}
