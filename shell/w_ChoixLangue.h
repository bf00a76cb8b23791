// The language choice: French or English, written to [General] Langue; the new
// language takes effect at the next start.
#pragma once

#include <string>

#include "ui/BrivantelForm.h"

class TFondCopie;
class TRondCoche;
class TBoutonCopie;
class TLabel;

class Tf_ChoixLangue : public TBrivantelForm
{
public:
    explicit Tf_ChoixLangue(TComponent* AOwner);

    // The settings file, set by the caller before showing the dialog.
    std::string FichierIni;

    TFondCopie* Fond;
    TLabel* Label1;
    TRondCoche* rc_Francais;
    TRondCoche* rc_Anglais;
    TBoutonCopie* b_Valider;
    // Where the keyboard stands: 0 French, 1 English, 2 OK.
    int Focus = 0;

private:
    // The keyboard to that place; a language placed on is chosen.
    void Place(int focus);
    void FormShow(TObject* Sender);
    void b_ValiderClick(TObject* Sender);
    std::string courante_;
};
