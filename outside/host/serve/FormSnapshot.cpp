#include "outside/host/serve/FormSnapshot.h"

#include <cstdio>

#include "platform/buttons/TBitBtn.h"
#include "platform/buttons/TSpeedButton.h"
#include "platform/comctrls/TListColumn.h"
#include "platform/comctrls/TListItem.h"
#include "platform/comctrls/TListItems.h"
#include "platform/comctrls/TListView.h"
#include "platform/comctrls/TMonthCalendar.h"
#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/comctrls/TToolBar.h"
#include "platform/comctrls/TToolButton.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/TImageList.h"
#include "platform/sysutils/StrUtils.h"
#include "platform/controls/TWinControl.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasOperation.h"
#include "platform/graphics/TTextLayout.h"
#include "platform/grids/TCustomGrid.h"
#include "platform/lists/TComboBox.h"
#include "platform/lists/TListBox.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TCustomEdit.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TCustomMemo.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/stdctrls/TRadioButton.h"

namespace host::serve {

namespace {

nlohmann::json Css(rt::TColor color) {
    if (color == rt::clNone) return nullptr;
    const rt::TColor rgb = rt::ColorToRGB(color);
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rt::GetRValue(rgb), rt::GetGValue(rgb), rt::GetBValue(rgb));
    return text;
}

nlohmann::json Font(const rt::TFont& font) {
    return {{"name", font.Name()},
            {"px", font.PixelHeight()},
            {"color", Css(font.Color())},
            {"bold", font.Style().Contains(rt::fsBold)},
            {"italic", font.Style().Contains(rt::fsItalic)},
            {"underline", font.Style().Contains(rt::fsUnderline)}};
}

nlohmann::json Rect(const rt::TRect& r) { return {r.Left, r.Top, r.Width(), r.Height()}; }

const char* KindOf(rt::TControl& c) {
    if (dynamic_cast<rt::TCustomEdit*>(&c) || dynamic_cast<rt::TComboBox*>(&c)) return "edit";
    if (dynamic_cast<rt::TCustomCheckBox*>(&c)) return "check";
    if (dynamic_cast<rt::TRadioButton*>(&c)) return "radio";
    if (dynamic_cast<rt::TButton*>(&c) || dynamic_cast<rt::TBitBtn*>(&c) || dynamic_cast<rt::TSpeedButton*>(&c) ||
        dynamic_cast<rt::TToolButton*>(&c))
        return "button";
    if (dynamic_cast<rt::TCustomLabel*>(&c)) return "label";
    if (dynamic_cast<rt::TGroupBox*>(&c)) return "group";
    if (dynamic_cast<rt::TCustomPanel*>(&c)) return "panel";
    if (dynamic_cast<rt::TPageControl*>(&c)) return "pages";
    if (dynamic_cast<rt::TListView*>(&c)) return "list";
    if (dynamic_cast<rt::TListBox*>(&c)) return "listbox";
    if (dynamic_cast<rt::TMonthCalendar*>(&c) || dynamic_cast<rt::TCustomGrid*>(&c)) return "painted";
    // The plug-in's own check boxes and radio buttons publish their state as Checked.
    if (rt::IsPublishedProp(&c, "Checked")) return rt::ContainsText(c.ClassName(), "Radio") ? "radio" : "check";
    return "box";
}

// The first glyph of a button bitmap, pixel by pixel; its bottom-left colour is transparent.
nlohmann::json Glyph(const rt::TBitmap* glyph, int numGlyphs) {
    if (glyph == nullptr || glyph->Width() == 0 || glyph->Height() == 0) return nullptr;
    const int width = glyph->Width() / (numGlyphs > 0 ? numGlyphs : 1);
    const int height = glyph->Height();
    const rt::TColor transparent = glyph->GetPixel(0, height - 1);
    nlohmann::json pixels = nlohmann::json::array();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const rt::TColor p = glyph->GetPixel(x, y);
            pixels.push_back(p == transparent ? nlohmann::json() : Css(p));
        }
    return {{"w", width}, {"h", height}, {"pixels", pixels}};
}

nlohmann::json Operation(const rt::TCanvasOperation& op) {
    nlohmann::json out{{"op", rt::CanvasOpKindName(op.Kind)},
                       {"rect", Rect(op.Rect)},
                       {"brush", op.BrushStyle == rt::bsClear ? nlohmann::json() : Css(op.BrushColor)},
                       {"pen", op.PenStyle == rt::psClear ? nlohmann::json() : Css(op.PenColor)},
                       {"font", {{"name", op.FontName}, {"px", op.FontHeight < 0 ? -op.FontHeight : op.FontHeight},
                                 {"color", Css(op.FontColor)}, {"bold", op.FontStyle.Contains(rt::fsBold)}}}};
    nlohmann::json points = nlohmann::json::array();
    for (const rt::TPoint& p : op.Points) points.push_back({p.X, p.Y});
    out["points"] = points;
    if (!op.Text.empty()) out["text"] = op.Text;
    if (op.Kind == rt::TCanvasOpKind::DrawText) {
        out["lines"] = op.Lines;
        out["align"] = (op.Flags & rt::DT_CENTER) ? "center" : (op.Flags & rt::DT_RIGHT) ? "right" : "left";
        out["valign"] = (op.Flags & rt::DT_VCENTER) ? "middle" : (op.Flags & rt::DT_BOTTOM) ? "bottom" : "top";
    }
    return out;
}

