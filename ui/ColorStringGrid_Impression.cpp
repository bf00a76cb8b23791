// The colour grid laid out for paper: each shown column as wide as its widest
// cell and heading in the printing font, within the room of the page. A table
// too wide takes a smaller font, then wraps the texts of its widest columns at
// their blanks, and only then cuts a word still too long with an ellipsis, so
// that no text runs into its neighbour or off the page. Above the table the
// view's titles and the band of group titles, from the heading its HTML page
// has; rows that do not fit go on to the next page under the headings again.
#include <algorithm>
#include <numeric>

#include "platform/gui/Printers.h"
#include "ui/ColorStringGrid.h"
#include "ui/Couleurs.h"

namespace {

constexpr int PoliceMax = 12;
constexpr int PoliceMin = 6;
constexpr char Ellipse = '\x85';   // "…" in Windows-1252
constexpr TColor FondFixe = 0xD0D0D0;

// A text cut to a width, an ellipsis in place of what is left out.
std::string Coupe(const TCanvas& c, const std::string& texte, int largeur)
{
    if (c.TextWidth(texte) <= largeur)
        return texte;
    std::string t = texte;
    while (!t.empty() && c.TextWidth(t + Ellipse) > largeur)
        t.pop_back();
    return t + Ellipse;
}

// The lines of a text in a width: words go to the next line at their blanks;
// a word wider than the line is cut.
std::vector<std::string> Lignes(const TCanvas& c, const std::string& texte, int largeur)
{
    if (c.TextWidth(texte) <= largeur)
        return {texte};
    std::vector<std::string> lignes;
    std::string ligne;
    size_t i = 0;
    while (i < texte.size()) {
        while (i < texte.size() && texte[i] == ' ')
            ++i;
        const size_t fin = std::min(texte.find(' ', i), texte.size());
        if (fin == i)
            break;
        const std::string mot = texte.substr(i, fin - i);
        i = fin;
        const std::string essai = ligne.empty() ? mot : ligne + ' ' + mot;
        if (c.TextWidth(essai) <= largeur || ligne.empty()) {
            ligne = essai;
            continue;
        }
        lignes.push_back(Coupe(c, ligne, largeur));
        ligne = mot;
    }
    if (!ligne.empty() || lignes.empty())
        lignes.push_back(Coupe(c, ligne, largeur));
    return lignes;
}

// The widest word of a text.
int MotLePlusLarge(const TCanvas& c, const std::string& texte)
{
    int l = 0;
    size_t i = 0;
    while (i < texte.size()) {
        const size_t fin = std::min(texte.find(' ', i), texte.size());
        if (fin > i)
            l = std::max(l, c.TextWidth(texte.substr(i, fin - i)));
        i = fin + 1;
    }
    return l;
}

// The titles of a printout measured for a width: the first one larger and
// bold; one too wide takes a smaller font, then is cut.
struct TTitres
{
    std::vector<std::string> lignes;
    std::vector<int> polices;
    int hauteur = 0;
};

void PoliceTitre(TCanvas& c, const TFont& base, int taille, bool gras)
{
    c.Font = base;
    c.Font.SetSize(taille);
    c.Font.SetStyle(gras ? static_cast<TFontStyles>(fsBold) : 0u);
    c.Font.SetColor(clBlack);
}

TTitres MesureTitres(TCanvas& c, const TFont& base, const std::vector<std::string>& titres, int largeur)
{
    TTitres t;
    for (const std::string& titre : titres) {
        if (titre.empty())
            continue;
        const bool premier = t.lignes.empty();
        int taille = premier ? PoliceMax + 2 : PoliceMax;
        PoliceTitre(c, base, taille, premier);
        while (c.TextWidth(titre) > largeur && taille > PoliceMin)
            PoliceTitre(c, base, --taille, premier);
        t.lignes.push_back(Coupe(c, titre, largeur));
        t.polices.push_back(taille);
        t.hauteur += c.TextHeight("Ag") * 5 / 4;
    }
    if (t.hauteur > 0) {
        PoliceTitre(c, base, PoliceMax, false);
        t.hauteur += c.TextHeight("Ag") / 2;
    }
    return t;
}

// Draws them from y, each over x as far as the page lets it.
int DessineTitres(TCanvas& c, const TFont& base, const TTitres& t, int x, int gauche, int droite, int y)
{
    c.Brush.SetStyle(bsClear);
    for (size_t i = 0; i < t.lignes.size(); ++i) {
        PoliceTitre(c, base, t.polices[i], i == 0);
        c.TextOut(std::max(gauche, std::min(x, droite - c.TextWidth(t.lignes[i]))), y, t.lignes[i]);
        y += c.TextHeight("Ag") * 5 / 4;
    }
    if (!t.lignes.empty()) {
        PoliceTitre(c, base, PoliceMax, false);
        y += c.TextHeight("Ag") / 2;
    }
    c.Brush.SetStyle(bsSolid);
    return y;
}

}  // namespace

