#pragma once

// A horizontal track bar. Its position always stays inside its limits: when
// setLimits() moves them past the position, the position goes to the nearer
// end without a change notification, as the form's change handler expects.
// valueChanged() reports every other change of the position.

#include <QSlider>

namespace tovra::toolkit {

class SkinTrackBar : public QSlider {
    Q_OBJECT

public:
    explicit SkinTrackBar(QWidget* parent = nullptr);

    /// New limits; the position is clamped to them silently.
    void setLimits(int minimum, int maximum);
};

} // namespace tovra::toolkit
