#include "ui/Graphe.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gui/Pictures.h"
#include "platform/rtl/Strings.h"

namespace {

// a * b div c in 64 bits, truncating towards zero; 0 when c is 0.
int MulDiv0(long long a, long long b, long long c)
{
    if (c == 0)
        return 0;
    return static_cast<int>(a * b / c);
}

}   // namespace

// ---- series ----------------------------------------------------------------------------

size_t TCourbe::Place(int x) const
{
    auto it = std::lower_bound(Points.begin(), Points.end(), x,
                               [](const std::unique_ptr<TPointGraphe>& p, int v) { return p->X < v; });
    return static_cast<size_t>(it - Points.begin());
}

TPointGraphe* TCourbe::Cherche(int x) const
{
    size_t i = Place(x);
    return i < Points.size() && Points[i]->X == x ? Points[i].get() : nullptr;
}

int TCourbe::MaxX() const
{
    int m = 0;
    for (const auto& p : Points)
        m = std::max(m, static_cast<int>(p->X));
    return m;
}

int TCourbe::MaxY() const
{
    int m = 0;
    for (const auto& p : Points)
        m = std::max(m, static_cast<int>(p->Y));
    return m;
}

int TCourbe::Valeur(int x) const
{
    TPointGraphe* p = Cherche(x);
    return p ? p->Y : -1;
}

void TCourbe::Ajoute(int x, int y)
{
    size_t i = Place(x);
    if (i < Points.size() && Points[i]->X == x) {
        Points[i]->Y = y;
        return;
    }
    auto p = std::make_unique<TPointGraphe>();
    p->X = x;
    p->Y = y;
    Points.insert(Points.begin() + static_cast<std::ptrdiff_t>(i), std::move(p));
}

TCouleurPoint TCourbe::Couleur(int x) const
{
    TPointGraphe* p = Cherche(x);
    return p && p->Couleur.Debut != 0 ? p->Couleur : CouleurDefaut;
}

void TCourbe::ChangeCouleur(int x, TCouleurPoint pair)
{
    size_t i = Place(x);
    if (i < Points.size() && Points[i]->X == x) {
        if (pair.Debut != 0)
            Points[i]->Couleur = pair;
        return;
    }
    auto p = std::make_unique<TPointGraphe>();
    p->X = x;
    p->Y = -1;
    p->Couleur = pair;
    Points.insert(Points.begin() + static_cast<std::ptrdiff_t>(i), std::move(p));
}

void TCourbe::Ecrit(int x, int y, TCouleurPoint pair)
{
    Ajoute(x, y);
    Cherche(x)->Couleur = pair;
}

// ---- replacement texts -----------------------------------------------------------------

void TLegendeRemplace::Ajoute(int cle, const std::string& texte)
{
    auto it = std::lower_bound(entrees_.begin(), entrees_.end(), cle,
                               [](const std::pair<int, std::string>& e, int k) { return e.first < k; });
    if (it != entrees_.end() && it->first == cle)
        it->second = texte;
    else
        entrees_.insert(it, {cle, texte});
}

std::string TLegendeRemplace::Cherche(int cle) const
{
    auto it = std::lower_bound(entrees_.begin(), entrees_.end(), cle,
                               [](const std::pair<int, std::string>& e, int k) { return e.first < k; });
    return it != entrees_.end() && it->first == cle ? it->second : std::string();
}

// ---- scale -----------------------------------------------------------------------------

int PasGraduation(int max, int n)
{
    long long q;
    if (n != 0)
        q = static_cast<long long>(std::ceil(static_cast<double>(max) / n));
    else
        q = max;
    if (q < 2)
        return 1;
    if (q < 10)
        return static_cast<int>(q);
    long long m = 1;
    while (q >= 10) {
        q = (q + 9) / 10;
        m *= 10;
    }
    return static_cast<int>(q * m);
}

// ---- gradient --------------------------------------------------------------------------

