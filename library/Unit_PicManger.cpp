#include "library/Unit_PicManger.h"

#include "library/core/WallpaperLinks.h"
#include "platform/TextCase.h"
#include "toolkit/FlatPopupMenu.h"
#include "toolkit/FlatSpeedButton.h"
#include "toolkit/SkinInputDialog.h"
#include "toolkit/SkinLinkLabel.h"
#include "toolkit/SkinOpenDialog.h"
#include "toolkit/SkinPageControl.h"
#include "toolkit/SvgPicture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tovra::library {

namespace {

constexpr QSize kImageSize(32, 32);
constexpr QRect kPageControl(0, 21, 407, 247);
constexpr QRect kTree(4, 4, 120, 208);
constexpr int kTreeIndent = 35;
constexpr int kButtonLeft = 128;
constexpr QSize kButtonSize(66, 20);
constexpr QRect kPictureBox(198, 0, 201, 213);
constexpr QSize kPictureGrid(62, 58);
constexpr int kLinkLeft[] = {60, 230};
constexpr int kLinkTop = 10;
constexpr int kLinkPitch = 22;
constexpr QRect kNote(60, 146, 300, 48);
constexpr QPoint kLastLink(60, 196);
const QColor kNoteColour(0x00, 0x80, 0x00);

/// The title strip's caption, padded as the window has always shown it.
const QString kCaption = QStringLiteral("壁纸库编辑") + QString(30, QLatin1Char(' '));

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QIcon artIcon(const char* name) {
    return QIcon(toolkit::renderSvg(
        QStringLiteral(":/art/") + QString::fromUtf8(name) + QStringLiteral(".svg"), kImageSize));
}

} // namespace

TFormPicManger::TFormPicManger(QWidget* owner, LibraryServices services)
    : toolkit::SkinDialog(owner, services.errors, kCaption, QSize(kWidth, kHeight))
    , services_(std::move(services)) {
    QPalette face = palette();
    face.setColor(QPalette::Window, kFace);
    setPalette(face);
    createImages();
    bsSkinPageControl1 = new toolkit::SkinPageControl(this);
    bsSkinPageControl1->setGeometry(kPageControl);
    bsSkinTabSheet1 = bsSkinPageControl1->addSheet(QStringLiteral("  壁纸分类"));
    bsSkinTabSheet2 = bsSkinPageControl1->addSheet(QStringLiteral("壁纸网站"));
    createCategoryPage();
    createLinksPage();
    IDNewStr = new toolkit::SkinInputDialog(this);
    OPDPicfile = new toolkit::SkinOpenDialog(
        this, QStringLiteral("添加图片"),
        QStringLiteral(
            "图片文件 (*.bmp *.jpg *.jpeg *.gif);;BMP (*.bmp);;JPEG (*.jpg *.jpeg);;GIF (*.gif)"));
    connectHandlers();
    bsSkinPageControl1->setCurrentIndex(0);
    guard([this] { FormCreate(); });
}

TFormPicManger::~TFormPicManger() = default;

void TFormPicManger::createImages() {
    il1 = {artIcon("folder_closed"), artIcon("folder_open"), artIcon("document_jpg"),
           artIcon("document_bmp"), artIcon("document_gif")};
    categoryIcon_ = il1[static_cast<int>(LibraryImage::ClosedFolder)];
    categoryIcon_.addPixmap(il1[static_cast<int>(LibraryImage::OpenFolder)].pixmap(kImageSize),
                            QIcon::Selected);
}

void TFormPicManger::createCategoryPage() {
    TVPictype = new QTreeWidget(bsSkinTabSheet1);
    TVPictype->setGeometry(kTree);
    TVPictype->setHeaderHidden(true);
    TVPictype->setRootIsDecorated(false);
    TVPictype->setIndentation(kTreeIndent);
    TVPictype->setIconSize(kImageSize);
    TVPictype->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TVPictype->setSelectionMode(QAbstractItemView::SingleSelection);
    TVPictype->setSortingEnabled(false);
    createButtons(bsSkinTabSheet1);
    createPictureBox(bsSkinTabSheet1);
}

