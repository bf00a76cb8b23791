// Opens an address in the system's web browser, in a window of its own. Tests
// replace the opener to see what would be opened.
#pragma once

#include <functional>
#include <string>

// False when the browser could not be started.
bool OuvreDansNavigateur(const std::string& url);
// Replaces the opener; an empty function restores the system's.
void RemplaceNavigateur(std::function<bool(const std::string&)> ouvreur);