void DegradeRect(TCanvas& Canvas, const TRect& Rect, const TRect& Marges, int Multiplicateur, int Diviseur,
                 TColor CouleurDepart, TColor CouleurArrivee, bool Vertical)
{
    if (Diviseur == 0)
        return;
    long long n;
    int x = 0, y = 0;
    if (Vertical) {
        if (Rect.Top < Rect.Bottom) {
            y = Rect.Bottom - Marges.Bottom - 1;
            n = std::llabs(static_cast<long long>((Rect.Bottom - Rect.Top - 1) - (Marges.Bottom + Marges.Top)) *
                           Multiplicateur / Diviseur);
        } else {
            y = Rect.Top - Marges.Top - 1;
            n = -(static_cast<long long>((Rect.Bottom - Rect.Top) - (Marges.Bottom + Marges.Top)) * Multiplicateur /
                  Diviseur);
        }
    } else {
        x = Rect.Left + Marges.Left;
        n = static_cast<long long>((Rect.Right - Rect.Left - 1) - (Marges.Right + Marges.Left)) * Multiplicateur /
            Diviseur;
    }
    if (n <= 0)
        return;
    TColor dep = ColorToRGB(CouleurDepart), arr = ColorToRGB(CouleurArrivee);
    if (Canvas.VectorDevice()) {
        // On paper the same bar is one shape: a line per device pixel made
        // pages of tens of megabytes.
        const int m = static_cast<int>(std::min<long long>(n, 1 << 30));
        const TRect barre = Vertical ? ::Rect(Rect.Left + Marges.Left, y - m + 1, Rect.Right - Marges.Right, y + 1)
                                     : ::Rect(x, Rect.Top + Marges.Top, x + m, Rect.Bottom - Marges.Bottom - 1);
        Canvas.GradientFill(barre, dep, arr, Vertical);
        return;
    }
    int comp[3], d[3], dir[3];
    long long acc[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        int a = static_cast<int>((dep >> (8 * k)) & 0xFF);
        int b = static_cast<int>((arr >> (8 * k)) & 0xFF);
        comp[k] = a;
        d[k] = std::abs(b - a);
        dir[k] = b > a ? 1 : -1;
    }
    for (long long i = 0; i < n; ++i) {
        for (int k = 0; k < 3; ++k) {
            acc[k] += d[k];
            if (acc[k] > n) {
                comp[k] += dir[k] * static_cast<int>(acc[k] / n);
                comp[k] = std::clamp(comp[k], 0, 255);
                acc[k] %= n;
            }
        }
        Canvas.Pen.SetColor(RGB(comp[0], comp[1], comp[2]));
        if (Vertical) {
            Canvas.MoveTo(Rect.Left + Marges.Left, y);
            Canvas.LineTo(Rect.Right - Marges.Right, y);
            --y;
        } else {
            Canvas.MoveTo(x, Rect.Top + Marges.Top);
            Canvas.LineTo(x, Rect.Bottom - Marges.Bottom - 1);
            ++x;
        }
    }
}

// ---- chart -----------------------------------------------------------------------------

TGraphe::TGraphe(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 100, 100);
}

TGraphe::~TGraphe() = default;

#define BZ_SETTER(Name, field, Type) \
    void TGraphe::Set##Name(Type v)  \
    {                                \
        field = v;                   \
        Invalidate();                \
    }
BZ_SETTER(Grille, grille_, bool)
BZ_SETTER(Inverse, inverse_, bool)
BZ_SETTER(NbPointX, nbPointX_, int)
BZ_SETTER(NbPointY, nbPointY_, int)
BZ_SETTER(LegendeX, legendeX_, const std::string&)
BZ_SETTER(LegendeY, legendeY_, const std::string&)
BZ_SETTER(EspaceGraduerX, espaceX_, int)
BZ_SETTER(EspaceGraduerY, espaceY_, int)
BZ_SETTER(EcrireX, ecrireX_, bool)
BZ_SETTER(EcrireY, ecrireY_, bool)
BZ_SETTER(CouleurContours, couleurContours_, TColor)
BZ_SETTER(EcritureContours, ecritureContours_, TColor)
BZ_SETTER(AutoGraduationX, autoX_, bool)
BZ_SETTER(AutoGraduationY, autoY_, bool)
#undef BZ_SETTER

TCourbe* TGraphe::Courbe(int i) const
{
    return i >= 0 && i < NbCourbes() ? courbes_[static_cast<size_t>(i)].get() : nullptr;
}

void TGraphe::ChangeNbCourbes(int n)
{
    courbes_.clear();
    AjouteCourbes(n);
}

void TGraphe::AjouteCourbes(int n)
{
    for (int i = 0; i < n; ++i)
        courbes_.push_back(std::make_unique<TCourbe>());
    Invalidate();
}

