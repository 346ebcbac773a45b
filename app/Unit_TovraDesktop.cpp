#include "app/Unit_TovraDesktop.h"

#include "app/ApplicationIcon.h"
#include "app/core/Autostart.h"
#include "app/core/DockLayout.h"
#include "app/core/ElapsedSecondsFile.h"
#include "app/core/FeatureHints.h"
#include "app/core/HomePage.h"
#include "app/core/StartupPassword.h"
#include "app/core/TrayIconRules.h"
#include "settings/IniFile.h"
#include "settings/SettingsIndex.h"
#include "toolkit/ErrorGuard.h"
#include "toolkit/FlatPopupMenu.h"
#include "toolkit/FlatSpeedButton.h"
#include "toolkit/FontSetup.h"
#include "toolkit/PictureBox.h"
#include "toolkit/ShadowLabel.h"
#include "toolkit/SkinPictureButton.h"
#include "toolkit/SvgPicture.h"

#include <exception>
#include <span>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSlider>
#include <QTimer>

namespace tovra {

namespace {

const QColor kBackgroundColour(0x05, 0x67, 0xC0);
const QColor kHintColour(0x00, 0xFF, 0x00);
const QColor kHintShadowColour(0x00, 0x97, 0x00);
constexpr int kHintShadowOffset = 3;
constexpr int kHintPixelSize = 15;

constexpr QRect kTavroGeometry(96, 62, 114, 113);
constexpr QSize kColumnButtonSize(80, 21);
constexpr QSize kSquareButtonSize(26, 26);
constexpr int kColumnLeft = 224;
constexpr int kColumnTop = 50;
constexpr int kColumnPitch = 25;
constexpr int kSquareTop = 203;
constexpr int kSquarePitch = 27;
constexpr int kTitleButtonSize = 20;
constexpr int kTitleTop = 4;
constexpr int kTitleLeft = 218;
constexpr int kTitlePitch = 22;
constexpr QRect kTrackBarGeometry(204, 27, 100, 20);

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString artFile(const char* name) {
    return QStringLiteral(":/art/") + QString::fromUtf8(name) + QStringLiteral(".svg");
}

/// With a tray icon the window is a tool window, which keeps the program off
/// the taskbar (the tool-window style of the application's window on
/// Windows); without one it is an ordinary window with a taskbar entry.
Qt::WindowFlags windowFlagsFor(bool taskbarEntry) {
    return Qt::FramelessWindowHint |
           (taskbarEntry ? Qt::Window | Qt::WindowMinimizeButtonHint : Qt::Tool);
}

} // namespace

template <typename Body>
void TFormTovraDesktop::guard(Body&& body) {
    toolkit::guarded(services_.errors, std::forward<Body>(body));
}

TFormTovraDesktop::TFormTovraDesktop(MainWindowServices services, QWidget* parent)
    : QWidget(parent, windowFlagsFor(false))
    , services_(std::move(services)) {
    setWindowTitle(text(settings::kSectionPrefix));
    setWindowIcon(applicationIcon());
    setFixedSize(kWidth, kHeight);
    setWindowOpacity(1.0);
    QPalette background = palette();
    background.setColor(QPalette::Window, kBackgroundColour);
    setPalette(background);
    setAutoFillBackground(true);

    createBackground();
    createFeatureButtons();
    createTitleButtons();
    createMenu();
    createMagnet();
    connectFeatureButtons();
    connectTitleButtons();
    centreOnScreen();

    tmrTray = new QTimer(this);
    tmrTray->setInterval(mainwindow::kTrayWatchIntervalMs);
    connect(tmrTray, &QTimer::timeout, this, &TFormTovraDesktop::tmrTrayTimer);
}

TFormTovraDesktop::~TFormTovraDesktop() = default;

void TFormTovraDesktop::createBackground() {
    imgback = new toolkit::PictureBox(this);
    imgback->setGeometry(0, 0, kWidth, kHeight);
    imgback->setPicture(toolkit::renderSvg(artFile("background"), size()));

    lblhint = new toolkit::ShadowLabel(this);
    lblhint->setFont(toolkit::songFont(kHintPixelSize, true));
    lblhint->setTextColor(kHintColour);
    lblhint->setShadow(kHintShadowColour, kHintShadowOffset);
    lblhint->move(16, 96);
    lblhint->setText(text(*mainwindow::featureHint(1)));
}

void TFormTovraDesktop::createFeatureButtons() {
    btTavro = new toolkit::SkinPictureButton(this);
    btTavro->setGeometry(kTavroGeometry);
    btTavro->setPicture(toolkit::renderSvg(artFile("tavro"), kTavroGeometry.size()));
    btTavro->setToolTip(text(mainwindow::kHintTavro));

    for (std::size_t i = 0; i < featureButtons_.size(); ++i) {
        auto* button = new toolkit::SkinPictureButton(this);
        const std::string name = "feature" + std::to_string(i + 1);
        const int n = static_cast<int>(i) + 1;
        if (n <= 6) {
            button->setGeometry(
                QRect(QPoint(kColumnLeft, kColumnTop + (n - 1) * kColumnPitch), kColumnButtonSize));
        } else {
            // The row at the bottom right runs 9, 8, 7 from left to right.
            const int slot = 9 - n;
            button->setGeometry(
                QRect(QPoint(kColumnLeft + slot * kSquarePitch, kSquareTop), kSquareButtonSize));
        }
        button->setPicture(toolkit::renderSvg(artFile(name.c_str()), button->size()));
        featureButtons_[i] = button;
    }
    bsSkinXFormButton1 = featureButtons_[0];
    bsSkinXFormButton2 = featureButtons_[1];
    bsSkinXFormButton3 = featureButtons_[2];
    bsSkinXFormButton4 = featureButtons_[3];
    bsSkinXFormButton5 = featureButtons_[4];
    bsSkinXFormButton6 = featureButtons_[5];
    bsSkinXFormButton7 = featureButtons_[6];
    bsSkinXFormButton8 = featureButtons_[7];
    bsSkinXFormButton9 = featureButtons_[8];
}

void TFormTovraDesktop::createTitleButtons() {
    const std::array<std::pair<toolkit::FlatSpeedButton**, const char*>, 4> buttons = {{
        {&SBAlpha, "A"},
        {&SBAbort, "?"},
        {&SBTran, "－"},
        {&SBClose, "×"},
    }};
    int left = kTitleLeft;
    for (const auto& [member, caption] : buttons) {
        *member = new toolkit::FlatSpeedButton(QString::fromUtf8(caption), this);
        (*member)->setGeometry(left, kTitleTop, kTitleButtonSize, kTitleButtonSize);
        left += kTitlePitch;
    }

    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setRange(mainwindow::kOpacityMin, mainwindow::kOpacityMax);
    TrackBar1->setValue(mainwindow::kOpacityMax);
    TrackBar1->setGeometry(kTrackBarGeometry);
    TrackBar1->setFocusPolicy(Qt::NoFocus);
    TrackBar1->setVisible(false);
    TrackBar1->setEnabled(false);
}

void TFormTovraDesktop::createMenu() {
    pmPro = new toolkit::FlatPopupMenu(this);
    N5 = pmPro->addAction(QStringLiteral("显示主窗体"));
    N6 = pmPro->addAction(QStringLiteral("隐藏主窗体"));
    N6->setEnabled(false);
    N1 = pmPro->addAction(QStringLiteral("开机自动运行"));
    N1->setCheckable(true);
    N1->setChecked(true); // always checked at start; the registry is not read
    N10 = pmPro->addSeparator();
    N8 = pmPro->addAction(QStringLiteral("退出程式"));
    N9 = pmPro->addAction(QStringLiteral("关于本程式"));

    connect(N5, &QAction::triggered, this, [this] { N5Click(); });
    connect(N6, &QAction::triggered, this, [this] { N6Click(); });
    connect(N1, &QAction::triggered, this, [this](bool nowChecked) {
        // The menu flips a checkable item's mark before it reports the
        // choice; the toggle decides the mark itself, from the mark it had.
        N1->setChecked(!nowChecked);
        N1Click();
    });
    connect(N8, &QAction::triggered, this, [this] { N8Click(); });
    connect(N9, &QAction::triggered, this, [this] { N9Click(); });
}

void TFormTovraDesktop::createMagnet() {
    Magnetic1 = new TMagnetic(this, services_.platform.windows, services_.platform.screen);
    magnet::MagnetCore& core = Magnetic1->core();
    core.Active = true;
    core.CanResize = false;
    core.MagOption.MagTray = true;
    core.MagOption.MagExplorer = false;
    core.MagOption.MagCustom = false;
    core.MagEffect = 10;
    // The background, the label and the flat buttons have no window of their
    // own on Windows: dragging them drags the window (a press on a flat button
    // reaches the magnet after the button's own handler). The skinned buttons
    // and the track bar do have one, so a press on them never drags.
    const std::array<QWidget*, 6> windowless = {imgback, lblhint, SBAlpha,
                                                SBAbort, SBTran,  SBClose};
    for (QWidget* control : windowless) {
        Magnetic1->addWindowlessControl(control);
    }
}

void TFormTovraDesktop::connectFeatureButtons() {
    using Handler = void (TFormTovraDesktop::*)();
    constexpr std::array<Handler, 9> clicks = {
        &TFormTovraDesktop::bsSkinXFormButton1Click, &TFormTovraDesktop::bsSkinXFormButton2Click,
        &TFormTovraDesktop::bsSkinXFormButton3Click, &TFormTovraDesktop::bsSkinXFormButton4Click,
        &TFormTovraDesktop::bsSkinXFormButton5Click, &TFormTovraDesktop::bsSkinXFormButton6Click,
        &TFormTovraDesktop::bsSkinXFormButton7Click, &TFormTovraDesktop::bsSkinXFormButton8Click,
        &TFormTovraDesktop::bsSkinXFormButton9Click};
    for (std::size_t i = 0; i < featureButtons_.size(); ++i) {
        toolkit::SkinPictureButton* button = featureButtons_[i];
        connect(button, &QAbstractButton::clicked, this, clicks[i]);
        connect(button, &toolkit::SkinPictureButton::mouseEntered, this,
                [this, button] { ShowFeatureHint(button); });
    }
    connect(btTavro, &QAbstractButton::clicked, this, &TFormTovraDesktop::btTavroClick);
    connect(btTavro, &toolkit::SkinPictureButton::mouseEntered, this,
            [this] { lblhint->setText(text(mainwindow::kHintTavro)); });
    connect(imgback, &toolkit::PictureBox::mouseMoved, this, &TFormTovraDesktop::imgbackMouseMove);
}

void TFormTovraDesktop::connectTitleButtons() {
    const std::array<std::pair<toolkit::FlatSpeedButton*, std::string_view>, 4> hints = {{
        {SBAlpha, mainwindow::kHintAlpha},
        {SBAbort, mainwindow::kHintAbout},
        {SBTran, mainwindow::kHintMinimise},
        {SBClose, mainwindow::kHintClose},
    }};
    for (const auto& [button, hint] : hints) {
        connect(button, &toolkit::FlatSpeedButton::mouseEntered, this,
                [this, hintText = text(hint)] { lblhint->setText(hintText); });
    }
    connect(SBAlpha, &toolkit::FlatSpeedButton::mouseDown, this,
            &TFormTovraDesktop::SBAlphaMouseDown);
    connect(SBAlpha, &toolkit::FlatSpeedButton::mouseMoved, this,
            &TFormTovraDesktop::SBAlphaMouseMove);
    connect(SBAlpha, &toolkit::FlatSpeedButton::mouseUp, this, &TFormTovraDesktop::SBAlphaMouseUp);
    connect(SBAbort, &QAbstractButton::clicked, this, &TFormTovraDesktop::N9Click);
    connect(SBTran, &QAbstractButton::clicked, this, &TFormTovraDesktop::N6Click);
    connect(SBClose, &QAbstractButton::clicked, this, &TFormTovraDesktop::N8Click);
}

void TFormTovraDesktop::centreOnScreen() {
    // Centred the first time it is shown; afterwards it comes back where it was.
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr) {
        move(screen->geometry().center() - rect().center());
    }
}

