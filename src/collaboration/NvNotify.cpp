#include "src/collaboration/NvNotify.h"
#include "src/collaboration/PortalUser.h"

#include "platform/buttons/TBitBtn.h"
#include "platform/classes/TStrings.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/forms/FormPtr.h"
#include "platform/controls/HintInfo.h"
#include "platform/stdctrls/TCustomMemo.h"
#include "platform/sysutils/StrUtils.h"
#include "src/framework/BaseGene.h"
#include "src/grid/TStringAlignGrid.h"

namespace hemr {

namespace {

struct TColumn {
    const char* header;
    int width;
};

constexpr TColumn kColumns[rcColumnCount] = {{"收件人", 47},  {"姓名", 50}, {"手机号码", 80}, {"邮箱地址", 133},
                                             {"类型", 68},    {"消息", 33}, {"短信", 32},     {"邮件", 32}};
constexpr const char* kSection = "TfrmNotify";
constexpr char kInternalType = '1';
constexpr char kPortalType = '5';
// Editor kinds of the grid's cells.
constexpr int kButtonEditor = 1;
constexpr int kCheckBoxEditor = 2;
constexpr int kListEditor = 3;
constexpr int kWholeColumn = -1;

}  // namespace

TfrmNotify::TfrmNotify(rt::TComponent* owner) : TNVForm(owner) {}

void TfrmNotify::Publish(rt::TPublisher<TfrmNotify>& p) {
    RT_METHOD(p, BitBtn1Click);
    RT_METHOD(p, grReceiveEditButtonClick);
    RT_METHOD(p, grReceiveShowHintCell);
    RT_COMPONENT(p, grReceive);
    RT_COMPONENT(p, BitBtn1);
    RT_COMPONENT(p, BitBtn2);
    RT_COMPONENT(p, me04);
    RT_COMPONENT(p, me01);
}

void TfrmNotify::Loaded() {
    TNVForm::Loaded();
    for (int c = 0; c < rcColumnCount; ++c) {
        grReceive->SetColWidths(c, kColumns[c].width);
        grReceive->SetCells(c, 0, kColumns[c].header);
    }
}

// ---- opening --------------------------------------------------------------------------------

void TfrmNotify::Open(const std::string& CurrentText, const std::string& PortalSwitch,
                      const std::string& PortalAddress) {
    ConvertOnce();
    TranslateHeaders();
    portalSwitch_ = PortalSwitch;
    portalAddress_ = PortalAddress;
    const char wanted = PortalInUse() ? kPortalType : kInternalType;
    typeEntry_.clear();
    for (int i = 0; i < me01->Lines()->Count(); ++i) {
        const std::string& line = me01->Lines()->Strings(i);
        if (!line.empty() && line[0] == wanted) typeEntry_ = line;
    }
    SetColumnEditors();
    LoadReceiverXml(CurrentText);
}

void TfrmNotify::TranslateHeaders() {
    for (int c = 0; c < rcColumnCount; ++c) {
        std::string text;
        GetLangText(kSection, "Cells" + std::to_string(c) + "0", text, false, grReceive->Cells(c, 0));
        grReceive->SetCells(c, 0, text);
    }
}

void TfrmNotify::SetColumnEditors() {
    grReceive->SetCellEditor(rcCode, kWholeColumn, kButtonEditor, "Y");
    grReceive->SetCellEditor(rcType, kWholeColumn, kListEditor, "", {typeEntry_}, true);
    for (int c : {rcMessage, rcSms, rcEmail})
        grReceive->SetCellEditor(c, kWholeColumn, kCheckBoxEditor, std::string(kTicked) + ";" + kUnticked);
}

bool TfrmNotify::PortalInUse() const { return portalSwitch_ == "Y" && !portalAddress_.empty(); }

// ---- the receiver text ----------------------------------------------------------------------

void TfrmNotify::LoadReceiverXml(const std::string& Text) {
    const TReceiverRows rows = hemr::LoadReceiverXml(Text, {typeEntry_});
    grReceive->SetRowCount(static_cast<int>(rows.size()) + 1);
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rcColumnCount; ++c) grReceive->SetCells(c, static_cast<int>(r) + 1, rows[r][c]);
}

TReceiverRows TfrmNotify::Receivers() const {
    TReceiverRows rows;
    for (int r = grReceive->FixedRows(); r < grReceive->RowCount(); ++r) {
        TReceiverRow& row = rows.emplace_back();
        for (int c = 0; c < rcColumnCount; ++c) row[c] = grReceive->CellText(c, r);
    }
    return rows;
}

std::string TfrmNotify::BuildReceiverXml() const { return hemr::BuildReceiverXml(Receivers()); }

void TfrmNotify::BitBtn1Click(rt::TObject*) {
    resultText_ = BuildReceiverXml();
    SetModalResult(rt::mrOk);
}

