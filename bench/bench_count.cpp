// The payout count's own cost per coin, beyond the pauses it asks for: 2,000 coins
// at speed 4, where a pause is 1 ms (0 ms from the 500th to the 999th coin).
// First with the pauses only recorded (the count's code, its sounds, its labels and
// the event pass per coin), then with the real pause that paints and sleeps, whose
// CPU time per coin is the count's cost whatever the pauses hide of it.

#include "Offscreen.h"
#include "config/basIniProc.h"
#include "game/frmPoker.h"
#include "platform/Pause.h"
#include "platform/ProgramFolder.h"
#include "platform/QtPlatform.h"
#include "rules/basPokerProc.h"
#include "sound/basEffect.h"

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::int32_t kCoins = 2000;
constexpr std::int16_t kSpeed = 4;

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double CountOnce(frmPoker& form) {
    basPokerProc::intGameStatus = 2;
    form.lngWager = 10;
    form.lngWin = kCoins;
    form.lngPaid = 0;
    const Clock::time_point start = Clock::now();
    form.cmdCollect_Click();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[]) {
    OffscreenWithoutDisplay();
    QApplication app(argc, argv);
    platform::InstallQtSeams();
    QTemporaryDir folder;
    platform::SetProgramFolder(folder.path().toStdString());
    frmPoker form;
    // The sounds open after the window's first paint; the count starts once they have.
    bool soundsOpen = false;
    basEffect::SetSoundObserver([&soundsOpen](const std::string& operation, const std::string&) {
        soundsOpen = soundsOpen || operation == "SoundOpenAll";
    });
    form.show();
    while (!soundsOpen) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    basEffect::SetSoundObserver(nullptr);
    basIniProc::intGameSpeed = kSpeed;

    long long askedMs = 0;
    platform::SetPauseHook([&askedMs](int ms) { askedMs += ms; });
    const double recordedMs = CountOnce(form);
    const long long pausesMs = askedMs;

    platform::InstallQtSeams();
    const double cpuBefore = CpuMs();
    const double realMs = CountOnce(form);
    const double cpuMs = CpuMs() - cpuBefore;

    std::printf("%d coins at speed %d: pauses asked %lld ms\n", kCoins, kSpeed, pausesMs);
    std::printf("pauses recorded: %.1f ms in all, %.1f us per coin\n", recordedMs,
                recordedMs * 1000.0 / kCoins);
    std::printf("real pauses:     %.1f ms in all, %.1f us per coin beyond the pauses\n", realMs,
                (realMs - static_cast<double>(pausesMs)) * 1000.0 / kCoins);
    std::printf("real pauses' CPU: %.1f us per coin\n", cpuMs * 1000.0 / kCoins);
    return 0;
}
