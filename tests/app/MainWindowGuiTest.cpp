// The main window driven through its real controls on the offscreen platform:
// start-up and exit against the emulated settings file and registry, the tray
// icon's messages, the menu, docking, hints, the transparency drag, the home
// page and the autostart entry.

#include "app/core/MainWindowTexts.h"
#include "platform/emulated/DesktopEntry.h"
#include "settings/IniFile.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"
#include "tests/support/MainWindowHarness.h"
#include "toolkit/FlatPopupMenu.h"
#include "toolkit/FlatSpeedButton.h"
#include "toolkit/FontSetup.h"
#include "toolkit/PictureBox.h"
#include "toolkit/ShadowLabel.h"
#include "toolkit/SkinPictureButton.h"
#include "wallpaper/Unit_PicView.h"
#include "wallpaper/Unit_Piclist.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QCursor>
#include <QDate>
#include <QEnterEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>

using tovra::TFormTovraDesktop;
using tovra::test::MainWindowHarness;
namespace platform = tovra::platform;
namespace settings = tovra::settings;

namespace {

const std::string kSecondNum = "TovraDesktop SecondNum";

std::string todayShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

void sendEnter(QWidget* widget) {
    const QPointF inside(2, 2);
    QEnterEvent enter(inside, inside, widget->mapToGlobal(inside));
    QCoreApplication::sendEvent(widget, &enter);
}

void sendMove(QWidget* widget, QPoint pos, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)),
                     Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

/// A stand-in for a docked window (the wallpaper list or the picture preview).
std::unique_ptr<QWidget> standIn(QSize size) {
    auto window = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    window->resize(size);
    return window;
}

} // namespace

class MainWindowGuiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowHarness> h;

    [[nodiscard]] std::string runValue() const {
        settings::RegistryAccess access(h->platform->registry);
        access.setRootKey(settings::reg::kRunRoot);
        if (!access.openKey(std::string(settings::reg::kRunKey), false) ||
            !access.valueExists(std::string(settings::reg::kRunValue))) {
            return "<none>";
        }
        return access.readString(std::string(settings::reg::kRunValue));
    }

    void showWindow(TFormTovraDesktop& window) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

