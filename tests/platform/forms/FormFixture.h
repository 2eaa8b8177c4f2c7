#pragma once
// A shown form with controls built in code, an event log, and a clean
// application state around every test.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/TWinControl.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TScreen.h"

namespace rt::test {

// A form whose handlers write "Name.Event" into a log, so that tests can check order.
class TLogForm : public TForm {
    RT_CLASS(TLogForm, TForm)

public:
    explicit TLogForm(TComponent* owner) : TForm(owner) {}
    std::vector<std::string> Log;

    void Enter(TObject* sender) { Log.push_back(static_cast<TComponent*>(sender)->Name() + ".Enter"); }
    void Exit(TObject* sender) { Log.push_back(static_cast<TComponent*>(sender)->Name() + ".Exit"); }

    // A windowed control that takes the focus, with logged enter and exit.
    TWinControl* AddField(const std::string& name, TWinControl* parent = nullptr) {
        auto* c = new TWinControl(this);
        c->SetName(name);
        c->SetTabStop(true);
        c->SetParent(parent != nullptr ? parent : this);
        c->OnEnter = TNotifyEvent::Of<&TLogForm::Enter>(this);
        c->OnExit = TNotifyEvent::Of<&TLogForm::Exit>(this);
        return c;
    }
    TWinControl* AddBox(const std::string& name, TWinControl* parent = nullptr) {
        TWinControl* c = AddField(name, parent);
        c->SetTabStop(false);
        return c;
    }
};

// Counts notify events and logs their senders' names.
struct TEventCounter : TObject {
    int Count = 0;
    std::vector<std::string> Senders;
    void Notify(TObject* sender) {
        ++Count;
        auto* c = dynamic_cast<TComponent*>(sender);
        Senders.push_back(c != nullptr ? c->Name() : std::string());
    }
    TNotifyEvent Event() { return TNotifyEvent::Of<&TEventCounter::Notify>(this); }
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override { ResetApplication(); }
    void TearDown() override {
        Application().ProcessMessages();
        for (TCustomForm* f : created_) {
            if (IsAlive(f)) f->Free();
        }
        ResetApplication();
    }

    template <class T = TLogForm>
    T* NewForm() {
        auto* f = new T(&Application());
        f->AfterConstruction();
        created_.push_back(f);
        return f;
    }

    static bool IsAlive(TCustomForm* f) {
        for (int i = 0; i < Screen().FormCount(); ++i) {
            if (Screen().Forms(i) == f) return true;
        }
        return false;
    }

    static void ResetApplication() {
        Application().Reset();
        Application().SetModalDriver(nullptr);
        Application().DialogDriver().Reset();
        Application().OnException.Clear();
    }

    std::vector<TCustomForm*> created_;
};

}  // namespace rt::test
