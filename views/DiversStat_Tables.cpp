// The tables of the miscellaneous statistics, on any colour grid.
#include <algorithm>
#include <map>

#include "codecs/PngPicture.h"
#include "engine/CalculClassement.h"
#include "engine/Statistique.h"
#include "model/Championnat.h"
#include "model/ChampionnatFootRugby.h"
#include "model/DescTree.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/NomJournee.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "ui/ColorStringGrid.h"
#include "views/AfficheClassement.h"
#include "views/DiversStat_Outils.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/w_DiversStat.h"

using vues::Texte;

namespace {
constexpr int TexteSansAffluence = 5930;   // a matchday's attendance summary with none known
}  // namespace

namespace divers {

TGridModel& Modele(TColorGridBase& g) { return dynamic_cast<TGridModel&>(g); }

void Taille(TColorGridBase& g, int colonnes, int lignes, std::initializer_list<int> largeurs)
{
    TGridModel& m = Modele(g);
    m.SetFixedCols(0);
    m.SetFixedRows(0);
    m.SetColCount(colonnes);
    m.SetRowCount(std::max(lignes, 2));
    m.SetFixedRows(1);
    for (int c = 0; c < colonnes; ++c)
        for (int r = 0; r < m.RowCount(); ++r)
            g.EcritCellule(c, r, "");
    int c = 0;
    for (int w : largeurs)
        m.SetColWidths(c++, w);
}

void Entete(TColorGridBase& g, int col, const std::string& texte, const TCouleurElement& couleurs, int align)
{
    g.RemplitCellule(col, 0, texte, align, 1, couleurs.CouleurTexteTitreTableau, clWhite, true);
    // the column is as wide as its title in the interface language
    g.ElargitSelonTexte(0);
}

void Cellule(TColorGridBase& g, int col, int row, const std::string& texte, const TCouleurElement& couleurs,
             bool suivie, int align)
{
    TColor t = 0, f = 0;
    TBrivantelForm::CouleursLigneSchema(row, t, f, suivie, couleurs);
    g.RemplitCellule(col, row, texte, align, 1, t, f, suivie);
}

void Equipe(TColorGridBase& g, int col, int row, TSaison* saison, int id, const TCouleurElement& couleurs,
            bool suivie, int valeur)
{
    TColor t = 0, f = 0;
    TBrivantelForm::CouleursLigneSchema(row, t, f, suivie, couleurs);
    g.RemplitCellule(col, row, saison->NomEquipeCourant(id), 0, 1, t, f, suivie, vues::Blason(saison, id));
    g.ChangeDonneeCellule(col, row, valeur);
    g.ChangeMarqueCellule(col, row, true);
}

int Periode(const TDonneesChampionnat& c)
{
    if (c.TempsPeriode > 0)
        return c.TempsPeriode;
    int a = 0, b = 0, p = 0, periode = 0;
    c.ParamsSport(a, b, p, periode);
    return periode;
}

bool Manque(const TDonneesEvt& e) { return (e.Mot() & ~evtMinute) == evtHorsScore; }

std::string NomJoueur(TSaison* saison, int32_t id)
{
    const TJoueur* j = id > 0 ? saison->Joueurs().ChercheJoueur(id, -1) : nullptr;
    return j ? j->Nom : Texte(108, "?");
}

}  // namespace divers

using namespace divers;