void TFormTovraDesktop::setDockedWindows(QWidget* list, QWidget* preview) {
    list_ = list;
    preview_ = preview;
    DockOnMove();
}

mainwindow::DockPositions TFormTovraDesktop::dockPositions() const {
    const QRect frame = frameGeometry();
    return mainwindow::dockPositions(
        {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()});
}

platform::Hwnd TFormTovraDesktop::handle() {
    return static_cast<platform::Hwnd>(winId());
}

std::string TFormTovraDesktop::caption() const {
    return windowTitle().toStdString();
}

// ---- start-up and exit -----------------------------------------------------

void TFormTovraDesktop::FormCreate() {
    const settings::IniFile ini(services_.platform.profiles, services_.settingsFile);
    services_.state.ElapsedSeconds = mainwindow::loadElapsedSeconds(ini, caption());

    if (mainwindow::startupPasswordStored(services_.platform.registry) &&
        services_.passwordPrompt && !services_.passwordPrompt(*this)) {
        // Start-up ends the program: nothing more is set up, so no tray
        // icon is left behind.
        startupRefused_ = true;
        return;
    }

    hide();

    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    trayData_ = mainwindow::trayIconData(
        handle(), static_cast<std::uintptr_t>(windowIcon().cacheKey()), today.toStdString(),
        [this](std::uint32_t message, std::intptr_t lParam) { MainWindowProc(message, lParam); });
    platform::TrayIcon& tray = services_.platform.tray;
    trayAdded_ = tray.isAvailable() && tray.notifyIcon(platform::kNimAdd, trayData_);
    // Without a notification area the window keeps a taskbar entry, and it
    // watches for one to appear (a panel started after the program).
    setTaskbarEntry(!trayAdded_);
    tmrTray->start();
}

