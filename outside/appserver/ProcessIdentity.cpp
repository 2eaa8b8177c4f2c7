#include "outside/appserver/ProcessIdentity.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/os/Files.h"

namespace appserver {

namespace {

// The process's start time in clock ticks since boot: field 22 of /proc/self/stat,
// counted after the command name, which may hold blanks and parentheses itself.
std::string StartTime() {
    std::string stat;
    if (!rt::ReadSmallFile("/proc/self/stat", stat, 4096))
        return "";
    size_t at = stat.rfind(')');
    for (int field = 2; at != std::string::npos && field < 22; ++field)
        at = stat.find(' ', at + 1);
    if (at == std::string::npos)
        return "";
    return stat.substr(at + 1, stat.find(' ', at + 1) - at - 1);
}

std::string BootId() {
    std::string id;
    rt::ReadSmallFile("/proc/sys/kernel/random/boot_id", id, 4096);
    while (!id.empty() && (id.back() == '\n' || id.back() == ' '))
        id.pop_back();
    return id;
}

}  // namespace

std::string ThisProcessIdentity() {
    // Kept per process: a child made by fork is another process.
    thread_local pid_t pid = 0;
    thread_local std::string identity;
    if (pid != ::getpid()) {
        pid = ::getpid();
        const char* given = std::getenv(kProcessIdentityVariable);
        identity = given && *given ? given : BootId() + ":" + std::to_string(pid) + ":" + StartTime();
    }
    return identity;
}

}  // namespace appserver
