// The colour grid as HTML: a page or an appended table with the grid's own
// colours, a table coloured by the caller, and a table of nested groups.
#include "ui/GridHtml.h"

#include <algorithm>
#include <cctype>

#include "model/Utilities.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/TextFile.h"
#include "ui/ColorStringGrid.h"

namespace {

bool Lettre(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// Length of an entity at s[i] ("&amp;", "&#233;", "&#x41;"), 0 when none.
size_t Entite(std::string_view s, size_t i)
{
    size_t j = i + 1;
    if (j < s.size() && s[j] == '#') {
        ++j;
        bool hexa = j < s.size() && (s[j] == 'x' || s[j] == 'X');
        if (hexa)
            ++j;
        size_t debut = j;
        while (j < s.size() && (hexa ? std::isxdigit(static_cast<unsigned char>(s[j])) : std::isdigit(static_cast<unsigned char>(s[j]))))
            ++j;
        if (j == debut)
            return 0;
    } else {
        size_t debut = j;
        while (j < s.size() && (Lettre(s[j]) || std::isdigit(static_cast<unsigned char>(s[j]))))
            ++j;
        if (j == debut || !Lettre(s[debut]))
            return 0;
    }
    return j < s.size() && s[j] == ';' ? j + 1 - i : 0;
}

const char* Alignement(int a)
{
    switch (a) {
    case 1:
        return "align=\"center\" ";
    case 2:
        return "align=\"right\" ";
    default:
        return "align=\"left\" ";
    }
}

const char* const CRLF = "\r\n";

// The rest of a cell of the tables coloured by the caller: its text (escaped,
// "&nbsp;" when empty, bold for a bold cell) in the given colour, then the
// closing tag and the line break.
std::string FinCelluleHTML(const std::string& texte, bool gras, const std::string& couleur)
{
    std::string s = gras ? "<b>" : "";
    s.append("<font color=\"").append(couleur).append("\">");
    s.append(texte.empty() ? std::string("&nbsp;") : EchappeHTML(texte));
    s.append("</font>");
    if (gras)
        s.append("</b>");
    return s.append("</td>").append(CRLF);
}

}   // namespace

namespace {

// A character the program's text keeps apart (a file name's letter) as the
// window shows it, at s[i]: "&#n;", i then on its last byte; false when s[i]
// opens none.
bool CaractereGarde(std::string_view s, size_t& i, std::string& r)
{
    char32_t u = 0;
    size_t fin = 0;
    if (!KeptCharAt(s, i, u, fin))
        return false;
    r.append("&#").append(std::to_string(static_cast<unsigned long>(u))).append(";");
    i = fin - 1;
    return true;
}

}   // namespace

std::string EchappeTexteHTML(std::string_view s)
{
    std::string r;
    r.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\0') {
            CaractereGarde(s, i, r);
            continue;
        }
        switch (c) {
        case '&': r += "&amp;"; break;
        case '<': r += "&lt;"; break;
        case '>': r += "&gt;"; break;
        case '"': r += "&quot;"; break;
        default: r += c;
        }
    }
    return r;
}

std::string EchappeHTML(std::string_view s, bool gardeBalises)
{
    std::string r;
    r.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\0') {
            CaractereGarde(s, i, r);
        } else if (c == '&') {
            size_t n = Entite(s, i);
            if (n) {
                r.append(s.substr(i, n));
                i += n - 1;
            } else {
                r += "&amp;";
            }
        } else if (c == '<') {
            size_t fin = gardeBalises ? s.find('>', i) : std::string_view::npos;
            bool balise = fin != std::string_view::npos && i + 1 < s.size() &&
                          (Lettre(s[i + 1]) || s[i + 1] == '/' || s[i + 1] == '!');
            if (balise) {
                r.append(s.substr(i, fin + 1 - i));
                i = fin;
            } else {
                r += "&lt;";
            }
        } else if (c == '>') {
            r += "&gt;";
        } else {
            r += c;
        }
    }
    return r;
}

std::string MetaCharset()
{
    return "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
}

std::string TitreHTML(const std::vector<std::string>& lignes, bool majuscules)
{
    std::string titre;
    for (const std::string& l : lignes)
        if (!Trim(l).empty())
            titre += (titre.empty() ? "" : " - ") + Trim(l);
    return TitreHTML(titre, majuscules);
}

