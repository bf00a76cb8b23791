// The squads window driven as a user does: the team list's order, rows typed
// into the grid and written back when the row is left, the year of arrival
// refused outside its byte, a player dragged onto another team, removed,
// filtered by category, inserted through his card, the quick entry, printing,
// HTML and the "EffectifEquipe" page function.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Printers.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "records/Fiches.h"
#include "records/w_Effectifs.h"
#include "records/w_FicheJoueur.h"
#include "records/w_Recherche.h"
#include "records/w_TransJoueur.h"
#include "tests/records/FichesEssai.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/SauveRelit.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/GestionFonction.h"
#include "ui/message2.h"

using namespace fiches_essai;

namespace {

// The small season, with a team that only the cup holds (Orvale, 4) and one
// of no championship (Libre, 5); Brivant's squad gets a goalkeeper and a
// defender besides Dupont and Martin (midfielders).
struct TEssai
{
    TPetiteSaison p;
    TSaison& s;
    int modifications = 0;
    TOwned<Tf_Effectifs> f;

    explicit TEssai(int sport = sportFootball) : p(PetiteSaison(sport)), s(*p.saison)
    {
        EnregistreFiches();
        s.AjouteEquipe("Orvale");
        s.AjouteEquipe("Libre");
        p.c2->AjouteEquipe(4);
        auto joueur = [&](const char* nom, const char* prenom, int t, const char* poste) {
            auto j = s.CreeJoueur(nom, prenom, -1, t);
            j->SetLettrePoste(poste);
            return s.Joueurs().AjouteJoueur(std::move(j));
        };
        joueur("Gardien", "Yves", 0, "G");
        joueur("Arriere", "Eric", 0, "D");
        joueur("Lointain", "Paul", 4, "A");
        f.reset(new Tf_Effectifs(nullptr));
        f->OnModification = [this] { ++modifications; };
        f->ChangeCouleurs(f->Couleurs);
        f->ChangeSaison(&s);
        f->SetBounds(0, 0, 1000, 560);
        kit::ShowForm(f.get());
        f->RemplitEquipes(0, false);
        kit::Process(10);
    }

