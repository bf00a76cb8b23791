#include "ui/Fond.h"

#include "codecs/PngPicture.h"
#include "platform/gui/Clipbrd.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "ui/Couleurs.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
// Every live skinned panel, so that a master can repaint its copies and
// forget them when it goes.
std::vector<TFondModele*>& Fonds()
{
    static std::vector<TFondModele*> fonds;
    return fonds;
}

TColor CouleurParent(const TControl& c)
{
    return c.Parent() ? c.Parent()->Color() : c.Color();
}
}

// ============================================================================
// TFondModele
// ============================================================================
TFondModele::TFondModele(TComponent* AOwner) : TCustomControl(AOwner)
{
    Opaque = false;   // Paint fills the corners with the parent's colour
    SetParentColor(true);
    SetBounds(0, 0, 50, 50);
    Fonds().push_back(this);
}

TFondModele::~TFondModele()
{
    auto& f = Fonds();
    f.erase(std::remove(f.begin(), f.end(), this), f.end());
    for (TFondModele* c : f)
        if (c->modele_ == this)
            c->modele_ = nullptr;
}

void TFondModele::SetBitmap(const TGraphic& image)
{
    if (!bitmap_)
        return;
    bitmap_->Assign(image);
    MaitreChange();
}

void TFondModele::SetBitmapSelection(const TGraphic& image)
{
    if (!bitmapSelection_)
        return;
    bitmapSelection_->Assign(image);
    MaitreChange();
}

void TFondModele::SetModele(TFondModele* modele)
{
    if (modele == this)
        modele = nullptr;
    if (modele_ == modele)
        return;
    modele_ = modele;
    PrendCouleurMotif();
    Invalidate();
}

void TFondModele::MaitreChange()
{
    PrendCouleurMotif();
    Invalidate();
    for (TFondModele* c : Fonds())
        if (c->modele_ == this)
        {
            c->PrendCouleurMotif();
            c->Invalidate();
        }
}

