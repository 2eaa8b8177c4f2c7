#pragma once
// The entry points of Nvlanguage.so, resolved by name by its users.
//
// Text calls take a byte string (pointer and length, no terminator needed) and
// fill `result` with a new buffer of the converted bytes, terminated by a NUL
// that `resultLength` does not count. The caller releases it with NvFreeText.
// They return 1 on success; on failure they return 0 and set *result to null.
// Bad input never stops a conversion: bytes that are no character of the
// source code page, and characters the target code page cannot hold, each
// come out as one "?".

#include <cstddef>

extern "C" {

// Simplified Chinese in code page 936 to Traditional Chinese in code page 950.
int GBtoBIG5(const char* source, size_t length, char** result, size_t* resultLength);
// Traditional Chinese in code page 950 to Simplified Chinese in code page 936.
int BIG5toGB(const char* source, size_t length, char** result, size_t* resultLength);

// The same character conversions on UTF-8 text, without any code page in
// between, so nothing is lost to a code page's repertoire.
int GetBIG5Data(const char* source, size_t length, char** result, size_t* resultLength);
int GetGBData(const char* source, size_t length, char** result, size_t* resultLength);

// Chooses the Traditional standard GB -> Big5 converts to: 0 general (the
// default), 1 Taiwan, 2 Hong Kong. Returns the previous choice, or -1 for an
// unknown value, which changes nothing.
int SaveOrder(int order);

void NvFreeText(char* text);
}
