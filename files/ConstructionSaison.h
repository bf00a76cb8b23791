// Building a season's competitions tree from the composition window's entry
// list: node lines (competition groups, divisions, separators, play-offs) and
// championship lines (a championship file to import, a championship made in
// the window, or one of the season's own). The championships the season
// held are set aside first and filed again where a line names them; those no
// line names leave the season.
//
//     TListeEntrees l = ...;   // depth first, the root left out
//     std::string nom;         // receives the file that failed, if any
//     if (!TTraiteurFichier::ConstruitSaison(saison, l, sport, dll, barrages)) ...
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TDonneesBarrage;
class TDonneesChampionnat;
class TDonneesCompetition;

// One championship of the composition: a file to import, a championship made
// in the window, or one of the season's championships.
struct TListObj
{
    std::string Fichier;            // empty for championships made in the window
    int32_t Division = 0;
    int32_t GroupeDivision = 0;     // the group division of the division code
    int32_t Index = -1;             // -1 for files
    int32_t Code = -1;              // championship code, -1 until placed
    TDonneesChampionnat* Championnat = nullptr;    // made in the window (the season holds it)
    const TDonneesCompetition* Lien = nullptr;     // data of the season node it was copied from
};

// A line of the entry list. Node lines (level 1 or 2) carry a name: "#n" (a
// template code), "#n#text" (a play-off, n with its bit 0x8000, or a free
// division with n = -1) or a plain text. Championship lines (level 3) carry
// the level-3 name and their TListObj.
struct TEntreeSaison
{
    int Niveau = 0;
    std::string Nom;
    TListObj* Objet = nullptr;
    const TDonneesCompetition* Lien = nullptr;   // node lines
};
using TListeEntrees = std::vector<TEntreeSaison>;
using TListeBarrages = std::vector<std::unique_ptr<TDonneesBarrage>>;

// Whether a championship line imports its file: always in a new season
// (unless the line carries a championship); in an open season only for a
// file added in the window (index -1).
enum class TModeConstruction { Nouvelle, Complete };

class TSaison;
// The championship files of an entry list once read: one slot per line,
// empty for lines that import nothing.
using TFichiersEntrees = std::vector<std::unique_ptr<TSaison>>;
