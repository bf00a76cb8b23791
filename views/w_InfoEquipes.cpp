#include "views/w_InfoEquipes.h"

#include <algorithm>
#include <set>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/Utilities.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/GestionFonction.h"
#include "views/DiversStat_Outils.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/w_InfoGeneral_Outils.h"
#include "views/cadreParamClassement.h"

using vues::Texte;
using namespace divers;

namespace {

void Barres(TColorGridBase& g, int col, const TCouleurElement& c)
{
    g.ChangeValeursColonne(col, TCouleurPoint{*c.Couleur(40), *c.Couleur(41)});
}

std::string Dixiemes(int v) { return Format("%.1f", {v / 10.0}); }

// The range of a championship: first 0 is its whole played range.
void Etendue(const TDonneesChampionnat& c, int premiere, int derniere, int& p, int& d)
{
    p = premiere == 0 ? 1 : premiere;
    d = premiere == 0 ? c.DerniereJournee : std::min(derniere, c.NbJour());
}

// The players of a match's line-up of team id into the set; counters: matches
// with a line-up and substitutions.
void CompteJoueursMatch(const TInfoComp* m, std::set<int32_t>* joueurs, int* matchs, int* remplacements, int id,
                        const TDonneesChampionnat& c)
{
    if (!m || !m->CompositionSaisie(id))
        return;
    if (joueurs) {
        for (int s = 1; s <= c.NbTitulaire(); ++s)
            if (const int32_t j = m->JoueurTitulaire(id, s); j > 0)
                joueurs->insert(j);
        for (int r = 1; r <= c.NbRemp(); ++r)
            for (const int32_t j : {m->ValeurRemplacement(id, r, 1), m->JoueurEntre(id, r)})
                if (j > 0)
                    joueurs->insert(j);
    }
    if (matchs)
        ++*matchs;
    if (remplacements)
        for (int r = 1; r <= c.NbRemp(); ++r)
            if (m->ValeurRemplacement(id, r, 1) != 0 && m->ValeurRemplacement(id, r, 3) != 0)
                ++*remplacements;
}

// A team's row of a ranking: its value, or none when the team has nothing to
// count it from (no line-up entered, no match at the venue).
struct TLigneRang
{
    int id = 0;
    int valeur = 0;
    bool base = true;
};

// Rows by value, those without a base after the others; teams level (and
// those without a base) in alphabetical order.
void TrieLignes(std::vector<TLigneRang>& lignes, const TSaison& saison, bool decroissant)
{
    std::stable_sort(lignes.begin(), lignes.end(), [&](const TLigneRang& a, const TLigneRang& b) {
        if (a.base != b.base)
            return a.base;
        if (a.base && a.valeur != b.valeur)
            return decroissant ? a.valeur > b.valeur : a.valeur < b.valeur;
        return AnsiCompareText(saison.NomEquipeCourant(a.id), saison.NomEquipeCourant(b.id)) < 0;
    });
}

// A ranked list of teams: row n or "-" when equal to the row above; a team
// without a base shows "-" and takes no rank. A link holds the team's
// position in the current championship.
void Classe(TColorGridBase& g, TSaison* saison, const std::vector<TLigneRang>& lignes, int titre,
            const TCouleurElement& couleurs, const std::function<std::string(int)>& texte, bool lien)
{
    const TDonneesChampionnat* c = saison->ChampionnatCourant();
    const int suivie = c->IdEquipe(c->Option(10));
    Taille(g, 3, static_cast<int>(lignes.size()) + 1, {40, 200, 150});
    Entete(g, 0, Texte(179), couleurs, 1);
    Entete(g, 1, Texte(176), couleurs, 0);
    Entete(g, 2, Texte(titre), couleurs, 1);
    Barres(g, 2, couleurs);
    int precedent = 65535;
    for (size_t n = 0; n < lignes.size(); ++n) {
        const TLigneRang& l = lignes[n];
        const int row = static_cast<int>(n) + 1;
        const bool estSuivie = l.id == suivie;
        const std::string rang = !l.base ? std::string() : l.valeur == precedent ? "-" : IntToStr(row);
        Cellule(g, 0, row, rang, couleurs, estSuivie, 1);
        Cellule(g, 1, row, saison->NomEquipeCourant(l.id), couleurs, estSuivie, 0);
        if (lien) {
            g.ChangeDonneeCellule(1, row, c->IndexEquipe(l.id));
            g.ChangeMarqueCellule(1, row, true);
        }
        Cellule(g, 2, row, l.base ? texte(l.valeur) : "-", couleurs, estSuivie, 1);
        if (l.base)
            precedent = l.valeur;
    }
}

}  // namespace

