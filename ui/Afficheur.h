// TAffichage: a number shown as seven-segment digits, like a scoreboard, that
// the user may type into (Edition). TOwnerPageControl: a page control whose tab
// strip the program paints (OnDrawTab), on the control's colour.
#pragma once

#include "platform/gui/ComCtrls.h"
#include "platform/gui/Controls.h"

#include <string>
#include <vector>

// The characters drawn in nbCase boxes: padded with "0" on the left, and the
// last nbCase characters of a longer number.
std::string ChiffresAffichage(const std::string& nombre, int nbCase);
// Segment mask (bit 0 top ... bit 6 bottom) of a character; 0 for a non-digit.
int MasqueSegments(char chiffre);
// A typed key: the number after it (with Efface set, a digit starts a new number),
// the last nbCase digits kept.
void ToucheAffichage(std::string& nombre, bool& efface, char key, int nbCase);
// The lines of one segment (from, to; end pixel left out) in a box at x.
struct TTraitSegment
{
    TPoint De, A;
};
std::vector<TTraitSegment> TraitsSegment(int segment, int x);

class TAffichage : public TCustomControl
{
public:
    explicit TAffichage(TComponent* AOwner);
    const std::string& Nombre() const { return nombre_; }
    void SetNombre(const std::string& n);
    uint8_t Nb_case() const { return nbCase_; }
    void SetNb_case(uint8_t n);
    uint8_t Couleur() const { return couleur_; }
    void SetCouleur(uint8_t c);
    bool Edition = false;
    bool Efface = false;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    void KeyPress(char& Key) override;

private:
    std::string nombre_ = "0";
    uint8_t nbCase_ = 5;
    uint8_t couleur_ = 1;
};

class TOwnerPageControl : public TPageControl
{
public:
    explicit TOwnerPageControl(TComponent* AOwner);
};
