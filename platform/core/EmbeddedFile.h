#pragma once
// A file embedded into a binary at build time (pictures, form resources).

#include <cstddef>
#include <string>
#include <string_view>

namespace rt {

struct EmbeddedFile {
    const char* name;
    const unsigned char* data;
    size_t size;

    std::string_view Bytes() const { return {reinterpret_cast<const char*>(data), size}; }
};

// The entry named `name` (compared exactly) in a table of `count` entries, or null.
inline const EmbeddedFile* FindEmbeddedFile(const EmbeddedFile* files, size_t count, std::string_view name) {
    for (size_t i = 0; i < count; ++i)
        if (name == files[i].name)
            return &files[i];
    return nullptr;
}

}  // namespace rt