void TFormTovraDesktop::FormClose() {
    tmrTray->stop();
    // The program ends only after the About window has closed.
    N9Click();
    // A failure to save the count is reported, but the user asked to leave:
    // the exit goes on rather than keep a program the user closed.
    guard([this] {
        settings::IniFile ini(services_.platform.profiles, services_.settingsFile);
        mainwindow::saveElapsedSeconds(ini, caption(), services_.state.ElapsedSeconds);
    });
    if (trayAdded_) {
        services_.platform.tray.notifyIcon(platform::kNimDelete, trayData_);
        trayAdded_ = false;
    }
}

void TFormTovraDesktop::closeEvent(QCloseEvent* event) {
    if (closing_) {
        // A second request while the About window of the first is up: the
        // first one ends the program.
        event->ignore();
        return;
    }
    closing_ = true;
    FormClose();
    event->accept();
    Q_EMIT closed();
}

// ---- showing, hiding, docking ------------------------------------------------

void TFormTovraDesktop::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFormTovraDesktop::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        FormHide();
    }
}

void TFormTovraDesktop::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    DockOnMove();
}

void TFormTovraDesktop::FormShow() {
    N5->setEnabled(false);
    N6->setEnabled(true);
}

void TFormTovraDesktop::FormHide() {
    N5->setEnabled(true);
    N6->setEnabled(false);
}

