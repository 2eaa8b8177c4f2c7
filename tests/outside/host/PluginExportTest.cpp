#include <cstdio>
#include <string>
#include <vector>

#include "platform/classes/TypInfo.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "tests/outside/host/PluginFixture.h"

namespace {

using outside_test::PluginTest;

// Mangled prefixes of the runtime's inline entities, which the plug-in shares with the runtime.
bool IsRuntimeShared(const std::string& symbol) {
    for (const char* prefix : {"_ZN2rt", "_ZZN2rt", "_ZGVZN2rt", "_ZGVN2rt", "_ZTIN2rt", "_ZTSN2rt", "_ZTVN2rt"})
        if (symbol.rfind(prefix, 0) == 0) return true;
    return false;
}

std::vector<std::string> DefinedDynamicSymbols(const std::string& library) {
    std::vector<std::string> symbols;
    const std::string command = "nm -D --defined-only '" + library + "' 2>/dev/null";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return symbols;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        const size_t space = text.rfind(' ');
        if (space != std::string::npos) symbols.push_back(text.substr(space + 1));
    }
    ::pclose(pipe);
    return symbols;
}

rt::TCustomForm* FormNamed(const std::string& name) {
    for (int i = 0; i < rt::Screen().FormCount(); ++i)
        if (rt::Screen().Forms(i)->Name() == name) return rt::Screen().Forms(i);
    return nullptr;
}

TEST(PluginExport, TheOnlyOwnSymbolIsGetController) {
    const std::vector<std::string> symbols = DefinedDynamicSymbols(outside_test::PluginPath());
    ASSERT_FALSE(symbols.empty()) << "nm lists the plug-in's dynamic symbols";
    int getController = 0;
    for (const std::string& s : symbols) {
        if (s == "GetController") {
            ++getController;
            continue;
        }
        EXPECT_TRUE(IsRuntimeShared(s)) << s << " is exported although it is the module's own";
    }
    EXPECT_EQ(getController, 1);
}

TEST_F(PluginTest, TwoCallsGiveTwoControllersThatAnswerWithoutAForm) {
    auto a = NewController();
    auto b = NewController();
    EXPECT_NE(a.get(), b.get());
    EXPECT_EQ(a->GetVersion(), "");
    EXPECT_EQ(a->GetVisible(), hemr::LongFalse);
    EXPECT_EQ(a->GetHandle(), 0);
    EXPECT_TRUE(a->ShowModal().SameAs(rt::Variant(2)));
    rt::Variant info(7);
    EXPECT_EQ(a->GetProgramInfo(info), -1);
    EXPECT_TRUE(info.SameAs(rt::Variant(7)));
    EXPECT_EQ(a->ApplyParams(DefaultParams()), -1);
    EXPECT_EQ(a->HostMessage(5, 0, "x"), -1);
    EXPECT_TRUE(a->IsFormFreed());
    a->FreeForm();
    a->SetVisible(-1);
    EXPECT_TRUE(log.codes.empty());
}

TEST_F(PluginTest, TheReportFormOpensOnTheEmbeddedServerAndTakesHostMessages) {
    auto c = NewController();
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    rt::TCustomForm* form = FormNamed("frmHemr07");
    ASSERT_NE(form, nullptr) << "the plug-in's form is on the shared screen";
    EXPECT_EQ(c->GetVersion(), "890901");
    EXPECT_EQ(rt::GetStrProp(form, "Name"), "frmHemr07");
    EXPECT_EQ(c->HostMessage(7, 0, "seven"), -1);
    EXPECT_EQ(c->HostMessage(5, 0, "five"), 0);
    EXPECT_EQ(c->HostMessage(9, 0, 9), 0);
    EXPECT_EQ(c->ApplyParams(rt::Variant::Null()), -1);
    EXPECT_EQ(c->ApplyParams(rt::Variant("no array")), -1);
    EXPECT_EQ(c->ApplyParams(rt::Variant::ArrayOf({1, "second"})), 0);
    rt::Variant info;
    ASSERT_EQ(c->GetProgramInfo(info), 0);
    EXPECT_EQ(info[2].ToString(), "HEMR07") << "the program code comes from Hemr07C.so";
    EXPECT_EQ(info[3].ToString(), "员工年龄分布表") << "the name comes from the server's program catalogue";
}

TEST_F(PluginTest, EscapeInTheModalLoopGivesEventsInOrderAndTheCancelResult) {
    rt::Application().SetModalDriver([](rt::TCustomForm& form) {
        form.HandleKeyDown(rt::VK_ESCAPE, rt::TShiftState{});
        rt::Application().ProcessMessages();
    });
    auto c = NewController();
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    EXPECT_TRUE(c->ShowModal().SameAs(rt::Variant(2)));
    rt::Application().ProcessMessages();
    rt::Application().SetModalDriver({});
    EXPECT_EQ(log.codes, (std::vector<int32_t>{256, 272, 288, 304}));
    EXPECT_EQ(c->ResultCode, 2);
    EXPECT_TRUE(c->IsFormFreed());
}

TEST_F(PluginTest, FreeingTheControllerFreesTheOpenForm) {
    auto c = NewController();
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    c->SetVisible(-1);
    EXPECT_EQ(c->GetVisible(), hemr::LongTrue);
    c->SetVisible(0);
    c->SetVisible(-1);
    c.reset();
    EXPECT_EQ(log.codes, (std::vector<int32_t>{256, 272, 288, 272, 304}));
    EXPECT_EQ(FormNamed("frmHemr07"), nullptr) << "the open form went with the controller";
}

}  // namespace
