// The library window offscreen: one row per piece of wiring; the rules behind
// it are tested against the store.

#include "library/Unit_PicManger.h"
#include "library/core/LibraryRules.h"
#include "library/core/WallpaperLinks.h"
#include "settings/SettingsIndex.h"
#include "tests/support/LibraryWindowFixture.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/TempDir.h"
#include "toolkit/FlatSpeedButton.h"
#include "toolkit/SkinInputDialog.h"
#include "toolkit/SkinLinkLabel.h"
#include "toolkit/SkinPageControl.h"
#include "toolkit/SkinPictureButton.h"

#include <memory>
#include <string>
#include <vector>

#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace tovra::library {

using test::LibraryWindowFixture;

class PicMangerGuiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mainWindowButton7OpensANewLibraryEachTime() {
        test::MainWindowHarness harness;
        TFormTovraDesktop& mainWindow = harness.start();
        mainWindow.show();
        std::vector<TFormPicManger*> opened;
        for (int i = 0; i < 2; ++i) {
            test::ModalDriver driver;
            driver.onNext<TFormPicManger>([&](TFormPicManger& library) {
                opened.push_back(&library);
                QCOMPARE(library.parentWidget(), &mainWindow);
                QTest::mouseClick(library.SBCloseForm, Qt::LeftButton);
            });
            QTest::mouseClick(mainWindow.bsSkinXFormButton7, Qt::LeftButton);
            QVERIFY(driver.ran());
            QVERIFY(!driver.leftOpen());
        }
        QVERIFY(opened[0] != opened[1]);
    }

    void firstOpeningOnAMissingFileShowsTheSixCategories() {
        LibraryWindowFixture library;
        QStringList six;
        for (const std::string_view name : kRecommendedCategories) {
            six << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        }
        QCOMPARE(library.nodes(), six);
        QVERIFY(library.window->TVPictype->selectedItems().isEmpty());
        QCOMPARE(library.window->LVFilelist->count(), 0);
        QCOMPARE(library.window->bsSkinPageControl1->currentIndex(), 0);
    }

    void deleteAsksOnlyForANonEmptyCategory() {
        LibraryWindowFixture library("[空]\r\n[满]\r\nD:\\a.jpg=\r\n");
        library.clickCategory(0);
        QTest::mouseClick(library.window->SBDelType, Qt::LeftButton);
        QVERIFY(library.harness.boxes.calls.empty());
        QCOMPARE(library.nodes(), QStringList{QStringLiteral("满")});

        library.clickCategory(0);
        library.harness.boxes.answers = {platform::kIdCancel, platform::kIdOk};
        QTest::mouseClick(library.window->SBDelType, Qt::LeftButton);
        QCOMPARE(library.file(), std::string("[满]\r\nD:\\a.jpg=\r\n"));
        QTest::mouseClick(library.window->SBDelType, Qt::LeftButton);
        QCOMPARE(library.harness.boxes.calls.size(), std::size_t{2});
        QCOMPARE(library.harness.boxes.calls[0].text, std::string("你真的要删除这个壁纸类别吗？"));
        QCOMPARE(library.harness.boxes.calls[0].caption, std::string("Tavro提示"));
        QCOMPARE(library.harness.boxes.calls[0].type, platform::kMbOkCancel);
        QCOMPARE(library.file(), std::string());
        QVERIFY(library.nodes().isEmpty());
        QCOMPARE(library.window->LVFilelist->count(), 0);
    }

    void cancelAndEmptyInputChangeNothing() {
        const std::string before = "[风景]\r\nD:\\a.jpg=\r\n";
        LibraryWindowFixture library(before);
        library.answerInput(QStringLiteral("新"), false);
        QTest::mouseClick(library.window->SBAddType, Qt::LeftButton);
        QVERIFY(library.driver.ran());
        library.clickCategory(0);
        library.answerInput(QString(), true);
        QTest::mouseClick(library.window->SBEditType, Qt::LeftButton);
        QVERIFY(library.driver.ran());
        QCOMPARE(library.file(), before);
        QCOMPARE(library.nodes(), QStringList{QStringLiteral("风景")});

        library.answerInput(QStringLiteral(" 山水 "), true); // kept as typed
        QTest::mouseClick(library.window->SBEditType, Qt::LeftButton);
        QCOMPARE(library.nodes(), QStringList{QStringLiteral(" 山水 ")});
        QCOMPARE(library.file(), std::string("[山水]\r\nD:\\a.jpg=\r\n"));
    }

    void anExistingCategoryNameKeepsOneNode() {
        LibraryWindowFixture library("[风景]\r\nD:\\a.jpg=\r\n[山水]\r\nD:\\b.jpg=\r\n");
        library.answerInput(QStringLiteral("风景"), true);
        QTest::mouseClick(library.window->SBAddType, Qt::LeftButton);
        QCOMPARE(library.nodes(), (QStringList{QStringLiteral("风景"), QStringLiteral("山水")}));

        library.clickCategory(1);
        library.answerInput(QStringLiteral("风景"), true);
        QTest::mouseClick(library.window->SBEditType, Qt::LeftButton);
        QCOMPARE(library.nodes(), QStringList{QStringLiteral("风景")});
        QCOMPARE(library.items(), (QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}));
        QCOMPARE(library.file(), std::string("[风景]\r\nD:\\a.jpg=\r\nD:\\b.jpg=\r\n"));
    }

    void pictureIconsFollowTheExtension() {
        LibraryWindowFixture library("[风景]\r\nD:\\P\\a.jpeg=\r\nD:\\P\\b.ico=\r\n");
        library.clickCategory(0);
        QCOMPARE(library.items(), (QStringList{QStringLiteral("a.jpeg"), QStringLiteral("b.ico")}));
        const auto image = [&](int row) {
            return library.window->LVFilelist->item(row)->icon().cacheKey();
        };
        QCOMPARE(image(0), library.window->il1[static_cast<int>(LibraryImage::Jpg)].cacheKey());
        QCOMPARE(image(1),
                 library.window->il1[static_cast<int>(LibraryImage::ClosedFolder)].cacheKey());
    }

    void duplicateAdditionsKeepListAndSectionInStep() {
        LibraryWindowFixture library;
        const test::TempDir pictures;
        for (const char* name : {"a.jpg", "b.bmp"}) {
            test::writeBytes(pictures.path() / name, "x");
        }
        const std::string a = pictures.file("a.jpg");
        library.clickCategory(0);
        const auto choose = [&] {
            library.driver.onNext<QFileDialog>([&](QFileDialog& dialog) {
                // What a user types into the file name field.
                dialog.setDirectory(QString::fromStdString(pictures.path().string()));
                dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                    ->setText(QStringLiteral("\"a.jpg\" \"b.bmp\""));
                QMetaObject::invokeMethod(&dialog, "accept");
            });
            QTest::mouseClick(library.window->SBAddPic, Qt::LeftButton);
            QVERIFY(library.driver.ran());
        };
        choose();
        choose();
        QCOMPARE(library.items(), (QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.bmp")}));
        QCOMPARE(library.file(),
                 "[名胜风景]\r\n" + a + "=\r\n" + pictures.file("b.bmp") + "=\r\n" +
                     "[世界名车]\r\n[体育明星]\r\n[电影明星]\r\n[军事武器]\r\n[卡通游戏]\r\n");

        library.clickPicture(1);
        QTest::mouseClick(library.window->SBDelPic, Qt::LeftButton);
        library.clickPicture(0);
        QTest::mouseClick(library.window->SBViewPic, Qt::LeftButton);
        QCOMPARE(library.peers.listed, std::vector<std::string>{a});
        QCOMPARE(library.items(), QStringList{QStringLiteral("a.jpg")});
    }

    void pictureClickShowsThePreviewBesideTheWindow() {
        LibraryWindowFixture library("[风景]\r\nD:\\a.jpg=\r\nD:\\b.gif=\r\n");
        library.clickCategory(0);
        library.clickPicture(0);
        library.clickPicture(1);
        QCOMPARE(library.peers.shown, (std::vector<std::string>{"D:\\a.jpg", "D:\\b.gif"}));
        const TFormPicManger& window = *library.window;
        QCOMPARE(library.peers.previewPlaces,
                 std::vector<QPoint>{QPoint(window.x() + window.width(), window.y())});

        QTest::mouseClick(library.window->SBCloseForm, Qt::LeftButton);
        QCOMPARE(library.peers.previewCloses, 1);
        QVERIFY(!library.window->isVisible());
    }

    void linkHandsItsPageToTheBrowser() {
        LibraryWindowFixture library;
        library.window->bsSkinPageControl1->setCurrentIndex(1);
        QTest::mouseClick(library.window->linkLabels.back(), Qt::LeftButton);
        QCOMPARE(library.harness.shell.calls.size(), std::size_t{1});
        const auto& call = library.harness.shell.calls.front();
        QCOMPARE(call.file, std::string(kWallpaperLinks.back().address));
        QCOMPARE(call.operation, std::string("open"));
        QCOMPARE(call.showCommand, platform::kSwShowNormal);
    }
};

} // namespace tovra::library

QTEST_MAIN(tovra::library::PicMangerGuiTest)
#include "PicMangerGuiTest.moc"