int ImprimeTitres(TCanvas& c, const TFont& police, const std::vector<std::string>& titres, int gauche, int droite, int y)
{
    const TFont ancienne = c.Font;
    y = DessineTitres(c, police, MesureTitres(c, police, titres, droite - gauche), gauche, gauche, droite, y);
    c.Font = ancienne;
    return y;
}

// What the layout of a grid found for a printout.
struct TColorGridBase::TMiseEnPage
{
    int police = PoliceMax;
    int ligne = 0;                              // height of one line of text
    int marge = 0;                              // inner margin of a cell, each side
    std::vector<int> colonnes;                  // the shown columns
    std::vector<int> largeurs;                  // their printed widths
    std::vector<std::vector<std::vector<std::string>>> textes;   // [row][shown column] lines
    std::vector<int> hauteurs;                  // of each row
    int hauteurBande = 0;                       // 0 without band
    TTitres titres;

    int Largeur() const { return std::accumulate(largeurs.begin(), largeurs.end(), 0); }
    // The columns from premiere to fin (excluded) after the first one.
    TMiseEnPage Tranche(size_t premiere, size_t fin) const;
};

TColorGridBase::TMiseEnPage TColorGridBase::MetEnPage(TCanvas& c, const TEnTeteHTML& entete, int largeurMax) const
{
    const TGridModel& g = Grille();
    TMiseEnPage m;
    for (int col = 0; col < g.ColCount(); ++col)
        if (g.ColWidths(col) > 0)
            m.colonnes.push_back(col);
    const size_t n = m.colonnes.size();
    auto police = [&](int taille, bool gras) {
        c.Font = PoliceGrille();
        c.Font.SetSize(taille);
        c.Font.SetStyle(gras ? static_cast<TFontStyles>(fsBold) : 0u);
    };
    auto gras = [&](int col, int row) { return GrasCellule(col, row) || row < g.FixedRows(); };
    // The room of a cell's picture: as high as a line of text.
    auto espaceImage = [&](int col, int row) {
        const TPngPicture* image = ImageCellule(col, row);
        if (!image || image->Empty() || image->Height() <= 0)
            return 0;
        return image->Width() * m.ligne / image->Height() + m.marge;
    };
    // The widths each column needs at a size: its widest cell, its widest
    // word (below which it cannot wrap), the band titles over it.
    std::vector<int> besoin(n), minimum(n);
    auto mesure = [&](int taille) {
        police(taille, false);
        m.police = taille;
        m.ligne = c.TextHeight("Ag");
        m.marge = std::max(1, m.ligne / 4);
        for (size_t k = 0; k < n; ++k) {
            const int col = m.colonnes[k];
            besoin[k] = minimum[k] = 0;
            for (int row = 0; row < g.RowCount(); ++row) {
                police(taille, gras(col, row));
                const std::string t = TexteGrille(col, row);
                const int image = espaceImage(col, row);
                besoin[k] = std::max(besoin[k], c.TextWidth(t) + image);
                minimum[k] = std::max(minimum[k], MotLePlusLarge(c, t) + image);
            }
            besoin[k] += 2 * m.marge;
            minimum[k] += 2 * m.marge;
        }
        police(taille, true);
        for (const TEnTeteHTML::TBande& b : entete.Bandes) {
            int sous = 0, nb = 0;
            for (size_t k = 0; k < n; ++k)
                if (m.colonnes[k] >= b.Premiere && m.colonnes[k] <= b.Derniere) {
                    sous += besoin[k];
                    ++nb;
                }
            const int manque = c.TextWidth(b.Texte) + 2 * m.marge - sous;
            for (size_t k = 0; manque > 0 && k < n; ++k)
                if (m.colonnes[k] >= b.Premiere && m.colonnes[k] <= b.Derniere)
                    besoin[k] += (manque + nb - 1) / nb;
        }
        return std::accumulate(besoin.begin(), besoin.end(), 0);
    };
    int taille = PoliceMax;
    while (mesure(taille) > largeurMax && taille > PoliceMin)
        --taille;
    m.largeurs = besoin;
    int total = m.Largeur();
    if (total > largeurMax) {
        // Still too wide at the smallest size: the columns that can wrap give
        // up their room, the widest first, down to their widest word.
        while (total > largeurMax) {
            size_t k = n;
            for (size_t i = 0; i < n; ++i)
                if (m.largeurs[i] > minimum[i] && (k == n || m.largeurs[i] > m.largeurs[k]))
                    k = i;
            if (k == n)
                break;
            const int pas = std::min(total - largeurMax, m.largeurs[k] - minimum[k]);
            m.largeurs[k] -= std::max(1, std::min(pas, std::max(1, m.largeurs[k] / 8)));
            total = m.Largeur();
        }
        // Still too wide: the columns go in slices, each after the first
        // column again (below). Only a column wider than a slice's room is
        // cut: the first to half the page, another to what the first leaves.
        for (size_t k = 0; k < n; ++k)
            m.largeurs[k] = std::min(m.largeurs[k], k == 0 ? largeurMax / 2 : largeurMax - m.largeurs[0]);
    } else if (total > 0) {
        // Room left: the columns grow with their needs, up to half as much
        // again, as the window's grid grows to fill its area.
        const double f = std::min(1.5, static_cast<double>(largeurMax) / total);
        for (int& l : m.largeurs)
            l = static_cast<int>(l * f);
    }

    // The lines of each cell in its column, and the height of each row.
    m.textes.assign(static_cast<size_t>(g.RowCount()), std::vector<std::vector<std::string>>(n));
    m.hauteurs.assign(static_cast<size_t>(g.RowCount()), 0);
    for (int row = 0; row < g.RowCount(); ++row) {
        size_t lignes = 1;
        for (size_t k = 0; k < n; ++k) {
            const int col = m.colonnes[k];
            police(taille, gras(col, row));
            const int place = m.largeurs[k] - 2 * m.marge - espaceImage(col, row);
            auto& t = m.textes[static_cast<size_t>(row)][k];
            t = Lignes(c, TexteGrille(col, row), std::max(place, 1));
            lignes = std::max(lignes, t.size());
        }
        m.hauteurs[static_cast<size_t>(row)] = static_cast<int>(lignes) * m.ligne + m.marge;
    }
    if (!entete.Bandes.empty())
        m.hauteurBande = m.ligne + m.marge;

    m.titres = MesureTitres(c, PoliceGrille(), entete.Titres, largeurMax);
    return m;
}

