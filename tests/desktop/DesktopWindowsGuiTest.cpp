// The desktop subsystem's windows opened by the main window's buttons 2, 3
// and 4, driven through their controls on the offscreen platform: each proves
// its wiring to the core (which has its own tables) with one case.

#include "desktop/Unit_StartMenu.h"
#include "desktop/Unit_screen.h"
#include "desktop/Unit_tubiao.h"
#include "platform/emulated/ActivityLog.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/ModalDialogs.h"
#include "toolkit/NumberEdit.h"
#include "toolkit/SkinCheckListBox.h"
#include "toolkit/SkinFileControls.h"
#include "toolkit/SkinOpenDialog.h"
#include "toolkit/SkinPageControl.h"
#include "toolkit/SkinPictureButton.h"
#include "toolkit/SkinRadioGroup.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTest>

using tovra::desktop::TFormscreen;
using tovra::desktop::TFormStartMenu;
using tovra::desktop::TFormtubiao;
using tovra::test::MainWindowHarness;
using tovra::test::ModalDriver;
namespace platform = tovra::platform;
namespace reg = tovra::settings::reg;

namespace {

std::string registryFile(const MainWindowHarness& harness) {
    return tovra::test::readBytes(harness.temp.path() / "state" / "registry.reg");
}

std::optional<platform::RegValue> stored(MainWindowHarness& harness, platform::HKey root,
                                         std::string_view key, const std::string& name) {
    tovra::settings::RegistryAccess access(harness.platform->registry);
    access.setRootKey(root);
    access.openKey(std::string(key));
    return access.readValue(name);
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

/// Clicks a check list's row on its box or on its caption, where the style
/// draws them.
void clickRow(tovra::toolkit::SkinCheckListBox& list, int row, bool onBox) {
    struct Options : QStyledItemDelegate {
        void fill(QStyleOptionViewItem* option, const QModelIndex& index) const {
            initStyleOption(option, index);
        }
    } delegate;
    const QModelIndex index = list.model()->index(row, 0);
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.rect = list.visualRect(index);
    delegate.fill(&option, index);
    const QRect part = list.style()->subElementRect(onBox ? QStyle::SE_ItemViewItemCheckIndicator
                                                          : QStyle::SE_ItemViewItemText,
                                                    &option, &list);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, part.center());
}

} // namespace

class DesktopWindowsGuiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startMenuLoadsAndSaves();
    void returnWritesNothingAndEachOpeningIsNew();
    void desktopIconsOwnOverlayWinsOverTheArrow();
    void checkListRowsToggleOnTheirBoxAndOnTheirCaption();
    void desktopItemChooserWaitsForAnItem();
    void screenSaverChooserListsTheSystemFolder();
};

void DesktopWindowsGuiTest::startMenuLoadsAndSaves() {
    MainWindowHarness harness;
    auto& main = harness.start();
    {
        tovra::settings::RegistryAccess access(harness.platform->registry);
        access.openKey(std::string(reg::kPoliciesKey));
        access.writeInteger("NoRun", 1);
        access.openKey(std::string(reg::kDesktopKey));
        access.writeString("MenuShowDelay", "400");
    }
    ModalDriver driver;
    driver.onNext<TFormStartMenu>([](TFormStartMenu& w) {
        QCOMPARE(w.bsSkinPageControl1->currentWidget(), w.bsSkinTabSheet2);
        QVERIFY(w.CheckListBox1->checked(3));
        QCOMPARE(w.EdValue->value(), 400);
        w.CheckListBox1->setChecked(0, true);
        click(w.FlatButton1);
    });
    click(main.bsSkinXFormButton2);
    QVERIFY(driver.ran());
    QVERIFY(!driver.leftOpen());
    QCOMPARE(stored(harness, platform::kHkeyCurrentUser, reg::kPoliciesKey, "NoFavoritesMenu"),
             platform::RegValue::dword(1));
    QCOMPARE(stored(harness, platform::kHkeyCurrentUser, reg::kDesktopKey, "MenuShowDelay"),
             platform::RegValue::text("400"));
}

void DesktopWindowsGuiTest::returnWritesNothingAndEachOpeningIsNew() {
    MainWindowHarness harness;
    auto& main = harness.start();
    harness.platform->shell.addToRecentDocs(platform::kShardPath, std::string("/docs/a.txt"));
    std::string before;
    const QWidget* first = nullptr;
    ModalDriver driver;
    driver.onNext<TFormStartMenu>([&](TFormStartMenu& w) {
        first = &w;
        before = registryFile(harness); // as the load left it
        w.CheckListBox1->setChecked(0, true);
        w.CRBClear->setChecked(true);
        click(w.FlatButton2);
    });
    click(main.bsSkinXFormButton2);
    QVERIFY(driver.ran() && !driver.leftOpen());
    QCOMPARE(registryFile(harness), before);
    QVERIFY(!tovra::test::readBytes(harness.temp.path() / "state" / "RecentDocuments.txt").empty());

    driver.onNext<TFormStartMenu>([first](TFormStartMenu& w) {
        QVERIFY(&w != first);
        QVERIFY(!w.CheckListBox1->checked(0));
        click(w.FlatButton2);
    });
    click(main.bsSkinXFormButton2);
    QVERIFY(driver.ran());
}

