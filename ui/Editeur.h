// TEditeur: a read-only pane of coloured running text. Lines of characters, each
// character with a colour of a 16-entry palette; per-line alignment and indent;
// word wrapping and justification to the pane's width; printing (paginated, or
// into a rectangle of an open print job); output as HTML.
//
//   e->SetNbLigne(3);
//   e->EcritLigne(1, "Match", true, false, 1);      // forced: not checked against the size
//   e->EcritLigne(1, " 2-1", true, true, 4);        // appended in colour 4
//   std::string html = e->Texte();
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Controls.h"
#include "platform/gui/Graphics.h"

class TPrinter;

struct TLigneEditeur
{
    std::string Texte;
    std::string Couleurs;     // one palette index per character (16 or more: entry 0)
    uint8_t Fixe = 0;         // drawn on an 8-pixel character grid
    uint8_t Alignement = 0;   // 1 centred, 2 right, other left
    uint16_t Decalage = 0;    // indent in pixels
    // The line is markup the program wrote for a page (its tags are kept in
    // the HTML; the names in it were escaped by the writer). Any other line
    // is text, escaped whole.
    bool Balises = false;
};

class TEditeur : public TCustomControl
{
public:
    static constexpr int NbCouleurPalette = 16;

    explicit TEditeur(TComponent* AOwner);
    ~TEditeur() override;

    uint8_t Interligne() const { return interligne_; }
    void SetInterligne(uint8_t v);
    bool ajustAuto() const { return ajustAuto_; }
    void SetajustAuto(bool v);
    bool Retrait = false;
    uint8_t decalX() const { return decalX_; }
    void SetdecalX(uint8_t v);
    uint8_t decalY() const { return decalY_; }
    void SetdecalY(uint8_t v);
    bool JustifyDoc() const { return justifyDoc_; }
    void SetJustifyDoc(bool b);

    TColor Palette(int n) const { return n >= 0 && n < NbCouleurPalette ? palette_[n] : palette_[0]; }
    void SetCouleurPalette(int n, TColor couleur);

    int NbLigne() const { return static_cast<int>(lignes_.size()); }
    int GetNbLigne() const { return NbLigne(); }
    void SetNbLigne(int n);
    TLigneEditeur* Ligne(int i);   // 1-based; nullptr outside
    // 0 written; 1 too wide; 2 too low for the pane; 255 no such line. Without
    // force, a text that does not fit changes nothing.
    uint8_t EcritLigne(int i, const std::string& texte, bool force, bool ajoute, uint8_t couleur);
    void EffaceLigne(int i);

    // ---- HTML ----
    std::string LigneHTML(int i) const;
    std::string Texte() const;
    // Complete: the file is replaced by a whole page; otherwise the text is
    // appended to the existing file.
    // Titres: what the page shows, its title.
    void PageHTML(const std::string& NomFichier, bool Complete, const std::vector<std::string>& Titres = {});

    // ---- layout, drawing and printing ----
    // One row of the drawn text: a piece of a line and the x of each of its
    // characters (from the left of the drawing).
    struct TRangee
    {
        int Ligne = 0;                 // 1-based line it comes from
        std::string Texte;             // the characters drawn (no final carriage return)
        std::vector<int> X;
        std::string Couleurs;
    };
    // The rows of the text at a width, measured on the canvas; echelle turns the
    // pane's pixel sizes (margins, indents) into the canvas's.
    std::vector<TRangee> Disposition(TCanvas& Canvas, int largeur, double echelle = 1.0);
    virtual void Dessine(TCanvas& Canvas, const TRect& Rect, bool Impression);
    // The number of rows the text takes at a width (wrapped pieces and empty lines).
    int NbLignesDessinees(int largeur);
    // Prints on the default printer, portrait, as many pages as the text needs.
    // False when printing failed (the job is then aborted).
    bool Imprime();
    // Prints into a rectangle of the printer's open document; text that does not
    // fit continues in the same rectangle of the next pages.
    void ImprimeDans(TPrinter& printer, const TRect& r);
    // Pages the last printing took.
    int PagesImprimees() const { return pages_; }

protected:
    void Paint() override;
    void BoundsChanged(bool sized) override;

private:
    struct Morceau
    {
        int ligne = 0;        // index in lignes_
        size_t debut = 0;     // characters [debut, fin) of the line
        size_t fin = 0;
        bool justifie = false;
    };
    std::vector<Morceau> Decoupe(TCanvas& c, int largeur);
    int LargeurCar(TCanvas& c, unsigned char ch);
    int LargeurTexte(TCanvas& c, const TLigneEditeur& l, size_t debut, size_t fin);
    void MetAJourHauteur();
    void Change();

    std::vector<std::unique_ptr<TLigneEditeur>> lignes_;
    TColor palette_[NbCouleurPalette];
    uint8_t interligne_ = 18;
    bool ajustAuto_ = false;
    uint8_t decalX_ = 0;
    uint8_t decalY_ = 0;
    bool justifyDoc_ = true;
    // While printing: the scale from screen pixels to the printer's, and the
    // page break.
    double echelle_ = 1.0;
    std::function<void()> nouvellePage_;
    int pages_ = 0;
    int largeursCar_[256];
    bool ajustement_ = false;
};