std::string TitreHTML(const std::string& titre, bool majuscules)
{
    const std::string balise = majuscules ? "TITLE>" : "title>";
    return "<" + balise + EchappeTexteHTML(titre) + "</" + balise;
}

std::string CouleurHTML(TColor couleur)
{
    return CouleurVersTexte(ColorToRGB(couleur));
}

// ---- the three forms -------------------------------------------------------------------

std::string TColorGridBase::TexteHTML(bool Page, const TEnTeteHTML& EnTete) const
{
    const TGridModel& g = Grille();
    std::string s;
    auto ligne = [&s](const std::string& t) {
        s += t;
        s += CRLF;
    };
    if (Page) {
        ligne("<html>");
        ligne("  <head>");
        // The bytes are Windows-1252: browsers must not guess.
        ligne("    " + MetaCharset());
        ligne("    " + TitreHTML(EnTete.Titres));
        ligne("  </head>");
        ligne("  <body bgcolor=\"#80CCFE\">");
    }
    for (const std::string& titre : EnTete.Titres)
        if (!titre.empty())
            ligne("    <h3>" + EchappeHTML(titre) + "</h3>");
    ligne("    <table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    if (!EnTete.Bandes.empty()) {
        // One cell over each band's shown columns, one blank cell over each
        // run of shown columns outside the bands.
        const std::string fond = CouleurHTML(CouleurFixe());
        const std::string texte = CouleurHTML(CouleurTexteCellule(0, 0));
        s += "    \t<tr>";
        auto cellule = [&](int colonnes, const std::string& t) {
            if (colonnes <= 0)
                return;
            s += "    \t  <td bgcolor=\"" + fond + "\" align=\"center\" colspan=" + IntToStr(colonnes) + ">";
            const std::string contenu =
                t.empty() ? std::string("&nbsp;") : "<b><font color=\"" + texte + "\">" + EchappeHTML(t) + "</font></b>";
            ligne(contenu + "</td>");
        };
        int libres = 0;
        for (int c = 0; c < g.ColCount(); ++c) {
            const auto b = std::find_if(EnTete.Bandes.begin(), EnTete.Bandes.end(), [c](const TEnTeteHTML::TBande& x) {
                return c >= x.Premiere && c <= x.Derniere;
            });
            if (b == EnTete.Bandes.end()) {
                libres += LargeurColonne(c) > 0;
                continue;
            }
            if (c != b->Premiere)
                continue;
            cellule(libres, "");
            libres = 0;
            int n = 0;
            for (int k = b->Premiere; k <= b->Derniere && k < g.ColCount(); ++k)
                n += LargeurColonne(k) > 0;
            cellule(n, b->Texte);
        }
        cellule(libres, "");
        s += "      </tr>";
    }
    for (int r = 0; r < g.RowCount(); ++r) {
        s += "    \t<tr>";
        std::string couleurTexte = CouleurHTML(CouleurTexteCellule(0, r));
        for (int c = 0; c < g.ColCount(); ++c) {
            int largeur = LargeurColonne(c);
            if (largeur <= 0)
                continue;
            bool fixe = c < g.FixedCols() || r < g.FixedRows();
            s += "    \t  <td bgcolor=\"";
            s += CouleurHTML(fixe ? CouleurFixe() : CouleurFondCellule(c, r));
            s += "\" ";
            s += Alignement(AlignementHCellule(c, r));
            ligne("width=" + IntToStr(largeur) + ">");
            bool gras = GrasCellule(c, r);
            if (gras)
                s += "    \t\t<b>";
            std::string texte = TexteGrille(c, r);
            s += "<font color=\"" + couleurTexte + "\">";
            s += texte.empty() ? std::string("&nbsp;") : EchappeHTML(texte);
            s += "</font>";
            if (gras)
                s += "</b>";
            ligne("</td>");
        }
        s += "      </tr>";
    }
    ligne("    </table>");
    if (Page) {
        ligne("  </body>");
        ligne("</html>");
    }
    return s;
}

