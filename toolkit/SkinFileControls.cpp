#include "toolkit/SkinFileControls.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace tovra::toolkit {

SkinFileListBox::SkinFileListBox(QWidget* parent)
    : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void SkinFileListBox::setDirectoryList(SkinDirectoryListBox* directories) {
    directories_ = directories;
    connect(directories, &SkinDirectoryListBox::directoryChanged, this,
            &SkinFileListBox::setDirectory);
}

void SkinFileListBox::setMask(const QString& mask) {
    mask_ = mask;
    refill();
}

void SkinFileListBox::setDirectory(const QString& directory) {
    directory_ = QDir(directory).absolutePath();
    refill();
}

void SkinFileListBox::setFileName(const QString& path) {
    const QFileInfo info(path);
    const QString directory = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    if (directories_ != nullptr) {
        directories_->setDirectory(directory); // refills this list through its signal
    } else {
        setDirectory(directory);
    }
    if (!info.isDir()) {
        const auto found = findItems(info.fileName(), Qt::MatchExactly);
        if (!found.isEmpty()) {
            setCurrentItem(found.front());
        }
    }
}

QString SkinFileListBox::fileName() const {
    const auto selected = selectedItems();
    if (selected.isEmpty()) {
        return {};
    }
    return filePath(row(selected.front()));
}

QString SkinFileListBox::filePath(int row) const {
    const QListWidgetItem* file = item(row);
    if (file == nullptr) {
        return {};
    }
    return QDir::toNativeSeparators(QDir(directory_).filePath(file->text()));
}

void SkinFileListBox::refill() {
    clear();
    if (directory_.isEmpty()) {
        return;
    }
    const QDir dir(directory_);
    addItems(dir.entryList(mask_.split(QLatin1Char(';'), Qt::SkipEmptyParts),
                           QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase));
}

SkinDirectoryListBox::SkinDirectoryListBox(QWidget* parent)
    : QListWidget(parent) {
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { setDirectory(item->data(Qt::UserRole).toString()); });
}

void SkinDirectoryListBox::setDirectory(const QString& directory) {
    directory_ = QDir(directory).absolutePath();
    refill();
    Q_EMIT directoryChanged(directory_);
}

void SkinDirectoryListBox::refill() {
    clear();
    QStringList chain;
    for (QDir dir(directory_);;) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp()) {
            break;
        }
    }
    int depth = 0;
    for (const auto& path : chain) {
        const QString name =
            QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QFileInfo(path).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(Qt::UserRole, path);
        ++depth;
    }
    if (count() > 0) {
        setCurrentRow(count() - 1);
    }
    const QDir current(directory_);
    for (const auto& sub : current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + sub, this);
        item->setData(Qt::UserRole, current.filePath(sub));
    }
}

SkinDriveComboBox::SkinDriveComboBox(QWidget* parent)
    : QComboBox(parent) {
    for (const auto& drive : QDir::drives()) {
        addItem(QDir::toNativeSeparators(drive.absolutePath()), drive.absolutePath());
    }
    const QString home = QDir::homePath();
    if (findData(home) < 0) {
        addItem(QDir::toNativeSeparators(home), home);
    }
    for (const auto& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isReady() && findData(root) < 0 &&
            (root.startsWith(QStringLiteral("/media/")) ||
             root.startsWith(QStringLiteral("/run/media/")) ||
             root.startsWith(QStringLiteral("/mnt/")))) {
            addItem(QDir::toNativeSeparators(root), root);
        }
    }
}

void SkinDriveComboBox::setDirectoryList(SkinDirectoryListBox* directories) {
    connect(this, &QComboBox::activated, directories, [this, directories](int index) {
        directories->setDirectory(itemData(index).toString());
    });
    connect(directories, &SkinDirectoryListBox::directoryChanged, this,
            &SkinDriveComboBox::showDriveOf);
}

void SkinDriveComboBox::showDriveOf(const QString& directory) {
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        const bool holds =
            directory == root ||
            directory.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    setCurrentIndex(best);
}

SkinFilterComboBox::SkinFilterComboBox(QWidget* parent)
    : QComboBox(parent) {
    // Slim padding, so that the first filter's caption shows whole in the
    // file browser's narrow column.
    setStyleSheet(QStringLiteral("QComboBox { padding: 1px 1px 1px 2px; }"));
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (files_ != nullptr && index >= 0 && index < masks_.size()) {
            files_->setMask(masks_[index]);
        }
    });
}

void SkinFilterComboBox::setFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    masks_.clear();
    clear();
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        masks_ << parts[i + 1];
        addItem(parts[i]);
    }
}

void SkinFilterComboBox::setFileList(SkinFileListBox* files) {
    files_ = files;
    if (currentIndex() >= 0 && currentIndex() < masks_.size()) {
        files_->setMask(masks_[currentIndex()]);
    }
}

void linkFileChooser(SkinDriveComboBox* drives, SkinDirectoryListBox* directories,
                     SkinFilterComboBox* filters, SkinFileListBox* files) {
    files->setDirectoryList(directories);
    drives->setDirectoryList(directories);
    filters->setFileList(files);
}

} // namespace tovra::toolkit