void TFondModele::PrendCouleurMotif()
{
    const TBitmap* b = Source().Bitmap();
    if (!b || b->Width() <= 0 || b->Height() <= 0)
    {
        SetParentColor(true);
        return;
    }
    const uint32_t p = b->ScanLine(b->Height() / 2)[b->Width() / 2];
    if ((p >> 24) < 128)
        SetParentColor(true);
    else
        SetColor(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
}

void TFondModele::Paint()
{
    TCanvas& c = Canvas();
    c.Brush.SetColor(CouleurParent(*this));
    c.FillRect(Rect(0, 0, Width(), Height()));
    const TFondModele& m = Source();
    if (m.bitmap_ && m.marge_)
    {
        const TBitmap* image = m.bitmap_.get();
        if (PeintSelection() && m.bitmapSelection_ && m.bitmapSelection_->Width() > 0)
            image = m.bitmapSelection_.get();
        PeintMotif(c, *image, *m.marge_, Rect(0, 0, Width(), Height()));
    }
    if (OnPaint)
        OnPaint(this);
}

TFond::TFond(TComponent* AOwner) : TFondModele(AOwner)
{
    bitmap_ = std::make_unique<TBitmap>(0, 0);
    bitmapSelection_ = std::make_unique<TBitmap>(0, 0);
    marge_ = std::make_unique<TMarge>();
    marge_->OnChange = [this](TMarge&) { MaitreChange(); };
}

// ============================================================================
// TFondCopie
// ============================================================================
TFondCopie::TFondCopie(TComponent* AOwner) : TFondModele(AOwner)
{
}

void TFondCopie::Imprime(const TRect& r)
{
    TCanvas& c = Printer().Canvas();
    const TFont ancienne = c.Font;
    c.Pen.SetWidth(3);
    c.Pen.SetColor(clBlack);
    c.Brush.SetStyle(bsClear);
    c.Rectangle(r.Left, r.Top, r.Right - 3, r.Bottom);
    const int w = std::max(Width(), 1), h = std::max(Height(), 1);
    // The labels by line (their tops within a few pixels), each line from
    // left to right: a caption and its value read as one line of the page.
    std::vector<std::vector<TLabel*>> lignes;
    for (int i = 0; i < ControlCount(); ++i)
    {
        auto* l = dynamic_cast<TLabel*>(Controls(i));
        if (!l || !l->Visible() || l->Caption().empty())
            continue;
        auto ligne = std::find_if(lignes.begin(), lignes.end(),
                                  [l](const std::vector<TLabel*>& v) { return std::abs(v.front()->Top() - l->Top()) < 5; });
        if (ligne == lignes.end())
            lignes.push_back({l});
        else
            ligne->push_back(l);
    }
    for (auto& v : lignes)
        std::sort(v.begin(), v.end(), [](const TLabel* a, const TLabel* b) { return a->Left() < b->Left(); });
    auto police = [&](const TLabel* l, int taille) {
        c.Font = l->Font();
        c.Font.SetSize(taille);
    };
    auto x = [&](const TLabel* l) { return r.Left + static_cast<int>(std::nearbyint(double(l->Left()) * r.Width() / w)); };
    // The first label of a line at its place, the last one against the right
    // edge, the others at their places: the largest size up to 12 at which
    // each keeps apart from the next and inside the frame.
    const int droite = r.Right - 3 - 6 - c.TextWidth(" ");
    auto places = [&](const std::vector<TLabel*>& v, int taille, std::vector<int>& xs) {
        xs.clear();
        bool tient = true;
        int fin = 0;
        for (size_t k = 0; k < v.size(); ++k)
        {
            police(v[k], taille);
            const int tw = c.TextWidth(v[k]->Caption());
            const int xk = k > 0 && k + 1 == v.size() ? droite - tw : x(v[k]);
            tient = tient && xk + tw <= droite && (k == 0 || xk >= fin + c.TextWidth("  "));
            fin = xk + tw;
            xs.push_back(xk);
        }
        return tient;
    };
    std::vector<int> xs;
    int taille = 12;
    for (; taille > 6; --taille)
        if (std::all_of(lignes.begin(), lignes.end(), [&](const auto& v) { return places(v, taille, xs); }))
            break;
    for (const auto& v : lignes)
    {
        places(v, taille, xs);
        for (size_t k = 0; k < v.size(); ++k)
        {
            const TLabel* l = v[k];
            police(l, taille);
            // the paper is white: a text that would not read on it prints black
            if (Contraste(ColorToRGB(l->Font().Color()), clWhite) < 4.5)
                c.Font.SetColor(clBlack);
            c.Brush.SetStyle(bsClear);
            c.TextOut(xs[k], r.Top + static_cast<int>(std::nearbyint(double(l->Top()) * r.Height() / h)), l->Caption());
        }
    }
    c.Font = ancienne;
    c.Pen.SetWidth(1);
}

// ============================================================================
// TFondScroll
// ============================================================================
TFondScroll::TFondScroll(TComponent* AOwner) : TFondCopie(AOwner)
{
    clip_ = new TPanel(this);
    static_cast<TPanel*>(clip_)->SetBevelOuter(bvNone);
    clip_->SetParentColor(true);
    clip_->SetParent(this);
    interieur_ = new TFondCopie(this);
    interieur_->SetParent(clip_);
    scrollv_ = new TScrollBar(this);
    scrollv_->SetKind(sbVertical);
    scrollv_->SetSmallChange(20);
    scrollv_->SetVisible(false);
    scrollv_->SetParent(this);
    scrollv_->SetAlign(alRight);
    scrollv_->OnChange = [this](TObject*) { interieur_->SetTop(-scrollv_->Position()); };
    bas_ = new TPanel(this);
    bas_->SetBevelOuter(bvNone);
    bas_->SetParentColor(true);
    bas_->SetVisible(false);
    bas_->SetParent(this);
    bas_->SetAlign(alBottom);
    scrollh_ = new TScrollBar(this);
    scrollh_->SetKind(sbHorizontal);
    scrollh_->SetSmallChange(20);
    scrollh_->SetParent(bas_);
    scrollh_->OnChange = [this](TObject*) { interieur_->SetLeft(-scrollh_->Position()); };
    bas_->SetHeight(scrollh_->Height() + 2);
    SetBounds(0, 0, 200, 150);
    Place();
}

TFondScroll::~TFondScroll() = default;

void TFondScroll::Place()
{
    if (!clip_)
        return;
    const int w = std::max(0, Width() - 2 * scrollLeft_), h = std::max(0, Height() - 2 * scrollTop_);
    clip_->SetBounds(scrollLeft_, scrollTop_, w, h);
    interieur_->SetBounds(0, 0, w, h);
    Ajuste();
}

void TFondScroll::SetScrollLeft(uint8_t v)
{
    scrollLeft_ = v;
    Place();
}

void TFondScroll::SetScrollTop(uint8_t v)
{
    scrollTop_ = v;
    Place();
}

void TFondScroll::BoundsChanged(bool sized)
{
    TFondCopie::BoundsChanged(sized);
    if (sized && clip_)
    {
        clip_->SetBounds(scrollLeft_, scrollTop_, std::max(0, Width() - 2 * scrollLeft_),
                         std::max(0, Height() - 2 * scrollTop_));
        interieur_->SetWidth(clip_->Width());
        Ajuste();
        if (onresize)
            onresize(this);
    }
}

void TFondScroll::InsereControle(TControl* c)
{
    c->SetParent(interieur_);
    Ajuste();
}

int TFondScroll::NbControles() const
{
    return interieur_->ControlCount();
}

TControl* TFondScroll::Controle(int i) const
{
    return i >= 0 && i < interieur_->ControlCount() ? interieur_->Controls(i) : nullptr;
}

void TFondScroll::Ajuste()
{
    if (!clip_ || ajustements_ > 2)
        return;
    ++ajustements_;
    int bas = 0, droite = 0;
    for (int i = 0; i < interieur_->ControlCount(); ++i)
    {
        TControl* c = interieur_->Controls(i);
        if (c->Visible())
        {
            bas = std::max(bas, c->Top() + c->Height());
            droite = std::max(droite, c->Left() + c->Width());
        }
    }
    const int hautInitial = clip_->Height();
    // vertical
    if (bas <= clip_->Height() || !scrollV_)
    {
        interieur_->SetBounds(interieur_->Left(), 0, interieur_->Width(), clip_->Height());
        scrollv_->SetVisible(false);
        scrollv_->SetPosition(0);
        clip_->SetWidth(std::max(0, Width() - 2 * scrollLeft_));
        scrollh_->SetBounds(0, 1, bas_->Width(), scrollh_->Height());
    }
    else
    {
        scrollv_->SetMax(bas - clip_->Height());
        interieur_->SetBounds(interieur_->Left(), -scrollv_->Position(), interieur_->Width(), bas);
        scrollv_->SetVisible(true);
        scrollh_->SetBounds(0, 1, std::max(0, bas_->Width() - scrollv_->Width()), scrollh_->Height());
        if (scrollv_->Width() > scrollLeft_)
            clip_->SetWidth(std::max(0, Width() - scrollLeft_ - scrollv_->Width()));
        if (clip_->Height() - 10 > 0)
            scrollv_->SetLargeChange(clip_->Height() - 10);
    }
    // horizontal
    if (droite > clip_->Width() && scrollH_)
    {
        scrollh_->SetMax(droite - clip_->Width());
        interieur_->SetBounds(-scrollh_->Position(), interieur_->Top(), droite, interieur_->Height());
        bas_->SetVisible(true);
        if (bas_->Height() > scrollTop_)
            clip_->SetHeight(std::max(0, Height() - scrollTop_ - bas_->Height()));
        if (clip_->Width() - 10 >= 1)
            scrollh_->SetLargeChange(clip_->Width() - 10);
        if (clip_->Height() < hautInitial)
            Ajuste();
    }
    else
    {
        interieur_->SetBounds(0, interieur_->Top(), clip_->Width(), interieur_->Height());
        bas_->SetVisible(false);
        scrollh_->SetPosition(0);
        clip_->SetHeight(std::max(0, Height() - 2 * scrollTop_));
    }
    --ajustements_;
}

// ============================================================================
// TEdition2 and the frames
// ============================================================================
TEdition2::TEdition2(TComponent* AOwner) : TFondCopie(AOwner)
{
    SetTabStop(false);
}

void TEdition2::SetSelectionne(bool v)
{
    if (v == selectionne_)
        return;
    if (v && !Multi && Parent())
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (auto* e = dynamic_cast<TEdition2*>(Parent()->Controls(i)); e && e != this && e->selectionne_)
                e->SetSelectionne(false);
    selectionne_ = v;
    Invalidate();
    if (v && TabStop() && CanFocus() && !Focused())
        SetFocus();
}

void TEdition2::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!Selectionnable)
    {
        if (TabStop() && CanFocus())
            SetFocus();
    }
    else if (Multi)
        SetSelectionne(!selectionne_);
    else
        SetSelectionne(true);
    TFondCopie::MouseDown(Button, Shift, X, Y);
}

