#include "config/CardPictures.h"
#include "config/basIniProc.h"
#include "config/frmWait.h"
#include "platform/ProgramFolder.h"
#include "support/Columns.h"
#include "support/Files.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>
#include <filesystem>
#include <sys/stat.h>

using testsupport::InFolder;
using testsupport::WriteBytes;

namespace {

// Watches every paint of the wait bar, so a test sees the bar as the player did.
class BarWatcher : public QObject {
  public:
    std::vector<int> lengths;
    bool windowWasVisible = false;
    bool onlyBlanks = true;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == "lblWaitBar") {
            const auto* bar = static_cast<QLabel*>(watched);
            lengths.push_back(static_cast<int>(bar->text().size()));
            windowWasVisible = windowWasVisible || bar->window()->isVisible();
            onlyBlanks = onlyBlanks && bar->text().trimmed().isEmpty();
        }
        return false;
    }
};

// Qt reads GIF but cannot write it: a 1 x 1 red GIF, byte by byte.
const std::string kTinyGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                           ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                           35);

void SavePicture(const std::string& path, QColor colour) {
    if (path.ends_with(".gif")) {
        WriteBytes(path, kTinyGif);
        return;
    }
    QImage image(20, 30, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(QString::fromStdString(path)));
}

std::vector<QImage*> AllSlots() {
    std::vector<QImage*> all{&basIniProc::picBack, &basIniProc::picJoker};
    for (auto* suit : {&basIniProc::picClub, &basIniProc::picDiamond, &basIniProc::picHeart,
                       &basIniProc::picSpade}) {
        for (QImage& image : *suit) {
            all.push_back(&image);
        }
    }
    return all;
}

} // namespace