void TFormTovraDesktop::ToggleMainWindow() {
    guard([this] {
        if (isVisible() && !isMinimized()) {
            // Hidden, a window without a tray icon could not be called back:
            // it goes to its taskbar entry instead.
            if (trayAdded_) {
                hide();
            } else {
                showMinimized();
            }
            hideDockedWindows();
        } else {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            show(); // the docked windows keep their own state
        }
    });
}

void TFormTovraDesktop::hideDockedWindows() {
    if (list_) {
        list_->hide();
    }
    if (preview_) {
        preview_->hide();
    }
}

bool TFormTovraDesktop::hasTaskbarEntry() const {
    return windowType() != Qt::Tool;
}

void TFormTovraDesktop::setTaskbarEntry(bool entry) {
    const Qt::WindowFlags flags = windowFlagsFor(entry);
    if (windowFlags() == flags) {
        return;
    }
    // Changing a window's kind hides it; a window in view stays in view, where
    // it was. A minimised one that loses its entry is reached through the icon.
    const bool inView = isVisible() && !isMinimized();
    const QPoint at = pos();
    setWindowFlags(flags);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    move(at);
    if (inView) {
        show();
    }
}

void TFormTovraDesktop::tmrTrayTimer() {
    guard([this] {
        platform::TrayIcon& tray = services_.platform.tray;
        switch (mainwindow::trayChangeFor(trayAdded_, tray.isAvailable())) {
        case mainwindow::TrayChange::AddIcon:
            trayAdded_ = tray.notifyIcon(platform::kNimAdd, trayData_);
            setTaskbarEntry(!trayAdded_);
            break;
        case mainwindow::TrayChange::IconLost:
            tray.notifyIcon(platform::kNimDelete, trayData_);
            trayAdded_ = false;
            setTaskbarEntry(true);
            if (!isVisible()) {
                // Out of sight and now out of reach: back to the taskbar.
                showMinimized();
            }
            break;
        case mainwindow::TrayChange::None:
            break;
        }
    });
}

