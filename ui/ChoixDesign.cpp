#include "ui/ChoixDesign.h"

#include "model/ioXml.h"
#include "model/oTraducteur.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/message2.h"

#include <cctype>
#include <functional>

namespace
{
// The translated text, or the design's own before any language is loaded.
std::string TexteOuDefaut(int id, const std::string& defaut)
{
    const std::string t = Traduire(id);
    return t.empty() ? defaut : t;
}

std::string CheminDesigns(const std::string& dossier)
{
    return MakePath(dossier, "designs\\designs.xml");
}

// Reads up to the root element; true when it is "designs".
bool LitRacine(TXmlReader& r)
{
    for (;;)
    {
        const uint8_t j = r.ElementSuivant();
        if (j == xmlFinFlux)
            return false;
        if (j == xmlComplet && (r.Nom() == "xml" || (!r.Nom().empty() && r.Nom()[0] == '!')))
            continue;
        return j == xmlDebut && r.Nom() == "designs";
    }
}

// Hands each element of the design file's root to f, which reads or skips it
// and answers false to stop. False, after a message, when the file has no
// "designs" root.
bool ParcourtDesigns(const std::string& chemin, const std::function<bool(TXmlReader& r, uint8_t j)>& f)
{
    TXmlReader r(chemin);
    if (!LitRacine(r))
    {
        Tf_MessageUtil::Affiche(TraduireFormat(1557, {FileNameToText(chemin)}), mbuValider);
        return false;
    }
    for (;;)
    {
        const uint8_t j = r.ElementSuivant();
        if (j == xmlFin || j == xmlFinFlux || !f(r, j))
            return true;
    }
}

void Applique(TXmlReader& r, const std::string& dossier, TCouleurElement& couleurs)
{
    std::string dossierDesign;
    for (;;)
    {
        const uint8_t j = r.ElementSuivant();
        if (j == xmlFin || j == xmlFinFlux)
            return;
        if (j == xmlDebut)
        {
            r.SauteElement(j);
            continue;
        }
        const std::string nom = r.Nom();
        const std::string texte = r.Texte();
        const int i = TCouleurElement::Indice(nom);
        if (nom == "base")
            dossierDesign = texte;
        else if (i >= 0 && i < TCouleurElement::NbCouleur)
            *couleurs.Couleur(i) = LitCouleurDesign(texte, TCouleurElement::Defaut(i));
        else if (nom == "BitmapMenu" || nom == "BitmapCentre")
            *couleurs.Chaine(i) = MakePath(dossier, dossierDesign + "\\" + texte);
        else if (nom == "FontMenu")
            couleurs.FontMenu = texte;
        else if (Dessin && TDessin::EstElementImage(nom))
            Dessin->AppliqueImage(nom, MakePath(dossier, dossierDesign + "\\" + texte));
    }
}
}

TColor LitCouleurDesign(const std::string& texte, TColor defaut)
{
    if (texte.empty() || texte.size() > 8)
        return defaut;
    for (char c : texte)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return defaut;
    return static_cast<TColor>(std::stoul(texte, nullptr, 16));
}

void Tf_ChoixDesign::ChargeDesign(const std::string& dossier, int id, TCouleurElement& couleurs)
{
    couleurs.BitmapMenu.clear();
    couleurs.BitmapCentre.clear();
    const std::string chemin = CheminDesigns(dossier);
    if (!FileExists(chemin))
        return;
    bool trouve = false;
    const bool lu = ParcourtDesigns(chemin, [&](TXmlReader& r, uint8_t j) {
        if (r.Nom() != "design" || r.AttributEntier("id", 1) != id)
        {
            r.SauteElement(j);
            return true;
        }
        trouve = true;
        if (j == xmlDebut)
            Applique(r, dossier, couleurs);
        return false;
    });
    if (lu && !trouve && id != 1)
        ChargeDesign(dossier, 1, couleurs);
}