void DesktopWindowsGuiTest::desktopIconsOwnOverlayWinsOverTheArrow() {
    MainWindowHarness harness;
    auto& main = harness.start();
    ModalDriver driver;
    driver.onNext<TFormtubiao>([](TFormtubiao& w) {
        QVERIFY(!w.EDIco->isEnabled());
        w.CheckRadioBox3->setChecked(true);
        w.CheckRadioBox4->setChecked(true); // CheckRadioBox4Click
        QVERIFY(w.EDIco->isEnabled() && w.SBICOSelect->isEnabled());
        w.EDIco->setText(QStringLiteral("D:\\图标\\mine.ico"));
        w.CheckRadioBox2->setChecked(true); // CheckRadioBox2Click
        QVERIFY(!w.FlatPanel1->isEnabled());
        click(w.FlatButton1);
    });
    click(main.bsSkinXFormButton3);
    QVERIFY(driver.ran() && !driver.leftOpen());
    QCOMPARE(stored(harness, platform::kHkeyLocalMachine, reg::kDesktopShellIconsKey, "29"),
             platform::RegValue::text("D:\\图标\\mine.ico"));
}

void DesktopWindowsGuiTest::checkListRowsToggleOnTheirBoxAndOnTheirCaption() {
    struct Case {
        bool startMenu;
        int row;
        bool onBox;
    };
    const Case cases[] = {
        {true, 2, true},   // "搜索", first column
        {true, 5, true},   // "关闭系统", second column
        {true, 8, false},  // "设置\任务栏和开始菜单"
        {false, 1, true},  // "网上邻居"
        {false, 2, false}, // "网上邻居\整个网络"
    };
    MainWindowHarness harness;
    auto& main = harness.start();
    for (const Case& c : cases) {
        const auto toggle = [&c](tovra::toolkit::SkinPageControl& pages, QWidget* sheet,
                                 tovra::toolkit::SkinCheckListBox& list) {
            pages.setCurrentWidget(sheet);
            clickRow(list, c.row, c.onBox);
            QVERIFY2(list.checked(c.row), qPrintable(list.item(c.row)->text()));
            clickRow(list, c.row, c.onBox);
            QVERIFY(!list.checked(c.row));
        };
        ModalDriver driver;
        if (c.startMenu) {
            driver.onNext<TFormStartMenu>([&](TFormStartMenu& w) {
                toggle(*w.bsSkinPageControl1, w.bsSkinTabSheet1, *w.CheckListBox1);
            });
            click(main.bsSkinXFormButton2);
        } else {
            driver.onNext<TFormtubiao>([&](TFormtubiao& w) {
                toggle(*w.bsSkinPageControl1, w.bsSkinTabSheet1, *w.CheckListBox1);
            });
            click(main.bsSkinXFormButton3);
        }
        QVERIFY(driver.ran());
    }
}

void DesktopWindowsGuiTest::desktopItemChooserWaitsForAnItem() {
    MainWindowHarness harness;
    auto& main = harness.start();
    ModalDriver driver;
    ModalDriver chooser;
    driver.onNext<TFormtubiao>([&](TFormtubiao& w) {
        w.bsSkinPageControl1->setCurrentWidget(w.bsSkinTabSheet3);
        const auto face = [](QWidget* button) {
            return button->grab().toImage().pixelColor(3, button->height() / 2);
        };
        // Both "..." wait, and look it, until there is something to choose for.
        for (QWidget* button :
             {static_cast<QWidget*>(w.bsSkinSpeedButton1), static_cast<QWidget*>(w.SBICOSelect)}) {
            QVERIFY(!button->isEnabled());
            QVERIFY(face(button) != tovra::toolkit::FlatSpeedButton::kFace);
        }
        click(w.RadioGroup1->item(0));
        QVERIFY(w.bsSkinSpeedButton1->isEnabled());
        QCOMPARE(face(w.bsSkinSpeedButton1), tovra::toolkit::FlatSpeedButton::kFace);
        chooser.onNext<tovra::toolkit::SkinOpenDialog>(
            [](tovra::toolkit::SkinOpenDialog& d) { static_cast<QDialog&>(d).reject(); });
        click(w.bsSkinSpeedButton1);
        QVERIFY(chooser.ran());
        click(w.FlatButton2);
    });
    click(main.bsSkinXFormButton3);
    QVERIFY(driver.ran() && !driver.leftOpen());
}

void DesktopWindowsGuiTest::screenSaverChooserListsTheSystemFolder() {
    MainWindowHarness harness;
    auto& main = harness.start();
    const auto system = std::filesystem::path(harness.platform->files.systemDirectory());
    for (const char* name : {"b.scr", "a b.scr", "notes.txt"}) {
        tovra::test::writeBytes(system / name, "");
    }
    ModalDriver driver;
    driver.onNext<TFormscreen>([&system](TFormscreen& w) {
        QCOMPARE(w.FLBScreen->directory(), QString::fromStdString(system.string()));
        QVERIFY(w.FLBScreen->count() >= 2);
        QVERIFY(!w.FLBScreen->findItems(QStringLiteral("a b.scr"), Qt::MatchExactly).isEmpty());
        QVERIFY(w.FLBScreen->findItems(QStringLiteral("notes.txt"), Qt::MatchExactly).isEmpty());
        QVERIFY(w.FLBScreen->selectedItems().isEmpty());
        QCOMPARE(w.FlatPanel1->size(), TFormscreen::kPreviewSize);
        w.FLBScreenListBoxDblClick(); // nothing selected: nothing starts
        QVERIFY(!w.preview().running());
        click(w.FlatButton4);
        click(w.FlatButton3);
    });
    click(main.bsSkinXFormButton4);
    QVERIFY(driver.ran() && !driver.leftOpen());
    const auto log = tovra::test::readBytes(harness.temp.path() / "state" / "processes.log");
    QVERIFY(log.find("\tBroadcast\tWM_SYSCOMMAND 61760 0\t") != std::string::npos);
    QVERIFY(log.find("CreateProcess") == std::string::npos);
}

QTEST_MAIN(DesktopWindowsGuiTest)
#include "DesktopWindowsGuiTest.moc"