// ---- form ------------------------------------------------------------------------------------
void Tf_DiversStat::RemplitFormeEquipe(TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const bool lieux = (c->Option(11) & 2) == 0;
    const int n = c->NbEquipe();
    if (lieux)
        Taille(g, 4, n + 1, {150, 160, 90, 90});
    else
        Taille(g, 2, n + 1, {150, 160});
    for (int k = 0; k < (lieux ? 4 : 2); ++k)
        Entete(g, k, Texte(k == 0 ? 212 : k == 1 ? 213 : k == 2 ? 64 : 65), couleurs, k == 0 ? 0 : 1);
    std::vector<std::string> tous(static_cast<size_t>(n)), dom(static_cast<size_t>(n)), ext(static_cast<size_t>(n));
    const std::string v = Texte(612, "v"), nu = Texte(613, "n"), d = Texte(614, "d");
    auto lettre = [&](int p, int resultat, bool domicile) {
        const std::string& base = resultat > 0 ? v : resultat == 0 ? nu : d;
        const std::string l = lieux && domicile ? UpperCase(base) : base;
        std::string& t = tous[static_cast<size_t>(p)];
        if (t.size() < 18)
            t += l;
        if (lieux) {
            std::string& s = (domicile ? dom : ext)[static_cast<size_t>(p)];
            if (s.size() < 10)
                s += l;
        }
    };
    auto traite = [&](int j, int m) {
        const int h = c->IndexEquipe(c->ValeurMatch(j, 4 * m - 3)), a = c->IndexEquipe(c->ValeurMatch(j, 4 * m - 1));
        const int sh = c->ValeurMatch(j, 4 * m - 2), sa = c->ValeurMatch(j, 4 * m);
        if (h < 0 || a < 0 || sh == 65535 || sa == 65535)
            return;
        const int r = sh > sa ? 1 : sh == sa ? 0 : -1;
        lettre(h, r, true);
        lettre(a, -r, false);
    };
    if (c->Option(11) & (1 | 8)) {
        const TJournees& js = c->Journees();
        for (int k = js.Nombre() - 1; k >= 0; --k)
            if (const TInfoCompJour* j = js.JourneeParDate(k))
                for (int i = 0; i < j->NbMatchs(); ++i) {
                    int dd = 0, index = 0;
                    js.ChercheMatch(j->Match(i), dd, index);
                    if (dd >= 1 && dd <= c->DerniereJournee)
                        traite(dd, index + 1);
                }
    } else {
        for (int j = c->DerniereJournee; j >= 1; --j)
            for (int m = 1; m <= c->NbMatchJournee(j); ++m)
                traite(j, m);
    }
    for (int p = 0; p < n; ++p) {
        Equipe(g, 0, p + 1, saison, c->IdEquipe(p), couleurs, false, p);
        g.ChangeMarqueCellule(0, p + 1, false);
        const std::string* t[3] = {&tous[static_cast<size_t>(p)], &dom[static_cast<size_t>(p)],
                                   &ext[static_cast<size_t>(p)]};
        for (int k = 1; k < (lieux ? 4 : 2); ++k) {
            Cellule(g, k, p + 1, *t[k - 1], couleurs, false, 0);
            g.ChangeCouleurTexteCellule(k, p + 1, 32768);
        }
    }
}

// ---- home behaviour -------------------------------------------------------------------------
void Tf_DiversStat::RemplitComportementDomicile(TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const int n = c->NbEquipe();
    Taille(g, 4, n + 1, {140, 70, 70, 140});
    for (int k = 0; k < 4; ++k)
        Entete(g, k, Texte(212 + (k == 0 ? 0 : 6 + k)), couleurs, k == 0 ? 0 : 1);
    TCalculClassement calcul(c, saison);
    const int lignes = calcul.Calcule(clsPointsPerdusDomicile, 1, c->DerniereJournee);
    const int suivie = c->Option(10);
    // from the last computed row up; a team without a home match after the
    // others, its share "-"
    std::vector<int> ordre;
    for (int r = lignes - 1; r >= 0 && static_cast<int>(ordre.size()) < n; --r)
        ordre.push_back(r);
    std::stable_partition(ordre.begin(), ordre.end(),
                          [&](int r) { return !calcul.SansBase(clsPointsPerdusDomicile, r); });
    for (int i = 1; i <= static_cast<int>(ordre.size()); ++i) {
        const int r = ordre[static_cast<size_t>(i - 1)];
        const int t = calcul.ValeurLigne(r, 1);
        Equipe(g, 0, i, saison, calcul.IdEquipePosition(t), couleurs, t == suivie, t);
        Cellule(g, 1, i, IntToStr(calcul.ValeurTotal(t, 1)), couleurs, t == suivie, 1);
        // the points dropped: those possible less those won
        Cellule(g, 2, i, IntToStr(calcul.ValeurTotal(t, 2) - calcul.ValeurTotal(t, 1)), couleurs, t == suivie, 1);
        Cellule(g, 3, i,
                calcul.SansBase(clsPointsPerdusDomicile, r) ? std::string("-")
                                                             : TextePourcent(IntToStr(calcul.ValeurTotal(t, 6))),
                couleurs, t == suivie, 1);
    }
}

