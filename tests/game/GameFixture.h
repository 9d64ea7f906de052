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
#include "support/Columns.h"
#include "support/ScriptedCards.h"
#include "support/Snapshot.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <utility>

using testsupport::Card;
using testsupport::kJoker;
using Cards = QList<Card>;

Q_DECLARE_METATYPE(testsupport::Card)

inline constexpr Card C(int suit, int rank) {
    return Card{suit, rank};
}

// A hand written as rank and suit, left to right: "TS" the ten of spades, "JK" the joker.
inline Cards Hand(const QString& text) {
    Cards cards;
    for (const QString& card : text.split(' ')) {
        cards << (card == "JK" ? kJoker
                               : C(QString("CDHS").indexOf(card[1]) + 1,
                                   QString("A23456789TJQK").indexOf(card[0])));
    }
    return cards;
}

// Hands dealt one after another must not share a card, or the deal redraws.
inline const Cards kNothing{C(1, 1), C(2, 4), C(3, 8), C(4, 10), C(1, 12)};
inline const Cards kMissAgain{C(2, 6), C(3, 11), C(4, 3), C(2, 2), C(3, 0)};
inline const Cards kTwoPair{C(1, 1), C(2, 1), C(3, 4), C(4, 4), C(1, 8)};
inline const Cards kStraight{C(1, 2), C(2, 3), C(3, 4), C(4, 5), C(1, 6)};
// Player cards of a double-up clear of the usual dealer and picked cards.
inline const Cards kFillers{C(4, 10), C(4, 11), C(4, 1)};

