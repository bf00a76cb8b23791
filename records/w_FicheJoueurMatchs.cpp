// The player card's match list, goal panel and matchday graph.
#include <algorithm>
#include <array>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/ListeDonnees.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "records/GrapheFiche.h"
#include "records/w_FicheJoueur.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"

using namespace ctrl;

namespace {

// Where a player stood in a team's line-up: the minutes played (127 none),
// starter, the minutes he came on and went off, and his rating (255 none).
// A player sent off plays up to his red card, as on the team sheet.
struct TPresence
{
    int Minutes = 127;
    bool Titulaire = false;
    int Entree = 127;
    int Sortie = 127;
    int Note = 255;
};

TPresence Presence(const TInfoComp& m, int equipe, int32_t joueur, int miTemps, const TListeDonnees* cartons)
{
    TPresence p;
    const int duree = 2 * std::max(miTemps, 0);
    for (int s = 1; s <= m.NbTitulaire(); ++s)
        if (m.JoueurTitulaire(equipe, s) == joueur)
        {
            p.Titulaire = true;
            p.Minutes = duree;
            p.Entree = 0;
            p.Sortie = duree;
            p.Note = m.Note(equipe, s);
        }
    for (int r = 1; r <= m.NbRemp(); ++r)
    {
        const int minute = m.ValeurRemplacement(equipe, r, 5);
        if (!p.Titulaire && m.JoueurEntre(equipe, r) == joueur && p.Minutes == 127)
        {
            p.Minutes = std::max(duree - minute, 0);
            p.Entree = minute;
            p.Sortie = duree;
            p.Note = m.Note(equipe, m.NbTitulaire() + r);
        }
        if (m.ValeurRemplacement(equipe, r, 1) == joueur && p.Minutes != 127)
        {
            p.Minutes = std::max(p.Minutes - std::max(duree - minute, 0), 0);
            p.Sortie = minute;
        }
    }
    for (int i = 0; p.Minutes != 127 && cartons && i < cartons->Nombre(); ++i)
        if (const TDonneesEvt* e = cartons->Donnee(i);
            e->IdJoueur() == joueur && e->IdEquipe() == equipe && (e->Mot() & evtRouge))
        {
            p.Minutes = std::max(p.Minutes - std::max(duree - e->Minute(), 0), 0);
            p.Sortie = std::min(p.Sortie, e->Minute());
            break;
        }
    return p;
}

std::string TexteNote(int note)
{
    return note >= 0 && note < 255 ? IntToStr(note) : std::string("-");
}

}  // namespace

std::string Tf_FicheJoueur::TexteJour(const TDonneesChampionnat* c, int jour, int equipe) const
{
    if (c->Option(11) & 8)
        if (const TInfoComp* m = c->MatchEquipe(jour, equipe); m && m->DateMatch())
            return TGestionDate::DateVersTexte(m->DateMatch());
    return IntToStr(jour);
}

std::string Tf_FicheJoueur::TexteMatch(const TDonneesChampionnat* c, int jour, int equipe) const
{
    const TInfoComp* m = c->MatchEquipe(jour, equipe);
    if (!m || !Saison)
        return {};
    return Saison->NomEquipeComplet(m->IdEquipe(0), c) + " - " + Saison->NomEquipeComplet(m->IdEquipe(1), c);
}

namespace {

// The widths of the match list's columns: matchday (a date with option 11
// bit 8), match, minutes, value, rating.
std::array<int, 5> LargeursMatchs(const TSaison* saison)
{
    const TDonneesChampionnat* courant = saison ? saison->ChampionnatCourant() : nullptr;
    return {courant && (courant->Option(11) & 8) ? 70 : 40, 180, 70, 60, 50};
}

}  // namespace