// ============================================================================
// tables
// ============================================================================

int Tf_InfoEquipes::ValeurJoueur(const TJoueur& j, uint32_t c, int type)
{
    auto s = [&](int code) { return static_cast<int>(j.Stat(c, code)); };
    auto ratio = [&](int a, int b) { return static_cast<int>(DivisionArrondie(s(a) * 1000LL, s(b))); };
    switch (type) {
    case 0: return s(1);
    case 1: return 5 * s(1) + 2 * s(2) + 3 * s(3) + 3 * s(4);
    case 2: return s(6);
    case 3: return ratio(7, 8);
    case 4: return ratio(9, 10);
    case 5: return ratio(11, 12);
    case 6: return s(13) + s(14);
    case 7: return s(15);
    case 10: return ratio(21, 22);
    case 11: return ratio(23, 24);
    case 12: return s(21);
    case 13: return s(21) + s(23);
    default: return 0;
    }
}

void Tf_InfoEquipes::AfficheMeilleursJoueurs(TColorGridBase& g, TSaison* saison, uint32_t championnat, int type,
                                             const TCouleurElement& couleurs)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    saison->CalculeStatJoueurs();
    const bool part = saison->StatApplicable(9) && type != 10 && type != 11 && type != 12;
    const bool dixiemes = (type >= 3 && type <= 5) || type == 10 || type == 11;
    TCalculClassement calcul(c, saison);
    std::vector<int> totaux(static_cast<size_t>(c->NbEquipe()), 0);
    if (type == 0 || type == 1 || type == 12 || type == 13) {
        const int n = calcul.Calcule(clsAttaque, 1, c->DerniereJournee);
        for (int r = 0; r < n; ++r)
            if (const int p = calcul.ValeurLigne(r, 1); p >= 0 && p < c->NbEquipe())
                totaux[static_cast<size_t>(p)] = calcul.ValeurLigne(r, 2);
    }
    Taille(g, part ? 5 : 4, 2, {160, 150, 80, 80, 80});
    TGridModel& m = Modele(g);
    std::string titre;
    switch (type) {
    case 0: case 12: case 13: saison->MultiSport().LibelleClassementJoueur(titre); break;
    case 1: titre = Texte(50); break;   // the points, not who scores them
    case 2: titre = Texte(40); break;
    case 3: case 4: case 5: titre = Texte(1139 + type - 3); break;
    case 6: titre = Texte(576); break;
    case 7: titre = Texte(1142); break;
    case 10: titre = "% " + Texte(68); break;
    case 11: titre = "% " + Texte(1498); break;
    default: break;
    }
    Entete(g, 0, Texte(176), couleurs, 0);
    Entete(g, 1, Texte(71), couleurs, 0);
    Entete(g, 2, titre, couleurs, 1);
    Entete(g, 3, Texte(177), couleurs, 1);
    if (part)
        Entete(g, 4, Texte(178), couleurs, 1);
    Barres(g, 2, couleurs);
    g.ChangeCouleurTraitLigne(0, *couleurs.Couleur(35));
    int r = 1;
    auto ligne = [&]() {
        if (r >= m.RowCount())
            m.SetRowCount(r + 1);
        return r++;
    };
    for (int i = 0; i < c->NbEquipe(); ++i) {
        const int id = c->IdEquipe(i);
        const int total = totaux[static_cast<size_t>(i)];
        std::vector<TJoueur*> meilleurs;
        int v = 0;
        if (!((type == 0 || type == 1) && total <= 0))
            if (const TListJoueurEquipe* bloc = saison->Joueurs().BlocEquipe(id))
                for (TJoueur* j : bloc->Joueurs()) {
                    const int x = ValeurJoueur(*j, championnat, type);
                    if (x > v) {
                        v = x;
                        meilleurs.clear();
                    }
                    if (x == v && v > 0)
                        meilleurs.push_back(j);
                }
        TColor tx = 0, fd = 0;
        TBrivantelForm::CouleursLigneSchema(i + 1, tx, fd, false, couleurs);
        auto cellule = [&](int col, int row, const std::string& t, int align) {
            g.RemplitCellule(col, row, t, align, 1, tx, fd, false);
        };
        if (meilleurs.empty()) {
            const int row = ligne();
            g.RemplitCellule(0, row, saison->NomEquipeCourant(id), 0, 1, tx, fd, false, vues::Blason(saison, id));
            cellule(1, row, Texte(108), 0);
            for (int k = 2; k < (part ? 5 : 4); ++k)
                cellule(k, row, " - ", 1);
            g.ChangeCouleurTraitLigne(row, *couleurs.Couleur(35));
            continue;
        }
        for (size_t k = 0; k < meilleurs.size(); ++k) {
            const TJoueur& j = *meilleurs[k];
            const int row = ligne();
            const std::string equipe = saison->NomEquipe(j.IdEquipe());
            if (k == 0) {
                g.RemplitCellule(0, row, equipe, 0, 1, tx, fd, false, vues::Blason(saison, j.IdEquipe()));
            } else {
                cellule(0, row, "", 0);
                g.ChangeTexteCacheCellule(0, row, equipe);
            }
            cellule(1, row, j.PrenomNom(), 0);
            g.ChangeDonneeCellule(1, row, j.Numero);
            g.ChangeMarqueCellule(1, row, true);
            cellule(2, row, dixiemes ? Dixiemes(v) : IntToStr(v), 1);
            cellule(3, row, IntToStr(type >= 10 && type <= 13 ? j.Stat(championnat, 36) : j.NbMatch(championnat)), 1);
            if (part)
                cellule(4, row, total <= 0 ? "100%" : IntToStr(static_cast<int>(DivisionArrondie(v * 100LL, total))) + "%", 1);
            g.ChangeTraitLigne(row, false);
        }
        g.ChangeCouleurTraitLigne(r - 1, *couleurs.Couleur(35));
    }
    if (part)
        Barres(g, 4, couleurs);
}