void TEdition2::DoEnter()
{
    if (TabStop())
    {
        if (!focuse_)
            effaceAuProchain_ = AutoSelect;
        focuse_ = true;
        if (selectionne_ != focuse_)
            SetSelectionne(true);
        longueur_ = Text().size();
        Invalidate();
    }
    TFondCopie::DoEnter();
}

void TEdition2::DoExit()
{
    if (TabStop())
    {
        focuse_ = false;
        if (selectionne_ != focuse_)
            SetSelectionne(false);
        longueur_ = Text().size();
        Invalidate();
    }
    TFondCopie::DoExit();
}

void TEdition2::KeyPress(char& Key)
{
    TFondCopie::KeyPress(Key);
    if (Key != 0 && TabStop() && !Tape(Key))
        Key = 0;
}

void TEdition2::KeyDown(WORD& Key, TShiftState Shift)
{
    const TShiftState s = Shift & (ssCtrl | ssAlt | ssShift);
    if (TabStop() && Key == 'A' && s == ssCtrl)
    {
        effaceAuProchain_ = !Text().empty();
        Invalidate();
        Key = 0;
        return;
    }
    if (TabStop() && ((Key == 'V' && s == ssCtrl) || (Key == VK_INSERT && s == ssShift)))
    {
        Key = 0;
        Colle();
        return;
    }
    TFondCopie::KeyDown(Key, Shift);
}