void TGraphe::VideCourbes()
{
    courbes_.clear();
    Invalidate();
}

void TGraphe::VideCourbe(int i)
{
    if (TCourbe* c = Courbe(i)) {
        c->Vide();
        Invalidate();
    }
}

void TGraphe::ChangeStyleCourbe(int i, int affichee)
{
    if (TCourbe* c = Courbe(i)) {
        c->Affichee = static_cast<uint8_t>(affichee);
        Invalidate();
    }
}

void TGraphe::ChangeCouleurCourbe(int i, TColor couleur)
{
    if (TCourbe* c = Courbe(i)) {
        c->CouleurDefaut = CouleurGraphe(couleur);
        Invalidate();
    }
}

void TGraphe::AjoutePoint(int i, int x, int y)
{
    if (TCourbe* c = Courbe(i)) {
        c->Ajoute(x, y);
        Invalidate();
    }
}

void TGraphe::ChangeCouleurPoint(int i, int x, TCouleurPoint pair)
{
    if (TCourbe* c = Courbe(i)) {
        c->ChangeCouleur(x, pair);
        Invalidate();
    }
}

int TGraphe::ValeurPoint(int i, int x) const
{
    TCourbe* c = Courbe(i);
    return c ? c->Valeur(x) : -1;
}

TColor TGraphe::CouleurPoint(int i, int x) const
{
    TCourbe* c = Courbe(i);
    return c ? c->Couleur(x).Debut : 0;
}

int TGraphe::MaxX() const
{
    int m = 0;
    for (const auto& c : courbes_)
        if (c->Affichee)
            m = std::max(m, c->MaxX());
    return m;
}

int TGraphe::MaxY() const
{
    int m = 0;
    for (const auto& c : courbes_)
        if (c->Affichee)
            m = std::max(m, c->MaxY());
    return m;
}

int TGraphe::EchelleX() const
{
    return PasGraduation(MaxX(), nbPointX_) * nbPointX_;
}

int TGraphe::EchelleY() const
{
    int n = autoY_ ? MaxY() : nbPointY_;
    return PasGraduation(MaxY(), n) * n;
}

int TGraphe::LargeurTrace() const
{
    return Droite - Gauche - (grille_ ? 0 : 10);
}

int TGraphe::HauteurTrace() const
{
    return std::abs(Origine - Extremite) - (grille_ ? 0 : 10);
}

void TGraphe::Paint()
{
    Dessine(Canvas());
    if (OnPaint)
        OnPaint(this);
}

void TGraphe::Dessine(TCanvas& c)
{
    zoneValide_ = false;
    if (Height() < 31 || Width() < 36)
        return;
    if (autoY_)
        nbPointY_ = MaxY();
    c.Font.SetStyle(0);
    c.Font.SetSize(8);
    Gauche = c.TextWidth(IntToStr(PasGraduation(MaxY(), nbPointY_))) + 12;
    Droite = Width() - 8;
    // The caption of the X axis stands after the axis' last label, not on it.
    if (!legendeX_.empty())
        Droite = std::max(Gauche + 20, Width() - 14 - c.TextWidth(legendeX_));
    int h = c.TextHeight("1") + 8;
    if (inverse_) {
        Origine = h;
        Extremite = Height() - h;
        Sens = 1;
    } else {
        Extremite = h;
        Origine = Height() - h;
        Sens = -1;
    }
    zoneValide_ = true;

    c.Pen.SetColor(couleurContours_);
    c.Font.SetColor(couleurContours_);
    c.Brush.SetStyle(bsClear);

    // Axes and their arrowheads.
    c.MoveTo(Gauche, Origine);
    c.LineTo(Droite, Origine);
    if (!grille_) {
        c.MoveTo(Droite, Origine);
        c.LineTo(Droite - 5, Origine - 4);
        c.MoveTo(Droite, Origine);
        c.LineTo(Droite - 5, Origine + 4);
    }
    c.MoveTo(Gauche, Origine);
    c.LineTo(Gauche, Extremite);
    if (!grille_) {
        c.MoveTo(Gauche, Extremite);
        c.LineTo(Gauche - 4, Extremite - Sens * 5);
        c.MoveTo(Gauche, Extremite);
        c.LineTo(Gauche + 4, Extremite - Sens * 5);
    }

    int zw = c.TextWidth("0"), zh = c.TextHeight("0");
    c.TextOut(Gauche - 4 - zw, inverse_ ? Origine - zh - 1 : Origine + 2, "0");

    c.Font.SetColor(ecritureContours_);
    if (!legendeX_.empty())
        c.TextOut(Width() - 5 - c.TextWidth(legendeX_), Origine + 2, legendeX_);
    if (!legendeY_.empty())
        c.TextOut(3, Extremite - 13, legendeY_);

    if (ecrireY_)
        GraduationsY(c);
    if (ecrireX_)
        GraduationsX(c);
}

