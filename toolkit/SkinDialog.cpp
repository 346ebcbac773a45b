#include "toolkit/SkinDialog.h"

#include "toolkit/FlatTitlebar.h"
#include "toolkit/FontSetup.h"
#include "toolkit/SkinColours.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

namespace tovra::toolkit {

namespace {
constexpr int kCaptionPixelSize = 12;
} // namespace

void applyDialogFace(QWidget& window) {
    window.setFont(songFont(kCaptionPixelSize, false));
    QPalette face = window.palette();
    face.setColor(QPalette::Window, colours::kDialogFace);
    face.setColor(QPalette::WindowText, colours::kDialogText);
    window.setPalette(face);
    window.setAutoFillBackground(true);
}

SkinDialog::SkinDialog(QWidget* owner, ErrorRoute& errors, const QString& caption, QSize clientSize)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint)
    , errors_(errors) {
    setWindowTitle(caption.trimmed());
    setModal(true);
    setFixedSize(clientSize);
    applyDialogFace(*this);

    FlatTitlebar1 = new FlatTitlebar(caption, this);
    FlatTitlebar1->setGeometry(0, 0, clientSize.width(), FlatTitlebar::kHeight);
}

SkinDialog::~SkinDialog() = default;

int SkinDialog::contentTop() const {
    return FlatTitlebar1 != nullptr ? FlatTitlebar::kHeight : 0;
}

void SkinDialog::hideTitlebar() {
    delete FlatTitlebar1;
    FlatTitlebar1 = nullptr;
}

void SkinDialog::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        centreOnOwner();
    }
    QDialog::showEvent(event);
}

void SkinDialog::centreOnOwner() {
    // The owner's centre while it is on screen; the screen's otherwise (an
    // owner that is hidden, as the main window is while the desktop is painted).
    QRect area;
    if (const QWidget* owner = parentWidget(); owner != nullptr && owner->isVisible()) {
        area = owner->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr) {
        area = screen->availableGeometry();
    } else {
        return;
    }
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void SkinDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(colours::kDarkBlue);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tovra::toolkit
