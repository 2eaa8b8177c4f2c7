#include "platform/mask/TMaskEditor.h"

#include "platform/core/Exceptions.h"
#include "platform/mask/MaskFunctions.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

constexpr const char* kDateMask = "9999/99/99;1;_";

TEST(MaskTypingTest, DigitsFillTheSlotsAndSkipLiterals) {
    TMaskEditor editor(kDateMask);
    EXPECT_EQ(editor.EditText(), "____/__/__");
    EXPECT_TRUE(editor.TypeText("20050307"));
    EXPECT_EQ(editor.EditText(), "2005/03/07");
    EXPECT_EQ(editor.Text(), "2005/03/07");
    EXPECT_EQ(editor.SelStart(), 10);
    EXPECT_TRUE(editor.Modified());
    EXPECT_FALSE(editor.TypeChar(U'1')) << "typing past the end is refused";
    EXPECT_EQ(editor.EditText(), "2005/03/07");
}

TEST(MaskTypingTest, TypedSeparatorsAreTakenAsLiterals) {
    TMaskEditor full(kDateMask);
    EXPECT_TRUE(full.TypeText("2005/03/07")) << "a separator right after the skip is no extra input";
    EXPECT_EQ(full.EditText(), "2005/03/07");

    TMaskEditor quick(kDateMask);
    EXPECT_TRUE(quick.TypeText("2005/3/7")) << "a separator typed early jumps past the next literal";
    EXPECT_EQ(quick.EditText(), "2005/3_/7_");
    EXPECT_EQ(quick.Text(), "2005/3 /7 ");

    TMaskEditor skipped(kDateMask);
    EXPECT_TRUE(skipped.TypeText("2005//7"));
    EXPECT_EQ(skipped.EditText(), "2005/__/7_") << "a second separator skips the month";
}

TEST(MaskTypingTest, WrongCharactersChangeNothing) {
    TMaskEditor editor(kDateMask);
    editor.TypeText("20");
    EXPECT_FALSE(editor.TypeChar(U'x'));
    EXPECT_FALSE(editor.TypeChar(U'-')) << "- is not the literal that follows";
    EXPECT_EQ(editor.EditText(), "20__/__/__");
    EXPECT_EQ(editor.SelStart(), 2);
    EXPECT_FALSE(editor.TypeText("0x5")) << "one refused character makes the result false";
    EXPECT_EQ(editor.EditText(), "2005/__/__") << "the others are still typed";
}

TEST(MaskTypingTest, LiteralsAreDroppedFromTextWhenNotSaved) {
    TMaskEditor editor("9999/99/99;0;_");
    editor.TypeText("20050307");
    EXPECT_EQ(editor.EditText(), "2005/03/07");
    EXPECT_EQ(editor.Text(), "20050307");
    editor.SetText("200503");
    EXPECT_EQ(editor.EditText(), "2005/03/__");
    EXPECT_EQ(editor.Text(), "200503");
}

TEST(MaskTypingTest, EveryDateLayoutTakesItsDigits) {
    struct Case {
        const char* mask;
        const char* typed;
        const char* shown;
    } cases[] = {{"9999/99/99;1; ", "20050307", "2005/03/07"},
                 {"99/99/9999;1; ", "03072005", "03/07/2005"},
                 {"99/99/99;1; ", "940307", "94/03/07"},
                 {"999/99/99;1; ", "0940307", "094/03/07"},
                 {"9999/99;1;_", "200503", "2005/03"},
                 {"99/9999;1;_", "032005", "03/2005"}};
    for (const Case& c : cases) {
        TMaskEditor editor(c.mask);
        EXPECT_TRUE(editor.TypeText(c.typed)) << c.mask;
        EXPECT_EQ(editor.Text(), c.shown) << c.mask;
    }
}

TEST(MaskTypingTest, CaseDirectivesConvertLetters) {
    TMaskEditor editor(">LL<ll<>LL;1;_");
    EXPECT_TRUE(editor.TypeText("abCDeF"));
    EXPECT_EQ(editor.EditText(), "ABcdeF");
    TMaskEditor mixed(">CC;1;_");
    mixed.TypeText("é1");
    EXPECT_EQ(mixed.Text(), "É1");
}

TEST(MaskTypingTest, EscapedCharactersAreLiterals) {
    TMaskEditor editor("\\A\\9-000;1;_");
    EXPECT_EQ(editor.EditText(), "A9-___");
    EXPECT_EQ(editor.SelStart(), 3) << "the caret starts on the first slot";
    EXPECT_TRUE(editor.TypeText("123"));
    EXPECT_EQ(editor.Text(), "A9-123");
}

TEST(MaskTypingTest, SeparatorsComeFromTheGivenSettings) {
    TMaskEditor editor("9999/99/99 99:99;1;_", TMaskSeparators::FromText("-", "."));
    EXPECT_EQ(editor.EditText(), "____-__-__ __.__");
    EXPECT_TRUE(editor.TypeText("2005-3-7 8.5"));
    EXPECT_EQ(editor.EditText(), "2005-3_-7_ 8_.5_");
    EXPECT_FALSE(editor.TypeChar(U'/')) << "the mask's own / is not what is shown";
}

