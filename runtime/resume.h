#pragma once

#include "runtime/errors.h"

#include <utility>

// Skip-on-error mode: a handler in this mode runs its statements one by one
// through this helper. A statement that raises a run-time error is abandoned
// where it failed (whatever it stored so far stays stored) and the handler
// goes on with its next statement. Only run-time errors are swallowed.
// Returns whether the statement ran to its end.
template <class Statement> bool resumeNext(Statement &&statement) {
  try {
    std::forward<Statement>(statement)();
    return true;
  } catch (const RuntimeError &) {
    return false;
  }
}
