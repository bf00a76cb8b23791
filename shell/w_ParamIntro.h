// The first-launch settings: the menu mode, the simplified menu and whether
// the site's news are shown at start. The main window reads the choices.
#pragma once

#include "ui/BrivantelForm.h"

class TFondCopie;
class TCarreCoche;
class TBoutonCopie;
class TLabel;
class TComboBox;

class Tf_ParamIntro : public TBrivantelForm
{
public:
    explicit Tf_ParamIntro(TComponent* AOwner);
    void AppliqueCouleurs() override;

    TFondCopie* Fond;
    TLabel* Label2;
    TLabel* Label1;
    TComboBox* cb_modes;
    TCarreCoche* cb_ModeSimplifie;
    TCarreCoche* cb_ConnexionSite;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;
};
