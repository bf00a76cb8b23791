// The internet options dialog: the address of the maker's site, the login of
// the customer area and the time-out, kept in connexion.xml. The main window
// opens it modally:
//
//     TOwned<Tf_OptionInternet> f(new Tf_OptionInternet(this));
//     f->ChangeCouleurs(Couleurs);
//     f->Init(Version, fichierConnexion, this);
//     f->ShowModal();
//
// Validating writes the file only when a value changed.
#pragma once

#include <string>

#include "ui/BrivantelForm.h"

class TEdit;
class TLabel;
class TBoutonCopie;

class Tf_OptionInternet : public TBrivantelForm
{
public:
    explicit Tf_OptionInternet(TComponent* AOwner);

    void Init(const std::string& version, const std::string& fichier, TObject* objet);

    TLabel* Label2 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* e_AdresseSite = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label3 = nullptr;
    TEdit* e_Pseudo = nullptr;
    TLabel* Label5 = nullptr;
    TEdit* e_Password = nullptr;
    TLabel* Label7 = nullptr;
    TEdit* e_Timeout = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;

    void FormShow(TObject* Sender);
    void b_ValiderClick(TObject* Sender);

    // What Init was given.
    std::string Version, FichierConfig;
    TObject* Objet = nullptr;
    // True when the last validation wrote the file.
    bool Ecrit = false;
};
