#pragma once
// A shown form holding an aligned string grid of 3 x 3 data cells (one fixed
// row and column) and an edit after it, the grid focused, and a log of the
// grid's edit events.

#include <string>
#include <vector>

#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TInputInjector.h"
#include "platform/grids/TInplaceEdit.h"
#include "platform/stdctrls/TEdit.h"
#include "src/grid/GridRegistration.h"
#include "src/grid/TStringAlignGrid.h"
#include "tests/src/controls/ControlsTestSupport.h"

namespace hemr_test {

struct TGridEvents : rt::TObject {
    std::vector<std::string> Lines;
    bool RefuseNext = false;
    static std::string At(const char* what, int col, int row) {
        return std::string(what) + " " + std::to_string(col) + "," + std::to_string(row);
    }
    void Before(rt::TObject*, int col, int row) { Lines.push_back(At("before", col, row)); }
    void After(rt::TObject*, int col, int row) { Lines.push_back(At("after", col, row)); }
    void Cancel(rt::TObject*, int col, int row) { Lines.push_back(At("cancel", col, row)); }
    void Combo(rt::TObject*, int col, int row) { Lines.push_back(At("combo", col, row)); }
    void Button(rt::TObject*, int col, int row) { Lines.push_back(At("button", col, row)); }
    void Validate(rt::TObject*, int col, int row, bool& valid) {
        Lines.push_back(At("validate", col, row));
        valid = !RefuseNext;
        RefuseNext = false;
    }
    void Bind(hemr::TStringAlignGrid& g) {
        g.OnBeforeEdit = hemr::TCellEvent::Of<&TGridEvents::Before>(this);
        g.OnAfterEdit = hemr::TCellEvent::Of<&TGridEvents::After>(this);
        g.OnCancelEdit = hemr::TCellEvent::Of<&TGridEvents::Cancel>(this);
        g.OnComboBoxClick = hemr::TCellEvent::Of<&TGridEvents::Combo>(this);
        g.OnEditButtonClick = hemr::TCellEvent::Of<&TGridEvents::Button>(this);
        g.OnValidateEdit = hemr::TCellEventBool::Of<&TGridEvents::Validate>(this);
    }
};

class AlignGridTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        hemr::RegisterAlignGridClasses();
        grid = Add<hemr::TStringAlignGrid>("sgGrid", 10, 10, 400, 200);
        grid->SetColCount(4);
        grid->SetRowCount(4);
        grid->SetOptions(grid->Options() + rt::TGridOptions{rt::goEditing});
        next = Add<rt::TEdit>("edNext", 10, 300, 100, 21);
        events.Bind(*grid);
        form->Show();
        grid->SetFocus();
    }

    static void Press(uint16_t key, rt::TShiftState shift = {}) { rt::Input().PressKey(key, shift); }
    static void Type(const std::string& text) { rt::Input().TypeText(text); }
    rt::TGridCoord At() const { return {grid->Col(), grid->Row()}; }
    void Go(int col, int row) { grid->SetSelection({col, row, col, row}); }
    std::string EditorText() const { return grid->InplaceEditor()->GetText(); }
    bool Editing() const { return grid->InplaceEditor() != nullptr && grid->InplaceEditor()->Visible(); }

    hemr::TStringAlignGrid* grid = nullptr;
    rt::TEdit* next = nullptr;
    TGridEvents events;
};

}  // namespace hemr_test
