// One competition of a season: a league (with or without groups) or a cup. It
// holds its teams as 16-bit ids in slots (positions from 0), its options, its
// cup rounds, its matchdays with their matches (numbers from 1), its penalties
// and match states, its standings bands and its named groups of teams. Every
// window, the standings engine and the season file read and change results
// through it. Each sport derives its own class and fills the virtual operations.
//
// Out-of-range numbers never raise: reads answer -1, 0, 65535, the empty date
// (0), an empty text or nullptr, and writes do nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/InfoComp.h"
#include "model/Journees.h"
#include "model/ListeDonnees.h"
#include "model/Penalites.h"
#include "platform/rtl/StringList.h"

class TDonneesBarrage;
class TSaison;
class TXmlReader;
class TXmlWriter;
enum class TChamp : uint8_t;

// One cup matchday: its round, its match count (low byte used) and the kind of
// tie and leg (kind 1..7 in the low bits, leg bits 16..208 above).
struct TInfoTourCoupe
{
    uint16_t nTour = 0;
    uint16_t NbMatch = 0;
    uint32_t TypeMatch = 0;
};

// A named group of teams of a competition.
class TGroupeEquipe
{
public:
    std::string NomGroupe;

    int NbEquipe() const { return static_cast<int>(equipes_.size()); }
    int Equipe(int i) const;                 // -1 out of range
    bool Contient(int id) const;
    // False (nothing added) for an id outside 0..65534 or already present.
    bool AjouteEquipe(int id);
    void SupprimeEquipe(int id);

private:
    std::vector<uint32_t> equipes_;
};

// Pairs (old id, new id) of players or officials.
using TPairesIds = std::vector<std::pair<int32_t, int32_t>>;
// Turns a stadium id of another season into one of this season.
using TCorrespondanceStade = std::function<int32_t(int32_t)>;

class TDonneesChampionnat
{
public:
    // Type flags.
    enum : uint8_t { TypeChamp = 1, TypeCoupe = 2, TypeNational = 4, TypeInternational = 8 };
    static constexpr int NbOption = 27;
    // Option word 10 (the position of the team followed) when none is.
    static constexpr int AucuneEquipeSuivie = 255;
    static constexpr int NbOptionArbitre = 5;
    static constexpr uint16_t AucuneEquipe = 65535;
    static constexpr int MaxEquipes = 255;

    // The sport's line-up sizes and period lengths.
    struct TParamsSport
    {
        int NbTitulaire = 0;
        int NbRemp = 0;
        int Prolongation = 0;
        int Periode = 0;
    };

    virtual ~TDonneesChampionnat();
    TDonneesChampionnat(const TDonneesChampionnat&) = delete;
    TDonneesChampionnat& operator=(const TDonneesChampionnat&) = delete;

