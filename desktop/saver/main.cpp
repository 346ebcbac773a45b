// The project's screen-saver program. By the screen savers' convention
// "/p <window>" draws a preview inside that window and "/s" runs full screen;
// "/c" (or nothing) would show its settings, of which it has none. With
// "--hack <program>" first it runs that xscreensaver program instead of its
// own drawing: inside the preview's window, or inside its own full-screen
// window, which ends at the first key, click or mouse movement.

#include "desktop/core/ScreenSaverCommand.h"
#include "desktop/saver/HostWindow.h"
#include "desktop/saver/SaverScene.h"

#include <iostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QWindow>

namespace {

using tovra::desktop::ScreenSaverCommand;
using tovra::saver::SaverScene;
using Mode = ScreenSaverCommand::Mode;

QStringList hackArguments(std::uint64_t window) {
    QStringList arguments;
    for (const auto& argument : tovra::desktop::hackArguments(window)) {
        arguments << QString::fromStdString(argument);
    }
    return arguments;
}

/// Runs the xscreensaver program on window until it ends or this program is
/// asked to end (the program is stopped with this one).
void startHack(QProcess& hack, const std::string& program, std::uint64_t window) {
    hack.setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(&hack, &QProcess::finished, qApp, &QCoreApplication::quit);
    QObject::connect(&hack, &QProcess::errorOccurred, qApp, [](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            QCoreApplication::exit(1);
        }
    });
    hack.start(QString::fromStdString(program), hackArguments(window));
}

int preview(const ScreenSaverCommand& command) {
    QProcess hack;
    if (!command.hack.empty()) {
        startHack(hack, command.hack, command.window);
        return QApplication::exec();
    }
    QWindow* host = QWindow::fromWinId(static_cast<WId>(command.window));
    SaverScene scene(SaverScene::Role::Preview, true);
    scene.setParent(host);
    scene.setGeometry(QRect(QPoint(0, 0), tovra::saver::hostWindowSize(*host)));
    scene.show();
    return QApplication::exec();
}

int fullScreen(const ScreenSaverCommand& command) {
    SaverScene scene(SaverScene::Role::FullScreen, command.hack.empty());
    scene.showFullScreen();
    QProcess hack;
    if (!command.hack.empty()) {
        startHack(hack, command.hack, scene.winId());
    }
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    const auto command =
        tovra::desktop::parseScreenSaverCommand(std::vector<std::string>(argv + 1, argv + argc));
    if (command.mode == Mode::Invalid) {
        std::cerr << "usage: " << argv[0] << " [--hack PROGRAM] [/p WINDOW | /s | /c]\n";
        return 2;
    }
    QApplication app(argc, argv);
    switch (command.mode) {
    case Mode::Preview:
        return preview(command);
    case Mode::FullScreen:
        return fullScreen(command);
    default:
        QMessageBox::information(nullptr, QStringLiteral("屏幕保护程序"),
                                 QStringLiteral("此屏幕保护程序没有可以设置的选项。"));
        return 0;
    }
}
