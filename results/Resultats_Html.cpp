// The results page as HTML: the whole page of the shown matchday and the
// template function "Score" (the results table of a matchday).
#include "results/Resultats_Html.h"

#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"
#include "ui/BrivantelForm.h"
#include "ui/FonctionsGabarit.h"
#include "ui/GridHtml.h"

namespace {

constexpr uint16_t V = TInfoComp::ScoreVide;
const char* const CRLF = "\r\n";

std::string P(const char* nom, const TStringList& p, const char* defaut)
{
    return TFonctionsGabarit::Parametre(nom, p, defaut);
}

void Remplace(std::string& s, const std::string& motif, const std::string& par)
{
    s = StringReplace(s, motif, par, rfReplaceAll);
}

}  // namespace

std::string PageJourneeHTML(const TSaison& saison, const TCouleurElement& couleurs)
{
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    if (!c)
        return {};
    const int n = c->NbJournee;
    std::string s;
    auto ligne = [&s](const std::string& l) { s += l + CRLF; };
    ligne("<html>");
    ligne("  <head>");
    ligne("    " + MetaCharset());
    ligne("    <title></title>");
    ligne("  </head>");
    ligne("  <body bgcolor=\"#80CCFE\">");
    ligne("    <TABLE Width = 300 Border=1 CellSpacing=0 CellPadding = 0>");
    ligne("    \t<tr>");
    ligne("    \t  <td align=center colspan=3 BGCOLOR=\"#4020A0\"><B>");
    ligne("    \t\t<Font Color=#F0E020> " + EchappeHTML(Traduire(85)) + " " + IntToStr(n) + "</B>");
    ligne("    \t  </td>");
    ligne("    \t</tr>");
    const TInfoCompJour* j = c->Journee(n);
    for (int k = 1; j && k <= j->NbMatchs(); ++k) {
        const TInfoComp* m = j->Match(k - 1);
        TColor fond = 0;
        TBrivantelForm::CouleurFondLigneSchema(k, fond, couleurs);
        ligne("    \t<tr BGCOLOR=" + CouleurHTML(fond) + ">");
        ligne("    \t<td align=center width=40%>" + EchappeHTML(saison.NomEquipeCourant(m->IdEquipe(0))) + "</td>");
        if (m->Score(0) != V && m->Score(1) != V)
            ligne("      <td align=center width=20%>" + IntToStr(m->Score(0) & 0x7FFF) + " - " +
                  IntToStr(m->Score(1) & 0x7FFF) + "</td>");
        else
            ligne("      <td align=center width=20%> - </td>");
        ligne("    \t<td align=center width=40%>" + EchappeHTML(saison.NomEquipeCourant(m->IdEquipe(1))) + "</td>");
        ligne("    \t</tr>");
    }
    ligne("    </TABLE>");
    ligne("  </BODY>");
    ligne("</HTML>");
    return s;
}

