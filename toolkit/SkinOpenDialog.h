#pragma once

// The skinned file-open dialog: a title, a filter and its first entry active.
// It runs as the toolkit's own dialog (not the desktop's), so that it looks
// the same everywhere and a test can drive it.

#include <QFileDialog>
#include <QLineEdit>
#include <QStringList>

namespace tovra::toolkit {

class SkinOpenDialog : public QFileDialog {
    Q_OBJECT

public:
    /// filter in Qt's notation: "ICO图标 (*.ico);;All files (*)".
    SkinOpenDialog(QWidget* parent, const QString& title, const QString& filter);

    /// Runs the dialog; on OK puts the chosen file's full path (host
    /// notation) into edit, on cancel leaves it as it was.
    void chooseInto(QLineEdit& edit);

    /// Runs the dialog letting several files be chosen at once; their full
    /// paths (host notation) in the order the dialog gives them, or none on
    /// cancel.
    [[nodiscard]] QStringList chooseFiles();
};

} // namespace tovra::toolkit
