#include "config/DefaultIni.h"
#include "config/ProfileText.h"
#include "support/Columns.h"
#include "support/Files.h"

#include <QImage>
#include <QtTest>
#include <cstdint>
#include <set>

// The pictures and sounds the build draws, found under the names a first start's
// Poker.ini gives them, beside the built program.
namespace {

QString DefaultFile(const char* section, const char* folder, const std::string& key) {
    const std::string value = profile::ValueIndex(basIniProc::DefaultIniText()).Find(section, key);
    return VESK_ASSET_FOLDER "/" + QString(folder) +
           QString::fromStdString(value).replace('\\', '/');
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

// The samples of the generator's plain 16-bit mono file, whose data starts at byte 44.
std::vector<int> Samples(const std::string& bytes) {
    std::vector<int> samples;
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
        samples.push_back(
            static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8));
    }
    return samples;
}

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

  private slots:
    // Faces show their suit's colour on a card with transparent corners, and no
    // two of the 54 pictures are alike.
    void everyCardPictureIsThere() {
        std::vector<std::string> keys{"URA", "JOKER"};
        for (const char* suit : {"C_", "D_", "H_", "S_"}) {
            for (int n = 1; n <= 13; ++n) {
                keys.push_back(suit + QString::number(n).rightJustified(2, '0').toStdString());
            }
        }
        std::set<QByteArray> distinct;
        for (const std::string& key : keys) {
            const QImage card(DefaultFile("CARD", "card", key));
            QVERIFY2(card.size() == QSize(250, 333), key.c_str());
            QCOMPARE(card.pixelColor(0, 0).alpha(), 0);
            QCOMPARE(card.pixelColor(125, 20).alpha(), 255);
            if (key.size() == 4) {
                QCOMPARE(HasRed(card), key[0] == 'H' || key[0] == 'D');
            }
            distinct.emplace(reinterpret_cast<const char*>(card.constBits()), card.sizeInBytes());
        }
        QCOMPARE(distinct.size(), std::size_t{54});
    }

    void everySoundIsClean_data() {
        Columns<QString, double, double>("key", "shortest", "longest");
        for (const char* key : {"CARD", "HOLD", "BOO", "WIN0", "WIN1", "WIN2", "BONUS"}) {
            QTest::newRow(key) << key << 0.02 << 3.0;
        }
        QTest::newRow("COININ") << "COININ" << 0.05 << 0.6;
        QTest::newRow("COINOUT") << "COINOUT" << 0.03 << 0.149; // restarted for every coin
        QTest::newRow("FANFARE") << "FANFARE" << 2.0 << 8.0;    // repeated during a long payout
    }

    // Audible, never clipped, and starting and ending near silence, which keeps a
    // restart from clicking.
    void everySoundIsClean() {
        QFETCH(QString, key);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        const auto samples = Samples(
            testsupport::ReadBytes(DefaultFile("SOUND", "sound", key.toStdString()).toStdString()));
        QVERIFY(!samples.empty());
        const double seconds = static_cast<double>(samples.size()) / 44100;
        QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        QVERIFY(std::max(-*low, *high) > 3000);
        QVERIFY(*low > -32767 && *high < 32767);
        QVERIFY(std::abs(samples.front()) < 300 && std::abs(samples.back()) < 300);
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
