// The miscellaneous statistics built by the window's own pages: incomplete
// player records, the best player of each team at a matchday, the detailed text
// of a matchday.
#include <algorithm>

#include "engine/Statistique.h"
#include "model/Ages.h"
#include "model/Championnat.h"
#include "model/ChampionnatFootRugby.h"
#include "model/ChampionnatStat.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/Personnels.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "ui/ColorStringGrid.h"
#include "ui/Editeur.h"
#include "ui/GridHtml.h"
#include "views/DiversStat_Outils.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/w_DiversStat.h"

using vues::Texte;
using namespace divers;

// ---- incomplete players ----------------------------------------------------------------------
void Tf_DiversStat::RemplitJoueursIncomplets(TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs)
{
    if (!saison)
        return;
    std::vector<TJoueur*> liste;
    for (int i = 0; i < saison->Joueurs().NbJoueur(); ++i) {
        TJoueur* j = saison->Joueurs().Joueur(i);
        if (j && j->CodePays != 65535 && j->IdEquipe() < 65535 && (j->Prenom.empty() || j->Age == 0 || j->CodePays == 0))
            liste.push_back(j);
    }
    Taille(g, 4, static_cast<int>(liste.size()) + 1, {140, 140, 40, 140});
    Entete(g, 0, Texte(71), couleurs, 0);
    Entete(g, 1, Texte(72), couleurs, 0);
    Entete(g, 2, saison ? TitreAge(AnneeAges(*saison)) : Texte(293), couleurs, 1);
    Entete(g, 3, Texte(187), couleurs, 0);
    for (size_t r = 0; r < liste.size(); ++r)
        LigneJoueurIncomplet(saison, g, static_cast<int>(r) + 1, *liste[r], couleurs);
}

void Tf_DiversStat::LigneJoueurIncomplet(TSaison* saison, TColorGridBase& g, int row, const TJoueur& j,
                                         const TCouleurElement& couleurs)
{
    const TColor fond = *couleurs.Couleur(22), texte = *couleurs.Couleur(24);
    const std::string equipe = j.IdEquipe() == 65535 ? Texte(82) : saison->NomEquipe(j.IdEquipe());
    const std::string t[4] = {j.Nom, j.Prenom, TexteAge(AnneeAges(*saison), j.Age), equipe};
    for (int k = 0; k < 4; ++k)
        g.RemplitCellule(k, row, t[k], k == 2 ? 1 : 0, 1, texte, fond, false);
    g.ChangeDonneeCellule(0, row, j.Numero);
}

// ---- best player of each team ------------------------------------------------------------------
void Tf_DiversStat::RemplitMeilleursJournee(int journee, int type, const TCouleurElement& couleurs, int code,
                                            TColorGridBase& g, TSaison* saison)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c || journee < 1 || journee > c->NbJour())
        return;
    Taille(g, 3, 2, {150, 140, 50});
    Entete(g, 0, Texte(176), couleurs, 0);
    Entete(g, 1, Texte(107), couleurs, 0);
    Entete(g, 2, type == 1 ? Texte(50) : type == 2 ? Texte(68) : type == 3 ? Texte(68) + "%" : Texte(1537) + "%",
           couleurs, 1);
    // The values as the player rankings give them: a count, or made x 10000
    // / attempts for the rates (handball shooting from play, saves on shots).
    const std::unique_ptr<TListeResultat> liste = c->ListeClassementJoueur(journee, code);
    std::vector<int> equipes;
    for (int k = 1; k <= c->NbMatchJournee(journee); ++k) {
        const int h = c->ValeurMatch(journee, 4 * k - 3), a = c->ValeurMatch(journee, 4 * k - 1);
        if (h != 65535 && a != 65535) {
            equipes.push_back(h);
            equipes.push_back(a);
        }
    }
    std::sort(equipes.begin(), equipes.end(),
              [&](int a, int b) { return AnsiCompareText(saison->NomEquipeCourant(a), saison->NomEquipeCourant(b)) < 0; });
    Modele(g).SetRowCount(std::max(static_cast<int>(equipes.size()), 1) + 1);
    for (size_t r = 0; r < equipes.size(); ++r) {
        const int id = equipes[r], row = static_cast<int>(r) + 1;
        Equipe(g, 0, row, saison, id, couleurs, false, id);
        // the team's best value (the last of equal ones)
        const TDonneesEvt* meilleur = nullptr;
        for (int i = 0; liste && i < liste->Nombre(); ++i) {
            const TDonneesEvt* e = liste->Resultat(i);
            if (e->IdEquipe() == id && (!meilleur || e->Mot() >= meilleur->Mot()))
                meilleur = e;
        }
        if (!meilleur) {
            Cellule(g, 1, row, Texte(108), couleurs, false, 0);
            Cellule(g, 2, row, "", couleurs, false, 1);
            continue;
        }
        const TJoueur* j = saison->Joueurs().ChercheJoueur(meilleur->IdJoueur(), -1);
        Cellule(g, 1, row, j ? j->Nom : LibelleEtat(0), couleurs, false, 0);
        if (j) {
            g.ChangeDonneeCellule(1, row, -1 - meilleur->IdJoueur());
            g.ChangeMarqueCellule(1, row, true);
        }
        const int v = meilleur->Mot();
        Cellule(g, 2, row, type >= 3 ? Format("%.2f", {v / 100.0}) + "%" : IntToStr(v), couleurs, false, 1);
    }
}