    TColorStringGrid& g() { return *f->sg_TableauEquipe; }
    int Ligne(const std::string& nom)
    {
        for (int r = 1; r < g().RowCount(); ++r)
            if (g().Cells(2, r) == nom)
                return r;
        return -1;
    }
    // Types into a cell as a user does, then confirms with Enter.
    void Tape(int col, int row, const std::string& texte)
    {
        g().FocusCell(col, row, true);
        // The first key opens the cell's editor, which takes the others.
        kit::Type(&g(), texte.substr(0, 1));
        kit::Type(nullptr, texte.substr(1));
        kit::PressKey(nullptr, VK_RETURN);
        kit::Process(5);
    }
    // Leaves the row by going to another one.
    void Quitte(int versLigne) { g().FocusCell(2, versLigne, true); }
    std::vector<int> IdsListe()
    {
        std::vector<int> ids;
        for (int i = 0; i < f->l_Equipe->Items().Count(); ++i)
            ids.push_back(Tf_Effectifs::IdEntree(f->l_Equipe->Items()[i]));
        return ids;
    }
    TPoint PointEquipe(int id)
    {
        for (int i = 0; i < f->l_Equipe->Items().Count(); ++i)
            if (Tf_Effectifs::IdEntree(f->l_Equipe->Items()[i]) == id)
                return Point(20, f->l_Equipe->ItemRect(i).Top + 3);
        return Point(-1, -1);
    }
};

// The next box of the program's messages answers that result; its text is kept.
void Repond(int resultat, std::vector<std::string>& textes)
{
    kit::WhenModal([resultat, &textes](TForm* m) {
        if (auto* b = dynamic_cast<Tf_MessageUtil*>(m))
            textes.push_back(b->Label1->Caption());
        m->SetModalResult(resultat);
    });
}

std::string Lit(const std::string& fichier)
{
    std::ifstream in(fichier, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

// The current championship's teams in its own order, then the other
// championships' teams, then the teams of no championship; the entry shapes.
TEST(Effectifs, TeamListOrderAndEntries)
{
    TEssai e;
    // A current championship holding the teams in another order.
    auto c = e.s.CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational, 0);
    c->CodeChamp = 7;
    for (int t : {3, 1})
        c->AjouteEquipe(t);
    TDonneesChampionnat* c3 = e.s.Arbre().AjouteChampionnat("Poule", "Poule", std::move(c), "France")->Championnat();
    e.s.SetChampionnatCourant(c3);
    e.f->RemplitEquipes(1, false);
    EXPECT_EQ(e.IdsListe(), (std::vector<int>{3, 1, 0, 2, 4, 5}));
    const TStrings& items = e.f->l_Equipe->Items();
    EXPECT_EQ(items[0], std::string("00031\x01") + "Tessane");
    EXPECT_EQ(items[2], std::string("00000\x05") + "Brivant");
    EXPECT_EQ(items[5], std::string("00050\x04") + "Libre");
    // Index 1 of the current championship: Zelvor's squad (Durand).
    EXPECT_EQ(e.f->EquipeAffichee, 1u);
    EXPECT_EQ(e.f->l_Equipe->ItemIndex(), 1);
    EXPECT_EQ(e.g().Cells(2, 1), "Durand");
    EXPECT_EQ(e.g().RowCount(), 3);   // titles, Durand, the empty row
}

// Rows by position with a red line between positions; the statistics columns
// against the shown championship and the totals; totals only for a team of
// another championship.
TEST(Effectifs, GridRowsAndStatistics)
{
    TEssai e;
    ASSERT_EQ(e.g().ColCount(), 13);
    std::vector<std::string> noms;
    for (int r = 1; r < e.g().RowCount() - 1; ++r)
        noms.push_back(e.g().Cells(2, r));
    EXPECT_EQ(noms, (std::vector<std::string>{"Gardien", "Arriere", "Dupont", "Martin"}));
    EXPECT_EQ(e.g().Cells(0, 1), "G");
    EXPECT_EQ(e.g().Cells(2, e.g().RowCount() - 1), "");
    EXPECT_EQ(e.g().CouleurTraitLigne(1), 255);   // G above D
    EXPECT_NE(e.g().CouleurTraitLigne(3), 255);   // two midfielders
    const int d = e.Ligne("Dupont");
    // Two matches in the league, three in all; goals: league 3 (10, 44, 80), all 4.
    EXPECT_EQ(e.g().Cells(9, d), "2 (3)");
    EXPECT_EQ(e.g().Cells(10, d), "3(4)");
    EXPECT_EQ(e.g().Cells(1, d), "-");
    EXPECT_EQ(e.g().Cells(4, d), "-");
    // Zelvor's Martin booked: bookings column.
    EXPECT_EQ(e.g().Cells(11, e.Ligne("Martin")), "1");
    kit::GrabToPng(e.f.get(), "effectifs");
    // Orvale plays only the cup: totals only.
    e.f->l_Equipe->SetItemIndex(4);
    e.f->l_EquipeClick(e.f->l_Equipe);
    EXPECT_EQ(e.f->CodeGrille, -1);
    EXPECT_EQ(e.g().Cells(2, 1), "Lointain");
    EXPECT_EQ(e.g().Cells(9, 1), "0");
    // Masks of the columns: a shirt and the career's matches and goals as
    // wide as the season holds them (up to 255 and 65535).
    const std::vector<std::pair<int, std::string>> masques = {
        {0, "L"}, {1, "!990"}, {2, ""}, {4, "!9990"}, {5, ""}, {6, "!0000"}, {7, "!99990"}, {8, "!99990"}};
    for (const auto& [col, masque] : masques)
    {
        std::string v = "x";
        e.f->sg_TableauEquipeGetEditMask(&e.g(), col, 1, v);
        EXPECT_EQ(v, masque) << col;
    }
    // A figure past what the field holds is refused.
    EXPECT_EQ(e.g().OnGetEditMaximum(1, 1), 255);
    EXPECT_EQ(e.g().OnGetEditMaximum(8, 1), 65535);
    EXPECT_EQ(e.g().OnGetEditMaximum(4, 1), 0);
    // Statistics columns cannot be selected.
    e.g().FocusCell(2, 1, true);
    e.g().FocusCell(10, 1, true);
    EXPECT_EQ(e.g().Col(), 2);
}

// The two pairs of matches and goals have group titles over their columns:
// the career in the division (7-8), this season's figures (9 onwards).
TEST(Effectifs, GroupTitlesStandOverTheirColumns)
{
    TEssai e;
    TColorStringGrid& g = e.g();
    auto bord = [&](int col) {
        int x = g.Left() + 2;
        for (int k = 0; k < col; ++k)
            x += g.LargeurColonne(k) + 1;
        return x;
    };
    struct TCas
    {
        TLabel* Label;
        int Premiere, Fin;   // first column, column after the group
        int Texte;
    };
    for (const TCas& c : {TCas{e.f->l_GroupeCarriere, 7, 9, 69}, TCas{e.f->l_GroupeSaison, 9, 13, 80}}) {
        SCOPED_TRACE(c.Texte);
        ASSERT_NE(c.Label, nullptr);
        EXPECT_TRUE(c.Label->Visible());
        EXPECT_EQ(c.Label->Caption(), Traduire(c.Texte));
        EXPECT_EQ(c.Label->Left(), bord(c.Premiere));
        EXPECT_LE(c.Label->Left() + c.Label->Width(), bord(c.Fin));
        EXPECT_LE(c.Label->Top() + c.Label->Height(), g.Top());
    }
    kit::GrabToPng(e.f.get(), "effectifs_groupes");
}

// A name typed in the empty row becomes a player of the team when the row is
// left; the other cells are written back; an accent-only rename is not.
TEST(Effectifs, TypedRowsWrittenBack)
{
    TEssai e;
    const int vide = e.g().RowCount() - 1;
    e.Tape(2, vide, "Lefebvre");
    EXPECT_EQ(e.g().RowCount(), vide + 2);   // a new empty row below
    e.Tape(3, vide, "Marc");
    e.Tape(4, vide, "1988");
    e.Tape(6, vide, "2004");
    e.Tape(7, vide, "12");
    EXPECT_EQ(e.s.Joueurs().ChercheJoueurNom("LEFEBVRE", "MARC"), nullptr);   // not before leaving
    e.Quitte(1);
    TJoueur* j = e.s.Joueurs().ChercheJoueurNom("LEFEBVRE", "MARC");
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->ClubActuel, 0);
    EXPECT_EQ(j->Age, 88);
    EXPECT_EQ(j->Duree, 104);
    EXPECT_EQ(j->NbMatchCarriere(static_cast<uint32_t>(e.p.c1->CodeChamp)), 12);
    EXPECT_GT(e.modifications, 0);
    ASSERT_GT(e.Ligne("Lefebvre"), 0);
    EXPECT_EQ(e.g().Cells(7, e.Ligne("Lefebvre")), "12");

    // Renames: a correction of accents or case is one too, and the grid
    // filled again shows it.
    struct TCas
    {
        std::string tape, attendu;
    };
    const std::vector<TCas> cas = {{L1("Éric"), L1("Éric")}, {"Erik", "Erik"}, {"erik", "erik"}, {L1("Lùc"), L1("Lùc")}};
    for (const TCas& c : cas)
    {
        const int r = e.Ligne("Arriere");
        ASSERT_GT(r, 0);
        e.Tape(3, r, c.tape);
        e.Quitte(r == 1 ? 2 : 1);
        TJoueur* a = nullptr;
        for (int i = 0; i < e.s.Joueurs().NbJoueur(); ++i)
            if (e.s.Joueurs().Joueur(i)->Nom == "Arriere")
                a = e.s.Joueurs().Joueur(i);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->Prenom, c.attendu) << c.tape;
        e.f->RemplitGrille();
        EXPECT_EQ(e.g().Cells(3, e.Ligne("Arriere")), c.attendu);
    }
    // The name too: "Dupont" retyped "Dupònt", then back.
    for (const std::string& nom : {L1("Dupònt"), std::string("Dupont")})
    {
        const int r = e.Ligne(e.p.dupont->Nom);
        ASSERT_GT(r, 0);
        e.Tape(2, r, nom);
        e.Quitte(r == 1 ? 2 : 1);
        EXPECT_EQ(e.p.dupont->Nom, nom);
    }
    // Shirt number and age cells.
    const int d = e.Ligne("Dupont");
    e.Tape(1, d, "9");
    e.Quitte(d == 1 ? 2 : 1);
    EXPECT_EQ(e.p.dupont->Maillot, 9);
}

