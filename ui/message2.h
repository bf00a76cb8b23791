// The program's own message box, in the colours and buttons of the design:
//     if (Tf_MessageUtil::Affiche(texte, 1 | 2 | 8) == mrYes) ...
// Button flags: 1 yes (result 6), 2 no (7), 4 validate (1), 8 cancel (2).
// Closing the window answers 2.
#pragma once

#include "ui/BrivantelForm.h"

#include <cstdint>
#include <string>
#include <vector>

class TLabel;
class TBoutonCopie;

enum : int { mbuOui = 1, mbuNon = 2, mbuValider = 4, mbuAnnuler = 8 };

// One button of a message box: caption by text id (0: the stored caption "Oui")
// and its modal result.
struct TBoutonMessage
{
    int Texte = 0;
    int Resultat = 0;
    bool operator==(const TBoutonMessage&) const = default;
};

// The buttons, left to right, and the window caption's text id (0: the stored
// "Informations") of a flag word.
struct TDispositionMessage
{
    std::vector<TBoutonMessage> Boutons;
    int Titre = 0;
};
TDispositionMessage DispositionMessage(int boutons);

class Tf_MessageUtil : public TBrivantelForm
{
public:
    explicit Tf_MessageUtil(TComponent* AOwner);
    // Shows the text with the buttons asked for, modally; the result of the
    // button clicked, or 2 when the window is closed.
    static uint16_t Affiche(const std::string& texte, int boutons);
    // Prepares the box (what Affiche does before showing it).
    void Prepare(const std::string& texte, int boutons);

    TLabel* Label1 = nullptr;
    TBoutonCopie* BoutonCopie1 = nullptr;
    TBoutonCopie* BoutonCopie2 = nullptr;
    TBoutonCopie* BoutonCopie3 = nullptr;
    TBoutonCopie* BoutonCopie4 = nullptr;

private:
    void BoutonCopie1Click(TObject* Sender);
};
