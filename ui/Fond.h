// Skinned panels, frames, edit boxes, lists and picture boxes.
//
// A skinned control paints the nine-patch picture of its master (Modele), a
// TFond held by the skin module (Dessin.h): set it with
//     copie->SetModele(Dessin->Fond("FondCarrebleuSimple"));
// Changing a master's picture repaints every copy. A copy takes the colour of
// the middle of its master's picture, so that the controls put on it (with
// ParentColor) blend into it; its own corners show its parent's colour.
#pragma once

#include "platform/gui/ExtCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "ui/Motif.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TGraphic;
class TListe;

// ---- panels --------------------------------------------------------------------------
class TFondModele : public TCustomControl
{
public:
    explicit TFondModele(TComponent* AOwner);
    ~TFondModele() override;

    // The pictures and margins of a master (nullptr on copies).
    TBitmap* Bitmap() const { return bitmap_.get(); }
    TBitmap* BitmapSelection() const { return bitmapSelection_.get(); }
    TMarge* MargeMotif() const { return marge_.get(); }
    // Assign (copy) a picture and repaint, with every copy of this master.
    void SetBitmap(const TGraphic& image);
    void SetBitmapSelection(const TGraphic& image);

    TFondModele* Modele() const { return modele_; }
    void SetModele(TFondModele* modele);
    // The master whose pictures are painted: Modele, else the control itself.
    const TFondModele& Source() const { return modele_ ? *modele_ : *this; }

    // Repaints the master and every control that copies it.
    void MaitreChange();

protected:
    void Paint() override;
    // A selected edit box paints the selection picture.
    virtual bool PeintSelection() const { return false; }
    // Puts the colour of the middle of the master's picture on the control.
    void PrendCouleurMotif();
    std::unique_ptr<TBitmap> bitmap_;
    std::unique_ptr<TBitmap> bitmapSelection_;
    std::unique_ptr<TMarge> marge_;

private:
    TFondModele* modele_ = nullptr;
};

// A master panel: it owns its pictures and margins; 50 x 50.
class TFond : public TFondModele
{
public:
    explicit TFond(TComponent* AOwner);
};

// A copy: it paints its Modele; 50 x 50.
class TFondCopie : public TFondModele
{
public:
    explicit TFondCopie(TComponent* AOwner);
    // Prints the panel's visible labels into r of the printer's open document:
    // a 3-pixel frame, then each caption at size 12 scaled from the panel to r
    // (white text printed black).
    void Imprime(const TRect& r);
};

// A skinned panel whose children scroll. Put controls in with InsereControle.
class TFondScroll : public TFondCopie
{
public:
    explicit TFondScroll(TComponent* AOwner);
    ~TFondScroll() override;

    void InsereControle(TControl* c);
    int NbControles() const;
    TControl* Controle(int i) const;
    TFondCopie* Interieur() const { return interieur_; }
    TScrollBar* MyScrollh() const { return scrollh_; }
    TScrollBar* MyScrollv() const { return scrollv_; }

    bool ScrollHorizontal() const { return scrollH_; }
    void SetScrollHorizontal(bool v) { scrollH_ = v; Ajuste(); }
    bool ScrollVertical() const { return scrollV_; }
    void SetScrollVertical(bool v) { scrollV_ = v; Ajuste(); }
    uint8_t ScrollLeft() const { return scrollLeft_; }
    void SetScrollLeft(uint8_t v);
    uint8_t ScrollTop() const { return scrollTop_; }
    void SetScrollTop(uint8_t v);
    TFondModele* ModeleScroll() const { return interieur_->Modele(); }
    void SetModeleScroll(TFondModele* m) { interieur_->SetModele(m); }
    // Recomputes the scroll bars from the content.
    void Ajuste();
    TNotifyEvent onresize;

protected:
    void BoundsChanged(bool sized) override;

private:
    void Place();
    TWinControl* clip_ = nullptr;
    TFondCopie* interieur_ = nullptr;
    TScrollBar* scrollv_ = nullptr;
    TPanel* bas_ = nullptr;
    TScrollBar* scrollh_ = nullptr;
    bool scrollH_ = true, scrollV_ = true;
    uint8_t scrollLeft_ = 8, scrollTop_ = 8;
    int ajustements_ = 0;
};

// ---- edit boxes and frames --------------------------------------------------------------
// A skinned edit box drawn by itself: selection (with the master's selection
// picture), focus, typing of 8-bit characters. Entered by Tab or by the mouse,
// it shows its text selected: the next key or paste replaces it (AutoSelect,
// on as for every edit box). A key or a paste it cannot take is refused
// beside it with the reason (one past Maxlength, whole).
class TEdition2 : public TFondCopie
{
public:
    explicit TEdition2(TComponent* AOwner);

