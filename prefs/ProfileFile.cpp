#include "prefs/ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>

namespace velmora {
namespace fs = std::filesystem;
namespace {

struct Line {
  std::size_t start = 0;    // offset of the line's first byte
  std::string_view text;    // without its ending
  std::string_view ending;  // "\r\n", "\n", "\r", or empty for a last line without one
};

// A UTF-8 byte-order mark at the very start is no part of the first line, or a "[Deck]" right
// after it would go unseen; anywhere else these bytes are ordinary text.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::size_t TextStart(std::string_view contents) {
  return contents.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

// Walks the lines of the contents one at a time, so a large file is never split up whole.
// Offsets count from the start of the contents, byte-order mark included, so that the writer
// keeps the mark.
class LineScanner {
 public:
  explicit LineScanner(std::string_view contents)
      : contents_(contents), next_(TextStart(contents)) {}

  bool Next(Line& line) {
    if (next_ >= contents_.size()) return false;
    const std::size_t end = std::min(contents_.find_first_of("\r\n", next_), contents_.size());
    std::size_t width = end < contents_.size() ? 1 : 0;
    if (contents_.substr(end, 2) == "\r\n") width = 2;
    line = {next_, contents_.substr(next_, end - next_), contents_.substr(end, width)};
    next_ = end + width;
    return true;
  }

 private:
  std::string_view contents_;
  std::size_t next_;
};

struct Entry {
  enum Kind { Other, Section, Key } kind = Other;
  std::string_view name;
  std::string_view value;
};

Entry ParseLine(std::string_view text) {
  const std::string_view line = TrimBlanks(text);
  if (line.empty() || line[0] == ';') return {};
  if (line[0] == '[') {
    // Without its "]" the line still names a section: the rest of the line.
    const std::size_t close = line.find(']');
    const std::size_t length = close == std::string_view::npos ? close : close - 1;
    return {Entry::Section, TrimBlanks(line.substr(1, length)), {}};
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

// A value in a matching pair of double or single quotes is meant without them; a lone or
// mismatched quote is part of the value.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Where a key stands in the contents. Only the first section of the name is searched, by the
// reader and the writer alike, so a write lands where the next read looks.
struct Place {
  bool sectionFound = false;
  Line lastLine;  // the section's last non-blank line: its own header line at least
  bool keyFound = false;
  Line keyLine;  // the first line of the key in that section
  Entry key;
};

Place Locate(std::string_view contents, std::string_view section, std::string_view key) {
  Place place;
  LineScanner scanner(contents);
  Line line;
  while (scanner.Next(line)) {
    const Entry entry = ParseLine(line.text);
    if (entry.kind == Entry::Section) {
      if (place.sectionFound) break;  // the first section of the name ends here
      place.sectionFound = SameName(entry.name, section);
    }
    if (!place.sectionFound) continue;
    if (!TrimBlanks(line.text).empty()) place.lastLine = line;
    if (entry.kind == Entry::Key && SameName(entry.name, key)) {
      place.keyFound = true;
      place.keyLine = line;
      place.key = entry;
      break;
    }
  }
  return place;
}

// The ending of the first line; "\n" for a file that has none.
std::string_view FirstLineEnding(std::string_view contents) {
  Line first;
  if (LineScanner(contents).Next(first) && !first.ending.empty()) return first.ending;
  return "\n";
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

// Likewise the owner-read bit marks a file the user has made unreadable.
bool Readable(const fs::path& path, const struct stat& st) {
  return (st.st_mode & S_IRUSR) != 0 && ::access(path.c_str(), R_OK) == 0;
}

// The whole of a regular, readable file; nothing for anything else (a directory, a device).
std::optional<std::string> ReadWholeFile(const fs::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || !Readable(path, st)) {
    return std::nullopt;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string contents;
  contents.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[1 << 16];
  ssize_t n = 0;
  while ((n = ::read(fd, buffer, sizeof buffer)) != 0) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    contents.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (n < 0) return std::nullopt;
  return contents;
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
  const Place place = Locate(contents, section, key);
  if (!place.keyFound) return {};
  // The quotes belong to the whole value, so they go before the cut.
  return std::string(Unquote(place.key.value).substr(0, bufferSize - 1));
}

std::string SetProfileString(std::string_view contents, std::string_view section,
                             std::string_view key, std::string_view value) {
  const Place place = Locate(contents, section, key);
  std::string out(contents);
  if (place.keyFound) {
    // Keep the spelling already in the file.
    std::string line(place.key.name);
    line.append("=").append(value);
    out.replace(place.keyLine.start, place.keyLine.text.size(), line);
    return out;
  }
  const std::string_view newline = FirstLineEnding(contents);
  std::string keyText(key);
  keyText.append("=").append(value);
  if (place.sectionFound) {
    // The new line takes over the ending of the line it follows, so a file without a final
    // line end still ends without one.
    const Line& last = place.lastLine;
    std::string added(last.ending.empty() ? newline : last.ending);
    added.append(keyText);
    out.insert(last.start + last.text.size(), added);
    return out;
  }
  if (contents.size() > TextStart(contents) && contents.back() != '\n' && contents.back() != '\r') {
    out.append(newline);
  }
  out.append("[").append(section).append("]").append(newline);
  out.append(keyText).append(newline);
  return out;
}

std::optional<std::string> ReadProfileFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  return ReadWholeFile(path);
}

int GetPrivateProfileString(std::string_view section, std::string_view key, std::string& out,
                            std::size_t size, const std::string& path) {
  out.clear();
  const std::optional<std::string> contents = ReadProfileFile(path);
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
