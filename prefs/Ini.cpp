#include "prefs/Ini.h"

#include <filesystem>
#include <optional>

#include "core/NumberText.h"
#include "prefs/LenientNumber.h"
#include "prefs/ProfileFile.h"

namespace velmora {
namespace {

constexpr std::size_t kReadBufferSize = 50;

}  // namespace

std::optional<Int16> DeckBackFromContents(std::string_view contents) {
  // As ReadIniValue: nothing delivered is fatal, and the cut may leave blanks at the end.
  const std::string value =
      GetProfileString(contents, Ini::kDeckSection, Ini::kBackKey, kReadBufferSize);
  if (value.empty()) return std::nullopt;
  const std::optional<Int16> number = RoundToInt16(ParseLenientNumber(TrimBlanks(value)));
  if (!number || *number < 1 || *number > kBackCount) return std::nullopt;
  return number;
}

void Ini::SetIniPath() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || !exe.has_parent_path()) {
    IniPath_.clear();
    return;
  }
  SetIniPath(exe.parent_path().string());
}

void Ini::SetIniPath(const std::string& directory) {
  IniPath_ = directory;
  IniPath_ += std::filesystem::path::preferred_separator;
  IniPath_ += kFileName;
}

void Ini::ReadIniValue(std::string& text) {
  std::string value;
  if (GetPrivateProfileString(IniSection_, IniKey_, value, kReadBufferSize, IniPath_) == 0) {
    FailFatally();
  }
  // The cut to the buffer may leave blanks at the end.
  text = TrimBlanks(value);
}

void Ini::WriteIniValue(const std::string& text) {
  if (!WritePrivateProfileString(IniSection_, IniKey_, text, IniPath_)) host_.Beep();
}

void Ini::ReadDeckBack(Int16& back) {
  IniSection_ = kDeckSection;
  IniKey_ = kBackKey;
  const std::optional<std::string> contents = ReadProfileFile(IniPath_);
  const std::optional<Int16> number = contents ? DeckBackFromContents(*contents) : std::nullopt;
  if (!number) FailFatally();
  back = *number;
}

void Ini::WriteDeckBack(Int16 back) {
  IniSection_ = kDeckSection;
  IniKey_ = kBackKey;
  WriteIniValue(SignedText(back));
}

void Ini::FailFatally() {
  host_.Beep();
  host_.ShowFatalError("A file is missing or corrupted!", "Error - 15");
  throw ProgramEnd{1};
}

}  // namespace velmora