void TFormTovraDesktop::DockOnMove() {
    try {
        const auto dock = dockPositions();
        if (list_) {
            list_->move(dock.list.x, dock.list.y);
        }
        if (preview_) {
            preview_->move(dock.preview.x, dock.preview.y);
        }
    } catch (...) {
        // A move during start-up, before the docked windows exist, is no error.
    }
}

void TFormTovraDesktop::MainWindowProc(std::uint32_t message, std::intptr_t lParam) {
    guard([&] {
        const QPoint cursor = QCursor::pos();
        switch (mainwindow::trayActionFor(message, lParam)) {
        case mainwindow::TrayAction::ShowAndActivate:
            show();
            bringToFront();
            break;
        case mainwindow::TrayAction::PopupMenu:
            pmPro->popup(cursor);
            break;
        case mainwindow::TrayAction::Nothing:
        case mainwindow::TrayAction::NotTrayMessage:
            break;
        }
    });
}

void TFormTovraDesktop::bringToFront() {
    // The program's active form: a modal window that runs, else the active
    // window, else this one (which a tray click has just shown).
    QWidget* form = QApplication::activeModalWidget();
    if (form == nullptr) {
        form = QApplication::activeWindow();
    }
    if (form == nullptr) {
        form = this;
    }
    form->raise();
    form->activateWindow();
}

// ---- hints ---------------------------------------------------------------------

void TFormTovraDesktop::ShowFeatureHint(const toolkit::SkinPictureButton* button) {
    try {
        const auto hint = mainwindow::featureHintFor(
            std::span<toolkit::SkinPictureButton* const>(featureButtons_), button);
        if (hint) {
            lblhint->setText(text(*hint));
        }
    } catch (...) {
        // The label keeps its text.
    }
}

void TFormTovraDesktop::imgbackMouseMove() {
    lblhint->setText(QString());
}

