#include "prefs/Ini.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/NumberText.h"
#include "core/Texts.h"

namespace velmora {
namespace fs = std::filesystem;
namespace {

// Root may read and write anything, so the owner's bit counts as well: a file or folder the
// player has made read-only or unreadable is refused to root as to anyone else.
bool PlayerMay(const fs::path& path, int access) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && (st.st_mode & (access == W_OK ? S_IWUSR : S_IRUSR)) &&
         ::access(path.c_str(), access) == 0;
}

// What stands at the path itself, a link not followed.
fs::file_status Entry(const fs::path& path) {
  std::error_code error;
  return fs::symlink_status(path, error);
}

// The whole of a regular, readable file; nothing for anything else, or on a short read.
std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error) || !PlayerMay(path, R_OK)) return std::nullopt;
  const auto size = fs::file_size(path, error);
  std::ifstream in(path, std::ios::binary);
  std::string contents(error ? 0 : size, '\0');
  if (error || !in.read(contents.data(), static_cast<std::streamsize>(size))) return std::nullopt;
  return contents;
}

// Replaces the file, or the one its links lead to, or creates it: written beside it, flushed
// to the disk and renamed over it, so that a failure at any step leaves the old file whole and
// no temporary file behind. A replaced file keeps its permission bits.
bool ReplaceFile(const std::string& path, const std::string& contents) {
  std::error_code error;
  const fs::path target = fs::exists(path, error) ? fs::canonical(path, error) : fs::path(path);
  const fs::path folder = target.parent_path();
  struct stat st {};
  const bool replacing = ::stat(target.c_str(), &st) == 0;
  if (error || !PlayerMay(folder, W_OK) || (replacing && !PlayerMay(target, W_OK))) return false;
  // In the same folder, so that the rename stays on one file system and is atomic.
  const fs::path temp =
      (folder / ".").concat(target.filename().string() + "." + std::to_string(::getpid()) + ".tmp");
  ::unlink(temp.c_str());  // left by an earlier run under the same process number
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  // A short write to a file means the disk or the player's quota is full.
  bool ok = fd >= 0 && (!replacing || ::fchmod(fd, st.st_mode & 07777) == 0) &&
            ::write(fd, contents.data(), contents.size()) == std::ssize(contents) &&
            ::fsync(fd) == 0;
  ok = (fd < 0 || ::close(fd) == 0) && ok && std::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  // Makes the rename itself durable; the data is safe already, so a failure here is no error.
  const int dir = ok ? ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return ok;
}

}  // namespace

void Ini::SetIniPath() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (error || !exe.has_parent_path()) return;
  SetIniPath(exe.parent_path().string(), {std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")});
}

void Ini::SetIniPath(const std::string& directory, PlayerFolders player) {
  IniPath_ = WritePath_ = directory + "/velmora.ini";
  // The configuration folder by the XDG rule: XDG_CONFIG_HOME if absolute, else ~/.config.
  const auto absolute = [](const char* path) { return path != nullptr && path[0] == '/'; };
  const std::string config = absolute(player.configHome) ? std::string(player.configHome)
                             : absolute(player.home)     ? std::string(player.home) + "/.config"
                                                         : "";
  // A player who may write the program's folder keeps the settings there, as always.
  if (config.empty() || PlayerMay(directory, W_OK)) return;
  WritePath_ = config + "/velmora/velmora.ini";
  if (fs::is_directory(Entry(config + "/velmora")) && fs::exists(Entry(WritePath_))) {
    IniPath_ = WritePath_;  // readable or not, it is the settings file now
  }
}

void Ini::ReadIniValue(std::string& text) {
  const std::optional<std::string> contents = ReadWholeFile(IniPath_);
  const std::string value = contents ? GetProfileString(*contents, IniSection_, IniKey_) : "";
  if (value.empty()) FailFatally();
  text = TrimBlanks(value);  // the cut to 49 characters may leave blanks at the end
}

void Ini::WriteIniValue(const std::string& text) {
  if (!WritePrivateProfileString(text)) host_.Beep();
}

bool Ini::WritePrivateProfileString(const std::string& text) {
  const fs::path folder = fs::path(WritePath_).parent_path();
  if (WritePath_ != IniPath_) {
    // The player's first file, in folders private to the player as the XDG rule asks. A link
    // in the game's folder's place is not followed: nothing is written outside it.
    ::mkdir(folder.parent_path().c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
    if (!fs::is_directory(Entry(folder))) return false;
  }
  // What cannot be seen counts as there, so that it is not replaced unread. The player's first
  // file starts as a copy of the one beside the executable.
  const bool exists = Entry(WritePath_).type() != fs::file_type::not_found;
  const std::optional<std::string> old = ReadWholeFile(exists ? WritePath_ : IniPath_);
  if ((exists && !old) ||
      !ReplaceFile(WritePath_, SetProfileString(old.value_or(""), IniSection_, IniKey_, text))) {
    return false;
  }
  IniPath_ = WritePath_;
  return true;
}

void Ini::ReadDeckBack(Int16& back) {
  IniSection_ = "Deck";
  IniKey_ = "Back";
  std::string text;
  ReadIniValue(text);
  const std::optional<Int16> number = RoundToInt16(ParseLenientNumber(text));
  if (!number || *number < 1 || *number > kBackCount) FailFatally();
  back = *number;
}

void Ini::WriteDeckBack(Int16 back) {
  IniSection_ = "Deck";
  IniKey_ = "Back";
  WriteIniValue(SignedText(back));
}

void Ini::FailFatally() {
  host_.Beep();
  host_.ShowFatalError(VELMORA_TEXT("Texts", "A file is missing or corrupted!"),
                       VELMORA_TEXT("Texts", "Error - 15"));
  throw ProgramEnd{1};
}

}  // namespace velmora
