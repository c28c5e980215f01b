#pragma once

#include "ui/frmBJT.h"

#include <QStringList>

#include <memory>

// The window as a user meets it: made with its start-up and shown, with the
// prompts of the message boxes it asks for recorded instead of shown, so no
// modal box ever waits for a click.
inline std::unique_ptr<frmBJT> showWindowRecordingPrompts(QStringList &prompts) {
  auto window = std::make_unique<frmBJT>();
  prompts.clear();
  window->setMessageHandler(
      [&prompts](const QString &prompt, MsgBoxStyle, const QString &) { prompts << prompt; });
  window->show();
  return window;
}
