#pragma once

#include <QtGlobal>

#include <exception>

// Runs an event handler so that no exception can reach Qt's event loop. The
// handlers catch their own run-time errors; anything else is a fault,
// reported on the console, and the window stays usable.
template <class Handler> void guarded(const char *name, Handler &&handler) noexcept {
  try {
    handler();
  } catch (const std::exception &e) {
    qWarning("%s: %s", name, e.what());
  } catch (...) {
    qWarning("%s: unknown exception", name);
  }
}
