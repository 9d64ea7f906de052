#include "config/DefaultIni.h"
#include "config/ProfileText.h"
#include "support/Files.h"

#include <QImage>
#include <QtTest>
#include <set>

class TestAssets : public QObject {
    Q_OBJECT

  private slots:
    // Every picture and sound a first start's Poker.ini names is beside the built
    // program: a card that cannot be read is blank on the table, and no two cards
    // are alike; a sound that cannot be found, or is silent, plays nothing.
    void everyDefaultFileIsThere() {
        const profile::ValueIndex defaults(basIniProc::DefaultIniText());
        const auto path = [&](const char* section, const std::string& key) {
            const std::string name = defaults.Find(section, key).substr(1);
            return VESK_ASSET_FOLDER "/" + QString(section).toLower() + "/" + name.c_str();
        };
        QStringList keys{"URA", "JOKER"};
        for (const char* suit : {"C_%1", "D_%1", "H_%1", "S_%1"}) {
            for (int n = 1; n <= 13; ++n) {
                keys << QString(suit).arg(n, 2, 10, QChar('0'));
            }
        }
        std::set<QByteArray> cards;
        for (const QString& key : keys) {
            const QImage card(path("CARD", key.toStdString()));
            QVERIFY2(card.size() == QSize(250, 333), qPrintable(key));
            cards.emplace(reinterpret_cast<const char*>(card.constBits()), card.sizeInBytes());
        }
        QCOMPARE(cards.size(), std::size_t{54});
        for (const char* key : {"CARD", "COININ", "COINOUT", "HOLD", "BOO", "WIN0", "WIN1", "WIN2",
                                "BONUS", "FANFARE"}) {
            const std::string bytes = testsupport::ReadBytes(path("SOUND", key).toStdString());
            const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.data() + 44);
            QVERIFY2(bytes.starts_with("RIFF") && bytes.size() > 2000, key);
            QVERIFY2(*std::max_element(samples, samples + (bytes.size() - 44) / 2) > 3000, key);
        }
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