// ---- a statistic per matchday ---------------------------------------------------------------
void Tf_DiversStat::RemplitStatParJournee(int type, TSaison* saison, const TCouleurElement& couleurs, bool html,
                                          TColorGridBase& g)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const int n = c->NbEquipe(), L = c->DerniereJournee;
    const bool repete = L > 20;
    TGridModel& m = Modele(g);
    Taille(g, L + 2 + (repete ? 1 : 0), n + 1, {120});
    for (int j = 1; j <= L + 1 + (repete ? 1 : 0); ++j)
        m.SetColWidths(j, j == L + 2 ? 120 : 25);
    Entete(g, 0, Texte(85), couleurs, 0);
    for (int j = 1; j <= L; ++j)
        Entete(g, j, IntToStr(j), couleurs, 1);
    Entete(g, L + 1, "", couleurs, 1);
    std::vector<int> total(static_cast<size_t>(n), 0);
    for (int p = 0; p < n; ++p) {
        Equipe(g, 0, p + 1, saison, c->IdEquipe(p), couleurs, false, p);
        if (repete)
            Equipe(g, L + 2, p + 1, saison, c->IdEquipe(p), couleurs, false, p);
    }
    const int listes[6] = {0, 3, 0, 2, 5, 7};
    for (int j = 1; j <= L; ++j) {
        std::vector<int> v(static_cast<size_t>(n), 0);
        if (type == 2) {
            for (int k = 1; k <= c->NbMatchJournee(j); ++k)
                for (int s : {0, 1}) {
                    const int p = c->IndexEquipe(c->ValeurMatch(j, 4 * k - 3 + 2 * s));
                    const int sc = c->ValeurMatch(j, 4 * k - 2 + 2 * s);
                    if (p >= 0 && sc != 65535)
                        v[static_cast<size_t>(p)] += sc;
                }
        } else if (type >= 1 && type <= 5) {
            if (const TListeDonnees* l = c->ListeDonnees(listes[type], j))
                for (int i = 0; i < l->Nombre(); ++i) {
                    const TDonneesEvt* e = l->Donnee(i);
                    const int p = c->IndexEquipe(e->IdEquipe());
                    // a missed penalty is no scoring record
                    if (p >= 0 && (type != 1 || (e->Mot() & evtRouge)) && !(type == 3 && Manque(*e)))
                        ++v[static_cast<size_t>(p)];
                }
        }
        for (int p = 0; p < n; ++p) {
            const int x = v[static_cast<size_t>(p)];
            total[static_cast<size_t>(p)] += x;
            if (x == 0 || x >= 1000)
                g.RemplitCellule(j, p + 1, "", 1, 1, 0, 0xF0E0F0, false);
            else if (x == 1 && type == 1 && !html)
                g.RemplitCellule(j, p + 1, "", 1, 1, clFuchsia, clRed, false);
            else if (type == 1)
                g.RemplitCellule(j, p + 1, IntToStr(x), 1, 1, clBlack, x == 1 ? couleurs.CouleurFondLigneSuppTableau : 255,
                                 false);
            else
                g.RemplitCellule(j, p + 1, IntToStr(x), 1, 1, *couleurs.Couleur(24), *couleurs.Couleur(22), false);
        }
    }
    for (int p = 0; p < n; ++p)
        g.RemplitCellule(L + 1, p + 1, IntToStr(total[static_cast<size_t>(p)]), 1, 1, *couleurs.Couleur(25),
                         *couleurs.Couleur(22), true);
}