void TFormPicManger::createButtons(QWidget* page) {
    // One column, with a gap before the picture buttons and another before the last two.
    struct Place {
        toolkit::FlatSpeedButton** button;
        const char* caption;
        int top;
    };
    const Place places[] = {
        {&SBAddType, "新增类别", 4},   {&SBEditType, "修改类别", 27},
        {&SBDelType, "删除类别", 50},  {&SBtujian, "分类推荐", 73},
        {&SBAddPic, "添加图片", 104},  {&SBDelPic, "删除图片", 127},
        {&SBViewPic, "增加壁纸", 158}, {&SBCloseForm, "关闭窗口", 181},
    };
    for (const Place& place : places) {
        *place.button = new toolkit::FlatSpeedButton(QString::fromUtf8(place.caption), page);
        (*place.button)->setGeometry(QRect(QPoint(kButtonLeft, place.top), kButtonSize));
    }
    SBViewPic->setToolTip(QStringLiteral("添加壁纸到更换列表中"));
}

void TFormPicManger::createPictureBox(QWidget* page) {
    bsSkinGroupBox2 = new QGroupBox(QStringLiteral("壁纸浏览"), page);
    bsSkinGroupBox2->setGeometry(kPictureBox);
    LVFilelist = new QListWidget(bsSkinGroupBox2);
    LVFilelist->setViewMode(QListView::IconMode);
    LVFilelist->setIconSize(kImageSize);
    LVFilelist->setGridSize(kPictureGrid);
    LVFilelist->setMovement(QListView::Static);
    LVFilelist->setResizeMode(QListView::Adjust);
    LVFilelist->setUniformItemSizes(true);
    LVFilelist->setWordWrap(true);
    LVFilelist->setSelectionMode(QAbstractItemView::SingleSelection);
    LVFilelist->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(bsSkinGroupBox2);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->addWidget(LVFilelist);

    pm1 = new toolkit::FlatPopupMenu(this);
    addpiclist = pm1->addAction(QStringLiteral("添加到壁纸列表"));
    delpic = pm1->addAction(QStringLiteral("删除图片"));
}

void TFormPicManger::createLinksPage() {
    for (const WallpaperLink& link : kWallpaperLinks) {
        auto* label = new toolkit::SkinLinkLabel(text(link.caption), bsSkinTabSheet2);
        label->setObjectName(text(link.control));
        label->move(link.column < 0
                        ? kLastLink
                        : QPoint(kLinkLeft[link.column], kLinkTop + link.row * kLinkPitch));
        linkLabels.push_back(label);
    }
    QStringList note;
    for (const std::string_view line : kLinksNote) {
        note << text(line);
    }
    lbl1 = new QLabel(note.join(QLatin1Char('\n')), bsSkinTabSheet2);
    lbl1->setGeometry(kNote);
    QPalette green = lbl1->palette();
    green.setColor(QPalette::WindowText, kNoteColour);
    lbl1->setPalette(green);
}

void TFormPicManger::connectHandlers() {
    const auto on = [this](auto* sender, auto signal, void (TFormPicManger::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { guard([this, handler] { (this->*handler)(); }); });
    };
    on(TVPictype, &QTreeWidget::itemSelectionChanged, &TFormPicManger::TVPictypeClick);
    on(SBAddType, &QAbstractButton::clicked, &TFormPicManger::SBAddTypeClick);
    on(SBEditType, &QAbstractButton::clicked, &TFormPicManger::SBEditTypeClick);
    on(SBDelType, &QAbstractButton::clicked, &TFormPicManger::SBDelTypeClick);
    on(SBtujian, &QAbstractButton::clicked, &TFormPicManger::SBtujianClick);
    on(SBAddPic, &QAbstractButton::clicked, &TFormPicManger::SBAddPicClick);
    on(SBDelPic, &QAbstractButton::clicked, &TFormPicManger::SBDelPicClick);
    on(SBViewPic, &QAbstractButton::clicked, &TFormPicManger::addpiclistClick);
    on(SBCloseForm, &QAbstractButton::clicked, &TFormPicManger::SBCloseFormClick);
    on(LVFilelist, &QListWidget::itemClicked, &TFormPicManger::LVFilelistClick);
    on(addpiclist, &QAction::triggered, &TFormPicManger::addpiclistClick);
    on(delpic, &QAction::triggered, &TFormPicManger::SBDelPicClick);
    connect(LVFilelist, &QWidget::customContextMenuRequested, this,
            [this](QPoint pos) { pm1->popup(LVFilelist->viewport()->mapToGlobal(pos)); });
    for (std::size_t i = 0; i < linkLabels.size(); ++i) {
        connect(linkLabels[i], &toolkit::SkinLinkLabel::clicked, this,
                [this, i] { guard([this, i] { openLink(i); }); });
    }
}

