// The player card's match list, goal panel and matchday graph.
#include <algorithm>

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
struct TPresence
{
    int Minutes = 127;
    bool Titulaire = false;
    int Entree = 127;
    int Sortie = 127;
    int Note = 255;
};

TPresence Presence(const TInfoComp& m, int equipe, int32_t joueur, int miTemps)
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

void Tf_FicheJoueur::PrepareGrilleMatchs(int colonnes, const std::string& enTete3)
{
    const TDonneesChampionnat* courant = Saison ? Saison->ChampionnatCourant() : nullptr;
    sg_Match->SetColCount(colonnes);
    sg_Match->SetRowCount(1);
    sg_Match->SetFixedRows(0);
    const int largeurs[5] = {courant && (courant->Option(11) & 8) ? 70 : 40, 180, 70, 60, 50};
    const int textes[5] = {85, 309, 87, 0, 922};
    const TColor titre = *Couleurs.Couleur(21);
    for (int c = 0; c < colonnes; ++c)
    {
        sg_Match->SetColWidths(c, largeurs[c]);
        sg_Match->RemplitCellule(c, 0, c == 3 ? enTete3 : Texte(textes[c]), 1, 1, titre, clWhite, true);
    }
}

void Tf_FicheJoueur::TermineGrilleMatchs(int lignes)
{
    sg_Match->SetRowCount(std::max(lignes, 1));
    sg_Match->SetHeight(sg_Match->RowCount() * 21 + 1);
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
            const TPresence pr = Presence(*m, t, numero, c->TempsPeriode);
            const std::string jour = TexteJour(c, d, t), match = TexteMatch(c, d, t);
            const std::string minutes =
                pr.Minutes == 127 ? std::string("-") : IntToStr(pr.Minutes) + " " + Texte(pr.Titulaire ? 97 : 98);
            auto compte = [&](TListeDonnees* l, auto garde) {
                int n = 0;
                for (int i = 0; l && i < l->Nombre(); ++i)
                    if (const TDonneesEvt* e = l->Donnee(i); e->IdJoueur() == numero && e->IdEquipe() == t && garde(*e))
                        ++n;
                return n;
            };
            if (stat == 1)
            {
                if (pr.Minutes == 127)
                    continue;
                const int buts = compte(c->ListeDonnees(2, d), [](const TDonneesEvt& e) { return !(e.Mot() & 0x80); });
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
            bool premier = true;
            for (int i = 0; l && i < l->Nombre(); ++i)
            {
                const TDonneesEvt* e = l->Donnee(i);
                if (e->IdJoueur() != numero || e->IdEquipe() != t)
                    continue;
                const bool rouge = (e->Mot() & 0x80) != 0;
                if (!(genre == 2 || (genre == 3 && !rouge) || (genre == 4 && rouge)))
                    continue;
                std::string minute = IntToStr(e->Minute());
                const int libelle = genre != 2 ? 0 : (e->Mot() & 0x100) ? 314 : (e->Mot() & 0x200) ? 315 : rouge ? 225 : 0;
                if (libelle)
                    minute.append(1, ' ').append(Texte(libelle));
                if (premier)
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
    for (TDonneesChampionnat* c : Saison->Arbre().ListeChampionnats())
    {
        if (Joueur->Stat(static_cast<uint32_t>(c->CodeChamp), 1) == 0)
            continue;
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
                // A missed penalty (a missed kick in rugby) scores nothing: it
                // counts on its own row only.
                if (mot & 0x800) {
                    ++compte[7][k];
                    continue;
                }
                ++jour;
                if (mn != 0 && !(mot & 0x80))
                    ++compte[mn <= demi ? 0 : 1][k];
                if (mot & 0x80)
                    ++compte[5][k];
                else if (mot & 0x100)
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
    for (int r = 0; r < 9; ++r)
    {
        std::string t = IntToStr(compte[r][0]);
        if (compte[r][1] > 0)
            t += " (" + IntToStr(r == 8 ? compte[r][1] : compte[r][0] + compte[r][1]) + ")";
        ValeursButs[static_cast<size_t>(r)]->SetCaption(t);
        BarresButs[static_cast<size_t>(r)]->SetWidth(compte[r][0] * echelle / 100);
    }
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
            const TPresence pr = Presence(*m, t, joueur, demi);
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
                    if (e->IdJoueur() != joueur || e->IdEquipe() != equipeJour)
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
