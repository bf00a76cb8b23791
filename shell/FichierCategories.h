// The shared category file "categories.xml": read, written whole.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "model/Saison.h"

// Category ids go from 1 to 65535 (a championship keeps a team's category in
// 16 bits; 0 is none).
inline constexpr int32_t MaxIdCategorie = 65535;
bool IdCategorieValide(int64_t id);
// The id of a new category: one above the highest of the list and of the ids
// cited elsewhere (a season's categories, teams and players), else the first
// one free of both; 0 when every id is taken.
int32_t ProchainIdCategorie(const std::vector<TCategorie>& liste, const std::set<int32_t>& cites = {});

// The categories of a file: those with a name, in file order. Illisible when
// the file exists but is no category file (cannot be opened, another root,
// malformed) or when a category of it was refused (Refuses: an id outside
// 1..65535 or not a number); such a file is kept aside before it is written
// again.
struct TFichierCategories
{
    std::vector<TCategorie> Liste;
    int32_t Max = 0;
    bool Illisible = false;
    bool Refuses = false;
};
TFichierCategories LitCategories(const std::string& fichier);
// The document of the list (no declaration, one tag per line).
std::string DocumentCategories(const std::vector<TCategorie>& liste);
// Written whole. A file that could not be read (endommage) is first kept
// aside under the first free name of ".bak", ".1.bak"... (copie: that name;
// endommage then turns false); when no copy can be made, nothing is written.
// False when the file is not written.
bool EcritCategories(const std::string& fichier, const std::vector<TCategorie>& liste, bool& endommage,
                     std::string& copie);
// The same for a file that was read whole (or was not there).
bool EcritCategories(const std::string& fichier, const std::vector<TCategorie>& liste);