void Tf_FicheJoueur::PrepareGrilleMatchs(int colonnes, const std::string& enTete3)
{
    sg_Match->SetColCount(colonnes);
    sg_Match->SetRowCount(1);
    sg_Match->SetFixedRows(0);
    const std::array<int, 5> largeurs = LargeursMatchs(Saison);
    const int textes[5] = {85, 309, 87, 0, 922};
    const TColor titre = *Couleurs.Couleur(21);
    for (int c = 0; c < colonnes; ++c)
    {
        sg_Match->SetColWidths(c, largeurs[static_cast<size_t>(c)]);
        sg_Match->RemplitCellule(c, 0, c == 3 ? enTete3 : Texte(textes[c]), 1, 1, titre, clWhite, true);
    }
}

void Tf_FicheJoueur::TermineGrilleMatchs(int lignes)
{
    sg_Match->SetRowCount(std::max(lignes, 1));
    sg_Match->SetHeight(sg_Match->RowCount() * 21 + 1);
    // Every column but the match's as wide as its heading and its cells; the
    // match column gives up what the others take beyond the grid's width.
    const std::array<int, 5> largeurs = LargeursMatchs(Saison);
    int total = 0;
    for (int c = 0; c < sg_Match->ColCount() && c < 5; ++c)
        total += c == 1 ? sg_Match->ColWidths(1)
                        : sg_Match->AjusteLargeursAuTexte(sg_Match->Font(), c, c, sg_Match->RowCount() - 1,
                                                          largeurs[static_cast<size_t>(c)]);
    // the grid's width less the grid lines, its border and a vertical scroll bar
    const int place = sg_Match->Width() - sg_Match->ColCount() - 2 - 20;
    if (total > place)
        sg_Match->SetColWidths(1, std::max(100, sg_Match->ColWidths(1) - (total - place)));
}

void Tf_FicheJoueur::LigneTitre(TDonneesChampionnat* c, int& ligne, TColor couleurTexte)
{
    if (UnSeulChampionnat())
        return;
    sg_Match->SetRowCount(ligne + 1);
    for (int col = 0; col < sg_Match->ColCount(); ++col)
        sg_Match->RemplitCellule(col, ligne, col == 1 ? Saison->Arbre().NomCode(c->CodeChamp) : std::string(), 0, 1,
                                 couleurTexte, clWhite, true);
    ++ligne;
}

TListeDonnees* Tf_FicheJoueur::ListeStat(int, TDonneesChampionnat*, int, int& genre)
{
    genre = 0;
    return nullptr;
}

