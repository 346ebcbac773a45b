#include "toolkit/SkinTrackBar.h"

#include <QSignalBlocker>

namespace tovra::toolkit {

SkinTrackBar::SkinTrackBar(QWidget* parent)
    : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::TicksBelow);
    setPageStep(1);
}

void SkinTrackBar::setLimits(int minimum, int maximum) {
    const QSignalBlocker silent(this);
    setRange(minimum, maximum);
}

} // namespace tovra::toolkit
