#include "GameFixture.h"

#include <QtTest>

// The payout counted coin by coin, heard through the pause and sound seams. Each
// step of the count is a pause followed by the sounds before the next pause; runs
// of equal steps are compared as (step, how many).
namespace {

using Steps = QList<QPair<QString, int>>;

Steps CountSteps(const std::vector<std::string>& timeline) {
    Steps steps;
    QString step;
    auto close = [&] {
        if (step.isEmpty()) {
            return;
        }
        if (!steps.isEmpty() && steps.back().first == step) {
            ++steps.back().second;
        } else {
            steps.append({step, 1});
        }
    };
    for (const std::string& entry : timeline) {
        const QString text = QString::fromStdString(entry);
        if (text.startsWith("Pause ")) {
            close();
            step = text.mid(6);
        } else if (!step.isEmpty()) {
            step += " " + text;
        }
    }
    close();
    return steps;
}

const QString kCoin = " SoundPlay COINOUT";
const QString kFanfare = " SoundPlayIfStopped FANFARE";
const QString kStop = " SoundStop FANFARE";

} // namespace

class TestGameCount : public QObject {
    Q_OBJECT

  private slots:
    void payoutIsCountedCoinByCoin_data();
    void payoutIsCountedCoinByCoin();
};

void TestGameCount::payoutIsCountedCoinByCoin_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("payout");
    QTest::addColumn<Steps>("steps");

    QTest::newRow("0 coins") << 200 << 0 << Steps{{"50", 1}};
    QTest::newRow("1 coin") << 200 << 1 << Steps{{"50", 1}};
    QTest::newRow("59 coins") << 200 << 59 << Steps{{"50" + kCoin, 58}, {"50", 1}};
    QTest::newRow("60 coins") << 200 << 60 << Steps{{"50" + kFanfare, 59}, {"50" + kStop, 1}};
    QTest::newRow("1200 coins") << 200 << 1200
                                << Steps{{"50" + kFanfare, 500},
                                         {"10" + kFanfare, 500},
                                         {"1" + kFanfare, 199},
                                         {"1" + kStop, 1}};
    QTest::newRow("1 coin, speed 10") << 10 << 1 << Steps{{"2", 1}};
    QTest::newRow("59 coins, speed 10") << 10 << 59 << Steps{{"2" + kCoin, 58}, {"2", 1}};
    QTest::newRow("60 coins, speed 10")
        << 10 << 60 << Steps{{"2" + kFanfare, 59}, {"2" + kStop, 1}};
    QTest::newRow("1200 coins, speed 10") << 10 << 1200
                                          << Steps{{"2" + kFanfare, 500},
                                                   {"0" + kFanfare, 500},
                                                   {"1" + kFanfare, 199},
                                                   {"1" + kStop, 1}};
    QTest::newRow("1200 coins, speed 30, halves round up to even") << 30 << 1200
                                                                   << Steps{{"8" + kFanfare, 500},
                                                                            {"2" + kFanfare, 500},
                                                                            {"1" + kFanfare, 199},
                                                                            {"1" + kStop, 1}};
}

void TestGameCount::payoutIsCountedCoinByCoin() {
    QFETCH(int, speed);
    QFETCH(int, payout);
    QFETCH(Steps, steps);
    GameFixture game;
    frmPoker& form = *game.form;
    basIniProc::intGameSpeed = static_cast<std::int16_t>(speed);
    basPokerProc::intGameStatus = 2;
    form.lngWager = 10;
    form.lngWin = payout;
    form.SetButtons(3);
    const QString creditsBefore = GameFixture::Text(form.lblCredits);
    QStringList creditsDuringCount;
    game.onPause = [&](int) { creditsDuringCount.append(GameFixture::Text(form.lblCredits)); };
    game.ClearRecords();

    game.Click(form.cmdCollect);

    QCOMPARE(CountSteps(game.timeline), steps);
    QCOMPARE(creditsDuringCount, QStringList(creditsDuringCount.size(), creditsBefore));
    QCOMPARE(GameFixture::Text(form.lblPaid), QString::number(payout));
    QCOMPARE(GameFixture::Text(form.lblWin), QString::number(payout));
    QCOMPARE(GameFixture::Text(form.lblCredits), QString::number(50 + payout));
}

QTEST_MAIN(TestGameCount)
#include "tst_game_count.moc"
