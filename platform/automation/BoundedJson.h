#pragma once
// JSON from outside (a request, a scenario file) read with bounds: a text
// nested deeper or holding more values than allowed is refused while it is
// read, before anything that deep is built, walked or copied.

#include <cstddef>
#include <string_view>

#include <nlohmann/json.hpp>

namespace rt {

struct JsonBounds {
    // Arrays and objects inside one another; a variant array takes two.
    int MaxDepth = 64;
    // Values, arrays and objects together.
    size_t MaxValues = 1000000;
};

// Raises EConvertError naming what was wrong: no JSON, too deep, too many values.
nlohmann::json ParseBoundedJson(std::string_view text, const JsonBounds& bounds = {});

}  // namespace rt