// The year of arrival fits a byte counted from 1900: years outside
// 1900..2155 are refused with a message and the stored year stays.
TEST(Effectifs, YearOfArrivalOutsideItsByteRefused)
{
    struct TCas
    {
        std::string annee;
        bool refuse;
        int duree;
    };
    const std::vector<TCas> cas = {
        {"1999", false, 99}, {"2155", false, 255}, {"1899", true, 7}, {"2156", true, 7}, {"3000", true, 7},
        {"-", false, 0}};
    for (const TCas& c : cas)
    {
        TEssai e;
        e.p.dupont->Duree = 7;
        e.f->RemplitGrille();
        const int d = e.Ligne("Dupont");
        std::vector<std::string> textes;
        if (c.refuse)
            Repond(mrOk, textes);
        e.g().SetCells(6, d, c.annee);
        e.f->EditionEnAttente = true;
        e.f->EnregistreLignes(d);
        EXPECT_EQ(e.p.dupont->Duree, c.duree) << c.annee;
        EXPECT_EQ(textes.size(), c.refuse ? 1u : 0u) << c.annee;
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        if (c.refuse)
        {
            EXPECT_EQ(e.g().Cells(6, e.Ligne("Dupont")), "1907");
        }
    }
}

// The age column shows the age in the season's year (2005 here) and takes
// an age or a year of birth; the field keeps the year of birth as the file
// does, so the player search finds a player of 23 between 18 and 24.
TEST(Effectifs, AgeCellTakesAnAgeOrAYearOfBirth)
{
    struct TCas
    {
        std::string tape;
        bool clavier;   // typed through the cell's editor, else put in the cell
        int octet;      // the stored year of birth - 1900 (7: unchanged)
        std::string montre;
        bool trouve;    // by the search between 18 and 24
    };
    const std::vector<TCas> cas = {
        {"23", true, 82, "23", true},       {"1982", true, 82, "23", true},   {"2002", true, 102, "3", false},
        {"18", true, 87, "18", true},       {"25", true, 80, "25", false},    {"2005", true, 105, "2005", false},
        {"-", false, 0, "-", false},        {"", false, 0, "-", false},       {"1899", true, 7, "1899", false},
        {"150", true, 7, "150", false},     {"2156", true, 7, "2156", false}, {"2a", false, 7, "2a", false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.tape);
        TEssai e;
        e.p.dupont->Age = 7;
        e.f->RemplitGrille();
        const int d = e.Ligne("Dupont");
        EXPECT_EQ(e.g().Cells(4, d), "98");   // born in 1907
        std::vector<std::string> textes;
        const bool refuse = c.octet == 7;
        if (refuse)
            Repond(mrOk, textes);
        if (c.clavier)
            e.Tape(4, d, c.tape);
        else
        {
            e.g().FocusCell(4, d, true);
            e.g().SetCells(4, d, c.tape);
            e.f->EditionEnAttente = true;
        }
        e.Quitte(d == 1 ? 2 : 1);
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        EXPECT_EQ(e.p.dupont->Age, c.octet);
        EXPECT_EQ(Trim(e.g().Cells(4, e.Ligne("Dupont"))), c.montre);
        ASSERT_EQ(textes.size(), refuse ? 1u : 0u);
        if (refuse)
        {
            EXPECT_EQ(textes[0], TraduireFormat(3703, {d, c.tape}));
            EXPECT_EQ(e.g().Row(), d);   // the row stays, as typed
            continue;
        }
        Tf_Recherche r(nullptr);
        r.ChangeCouleurs(r.Couleurs);
        r.ChangeSaison(&e.s);
        kit::ShowForm(&r);
        r.RondCoche5->SetChecked(true);
        r.ActiveAge(nullptr);
        r.Edit2->SetText("18");
        r.Edit3->SetText("24");
        r.Edit1->SetText("Dupont");
        kit::Click(r.b_Rechercher);
        EXPECT_EQ(r.sg_Recherche->Cells(1, 1) == "Dupont", c.trouve);
    }
}

