#include "platform/QuitSignals.h"

#include <QSocketNotifier>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {

// The handler's one way out: a byte down a pipe that the event loop watches.
int quitPipe[2] = {-1, -1};

void OnQuitSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(quitPipe[1], &byte, 1);
    errno = saved;
}

void DrainQuitPipe() {
    char bytes[64];
    while (::read(quitPipe[0], bytes, sizeof bytes) > 0) {
    }
}

} // namespace

void CatchQuitSignals() {
    if (quitPipe[0] >= 0 || ::pipe2(quitPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

// The notifier sees a byte already waiting at the first turn of the event loop.
void CloseOnQuitSignals(QWidget& window) {
    CatchQuitSignals();
    if (quitPipe[0] < 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        DrainQuitPipe();
        window.close();
    });
}

// The byte stays in the pipe for the event loop, so every later sleep ends at once
// too, until the loop has closed the window.
bool SleepUnlessQuit(std::chrono::steady_clock::time_point until) {
    if (quitPipe[0] < 0) {
        std::this_thread::sleep_until(until);
        return false;
    }
    pollfd quit{quitPipe[0], POLLIN, 0};
    for (;;) {
        const auto left = until - std::chrono::steady_clock::now();
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        const timespec wait{static_cast<time_t>(std::max<long long>(ns, 0) / 1'000'000'000),
                            static_cast<long>(std::max<long long>(ns, 0) % 1'000'000'000)};
        const int ready = ::ppoll(&quit, 1, &wait, nullptr);
        if (ready > 0) {
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

} // namespace platform
