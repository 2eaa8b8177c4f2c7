#include "tests/platform/classes/StreamTestClasses.h"

#include <algorithm>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TFiler.h"
#include "platform/classes/TReader.h"
#include "platform/classes/TWriter.h"

namespace rt::test {

std::vector<std::string>& LoadedLog() {
    static std::vector<std::string> log;
    return log;
}

TTestPanel::~TTestPanel() {
    if (parent_ != nullptr) {
        auto& siblings = parent_->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    for (TComponent* c : children) {
        if (auto* p = dynamic_cast<TTestPanel*>(c)) p->parent_ = nullptr;
    }
}

void TTestPanel::SetParentComponent(TComponent* parent) {
    auto* panel = dynamic_cast<TTestPanel*>(parent);
    if (panel == nullptr) return;
    parent_ = panel;
    panel->children.push_back(this);
}

void TTestPanel::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TComponent* c : children) {
        if (c->Owner() == root) proc(c);
    }
}

void TTestPanel::Loaded() {
    TTestEdit::Loaded();
    LoadedLog().push_back(Name());
}

void TTestColumnItem::Publish(TPublisher<TTestColumnItem>& p) {
    p.Property("Caption", &TTestColumnItem::Caption);
    p.Property("Width", &TTestColumnItem::Width).Default(50);
    p.Property("Alignment", &TTestColumnItem::Alignment).Default(taLeftJustify);
}

TTestGrid::~TTestGrid() {
    delete items_;
    delete columns_;
}

void TTestGrid::Publish(TPublisher<TTestGrid>& p) {
    p.Property("Items", &TTestGrid::GetItems, &TTestGrid::SetItems);
    p.Property("Columns", &TTestGrid::GetColumns);
}

// "Cells" lists column, row and text of every non-empty cell; "Data" is binary.
void TTestGrid::DefineProperties(TFiler& filer) {
    TTestPanel::DefineProperties(filer);
    filer.DefineProperty(
        "Cells",
        [this](TReader& r) {
            cells.clear();
            r.ReadListBegin();
            while (!r.EndOfList()) {
                const int col = static_cast<int>(r.ReadInteger());
                const int row = static_cast<int>(r.ReadInteger());
                cells[{col, row}] = r.ReadString();
            }
            r.ReadListEnd();
        },
        [this](TWriter& w) {
            w.WriteListBegin();
            for (const auto& [pos, text] : cells) {
                w.WriteInteger(pos.first);
                w.WriteInteger(pos.second);
                w.WriteString(text);
            }
            w.WriteListEnd();
        },
        !cells.empty());
    filer.DefineBinaryProperty(
        "Data", [this](const std::vector<uint8_t>& bytes) { data = bytes; },
        [this](std::vector<uint8_t>& bytes) { bytes = data; }, !data.empty());
}

void TTestBaseForm::Publish(TPublisher<TTestBaseForm>& p) {
    p.Property("Caption", &TTestBaseForm::Caption);
    p.Property("OnCreate", &TTestBaseForm::OnCreate);
    RT_METHOD(p, btnOkClick);
}

void TTestBaseForm::Loaded() {
    TTestForm::Loaded();
    LoadedLog().push_back(Name());
}

void TTestDerivedForm::Publish(TPublisher<TTestDerivedForm>& p) { RT_METHOD(p, FormCreate); }

void RegisterStreamTestClasses() {
    RegisterTestClasses();
    RegisterClasses({TTestPanel::StaticClass(), TTestGrid::StaticClass(), TTestColumnItem::StaticClass(),
                     TTestBaseForm::StaticClass(), TTestDerivedForm::StaticClass()});
}

}  // namespace rt::test