    // ================= virtual operations =================
    // Sets option words 19 to 26 to the sport's defaults.
    virtual void OptionsParDefaut() = 0;
    // Drops the matchdays above n when n is not above NbJour; NbJour := n
    // (0..255).
    virtual void SetNbJournees(int n);
    // The matchdays above n that hold matches or their states (forfeits,
    // postponements): what bringing the count down to n would delete.
    std::vector<int> JourneesAuDela(int n) const;
    // The count a user sets: when it would delete matchdays that hold
    // matches, accepte is asked first with them, and false keeps everything.
    // The matchdays dropped take their states with them; the current and
    // last played matchdays stay within the count. True when it changed.
    bool ChangeNbJournees(int n, const std::function<bool(const std::vector<int>&)>& accepte);
    virtual void EcritScoresPeriode(TXmlWriter& ecrivain, const TInfoComp& match);
    virtual void EcritOptionsSaisie(TXmlWriter& ecrivain);
    virtual int LitOptionsSaisie(TXmlReader& lecteur);
    // The same, given the token that brought the element: here only an element
    // with children goes to LitOptionsSaisie (a complete element is left to
    // the caller to skip); true when the element was taken.
    virtual bool LitOptionsSaisieJeton(TXmlReader& lecteur, uint8_t jeton);
    // For matchday n: adds into scores (one counter per team position) the
    // score implied by the events of each team, clears the flag of each team
    // with an event record without a minute, and gives the caption of the check.
    virtual void ScoresEvenements(int n, std::vector<int>& scores, std::string& texte,
                                  std::vector<uint8_t>& drapeaux) = 0;
    virtual void ParamsSport(int& nbTitulaire, int& nbRemp, int& prolongation, int& periode) const = 0;
    virtual void LitScoresPeriode(TXmlReader& lecteur, TInfoComp& match);
    // Data list of kind 2..7 of matchday n; the shared empty list when the
    // matchday has none of that kind; nullptr when the matchday does not exist.
    virtual TListeDonnees* ListeDonnees(int type, int n);
    // Empties every matchday (matches and data lists) and the penalties.
    virtual void Vide();
    // Frees the matches of matchday n.
    virtual void VideJournee(int n);
    // Per side of match m of matchday n, 1 when it earns the bonus, else 0.
    virtual void BonusOffensif(int n, int m, int position1, int position2, int32_t (&bonus)[2]) = 0;
    // Which bonus column of the standings receives the losing bonus.
    virtual int ChampBonusDefensif() const = 0;
    // Removes the team's records of matchday n (and its line-up with compo).
    virtual void SupprimeDonneesEquipe(int idEquipe, int n, bool compo);
    // Completeness report of matchday n (the caller owns the list).
    virtual std::unique_ptr<TStringList> VerifieJournee(int n, int& nbVerifies);
    virtual void EcritEvenementsMatch(TXmlWriter& ecrivain, const TInfoComp& match, int n, bool evenements) = 0;
    // Around the writing of the matches of matchday n: what a sport gathers
    // once for all of them, then lets go.
    virtual void DebutEcritureJournee(int n) { (void)n; }
    virtual void FinEcritureJournee() {}
    // True when the element (named nom, the reader just past its start) was
    // taken into match of matchday n.
    virtual bool LitEvenementMatch(std::string_view nom, TXmlReader& lecteur, uint8_t jeton,
                                   TInfoComp& match, int n) = 0;
    virtual void RemplaceJoueurs(const TPairesIds& paires);
    // The whole Championnat element of the season document (number form).
    virtual void EcritChampionnat(TXmlWriter& ecrivain);
    // Reads the children of Championnat (the reader stands just after its
    // start tag) up to its end tag. Accepts the names form of the matches
    // (teams, officials, stadiums and players by name, created in the season
    // when unknown, silently).
    virtual void LitChampionnat(TXmlReader& lecteur);
    virtual void CopieMatchs(const TDonneesChampionnat& source, const TCorrespondanceStade& stades);
    // A new selection of the records of matchday n counted by a player
    // ranking kind; nullptr when the kind or the list does not exist. The
    // scorers (kind 1) leave out the missed penalties and kicks.
    virtual std::unique_ptr<TListeResultat> ListeClassementJoueur(int n, int type) = 0;
    virtual void SetSaisonListes(TSaison* saison);
    // The sport's data lists of matchday n (empty when it does not exist).
    virtual std::vector<TListeDonnees*> ListesDonnees(int n);
    // The data-list kinds of the sport; every new matchday creates them.
    virtual std::vector<uint8_t> TypesDonnees() const = 0;

    // ================= plain fields =================
    std::string OrdreClassement;
    int32_t CodeChamp = 0;
    int32_t Division = 0;
    uint16_t CodePerso = 0;
    int32_t BonusBut = 0;
    int32_t PointBonusBut = 0;
    int32_t BonusEcart = 0;
    bool PetiteFinale = false;
    int32_t TempsPeriode = 0;
    int32_t TempsPeriodeProlongation = 0;
    uint8_t NbJournee = 1;          // current matchday
    uint8_t DerniereJournee = 0;    // last matchday with a result
    // What the cup's bracket read of it when it was last changed through the
    // one road, read or made (model/TableauCoupe.h).
    uint64_t SceauCoupe = 0;

