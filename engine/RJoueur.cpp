#include "engine/RJoueur.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/Joueurs.h"
#include "model/ListesJoueurs.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/Saison_Stats.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"

namespace {

// What a kind of 14..31 and 47..59 counts.
struct TDefinition
{
    enum Genre { Aucun, Somme, PourcentageBasket, PourcentageHand, Evaluation } genre = Aucun;
    int code1 = 0;   // summed, or made
    int code2 = 0;   // second code summed, or attempts
    int seuil = -1;  // basketball percentages: option holding the least attempts
};

TDefinition Definition(int type, const TDonneesChampionnatStat& c)
{
    using D = TDefinition;
    switch (type) {
    case 14: return {D::Somme, 6};
    case 15: return {D::Somme, 7};
    case 16: return {D::Somme, 9};
    case 17: return {D::Somme, 11};
    case 18: return {D::PourcentageBasket, 7, 8, 16};
    case 19: return {D::PourcentageBasket, 9, 10, 17};
    case 20: return {D::PourcentageBasket, 11, 12, 18};
    case 21: return {D::Somme, 13};
    case 22: return {D::Somme, 14};
    case 23: return {D::Somme, c.CodeInterception()};
    case 24: return {D::Somme, 19};
    case 25: return {D::Somme, c.CodePasse()};
    case 26: return {D::Somme, c.CodeBallePerdue()};
    case 27: return {D::Somme, 5};
    case 28: return {D::Somme, 13, 14};
    case 29: return {D::Evaluation};
    case 30: return {D::Somme, 16};
    case 31: return {D::Somme, 17};
    case 47: return {D::Somme, 32};
    case 48: return {D::Somme, 33};
    case 49: return {D::Somme, 34};
    case 50: return {D::Somme, 21};
    case 51: return {D::PourcentageHand, 21, 22};
    case 52: return {D::Somme, 23};
    case 53: return {D::PourcentageHand, 23, 24};
    case 54: return {D::Somme, 21, 23};
    case 55: return {D::Somme, 25, 27};
    case 56: return {D::Somme, 25};
    case 57: return {D::PourcentageHand, 25, 26};
    case 58: return {D::Somme, 27};
    case 59: return {D::PourcentageHand, 27, 28};
    default: return {};
    }
}

// The kind whose one-matchday values kinds 32..46 rank.
int TypeBase(int type)
{
    return type <= 44 ? type - 18 : type - 15;
}

std::string Fixe(double v, int precision, int decimales)
{
    return FloatToStrF(v, ffFixed, precision, decimales);
}

// Championships of a call: the list, or the current one.
TListeChampionnats Championnats(const TSaison& saison, const TListeChampionnats* liste)
{
    if (liste)
        return *liste;
    TListeChampionnats r;
    if (saison.ChampionnatCourant())
        r.push_back(saison.ChampionnatCourant());
    return r;
}

void Bornes(const TDonneesChampionnat& c, int premiere, int derniere, int& debut, int& fin)
{
    if (premiere <= 0) {
        debut = 1;
        fin = c.NbJour();
    } else {
        debut = premiere;
        fin = std::min(derniere, c.NbJour());
    }
}

bool Passe(int filtre, const TDonneesEvt& d)
{
    return filtre == TClassJoueur::ToutesEquipes || d.IdEquipe() == filtre;
}

// The counters of one call, by player number.
class TCompteurs
{
public:
    explicit TCompteurs(TSaison& saison) : saison_(saison) {}

