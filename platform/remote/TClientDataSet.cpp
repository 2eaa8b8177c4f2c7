#include "platform/remote/TClientDataSet.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/remote/TRemoteConnection.h"
#include "platform/sysutils/StrUtils.h"

namespace rt {

namespace {

std::vector<std::string> SplitFields(const std::string& fields) {
    std::vector<std::string> names;
    for (const std::string& part : SplitString(fields, ";")) {
        std::string name = Trim(part);
        if (!name.empty())
            names.push_back(name);
    }
    return names;
}

bool IsVector(const Variant& v) { return v.IsArray() && v.DimCount() == 1; }

}  // namespace

TClientDataSet::TClientDataSet() = default;
TClientDataSet::~TClientDataSet() = default;

void TClientDataSet::SetProviderName(const std::string& name) {
    if (Active())
        throw EDatabaseError("Cannot change the provider of an open data set");
    providerName_ = name;
}

void TClientDataSet::AddIndex(const std::string& name, const std::string& fields) {
    for (IndexDef& def : indexes_)
        if (SameText(def.name, name)) {
            def.fields = fields;
            return;
        }
    indexes_.push_back({name, fields});
}

void TClientDataSet::SetIndexName(const std::string& name) {
    if (name.empty()) {
        indexName_.clear();
        indexFields_.clear();
        return;
    }
    auto it = std::find_if(indexes_.begin(), indexes_.end(), [&](const IndexDef& d) { return SameText(d.name, name); });
    if (it == indexes_.end())
        throw EDatabaseError("Index '" + name + "' not found");
    indexName_ = it->name;
    indexFields_ = it->fields;
    if (Active()) {
        IndexColumns();
        Sort();
        First();
    }
}

void TClientDataSet::SetIndexFieldNames(const std::string& fields) {
    indexName_.clear();
    indexFields_ = fields;
    if (Active()) {
        IndexColumns();
        Sort();
        First();
    }
}

Variant TClientDataSet::Server() const {
    Variant server = connection_ ? connection_->AppServer() : appServer_;
    if (!server.IsDispatch())
        throw EDatabaseError("No provider server: the connection is not open");
    return server;
}

void TClientDataSet::BuildFields(const std::vector<std::string>& names) {
    bool same = names.size() == fields_.size();
    for (size_t i = 0; same && i < names.size(); ++i)
        same = SameText(names[i], fields_[i]->FieldName());
    if (same)
        return;  // fields and their handlers stay across close and open
    fields_.clear();
    for (size_t i = 0; i < names.size(); ++i)
        fields_.push_back(std::make_unique<TField>(*this, names[i], static_cast<int>(i)));
}

void TClientDataSet::Fetch() {
    if (providerName_.empty())
        throw EDatabaseError("No provider name set");
    Variant packet = Server().Call("AS_GetRecords", {Variant(providerName_)});
    if (!IsVector(packet) || packet.ElementCount() < 2 || !IsVector(packet[packet.LowBound()].Deref()) ||
        !IsVector(packet[packet.LowBound() + 1].Deref()))
        throw EDatabaseError("Provider " + providerName_ + " answered no records");
    const Variant& names = packet[packet.LowBound()].Deref();
    const Variant& rows = packet[packet.LowBound() + 1].Deref();
    std::vector<std::string> fieldNames;
    for (int i = names.LowBound(); i <= names.HighBound(); ++i)
        fieldNames.push_back(VarToStr(names[i]));
    std::vector<Record> records;
    for (int r = rows.LowBound(); r <= rows.HighBound(); ++r) {
        const Variant& row = rows[r].Deref();
        if (!IsVector(row) || row.ElementCount() != static_cast<int>(fieldNames.size()))
            throw EDatabaseError("Provider " + providerName_ + " answered a malformed record");
        Record record;
        for (int c = row.LowBound(); c <= row.HighBound(); ++c)
            record.push_back(row[c].Deref());
        records.push_back(std::move(record));
    }
    BuildFields(fieldNames);
    records_ = std::move(records);
}

std::vector<int> TClientDataSet::IndexColumns() const {
    std::vector<int> columns;
    for (const std::string& name : SplitFields(indexFields_)) {
        auto it = std::find_if(fields_.begin(), fields_.end(),
                               [&](const std::unique_ptr<TField>& f) { return SameText(f->FieldName(), name); });
        if (it == fields_.end())
            throw EDatabaseError("Field '" + name + "' not found");
        columns.push_back((*it)->Index());
    }
    return columns;
}

std::vector<Variant> TClientDataSet::KeyOf(const Record& record) const {
    std::vector<Variant> key;
    for (int c : IndexColumns())
        key.push_back(record[static_cast<size_t>(c)]);
    return key;
}

void TClientDataSet::Sort() {
    std::vector<int> columns = IndexColumns();
    if (columns.empty())
        return;
    std::stable_sort(records_.begin(), records_.end(), [&](const Record& a, const Record& b) {
        for (int c : columns) {
            int order = CompareStr(VarToStr(a[static_cast<size_t>(c)]), VarToStr(b[static_cast<size_t>(c)]));
            if (order != 0)
                return order < 0;
        }
        return false;
    });
}

void TClientDataSet::Open() {
    if (Active())
        return;
    Fetch();
    Sort();
    state_ = TDataSetState::dsBrowse;
    First();
}

void TClientDataSet::Close() {
    records_.clear();
    editBuffer_.clear();
    state_ = TDataSetState::dsInactive;
    current_ = 0;
    eof_ = bof_ = true;
}

void TClientDataSet::Refresh() {
    RequireBrowse();
    std::vector<Variant> key;
    if (!records_.empty() && !IndexColumns().empty())
        key = KeyOf(records_[static_cast<size_t>(current_)]);
    Fetch();
    Sort();
    if (key.empty() || !GoToKey(key))
        First();
}

void TClientDataSet::RequireActive() const {
    if (!Active())
        throw EDatabaseError("Cannot perform this operation on a closed dataset");
}

void TClientDataSet::RequireBrowse() const {
    RequireActive();
    if (state_ == TDataSetState::dsEdit)
        throw EDatabaseError("Dataset in edit mode: post or cancel first");
}

void TClientDataSet::First() {
    RequireBrowse();
    current_ = 0;
    bof_ = true;
    eof_ = records_.empty();
}

void TClientDataSet::Last() {
    RequireBrowse();
    current_ = records_.empty() ? 0 : RecordCount() - 1;
    eof_ = true;
    bof_ = records_.empty();
}

void TClientDataSet::Next() {
    RequireBrowse();
    bof_ = false;
    if (current_ + 1 < RecordCount())
        ++current_;
    else
        eof_ = true;
}

void TClientDataSet::Prior() {
    RequireBrowse();
    eof_ = false;
    if (current_ > 0)
        --current_;
    else
        bof_ = true;
}

bool TClientDataSet::GoToKey(const std::vector<Variant>& key) {
    std::vector<int> columns = IndexColumns();
    if (columns.empty())
        throw EDatabaseError("No index currently active");
    if (key.empty() || key.size() > columns.size())
        throw EDatabaseError("FindKey: " + std::to_string(key.size()) + " values for an index of " +
                             std::to_string(columns.size()) + " fields");
    for (size_t r = 0; r < records_.size(); ++r) {
        bool match = true;
        for (size_t k = 0; match && k < key.size(); ++k)
            match = VarToStr(records_[r][static_cast<size_t>(columns[k])]) == VarToStr(key[k]);
        if (match) {
            current_ = static_cast<int>(r);
            eof_ = bof_ = false;
            return true;
        }
    }
    return false;
}

bool TClientDataSet::FindKey(const std::vector<Variant>& values) {
    RequireBrowse();
    return GoToKey(values);
}

void TClientDataSet::Edit() {
    RequireActive();
    if (state_ == TDataSetState::dsEdit)
        return;
    if (records_.empty())
        throw EDatabaseError("Cannot edit: the dataset is empty");
    editBuffer_ = records_[static_cast<size_t>(current_)];
    state_ = TDataSetState::dsEdit;
}

void TClientDataSet::Post() {
    RequireActive();
    if (state_ != TDataSetState::dsEdit)
        return;
    records_[static_cast<size_t>(current_)] = editBuffer_;
    editBuffer_.clear();
    state_ = TDataSetState::dsBrowse;
    std::vector<int> columns = IndexColumns();
    if (columns.empty())
        return;
    std::vector<Variant> key = KeyOf(records_[static_cast<size_t>(current_)]);
    Sort();
    GoToKey(key);
}

void TClientDataSet::Cancel() {
    if (state_ != TDataSetState::dsEdit)
        return;
    editBuffer_.clear();
    state_ = TDataSetState::dsBrowse;
}

TField& TClientDataSet::Fields(int index) {
    if (index < 0 || index >= FieldCount())
        throw ERangeError("Field index " + std::to_string(index) + " out of range");
    return *fields_[static_cast<size_t>(index)];
}

TField* TClientDataSet::FindField(const std::string& name) {
    for (auto& f : fields_)
        if (SameText(f->FieldName(), name))
            return f.get();
    return nullptr;
}

TField& TClientDataSet::FieldByName(const std::string& name) {
    TField* field = FindField(name);
    if (!field)
        throw EDatabaseError("Field '" + name + "' not found");
    return *field;
}

Variant TClientDataSet::CurrentValue(int fieldIndex) const {
    if (state_ == TDataSetState::dsEdit)
        return editBuffer_[static_cast<size_t>(fieldIndex)];
    if (!Active() || records_.empty() || (eof_ && bof_))
        return Variant();
    return records_[static_cast<size_t>(current_)][static_cast<size_t>(fieldIndex)];
}

void TClientDataSet::SetCurrentValue(int fieldIndex, const Variant& value) {
    if (state_ != TDataSetState::dsEdit)
        throw EDatabaseError("Dataset not in edit or insert mode");
    editBuffer_[static_cast<size_t>(fieldIndex)] = value;
}

}  // namespace rt
