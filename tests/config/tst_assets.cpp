#include "config/DefaultIni.h"
#include "config/ProfileText.h"
#include "support/Files.h"

#include <QImage>
#include <QtTest>

class TestAssets : public QObject {
    Q_OBJECT

  private slots:
    // Every picture and sound a first start's Poker.ini names is beside the built
    // program, or the player's cards are blank and the game silent.
    void everyDefaultFileIsThere() {
        const profile::ValueIndex defaults(basIniProc::DefaultIniText());
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
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
