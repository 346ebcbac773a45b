// The toolkit's controls and the feature windows' base, on the offscreen
// platform: what each adds to Qt's own widget (the rules themselves are
// tested in ControlRulesTest), the dialog's placement and drag, and the
// settings-window pattern's load, save and return.

#include "tests/support/HostStandIns.h"
#include "tests/support/ModalDialogs.h"
#include "toolkit/FlatTitlebar.h"
#include "toolkit/FontSetup.h"
#include "toolkit/SettingsForm.h"
#include "toolkit/SkinRadioGroup.h"
#include "toolkit/SkinTrackBar.h"
#include "toolkit/core/ErrorRoute.h"

#include <stdexcept>
#include <vector>

#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using tovra::toolkit::LoadOn;

namespace {

struct ProbeRecord {
    int first = 0;
    int second = 0;
};

/// A settings window of two number fields whose load fails after its first
/// step, or whose save fails, when told to.
class ProbeForm : public tovra::toolkit::SettingsForm<ProbeRecord> {
public:
    ProbeForm(QWidget* owner, tovra::ErrorRoute& errors, LoadOn loadOn, bool failLoad)
        : SettingsForm(owner, errors, QStringLiteral("测试窗口   "), {240, 160}, loadOn)
        , failLoad_(failLoad) {
        firstField->move(10, contentTop() + 10);
        secondField->move(10, contentTop() + 40);
        FormCreate();
    }

    QSpinBox* firstField = new QSpinBox(this);
    QSpinBox* secondField = new QSpinBox(this);
    bool failSave = false;
    std::vector<ProbeRecord> saved;

protected:
    ProbeRecord readControls() const override {
        return {firstField->value(), secondField->value()};
    }
    void showControls(const ProbeRecord& record) override {
        firstField->setValue(record.first);
        secondField->setValue(record.second);
    }
    void loadSettings(ProbeRecord& record) override {
        record.first = 11;
        if (failLoad_) {
            throw std::runtime_error("Failed to get data for 'second'");
        }
        record.second = 22;
    }
    bool saveSettings(const ProbeRecord& record) override {
        if (failSave) {
            throw std::runtime_error("Unable to write to probe.ini");
        }
        saved.push_back(record);
        return true;
    }

private:
    bool failLoad_;
};

} // namespace

class SkinControlsGuiTest : public QObject {
    Q_OBJECT

private:
    tovra::test::ScriptedMessageBoxes boxes;
    tovra::ErrorRoute errors{boxes, "TovraDesktop"};

private Q_SLOTS:
    void initTestCase() { tovra::toolkit::setUpFonts(); }
    void init() { boxes.calls.clear(); }

    void radioGroupReportsEveryChangeOfItsItemAndNoOther() {
        tovra::toolkit::SkinRadioGroup group(QStringLiteral("显示方式"));
        group.setItems({QStringLiteral("居中"), QStringLiteral("平铺"), QStringLiteral("拉伸"),
                        QStringLiteral("智能设置")});
        group.show();
        QSignalSpy clicked(&group, &tovra::toolkit::SkinRadioGroup::clicked);
        QCOMPARE(group.itemIndex(), -1);

        group.setItemIndex(7); // beyond the last: the last
        QCOMPARE(group.itemIndex(), 3);
        QVERIFY(group.item(3)->isChecked());
        group.setItemIndex(3);
        QCOMPARE(clicked.count(), 1);

        QTest::mouseClick(group.item(1), Qt::LeftButton);
        QCOMPARE(group.itemIndex(), 1);
        QCOMPARE(clicked.count(), 2);

        group.setItemIndex(-5); // below -1: nothing
        QCOMPARE(group.itemIndex(), -1);
        QCOMPARE(clicked.count(), 3);
        for (int i = 0; i < group.count(); ++i) {
            QVERIFY(!group.item(i)->isChecked());
        }
    }

