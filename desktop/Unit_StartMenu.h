#pragma once

// TFormStartMenu, the start-menu settings: ten Explorer policies that hide
// start-menu entries, the programs menu's style, the menu delay, the icon of
// one start-menu entry, and clearing the recent-documents list. It loads the
// registry when shown and writes everything on "保存" (desktop/core/StartMenuSettings).

#include "desktop/DesktopWindowServices.h"
#include "desktop/core/StartMenuSettings.h"
#include "toolkit/SettingsForm.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tovra::toolkit {
class NumberEdit;
class SkinPageControl;
class SkinCheckListBox;
class SkinOpenDialog;
class SkinRadioGroup;
} // namespace tovra::toolkit

namespace tovra::desktop {

class TFormStartMenu : public toolkit::SettingsForm<StartMenuSettings> {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{300, 243};

    TFormStartMenu(QWidget* owner, DesktopWindowServices services);

    void bsSkinSpeedButton1Click();

    toolkit::SkinPageControl* bsSkinPageControl1 = nullptr;
    QWidget* bsSkinTabSheet1 = nullptr;
    QWidget* bsSkinTabSheet2 = nullptr;
    toolkit::SkinCheckListBox* CheckListBox1 = nullptr;
    QCheckBox* CRBMuiShow = nullptr;
    QCheckBox* CRBClear = nullptr;
    QLabel* lbl1 = nullptr;
    toolkit::NumberEdit* EdValue = nullptr;
    toolkit::SkinRadioGroup* RadioGroup1 = nullptr;
    QLineEdit* EdPath = nullptr;
    toolkit::FlatSpeedButton* bsSkinSpeedButton1 = nullptr;
    toolkit::SkinOpenDialog* bsSkinOpenDialog1 = nullptr;

protected:
    [[nodiscard]] StartMenuSettings readControls() const override;
    void showControls(const StartMenuSettings& settings) override;
    void loadSettings(StartMenuSettings& settings) override;
    bool saveSettings(const StartMenuSettings& settings) override;

private:
    void createPolicyTab();
    void createStyleTab();

    DesktopWindowServices services_;
};

} // namespace tovra::desktop