namespace {

// round(i / facteur), a zero factor counting as 1.
long long ValeurGraduation(int i, double facteur)
{
    if (facteur == 0 || !std::isfinite(facteur))
        facteur = 1;
    double v = i / facteur;
    if (!std::isfinite(v) || std::fabs(v) > 2e9)
        return 0;
    return Round(v);
}

// The labelling interval round(espace * facteur), at least 1.
long long Intervalle(int espace, double facteur)
{
    double v = espace * facteur;
    long long k = std::isfinite(v) && std::fabs(v) < 2e9 ? Round(v) : 1;
    return k < 1 ? 1 : k;
}

}   // namespace

void TGraphe::GraduationsY(TCanvas& c)
{
    int n = nbPointY_;
    if (n <= 0)
        return;
    int pas = PasGraduation(MaxY(), n);
    int longueur = HauteurTrace();
    int fin = grille_ ? Droite : Gauche + 3;
    long long k = Intervalle(espaceY_, FacteurY);
    for (int i = 1; i <= n; ++i) {
        c.Pen.SetColor(grille_ && i < n ? clBtnFace : couleurContours_);
        int p = MulDiv0(longueur, i, n);
        int y = Origine + Sens * p;
        c.MoveTo(Gauche + 1, y);
        c.LineTo(fin, y);
        if (espaceY_ <= 0 || (i % k != 0 && i != n))
            continue;
        long long v = ValeurGraduation(i, FacteurY);
        std::string texte = RemplaceY ? RemplaceY->Cherche(static_cast<int>(v)) : std::string();
        if (texte.empty())
            texte = IntToStr(v * pas);
        c.Font.SetColor(ecritureContours_);
        c.TextOut(Gauche - 2 - c.TextWidth(texte), y - c.TextHeight(texte) / 2, texte);
    }
}

void TGraphe::GraduationsX(TCanvas& c)
{
    int n = nbPointX_;
    if (n <= 0)
        return;
    int pas = PasGraduation(MaxX(), n);
    int longueur = LargeurTrace();
    long long k = Intervalle(espaceX_, FacteurX);
    for (int i = 1; i <= n; ++i) {
        c.Pen.SetColor(grille_ && i < n ? clBtnFace : couleurContours_);
        int p = MulDiv0(longueur, i, n);
        int x = Gauche + p;
        c.MoveTo(x, Origine + Sens);
        c.LineTo(x, grille_ ? Extremite : Origine + Sens * 3);
        if (espaceX_ < 1 || (i % k != 0 && i != n))
            continue;
        long long v = ValeurGraduation(i, FacteurX);
        std::string texte = RemplaceX ? RemplaceX->Cherche(static_cast<int>(v)) : std::string();
        if (texte.empty())
            texte = IntToStr(v * pas);
        int tw = c.TextWidth(texte), th = c.TextHeight(texte);
        int tx = decalLegende_ ? x - (tw + longueur / n) / 2 : x - tw / 2;
        c.Font.SetColor(ecritureContours_);
        c.TextOut(tx, inverse_ ? Origine - th - 2 : Origine + 2, texte);
    }
}

TRect TGraphe::RectangleImpression(const TRect& r) const
{
    if (Width() <= 0 || Height() <= 0)
        return Rect(r.Left, r.Top, r.Left, r.Top);
    double sx = static_cast<double>(r.Width()) / Width();
    double sy = static_cast<double>(r.Height()) / Height();
    double s = std::min(sx, sy);
    TRect t;
    t.Left = r.Left + static_cast<int>(Round((r.Width() - Width() * s) / 2));
    t.Right = t.Left + static_cast<int>(Round(Width() * s));
    t.Top = r.Top + static_cast<int>(Round((r.Height() - Height() * s) / 2));
    t.Bottom = t.Top + static_cast<int>(Round(Height() * s));
    return t;
}

