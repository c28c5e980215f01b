// The current units: the selector's handler, auto-ranging and unit suffixes.
#include "calc/calculator.h"
#include "calc/controls.h"
#include "calc/units.h"

#include "runtime/conversions.h"
#include "runtime/resume.h"

void Calculator::cboScala_Click() {
  resumeNext([&] { nScala = panel.selectedUnit(); });
}

// Re-expresses a current below 1 in a smaller unit so that it reads at least
// 1, moving nScala along. It never moves to a larger unit. The thresholds
// differ on purpose: x and t1 pass at 1, t2 only above 1.
float Calculator::AdattaScala(float x) {
  // Each scaled value is computed in double and rounded once to single.
  const auto t1 = [x] { return toSingle(double(x) * 1000.0); };
  const auto t2 = [x] { return toSingle(double(x) * 1000000.0); };

  switch (nScala) {
  case 0:
  case 1: {
    const int16_t k = nScala;
    if (x >= 1)
      return x;
    if (const float v = t1(); v >= 1) {
      nScala = int16_t(k + 1);
      return v;
    }
    if (const float v = t2(); v > 1) {
      nScala = int16_t(k + 2);
      if (k == 0)
        panel.selectUnit(nScala);
      return v;
    }
    panel.showMessage(QStringLiteral("Errore di scala"), MsgBoxStyle::Critical,
                      QString::fromUtf16(MessageTitle));
    return 0;
  }
  case 2: {
    if (x >= 1)
      return x;
    const float v1 = t1();
    if (v1 >= 1 || t2() > 1) {
      nScala = 3;
      return v1;
    }
    nScala = 4;
    return t2();
  }
  case 3: {
    if (x >= 1)
      return x;
    const float v1 = t1();
    if (v1 >= 1) {
      nScala = 4;
      return v1;
    }
    if (t2() > 1) {
      nScala = 5;
      return 0;
    }
    nScala = 4;
    return v1;
  }
  case 4:
    return x;
  default:
    return 0;
  }
}

QString Calculator::SimboloScala(int16_t unit) {
  const CurrentUnit &u = unitAt(unit);
  panel.setToolTip(label::BaseCurrent, QString::fromUtf16(u.name));
  return QString::fromUtf16(u.suffix);
}
