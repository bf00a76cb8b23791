// The root object of a season: its teams (names, ids, crests), previous clubs,
// categories, players, coaches, referees, stadiums, club records, countries,
// the tree of competitions with every championship and play-off, the current
// championship, the statistics names, the save options and the flag that says
// whether the players' statistics are up to date. A season is always of one
// sport: the sport's subclass (SaisonSports.h) supplies the factories and the
// sport's constants; TMultiSport::CreeSaison creates it.
//
// The season writes and reads its part of the season document (SaisonData) and
// the competitions part (Championnats) through its tree; the file layer frames
// the document around them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "model/ListePays.h"
#include "model/Personnels.h"
#include "model/SaisonFiches.h"
#include "model/Saison_Stats.h"
#include "model/Stades.h"
#include "platform/rtl/DateTime.h"

class TDonneesChampionnat;
class TInfoComp;
class TListeDonnees;
class TMultiSport;
class TStringList;
class TRenvoisXml;
class TXmlReader;
class TXmlWriter;

// What the championship needs to know of a player (line-up texts, sorted
// selections of events).
struct TInfoJoueur
{
    std::string Nom;
    std::string Prenom;
    int NumeroPoste = 0;   // position number within the sport, 1 first
};

// A category of teams (kept sorted by id).
struct TCategorie
{
    int32_t Id = 0;
    std::string Nom;
    std::string NomCourt;
};

// A previous club (players name their earlier clubs by these ids).
struct TClubPrec
{
    std::string Nom;
    int32_t Id = 0;
};

// A statistics name: the name under which a championship's player statistics
// are kept; the object is the key in the low 16 bits and the lowest division
// code of the template championship holding it in the high 16 bits.
struct TStatChamp
{
    std::string Nom;
    uint32_t Objet = 0;
};

class TSaison : public TSaisonFiches
{
public:
    ~TSaison() override;
    TSaison(const TSaison&) = delete;
    TSaison& operator=(const TSaison&) = delete;

    // ---- sport
    TMultiSport& MultiSport() const { return *multiSport_; }
    int Sport() const;

    // ---- teams (the entries in insertion order)
    int NbEquipe() const { return static_cast<int>(equipes_.size()); }
    int32_t ProchainIdEquipe() const { return prochainId_; }
    // Id of the team whose name folds (accents, case) to the same key; -1.
    int ChercheEquipe(const std::string& nom) const override;
    // Adds a team; -1 for an empty name or a wanted id outside -1..65534 or
    // already in use. A wanted id of -1 takes the next id; the counter always
    // stays above every id given out. With verifie, a team of that name (see
    // ChercheEquipe) is reused and its id returned. A new team gets its block
    // in the players list.
    int AjouteEquipe(const std::string& nom, int32_t idVoulu = -1, int logo = 0, bool verifie = false);
    // The team leaves the season, and nothing the season keeps names it any
    // longer: every championship loses it (its slot, matches, match states
    // and points, group entries), its club record goes, its coaches and the
    // players of the national team it was lose it. Nothing when the id is
    // absent. The players of the club are the caller's.
    void SupprimeEquipe(int id);
    void VideEquipes() { equipes_.clear(); }
    int IdEquipe(int i) const;                  // -1 out of range
    std::string NomEquipeIndex(int i) const;    // empty out of range
    std::string NomEquipe(int id) const override;   // empty when absent
    void RenommeEquipe(int id, const std::string& nom);
    int LogoEquipe(int id) const;               // 0 when absent
    void SetLogoEquipe(int id, int logo);
    // The name, followed by the short name of the team's category in that
    // championship when it has one.
    std::string NomEquipeComplet(int id, const TDonneesChampionnat* championnat) const override;
    std::string NomEquipeCourant(int id) const { return NomEquipeComplet(id, courant_); }
    std::string NomEquipePosition(int i) const;   // position in the current championship

