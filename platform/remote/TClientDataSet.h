#pragma once
// A client data set over a provider of a server object: Open fetches the
// provider's records through the server's `AS_GetRecords(provider)` (answer
// [field names, rows]) and keeps them in memory, in the order of the active
// index. Edits change the cached records only; the server's data change
// through the server object's own calls, and Refresh fetches them again.

#include <memory>
#include <string>
#include <vector>

#include "platform/core/Variant.h"
#include "platform/remote/TField.h"

namespace rt {

class TRemoteConnection;

enum class TDataSetState { dsInactive, dsBrowse, dsEdit };

class TClientDataSet {
public:
    TClientDataSet();
    ~TClientDataSet();

    // The records come from the connection's server object...
    void SetRemoteServer(TRemoteConnection* connection) { connection_ = connection; }
    TRemoteConnection* RemoteServer() const { return connection_; }
    // ...or, without a connection, from this server object.
    void SetAppServer(const Variant& server) { appServer_ = server; }
    const std::string& ProviderName() const { return providerName_; }
    void SetProviderName(const std::string& name);

    // Named indexes: field names separated by ";".
    void AddIndex(const std::string& name, const std::string& fields);
    const std::string& IndexName() const { return indexName_; }
    void SetIndexName(const std::string& name);
    const std::string& IndexFieldNames() const { return indexFields_; }
    void SetIndexFieldNames(const std::string& fields);

    void Open();
    void Close();
    bool Active() const { return state_ != TDataSetState::dsInactive; }
    void SetActive(bool active) { active ? Open() : Close(); }
    TDataSetState State() const { return state_; }
    // Fetches the records again; the cursor stays on the same index key when it still exists.
    void Refresh();

    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    int RecordCount() const { return static_cast<int>(records_.size()); }
    // 1-based position of the current record, 0 without one.
    int RecNo() const { return records_.empty() ? 0 : current_ + 1; }

    // Finds the record whose index fields equal `values` (texts compared as
    // texts) and makes it current; false leaves the cursor where it was.
    bool FindKey(const std::vector<Variant>& values);

    void Edit();
    void Post();
    void Cancel();

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    TField& Fields(int index);
    TField* FindField(const std::string& name);
    // Raises EDatabaseError "Field 'NAME' not found".
    TField& FieldByName(const std::string& name);

    // Used by TField.
    Variant CurrentValue(int fieldIndex) const;
    void SetCurrentValue(int fieldIndex, const Variant& value);

private:
    struct IndexDef {
        std::string name;
        std::string fields;
    };
    using Record = std::vector<Variant>;

    Variant Server() const;
    void Fetch();
    void BuildFields(const std::vector<std::string>& names);
    void Sort();
    std::vector<int> IndexColumns() const;
    std::vector<Variant> KeyOf(const Record& record) const;
    bool GoToKey(const std::vector<Variant>& key);
    void RequireActive() const;
    void RequireBrowse() const;

    TRemoteConnection* connection_ = nullptr;
    Variant appServer_;
    std::string providerName_;
    std::vector<IndexDef> indexes_;
    std::string indexName_;
    std::string indexFields_;
    std::vector<std::unique_ptr<TField>> fields_;
    std::vector<Record> records_;
    Record editBuffer_;
    int current_ = 0;
    bool eof_ = true;
    bool bof_ = true;
    TDataSetState state_ = TDataSetState::dsInactive;
};

}  // namespace rt
