#pragma once

// TFormPiclist, the wallpaper list window: the list of pictures the rotation
// chooses from (lvpicture, kept in the settings file's " PicNameList"
// section), a column of five buttons, and a small file browser to build the
// list from. It carries the rotation timer tmr1, which ticks once a second
// from the window's creation at start-up until the program ends, shown or
// hidden (docked under the main window).
//
// The list never holds a path twice, and a removal takes the entry's own
// line out of the section, never another's: the rules are
// wallpaper::PicNameList's, the rotation's wallpaper::WallpaperRotation's.
//
// The picture preview walks lvpicture through the window's
// wallpaper::WallpaperListEntries; a click shows its picture in the preview
// through the wallpaper::PicturePreview that app/ hands the window.

#include "platform/Platform.h"
#include "toolkit/SkinToolWindow.h"
#include "toolkit/core/ErrorRoute.h"
#include "wallpaper/core/ProgramState.h"
#include "wallpaper/core/WallpaperPeers.h"
#include "wallpaper/core/WallpaperRotation.h"
#include "wallpaper/core/WallpaperSetterSource.h"

#include <string>
#include <vector>

class QListWidget;
class QTimer;

namespace tovra::toolkit {
class FlatSpeedButton;
class SkinDirectoryListBox;
class SkinDriveComboBox;
class SkinFileListBox;
class SkinFilterComboBox;
} // namespace tovra::toolkit

namespace tovra {

/// What the list window works with; app/ keeps it alive longer than the window.
struct PiclistServices {
    platform::Platform& platform;
    ProgramState& state;
    ErrorRoute& errors;
    /// The settings file (SettingsIni).
    std::string settingsFile;
    /// The wallpaper setter the rotation applies with, once TempDir is known.
    wallpaper::WallpaperSetterSource& setters;
    /// The preview that shows the clicked pictures.
    wallpaper::PicturePreview& preview;
};

/// UpdatePicNameList's modes.
inline constexpr int kListRemove = 0;
inline constexpr int kListAdd = 1;

class TFormPiclist : public toolkit::SkinToolWindow, public wallpaper::WallpaperListEntries {
    Q_OBJECT

public:
    static constexpr QSize kSize{312, 216};
    /// The filters of bsSkinFilterComboBox1, as "caption|mask|caption|mask...".
    static constexpr char kFilters[] = "BMP,JPG,JPEG,GIF|*.bmp;*.jpg;*.jpeg;*.gif|"
                                       "Bmp(*.bmp)|*.bmp|jpg(*.jpg)|*.jpg|"
                                       "jpeg(*.jpeg)|*.jpeg|gif(*.gif)|*.gif";

    explicit TFormPiclist(PiclistServices services);
    ~TFormPiclist() override;

    void FormCreate();
    /// Replaces lvpicture's entries with the section's paths, in file order.
    void LoadPicNameList();
    /// The section's one writer. kListAdd: adds the path text unless it is
    /// listed already or cannot stand as a line; true when added. Any other
    /// mode removes the line of the path text (and no other); true. Throws
    /// settings::IniFileError when the file refuses an add.
    bool UpdatePicNameList(const std::string& text, int mode);
    /// Appends the path to the section and to lvpicture, unless the list
    /// holds it already: how other windows (the library) add pictures.
    bool AddToWallpaperList(const std::string& path);

    void FBAddSingleClick();
    void FBAddAllClick();
    void FBDelSingleClick();
    void FBDelAllClick();
    void FBHideFileClick();
    void FLBpictureListBoxClick();
    void lvpictureListBoxClick();
    void tmr1Timer();

    // lvpicture as the preview steps through it.
    [[nodiscard]] int entryCount() const override;
    [[nodiscard]] int selectedEntry() const override;
    void selectEntry(int position) override;
    [[nodiscard]] std::string entry(int position) const override;

    // Controls, named as in the form description. The window owns them.
    QListWidget* lvpicture = nullptr;
    QWidget* FlatPanel4 = nullptr;
    toolkit::FlatSpeedButton* FBAddSingle = nullptr; // "<"
    toolkit::FlatSpeedButton* FBAddAll = nullptr;    // "<<"
    toolkit::FlatSpeedButton* FBDelSingle = nullptr; // ">"
    toolkit::FlatSpeedButton* FBDelAll = nullptr;    // ">>"
    toolkit::FlatSpeedButton* FBHideFile = nullptr;  // "<>"
    QWidget* FlatPanel3 = nullptr;
    toolkit::SkinFileListBox* FLBpicture = nullptr;
    toolkit::SkinDriveComboBox* bsSkinDriveComboBox1 = nullptr;
    toolkit::SkinDirectoryListBox* bsSkinDirectoryListBox1 = nullptr;
    toolkit::SkinFilterComboBox* bsSkinFilterComboBox1 = nullptr;
    QTimer* tmr1 = nullptr;

private:
    void createList();
    void createButtons();
    void createFileBrowser();
    /// Places the list and its button column over the width the file
    /// browser leaves them.
    void layOutList();
    [[nodiscard]] std::vector<std::string> entries() const;
    [[nodiscard]] bool previewShowing() const;

    PiclistServices services_;
    /// One for the program's life, and so one generator for its draws.
    wallpaper::WallpaperRotation rotation_;
};

} // namespace tovra
