#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

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
// file's first line ending ("\n" if none). The value is written as given, so one in matching
// quotes reads back without them.
std::string SetProfileString(std::string_view contents, std::string_view section,
                             std::string_view key, std::string_view value);

// The whole settings file; nothing when it cannot be read: missing, not a regular file, or
// unreadable - judged by the owner-read bit as well, as root may read anyway.
std::optional<std::string> ReadProfileFile(const std::string& path);

// Reads the key from the file at path into out (see GetProfileString) and returns the
// number of characters delivered; 0 also when the file cannot be read (see ReadProfileFile).
int GetPrivateProfileString(std::string_view section, std::string_view key, std::string& out,
                            std::size_t size, const std::string& path);

// Writes all the bytes to an open file descriptor; false on failure. Tests swap it for one
// that fails half-way.
using FileWriteStep = std::function<bool(int fd, std::string_view bytes)>;

// Sets the key in the file at path (following symlinks), creating the file, section or key
// as needed. The new contents go to a temporary file beside the target, are synced and then
// renamed over it, so the old file survives any failure whole and no temporary file is left.
// Refuses (false, nothing touched) when the file is read-only - judged by the owner-write
// bit as well, since root may write anyway - or the directory is, when the file cannot be
// read (see ReadProfileFile), or when any step fails. The replacement keeps the old file's
// permission bits.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path,
                               const FileWriteStep& writeStep = {});

}  // namespace velmora
