#include "toolkit/NumberEdit.h"

#include <QHBoxLayout>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

namespace tovra::toolkit {

NumberEdit::NumberEdit(int minimum, int maximum, QWidget* parent)
    : QWidget(parent)
    , field_(new QSpinBox(this))
    , button_(new QToolButton(this))
    , popup_(new QWidget(this, Qt::Popup))
    , slider_(new QSlider(Qt::Horizontal, popup_)) {
    field_->setRange(minimum, maximum);
    field_->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    field_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    button_->setArrowType(Qt::DownArrow);
    slider_->setRange(minimum, maximum);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(field_, 1);
    row->addWidget(button_);
    auto* popupRow = new QHBoxLayout(popup_);
    popupRow->setContentsMargins(4, 4, 4, 4);
    popupRow->addWidget(slider_);
    connect(button_, &QToolButton::clicked, this, &NumberEdit::showSlider);
    connect(slider_, &QSlider::valueChanged, field_, &QSpinBox::setValue);
}

int NumberEdit::value() const {
    return field_->value();
}

void NumberEdit::setValue(int value) {
    field_->setValue(std::clamp(value, field_->minimum(), field_->maximum()));
}

void NumberEdit::showSlider() {
    slider_->setValue(field_->value());
    popup_->resize(std::max(width(), 160), popup_->sizeHint().height());
    popup_->move(mapToGlobal(QPoint(0, height())));
    popup_->show();
}

} // namespace tovra::toolkit
