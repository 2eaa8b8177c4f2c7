#include "src/environment/LangComponentRead.h"

#include "src/environment/LangPropertyPath.h"

namespace hemr {

void TComponentRead::ReadComponent(pugi::xml_node element) {
    applied_ = 0;
    for (pugi::xml_attribute attribute = element.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        try {
            if (ApplyLangAttribute(component_, attribute.name(), attribute.value())) ++applied_;
        } catch (const std::exception&) {
            // A setter that refuses its value counts as a bad assignment, too.
        }
    }
}

}  // namespace hemr
