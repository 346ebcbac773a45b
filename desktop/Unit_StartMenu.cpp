#include "desktop/Unit_StartMenu.h"

#include "toolkit/NumberEdit.h"
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

const QStringList kPolicyItems{QStringLiteral("收藏夹"),
                               QStringLiteral("文档"),
                               QStringLiteral("搜索"),
                               QStringLiteral("运行"),
                               QStringLiteral("注销"),
                               QStringLiteral("关闭系统"),
                               QStringLiteral("设置"),
                               QStringLiteral("设置\\文件夹选项"),
                               QStringLiteral("设置\\任务栏和开始菜单"),
                               QStringLiteral("Windows Update")};

const QStringList kIconItems{QStringLiteral("注销"),     QStringLiteral("运行"),
                             QStringLiteral("关闭系统"), QStringLiteral("收藏夹"),
                             QStringLiteral("查找"),     QStringLiteral("程序")};

} // namespace

TFormStartMenu::TFormStartMenu(QWidget* owner, DesktopWindowServices services)
    : SettingsForm(owner, services.errors, QStringLiteral("开始菜单设置"), kClientSize,
                   toolkit::LoadOn::Show)
    , services_(std::move(services)) {
    bsSkinPageControl1 = new toolkit::SkinPageControl(this);
    bsSkinPageControl1->setGeometry(4, contentTop() + 2, kClientSize.width() - 8,
                                    FlatButton1->y() - contentTop() - 8);
    createPolicyTab();
    createStyleTab();
    bsSkinPageControl1->setCurrentWidget(bsSkinTabSheet2);
    bsSkinOpenDialog1 = new toolkit::SkinOpenDialog(
        this, QStringLiteral("Open file"), QStringLiteral("ICO图标 (*.ico);;All files (*)"));
    FormCreate();
}

void TFormStartMenu::createPolicyTab() {
    bsSkinTabSheet1 = bsSkinPageControl1->addSheet(QStringLiteral(" 隐藏开始菜单选项 "));
    CheckListBox1 = new toolkit::SkinCheckListBox(bsSkinTabSheet1);
    CheckListBox1->setItems(kPolicyItems, 2);
    auto* fill = new QVBoxLayout(bsSkinTabSheet1);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(CheckListBox1);
}

void TFormStartMenu::createStyleTab() {
    bsSkinTabSheet2 = bsSkinPageControl1->addSheet(QStringLiteral(" 开始菜单样式 "));
    CRBMuiShow = new QCheckBox(QStringLiteral("菜单多页面显示"), bsSkinTabSheet2);
    CRBMuiShow->setGeometry(8, 6, 130, 20);
    CRBClear = new QCheckBox(QStringLiteral("清除最近访问过的文档"), bsSkinTabSheet2);
    CRBClear->setGeometry(140, 6, 150, 20);
    lbl1 = new QLabel(QStringLiteral("菜单的显示速度(0-999,0最大)："), bsSkinTabSheet2);
    lbl1->setGeometry(8, 32, 190, 20);
    EdValue = new toolkit::NumberEdit(kMenuShowDelayMin, kMenuShowDelayMax, bsSkinTabSheet2);
    EdValue->setGeometry(200, 32, 80, 20);
    EdValue->setValue(5);
    RadioGroup1 = new toolkit::SkinRadioGroup(QStringLiteral("更改开始菜单图标"), bsSkinTabSheet2);
    RadioGroup1->setItems(kIconItems, 3);
    RadioGroup1->setGeometry(4, 54, 280, 76);
    EdPath = new QLineEdit(bsSkinTabSheet2);
    EdPath->setGeometry(6, 134, 250, 20);
    bsSkinSpeedButton1 = new toolkit::FlatSpeedButton(QStringLiteral("..."), bsSkinTabSheet2);
    bsSkinSpeedButton1->setGeometry(260, 134, 24, 20);
    connect(bsSkinSpeedButton1, &QAbstractButton::clicked, this,
            [this] { bsSkinSpeedButton1Click(); });
}

void TFormStartMenu::bsSkinSpeedButton1Click() {
    guard([this] { bsSkinOpenDialog1->chooseInto(*EdPath); });
}

StartMenuSettings TFormStartMenu::readControls() const {
    StartMenuSettings settings;
    for (std::size_t row = 0; row < settings.hiddenEntries.size(); ++row) {
        settings.hiddenEntries[row] = CheckListBox1->checked(static_cast<int>(row));
    }
    settings.multiColumnPrograms = CRBMuiShow->isChecked();
    settings.clearRecentDocuments = CRBClear->isChecked();
    settings.menuShowDelay = EdValue->value();
    settings.iconItem = RadioGroup1->itemIndex();
    settings.iconPath = EdPath->text().toStdString();
    return settings;
}

void TFormStartMenu::showControls(const StartMenuSettings& settings) {
    for (std::size_t row = 0; row < settings.hiddenEntries.size(); ++row) {
        CheckListBox1->setChecked(static_cast<int>(row), settings.hiddenEntries[row]);
    }
    CRBMuiShow->setChecked(settings.multiColumnPrograms);
    CRBClear->setChecked(settings.clearRecentDocuments);
    EdValue->setValue(settings.menuShowDelay);
    RadioGroup1->setItemIndex(settings.iconItem);
    EdPath->setText(QString::fromStdString(settings.iconPath));
}

void TFormStartMenu::loadSettings(StartMenuSettings& settings) {
    const StartMenuSettings loaded = LoadStartMenuSettings(services_.platform.registry);
    // What the registry does not hold keeps what the controls show.
    settings.hiddenEntries = loaded.hiddenEntries;
    settings.multiColumnPrograms = loaded.multiColumnPrograms;
    settings.menuShowDelay = loaded.menuShowDelay;
}

bool TFormStartMenu::saveSettings(const StartMenuSettings& settings) {
    SaveStartMenuSettings(services_.platform.registry, services_.platform.shell, settings);
    return true;
}

} // namespace tovra::desktop
