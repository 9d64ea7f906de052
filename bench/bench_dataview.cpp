// The statistics screen's pace and idle cost, with the real waits and paints:
// 1. one fly-in across a 12000-twip screen (120 steps), in wall time;
// 2. the program's CPU time over the rows' 26-tick rest (about 5.2 s), in per cent
//    of one core, while the title goes on with its own cycle.
// Runs offscreen unless a display is set, so under Xvfb it pays the X11 paints too.

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

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double FlightAcrossMs(frmDataView& view) {
    view.tmrData->stop();
    view.tmrVeskPoker->stop();
    QLabel* label = view.lblTitle[0];
    view.twips.SetLeft(label, 0);
    view.twips.SetTop(label, 0);
    const Clock::time_point start = Clock::now();
    view.FlyTo(label, 12000, 0, Qt::green);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Runs the screen from its opening until the rows' rest has passed.
void MeasureRest(frmDataView& view, double& cpuPercent, double& wallSeconds) {
    double cpuStart = 0;
    Clock::time_point wallStart;
    QEventLoop loop;
    QObject::connect(view.tmrData, &QTimer::timeout, &loop, [&] {
        if (view.intDataStep == 75 && cpuStart == 0) {
            cpuStart = CpuSeconds();
            wallStart = Clock::now();
        } else if (view.intDataStep == 100 && cpuStart > 0) {
            wallSeconds = std::chrono::duration<double>(Clock::now() - wallStart).count();
            cpuPercent = (CpuSeconds() - cpuStart) / wallSeconds * 100.0;
            loop.quit();
        }
    });
    view.Form_Activate();
    loop.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    platform::InstallQtSeams();
    QWidget owner;
    owner.resize(platform::TwipsToPixels(12000), platform::TwipsToPixels(9000));
    frmDataView view(&owner);
    view.show();
    QApplication::processEvents();

    const double flightMs = FlightAcrossMs(view);
    double cpuPercent = 0;
    double wallSeconds = 0;
    MeasureRest(view, cpuPercent, wallSeconds);

    std::printf("one flight across 12000 twips: %.0f ms\n", flightMs);
    std::printf("rest of the rows: %.2f s, CPU %.2f %% of one core\n", wallSeconds, cpuPercent);
    return 0;
}