    void trackBarLimitsMoveThePositionSilently() {
        tovra::toolkit::SkinTrackBar bar;
        bar.setRange(0, 100);
        bar.setValue(50);
        QSignalSpy changed(&bar, &QSlider::valueChanged);
        bar.setLimits(1, 4);
        QCOMPARE(bar.value(), 4);
        QCOMPARE(bar.minimum(), 1);
        QCOMPARE(changed.count(), 0);
        bar.setValue(2);
        QCOMPARE(changed.count(), 1);
    }

    void dialogOpensCentredOnItsOwnerAndItsStripDragsIt() {
        QWidget owner(nullptr, Qt::Tool | Qt::FramelessWindowHint);
        owner.setGeometry(100, 100, 312, 237);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        ProbeForm form(&owner, errors, LoadOn::Create, false);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(form.isModal());
        QCOMPARE(form.parentWidget(), &owner);
        QCOMPARE(form.pos(), QPoint(100 + (312 - 240) / 2, 100 + (237 - 160) / 2));
        QCOMPARE(form.FlatTitlebar1->caption(), QStringLiteral("测试窗口   "));

        const QPoint start = form.pos();
        QTest::mousePress(form.FlatTitlebar1, Qt::LeftButton, {}, {10, 10});
        QMouseEvent move(QEvent::MouseMove, QPointF(60, 40),
                         QPointF(form.FlatTitlebar1->mapToGlobal(QPoint(60, 40))), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.FlatTitlebar1, &move);
        QTest::mouseRelease(form.FlatTitlebar1, Qt::LeftButton, {}, {60, 40});
        QCOMPARE(form.pos(), start + QPoint(50, 30));
    }

    void settingsFormShowsWhatAFailedLoadReached_data() {
        QTest::addColumn<int>("loadOn");
        QTest::addColumn<bool>("failLoad");
        QTest::addColumn<int>("second");
        QTest::newRow("on creation") << int(LoadOn::Create) << false << 22;
        QTest::newRow("on show") << int(LoadOn::Show) << false << 22;
        QTest::newRow("failing after its first step") << int(LoadOn::Create) << true << 0;
    }

    void settingsFormShowsWhatAFailedLoadReached() {
        QFETCH(int, loadOn);
        QFETCH(bool, failLoad);
        QFETCH(int, second);
        ProbeForm form(nullptr, errors, static_cast<LoadOn>(loadOn), failLoad);
        QCOMPARE(form.firstField->value(), loadOn == int(LoadOn::Show) ? 0 : 11);
        form.show();
        QCOMPARE(form.firstField->value(), 11);
        QCOMPARE(form.secondField->value(), second);
        QCOMPARE(boxes.calls.size(), std::size_t{failLoad ? 1u : 0u});
    }

    void saveWritesThenClosesAFailedSaveKeepsTheWindowOpen() {
        ProbeForm form(nullptr, errors, LoadOn::Create, false);
        form.show();
        form.failSave = true;
        QTest::mouseClick(form.FlatButton1, Qt::LeftButton);
        QVERIFY(form.isVisible());
        QCOMPARE(boxes.calls.size(), std::size_t{1});
        QCOMPARE(boxes.calls[0].text, std::string("Unable to write to probe.ini"));

        form.failSave = false;
        form.secondField->setValue(5);
        QTest::mouseClick(form.FlatButton1, Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.saved.size(), std::size_t{1});
        QCOMPARE(form.saved[0].second, 5);
    }

    void returnClosesAModalRunWithoutWriting() {
        ProbeForm form(nullptr, errors, LoadOn::Create, false);
        tovra::test::ModalDriver driver;
        driver.onNext<ProbeForm>(
            [](ProbeForm& open) { QTest::mouseClick(open.FlatButton2, Qt::LeftButton); });
        QCOMPARE(form.exec(), int(QDialog::Rejected));
        QVERIFY(driver.ran());
        QVERIFY(!driver.leftOpen());
        QVERIFY(form.saved.empty());
    }
};

QTEST_MAIN(SkinControlsGuiTest)
#include "SkinControlsGuiTest.moc"
