#include "platform/automation/VariantJson.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/automation/BoundedJson.h"
#include "platform/codepage/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/SysUtils.h"

namespace {

using rt::Variant;

Variant RoundTrip(const Variant& v) { return rt::VariantFromJson(nlohmann::json::parse(rt::VariantToJson(v).dump())); }

TEST(VariantJson, ScalarsKeepTheirKind) {
    EXPECT_EQ(rt::VariantToJson(Variant()).dump(), R"({"empty":true})");
    EXPECT_EQ(rt::VariantToJson(Variant::Null()).dump(), "null");
    EXPECT_EQ(rt::VariantToJson(Variant(2.0)).dump(), "2.0") << "doubles always show a fraction";
    EXPECT_EQ(rt::VariantToJson(Variant(7)).dump(), "7");
    for (const Variant& v : {Variant(), Variant::Null(), Variant(true), Variant(-3), Variant(2.0), Variant(0.1),
                             Variant("员工"), Variant(int64_t{1} << 40)}) {
        Variant back = RoundTrip(v);
        EXPECT_TRUE(back.SameAs(v)) << rt::VariantToJson(v).dump();
    }
    Variant nan = RoundTrip(Variant(std::nan("")));
    EXPECT_TRUE(std::isnan(nan.ToDouble())) << "non-finite doubles survive";
}

TEST(VariantJson, DatesAndByteStrings) {
    Variant date = Variant::FromDate(rt::EncodeDateTime(2005, 3, 7, 13, 45, 1, 7));
    EXPECT_EQ(rt::VariantToJson(date).dump(), R"({"date":"2005-03-07T13:45:01.007"})");
    EXPECT_TRUE(RoundTrip(date).SameAs(date));

    Variant gbk = Variant::Bytes(rt::WideToCodePage("员工年龄分布表", 936), 936);
    nlohmann::json j = rt::VariantToJson(gbk);
    EXPECT_EQ(j["bytes"], "员工年龄分布表") << "bytes are decoded for reading";
    EXPECT_EQ(j["codepage"], 936);
    EXPECT_FALSE(j.contains("hex")) << "valid text needs no raw bytes";
    EXPECT_TRUE(RoundTrip(gbk).SameAs(gbk));

    Variant broken = Variant::Bytes(std::string("\xD4", 1), 936);
    EXPECT_TRUE(rt::VariantToJson(broken).contains("hex")) << "a truncated lead byte keeps its raw form";
    EXPECT_TRUE(RoundTrip(broken).SameAs(broken));
}

TEST(VariantJson, ArraysOfOneAndTwoDimensions) {
    Variant rows = Variant::CreateArray({{1, 2}});
    rows[1] = Variant::ArrayOf({"caption", "ed03"});
    rows[2] = 5;
    EXPECT_EQ(rt::VariantToJson(rows).dump(), R"({"items":[{"items":["caption","ed03"],"low":0},5],"low":1})");
    EXPECT_TRUE(RoundTrip(rows).SameAs(rows));

    Variant grid = Variant::CreateArray({{0, 1}, {0, 2}});
    grid.At(0, 2) = "c";
    grid.At(1, 0) = 211;
    EXPECT_TRUE(RoundTrip(grid).SameAs(grid));
    Variant noRows = Variant::CreateArray({{0, -1}, {0, 3}});
    Variant back = RoundTrip(noRows);
    EXPECT_EQ(back.HighBound(2), 3) << "an array without rows keeps its second size";
}

TEST(VariantJson, TheDirectTextIsTheTreesTextForEveryKind) {
    Variant grid = Variant::CreateArray({{0, 1}, {1, 2}});
    grid.At(1, 2) = Variant::Bytes("A1", 936);
    Variant all = Variant::ArrayOf(
        {Variant(), Variant::Null(), true, -3, Variant(int64_t{1} << 40), 2.0, Variant(std::nan("")),
         Variant::FromDate(rt::EncodeDateTime(2005, 3, 7, 13, 45, 1, 7)), "员工\"\n",
         Variant::Bytes(rt::WideToCodePage("员工年龄", 936), 936), Variant::Bytes("20", 936),
         Variant::Bytes(std::string("\xD4", 1), 936), grid, Variant::CreateArray({{0, -1}, {0, 3}}),
         Variant::ArrayOf({Variant::ArrayOf({"\x04", "a"})}), "q\"\\/\b\t\n\f\r\x01\x1f\x7f~",
         Variant::Bytes("e\"\\\x1b\x7f", 936)});
    EXPECT_EQ(rt::VariantToJsonText(all), rt::VariantToJson(all).dump());
}

TEST(VariantJson, MalformedInputIsAConversionError) {
    EXPECT_THROW(rt::VariantFromJson(nlohmann::json::parse(R"({"what":1})")), rt::EConvertError);
    EXPECT_THROW(rt::VariantFromJson(nlohmann::json::parse(R"({"date":"yesterday"})")), rt::EConvertError);
    EXPECT_THROW(rt::VariantFromJson(nlohmann::json::parse(R"({"low":[0,0],"rows":[[1],[1,2]]})")),
                 rt::EConvertError);
    EXPECT_THROW(rt::VariantFromJson(nlohmann::json::parse("[1,2]")), rt::EConvertError) << "bare lists need bounds";
    // Bounds that would wrap past the integer range, or a stated size the rows do not have.
    for (const char* text : {R"({"low":2147483647,"items":[1,2]})", R"({"low":[0,2147483647],"rows":[[1,2]]})",
                             R"({"low":[0,0],"rows":[[1]],"count2":2000000000})"})
        EXPECT_THROW(rt::VariantFromJson(nlohmann::json::parse(text)), rt::EConvertError) << text;
}

TEST(VariantJson, BoundedReadingRefusesTooDeepOrTooManyBeforeBuildingThem) {
    const rt::JsonBounds bounds{4, 10};
    EXPECT_EQ(rt::ParseBoundedJson("[[[[1]]]]", bounds).dump(), "[[[[1]]]]") << "exactly the depth allowed";
    EXPECT_THROW(rt::ParseBoundedJson("[[[[[1]]]]]", bounds), rt::EConvertError);
    EXPECT_THROW(rt::ParseBoundedJson("[1,2,3,4,5,6,7,8,9,10]", bounds), rt::EConvertError);
    EXPECT_THROW(rt::ParseBoundedJson("[1,", bounds), rt::EConvertError) << "no JSON at all";
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_THROW(rt::ParseBoundedJson(deep), rt::EConvertError) << "the default bounds stop a deep text too";
}

}  // namespace
