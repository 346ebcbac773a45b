// The rotation settings window opened as a user opens it, from the main
// window's button 1: its form, a change saved with "保存", and a change left
// with "返回", which writes nothing.

#include "settings/IniFile.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/ModalDialogs.h"
#include "toolkit/FlatTitlebar.h"
#include "toolkit/FontSetup.h"
#include "toolkit/SkinPageControl.h"
#include "toolkit/SkinPictureButton.h"
#include "toolkit/SkinRadioGroup.h"
#include "toolkit/SkinTrackBar.h"
#include "wallpaper/Unit_DesktpoPic.h"

#include <memory>

#include <QLabel>
#include <QRadioButton>
#include <QTest>

using tovra::TFormDesktpoPic;
using tovra::test::MainWindowHarness;
using tovra::test::ModalDriver;

class RotationSettingsWindowTest : public QObject {
    Q_OBJECT

private:
    /// Presses button 1 and runs act on the window it opens; returns that window.
    TFormDesktpoPic* openAndDo(tovra::TFormTovraDesktop& main,
                               const std::function<void(TFormDesktpoPic&)>& act) {
        ModalDriver driver;
        TFormDesktpoPic* opened = nullptr;
        driver.onNext<TFormDesktpoPic>([&](TFormDesktpoPic& window) {
            opened = &window;
            act(window);
        });
        QTest::mouseClick(main.bsSkinXFormButton1, Qt::LeftButton);
        [&] {
            QVERIFY(driver.ran());
            QVERIFY(!driver.leftOpen());
        }();
        return opened;
    }

private Q_SLOTS:
    void initTestCase() { tovra::toolkit::setUpFonts(); }

    void buttonOneOpensANewWindowThatSavesOrReturns() {
        MainWindowHarness h;
        tovra::settings::IniFile ini(h.platform->profiles, h.settingsFile);
        ini.writeString("TovraDesktop PicSelectmode", "setmode", "1");
        tovra::TFormTovraDesktop& main = h.start();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        TFormDesktpoPic* first = openAndDo(main, [](TFormDesktpoPic& w) {
            QCOMPARE(w.FlatTitlebar1->caption(),
                     QStringLiteral("墙纸设置") + QString(38, QLatin1Char(' ')));
            QCOMPARE(w.bsSkinPageControl1->currentIndex(), 0);
            QCOMPARE(w.bsSkinPageControl1->tabText(0), QStringLiteral(" 墙纸更换频率 "));
            QCOMPARE(w.bsSkinPageControl1->tabText(1), QStringLiteral("墙纸显示方式"));
            QCOMPARE(w.bsSkinPageControl1->tabText(2), QStringLiteral("墙纸选择方式"));
            QCOMPARE(w.RadioGroup1->itemIndex(), 0);
            QCOMPARE(w.RadioGroup3->item(1)->text(), QStringLiteral("随机选择"));
            QCOMPARE(w.RadioGroup3->itemIndex(), 1);

            QTest::mouseClick(w.RadioGroup1->item(2), Qt::LeftButton); // "按周"
            QCOMPARE(w.tbnum->maximum(), 4);
            QCOMPARE(w.labelSelectShow->text(), QStringLiteral("周"));
            w.tbnum->setValue(3); // as a drag of the bar does
            QCOMPARE(w.LabelTimeSize->text(), QStringLiteral("3"));
            QTest::mouseClick(w.FlatButton1, Qt::LeftButton);
        });
        QCOMPARE(h.state.SelectMode, 1); // set by the loading
        QCOMPARE(ini.readString("TovraDesktop setting", "setsize", ""), std::string("3"));
        QCOMPARE(ini.readString("TovraDesktop setting", "setname", ""), std::string("week"));
        QCOMPARE(ini.readString("TovraDesktop SettingShow", "setshow", ""), std::string("0"));
        QCOMPARE(ini.readString("TovraDesktop PicSelectmode", "setmode", ""), std::string("1"));

        const std::string saved = tovra::test::readBytes(h.settingsFile);
        TFormDesktpoPic* second = openAndDo(main, [](TFormDesktpoPic& w) {
            QCOMPARE(w.tbnum->value(), 3);
            QTest::mouseClick(w.RadioGroup2->item(3), Qt::LeftButton);
            QTest::mouseClick(w.FlatButton2, Qt::LeftButton);
        });
        QCOMPARE(tovra::test::readBytes(h.settingsFile), saved);
        // Each opening has its own window, kept hidden with the main window.
        QVERIFY(first != nullptr && second != nullptr && first != second);
        QCOMPARE(first->parentWidget(), &main);
        QVERIFY(!first->isVisible() && !second->isVisible());
        QVERIFY(h.boxes.calls.empty());
    }
};

QTEST_MAIN(RotationSettingsWindowTest)
#include "RotationSettingsWindowTest.moc"
