#include "src/collaboration/PortalUser.h"

#include <algorithm>
#include <string>

#include "platform/buttons/TBitBtn.h"
#include "platform/forms/FormPtr.h"
#include "src/grid/TStringAlignGrid.h"

namespace hemr {

namespace {

constexpr const char* kSection = "TfrmPortalUser";
constexpr const char* kHeaders[] = {"用户编号", "用户名称"};
constexpr int kWidths[] = {154, 143};

}  // namespace

TfrmPortalUser::TfrmPortalUser(rt::TComponent* owner) : TfrmNVDialog(owner) {}

void TfrmPortalUser::Publish(rt::TPublisher<TfrmPortalUser>& p) {
    RT_COMPONENT(p, grUser);
    RT_COMPONENT(p, BitBtn1);
    RT_COMPONENT(p, BitBtn2);
}

void TfrmPortalUser::Loaded() {
    TfrmNVDialog::Loaded();
    // The headers are set before the texts are converted on creation; a pack may give them.
    for (int c = 0; c < 2; ++c) {
        std::string header;
        GetLangText(kSection, "Cells" + std::to_string(c) + "0", header, false, kHeaders[c]);
        grUser->SetColWidths(c, kWidths[c]);
        grUser->SetCells(c, 0, header);
    }
}

void TfrmPortalUser::ShowUsers(const std::vector<TPortalUserEntry>& Users) {
    // A grid keeps one row below its header: an empty list shows it blank.
    grUser->SetRowCount(std::max(static_cast<int>(Users.size()) + 1, 2));
    for (size_t i = 0; i < Users.size(); ++i) {
        grUser->SetCells(0, static_cast<int>(i) + 1, Users[i].Code);
        grUser->SetCells(1, static_cast<int>(i) + 1, Users[i].Name);
    }
}

void TfrmPortalUser::DoClose(rt::TCloseAction& action) {
    TfrmNVDialog::DoClose(action);
    selection_ = {grUser->Cells(0, grUser->Row()), grUser->Cells(1, grUser->Row())};
}

bool ShowPortalUsers(rt::TComponent* OwnerForm, const std::vector<TPortalUserEntry>& Users,
                     TPortalUserEntry& Selection) {
    Selection = {};
    const rt::TFormPtr<TfrmPortalUser> dialog = rt::CreateFormOf<TfrmPortalUser>(OwnerForm);
    dialog->ShowUsers(Users);
    // An empty list has only a blank row: nobody to choose.
    const bool chosen = dialog->ShowModal() == rt::mrOk && !Users.empty();
    if (chosen) Selection = dialog->Selection();
    return chosen;
}

}  // namespace hemr
