#pragma once
// Libraries bound by name at run time. Names written for the original
// platform work unchanged: "Nvlanguage.dll" (any case of ".dll") loads
// "Nvlanguage.so", a name without an extension gets ".so", and backslashes are
// separators. A name without a folder is looked for in the folder of the
// running program, then in the folder of the calling library, then by the
// system's search; in the first two folders a file differing only in case is
// accepted as well, because names from the original platform are not case-exact.

#include <cstdint>
#include <string>

namespace rt {

using HMODULE = std::uintptr_t;

// 0 on failure; LastLibraryError tells why.
[[gnu::noinline]] HMODULE LoadLibrary(const std::string& name);
// As LoadLibrary, taking "the calling library" to be the one containing `callerAddress`.
HMODULE LoadLibrary(const std::string& name, const void* callerAddress);
// nullptr when the symbol is missing; LastLibraryError tells why.
void* GetProcAddress(HMODULE module, const std::string& symbol);
bool FreeLibrary(HMODULE module);

// Full path of the library; of the running program for module 0.
std::string GetModuleFileName(HMODULE module);
// Full path of the library (or program) that contains `address`, "" when none does.
std::string ModuleFileNameOfAddress(const void* address);

// The calling thread's last failure of the functions above.
std::string LastLibraryError();

// base + ".so"
std::string LibraryFileName(const std::string& base);
// The file name a library name maps to here: "C:\x\Nvlanguage.DLL" -> "C:/x/Nvlanguage.so".
std::string MapLibraryName(const std::string& name);

}  // namespace rt