    // ---- previous clubs
    // Id -1 takes the highest id + 1; the highest id follows the ids added.
    int32_t AjouteClubPrec(const std::string& nom, int32_t id);
    // 0 for an empty name; the id of the first club of that name (case
    // ignored); when none, added with cree, else -1.
    int ChercheClubPrec(const std::string& nom, bool cree) override;
    std::string NomClubPrec(int id) const override;   // empty when absent
    // The previous club a card's box names: the one picked from its list
    // (choisi >= 0), else the one of that name (made when new); an empty
    // box names none, and a "none" the record holds (0 or a club without a
    // name) stays as it is stored.
    uint16_t ClubPrecNomme(int choisi, const std::string& nom, uint16_t tenu);
    // Id -1 and an empty name out of range.
    void ClubPrecIndex(int i, int32_t& id, std::string& nom) const;
    int NbClubPrec() const { return static_cast<int>(clubsPrec_.size()); }
    int32_t MaxClubPrec() const { return maxClubPrec_; }
    void RenommeClubPrec(int32_t id, const std::string& nom);
    // Every player's previous club ancien becomes nouveau.
    void RemplaceClubPrec(int32_t ancien, int32_t nouveau);

    // ---- the season's lists
    TListePays& Pays() override { return pays_; }
    const TListePays& Pays() const { return pays_; }
    // The country leaves the season: every player, referee, coach, club
    // official and stadium of that country takes remplacant instead (a merge),
    // none when it is TListePays::Aucun (a deletion); its name is emptied and
    // its code never given again. Nothing for a code out of range or equal to
    // remplacant.
    void RetirePays(int code, int remplacant = TListePays::Aucun);
    TJoueurs& Joueurs() override { return *joueurs_; }
    const TJoueurs& Joueurs() const { return *joueurs_; }
    TPersonnels& Entraineurs() override { return entraineurs_; }
    TPersonnels& Arbitres() { return arbitres_; }
    const TPersonnels& Arbitres() const { return arbitres_; }
    TStades& Stades() override { return stades_; }
    TRensClubs& RensClubs() { return rensClubs_; }
    TDescTree& Arbre() const { return *arbre_; }

