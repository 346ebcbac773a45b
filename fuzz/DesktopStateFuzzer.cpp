// The desktop's state file (DesktopIcons.ini in the state root) as any
// program or person may have left it: every read gives an answer, and the
// writes the shell makes read back, whatever else the file holds.
#include "FuzzCheck.h"
#include "platform/emulated/DesktopIconList.h"
#include "platform/emulated/EmulatedProfileFiles.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace tovra::platform::emulated;

namespace {

std::filesystem::path stateFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tovra-fuzz-state-XXXXXX").string();
        TOVRA_FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr);
        return std::filesystem::path(pattern);
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const StateRoot root(stateFolder());
    {
        std::ofstream file(root.file("DesktopIcons.ini"), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    EmulatedProfileFiles profiles;
    DesktopIconList list(profiles, root);
    const bool wasVisible = list.visible();
    (void)list.textColor();
    (void)list.textBkColor();
    (void)list.itemCount();
    const std::uint64_t redraws = list.redrawCount();
    (void)parseColor(std::string(reinterpret_cast<const char*>(data), size));

    // A file no encoding can keep is refused, never half written.
    if (list.setVisible(!wasVisible)) {
        TOVRA_FUZZ_CHECK(list.visible() == !wasVisible);
    }
    if (list.setTextColor(0x00123456)) {
        TOVRA_FUZZ_CHECK(list.textColor() == 0x00123456);
    }
    if (list.redraw()) {
        TOVRA_FUZZ_CHECK(list.redrawCount() == redraws + 1);
    }
    return 0;
}
