#include "ui/Dessin.h"

#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

TDessin* Dessin = nullptr;

namespace
{
struct Maitre
{
    const char* nom;
    bool bouton;
    int w, h;
    int l, t, r, b;
};

// Masters in the module's order, with the size of their picture and their margins.
const Maitre Maitres[] = {
    {"BoutonOrange", true, 113, 31, 15, 0, 15, 0},
    {"RondCreuxBleu", false, 25, 25, 0, 0, 0, 0},
    {"RondCreuxRouge", false, 25, 25, 0, 0, 0, 0},
    {"RondCreuxJaune", false, 25, 25, 0, 0, 0, 0},
    {"FondCarrebleu", false, 73, 65, 10, 10, 10, 10},
    {"Boutonorange2", true, 113, 31, 15, 0, 15, 0},
    {"FondMenuBleu", false, 81, 65, 20, 20, 20, 20},
    {"FondToutBleu", false, 9, 13, 0, 0, 0, 0},
    {"FondCreuxBleu", false, 89, 69, 8, 8, 8, 8},
    {"BoutonCreuxBleu", false, 129, 25, 15, 0, 15, 0},
    {"BoutonCreuxJaune", false, 129, 25, 10, 0, 10, 0},
    {"BoutonCreuxRouge", false, 129, 25, 10, 0, 10, 0},
    {"PetitBoutonCreuxBleu", false, 129, 20, 10, 0, 10, 0},
    {"PetitRondCreuxBleu", false, 22, 22, 0, 0, 0, 0},
    {"BoutonCreuxOrange", false, 129, 25, 10, 0, 10, 0},
    {"RondCreuxOrange", false, 25, 25, 0, 0, 0, 0},
    {"FondCarrebleuSimple", false, 73, 65, 10, 10, 10, 10},
    {"BoutonCreuxSel3", false, 129, 25, 15, 0, 15, 0},
    {"BoutonCreuxSel1", false, 129, 25, 15, 0, 15, 0},
    {"BoutonCreuxSel2", false, 129, 25, 15, 0, 15, 0},
    {"BoutonOrange3", true, 113, 31, 15, 0, 15, 0},
    {"FondToutBleuFonce", false, 9, 13, 0, 0, 0, 0},
    {"BoutonCreuxSel4", false, 129, 25, 15, 0, 15, 0},
};

// Which picture of which masters a design entry sets.
enum Cible { cBitmap, cSelection, cUp, cDown };
struct ElementImage
{
    const char* element;
    Cible cible;
    std::vector<const char*> maitres;
};

const std::vector<ElementImage>& Elements()
{
    static const std::vector<ElementImage> elements = {
        {"FondMenu", cBitmap, {"FondMenuBleu"}},
        {"FondCreux", cBitmap, {"FondCreuxBleu"}},
        {"FondCadre", cBitmap, {"FondCarrebleu"}},
        {"FondCadreSansOmbre", cBitmap, {"FondCarrebleuSimple"}},
        {"MonoColor", cBitmap, {"FondToutBleu"}},
        {"MonoColorFonce", cBitmap, {"FondToutBleuFonce"}},
        {"BoutonOrangeUp", cUp, {"BoutonOrange"}},
        {"BoutonOrangeDown", cDown, {"BoutonOrange"}},
        {"BoutonOrangeUpFonce", cUp, {"BoutonOrange3"}},
        {"BoutonOrangeDownFonce", cDown, {"BoutonOrange3"}},
        {"BoutonOrangeUpClair", cUp, {"Boutonorange2"}},
        {"BoutonOrangeDownClair", cDown, {"Boutonorange2"}},
        {"BoutonCreuxClassique1", cBitmap,
         {"BoutonCreuxBleu", "BoutonCreuxSel1", "BoutonCreuxSel2", "BoutonCreuxSel3", "BoutonCreuxSel4"}},
        {"BoutonCreuxClassique2", cBitmap, {"BoutonCreuxOrange"}},
        {"BoutonCreuxJaune", cBitmap, {"BoutonCreuxJaune"}},
        {"BoutonCreuxRouge", cBitmap, {"BoutonCreuxRouge"}},
        {"BoutonCreuxSelection", cSelection, {"BoutonCreuxBleu", "BoutonCreuxJaune", "BoutonCreuxRouge"}},
        {"BoutonCreux1", cSelection, {"BoutonCreuxSel1"}},
        {"BoutonCreux2", cSelection, {"BoutonCreuxSel2"}},
        {"BoutonCreux3", cSelection, {"BoutonCreuxSel3"}},
        {"BoutonCreux4", cSelection, {"BoutonCreuxSel4"}},
        {"RondCreuxClassique1", cBitmap, {"RondCreuxBleu"}},
        {"RondCreuxClassique2", cBitmap, {"RondCreuxOrange"}},
        {"RondCreuxJaune", cBitmap, {"RondCreuxJaune"}},
        {"RondCreuxRouge", cBitmap, {"RondCreuxRouge"}},
        {"RondCreuxSelection", cSelection, {"RondCreuxBleu", "RondCreuxOrange", "RondCreuxJaune", "RondCreuxRouge"}},
        {"PetitBoutonCreux", cBitmap, {"PetitBoutonCreuxBleu"}},
        {"PetitRondCreux", cBitmap, {"PetitRondCreuxBleu"}},
        {"PetitRondCreuxSelection", cSelection, {"PetitRondCreuxBleu"}},
    };
    return elements;
}

std::string SansPrefixe(const std::string& modele)
{
    if (CompareText(Copy(modele, 1, 7), "Dessin.") == 0)
        return Copy(modele, 8, static_cast<int>(modele.size()));
    return modele;
}
}

