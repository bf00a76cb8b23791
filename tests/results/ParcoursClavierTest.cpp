// The roads a user takes by keyboard and mouse through the match sheet and the
// menu tree, on a season made through the creation windows: a box score
// entered by keyboard alone, a referee and a stadium typed in the match header,
// the quick squad entry, a click on the selected tree entry, a match sheet page
// opened on the match the user was on, and the tree keeping its place after
// the options.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"
#include "model/Stades.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "records/w_Effectifs.h"
#include "records/w_FicheJoueur.h"
#include "records/w_FicheStade.h"
#include "results/PagesMatch.h"
#include "results/w_ButeursFoot.h"
#include "results/w_ButeursStat.h"
#include "results/w_FicheArbitre.h"
#include "results/w_SaisieRapide.h"
#include "setup/w_Option.h"
#include "tests/results/FeuilleEssai.h"
#include "ui/Afficheur.h"
#include "ui/ColorStringGrid.h"
#include "views/w_ChoixHistorique.h"
#include "views/w_Historique.h"

using namespace essai;
using namespace feuille_essai;

namespace {

const bool pagesInscrites = (EnregistrePagesMatch(), true);

// The name of the control that has the focus under root, "" for none.
std::string Focus(TComponent* root)
{
    for (int i = 0; i < root->ComponentCount(); ++i) {
        if (auto* w = dynamic_cast<TWinControl*>(root->Components(i)); w && w->Focused())
            return w->Name();
        if (std::string s = Focus(root->Components(i)); !s.empty())
            return s;
    }
    return "";
}

// A click on the text of a node of the menu tree, scrolled into view first
// when asked.
void ClicNoeud(FenetreEssai& f, TTreeNode* n, bool montre = true)
{
    ASSERT_NE(n, nullptr);
    if (montre)
        n->MakeVisible();
    kit::Process(10);
    const TRect r = n->DisplayRect(true);
    kit::Click(f.tv_Menu, r.Left + 5, (r.Top + r.Bottom) / 2);
    kit::Process(10);
}

// The match of matchday 1 played at home by the first team, with a score.
int MatchJournee1(TDonneesChampionnat& c)
{
    const int h = c.IdEquipe(0);
    c.CreeMatch(1, h, c.IdEquipe(1), 85, 80);
    int m = 1;
    while (m < c.NbMatchJournee(1) && c.ValeurMatch(1, 4 * m - 3) != h)
        ++m;
    return m;
}

class BoxScore : public ::testing::TestWithParam<int>
{
};

// Basketball and handball: one click in the first cell, then only keys.
TEST_P(BoxScore, WalkedByKeyboardAloneWithinTheGrid)
{
    const int sport = GetParam();
    Prepare("parcours_boxscore" + std::to_string(sport));
    auto f = LanceFenetre();
    ASSERT_TRUE(CreeSaisonParFenetres(*f, sport));
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    const int h = c->IdEquipe(0);
    for (int i = 0; i < 3; ++i)
        f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Joueur" + std::to_string(i), "P", -1, h));
    const int m = MatchJournee1(*c);
    f->ExecuteCommande(14, 256 + m, false);
    auto* p = dynamic_cast<Tf_ButeursStat*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 3; ++i)
        ChoisitEntree(p->l_EquipeDomicile, 0);
    TColorStringGrid* g = p->csc_StatTir;
    const int nb = g->ColCount() - 1;
    ASSERT_EQ(Tf_ButeursStat::NbJoueurs(*g), 3);
    const std::string score = p->c_ScDomicile->Text(), affluence = p->AffichageScore->Nombre();
    auto enPlace = [&](int col, int row, const std::string& quoi) {
        SCOPED_TRACE(quoi);
        EXPECT_EQ(g->Col(), col);
        EXPECT_EQ(g->Row(), row);
        EXPECT_EQ(Focus(f.get()), g->Name());
        EXPECT_EQ(g->LeftCol(), 0);   // the grid never scrolls its columns away
        EXPECT_EQ(p->c_ScDomicile->Text(), score);
        EXPECT_EQ(p->AffichageScore->Nombre(), affluence);
    };