TEST(MaskTypingTest, ChineseLiteralsCountAsOneCharacter) {
    TMaskEditor editor("9999年99月99日;1;_");
    EXPECT_EQ(editor.MaxLength(), 11);
    editor.TypeText("20050307");
    EXPECT_EQ(editor.Text(), "2005年03月07日");
    EXPECT_EQ(editor.SelStart(), 11) << "the caret passes the closing literal";
    TMaskEditor names("LLL;1;_");
    EXPECT_TRUE(names.TypeText("张三丰"));
    EXPECT_EQ(names.Text(), "张三丰");
}

TEST(MaskTypingTest, SelectionIsBlankedThenOverwritten) {
    TMaskEditor editor(kDateMask);
    editor.SetText("2005/03/07");
    editor.SetSel(2, 5);
    EXPECT_EQ(editor.SelText(), "05/03");
    EXPECT_TRUE(editor.TypeChar(U'1'));
    EXPECT_EQ(editor.EditText(), "201_/__/07");
    EXPECT_EQ(editor.SelStart(), 3);

    editor.SetSel(0, 4);
    EXPECT_FALSE(editor.TypeChar(U'x'));
    EXPECT_EQ(editor.EditText(), "201_/__/07") << "a refused character leaves the selection's text";
    EXPECT_EQ(editor.SelLength(), 4);
}

TEST(MaskDeletingTest, BackspaceBlanksTheSlotBeforeTheLiteral) {
    TMaskEditor editor(kDateMask);
    editor.TypeText("2005");
    ASSERT_EQ(editor.SelStart(), 5);
    EXPECT_TRUE(editor.Backspace());
    EXPECT_EQ(editor.EditText(), "200_/__/__") << "the literal stays, the year digit goes";
    EXPECT_EQ(editor.SelStart(), 3);
    editor.Home();
    EXPECT_FALSE(editor.Backspace()) << "nothing before the first slot";
}

TEST(MaskDeletingTest, DeleteBlanksWithoutShifting) {
    TMaskEditor editor(kDateMask);
    editor.SetText("2005/03/07");
    editor.SetSel(5, 0);
    EXPECT_TRUE(editor.Delete());
    EXPECT_EQ(editor.EditText(), "2005/_3/07") << "the next digit does not move up";
    EXPECT_EQ(editor.SelStart(), 5);
    editor.SetSel(3, 4);
    EXPECT_TRUE(editor.Delete());
    EXPECT_EQ(editor.EditText(), "200_/__/07") << "a selection loses its slots, not its literals";
    editor.End();
    EXPECT_FALSE(editor.Delete());
}

TEST(MaskCaretTest, MovesStayOnSlots) {
    TMaskEditor editor("(999) 999;1;_");
    EXPECT_EQ(editor.SelStart(), 1);
    editor.SetSel(4, 0);
    EXPECT_EQ(editor.SelStart(), 6) << "a caret put on a literal moves to the next slot";
    editor.Left();
    EXPECT_EQ(editor.SelStart(), 3);
    editor.Right();
    EXPECT_EQ(editor.SelStart(), 6);
    editor.End();
    EXPECT_EQ(editor.SelStart(), 9);
    editor.Left();
    EXPECT_EQ(editor.SelStart(), 8);
    editor.Home();
    EXPECT_EQ(editor.SelStart(), 1);
    editor.SetSel(-3, 99);
    EXPECT_EQ(editor.SelStart(), 0);
    EXPECT_EQ(editor.SelLength(), 9);
}

TEST(MaskTextTest, OptionalSlotsWithAndWithoutReverse) {
    TMaskEditor forward("999;0;_");
    forward.SetText("12");
    EXPECT_EQ(forward.EditText(), "12_");
    EXPECT_EQ(forward.Text(), "12");

    TMaskEditor reverse("!999;0;_");
    reverse.SetText("12");
    EXPECT_EQ(reverse.EditText(), "_12");
    EXPECT_EQ(reverse.Text(), "12");

    TMaskEditor dates("!99/99/99;1;_");
    dates.SetText("1/2/03");
    EXPECT_EQ(dates.EditText(), "_1/_2/03");
    EXPECT_EQ(dates.Text(), " 1/ 2/03");
}

TEST(MaskTextTest, EmptyFieldMatchesTheBlankRendering) {
    // An edit counts as empty when its trimmed Text equals the trimmed blank rendering.
    TMaskEditor editor("9999/99/99;1; ");
    EXPECT_EQ(editor.Text(), "    /  /  ");
    EXPECT_EQ(editor.EmptyText(), editor.Text());
    EXPECT_EQ(MaskGetBlankText(editor.EditMask()), editor.EditText());
    editor.TypeChar(U'2');
    EXPECT_NE(editor.Text(), editor.EmptyText());
    editor.Clear();
    EXPECT_EQ(editor.Text(), editor.EmptyText());
    EXPECT_FALSE(editor.Modified());
}

