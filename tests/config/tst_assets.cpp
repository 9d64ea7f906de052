#include "config/CardPictures.h"
#include "config/DefaultIni.h"
#include "config/PackBitmap.h"
#include "config/PictureFile.h"
#include "config/ProfileText.h"
#include "config/basIniProc.h"
#include "config/frmWait.h"
#include "platform/ProgramFolder.h"
#include "support/Columns.h"
#include "support/Files.h"
#include "support/Snapshot.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

using namespace basIniProc;

namespace {

// Saved under a plain name first: Qt would re-encode a name that is not UTF-8.
void SavePicture(const std::string& path, QSize size = {20, 30}, QRgb colour = 0xff00ff00) {
    const auto plain = std::filesystem::path(path).parent_path() / "plain";
    std::filesystem::create_directories(plain.parent_path());
    QImage image(size, size.width() > 1000 ? QImage::Format_Mono : QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(QString::fromStdString(plain), path.ends_with(".jpg") ? "JPG" : "BMP"));
    std::filesystem::rename(plain, path);
}

} // namespace

// The game's pictures and sounds: those the build makes, and a player's own
// pictures as the start loads them.
class TestAssets : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    std::string Card(const std::string& name) const {
        return dir_->filePath("card/").toStdString() + name;
    }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        platform::SetProgramFolder(dir_->path().toStdString());
        InitIniFile();
    }

    void cleanup() {
        platform::SetProgramFolder("");
        std::filesystem::remove_all(dir_->path().toStdString()); // names Qt cannot decode
    }

    // Every picture and sound a first start's Poker.ini names is beside the built
    // program, or the player's cards are blank and the game silent.
    void everyDefaultFileIsThere() {
        const profile::ValueIndex defaults(DefaultIniText());
        const auto path = [&](const char* section, const QString& key) {
            return VESK_ASSET_FOLDER "/" + QString(section).toLower() +
                   defaults.Find(section, key.toStdString()).c_str();
        };
        QStringList cards{"URA", "JOKER"};
        for (const char* suit : {"C_%1", "D_%1", "H_%1", "S_%1"}) {
            for (int n = 1; n <= 13; ++n) {
                cards << QString(suit).arg(n, 2, 10, QChar('0'));
            }
        }
        for (const QString& key : cards) {
            QVERIFY2(QImage(path("CARD", key).replace('\\', '/')).size() == QSize(250, 333),
                     qPrintable(key));
        }
        for (const char* key : {"CARD", "COININ", "COINOUT", "HOLD", "BOO", "WIN0", "WIN1", "WIN2",
                                "BONUS", "FANFARE"}) {
            const QString file = path("SOUND", key).replace('\\', '/');
            QVERIFY2(testsupport::ReadBytes(file.toStdString()).starts_with("RIFF"), key);
        }
    }

    // The wait window in the middle of the screen: a dark edge and a yellow line round
    // the green, the title yellow over white words, and a yellow bar as long as its
    // blanks in a dark trough as long as all of them.
    void waitWindowShowsTheLoad() {
        frmWait wait;
        wait.lblWaitBar->setText(QString(frmWait::kBarBlanks / 2, ' '));
        wait.show();
        const QPoint offCentre = wait.geometry().center() -
                                 QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 1);
        QCOMPARE_SNAPSHOT("wait", &wait); // its lines' faces, inks and gaps
        const QImage window = wait.grab().toImage();
        const QImage trough = wait.lblWaitBar->grab().toImage();
        const auto shade = [](const QImage& image, int x, int y) {
            const QString c = image.pixelColor(x, y).name();
            return c == "#004800" ? 'd' : c == "#008000" ? 'g' : c == "#ffff00" ? 'y' : '?';
        };
        const int w = window.width() - 1;
        const int h = window.height() - 1;
        QStringList edges{"", "", "", ""}; // left, right, top and bottom, from the edge in
        for (int in = 0; in < 9; ++in) {
            edges[0] += shade(window, in, h / 2);
            edges[1] += shade(window, w - in, h / 2);
            edges[2] += shade(window, w / 2, in);
            edges[3] += shade(window, w / 2, h - in);
        }
        QCOMPARE(edges, QStringList(4, "ddddgggyg"));
        QString bar; // its left edge and its top, from the edge in, then its empty half
        for (int in = 0; in < 4; ++in) {
            bar += shade(trough, in, trough.height() / 2);
            bar += shade(trough, 10, in);
        }
        QCOMPARE(bar + shade(trough, trough.width() * 3 / 4, trough.height() / 2), "ddddyyyyd");
    }

    // Each default name fills its own slot, and a missing file empties one.
    void eachKeyFillsItsOwnSlot() {
        const std::vector<std::pair<std::string, QImage*>> files{
            {"ura.bmp", &picBack},         {"joker.bmp", &picJoker},
            {"clb_1.bmp", &picClub[0]},    {"dia_12.bmp", &picDiamond[11]},
            {"her_13.bmp", &picHeart[12]}, {"spd_10.bmp", &picSpade[9]}};
        for (int i = 0; i < static_cast<int>(files.size()); ++i) {
            SavePicture(Card(files[i].first), {20, 30}, QColor::fromHsv(i * 50, 255, 255).rgb());
        }
        picClub[1] = picHeart[11] = picSpade[12] = QImage(1, 1, QImage::Format_RGB32);
        LoadCardPictures();
        for (int i = 0; i < static_cast<int>(files.size()); ++i) {
            QCOMPARE(files[i].second->pixel(0, 0), QColor::fromHsv(i * 50, 255, 255).rgb());
        }
        QVERIFY(picClub[1].isNull() && picHeart[11].isNull() && picSpade[12].isNull());
    }

    // The pack's own layout is read straight into the picture's rows, not a pixel at
    // a time; what it takes is the picture the general reader makes of the same bytes,
    // and what it leaves the general reader still loads.
    void packBitmapsLoadAsTheReaderSeesThem_data() {
        Columns<int, int, int, int, bool, QSize>("width", "height", "pixelsAt", "redMask", "read",
                                                 "size");
        const int red = 0x00FF0000;
        Row("as generated, bottom up", 250, 333, 122, red, true, QSize(250, 333));
        Row("top down", 250, -333, 122, red, true, QSize(250, 333));
        Row("as wide as the largest card", 768, 108, 122, red, true, QSize(768, 108));
        Row("other colour masks", 250, 333, 122, 0x000000FF, false, QSize());
        Row("pixels past the end of the file", 250, 333, 400000, red, false, QSize());
        Row("wider than the largest card", 800, 100, 122, red, false, QSize(768, 96));
        Row("taller than the largest card", 250, 1100, 122, red, false, QSize(232, 1024));
    }

    void packBitmapsLoadAsTheReaderSeesThem() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, pixelsAt);
        QFETCH(int, redMask);
        QFETCH(bool, read);
        std::string bytes = testsupport::ReadBytes(VESK_ASSET_FOLDER "/card/joker.bmp");
        const auto put = [&bytes](std::size_t at, int value) {
            for (int i = 0; i < 4; ++i) {
                bytes[at + i] = static_cast<char>(static_cast<unsigned>(value) >> (8 * i));
            }
        };
        put(18, width);
        put(22, height);
        put(10, pixelsAt);
        put(54, redMask);
        testsupport::WriteBytes(Card("pack.bmp"), bytes);
        const int fd = ::open(Card("pack.bmp").c_str(), O_RDONLY);
        const QImage direct = ReadPackBitmap(fd);
        ::close(fd);
        QCOMPARE(!direct.isNull(), read);
        QFETCH(QSize, size);
        const QImage loaded = ReadPictureFile(Card("pack.bmp"));
        if (size.isValid()) {
            QCOMPARE(loaded.size(), size);
        }
        if (read) {
            const QImage general = QImage::fromData(QByteArray::fromStdString(bytes), "BMP");
            QCOMPARE(loaded.format(), general.format());
            QCOMPARE(loaded, general);
        }
    }

    // The pack's pictures share one reservation of memory; loading far more than
    // fits in it still gives every picture whole, each in memory of its own: every
    // face is still itself once all are loaded.
    void picturesPastTheReservationLoadWhole() {
        const QDir folder(VESK_ASSET_FOLDER "/card");
        const QStringList names = folder.entryList({"*.bmp"});
        QCOMPARE(names.size(), 54);
        std::vector<QImage> kept;
        for (int i = 0; i < 200; ++i) {
            kept.push_back(ReadPictureFile(folder.filePath(names[i % 54]).toStdString()));
        }
        for (int i = 0; i < 200; ++i) {
            QCOMPARE(kept[static_cast<std::size_t>(i)], QImage(folder.filePath(names[i % 54])));
        }
    }

    // A bitmap stored top down gives its height negative: it is held to the same
    // limits as one stored bottom up, by the general reader as by the pack's.
    void topDownBitmapsMeetTheSameLimits_data() {
        Columns<QSize, QSize>("picture", "size");
        Row("small", QSize(20, 30), QSize(20, 30));
        Row("over the largest card", QSize(1600, 2000), QSize(768, 960));
        Row("over 4 megapixels", QSize(1800, 3000), QSize(0, 0));
    }

    void topDownBitmapsMeetTheSameLimits() {
        QFETCH(QSize, picture);
        SavePicture(Card("down.bmp"), picture);
        std::string bytes = testsupport::ReadBytes(Card("down.bmp"));
        const auto height = static_cast<std::uint32_t>(-picture.height());
        for (int i = 0; i < 4; ++i) {
            bytes[22 + i] = static_cast<char>(height >> (8 * i));
        }
        testsupport::WriteBytes(Card("down.bmp"), bytes);
        QTEST(ReadPictureFile(Card("down.bmp")).size(), "size");
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
