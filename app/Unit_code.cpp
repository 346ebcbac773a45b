#include "app/Unit_code.h"

#include "toolkit/FlatSpeedButton.h"

#include <string>

#include <QLabel>
#include <QLineEdit>

namespace tovra {

TFormCode::TFormCode(QWidget* owner, ShellWindowServices services)
    : SkinDialog(owner, services.errors, QStringLiteral("Tavro精灵保护窗口"), kSize)
    , services_(services) {
    hideTitlebar();
    lbl1 = new QLabel(QStringLiteral("登录口令:"), this);
    lbl1->setGeometry(12, 12, 62, 22);
    EdCode = new QLineEdit(this);
    EdCode->setEchoMode(QLineEdit::Password);
    EdCode->setGeometry(76, 12, 150, 22);
    bsSkinSpeedButton1 = new toolkit::FlatSpeedButton(QStringLiteral("确定"), this);
    bsSkinSpeedButton1->setGeometry(76, 44, 64, 22);
    bsSkinSpeedButton2 = new toolkit::FlatSpeedButton(QStringLiteral("取消"), this);
    bsSkinSpeedButton2->setGeometry(162, 44, 64, 22);
    connect(bsSkinSpeedButton1, &QAbstractButton::clicked, this,
            &TFormCode::bsSkinSpeedButton1Click);
    connect(bsSkinSpeedButton2, &QAbstractButton::clicked, this,
            &TFormCode::bsSkinSpeedButton2Click);
    connect(EdCode, &QLineEdit::returnPressed, this, &TFormCode::bsSkinSpeedButton1Click);
}

void TFormCode::bsSkinSpeedButton1Click() {
    guard([this] {
        switch (prompt_.check(services_.platform.registry, EdCode->text().toStdString())) {
        case shell::PromptAnswer::Open:
            accept();
            break;
        case shell::PromptAnswer::TryAgain:
            tell(shell::kWrongCodeText);
            break;
        case shell::PromptAnswer::Leave:
            tell(shell::kWrongCodeText);
            tell(shell::kThirdWrongCodeText);
            reject();
            break;
        }
    });
}

void TFormCode::bsSkinSpeedButton2Click() {
    // The program ends: runPasswordPrompt reports it to start-up.
    reject();
}

void TFormCode::tell(std::string_view text) {
    services_.platform.messageBoxes.messageBox(static_cast<platform::Hwnd>(winId()),
                                               std::string(text), std::string(shell::kShellCaption),
                                               platform::kMbOk);
}

bool runPasswordPrompt(QWidget& owner, ShellWindowServices services) {
    // Owned by owner, which deletes it with itself.
    auto* prompt = new TFormCode(&owner, services);
    return prompt->exec() == QDialog::Accepted;
}

} // namespace tovra
