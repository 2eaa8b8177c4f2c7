#include "platform/codepage/CodePages.h"

#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>

using namespace rt;

namespace {

const std::string Simplified = "员工年龄分布表";
const std::string Traditional = "員工年齡分佈表";
const std::string Replacement = "\xEF\xBF\xBD";

// Sets or clears the variables GetACP reads, and restores them afterwards.
class AcpEnvironment : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : Names) {
            const char* value = std::getenv(name);
            saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
            ::unsetenv(name);
        }
    }
    void TearDown() override {
        for (size_t i = 0; i < saved_.size(); ++i) {
            if (saved_[i]) ::setenv(Names[i], saved_[i]->c_str(), 1);
            else ::unsetenv(Names[i]);
        }
    }
    static void Set(const char* name, const char* value) { ::setenv(name, value, 1); }

    static constexpr const char* Names[] = {"NVR_ACP", "LC_ALL", "LC_CTYPE", "LANG"};

private:
    std::vector<std::optional<std::string>> saved_;
};

}  // namespace

TEST(CodePages, ChineseRoundTripsInGbkAndBig5) {
    std::string gbk = WideToCodePage(Simplified, 936);
    EXPECT_EQ(gbk, "\xD4\xB1\xB9\xA4\xC4\xEA\xC1\xE4\xB7\xD6\xB2\xBC\xB1\xED");
    EXPECT_EQ(CodePageToWide(gbk, 936), Simplified);

    std::string big5 = WideToCodePage(Traditional, 950);
    EXPECT_EQ(big5, "\xAD\xFB\xA4\x75\xA6\x7E\xC4\xD6\xA4\xC0\xA7\x47\xAA\xED");
    EXPECT_EQ(CodePageToWide(big5, 950), Traditional);

    EXPECT_EQ(CodePageToWide(WideToCodePage(Simplified, 54936), 54936), Simplified);
    EXPECT_EQ(WideToCodePage(Simplified, CP_UTF8), Simplified);
}

TEST(CodePages, SingleByteCodePages) {
    EXPECT_EQ(WideToCodePage("Caf\xC3\xA9", 1252), "Caf\xE9");
    EXPECT_EQ(CodePageToWide("\x80", 1252), "\xE2\x82\xAC") << "0x80 is the euro sign in 1252";
    EXPECT_EQ(WideToCodePage("\xE2\x94\x80", 437), "\xC4") << "box drawing exists in 437";
    EXPECT_EQ(CodePageToWide("\xC4", 437), "\xE2\x94\x80");
    EXPECT_EQ(WideToCodePage("abc", 20127), "abc");
}

TEST(CodePages, UnmappableCharacterBecomesOneQuestionMarkEach) {
    EXPECT_EQ(WideToCodePage("a" + Simplified.substr(0, 6) + "b", 1252), "a??b");
    EXPECT_EQ(WideToCodePage("x\xF0\x9F\x98\x80y", 936), "x?y") << "an emoji is one character";
    EXPECT_EQ(WideToCodePage("\xC3\xA9", 20127), "?");
    // A simplified-only character has no place in Big5; its neighbours survive.
    std::string mixed = WideToCodePage("员工", 950);
    EXPECT_EQ(mixed.substr(0, 1), "?");
    EXPECT_EQ(CodePageToWide(mixed.substr(1), 950), "工");
}

TEST(CodePages, InvalidUtf8InputBecomesQuestionMarksPerByte) {
    EXPECT_EQ(WideToCodePage("a\xFF" "b", 936), "a?b");
    EXPECT_EQ(WideToCodePage("a\xC0\xAF" "b", 1252), "a??b") << "overlong form";
    EXPECT_EQ(WideToCodePage("a\xED\xA0\x80" "b", CP_UTF8), "a???b") << "surrogate";
    EXPECT_EQ(WideToCodePage("ab\xE5\x91", 936), "ab??") << "truncated at the end";
}

