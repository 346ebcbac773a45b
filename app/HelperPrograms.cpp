#include "app/HelperPrograms.h"

#include "platform/HelperProgram.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tovra {

std::string ownScreenSaverProgram() {
    const auto path = platform::helperProgramFor(
        QCoreApplication::applicationFilePath().toStdString(), "tovra-screensaver");
    const QFileInfo program(QString::fromStdString(path.string()));
    return program.isFile() && program.isExecutable() ? path.string() : std::string();
}

} // namespace tovra
