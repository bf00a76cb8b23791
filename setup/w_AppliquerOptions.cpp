#include "setup/w_AppliquerOptions.h"

#include "setup/Controles.h"

using namespace setup;

Tf_AppliquerOptions::Tf_AppliquerOptions(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    PrepareFiche(this, "f_AppliquerOptions", Traduire(1477), 360, 290);
    SetBorderStyle(bsToolWindow);
    Position = poOwnerFormCenter;
    Label27 = Libelle(this, this, "Label27", Traduire(1476), 8, 8, 344, 34);
    Label27->SetWordWrap(true);
    clb_ChoixOptions = Place(new TCheckListBox(this), this, "clb_ChoixOptions", 8, 46, 344, 196);
    // In index order: what each item applies is the options window's business.
    int objet = 1;
    for (int texte : {823, 824, 825, 1115, 1339, 1340, 829, 832, 1029})
        clb_ChoixOptions->Items().AddObject(Traduire(texte), objet++);
    b_Valider = Bouton(this, this, "b_Valider", Traduire(29), 150, 252);
    b_Valider->ModalResult = mrOk;
    b_Annuler = Bouton(this, this, "b_Annuler", Traduire(125), 256, 252);
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    DoCreate();
}
