#pragma once
// The notification form "被通知人": the receivers of a finished job's
// notification in an editable grid, one per row, filled in from the
// system's users through the owning condition form's lookup or from the
// company portal's users, and written back as the receiver text.

#include <string>
#include <vector>

#include "src/collaboration/PortalService.h"
#include "src/collaboration/ReceiverXml.h"
#include "src/controls/NVForm.h"

namespace rt {
class TBitBtn;
class TMemo;
struct THintInfo;
}  // namespace rt

namespace hemr {

class TStringAlignGrid;

class TfrmNotify : public TNVForm {
    RT_CLASS(TfrmNotify, TNVForm)

public:
    explicit TfrmNotify(rt::TComponent* owner);

    static void Publish(rt::TPublisher<TfrmNotify>& p);

    // Opening: texts converted, headers from the language pack, the portal
    // switch and address remembered with the type list they choose, the
    // column editors, and `CurrentText` loaded into the grid.
    void Open(const std::string& CurrentText, const std::string& PortalSwitch, const std::string& PortalAddress);
    // The grid's rows from a receiver text, and the receiver text of the grid.
    void LoadReceiverXml(const std::string& Text);
    std::string BuildReceiverXml() const;
    TReceiverRows Receivers() const;

    // The portal's users are offered when the switch is "Y" and an address is given.
    bool PortalInUse() const;
    // The one receiver type offered: "5.Portal用户" with the portal, else "1.系统用户".
    const std::string& TypeEntry() const { return typeEntry_; }
    // The text OK built, valid once the form closed with OK.
    const std::string& ResultText() const { return resultText_; }

    // ---- published handlers ------------------------------------------------------
    void BitBtn1Click(rt::TObject* Sender);
    void grReceiveEditButtonClick(rt::TObject* Sender, int ACol, int ARow);
    void grReceiveShowHintCell(rt::TObject* Sender, int ACol, int ARow, rt::THintInfo& HintInfo, bool& CanShow,
                               std::string& HintText);

    TStringAlignGrid* grReceive = nullptr;
    rt::TBitBtn* BitBtn1 = nullptr;
    rt::TBitBtn* BitBtn2 = nullptr;
    rt::TMemo* me04 = nullptr;
    rt::TMemo* me01 = nullptr;

protected:
    void Loaded() override;
    void KeyDown(uint16_t& key, rt::TShiftState shift) override;

private:
    void TranslateHeaders();
    void SetColumnEditors();
    // The grid or its cell editor has the focus.
    bool GridFocused() const;
    // A receiver may be chosen: editing a data cell of the code column.
    bool ChoosingReceiver() const;
    void ChooseReceiver();
    void ChooseInternalUser();
    void ChoosePortalUser();
    void PutReceiver(const std::vector<std::string>& Fields);
    void AppendRow();
    void DeleteCurrentRow();
    TPortalCaller Caller() const;

    std::string portalSwitch_;
    std::string portalAddress_;
    std::string typeEntry_;
    std::string resultText_;
};

// Shows the notification form for `CurrentText` modally and gives the text
// OK built, or `CurrentText` unchanged when it was cancelled or closed.
std::string EditNotifyReceivers(rt::TComponent* OwnerForm, const std::string& CurrentText,
                                const std::string& PortalSwitch, const std::string& PortalAddress);

}  // namespace hemr
