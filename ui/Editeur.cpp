#include "ui/Editeur.h"

#include <algorithm>
#include <cmath>

#include "platform/gui/Printers.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/TextFile.h"
#include "ui/Fond.h"
#include "ui/GridHtml.h"

namespace {

constexpr char CR = 13;

int IndexPalette(char c)
{
    int i = static_cast<unsigned char>(c);
    return i < TEditeur::NbCouleurPalette ? i : 0;
}

}   // namespace

TEditeur::TEditeur(TComponent* AOwner) : TCustomControl(AOwner)
{
    for (int i = 0; i < NbCouleurPalette; ++i)
        palette_[i] = CouleurPalette(i);
    std::fill(std::begin(largeursCar_), std::end(largeursCar_), -1);
    SetColor(clBtnFace);
    SetBounds(0, 0, 100, 100);
}

TEditeur::~TEditeur() = default;

void TEditeur::Change()
{
    MetAJourHauteur();
    Invalidate();
}

void TEditeur::SetInterligne(uint8_t v)
{
    interligne_ = v;
    Change();
}

void TEditeur::SetajustAuto(bool v)
{
    ajustAuto_ = v;
    Change();
}

void TEditeur::SetdecalX(uint8_t v)
{
    decalX_ = v;
    Change();
}

void TEditeur::SetdecalY(uint8_t v)
{
    decalY_ = v;
    Change();
}

void TEditeur::SetJustifyDoc(bool b)
{
    justifyDoc_ = b;
    Invalidate();
}

void TEditeur::SetCouleurPalette(int n, TColor couleur)
{
    if (n < 0 || n >= NbCouleurPalette)
        return;
    palette_[n] = couleur;
    Invalidate();
}

// ---- lines -----------------------------------------------------------------------------

void TEditeur::SetNbLigne(int n)
{
    n = std::max(0, n);
    while (NbLigne() > n)
        lignes_.pop_back();
    while (NbLigne() < n)
        lignes_.push_back(std::make_unique<TLigneEditeur>());
    Change();
}

TLigneEditeur* TEditeur::Ligne(int i)
{
    return i >= 1 && i <= NbLigne() ? lignes_[static_cast<size_t>(i - 1)].get() : nullptr;
}

uint8_t TEditeur::EcritLigne(int i, const std::string& texte, bool force, bool ajoute, uint8_t couleur)
{
    TLigneEditeur* l = Ligne(i);
    if (!l)
        return 255;
    if (!force) {
        TCanvas& c = Canvas();
        c.Font = Font();
        if (c.TextHeight(texte) + (i - 1) * interligne_ > Height())
            return 2;
        int largeur = l->Fixe ? 8 * static_cast<int>(texte.size()) : c.TextWidth(texte);
        if (largeur > Width())
            return 1;
    }
    if (ajoute) {
        l->Texte += texte;
    } else {
        l->Texte = texte;
        l->Couleurs.clear();
    }
    l->Couleurs.append(texte.size(), static_cast<char>(couleur));
    Change();
    return 0;
}

void TEditeur::EffaceLigne(int i)
{
    if (TLigneEditeur* l = Ligne(i)) {
        l->Texte.clear();
        l->Couleurs.clear();
        l->Balises = false;
        Change();
    }
}

// ---- HTML ------------------------------------------------------------------------------

std::string TEditeur::LigneHTML(int i) const
{
    if (i < 1 || i > NbLigne())
        return std::string();
    const TLigneEditeur& l = *lignes_[static_cast<size_t>(i - 1)];
    std::string s;
    size_t n = l.Texte.size();
    size_t debut = 0;
    while (debut < n) {
        // One run of characters of the same colour.
        TColor couleur = palette_[IndexPalette(debut < l.Couleurs.size() ? l.Couleurs[debut] : 0)];
        size_t fin = debut + 1;
        while (fin < n && palette_[IndexPalette(fin < l.Couleurs.size() ? l.Couleurs[fin] : 0)] == couleur)
            ++fin;
        if (debut > 0)
            s += "</FONT>";
        s += "<FONT COLOR=" + CouleurHTML(couleur) + ">";
        const std::string_view morceau = std::string_view(l.Texte).substr(debut, fin - debut);
        s += l.Balises ? EchappeHTML(morceau, true) : EchappeTexteHTML(morceau);
        debut = fin;
    }
    if (n > 0)
        s += "</FONT>";
    s += "<BR>";
    return s;
}

std::string TEditeur::Texte() const
{
    std::string s;
    for (int i = 1; i <= NbLigne(); ++i)
        s += LigneHTML(i);
    return s;
}