void Tf_InfoEquipes::AfficheAffluences(TColorGridBase& g, TSaison* saison, const TCouleurElement& couleurs)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    struct Meilleure
    {
        int affluence = 0, journee = 0, match = 0;
    };
    std::vector<Meilleure> m(static_cast<size_t>(c->NbEquipe()));
    for (int j = 1; j <= c->DerniereJournee; ++j)
        for (int k = 1; k <= c->NbMatchJournee(j); ++k) {
            const int a = c->AffluenceMatch(j, k);
            const int p = c->IndexEquipe(c->ValeurMatch(j, 4 * k - 3));
            // a match without a home team has nobody to credit, one not played
            // yet no crowd
            int s1 = 0, s2 = 0;
            if (a > 0 && p >= 0 && a > m[static_cast<size_t>(p)].affluence &&
                infogen::ScoresConnus(*c, j, k, s1, s2))
                m[static_cast<size_t>(p)] = {a, j, k};
        }
    TGridModel& gm = Modele(g);
    gm.SetFixedRows(0);
    gm.SetFixedCols(0);
    gm.SetColCount(6);
    gm.SetRowCount(1);
    const int largeurs[6] = {120, 30, 10, 30, 120, 150};
    for (int k = 0; k < 6; ++k) {
        gm.SetColWidths(k, largeurs[k]);
        if (k <= 3)
            g.ChangeTraitColonne(k, false);
    }
    Barres(g, 5, couleurs);
    int row = 0;
    for (const Meilleure& x : m) {
        if (x.affluence <= 0)
            continue;
        if (row >= gm.RowCount())
            gm.SetRowCount(row + 1);
        const int h = c->ValeurMatch(x.journee, 4 * x.match - 3), a = c->ValeurMatch(x.journee, 4 * x.match - 1);
        const std::string t[6] = {saison->NomEquipeCourant(h), IntToStr(c->ValeurMatch(x.journee, 4 * x.match - 2)),
                                  "-", IntToStr(c->ValeurMatch(x.journee, 4 * x.match)), saison->NomEquipeCourant(a),
                                  IntToStr(x.affluence) + " " + Texte(51)};
        for (int k = 0; k < 6; ++k)
            Cellule(g, k, row, t[k], couleurs, false, k == 0 ? 2 : k == 4 ? 0 : 1);
        ++row;
    }
}

