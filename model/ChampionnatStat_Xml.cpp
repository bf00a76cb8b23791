// The XML of the statistic championships: entry options, evaluation weights and
// weighting bands, period scores and the box score of a match.
#include <algorithm>
#include <limits>
#include <span>

#include "model/ChampionnatStat.h"
#include "model/ChampsSaison.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/Saison.h"
#include "model/ioXml.h"
#include "platform/rtl/Strings.h"

namespace {

// One element of the box score: a code, or a pair of codes written "a/b";
// its field.
struct TElementStat
{
    std::string_view nom;
    int code;
    int second;   // 0: a single code
    TChamp champ;
    constexpr const TChampXml& Def() const { return Champ(champ); }
};

constexpr TElementStat ElementsBasket[] = {
    {"TempsJeu", 5, 0, TChamp::StatTempsJeu},
    {"Pts", 6, 0, TChamp::StatPoints},
    {"Tir2Pts", 7, 8, TChamp::StatTirs2Points},
    {"Tir3Pts", 9, 10, TChamp::StatTirs3Points},
    {"LancerF", 11, 12, TChamp::StatLancersFrancs},
    {"Rebond", 13, 14, TChamp::StatRebonds},
    {"Passe", 15, 0, TChamp::StatPasses},
    {"Faute", 16, 0, TChamp::StatFautes},
    {"FauteProvoque", 17, 0, TChamp::StatFautesProvoquees},
    {"Interception", 18, 0, TChamp::StatInterceptions},
    {"Contre", 19, 0, TChamp::StatContres},
    {"BallePerdue", 20, 0, TChamp::StatBallesPerdues},
};

constexpr TElementStat ElementsHandball[] = {
    {"But", 21, 0, TChamp::StatButs},
    {"Tir", 22, 0, TChamp::StatTirs},
    {"Penalty", 23, 0, TChamp::StatPenaltys},
    {"PenaltyTotal", 24, 0, TChamp::StatPenaltysTotal},
    {"GardTirArret", 25, 0, TChamp::StatArretsTirs},
    {"GardTir", 26, 0, TChamp::StatTirsSubis},
    {"GardPenArret", 27, 0, TChamp::StatArretsPenaltys},
    {"GardPen", 28, 0, TChamp::StatPenaltysSubis},
    {"BallePerdue", 29, 0, TChamp::StatBallesPerdues},
    {"Passe", 30, 0, TChamp::StatPasses},
    {"Interception", 31, 0, TChamp::StatInterceptions},
    {"Avertissement", 32, 0, TChamp::StatAvertissements},
    {"_2minute", 33, 0, TChamp::Stat2Minutes},
    {"Disqualif", 34, 0, TChamp::StatDisqualifications},
    {"Expulsion", 35, 0, TChamp::StatExpulsions},
    {"Match", 36, 0, TChamp::StatMatchs},
};

// Each element is its field's leaf, written as a pair when it holds two codes,
// and the box score reads values of 0..65535.
constexpr bool ElementsConformes(std::span<const TElementStat> elements)
{
    for (const TElementStat& e : elements)
        if (e.Def().nom != e.nom || e.Def().attribut || (e.Def().forme == TFormeXml::Paire) != (e.second != 0) ||
            e.Def().bas != 0 || e.Def().haut != 65535 || e.Def().bits != 0)
            return false;
    return true;
}
static_assert(ElementsConformes(ElementsBasket) && ElementsConformes(ElementsHandball));

std::span<const TElementStat> Elements(int sport)
{
    if (sport == sportStatHandball)
        return ElementsHandball;
    return ElementsBasket;
}

// Reads the children of the element just opened, token by token, up to its
// end tag, handing each leaf (name, decoded text) to f; elements with children
// are skipped. A text without escapes is handed as it stands.
template <class F>
void LitFeuillesParJetons(TXmlReader& lecteur, F&& f)
{
    std::string decode;
    for (;;) {
        const uint8_t t = lecteur.ElementSuivant();
        if (t == xmlFin || t == xmlFinFlux)
            return;
        if (t == xmlComplet) {
            const std::string_view brut = lecteur.TexteVue();
            // Texts are short: looked at in place rather than searched.
            if (std::find(brut.begin(), brut.end(), '#') == brut.end()) {
                f(lecteur.NomVue(), brut);
            } else {
                decode = lecteur.Texte();
                f(lecteur.NomVue(), std::string_view(decode));
            }
        } else {
            lecteur.SauteElement(t);
        }
    }
}

// The same for the element just opened (nothing for a complete one); the
// usual element, leaves only, is read in one go.
template <class F>
void LitFeuilles(TXmlReader& lecteur, uint8_t jeton, F&& f)
{
    if (jeton != xmlDebut)
        return;
    TFeuilleXml feuilles[24];
    const int nb = lecteur.FeuillesEnPlace(feuilles);
    if (nb < 0) {
        LitFeuillesParJetons(lecteur, f);
        return;
    }
    std::string decode;
    for (int i = 0; i < nb; ++i) {
        const std::string_view brut = feuilles[i].Texte();
        if (!feuilles[i].diese) {
            f(feuilles[i].Nom(), brut);
        } else {
            decode = DecodeTexteXml(brut);
            f(feuilles[i].Nom(), std::string_view(decode));
        }
    }
}

// A box-score value: a plain number of up to four digits (the usual value)
// read at once; 0 when empty (or blanks only); -1 for what is no counter
// (not a number, or outside 0..65535, the range of every box-score field).
[[gnu::always_inline]] inline int Valeur(std::string_view texte)
{
    const size_t n = texte.size();
    if (n - 1 < 4) {
        unsigned v = 0;
        size_t i = 0;
        for (; i < n; ++i) {
            const unsigned d = static_cast<unsigned char>(texte[i]) - static_cast<unsigned>('0');
            if (d > 9)
                break;
            v = v * 10 + d;
        }
        if (i == n)
            return static_cast<int>(v);
    }
    int32_t v = 0;
    if (!EntierXmlLu(texte, v) || v < 0 || v > 65535)
        return -1;
    return v;
}

// A pair "a/b": both halves, or an empty text (0 and 0); -1 for a half
// that is missing or no counter.
[[gnu::always_inline]] inline void ValeursPaire(std::string_view texte, int& a, int& b)
{
    const size_t barre = static_cast<size_t>(std::find(texte.begin(), texte.end(), '/') - texte.begin());
    if (barre == texte.size()) {
        a = b = SansBlancs(texte).empty() ? 0 : -1;
        return;
    }
    // Valeur gives 0 for a half that is empty or blanks only: only a 0 that
    // does not start with a digit is looked at again.
    const std::string_view gauche = texte.substr(0, barre), droite = texte.substr(barre + 1);
    const auto manque = [](std::string_view moitie) {
        return moitie.empty() || (static_cast<unsigned char>(moitie[0]) <= ' ' && SansBlancs(moitie).empty());
    };
    a = Valeur(gauche);
    if (a == 0 && manque(gauche))
        a = -1;
    b = Valeur(droite);
    if (b == 0 && manque(droite))
        b = -1;
}

// The values of one box-score line as read: one per code from the table's
// first, and the codes written (the last text of a code counts).
struct TLigneLue
{
    int valeurs[16] = {};
    uint32_t ecrits = 0;
    size_t suivant = 0;   // where the next search by name starts
    // The first leaf whose value is no counter: its name and text.
    std::string_view fautif, texteFautif;
};

// A leaf of a box-score line: a statistic's value, or a pair "a/b", put in
// the line (true); false for any other name. The children come in the order
// of the table as written: the search starts after the last one found and
// goes round.
[[gnu::always_inline]] inline bool LitValeurLigne(std::span<const TElementStat> elements, int premier, TLigneLue& ligne,
                           std::string_view enfant, std::string_view texte)
{
    const size_t nb = elements.size();
    for (size_t r = 0, i = ligne.suivant; r < nb; ++r, i = i + 1 == nb ? 0 : i + 1) {
        const TElementStat& e = elements[i];
        if (!MemesNomsXml(enfant, e.nom))
            continue;
        ligne.suivant = i + 1 == nb ? 0 : i + 1;
        const auto pose = [&](int code, int valeur) {
            if (valeur < 0 && ligne.fautif.empty()) {
                ligne.fautif = e.nom;
                ligne.texteFautif = texte;
            }
            const int k = code - premier;
            if (k >= 0 && k < static_cast<int>(std::size(ligne.valeurs))) {
                ligne.valeurs[k] = valeur;
                ligne.ecrits |= 1u << k;
            }
        };
        if (e.second) {
            int a = 0, b = 0;
            ValeursPaire(texte, a, b);
            pose(e.code, a);
            pose(e.second, b);
        } else {
            pose(e.code, Valeur(texte));
        }
        return true;
    }
    return false;
}

}   // namespace

