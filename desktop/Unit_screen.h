#pragma once

// TFormscreen, the screen-saver chooser: browse the screen savers (*.scr) of
// any folder, starting in the system folder, preview one inside the panel
// "屏保预览窗口", or start the system's configured screen saver. It reads and
// writes no settings. The preview runs until another starts or the window
// closes (desktop/core/ScreenSaverPreview).

#include "desktop/DesktopWindowServices.h"
#include "desktop/core/ScreenSaverPreview.h"
#include "toolkit/SkinDialog.h"

class QLabel;

namespace tovra::toolkit {
class FlatSpeedButton;
class SkinDirectoryListBox;
class SkinDriveComboBox;
class SkinFileListBox;
class SkinFilterComboBox;
} // namespace tovra::toolkit

namespace tovra::desktop {

class TFormscreen : public toolkit::SkinDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{339, 241};
    static constexpr QSize kPreviewSize{212, 187};

    TFormscreen(QWidget* owner, DesktopWindowServices services);

    void FormShow();
    void FLBScreenListBoxDblClick();
    void FlatButton4Click();
    void FlatButton3Click();

    QWidget* bsSkinPanel2 = nullptr;
    toolkit::SkinFileListBox* FLBScreen = nullptr;
    toolkit::SkinDriveComboBox* bsSkinDriveComboBox2 = nullptr;
    toolkit::SkinDirectoryListBox* bsSkinDirectoryListBox2 = nullptr;
    toolkit::SkinFilterComboBox* bsSkinFilterComboBox2 = nullptr;
    QWidget* bsSkinPanel1 = nullptr;
    QLabel* FlatPanel1 = nullptr;
    toolkit::FlatSpeedButton* FlatButton4 = nullptr;
    toolkit::FlatSpeedButton* FlatButton3 = nullptr;
    toolkit::FlatSpeedButton* FlatButton1 = nullptr;

    /// The preview that runs now, if any.
    [[nodiscard]] const ScreenSaverPreview& preview() const { return preview_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createChooser();
    void createPreviewPanel();

    DesktopWindowServices services_;
    ScreenSaverPreview preview_;
};

} // namespace tovra::desktop
