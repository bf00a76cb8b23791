// The shape of a knock-out cup: its name, club or national teams, the rounds
// (1 to 10) with their number of ties and kind of tie. The records run from
// the first round played to the final.
#pragma once

#include <vector>

#include "model/Championnat.h"
#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TComboBox;
class TEdit;
class TFondCopie;
class TRondCoche;
class TScrollBox;
class TUpDown;

class Tf_CreationCoupe : public TBrivantelForm
{
public:
    explicit Tf_CreationCoupe(TComponent* AOwner);

    static constexpr int MaxTours = 10;
    std::vector<TInfoTourCoupe> Tours;   // filled on validation
    int NbTour() const { return nbTour_; }

    TFondCopie* FondCopie1 = nullptr;
    TEdit* e_NomCoupe = nullptr;
    TRondCoche* rc_National = nullptr;
    TRondCoche* rc_International = nullptr;
    TEdit* e_nTour = nullptr;
    TUpDown* ud_nTour = nullptr;
    TComboBox* cb_TypeMatchs = nullptr;
    TScrollBox* FondScroll1 = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;
    // The controls of round r (1 the final): ties box, its up-down, kind.
    TUpDown* NbMatch(int r) const;
    TComboBox* TypeMatch(int r) const;

private:
    struct TLigne
    {
        std::vector<TControl*> Controles;
        TUpDown* Nombre = nullptr;
        TComboBox* Type = nullptr;
    };
    void ConstruitLigne(int r);
    void e_nTourChange();
    void b_ValiderClick();
    std::vector<TLigne> lignes_;
    int nbTour_ = 0;
    int typeDefaut_ = 0;
};
