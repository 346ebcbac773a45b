#include "desktop/Unit_screen.h"

#include "toolkit/FlatSpeedButton.h"
#include "toolkit/SkinFileControls.h"

#include <utility>

#include <QLabel>
#include <QShowEvent>

namespace tovra::desktop {

namespace {

constexpr int kChooserWidth = 125;

} // namespace

TFormscreen::TFormscreen(QWidget* owner, DesktopWindowServices services)
    : SkinDialog(owner, services.errors, QStringLiteral("屏幕保护"), kClientSize)
    , services_(std::move(services))
    , preview_(services_.platform.processes) {
    createChooser();
    createPreviewPanel();
}

void TFormscreen::createChooser() {
    const int top = contentTop();
    bsSkinPanel2 = new QWidget(this);
    bsSkinPanel2->setGeometry(0, top, kChooserWidth, kClientSize.height() - top);
    FLBScreen = new toolkit::SkinFileListBox(bsSkinPanel2);
    FLBScreen->setGeometry(2, 2, kChooserWidth - 4, 74);
    bsSkinDriveComboBox2 = new toolkit::SkinDriveComboBox(bsSkinPanel2);
    bsSkinDriveComboBox2->setGeometry(2, 78, kChooserWidth - 4, 20);
    bsSkinDirectoryListBox2 = new toolkit::SkinDirectoryListBox(bsSkinPanel2);
    bsSkinDirectoryListBox2->setGeometry(2, 100, kChooserWidth - 4, 96);
    bsSkinFilterComboBox2 = new toolkit::SkinFilterComboBox(bsSkinPanel2);
    bsSkinFilterComboBox2->setGeometry(2, 198, kChooserWidth - 4, 20);
    bsSkinFilterComboBox2->setFilter(QStringLiteral("屏保文件(*.scr)|*.scr"));
    toolkit::linkFileChooser(bsSkinDriveComboBox2, bsSkinDirectoryListBox2, bsSkinFilterComboBox2,
                             FLBScreen);
    connect(FLBScreen, &QListWidget::itemDoubleClicked, this,
            [this] { FLBScreenListBoxDblClick(); });
}

void TFormscreen::createPreviewPanel() {
    const int left = kChooserWidth;
    const int top = contentTop();
    bsSkinPanel1 = new QWidget(this);
    bsSkinPanel1->setGeometry(left, top, kClientSize.width() - left, kClientSize.height() - top);
    FlatPanel1 = new QLabel(QStringLiteral("屏保预览窗口"), bsSkinPanel1);
    FlatPanel1->setAlignment(Qt::AlignCenter);
    FlatPanel1->setFrameShape(QFrame::Box);
    FlatPanel1->setAutoFillBackground(true);
    // The preview's program draws into this window: it needs one of its own.
    FlatPanel1->setAttribute(Qt::WA_NativeWindow);
    FlatPanel1->setGeometry(QRect(QPoint(1, 2), kPreviewSize));
    const int buttonTop = 2 + kPreviewSize.height() + 6;
    FlatButton4 = new toolkit::FlatSpeedButton(QStringLiteral("启动屏幕保护"), bsSkinPanel1);
    FlatButton4->setGeometry(4, buttonTop, 84, 22);
    FlatButton3 = new toolkit::FlatSpeedButton(QStringLiteral("屏幕设置"), bsSkinPanel1);
    FlatButton3->setGeometry(92, buttonTop, 60, 22);
    FlatButton1 = new toolkit::FlatSpeedButton(QStringLiteral("返回"), bsSkinPanel1);
    FlatButton1->setGeometry(156, buttonTop, 54, 22);
    connect(FlatButton4, &QAbstractButton::clicked, this, [this] { FlatButton4Click(); });
    connect(FlatButton3, &QAbstractButton::clicked, this, [this] { FlatButton3Click(); });
    connect(FlatButton1, &QAbstractButton::clicked, this, [this] { FlatButton3Click(); });
}

void TFormscreen::FormShow() {
    guard([this] {
        FLBScreen->setFileName(QString::fromStdString(services_.platform.files.systemDirectory()));
    });
}

void TFormscreen::FLBScreenListBoxDblClick() {
    guard([this] {
        preview_.start(FLBScreen->fileName().toStdString(),
                       static_cast<platform::Hwnd>(FlatPanel1->winId()));
    });
}

void TFormscreen::FlatButton4Click() {
    guard([this] {
        services_.platform.processes.broadcastSystemCommand(platform::kScScreenSave, 0);
    });
}

void TFormscreen::FlatButton3Click() {
    close();
}

void TFormscreen::showEvent(QShowEvent* event) {
    SkinDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFormscreen::hideEvent(QHideEvent* event) {
    // No screen saver goes on drawing into a panel nobody sees.
    preview_.stop();
    SkinDialog::hideEvent(event);
}

} // namespace tovra::desktop