// ---------------------------------------------------------------------------
// Entry options, weights, bands

void TDonneesChampionnatStat::EcritOptionsSaisie(TXmlWriter& ecrivain)
{
    ecrivain.OuvreElement("OptionsSaisie");
    for (int k = 1; k <= NbStatActive; ++k)
        ecrivain.EcritElementBooleen("Option", StatActive(k) != 0);
    ecrivain.FermeElement("OptionsSaisie");
    ecrivain.OuvreElement("ValeurEval");
    for (int i = premiereEval_; i <= derniereEval_; ++i)
        ecrivain.EcritElementEntier("Option", ValeurEval(i));
    ecrivain.FermeElement("ValeurEval");
    if (!ponderations_.empty()) {
        ecrivain.OuvreElement("PondEvals");
        for (const TPonderation& p : ponderations_) {
            ecrivain.OuvreElement("PondEval");
            ecrivain.EcritElementEntier("Min", p.Min);
            ecrivain.EcritElementEntier("Max", p.Max);
            ecrivain.EcritElementEntier("Ponderation", p.Ponderation);
            ecrivain.FermeElement("PondEval");
        }
        ecrivain.FermeElement("PondEvals");
    }
}

int TDonneesChampionnatStat::LitOptionsSaisie(TXmlReader& lecteur)
{
    return LitOptionsSaisieJeton(lecteur, xmlDebut) ? 1 : 0;
}

