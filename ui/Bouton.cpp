#include "ui/Bouton.h"

#include "platform/gui/Forms.h"
#include "platform/gui/Pictures.h"

#include <algorithm>

namespace
{
std::vector<TBoutonModele*>& Boutons()
{
    static std::vector<TBoutonModele*> boutons;
    return boutons;
}
}

TImageBouton ChoixImageBouton(bool down, bool survol, bool overDisponible)
{
    if (down)
        return ibDown;
    if (survol && overDisponible)
        return ibOver;
    return ibUp;
}

TPoint PositionLegende(int w, int h, int tw, int th, int decalX, int decalY, bool down)
{
    TPoint p{(w - tw) / 2 + decalX, (h - th) / 2 + decalY};
    if (down)
    {
        --p.X;
        --p.Y;
    }
    return p;
}

bool SurvolRepeint(bool overDisponible, TColor couleur, TColor couleurOver)
{
    return overDisponible || couleur != couleurOver;
}

// ============================================================================
// TBoutonModele
// ============================================================================
TBoutonModele::TBoutonModele(TComponent* AOwner) : TCustomControl(AOwner)
{
    Opaque = false;   // Paint fills the corners with the parent's colour
    SetBounds(0, 0, 150, 30);
    Boutons().push_back(this);
}

TBoutonModele::~TBoutonModele()
{
    auto& b = Boutons();
    b.erase(std::remove(b.begin(), b.end(), this), b.end());
    for (TBoutonModele* c : b)
        if (c->modele_ == this)
            c->modele_ = nullptr;
}

void TBoutonModele::SetBitmapUp(const TGraphic& g)
{
    if (up_)
    {
        up_->Assign(g);
        MaitreChange();
    }
}

void TBoutonModele::SetBitmapDown(const TGraphic& g)
{
    if (down_)
    {
        down_->Assign(g);
        MaitreChange();
    }
}

void TBoutonModele::SetBitmapOver(const TGraphic& g)
{
    if (over_)
    {
        over_->Assign(g);
        MaitreChange();
    }
}

void TBoutonModele::MaitreChange()
{
    Invalidate();
    for (TBoutonModele* c : Boutons())
        if (c->modele_ == this)
            c->Invalidate();
}

void TBoutonModele::SetModele(TBoutonModele* m)
{
    if (m == this)
        m = nullptr;
    if (m != modele_)
    {
        modele_ = m;
        Invalidate();
    }
}

void TBoutonModele::SetDown(bool v)
{
    if (v != down_state_)
    {
        down_state_ = v;
        Invalidate();
    }
}

bool TBoutonModele::OverDisponible() const
{
    const TBitmap* o = Source().over_.get();
    return o && o->Width() > 0;
}

void TBoutonModele::Paint()
{
    ++peintures_;
    TCanvas& c = Canvas();
    c.Brush.SetColor(Parent() ? Parent()->Color() : Color());
    c.FillRect(Rect(0, 0, Width(), Height()));
    const TBoutonModele& m = Source();
    const TBitmap* image = nullptr;
    switch (ChoixImageBouton(down_state_, survol_, OverDisponible()))
    {
    case ibDown: image = m.down_.get(); break;
    case ibOver: image = m.over_.get(); break;
    case ibUp: image = m.up_.get(); break;
    }
    if (image && m.marge_)
        PeintMotif(c, *image, *m.marge_, Rect(0, 0, Width(), Height()));
    const std::string legende = Caption();
    if (!legende.empty())
    {
        c.Font = Font();
        c.Font.SetColor(survol_ ? couleurOver_ : couleur_);
        c.Brush.SetStyle(bsClear);
        const TPoint p = PositionLegende(Width(), Height(), c.TextWidth(legende), c.TextHeight(legende), decalX_,
                                         decalY_, down_state_);
        c.TextOut(p.X, p.Y, legende);
    }
    if (TabStop() && Focused())
    {
        c.Brush.SetStyle(bsSolid);
        c.DrawFocusRect(Rect(3, 3, Width() - 3, Height() - 3));
    }
    if (OnPaint)
        OnPaint(this);
}

void TBoutonModele::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if ((Key == VK_RETURN || Key == VK_SPACE) && (Shift & (ssShift | ssCtrl | ssAlt)) == 0 && TabStop() &&
        Focused() && Enabled())
    {
        Key = 0;
        Click();
    }
}

void TBoutonModele::DoEnter()
{
    TCustomControl::DoEnter();
    Invalidate();
}

void TBoutonModele::DoExit()
{
    TCustomControl::DoExit();
    Invalidate();
}

void TBoutonModele::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        SetDown(true);
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TBoutonModele::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        SetDown(false);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TBoutonModele::MouseEnter()
{
    survol_ = true;
    if (SurvolRepeint(OverDisponible(), couleur_, couleurOver_))
        Invalidate();
    TCustomControl::MouseEnter();
}

