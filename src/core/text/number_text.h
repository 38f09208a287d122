#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tsp {

// The value of the longest leading part of the text that forms a number. Blanks, tabs and
// line feeds are skipped wherever they stand in that part; it may hold a sign, digits with at
// most one decimal point and an exponent (E, either case, with optional sign and digits), or
// be a hexadecimal (&H) or octal (&O) integer. A text without a leading number is 0. A value
// too large for a double is infinite. The decimal point is '.' in every locale.
double NumericValue(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour; empty when the result does not
// fit a 16-bit signed integer (or the value is not finite).
std::optional<std::int16_t> ToInt16(double value);

// A complete decimal number with optional sign, surrounding blanks and fraction, rounded as
// ToInt16; empty for any other text or a value out of range.
std::optional<std::int16_t> WholeNumber(std::string_view text);

// Plain decimal text without blanks ("7", "-1").
std::string IntText(std::int16_t value);

// 16-bit addition that never wraps: throws std::overflow_error instead.
std::int16_t Add16(std::int16_t a, std::int16_t b);

}  // namespace tsp
