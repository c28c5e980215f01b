#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>

// A single-line input box whose maximum length limits only what the user
// types or pastes: text that the program writes is kept whole. (QLineEdit's
// own maxLength would cut it.) Each character typed is first offered to a
// key-press handler, which may pass it, replace it or discard it.
class InputBox : public QLineEdit {
  Q_OBJECT
public:
  InputBox(int16_t index, QWidget *parent = nullptr);

  void setMaximumLength(int length) { m_maximumLength = length; }

  // Writes text as the program does: whole, whatever its length.
  void setProgramText(const QString &text);

  // Receives the box's index and the typed character's code; setting the
  // code to 0 discards the key. Keys that produce no character (arrows,
  // Home, End, Delete, Tab, modifiers) never reach it. Characters that an
  // input method commits reach it one by one, like typed keys.
  std::function<void(int16_t index, int16_t &keyAscii)> keyPressHandler;

protected:
  void keyPressEvent(QKeyEvent *event) override;
  // Text that an input method commits is typed one character at a time
  // through keyPressEvent(), so each meets the key-press handler and the
  // maximum length as a key would.
  void inputMethodEvent(QInputMethodEvent *event) override;

private:
  friend class LengthLimit;
  int16_t m_index;
  int m_maximumLength = 32767;
  qsizetype m_lastLength = 0;
  bool m_writingByProgram = false;
};
