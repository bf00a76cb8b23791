// The small modal dialogs of the results page: the shoot-out of a drawn tie,
// teams added to a cup, the search of a pairing's two meetings and the list of
// a matchday check's findings.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/StringList.h"
#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TCadre;
class TComboBox;
class TComboBox98;
class TEditRond;
class TFondScroll;
class TLabel;
class TListBox;

// Tag in: (home id << 16) + away id. Out, with modal result 1: (home goals <<
// 16) + away goals. Equal scores cannot be validated.
class Tf_Penaltys : public TBrivantelForm
{
public:
    explicit Tf_Penaltys(TComponent* AOwner);
    void FormShow(TObject* Sender);
    void bc_ValiderClick(TObject* Sender);
    TLabel* Label1;
    TCadre* Cadre1;
    TCadre* Cadre2;
    TEditRond* EditRond1;
    TEditRond* EditRond2;
    TBoutonCopie* bc_Valider;
};

// Teams of the season (or new names) added to a cup.
class Tf_AjoutEquipeCoupe : public TBrivantelForm
{
public:
    explicit Tf_AjoutEquipeCoupe(TComponent* AOwner);
    // The cup's names and the season's other teams (name, team id).
    void Prepare(const TStringList& equipesCoupe, const TStringList& offre);
    void b_AjouterClick(TObject* Sender);
    // Chosen: name with the team id, or -1 for a new team.
    TStringList Resultat;
    TLabel* Label1;
    TComboBox98* cb_AjoutEquipe;
    TBoutonCopie* b_Ajouter;
    TListBox* lb_EquipesPresentes;
    TBoutonCopie* b_Continuer;
};

// The two meetings of two teams; Tag out: the matchday chosen.
class Tf_RechercheMatch : public TBrivantelForm
{
public:
    explicit Tf_RechercheMatch(TComponent* AOwner);
    void FormActivate(TObject* Sender);
    void BoutonCopie1Click(TObject* Sender);
    void AppliqueCouleurs() override;
    TLabel* Label1;
    TComboBox* ComboBox1;
    TLabel* Label2;
    TComboBox* ComboBox2;
    TBoutonCopie* BoutonCopie1;
    TBoutonCopie* BoutonCopie2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TBoutonCopie* b_Voir1;
    TBoutonCopie* b_Voir2;
};

// The findings of a matchday check, one label each.
class Tf_Validation : public TBrivantelForm
{
public:
    explicit Tf_Validation(TComponent* AOwner);
    // Title, one label per line, count line.
    void Remplit(const TStringList& lignes, int nombre);
    TLabel* Label1;
    TLabel* Label2;
    TFondScroll* FondScroll1;
    TBoutonCopie* BoutonCopie2;
    std::vector<TLabel*> Lignes;
};
