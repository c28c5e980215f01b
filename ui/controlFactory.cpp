#include "ui/controlFactory.h"

#include "ui/borderlessFrame.h"
#include "ui/commandButton.h"
#include "ui/inputBox.h"
#include "ui/lineBreakLabel.h"
#include "ui/optionButton.h"
#include "ui/outlineShape.h"
#include "ui/pictureBox.h"
#include "ui/twips.h"
#include "ui/unitComboBox.h"

#include <QGroupBox>

namespace {

void setForeground(QWidget *widget, const QColor &color) {
  QPalette palette = widget->palette();
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(role, color);
  widget->setPalette(palette);
}

void setBackground(QWidget *widget, const QColor &color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QWidget *createFrame(const ControlSpec &row, QWidget *container) {
  if (row.border == Border::None)
    return new BorderlessFrame(container);
  return new QGroupBox(QString::fromUtf8(row.text), container);
}

QWidget *createLabel(const ControlSpec &row, QWidget *container) {
  auto *label = new LineBreakLabel(container);
  label->setCaption(QString::fromUtf8(row.text));
  label->setAlignment(row.alignment);
  if (row.border == Border::Sunken) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(SunkenBorderPixels);
  }
  // Selected with the mouse and copied with its context menu or Ctrl+C.
  if (row.selectable)
    label->setSelectable();
  return label;
}

QWidget *createTextBox(const ControlSpec &row, QWidget *container) {
  auto *box = new InputBox(int16_t(row.index), container);
  box->setAlignment(row.alignment);
  box->setMaximumLength(row.maxLength);
  box->setProgramText(QString::fromUtf8(row.text));
  return box;
}

QWidget *createPicture(const ControlSpec &row, QWidget *container) {
  auto *picture = new PictureBox(QString::fromUtf8(row.picture), container);
  if (row.border == Border::Sunken) {
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(SunkenBorderPixels);
  }
  // Picture boxes take part in the tab order; an image does not.
  picture->setFocusPolicy(row.kind == Kind::PictureBox ? Qt::TabFocus : Qt::NoFocus);
  return picture;
}

QWidget *createWidget(const ControlSpec &row, QWidget *container) {
  switch (row.kind) {
  case Kind::Frame:
    return createFrame(row, container);
  case Kind::Label:
    return createLabel(row, container);
  case Kind::Rectangle:
    return new OutlineShape(container);
  case Kind::TextBox:
    return createTextBox(row, container);
  case Kind::ComboBox:
    return new UnitComboBox(container);
  case Kind::OptionButton: {
    auto *option = new OptionButton(QString::fromUtf8(row.text), container);
    option->setChecked(row.chosen);
    return option;
  }
  case Kind::CommandButton:
    return new CommandButton(QString::fromUtf8(row.text), container);
  case Kind::PictureBox:
  case Kind::Image:
    return createPicture(row, container);
  }
  return nullptr;
}

// Creates the Qt widget of a control table row inside its container, with
// its geometry, texts, font, colours and other properties.
QWidget *createControl(const ControlSpec &row, QWidget *container) {
  QWidget *widget = createWidget(row, container);
  widget->setObjectName(controlName(row));
  widget->setGeometry(twipsToPixels(row.left, row.top, row.width, row.height));
  // A control in its container's font inherits it rather than setting it
  // anew: setting a font, even the same one, is a font change, which a combo
  // box answers by building its drop-down list long before it first opens.
  if (row.font.face != Face::Default && fontFor(row.font) != container->font())
    widget->setFont(fontFor(row.font));
  if (row.foreground)
    setForeground(widget, *row.foreground);
  if (row.background)
    setBackground(widget, *row.background);
  if (*row.toolTip)
    widget->setToolTip(QString::fromUtf8(row.toolTip));
  if (auto *selector = qobject_cast<UnitComboBox *>(widget); selector && *row.accessibleName)
    selector->setScreenReaderName(QString::fromUtf8(row.accessibleName));
  else if (*row.accessibleName)
    widget->setAccessibleName(QString::fromUtf8(row.accessibleName));
  if (auto *label = qobject_cast<QLabel *>(widget); label && row.sizeToText) {
    label->setWordWrap(false);
    label->adjustSize();
  }
  if (row.hidden)
    widget->hide();
  return widget;
}

} // namespace

QString controlName(const char *name, int index) {
  const QString text = QString::fromUtf8(name);
  return index < 0 ? text : QStringLiteral("%1(%2)").arg(text).arg(index);
}

ControlsByName createControls(std::span<const ControlSpec> rows, QWidget *window) {
  ControlsByName byName{{window->objectName(), window}};
  for (const ControlSpec &row : rows) {
    QWidget *container = byName.value(QString::fromUtf8(row.container));
    if (!container)
      qFatal("control table: %s comes before its container %s", qPrintable(controlName(row)),
             row.container);
    byName.insert(controlName(row), createControl(row, container));
  }

  // A screen reader names an input box after its caption.
  for (const ControlSpec &row : rows) {
    if (!*row.labelledBy)
      continue;
    auto *caption = qobject_cast<LineBreakLabel *>(byName.value(QString::fromUtf8(row.labelledBy)));
    if (!caption)
      qFatal("control table: %s has no caption %s", qPrintable(controlName(row)), row.labelledBy);
    QWidget *control = byName.value(controlName(row));
    caption->setBuddy(control);
    control->setAccessibleName(caption->caption().simplified());
  }

  // A box's unit, from the label beside it, is its description.
  for (const ControlSpec &row : rows) {
    if (!*row.describedBy)
      continue;
    auto *unit = qobject_cast<LineBreakLabel *>(byName.value(QString::fromUtf8(row.describedBy)));
    if (!unit)
      qFatal("control table: %s has no unit label %s", qPrintable(controlName(row)),
             row.describedBy);
    byName.value(controlName(row))->setAccessibleDescription(unit->caption());
  }
  return byName;
}
