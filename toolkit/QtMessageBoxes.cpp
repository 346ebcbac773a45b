#include "toolkit/QtMessageBoxes.h"

#include <utility>
#include <vector>

#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace tovra::toolkit {

namespace {

constexpr unsigned kButtonsMask = 0x0F;
constexpr unsigned kIconMask = 0xF0;
constexpr unsigned kIconQuestion = 0x20;
constexpr unsigned kIconWarning = 0x30;

QMessageBox::Icon iconFor(unsigned type) {
    switch (type & kIconMask) {
    case platform::kMbIconError:
        return QMessageBox::Critical;
    case kIconQuestion:
        return QMessageBox::Question;
    case kIconWarning:
        return QMessageBox::Warning;
    case platform::kMbIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

struct ButtonChoice {
    const char* caption;
    QMessageBox::ButtonRole role;
    int result;
};

std::vector<ButtonChoice> buttonsFor(unsigned type) {
    switch (type & kButtonsMask) {
    case platform::kMbOkCancel:
        return {{"确定", QMessageBox::AcceptRole, platform::kIdOk},
                {"取消", QMessageBox::RejectRole, platform::kIdCancel}};
    case platform::kMbYesNoCancel:
        return {{"是", QMessageBox::YesRole, platform::kIdYes},
                {"否", QMessageBox::NoRole, platform::kIdNo},
                {"取消", QMessageBox::RejectRole, platform::kIdCancel}};
    default:
        return {{"确定", QMessageBox::AcceptRole, platform::kIdOk}};
    }
}

/// Windows breaks message-box lines at "\r" as well as "\n"; Qt only at "\n".
QString displayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

int QtMessageBoxes::messageBox(platform::Hwnd owner, const std::string& text,
                               const std::string& caption, unsigned type) {
    QWidget* parent = owner != 0 ? QWidget::find(static_cast<WId>(owner)) : nullptr;
    QMessageBox box(iconFor(type), QString::fromStdString(caption), displayText(text),
                    QMessageBox::NoButton, parent);
    std::vector<std::pair<QAbstractButton*, int>> answers;
    QAbstractButton* cancel = nullptr;
    for (const ButtonChoice& choice : buttonsFor(type)) {
        QPushButton* button = box.addButton(QString::fromUtf8(choice.caption), choice.role);
        answers.emplace_back(button, choice.result);
        if (choice.result == platform::kIdCancel) {
            cancel = button;
        }
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(answers.front().first));
    // Escape and the close box answer Cancel where there is one; a box with
    // only OK answers OK to them.
    box.setEscapeButton(cancel != nullptr ? cancel : answers.front().first);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    for (const auto& [button, result] : answers) {
        if (button == clicked) {
            return result;
        }
    }
    return cancel != nullptr ? platform::kIdCancel : platform::kIdOk;
}

} // namespace tovra::toolkit
