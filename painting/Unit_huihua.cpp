#include "painting/Unit_huihua.h"

#include "painting/PaintCanvas.h"
#include "painting/core/Stamp.h"
#include "toolkit/ColorComboBox.h"
#include "toolkit/ErrorGuard.h"
#include "toolkit/FlatSpeedButton.h"
#include "toolkit/NumberEdit.h"
#include "toolkit/PictureImage.h"
#include "toolkit/SkinColours.h"
#include "toolkit/SkinOpenDialog.h"
#include "toolkit/SkinPictureButton.h"
#include "toolkit/SvgPicture.h"
#include "toolkit/core/ColorTable.h"

#include <array>
#include <utility>

#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>

namespace tovra::painting {

namespace {

constexpr int kGreenIndex = 2; // clGreen in the standard colours
constexpr QPoint kToolBarAt{10, 10};
constexpr int kHeaderHeight = 20;
constexpr int kPanelMargin = 4;
constexpr QSize kNotebookSize{196, 112};
constexpr int kRowPitch = 26;
constexpr int kLabelWidth = 60;
constexpr int kFieldLeft = 66;
constexpr int kFieldWidth = 122;
constexpr int kRowHeight = 22;

QPoint toQt(Point at) {
    return {at.x, at.y};
}

QRect primaryScreenGeometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

/// A label and its control on one row of a notebook page.
QLabel* row(QWidget* page, int index, const QString& caption, QWidget* field,
            int fieldWidth = kFieldWidth) {
    auto* label = new QLabel(caption, page);
    label->setGeometry(4, 4 + index * kRowPitch, kLabelWidth, kRowHeight);
    field->setParent(page);
    field->setGeometry(kFieldLeft, 4 + index * kRowPitch, fieldWidth, kRowHeight);
    return label;
}

} // namespace

QImage grabPrimaryScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->grabWindow(0).toImage() : QImage();
}

template <typename Body>
void TFormhuihua::guard(Body&& body) {
    toolkit::guarded(services_.errors, std::forward<Body>(body));
}

TFormhuihua::TFormhuihua(QWidget* owner, PaintingServices services)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint)
    , services_(std::move(services)) {
    setWindowTitle(QStringLiteral("桌面绘画"));
    setModal(true);
    // The whole primary screen, set here rather than asked of a window manager.
    setGeometry(primaryScreenGeometry());
    // Never painted over: the canvas covers every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);

    Image1 = new PaintCanvas(this);
    Image1->setGeometry(rect());
    connect(Image1, &PaintCanvas::mousePressed, this, &TFormhuihua::FormMouseDown);
    connect(Image1, &PaintCanvas::mouseMoved, this, &TFormhuihua::FormMouseMove);
    connect(Image1, &PaintCanvas::mouseReleased, this, &TFormhuihua::FormMouseUp);

    createToolBar();
    Notebook1 = new QStackedWidget(this);
    Notebook1->setAutoFillBackground(true);
    Notebook1->setFrameShape(QFrame::Box);
    Notebook1->setGeometry(
        QRect(QPoint(kToolBarAt.x(), FlatPanel1->geometry().bottom() + 6), kNotebookSize));
    createPenPage();
    createTextPage();
    createPicturePage();
    showPage(kInitialTool);
    canvasFont_ = font();

    tmr1 = new QTimer(this);
    tmr1->setInterval(kClearIntervalMs);
    connect(tmr1, &QTimer::timeout, this, &TFormhuihua::tmr1Timer);
}

