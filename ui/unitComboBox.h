#pragma once

#include <QComboBox>

#include <cstdint>

// The unit selector: a drop-down list with an editable text field. Its
// selected entry is the one whose text equals the field's text exactly, or -1
// when none does; every change of the selection, by the user or by the
// program, is reported with listIndexChanged().
class UnitComboBox : public QComboBox {
  Q_OBJECT
public:
  explicit UnitComboBox(QWidget *parent = nullptr);

  int16_t listIndex() const { return m_listIndex; }
  // Selects an entry (-1: none) and reports it, also when it was selected
  // already. An index the list does not hold raises err::InvalidPropertyValue
  // and changes nothing.
  void setListIndex(int16_t index);
  // Appends an entry without selecting it.
  void appendEntry(const QString &text);

  // The name screen readers give the selector. On Linux Qt names a combo box
  // after its text and leaves its name to the label that has it as buddy, so
  // the name is the text of a caption of its own, never shown, and of the
  // text field, which has the focus once the selector has it.
  void setScreenReaderName(const QString &name);

  // Opens the drop-down list on the selected entry, the one the field names,
  // and tells screen readers that this entry has the focus.
  void showPopup() override;

signals:
  void listIndexChanged();

private:
  void followEditText(const QString &text);

  int16_t m_listIndex = -1;
  bool m_reported = false;
};
