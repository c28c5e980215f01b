#include "ui/accessibleUnitSelector.h"

#include "ui/unitComboBox.h"

#include <QAccessibleWidget>

#include <mutex>

namespace {

class AccessibleUnitSelector : public QAccessibleWidget {
public:
  explicit AccessibleUnitSelector(UnitComboBox *selector)
      : QAccessibleWidget(selector, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    const auto *selector = static_cast<const UnitComboBox *>(widget());
    switch (t) {
    case QAccessible::Name:
      return selector->accessibleName();
    case QAccessible::Value:
      return selector->currentText();
    default:
      return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = true;
    s.expandable = true;
    return s;
  }
};

QAccessibleInterface *factory(const QString &className, QObject *object) {
  if (className == QLatin1String("UnitComboBox") && object && object->isWidgetType())
    return new AccessibleUnitSelector(static_cast<UnitComboBox *>(object));
  return nullptr;
}

} // namespace

void installUnitSelectorAccessibility() {
  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(factory); });
}
