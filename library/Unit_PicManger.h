#pragma once

// TFormPicManger, the wallpaper library window: a tree of categories, the
// pictures of the selected one as icons, buttons that add, rename and delete
// categories and pictures, a preview of a picture beside the window, a way to
// send a picture to the wallpaper list, and a page of links to wallpaper
// sites. Every change goes to the settings file at once through the library
// store; the window holds the file from its creation until it closes.
//
// The picture list always shows exactly the selected category's pictures, in
// key order: it is refilled whenever the selection changes (by mouse,
// keyboard or a deletion) and after pictures are added. A picture operation
// reads the keys afresh and acts on the key at the selected item's index only
// while that key is still the item's picture.

#include "library/LibraryPeers.h"
#include "library/core/LibraryStore.h"
#include "library/core/PictureItems.h"
#include "platform/Platform.h"
#include "settings/IniFile.h"
#include "toolkit/SkinDialog.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QIcon>

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;

namespace tovra::toolkit {
class FlatPopupMenu;
class FlatSpeedButton;
class SkinInputDialog;
class SkinLinkLabel;
class SkinOpenDialog;
class SkinPageControl;
} // namespace tovra::toolkit

namespace tovra::library {

/// What the library window works with; app/ keeps all of it alive longer than the window.
struct LibraryServices {
    platform::Platform& platform;
    ErrorRoute& errors;
    /// The settings file (SettingsIni).
    std::string settingsFile;
    /// The main window's caption, which marks the program's own sections.
    std::string sectionPrefix;
    LibraryPeers peers;
};

class TFormPicManger : public toolkit::SkinDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 407;
    static constexpr int kHeight = 268;
    /// The window's face, 33023 as a Windows colour.
    static inline const QColor kFace{0xFF, 0x80, 0x00};

    TFormPicManger(QWidget* owner, LibraryServices services);
    ~TFormPicManger() override;

    // Handlers, named after their control and event.
    void FormCreate();
    void FormShow();
    void FormClose();
    void LoadCategories();
    void TVPictypeClick();
    void SBAddTypeClick();
    void SBEditTypeClick();
    void SBDelTypeClick();
    void SBtujianClick();
    void SBAddPicClick();
    void SBDelPicClick();
    void LVFilelistClick();
    void addpiclistClick();
    void SBCloseFormClick();

    // Controls, named as in the form description. The window owns them.
    toolkit::SkinPageControl* bsSkinPageControl1 = nullptr;
    QWidget* bsSkinTabSheet1 = nullptr;
    QWidget* bsSkinTabSheet2 = nullptr;
    QTreeWidget* TVPictype = nullptr;
    QGroupBox* bsSkinGroupBox2 = nullptr;
    QListWidget* LVFilelist = nullptr;
    toolkit::FlatSpeedButton* SBAddType = nullptr;
    toolkit::FlatSpeedButton* SBEditType = nullptr;
    toolkit::FlatSpeedButton* SBDelType = nullptr;
    toolkit::FlatSpeedButton* SBtujian = nullptr;
    toolkit::FlatSpeedButton* SBAddPic = nullptr;
    toolkit::FlatSpeedButton* SBDelPic = nullptr;
    toolkit::FlatSpeedButton* SBViewPic = nullptr;
    toolkit::FlatSpeedButton* SBCloseForm = nullptr;
    toolkit::FlatPopupMenu* pm1 = nullptr;
    QAction* addpiclist = nullptr;
    QAction* delpic = nullptr;
    toolkit::SkinInputDialog* IDNewStr = nullptr;
    toolkit::SkinOpenDialog* OPDPicfile = nullptr;
    std::vector<toolkit::SkinLinkLabel*> linkLabels; // bsSkinLinkLabel1 to 13, in page order
    QLabel* lbl1 = nullptr;
    /// The five images of the tree and the picture list, by LibraryImage.
    std::array<QIcon, 5> il1;

    /// The icon of a category node: the closed folder, the open one while selected.
    [[nodiscard]] const QIcon& categoryIcon() const { return categoryIcon_; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void createImages();
    void createCategoryPage();
    void createButtons(QWidget* page);
    void createPictureBox(QWidget* page);
    void createLinksPage();
    void connectHandlers();

    void appendCategoryNode(const std::string& name);
    void fillCategoryTree(const std::vector<std::string>& names);
    [[nodiscard]] QTreeWidgetItem* selectedCategoryNode() const;
    /// The node named name (letter case and outer blanks ignored) other than other.
    [[nodiscard]] QTreeWidgetItem* categoryNode(const QString& name,
                                                const QTreeWidgetItem* other) const;
    [[nodiscard]] std::optional<std::string> selectedCategory() const;
    /// The selected picture's key, while the list still shows the section.
    [[nodiscard]] std::optional<std::string> selectedPicture();
    [[nodiscard]] std::vector<std::string> chosenPictureFiles();
    [[nodiscard]] platform::Hwnd handle();
    void openLink(std::size_t index);

    LibraryServices services_;
    std::unique_ptr<settings::IniFile> ini_;
    std::unique_ptr<LibraryStore> store_;
    QIcon categoryIcon_;
};

} // namespace tovra::library
