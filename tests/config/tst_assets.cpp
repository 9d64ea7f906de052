#include "config/DefaultIni.h"
#include "config/ProfileText.h"
#include "support/Columns.h"
#include "support/Files.h"

#include <QImage>
#include <QtTest>
#include <cstdint>
#include <set>

using testsupport::ReadBytes;

namespace {

// The generated files lie beside the built program, where a first start's
// Poker.ini names them.
const std::string kFolder = VESK_ASSET_FOLDER;

std::string DefaultValue(const char* section, const char* key) {
    return profile::ValueIndex(basIniProc::DefaultIniText()).Find(section, key);
}

std::string FileOf(const char* folder, const std::string& value) {
    return kFolder + "/" + folder + "/" + value.substr(1);
}

struct Wav {
    std::uint32_t format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t Little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

// Walks the chunks as a player would, so a wrong size or order shows up.
std::optional<Wav> ParseWav(const std::string& bytes) {
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0 ||
        Little(bytes, 4, 4) != bytes.size() - 8) {
        return std::nullopt;
    }
    Wav wav;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = Little(bytes, at + 4, 4);
        if (at + 8 + size > bytes.size()) {
            return std::nullopt;
        }
        if (id == "fmt ") {
            wav.format = Little(bytes, at + 8, 2);
            wav.channels = Little(bytes, at + 10, 2);
            wav.rate = Little(bytes, at + 12, 4);
            wav.bits = Little(bytes, at + 22, 2);
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                wav.samples.push_back(static_cast<std::int16_t>(Little(bytes, at + 8 + i, 2)));
            }
        }
        at += 8 + size + size % 2;
    }
    return wav;
}

bool HasRed(const QImage& image) {
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() == 255 && c.red() > 150 && c.green() < 80 && c.blue() < 80) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

  private slots:
    void everyCardPictureIsThere_data() {
        QTest::addColumn<QString>("file");
        std::vector<std::string> keys{"URA", "JOKER"};
        for (const char* suit : {"C_", "D_", "H_", "S_"}) {
            for (int n = 1; n <= 13; ++n) {
                keys.push_back(suit + std::string(n < 10 ? "0" : "") + std::to_string(n));
            }
        }
        for (const std::string& key : keys) {
            const std::string value = DefaultValue("CARD", key.c_str());
            QTest::newRow(key.c_str()) << QString::fromStdString(FileOf("card", value));
        }
    }

    void everyCardPictureIsThere() {
        QFETCH(QString, file);
        const QImage card(file);
        QVERIFY2(!card.isNull(), qPrintable(file));
        QCOMPARE(card.size(), QSize(250, 333));
        QVERIFY(card.hasAlphaChannel());
        QCOMPARE(card.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(card.pixelColor(125, 20).alpha(), 255);
        const QString name = QFileInfo(file).baseName();
        if (name.contains('_')) {
            QCOMPARE(HasRed(card), name.startsWith("her") || name.startsWith("dia"));
        }
    }

    void noTwoCardsAlike() {
        std::set<QByteArray> seen;
        for (const QString& file :
             QDir(QString::fromStdString(kFolder + "/card")).entryList({"*.bmp"})) {
            const QString path = QString::fromStdString(kFolder + "/card/") + file;
            QVERIFY2(seen.insert(QByteArray::fromStdString(ReadBytes(path.toStdString()))).second,
                     qPrintable(file));
        }
        QCOMPARE(seen.size(), std::size_t{54});
    }

    void everySoundIsAPlayableWav_data() {
        Columns<QString, double, double>("file", "shortest", "longest");
        const auto row = [](const char* key, double shortest, double longest) {
            QTest::newRow(key) << QString::fromStdString(
                                      FileOf("sound", DefaultValue("SOUND", key)))
                               << shortest << longest;
        };
        row("CARD", 0.03, 0.3);
        row("COININ", 0.05, 0.6);
        row("COINOUT", 0.03, 0.149); // restarted for every coin counted out
        row("HOLD", 0.02, 0.3);
        row("BOO", 0.3, 2.5);
        row("WIN0", 0.2, 1.5);
        row("WIN1", 0.3, 2.0);
        row("WIN2", 0.5, 3.0);
        row("BONUS", 0.3, 3.0);
        row("FANFARE", 2.0, 8.0); // repeated while a long payout is counted
    }

    void everySoundIsAPlayableWav() {
        QFETCH(QString, file);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        const auto wav = ParseWav(ReadBytes(file.toStdString()));
        QVERIFY2(wav.has_value(), qPrintable(file));
        QCOMPARE(wav->format, 1u);
        QCOMPARE(wav->rate, 44100u);
        QCOMPARE(wav->bits, 16u);
        QVERIFY(wav->channels == 1u || wav->channels == 2u);
        const double seconds = static_cast<double>(wav->samples.size()) / wav->channels / wav->rate;
        QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));

        int peak = 0;
        for (const std::int16_t s : wav->samples) {
            peak = std::max(peak, std::abs(int{s}));
        }
        QVERIFY2(peak > 3000, "audible");
        QVERIFY2(peak < 32767, "not clipped");
        // Starting and ending near silence is what keeps a restart from clicking.
        QVERIFY(std::abs(int{wav->samples.front()}) < 300);
        QVERIFY(std::abs(int{wav->samples.back()}) < 300);
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
