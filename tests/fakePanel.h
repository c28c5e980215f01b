#pragma once

#include "calc/calculator.h"
#include "calc/controls.h"
#include "calc/multipliers.h"
#include "calc/panel.h"
#include "calc/units.h"
#include "runtime/errors.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

// An in-memory window for the calculation: boxes, labels, the unit selector
// with its four entries, the multiplier options, the focus and a record of
// the message boxes asked for and of what a screen reader was to say. The boxes and options start as the window does.

class FakePanel : public Panel {
public:
  struct Message {
    QString prompt;
    MsgBoxStyle style;
    QString title;
  };

  std::array<QString, box::Count> boxes;
  std::array<QString, label::Count> captions{};
  std::array<QString, label::Count> toolTips{};
  QStringList units = selectorEntries();
  int16_t selected = StartUnit;
  std::array<bool, multiplierCount> multipliers{false, true, false};
  std::vector<Message> messages;
  QStringList announced;
  int16_t focused = -1;
  // Selecting a unit runs this calculator's selector handler, as the window does.
  Calculator *calculator = nullptr;
  // The operations, counted from 1; the one numbered failAt raises a
  // run-time error instead of doing anything (tests/tst_faults.cpp).
  mutable int operations = 0;
  int failAt = 0;
  mutable bool failed = false;

  FakePanel() { std::copy(std::begin(box::StartTexts), std::end(box::StartTexts), boxes.begin()); }

  QString boxText(int16_t i) const override { return step(), element(boxes, i); }
  void setBoxText(int16_t i, const QString &text) override { step(), element(boxes, i) = text; }
  void focusBox(int16_t i) override {
    step(), element(boxes, i);
    focused = i;
  }
  QString caption(int16_t i) const override { return step(), element(captions, i); }
  void setCaption(int16_t i, const QString &text) override { step(), element(captions, i) = text; }
  void setToolTip(int16_t i, const QString &text) override { step(), element(toolTips, i) = text; }
  int16_t selectedUnit() const override { return step(), selected; }
  void selectUnit(int16_t i) override {
    step();
    if (i < -1 || i >= units.size())
      raiseError(err::InvalidPropertyValue);
    selected = i;
    if (calculator)
      calculator->cboScala_Click();
  }
  bool multiplierChosen(int16_t i) const override { return step(), element(multipliers, i); }
  QString multiplierCaption(int16_t i) const override {
    step(), element(multipliers, i);
    return QString::fromLatin1(::multipliers[std::size_t(i)].caption);
  }
  void showMessage(const QString &prompt, MsgBoxStyle style, const QString &title) override {
    step(), messages.push_back({prompt, style, title});
  }
  void announce(const QString &text) override { step(), announced << text; }

  void chooseMultiplier(int i) { multipliers = {i == 0, i == 1, i == 2}; }
  QString lastPrompt() const { return messages.empty() ? QString() : messages.back().prompt; }

private:
  void step() const {
    if (++operations == failAt) {
      failed = true;
      raiseError(err::InvalidPropertyValue);
    }
  }
};

// A calculator on a fake panel, as the window has it after start-up.
template <class P> struct BasicFixture {
  P panel;
  Calculator calc{panel};
  BasicFixture() {
    panel.calculator = &calc;
    calc.nScala = StartUnit;
    panel.captions[9] = QStringLiteral("corrente di base:");
    panel.captions[10] = QStringLiteral("resistenza di base: ");
    panel.captions[12] = QStringLiteral(".");
    panel.captions[13] = QString::fromLatin1(PowerCaption);
  }
};
using Fixture = BasicFixture<FakePanel>;
