// The tip of the day: the nine tips (texts 2000 to 2008) in turn from one start
// to the next; [General] nAstuce and ShowAstuce are written when it closes.
#pragma once

#include <string>

#include "ui/BrivantelForm.h"

class TFondCopie;
class TCarreCoche;
class TBoutonCopie;
class TLabel;
class TMemo;

class Tf_AstuceJour : public TBrivantelForm
{
public:
    explicit Tf_AstuceJour(TComponent* AOwner);

    // The settings file, set by the caller before showing the dialog.
    std::string FichierIni;
    // The number of the tip shown (not reduced).
    int NumeroAstuce() const { return n_; }
    void AfficheAstuce();

    TFondCopie* Fond;
    TLabel* l_Titre;
    TMemo* m_Astuce;
    TCarreCoche* cb_Demarrage;
    TBoutonCopie* bc_suivante;
    TBoutonCopie* bc_Continuer;

private:
    int n_ = 0;
};