    TSaison* Saison() const { return saison_; }
    void SetSaison(TSaison* saison) { saison_ = saison; }
    uint8_t Types() const { return types_; }
    void SetTypes(uint8_t t) { types_ = t; }
    bool EstCoupe() const { return (types_ & TypeChamp) == 0; }
    // A league of the date system (option word 11, value 8): its matchdays are
    // told by their dates, kept in date order, an empty one removed. A cup's
    // matchday is its round, leg or game: its number stays, dated or not.
    bool SystemeDate() const { return !EstCoupe() && (Option(11) & 8) != 0; }
    uint8_t ValeurCreation() const { return valeur_; }

    // ================= teams (positions from 0) =================
    int NbEquipe() const { return static_cast<int>(ids_.size()); }
    // Slots holding a team (id not 65535).
    int NbEquipeRemplie() const;
    // n slots (0..255), the first kept, new ones free with category 0.
    void SetNbEquipe(int n);
    // Into the first free slot, else a new slot; false for an id outside
    // 0..65534 or when 255 slots are full.
    bool AjouteEquipe(int id);
    // With compaction the last slot moves into slot i; without, slot i is
    // freed. Every mention of the team goes with it: its matches on every
    // matchday, its match states and points, its group entries. The removed
    // id, -1.
    int SupprimeEquipe(int i, bool compacte = true);
    // The team leaves the championship as SupprimeEquipe takes it out of its
    // slot; a team it does not hold leaves whatever still names it (a match,
    // a match state, a group entry).
    void OublieEquipe(int id);
    int IndexEquipe(int id) const;     // -1 for absent, negative or 65535
    int IdEquipe(int i) const;         // -1 out of range
    void SetIdEquipe(int i, int id);
    int CategorieEquipe(int i) const;  // 0 out of range
    void SetCategorieEquipe(int i, int c);
    uint16_t CategorieDef() const { return categorieDef_; }
    void SetCategorieDef(int c);
    // The category leaves the championship: its teams and its default that
    // held it hold none; the other teams keep theirs.
    void RetireCategorie(int c);
    void TrieEquipes();

    // ================= matchdays and matches =================
    TJournees& Journees() { return *journees_; }
    const TJournees& Journees() const { return *journees_; }
    int NbJour() const { return nbJour_; }
    TInfoCompJour* Journee(int n) const { return journees_->Journee(n); }
    uint32_t DateJournee(int n) const { return journees_->DateJournee(n); }
    void SetDateJournee(int n, uint32_t d) { journees_->SetDateJournee(n, d); }
    // Byte k (1 day, 2 month, 3 century, 4 year within the century); 0.
    int ElementDateJournee(int n, int k) const;

    int NbMatch() const { return nbMatch_; }
    void SetNbMatch(int v);
    int NbMatchJournee(int n) const;
    int NbMatchCourant() const;

    // Slot 4(m-1)+1 home id, +2 home score, +3 away id, 4m away score of
    // matchday n (1..NbJour); scores without their flag; 65535 when absent.
    int ValeurMatch(int n, int slot) const;
    // Raw score word of side 0/1 of match i (0-based) of matchday n.
    void SetScoreMatch(int n, int i, int cote, int valeur);
    TInfoComp* MatchEquipes(int n, int domicile, int exterieur) const;
    TInfoComp* MatchEquipes(int n, int domicile, int exterieur, bool cree, uint32_t date, int32_t cle = -1);
    TInfoComp* MatchEquipe(int n, int idEquipe) const;
    TInfoComp* MatchEquipePosition(int n, int position) const { return MatchEquipe(n, IdEquipe(position)); }
    TInfoComp* Match(int n, int m) const;   // match m (1-based)
    // Creates (or finds and scores) the match of two ids on matchday n.
    TInfoComp* CreeMatch(int n, int domicile, int exterieur, int scoreDom, int scoreExt,
                         int32_t cle = -1, uint32_t date = 0);
    void SupprimeMatch(int n, int domicile, int exterieur);
    // Removes the team's matches of matchday n with their data and line-ups.
    void SupprimeMatchsEquipe(int n, int idEquipe);