    // Every cell row by row: a digit, then Tab or Enter in turn.
    const TRect premiere = g->CellRect(1, 1);
    kit::Click(g, premiere.Left + 3, premiere.Top + 3);
    // Made counts (odd columns) below their attempts (even columns).
    auto chiffre = [](int col, int row) {
        return std::string(1, static_cast<char>('0' + (col + row) % 4 + (col % 2 ? 0 : 5)));
    };
    int k = 0;
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= nb; ++col, ++k) {
            enPlace(col, row, "walk " + std::to_string(col) + "," + std::to_string(row));
            kit::Type(nullptr, chiffre(col, row));
            kit::PressKey(nullptr, k % 2 ? VK_RETURN : VK_TAB);
        }
    enPlace(nb, 3, "the last cell stays");
    for (int col = 1; col <= nb; ++col) {
        int total = 0;
        for (int row = 1; row <= 3; ++row) {
            EXPECT_EQ(g->LitCellule(col, row), chiffre(col, row)) << col << "," << row;
            total += chiffre(col, row)[0] - '0';
        }
        EXPECT_EQ(g->LitCellule(col, 4), std::to_string(total)) << col;
    }

    // The arrows, typing or not, stay in the player cells.
    struct TPas
    {
        WORD Touche;
        TShiftState Etat;
        const char* Tape;
        int Col, Row;
    };
    const TPas pas[] = {
        {VK_RIGHT, 0, "", nb, 3},      {VK_DOWN, 0, "", nb, 3},      {VK_UP, 0, "", nb, 2},
        {VK_LEFT, 0, "", nb - 1, 2},   {VK_LEFT, 0, "4", nb - 2, 2}, {VK_DOWN, 0, "5", nb - 2, 3},
        {VK_UP, 0, "", nb - 2, 2},     {VK_UP, 0, "", nb - 2, 1},    {VK_UP, 0, "", nb - 2, 1},
        {VK_TAB, ssShift, "", nb - 3, 1},
    };
    for (const TPas& s : pas) {
        kit::Type(nullptr, s.Tape);
        kit::PressKey(nullptr, s.Touche, s.Etat);
        enPlace(s.Col, s.Row, "arrow to " + std::to_string(s.Col) + "," + std::to_string(s.Row));
    }
    for (int i = 0; i < nb + 2; ++i)
        kit::PressKey(nullptr, VK_LEFT);
    enPlace(1, 1, "left edge");
    // Digits typed now go to the grid, not to the header's displays.
    kit::Type(nullptr, "2");
    kit::PressKey(nullptr, VK_RETURN);
    enPlace(2, 1, "after the left edge");
    EXPECT_EQ(g->LitCellule(1, 1), "2");
    EXPECT_EQ(g->LitCellule(nb - 1, 2), "4");
    EXPECT_EQ(g->LitCellule(nb - 2, 2), "5");
    kit::GrabToPng(f.get(), "parcours-boxscore-" + std::to_string(sport));

    // Written with the page: the other tab, then back, shows the same counts.
    std::map<int32_t, std::vector<std::string>> avant, apres;
    auto lit = [&](std::map<int32_t, std::vector<std::string>>& v) {
        for (int row = 1; row <= Tf_ButeursStat::NbJoueurs(*g); ++row)
            for (int col = 1; col <= nb; ++col)
                v[g->DonneeCellule(0, row)].push_back(g->LitCellule(col, row));
    };
    lit(avant);
    for (int onglet : {1, 0}) {
        const TRect t = p->tc_StatTir->TabRect(onglet);
        kit::Click(p->tc_StatTir, t.Left + 5, t.Top + 5);
    }
    lit(apres);
    EXPECT_EQ(apres, avant);
    TermineFenetre(f);
}

