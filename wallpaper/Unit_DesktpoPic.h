#pragma once

// TFormDesktpoPic, the rotation settings window: how often the wallpaper
// changes, how it is displayed and how the next picture is chosen. It loads
// when it is created (and so sets SelectMode from the stored mode), "保存"
// writes the three sections and closes, "返回" closes. The rules live in
// wallpaper/core/RotationSettings; the window copies its record to and from
// the controls.

#include "platform/ProfileFiles.h"
#include "toolkit/SettingsForm.h"
#include "wallpaper/core/ProgramState.h"
#include "wallpaper/core/RotationSettings.h"

#include <string>

class QLabel;

namespace tovra::toolkit {
class SkinPageControl;
class SkinRadioGroup;
class SkinTrackBar;
} // namespace tovra::toolkit

namespace tovra {

/// What the rotation settings window works with; app/ keeps it alive longer.
struct RotationSettingsServices {
    ErrorRoute& errors;
    platform::ProfileFiles& profiles;
    ProgramState& state;
    /// The settings file (SettingsIni).
    std::string settingsFile;
    /// The main window's caption, which begins every section name.
    std::string sectionPrefix;
};

class TFormDesktpoPic : public toolkit::SettingsForm<wallpaper::RotationSettings> {
    Q_OBJECT

public:
    static constexpr QSize kSize{300, 226};

    TFormDesktpoPic(QWidget* owner, RotationSettingsServices services);

    void LoadRotationSettings();
    void RadioGroup1Click();
    void tbnumChange();

    // Controls, named as in the form description. The window owns them.
    toolkit::SkinPageControl* bsSkinPageControl1 = nullptr;
    QWidget* bsSkinTabSheet1 = nullptr;
    QWidget* bsSkinTabSheet2 = nullptr;
    QWidget* bsSkinTabSheet3 = nullptr;
    toolkit::SkinRadioGroup* RadioGroup1 = nullptr;
    toolkit::SkinTrackBar* tbnum = nullptr;
    QLabel* LabelTimeSize = nullptr;
    QLabel* labelSelectShow = nullptr;
    toolkit::SkinRadioGroup* RadioGroup2 = nullptr;
    toolkit::SkinRadioGroup* RadioGroup3 = nullptr;

protected:
    [[nodiscard]] wallpaper::RotationSettings readControls() const override;
    void showControls(const wallpaper::RotationSettings& record) override;
    void loadSettings(wallpaper::RotationSettings& record) override;
    bool saveSettings(const wallpaper::RotationSettings& record) override;

private:
    void createFrequencyPage();
    void createStylePage();
    void createModePage();

    RotationSettingsServices services_;
};

} // namespace tovra