// Keys the age cell refuses, typed as the first keys of the cell or into its
// open editor with its text selected: the cell keeps its value and leaving
// the row keeps the year of birth (1995: 10 in 2005).
TEST(Effectifs, LettersTypedInTheAgeCellLeaveTheYearOfBirth)
{
    struct TCas
    {
        std::string tape;
        bool editeurOuvert;   // F2 first: the editor is open, its text selected
        int octet;
        std::string montre;
    };
    const std::vector<TCas> cas = {
        {"x", false, 95, "10"}, {"ab", false, 95, "10"}, {"x", true, 95, "10"},
        {"ab", true, 95, "10"}, {"1x2", false, 93, "12"}, {"x12", true, 93, "12"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.tape + (c.editeurOuvert ? " (editor open)" : ""));
        TEssai e;
        e.p.dupont->Age = 95;
        e.f->RemplitGrille();
        const int d = e.Ligne("Dupont");
        ASSERT_EQ(e.g().Cells(4, d), "10");
        e.g().FocusCell(4, d, true);
        if (c.editeurOuvert)
            kit::PressKey(&e.g(), VK_F2);
        kit::Type(&e.g(), c.tape.substr(0, 1));
        kit::Type(nullptr, c.tape.substr(1));
        kit::PressKey(nullptr, VK_RETURN);
        kit::Process(5);
        e.Quitte(d == 1 ? 2 : 1);
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        EXPECT_EQ(e.p.dupont->Age, c.octet);
        EXPECT_EQ(Trim(e.g().Cells(4, e.Ligne("Dupont"))), c.montre);
    }
}

// A row that cannot be a player gets a message and stays as typed: the row
// and the team stay until it is corrected, or emptied by "remove".
TEST(Effectifs, RowsThatCannotBeStoredSayWhyAndStayAsTyped)
{
    struct TCas
    {
        std::vector<std::pair<int, std::string>> cellules;   // typed in the empty row
        int texte;
        std::string correction;   // typed in the surname to correct it ("": emptied instead)
    };
    const std::vector<TCas> cas = {
        {{{3, "Marc"}, {1, "7"}, {5, "Olympique"}}, 3702, "Lefebvre"},
        {{{2, "Lefebvre"}, {3, "Marc"}}, 3703, ""},
        {{{2, "Dupont"}, {3, "Jean"}}, 3704, "Dupond"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.texte);
        TEssai e;
        const int nb = e.s.Joueurs().NbJoueur();
        const int r = e.g().RowCount() - 1;
        for (const auto& [col, texte] : c.cellules)
            e.Tape(col, r, texte);
        if (c.texte == 3703)
        {
            e.g().SetCells(4, r, "abc");
            e.f->EditionEnAttente = true;
        }
        std::vector<std::string> textes;
        Repond(mrOk, textes);
        e.Quitte(1);
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        ASSERT_EQ(textes.size(), 1u);
        const std::string attendu = c.texte == 3702   ? TraduireFormat(3702, {r})
                                    : c.texte == 3703 ? TraduireFormat(3703, {r, "abc"})
                                                      : TraduireFormat(3704, {r, "Jean Dupont"});
        EXPECT_EQ(textes[0], attendu);
        EXPECT_EQ(e.s.Joueurs().NbJoueur(), nb);
        EXPECT_EQ(e.g().Row(), r);
        for (const auto& [col, texte] : c.cellules)
            EXPECT_EQ(e.g().Cells(col, r), texte);
        kit::Process(20);
        if (c.texte == 3702)
            kit::GrabToPng(e.f.get(), "effectifs-ligne-sans-nom");
        // Another team is refused and says why again; the rows stay, the
        // cursor on the cell to correct.
        textes.clear();
        Repond(mrOk, textes);
        e.f->l_Equipe->SetItemIndex(1);
        e.f->l_EquipeClick(nullptr);
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        EXPECT_EQ(textes, std::vector<std::string>{attendu});
        EXPECT_EQ(std::make_pair(e.g().Col(), e.g().Row()), std::make_pair(c.texte == 3703 ? 4 : 2, r));
        EXPECT_EQ(e.f->l_Equipe->ItemIndex(), 0);
        EXPECT_EQ(e.f->EquipeAffichee & 0xFFFF, 0u);
        EXPECT_EQ(e.g().Cells(c.cellules[0].first, r), c.cellules[0].second);
        if (c.correction.empty())
        {
            // Asked first, naming the row: yes empties it.
            textes.clear();
            Repond(mrYes, textes);
            e.f->mi_EffacerClick(nullptr);
            EXPECT_EQ(textes, std::vector<std::string>{TraduireFormat(5726, {r, "Marc Lefebvre"})});
            EXPECT_EQ(e.s.Joueurs().NbJoueur(), nb);
            EXPECT_EQ(e.g().Cells(2, r), "");
        }
        else
        {
            e.Tape(2, r, c.correction);
            e.Quitte(1);
            EXPECT_EQ(e.s.Joueurs().NbJoueur(), nb + 1);
            EXPECT_GT(e.Ligne(c.correction), 0);
        }
        e.f->l_Equipe->SetItemIndex(1);
        e.f->l_EquipeClick(nullptr);
        EXPECT_EQ(e.f->l_Equipe->ItemIndex(), 1);
    }
}

