// The choice of a championship template division (or a custom championship),
// with, when creating, the number of clubs, the season years and the kind of
// teams. Tag = mode shl 16 + division code to preselect: mode 1 creation,
// modes 0 and 2 the predefined data file (mode 0: only divisions whose file
// exists).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Ages.h"
#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TComboBox;
class TEdit;
class TFondCopie;
class TLabel;
class TMaskEdit;
class TPanel;
class TRondCoche;
class TSpeedButton;
class TUpDown;

class Tf_Creation : public TBrivantelForm
{
public:
    explicit Tf_Creation(TComponent* AOwner);

    int32_t Division() const;        // 0 for the custom championship
    int32_t Championnat() const;     // template id, 0 for the custom championship
    // The division of the template shown, whichever radio is checked (0: none).
    int32_t DivisionModele() const { return division_; }
    uint8_t Annee(int i) const;      // 8: first year - 1900, 9: second year (two digits)

    std::string Dossier;             // program folder, set by the caller
    // The years proposed when creating (those of the season the championship
    // joins); this year's season while the first year is 0.
    TAnneesSaison Annees;
    std::string NomFichier;          // the data file of the division
    int NbClub = 0;

    TFondCopie* FondCopie1 = nullptr;
    TComboBox* cb_Championnat = nullptr;
    TRondCoche* RondCoche1 = nullptr;
    TRondCoche* RondCoche2 = nullptr;
    TPanel* FondDivisions = nullptr;
    TFondCopie* fc_Param = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UpDown1 = nullptr;
    TMaskEdit* MaskEdit1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label19 = nullptr;
    TRondCoche* rc_National = nullptr;
    TRondCoche* rc_International = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;

private:
    void FormShow();
    void ConstruitDivisions(int32_t preselection);
    void DivisionClick(TRondCoche* r);
    void b_ValiderClick();
    int mode_ = 0;
    int32_t division_ = 0;
    int indexChampionnat_ = 0;
    uint8_t annee1_ = 0, annee2_ = 0;
    std::vector<TRondCoche*> radios_;
};
