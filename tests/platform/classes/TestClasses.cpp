#include "tests/platform/classes/TestClasses.h"

#include "platform/classes/ClassRegistry.h"

namespace rt::test {

void TTestFont::Publish(TPublisher<TTestFont>& p) {
    p.Property("Name", &TTestFont::Name).Default("Arial");
    p.Property("Size", &TTestFont::Size).Default(9);
    p.Property("Style", &TTestFont::Style).Default(TTestStyles{});
}

void TTestFont::Assign(const TPersistent* source) {
    if (const auto* font = dynamic_cast<const TTestFont*>(source)) {
        Name = font->Name;
        Size = font->Size;
        Style = font->Style;
        return;
    }
    TPersistent::Assign(source);
}

TTestEdit::~TTestEdit() { delete font_; }

void TTestEdit::Publish(TPublisher<TTestEdit>& p) {
    p.Property("Text", &TTestEdit::GetText, &TTestEdit::SetText);
    p.Property("Alignment", &TTestEdit::Alignment).Default(taLeftJustify);
    p.Property("Visible", &TTestEdit::Visible).Default(true);
    p.Property("Ratio", &TTestEdit::Ratio);
    p.Property("PasswordChar", &TTestEdit::PasswordChar).Default('\0');
    p.Property("Width", &TTestEdit::Width).Default(0);
    p.Property("Font", &TTestEdit::GetFont, &TTestEdit::SetFont);
    p.Property("FocusControl", &TTestEdit::GetFocusControl, &TTestEdit::SetFocusControl);
    p.Property("Counter", &TTestEdit::Counter).Stored(false);
    p.Property("OnExit", &TTestEdit::OnExit);
    p.Property("OnKeyDown", &TTestEdit::OnKeyDown);
    p.Property("OnKeyPress", &TTestEdit::OnKeyPress);
    p.Property("OnChanging", &TTestEdit::OnChanging);
}

void TTestEdit::SetText(const std::string& text) {
    text_ = text;
    if (text == "bad") throw EConvertError("bad text");
}

void TTestEdit::SetFocusControl(TComponent* c) {
    if (focus_ != nullptr) focus_->RemoveFreeNotification(this);
    focus_ = c;
    if (focus_ != nullptr) focus_->FreeNotification(this);
}

void TTestEdit::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == focus_) focus_ = nullptr;
}

void TTestHiddenEdit::Publish(TPublisher<TTestHiddenEdit>& p) {
    p.Republish("Visible").Default(false);
    p.Property("Hint", &TTestHiddenEdit::Hint);
}

void TTestForm::Publish(TPublisher<TTestForm>& p) {
    RT_METHOD(p, ed01Exit);
    RT_METHOD(p, ed02Exit);
    RT_METHOD(p, ed01KeyDown);
    RT_METHOD(p, pcChanging);
}

TTestWatcher::~TTestWatcher() {
    if (log_ != nullptr) log_->push_back("destroy:" + Name());
}

void TTestWatcher::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (log_ != nullptr) {
        log_->push_back(Name() + (operation == opInsert ? "+" : "-") + component->Name());
    }
}

void RegisterTestClasses() {
    RegisterClasses({TTestFont::StaticClass(), TTestEdit::StaticClass(), TTestHiddenEdit::StaticClass(),
                     TTestForm::StaticClass(), TTestWatcher::StaticClass()});
}

}  // namespace rt::test
