// Charts of the statistics views: the abstract chart TGraphe (axes, graduations,
// captions, grid, series, printing), the line chart TGraphLigne, the stacked bar
// chart TGraphBarre, the series TCourbe, the replacement texts of axis values
// TLegendeRemplace, and the gradient fill DegradeRect that the colour grid also
// uses for its value bars.
//
// Values are non-negative integers; -1 is "no value". A chart draws on any
// canvas through Dessine (its own when shown, a bitmap for a PNG picture, a
// printer through Imprime); it never needs to have been shown.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/gui/Controls.h"
#include "platform/gui/Graphics.h"

// Two colours of a point: a bar's gradient runs from Debut to Fin; a line
// point's marker takes Debut. Debut 0 means "no colour of its own".
struct TCouleurPoint
{
    TColor Debut = 0;
    TColor Fin = 0;
    bool operator==(const TCouleurPoint&) const = default;
};
inline TCouleurPoint CouleurGraphe(TColor c) { return {c, c}; }
inline TCouleurPoint CouleursGraphe(TColor c1, TColor c2) { return {c1, c2}; }

struct TPointGraphe
{
    int32_t X = 0;
    int32_t Y = -1;   // -1: the point only carries colours
    TCouleurPoint Couleur;
};

// One series: points sorted by X, at most one per X.
class TCourbe
{
public:
    std::vector<std::unique_ptr<TPointGraphe>> Points;
    TCouleurPoint CouleurDefaut;
    uint8_t Affichee = 1;
    uint8_t Reliee = 1;
    // In a line chart, a square marker on each of its points (as Carre gives
    // every series).
    bool Symboles = false;

    void Vide() { Points.clear(); }
    int MaxX() const;   // 0 with no point
    int MaxY() const;
    int Valeur(int x) const;   // -1 when no point at x
    // Sets the value at x (colours kept) or inserts (x, y) without colour.
    void Ajoute(int x, int y);
    // The point's pair when it has one, else the default pair.
    TCouleurPoint Couleur(int x) const;
    // Sets the pair of the point at x, or inserts (x, -1, pair). A pair with
    // Debut 0 changes nothing on an existing point.
    void ChangeCouleur(int x, TCouleurPoint pair);
    TPointGraphe* Cherche(int x) const;
    void Ecrit(int x, int y, TCouleurPoint pair);

private:
    // Index of the first point whose X is >= x.
    size_t Place(int x) const;
};

// Texts shown instead of axis values, sorted by key.
class TLegendeRemplace
{
public:
    void Ajoute(int cle, const std::string& texte);
    // The text of the key, "" when absent (empty table included).
    std::string Cherche(int cle) const;
    int Count() const { return static_cast<int>(entrees_.size()); }

private:
    std::vector<std::pair<int, std::string>> entrees_;
};

// The value between two graduations for a maximum and n graduations, rounded up
// to one significant digit (156, 10 -> 20; 23, 1 -> 30); at least 1.
int PasGraduation(int max, int n);

// Fills a fraction Multiplicateur / Diviseur of the rectangle (less the margins)
// with one-pixel lines whose colour runs from CouleurDepart to CouleurArrivee.
// Vertical: horizontal lines from the bottom up (from the top down when
// Top > Bottom); otherwise vertical lines from the left.
void DegradeRect(TCanvas& Canvas, const TRect& Rect, const TRect& Marges, int Multiplicateur, int Diviseur,
                 TColor CouleurDepart, TColor CouleurArrivee, bool Vertical);

class TGraphe : public TGraphicControl
{
public:
    explicit TGraphe(TComponent* AOwner);
    ~TGraphe() override;

    // ---- properties (every setter repaints) ----
    bool Grille() const { return grille_; }
    void SetGrille(bool v);
    bool Inverse() const { return inverse_; }
    void SetInverse(bool v);
    int NbPointX() const { return nbPointX_; }
    void SetNbPointX(int v);
    int NbPointY() const { return nbPointY_; }
    void SetNbPointY(int v);
    const std::string& LegendeX() const { return legendeX_; }
    void SetLegendeX(const std::string& v);
    const std::string& LegendeY() const { return legendeY_; }
    void SetLegendeY(const std::string& v);
    int EspaceGraduerX() const { return espaceX_; }
    void SetEspaceGraduerX(int v);
    int EspaceGraduerY() const { return espaceY_; }
    void SetEspaceGraduerY(int v);
    bool EcrireX() const { return ecrireX_; }
    void SetEcrireX(bool v);
    bool EcrireY() const { return ecrireY_; }
    void SetEcrireY(bool v);
    TColor CouleurContours() const { return couleurContours_; }
    void SetCouleurContours(TColor v);
    TColor EcritureContours() const { return ecritureContours_; }
    void SetEcritureContours(TColor v);
    bool AutoGraduationX() const { return autoX_; }
    void SetAutoGraduationX(bool v);
    bool AutoGraduationY() const { return autoY_; }
    void SetAutoGraduationY(bool v);
    bool DecalLegende() const { return decalLegende_; }