bool TDonneesChampionnatStat::LitOptionsSaisieJeton(TXmlReader& lecteur, uint8_t jeton)
{
    const std::string nom = lecteur.Nom();
    if (nom == "OptionsSaisie")
        LitOptions(lecteur, jeton);
    else if (nom == "ValeurEval")
        LitValeursEval(lecteur, jeton);
    else if (nom == "PondEvals")
        LitPonderations(lecteur, jeton);
    else
        return false;
    return true;
}

void TDonneesChampionnatStat::LitOptions(TXmlReader& lecteur, uint8_t jeton)
{
    std::fill(std::begin(statActive_), std::end(statActive_), uint8_t{1});
    int k = 0;
    LitFeuilles(lecteur, jeton, [&](std::string_view nom, std::string_view texte) {
        if (nom != "Option")
            return;
        ++k;
        // Every option is checked; the later ones are not kept.
        if (lecteur.Lit(Champ(TChamp::OptionSaisie), texte) == 0 && k <= NbStatActive)
            statActive_[k - 1] = 0;
    });
}

void TDonneesChampionnatStat::LitValeursEval(TXmlReader& lecteur, uint8_t jeton)
{
    std::fill(evals_.begin(), evals_.end(), 0);
    int i = premiereEval_;
    LitFeuilles(lecteur, jeton, [&](std::string_view nom, std::string_view texte) {
        if (nom != "Option")
            return;
        SetValeurEval(i, lecteur.Lit(Champ(TChamp::ValeurEval), texte));
        if (i < derniereEval_)
            ++i;
    });
}