void AddEdit(rt::TControl& c, nlohmann::json& out) {
    if (auto* mask = dynamic_cast<rt::TCustomMaskEdit*>(&c)) out["text"] = mask->EditText();
    if (auto* edit = dynamic_cast<rt::TCustomEdit*>(&c)) {
        if (!dynamic_cast<rt::TCustomMaskEdit*>(&c)) out["text"] = edit->DisplayText();
        out["caret"] = edit->CaretIndex();
        out["selStart"] = edit->SelStart();
        out["selLength"] = edit->SelLength();
        out["readOnly"] = edit->ReadOnly();
        if (dynamic_cast<rt::TCustomMemo*>(&c) != nullptr) out["multiline"] = true;
    }
    if (auto* combo = dynamic_cast<rt::TComboBox*>(&c)) {
        out["combo"] = true;
        if (combo->DroppedDown()) {
            nlohmann::json items = nlohmann::json::array();
            for (int i = 0; i < combo->Items()->Count(); ++i) items.push_back(combo->Items()->Strings(i));
            out["items"] = items;
            out["itemIndex"] = combo->ItemIndex();
        }
    }
}

// A tool button shows its caption only when the bar says so, else its picture of the bar's images.
void AddToolButton(rt::TToolButton& button, nlohmann::json& out) {
    auto* bar = dynamic_cast<rt::TToolBar*>(button.Parent());
    if (bar == nullptr) return;
    rt::TImageList* images = bar->Images();
    if (images == nullptr || button.ImageIndex() < 0 || button.ImageIndex() >= images->Count()) return;
    rt::TBitmap picture;
    images->GetBitmap(button.ImageIndex(), picture);
    out["glyph"] = Glyph(&picture, 1);
    // Without a picture the caption has to say what the button does.
    if (!bar->ShowCaptions() && !out["glyph"].is_null()) out["text"] = "";
}

void AddList(rt::TListView& list, nlohmann::json& out) {
    nlohmann::json columns = nlohmann::json::array();
    for (int i = 0; i < list.Columns()->Count(); ++i)
        columns.push_back({{"caption", list.Column(i)->Caption()}, {"width", list.Column(i)->Width()}});
    out["columns"] = columns;
    out["headerHeight"] = list.ShowColumnHeaders() ? list.HeaderHeight() : 0;
    out["checkboxes"] = list.Checkboxes();
    nlohmann::json rows = nlohmann::json::array();
    for (int i = 0; i < list.Items()->Count(); ++i) {
        const rt::TRect r = list.ItemRect(i);
        // Rows scrolled away are not drawn.
        if (r.Bottom <= 0 || r.Top >= list.ClientHeight()) continue;
        rt::TListItem* item = list.Items()->Item(i);
        nlohmann::json texts = nlohmann::json::array();
        for (int col = 0; col < std::max(1, list.Columns()->Count()); ++col) texts.push_back(item->ColumnText(col));
        rows.push_back({{"rect", Rect(r)},
                        {"texts", texts},
                        {"selected", item->Selected()},
                        {"focused", item->Focused()},
                        {"checked", item->Checked()}});
    }
    out["rows"] = rows;
}

}  // namespace

nlohmann::json FormSnapshot::Windows(const rt::TDialogRecord* dialog) {
    nlohmann::json windows = nlohmann::json::array();
    rt::TCustomForm* modal = rt::Application().ModalForm();
    // Modeless forms below, modal ones above in the order they came up; the innermost modal form last.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < rt::Screen().FormCount(); ++i) {
            rt::TCustomForm* form = rt::Screen().Forms(i);
            if (form == nullptr || !form->Visible() || form == modal) continue;
            if (form->IsModal() == (pass == 1)) windows.push_back(Form(*form));
        }
    if (modal != nullptr && modal->Visible()) windows.push_back(Form(*modal));
    if (dialog != nullptr) windows.push_back(Dialog(*dialog));
    return windows;
}

nlohmann::json FormSnapshot::Form(rt::TCustomForm& form) {
    nlohmann::json out = Control(form);
    out["kind"] = "form";
    out["active"] = rt::Screen().ActiveForm() == &form;
    out["modal"] = form.IsModal();
    return out;
}

