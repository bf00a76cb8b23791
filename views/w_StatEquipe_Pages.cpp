// The team sheet's pages: results path and points per opponent, standings
// boxes and series, form and attendance charts, match situations, frequent
// scores, goals by minute, player rankings and playing time.
#include <algorithm>

#include "engine/CalculClassement.h"
#include "engine/Statistique.h"
#include "model/Championnat.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/ListesJoueurs.h"
#include "model/Rang.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Editeur.h"
#include "ui/Fond.h"
#include "ui/Graphe.h"
#include "views/AfficheClassement.h"
#include "views/DiversStat_Outils.h"
#include "views/OutilsVues.h"
#include "views/Series.h"
#include "views/Textes.h"
#include "views/cadreParamClassement.h"
#include "views/w_DiversStat.h"
#include "views/w_StatEquipe.h"
#include "views/w_StatEquipe_Outils.h"

using vues::Texte;
using namespace divers;

namespace statequipe {

bool ParDate(const TDonneesChampionnat& c) { return (c.Option(11) & (1 | 8)) != 0; }

void Bornes(const TDonneesChampionnat& c, bool entier, int premiere, int derniere, int& debut, int& fin)
{
    debut = entier ? 1 : std::max(premiere, 1);
    fin = entier ? c.DerniereJournee : std::min(derniere, c.NbJour());
}

void ParcourtMatchs(const TDonneesChampionnat& c, int debut, int fin, int idEquipe,
                    const std::function<void(int journee, int index, bool domicile)>& ajoute)
{
    if (!ParDate(c)) {
        for (int m = debut; m <= fin; ++m) {
            // the team's side among the matchday's sides only
            const int cotes = 2 * c.NbMatchJournee(m);
            for (int s = 0; s < cotes; ++s)
                if (c.ValeurMatch(m, 2 * s + 1) == idEquipe) {
                    ajoute(m, s / 2, s % 2 == 0);
                    break;
                }
        }
        return;
    }
    const TJournees& js = c.Journees();
    for (int i = 0; i < js.Nombre(); ++i)
        if (const TInfoCompJour* jour = js.JourneeParDate(i))
            for (int k = 0; k < jour->NbMatchs(); ++k) {
                int n = 0, index = 0;
                js.ChercheMatch(jour->Match(k), n, index);
                if (n < debut || n > fin)
                    continue;
                if (c.ValeurMatch(n, 4 * index + 1) == idEquipe)
                    ajoute(n, index, true);
                else if (c.ValeurMatch(n, 4 * index + 3) == idEquipe)
                    ajoute(n, index, false);
            }
}

TScoreMatch Score(const TDonneesChampionnat& c, int journee, int index, bool domicile)
{
    TScoreMatch s;
    const int dom = c.ValeurMatch(journee, 4 * index + 2), ext = c.ValeurMatch(journee, 4 * index + 4);
    s.Nous = domicile ? dom : ext;
    s.Eux = domicile ? ext : dom;
    s.IdNous = c.ValeurMatch(journee, 4 * index + (domicile ? 1 : 3));
    s.IdEux = c.ValeurMatch(journee, 4 * index + (domicile ? 3 : 1));
    s.Joue = dom < 65535 && ext < 65535;
    return s;
}

void CompteurPoints(TDonneesChampionnat& c, int journee, int index, bool domicile, std::vector<uint8_t>& points)
{
    const TScoreMatch s = Score(c, journee, index, domicile);
    const int p = c.IndexEquipe(s.IdEux), nous = c.IndexEquipe(s.IdNous);
    if (!s.Joue || p < 0 || nous < 0)
        return;
    auto& pris = points[static_cast<size_t>(2 * p)];
    if (s.Nous > s.Eux)
        pris = static_cast<uint8_t>(pris + c.Option(4));
    else if (s.Nous == s.Eux)
        pris = static_cast<uint8_t>(pris + c.Option(5));
    // the match's bonus points, as the standings give them
    const int dom = domicile ? nous : p, ext = domicile ? p : nous;
    const TCalculClassement::TBonusMatch b =
        TCalculClassement::BonusMatch(c, journee, index + 1, dom, ext, domicile ? s.Nous : s.Eux,
                                      domicile ? s.Eux : s.Nous);
    pris = static_cast<uint8_t>(pris + b.Points(c, domicile ? 0 : 1));
    ++points[static_cast<size_t>(2 * p + 1)];
}

void LignesPoints(TSaison* saison, const TDonneesChampionnat& c, int idEquipe, const std::vector<uint8_t>& points,
                  TColorGridBase& g, const TCouleurElement& couleurs, int& row)
{
    TGridModel& m = Modele(g);
    for (int p = 0; p < c.NbEquipe(); ++p) {
        if (c.IdEquipe(p) == idEquipe)
            continue;
        m.SetRowCount(std::max(row + 1, m.RowCount()));
        const int pris = points[static_cast<size_t>(2 * p)], matchs = points[static_cast<size_t>(2 * p + 1)];
        Cellule(g, 0, row, saison->NomEquipeComplet(c.IdEquipe(p), &c), couleurs, false, 0);
        const int possibles = TCalculClassement::PointsPossibles(c) * matchs;
        Cellule(g, 1, row, IntToStr(pris) + "/" + IntToStr(possibles), couleurs, false, 1);
        ++row;
    }
}

void EntetePoints(TColorGridBase& g, const TCouleurElement& couleurs, int largeur2)
{
    Taille(g, 2, 1, {200, largeur2});
    Entete(g, 0, Texte(176), couleurs, 0);
    Entete(g, 1, Texte(219), couleurs, 1);
}

}  // namespace statequipe

