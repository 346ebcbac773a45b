#include "tests/support/TempDir.h"

#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace tovra::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tovra-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    // Give back write permission that a test took away, so that removal works.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        // chmod follows links: a link a test planted (to / or a home folder)
        // would hand its permissions to the folder it leads to.
        if (it->is_symlink(ignored)) {
            continue;
        }
        ::chmod(it->path().c_str(), it->is_directory(ignored) ? 0700 : 0600);
    }
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path unwritableFolder(const TempDir& scratch) {
    if (::geteuid() == 0) {
        return "/proc/self"; // root may write anywhere on a normal file system
    }
    auto folder = scratch.path() / "read-only";
    std::filesystem::create_directory(folder);
    ::chmod(folder.c_str(), 0555);
    return folder;
}

void makeReadOnly(const std::filesystem::path& file) {
    ::chmod(file.c_str(), 0444);
}

} // namespace tovra::test
