#pragma once

// A number field with a pop-up slider: typing or sliding sets a whole number
// inside its range; a number typed outside the range is clamped to it.

#include <QWidget>

class QSlider;
class QSpinBox;
class QToolButton;

namespace tovra::toolkit {

class NumberEdit : public QWidget {
    Q_OBJECT

public:
    NumberEdit(int minimum, int maximum, QWidget* parent = nullptr);

    [[nodiscard]] int value() const;
    /// Clamped to the range.
    void setValue(int value);
    [[nodiscard]] QSpinBox* field() const { return field_; }
    [[nodiscard]] QToolButton* popupButton() const { return button_; }
    /// The slider of the pop-up (hidden until the button shows it).
    [[nodiscard]] QSlider* slider() const { return slider_; }

private:
    void showSlider();

    QSpinBox* field_ = nullptr;
    QToolButton* button_ = nullptr;
    QWidget* popup_ = nullptr;
    QSlider* slider_ = nullptr;
};

} // namespace tovra::toolkit
