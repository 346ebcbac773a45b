#include "toolkit/SkinOpenDialog.h"

#include <QDir>

namespace tovra::toolkit {

SkinOpenDialog::SkinOpenDialog(QWidget* parent, const QString& title, const QString& filter)
    : QFileDialog(parent, title, QString(), filter) {
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
}

QString SkinOpenDialog::execute() {
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty()) {
        return {};
    }
    return QDir::toNativeSeparators(selectedFiles().front());
}

} // namespace tovra::toolkit
