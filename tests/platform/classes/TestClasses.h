#pragma once
// Small published classes the tests drive: a font-like sub-object, an edit-like
// component with one property of every kind, and a form-like owner with handlers.

#include <string>
#include <vector>

#include "platform/classes/Events.h"
#include "platform/classes/TComponent.h"
#include "platform/core/Exceptions.h"

namespace rt::test {

RT_ENUM(TTestAlign, taLeftJustify, taRightJustify, taCenter)
RT_ENUM(TTestStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TTestStyles = TSet<TTestStyle>;

class TTestFont : public TPersistent {
    RT_CLASS(TTestFont, TPersistent)

public:
    static void Publish(TPublisher<TTestFont>& p);
    void Assign(const TPersistent* source) override;

    std::string Name = "Arial";
    int Size = 9;
    TTestStyles Style;
};

class TTestEdit : public TComponent {
    RT_CLASS(TTestEdit, TComponent)

public:
    explicit TTestEdit(TComponent* owner) : TComponent(owner) {}
    ~TTestEdit() override;
    static void Publish(TPublisher<TTestEdit>& p);

    const std::string& GetText() const { return text_; }
    // Refuses "bad" after changing the text, so tests see the old value come back.
    void SetText(const std::string& text);
    TTestFont* GetFont() const { return font_; }
    void SetFont(TTestFont* font) { font_->Assign(font); }
    TComponent* GetFocusControl() const { return focus_; }
    void SetFocusControl(TComponent* c);
    void Notification(TComponent* component, TOperation operation) override;
    int Counter() const { return 42; }

    TTestAlign Alignment = taLeftJustify;
    bool Visible = true;
    double Ratio = 0.0;
    char PasswordChar = '\0';
    short Width = 0;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TChangingEvent OnChanging;

private:
    std::string text_;
    TTestFont* font_ = new TTestFont;
    TComponent* focus_ = nullptr;
};

// Derived class that changes an inherited default and adds one property.
class TTestHiddenEdit : public TTestEdit {
    RT_CLASS(TTestHiddenEdit, TTestEdit)

public:
    explicit TTestHiddenEdit(TComponent* owner) : TTestEdit(owner) { Visible = false; }
    static void Publish(TPublisher<TTestHiddenEdit>& p);
    std::string Hint;
};

class TTestForm : public TComponent {
    RT_CLASS(TTestForm, TComponent)

public:
    explicit TTestForm(TComponent* owner) : TComponent(owner) {}
    static void Publish(TPublisher<TTestForm>& p);

    void ed01Exit(TObject* sender) { log.push_back("ed01Exit:" + NameOf(sender)); }
    void ed02Exit(TObject* sender) {
        log.push_back("ed02Exit:" + NameOf(sender));
        savedExit(sender);
    }
    void ed01KeyDown(TObject*, uint16_t& key, TShiftState shift) {
        log.push_back("key:" + std::to_string(key) + (shift.Contains(ssCtrl) ? "+ctrl" : ""));
        key = 0;
    }
    void pcChanging(TObject*, bool& allow) { allow = false; }

    static std::string NameOf(TObject* o) {
        auto* c = dynamic_cast<TComponent*>(o);
        return c != nullptr ? c->Name() : "?";
    }

    std::vector<std::string> log;
    TNotifyEvent savedExit;
};

// Records notifications so tests can check who was told what.
class TTestWatcher : public TComponent {
    RT_CLASS(TTestWatcher, TComponent)

public:
    explicit TTestWatcher(TComponent* owner, std::vector<std::string>* log = nullptr) : TComponent(owner), log_(log) {}
    ~TTestWatcher() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::vector<std::string>* log_;
};

void RegisterTestClasses();

}  // namespace rt::test
