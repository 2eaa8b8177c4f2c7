#include "src/controls/NvDBEdit.h"

#include "platform/remote/TClientDataSet.h"
#include "src/controls/DataSource.h"

namespace hemr {

TNvDBEdit::TNvDBEdit(rt::TComponent* owner) : TNvEdit(owner) {}

TNvDBEdit::~TNvDBEdit() {
    if (dataSource_ != nullptr) dataSource_->RemoveFreeNotification(this);
}

void TNvDBEdit::Publish(rt::TPublisher<TNvDBEdit>& p) {
    p.Property("DataField", &TNvDBEdit::DataField, &TNvDBEdit::SetDataField).Default(std::string());
    p.Property("DataSource", &TNvDBEdit::DataSource, &TNvDBEdit::SetDataSource);
}

void TNvDBEdit::SetDataSource(TDataSource* source) {
    if (source == dataSource_) return;
    if (dataSource_ != nullptr) dataSource_->RemoveFreeNotification(this);
    dataSource_ = source;
    if (source != nullptr) source->FreeNotification(this);
    BindingChanged();
}

void TNvDBEdit::SetDataField(const std::string& field) {
    if (field == dataField_) return;
    dataField_ = field;
    BindingChanged();
}

rt::TField* TNvDBEdit::Field() { return FindBoundField(this); }

void TNvDBEdit::BindingChanged() {
    rt::TField* field = Field();
    if (field != nullptr && ComponentState().Contains(rt::csDesigning)) SetLabelCaption(field->DisplayLabel());
    DataChange();
}

void TNvDBEdit::DataChange() {
    rt::TField* field = Field();
    if (field == nullptr) return;
    SetText(field->Text());
    SetModified(false);
}

void TNvDBEdit::DoExit() {
    rt::TField* field = Field();
    const bool editing = field != nullptr && dataSource_->DataSet()->State() == rt::TDataSetState::dsEdit;
    if (editing && Modified()) {
        field->SetText(GetText());
        SetModified(false);
    }
    TNvEdit::DoExit();
}

void TNvDBEdit::Notification(rt::TComponent* component, rt::TOperation operation) {
    TNvEdit::Notification(component, operation);
    if (operation == rt::opRemove && component == dataSource_) dataSource_ = nullptr;
}

}  // namespace hemr
