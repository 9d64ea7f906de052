#include "platform/Events.h"

#include <utility>

namespace platform {
namespace {

EventsHook& Hook() {
    static EventsHook hook;
    return hook;
}

} // namespace

void DoEvents() {
    if (Hook()) {
        Hook()();
    }
}

void SetEventsHook(EventsHook hook) { Hook() = std::move(hook); }

} // namespace platform
