#include "results/w_VuesResultats.h"
#include "views/OutilsVues.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "engine/CalculClassement.h"
#include "model/ChampsSaison.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Controles.h"
#include "results/Saisie.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/message2.h"
#include "views/AfficheClassement.h"
#include "views/Textes.h"

using resultats::Bouton;
using resultats::Label;
using vues::Texte;

namespace {

constexpr uint16_t V = TInfoComp::ScoreVide;

TColorStringGrid* Grille(TForm* f, TWinControl* parent, const char* nom)
{
    auto* g = new TColorStringGrid(f);
    g->SetName(nom);
    g->SetBorderStyle(bsNone);
    g->SetScrollBars(ssNone);
    g->SetFixedCols(0);
    g->SetSelectionVisible(false);
    g->SetParent(parent);
    return g;
}

TColor Couleur(const TCouleurElement& c, int i) { return *c.Couleur(i); }

}  // namespace

// ============================================================================
// points penalties
// ============================================================================

Tf_Penalite::Tf_Penalite(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_Penalite");
    SetCaption("f_Penalite");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(600);
    SetClientHeight(440);
    FondCopie1 = new TFondCopie(this);
    FondCopie1->SetName("FondCopie1");
    if (Dessin)
        FondCopie1->SetModele(Dessin->Fond("FondCarrebleu"));
    FondCopie1->SetAlign(alBottom);
    FondCopie1->SetHeight(56);
    FondCopie1->SetParent(this);
    cb_Equipe = new TComboBox(this);
    cb_Equipe->SetName("cb_Equipe");
    cb_Equipe->SetStyle(csDropDownList);
    cb_Equipe->SetBounds(14, 16, 220, 22);
    cb_Equipe->SetParent(FondCopie1);
    e_Point = new TEdit(this);
    e_Point->SetName("e_Point");
    e_Point->SetText("0");
    e_Point->SetBounds(246, 16, 50, 22);
    e_Point->SetParent(FondCopie1);
    ud_Point = new TUpDown(this);
    ud_Point->SetName("ud_Point");
    ud_Point->Min = -999;
    ud_Point->Max = 999;
    ud_Point->SetBounds(296, 16, 16, 22);
    ud_Point->SetParent(FondCopie1);
    ud_Point->SetAssociate(e_Point);
    Label1 = Label(this, FondCopie1, "Label1", 318, 19, 60, clWhite, true, Texte(218, "points"));
    b_Ajouter = Bouton(this, FondCopie1, "b_Ajouter", "BoutonOrange", 400, 12, 150, Texte(932, "Ajouter"));
    b_Ajouter->OnClick = [this](TObject* s) { b_AjouterClick(s); };
    sb_Tableau = vues::FondDefilant(this, "sb_Tableau");
    sg_Penalite = Grille(this, sb_Tableau, "sg_Penalite");
    DoCreate();
}

void Tf_Penalite::Affiche()
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const int n = c->NbEquipe();
    sg_Penalite->SetColCount(2);
    sg_Penalite->SetRowCount(n + 1);
    sg_Penalite->SetFixedRows(1);
    sg_Penalite->ChangeLargeurColonne(0, 200);
    sg_Penalite->ChangeLargeurColonne(1, 150);
    sg_Penalite->SetWidth(350);
    sg_Penalite->SetHeight((n + 1) * sg_Penalite->DefaultRowHeight() + n + 2);
    sg_Penalite->SetLeft(std::max(0, (sb_Tableau->ClientWidth() - 350) / 2));
    const int h = sg_Penalite->Height();
    sg_Penalite->SetTop(sb_Tableau->ClientHeight() > h + 12 ? (sb_Tableau->ClientHeight() - h) / 2 : 6);
    sg_Penalite->RemplitCellule(0, 0, Traduire(176), 1, 1, Couleurs.CouleurTexteTitreTableau,
                                Couleurs.CouleurFondTitreTableau, true);
    sg_Penalite->RemplitCellule(1, 0, Traduire(5504), 1, 1, Couleurs.CouleurTexteTitreTableau,
                                Couleurs.CouleurFondTitreTableau, true);
    cb_Equipe->Items().Clear();
    for (int p = 0; p < n; ++p) {
        cb_Equipe->Items().AddObject(Saison->NomEquipePosition(p), c->IdEquipe(p));
        TColor texte = 0, fond = 0;
        CouleursLigne(p + 1, texte, fond, p == c->Option(10));
        sg_Penalite->RemplitCellule(0, p + 1, Saison->NomEquipePosition(p), 0, 1, texte, fond, false);
        sg_Penalite->RemplitCellule(1, p + 1, "", 1, 1, texte, fond, false);
    }
    RemplitPoints();
}