using namespace statequipe;

// ============================================================================
// results path and points per opponent
// ============================================================================

void Tf_StatEquipe::TablePointsPris(TSaison* saison, int idEquipe, const TListeChampionnats& liste, int premiere,
                                    int derniere, TColorGridBase& g, const TCouleurElement& couleurs, int largeur2)
{
    EntetePoints(g, couleurs, largeur2);
    int row = 1;
    const bool entier = premiere == 0 || liste.size() > 1;
    for (TDonneesChampionnat* c : liste) {
        if (!c)
            continue;
        std::vector<uint8_t> points(static_cast<size_t>(2 * c->NbEquipe()), 0);
        int debut, fin;
        Bornes(*c, entier, premiere, derniere, debut, fin);
        ParcourtMatchs(*c, debut, fin, idEquipe, [&](int j, int k, bool dom) {
            CompteurPoints(*c, j, k, dom, points);
        });
        if (c->IndexEquipe(idEquipe) >= 0)
            LignesPoints(saison, *c, idEquipe, points, g, couleurs, row);
    }
}

void Tf_StatEquipe::AfficheParcours()
{
    for (TLabel* l : lignesDom_)
        l->Free();
    for (TLabel* l : lignesExt_)
        l->Free();
    lignesDom_.clear();
    lignesExt_.clear();
    FondCopie21->SetVisible(false);
    TDonneesChampionnat* courant = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!courant)
        return;
    EntetePoints(*sg_PointPris, Couleurs, 80);
    // records A..D: our score, their score, matchday, our id, their id, 1 at home
    std::array<std::array<int, 6>, 4> records{};
    for (auto& r : records)
        r = {-1, -1, 0, 0, 0, 0};
    int nDom = 0, nExt = 0, row = 1;
    const int premiere = CadreParam->Premiere();
    const bool entier = premiere == 0 || CadreParam->ListeChoisie() != nullptr;
    const int id = IdEquipe();
    for (TDonneesChampionnat* c : CadreParam->ListeChampionnats()) {
        if (!c)
            continue;
        std::vector<uint8_t> points(static_cast<size_t>(2 * c->NbEquipe()), 0);
        int debut, fin;
        Bornes(*c, entier, premiere, CadreParam->Derniere(), debut, fin);
        ParcourtMatchs(*c, debut, fin, id, [&](int j, int k, bool dom) {
            AjouteResultat(*c, j, k, dom ? 0 : 1, points, records, nDom, nExt);
        });
        if (c->IndexEquipe(id) >= 0)
            LignesPoints(Saison, *c, id, points, *sg_PointPris, Couleurs, row);
    }
    TLabel* labels[4] = {Label65, Label67, Label69, Label71};
    for (int i = 0; i < 4; ++i) {
        const auto& r = records[static_cast<size_t>(i)];
        if (r[0] < 0) {
            labels[i]->SetCaption("-");
            continue;
        }
        // the match as it was played: home team first
        const bool pour = i % 2 == 0, dom = r[5] != 0;
        labels[i]->SetCaption(IntToStr(pour ? r[0] : r[1]) + " ( " +
                              DeuxPoints(Saison->NomEquipeCourant(dom ? r[3] : r[4]) + "-" +
                                             Saison->NomEquipeCourant(dom ? r[4] : r[3]),
                                         IntToStr(dom ? r[0] : r[1]) + " - " + IntToStr(dom ? r[1] : r[0])) +
                              " )");
    }
    MiseEnPage();
}