bool TEdition2::Tape(char key)
{
    const auto k = static_cast<unsigned char>(key);
    if (k != 8 && (k < 32 || k == 255))
        return true;
    const std::string t = TexteApres(key);
    // A character past the box's length is not put in: said, never cut.
    if (Maxlength > 0 && t.size() > Maxlength)
    {
        RefuseInput(this, Format(DialogTexts().TooLong, {static_cast<int>(Maxlength)}));
        return false;
    }
    effaceAuProchain_ = false;
    SetText(t);
    return true;
}

std::string TEdition2::TexteApres(char key) const
{
    std::string t = effaceAuProchain_ ? std::string() : Text();
    if (key == 8)
    {
        if (!t.empty())
            t.pop_back();
    }
    else
        t += key;
    return t;
}

bool TEdition2::PrendCollage(std::string& texte, std::string& raison) const
{
    // A line copied with its end; the characters a box types, the others
    // left out and said.
    while (!texte.empty() && (texte.back() == '\r' || texte.back() == '\n'))
        texte.pop_back();
    const size_t avant = texte.size();
    std::erase_if(texte, [](char c) {
        const auto k = static_cast<unsigned char>(c);
        return k < 32 || k == 255;
    });
    if (texte.size() != avant)
        raison = DialogTexts().LettersLeftOut;
    return true;
}

void TEdition2::Colle()
{
    if (!TabStop() || !Clipboard()->HasText())
        return;
    bool perdu = false;
    std::string texte = Clipboard()->AsTypedText(&perdu);
    std::string raison = perdu ? DialogTexts().LettersLeftOut : std::string();
    if (!PrendCollage(texte, raison))
    {
        RefuseInput(this, raison);
        return;
    }
    if (!raison.empty())
        RefuseInput(this, raison);
    // Each character as a typed key: the box's filters and its page's
    // handlers weigh it. One refused (and said), the box is as it was.
    const std::string garde = Text();
    const bool efface = effaceAuProchain_;
    for (char c : texte)
    {
        char k = c;
        KeyPress(k);
        if (k == 0)
        {
            effaceAuProchain_ = efface;
            SetText(garde);
            Invalidate();
            return;
        }
    }
}

void TEdition2::SetText(const std::string& s)
{
    std::string t = s;
    if (Maxlength > 0 && t.size() > Maxlength)
        t.resize(Maxlength);
    const bool change = t != Text();
    TFondCopie::SetText(t);
    longueur_ = t.size();
    Invalidate();
    if (change)
        Changement();
}

void TEdition2::Changement()
{
    if (OnChange)
        OnChange(this);
}

