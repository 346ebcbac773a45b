#pragma once

// TFormPicView, the picture preview window: a small borderless window that
// shows one picture fitted into its panel, steps through the wallpaper list
// ("<<" down, ">>" up) and applies the picture in view as the wallpaper from
// its popup menu (centre, tile, stretch). It is created at start-up right
// after the main window and lives until the program ends, shown and hidden
// (docked at the main window's lower right corner).
//
// Its creation hands the program-wide failure route to
// ApplicationEvents1Exception (from then on no failure is shown to the user)
// and captures TempDir, on which app/'s setter source makes the wallpaper
// setter that this window's menu and the rotation apply with. It knows the
// wallpaper list only as the entries app/ hands it (setWallpaperList), and
// the list knows it only as a wallpaper::PicturePreview.

#include "platform/Platform.h"
#include "toolkit/SkinToolWindow.h"
#include "toolkit/core/ErrorRoute.h"
#include "wallpaper/core/ProgramState.h"
#include "wallpaper/core/WallpaperPeers.h"
#include "wallpaper/core/WallpaperSetterSource.h"

#include <functional>
#include <string>

class QAction;
class QLabel;

namespace tovra::toolkit {
class FlatPopupMenu;
class FlatSpeedButton;
} // namespace tovra::toolkit

namespace tovra {

/// What the preview window works with; app/ keeps it alive longer than the window.
struct PicViewServices {
    platform::Platform& platform;
    ProgramState& state;
    ErrorRoute& errors;
    /// Given TempDir when the window is created; the menu applies with its setter.
    wallpaper::WallpaperSetterSource& setters;
    /// Runs the About window modally, owned by the given window.
    std::function<void(QWidget& owner)> showAbout;
};

class TFormPicView : public toolkit::SkinToolWindow, public wallpaper::PicturePreview {
    Q_OBJECT

public:
    static constexpr QSize kSize{312, 216};
    static constexpr QSize kPanelSize{312, 196};

    explicit TFormPicView(PicViewServices services);
    ~TFormPicView() override;

    /// The wallpaper list that "<<" and ">>" step through, once it exists;
    /// nullptr before it goes.
    void setWallpaperList(wallpaper::WallpaperListEntries* list);
    /// Shows the window with its top left corner at topLeft (beside the window
    /// that asks, say the library's).
    void showAt(QPoint topLeft);

    void FormCreate();
    /// Shows the picture fitted into panel1 and makes it PreviewFileName. A
    /// picture that cannot be read or decoded throws, and leaves the view as
    /// it was (PreviewFileName names it already).
    void ShowPicture(const std::string& path) override;
    [[nodiscard]] bool previewShowing() const override { return isVisible(); }
    /// The apply sequence of the preview's menu, on PreviewFileName with ApplyStyle.
    void ApplyWallpaper();
    void FlatButton1Click();
    void FlatButton2Click();
    void FlatButton3Click();
    void N1Click();
    void N2Click();
    void N3Click();
    void N7Click();
    /// The program-wide failure handler once this window exists: failures
    /// end their handler and are discarded, never shown.
    static void ApplicationEvents1Exception(const std::string& text);

    /// The picture last shown; empty at start.
    std::string PreviewFileName;
    /// The style the menu applies with: 0 centre, 1 tile, 2 stretch.
    int ApplyStyle = 0;

    // Controls, named as in the form description. The window owns them.
    QWidget* panel1 = nullptr;
    QLabel* imgView = nullptr;
    QWidget* FlatPanel2 = nullptr;
    toolkit::FlatSpeedButton* FlatButton1 = nullptr; // "<<"
    toolkit::FlatSpeedButton* FlatButton2 = nullptr; // ">>"
    toolkit::FlatSpeedButton* FlatButton3 = nullptr; // "关闭"
    toolkit::FlatPopupMenu* pm1 = nullptr;
    QAction* N5 = nullptr; // "设置墙纸"
    QAction* N1 = nullptr; // "居中"
    QAction* N2 = nullptr; // "平铺"
    QAction* N3 = nullptr; // "拉伸"
    QAction* N7 = nullptr; // "关于本程式"

private:
    void createPanel();
    void createBar();
    void createMenu();
    void applyWithStyle(int style);
    /// Selects that row of the wallpaper list and shows its picture.
    void showEntry(int row);

    PicViewServices services_;
    wallpaper::WallpaperListEntries* list_ = nullptr;
};

} // namespace tovra
