// The standings display: computes one table kind with the standings engine and
// writes it into a colour grid (captions, widths, lines, rank, team with its
// crest, the values of the kind, row colours, the promotion and relegation
// lines), and for the full general table (kind 9) the home and away columns and
// the two-cell band above them.
//
// It lives beside the windows, not in the engine: the engine knows no grid.
//
//     TCalculClassement calcul(championnat, saison);
//     AfficheGrille(calcul, 9, *sg_Classement, sg_titre, 0, 0, Statut, 2, Couleurs, nullptr);
//
// The same table goes into a grid without a window for the HTML pages:
//
//     TColorGridModel grille;
//     AfficheGrille(calcul, 5, grille, 1, c->DerniereJournee, couleurs, &positions);
//
// Kinds: those of the engine (1 to 13, 30, 31, 40 to 45, the statistic codes 50
// to 78, the form tables 100 to 114, 115). Kinds 10 to 13 show as 5 and 6.
// A team subset (positions) shows only those teams, one after the other, each
// with its rank in the whole table.
#pragma once

#include <string>
#include <vector>

#include "ui/ColorStringGrid.h"
#include "ui/Couleurs.h"

class TCalculClassement;
class TStatusBar;
class TSaison;

void AfficheGrille(TCalculClassement& calcul, int type, TColorStringGrid& grille, TColorStringGrid* titre,
                   int premiere, int derniere, TStatusBar* statut, int panneau, const TCouleurElement& couleurs,
                   const std::vector<int>* equipes);
void AfficheGrille(TCalculClassement& calcul, int type, TColorGridModel& grille, int premiere, int derniere,
                   const TCouleurElement& couleurs, const std::vector<int>* equipes);

namespace classement {

// The kind a table is laid out as (10 and 12 as 5, 11 and 13 as 6).
int TypeAffiche(int type);
// Tables where fewer is better: shown from the bottom of the engine's order.
bool Inverse(int type);
// The points tables (1 to 4 and 9).
bool TablePoints(int type);
// The title of a kind for the status bar; empty for kinds without one.
std::string Titre(int type, const TSaison* saison);
// The status text for a range: the title, or for a range that leaves
// matchdays of the season played out, the title with the range (text 63).
std::string TexteStatut(int type, const TSaison* saison, int premiere, int derniere);
// Rows dessus and r of a computed table stand level: the lower one shows no
// rank of its own ("-").
bool ExAequo(const TCalculClassement& calcul, int type, int dessus, int r);
// The rank row r of a computed table shares with the rows level with it: the
// number of the first of them.
std::string RangPartage(const TCalculClassement& calcul, int type, int r);
// The caption of the value column (column 2) of a one-value kind.
std::string LibelleValeur(int type, const TSaison* saison);

}  // namespace classement
