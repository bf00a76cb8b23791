// The matchday graph of a player's card: one row per matchday of a
// championship with the minutes he played, his goals and his cards.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Controls.h"

// One matchday of the graph.
struct TLigneMatch
{
    TLigneMatch(std::string libelle, int miTemps, bool domicile, int journee, int fin, int debut)
        : Debut(static_cast<uint16_t>(debut)), Fin(static_cast<uint16_t>(fin)), Journee(static_cast<uint16_t>(journee)),
          Libelle(std::move(libelle)), Domicile(domicile), MiTemps(miTemps)
    {
    }
    void AjouteBut(uint16_t mot) { Buts.push_back(mot); }
    void AjouteJaune(int minute) { Cartons.push_back(minute); }
    void AjouteRouge(int minute) { Cartons.push_back(minute + 1000); }

    uint16_t Debut = 0;     // minute he came on (127: did not play)
    uint16_t Fin = 0;       // minute he went off (127: did not play)
    uint16_t Journee = 0;
    std::vector<uint16_t> Buts;   // minute words, flags kept
    std::vector<int> Cartons;     // red cards as minute + 1000
    std::string Libelle;          // the opponent
    bool Domicile = false;
    int MiTemps = 45;
};

class TGraphHorizontal : public TGraphicControl
{
public:
    explicit TGraphHorizontal(TComponent* AOwner);
    std::vector<std::unique_ptr<TLigneMatch>> Lignes;
    int NbLignes = 0;
    int MiTemps = 45;
    // Colours of the dialogs: background and grid text.
    TColor CouleurFond = 0x6F3000;
    TColor CouleurTexte = 0xFFFFFF;

    // Draws one matchday line on a canvas of the given size.
    void DessineLigne(TCanvas& c, const TLigneMatch& l, int w, int h) const;
    // Horizontal place of a minute in a line of width w (a half of 0 counts as 1).
    static int Position(int minute, int w, int miTemps);

protected:
    void Paint() override;
};