nlohmann::json FormSnapshot::Dialog(const rt::TDialogRecord& dialog) {
    static const char* kinds[] = {"warning", "error", "information", "confirmation", "custom"};
    nlohmann::json buttons = nlohmann::json::array();
    for (const rt::TDialogButton& b : dialog.Buttons)
        buttons.push_back({{"name", b.Name}, {"caption", b.Caption}, {"default", b.Name == dialog.DefaultButton}});
    return {{"kind", "dialog"},
            {"dialogKind", kinds[dialog.Kind <= rt::mtCustom ? dialog.Kind : rt::mtCustom]},
            {"caption", dialog.Caption},
            {"text", dialog.Text},
            {"buttons", buttons}};
}

nlohmann::json FormSnapshot::Control(rt::TControl& c) {
    nlohmann::json out{{"name", c.Name()},
                       {"class", c.ClassName()},
                       {"kind", KindOf(c)},
                       {"rect", Rect(c.BoundsRect())},
                       {"text", c.GetText()},
                       {"font", Font(*c.Font())},
                       {"color", Css(c.Color())},
                       {"enabled", c.EnabledInTree()}};
    if (auto* win = dynamic_cast<rt::TWinControl*>(&c)) {
        out["focused"] = win->Focused();
        out["client"] = Rect(win->ClientRect());
        nlohmann::json children = nlohmann::json::array();
        for (int i = 0; i < win->ControlCount(); ++i) {
            rt::TControl* child = win->Controls(i);
            if (child->Visible()) children.push_back(Control(*child));
        }
        out["children"] = children;
    }
    AddDetails(c, out);
    return out;
}

void FormSnapshot::AddDetails(rt::TControl& c, nlohmann::json& out) {
    const std::string kind = out["kind"];
    if (kind == "edit") AddEdit(c, out);
    if (auto* check = dynamic_cast<rt::TCustomCheckBox*>(&c)) out["state"] = static_cast<int>(check->State());
    if (auto* radio = dynamic_cast<rt::TRadioButton*>(&c)) out["state"] = radio->Checked() ? 1 : 0;
    if ((kind == "check" || kind == "radio") && !out.contains("state"))
        out["state"] = rt::GetPropText(&c, "Checked") == "True" ? 1 : 0;
    if (auto* tool = dynamic_cast<rt::TToolButton*>(&c)) AddToolButton(*tool, out);
    if (auto* button = dynamic_cast<rt::TButton*>(&c)) out["default"] = button->Default();
    if (auto* bit = dynamic_cast<rt::TBitBtn*>(&c)) out["glyph"] = Glyph(bit->Glyph(), bit->NumGlyphs());
    if (auto* speed = dynamic_cast<rt::TSpeedButton*>(&c)) {
        out["glyph"] = Glyph(speed->Glyph(), speed->NumGlyphs());
        out["down"] = speed->Down();
        out["flat"] = speed->Flat();
    }
    if (auto* panel = dynamic_cast<rt::TCustomPanel*>(&c)) out["bevel"] = panel->BevelOuter() != rt::bvNone;
    if (auto* pages = dynamic_cast<rt::TPageControl*>(&c)) {
        nlohmann::json tabs = nlohmann::json::array();
        for (int tab = 0; tab < pages->TabCount(); ++tab) {
            rt::TTabSheet* page = pages->PageForTab(tab);
            tabs.push_back({{"caption", page->Caption()},
                            {"rect", Rect(pages->TabRect(tab))},
                            {"active", page == pages->ActivePage()}});
        }
        out["tabs"] = tabs;
    }
    if (auto* list = dynamic_cast<rt::TListView*>(&c)) AddList(*list, out);
    if (auto* box = dynamic_cast<rt::TListBox*>(&c)) {
        nlohmann::json items = nlohmann::json::array();
        for (int i = 0; i < box->Items()->Count(); ++i) items.push_back(box->Items()->Strings(i));
        out["items"] = items;
        out["itemIndex"] = box->ItemIndex();
    }
    if (kind == "painted") out["ops"] = Painted(c);
}

// What the control's own painting draws now.
nlohmann::json FormSnapshot::Painted(rt::TControl& control) {
    rt::TCanvas* canvas = nullptr;
    if (auto* calendar = dynamic_cast<rt::TMonthCalendar*>(&control)) canvas = calendar->Canvas();
    if (auto* grid = dynamic_cast<rt::TCustomGrid*>(&control)) canvas = grid->Canvas();
    nlohmann::json ops = nlohmann::json::array();
    if (canvas == nullptr) return ops;
    const bool wasRecording = canvas->Recording();
    canvas->ClearOperations();
    canvas->StartRecording();
    control.Repaint();
    if (!wasRecording) canvas->StopRecording();
    for (const rt::TCanvasOperation& op : canvas->Operations()) ops.push_back(Operation(op));
    canvas->ClearOperations();
    return ops;
}

}  // namespace host::serve
