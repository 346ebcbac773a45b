#include "picture/Stretch.h"

#include "picture/SizeGuard.h"

#include <cstring>

namespace tovra::picture {

namespace {

template <std::size_t PixelSize>
void copyRow(const std::uint8_t* from, const std::vector<int>& columns, std::uint8_t* to) {
    for (const int column : columns) {
        std::memcpy(to, from + PixelSize * static_cast<std::size_t>(column), PixelSize);
        to += PixelSize;
    }
}

} // namespace

void stretchRow(PixelFormat format, const std::uint8_t* from, const std::vector<int>& columns,
                std::uint8_t* to) {
    switch (format) {
    case PixelFormat::Indexed8:
        return copyRow<1>(from, columns, to);
    case PixelFormat::Bgr24:
        return copyRow<3>(from, columns, to);
    case PixelFormat::Bgrx32:
        return copyRow<4>(from, columns, to);
    }
}

std::vector<int> stretchAxis(int sourceLength, int targetLength, Axis axis) {
    std::vector<int> from(static_cast<std::size_t>(targetLength));
    // The error terms of a line from (0, 0) to (sourceLength, targetLength),
    // tested against the midpoint between the next two candidate pixels.
    const std::int64_t source = sourceLength;
    const std::int64_t target = targetLength;
    if (target >= source) { // growing: one step per target pixel
        std::int64_t error = 3 * source - 2 * target;
        int position = 0;
        for (std::size_t d = 0; d < from.size(); ++d) {
            from[d] = position;
            if (error > 0) {
                ++position;
                error += 2 * source - 2 * target;
            } else {
                error += 2 * source;
            }
        }
        return from;
    }
    // Shrinking: one step per source pixel. A row keeps the last pixel that
    // falls on a target pixel, a column of rows the first row.
    const bool keepLast = axis == Axis::Horizontal;
    std::int64_t error = 3 * target - 2 * source;
    std::size_t position = 0;
    bool taken = false;
    for (int s = 0; s < sourceLength && position < from.size(); ++s) {
        if (keepLast || !taken) {
            from[position] = s;
            taken = true;
        }
        if (error > 0) {
            ++position;
            taken = false;
            error += 2 * target - 2 * source;
        } else {
            error += 2 * target;
        }
    }
    return from;
}

Image stretch(const Image& source, Size size) {
    checkPictureSize(size, source.format());
    Image target(size, source.format(), Unfilled{});
    target.palette() = source.palette();
    const std::vector<int> columns = stretchAxis(source.width(), size.width, Axis::Horizontal);
    const std::vector<int> rows = stretchAxis(source.height(), size.height, Axis::Vertical);
    for (int y = 0; y < size.height; ++y) {
        const auto index = static_cast<std::size_t>(y);
        // Rows that come from the same source row are copies of the first.
        if (y > 0 && rows[index] == rows[index - 1]) {
            std::memcpy(target.row(y), target.row(y - 1), target.stride());
        } else {
            stretchRow(source.format(), source.row(rows[index]), columns, target.row(y));
        }
    }
    return target;
}

} // namespace tovra::picture