void TDonneesChampionnatStat::LitPonderations(TXmlReader& lecteur, uint8_t jeton)
{
    ponderations_.clear();
    if (jeton != xmlDebut)
        return;
    for (;;) {
        const uint8_t t = lecteur.ElementSuivant();
        if (t == xmlFin || t == xmlFinFlux)
            return;
        if (lecteur.Nom() != "PondEval") {
            lecteur.SauteElement(t);
            continue;
        }
        TPonderation p;
        LitFeuilles(lecteur, t, [&](std::string_view nom, std::string_view texte) {
            if (nom == "Min")
                p.Min = static_cast<uint8_t>(lecteur.Lit(Champ(TChamp::PonderationMin), texte));
            else if (nom == "Max")
                p.Max = static_cast<uint8_t>(lecteur.Lit(Champ(TChamp::PonderationMax), texte));
            else if (nom == "Ponderation")
                p.Ponderation = static_cast<uint16_t>(lecteur.Lit(Champ(TChamp::Ponderation), texte));
        });
        ponderations_.push_back(p);
    }
}

// ---------------------------------------------------------------------------
// Period scores

void TDonneesChampionnatStat::EcritScoresPeriode(TXmlWriter& ecrivain, const TInfoComp& match)
{
    // Both elements every time, even empty, as the program always wrote them.
    for (int cote = 0; cote < 2; ++cote) {
        // Up to the last period with a score; a period without one before it
        // is written as 255 (none) so that the later ones keep their place.
        int dernier = 0;
        for (int k = 1; k <= nbPeriodes_; ++k)
            if (match.ScorePeriode(cote, k) != 255)
                dernier = k;
        const std::string nom = cote == 0 ? "ScorePeriode1" : "ScorePeriode2";
        ecrivain.OuvreElement(nom);
        for (int k = 1; k <= dernier; ++k)
            ecrivain.EcritElementEntier("ItemPeriode", match.ScorePeriode(cote, k));
        ecrivain.FermeElement(nom);
    }
}

void TDonneesChampionnatStat::LitScoresPeriode(TXmlReader& lecteur, TInfoComp& match)
{
    LitScoresPeriodeJeton(lecteur, xmlDebut, match);
}

void TDonneesChampionnatStat::LitScoresPeriodeJeton(TXmlReader& lecteur, uint8_t jeton, TInfoComp& match)
{
    const int cote = lecteur.Nom() == "ScorePeriode2" ? 1 : 0;
    int k = 0;
    LitFeuilles(lecteur, jeton, [&](std::string_view nom, std::string_view texte) {
        if (nom != "ItemPeriode")
            return;
        ++k;
        const int v = lecteur.Lit(Champ(TChamp::ScorePeriode), texte);
        if (k <= nbPeriodes_)
            match.SetScorePeriode(cote, k, v);
    });
}

// ---------------------------------------------------------------------------
// Box score

void TDonneesChampionnatStat::EcritEvenementsMatch(TXmlWriter& ecrivain, const TInfoComp& match, int n,
                                                   bool evenements)
{
    if (evenements)
        EcritStatMatch(ecrivain, match, n, false);
}

namespace {

// The place of a (team, player) key in a table of 2^k slots.
size_t PlaceLigne(int equipe, int32_t id, size_t masque)
{
    const uint64_t cle = (static_cast<uint64_t>(static_cast<uint32_t>(equipe)) << 32) | static_cast<uint32_t>(id);
    return static_cast<size_t>((cle * 0x9E3779B97F4A7C15ULL) >> 32) & masque;
}

}  // namespace

void TDonneesChampionnatStat::DebutEcritureJournee(int n)
{
    RassembleLignes(n);
    RangeLignes();
    ecritureJournee_ = true;
}