void Tf_StatEquipe::AjouteResultat(TDonneesChampionnat& c, int journee, int match, int cote,
                                   std::vector<uint8_t>& points, std::array<std::array<int, 6>, 4>& records, int& nDom,
                                   int& nExt)
{
    const bool domicile = cote == 0;
    const TScoreMatch s = Score(c, journee, match, domicile);
    CompteurPoints(c, journee, match, domicile, points);
    if (!s.Joue)
        return;
    const int resultat = s.Nous > s.Eux ? 0 : s.Nous == s.Eux ? 1 : 2;
    const bool ligne = resultat == 0 ? CCVict->Checked() : resultat == 1 ? CCNul->Checked() : CCDef->Checked();
    const int base = domicile || neutre_ ? 0 : 2;
    auto& pour = records[static_cast<size_t>(base)];
    auto& contre = records[static_cast<size_t>(base + 1)];
    if (s.Nous > pour[0])
        pour = {s.Nous, s.Eux, journee, s.IdNous, s.IdEux, domicile ? 1 : 0};
    if (s.Eux > contre[1])
        contre = {s.Nous, s.Eux, journee, s.IdNous, s.IdEux, domicile ? 1 : 0};
    if (!ligne)
        return;
    std::string texte;
    if (ParDate(c))
        if (const uint32_t d = c.DateMatch(journee, match + 1); d != 0)
            texte = TGestionDate::DateVersTexte(d) + ": ";
    const int dom = c.ValeurMatch(journee, 4 * match + 1), ext = c.ValeurMatch(journee, 4 * match + 3);
    texte += DeuxPoints(Saison->NomEquipeComplet(dom, &c) + " - " + Saison->NomEquipeComplet(ext, &c),
                        IntToStr(c.ValeurMatch(journee, 4 * match + 2)) + " - " +
                            IntToStr(c.ValeurMatch(journee, 4 * match + 4)));
    if (const std::string tirs = vues::TexteTirsAuBut(c, journee, dom, ext); !tirs.empty())
        texte += " (" + tirs + ")";
    const bool colonneDom = domicile || neutre_;
    TScrollBox* boite = colonneDom ? mdomicile : mexterieur;
    int& n = colonneDom ? nDom : nExt;
    auto* l = new THotLabel(this);
    l->SetLeft(10);
    l->SetTop(n * 20 + 10);
    l->SetTransparent(true);
    l->Font().SetStyle(fsBold);
    l->Font().SetColor(resultat == 0 ? Couleurs.ExtraCouleur1 : resultat == 1 ? Couleurs.CouleurTitre
                                                                               : Couleurs.CouleurRouge);
    l->SetCaption(texte);
    l->Tag = journee * 256 + match + 1;
    l->SetParent(boite);
    l->OnClick = [this, l](TObject*) {
        if (ExecuteCommande)
            ExecuteCommande(14, static_cast<int>(l->Tag), false);
    };
    (colonneDom ? lignesDom_ : lignesExt_).push_back(l);
    ++n;
}

// ============================================================================
// statistics page: boxes, series, charts; attendance
// ============================================================================

void Tf_StatEquipe::AfficheClassements()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    TCalculClassement calcul(c, Saison);
    const int L = c->DerniereJournee;
    static const int kinds[3][3] = {{clsGeneral, 5, 6}, {clsDomicile, 10, 11}, {clsExterieur, 12, 13}};
    for (size_t b = 0; b < 3; ++b) {
        auto& v = ValeursBoites[b];
        const int n = calcul.Calcule(kinds[b][0], 1, L);
        int r = 0;
        while (r < n && calcul.ValeurLigne(r, 1) != equipe_)
            ++r;
        // the rank the standings show, level teams sharing it
        v[0]->SetCaption(r >= n ? std::string("-")
                                : TraduireRang(StrToInt(classement::RangPartage(calcul, kinds[b][0], r))));
        for (int k = 2; k <= 6; ++k)
            v[static_cast<size_t>(k - 1)]->SetCaption(
                IntToStr(static_cast<int16_t>(calcul.ValeurTotal(equipe_, k))));
        // attack and defence ranks among the teams with a match in the box:
        // one more than those with more goals (fewer against); none without
        // a match
        auto rangParmi = [&](int kind, bool plus) {
            const int nl = calcul.Calcule(kind, 1, L);
            int moi = 0;
            while (moi < nl && calcul.ValeurLigne(moi, 1) != equipe_)
                ++moi;
            if (moi >= nl || calcul.SansBase(kind, moi))
                return std::string("(-)");
            const int mien = calcul.ValeurLigne(moi, 2);
            int rang = 1;
            for (int k = 0; k < nl; ++k)
                if (!calcul.SansBase(kind, k) &&
                    (plus ? calcul.ValeurLigne(k, 2) > mien : calcul.ValeurLigne(k, 2) < mien))
                    ++rang;
            return "(" + IntToStr(rang) + ")";
        };
        RangsBoites[b][0]->SetCaption(rangParmi(kinds[b][1], true));
        RangsBoites[b][1]->SetCaption(rangParmi(kinds[b][2], false));
    }
    // the series going on
    Editserie->SetNbLigne(0);
    const std::vector<TSerieEquipe> series = series::Calcule(Saison, L, 1);
    if (equipe_ < 0 || equipe_ >= static_cast<int>(series.size()))
        return;
    const TSerieEquipe& s = series[static_cast<size_t>(equipe_)];
    int ligne = 0;
    auto ecrit = [&](int texte, int longueur, const std::string& lieu) {
        ++ligne;
        Editserie->SetNbLigne(ligne);
        Editserie->EcritLigne(ligne, TraduireFormat(texte, {longueur, lieu}) + "\r", true, false,
                              static_cast<uint8_t>(ligne % 2 == 1 ? 14 : 15));
    };
    // rugby's runs are of tries: a side may concede points without a try
    const bool essais = Saison->Sport() == 1;
    for (int p = 0; p < 3; ++p) {
        const std::string W = p == 0 ? std::string() : Texte(p == 1 ? 164 : 165);
        const TSerie& res = s.Resultat[p].Courante;
        if (res.Longueur >= 2 && res.Type >= 1 && res.Type <= 3)
            ecrit(160 + res.Type, res.Longueur, W);
        if (s.Invaincu[p].Actuelle() >= 2)
            ecrit(167, s.Invaincu[p].Actuelle(), W);
        if (s.SansVictoire[p].Actuelle() >= 2)
            ecrit(168, s.SansVictoire[p].Actuelle(), W);
        if (s.Encaisse[p].Courante.Type == srsSans && s.Encaisse[p].Courante.Longueur >= 2)
            ecrit(essais ? 4503 : 169, s.Encaisse[p].Courante.Longueur, W);
        if (s.Marque[p].Courante.Type == srsSans && s.Marque[p].Courante.Longueur >= 2)
            ecrit(essais ? 4505 : 170, s.Marque[p].Courante.Longueur, W);
    }
    Editserie->Invalidate();
}

