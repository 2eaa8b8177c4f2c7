#pragma once
// The one-time conversion of a form for TCodeConverter: walks the form's
// components through their published properties and class names, so that it
// converts controls it does not link to. Work that published properties
// cannot reach (grid cells, cell fonts) comes from walkers the control's own
// library registers under its class name.

#include <functional>
#include <string>

namespace rt {
class TComponent;
class TCustomForm;
class TListItem;
class TStringGrid;
class TObject;
class TStrings;
}  // namespace rt

namespace hemr {

class TCodeConverter;

// Converts the texts and fonts of one component of a class the converter
// cannot walk by itself; `kind` is the conversion kind of its texts.
using TConvertWalker = std::function<void(rt::TComponent* component, const TCodeConverter& converter, int kind)>;

// Walkers are matched against the component's class chain, nearest class
// first; registering a name again replaces its walker.
void RegisterConvertWalker(const std::string& className, TConvertWalker walker);
void UnregisterConvertWalker(const std::string& className);

class TFormConverter {
public:
    TFormConverter(const TCodeConverter& converter, bool convertAll);

    void ConvertForm(rt::TCustomForm* form);

    // Pieces shared with the walkers of other libraries.
    static void ConvertStringProp(const TCodeConverter& converter, rt::TObject* object, const char* name, int kind);
    static void ConvertLines(const TCodeConverter& converter, rt::TStrings* lines, int kind);

private:
    void ConvertComponent(rt::TComponent* component);
    void ConvertProperties(rt::TComponent* component);
    void ConvertFontProp(rt::TObject* object, const char* name) const;
    void ConvertItemsProp(rt::TComponent* component) const;
    void ConvertStyle(rt::TComponent* component) const;
    void ConvertStatusPanels(rt::TComponent* component) const;
    void ConvertClassWork(rt::TComponent* component) const;
    bool RunWalker(rt::TComponent* component) const;
    void ConvertListView(rt::TObject* view) const;
    void ConvertListCell(rt::TListItem* item, int column) const;
    void ConvertTabSet(rt::TComponent* tabSet) const;
    void ConvertSelectPanel(rt::TComponent* panel) const;
    void ConvertComboBox(rt::TComponent* comboBox) const;
    void ConvertTreeView(rt::TComponent* treeView) const;
    void ConvertStringGrid(rt::TStringGrid* grid) const;
    void ConvertScreen() const;
    std::string Text(const std::string& text) const;

    const TCodeConverter& converter_;
    bool convertAll_;
    int mode_;
};

}  // namespace hemr