TColorGridBase::TMiseEnPage TColorGridBase::TMiseEnPage::Tranche(size_t premiere, size_t fin) const
{
    TMiseEnPage t = *this;
    std::vector<size_t> k = {0};
    for (size_t i = std::max<size_t>(premiere, 1); i < fin; ++i)
        k.push_back(i);
    t.colonnes.clear();
    t.largeurs.clear();
    for (const size_t i : k) {
        t.colonnes.push_back(colonnes[i]);
        t.largeurs.push_back(largeurs[i]);
    }
    for (size_t row = 0; row < textes.size(); ++row) {
        t.textes[row].clear();
        size_t lignes = 1;
        for (const size_t i : k) {
            t.textes[row].push_back(textes[row][i]);
            lignes = std::max(lignes, textes[row][i].size());
        }
        t.hauteurs[row] = static_cast<int>(lignes) * ligne + marge;
    }
    return t;
}

int TColorGridBase::ImprimeDans(TPrinter& imprimante, const TEnTeteHTML& entete, int gauche, int droite, int y)
{
    TCanvas& c = imprimante.Canvas();
    const TFont ancienne = c.Font;
    const TMiseEnPage tout = MetEnPage(c, entete, droite - gauche);
    if (tout.colonnes.empty())
        return y;
    // A table too wide for the page in slices of columns, one under the
    // other, each after the first column.
    const size_t n = tout.colonnes.size();
    for (size_t debut = 1;;) {
        int largeur = tout.largeurs[0];
        size_t fin = debut;
        while (fin < n && (fin == debut || largeur + tout.largeurs[fin] <= droite - gauche))
            largeur += tout.largeurs[fin++];
        if (debut > 1)
            y += tout.ligne;
        y = ImprimeTranche(imprimante, debut == 1 && fin >= n ? tout : tout.Tranche(debut, fin), entete, gauche, droite,
                           y);
        if (fin >= n)
            break;
        debut = fin;
    }
    c.Font = ancienne;
    c.Pen.SetWidth(1);
    return y;
}