void Tf_StatEquipe::AfficheEvolution()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const int n = c->NbJour(), L = c->DerniereJournee;
    Graph2->ChangeNbCourbes(1);
    Graph2->SetNbPointY(80);
    Graph2->ChangeCouleurCourbe(0, Couleurs.LigneGraph);
    Graph2->SetNbPointX(std::max(n, 1));
    Graph2->AjoutePoint(0, 0, 40);
    Graph3->ChangeNbCourbes(1);
    Graph3->SetNbPointY(3);
    Graph3->SetNbPointX(std::max(n, 1));
    Graph4->ChangeNbCourbes(1);
    Graph4->SetNbPointX(std::max(3 * n, 1));
    Graph4->FacteurX = 3.0;
    Graph4->SetDecalLegende(true);
    GraphSpect->ChangeNbCourbes(3);
    GraphSpect->ChangeStyleCourbe(2, 0);
    GraphSpect->ChangeStyleCourbe(1, neutre_ ? 0 : 1);
    GraphSpect->SetNbPointX(std::max(n, 1));
    GraphSpect->AjoutePoint(0, 0, -1);
    GraphSpect->AjoutePoint(1, 0, -1);
    GraphSpect->SetNbPointY(10);
    GraphSpect->ChangeCouleurCourbe(0, Couleurs.LigneGraph);
    GraphSpect->ChangeCouleurCourbe(1, Couleurs.LigneGraph2);
    SymbolesAffluence();
    FondCopie21->SetVisible(false);
    int v = 40, compteur = 1;
    int64_t total = 0;
    int nombre = 0, maximum = 0, minimum = 999999;
    const int id = IdEquipe();
    const bool parDate = ParDate(*c);
    ParcourtMatchs(*c, 1, L, id, [&](int j, int k, bool dom) {
        if (parDate) {
            Graph2->SetNbPointX(std::max(Graph2->NbPointX(), compteur + 1));
            Graph3->SetNbPointX(std::max(Graph3->NbPointX(), compteur + 1));
            GraphSpect->SetNbPointX(std::max(GraphSpect->NbPointX(), compteur + 1));
            Graph4->SetNbPointX(std::max(Graph4->NbPointX(), 3 * compteur + 2));
        }
        const int x = (c->Option(11) & 8) ? compteur : j;
        const TScoreMatch s = Score(*c, j, k, dom);
        int genre = -1;
        if (s.Joue) {
            const int r = s.Nous > s.Eux ? 0 : s.Nous == s.Eux ? 1 : 2;
            if (r == 0 ? CCVict->Checked() : r == 1 ? CCNul->Checked() : CCDef->Checked())
                genre = r;
            if (dom || neutre_)
                if (const int a = c->AffluenceMatch(j, k + 1); a > 0) {
                    total += a;
                    ++nombre;
                    maximum = std::max(maximum, a);
                    minimum = std::min(minimum, a);
                }
        }
        if (genre == 0) {
            v += 2;
            Graph3->AjoutePoint(0, x, 3);
            Graph3->ChangeCouleurPoint(0, x, CouleursGraphe(0xD7FFFF, 0x00FFFF));
        } else if (genre == 1) {
            Graph3->AjoutePoint(0, x, 2);
            Graph3->ChangeCouleurPoint(0, x, CouleursGraphe(0xFFFFC4, 0xFFFF00));
        } else if (genre == 2) {
            v -= 2;
            Graph3->AjoutePoint(0, x, 1);
            Graph3->ChangeCouleurPoint(0, x, CouleursGraphe(0xB3B3FF, 0x2000C0));
        }
        Graph2->AjoutePoint(0, x, v);
        Graph4->AjoutePoint(0, 3 * x - 3, 0);
        Graph4->AjoutePoint(0, 3 * x - 2, genre >= 0 ? s.Nous : 0);
        Graph4->AjoutePoint(0, 3 * x - 1, genre >= 0 ? s.Eux : 0);
        if (genre >= 0) {
            Graph4->ChangeCouleurPoint(0, 3 * x - 2, CouleursGraphe(0xFF95ED, 0xC000A0));
            Graph4->ChangeCouleurPoint(0, 3 * x - 1, CouleursGraphe(0xA6F0BC, 0x1BA745));
            GraphSpect->AjoutePoint(dom || neutre_ ? 0 : 1, x, c->AffluenceMatch(j, k + 1));
            GraphSpect->AjoutePoint(2, x, s.IdEux);
        }
        ++compteur;
    });
    Label16->SetCaption(nombre == 0 ? std::string("-") : IntToStr(DivisionArrondie(total, nombre)));
    // no attendance known: no total either
    Label63->SetCaption(nombre == 0 ? std::string("-") : IntToStr(total));
    Label54->SetCaption(maximum == 0 ? std::string("-") : IntToStr(maximum));
    Label58->SetCaption(minimum == 999999 ? std::string("-") : IntToStr(minimum));
    for (TGraphe* g : {static_cast<TGraphe*>(Graph2), static_cast<TGraphe*>(Graph3), static_cast<TGraphe*>(Graph4),
                       static_cast<TGraphe*>(GraphSpect)})
        g->Invalidate();
}

