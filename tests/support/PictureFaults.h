#pragma once

// What a picture call fails with, for tables of bad input.

#include "picture/PictureError.h"

#include <optional>

namespace tovra::test {

/// The fault the call throws; nothing when it succeeds.
template <typename Call>
[[nodiscard]] std::optional<picture::PictureFault> faultOf(Call&& call) {
    try {
        call();
    } catch (const picture::PictureError& error) {
        return error.fault();
    }
    return std::nullopt;
}

} // namespace tovra::test
