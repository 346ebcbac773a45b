// Every window the program shows, opened as the program opens it, with every
// page of its page controls in turn: no caption is narrower than its text.
// A label, a tab, a check box, a radio button, a group's title, a button's
// caption, a check list's row or a fixed choice of a combo box that is cut
// off fails, named by its window and its text.

#include "app/Unit_code.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/ModalDialogs.h"
#include "toolkit/FontSetup.h"
#include "toolkit/ShadowLabel.h"
#include "toolkit/SkinCheckListBox.h"
#include "toolkit/SkinFileControls.h"
#include "toolkit/SkinPageControl.h"
#include "wallpaper/Unit_PicView.h"
#include "wallpaper/Unit_Piclist.h"

#include <algorithm>
#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTest>

using tovra::FeatureWindow;

namespace {

/// The widest line of a caption, its mnemonic marker left out.
int advance(const QFontMetrics& metrics, QString text) {
    text.remove(QLatin1Char('&'));
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

class CaptionCheck {
public:
    explicit CaptionCheck(QString window)
        : window_(std::move(window)) {}

    void walk(QWidget& root) {
        for (QWidget* widget : root.findChildren<QWidget*>()) {
            if (widget->isVisible()) {
                check(*widget);
            }
        }
    }

    QStringList cut;

private:
    void report(const QString& text, int have, int need) {
        if (have < need) {
            cut << QStringLiteral("%1: \"%2\" %3 < %4").arg(window_, text).arg(have).arg(need);
        }
    }

    void check(QWidget& widget) {
        const QFontMetrics metrics = widget.fontMetrics();
        if (auto* label = qobject_cast<QLabel*>(&widget)) {
            if (!label->wordWrap() && !label->text().isEmpty() &&
                label->textFormat() != Qt::RichText) {
                const int margins = 2 * label->margin() + std::max(label->indent(), 0);
                report(label->text(), label->contentsRect().width() - margins,
                       advance(metrics, label->text()));
            }
        } else if (auto* shadow = qobject_cast<tovra::toolkit::ShadowLabel*>(&widget)) {
            report(shadow->text(), shadow->width(), advance(metrics, shadow->text()));
        } else if (auto* box = qobject_cast<QAbstractButton*>(&widget)) {
            checkButton(*box, metrics);
        } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, group);
            report(group->title(), std::min(title.right(), group->width() - 1) - title.left() + 1,
                   advance(metrics, group->title()));
        } else if (auto* strip = qobject_cast<tovra::toolkit::SkinTabStrip*>(&widget)) {
            for (int i = 0; i < strip->count(); ++i) {
                const QRect shown = strip->tabRect(i).intersected(strip->rect());
                report(strip->tabText(i), shown.width(), advance(metrics, strip->tabText(i)));
            }
        } else if (auto* bar = qobject_cast<QTabBar*>(&widget)) {
            for (int i = 0; i < bar->count(); ++i) {
                const QRect shown = bar->tabRect(i).intersected(bar->rect());
                report(bar->tabText(i), shown.width(), advance(metrics, bar->tabText(i)));
            }
        } else if (auto* list = qobject_cast<tovra::toolkit::SkinCheckListBox*>(&widget)) {
            checkRows(*list);
        } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
            checkChoices(*combo, metrics);
        }
    }

    void checkButton(QAbstractButton& button, const QFontMetrics& metrics) {
        if (button.text().isEmpty()) {
            return;
        }
        const int need = advance(metrics, button.text());
        const bool radio = qobject_cast<QRadioButton*>(&button) != nullptr;
        if (radio || qobject_cast<QCheckBox*>(&button) != nullptr) {
            QStyleOptionButton option;
            option.initFrom(&button);
            option.text = button.text();
            const QRect text = button.style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                                    : QStyle::SE_CheckBoxContents,
                                                              &option, &button);
            report(button.text(), text.width(), need);
            report(button.text() + QStringLiteral(" (height)"), button.height(), metrics.height());
            return;
        }
        report(button.text(), button.width(), need);
    }

    void checkRows(tovra::toolkit::SkinCheckListBox& list) {
        QStyledItemDelegate natural;
        QStyleOptionViewItem option;
        option.initFrom(&list);
        option.font = list.font();
        for (int row = 0; row < list.count(); ++row) {
            const QModelIndex index = list.model()->index(row, 0);
            const QRect shown = list.visualRect(index).intersected(list.viewport()->rect());
            report(list.item(row)->text(), shown.width(), natural.sizeHint(option, index).width());
        }
    }

    void checkChoices(QComboBox& combo, const QFontMetrics& metrics) {
        // A drive's name comes from the file system, not from the program.
        if (combo.isEditable() || qobject_cast<tovra::toolkit::SkinDriveComboBox*>(&combo)) {
            return;
        }
        QStyleOptionComboBox option;
        option.initFrom(&combo);
        option.frame = combo.hasFrame();
        const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, &combo);
        // A filter's every choice is a caption; of a longer list (the colour
        // names), the choice shown, the others being shown whole in its drop-down.
        const bool fixed = qobject_cast<tovra::toolkit::SkinFilterComboBox*>(&combo) != nullptr;
        for (int i = fixed ? 0 : combo.currentIndex(); i >= 0 && i < combo.count();
             i = fixed ? i + 1 : combo.count()) {
            const int icon = combo.itemIcon(i).isNull() ? 0 : combo.iconSize().width() + 4;
            report(combo.itemText(i), field.width() - icon, advance(metrics, combo.itemText(i)));
        }
    }

    QString window_;
};