// ============================================================================
// situations and frequent scores
// ============================================================================

TTextesSituations Tf_StatEquipe::StatistiquesSituations(TSaison* saison, int idEquipe, const TListeChampionnats& liste,
                                                        int premiere, int derniere, int lieu)
{
    TTextesSituations t;
    int matchs = 0;
    TSituations comptes{};
    TStatistique::SeriesEquipe(liste, premiere, derniere, idEquipe, matchs, comptes);
    const int M = matchs;
    const bool dom = lieu != 3, ext = lieu != 2;
    auto somme = [&](int r, int s) {
        return (dom ? comptes[static_cast<size_t>(r)][static_cast<size_t>(s)][0] : 0) +
               (ext ? comptes[static_cast<size_t>(r)][static_cast<size_t>(s)][1] : 0);
    };
    // a share rounded once from its counts; "-" without a match
    auto pourcent = [](int a, int b) {
        const std::string t = TexteTaux(a, b, 2);
        return b == 0 ? t : t + "%";
    };
    const std::string nom = saison ? saison->NomEquipeCourant(idEquipe) : std::string();
    // scored first, conceded first, led, level and trailed at half time
    static const int textes[5] = {329, 333, 334, 336, 335};
    static const bool avecNom[5] = {true, false, true, false, true};
    static const int entrees[5] = {0, 4, 8, 16, 20};
    for (int s = 0; s < 5; ++s) {
        const int W = somme(0, s), D = somme(1, s), L = somme(2, s), T = W + D + L;
        const size_t e = static_cast<size_t>(entrees[s]);
        const std::string P = pourcent(T, M);
        t[e] = avecNom[s] ? TraduireFormat(textes[s], {nom, T, P}) : TraduireFormat(textes[s], {T, P});
        const int valeurs[3] = {W, D, L};
        for (int k = 0; k < 3; ++k)
            t[e + 1 + static_cast<size_t>(k)] =
                TraduireFormat(330 + k, {valeurs[k], pourcent(valeurs[k], T)});
    }
    const int X = somme(0, 5), Y = somme(2, 5);
    t[24] = TraduireFormat(337, {X, pourcent(X, M)});
    t[25] = TraduireFormat(338, {Y, pourcent(Y, M)});
    return t;
}

void Tf_StatEquipe::AfficheSituations()
{
    if (!Saison || !Saison->ChampionnatCourant())
        return;
    const int lieu = rc_General->Checked() ? 1 : rc_Domicile->Checked() ? 2 : 3;
    const TTextesSituations t = StatistiquesSituations(Saison, IdEquipe(), CadreParam->ListeChampionnats(),
                                                       CadreParam->Premiere(), CadreParam->Derniere(), lieu);
    for (size_t k = 0; k < t.size(); ++k)
        if (Situations[k]) {
            Situations[k]->SetCaption(t[k]);
            Situations[k]->SetAutoSize(true);
        }
}