void TEdition2::PeintTexte(int largeur)
{
    TCanvas& c = Canvas();
    c.Font = Font();
    c.Brush.SetStyle(bsClear);
    const std::string t = Text();
    // A number wider than the box (a score of four digits in a round box) is
    // drawn smaller, never cut.
    while (c.Font.Size() > 5 && c.TextWidth(t) > std::max(largeur - 4, 1))
        c.Font.SetSize(c.Font.Size() - 1);
    const int x = (largeur - c.TextWidth(t)) / 2 + decalX_;
    const int y = (Height() - c.TextHeight(t.empty() ? "0" : t)) / 2 + decalY_;
    // A text the next key replaces is shown selected.
    if (effaceAuProchain_ && focuse_ && !t.empty())
    {
        c.Brush.SetStyle(bsSolid);
        c.Brush.SetColor(clHighlight);
        c.FillRect(Rect(x - 1, y, x + c.TextWidth(t) + 1, y + c.TextHeight(t)));
        c.Font.SetColor(clHighlightText);
        c.Brush.SetStyle(bsClear);
    }
    c.TextOut(x, y, t);
}

TCadre::TCadre(TComponent* AOwner) : TEdition2(AOwner)
{
    SetBounds(0, 0, 120, 21);
}

void TCadre::Paint()
{
    TEdition2::Paint();
    PeintTexte(Width());
}

TCadreDrop::TCadreDrop(TComponent* AOwner) : TCadre(AOwner)
{
}

void TCadreDrop::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCadre::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Drag)
        BeginDrag(false);
}

void TCadreDrop::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    TCadre::DragOver(Source, X, Y, State, Accept);
    if (Drop && Source != this && (dynamic_cast<TCadreDrop*>(Source) || dynamic_cast<TListe*>(Source)))
        Accept = true;
}

void TCadreDrop::DragDrop(TObject* Source, int X, int Y)
{
    auto* cadre = dynamic_cast<TCadreDrop*>(Source);
    auto* liste = dynamic_cast<TListe*>(Source);
    if (OnGeste && (liste || (cadre && cadre != this))) {
        OnGeste(Source, this);
        return;
    }
    if (cadre && cadre != this)
        RecoitCadre(*cadre);
    else if (liste)
        RecoitElement(*liste);
    TCadre::DragDrop(Source, X, Y);
}

void TCadreDrop::RecoitCadre(TCadreDrop& source)
{
    const std::string texte = Text();
    const int32_t numero = Numero;
    Numero = source.Numero;
    SetText(source.Text());
    if (echange)
    {
        source.Numero = numero;
        source.SetText(texte);
        source.Changement();
    }
}

void TCadreDrop::RecoitElement(TListe& liste)
{
    const int i = liste.ItemIndex();
    if (i < 0 || i >= liste.Items().Count())
        return;
    const std::string entree = liste.Items()[i];
    const std::string ancienTexte = Text();
    const int32_t ancienNumero = Numero;
    const int taille = liste.TailleNomLong;
    if (liste.NomLong)
    {
        Numero = NumeroEntreeListe(entree, taille, NumeroHex);
        SetText(NomEntreeListe(entree, taille));
    }
    else
    {
        Numero = 0;
        SetText(entree);
    }
    if (liste.Gagne_element)
    {
        liste.Items().Delete(i);
        if (!ancienTexte.empty())
            liste.Items().Add(liste.NomLong ? EntreeListe(ancienNumero, taille, NumeroHex, ancienTexte)
                                            : ancienTexte);
    }
}

TEditRond::TEditRond(TComponent* AOwner) : TEdition2(AOwner)
{
    SetBounds(0, 0, 25, 25);
    SetTabStop(true);
}

bool TEditRond::PrendCollage(std::string& texte, std::string& raison) const
{
    // One figure, whose blanks ("1 000", a no-break space between its
    // thousands) are no part of it; two lines, two cells or "1 2" refuse it.
    std::string chiffres;
    if (!PastedFigure(texte, chiffres, raison))
        return false;
    texte = chiffres;
    return true;
}

void TEditRond::Paint()
{
    TEdition2::Paint();
    PeintTexte(Height());
}

char FiltreTouchesRond(char key, std::string& texte)
{
    if (key != 8 && key != 13 && (key < '0' || key > '9'))
        return 0;
    // A leading 0 gives way to the digit typed after it; Enter keeps it.
    if (texte == "0" && key >= '0' && key <= '9')
        texte.clear();
    return key;
}

