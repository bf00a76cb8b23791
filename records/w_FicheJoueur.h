// The record card of a player: identity, additional details, career season by
// season and per championship, photo, and this season's statistics with the
// list of his matches and a matchday graph. The card of the season's sport
// (Tf_FicheJoueurFoot and its siblings) comes from the sport switch.
//
// Tag in: bits 0-15 the squad's team; bit 16 shows the statistics panel; bit
// 19 starts a new player's year joined as unknown. Tag out after OK: 1
// changed or created, 0 unchanged, 255 a new card left without a name.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Joueurs.h"
#include "ui/BrivantelForm.h"

class TLabel;
class TEdit;
class TMaskEdit;
class TComboBox;
class TComboBox98;
class TPageControl;
class TTabSheet;
class TSpeedButton;
class TUpDown;
class TBoutonCopie;
class TFondCopie;
class TLogo;
class TColorStringGrid;
class TPanel;
class TShape;
class TGraphHorizontal;
class TDonneesChampionnat;
class TListeDonnees;

// One statistic row of the season panel.
struct TLigneStatFiche
{
    enum TLecture : uint8_t { Matchs, Stat, Avertissements, Expulsions, Passes, Pourcentage, Somme };
    int Texte = 0;            // caption text id
    const char* Valeur = "";  // name of the value label
    const char* Bouton = "";  // name of the button
    int Numero = 0;           // statistic number (the button's Tag)
    TLecture Lecture = Matchs;
    int Genre = 0;            // kind read (made count for a percentage)
    int Genre2 = 0;           // attempts of a percentage, second kind of a sum
    bool Gardien = false;     // shown on a goalkeeper's card only
};

// What the card shows of a career-per-championship record.
struct TCarriereFiche
{
    uint32_t Code = 0;
    int Matchs = 0;
    std::array<int32_t, 4> Valeurs{};   // goals (rugby: tries, conversions, penalties, drops)
    // A championship picked on the card that the season does not list yet:
    // its template division, listed once the card is validated (-1: listed).
    int32_t Modele = -1;
};

// A career line of the grid. ClubNouveau: the name of the new previous club
// it names, which the season lists once the card is validated (Equipe then
// takes its id); empty: Equipe is the club's id.
struct TLigneCarriere : TStatHistorique
{
    std::string ClubNouveau;
};

class Tf_FicheJoueur : public TFicheJoueurForm
{
public:
    explicit Tf_FicheJoueur(TComponent* AOwner);
    ~Tf_FicheJoueur() override;

    void ChangeSaison(TSaison* saison) override;
    void ChangeJoueur(int32_t codeChampionnat, TJoueur* joueur) override;
    // Shown as JoueurTrouve, taken only by "Valider".
    void ChangeJoueurPris(int32_t codeChampionnat, TJoueur* joueur) override;
    TJoueur* JoueurFiche() const override { return Joueur; }
    void AppliqueCouleurs() override;

    // ---- what the sport cards supply or extend
    virtual void AfficheJoueur(TJoueur* joueur);
    virtual bool EnregistreCarriere(TJoueur* joueur);
    virtual void EchangeStatSport(TCarriereFiche& fiche, int sens);
    // Fills the match list for a statistic; the caption.
    virtual std::string AfficheDetailStat(int stat) = 0;
    virtual void TraduitLibelles();

    // ---- state
    bool Chargement = false;
    std::string Titre;
    // On a new card: the player of the season its name was taken for, once
    // the user said so (validating the card takes him into the team).
    TJoueur* JoueurTrouve = nullptr;
    int ModeStat = 2;
    bool CarriereModifiee = false;
    bool ModeNational = false;
    int16_t AnneeSaison = 0;
    int PosteDefaut = 2;
    int32_t ChampionnatCode = -1;
    TJoueur* Joueur = nullptr;
    bool NomModifie = false;
    std::string Libelle;