void Tf_Penalite::RemplitPoints()
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const std::vector<TPenalite*> points = c->Penalites().ListeJournee(0);
    for (int p = 0; p < c->NbEquipe(); ++p) {
        std::string t = "0";
        for (const TPenalite* r : points)
            if (r->e1 == c->IdEquipe(p)) {
                t = IntToStr(r->Type == penalitePointsRetires ? -r->s1 : r->s1);
                break;
            }
        sg_Penalite->EcritCellule(1, p + 1, t);
    }
}

void Tf_Penalite::b_AjouterClick(TObject*)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    const int i = cb_Equipe->ItemIndex();
    if (!c || i < 0)
        return;
    const int v = StrToIntDef(Trim(e_Point->Text()), INT_MIN);
    if (v == INT_MIN) {
        Tf_MessageUtil::Affiche(Texte(3761, L1("Le nombre de points saisi n'est pas un nombre.")), mbuValider);
        return;
    }
    const int points = std::clamp(v, -999, 999);
    if (points == 0)
        return;
    c->Penalites().AjoutePoints(static_cast<int>(cb_Equipe->Items().Objects(i)), points);
    Saison->InvalideStats();
    Signale();
    RemplitPoints();
}

void Tf_Penalite::Imprime() { sg_Penalite->Imprime(EnTete()); }
void Tf_Penalite::EnregistreHTML(const std::string& nomFichier) { sg_Penalite->EnregistreHTML(nomFichier, true, EnTete()); }

// ============================================================================
// cross-table
// ============================================================================