void TBoutonModele::MouseLeave()
{
    survol_ = false;
    if (SurvolRepeint(OverDisponible(), couleur_, couleurOver_))
        Invalidate();
    TCustomControl::MouseLeave();
}

void TBoutonModele::Click()
{
    if (ModalResult != 0)
        if (TForm* f = ParentForm())
            f->SetModalResult(ModalResult);
    TCustomControl::Click();
}

bool TBoutonModele::DialogKey(WORD key, TShiftState shift)
{
    if ((shift & (ssShift | ssCtrl | ssAlt)) == 0 && Visible() && Enabled() &&
        ((key == VK_RETURN && Default) || (key == VK_ESCAPE && Cancel)))
    {
        Click();
        return true;
    }
    return TCustomControl::DialogKey(key, shift);
}

TBouton::TBouton(TComponent* AOwner) : TBoutonModele(AOwner)
{
    up_ = std::make_unique<TBitmap>(0, 0);
    down_ = std::make_unique<TBitmap>(0, 0);
    over_ = std::make_unique<TBitmap>(0, 0);
    marge_ = std::make_unique<TMarge>();
    marge_->OnChange = [this](TMarge&) { MaitreChange(); };
}

TBoutonCopie::TBoutonCopie(TComponent* AOwner) : TBoutonModele(AOwner)
{
}

// ============================================================================
// THotLabel
// ============================================================================
THotLabel::THotLabel(TComponent* AOwner) : TLabel(AOwner)
{
}

void THotLabel::MouseMove(TShiftState Shift, int X, int Y)
{
    if (Cursor() != crHandPoint)
        SetCursor(crHandPoint);
    if (!(Font().Style() & fsUnderline))
        Font().SetStyle(Font().Style() | fsUnderline);
    TLabel::MouseMove(Shift, X, Y);
}

void THotLabel::MouseLeave()
{
    SetCursor(crDefault);
    if (Font().Style() & fsUnderline)
        Font().SetStyle(Font().Style() & ~fsUnderline);
    TLabel::MouseLeave();
}

// ============================================================================
// check controls
// ============================================================================
TBoutonCoche::TBoutonCoche(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 100, 20);
}

TBoutonCoche* TBoutonCoche::Partenaire() const
{
    if (groupe_ < 0 || !Parent())
        return nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* b = dynamic_cast<TBoutonCoche*>(Parent()->Controls(i)))
            if (b != this && b->groupe_ == groupe_ && b->checked_)
                return b;
    return nullptr;
}

void TBoutonCoche::SetChecked(bool v)
{
    if (v == checked_)
        return;
    checked_ = v;
    if (v)
        if (TBoutonCoche* p = Partenaire())
            p->SetChecked(false);
    Invalidate();
}

void TBoutonCoche::Setgroupe(int32_t g)
{
    if (g == groupe_)
        return;
    groupe_ = g;
    if (checked_ && Partenaire())
        checked_ = false;
    Invalidate();
}

int TBoutonCoche::LargeurNecessaire()
{
    const std::string t = Caption();
    if (t.empty())
        return 0;
    TCanvas& c = Canvas();
    c.Font = Font();
    // the text beside the 13-pixel box: 25 pixels from the left edge, or the
    // box at the right edge
    return c.TextWidth(t) + (alignement_ != 0 ? 13 + 6 : 25 + 2);
}

void TBoutonCoche::SetBounds(int left, int top, int width, int height)
{
    // The caption is never cut: a width too small for it grows.
    TGraphicControl::SetBounds(left, top, std::max(width, LargeurNecessaire()), height);
}

void TBoutonCoche::Ajuste()
{
    const int besoin = LargeurNecessaire();
    if (autosize_ ? Width() != besoin : Width() < besoin)
        SetWidth(besoin);
}

void TBoutonCoche::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && Enabled())
        Presse();
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TBoutonCoche::Paint()
{
    TCanvas& c = Canvas();
    c.Font = Font();
    c.Brush.SetStyle(bsClear);
    const std::string t = Caption();
    c.TextOut(alignement_ != 0 ? 0 : 25, (Height() - c.TextHeight(t.empty() ? "0" : t)) / 2, t);
    DessineCase(c, alignement_ == 1 ? Width() - 13 : 0, (Height() - 13) / 2);
    if (OnPaint)
        OnPaint(this);
}

