// Start-up to the first painted game window, against a bare Qt window of the same
// size (bench_bare_window, which links Qt Widgets alone). Run without arguments: it
// starts itself as the game child and the bare window for each measurement in turn, and prints the
// medians, their ratio, the game's start-up split by phase, and the CPU the idle game takes. The
// clock starts when the child process is started; the assets are copied into the child's program
// folder before that. Without a display the children run on the offscreen platform; bash
// bench/under_xvfb.sh runs it on a private X server.

#include "BenchAssets.h"
#include "Offscreen.h"
#include "game/StartUp.h"
#include "game/frmPoker.h"
#include "platform/ProgramFolder.h"
#include "platform/QtPlatform.h"
#include "sound/basEffect.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <sys/resource.h>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 9;
constexpr int kSettleMs = 1000;
constexpr int kIdleMs = 3000;

// The steady clock is shared by every process, so the child's marks and the
// driver's start time can be subtracted.
long long Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

void Mark(const char* name) {
    std::printf("mark %s %lld\n", name, Now());
}

double CpuSeconds(int who = RUSAGE_SELF) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The CPU the game takes while nobody plays, once start-up work has settled.
void MeasureIdle() {
    QTimer::singleShot(kSettleMs, [] {
        const double before = CpuSeconds();
        QTimer::singleShot(kIdleMs, [before] {
            std::printf("idle %.4f\n", (CpuSeconds() - before) * 100.0 / (kIdleMs / 1000.0));
            QCoreApplication::exit(0);
        });
    });
}

// Marks what can be seen of the start-up from outside the game: the wait window
// coming and going, the sounds being opened (ended by the next event anywhere,
// which a zero timer guarantees), and the first paint of the window under test.
class StartupWatch : public QObject {
  public:
    QWidget* window = nullptr;

    void SoundsOpening() {
        Mark("sounds");
        soundsOpening_ = true;
        QTimer::singleShot(0, [] {});
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (soundsOpening_) {
            soundsOpening_ = false;
            Mark("sounds_done");
        }
        const bool waitWindow = watched->objectName() == "frmWait";
        if (waitWindow && event->type() == QEvent::Show) {
            Mark("wait_shown");
        } else if (waitWindow && event->type() == QEvent::Hide) {
            Mark("wait_hidden");
        } else if (watched == window && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            Mark("paint");
            // The work done to get there, by all threads and by the window thread
            // alone: less bound to the machine's load than the times.
            std::printf("cpu %.3f %.3f\n", CpuSeconds() * 1e3, CpuSeconds(RUSAGE_THREAD) * 1e3);
            MeasureIdle();
        }
        return false;
    }

  private:
    bool soundsOpening_ = false;
    bool painted_ = false;
};

// As the game's own main() starts.
int GameChild(int argc, char* argv[]) {
    Mark("main");
    platform::SetProgramFolder(argv[2]);
    QApplication app(argc, argv);
    Mark("qt");
    BeginStartUp();
    platform::InstallQtSeams();
    StartupWatch watch;
    app.installEventFilter(&watch);
    basEffect::SetSoundObserver([&watch](const std::string& operation, const std::string&) {
        if (operation == "SoundOpenAll") {
            watch.SoundsOpening();
        }
    });
    frmPoker window;
    watch.window = &window;
    window.show();
    const int status = QApplication::exec();
    std::fflush(stdout);
    basEffect::SetSoundObserver(nullptr);
    return status;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from the child's start to each of its marks, and its idle CPU.
struct Run {
    std::map<std::string, double> at;
    double idlePercent = 0;
    double cpuMs = 0;
    double windowThreadCpuMs = 0;

    double Span(const std::string& from, const std::string& to) const {
        return at.contains(from) && at.contains(to) ? at.at(to) - at.at(from) : 0;
    }
};

Run RunChild(const QString& program, const QStringList& arguments) {
    QProcess child;
    const long long started = Now();
    child.start(program, arguments);
    child.waitForFinished(60000);
    Run run;
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::printf("a child failed: %s\n", child.readAllStandardError().right(300).constData());
        return run;
    }
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.trimmed().split(' ');
        if (words.size() == 3 && words[0] == "mark") {
            run.at[words[1].toStdString()] = (words[2].toLongLong() - started) / 1e6;
        } else if (words.size() == 2 && words[0] == "idle") {
            run.idlePercent = words[1].toDouble();
        } else if (words.size() >= 2 && words[0] == "cpu") {
            run.cpuMs = words[1].toDouble();
            run.windowThreadCpuMs = words.size() > 2 ? words[2].toDouble() : 0;
        }
    }
    return run;
}

