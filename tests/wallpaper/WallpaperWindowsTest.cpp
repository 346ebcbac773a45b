// The wallpaper list and the picture preview as start-up makes them: the list
// window's buttons against the " PicNameList" section, the preview's placement
// of a clicked picture, its step buttons and its menu, and a rotation that is
// overdue at start changing the wallpaper at the first tick.

#include "app/Startup.h"
#include "picture/Bmp.h"
#include "settings/IniFile.h"
#include "tests/support/DesktopValues.h"
#include "tests/support/EncodedPictures.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/PatternPicture.h"
#include "toolkit/FlatSpeedButton.h"
#include "toolkit/FontSetup.h"
#include "toolkit/ListSelection.h"
#include "toolkit/SkinFileControls.h"
#include "toolkit/SkinPictureButton.h"
#include "wallpaper/Unit_PicView.h"
#include "wallpaper/Unit_Piclist.h"
#include "wallpaper/core/PicNameList.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using tovra::TFormPiclist;
using tovra::TFormPicView;
using tovra::test::MainWindowHarness;
namespace platform = tovra::platform;

namespace {

/// What a row of the list table presses.
enum class Press { AddSingle, AddAll, FileTwice, DelSingle, DelAll, EntryTwice };

/// Names from "a.jpg,b.bmp"; none from "".
QStringList names(const char* commaSeparated) {
    return QString::fromLatin1(commaSeparated).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

std::string jpeg(tovra::picture::Size size) {
    return tovra::test::jpegFile(tovra::test::photoPicture(size));
}

QStringList items(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        texts << list.item(row)->text();
    }
    return texts;
}

void click(QListWidget* list, int row, bool twice = false) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    // A double-click arrives as a click and then the double-click itself.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice) {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
}

} // namespace

Q_DECLARE_METATYPE(Press)

class WallpaperWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowHarness> h;
    QString folder;

    [[nodiscard]] QString path(const QString& name) const { return QDir(folder).filePath(name); }

    /// A file of the test's folder.
    QString file(const QString& name, const std::string& bytes) const {
        tovra::test::writeBytes(path(name).toStdString(), bytes);
        return path(name);
    }

    /// The section's paths now.
    [[nodiscard]] QStringList section() const {
        tovra::settings::IniFile ini(h->platform->profiles, h->settingsFile);
        QStringList paths;
        for (const auto& listed : tovra::wallpaper::PicNameList(ini).load()) {
            paths << QString::fromStdString(listed);
        }
        return paths;
    }

    void listInSection(const QStringList& listed) {
        tovra::settings::IniFile ini(h->platform->profiles, h->settingsFile);
        tovra::wallpaper::PicNameList list(ini);
        for (const auto& name : listed) {
            list.add(path(name).toStdString());
        }
    }

    /// Starts the program with the list window's file browser in the folder.
    TFormPiclist& startInFolder() {
        h->start();
        TFormPiclist& list = *h->wallpaper.list;
        list.bsSkinDirectoryListBox1->setDirectory(folder);
        return list;
    }

    void press(TFormPiclist& list, Press what, int row) {
        switch (what) {
        case Press::AddSingle:
        case Press::AddAll:
            list.FLBpicture->clearSelection();
            if (row >= 0) {
                list.FLBpicture->setCurrentRow(row);
            }
            QTest::mouseClick(what == Press::AddSingle ? list.FBAddSingle : list.FBAddAll,
                              Qt::LeftButton);
            break;
        case Press::FileTwice:
            click(list.FLBpicture, row, true);
            break;
        case Press::EntryTwice:
            click(list.lvpicture, row, true);
            break;
        case Press::DelSingle:
        case Press::DelAll:
            if (row >= 0) {
                list.lvpicture->setCurrentRow(row);
            }
            QTest::mouseClick(what == Press::DelSingle ? list.FBDelSingle : list.FBDelAll,
                              Qt::LeftButton);
            break;
        }
    }