void TFormhuihua::createToolBar() {
    FlatPanel1 = new QFrame(this);
    FlatPanel1->setFrameShape(QFrame::Box);
    FlatPanel1->setAutoFillBackground(true);
    QPalette border = FlatPanel1->palette();
    border.setColor(QPalette::WindowText, Qt::black);
    border.setColor(QPalette::Window, toolkit::colours::kDialogFace);
    FlatPanel1->setPalette(border);
    const int width = kGlyphButtonSize.width() + 2 * kPanelMargin;
    FlatPanel1->setGeometry(kToolBarAt.x(), kToolBarAt.y(), width,
                            kHeaderHeight + 5 * kGlyphButtonSize.height() + 2 * kPanelMargin);
    txt1 = new QLabel(QStringLiteral("工具栏"), FlatPanel1);
    txt1->setAlignment(Qt::AlignCenter);
    txt1->setFrameShape(QFrame::Box);
    txt1->setGeometry(kPanelMargin, kPanelMargin, kGlyphButtonSize.width(), kHeaderHeight - 2);

    // One column, top to bottom: pen, text, picture, clear, close.
    const std::array<std::pair<toolkit::SkinPictureButton**, const char*>, 5> buttons = {{
        {&FlatButton1, "paint_pen"},
        {&FlatButton2, "paint_text"},
        {&FlatButton3, "paint_picture"},
        {&FlatButton5, "paint_clear"},
        {&FlatButton4, "paint_close"},
    }};
    int top = kPanelMargin + kHeaderHeight;
    for (const auto& [member, glyph] : buttons) {
        auto* button = new toolkit::SkinPictureButton(FlatPanel1);
        button->setGeometry(QRect(QPoint(kPanelMargin, top), kGlyphButtonSize));
        button->setPicture(toolkit::renderSvg(
            QStringLiteral(":/art/") + QString::fromLatin1(glyph) + QStringLiteral(".svg"),
            kGlyphButtonSize));
        *member = button;
        top += kGlyphButtonSize.height();
    }
    connect(FlatButton1, &QAbstractButton::clicked, this, &TFormhuihua::FlatButton1Click);
    connect(FlatButton2, &QAbstractButton::clicked, this, &TFormhuihua::FlatButton2Click);
    connect(FlatButton3, &QAbstractButton::clicked, this, &TFormhuihua::FlatButton3Click);
    connect(FlatButton5, &QAbstractButton::clicked, this, &TFormhuihua::FlatButton5Click);
    connect(FlatButton4, &QAbstractButton::clicked, this, &TFormhuihua::FlatButton4Click);
}

void TFormhuihua::createPenPage() {
    auto* page = new QWidget(Notebook1);
    CBLinecolor = new toolkit::ColorComboBox(services_.screen, page, toolkit::kStandardColorCount);
    CBLinecolor->setCurrentIndex(kGreenIndex);
    lbl1 = row(page, 0, QStringLiteral("画笔颜色"), CBLinecolor);
    EDLine = new toolkit::NumberEdit(kNumberMin, kNumberMax, page);
    EDLine->setValue(kInitialLineWidth);
    lbl2 = row(page, 1, QStringLiteral("线条粗细"), EDLine, 70);
    Notebook1->addWidget(page);
}

void TFormhuihua::createTextPage() {
    auto* page = new QWidget(Notebook1);
    CBBFont = new QComboBox(page);
    QStringList faces = QFontDatabase::families();
    faces.sort(Qt::CaseInsensitive);
    CBBFont->addItems(faces);
    CBBFont->setCurrentIndex(-1);
    lbl3 = row(page, 0, QStringLiteral("字体"), CBBFont);
    CBBcolor = new toolkit::ColorComboBox(services_.screen, page, toolkit::kStandardColorCount);
    CBBcolor->setCurrentIndex(kGreenIndex);
    lbl4 = row(page, 1, QStringLiteral("颜色"), CBBcolor);
    EDfontsize = new toolkit::NumberEdit(kNumberMin, kNumberMax, page);
    EDfontsize->setValue(kInitialFontSize);
    lbl5 = row(page, 2, QStringLiteral("大小"), EDfontsize, 70);
    EDtext = new QLineEdit(page);
    lbl6 = row(page, 3, QStringLiteral("文字"), EDtext);
    Notebook1->addWidget(page);
}

void TFormhuihua::createPicturePage() {
    auto* page = new QWidget(Notebook1);
    EDpic = new QLineEdit(page);
    EDpic->setGeometry(4, 4, kNotebookSize.width() - 44, kRowHeight);
    bsSkinSpeedButton1 = new toolkit::FlatSpeedButton(QStringLiteral("..."), page);
    bsSkinSpeedButton1->setGeometry(kNotebookSize.width() - 36, 4, 28, kRowHeight);
    connect(bsSkinSpeedButton1, &QAbstractButton::clicked, this,
            &TFormhuihua::bsSkinSpeedButton1Click);
    OpenPictureDialog1 = new toolkit::SkinOpenDialog(
        this, QStringLiteral("打开图片"),
        QStringLiteral("图片 (*.bmp *.jpg *.jpeg *.gif *.BMP *.JPG *.JPEG *.GIF);;All files (*)"));
    Notebook1->addWidget(page);
}

// ---- tools ---------------------------------------------------------------------

void TFormhuihua::showPage(PaintTool tool) {
    tools_.setTool(tool);
    Notebook1->setCurrentIndex(static_cast<int>(tool));
}