void Tf_StatEquipe::AfficheScoresFrequents()
{
    if (!Saison || !Saison->ChampionnatCourant())
        return;
    // what the venue radio and the band say, whoever asks for the fill
    const int filtre = rc_Domicile2->Checked() ? 0 : rc_Exterieur2->Checked() ? 1 : 2;
    sg_Stats->InitColonnes();
    Tf_DiversStat::RemplitScoresFrequentsListe(Saison, *sg_Stats, CadreParam->ListeChampionnats(),
                                               CadreParam->Premiere(), CadreParam->Derniere(), Couleurs, IdEquipe(),
                                               filtre);
    MiseEnPage();
}

// ============================================================================
// goals by minute
// ============================================================================

void Tf_StatEquipe::CompteButsMarques(TRepartition& r, bool raz, TDonneesChampionnat& c, int derniere, int premiere,
                                      int idEquipe)
{
    if (raz)
        r.fill(0);
    const int debut = premiere == 0 ? 1 : premiere, fin = premiere == 0 ? c.DerniereJournee : derniere;
    for (int m = std::max(debut, 1); m <= std::min(fin, c.NbJour()); ++m)
        if (TListeDonnees* l = c.ListeButeurs(m))
            for (int i = 0; i < l->Nombre(); ++i) {
                const TDonneesEvt* e = l->Donnee(i);
                if (e->IdEquipe() == idEquipe && !Manque(*e))
                    ++r[static_cast<size_t>((e->Mot() & 127) / 5)];
            }
}

void Tf_StatEquipe::CompteButsEncaisses(TRepartition& r, bool raz, TDonneesChampionnat& c, int derniere,
                                        int premiere, int idEquipe)
{
    if (raz)
        r.fill(0);
    const int debut = premiere == 0 ? 1 : premiere, fin = premiere == 0 ? c.DerniereJournee : derniere;
    for (int m = std::max(debut, 1); m <= std::min(fin, c.NbJour()); ++m) {
        int adversaire = -1;
        for (int k = 1; k <= c.NbMatchJournee(m); ++k) {
            const int dom = c.ValeurMatch(m, 4 * k - 3), ext = c.ValeurMatch(m, 4 * k - 1);
            if (dom == idEquipe)
                adversaire = ext;
            else if (ext == idEquipe)
                adversaire = dom;
        }
        if (adversaire < 0)
            continue;
        if (TListeDonnees* l = c.ListeButeurs(m))
            for (int i = 0; i < l->Nombre(); ++i) {
                const TDonneesEvt* e = l->Donnee(i);
                // the opponent's goals as its own are counted: own goals too
                if (e->IdEquipe() == adversaire && !Manque(*e))
                    ++r[static_cast<size_t>((e->Mot() & 127) / 5)];
            }
    }
}

void Tf_StatEquipe::DessineRepartition(TGraphBarre& a, TGraphBarre& b, const TRepartition& r, int maxIndex,
                                       int periode, int prolongation, int groupe, const TCouleurElement& couleurs,
                                       TColor ca, TColor cb)
{
    auto compteur = [&](int i) { return i >= 0 && i <= maxIndex && i < 27 ? r[static_cast<size_t>(i)] : 0; };
    const int reguliers = (2 * periode) / 5, complets = (2 * (periode + prolongation)) / 5;
    bool prolonge = false;
    for (int i = reguliers + 1; i <= complets + 1; ++i)
        prolonge = prolonge || compteur(i) > 0;
    const int f = std::max(groupe, 1);
    const int nA = (prolonge ? complets : reguliers) / f + 1, nB = (prolonge ? complets : reguliers) + 1;
    const TCouleurPoint paire{couleurs.GraphCouleurDebut, couleurs.GraphCouleurFin};
    auto prepare = [](TGraphBarre& g, int espace, double facteur, int n) {
        g.ChangeNbCourbes(1);
        g.SetEspaceGraduerX(espace);
        g.FacteurX = facteur;
        g.SetNbPointX(n + 1);
        // minutes are band limits: each label stands at the end of its band
        g.SetDecalLegende(false);
    };
    prepare(a, 5 * f, 1.0 / (5 * f), nA);
    for (int i = 1; i <= nA; ++i) {
        int v = 0;
        for (int k = 0; k < f; ++k)
            v += compteur(f * (i - 1) + k);
        a.AjoutePoint(0, i, v);
        a.ChangeCouleurPoint(0, i, ca ? CouleurGraphe(ca) : paire);
    }
    prepare(b, 5, 0.2, nB);
    for (int i = 1; i <= nB; ++i) {
        b.AjoutePoint(0, i, compteur(i - 1));
        b.ChangeCouleurPoint(0, i, cb ? CouleurGraphe(cb) : paire);
    }
    a.Invalidate();
    b.Invalidate();
}

