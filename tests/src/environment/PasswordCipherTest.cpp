#include "src/environment/PasswordCipher.h"

#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <string>

using hemr::DecipherPassword;
using hemr::EncipherPassword;
using hemr::TryDecipherPassword;

TEST(PasswordCipher, KnownFormsFollowTheDocumentedScheme) {
    // "a": 0x61 ^ 'K'(0x4B) ^ 0x5A = 0x70; check 0x5A + 0x61 = 0xBB.
    EXPECT_EQ(EncipherPassword("a"), "70BB");
    // "ab": second byte 0x62 ^ 'e'(0x65) ^ 0x70 = 0x77; check 0x5A + 0x61 + 2 * 0x62 = 0x17F -> 7F.
    EXPECT_EQ(EncipherPassword("ab"), "70777F");
    EXPECT_EQ(EncipherPassword(""), "") << "the empty password is written as an empty text";
}

TEST(PasswordCipher, RoundTripsEveryKindOfPassword) {
    const std::string samples[] = {"sa", "P@ssw0rd!", "aaaaaaaaaaaaaaaaaaaa", "密码123", std::string("a\0b", 3),
                                   "a=b;c \\x"};
    for (const std::string& plain : samples) {
        std::string text = EncipherPassword(plain);
        EXPECT_EQ(text.size(), plain.size() * 2 + 2) << plain;
        EXPECT_EQ(text.find_first_not_of("0123456789ABCDEF"), std::string::npos) << "hexadecimal only: " << text;
        EXPECT_EQ(DecipherPassword(text), plain) << "round trip of " << text;
    }
}

TEST(PasswordCipher, RepeatedCharactersDoNotShowAsRepeatedDigits) {
    std::string text = EncipherPassword("aaaaaaaaaaaaaaaa");
    EXPECT_NE(text.substr(0, 2), text.substr(2, 2));
    EXPECT_NE(text.substr(0, 14), text.substr(14, 14)) << "chaining hides the key's period";
}

TEST(PasswordCipher, LowerCaseDigitsAreAccepted) {
    EXPECT_EQ(DecipherPassword("70777f"), "ab");
    EXPECT_EQ(DecipherPassword(""), "");
}

TEST(PasswordCipher, MalformedTextsAreRejected) {
    std::string good = EncipherPassword("secret");
    std::string swapped = good;
    std::swap(swapped[4], swapped[6]);
    std::swap(swapped[5], swapped[7]);
    ASSERT_NE(swapped, good) << "the third and fourth bytes must differ for the swap to mean something";
    std::string changed = good;
    changed[4] = changed[4] == '0' ? '1' : '0';
    const std::string bad[] = {
        "sa",                              // a plain password left in the file
        good.substr(0, good.size() - 1),   // odd length
        good.substr(0, good.size() - 2),   // check byte dropped
        good.substr(2),                    // first byte dropped
        swapped,                           // two bytes swapped
        changed,                           // one digit changed
        "BB",                              // a check byte alone
        "70BG",                            // not a hexadecimal digit
        " 70BB",                           // blanks are not part of the form
    };
    for (const std::string& text : bad) {
        std::string plain = "unchanged";
        EXPECT_FALSE(TryDecipherPassword(text, plain)) << "'" << text << "' must be refused";
        EXPECT_EQ(plain, "unchanged") << "a refused text leaves the output alone: " << text;
        EXPECT_THROW(DecipherPassword(text), rt::EConvertError) << text;
    }
}
