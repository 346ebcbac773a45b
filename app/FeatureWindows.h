#pragma once

// The seam through which the main window opens its feature windows without
// knowing them: the main window asks for a feature, app/ supplies the object
// that knows which window that is (FeatureWindowFactory, assembled in main()).
//
// Every feature window is created anew for each opening, owned by the window
// that opens it, and run modally; when it closes it stays hidden with its
// owner until the program ends, and is never reused.

class QWidget;

namespace tovra {

/// The modal feature windows of the main window's buttons 1 to 7, and the
/// About window that the main window's "?" and the preview's menu open.
enum class FeatureWindow {
    RotationSettings, // TFormDesktpoPic, "桌面墙纸"
    StartMenu,        // TFormStartMenu, "开始菜单"
    DesktopIcons,     // TFormtubiao, "桌面图标"
    ScreenSaver,      // TFormscreen, "屏幕保护"
    Painting,         // TFormhuihua, "桌面绘画"
    Protection,       // TFormProtect, "保护设置"
    Library,          // TFormPicManger, "壁纸管理"
    About,            // the About window (Unit_abort), "关于本程式"
};

class FeatureWindows {
public:
    virtual ~FeatureWindows() = default;

    /// Whether the program has that window.
    [[nodiscard]] virtual bool has(FeatureWindow feature) const = 0;

    /// Creates the feature's window, owned by owner, and runs it modally;
    /// returns when it has closed. Does nothing for a window the program does
    /// not have.
    virtual void run(FeatureWindow feature, QWidget& owner) = 0;
};

} // namespace tovra
