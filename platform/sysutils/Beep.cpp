#include "platform/sysutils/Beep.h"

#include <utility>

namespace rt {
namespace {
int beeps = 0;
std::function<void()>& Handler() {
    static std::function<void()> handler;
    return handler;
}
}  // namespace

void MessageBeep() {
    ++beeps;
    if (Handler()) Handler()();
}

int BeepCount() { return beeps; }

void SetBeepHandler(std::function<void()> handler) { Handler() = std::move(handler); }

}  // namespace rt