    // ---- controls
    TFondCopie* FondCopie3 = nullptr;   // season statistics
    TFondCopie* FondCopie5 = nullptr;   // goals detail
    TPageControl* pc_FicheJoueur = nullptr;
    TTabSheet* ts_Generale = nullptr;
    TTabSheet* ts_additionnal = nullptr;
    TTabSheet* ts_Carriere = nullptr;
    TFondCopie* FondGenerale = nullptr;
    TFondCopie* FondAdditionnel = nullptr;
    TFondCopie* FondCarriere = nullptr;
    TEdit* e_Nom = nullptr;
    TEdit* e_Prenom = nullptr;
    TEdit* e_Age = nullptr;
    TComboBox* cb_Poste = nullptr;
    TEdit* e_NumMaillot = nullptr;
    TComboBox98* cb_Nationalite = nullptr;
    TLogo* LogoJoueur = nullptr;
    int32_t ImageJoueur = 0;   // the photo id the picture shows
    TBoutonCopie* b_AddPicture = nullptr;
    TBoutonCopie* b_DelPicture = nullptr;
    TEdit* e_Anciennete = nullptr;
    TComboBox98* cb_ClubPrec = nullptr;
    TEdit* e_Duree = nullptr;
    TEdit* e_Taille = nullptr;
    TEdit* e_Poids = nullptr;
    TMaskEdit* e_DateComplete = nullptr;
    TEdit* e_SelectionNat = nullptr;
    TEdit* e_nSelection = nullptr;
    TUpDown* ud_nSelection = nullptr;
    TLabel* l_Actuel = nullptr;
    TComboBox98* cb_Actuel = nullptr;
    TColorStringGrid* sg_Historique = nullptr;
    TBoutonCopie* bc_Ajouter = nullptr;
    TBoutonCopie* bc_Effacer = nullptr;
    TComboBox* cb_ChoixChampStat = nullptr;
    TBoutonCopie* b_ChoixChampStat = nullptr;
    TEdit* e_Match = nullptr;
    TEdit* e_Buts = nullptr;
    TPanel* fs_Match = nullptr;
    TColorStringGrid* sg_Match = nullptr;
    TPanel* fs_DetailJoueur = nullptr;
    TGraphHorizontal* Graphe = nullptr;
    TSpeedButton* sb_Detail = nullptr;
    TBoutonCopie* b_aide = nullptr;
    TBoutonCopie* b_RetourFiche = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;

    // The rows of the season panel, in order, with their controls.
    std::vector<TLigneStatFiche> LignesStat;
    std::vector<TLabel*> LibellesStat, ValeursStat;
    std::vector<TSpeedButton*> BoutonsStat;
    // The goal panel: nine rows of caption, bar, value.
    std::array<TLabel*, 9> LibellesButs{}, ValeursButs{};
    TLabel* LibelleDetailButs = nullptr;   // the goal panel's title
    TLabel* LegendeButs = nullptr;         // what the panel's brackets count
    std::array<TShape*, 9> BarresButs{};

    // The career lines of the grid rows (row 1 = index 0); empty lines hold none.
    std::vector<std::unique_ptr<TLigneCarriere>> LignesHistorique;
    std::vector<TCarriereFiche> Carrieres;   // the items of cb_ChoixChampStat
    int DernierChampStat = -1;

    // ---- user actions (tests drive them like the controls do)
    void b_ValiderClick(TObject* Sender);
    void bc_AjouterClick(TObject* Sender);
    void bc_EffacerClick(TObject* Sender);
    void b_AddPictureClick(TObject* Sender);
    void b_DelPictureClick(TObject* Sender);
    void b_ChoixChampStatClick(TObject* Sender);
    void cb_ChoixChampStatChange(TObject* Sender);
    void s1Click(TObject* Sender);
    void sb_DetailClick(TObject* Sender);
    void b_RetourFicheClick(TObject* Sender);

