// The application shell's own windows on the offscreen platform: the password
// prompt inside the main window's creation, the protection window behind
// button 6, the splash and About fades driven tick by tick (never waited for),
// and a whole start from the splash to an exit through the About window.

#include "app/Unit_Protect.h"
#include "app/Unit_abort.h"
#include "app/Unit_code.h"
#include "app/Unit_logo.h"
#include "app/core/MainWindowTexts.h"
#include "app/core/PasswordHash.h"
#include "app/core/PasswordPrompt.h"
#include "app/core/ProtectionSettings.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/ModalDialogs.h"
#include "toolkit/ClickLabel.h"
#include "toolkit/FlatSpeedButton.h"
#include "toolkit/FontSetup.h"
#include "toolkit/PictureBox.h"
#include "toolkit/SkinPageControl.h"
#include "toolkit/SkinPictureButton.h"

#include <filesystem>
#include <memory>

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using tovra::FeatureWindow;
using tovra::TFormabort;
using tovra::TFormCode;
using tovra::TFormlogo;
using tovra::TFormProtect;
using tovra::test::MainWindowHarness;
using tovra::test::ModalDriver;
namespace reg = tovra::settings::reg;
namespace shell = tovra::shell;

namespace {

std::string storedCode(MainWindowHarness& harness) {
    tovra::settings::RegistryAccess access(harness.platform->registry);
    access.setRootKey(reg::kPasswordRoot);
    access.openKey(std::string(reg::kPasswordKey));
    return access.readString(std::string(reg::kPasswordValue));
}

std::vector<std::string> shownTexts(const MainWindowHarness& harness) {
    std::vector<std::string> texts;
    for (const auto& call : harness.boxes.calls) {
        texts.push_back(call.text);
    }
    return texts;
}

/// How the prompt ends after the entries: by them alone, "取消", or a close.
enum class Ending { Entries, Cancel, Close };

/// Ticks a fade window's timer by hand until it closes; the ticks it took.
int ticksUntilClosed(tovra::FadeWindow& window, int limit = 100) {
    int ticks = 0;
    while (window.isVisible() && ticks < limit) {
        window.tmr1Timer();
        ++ticks;
    }
    return ticks;
}

} // namespace

class ShellWindowsGuiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowHarness> h;

