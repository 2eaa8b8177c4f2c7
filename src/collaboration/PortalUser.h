#pragma once
// The portal user dialog: the portal's users in a read-only grid, one row
// each; whatever row is current when the dialog closes is its selection.

#include <string>
#include <vector>

#include "src/collaboration/NVDialogCF.h"
#include "src/collaboration/PortalService.h"

namespace rt {
class TBitBtn;
}  // namespace rt

namespace hemr {

class TStringAlignGrid;

class TfrmPortalUser : public TfrmNVDialog {
    RT_CLASS(TfrmPortalUser, TfrmNVDialog)

public:
    explicit TfrmPortalUser(rt::TComponent* owner);

    static void Publish(rt::TPublisher<TfrmPortalUser>& p);

    // One row per user below the header.
    void ShowUsers(const std::vector<TPortalUserEntry>& Users);
    // The row that was current when the dialog closed.
    const TPortalUserEntry& Selection() const { return selection_; }

    TStringAlignGrid* grUser = nullptr;
    rt::TBitBtn* BitBtn1 = nullptr;
    rt::TBitBtn* BitBtn2 = nullptr;

protected:
    void Loaded() override;
    void DoClose(rt::TCloseAction& action) override;

private:
    TPortalUserEntry selection_;
};

// Shows `Users` modally; true with the chosen user in `Selection` when the
// user pressed OK, else false and an empty selection. An empty list has no
// row to choose, so OK on it chooses nobody.
bool ShowPortalUsers(rt::TComponent* OwnerForm, const std::vector<TPortalUserEntry>& Users,
                     TPortalUserEntry& Selection);

}  // namespace hemr