void TEditRond::KeyPress(char& Key)
{
    std::string t = Text();
    const auto tape = static_cast<unsigned char>(Key);
    Key = FiltreTouchesRond(Key, t);
    if (Key == 0) {
        // The box of a score, a minute or a shirt number takes whole numbers:
        // a separator, a sign or a letter typed is refused aloud.
        if (tape >= 32)
            RefuseInput(this, DialogTexts().WholeNumber);
        return;
    }
    // A "0" gives way to the digit typed after it, as a selected text does:
    // kept when the digit is refused.
    if (t != Text())
        effaceAuProchain_ = true;
    if (Key == 13)
    {
        TFondCopie::KeyPress(Key);
        return;
    }
    // The digit that would take the number past what the box's field holds
    // is refused, and the bounds said.
    if (Maximum > 0 && Key >= '0' && Key <= '9')
    {
        long long v = 0;
        for (char c : TexteApres(Key))
            v = std::min<long long>(v * 10 + (c - '0'), 1LL << 40);
        if (v > Maximum)
        {
            RefuseInput(this, Format(DialogTexts().NumberFromTo, {0, Maximum}));
            Key = 0;
            return;
        }
    }
    TEdition2::KeyPress(Key);
}

// ============================================================================
// TListe
// ============================================================================
int NumeroEntreeListe(const std::string& entree, int taille, bool hex)
{
    const std::string chiffres = Copy(entree, 2, taille);
    if (chiffres.empty())
        return 0;
    for (char ch : chiffres)
        if (!(ch >= '0' && ch <= '9') && !(hex && ((ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f'))))
            return 0;
    return static_cast<int>(std::stoll(chiffres, nullptr, hex ? 16 : 10));
}

int CouleurEntreeListe(const std::string& entree, int taille)
{
    const size_t p = static_cast<size_t>(taille) + 1;   // character taille + 2
    return p < entree.size() ? static_cast<unsigned char>(entree[p]) : -1;
}

std::string NomEntreeListe(const std::string& entree, int taille)
{
    return Copy(entree, taille + 3, static_cast<int>(entree.size()));
}

std::string EntreeListe(int32_t numero, int taille, bool hex, const std::string& nom)
{
    std::string n = hex ? IntToHex(numero, taille) : IntToStr(numero);
    while (static_cast<int>(n.size()) < taille)
        n = "0" + n;
    return std::string(1, '\1') + n + '\1' + nom;
}

std::vector<std::string> TrieEntreesListe(const std::vector<std::string>& entrees, int taille, bool nomLong,
                                          bool triComplet, bool casse)
{
    auto cle = [&](const std::string& e) {
        if (!nomLong)
            return e;
        return Copy(e, triComplet ? taille + 2 : taille + 3, static_cast<int>(e.size()));
    };
    std::vector<std::string> tries;
    std::vector<std::string> cles;
    for (const std::string& e : entrees)
    {
        const std::string k = cle(e);
        size_t pos = 0;
        while (pos < cles.size() && (casse ? CompareStr(cles[pos], k) : CompareText(cles[pos], k)) < 0)
            ++pos;
        tries.insert(tries.begin() + static_cast<ptrdiff_t>(pos), e);
        cles.insert(cles.begin() + static_cast<ptrdiff_t>(pos), k);
    }
    return tries;
}

TColor CouleurPalette(int code)
{
    // The text pane's palette: a colour character means the same colour in a
    // list and in a text.
    static const TColor palette[16] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x0000FF, 0x800080, 0x000080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x8080FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    return code >= 0 && code < 16 ? palette[code] : palette[0];
}

TListe::TListe(TComponent* AOwner) : TCustomListBox(AOwner)
{
    SetStyle(lbOwnerDrawFixed);
}

void TListe::Trie(bool casse)
{
    std::vector<std::string> entrees;
    for (int i = 0; i < Items().Count(); ++i)
        entrees.push_back(Items()[i]);
    const auto tries = TrieEntreesListe(entrees, TailleNomLong, NomLong, TriComplet, casse);
    for (size_t i = 0; i < tries.size(); ++i)
        Items().SetString(static_cast<int>(i), tries[i]);
}

void TListe::DrawItem(int Index, TRect Rect, TOwnerDrawState State)
{
    TCanvas& c = Canvas();
    c.FillRect(Rect);
    if (Index < 0 || Index >= Items().Count())
        return;
    const std::string entree = Items()[Index];
    c.Font = Font();
    TColor couleur = clBlack;
    if (NomLong)
    {
        const int code = CouleurEntreeListe(entree, TailleNomLong);
        if (code >= 0 && code < 16)
            couleur = CouleurPalette(code);
    }
    if (State & odSelected)
        couleur = clWhite;
    c.Font.SetColor(couleur);
    const std::string montre = NomLong ? NomEntreeListe(entree, TailleNomLong) : entree;
    c.Brush.SetStyle(bsClear);
    c.TextOut(Rect.Left + (Rect.Width() - c.TextWidth(montre)) / 2, Rect.Top, montre);
}

void TListe::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomListBox::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && CanDrag)
        BeginDrag(false);
}

void TListe::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    TCustomListBox::DragOver(Source, X, Y, State, Accept);
    if (CanDrag && dynamic_cast<TCadreDrop*>(Source))
        Accept = true;
}

void TListe::DragDrop(TObject* Source, int X, int Y)
{
    if (auto* cadre = dynamic_cast<TCadreDrop*>(Source); cadre && CanDrag)
    {
        if (cadre->OnGeste)
        {
            cadre->OnGeste(cadre, this);
            return;
        }
        if (Gagne_element && !cadre->Text().empty())
        {
            Items().Add(NomLong ? EntreeListe(cadre->Numero, TailleNomLong, cadre->NumeroHex, cadre->Text())
                                : cadre->Text());
            Trie(false);
        }
        cadre->SetText("");
    }
    TCustomListBox::DragDrop(Source, X, Y);
}

// ============================================================================
// TLogo
// ============================================================================
TRect RectLogo(int w, int h, int pw, int ph)
{
    if (pw <= 0 || ph <= 0)
        return Rect(0, 0, 0, 0);
    double echelle = std::min(double(w - 2) / pw, double(h - 2) / ph);
    echelle = std::min(echelle, 1.0);
    const int lw = static_cast<int>(std::nearbyint(pw * echelle));
    const int lh = static_cast<int>(std::nearbyint(ph * echelle));
    const int x = (w - lw) / 2, y = (h - lh) / 2;
    return Rect(x, y, x + lw, y + lh);
}

TLogo::TLogo(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 40, 40);
}