INSTANTIATE_TEST_SUITE_P(BasketballHandball, BoxScore, ::testing::Values(2, 3));

// The referee and stadium boxes of the match header take typed names: a new
// name opens its card with the name begun, validated it is chosen and written
// with the page; a name already known is chosen without a card.
TEST(MatchHeader, TypedRefereeAndStadiumNames)
{
    Prepare("parcours_entete");
    EnregistreFichesJoueur();
    auto f = LanceFenetre();
    ASSERT_TRUE(CreeSaisonParFenetres(*f, 0));
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    const int m = MatchJournee1(*c);
    f->ExecuteCommande(14, 256 + m, false);
    auto* p = dynamic_cast<Tf_ButeursFoot*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(f->Saison->Arbitres().Liste().size(), 0u);
    EXPECT_FALSE(p->cb_Arbitre->Hint().empty());   // the box says it takes a name

    struct TCas
    {
        TComboBox* Boite;
        const char* Tape;
        bool Fiche;              // a card opens
        const char* Prenom;      // what the card shows
        const char* Nom;
        int Entrees;             // referees or stadiums of the season after
    };
    const TCas cas[] = {
        // typed as the box lists referees: name, then first name
        {p->cb_Arbitre, "Dupont Pierre", true, "Pierre", "Dupont", 1},
        // his whole name in other letters: he is asked about, "yes" takes him
        {p->cb_Arbitre, "dupont pierre", false, "", "", 1},
        {p->cb_Stade, "Stade Neuf", true, "", "Stade Neuf", 1},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.Tape);
        std::string prenom, nom;
        bool fiche = false;
        kit::WhenModal([&](TForm* m) {
            fiche = !dynamic_cast<Tf_MessageUtil*>(m);
            if (auto* a = dynamic_cast<Tf_FicheArbitre*>(m)) {
                prenom = a->e_Prenom->Text();
                nom = a->e_Nom->Text();
                kit::Click(a->b_Valider);
            } else if (auto* s = dynamic_cast<Tf_FicheStade*>(m)) {
                nom = s->e_NomStade->Text();
                kit::Type(s->e_Ville, "Lens");
                kit::Click(s->b_Valider);
            } else
                m->SetModalResult(fiche ? mrCancel : mrYes);
        });
        kit::Click(k.Boite);
        kit::PressKey(k.Boite, 'A', ssCtrl);   // what the box shows is typed over
        kit::Type(k.Boite, k.Tape);
        kit::PressKey(k.Boite, VK_RETURN);
        kit::Process(20);
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        EXPECT_EQ(fiche, k.Fiche);
        EXPECT_EQ(prenom, k.Prenom);
        EXPECT_EQ(nom, k.Nom);
        ASSERT_GE(k.Boite->ItemIndex(), 0);
        EXPECT_NE(k.Boite->Items().Objects(k.Boite->ItemIndex()), 65535);
        const size_t n = k.Boite == p->cb_Stade ? static_cast<size_t>(f->Saison->Stades().NbStade())
                                                : f->Saison->Arbitres().Liste().size();
        EXPECT_EQ(n, static_cast<size_t>(k.Entrees));
    }
    kit::GrabToPng(f.get(), "parcours-entete");
    // Written with the page.
    p->EnregistrePage(1);
    const TPersonnel* arbitre = f->Saison->Arbitres().Liste().front();
    EXPECT_EQ(arbitre->Prenom, "Pierre");
    EXPECT_EQ(arbitre->Nom, "Dupont");
    EXPECT_EQ(c->OfficielMatch(1, m, 1), arbitre->Numero);
    ASSERT_EQ(f->Saison->Stades().NbStade(), 1);
    EXPECT_EQ(c->StadeMatch(1, m), f->Saison->Stades().Stade(0)->Code);
    TermineFenetre(f);
}