// ---- feature buttons -------------------------------------------------------------
// Buttons 1 to 7 run the feature windows (rotation settings, start menu,
// desktop icons, screen saver, painting, protection, library) modally through
// the feature-window seam, a new window for each press.

void TFormTovraDesktop::runFeature(FeatureWindow feature) {
    guard([this, feature] { services_.features.run(feature, *this); });
}

void TFormTovraDesktop::bsSkinXFormButton1Click() {
    runFeature(FeatureWindow::RotationSettings);
}
void TFormTovraDesktop::bsSkinXFormButton2Click() {
    runFeature(FeatureWindow::StartMenu);
}
void TFormTovraDesktop::bsSkinXFormButton3Click() {
    runFeature(FeatureWindow::DesktopIcons);
}
void TFormTovraDesktop::bsSkinXFormButton4Click() {
    runFeature(FeatureWindow::ScreenSaver);
}

void TFormTovraDesktop::bsSkinXFormButton5Click() {
    guard([this] {
        if (!services_.features.has(FeatureWindow::Painting)) {
            return;
        }
        // The painting covers the desktop: the main window steps aside, and
        // the painting window shows it again when it closes.
        hide();
        services_.features.run(FeatureWindow::Painting, *this);
        hideDockedWindows();
    });
}

void TFormTovraDesktop::bsSkinXFormButton6Click() {
    runFeature(FeatureWindow::Protection);
}
void TFormTovraDesktop::bsSkinXFormButton7Click() {
    runFeature(FeatureWindow::Library);
}

void TFormTovraDesktop::bsSkinXFormButton8Click() {
    guard([this] { toggleDocked(preview_, dockPositions().preview); });
}

void TFormTovraDesktop::bsSkinXFormButton9Click() {
    guard([this] { toggleDocked(list_, dockPositions().list); });
}

void TFormTovraDesktop::toggleDocked(QWidget* docked, platform::Point corner) {
    if (docked == nullptr) {
        return;
    }
    docked->move(corner.x, corner.y);
    docked->setVisible(!docked->isVisible());
}

// ---- title buttons and menu ------------------------------------------------------

void TFormTovraDesktop::SBAlphaMouseDown() {
    guard([this] {
        TrackBar1->setVisible(true);
        TrackBar1->setEnabled(true);
        Magnetic1->setActive(false); // the press on "A" must not drag the window
    });
}

void TFormTovraDesktop::SBAlphaMouseMove(QPoint pos) {
    guard([this, pos] {
        if (!TrackBar1->isEnabled()) {
            return;
        }
        TrackBar1->setValue(transparencyDrag_.move(pos.x(), TrackBar1->value()));
        setWindowOpacity(TrackBar1->value() / static_cast<qreal>(mainwindow::kOpacityMax));
    });
}

void TFormTovraDesktop::SBAlphaMouseUp() {
    guard([this] {
        TrackBar1->setVisible(false);
        TrackBar1->setEnabled(false);
        Magnetic1->setActive(true);
    });
}

void TFormTovraDesktop::btTavroClick() {
    guard([this] {
        mainwindow::visitHomePage(services_.platform.messageBoxes, services_.platform.shell,
                                  handle());
    });
}

void TFormTovraDesktop::N1Click() {
    guard([this] {
        const mainwindow::AutostartToggle toggle{services_.platform.registry,
                                                 services_.platform.messageBoxes, handle(),
                                                 services_.executablePath};
        toggle.run(N1->isChecked(), [this](bool checked) { N1->setChecked(checked); });
    });
}

void TFormTovraDesktop::N5Click() {
    ToggleMainWindow();
}

void TFormTovraDesktop::N6Click() {
    ToggleMainWindow();
}

void TFormTovraDesktop::N8Click() {
    guard([this] { close(); });
}

void TFormTovraDesktop::N9Click() {
    runFeature(FeatureWindow::About);
}

} // namespace tovra
