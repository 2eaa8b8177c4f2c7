#pragma once
// A shown form that records the lookup requests it receives, a glyph library
// of plain pictures whose sizes a test chooses, and a clean application
// (no dialogs left, no glyph library of another test) around every test.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/ClassRegistry.h"
#include "platform/core/Exceptions.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/graphics/TBitmap.h"
#include "src/shell/ModuleClasses.h"
#include "src/controls/ControlMessages.h"
#include "src/controls/GlyphLibrary.h"

namespace hemr_test {

class TLookupForm : public rt::TForm {
    RT_CLASS(TLookupForm, rt::TForm)

public:
    explicit TLookupForm(rt::TComponent* owner) : rt::TForm(owner) {}

    // The controls lookups were asked for, and which had the focus then.
    std::vector<rt::TWinControl*> Requests;
    std::vector<bool> FocusedAtRequest;

    void WndProc(rt::TMessage& m) override {
        if (m.Msg == hemr::LookupRequestMessage) {
            auto* control = reinterpret_cast<rt::TWinControl*>(m.LParam);
            Requests.push_back(control);
            FocusedAtRequest.push_back(control != nullptr && control->Focused());
            m.Result = 1;
            return;
        }
        rt::TForm::WndProc(m);
    }
};

// Pictures filled with one colour, of the sizes the test gives per number.
class TTestGlyphs : public hemr::TGlyphLibrary {
public:
    int MaxId = 47;
    std::map<int, std::pair<int, int>> Sizes;
    // Loading this number raises, as a broken picture file would.
    int Broken = -1;

    int GetMaxBmpID() const override { return MaxId; }
    bool LoadBmp(rt::TBitmap* bitmap, int number) const override {
        if (number == Broken) throw rt::EReadError("the picture is damaged");
        const auto it = Sizes.find(number);
        if (it == Sizes.end()) return false;
        bitmap->SetSize(it->second.first, it->second.second);
        bitmap->Fill(rt::clNavy);
        return true;
    }
    bool LoadNamedBmp(rt::TBitmap*, const std::string&) const override { return false; }
};

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        hemr::RegisterModuleClasses();
        ResetApplication();
        form = new TLookupForm(&rt::Application());
        form->AfterConstruction();
        form->SetName("frmTest");
        form->SetBounds(0, 0, 600, 400);
    }
    void TearDown() override {
        rt::Application().ProcessMessages();
        form->Free();
        hemr::SetGlyphLibrary(nullptr);
        ResetApplication();
    }
    static void ResetApplication() {
        rt::Application().Reset();
        rt::Application().SetModalDriver(nullptr);
        rt::Application().DialogDriver().Reset();
        rt::Application().OnException.Clear();
    }

    template <class T>
    T* Add(const std::string& name, int left, int top, int width, int height, rt::TWinControl* parent = nullptr) {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(parent != nullptr ? parent : form);
        c->SetBounds(left, top, width, height);
        return c;
    }

    static const std::vector<rt::TDialogRecord>& Dialogs() { return rt::Application().DialogDriver().Dialogs(); }
    static std::string LastDialogText() {
        const rt::TDialogRecord* d = rt::Application().DialogDriver().LastDialog();
        return d != nullptr ? d->Text : std::string();
    }

    TLookupForm* form = nullptr;
};

// Counts notify events.
struct TClickCount : rt::TObject {
    int Count = 0;
    void Notify(rt::TObject*) { ++Count; }
    rt::TNotifyEvent Event() { return rt::TNotifyEvent::Of<&TClickCount::Notify>(this); }
};

}  // namespace hemr_test