void TDonneesChampionnatStat::RassembleLignes(int n)
{
    // A box score gathers a team's records by code, then by their place in
    // the code's list, two records of one player and code adding up: every
    // team's at once here. The lists of the codes follow the players in the
    // same order as a rule, so the line after the last one met is tried first.
    lignesEcriture_.clear();
    tableLignes_.assign(std::max<size_t>(tableLignes_.size(), 512), 0);
    const TIndexJoueurs* index = Saison() ? Saison()->IndexEcriture() : nullptr;
    const TJoueurs* joueurs = JoueursSaison(Saison());
    size_t suivante = 0;
    for (int code = premierCode_; code <= dernierCode_; ++code) {
        const TListeDonnees* l = ListeStat(n, code);
        if (!l)
            continue;
        const size_t colonne = static_cast<size_t>(code - premierCode_);
        for (int i = 0; i < l->Nombre(); ++i) {
            const TDonneesEvt* d = l->Donnee(i);
            const int equipe = d->IdEquipe();
            const int32_t id = d->IdJoueur();
            size_t k = suivante;
            if (k >= lignesEcriture_.size() || lignesEcriture_[k].id != id || lignesEcriture_[k].equipe != equipe) {
                size_t masque = tableLignes_.size() - 1;
                size_t h = PlaceLigne(equipe, id, masque);
                for (; tableLignes_[h] != 0; h = (h + 1) & masque) {
                    const TLigneEcriture& e = lignesEcriture_[static_cast<size_t>(tableLignes_[h] - 1)];
                    if (e.id == id && e.equipe == equipe)
                        break;
                }
                if (tableLignes_[h] != 0) {
                    k = static_cast<size_t>(tableLignes_[h] - 1);
                } else {
                    TJoueur* j = nullptr;
                    if (joueurs)
                        j = index ? index->ChercheJoueur(id, equipe) : joueurs->ChercheJoueur(id, equipe);
                    k = lignesEcriture_.size();
                    lignesEcriture_.push_back({j, id, 0, equipe, {}});
                    if (2 * lignesEcriture_.size() > tableLignes_.size()) {
                        // Twice the room, every line filed again.
                        tableLignes_.assign(2 * tableLignes_.size(), 0);
                        masque = tableLignes_.size() - 1;
                        for (size_t m = 0; m < lignesEcriture_.size(); ++m) {
                            size_t p = PlaceLigne(lignesEcriture_[m].equipe, lignesEcriture_[m].id, masque);
                            while (tableLignes_[p] != 0)
                                p = (p + 1) & masque;
                            tableLignes_[p] = static_cast<int32_t>(m + 1);
                        }
                    } else {
                        tableLignes_[h] = static_cast<int32_t>(k + 1);
                    }
                }
            }
            uint16_t& v = lignesEcriture_[k].valeurs[colonne];
            v = static_cast<uint16_t>(std::min(65535, v + d->Mot()));
            suivante = k + 1;
        }
    }
}

void TDonneesChampionnatStat::RangeLignes()
{
    // Each team's lines by the player's full name, namesakes by number, the
    // players the season does not know last, by number: the order of
    // TListeStatTir.
    const TIndexJoueurs* index = Saison() ? Saison()->IndexEcriture() : nullptr;
    constexpr int Inconnu = std::numeric_limits<int>::max();
    if (index) {
        for (TLigneEcriture& l : lignesEcriture_)
            l.rang = l.joueur ? index->RangNom(l.joueur) : Inconnu;
    } else {
        std::vector<TJoueur*> connus;
        for (const TLigneEcriture& l : lignesEcriture_)
            if (l.joueur)
                connus.push_back(l.joueur);
        const std::vector<int> rangs = RangsNomComplet(connus);
        size_t r = 0;
        for (TLigneEcriture& l : lignesEcriture_)
            l.rang = l.joueur ? rangs[r++] : Inconnu;
    }
    // Sorted through keys of 16 bytes: (team, rank) then (number, line).
    cles_.clear();
    for (size_t i = 0; i < lignesEcriture_.size(); ++i) {
        const TLigneEcriture& l = lignesEcriture_[i];
        cles_.emplace_back((static_cast<uint64_t>(static_cast<uint32_t>(l.equipe)) << 32) | static_cast<uint32_t>(l.rang),
                           (static_cast<uint64_t>(static_cast<uint32_t>(l.id) ^ 0x80000000u) << 32) | i);
    }
    std::sort(cles_.begin(), cles_.end());
    triees_.clear();
    for (const auto& c : cles_)
        triees_.push_back(lignesEcriture_[static_cast<size_t>(c.second & 0xFFFFFFFFu)]);
    lignesEcriture_.swap(triees_);
    equipesEcriture_.clear();
    for (size_t i = 0; i < lignesEcriture_.size(); ++i)
        if (i == 0 || lignesEcriture_[i].equipe != lignesEcriture_[i - 1].equipe)
            equipesEcriture_.push_back({lignesEcriture_[i].equipe, i, i + 1});
        else
            equipesEcriture_.back().fin = i + 1;
}

