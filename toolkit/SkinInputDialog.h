#pragma once

// The input dialog: a title, a prompt, one edit field with blue text, and the
// buttons "OK" and "Cancel", drawn slightly see-through. It hands back the
// field exactly as typed (nothing trimmed) on OK and an empty text on Cancel,
// so a caller tells "nothing to do" by an empty result alone.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tovra::toolkit {

class SkinInputDialog : public QDialog {
    Q_OBJECT

public:
    /// The dialog's opacity, out of 255.
    static constexpr int kAlphaBlendValue = 235;

    explicit SkinInputDialog(QWidget* parent = nullptr);

    /// Runs the dialog modally with that title, prompt and starting text.
    QString Execute(const QString& title, const QString& promptText, const QString& text = {});

    QLabel* prompt = nullptr;
    QLineEdit* edit = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
};

} // namespace tovra::toolkit
