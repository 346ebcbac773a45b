#pragma once

// The library window on the harness's platform, created as the main window
// creates it, with recording peers and a driver for its input and file
// dialogs; a settings file may be laid down first.

#include "library/Unit_PicManger.h"
#include "settings/SettingsIndex.h"
#include "tests/support/LibraryPeerDoubles.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/TempDir.h"
#include "toolkit/SkinInputDialog.h"

#include <memory>
#include <string>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace tovra::test {

class LibraryWindowFixture {
public:
    explicit LibraryWindowFixture(const std::string& fileText = {}) {
        if (!fileText.empty()) {
            writeBytes(harness.settingsFile, fileText);
        }
        window = std::make_unique<library::TFormPicManger>(
            nullptr,
            library::LibraryServices{*harness.platform, harness.errors, harness.settingsFile,
                                     std::string(settings::kSectionPrefix), peers.peers()});
        window->show();
    }

    [[nodiscard]] QStringList nodes() const {
        QStringList names;
        for (int i = 0; i < window->TVPictype->topLevelItemCount(); ++i) {
            names << window->TVPictype->topLevelItem(i)->text(0);
        }
        return names;
    }
    [[nodiscard]] QStringList items() const {
        QStringList captions;
        for (int i = 0; i < window->LVFilelist->count(); ++i) {
            captions << window->LVFilelist->item(i)->text();
        }
        return captions;
    }
    [[nodiscard]] std::string file() const { return readBytes(harness.settingsFile); }

    void clickCategory(int index) {
        QTreeWidget* tree = window->TVPictype;
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(tree->topLevelItem(index)).center());
    }
    void clickPicture(int index) {
        QListWidget* list = window->LVFilelist;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(index)).center());
    }
    /// Answers the next input dialog with text (OK) or with Cancel.
    void answerInput(const QString& text, bool ok) {
        driver.onNext<toolkit::SkinInputDialog>([text, ok](toolkit::SkinInputDialog& dialog) {
            dialog.edit->setText(text);
            QTest::mouseClick(ok ? dialog.okButton : dialog.cancelButton, Qt::LeftButton);
        });
    }

    MainWindowHarness harness;
    RecordingLibraryPeers peers;
    ModalDriver driver;
    std::unique_ptr<library::TFormPicManger> window;
};

} // namespace tovra::test
