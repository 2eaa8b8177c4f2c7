#include "platform/forms/ToolkitClasses.h"

#include "platform/buttons/TBitBtn.h"
#include "platform/buttons/TSpeedButton.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/IdentMaps.h"
#include "platform/classes/TCollectionItem.h"
#include "platform/classes/TComponent.h"
#include "platform/classes/TStringList.h"
#include "platform/comctrls/TAnimate.h"
#include "platform/comctrls/TListColumn.h"
#include "platform/comctrls/TListView.h"
#include "platform/comctrls/TMonthCalendar.h"
#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/comctrls/TToolBar.h"
#include "platform/comctrls/TToolButton.h"
#include "platform/extctrls/TRadioGroup.h"
#include "platform/extctrls/TSplitter.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/graphics/TPen.h"
#include "platform/grids/TDrawGrid.h"
#include "platform/grids/TStringGrid.h"
#include "platform/lists/TComboBox.h"
#include "platform/lists/TListBox.h"
#include "platform/maskedit/TMaskEdit.h"
#include "platform/menus/TMenuItem.h"
#include "platform/menus/TPopupMenu.h"
#include "platform/remote/TXmlHttpRequest.h"
#include "platform/spin/TSpinEdit.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TCustomMemo.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TEdit.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/stdctrls/TRadioButton.h"

namespace rt {

namespace {

bool IdentToColorValue(std::string_view ident, int64_t& value) {
    TColor color = 0;
    if (!IdentToColor(ident, color)) return false;
    value = color;
    return true;
}

bool ColorValueToIdent(int64_t value, std::string& ident) { return ColorToIdent(static_cast<TColor>(value), ident); }

}  // namespace

void RegisterToolkitClasses() {
    RegisterIntegerConsts("TColor", &IdentToColorValue, &ColorValueToIdent);
    RegisterClasses({
        // classes and graphics
        TPersistent::StaticClass(), TComponent::StaticClass(), TStringList::StaticClass(),
        TCollectionItem::StaticClass(), TFont::StaticClass(), TBrush::StaticClass(), TPen::StaticClass(),
        TBitmap::StaticClass(), TCanvas::StaticClass(), TImageList::StaticClass(),
        // standard controls
        TEdit::StaticClass(), TMemo::StaticClass(), TLabel::StaticClass(), TButton::StaticClass(),
        TCheckBox::StaticClass(), TRadioButton::StaticClass(), TPanel::StaticClass(), TGroupBox::StaticClass(),
        TMaskEdit::StaticClass(), TSpinEdit::StaticClass(), TListBox::StaticClass(), TComboBox::StaticClass(),
        TSpeedButton::StaticClass(), TBitBtn::StaticClass(), TRadioGroup::StaticClass(), TSplitter::StaticClass(),
        // common controls, grids and menus
        TPageControl::StaticClass(), TTabSheet::StaticClass(), TListView::StaticClass(), TListColumn::StaticClass(),
        TToolBar::StaticClass(), TToolButton::StaticClass(), TAnimate::StaticClass(), TMonthCalendar::StaticClass(),
        TDrawGrid::StaticClass(), TStringGrid::StaticClass(), TMenuItem::StaticClass(), TPopupMenu::StaticClass(),
    });
    RegisterXmlHttpRequest();
}

}  // namespace rt