// ---- results of a matchday ------------------------------------------------------------------
void Tf_DiversStat::RemplitJournee(int journee, TSaison* saison, const TCouleurElement& couleurs, TColorGridBase& g)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c || journee < 1 || journee > c->NbJour())
        return;
    Taille(g, 4, 2, {150, 50, 150, 60});
    TGridModel& m = Modele(g);
    Entete(g, 0, Texte(222), couleurs, 0);
    Entete(g, 1, Texte(223), couleurs, 1);
    Entete(g, 2, Texte(224), couleurs, 2);
    Entete(g, 3, Texte(51), couleurs, 1);
    g.ChangeCouleurTraitLigne(0, *couleurs.Couleur(35));
    // The ranks after this matchday (after the last played one for a matchday
    // still to come).
    TCalculClassement calcul(c, saison);
    const int lignesClassement = calcul.Calcule(clsGeneral, 1, std::min<int>(journee, c->DerniereJournee));
    // as the standings rank it: a team level with the one above shares its rank
    auto rang = [&](int id) {
        for (int r = 0; r < lignesClassement; ++r)
            if (calcul.IdEquipePosition(calcul.ValeurLigne(r, 1)) == id)
                return classement::RangPartage(calcul, clsGeneral, r);
        return std::string("0");
    };
    const TColor fond = *couleurs.Couleur(22), texteMatch = *couleurs.Couleur(25), texteButeur = *couleurs.Couleur(24);
    const bool ligue = (c->Types() & TDonneesChampionnat::TypeChamp) != 0;
    const bool rugby = dynamic_cast<TDonneesChampionnatRugby*>(c) != nullptr;
    const int periode = Periode(*c);
    int row = 1;
    auto nouvelleLigne = [&]() {
        if (row >= m.RowCount())
            m.SetRowCount(row + 1);
        for (int k = 0; k < 4; ++k)
            g.RemplitCellule(k, row, "", 1, 1, texteButeur, fond, false);
        return row++;
    };
    for (int k = 1; k <= c->NbMatchJournee(journee); ++k) {
        const int idH = c->ValeurMatch(journee, 4 * k - 3), idA = c->ValeurMatch(journee, 4 * k - 1);
        const int sh = c->ValeurMatch(journee, 4 * k - 2), sa = c->ValeurMatch(journee, 4 * k);
        if (idH == 65535 || idA == 65535)
            continue;
        const int r0 = nouvelleLigne();
        const bool joue = sh != 65535 && sa != 65535;
        bool avant = false, apres = false;
        const TPenaltyTab* tab = c->Penalty(journee, idH, idA);
        if (joue) {
            uint8_t dep[2] = {tab ? tab->s1 : uint8_t(0), tab ? tab->s2 : uint8_t(0)};
            TFootForm::CompareBornes(avant, apres, tab ? dep : nullptr, sh, sa);
        }
        auto nom = [&](int id) {
            std::string s = saison->NomEquipeCourant(id);
            if (ligue && joue)
                s += " (" + rang(id) + ")";
            return s;
        };
        g.RemplitCellule(0, r0, nom(idH), 0, 1, texteMatch, fond, joue && apres, vues::Blason(saison, idH));
        g.RemplitCellule(2, r0, nom(idA), 2, 1, texteMatch, fond, joue && avant, vues::Blason(saison, idA));
        for (int col : {0, 2}) {
            g.ChangeDonneeCellule(col, r0, col == 0 ? idH : idA);
            g.ChangeMarqueCellule(col, r0, true);
        }
        if (!joue)
            continue;
        g.RemplitCellule(1, r0, IntToStr(sh) + " - " + IntToStr(sa), 1, 1, texteMatch, fond, true);
        g.ChangeDonneeCellule(1, r0, k);
        g.ChangeMarqueCellule(1, r0, true);
        const int aff = c->AffluenceMatch(journee, k);
        g.RemplitCellule(3, r0, aff >= 1 ? IntToStr(aff) : "-", 1, 1, texteMatch, fond, false);
        int mi[2] = {0, 0};
        int lignes = 0;
        if (TListeDonnees* l = c->ListeButeurs(journee)) {
            // each side's records by minute, missed penalties included
            std::vector<const TDonneesEvt*> listes[2];
            for (int i = 0; i < l->Nombre(); ++i) {
                const TDonneesEvt* e = l->Donnee(i);
                if (e->IdEquipe() == idH || e->IdEquipe() == idA)
                    listes[e->IdEquipe() == idH ? 0 : 1].push_back(e);
            }
            for (int s : {0, 1}) {
                std::stable_sort(listes[s].begin(), listes[s].end(),
                                 [](const TDonneesEvt* a, const TDonneesEvt* b) { return a->Minute() < b->Minute(); });
                const auto& lr = listes[s];
                for (int i = 0; i < static_cast<int>(lr.size()); ++i) {
                    const TDonneesEvt* e = lr[static_cast<size_t>(i)];
                    std::string joueur = e->IdJoueur() == 0x0FFFFFFF || e->IdJoueur() <= 0
                                             ? LibelleEtat(e->Mot())
                                             : NomJoueur(saison, e->IdJoueur());
                    std::string t;
                    if (Manque(*e))
                        t = joueur + " (" + Texte(301) + ")";
                    else if (e->Mot() & evtRouge)
                        t = joueur + " (" + Texte(225) + " " + IntToStr(e->Minute()) + ")";
                    else
                        t = joueur + " (" + IntToStr(e->Minute()) + ")";
                    const int rr = r0 + 1 + i < row ? r0 + 1 + i : nouvelleLigne();
                    const int col = s == 0 ? 0 : 2;
                    g.RemplitCellule(col, rr, s == 0 ? "   " + t : t + "   ", s == 0 ? 0 : 2, 1, texteButeur, fond, false);
                    if (e->IdJoueur() > 0 && e->IdJoueur() != 0x0FFFFFFF) {
                        // a player is told from a team by the sign: the id stays whole
                        g.ChangeDonneeCellule(col, rr, -1 - e->IdJoueur());
                        g.ChangeMarqueCellule(col, rr, true);
                    }
                    lignes = std::max(lignes, i + 1);
                    // a missed penalty is no goal
                    if (!Manque(*e) && e->Minute() <= periode)
                        mi[s] += rugby ? 5 : 1;
                }
            }
        }
        if (rugby) {
            const int points[8] = {0, 0, 0, 0, 0, 3, 2, 3};
            for (int type : {6, 5, 7})
                if (const TListeDonnees* l = c->ListeDonnees(type, journee))
                    for (int i = 0; i < l->Nombre(); ++i) {
                        const TDonneesEvt* e = l->Donnee(i);
                        if (e->Minute() <= periode && !Manque(*e))
                            mi[e->IdEquipe() == idH ? 0 : e->IdEquipe() == idA ? 1 : 0] +=
                                e->IdEquipe() == idH || e->IdEquipe() == idA ? points[type] : 0;
                    }
        }
        const int sous = lignes > 0 ? r0 + 1 : nouvelleLigne();
        // the half-time score only from a sheet that makes up the score
        const bool feuille = TStatistique::FeuilleComplete(*c, journee, idH, idA, sh, sa);
        const std::string demi =
            feuille && (mi[0] > 0 || mi[1] > 0) ? Format("(%d-%d)", {mi[0], mi[1]}) : std::string();
        if (tab) {
            g.RemplitCellule(1, sous, TraduireFormat(286, {static_cast<int>(tab->s1), static_cast<int>(tab->s2)}), 1, 1,
                             texteButeur, fond, false);
            g.EcritCellule(1, r0, g.LitCellule(1, r0) + (demi.empty() ? "" : " " + demi));
        } else if (!demi.empty()) {
            g.RemplitCellule(1, sous, demi, 1, 1, texteButeur, fond, false);
        }
        g.ChangeCouleurTraitLigne(row - 1, *couleurs.Couleur(35));
    }
    if (row > 1)
        m.SetRowCount(std::max(row, 2));
    // each column as wide as its widest line (a half-time score, a shoot-out)
    for (int r = 1; r < m.RowCount(); ++r)
        g.ElargitSelonTexte(r);
}

