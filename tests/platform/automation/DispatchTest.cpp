#include "platform/automation/Dispatch.h"

#include <gtest/gtest.h>

#include "platform/automation/ComObj.h"
#include "platform/core/Exceptions.h"

namespace {

using rt::Variant;

// A small server object: a counter with a method taking an out argument.
class Counter : public rt::TAutoObject {
public:
    Counter() {
        DefineProperty(
            "Value", [this](rt::DispatchArgs&) { return Variant(value_); },
            [this](rt::DispatchArgs&, const Variant& v) { value_ = v.ToInt(); });
        DefineMethod("Add", [this](rt::DispatchArgs& a) {
            a.Require(1, 1);
            value_ += a[0].ToInt();
            return Variant(value_);
        });
        DefineMethod("Split", [](rt::DispatchArgs& a) {
            a.Require(2, 2);
            a.SetOut(1, Variant::ArrayOf({"x", "y"}));
            return Variant(true);
        });
        DefineMethod("Fail", [](rt::DispatchArgs&) -> Variant { throw rt::EConvertError("bad input"); });
    }
    std::string DispatchName() const override { return "Counter"; }

private:
    int value_ = 0;
};

TEST(Dispatch, MembersAreCalledByNameWithoutRegardToCase) {
    Variant obj(std::make_shared<Counter>());
    obj.Put("value", 5);
    EXPECT_EQ(obj.Get("VALUE").ToInt(), 5);
    EXPECT_EQ(obj.Call("add", {Variant(3)}).ToInt(), 8);
    EXPECT_EQ(obj.Get("Value").ToInt(), 8);
}

TEST(Dispatch, OutArgumentsArriveThroughReferences) {
    Variant obj(std::make_shared<Counter>());
    Variant result;
    EXPECT_TRUE(obj.Call("Split", {Variant("a"), Variant::Ref(result)}).ToBool());
    ASSERT_TRUE(result.IsArray()) << "the callee wrote the caller's variant";
    EXPECT_EQ(result[1].ToString(), "y");
}

TEST(Dispatch, FailuresBecomeAutomationErrors) {
    Variant obj(std::make_shared<Counter>());
    try {
        obj.Call("Missing");
        FAIL() << "an unknown name must raise";
    } catch (const rt::EOleSysError& e) {
        EXPECT_EQ(e.ErrorCode(), rt::DISP_E_UNKNOWNNAME);
    }
    EXPECT_THROW(obj.Call("Add"), rt::EOleSysError) << "too few parameters";
    try {
        obj.Call("Fail");
        FAIL() << "a server exception must reach the caller";
    } catch (const rt::EOleException& e) {
        EXPECT_EQ(e.Message(), "bad input");
        EXPECT_EQ(e.Source(), "Counter");
    }
    EXPECT_THROW(Variant(1).Call("Add", {Variant(1)}), rt::EVariantTypeCastError) << "an integer is no object";
}

TEST(Dispatch, ProgIdsResolveToRegisteredFactories) {
    rt::RegisterAutoObjectFactory("Test.Counter", [] { return std::make_shared<Counter>(); });
    Variant a = rt::CreateOleObject("test.counter");
    Variant b = rt::CreateOleObject("Test.Counter");
    a.Put("Value", 2);
    EXPECT_EQ(b.Get("Value").ToInt(), 0) << "every creation makes a new object";
    rt::UnregisterAutoObjectFactory("Test.Counter");
    EXPECT_THROW(rt::CreateOleObject("Test.Counter"), rt::EOleSysError) << "unknown ProgID";
}

}  // namespace
