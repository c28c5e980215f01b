#include "ui/controlFactory.h"

#include "ui/captionLabel.h"
#include "ui/inputBox.h"
#include "ui/pictureBox.h"
#include "ui/twips.h"
#include "ui/unitComboBox.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

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

QWidget *createFrame(const ControlSpec &spec, QWidget *container) {
  if (spec.border == Border::None)
    return new QFrame(container);
  auto *frame = new QGroupBox(QString::fromUtf8(spec.text), container);
  return frame;
}

QWidget *createLabel(const ControlSpec &spec, QWidget *container) {
  auto *label = new CaptionLabel(container);
  label->setCaption(QString::fromUtf8(spec.text));
  label->setAlignment(spec.alignment);
  if (spec.border == Border::Sunken) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(2);
  }
  return label;
}

QWidget *createRectangle(QWidget *container) {
  // An outline drawn on the container, beneath and transparent to the
  // controls it surrounds.
  auto *shape = new QFrame(container);
  shape->setFrameStyle(QFrame::Box | QFrame::Plain);
  shape->setLineWidth(1);
  shape->setAttribute(Qt::WA_TransparentForMouseEvents);
  shape->setFocusPolicy(Qt::NoFocus);
  return shape;
}

QWidget *createTextBox(const ControlSpec &spec, QWidget *container) {
  auto *box = new InputBox(int16_t(spec.index), container);
  box->setAlignment(spec.alignment);
  box->setMaximumLength(spec.maxLength);
  box->setProgramText(QString::fromUtf8(spec.text));
  return box;
}

QWidget *createPicture(const ControlSpec &spec, QWidget *container) {
  auto *picture = new PictureBox(QString::fromUtf8(spec.picture), container);
  if (spec.border == Border::Sunken) {
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
  }
  // Picture boxes take part in the tab order; an image does not.
  picture->setFocusPolicy(spec.kind == Kind::PictureBox ? Qt::TabFocus : Qt::NoFocus);
  return picture;
}

QWidget *createWidget(const ControlSpec &spec, QWidget *container) {
  switch (spec.kind) {
  case Kind::Frame:
    return createFrame(spec, container);
  case Kind::Label:
    return createLabel(spec, container);
  case Kind::Rectangle:
    return createRectangle(container);
  case Kind::TextBox:
    return createTextBox(spec, container);
  case Kind::ComboBox:
    return new UnitComboBox(container);
  case Kind::OptionButton: {
    auto *option = new QRadioButton(QString::fromUtf8(spec.text), container);
    option->setChecked(spec.chosen);
    return option;
  }
  case Kind::CommandButton: {
    auto *button = new QPushButton(QString::fromUtf8(spec.text), container);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
  }
  case Kind::PictureBox:
  case Kind::Image:
    return createPicture(spec, container);
  }
  return nullptr;
}

} // namespace

QString controlName(const ControlSpec &spec) {
  const QString name = QString::fromUtf8(spec.name);
  return spec.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(spec.index);
}

QWidget *createControl(const ControlSpec &spec, QWidget *container) {
  QWidget *widget = createWidget(spec, container);
  widget->setObjectName(controlName(spec));
  widget->setGeometry(twipsToPixels(spec.left, spec.top, spec.width, spec.height));
  if (spec.font.face != Face::Default)
    widget->setFont(fontFor(spec.font));
  if (spec.foreground)
    setForeground(widget, *spec.foreground);
  if (spec.background)
    setBackground(widget, *spec.background);
  if (*spec.toolTip)
    widget->setToolTip(QString::fromUtf8(spec.toolTip));
  if (*spec.accessibleName)
    widget->setAccessibleName(QString::fromUtf8(spec.accessibleName));
  if (spec.sizeToText) {
    auto *label = static_cast<QLabel *>(widget);
    label->setWordWrap(false);
    label->adjustSize();
  }
  if (spec.hidden)
    widget->hide();
  return widget;
}
