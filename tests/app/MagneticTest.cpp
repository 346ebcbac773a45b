#include "app/Magnetic.h"

#include <functional>
#include <limits>
#include <memory>

#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace tovra {
namespace {

// A 1024 x 768 screen whose left button is down while `leftDown` says so, and
// a taskbar along its bottom edge.
class FakeScreen : public platform::Screen {
public:
    bool leftDown = false;

    int getSystemMetrics(int index) override {
        return index == platform::kSmCxScreen ? 1024 : index == platform::kSmCyScreen ? 768 : 0;
    }
    std::int16_t getAsyncKeyState(int key) override {
        return key == platform::kVkLButton && leftDown ? std::numeric_limits<std::int16_t>::min()
                                                       : 0;
    }
    std::uint32_t getSysColor(int) override { return 0; }
    bool setSysColors(std::span<const int>, std::span<const std::uint32_t>) override {
        return false;
    }
};

class FakeWindows : public platform::DesktopWindows {
public:
    static constexpr platform::Hwnd kTaskbar = 0x44;

    platform::Hwnd findWindow(const std::string& className,
                              const std::optional<std::string>&) override {
        return className == "Shell_TrayWnd" ? kTaskbar : 0;
    }
    platform::Hwnd getWindow(platform::Hwnd, unsigned) override { return 0; }
    std::string getClassName(platform::Hwnd, int) override { return {}; }
    std::optional<platform::Rect> getWindowRect(platform::Hwnd window) override {
        return window == kTaskbar ? std::optional<platform::Rect>({0, 738, 1024, 768})
                                  : std::nullopt;
    }
    bool showWindow(platform::Hwnd, int) override { return false; }
    std::intptr_t sendMessage(platform::Hwnd, unsigned, std::uintptr_t, std::intptr_t) override {
        return 0;
    }
};

// A widget that counts the mouse events that reach its own handlers.
class Probe : public QWidget {
public:
    using QWidget::QWidget;
    int presses = 0;
    int moves = 0;
    std::function<void()> onPress;
    std::function<void()> onRelease;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        if (onPress) {
            onPress();
        }
        QWidget::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        ++moves;
        QWidget::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (onRelease) {
            onRelease();
        }
        QWidget::mouseReleaseEvent(event);
    }
};

// The main window's shape: frameless, 312 x 237, at (300, 200).
struct Rig {
    FakeScreen screen;
    FakeWindows windows;
    Probe owner{nullptr, Qt::FramelessWindowHint};
    TMagnetic* magnet = nullptr;

    Rig() {
        owner.setGeometry(300, 200, 312, 237);
        magnet = new TMagnetic(&owner, windows, screen);
    }

    bool show() {
        owner.show();
        return QTest::qWaitForWindowExposed(&owner);
    }

    /// Presses the left button at `at` on `widget`, moves it to each point in
    /// turn with the button held, and releases it.
    void drag(QWidget* widget, QPoint at, std::initializer_list<QPoint> moves) {
        QTest::mousePress(widget, Qt::LeftButton, {}, at);
        screen.leftDown = true;
        for (const QPoint& point : moves) {
            QTest::mouseMove(widget, point);
        }
        screen.leftDown = false;
        QTest::mouseRelease(widget, Qt::LeftButton, {}, *std::prev(moves.end()));
    }
};

} // namespace

class MagneticTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void draggingTheOwnerMovesAndSnapsIt();
    void aControlThatSwitchesTheMagnetOffOnPressDoesNotDrag();
    void aWindowlessControlDragsInTheOwnersCoordinatesAfterItsOwnHandler();
    void childrenWithWindowsOfTheirOwnNeverDrag();
    void hoveringTheBorder_data();
    void hoveringTheBorder();
    void pressingTheBorderResizesOnlyWithCanResize();
    void theDestructorGivesTheEventsBack();
};

