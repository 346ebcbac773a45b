#pragma once

// TFormCode, the start-up password prompt, shown during the main window's
// creation while a start-up password is stored. The right password lets
// start-up go on; three wrong ones, "取消", or closing the prompt in any other
// way end the program: closing never skips the password.

#include "app/ShellWindowServices.h"
#include "app/core/PasswordPrompt.h"
#include "toolkit/SkinDialog.h"

class QLabel;
class QLineEdit;

namespace tovra {

namespace toolkit {
class FlatSpeedButton;
}

class TFormCode : public toolkit::SkinDialog {
    Q_OBJECT

public:
    static constexpr QSize kSize{239, 77};

    TFormCode(QWidget* owner, ShellWindowServices services);

    void bsSkinSpeedButton1Click();
    void bsSkinSpeedButton2Click();

    /// Whether the prompt let the user in.
    [[nodiscard]] bool opened() const { return result() == QDialog::Accepted; }
    [[nodiscard]] int WrongCodeCount() const { return prompt_.WrongCodeCount(); }

    QLabel* lbl1 = nullptr;
    QLineEdit* EdCode = nullptr;
    toolkit::FlatSpeedButton* bsSkinSpeedButton1 = nullptr;
    toolkit::FlatSpeedButton* bsSkinSpeedButton2 = nullptr;

private:
    void tell(std::string_view text);

    ShellWindowServices services_;
    shell::PasswordPrompt prompt_;
};

/// Creates the prompt owned by owner and runs it modally; true when the user
/// got in, false when the program must end.
[[nodiscard]] bool runPasswordPrompt(QWidget& owner, ShellWindowServices services);

} // namespace tovra