    // The counter of the record's player (created with zeros); nullptr when the
    // season does not know the player.
    TCompteurJoueur* Compteur(int32_t idJoueur, int equipeDonnee)
    {
        auto it = index_.find(idJoueur);
        if (it != index_.end())
            return &liste_[it->second];
        if (JoueurNonDesigne(idJoueur))
            return nullptr;
        TJoueur* j = saison_.Joueurs().ChercheJoueur(idJoueur, equipeDonnee);
        if (!j)
            return nullptr;
        TCompteurJoueur c;
        c.Joueur = j;
        c.IdJoueur = idJoueur;
        c.IdEquipe = j->IdEquipe();
        index_[idJoueur] = liste_.size();
        liste_.push_back(std::move(c));
        return &liste_.back();
    }
    bool Existe(int32_t idJoueur) const { return index_.count(idJoueur) != 0; }
    // Adds n to the count, and 1 to the second count with the flag.
    void Accumule(const TDonneesEvt& d, int64_t n, bool drapeau)
    {
        if (TCompteurJoueur* c = Compteur(d.IdJoueur(), d.IdEquipe())) {
            c->Valeur += n;
            if (drapeau)
                ++c->Second;
        }
    }
    std::vector<TCompteurJoueur>& Liste() { return liste_; }

private:
    TSaison& saison_;
    std::map<int32_t, size_t> index_;
    std::vector<TCompteurJoueur> liste_;
};

// A score of the record's player: neither an own goal (0x80) nor a record
// outside the score such as a missed penalty (0x800).
bool Marque(const TDonneesEvt& d)
{
    return (d.Mot() & (evtRouge | evtHorsScore)) == 0;
}

void CompteDonnees(TDonneesChampionnat& c, int n, int type, int filtre, TCompteurs& compteurs)
{
    auto parcours = [&](int genre, auto&& f) {
        const TListeDonnees* l = c.ListeDonnees(genre, n);
        if (!l)
            return;
        for (int i = 0; i < l->Nombre(); ++i)
            if (const TDonneesEvt* d = l->Donnee(i); d && Passe(filtre, *d))
                f(*d);
    };
    switch (type) {
    case 0:
        parcours(2, [&](const TDonneesEvt& d) {
            if (Marque(d))
                compteurs.Accumule(d, 1, (d.Mot() & evt100) != 0);
        });
        break;
    case 1:
    case 2:
        parcours(3, [&](const TDonneesEvt& d) {
            if (((d.Mot() & 0xFF) <= 127) == (type == 1))
                compteurs.Accumule(d, 1, false);
        });
        break;
    case 3:
    case 4: {
        // The player's own scores of the matchday (no own goal, no missed
        // penalty), taken in player order: a run of one player counts once
        // when it is exactly 2 long (3) or 3 or more (4).
        std::map<std::pair<int32_t, int>, int> series;
        if (const TListeDonnees* l = c.ListeDonnees(2, n))
            for (int i = 0; i < l->Nombre(); ++i)
                if (const TDonneesEvt* d = l->Donnee(i); d && Marque(*d))
                    ++series[{d->IdJoueur(), d->IdEquipe()}];
        for (const auto& [cle, nb] : series)
            if ((type == 3 && nb == 2) || (type == 4 && nb >= 3)) {
                if (filtre != TClassJoueur::ToutesEquipes && cle.second != filtre)
                    continue;
                if (TCompteurJoueur* cp = compteurs.Compteur(cle.first, cle.second))
                    ++cp->Valeur;
            }
        break;
    }
    case 5: parcours(4, [&](const TDonneesEvt& d) { compteurs.Accumule(d, 1, false); }); break;
    case 8:
        parcours(2, [&](const TDonneesEvt& d) {
            if (d.Mot() & evtRouge)
                compteurs.Accumule(d, 1, false);
        });
        break;
    case 10:
        // A missed kick or a score credited to the other side gives no points.
        static constexpr std::pair<int, int> valeurs[] = {{2, 5}, {6, 2}, {5, 3}, {7, 3}};
        for (const auto& v : valeurs)
            parcours(v.first, [&](const TDonneesEvt& d) {
                if (Marque(d))
                    compteurs.Accumule(d, v.second, false);
            });
        break;
    case 11: parcours(6, [&](const TDonneesEvt& d) { compteurs.Accumule(d, 1, false); }); break;
    case 12: parcours(5, [&](const TDonneesEvt& d) { compteurs.Accumule(d, 1, false); }); break;
    case 13: parcours(7, [&](const TDonneesEvt& d) { compteurs.Accumule(d, 1, false); }); break;
    default: break;
    }
}

// Per player of the filter, the sum of the code's records on matchday n.
std::map<std::pair<int32_t, int>, int64_t> Sommes(const TDonneesChampionnatStat& c, int n, int code, int filtre)
{
    std::map<std::pair<int32_t, int>, int64_t> r;
    if (const TListeDonnees* l = code ? c.ListeStat(n, code) : nullptr)
        for (int i = 0; i < l->Nombre(); ++i)
            if (const TDonneesEvt* d = l->Donnee(i); d && Passe(filtre, *d))
                r[{d->IdJoueur(), d->IdEquipe()}] += d->Mot();
    return r;
}

void CompteStat(TDonneesChampionnatStat& c, int n, int type, int filtre, TCompteurs& compteurs, TSaison& saison)
{
    const TDefinition def = Definition(type, c);
    switch (def.genre) {
    case TDefinition::Somme:
        for (int code : {def.code1, def.code2})
            for (const auto& [cle, v] : Sommes(c, n, code, filtre))
                if (TCompteurJoueur* cp = compteurs.Compteur(cle.first, cle.second))
                    cp->Valeur += v;
        break;
    case TDefinition::PourcentageHand:
        for (const auto& [cle, v] : Sommes(c, n, def.code2, filtre))
            if (TCompteurJoueur* cp = compteurs.Compteur(cle.first, cle.second))
                cp->Diviseur += v;
        for (const auto& [cle, v] : Sommes(c, n, def.code1, filtre))
            if (TCompteurJoueur* cp = compteurs.Compteur(cle.first, cle.second))
                cp->Valeur += v;
        break;
    case TDefinition::PourcentageBasket: {
        const int seuil = c.Option(def.seuil);
        const auto reussis = Sommes(c, n, def.code1, filtre);
        for (const auto& [cle, tentes] : Sommes(c, n, def.code2, filtre)) {
            if (tentes < seuil)
                continue;
            if (TCompteurJoueur* cp = compteurs.Compteur(cle.first, cle.second)) {
                cp->Diviseur += tentes;
                auto it = reussis.find(cle);
                if (it != reussis.end())
                    cp->Valeur += it->second;
            }
        }
        break;
    }
    case TDefinition::Evaluation:
        for (int p = 0; p < c.NbEquipe(); ++p) {
            const int equipe = c.IdEquipe(p);
            if (equipe < 0 || equipe == 65535 || (filtre != TClassJoueur::ToutesEquipes && equipe != filtre))
                continue;
            TListeStatTir tirs(c.Sport());
            tirs.Calcule(equipe, &saison, false, c, n, 2);
            for (int i = 0; i < tirs.Nombre(); ++i) {
                const TStatTir* t = tirs.StatTir(i);
                if (TCompteurJoueur* cp = compteurs.Compteur(t->IdJoueur(), equipe))
                    cp->Valeur += static_cast<int64_t>(Round(c.Evaluation(*t)));
            }
        }
        break;
    case TDefinition::Aucun: break;
    }
}

// Kinds 32..46: the best value of one matchday.
void CompteMeilleur(TDonneesChampionnatStat& c, int n, int type, int filtre, TCompteurs& compteurs,
                    const TSaison& saison)
{
    const int base = TypeBase(type);
    const TDefinition def = Definition(base, c);
    std::map<std::pair<int32_t, int>, int64_t> valeurs, faits, tentes;
    if (def.genre == TDefinition::Somme) {
        for (int code : {def.code1, def.code2})
            for (const auto& [cle, v] : Sommes(c, n, code, filtre))
                valeurs[cle] += v;
    } else if (def.genre == TDefinition::PourcentageBasket) {
        const int seuil = c.Option(def.seuil);
        const auto reussis = Sommes(c, n, def.code1, filtre);
        for (const auto& [cle, t] : Sommes(c, n, def.code2, filtre)) {
            // a player without attempts that matchday has no rate in it
            if (t <= 0 || t < seuil)
                continue;
            auto it = reussis.find(cle);
            const int64_t r = it != reussis.end() ? it->second : 0;
            valeurs[cle] = DivisionArrondie(r * 10000, t);
            faits[cle] = r;
            tentes[cle] = t;
        }
    }
    for (const auto& [cle, v] : valeurs) {
        const bool nouveau = !compteurs.Existe(cle.first);
        TCompteurJoueur* cp = compteurs.Compteur(cle.first, cle.second);
        if (!cp || (!nouveau && v <= cp->Valeur))
            continue;
        cp->Valeur = v;
        // a percentage is shown from its own made and attempts
        cp->Brut = faits.count(cle) ? faits[cle] : v;
        cp->Diviseur = tentes.count(cle) ? tentes[cle] : 0;
        const TInfoComp* m = c.MatchEquipe(n, cle.second);
        cp->Match = m ? m->Libelle(&saison) : std::string();
    }
}

std::string NomTri(const TJoueur* j)
{
    return j ? SansAccent(j->Nom + " " + j->Prenom) : std::string();
}

} // namespace