// A game window per test row in a fresh folder; pauses and sounds go to the timeline,
// and each card picture is a pixel of its own colour, so Table() can name the cards.
class GameFixture : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        platform::SetProgramFolder(folder->path().toStdString());
        platform::ClearRandomScript();
        platform::SeedRandom(1); // the same draws whichever tests ran before
        platform::SetPauseHook([this](int ms) {
            timeline << "Pause " + QString::number(ms);
            if (onPause) {
                onPause(ms);
            }
        });
        platform::SetEventsHook([this] {
            if (form && form->Busy() && !Buttons().isEmpty()) {
                buttonsOnWhileBusy << Buttons();
            }
            if (onEvents) {
                onEvents();
            }
            QCoreApplication::processEvents();
        });
        basEffect::SetSoundObserver([this](const std::string& operation, const std::string& alias) {
            timeline << QString::fromStdString(operation + " " + alias);
        });
        Restart();
        MarkPictures();
        ClearRecords();
    }

    // No button may be pressed while a deal, a round or a payout lets events run.
    void cleanup() {
        const QStringList pressable = std::exchange(buttonsOnWhileBusy, {});
        onPause = nullptr;
        onEvents = nullptr;
        form.reset();
        basEffect::SetSoundObserver(nullptr);
        platform::SetPauseHook(nullptr);
        platform::SetEventsHook(nullptr);
        platform::ClearRandomScript();
        platform::SetProgramFolder("");
        folder.reset();
        QCOMPARE(pressable, QStringList{});
    }

  protected:
    // A start of the game in the test's folder, with the folder's own pictures.
    void Restart() {
        form.reset();
        timeline.clear();
        form = std::make_unique<frmPoker>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTRY_VERIFY(timeline.contains("SoundOpenAll "));
    }

    static int Status() { return basPokerProc::intGameStatus; }
    static QColor ForeColor(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
    static QColor BackColor(const QWidget* w) { return w->palette().color(QPalette::Window); }
    static QString Face(const Card& card) {
        return card.suit == 9 ? "joker" : QString("%1,%2").arg(card.suit).arg(card.rank);
    }
    static QStringList Faces(const Cards& cards) {
        QStringList faces;
        for (const Card& card : cards) {
            faces << Face(card);
        }
        return faces;
    }
    static QStringList Texts(std::initializer_list<const QLabel*> labels) {
        QStringList texts;
        for (const QLabel* label : labels) {
            texts << label->text();
        }
        return texts;
    }

    // The table as recorded, its message shown whatever its blink.
    void LooksAsRecorded(const QString& name = "table") {
        form->lblMsg->show();
        QCOMPARE_SNAPSHOT(name, form.get(), folder->path());
    }

    // The cards the next draws will deal, in order.
    static void Deal(const Cards& cards) { testsupport::ScriptCards({cards.begin(), cards.end()}); }

    // Only what the player can see can be clicked.
    void Click(QWidget* control) {
        QVERIFY(control->isVisible());
        QTest::mouseClick(control, Qt::LeftButton);
    }
    void Press(Qt::Key key, QWidget* target = nullptr) {
        QTest::keyClick(target != nullptr ? target : form.get(), key);
    }
    void Press(const QList<Qt::Key>& keys) {
        for (const Qt::Key key : keys) {
            Press(key);
        }
    }
    void HoldAll() { Press({Qt::Key_G, Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_L}); }

    void DealWithMaxBet(const Cards& hand) {
        Deal(hand);
        Click(form->cmdMaxBet);
    }

    // Bets `wager` coins, deals `hand`, holds all five and draws: the win is on offer.
    void ReachOffer(const Cards& hand, int wager = 10) {
        Deal(hand);
        Press(wager == 10 ? QList{Qt::Key_S} : QList<Qt::Key>(wager, Qt::Key_D) << Qt::Key_Return);
        HoldAll();
        Press(Qt::Key_Return);
        QCOMPARE(Status(), 2);
    }

    // A win on offer after a real draw at the wager bet so far (1 BET if none), the
    // win then set as a run of double-ups may have left it.
    void OfferWin(std::int32_t win) {
        if (form->lngWager == 0) {
            Press(Qt::Key_D);
        }
        Deal(kTwoPair);
        Press(Qt::Key_Return);
        HoldAll();
        Press(Qt::Key_Return);
        QCOMPARE(Status(), 2);
        form->lngWin = win;
    }

    // The cards on the table: "suit,rank", "back", "joker" or "" (empty).
    QStringList Table() const {
        QStringList cards;
        for (const CardImage* image : form->imgTable) {
            const QImage picture = image->Picture();
            const int serial =
                picture.isNull() ? 0 : static_cast<int>(picture.pixel(0, 0) & 0xffffffu);
            cards << (serial < 3 ? QStringList{"", "back", "joker"}[serial]
                                 : Face(C((serial - 3) / 13 + 1, (serial - 3) % 13)));
        }
        return cards;
    }

    QString State() const {
        return QString("state %1, win %2, coins %3")
            .arg(Status())
            .arg(form->lngWin)
            .arg(basIniProc::lngCoin);
    }

    // How often a sound was started the way the game starts all but the coin count's.
    int Heard(const QString& alias) const {
        return static_cast<int>(timeline.count("SoundPlayIfStopped " + alias));
    }
    void ClearRecords() { timeline.clear(); }

    // The captions of the enabled buttons, left to right.
    QString Buttons() const {
        QStringList enabled;
        for (const QPushButton* button : {form->cmdCollect, form->cmdHalf, form->cmdMaxBet,
                                          form->cmdOneBet, form->cmdRepBet, form->cmdDual}) {
            if (button->isEnabled()) {
                enabled << button->text();
            }
        }
        return enabled.join(", ");
    }

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<frmPoker> form;
    QStringList timeline;
    std::function<void(int ms)> onPause;
    std::function<void()> onEvents;
    QStringList buttonsOnWhileBusy;

  private:
    // 1 the back, 2 the joker, then clubs, diamonds, hearts and spades from the ace up.
    static void MarkPictures() {
        std::vector<QImage*> all{&basIniProc::picBack, &basIniProc::picJoker};
        for (auto* suit : {&basIniProc::picClub, &basIniProc::picDiamond, &basIniProc::picHeart,
                           &basIniProc::picSpade}) {
            for (QImage& face : *suit) {
                all.push_back(&face);
            }
        }
        for (std::size_t i = 0; i < all.size(); ++i) {
            *all[i] = QImage(1, 1, QImage::Format_RGB32);
            all[i]->setPixel(0, 0, 0xff000000u | static_cast<unsigned>(i + 1));
        }
    }
};
