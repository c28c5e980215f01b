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
  // On-screen keyboards offer their number layout, without word suggestions.
  setInputMethodHints(Qt::ImhFormattedNumbersOnly | Qt::ImhNoPredictiveText);
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

namespace {
// The key that types a committed character: Enter and Backspace by their
// keys, so that the box treats them as it treats the keys; any other
// character as text alone.
int keyOf(QChar c) {
  if (c == u'\r')
    return Qt::Key_Return;
  if (c == u'\b')
    return Qt::Key_Backspace;
  return 0;
}
} // namespace

// Composition in progress (preedit) is not shown in the box: it may hold
// anything, and only what the input method commits is typed, through the
// key-press handler. The input method's own window shows the composition.
void InputBox::inputMethodEvent(QInputMethodEvent *event) {
  event->accept();
  if (event->replacementLength() > 0) {
    // The input method replaces text around the cursor: what it removes goes
    // as Delete would remove it; what it puts in its place is typed below.
    QInputMethodEvent removal;
    removal.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&removal);
  }
  const QString committed = event->commitString();
  for (const QChar c : committed) {
    QKeyEvent typed(QEvent::KeyPress, keyOf(c), Qt::NoModifier, QString(c));
    keyPressEvent(&typed);
  }
}
