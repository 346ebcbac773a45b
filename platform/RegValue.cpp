#include "platform/Registry.h"

#include <algorithm>

namespace tovra::platform {

RegValue RegValue::text(std::string_view utf8, std::uint32_t type) {
    RegValue value;
    value.type = type;
    value.data.assign(utf8.begin(), utf8.end());
    return value;
}

RegValue RegValue::dword(std::uint32_t number) {
    RegValue value;
    value.type = kRegDword;
    for (int shift = 0; shift < 32; shift += 8) {
        value.data.push_back(static_cast<std::uint8_t>(number >> shift));
    }
    return value;
}

std::string RegValue::asText() const {
    const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
    return {data.begin(), end};
}

std::optional<std::uint32_t> RegValue::asDword() const {
    if (type != kRegDword || data.size() != 4) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) {
        number = (number << 8) | data[static_cast<std::size_t>(i)];
    }
    return number;
}

} // namespace tovra::platform