// The shell's commit writes the row being typed, editor still open.
TEST(Effectifs, CommitWritesTheHalfTypedRow)
{
    TEssai e;
    const int vide = e.g().RowCount() - 1;
    e.g().FocusCell(2, vide, true);
    kit::Type(&e.g(), "M");
    kit::Type(nullptr, "oitie");
    ASSERT_TRUE(e.g().EditorMode());
    e.f->sg_TableauEquipeExit(nullptr);
    TJoueur* j = e.s.Joueurs().ChercheJoueurNom("MOITIE", "");
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->ClubActuel, 0);
}

// A player dropped on another team moves there with history lines; the
// shown team's own line refuses the drag.
TEST(Effectifs, DragOntoAnotherTeamTransfers)
{
    TEssai e;
    const int d = e.Ligne("Dupont");
    e.g().FocusCell(2, d, true);
    bool accepte = true;
    const TPoint propre = e.PointEquipe(0), zelvor = e.PointEquipe(1);
    e.f->l_EquipeDragOver(e.f->l_Equipe, &e.g(), propre.X, propre.Y, dsDragMove, accepte);
    EXPECT_FALSE(accepte);
    e.f->l_EquipeDragOver(e.f->l_Equipe, &e.g(), zelvor.X, zelvor.Y, dsDragMove, accepte);
    EXPECT_TRUE(accepte);
    e.p.dupont->Maillot = 10;
    e.p.dupont->categorie = 3;
    // Dragged with the mouse from his name to Zelvor.
    const TRect cellule = e.g().CellRect(2, d);
    kit::Drag(&e.g(), Point(cellule.Left + 10, cellule.Top + 5), e.f->l_Equipe, zelvor);
    kit::Process(10);
    TJoueur* j = e.s.Joueurs().ChercheJoueurNom("DUPONT", "JEAN");
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->ClubActuel, 1);
    EXPECT_EQ(j->Maillot, 0);
    EXPECT_EQ(j->categorie, 1);
    EXPECT_EQ(j->Duree, 105);
    EXPECT_EQ(e.s.NomClubPrec(j->ClubPrec), "Brivant");
    // League and cup: one line each, national pair, year 2005.
    ASSERT_EQ(j->NbHistorique(), 2);
    for (int i = 0; i < 2; ++i)
    {
        const TStatHistorique* h = j->Historique(i);
        EXPECT_EQ(h->StatAnnee, 2005);
        EXPECT_EQ(h->Equipe, j->ClubPrec);
        EXPECT_GT(h->StatMatch, 0);
        EXPECT_EQ(h->StatMatchInter, 0);
    }
    EXPECT_EQ(e.Ligne("Dupont"), -1);
    EXPECT_GT(e.modifications, 0);
}

