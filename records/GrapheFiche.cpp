#include "records/GrapheFiche.h"

#include <algorithm>

#include "platform/gui/Graphics.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Strings.h"

namespace {
constexpr TColor Bleu = 15637508;
constexpr TColor Jaune = 65535;
constexpr TColor Rouge = 255;
}  // namespace

TGraphHorizontal::TGraphHorizontal(TComponent* AOwner) : TGraphicControl(AOwner) {}

int TGraphHorizontal::Position(int minute, int w, int miTemps)
{
    return 100 + minute * (w - 120) / (2 * std::max(miTemps, 1));
}

void TGraphHorizontal::DessineLigne(TCanvas& c, const TLigneMatch& l, int w, int h) const
{
    c.Brush.SetColor(CouleurFond);
    c.FillRect(Rect(0, 0, w, h));
    c.Brush.SetStyle(bsClear);
    c.Font.SetStyle(fsBold);
    c.Font.SetColor(l.Domicile ? Jaune : Bleu);
    c.TextOut(0, 2, l.Libelle);
    c.Font.SetStyle(0);
    if (l.Journee == 1 || l.Journee % 5 == 0)
    {
        c.Font.SetColor(Bleu);
        const std::string n = IntToStr(l.Journee);
        c.TextOut(98 - c.TextWidth(n), 2, n);
    }
    const int demi = std::max(l.MiTemps, 1);
    if (l.Fin >= l.Debut && l.Debut != 127)
    {
        c.Brush.SetColor(clWhite);
        const int x = 100 + l.Debut * (w - 120) / (2 * demi);
        c.FillRect(Rect(x, 0, x + (l.Fin - l.Debut) * (w - 120) / (2 * demi), h));
    }
    const int r = 7 * h / 20;
    for (uint16_t mot : l.Buts)
    {
        c.Brush.SetColor(Bleu);
        c.Pen.SetColor((mot & 0x100) ? Rouge : clBlack);
        const int x = Position(mot & 127, w, demi);
        c.Ellipse(x - r, h / 2 - r, x + r, h / 2 + r);
    }
    for (int carton : l.Cartons)
    {
        const bool rouge = carton >= 1000;
        c.Brush.SetColor(rouge ? Rouge : Jaune);
        const int x = Position(rouge ? carton - 1000 : carton, w, demi);
        c.FillRect(Rect(x - r, 2, x + r, h - 2));
    }
    c.Pen.SetColor(clBlack);
    c.MoveTo(100, h - 1);
    c.LineTo(w, h - 1);
}

void TGraphHorizontal::Paint()
{
    TCanvas& c = Canvas();
    const int W = Width();
    c.Brush.SetColor(CouleurFond);
    c.FillRect(Rect(0, 0, W, Height()));
    size_t suivante = 0;
    for (int r = 1; r <= NbLignes; ++r)
    {
        if (suivante >= Lignes.size() || Lignes[suivante]->Journee != r)
            continue;
        TBitmap b(W - 20, 20);
        DessineLigne(b.Canvas(), *Lignes[suivante], W - 20, 20);
        c.Draw(0, 20 * r, b);
        ++suivante;
    }
    c.Pen.SetColor(clBlack);
    c.Pen.SetStyle(psSolid);
    c.MoveTo(W - 20, 20);
    c.LineTo(100, 20);
    c.LineTo(100, 20 * NbLignes + 20);
    c.Pen.SetStyle(psDot);
    c.Brush.SetStyle(bsClear);
    c.Font.SetColor(CouleurTexte);
    const int demi = std::max(MiTemps, 1);
    for (int i = 1; i <= 19; ++i)
    {
        const int x = 100 + (W - 140) * 5 * i / (2 * demi);
        const std::string t = IntToStr(5 * i);
        c.TextOut(x - c.TextWidth(t) / 2, 2, t);
        c.MoveTo(x, 20);
        c.LineTo(x, 20 * NbLignes + 20);
    }
    c.Pen.SetStyle(psSolid);
}
