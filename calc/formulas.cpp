// The formula panel: how the calculation gets from the boxes to the results.
#include "calc/calculator.h"
#include "calc/controls.h"
#include "calc/multipliers.h"
#include "calc/transistor.h"

#include "runtime/conversions.h"

// Written in three appending steps, the first replacing the panel, so the
// result depends only on the chosen multiplier and the base-voltage text,
// which is shown exactly as typed.
void Calculator::MostraFormule() {
  QString chosen;
  for (int16_t i = 0; i < multiplierCount; ++i)
    if (panel.multiplierChosen(i))
      chosen = panel.multiplierCaption(i);

  const QString crLf = QString::fromUtf16(CrLf);
  panel.setCaption(label::Formulas, QStringLiteral("Ic= Vc / Rc") + crLf);
  panel.setCaption(label::Formulas, panel.caption(label::Formulas) +
                                        QStringLiteral("Ib= (Ic / Hfe) ") + chosen + crLf);
  panel.setCaption(label::Formulas, panel.caption(label::Formulas) + QStringLiteral("Rb= (") +
                                        panel.boxText(box::BaseVoltage) + QStringLiteral("V-") +
                                        textOf(BaseEmitterDrop) + QStringLiteral("V) / Ib"));
}
