#pragma once

// A page control: tabs across the top, one page (a plain QWidget, the form's
// tab sheet) under each, drawn in the program's colours. Tab captions are
// shown as given, blanks included.

#include <QTabWidget>

namespace tovra::toolkit {

class SkinPageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit SkinPageControl(QWidget* parent = nullptr);

    /// Adds a page with that tab caption and returns it, owned by the control.
    QWidget* addSheet(const QString& caption);
};

} // namespace tovra::toolkit