void RemplitRecap(TGridModel& grille, TColorGridBase& cellules, TSaison& saison, const TDonneesChampionnat& c,
                  const TCouleurElement& couleurs)
{
    const int n = c.NbEquipe();
    grille.SetColCount(n + 1);
    grille.SetRowCount(n + 1);
    grille.SetFixedRows(1);
    // Whole scores per cell (a byte would turn 255 into "no result").
    std::vector<std::pair<int, int>> cellule(static_cast<size_t>(n * n), {-1, -1});
    std::vector<std::string> tirs(static_cast<size_t>(n * n));   // the shoot-out that decided the match
    const bool unique = (c.Option(11) & 2) != 0;
    for (int d = 1; d <= c.DerniereJournee; ++d) {
        const TInfoCompJour* j = c.Journee(d);
        for (int k = 0; j && k < j->NbMatchs(); ++k) {
            const TInfoComp* m = j->Match(k);
            if (m->Score(0) == V || m->Score(1) == V)
                continue;
            int i = c.IndexEquipe(m->IdEquipe(0)), jj = c.IndexEquipe(m->IdEquipe(1));
            int sh = m->Score(0) & 0x7FFF, sa = m->Score(1) & 0x7FFF;
            if (i < 0 || jj < 0)
                continue;
            if (unique && jj < i) {
                std::swap(i, jj);
                std::swap(sh, sa);
            }
            auto& x = cellule[static_cast<size_t>(i * n + jj)];
            if (x.first < 0) {
                x = {sh, sa};
                // the row's team first, as the score
                tirs[static_cast<size_t>(i * n + jj)] =
                    vues::TexteTirsAuBut(c, d, m->IdEquipe(0), m->IdEquipe(1), i != c.IndexEquipe(m->IdEquipe(0)));
            }
        }
    }
    const int largeur = saison.ValeurSport() == 1 ? 18 : (saison.ValeurSport() == 2 ? 25 : 28);
    cellules.ChangeLargeurColonne(0, 90);
    for (int k = 1; k <= n; ++k)
        cellules.ChangeLargeurColonne(k, largeur);
    cellules.RemplitCellule(0, 0, "", 0, 1, Couleur(couleurs, 21), clWhite, false);
    std::vector<std::string> noms;
    for (int p = 0; p < n; ++p)
        noms.push_back(saison.NomEquipeComplet(c.IdEquipe(p), &c));
    for (int p = 0; p < n; ++p) {
        const std::string& nom = noms[static_cast<size_t>(p)];
        // the first three letters, more where another team starts the same way
        size_t lettres = 3;
        for (const std::string& autre : noms)
            while (&autre != &nom && lettres < nom.size() && autre.compare(0, lettres, nom, 0, lettres) == 0)
                ++lettres;
        const std::string titre = lettres < nom.size() ? nom.substr(0, lettres) + "." : nom;
        cellules.RemplitCellule(p + 1, 0, titre, 1, 1, Couleur(couleurs, 21), clWhite, true);
        cellules.RemplitCellule(0, p + 1, nom, 0, 1, Couleur(couleurs, 21), clWhite, true);
        for (int q = 0; q < n; ++q) {
            const auto& x = cellule[static_cast<size_t>(p * n + q)];
            if (p == q)
                cellules.RemplitCellule(q + 1, p + 1, "", 1, 1, Couleur(couleurs, 0), Couleur(couleurs, 0), false);
            else {
                std::string t = x.first < 0 ? "-" : IntToStr(x.first) + " - " + IntToStr(x.second);
                if (const std::string& tab = tirs[static_cast<size_t>(p * n + q)]; !tab.empty())
                    t += " (" + tab + ")";
                cellules.RemplitCellule(q + 1, p + 1, t, 1, 1, Couleur(couleurs, 24), Couleur(couleurs, 22), false);
            }
        }
    }
    // each column as wide as its heading and its widest score, in the grid's font
    if (auto* g = dynamic_cast<TColorStringGrid*>(&cellules))
        cellules.AjusteLargeursAuTexte(g->Font(), 1, n, n, largeur);
    else if (auto* m = dynamic_cast<TColorGridModel*>(&cellules))
        cellules.AjusteLargeursAuTexte(m->Font(), 1, n, n, largeur);
}

Tf_recap::Tf_recap(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_recap");
    SetCaption("f_recap");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);
    sb_Fond = vues::FondDefilant(this, "sb_Fond");
    sg_recap = Grille(this, sb_Fond, "sg_recap");
    sg_recap->SetLeft(6);
    sg_recap->SetTop(6);
    DoCreate();
}

void Tf_recap::Affiche()
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    RemplitRecap(*sg_recap, *sg_recap, *Saison, *c, Couleurs);
    sg_recap->AjusteTaille();
}

void Tf_recap::Imprime() { sg_recap->Imprime(EnTete(vues::EnTetePage(Saison, Traduire(950)).Titres)); }
void Tf_recap::EnregistreHTML(const std::string& nomFichier) { sg_recap->EnregistreHTML(nomFichier, true, EnTete(vues::EnTetePage(Saison, Traduire(950)).Titres)); }

void Tf_recap::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                               const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    if (Nom != "Recapitulatif") {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    Resultat.clear();
    TDonneesChampionnat* c = ChampionnatParametre(Parametres, saison);
    if (!c || !saison)
        return;
    TColorGridModel g;
    RemplitRecap(g, g, *saison, *c, couleurs);
    g.ChangeLargeurColonne(0, 80);
    for (int k = 1; k < g.ColCount(); ++k)
        g.ChangeLargeurColonne(k, 36);
    const TCouleursHTML html{Parametre("CouleurTitre", Parametres, "#000080"),
                             Parametre("CouleurLigne1", Parametres, "#C0C0C0"),
                             Parametre("CouleurLigne2", Parametres, "#FFFFFF"),
                             Parametre("FonteTitre", Parametres, "#F0E020"),
                             Parametre("FonteLigne", Parametres, "#000000")};
    std::string table;
    g.TableHTML(html, table, 0, "#FFFFFF");
    Resultat = StringReplace(table, "<td", "<td nowrap", rfReplaceAll);
}

