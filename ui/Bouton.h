// Skinned buttons, link labels, check boxes, radio choices and the type-ahead
// combo box.
//
// A button copies the pictures of a master TBouton of the skin module:
//     b->SetModele(Dessin->Bouton("BoutonOrange"));
// Its click sets its ModalResult on its window (which ends a modal window),
// then runs OnClick. Enter clicks a Default button, Escape a Cancel button.
// A button with TabStop is reached by Tab: it then shows a focus rectangle,
// and Enter or Space click it.
#pragma once

#include "platform/gui/StdCtrls.h"
#include "ui/Motif.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TGraphic;

// ---- the rules, apart from the controls -----------------------------------------------
enum TImageBouton { ibUp, ibDown, ibOver };
// The picture a button shows.
TImageBouton ChoixImageBouton(bool down, bool survol, bool overDisponible);
// Where the caption of a tw x th text goes in a w x h button.
TPoint PositionLegende(int w, int h, int tw, int th, int decalX, int decalY, bool down);
// Whether entering or leaving the button changes anything on screen.
bool SurvolRepeint(bool overDisponible, TColor couleur, TColor couleurOver);

// ---- buttons -----------------------------------------------------------------------------
class TBoutonModele : public TCustomControl
{
public:
    explicit TBoutonModele(TComponent* AOwner);
    ~TBoutonModele() override;

    TBitmap* BitmapUp() const { return up_.get(); }
    TBitmap* BitmapDown() const { return down_.get(); }
    TBitmap* BitmapOver() const { return over_.get(); }
    TMarge* MargeMotif() const { return marge_.get(); }
    // Masters only: assign a picture and repaint every copy.
    void SetBitmapUp(const TGraphic& g);
    void SetBitmapDown(const TGraphic& g);
    void SetBitmapOver(const TGraphic& g);

    TBoutonModele* Modele() const { return modele_; }
    void SetModele(TBoutonModele* m);
    const TBoutonModele& Source() const { return modele_ ? *modele_ : *this; }

    bool Down() const { return down_state_; }
    void SetDown(bool v);
    bool Survol() const { return survol_; }
    int DecalX() const { return decalX_; }
    void SetDecalX(int v) { decalX_ = v; Invalidate(); }
    int DecalY() const { return decalY_; }
    void SetDecalY(int v) { decalY_ = v; Invalidate(); }
    TColor couleur() const { return couleur_; }
    void Setcouleur(TColor c) { couleur_ = c; Invalidate(); }
    TColor couleurOver() const { return couleurOver_; }
    void SetcouleurOver(TColor c) { couleurOver_ = c; Invalidate(); }
    bool Default = false;
    bool Cancel = false;
    int ModalResult = 0;
    // Paints since creation (tests count repaints through it).
    int NbPeintures() const { return peintures_; }

    void Click() override;
    bool DialogKey(WORD key, TShiftState shift) override;
    void MaitreChange();

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // A button reached by Tab shows its focus and clicks on Enter or Space.
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void ApplyText() override { Invalidate(); }
    void ApplyFont() override { Invalidate(); }
    bool OverDisponible() const;
    std::unique_ptr<TBitmap> up_, down_, over_;
    std::unique_ptr<TMarge> marge_;

private:
    TBoutonModele* modele_ = nullptr;
    bool down_state_ = false;
    bool survol_ = false;
    int decalX_ = 0, decalY_ = 0;
    TColor couleur_ = clBlack;
    TColor couleurOver_ = clBlack;
    int peintures_ = 0;
};

// A master button: it owns its three pictures (the over picture starts empty).
class TBouton : public TBoutonModele
{
public:
    explicit TBouton(TComponent* AOwner);
};

// A copy of a master button; 150 x 30.
class TBoutonCopie : public TBoutonModele
{
public:
    explicit TBoutonCopie(TComponent* AOwner);
};

// A label that behaves like a link: hand cursor and underline under the mouse.
class THotLabel : public TLabel
{
public:
    explicit THotLabel(TComponent* AOwner);

protected:
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
};

// ---- check boxes and radio choices ------------------------------------------------------
// Check controls of one parent with the same groupe (>= 0) exclude each other.
class TBoutonCoche : public TGraphicControl
{
public:
    explicit TBoutonCoche(TComponent* AOwner);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    uint8_t Alignement() const { return alignement_; }
    void SetAlignement(uint8_t a) { alignement_ = a; Invalidate(); }
    int32_t groupe() const { return groupe_; }
    void Setgroupe(int32_t g);
    TColor couleurcoche() const { return couleurcoche_; }
    void Setcouleurcoche(TColor c) { couleurcoche_ = c; Invalidate(); }
    bool autosize() const { return autosize_; }
    void Setautosize(bool v) { autosize_ = v; Ajuste(); }
    // The first other checked control of the parent in the same group, or nullptr.
    TBoutonCoche* Partenaire() const;
    // What a mouse press does.
    virtual void Presse() = 0;
    // Never narrower than the caption needs.
    void SetBounds(int left, int top, int width, int height) override;
    // The width the box and the whole caption take.
    int LargeurNecessaire();

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void ApplyText() override { Ajuste(); Invalidate(); }
    void ApplyFont() override { Ajuste(); Invalidate(); }
    // Draws the box or circle with its top-left at (x, y).
    virtual void DessineCase(TCanvas& c, int x, int y) = 0;
    void Ajuste();
    bool checked_ = false;
    int32_t groupe_ = -1;

private:
    uint8_t alignement_ = 0;
    TColor couleurcoche_ = clBlack;
    bool autosize_ = false;
};

// A square check box; independent by default (groupe -1).
class TCarreCoche : public TBoutonCoche
{
public:
    explicit TCarreCoche(TComponent* AOwner);
    void Presse() override { SetChecked(!Checked()); }

protected:
    void DessineCase(TCanvas& c, int x, int y) override;
};

// A round choice; the round choices of one parent form one group (groupe 0).
class TRondCoche : public TBoutonCoche
{
public:
    explicit TRondCoche(TComponent* AOwner);
    ~TRondCoche() override;
    void Presse() override { if (!Checked()) SetChecked(true); }

protected:
    void DessineCase(TCanvas& c, int x, int y) override;

private:
    std::unique_ptr<TBitmap> actif_, inactif_;
};

// Draws the 13 x 13 square box at (x, y) on any canvas.
void DessineCarreCoche(TCanvas& c, int x, int y, bool coche, bool actif, TColor couleurcoche);
// The 12 x 12 circle of a round choice (enabled or disabled), $808000 transparent.
void RemplitRondCoche(TBitmap& b, bool actif);

// ---- type-ahead combo box -------------------------------------------------------------
// Upper case a-z and the accented small letters é è ê ë à â ä ù û ü î ï ô ö; the
// rest (accented capitals and ç included) stays.
std::string NormaliseTexte98(const std::string& texte);
// The completion of key among items sorted by their normalised texts: the first
// item whose normalised text starts with the normalised key, cut to the key's
// length; "" when none does.
std::string CandidatTexte98(const std::vector<std::string>& items, const std::string& texte);

class TComboBox98 : public TComboBox
{
public:
    explicit TComboBox98(TComponent* AOwner);
    bool Complete = true;
    uint16_t MinLengthComplete = 0;
    TNotifyEvent OnComplete;
    // The candidate found at the last change ("" when none).
    const std::string& Candidat() const { return candidat_; }

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void Change() override;

private:
    WORD derniereTouche_ = 0;
    std::string texte_;
    std::string candidat_;
};
