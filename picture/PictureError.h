#pragma once

// How the picture library fails: one exception type, with the reason a
// caller may act on. Nothing in the library ends the process or reads past
// its input on bad data; a picture it cannot take throws this.

#include <stdexcept>
#include <string>

namespace tovra::picture {

enum class PictureFault {
    /// The file cannot be read.
    Unreadable,
    /// The bytes are not a picture of the expected format, or are damaged.
    Undecodable,
    /// The decoded picture would exceed the size guard (SizeGuard.h).
    TooLarge,
    /// This build has no decoder for the format (the Windows cross build has
    /// no JPEG or GIF library).
    NoDecoder,
};

class PictureError : public std::runtime_error {
public:
    PictureError(PictureFault fault, const std::string& message)
        : std::runtime_error(message)
        , fault_(fault) {}

    [[nodiscard]] PictureFault fault() const { return fault_; }

private:
    PictureFault fault_;
};

} // namespace tovra::picture