    // Per-match values (match m, 1-based).
    int32_t AffluenceMatch(int n, int m) const;
    void SetAffluenceMatch(int n, int m, int32_t v);
    std::string CommentaireMatch(int n, int m) const;
    void SetCommentaireMatch(int n, int m, const std::string& v);
    int TempsAddMatch(int n, int m, int k) const;   // -1 unset or absent
    void SetTempsAddMatch(int n, int m, int k, int v);
    int32_t ArbitreMatch(int n, int m) const { return OfficielMatch(n, m, 1); }
    void SetArbitreMatch(int n, int m, int32_t id) { SetOfficielMatch(n, m, 1, id); }
    int32_t OfficielMatch(int n, int m, int k) const;
    void SetOfficielMatch(int n, int m, int k, int32_t id);
    int NoteArbitreMatch(int n, int m) const { return NoteOfficielMatch(n, m, 1); }
    void SetNoteArbitreMatch(int n, int m, int v) { SetNoteOfficielMatch(n, m, 1, v); }
    int NoteOfficielMatch(int n, int m, int k) const;
    void SetNoteOfficielMatch(int n, int m, int k, int v);
    int NoteMatch(int n, int m) const;
    void SetNoteMatch(int n, int m, int v);
    uint32_t DateMatch(int n, int m) const;
    void SetDateMatch(int n, int m, uint32_t d);
    int32_t StadeMatch(int n, int m) const;
    void SetStadeMatch(int n, int m, int32_t v);

    // Line-ups of the team at position p on matchday n.
    int32_t JoueurTitulaire(int n, int p, int slot) const;
    void SetJoueurTitulaire(int n, int p, int slot, int32_t id);
    int32_t ValeurRemplacement(int n, int p, int r, int k) const;
    void SetValeurRemplacement(int n, int p, int r, int k, int32_t valeur);
    int NoteJoueur(int n, int p, int slot) const;
    void SetNoteJoueur(int n, int p, int slot, int v);
    bool CompositionSaisie(int n, int p) const;
    void SetCompositionSaisie(int n, int p);
    int32_t Capitaine(int n, int p) const;
    void SetCapitaine(int n, int p, int32_t v);
    std::string TexteComposition(int n, int p) const;
    // Clears the line-ups of the teams at positions[0..dernier].
    void EffaceCompositions(int n, std::span<const int> positions, int dernier);

    // Fixtures written with team positions become ids.
    void AffecteEquipesJournee(int n);
    // Matchdays on which the team has a match whose home score is set: of
    // the whole championship, or of matchdays premiere..derniere.
    int NbMatchsJoues(int idEquipe) const;
    int NbMatchsJoues(int idEquipe, int premiere, int derniere) const;
    // Highest matchday 1..NbJour with a set score among its first NbEquipe
    // match sides (0 when none), as kept in DerniereJournee after a load.
    int CalculeDerniereJournee() const;

    TListeDonnees* ListeButeurs(int n) { return ListeDonnees(2, n); }
    TListeDonnees* ListeAvertis(int n) { return ListeDonnees(3, n); }

    // Shoot-outs of matchday n. One given to a match with its score takes
    // the place of one taken away from that score (TInfoComp::TirsOtes).
    void AjoutePenalty(int n, int domicile, int exterieur, int s1, int s2);
    // The same for a match of matchday n, found already (its sides).
    void AjoutePenaltyMatch(int n, TInfoComp& match, int s1, int s2);
    const TPenaltyTab* Penalty(int n, int domicile, int exterieur) const;
    void SupprimePenalty(int n, int domicile, int exterieur);
    // The one road by which a window changes a match's score and, in a cup,
    // its shoot-out: match h - a of matchday n gets the score sh - sa (65535:
    // none) and the shoot-out tirs (0: none; a level one is none; the
    // qualified flag stays while the score does not change). The shoot-out it held goes on with the new
    // score when it is given again and none was kept aside for that score;
    // otherwise it is kept aside with the score it was entered for
    // (TInfoComp::TirsOtes), never dropped. One kept aside for the new score
    // and given back is no longer kept aside.
    void EcritScoreTirs(int n, int h, int a, int sh, int sa, uint32_t tirs);

