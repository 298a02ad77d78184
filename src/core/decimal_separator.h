#pragma once

namespace tavro {

// The character that separates the whole part of a number from its fraction,
// as the user's regional settings want it: a comma for Bulgarian, a full stop
// for English. Numbers are read and written with it everywhere.
struct DecimalSeparator {
  char symbol = '.';

  static constexpr DecimalSeparator FullStop() { return {'.'}; }
  static constexpr DecimalSeparator Comma() { return {','}; }

  friend constexpr bool operator==(DecimalSeparator, DecimalSeparator) = default;
};

}  // namespace tavro