// ---- frequent scores ------------------------------------------------------------------------
void Tf_DiversStat::RemplitScoresFrequentsListe(TSaison* saison, TColorGridBase& g,
                                                const std::vector<TDonneesChampionnat*>& liste, int premiere,
                                                int derniere, const TCouleurElement& couleurs, int equipe, int lieu)
{
    if (!saison || liste.empty())
        return;
    int total = 0;
    TScoresFrequents r;
    TStatistique::ScoresFrequents(liste, total, premiere, derniere, equipe, lieu, r);
    const int lignes = std::min(static_cast<int>(r.size()), 20);
    Taille(g, 3, lignes + 2, {100, 100, 100});
    Entete(g, 0, Texte(223), couleurs, 1);
    Entete(g, 1, Texte(326), couleurs, 1);
    Entete(g, 2, Texte(178), couleurs, 1);
    int listes = 0;
    for (int i = 0; i < lignes; ++i) {
        const TScoreFrequent& s = r[static_cast<size_t>(i)];
        listes += s.Nombre;
        Cellule(g, 0, i + 1, IntToStr(s.A) + " - " + IntToStr(s.B), couleurs, false, 1);
        Cellule(g, 1, i + 1, IntToStr(s.Nombre), couleurs, false, 1);
        Cellule(g, 2, i + 1, TexteTaux(s.Nombre, total, 2), couleurs, false, 1);
    }
    const int reste = total - listes;
    Cellule(g, 0, lignes + 1, Texte(328), couleurs, false, 1);
    Cellule(g, 1, lignes + 1, IntToStr(reste), couleurs, false, 1);
    Cellule(g, 2, lignes + 1, TexteTaux(reste, total, 2), couleurs, false, 1);
}