    // Qualified side of a drawn cup tie (bit 15 of a score word): side false
    // the home team, true the away team. Nothing unless both scores are set.
    void SetQualifieMatch(int n, int domicile, int exterieur, bool cote);
    // The same for a match found already.
    static void SetQualifieMatch(TInfoComp& match, bool cote);
    // 0 home, 1 away, 2 none.
    int QualifieMatch(int n, int domicile, int exterieur) const;

    // Generates the return legs into the second half of the matchdays; true
    // when a match was created.
    bool GenereMatchsRetour(bool decale);
    // The return legs it would make (matchday, home, away), in order: each
    // empty slot of the second half takes its first-half pairing reversed,
    // unless one of the two teams already plays that matchday (completing
    // adds matches, it never replaces one).
    struct TRetour
    {
        int Journee, Domicile, Exterieur;
    };
    std::vector<TRetour> RetoursAGenerer(bool decale) const;

    // ================= cup rounds =================
    void AjouteTourCoupe(const TInfoTourCoupe& tour);
    const TInfoTourCoupe* TourCoupe(int i) const;   // i from 0, nullptr out of range
    int NbToursCoupe() const { return static_cast<int>(tours_.size()); }
    // Appends the matchdays of each tie (the records are copied) and sets
    // NbJour to the number of matchdays they make.
    void CreeToursCoupe(std::span<const TInfoTourCoupe> tours);
    void VideToursCoupe() { tours_.clear(); }

    // ================= next matches of a cup =================
    void AjouteMatchSuivant(int slot, int id, int id2);
    int EquipeMatchSuivant(int m) const;
    int NbMatchsSuiv() const { return static_cast<int>(matchsSuiv_.size()); }
    uint32_t MatchSuivant(int i) const;   // raw entry, 0 out of range
    void AjouteEntreeMatchSuivant(uint32_t entree) { matchsSuiv_.push_back(entree); }
    void VideMatchsSuiv() { matchsSuiv_.clear(); }

    // ================= standings bands =================
    void Tranche(int i, int& debut, int& fin) const;
    void SetTranche(int i, int debut, int fin);
    uint8_t NbTranches() const { return static_cast<uint8_t>(tranches_.size()); }
    void SupprimeTranches(int i, int j);

    // ================= groups =================
    int NbGroupes() const { return static_cast<int>(groupes_.size()); }
    TGroupeEquipe* Groupe(int i) const;
    TGroupeEquipe* AjouteGroupe(std::unique_ptr<TGroupeEquipe> groupe);
    void SupprimeGroupe(int i);
    // The groups become these, each keeping only the teams the championship
    // holds.
    void RemplaceGroupes(std::vector<std::unique_ptr<TGroupeEquipe>> groupes);

    // ================= codes, sizes, options =================
    int CodeDivision() const { return Division != 0 ? Division : CodePerso + 1000; }
    void SetCodeDivision(int v);
    int NbTitulaire() const { return nbTitulaire_; }
    int NbRemp() const { return nbRemp_; }
    void SetNbTitulaire(int v);
    void SetNbRemp(int v);
    // Index masked with 127; 27..127 read 0 and ignore writes.
    uint16_t Option(int i) const;
    void SetOption(int i, int v);
    // Index masked with 127; 5..127 read 0 and ignore writes.
    uint8_t OptionArbitre(int i) const;
    void SetOptionArbitre(int i, int v);
    // Option words 16 to 18 at 4, 2, 2 and the sport's defaults in words 19
    // to 26: what the options of a file start from.
    void OptionsSport();
    // What a new championship starts from, the same as one read from a file:
    // the sport's option words and the tie-break letters "ac".
    void ReglagesParDefaut();
    // The option words 0 to 26 of a championship made from a play-off, from
    // the play-off's option bytes. Words 19 to 26 (the forfeit scores and the
    // English-average points, signed) are taken only when the play-off holds
    // one of them: a play-off that holds none leaves the sport's own, so that
    // a forfeit gives its winner the game. Word 10 (the team followed) is
    // not taken: the championship follows none until the user chooses one.
    void PrendOptionsBarrage(const TDonneesBarrage& barrage);
    // Words 19 to 26 all 0 in a championship made from a play-off (its code
    // carries the bit 0x8000), as earlier versions wrote it: the sport's own.
    void RetablitOptionsSport();