std::string FonctionScore(const TStringList& p, TSaison* saison)
{
    TDonneesChampionnat* c = TFonctionsGabarit::ChampionnatParametre(p, saison);
    if (!c || !saison)
        return {};
    int d = TFonctionsGabarit::ParametreEntier("Journee", p, c->NbJournee);
    std::string r = std::string("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">") + CRLF;
    std::string titre = Traduire(85);
    if (c->Option(11) & 8)
        titre += " du " + TGestionDate::DateVersTexte(c->DateJournee(d));
    else
        titre += " " + IntToStr(d);
    r += "<tr BGCOLOR=" + P("CouleurTitre", p, "#000080") + ">" + CRLF + "  <td align=center colspan=" +
         P("NbColonne", p, "3") + "><B>" + "<Font Color=" + P("FonteTitre", p, "#F0E020") + "> " +
         EchappeHTML(titre) + "</B>" + "</td>" + CRLF + "</tr>" + CRLF;
    const std::string ligne1 = P("CouleurLigne1", p, "#C0C0C0"), ligne2 = P("CouleurLigne2", p, "#FFFFFF");
    const std::string fonte = P("FonteLigne", p, "#000000");
    std::string modele = P("FormatLigne", p, "");
    if (modele.empty())
        modele = std::string("<tr BGCOLOR=\"$couleur$\">") + CRLF +
                 "<td align=\"center\" width=\"40%\"><Font color=\"$CouleurFonte$\">$equipe1$</Font></td>" + CRLF +
                 "<td align=\"center\" width=\"20%\"><Font color=\"$CouleurFonte$\">$score1$ $-$ $score2$</Font></td>" +
                 CRLF + "<td align=\"center\" width=\"40%\"><Font color=\"$CouleurFonte$\">$equipe2$</Font></td>" +
                 CRLF + "</tr>";
    std::string fiche = P("FicheDetail", p, "");
    const size_t p1 = modele.find("$score1$"), p2 = modele.find("$score2$");
    if (p2 != std::string::npos && (p1 == std::string::npos || p2 < p1))
        fiche.clear();
    const std::string lien = P("ParametreLien", p, "");
    const std::string extra = P("#ExtraExt", p, "");
    const TInfoCompJour* j = c->Journee(d);
    bool premierLien = true;
    for (int k = 1; j && k <= j->NbMatchs(); ++k) {
        const TInfoComp* m = j->Match(k - 1);
        const int h = m->IdEquipe(0), a = m->IdEquipe(1);
        if (h == V || a == V)
            continue;
        std::string x = modele;
        const bool joue = m->Score(0) != V && m->Score(1) != V;
        if (!fiche.empty() && joue) {
            std::string l = fiche;
            const size_t point = l.find('.');
            const std::string suffixe = IntToStr(k) + extra;
            if (point == std::string::npos)
                l += suffixe;
            else
                l.insert(point, suffixe);
            x.insert(x.find("$score1$"), "<a href=" + l + (lien.empty() ? std::string() : "?" + lien) + ">");
            x.insert(x.find("$score2$") + 8, "</a>");
            const std::string page = l + "-" + fiche + "-Match=" + IntToStr(k);
            if (premierLien) {
                r.insert(0, "#$" + page + "#");
                premierLien = false;
            } else
                r.insert(1, "$" + page);
        }
        Remplace(x, "$couleur$", k % 2 == 1 ? ligne2 : ligne1);
        Remplace(x, "$CouleurFonte$", fonte);
        std::string dom = saison->NomEquipeComplet(h, c), ext = saison->NomEquipeComplet(a, c);
        std::string etat;
        if (const TPenalite* pen = c->Penalites().Cherche(h, a, d)) {
            if (pen->Type == etatForfait)
                (pen->s1 <= pen->s2 ? dom : ext) += " (forfait)";
            else if (pen->Type == etatReporte)
                etat = "Remis";
            else if (pen->Type == etatArrete)
                etat = L1("Arreté");
            else if (pen->Type == etatNonRecu)
                etat = "NC";
        }
        Remplace(x, "$equipe1$", EchappeHTML(dom));
        Remplace(x, "$equipe2$", EchappeHTML(ext));
        if (!etat.empty()) {
            Remplace(x, "$score1$", EchappeHTML(etat));
            Remplace(x, "$score2$", "");
            Remplace(x, "$-$", "");
        } else if (joue) {
            Remplace(x, "$score1$", IntToStr(m->Score(0) & 0x7FFF));
            Remplace(x, "$score2$", IntToStr(m->Score(1) & 0x7FFF));
            Remplace(x, "$-$", "-");
        } else {
            Remplace(x, "$score1$", "");
            Remplace(x, "$score2$", "");
            Remplace(x, "$-$", "");
        }
        const uint32_t date = m->DateMatch() ? m->DateMatch() : c->DateJournee(d);
        Remplace(x, "$date$", date ? TGestionDate::DateVersTexte(date) : std::string("-"));
        r += x + CRLF;
    }
    r += "</TABLE>";
    return r;
}