    // Public fields set directly by the windows.
    std::unique_ptr<TLegendeRemplace> RemplaceX;
    std::unique_ptr<TLegendeRemplace> RemplaceY;
    double FacteurX = 1.0;
    double FacteurY = 1.0;

    // Plot zone of the last drawing (the hit tests use it).
    int Gauche = 0;
    int Origine = 0;
    int Droite = 0;
    int Extremite = 0;
    int Sens = -1;

    // ---- series ----
    int NbCourbes() const { return static_cast<int>(courbes_.size()); }
    TCourbe* Courbe(int i) const;   // nullptr out of range
    void ChangeNbCourbes(int n);
    void AjouteCourbes(int n);
    void VideCourbes();
    void VideCourbe(int i);
    void ChangeStyleCourbe(int i, int affichee);
    void ChangeCouleurCourbe(int i, TColor couleur);
    void AjoutePoint(int i, int x, int y);
    void ChangeCouleurPoint(int i, int x, TCouleurPoint pair);
    int ValeurPoint(int i, int x) const;
    TColor CouleurPoint(int i, int x) const;

    // Largest X and Y over the shown series (0 when none).
    int MaxX() const;
    int MaxY() const;
    // Full scales: step x number of graduations (0 possible).
    int EchelleX() const;
    int EchelleY() const;

    // Draws the whole chart on a canvas (axes here; series in the subclasses).
    virtual void Dessine(TCanvas& Canvas);
    // Draws the chart into r of a canvas (printer or other) in black axes and
    // texts, centred and keeping its proportions.
    void Imprime(const TRect& r, TCanvas& Canvas);
    // Where Imprime puts a chart of this size into r.
    TRect RectangleImpression(const TRect& r) const;

protected:
    void Paint() override;
    void SetDecalLegendeFlag(bool v) { decalLegende_ = v; Invalidate(); }
    // Plot width and height of the last drawing (less the arrow reserve).
    int LargeurTrace() const;
    int HauteurTrace() const;
    // True when the last Dessine laid out axes (the chart was big enough).
    bool zoneValide_ = false;

private:
    void GraduationsY(TCanvas& c);
    void GraduationsX(TCanvas& c);
    std::vector<std::unique_ptr<TCourbe>> courbes_;
    bool decalLegende_ = false;
    bool grille_ = false;
    bool inverse_ = false;
    int nbPointX_ = 20;
    int nbPointY_ = 20;
    std::string legendeX_;
    std::string legendeY_;
    int espaceX_ = 5;
    int espaceY_ = 5;
    bool ecrireX_ = true;
    bool ecrireY_ = true;
    TColor couleurContours_ = clBlack;
    TColor ecritureContours_ = clBlack;
    bool autoX_ = false;
    bool autoY_ = false;
};

class TGraphLigne : public TGraphe
{
public:
    explicit TGraphLigne(TComponent* AOwner);
    bool Carre() const { return carre_; }
    void SetCarre(bool v);
    uint8_t CouleurRelie() const { return couleurRelie_; }
    void SetCouleurRelie(uint8_t v);
    void ChangeMarqueCourbe(int i, int reliee);
    // Shows or hides the square markers of series i.
    void ChangeSymbolesCourbe(int i, bool symboles);

    // The point under (X, Y) of the control. Serie -1 (or any value out of
    // range) searches every shown series and receives the series found.
    TPointGraphe* PointSousSouris(int X, int Y, int& Serie) const;

    void Dessine(TCanvas& Canvas) override;

private:
    bool carre_ = false;
    uint8_t couleurRelie_ = 0;
};

class TGraphBarre : public TGraphe
{
public:
    explicit TGraphBarre(TComponent* AOwner);
    TColor ContoursBarre() const { return contoursBarre_; }
    void SetContoursBarre(TColor v);
    bool Textin() const { return textin_; }
    void SetTextin(bool v);
    TColor CouleurText() const { return couleurText_; }
    void SetCouleurText(TColor v);
    void SetDecalLegende(bool v) { SetDecalLegendeFlag(v); }

    // The point of series Serie whose segment of the stack is under (X, Y).
    TPointGraphe* BarreSousSouris(int X, int Y, int Serie) const;

    void Dessine(TCanvas& Canvas) override;

private:
    TColor contoursBarre_ = clBlack;
    bool textin_ = false;
    TColor couleurText_ = clBlack;
};
