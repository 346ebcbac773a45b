#pragma once

// TFormtubiao, the desktop-icon settings: hiding the desktop icons and the
// network entries, the colours of the icon captions, the shortcut arrow and
// the word new shortcuts get, and the icon of one of five desktop items. It
// loads when shown and applies and writes everything on "保存"
// (desktop/core/IconSettings).

#include "desktop/DesktopWindowServices.h"
#include "desktop/core/IconSettings.h"
#include "toolkit/SettingsForm.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tovra::toolkit {
class ColorComboBox;
class SkinCheckListBox;
class SkinOpenDialog;
class SkinPageControl;
class SkinRadioGroup;
} // namespace tovra::toolkit

namespace tovra::desktop {

class TFormtubiao : public toolkit::SettingsForm<IconSettings> {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{300, 220};

    TFormtubiao(QWidget* owner, DesktopWindowServices services);

    void CheckRadioBox2Click();
    void CheckRadioBox4Click();
    /// Enables the third tab's "..." once a desktop item is chosen.
    void RadioGroup1Click();
    void bsSkinSpeedButton1Click();
    void SBICOSelectClick();

    toolkit::SkinPageControl* bsSkinPageControl1 = nullptr;
    QWidget* bsSkinTabSheet1 = nullptr;
    QWidget* bsSkinTabSheet2 = nullptr;
    QWidget* bsSkinTabSheet3 = nullptr;
    QWidget* bsSkinTabSheet4 = nullptr;
    toolkit::SkinCheckListBox* CheckListBox1 = nullptr;
    QWidget* FlatPanel1 = nullptr;
    QLabel* lbl1 = nullptr;
    toolkit::ColorComboBox* ColorComboBox1 = nullptr;
    QLabel* lbl2 = nullptr;
    toolkit::ColorComboBox* ColorComboBox2 = nullptr;
    QCheckBox* CheckRadioBox1 = nullptr;
    QCheckBox* CheckRadioBox2 = nullptr;
    toolkit::SkinRadioGroup* RadioGroup1 = nullptr;
    QLineEdit* EDIcon = nullptr;
    toolkit::FlatSpeedButton* bsSkinSpeedButton1 = nullptr;
    QCheckBox* CheckRadioBox3 = nullptr;
    QCheckBox* CheckRadioBox4 = nullptr;
    QLineEdit* EDIco = nullptr;
    toolkit::FlatSpeedButton* SBICOSelect = nullptr;
    QCheckBox* CheckRadioBox5 = nullptr;
    toolkit::SkinOpenDialog* bsSkinOpenDialog1 = nullptr;

protected:
    [[nodiscard]] IconSettings readControls() const override;
    void showControls(const IconSettings& settings) override;
    void loadSettings(IconSettings& settings) override;
    bool saveSettings(const IconSettings& settings) override;

private:
    void createHideTab();
    void createColourTab();
    void createDesktopItemTab();
    void createShortcutTab();
    void paintColourPanel(bool disabled);

    DesktopWindowServices services_;
};

} // namespace tovra::desktop
