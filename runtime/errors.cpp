#include "runtime/errors.h"

const char *RuntimeError::what() const noexcept {
  switch (m_number) {
  case err::Overflow:
    return "Overflow";
  case err::SubscriptOutOfRange:
    return "Subscript out of range";
  case err::DivisionByZero:
    return "Division by zero";
  case err::TypeMismatch:
    return "Type mismatch";
  case err::InvalidPropertyValue:
    return "Invalid property value";
  default:
    return "Run-time error";
  }
}

void raiseError(int number) { throw RuntimeError(number); }
