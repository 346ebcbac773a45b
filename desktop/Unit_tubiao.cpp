#include "desktop/Unit_tubiao.h"

#include "toolkit/ColorComboBox.h"
#include "toolkit/SkinCheckListBox.h"
#include "toolkit/SkinOpenDialog.h"
#include "toolkit/SkinPageControl.h"
#include "toolkit/SkinRadioGroup.h"

#include <utility>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tovra::desktop {

namespace {

constexpr int kColorButtonFace = 15;
constexpr int kColorButtonShadow = 16;

QColor systemColor(platform::Screen& screen, int index) {
    const std::uint32_t bgr = screen.getSysColor(index);
    return {static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
            static_cast<int>((bgr >> 16) & 0xFF)};
}

} // namespace

TFormtubiao::TFormtubiao(QWidget* owner, DesktopWindowServices services)
    : SettingsForm(owner, services.errors, QStringLiteral("桌面图标设置"), kClientSize,
                   toolkit::LoadOn::Show)
    , services_(std::move(services)) {
    bsSkinPageControl1 = new toolkit::SkinPageControl(this);
    bsSkinPageControl1->setGeometry(4, contentTop() + 2, kClientSize.width() - 8,
                                    FlatButton1->y() - contentTop() - 8);
    createHideTab();
    createColourTab();
    createDesktopItemTab();
    createShortcutTab();
    bsSkinPageControl1->setCurrentWidget(bsSkinTabSheet2);
    bsSkinOpenDialog1 = new toolkit::SkinOpenDialog(
        this, QStringLiteral("Open file"), QStringLiteral("Icon图标 (*.ico);;All files (*)"));
    FormCreate();
}

void TFormtubiao::createHideTab() {
    bsSkinTabSheet1 = bsSkinPageControl1->addSheet(QStringLiteral(" 隐藏桌面图标 "));
    CheckListBox1 = new toolkit::SkinCheckListBox(bsSkinTabSheet1);
    CheckListBox1->setItems({QStringLiteral("隐藏桌面图标"), QStringLiteral("网上邻居"),
                             QStringLiteral("网上邻居\\整个网络")});
    auto* fill = new QVBoxLayout(bsSkinTabSheet1);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(CheckListBox1);
}

void TFormtubiao::createColourTab() {
    bsSkinTabSheet2 = bsSkinPageControl1->addSheet(QStringLiteral(" 桌面图标样式 "));
    FlatPanel1 = new QWidget(bsSkinTabSheet2);
    FlatPanel1->setAutoFillBackground(true);
    FlatPanel1->setGeometry(6, 4, 276, 84);
    lbl1 = new QLabel(QStringLiteral("图标文字前景色"), FlatPanel1);
    lbl1->setGeometry(8, 6, 100, 20);
    ColorComboBox1 = new toolkit::ColorComboBox(services_.platform.screen, FlatPanel1);
    ColorComboBox1->setGeometry(112, 6, 156, 20);
    ColorComboBox1->setCurrentIndex(kInitialForegroundIndex);
    lbl2 = new QLabel(QStringLiteral("图标文字背景色"), FlatPanel1);
    lbl2->setGeometry(8, 32, 100, 20);
    ColorComboBox2 = new toolkit::ColorComboBox(services_.platform.screen, FlatPanel1);
    ColorComboBox2->setGeometry(112, 32, 156, 20);
    ColorComboBox2->setCurrentIndex(kInitialBackgroundIndex);
    CheckRadioBox1 = new QCheckBox(QStringLiteral("设置图标文字为透明"), FlatPanel1);
    CheckRadioBox1->setGeometry(8, 58, 200, 20);
    CheckRadioBox2 = new QCheckBox(QStringLiteral("还原系统默认设置"), bsSkinTabSheet2);
    CheckRadioBox2->setGeometry(12, 94, 200, 20);
    paintColourPanel(false);
    connect(CheckRadioBox2, &QCheckBox::toggled, this, [this] { CheckRadioBox2Click(); });
}

void TFormtubiao::createDesktopItemTab() {
    bsSkinTabSheet3 = bsSkinPageControl1->addSheet(QStringLiteral("更改桌面图标"));
    RadioGroup1 = new toolkit::SkinRadioGroup(QStringLiteral("请选择更改项目"), bsSkinTabSheet3);
    RadioGroup1->setItems({QStringLiteral("我的电脑"), QStringLiteral("我的文档"),
                           QStringLiteral("回收站"), QStringLiteral("网络邻居"),
                           QStringLiteral("IE浏览器")},
                          2);
    RadioGroup1->setGeometry(4, 4, 280, 80);
    EDIcon = new QLineEdit(bsSkinTabSheet3);
    EDIcon->setGeometry(6, 90, 250, 20);
    bsSkinSpeedButton1 = new toolkit::FlatSpeedButton(QStringLiteral("..."), bsSkinTabSheet3);
    bsSkinSpeedButton1->setGeometry(260, 90, 24, 20);
    bsSkinSpeedButton1->setEnabled(false);
    connect(RadioGroup1, &toolkit::SkinRadioGroup::clicked, this, [this] { RadioGroup1Click(); });
    connect(bsSkinSpeedButton1, &QAbstractButton::clicked, this,
            [this] { bsSkinSpeedButton1Click(); });
}

