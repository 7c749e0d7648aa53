#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/GameState.h"

namespace velmora {

// The card back that start-up takes from a settings file with these contents: the Back key of
// the first Deck section, read as ReadIniValue and ReadDeckBack describe; nothing where
// start-up ends the program instead.
std::optional<Int16> DeckBackFromContents(std::string_view contents);

// What the settings module needs from the platform.
class SettingsHost {
 public:
  virtual ~SettingsHost() = default;
  virtual void Beep() = 0;
  // A modal critical message box with OK; returns when the user has closed it.
  virtual void ShowFatalError(std::string_view prompt, std::string_view title) = 0;
};

// Thrown after the fatal settings error box: the program ends at once with this exit code.
struct ProgramEnd {
  int exitCode;
};

// The settings module: owns the settings file beside the executable, which keeps the chosen
// card back between runs.
class Ini {
 public:
  static constexpr std::string_view kFileName = "velmora.ini";
  static constexpr std::string_view kDeckSection = "Deck";
  static constexpr std::string_view kBackKey = "Back";

  explicit Ini(SettingsHost& host) : host_(host) {}

  // Directory of the running executable + separator + file name; empty when the directory
  // cannot be found, so that the first read fails.
  void SetIniPath();
  // Same with a given directory, taken as it is: "/a/" gives "/a//velmora.ini".
  void SetIniPath(const std::string& directory);

  // Reads IniKey of section IniSection. A missing or empty value ends the program.
  void ReadIniValue(std::string& text);
  // Writes IniKey of section IniSection; a failure only beeps.
  void WriteIniValue(const std::string& text);

  // Section "Deck", key "Back". A value that is not a back number 1..12 ends the program
  // like a missing one: every face-down card would otherwise show a picture that is not there.
  // The read decides by DeckBackFromContents.
  void ReadDeckBack(Int16& back);
  void WriteDeckBack(Int16 back);

  const std::string& IniPath() const { return IniPath_; }
  const std::string& IniSection() const { return IniSection_; }
  const std::string& IniKey() const { return IniKey_; }
  void SetIniSection(std::string_view section) { IniSection_ = section; }
  void SetIniKey(std::string_view key) { IniKey_ = key; }

 private:
  [[noreturn]] void FailFatally();

  SettingsHost& host_;
  std::string IniPath_;
  std::string IniSection_;
  std::string IniKey_;
};

}  // namespace velmora
