#pragma once
// A data-aware edit with a caption label: it shows the text of the field
// named by DataField in its data source's current record and, when the user
// changed it while the data set is being edited, writes it back on exit.
// While a form is being designed the label takes the field's display label.

#include <string>

#include "src/controls/NvEdit.h"

namespace rt {
class TField;
}

namespace hemr {

class TDataSource;

class TNvDBEdit : public TNvEdit {
    RT_CLASS(TNvDBEdit, TNvEdit)

public:
    explicit TNvDBEdit(rt::TComponent* owner);
    ~TNvDBEdit() override;

    static void Publish(rt::TPublisher<TNvDBEdit>& p);

    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* source);
    const std::string& DataField() const { return dataField_; }
    void SetDataField(const std::string& field);
    // The field behind the edit, null when unbound or not found.
    rt::TField* Field();

    // Shows the field's text again (after the data set moved to another record).
    void DataChange();

    void Notification(rt::TComponent* component, rt::TOperation operation) override;

protected:
    void DoExit() override;

private:
    void BindingChanged();

    TDataSource* dataSource_ = nullptr;
    std::string dataField_;
};

}  // namespace hemr
