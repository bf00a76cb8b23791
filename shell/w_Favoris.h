// The two dialogs that shape the main window's menus:
//   Tf_Favoris    the favourites, an ordered list of functions picked from the
//                 menu tree (the first ten run by Ctrl+1 .. Ctrl+0);
//   Tf_FavorisEx  the menu mode, the functions hidden from the menus (a
//                 predefined mode or a custom choice), and where the menus go.
// Both take the main window's entry list: a caption per entry with
// (depth << 16) + command as object, depth 1 at the top, command 0 for a folder.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/StringList.h"
#include "ui/BrivantelForm.h"

class TFondCopie;
class TBoutonCopie;
class TCarreCoche;
class TLabel;
class TButton;
class TSpeedButton;
class TListBox;
class TComboBox;
class TTreeView;
class TTreeNode;
class TTreeViewCombo;

// The functions that can never be hidden.
bool FonctionFixe(int commande);

class Tf_Favoris : public TBrivantelForm
{
public:
    explicit Tf_Favoris(TComponent* AOwner);
    void Init(std::unique_ptr<TStringList> entrees, const std::vector<int>& favoris);
    // The favourites in the list's order.
    std::vector<int> Favoris() const;

    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void sb_UpClick(TObject* Sender);
    void sb_DownClick(TObject* Sender);

    TFondCopie* Fond;
    TLabel* Label1;
    TTreeView* tv_Option;
    TListBox* lb_Fonctions;
    TButton* Button1;
    TButton* Button2;
    TSpeedButton* sb_Up;
    TSpeedButton* sb_Down;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;

private:
    void Ajoute(TTreeNode* noeud);
    void Deplace(int sens);
    std::unique_ptr<TStringList> entrees_;
};

class Tf_FavorisEx : public TBrivantelForm
{
public:
    explicit Tf_FavorisEx(TComponent* AOwner);
    void Init(std::unique_ptr<TStringList> entrees, const std::vector<int>& caches, bool menuGauche, bool menuHaut);
    // The hidden functions of a predefined mode (0 "Parieur" .. 4 "Personnalisé").
    static std::string ListeMode(int index);
    // The functions left unticked, in tree order.
    std::vector<int> Caches() const;

    void cb_modesChange(TObject* Sender);
    void b_ValiderClick(TObject* Sender);

    TFondCopie* Fond;
    TLabel* Label1;
    TComboBox* cb_modes;
    TTreeViewCombo* tvc_Option;
    TCarreCoche* cb_MenuHaut;
    TCarreCoche* cb_MenuGauche;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;

private:
    std::unique_ptr<TStringList> entrees_;
};