void TEditeur::PageHTML(const std::string& NomFichier, bool Complete, const std::vector<std::string>& Titres)
{
    if (Complete) {
        std::string s = "<HTML>\r\n  <HEAD>\r\n    " + MetaCharset() +
                        "\r\n    " + TitreHTML(Titres, true) + "\r\n  </HEAD>\r\n  <BODY BGCOLOR=\"#00306F\">\r\n";
        // headed as a table's page is, light on the page's dark ground
        for (const std::string& t : Titres)
            if (!Trim(t).empty())
                s += "    <H3><FONT COLOR=\"#FFFFFF\">" + EchappeTexteHTML(Trim(t)) + "</FONT></H3>\r\n";
        s += Texte();
        s += "  </BODY>\r\n</HTML>\r\n";
        if (!WriteFileAtomic(NomFichier, s))
            throw EFCreateError(L1("Impossible de créer le fichier ") + NomFichier);
        return;
    }
    if (!FileExists(NomFichier))
        throw EFOpenError(L1("Impossible d'ouvrir le fichier ") + NomFichier);
    TTextWriter f(NomFichier, true);
    f.Write(Texte());
    f.Close();
}

// ---- layout ----------------------------------------------------------------------------

int TEditeur::LargeurCar(TCanvas& c, unsigned char ch)
{
    if (ch == CR)
        return 0;
    if (largeursCar_[ch] < 0)
        largeursCar_[ch] = c.TextWidth(std::string(1, static_cast<char>(ch)));
    return largeursCar_[ch];
}

int TEditeur::LargeurTexte(TCanvas& c, const TLigneEditeur& l, size_t debut, size_t fin)
{
    if (l.Fixe)
        return 8 * static_cast<int>(fin - debut);
    int w = 0;
    for (size_t i = debut; i < fin; ++i)
        w += LargeurCar(c, static_cast<unsigned char>(l.Texte[i]));
    return w;
}

std::vector<TEditeur::Morceau> TEditeur::Decoupe(TCanvas& c, int W)
{
    std::fill(std::begin(largeursCar_), std::end(largeursCar_), -1);
    std::vector<Morceau> morceaux;
    for (size_t li = 0; li < lignes_.size(); ++li) {
        const TLigneEditeur& l = *lignes_[li];
        const std::string& t = l.Texte;
        size_t L = t.size();
        if (L == 0) {
            morceaux.push_back({static_cast<int>(li), 0, 0, false});
            continue;
        }
        int w = LargeurTexte(c, l, 0, L);
        if (w <= W || W <= 0) {
            morceaux.push_back({static_cast<int>(li), 0, L, false});
            continue;
        }
        long long n = (w + W - 1) / W;
        size_t reste = 0;   // start of the text still to cut
        auto espaceAvant = [&](size_t p) -> size_t {   // last blank in (reste, p), or npos
            for (size_t k = p; k > reste + 1; --k)
                if (t[k - 1] == ' ')
                    return k - 1;
            return std::string::npos;
        };
        auto espaceApres = [&](size_t p) -> size_t {   // next blank at or after p, or L
            size_t k = t.find(' ', p);
            return k == std::string::npos ? L : k;
        };
        // Every pass cuts at least one character: the loop ends.
        while (reste < L && LargeurTexte(c, l, reste, L) >= W) {
            size_t longueur = L - reste;
            size_t p = reste + std::max<size_t>(1, longueur / static_cast<size_t>(n));
            bool recule = false;
            if (p < L && t[p] != ' ') {
                size_t s = espaceAvant(p);
                // A word longer than the cut stays whole.
                p = s != std::string::npos ? s : espaceApres(p);
                recule = true;
            }
            while (LargeurTexte(c, l, reste, p) > W) {
                size_t s = espaceAvant(p);
                if (s == std::string::npos)
                    break;
                p = s;
                recule = true;
            }
            if (!recule) {
                while (p < L) {
                    size_t suivant = espaceApres(p + 1);
                    if (LargeurTexte(c, l, reste, suivant) >= W)
                        break;
                    p = suivant;
                }
            }
            morceaux.push_back({static_cast<int>(li), reste, p, true});
            reste = p < L && t[p] == ' ' ? p + 1 : p;
            if (n > 2)
                --n;
        }
        if (reste < L)
            morceaux.push_back({static_cast<int>(li), reste, L, true});
    }
    return morceaux;
}

int TEditeur::NbLignesDessinees(int largeur)
{
    TCanvas& c = Canvas();
    c.Font = Font();
    return static_cast<int>(Decoupe(c, largeur).size());
}

void TEditeur::MetAJourHauteur()
{
    if (!ajustAuto_ || ajustement_)
        return;
    ajustement_ = true;
    int h = interligne_ * NbLignesDessinees(Width()) + decalY_;
    if (h != Height())
        SetHeight(h);
    ajustement_ = false;
}

void TEditeur::BoundsChanged(bool sized)
{
    TCustomControl::BoundsChanged(sized);
    if (sized)
        MetAJourHauteur();
}

// ---- drawing ---------------------------------------------------------------------------

