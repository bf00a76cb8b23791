// What a user types into the people windows reaches the file, on a season
// made through the creation windows and driven with real keys and clicks: a
// referee half typed when another view is chosen from the menu bar, then the
// program closed; squad rows half typed when the menu bar or a favourite
// changes the view; a category changed from the right-click menu; a rename or
// a move that would merge two namesakes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ActnList.h"
#include "platform/gui/Menus.h"
#include "records/w_Arbitres.h"
#include "records/w_Effectifs.h"
#include "records/w_FicheStade.h"
#include "records/w_Stades.h"
#include "model/ChampionnatStat.h"
#include "model/Stades.h"
#include "results/PagesMatch.h"
#include "results/w_ButeursStat.h"
#include "tests/results/FeuilleEssai.h"
#include "tests/setup/NouvelleSaisonEssai.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"

using namespace essai;

namespace {

const bool dossierAbsolu = [] {
    setenv("BZ_DATA_DIR", std::filesystem::absolute(DossierDonnees()).lexically_normal().c_str(), 0);
    return true;
}();

// Chooses the standings (command 40) from the menu bar.
void ClasseParLaBarre(FenetreEssai& f)
{
    TMenuItem* mi = ItemDeBarre(f.mm_Menu->Items(), 40);
    ASSERT_NE(mi, nullptr);
    mi->Click();
    kit::Process(10);
}

// Types a text into the grid's current cell as a user does: the first key
// opens the cell's editor, which takes the others; the editor stays open.
void TapeCellule(TColorStringGrid* g, const std::string& texte)
{
    kit::Type(g, texte.substr(0, 1));
    kit::Type(nullptr, texte.substr(1));
}

std::unique_ptr<TSaison> Relit(const std::string& fichier)
{
    uint8_t etat = 0;
    return TTraiteurFichier::Charger(fichier, "", "", {}, EnsembleSport(4), etat, true);
}

TJoueur* Joueur(TSaison& s, const std::string& nom, const std::string& prenom, int equipe)
{
    for (int i = 0; i < s.Joueurs().NbJoueur(); ++i) {
        TJoueur* j = s.Joueurs().Joueur(i);
        if (j->Nom == nom && j->Prenom == prenom && j->IdEquipe() == equipe)
            return j;
    }
    return nullptr;
}

int Ligne(TColorStringGrid* g, const std::string& nom)
{
    for (int r = 1; r < g->RowCount(); ++r)
        if (g->Cells(2, r) == nom)
            return r;
    return -1;
}

TPoint Centre(TColorStringGrid* g, int col, int row)
{
    const TRect r = g->CellRect(col, row);
    return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

class SaisiesGardees : public ::testing::TestWithParam<const char*>
{
};

}  // namespace

// The referee grid: a referee half typed is written when the menu bar
// replaces the list (which frees it without harm) and the season is marked
// modified; Tab walks the name and first-name cells and stays in the grid;
// the squads and the stadium card say what they refuse; closing the program
// saves what is still being typed.
TEST_P(SaisiesGardees, RefereeTypedThenAnotherViewThenClosing)
{
    const std::string langue = GetParam();
    const std::string dir = Prepare(std::string("arbitre_tape_") + langue, true);
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", langue);
    auto f = LanceFenetre();
    NouvelleSaisonQuatreClubs(*f);
    ASSERT_NE(f->Saison, nullptr);
    const std::string fichier = NomFichierCourant;
    ASSERT_FALSE(fichier.empty());
    EXPECT_EQ(ModifSaison, 0);

    // 1. A referee typed, his first name still in the cell's editor, when the
    // menu bar shows another view: the list goes without harm, he is stored.
    ASSERT_TRUE(Commande(*f, 148));
    auto* arbitres = dynamic_cast<Tf_Arbitres*>(f->Enfant);
    ASSERT_NE(arbitres, nullptr);
    TColorStringGrid* g = arbitres->sg_TableauEquipe;
    g->FocusCell(0, 1, true);
    TapeCellule(g, "Dumas");
    g->FocusCell(1, 1, true);
    TapeCellule(g, "Eve");
    ASSERT_TRUE(g->EditorMode());
    ClasseParLaBarre(*f);
    EXPECT_NE(f->Enfant, nullptr);
    EXPECT_EQ(dynamic_cast<Tf_Arbitres*>(f->Enfant), nullptr);
    EXPECT_NE(f->Saison->Arbitres().ChercheNom("Dumas", "Eve"), nullptr);
    EXPECT_EQ(ModifSaison, 1);

    // 2. Tab walks the cells and stays in the grid; the last referee is still
    // being typed when the program closes.
    ASSERT_TRUE(Commande(*f, 148));
    arbitres = dynamic_cast<Tf_Arbitres*>(f->Enfant);
    ASSERT_NE(arbitres, nullptr);
    g = arbitres->sg_TableauEquipe;
    TTreeNode* selection = f->tv_Menu->Selected();
    const int vide = g->RowCount() - 1;
    g->FocusCell(0, vide, true);
    // Each step: the keys typed, then the cell the grid stands on.
    struct TPas
    {
        std::string texte;
        WORD touche;
        TShiftState shift;
        int col, row;
    };
    const TPas pas[] = {
        {"Bardin", VK_TAB, 0, 1, vide},     {"Marc", VK_TAB, 0, 0, vide + 1},  {"", VK_TAB, ssShift, 1, vide},
        {"", VK_TAB, 0, 0, vide + 1},       {"Caron", VK_TAB, 0, 1, vide + 1}, {"Luc", VK_TAB, 0, 0, vide + 2},
        {"Fabre", VK_TAB, 0, 1, vide + 2},  {"Ida", 0, 0, 1, vide + 2},
    };
    for (const TPas& p : pas) {
        if (!p.texte.empty())
            TapeCellule(g, p.texte);
        if (p.touche)
            kit::PressKey(nullptr, p.touche, p.shift);
        kit::Process(5);
        EXPECT_EQ(g->Col(), p.col) << p.texte;
        EXPECT_EQ(g->Row(), p.row) << p.texte;
        EXPECT_TRUE(g->Focused() || g->EditorMode()) << p.texte;
    }
    // No letter went to the menu tree.
    EXPECT_EQ(f->tv_Menu->Selected(), selection);
    EXPECT_EQ(f->Enfant, arbitres);
    EXPECT_NE(f->Saison->Arbitres().ChercheNom("Bardin", "Marc"), nullptr);
    EXPECT_NE(f->Saison->Arbitres().ChercheNom("Caron", "Luc"), nullptr);
    EXPECT_EQ(f->Saison->Arbitres().ChercheNom("Fabre", "Ida"), nullptr);   // still typed
    kit::Process(20);
    kit::GrabToPng(f.get(), "arbitres-tab-" + langue);

    // 3. The squads and the stadium card say what they refuse in the
    // interface's language, and keep what was typed.
    ASSERT_TRUE(Commande(*f, 147));
    auto* e = dynamic_cast<Tf_Effectifs*>(f->Enfant);
    ASSERT_NE(e, nullptr);
    TColorStringGrid* sg = e->sg_TableauEquipe;
    const int r = sg->RowCount() - 1;
    sg->FocusCell(3, r, true);
    TapeCellule(sg, "Marc");
    kit::PressKey(nullptr, VK_RETURN);
    std::vector<std::string> textes;
    auto reponse = [&textes, langue](const std::string& image) {
        kit::WhenModal([&textes, image, langue](TForm* m) {
            if (auto* b = dynamic_cast<Tf_MessageUtil*>(m)) {
                textes.push_back(b->Label1->Caption());
                kit::GrabToPng(m, image + "-" + langue);
            }
            m->SetModalResult(mrOk);
        });
    };
    reponse("effectifs-sans-nom-message");
    e->l_Equipe->SetItemIndex(1);
    e->l_EquipeClick(nullptr);
    EXPECT_EQ(textes, (std::vector<std::string>{TraduireFormat(3702, {r})}));
    EXPECT_EQ(e->l_Equipe->ItemIndex(), 0);
    EXPECT_EQ(sg->Cells(3, r), "Marc");
    kit::Process(20);
    kit::GrabToPng(f.get(), "effectifs-sans-nom-" + langue);
    kit::WhenModal([](TForm* m) { m->SetModalResult(mrYes); });   // the row typed, named, goes once asked
    e->mi_EffacerClick(nullptr);
    EXPECT_EQ(sg->Cells(3, r), "");

    ASSERT_TRUE(Commande(*f, 152));
    auto* stades = dynamic_cast<Tf_Stades*>(f->Enfant);
    ASSERT_NE(stades, nullptr);
    textes.clear();
    for (const bool encore : {false, true}) {
        QuandFenetre<Tf_FicheStade>([&, encore](Tf_FicheStade* c) {
            c->e_NomStade->SetText("Parc");
            c->e_Ville->SetText("Zelvor");
            if (!encore) {
                c->e_Capacite->SetText("8000");
                c->b_Valider->Click();
                return;
            }
            reponse("fiche-stade-existe-message");
            c->b_Valider->Click();
            EXPECT_EQ(c->e_Capacite->GetText(), "8000");
            kit::Process(20);
            kit::GrabToPng(c, "fiche-stade-existe-" + langue);
            c->b_Annuler->Click();
        });
        stades->mi_Inserer->Click();
        kit::Process(10);
    }
    EXPECT_EQ(textes, (std::vector<std::string>{TraduireFormat(3700, {"Parc", "Zelvor"})}));
    ASSERT_EQ(f->Saison->Stades().NbStade(), 1);
    EXPECT_EQ(f->Saison->Stades().Stade(0)->Capacite, 8000);

    // Closing asks to save; "yes" writes the referees.
    f->Reponses = {mrYes};
    RepondBoite(mrOk);   // "saved"
    f->Close();
    kit::Process(20);
    kit::ForgetModalActions();
    EXPECT_EQ(f->Messages.size(), 1u);
    EXPECT_EQ(f->Saison, nullptr);
    TermineFenetre(f);
    auto relue = Relit(fichier);
    ASSERT_NE(relue, nullptr);
    for (const auto& [nom, prenom] :
         {std::pair{"Bardin", "Marc"}, {"Caron", "Luc"}, {"Dumas", "Eve"}, {"Fabre", "Ida"}})
        EXPECT_NE(relue->Arbitres().ChercheNom(nom, prenom), nullptr) << nom;
}

INSTANTIATE_TEST_SUITE_P(Langues, SaisiesGardees, ::testing::Values("fr", "en"));

// Squad rows half typed survive a view chosen from the menu bar and from a
// favourite; a category changed from the right-click menu marks the season
// and survives reopening.
TEST(SaisiesGardeesEffectifs, HalfTypedRowsAndACategorySurviveTheViewsAndTheFile)
{
    const std::string dir = Prepare("effectifs_tapes", true);
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Favoris", "40");
    auto f = LanceFenetre();
    NouvelleSaisonQuatreClubs(*f);
    ASSERT_NE(f->Saison, nullptr);
    const std::string fichier = NomFichierCourant;
    TSaison& s = *f->Saison;
    s.SetCategorie(1, "Seniors", "S");
    s.SetCategorie(2, "Juniors", "J");
    const int brivant = s.ChercheEquipe("Brivant");
    ASSERT_GE(brivant, 0);

    // Each road that replaces the squads window.
    struct TCas
    {
        const char* nom;
        const char* prenom;
        std::function<void()> quitte;
    };
    const TCas cas[] = {
        {"Lefebvre", "Marc", [&] { ClasseParLaBarre(*f); }},
        {"Girard", "Luc", [&] { f->Actions[0]->Execute(); }},
    };
    for (const TCas& c : cas) {
        ASSERT_TRUE(Commande(*f, 147));
        auto* e = dynamic_cast<Tf_Effectifs*>(f->Enfant);
        ASSERT_NE(e, nullptr);
        e->l_Equipe->SetItemIndex(0);
        e->l_EquipeClick(nullptr);
        ASSERT_EQ(static_cast<int>(e->EquipeAffichee & 0xFFFF), brivant);
        TColorStringGrid* g = e->sg_TableauEquipe;
        g->FocusCell(2, g->RowCount() - 1, true);
        TapeCellule(g, c.nom);
        kit::PressKey(nullptr, VK_TAB);
        TapeCellule(g, c.prenom);
        EXPECT_EQ(Joueur(s, c.nom, c.prenom, brivant), nullptr);
        c.quitte();
        EXPECT_EQ(dynamic_cast<Tf_Effectifs*>(f->Enfant), nullptr) << c.nom;
        EXPECT_NE(Joueur(s, c.nom, c.prenom, brivant), nullptr) << c.nom;
        EXPECT_EQ(ModifSaison, 1) << c.nom;
    }

    // Saved, then a category changed from the right-click menu.
    RepondBoite(mrOk);
    Commande(*f, 7);
    kit::ForgetModalActions();
    ASSERT_EQ(ModifSaison, 0);
    ASSERT_TRUE(Commande(*f, 147));
    auto* e = dynamic_cast<Tf_Effectifs*>(f->Enfant);
    ASSERT_NE(e, nullptr);
    TColorStringGrid* g = e->sg_TableauEquipe;
    const int r = Ligne(g, "Lefebvre");
    ASSERT_GT(r, 0);
    const TPoint p = Centre(g, 2, r);
    kit::MouseDown(g, p.X, p.Y, mbRight);
    kit::MouseUp(g, p.X, p.Y, mbRight);
    kit::Process(10);
    ASSERT_EQ(e->fCatMenu->Count(), 2);
    EXPECT_TRUE(e->fCatMenu->Enabled());
    e->fCatMenu->Items(1)->Click();
    e->pm_JoueurOp->CloseMenu();
    EXPECT_EQ(Joueur(s, "Lefebvre", "Marc", brivant)->categorie, 2);
    EXPECT_EQ(ModifSaison, 1);
    f->Reponses = {mrYes};
    RepondBoite(mrOk);
    f->Close();
    kit::Process(20);
    kit::ForgetModalActions();
    EXPECT_EQ(f->Messages.size(), 1u);
    TermineFenetre(f);
    auto relue = Relit(fichier);
    ASSERT_NE(relue, nullptr);
    TJoueur* j = Joueur(*relue, "Lefebvre", "Marc", brivant);
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->categorie, 2);
    EXPECT_NE(Joueur(*relue, "Girard", "Luc", brivant), nullptr);
}

