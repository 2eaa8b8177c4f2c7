#include "src/controls/DataSource.h"

#include "platform/classes/TypInfo.h"
#include "platform/remote/TClientDataSet.h"

namespace hemr {

rt::TField* FindBoundField(rt::TObject* control) {
    if (control == nullptr || !rt::HasProperty(control, "DataSource") || !rt::HasProperty(control, "DataField"))
        return nullptr;
    if (rt::PropType(control, "DataSource") != rt::tkClass || rt::PropType(control, "DataField") != rt::tkString)
        return nullptr;
    auto* source = dynamic_cast<TDataSource*>(rt::GetObjectProp(control, "DataSource"));
    if (source == nullptr || source->DataSet() == nullptr) return nullptr;
    return source->DataSet()->FindField(rt::GetStrProp(control, "DataField"));
}

}  // namespace hemr
