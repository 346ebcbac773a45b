#pragma once

// The four linked controls of a file chooser: a drive picker, a directory
// list, a filter picker and a file list. Linked the usual way: picking a drive
// moves the directory list to it, the directory list refills the file list,
// the filter sets the file list's mask. Their contents come from the file
// system when they are asked.

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>

namespace tovra::toolkit {

class SkinDirectoryListBox;

/// The files of one directory that match a mask (without regard to case),
/// sorted by name as Windows sorts them (case ignored), single selection.
class SkinFileListBox : public QListWidget {
    Q_OBJECT

public:
    explicit SkinFileListBox(QWidget* parent = nullptr);

    /// The directory list that follows this list's file name.
    void setDirectoryList(SkinDirectoryListBox* directories);
    /// Patterns separated by ";" ("*.scr").
    void setMask(const QString& mask);
    [[nodiscard]] const QString& mask() const { return mask_; }
    void setDirectory(const QString& directory);
    [[nodiscard]] const QString& directory() const { return directory_; }

    /// A path: a directory shows it with nothing selected; a file shows its
    /// directory and selects it.
    void setFileName(const QString& path);
    /// The selected file's full path in the host's notation; empty with no selection.
    [[nodiscard]] QString fileName() const;
    /// The full path of the file in that row, in the host's notation.
    [[nodiscard]] QString filePath(int row) const;

private:
    void refill();

    SkinDirectoryListBox* directories_ = nullptr;
    QString directory_;
    QString mask_ = QStringLiteral("*");
};

/// The current directory's ancestors, each a line, then its subdirectories;
/// a double click moves there.
class SkinDirectoryListBox : public QListWidget {
    Q_OBJECT

public:
    explicit SkinDirectoryListBox(QWidget* parent = nullptr);

    void setDirectory(const QString& directory);
    [[nodiscard]] const QString& directory() const { return directory_; }

Q_SIGNALS:
    void directoryChanged(const QString& directory);

private:
    void refill();

    QString directory_;
};

/// The drives (mount points) the user would pick from.
class SkinDriveComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit SkinDriveComboBox(QWidget* parent = nullptr);
    void setDirectoryList(SkinDirectoryListBox* directories);
    /// Shows the drive that holds directory.
    void showDriveOf(const QString& directory);
};

/// Filter entries from a "text|mask|text|mask" string; picking one sets the
/// file list's mask.
class SkinFilterComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit SkinFilterComboBox(QWidget* parent = nullptr);
    void setFilter(const QString& filter);
    void setFileList(SkinFileListBox* files);

private:
    QStringList masks_;
    SkinFileListBox* files_ = nullptr;
};

/// Links the four controls of a file chooser: the drive picker moves the
/// directory list, the directory list refills the file list, the filter sets
/// its mask.
void linkFileChooser(SkinDriveComboBox* drives, SkinDirectoryListBox* directories,
                     SkinFilterComboBox* filters, SkinFileListBox* files);

} // namespace tovra::toolkit
