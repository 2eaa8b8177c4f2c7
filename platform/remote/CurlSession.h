#pragma once
// What every libcurl user of the runtime needs: the library's one global
// set-up, done once whichever request comes first, and the write callback
// that gathers an answer into a string.

#include <cstddef>

namespace rt {

void CurlGlobalInit();

// CURLOPT_WRITEFUNCTION for a CURLOPT_WRITEDATA of type std::string*.
size_t CurlAppendToString(char* data, size_t size, size_t count, void* target);

}  // namespace rt
