#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

namespace velmora::testing {

// A fresh, empty directory of its own under the system's temporary directory, removed with
// everything in it when the folder goes out of scope.
class ScratchFolder {
 public:
  ScratchFolder() : path_(Make()) {}
  ~ScratchFolder() {
    namespace fs = std::filesystem;
    std::error_code error;
    // A test may have taken away write permission; without it nothing inside could be removed.
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::recursive_directory_iterator it(path_, fs::directory_options::skip_permission_denied,
                                        error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
      std::error_code ignored;
      if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
      }
    }
    fs::remove_all(path_, error);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

 private:
  // mkdtemp picks a name nobody holds and creates it in one step, so tests running side by
  // side never share a folder.
  static std::filesystem::path Make() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
    }
    return pattern;
  }

  std::filesystem::path path_;
};

}  // namespace velmora::testing