class TestCardPictures : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    std::string Card(const std::string& name) const { return InFolder(*dir_, "card/" + name); }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        platform::SetProgramFolder(dir_->path().toStdString());
        basIniProc::InitIniFile();
        for (QImage* slot : AllSlots()) {
            *slot = QImage(1, 1, QImage::Format_RGB32);
        }
    }

    void cleanup() { platform::SetProgramFolder(""); }

    void emptyCardFolderLeavesEverySlotNullAndFillsTheBar() {
        BarWatcher watcher;
        qApp->installEventFilter(&watcher);
        basIniProc::LoadCardPictures();
        qApp->removeEventFilter(&watcher);

        for (const QImage* slot : AllSlots()) {
            QVERIFY(slot->isNull());
        }
        QVERIFY(watcher.windowWasVisible);
        QVERIFY(watcher.onlyBlanks);
        QVERIFY(!watcher.lengths.empty());
        QCOMPARE(watcher.lengths.back(), frmWait::kBarBlanks);
        for (int step = 1; step <= frmWait::kBarBlanks; ++step) {
            QVERIFY2(std::ranges::count(watcher.lengths, step) > 0, "every step is painted");
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY(!qobject_cast<frmWait*>(window) || !window->isVisible());
        }
    }

    void eachKeyFillsItsOwnSlot() {
        SavePicture(Card("ura.bmp"), Qt::blue);
        SavePicture(Card("joker.bmp"), Qt::magenta);
        SavePicture(Card("clb_1.bmp"), Qt::black);
        SavePicture(Card("dia_12.bmp"), Qt::red);
        SavePicture(Card("her_13.bmp"), Qt::yellow);
        SavePicture(Card("spd_10.bmp"), Qt::gray);
        basIniProc::LoadCardPictures();
        QCOMPARE(basIniProc::picBack.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(basIniProc::picJoker.pixelColor(0, 0), QColor(Qt::magenta));
        QCOMPARE(basIniProc::picClub[0].pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(basIniProc::picDiamond[11].pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(basIniProc::picHeart[12].pixelColor(0, 0), QColor(Qt::yellow));
        QCOMPARE(basIniProc::picSpade[9].pixelColor(0, 0), QColor(Qt::gray));
        QVERIFY(basIniProc::picClub[1].isNull());
        QVERIFY(basIniProc::picHeart[11].isNull());
    }

    void storedValuesDecideWhatLoads_data() {
        Columns<QString, QString, QSize>("value", "file", "size");
        const auto row = [](const char* name, QString value, QString file, QSize size) {
            QTest::newRow(name) << value << file << size;
        };
        const QSize none(0, 0);
        const QSize saved(20, 30);
        row("jpeg", "\\face.jpg", "face.jpg", saved);
        row("gif", "\\face.gif", "face.gif", QSize(1, 1));
        row("icon", "\\face.ico", "face.ico", saved);
        row("png", "\\face.png", "face.png", saved);
        row("subfolder", "\\deck\\red\\face.bmp", "deck/red/face.bmp", saved);
        row("missing file", "\\absent.bmp", "face.bmp", none);
        row("empty value names the folder", "", "face.bmp", none);
        row("no leading backslash", "face.bmp", "face.bmp", none);
        row("a folder", "\\deck", "deck/face.bmp", none);
    }

    void storedValuesDecideWhatLoads() {
        QFETCH(QString, value);
        QFETCH(QString, file);
        QFETCH(QSize, size);
        std::filesystem::create_directories(
            std::filesystem::path(Card(file.toStdString())).parent_path());
        SavePicture(Card(file.toStdString()), Qt::green);
        basIniProc::WriteIni("CARD", "H_05", value.toStdString());
        basIniProc::LoadCardPictures();
        QCOMPARE(basIniProc::picHeart[4].size(), size);
        QCOMPARE(basIniProc::picHeart[4].isNull(), size.isEmpty());
    }

    // Faults caught: a pipe or device that blocks or floods the start, a huge file
    // read whole, a huge picture decoded at full size, and a stored name that is not
    // UTF-8 re-encoded on the way to the file.
    void namedFilesAreReadSafely_data() {
        Columns<QString, QSize>("kind", "size");
        const QSize empty(0, 0);
        QTest::newRow("pipe") << "pipe" << empty;
        QTest::newRow("device") << "device" << empty;
        QTest::newRow("file over 64 MiB") << "sparse" << empty;
        QTest::newRow("picture over 4 megapixels") << "2100x2100" << empty;
        QTest::newRow("picture over the largest card") << "1600x2000" << QSize(768, 960);
        QTest::newRow("name not UTF-8") << "latin1" << QSize(20, 30);
    }

    void namedFilesAreReadSafely() {
        QFETCH(QString, kind);
        const std::string name = kind == "latin1" ? "f\xe9.bmp" : "face.bmp";
        const std::string path = Card(name);
        const QStringList size = kind.split('x');
        if (kind == "pipe") {
            QCOMPARE(mkfifo(path.c_str(), 0600), 0);
        } else if (kind == "device") {
            std::filesystem::create_symlink("/dev/zero", path);
        } else if (kind == "sparse") {
            WriteBytes(path, "BM");
            std::filesystem::resize_file(path, 65 * 1024 * 1024);
        } else if (size.size() == 2) {
            QImage picture(size[0].toInt(), size[1].toInt(), QImage::Format_Mono);
            picture.fill(0);
            QVERIFY(picture.save(QString::fromStdString(path), "BMP"));
        } else {
            SavePicture(Card("plain.bmp"), Qt::green);
            std::filesystem::rename(Card("plain.bmp"), path);
        }
        basIniProc::WriteIni("CARD", "URA", "\\" + name);
        basIniProc::LoadCardPictures();
        QTEST(basIniProc::picBack.size(), "size");
    }

    void fileThatIsNoPictureLeavesTheSlotNull_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("this is not a bitmap\r\n");
        QTest::newRow("truncated bitmap header") << QByteArray("BM\x36\x00\x00\x00", 6);
    }

    void fileThatIsNoPictureLeavesTheSlotNull() {
        QFETCH(QByteArray, bytes);
        WriteBytes(Card("spd_1.bmp"), bytes.toStdString());
        basIniProc::LoadCardPictures();
        QVERIFY(basIniProc::picSpade[0].isNull());
    }
};

QTEST_MAIN(TestCardPictures)
#include "tst_cardpictures.moc"