// ---------------------------------------------------------------------------
bool TClassJoueur::ParMatch(int type)
{
    switch (type) {
    case 14: case 15: case 16: case 17: case 21: case 22: case 23: case 24: case 25: case 26: case 27: case 28:
    case 30: case 31: case 47: case 48: case 49: case 50: case 52: case 54: case 55: case 56: case 58:
        return true;
    default:
        return false;
    }
}

bool TClassJoueur::Pourcentage(int type)
{
    switch (type) {
    case 18: case 19: case 20: case 51: case 53: case 57: case 59: return true;
    default: return false;
    }
}

std::vector<TCompteurJoueur> TClassJoueur::TotauxJoueurs(TSaison& saison, int equipe,
                                                         const TListeChampionnats* championnats, int premiere,
                                                         int derniere, int type)
{
    saison.CalculeStatJoueurs();
    TCompteurs compteurs(saison);
    for (TDonneesChampionnat* c : Championnats(saison, championnats)) {
        if (!c)
            continue;
        int debut = 0, fin = 0;
        Bornes(*c, premiere, derniere, debut, fin);
        auto* cs = dynamic_cast<TDonneesChampionnatStat*>(c);
        for (int n = debut; n <= fin; ++n) {
            if (type >= 0 && type <= 13)
                CompteDonnees(*c, n, type, equipe, compteurs);
            else if (cs && MeilleurMatch(type))
                CompteMeilleur(*cs, n, type, equipe, compteurs, saison);
            else if (cs)
                CompteStat(*cs, n, type, equipe, compteurs, saison);
        }
        // An average per match divides by the matches the player played in
        // the matchdays counted, not in the whole championship.
        if (type >= 14 && !MeilleurMatch(type) && !Pourcentage(type) && !compteurs.Liste().empty()) {
            TSourceStats source = SourceStats(saison);
            source.Championnats = {c};
            std::unordered_map<const TJoueur*, int64_t> matchs;
            for (const TCompteTranche& t : CompteTranche(source, debut, fin))
                matchs[t.Joueur] = t.Valeurs[0];
            for (TCompteurJoueur& cp : compteurs.Liste())
                if (auto it = matchs.find(cp.Joueur); it != matchs.end())
                    cp.Diviseur += it->second;
        }
    }

    std::vector<TCompteurJoueur> liste = std::move(compteurs.Liste());
    // A rate without attempts is no rate: the player is not ranked.
    if (Pourcentage(type))
        std::erase_if(liste, [](const TCompteurJoueur& cp) { return cp.Diviseur <= 0; });
    if (type >= 14 && !MeilleurMatch(type))
        for (TCompteurJoueur& cp : liste) {
            cp.Brut = cp.Valeur;
            const int64_t facteur = Pourcentage(type) ? 10000 : 100;
            cp.Valeur = DivisionArrondie(cp.Valeur * facteur, cp.Diviseur);
        }

    std::vector<std::string> equipes(liste.size()), noms(liste.size());
    std::vector<size_t> ordre(liste.size());
    for (size_t i = 0; i < liste.size(); ++i) {
        ordre[i] = i;
        equipes[i] = saison.NomEquipe(liste[i].IdEquipe);
        noms[i] = NomTri(liste[i].Joueur);
    }
    std::stable_sort(ordre.begin(), ordre.end(), [&](size_t a, size_t b) {
        if (liste[a].Valeur != liste[b].Valeur)
            return liste[a].Valeur > liste[b].Valeur;
        if (const int k = CompareNomPersonne(equipes[a], equipes[b]); k != 0)
            return k < 0;
        return CompareNomPersonne(noms[a], noms[b]) < 0;
    });
    std::vector<TCompteurJoueur> triee;
    triee.reserve(liste.size());
    for (size_t i : ordre)
        triee.push_back(std::move(liste[i]));
    return triee;
}

