// Arbitrary bytes as the text of the Back value: the lenient number reading and its rounding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "Check.h"
#include "prefs/Ini.h"

using velmora::fuzz::Check;

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The same text read by the C library, for the decimal forms: blanks dropped, then the
// longest run of sign, digits with one point, and an exponent with digits (D read as E).
// Nothing for "&H" and "&O". Holds while inputs stay far below a million bytes, past which
// the reader's cap on the exponent would show.
std::optional<double> LibraryValue(std::string_view text) {
  std::string s;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') s += c;
  }
  if (s.size() >= 2 && s[0] == '&') {
    if (std::string_view("HhOo").find(s[1]) != std::string_view::npos) return std::nullopt;
    return 0.0;
  }
  std::string number;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
  bool digits = false;
  bool point = false;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      digits = true;
    } else if (s[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
    number += s[i];
  }
  if (!digits) return 0.0;
  if (i < s.size() && std::string_view("EeDd").find(s[i]) != std::string_view::npos) {
    std::string exponent = "e";
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    const std::size_t firstDigit = j;
    for (; j < s.size() && IsDigit(s[j]); ++j) exponent += s[j];
    if (j > firstDigit) number += exponent;
  }
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const double value = ParseLenientNumber(text);
  Check(!std::isnan(value), "read as not-a-number");
  if (const std::optional<double> expected = LibraryValue(text)) {
    Check(value == *expected, "differs from the C library's reading");
  } else {
    // "&H" and "&O": a 16-bit pattern, or the plain magnitude of a wider one.
    Check(value == std::trunc(value) &&
              ((value >= -32768 && value <= 32767) || (value > 0xFFFF && value <= 0x100000000)),
          "a hexadecimal or octal value out of its forms");
  }

  // Rounding half to even gives a 16-bit number exactly for -32768.5 <= value < 32767.5.
  const std::optional<Int16> rounded = RoundToInt16(value);
  Check(rounded.has_value() == (value >= -32768.5 && value < 32767.5), "rounding range");
  if (rounded) {
    const double off = std::fabs(value - *rounded);
    Check(off < 0.5 || (off == 0.5 && *rounded % 2 == 0), "not rounded half to even");
  }
  return 0;
}
