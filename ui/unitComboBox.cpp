#include "ui/unitComboBox.h"

#include "runtime/errors.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

UnitComboBox::UnitComboBox(QWidget *parent) : QComboBox(parent) {
  // The field alone: setEditable() would build the drop-down list at once,
  // before the first frame, which never shows it.
  setLineEdit(new QLineEdit(this));
  setInsertPolicy(QComboBox::NoInsert); // Enter in the field adds no entry
  setCompleter(nullptr);                // the field shows what was typed, nothing more
  connect(this, &QComboBox::editTextChanged, this, &UnitComboBox::followEditText);
}

void UnitComboBox::followEditText(const QString &text) {
  const auto index = int16_t(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
  if (index == m_listIndex)
    return;
  m_listIndex = index;
  m_reported = true;
  emit listIndexChanged();
}

void UnitComboBox::setListIndex(int16_t index) {
  if (index < -1 || index >= count())
    raiseError(err::InvalidPropertyValue);
  m_reported = false;
  // Only what changes is written: the field lays out its text again for
  // every write, even of the same text.
  const QString text = index < 0 ? QString() : itemText(index);
  if (index >= 0 && currentIndex() != index)
    setCurrentIndex(index);
  if (currentText() != text)
    setEditText(text);
  if (!m_reported) {
    m_listIndex = index;
    emit listIndexChanged();
  }
}

void UnitComboBox::appendEntry(const QString &text) {
  // QComboBox selects the first entry added to an empty list; the list keeps
  // its field as it was instead, and follows it if it now names an entry.
  const QString field = currentText();
  {
    const QSignalBlocker blocker(this);
    addItem(text);
    setEditText(field);
  }
  followEditText(field);
}

void UnitComboBox::setScreenReaderName(const QString &name) {
  setAccessibleName(name); // where Qt names a combo box after its own name
  lineEdit()->setAccessibleName(name);
  auto *caption = new QLabel(name, parentWidget());
  caption->setObjectName(objectName() + QStringLiteral(" caption"));
  caption->hide();
  caption->setBuddy(this);
}

void UnitComboBox::showPopup() {
  QComboBox::showPopup();
  QAbstractItemView *list = view();
  // Qt 6.4 opens the list on the entry last chosen from it, not on the one
  // typed into the field since.
  if (m_listIndex >= 0) {
    const QModelIndex selected = model()->index(m_listIndex, modelColumn(), rootModelIndex());
    if (list->currentIndex() != selected) {
      list->setCurrentIndex(selected); // with the list focused, Qt reports the entry
      return;
    }
  }
  // Qt reports the list as focused, and Qt 6.4 its entry before the list:
  // Orca 43 then says the list and not the entry. The entry is reported
  // once more, now that the list has the focus.
  const QModelIndex current = list->currentIndex();
  if (!QAccessible::isActive() || !current.isValid() || !list->hasFocus())
    return;
  QAccessibleInterface *listInterface = QAccessible::queryAccessibleInterface(list);
  QAccessibleTableInterface *table = listInterface ? listInterface->tableInterface() : nullptr;
  QAccessibleInterface *entry = table ? table->cellAt(current.row(), current.column()) : nullptr;
  if (!entry)
    return;
  QAccessibleEvent focus(list, QAccessible::Focus);
  focus.setChild(listInterface->indexOfChild(entry));
  QAccessible::updateAccessibility(&focus);
}