void TFormhuihua::FlatButton1Click() {
    showPage(PaintTool::Pen);
}
void TFormhuihua::FlatButton2Click() {
    showPage(PaintTool::Text);
}
void TFormhuihua::FlatButton3Click() {
    showPage(PaintTool::Picture);
}

void TFormhuihua::bsSkinSpeedButton1Click() {
    guard([this] { OpenPictureDialog1->chooseInto(*EDpic); });
}

ToolOptions TFormhuihua::options() const {
    ToolOptions options;
    options.lineColor = CBLinecolor->currentColor();
    options.lineWidth = EDLine->value();
    if (CBBFont->currentIndex() >= 0) {
        options.fontFace = CBBFont->currentText().toStdString();
    }
    options.fontSize = EDfontsize->value();
    options.fontColor = CBBcolor->currentColor();
    options.text = EDtext->text().toStdString();
    options.picturePath = EDpic->text().toStdString();
    return options;
}

// ---- the mouse -------------------------------------------------------------------

void TFormhuihua::FormMouseDown(QPoint at) {
    guard([this, at] {
        if (const auto command = tools_.press({at.x(), at.y()}, options())) {
            draw(*command);
        }
    });
}

void TFormhuihua::FormMouseMove(QPoint at) {
    guard([this, at] {
        if (const auto line = tools_.move({at.x(), at.y()})) {
            draw(*line);
        }
    });
}

void TFormhuihua::FormMouseUp() {
    tools_.release();
}

// ---- drawing -----------------------------------------------------------------------

const QImage& TFormhuihua::canvas() const {
    return Image1->image();
}

void TFormhuihua::draw(const PaintCommand& command) {
    const QRect changed = std::visit(
        [this](const auto& what) -> QRect {
            using What = std::decay_t<decltype(what)>;
            if constexpr (std::is_same_v<What, DrawLine>) {
                return drawLine(what);
            } else if constexpr (std::is_same_v<What, DrawText>) {
                return drawText(what);
            } else {
                return drawPicture(what);
            }
        },
        command);
    Image1->update(changed);
}

QRect TFormhuihua::drawLine(const DrawLine& line) {
    QPainter painter(&Image1->image());
    painter.setPen(QPen(toolkit::fromColorRef(line.color), line.width, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawLine(toQt(line.from), toQt(line.to));
    const int reach = line.width + 1;
    return QRect(toQt(line.from), toQt(line.to))
        .normalized()
        .adjusted(-reach, -reach, reach, reach);
}

QRect TFormhuihua::drawText(const DrawText& text) {
    if (text.face) {
        canvasFont_.setFamily(QString::fromStdString(*text.face));
    }
    canvasFont_.setPointSize(text.pointSize.value_or(font().pointSize()));
    QPainter painter(&Image1->image());
    painter.setFont(canvasFont_);
    painter.setPen(toolkit::fromColorRef(text.color));
    painter.setBackgroundMode(Qt::TransparentMode);
    QRect drawn;
    painter.drawText(QRect(toQt(text.at), Image1->size()), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromStdString(text.text), &drawn);
    return drawn;
}

QRect TFormhuihua::drawPicture(const DrawPicture& stamp) {
    const auto picture = loadStamp(stamp.path);
    if (!picture) {
        return {};
    }
    const QImage shown = toolkit::toQImage(*picture);
    QPainter painter(&Image1->image());
    painter.drawImage(toQt(stamp.at), shown);
    return QRect(toQt(stamp.at), shown.size());
}

// ---- clear, close ------------------------------------------------------------------

void TFormhuihua::setVisible(bool visible) {
    if (visible && !isVisible()) {
        Image1->startFrom(services_.grabScreen());
    }
    QDialog::setVisible(visible);
}

void TFormhuihua::FlatButton5Click() {
    // Out of the way for a moment, without ending the window's modal run
    // (QDialog's own hiding would): the screen beneath shows again, and the
    // window comes back over it with the drawing gone.
    QWidget::setVisible(false);
    tmr1->start();
}

void TFormhuihua::tmr1Timer() {
    show();
    tmr1->stop();
}

void TFormhuihua::FlatButton4Click() {
    close();
}

void TFormhuihua::done(int result) {
    tmr1->stop();
    QDialog::done(result);
    FormClose();
}

void TFormhuihua::FormClose() {
    if (QWidget* owner = parentWidget(); owner != nullptr) {
        owner->show();
    }
}

} // namespace tovra::painting