std::vector<TEditeur::TRangee> TEditeur::Disposition(TCanvas& c, int W, double k)
{
    int dx = static_cast<int>(Round(decalX_ * k));
    int pas = static_cast<int>(Round(8 * k));
    std::vector<Morceau> morceaux = Decoupe(c, W);
    std::vector<TRangee> rangees;
    rangees.reserve(morceaux.size());
    for (const Morceau& m : morceaux) {
        const TLigneEditeur& l = *lignes_[static_cast<size_t>(m.ligne)];
        TRangee rangee;
        rangee.Ligne = m.ligne + 1;
        size_t fin = m.fin;
        bool finCR = fin > m.debut && l.Texte[fin - 1] == CR;
        if (finCR)
            --fin;
        int largeur = LargeurTexte(c, l, m.debut, fin);
        int decalage = static_cast<int>(Round(l.Decalage * k));
        int x;
        switch (l.Alignement) {
        case 1:
            x = (W - largeur) / 2;
            break;
        case 2:
            x = W - largeur - dx;
            break;
        default:
            x = dx;
            break;
        }
        x += decalage;
        int longueur = static_cast<int>(fin - m.debut);
        int reste = 0, cumul = 0;
        if (justifyDoc_ && m.justifie && !finCR && longueur > 0)
            reste = std::max(0, W - largeur - decalage - 2 * dx);
        for (size_t i = m.debut; i < fin; ++i) {
            unsigned char ch = static_cast<unsigned char>(l.Texte[i]);
            if (l.Fixe && i > m.debut && l.Texte[i - 1] == ' ' && ch != ' ')
                x = dx + static_cast<int>(i - m.debut) * pas;
            rangee.Texte += static_cast<char>(ch);
            rangee.X.push_back(x);
            rangee.Couleurs += i < l.Couleurs.size() ? l.Couleurs[i] : '\0';
            x += l.Fixe ? pas : LargeurCar(c, ch);
            if (reste > 0) {
                cumul += reste;
                x += cumul / longueur;
                cumul %= longueur;
            }
        }
        rangees.push_back(std::move(rangee));
    }
    return rangees;
}

void TEditeur::Dessine(TCanvas& c, const TRect& r, bool Impression)
{
    c.Brush.SetStyle(bsClear);
    double k = Impression ? echelle_ : 1.0;
    int dy = static_cast<int>(Round(decalY_ * k));
    int hauteurLigne = static_cast<int>(Round(interligne_ * k));
    if (Impression)
        hauteurLigne = std::max(hauteurLigne, c.TextHeight("Hg"));
    std::vector<TRangee> rangees = Disposition(c, r.Width(), k);
    int debutPage = 0;   // first row of the page
    for (size_t rang = 0; rang < rangees.size(); ++rang) {
        const TRangee& rg = rangees[rang];
        int y = r.Top + (static_cast<int>(rang) - debutPage) * hauteurLigne + dy;
        if (Impression && y + hauteurLigne > r.Bottom && static_cast<int>(rang) > debutPage) {
            // The text goes on in the same rectangle of the next page.
            if (!nouvellePage_)
                break;
            nouvellePage_();
            ++pages_;
            debutPage = static_cast<int>(rang);
            y = r.Top + dy;
        }
        for (size_t i = 0; i < rg.Texte.size(); ++i) {
            int couleur = Impression ? 0 : IndexPalette(rg.Couleurs[i]);
            c.Font.SetColor(palette_[couleur]);
            c.TextOut(r.Left + rg.X[i], y, std::string(1, rg.Texte[i]));
        }
    }
}

void TEditeur::Paint()
{
    TCanvas& c = Canvas();
    c.Font = Font();
    if (Opaque) {
        c.Brush.SetStyle(bsSolid);
        c.Brush.SetColor(Color());
        c.FillRect(Rect(0, 0, Width(), Height()));
    }
    echelle_ = 1.0;
    Dessine(c, Rect(0, 0, Width(), Height()), false);
    if (OnPaint)
        OnPaint(this);
}

// ---- printing --------------------------------------------------------------------------

void TEditeur::ImprimeDans(TPrinter& printer, const TRect& r)
{
    TCanvas& c = printer.Canvas();
    c.Font = Font();
    c.Font.SetSize(14);
    c.Pen.SetWidth(1);
    echelle_ = printer.YResolution() / 96.0;
    nouvellePage_ = [&printer] { printer.NewPage(); };
    pages_ = 1;
    try {
        Dessine(c, r, true);
    } catch (...) {
        nouvellePage_ = nullptr;
        echelle_ = 1.0;
        throw;
    }
    nouvellePage_ = nullptr;
    echelle_ = 1.0;
}

bool TEditeur::Imprime()
{
    return PrintDocument(Printer(), poPortrait,
                         [this](TPrinter& p) { ImprimeDans(p, Rect(0, 0, p.PageWidth(), p.PageHeight())); });
}