void Tf_InfoEquipes::AfficheJoueursUtilises(TColorGridBase& g, TSaison* saison, int premiere, int derniere,
                                            const TListeChampionnats& liste, const TCouleurElement& couleurs)
{
    TDonneesChampionnat* courant = saison ? saison->ChampionnatCourant() : nullptr;
    if (!courant)
        return;
    struct TJoueursEquipe
    {
        int id;
        std::set<int32_t> joueurs;
        int matchs = 0;   // with a line-up
    };
    std::vector<TJoueursEquipe> equipes;
    for (TDonneesChampionnat* c : liste) {
        int p = 0, d = 0;
        Etendue(*c, premiere, derniere, p, d);
        for (int t = 0; t < c->NbEquipe(); ++t) {
            const int id = c->IdEquipe(t);
            if (id < 0 || id == 65535)
                continue;
            auto it = std::find_if(equipes.begin(), equipes.end(), [id](const auto& e) { return e.id == id; });
            if (it == equipes.end()) {
                equipes.push_back({id, {}});
                it = equipes.end() - 1;
            }
            for (int j = p; j <= d; ++j)
                CompteJoueursMatch(c->MatchEquipe(j, id), &it->joueurs, &it->matchs, nullptr, id, *c);
        }
    }
    // a team without a line-up entered has no count of players
    std::vector<TLigneRang> lignes;
    for (const TJoueursEquipe& e : equipes)
        lignes.push_back({e.id, static_cast<int>(e.joueurs.size()), e.matchs > 0});
    TrieLignes(lignes, *saison, false);
    Classe(g, saison, lignes, 690, couleurs, [](int v) { return IntToStr(v); }, false);
}

void Tf_InfoEquipes::AfficheRemplacements(TColorGridBase& g, TSaison* saison, int premiere, int derniere,
                                          const TListeChampionnats& liste, const TCouleurElement& couleurs)
{
    TDonneesChampionnat* courant = saison ? saison->ChampionnatCourant() : nullptr;
    if (!courant)
        return;
    std::vector<std::array<int, 3>> equipes;   // id, substitutions, matches
    for (TDonneesChampionnat* c : liste) {
        int p = 0, d = 0;
        Etendue(*c, premiere, derniere, p, d);
        for (int t = 0; t < c->NbEquipe(); ++t) {
            const int id = c->IdEquipe(t);
            if (id < 0 || id == 65535)
                continue;
            auto it = std::find_if(equipes.begin(), equipes.end(), [id](const auto& e) { return e[0] == id; });
            if (it == equipes.end()) {
                equipes.push_back({id, 0, 0});
                it = equipes.end() - 1;
            }
            for (int j = p; j <= d; ++j)
                CompteJoueursMatch(c->MatchEquipe(j, id), nullptr, &(*it)[2], &(*it)[1], id, *c);
        }
    }
    // a team without a match with a line-up has no average
    std::vector<TLigneRang> lignes;
    for (const auto& e : equipes)
        lignes.push_back({e[0], static_cast<int>(DivisionArrondie(e[1] * 100LL, e[2])), e[2] > 0});
    TrieLignes(lignes, *saison, false);
    Classe(g, saison, lignes, 181, couleurs, [](int v) { return Format("%.2f", {v / 100.0}); }, false);
}