std::unique_ptr<TListeNotes> TClassJoueur::NotesJoueurs(TSaison& saison, int equipe,
                                                        const TListeChampionnats* championnats, int premiere,
                                                        int derniere, int mode)
{
    saison.CalculeStatJoueurs();
    auto notes = std::make_unique<TListeNotes>(&saison);
    for (TDonneesChampionnat* c : Championnats(saison, championnats)) {
        if (!c)
            continue;
        // The players rated before this championship: the threshold of this
        // championship applies to the others only.
        std::vector<int32_t> avant;
        for (int i = 0; i < notes->Nombre(); ++i)
            avant.push_back(notes->Note(i)->IdJoueur);
        int debut = 0, fin = 0;
        Bornes(*c, premiere, derniere, debut, fin);
        const int nbTit = c->NbTitulaire(), nbRemp = c->NbRemp();
        for (int n = debut; n <= fin; ++n)
            for (int p = 0; p < c->NbEquipe(); ++p) {
                const int id = c->IdEquipe(p);
                if (id < 0 || id == 65535 || (equipe != ToutesEquipes && id != equipe))
                    continue;
                const TInfoComp* m = c->MatchEquipe(n, id);
                if (!m || !m->NotesSaisies(id))
                    continue;
                for (int slot = 1; slot <= nbTit + nbRemp; ++slot) {
                    const int note = m->Note(id, slot);
                    if (note < 0 || note == 255)
                        continue;
                    const int32_t joueur = slot <= nbTit ? m->JoueurTitulaire(id, slot)
                                                         : m->JoueurEntre(id, slot - nbTit);
                    if (!JoueurNonDesigne(joueur))
                        notes->AjouteNote(joueur, note, mode);
                }
            }
        // A share of the matchdays counted: of the championship's matchdays
        // when every played one is counted, else of the range's.
        const bool entiere = premiere <= 0 || (debut <= 1 && fin >= c->DerniereJournee);
        const int jours = entiere ? c->NbJour() : std::max(fin - debut + 1, 0);
        const int64_t seuil = static_cast<int64_t>(c->OptionArbitre(4)) * jours;
        for (int i = notes->Nombre() - 1; i >= 0; --i) {
            const TNoteJoueur* nj = notes->Note(i);
            if (std::find(avant.begin(), avant.end(), nj->IdJoueur) == avant.end()
                && static_cast<int64_t>(nj->NbNotes) * 100 < seuil)
                notes->Supprime(i);
        }
    }
    notes->Trie();
    return notes;
}

