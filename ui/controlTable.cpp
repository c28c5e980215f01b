#include "ui/controlTable.h"

#include "ui/captionLabel.h"
#include "ui/frmBJT.h"
#include "ui/inputBox.h"
#include "ui/outlineShape.h"
#include "ui/pictureBox.h"
#include "ui/unitComboBox.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <type_traits>

namespace {

template <class Widget> Widget *checked(QWidget *control) {
  auto *typed = qobject_cast<Widget *>(control);
  if (!typed)
    qFatal("control table: %s is no %s", qPrintable(control->objectName()),
           Widget::staticMetaObject.className());
  return typed;
}

// A row's member: into<&frmBJT::cboScala> for a single control,
// into<&frmBJT::txtBJT> for an element of a control array.
template <auto member> void into(frmBJT &window, QWidget *control, int index) {
  auto &slot = window.*member;
  using Slot = std::remove_reference_t<decltype(slot)>;
  if constexpr (std::is_pointer_v<Slot>) {
    slot = checked<std::remove_pointer_t<Slot>>(control);
  } else {
    if (index < 0 || std::size_t(index) >= slot.size())
      qFatal("control table: %s has no element %d", qPrintable(control->objectName()), index);
    slot[std::size_t(index)] = checked<std::remove_pointer_t<typename Slot::value_type>>(control);
  }
}

constexpr FontSpec sans12Bold{Face::MsSansSerif, 12, true};
constexpr FontSpec sans975Bold{Face::MsSansSerif, 9.75, true};
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
  ControlSpec{.name = "Frame1", .member = into<&frmBJT::Frame1>, .kind = Kind::Frame, .container = "frmBJT", .left = 240, .top = 120, .width = 8775, .height = 6735, .border = Border::Etched},
  ControlSpec{.name = "Label1", .member = into<&frmBJT::Label1>, .kind = Kind::Label, .container = "Frame1", .left = 120, .top = 300, .width = 8535, .height = 375,
              .text = "Calcolo della resistenza di base di un BJT (Bipolar Junction Transistor)", .font = sans12Bold, .alignment = centred},
  ControlSpec{.name = "Shape3", .member = into<&frmBJT::Shape3>, .kind = Kind::Rectangle, .container = "Frame1", .left = 240, .top = 840, .width = 4095, .height = 1455},
  ControlSpec{.name = "Shape2", .member = into<&frmBJT::Shape2>, .kind = Kind::Rectangle, .container = "Frame1", .left = 240, .top = 2520, .width = 4095, .height = 2775},
  ControlSpec{.name = "lblBJT", .index = 0, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "Frame1", .left = 360, .top = 1020, .width = 1335, .height = 495,
              .text = "  Tensione   di Collettore ", .font = sans975Bold, .alignment = centred},
  ControlSpec{.name = "txtBJT", .index = 0, .member = into<&frmBJT::txtBJT>, .kind = Kind::TextBox, .container = "Frame1", .left = 600, .top = 1530, .width = 855, .height = 420,
              .font = sans12Bold, .alignment = Qt::AlignCenter, .border = Border::Sunken, .maxLength = 2, .labelledBy = "lblBJT(0)", .describedBy = "lblBJT(5)"},
  ControlSpec{.name = "lblBJT", .index = 5, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "Frame1", .left = 1560, .top = 1620, .width = 495, .height = 255,
              .text = "Volt", .font = sans975Bold, .alignment = top},
  ControlSpec{.name = "lblBJT", .index = 1, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "Frame1", .left = 2400, .top = 1020, .width = 1335, .height = 495,
              .text = " Resistenza di Collettore", .font = sans975Bold, .alignment = centred},
  ControlSpec{.name = "txtBJT", .index = 1, .member = into<&frmBJT::txtBJT>, .kind = Kind::TextBox, .container = "Frame1", .left = 2520, .top = 1530, .width = 1095, .height = 420,
              .font = sans12Bold, .alignment = Qt::AlignCenter, .border = Border::Sunken, .maxLength = 6, .labelledBy = "lblBJT(1)", .describedBy = "lblBJT(6)"},
  ControlSpec{.name = "lblBJT", .index = 6, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "Frame1", .left = 3720, .top = 1620, .width = 495, .height = 255,
              .text = "Ohm", .font = sans975Bold, .alignment = top},
  ControlSpec{.name = "lblBJT", .index = 2, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "Frame1", .left = 240, .top = 2730, .width = 1455, .height = 495,
              .text = "Corrente di Collettore", .font = sans975Bold, .alignment = centred},
  ControlSpec{.name = "lblBJT", .index = 7, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "Frame1", .left = 1680, .top = 3000, .width = 495, .height = 255,
              .text = "mA", .font = sans975Bold, .alignment = top, .hidden = true},
  ControlSpec{.name = "txtBJT", .index = 2, .member = into<&frmBJT::txtBJT>, .kind = Kind::TextBox, .container = "Frame1", .left = 480, .top = 3240, .width = 975, .height = 420,
              .font = sans12Bold, .alignment = Qt::AlignCenter, .border = Border::Sunken, .maxLength = 6, .labelledBy = "lblBJT(2)"},
  ControlSpec{.name = "cboScala", .member = into<&frmBJT::cboScala>, .kind = Kind::ComboBox, .container = "Frame1", .left = 1560, .top = 3300, .width = 795, .height = 360,
              .font = sans975Bold, .foreground = red, .accessibleName = "Unit\u00E0 della Corrente di Collettore"},
  ControlSpec{.name = "lblBJT", .index = 3, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "Frame1", .left = 2520, .top = 2880, .width = 1335, .height = 375,
              .text = "HFE / GAIN", .font = sans975Bold, .alignment = centred},
  ControlSpec{.name = "txtBJT", .index = 3, .member = into<&frmBJT::txtBJT>, .kind = Kind::TextBox, .container = "Frame1", .left = 2760, .top = 3240, .width = 855, .height = 420,
              .text = "160", .font = sans12Bold, .alignment = Qt::AlignCenter, .border = Border::Sunken, .maxLength = 3, .labelledBy = "lblBJT(3)"},
  ControlSpec{.name = "lblBJT", .index = 4, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "Frame1", .left = 360, .top = 3930, .width = 1215, .height = 495,
              .text = " Tensione di BASE", .font = sans975Bold, .alignment = centred},
  ControlSpec{.name = "txtBJT", .index = 4, .member = into<&frmBJT::txtBJT>, .kind = Kind::TextBox, .container = "Frame1", .left = 600, .top = 4440, .width = 855, .height = 420,
              .text = "5", .font = sans12Bold, .alignment = Qt::AlignCenter, .border = Border::Sunken, .maxLength = 2, .labelledBy = "lblBJT(4)", .describedBy = "lblBJT(8)"},
  ControlSpec{.name = "lblBJT", .index = 8, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "Frame1", .left = 1560, .top = 4560, .width = 495, .height = 255,
              .text = "Volt", .font = sans975Bold, .alignment = top},
  ControlSpec{.name = "optSatura", .index = 0, .member = into<&frmBJT::optSatura>, .kind = Kind::OptionButton, .container = "Frame1", .left = 2880, .top = 3960, .width = 735, .height = 375,
              .text = "x 1", .font = sans975Bold, .toolTip = "Valore di Ib x 1"},
  ControlSpec{.name = "optSatura", .index = 1, .member = into<&frmBJT::optSatura>, .kind = Kind::OptionButton, .container = "Frame1", .left = 2880, .top = 4320, .width = 735, .height = 375,
              .text = "x 3", .font = sans975Bold, .toolTip = "Moltiplicatore di valore di Ib x 3", .chosen = true},
  ControlSpec{.name = "optSatura", .index = 2, .member = into<&frmBJT::optSatura>, .kind = Kind::OptionButton, .container = "Frame1", .left = 2880, .top = 4680, .width = 735, .height = 375,
              .text = "x 5", .font = sans975Bold, .toolTip = "Moltiplicatore di Ib x 5"},
  ControlSpec{.name = "lblBJT", .index = 13, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "Frame1", .left = 360, .top = 5520, .width = 2220, .height = 330,
              .text = "Watt:", .font = arial1425, .alignment = top, .selectable = true},
  ControlSpec{.name = "cmdCalcola", .member = into<&frmBJT::cmdCalcola>, .kind = Kind::CommandButton, .container = "Frame1", .left = 2520, .top = 5880, .width = 1695, .height = 495,
              .text = "calcola", .font = sans12Bold},
  ControlSpec{.name = "Label2", .member = into<&frmBJT::Label2>, .kind = Kind::Label, .container = "Frame1", .left = 360, .top = 6120, .width = 1515, .height = 240,
              .text = "bjt-calc@example.org", .font = sans975Underlined, .alignment = top, .sizeToText = true},
  ControlSpec{.name = "picPNP", .member = into<&frmBJT::picPNP>, .kind = Kind::PictureBox, .container = "Frame1", .left = 4560, .top = 840, .width = 2685, .height = 1935,
              .border = Border::Sunken, .picture = ":/pictures/pnp", .accessibleName = "Circuito PNP"},
  ControlSpec{.name = "picNPN", .member = into<&frmBJT::picNPN>, .kind = Kind::PictureBox, .container = "Frame1", .left = 4560, .top = 840, .width = 2685, .height = 1935,
              .border = Border::Sunken, .picture = ":/pictures/npn", .accessibleName = "Circuito NPN"},
  ControlSpec{.name = "fraOPT", .member = into<&frmBJT::fraOPT>, .kind = Kind::Frame, .container = "Frame1", .left = 7440, .top = 840, .width = 975, .height = 855,
              .accessibleName = "Tipo di transistor"},
  ControlSpec{.name = "optBjt", .index = 0, .member = into<&frmBJT::optBjt>, .kind = Kind::OptionButton, .container = "fraOPT", .left = 120, .top = 120, .width = 800, .height = 300,
              .text = "NPN", .font = sans825Bold, .chosen = true},
  ControlSpec{.name = "optBjt", .index = 1, .member = into<&frmBJT::optBjt>, .kind = Kind::OptionButton, .container = "fraOPT", .left = 120, .top = 480, .width = 800, .height = 300,
              .text = "PNP", .font = sans825Bold},
  ControlSpec{.name = "Image2", .member = into<&frmBJT::Image2>, .kind = Kind::Image, .container = "Frame1", .left = 7460, .top = 1740, .width = 1035, .height = 1035,
              .border = Border::Sunken, .picture = ":/pictures/transistor", .accessibleName = "Transistor"},
  ControlSpec{.name = "fraResDiBase", .member = into<&frmBJT::fraResDiBase>, .kind = Kind::Frame, .container = "Frame1", .left = 4560, .top = 3000, .width = 3975, .height = 3375,
              .text = "Resistenza di base", .font = sans975Bold, .border = Border::Etched},
  ControlSpec{.name = "lblBJT", .index = 9, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "fraResDiBase", .left = 120, .top = 360, .width = 3735, .height = 270,
              .text = "corrente di base:", .font = sans975Bold, .alignment = top, .foreground = blue, .selectable = true},
  ControlSpec{.name = "lblBJT", .index = 10, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "fraResDiBase", .left = 120, .top = 720, .width = 3735, .height = 270,
              .text = "resistenza di base: ", .font = sans975Bold, .alignment = top, .foreground = red, .selectable = true},
  ControlSpec{.name = "picResistenza", .member = into<&frmBJT::picResistenza>, .kind = Kind::PictureBox, .container = "fraResDiBase", .left = 120, .top = 1200, .width = 1800, .height = 750,
              .picture = ":/pictures/resistor", .accessibleName = "Resistenza"},
  ControlSpec{.name = "lblBJT", .index = 11, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "fraResDiBase", .left = 1920, .top = 1320, .width = 1815, .height = 615,
              .font = rounded2025, .alignment = centred, .border = Border::Sunken, .toolTip = "Resistenza di base",
              .foreground = red, .background = lightYellow, .selectable = true},
  ControlSpec{.name = "lblBJT", .index = 12, .member = into<&frmBJT::lblBJT>, .kind = Kind::Label, .container = "fraResDiBase", .left = 120, .top = 2160, .width = 3495, .height = 975,
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
