// The pacing a player sees: scripted rounds (MAX BET on a full house, hold all,
// draw, COLLECT of 50 coins) at the default speed with the real pauses, every
// screen update of the cards, the result line and the PAID counter time-stamped
// when it is painted. Prints, per kind of pause, the mean step between two
// updates against the length the game asked for.
// Meant for a real X server: bash bench/under_xvfb.sh build-ci/bench/bench_pacing [rounds]

#include "BenchAssets.h"
#include "config/basIniProc.h"
#include "game/frmPoker.h"
#include "platform/ProgramFolder.h"
#include "platform/QtPlatform.h"
#include "support/ScriptedCards.h"

#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using testsupport::Card;

const std::vector<Card> kFullHouse{{1, 5}, {2, 5}, {3, 5}, {4, 9}, {1, 9}};

// The steps of one kind of pause: the time from one screen update to the next
// within a run, a run being one deal, one typed text or one count.
struct Steps {
    std::vector<double> ms;
    std::optional<Clock::time_point> last;

    void Restart() { last.reset(); }
    void Update(Clock::time_point now) {
        if (last) {
            ms.push_back(std::chrono::duration<double, std::milli>(now - *last).count());
        }
        last = now;
    }
};

// A paint that shows nothing new is no update.
class UpdateRecorder : public QObject {
  public:
    explicit UpdateRecorder(frmPoker& form) : form_(form) {}

    Steps card;
    Steps typing;
    Steps coin;
    bool dealing = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            Record(watched, Clock::now());
        }
        return false;
    }

  private:
    void Record(QObject* watched, Clock::time_point now) {
        if (auto* image = dynamic_cast<CardImage*>(watched)) {
            if (Changed(watched, image->Picture().cacheKey()) && dealing) {
                card.Update(now);
            }
        } else if (watched == form_.lblResult) {
            const qint64 before = shown_[watched];
            const qint64 length = form_.lblResult->text().size();
            if (Changed(watched, length)) {
                Continue(typing, length == before + 1 && before > 0, now);
            }
        } else if (watched == form_.lblPaid) {
            const qint64 before = shown_[watched];
            const qint64 paid = form_.lblPaid->text().toLongLong();
            if (Changed(watched, paid)) {
                Continue(coin, paid == before + 1 && before > 0, now);
            }
        }
    }

    bool Changed(QObject* watched, qint64 content) {
        const auto [at, added] = shown_.try_emplace(watched, content);
        if (!added && at->second == content) {
            return false;
        }
        at->second = content;
        return true;
    }

    static void Continue(Steps& steps, bool sameRun, Clock::time_point now) {
        if (!sameRun) {
            steps.Restart();
        }
        steps.Update(now);
    }

    frmPoker& form_;
    std::map<QObject*, qint64> shown_;
};

void PlayRound(frmPoker& form, UpdateRecorder& recorder) {
    testsupport::ScriptCards(kFullHouse);
    recorder.card.Restart();
    recorder.dealing = true;
    form.cmdMaxBet_Click();
    recorder.dealing = false;
    for (int i = 0; i < 5; ++i) {
        form.lblHold_Click(i);
    }
    form.cmdDual_Click();
    form.cmdCollect_Click();
}

void Report(const char* kind, const std::vector<double>& steps, double asked) {
    if (steps.empty()) {
        std::printf("%-7s no steps\n", kind);
        return;
    }
    double sum = 0;
    for (const double step : steps) {
        sum += step;
    }
    std::vector<double> sorted = steps;
    std::sort(sorted.begin(), sorted.end());
    const double mean = sum / static_cast<double>(steps.size());
    std::printf(
        "%-7s %5zu steps  asked %6.1f ms  mean %7.2f ms  median %7.2f ms  error %+5.1f %%\n", kind,
        steps.size(), asked, mean, sorted[sorted.size() / 2], (mean - asked) * 100.0 / asked);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    platform::InstallQtSeams();
    QTemporaryDir folder;
    if (!CopyAssets(folder.path().toStdString())) {
        return 1;
    }
    platform::SetProgramFolder(folder.path().toStdString());
    frmPoker form;
    form.show();
    QApplication::processEvents();
    UpdateRecorder recorder(form);
    app.installEventFilter(&recorder);
    PlayRound(form, recorder); // warms the caches; its steps are dropped
    recorder.card = recorder.typing = recorder.coin = Steps{};
    for (int round = 0; round < rounds; ++round) {
        PlayRound(form, recorder);
        QApplication::processEvents();
    }
    std::printf("%s, %d rounds at speed %d\n", QApplication::platformName().toUtf8().constData(),
                rounds, basIniProc::intGameSpeed);
    Report("card", recorder.card.ms, basIniProc::intGameSpeed);
    Report("typing", recorder.typing.ms, 10);
    Report("coin", recorder.coin.ms, basIniProc::intGameSpeed / 4.0);
    return 0;
}