TSeriesMinutes Tf_InfoEquipes::CalculeSeries(TSaison* saison)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return {};
    TSeriesMinutes t(static_cast<size_t>(c->NbEquipe()));
    for (auto& e : t)
        e.fill(0);
    const int D = 2 * Periode(*c);
    // One side's goals in one match (their minutes, in order), walked from the
    // end of the match back: the current run stops at the last goal, every
    // stretch between two goals is a run of its own, and the run counted goes
    // on from the first goal back into the matches before.
    auto groupe = [&](int equipe, int b, const std::vector<int>& buts) {
        auto& w = t[static_cast<size_t>(equipe)];
        int& courante = w[static_cast<size_t>(b)];
        int& close = w[static_cast<size_t>(b + 1)];
        int& comptee = w[static_cast<size_t>(b + 4)];
        int& longue = w[static_cast<size_t>(b + 5)];
        if (buts.empty()) {
            if (!close)
                courante += D;
            comptee += D;
            return;
        }
        if (!close) {
            courante += D - buts.back();
            close = 1;
        }
        comptee += D - buts.back();
        longue = std::max(longue, comptee);
        for (size_t i = 1; i < buts.size(); ++i)
            longue = std::max(longue, buts[i] - buts[i - 1]);
        comptee = buts.front();
    };
    auto traite = [&](int j, int k) {
        const int idH = c->ValeurMatch(j, 4 * k - 3), idA = c->ValeurMatch(j, 4 * k - 1);
        const int sh = c->ValeurMatch(j, 4 * k - 2), sa = c->ValeurMatch(j, 4 * k);
        const int h = c->IndexEquipe(idH), a = c->IndexEquipe(idA);
        if (sh == 65535 || sa == 65535 || h < 0 || a < 0)
            return;
        for (int cote : {0, 1}) {
            const int x = cote == 0 ? h : a, y = cote == 0 ? a : h, s = cote == 0 ? sh : sa;
            ++t[static_cast<size_t>(x)][MatchsSeries];
            ++t[static_cast<size_t>(x)][MatchsSeries + 1 + cote];
            const int idX = cote == 0 ? idH : idA;
            // goals past the regular time at its end; goals without a minute
            // kept count as one at the kick-off
            std::vector<int> buts;
            if (s > 0) {
                if (const TListeDonnees* l = c->ListeButeurs(j))
                    for (int i = 0; i < l->Nombre(); ++i)
                        if (const TDonneesEvt* e = l->Donnee(i); e->IdEquipe() == idX && !(e->Mot() & evtHorsScore))
                            buts.push_back(std::min(e->Minute(), D));
                if (buts.empty())
                    buts.push_back(0);
                std::sort(buts.begin(), buts.end());
            }
            groupe(x, 0, buts);
            groupe(y, 2, buts);
            groupe(x, cote == 0 ? 8 : 16, buts);
            groupe(y, cote == 0 ? 18 : 10, buts);
        }
    };
    if ((c->Option(11) & (1 | 8)) == 0) {
        for (int j = c->DerniereJournee; j >= 1; --j)
            for (int k = 1; k <= c->NbMatchJournee(j); ++k)
                traite(j, k);
    } else {
        const TJournees& js = c->Journees();
        for (int i = js.Nombre() - 1; i >= 0; --i)
            if (const TInfoCompJour* jour = js.JourneeParDate(i))
                for (int k = 0; k < jour->NbMatchs(); ++k) {
                    int n = 0, index = 0;
                    js.ChercheMatch(jour->Match(k), n, index);
                    if (n >= 1)
                        traite(n, index + 1);
                }
    }
    for (auto& w : t)
        for (int b : {0, 2, 8, 10, 16, 18})
            w[static_cast<size_t>(b + 4)] = std::max(w[static_cast<size_t>(b + 4)], w[static_cast<size_t>(b + 5)]);
    return t;
}

