#include "files/w_ChoixLogiciel.h"

#include "files/ChargeurSaison.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"

namespace {

constexpr int TexteTitre = 1563;
constexpr int Largeur = 360;
constexpr int HautChoix = 70;     // first row of choices inside the panel
constexpr int EcartLigne = 26;
constexpr int sportAucunChoisi = 6;
const char* const NomsSports[4] = {"Football", "Rugby", "Basket-ball", "Handball"};

std::string TexteOu(int id, const std::string& defaut)
{
    const std::string t = Traduire(id);
    return t.empty() ? defaut : t;
}

}  // namespace

Tf_ChoixLogiciel::Tf_ChoixLogiciel(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_ChoixLogiciel");
    SetCaption(TexteOu(TexteTitre, "Choix du sport"));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(Largeur);
    SetClientHeight(190);

    FondCopie1 = new TFondCopie(this);
    FondCopie1->SetName("FondCopie1");
    FondCopie1->SetBounds(8, 8, Largeur - 16, 130);
    if (Dessin)
        FondCopie1->SetModele(Dessin->FondCarrebleuSimple);
    FondCopie1->SetParent(this);

    l_Invite = new TLabel(this);
    l_Invite->SetName("l_Invite");
    l_Invite->SetTransparent(true);
    l_Invite->SetWordWrap(true);
    l_Invite->SetAutoSize(false);
    l_Invite->Font().SetStyle(fsBold);
    l_Invite->Font().SetColor(clWhite);
    l_Invite->SetBounds(16, 12, Largeur - 48, 48);
    l_Invite->SetParent(FondCopie1);

    for (int s = 0; s < 4; ++s) {
        auto* r = new TRondCoche(this);
        r->SetName("rc_Sport" + IntToStr(s));
        r->SetCaption(s == 2 ? TexteOu(3919, NomsSports[s]) : std::string(NomsSports[s]));
        r->Font().SetStyle(fsBold);
        r->Font().SetColor(clWhite);
        r->SetBounds(40, HautChoix, 130, 20);
        r->SetParent(FondCopie1);
        rc_Sport[s] = r;
    }

    b_Valider = new TBoutonCopie(this);
    b_Valider->SetName("b_Valider");
    b_Annuler = new TBoutonCopie(this);
    b_Annuler->SetName("b_Annuler");
    TBoutonCopie* boutons[2] = {b_Valider, b_Annuler};
    for (int i = 0; i < 2; ++i) {
        TBoutonCopie* b = boutons[i];
        if (Dessin)
            b->SetModele(Dessin->BoutonOrange);
        b->SetDecalX(-1);
        b->SetDecalY(-3);
        b->Font().SetStyle(fsBold);
        b->SetParent(this);
    }
    b_Valider->SetCaption(TexteOu(29, "Valider"));
    b_Valider->ModalResult = mrOk;
    b_Valider->Default = true;
    b_Annuler->SetCaption(TexteOu(125, "Annuler"));
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    DoCreate();
}

void Tf_ChoixLogiciel::Prepare(uint8_t sports, int texteInvite)
{
    l_Invite->SetCaption(Traduire(texteInvite));
    const bool tous = sports & (1u << 4);
    int k = 0;
    for (int s = 0; s < 4; ++s) {
        TRondCoche* r = rc_Sport[s];
        r->SetChecked(false);
        const bool offert = tous || (sports & (1u << s));
        r->SetVisible(offert);
        if (!offert)
            continue;
        r->SetBounds(k % 2 == 0 ? 40 : 190, HautChoix + (k / 2) * EcartLigne, 130, 20);
        ++k;
    }
    const int lignes = (k + 1) / 2;
    FondCopie1->SetHeight(HautChoix + lignes * EcartLigne + 8);
    const int hautBoutons = FondCopie1->Top() + FondCopie1->Height() + 12;
    b_Valider->SetBounds(Largeur / 2 - 104, hautBoutons, 96, 31);
    b_Annuler->SetBounds(Largeur / 2 + 8, hautBoutons, 96, 31);
    SetClientHeight(hautBoutons + 31 + 10);
}

uint8_t Tf_ChoixLogiciel::SportChoisi() const
{
    if (ModalResult() == mrCancel)
        return sportAucunChoisi;
    for (int s = 0; s < 4; ++s)
        if (rc_Sport[s]->Visible() && rc_Sport[s]->Checked())
            return static_cast<uint8_t>(s);
    return sportAucunChoisi;
}

uint8_t DemandeSport(TEnsembleSports sports, int texteInvite)
{
    TOwned<Tf_ChoixLogiciel> f(new Tf_ChoixLogiciel(nullptr));
    f->ChangeCouleurs(Dessin ? Dessin->Couleurs : TCouleurElement());
    f->Prepare(sports, texteInvite);
    f->ShowModal();
    return f->SportChoisi();
}
