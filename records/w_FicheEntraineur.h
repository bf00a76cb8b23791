// The person frame (identity and contact details of a person) and the coach
// card that embeds it.
#pragma once

#include <string>

#include "platform/gui/ExtCtrls.h"
#include "ui/BrivantelForm.h"

class TLabel;
class TEdit;
class TMemo;
class TComboBox98;
class TBoutonCopie;
class TPanel;
class TPersonnelCoordonnees;
class TEntraineur;

class Tf_CadrePersonne : public TPanel
{
public:
    explicit Tf_CadrePersonne(TComponent* AOwner);
    // The captions; every label takes the colour.
    void Init(TColor couleurLibelles);
    void ChangeSaison(TSaison* saison);
    // Shows a person; nil clears the frame unless it was filled before.
    void AffichePersonne(TPersonnelCoordonnees* personne);
    // Checks the name: false with the reason (nothing written). The birth
    // year is weighed by its reading (ui/Nombres.h) with the card's counters.
    bool Verifie(std::string& erreur) const;
    // Writes the fields into the person; true when any changed.
    bool EnregistrePersonne();

    TPersonnelCoordonnees* Personne = nullptr;
    TSaison* Saison = nullptr;
    bool Charge = false;
    TEdit* e_Nom = nullptr;
    TEdit* e_Prenom = nullptr;
    TComboBox98* cb_Pays = nullptr;
    TEdit* e_Age = nullptr;
    TMemo* m_Adresse = nullptr;
    TEdit* e_Cp = nullptr;
    TEdit* e_Ville = nullptr;
    TEdit* e_Telephone = nullptr;
    TEdit* e_Portable = nullptr;
    TEdit* e_Fax = nullptr;
    TEdit* e_Email = nullptr;

private:
    std::vector<TLabel*> libelles_;
};

class Tf_FicheEntraineur : public TBrivantelForm
{
public:
    explicit Tf_FicheEntraineur(TComponent* AOwner);
    void AppliqueCouleurs() override;

    // The coach shown (nullptr: a new one, created on validation); after OK the
    // coach kept by the season's list.
    TEntraineur* Entraineur = nullptr;
    bool Modifie = false;

    Tf_CadrePersonne* c_Personne = nullptr;
    TComboBox98* cb_ClubPrec = nullptr;
    TEdit* e_Equipes = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;

    void b_ValiderClick(TObject* Sender);

protected:
    void DoShow() override;

private:
    std::unique_ptr<TEntraineur> nouveau_;
};
