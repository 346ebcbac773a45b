#pragma once

// The settings-window pattern, shared by the rotation settings, start menu,
// desktop icon and protection windows.
//
// - A plain record per window (say wallpaper::RotationSettings) holds what the
//   window's controls show. Default-constructed, it is the form's initial
//   state.
// - Qt-free functions in the subsystem's core folder load the stored settings
//   into that record, step by step in the documented order, and save a record.
//   They carry the rules and are tested once, in tables, without a window.
// - The window only copies the record to its controls (showControls) and back
//   (readControls), and hands load and save to the core (loadSettings,
//   saveSettings).
//
// SettingsForm runs the steps: it loads when the window is created (the
// window's constructor calls FormCreate() last) or each time it is shown
// (LoadOn::Show), and gives the window its two buttons: FlatButton1 "保存"
// saves and then closes, FlatButton2 "返回" closes without writing. A load or
// save that fails ends there, as every handler does: the failure goes to the
// program-wide route, what was done stays done (the controls show whatever the
// load had reached, the values written before a failed write stay written),
// and a failed save leaves the window open. saveSettings() returns false to
// keep the window open without a failure (a question the user answered No).

#include "toolkit/FlatSpeedButton.h"
#include "toolkit/SkinDialog.h"

#include <QShowEvent>

namespace tovra::toolkit {

/// When a settings window loads its settings.
enum class LoadOn { Create, Show };

/// The size and the bottom margin of the two buttons.
inline constexpr QSize kSettingsButtonSize{64, 22};
inline constexpr int kSettingsButtonMargin = 8;

template <typename Record>
class SettingsForm : public SkinDialog {
public:
    FlatSpeedButton* FlatButton1 = nullptr; // "保存"
    FlatSpeedButton* FlatButton2 = nullptr; // "返回"

    /// "保存": saves what the controls show, then closes.
    void FlatButton1Click() {
        guard([this] {
            if (saveSettings(readControls())) {
                accept();
            }
        });
    }
    /// "返回": closes; nothing is written.
    void FlatButton2Click() { reject(); }

protected:
    SettingsForm(QWidget* owner, ErrorRoute& errors, const QString& caption, QSize clientSize,
                 LoadOn loadOn)
        : SkinDialog(owner, errors, caption, clientSize)
        , loadOn_(loadOn) {
        FlatButton1 = new FlatSpeedButton(QStringLiteral("保存"), this);
        FlatButton2 = new FlatSpeedButton(QStringLiteral("返回"), this);
        const int top = clientSize.height() - kSettingsButtonMargin - kSettingsButtonSize.height();
        const int right = clientSize.width() - kSettingsButtonMargin;
        FlatButton2->setGeometry(
            QRect(QPoint(right - kSettingsButtonSize.width(), top), kSettingsButtonSize));
        FlatButton1->setGeometry(
            QRect(QPoint(right - 2 * kSettingsButtonSize.width() - kSettingsButtonMargin, top),
                  kSettingsButtonSize));
        QObject::connect(FlatButton1, &QAbstractButton::clicked, this,
                         [this] { FlatButton1Click(); });
        QObject::connect(FlatButton2, &QAbstractButton::clicked, this,
                         [this] { FlatButton2Click(); });
    }

    /// The record as the controls show it now.
    [[nodiscard]] virtual Record readControls() const = 0;
    /// Puts the record into the controls, without running their handlers.
    virtual void showControls(const Record& record) = 0;
    /// The core's load, step by step into record; may fail at any step.
    virtual void loadSettings(Record& record) = 0;
    /// The core's save, in its fixed order; false keeps the window open.
    virtual bool saveSettings(const Record& record) = 0;

    /// The window's creation: loads, for LoadOn::Create. The window's
    /// constructor calls it last, once its controls exist.
    void FormCreate() {
        if (loadOn_ == LoadOn::Create) {
            loadIntoControls();
        }
    }

    /// Loads into the controls; they show what the load reached, even when a
    /// step failed.
    void loadIntoControls() {
        guard([this] {
            Record record = readControls();
            try {
                loadSettings(record);
            } catch (...) {
                showControls(record);
                throw;
            }
            showControls(record);
        });
    }

    void showEvent(QShowEvent* event) override {
        SkinDialog::showEvent(event);
        if (loadOn_ == LoadOn::Show && !event->spontaneous()) {
            loadIntoControls();
        }
    }

private:
    LoadOn loadOn_;
};

} // namespace tovra::toolkit
