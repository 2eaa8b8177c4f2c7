#pragma once
// Components that exercise the form reader and writer: a container with a
// parent/child relation, a list with string items, a collection and custom
// entries, and a form chain for inheritance. Each logs its Loaded call.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/TCollection.h"
#include "platform/classes/TStringList.h"
#include "tests/platform/classes/TestClasses.h"

namespace rt::test {

std::vector<std::string>& LoadedLog();

class TTestPanel : public TTestEdit {
    RT_CLASS(TTestPanel, TTestEdit)

public:
    explicit TTestPanel(TComponent* owner) : TTestEdit(owner) {}
    ~TTestPanel() override;
    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override { return parent_; }
    bool HasParent() const override { return parent_ != nullptr; }
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void Loaded() override;

    TTestPanel* parent_ = nullptr;
    std::vector<TComponent*> children;
};

class TTestColumnItem : public TCollectionItem {
    RT_CLASS(TTestColumnItem, TCollectionItem)

public:
    explicit TTestColumnItem(TCollection* collection = nullptr) : TCollectionItem(collection) {}
    static void Publish(TPublisher<TTestColumnItem>& p);
    std::string Caption;
    int Width = 50;
    TTestAlign Alignment = taLeftJustify;
};

class TTestGrid : public TTestPanel {
    RT_CLASS(TTestGrid, TTestPanel)

public:
    explicit TTestGrid(TComponent* owner) : TTestPanel(owner) {}
    ~TTestGrid() override;
    static void Publish(TPublisher<TTestGrid>& p);
    void DefineProperties(TFiler& filer) override;

    TStringList* GetItems() const { return items_; }
    void SetItems(TStringList* items) { items_->Assign(items); }
    TCollection* GetColumns() const { return columns_; }

    std::map<std::pair<int, int>, std::string> cells;
    std::vector<uint8_t> data;

private:
    TStringList* items_ = new TStringList;
    TCollection* columns_ = new TCollection(TTestColumnItem::StaticClass(), this);
};

class TTestBaseForm : public TTestForm {
    RT_CLASS(TTestBaseForm, TTestForm)

public:
    explicit TTestBaseForm(TComponent* owner) : TTestForm(owner) {}
    ~TTestBaseForm() override { DestroyComponents(); }
    static void Publish(TPublisher<TTestBaseForm>& p);
    void Loaded() override;
    void btnOkClick(TObject*) { log.push_back("ok"); }

    std::string Caption;
    TNotifyEvent OnCreate;
};

class TTestDerivedForm : public TTestBaseForm {
    RT_CLASS(TTestDerivedForm, TTestBaseForm)

public:
    explicit TTestDerivedForm(TComponent* owner) : TTestBaseForm(owner) {}
    static void Publish(TPublisher<TTestDerivedForm>& p);
    void FormCreate(TObject*) { log.push_back("create"); }
};

void RegisterStreamTestClasses();

}  // namespace rt::test
