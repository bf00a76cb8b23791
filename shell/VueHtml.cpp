#include "shell/VueHtml.h"

#include <algorithm>

#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

namespace {
constexpr int Marge = 16;
constexpr TColor CouleurTexte = 0x202020;
constexpr TColor CouleurTitre = 0x6F3000;   // the dark blue of the program
constexpr TColor CouleurLien = 0xB05A00;
constexpr TColor CouleurCode = 0x404040;
constexpr int LargeurBarre = 16;
}  // namespace

TVueHtml::TVueHtml(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clWhite);
    barre_ = new TScrollBar(this);
    barre_->SetParent(this);
    barre_->SetKind(sbVertical);
    barre_->SetAlign(alRight);
    barre_->SetWidth(LargeurBarre);
    barre_->SetVisible(false);
    barre_->OnChange = [this](TObject*) { Invalidate(); };
    SetTabStop(true);
}

TVueHtml::~TVueHtml() = default;

bool TVueHtml::ChargeFichier(const std::string& fichier)
{
    std::string octets;
    if (!ReadFileBytes(fichier, octets))
    {
        page_ = {};
        fichier_.clear();
        largeurMiseEnPage_ = -1;
        MiseEnPage();
        return false;
    }
    fichier_ = fichier;
    ChargeTexte(Utf8ToCp1252(octets), ExtractFilePath(fichier));
    return true;
}

void TVueHtml::ChargeTexte(const std::string& html, const std::string& base)
{
    page_ = AnalyseHtml(html);
    base_ = base;
    largeurMiseEnPage_ = -1;
    barre_->SetPosition(0);
    MiseEnPage();
}

TFont TVueHtml::PoliceDe(const TBlocHtml& bloc, unsigned style, int lien) const
{
    TFont f;
    f.SetName(style & shCode ? "DejaVu Sans Mono" : "DejaVu Sans");
    int taille = 9;
    TFontStyles s = 0;
    TColor c = CouleurTexte;
    switch (bloc.Genre)
    {
    case TBlocHtml::Titre1: taille = 16; s |= fsBold; c = CouleurTitre; break;
    case TBlocHtml::Titre2: taille = 12; s |= fsBold; c = CouleurTitre; break;
    case TBlocHtml::Titre3: taille = 10; s |= fsBold; c = CouleurTitre; break;
    default: break;
    }
    if (style & shGras) s |= fsBold;
    if (style & shItalique) s |= fsItalic;
    if (style & shCode) c = CouleurCode;
    if (lien >= 0)
    {
        s |= fsUnderline;
        c = CouleurLien;
    }
    f.SetSize(taille);
    f.SetStyle(s);
    f.SetColor(c);
    return f;
}

void TVueHtml::MiseEnPage()
{
    const int largeurTotale = ClientWidth() - LargeurBarre;
    if (largeurTotale == largeurMiseEnPage_)
        return;
    largeurMiseEnPage_ = largeurTotale;
    fragments_.clear();
    TCanvas& c = Canvas();
    int y = Marge;
    const int droite = std::max(largeurTotale - Marge, Marge + 100);
    for (const TBlocHtml& bloc : page_.Blocs)
    {
        if (bloc.Genre == TBlocHtml::Trait)
        {
            y += 4;
            fragments_.push_back({Marge, y, droite - Marge, 1, "", 0, 0, 0xC0C0C0, -1, true});
            y += 9;
            continue;
        }
        const int retrait = Marge + 22 * bloc.Niveau;
        int gauche = retrait;
        if (bloc.Genre == TBlocHtml::Titre1 || bloc.Genre == TBlocHtml::Titre2)
            y += bloc.Genre == TBlocHtml::Titre1 ? 2 : 6;
        // Bullet or number in the margin of the item.
        if (bloc.Genre == TBlocHtml::Puce || bloc.Genre == TBlocHtml::Numerote)
        {
            const TFont f = PoliceDe(bloc, 0, -1);
            c.Font = f;
            const std::string marque = bloc.Genre == TBlocHtml::Puce ? std::string(1, static_cast<char>(0x95))
                                                                       : IntToStr(bloc.Numero) + ".";
            const int w = c.TextWidth(marque);
            fragments_.push_back({retrait - 6 - w, y, w, c.TextHeight("Ag"), marque, f.Size(), f.Style(), f.Color(), -1});
        }
        int x = gauche;
        int hauteurLigne = 0;
        std::vector<size_t> ligne;   // fragments of the current line
        auto finLigne = [&]() {
            int h = hauteurLigne;
            if (h == 0)
            {
                c.Font = PoliceDe(bloc, 0, -1);
                h = c.TextHeight("Ag");
            }
            for (size_t k : ligne)
                fragments_[k].y = y + (h - fragments_[k].h);
            y += h + 2;
            x = gauche;
            hauteurLigne = 0;
            ligne.clear();
        };
        for (const TMorceauHtml& m : bloc.Morceaux)
        {
            if (m.Texte == "\n")
            {
                finLigne();
                continue;
            }
            const TFont f = PoliceDe(bloc, m.Style, m.Lien);
            c.Font = f;
            const int hMot = c.TextHeight("Ag");
            // Words with the blank that precedes them.
            size_t i = 0;
            while (i < m.Texte.size())
            {
                size_t j = i;
                while (j < m.Texte.size() && m.Texte[j] == ' ')
                    ++j;
                while (j < m.Texte.size() && m.Texte[j] != ' ')
                    ++j;
                std::string mot = m.Texte.substr(i, j - i);
                i = j;
                int w = c.TextWidth(mot);
                if (x + w > droite && x > gauche)
                {
                    finLigne();
                    mot = TrimLeft(mot);
                    w = c.TextWidth(mot);
                }
                else if (x == gauche)
                {
                    mot = TrimLeft(mot);
                    w = c.TextWidth(mot);
                }
                if (mot.empty())
                    continue;
                // The blank before a word is room, not text: links are not
                // underlined under it.
                if (mot[0] == ' ')
                {
                    const int blanc = c.TextWidth(" ");
                    x += blanc;
                    w -= blanc;
                    mot.erase(0, 1);
                }
                fragments_.push_back({x, y, w, hMot, mot, f.Size(), f.Style(), f.Color(), m.Lien, false, (m.Style & shCode) != 0});
                ligne.push_back(fragments_.size() - 1);
                hauteurLigne = std::max(hauteurLigne, hMot);
                x += w;
            }
        }
        if (!ligne.empty() || x > gauche)
            finLigne();
        switch (bloc.Genre)
        {
        case TBlocHtml::Titre1: y += 10; break;
        case TBlocHtml::Titre2: y += 6; break;
        case TBlocHtml::Titre3: y += 3; break;
        case TBlocHtml::Puce:
        case TBlocHtml::Numerote: y += 3; break;
        default: y += 9; break;
        }
    }
    hauteur_ = y + Marge;
    AjusteBarre();
    Invalidate();
}

