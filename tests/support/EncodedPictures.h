#pragma once

// JPEG and GIF files made in the tests with libjpeg-turbo's and giflib's
// encoders (native builds only: the Windows cross build has neither).

#include "picture/Image.h"

#include <optional>
#include <string>
#include <vector>

namespace tovra::test {

enum class JpegKind { Baseline, Progressive, Grayscale, Cmyk };

/// image (Bgr24) as a JPEG file of that kind.
[[nodiscard]] std::string jpegFile(const picture::Image& image, JpegKind kind = JpegKind::Baseline);

/// The bytes of a JPEG file with the frame header's precision or size changed.
[[nodiscard]] std::string withFrameHeader(std::string jpeg, int precision, picture::Size size);

/// One frame of a GIF.
struct GifFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
    std::optional<int> transparentIndex{};
    /// Every pixel of the frame this index instead of the pattern: a frame of
    /// a billion pixels then takes a megabyte of the file.
    std::optional<int> fillIndex{};
};

/// A GIF with a logical screen, a global palette of 256 colours (index i is
/// red i, green 255 - i, blue 0), background index 1, and frames whose pixel
/// at (x, y) of the frame has index (x + 16 * y) % 256 unless filled.
[[nodiscard]] std::string gifFile(picture::Size screen, const std::vector<GifFrame>& frames);

/// The bytes of a gifFile whose first frame (one without a transparent index)
/// states another size; its pixel data stays as it was.
[[nodiscard]] std::string withFirstFrameSize(std::string gif, picture::Size size);

} // namespace tovra::test
