// The two small choices of a matchday: by number (Tf_ChoixJournee) and by
// calendar date (Tf_ChoixDate). Both are modal, answer 1 on "Valider" and 2
// on "Annuler".
//
//     Tf_ChoixJournee d(this);
//     d.ChangeCouleurs(Couleurs);
//     d.ChangeSaison(Saison);
//     d.Tag = journeeCourante;
//     if (d.ShowModal() == 1) journee = d.Tag;
//
//     Tf_ChoixDate c(this);
//     if (c.ShowModal() == 1) date = c.DateChoisie;   // a TDateTime
#pragma once

#include "platform/rtl/DateTime.h"
#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TEdit;
class TMonthCalendar;
class TScrollBar;

class Tf_ChoixJournee : public TBrivantelForm
{
public:
    explicit Tf_ChoixJournee(TComponent* AOwner);

    TEdit* Edit1;
    TScrollBar* ScrollBar1;
    TBoutonCopie* BoutonCopie1;   // "Valider"
    TBoutonCopie* BoutonCopie2;   // "Annuler"

    // Range from the current championship, position from the tag.
    void FormActivate(TObject* Sender);
    void ScrollBar1Change(TObject* Sender);
    void BoutonCopie1Click(TObject* Sender);
};

class Tf_ChoixDate : public TBrivantelForm
{
public:
    explicit Tf_ChoixDate(TComponent* AOwner);

    TMonthCalendar* mc_date;
    TBoutonCopie* BoutonCopie1;   // "Valider"
    TBoutonCopie* BoutonCopie2;   // "Annuler"

    // The calendar's date when validated (today until then).
    TDateTime DateChoisie = 0;
};

// Buttons of the small dialogs: a copy of the skin's master, bold caption.
TBoutonCopie* BoutonDialogue(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int w,
                             const char* maitre = "BoutonOrange");
