#include "outside/appserver/F2WindowDriver.h"

#include <mutex>

namespace appserver {

namespace {

std::mutex& DriverLock() {
    static std::mutex lock;
    return lock;
}

std::shared_ptr<IF2WindowDriver>& Driver() {
    static std::shared_ptr<IF2WindowDriver> driver;
    return driver;
}

}  // namespace

std::shared_ptr<IF2WindowDriver> SetF2WindowDriver(std::shared_ptr<IF2WindowDriver> driver) {
    std::lock_guard<std::mutex> hold(DriverLock());
    std::swap(Driver(), driver);
    return driver;
}

std::shared_ptr<IF2WindowDriver> F2WindowDriver() {
    std::lock_guard<std::mutex> hold(DriverLock());
    return Driver();
}

}  // namespace appserver
