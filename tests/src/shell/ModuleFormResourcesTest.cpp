// Every form resource the module embeds loads into its class with the class's
// component fields bound, and survives a write and a second read unchanged; a
// resource that lacks a bound component, or holds it under another class,
// fails to load naming it.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TComponent.h"
#include "platform/comctrls/TAnimate.h"
#include "platform/core/Exceptions.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/streaming/FormResources.h"
#include "src/shell/ModuleForms.h"
#include "src/shell/RunningWinC.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace hemr_test {
namespace {

struct TFormDeleter {
    void operator()(rt::TComponent* form) const { delete form; }
};
using TFormPtr = std::unique_ptr<rt::TComponent, TFormDeleter>;

TFormPtr NewUnread(const std::string& className) {
    return TFormPtr(static_cast<rt::TComponent*>(rt::FindClass(className)->CreateInstance(nullptr)));
}

class ModuleFormResources : public ShellTest {};

TEST_F(ModuleFormResources, EveryEmbeddedResourceLoadsBindsAndRoundTrips) {
    const std::vector<std::string> classes = hemr::ModuleFormClasses();
    ASSERT_GE(classes.size(), 6u) << "the module embeds one resource per form class";
    for (const std::string& name : classes) {
        SCOPED_TRACE(name);
        TFormPtr form = NewUnread(name);
        bool read = false;
        ASSERT_NO_THROW(read = rt::ReadFormResources(form.get())) << "the class chain's resources load and bind";
        ASSERT_TRUE(read);
        const std::string written = rt::WriteComponentResText(form.get());
        TFormPtr copy = NewUnread(name);
        ASSERT_NO_THROW(rt::ReadComponentResText(copy.get(), written)) << "what was written reads back and binds";
        EXPECT_EQ(rt::WriteComponentResText(copy.get()), written) << "a second write gives the same text";
    }
}

TEST_F(ModuleFormResources, BoundFieldsPointAtTheResourceComponents) {
    TFormPtr form = NewUnread("TfrmRunningWinC");
    rt::ReadFormResources(form.get());
    auto* window = static_cast<hemr::TfrmRunningWinC*>(form.get());
    EXPECT_EQ(static_cast<rt::TComponent*>(window->lblRunning), form->FindComponent("lblRunning"));
    EXPECT_EQ(static_cast<rt::TComponent*>(window->aniRunning), form->FindComponent("aniRunning"));
}

// Swaps the running window's resource for an edited copy while it lives.
class EditedRunningWindowResource {
public:
    EditedRunningWindowResource(const std::string& from, const std::string& to)
        : original_(*rt::FindFormResource("TfrmRunningWinC")) {
        std::string edited = original_;
        edited.replace(edited.find(from), from.size(), to);
        rt::RegisterFormResource("TfrmRunningWinC", edited);
    }
    ~EditedRunningWindowResource() { rt::RegisterFormResource("TfrmRunningWinC", original_); }

private:
    std::string original_;
};

std::string LoadError(const std::string& className) {
    TFormPtr form = NewUnread(className);
    try {
        rt::ReadFormResources(form.get());
    } catch (const rt::EReadError& e) {
        return e.Message();
    }
    return "";
}

TEST_F(ModuleFormResources, ARenamedOrRetypedBoundComponentFailsNamingIt) {
    {
        EditedRunningWindowResource renamed("object lblRunning: TLabel", "object lblWaiting: TLabel");
        const std::string error = LoadError("TfrmRunningWinC");
        EXPECT_NE(error.find("frmRunningWinC.lblRunning"), std::string::npos) << error;
        EXPECT_NE(error.find("TCustomLabel"), std::string::npos) << "the expected class is named: " << error;
    }
    {
        EditedRunningWindowResource retyped("object lblRunning: TLabel", "object lblRunning: TButton");
        const std::string error = LoadError("TfrmRunningWinC");
        EXPECT_NE(error.find("frmRunningWinC.lblRunning"), std::string::npos) << error;
        EXPECT_NE(error.find("TCustomLabel"), std::string::npos) << error;
        EXPECT_NE(error.find("TButton"), std::string::npos) << "the class found is named too: " << error;
    }
    EXPECT_EQ(LoadError("TfrmRunningWinC"), "") << "the original resource loads again";
}

}  // namespace
}  // namespace hemr_test