// ---- detailed text of a matchday -----------------------------------------------------------------
namespace {

struct TDetail
{
    TEditeur& e;
    int ligne = 0;
    int Nouvelle(const std::string& texte, int couleur, bool balises = false)
    {
        e.SetNbLigne(++ligne);
        if (!texte.empty())
            e.EcritLigne(ligne, texte, true, false, static_cast<uint8_t>(couleur));
        e.Ligne(ligne)->Balises = balises;
        return ligne;
    }
};

std::string NomPersonne(TSaison* saison, const TDonneesEvt& e)
{
    if (e.IdJoueur() == 0x0FFFFFFF)
        return LibelleEtat(e.Mot());
    const TJoueur* j = saison->Joueurs().ChercheJoueur(e.IdJoueur(), -1);
    // a record whose player is not in the players list is an unknown player
    return j ? j->Nom : Texte(3472, "Joueur inconnu");
}

// One line of events of a list: each player named once, with the minutes of
// all of his records in the order of the list. A missed penalty is no goal:
// the scoring lines leave it out.
void LigneEvenements(TDetail& d, TSaison* saison, const TListeDonnees* l, int texte, int points, int idH, int idA,
                     int periode, int (&mi)[2], bool buts, int filtre)
{
    if (!l)
        return;
    struct TJoueurLigne
    {
        int32_t id;
        std::string nom;
        std::vector<const TDonneesEvt*> evts;
    };
    std::vector<TJoueurLigne> cote[2];
    for (int i = 0; i < l->Nombre(); ++i) {
        const TDonneesEvt* e = l->Donnee(i);
        if (filtre == 1 && (e->Mot() & evtRouge))
            continue;
        if (filtre == 2 && !(e->Mot() & evtRouge))
            continue;
        if (filtre == 0 && (e->Mot() & ~evtMinute) == evtHorsScore)
            continue;
        if (e->IdEquipe() != idH && e->IdEquipe() != idA)
            continue;
        auto& joueurs = cote[e->IdEquipe() == idH ? 0 : 1];
        // team entries are told apart by what they name
        const std::string nom = NomPersonne(saison, *e);
        auto it = std::find_if(joueurs.begin(), joueurs.end(), [&](const TJoueurLigne& j) {
            return j.id == e->IdJoueur() && (j.id != 0x0FFFFFFF || j.nom == nom);
        });
        if (it == joueurs.end())
            it = joueurs.insert(joueurs.end(), {e->IdJoueur(), nom, {}});
        it->evts.push_back(e);
    }
    if (cote[0].empty() && cote[1].empty())
        return;
    std::string t = DeuxPoints("  " + Texte(texte), "");
    for (int s : {0, 1}) {
        if (cote[s].empty())
            continue;
        for (size_t p = 0; p < cote[s].size(); ++p) {
            if (p > 0)
                t += ", ";
            t += cote[s][p].nom;
            t += " (";
            for (size_t i = 0; i < cote[s][p].evts.size(); ++i) {
                const TDonneesEvt& e = *cote[s][p].evts[i];
                if (i > 0)
                    t += ", ";
                t += IntToStr(e.Minute()) + Texte(3922, L1("°"));
                const int genre = !buts ? 0 : (e.Mot() & evtRouge) ? 4 : (e.Mot() & evt100) ? 1 : 0;
                if (genre) {
                    t += ' ';
                    t += LibelleTypeButCourt(genre);
                }
                if (points > 0 && e.Minute() <= periode)
                    mi[s] += points;
            }
            t += ")";
        }
        t += ' ';
        t += TraduireFormat(340, {saison->NomEquipeCourant(s == 0 ? idH : idA)});
        if (s == 0 && !cote[1].empty())
            t += ",  ";
    }
    d.Nouvelle(t, 2);
}

void BlocStat(TDetail& d, TSaison* saison, TDonneesChampionnatStat& c, int journee, int id)
{
    const bool basket = saison->Sport() == 2;
    TListeStatTir liste(basket ? 2 : 3);
    liste.Calcule(id, saison, true, c, journee, 2);
    if (liste.Nombre() > 0)
        d.Nouvelle(TraduireFormat(647, {saison->NomEquipeCourant(id)}), 2);
    std::vector<std::string> gardiens, joueurs;
    for (int i = 0; i < liste.Nombre(); ++i) {
        const TStatTir& s = *liste.StatTir(i);
        const std::string nom = s.Joueur() ? s.Joueur()->NomComplet() : Texte(3472, "Joueur inconnu");
        if (basket) {
            std::string t = DeuxPoints(nom, IntToStr(s.Valeur(6)) + " " + Texte(50));
            if (s.Valeur(5) > 0)
                t += " (" + IntToStr(s.Valeur(5)) + " " + Texte(92) + ").";
            if (const double ev = c.Evaluation(s); ev > 0)
                t += Format(" %s: %.4g", {Texte(1179), ev});
            joueurs.push_back(t);
            continue;
        }
        const bool gardien = s.Joueur() && s.Joueur()->Poste == 22;
        const int b = gardien ? 25 : 21;
        const int v = s.Valeur(b);
        const bool un = IdTexteNombre(0, 1, v) == 1;   // the language's singular
        std::string t = DeuxPoints(nom, IntToStr(v) + " " +
                                            (un ? Texte(gardien ? 1538 : 1510) : LowerCase(Texte(gardien ? 1537 : 68))));
        if (s.Valeur(b + 1) > 0)
            t += " (" + TexteTaux(v, s.Valeur(b + 1), 2) + "%)";
        // the 7-metre throws: a field player's goals, a goalkeeper's saves;
        // a rate is never written without the count it is the rate of
        const int u = s.Valeur(b + 2);
        if (u > 0 || s.Valeur(b + 3) > 0)
            t += "  " + TraduireFormat(gardien ? IdTexteNombre(4920, 4921, u) : IdTexteNombre(1508, 1509, u), {u});
        if (s.Valeur(b + 3) > 0)
            t += " (" + TexteTaux(u, s.Valeur(b + 3), 2) + "%)";
        (gardien ? gardiens : joueurs).push_back(t);
    }
    for (const auto* v : {&gardiens, &joueurs})
        for (const std::string& t : *v)
            d.Nouvelle(t, 5);
    d.Nouvelle("", 0);
}

}  // namespace