TLogo::~TLogo() = default;

void TLogo::ChangeImage(std::unique_ptr<TGraphic> image)
{
    image_ = std::move(image);
    Invalidate();
}

void TLogo::ChargeFichier(const std::string& fichier)
{
    const std::string ext = LowerCase(ExtractFileExt(fichier));
    std::unique_ptr<TGraphic> nouvelle;
    if (ext == ".png")
        nouvelle = std::make_unique<TPngPicture>();
    else if (ext == ".jpg" || ext == ".jpeg")
        nouvelle = std::make_unique<TJPEGImage>();
    image_.reset();
    if (nouvelle && FileExists(fichier))
    {
        try
        {
            nouvelle->LoadFromFile(fichier);
            image_ = std::move(nouvelle);
        }
        catch (const std::exception&)
        {
            image_.reset();
        }
    }
    Invalidate();
}

void TLogo::Paint()
{
    TCanvas& c = Canvas();
    c.Brush.SetColor(CouleurFond);
    c.Pen.SetColor(CouleurBord);
    c.Rectangle(0, 0, Width(), Height());
    if (image_ && image_->Width() > 0 && image_->Height() > 0)
    {
        const TRect r = RectLogo(Width(), Height(), image_->Width(), image_->Height());
        if (auto* png = dynamic_cast<TPngPicture*>(image_.get()))
        {
            // A picture with an alpha channel keeps it: the colour key is for the others.
            const TColor coin = png->Pixels(0, 0);
            const int w = png->Width() - 1, h = png->Height() - 1;
            if (png->TransparencyMode() != ptmPartial)
                png->SetTransparentColor(coin == png->Pixels(w, 0) && coin == png->Pixels(0, h) &&
                                                 coin == png->Pixels(w, h)
                                             ? coin
                                             : TColor(0xFFFF99));
            c.StretchDraw(r, *png);
        }
        else if (dynamic_cast<TJPEGImage*>(image_.get()))
            c.StretchDraw(r, *image_);
    }
    if (OnPaint)
        OnPaint(this);
}