void TGraphe::Imprime(const TRect& r, TCanvas& Canvas)
{
    if (Width() <= 0 || Height() <= 0)
        return;
    TBitmap image(Width(), Height());
    TCanvas& bc = image.Canvas();
    bc.Brush.SetColor(clWhite);
    bc.FillRect(Rect(0, 0, Width(), Height()));
    bc.Font = Font();
    TColor contours = couleurContours_, ecriture = ecritureContours_;
    couleurContours_ = clBlack;
    ecritureContours_ = clBlack;
    Dessine(bc);
    couleurContours_ = contours;
    ecritureContours_ = ecriture;
    Canvas.StretchDraw(RectangleImpression(r), image);
}

// ---- line chart ------------------------------------------------------------------------

TGraphLigne::TGraphLigne(TComponent* AOwner) : TGraphe(AOwner) {}

void TGraphLigne::SetCarre(bool v)
{
    carre_ = v;
    Invalidate();
}

void TGraphLigne::SetCouleurRelie(uint8_t v)
{
    couleurRelie_ = v;
    Invalidate();
}

void TGraphLigne::ChangeMarqueCourbe(int i, int reliee)
{
    if (TCourbe* c = Courbe(i)) {
        c->Reliee = static_cast<uint8_t>(reliee);
        Invalidate();
    }
}

void TGraphLigne::ChangeSymbolesCourbe(int i, bool symboles)
{
    if (TCourbe* c = Courbe(i)) {
        c->Symboles = symboles;
        Invalidate();
    }
}

void TGraphLigne::Dessine(TCanvas& c)
{
    TGraphe::Dessine(c);
    if (!zoneValide_)
        return;
    int largeur = LargeurTrace(), hauteur = HauteurTrace();
    int fullX = EchelleX(), fullY = EchelleY();
    c.Brush.SetStyle(bsSolid);
    for (int s = 0; s < NbCourbes(); ++s) {
        TCourbe* courbe = Courbe(s);
        if (!courbe->Affichee)
            continue;
        bool premier = true;
        for (const auto& p : courbe->Points) {
            if (p->X < 0 || p->Y < 0)
                continue;
            int px = Gauche + MulDiv0(largeur, p->X, fullX);
            int py = Origine + Sens * MulDiv0(hauteur, p->Y, fullY);
            if (Grille() || carre_ || courbe->Symboles) {
                TColor cp = courbe->Couleur(p->X).Debut;
                c.Pen.SetColor(cp);
                c.Brush.SetColor(cp);
                c.Rectangle(px - 2, py - 2, px + 3, py + 3);
            }
            c.Pen.SetColor(courbe->CouleurDefaut.Debut);
            c.Brush.SetColor(courbe->CouleurDefaut.Debut);
            if (courbe->Reliee) {
                if (premier)
                    c.MoveTo(px, py);
                else
                    c.LineTo(px, py);
            }
            premier = false;
        }
    }
}

TPointGraphe* TGraphLigne::PointSousSouris(int X, int Y, int& Serie) const
{
    int largeur = LargeurTrace(), hauteur = HauteurTrace();
    int fullX = EchelleX(), fullY = EchelleY();
    if (!zoneValide_ || largeur <= 0 || fullX <= 0)
        return nullptr;
    int rx = X - Gauche + 1;
    int ry = Inverse() ? Y - Origine : Origine - Y;
    int premiere = 0, derniere = NbCourbes() - 1;
    if (Serie >= 0 && Serie < NbCourbes())
        premiere = derniere = Serie;
    for (int s = premiere; s <= derniere; ++s) {
        TCourbe* courbe = Courbe(s);
        if (!courbe->Affichee)
            continue;
        int x0 = MulDiv0(rx, fullX, largeur);
        for (int x : {x0, x0 + 1}) {
            TPointGraphe* p = courbe->Cherche(x);
            if (!p || p->Y < 0)
                continue;
            int px = MulDiv0(largeur, p->X, fullX);
            int py = MulDiv0(hauteur, p->Y, fullY);
            if (std::abs(px - rx) <= 3 && std::abs(py - ry) <= 3) {
                Serie = s;
                return p;
            }
        }
    }
    return nullptr;
}

// ---- bar chart -------------------------------------------------------------------------