void TFormtubiao::createShortcutTab() {
    bsSkinTabSheet4 = bsSkinPageControl1->addSheet(QStringLiteral(" 快捷方式样式 "));
    CheckRadioBox3 = new QCheckBox(QStringLiteral("隐藏桌面快捷方式的小箭头"), bsSkinTabSheet4);
    CheckRadioBox3->setGeometry(8, 6, 260, 20);
    CheckRadioBox4 = new QCheckBox(QStringLiteral("更改快捷方式图标:"), bsSkinTabSheet4);
    CheckRadioBox4->setGeometry(8, 32, 260, 20);
    EDIco = new QLineEdit(bsSkinTabSheet4);
    EDIco->setGeometry(26, 56, 230, 20);
    EDIco->setEnabled(false);
    SBICOSelect = new toolkit::FlatSpeedButton(QStringLiteral("..."), bsSkinTabSheet4);
    SBICOSelect->setGeometry(260, 56, 24, 20);
    SBICOSelect->setEnabled(false);
    CheckRadioBox5 = new QCheckBox(QStringLiteral("去除名称有“快捷方式”字样"), bsSkinTabSheet4);
    CheckRadioBox5->setGeometry(8, 84, 260, 20);
    connect(CheckRadioBox4, &QCheckBox::toggled, this, [this] { CheckRadioBox4Click(); });
    connect(SBICOSelect, &QAbstractButton::clicked, this, [this] { SBICOSelectClick(); });
}

void TFormtubiao::paintColourPanel(bool disabled) {
    QPalette palette = FlatPanel1->palette();
    palette.setColor(
        QPalette::Window,
        systemColor(services_.platform.screen, disabled ? kColorButtonShadow : kColorButtonFace));
    FlatPanel1->setPalette(palette);
}

void TFormtubiao::CheckRadioBox2Click() {
    guard([this] {
        const bool restore = CheckRadioBox2->isChecked();
        FlatPanel1->setEnabled(!restore);
        paintColourPanel(restore);
    });
}

void TFormtubiao::CheckRadioBox4Click() {
    guard([this] {
        EDIco->setEnabled(CheckRadioBox4->isChecked());
        SBICOSelect->setEnabled(CheckRadioBox4->isChecked());
    });
}

void TFormtubiao::RadioGroup1Click() {
    // The chosen icon is written for the chosen item only, so there is
    // nothing to choose it for until an item is chosen.
    guard([this] { bsSkinSpeedButton1->setEnabled(RadioGroup1->itemIndex() >= 0); });
}

void TFormtubiao::bsSkinSpeedButton1Click() {
    guard([this] { bsSkinOpenDialog1->chooseInto(*EDIcon); });
}

void TFormtubiao::SBICOSelectClick() {
    guard([this] { bsSkinOpenDialog1->chooseInto(*EDIco); });
}

IconSettings TFormtubiao::readControls() const {
    IconSettings settings;
    for (std::size_t row = 0; row < settings.hiddenItems.size(); ++row) {
        settings.hiddenItems[row] = CheckListBox1->checked(static_cast<int>(row));
    }
    settings.foregroundColor = ColorComboBox1->currentIndex();
    settings.backgroundColor = ColorComboBox2->currentIndex();
    settings.transparentText = CheckRadioBox1->isChecked();
    settings.restoreSystemColors = CheckRadioBox2->isChecked();
    settings.desktopItem = RadioGroup1->itemIndex();
    settings.desktopItemIcon = EDIcon->text().toStdString();
    settings.hideShortcutArrow = CheckRadioBox3->isChecked();
    settings.customShortcutOverlay = CheckRadioBox4->isChecked();
    settings.shortcutOverlayIcon = EDIco->text().toStdString();
    settings.noShortcutSuffix = CheckRadioBox5->isChecked();
    return settings;
}

void TFormtubiao::showControls(const IconSettings& settings) {
    for (std::size_t row = 0; row < settings.hiddenItems.size(); ++row) {
        CheckListBox1->setChecked(static_cast<int>(row), settings.hiddenItems[row]);
    }
    ColorComboBox1->setCurrentIndex(toolkit::pickerIndexOrBlack(settings.foregroundColor));
    ColorComboBox2->setCurrentIndex(toolkit::pickerIndexOrBlack(settings.backgroundColor));
    CheckRadioBox1->setChecked(settings.transparentText);
    CheckRadioBox2->setChecked(settings.restoreSystemColors); // CheckRadioBox2Click follows
    RadioGroup1->setItemIndex(settings.desktopItem);
    EDIcon->setText(QString::fromStdString(settings.desktopItemIcon));
    CheckRadioBox3->setChecked(settings.hideShortcutArrow);
    CheckRadioBox4->setChecked(settings.customShortcutOverlay);
    EDIco->setText(QString::fromStdString(settings.shortcutOverlayIcon));
    CheckRadioBox5->setChecked(settings.noShortcutSuffix);
}

void TFormtubiao::loadSettings(IconSettings& settings) {
    const IconSettings loaded = LoadIconSettings(services_.platform, services_.settingsFile);
    // The desktop item, EDIcon, CheckRadioBox4 and EDIco keep what they show.
    settings.hiddenItems = loaded.hiddenItems;
    settings.foregroundColor = loaded.foregroundColor;
    settings.backgroundColor = loaded.backgroundColor;
    settings.transparentText = loaded.transparentText;
    settings.restoreSystemColors = loaded.restoreSystemColors;
    settings.hideShortcutArrow = loaded.hideShortcutArrow;
    settings.noShortcutSuffix = loaded.noShortcutSuffix;
}

bool TFormtubiao::saveSettings(const IconSettings& settings) {
    SaveIconSettings(services_.platform, services_.settingsFile,
                     static_cast<platform::Hwnd>(winId()), settings);
    return true;
}

} // namespace tovra::desktop