void TColorGridBase::EnregistreHTML(const std::string& NomFichier, bool Page, const TEnTeteHTML& EnTete)
{
    std::string texte = TexteHTML(Page, EnTete);
    if (Page) {
        // The page is written whole or not at all.
        if (!WriteFileAtomic(NomFichier, texte))
            throw EFCreateError(L1("Impossible de créer le fichier ") + NomFichier);
        return;
    }
    if (!FileExists(NomFichier))
        throw EFOpenError(L1("Impossible d'ouvrir le fichier ") + NomFichier);
    TTextWriter f(NomFichier, true);
    f.Write(texte);
    f.Close();
}

void TColorGridBase::TableHTML(const TCouleursHTML& Couleurs, std::string& Texte, int Largeur,
                               const std::string& CouleurVide) const
{
    const TGridModel& g = Grille();
    if (Largeur > 0)
        Texte = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"" + IntToStr(Largeur) + "\">";
    else
        Texte = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">";
    for (int r = 0; r < g.RowCount(); ++r) {
        bool ligneFixe = r < g.FixedRows();
        const std::string& fond = ligneFixe ? Couleurs[0] : (r % 2 == 0 ? Couleurs[1] : Couleurs[2]);
        Texte += "\t<tr bgcolor=\"" + fond + "\">" + CRLF;
        for (int c = 0; c < g.ColCount(); ++c) {
            int largeur = LargeurColonne(c);
            if (largeur <= 0)
                continue;
            bool colonneFixe = c < g.FixedCols();
            bool fixe = ligneFixe || colonneFixe;
            std::string texte = TexteGrille(c, r);
            Texte += colonneFixe ? "\t  <td bgcolor=\"" + Couleurs[0] + "\" " : std::string("\t  <td ");
            if (!ligneFixe && texte.empty() && CouleurVide != "#FFFFFF")
                Texte += "bgcolor=\"" + CouleurVide + "\" ";
            Texte += Alignement(AlignementHCellule(c, r));
            if (r == 0)
                Texte += "width=" + IntToStr(largeur);
            Texte += ">";
            Texte += FinCelluleHTML(texte, GrasCellule(c, r), fixe ? Couleurs[3] : Couleurs[4]);
        }
        Texte += std::string("  </tr>") + CRLF;
    }
    Texte += "</table>";
}

void TColorGridBase::TableHTMLImbriquee(const TCouleursHTML& Couleurs, std::string& Texte) const
{
    const TGridModel& g = Grille();
    Texte = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">";
    int groupes = 0;
    for (int r = 0; r < g.RowCount(); ++r) {
        bool ligneFixe = r < g.FixedRows();
        if (ligneFixe) {
            Texte += "<tr bgcolor=\"" + Couleurs[0] + "\">" + CRLF;
        } else {
            bool separe = r > 0 && TraitLigne(r - 1);
            if (groupes > 0 && separe)
                Texte += "</table></td></tr>";
            if (groupes == 0 || separe) {
                Texte += "<tr bgcolor=\"" + Couleurs[static_cast<size_t>(1 + (groupes + 1) % 2)] + "\">" + CRLF;
                Texte += "<td colspan=\"" + IntToStr(g.ColCount()) + "\">" + CRLF;
                Texte += std::string("<table cellspacing=\"0\" cellpadding=\"3\">") + CRLF + "<tr>";
                ++groupes;
            } else {
                Texte += "        <TR>";
            }
        }
        for (int c = 0; c < g.ColCount(); ++c) {
            int largeur = LargeurColonne(c);
            if (largeur <= 0)
                continue;
            bool colonneFixe = c < g.FixedCols();
            bool fixe = ligneFixe || colonneFixe;
            std::string texte = TexteGrille(c, r);
            Texte += colonneFixe ? "<td bgcolor=\"" + Couleurs[0] + "\" " : std::string("<td ");
            Texte += Alignement(AlignementHCellule(c, r));
            Texte += "width=\"" + IntToStr(largeur) + "\">";
            Texte += FinCelluleHTML(texte, GrasCellule(c, r), fixe ? Couleurs[3] : Couleurs[4]);
        }
        Texte += std::string("</tr>") + CRLF;
    }
    if (groupes > 0)
        Texte += "</table></td></tr>";
    Texte += "</table>";
}