    bool Selectionne() const { return selectionne_; }
    // Not Multi: first unselects every other selected edit box of the parent.
    void SetSelectionne(bool v);
    bool Selectionnable = true;
    bool Multi = false;
    uint8_t Maxlength = 0;
    bool Focuse() const { return focuse_; }
    int DecalX() const { return decalX_; }
    void SetDecalX(int v) { decalX_ = v; Invalidate(); }
    int DecalY() const { return decalY_; }
    void SetDecalY(int v) { decalY_ = v; Invalidate(); }
    bool AutoSelect = true;
    void SetText(const std::string& s) override;
    // The text a typed character would leave (Backspace included), before
    // any filter and uncut: what the box checks a key against.
    std::string TexteApres(char key) const;
    // Ctrl+V (and Shift+Insert): the clipboard's text goes in as if typed
    // key by key, each key weighed as a typed one; when one is refused, the
    // box keeps what it held and the paste is refused whole.
    void Colle();
    TNotifyEvent OnChange;

protected:
    bool PeintSelection() const override { return selectionne_; }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    void KeyPress(char& Key) override;
    // Ctrl+A selects the whole text: the next typed key replaces it; Ctrl+V
    // and Shift+Insert paste.
    void KeyDown(WORD& Key, TShiftState Shift) override;
    // Applies a typed character (after the control's filter); false when the
    // box refuses it (a character past Maxlength, said beside the box).
    bool Tape(char key);
    // The text of a paste as the box takes it in (the blanks of a pasted
    // number dropped, say); false with the reason when it takes none of it.
    virtual bool PrendCollage(std::string& texte, std::string& raison) const;
    // Runs after a change of the text or an exchange (OnChange by default).
    virtual void Changement();
    void ApplyText() override { Invalidate(); }
    // Paints the text centred in (0, 0, largeur, Height()).
    void PeintTexte(int largeur);

    bool effaceAuProchain_ = false;
    size_t longueur_ = 0;

private:
    bool selectionne_ = false;
    bool focuse_ = false;
    int decalX_ = 0, decalY_ = 0;
};

// A frame showing a centred text and the number of its entry; 120 x 21.
class TCadre : public TEdition2
{
public:
    explicit TCadre(TComponent* AOwner);
    int32_t Numero = 0;

protected:
    void Paint() override;
};

// A frame that exchanges entries with other frames and with lists by dragging.
class TCadreDrop : public TCadre
{
public:
    explicit TCadreDrop(TComponent* AOwner);
    bool Drag = true;
    bool Drop = true;
    bool echange = true;
    bool NumeroHex = false;
    // When set, a drop the frame takes part in (its entry dropped on a list
    // or on another frame, a list's or another frame's entry dropped on it)
    // is weighed and carried out by this handler alone, as one gesture: the
    // entry comes from source (a list or a frame) and goes to cible.
    std::function<void(TObject* source, TControl* cible)> OnGeste;
    // Receives the selected entry of a list (the rules of a drop).
    void RecoitElement(TListe& liste);
    // Receives another frame's entry (and gives it its own with echange).
    void RecoitCadre(TCadreDrop& source);

    void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
    void DragDrop(TObject* Source, int X, int Y) override;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
};

// A round box for a number (digits only); 25 x 25, a tab stop.
class TEditRond : public TEdition2
{
public:
    explicit TEditRond(TComponent* AOwner);
    // The largest number the box's field holds (0: as many digits as
    // Maxlength gives): a digit taking it further is refused, and said.
    int32_t Maximum = 0;

protected:
    void Paint() override;
    void KeyPress(char& Key) override;
    bool PrendCollage(std::string& texte, std::string& raison) const override;
};

// The key an edit box for numbers lets through: digits, backspace and Enter;
// 0 for any other. A text "0" is emptied before a digit (never before Enter).
char FiltreTouchesRond(char key, std::string& texte);

// ---- list of entries ------------------------------------------------------------------
// An entry of a list with long names: lead character, number on `taille`
// characters, colour character (0..15: the default text palette), shown name.
int NumeroEntreeListe(const std::string& entree, int taille, bool hex);   // 0 when not a number
int CouleurEntreeListe(const std::string& entree, int taille);            // -1 when absent
std::string NomEntreeListe(const std::string& entree, int taille);
// The entry a frame puts back: character 1, the number (decimal, or hexadecimal
// when it was read so) padded with "0" to `taille`, character 1, the name.
std::string EntreeListe(int32_t numero, int taille, bool hex, const std::string& nom);
// Sorted entries: by the name (or from the colour on with triComplet), exactly
// or without regard to case; equal keys come out in reverse order.
std::vector<std::string> TrieEntreesListe(const std::vector<std::string>& entrees, int taille,
                                          bool nomLong, bool triComplet, bool casse);
// The 16 colours of the default text palette.
TColor CouleurPalette(int code);

class TListe : public TCustomListBox
{
public:
    explicit TListe(TComponent* AOwner);
    bool Gagne_element = false;
    bool NomLong = true;
    uint8_t TailleNomLong = 4;
    bool TriComplet = false;
    bool CanDrag = false;
    void Trie(bool casse);
    void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
    void DragDrop(TObject* Source, int X, int Y) override;

protected:
    void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
};

// ---- crest and photo box -------------------------------------------------------------
class TLogo : public TCustomControl
{
public:
    explicit TLogo(TComponent* AOwner);
    ~TLogo() override;
    TGraphic* Image() const { return image_.get(); }
    // Takes the picture (nullptr: none) and repaints.
    void ChangeImage(std::unique_ptr<TGraphic> image);
    // ".png" or ".jpg"/".jpeg" (any case); a missing file, another extension or
    // a load error leaves the logo empty.
    void ChargeFichier(const std::string& fichier);
    TColor CouleurFond = 0x6F3000;
    TColor CouleurBord = 0x6F3000;

protected:
    void Paint() override;

private:
    std::unique_ptr<TGraphic> image_;
};

// Where a pw x ph picture goes in a w x h logo: scaled at most 1, centred.
TRect RectLogo(int w, int h, int pw, int ph);
