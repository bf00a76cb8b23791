// The player search: players of the season found by name (exact, or a prefix
// ending with "*"), position and age or birth date; the players whose names
// occur twice; and from the result grid, a player's card, his deletion for
// good (refused while a match names him), the merge of two players by
// dropping one row on another, and a transfer to another team.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TCheckListBox;
class TColorStringGrid;
class TEdit;
class TLabel;
class TMenuItem;
class TPopupMenu;
class TRondCoche;
class TScrollBox;

// What a search asks for.
struct TCritereRecherche
{
    std::string Nom;                 // "Dup*": a prefix; empty: any name
    uint32_t Postes = 0xFFFFFFFF;    // position codes 0..31
    enum TAge : uint8_t { Quelconque, Entre, Naissance } Age = Quelconque;
    int AgeMin = 0, AgeMax = 0;      // Entre
    int Jour = -1, Mois = -1, Annee = -1;   // Naissance (-1 any)
};

// The players of the season meeting the criteria, in result order.
std::vector<TJoueur*> ChercheJoueurs(const TSaison& saison, const TCritereRecherche& critere);
// The runs of namesakes (same name and first name once accents are removed),
// in the players' stored order.
std::vector<std::vector<TJoueur*>> Homonymes(const TSaison& saison);
// Whether anything of the season's matches names the player (events of every
// list, box scores, line-ups, substitutions, captains).
bool JoueurNomme(TSaison& saison, int32_t numero);

class Tf_Recherche : public TFootForm
{
public:
    explicit Tf_Recherche(TComponent* AOwner);

    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;

    // ---- user actions
    void FormShow(TObject* Sender);
    void ActiveAge(TObject* Sender);
    void b_RechercherClick(TObject* Sender);
    void b_VerifierClick(TObject* Sender);
    void mi_EditerClick(TObject* Sender);
    void mi_EffacerClick(TObject* Sender);
    void mi_TransfererClick(TObject* Sender);
    void sg_RechercheDragOver(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept);
    void sg_RechercheDragDrop(TObject* Sender, TObject* Source, int X, int Y);
    // The criteria the controls give (the age edits swapped when reversed).
    TCritereRecherche Critere();
    // The player of a result row (nullptr for none or an unknown id).
    TJoueur* JoueurLigne(int ligne) const;

    bool PremierAffichage = true;
    int ModeListe = 0;   // 0 none, 1 search, 2 duplicates

    TLabel* Label91 = nullptr;
    TLabel* Label94 = nullptr;
    TLabel* l_AideNom = nullptr;   // how to search by the start of a name
    TLabel* Label89 = nullptr;
    TLabel* Label90 = nullptr;
    TEdit* Edit1 = nullptr;
    TCheckListBox* clb_Poste = nullptr;
    TRondCoche* RondCoche4 = nullptr;
    TRondCoche* RondCoche5 = nullptr;
    TRondCoche* rc_naissance = nullptr;
    TEdit* Edit2 = nullptr;
    TEdit* Edit3 = nullptr;
    TLabel* Label104 = nullptr;
    TLabel* Label105 = nullptr;
    TEdit* e_AgeJour = nullptr;
    TEdit* e_AgeMois = nullptr;
    TEdit* e_AgeAnnee = nullptr;
    TBoutonCopie* b_Rechercher = nullptr;
    TBoutonCopie* b_Verifier = nullptr;
    TScrollBox* sb_Recherche = nullptr;
    TColorStringGrid* sg_Recherche = nullptr;
    TPopupMenu* pm_JoueurOp = nullptr;
    TMenuItem* mi_Editer = nullptr;
    TMenuItem* mi_Effacer = nullptr;
    TMenuItem* mi_Transferer = nullptr;

private:
    void PrepareGrille();
    void AfficheJoueurs(const std::vector<TJoueur*>& joueurs, const std::vector<int>& groupes, bool homonymes);
    void RepeteListe();
    void PlaceGrille();
    // Opens the player's card; true when it closed with OK.
    bool EditeJoueur(TJoueur* joueur);
};