void Tf_StatEquipe::AfficheButsMarques()
{
    TDonneesChampionnat* courant = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!courant)
        return;
    bool raz = true;
    for (TDonneesChampionnat* c : CadreParam->ListeChampionnats()) {
        CompteButsMarques(repartition_, raz, *c, CadreParam->Derniere(), CadreParam->Premiere(), IdEquipe());
        raz = false;
    }
    classe_.DessineRepartitionButs(*GraphBarre1, *GraphBarre2, repartition_, 26, courant->TempsPeriode,
                                   courant->TempsPeriodeProlongation, Couleurs, 0, 0);
    b_ChangeBut->SetCaption(Texte(1548, L1("Voir les buts encaissés")));
    b_ChangeBut->Tag = 1;
    StatutPage();
}

void Tf_StatEquipe::AfficheButsEncaisses()
{
    TDonneesChampionnat* courant = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!courant)
        return;
    bool raz = true;
    for (TDonneesChampionnat* c : CadreParam->ListeChampionnats()) {
        CompteButsEncaisses(repartition_, raz, *c, CadreParam->Derniere(), CadreParam->Premiere(), IdEquipe());
        raz = false;
    }
    classe_.DessineRepartitionButs(*GraphBarre1, *GraphBarre2, repartition_, 26, courant->TempsPeriode,
                                   courant->TempsPeriodeProlongation, Couleurs, 0, 0);
    b_ChangeBut->SetCaption(Texte(1547, L1("Voir les buts marqués")));
    b_ChangeBut->Tag = 2;
    StatutPage();
}

// ============================================================================
// players
// ============================================================================

void Tf_StatEquipe::AfficheClassementEquipe(TSaison* saison, int idEquipe, const TListeChampionnats* liste,
                                            const TCouleurElement& couleurs, TColorGridBase& g, int premiere,
                                            int derniere, int type)
{
    if (!saison || !saison->ChampionnatCourant() || type < 0 || type >= TClassJoueur::NbTypes)
        return;
    std::vector<TCompteurJoueur> joueurs;
    if (type == 6 || type == 7) {
        auto notes = TClassJoueur::NotesJoueurs(*saison, idEquipe, liste, premiere, derniere, type == 6 ? 0 : 1);
        for (int i = 0; notes && i < notes->Nombre(); ++i) {
            const TNoteJoueur* n = notes->Note(i);
            TCompteurJoueur c;
            c.Joueur = n->Joueur;
            c.IdJoueur = n->IdJoueur;
            c.Valeur = static_cast<int64_t>(n->Moyenne * 100 + 0.5);
            joueurs.push_back(c);
        }
    } else {
        joueurs = TClassJoueur::TotauxJoueurs(*saison, idEquipe, liste, premiere, derniere, type);
    }
    const int lignes = std::max(static_cast<int>(joueurs.size()), 1);
    // the ratings have a heading of their own; an average says it is one
    std::string titre =
        type == 7 ? Texte(922)
                  : TClassJoueur::LibelleClassementEquipe(*saison, TClassJoueur::NumeroLibelleEquipe(type));
    if (TClassJoueur::ParMatch(type))
        titre = TraduireFormat(5200, {titre});
    Taille(g, 3, lignes + 1, {60, 140, 70});
    Entete(g, 0, "", couleurs, 1);
    Entete(g, 1, Texte(107), couleurs, 0);
    Entete(g, 2, titre, couleurs, 1);
    if (joueurs.empty()) {
        Cellule(g, 1, 1, Texte(108), couleurs, false, 0);
        return;
    }
    for (size_t i = 0; i < joueurs.size(); ++i) {
        const TCompteurJoueur& j = joueurs[i];
        const int row = static_cast<int>(i) + 1;
        Cellule(g, 0, row, j.Joueur ? j.Joueur->LettrePoste() : std::string(), couleurs, false, 1);
        g.ChangeDonneeCellule(0, row, j.IdJoueur);
        Cellule(g, 1, row, j.Joueur ? j.Joueur->Nom + " " + j.Joueur->Prenom : std::string(), couleurs, false, 0);
        Cellule(g, 2, row,
                type == 6 || type == 7 ? FloatToStrF(j.Valeur / 100.0, ffFixed, 2, 2)
                                       : TClassJoueur::TexteValeurEquipe(type, j),
                couleurs, false, 1);
        // a position's name is read whole
        g.ElargitSelonTexte(row);
    }
}

int Tf_StatEquipe::TypeClassement() const
{
    for (const auto& [radio, type] : TypesRadios)
        if (radio->Checked())
            return type;
    return -1;
}