TEST(CodePages, InvalidBytesDecodeToReplacementCharacter) {
    std::string gbk = WideToCodePage("工", 936);
    EXPECT_EQ(CodePageToWide("ok" + gbk.substr(0, 1), 936), "ok" + Replacement)
        << "lone lead byte cut off at the end";
    EXPECT_EQ(CodePageToWide("\xFF" "A", 936), Replacement + "A");
    EXPECT_EQ(CodePageToWide("\xA4" "\x0A" "z", 950), Replacement + "\nz")
        << "a bad trail byte that is ASCII must be kept";
    std::string big5 = WideToCodePage("表", 950);
    EXPECT_EQ(CodePageToWide(big5 + big5.substr(0, 1), 950), "表" + Replacement);
    EXPECT_EQ(CodePageToWide("a\x80" "b", CP_UTF8), "a" + Replacement + "b");
    EXPECT_EQ(CodePageToWide("\x81\x30", 54936), Replacement + "0") << "truncated four-byte sequence";
}

TEST(CodePages, EmptyAndEmbeddedNul) {
    EXPECT_EQ(WideToCodePage("", 936), "");
    EXPECT_EQ(CodePageToWide("", 950), "");
    std::string withNul("a\0b", 3);
    EXPECT_EQ(WideToCodePage(withNul, 936), withNul);
}

TEST(CodePages, UnknownCodePageRaises) {
    EXPECT_FALSE(IsSupportedCodePage(932));
    EXPECT_TRUE(IsSupportedCodePage(950));
    EXPECT_THROW(WideToCodePage("x", 932), EConvertError);
    try {
        CodePageToWide("x", 12345);
        FAIL() << "an unknown code page must raise";
    } catch (const EConvertError& e) {
        EXPECT_NE(e.Message().find("12345"), std::string::npos) << e.Message();
    }
}

TEST(CodePages, ConvertersAreUsableFromSeveralThreads) {
    std::vector<std::string> results(4);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < results.size(); ++i) {
        threads.emplace_back([&results, i] {
            for (int n = 0; n < 200; ++n) results[i] = CodePageToWide(WideToCodePage(Traditional, 950), 950);
        });
    }
    for (std::thread& t : threads) t.join();
    for (const std::string& r : results) EXPECT_EQ(r, Traditional);
}

TEST_F(AcpEnvironment, ExplicitSettingWins) {
    Set("LANG", "zh_CN.UTF-8");
    Set("NVR_ACP", "950");
    EXPECT_EQ(GetACP(), 950);
    Set("NVR_ACP", "932");
    EXPECT_EQ(GetACP(), 936) << "an unsupported setting falls back to the locale";
    Set("NVR_ACP", "95x");
    EXPECT_EQ(GetACP(), 936) << "a non-number falls back to the locale";
}

TEST_F(AcpEnvironment, LocaleRule) {
    EXPECT_EQ(GetACP(), 1252) << "no locale at all";
    const std::pair<const char*, int> cases[] = {
        {"zh_CN.UTF-8", 936}, {"zh_SG", 936},         {"zh_TW.Big5", 950}, {"zh_HK.UTF-8", 950},
        {"zh_MO", 950},       {"en_US.UTF-8", 1252},  {"C", 1252},         {"zh", 1252},
    };
    for (const auto& [locale, expected] : cases) {
        Set("LANG", locale);
        EXPECT_EQ(GetACP(), expected) << "LANG=" << locale;
    }
    Set("LANG", "zh_CN.UTF-8");
    Set("LC_CTYPE", "zh_TW.UTF-8");
    EXPECT_EQ(GetACP(), 950) << "LC_CTYPE comes before LANG";
    Set("LC_ALL", "en_GB.UTF-8");
    EXPECT_EQ(GetACP(), 1252) << "LC_ALL comes first";
}

TEST_F(AcpEnvironment, AnsiByteLengthMeasuresInTheAnsiCodePage) {
    Set("NVR_ACP", "936");
    EXPECT_EQ(AnsiByteLength("HR员工"), 6u);
    Set("NVR_ACP", "65001");
    EXPECT_EQ(AnsiByteLength("HR员工"), 8u);
    Set("NVR_ACP", "1252");
    EXPECT_EQ(AnsiByteLength("HR员工"), 4u) << "each unmappable character counts as its '?'";
}