void Tf_InfoEquipes::AfficheSeries(TColorGridBase& g, TSaison* saison, const TCouleurElement& couleurs, int base,
                                   const TSeriesMinutes& table, bool sansMarquer)
{
    const int w = base + (sansMarquer ? 0 : 2);
    // the matches counted at the venue: none, no run
    const size_t matchs = static_cast<size_t>(MatchsSeries + ((base & 8) ? 1 : (base & 16) ? 2 : 0));
    std::vector<TLigneRang> lignes;
    const TDonneesChampionnat* c = saison->ChampionnatCourant();
    for (size_t p = 0; p < table.size(); ++p)
        lignes.push_back({c->IdEquipe(static_cast<int>(p)), table[p][static_cast<size_t>(w)], table[p][matchs] > 0});
    TrieLignes(lignes, *saison, true);
    Classe(g, saison, lignes, 92, couleurs, [](int v) { return IntToStr(v); }, true);
}

// ============================================================================
// the window
// ============================================================================

Tf_InfoEquipes::Tf_InfoEquipes(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_InfoEquipes");
    SetCaption("f_InfoEquipes");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);
    cadrechamp = new TParamClassement(this);
    cadrechamp->SetParent(this);
    vues::BrancheCadre(cadrechamp, [this] { AfficheVue(mode_); });
    ScrollBox1 = vues::FondDefilant(this, "ScrollBox1");
    ScrollBox1->OnResize = [this](TObject* s) { ScrollBox1Resize(s); };
    fc_Param = new TFondCopie(this);
    fc_Param->SetName("fc_Param");
    if (Dessin)
        fc_Param->SetModele(Dessin->Fond("FondCarrebleu"));
    fc_Param->SetAlign(alRight);
    fc_Param->SetWidth(170);
    fc_Param->SetParent(ScrollBox1);
    auto rond = [this](const char* nom, int y, int groupe, const std::string& texte) {
        auto* r = new TRondCoche(this);
        r->SetName(nom);
        r->SetCaption(texte);
        r->Font().SetColor(clYellow);
        r->Font().SetStyle(fsBold);
        r->SetBounds(10, y, 150, 18);
        r->Setgroupe(groupe);
        r->SetParent(fc_Param);
        r->OnClick = [this](TObject* s) { rc_SerieCoursClick(s); };
        return r;
    };
    rc_General = rond("rc_General", 14, 0, Texte(855, L1("En général")));
    rc_Domicile = rond("rc_Domicile", 36, 0, Texte(759, "A Domicile"));
    rc_Exterieur = rond("rc_Exterieur", 58, 0, Texte(763, "A l'exterieur"));
    rc_SerieCours = rond("rc_SerieCours", 100, 1, Texte(206, L1("Série en cours")));
    rc_MeilleureSerie = rond("rc_MeilleureSerie", 122, 1, Texte(207, L1("Meilleures séries")));
    rc_General->SetChecked(true);
    rc_SerieCours->SetChecked(true);
    auto grille = [this](const char* nom) {
        auto* g = new TColorStringGrid(this);
        g->SetName(nom);
        g->SetBorderStyle(bsNone);
        g->SetScrollBars(ssNone);
        g->SetFixedCols(0);
        g->SetAutoResize(false);
        g->SetCouleurSelection(clNavy);
        g->SetCouleurTexteSelection(clWhite);
        g->SetParent(ScrollBox1);
        g->OnHotTrackClick = [this](TObject*, int col, int row) { Clic(col, row); };
        return g;
    };
    sg_Buteur = grille("sg_Buteur");
    sg_Affluence = grille("sg_Affluence");
    DoCreate();
}

Tf_InfoEquipes::~Tf_InfoEquipes() = default;

void Tf_InfoEquipes::InitParam(int, int idChampionnat)
{
    idChampionnat_ = idChampionnat;
    cadrechamp->Init(*Couleurs.Couleur(15), Saison, false, true);
}

int Tf_InfoEquipes::BaseSeries() const
{
    return (rc_SerieCours->Checked() ? 0 : 4) + (rc_Domicile->Checked() ? 8 : rc_Exterieur->Checked() ? 16 : 0);
}

