#pragma once

// TFormProtect, the protection settings: two Explorer policies (no changes to
// the Start menu, no saving of desktop settings) and the start-up password,
// set, changed or removed. It loads the policies when created and writes on
// "保存" (app/core/ProtectionSettings); the stored password is never shown.

#include "app/ShellWindowServices.h"
#include "app/core/ProtectionSettings.h"
#include "toolkit/SettingsForm.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace tovra {

namespace toolkit {
class SkinPageControl;
}

class TFormProtect : public toolkit::SettingsForm<shell::ProtectionSettings> {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{300, 219};

    TFormProtect(QWidget* owner, ShellWindowServices services);

    toolkit::SkinPageControl* bsSkinPageControl1 = nullptr;
    QWidget* bsSkinTabSheet1 = nullptr;
    QWidget* bsSkinTabSheet2 = nullptr;
    QCheckBox* CRBStarMenu = nullptr;
    QCheckBox* CRBdostop = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* lbl1 = nullptr;
    QLabel* lbl2 = nullptr;
    QLabel* lbl3 = nullptr;
    QLineEdit* EDcode = nullptr;
    QLineEdit* EdRecode = nullptr;
    QCheckBox* RBCode = nullptr;

protected:
    [[nodiscard]] shell::ProtectionSettings readControls() const override;
    void showControls(const shell::ProtectionSettings& settings) override;
    void loadSettings(shell::ProtectionSettings& settings) override;
    bool saveSettings(const shell::ProtectionSettings& settings) override;

private:
    void createPolicyTab();
    void createPasswordTab();

    ShellWindowServices services_;
};

} // namespace tovra
