#include "toolkit/SkinInputDialog.h"

#include "toolkit/FontSetup.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tovra::toolkit {

namespace {
constexpr int kPixelSize = 12;
constexpr int kEditWidth = 240;
const QColor kEditText(0x00, 0x00, 0xFF);
} // namespace

SkinInputDialog::SkinInputDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setModal(true);
    setFont(songFont(kPixelSize, false));
    setWindowOpacity(kAlphaBlendValue / 255.0);

    prompt = new QLabel(this);
    edit = new QLineEdit(this);
    edit->setMinimumWidth(kEditWidth);
    QPalette blue = edit->palette();
    blue.setColor(QPalette::Text, kEditText);
    edit->setPalette(blue);

    auto* buttons = new QDialogButtonBox(this);
    okButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cancelButton = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    okButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString SkinInputDialog::Execute(const QString& title, const QString& promptText,
                                 const QString& text) {
    setWindowTitle(title);
    prompt->setText(promptText);
    edit->setText(text);
    edit->selectAll();
    edit->setFocus();
    return exec() == QDialog::Accepted ? edit->text() : QString();
}

} // namespace tovra::toolkit