void Tf_FicheJoueur::RemplitMatchs(int stat, TDonneesChampionnat* c, int& ligne, int& couleur)
{
    if (!Joueur || !Saison)
        return;
    LigneTitre(c, ligne, clBlack);
    if (!UnSeulChampionnat())
        couleur = 0;
    const int32_t numero = Joueur->Numero;
    auto ecrit = [&](const std::string (&cellules)[5]) {
        TColor texte = clBlack, fond = clWhite;
        CouleursLigne(couleur, texte, fond, false);
        sg_Match->SetRowCount(ligne + 1);
        for (int col = 0; col < sg_Match->ColCount(); ++col)
            sg_Match->RemplitCellule(col, ligne, cellules[col], col == 1 ? 0 : 1, 1, texte, fond, false);
        ++ligne;
    };
    for (int d = 1; d <= c->NbJour(); ++d)
        for (int p = 0; p < c->NbEquipe(); ++p)
        {
            const int t = c->IdEquipe(p);
            const TInfoComp* m = c->MatchEquipe(d, t);
            if (!m)
                continue;
            TListeDonnees* cartons = c->ListeDonnees(3, d);
            const TPresence pr = Presence(*m, t, numero, c->TempsPeriode, cartons);
            const std::string jour = TexteJour(c, d, t), match = TexteMatch(c, d, t);
            auto texteMinutes = [&](const TPresence& x) {
                return x.Minutes == 127 ? std::string("-") : IntToStr(x.Minutes) + " " + Texte(x.Titulaire ? 97 : 98);
            };
            const std::string minutes = texteMinutes(pr);
            // The player's records for this team. A missed penalty or kick
            // stays in the scoring list but scored nothing: no list shows it.
            auto sien = [&](const TDonneesEvt& e) { return e.IdJoueur() == numero && e.IdEquipe() == t && !e.Manque(); };
            auto compte = [&](TListeDonnees* l, auto garde) {
                int n = 0;
                for (int i = 0; l && i < l->Nombre(); ++i)
                    if (const TDonneesEvt* e = l->Donnee(i); sien(*e) && garde(*e))
                        ++n;
                return n;
            };
            if (stat == 1)
            {
                if (pr.Minutes == 127)
                    continue;
                const int buts = compte(c->ListeDonnees(2, d), [](const TDonneesEvt& e) { return !(e.Mot() & evtRouge); });
                ecrit({jour, match, minutes, IntToStr(buts), TexteNote(pr.Note)});
                ++couleur;
                continue;
            }
            if (stat == 5 && Joueur->Sport() == sportFootball)
            {
                const int n = compte(c->ListeDonnees(4, d), [](const TDonneesEvt&) { return true; });
                if (n == 0)
                    continue;
                ecrit({jour, match, minutes, IntToStr(n), TexteNote(pr.Note)});
                ++couleur;
                continue;
            }
            int genre = 0;
            TListeDonnees* l = ListeStat(stat, c, d, genre);
            // An own goal is a record of the side it counted for: the player
            // played for the other one.
            const bool buts = l && l == c->ListeDonnees(2, d);
            const int adverse = m->IdEquipe(m->Cote(t) == 0 ? 1 : 0);
            bool premier = true;
            for (int i = 0; l && i < l->Nombre(); ++i)
            {
                const TDonneesEvt* e = l->Donnee(i);
                if (!sien(*e))
                    continue;
                const bool rouge = (e->Mot() & evtRouge) != 0;
                if (!(genre == 2 || (genre == 3 && !rouge) || (genre == 4 && rouge)))
                    continue;
                std::string minute = IntToStr(e->Minute());
                const int libelle = genre != 2 ? 0 : (e->Mot() & 0x100) ? 314 : (e->Mot() & 0x200) ? 315 : rouge ? 225 : 0;
                if (libelle)
                    minute.append(1, ' ').append(Texte(libelle));
                if (premier && buts && rouge)
                {
                    TPresence csc = Presence(*m, adverse, numero, c->TempsPeriode, cartons);
                    if (csc.Minutes == 127)
                        csc = pr;
                    ecrit({jour, match, texteMinutes(csc), minute, TexteNote(csc.Note)});
                }
                else if (premier)
                    ecrit({jour, match, minutes, minute, TexteNote(pr.Note)});
                else
                    ecrit({"", "", "", minute, ""});
                premier = false;
            }
            if (!premier)
                ++couleur;
        }
}

// ---- goal panel ----------------------------------------------------------------------------------

