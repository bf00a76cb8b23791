// The OEM code page of archive names (850, the western DOS page) against the
// program's 8-bit character set. Bytes below 128 are the same in both.
#pragma once

#include <string>
#include <string_view>

// OEM -> Windows-1252. A character the 8-bit set lacks (box drawing) becomes '_'.
std::string OemToAnsi(std::string_view s);
// Windows-1252 -> OEM. A character the OEM page lacks becomes '_'.
std::string AnsiToOem(std::string_view s);
