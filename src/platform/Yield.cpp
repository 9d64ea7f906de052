#include "platform/Yield.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

namespace platform {
namespace {

YieldHook& Hook() {
    static YieldHook hook;
    return hook;
}

// The waits under way, outermost first; each lives on the stack of its YieldFor.
std::vector<QEventLoop*>& Waiting() {
    static std::vector<QEventLoop*> loops;
    return loops;
}

} // namespace

void YieldFor(int ms) {
    if (Hook()) {
        Hook()(ms);
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(std::max(ms, 0), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    Waiting().push_back(&loop);
    loop.exec();
    Waiting().pop_back();
}

void EndYields() {
    for (QEventLoop* loop : Waiting()) {
        loop->quit();
    }
}

void SetYieldHook(YieldHook hook) {
    Hook() = std::move(hook);
}

} // namespace platform
