// The registry of the page-template function names the views serve
// (TGestionFonction): which view class serves which name.
//
// TFootForm (ui/BrivantelForm.h) serves the common functions of
// ui/FonctionsGabarit.h:
//   ExecuteFonction: if (!TFonctionsGabarit::ExecuteFonction(Nom, Parametres, Resultat, Pages, Saison))
//                        EcritValeur(Nom, Parametres, Resultat, nullptr, Pages, Saison);
//   EcritValeur:     TFonctionsGabarit::EcritValeur(Nom, Parametres, Resultat, Mots, Pages, Saison);
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/FonctionsGabarit.h"

class TComponent;
class TForm;

// A view class as the registry records it: its name and, for classes that can
// be created, a factory. (Not the sport switch's TClasseFenetre of
// model/MultiSport.h: two classes of one name would clash in one program.)
struct TClasseVue
{
    std::string Nom;
    std::function<TForm*(TComponent* AOwner)> Cree;
};

struct TFonctionEnregistree
{
    TClasseVue Classe;
    uint8_t Genre = 0;
};

// Which window class serves which template function (filled at start-up by the
// views; nothing is removed before the end of the program).
class TGestionFonction
{
public:
    void Ajoute(const std::string& Nom, const TClasseVue& Classe, uint8_t Genre);
    int Count() const { return static_cast<int>(entrees_.size()); }
    const std::string& Nom(int i) const { return entrees_.at(static_cast<size_t>(i)).first; }
    // The first entry of that name (exact), nullptr when none.
    const TFonctionEnregistree* Cherche(const std::string& Nom) const;

private:
    std::vector<std::pair<std::string, TFonctionEnregistree>> entrees_;
};

// The program's registry, created on first use.
TGestionFonction& GestionFonctions();
// Registers "inclure", "ecrire" and "AddSuffixeNomFic" for TFootForm (kind 5).
void EnregistreFonctionsFootForm();
