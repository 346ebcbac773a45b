#pragma once

// A decoded picture in memory: rows top-down, no padding between rows, in one
// of the three layouts that a Windows bitmap file can hold without loss of
// what the program needs. Every decoder of this library yields one, the BMP
// writer stores one, and the stretch makes one from another.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace tovra::picture {

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

enum class PixelFormat : std::uint8_t {
    /// One byte per pixel, an index into a palette of 256 colours.
    Indexed8,
    /// Blue, green, red: a 24-bit bitmap's pixel.
    Bgr24,
    /// Blue, green, red and a fourth byte: a 32-bit bitmap's pixel. The fourth
    /// byte is kept as read (Windows leaves it unused in BI_RGB bitmaps).
    Bgrx32,
};

[[nodiscard]] constexpr int bytesPerPixel(PixelFormat format) {
    switch (format) {
    case PixelFormat::Indexed8:
        return 1;
    case PixelFormat::Bgr24:
        return 3;
    case PixelFormat::Bgrx32:
        return 4;
    }
    return 4;
}

/// A palette entry as a bitmap file stores it: 0x00RRGGBB.
using PaletteColor = std::uint32_t;

/// Leaves new elements uninitialised: a decoder that writes every pixel need
/// not pay for clearing tens of megabytes first.
template <typename T>
struct UninitialisedAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    template <typename U>
    void construct(U* where) noexcept {
        ::new (static_cast<void*>(where)) U;
    }
    template <typename U, typename... Args>
    void construct(U* where, Args&&... args) {
        ::new (static_cast<void*>(where)) U(std::forward<Args>(args)...);
    }
};

/// Asks for a picture whose pixels the caller writes, every one of them.
struct Unfilled {};

class Image {
public:
    /// A black picture of the given size. Throws PictureError (TooLarge) when
    /// the size guard refuses the size, before any memory is taken.
    Image(Size size, PixelFormat format);
    /// The same, with pixels left as they come: the caller writes them all.
    Image(Size size, PixelFormat format, Unfilled);

    [[nodiscard]] Size size() const { return size_; }
    [[nodiscard]] int width() const { return size_.width; }
    [[nodiscard]] int height() const { return size_.height; }
    [[nodiscard]] PixelFormat format() const { return format_; }
    /// Bytes per row.
    [[nodiscard]] std::size_t stride() const { return stride_; }

    [[nodiscard]] std::uint8_t* row(int y) { return pixels_.data() + stride_ * rowIndex(y); }
    [[nodiscard]] const std::uint8_t* row(int y) const {
        return pixels_.data() + stride_ * rowIndex(y);
    }

    /// The colours of an Indexed8 picture (all black until set); unused otherwise.
    [[nodiscard]] std::array<PaletteColor, 256>& palette() { return palette_; }
    [[nodiscard]] const std::array<PaletteColor, 256>& palette() const { return palette_; }

    friend bool operator==(const Image&, const Image&) = default;

private:
    [[nodiscard]] static std::size_t rowIndex(int y) { return static_cast<std::size_t>(y); }

    Size size_;
    PixelFormat format_;
    std::size_t stride_;
    std::vector<std::uint8_t, UninitialisedAllocator<std::uint8_t>> pixels_;
    std::array<PaletteColor, 256> palette_{};
};

/// The picture as opaque 32-bit pixels (B, G, R, 255): the layout a window
/// toolkit shows directly (Qt's QImage::Format_RGB32 on a little-endian host),
/// and the one to draw or stamp with.
[[nodiscard]] Image toOpaqueBgrx32(const Image& image);

} // namespace tovra::picture