// A rename onto a teammate's name and a move into a team holding a namesake
// ask first, naming both players; "no" keeps both whole.
TEST(SaisiesGardeesEffectifs, NamesakesAreMergedOnlyWhenTheUserSaysSo)
{
    Prepare("effectifs_homonymes");
    auto f = LanceFenetre();
    NouvelleSaisonQuatreClubs(*f);
    ASSERT_NE(f->Saison, nullptr);
    TSaison& s = *f->Saison;
    const int brivant = s.ChercheEquipe("Brivant"), zelvor = s.ChercheEquipe("Zelvor");
    ASSERT_TRUE(Commande(*f, 147));
    auto* e = dynamic_cast<Tf_Effectifs*>(f->Enfant);
    ASSERT_NE(e, nullptr);
    TColorStringGrid* g = e->sg_TableauEquipe;
    auto equipe = [&](int id) {
        for (int i = 0; i < e->l_Equipe->Items().Count(); ++i)
            if (Tf_Effectifs::IdEntree(e->l_Equipe->Items()[i]) == id) {
                e->l_Equipe->SetItemIndex(i);
                e->l_EquipeClick(nullptr);
                return i;
            }
        return -1;
    };
    // Two players typed into each team: Brivant's Dupont and Morel, Zelvor's Morel.
    auto tape = [&](const char* nom, const char* prenom) {
        g->FocusCell(2, g->RowCount() - 1, true);
        TapeCellule(g, nom);
        kit::PressKey(nullptr, VK_TAB);
        TapeCellule(g, prenom);
        kit::PressKey(nullptr, VK_RETURN);
        g->FocusCell(2, 1, true);
        e->EnregistreLignes(-1);
    };
    equipe(brivant);
    tape("Dupont", "Jean");
    tape("Morel", "Paul");
    equipe(zelvor);
    tape("Morel", "Paul");
    TJoueur* dupont = Joueur(s, "Dupont", "Jean", brivant);
    TJoueur* morel = Joueur(s, "Morel", "Paul", brivant);
    TJoueur* autreMorel = Joueur(s, "Morel", "Paul", zelvor);
    ASSERT_TRUE(dupont && morel && autreMorel);
    dupont->Age = 90;
    morel->Age = 95;
    const int nb = s.Joueurs().NbJoueur();

    for (const int reponse : {mrNo, mrYes}) {
        SCOPED_TRACE(reponse);
        // 1. Dupont renamed Morel Paul in Brivant.
        equipe(brivant);
        const int r = Ligne(g, "Dupont");
        ASSERT_GT(r, 0);
        std::vector<std::string> textes;
        RepondBoite(reponse, &textes);
        g->FocusCell(2, r, true);
        TapeCellule(g, "Morel");
        kit::PressKey(nullptr, VK_TAB);
        TapeCellule(g, "Paul");
        kit::PressKey(nullptr, VK_RETURN);
        g->FocusCell(2, r == 1 ? 2 : 1, true);
        kit::ForgetModalActions();
        ASSERT_EQ(textes.size(), 1u);
        EXPECT_NE(textes[0].find("Dupont Jean"), std::string::npos) << textes[0];
        EXPECT_NE(textes[0].find("Morel Paul"), std::string::npos) << textes[0];
        if (reponse == mrNo) {
            EXPECT_EQ(s.Joueurs().NbJoueur(), nb);
            EXPECT_EQ(Joueur(s, "Dupont", "Jean", brivant), dupont);
            EXPECT_EQ(dupont->Age, 90);
            EXPECT_EQ(morel->Age, 95);
            EXPECT_EQ(g->Cells(2, Ligne(g, "Dupont")), "Dupont");
        } else {
            EXPECT_EQ(s.Joueurs().NbJoueur(), nb - 1);
            EXPECT_EQ(Joueur(s, "Dupont", "Jean", brivant), nullptr);
        }
        // 2. Morel of Brivant dragged onto Zelvor, where a Morel plays.
        equipe(brivant);
        const int m = Ligne(g, "Morel");
        ASSERT_GT(m, 0);
        g->FocusCell(2, m, true);
        textes.clear();
        RepondBoite(reponse, &textes);
        const int i = [&] {
            for (int k = 0; k < e->l_Equipe->Items().Count(); ++k)
                if (Tf_Effectifs::IdEntree(e->l_Equipe->Items()[k]) == zelvor)
                    return k;
            return -1;
        }();
        const TRect cible = e->l_Equipe->ItemRect(i);
        kit::Drag(g, Centre(g, 2, m), e->l_Equipe, Point(20, cible.Top + 3));
        kit::Process(10);
        kit::ForgetModalActions();
        ASSERT_EQ(textes.size(), 1u);
        EXPECT_NE(textes[0].find("Morel Paul (Brivant)"), std::string::npos) << textes[0];
        EXPECT_NE(textes[0].find("Zelvor"), std::string::npos) << textes[0];
        if (reponse == mrNo) {
            EXPECT_EQ(Joueur(s, "Morel", "Paul", brivant), morel);
            EXPECT_EQ(Joueur(s, "Morel", "Paul", zelvor), autreMorel);
            EXPECT_EQ(s.Joueurs().NbJoueur(), nb);
        } else
            EXPECT_EQ(Joueur(s, "Morel", "Paul", brivant), nullptr);
    }
    TermineFenetre(f);
}

