#include <gtest/gtest.h>

#include "platform/classes/TypInfo.h"
#include "tests/platform/classes/TestClasses.h"

namespace rt::test {
namespace {

class PropertyTest : public ::testing::Test {
protected:
    TTestForm form{nullptr};
    TTestEdit* edit = new TTestEdit(&form);
    void SetUp() override { edit->SetName("ed01"); }
};

TEST_F(PropertyTest, StringIntegerFloatAndCharByName) {
    SetStrProp(edit, "Text", "你好");
    EXPECT_EQ(edit->GetText(), "你好") << "string written through the setter";
    EXPECT_EQ(GetStrProp(edit, "text"), "你好") << "names ignore case";
    SetOrdProp(edit, "Width", 120);
    EXPECT_EQ(edit->Width, 120);
    SetFloatProp(edit, "Ratio", 2.5);
    EXPECT_DOUBLE_EQ(GetFloatProp(edit, "Ratio"), 2.5);
    SetPropText(edit, "PasswordChar", "*");
    EXPECT_EQ(edit->PasswordChar, '*');
    EXPECT_EQ(GetPropText(edit, "Ratio"), "2.5");
    EXPECT_EQ(GetOrdProp(edit, "Counter"), 42) << "read-only getter";
}

TEST_F(PropertyTest, EnumerationsAndBooleansByValueName) {
    SetEnumProp(edit, "Alignment", "taCenter");
    EXPECT_EQ(edit->Alignment, taCenter);
    EXPECT_EQ(GetEnumProp(edit, "Alignment"), "taCenter");
    SetEnumProp(edit, "Visible", "False");
    EXPECT_FALSE(edit->Visible);
    EXPECT_EQ(GetPropText(edit, "Visible"), "False");
    SetPropText(edit, "Visible", " true ");
    EXPECT_TRUE(edit->Visible) << "enumeration text is trimmed and case-insensitive";
}

TEST_F(PropertyTest, SetsAsBracketedText) {
    SetSetProp(edit, "Font.Style", "[fsItalic, fsBold]");
    EXPECT_TRUE(edit->GetFont()->Style.Contains(fsBold));
    EXPECT_TRUE(edit->GetFont()->Style.Contains(fsItalic));
    EXPECT_FALSE(edit->GetFont()->Style.Contains(fsUnderline));
    EXPECT_EQ(GetSetProp(edit, "Font.Style"), "[fsBold,fsItalic]") << "written in value order";
    EXPECT_EQ(GetSetProp(edit, "Font.Style", false), "fsBold,fsItalic");
    SetPropText(edit, "Font.Style", "[]");
    EXPECT_TRUE(edit->GetFont()->Style.Empty());
    EXPECT_EQ(GetOrdProp(edit, "Font.Style"), 0);
}

TEST_F(PropertyTest, DottedPathsFollowSubObjects) {
    SetStrProp(edit, "Font.Name", "宋体");
    SetPropText(edit, "Font.Size", "12");
    EXPECT_EQ(edit->GetFont()->Name, "宋体");
    EXPECT_EQ(edit->GetFont()->Size, 12);
    EXPECT_TRUE(HasProperty(edit, "Font.Size"));
    EXPECT_FALSE(HasProperty(edit, "Font.Colour"));
    EXPECT_FALSE(HasProperty(edit, "Text.Length")) << "a string has no sub-properties";
    EXPECT_FALSE(HasProperty(nullptr, "Text"));
    EXPECT_FALSE(HasProperty(edit, ""));
}

TEST_F(PropertyTest, FailedWritesLeaveTheValueAndSayWhy) {
    edit->Alignment = taRightJustify;
    edit->GetFont()->Size = 10;
    edit->Width = 5;
    SetStrProp(edit, "Text", "kept");

    const TPropResult badEnum = TrySetPropText(edit, "Alignment", "taMiddle");
    EXPECT_FALSE(badEnum.Ok);
    EXPECT_EQ(badEnum.Reason, "Invalid value 'taMiddle' for property Alignment");
    EXPECT_EQ(edit->Alignment, taRightJustify);

    EXPECT_EQ(TrySetPropText(edit, "Font.Sise", "3").Reason, "Property Font.Sise does not exist");
    EXPECT_EQ(TrySetPropText(edit, "Font.Size", "3x").Reason, "Invalid value '3x' for property Font.Size");
    EXPECT_EQ(edit->GetFont()->Size, 10);

    EXPECT_FALSE(TrySetOrdProp(edit, "Width", 70000).Ok) << "beyond the range of a short";
    EXPECT_EQ(edit->Width, 5);
    EXPECT_FALSE(TrySetOrdProp(edit, "Alignment", 3).Ok) << "no fourth alignment";
    EXPECT_EQ(TrySetOrdProp(edit, "Counter", 1).Reason, "Property Counter is read-only");
    EXPECT_FALSE(TrySetOrdProp(edit, "Text", 1).Ok) << "kind mismatch";
    EXPECT_FALSE(TrySetPropText(edit, "Font.Style", "[fsBold,fsHeavy]").Ok);
    EXPECT_TRUE(edit->GetFont()->Style.Empty());

    const TPropResult thrown = TrySetStrProp(edit, "Text", "bad");
    EXPECT_EQ(thrown.Reason, "Cannot set property Text: bad text");
    EXPECT_EQ(edit->GetText(), "kept") << "a setter that throws halfway is undone";

    try {
        SetEnumProp(edit, "Alignment", "sp_Range");
        FAIL() << "bad enumeration name must raise";
    } catch (const EPropertyError& e) {
        EXPECT_EQ(e.Message(), "Invalid value 'sp_Range' for property Alignment");
    }
    EXPECT_THROW(GetStrProp(edit, "Nothing"), EPropertyError);
}

TEST_F(PropertyTest, ObjectValuedProperties) {
    TTestEdit* other = new TTestEdit(&form);
    other->SetName("ed02");
    SetObjectProp(edit, "FocusControl", other);
    EXPECT_EQ(edit->GetFocusControl(), other);
    EXPECT_EQ(GetPropText(edit, "FocusControl"), "ed02");
    SetPropText(edit, "FocusControl", "");
    EXPECT_EQ(edit->GetFocusControl(), nullptr);
    SetPropText(edit, "FocusControl", "ED02");
    EXPECT_EQ(edit->GetFocusControl(), other) << "references by name are looked up among the owner's components";
    EXPECT_FALSE(TrySetPropText(edit, "FocusControl", "ed99").Ok);
    EXPECT_EQ(edit->GetFocusControl(), other);

    TTestFont font;
    font.Name = "Courier";
    EXPECT_FALSE(TrySetObjectProp(edit, "FocusControl", &font).Ok) << "a font is not a component";
    SetObjectProp(edit, "Font", &font);
    EXPECT_EQ(edit->GetFont()->Name, "Courier") << "sub-object setter assigns";
    EXPECT_NE(edit->GetFont(), &font);
    EXPECT_EQ(GetObjectProp(edit, "Font"), edit->GetFont());

    delete other;
    EXPECT_EQ(edit->GetFocusControl(), nullptr) << "free notification clears the reference";
}

TEST_F(PropertyTest, TablesAreChainedAndRepublishedDefaultsOverride) {
    const auto& props = GetPropInfos(TTestHiddenEdit::StaticClass());
    ASSERT_GE(props.size(), 4u);
    EXPECT_EQ(props[0]->Name, "Name") << "the root class's properties come first";
    EXPECT_EQ(props[1]->Name, "Tag");
    EXPECT_EQ(props[2]->Name, "Text");
    EXPECT_EQ(props.back()->Name, "Hint");
    const TPropInfo* visible = GetPropInfo(TTestHiddenEdit::StaticClass(), "Visible");
    ASSERT_NE(visible, nullptr);
    EXPECT_EQ(visible->DefaultOrd, 0) << "derived default";
    EXPECT_EQ(props[4], visible) << "a re-published property keeps its position";
    EXPECT_EQ(GetPropInfo(TTestEdit::StaticClass(), "Visible")->DefaultOrd, 1) << "parent's table is untouched";
    EXPECT_FALSE(IsPublishedProp(TTestEdit::StaticClass(), "Hint"));
}

TEST_F(PropertyTest, StoredAndDefault) {
    const TPropInfo& align = *GetPropInfo(edit, "Alignment");
    EXPECT_TRUE(IsDefaultValue(edit, align));
    edit->Alignment = taCenter;
    EXPECT_FALSE(IsDefaultValue(edit, align));
    EXPECT_TRUE(IsDefaultValue(edit, *GetPropInfo(edit, "Ratio"))) << "floats default to 0";
    edit->Ratio = 1.5;
    EXPECT_FALSE(IsDefaultValue(edit, *GetPropInfo(edit, "Ratio")));
    EXPECT_TRUE(IsDefaultValue(edit, *GetPropInfo(edit, "Text"))) << "empty string is the default";
    EXPECT_FALSE(IsStoredProp(edit, *GetPropInfo(edit, "Counter")));
    EXPECT_FALSE(IsStoredProp(edit, *GetPropInfo(edit, "Name")));
    EXPECT_TRUE(IsDefaultValue(edit, *GetPropInfo(edit, "OnExit")));
}

}  // namespace
}  // namespace rt::test
