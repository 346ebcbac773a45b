#include "tests/support/TempDir.h"

#include <fstream>
#include <iterator>

namespace tovra::test {

std::string TempDir::file(const std::string& name) const {
    const std::u8string text = (path_ / name).u8string();
    return {text.begin(), text.end()};
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace tovra::test
