// The results page as HTML: the whole page of the shown matchday and the
// template function "Score" (the results table of a matchday).
#include "results/Resultats_Html.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/Joueurs.h"
#include "model/MultiSport.h"
#include "model/Personnels.h"
#include "model/Stades.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"
#include "results/Saisie.h"
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

// Whether the call names the parameter (alone or with a value).
bool Present(const TStringList& p, const std::string& nom)
{
    for (int i = 0; i < p.Count(); ++i) {
        const std::string& x = p[i];
        if (SameText(x, nom) || (x.size() > nom.size() && x[nom.size()] == '=' && SameText(x.substr(0, nom.size()), nom)))
            return true;
    }
    return false;
}

void Remplace(std::string& s, const std::string& motif, const std::string& par)
{
    s = StringReplace(s, motif, par, rfReplaceAll);
}

}  // namespace

std::string NomJournee(const TSaison& saison)
{
    // The last matchday of a cup that holds its third-place match names it too.
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    const std::string nom = LibelleJournee(saison);
    return c && LignePetiteFinale(*c, c->NbJournee) >= 0 ? TraduireFormat(5453, {nom}) : nom;
}

TTitresJournee TitresJournee(const TSaison& saison)
{
    TTitresJournee t;
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    if (!c)
        return t;
    const int n = c->NbJournee;
    t.Titre = NomJournee(saison);
    // the date box of the window: matchdays dated one by one, or a dated cup
    const bool dateMontree = !c->SystemeDate() && ((c->Option(11) & 1) || (c->EstCoupe() && (c->Option(11) & 8)));
    if (dateMontree && c->ElementDateJournee(n, 1) != 0)
        t.Titre += " (" + TGestionDate::DateVersTexte(c->DateJournee(n)) + ")";
    t.Matchs.assign(static_cast<size_t>(std::max(c->NbMatchJournee(n), 0)), std::string());
    if (t.Matchs.size() == 2 && LignePetiteFinale(*c, n) == 1) {
        t.Matchs[0] = Traduire(271);
        t.Matchs[1] = Traduire(3924);
    }
    return t;
}

