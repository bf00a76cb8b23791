// The numbers of the season document, one row per field: where the number
// stands, how it is written and what the field it fills may hold (its type,
// and its sense where the format gives one: a minute with its flags in their
// own bits, a shirt 0-255, a country among those the document holds or
// "none", both halves of a box-score pair). Every number of the document is
// read through its row (TXmlReader::Lit and the readers built on it), so that
// a value the program never writes refuses the document where it stands.
//
//     Maillot = static_cast<uint8_t>(x.TexteEntier(Champ(TChamp::JoueurMaillot)));
#pragma once

#include <array>
#include <cstdint>

#include "model/ioXml.h"

enum class TChamp : uint8_t {
    // SaisonData
    EquipeId, EquipeLogo, ClubPrecId,
    PersonneAge, PersonnePays, PersonneNumero, PersonneImage,
    EntraineurClub, EntraineurClubPrec,
    JoueurDuree, JoueurContrat, JoueurClubPrec, JoueurMaillot, JoueurClub, JoueurEquipeNationale,
    JoueurMaillotNational, JoueurTaille, JoueurPoids, JoueurSelections, JoueurCategorie,
    CarriereChamp, CarriereMatch, CarriereBut, CarriereTransfo, CarrierePenalite, CarriereDrop,
    HistoriqueAnnee, HistoriqueDivision, HistoriqueEquipe, HistoriqueMatch, HistoriqueBut, HistoriqueMatchInter,
    HistoriqueButInter,
    StadeCapacite, StadeConstruction, StadeCode, StadePays, StadeLongueur, StadeLargeur, StadeImage,
    ClubEquipe, ClubBudget, ClubCode, ClubStade, ClubEntraineur,
    StatChampId, OptionSauvegarde, CategorieId,
    // Championnats
    CodeCourant, DescNiveau, DescNumero, CompetitionCode, CompetitionArbitre, CompetitionStade,
    CodeChamp, TypeChamp, TypeCoupe, TypeNational, TypeInternational,
    TourNumero, TourTypeMatch, TourNbMatch, MatchSuivant,
    NbTitulaire, NbRemp, TempsPeriode, TempsProlongation, NbEquipe, NbJour, NbMatch,
    Conversion, CategoriesEquipes, TrancheDebut, TrancheFin,
    Option, BonusBut, PointBonusBut, BonusEcart, PetiteFinale, CategorieDef,
    GroupeEquipe, OptionArbitre, NbJournee, Division, CodePerso,
    OptionSaisie, ValeurEval, PonderationMin, PonderationMax, Ponderation,
    PenaliteEquipe1, PenaliteEquipe2, PenaliteScore1, PenaliteScore2, PenaliteJournee, PenaliteType,
    // Matchdays and matches
    JourneeNumero,
    MatchEquipe1, MatchEquipe2, MatchScore1, MatchScore2, MatchAffluence, MatchNote, MatchTempsAdd1,
    MatchTempsAdd2, MatchArbitre, MatchNoteArbitre, MatchStade, MatchNbTitulaire, MatchNbRemp, MatchQualifie,
    MatchForfait, TirsAuBut1, TirsAuBut2, TirsAuButScore1, TirsAuButScore2, TirsRetires1, TirsRetires2,
    TirsRetiresScore1, TirsRetiresScore2,
    ScorePeriode,
    CompoCote, CompoJoueur, CompoSortant, CompoMaillot, CompoNote, RemplNote, RemplMinute, CompoCapitaine,
    EvenementCote, EvenementJoueur, EvenementMinute, AvertissementMinute,
    // Box scores
    StatCote, StatJoueur,
    StatTempsJeu, StatPoints, StatTirs2Points, StatTirs3Points, StatLancersFrancs, StatRebonds, StatPasses,
    StatFautes, StatFautesProvoquees, StatInterceptions, StatContres, StatBallesPerdues,
    StatButs, StatTirs, StatPenaltys, StatPenaltysTotal, StatArretsTirs, StatTirsSubis, StatArretsPenaltys,
    StatPenaltysSubis, StatAvertissements, Stat2Minutes, StatDisqualifications, StatExpulsions, StatMatchs,
    // Play-offs
    BarrageCode, BarrageCodePerso, BarrageTypeGroupe, BarrageMoitiePoint, BarrageTypeEquipe, BarrageDivision,
    PlaceMin, PlaceMax, BarrageNbMatch, BarrageCapacite, BarrageTypeTour, BarrageRencontre, BarrageOption,
    Nombre
};

