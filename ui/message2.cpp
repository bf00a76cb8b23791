#include "ui/message2.h"

#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"

namespace
{
constexpr int LargeurInitiale = 320;
constexpr int LargeurLarge = 400;
constexpr int HautLabel = 10;
constexpr int LargeurBouton = 96;
constexpr int HauteurBouton = 31;
constexpr int EcartBouton = 10;
}

TDispositionMessage DispositionMessage(int boutons)
{
    TDispositionMessage d;
    const bool oui = boutons & mbuOui, non = boutons & mbuNon, valider = boutons & mbuValider,
               annuler = boutons & mbuAnnuler;
    if (oui)
        d.Boutons.push_back({121, mrYes});
    if (valider)
        d.Boutons.push_back({123, mrOk});
    if (non)
        d.Boutons.push_back({126, mrNo});
    if (annuler)
        d.Boutons.push_back({125, mrCancel});
    if (d.Boutons.empty())
        d.Boutons.push_back({0, mrOk});   // the stored "Oui" button
    d.Titre = valider ? 124 : (oui ? 122 : 0);
    return d;
}

Tf_MessageUtil::Tf_MessageUtil(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_MessageUtil");
    SetCaption("Informations");
    SetBorderStyle(bsToolWindow);
    SetBorderIcons(biSystemMenu);
    Position = poOwnerFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(LargeurInitiale);
    SetClientHeight(100);

    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->SetParent(this);
    Label1->SetAlignment(taCenter);
    Label1->SetWordWrap(true);
    Label1->SetTransparent(true);
    Label1->Font().SetStyle(fsBold);
    Label1->Font().SetSize(9);
    Label1->Font().SetColor(clYellow);
    Label1->SetBounds(6, HautLabel, LargeurInitiale - 12, 20);

    TBoutonCopie** boutons[4] = {&BoutonCopie1, &BoutonCopie2, &BoutonCopie3, &BoutonCopie4};
    const char* legendes[4] = {"Oui", "Valider", "Non", "Annuler"};
    // in the language of the interface, the French ones when no language file is there
    static const int textes[4] = {121, 123, 126, 125};
    for (int i = 0; i < 4; ++i)
    {
        auto* b = new TBoutonCopie(this);
        b->SetName("BoutonCopie" + IntToStr(i + 1));
        if (Dessin)
            b->SetModele(Dessin->BoutonOrange);
        const std::string traduit = Traduire(textes[i]);
        b->SetCaption(traduit.empty() ? L1(legendes[i]) : traduit);
        b->Font().SetStyle(fsBold);
        b->SetDecalX(-1);
        b->SetDecalY(-3);
        b->SetBounds(0, 0, LargeurBouton, HauteurBouton);
        b->SetAnchors(akLeft | akBottom);
        b->SetVisible(false);
        b->OnClick = [this](TObject* s) { BoutonCopie1Click(s); };
        b->SetParent(this);
        *boutons[i] = b;
    }
    DoCreate();
}

void Tf_MessageUtil::BoutonCopie1Click(TObject* Sender)
{
    if (auto* b = dynamic_cast<TBoutonCopie*>(Sender))
        SetModalResult(static_cast<TModalResult>(b->Tag));
}

void Tf_MessageUtil::Prepare(const std::string& texte, int boutons)
{
    Label1->SetCaption(texte);
    Label1->SetAutoSize(true);
    Label1->AdjustBounds();
    if (Label1->Height() > 60)
        SetClientWidth(LargeurLarge);
    Label1->SetAutoSize(false);
    Label1->SetBounds(6, HautLabel, ClientWidth() - 12, Label1->Height());
    Label1->SetAutoSize(true);
    Label1->AdjustBounds();
    Label1->SetWidth(ClientWidth() - 12);
    SetClientHeight(HautLabel + Label1->Height() + 44);

    const TDispositionMessage d = DispositionMessage(boutons);
    if (d.Titre && !Traduire(d.Titre).empty())
        SetCaption(Traduire(d.Titre));
    TBoutonCopie* tous[4] = {BoutonCopie1, BoutonCopie2, BoutonCopie3, BoutonCopie4};
    const int n = static_cast<int>(d.Boutons.size());
    const int largeur = n * LargeurBouton + (n - 1) * EcartBouton;
    int x = (ClientWidth() - largeur) / 2;
    const int y = ClientHeight() - HauteurBouton - 7;
    for (int i = 0; i < 4; ++i)
    {
        TBoutonCopie* b = tous[i];
        b->SetVisible(i < n);
        if (i >= n)
            continue;
        const TBoutonMessage& m = d.Boutons[static_cast<size_t>(i)];
        if (m.Texte && !Traduire(m.Texte).empty())
            b->SetCaption(Traduire(m.Texte));
        b->Tag = m.Resultat;
        b->Default = i == 0;
        b->Cancel = m.Resultat == mrCancel;
        b->SetBounds(x, y, LargeurBouton, HauteurBouton);
        x += LargeurBouton + EcartBouton;
    }
}

uint16_t Tf_MessageUtil::Affiche(const std::string& texte, int boutons)
{
    TOwned<Tf_MessageUtil> f(new Tf_MessageUtil(nullptr));
    f->ChangeCouleurs(Dessin ? Dessin->Couleurs : TCouleurElement());
    f->Prepare(texte, boutons);
    return static_cast<uint16_t>(f->ShowModal());
}