// A player's figures count every club he played for, at once, whichever
// road moves him or makes him one with another: Dupont also played matchday 3
// of the league for Zelvor, then goes to Zelvor by a drag onto its line or by
// "Transférer" in the search. On the merges' roads another played it: his
// namesake of Zelvor, onto whom Dupont is dragged, or Autre Paul of Brivant,
// retyped Dupont Jean in Brivant's squad. The squad shows the player kept as
// the season saved and reopened does; a transfer's history line holds the
// club he leaves alone.
TEST(Effectifs, FiguresCountEveryClubAtOnceAfterATransferOrAMerge)
{
    enum TChemin { Depot, Recherche, Fusion, Renomme };
    struct TCas
    {
        int sport;
        TChemin chemin;
        int matchs, buts;             // over every championship
        int matchsClub, butsClub;     // Brivant's, in the history lines
    };
    const TCas cas[] = {
        {sportFootball, Depot, 4, 5, 3, 4}, {sportFootball, Recherche, 4, 5, 3, 4}, {sportFootball, Fusion, 4, 5, 0, 0},
        {sportRugby, Depot, 4, 5, 3, 4},    {sportRugby, Recherche, 4, 5, 3, 4},    {sportRugby, Fusion, 4, 5, 0, 0},
        {sportBasket, Depot, 3, 26, 2, 19}, {sportBasket, Recherche, 3, 26, 2, 19}, {sportBasket, Fusion, 3, 26, 0, 0},
        {sportHandball, Depot, 1, 8, 0, 6}, {sportHandball, Recherche, 1, 8, 0, 6}, {sportHandball, Fusion, 1, 8, 0, 0},
        {sportFootball, Renomme, 4, 5, 0, 0}, {sportRugby, Renomme, 4, 5, 0, 0},
        {sportBasket, Renomme, 3, 26, 0, 0},  {sportHandball, Renomme, 1, 8, 0, 0},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << "sport " << c.sport << " road " << c.chemin);
        TEssai e(c.sport);
        TJoueur* pourZelvor = c.chemin == Fusion    ? e.s.Joueurs().AjouteJoueur(e.s.CreeJoueur("Dupont", "Jean", -1, 1))
                              : c.chemin == Renomme ? e.s.Joueurs().AjouteJoueur(e.s.CreeJoueur("Autre", "Paul", -1, 0))
                                                    : e.p.dupont;
        TJoueur* garde = c.chemin == Renomme ? e.p.dupont : pourZelvor;
        const int equipe = c.chemin == Renomme ? 0 : 1;   // the squad he ends in
        const int32_t z = pourZelvor->Numero;
        TDonneesChampionnat& c1 = *e.p.c1;
        TInfoComp* m = c1.CreeMatch(3, 1, 2, 2, 1);
        if (c.sport < sportBasket)
        {
            m->SetNbTitulaire(11);
            m->SetJoueurTitulaire(1, 1, z);
            m->SetCompositionSaisie(1);
            c1.ListeDonnees(2, 3)->Ajoute(std::make_unique<TDonneesEvt>(z, 1, 30, 0));
        }
        else
        {
            // (no line-ups in these sports: the file holds none)
            for (int n : {1, 2})
                for (int cote : {0, 1})
                    c1.MatchEquipe(n, 0)->EffaceComposition(c1.MatchEquipe(n, 0)->IdEquipe(cote));
            auto& st = dynamic_cast<TDonneesChampionnatStat&>(c1);
            st.ListeStat(3, c.sport == sportBasket ? 6 : 21)->Ajoute(TDonneesEvt::CreateId(z, 1, c.sport == sportBasket ? 7 : 2));
            if (c.sport == sportHandball)
                st.ListeStat(3, 36)->Ajoute(TDonneesEvt::CreateId(z, 1, 1));
        }
        e.s.CalculeStatJoueurs();
        e.f->RemplitEquipes(0, false);

        std::vector<std::string> textes;
        if (c.chemin == Recherche)
        {
            TOwned<Tf_Recherche> r(new Tf_Recherche(nullptr));
            r->ChangeCouleurs(r->Couleurs);
            r->ChangeSaison(&e.s);
            r->SetBounds(0, 0, 800, 560);
            kit::ShowForm(r.get());
            r->Edit1->SetText("Dupont");
            kit::PressKey(r->Edit1, VK_RETURN);
            ASSERT_EQ(r->JoueurLigne(1), e.p.dupont);
            r->sg_Recherche->FocusCell(1, 1, true);
            kit::WhenModal([](TForm* t) {
                dynamic_cast<Tf_TransJoueur&>(*t).cb_Club->SetText("Zelvor");
                kit::Click(dynamic_cast<Tf_TransJoueur&>(*t).b_Valider);
            });
            r->mi_Transferer->Click();
            ASSERT_EQ(r->JoueurLigne(1), e.p.dupont);
            EXPECT_EQ(r->sg_Recherche->Cells(5, 1), std::to_string(c.matchs));
            EXPECT_EQ(r->sg_Recherche->Cells(6, 1), std::to_string(c.buts));
        }
        else if (c.chemin == Renomme)
        {
            Repond(mrYes, textes);
            const int a = e.Ligne("Autre");
            e.Tape(2, a, "Dupont");
            e.Tape(3, a, "Jean");
            e.Quitte(a == 1 ? 2 : 1);
        }
        else
        {
            if (c.chemin == Fusion)
                Repond(mrYes, textes);
            const int d = e.Ligne("Dupont");
            e.g().FocusCell(2, d, true);
            const TRect cellule = e.g().CellRect(2, d);
            kit::Drag(&e.g(), Point(cellule.Left + 10, cellule.Top + 5), e.f->l_Equipe, e.PointEquipe(1));
        }
        kit::Process(10);
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        EXPECT_EQ(textes.size(), c.chemin == Fusion || c.chemin == Renomme ? 1u : 0u);

        // His squad at once.
        const TPoint ligne = e.PointEquipe(equipe);
        kit::Click(e.f->l_Equipe, ligne.X, ligne.Y);
        const int r = e.Ligne("Dupont");
        ASSERT_GT(r, 0);
        TJoueur* j = e.f->JoueurLigne(r);
        ASSERT_EQ(j, garde);
        EXPECT_EQ(j->StatTotale(0), static_cast<uint32_t>(c.matchs));
        EXPECT_EQ(j->TotalButs(), static_cast<uint32_t>(c.buts));
        const std::string vus[2] = {e.g().Cells(9, r), e.g().Cells(10, r)};
        if (c.chemin == Depot || c.chemin == Recherche)
        {
            int lignes[2] = {0, 0};
            for (int i = 0; i < j->NbHistorique(); ++i)
            {
                lignes[0] += j->Historique(i)->StatMatch;
                lignes[1] += j->Historique(i)->StatBut;
            }
            EXPECT_EQ(lignes[0], c.matchsClub);
            EXPECT_EQ(lignes[1], c.butsClub);
        }

        // As the season reopened shows him.
        auto relue = essai::SauveRelit(e.s, MakePath(kit::TempDir(), "transferts.xmc"));
        ASSERT_NE(relue, nullptr);
        TOwned<Tf_Effectifs> f(new Tf_Effectifs(nullptr));
        f->ChangeCouleurs(f->Couleurs);
        f->ChangeSaison(relue.get());
        f->SetBounds(0, 0, 1000, 560);
        kit::ShowForm(f.get());
        f->RemplitEquipes(equipe, false);
        int rr = 1;
        while (rr < f->sg_TableauEquipe->RowCount() && f->sg_TableauEquipe->Cells(2, rr) != "Dupont")
            ++rr;
        EXPECT_EQ(f->sg_TableauEquipe->Cells(9, rr), vus[0]);
        EXPECT_EQ(f->sg_TableauEquipe->Cells(10, rr), vus[1]);
    }
}

