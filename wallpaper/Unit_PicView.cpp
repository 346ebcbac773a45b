#include "wallpaper/Unit_PicView.h"

#include "picture/Gif.h"
#include "picture/Picture.h"
#include "picture/PictureError.h"
#include "picture/PictureFile.h"
#include "toolkit/DisplayPicture.h"
#include "toolkit/FlatPopupMenu.h"
#include "toolkit/FlatSpeedButton.h"
#include "wallpaper/core/PreviewRules.h"
#include "wallpaper/core/WallpaperRules.h"

#include <utility>

#include <QAction>
#include <QLabel>
#include <QMovie>
#include <QPixmap>

namespace tovra {

namespace {

constexpr int kBarHeight = 20;
constexpr int kButtonTop = 1;
constexpr int kButtonHeight = 18;
constexpr QRect kForwardGeometry(2, kButtonTop, 36, kButtonHeight);
constexpr QRect kBackGeometry(40, kButtonTop, 36, kButtonHeight);
constexpr int kCloseWidth = 44;

} // namespace

TFormPicView::TFormPicView(PicViewServices services)
    : SkinToolWindow(services.errors, QStringLiteral("图片预览"), kSize)
    , services_(std::move(services)) {
    createPanel();
    createBar();
    createMenu();
    guard([this] { FormCreate(); });
}

TFormPicView::~TFormPicView() = default;

void TFormPicView::createPanel() {
    panel1 = new QWidget(this);
    panel1->setGeometry(QRect(QPoint(0, 0), kPanelSize));
    QPalette black = panel1->palette();
    black.setColor(QPalette::Window, Qt::black);
    panel1->setPalette(black);
    panel1->setAutoFillBackground(true);
    imgView = new QLabel(panel1);
    imgView->setScaledContents(true);
    imgView->setGeometry(panel1->rect());
    imgView->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TFormPicView::createBar() {
    FlatPanel2 = new QWidget(this);
    FlatPanel2->setGeometry(0, kPanelSize.height(), kSize.width(), kBarHeight);
    FlatButton1 = new toolkit::FlatSpeedButton(QStringLiteral("<<"), FlatPanel2);
    FlatButton1->setGeometry(kForwardGeometry);
    FlatButton2 = new toolkit::FlatSpeedButton(QStringLiteral(">>"), FlatPanel2);
    FlatButton2->setGeometry(kBackGeometry);
    FlatButton3 = new toolkit::FlatSpeedButton(QStringLiteral("关闭"), FlatPanel2);
    FlatButton3->setGeometry(kSize.width() - 2 - kCloseWidth, kButtonTop, kCloseWidth,
                             kButtonHeight);
    connect(FlatButton1, &QAbstractButton::clicked, this, &TFormPicView::FlatButton1Click);
    connect(FlatButton2, &QAbstractButton::clicked, this, &TFormPicView::FlatButton2Click);
    connect(FlatButton3, &QAbstractButton::clicked, this, &TFormPicView::FlatButton3Click);
}

void TFormPicView::createMenu() {
    pm1 = new toolkit::FlatPopupMenu(this);
    auto* styles = new toolkit::FlatPopupMenu(pm1);
    styles->setTitle(QStringLiteral("设置墙纸"));
    N1 = styles->addAction(QStringLiteral("居中"));
    N2 = styles->addAction(QStringLiteral("平铺"));
    N3 = styles->addAction(QStringLiteral("拉伸"));
    N5 = pm1->addMenu(styles);
    N7 = pm1->addAction(QStringLiteral("关于本程式"));
    connect(N1, &QAction::triggered, this, &TFormPicView::N1Click);
    connect(N2, &QAction::triggered, this, &TFormPicView::N2Click);
    connect(N3, &QAction::triggered, this, &TFormPicView::N3Click);
    connect(N7, &QAction::triggered, this, &TFormPicView::N7Click);
    connect(imgView, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { pm1->popup(imgView->mapToGlobal(at)); });
}

void TFormPicView::FormCreate() {
    services_.errors.previewWindowCreated(&TFormPicView::ApplicationEvents1Exception);
    services_.state.TempDir = services_.platform.files.tempPath();
    services_.setters.useTempDir(services_.state.TempDir);
}

void TFormPicView::ApplicationEvents1Exception(const std::string& /*text*/) {
    // Deliberately nothing: the failing handler has stopped where it failed,
    // what it did before stays done, and the program goes on without a word.
}

void TFormPicView::setWallpaperList(wallpaper::WallpaperListEntries* list) {
    list_ = list;
}

void TFormPicView::showAt(QPoint topLeft) {
    move(topLeft);
    show();
    raise();
}

void TFormPicView::ShowPicture(const std::string& path) {
    PreviewFileName = path;
    const std::string bytes = picture::readPictureFile(path);
    const auto format = picture::formatOfContent(bytes);
    if (!format) {
        throw picture::PictureError(picture::PictureFault::Undecodable, path + " is no picture");
    }
    const wallpaper::PreviewPlacement place = wallpaper::placeInPanel(
        picture::pictureSize(bytes, *format), {panel1->width(), panel1->height()});
    QMovie* previous = imgView->movie();
    // Qt's reader decodes each frame whole, so a GIF moves only when all its
    // frames lie inside the screen that the size guard has just measured.
    // Otherwise it stands still: its first frame cut to the screen by the
    // program's own decoder, as applying it from here converts it.
    if (*format == picture::PictureFormat::Gif && picture::gifFramesInsideScreen(bytes)) {
        QMovie* movie = toolkit::animatedGif(bytes, imgView);
        imgView->setMovie(movie);
        movie->start();
    } else {
        imgView->setPixmap(QPixmap::fromImage(
            toolkit::displayImage(bytes, *format, QSize(place.width, place.height))));
    }
    delete previous;
    imgView->setGeometry(place.left, place.top, place.width, place.height);
}

void TFormPicView::ApplyWallpaper() {
    if (PreviewFileName.empty()) {
        return;
    }
    services_.setters.setter().applyWallpaper(PreviewFileName, wallpaper::ApplyVariant::Preview,
                                              ApplyStyle);
}

void TFormPicView::showEntry(int row) {
    list_->selectEntry(row);
    ShowPicture(list_->entry(row));
}

void TFormPicView::FlatButton1Click() {
    guard([this] {
        if (!list_) {
            return;
        }
        const int selected = list_->selectedEntry();
        const int next = wallpaper::entryAfter(selected, list_->entryCount());
        if (next >= 0 && next != selected) {
            showEntry(next);
        }
    });
}

void TFormPicView::FlatButton2Click() {
    guard([this] {
        if (!list_) {
            return;
        }
        const int selected = list_->selectedEntry();
        if (selected < 0) {
            return;
        }
        const int previous = wallpaper::entryBefore(selected);
        if (previous < 0) {
            // Off the top of the list: nothing selected, the view stays.
            list_->selectEntry(-1);
            return;
        }
        showEntry(previous);
    });
}

void TFormPicView::FlatButton3Click() {
    close();
}

void TFormPicView::applyWithStyle(int style) {
    guard([this, style] {
        ApplyStyle = style;
        ApplyWallpaper();
    });
}

void TFormPicView::N1Click() {
    applyWithStyle(wallpaper::kStyleCentre);
}

void TFormPicView::N2Click() {
    applyWithStyle(wallpaper::kStyleTile);
}

void TFormPicView::N3Click() {
    applyWithStyle(wallpaper::kStyleStretch);
}

void TFormPicView::N7Click() {
    guard([this] {
        if (services_.showAbout) {
            services_.showAbout(*this);
        }
    });
}

} // namespace tovra
