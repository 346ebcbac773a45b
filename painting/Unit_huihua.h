#pragma once

// TFormhuihua, "桌面绘画": a borderless window over the whole primary screen
// that shows the screen as it was when the window appeared, on which the
// user draws freehand lines, writes text and stamps pictures with any mouse
// button (painting/core/PaintingTools). A tool bar switches the tools, clears
// the drawing and closes the window; closing shows the main window again.
//
// The screen is captured just before the window shows, and again before it
// shows after a clear; what is drawn goes into a picture kept off screen,
// from which the window repaints whatever was covered. The canvas (Image1)
// covers the whole window and takes every mouse event the window would.

#include "painting/core/PaintingTools.h"
#include "platform/Screen.h"
#include "toolkit/core/ErrorRoute.h"

#include <functional>

#include <QDialog>
#include <QFont>
#include <QImage>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTimer;

namespace tovra::toolkit {
class ColorComboBox;
class FlatSpeedButton;
class NumberEdit;
class SkinOpenDialog;
class SkinPictureButton;
} // namespace tovra::toolkit

namespace tovra::painting {

class PaintCanvas;

/// What the painting window works with; app/ keeps it alive longer than the window.
struct PaintingServices {
    /// For the colour lists' system colours.
    platform::Screen& screen;
    ErrorRoute& errors;
    /// The primary screen as it looks now; a null image where it cannot be read.
    std::function<QImage()> grabScreen;
};

/// The primary screen's picture now, from the window system; a null image
/// where the window system does not give it.
[[nodiscard]] QImage grabPrimaryScreen();

class TFormhuihua : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize kGlyphButtonSize{55, 53};

    TFormhuihua(QWidget* owner, PaintingServices services);

    void FlatButton1Click();
    void FlatButton2Click();
    void FlatButton3Click();
    void FlatButton5Click();
    void FlatButton4Click();
    void bsSkinSpeedButton1Click();
    void FormMouseDown(QPoint at);
    void FormMouseMove(QPoint at);
    void FormMouseUp();
    void tmr1Timer();
    void FormClose();

    [[nodiscard]] const PaintingTools& tools() const { return tools_; }
    /// What is drawn, over the screen as it was.
    [[nodiscard]] const QImage& canvas() const;

    PaintCanvas* Image1 = nullptr;
    QFrame* FlatPanel1 = nullptr;
    QLabel* txt1 = nullptr;
    toolkit::SkinPictureButton* FlatButton1 = nullptr;
    toolkit::SkinPictureButton* FlatButton2 = nullptr;
    toolkit::SkinPictureButton* FlatButton3 = nullptr;
    toolkit::SkinPictureButton* FlatButton5 = nullptr;
    toolkit::SkinPictureButton* FlatButton4 = nullptr;
    QStackedWidget* Notebook1 = nullptr;
    QLabel* lbl1 = nullptr;
    toolkit::ColorComboBox* CBLinecolor = nullptr;
    QLabel* lbl2 = nullptr;
    toolkit::NumberEdit* EDLine = nullptr;
    QLabel* lbl3 = nullptr;
    QComboBox* CBBFont = nullptr;
    QLabel* lbl4 = nullptr;
    toolkit::ColorComboBox* CBBcolor = nullptr;
    QLabel* lbl5 = nullptr;
    toolkit::NumberEdit* EDfontsize = nullptr;
    QLabel* lbl6 = nullptr;
    QLineEdit* EDtext = nullptr;
    QLineEdit* EDpic = nullptr;
    toolkit::FlatSpeedButton* bsSkinSpeedButton1 = nullptr;
    toolkit::SkinOpenDialog* OpenPictureDialog1 = nullptr;
    QTimer* tmr1 = nullptr;

    /// Captures the screen beneath just before the window shows.
    void setVisible(bool visible) override;

protected:
    /// Every close, whatever its cause, ends here.
    void done(int result) override;

private:
    void createToolBar();
    void createPenPage();
    void createTextPage();
    void createPicturePage();
    void showPage(PaintTool tool);
    [[nodiscard]] ToolOptions options() const;
    void draw(const PaintCommand& command);
    QRect drawLine(const DrawLine& line);
    QRect drawText(const DrawText& text);
    QRect drawPicture(const DrawPicture& stamp);
    template <typename Body>
    void guard(Body&& body);

    PaintingServices services_;
    PaintingTools tools_;
    /// The canvas's font, kept from one text to the next (a face once chosen stays).
    QFont canvasFont_;
};

} // namespace tovra::painting