    // ---- championships
    TDonneesChampionnat* ChampionnatCourant() const { return courant_; }
    void SetChampionnatCourant(TDonneesChampionnat* c) { courant_ = c; }
    bool ChampionnatCourantInternational() const override;
    // Makes current the championship of that code; false (nothing changed)
    // when none has it.
    bool SelectionneChampionnat(int32_t code);
    // The championship after / before the current one in tree order; nullptr
    // at the ends and when no championship is current.
    TDonneesChampionnat* ChampionnatSuivant() const;
    TDonneesChampionnat* ChampionnatPrecedent() const;
    // The season takes the championship: with attache, into the level-3 node
    // of the tree named by its code when there is one free; otherwise it is
    // filed under the default names (texts 9, 637, 637). A championship whose
    // code another championship of the tree holds already gets a new code.
    // The championship then belongs to this season.
    TDonneesChampionnat* AjouteChampionnat(std::unique_ptr<TDonneesChampionnat> c, bool attache);
    // Division codes of the championships holding the team.
    std::vector<int> ListeCodesDivision(int idEquipe) const;
    bool PlusieursChampionnats() const;
    // A player kept without a club whom the season files as one player with
    // a namesake without a club (Garde: one already without, or another kept
    // without one before him), unless they met in a match.
    struct TFusionSansClub
    {
        TJoueur* Fondu;
        TJoueur* Garde;
    };
    // Of those players, left without a club one after the other, the ones
    // made one with a namesake that way. Nothing changes.
    std::vector<TFusionSansClub> FusionsSansClub(const std::vector<TJoueur*>& joueurs) const;
    // What the championships coded take with them (SupprimeEquipesChampionnats).
    struct TRetraitChampionnats
    {
        std::vector<uint32_t> Cles;         // their codes
        std::vector<int> Equipes;           // their teams that no championship staying holds
        std::vector<TJoueur*> Partants;     // the players of those clubs that go
        std::vector<TJoueur*> SansClub;     // of those clubs, kept without one
        std::vector<TFusionSansClub> Fusions;   // of those, made one with a namesake
    };
    // The counts are recounted first: nothing else changes.
    TRetraitChampionnats RetraitChampionnats(const std::vector<int32_t>& codes);
    // The championships coded are leaving: each of their teams that no other
    // championship holds leaves the season (SupprimeEquipe) with the players
    // of its club. A player of such a club stays, without a club, when he has
    // counts in a championship that stays or a national team that stays (one
    // then made one with a namesake without a club, as RetraitChampionnats
    // names it). A player of no club and no national team goes when he has
    // counts in those championships and nowhere else (one without any count
    // stays). Teams are told by the players' club and national team, whatever
    // championship is current; the counts are recounted first. The
    // championships stay in the tree: the caller takes them out.
    void SupprimeEquipesChampionnats(const std::vector<int32_t>& codes);
    // What team id would take with it out of the season (RetireEquipe).
    struct TRetraitEquipe
    {
        std::vector<TJoueur*> Partants;     // the players of its club that go with it
        std::vector<TJoueur*> SansClub;     // of its club, kept without one: a match names them, or another team selects them
        std::vector<TFusionSansClub> Fusions;   // of those, made one with a namesake without a club
        std::vector<TJoueur*> Selections;   // players of other clubs it selects, who lose that selection
        std::vector<TPersonnel*> Entraineurs;   // coaches of the club, left without one
        bool FicheClub = false;             // its club record goes
    };
    TRetraitEquipe RetraitEquipe(int id) const;
    // Team id leaves the season with what RetraitEquipe names, when no
    // championship holds it; false (nothing changed) otherwise.
    bool RetireEquipe(int id);
    // The numbers of the players a match names (line-ups, substitutions,
    // captains, event records, box scores).
    std::set<int32_t> JoueursCites() const;
    // Player numbers (old, new) rewritten in every championship; the players
    // kept are counted again at once, the records of the ones they took over
    // with theirs. The list is emptied.
    void AppliqueRenumerotation(TPairesIds& paires) override;
    // The first match, in tree and matchday order, in which the players
    // numbered a and b stand in the two teams: in a line-up, a substitution,
    // as captain, or in an event record or box score of either side.
    struct TMatchAdverses
    {
        const TDonneesChampionnat* Championnat = nullptr;
        int Journee = 0;
        int Domicile = 65535, Exterieur = 65535;
    };
    bool MatchAdverses(int32_t a, int32_t b, TMatchAdverses* match = nullptr) const;
    // Whether a match names player id (line-up, substitution, captain, event
    // record or box score).
    bool JoueurCite(int32_t id) const;
    // Every merge of two players passes here: none of two who met in a match.
    bool FusionPermise(int32_t garde, int32_t fondu) const override;
    // Why fondu cannot become garde (text 4840: both players with their
    // teams, and the match, text 4841); empty when the merge is permitted.
    std::string RefusFusion(const TJoueur& garde, const TJoueur& fondu) const;
    // "Name First name (team)", the team left out when he has none: what
    // tells namesakes apart in a question.
    std::string NomJoueurEquipe(const TJoueur& j) const;
    // ---- two players made one (every road that merges passes here)
    // What garde takes over of fondu: what fondu holds and garde lacks
    // (career lines; career counts of a championship garde has none of, and
    // of one both have the larger of each count; year and date of birth,
    // height, weight, shirts, caps, national-team text, contract, year
    // joined, photo; the links to a national team, a country, a previous
    // club, and in a merge the user asked for (demandee) to a club when no
    // namesake there would take him: any other merge makes fondu one with a
    // namesake of the club he goes to); and what of fondu's goes, garde
    // holding his own (his position too). Nothing changes.
    TBilanFusion BilanFusion(const TJoueur& garde, const TJoueur& fondu, bool demandee) const;
    // garde takes over what BilanFusion names (filed again when a club or a
    // national team comes to him); the filing of a namesake passes here.
    void ReporteFusion(TJoueur& garde, const TJoueur& fondu) override;
    // The one question of a merge: both players with their teams, what goes
    // over to garde and what is lost; demandee: the user asked for it (a
    // drop of one player on the other), else it follows from a rename or a
    // move.
    std::string QuestionFusion(const TJoueur& garde, const TJoueur& fondu, bool demandee) const;
    // The lines a removal's question gives a player kept without a club and
    // made one with a namesake: both players, what goes over and what is
    // lost, as the merge's own question words them.
    std::string PhraseFusionSansClub(const TFusionSansClub& f) const;
    // fondu made one with garde: garde takes over (ReporteFusion), every
    // reference to fondu's number names garde, fondu is freed, garde's
    // statistics are counted again. nullptr (nothing changed) when it is not
    // permitted (FusionPermise) or either is not a player of the season.
    TJoueur* FusionneJoueurs(TJoueur* garde, TJoueur* fondu, bool demandee = false);
    // The player j would become once in team t (0xFFFF: none), as the
    // season files him (a namesake of the club he would have); nullptr when
    // none.
    TJoueur* HomonymeTransfert(const TJoueur& j, int t) const;
    // The namesakes a document gave twice are filed apart while it is read
    // (pairs (number read again, number kept)); once its matches are there,
    // each pair is made one player where permitted (references follow) and
    // kept apart otherwise. The list is emptied.
    void FusionneDoublonsLus(TPairesIds& paires);
    // Referee numbers (old, new) rewritten in every championship and in the
    // competition data of the tree; the list is emptied.
    void AppliqueRenumerotationArbitres(TPairesIds& paires);
    // Gives the team at position i of the championship the id i, with its name
    // and its players (ids must be below the number of teams of the season).
    void RenumeroteEquipes(TDonneesChampionnat& championnat);