void Tf_DiversStat::RemplitScoresFrequents(TSaison* saison, TColorGridBase& g, int lieu, int equipe,
                                           const TCouleurElement& couleurs)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (c)
        RemplitScoresFrequentsListe(saison, g, {c}, 1, c->DerniereJournee, couleurs, equipe, lieu);
}

// ---- players with events --------------------------------------------------------------------
void Tf_DiversStat::RemplitJoueursJournee(int journee, int type, const TCouleurElement& couleurs, TColorGridBase& g,
                                          TSaison* saison)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c || journee < 1 || journee > c->NbJour() || type < 1 || type > 8)
        return;
    static const int titres[9] = {0, 498, 974, 975, 918, 488, 484, 485, 486};
    static const int codes[9] = {0, 1, 37, 37, 38, 1, 2, 3, 4};
    Taille(g, 2, 2, {180, 180});
    TGridModel& m = Modele(g);
    Entete(g, 0, Texte(176), couleurs, 0);
    Entete(g, 1, Texte(titres[type]), couleurs, 0);
    std::unique_ptr<TListeResultat> liste = c->ListeClassementJoueur(journee, codes[type]);
    std::vector<int> equipes;
    for (int k = 1; k <= c->NbMatchJournee(journee); ++k) {
        const int h = c->ValeurMatch(journee, 4 * k - 3), a = c->ValeurMatch(journee, 4 * k - 1);
        if (h != 65535 && a != 65535) {
            equipes.push_back(h);
            equipes.push_back(a);
        }
    }
    std::sort(equipes.begin(), equipes.end(), [&](int a, int b) {
        return AnsiCompareText(saison->NomEquipeCourant(a), saison->NomEquipeCourant(b)) < 0;
    });
    int row = 1;
    for (int id : equipes) {
        const int premier = row;
        auto ligne = [&]() {
            if (row >= m.RowCount())
                m.SetRowCount(row + 1);
            Cellule(g, 0, row, "", couleurs, false, 0);
            Cellule(g, 1, row, "", couleurs, false, 0);
            return row++;
        };
        ligne();
        Equipe(g, 0, premier, saison, id, couleurs, false, id);
        int n = 0;
        for (int i = 0; liste && i < liste->Nombre(); ++i) {
            const TDonneesEvt* e = liste->Resultat(i);
            if (e->IdEquipe() != id)
                continue;
            if ((type == 1 && Manque(*e)) || (type == 2 && (e->Mot() & evtRouge)) ||
                (type == 3 && !(e->Mot() & evtRouge)))
                continue;
            std::string t = NomJoueur(saison, e->IdJoueur());
            if (e->Minute() > 0) {
                const std::string genre = type == 1 ? LibelleTypeButCourt(e->TypeBut()) : std::string();
                t += Format(genre.empty() ? " (%d%s)" : " (%d%s %s)", {e->Minute(), Texte(3922, L1("°")), genre});
            }
            const int r = n == 0 ? premier : ligne();
            Cellule(g, 1, r, t, couleurs, false, 0);
            if (saison->Joueurs().ChercheJoueur(e->IdJoueur(), -1)) {
                g.ChangeDonneeCellule(1, r, -1 - e->IdJoueur());
                g.ChangeMarqueCellule(1, r, true);
            }
            ++n;
        }
        if (n == 0)
            Cellule(g, 1, premier, Texte(108), couleurs, false, 0);
    }
}

// ---- attendance ------------------------------------------------------------------------------
void Tf_DiversStat::RemplitSpectateursJournee(int journee, TSaison* saison, std::string& resume,
                                              const TCouleurElement& couleurs, TColorGridBase& g)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    resume.clear();
    if (!c || journee < 1 || journee > c->NbJour())
        return;
    Taille(g, 2, 2, {200, 100});
    TGridModel& m = Modele(g);
    Entete(g, 0, Texte(977), couleurs, 0);
    Entete(g, 1, Texte(972), couleurs, 1);
    long long total = 0;
    int n = 0;
    for (int k = 1; k <= c->NbMatchJournee(journee); ++k) {
        const int a = c->AffluenceMatch(journee, k);
        if (a <= 0)
            continue;
        ++n;
        m.SetRowCount(std::max(n + 1, 2));
        Cellule(g, 0, n, saison->NomEquipeCourant(c->ValeurMatch(journee, 4 * k - 3)) + " - " +
                             saison->NomEquipeCourant(c->ValeurMatch(journee, 4 * k - 1)),
                couleurs, false, 0);
        Cellule(g, 1, n, IntToStr(a), couleurs, false, 1);
        total += a;
    }
    // the average rounded once, halves up; without an attendance known,
    // neither figure has a base
    resume = n == 0 ? Texte(TexteSansAffluence)
                    : TraduireFormat(341, {static_cast<int>(total), static_cast<int>(DivisionArrondie(total, n))});
}

