#include "platform/os/Registry.h"

#include <cstdlib>

namespace rt {

namespace {

const char* RootName(HKEY rootKey) {
    switch (rootKey) {
    case HKEY_CLASSES_ROOT: return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER: return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE: return "HKEY_LOCAL_MACHINE";
    case HKEY_USERS: return "HKEY_USERS";
    case HKEY_CURRENT_CONFIG: return "HKEY_CURRENT_CONFIG";
    default: return "";
    }
}

std::shared_ptr<const TRegFile> LoadRegistryFile() {
    const char* fileName = std::getenv("NVR_REGISTRY");
    return TRegFile::Load(fileName ? fileName : "");
}

// "\Software\NVR\" -> "Software\NVR"
std::string TrimDelimiters(const std::string& path) {
    size_t start = path.find_first_not_of('\\');
    if (start == std::string::npos) return std::string();
    size_t end = path.find_last_not_of('\\');
    return path.substr(start, end - start + 1);
}

}  // namespace

TRegistry::TRegistry() : rootKey_(HKEY_CURRENT_USER) {}

TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(HKEY rootKey) {
    CloseKey();
    rootKey_ = rootKey;
}

std::string TRegistry::TargetPath(const std::string& key) const {
    bool absolute = !key.empty() && key[0] == '\\';
    std::string path = TrimDelimiters(key);
    if (absolute || !currentKey_ || currentPath_.empty()) return path;
    return path.empty() ? currentPath_ : currentPath_ + "\\" + path;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    (void)canCreate;  // creating is refused: the registry here is read-only
    std::shared_ptr<const TRegFile> contents = LoadRegistryFile();
    std::string path = TargetPath(key);
    const TRegKey* found = contents->FindKey(RootName(rootKey_), path);
    if (!found) return false;
    contents_ = std::move(contents);
    currentKey_ = found;
    currentPath_ = path;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
    return OpenKey(key, false);
}

void TRegistry::CloseKey() {
    currentKey_ = nullptr;
    contents_.reset();
    currentPath_.clear();
}

bool TRegistry::KeyExists(const std::string& key) const {
    return LoadRegistryFile()->FindKey(RootName(rootKey_), TargetPath(key)) != nullptr;
}

const TRegValue* TRegistry::FindValue(const std::string& name) const {
    return currentKey_ ? currentKey_->FindValue(name) : nullptr;
}

const TRegValue& TRegistry::RequireValue(const std::string& name) const {
    const TRegValue* value = FindValue(name);
    if (!value) throw ERegistryException("Failed to get data for '" + name + "'");
    return *value;
}

bool TRegistry::ValueExists(const std::string& name) const {
    return FindValue(name) != nullptr;
}

TRegDataType TRegistry::GetDataType(const std::string& name) const {
    const TRegValue* value = FindValue(name);
    return value ? value->DataType : TRegDataType::rdUnknown;
}

std::string TRegistry::ReadString(const std::string& name) const {
    const TRegValue* value = FindValue(name);
    if (!value) return std::string();
    if (value->DataType != TRegDataType::rdString && value->DataType != TRegDataType::rdExpandString) {
        throw ERegistryException("Invalid data type for '" + name + "'");
    }
    return value->Text;
}

int32_t TRegistry::ReadInteger(const std::string& name) const {
    const TRegValue& value = RequireValue(name);
    if (value.DataType != TRegDataType::rdInteger) throw ERegistryException("Invalid data type for '" + name + "'");
    return static_cast<int32_t>(value.Number);
}

bool TRegistry::ReadBool(const std::string& name) const {
    return ReadInteger(name) != 0;
}

std::vector<std::string> TRegistry::GetValueNames() const {
    std::vector<std::string> names;
    if (!currentKey_) return names;
    for (const TRegValue& value : currentKey_->Values) names.push_back(value.Name);
    return names;
}

std::vector<std::string> TRegistry::GetKeyNames() const {
    return currentKey_ ? currentKey_->SubKeys : std::vector<std::string>();
}

bool TRegistry::HasSubKeys() const {
    return currentKey_ && !currentKey_->SubKeys.empty();
}

}  // namespace rt
