// What the record cards (people, players, stadiums, clubs) need of their season,
// and the picture store they name their photos through.
//
// The season implements TSaisonFiches; the cards and their lists keep a
// non-owning pointer to it. Writers given a season write references as names
// (the name form); without one, as numbers (the number form).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TDonneesChampionnat;
class TJoueur;
class TJoueurs;
class TListePays;
class TPersonnels;
class TStades;

// Merges of numbered items (players, people): each pair is (old id, new id),
// the number of the item dropped and the number of the item kept; references
// to the old id must become the new one. (The championships take the same
// list to rewrite their events and line-ups.)
using TPairesIds = std::vector<std::pair<int32_t, int32_t>>;

class TSaisonFiches
{
public:
    virtual ~TSaisonFiches() = default;

    // Teams: name of an id (empty when absent); id of a name compared through
    // the accent folding (-1 when none); the name followed by the short name of
    // the team's category in that championship.
    virtual std::string NomEquipe(int id) const = 0;
    virtual int ChercheEquipe(const std::string& nom) const = 0;
    virtual std::string NomEquipeComplet(int id, const TDonneesChampionnat* championnat) const = 0;
    // True when the current championship exists and counts its players by
    // national team.
    virtual bool ChampionnatCourantInternational() const = 0;

    // Previous clubs: name of an id (empty when absent); id of a name (0 for an
    // empty name, letter case ignored), added when absent with cree, else -1.
    virtual std::string NomClubPrec(int id) const = 0;
    virtual int ChercheClubPrec(const std::string& nom, bool cree) = 0;

    // The season's lists.
    virtual TListePays& Pays() = 0;
    virtual TJoueurs& Joueurs() = 0;
    virtual TPersonnels& Entraineurs() = 0;
    virtual TStades& Stades() = 0;

    // A new player of the season's sport (not filed anywhere).
    virtual std::unique_ptr<TJoueur> CreeJoueur(const std::string& nom, const std::string& prenom,
                                                int32_t numero, int equipe) = 0;
    // Rewrites the player numbers of events and line-ups in every championship
    // (each old id becomes its new id), then empties the list.
    virtual void AppliqueRenumerotation(TPairesIds& paires) = 0;
    // Whether the player numbered fondu may become the player numbered garde
    // (namesakes made one): not when the two stand in the two teams of one
    // match, where the one player left would play for both sides.
    virtual bool FusionPermise(int32_t garde, int32_t fondu) const
    {
        (void)garde;
        (void)fondu;
        return true;
    }
    // The player garde takes over what the player fondu, made one with him,
    // holds and garde lacks (nothing without a season to name it).
    virtual void ReporteFusion(TJoueur& garde, const TJoueur& fondu)
    {
        (void)garde;
        (void)fondu;
    }
};

// ---------------------------------------------------------------------------
// The picture store: full path of the picture of a kind and number, empty when
// the store holds none. The store installs its function at start; until then
// (and in the model's tests unless they install one) every answer is empty.
enum : int {
    imageStade = 0,
    imageArbitre = 1,
    imageJoueur = 2,   // players, and every other person
};
using TNomFichierImage = std::function<std::string(int genre, int32_t numero)>;
void InstalleNomFichierImage(TNomFichierImage f);
std::string NomFichierImage(int genre, int32_t numero);
