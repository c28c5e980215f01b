#include "ui/controlTable.h"

#include "calc/controls.h"
#include "calc/multipliers.h"
#include "identity.h"

#include <array>

namespace {

constexpr FontSpec sans12Bold{Face::MsSansSerif, 12, true};
// The most common font, the one the window hands down (controlTable.h).
constexpr FontSpec sans975Bold = ContainerFont;
constexpr FontSpec sans825Bold{Face::MsSansSerif, 8.25, true};
constexpr FontSpec sans975Underlined{Face::MsSansSerif, 9.75, false, true};
constexpr FontSpec arial1425{Face::Arial, 14.25, false};
constexpr FontSpec rounded2025{Face::ArialRoundedMtBold, 20.25, false};

constexpr auto centred = Qt::AlignHCenter | Qt::AlignTop;
constexpr auto top = Qt::AlignLeft | Qt::AlignTop;
const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor lightYellow(255, 255, 192);

// clang-format off
const std::array table = {
  ControlSpec{.name = "Frame1", .kind = Kind::Frame, .container = "frmBJT", .left = 240, .top = 120, .width = 8775, .height = 6735, .border = Border::Etched},
  ControlSpec{.name = "Label1", .kind = Kind::Label, .container = "Frame1", .left = 120, .top = 300, .width = 8535, .height = 375,
              .text = "Calcolo della resistenza di base di un BJT (Bipolar Junction Transistor)", .font = sans12Bold, .alignment = centred},
  ControlSpec{.name = "Shape3", .kind = Kind::Rectangle, .container = "Frame1", .left = 240, .top = 840, .width = 4095, .height = 1455},
  ControlSpec{.name = "Shape2", .kind = Kind::Rectangle, .container = "Frame1", .left = 240, .top = 2520, .width = 4095, .height = 2775},
  ControlSpec{.name = "lblBJT", .index = 0, .kind = Kind::Label, .container = "Frame1", .left = 360, .top = 1020, .width = 1335, .height = 495,
              .text = "  Tensione   di Collettore ", .font = sans975Bold, .alignment = centred},
  ControlSpec{.name = "txtBJT", .index = 0, .kind = Kind::TextBox, .container = "Frame1", .left = 600, .top = 1530, .width = 855, .height = 420,
              .font = sans12Bold, .alignment = Qt::AlignCenter, .border = Border::Sunken, .maxLength = 2, .labelledBy = "lblBJT(0)", .describedBy = "lblBJT(5)"},
  ControlSpec{.name = "lblBJT", .index = 5, .kind = Kind::Label, .container = "Frame1", .left = 1560, .top = 1620, .width = 495, .height = 255,
              .text = "Volt", .font = sans975Bold, .alignment = top},
  ControlSpec{.name = "lblBJT", .index = 1, .kind = Kind::Label, .container = "Frame1", .left = 2400, .top = 1020, .width = 1335, .height = 495,
              .text = " Resistenza di Collettore", .font = sans975Bold, .alignment = centred},
  ControlSpec{.name = "txtBJT", .index = 1, .kind = Kind::TextBox, .container = "Frame1", .left = 2520, .top = 1530, .width = 1095, .height = 420,
              .font = sans12Bold, .alignment = Qt::AlignCenter, .border = Border::Sunken, .maxLength = 6, .labelledBy = "lblBJT(1)", .describedBy = "lblBJT(6)"},
  ControlSpec{.name = "lblBJT", .index = 6, .kind = Kind::Label, .container = "Frame1", .left = 3720, .top = 1620, .width = 495, .height = 255,
              .text = "Ohm", .font = sans975Bold, .alignment = top},
  ControlSpec{.name = "lblBJT", .index = 2, .kind = Kind::Label, .container = "Frame1", .left = 240, .top = 2730, .width = 1455, .height = 495,
              .text = "Corrente di Collettore", .font = sans975Bold, .alignment = centred},
  ControlSpec{.name = "lblBJT", .index = 7, .kind = Kind::Label, .container = "Frame1", .left = 1680, .top = 3000, .width = 495, .height = 255,
              .text = "mA", .font = sans975Bold, .alignment = top, .hidden = true},
  ControlSpec{.name = "txtBJT", .index = 2, .kind = Kind::TextBox, .container = "Frame1", .left = 480, .top = 3240, .width = 975, .height = 420,
              .font = sans12Bold, .alignment = Qt::AlignCenter, .border = Border::Sunken, .maxLength = 6, .labelledBy = "lblBJT(2)"},
  ControlSpec{.name = "cboScala", .kind = Kind::ComboBox, .container = "Frame1", .left = 1560, .top = 3300, .width = 795, .height = 360,
              .font = sans975Bold, .foreground = red, .accessibleName = "Unit\u00E0 della Corrente di Collettore"},
  ControlSpec{.name = "lblBJT", .index = 3, .kind = Kind::Label, .container = "Frame1", .left = 2520, .top = 2880, .width = 1335, .height = 375,
              .text = "HFE / GAIN", .font = sans975Bold, .alignment = centred},
  ControlSpec{.name = "txtBJT", .index = 3, .kind = Kind::TextBox, .container = "Frame1", .left = 2760, .top = 3240, .width = 855, .height = 420,
              .text = box::StartTexts[box::Gain], .font = sans12Bold, .alignment = Qt::AlignCenter, .border = Border::Sunken, .maxLength = 3, .labelledBy = "lblBJT(3)"},
  ControlSpec{.name = "lblBJT", .index = 4, .kind = Kind::Label, .container = "Frame1", .left = 360, .top = 3930, .width = 1215, .height = 495,
              .text = " Tensione di BASE", .font = sans975Bold, .alignment = centred},
  ControlSpec{.name = "txtBJT", .index = 4, .kind = Kind::TextBox, .container = "Frame1", .left = 600, .top = 4440, .width = 855, .height = 420,
              .text = box::StartTexts[box::BaseVoltage], .font = sans12Bold, .alignment = Qt::AlignCenter, .border = Border::Sunken, .maxLength = 2, .labelledBy = "lblBJT(4)", .describedBy = "lblBJT(8)"},
  ControlSpec{.name = "lblBJT", .index = 8, .kind = Kind::Label, .container = "Frame1", .left = 1560, .top = 4560, .width = 495, .height = 255,
              .text = "Volt", .font = sans975Bold, .alignment = top},
  ControlSpec{.name = "optSatura", .index = 0, .kind = Kind::OptionButton, .container = "Frame1", .left = 2880, .top = 3960, .width = 735, .height = 375,
              .text = multipliers[0].caption, .font = sans975Bold, .toolTip = multipliers[0].toolTip},
  ControlSpec{.name = "optSatura", .index = 1, .kind = Kind::OptionButton, .container = "Frame1", .left = 2880, .top = 4320, .width = 735, .height = 375,
              .text = multipliers[1].caption, .font = sans975Bold, .toolTip = multipliers[1].toolTip, .chosen = true},
  ControlSpec{.name = "optSatura", .index = 2, .kind = Kind::OptionButton, .container = "Frame1", .left = 2880, .top = 4680, .width = 735, .height = 375,
              .text = multipliers[2].caption, .font = sans975Bold, .toolTip = multipliers[2].toolTip},
  ControlSpec{.name = "lblBJT", .index = 13, .kind = Kind::Label, .container = "Frame1", .left = 360, .top = 5520, .width = 2220, .height = 330,
              .text = PowerCaption, .font = arial1425, .alignment = top, .selectable = true},
  ControlSpec{.name = "cmdCalcola", .kind = Kind::CommandButton, .container = "Frame1", .left = 2520, .top = 5880, .width = 1695, .height = 495,
              .text = "calcola", .font = sans12Bold},
  ControlSpec{.name = "Label2", .kind = Kind::Label, .container = "Frame1", .left = 360, .top = 6120, .width = 1515, .height = 240,
              .text = identity::contactAddress, .font = sans975Underlined, .alignment = top, .sizeToText = true},
  ControlSpec{.name = "picPNP", .kind = Kind::PictureBox, .container = "Frame1", .left = 4560, .top = 840, .width = 2685, .height = 1935,
              .border = Border::Sunken, .picture = ":/pictures/pnp", .accessibleName = "Circuito PNP"},
  ControlSpec{.name = "picNPN", .kind = Kind::PictureBox, .container = "Frame1", .left = 4560, .top = 840, .width = 2685, .height = 1935,
              .border = Border::Sunken, .picture = ":/pictures/npn", .accessibleName = "Circuito NPN"},
  ControlSpec{.name = "fraOPT", .kind = Kind::Frame, .container = "Frame1", .left = 7440, .top = 840, .width = 975, .height = 855,
              .accessibleName = "Tipo di transistor"},
  ControlSpec{.name = "optBjt", .index = 0, .kind = Kind::OptionButton, .container = "fraOPT", .left = 120, .top = 120, .width = 800, .height = 300,
              .text = "NPN", .font = sans825Bold, .chosen = true},
  ControlSpec{.name = "optBjt", .index = 1, .kind = Kind::OptionButton, .container = "fraOPT", .left = 120, .top = 480, .width = 800, .height = 300,
              .text = "PNP", .font = sans825Bold},
  ControlSpec{.name = "Image2", .kind = Kind::Image, .container = "Frame1", .left = 7460, .top = 1740, .width = 1035, .height = 1035,
              .border = Border::Sunken, .picture = ":/pictures/transistor", .accessibleName = "Transistor"},
  ControlSpec{.name = "fraResDiBase", .kind = Kind::Frame, .container = "Frame1", .left = 4560, .top = 3000, .width = 3975, .height = 3375,
              .text = "Resistenza di base", .font = sans975Bold, .border = Border::Etched},
  ControlSpec{.name = "lblBJT", .index = 9, .kind = Kind::Label, .container = "fraResDiBase", .left = 120, .top = 360, .width = 3735, .height = 270,
              .text = "corrente di base:", .font = sans975Bold, .alignment = top, .foreground = blue, .selectable = true},
  ControlSpec{.name = "lblBJT", .index = 10, .kind = Kind::Label, .container = "fraResDiBase", .left = 120, .top = 720, .width = 3735, .height = 270,
              .text = "resistenza di base: ", .font = sans975Bold, .alignment = top, .foreground = red, .selectable = true},
  ControlSpec{.name = "picResistenza", .kind = Kind::PictureBox, .container = "fraResDiBase", .left = 120, .top = 1200, .width = 1800, .height = 750,
              .picture = ":/pictures/resistor", .accessibleName = "Resistenza"},
  ControlSpec{.name = "lblBJT", .index = 11, .kind = Kind::Label, .container = "fraResDiBase", .left = 1920, .top = 1320, .width = 1815, .height = 615,
              .font = rounded2025, .alignment = centred, .border = Border::Sunken, .toolTip = "Resistenza di base",
              .foreground = red, .background = lightYellow, .selectable = true},
  ControlSpec{.name = "lblBJT", .index = 12, .kind = Kind::Label, .container = "fraResDiBase", .left = 120, .top = 2160, .width = 3495, .height = 975,
              .text = ".", .font = arial1425, .alignment = top},
};

const auto tabs = std::to_array<const char *>({
    "txtBJT(0)", "txtBJT(1)",    "txtBJT(2)",    "cboScala",   "txtBJT(3)", "txtBJT(4)",
    "optSatura(0)", "optSatura(1)", "optSatura(2)", "cmdCalcola", "picNPN",    "picPNP",
    "picResistenza", "optBjt(0)",   "optBjt(1)",
});
// clang-format on

} // namespace

std::span<const ControlSpec> controlTable() { return table; }
std::span<const char *const> tabOrder() { return tabs; }
