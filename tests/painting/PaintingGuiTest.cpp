// The painting window on the offscreen platform: synthetic mouse events on
// its canvas, checked on the canvas's pixels over a screen picture the test
// gives it; the clear driven through its timer's handler; and button 5's run
// of the window from the main window, whose stamp leaves the wallpaper's
// converted bitmap alone.

#include "painting/PaintCanvas.h"
#include "painting/Unit_huihua.h"
#include "picture/Bmp.h"
#include "tests/support/EncodedPictures.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/PatternPicture.h"
#include "toolkit/ColorComboBox.h"
#include "toolkit/FontSetup.h"
#include "toolkit/NumberEdit.h"
#include "toolkit/PictureImage.h"
#include "toolkit/SkinPictureButton.h"

#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

using tovra::painting::TFormhuihua;
using tovra::test::MainWindowHarness;
using tovra::test::ModalDriver;

namespace {

constexpr QRgb kScreen = 0xFF808080;
constexpr QRgb kScreenAfterClear = 0xFF203040;
constexpr int kRedIndex = 9; // clRed among the standard colours
constexpr QRgb kRed = 0xFFFF0000;

enum class Tool { Pen, Text, Picture };

/// A press at `from`, a drag to `to` and a release, with one button.
void drag(QWidget* canvas, Qt::MouseButton button, QPoint from, QPoint to) {
    QTest::mousePress(canvas, button, {}, from);
    const QPoint middle = (from + to) / 2;
    QMouseEvent move1(QEvent::MouseMove, middle, canvas->mapToGlobal(middle), Qt::NoButton, button,
                      {});
    QApplication::sendEvent(canvas, &move1);
    QMouseEvent move2(QEvent::MouseMove, to, canvas->mapToGlobal(to), Qt::NoButton, button, {});
    QApplication::sendEvent(canvas, &move2);
    QTest::mouseRelease(canvas, button, {}, to);
}

/// The number of pixels in rect that differ from the screen picture.
int changedPixels(const QImage& canvas, QRect rect) {
    int changed = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            changed += canvas.pixel(x, y) != kScreen ? 1 : 0;
        }
    }
    return changed;
}

} // namespace

class PaintingGuiTest : public QObject {
    Q_OBJECT

    tovra::test::TempDir temp;
    std::unique_ptr<MainWindowHarness> h;
    std::unique_ptr<TFormhuihua> w;
    int grabs = 0;

private Q_SLOTS:
    void initTestCase() { tovra::toolkit::setUpFonts(); }

    void init() {
        h = std::make_unique<MainWindowHarness>();
        grabs = 0;
        w = std::make_unique<TFormhuihua>(
            nullptr, tovra::painting::PaintingServices{
                         h->platform->screen, h->errors, [this] {
                             QImage screen(QGuiApplication::primaryScreen()->size(),
                                           QImage::Format_RGB32);
                             screen.fill(grabs++ == 0 ? kScreen : kScreenAfterClear);
                             return screen;
                         }});
        w->show();
    }

    void cleanup() {
        w.reset();
        h.reset();
    }

    void opensOnTheTextToolOverTheScreen() {
        QCOMPARE(w->Notebook1->currentIndex(), 1);
        QCOMPARE(w->geometry(), QGuiApplication::primaryScreen()->geometry());
        QCOMPARE(w->Image1->geometry(), w->rect());
        QCOMPARE(w->canvas().pixel(400, 300), kScreen);
        QCOMPARE(w->CBLinecolor->currentColor(), 0x008000u);
        QCOMPARE(w->EDLine->value(), 3);
        QCOMPARE(w->EDfontsize->value(), 0);
    }

    void mouseDraws_data() {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<int>("width");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("lineHalfWidth"); // -1: no line at all
        QTest::newRow("pen, width 5") << Tool::Pen << 5 << Qt::LeftButton << 2;
        QTest::newRow("pen, width 0 is one pixel") << Tool::Pen << 0 << Qt::LeftButton << 0;
        QTest::newRow("pen, right button") << Tool::Pen << 5 << Qt::RightButton << 2;
        QTest::newRow("text, once, no line") << Tool::Text << 0 << Qt::LeftButton << -1;
        QTest::newRow("picture, once, no line") << Tool::Picture << 0 << Qt::RightButton << -1;
    }

    void mouseDraws() {
        QFETCH(Tool, tool);
        QFETCH(int, width);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, lineHalfWidth);
        const tovra::picture::Image stamp =
            tovra::test::patternPicture({12, 10}, tovra::picture::PixelFormat::Bgr24);
        const std::string stampFile = temp.file("stamp.bmp");
        tovra::test::writeBytes(stampFile, tovra::picture::encodeBmp(stamp));
        switch (tool) {
        case Tool::Pen:
            QTest::mouseClick(w->FlatButton1, Qt::LeftButton);
            w->CBLinecolor->setCurrentIndex(kRedIndex);
            w->EDLine->setValue(width);
            break;
        case Tool::Text:
            w->EDtext->setText(QStringLiteral("Wy画"));
            break;
        case Tool::Picture:
            QTest::mouseClick(w->FlatButton3, Qt::LeftButton);
            w->EDpic->setText(QString::fromStdString(stampFile));
            break;
        }
        const QPoint from(200, 300);
        const QPoint to(500, 300);
        drag(w->Image1, button, from, to);
        const QImage& canvas = w->canvas();

