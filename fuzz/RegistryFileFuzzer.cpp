// Any text either is refused with RegFileError or reads as a tree that writes
// out and reads back as the same tree, written the same way again.
#include "FuzzCheck.h"
#include "platform/emulated/RegFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace tovra::platform::emulated;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RegTree tree;
    try {
        tree = parseRegFile(text);
    } catch (const RegFileError&) {
        return 0;
    }
    const std::string written = serialiseRegFile(tree);
    const RegTree again = parseRegFile(written);
    TOVRA_FUZZ_CHECK(again == tree);
    TOVRA_FUZZ_CHECK(serialiseRegFile(again) == written);
    return 0;
}
