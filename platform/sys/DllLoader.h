// Library loading of this program. The archive libraries "ZIPDLL.DLL" and
// "UNZDLL.DLL" are linked into the program: loading one of those names, bare or
// with a folder in front, answers the built-in library, so callers keep their
// usual loading and look-up logic. Any other name fails to load.
#pragma once

#include <cstdint>
#include <map>
#include <string>

using HMODULE = std::uintptr_t;   // 0 (or anything <= 32) is a failed load

// Loads by file name (the folder is ignored). 0 when no library has that name.
HMODULE LoadLibrary(const std::string& fileName);
// The entry point of that name, or nullptr.
void* GetProcAddress(HMODULE module, const char* name);
bool FreeLibrary(HMODULE module);
// Error-box mode around a load: kept for the callers' sake, it shows nothing here.
unsigned SetErrorMode(unsigned mode);

// The table of a library: entry name -> address.
using TLibraryEntries = std::map<std::string, void*>;
// Replaces (or with an empty table removes) the library of that name (names
// without regard to case); answers the previous table. Used to stand in other
// versions of a library, e.g. in tests.
TLibraryEntries RegisterLibrary(const std::string& name, TLibraryEntries entries);