TGraphBarre::TGraphBarre(TComponent* AOwner) : TGraphe(AOwner)
{
    SetDecalLegendeFlag(true);
    SetCouleurContours(clBlack);
}

void TGraphBarre::SetContoursBarre(TColor v)
{
    contoursBarre_ = v;
    Invalidate();
}

void TGraphBarre::SetTextin(bool v)
{
    textin_ = v;
    Invalidate();
}

void TGraphBarre::SetCouleurText(TColor v)
{
    couleurText_ = v;
    Invalidate();
}

void TGraphBarre::Dessine(TCanvas& c)
{
    TGraphe::Dessine(c);
    if (!zoneValide_)
        return;
    int largeur = LargeurTrace(), hauteur = HauteurTrace();
    int fullX = EchelleX(), fullY = EchelleY();
    if (fullX <= 0 || fullY <= 0)
        return;
    c.Brush.SetStyle(bsSolid);
    c.Font.SetColor(clBlack);
    int maxX = MaxX();
    for (int x = 1; x <= maxX; ++x) {
        int x0 = MulDiv0(x - 1, largeur, fullX);
        int x1 = MulDiv0(x, largeur, fullX);
        long long cumul = 0;
        for (int s = 0; s < NbCourbes(); ++s) {
            TCourbe* courbe = Courbe(s);
            if (!courbe->Affichee)
                continue;
            int v = courbe->Valeur(x);
            if (v <= 0)
                continue;
            long long avant = cumul;
            cumul += v;
            int y0 = MulDiv0(hauteur, avant, fullY);
            int y1 = MulDiv0(hauteur, cumul, fullY);
            TCouleurPoint couleur = courbe->Couleur(x);
            DegradeRect(c, Rect(Gauche + x0 + 1, Origine + Sens * y0, Gauche + x1, Origine + Sens * y1), Rect(0, 0, 0, 0),
                        1, 1, couleur.Debut, couleur.Fin, true);
            c.Pen.SetColor(contoursBarre_);
            if (x >= 2) {
                c.MoveTo(Gauche + x0 + 1, Origine + Sens * (y0 + 1));
                c.LineTo(Gauche + x0 + 1, Origine + Sens * y1);
            } else {
                c.MoveTo(Gauche + x0 + 1, Origine + Sens * y1);
            }
            c.LineTo(Gauche + x1, Origine + Sens * y1);
            c.LineTo(Gauche + x1, Origine + Sens * (y0 + 1));
            if (textin_) {
                std::string texte = IntToStr(v);
                c.Font.SetColor(couleurText_);
                c.Brush.SetStyle(bsClear);
                int tw = c.TextWidth(texte), th = c.TextHeight(texte);
                int pasX = NbPointX() > 0 ? largeur / NbPointX() : 0;
                c.TextOut(Gauche + x0 + (pasX - tw) / 2, Origine + Sens * ((th + y0 + y1) / 2), texte);
                c.Brush.SetStyle(bsSolid);
            }
        }
    }
}

TPointGraphe* TGraphBarre::BarreSousSouris(int X, int Y, int Serie) const
{
    TCourbe* courbe = Courbe(Serie);
    if (!courbe || !courbe->Affichee || !zoneValide_)
        return nullptr;
    int largeur = LargeurTrace(), hauteur = HauteurTrace();
    int fullX = EchelleX(), fullY = EchelleY();
    if (largeur <= 0 || fullX <= 0 || fullY <= 0)
        return nullptr;
    int rx = X - Gauche + 1;
    int ry = Inverse() ? Y - Origine : Origine - Y;
    if (rx < 1 || ry < 1)
        return nullptr;
    int x = MulDiv0(rx, fullX, largeur) + 1;
    TPointGraphe* p = courbe->Cherche(x);
    if (!p || p->Y <= 0)
        return nullptr;
    // The segment of this series in the stack at x: above the shown series before it.
    long long avant = 0;
    for (int s = 0; s < Serie; ++s) {
        TCourbe* autre = Courbe(s);
        int v = autre->Affichee ? autre->Valeur(x) : -1;
        if (v > 0)
            avant += v;
    }
    int bas = MulDiv0(hauteur, avant, fullY);
    int haut = MulDiv0(hauteur, avant + p->Y, fullY);
    return ry > bas && ry <= haut ? p : nullptr;
}
