#include "toolkit/SkinOpenDialog.h"

#include <QDir>

namespace tovra::toolkit {

SkinOpenDialog::SkinOpenDialog(QWidget* parent, const QString& title, const QString& filter)
    : QFileDialog(parent, title, QString(), filter) {
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
}

void SkinOpenDialog::chooseInto(QLineEdit& edit) {
    if (exec() == QDialog::Accepted && !selectedFiles().isEmpty()) {
        edit.setText(QDir::toNativeSeparators(selectedFiles().front()));
    }
}

QStringList SkinOpenDialog::chooseFiles() {
    setFileMode(QFileDialog::ExistingFiles);
    QStringList files;
    if (exec() == QDialog::Accepted) {
        for (const QString& file : selectedFiles()) {
            files << QDir::toNativeSeparators(file);
        }
    }
    return files;
}

} // namespace tovra::toolkit