        if (lineHalfWidth >= 0) {
            for (int x = from.x() + 10; x < to.x() - 10; x += 37) {
                QCOMPARE(canvas.pixel(x, from.y()), kRed);
                QCOMPARE(canvas.pixel(x, from.y() - lineHalfWidth), kRed);
                QCOMPARE(canvas.pixel(x, from.y() + lineHalfWidth), kRed);
                QCOMPARE(canvas.pixel(x, from.y() - lineHalfWidth - 1), kScreen);
                QCOMPARE(canvas.pixel(x, from.y() + lineHalfWidth + 1), kScreen);
            }
            return;
        }
        // One drawing at the press point, nothing along the drag.
        QCOMPARE(changedPixels(canvas, QRect(from.x() + 100, from.y() - 20, 220, 60)), 0);
        if (tool == Tool::Picture) {
            const QImage expected = tovra::toolkit::toQImage(stamp);
            QCOMPARE(canvas.copy(QRect(from, expected.size())), expected);
        } else {
            const QRect cell(from, QSize(80, 40));
            QVERIFY(changedPixels(canvas, cell) > 10);
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                for (int x = cell.left(); x <= cell.right(); ++x) {
                    // The screen's grey, or the text's green blended into it.
                    const QRgb pixel = canvas.pixel(x, y);
                    QVERIFY(pixel == kScreen ||
                            (qGreen(pixel) == 0x80 && qRed(pixel) == qBlue(pixel)));
                }
            }
            QCOMPARE(changedPixels(canvas, QRect(0, 0, from.x(), from.y())), 0);
        }
    }

    void coveredCanvasRepaintsFromTheDrawing() {
        QTest::mouseClick(w->FlatButton1, Qt::LeftButton);
        w->CBLinecolor->setCurrentIndex(kRedIndex);
        drag(w->Image1, Qt::LeftButton, {500, 150}, {700, 150});
        w->Image1->repaint(); // what a window passing over it asks for
        const QImage shown = w->Image1->grab().toImage();
        QCOMPARE(shown.pixel(600, 150), kRed);
        QCOMPARE(shown.pixel(600, 450), kScreen);
    }

    void clearHidesThenShowsTheScreenAgain() {
        QTest::mouseClick(w->FlatButton1, Qt::LeftButton);
        drag(w->Image1, Qt::LeftButton, {100, 400}, {400, 400});
        QTest::mouseClick(w->FlatButton5, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QVERIFY(w->tmr1->isActive());
        QCOMPARE(w->tmr1->interval(), 500);
        w->tmr1Timer();
        QVERIFY(w->isVisible());
        QVERIFY(!w->tmr1->isActive());
        QCOMPARE(grabs, 2);
        QCOMPARE(w->canvas().pixel(250, 400), kScreenAfterClear);
    }

    void buttonFiveRunsItAndAStampLeavesTheWallpaperBitmap() {
        const std::string bitmap = h->platform->files.tempPath() + "WallPaper.BMP";
        tovra::test::writeBytes(bitmap, "the desktop's wallpaper");
        const std::string jpeg = temp.file("photo.JPG");
        tovra::test::writeBytes(jpeg, tovra::test::jpegFile(tovra::test::patternPicture(
                                          {8, 8}, tovra::picture::PixelFormat::Bgr24)));
        auto& main = h->start();
        main.show();
        bool mainHidden = false;
        int stampedPixels = 0;
        ModalDriver driver;
        driver.onNext<TFormhuihua>([&](TFormhuihua& painting) {
            mainHidden = !main.isVisible();
            QTest::mouseClick(painting.FlatButton3, Qt::LeftButton);
            painting.EDpic->setText(QString::fromStdString(jpeg));
            const QImage before = painting.canvas().copy(10, 400, 8, 8);
            QTest::mouseClick(painting.Image1, Qt::LeftButton, {}, {10, 400});
            const QImage after = painting.canvas().copy(10, 400, 8, 8);
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 8; ++x) {
                    stampedPixels += before.pixel(x, y) != after.pixel(x, y) ? 1 : 0;
                }
            }
            QTest::mouseClick(painting.FlatButton4, Qt::LeftButton);
        });
        QTest::mouseClick(main.bsSkinXFormButton5, Qt::LeftButton);
        QVERIFY(driver.ran());
        QVERIFY(!driver.leftOpen());
        QVERIFY(mainHidden);
        QVERIFY(stampedPixels > 0);
        QVERIFY(main.isVisible());
        QCOMPARE(tovra::test::readBytes(bitmap), std::string("the desktop's wallpaper"));
    }
};

QTEST_MAIN(PaintingGuiTest)
#include "PaintingGuiTest.moc"
