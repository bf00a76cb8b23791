#include "ui/Afficheur.h"

namespace
{
const int Masques[10] = {0x77, 0x24, 0x5D, 0x6D, 0x2E, 0x6B, 0x7B, 0x25, 0x7F, 0x6F};
}

std::string ChiffresAffichage(const std::string& nombre, int nbCase)
{
    if (nbCase <= 0)
        return {};
    const size_t n = static_cast<size_t>(nbCase);
    if (nombre.size() >= n)
        return nombre.substr(nombre.size() - n);
    return std::string(n - nombre.size(), '0') + nombre;
}

int MasqueSegments(char chiffre)
{
    return chiffre >= '0' && chiffre <= '9' ? Masques[chiffre - '0'] : 0;
}

void ToucheAffichage(std::string& nombre, bool& efface, char key, int nbCase)
{
    // Only a typed digit starts a new number; a backspace edits the one shown.
    if (key == 8)
        efface = false;
    else if (key >= '0' && key <= '9' && efface)
    {
        nombre.clear();
        efface = false;
    }
    if (key == 8)
    {
        if (!nombre.empty())
            nombre.pop_back();
    }
    else if (key >= '0' && key <= '9')
        nombre += key;
    if (nbCase >= 0 && nombre.size() > static_cast<size_t>(nbCase))
        nombre.erase(0, nombre.size() - static_cast<size_t>(nbCase));
}

std::vector<TTraitSegment> TraitsSegment(int segment, int x)
{
    // (start x, start y, horizontal) of the segments: top, upper left, upper
    // right, middle, lower left, lower right, bottom.
    struct S { int sx, sy; bool h; };
    const S s[7] = {{x + 7, 6, true}, {x + 5, 7, false}, {x + 26, 7, false}, {x + 7, 25, true},
                    {x + 5, 26, false}, {x + 26, 26, false}, {x + 7, 44, true}};
    std::vector<TTraitSegment> t;
    if (segment < 0 || segment > 6)
        return t;
    const S& g = s[segment];
    const int L = 18;
    for (int i = 1; i <= 3; ++i)
    {
        if (g.h)
        {
            t.push_back({{g.sx + 3 - i, g.sy - 3 + i}, {g.sx + L - 3 + i, g.sy - 3 + i}});
            t.push_back({{g.sx + 3 - i, g.sy + 3 - i}, {g.sx + L - 3 + i, g.sy + 3 - i}});
        }
        else
        {
            t.push_back({{g.sx + 3 - i, g.sy + 3 - i}, {g.sx + 3 - i, g.sy + L - 3 + i}});
            t.push_back({{g.sx - 3 + i, g.sy + 3 - i}, {g.sx - 3 + i, g.sy + L - 3 + i}});
        }
    }
    return t;
}

TAffichage::TAffichage(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 172, 53);
    SetWidth(nbCase_ * 34);
}

void TAffichage::SetNombre(const std::string& n)
{
    nombre_ = n;
    Invalidate();
}

void TAffichage::SetNb_case(uint8_t n)
{
    nbCase_ = n;
    SetWidth(n * 34);
    Invalidate();
}

void TAffichage::SetCouleur(uint8_t c)
{
    couleur_ = c;
    Invalidate();
}

void TAffichage::Paint()
{
    TCanvas& c = Canvas();
    const TColor allume = couleur_ == 2 ? 0x00C000 : 0x0000FF;
    const TColor eteint = couleur_ == 2 ? 0x004000 : 0x000060;
    c.Brush.SetColor(Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
    const std::string chiffres = ChiffresAffichage(nombre_, nbCase_);
    for (size_t p = 0; p < chiffres.size(); ++p)
    {
        const int x = static_cast<int>(p) * 34 + 1;
        c.Brush.SetStyle(bsSolid);
        c.Brush.SetColor(0x202020);
        c.FillRect(Rect(x, 0, x + 32, Height()));
        const int masque = MasqueSegments(chiffres[p]);
        for (int s = 0; s < 7; ++s)
        {
            c.Pen.SetColor((masque >> s) & 1 ? allume : eteint);
            for (const TTraitSegment& t : TraitsSegment(s, x))
            {
                c.MoveTo(t.De.X, t.De.Y);
                c.LineTo(t.A.X, t.A.Y);
            }
        }
    }
    c.Brush.SetStyle(bsClear);
    c.Pen.SetColor(Focused() ? TColor(0x0000FF) : clBtnFace);
    c.Rectangle(0, 0, Width(), Height());
    if (OnPaint)
        OnPaint(this);
}

void TAffichage::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Edition && CanFocus())
        SetFocus();
}

void TAffichage::DoEnter()
{
    Efface = true;
    Invalidate();
    TCustomControl::DoEnter();
}

void TAffichage::DoExit()
{
    Invalidate();
    TCustomControl::DoExit();
}

void TAffichage::KeyPress(char& Key)
{
    TCustomControl::KeyPress(Key);
    if (!Edition || Key == 0)
        return;
    ToucheAffichage(nombre_, Efface, Key, nbCase_);
    Invalidate();
}

TOwnerPageControl::TOwnerPageControl(TComponent* AOwner) : TPageControl(AOwner)
{
    SetOwnerDraw(true);
}
