#include "ui/Couleurs.h"

#include <array>

namespace
{
using Champ = TColor TCouleurElement::*;

constexpr std::array<Champ, TCouleurElement::NbCouleur> Champs = {
    &TCouleurElement::fondclair, &TCouleurElement::fondfonce, &TCouleurElement::fondfonceplus,
    &TCouleurElement::EcritureBOrange, &TCouleurElement::EcritureOnBOrange,
    &TCouleurElement::EcritureBOrangeClair, &TCouleurElement::EcritureOnBOrangeClair,
    &TCouleurElement::CouleurSel1, &TCouleurElement::CouleurSel2, &TCouleurElement::CouleurSel3,
    &TCouleurElement::CouleurSel4, &TCouleurElement::CouleurMenuNoeud1,
    &TCouleurElement::CouleurMenuFeuille1, &TCouleurElement::CouleurMenuNoeud2,
    &TCouleurElement::CouleurMenuFeuille2, &TCouleurElement::CouleurTitre,
    &TCouleurElement::CouleurTexte1, &TCouleurElement::CouleurTexte2,
    &TCouleurElement::CouleurTexteModal, &TCouleurElement::CouleurNomChamp,
    &TCouleurElement::CouleurFondTitreTableau, &TCouleurElement::CouleurTexteTitreTableau,
    &TCouleurElement::CouleurFond1Tableau, &TCouleurElement::CouleurFond2Tableau,
    &TCouleurElement::CouleurTexte1Tableau, &TCouleurElement::CouleurTexte1bisTableau,
    &TCouleurElement::CouleurTexte2Tableau, &TCouleurElement::CouleurFondSelTableau,
    &TCouleurElement::CouleurTexteSelTableau, &TCouleurElement::CouleurFondSuiviTableau,
    &TCouleurElement::CouleurTexteSuiviTableau, &TCouleurElement::CouleurFondLigneSuppTableau,
    &TCouleurElement::CouleurTexteLigneSuppTableau, &TCouleurElement::CouleurFondLigneSepTableau,
    &TCouleurElement::CouleurTexteLigneSepTableau, &TCouleurElement::TraitSeparationTableau,
    &TCouleurElement::GraphCouleurDebut, &TCouleurElement::GraphCouleurFin,
    &TCouleurElement::GraphCouleurDebut2, &TCouleurElement::GraphCouleurFin2,
    &TCouleurElement::GraphTableauCouleurDebut, &TCouleurElement::GraphTableauCouleurFin,
    &TCouleurElement::LigneGraph, &TCouleurElement::LigneGraph2, &TCouleurElement::LigneTourGraph,
    &TCouleurElement::CouleurRouge, &TCouleurElement::ExtraCouleur1,
    &TCouleurElement::ExtraCouleur2, &TCouleurElement::ExtraCouleur3,
};

constexpr std::array<const char*, TCouleurElement::NbCouleur + TCouleurElement::NbChaine> Noms = {
    "fondclair", "fondfonce", "fondfonceplus", "EcritureBOrange", "EcritureOnBOrange",
    "EcritureBOrangeClair", "EcritureOnBOrangeClair", "CouleurSel1", "CouleurSel2", "CouleurSel3",
    "CouleurSel4", "CouleurMenuNoeud1", "CouleurMenuFeuille1", "CouleurMenuNoeud2",
    "CouleurMenuFeuille2", "CouleurTitre", "CouleurTexte1", "CouleurTexte2", "CouleurTexteModal",
    "CouleurNomChamp", "CouleurFondTitreTableau", "CouleurTexteTitreTableau", "CouleurFond1Tableau",
    "CouleurFond2Tableau", "CouleurTexte1Tableau", "CouleurTexte1bisTableau", "CouleurTexte2Tableau",
    "CouleurFondSelTableau", "CouleurTexteSelTableau", "CouleurFondSuiviTableau",
    "CouleurTexteSuiviTableau", "CouleurFondLigneSuppTableau", "CouleurTexteLigneSuppTableau",
    "CouleurFondLigneSepTableau", "CouleurTexteLigneSepTableau", "TraitSeparationTableau",
    "GraphCouleurDebut", "GraphCouleurFin", "GraphCouleurDebut2", "GraphCouleurFin2",
    "GraphTableauCouleurDebut", "GraphTableauCouleurFin", "LigneGraph", "LigneGraph2",
    "LigneTourGraph", "CouleurRouge", "ExtraCouleur1", "ExtraCouleur2", "ExtraCouleur3",
    "BitmapMenu", "BitmapCentre", "FontMenu",
};
}

TColor* TCouleurElement::Couleur(int i)
{
    return i >= 0 && i < NbCouleur ? &(this->*Champs[static_cast<size_t>(i)]) : nullptr;
}

const TColor* TCouleurElement::Couleur(int i) const
{
    return i >= 0 && i < NbCouleur ? &(this->*Champs[static_cast<size_t>(i)]) : nullptr;
}

std::string* TCouleurElement::Chaine(int i)
{
    switch (i)
    {
    case 49: return &BitmapMenu;
    case 50: return &BitmapCentre;
    case 51: return &FontMenu;
    default: return nullptr;
    }
}

const char* TCouleurElement::Nom(int i)
{
    return i >= 0 && i < NbCouleur + NbChaine ? Noms[static_cast<size_t>(i)] : "";
}

int TCouleurElement::Indice(const std::string& nom)
{
    for (size_t i = 0; i < Noms.size(); ++i)
        if (nom == Noms[i])
            return static_cast<int>(i);
    return -1;
}

TColor TCouleurElement::Defaut(int i)
{
    static const TCouleurElement defauts;
    const TColor* c = defauts.Couleur(i);
    return c ? *c : 0;
}

TColor CouleurFondSchema(TColor designee, const TCouleurElement& c)
{
    return designee == CouleurFondFonceDessin ? c.fondfonce : c.fondclair;
}

TColor CouleurTexteSchema(TColor designee, const TCouleurElement& c)
{
    switch (designee)
    {
    case 0xFFFFFF: return c.CouleurTitre;
    case 0x00FFFF: return c.CouleurTexte1;
    case 0xEE9C04:
    case 0xFFE155: return c.CouleurTexte2;
    case 0x0000FF: return c.CouleurRouge;
    case 0xFF9191: return c.ExtraCouleur1;
    case 0xFFFF00: return c.ExtraCouleur2;
    case 0x80FF80: return c.ExtraCouleur3;
    default: return designee;
    }
}
