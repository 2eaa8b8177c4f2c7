#pragma once
// The browser automation object ("InternetExplorer.Application") the web
// report opens its address in. The window properties are kept as set;
// Navigate opens the address with the platform launcher ("open" verb), and
// raises when the launcher fails so that the caller can fall back.
//
//   Visible, left, top, height, width, menubar, addressbar, toolbar   properties
//   Navigate(address)   LocationURL   the last address navigated to
//   History             every request in order, a zero-based array of texts
//                       "name=value" for property writes, "Navigate=address"
// When the variable HEMR_BROWSER_LOG names a file, each request is appended
// to it as one line as well, so that a host can show what the browser was asked.

#include <string>
#include <vector>

#include "platform/automation/Dispatch.h"

namespace browser {

inline constexpr const char* kBrowserProgId = "InternetExplorer.Application";

class TBrowserApplication : public rt::TAutoObject {
public:
    TBrowserApplication();
    std::string DispatchName() const override { return kBrowserProgId; }

    const std::vector<std::string>& History() const { return history_; }

private:
    void DefineWindowProperty(const std::string& name, rt::Variant initial);
    void Navigate(const std::string& address);
    void Note(const std::string& request);

    std::vector<rt::Variant> properties_;  // by definition order of the window properties
    std::string location_;
    std::vector<std::string> history_;
};

}  // namespace browser
