// Designs: designs\designs.xml beside the program lists them (colours of the
// scheme, pictures of the skin module's masters). ChargeDesign applies one;
// Tf_ChoixDesign lets the user choose one.
//
//     Tf_ChoixDesign::ChargeDesign(ProgramDir(), id, Dessin->Couleurs);
//     Tf_ChoixDesign f(owner); f.ChangeCouleurs(c); f.Init(ProgramDir(), id);
//     if (f.ShowModal() == mrOk && f.Resultat != id) ...
#pragma once

#include "ui/BrivantelForm.h"

#include <string>
#include <vector>

class TLabel;
class TComboBox;
class TMemo;
class TBoutonCopie;
class TFondCopie;

// Reads a colour of a design: a hexadecimal number (read as "$" + text), the
// default when it is not one.
TColor LitCouleurDesign(const std::string& texte, TColor defaut);

class Tf_ChoixDesign : public TBrivantelForm
{
public:
    explicit Tf_ChoixDesign(TComponent* AOwner);

    // Applies design id of dossier + designs\designs.xml to the skin module's
    // masters and to the scheme; an unknown id applies design 1.
    static void ChargeDesign(const std::string& dossier, int id, TCouleurElement& couleurs);
    // Fills the list with the designs of dossier + designs\designs.xml.
    // Names and descriptions in the interface language ("fr", "en": the
    // attributes nom, description, or nom_en, description_en).
    void Init(const std::string& dossier, int idCourant, const std::string& langue = "fr");

    // The id chosen (valid after the result 1).
    int Resultat = 0;

    TFondCopie* Fond = nullptr;
    TLabel* Label1 = nullptr;
    TComboBox* cb_Modele = nullptr;
    TMemo* m_Description = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;

private:
    void cb_ModeleChange(TObject* Sender);
    void b_ValiderClick(TObject* Sender);
    std::string dossier_;
    int idCourant_ = 1;
    std::vector<std::pair<std::string, int>> descriptions_;
};