std::string PageJourneeHTML(const TSaison& saison, const TCouleurElement& couleurs, const std::vector<std::string>& titres)
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
    const TTitresJournee journee = TitresJournee(saison);
    std::vector<std::string> t = {journee.Titre};
    t.insert(t.end(), titres.begin(), titres.end());
    ligne("    " + TitreHTML(t));
    ligne("  </head>");
    ligne("  <body bgcolor=\"#80CCFE\">");
    ligne("    <TABLE Width = 300 Border=1 CellSpacing=0 CellPadding = 0>");
    ligne("    \t<tr>");
    ligne("    \t  <td align=center colspan=3 BGCOLOR=\"#4020A0\"><B>");
    ligne("    \t\t<Font Color=#F0E020> " + EchappeHTML(journee.Titre) + "</B>");
    ligne("    \t  </td>");
    ligne("    \t</tr>");
    const TInfoCompJour* j = c->Journee(n);
    for (int k = 1; j && k <= j->NbMatchs(); ++k) {
        const TInfoComp* m = j->Match(k - 1);
        TColor fond = 0;
        TBrivantelForm::CouleurFondLigneSchema(k, fond, couleurs);
        if (const size_t i = static_cast<size_t>(k - 1); i < journee.Matchs.size() && !journee.Matchs[i].empty())
            ligne("    \t<tr><td align=center colspan=3><B>" + EchappeHTML(journee.Matchs[i]) + "</B></td></tr>");
        ligne("    \t<tr BGCOLOR=" + CouleurHTML(fond) + ">");
        ligne("    \t<td align=center width=40%>" + EchappeHTML(saison.NomEquipeCourant(m->IdEquipe(0))) + "</td>");
        if (m->Score(0) != V && m->Score(1) != V)
            ligne("      <td align=center width=20%>" + IntToStr(m->Score(0) & 0x7FFF) + " - " +
                  IntToStr(m->Score(1) & 0x7FFF) + "</td>");
        else
            ligne("      <td align=center width=20%> - </td>");
        ligne("    \t<td align=center width=40%>" + EchappeHTML(saison.NomEquipeCourant(m->IdEquipe(1))) + "</td>");
        ligne("    \t</tr>");
        // the shoot-out that decided a played match, as the window shows it
        if (const TPenaltyTab* tab = c->Penalty(n, m->IdEquipe(0), m->IdEquipe(1));
            tab && m->Score(0) != V && m->Score(1) != V)
            ligne("    \t<tr BGCOLOR=" + CouleurHTML(fond) + "><td align=center colspan=3>" +
                  EchappeHTML(TraduireFormat(286, {static_cast<int>(tab->s1), static_cast<int>(tab->s2)})) +
                  "</td></tr>");
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
    if (c->SystemeDate() && TGestionDate::Jour(c->DateJournee(d)) != 0)
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

// ---- the report of one match ---------------------------------------------------------------

namespace {

struct TRapport
{
    const TStringList& p;
    TSaison& saison;
    TDonneesChampionnat& c;
    int d;
    const TInfoComp& m;
    int colonnes;
    std::string r;
    int ligne = 0;

    std::string Fonte() const { return P("FonteLigne", p, "#000000"); }
    std::string Ouvre()
    {
        ++ligne;
        return "<tr bgcolor=\"" + P(ligne % 2 == 1 ? "CouleurLigne1" : "CouleurLigne2", p, ligne % 2 == 1 ? "#C0C0C0" : "#FFFFFF") +
               "\">" + CRLF;
    }
    std::string Cellule(const std::string& texte, const std::string& attributs) const
    {
        return "  <td align=\"center\"" + attributs + "><font color=\"" + Fonte() + "\">" + texte + "</font></td>" + CRLF;
    }
    void Ligne(const std::string& libelle, const std::string& valeur)
    {
        r += Ouvre() + Cellule(EchappeHTML(libelle), " colspan=\"2\"") +
             Cellule(EchappeHTML(valeur), " colspan=\"" + IntToStr(colonnes) + "\"") + "</tr>" + CRLF;
    }
    void Titre(const std::string& texte, int largeur)
    {
        r += "<tr bgcolor=\"" + P("CouleurTitre", p, "#000080") + "\">" + CRLF + "  <td align=\"center\" colspan=\"" +
             IntToStr(largeur) + "\"><font color=\"" + P("FonteTitre", p, "#F0E020") + "\">" + EchappeHTML(texte) +
             "</font></td>" + CRLF + "</tr>" + CRLF;
    }
    std::string NomJoueur(int32_t id, int equipe) const
    {
        TInfoJoueur info;
        if (!saison.InfoJoueur(id, equipe, info))
            return {};
        return info.Prenom.empty() ? info.Nom : info.Prenom + " " + info.Nom;
    }
    // The records of the list of that kind for the team, with or without the flags.
    std::vector<const TDonneesEvt*> Evenements(int type, int equipe, uint16_t avec, uint16_t sans) const
    {
        std::vector<const TDonneesEvt*> v;
        const TListeDonnees* l = c.ListeDonnees(type, d);
        for (int i = 0; l && i < l->Nombre(); ++i) {
            const TDonneesEvt* e = l->Donnee(i);
            if (e->IdEquipe() == equipe && (e->Mot() & avec) == avec && (e->Mot() & sans) == 0)
                v.push_back(e);
        }
        return v;
    }
    void Section(const std::string& titre, int type, uint16_t avec, uint16_t sans, bool buts)
    {
        const auto dom = Evenements(type, m.IdEquipe(0), avec, sans), ext = Evenements(type, m.IdEquipe(1), avec, sans);
        if (dom.empty() && ext.empty())
            return;
        Titre(titre, 4);
        auto nom = [&](const TDonneesEvt* e) {
            std::string s = EchappeHTML(NomJoueur(e->IdJoueur(), e->IdEquipe()));
            if (buts && (e->Mot() & 0x80))
                s += " (" + EchappeHTML(LibelleTypeButCourt(4)) + ")";
            else if (buts && (e->Mot() & 0x100))
                s += " (" + EchappeHTML(LibelleTypeButCourt(1)) + ")";
            return s;
        };
        const std::string vide = std::string("    <td> &nbsp; </td>") + CRLF;
        for (size_t i = 0; i < std::max(dom.size(), ext.size()); ++i) {
            r += Ouvre();
            if (i < dom.size())
                r += Cellule(IntToStr(dom[i]->Minute()) + "\xB0", " width=\"10%\"") + Cellule(nom(dom[i]), " width=\"40%\"");
            else
                r += vide + vide;
            if (i < ext.size())
                r += Cellule(nom(ext[i]), " width=\"40%\"") + Cellule(IntToStr(ext[i]->Minute()) + "\xB0", " width=\"10%\"");
            else
                r += vide + vide;
            r += std::string("</tr>") + CRLF;
        }
    }
    // The minute of the substitution record naming the player (word k: 1 off, 3 on); -1.
    int MinuteRemplacement(int equipe, int32_t joueur, int k) const
    {
        for (int i = 1; i <= m.NbRemp(); ++i)
            if (m.ValeurRemplacement(equipe, i, k) == joueur && joueur != 0)
                return m.ValeurRemplacement(equipe, i, 5);
        return -1;
    }
    void Effectif()
    {
        const std::string vide = std::string("    <td align=center width=10%> &nbsp; </td>") + CRLF +
                                 "    <td align=center width=40%> &nbsp; </td>" + CRLF;
        Titre("Titulaires", 4);
        for (int s = 1; s <= m.NbTitulaire(); ++s) {
            r += Ouvre();
            for (int cote = 0; cote < 2; ++cote) {
                const int equipe = m.IdEquipe(cote);
                const int32_t j = m.JoueurTitulaire(equipe, s);
                if (j == 0) {
                    r += vide;
                    continue;
                }
                std::string nom = EchappeHTML(NomJoueur(j, equipe));
                const int sortie = MinuteRemplacement(equipe, j, 1);
                if (sortie >= 0)
                    nom += L1(" (sorti à la ") + IntToStr(sortie) + "\xB0)";
                const std::string numero = "    <td align=center width=10%>&nbsp;" + IntToStr(m.Maillot(equipe, s)) + "&nbsp;</td>" + CRLF;
                const std::string cellule = "    <td align=center width=40%>" + nom + "</td>" + CRLF;
                r += cote == 0 ? numero + cellule : cellule + numero;
            }
            r += std::string("</tr>") + CRLF;
        }
        Titre(L1("Remplaçants"), 4);
        for (int i = 1; i <= m.NbRemp(); ++i) {
            const int32_t a = m.ValeurRemplacement(m.IdEquipe(0), i, 3), b = m.ValeurRemplacement(m.IdEquipe(1), i, 3);
            if (a == 0 || b == 0)
                continue;
            r += Ouvre();
            for (int cote = 0; cote < 2; ++cote) {
                const int equipe = m.IdEquipe(cote);
                const int32_t j = cote == 0 ? a : b;
                r += "    <td align=center width=10%>&nbsp;" + IntToStr(m.Maillot(equipe, m.NbTitulaire() + i)) + "&nbsp;</td>" + CRLF;
                r += "    <td align=center width=40%>" + EchappeHTML(NomJoueur(j, equipe)) + L1(" (entré à la ") +
                     IntToStr(m.ValeurRemplacement(equipe, i, 5)) + "\xB0)</td>" + CRLF;
            }
            r += std::string("  </tr>") + CRLF;
        }
    }
    void StatistiquesBasket(int equipe)
    {
        auto* stat = dynamic_cast<TDonneesChampionnatStat*>(&c);
        if (!stat)
            return;
        TListeStatTir liste(2);
        liste.Calcule(equipe, &saison, true, *stat, d, 2);
        Titre(saison.NomEquipeComplet(equipe, &c), 16);
        r += Ouvre();
        for (int t : {1233, 590, 40, 1234, 582, 583, 1240, 1241, 585, 649, 1293, 586, 588, 587})
            r += "<td width=\"25\" align=\"center\">" + EchappeHTML(Traduire(t)) + "</td>";
        r += std::string("</tr>") + CRLF;
        for (int i = 0; i < liste.Nombre(); ++i) {
            const TStatTir* s = liste.StatTir(i);
            r += Ouvre() + Cellule(EchappeHTML(NomJoueur(s->IdJoueur(), equipe)), "");
            for (int code : {5, 6})
                r += Cellule(IntToStr(s->Valeur(code)), "");
            for (int code : {7, 9, 11}) {
                const int reussis = s->Valeur(code), tentes = s->Valeur(code + 1);
                std::string x = IntToStr(reussis) + "-" + IntToStr(tentes);
                if (tentes != 0)
                    x += " (" + IntToStr(DivisionArrondie(reussis * 100LL, tentes)) + "%)";
                r += Cellule(x, "");
            }
            for (int code = 13; code <= 20; ++code)
                r += Cellule(IntToStr(s->Valeur(code)), "");
            r += std::string("</tr>") + CRLF;
        }
    }
};

}  // namespace

std::string FonctionRapportMatch(const TStringList& p, TSaison* saison)
{
    TDonneesChampionnat* c = TFonctionsGabarit::ChampionnatParametre(p, saison);
    if (!c || !saison)
        return {};
    const int d = TFonctionsGabarit::ParametreEntier("Journee", p, c->NbJournee);
    const TInfoComp* m = c->Match(d, TFonctionsGabarit::ParametreEntier("Match", p, 1));
    if (!m)
        return {};
    const bool basket = saison->Sport() == 2;
    TRapport x{p, *saison, *c, d, *m, basket ? 12 : 2, {}};
    std::string titre = Traduire(700) + " " + saison->NomEquipeComplet(m->IdEquipe(0), c) + "-" +
                        saison->NomEquipeComplet(m->IdEquipe(1), c);
    if (m->ScoresSaisis())
        titre += " (" + IntToStr(m->Score(0) & 0x7FFF) + " - " + IntToStr(m->Score(1) & 0x7FFF) + ")";
    x.r = std::string("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">") + CRLF;
    x.Titre(titre, x.colonnes + 2);
    if (Present(p, "MontreAffluence") && m->Affluence() > 0)
        x.Ligne(Traduire(51), IntToStr(m->Affluence()));
    if (Present(p, "MontreArbitre"))
        for (int k = 1; k <= 3; ++k)
            if (const TPersonnel* a = m->Officiel(k) >= 0 ? saison->Arbitres().ChercheNumero(m->Officiel(k)) : nullptr)
                x.Ligne(Traduire(920), a->NomComplet());
    if (Present(p, "MontreStade") && m->Stade() > 0)
        if (const TStade* s = saison->Stades().ChercheStade(m->Stade()))
            x.Ligne(Traduire(1010), s->NomStade);
    if (basket) {
        x.StatistiquesBasket(m->IdEquipe(0));
        x.StatistiquesBasket(m->IdEquipe(1));
    } else {
        std::string buteurs;
        saison->MultiSport().LibelleButeurs(buteurs);
        if (Present(p, "MontreButeur"))
            x.Section(buteurs, 2, 0, 0, true);
        if (Present(p, "MontreCarton")) {
            x.Section(Traduire(974), 3, 0, 0x80, false);
            x.Section(Traduire(975), 3, 0x80, 0, false);
        }
        if (saison->Sport() == 1 && Present(p, "MontreButeur")) {
            x.Section(Traduire(484), 6, 0, 0, false);
            x.Section(Traduire(485), 5, 0, 0, false);
            x.Section(Traduire(486), 7, 0, 0, false);
        }
        if (Present(p, "MontreEffectif"))
            x.Effectif();
    }
    x.r += "</table>";
    return x.r;
}