void TVueHtml::AjusteBarre()
{
    const int visible = ClientHeight();
    const bool utile = hauteur_ > visible && visible > 0;
    barre_->SetVisible(utile);
    if (utile)
    {
        barre_->SetParams(std::min(barre_->Position(), hauteur_ - visible), 0, hauteur_ - visible);
        barre_->SetSmallChange(20);
        barre_->SetLargeChange(std::max(visible - 40, 20));
    }
    else
        barre_->SetPosition(0);
}

int TVueHtml::Defilement() const { return barre_->Visible() ? barre_->Position() : 0; }

void TVueHtml::SetDefilement(int y)
{
    if (barre_->Visible())
        barre_->SetPosition(std::clamp(y, 0, barre_->Max()));
}

void TVueHtml::Resize()
{
    MiseEnPage();
    AjusteBarre();
    TCustomControl::Resize();
}

void TVueHtml::Paint()
{
    TCanvas& c = Canvas();
    c.Brush.SetColor(clWhite);
    c.FillRect(Rect(0, 0, Width(), Height()));
    const int dy = Defilement();
    for (const Fragment& f : fragments_)
    {
        const int y = f.y - dy;
        if (y + f.h < 0 || y > Height())
            continue;
        if (f.trait)
        {
            c.Brush.SetColor(f.couleur);
            c.FillRect(Rect(f.x, y, f.x + f.w, y + 1));
            continue;
        }
        c.Font.SetName(f.code ? "DejaVu Sans Mono" : "DejaVu Sans");
        c.Font.SetSize(f.taille);
        c.Font.SetStyle(f.style);
        c.Font.SetColor(f.couleur);
        c.Brush.SetStyle(bsClear);
        c.TextOut(f.x, y, f.texte);
        c.Brush.SetStyle(bsSolid);
    }
}

std::string TVueHtml::LienA(int x, int y) const
{
    const int yy = y + Defilement();
    for (const Fragment& f : fragments_)
        if (f.lien >= 0 && x >= f.x && x < f.x + f.w && yy >= f.y && yy < f.y + f.h)
            return page_.Liens[static_cast<size_t>(f.lien)];
    return {};
}

std::string TVueHtml::ResoutLien(const std::string& href) const
{
    std::string h = href;
    if (const size_t diese = h.find('#'); diese != std::string::npos)
        h.erase(diese);
    const std::string bas = LowerCase(h);
    if (bas.find(':') != std::string::npos || bas.rfind("//", 0) == 0)
        return href;   // http:, mailto:... : not a page of the folder
    if (h.empty())
        return fichier_;
    // Relative to the page, and never above the help folder's root: the links
    // of the pages only climb with "../" from html/ to the index.
    std::string dossier = ExcludeTrailingPathDelimiter(base_);
    std::string reste = h;
    while (reste.rfind("../", 0) == 0)
    {
        reste.erase(0, 3);
        dossier = ExtractFileDir(dossier);
    }
    return MakePath(dossier, reste);
}

void TVueHtml::SuitLien(const std::string& href)
{
    const std::string cible = ResoutLien(href);
    if (cible.empty())
        return;
    if (cible == href && href.find(':') != std::string::npos)
    {
        if (OnLienExterne)
            OnLienExterne(this, href);
        return;
    }
    if (!FileExists(cible))
        return;
    if (cible != fichier_)
        ChargeFichier(cible);
    else
        SetDefilement(0);
    if (OnNavigation)
        OnNavigation(this, cible);
}

void TVueHtml::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    SetFocus();
    if (Button != mbLeft)
        return;
    const std::string lien = LienA(X, Y);
    if (!lien.empty())
        SuitLien(lien);
}

void TVueHtml::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    SetCursor(LienA(X, Y).empty() ? crDefault : crHandPoint);
}

void TVueHtml::KeyDown(WORD& Key, TShiftState Shift)
{
    const int pas = std::max(ClientHeight() - 40, 20);
    switch (Key)
    {
    case VK_DOWN: SetDefilement(Defilement() + 20); break;
    case VK_UP: SetDefilement(Defilement() - 20); break;
    case VK_NEXT: SetDefilement(Defilement() + pas); break;
    case VK_PRIOR: SetDefilement(Defilement() - pas); break;
    case VK_HOME: SetDefilement(0); break;
    case VK_END: SetDefilement(hauteur_); break;
    default: TCustomControl::KeyDown(Key, Shift); return;
    }
    Key = 0;
}