void DessineCarreCoche(TCanvas& c, int x, int y, bool coche, bool actif, TColor couleurcoche)
{
    c.Brush.SetStyle(bsSolid);
    c.Brush.SetColor(clWhite);
    c.FillRect(Rect(x, y, x + 13, y + 13));
    c.Pen.SetWidth(1);
    c.Pen.SetColor(0x808080);
    c.MoveTo(x + 11, y);
    c.LineTo(x, y);
    c.LineTo(x, y + 12);
    c.Pen.SetColor(0xDFDFDF);
    c.MoveTo(x + 11, y + 1);
    c.LineTo(x + 11, y + 11);
    c.LineTo(x, y + 11);
    c.Pen.SetColor(clBlack);
    c.MoveTo(x + 10, y + 1);
    c.LineTo(x + 1, y + 1);
    c.LineTo(x + 1, y + 11);
    if (!actif)
    {
        c.Brush.SetColor(0xBFBFBF);
        c.FillRect(Rect(x + 2, y + 2, x + 11, y + 11));
    }
    if (coche)
    {
        c.Pen.SetColor(actif ? couleurcoche : TColor(0x808080));
        static const int trait[7][3] = {{3, 5, 8}, {4, 6, 9}, {5, 7, 10}, {6, 6, 9}, {7, 5, 8}, {8, 4, 7}, {9, 3, 6}};
        for (const auto& t : trait)
        {
            c.MoveTo(x + t[0], y + t[1]);
            c.LineTo(x + t[0], y + t[2]);
        }
    }
}

TCarreCoche::TCarreCoche(TComponent* AOwner) : TBoutonCoche(AOwner)
{
    groupe_ = -1;
}

void TCarreCoche::DessineCase(TCanvas& c, int x, int y)
{
    DessineCarreCoche(c, x, y, Checked(), Enabled(), couleurcoche());
}

void RemplitRondCoche(TBitmap& b, bool actif)
{
    static const char* motif[12] = {
        "000011110000", "001122221100", "012233332230", "012333333430", "123333333343", "123333333343",
        "123333333343", "123333333343", "012333333430", "014433334430", "003344443300", "000033330000",
    };
    const TColor couleurs[5] = {0x808000, 0x808080, 0x000000, actif ? TColor(0xFFFFFF) : TColor(0xBFBFBF), 0xDFDFDF};
    b.SetPixelFormat(pf24bit);
    b.SetSize(12, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            b.SetPixels(x, y, couleurs[motif[y][x] - '0']);
    b.SetTransparentColor(0x808000);
    b.SetTransparent(true);
}

TRondCoche::TRondCoche(TComponent* AOwner)
    : TBoutonCoche(AOwner), actif_(std::make_unique<TBitmap>()), inactif_(std::make_unique<TBitmap>())
{
    groupe_ = 0;
    RemplitRondCoche(*actif_, true);
    RemplitRondCoche(*inactif_, false);
}

TRondCoche::~TRondCoche() = default;

void TRondCoche::DessineCase(TCanvas& c, int x, int y)
{
    c.Draw(x, y, Enabled() ? *actif_ : *inactif_);
    if (Checked())
    {
        const TColor couleur = Enabled() ? couleurcoche() : TColor(0x808080);
        c.Brush.SetStyle(bsSolid);
        c.Brush.SetColor(couleur);
        c.Pen.SetColor(couleur);
        c.Ellipse(x + 4, y + 4, x + 8, y + 8);
    }
}

// ============================================================================
// TComboBox98
// ============================================================================
std::string NormaliseTexte98(const std::string& texte)
{
    std::string s = texte;
    for (char& ch : s)
    {
        const auto u = static_cast<unsigned char>(ch);
        if (u >= 'a' && u <= 'z')
            ch = static_cast<char>(u - 32);
        else if (u == 0xE9 || u == 0xE8 || u == 0xEA || u == 0xEB)
            ch = 'E';
        else if (u == 0xE0 || u == 0xE2 || u == 0xE4)
            ch = 'A';
        else if (u == 0xF9 || u == 0xFB || u == 0xFC)
            ch = 'U';
        else if (u == 0xEE || u == 0xEF)
            ch = 'I';
        else if (u == 0xF4 || u == 0xF6)
            ch = 'O';
    }
    return s;
}

std::string CandidatTexte98(const std::vector<std::string>& items, const std::string& texte)
{
    const std::string cle = NormaliseTexte98(texte);
    // First item not below the key, then it must start with the key.
    size_t lo = 0, hi = items.size();
    while (lo < hi)
    {
        const size_t mid = (lo + hi) / 2;
        if (NormaliseTexte98(items[mid]).compare(cle) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo >= items.size())
        return {};
    const std::string item = NormaliseTexte98(items[lo]);
    if (item.compare(0, cle.size(), cle) != 0)
        return {};
    return item.substr(0, cle.size());
}

TComboBox98::TComboBox98(TComponent* AOwner) : TComboBox(AOwner)
{
}

void TComboBox98::KeyDown(WORD& Key, TShiftState Shift)
{
    derniereTouche_ = Key;
    TComboBox::KeyDown(Key, Shift);
}

void TComboBox98::Change()
{
    texte_ = Text();
    candidat_.clear();
    if (Complete && (Style() == csDropDown || Style() == csSimple) && derniereTouche_ != VK_BACK &&
        derniereTouche_ != VK_DELETE && texte_.size() >= MinLengthComplete && Items().Count() > 0)
    {
        std::vector<std::string> items;
        for (int i = 0; i < Items().Count(); ++i)
            items.push_back(Items()[i]);
        candidat_ = CandidatTexte98(items, texte_);
    }
    TComboBox::Change();
}