    // ---- statistics names
    void AjouteStatChamp(const std::string& nom, int32_t cle);
    // The id of the statistics name of a championship (of the templates),
    // its name added to the season's list when missing.
    int EnregistreStatChamp(int32_t idChampionnat, int32_t codeArbre);
    // The same id and the name it has or would be given, the season left as
    // it is; connu: the season already lists it.
    int StatChampPrevu(int32_t idChampionnat, int32_t codeArbre, std::string& nom, bool& connu) const;
    std::string NomStatChamp(int id) const;
    int NbStatChamp() const { return static_cast<int>(statChamps_.size()); }
    const TStatChamp* StatChamp(int i) const;   // nullptr out of range

    // ---- the sport's factories and constants
    // A new championship of the sport (flags: type bits of the championship),
    // with the sport's option words and the tie-break letters a file read
    // back would give it; nullptr when the sport has no championship class.
    virtual std::unique_ptr<TDonneesChampionnat> CreeChampionnat(uint8_t flags, uint8_t valeur) = 0;
    // A new player of the sport (not filed anywhere).
    std::unique_ptr<TJoueur> CreeJoueur(const std::string& nom, const std::string& prenom, int32_t numero,
                                        int equipe) override;
    virtual std::unique_ptr<TJoueur> CopieJoueur(const TJoueur& source);
    virtual std::unique_ptr<TJoueur> CreeJoueurComplet(int equipeNational, int maillot, int numeroPoste, int age,
                                                       int clubActuel, const std::string& prenom,
                                                       const std::string& nom);
    // The sport's position labels, the position index as object.
    virtual std::unique_ptr<TStringList> ListePostes() const;
    // 1 when statistic kind 0..10 applies to the sport (2: draws exist), else 0.
    virtual int StatApplicable(int type) const = 0;
    virtual int ValeurSport() const = 0;
    virtual int StatPrincipale() const = 0;
    virtual void ParamLibelles(int mode, int& texte1, int& car1, int& car2, int& nombre, int& texte2) const;

    // ---- players
    // Name, first name and position number of a player known to the season
    // (equipe 65535: any team); false when the season does not know it.
    virtual bool InfoJoueur(int32_t id, int equipe, TInfoJoueur& info) const;
    // While the championships are written: the players searched by number
    // and ranked by name from tables made once (nullptr otherwise).
    const TIndexJoueurs* IndexEcriture() const { return indexEcriture_; }
    // Whether the season knows player id (InfoJoueur without the copies).
    bool JoueurConnu(int32_t id, int equipe) const;

    // ---- categories (sorted by id)
    int NbCategorie() const { return static_cast<int>(categories_.size()); }
    const TCategorie* CategorieIndex(int i) const;   // nullptr out of range
    std::string NomCategorie(int32_t id) const;
    bool Categorie(int32_t id, std::string& nom, std::string& nomCourt) const;
    void SetCategorie(int32_t id, const std::string& nom, const std::string& nomCourt);
    // The category leaves the season, and every championship's teams and
    // default that held it (players keep theirs: a player's category only
    // sorts him in his club's squads).
    void SupprimeCategorie(int32_t id);
    // The category ids the season cites: its categories', its championships'
    // (defaults and teams) and its players'.
    std::set<int32_t> CategoriesCitees() const;

    // ---- save options (bytes 0 and 1)
    uint8_t OptionSauvegarde(int n) const { return n == 0 || n == 1 ? optionsSauve_[n] : 0; }
    void SetOptionSauvegarde(int n, int valeur)
    {
        if (n == 0 || n == 1)
            optionsSauve_[n] = static_cast<uint8_t>(valeur);
    }

    TDateTime LastModif = 0;

