// Helpers of the miscellaneous statistics tables.
#pragma once

#include <initializer_list>
#include <string>

#include "ui/ColorStringGrid.h"
#include "ui/Couleurs.h"

class TDonneesChampionnat;
class TDonneesEvt;
class TSaison;

namespace divers {
TGridModel& Modele(TColorGridBase& g);
// Clears and sizes the grid: one header row, the column widths given.
void Taille(TColorGridBase& g, int colonnes, int lignes, std::initializer_list<int> largeurs);
void Entete(TColorGridBase& g, int col, const std::string& texte, const TCouleurElement& couleurs, int align);
void Cellule(TColorGridBase& g, int col, int row, const std::string& texte, const TCouleurElement& couleurs,
             bool suivie, int align);
// A team cell: name, crest, value, link.
void Equipe(TColorGridBase& g, int col, int row, TSaison* saison, int id, const TCouleurElement& couleurs,
            bool suivie, int valeur);
int Periode(const TDonneesChampionnat& c);
// A missed penalty: the record's flags are exactly the out-of-score flag.
bool Manque(const TDonneesEvt& e);
}  // namespace divers