namespace champs_saison {

constexpr int64_t I32Min = INT32_MIN, I32Max = INT32_MAX;
// Where a person's fields stand: every element a person is written as.
constexpr std::string_view Personnes = "Joueur|Personnel|Entraineur|President|Tresorier|Secretaire";
constexpr std::string_view Evenements = "Buteur|Exclus|Passeur|Transfo|Match/Penalite|Drop";
constexpr std::string_view TousEvenements = "Buteur|Averti|Exclus|Passeur|Transfo|Match/Penalite|Drop";
constexpr std::string_view BoxScores = "StatBasket|StatHandball";
// The bits of a matchday record's word beside its minute (0..127): a
// sending-off or goal kind 4 (0x80), goal kinds 1 (0x100) and 2 (0x200), not
// counted in the score (0x800).
constexpr uint32_t BitsMinute = 0x7F | 0x80 | 0x100 | 0x200 | 0x800;
constexpr TRenvoiXml Equipe = TRenvoiXml::Equipe, Arbitre = TRenvoiXml::Arbitre, Stade = TRenvoiXml::Stade,
                     Pays = TRenvoiXml::Pays;
constexpr TFormeXml Paire = TFormeXml::Paire, Liste = TFormeXml::Liste;

struct TLigne
{
    TChamp champ;
    TChampXml def;
};

// A leaf of the parent, within bas..haut; an attribute of it.
constexpr TChampXml F(std::string_view parent, std::string_view nom, int64_t bas, int64_t haut)
{
    return {parent, nom, false, TFormeXml::Entier, bas, haut};
}
constexpr TChampXml A(std::string_view parent, std::string_view nom, int64_t bas, int64_t haut)
{
    return {parent, nom, true, TFormeXml::Entier, bas, haut};
}
// The same field naming something the document holds (aucun: its "none").
constexpr TChampXml R(TChampXml c, TRenvoiXml r, int32_t aucun = TChampXml::SansAucun)
{
    c.renvoi = r;
    c.aucun = aucun;
    return c;
}
constexpr TChampXml Bits(TChampXml c, uint32_t bits)
{
    c.bits = bits;
    return c;
}
constexpr TChampXml Forme(TChampXml c, TFormeXml f)
{
    c.forme = f;
    return c;
}
// A field naming something whose entry is left out when it names nothing.
constexpr TChampXml Ote(TChampXml c)
{
    c.ote = true;
    return c;
}

constexpr TLigne Lignes[] = {
    {TChamp::EquipeId, F("Equipes/Equipe", "ID", 0, 65534)},
    {TChamp::EquipeLogo, F("Equipes/Equipe", "Logo", 0, 65535)},
    {TChamp::ClubPrecId, F("ClubPrec/Equipe", "ID", 0, 65534)},
    {TChamp::PersonneAge, F(Personnes, "Age", 0, 255)},
    {TChamp::PersonnePays, R(F(Personnes, "CodePays", 0, 65535), Pays, 65535)},
    {TChamp::PersonneNumero, F(Personnes, "Numero", -1, I32Max)},
    {TChamp::PersonneImage, F(Personnes, "Image", 0, I32Max)},
    {TChamp::EntraineurClub, Ote(R(F("Entraineur", "ClubActuel", 0, 65535), Equipe, 65535))},
    {TChamp::EntraineurClubPrec, F("Entraineur", "ClubPrec", 0, 65535)},
    {TChamp::JoueurDuree, F("Joueur", "Duree", 0, 255)},
    {TChamp::JoueurContrat, F("Joueur", "Contrat", 0, 255)},
    {TChamp::JoueurClubPrec, F("Joueur", "ClubPrec", 0, 65535)},
    {TChamp::JoueurMaillot, F("Joueur", "Maillot", 0, 255)},
    {TChamp::JoueurClub, Ote(R(F("Joueur", "ClubActuel", 0, 65535), Equipe, 65535))},
    {TChamp::JoueurEquipeNationale, Ote(R(F("Joueur", "EquipeNational", 0, 65535), Equipe, 65535))},
    {TChamp::JoueurMaillotNational, F("Joueur", "MaillotNational", 0, 255)},
    {TChamp::JoueurTaille, F("Joueur", "Taille", 0, 65535)},
    {TChamp::JoueurPoids, F("Joueur", "Poids", 0, 65535)},
    {TChamp::JoueurSelections, F("Joueur", "nSelectionNationale", 0, 65535)},
    {TChamp::JoueurCategorie, F("Joueur", "categorie", 0, 65535)},
    {TChamp::CarriereChamp, F("StatCarriere", "StatChamp", I32Min, I32Max)},
    {TChamp::CarriereMatch, F("StatCarriere", "StatMatch", 0, 65535)},
    {TChamp::CarriereBut, F("StatCarriere", "StatBut", 0, 65535)},
    {TChamp::CarriereTransfo, F("StatCarriere", "StatTransfo", 0, 65535)},
    {TChamp::CarrierePenalite, F("StatCarriere", "StatPenalite", 0, 65535)},
    {TChamp::CarriereDrop, F("StatCarriere", "StatDrop", 0, 65535)},
    {TChamp::HistoriqueAnnee, F("StatHistorique", "StatAnnee", I32Min, I32Max)},
    {TChamp::HistoriqueDivision, F("StatHistorique", "Division", I32Min, I32Max)},
    {TChamp::HistoriqueEquipe, F("StatHistorique", "Equipe", I32Min, I32Max)},
    {TChamp::HistoriqueMatch, F("StatHistorique", "StatMatch", 0, I32Max)},
    {TChamp::HistoriqueBut, F("StatHistorique", "StatBut", 0, I32Max)},
    {TChamp::HistoriqueMatchInter, F("StatHistorique", "StatMatchInter", 0, I32Max)},
    {TChamp::HistoriqueButInter, F("StatHistorique", "StatButInter", 0, I32Max)},
    {TChamp::StadeCapacite, F("Stades/Stade", "Capacite", 0, I32Max)},
    {TChamp::StadeConstruction, F("Stades/Stade", "DateConstruction", 0, 65535)},
    {TChamp::StadeCode, F("Stades/Stade", "Code", 0, 65534)},
    {TChamp::StadePays, R(F("Stades/Stade", "CodePays", 0, 65535), Pays, 65535)},
    {TChamp::StadeLongueur, F("Stades/Stade", "LongueurTerrain", 0, I32Max)},
    {TChamp::StadeLargeur, F("Stades/Stade", "LargeurTerrain", 0, I32Max)},
    {TChamp::StadeImage, F("Stades/Stade", "Image", 0, I32Max)},
    {TChamp::ClubEquipe, Ote(R(F("RensClub", "Club", -1, 65534), Equipe, -1))},
    {TChamp::ClubBudget, F("RensClub", "Budget", 0, I32Max)},
    {TChamp::ClubCode, F("RensClub", "Code", 0, 65534)},
    {TChamp::ClubStade, R(F("RensClub", "StadeCode", 0, 65534), Stade)},
    {TChamp::ClubEntraineur, F("RensClub", "EntraineurNumero", -1, I32Max)},
    {TChamp::StatChampId, A("StatChampNom", "Id", I32Min, I32Max)},
    {TChamp::OptionSauvegarde, F("OptionsSauvegarde", "Option", 0, 255)},
    {TChamp::CategorieId, A("categories/categorie", "ID", 0, 65535)},

    {TChamp::CodeCourant, F("Championnats", "Code", I32Min, I32Max)},
    // A node's level, and for a championship its code times 16 plus 3.
    {TChamp::DescNiveau, F("Desc", "Level", I32Min * 16, I32Max * 16 + 15)},
    {TChamp::DescNumero, F("Desc", "ID", 0, I32Max)},
    {TChamp::CompetitionCode, F("DescCompetition", "Code", 0, I32Max)},
    {TChamp::CompetitionArbitre, R(F("DescCompetition/Arbitres", "ID", I32Min, I32Max), Arbitre)},
    {TChamp::CompetitionStade, R(F("DescCompetition/Stades", "ID", 0, 65534), Stade)},
    {TChamp::CodeChamp, F("Championnat", "CodeChamp", I32Min, I32Max)},
    {TChamp::TypeChamp, A("Championnat/Type", "TypeChamp", 0, 1)},
    {TChamp::TypeCoupe, A("Championnat/Type", "TypeCoupe", 0, 1)},
    {TChamp::TypeNational, A("Championnat/Type", "TypeNational", 0, 1)},
    {TChamp::TypeInternational, A("Championnat/Type", "TypeInternational", 0, 1)},
    {TChamp::TourNumero, F("ToursCoupe/TourCoupe", "nTour", 0, 65535)},
    {TChamp::TourTypeMatch, F("ToursCoupe/TourCoupe", "TypeMatch", I32Min, I32Max)},
    {TChamp::TourNbMatch, F("ToursCoupe/TourCoupe", "NbMatch", 0, 65535)},
    {TChamp::MatchSuivant, F("MatchsSuiv", "Match", I32Min, I32Max)},
    {TChamp::NbTitulaire, F("Championnat", "NbTitulaire", 0, 255)},
    {TChamp::NbRemp, F("Championnat", "NbRemp", 0, 255)},
    {TChamp::TempsPeriode, F("Championnat", "TempsPeriode", 0, I32Max)},
    {TChamp::TempsProlongation, F("Championnat", "TempsPeriodeProlongation", 0, I32Max)},
    {TChamp::NbEquipe, F("Championnat", "NbEquipe", 0, 255)},
    {TChamp::NbJour, F("Championnat", "NbJour", 0, 255)},
    {TChamp::NbMatch, F("Championnat", "NbMatch", 0, 255)},
    {TChamp::Conversion, Forme(R(F("Championnat", "Conversion", 0, 65535), Equipe, 65535), Liste)},
    {TChamp::CategoriesEquipes, Forme(F("Championnat", "categorie", 0, 65535), Liste)},
    {TChamp::TrancheDebut, F("Tranche", "Debut", 0, 65535)},
    {TChamp::TrancheFin, F("Tranche", "Fin", 0, 65535)},
    {TChamp::Option, F("Championnat/Options", "Option", -32768, 32767)},
    {TChamp::BonusBut, F("Championnat/Options", "BonusBut", I32Min, I32Max)},
    {TChamp::PointBonusBut, F("Championnat/Options", "PointBonusBut", I32Min, I32Max)},
    {TChamp::BonusEcart, F("Championnat/Options", "BonusEcart", I32Min, I32Max)},
    {TChamp::PetiteFinale, F("Championnat/Options", "PetiteFinale", 0, 1)},
    {TChamp::CategorieDef, F("Championnat/Options", "CategorieDef", 0, 65535)},
    // A team that left the season stayed in its groups in files of earlier
    // versions: its entry is left out.
    {TChamp::GroupeEquipe, Ote(R(F("GroupeEquipe", "Equipe", 0, 65534), Equipe))},
    {TChamp::OptionArbitre, F("OptionsArbitre", "Option", 0, 255)},
    {TChamp::NbJournee, F("Championnat", "NbJournee", 0, 255)},
    {TChamp::Division, F("Championnat", "Division", I32Min, I32Max)},
    {TChamp::CodePerso, F("Championnat", "CodePerso", 0, 65535)},
    {TChamp::OptionSaisie, F("OptionsSaisie", "Option", 0, 1)},
    {TChamp::ValeurEval, F("ValeurEval", "Option", I32Min, I32Max)},
    {TChamp::PonderationMin, F("PondEval", "Min", 0, 255)},
    {TChamp::PonderationMax, F("PondEval", "Max", 0, 255)},
    {TChamp::Ponderation, F("PondEval", "Ponderation", 0, 65535)},
    // A match state names its match's two teams; points given or removed,
    // the team (and 0).
    {TChamp::PenaliteEquipe1, R(F("Championnat/Penalite", "e1", 0, 65535), Equipe, 65535)},
    {TChamp::PenaliteEquipe2, F("Championnat/Penalite", "e2", 0, 65535)},
    {TChamp::PenaliteScore1, F("Championnat/Penalite", "s1", 0, 65535)},
    {TChamp::PenaliteScore2, F("Championnat/Penalite", "s2", 0, 65535)},
    {TChamp::PenaliteJournee, F("Championnat/Penalite", "Journee", 0, 255)},
    {TChamp::PenaliteType, F("Championnat/Penalite", "Type", 0, 255)},

    // At most the championship's count of matchdays (narrowed as it is read).
    {TChamp::JourneeNumero, A("Journee", "Numero", 1, 255)},
    {TChamp::MatchEquipe1, R(F("Match", "e1", 0, 65534), Equipe)},
    {TChamp::MatchEquipe2, R(F("Match", "e2", 0, 65534), Equipe)},
    // The score word's top bit is the qualified side; 32767 is no score.
    {TChamp::MatchScore1, F("Match", "s1", 0, 32766)},
    {TChamp::MatchScore2, F("Match", "s2", 0, 32766)},
    {TChamp::MatchAffluence, F("Match", "Affluence", 0, I32Max)},
    {TChamp::MatchNote, F("Match", "NoteMatch", 0, 255)},
    {TChamp::MatchTempsAdd1, F("Match", "TempsAdd1", 0, 255)},
    {TChamp::MatchTempsAdd2, F("Match", "TempsAdd2", 0, 255)},
    // -1: no official in that place, before one who is.
    {TChamp::MatchArbitre, R(F("Match", "Arbitre", -1, I32Max), Arbitre, -1)},
    {TChamp::MatchNoteArbitre, F("Match", "NoteArbitre", 0, 255)},
    {TChamp::MatchStade, R(F("Match", "Stade", 1, 65534), Stade)},
    {TChamp::MatchNbTitulaire, F("Match", "NbTitulaire", 0, 255)},
    {TChamp::MatchNbRemp, F("Match", "NbRemp", 0, 255)},
    {TChamp::MatchQualifie, F("Match", "Qualifie", 1, 2)},
    {TChamp::MatchForfait, F("Match", "Forfait", 0, 255)},
    {TChamp::TirsAuBut1, F("Penalty", "s1", 0, 255)},
    {TChamp::TirsAuBut2, F("Penalty", "s2", 0, 255)},
    // The score it was entered for, where the match's has gone on to another.
    {TChamp::TirsAuButScore1, F("Penalty", "Score1", 0, 32766)},
    {TChamp::TirsAuButScore2, F("Penalty", "Score2", 0, 32766)},
    // A shoot-out a score change took away, with the score it followed.
    {TChamp::TirsRetires1, F("TirsRetires", "s1", 0, 255)},
    {TChamp::TirsRetires2, F("TirsRetires", "s2", 0, 255)},
    {TChamp::TirsRetiresScore1, F("TirsRetires", "Score1", 0, 32766)},
    {TChamp::TirsRetiresScore2, F("TirsRetires", "Score2", 0, 32766)},
    {TChamp::ScorePeriode, F("ScorePeriode1|ScorePeriode2", "ItemPeriode", 0, 255)},
    {TChamp::CompoCote, A("Compo", "Equipe", 1, 2)},
    // Player numbers name players the season may no longer hold: the
    // statistics count such records for nobody and list them for a repair.
    {TChamp::CompoJoueur, A("Tit|Rempl", "ID", 0, I32Max)},
    {TChamp::CompoSortant, A("Rempl", "IdRemp", 0, I32Max)},
    {TChamp::CompoMaillot, A("Tit|Rempl", "Maillot", 0, 255)},
    {TChamp::CompoNote, A("Tit|Rempl", "Note", 0, 255)},
    {TChamp::RemplNote, F("Rempl", "Note", 0, 255)},
    {TChamp::RemplMinute, F("Rempl", "Minute", 0, 65535)},
    {TChamp::CompoCapitaine, F("Compo", "Capitaine", 0, I32Max)},
    {TChamp::EvenementCote, A(TousEvenements, "Equipe", 1, 2)},
    {TChamp::EvenementJoueur, F(TousEvenements, "Joueur", 0, I32Max)},
    {TChamp::EvenementMinute, Bits(F(Evenements, "Minute", 0, BitsMinute), BitsMinute)},
    // A booking is written without the sending-off bit (Exclus has it).
    {TChamp::AvertissementMinute, Bits(F("Averti", "Minute", 0, BitsMinute & ~0x80u), BitsMinute & ~0x80u)},

    {TChamp::StatCote, A(BoxScores, "Equipe", 1, 2)},
    // -1: the player is named (Nom, Prenom) instead.
    {TChamp::StatJoueur, A(BoxScores, "Joueur", -1, I32Max)},
    {TChamp::StatTempsJeu, F("StatBasket", "TempsJeu", 0, 65535)},
    {TChamp::StatPoints, F("StatBasket", "Pts", 0, 65535)},
    {TChamp::StatTirs2Points, Forme(F("StatBasket", "Tir2Pts", 0, 65535), Paire)},
    {TChamp::StatTirs3Points, Forme(F("StatBasket", "Tir3Pts", 0, 65535), Paire)},
    {TChamp::StatLancersFrancs, Forme(F("StatBasket", "LancerF", 0, 65535), Paire)},
    {TChamp::StatRebonds, Forme(F("StatBasket", "Rebond", 0, 65535), Paire)},
    {TChamp::StatPasses, F(BoxScores, "Passe", 0, 65535)},
    {TChamp::StatFautes, F("StatBasket", "Faute", 0, 65535)},
    {TChamp::StatFautesProvoquees, F("StatBasket", "FauteProvoque", 0, 65535)},
    {TChamp::StatInterceptions, F(BoxScores, "Interception", 0, 65535)},
    {TChamp::StatContres, F("StatBasket", "Contre", 0, 65535)},
    {TChamp::StatBallesPerdues, F(BoxScores, "BallePerdue", 0, 65535)},
    {TChamp::StatButs, F("StatHandball", "But", 0, 65535)},
    {TChamp::StatTirs, F("StatHandball", "Tir", 0, 65535)},
    {TChamp::StatPenaltys, F("StatHandball", "Penalty", 0, 65535)},
    {TChamp::StatPenaltysTotal, F("StatHandball", "PenaltyTotal", 0, 65535)},
    {TChamp::StatArretsTirs, F("StatHandball", "GardTirArret", 0, 65535)},
    {TChamp::StatTirsSubis, F("StatHandball", "GardTir", 0, 65535)},
    {TChamp::StatArretsPenaltys, F("StatHandball", "GardPenArret", 0, 65535)},
    {TChamp::StatPenaltysSubis, F("StatHandball", "GardPen", 0, 65535)},
    {TChamp::StatAvertissements, F("StatHandball", "Avertissement", 0, 65535)},
    {TChamp::Stat2Minutes, F("StatHandball", "_2minute", 0, 65535)},
    {TChamp::StatDisqualifications, F("StatHandball", "Disqualif", 0, 65535)},
    {TChamp::StatExpulsions, F("StatHandball", "Expulsion", 0, 65535)},
    {TChamp::StatMatchs, F("StatHandball", "Match", 0, 65535)},

    {TChamp::BarrageCode, F("Barrage", "Code", I32Min, I32Max)},
    {TChamp::BarrageCodePerso, F("Barrage", "CodePerso", 0, 65535)},
    {TChamp::BarrageTypeGroupe, F("Barrage", "TypeGroupe", I32Min, I32Max)},
    {TChamp::BarrageMoitiePoint, F("Barrage", "MoitiePoint", 0, 255)},
    {TChamp::BarrageTypeEquipe, F("Barrage", "TypeEquipe", 0, 255)},
    {TChamp::BarrageDivision, F("ListDiv", "Division", I32Min, I32Max)},
    {TChamp::PlaceMin, F("ListPlace", "Min", 0, I32Max)},
    {TChamp::PlaceMax, F("ListPlace", "Max", 0, I32Max)},
    {TChamp::BarrageNbMatch, F("Barrage/TourCoupe", "nMatch", 0, 65535)},
    {TChamp::BarrageCapacite, F("Barrage/TourCoupe", "nMatchTotal", 0, 65535)},
    {TChamp::BarrageTypeTour, F("Barrage/TourCoupe", "nTypeTour", I32Min, I32Max)},
    {TChamp::BarrageRencontre, Forme(F("Barrage/TourCoupe", "RencontreCoupe", 0, 65535), Liste)},
    {TChamp::BarrageOption, F("Barrage/Options", "Option", 0, 255)},
};

// Each field has its row, at its place.
constexpr bool EnOrdre()
{
    if (std::size(Lignes) != static_cast<size_t>(TChamp::Nombre))
        return false;
    for (size_t i = 0; i < std::size(Lignes); ++i)
        if (static_cast<size_t>(Lignes[i].champ) != i)
            return false;
    return true;
}
static_assert(EnOrdre(), "one row per field of TChamp, in its order");

}   // namespace champs_saison

// The row of a field.
constexpr const TChampXml& Champ(TChamp c)
{
    return champs_saison::Lignes[static_cast<size_t>(c)].def;
}

// Every field, for those who go through them all (the tests).
constexpr size_t NbChamps = static_cast<size_t>(TChamp::Nombre);

// The digits of the largest value a field holds: how wide a box or a cell
// showing the field is, so that it shows and takes back every value the
// season may hold.
constexpr int ChiffresChamp(TChamp c)
{
    int n = 1;
    for (int64_t h = Champ(c).haut; h >= 10; h /= 10)
        ++n;
    return n;
}
static_assert(ChiffresChamp(TChamp::JoueurMaillot) == 3 && ChiffresChamp(TChamp::CarriereMatch) == 5);
