#include "records/ListesPersonnes.h"

#include <algorithm>
#include <vector>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/oTraducteur.h"
#include "ui/message2.h"

namespace {

// %s the renamed referee, %s the other, %s the renamed, %d his matches, %s the other.
constexpr int TexteFusionArbitre = 5720;
constexpr int TexteFusionArbitreUn = 5712;   // the same, his matches in the singular

// Every list of ids of the competitions' data, through f.
template <class F>
void ListesCompetitions(TSaison& saison, F f)
{
    saison.Arbre().Parcours(false, [&f](TDescNoeud& n) {
        if (TDonneesCompetition* d = n.DonneesCompetition())
            f(*d);
    });
}

void Oublie(std::vector<int32_t>& ids, int32_t id) { ids.erase(std::remove(ids.begin(), ids.end(), id), ids.end()); }

}  // namespace

int MatchsStade(const TSaison& saison, int code)
{
    int n = 0;
    for (TDonneesChampionnat* c : saison.Arbre().ListeChampionnats())
        for (int d = 1; d <= c->NbJour(); ++d)
            for (int m = 1; m <= c->NbMatchJournee(d); ++m)
                n += c->StadeMatch(d, m) == code ? 1 : 0;
    return n;
}

int MatchsArbitre(const TSaison& saison, const TPersonnel& arbitre)
{
    int n = 0;
    for (TDonneesChampionnat* c : saison.Arbre().ListeChampionnats())
        for (int d = 1; d <= c->NbJour(); ++d)
            for (int m = 1; m <= c->NbMatchJournee(d); ++m) {
                bool officie = false;
                for (int k = 1; k <= 3; ++k)
                    officie = officie || c->OfficielMatch(d, m, k) == arbitre.Numero;
                n += officie ? 1 : 0;
            }
    if (const auto* s = dynamic_cast<const TPersonnelStat*>(&arbitre))
        n = std::max(n, static_cast<int>(s->TotalMatch()));
    return n;
}

bool SupprimeStade(TSaison& saison, TStade* stade, int& matchs)
{
    matchs = stade ? MatchsStade(saison, stade->Code) : 0;
    if (!stade || matchs > 0)
        return false;
    saison.RensClubs().OublieStade(stade);
    ListesCompetitions(saison, [stade](TDonneesCompetition& d) { Oublie(d.Stades, stade->Code); });
    return saison.Stades().RetireStade(stade) != nullptr;
}

bool SupprimeArbitre(TSaison& saison, TPersonnel* arbitre, int& matchs)
{
    matchs = arbitre ? MatchsArbitre(saison, *arbitre) : 0;
    if (!arbitre || matchs > 0)
        return false;
    ListesCompetitions(saison, [arbitre](TDonneesCompetition& d) { Oublie(d.Arbitres, arbitre->Numero); });
    return saison.Arbitres().RetirePersonnel(arbitre) != nullptr;
}

void FusionneClubsPrec(TSaison& saison, int32_t garde, int32_t fondu)
{
    saison.RemplaceClubPrec(fondu, garde);
    TJoueurs& joueurs = saison.Joueurs();
    for (int i = 0; i < joueurs.NbJoueur(); ++i)
        joueurs.Joueur(i)->RemplaceClubHistorique(fondu, garde);
    TPersonnels& entraineurs = saison.Entraineurs();
    for (int i = 0; i < entraineurs.NbPersonnel(); ++i)
        if (auto* e = dynamic_cast<TEntraineur*>(entraineurs.Personnel(i)); e && e->ClubPrec == fondu)
            e->ClubPrec = static_cast<uint16_t>(garde);
    saison.RenommeClubPrec(fondu, "");
}

bool AccepteFusionArbitre(const TSaison& saison, const TPersonnel& renomme, const TPersonnel& autre)
{
    const std::string lui = renomme.NomComplet(), homonyme = autre.NomComplet();
    const int matchs = MatchsArbitre(saison, renomme);
    const std::string texte = TraduireFormat(IdTexteNombre(TexteFusionArbitre, TexteFusionArbitreUn, matchs),
                                             {lui, homonyme, lui, matchs, homonyme});
    return Tf_MessageUtil::Affiche(texte, mbuOui | mbuNon) == mrYes;
}
