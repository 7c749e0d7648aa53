#include "prefs/LenientNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace velmora {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Value of a digit in base 8 or 16, or -1.
int DigitValue(char c, int base) {
  int v = -1;
  if (IsDigit(c)) v = c - '0';
  if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < base ? v : -1;
}

double ParseRadix(std::string_view s, int base) {
  // Capped well above 16 bits so that a long run of digits cannot overflow.
  constexpr unsigned long long kCap = 0xFFFFFFFFull + 1;
  unsigned long long value = 0;
  for (char c : s) {
    const int d = DigitValue(c, base);
    if (d < 0) break;
    value = std::min(value * base + d, kCap);
  }
  if (value > 0xFFFF) return static_cast<double>(value);
  return value >= 0x8000 ? static_cast<double>(value) - 0x10000 : static_cast<double>(value);
}

}  // namespace

double ParseLenientNumber(std::string_view text) {
  // Blanks count nowhere, so drop them first and read what is left.
  std::string s;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s += c;
  }
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return ParseRadix(std::string_view(s).substr(2), 16);
    if (s[1] == 'O' || s[1] == 'o') return ParseRadix(std::string_view(s).substr(2), 8);
    return 0.0;
  }

  std::size_t i = 0;
  const bool negative = i < s.size() && s[i] == '-';
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  std::string digits;           // every mantissa digit, point left out
  long long pointPosition = 0;  // digits before the decimal point
  bool seenPoint = false;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      digits += s[i];
      if (!seenPoint) ++pointPosition;
    } else if (s[i] == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }

  long long exponent = 0;
  if (i < s.size() && std::string_view("EeDd").find(s[i]) != std::string_view::npos) {
    std::size_t j = i + 1;
    const bool negativeExponent = j < s.size() && s[j] == '-';
    if (j < s.size() && (s[j] == '-' || s[j] == '+')) ++j;
    // An exponent letter without digits after it is not part of the number.
    for (; j < s.size() && IsDigit(s[j]); ++j) {
      exponent = std::min(exponent * 10 + (s[j] - '0'), 1'000'000LL);
    }
    if (negativeExponent) exponent = -exponent;
  }

  // Normalise to 0.DIGITS x 10^scale so that the scale alone tells overflow from underflow.
  const std::size_t firstSignificant = digits.find_first_not_of('0');
  if (firstSignificant == std::string::npos) return 0.0;
  const long long scale = pointPosition - static_cast<long long>(firstSignificant) + exponent;
  const std::string normal = "0." + digits.substr(firstSignificant) + "e" + std::to_string(scale);
  double magnitude = 0.0;
  // from_chars ignores the locale, which a GUI toolkit may have switched to a decimal comma.
  const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    magnitude = scale > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -magnitude : magnitude;
}

std::optional<Int16> RoundToInt16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  // Spelled out rather than left to the FPU rounding mode, which anyone may change.
  double rounded = std::floor(value);
  const double fraction = value - rounded;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<Int16>(rounded);
}

}  // namespace velmora