    // ---- player statistics
    // Every change of match data calls it: the statistics are recounted before
    // their next use.
    void InvalideStats() { statsCalculees_ = 0; }
    bool StatsCalculees() const { return statsCalculees_ != 0; }
    void SetStatsCalculees(bool v) { statsCalculees_ = v ? 1 : 0; }
    // Every player's statistics counted again from the match data of the
    // championships of the tree, when they are not up to date (then they are);
    // the report lists the entries naming players the season does not know
    // (empty when nothing was counted).
    virtual TRapportStats CalculeStatJoueurs();
    // One player's statistics counted again (found by number, in that team's
    // block first): from every record and line-up entry the full pass counts
    // for him, for whichever club he played.
    virtual void CalculeStatJoueur(int32_t idJoueur, int idEquipe);
    // Every referee's statistics counted again, with the sport's own counts.
    virtual void CompteStatSport();

    // ---- the season document
    // SaisonData; the running total starts at 5.
    void EcritSaison(TXmlWriter& x, const TProgression& progression = {});
    // Equipes: with divisions, the division codes of each team; with a file
    // list, crests as picture files added to the list.
    void EcritEquipes(TXmlWriter& x, bool divisions, TStringList* fichiers) const;
    // Championnats, with the current championship's code (1 when none).
    void EcritCompetitions(TXmlWriter& x, const TProgression& progression = {});
    void EcritParamsChamp(TXmlWriter& x) const;
    // Read the children of SaisonData / Championnats (the reader stands just
    // after the start tag) up to the end tag. Reading never opens a window.
    // The merges of namesakes met in SaisonData are applied to the
    // championships at the end of LitCompetitions.
    void LitSaison(TXmlReader& x, int& total, const TProgression& progression = {});
    void LitCompetitions(TXmlReader& x, int& total, const TProgression& progression = {});
    // The document's elements after its root: SaisonData, then Championnats.
    void Ecrit(TXmlWriter& x, const TProgression& progression = {});
    // Reads the children of the root up to its end tag.
    void Lit(TXmlReader& x, const TProgression& progression = {});

protected:
    explicit TSaison(uint8_t sport);

    struct TEquipe
    {
        std::string Nom;
        uint32_t Objet = 0;   // id | crest << 16
        int Id() const { return static_cast<int>(Objet & 0xFFFF); }
        int Logo() const { return static_cast<int>(Objet >> 16); }
    };
    int IndexId(int id) const;   // index of the first entry of that id, -1

    std::vector<TEquipe> equipes_;
    int32_t prochainId_ = 0;
    TPersonnels arbitres_;
    TPersonnels entraineurs_;
    TStades stades_;
    TRensClubs rensClubs_;
    TListePays pays_;
    int32_t maxClubPrec_ = 0;
    std::vector<TClubPrec> clubsPrec_;
    TDonneesChampionnat* courant_ = nullptr;
    std::vector<TStatChamp> statChamps_;
    uint8_t optionsSauve_[2] = {0, 0};
    std::vector<TCategorie> categories_;
    uint8_t statsCalculees_ = 0;
    std::unique_ptr<TMultiSport> multiSport_;
    std::unique_ptr<TDescTree> arbre_;
    std::unique_ptr<TJoueurs> joueurs_;

private:
    // ReporteFusion, a merge asked for or not (BilanFusion).
    void Reporte(TJoueur& garde, const TJoueur& fondu, bool demandee);
    // Those players (of a club leaving) kept without a club, in that order;
    // each of fusions made one with its namesake (FusionneJoueurs).
    void GardeSansClub(const std::vector<TJoueur*>& joueurs, const std::vector<TFusionSansClub>& fusions);
    void LitEquipe(TXmlReader& x, uint8_t jeton, bool clubPrec);
    void LitCategories(TXmlReader& x);
    void LitDescCompetition(TXmlReader& x);
    // Once the championships are read: the players and categories a document
    // left without a name are kept, under a name of their own, when records
    // name them, and dropped otherwise.
    void GardeSansNom();
    // Calls f with every match of every championship (championship, matchday,
    // match, the matchday's record lists) until it answers true; whether it did.
    bool ParcoursMatchs(const std::function<bool(const TDonneesChampionnat&, int, const TInfoComp&,
                                                 const std::vector<const TListeDonnees*>&)>& f) const;

    const TIndexJoueurs* indexEcriture_ = nullptr;
    // Merges met while reading, applied once the championships are read.
    TPairesIds pairesJoueurs_;
    TPairesIds pairesArbitres_;
    // What the document being read holds of the things its numbers name.
    std::unique_ptr<TRenvoisXml> renvois_;
    TPairesIds pairesEntraineurs_;
    std::vector<int32_t> categoriesSansNom_;   // read without a name
};
