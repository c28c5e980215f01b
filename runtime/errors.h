#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <iterator>

// A failed number or control operation raises one of these numbered run-time
// errors. It is the only exception the program throws on purpose.
namespace err {
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int InvalidPropertyValue = 380;
} // namespace err

class RuntimeError : public std::exception {
public:
  explicit RuntimeError(int number) noexcept : m_number(number) {}
  int number() const noexcept { return m_number; }
  const char *what() const noexcept override;

private:
  int m_number;
};

[[noreturn]] void raiseError(int number);

// The element of an array at a 16-bit index, as the window's control arrays
// are reached; an index outside the array raises err::SubscriptOutOfRange.
template <class Array> decltype(auto) element(Array &array, int16_t index) {
  if (index < 0 || std::size_t(index) >= std::size(array))
    raiseError(err::SubscriptOutOfRange);
  return array[std::size_t(index)];
}