// ---- best and worst places ------------------------------------------------------------------
void Tf_DiversStat::RemplitFourchetteClassement(TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const int n = c->NbEquipe();
    Taille(g, 3, n + 1, {200, 120, 120});
    Entete(g, 0, Texte(176), couleurs, 0);
    Entete(g, 1, Texte(987), couleurs, 1);
    Entete(g, 2, Texte(988), couleurs, 1);
    std::vector<int> meilleure(static_cast<size_t>(n), 0), pire(static_cast<size_t>(n), 0);
    TCalculClassement calcul(c, saison);
    for (int j = 1; j <= c->DerniereJournee; ++j) {
        const int lignes = calcul.Calcule(clsGeneral, j, j);
        for (int r = 0; r < lignes; ++r) {
            const int t = calcul.ValeurLigne(r, 1);
            if (t < 0 || t >= n)
                continue;
            int& b = meilleure[static_cast<size_t>(t)];
            int& w = pire[static_cast<size_t>(t)];
            // the rank the standings show, level teams sharing it
            const int rang = StrToInt(classement::RangPartage(calcul, clsGeneral, r));
            if (b == 0 || rang < b)
                b = rang;
            w = std::max(w, rang);
        }
    }
    const int suivie = c->Option(10);
    for (int p = 0; p < n; ++p) {
        Equipe(g, 0, p + 1, saison, c->IdEquipe(p), couleurs, p == suivie, p);
        g.ChangeMarqueCellule(0, p + 1, false);
        Cellule(g, 1, p + 1, Format(Texte(3925, L1("%d°")), {meilleure[static_cast<size_t>(p)]}), couleurs, p == suivie, 1);
        Cellule(g, 2, p + 1, Format(Texte(3925, L1("%d°")), {pire[static_cast<size_t>(p)]}), couleurs, p == suivie, 1);
    }
}

// ---- matches still to play -------------------------------------------------------------------
void Tf_DiversStat::RemplitMatchsNonJoues(TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    Taille(g, 2, 2, {50, 250});
    TGridModel& m = Modele(g);
    Entete(g, 0, Texte(85), couleurs, 1);
    Entete(g, 1, Texte(977), couleurs, 0);
    const TColor fond = *couleurs.Couleur(22), texte = *couleurs.Couleur(24);
    int row = 1;
    for (int j = 1; j <= c->DerniereJournee; ++j) {
        const int debut = row;
        int matchs = 0;
        for (int k = 1; k <= c->NbMatchJournee(j); ++k) {
            const int h = c->ValeurMatch(j, 4 * k - 3), a = c->ValeurMatch(j, 4 * k - 1);
            if (h == 65535 || a == 65535)
                continue;
            ++matchs;
            if (c->ValeurMatch(j, 4 * k - 2) != 65535 && c->ValeurMatch(j, 4 * k) != 65535)
                continue;
            if (row >= m.RowCount())
                m.SetRowCount(row + 1);
            g.RemplitCellule(0, row, row == debut ? IntToStr(j) : "-", 1, 1, texte, fond, false);
            g.RemplitCellule(1, row, saison->NomEquipeCourant(h) + " - " + saison->NomEquipeCourant(a), 0, 1, texte,
                             fond, false);
            ++row;
        }
        // a matchday mostly still to play is not a list of late matches
        if (2 * c->NbMatchJournee(j) < 3 * (row - debut))
            row = debut;
    }
    m.SetRowCount(std::max(row, 2));
    if (row == 1)
        for (int k = 0; k < 2; ++k)
            g.RemplitCellule(k, 1, "", 1, 1, texte, fond, false);
}

