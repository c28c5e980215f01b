#include "ui/inputBox.h"

#include <QKeyEvent>
#include <QValidator>

// Refuses an edit that makes the text longer than the box's maximum length.
// An edit that shortens an over-long text written by the program is fine.
class LengthLimit : public QValidator {
public:
  explicit LengthLimit(InputBox *box) : QValidator(box), m_box(box) {}

  State validate(QString &input, int &) const override {
    if (m_box->m_writingByProgram)
      return Acceptable;
    const bool longer = input.size() > m_box->m_lastLength;
    return longer && input.size() > m_box->m_maximumLength ? Invalid : Acceptable;
  }

private:
  InputBox *m_box;
};

InputBox::InputBox(int16_t index, QWidget *parent) : QLineEdit(parent), m_index(index) {
  setValidator(new LengthLimit(this));
  // Numbers need no input method, and one would commit text past the key filter.
  setAttribute(Qt::WA_InputMethodEnabled, false);
  connect(this, &QLineEdit::textChanged, this,
          [this](const QString &text) { m_lastLength = text.size(); });
}

void InputBox::setProgramText(const QString &text) {
  m_writingByProgram = true;
  setText(text);
  m_writingByProgram = false;
  m_lastLength = text.size();
}

namespace {
// The character code that a key press types, or 0 when it types none. A key
// that types something beyond the 16-bit codes, or several characters at
// once, gets -1: a code that no filter lets pass.
int16_t typedCode(const QKeyEvent *event) {
  const QString text = event->text();
  if (text.isEmpty() || event->key() == Qt::Key_Delete)
    return 0;
  const char16_t c = text.front().unicode();
  return text.size() != 1 || c > 0x7fff ? int16_t(-1) : int16_t(c);
}
} // namespace

void InputBox::keyPressEvent(QKeyEvent *event) {
  const int16_t typed = typedCode(event);
  if (typed == 0 || !keyPressHandler) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  int16_t code = typed;
  keyPressHandler(m_index, code);
  if (code == 0) {
    event->accept();
    return;
  }
  if (code == typed) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  // The handler replaced the character: the box takes the replacement.
  QKeyEvent replaced(QEvent::KeyPress, 0, event->modifiers(), QString(QChar(char16_t(code))));
  QLineEdit::keyPressEvent(&replaced);
}