// ============================================================================
// calendar
// ============================================================================

Tf_calendrier::Tf_calendrier(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_calendrier");
    SetCaption("f_calendrier");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);
    ScrollBox1 = vues::FondDefilant(this, "ScrollBox1");
    ScrollBox1->OnResize = [this](TObject*) { Place(); };
    DoCreate();
}

int Tf_calendrier::Marge() const { return std::max(5, (ScrollBox1->ClientWidth() - 2 * largeurGrille_ - 27) / 2); }

void Tf_calendrier::Place()
{
    for (TColorStringGrid* g : Grilles)
        g->SetLeft(static_cast<int>(g->Tag) * (largeurGrille_ + 7) + Marge());
}

void Tf_calendrier::Affiche()
{
    for (TColorStringGrid* g : Grilles)
        g->Free();
    Grilles.clear();
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const bool systemeDate = c->SystemeDate();
    std::vector<int> journees;
    if (systemeDate) {
        for (int i = 0; i < c->Journees().Nombre(); ++i)
            if (const TInfoCompJour* j = c->Journees().JourneeParDate(i); j && j->Date() != 0)
                journees.push_back(c->Journees().NumeroJourneeDate(j->Date()));
    } else
        for (int d = 1; d <= c->NbJour(); ++d)
            journees.push_back(d);
    largeurGrille_ = 273;
    int haut = 10, hauteurLigne = 0;
    // Each matchday's matches under its name; a cup's third-place match under
    // its own, apart from the final's game it shares its matchday with.
    std::vector<std::pair<int, std::vector<int>>> grilles;   // matchday (- for the third place), matches
    for (int d : journees) {
        const TInfoCompJour* j = c->Journee(d);
        std::vector<int> matchs, troisieme;
        for (int k = 0; j && k < j->NbMatchs(); ++k)
            if (j->Match(k)->IdEquipe(0) != V && j->Match(k)->IdEquipe(1) != V)
                (EstPetiteFinale(*c, d, *j->Match(k)) ? troisieme : matchs).push_back(k);
        for (auto* m : {&matchs, &troisieme})
            if (!m->empty())
                grilles.push_back({m == &troisieme ? -d : d, *m});
    }
    for (const auto& [cle, matchs] : grilles) {
        const int d = std::abs(cle);
        const TInfoCompJour* j = c->Journee(d);
        const int colonne = static_cast<int>(Grilles.size() % 2);
        TColorStringGrid* g = Grille(this, ScrollBox1, "");
        g->Tag = colonne;
        // a match decided on a shoot-out has it on the row under it
        std::vector<std::string> tirs;
        for (const int k : matchs)
            tirs.push_back(vues::TexteTirsAuBut(*c, d, j->Match(k)->IdEquipe(0), j->Match(k)->IdEquipe(1)));
        g->SetColCount(3);
        g->SetRowCount(static_cast<int>(matchs.size() + 1 + std::count_if(tirs.begin(), tirs.end(), [](const std::string& t) {
                                            return !t.empty();
                                        })));
        g->SetFixedRows(1);
        g->SetDefaultRowHeight(20);
        g->ChangeLargeurColonne(0, 100);
        g->ChangeLargeurColonne(1, 70);
        g->ChangeLargeurColonne(2, 100);
        g->SetWidth(273);
        g->SetColor(Couleurs.CouleurFond1Tableau);
        const std::string dateJour =
            c->ElementDateJournee(d, 1) != 0 ? TGestionDate::DateVersTexte(c->DateJournee(d)) : std::string();
        const TColor titre = Couleurs.CouleurTexteTitreTableau, fondTitre = Couleurs.CouleurFondTitreTableau;
        const std::string nom = cle < 0 ? Traduire(3924) : systemeDate ? dateJour : LibelleJournee(*c, d);
        g->RemplitCellule(0, 0, nom, 0, 1, titre, fondTitre, true);
        g->RemplitCellule(1, 0, (c->Option(11) & 1) ? dateJour : std::string(), 1, 1, titre, fondTitre, false);
        g->RemplitCellule(2, 0, "", 1, 1, titre, clWhite, false);
        int ligne = 0;
        for (size_t r = 0; r < matchs.size(); ++r) {
            const TInfoComp* x = j->Match(matchs[r]);
            ++ligne;
            TColor texte = 0, fond = 0;
            CouleursLigne(static_cast<int>(r) + 1, texte, fond, false);
            const int h = x->IdEquipe(0), a = x->IdEquipe(1);
            const bool joue = x->ScoresSaisis();
            // The winner in bold; a shoot-out decides a draw.
            bool avant = false, apres = false;
            if (joue) {
                const TPenaltyTab* t = c->Penalty(d, h, a);
                int ecart = (x->Score(0) & 0x7FFF) - (x->Score(1) & 0x7FFF);
                if (ecart == 0 && t)
                    ecart = t->s1 - t->s2;
                avant = ecart > 0;
                apres = ecart < 0;
            }
            g->RemplitCellule(0, ligne, Saison->NomEquipeComplet(h, c), 0, 1, texte, fond, avant);
            g->RemplitCellule(2, ligne, Saison->NomEquipeComplet(a, c), 2, 1, texte, fond, apres);
            g->ChangeDonneeCellule(0, ligne, h);
            g->ChangeDonneeCellule(2, ligne, a);
            g->ChangeMarqueCellule(0, ligne, true);
            g->ChangeMarqueCellule(2, ligne, true);
            std::string milieu;
            if (joue) {
                milieu = IntToStr(x->Score(0) & 0x7FFF) + " - " + IntToStr(x->Score(1) & 0x7FFF);
                g->ChangeDonneeCellule(1, ligne, d + ((matchs[r] + 1) << 16));
                g->ChangeMarqueCellule(1, ligne, true);
            } else
                milieu = x->DateMatch() ? TGestionDate::DateVersTexte(x->DateMatch()) : g->LitCellule(1, 0);
            g->RemplitCellule(1, ligne, milieu, 1, 1, texte, fond, false);
            if (!tirs[r].empty()) {
                ++ligne;
                for (int col = 0; col < 3; ++col)
                    g->RemplitCellule(col, ligne, col == 1 ? tirs[r] : std::string(), 1, 1, texte, fond, false);
            }
        }
        g->OnHotTrackClick = [this](TObject* s, int col, int row) { CliqueCellule(s, col, row); };
        Grilles.push_back(g);
    }
    // The matchday's name whole in its first column (a cup's round and game
    // need more than a matchday's number), its scores and shoot-outs whole in
    // the middle one, the same widths in every grid.
    int premiere = 100, milieu = 70;
    for (TColorStringGrid* g : Grilles) {
        g->ElargitSelonTexte(0);
        premiere = std::max(premiere, g->LargeurColonne(0));
        milieu = std::max(milieu, g->AjusteLargeursAuTexte(g->Font(), 1, 1, g->RowCount() - 1, 70));
    }
    largeurGrille_ = premiere + milieu + 103;
    for (TColorStringGrid* g : Grilles) {
        g->ChangeLargeurColonne(0, premiere);
        g->ChangeLargeurColonne(1, milieu);
        g->SetWidth(largeurGrille_);
        g->AjusteTaille();
        g->SetTop(haut);
        hauteurLigne = std::max(hauteurLigne, g->Height());
        if (g->Tag == 1) {
            haut += hauteurLigne + 10;
            hauteurLigne = 0;
        }
    }
    Place();
}