void Tf_DiversStat::EcritDetailJournee(int journee, TSaison* saison, bool html, const TColor (&palette)[5],
                                       TEditeur& e)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    e.SetNbLigne(0);
    if (!c || journee < 1 || journee > c->NbJour())
        return;
    for (int k = 0; k < 5; ++k)
        e.SetCouleurPalette(k + 1, palette[k]);
    TDetail d{e};
    const int periode = Periode(*c);
    const bool rugby = dynamic_cast<TDonneesChampionnatRugby*>(c) != nullptr;
    auto* stat = dynamic_cast<TDonneesChampionnatStat*>(c);
    for (int m = 1; m <= c->NbMatchJournee(journee); ++m) {
        if (html && m > 1)
            d.Nouvelle("<hr/>", 1, true);
        const int idH = c->ValeurMatch(journee, 4 * m - 3), idA = c->ValeurMatch(journee, 4 * m - 1);
        if (idH == 65535 || idA == 65535)
            continue;
        std::string texte = saison->NomEquipeCourant(idH) + " - " + saison->NomEquipeCourant(idA);
        const int sh = c->ValeurMatch(journee, 4 * m - 2), sa = c->ValeurMatch(journee, 4 * m);
        if (sh == 65535 || sa == 65535) {
            d.Nouvelle(html ? "<b>" + EchappeTexteHTML(texte) + "</b>" : texte, 1, html);
            d.Nouvelle("", 0);
            continue;
        }
        texte = DeuxPoints(texte, IntToStr(sh) + " - " + IntToStr(sa));
        if (const std::string tirs = vues::TexteTirsAuBut(*c, journee, idH, idA); !tirs.empty())
            texte += " (" + tirs + ")";
        const int ligneMatch = d.Nouvelle(html ? "<b>" + EchappeTexteHTML(texte) + "</b>" : texte, 1, html);
        std::string officiels;
        for (int k = 1; k <= 3; ++k)
            if (const TPersonnel* a = saison->Arbitres().ChercheNumero(c->OfficielMatch(journee, m, k)))
                officiels += (officiels.empty() ? Texte(920) : " - ") + a->NomComplet();
        if (!officiels.empty())
            d.Nouvelle(officiels, 2);
        if (c->AffluenceMatch(journee, m) > 0)
            d.Nouvelle(DeuxPoints(Texte(51), IntToStr(c->AffluenceMatch(journee, m))), 2);
        if (stat) {
            BlocStat(d, saison, *stat, journee, idH);
            BlocStat(d, saison, *stat, journee, idA);
            d.Nouvelle("", 0);
            continue;
        }
        int mi[2] = {0, 0};
        if (rugby) {
            LigneEvenements(d, saison, c->ListeButeurs(journee), 488, 5, idH, idA, periode, mi, false, 0);
            LigneEvenements(d, saison, c->ListeDonnees(6, journee), 484, 2, idH, idA, periode, mi, false, 0);
            LigneEvenements(d, saison, c->ListeDonnees(5, journee), 485, 3, idH, idA, periode, mi, false, 0);
            LigneEvenements(d, saison, c->ListeDonnees(7, journee), 486, 3, idH, idA, periode, mi, false, 0);
        } else {
            LigneEvenements(d, saison, c->ListeButeurs(journee), 498, 1, idH, idA, periode, mi,
                            saison->StatApplicable(1) != 0, 0);
        }
        LigneEvenements(d, saison, c->ListeAvertis(journee), 974, 0, idH, idA, periode, mi, false, 1);
        LigneEvenements(d, saison, c->ListeAvertis(journee), 975, 0, idH, idA, periode, mi, false, 2);
        // the half-time score only from a sheet that makes up the score
        if (TStatistique::FeuilleComplete(*c, journee, idH, idA, sh, sa))
            e.EcritLigne(ligneMatch, " (" + IntToStr(mi[0]) + "-" + IntToStr(mi[1]) + ")", true, true, 1);
        for (int id : {idH, idA}) {
            const std::string compo = c->TexteComposition(journee, c->IndexEquipe(id));
            if (!compo.empty())
                d.Nouvelle(DeuxPoints("  " + saison->NomEquipeCourant(id), compo), 5);
        }
        d.Nouvelle("", 0);
    }
}
