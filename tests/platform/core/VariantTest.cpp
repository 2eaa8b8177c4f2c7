#include "platform/core/Variant.h"

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"

namespace {

using rt::Variant;

TEST(Variant, ScalarKindsAndTypeCodes) {
    EXPECT_TRUE(Variant().IsEmpty()) << "a default variant is unassigned";
    EXPECT_TRUE(Variant::Null().IsNull());
    EXPECT_EQ(Variant(true).VarType(), rt::varBoolean);
    EXPECT_EQ(Variant(5).VarType(), rt::varInteger) << "int stays a 32-bit integer";
    EXPECT_EQ(Variant(int64_t{5}).VarType(), rt::varInt64);
    EXPECT_EQ(Variant(2.5).VarType(), rt::varDouble);
    EXPECT_EQ(Variant::FromDate(38412.0).VarType(), rt::varDate);
    EXPECT_EQ(Variant("abc").VarType(), rt::varOleStr);
    EXPECT_EQ(Variant::Bytes("abc", 936).VarType(), rt::varString);
    EXPECT_EQ(Variant::ArrayOf({1, 2}).VarType(), rt::varArray | rt::varVariant);
}

TEST(Variant, TextConversionsFollowTheOriginalRules) {
    EXPECT_EQ(Variant(true).ToString(), "True");
    EXPECT_EQ(Variant(false).ToString(), "False");
    EXPECT_EQ(Variant(-12).ToString(), "-12");
    EXPECT_EQ(Variant(1.5).ToString(), "1.5");
    EXPECT_EQ(Variant().ToString(), "") << "empty converts to an empty text";
    EXPECT_THROW(Variant::Null().ToString(), rt::EVariantTypeCastError) << "null has no text";
    EXPECT_EQ(rt::VarToStr(Variant::Null()), "") << "VarToStr maps null to empty";
    EXPECT_EQ(Variant(std::string("员工")).ToString(), "员工");
}

TEST(Variant, NumericConversionsRejectBadText) {
    EXPECT_EQ(Variant("42").ToInt(), 42);
    EXPECT_EQ(Variant(" 42").ToInt(), 42);
    EXPECT_EQ(Variant("2.5").ToInt(), 2) << "halves round to even";
    EXPECT_EQ(Variant(3.5).ToInt(), 4);
    EXPECT_EQ(Variant(true).ToInt(), -1) << "true is all bits set";
    EXPECT_THROW(Variant("12a").ToInt(), rt::EVariantTypeCastError);
    EXPECT_THROW(Variant("").ToDouble(), rt::EVariantTypeCastError);
    EXPECT_THROW(Variant(int64_t{1} << 40).ToInt(), rt::EVariantTypeCastError) << "out of 32-bit range";
    EXPECT_DOUBLE_EQ(Variant("2.25").ToDouble(), 2.25);
    EXPECT_TRUE(Variant("true").ToBool());
    EXPECT_FALSE(Variant("0").ToBool());
    EXPECT_TRUE(Variant(7).ToBool());
    EXPECT_THROW(Variant("maybe").ToBool(), rt::EVariantTypeCastError);
}

TEST(Variant, ByteStringsKeepTheirCodePageAndDecodeForText) {
    Variant v = Variant::Bytes(std::string("\xD4\xB1\xB9\xA4", 4), 936);
    EXPECT_EQ(v.CodePage(), 936);
    EXPECT_EQ(v.ByteData().size(), 4u);
    EXPECT_EQ(v.ToString(), "员工") << "GBK bytes decode to the wide text";
    EXPECT_THROW(Variant("x").ByteData(), rt::EVariantTypeCastError) << "wide text has no byte data";
}

TEST(Variant, OneDimensionalArraysHaveBoundsAndRangeChecks) {
    Variant a = Variant::CreateArray({{1, 3}});
    EXPECT_EQ(a.DimCount(), 1);
    EXPECT_EQ(a.LowBound(), 1);
    EXPECT_EQ(a.HighBound(), 3);
    a[1] = "one";
    a[3] = 3;
    EXPECT_TRUE(a[2].IsEmpty()) << "new elements are unassigned";
    EXPECT_THROW(a[0], rt::EVariantBadIndexError) << "below the low bound";
    EXPECT_THROW(a[4], rt::EVariantBadIndexError) << "above the high bound";
    EXPECT_THROW(a.At(1, 1), rt::EVariantBadIndexError) << "two indexes on a one-dimensional array";
    EXPECT_THROW(Variant(5)[0], rt::EVariantError) << "a scalar is no array";

    a.Redim(5);
    EXPECT_EQ(a.HighBound(), 5);
    EXPECT_EQ(a[1].ToString(), "one") << "redim keeps the contents";
    EXPECT_EQ(a[3].ToInt(), 3);
    a.Redim(1);
    EXPECT_EQ(a.HighBound(), 1);
    EXPECT_EQ(a[1].ToString(), "one");
}

TEST(Variant, TwoDimensionalArraysRedimTheLastDimension) {
    Variant a = Variant::CreateArray({{0, 1}, {0, 0}});
    a.At(0, 0) = "server";
    a.At(1, 0) = 211;
    a.Redim(1);
    a.At(0, 1) = "second";
    a.At(1, 1) = 212;
    EXPECT_EQ(a.DimCount(), 2);
    EXPECT_EQ(a.HighBound(2), 1);
    EXPECT_EQ(a.At(0, 0).ToString(), "server") << "existing columns stay in place";
    EXPECT_EQ(a.At(1, 0).ToInt(), 211);
    EXPECT_EQ(a.At(1, 1).ToInt(), 212);
    EXPECT_THROW(a.At(2, 0), rt::EVariantBadIndexError);
    EXPECT_THROW(a.At(0, 2), rt::EVariantBadIndexError);
}

TEST(Variant, ArraysHaveValueSemantics) {
    Variant inner = Variant::ArrayOf({"a", "b"});
    Variant outer = Variant::ArrayOf({inner, 1});
    Variant copy = outer;
    copy[0][0] = "changed";
    EXPECT_EQ(outer[0][0].ToString(), "a") << "copying an array copies nested arrays too";
    EXPECT_EQ(inner[0].ToString(), "a");
    EXPECT_TRUE(copy.SameAs(copy));
    EXPECT_FALSE(copy.SameAs(outer));
}

TEST(Variant, ReferencesWriteThroughForOutArguments) {
    Variant target = 1;
    Variant ref = Variant::Ref(target);
    EXPECT_TRUE(ref.IsByRef());
    EXPECT_EQ(ref.ToInt(), 1) << "reads go to the target";
    ref.AssignDeref(Variant::ArrayOf({"x"}));
    EXPECT_TRUE(target.IsArray()) << "writes go to the target";
    EXPECT_EQ(ref.DimCount(), 1);
}

TEST(Variant, ComparisonIsLooseAcrossNumbersAndTexts) {
    EXPECT_TRUE(Variant(1) == Variant(1.0));
    EXPECT_TRUE(Variant("1") == Variant(1)) << "text compared with a number is read as a number";
    EXPECT_FALSE(Variant("a") == Variant(1));
    EXPECT_TRUE(Variant("abc") == Variant::Bytes("abc", 936));
    EXPECT_TRUE(Variant::Null() == Variant::Null());
    EXPECT_FALSE(Variant::Null() == Variant(0));
    EXPECT_EQ(rt::VarCompareValue(Variant("a"), Variant("b")), rt::VarCompareResult::LessThan);
    EXPECT_EQ(rt::VarCompareValue(Variant(3), Variant(2)), rt::VarCompareResult::GreaterThan);
    EXPECT_FALSE(Variant(1).SameAs(Variant(1.0))) << "SameAs also compares the type";
}

}  // namespace
