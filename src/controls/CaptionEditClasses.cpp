#include "src/controls/CaptionEditClasses.h"

#include "platform/classes/ClassRegistry.h"
#include "src/controls/NvBtnDBEdit.h"
#include "src/controls/NvDBEdit.h"
#include "src/controls/NvEdit.h"

namespace hemr {

void RegisterCaptionEditClasses() {
    rt::RegisterClasses({TNvEdit::StaticClass(), TNvDBEdit::StaticClass(), TNvBtnDBEdit::StaticClass()});
}

}  // namespace hemr
