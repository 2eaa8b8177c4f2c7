#include "src/environment/LangPropertyPath.h"

#include "platform/classes/IdentText.h"
#include "platform/classes/TCollection.h"
#include "platform/classes/TComponent.h"
#include "platform/classes/TStrings.h"
#include "platform/comctrls/TListItem.h"
#include "platform/comctrls/TListItems.h"
#include "platform/graphics/Colors.h"
#include "src/environment/LangCommon.h"

#include <vector>

namespace hemr {

namespace {

bool ColorIdent(std::string_view ident, int64_t& value) {
    rt::TColor color = 0;
    if (!rt::IdentToColor(ident, color)) return false;
    value = color;
    return true;
}

std::vector<TLangIdentToInt>& IdentMaps() {
    static std::vector<TLangIdentToInt> maps{&ColorIdent};
    return maps;
}

bool IdentToInt(std::string_view ident, int64_t& value) {
    for (TLangIdentToInt map : IdentMaps()) {
        if (map(ident, value)) return true;
    }
    return false;
}

rt::TPropResult Skipped(std::string reason) { return rt::TPropResult::Failure(std::move(reason)); }

std::vector<std::string_view> SplitPath(std::string_view path) {
    std::vector<std::string_view> segments;
    for (size_t dot; (dot = path.find('.')) != std::string_view::npos;) {
        segments.push_back(path.substr(0, dot));
        path.remove_prefix(dot + 1);
    }
    segments.push_back(path);
    return segments;
}

rt::TObject* ObjectProperty(rt::TObject* object, std::string_view name) {
    const rt::TPropInfo* info = rt::GetPropInfo(object, name);
    if (info == nullptr || info->Kind != rt::tkClass || !info->GetObject) return nullptr;
    return info->GetObject(object);
}

rt::TObject* CollectionItem(rt::TObject* object, int index) {
    auto* collection = dynamic_cast<rt::TCollection*>(object);
    return collection != nullptr && index < collection->Count() ? collection->Items(index) : nullptr;
}

// List views and tree views reach their columns and nodes through their
// published collections; a list view's items are a list of their own.
rt::TObject* ViewElement(rt::TObject* view, const TLangSegment& segment) {
    if (ClassChainHas(view, "TCustomTreeView") && !rt::SameName(segment.Base, "Items")) return nullptr;
    rt::TObject* elements = ObjectProperty(view, segment.Base);
    if (auto* items = dynamic_cast<rt::TListItems*>(elements))
        return segment.Index < items->Count() ? items->Item(segment.Index) : nullptr;
    return CollectionItem(elements, segment.Index);
}

// One step of the walk over an indexed segment; null abandons the attribute.
rt::TObject* StepIndexed(rt::TObject* object, const TLangSegment& segment) {
    if (segment.Index < 0 || !IsIndexedLangName(segment.Base)) return nullptr;
    if (dynamic_cast<rt::TCollection*>(object) != nullptr) return CollectionItem(object, segment.Index);
    if (ClassChainHas(object, "TCustomListView") || ClassChainHas(object, "TListView") ||
        ClassChainHas(object, "TCustomTreeView")) {
        return ViewElement(object, segment);
    }
    rt::TObject* property = ObjectProperty(object, segment.Base);
    // "Items_2" of an owner whose items are a collection selects the item.
    if (auto* collection = dynamic_cast<rt::TCollection*>(property)) return CollectionItem(collection, segment.Index);
    return nullptr;
}

rt::TPropResult AssignLine(rt::TStrings& lines, int index, std::string_view value) {
    if (index < 0) return Skipped("A string list needs a line index");
    lines.BeginUpdate();
    while (lines.Count() <= index) lines.Add("");
    lines.SetStrings(index, std::string(value));
    lines.EndUpdate();
    return rt::TPropResult::Success();
}

}  // namespace

void RegisterLangIdentMap(TLangIdentToInt map) {
    if (map == nullptr) return;
    for (TLangIdentToInt known : IdentMaps()) {
        if (known == map) return;
    }
    IdentMaps().push_back(map);
}

rt::TPropResult SetPropByPath(rt::TObject* instance, std::string_view path, std::string_view value) {
    std::string reason;
    const rt::TPropTarget target = rt::FindPropTarget(instance, path, &reason);
    if (target.Info == nullptr) return Skipped(reason.empty() ? "Unknown property " + std::string(path) : reason);
    switch (target.Info->Kind) {
        case rt::tkEnumeration:
        case rt::tkSet: return rt::TrySetPropText(instance, path, rt::TrimView(value));
        case rt::tkInteger: {
            rt::TPropResult numeric = rt::TrySetPropText(instance, path, value);
            int64_t number = 0;
            if (numeric || !IdentToInt(rt::TrimView(value), number)) return numeric;
            return rt::TrySetOrdProp(instance, path, number);
        }
        default: return rt::TrySetPropText(instance, path, value);
    }
}

rt::TPropResult ApplyLangAttribute(rt::TComponent* component, std::string_view path, std::string_view value) {
    if (component == nullptr) return Skipped("No component");
    std::vector<std::string_view> segments = SplitPath(path);
    // A path ending in "." or blanks names its last real segment.
    while (segments.size() > 1 && rt::TrimView(segments.back()).empty()) segments.pop_back();
    rt::TObject* object = component;
    for (size_t i = 0; i + 1 < segments.size(); ++i) {
        const TLangSegment segment = ParseLangSegment(segments[i]);
        object = segment.Index >= 0 || rt::TrimView(segments[i]).find('_') != std::string_view::npos
                     ? StepIndexed(object, segment)
                     : ObjectProperty(object, segment.Base);
        if (object == nullptr) return Skipped("Cannot follow " + std::string(segments[i]) + " in " + std::string(path));
    }
    const TLangSegment last = ParseLangSegment(segments.back());
    if (last.Base.empty()) return Skipped("Empty property name");
    if (last.Index >= 0) {
        object = ObjectProperty(object, last.Base);
        if (auto* lines = dynamic_cast<rt::TStrings*>(object)) return AssignLine(*lines, last.Index, value);
        return Skipped("Property " + last.Base + " is not a string list");
    }
    // A list item's caption is no published property.
    if (auto* item = dynamic_cast<rt::TListItem*>(object); item != nullptr && rt::SameName(last.Base, "Caption")) {
        item->SetCaption(std::string(value));
        return rt::TPropResult::Success();
    }
    return SetPropByPath(object, last.Base, value);
}

}  // namespace hemr