/// Walks a shown window, then each page of each of its page controls.
QStringList cutCaptions(const QString& name, QWidget& window) {
    CaptionCheck check(name);
    check.walk(window);
    for (auto* pages : window.findChildren<tovra::toolkit::SkinPageControl*>()) {
        const int shown = pages->currentIndex();
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QCoreApplication::processEvents();
            check.walk(*pages->widget(i));
        }
        pages->setCurrentIndex(shown);
    }
    return check.cut;
}

} // namespace

class CaptionFitGuiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { tovra::toolkit::setUpFonts(); }
    void everyWindowShowsItsCaptionsWhole();
};

void CaptionFitGuiTest::everyWindowShowsItsCaptionsWhole() {
    tovra::test::MainWindowHarness harness;
    auto& main = harness.start();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QStringList cut = cutCaptions(QStringLiteral("main"), main);

    const std::pair<const char*, QWidget*> docked[] = {
        {"list", harness.wallpaper.list.get()},
        {"preview", harness.wallpaper.preview.get()},
    };
    for (const auto& [name, window] : docked) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        cut << cutCaptions(QString::fromLatin1(name), *window);
    }

    tovra::TFormCode prompt(&main, harness.shellServices());
    prompt.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prompt));
    cut << cutCaptions(QStringLiteral("prompt"), prompt);
    prompt.hide();

    const FeatureWindow features[] = {
        FeatureWindow::RotationSettings, FeatureWindow::StartMenu, FeatureWindow::DesktopIcons,
        FeatureWindow::ScreenSaver,      FeatureWindow::Painting,  FeatureWindow::Protection,
        FeatureWindow::Library,          FeatureWindow::About,
    };
    for (const FeatureWindow feature : features) {
        tovra::test::ModalDriver driver;
        driver.onNext<QDialog>([&cut](QDialog& w) {
            cut << cutCaptions(QString::fromLatin1(w.metaObject()->className()), w);
            w.reject();
        });
        harness.featureWindows->run(feature, main);
        QVERIFY2(driver.ran(), QByteArray::number(static_cast<int>(feature)).constData());
    }
    for (const QString& caption : cut) {
        qWarning("cut: %s", qPrintable(caption));
    }
    QVERIFY(cut.isEmpty());
}

QTEST_MAIN(CaptionFitGuiTest)
#include "CaptionFitGuiTest.moc"