// The phases in the order they happen; the sounds are opened either before the
// window is shown or after its first paint, and are reported apart either way.
void PrintPhases(const std::vector<Run>& game, const std::vector<Run>& bare) {
    const auto median = [](const std::vector<Run>& runs, auto span) {
        std::vector<double> values;
        for (const Run& run : runs) {
            values.push_back(span(run));
        }
        return Median(values);
    };
    const auto row = [&](const char* phase, auto span) {
        std::printf("  %-38s %7.1f ms\n", phase, median(game, span));
    };
    const auto soundsBeforePaint = [](const Run& r) {
        return r.at.contains("sounds") && r.at.at("sounds") < r.at.at("paint")
                   ? r.Span("sounds", "sounds_done")
                   : 0.0;
    };
    std::printf("game start-up by phase (medians):\n");
    row("process start to main", [](const Run& r) { return r.at.at("main"); });
    row("Qt up", [](const Run& r) { return r.Span("main", "qt"); });
    row("widgets and Poker.ini, to wait window",
        [](const Run& r) { return r.Span("qt", "wait_shown"); });
    row("pictures (wait window shown)",
        [](const Run& r) { return r.Span("wait_shown", "wait_hidden"); });
    row("sounds before the first paint", soundsBeforePaint);
    row("rest to the first paint",
        [&](const Run& r) { return r.Span("wait_hidden", "paint") - soundsBeforePaint(r); });
    row("sounds after the first paint", [&](const Run& r) {
        return soundsBeforePaint(r) > 0 ? 0.0 : r.Span("sounds", "sounds_done");
    });
    row("CPU to the first paint, all threads", [](const Run& r) { return r.cpuMs; });
    row("CPU to the first paint, window thread", [](const Run& r) { return r.windowThreadCpuMs; });
    std::printf("bare window (medians):\n");
    std::printf("  %-38s %7.1f ms\n", "process start to main",
                median(bare, [](const Run& r) { return r.at.at("main"); }));
    std::printf("  %-38s %7.1f ms\n", "Qt up",
                median(bare, [](const Run& r) { return r.Span("main", "qt"); }));
    std::printf("  %-38s %7.1f ms\n", "CPU to the first paint",
                median(bare, [](const Run& r) { return r.cpuMs; }));
}

int Driver(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    OffscreenWithoutDisplay();
    const QString self = QCoreApplication::applicationFilePath();
    const QString bareWindow = QCoreApplication::applicationDirPath() + "/bench_bare_window";
    std::vector<Run> bare;
    std::vector<Run> game;
    RunChild(bareWindow, {}); // warms the file cache for both
    // An everyday start: the assets in place and Poker.ini written by the first run.
    QTemporaryDir folder;
    if (!CopyAssets(folder.path().toStdString())) {
        return 1;
    }
    const QStringList gameArguments{"--game", folder.path()};
    RunChild(self, gameArguments);
    int failed = 0;
    const auto keep = [&failed](std::vector<Run>& runs, Run run) {
        if (run.at.contains("main") && run.at.contains("paint")) {
            runs.push_back(std::move(run));
        } else {
            ++failed;
        }
    };
    for (int run = 0; run < kRuns; ++run) {
        keep(bare, RunChild(bareWindow, {}));
        keep(game, RunChild(self, gameArguments));
    }
    if (failed > 0 || game.empty() || bare.empty()) {
        std::printf("%d runs failed\n", failed);
    }
    if (game.empty() || bare.empty()) {
        return 1;
    }
    const auto paints = [](const std::vector<Run>& runs) {
        std::vector<double> values;
        for (const Run& run : runs) {
            values.push_back(run.at.contains("paint") ? run.at.at("paint") : 0);
        }
        return Median(values);
    };
    std::vector<double> idle;
    for (const Run& run : game) {
        idle.push_back(run.idlePercent);
    }
    std::printf("platform: %s, %d runs each\n",
                qEnvironmentVariable("QT_QPA_PLATFORM", "xcb").toUtf8().constData(), kRuns);
    std::printf("bare window to first paint: median %.1f ms\n", paints(bare));
    std::printf("game window to first paint: median %.1f ms\n", paints(game));
    std::printf("ratio game / bare: %.2f\n", paints(game) / paints(bare));
    PrintPhases(game, bare);
    std::printf("idle game: median %.2f %% of a core over %d s\n", Median(idle), kIdleMs / 1000);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 2 && std::string(argv[1]) == "--game") {
        return GameChild(argc, argv);
    }
    return Driver(argc, argv);
}
