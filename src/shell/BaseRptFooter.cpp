// The page footer and sign-off blocks of the report form: the program's
// defaults, codes typed into the code edits and the F2 lookup of a code.

#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TCustomEdit.h"
#include "platform/stdctrls/TGroupBox.h"
#include "src/controls/F2Button.h"
#include "src/environment/CodeConverter.h"
#include "src/shell/BaseRpt.h"

namespace hemr {

namespace {

// Field `index` of a one-dimensional record as text, "" when it is not there.
std::string Field(const rt::Variant& record, int index) {
    const rt::Variant& r = record.Deref();
    if (!r.IsArray() || r.DimCount() != 1) return "";
    const int at = r.LowBound() + index;
    return at <= r.HighBound() ? rt::VarToStr(r[at]) : "";
}

bool HasFields(const rt::Variant& record) {
    const rt::Variant& r = record.Deref();
    return r.IsArray() && r.DimCount() == 1 && r.ElementCount() > 0;
}

void PutText(rt::TCustomEdit* edit, const std::string& text) {
    if (edit != nullptr) edit->SetText(text);
}

}  // namespace

rt::Variant TfrmBaseRpt::BlockKey(TTextBlock block, const std::string& code) const {
    const rt::Variant kind(block == TTextBlock::Footer ? "1" : "2");
    if (code.empty()) return rt::Variant::ArrayOf({kind});
    return rt::Variant::ArrayOf({kind, rt::Variant(code)});
}

void TfrmBaseRpt::LoadDefaultTexts() {
    if (btnNote != nullptr) btnNote->SetEnabled(true);
    if (btnSignIn != nullptr) btnSignIn->SetEnabled(true);
    rt::Variant record;
    if (QueryValue("CMSMT", "01", false, record, rt::Variant::ArrayOf({rt::Variant(ProgramCode())})) &&
        HasFields(record)) {
        record = NvConverter()->DBToUI(record);
        FillDefaultBlock(TTextBlock::Footer, record, 0);
        FillDefaultBlock(TTextBlock::SignIn, record, 6);
    }
    // A block whose lookup is not allowed keeps the program's texts as they are.
    for (TTextBlock block : {TTextBlock::Footer, TTextBlock::SignIn}) {
        const TBlockControls c = Block(block);
        const bool readOnly = c.lookup != nullptr && !c.lookup->Enabled();
        if (c.code != nullptr) c.code->SetReadOnly(readOnly);
        for (rt::TCustomEdit* edit : c.texts)
            if (edit != nullptr) edit->SetReadOnly(readOnly);
    }
}

// The record holds the footer from field 0 and the sign-off from field 6:
// code, lookup allowed, on every page, three texts.
void TfrmBaseRpt::FillDefaultBlock(TTextBlock block, const rt::Variant& record, int first) {
    const TBlockControls c = Block(block);
    PutText(c.code, Field(record, first));
    for (int i = 0; i < 3; ++i) PutText(c.texts[i], Field(record, first + 3 + i));
    if (c.lookup != nullptr) c.lookup->SetEnabled(Field(record, first + 1) == "Y");
}

void TfrmBaseRpt::ClearBlock(TTextBlock block) {
    const TBlockControls c = Block(block);
    PutText(c.code, "");
    for (rt::TCustomEdit* edit : c.texts) PutText(edit, "");
}

void TfrmBaseRpt::edNoteIDEnter(rt::TObject* Sender) {
    if (auto* edit = dynamic_cast<rt::TCustomEdit*>(Sender)) lastLookupCode_ = edit->GetText();
}

void TfrmBaseRpt::edNoteIDExit(rt::TObject*) { CodeExit(TTextBlock::Footer); }

void TfrmBaseRpt::edSignInIDExit(rt::TObject*) { CodeExit(TTextBlock::SignIn); }

void TfrmBaseRpt::CodeExit(TTextBlock block) {
    // Leaving for Cancel checks nothing, as with every field of the form.
    if (CancelHasFocus()) return;
    const TBlockControls c = Block(block);
    const std::string code = c.code->GetText();
    if (code == lastLookupCode_) return;
    ClearBlock(block);
    if (code.empty()) return;
    rt::Variant record;
    if (QueryValue("CMSMS", "01", false, record, BlockKey(block, code))) {
        PutText(c.code, code);
        for (int i = 0; i < 3; ++i) PutText(c.texts[i], Field(record, 1 + i));
        return;
    }
    const std::string what = GetMessageText("R", block == TTextBlock::Footer ? "100235" : "100236");
    ShowMessage("W", "000004", {}, {rt::Variant(what)});
    if (c.code->CanFocus()) c.code->SetFocus();
}

void TfrmBaseRpt::BlockLookup(TTextBlock block) {
    const TBlockControls c = Block(block);
    // A block the program fixed cannot be changed through its lookup either.
    if (c.code == nullptr || c.code->ReadOnly()) return;
    rt::Variant result;
    F2Query("CMSMS", "01", result, false, "", BlockKey(block, ""));
    const rt::Variant& r = result.Deref();
    if (!r.IsArray() || r.ElementCount() == 0) return;
    // A single choice may come back as the row itself or as a list of rows.
    const rt::Variant& first = r[r.LowBound()];
    const rt::Variant row = first.Deref().IsArray() ? first.Deref() : r;
    const std::string code = Field(row, 0);
    PutText(c.code, code);
    lastLookupCode_ = code;
    for (int i = 0; i < 3; ++i) PutText(c.texts[i], Field(row, 2 + i));
}

void TfrmBaseRpt::F2Handling(rt::TWinControl* control) {
    if (control != nullptr && control == edNoteID) {
        if (control->CanFocus()) control->SetFocus();
        BlockLookup(TTextBlock::Footer);
    } else if (control != nullptr && control == edSignInID) {
        if (control->CanFocus()) control->SetFocus();
        BlockLookup(TTextBlock::SignIn);
    } else {
        TfrmBaseOpt::F2Handling(control);
    }
}

}  // namespace hemr
