// Import of a championship from another season file into the open season: the
// file is loaded as a season of its own, its current championship is taken out
// of it, and every identifier the championship and the loaded season's people,
// stadiums and club records carry is brought into the identifier space of the
// target season (teams by name, previous clubs and countries by name, referees,
// players, stadiums, club records and coaches merged with the target's
// identical ones, every reference rewritten). The caller then files the
// championship in the target (TSaison::AjouteChampionnat).
//
//     int32_t decalage = 0;   // shared by every import into one target
//     std::string nom;
//     auto c = TImportChampionnat::ImporteChampionnat(f, saison, sport, nom, decalage, dll);
//     if (c) saison.AjouteChampionnat(std::move(c), true);
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class TDonneesChampionnat;
class TSaison;

class TImportChampionnat
{
public:
    TImportChampionnat() = delete;

    // Loads the file (extension ".xm?" only; any other counts as status 2) with
    // the accepted sport; a status other than 5 is shown in a message box with
    // the file name and nothing is returned (the target is unchanged). On
    // success nomNoeud receives the name of the championship's node in the
    // file's competitions tree, and the player-number offset grows past the
    // players imported.
    static std::unique_ptr<TDonneesChampionnat> ImporteChampionnat(const std::string& nomFichier, TSaison& cible,
                                                                   int sport, std::string& nomNoeud,
                                                                   int32_t& decalageJoueurs,
                                                                   const std::string& dossierDll);
    // The same without message and without node name; nullptr on any failure.
    static std::unique_ptr<TDonneesChampionnat> ImporteFichier(const std::string& nomFichier, TSaison& cible,
                                                               int sport, int32_t& decalageJoueurs,
                                                               const std::string& dossierDll);
    // The import of a season already loaded: its current championship, mapped
    // into the target; the source season is freed. nullptr when the source has
    // no current championship. nomNoeud (when given) receives its node's name.
    static std::unique_ptr<TDonneesChampionnat> ImporteSaison(std::unique_ptr<TSaison> source, TSaison& cible,
                                                              int32_t& decalageJoueurs,
                                                              std::string* nomNoeud = nullptr);
    // The mapping itself: teams, previous clubs, countries, referees, players,
    // stadiums, club records with their coaches, the matchdays of the
    // championship (sides, officials, stadiums, event records, line-ups,
    // shoot-outs and match states), then the merges. The source's lists are
    // emptied into the target. Player numbers of the source are moved past
    // both the offset and the target's highest number; the offset then grows by
    // the source's highest player number.
    static void RenommeDonnees(TSaison& cible, TSaison& source, int32_t& decalageJoueurs, TDonneesChampionnat& c);
};