// ---- choosing a receiver -----------------------------------------------------------------------

bool TfrmNotify::GridFocused() const {
    const rt::TWinControl* active = ActiveControl();
    return active != nullptr && (active == grReceive || active->Parent() == grReceive);
}

bool TfrmNotify::ChoosingReceiver() const {
    return grReceive->EditorMode() && grReceive->Col() == rcCode && grReceive->Row() >= grReceive->FixedRows();
}

void TfrmNotify::grReceiveEditButtonClick(rt::TObject*, int, int) {
    if (ChoosingReceiver()) ChooseReceiver();
}

void TfrmNotify::grReceiveShowHintCell(rt::TObject*, int ACol, int ARow, rt::THintInfo&, bool& CanShow,
                                       std::string& HintText) {
    if (ACol != rcCode || ARow < grReceive->FixedRows() || !grReceive->EditorMode()) return;
    HintText = rt::Trim(me04->Lines()->Text());
    CanShow = true;
}

void TfrmNotify::ChooseReceiver() {
    if (portalSwitch_ == "Y") ChoosePortalUser();
    else ChooseInternalUser();
}

TPortalCaller TfrmNotify::Caller() const {
    const auto* owner = dynamic_cast<const TfrmBaseGene*>(Owner());
    return {owner != nullptr ? owner->UserID() : "", owner != nullptr ? owner->CompanyID() : "", GetSystemCodePage()};
}

void TfrmNotify::ChooseInternalUser() {
    auto* owner = dynamic_cast<TfrmBaseGene*>(Owner());
    if (owner == nullptr) return;
    rt::Variant result;
    owner->F2Query("NVRMA", "04", result, false, "", rt::Variant());
    const rt::Variant& rows = result.Deref();
    if (!rows.IsArray() || rows.ElementCount() == 0) return;
    // A single choice may come back as the row itself or as a list of rows.
    const rt::Variant& first = rows[rows.LowBound()].Deref();
    const rt::Variant& row = first.IsArray() ? first : rows;
    std::vector<std::string> fields;
    for (int i = 0; i < 4; ++i)
        fields.push_back(i < row.ElementCount() ? rt::VarToStr(row[row.LowBound() + i]) : std::string());
    PutReceiver(fields);
}

void TfrmNotify::ChoosePortalUser() {
    const std::string answer = CallPortalService(Caller(), portalAddress_);
    if (answer.empty()) return;
    const std::vector<TPortalUserEntry> users = ReadPortalUsers(answer);
    if (users.empty()) return;
    TPortalUserEntry chosen;
    if (ShowPortalUsers(this, users, chosen)) PutReceiver({chosen.Code, chosen.Name});
}

void TfrmNotify::PutReceiver(const std::vector<std::string>& Fields) {
    const int row = grReceive->Row();
    for (size_t c = 0; c < Fields.size(); ++c) grReceive->SetCells(static_cast<int>(c), row, Fields[c]);
    grReceive->SetCells(rcType, row, typeEntry_);
    grReceive->SetCells(rcMessage, row, kTicked);
}

// ---- keys ----------------------------------------------------------------------------------------

void TfrmNotify::AppendRow() {
    grReceive->SetRowCount(grReceive->RowCount() + 1);
    grReceive->SetRow(grReceive->RowCount() - 1);
}

void TfrmNotify::DeleteCurrentRow() {
    // The grid keeps one data row: the last one is only emptied.
    if (grReceive->Row() >= grReceive->FixedRows()) grReceive->RemoveRow(grReceive->Row());
}

void TfrmNotify::KeyDown(uint16_t& key, rt::TShiftState shift) {
    if (GridFocused()) {
        if (key == rt::VK_F2 && shift.Empty()) {
            key = 0;
            if (ChoosingReceiver()) ChooseReceiver();
            return;
        }
        if (key == rt::VK_DOWN && shift.Empty() && grReceive->Row() == grReceive->RowCount() - 1) {
            key = 0;
            AppendRow();
            return;
        }
        if (key == rt::VK_DELETE && shift == rt::TShiftState{rt::ssCtrl}) {
            key = 0;
            DeleteCurrentRow();
            return;
        }
    }
    TNVForm::KeyDown(key, shift);
}

// ---- the form --------------------------------------------------------------------------------------

std::string EditNotifyReceivers(rt::TComponent* OwnerForm, const std::string& CurrentText,
                                const std::string& PortalSwitch, const std::string& PortalAddress) {
    const rt::TFormPtr<TfrmNotify> form = rt::CreateFormOf<TfrmNotify>(OwnerForm);
    form->Open(CurrentText, PortalSwitch, PortalAddress);
    return form->ShowModal() == rt::mrOk ? form->ResultText() : CurrentText;
}

}  // namespace hemr
