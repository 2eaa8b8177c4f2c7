#include <gtest/gtest.h>

#include "platform/classes/TStringList.h"
#include "platform/core/Exceptions.h"

namespace rt {
namespace {

std::vector<std::string> Lines(const TStrings& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Strings(i));
    return lines;
}

TEST(StringListTest, TextJoinsWithCrLfAndSplitsAtAnyBreak) {
    TStringList list;
    list.SetText("a\r\nb\nc\rd");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
    list.SetText("x\r\n\r\ny\r\n");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"x", "", "y"})) << "a final break adds no empty line";
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringListTest, CommaTextQuotesWhatNeedsIt) {
    TStringList list;
    list.Add("plain");
    list.Add("with space");
    list.Add("a,b");
    list.Add("say \"hi\"");
    list.Add("");
    list.Add("中文");
    EXPECT_EQ(list.CommaText(), "plain,\"with space\",\"a,b\",\"say \"\"hi\"\"\",,中文");
    TStringList back;
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(Lines(back), Lines(list)) << "comma text reads back what it wrote";

    back.SetCommaText("  one two , \"three, four\" ,");
    EXPECT_EQ(Lines(back), (std::vector<std::string>{"one", "two", "three, four", ""}))
        << "unquoted blanks separate items; a trailing comma adds an empty item";
    TStringList single;
    single.Add("");
    EXPECT_EQ(single.CommaText(), "\"\"");
    back.SetCommaText("\"unterminated");
    EXPECT_EQ(Lines(back), std::vector<std::string>{"unterminated"});
}

TEST(StringListTest, DelimitedTextUsesDelimiterAndQuoteChar) {
    TStringList list;
    list.SetDelimiter(';');
    list.SetQuoteChar('\'');
    list.SetDelimitedText("a;'b;c';'it''s'");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b;c", "it's"}));
    EXPECT_EQ(list.DelimitedText(), "a;'b;c';'it''s'");
}

TEST(StringListTest, NameValuePairs) {
    TStringList list;
    list.Add("936=CHS");
    list.Add("950=CHT");
    list.Add("novalue");
    EXPECT_EQ(list.Values("950"), "CHT");
    EXPECT_EQ(list.Values("437"), "");
    EXPECT_EQ(list.Names(0), "936");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.ValueFromIndex(2), "") << "a line without '=' has no value";
    EXPECT_EQ(list.IndexOfName("950"), 1);
    list.SetValues("437", "ENG");
    EXPECT_EQ(list.Strings(3), "437=ENG");
    list.SetValues("936", "GB");
    EXPECT_EQ(list.Strings(0), "936=GB") << "replaced in place";
    list.SetValues("950", "");
    EXPECT_EQ(list.IndexOfName("950"), -1) << "setting empty removes the line";
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringListTest, IndexOfIgnoresCaseUnlessCaseSensitive) {
    TStringList list;
    list.Add("Alpha");
    EXPECT_EQ(list.IndexOf("ALPHA"), 0);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("ALPHA"), -1);
}

TEST(StringListTest, SortedListsAndDuplicates) {
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"pear", "Apple", "fig", "apple"}) list.Add(s);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"Apple", "fig", "pear"})) << "dupIgnore drops case variants";
    int index = -1;
    EXPECT_TRUE(list.Find("FIG", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("grape", index));
    EXPECT_EQ(index, 2) << "insertion point";
    EXPECT_THROW(list.Insert(0, "x"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "x"), EStringListError);

    list.SetDuplicates(dupError);
    try {
        list.Add("PEAR");
        FAIL() << "duplicate must raise";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "String list does not allow duplicates");
    }
    EXPECT_EQ(list.Count(), 3);
    list.SetDuplicates(dupAccept);
    EXPECT_EQ(list.Add("fig"), 1) << "accepted duplicate goes before the existing one";
    EXPECT_EQ(list.Count(), 4);

    TStringList unsorted;
    for (const char* s : {"c", "a", "b"}) unsorted.Add(s);
    unsorted.CustomSort([](const TStringList& l, int a, int b) { return l.Strings(b).compare(l.Strings(a)); });
    EXPECT_EQ(Lines(unsorted), (std::vector<std::string>{"c", "b", "a"}));
    unsorted.SetSorted(true);
    EXPECT_EQ(Lines(unsorted), (std::vector<std::string>{"a", "b", "c"})) << "sorting on when switched to sorted";
}

TEST(StringListTest, IndexErrorsAndObjects) {
    TStringList list;
    TStringList marker;
    list.AddObject("a", &marker);
    EXPECT_EQ(list.Objects(0), &marker);
    EXPECT_EQ(list.IndexOfObject(&marker), 0);
    try {
        list.Strings(1);
        FAIL() << "index 1 of one line must raise";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (1)");
    }
    EXPECT_THROW(list.Delete(-1), EStringListError);
    EXPECT_THROW(list.Insert(2, "x"), EStringListError);
    EXPECT_THROW(list.Objects(5), EListError) << "string list errors are list errors";
}

class ChangeCounter : public TObject {
    RT_CLASS(ChangeCounter, TObject)

public:
    void Changed(TObject*) { ++changes; }
    void Changing(TObject*) { ++changing; }
    int changes = 0;
    int changing = 0;
};

TEST(StringListTest, ChangeEventsAndUpdateBrackets) {
    TStringList list;
    ChangeCounter counter;
    list.OnChange = TNotifyEvent::Of<&ChangeCounter::Changed>(&counter);
    list.OnChanging = TNotifyEvent::Of<&ChangeCounter::Changing>(&counter);
    list.Add("a");
    EXPECT_EQ(counter.changes, 1);
    EXPECT_EQ(counter.changing, 1);
    list.BeginUpdate();
    list.Add("b");
    list.Add("c");
    list.Delete(0);
    EXPECT_EQ(counter.changes, 1) << "silent inside an update bracket";
    list.EndUpdate();
    EXPECT_EQ(counter.changes, 2) << "one change at the end of the bracket";
    EXPECT_EQ(counter.changing, 2);
    list.SetText("x\ny");
    EXPECT_EQ(counter.changes, 3) << "setting text is one change";
}

TEST(StringListTest, AssignAndAddStrings) {
    TStringList a;
    a.SetCommaText("x,y");
    TStringList b;
    b.Add("old");
    b.Assign(&a);
    EXPECT_EQ(Lines(b), (std::vector<std::string>{"x", "y"}));
    b.AddStrings(a);
    EXPECT_EQ(b.Count(), 4);
    EXPECT_TRUE(a.Equals(a));
    EXPECT_FALSE(a.Equals(b));
    EXPECT_THROW(b.Assign(nullptr), EConvertError);
}

}  // namespace
}  // namespace rt
