#include "wallpaper/Unit_Piclist.h"

#include "settings/IniFile.h"
#include "toolkit/FlatSpeedButton.h"
#include "toolkit/ListSelection.h"
#include "toolkit/SkinFileControls.h"
#include "wallpaper/core/ClearListQuestion.h"
#include "wallpaper/core/PicNameList.h"

#include <array>
#include <memory>
#include <utility>

#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProgressDialog>
#include <QTimer>

namespace tovra {

namespace {

constexpr int kBrowserWidth = 121;
constexpr int kButtonColumnWidth = 24;
constexpr int kButtonSide = 22;
constexpr int kButtonTop = 10;
constexpr int kButtonPitch = 40;
constexpr int kTickMs = 1000;
/// An add that has run this long shows its progress.
constexpr qint64 kProgressAfterMs = 500;
/// Entries appended between two looks at the clock.
constexpr std::size_t kAppendChunk = 256;

/// A progress dialog that appears only once the add it follows has run
/// longer than kProgressAfterMs; the add cannot be cancelled half way.
class AddProgress {
public:
    AddProgress(QWidget* owner, const QElapsedTimer& clock)
        : owner_(owner)
        , clock_(clock) {}

    /// The add has done `percent` of its work.
    void reached(int percent) {
        if (!dialog_ && clock_.elapsed() > kProgressAfterMs) {
            dialog_ = std::make_unique<QProgressDialog>(QStringLiteral("正在加入图片..."),
                                                        QString(), 0, 100, owner_);
            dialog_->setWindowModality(Qt::ApplicationModal);
            dialog_->setMinimumDuration(0);
            dialog_->setCancelButton(nullptr);
        }
        if (dialog_) {
            dialog_->setValue(percent); // repaints, as a modal dialog's progress does
        }
    }

private:
    QWidget* owner_;
    const QElapsedTimer& clock_;
    std::unique_ptr<QProgressDialog> dialog_;
};

/// Holds a widget's repaints back for as long as it lives.
class UpdatesPaused {
public:
    explicit UpdatesPaused(QWidget* widget)
        : widget_(widget) {
        widget_->setUpdatesEnabled(false);
    }
    ~UpdatesPaused() { widget_->setUpdatesEnabled(true); }
    UpdatesPaused(const UpdatesPaused&) = delete;
    UpdatesPaused& operator=(const UpdatesPaused&) = delete;

private:
    QWidget* widget_;
};

} // namespace

TFormPiclist::TFormPiclist(PiclistServices services)
    : SkinToolWindow(services.errors, QStringLiteral("墙纸列表"), kSize)
    , services_(std::move(services))
    , rotation_(services_.setters) {
    createList();
    createButtons();
    createFileBrowser();
    layOutList();
    tmr1 = new QTimer(this);
    tmr1->setInterval(kTickMs);
    connect(tmr1, &QTimer::timeout, this, &TFormPiclist::tmr1Timer);
    // Ticks from the window's creation on, and is never stopped.
    tmr1->start();
    guard([this] { FormCreate(); });
}

TFormPiclist::~TFormPiclist() = default;

void TFormPiclist::createList() {
    lvpicture = new QListWidget(this);
    lvpicture->setSelectionMode(QAbstractItemView::SingleSelection);
    lvpicture->setSortingEnabled(false);
    // The drive and the file name are what tell two paths apart.
    lvpicture->setTextElideMode(Qt::ElideMiddle);
    connect(lvpicture, &QListWidget::itemClicked, this, &TFormPiclist::lvpictureListBoxClick);
    connect(lvpicture, &QListWidget::itemDoubleClicked, this, &TFormPiclist::FBDelSingleClick);
}

void TFormPiclist::createButtons() {
    FlatPanel4 = new QWidget(this);
    const std::array<std::pair<toolkit::FlatSpeedButton**, const char*>, 5> buttons = {{
        {&FBAddSingle, "<"},
        {&FBAddAll, "<<"},
        {&FBDelSingle, ">"},
        {&FBDelAll, ">>"},
        {&FBHideFile, "<>"},
    }};
    int top = kButtonTop;
    for (const auto& [member, caption] : buttons) {
        *member = new toolkit::FlatSpeedButton(QString::fromLatin1(caption), FlatPanel4);
        (*member)->setGeometry((kButtonColumnWidth - kButtonSide) / 2, top, kButtonSide,
                               kButtonSide);
        top += kButtonPitch;
    }
    connect(FBAddSingle, &QAbstractButton::clicked, this, &TFormPiclist::FBAddSingleClick);
    connect(FBAddAll, &QAbstractButton::clicked, this, &TFormPiclist::FBAddAllClick);
    connect(FBDelSingle, &QAbstractButton::clicked, this, &TFormPiclist::FBDelSingleClick);
    connect(FBDelAll, &QAbstractButton::clicked, this, &TFormPiclist::FBDelAllClick);
    connect(FBHideFile, &QAbstractButton::clicked, this, &TFormPiclist::FBHideFileClick);
}

void TFormPiclist::createFileBrowser() {
    FlatPanel3 = new QWidget(this);
    FlatPanel3->setGeometry(kSize.width() - kBrowserWidth, 0, kBrowserWidth, kSize.height());
    const int inner = kBrowserWidth - 2;
    bsSkinDriveComboBox1 = new toolkit::SkinDriveComboBox(FlatPanel3);
    bsSkinDriveComboBox1->setGeometry(1, 1, inner, 20);
    bsSkinDirectoryListBox1 = new toolkit::SkinDirectoryListBox(FlatPanel3);
    bsSkinDirectoryListBox1->setGeometry(1, 23, inner, 72);
    FLBpicture = new toolkit::SkinFileListBox(FlatPanel3);
    FLBpicture->setGeometry(1, 97, inner, 96);
    bsSkinFilterComboBox1 = new toolkit::SkinFilterComboBox(FlatPanel3);
    bsSkinFilterComboBox1->setGeometry(1, 195, inner, 20);
    bsSkinFilterComboBox1->setFilter(QString::fromLatin1(kFilters));
    toolkit::linkFileChooser(bsSkinDriveComboBox1, bsSkinDirectoryListBox1, bsSkinFilterComboBox1,
                             FLBpicture);
    bsSkinDirectoryListBox1->setDirectory(QDir::currentPath());
    connect(FLBpicture, &QListWidget::itemClicked, this, &TFormPiclist::FLBpictureListBoxClick);
    connect(FLBpicture, &QListWidget::itemDoubleClicked, this, &TFormPiclist::FBAddSingleClick);
}

void TFormPiclist::layOutList() {
    const int width = FlatPanel3->isHidden() ? kSize.width() : kSize.width() - kBrowserWidth;
    lvpicture->setGeometry(0, 0, width - kButtonColumnWidth, kSize.height());
    FlatPanel4->setGeometry(width - kButtonColumnWidth, 0, kButtonColumnWidth, kSize.height());
}

void TFormPiclist::FormCreate() {
    LoadPicNameList();
    if (FLBpicture->count() > 0) {
        FLBpicture->setCurrentRow(0);
    }
}

void TFormPiclist::LoadPicNameList() {
    settings::IniFile ini(services_.platform.profiles, services_.settingsFile);
    lvpicture->clear();
    for (const std::string& path : wallpaper::PicNameList(ini).load()) {
        lvpicture->addItem(QString::fromStdString(path));
    }
}

bool TFormPiclist::UpdatePicNameList(const std::string& text, int mode) {
    settings::IniFile ini(services_.platform.profiles, services_.settingsFile);
    wallpaper::PicNameList list(ini);
    if (mode == kListAdd) {
        return list.add(text);
    }
    list.remove(text);
    return true;
}

bool TFormPiclist::AddToWallpaperList(const std::string& path) {
    // The section first: the list never shows an entry the file does not hold.
    if (!UpdatePicNameList(path, kListAdd)) {
        return false;
    }
    lvpicture->addItem(QString::fromStdString(path));
    return true;
}

void TFormPiclist::FBAddSingleClick() {
    guard([this] {
        if (FLBpicture->selectedItems().isEmpty() && FLBpicture->count() > 0) {
            FLBpicture->setCurrentRow(0);
        }
        const std::string path = FLBpicture->fileName().toStdString();
        if (!path.empty()) {
            AddToWallpaperList(path);
        }
    });
}

void TFormPiclist::FBAddAllClick() {
    guard([this] {
        QElapsedTimer clock;
        clock.start();
        const int count = FLBpicture->count();
        if (count == 0) {
            return;
        }
        AddProgress progress(this, clock);
        std::vector<std::string> paths;
        paths.reserve(static_cast<std::size_t>(count));
        for (int row = 0; row < count; ++row) {
            paths.push_back(FLBpicture->filePath(row).toStdString());
        }
        FLBpicture->setCurrentRow(count - 1); // the last file stays selected
        progress.reached(10);
        // One write of the section for every new path.
        settings::IniFile ini(services_.platform.profiles, services_.settingsFile);
        const std::vector<std::string> added = wallpaper::PicNameList(ini).addAll(paths);
        progress.reached(50);
        const UpdatesPaused paused(lvpicture);
        for (std::size_t first = 0; first < added.size(); first += kAppendChunk) {
            const std::size_t end = std::min(added.size(), first + kAppendChunk);
            for (std::size_t i = first; i < end; ++i) {
                lvpicture->addItem(QString::fromStdString(added[i]));
            }
            progress.reached(50 + static_cast<int>(50 * end / added.size()));
        }
    });
}

void TFormPiclist::FBDelSingleClick() {
    guard([this] {
        if (lvpicture->count() == 0) {
            return;
        }
        if (toolkit::selectedRow(*lvpicture) < 0) {
            lvpicture->setCurrentRow(0);
        }
        const int row = toolkit::selectedRow(*lvpicture);
        // By its path: the entry's own line goes, never another picture's.
        UpdatePicNameList(lvpicture->item(row)->text().toStdString(), kListRemove);
        delete lvpicture->takeItem(row);
    });
}

void TFormPiclist::FBDelAllClick() {
    guard([this] {
        if (lvpicture->count() == 0) {
            return;
        }
        if (!wallpaper::confirmClearingList(services_.platform.messageBoxes,
                                            static_cast<platform::Hwnd>(winId()))) {
            return;
        }
        settings::IniFile ini(services_.platform.profiles, services_.settingsFile);
        wallpaper::PicNameList(ini).clear();
        lvpicture->clear();
    });
}

void TFormPiclist::FBHideFileClick() {
    FlatPanel3->setHidden(!FlatPanel3->isHidden());
    layOutList();
}

void TFormPiclist::FLBpictureListBoxClick() {
    guard([this] {
        const std::string path = FLBpicture->fileName().toStdString();
        if (previewShowing() && !path.empty()) {
            services_.preview.ShowPicture(path);
        }
    });
}

void TFormPiclist::lvpictureListBoxClick() {
    guard([this] {
        const int row = toolkit::selectedRow(*lvpicture);
        if (row < 0) {
            return;
        }
        const QString path = lvpicture->item(row)->text();
        lvpicture->setToolTip(path);
        if (previewShowing()) {
            services_.preview.ShowPicture(path.toStdString());
        }
    });
}

void TFormPiclist::tmr1Timer() {
    guard([this] {
        const settings::IniFile ini(services_.platform.profiles, services_.settingsFile);
        ProgramState& state = services_.state;
        rotation_.tmr1Timer(ini, {state.ElapsedSeconds, state.SelectMode, state.PicIndex},
                            [this] { return entries(); });
    });
}

std::vector<std::string> TFormPiclist::entries() const {
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(lvpicture->count()));
    for (int row = 0; row < lvpicture->count(); ++row) {
        paths.push_back(lvpicture->item(row)->text().toStdString());
    }
    return paths;
}

bool TFormPiclist::previewShowing() const {
    return services_.preview.previewShowing();
}

int TFormPiclist::entryCount() const {
    return lvpicture->count();
}

int TFormPiclist::selectedEntry() const {
    return toolkit::selectedRow(*lvpicture);
}

void TFormPiclist::selectEntry(int position) {
    if (position < 0) {
        // A current row can stand without a selection: neither is left.
        lvpicture->clearSelection();
    }
    lvpicture->setCurrentRow(position);
}

std::string TFormPiclist::entry(int position) const {
    return lvpicture->item(position)->text().toStdString();
}

} // namespace tovra