// The quick squad entry: the first word is the first name, the rest the
// name; the record card opens only when "show the card" is ticked.
TEST(QuickEntry, NamesSplitAndTheTickHonoured)
{
    Prepare("parcours_saisie_rapide");
    EnregistreFichesJoueur();
    auto f = LanceFenetre();
    ASSERT_TRUE(CreeSaisonParFenetres(*f, 2));
    ASSERT_TRUE(Commande(*f, 147));
    auto* e = dynamic_cast<Tf_Effectifs*>(f->Enfant);
    ASSERT_NE(e, nullptr);
    const int equipe = static_cast<int>(e->EquipeAffichee & 0xFFFF);
    struct TCas
    {
        const char* Tape;
        bool Coche;
        const char* Prenom;
        const char* Nom;
    };
    const TCas cas[] = {
        {"Nando De Colo", false, "Nando", "De Colo"},
        {"  Tony   Parker ", true, "Tony", "Parker"},
        {"Diaw", false, "", "Diaw"},
    };
    int fiches = 0;
    Quand<Tf_SaisieRapide>([&](Tf_SaisieRapide* q) {
        for (const TCas& k : cas) {
            SCOPED_TRACE(k.Tape);
            if (q->cc_AfficheFiche->Checked() != k.Coche)
                kit::Click(q->cc_AfficheFiche);
            ASSERT_EQ(q->cc_AfficheFiche->Checked(), k.Coche);
            kit::WhenModal([&](TForm* m) {
                ++fiches;
                m->SetModalResult(mrOk);
            });
            kit::Type(q->cb_AjoutJoueur, k.Tape);
            kit::PressKey(q->cb_AjoutJoueur, VK_RETURN);
            kit::Process(20);
            EXPECT_EQ(kit::ForgetModalActions(), k.Coche ? 0u : 1u);
        }
        kit::GrabToPng(q, "parcours-saisie-rapide");
        kit::Click(q->b_Continuer);
    });
    ASSERT_TRUE(e->mi_SaisieRapide->OnClick);
    e->mi_SaisieRapide->OnClick(e->mi_SaisieRapide);
    EXPECT_EQ(fiches, 1);
    const TListJoueurEquipe* bloc = f->Saison->Joueurs().BlocEquipe(equipe);
    ASSERT_NE(bloc, nullptr);
    std::vector<std::pair<std::string, std::string>> noms;
    for (int i = 0; i < bloc->Nombre(); ++i)
        noms.emplace_back(bloc->Joueur(i)->Prenom, bloc->Joueur(i)->Nom);
    std::sort(noms.begin(), noms.end());
    std::vector<std::pair<std::string, std::string>> attendus;
    for (const TCas& k : cas)
        attendus.emplace_back(k.Prenom, k.Nom);
    std::sort(attendus.begin(), attendus.end());
    EXPECT_EQ(noms, attendus);
    TermineFenetre(f);
}