TDessin::TDessin(TComponent* AOwner, const std::string& dossierProgramme) : TForm(AOwner)
{
    SetName("Dessin");
    SetCaption("Dessin");
    SetBounds(0, 0, 300, 200);
    for (const Maitre& m : Maitres)
    {
        TControl* c = nullptr;
        if (m.bouton)
        {
            auto* b = new TBouton(this);
            b->MargeMotif()->SetMarges(m.l, m.t, m.r, m.b);
            b->SetDecalX(-1);
            b->SetDecalY(-3);
            b->Setcouleur(clBlack);
            b->SetcouleurOver(clBlack);
            c = b;
        }
        else
        {
            auto* f = new TFond(this);
            f->MargeMotif()->SetMarges(m.l, m.t, m.r, m.b);
            c = f;
        }
        c->SetName(m.nom);
        c->SetBounds(0, 0, m.w, m.h);
        c->SetVisible(false);
        c->SetParent(this);
        maitres_.push_back(c);
    }
    BoutonOrange = dynamic_cast<TBouton*>(Bouton("BoutonOrange"));
    Boutonorange2 = dynamic_cast<TBouton*>(Bouton("Boutonorange2"));
    FondCarrebleuSimple = dynamic_cast<TFond*>(Fond("FondCarrebleuSimple"));

    // The stored look: the pictures of the blue design.
    const std::string dossier = dossierProgramme.empty() ? ProgramDir() : dossierProgramme;
    for (const std::string& e : ElementsImage())
        AppliqueImage(e, MakePath(dossier, "designs\\bleu\\" + e + ".png"));
    Dessin = this;
    DoCreate();
}

TDessin::~TDessin()
{
    if (Dessin == this)
        Dessin = nullptr;
}

TFondModele* TDessin::Fond(const std::string& nom) const
{
    for (TControl* c : maitres_)
        if (CompareText(c->Name(), nom) == 0)
            return dynamic_cast<TFondModele*>(c);
    return nullptr;
}

TBoutonModele* TDessin::Bouton(const std::string& nom) const
{
    for (TControl* c : maitres_)
        if (CompareText(c->Name(), nom) == 0)
            return dynamic_cast<TBoutonModele*>(c);
    return nullptr;
}

TFondModele* TDessin::FondModele(const std::string& modele) const
{
    return Fond(SansPrefixe(modele));
}

TBoutonModele* TDessin::BoutonModele(const std::string& modele) const
{
    return Bouton(SansPrefixe(modele));
}

std::vector<std::string> TDessin::NomsMaitres()
{
    std::vector<std::string> noms;
    for (const Maitre& m : Maitres)
        noms.emplace_back(m.nom);
    return noms;
}

std::vector<std::string> TDessin::ElementsImage()
{
    std::vector<std::string> noms;
    for (const ElementImage& e : Elements())
        noms.emplace_back(e.element);
    return noms;
}

bool TDessin::EstElementImage(const std::string& element)
{
    for (const ElementImage& e : Elements())
        if (element == e.element)
            return true;
    return false;
}

bool TDessin::AppliqueImage(const std::string& element, const std::string& fichier)
{
    for (const ElementImage& e : Elements())
    {
        if (element != e.element)
            continue;
        TBitmap image;
        if (!ChargeImageBitmap(fichier, image))
            return true;
        for (const char* nom : e.maitres)
        {
            if (e.cible == cUp || e.cible == cDown)
            {
                if (TBoutonModele* b = Bouton(nom))
                    e.cible == cUp ? b->SetBitmapUp(image) : b->SetBitmapDown(image);
            }
            else if (TFondModele* f = Fond(nom))
                e.cible == cBitmap ? f->SetBitmap(image) : f->SetBitmapSelection(image);
        }
        return true;
    }
    return false;
}
