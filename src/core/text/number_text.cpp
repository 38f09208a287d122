#include "core/text/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace tsp {
namespace {

bool IsBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n';
}
bool IsDigit(char ch) {
  return ch >= '0' && ch <= '9';
}

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  // The next character that is not a blank, without taking it; '\0' at the end.
  char Peek() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Take() { ++pos_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

double ReadRadixInteger(Reader& in, int radix) {
  double value = 0;
  for (;;) {
    const char ch = in.Peek();
    int digit = -1;
    if (IsDigit(ch)) {
      digit = ch - '0';
    } else if (radix == 16 && ch >= 'a' && ch <= 'f') {
      digit = ch - 'a' + 10;
    } else if (radix == 16 && ch >= 'A' && ch <= 'F') {
      digit = ch - 'A' + 10;
    }
    if (digit < 0 || digit >= radix) return value;
    value = value * radix + digit;
    in.Take();
  }
}

// Value of a decimal number given as its digits (no point), the position of the decimal point
// among them and a power of ten.
double DecimalValue(const std::string& digits, long pointPosition, long exponent, bool negative) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return negative ? -0.0 : 0.0;
  // Scientific form d.ddddE(x) keeps from_chars away from huge digit strings.
  const long magnitude = pointPosition - static_cast<long>(first) - 1 + exponent;
  std::string text;
  if (negative) text.push_back('-');
  text.push_back(digits[first]);
  text.push_back('.');
  text.append(digits, first + 1, 40);
  text.push_back('e');
  text.append(std::to_string(magnitude));
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    const double huge = std::numeric_limits<double>::infinity();
    return magnitude > 0 ? (negative ? -huge : huge) : (negative ? -0.0 : 0.0);
  }
  return value;
}

}  // namespace

double NumericValue(std::string_view text) {
  Reader in(text);
  if (in.Peek() == '&') {
    in.Take();
    const char kind = in.Peek();
    if (kind == 'h' || kind == 'H') {
      in.Take();
      return ReadRadixInteger(in, 16);
    }
    if (kind == 'o' || kind == 'O') {
      in.Take();
      return ReadRadixInteger(in, 8);
    }
    return 0;
  }

  bool negative = false;
  if (in.Peek() == '+' || in.Peek() == '-') {
    negative = in.Peek() == '-';
    in.Take();
  }
  // Only the first digits decide the value; later integer digits still count as powers of ten.
  std::string digits;
  bool anyDigit = false;
  long droppedIntegerDigits = 0;
  long pointPosition = -1;
  for (;;) {
    const char ch = in.Peek();
    if (IsDigit(ch)) {
      anyDigit = true;
      if (ch == '0' && digits.empty() && pointPosition < 0) {
        // a leading zero of the integer part changes nothing
      } else if (digits.size() < 400) {
        digits.push_back(ch);
      } else if (pointPosition < 0) {
        ++droppedIntegerDigits;
      }
      in.Take();
    } else if (ch == '.' && pointPosition < 0) {
      pointPosition = static_cast<long>(digits.size()) + droppedIntegerDigits;
      in.Take();
    } else {
      break;
    }
  }
  if (!anyDigit) return 0;
  if (pointPosition < 0) pointPosition = static_cast<long>(digits.size()) + droppedIntegerDigits;

  long exponent = 0;
  if (in.Peek() == 'e' || in.Peek() == 'E') {
    in.Take();
    bool negativeExponent = false;
    if (in.Peek() == '+' || in.Peek() == '-') {
      negativeExponent = in.Peek() == '-';
      in.Take();
    }
    while (IsDigit(in.Peek())) {
      if (exponent < 100000) exponent = exponent * 10 + (in.Peek() - '0');
      in.Take();
    }
    if (negativeExponent) exponent = -exponent;
  }
  return DecimalValue(digits, pointPosition, exponent, negative);
}

std::optional<std::int16_t> ToInt16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  // nearbyint rounds in the current mode, which is to nearest with halves to even.
  const double rounded = std::nearbyint(value);
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> WholeNumber(std::string_view text) {
  std::size_t pos = 0;
  const auto skipBlanks = [&] {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  };
  skipBlanks();
  const std::size_t start = pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  bool anyDigit = false;
  bool point = false;
  while (pos < text.size()) {
    if (IsDigit(text[pos])) {
      anyDigit = true;
    } else if (text[pos] == '.' && !point) {
      point = true;
    } else {
      break;
    }
    ++pos;
  }
  const std::size_t end = pos;
  skipBlanks();
  if (!anyDigit || pos != text.size()) return std::nullopt;
  return ToInt16(NumericValue(text.substr(start, end - start)));
}

std::string IntText(std::int16_t value) {
  return std::to_string(value);
}

std::int16_t Add16(std::int16_t a, std::int16_t b) {
  const int sum = a + b;
  if (sum < std::numeric_limits<std::int16_t>::min() ||
      sum > std::numeric_limits<std::int16_t>::max()) {
    throw std::overflow_error("16-bit overflow");
  }
  return static_cast<std::int16_t>(sum);
}

}  // namespace tsp
