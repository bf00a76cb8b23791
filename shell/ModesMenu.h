// The predefined menu modes: the command ids each mode hides from the menus.
#pragma once

#include <string>

// Index 0 "Parieur", 1 "Supporter", 2 "Président-Entraineur", 3 "Complet",
// 4 "Personnalisé"; the hidden functions as stored in [General] FavorisEx
// (ids joined by "-"); empty for 3, 4 and any other index.
std::string ListeModeMenu(int index);
