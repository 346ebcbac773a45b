#include "app/HelperPrograms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tovra {

std::string ownScreenSaverProgram() {
    const QFileInfo program(QDir(QCoreApplication::applicationDirPath()),
                            QStringLiteral("tovra-screensaver"));
    return program.isFile() && program.isExecutable() ? program.filePath().toStdString()
                                                      : std::string();
}

} // namespace tovra