int TColorGridBase::ImprimeTranche(TPrinter& imprimante, const TMiseEnPage& m, const TEnTeteHTML& entete, int gauche,
                                   int droite, int y)
{
    const TGridModel& g = Grille();
    TCanvas& c = imprimante.Canvas();
    const int largeur = m.Largeur();
    const int x0 = gauche + std::max(0, (droite - gauche - largeur) / 2);
    const int bas = imprimante.PageHeight();
    const int trait = std::max(1, m.ligne / 24);
    const int fixes = std::min(g.FixedRows(), g.RowCount());
    int enTete = m.titres.hauteur + m.hauteurBande;
    for (int row = 0; row < fixes; ++row)
        enTete += m.hauteurs[static_cast<size_t>(row)];

    auto police = [&](int taille, bool gras) {
        c.Font = PoliceGrille();
        c.Font.SetSize(taille);
        c.Font.SetStyle(gras ? static_cast<TFontStyles>(fsBold) : 0u);
    };
    auto ligneDroite = [&](int xa, int ya, int xb, int yb, TColor couleur) {
        c.Pen.SetColor(couleur);
        c.Pen.SetWidth(trait);
        c.MoveTo(xa, ya);
        c.LineTo(xb, yb);
    };
    // One row of cells at y; dernier: the last one of the page.
    auto rangee = [&](int row, int ya, bool dernier) {
        const int h = m.hauteurs[static_cast<size_t>(row)];
        int x = x0;
        for (size_t k = 0; k < m.colonnes.size(); ++k) {
            const int col = m.colonnes[k], w = m.largeurs[k];
            const bool fixe = col < g.FixedCols() || row < g.FixedRows();
            const TRect cellule = Rect(x, ya, x + w, ya + h);
            c.Brush.SetStyle(bsSolid);
            c.Brush.SetColor(fixe ? FondFixe : clWhite);
            c.FillRect(cellule);
            const TCouleurPoint barre = ValeursColonne(col);
            if (!fixe && barre.Debut != 0) {
                const int valeur = ValeurTexte(TexteGrille(col, row)), maximum = MaximumColonne(col);
                const TRect bords = InfoColonne(col)->Marges;
                const int e = std::max(1, m.marge / 2);
                if (maximum > 0 && valeur > 0)
                    DegradeRect(c, cellule, Rect(bords.Left * e, bords.Top * e, bords.Right * e, bords.Bottom * e),
                                valeur, maximum, barre.Debut, barre.Fin, false);
            }
            // picture and text, centred on the row's height
            const auto& lignes = m.textes[static_cast<size_t>(row)][k];
            police(m.police, GrasCellule(col, row) || row < g.FixedRows());
            TColor couleur = fixe ? clBlack : ColorToRGB(CouleurTexteCellule(col, row));
            if (Contraste(couleur, clWhite) < 4.5)
                couleur = clBlack;
            c.Font.SetColor(couleur);
            const TPngPicture* image = ImageCellule(col, row);
            int espace = 0;
            TRect place;
            if (image && !image->Empty() && image->Height() > 0) {
                const int iw = image->Width() * m.ligne / image->Height();
                espace = iw + m.marge;
                place = Rect(0, ya + (h - m.ligne) / 2, iw, ya + (h - m.ligne) / 2 + m.ligne);
            }
            int ty = ya + (h - static_cast<int>(lignes.size()) * m.ligne) / 2;
            int gaucheTexte = x + m.marge + espace;
            for (const std::string& l : lignes) {
                const int tw = c.TextWidth(l);
                int tx;
                switch (AlignementHCellule(col, row)) {
                case 1: tx = x + espace + (w - espace - tw) / 2; break;
                case 2: tx = x + w - m.marge - tw; break;
                default: tx = x + m.marge + espace; break;
                }
                gaucheTexte = std::min(gaucheTexte, tx);
                c.Brush.SetStyle(bsClear);
                c.TextOut(tx, ty, l);
                ty += m.ligne;
            }
            if (espace > 0) {
                OffsetRect(place, gaucheTexte - espace, 0);
                c.StretchDraw(place, *image);
            }
            c.Brush.SetStyle(bsSolid);
            if (TraitColonne(col) && k + 1 < m.colonnes.size())
                ligneDroite(x + w, ya, x + w, ya + h, fixe ? clBlack : CouleurTraitColonne(col));
            x += w;
        }
        if ((TraitLigne(row) || row + 1 == fixes) && !dernier)
            ligneDroite(x0, ya + h, x0 + largeur, ya + h, row < fixes ? clBlack : CouleurTraitLigne(row));
    };
    // The headings of a page: titles, band, fixed rows; answers the y below.
    auto enTetes = [&](int ya) {
        ya = DessineTitres(c, PoliceGrille(), m.titres, x0, gauche, droite, ya);
        if (m.hauteurBande > 0) {
            police(m.police, true);
            c.Font.SetColor(clBlack);
            int x = x0;
            for (size_t k = 0; k < m.colonnes.size(); ++k) {
                const int col = m.colonnes[k];
                const auto b = std::find_if(entete.Bandes.begin(), entete.Bandes.end(), [col](const TEnTeteHTML::TBande& t) {
                    return col >= t.Premiere && col <= t.Derniere;
                });
                int w = m.largeurs[k];
                if (b != entete.Bandes.end()) {
                    while (k + 1 < m.colonnes.size() && m.colonnes[k + 1] <= b->Derniere)
                        w += m.largeurs[++k];
                    c.Brush.SetStyle(bsSolid);
                    c.Brush.SetColor(FondFixe);
                    c.FillRect(Rect(x, ya, x + w, ya + m.hauteurBande));
                    c.Brush.SetStyle(bsClear);
                    c.Pen.SetColor(clBlack);
                    c.Pen.SetWidth(trait);
                    c.Rectangle(x, ya, x + w, ya + m.hauteurBande);
                    const std::string t = Coupe(c, b->Texte, w - 2 * m.marge);
                    c.TextOut(x + (w - c.TextWidth(t)) / 2, ya + m.marge / 2, t);
                }
                x += w;
            }
            ya += m.hauteurBande;
        }
        return ya;
    };

    int row = fixes;
    bool premiere = true;
    while (premiere || row < g.RowCount()) {
        // A table that would start with no room for one row starts a page.
        const int suivante = row < g.RowCount() ? m.hauteurs[static_cast<size_t>(row)] : 0;
        if (y > 0 && y + enTete + suivante > bas) {
            imprimante.NewPage();
            y = 0;
        }
        premiere = false;
        int ya = enTetes(y);
        const int haut = ya;
        for (int r = 0; r < fixes; ++r) {
            rangee(r, ya, false);
            ya += m.hauteurs[static_cast<size_t>(r)];
        }
        // at least one row on each page, so that a page too small still ends
        int fin = row;
        int yb = ya;
        while (fin < g.RowCount() && (fin == row || yb + m.hauteurs[static_cast<size_t>(fin)] <= bas))
            yb += m.hauteurs[static_cast<size_t>(fin++)];
        for (int r = row; r < fin; ++r) {
            rangee(r, ya, r + 1 == fin);
            ya += m.hauteurs[static_cast<size_t>(r)];
        }
        c.Brush.SetStyle(bsClear);
        c.Pen.SetColor(clBlack);
        c.Pen.SetWidth(trait);
        c.Rectangle(x0, haut, x0 + largeur, ya);
        c.Brush.SetStyle(bsSolid);
        y = ya;
        row = fin;
        if (row < g.RowCount()) {
            imprimante.NewPage();
            y = 0;
        }
    }
    return y;
}
