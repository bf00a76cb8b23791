#include "ui/Couleurs.h"

#include <algorithm>
#include <array>
#include <cmath>

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

namespace
{
// Relative luminance of a colour (0x00BBGGRR, or a system colour), 0 black
// to 1 white.
double Luminance(TColor c)
{
    auto canal = [](uint32_t v) {
        const double x = v / 255.0;
        return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    const auto rgb = static_cast<uint32_t>(ColorToRGB(c));
    return 0.2126 * canal(rgb & 0xFF) + 0.7152 * canal((rgb >> 8) & 0xFF) + 0.0722 * canal((rgb >> 16) & 0xFF);
}
}

double Contraste(TColor a, TColor b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColor CouleurLisible(TColor texte, TColor fond)
{
    const auto rgb = static_cast<uint32_t>(ColorToRGB(texte));
    const bool assombrir = Luminance(fond) > 0.18;
    TColor c = texte;
    for (int pas = 1; pas <= 20 && Contraste(c, fond) < 4.5; ++pas)
    {
        uint32_t r = 0;
        for (int k = 0; k < 3; ++k)
        {
            const int v = static_cast<int>((rgb >> (8 * k)) & 0xFF);
            const int w = assombrir ? v * (20 - pas) / 20 : v + (255 - v) * pas / 20;
            r |= static_cast<uint32_t>(w) << (8 * k);
        }
        c = static_cast<TColor>(r);
    }
    return c;
}