void MagneticTest::draggingTheOwnerMovesAndSnapsIt() {
    Rig rig;
    QVERIFY(rig.show());
    QTest::mousePress(&rig.owner, Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(rig.owner.presses, 1);
    rig.screen.leftDown = true;
    QTest::mouseMove(&rig.owner, QPoint(130, 110));
    QCOMPARE(rig.owner.pos(), QPoint(330, 210));
    QCOMPARE(rig.owner.moves, 1);
    // To left 9: 330 + (-221 - 100) = 9, which the screen edge pulls to 0.
    QTest::mouseMove(&rig.owner, QPoint(-221, 100));
    QCOMPARE(rig.owner.pos(), QPoint(0, 210));
    // The bottom edge 9 pixels above the taskbar's top (738) sits on it.
    QTest::mouseMove(&rig.owner, QPoint(100, 382));
    QCOMPARE(rig.owner.pos(), QPoint(0, 501));
    QCOMPARE(rig.owner.size(), QSize(312, 237));
    // Without the button down (as the system reports it) a move does nothing.
    rig.screen.leftDown = false;
    QTest::mouseMove(&rig.owner, QPoint(150, 150));
    QCOMPARE(rig.owner.pos(), QPoint(0, 501));
    QTest::mouseRelease(&rig.owner, Qt::LeftButton, {}, QPoint(150, 150));
}

void MagneticTest::aControlThatSwitchesTheMagnetOffOnPressDoesNotDrag() {
    Rig rig;
    auto* alpha = new Probe(&rig.owner); // the transparency button's part
    alpha->setGeometry(230, 0, 20, 20);
    alpha->onPress = [&rig] { rig.magnet->setActive(false); };
    alpha->onRelease = [&rig] { rig.magnet->setActive(true); };
    rig.magnet->addWindowlessControl(alpha);
    QVERIFY(rig.show());
    QTest::mousePress(alpha, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!rig.magnet->isActive());
    rig.screen.leftDown = true;
    QTest::mouseMove(alpha, QPoint(-60, 40));
    QTest::mouseMove(alpha, QPoint(60, 80));
    rig.screen.leftDown = false;
    QTest::mouseRelease(alpha, Qt::LeftButton, {}, QPoint(60, 80));
    QCOMPARE(rig.owner.pos(), QPoint(300, 200));
    QVERIFY(rig.magnet->isActive());
    QCOMPARE(alpha->presses, 1);
    QCOMPARE(alpha->moves, 2);
    QCOMPARE(rig.owner.presses, 0);
    QCOMPARE(rig.owner.moves, 0);
}

void MagneticTest::aWindowlessControlDragsInTheOwnersCoordinatesAfterItsOwnHandler() {
    Rig rig;
    auto* picture = new Probe(&rig.owner);
    picture->setGeometry(50, 60, 40, 40);
    // Only the control's own handler turns the magnet on: the press counts only
    // if the magnet looks after that handler has run.
    rig.magnet->setActive(false);
    picture->onPress = [&rig] { rig.magnet->setActive(true); };
    rig.magnet->addWindowlessControl(picture);
    rig.magnet->addWindowlessControl(picture);
    QVERIFY(rig.show());
    rig.drag(picture, QPoint(5, 5), {QPoint(15, 25)});
    QCOMPARE(rig.owner.pos(), QPoint(310, 220));
    QCOMPARE(picture->presses, 1);
    QCOMPARE(picture->moves, 1);
    QCOMPARE(rig.owner.presses, 0);
    QCOMPARE(rig.owner.moves, 0);
}

void MagneticTest::childrenWithWindowsOfTheirOwnNeverDrag() {
    Rig rig;
    auto* button = new QPushButton(QStringLiteral("开始菜单"), &rig.owner);
    button->setGeometry(220, 100, 80, 21);
    auto* panel = new QFrame(&rig.owner); // takes no presses, so Qt passes them up
    panel->setGeometry(20, 150, 100, 50);
    QVERIFY(rig.show());
    rig.drag(button, QPoint(5, 5), {QPoint(45, 45), QPoint(-150, 5)});
    QCOMPARE(rig.owner.pos(), QPoint(300, 200));
    rig.drag(panel, QPoint(5, 5), {QPoint(45, 45), QPoint(5, -120)});
    QCOMPARE(rig.owner.pos(), QPoint(300, 200));
    // A disabled child takes no input: what lies under it is the owner's surface.
    panel->setEnabled(false);
    rig.drag(panel, QPoint(10, 10), {QPoint(20, 20)});
    QCOMPARE(rig.owner.pos(), QPoint(310, 210));
}

void MagneticTest::hoveringTheBorder_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Qt::CursorShape>("shape");
    QTest::newRow("left") << QPoint(2, 100) << Qt::SizeHorCursor;
    QTest::newRow("right") << QPoint(310, 100) << Qt::SizeHorCursor;
    QTest::newRow("top") << QPoint(150, 1) << Qt::SizeVerCursor;
    QTest::newRow("bottom") << QPoint(150, 235) << Qt::SizeVerCursor;
    QTest::newRow("top-left") << QPoint(1, 1) << Qt::SizeFDiagCursor;
    QTest::newRow("bottom-right") << QPoint(310, 235) << Qt::SizeFDiagCursor;
    QTest::newRow("top-right") << QPoint(310, 1) << Qt::SizeBDiagCursor;
    QTest::newRow("bottom-left") << QPoint(1, 235) << Qt::SizeBDiagCursor;
    QTest::newRow("inside") << QPoint(150, 100) << Qt::ArrowCursor;
}