// The menu tree: a click on the entry already selected runs it again; a
// match sheet page opened after another view shows the match the user was
// on; after the options the tree is where the user left it, so that the next
// click opens what is clicked; a cut entry is read whole on hover.
TEST(MenuTree, ClicksOnTheSelectedEntryCurrentMatchAndScrollKept)
{
    Prepare("parcours_arbre");
    auto f = LanceFenetre();
    ASSERT_TRUE(CreeSaisonParFenetres(*f, 0));
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_GE(c->NbMatchJournee(1), 2);

    // The club card (a team chosen first), twice by two clicks on its entry.
    int dialogues = 0;
    for (int fois = 0; fois < 2; ++fois) {
        kit::WhenModal([&](TForm* m) {
            ++dialogues;
            m->SetModalResult(mrCancel);
        });
        ClicNoeud(*f, Noeud(*f, 131));
        EXPECT_EQ(f->tv_Menu->Selected(), Noeud(*f, 131));
    }
    EXPECT_EQ(dialogues, 2);
    kit::ForgetModalActions();

    // The scorers page on match 2, the results, then the line-ups from the tree.
    f->ExecuteCommande(14, 256 + 2, false);
    ASSERT_NE(dynamic_cast<Tf_InfoMatchCadreBase*>(f->Enfant), nullptr);
    ClicNoeud(*f, Noeud(*f, 13));
    ASSERT_EQ(Classe(f->Enfant), "Tf_Resultats");
    ClicNoeud(*f, Noeud(*f, 15));
    auto* page = dynamic_cast<Tf_InfoMatchCadreBase*>(f->Enfant);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->MatchCourant, 2);
    EXPECT_EQ(c->NbJournee, 1);

    // The options from the tree scrolled down to them: a change applied, the
    // tree keeps its place.
    TTreeNode* options = Noeud(*f, 176);
    ASSERT_NE(options, nullptr);
    options->MakeVisible();
    kit::Process(10);
    TTreeNode* haut = f->tv_Menu->TopItem();
    ASSERT_NE(haut, f->tv_Menu->Items().GetFirstNode());
    const std::string texteHaut = haut->Text();
    const int victoire = c->Option(4);
    Quand<Tf_Option>([](Tf_Option* o) {
        kit::Click(o->UpDown1, o->UpDown1->Width() / 2, 2);
        kit::Click(o->b_Valider);
    });
    ClicNoeud(*f, options, false);
    kit::Process(20);
    EXPECT_NE(c->Option(4), victoire);
    ASSERT_NE(f->tv_Menu->TopItem(), nullptr);
    EXPECT_EQ(f->tv_Menu->TopItem()->Text(), texteHaut);

    // Scrolled to its foot, a click marks the entry of the view it opened,
    // also when that view offers no printout and no web page, whose entries
    // above the help then go: the attendances (both offered), then the
    // history entry (a history file added for the championship's division).
    ClicNoeud(*f, Noeud(*f, 175));
    ASSERT_EQ(f->tv_Menu->Selected(), Noeud(*f, 175));
    ASSERT_NE(Noeud(*f, 181), nullptr);
    f->tv_Menu->Items()[f->tv_Menu->Items().Count() - 1]->MakeVisible();
    Quand<Tf_ChoixHistorique>([](Tf_ChoixHistorique* d) {
        d->bc_AjouterClick(nullptr);
        d->bc_Choisir->Click();
    });
    ClicNoeud(*f, Noeud(*f, 202), false);
    ASSERT_NE(dynamic_cast<Tf_Historique*>(f->Enfant), nullptr);
    EXPECT_EQ(Noeud(*f, 181), nullptr);
    EXPECT_EQ(f->tv_Menu->Selected(), Noeud(*f, 202));

    // A cut entry (the panel narrowed as the user may drag it) shows its
    // whole caption on hover.
    f->fc_Menu->SetWidth(130);
    kit::Process(10);
    TTreeNode* coupe = nullptr;
    for (TTreeNode* n = f->tv_Menu->Items().GetFirstNode(); n && !coupe; n = n->GetNext())
        if (n->DisplayRect(true).Right > f->tv_Menu->ClientWidth() && n->DisplayRect(true).Top >= 0 &&
            n->DisplayRect(true).Bottom < f->tv_Menu->ClientHeight())
            coupe = n;
    ASSERT_NE(coupe, nullptr);
    const TRect r = coupe->DisplayRect(true);
    kit::MouseMove(f->tv_Menu, r.Left + 5, (r.Top + r.Bottom) / 2);
    EXPECT_TRUE(f->tv_Menu->ShowHint());
    EXPECT_EQ(f->tv_Menu->Hint(), coupe->Text());
    kit::GrabToPng(f.get(), "parcours-arbre");
    TermineFenetre(f);
}

}  // namespace
