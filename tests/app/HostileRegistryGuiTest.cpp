// Registry values of unexpected types and sizes under the values the windows
// read: the start-menu, desktop-icon and protection windows, the autostart
// menu item, the preview's apply and the start-up prompt. Each row opens the
// window over a registry.reg that holds the hostile value among bystanders,
// and again over one that holds, in the same place, a value the window shows
// as its default. The window must show the same, and after its OK both files
// must be the same byte for byte: the window rewrote the values it owns and
// touched no other. The prompt only reads: it refuses with its message and
// leaves the file as it was. The loaders' rules are tested against the cores.

#include "app/Unit_Protect.h"
#include "app/Unit_code.h"
#include "app/core/PasswordPrompt.h"
#include "desktop/Unit_StartMenu.h"
#include "desktop/Unit_tubiao.h"
#include "picture/Bmp.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/PatternPicture.h"
#include "tests/support/TempDir.h"
#include "toolkit/FlatSpeedButton.h"
#include "toolkit/NumberEdit.h"
#include "toolkit/SkinPictureButton.h"
#include "wallpaper/Unit_PicView.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using tovra::test::MainWindowHarness;
using tovra::test::ModalDriver;
namespace platform = tovra::platform;
namespace reg = tovra::settings::reg;
using platform::RegValue;

