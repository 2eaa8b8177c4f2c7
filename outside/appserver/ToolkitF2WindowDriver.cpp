#include "outside/appserver/ToolkitF2WindowDriver.h"

#include <memory>

#include "outside/appserver/DateInputWindow.h"
#include "outside/appserver/F2LookupWindow.h"
#include "platform/forms/TApplication.h"

namespace appserver {

namespace {

// Frees a window however its modal run ended.
struct FreeWindow {
    void operator()(rt::TCustomForm* form) const { form->Free(); }
};

template <class Window>
using WindowPtr = std::unique_ptr<Window, FreeWindow>;

template <class Window, class Request, class... Rows>
WindowPtr<Window> OpenWindow(const Request& request, const Rows&... rows) {
    WindowPtr<Window> window(new Window(&rt::Application(), request, rows...));
    window->AfterConstruction();
    return window;
}

}  // namespace

TextRows ToolkitF2WindowDriver::ChooseRows(const F2Request& request, const TextRows& rows) {
    WindowPtr<TfrmF2Lookup> window = OpenWindow<TfrmF2Lookup>(request, rows);
    return window->ShowModal() == rt::mrOk ? window->ChosenRows() : TextRows{};
}

std::string ToolkitF2WindowDriver::ChooseDay(const InputDayRequest& request) {
    WindowPtr<TfrmInputDay> window = OpenWindow<TfrmInputDay>(request);
    return window->ShowModal() == rt::mrOk ? window->ChosenDay() : "";
}

void InstallToolkitF2WindowDriver() {
    if (!F2WindowDriver())
        SetF2WindowDriver(std::make_shared<ToolkitF2WindowDriver>());
}

}  // namespace appserver
