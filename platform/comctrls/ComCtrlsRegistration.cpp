#include "platform/comctrls/ComCtrlsRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/comctrls/TAnimate.h"
#include "platform/comctrls/TListColumn.h"
#include "platform/comctrls/TListView.h"
#include "platform/comctrls/TMonthCalendar.h"
#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/comctrls/TToolBar.h"
#include "platform/comctrls/TToolButton.h"

namespace rt {

void RegisterComCtrlsClasses() {
    RegisterClasses({TPageControl::StaticClass(), TTabSheet::StaticClass(), TListView::StaticClass(),
                     TListColumn::StaticClass(), TToolBar::StaticClass(), TToolButton::StaticClass(),
                     TAnimate::StaticClass(), TMonthCalendar::StaticClass()});
}

}  // namespace rt
