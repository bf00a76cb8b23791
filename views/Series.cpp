#include "views/Series.h"

#include <algorithm>

#include "engine/Statistique.h"
#include "model/Championnat.h"
#include "model/ChampionnatFootRugby.h"
#include "model/Journees.h"
#include "model/ListeDonnees.h"
#include "model/Saison.h"

namespace {

void Ferme(TGroupeSerie& g)
{
    if (g.EnCours.Type == srsAucune)
        return;
    if (g.Courante.Type == srsAucune)
        g.Courante = g.EnCours;
    int& plus = g.Plus[g.EnCours.Type];
    plus = std::max(plus, g.EnCours.Longueur);
    g.EnCours = {};
}

void Ajoute(TGroupeSerie& g, int type)
{
    if (g.EnCours.Type == type) {
        ++g.EnCours.Longueur;
        return;
    }
    Ferme(g);
    g.EnCours = {type, 1};
}

void Compte(TGroupeCompte& g, bool oui)
{
    if (oui) {
        ++g.EnCours;
        return;
    }
    if (g.Courante < 0)
        g.Courante = g.EnCours;
    g.Plus = std::max(g.Plus, g.EnCours);
    g.EnCours = 0;
}

// Whether the team of id scored in a rugby match: one of its scoring records
// counts in the score.
bool MarqueRugby(TDonneesChampionnat& c, int d, int id)
{
    const TListeDonnees* l = c.ListeButeurs(d);
    if (!l)
        return false;
    for (int i = 0; i < l->Nombre(); ++i)
        if (l->Donnee(i)->IdEquipe() == id && (l->Donnee(i)->Mot() & evtHorsScore) == 0)
            return true;
    return false;
}

void Traite(TDonneesChampionnat& c, std::vector<TSerieEquipe>& t, int d, int m)
{
    const int idH = c.ValeurMatch(d, 4 * m - 3), idA = c.ValeurMatch(d, 4 * m - 1);
    const int hs = c.ValeurMatch(d, 4 * m - 2), as = c.ValeurMatch(d, 4 * m);
    const int h = c.IndexEquipe(idH), a = c.IndexEquipe(idA);
    if (hs == 65535 || as == 65535 || h < 0 || a < 0)
        return;
    TSerieEquipe& H = t[static_cast<size_t>(h)];
    TSerieEquipe& A = t[static_cast<size_t>(a)];
    const int rh = hs > as ? srsVictoire : hs < as ? srsDefaite : srsNul;
    const int ra = srsDefaite + srsVictoire - rh;
    Ajoute(H.Resultat[0], rh);
    Ajoute(H.Resultat[1], rh);
    Ajoute(A.Resultat[0], ra);
    Ajoute(A.Resultat[2], ra);
    for (int g : {0, 1}) {
        Compte(H.Invaincu[g], rh != srsDefaite);
        Compte(H.SansVictoire[g], rh != srsVictoire);
    }
    for (int g : {0, 2}) {
        Compte(A.Invaincu[g], ra != srsDefaite);
        Compte(A.SansVictoire[g], ra != srsVictoire);
    }
    const bool rugby = dynamic_cast<TDonneesChampionnatRugby*>(&c) != nullptr;
    // rugby's runs are of tries: a match whose sheet does not make up its
    // score (or a forfeit) tells none, and is left out of them
    if (rugby && !TStatistique::FeuilleComplete(c, d, idH, idA, hs, as))
        return;
    const bool hMarque = rugby ? MarqueRugby(c, d, idH) : hs != 0;
    const bool aMarque = rugby ? MarqueRugby(c, d, idA) : as != 0;
    const int kh = hMarque ? srsAvec : srsSans, ka = aMarque ? srsAvec : srsSans;
    for (int g : {0, 1})
        Ajoute(H.Marque[g], kh);
    for (int g : {0, 2})
        Ajoute(A.Encaisse[g], kh);
    for (int g : {0, 2})
        Ajoute(A.Marque[g], ka);
    for (int g : {0, 1})
        Ajoute(H.Encaisse[g], ka);
}

}  // namespace

namespace series {

std::vector<TSerieEquipe> Calcule(TSaison* saison, int derniere, int premiere)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return {};
    std::vector<TSerieEquipe> t(static_cast<size_t>(c->NbEquipe()));
    if ((c->Option(11) & (1 | 8)) == 0) {
        for (int d = derniere; d >= std::max(premiere, 1); --d)
            for (int m = 1; m <= c->NbMatchJournee(d); ++m)
                Traite(*c, t, d, m);
    } else {
        const TJournees& js = c->Journees();
        for (int k = js.Nombre() - 1; k >= 0; --k) {
            const TInfoCompJour* j = js.JourneeParDate(k);
            if (!j)
                continue;
            for (int i = 0; i < j->NbMatchs(); ++i) {
                int d = 0, index = 0;
                js.ChercheMatch(j->Match(i), d, index);
                if (d >= premiere && d >= 1 && (premiere == 0 || d <= derniere))
                    Traite(*c, t, d, index + 1);
            }
        }
    }
    for (TSerieEquipe& s : t)
        for (int g = 0; g < 3; ++g) {
            Ferme(s.Resultat[g]);
            Ferme(s.Marque[g]);
            Ferme(s.Encaisse[g]);
            Compte(s.Invaincu[g], false);
            Compte(s.SansVictoire[g], false);
        }
    return t;
}

}  // namespace series
