// Hostile picture paths and category names fed to the real windows: the
// wallpaper list's buttons, the preview's menu, the rotation and the library.
// One table of kinds serves every entry point. Each row proves that nothing
// crashes, that the text is taken as given or refused as the stores' rules
// say, and that the settings file changes by exactly that line and no other
// byte. Names a file system cannot bear reach the windows as lines already in
// the settings file. The rules themselves are tested against the stores.

#include "library/core/LibraryStore.h"
#include "picture/Bmp.h"
#include "settings/IniFile.h"
#include "settings/SettingsIndex.h"
#include "tests/support/DesktopValues.h"
#include "tests/support/LibraryWindowFixture.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/PatternPicture.h"
#include "toolkit/FlatSpeedButton.h"
#include "toolkit/FontSetup.h"
#include "toolkit/SkinFileControls.h"
#include "toolkit/SkinPictureButton.h"
#include "wallpaper/Unit_PicView.h"
#include "wallpaper/Unit_Piclist.h"
#include "wallpaper/core/PicNameList.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using tovra::test::LibraryWindowFixture;
using tovra::test::MainWindowHarness;
namespace platform = tovra::platform;

namespace {

/// What a window does with a text of a kind.
enum class Outcome {
    Taken,   // stored as given (a name without its outer blanks)
    Refused, // nothing written
    Unseen,  // a file so named never reaches the window (not UTF-8)
    NoFile,  // no file can bear the name: it arrives through the settings file only
};

struct HostileKind {
    const char* name;
    std::string text;
    /// A picture path whose file name starts with the text.
    Outcome path;
    /// A category name typed as the text; Unseen when it cannot be typed.
    Outcome category;
};

const std::vector<HostileKind>& hostileKinds() {
    using enum Outcome;
    static const std::vector<HostileKind> kinds = {
        {"equals sign", "a=b", Refused, Taken},
        {"closing bracket", "a]b", Taken, Refused},
        {"carriage return", "a\rb", Refused, Refused},
        {"line feed", "a\nb", Refused, Refused},
        {"CR LF", "a\r\nb", Refused, Refused},
        {"10,000 characters", std::string(10'000, 'x'), NoFile, Taken},
        {"invalid UTF-8", "\xff\xfe\xc3", Unseen, Unseen},
        {"GBK bytes", "\xd7\xc0\xc3\xe6", Unseen, Unseen},
        {"empty", "", NoFile, Refused},
        {"blanks around", "  sky  ", Taken, Taken},
        {"semicolon first", ";sky", Taken, Taken},
        {"bracket first", "[sky", Taken, Taken},
    };
    return kinds;
}

/// Rows of the kinds whose outcome at one entry point is among those given.
void addKindRows(Outcome HostileKind::*entry, std::initializer_list<Outcome> outcomes) {
    QTest::addColumn<int>("kind");
    for (std::size_t i = 0; i < hostileKinds().size(); ++i) {
        const HostileKind& kind = hostileKinds()[i];
        if (std::find(outcomes.begin(), outcomes.end(), kind.*entry) != outcomes.end()) {
            QTest::newRow(kind.name) << static_cast<int>(i);
        }
    }
}

const HostileKind& fetchKind() {
    QFETCH(int, kind);
    return hostileKinds().at(static_cast<std::size_t>(kind));
}

/// What a section or key name is stored as: without its outer blanks.
std::string stored(const std::string& name) {
    const auto first = name.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : name.substr(first, name.find_last_not_of(' ') - first + 1);
}

/// text without the first occurrence of part (which the test put there).
std::string without(std::string text, const std::string& part) {
    return text.erase(text.find(part), part.size());
}

QString qtext(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QStringList texts(const QListWidget& list) {
    QStringList all;
    for (int row = 0; row < list.count(); ++row) {
        all << list.item(row)->text();
    }
    return all;
}

QStringList qtexts(const std::vector<std::string>& utf8) {
    QStringList all;
    for (const auto& text : utf8) {
        all << qtext(text);
    }
    return all;
}

void click(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

std::string bmpBytes() {
    return tovra::picture::encodeBmp(
        tovra::test::patternPicture({8, 8}, tovra::picture::PixelFormat::Bgr24));
}

const std::string kListHeader = "[TovraDesktop PicNameList]\r\n";
/// Lines of the program's and the library's that no row may touch.
const std::string kHead = "; kept as written\r\n[TovraDesktop SecondNum]\r\ntime=7\r\n";
const std::string kTail = "[views]\r\nD:\\v.jpg=\r\n[cars]\r\nD:\\c.jpg=\r\n";
const std::string kViews = "[views]\r\nD:\\v.jpg=\r\n";
const std::string kCars = "[cars]\r\nD:\\c.jpg=\r\n";

} // namespace

class HostileNamesGuiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowHarness> h;
    std::filesystem::path folder;

    [[nodiscard]] std::string settings() const { return tovra::test::readBytes(h->settingsFile); }
    [[nodiscard]] std::string registry() const {
        return tovra::test::readBytes(h->temp.path() / "state" / "registry.reg");
    }
    [[nodiscard]] std::optional<std::string> wallpaper() const {
        return tovra::test::desktopValue(h->platform->registry, "Wallpaper");
    }
    void makeFile(const std::string& name, const std::string& bytes) const {
        tovra::test::writeBytes(folder / name, bytes);
    }
    [[nodiscard]] std::string pathOf(const std::string& name) const {
        return (folder / name).string();
    }

    tovra::TFormPiclist& startInFolder(const std::string& settingsText) {
        tovra::test::writeBytes(h->settingsFile, settingsText);
        h->start();
        tovra::TFormPiclist& list = *h->wallpaper.list;
        list.bsSkinDirectoryListBox1->setDirectory(qtext(folder.string()));
        list.show();
        return list;
    }

    void showPreview() {
        QTest::mouseClick(h->window->bsSkinXFormButton8, Qt::LeftButton);
        QVERIFY(h->wallpaper.preview->isVisible());
    }

    void removeEntry(tovra::TFormPiclist& list, const std::string& path) {
        const auto found = list.lvpicture->findItems(qtext(path), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        list.lvpicture->setCurrentItem(found.front());
        QTest::mouseClick(list.FBDelSingle, Qt::LeftButton);
    }

    void clearList(tovra::TFormPiclist& list) {
        h->boxes.answers = {platform::kIdYes};
        QTest::mouseClick(list.FBDelAll, Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase() { tovra::toolkit::setUpFonts(); }
    void init() {
        h = std::make_unique<MainWindowHarness>();
        folder = h->temp.path() / "pictures";
        std::filesystem::create_directories(folder);
    }
    void cleanup() { h.reset(); }

    void aPictureFileThroughTheListAndThePreview_data() {
        addKindRows(&HostileKind::path, {Outcome::Taken, Outcome::Refused, Outcome::Unseen});
    }
    void aPictureFileThroughTheListAndThePreview() {
        const HostileKind& kind = fetchKind();
        const std::string name = kind.text + ".bmp";
        makeFile(name, bmpBytes());
        makeFile("plain.bmp", bmpBytes());
        const std::string base = kHead + kTail;
        tovra::TFormPiclist& list = startInFolder(base);
        std::string section = kListHeader;
        if (kind.path == Outcome::Unseen) {
            QCOMPARE(texts(*list.FLBpicture), QStringList{QStringLiteral("plain.bmp")});
        } else {
            const auto found = list.FLBpicture->findItems(qtext(name), Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            list.FLBpicture->setCurrentItem(found.front());
            QTest::mouseClick(list.FBAddSingle, Qt::LeftButton); // "<"
            if (kind.path == Outcome::Taken) {
                section += pathOf(name) + "=\r\n";
                QCOMPARE(settings(), base + section);
            } else {
                QCOMPARE(settings(), base);
            }
        }
        QTest::mouseClick(list.FBAddAll, Qt::LeftButton); // "<<": only what is not listed
        QCOMPARE(settings(), base + section + pathOf("plain.bmp") + "=\r\n");

        if (kind.path == Outcome::Taken) {
            showPreview();
            click(list.lvpicture, 0);
            h->wallpaper.preview->N2->trigger(); // "平铺": the BMP goes as it is
            QCOMPARE(wallpaper(), std::optional(pathOf(name)));
        }
        removeEntry(list, pathOf("plain.bmp")); // ">": its line alone goes
        QCOMPARE(settings(), base + section);
        if (kind.path == Outcome::Taken) {
            clearList(list); // ">>"
            QCOMPARE(settings(), base);
        }
        QCOMPARE(h->boxes.calls.size(), std::size_t{kind.path == Outcome::Taken ? 1u : 0u});
    }

    void hostileLinesInTheListSectionStayUntouched_data() {
        addKindRows(&HostileKind::path,
                    {Outcome::Taken, Outcome::Refused, Outcome::Unseen, Outcome::NoFile});
    }
    void hostileLinesInTheListSectionStayUntouched() {
        const HostileKind& kind = fetchKind();
        const std::string section =
            kListHeader + "D:\\a.jpg=\r\n" + kind.text + "=\r\nD:\\b.jpg=\r\n";
        tovra::TFormPiclist& list = startInFolder(kHead + section + kTail);
        const std::string before = registry();
        {
            tovra::settings::IniFile ini(h->platform->profiles, h->settingsFile);
            QCOMPARE(texts(*list.lvpicture), qtexts(tovra::wallpaper::PicNameList(ini).load()));
        }
        showPreview();
        for (int row = 0; row < list.lvpicture->count(); ++row) {
            click(list.lvpicture, row); // none of them is a picture there
            h->wallpaper.preview->N1->trigger();
        }
        h->state.ElapsedSeconds = std::numeric_limits<std::int32_t>::max() - 1;
        list.tmr1Timer(); // the rotation passes over every entry
        QCOMPARE(wallpaper(), std::nullopt);
        QCOMPARE(registry(), before);

        removeEntry(list, "D:\\a.jpg");
        QCOMPARE(settings(), kHead + without(section, "D:\\a.jpg=\r\n") + kTail);
        clearList(list);
        QCOMPARE(settings(), kHead + kTail);
        QCOMPARE(h->boxes.calls.size(), std::size_t{1});
    }

    void aListedFileThatIsNoPictureLeavesTheWallpaper_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("isFolder");
        std::mt19937 noise(7);
        QByteArray random(4096, '\0');
        for (char& byte : random) {
            byte = static_cast<char>(noise());
        }
        QTest::newRow("0 bytes, .bmp") << "empty.bmp" << QByteArray() << false;
        QTest::newRow("random bytes, .bmp") << "noise.bmp" << random << false;
        QTest::newRow("a bitmap header and nothing more")
            << "cut.bmp" << QByteArray::fromStdString(bmpBytes().substr(0, 30)) << false;
        QTest::newRow("random bytes, .jpg") << "noise.jpg" << random << false;
        QTest::newRow("0 bytes, .gif") << "empty.gif" << QByteArray() << false;
        QTest::newRow("a folder named .jpg") << "folder.jpg" << QByteArray() << true;
    }
    void aListedFileThatIsNoPictureLeavesTheWallpaper() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, isFolder);
        const std::string path = pathOf(name.toStdString());
        if (isFolder) {
            std::filesystem::create_directories(path);
        } else {
            makeFile(name.toStdString(), bytes.toStdString());
        }
        QVERIFY(std::filesystem::exists(path));
        tovra::TFormPiclist& list = startInFolder(kHead + kListHeader + path + "=\r\n" + kTail);
        const std::string before = registry();
        const std::string settingsBefore = settings();
        showPreview();
        QTest::mouseClick(h->wallpaper.preview->FlatButton1, Qt::LeftButton); // "<<" to it
        QCOMPARE(h->wallpaper.preview->PreviewFileName, path);
        for (QAction* style :
             {h->wallpaper.preview->N1, h->wallpaper.preview->N2, h->wallpaper.preview->N3}) {
            style->trigger();
        }
        h->state.ElapsedSeconds = std::numeric_limits<std::int32_t>::max() - 1;
        list.tmr1Timer(); // the rotation's change, due now

        QCOMPARE(wallpaper(), std::nullopt);
        QCOMPARE(registry(), before);
        QCOMPARE(settings(), settingsBefore);
        QVERIFY(!std::filesystem::exists(h->state.TempDir + "WallPaper.BMP"));
        QVERIFY(h->boxes.calls.empty());
    }

    void categoryNamesTypedIntoTheLibrary_data() {
        addKindRows(&HostileKind::category, {Outcome::Taken, Outcome::Refused});
    }
    void categoryNamesTypedIntoTheLibrary() {
        const HostileKind& kind = fetchKind();
        const QString typed = qtext(kind.text);
        const bool taken = kind.category == Outcome::Taken;
        const std::string base = kHead + kTail;
        LibraryWindowFixture library(base);
        const std::string renamed = "[" + stored(kind.text) + "]\r\nD:\\v.jpg=\r\n";

        library.clickCategory(0);
        library.answerInput(typed, true);
        QTest::mouseClick(library.window->SBEditType, Qt::LeftButton); // "修改类别"
        QVERIFY(library.driver.ran());
        QCOMPARE(library.file(), taken ? without(base, kViews) + renamed : base);
        QCOMPARE(library.nodes().front(), taken ? typed : QStringLiteral("views"));

        std::string now = base;
        if (taken) {
            library.clickCategory(0);
            library.harness.boxes.answers = {platform::kIdOk};
            QTest::mouseClick(library.window->SBDelType, Qt::LeftButton); // "删除类别"
            now = without(base, kViews);
            QCOMPARE(library.file(), now);
            QCOMPARE(library.nodes(), QStringList{QStringLiteral("cars")});
        }
        const QStringList nodesBefore = library.nodes();
        library.answerInput(typed, true);
        QTest::mouseClick(library.window->SBAddType, Qt::LeftButton); // "新增类别"
        QCOMPARE(library.file(), taken ? now + "[" + stored(kind.text) + "]\r\n" : now);
        QCOMPARE(library.nodes(), taken ? nodesBefore + QStringList{typed} : nodesBefore);
        QCOMPARE(library.harness.boxes.calls.size(), std::size_t{taken ? 1u : 0u});
    }

    void picturesChosenForACategory_data() {
        addKindRows(&HostileKind::path, {Outcome::Taken, Outcome::Refused});
    }
    void picturesChosenForACategory() {
        const HostileKind& kind = fetchKind();
        const std::string name = kind.text + ".bmp";
        const std::string base = kHead + kTail;
        LibraryWindowFixture library(base);
        makeFile(name, bmpBytes());
        makeFile("plain.bmp", bmpBytes());
        library.clickCategory(0);
        library.driver.onNext<QFileDialog>([&](QFileDialog& dialog) {
            dialog.setDirectory(qtext(folder.string()));
            dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("\"%1\" \"plain.bmp\"").arg(qtext(name)));
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        QTest::mouseClick(library.window->SBAddPic, Qt::LeftButton); // "添加图片"
        QVERIFY(library.driver.ran());

        const std::string hostileLine = pathOf(name) + "=\r\n";
        const std::string added =
            (kind.path == Outcome::Taken ? hostileLine : "") + pathOf("plain.bmp") + "=\r\n";
        const std::string withPictures = kHead + kViews + added + kCars;
        QCOMPARE(library.file(), withPictures);
        if (kind.path == Outcome::Taken) {
            library.clickPicture(1);
            QTest::mouseClick(library.window->SBDelPic, Qt::LeftButton); // "删除图片"
            QCOMPARE(library.file(), without(withPictures, hostileLine));
        }
        QVERIFY(library.harness.boxes.calls.empty());
    }

    void hostileSectionsAndLinesInTheLibraryStayUntouched_data() {
        addKindRows(&HostileKind::path,
                    {Outcome::Taken, Outcome::Refused, Outcome::Unseen, Outcome::NoFile});
    }
    void hostileSectionsAndLinesInTheLibraryStayUntouched() {
        const HostileKind& kind = fetchKind();
        const std::string base = kHead + "[views]\r\n" + kind.text + "=\r\nD:\\v.jpg=\r\n[" +
                                 kind.text + "]\r\nD:\\h.jpg=\r\n" + kCars;
        LibraryWindowFixture library(base);
        {
            tovra::settings::IniFile ini(library.harness.platform->profiles,
                                         library.harness.settingsFile);
            const tovra::library::LibraryStore store(ini, tovra::settings::kSectionPrefix);
            QCOMPARE(library.nodes(), qtexts(store.categories()));
        }
        for (int node = 0; node < library.nodes().size(); ++node) {
            library.clickCategory(node); // each shows its pictures
        }
        library.clickCategory(static_cast<int>(library.nodes().indexOf(QStringLiteral("views"))));
        const auto pictures = library.window->LVFilelist;
        int row = 0;
        while (row < pictures->count() &&
               pictures->item(row)->data(Qt::UserRole).toString() != QStringLiteral("D:\\v.jpg")) {
            ++row;
        }
        QVERIFY(row < pictures->count());
        library.clickPicture(row);
        QTest::mouseClick(library.window->SBDelPic, Qt::LeftButton);
        const std::string onePictureLess = without(base, "D:\\v.jpg=\r\n");
        QCOMPARE(library.file(), onePictureLess);

        library.clickCategory(static_cast<int>(library.nodes().indexOf(QStringLiteral("cars"))));
        library.harness.boxes.answers = {platform::kIdOk};
        QTest::mouseClick(library.window->SBDelType, Qt::LeftButton);
        QCOMPARE(library.file(), without(onePictureLess, kCars));
        QCOMPARE(library.harness.boxes.calls.size(), std::size_t{1}); // the question alone
    }
};

QTEST_MAIN(HostileNamesGuiTest)
#include "HostileNamesGuiTest.moc"