void Tf_StatEquipe::RemplitClassementJoueurs()
{
    const int type = TypeClassement();
    if (type < 0 || !Saison)
        return;
    sg_Buteur->InitColonnes();
    AfficheClassementEquipe(Saison, IdEquipe(), CadreParam->ListeChoisie(), Couleurs, *sg_Buteur,
                            CadreParam->Premiere(), CadreParam->Derniere(), type);
    sg_Buteur->Tag = type;
}

void Tf_StatEquipe::AfficheJoueurs()
{
    RemplitClassementJoueurs();
    MiseEnPage();
}

// ============================================================================
// playing time (class operations of the base)
// ============================================================================

std::unique_ptr<TListeTemps> TClasseStatEquipe::CalculeTempsJeu(TSaison* saison, int equipe,
                                                                const TListeChampionnats& liste, int derniere,
                                                                int premiere, TControl* controle) const
{
    auto temps = std::make_unique<TListeTemps>();
    TDonneesChampionnat* courant = saison ? saison->ChampionnatCourant() : nullptr;
    if (!courant)
        return temps;
    saison->CalculeStatJoueurs();
    const int id = courant->IdEquipe(equipe);
    if (const TListJoueurEquipe* bloc = saison->Joueurs().BlocEquipe(id))
        for (TJoueur* j : bloc->Joueurs())
            temps->Ajoute(std::make_unique<TTempsJoueur>(j));
    if (controle)
        controle->SetVisible(temps->Nombre() > 0);
    if (temps->Nombre() == 0)
        return temps;
    const bool entier = premiere == 0 || liste.size() > 1;
    for (TDonneesChampionnat* c : liste) {
        if (!c)
            continue;
        int debut, fin;
        Bornes(*c, entier, premiere, derniere, debut, fin);
        for (int m = debut; m <= fin; ++m)
            AjouteTempsJournee(*temps, m, *c, id);
    }
    return temps;
}

void TClasseStatEquipe::AjouteTempsJournee(TListeTemps& liste, int journee, TDonneesChampionnat& c,
                                           int idEquipe) const
{
    const TInfoComp* match = c.MatchEquipe(journee, idEquipe);
    if (!match || !match->CompositionSaisie(idEquipe))
        return;
    // a line-up entered before the match gives nothing
    auto saisi = [](uint16_t score) { return (score & 0x7FFF) != 0x7FFF; };
    if (!saisi(match->Score(0)) || !saisi(match->Score(1)))
        return;
    const int F = 2 * c.TempsPeriode;
    liste.RemetAZero();
    for (int s = 1; s <= c.NbTitulaire(); ++s)
        if (TTempsJoueur* t = liste.ChercheJoueur(match->JoueurTitulaire(idEquipe, s)); t && match->JoueurTitulaire(idEquipe, s) != 0) {
            t->Compteurs[1] += 1;
            t->Compteurs[0] += F;
        }
    for (int r = 1; r <= c.NbRemp(); ++r) {
        const int32_t entrant = match->JoueurEntre(idEquipe, r);
        if (entrant == 0)
            continue;
        const int t = match->ValeurRemplacement(idEquipe, r, 5);
        const int R = t >= 1 && t <= F ? F - t : 0;
        if (TTempsJoueur* sortant = liste.ChercheJoueur(match->ValeurRemplacement(idEquipe, r, 1));
            sortant && match->ValeurRemplacement(idEquipe, r, 1) != 0) {
            sortant->Compteurs[0] -= R;
            sortant->Compteurs[3] += 1;
        }
        if (TTempsJoueur* e = liste.ChercheJoueur(entrant)) {
            e->Compteurs[0] += R;
            e->Compteurs[4] = R;
            e->Compteurs[2] += 1;
            e->Compteurs[1] += 1;
        }
    }
    if (TListeDonnees* l = c.ListeAvertis(journee))
        for (int i = 0; i < l->Nombre(); ++i) {
            const TDonneesEvt* e = l->Donnee(i);
            if (e->IdEquipe() != idEquipe || (e->Mot() & 0x80) == 0 || e->IdJoueur() == 0)
                continue;
            if (TTempsJoueur* t = liste.ChercheJoueur(e->IdJoueur()))
                t->Compteurs[0] -= std::max(F - (e->Mot() & 127), 0);
        }
    if (TListeDonnees* l = c.ListeButeurs(journee))
        for (int i = 0; i < l->Nombre(); ++i) {
            const TDonneesEvt* e = l->Donnee(i);
            if (e->IdEquipe() == idEquipe && e->IdJoueur() != 0 && !Manque(*e))
                if (TTempsJoueur* t = liste.ChercheJoueur(e->IdJoueur()))
                    t->Compteurs[5] += 1;
        }
}