private Q_SLOTS:
    void initTestCase() { tovra::toolkit::setUpFonts(); }
    void init() { h = std::make_unique<MainWindowHarness>(); }
    void cleanup() { h.reset(); }

    void promptAtStartUp_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<Ending>("ending");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("wrongMessages");
        const auto entries = [](std::initializer_list<const char*> texts) {
            QStringList list;
            for (const char* text : texts) {
                list << QString::fromUtf8(text);
            }
            return list;
        };
        QTest::newRow("two wrong, then right")
            << entries({"a", "PW", "pw"}) << Ending::Entries << true << 2;
        QTest::newRow("three wrong") << entries({"a", "b", "c"}) << Ending::Entries << false << 3;
        QTest::newRow("cancel") << entries({"a"}) << Ending::Cancel << false << 1;
        QTest::newRow("window close") << QStringList{} << Ending::Close << false << 0;
    }

    void promptAtStartUp() {
        QFETCH(QStringList, typed);
        QFETCH(Ending, ending);
        QFETCH(bool, opens);
        QFETCH(int, wrongMessages);
        QCOMPARE(shell::SaveProtection(h->platform->registry, {false, false, "pw", "pw", false}),
                 shell::ProtectionSaved::Saved);
        QVERIFY(shell::isPasswordHash(storedCode(*h)));
        h->usePasswordPrompt();
        ModalDriver driver;
        driver.onNext<TFormCode>([&](TFormCode& prompt) {
            for (const QString& entry : typed) {
                prompt.EdCode->setText(entry);
                QTest::mouseClick(prompt.bsSkinSpeedButton1, Qt::LeftButton);
            }
            if (ending == Ending::Cancel) {
                QTest::mouseClick(prompt.bsSkinSpeedButton2, Qt::LeftButton);
            } else if (ending == Ending::Close) {
                prompt.close();
            }
        });
        auto& window = h->start();
        QVERIFY(driver.ran());
        QVERIFY(!driver.leftOpen());
        QCOMPARE(h->running, opens);

        std::vector<std::string> expected(static_cast<std::size_t>(wrongMessages),
                                          std::string(shell::kWrongCodeText));
        if (wrongMessages == shell::kMaxWrongCodes) {
            expected.emplace_back(shell::kThirdWrongCodeText);
        }
        QCOMPARE(shownTexts(*h), expected);
        if (!opens) {
            // Refused: no tray icon, no About window, and no "time" saved.
            QVERIFY(!window.isVisible());
            QVERIFY(h->tray.calls.empty());
            QVERIFY(h->features->runs.empty());
            QVERIFY(!std::filesystem::exists(h->settingsFile));
        }
    }

    void protectionWindowLoadsAndSaves() {
        {
            tovra::settings::RegistryAccess access(h->platform->registry);
            access.openKey(std::string(reg::kPoliciesKey), true);
            access.writeInteger(std::string(reg::kNoChangeStartMenu), 1);
        }
        auto& main = h->start();
        ModalDriver driver;
        driver.onNext<TFormProtect>([&](TFormProtect& w) {
            QCOMPARE(w.bsSkinPageControl1->currentWidget(), w.bsSkinTabSheet2);
            QVERIFY(w.CRBStarMenu->isChecked());
            QVERIFY(!w.CRBdostop->isChecked());
            QVERIFY(w.EDcode->text().isEmpty());
            w.EDcode->setText(QStringLiteral("Neu9"));
            w.EdRecode->setText(QStringLiteral("Neu8"));
            QTest::mouseClick(w.FlatButton1, Qt::LeftButton);
            QVERIFY(w.isVisible()); // the mismatch keeps it open
            w.EdRecode->setText(QStringLiteral("Neu9"));
            QTest::mouseClick(w.FlatButton1, Qt::LeftButton);
        });
        QTest::mouseClick(main.bsSkinXFormButton6, Qt::LeftButton);
        QVERIFY(driver.ran());
        QVERIFY(!driver.leftOpen());
        QCOMPARE(shownTexts(*h), std::vector{std::string(shell::kPasswordMismatchText)});
        const std::string code = storedCode(*h);
        QVERIFY(code != "Neu9");
        QVERIFY(shell::passwordMatches(code, "Neu9"));
    }

    void splashClosesAtTheThirtiethTick() {
        TFormlogo splash;
        int ticks = 0;
        qreal opacityAfterFive = 0;
        ModalDriver driver;
        driver.onNext<TFormlogo>([&](TFormlogo& w) {
            for (int i = 0; i < 5; ++i) {
                w.tmr1Timer();
            }
            opacityAfterFive = w.windowOpacity();
            ticks = 5 + ticksUntilClosed(w);
        });
        splash.exec();
        QVERIFY(driver.ran());
        QCOMPARE(opacityAfterFive, 1.0);
        QCOMPARE(ticks, 30);
        QVERIFY(!splash.tmr1->isActive());
    }

    void aboutFadesLinksAndStartsOpaqueAgain() {
        auto& main = h->start();
        h->features->held.clear();
        ModalDriver driver;
        int ticks = 0;
        driver.onNext<TFormabort>([&](TFormabort& w) { ticks = ticksUntilClosed(w); });
        QTest::mouseClick(main.SBAbort, Qt::LeftButton);
        QVERIFY(driver.ran());
        QCOMPARE(ticks, 44);

        // Opened again from the menu, and closed by "关 闭" in mid-fade.
        const TFormabort* closed = nullptr;
        driver.onNext<TFormabort>([&](TFormabort& w) {
            QCOMPARE(w.fade().ticks(), 0);
            QCOMPARE(w.windowOpacity(), 1.0);
            QTest::mouseClick(w.bsSkinLinkLabel1, Qt::LeftButton);
            for (int i = 0; i < 25; ++i) {
                w.tmr1Timer();
            }
            QVERIFY(w.windowOpacity() < 1.0);
            QTest::mouseClick(w.bsSkinStdLabel2, Qt::LeftButton);
            closed = &w;
        });
        main.N9->trigger();
        QVERIFY(driver.ran());
        QVERIFY(!driver.leftOpen());
        QCOMPARE(closed->fade().level(), shell::kOpaqueLevel);
        QCOMPARE(closed->windowOpacity(), 1.0);
        QCOMPARE(h->shell.calls.size(), std::size_t{1});
        QCOMPARE(h->shell.calls[0].file, std::string(tovra::mainwindow::kHomePage));
        QCOMPARE(h->features->runs, (std::vector{FeatureWindow::About, FeatureWindow::About}));
    }

    void wholeStartSplashMainWindowExitThroughAbout() {
        ModalDriver driver;
        driver.onNext<TFormlogo>([](TFormlogo& w) { QTest::mouseClick(w.img1, Qt::LeftButton); });
        TFormlogo splash;
        splash.exec();
        QVERIFY(driver.ran());
        QVERIFY(!driver.leftOpen());

        auto& main = h->start();
        QVERIFY(h->running);
        main.show();
        h->features->held.clear();
        bool savedBeforeAbout = true;
        driver.onNext<TFormabort>([&](TFormabort& w) {
            savedBeforeAbout = std::filesystem::exists(h->settingsFile);
            ticksUntilClosed(w);
        });
        QSignalSpy closed(&main, &tovra::TFormTovraDesktop::closed);
        QTest::mouseClick(main.SBClose, Qt::LeftButton);
        QVERIFY(driver.ran());
        QVERIFY(!savedBeforeAbout);
        QCOMPARE(closed.count(), 1);
        QVERIFY(std::filesystem::exists(h->settingsFile));
        QCOMPARE(h->features->runs, std::vector{FeatureWindow::About});
    }
};

QTEST_MAIN(ShellWindowsGuiTest)
#include "ShellWindowsGuiTest.moc"