private Q_SLOTS:
    void initTestCase() { tovra::toolkit::setUpFonts(); }
    void init() { h = std::make_unique<MainWindowHarness>(); }
    void cleanup() { h.reset(); }

    void firstStartWithoutSettingsFile() {
        TFormTovraDesktop& window = h->start();
        QCOMPARE(h->state.ElapsedSeconds, 3500);
        QVERIFY(!window.isVisible());
        QCOMPARE(h->passwordPrompts, 0);

        QCOMPARE(h->tray.calls.size(), std::size_t{1});
        const auto& added = h->tray.calls.front();
        QCOMPARE(added.message, platform::kNimAdd);
        QCOMPARE(added.data.cbSize, 88u);
        QCOMPARE(added.data.hWnd, static_cast<platform::Hwnd>(window.winId()));
        QCOMPARE(added.data.uFlags, 7u);
        QCOMPARE(added.data.uCallbackMessage, 1025u);
        QVERIFY(added.data.hIcon != 0);
        QCOMPARE(added.data.szTip, todayShortDate().substr(0, 63));
        QVERIFY(!std::filesystem::exists(h->settingsFile)); // created by the first write

        QSignalSpy closed(&window, &TFormTovraDesktop::closed);
        QVERIFY(window.close());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(h->tray.calls.size(), std::size_t{2});
        QCOMPARE(h->tray.calls.back().message, platform::kNimDelete);

        platform::ProfileFiles& profiles = h->platform->profiles;
        QCOMPARE(profiles.readSections(h->settingsFile), std::vector<std::string>{kSecondNum});
        QCOMPARE(profiles.readKeys(h->settingsFile, kSecondNum), std::vector<std::string>{"time"});
        QCOMPARE(profiles.readString(h->settingsFile, kSecondNum, "time", "", 2048),
                 std::string("3500"));
        QVERIFY(h->boxes.calls.empty());
    }

    void storedTimeIsReadBack_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << QStringLiteral("1234") << 1234;
        QTest::newRow("negative") << QStringLiteral("-7") << -7;
        QTest::newRow("hexadecimal") << QStringLiteral("0x10") << 16;
        QTest::newRow("not a number") << QStringLiteral("abc") << 3500;
        QTest::newRow("empty") << QString() << 3500;
    }

    void storedTimeIsReadBack() {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        settings::IniFile ini(h->platform->profiles, h->settingsFile);
        ini.writeString(kSecondNum, "time", stored.toStdString());

        TFormTovraDesktop& window = h->start();
        QCOMPARE(h->state.ElapsedSeconds, expected);

        h->state.ElapsedSeconds = 4711; // as the rotation timer would have counted
        QVERIFY(window.close());
        QCOMPARE(ini.readInteger(kSecondNum, "time", 0), 4711);
    }

    void storedPasswordRunsThePrompt() {
        {
            settings::RegistryAccess access(h->platform->registry);
            access.setRootKey(settings::reg::kPasswordRoot);
            QVERIFY(access.openKey(std::string(settings::reg::kPasswordKey)));
            access.writeString(std::string(settings::reg::kPasswordValue), "secret");
        }
        h->start();
        QCOMPARE(h->passwordPrompts, 1);
    }

    void trayMessages_data() {
        QTest::addColumn<int>("mouseMessage");
        QTest::addColumn<bool>("shows");
        QTest::addColumn<bool>("popsUpMenu");
        QTest::newRow("double click 515") << 515 << true << false;
        QTest::newRow("right release 517") << 517 << false << true;
        QTest::newRow("left release 514") << 514 << false << false;
        QTest::newRow("move 512") << 512 << false << false;
    }

    void trayMessages() {
        QFETCH(int, mouseMessage);
        QFETCH(bool, shows);
        QFETCH(bool, popsUpMenu);
        TFormTovraDesktop& window = h->start();
        QCursor::setPos(200, 150);
        QVERIFY(h->tray.click(mouseMessage));
        QCOMPARE(window.isVisible(), shows);
        if (shows) {
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
        QCOMPARE(window.pmPro->isVisible(), popsUpMenu);
        if (popsUpMenu) {
            QCOMPARE(window.pmPro->pos(), QPoint(200, 150));
            window.pmPro->hide();
        }
    }

    void doubleClickWhileVisibleKeepsItVisible() {
        TFormTovraDesktop& window = h->start();
        showWindow(window);
        QVERIFY(h->tray.click(platform::kWmLButtonDblClk));
        QVERIFY(window.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void menuFollowsVisibility() {
        TFormTovraDesktop& window = h->start();
        QVERIFY(window.N5->isEnabled());
        QVERIFY(!window.N6->isEnabled());
        QVERIFY(window.N1->isChecked());

        window.N5->trigger();
        QVERIFY(window.isVisible());
        QVERIFY(!window.N5->isEnabled());
        QVERIFY(window.N6->isEnabled());

        window.N6->trigger();
        QVERIFY(!window.isVisible());
        QVERIFY(window.N5->isEnabled());
        QVERIFY(!window.N6->isEnabled());
    }

    void hidingTakesTheDockedWindowsShowingBringsTheMainWindowAlone() {
        TFormTovraDesktop& window = h->start();
        auto list = standIn({312, 180});
        auto preview = standIn({200, 180});
        window.setDockedWindows(list.get(), preview.get());
        showWindow(window);
        list->show();
        preview->show();

        QTest::mouseClick(window.SBTran, Qt::LeftButton); // "－" hides like the menu
        QVERIFY(!window.isVisible());
        QVERIFY(!list->isVisible());
        QVERIFY(!preview->isVisible());

        window.N5->trigger();
        QVERIFY(window.isVisible());
        QVERIFY(!list->isVisible());
        QVERIFY(!preview->isVisible());
    }

    void movingDocksBothWindows_data() {
        QTest::addColumn<bool>("dockedVisible");
        QTest::newRow("docked windows hidden") << false;
        QTest::newRow("docked windows shown") << true;
    }

    void movingDocksBothWindows() {
        QFETCH(bool, dockedVisible);
        TFormTovraDesktop& window = h->start();
        auto list = standIn({312, 180});
        auto preview = standIn({200, 180});
        window.setDockedWindows(list.get(), preview.get());
        showWindow(window);
        list->setVisible(dockedVisible);
        preview->setVisible(dockedVisible);

        window.move(100, 50);
        QTRY_COMPARE(list->pos(), QPoint(100, 50 + 237));
        QTRY_COMPARE(preview->pos(), QPoint(100 + 312, 50 + 237));
        window.move(20, 10);
        QTRY_COMPARE(list->pos(), QPoint(20, 247));
        QTRY_COMPARE(preview->pos(), QPoint(332, 247));
        QCOMPARE(list->isVisible(), dockedVisible);
        QCOMPARE(preview->isVisible(), dockedVisible);
    }

    void dockButtonsToggleTheirWindow_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("button 8, preview") << 8;
        QTest::newRow("button 9, list") << 9;
    }

    void dockButtonsToggleTheirWindow() {
        QFETCH(int, button);
        // The program's own preview and list windows, as start-up docks them.
        TFormTovraDesktop& window = h->start();
        QWidget* preview = h->wallpaper.preview.get();
        QWidget* list = h->wallpaper.list.get();
        showWindow(window);
        window.move(40, 30);
        QTRY_COMPARE(window.pos(), QPoint(40, 30));
        // Put the target somewhere else: the button docks it before showing it.
        QWidget* target = button == 8 ? preview : list;
        QWidget* other = button == 8 ? list : preview;
        target->move(600, 400);
        const QPoint docked = button == 8 ? QPoint(352, 267) : QPoint(40, 267);
        auto* control = button == 8 ? window.bsSkinXFormButton8 : window.bsSkinXFormButton9;

        QTest::mouseClick(control, Qt::LeftButton);
        QVERIFY(target->isVisible());
        QCOMPARE(target->pos(), docked);
        QVERIFY(!other->isVisible());

        QTest::mouseClick(control, Qt::LeftButton);
        QVERIFY(!target->isVisible());
        QVERIFY(!other->isVisible());
    }

    void dockButtonsWithoutDockedWindowsDoNothing() {
        TFormTovraDesktop& window = h->start();
        window.setDockedWindows(nullptr, nullptr);
        showWindow(window);
        QTest::mouseClick(window.bsSkinXFormButton8, Qt::LeftButton);
        QTest::mouseClick(window.bsSkinXFormButton9, Qt::LeftButton);
        window.move(30, 30); // docking without docked windows is no error either
        QVERIFY(window.isVisible());
        QVERIFY(h->boxes.calls.empty());
    }

    void hintLabelNamesWhatTheMouseEnters_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        const char* const texts[] = {"桌面墙纸", "开始菜单", "桌面图标", "屏幕保护", "桌面绘画",
                                     "保护设置", "壁纸管理", "图片预览", "显示列表"};
        for (int n = 1; n <= 9; ++n) {
            const QString name = QStringLiteral("bsSkinXFormButton") + QString::number(n);
            QTest::newRow(qPrintable(name)) << name << QString::fromUtf8(texts[n - 1]);
        }
        QTest::newRow("SBAlpha") << QStringLiteral("SBAlpha") << QStringLiteral("窗体透明");
        QTest::newRow("SBAbort") << QStringLiteral("SBAbort") << QStringLiteral("关于Tavro");
        QTest::newRow("SBTran") << QStringLiteral("SBTran") << QStringLiteral("最小化");
        QTest::newRow("SBClose") << QStringLiteral("SBClose") << QStringLiteral("关闭Tavro");
        QTest::newRow("btTavro") << QStringLiteral("btTavro") << QStringLiteral("Tavro网站");
    }

    void hintLabelNamesWhatTheMouseEnters() {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        TFormTovraDesktop& window = h->start();
        showWindow(window);
        const std::map<QString, QWidget*> controls = {
            {QStringLiteral("bsSkinXFormButton1"), window.bsSkinXFormButton1},
            {QStringLiteral("bsSkinXFormButton2"), window.bsSkinXFormButton2},
            {QStringLiteral("bsSkinXFormButton3"), window.bsSkinXFormButton3},
            {QStringLiteral("bsSkinXFormButton4"), window.bsSkinXFormButton4},
            {QStringLiteral("bsSkinXFormButton5"), window.bsSkinXFormButton5},
            {QStringLiteral("bsSkinXFormButton6"), window.bsSkinXFormButton6},
            {QStringLiteral("bsSkinXFormButton7"), window.bsSkinXFormButton7},
            {QStringLiteral("bsSkinXFormButton8"), window.bsSkinXFormButton8},
            {QStringLiteral("bsSkinXFormButton9"), window.bsSkinXFormButton9},
            {QStringLiteral("SBAlpha"), window.SBAlpha},
            {QStringLiteral("SBAbort"), window.SBAbort},
            {QStringLiteral("SBTran"), window.SBTran},
            {QStringLiteral("SBClose"), window.SBClose},
            {QStringLiteral("btTavro"), window.btTavro}};
        QWidget* widget = controls.at(control);

        QCOMPARE(window.lblhint->text(), QStringLiteral("桌面墙纸")); // the initial caption
        sendMove(window.imgback, {5, 200}, Qt::NoButton);
        QCOMPARE(window.lblhint->text(), QString());

        sendEnter(widget);
        QCOMPARE(window.lblhint->text(), hint);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &leave);
        QCOMPARE(window.lblhint->text(), hint); // kept until the background empties it
        sendMove(window.imgback, {5, 200}, Qt::NoButton);
        QCOMPARE(window.lblhint->text(), QString());
    }

    void transparencyDragStepsTheOpacity() {
        TFormTovraDesktop& window = h->start();
        showWindow(window);
        const QPoint start = window.pos();
        QCOMPARE(window.windowOpacity(), 1.0);
        QVERIFY(!window.TrackBar1->isVisible());
        QVERIFY(!window.TrackBar1->isEnabled());

        QTest::mousePress(window.SBAlpha, Qt::LeftButton, {}, {10, 10});
        QVERIFY(window.TrackBar1->isVisible());
        QVERIFY(window.TrackBar1->isEnabled());
        QVERIFY(!window.Magnetic1->isActive());

        struct Step {
            int x;
            int value;
        };
        // Last X starts at 0: right raises (clamped at 255), left or no progress lowers.
        const Step steps[] = {{10, 255}, {4, 250}, {4, 245}, {-20, 240}, {30, 245}};
        for (const Step& step : steps) {
            sendMove(window.SBAlpha, {step.x, 10}, Qt::LeftButton);
            QCOMPARE(window.TrackBar1->value(), step.value);
            QCOMPARE(qRound(window.windowOpacity() * 255), step.value);
        }
        QTest::mouseRelease(window.SBAlpha, Qt::LeftButton, {}, {30, 10});
        QVERIFY(!window.TrackBar1->isVisible());
        QVERIFY(!window.TrackBar1->isEnabled());
        QVERIFY(window.Magnetic1->isActive());
        QCOMPARE(window.pos(), start); // the press on "A" never dragged the window

        sendMove(window.SBAlpha, {50, 10}, Qt::NoButton); // no drag: nothing changes
        QCOMPARE(window.TrackBar1->value(), 245);

        // The next drag compares its first move with where the last one ended (30).
        QTest::mousePress(window.SBAlpha, Qt::RightButton, {}, {20, 10});
        QVERIFY(window.TrackBar1->isEnabled());
        sendMove(window.SBAlpha, {25, 10}, Qt::RightButton);
        QCOMPARE(window.TrackBar1->value(), 240);
        QTest::mouseRelease(window.SBAlpha, Qt::RightButton, {}, {25, 10});
        QVERIFY(!window.TrackBar1->isEnabled());
    }

    void dragToTheLeftReachesInvisibleAndStaysInPlace() {
        TFormTovraDesktop& window = h->start();
        showWindow(window);
        const QPoint start = window.pos();
        QTest::mousePress(window.SBAlpha, Qt::LeftButton, {}, {10, 10});
        for (int i = 0; i < 60; ++i) {
            sendMove(window.SBAlpha, {-i, 10}, Qt::LeftButton);
        }
        QCOMPARE(window.TrackBar1->value(), 0);
        QCOMPARE(window.windowOpacity(), 0.0);
        QTest::mouseRelease(window.SBAlpha, Qt::LeftButton, {}, {-60, 10});
        QVERIFY(window.isVisible());
        QCOMPARE(window.pos(), start);
    }

    void homePageButton_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("OK") << platform::kIdOk << true;
        QTest::newRow("Cancel") << platform::kIdCancel << false;
    }

    void homePageButton() {
        QFETCH(int, answer);
        QFETCH(bool, opened);
        TFormTovraDesktop& window = h->start();
        showWindow(window);
        h->boxes.answers = {answer};
        QTest::mouseClick(window.btTavro, Qt::LeftButton);

        const auto hwnd = static_cast<platform::Hwnd>(window.winId());
        QCOMPARE(h->boxes.calls.size(), std::size_t{1});
        QCOMPARE(h->boxes.calls[0].owner, hwnd);
        QCOMPARE(h->boxes.calls[0].text, std::string("单击确定按钮将要到\"Tavro桌面精灵\"的家园"));
        QCOMPARE(h->boxes.calls[0].caption, std::string("Tavro提示"));
        QCOMPARE(h->boxes.calls[0].type, platform::kMbOkCancel);
        QCOMPARE(h->shell.calls.size(), std::size_t{opened ? 1u : 0u});
        if (opened) {
            const auto& call = h->shell.calls[0];
            QCOMPARE(call.owner, hwnd);
            QCOMPARE(call.operation, std::string());
            QCOMPARE(call.file, std::string(tovra::mainwindow::kHomePage));
            QCOMPARE(call.parameters, std::string());
            QCOMPARE(call.directory, std::string());
            QCOMPARE(call.showCommand, platform::kSwShowNormal);
        }
    }

    void autostartToggle() {
        TFormTovraDesktop& window = h->start();
        QVERIFY(window.N1->isChecked()); // checked at start, with no Run value at all
        QCOMPARE(runValue(), std::string("<none>"));
        const std::string question = "你是否真的要关闭\"Tavro桌面精灵\"开机自动运行功能，\r"
                                     "单击‘确定’关闭功能，否则单击‘取消’。";

        h->boxes.answers = {platform::kIdCancel};
        window.N1->trigger();
        QVERIFY(window.N1->isChecked());
        QCOMPARE(h->boxes.calls.size(), std::size_t{1});
        QCOMPARE(h->boxes.calls[0].text, question);
        QCOMPARE(h->boxes.calls[0].caption, std::string("Tavro提示"));
        QCOMPARE(h->boxes.calls[0].type, platform::kMbOkCancel);
        QCOMPARE(h->boxes.calls[0].owner, static_cast<platform::Hwnd>(window.winId()));

        h->boxes.answers = {platform::kIdOk};
        window.N1->trigger();
        QVERIFY(!window.N1->isChecked()); // although there was no value to delete
        QCOMPARE(h->boxes.calls.size(), std::size_t{2});

        window.N1->trigger(); // turning it on asks nothing
        QVERIFY(window.N1->isChecked());
        QCOMPARE(h->boxes.calls.size(), std::size_t{2});
        QCOMPARE(runValue(), "\"" + h->executablePath + "\"");
        // ... and the desktop starts the program at log-on too.
        const auto entry =
            h->temp.path() / "config" / "autostart" / "tovra-run-tavrodesktop.desktop";
        const std::string exec = *tovra::platform::emulated::execValue({h->executablePath});
        QVERIFY(tovra::test::readBytes(entry).find("\nExec=" + exec + "\n") != std::string::npos);

        h->boxes.answers = {platform::kIdCancel};
        window.N1->trigger();
        QCOMPARE(runValue(), "\"" + h->executablePath + "\"");
        h->boxes.answers = {platform::kIdOk};
        window.N1->trigger();
        QVERIFY(!window.N1->isChecked());
        QCOMPARE(runValue(), std::string("<none>"));
        QVERIFY(!std::filesystem::exists(entry));
    }

    void anAutostartThatCannotBeWrittenIsReportedAndLeavesTheMarkOff() {
        // No desktop entry can hold a program with "=" in its path.
        h->executablePath = (h->temp.path() / "a=b" / "TovraDesktop").string();
        TFormTovraDesktop& window = h->start();
        std::vector<std::string> reported;
        h->errors.previewWindowCreated(
            [&reported](const std::string& text) { reported.push_back(text); });
        h->boxes.answers = {platform::kIdOk};
        window.N1->trigger(); // checked at start: asks, and clears it
        window.N1->trigger(); // turning it on fails
        QVERIFY(!window.N1->isChecked());
        QCOMPARE(reported, std::vector<std::string>{"Failed to set data for 'TavroDesktop'"});
        QCOMPARE(runValue(), std::string("<none>"));
        QVERIFY(!std::filesystem::exists(h->temp.path() / "config" / "autostart" /
                                         "tovra-run-tavrodesktop.desktop"));
    }

    void exitWithAnUnwritableSettingsFileStillExitsWithoutAMessage() {
        h->settingsFile = (tovra::test::unwritableFolder(h->temp) / "TovraDesktop.ini").string();
        TFormTovraDesktop& window = h->start();
        QVERIFY(h->wallpaper.preview != nullptr);
        showWindow(window);
        QSignalSpy closed(&window, &TFormTovraDesktop::closed);
        QVERIFY(window.close());
        QCOMPARE(closed.count(), 1);
        QVERIFY(!window.isVisible());
        QCOMPARE(h->tray.calls.back().message, platform::kNimDelete);
        // The save failed; once the preview window exists no failure is shown.
        QVERIFY(!std::filesystem::exists(h->settingsFile));
        QVERIFY(h->boxes.calls.empty());
    }

    void exitFromTheMenuWhileHidden() {
        TFormTovraDesktop& window = h->start();
        QSignalSpy closed(&window, &TFormTovraDesktop::closed);
        window.N8->trigger();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(h->tray.calls.back().message, platform::kNimDelete);
        QVERIFY(std::filesystem::exists(h->settingsFile));
    }

    void startWithoutTrayShowsTheWindow() {
        h->tray.available = false;
        TFormTovraDesktop& window = h->start();
        QVERIFY(window.isVisible());
        QVERIFY(!window.hasTrayIcon());
        QVERIFY(window.hasTaskbarEntry());
        QVERIFY(h->tray.calls.empty());
        QVERIFY(!window.N5->isEnabled());
        QSignalSpy closed(&window, &TFormTovraDesktop::closed);
        QTest::mouseClick(window.SBClose, Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QVERIFY(h->tray.calls.empty()); // no icon to remove
    }

    void withoutTrayHidingMinimisesToTheTaskbar_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("－") << false;
        QTest::newRow("隐藏主窗体") << true;
    }

    void withoutTrayHidingMinimisesToTheTaskbar() {
        QFETCH(bool, fromMenu);
        h->tray.available = false;
        TFormTovraDesktop& window = h->start();
        auto list = standIn({312, 180});
        window.setDockedWindows(list.get(), nullptr);
        list->show();
        if (fromMenu) {
            window.N6->trigger();
        } else {
            QTest::mouseClick(window.SBTran, Qt::LeftButton);
        }
        QVERIFY(window.isMinimized());
        QVERIFY(window.hasTaskbarEntry());
        QVERIFY(!list->isVisible());
    }

    void aTrayThatAppearsLaterGetsTheIconAndOneThatGoesGivesTheTaskbarBack() {
        h->tray.available = false;
        TFormTovraDesktop& window = h->start();
        QVERIFY(window.tmrTray->isActive());
        h->tray.available = true; // the panel has started
        QTRY_VERIFY_WITH_TIMEOUT(h->tray.iconShown(), 5000);
        QVERIFY(window.hasTrayIcon());
        QVERIFY(!window.hasTaskbarEntry());
        QVERIFY(window.isVisible()); // in view it stays in view
        QCOMPARE(h->tray.calls.back().data.uCallbackMessage, 1025u);

        QTest::mouseClick(window.SBTran, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        h->tray.available = false; // the panel has gone
        QTRY_VERIFY_WITH_TIMEOUT(!h->tray.iconShown(), 5000);
        QVERIFY(window.hasTaskbarEntry());
        QVERIFY(window.isMinimized());
    }

    void buttonsOneToSevenAskForTheirFeatureWindow() {
        TFormTovraDesktop& window = h->start();
        showWindow(window);
        h->features->forward = false;
        using tovra::FeatureWindow;
        const std::vector<std::pair<QWidget*, FeatureWindow>> buttons = {
            {window.bsSkinXFormButton1, FeatureWindow::RotationSettings},
            {window.bsSkinXFormButton2, FeatureWindow::StartMenu},
            {window.bsSkinXFormButton3, FeatureWindow::DesktopIcons},
            {window.bsSkinXFormButton4, FeatureWindow::ScreenSaver},
            {window.bsSkinXFormButton5, FeatureWindow::Painting},
            {window.bsSkinXFormButton6, FeatureWindow::Protection},
            {window.bsSkinXFormButton7, FeatureWindow::Library}};
        std::vector<FeatureWindow> expected;
        for (const auto& [button, feature] : buttons) {
            QTest::mouseClick(button, Qt::LeftButton);
            expected.push_back(feature);
        }
        QCOMPARE(h->features->runs, expected);
        // The painting window hides the main window while it runs.
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(MainWindowGuiTest)
#include "MainWindowGuiTest.moc"
