#include "views/w_ChoixJournee.h"

#include "model/Championnat.h"
#include "model/Saison.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "views/Textes.h"

using vues::Texte;

TBoutonCopie* BoutonDialogue(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int w,
                             const char* maitre)
{
    auto* b = new TBoutonCopie(owner);
    b->SetName(nom);
    if (Dessin)
        b->SetModele(Dessin->Bouton(maitre));
    b->SetBounds(x, y, w, 30);
    b->SetDecalX(-1);
    b->SetDecalY(-3);
    b->Font().SetStyle(fsBold);
    b->SetParent(parent);
    return b;
}

namespace {

void FormeDialogue(TBrivantelForm* f, const char* nom, int largeur, int hauteur)
{
    f->SetName(nom);
    f->SetBorderStyle(bsDialog);
    f->SetBorderIcons(biSystemMenu);
    f->Position = poMainFormCenter;
    f->SetColor(CouleurFondFonceDessin);
    f->SetClientWidth(largeur);
    f->SetClientHeight(hauteur);
}

}  // namespace

// ---- matchday by number ----------------------------------------------------------------
Tf_ChoixJournee::Tf_ChoixJournee(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    FormeDialogue(this, "f_ChoixJournee", 300, 112);

    Edit1 = new TEdit(this);
    Edit1->SetName("Edit1");
    Edit1->SetReadOnly(true);
    Edit1->SetBounds(12, 10, 276, 22);
    Edit1->SetParent(this);

    ScrollBar1 = new TScrollBar(this);
    ScrollBar1->SetName("ScrollBar1");
    ScrollBar1->SetKind(sbHorizontal);
    ScrollBar1->SetParams(1, 1, 34);
    ScrollBar1->SetBounds(12, 38, 276, 18);
    ScrollBar1->SetParent(this);

    BoutonCopie1 = BoutonDialogue(this, this, "BoutonCopie1", 36, 70, 108);
    BoutonCopie2 = BoutonDialogue(this, this, "BoutonCopie2", 156, 70, 108);
    BoutonCopie1->Default = true;
    BoutonCopie2->Cancel = true;
    BoutonCopie2->ModalResult = 2;

    SetCaption(Texte(755, L1("Choix de la journée")));
    BoutonCopie1->SetCaption(Texte(29, "Valider"));
    BoutonCopie2->SetCaption(Texte(125, "Annuler"));

    ScrollBar1->OnChange = [this](TObject* s) { ScrollBar1Change(s); };
    BoutonCopie1->OnClick = [this](TObject* s) { BoutonCopie1Click(s); };
    OnShow = [this](TObject* s) { FormActivate(s); };
    DoCreate();
}

void Tf_ChoixJournee::FormActivate(TObject*)
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    const int maximum = c && c->NbJour() > 0 ? c->NbJour() : 1;
    ScrollBar1->SetParams(std::clamp(static_cast<int>(Tag), 1, maximum), 1, maximum);
    ScrollBar1->SetLargeChange(maximum / 10 == 0 ? 1 : maximum / 10);
    ScrollBar1Change(ScrollBar1);
}

void Tf_ChoixJournee::ScrollBar1Change(TObject*)
{
    Edit1->SetText(std::string(18, ' ') + TraduireFormat(151, {ScrollBar1->Position()}));
}

void Tf_ChoixJournee::BoutonCopie1Click(TObject*)
{
    Tag = ScrollBar1->Position();
    SetModalResult(1);
}

// ---- matchday by date ------------------------------------------------------------------
Tf_ChoixDate::Tf_ChoixDate(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    FormeDialogue(this, "f_ChoixDate", 260, 232);

    mc_date = new TMonthCalendar(this);
    mc_date->SetName("mc_date");
    mc_date->SetBounds(10, 10, 240, 172);
    mc_date->SetParent(this);
    DateChoisie = Date();
    mc_date->SetDate(DateChoisie);

    BoutonCopie1 = BoutonDialogue(this, this, "BoutonCopie1", 20, 192, 104);
    BoutonCopie2 = BoutonDialogue(this, this, "BoutonCopie2", 136, 192, 104);
    BoutonCopie1->Default = true;
    BoutonCopie2->Cancel = true;
    BoutonCopie2->ModalResult = 2;

    SetCaption(Texte(626, "Choix de la date"));
    BoutonCopie1->SetCaption(Texte(29, "Valider"));
    BoutonCopie2->SetCaption(Texte(125, "Annuler"));
    BoutonCopie1->OnClick = [this](TObject*) {
        DateChoisie = mc_date->Date();
        SetModalResult(1);
    };
    DoCreate();
}
