#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(Exceptions, ClassNamesFollowTheChainForReportsAndHandlers) {
    rt::EVariantBadIndexError bad("Variant or safe array index out of bounds");
    EXPECT_STREQ(bad.ClassName(), "EVariantBadIndexError");
    EXPECT_TRUE(bad.InheritsFrom("EVariantError")) << "bad index is a variant error";
    EXPECT_TRUE(bad.InheritsFrom("Exception")) << "every exception is an Exception";
    EXPECT_FALSE(bad.InheritsFrom("EConvertError")) << "siblings are unrelated";

    rt::EOleException ole("server failed", -2147352567, "Server");
    EXPECT_TRUE(ole.InheritsFrom("EOleSysError"));
    EXPECT_TRUE(ole.InheritsFrom("EOleError"));
    EXPECT_EQ(ole.Source(), "Server");

    rt::EOSError os("denied", 13);
    EXPECT_TRUE(os.InheritsFrom("EWin32Error")) << "the old name of the system error class still matches";
}

TEST(Exceptions, MessageIsWhatAndCanBeReplaced) {
    rt::EConvertError e("'x' is not a valid integer value");
    EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    e.SetMessage("other");
    EXPECT_EQ(e.Message(), "other");
}

}  // namespace