void TFormPicManger::showEvent(QShowEvent* event) {
    toolkit::SkinDialog::showEvent(event);
    if (!event->spontaneous()) {
        guard([this] { FormShow(); });
    }
}

void TFormPicManger::done(int result) {
    guard([this] { FormClose(); });
    toolkit::SkinDialog::done(result);
}

// ---- opening and closing ---------------------------------------------------

void TFormPicManger::FormCreate() {
    ini_ = std::make_unique<settings::IniFile>(services_.platform.profiles, services_.settingsFile);
    store_ = std::make_unique<LibraryStore>(*ini_, services_.sectionPrefix);
}

void TFormPicManger::FormShow() {
    TVPictype->clear();
    LoadCategories();
    TVPictypeClick();
}

void TFormPicManger::FormClose() {
    store_.reset();
    ini_.reset();
}

// ---- categories ------------------------------------------------------------

void TFormPicManger::LoadCategories() {
    TVPictype->clear();
    if (store_) {
        fillCategoryTree(store_->loadCategories());
    }
}

void TFormPicManger::fillCategoryTree(const std::vector<std::string>& names) {
    TVPictype->clear();
    for (const std::string& name : names) {
        appendCategoryNode(name);
    }
    TVPictype->setCurrentItem(nullptr);
    TVPictype->clearSelection();
}

void TFormPicManger::appendCategoryNode(const std::string& name) {
    auto* node = new QTreeWidgetItem(TVPictype, QStringList(QString::fromStdString(name)));
    node->setIcon(0, categoryIcon_);
}

