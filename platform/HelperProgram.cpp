#include "platform/HelperProgram.h"

namespace tovra::platform {

std::filesystem::path helperProgramFor(const std::filesystem::path& executable,
                                       std::string_view name) {
    const auto folder = executable.parent_path();
    std::error_code error;
    if (auto beside = folder / name; std::filesystem::is_regular_file(beside, error)) {
        return beside;
    }
    // TOVRA_LIBEXEC_FROM_BIN: the install's libexec folder seen from its bin folder.
    return (folder / TOVRA_LIBEXEC_FROM_BIN / name).lexically_normal();
}

} // namespace tovra::platform