namespace {

// Every box of the program's kind met is recorded and answered OK; the save's
// progress window is left to finish.
void NoteBoites(std::vector<std::string>& dits)
{
    kit::WhenModal([&dits](TForm* m) {
        if (auto* b = dynamic_cast<Tf_MessageUtil*>(m)) {
            dits.push_back(b->Label1->Caption());
            m->SetModalResult(mrOk);
        }
        NoteBoites(dits);
    });
}

// One step of a user at a grid: a cell chosen, keys typed where the focus
// is, a key pressed, an entry of the team (or country) list clicked, a cell
// clicked.
struct TPasGrille
{
    enum { Cellule, Tape, Touche, Equipe, Clic } Quoi;
    int A = 0, B = 0;   // the cell (B < 0: the last row), the key, the entry
    const char* Texte = "";
};

// What a season holds of the row's subject, as text: the squads' typed
// players ("name number team"), the stat sheet's counts of the home team
// ("code=count").
std::string Joueurs(const TSaison& s)
{
    std::string r;
    for (int i = 0; i < s.Joueurs().NbJoueur(); ++i) {
        const TJoueur* j = s.Joueurs().Joueur(i);
        r += j->Nom + " " + IntToStr(j->Maillot) + " " + s.NomEquipe(j->IdEquipe()) + ";";
    }
    return r;
}

std::string Arbitres(const TSaison& s)
{
    std::string r;
    for (int i = 0; i < s.Arbitres().NbPersonnel(); ++i)
        r += s.Arbitres().Personnel(i)->Nom + " " + s.Arbitres().Personnel(i)->Prenom + ";";
    return r;
}

std::string Comptes(const TSaison& s)
{
    std::string r;
    auto* c = dynamic_cast<const TDonneesChampionnatStat*>(s.ChampionnatCourant());
    for (int code = 21; c && code <= 36; ++code)
        if (const TListeDonnees* l = const_cast<TDonneesChampionnatStat*>(c)->ListeStat(1, code))
            for (int i = 0; i < l->Nombre(); ++i)
                if (code != 36 && l->Donnee(i)->IdEquipe() == c->IdEquipe(0))
                    r += IntToStr(code) + "=" + IntToStr(l->Donnee(i)->Mot()) + ";";
    return r;
}

}  // namespace

