#include "toolkit/core/StripLayout.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace tovra::toolkit {

namespace {

/// Shares `spare` pixels out among `count` parts, the first ones taking the
/// odd pixels.
int shareOf(int spare, int count, int index) {
    return spare / count + (index < spare % count ? 1 : 0);
}

void stretchRow(std::vector<TabPlace>& places, std::size_t first, std::size_t end, int available) {
    const int count = static_cast<int>(end - first);
    const int used = places[end - 1].x + places[end - 1].width;
    const int spare = std::max(available - used, 0);
    int x = 0;
    for (std::size_t i = first; i < end; ++i) {
        places[i].x = x;
        places[i].width += shareOf(spare, count, static_cast<int>(i - first));
        x += places[i].width;
    }
}

} // namespace

std::vector<TabPlace> layTabRows(const std::vector<int>& widths, int available) {
    std::vector<TabPlace> places;
    places.reserve(widths.size());
    int row = 0;
    int x = 0;
    for (const int width : widths) {
        if (x > 0 && x + width > available) {
            ++row;
            x = 0;
        }
        places.push_back({row, x, width});
        x += width;
    }
    if (row == 0) {
        return places;
    }
    std::size_t first = 0;
    for (std::size_t i = 1; i <= places.size(); ++i) {
        if (i == places.size() || places[i].row != places[first].row) {
            stretchRow(places, first, i, available);
            first = i;
        }
    }
    return places;
}

int tabRowCount(const std::vector<TabPlace>& places) {
    return places.empty() ? 0 : places.back().row + 1;
}

std::vector<int> columnWidths(const std::vector<int>& widest, int available) {
    const int count = static_cast<int>(widest.size());
    if (count == 0) {
        return {};
    }
    const int needed = std::accumulate(widest.begin(), widest.end(), 0);
    std::vector<int> widths(widest.size());
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        widths[at] = needed <= available ? widest[at] + shareOf(available - needed, count, i)
                                         : shareOf(std::max(available, 0), count, i);
    }
    return widths;
}

} // namespace tovra::toolkit
