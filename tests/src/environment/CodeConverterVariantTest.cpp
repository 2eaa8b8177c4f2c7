// Single texts and variant values between the design, interface and database
// code pages, and where the converter takes its settings from.

#include "src/environment/CodeConverter.h"
#include "src/environment/NvlanguageTranslator.h"
#include "tests/platform/os/TempFolder.h"

#include "platform/codepage/CodePages.h"
#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace hemr_test::converter {
namespace {

using hemr::TCodeConverter;

TCodeConverter::TSettings Traditional() {
    TCodeConverter::TSettings settings;
    settings.UICodePage = "950";
    settings.UIConvertMode = 2;
    settings.DBConvertMode = 2;
    return settings;
}

TEST(CodeConverterVariant, TwoDimensionalArrayConvertsEveryElementNumbersAsText) {
    TCodeConverter converter(nullptr, Traditional());
    rt::Variant grid = rt::Variant::CreateArray({{0, 1}, {1, 2}});
    grid.At(0, 1) = "部门";
    grid.At(0, 2) = 12;
    grid.At(1, 1) = "员工";
    grid.At(1, 2) = 2.5;
    const rt::Variant result = converter.ConvertVariant(hemr::ckGBToBig5, grid);
    ASSERT_EQ(result.DimCount(), 2);
    EXPECT_EQ(result.At(0, 1).ToString(), "部門");
    EXPECT_EQ(result.At(1, 1).ToString(), "員工");
    EXPECT_TRUE(result.At(0, 2).IsString()) << "numbers come back as text";
    EXPECT_EQ(result.At(0, 2).ToString(), "12");
    EXPECT_EQ(grid.At(0, 1).ToString(), "部门") << "the input stays as it was";
}

TEST(CodeConverterVariant, NestedArraysAndByteTextsAreConvertedRecursively) {
    TCodeConverter converter(nullptr, Traditional());
    const rt::Variant bytes = rt::Variant::Bytes(rt::WideToCodePage("统计", 936), 936);
    const rt::Variant value = rt::Variant::ArrayOf(
        {rt::Variant::ArrayOf({"设计", rt::Variant::ArrayOf({"语言"})}), bytes, rt::Variant::Null()});
    const rt::Variant result = converter.ConvertVariant(hemr::ckGBToBig5, value);
    EXPECT_EQ(result[0][0].ToString(), "設計");
    EXPECT_EQ(result[0][1][0].ToString(), "語言");
    ASSERT_TRUE(result[1].IsByteString()) << "byte texts stay byte texts";
    EXPECT_EQ(result[1].CodePage(), 950);
    EXPECT_EQ(rt::CodePageToWide(result[1].ByteData(), 950), "統計");
    EXPECT_TRUE(result[2].IsNull());
}

TEST(CodeConverterVariant, ScalarsKindsAndTheFourDirections) {
    TCodeConverter converter(nullptr, Traditional());
    EXPECT_EQ(converter.ConvertVariant(hemr::ckBig5ToGB, "員工").ToString(), "员工");
    EXPECT_EQ(converter.ConvertVariant(4, "员工").ToString(), "员工") << "kind 4 converts no text";
    EXPECT_TRUE(converter.ConvertVariant(2, rt::Variant()).IsEmpty());
    const rt::Variant number = converter.ConvertVariant(0, 7);
    EXPECT_TRUE(number.SameAs(rt::Variant(7))) << "kind 0 returns the value itself";

    EXPECT_EQ(converter.DBToUI("部门").ToString(), "部門");
    EXPECT_EQ(converter.DesignToUI("部门").ToString(), "部門");
    EXPECT_EQ(converter.UIToDB("部門").ToString(), "部门") << "back to the database undoes mode 2";
    EXPECT_EQ(converter.UIToDesign("部門").ToString(), "部门");
    EXPECT_EQ(converter.GBToBig5Text("语言"), "語言");
    EXPECT_EQ(converter.Big5ToGBText("語言"), "语言");
    EXPECT_EQ(converter.GBToBig5Text(""), "");
}

TEST(CodeConverterVariant, ModeZeroReturnsEveryValueUnconverted) {
    TCodeConverter converter(nullptr, TCodeConverter::TSettings{});
    EXPECT_EQ(converter.Translator(), nullptr);
    const rt::Variant list = rt::Variant::ArrayOf({"部门", 3});
    const rt::Variant result = converter.ConvertVariant(hemr::ckGBToBig5, list);
    EXPECT_TRUE(result.SameAs(list));
    EXPECT_EQ(converter.UIToDB("部门").ToString(), "部门");
    EXPECT_EQ(converter.GBToBig5Text("部门"), "部门");
}

TEST(CodeConverterVariant, DatabaseModeOneConvertsTheOtherWay) {
    TCodeConverter::TSettings settings = Traditional();
    settings.UICodePage = "936";
    settings.DBCodePage = "950";
    settings.DBConvertMode = 1;
    TCodeConverter converter(nullptr, settings);
    EXPECT_EQ(converter.DBToUI("部門").ToString(), "部门");
    EXPECT_EQ(converter.UIToDB("部门").ToString(), "部門");
}

TEST(TranslatorLibrary, ByteCallsConvertBetweenCodePages) {
    hemr::TTranslator translator;
    const std::string big5 = translator.GBtoBIG5(rt::WideToCodePage("员工", 936));
    EXPECT_EQ(rt::CodePageToWide(big5, 950), "員工");
    EXPECT_EQ(rt::CodePageToWide(translator.BIG5toGB(big5), 936), "员工");
    EXPECT_EQ(translator.GBtoBIG5(""), "");
}

TEST(TranslatorLibrary, TextCallsKeepWhatACodePageCannotHold) {
    hemr::TTranslator translator;
    EXPECT_EQ(translator.GBtoBIG5Text("员工 Café 😀?"), "員工 Café 😀?")
        << "é is in GBK but not in Big5, the emoji in neither; a typed ? stays";
    EXPECT_EQ(translator.BIG5toGBText("員工 ①😀"), "员工 ①😀");
}

TEST(TranslatorLibrary, ALibraryWithoutTheTextCallsOrNoneAtAllIsRefused) {
    try {
        hemr::TTranslator translator("NVDownLoad.dll");
        ADD_FAILURE() << "a library without GBtoBIG5 and BIG5toGB would convert nothing";
    } catch (const rt::Exception& e) {
        EXPECT_STREQ(e.what(), "Get Library Procedure Address Error!");
    }
    try {
        hemr::TTranslator translator("NoSuchNvlanguage.dll");
        ADD_FAILURE() << "a missing library must not pass unnoticed";
    } catch (const rt::Exception& e) {
        EXPECT_STREQ(e.what(), "Load Library NoSuchNvlanguage.dll Error!");
    }
}

// The configuration decides the modes: an interface in code page 950 on a
// 936 system converts texts by kind 2 and needs the library.
TEST(CodeConverterConfiguration, ClientIniWithTraditionalInterfaceGivesModeTwo) {
    rt::test::TempFolder temp;
    ASSERT_FALSE(temp.Path().empty());
    const std::string client = temp.Path() + "/client/";
    std::filesystem::create_directories(client);
    std::ofstream(client + "KestrelC.ini") << "[CodePage]\r\nUICodePage=950\r\nDBCodePage=936\r\n";
    const std::string reg = temp.Write("nvr.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel]\r\n"
                                                  "\"ClientPath\"=\"" + client + "\"\r\n");
    rt::test::ScopedEnv registry("NVR_REGISTRY", reg.c_str());
    rt::test::ScopedEnv acp("NVR_ACP", "936");
    TCodeConverter converter(nullptr);
    EXPECT_EQ(converter.UICodePage(), "950");
    EXPECT_EQ(converter.SystemCodePage(), "936");
    EXPECT_EQ(converter.UIConvertMode(), 2);
    EXPECT_EQ(converter.DBConvertMode(), 2);
    EXPECT_NE(converter.Translator(), nullptr);
}

}  // namespace
}  // namespace hemr_test::converter
