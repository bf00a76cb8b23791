// The colour scheme of a design (TCouleurElement) and the colour rules every
// window follows: the window and panel colour by designed colour, the text
// colours remapped from the colours the windows were designed with, and the
// colours of table rows.
#pragma once

#include "platform/gui/Graphics.h"

#include <string>

// 49 colours (0x00BBGGRR) and three strings, always copied whole.
struct TCouleurElement
{
    static constexpr int NbCouleur = 49;
    static constexpr int NbChaine = 3;

    TColor fondclair = 0xEE9C04;
    TColor fondfonce = 0x6F3000;
    TColor fondfonceplus = 0x6F3000;
    TColor EcritureBOrange = 0;
    TColor EcritureOnBOrange = 0xFFFFFF;
    TColor EcritureBOrangeClair = 0;
    TColor EcritureOnBOrangeClair = 0xFFFFFF;
    TColor CouleurSel1 = 0xFFFF00;
    TColor CouleurSel2 = 0x00FFFF;
    TColor CouleurSel3 = 0xFF00FF;
    TColor CouleurSel4 = 0x00FF00;
    TColor CouleurMenuNoeud1 = 0xEE9C04;
    TColor CouleurMenuFeuille1 = 0xFCB83A;
    TColor CouleurMenuNoeud2 = 0xFFFF00;
    TColor CouleurMenuFeuille2 = 0x80FFFF;
    TColor CouleurTitre = 0xFFFFFF;
    TColor CouleurTexte1 = 0xFFFF00;
    TColor CouleurTexte2 = 0xEE9C04;
    TColor CouleurTexteModal = 0xEE9C04;
    TColor CouleurNomChamp = 0x80FFFF;
    TColor CouleurFondTitreTableau = 0xE89879;
    TColor CouleurTexteTitreTableau = 0;
    TColor CouleurFond1Tableau = 0xFFFFFF;
    TColor CouleurFond2Tableau = 0xF8CD87;
    TColor CouleurTexte1Tableau = 0;
    TColor CouleurTexte1bisTableau = 0;
    TColor CouleurTexte2Tableau = 0;
    TColor CouleurFondSelTableau = 0;
    TColor CouleurTexteSelTableau = 0;
    TColor CouleurFondSuiviTableau = 0;
    TColor CouleurTexteSuiviTableau = 0;
    TColor CouleurFondLigneSuppTableau = 0;
    TColor CouleurTexteLigneSuppTableau = 0;
    TColor CouleurFondLigneSepTableau = 0;
    TColor CouleurTexteLigneSepTableau = 0;
    TColor TraitSeparationTableau = 0;
    TColor GraphCouleurDebut = 0x80FFFF;
    TColor GraphCouleurFin = 0x1C8DFF;
    TColor GraphCouleurDebut2 = 0xFFCAED;
    TColor GraphCouleurFin2 = 0xE00090;
    TColor GraphTableauCouleurDebut = 0x80FFFF;
    TColor GraphTableauCouleurFin = 0x1C8DFF;
    TColor LigneGraph = 0x00FFFF;
    TColor LigneGraph2 = 0x00FFFF;
    TColor LigneTourGraph = 0x00FFFF;
    TColor CouleurRouge = 0xFF0000;
    TColor ExtraCouleur1 = 0xFF9191;
    TColor ExtraCouleur2 = 0xFFFF00;
    TColor ExtraCouleur3 = 0x80FF80;
    std::string BitmapMenu;     // 49: picture file of the menu background
    std::string BitmapCentre;   // 50: picture file of the central background
    std::string FontMenu;       // 51: font name of the menu

    // Colour i (0..48) by its number; nullptr out of range.
    TColor* Couleur(int i);
    const TColor* Couleur(int i) const;
    // String 49..51; nullptr otherwise.
    std::string* Chaine(int i);
    // The design entry name of field i (0..51), "" out of range.
    static const char* Nom(int i);
    // Field number of a design entry name (case counts), -1 when none.
    static int Indice(const std::string& nom);
    // The default of colour i (0..48), 0 out of range.
    static TColor Defaut(int i);

    bool operator==(const TCouleurElement&) const = default;
};

// A control designed with this colour belongs to the dark background.
constexpr TColor CouleurFondFonceDessin = 0x6F3000;

// Window and panel colour: fondfonce when designed exactly $6F3000, else fondclair.
TColor CouleurFondSchema(TColor designee, const TCouleurElement& c);
// The text colour a control designed with `designee` takes; any colour the
// scheme does not map stays as it is.
TColor CouleurTexteSchema(TColor designee, const TCouleurElement& c);

// The contrast ratio of two colours (1 to 21).
double Contraste(TColor a, TColor b);
// The text colour as written over the background: itself when it reads
// (contrast 4.5 at least), else darkened (lightened over a dark background)
// step by step, keeping its hue, until it does.
TColor CouleurLisible(TColor texte, TColor fond);
