#include "platform/codepage/CodePages.h"
#include "platform/os/DynLib.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace {

using TextCall = int (*)(const char*, size_t, char**, size_t*);
using OrderCall = int (*)(int);
using FreeCall = void (*)(char*);

class NvLanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = rt::LoadLibrary("Nvlanguage.dll");
        ASSERT_NE(module_, 0u) << "the library loads by its original name: " << rt::LastLibraryError();
        gbToBig5_ = Resolve<TextCall>("GBtoBIG5");
        big5ToGb_ = Resolve<TextCall>("BIG5toGB");
        toTraditional_ = Resolve<TextCall>("GetBIG5Data");
        toSimplified_ = Resolve<TextCall>("GetGBData");
        saveOrder_ = Resolve<OrderCall>("SaveOrder");
        free_ = Resolve<FreeCall>("NvFreeText");
    }
    void TearDown() override {
        if (saveOrder_) saveOrder_(0);
        if (module_) rt::FreeLibrary(module_);
    }

    template <class F>
    F Resolve(const char* name) {
        void* address = rt::GetProcAddress(module_, name);
        EXPECT_NE(address, nullptr) << name << " is exported";
        return reinterpret_cast<F>(address);
    }

    // Runs a text call and returns its bytes; `ok` receives its result code.
    std::string Call(TextCall call, const std::string& input, int* ok = nullptr) {
        char* result = nullptr;
        size_t length = 12345;
        int code = call(input.data(), input.size(), &result, &length);
        if (ok) *ok = code;
        if (code == 0) {
            EXPECT_EQ(result, nullptr) << "a failed call hands out no buffer";
            return {};
        }
        EXPECT_NE(result, nullptr);
        EXPECT_EQ(result[length], '\0') << "the buffer is terminated after its length";
        std::string text(result, length);
        free_(result);
        return text;
    }

    static std::string GB(const std::string& utf8) { return rt::WideToCodePage(utf8, 936); }
    static std::string Big5(const std::string& utf8) { return rt::WideToCodePage(utf8, 950); }

    rt::HMODULE module_ = 0;
    TextCall gbToBig5_ = nullptr;
    TextCall big5ToGb_ = nullptr;
    TextCall toTraditional_ = nullptr;
    TextCall toSimplified_ = nullptr;
    OrderCall saveOrder_ = nullptr;
    FreeCall free_ = nullptr;
};

TEST_F(NvLanguageTest, ConvertsReportTitleBetweenGBAndBig5BothWays) {
    std::string big5 = Call(gbToBig5_, GB("员工年龄分布表"));
    EXPECT_EQ(big5, Big5("員工年齡分佈表")) << "Simplified GB bytes become Traditional Big5 bytes";
    EXPECT_EQ(rt::CodePageToWide(big5, 950), "員工年齡分佈表");

    std::string gb = Call(big5ToGb_, big5);
    EXPECT_EQ(gb, GB("员工年龄分布表")) << "and the Big5 bytes come back as the Simplified GB bytes";
}

TEST_F(NvLanguageTest, KeepsAsciiAndMixedTextInPlace) {
    EXPECT_EQ(Call(gbToBig5_, GB("HEMR07 报表 (v9)")), Big5("HEMR07 報表 (v9)"));
    EXPECT_EQ(Call(big5ToGb_, Big5("部門:A01")), GB("部门:A01"));
}

TEST_F(NvLanguageTest, EmptyInputGivesEmptyBufferAndSuccess) {
    int ok = 0;
    EXPECT_EQ(Call(gbToBig5_, "", &ok), "");
    EXPECT_EQ(ok, 1);
    char* result = nullptr;
    size_t length = 7;
    EXPECT_EQ(big5ToGb_(nullptr, 0, &result, &length), 1) << "a null text of length 0 is an empty text";
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(length, 0u);
    free_(result);
}

TEST_F(NvLanguageTest, CharactersMissingInTargetCodePageBecomeQuestionMarks) {
    // "㈠" and "〓" exist in code page 936 but not in Big5.
    std::string marks = GB("价格㈠〓");
    ASSERT_EQ(rt::CodePageToWide(marks, 936), "价格㈠〓") << "precondition: the signs are in GB";
    EXPECT_EQ(Call(gbToBig5_, marks), Big5("價格") + "??");
}

TEST_F(NvLanguageTest, InvalidBytesAreMarkedAndTheRestConverted) {
    // A lone lead byte in the middle and one cut off at the end.
    std::string input = GB("员工") + "\x81" + " " + GB("年龄") + "\xFE";
    std::string out = Call(gbToBig5_, input);
    EXPECT_EQ(out, Big5("員工") + "? " + Big5("年齡") + "?");

    std::string big5Junk = std::string("\xFF\xFF\xA1", 3);
    int ok = 0;
    std::string back = Call(big5ToGb_, big5Junk, &ok);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(back, "???") << "every undecodable byte is one mark";
}

TEST_F(NvLanguageTest, EmbeddedNulDoesNotCutTheText) {
    std::string input = GB("员工") + std::string(1, '\0') + GB("年龄");
    EXPECT_EQ(Call(gbToBig5_, input), Big5("員工") + std::string(1, '\0') + Big5("年齡"));
}

TEST_F(NvLanguageTest, RejectsMissingResultSlotAndNullSourceWithLength) {
    EXPECT_EQ(gbToBig5_("abc", 3, nullptr, nullptr), 0);
    char* result = reinterpret_cast<char*>(1);
    EXPECT_EQ(gbToBig5_(nullptr, 5, &result, nullptr), 0);
    EXPECT_EQ(result, nullptr) << "the slot is cleared on failure";
}

TEST_F(NvLanguageTest, Utf8CallsConvertWithoutCodePageLoss) {
    // "😀" lies outside both code pages; the UTF-8 calls keep it.
    EXPECT_EQ(Call(toTraditional_, "员工😀"), "員工😀");
    EXPECT_EQ(Call(toSimplified_, "員工😀"), "员工😀");
}

TEST_F(NvLanguageTest, SaveOrderChoosesTraditionalStandardAndRejectsUnknown) {
    EXPECT_EQ(saveOrder_(1), 0) << "general standard is the default";
    // Taiwan usage writes "裏" as "裡".
    EXPECT_EQ(Call(toTraditional_, "里面"), "裡面");
    EXPECT_EQ(saveOrder_(0), 1);
    EXPECT_EQ(Call(toTraditional_, "里面"), "裏面");
    EXPECT_EQ(saveOrder_(7), -1);
    EXPECT_EQ(saveOrder_(0), 0) << "an unknown order changed nothing";
}

}  // namespace
