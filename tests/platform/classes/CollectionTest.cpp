#include <gtest/gtest.h>

#include "platform/classes/TCollection.h"
#include "platform/classes/TypInfo.h"
#include "tests/platform/classes/TestClasses.h"

namespace rt::test {
namespace {

class TTestColumn : public TCollectionItem {
    RT_CLASS(TTestColumn, TCollectionItem)

public:
    explicit TTestColumn(TCollection* collection = nullptr) : TCollectionItem(collection) {}
    static void Publish(TPublisher<TTestColumn>& p) {
        p.Property("Caption", &TTestColumn::Caption);
        p.Property("Width", &TTestColumn::Width).Default(50);
    }
    std::string DisplayName() const override { return Caption.empty() ? TCollectionItem::DisplayName() : Caption; }
    std::string Caption;
    int Width = 50;
};

class TTestList : public TComponent {
    RT_CLASS(TTestList, TComponent)

public:
    explicit TTestList(TComponent* owner) : TComponent(owner) {}
    static void Publish(TPublisher<TTestList>& p) { p.Property("Columns", &TTestList::columns); }
    TCollection* columns = new TCollection(TTestColumn::StaticClass(), this);
    ~TTestList() override { delete columns; }
};

TEST(CollectionTest, AddInsertDeleteAndIdentity) {
    TCollection c(TTestColumn::StaticClass());
    auto* a = static_cast<TTestColumn*>(c.Add());
    auto* b = static_cast<TTestColumn*>(c.Add());
    auto* first = static_cast<TTestColumn*>(c.Insert(0));
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Items(0), first);
    EXPECT_EQ(a->Index(), 1);
    EXPECT_EQ(first->ID(), 2) << "IDs count creations, not positions";
    EXPECT_EQ(c.FindItemID(1), b);
    b->SetIndex(0);
    EXPECT_EQ(c.Items(0), b);
    EXPECT_EQ(b->ID(), 1) << "identity survives reordering";
    EXPECT_THROW(b->SetIndex(3), EListError);
    c.Delete(0);
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(c.FindItemID(1), nullptr);
    delete a;
    EXPECT_EQ(c.Count(), 1) << "deleting an item removes it from its collection";
    EXPECT_THROW(c.Items(1), EListError);
}

TEST(CollectionTest, UpdateNotificationsAreBracketed) {
    TCollection c(TTestColumn::StaticClass());
    std::vector<TCollectionItem*> updates;
    c.OnUpdate = [&](TCollectionItem* item) { updates.push_back(item); };
    c.Add();
    EXPECT_EQ(updates.size(), 1u);
    c.BeginUpdate();
    c.Add();
    c.Add();
    c.EndUpdate();
    EXPECT_EQ(updates.size(), 2u) << "one update for the bracket";
    c.Clear();
    EXPECT_EQ(updates.size(), 3u);
    EXPECT_EQ(updates.back(), nullptr);
}

TEST(CollectionTest, ItemsOfOneClassCopyPublishedProperties) {
    TCollection source(TTestColumn::StaticClass());
    auto* col = static_cast<TTestColumn*>(source.Add());
    col->Caption = "姓名";
    col->Width = 80;
    TCollection copy(TTestColumn::StaticClass());
    copy.Add();
    copy.Add();
    copy.Assign(&source);
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(static_cast<TTestColumn*>(copy.Items(0))->Caption, "姓名");
    EXPECT_EQ(static_cast<TTestColumn*>(copy.Items(0))->Width, 80);
    EXPECT_EQ(copy.Items(0)->DisplayName(), "姓名");
    TTestFont font;
    EXPECT_THROW(copy.Items(0)->Assign(&font), EConvertError);
}

TEST(CollectionTest, NamePathsAndWrongItemClasses) {
    TTestList list(nullptr);
    list.SetName("lvUsers");
    TCollectionItem* item = list.columns->Add();
    list.columns->Add();
    EXPECT_EQ(list.columns->GetNamePath(), "lvUsers.Columns");
    EXPECT_EQ(list.columns->Items(1)->GetNamePath(), "lvUsers.Columns[1]");
    EXPECT_EQ(GetObjectProp(&list, "Columns"), list.columns);
    EXPECT_THROW(TCollection(TTestFont::StaticClass()), EInvalidOperation);
    EXPECT_EQ(item->Collection(), list.columns);
}

}  // namespace
}  // namespace rt::test