void Tf_InfoEquipes::AfficheVue(int mode)
{
    if (mode > 16 || mode < 0)
        mode = 0;
    mode_ = mode;
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    if (mode == 2 || mode == 3)
        cadrechamp->Init(*Couleurs.Couleur(15), Saison, true, true);
    else
        cadrechamp->Init(*Couleurs.Couleur(15), Saison, false, false);
    sg_Buteur->InitColonnes();
    sg_Buteur->SetVisible(false);
    sg_Affluence->SetVisible(false);
    const bool tri = mode == 0 || mode >= 4;
    sg_Buteur->TriCol = tri && mode != 11 && mode != 12;
    sg_Buteur->TriConserveFond = sg_Buteur->TriCol;
    fc_Param->SetVisible(mode == 11 || mode == 12);
    series_.reset();
    if (mode == 1) {
        sg_Affluence->SetVisible(true);
        AfficheAffluences(*sg_Affluence, Saison, Couleurs);
    } else {
        sg_Buteur->SetVisible(true);
        if (mode == 2)
            AfficheJoueursUtilises(*sg_Buteur, Saison, cadrechamp->Premiere(), cadrechamp->Derniere(),
                                   cadrechamp->ListeChampionnats(), Couleurs);
        else if (mode == 3)
            AfficheRemplacements(*sg_Buteur, Saison, cadrechamp->Premiere(), cadrechamp->Derniere(),
                                 cadrechamp->ListeChampionnats(), Couleurs);
        else if (mode == 11 || mode == 12) {
            series_ = std::make_unique<TSeriesMinutes>(CalculeSeries(Saison));
            ++calculsSeries_;
            AfficheSeries(*sg_Buteur, Saison, Couleurs, BaseSeries(), *series_, mode == 11);
        } else {
            AfficheMeilleursJoueurs(*sg_Buteur, Saison, static_cast<uint32_t>(idChampionnat_),
                                    mode == 0 ? 0 : mode - 3, Couleurs);
        }
    }
    ScrollBox1Resize(ScrollBox1);
}

void Tf_InfoEquipes::rc_SerieCoursClick(TObject*)
{
    if (!series_ || (mode_ != 11 && mode_ != 12))
        return;
    sg_Buteur->InitColonnes();
    AfficheSeries(*sg_Buteur, Saison, Couleurs, BaseSeries(), *series_, mode_ == 11);
    ScrollBox1Resize(ScrollBox1);
}

void Tf_InfoEquipes::ScrollBox1Resize(TObject*)
{
    ScrollBox1->SetHorzPosition(0);
    ScrollBox1->SetVertPosition(0);
    const int W = ScrollBox1->Width(), H = ScrollBox1->Height();
    for (TColorStringGrid* g : {sg_Buteur, sg_Affluence}) {
        int w = 0;
        for (int k = 0; k < g->ColCount(); ++k)
            w += g->ColWidths(k) + 1;
        g->SetWidth(w + 2);
        g->ChangeHauteurLignes(20);
        g->SetHeight(g->RowCount() * 21 + 1);
        g->SetTop(6);
        int gauche = 2;
        if (fc_Param->Visible()) {
            if (const int x = (W - fc_Param->Width() - g->Width() - 20) / 2 + 2; x > 2)
                gauche = x;
        } else if (W - 20 > g->Width()) {
            gauche = (W - g->Width() - 20) / 2 + 2;
        }
        g->SetLeft(gauche);
        if (H - 20 > g->Height())
            g->SetTop((H - g->Height()) / 2);
    }
}

void Tf_InfoEquipes::Clic(int col, int row)
{
    const int v = sg_Buteur->DonneeCellule(col, row);
    if (mode_ == 11 || mode_ == 12) {
        if (ExecuteCommande)
            ExecuteCommande(121, v, false);
        return;
    }
    if (TJoueur* j = OuvreFicheJoueurId(v, Saison)) {
        Signale();
        sg_Buteur->SetCells(1, row, j->PrenomNom());
    }
}

