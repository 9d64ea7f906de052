// The statistics screen's pace and idle cost, with the real waits and paints:
// 1. one fly-in across a 12000-twip screen (120 steps): wall time, and CPU per step;
// 2. the program's CPU time, in per cent of one core, over the rows' 26-tick rest
//    of three cycles (about 5.2 s each): over all of it, with the title's own
//    fly-ins, and over its stretches where nothing flies at all (the title between
//    its fly-in and its scatter).
// Runs offscreen unless a display is set, so under Xvfb it pays the X11 paints too.

#include "Offscreen.h"
#include "platform/QtPlatform.h"
#include "stats/frmDataView.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kCycles = 3;

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double WallSeconds() {
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

// CPU and wall time summed over the stretches between Start and Stop.
struct Meter {
    double cpu = 0;
    double wall = 0;
    double cpuStart = -1;
    double wallStart = 0;

    void Start() {
        if (cpuStart < 0) {
            cpuStart = CpuSeconds();
            wallStart = WallSeconds();
        }
    }
    void Stop() {
        if (cpuStart >= 0) {
            cpu += CpuSeconds() - cpuStart;
            wall += WallSeconds() - wallStart;
            cpuStart = -1;
        }
    }
    double Percent() const { return wall > 0 ? cpu / wall * 100.0 : 0; }
};

void FlyAcross(frmDataView& view) {
    view.tmrData->stop();
    view.tmrVeskPoker->stop();
    QLabel* label = view.lblTitle[0];
    view.twips.SetLeft(label, 0);
    view.twips.SetTop(label, 0);
    const double cpu = CpuSeconds();
    const double wall = WallSeconds();
    view.FlyTo(label, 12000, 0, Qt::green);
    std::printf("one flight across 12000 twips: %.0f ms, %.0f us of CPU a step\n",
                (WallSeconds() - wall) * 1000, (CpuSeconds() - cpu) * 1e6 / 120);
}

bool Resting(const frmDataView& view) {
    return view.intDataStep >= 75 && view.intDataStep < 100;
}

// The title's letters are all in place from step 11 to 100 of its cycle.
bool TitleStill(const frmDataView& view) {
    return view.intTitleStep > 10 && view.intTitleStep <= 100;
}

void MeasureRests(frmDataView& view) {
    Meter rest;
    Meter still;
    int rests = 0;
    QEventLoop loop;
    auto look = [&] {
        Resting(view) ? rest.Start() : rest.Stop();
        Resting(view) && TitleStill(view) ? still.Start() : still.Stop();
    };
    QObject::connect(view.tmrVeskPoker, &QTimer::timeout, &loop, look);
    QObject::connect(view.tmrData, &QTimer::timeout, &loop, [&] {
        look();
        if (view.intDataStep == 100 && ++rests == kCycles) {
            loop.quit();
        }
    });
    view.Form_Activate();
    loop.exec();
    std::printf("%d rests: %.1f s, CPU %.2f %% of one core\n", kCycles, rest.wall, rest.Percent());
    std::printf("  of which nothing flies: %.1f s, CPU %.2f %% of one core\n", still.wall,
                still.Percent());
}

} // namespace

int main(int argc, char* argv[]) {
    OffscreenWithoutDisplay();
    QApplication app(argc, argv);
    platform::InstallQtSeams();
    QWidget owner;
    owner.resize(platform::TwipsToPixels(12000), platform::TwipsToPixels(9000));
    frmDataView view(&owner);
    view.show();
    QApplication::processEvents();
    FlyAcross(view);
    MeasureRests(view);
    return 0;
}
