#pragma once
// Read-only registry over the registry export file named by the environment
// variable NVR_REGISTRY (no variable or no file: no keys). The file is read
// again by every OpenKey, OpenKeyReadOnly and KeyExists, so a changed file
// takes effect at the next use; an open key keeps the contents it was opened on.
//
// Key paths are case-insensitive; a path starting with "\" is taken from the
// root, any other path is relative to the open key (or the root when none is
// open), as in the original. Value names are case-insensitive.

#include "platform/os/RegFile.h"
#include "platform/os/RegistryException.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rt {

using HKEY = std::uintptr_t;

inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr HKEY HKEY_USERS = 0x80000003u;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005u;

class TRegistry {
public:
    TRegistry();  // RootKey starts as HKEY_CURRENT_USER, as in the original
    ~TRegistry();

    HKEY RootKey() const { return rootKey_; }
    // Closes the open key.
    void SetRootKey(HKEY rootKey);

    // Opening fails (false, the open key stays) when the key does not exist;
    // with `canCreate` too, because nothing can be created in a read-only file.
    bool OpenKey(const std::string& key, bool canCreate);
    bool OpenKeyReadOnly(const std::string& key);
    void CloseKey();
    bool KeyExists(const std::string& key) const;

    // Path of the open key below the root, without a leading "\"; "" when none is open.
    const std::string& CurrentPath() const { return currentPath_; }
    bool HasOpenKey() const { return currentKey_ != nullptr; }

    bool ValueExists(const std::string& name) const;
    TRegDataType GetDataType(const std::string& name) const;
    // "" for a missing value; raises ERegistryException for a value that is not text.
    std::string ReadString(const std::string& name) const;
    // Raises ERegistryException for a missing value or one that is not a dword.
    int32_t ReadInteger(const std::string& name) const;
    bool ReadBool(const std::string& name) const;

    // Names in file order; empty when no key is open.
    std::vector<std::string> GetValueNames() const;
    std::vector<std::string> GetKeyNames() const;
    bool HasSubKeys() const;

private:
    std::string TargetPath(const std::string& key) const;
    const TRegValue* FindValue(const std::string& name) const;
    const TRegValue& RequireValue(const std::string& name) const;

    HKEY rootKey_;
    std::string currentPath_;
    std::shared_ptr<const TRegFile> contents_;
    const TRegKey* currentKey_ = nullptr;
};

}  // namespace rt
