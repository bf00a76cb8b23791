#include "shell/w_AstuceJour.h"

#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"

namespace {
std::string Texte(int id, const char* defaut)
{
    const std::string t = Traduire(id);
    return t.empty() ? L1(defaut) : t;
}
}  // namespace

Tf_AstuceJour::Tf_AstuceJour(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_AstuceJour");
    SetCaption(Texte(1308, "Astuce du jour"));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(420);
    SetClientHeight(230);

    Fond = new TFondCopie(this);
    Fond->SetName("Fond");
    Fond->SetBounds(8, 8, 404, 170);
    if (Dessin)
        Fond->SetModele(Dessin->FondCarrebleuSimple);
    Fond->SetParent(this);

    l_Titre = new TLabel(this);
    l_Titre->SetName("l_Titre");
    l_Titre->SetCaption(Texte(1308, "Astuce du jour"));
    l_Titre->SetTransparent(true);
    l_Titre->Font().SetStyle(fsBold);
    l_Titre->Font().SetSize(11);
    l_Titre->Font().SetColor(0x00FFFF);
    l_Titre->SetBounds(18, 14, 300, 20);
    l_Titre->SetParent(Fond);

    m_Astuce = new TMemo(this);
    m_Astuce->SetName("m_Astuce");
    m_Astuce->SetReadOnly(true);
    m_Astuce->SetBounds(18, 42, 368, 86);
    m_Astuce->SetParent(Fond);

    cb_Demarrage = new TCarreCoche(this);
    cb_Demarrage->SetName("cb_Demarrage");
    cb_Demarrage->SetCaption(Texte(1310, "Afficher les astuces au démarrage"));
    cb_Demarrage->SetBounds(18, 140, 300, 18);
    cb_Demarrage->Font().SetColor(clWhite);
    cb_Demarrage->SetChecked(true);
    cb_Demarrage->SetParent(Fond);

    bc_suivante = new TBoutonCopie(this);
    bc_suivante->SetName("bc_suivante");
    bc_suivante->SetCaption(Texte(1309, "Suivante"));
    bc_Continuer = new TBoutonCopie(this);
    bc_Continuer->SetName("bc_Continuer");
    bc_Continuer->SetCaption(Texte(27, "Continuer"));
    bc_Continuer->ModalResult = mrOk;
    bc_Continuer->Default = true;
    bc_Continuer->Cancel = true;
    TBoutonCopie* boutons[2] = {bc_suivante, bc_Continuer};
    for (int i = 0; i < 2; ++i)
    {
        TBoutonCopie* b = boutons[i];
        if (Dessin)
            b->SetModele(Dessin->BoutonOrange);
        b->SetBounds(i == 0 ? 196 : 308, 188, 104, 31);
        b->SetDecalX(-1);
        b->SetDecalY(-3);
        b->Font().SetStyle(fsBold);
        b->SetParent(this);
    }
    bc_suivante->OnClick = [this](TObject*) {
        ++n_;
        AfficheAstuce();
    };

    OnShow = [this](TObject*) {
        n_ = TIniFile(FichierIni).ReadInteger("General", "nAstuce", 0);
        AfficheAstuce();
    };
    OnClose = [this](TObject*, TCloseAction&) {
        TIniFile ini(FichierIni);
        ini.WriteInteger("General", "nAstuce", (n_ + 1) % 9);
        ini.WriteBool("General", "ShowAstuce", cb_Demarrage->Checked());
    };
    DoCreate();
}

void Tf_AstuceJour::AfficheAstuce()
{
    // Tip 2 holds line breaks ("%rc"): it goes through the formatted lookup,
    // whichever turn of the nine shows it.
    const int tip = ((n_ % 9) + 9) % 9;
    m_Astuce->SetText(tip == 2 ? TraduireFormat(tip + 2000, {std::string()}) : Traduire(tip + 2000));
}
