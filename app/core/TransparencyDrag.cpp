#include "app/core/TransparencyDrag.h"

#include <algorithm>

namespace tovra::mainwindow {

int TransparencyDrag::move(std::int32_t x, int value) {
    const int step = x > lastX_ ? kOpacityStep : -kOpacityStep;
    lastX_ = x;
    return std::clamp(value + step, kOpacityMin, kOpacityMax);
}

} // namespace tovra::mainwindow