// ---------------------------------------------------------------------------
std::string TClassJoueur::LibelleClassement(const TSaison& saison, int type)
{
    if (MeilleurMatch(type))
        return LibelleClassement(saison, TypeBase(type));
    if (Pourcentage(type))
        return "%";
    switch (type) {
    case 0: {
        std::string s;
        saison.MultiSport().LibelleClassementJoueur(s);
        return s;
    }
    case 28: return Traduire(576);
    // the yellow cards: a handball yellow card is a warning
    case 1: return Traduire(saison.Sport() == sportHandball ? 103 : 78);
    case 48: return "2'";
    // rugby's two-try and three-try games
    case 3: return Traduire(saison.Sport() == sportRugby ? 4902 : 105);
    case 4: return Traduire(saison.Sport() == sportRugby ? 4903 : 106);
    default: break;
    }
    // The handball scorers (50) count the goals from play, kind 52 the
    // 7-metre goals; the saves (56) those on shots, kind 55 the 7-metre saves
    // too; the fouls (30, 31) are headed by what they count.
    static const std::map<int, int> textes = {
        {2, 104}, {5, 299}, {6, 300}, {7, 300}, {8, 816}, {9, 575},
        {10, 50}, {11, 500}, {12, 501}, {13, 502}, {14, 40}, {15, 196}, {16, 196}, {17, 196},
        {21, 1240}, {22, 1241}, {23, 586}, {24, 588}, {25, 585}, {26, 587}, {27, 581}, {29, 1179},
        {30, 650}, {31, 1292}, {47, 1495}, {49, 1493}, {50, 1544}, {52, 1549}, {54, 68}, {55, 5151},
        {56, 1492}, {58, 4550}};
    auto it = textes.find(type);
    return it != textes.end() ? Traduire(it->second) : std::string();
}

