#include "prefs/ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace velmora {
namespace fs = std::filesystem;
namespace {

struct Line {
  std::string_view text;
  std::string_view ending;  // "\r\n", "\n", "\r", or empty for a last line without one
};

std::vector<Line> SplitLines(std::string_view contents) {
  std::vector<Line> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < contents.size()) {
    if (contents[i] != '\n' && contents[i] != '\r') {
      ++i;
      continue;
    }
    const std::size_t width = contents.substr(i, 2) == "\r\n" ? 2 : 1;
    lines.push_back({contents.substr(start, i - start), contents.substr(i, width)});
    i += width;
    start = i;
  }
  if (start < contents.size()) lines.push_back({contents.substr(start), {}});
  return lines;
}

struct Entry {
  enum Kind { Other, Section, Key } kind = Other;
  std::string_view name;
  std::string_view value;
};

Entry ParseLine(std::string_view text) {
  const std::string_view line = TrimBlanks(text);
  if (line.empty() || line[0] == ';') return {};
  if (line[0] == '[') {
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return {};
    return {Entry::Section, TrimBlanks(line.substr(1, close - 1)), {}};
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return {Entry::Key, TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

bool SameName(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return contents;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Root may write anything, so the owner-write bit is what marks a file or directory the
// user has made read-only; access() covers a non-root user without the right.
bool Writable(const fs::path& path, const struct stat& st) {
  return (st.st_mode & S_IWUSR) != 0 && ::access(path.c_str(), W_OK) == 0;
}

// The file a chain of symlinks ends at (which need not exist yet); empty for a loop.
fs::path FollowLinks(fs::path path) {
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path link = fs::read_symlink(path, ec);
    if (ec) return {};
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  return {};
}

bool ValidNames(std::string_view section, std::string_view key, std::string_view value) {
  auto hasLineEnd = [](std::string_view s) { return s.find_first_of("\r\n") != s.npos; };
  return !TrimBlanks(section).empty() && !TrimBlanks(key).empty() && !hasLineEnd(section) &&
         !hasLineEnd(key) && !hasLineEnd(value) && section.find(']') == section.npos &&
         key.find('=') == key.npos && TrimBlanks(key)[0] != ';' && TrimBlanks(key)[0] != '[';
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string GetProfileString(std::string_view contents, std::string_view section,
                             std::string_view key, std::size_t bufferSize) {
  if (bufferSize == 0) return {};
  bool inSection = false;
  for (const Line& line : SplitLines(contents)) {
    const Entry entry = ParseLine(line.text);
    if (entry.kind == Entry::Section) inSection = SameName(entry.name, section);
    if (entry.kind == Entry::Key && inSection && SameName(entry.name, key)) {
      return std::string(entry.value.substr(0, bufferSize - 1));
    }
  }
  return {};
}

std::string SetProfileString(std::string_view contents, std::string_view section,
                             std::string_view key, std::string_view value) {
  const std::vector<Line> lines = SplitLines(contents);
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t keyLine = kNone;
  std::string_view keyName;
  std::size_t insertAfter = kNone;  // last non-blank line of the first matching section
  bool inSection = false;
  bool inFirstSection = false;
  for (std::size_t i = 0; i < lines.size() && keyLine == kNone; ++i) {
    const Entry entry = ParseLine(lines[i].text);
    if (entry.kind == Entry::Section) {
      inSection = SameName(entry.name, section);
      inFirstSection = inSection && insertAfter == kNone;
    }
    if (inFirstSection && !TrimBlanks(lines[i].text).empty()) insertAfter = i;
    if (entry.kind == Entry::Key && inSection && SameName(entry.name, key)) {
      keyLine = i;
      keyName = entry.name;  // keep the spelling already in the file
    }
  }

  const std::string_view newline =
      lines.empty() || lines[0].ending.empty() ? "\n" : lines[0].ending;
  const std::string keyText = std::string(key) + "=" + std::string(value);
  std::string out;
  out.reserve(contents.size() + keyText.size() + section.size() + 8);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == keyLine) {
      out.append(keyName).append("=").append(value).append(lines[i].ending);
    } else if (i == insertAfter && keyLine == kNone) {
      // The new line takes over this line's ending, so a file without a final line end
      // still ends without one.
      out.append(lines[i].text).append(lines[i].ending.empty() ? newline : lines[i].ending);
      out.append(keyText).append(lines[i].ending);
    } else {
      out.append(lines[i].text).append(lines[i].ending);
    }
  }
  if (keyLine == kNone && insertAfter == kNone) {
    if (!lines.empty() && lines.back().ending.empty()) out.append(newline);
    out.append("[").append(section).append("]").append(newline);
    out.append(keyText).append(newline);
  }
  return out;
}

int GetPrivateProfileString(std::string_view section, std::string_view key, std::string& out,
                            std::size_t size, const std::string& path) {
  out.clear();
  if (path.empty()) return 0;
  const std::optional<std::string> contents = ReadWholeFile(path);
  if (!contents) return 0;
  out = GetProfileString(*contents, section, key, size);
  return static_cast<int>(out.size());
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path,
                               const FileWriteStep& writeStep) {
  if (path.empty() || !ValidNames(section, key, value)) return false;
  const fs::path target = FollowLinks(path);
  if (target.empty() || !target.has_filename()) return false;
  const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");

  struct stat st {};
  if (::stat(directory.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || !Writable(directory, st)) {
    return false;
  }
  std::string old;
  std::optional<mode_t> keepMode;
  if (::stat(target.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode) || !Writable(target, st)) return false;
    std::optional<std::string> contents = ReadWholeFile(target);
    if (!contents) return false;  // never replace what could not be read
    old = std::move(*contents);
    keepMode = st.st_mode & 07777;
  } else if (errno != ENOENT) {
    return false;
  }
  const std::string updated = SetProfileString(old, section, key, value);

  // Same directory, so the rename stays on one file system and is atomic.
  fs::path temp;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    // O_EXCL below makes the name unique; pid and attempt only keep collisions rare.
    std::string name(1, '.');
    name += target.filename().string();
    name += '.';
    name += std::to_string(::getpid());
    name += '.';
    name += std::to_string(attempt);
    name += ".tmp";
    temp = directory / name;
    // A new file gets the usual umask-filtered mode; a replacement gets the old mode below.
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  bool ok = !keepMode || ::fchmod(fd, *keepMode) == 0;
  ok = ok && (writeStep ? writeStep(fd, updated) : WriteAll(fd, updated));
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && std::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable; the data is already safe, so a failure here is no error.
  const int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

}  // namespace velmora