// A value or a row a grid refuses: the message says why at every attempt,
// the cursor stays on the cell to correct, and the keys that follow go there.
// The squads: a shirt number typed with no name, then another team clicked
// twice; the name typed next goes to the row of the team shown, and the
// player is saved in the team he was typed for. The handball sheet: 3 goals
// from 7 metres, then 2 throws refused; the figures typed next go to the
// throws, then to the turnovers. Each in the model, and after a save and a
// reopening.
TEST_P(SaisiesGardees, ARefusedCellKeepsTheCursorAndTheKeysThatFollow)
{
    static const bool pages = (EnregistrePagesMatch(), true);
    (void)pages;
    const std::string langue = GetParam();
    using P = TPasGrille;
    struct TCas
    {
        const char* nom;
        int sport;
        std::vector<TPasGrille> pas;
        int refus;                                   // messages said
        TGridCoord curseur;                          // where the cursor is after the last refusal
        std::function<std::string(const TSaison&)> garde;
        std::string attendu;
    };
    const TCas cas[] = {
        {"effectifs", 0,
         {{P::Cellule, 1, -1}, {P::Tape, 0, 0, "7"}, {P::Touche, VK_TAB}, {P::Equipe, 2}, {P::Equipe, 2},
          {P::Tape, 0, 0, "Lebrun"}, {P::Equipe, 2}},
         2, {2, 1}, Joueurs, "Lebrun 7 Brivant;"},
        // A cell of another row clicked, twice: refused, said each time.
        {"effectifs_clic", 0,
         {{P::Cellule, 1, -1}, {P::Tape, 0, 0, "7"}, {P::Touche, VK_TAB}, {P::Clic, 3, -1}, {P::Clic, 2, -1},
          {P::Tape, 0, 0, "Lebrun"}, {P::Equipe, 2}},
         2, {2, 1}, Joueurs, "Lebrun 7 Brivant;"},
        // The referees: a name with no first name, then another row by the
        // arrow and by the mouse, another country: the first name typed next
        // goes to its row.
        {"arbitres", -1,
         {{P::Cellule, 0, -1}, {P::Tape, 0, 0, "Dumas"}, {P::Touche, VK_DOWN}, {P::Clic, 0, -1}, {P::Equipe, 1},
          {P::Tape, 0, 0, "Eve"}, {P::Equipe, 1}},
         3, {1, 1}, Arbitres, "Dumas Eve;"},
        {"handball", 3,
         {{P::Cellule, 3, 1}, {P::Tape, 0, 0, "3"}, {P::Touche, VK_RETURN}, {P::Tape, 0, 0, "2"},
          {P::Touche, VK_RETURN}, {P::Tape, 0, 0, "4"}, {P::Touche, VK_RETURN}, {P::Tape, 0, 0, "1"},
          {P::Touche, VK_RETURN}},
         1, {4, 1}, Comptes, "23=3;24=4;29=1;"},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.nom);
        Prepare(std::string("grille_refus_") + c.nom + "_" + langue, true);
        auto f = LanceFenetre();
        InstalleTraducteur(std::make_unique<TTraducteur>(
            MakePath(DossierDonnees(), "texte\\Texte" + langue + ".txt")));
        TColorStringGrid* g = nullptr;
        TListe* equipes = nullptr;
        Tf_Effectifs* effectifs = nullptr;
        if (c.sport < 0) {
            ASSERT_TRUE(NouvelleSaisonQuatreClubs(*f));
            ASSERT_TRUE(Commande(*f, 148));
            auto* a = dynamic_cast<Tf_Arbitres*>(f->Enfant);
            ASSERT_NE(a, nullptr);
            g = a->sg_TableauEquipe;
            equipes = a->l_Nation;
        } else if (c.sport == 0) {
            ASSERT_TRUE(NouvelleSaisonQuatreClubs(*f));
            ASSERT_TRUE(Commande(*f, 147));
            effectifs = dynamic_cast<Tf_Effectifs*>(f->Enfant);
            ASSERT_NE(effectifs, nullptr);
            g = effectifs->sg_TableauEquipe;
            equipes = effectifs->l_Equipe;
        } else {
            ASSERT_TRUE(feuille_essai::CreeSaisonParFenetres(*f, c.sport));
            TDonneesChampionnat* ch = f->Saison->ChampionnatCourant();
            ch->CreeMatch(1, ch->IdEquipe(0), ch->IdEquipe(1), 25, 20);
            ch->NbJournee = 1;
            f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Ailier", "Tom", -1, ch->IdEquipe(0)));
            ASSERT_TRUE(Commande(*f, 14));
            auto* p = dynamic_cast<Tf_ButeursStat*>(f->Enfant);
            ASSERT_NE(p, nullptr);
            while (p->IdDomicile != ch->IdEquipe(0))
                p->UpDown1->ClickButton(btNext);
            const TRect e = p->l_EquipeDomicile->ItemRect(0);
            kit::Click(p->l_EquipeDomicile, e.Left + 5, e.Top + 3);
            kit::PressKey(p->l_EquipeDomicile, VK_RETURN);
            g = p->csc_StatTir;
            equipes = p->l_EquipeDomicile;
        }
        std::vector<std::string> dits;
        NoteBoites(dits);
        TGridCoord curseur{-1, -1};
        for (const TPasGrille& k : c.pas) {
            const size_t avant = dits.size();
            switch (k.Quoi) {
            case P::Cellule:
                g->SetFocus();
                g->FocusCell(k.A, k.B < 0 ? g->RowCount() - 1 : k.B, true);
                break;
            case P::Tape:
                kit::TypeKeys(nullptr, k.Texte);
                break;
            case P::Touche:
                kit::PressKey(nullptr, static_cast<WORD>(k.A));
                break;
            case P::Equipe: {
                const TRect r = equipes->ItemRect(k.A);
                kit::Click(equipes, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
                break;
            }
            case P::Clic: {
                const TPoint p = Centre(g, k.A, k.B < 0 ? g->RowCount() - 1 : k.B);
                kit::Click(g, p.X, p.Y);
                break;
            }
            }
            kit::Process(10);
            if (dits.size() > avant) {
                if (curseur.X < 0) {
                    kit::GrabToPng(f.get(), std::string("grille_refus_") + c.nom + "_curseur_" + langue);
                }
                curseur = {g->Col(), g->Row()};
                EXPECT_TRUE(g->Focused() || g->EditorMode()) << dits.back();
                if (c.sport == 0) {
                    EXPECT_EQ(static_cast<int>(effectifs->EquipeAffichee & 0xFFFF),
                              Tf_Effectifs::IdEntree(equipes->Items()[equipes->ItemIndex()]));
                }
            }
        }
        EXPECT_EQ(static_cast<int>(dits.size()), c.refus) << (dits.empty() ? "" : dits[0]);
        EXPECT_EQ(curseur, c.curseur);
        if (dits.size() > 1) {
            EXPECT_EQ(dits[0], dits[1]);
        }
        kit::GrabToPng(f.get(), std::string("grille_refus_") + c.nom + "_" + langue);
        // The page left (the other team's tab, another view) writes it.
        ASSERT_TRUE(Commande(*f, 40));
        EXPECT_EQ(c.garde(*f->Saison), c.attendu);
        auto relue = SauveFermeRelit(f);
        ASSERT_NE(relue, nullptr);
        EXPECT_EQ(c.garde(*relue), c.attendu);
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Textefr.txt")));
}

// Texts a season file gives with bytes Windows-1252 leaves unassigned keep
// them: the squads grid shows them as their own characters (never a file
// name's kept letter), a cell edited elsewhere in its text keeps them, the
// season saved and reopened holds them, and the HTML export writes each as
// the window shows it.
TEST(SaisiesGardeesEffectifs, TextsReadFromAFileKeepTheirBytesThroughTheGridAndTheHtml)
{
    const struct
    {
        int col;               // 2 name, 3 first name
        std::string lu;        // as the file gives it
        const char* montre;    // as the cell's editor shows it (UTF-8)
        const char* tape;      // typed at its end
    } cas[] = {
        {2, "A\x81" "B", "A\u0081B", "d"},
        {3, "Z\x81" "937;", "Z\u0081937;", "e"},
        {3, "Y\x8D\x90", "Y\u008D\u0090", "f"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.montre);
        const std::string dir = Prepare("effectifs_octets", true);
        auto f = LanceFenetre();
        ASSERT_TRUE(NouvelleSaisonQuatreClubs(*f));
        const std::string fichier = NomFichierCourant;
        TSaison& s = *f->Saison;
        const int brivant = s.ChercheEquipe("Brivant");
        // The player as a file of another program wrote him.
        s.Joueurs().AjouteJoueur(s.CreeJoueur(c.col == 2 ? c.lu : "Marin", c.col == 3 ? c.lu : "Paul", -1, brivant));
        f->SignaleModification();
        ASSERT_NE(SauveFermeRelit(f), nullptr);
        f = LanceFenetre();
        f->OpenFile(fichier);
        ASSERT_NE(f->Saison, nullptr);
        ASSERT_TRUE(Commande(*f, 147));
        auto* e = dynamic_cast<Tf_Effectifs*>(f->Enfant);
        ASSERT_NE(e, nullptr);
        TColorStringGrid* g = e->sg_TableauEquipe;
        ASSERT_EQ(g->Cells(c.col, 1), c.lu);
        g->SetFocus();
        g->FocusCell(c.col, 1, true);
        kit::PressKey(g, VK_F2);
        auto* editeur = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editeur, nullptr);
        EXPECT_EQ(editeur->text().toStdString(), c.montre);
        kit::PressKey(nullptr, VK_END);
        kit::TypeKeys(nullptr, c.tape);
        kit::PressKey(nullptr, VK_RETURN);
        g->FocusCell(2, 2, true);
        const std::string attendu = c.lu + c.tape;
        EXPECT_EQ(g->Cells(c.col, 1), attendu);
        const std::string html = MakePath(dir, "effectif.html");
        e->EnregistreHTML(html);
        std::string page;
        ASSERT_TRUE(ReadFileBytes(html, page));
        EXPECT_NE(page.find(">" + attendu + "<"), std::string::npos);
        auto relue = SauveFermeRelit(f);
        ASSERT_NE(relue, nullptr);
        EXPECT_NE(Joueur(*relue, c.col == 2 ? attendu : "Marin", c.col == 3 ? attendu : "Paul", brivant), nullptr);
    }
}