Tf_ChoixDesign::Tf_ChoixDesign(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_ChoixDesign");
    SetCaption(TexteOuDefaut(3411, L1("Choix d'un modèle de design")));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(360);
    SetClientHeight(230);

    Fond = new TFondCopie(this);
    Fond->SetName("Fond");
    Fond->SetBounds(8, 8, 344, 170);
    if (Dessin)
        Fond->SetModele(Dessin->FondCarrebleuSimple);
    Fond->SetParent(this);

    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->SetCaption(TexteOuDefaut(3412, "Choix du design"));
    Label1->SetTransparent(true);
    Label1->Font().SetStyle(fsBold);
    Label1->Font().SetColor(clWhite);
    Label1->SetBounds(20, 18, 200, 16);
    Label1->SetParent(Fond);

    cb_Modele = new TComboBox(this);
    cb_Modele->SetName("cb_Modele");
    cb_Modele->SetStyle(csDropDownList);
    cb_Modele->SetBounds(20, 38, 304, 22);
    cb_Modele->OnChange = [this](TObject* s) { cb_ModeleChange(s); };
    cb_Modele->SetParent(Fond);

    m_Description = new TMemo(this);
    m_Description->SetName("m_Description");
    m_Description->SetReadOnly(true);
    m_Description->SetBounds(20, 70, 304, 84);
    m_Description->SetParent(Fond);

    b_Valider = new TBoutonCopie(this);
    b_Valider->SetName("b_Valider");
    b_Annuler = new TBoutonCopie(this);
    b_Annuler->SetName("b_Annuler");
    TBoutonCopie* boutons[2] = {b_Valider, b_Annuler};
    for (int i = 0; i < 2; ++i)
    {
        TBoutonCopie* b = boutons[i];
        if (Dessin)
            b->SetModele(Dessin->BoutonOrange);
        b->SetBounds(i == 0 ? 80 : 184, 188, 96, 31);
        b->SetDecalX(-1);
        b->SetDecalY(-3);
        b->Font().SetStyle(fsBold);
        b->SetParent(this);
    }
    const std::string valider = Traduire(29), annuler = Traduire(125);
    b_Valider->SetCaption(valider.empty() ? "Valider" : valider);
    b_Valider->ModalResult = mrOk;
    b_Valider->Default = true;
    b_Valider->OnClick = [this](TObject* s) { b_ValiderClick(s); };
    b_Annuler->SetCaption(annuler.empty() ? "Annuler" : annuler);
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    DoCreate();
}

void Tf_ChoixDesign::Init(const std::string& dossier, int idCourant, const std::string& langue)
{
    const std::string suffixe = langue.empty() || langue == "fr" ? std::string() : "_" + langue;
    auto attribut = [&suffixe](TXmlReader& r, const std::string& nom) {
        const std::string v = suffixe.empty() ? std::string() : r.ValeurAttribut(nom + suffixe);
        return v.empty() ? r.ValeurAttribut(nom) : v;
    };
    dossier_ = dossier;
    idCourant_ = idCourant;
    descriptions_.clear();
    cb_Modele->Clear();
    m_Description->Clear();
    const std::string chemin = CheminDesigns(dossier);
    if (!FileExists(chemin))
    {
        Tf_MessageUtil::Affiche(TraduireFormat(1556, {FileNameToText(chemin)}), mbuValider);
        return;
    }
    ParcourtDesigns(chemin, [&](TXmlReader& r, uint8_t j) {
        if (r.Nom() == "design")
        {
            const int id = r.AttributEntier("id", 1);
            const std::string description = attribut(r, "description");
            cb_Modele->Items().AddObject(attribut(r, "nom"), id);
            descriptions_.emplace_back(description, id);
            if (id == idCourant)
            {
                m_Description->SetText(description);
                cb_Modele->SetItemIndex(cb_Modele->Items().Count() - 1);
            }
        }
        r.SauteElement(j);
        return true;
    });
}

void Tf_ChoixDesign::cb_ModeleChange(TObject*)
{
    const int i = cb_Modele->ItemIndex();
    std::string texte;
    if (i >= 0)
    {
        const int id = static_cast<int>(cb_Modele->Items().Objects(i));
        for (const auto& d : descriptions_)
            if (d.second == id)
            {
                texte = d.first;
                break;
            }
    }
    m_Description->SetText(texte);
}

void Tf_ChoixDesign::b_ValiderClick(TObject*)
{
    const int i = cb_Modele->ItemIndex();
    if (i >= 0)
        Resultat = static_cast<int>(cb_Modele->Items().Objects(i));
}
