// The line-ups page: per team, the starters with their shirt numbers and the
// substitutions (player going off, minute, player coming on) and the captain.
// Players come from the team list by double click, drag and drop or a typed
// shirt number; a starter double-clicked goes off into the first free
// substitution. The captain is written at once; the other entries reach the
// match when the page is written.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "results/w_InfoMatchCadre.h"

class TInfoComp;
class TEdition2;
class TComboBox;
class TListe;
class TMenuItem;
class TListeJoueur;
class TPageControl;
class TTabSheet;

class Tf_Composition : public Tf_InfoMatchCadreBase
{
public:
    explicit Tf_Composition(TComponent* AOwner);
    ~Tf_Composition() override;

    void ChangeMatch() override { AfficheMatch(); }
    void SetFenetrePrincipale(TComponent* fenetre) override;
    void EnregistrePage(int Libere) override;
    void AfficheMatch() override;

    // One grid record: starters first, then per substitution the outgoing
    // record (minute, player off) and the incoming one (shirt, player on).
    struct TEnreg
    {
        TEdition2* Numero = nullptr;
        TCadre* Joueur = nullptr;
        int Memoire = -1;   // shirt number shown when the box was entered (-1: none)
    };
    // Kind of record n: starter, player going off, player coming on.
    enum TGenreEnreg { Titulaire, Sortant, Entrant };
    TGenreEnreg Genre(int n) const
    {
        return n <= nbTitulaire_ ? Titulaire : ((n - nbTitulaire_) % 2 ? Sortant : Entrant);
    }
    // The side (0 home, 1 away) and record of a player box; false for another control.
    bool Localise(const TObject* boite, int& cote, int& n) const;
    TCadre* Capitaine(int cote) const { return capitaine_[cote]; }
    int NbTitulaire() const { return nbTitulaire_; }
    int NbRemp() const { return nbRemp_; }
    TEnreg& Enreg(int cote, int n) { return grille_[cote][static_cast<size_t>(n - 1)]; }
    TListe* Liste(int cote) const { return cote == 0 ? l_EquipeDomicile : l_EquipeExterieur; }

    // ---- handlers ----
    void ListeDblClick(int cote);
    void TitulaireDblClick(int cote, int n);
    void SortantDblClick(int cote, int n);
    // Drag and drop: a player box (target) or a team list.
    bool CadreDragOver(TCadre* cible, TObject* Source);
    void CadreDragDrop(TCadre* cible, TObject* Source);
    bool ListeDragOver(int cote, TObject* Source);
    void ListeDragDrop(int cote, TObject* Source);
    // Shirt numbers typed.
    void NumeroCompoEnter(int cote, int n);
    void NumeroCompoExit(int cote, int n);
    void NumeroCompoKeyPress(int cote, int n, char& key);
    void MinuteKeyPress(int cote, int j, char& key);
    // Captain popup of starter boxes (the box: pm_CapitaineEx->PopupComponent).
    void pm_CapitaineExPopup();
    void mi_CapitaineClick();
    void mi_AucunCapClick();
    void CategorieChange(int cote);
    void mi_AjouterJoueur1Click();
    int LigneSuivante = 0;

    TPageControl* pc_Composition;
    TTabSheet* ts_Equipe1;
    TTabSheet* ts_Equipe2;
    TListe* l_EquipeDomicile;
    TListe* l_EquipeExterieur;
    TComboBox* cb_CategorieDom;
    TComboBox* cb_CategorieExt;
    TPopupMenu* Popupajout;
    TMenuItem* mi_AjouterJoueur1;
    TPopupMenu* pm_CapitaineEx;
    TMenuItem* mi_Capitaine;
    TMenuItem* mi_AucunCap;

private:
    void ConstruitGrille(int nbTitulaire, int nbRemp);
    void LibereGrille();
    // Starter rows spread over their panel, substitution rows centred.
    void Place();
    void PlaceJoueur(int cote, int n, int32_t id, int32_t capitaine = 0);
    void VideEnreg(int cote, int n);
    // Records n and m of a side exchange players, shirt numbers and captain box.
    void Echange(int cote, int n, int m);
    // The list's selected player placed on record n (the one there returns).
    void PlaceDepuisListe(int cote, int n);
    void RetireCapitaine(int cote);
    void LibereChoix(int32_t id, int cote);
    // The player back in the list once no box of the side holds him (going
    // off included), so that no one comes on for himself.
    void LibereSiAbsent(int32_t id, int cote);
    void RemplitListe(int cote);
    void ChargeChoix(int cote);
    int32_t Equipe(int cote) const { return cote == 0 ? IdDomicile : IdExterieur; }
    TWinControl* fonds_[2][2] = {};   // starters, substitutions
    std::vector<TEnreg> grille_[2];
    std::unique_ptr<TListeJoueur> choix_[2];
    TInfoComp* match_ = nullptr;
    TCadre* capitaine_[2] = {nullptr, nullptr};
    TWinControl* panneauxCategorie_[2] = {};
    bool propose_[2] = {false, false};   // starters taken from an earlier match
    int nbTitulaire_ = 0;
    int nbRemp_ = 0;
};