TEST(MaskTextTest, ChangingTheMaskKeepsTheEntry) {
    TMaskEditor editor(kDateMask);
    editor.SetText("2005/03/07");
    editor.SetEditMask("99999999;0;_");
    EXPECT_EQ(editor.Text(), "20050307");
    editor.SetEditMask("");
    EXPECT_EQ(editor.Text(), "20050307");

    TMaskEditor typing(kDateMask);
    typing.TypeText("2005/3");
    typing.SetEditMask(kDateMask);
    EXPECT_EQ(typing.EditText(), "2005/3_/__") << "the same mask again keeps the entry as it is";
    EXPECT_EQ(typing.SelStart(), 6);
    EXPECT_TRUE(typing.Modified());

    TMaskEditor plain;
    plain.SetText("2005/3/7");
    plain.SetEditMask(kDateMask);
    EXPECT_EQ(plain.EditText(), "2005/3_/7_") << "a plain text is taken as the Text";
}

TEST(MaskTextTest, MalformedBytesPassThroughUnchanged) {
    const std::string gbk = "\xD6\xD0";
    TMaskEditor plain;
    plain.SetText(gbk);
    EXPECT_EQ(plain.Text(), gbk);
    TMaskEditor any("CC;0;_");
    any.SetText(gbk);
    EXPECT_EQ(any.Text(), gbk);
}

TEST(MaskValidationTest, EmptyRequiredSlotRaisesAndPlacesTheCaret) {
    TMaskEditor editor("0000/00/00;1;_");
    editor.TypeText("2005031");
    try {
        editor.ValidateEdit();
        FAIL() << "an empty required slot must be reported";
    } catch (const EMaskException& e) {
        EXPECT_STREQ(e.what(), "Invalid input value.  Use escape key to abandon changes");
        EXPECT_STREQ(e.ClassName(), "EMaskException");
    }
    EXPECT_EQ(editor.SelStart(), 9);
    editor.TypeChar(U'5');
    EXPECT_NO_THROW(editor.ValidateEdit());
}

TEST(MaskValidationTest, UnmodifiedOrOptionalEntriesPass) {
    TMaskEditor required("0000;1;_");
    EXPECT_NO_THROW(required.ValidateEdit()) << "an untouched edit is not checked";
    EXPECT_EQ(required.FirstInvalidPosition(), 0);
    TMaskEditor optional(kDateMask);
    optional.TypeChar(U'2');
    EXPECT_NO_THROW(optional.ValidateEdit());
}

TEST(MaskUndoTest, ResetReturnsToTheSavedText) {
    TMaskEditor editor(kDateMask);
    editor.SetText("2005/03/07");
    editor.TypeText("1999");
    EXPECT_TRUE(editor.Reset());
    EXPECT_EQ(editor.EditText(), "2005/03/07");
    EXPECT_FALSE(editor.Modified());
    EXPECT_FALSE(editor.Reset()) << "nothing to abandon";

    editor.TypeText("1999");
    editor.SaveOldValue();
    editor.TypeText("12");
    editor.Reset();
    EXPECT_EQ(editor.EditText(), "1999/03/07");
}

TEST(MaskPasteTest, PasteIsAllOrNothing) {
    TMaskEditor editor(kDateMask);
    EXPECT_FALSE(editor.PasteText("2005/0x/07"));
    EXPECT_EQ(editor.EditText(), "____/__/__");
    EXPECT_FALSE(editor.Modified());
    EXPECT_TRUE(editor.PasteText("2005/03/07\nsecond line"));
    EXPECT_EQ(editor.EditText(), "2005/03/07");
    editor.SetReadOnly(true);
    editor.SelectAll();
    EXPECT_FALSE(editor.PasteText("1999"));
    EXPECT_FALSE(editor.Backspace());
    EXPECT_FALSE(editor.TypeChar(U'1'));
    EXPECT_EQ(editor.EditText(), "2005/03/07");
}

TEST(PlainEditTest, InsertsAndHonoursMaxLength) {
    TMaskEditor editor;
    editor.SetMaxLength(2);
    EXPECT_FALSE(editor.TypeText("123"));
    EXPECT_EQ(editor.Text(), "12");
    editor.Home();
    EXPECT_FALSE(editor.TypeChar(U'0')) << "full";
    editor.SetMaxLength(0);
    EXPECT_TRUE(editor.TypeChar(U'0'));
    EXPECT_EQ(editor.Text(), "012") << "plain typing inserts";
    EXPECT_TRUE(editor.Backspace());
    EXPECT_EQ(editor.Text(), "12");
    EXPECT_TRUE(editor.Delete());
    EXPECT_EQ(editor.Text(), "2");
    editor.SetMaxLength(3);
    editor.End();
    EXPECT_TRUE(editor.PasteText("3456"));
    EXPECT_EQ(editor.Text(), "234") << "a paste is cut to the room left";
    EXPECT_EQ(editor.MaxLength(), 3);
}

}  // namespace
}  // namespace rt