    // The text of the contract byte and the byte of a contract text (99 for
    // a text it cannot read).
    static std::string TexteContrat(int contrat);
    static int ContratTexte(const std::string& texte);
    // "2003-04"; the second year always on two digits.
    static std::string TexteSaison(int annee);

    // Called once the sport card has set its rows and captions.
    void Termine();

protected:
    void DoShow() override;

    // The sport's description, set by the sport card's constructor.
    void ConstruitLignesStat(const std::vector<TLigneStatFiche>& lignes);
    // Places the rows shown one under the other (a goalkeeper's rows only on
    // his card) and sizes the panels around them.
    void PlaceLignesStat(bool gardien);
    // Whether the card is a goalkeeper's, who has his own rows.
    virtual bool EstGardien(const TJoueur*) const { return false; }
    // The items of the position list: one text per position code of the sport.
    void ChangePostes(std::span<const int> textes);
    // Season counts of a row: in the shown championship and in all.
    void ValeursLigne(const TLigneStatFiche& l, long& champ, long& total, long& att, long& attTotal) const;
    std::string TexteLigne(const TLigneStatFiche& l) const;
    bool UnSeulChampionnat() const;
    void RemplitChampStat(TJoueur* joueur);
    void AfficheChampStat(int index);
    // The season counts of a career record's championship.
    virtual void CompteSaison(const TJoueur* joueur, uint32_t code, int& matchs, std::array<int32_t, 4>& v) const;
    virtual int NbValeursCarriere() const { return 1; }
    void AfficheLigneHistorique(int ligne);
    void CompteStatButs();
    void RemplitGraphe(TDonneesChampionnat* c, int equipe, int32_t joueur);
    // The per-match rows of one championship (football and rugby read the
    // line-ups and event lists; basketball and handball their box scores).
    virtual void RemplitMatchs(int stat, TDonneesChampionnat* c, int& ligne, int& couleur);
    // The event list of a statistic and the kind of record taken (0 none).
    virtual TListeDonnees* ListeStat(int stat, TDonneesChampionnat* c, int jour, int& genre);
    // Fills sg_Match for a statistic with the given value header.
    void PrepareGrilleMatchs(int colonnes, const std::string& enTete3);
    void TermineGrilleMatchs(int lignes);
    void LigneTitre(TDonneesChampionnat* c, int& ligne, TColor couleurTexte);
    std::string TexteJour(const TDonneesChampionnat* c, int jour, int equipe) const;
    std::string TexteMatch(const TDonneesChampionnat* c, int jour, int equipe) const;
    void MontreVue(TWinControl* vue, const std::string& titre);

    int HauteurCarriere = 401;
    bool GrapheDisponible = true;   // football and rugby

private:
    void ConstruitControles();
    void ConstruitStatistiques();
    void e_AgeKeyPress(TObject* Sender, char& Key);
    void e_NumMaillotKeyPress(TObject* Sender, char& Key);
    void e_DureeKeyPress(TObject* Sender, char& Key);
    void e_DureeChange(TObject* Sender);
    void e_ChiffresKeyPress(TObject* Sender, char& Key);
    void pc_FicheJoueurChange(TObject* Sender);
    void b_aideClick(TObject* Sender);
    bool LitSaisies(std::string& erreur, struct TSaisiesFiche& s) const;
    // A new card validated with the name of a player of the season: the
    // question naming him; Reprise: the card now shows him, to be validated;
    // Annulee: the card stays as typed; Nouveau: a new player is made. club:
    // the club the new player would have.
    enum class TPrise : uint8_t { Nouveau, Reprise, Annulee };
    TPrise PrendHomonyme(int club);
    // JoueurTrouve shown as validating the card makes him: the team's
    // player, or the national team's.
    void MontrePris();
    bool construit_ = false;
};

// The services of ui/ for the player cards, the not-found dialog of the
// player lists and the cards of the four sports in the sport switch.
void EnregistreFichesJoueur();
