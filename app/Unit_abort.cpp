#include "app/Unit_abort.h"

#include "app/core/MainWindowTexts.h"
#include "toolkit/ClickLabel.h"
#include "toolkit/ErrorGuard.h"
#include "toolkit/FontSetup.h"

#include <string>

#include <QLabel>
#include <QTimer>

namespace tovra {

namespace {

constexpr int kLabelPixelSize = 12;

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

/// White 12-pixel Song text, on whatever lies beneath.
void styleLabel(QLabel* label, QPoint at) {
    label->setFont(toolkit::songFont(kLabelPixelSize, false));
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->adjustSize();
    label->move(at);
}

} // namespace

TFormabort::TFormabort(QWidget* owner, ShellWindowServices services)
    : FadeWindow(owner, shell::kAboutFade, kSize, QStringLiteral(":/art/about.jpg"))
    , services_(services) {
    setWindowTitle(QStringLiteral("关于Tavro桌面精灵"));
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(silver);
    setAutoFillBackground(true);

    lbl2 = new QLabel(QStringLiteral("Tavro软件网站:"), this);
    styleLabel(lbl2, {184, 182});
    bsSkinLinkLabel1 = new toolkit::ClickLabel(text(mainwindow::kHomePage), this);
    styleLabel(bsSkinLinkLabel1, {190, 205});
    bsSkinStdLabel2 = new toolkit::ClickLabel(QStringLiteral("关 闭"), this);
    styleLabel(bsSkinStdLabel2, {353, 254});
    connect(bsSkinLinkLabel1, &toolkit::ClickLabel::clicked, this,
            &TFormabort::bsSkinLinkLabel1Click);
    connect(bsSkinStdLabel2, &toolkit::ClickLabel::clicked, this,
            &TFormabort::bsSkinStdLabel2Click);
}

void TFormabort::bsSkinLinkLabel1Click() {
    toolkit::guarded(services_.errors, [this] {
        services_.platform.shell.shellExecute(0, "open", std::string(mainwindow::kHomePage), {}, {},
                                              platform::kSwShowNormal);
    });
}

void TFormabort::bsSkinStdLabel2Click() {
    close();
}

void TFormabort::FormClose() {
    fade_.reset();
    setWindowOpacity(1.0);
    tmr1->stop();
}

void TFormabort::done(int result) {
    FormClose();
    FadeWindow::done(result);
}

} // namespace tovra
