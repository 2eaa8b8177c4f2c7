#include "platform/automation/BoundedJson.h"

#include <string>

#include "platform/core/Exceptions.h"

namespace rt {

nlohmann::json ParseBoundedJson(std::string_view text, const JsonBounds& bounds) {
    using Event = nlohmann::json::parse_event_t;
    size_t values = 0;
    auto check = [&](int depth, Event event, nlohmann::json&) {
        const bool opens = event == Event::object_start || event == Event::array_start;
        // `depth` counts the containers around this one.
        if (opens && depth >= bounds.MaxDepth)
            throw EConvertError("JSON nested deeper than " + std::to_string(bounds.MaxDepth) + " levels");
        if ((opens || event == Event::value) && ++values > bounds.MaxValues)
            throw EConvertError("JSON holding more than " + std::to_string(bounds.MaxValues) + " values");
        return true;
    };
    try {
        return nlohmann::json::parse(text, check);
    } catch (const nlohmann::json::exception& e) {
        throw EConvertError(std::string("Not JSON: ") + e.what());
    }
}

}  // namespace rt
