// The skin module: a hidden form that holds the master panels and buttons every
// skinned control copies, and the current colour scheme. The program creates
// it once, right after the main window, and the global Dessin points to it.
//
//     copie->SetModele(Dessin->Fond("FondCarrebleuSimple"));
//     bouton->SetModele(Dessin->Bouton("BoutonOrange"));
//     fenetre->ChangeCouleurs(Dessin->Couleurs);
#pragma once

#include "platform/gui/Forms.h"
#include "ui/Bouton.h"
#include "ui/Couleurs.h"
#include "ui/Fond.h"

#include <string>
#include <vector>

class TDessin : public TForm
{
public:
    // Creates the masters with their sizes and margins and loads their stored
    // pictures from designs\bleu\ under dossierProgramme (default: the program's
    // folder); missing pictures leave a master empty. Sets Dessin.
    explicit TDessin(TComponent* AOwner, const std::string& dossierProgramme = {});
    ~TDessin() override;

    // A master by name (case-insensitive), nullptr when none.
    TFondModele* Fond(const std::string& nom) const;
    TBoutonModele* Bouton(const std::string& nom) const;
    // The master a window description names: "Dessin.BoutonOrange" or "BoutonOrange".
    TFondModele* FondModele(const std::string& modele) const;
    TBoutonModele* BoutonModele(const std::string& modele) const;

    // The masters that the program's code names itself.
    TBouton* BoutonOrange = nullptr;
    TBouton* Boutonorange2 = nullptr;
    TFond* FondCarrebleuSimple = nullptr;

    // The current colour scheme (the defaults until a design is applied).
    TCouleurElement Couleurs;

    // Loads the picture file of a design entry (FondMenu, BoutonOrangeUp...) into
    // every master it is for. False when the entry is not a picture entry;
    // a missing or unreadable file leaves the pictures as they were.
    bool AppliqueImage(const std::string& element, const std::string& fichier);
    // Whether an entry of designs.xml is a picture entry.
    static bool EstElementImage(const std::string& element);
    // The picture entries, in the order designs.xml lists them.
    static std::vector<std::string> ElementsImage();

    // Names of the masters, in the module's order.
    static std::vector<std::string> NomsMaitres();

private:
    std::vector<TControl*> maitres_;
};

// The skin module, or nullptr before it is created.
extern TDessin* Dessin;