int TClassJoueur::NumeroLibelleEquipe(int type)
{
    // The two-goal and three-goal games share no number with the assists (4)
    // and the points scorers (5): they take the numbers past the last kind's.
    if (type == 3 || type == 4)
        return NumeroDoubles + type - 3;
    if (type == 5)
        return 4;
    if (type < 10)
        return type + 1;
    return type - 5;
}

std::string TClassJoueur::LibelleClassementEquipe(const TSaison& saison, int n)
{
    // the red cards headed as the team sheet's page and radio name them
    static const std::map<int, int> textes = {
        {2, 78}, {3, 680}, {4, 303}, {5, 50}, {6, 487}, {7, 501}, {8, 502}, {9, 40}, {10, 1139},
        {11, 1140}, {12, 1141}, {16, 576}, {17, 576}, {18, 577}, {19, 578}, {20, 1142}, {21, 580},
        {22, 581}, {23, 576}, {24, 1179}, {25, 650}, {26, 1292}, {42, 103}, {43, 1500}, {44, 1496},
        {45, 1544}, {47, 1549}, {51, 1492}, {53, 1532}};
    if (n == NumeroDoubles || n == NumeroDoubles + 1)
        return LibelleClassement(saison, 3 + n - NumeroDoubles);
    if (n == 1) {
        std::string s;
        saison.MultiSport().LibelleClassementJoueur(s);
        return s;
    }
    if ((n >= 13 && n <= 15) || n == 46 || n == 48 || n == 52 || n == 54)
        return "%";
    auto it = textes.find(n);
    if (it != textes.end())
        return Traduire(it->second);
    return "inconnu " + std::to_string(n);
}

// ---------------------------------------------------------------------------
std::vector<TColonneClassement> TClassJoueur::ColonnesGrille(const TSaison& saison, int type)
{
    const std::string libelle = LibelleClassement(saison, type);
    if (ParMatch(type))
        return {{20, ""}, {200, Traduire(107)}, {30, Traduire(589)}, {30, libelle}, {40, Traduire(591)}};
    if (type == 29)
        return {{20, ""}, {220, Traduire(107)}, {50, Traduire(589)}, {50, libelle}};
    if (Pourcentage(type))
        return {{20, ""}, {220, Traduire(107)}, {50, Traduire(1127)}, {50, "%"}};
    if (MeilleurMatch(type))
        return {{20, ""}, {220, Traduire(107)}, {250, Traduire(309)}, {50, libelle}};
    return {{20, ""}, {220, Traduire(107)}, {100, libelle}};
}

int TClassJoueur::NombreLignes(int hauteur, const std::vector<TCompteurJoueur>& liste)
{
    const int limite = std::max(0, (hauteur - 25) / 18 - 1);
    const int nb = static_cast<int>(liste.size());
    if (nb <= limite)
        return nb;
    if (limite == 0)
        return 0;
    // The group of equal values that the limit cuts is left out whole.
    const int64_t coupe = liste[static_cast<size_t>(limite)].Valeur;
    int n = 0;
    while (n < limite && liste[static_cast<size_t>(n)].Valeur > coupe)
        ++n;
    return n > 0 ? n : limite;
}

std::vector<int> TClassJoueur::Rangs(const std::vector<TCompteurJoueur>& liste)
{
    std::vector<int> r(liste.size());
    for (size_t i = 0; i < liste.size(); ++i)
        r[i] = i > 0 && liste[i].Valeur == liste[i - 1].Valeur ? r[i - 1] : static_cast<int>(i) + 1;
    return r;
}

