#include <gtest/gtest.h>

#include "platform/classes/TypInfo.h"
#include "tests/platform/classes/TestClasses.h"

namespace rt::test {
namespace {

class MethodPropertyTest : public ::testing::Test {
protected:
    TTestForm form{nullptr};
    TTestEdit* ed01 = new TTestEdit(&form);
    TTestEdit* ed02 = new TTestEdit(&form);
    void SetUp() override {
        ed01->SetName("ed01");
        ed02->SetName("ed02");
    }
};

TEST_F(MethodPropertyTest, PublishedMethodsAreFoundByNameAndCode) {
    const TMethodEntry* code = form.MethodAddress("ED01EXIT");
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code, MethodEntryOf<&TTestForm::ed01Exit>()) << "lookup by name and direct binding agree";
    EXPECT_EQ(form.MethodName(code), "ed01Exit");
    EXPECT_EQ(form.MethodAddress("nothing"), nullptr);
    EXPECT_EQ(TComponent::StaticClass()->MethodAddress("ed01Exit"), nullptr) << "not in the parent's table";
}

TEST_F(MethodPropertyTest, PairsCompareByCodeAndData) {
    TTestForm other(nullptr);
    const TMethod a{form.MethodAddress("ed01Exit"), &form};
    const TMethod b{form.MethodAddress("ed01Exit"), &form};
    const TMethod otherData{form.MethodAddress("ed01Exit"), &other};
    const TMethod otherCode{form.MethodAddress("ed02Exit"), &form};
    EXPECT_EQ(a, b);
    EXPECT_FALSE(a == otherData);
    EXPECT_FALSE(a == otherCode);
    EXPECT_EQ(TMethod{}, TMethod{});
}

TEST_F(MethodPropertyTest, SetByNameAndInvoke) {
    SetPropText(ed01, "OnExit", "ed01Exit");
    ASSERT_TRUE(ed01->OnExit.Assigned());
    EXPECT_EQ(GetPropText(ed01, "OnExit"), "ed01Exit");
    ed01->OnExit(ed01);
    EXPECT_EQ(form.log, std::vector<std::string>{"ed01Exit:ed01"});
    EXPECT_EQ(GetMethodProp(ed01, "OnExit").Data, &form);

    SetPropText(ed01, "OnKeyDown", "ed01KeyDown");
    uint16_t key = 13;
    ed01->OnKeyDown(ed01, key, TShiftState{ssCtrl});
    EXPECT_EQ(key, 0) << "by-reference argument written by the handler";
    EXPECT_EQ(form.log.back(), "key:13+ctrl");

    SetPropText(ed01, "OnChanging", "pcChanging");
    bool allow = true;
    ed01->OnChanging(ed01, allow);
    EXPECT_FALSE(allow) << "veto event";
}

TEST_F(MethodPropertyTest, IncompatibleHandlersAreRefused) {
    const TPropResult r = TrySetPropText(ed01, "OnExit", "ed01KeyDown");
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Reason, "Cannot set property OnExit: incompatible event handler");
    EXPECT_FALSE(ed01->OnExit.Assigned());
    EXPECT_FALSE(TrySetPropText(ed01, "OnExit", "noSuchHandler").Ok);
    EXPECT_FALSE(TrySetMethodProp(ed01, "OnExit", TMethod{form.MethodAddress("ed01Exit"), nullptr}).Ok)
        << "a handler needs its object";
    EXPECT_THROW(TNotifyEvent(TMethod{form.MethodAddress("pcChanging"), &form}), EInvalidOperation);
}

TEST_F(MethodPropertyTest, ChainStoresOldPairAssignsNewAndCallsOld) {
    // The control's own handler, as a form resource would have bound it.
    SetMethodProp(ed02, "OnExit", TMethod{form.MethodAddress("ed01Exit"), &form});
    // The condition form hooks in front: store the old pair, assign its own.
    form.savedExit = TNotifyEvent(GetMethodProp(ed02, "OnExit"));
    SetMethodProp(ed02, "OnExit", TNotifyEvent::Of<&TTestForm::ed02Exit>(&form).Method());
    ed02->OnExit(ed02);
    EXPECT_EQ(form.log, (std::vector<std::string>{"ed02Exit:ed02", "ed01Exit:ed02"}))
        << "the new handler runs, then the stored one with the same sender";

    // Unhooking puts the stored pair back.
    SetMethodProp(ed02, "OnExit", form.savedExit.Method());
    EXPECT_EQ(GetMethodProp(ed02, "OnExit"), (TMethod{form.MethodAddress("ed01Exit"), &form}));
    SetMethodProp(ed02, "OnExit", TMethod{});
    EXPECT_FALSE(ed02->OnExit.Assigned());
    ed02->OnExit(ed02);
    EXPECT_EQ(form.log.size(), 2u) << "an empty event does nothing";
}

}  // namespace
}  // namespace rt::test
