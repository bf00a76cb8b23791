// A place in a standings as the interface writes it.
#pragma once

#include <string>

// "1er", "2e" in French; in English the ending follows the number ("1st",
// "2nd", "3rd", "4th", "11th", "21st").
std::string TraduireRang(int rang);
