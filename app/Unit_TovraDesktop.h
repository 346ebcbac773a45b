#pragma once

// TFormTovraDesktop, the main window: a small borderless picture window that
// the tray icon calls up. It offers the nine feature buttons, the home-page
// button, four title buttons and a hint label, keeps the wallpaper list and
// the picture preview docked under its lower edge, and runs the start-up and
// exit steps (FormCreate, FormClose).

#include "app/FeatureWindows.h"
#include "app/Magnetic.h"
#include "app/core/DockLayout.h"
#include "app/core/TransparencyDrag.h"
#include "platform/Platform.h"
#include "toolkit/core/ErrorRoute.h"
#include "wallpaper/core/ProgramState.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <QPointer>
#include <QWidget>

class QAction;
class QSlider;
class QTimer;

namespace tovra::toolkit {
class FlatPopupMenu;
class FlatSpeedButton;
class PictureBox;
class ShadowLabel;
class SkinPictureButton;
} // namespace tovra::toolkit

namespace tovra {

/// What the main window works with; app/ keeps all of it alive longer than the window.
struct MainWindowServices {
    platform::Platform& platform;
    ProgramState& state;
    ErrorRoute& errors;
    /// Opens the feature windows of buttons 1 to 7.
    FeatureWindows& features;
    /// The settings file (SettingsIni).
    std::string settingsFile;
    /// The running executable, as the autostart entry names it.
    std::string executablePath;
    /// Runs the start-up password prompt, owned by the main window, modally;
    /// false when the program must end. Empty while there is none.
    std::function<bool(QWidget& owner)> passwordPrompt;
};

class TFormTovraDesktop : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 312;
    static constexpr int kHeight = 237;

    explicit TFormTovraDesktop(MainWindowServices services, QWidget* parent = nullptr);
    ~TFormTovraDesktop() override;

    /// The wallpaper list and the picture preview, which later features bring.
    /// Every use tolerates their absence.
    void setDockedWindows(QWidget* list, QWidget* preview);
    /// Whether the icon is in the notification area now.
    [[nodiscard]] bool hasTrayIcon() const { return trayAdded_; }
    /// Whether the window has a taskbar entry: only while it has no tray icon,
    /// so that a program whose window is out of sight can always be reached.
    [[nodiscard]] bool hasTaskbarEntry() const;
    /// Whether the password prompt ended the program during FormCreate.
    [[nodiscard]] bool startupRefused() const { return startupRefused_; }
    /// The record the tray icon was added with.
    [[nodiscard]] const platform::NotifyIconData& trayIconData() const { return trayData_; }

    // Handlers, named after their control and event.
    void FormCreate();
    void FormShow();
    void FormHide();
    void FormClose();
    void MainWindowProc(std::uint32_t message, std::intptr_t lParam);
    void tmrTrayTimer();
    void DockOnMove();
    void ShowFeatureHint(const toolkit::SkinPictureButton* button);
    void ToggleMainWindow();
    void bsSkinXFormButton1Click();
    void bsSkinXFormButton2Click();
    void bsSkinXFormButton3Click();
    void bsSkinXFormButton4Click();
    void bsSkinXFormButton5Click();
    void bsSkinXFormButton6Click();
    void bsSkinXFormButton7Click();
    void bsSkinXFormButton8Click();
    void bsSkinXFormButton9Click();
    void SBAlphaMouseDown();
    void SBAlphaMouseMove(QPoint pos);
    void SBAlphaMouseUp();
    void btTavroClick();
    void imgbackMouseMove();
    void N1Click();
    void N5Click();
    void N6Click();
    void N8Click();
    void N9Click();

    // Controls, named as in the form description. The window owns them.
    toolkit::PictureBox* imgback = nullptr;
    toolkit::ShadowLabel* lblhint = nullptr;
    toolkit::SkinPictureButton* btTavro = nullptr;
    toolkit::SkinPictureButton* bsSkinXFormButton1 = nullptr;
    toolkit::SkinPictureButton* bsSkinXFormButton2 = nullptr;
    toolkit::SkinPictureButton* bsSkinXFormButton3 = nullptr;
    toolkit::SkinPictureButton* bsSkinXFormButton4 = nullptr;
    toolkit::SkinPictureButton* bsSkinXFormButton5 = nullptr;
    toolkit::SkinPictureButton* bsSkinXFormButton6 = nullptr;
    toolkit::SkinPictureButton* bsSkinXFormButton7 = nullptr;
    toolkit::SkinPictureButton* bsSkinXFormButton8 = nullptr;
    toolkit::SkinPictureButton* bsSkinXFormButton9 = nullptr;
    toolkit::FlatSpeedButton* SBAlpha = nullptr;
    toolkit::FlatSpeedButton* SBAbort = nullptr;
    toolkit::FlatSpeedButton* SBTran = nullptr;
    toolkit::FlatSpeedButton* SBClose = nullptr;
    QSlider* TrackBar1 = nullptr;
    toolkit::FlatPopupMenu* pmPro = nullptr;
    QAction* N5 = nullptr;
    QAction* N6 = nullptr;
    QAction* N1 = nullptr;
    QAction* N10 = nullptr;
    QAction* N8 = nullptr;
    QAction* N9 = nullptr;
    TMagnetic* Magnetic1 = nullptr; // owned by the window, as its Qt parent
    /// Watches the notification area coming and going (tmrTrayTimer).
    QTimer* tmrTray = nullptr;

Q_SIGNALS:
    /// The window has closed and its exit steps have run: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void createBackground();
    void createFeatureButtons();
    void createTitleButtons();
    void createMenu();
    void createMagnet();
    void connectFeatureButtons();
    void connectTitleButtons();
    void centreOnScreen();
    void bringToFront();
    void setTaskbarEntry(bool entry);
    void runFeature(FeatureWindow feature);
    void hideDockedWindows();
    /// Docks a window at corner, then shows it or hides it.
    static void toggleDocked(QWidget* docked, platform::Point corner);
    /// Runs a handler's body inside the error guard.
    template <typename Body>
    void guard(Body&& body);
    [[nodiscard]] mainwindow::DockPositions dockPositions() const;
    [[nodiscard]] platform::Hwnd handle();
    [[nodiscard]] std::string caption() const;

    MainWindowServices services_;
    QPointer<QWidget> list_;
    QPointer<QWidget> preview_;
    std::array<toolkit::SkinPictureButton*, 9> featureButtons_{};
    platform::NotifyIconData trayData_;
    bool trayAdded_ = false;
    bool startupRefused_ = false;
    /// The exit steps are running (the About window is up).
    bool closing_ = false;
    mainwindow::TransparencyDrag transparencyDrag_;
};

} // namespace tovra
