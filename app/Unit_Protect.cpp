#include "app/Unit_Protect.h"

#include "app/core/PasswordPrompt.h"
#include "toolkit/SkinPageControl.h"

#include <string>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace tovra {

namespace {

QLineEdit* passwordField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setEchoMode(QLineEdit::Password);
    return field;
}

} // namespace

TFormProtect::TFormProtect(QWidget* owner, ShellWindowServices services)
    : SettingsForm(owner, services.errors, QStringLiteral("系统保护设置        "), kClientSize,
                   toolkit::LoadOn::Create)
    , services_(services) {
    bsSkinPageControl1 = new toolkit::SkinPageControl(this);
    bsSkinPageControl1->setGeometry(4, contentTop() + 2, kClientSize.width() - 8,
                                    FlatButton1->y() - contentTop() - 8);
    createPolicyTab();
    createPasswordTab();
    bsSkinPageControl1->setCurrentWidget(bsSkinTabSheet2);
    FormCreate();
}

void TFormProtect::createPolicyTab() {
    bsSkinTabSheet1 = bsSkinPageControl1->addSheet(QStringLiteral("  禁止操作设置  "));
    CRBStarMenu = new QCheckBox(QStringLiteral("不允许改变启动菜单"), bsSkinTabSheet1);
    CRBStarMenu->setGeometry(16, 16, 200, 20);
    CRBdostop = new QCheckBox(QStringLiteral("禁止修改桌面设置"), bsSkinTabSheet1);
    CRBdostop->setGeometry(16, 44, 200, 20);
}

void TFormProtect::createPasswordTab() {
    bsSkinTabSheet2 = bsSkinPageControl1->addSheet(QStringLiteral(" Tavro精灵保护 "));
    Panel1 = new QFrame(bsSkinTabSheet2);
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setGeometry(6, 4, 276, 90);
    lbl1 = new QLabel(QStringLiteral("登录Tavro精灵口令设置:"), Panel1);
    lbl1->setGeometry(8, 4, 200, 20);
    lbl2 = new QLabel(QStringLiteral("登录口令:"), Panel1);
    lbl2->setGeometry(24, 30, 64, 20);
    EDcode = passwordField(Panel1);
    EDcode->setGeometry(92, 30, 160, 20);
    lbl3 = new QLabel(QStringLiteral("确认口令:"), Panel1);
    lbl3->setGeometry(24, 58, 64, 20);
    EdRecode = passwordField(Panel1);
    EdRecode->setGeometry(92, 58, 160, 20);
    RBCode = new QCheckBox(QStringLiteral("取消Tavro精灵的保护"), bsSkinTabSheet2);
    RBCode->setGeometry(10, 100, 200, 20);
}

shell::ProtectionSettings TFormProtect::readControls() const {
    shell::ProtectionSettings settings;
    settings.noChangeStartMenu = CRBStarMenu->isChecked();
    settings.noSaveSettings = CRBdostop->isChecked();
    settings.code = EDcode->text().toStdString();
    settings.recode = EdRecode->text().toStdString();
    settings.removeCode = RBCode->isChecked();
    return settings;
}

void TFormProtect::showControls(const shell::ProtectionSettings& settings) {
    CRBStarMenu->setChecked(settings.noChangeStartMenu);
    CRBdostop->setChecked(settings.noSaveSettings);
    EDcode->setText(QString::fromStdString(settings.code));
    EdRecode->setText(QString::fromStdString(settings.recode));
    RBCode->setChecked(settings.removeCode);
}

void TFormProtect::loadSettings(shell::ProtectionSettings& settings) {
    settings = shell::LoadProtection(services_.platform.registry);
}

bool TFormProtect::saveSettings(const shell::ProtectionSettings& settings) {
    if (shell::SaveProtection(services_.platform.registry, settings) ==
        shell::ProtectionSaved::PasswordMismatch) {
        services_.platform.messageBoxes.messageBox(
            static_cast<platform::Hwnd>(winId()), std::string(shell::kPasswordMismatchText),
            std::string(shell::kShellCaption), platform::kMbOk);
        return false;
    }
    return true;
}

} // namespace tovra
