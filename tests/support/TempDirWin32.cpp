#include "tests/support/TempDir.h"
#include "tests/support/WineHost.h"

#include <random>
#include <stdexcept>
#include <windows.h>
// After windows.h, whose types it needs.
#include <sddl.h>

namespace tovra::test {

namespace {

std::filesystem::path uniqueName(const std::filesystem::path& base) {
    std::random_device seed;
    std::mt19937 random(seed());
    return base / ("tovra-test-" + std::to_string(random()));
}

/// A folder whose access list lets everyone do anything but add files or
/// folders to it: the administrator too, as a deny entry binds every account.
std::filesystem::path deniedFolder(const std::filesystem::path& folder) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:P(D;;0x6;;;WD)(A;OICI;FA;;;WD)", SDDL_REVISION_1, &descriptor, nullptr)) {
        throw std::runtime_error("cannot build a security descriptor");
    }
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    const BOOL created = ::CreateDirectoryW(folder.c_str(), &attributes);
    ::LocalFree(descriptor);
    if (!created) {
        throw std::runtime_error("cannot create a folder that refuses new files");
    }
    return folder;
}

} // namespace

TempDir::TempDir() {
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate = uniqueName(base);
        if (::CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ignored;
    // Clear read-only attributes that a test set, so that removal works.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        ::SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path unwritableFolder(const TempDir& scratch) {
    // Wine keeps no access lists on files; its Unix side refuses to create
    // anything in /proc/self, root included (drive Z: is the Unix root).
    if (runningUnderWine()) {
        return "Z:\\proc\\self";
    }
    return deniedFolder(scratch.path() / "read-only");
}

void makeReadOnly(const std::filesystem::path& file) {
    ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
}

} // namespace tovra::test