void TDonneesChampionnatStat::FinEcritureJournee()
{
    lignesEcriture_.clear();
    equipesEcriture_.clear();
    ecritureJournee_ = false;
}

void TDonneesChampionnatStat::EcritStatMatch(TXmlWriter& ecrivain, const TInfoComp& match, int n, bool noms)
{
    const std::string_view element = NomElementStat();
    const auto elements = Elements(sport_);
    // One line of the box score: valeur(code) gives the player's counters.
    auto ecritLigne = [&](int cote, const TJoueur* joueur, int32_t id, auto&& valeur) {
        ecrivain.OuvreElement(element);
        ecrivain.AjouteAttributEntier("Equipe", cote + 1);
        if (noms && joueur) {
            ecrivain.EcritElement("Nom", joueur->Nom);
            ecrivain.EcritElement("Prenom", joueur->Prenom);
        } else {
            ecrivain.AjouteAttributEntier("Joueur", id);
        }
        for (const TElementStat& e : elements) {
            if (e.second)
                ecrivain.EcritElementRapport(e.nom, valeur(e.code), valeur(e.second));
            else
                ecrivain.EcritElementPositif(e.nom, valeur(e.code));
        }
        ecrivain.FermeElement(element);
    };
    for (int cote = 0; cote < 2; ++cote) {
        const int equipe = match.IdEquipe(cote);
        // A team playing twice on the matchday has its records written with
        // its first match only.
        if (equipe == AucuneEquipe || (cote == 1 && match.IdEquipe(0) == equipe) || MatchEquipe(n, equipe) != &match)
            continue;
        if (ecritureJournee_) {
            const auto it = std::lower_bound(equipesEcriture_.begin(), equipesEcriture_.end(), equipe,
                                             [](const TEquipeEcriture& e, int id) { return e.equipe < id; });
            if (it == equipesEcriture_.end() || it->equipe != equipe)
                continue;
            for (size_t i = it->debut; i < it->fin; ++i) {
                const TLigneEcriture& l = lignesEcriture_[i];
                ecritLigne(cote, l.joueur, l.id, [&](int code) -> int {
                    return code >= premierCode_ && code <= dernierCode_ ? l.valeurs[code - premierCode_] : 0;
                });
            }
        } else {
            TListeStatTir stats(sport_);
            stats.Calcule(equipe, Saison(), true, *this, n, 2);
            for (int i = 0; i < stats.Nombre(); ++i) {
                const TStatTir& s = *stats.StatTir(i);
                ecritLigne(cote, s.Joueur(), s.IdJoueur(), [&](int code) -> int { return s.Valeur(code); });
            }
        }
    }
}

bool TDonneesChampionnatStat::LitEvenementMatch(std::string_view nom, TXmlReader& lecteur, uint8_t jeton,
                                                TInfoComp& match, int n)
{
    if (!MemesNomsXml(nom, NomElementStat()))
        return false;
    LitStatElement(lecteur, jeton, match, n);
    return true;
}

void TDonneesChampionnatStat::LitStatElement(TXmlReader& lecteur, uint8_t jeton, TInfoComp& match, int n)
{
    // No side: side 1; no player number: -1.
    static constexpr const TChampXml* attributs[2] = {&Champ(TChamp::StatCote), &Champ(TChamp::StatJoueur)};
    constexpr int32_t NonLu = std::numeric_limits<int32_t>::min();
    int32_t lus[2] = {NonLu, -1};
    lecteur.AttributsEntiers(attributs, lus);
    if (lus[0] == NonLu) {
        // No side: the home side. An empty one hides which team the figures
        // belong to: the document is damaged.
        if (lecteur.AAttribut("Equipe")) {
            lecteur.Endommage();
            return;
        }
        lus[0] = 1;
    }
    LitLigneStat(lecteur, jeton, match, n, lus[0], lus[1]);
    // The lines that follow it as the writer puts them are opened here, as
    // the match's loop would open them one by one.
    const std::string_view nom = NomElementStat();
    for (;;) {
        lus[0] = 1;
        lus[1] = -1;
        if (!lecteur.ElementSimple(nom, attributs, lus, jeton))
            return;
        LitLigneStat(lecteur, jeton, match, n, lus[0], lus[1]);
    }
}

