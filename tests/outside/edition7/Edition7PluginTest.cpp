// The built edition-7 plug-in, loaded as the shell loads it: what the edition
// leaves out is neither registered nor compiled in, and the report form it
// opens has none of it.

#include <cstdio>
#include <string>
#include <vector>

#include "platform/classes/ClassRegistry.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "tests/outside/host/PluginFixture.h"

namespace {

std::string Edition7Path() { return outside_test::BinFolder() + "/edition7/Hemr07C.so"; }

using Edition7Plugin = outside_test::PluginTestOf<Edition7Path>;

// The demangled names of every symbol the library defines, its own local ones too.
std::string SymbolTable(const std::string& library) {
    std::string names;
    std::FILE* pipe = ::popen(("nm -C --defined-only '" + library + "' 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return names;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) names.append(buffer, n);
    ::pclose(pipe);
    return names;
}

bool InheritsFromClassNamed(const rt::TObject* object, const std::string& name) {
    for (const rt::TMetaClass* c = object->ClassType(); c != nullptr; c = c->ClassParent())
        if (c->ClassName() == name) return true;
    return false;
}

rt::TCustomForm* ReportForm() {
    for (int i = 0; i < rt::Screen().FormCount(); ++i)
        if (rt::Screen().Forms(i)->Name() == "frmHemr07") return rt::Screen().Forms(i);
    return nullptr;
}

const std::vector<std::string> kLeftOutClasses = {"TfrmNVDialog", "TfrmNotify", "TfrmPortalUser",
                                                  "TNvEdit",      "TNvDBEdit",  "TNvBtnDBEdit"};

TEST_F(Edition7Plugin, LeavesOutTheCollaborationFormsAndCaptionEditsButRegistersTheGrid) {
    for (const std::string& name : kLeftOutClasses)
        EXPECT_EQ(rt::GetClass(name), nullptr) << name << " is not registered by edition 7";
    EXPECT_NE(rt::GetClass("TStringAlignGrid"), nullptr) << "the aligned string grid is built in";
}

TEST(Edition7Library, HoldsNoCodeOfWhatItLeavesOutWhileEdition9Does) {
    const std::string seven = SymbolTable(Edition7Path());
    const std::string nine = SymbolTable(outside_test::PluginPath());
    ASSERT_NE(seven.find("TStringAlignGrid"), std::string::npos) << "nm lists the library's own symbols";
    std::vector<std::string> leftOut = kLeftOutClasses;
    for (const char* handler : {"chkNotifyClick", "btnNotifyClick", "rbEveryHourClick", "edEveryHourKeyPress",
                                "btnWebDesignClick", "TWebReportAddress"})
        leftOut.push_back(handler);
    for (const std::string& name : leftOut) {
        EXPECT_EQ(seven.find(name), std::string::npos) << name << " is compiled into edition 7";
        EXPECT_NE(nine.find(name), std::string::npos) << name << " is compiled into edition 9";
    }
}

TEST_F(Edition7Plugin, TheReportFormHasNoHourlyCycleNotifyOrWebReportAndOnlyPlainEdits) {
    auto c = NewController();
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    rt::TCustomForm* form = ReportForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(c->GetVersion(), "870901") << "the version tells edition 7 from edition 9 (890901)";

    for (const char* name : {"rbEveryHour", "pnEveryHour", "edEveryHour", "chkNotify", "btnNotify", "btnWebDesign"})
        EXPECT_EQ(form->FindComponent(name), nullptr) << name << " is not on the edition-7 form";
    for (const char* handler : {"rbEveryHourClick", "chkNotifyClick", "btnNotifyClick", "btnWebDesignClick"})
        EXPECT_EQ(form->MethodAddress(handler), nullptr) << handler << " is not published";

    std::vector<std::string> cycles;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        const rt::TComponent* part = form->Components(i);
        EXPECT_FALSE(InheritsFromClassNamed(part, "TNvEdit")) << part->Name() << " is a plain edit";
        EXPECT_FALSE(InheritsFromClassNamed(part, "TStringAlignGrid")) << part->Name() << ": no form uses the grid";
        const auto* control = dynamic_cast<const rt::TControl*>(part);
        if (control != nullptr && control->Parent() != nullptr && control->Parent()->Name() == "gbCycleStyle" &&
            InheritsFromClassNamed(part, "TNvRadioButton"))
            cycles.push_back(control->GetText());
    }
    EXPECT_EQ(cycles, (std::vector<std::string>{"每天", "每周", "每月"})) << "the period page's cycles";
}

}  // namespace