// ---- place held -------------------------------------------------------------------------------
void Tf_DiversStat::RemplitPlaceOccupee(int n, TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c || c->NbEquipe() == 0)
        return;
    const int N = c->NbEquipe(), L = c->DerniereJournee;
    n = std::clamp(n, 1, N);   // a place outside the table is brought into it
    const bool premier = n == 1, dernier = n == N && N > 1;
    const bool milieu = !premier && !dernier;
    if (milieu)
        Taille(g, 5, L + 1, {50, 160, 50, 70, 70});
    else
        Taille(g, 4, L + 1, {50, 160, 50, 70});
    Entete(g, 0, Texte(85), couleurs, 1);
    Entete(g, 1, TraduireFormat(premier ? 214 : 215, {n}), couleurs, 0);
    Entete(g, 2, Texte(50), couleurs, 1);
    Entete(g, 3, Texte(dernier ? 216 : 217), couleurs, 1);
    if (milieu)
        Entete(g, 4, Texte(216), couleurs, 1);
    TCalculClassement calcul(c, saison);
    int precedente = -1, couleur = 1;
    // a lead ahead of the team below, a gap behind the team above, each in
    // points with the number's plural
    auto ecart = [](const char* signe, int points) {
        const int e = std::abs(points);
        return signe + TraduireFormat(IdTexteNombre(5822, 5821, e), {e});
    };
    for (int j = 1; j <= L; ++j) {
        calcul.Calcule(clsGeneral, j, j);
        const int t = calcul.ValeurLigne(n - 1, 1);
        if (t != precedente)
            couleur = 1 - couleur;
        precedente = t;
        TColor tx = 0, fd = 0;
        TBrivantelForm::CouleursLigneSchema(couleur, tx, fd, false, couleurs);
        const int points = calcul.ValeurLigne(n - 1, 2);
        auto ecrit = [&](int col, const std::string& s, int align) { g.RemplitCellule(col, j, s, align, 1, tx, fd, false); };
        ecrit(0, IntToStr(j), 1);
        g.RemplitCellule(1, j, saison->NomEquipeCourant(c->IdEquipe(t)), 0, 1, tx, fd, false,
                         vues::Blason(saison, c->IdEquipe(t)));
        ecrit(2, IntToStr(points), 1);
        if (n > 1)
            ecrit(milieu ? 4 : 3, ecart("- ", points - calcul.ValeurLigne(n - 2, 2)), 1);
        if (!dernier)
            ecrit(3, ecart("+ ", points - calcul.ValeurLigne(n, 2)), 1);
    }
}

// ---- matches of a date ----------------------------------------------------------------------
void Tf_DiversStat::RemplitParDate(uint32_t d, bool tous, TSaison* saison, TColorGridBase& g,
                                   const TCouleurElement& couleurs)
{
    Taille(g, 3, 2, {72, 220, 100});
    TGridModel& m = Modele(g);
    Entete(g, 0, Texte(605), couleurs, 1);
    Entete(g, 1, Texte(977), couleurs, 0);
    Entete(g, 2, Texte(604), couleurs, 0);
    for (int k = 0; k < 3; ++k)
        Cellule(g, k, 1, "", couleurs, false, 0);
    TDonneesChampionnat* courant = saison ? saison->ChampionnatCourant() : nullptr;
    if (!courant)
        return;
    int row = 1;
    for (TDonneesChampionnat* c : saison->Arbre().ListeChampionnats()) {
        if ((!tous && c != courant) || (c->Option(11) & (1 | 4)) == 0)
            continue;
        const TInfoCompJour* j = c->Journees().ChercheDate(d);
        if (!j)
            continue;
        if (row > 1 && tous)
            ++row;
        for (int k = 0; k < j->NbMatchs(); ++k) {
            const TInfoComp* match = j->Match(k);
            if (row >= m.RowCount())
                m.SetRowCount(row + 1);
            Cellule(g, 0, row, TGestionDate::DateVersTexte(d), couleurs, false, 1);
            Cellule(g, 1, row, match->Libelle(saison), couleurs, false, 0);
            Cellule(g, 2, row, saison->Arbre().NomCode(c->CodeChamp), couleurs, false, 0);
            // the championship code rides in the hidden text, the match and its
            // score flag in the value: neither overflows
            g.ChangeTexteCacheCellule(1, row, IntToStr(c->CodeChamp));
            g.ChangeDonneeCellule(1, row, k + (match->Score(0) < 65535 ? 0x10000 : 0));
            g.ChangeMarqueCellule(1, row, true);
            ++row;
        }
    }
}