// Removing asks first; Oui keeps him in the season without a team.
TEST(Effectifs, RemoveAsksThenKeepsWithoutTeam)
{
    TEssai e;
    const int n = e.s.Joueurs().NbJoueur();
    e.g().FocusCell(2, e.Ligne("Martin"), true);
    std::vector<std::string> textes;
    Repond(mrCancel, textes);
    e.f->mi_EffacerClick(nullptr);
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_NE(textes[0].find("Martin Paul"), std::string::npos);
    EXPECT_EQ(e.p.martin->ClubActuel, 0);
    EXPECT_EQ(e.modifications, 0);
    Repond(mrYes, textes);
    kit::PressKey(&e.g(), VK_DELETE);
    EXPECT_EQ(textes.size(), 2u);
    TJoueur* j = e.s.Joueurs().ChercheJoueurNom("MARTIN", "PAUL");
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->ClubActuel, TPersonnel::Aucun);
    EXPECT_EQ(e.s.NomClubPrec(j->ClubPrec), "Brivant");
    EXPECT_EQ(j->Duree, 105);
    EXPECT_EQ(e.s.Joueurs().NbJoueur(), n);
    EXPECT_EQ(e.Ligne("Martin"), -1);
}

// Categories: the team's own category, else the first real one; "all"
// shows everyone; the popup's items give a player another category.
TEST(Effectifs, CategoriesFilterTheGrid)
{
    TEssai e;
    e.s.SetCategorie(1, "Seniors", "S");
    e.s.SetCategorie(2, "Juniors", "J");
    e.p.martin->categorie = 2;
    e.f->RemplitEquipes(0, false);
    ASSERT_TRUE(e.f->p_Categories->Visible());
    EXPECT_EQ(e.f->cb_Categories->ItemIndex(), 1);   // first real category
    EXPECT_EQ(e.Ligne("Martin"), -1);
    EXPECT_GT(e.Ligne("Dupont"), 0);
    e.f->cb_Categories->SetItemIndex(0);
    e.f->cb_CategoriesChange(nullptr);
    EXPECT_GT(e.Ligne("Martin"), 0);
    // Dupont to the juniors through the popup's category item.
    e.g().FocusCell(2, e.Ligne("Dupont"), true);
    e.f->pm_JoueurOpPopup(nullptr);
    ASSERT_EQ(e.f->fCatMenu->Count(), 2);
    EXPECT_TRUE(e.f->mi_Effacer->Enabled());
    const int avant = e.modifications;
    e.f->fCatMenu->Items(1)->Click();
    EXPECT_EQ(e.p.dupont->categorie, 2);
    EXPECT_EQ(e.modifications, avant + 1);   // the season is marked
    // A team whose category is set selects it.
    e.p.c1->SetCategorieEquipe(0, 2);
    e.f->RemplitEquipes(0, false);
    EXPECT_EQ(e.f->cb_Categories->ItemIndex(), 2);
    EXPECT_GT(e.Ligne("Dupont"), 0);
    EXPECT_EQ(e.Ligne("Gardien"), -1);
    // The empty row: edit yes, remove no.
    e.g().FocusCell(2, e.g().RowCount() - 1, true);
    e.f->pm_JoueurOpPopup(nullptr);
    EXPECT_TRUE(e.f->mi_Editer->Enabled());
    EXPECT_FALSE(e.f->mi_Effacer->Enabled());
}

