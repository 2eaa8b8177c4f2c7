#pragma once
// Links data-aware controls to a client data set; a control names its field
// by its published "DataSource" and "DataField" properties.

#include "platform/classes/TComponent.h"

namespace rt {
class TClientDataSet;
class TField;
}  // namespace rt

namespace hemr {

class TDataSource : public rt::TComponent {
    RT_CLASS(TDataSource, rt::TComponent)

public:
    explicit TDataSource(rt::TComponent* owner) : rt::TComponent(owner) {}

    // Not owned; set by the form that opens the data set.
    rt::TClientDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(rt::TClientDataSet* dataSet) { dataSet_ = dataSet; }

private:
    rt::TClientDataSet* dataSet_ = nullptr;
};

// The field behind `control`: its "DataSource" property holding a data source
// with a data set, and its "DataField" naming a field there; null otherwise.
rt::TField* FindBoundField(rt::TObject* control);

}  // namespace hemr
