#include "ui/unitSelectorAccessibility.h"

#include "ui/unitComboBox.h"

#include <QAccessibleInterface>

#include <mutex>

namespace {

// Qt's own interface for the selector, with only the name taken from the
// widget's accessible name; everything else is asked of Qt's interface.
class NamedUnitSelector : public QAccessibleInterface {
public:
  explicit NamedUnitSelector(QAccessibleInterface *qtOwn)
      : m_qtOwn(qtOwn), m_qtOwnId(QAccessible::uniqueId(qtOwn)) {}
  // Qt's interface sits in Qt's cache of interfaces too, under an id of its
  // own that nothing hands out; it goes with the selector's.
  ~NamedUnitSelector() override { QAccessible::deleteAccessibleInterface(m_qtOwnId); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && isValid()) {
      const QString name = static_cast<QWidget *>(object())->accessibleName();
      if (!name.isEmpty())
        return name;
    }
    return m_qtOwn->text(t);
  }

  bool isValid() const override { return m_qtOwn->isValid(); }
  QObject *object() const override { return m_qtOwn->object(); }
  QWindow *window() const override { return m_qtOwn->window(); }
  QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
  relations(QAccessible::Relation match) const override {
    return m_qtOwn->relations(match);
  }
  QAccessibleInterface *focusChild() const override { return m_qtOwn->focusChild(); }
  QAccessibleInterface *childAt(int x, int y) const override { return m_qtOwn->childAt(x, y); }
  QAccessibleInterface *parent() const override { return m_qtOwn->parent(); }
  QAccessibleInterface *child(int index) const override { return m_qtOwn->child(index); }
  int childCount() const override { return m_qtOwn->childCount(); }
  int indexOfChild(const QAccessibleInterface *child) const override {
    return m_qtOwn->indexOfChild(child);
  }
  void setText(QAccessible::Text t, const QString &text) override { m_qtOwn->setText(t, text); }
  QRect rect() const override { return m_qtOwn->rect(); }
  QAccessible::Role role() const override { return m_qtOwn->role(); }
  QAccessible::State state() const override { return m_qtOwn->state(); }
  QColor foregroundColor() const override { return m_qtOwn->foregroundColor(); }
  QColor backgroundColor() const override { return m_qtOwn->backgroundColor(); }
  void *interface_cast(QAccessible::InterfaceType type) override {
    return m_qtOwn->interface_cast(type);
  }
  void virtual_hook(int id, void *data) override { m_qtOwn->virtual_hook(id, data); }

private:
  QAccessibleInterface *m_qtOwn;
  QAccessible::Id m_qtOwnId;
};

// Asked first for every class of an object, most derived first. For the
// selector it lets Qt make its own interface (this factory stays out of
// that inner query, so Qt's combo-box factory answers for QComboBox) and
// hands back that interface with the name on top.
QAccessibleInterface *factory(const QString &className, QObject *object) {
  static bool askingQt = false;
  if (askingQt || className != QLatin1String("UnitComboBox") || !object)
    return nullptr;
  askingQt = true;
  QAccessibleInterface *qtOwn = QAccessible::queryAccessibleInterface(object);
  askingQt = false;
  return qtOwn ? new NamedUnitSelector(qtOwn) : nullptr;
}

} // namespace

void installUnitSelectorAccessibility() {
  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(factory); });
}
