#include "config/DefaultIni.h"
#include "config/ProfileText.h"
#include "support/Files.h"

#include <QImage>
#include <QtTest>
#include <set>

// The pictures and sounds the build makes, found under the names a first start's
// Poker.ini gives them, beside the built program.
class TestAssets : public QObject {
    Q_OBJECT

    static std::string DefaultFile(const char* section, const std::string& key) {
        const auto value = profile::ValueIndex(basIniProc::DefaultIniText()).Find(section, key);
        return VESK_ASSET_FOLDER "/" + QString(section).toLower().toStdString() +
               QString::fromStdString(value).replace('\\', '/').toStdString();
    }

  private slots:
    // A card the game cannot read is blank on the table; no two are alike.
    void everyCardPictureIsThere() {
        std::vector<std::string> keys{"URA", "JOKER"};
        for (const char* suit : {"C_", "D_", "H_", "S_"}) {
            for (int n = 1; n <= 13; ++n) {
                keys.push_back(suit + QString::number(n).rightJustified(2, '0').toStdString());
            }
        }
        std::set<QByteArray> distinct;
        for (const std::string& key : keys) {
            const QImage card(QString::fromStdString(DefaultFile("CARD", key)));
            QVERIFY2(card.size() == QSize(250, 333), key.c_str());
            distinct.emplace(reinterpret_cast<const char*>(card.constBits()), card.sizeInBytes());
        }
        QCOMPARE(distinct.size(), std::size_t{54});
    }

    // A sound the game cannot find plays nothing; a silent or clipped one is no better.
    void everySoundIsThere() {
        for (const char* key : {"CARD", "COININ", "COINOUT", "HOLD", "BOO", "WIN0", "WIN1", "WIN2",
                                "BONUS", "FANFARE"}) {
            const std::string bytes = testsupport::ReadBytes(DefaultFile("SOUND", key));
            QVERIFY2(bytes.starts_with("RIFF") && bytes.size() > 2000, key);
            const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.data() + 44);
            const auto [low, high] =
                std::minmax_element(samples, samples + (bytes.size() - 44) / 2);
            QVERIFY2(*high > 3000 && *low > -32767 && *high < 32767, key);
        }
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