namespace {

/// Which window reads the value, and so how a row drives it to its OK.
enum class Window { StartMenu, Icons, Protection, Autostart, Apply, Prompt };

struct RegistryTarget {
    const char* name;
    Window window;
    platform::HKey root;
    std::string_view key;
    std::string_view value;
    /// A value the window shows as it shows a missing one.
    RegValue neutral;
    /// A value of the type the window does not read there.
    RegValue otherType;
};

RegValue bytes(std::uint32_t type, std::string_view data) {
    return {type, std::vector<std::uint8_t>(data.begin(), data.end())};
}

const std::vector<RegistryTarget>& targets() {
    using platform::kHkeyCurrentUser;
    using platform::kHkeyLocalMachine;
    static const std::vector<RegistryTarget> all = {
        {"StartMenuScrollPrograms", Window::StartMenu, kHkeyLocalMachine, reg::kAdvancedKey,
         reg::kStartMenuScrollPrograms, RegValue::dword(1), RegValue::text("0")},
        // The window takes the delay as text or as a number: a list is neither.
        {"MenuShowDelay", Window::StartMenu, kHkeyCurrentUser, reg::kDesktopKey,
         reg::kMenuShowDelay, RegValue::text("5"), bytes(platform::kRegMultiSz, {"300\0", 5})},
        {"link", Window::Icons, kHkeyLocalMachine, reg::kExplorerKey, reg::kShortcutNaming,
         RegValue::dword(1), RegValue::text("0")},
        {"NoChangeStartMenu", Window::Protection, kHkeyCurrentUser, reg::kPoliciesKey,
         reg::kNoChangeStartMenu, RegValue::dword(0), RegValue::text("1")},
        {"autostart", Window::Autostart, reg::kRunRoot, reg::kRunKey, reg::kRunValue,
         RegValue::text("\"/opt/elsewhere\""), RegValue::dword(1)},
        {"wallpaperstyle", Window::Apply, kHkeyCurrentUser, reg::kDesktopKey, reg::kWallpaperStyle,
         RegValue::text("2"), RegValue::dword(2)},
        {"TileWallpaper", Window::Apply, kHkeyCurrentUser, reg::kDesktopKey, reg::kTileWallpaper,
         RegValue::text("0"), RegValue::dword(1)},
        {"code", Window::Prompt, reg::kPasswordRoot, reg::kPasswordKey, reg::kPasswordValue,
         RegValue::text("pw"), RegValue::dword(1)},
    };
    return all;
}

enum class Kind { OtherType, EmptyBinary, MegabyteBinary, LongText, LineBreaks, InvalidUtf8 };

constexpr std::pair<const char*, Kind> kKinds[] = {
    {"the other type", Kind::OtherType},
    {"REG_BINARY of 0 bytes", Kind::EmptyBinary},
    {"REG_BINARY of 1 MB", Kind::MegabyteBinary},
    {"100,000 characters", Kind::LongText},
    {"line breaks", Kind::LineBreaks},
    {"invalid UTF-8", Kind::InvalidUtf8},
};

RegValue hostile(const RegistryTarget& target, Kind kind) {
    switch (kind) {
    case Kind::OtherType:
        return target.otherType;
    case Kind::EmptyBinary:
        return {platform::kRegBinary, {}};
    case Kind::MegabyteBinary:
        return {platform::kRegBinary, std::vector<std::uint8_t>(std::size_t{1} << 20, 0xA5)};
    case Kind::LongText:
        return RegValue::text(std::string(100'000, 'x'));
    case Kind::LineBreaks:
        return RegValue::text("1\r\n0\n");
    case Kind::InvalidUtf8:
        // No text type can hold these bytes (the registry refuses them): binary can.
        return bytes(platform::kRegBinary, "\xff\xfe\xc3\xd7\xc0\xc3\xe6");
    }
    return {};
}

void set(platform::Registry& registry, platform::HKey root, std::string_view key,
         std::string_view name, const RegValue& value) {
    platform::HKey handle = 0;
    QCOMPARE(registry.createKey(root, std::string(key.substr(1)), handle), platform::kErrorSuccess);
    QCOMPARE(registry.setValue(handle, std::string(name), value), platform::kErrorSuccess);
    registry.closeKey(handle);
}

/// What a run of a window left: what it showed, its message boxes, and the files.
struct Run {
    QString shown;
    std::vector<std::string> boxes;
    std::string registry;
    std::string settings;
};

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class HostileRegistryGuiTest : public QObject {
    Q_OBJECT

    /// Shared by every run, so that the path the apply hands over is the same in each.
    std::unique_ptr<tovra::test::TempDir> pictures;
    std::map<std::string, Run> neutralRuns;

    /// Bystanders in every key a row reads, and a key of its own with one value of each type.
    static void seedBystanders(platform::Registry& registry) {
        for (const RegistryTarget& target : targets()) {
            set(registry, target.root, target.key, "Bystander", RegValue::text("keep"));
        }
        const std::string_view own = "\\Software\\Bystander";
        set(registry, platform::kHkeyCurrentUser, own, "number", RegValue::dword(3));
        set(registry, platform::kHkeyCurrentUser, own, "lines", RegValue::text("a\r\nb"));
        set(registry, platform::kHkeyCurrentUser, own, "data", bytes(platform::kRegBinary, "\x01"));
    }

    QString drive(MainWindowHarness& h, Window window) {
        QString shown;
        ModalDriver driver;
        auto& main = h.start();
        switch (window) {
        case Window::StartMenu:
            driver.onNext<tovra::desktop::TFormStartMenu>([&](auto& w) {
                shown =
                    QStringLiteral("%1 %2").arg(w.CRBMuiShow->isChecked()).arg(w.EdValue->value());
                click(w.FlatButton1);
            });
            click(main.bsSkinXFormButton2);
            break;
        case Window::Icons:
            driver.onNext<tovra::desktop::TFormtubiao>([&](auto& w) {
                shown = QStringLiteral("%1 %2")
                            .arg(w.CheckRadioBox3->isChecked())
                            .arg(w.CheckRadioBox5->isChecked());
                click(w.FlatButton1);
            });
            click(main.bsSkinXFormButton3);
            break;
        case Window::Protection:
            driver.onNext<tovra::TFormProtect>([&](auto& w) {
                shown = QStringLiteral("%1 %2")
                            .arg(w.CRBStarMenu->isChecked())
                            .arg(w.CRBdostop->isChecked());
                w.RBCode->setChecked(true); // no password to store
                click(w.FlatButton1);
            });
            click(main.bsSkinXFormButton6);
            break;
        case Window::Autostart:
            h.boxes.answers = {platform::kIdOk};
            main.N1->trigger(); // checked at start: asks, then takes the value away
            return QString::number(main.N1->isChecked());
        case Window::Apply:
            QTest::mouseClick(h.wallpaper.preview->FlatButton1, Qt::LeftButton);
            h.wallpaper.preview->N2->trigger();
            return QString::fromStdString(h.wallpaper.preview->PreviewFileName);
        case Window::Prompt:
            break;
        }
        if (!driver.ran() || driver.leftOpen()) {
            return QStringLiteral("the window did not run to its OK");
        }
        return shown;
    }

    Run run(const RegistryTarget& target, const RegValue& value) {
        MainWindowHarness h;
        const std::string picture = pictures->file("a.bmp");
        tovra::test::writeBytes(h.settingsFile, "[TovraDesktop PicNameList]\r\n" + picture +
                                                    "=\r\n[views]\r\nD:\\v.jpg=\r\n");
        seedBystanders(h.platform->registry);
        set(h.platform->registry, target.root, target.key, target.value, value);
        Run result;
        result.shown = drive(h, target.window);
        for (const auto& call : h.boxes.calls) {
            result.boxes.push_back(call.text);
        }
        result.registry = tovra::test::readBytes(h.temp.path() / "state" / "registry.reg");
        result.settings = tovra::test::readBytes(h.settingsFile);
        return result;
    }

    const Run& neutralRun(const RegistryTarget& target) {
        const auto found = neutralRuns.find(target.name);
        if (found != neutralRuns.end()) {
            return found->second;
        }
        return neutralRuns.emplace(target.name, run(target, target.neutral)).first->second;
    }

private Q_SLOTS:
    void initTestCase() {
        pictures = std::make_unique<tovra::test::TempDir>();
        tovra::test::writeBytes(pictures->path() / "a.bmp",
                                tovra::picture::encodeBmp(tovra::test::patternPicture(
                                    {8, 8}, tovra::picture::PixelFormat::Bgr24)));
    }

    void windowsShowTheDefaultAndRewriteOnlyTheirOwn_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<Kind>("kind");
        for (std::size_t i = 0; i < targets().size(); ++i) {
            if (targets()[i].window == Window::Prompt) {
                continue;
            }
            for (const auto& [name, kind] : kKinds) {
                QTest::addRow("%s, %s", targets()[i].name, name) << static_cast<int>(i) << kind;
            }
        }
    }
    void windowsShowTheDefaultAndRewriteOnlyTheirOwn() {
        QFETCH(int, target);
        QFETCH(Kind, kind);
        const RegistryTarget& read = targets().at(static_cast<std::size_t>(target));
        const Run& expected = neutralRun(read);
        const Run got = run(read, hostile(read, kind));
        QCOMPARE(got.shown, expected.shown);
        QCOMPARE(got.boxes, expected.boxes);
        QVERIFY(got.registry == expected.registry); // QCOMPARE would print megabytes
        QVERIFY(got.settings == expected.settings);
    }

    void thePromptRefusesAndWritesNothing_data() {
        QTest::addColumn<Kind>("kind");
        for (const auto& [name, kind] : kKinds) {
            QTest::newRow(name) << kind;
        }
    }
    void thePromptRefusesAndWritesNothing() {
        QFETCH(Kind, kind);
        const RegistryTarget& code = targets().back();
        // A text is a wrong password; anything else cannot be read as one.
        const std::string message = hostile(code, kind).type == platform::kRegSz
                                        ? std::string(tovra::shell::kWrongCodeText)
                                        : "Invalid data type for 'code'";
        MainWindowHarness h;
        seedBystanders(h.platform->registry);
        set(h.platform->registry, code.root, code.key, code.value, hostile(code, kind));
        const auto file = h.temp.path() / "state" / "registry.reg";
        const std::string before = tovra::test::readBytes(file);
        h.usePasswordPrompt();
        ModalDriver driver;
        driver.onNext<tovra::TFormCode>([](tovra::TFormCode& prompt) {
            click(prompt.bsSkinSpeedButton1); // "确定" with nothing typed
            click(prompt.bsSkinSpeedButton2); // "取消"
        });
        h.start();
        QVERIFY(driver.ran());
        QVERIFY(!h.running);
        QCOMPARE(h.boxes.calls.size(), std::size_t{1});
        QCOMPARE(h.boxes.calls[0].text, message);
        QVERIFY(tovra::test::readBytes(file) == before);
    }
};

QTEST_MAIN(HostileRegistryGuiTest)
#include "HostileRegistryGuiTest.moc"
