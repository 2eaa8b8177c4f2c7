#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/controls/VirtualKeys.h"
#include "platform/mask/MaskFunctions.h"
#include "platform/forms/ToolkitClasses.h"
#include "platform/maskedit/TMaskEdit.h"
#include "platform/streaming/FormResources.h"

namespace rt {
namespace {

void Type(TMaskEdit& edit, const std::string& text) {
    for (char c : text) edit.Perform(WM_CHAR, static_cast<unsigned char>(c));
}

struct DateMaskCase {
    const char* Mask;
    const char* Blank;
    const char* Typed;
    const char* EditText;
};

class DateMaskTest : public ::testing::TestWithParam<DateMaskCase> {};

TEST_P(DateMaskTest, BlankRenderingFormattingAndTyping) {
    const DateMaskCase& c = GetParam();
    EXPECT_EQ(MaskGetBlankText(c.Mask), c.Blank);
    EXPECT_EQ(FormatMaskText(c.Mask, c.EditText), c.EditText) << "a value with its literals formats to itself";

    TMaskEdit edit(nullptr);
    edit.SetEditMask(c.Mask);
    EXPECT_EQ(edit.EditText(), c.Blank) << "a new edit shows the blank mask";
    EXPECT_EQ(edit.MaxLength(), static_cast<int>(std::string(c.Blank).size()));
    Type(edit, c.Typed);
    EXPECT_EQ(edit.EditText(), c.EditText) << "typing digits skips the literals";
    EXPECT_EQ(edit.GetText(), c.EditText) << "the mask saves its literals";
    EXPECT_TRUE(edit.Modified());
}

INSTANTIATE_TEST_SUITE_P(Layouts, DateMaskTest,
                         ::testing::Values(DateMaskCase{"!9999/99/99;1; ", "    /  /  ", "20050307", "2005/03/07"},
                                           DateMaskCase{"!99/99/9999;1; ", "  /  /    ", "07032005", "07/03/2005"},
                                           DateMaskCase{"!999/99/99;1; ", "   /  /  ", "0940307", "094/03/07"}));

TEST(MaskEditTest, SaveFlagDecidesWhetherTextCarriesTheLiterals) {
    TMaskEdit edit(nullptr);
    edit.SetEditMask("!9999/99/99;0; ");
    Type(edit, "20050307");
    EXPECT_EQ(edit.EditText(), "2005/03/07");
    EXPECT_EQ(edit.GetText(), "20050307") << "literals are dropped when not saved";
    edit.SetText("19991231");
    EXPECT_EQ(edit.EditText(), "1999/12/31") << "Text without literals fills the slots";

    edit.SetEditMask("!9999/99/99;1; ");
    edit.SetText("2005/3/7");
    EXPECT_EQ(edit.EditText(), "2005/ 3/ 7") << "each piece between literals is fitted to its slots, blanks in front with !";
}

TEST(MaskEditTest, TypedLiteralIsTakenAsAlreadySkipped) {
    TMaskEdit edit(nullptr);
    edit.SetEditMask("!9999/99/99;1; ");
    Type(edit, "2005/03/07");
    EXPECT_EQ(edit.EditText(), "2005/03/07");
}

TEST(MaskEditTest, RefusedCharacterAndBackspaceBlankSlotsInsteadOfShifting) {
    TMaskEdit edit(nullptr);
    edit.SetEditMask("!9999/99/99;1; ");
    Type(edit, "20x05");
    EXPECT_EQ(edit.EditText(), "2005/  /  ") << "a letter does not fit a digit slot";
    Type(edit, "\b");
    EXPECT_EQ(edit.EditText(), "200 /  /  ") << "Backspace blanks the slot before the literal";
    EXPECT_EQ(edit.SelStart(), 3);
}

TEST(MaskEditTest, ValidateEditRefusesIncompleteInputWithTheCaretOnTheGap) {
    TMaskEdit edit(nullptr);
    edit.SetEditMask("0000/00/00;1;_");
    edit.ValidateEdit();  // not modified yet: nothing to check
    Type(edit, "200503");
    EXPECT_THROW(edit.ValidateEdit(), EDBEditError);
    EXPECT_EQ(edit.SelStart(), 8) << "the caret goes to the first empty required slot";
    Type(edit, "07");
    EXPECT_NO_THROW(edit.ValidateEdit());
}

TEST(MaskEditTest, EscapeGoesBackToTheTextBeforeEditing) {
    TMaskEdit edit(nullptr);
    edit.SetEditMask("!9999/99/99;1; ");
    edit.SetText("2001/01/01");
    edit.SelectAll();
    Type(edit, "1999");
    uint16_t key = VK_ESCAPE;
    edit.Perform(WM_KEYDOWN, key);
    EXPECT_EQ(edit.GetText(), "2001/01/01");
    EXPECT_FALSE(edit.Modified());
}

TEST(MaskEditTest, UnmaskedEditIsAPlainEdit) {
    TMaskEdit edit(nullptr);
    edit.SetMaxLength(3);
    Type(edit, "abcd");
    EXPECT_EQ(edit.GetText(), "abc");
    EXPECT_FALSE(edit.IsMasked());
    EXPECT_NO_THROW(edit.ValidateEdit());
}

TEST(MaskEditTest, TextSetFromOutsideIsConformedToTheMask) {
    TMaskEdit edit(nullptr);
    edit.SetEditMask("!9999/99/99;1; ");
    static_cast<TControl&>(edit).SetText("2005/03/07xyz");
    EXPECT_EQ(edit.EditText(), "2005/03/07") << "surplus characters are dropped";
}

TEST(MaskEditTest, FormResourceKeepsMaskAndFormattedText) {
    RegisterToolkitClasses();
    TComponent root(nullptr);
    root.SetName("Root");
    auto* edit = new TMaskEdit(&root);
    edit->SetName("BeginEdit");
    edit->SetEditMask("!9999/99/99;1; ");
    edit->SetText("2005/03/07");
    const std::string text = WriteComponentResText(edit);
    EXPECT_NE(text.find("EditMask = '!9999/99/99;1; '"), std::string::npos) << text;

    TMaskEdit loaded(nullptr);
    ReadComponentResText(&loaded, text);
    EXPECT_EQ(loaded.EditMask(), "!9999/99/99;1; ");
    EXPECT_EQ(loaded.GetText(), "2005/03/07") << "Text read before the mask still goes through it";
    EXPECT_EQ(loaded.EditText(), "2005/03/07");
}

}  // namespace
}  // namespace rt
