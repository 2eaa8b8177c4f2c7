#pragma once
// Condition schemes against the application server's own objects, in-process
// on a server folder of the test's own: what a form saves is read back from
// the store as the server keeps it.

#include <string>

#include "outside/appserver/ServerObjects.h"
#include "platform/automation/ComObj.h"
#include "platform/comctrls/TListItem.h"
#include "platform/comctrls/TListItems.h"
#include "platform/comctrls/TListView.h"
#include "platform/forms/TInputInjector.h"

namespace hemr_test {

// Registers the real report-counter and session objects over whatever the fixture registered before.
class TSchemeServer {
public:
    explicit TSchemeServer(const std::string& home) { appserver::RegisterServerObjects(home); }
    ~TSchemeServer() { appserver::UnregisterServerObjects(); }
    TSchemeServer(const TSchemeServer&) = delete;
    TSchemeServer& operator=(const TSchemeServer&) = delete;

    rt::Variant Session() const { return rt::CreateOleObject(appserver::kSessionProgId); }

    // The user's schemes of the program as the store holds them: rows of
    // [name, creator, program, date, property list, values].
    rt::Variant Schemes(const std::string& user = "796", const std::string& program = "HEMR07") const {
        rt::Variant counter = rt::CreateOleObject(appserver::kReportCounterProgId);
        counter.Call("LoadTable", {rt::Variant::ArrayOf({user, program})});
        return counter.Call("AS_GetRecords", {"pvdConSave"})[1];
    }
    // Stores a scheme directly, as another form (or another session) would.
    std::string Insert(const std::string& name, const std::string& properties, const std::string& values,
                       const std::string& program = "HEMR07") const {
        rt::Variant counter = rt::CreateOleObject(appserver::kReportCounterProgId);
        return rt::VarToStr(counter.Call(
            "InsertConTable", {rt::Variant::ArrayOf({name, "796", "20240301", program, properties, values, false})}));
    }
    std::string Delete(const std::string& name) const {
        rt::Variant counter = rt::CreateOleObject(appserver::kReportCounterProgId);
        return rt::VarToStr(counter.Call("DeleteConTable", {rt::Variant::ArrayOf({name, "796", "HEMR07"})}));
    }
};

// Item `index` of `list` clicked as a user clicks it.
inline void ClickListItem(rt::TListView& list, int index) {
    const rt::TRect r = list.ItemRect(index);
    rt::Input().ClickAt(&list, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
}

inline void DoubleClickListItem(rt::TListView& list, int index) {
    const rt::TRect r = list.ItemRect(index);
    rt::Input().DoubleClick(&list, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
}

inline std::vector<std::string> Captions(const rt::TListView& list) {
    std::vector<std::string> captions;
    for (int i = 0; i < list.Items()->Count(); ++i) captions.push_back(list.Items()->Item(i)->Caption());
    return captions;
}

}  // namespace hemr_test
