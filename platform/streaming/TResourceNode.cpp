#include "platform/streaming/TResourceNode.h"

namespace rt {

const char* TResourceNode::KindKeyword(Kind kind) {
    switch (kind) {
        case Kind::Object: return "object";
        case Kind::Inherited: return "inherited";
        case Kind::Inline: return "inline";
    }
    return "object";
}

}  // namespace rt