void Tf_calendrier::CliqueCellule(TObject* Sender, int col, int row)
{
    auto* g = dynamic_cast<TColorStringGrid*>(Sender);
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!g || !c || !ExecuteCommande || row < 1)
        return;
    const int v = g->DonneeCellule(col, row);
    if (col == 1 && v > 0)
        ExecuteCommande(14, (v & 0xFFFF) * 256 + (v >> 16), false);
    else if (col == 0 || col == 2)
        ExecuteCommande(123, c->IndexEquipe(v), false);
}

void Tf_calendrier::Imprime()
{
    for (TColorStringGrid* g : Grilles)
        g->Imprime(EnTete());
}

void Tf_calendrier::EnregistreHTML(const std::string& nomFichier)
{
    if (!Grilles.empty())
        Grilles.front()->EnregistreHTML(nomFichier, true, EnTete());
}

// ============================================================================
// live scoring
// ============================================================================

Tf_Minute::Tf_Minute(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_Minute");
    SetCaption("f_Minute");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);
    FondCopie17 = new TFondCopie(this);
    FondCopie17->SetName("FondCopie17");
    if (Dessin)
        FondCopie17->SetModele(Dessin->Fond("FondToutBleu"));
    FondCopie17->SetAlign(alLeft);
    FondCopie17->SetWidth(300);
    FondCopie17->SetParent(this);
    Listbox1 = new TListe(this);
    Listbox1->SetName("Listbox1");
    Listbox1->SetBounds(8, 8, 284, 380);
    Listbox1->TailleNomLong = 4;
    Listbox1->SetParent(FondCopie17);
    Listbox1->OnClick = [this](TObject* s) { Listbox1Click(s); };
    auto rond = [this](const char* nom, int y) {
        TEditRond* e = resultats::Rond(this, FondCopie17, nom, 170, y, ChiffresChamp(TChamp::MatchScore1));
        e->Maximum = static_cast<int32_t>(Champ(TChamp::MatchScore1).haut);
        e->SetText("0");
        e->SetTabStop(false);
        return e;
    };
    Cadre9 = resultats::Cadre(this, FondCopie17, "Cadre9", 8, 400, 150);
    Cadre10 = resultats::Cadre(this, FondCopie17, "Cadre10", 8, 440, 150);
    EditRond1 = rond("EditRond1", 400);
    EditRond2 = rond("EditRond2", 440);
    Label81 = Label(this, FondCopie17, "Label81", 178, 424, 10, clWhite, true, "-");
    l_TirsAuBut = Label(this, FondCopie17, "l_TirsAuBut", 8, 472, 284, 0x00FFFF, true, "");
    l_TirsAuBut->SetWordWrap(true);
    l_TirsAuBut->SetHeight(64);
    auto bouton = [this](const char* nom, const char* texte, int x, int y, int cote, int pas) {
        TBoutonCopie* b = Bouton(this, FondCopie17, nom, "BoutonOrange", x, y, 40, texte);
        b->SetHeight(25);
        b->OnClick = [this, cote, pas](TObject*) { ChangeScore(cote, pas); };
        return b;
    };
    Bp1 = bouton("Bp1", "+", 204, 400, 0, 1);
    Bm1 = bouton("Bm1", "-", 248, 400, 0, -1);
    bp2 = bouton("bp2", "+", 204, 440, 1, 1);
    bm2 = bouton("bm2", "-", 248, 440, 1, -1);
    ScrollBox1 = vues::FondDefilant(this, "ScrollBox1");
    sg_Classement = Grille(this, ScrollBox1, "sg_Classement");
    sg_Classement->SetBounds(6, 6, 440, 400);
    ScrollBox1->OnResize = [this](TObject*) {
        sg_Classement->SetWidth(ScrollBox1->ClientWidth() - 12);
        sg_Classement->SetHeight(ScrollBox1->ClientHeight() - 10);
    };
    PopupMenu8 = new TPopupMenu(this);
    PopupMenu8->SetName("PopupMenu8");
    mi_RetirerMatch = new TMenuItem(this);
    mi_RetirerMatch->SetName("mi_RetirerMatch");
    mi_RetirerMatch->SetCaption(Texte(821, "Retirer le match"));
    mi_RetirerMatch->OnClick = [this](TObject* s) { mi_RetirerMatchClick(s); };
    PopupMenu8->Items()->Add(mi_RetirerMatch);
    Listbox1->SetPopupMenu(PopupMenu8);
    DoCreate();
}

