#include <gtest/gtest.h>

#include "platform/classes/ClassRegistry.h"
#include "tests/platform/classes/TestClasses.h"

namespace rt::test {
namespace {

TEST(ComponentTest, OwnershipOrderAndLookup) {
    TTestForm form(nullptr);
    auto* a = new TTestEdit(&form);
    auto* b = new TTestEdit(&form);
    a->SetName("edA");
    b->SetName("edB");
    EXPECT_EQ(form.ComponentCount(), 2);
    EXPECT_EQ(form.Components(0), a) << "insertion order";
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(form.FindComponent("EDB"), b) << "case-insensitive";
    EXPECT_EQ(form.FindComponent("edC"), nullptr);
    EXPECT_EQ(a->Owner(), &form);
    EXPECT_THROW(form.Components(2), EListError);
    try {
        form.Components(-1);
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (-1)");
    }
    delete a;
    EXPECT_EQ(form.ComponentCount(), 1) << "deleting a component removes it from its owner";
    EXPECT_EQ(form.Components(0), b);
}

TEST(ComponentTest, NamesAreValidatedAndUnique) {
    TTestForm form(nullptr);
    auto* a = new TTestEdit(&form);
    auto* b = new TTestEdit(&form);
    a->SetName("ed01");
    try {
        b->SetName("ED01");
        FAIL() << "duplicate name must raise";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "A component named ED01 already exists");
    }
    EXPECT_EQ(b->Name(), "") << "failed rename keeps the old name";
    EXPECT_THROW(b->SetName("1abc"), EComponentError);
    EXPECT_THROW(b->SetName("a b"), EComponentError);
    a->SetName("Ed01");
    EXPECT_EQ(a->Name(), "Ed01") << "renaming to a case variant of itself is fine";
    b->SetName("ed02");
    TTestForm other(nullptr);
    auto* c = new TTestEdit(&other);
    c->SetName("ed02");
    EXPECT_THROW(form.InsertComponent(c), EComponentError);
    EXPECT_EQ(c->Owner(), &other) << "refused insertion leaves the owner";
    c->SetName("ed03");
    form.InsertComponent(c);
    EXPECT_EQ(c->Owner(), &form);
    EXPECT_EQ(other.ComponentCount(), 0);
}

TEST(ComponentTest, DestructionFreesOwnedLastFirstAndNotifies) {
    std::vector<std::string> log;
    auto* owner = new TTestWatcher(nullptr, &log);
    owner->SetName("owner");
    auto* w1 = new TTestWatcher(owner, &log);
    w1->SetName("w1");
    auto* w2 = new TTestWatcher(owner, &log);
    w2->SetName("w2");
    TTestWatcher outsider(nullptr, &log);
    outsider.SetName("outsider");
    w1->FreeNotification(&outsider);
    log.clear();
    delete owner;
    EXPECT_EQ(log, (std::vector<std::string>{"destroy:owner", "destroy:w2", "destroy:w1", "outsider-w1"}))
        << "owned ones go last first; the outsider hears of w1";
}

TEST(ComponentTest, InsertAndRemoveNotifyTheOwnersTree) {
    std::vector<std::string> log;
    TTestWatcher owner(nullptr, &log);
    owner.SetName("owner");
    auto* w1 = new TTestWatcher(&owner, &log);
    w1->SetName("w1");
    auto* loose = new TTestWatcher(nullptr, &log);
    loose->SetName("w2");
    log.clear();
    owner.InsertComponent(loose);
    EXPECT_EQ(log, (std::vector<std::string>{"w2+w2", "w1+w2", "owner+w2"}));
    log.clear();
    owner.RemoveComponent(loose);
    EXPECT_EQ(log, (std::vector<std::string>{"w2-w2", "w1-w2", "owner-w2"}));
    EXPECT_EQ(loose->Owner(), nullptr);
    delete loose;
}

TEST(ComponentTest, FreeNotificationWorksBothWaysAndCanBeRemoved) {
    std::vector<std::string> log;
    auto* a = new TTestWatcher(nullptr, &log);
    a->SetName("a");
    TTestWatcher b(nullptr, &log);
    b.SetName("b");
    a->FreeNotification(&b);
    EXPECT_TRUE(a->ComponentState().Contains(csFreeNotification));
    a->RemoveFreeNotification(&b);
    log.clear();
    delete a;
    EXPECT_EQ(log, std::vector<std::string>{"destroy:a"}) << "removed notification is not sent";
}

TEST(ComponentTest, StateFlags) {
    TTestForm form(nullptr);
    auto* e = new TTestEdit(&form);
    form.SetDesigning(true);
    EXPECT_TRUE(e->ComponentState().Contains(csDesigning)) << "designing reaches owned components";
    e->Loading();
    EXPECT_TRUE(e->ComponentState().Contains(csLoading));
    e->Loaded();
    EXPECT_FALSE(e->ComponentState().Contains(csLoading));
}

TEST(ClassRegistryTest, CreateByNameAndInheritance) {
    RegisterTestClasses();
    RegisterTestClasses();  // registering again is harmless
    EXPECT_EQ(FindClass("ttestedit"), TTestEdit::StaticClass());
    EXPECT_EQ(GetClass("TNoSuch"), nullptr);
    try {
        FindClass("TNoSuch");
        FAIL() << "unknown class must raise";
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Class TNoSuch not found");
    }
    TTestForm form(nullptr);
    TObject* made = FindClass("TTestHiddenEdit")->CreateInstance(&form);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->ClassName(), "TTestHiddenEdit");
    EXPECT_TRUE(made->Is<TTestEdit>());
    EXPECT_TRUE(made->Is<TComponent>());
    EXPECT_FALSE(made->Is<TTestFont>());
    EXPECT_EQ(static_cast<TComponent*>(made)->Owner(), &form) << "components are created with their owner";
    EXPECT_EQ(TTestHiddenEdit::StaticClass()->ClassParent(), TTestEdit::StaticClass());
    EXPECT_FALSE(TObject::StaticClass()->CanCreate());
}

TEST(PersistentTest, AssignErrorsNameBothClasses) {
    TTestFont font;
    TTestForm form(nullptr);
    try {
        font.Assign(&form);
        FAIL() << "assigning a form to a font must raise";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TTestForm to a TTestFont");
    }
    EXPECT_THROW(font.Assign(nullptr), EConvertError);
    TTestFont other;
    other.Size = 20;
    font.Assign(&other);
    EXPECT_EQ(font.Size, 20);
}

}  // namespace
}  // namespace rt::test
