// The screen-saver chooser previewing real screen savers inside its panel, on
// a real X server (Xvfb): the project's own, and one of xscreensaver's through
// the project's screen-saver program where xscreensaver's are installed. The
// preview's process ends when the window closes.

#include "desktop/Unit_screen.h"
#include "platform/emulated/ScreenSaverEntries.h"
#include "tests/support/MainWindowHarness.h"
#include "toolkit/SkinFileControls.h"

#include <csignal>
#include <filesystem>

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTest>

using tovra::desktop::TFormscreen;
using tovra::test::MainWindowHarness;

namespace {

QImage panelPixels(QWidget* panel) {
    return QGuiApplication::primaryScreen()->grabWindow(panel->winId()).toImage();
}

/// The pid of the preview that the processes log says was started last.
pid_t startedPid(const std::filesystem::path& log) {
    const std::string text = tovra::test::readBytes(log);
    const auto line = text.rfind("\tCreateProcess\t");
    const auto end = text.find('\n', line);
    const auto tab = text.rfind('\t', end);
    return line == std::string::npos ? 0 : std::stoi(text.substr(tab + 1, end - tab - 1));
}

} // namespace

class ScreenSaverPreviewXvfbTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void previewsInsideThePanelAndStopsOnClose_data();
    void previewsInsideThePanelAndStopsOnClose();
};

void ScreenSaverPreviewXvfbTest::previewsInsideThePanelAndStopsOnClose_data() {
    QTest::addColumn<QString>("hack");
    QTest::newRow("own") << QString();
    QTest::newRow("xscreensaver") << QStringLiteral("/usr/libexec/xscreensaver/swirl");
}

void ScreenSaverPreviewXvfbTest::previewsInsideThePanelAndStopsOnClose() {
    QFETCH(QString, hack);
    if (!hack.isEmpty() && !QFileInfo(hack).isExecutable()) {
        QSKIP("xscreensaver-data is not installed");
    }
    MainWindowHarness harness;
    const std::filesystem::path system = harness.platform->files.systemDirectory();
    // The entry as the system folder offers it, in a folder with a blank.
    const auto folder = system / "my savers";
    std::filesystem::create_directories(folder);
    tovra::test::writeBytes(folder / "preview.scr",
                            tovra::platform::emulated::screenSaverEntryScript(
                                TOVRA_SCREENSAVER_PROGRAM, hack.toStdString()));
    std::filesystem::permissions(folder / "preview.scr", std::filesystem::perms::owner_all);

    QWidget owner;
    TFormscreen window(&owner, {*harness.platform, harness.errors, harness.settingsFile});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.FLBScreen->setFileName(QString::fromStdString((folder / "preview.scr").string()));
    const QImage before = panelPixels(window.FlatPanel1);

    window.FLBScreenListBoxDblClick();
    QVERIFY(window.preview().running());
    const auto log = harness.temp.path() / "state" / "processes.log";
    const std::string line = tovra::test::readBytes(log);
    QVERIFY(line.find("\" /p " + std::to_string(window.FlatPanel1->winId())) != std::string::npos);
    QTRY_VERIFY_WITH_TIMEOUT(panelPixels(window.FlatPanel1) != before, 10000);
    const QImage drawn = panelPixels(window.FlatPanel1);
    QTRY_VERIFY_WITH_TIMEOUT(panelPixels(window.FlatPanel1) != drawn, 10000); // it moves

    const pid_t pid = startedPid(log);
    QVERIFY(pid > 0);
    window.close();
    QVERIFY(!window.preview().running());
    QCOMPARE(::kill(pid, 0), -1); // stopped and reaped
    QVERIFY(tovra::test::readBytes(log).find("\tTerminateProcess\t" + std::to_string(pid)) !=
            std::string::npos);
}

QTEST_MAIN(ScreenSaverPreviewXvfbTest)
#include "ScreenSaverPreviewXvfbTest.moc"