void Tf_Minute::RecodeEntrees()
{
    for (int i = 0; i < Listbox1->Items().Count(); ++i) {
        std::string e = Listbox1->Items()[i];
        if (e.size() >= 6)
            e[5] = static_cast<char>(i % 2 == 1 ? 1 : 5);
        Listbox1->Items().SetString(i, e);
    }
}

void Tf_Minute::Remplit()
{
    Listbox1->Items().Clear();
    match_ = -1;
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    const TInfoCompJour* j = c ? c->Journee(c->NbJournee) : nullptr;
    for (int k = 0; j && k < j->NbMatchs(); ++k) {
        const TInfoComp* m = j->Match(k);
        if (m->IdEquipe(0) == V || m->IdEquipe(1) == V)
            continue;
        std::string e = IntToStr(k + 1);
        if (k + 1 < 10)
            e.insert(e.begin(), '0');
        e += "   ";
        e += static_cast<char>(1);
        e += Saison->NomEquipeCourant(m->IdEquipe(0)) + " - " + Saison->NomEquipeCourant(m->IdEquipe(1));
        Listbox1->Items().Add(e);
    }
    RecodeEntrees();
    MontreChoix();
    CalculeClassement();
}

void Tf_Minute::Listbox1Click(TObject*)
{
    const int i = Listbox1->ItemIndex();
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c || i < 0)
        return;
    match_ = StrToIntDef(Copy(Listbox1->Items()[i], 1, 2), 0) - 1;
    MontreChoix();
}