void MagneticTest::hoveringTheBorder() {
    QFETCH(QPoint, at);
    QFETCH(Qt::CursorShape, shape);
    Rig rig;
    auto* label = new QWidget(&rig.owner); // a picture reaching the right border
    label->setGeometry(260, 80, 52, 40);
    rig.magnet->addWindowlessControl(label);
    QVERIFY(rig.show());
    QVERIFY(rig.magnet->core().CanResize); // the owner is frameless
    QTest::mouseMove(&rig.owner, at);
    QWidget* under = rig.owner.childAt(at) != nullptr ? label : &rig.owner;
    QCOMPARE(under->cursor().shape(), shape);
    QTest::mouseMove(&rig.owner, QPoint(150, 100));
    QCOMPARE(under->cursor().shape(), Qt::ArrowCursor);

    rig.magnet->core().CanResize = false; // the main window's setting
    QTest::mouseMove(&rig.owner, at);
    QCOMPARE(under->cursor().shape(), Qt::ArrowCursor);
}

void MagneticTest::pressingTheBorderResizesOnlyWithCanResize() {
    Rig rig;
    QVERIFY(rig.show());
    // The offscreen window system cannot size windows: the magnet does it.
    rig.drag(&rig.owner, QPoint(310, 235), {QPoint(320, 245), QPoint(330, 255)});
    QCOMPARE(rig.owner.geometry(), QRect(300, 200, 332, 257));
    QCOMPARE(rig.owner.presses, 0); // a press on the border is no client press
    rig.drag(&rig.owner, QPoint(1, 100), {QPoint(-19, 90)});
    QCOMPARE(rig.owner.geometry(), QRect(280, 200, 352, 257));

    rig.magnet->core().CanResize = false;
    rig.drag(&rig.owner, QPoint(1, 100), {QPoint(21, 110)});
    QCOMPARE(rig.owner.geometry(), QRect(300, 210, 352, 257));
    QCOMPARE(rig.owner.presses, 1);
}

void MagneticTest::theDestructorGivesTheEventsBack() {
    Rig rig;
    auto* picture = new Probe(&rig.owner);
    picture->setGeometry(50, 60, 40, 40);
    rig.magnet->addWindowlessControl(picture);
    QVERIFY(rig.show());
    delete rig.magnet;
    rig.drag(&rig.owner, QPoint(100, 100), {QPoint(130, 110)});
    rig.drag(picture, QPoint(5, 5), {QPoint(25, 15)});
    QCOMPARE(rig.owner.pos(), QPoint(300, 200));
    QCOMPARE(rig.owner.presses, 2); // its own, and the picture's passed up by Qt
    QCOMPARE(picture->presses, 1);
}

} // namespace tovra

QTEST_MAIN(tovra::MagneticTest)
#include "MagneticTest.moc"
