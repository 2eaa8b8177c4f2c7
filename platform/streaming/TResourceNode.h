#pragma once
// The parsed form of one "object / inherited / inline ... end" block.

#include <string>
#include <vector>

#include "platform/streaming/TResourceValue.h"

namespace rt {

struct TResourceNode {
    enum class Kind { Object, Inherited, Inline };

    Kind kind = Kind::Object;
    std::string name;
    std::string className;
    std::vector<TResourceProperty> properties;
    std::vector<TResourceNode> children;
    int line = 0;

    static const char* KindKeyword(Kind kind);
};

}  // namespace rt