void Tf_FicheJoueur::CompteStatButs()
{
    if (!Joueur || !Saison)
        return;
    // [row][0 current championship, 1 the others]
    int compte[9][2] = {};
    const int32_t numero = Joueur->Numero;
    // Every championship is read: one where he scored no goal may hold his
    // own goals or missed penalties.
    for (TDonneesChampionnat* c : Saison->Arbre().ListeChampionnats())
    {
        const int k = c->CodeChamp == ChampionnatCode ? 0 : 1;
        const int demi = std::max(c->TempsPeriode, 0);
        for (int d = 1; d <= c->NbJour(); ++d)
        {
            TListeDonnees* l = c->ListeDonnees(2, d);
            int jour = 0;
            for (int i = 0; l && i < l->Nombre(); ++i)
            {
                const TDonneesEvt* e = l->Donnee(i);
                if (e->IdJoueur() != numero)
                    continue;
                const int mn = e->Minute();
                const uint16_t mot = e->Mot();
                // A missed penalty (a missed kick in rugby) and an own goal
                // are no goals of his: each counts on its own row only.
                if (e->Manque()) {
                    ++compte[7][k];
                    continue;
                }
                if (mot & evtRouge) {
                    ++compte[5][k];
                    continue;
                }
                ++jour;
                if (mn != 0)
                    ++compte[mn <= demi ? 0 : 1][k];
                if (mot & evt100)
                    ++compte[6][k];
                if (const TInfoComp* m = c->MatchEquipe(d, e->IdEquipe()))
                    ++compte[m->IdEquipe(0) == e->IdEquipe() ? 2 : 3][k];
            }
            if (jour > 2)
                ++compte[4][k];
            compte[8][k] = std::max(compte[8][k], jour);
        }
    }
    const int buts = ChampionnatCode >= 0 ? Joueur->Stat(static_cast<uint32_t>(ChampionnatCode), 1) : 0;
    const int echelle = buts > 0 ? 6000 / buts : 0;
    // The bracket of every row: the figure over all competitions, when the
    // other championships change it (the record, the best match of any).
    bool crochets = false;
    for (int r = 0; r < 9; ++r)
    {
        const int tous = r == 8 ? std::max(compte[r][0], compte[r][1]) : compte[r][0] + compte[r][1];
        std::string t = IntToStr(compte[r][0]);
        if (tous != compte[r][0])
        {
            t += " (" + IntToStr(tous) + ")";
            crochets = crochets || LibellesButs[static_cast<size_t>(r)]->Visible();
        }
        ValeursButs[static_cast<size_t>(r)]->SetCaption(t);
        BarresButs[static_cast<size_t>(r)]->SetWidth(compte[r][0] * echelle / 100);
    }
    LegendeButs->SetVisible(crochets);
}

// ---- graph ---------------------------------------------------------------------------------------

void Tf_FicheJoueur::RemplitGraphe(TDonneesChampionnat* c, int equipe, int32_t joueur)
{
    Graphe->Lignes.clear();
    Graphe->CouleurFond = Couleurs.fondfonce;
    Graphe->CouleurTexte = Couleurs.CouleurTexte1;
    if (!c || !Saison)
    {
        Graphe->NbLignes = 0;
        Graphe->Invalidate();
        return;
    }
    const int demi = std::max(c->TempsPeriode, 0);
    Graphe->MiTemps = demi;
    Graphe->NbLignes = c->NbJour();
    for (int d = 1; d <= c->NbJour(); ++d)
    {
        std::unique_ptr<TLigneMatch> ligne;
        int equipeJour = equipe;
        for (int p = 0; p < c->NbEquipe() && !ligne; ++p)
        {
            const int t = c->IdEquipe(p);
            const TInfoComp* m = c->MatchEquipe(d, t);
            if (!m)
                continue;
            const TPresence pr = Presence(*m, t, joueur, demi, c->ListeDonnees(3, d));
            if (pr.Minutes == 127)
                continue;
            const int adverse = m->IdEquipe(m->Cote(t) == 0 ? 1 : 0);
            ligne = std::make_unique<TLigneMatch>(Saison->NomEquipeComplet(adverse, c), demi, m->Cote(t) == 0, d,
                                                  pr.Sortie, pr.Entree);
            equipeJour = t;
        }
        if (!ligne)
        {
            const TInfoComp* m = c->MatchEquipe(d, equipe);
            if (!m)
                continue;
            const int adverse = m->IdEquipe(m->Cote(equipe) == 0 ? 1 : 0);
            ligne = std::make_unique<TLigneMatch>(Saison->NomEquipeComplet(adverse, c), demi, m->Cote(equipe) == 0, d,
                                                  127, 127);
        }
        for (int type : {2, 3})
            if (TListeDonnees* l = c->ListeDonnees(type, d))
                for (int i = 0; i < l->Nombre(); ++i)
                {
                    const TDonneesEvt* e = l->Donnee(i);
                    if (e->IdJoueur() != joueur || e->IdEquipe() != equipeJour || (type == 2 && e->Manque()))
                        continue;
                    if (type == 2)
                        ligne->AjouteBut(e->Mot());
                    else if (e->Mot() & 0x80)
                        ligne->AjouteRouge(e->Minute());
                    else
                        ligne->AjouteJaune(e->Minute());
                }
        Graphe->Lignes.push_back(std::move(ligne));
    }
    Graphe->Invalidate();
}
