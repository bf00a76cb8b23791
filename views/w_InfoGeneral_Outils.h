// Helpers shared by the championship information units.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/gui/Graphics.h"
#include "ui/Couleurs.h"
#include "ui/Graphe.h"

class TDonneesChampionnat;
class TDonneesEvt;
class TGraphBarre;
class TGraphe;
class TSaison;
struct TChiffresInfo;
class TClasseInfoGeneral;

namespace infogen {

// The page's figures, each from its own counts rounded once as the rankings
// round theirs (TexteQuotient), "-" without a base: a value per match with
// two decimals; a share in percent with two decimals and "%".
std::string ParMatch(int64_t valeur, int64_t matchs);
std::string Part(int64_t nombre, int64_t total);
// The home share and the away share, 100 less the home one: "-" both without
// a goal (a point).
std::array<std::string, 2> PartsDomicile(int64_t domicile, int64_t total);
// A count and its share of the total (of 1 when there is none): "3 (37,50%)".
std::string AvecPart(int64_t nombre, int64_t total);
// Matchday n as a reader meets it: a cup's round by its name, else
// "Matchday n".
std::string NomJournee(const TDonneesChampionnat* c, int journee);
// value + " (Matchday n)", a cup's round named as a round.
std::string AvecJournee(const std::string& valeur, int journee, const TDonneesChampionnat* c = nullptr);
// The caption text id of a matchday's figure (the most and fewest goals or
// tries of a matchday): a cup's names the round.
int IdLegendeJournee(const TDonneesChampionnat* c, int id);
// The page's title for matchday n alone: "Matchday n - title".
std::string TitreJournee(const TDonneesChampionnat* c, int journee, const std::string& titre);
// Matchday journee alone, or 1 to the last played one when journee is 0
// (derniere < premiere: none).
void Etendue(const TDonneesChampionnat& c, int journee, int& premiere, int& derniere);
// Both scores of match m (from 1) of matchday d, when both are set.
bool ScoresConnus(const TDonneesChampionnat& c, int d, int m, int& a, int& b);
// The attendance of a match, 0 when unknown.
int64_t AffluenceConnue(const TDonneesChampionnat& c, int d, int m);
// Adds a played match's attendance to the figures (and to the matchday's
// total when given); an unknown one adds nothing.
void AjouteAffluence(TChiffresInfo& f, int64_t affluence, int64_t* journee = nullptr);
// The average over the matches whose attendance is known, "-" when none is.
std::string AffluenceMoyenne(const TChiffresInfo& f);
// The position number of the record's player, 0 when not found.
int NumeroPoste(TSaison* saison, const TDonneesEvt& e);
// Bar x of a series: pair a on odd matchdays, b on even ones.
void Barres(TGraphe& g, int serie, int x, int valeur, std::pair<TColor, TColor> a, std::pair<TColor, TColor> b);
// One empty series.
void UneSerie(TGraphe& g);
// Total, maximum and minimum of a series over matchdays 1..derniere (the first
// matchday reaching a value keeps it); a matchday without a match played
// (joues) has no figure to compare.
void ExtremesSerie(const std::vector<int>& s, const std::vector<int>& joues, int derniere, TChiffresInfo& f);

// A distribution chart: one bar per slice of `tranche` minutes.
void GrapheRepartition(TGraphBarre& g, const std::vector<int>& barres, int tranche, const std::string& titre,
                       TCouleurPoint paire);
// The given bar colour twice, or the scheme's first bar colours for 0.
TCouleurPoint PaireRepartition(TColor c, const TCouleurElement& couleurs);

// ---- HTML tables ----
using TCompteTable = TChiffresInfo;
// A header row over both columns (colours: title background, title font).
std::string EnteteHTML(const std::string& titre, const std::vector<std::string>& couleurs);
// The table tag and the championship's title row.
std::string OuvreTableHTML(const char* balise, TSaison* saison, const TDonneesChampionnat& c,
                           const std::vector<std::string>& couleurs);
// Matches, results, scores and the sport's discipline (bookings, or what the
// sport's window shows in their place) of the range; scorers by position
// with `postes`.
TCompteTable CompteTable(const TClasseInfoGeneral& classe, TSaison* saison, TDonneesChampionnat& c, int journee,
                         bool postes);
// The rows of the figures; ids of the score rows: total, per match, most,
// fewest, home share, away share; ids of the two discipline rows.
std::string LignesCommunes(const TCompteTable& t, const std::array<int, 6>& ids,
                           const std::vector<std::string>& couleurs, std::array<int, 2> discipline = {807, 809},
                           const TDonneesChampionnat* championnat = nullptr);
// The one table of rugby and handball: their score rows (points, goals) and
// discipline rows named by the given ids.
void TableRugbyHTML(const TClasseInfoGeneral& classe, TSaison* saison, int journee,
                    const std::vector<std::string>& couleurs, std::string& resultat, const std::array<int, 6>& ids,
                    std::array<int, 2> discipline);

}  // namespace infogen