// Insert opens a new card; validated, the player is in the team with the
// shown category. The quick entry is opened for the shown team.
TEST(Effectifs, InsertOpensTheCardAndQuickEntryOpens)
{
    TEssai e;
    e.s.SetCategorie(1, "Seniors", "S");
    e.s.SetCategorie(2, "Juniors", "J");
    e.p.c1->SetCategorieEquipe(0, 2);
    e.f->RemplitEquipes(0, false);
    bool carte = false;
    kit::WhenModal([&](TForm* m) {
        auto* fiche = dynamic_cast<Tf_FicheJoueur*>(m);
        ASSERT_NE(fiche, nullptr);
        carte = true;
        EXPECT_EQ(fiche->Tag & 0xFFFF, 0);
        fiche->e_Nom->SetText("Nouveau");
        fiche->e_Prenom->SetText("Remi");
        fiche->b_Valider->Click();
    });
    kit::PressKey(&e.g(), VK_INSERT);
    EXPECT_TRUE(carte);
    TJoueur* j = e.s.Joueurs().ChercheJoueurNom("NOUVEAU", "REMI");
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->ClubActuel, 0);
    EXPECT_EQ(j->categorie, 2);
    EXPECT_GT(e.Ligne("Nouveau"), 0);

    // Quick entry marks the season changed only when it changed it.
    int equipe = -1;
    for (const bool change : {false, true}) {
        EnregistreSaisieRapide([&](TBrivantelForm* ouvrant, TSaison* saison, int t) {
            EXPECT_EQ(ouvrant, e.f.get());
            EXPECT_EQ(saison, &e.s);
            equipe = t;
            return change;
        });
        const int avant = e.modifications;
        e.f->mi_SaisieRapide->Click();
        EXPECT_EQ(equipe, 0);
        EXPECT_EQ(e.modifications - avant, change ? 1 : 0);
    }
    EnregistreSaisieRapide(nullptr);
}

// Printed to PDF, written as an HTML page, and the page function: a known
// team's table, an unknown name escaped.
TEST(Effectifs, PrintHtmlAndPageFunction)
{
    TEssai e;
    const std::string pdf = MakePath(kit::TempDir(), "effectifs.pdf");
    Printer().SetOutputFileName(pdf);
    e.f->Imprime();
    Printer().SetOutputFileName("");
    ASSERT_EQ(std::system(("pdftotext " + pdf + " " + pdf + ".txt").c_str()), 0);
    EXPECT_NE(Lit(pdf + ".txt").find("Dupont"), std::string::npos);

    const std::string page = MakePath(kit::TempDir(), "effectifs.html");
    e.f->EnregistreHTML(page);
    const html_lu::TPage lu = html_lu::Lit(Lit(page));
    ASSERT_TRUE(lu.lu);
    EXPECT_TRUE(lu.equilibree);
    ASSERT_FALSE(lu.tables.empty());
    // the band of group titles ("Career", "This season"), the titles, four players, the empty row
    ASSERT_EQ(lu.tables.back().size(), 7u);
    const std::vector<std::string>& bande = lu.tables.back()[0];
    EXPECT_NE(std::find(bande.begin(), bande.end(), Cp1252ToUtf8(e.f->l_GroupeCarriere->Caption())), bande.end());
    EXPECT_NE(std::find(bande.begin(), bande.end(), Cp1252ToUtf8(e.f->l_GroupeSaison->Caption())), bande.end());

    EnregistreFiches();
    const TFonctionEnregistree* fn = GestionFonctions().Cherche("EffectifEquipe");
    ASSERT_NE(fn, nullptr);
    EXPECT_EQ(fn->Genre, 2);
    TOwned<TForm> vue(fn->Classe.Cree(nullptr));
    auto* foot = dynamic_cast<TFootForm*>(vue.get());
    ASSERT_NE(foot, nullptr);
    TStringList params;
    params.Add("Equipe=Brivant");
    std::string sortie;
    foot->ExecuteFonction("EffectifEquipe", params, sortie, e.f->Couleurs, "", &e.s);
    const html_lu::TPage t = html_lu::Lit("<html><body>" + sortie + "</body></html>");
    ASSERT_EQ(t.tables.size(), 1u);
    ASSERT_EQ(t.tables[0].size(), 5u);   // no empty row
    EXPECT_EQ(t.tables[0][3][2], "Dupont");
    EXPECT_EQ(t.tables[0][3][9], "2 (3)");
    TStringList inconnu;
    inconnu.Add("Equipe=<b>Personne</b>");
    foot->ExecuteFonction("EffectifEquipe", inconnu, sortie, e.f->Couleurs, "", &e.s);
    EXPECT_EQ(sortie, "Equipe \"&lt;b&gt;Personne&lt;/b&gt;\" inconnue<br/>");
}
