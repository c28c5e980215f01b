#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>

// The options of the base current's multiplier (optSatura), in index order:
// how many times the bare minimum base current to give, the option's caption
// and its tooltip.
struct Multiplier {
  int16_t factor;
  const char *caption;
  const char *toolTip;
};

inline constexpr Multiplier multipliers[] = {
    {1, "x 1", "Valore di Ib x 1"},
    {3, "x 3", "Moltiplicatore di valore di Ib x 3"},
    {5, "x 5", "Moltiplicatore di Ib x 5"},
};
inline constexpr int16_t multiplierCount = int16_t(std::size(multipliers));

// The caption is "x N" and the tooltip ends in it, N the option's factor.
constexpr bool textsNameTheirFactors() {
  for (const Multiplier &m : multipliers) {
    if (m.factor < 1 || m.factor > 9)
      return false;
    const char text[] = {' ', 'x', ' ', char('0' + m.factor)};
    const std::string_view caption(text + 1, 3);
    if (std::string_view(m.caption) != caption ||
        !std::string_view(m.toolTip).ends_with(std::string_view(text, 4)))
      return false;
  }
  return true;
}
static_assert(textsNameTheirFactors());
