#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/GameState.h"

namespace velmora {

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

// The settings file is private-profile text: "[section]" lines, then "key=value" lines.
// Section and key names match in any letter case; blanks (spaces, tabs) around names, values
// and whole lines do not count; a line starting with ";" is a comment, a line starting with
// "[" names a section even without its "]", any other line without "=" is ignored; CR LF,
// LF and lone CR all end a line; a UTF-8 byte-order mark at the start is skipped; any other
// byte, NUL included, is ordinary text. Only the first section of a name is searched, and the
// first line of the key in it wins: a later section of the same name is never read nor
// written.

// Removes leading and trailing spaces and tabs.
std::string_view TrimBlanks(std::string_view text);

// The value of the key, without surrounding blanks and then without a matching pair of double
// or single quotes around it, cut to bufferSize - 1 characters; empty when the section or
// key is missing or the value is empty.
std::string GetProfileString(std::string_view contents, std::string_view section,
                             std::string_view key, std::size_t bufferSize = 50);

// The contents with the key set to the value. Only the key's line changes; a missing key is
// added after the last non-blank line of the first section of the name, a missing section at
// the end. Every other byte, a byte-order mark included, stays as it was; new lines take the
// file's first line ending ("\n" if none).
std::string SetProfileString(std::string_view contents, std::string_view section,
                             std::string_view key, std::string_view value);

// Reads a number from the start of the text the forgiving way the settings file has always
// been read: blanks, tabs, CR and LF are ignored wherever they stand ("1 2" is 12); then an
// optional sign, digits with at most one decimal point and an optional exponent (E or D, any
// case, optional sign, digits). "&H" and "&O" (any case, no sign before them) start a
// hexadecimal or octal 16-bit integer: &HFFFF is -1. Such a value needing more than 16 bits
// reads as its plain magnitude (&H10000 is 65536), so no 16-bit integer can hold it. Reading
// stops at the first character that cannot continue the number; no number at all reads 0.
double ParseLenientNumber(std::string_view text);

// Rounds half to even (7.5 -> 8, 6.5 -> 6, -0.5 -> 0). Nothing when the result is outside
// -32768..32767 or the number is not finite.
std::optional<Int16> RoundToInt16(double value);

// Where a player's own settings may go: the values of XDG_CONFIG_HOME and HOME, null if unset.
struct PlayerFolders {
  const char* configHome = nullptr;
  const char* home = nullptr;
};

// The settings module: the file that keeps the chosen card back between runs.
class Ini {
 public:
  explicit Ini(SettingsHost& host) : host_(host) {}

  // Decides once where the settings live. Beside the executable while the player may write
  // its folder (the directory is taken as it is: "/a/" gives "/a//velmora.ini"). Otherwise in
  // the player's velmora/velmora.ini in the configuration folder, once that file exists;
  // until then start-up reads the file beside the executable, and the first write creates the
  // player's file from it. Without an executable's folder the path stays empty: the read fails.
  void SetIniPath();  // the running executable's folder, and the environment
  void SetIniPath(const std::string& directory, PlayerFolders player = {});

  // Reads IniKey of section IniSection. A missing or empty value ends the program.
  void ReadIniValue(std::string& text);
  // Writes IniKey of section IniSection; a failure only beeps.
  void WriteIniValue(const std::string& text);

  // Section "Deck", key "Back". A value that is not a back number 1..12 ends the program like
  // a missing one: every face-down card would otherwise show a picture that is not there.
  void ReadDeckBack(Int16& back);
  void WriteDeckBack(Int16 back);

 private:
  [[noreturn]] void FailFatally();
  bool WritePrivateProfileString(const std::string& text);

  SettingsHost& host_;
  std::string IniPath_;    // the file read, and written unless WritePath_ differs
  std::string WritePath_;  // the player's own file while it does not exist yet
  std::string IniSection_;
  std::string IniKey_;
};

}  // namespace velmora
