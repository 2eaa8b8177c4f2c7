#include "outside/browser/BrowserApplication.h"

#include <cstdlib>

#include "platform/core/Exceptions.h"
#include "platform/os/Files.h"
#include "platform/os/Launcher.h"
#include "platform/sysutils/StrUtils.h"

namespace browser {

namespace {

// Not an automation error itself, so callers receive it as EOleException
// from this object, as from any automation server.
using rt::Exception;
RT_DECLARE_EXCEPTION(EBrowserError, Exception)

std::string RequestValue(const rt::Variant& value) {
    const rt::Variant& v = value.Deref();
    if (v.IsBoolean())
        return v.ToBool() ? "True" : "False";
    if (v.IsArray() || v.IsDispatch())
        throw EBrowserError("A browser property takes a plain value, not " + v.TypeName());
    return rt::VarToStr(v);
}

}  // namespace

TBrowserApplication::TBrowserApplication() {
    DefineWindowProperty("Visible", false);
    for (const char* name : {"left", "top", "height", "width"})
        DefineWindowProperty(name, 0);
    for (const char* name : {"menubar", "addressbar", "toolbar"})
        DefineWindowProperty(name, 1);
    DefineMethod("Navigate", [this](rt::DispatchArgs& a) {
        a.Require(1, 5);  // the further arguments (flags, frame, post data, headers) are not used
        Navigate(rt::Trim(rt::VarToStr(a[0].Deref())));
        return rt::Variant();
    });
    DefineProperty("LocationURL", [this](rt::DispatchArgs&) { return rt::Variant(location_); });
    DefineProperty("History", [this](rt::DispatchArgs&) {
        std::vector<rt::Variant> items(history_.begin(), history_.end());
        return rt::Variant::ArrayOf(items);
    });
    DefineMethod("Quit", [this](rt::DispatchArgs&) {
        Note("Quit");
        return rt::Variant();
    });
}

void TBrowserApplication::DefineWindowProperty(const std::string& name, rt::Variant initial) {
    size_t slot = properties_.size();
    properties_.push_back(std::move(initial));
    DefineProperty(
        name, [this, slot](rt::DispatchArgs&) { return properties_[slot]; },
        [this, slot, name](rt::DispatchArgs&, const rt::Variant& value) {
            std::string text = RequestValue(value);
            properties_[slot] = value.Deref();
            Note(name + "=" + text);
        });
}

void TBrowserApplication::Navigate(const std::string& address) {
    if (address.empty())
        throw EBrowserError("Navigate needs an address");
    Note("Navigate=" + address);
    int launched = rt::ShellExecute("open", address, "", "", rt::SW_SHOWNORMAL);
    if (launched <= 32)
        throw EBrowserError("Cannot open " + address + " (" + std::to_string(launched) + ")");
    location_ = address;
}

void TBrowserApplication::Note(const std::string& request) {
    history_.push_back(request);
    if (const char* log = std::getenv("HEMR_BROWSER_LOG"); log && *log)
        rt::AppendLineToFile(log, request);
}

}  // namespace browser
