#pragma once

#include "config/CardPictures.h"
#include "config/basIniProc.h"
#include "game/frmPoker.h"
#include "platform/Events.h"
#include "platform/Pause.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "rules/basPokerProc.h"
#include "sound/basEffect.h"
#include "support/ScriptedCards.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One game window in a fresh program folder, with its pauses recorded instead of
// slept and every sound call heard. Create one per test function:
//
//     GameFixture game;
//     game.Cards({{1, 0}, {1, 12}, ...});
//     game.Click(game.form->cmdMaxBet);
//     QCOMPARE(game.Text(game.form->lblResult), "TWO PAIR");
//
// The timeline holds "Pause <ms>" and "<operation> <alias>" entries in the order
// they happened. The card pictures are replaced by distinct one-pixel images, so a
// card on the table can be told by its picture (PictureOf).
class GameFixture {
  public:
    GameFixture() {
        platform::SetProgramFolder(folder.path().toStdString());
        platform::ClearRandomScript();
        platform::SetPauseHook([this](int ms) {
            pauses.push_back(ms);
            timeline.push_back("Pause " + std::to_string(ms));
            if (onPause) {
                onPause(ms);
            }
        });
        platform::SetEventsHook([this] {
            if (onEvents) {
                onEvents();
            }
            QCoreApplication::processEvents();
        });
        basEffect::SetSoundObserver([this](const std::string& operation, const std::string& alias) {
            sounds.push_back(operation + " " + alias);
            timeline.push_back(operation + " " + alias);
        });
        form = std::make_unique<frmPoker>();
        MarkPictures();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        ClearRecords();
    }

    ~GameFixture() {
        onPause = nullptr;
        onEvents = nullptr;
        form.reset();
        basEffect::SetSoundObserver(nullptr);
        platform::SetPauseHook(nullptr);
        platform::SetEventsHook(nullptr);
        platform::ClearRandomScript();
        platform::SetProgramFolder("");
    }

    GameFixture(const GameFixture&) = delete;
    GameFixture& operator=(const GameFixture&) = delete;

    // The cards the next draws will deal, in order. They must differ from every card
    // on the table or thrown away, or the deal redraws and the script slips.
    static void Cards(const std::vector<testsupport::Card>& cards) {
        testsupport::ScriptCards(cards);
    }

    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void Press(Qt::Key key, QWidget* target = nullptr) {
        QTest::keyClick(target != nullptr ? target : form.get(), key);
    }

    static QString Text(const QLabel* label) { return label->text(); }
    static int Status() { return basPokerProc::intGameStatus; }

    // Deals a hand of five with MAX BET and shows it; the game is then in state 1.
    void DealWithMaxBet(const std::vector<testsupport::Card>& hand) {
        Cards(hand);
        Click(form->cmdMaxBet);
    }

    // The card a picture stands for, as "suit,rank", "back", "joker" or "" (empty).
    static std::string PictureOf(const QImage& picture) {
        if (picture.isNull()) {
            return "";
        }
        if (picture.cacheKey() == basIniProc::picBack.cacheKey()) {
            return "back";
        }
        if (picture.cacheKey() == basIniProc::picJoker.cacheKey()) {
            return "joker";
        }
        const std::array<std::array<QImage, 13>*, 4> suits{
            &basIniProc::picClub, &basIniProc::picDiamond, &basIniProc::picHeart,
            &basIniProc::picSpade};
        for (std::size_t suit = 0; suit < suits.size(); ++suit) {
            for (std::size_t rank = 0; rank < 13; ++rank) {
                if ((*suits[suit])[rank].cacheKey() == picture.cacheKey()) {
                    return std::to_string(suit + 1) + "," + std::to_string(rank);
                }
            }
        }
        return "?";
    }

    std::string TableCard(int index) const {
        return PictureOf(form->imgTable.at(static_cast<std::size_t>(index))->Picture());
    }

    void ClearRecords() {
        pauses.clear();
        sounds.clear();
        timeline.clear();
    }

    QTemporaryDir folder;
    std::unique_ptr<frmPoker> form;
    std::vector<int> pauses;
    std::vector<std::string> sounds;
    std::vector<std::string> timeline;
    std::function<void(int ms)> onPause;
    std::function<void()> onEvents;

  private:
    static QImage Marked(int serial) {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setPixel(0, 0, static_cast<QRgb>(0xff000000u | static_cast<unsigned>(serial)));
        return image;
    }

    static void MarkPictures() {
        int serial = 1;
        basIniProc::picBack = Marked(serial++);
        basIniProc::picJoker = Marked(serial++);
        for (auto* suit : {&basIniProc::picClub, &basIniProc::picDiamond, &basIniProc::picHeart,
                           &basIniProc::picSpade}) {
            for (QImage& face : *suit) {
                face = Marked(serial++);
            }
        }
    }
};