private Q_SLOTS:
    void initTestCase() { tovra::toolkit::setUpFonts(); }
    void init() {
        h = std::make_unique<MainWindowHarness>();
        folder = QString::fromStdString(h->temp.file("pictures"));
        QDir().mkpath(folder);
    }
    void cleanup() { h.reset(); }

    void listButtonsEditTheSection_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<Press>("what");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("expected");
        const QStringList three = names("a.jpg,b.bmp,c.gif");
        const QStringList none;
        QTest::newRow("< adds the selected file")
            << three << none << Press::AddSingle << 1 << 0 << names("b.bmp");
        QTest::newRow("< with none selected adds the first")
            << three << none << Press::AddSingle << -1 << 0 << names("a.jpg");
        QTest::newRow("< adds a listed path no second time")
            << three << names("b.bmp") << Press::AddSingle << 1 << 0 << names("b.bmp");
        QTest::newRow("< with no file adds nothing")
            << none << none << Press::AddSingle << -1 << 0 << none;
        QTest::newRow("a double-click adds that file")
            << three << none << Press::FileTwice << 2 << 0 << names("c.gif");
        QTest::newRow("<< adds the files not yet listed")
            << three << names("b.bmp") << Press::AddAll << -1 << 0 << names("b.bmp,a.jpg,c.gif");
        QTest::newRow("> removes the selected entry")
            << none << three << Press::DelSingle << 1 << 0 << names("a.jpg,c.gif");
        QTest::newRow("> with none selected removes the first")
            << none << three << Press::DelSingle << -1 << 0 << names("b.bmp,c.gif");
        QTest::newRow("a double-click removes that entry")
            << none << three << Press::EntryTwice << 2 << 0 << names("a.jpg,b.bmp");
        QTest::newRow(">> answered Yes clears")
            << none << three << Press::DelAll << -1 << platform::kIdYes << none;
        QTest::newRow(">> answered No keeps")
            << none << three << Press::DelAll << -1 << platform::kIdNo << three;
        QTest::newRow(">> answered Cancel keeps")
            << none << three << Press::DelAll << -1 << platform::kIdCancel << three;
    }

    void listButtonsEditTheSection() {
        QFETCH(QStringList, files);
        QFETCH(QStringList, listed);
        QFETCH(Press, what);
        QFETCH(int, row);
        QFETCH(int, answer);
        QFETCH(QStringList, expected);
        for (const auto& name : files) {
            file(name, "");
        }
        file(QStringLiteral("notes.txt"), ""); // not a picture: the mask leaves it out
        listInSection(listed);
        TFormPiclist& list = startInFolder();
        list.show();
        QCOMPARE(list.FLBpicture->count(), files.size());
        QCOMPARE(list.lvpicture->count(), listed.size());
        h->boxes.answers = {answer};

        press(list, what, row);

        QStringList paths;
        for (const auto& name : expected) {
            paths << path(name);
        }
        QCOMPARE(section(), paths);
        QCOMPARE(items(*list.lvpicture), paths);
        if (what == Press::DelAll) {
            QCOMPARE(h->boxes.calls.size(), std::size_t{1});
            QCOMPARE(h->boxes.calls[0].text, std::string("是否真的清除列表中的所有图片吗？"));
            QCOMPARE(h->boxes.calls[0].caption, std::string("警告信息"));
            QCOMPARE(h->boxes.calls[0].type,
                     platform::kMbYesNoCancel | platform::kMbIconInformation);
            QCOMPARE(h->boxes.calls[0].owner, static_cast<platform::Hwnd>(list.winId()));
        } else {
            QVERIFY(h->boxes.calls.empty());
        }
    }

    void aClickedFileIsPlacedInThePreview_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QRect>("placed");
        QTest::addColumn<QString>("shown"); // "movie", "still", or "" for the view as it was
        QTest::newRow("624 x 300 JPEG")
            << QStringLiteral("wide.jpg") << QByteArray::fromStdString(jpeg({624, 300}))
            << QRect(0, 23, 312, 150) << QStringLiteral("still");
        QTest::newRow("200 x 100 GIF, animated")
            << QStringLiteral("small.gif")
            << QByteArray::fromStdString(tovra::test::gifFile(
                   {200, 100}, {{0, 0, 200, 100, false, {}}, {0, 0, 100, 50, false, {}}}))
            << QRect(56, 48, 200, 100) << QStringLiteral("movie");
        QTest::newRow("200 x 100 GIF, a frame beyond its screen: still")
            << QStringLiteral("beyond.gif")
            << QByteArray::fromStdString(
                   tovra::test::gifFile({200, 100}, {{0, 0, 200, 100}, {150, 80, 100, 50}}))
            << QRect(56, 48, 200, 100) << QStringLiteral("still");
        QTest::newRow("undecodable: the view stays")
            << QStringLiteral("bad.jpg") << QByteArray("no picture") << QRect(0, 0, 312, 196)
            << QString();
    }

    void aClickedFileIsPlacedInThePreview() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QRect, placed);
        QFETCH(QString, shown);
        const QString picture = file(name, bytes.toStdString());
        TFormPiclist& list = startInFolder();
        TFormPicView& preview = *h->wallpaper.preview;
        list.show();
        click(list.FLBpicture, 0);
        QVERIFY(preview.PreviewFileName.empty()); // a hidden preview is not shown

        QTest::mouseClick(h->window->bsSkinXFormButton8, Qt::LeftButton);
        QVERIFY(preview.isVisible());
        click(list.FLBpicture, 0);
        QCOMPARE(QString::fromStdString(preview.PreviewFileName), picture);
        QCOMPARE(preview.imgView->geometry(), placed);
        QCOMPARE(preview.imgView->movie() != nullptr, shown == QLatin1String("movie"));
        QCOMPARE(preview.imgView->pixmap().size(),
                 shown == QLatin1String("still") ? placed.size() : QSize(0, 0));
        QVERIFY(h->boxes.calls.empty());
    }

    void stepButtonsWalkTheListAndSetThePictureApplied() {
        const QStringList listed = names("a.jpg,b.jpg,c.jpg");
        for (const auto& name : listed) {
            file(name, jpeg({40, 30}));
        }
        listInSection(listed);
        h->start();
        TFormPicView& preview = *h->wallpaper.preview;
        const QListWidget& entries = *h->wallpaper.list->lvpicture;
        const std::vector<std::pair<tovra::toolkit::FlatSpeedButton*, int>> steps = {
            {preview.FlatButton2, -1}, {preview.FlatButton1, 0}, {preview.FlatButton1, 1},
            {preview.FlatButton1, 2},  {preview.FlatButton1, 2}, {preview.FlatButton2, 1},
            {preview.FlatButton2, 0},  {preview.FlatButton2, -1}};
        for (const auto& [button, selected] : steps) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(tovra::toolkit::selectedRow(entries), selected);
            if (selected >= 0) {
                QCOMPARE(QString::fromStdString(preview.PreviewFileName), path(listed[selected]));
            }
        }
        // Off the top: the view and the picture applied stay the first's.
        QCOMPARE(QString::fromStdString(preview.PreviewFileName), path(listed[0]));
    }

    void theMenuAppliesThePictureInViewAndAsksForTheAboutWindow() {
        file(QStringLiteral("a.jpg"), jpeg({64, 48}));
        listInSection(names("a.jpg"));
        h->start();
        TFormPicView& preview = *h->wallpaper.preview;
        platform::Registry& registry = h->platform->registry;
        preview.N2->trigger(); // "平铺" with nothing shown yet
        QCOMPARE(tovra::test::desktopValue(registry, "Wallpaper"), std::nullopt);

        QTest::mouseClick(preview.FlatButton1, Qt::LeftButton);
        preview.N3->trigger(); // "拉伸"
        const std::string bitmap = h->state.TempDir + "WallPaper.BMP";
        QCOMPARE(tovra::test::desktopValue(registry, "Wallpaper"), std::optional(bitmap));
        QCOMPARE(tovra::test::desktopValue(registry, "wallpaperstyle"),
                 std::optional<std::string>("2"));
        QCOMPARE(tovra::test::desktopValue(registry, "TileWallpaper"),
                 std::optional<std::string>("0"));

        h->features->forward = false;
        preview.N7->trigger();
        QCOMPARE(h->features->runs, std::vector{tovra::FeatureWindow::About});
    }

    void theLibraryReachesThePreviewAndTheListThroughStartUp() {
        const QString picture = file(QStringLiteral("a.jpg"), jpeg({40, 30}));
        h->start();
        const tovra::library::LibraryPeers peers = tovra::libraryPeers(h->wallpaper);
        peers.addToWallpaperList(picture.toStdString());
        QCOMPARE(section(), QStringList{picture});
        QCOMPARE(items(*h->wallpaper.list->lvpicture), QStringList{picture});
        QVERIFY(!peers.previewShowing());
        peers.showPreviewAt(QPoint(40, 30));
        QVERIFY(h->wallpaper.preview->isVisible());
        peers.showPicture(picture.toStdString());
        QCOMPARE(QString::fromStdString(h->wallpaper.preview->PreviewFileName), picture);
        peers.closePreview();
        QVERIFY(!peers.previewShowing());
    }

    void withoutATemporaryFolderTheRotationStillCounts() {
        h->files.refuseTempPath = true;
        h->start();
        QVERIFY(h->state.TempDir.empty());
        const std::int32_t before = h->state.ElapsedSeconds;
        h->wallpaper.list->tmr1Timer();
        QCOMPARE(h->state.ElapsedSeconds, before + 1);
        QVERIFY(h->boxes.calls.empty());
    }

    void anOverdueRotationChangesTheWallpaperAtTheFirstTick() {
        const QStringList listed = names("first.jpg,second.bmp,third.jpg");
        file(listed[0], jpeg({80, 60}));
        file(listed[1], tovra::picture::encodeBmp(tovra::test::patternPicture(
                            {8, 8}, tovra::picture::PixelFormat::Bgr24)));
        file(listed[2], jpeg({60, 80}));
        listInSection(listed);
        tovra::settings::IniFile(h->platform->profiles, h->settingsFile)
            .writeString("TovraDesktop SecondNum", "time", "100000");
        h->start();
        QCOMPARE(h->state.ElapsedSeconds, 100000);
        QTRY_COMPARE_WITH_TIMEOUT(h->state.ElapsedSeconds, 0, 5000);
        QCOMPARE(h->state.PicIndex, 1);
        QCOMPARE(tovra::test::desktopValue(h->platform->registry, "Wallpaper"),
                 std::optional(h->state.TempDir + "WallPaper.BMP"));
        QVERIFY(h->boxes.calls.empty());
    }
};

QTEST_MAIN(WallpaperWindowsTest)
#include "WallpaperWindowsTest.moc"