void TDonneesChampionnatStat::LitLigneStat(TXmlReader& lecteur, uint8_t jeton, TInfoComp& match, int n, int cote,
                                           int32_t idJoueur)
{
    std::string nomJoueur, prenomJoueur;
    TLigneLue ligne;
    const auto elements = Elements(sport_);
    const int premier = premierCode_;
    const auto lit = [&](std::string_view enfant, std::string_view texte) {
        if (LitValeurLigne(elements, premier, ligne, enfant, texte))
            return;
        if (NomXml(enfant, "Nom"))
            nomJoueur = texte;
        else if (NomXml(enfant, "Prenom"))
            prenomJoueur = texte;
    };
    // The usual line, leaves only, read in one go as LitFeuilles does, its
    // values taken here without going through lit (a box score holds millions
    // of them); a line closed at once has no children to read.
    TFeuilleXml feuilles[24];
    const int nbFeuilles = jeton == xmlDebut ? lecteur.FeuillesEnPlace(feuilles) : 0;
    if (nbFeuilles < 0) {
        LitFeuillesParJetons(lecteur, lit);
    } else {
        std::string decode;
        for (int i = 0; i < nbFeuilles; ++i) {
            const std::string_view brut = feuilles[i].Texte();
            if (feuilles[i].diese) {
                decode = DecodeTexteXml(brut);
                lit(feuilles[i].Nom(), std::string_view(decode));
            } else if (!LitValeurLigne(elements, premier, ligne, feuilles[i].Nom(), brut)) {
                lit(feuilles[i].Nom(), brut);
            }
        }
    }

    // A figure that is no counter, or a side that is none, would file the
    // line's figures wrongly (or drop them): the document is damaged.
    if (!ligne.fautif.empty()) {
        lecteur.Endommage(ligne.fautif, ligne.texteFautif.data());
        return;
    }
    if (cote != 1 && cote != 2) {
        lecteur.Endommage(NomElementStat());
        return;
    }
    const int equipe = match.IdEquipe(cote - 1);
    if (equipe == AucuneEquipe)
        return;
    if (idJoueur == -1) {
        TJoueurs* joueurs = JoueursSaison(Saison());
        TJoueur* j = joueurs ? joueurs->ChercheOuCreeJoueur(nomJoueur, prenomJoueur, false, equipe) : nullptr;
        if (!j)
            return;
        idJoueur = j->Numero;
    }
    const TInfoCompJour* journee = Journee(n);
    if (!journee)
        return;
    // The player's records, made together: the codes with a value first
    // (a mask walked bit by bit rather than a test per code).
    const uint32_t codes = dernierCode_ - premierCode_ + 1 >= 32 ? ~0u : (1u << (dernierCode_ - premierCode_ + 1)) - 1;
    uint32_t avecValeur = 0;
    for (uint32_t e = ligne.ecrits & codes; e; e &= e - 1) {
        const int i = __builtin_ctz(e);
        avecValeur |= static_cast<uint32_t>(ligne.valeurs[i] > 0) << i;
    }
    TListeDonnees* listes[std::size(ligne.valeurs)];
    uint16_t mots[std::size(ligne.valeurs)];
    size_t nb = 0;
    for (; avecValeur; avecValeur &= avecValeur - 1) {
        const int i = __builtin_ctz(avecValeur);
        if (TListeDonnees* l = journee->ListeStat(premierCode_ + i, sport_)) {
            listes[nb] = l;
            mots[nb++] = static_cast<uint16_t>(std::min(ligne.valeurs[i], 65535));
        }
    }
    TListeDonnees::AjouteLot(std::span(listes, nb), idJoueur, equipe, std::span(mots, nb));
}