TEnTeteHTML Tf_InfoEquipes::EnTeteVue() const
{
    // The players used and the substitutions count the frame's range and
    // championships; the runs, the matches and the run the buttons choose.
    if (mode_ == 2 || mode_ == 3)
        return EnTete(vues::TitresChoix(*this, Texte(mode_ == 2 ? 690 : 691), {}, cadrechamp));
    if (mode_ == 11 || mode_ == 12) {
        const TRondCoche* lieu = rc_Domicile->Checked() ? rc_Domicile : rc_Exterieur->Checked() ? rc_Exterieur : rc_General;
        const TRondCoche* serie = rc_SerieCours->Checked() ? rc_SerieCours : rc_MeilleureSerie;
        return EnTete(vues::TitresChoix(*this, Texte(mode_ == 11 ? 1313 : 1312), {lieu->Caption(), serie->Caption()},
                                        nullptr));
    }
    return EnTete();
}

void Tf_InfoEquipes::Imprime() { (mode_ == 1 ? sg_Affluence : sg_Buteur)->Imprime(EnTeteVue()); }

void Tf_InfoEquipes::EnregistreHTML(const std::string& nomFichier)
{
    (mode_ == 1 ? sg_Affluence : sg_Buteur)->EnregistreHTML(nomFichier, true, EnTeteVue());
}

void Tf_InfoEquipes::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                     const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    static const std::pair<const char*, int> meilleurs[] = {
        {"MeilleursButeursEquipe", 0},      {"MeilleursEssaiEquipe", 0},        {"MeilleursRealisateurEquipe", 1},
        {"MeilleursMarqueurEquipe", 2},     {"MeilleureReussite2ptsEquipe", 3}, {"MeilleureReussite3ptsEquipe", 4},
        {"MeilleureReussiteLFEquipe", 5},   {"MeilleursRebondEquipe", 6},       {"MeilleursPasseurEquipe", 7}};
    int type = -1;
    for (const auto& [n, t] : meilleurs)
        if (Nom == n)
            type = t;
    if (type < 0 && Nom != "MeilleursAffluencesEquipe" && Nom != "JoueursUtilisesEquipe" &&
        Nom != "NbRemplacementEquipe") {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    vues::TGardeChampionnat garde(saison);
    TDonneesChampionnat* c = vues::DebutPage(saison, Parametres, Resultat);
    if (!c)
        return;
    TColorGridModel g;
    const TListeChampionnats liste{c};
    if (type >= 0)
        AfficheMeilleursJoueurs(g, saison, static_cast<uint32_t>(c->CodeChamp), type, couleurs);
    else if (Nom == "MeilleursAffluencesEquipe")
        AfficheAffluences(g, saison, couleurs);
    else if (Nom == "JoueursUtilisesEquipe")
        AfficheJoueursUtilises(g, saison, 1, c->DerniereJournee, liste, couleurs);
    else
        AfficheRemplacements(g, saison, 1, c->DerniereJournee, liste, couleurs);
    vues::EcritTable(g, Parametres, Resultat, type >= 0 && type <= 1);
}

void EnregistreFonctionsInfoEquipes()
{
    vues::EnregistreVue("Tf_InfoEquipes", [](TComponent* o) -> TForm* { return new Tf_InfoEquipes(o); },
                        {{"MeilleursButeursEquipe", 1}, {"MeilleursEssaiEquipe", 1}, {"MeilleursRealisateurEquipe", 1},
                                          {"MeilleursAffluencesEquipe", 1}, {"JoueursUtilisesEquipe", 1}, {"NbRemplacementEquipe", 1},
                                          {"MeilleursMarqueurEquipe", 1}, {"MeilleureReussite2ptsEquipe", 1},
                                          {"MeilleureReussite3ptsEquipe", 1}, {"MeilleureReussiteLFEquipe", 1},
                                          {"MeilleursRebondEquipe", 1}, {"MeilleursPasseurEquipe", 1}});
}

namespace {
const bool fonctionsEnregistrees = (EnregistreFonctionsInfoEquipes(), true);
}  // namespace