QTreeWidgetItem* TFormPicManger::selectedCategoryNode() const {
    const QList<QTreeWidgetItem*> selected = TVPictype->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

QTreeWidgetItem* TFormPicManger::categoryNode(const QString& name,
                                              const QTreeWidgetItem* other) const {
    // Section names are compared as the settings file compares them.
    const std::string wanted = name.trimmed().toStdString();
    for (int i = 0; i < TVPictype->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = TVPictype->topLevelItem(i);
        if (node != other &&
            platform::equalsIgnoringCase(node->text(0).trimmed().toStdString(), wanted)) {
            return node;
        }
    }
    return nullptr;
}

std::optional<std::string> TFormPicManger::selectedCategory() const {
    const QTreeWidgetItem* node = selectedCategoryNode();
    if (node == nullptr || !store_) {
        return std::nullopt;
    }
    return node->text(0).toStdString();
}

void TFormPicManger::TVPictypeClick() {
    LVFilelist->clear();
    const auto category = selectedCategory();
    if (!category) {
        return;
    }
    LVFilelist->setUpdatesEnabled(false);
    for (const std::string& key : store_->pictures(*category)) {
        auto* item = new QListWidgetItem(il1[static_cast<std::size_t>(pictureImage(key))],
                                         text(pictureCaption(key)), LVFilelist);
        item->setData(Qt::UserRole, QString::fromStdString(key));
    }
    LVFilelist->setUpdatesEnabled(true);
}

void TFormPicManger::SBAddTypeClick() {
    const QString name =
        IDNewStr->Execute(QStringLiteral("新建壁纸类别"), QStringLiteral("请输入类别名"));
    if (name.isEmpty() || !store_) {
        return;
    }
    // Created first: a name the file cannot hold gets no node either, and a
    // category already there keeps its one node.
    if (store_->createCategory(name.toStdString()) && categoryNode(name, nullptr) == nullptr) {
        appendCategoryNode(name.toStdString());
    }
}

void TFormPicManger::SBEditTypeClick() {
    QTreeWidgetItem* node = selectedCategoryNode();
    if (node == nullptr || !store_) {
        return;
    }
    const QString name = IDNewStr->Execute(QStringLiteral("修改壁纸类别--") + node->text(0),
                                           QStringLiteral("请输入新的类别名"));
    if (name.isEmpty()) {
        return;
    }
    if (!store_->renameCategory(node->text(0).toStdString(), name.toStdString())) {
        return;
    }
    // Renamed into another category: the two are one section now, shown by one node.
    delete categoryNode(name, node);
    node->setText(0, name);
    TVPictypeClick();
}

void TFormPicManger::SBDelTypeClick() {
    QTreeWidgetItem* node = selectedCategoryNode();
    const auto category = selectedCategory();
    if (node == nullptr || !category) {
        return;
    }
    if (!store_->pictures(*category).empty() &&
        services_.platform.messageBoxes.messageBox(handle(), "你真的要删除这个壁纸类别吗？",
                                                   "Tavro提示",
                                                   platform::kMbOkCancel) != platform::kIdOk) {
        return;
    }
    if (!store_->deleteCategory(*category)) {
        return;
    }
    delete node;
    TVPictypeClick(); // the list follows whatever the tree selects now
}

void TFormPicManger::SBtujianClick() {
    if (!store_) {
        return;
    }
    store_->createRecommendedCategories();
    fillCategoryTree(store_->categories());
}

// ---- pictures --------------------------------------------------------------

std::vector<std::string> TFormPicManger::chosenPictureFiles() {
    std::vector<std::string> files;
    for (const QString& file : OPDPicfile->chooseFiles()) {
        files.push_back(file.toStdString());
    }
    return files;
}

void TFormPicManger::SBAddPicClick() {
    const auto category = selectedCategory();
    if (!category) {
        return;
    }
    const std::vector<std::string> files = chosenPictureFiles();
    if (files.empty()) {
        return;
    }
    try {
        store_->addPictures(*category, files);
    } catch (...) {
        TVPictypeClick(); // what was added before the refusal shows
        throw;
    }
    TVPictypeClick();
}

std::optional<std::string> TFormPicManger::selectedPicture() {
    const auto category = selectedCategory();
    const QListWidgetItem* item = LVFilelist->currentItem();
    if (!category || item == nullptr || !item->isSelected()) {
        return std::nullopt;
    }
    const std::vector<std::string> keys = store_->pictures(*category);
    const auto index = static_cast<std::size_t>(LVFilelist->row(item));
    if (index < keys.size() &&
        QString::fromStdString(keys[index]) == item->data(Qt::UserRole).toString()) {
        return keys[index];
    }
    // The file changed under the window: show what it holds, act on nothing.
    TVPictypeClick();
    return std::nullopt;
}

void TFormPicManger::SBDelPicClick() {
    const auto picture = selectedPicture();
    if (!picture) {
        return;
    }
    store_->removePicture(*selectedCategory(), *picture);
    delete LVFilelist->currentItem();
    LVFilelist->viewport()->update();
}

void TFormPicManger::LVFilelistClick() {
    const auto picture = selectedPicture();
    if (!picture || !services_.peers.showPicture) {
        return;
    }
    services_.peers.showPicture(*picture);
    if (services_.peers.previewShowing && !services_.peers.previewShowing() &&
        services_.peers.showPreviewAt) {
        services_.peers.showPreviewAt(QPoint(x() + width(), y()));
    }
}

void TFormPicManger::addpiclistClick() {
    const auto picture = selectedPicture();
    if (picture && services_.peers.addToWallpaperList) {
        services_.peers.addToWallpaperList(*picture);
    }
}

void TFormPicManger::SBCloseFormClick() {
    if (services_.peers.closePreview) {
        services_.peers.closePreview();
    }
    close();
}

// ---- links -----------------------------------------------------------------

void TFormPicManger::openLink(std::size_t index) {
    services_.platform.shell.shellExecute(0, "open", std::string(kWallpaperLinks.at(index).address),
                                          {}, {}, platform::kSwShowNormal);
}

platform::Hwnd TFormPicManger::handle() {
    return static_cast<platform::Hwnd>(winId());
}

} // namespace tovra::library