std::vector<std::string> TClassJoueur::TextesValeurs(int type, const TCompteurJoueur& c)
{
    // Averages and rates from their own counts, rounded once.
    if (ParMatch(type))
        return {std::to_string(c.Diviseur), std::to_string(c.Brut), TexteQuotient(c.Brut, c.Diviseur, 2)};
    if (type == 29)
        return {std::to_string(c.Diviseur), TexteQuotient(c.Brut, c.Diviseur, 2)};
    if (Pourcentage(type))
        return {std::to_string(c.Brut) + "-" + std::to_string(c.Diviseur), TexteTaux(c.Brut, c.Diviseur, 2)};
    if (MeilleurMatch(type)) {
        const int base = TypeBase(type);
        return {c.Match, Pourcentage(base) ? TexteTaux(c.Brut, c.Diviseur, 2) : std::to_string(c.Valeur)};
    }
    if (type == 6 || type == 7)   // ratings: the average x 100
        return {Fixe(c.Valeur / 100.0, 4, 2)};
    if (type >= 0 && type <= 13) {
        std::string s = std::to_string(c.Valeur);
        if (type == 0 && c.Second > 0)
            s += " (" + std::to_string(c.Second) + ")";
        return {s};
    }
    return {Fixe(c.Valeur / 100.0, 4, 2)};
}

std::string TClassJoueur::TexteValeurEquipe(int type, const TCompteurJoueur& c)
{
    if (Pourcentage(type))
        return TexteTaux(c.Brut, c.Diviseur, 1) + "%";
    if (ParMatch(type))
        return TexteQuotient(c.Brut, c.Diviseur, 1);
    if (type == 29)
        return TexteQuotient(c.Brut, c.Diviseur, 2);
    if (MeilleurMatch(type)) {
        const int base = TypeBase(type);
        return Pourcentage(base) ? TexteTaux(c.Brut, c.Diviseur, 1) + "%" : std::to_string(c.Valeur);
    }
    return std::to_string(c.Valeur);
}

std::string TClassJoueur::NomJoueur(const TCompteurJoueur& c)
{
    return c.Joueur ? c.Joueur->Nom + " " + c.Joueur->Prenom : std::string();
}

// ---------------------------------------------------------------------------
int64_t TClassArbitre::ValeurType(const TPersonnelStat& a, uint32_t c, int type)
{
    switch (type) {
    case 0: return a.Stat(c, 1);
    case 1: return a.NbAvertissement(c);
    case 2: return a.NbExpulsion(c);
    case 3: return a.NbAvertissement(c) + 5 * static_cast<int64_t>(a.NbExpulsion(c));
    case 5: return a.Stat(c, 24);
    case 6: return a.Stat(c, 33);
    case 7: return a.Stat(c, 34);
    default: return 0;
    }
}

std::vector<TLigneArbitre> TClassArbitre::Classement(TSaison& saison, int type, const TListeChampionnats* championnats)
{
    saison.CompteStatSport();
    std::vector<TLigneArbitre> lignes;
    for (TDonneesChampionnat* c : Championnats(saison, championnats)) {
        if (!c)
            continue;
        const uint32_t code = static_cast<uint32_t>(c->CodeChamp);
        for (int i = 0; i < saison.Arbitres().NbPersonnel(); ++i) {
            auto* a = dynamic_cast<TPersonnelStat*>(saison.Arbitres().Personnel(i));
            if (!a)
                continue;
            const int64_t v = ValeurType(*a, code, type);
            if (v == 0)
                continue;
            auto it = std::find_if(lignes.begin(), lignes.end(), [a](const TLigneArbitre& l) { return l.Arbitre == a; });
            if (it == lignes.end()) {
                lignes.push_back({a});
                it = lignes.end() - 1;
            }
            it->Valeur += v;
            it->Matchs += a->NbMatch(code);
        }
    }
    for (TLigneArbitre& l : lignes)
        l.Rapport = l.Matchs > 0 ? DivisionArrondie(l.Valeur * 100, l.Matchs) : 0;
    std::stable_sort(lignes.begin(), lignes.end(), [](const TLigneArbitre& x, const TLigneArbitre& y) {
        if (x.Rapport != y.Rapport)
            return x.Rapport > y.Rapport;
        return CompareNomPersonne(SansAccent(x.Arbitre->NomComplet()), SansAccent(y.Arbitre->NomComplet())) < 0;
    });
    return lignes;
}

std::string TClassArbitre::LibelleClassement(int type)
{
    // handball's penalties are its 7-metre throws
    static const int textes[NbTypes] = {944, 941, 942, 943, 300, 1498, 1521, 1522};
    return type >= 0 && type < NbTypes ? Traduire(textes[type]) : std::string();
}

std::string TClassArbitre::TexteValeur(const TLigneArbitre& l)
{
    return TexteQuotient(l.Valeur, l.Matchs, 2);
}