void Tf_Minute::MontreChoix()
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    const TInfoComp* m = c && c->Journee(c->NbJournee) && match_ >= 0 ? c->Journee(c->NbJournee)->Match(match_)
                                                                      : nullptr;
    if (!m)
        match_ = -1;
    Cadre9->SetText(m ? Saison->NomEquipeCourant(m->IdEquipe(0)) : std::string());
    Cadre10->SetText(m ? Saison->NomEquipeCourant(m->IdEquipe(1)) : std::string());
    // A match without a score shows 0 - 0; no match, no score.
    EditRond1->SetText(!m ? std::string() : m->Score(0) == V ? "0" : IntToStr(m->Score(0) & 0x7FFF));
    EditRond2->SetText(!m ? std::string() : m->Score(1) == V ? "0" : IntToStr(m->Score(1) & 0x7FFF));
    for (TBoutonCopie* b : {Bp1, Bm1, bp2, bm2})
        b->SetEnabled(m != nullptr);
    MontreTirs();
}

void Tf_Minute::MontreTirs()
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    const TInfoComp* m = c && c->Journee(c->NbJournee) && match_ >= 0 ? c->Journee(c->NbJournee)->Match(match_)
                                                                      : nullptr;
    std::string texte;
    if (m && c->EstCoupe()) {
        const int n = c->NbJournee, h = m->IdEquipe(0), a = m->IdEquipe(1);
        if (const TPenaltyTab* p = c->Penalty(n, h, a); p && m->ScoresSaisis())
            texte = TraduireFormat(286, {static_cast<int>(p->s1), static_cast<int>(p->s2)});
        else if (const uint32_t o = m->ScoresSaisis() ? m->TirsOtes(m->Score(0) & 0x7FFF, m->Score(1) & 0x7FFF) : 0)
            texte = TexteTirsSansEffet(o);   // kept aside for its very score: its tie no longer calls for it
        else if (!m->TirsOtes().empty())
            texte = TexteTirsOtes(m->TirsOtes().back());
        else if (m->ScoresSaisis() && TableauActif(*c) && c->QualifieMatch(n, h, a) == 2 &&
                 DecideTour(*c, n, h, a, m->Score(0) & 0x7FFF, m->Score(1) & 0x7FFF).TirsAuBut)
            texte = Texte(4802, L1("Tirs au but à saisir : pas encore de qualifié"));
    }
    l_TirsAuBut->SetCaption(texte);
}

