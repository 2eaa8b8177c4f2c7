#include "platform/sysutils/Format.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/core/Exceptions.h"

namespace rt {
namespace {

class FormatTest : public ::testing::Test {
protected:
    void TearDown() override { ResetFormatSettings(); }

    static void ExpectRejected(std::string_view format, std::initializer_list<FormatArg> args) {
        try {
            Format(format, args);
            ADD_FAILURE() << "'" << format << "' should have raised";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Format '" + std::string(format) + "' invalid or incompatible with argument");
        }
    }
};

TEST_F(FormatTest, IntegerPrecisionIsTheMinimumDigitCount) {
    EXPECT_EQ(Format("%.2d", {5}), "05");
    EXPECT_EQ(Format("%.4d", {94}), "0094");
    EXPECT_EQ(Format("%.3d", {-5}), "-005") << "the sign is not counted";
    EXPECT_EQ(Format("%.2d", {123}), "123") << "never truncates";
    EXPECT_EQ(Format("%.4d%s%.2d%s%.2d", {2005, "/", 3, "/", 1}), "2005/03/01");
    EXPECT_EQ(Format("%.3d%s%.2d", {94, "", 3}), "09403");
    EXPECT_EQ(Format("%d", {int64_t{-9000000000}}), "-9000000000");
    EXPECT_EQ(Format("%d", {INT64_MIN}), "-9223372036854775808");
    EXPECT_EQ(Format("%d", {uint64_t{18446744073709551615ull}}), "18446744073709551615");
}

TEST_F(FormatTest, UnsignedAndHexUseTheArgumentsWidth) {
    EXPECT_EQ(Format("%u", {-5}), "4294967291");
    EXPECT_EQ(Format("%x", {255}), "FF") << "hex digits are upper case in either directive case";
    EXPECT_EQ(Format("%X", {-1}), "FFFFFFFF");
    EXPECT_EQ(Format("%x", {int64_t{-1}}), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Format("%.4x", {10}), "000A");
}

TEST_F(FormatTest, WidthJustificationAndStarArguments) {
    EXPECT_EQ(Format("[%5s]", {"ab"}), "[   ab]");
    EXPECT_EQ(Format("[%-5s]", {"ab"}), "[ab   ]");
    EXPECT_EQ(Format("[%1s]", {"abc"}), "[abc]") << "width never truncates";
    EXPECT_EQ(Format("[%*d]", {4, 7}), "[   7]");
    EXPECT_EQ(Format("[%-*.*d]", {5, 2, 7}), "[07   ]");
    EXPECT_EQ(Format("[%*d]", {-4, 7}), "[7   ]") << "a negative star width justifies left";
    EXPECT_EQ(Format("[%6.2f]", {3.14159}), "[  3.14]");
}

TEST_F(FormatTest, IndexesRestartTheArgumentSequence) {
    EXPECT_EQ(Format("%1:s %0:s", {"a", "b"}), "b a");
    EXPECT_EQ(Format("%0:s %s %0:s %s", {"a", "b"}), "a b a b") << "after an index the next argument follows it";
    EXPECT_EQ(Format("%0:s-%0:s", {"x"}), "x-x");
}

TEST_F(FormatTest, TextPrecisionCutsWholeUtf8Characters) {
    EXPECT_EQ(Format("%.2s", {"abcdef"}), "ab");
    EXPECT_EQ(Format("%.4s", {"中文"}), "中") << "a 3-byte character is kept or dropped whole";
    EXPECT_EQ(Format("%.2s", {"中文"}), "");
    EXPECT_EQ(Format("%s", {std::string("std")}), "std");
    EXPECT_EQ(Format("%s%s", {std::string_view("vi"), 'c'}), "vic");
    EXPECT_EQ(Format("%s", {static_cast<const char*>(nullptr)}), "");
    EXPECT_EQ(Format("100%% %s", {"done"}), "100% done");
    EXPECT_EQ(Format("no directives", {}), "no directives");
}

TEST_F(FormatTest, FloatingPointDirectives) {
    EXPECT_EQ(Format("%f", {2.5}), "2.50") << "two decimals by default";
    EXPECT_EQ(Format("%.0f", {2.5}), "3");
    EXPECT_EQ(Format("%.3f", {-0.0005}), "-0.001");
    EXPECT_EQ(Format("%e", {1234.5}), "1.23450000000000E+003");
    EXPECT_EQ(Format("%.3e", {-0.00012345}), "-1.23E-004");
    EXPECT_EQ(Format("%g", {0.1}), "0.1");
    EXPECT_EQ(Format("%g", {1e20}), "1E20");
    EXPECT_EQ(Format("%n", {1234567.125}), "1,234,567.13");
    EXPECT_EQ(Format("%m", {1234.5}), "$1,234.50");
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    EXPECT_EQ(Format("%n", {1234.5}), "1.234,50");
}

TEST_F(FormatTest, PointerIsZeroPaddedHex) {
    int x = 0;
    std::string text = Format("%p", {static_cast<const void*>(&x)});
    EXPECT_EQ(text.size(), 2 * sizeof(void*));
    EXPECT_EQ(Format("%p", {nullptr}), std::string(2 * sizeof(void*), '0'));
}

TEST_F(FormatTest, MismatchedOrMissingArgumentsRaise) {
    ExpectRejected("%d", {"text"});
    ExpectRejected("%s", {5});
    ExpectRejected("%s", {2.5});
    ExpectRejected("%f", {5});  // an integer is no floating-point argument
    ExpectRejected("%d", {2.5});
    ExpectRejected("%s %s", {"one"});
    ExpectRejected("%d", {});
    ExpectRejected("%*d", {"x", 5});  // a star takes an integer
    ExpectRejected("%q", {5});  // unknown directive
    ExpectRejected("50%", {});  // a directive cut short
    ExpectRejected("%p", {5});
}

TEST_F(FormatTest, SpanOfArgumentsWorksLikeTheList) {
    std::vector<FormatArg> args{"a", 1};
    EXPECT_EQ(Format("%s%.2d", std::span<const FormatArg>(args)), "a01");
    std::vector<FormatArg> copied = args;
    EXPECT_EQ(Format("%s", std::span<const FormatArg>(copied)), "a");
}

TEST_F(FormatTest, CharacterArgumentSurvivesCopying) {
    std::vector<FormatArg> args;
    {
        FormatArg c('z');
        args.push_back(c);
    }
    args.reserve(100);
    EXPECT_EQ(Format("%s", std::span<const FormatArg>(args)), "z")
        << "regression: a copied char argument must not view the original's storage";
}

}  // namespace
}  // namespace rt
