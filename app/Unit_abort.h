#pragma once

// TFormabort, the About window: the product's picture, the home page as a
// link, and "关 闭". It stays opaque for four seconds, fades out and closes
// after about 8.8 seconds, or on a click on the picture or on "关 闭". Every
// close puts its fade back to the start, so each showing begins opaque.

#include "app/FadeWindow.h"
#include "app/ShellWindowServices.h"

class QLabel;

namespace tovra {

namespace toolkit {
class ClickLabel;
}

class TFormabort : public FadeWindow {
    Q_OBJECT

public:
    static constexpr QSize kSize{396, 280};

    TFormabort(QWidget* owner, ShellWindowServices services);

    void bsSkinLinkLabel1Click();
    void bsSkinStdLabel2Click();
    void FormClose();

    QLabel* lbl2 = nullptr;
    toolkit::ClickLabel* bsSkinLinkLabel1 = nullptr;
    toolkit::ClickLabel* bsSkinStdLabel2 = nullptr;

protected:
    void done(int result) override;

private:
    ShellWindowServices services_;
};

} // namespace tovra
