// The save options of a season: auto-save every n minutes (option 0, 0 = no
// auto-save) and keeping the previous version of the file as a backup
// (option 1). The main window opens it modally with the season; a result 1
// with Tag 1 means an option changed:
//
//     TOwned<Tf_OptionSauve> f(new Tf_OptionSauve(nullptr));
//     f->ChangeCouleurs(Dessin->Couleurs);
//     f->ChangeSaison(saison);
//     f->FichierAide = fichierAide;
//     if (f->ShowModal() == mrOk && f->Tag == 1) {
//         /* mark the season modified */
//         AppliqueSauvegardeAuto(*t_AutoSave, *saison);
//     }
#pragma once

#include <string>

#include "ui/BrivantelForm.h"

class TEdit;
class TLabel;
class TPageControl;
class TTabSheet;
class TTimer;
class TUpDown;
class TBoutonCopie;
class TCarreCoche;
class TFondCopie;

// The option is a byte: the interval is 1 to 255 minutes.
inline constexpr int MinutesSauvegardeMin = 1;
inline constexpr int MinutesSauvegardeMax = 255;

// The timer interval of an auto-save every `minutes` minutes, in milliseconds:
// minutes bounded to 1..255, so the product never overflows.
unsigned IntervalleSauvegardeAuto(int minutes);
// Enables the auto-save timer when option 0 is at least 1 and sets its interval;
// disables it otherwise.
void AppliqueSauvegardeAuto(TTimer& timer, const TSaison& saison);

class Tf_OptionSauve : public TBrivantelForm
{
public:
    explicit Tf_OptionSauve(TComponent* AOwner);

    // The help file ("::/html/menuopt.htm" is added); the application's help
    // file when empty.
    std::string FichierAide;

    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;
    TBoutonCopie* b_Aide = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* ts_Sauvegarde = nullptr;
    TFondCopie* FondCopie3 = nullptr;
    TCarreCoche* cc_SauveAuto = nullptr;
    TEdit* Edit12 = nullptr;
    TUpDown* ud_TempsAuto = nullptr;
    TLabel* Label26 = nullptr;
    TCarreCoche* cc_ConserveSauve = nullptr;

    // The minutes shown: the edit box's number bounded to 1..255 (the up-down's
    // last position when the text is not a number).
    int Minutes() const;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Edit1KeyPress(TObject* Sender, char& Key);
    void b_ValiderClick(TObject* Sender);
    void b_AideClick(TObject* Sender);
};
