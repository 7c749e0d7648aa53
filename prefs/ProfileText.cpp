#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "prefs/Ini.h"

namespace velmora {
namespace {

// A UTF-8 byte-order mark at the very start is no part of the first line, or a "[Deck]" right
// after it would go unseen; the writer keeps it.
std::size_t TextStart(std::string_view s) {
  return s.starts_with("\xEF\xBB\xBF") ? 3 : 0;
}

// Where the line that starts at offset at ends: at its CR or LF, or at the end of the text. A
// plain loop: find_first_of calls memchr once for every byte.
std::size_t LineEnd(std::string_view s, std::size_t at) {
  while (at < s.size() && s[at] != '\r' && s[at] != '\n') ++at;
  return at;
}

// The line end at offset at: "\r\n", "\n", "\r", or nothing at the end of the text.
std::string_view EndingAt(std::string_view s, std::size_t at) {
  return s.substr(at, s.substr(at, 2) == "\r\n" ? 2 : 1);
}

bool SameName(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return std::ranges::equal(a, b, {}, lower, lower);
}

// Where a key stands, by offsets into the contents. Reader and writer both search only the
// first section of the name, so that a write lands where the next read looks.
struct Place {
  bool sectionFound = false;
  std::size_t lastEnd = 0;  // the end of the section's last non-blank line, its header at least
  bool keyFound = false;
  std::size_t keyStart = 0;  // the key's first line, up to lastEnd
  std::string_view keyName, value;
};

Place Locate(std::string_view s, std::string_view section, std::string_view key) {
  Place place;
  for (std::size_t at = TextStart(s), end = 0; at < s.size(); at = end + EndingAt(s, end).size()) {
    end = LineEnd(s, at);
    const std::string_view text = TrimBlanks(s.substr(at, end - at));
    if (text.starts_with('[')) {
      if (place.sectionFound) break;
      // Without its "]" the line still names a section: npos - 1 takes the rest of the line.
      place.sectionFound = SameName(TrimBlanks(text.substr(1, text.find(']') - 1)), section);
    }
    if (!place.sectionFound) continue;
    if (!text.empty()) place.lastEnd = end;
    const std::size_t equals = text.find('=');
    if (text.starts_with('[') || text.starts_with(';') || equals == text.npos ||
        !SameName(TrimBlanks(text.substr(0, equals)), key)) {
      continue;
    }
    place.keyFound = true;
    place.keyStart = at;
    place.keyName = TrimBlanks(text.substr(0, equals));
    place.value = TrimBlanks(text.substr(equals + 1));
    break;
  }
  return place;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == text.npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string GetProfileString(std::string_view contents, std::string_view section,
                             std::string_view key, std::size_t bufferSize) {
  std::string_view value = Locate(contents, section, key).value;
  // A value in a matching pair of quotes is meant without them; the cut comes after.
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, bufferSize == 0 ? 0 : bufferSize - 1));
}

std::string SetProfileString(std::string_view contents, std::string_view section,
                             std::string_view key, std::string_view value) {
  const Place place = Locate(contents, section, key);
  std::string out(contents);
  if (place.keyFound) {  // the spelling already in the file stays
    return out.replace(place.keyStart, place.lastEnd - place.keyStart,
                       std::string(place.keyName) + "=" + std::string(value));
  }
  const std::size_t start = TextStart(contents);
  std::string newline(EndingAt(contents, LineEnd(contents, start)));
  if (newline.empty()) newline = "\n";
  const std::string line = std::string(key) + "=" + std::string(value);
  if (place.sectionFound) {
    // The new line takes over the ending of the line it follows, so a file without a final
    // line end still ends without one.
    const std::string_view ending = EndingAt(contents, place.lastEnd);
    return out.insert(place.lastEnd, (ending.empty() ? newline : std::string(ending)) + line);
  }
  if (contents.size() > start && !contents.ends_with('\n') && !contents.ends_with('\r')) {
    out += newline;
  }
  return out + "[" + std::string(section) + "]" + newline + line + newline;
}

double ParseLenientNumber(std::string_view text) {
  std::string s;  // blanks count nowhere, so they go first
  std::ranges::copy_if(text, std::back_inserter(s),
                       [](char c) { return c != ' ' && c != '\t' && c != '\n' && c != '\r'; });
  if (s.size() >= 2 && s[0] == '&') {
    const int base = (s[1] | 0x20) == 'h' ? 16 : ((s[1] | 0x20) == 'o' ? 8 : 0);
    if (base == 0) return 0.0;
    // A 16-bit pattern; a wider value reads as its magnitude, capped well above 16 bits.
    constexpr unsigned long long kCap = 1ull << 32;
    unsigned long long value = 0;
    const auto read = std::from_chars(s.data() + 2, s.data() + s.size(), value, base);
    value = read.ec == std::errc::result_out_of_range ? kCap : std::min(value, kCap);
    return static_cast<double>(value) - (value >= 0x8000 && value <= 0xFFFF ? 0x10000 : 0);
  }
  // The longest start that is a number in the C library's own form, with D read as E.
  const auto digitsFrom = [&s](std::size_t at) {
    while (at < s.size() && s[at] >= '0' && s[at] <= '9') ++at;
    return at;
  };
  std::size_t end = digitsFrom(s.starts_with('-') || s.starts_with('+') ? 1 : 0);
  if (end < s.size() && s[end] == '.') end = digitsFrom(end + 1);
  std::string number = s.substr(0, end);
  if (end < s.size() && std::string_view("EeDd").find(s[end]) != std::string_view::npos) {
    const bool sign = end + 1 < s.size() && (s[end + 1] == '-' || s[end + 1] == '+');
    const std::size_t stop = digitsFrom(end + 1 + sign);
    // An exponent letter without digits after it is not part of the number.
    if (stop > end + 1 + sign) number.append("e").append(s, end + 1, stop - end - 1);
  }
  // The decimal point of the "C" locale, whichever one the window toolkit has switched to.
  static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", nullptr);
  return ::strtod_l(number.c_str(), nullptr, cLocale);
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