std::string Tf_Minute::TexteTirsOtes(const TInfoComp::TTirsOtes& t)
{
    return TraduireFormat(5880, {TirsDomicile(t.Tirs), TirsExterieur(t.Tirs), static_cast<int>(t.Domicile),
                                 static_cast<int>(t.Exterieur)});
}

void Tf_Minute::ChangeScore(int cote, int pas)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    TInfoComp* m = c && c->Journee(c->NbJournee) ? c->Journee(c->NbJournee)->Match(match_) : nullptr;
    if (!m)
        return;
    TEditRond* boite = cote == 0 ? EditRond1 : EditRond2;
    const int v = StrToIntDef(boite->Text(), 0) + pas;
    if (v < 0 || v > Champ(TChamp::MatchScore1).haut)
        return;
    // The first change gives both scores. A shoot-out follows the score it
    // was entered after: the championship keeps it aside with that score
    // when a change takes it away (said under the scores), and gives it back
    // with that score, whether this window was left in between or not.
    int scores[2] = {StrToIntDef(EditRond1->Text(), 0), StrToIntDef(EditRond2->Text(), 0)};
    scores[cote] = v;
    if (!Change(ChangementScore(*c, c->NbJournee, match_, scores[0], scores[1]), boite))
        return;
    boite->SetText(IntToStr(v));
    MontreTirs();
    CalculeClassement();
}

bool Tf_Minute::Change(const TChangementCoupe& x, TControl* boite)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return false;
    // In a cup the championship weighs who goes through: what it would break
    // is said beside the box, the played matches it replaces are asked about.
    const TPeseeCoupe p = ChangeCoupe(*c, x, [&](const TPeseeCoupe& pesee) {
        if (pesee.Refusee) {
            RefuseInput(boite, TexteEcart(*Saison, pesee.Ecart));
            return false;
        }
        return Tf_MessageUtil::Affiche(QuestionCoupe(*Saison, 4800, pesee.Nommes), mbuOui | mbuNon) == mrYes;
    });
    if (p.Faite)
        Signale();
    return p.Faite;
}

void Tf_Minute::CalculeClassement()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    TCalculClassement calcul(c, Saison);
    AfficheGrille(calcul, clsGeneral, *sg_Classement, nullptr, 1, c->DerniereJournee, nullptr, 0, Couleurs, nullptr);
    sg_Classement->SetWidth(ScrollBox1->ClientWidth() - 12);
    sg_Classement->SetHeight(ScrollBox1->ClientHeight() - 10);
}

void Tf_Minute::mi_RetirerMatchClick(TObject*)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    const int i = Listbox1->ItemIndex();
    if (!c || i < 0)
        return;
    const int k = StrToIntDef(Copy(Listbox1->Items()[i], 1, 2), 0) - 1;
    if (!Change(ChangementScore(*c, c->NbJournee, k, -1, -1), Listbox1))
        return;
    Listbox1->Items().Delete(i);
    // The match removed is no longer shown: "+" and "-" wait for another.
    // A shoot-out it had is kept aside with its score: the word says so.
    match_ = -1;
    MontreChoix();
    const TInfoComp* m = c->Journee(c->NbJournee) ? c->Journee(c->NbJournee)->Match(k) : nullptr;
    if (m && !m->ScoresSaisis() && !m->TirsOtes().empty())
        l_TirsAuBut->SetCaption(TexteTirsOtes(m->TirsOtes().back()));
    CalculeClassement();
    RecodeEntrees();
}

void Tf_Minute::Imprime() { sg_Classement->Imprime(EnTete()); }
void Tf_Minute::EnregistreHTML(const std::string& nomFichier) { sg_Classement->EnregistreHTML(nomFichier, true, EnTete()); }