    TPenalites& Penalites() { return penalites_; }
    const TPenalites& Penalites() const { return penalites_; }

protected:
    TDonneesChampionnat(TSaison* saison, uint8_t flags, uint8_t valeur, const TParamsSport& params);

    // The match of a team position's team on matchday n.
    TInfoComp* MatchPosition(int n, int p) const { return MatchEquipe(n, IdEquipe(p)); }
    // The attacking bonus of the sports that count it on the score: per side
    // of match m of matchday n, 1 when its score is entered and reaches BonusBut.
    void BonusScoreAtteint(int n, int m, int32_t (&bonus)[2]) const;
    // The shared empty list handed out for kinds a matchday lacks.
    TListeDonnees* ListeVide();

    // ---- XML of a match's events, for the sports
    // For each side of the match (home, then away), one element per record of
    // the list of that kind whose team is that side's and whose word has the
    // bits avec set and the bits sans clear: attribute Equipe (1, 2), leaves
    // Joueur and Minute (the whole word, when above 0). A team playing twice on
    // the matchday has its records written with its first match only.
    void EcritEvenements(TXmlWriter& x, const TInfoComp& match, int n, int type, const std::string& nom,
                         uint16_t avec, uint16_t sans) const;
    // The line-ups of the sides whose line-up is entered.
    void EcritComposition(TXmlWriter& x, const TInfoComp& match) const;
    // One event element (the token just read) into the list of that kind of
    // matchday n, the bits ajout added to its word.
    void LitEvenements(TXmlReader& x, uint8_t jeton, const TInfoComp& match, int n, int type, uint16_t ajout);

private:
    // The team's matches, match states and points, group entries go.
    void OteMentionsEquipe(int id);
    // vues: the matchdays read so far (a bit each); nbJourLu: the count of
    // matchdays was read before (the numbers then go up to it).
    // What the reading of a championship keeps as it goes (Championnat_Xml).
    struct TLecture;
    void LitJournee(TXmlReader& x, uint8_t jeton, uint64_t (&vues)[4], bool nbJourLu, TLecture& lecture);
    void LitMatch(TXmlReader& x, int n, TLecture& lecture);
    void LitComposition(TXmlReader& x, uint8_t jeton, TInfoComp& match, int nbTitulaire, int nbRemp);
    void EcritMatch(TXmlWriter& x, const TInfoComp& match, int n);
    // Team id of an e1/e2 text: a number, or a team name (found or created).
    int EquipeLue(TXmlReader& x, uint8_t jeton, bool noms, TChamp champ);

    uint8_t nbMatch_ = 0;
    std::vector<uint16_t> ids_;
    std::vector<uint16_t> categories_;
    uint8_t optionsArbitre_[NbOptionArbitre] = {};
    std::vector<std::unique_ptr<TGroupeEquipe>> groupes_;
    std::vector<TInfoTourCoupe> tours_;
    TPenalites penalites_;
    std::unique_ptr<TJournees> journees_;
    uint16_t categorieDef_ = 0;
    std::vector<uint32_t> matchsSuiv_;
    std::vector<uint32_t> tranches_;
    std::unique_ptr<TListeDonnees> listeVide_;
    TSaison* saison_;
    int32_t nbJour_ = 0;
    int32_t nbTitulaire_ = 0;
    int32_t nbRemp_ = 0;
    uint16_t options_[NbOption] = {};
    uint8_t types_;
    uint8_t valeur_;
};

// From match number n (at least 1), the first match of the current matchday
// whose two team ids are set, wrapping past the last; n becomes that number.
// Returns the tries used (one more than the match count when none is set).
int MatchSuivantDefini(const TDonneesChampionnat& championnat, int& n);
