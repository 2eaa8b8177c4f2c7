#include "src/collaboration/CollaborationClasses.h"

#include "platform/classes/ClassRegistry.h"
#include "src/collaboration/NVDialogCF.h"
#include "src/collaboration/NvNotify.h"
#include "src/collaboration/PortalUser.h"

namespace hemr {

void RegisterCollaborationClasses() {
    rt::RegisterClasses({TfrmNVDialog::StaticClass(), TfrmNotify::StaticClass(), TfrmPortalUser::StaticClass()});
}

}  // namespace hemr
