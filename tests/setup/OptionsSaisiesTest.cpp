// What a user types and chooses around the options window stays, on a season
// made through the creation windows: the tie-break code typed or every
// criterion unchecked ranks the same after reopening; a lowered matchday count
// holds with a results page open; the view shown stays through an options
// change; a championship chosen right after a new season opens no dialog; the
// history file of a large personal code is found after a restart. The results
// page by keyboard: "0" then Enter stores 0, rows keep the order a user left,
// Ctrl+A selects a score.
#include <gtest/gtest.h>

#include <functional>

#include "engine/CalculClassement.h"
#include "engine/historique.h"
#include "files/w_OptionsSauve.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/rtl/Files.h"
#include "results/PagesMatch.h"
#include "results/w_InfoMatchCadre.h"
#include "results/w_Resultats.h"
#include "setup/w_Option.h"
#include "tests/setup/CreationEssai.h"
#include "tests/setup/NouvelleSaisonEssai.h"
#include "tests/setup/TableEssai.h"
#include "ui/Fond.h"
#include "views/w_ChoixHistorique.h"
#include "views/w_Historique.h"
#include "views/w_StatEquipe.h"

using namespace essai;

namespace {

const bool pagesInscrites = (EnregistrePagesMatch(), true);


// Types into the box of an up-down, as the user does.
void Tape(TUpDown* u, int v)
{
    auto* e = static_cast<TEdit*>(u->Associate());
    e->SetFocus();
    e->SelectAll();
    kit::Type(e, IntToStr(v));
}

// Any modal window still to come is recorded by class and cancelled; the
// progress window of a save is left to finish.
void RefuseDialogues(std::vector<std::string>& vus)
{
    kit::WhenModal([&vus](TForm* m) {
        if (Classe(m) != "Tf_EtatSauve") {
            vus.push_back(Classe(m));
            m->SetModalResult(mrCancel);
        }
        RefuseDialogues(vus);
    });
}

// Clicks the check box of item i of a check list.
void Coche(TCheckListBox* l, int i)
{
    const TRect r = l->ItemRect(i);
    kit::Click(l, r.Left + 8, (r.Top + r.Bottom) / 2);
}

// The names of the criteria of a code, in its order.
std::string NomsCriteres(TCheckListBox* l, const std::string& code)
{
    std::string noms;
    for (char lettre : code)
        for (int i = 0; i < l->Items().Count(); ++i)
            if (l->Items().Objects(i) == lettre - 96)
                noms += (noms.empty() ? "" : ", ") + l->Items()[i];
    return noms;
}

}  // namespace

// Every criterion unticked: OK says which order will apply; Cancel there
// goes back to the list with nothing stored, OK stores that order.
TEST(OptionsCriteresSaisis, EveryCriterionUncheckedSaysTheOrderThatApplies)
{
    Prepare("gardees_sans_critere");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    ASSERT_NE(f->Saison, nullptr);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    c->OrdreClassement = "ca";
    std::vector<std::string> messages;
    Quand<Tf_Option>([&](Tf_Option* o) {
        o->PageControl1->SetActivePage(o->ts_Classement);
        kit::Process();
        for (int i = 0; i < o->clb_Classement->Items().Count(); ++i)
            if (o->clb_Classement->Checked(i))
                Coche(o->clb_Classement, i);
        const std::string noms = NomsCriteres(o->clb_Classement, "ac");
        for (int reponse : {mrCancel, mrOk}) {
            SCOPED_TRACE(reponse);
            o->PageControl1->SetActivePage(o->ts_Tranche);
            RepondBoite(reponse, &messages);
            kit::Click(o->b_Valider);
            kit::Process();
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0], TraduireFormat(4350, {noms}));
            messages.clear();
            if (reponse == mrCancel) {
                EXPECT_EQ(o->ModalResult(), mrNone);
                EXPECT_EQ(o->PageControl1->ActivePage(), o->ts_Classement);
                EXPECT_EQ(o->Edit12->Text(), "");
                EXPECT_EQ(c->OrdreClassement, "ca");
            }
        }
        EXPECT_EQ(o->Edit12->Text(), "ac");
        kit::GrabToPng(o, "options_ordre_par_defaut");
    });
    Commande(*f, 226);
    kit::Process(20);
    EXPECT_EQ(c->OrdreClassement, "ac");
    ModifSaison = 0;
    TermineFenetre(f);
}

// Matchday 1: row 1 1-2, row 2 4-1: the two winners level on points, the
// second ahead on goal difference ("ac") and behind in team order.
TEST(OptionsCriteresSaisis, TypedCodeAndEveryCriterionUncheckedRankAsReopened)
{
    const std::string dir = Prepare("gardees_criteres");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    ASSERT_NE(f->Saison, nullptr);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_NE(TapeJournee(*f, 1, {{"1", "2"}, {"4", "1"}}), nullptr);
    Commande(*f, 40);
    const std::string second = f->Saison->NomEquipePosition(1), troisieme = f->Saison->NomEquipePosition(2);
    ASSERT_EQ(Table(*f->Saison)[0], troisieme);

    std::vector<std::string> messages;
    Quand<Tf_Option>([&](Tf_Option* o) {
        o->PageControl1->SetActivePage(o->ts_Classement);
        kit::Process();
        auto lettres = [o] {
            std::string code;
            for (int i = 0; i < o->clb_Classement->Items().Count(); ++i)
                code += o->clb_Classement->Checked(i) ? static_cast<char>(96 + o->clb_Classement->Items().Objects(i))
                                                       : '.';
            return code;
        };
        // Typed codes order the list; a key naming a letter football has not
        // ("b"), or one twice, is refused with its message as it is typed, the
        // box and the list keeping the code they held.
        struct
        {
            const char* Tape;
            const char* Liste;   // the list's first letters then, "." unchecked
            const char* Refus;   // the code the refused key would have made
        } cas[] = {{"dac", "dac.", ""}, {"bac", "ac..", "b"}, {"ca", "ca..", ""}, {"aa", "a...", "aa"},
                   {"az", "a...", "az"}, {"c", "c...", ""}};
        for (const auto& k : cas) {
            SCOPED_TRACE(k.Tape);
            o->Edit12->SetFocus();
            kit::PressKey(o->Edit12, 'A', ssCtrl);
            if (*k.Refus)
                RepondBoite(mrOk, &messages);
            kit::Type(o->Edit12, k.Tape);
            kit::ForgetModalActions();
            EXPECT_EQ(lettres().substr(0, 4), k.Liste);
            std::string code = k.Liste;
            code.erase(code.find('.'));
            EXPECT_EQ(o->Edit12->Text(), code);
            ASSERT_EQ(messages.size(), *k.Refus ? 1u : 0u);
            if (*k.Refus) {
                EXPECT_EQ(messages[0], TraduireFormat(3750, {std::string(k.Refus)}));
            }
            messages.clear();
        }
        // Every criterion unchecked through the list: the box follows.
        for (int i = 0; i < o->clb_Classement->Items().Count(); ++i)
            if (o->clb_Classement->Checked(i))
                Coche(o->clb_Classement, i);
        EXPECT_EQ(o->Edit12->Text(), "");
        kit::GrabToPng(o, "options_criteres_decoches");
        // OK then names the order that applies: the one a file reads back.
        RepondBoite(mrOk, &messages);
        kit::Click(o->b_Valider);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], TraduireFormat(4350, {NomsCriteres(o->clb_Classement, "ac")}));
    });
    Commande(*f, 226);
    kit::Process(20);
    const std::vector<std::string> avant = Table(*f->Saison);
    EXPECT_EQ(avant[0], troisieme);
    EXPECT_EQ(avant[1], second);

    const std::string fichier = MakePath(dir, "sauvegarde/criteres.xmc");
    ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, f->Saison.get(), nullptr, "", "", nullptr, {}, false));
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", nullptr, TousSports, etat, true);
    ASSERT_TRUE(relu);
    ASSERT_TRUE(relu->SelectionneChampionnat(c->CodeChamp));
    EXPECT_EQ(Table(*relu), avant);
    ModifSaison = 0;
    TermineFenetre(f);
}

// Matchday 4 typed and still on the page when the options lower the count to
// 3: the question comes (the page was written first), "Oui" holds through the
// page's departure and a save.
TEST(OptionsVues, MatchdayCountLoweredWithTheResultsPageOpenHolds)
{
    const std::string dir = Prepare("gardees_journees");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_GE(c->NbJour(), 4);
    auto* r = TapeJournee(*f, 4, {{"2", "1"}});
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(c->Journee(4), nullptr);   // still on the page
    std::vector<std::string> questions;
    Quand<Tf_Option>([&](Tf_Option* o) {
        Tape(o->UpDown10, 3);
        RepondBoite(mrYes, &questions);
        kit::Click(o->b_Valider);
    });
    Commande(*f, 176);
    kit::Process(20);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(c->NbJour(), 3);
    EXPECT_EQ(c->Journee(4), nullptr);
    EXPECT_LE(c->NbJournee, 3);
    // The page stays, on a matchday that exists.
    r = dynamic_cast<Tf_Resultats*>(f->Enfant);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->TrackBar1->Max(), 3);
    kit::GrabToPng(f.get(), "resultats_apres_options");
    Commande(*f, 40);
    EXPECT_EQ(c->Journee(4), nullptr);
    RepondBoite(mrOk);
    Commande(*f, 7);
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(NomFichierCourant, "", "", nullptr, TousSports, etat, true);
    ASSERT_TRUE(relu);
    const TDonneesChampionnat* rc = relu->Arbre().ChampionnatParCode(c->CodeChamp);
    ASSERT_NE(rc, nullptr);
    EXPECT_EQ(rc->NbJour(), 3);
    EXPECT_EQ(rc->Journee(4), nullptr);
    TermineFenetre(f);
}

// The team sheet, the history window and a match sheet page stay shown,
// on what they showed, through an options change; no dialog comes.
TEST(OptionsVues, AnOptionsChangeKeepsTheViewShown)
{
    (void)pagesInscrites;
    Prepare("gardees_vues");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_NE(TapeJournee(*f, 1, {{"2", "1"}, {"1", "1"}}), nullptr);
    c->SetOption(8, 124);
    f->Reponses = {mrYes};
    Commande(*f, 192);
    ASSERT_EQ(f->Stats->Nombre(), 1);

    struct TVue
    {
        const char* Nom;
        std::function<void()> Ouvre;
        std::function<int()> Etat;   // what the view shows
    } vues[] = {
        {"team sheet",
         [&] {
             int p = 2;
             f->MenuDispatch("", 121, nullptr, p, true);
         },
         [&] { return dynamic_cast<Tf_StatEquipe*>(f->Enfant) ? dynamic_cast<Tf_StatEquipe*>(f->Enfant)->Equipe() : -1; }},
        {"history",
         [&] {
             Quand<Tf_ChoixHistorique>([](Tf_ChoixHistorique* d) {
                 d->lb_Choix->SetItemIndex(0);
                 d->bc_Choisir->Click();
             });
             Commande(*f, 200);
         },
         [&] {
             auto* h = dynamic_cast<Tf_Historique*>(f->Enfant);
             return h ? 100 * h->IndexHistorique() + h->Mode() : -1;
         }},
        {"scorers page",
         [&] {
             Commande(*f, 14);
             if (auto* p = dynamic_cast<Tf_InfoMatchCadreBase*>(f->Enfant))
                 p->UpDown1->ClickButton(btNext);
         },
         [&] {
             auto* p = dynamic_cast<Tf_InfoMatchCadreBase*>(f->Enfant);
             return p ? p->MatchCourant : -1;
         }},
    };
    int points = 4;
    for (const TVue& v : vues) {
        SCOPED_TRACE(v.Nom);
        v.Ouvre();
        kit::Process(20);
        ASSERT_NE(f->Enfant, nullptr);
        const std::string classe = Classe(f->Enfant);
        const int etat = v.Etat();
        EXPECT_GE(etat, 0);
        Quand<Tf_Option>([&](Tf_Option* o) {
            Tape(o->UpDown1, ++points);
            kit::Click(o->b_Valider);
        });
        std::vector<std::string> dialogues;
        RefuseDialogues(dialogues);
        Commande(*f, 176);
        kit::Process(20);
        kit::ForgetModalActions();
        EXPECT_EQ(c->Option(4), points);
        EXPECT_TRUE(dialogues.empty()) << ::testing::PrintToString(dialogues);
        ASSERT_NE(f->Enfant, nullptr);
        EXPECT_EQ(Classe(f->Enfant), classe);
        EXPECT_EQ(v.Etat(), etat);
        EXPECT_TRUE(f->p_FondAffiche->Visible());
        kit::GrabToPng(f.get(), std::string("vue_apres_options_") + v.Nom);
    }
    ModifSaison = 0;
    TermineFenetre(f);
}

// Right after command 5 the other championship is chosen in the tree: its
// view is the start page, no dialog opens.
TEST(OptionsVues, AChampionshipChosenRightAfterANewSeasonOpensNoDialog)
{
    Prepare("gardees_apres_creation");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    ASSERT_NE(f->Saison, nullptr);
    const auto champs = f->Saison->Arbre().ListeChampionnats();
    ASSERT_EQ(champs.size(), 2u);
    for (int fois = 0; fois < 2; ++fois) {
        const TDonneesChampionnat* autre =
            champs[0] == f->Saison->ChampionnatCourant() ? champs[1] : champs[0];
        TTreeNode* n = Noeud(*f, static_cast<intptr_t>(autre->CodeChamp) << 16);
        ASSERT_NE(n, nullptr);
        std::vector<std::string> dialogues;
        RefuseDialogues(dialogues);
        Choisit(*f, n);
        kit::Process(20);
        kit::ForgetModalActions();
        EXPECT_TRUE(dialogues.empty()) << ::testing::PrintToString(dialogues);
        EXPECT_EQ(f->Saison->ChampionnatCourant(), autre);
    }
    TermineFenetre(f);
}

// A championship code of 66000 (personal code 65000; the file keeps 16 bits
// of it): the file made by command 192 is found after a restart and takes the
// next season.
TEST(OptionsVues, HistoryFileOfALargePersonalCodeFoundAfterARestart)
{
    const std::string dir = Prepare("gardees_historique");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_EQ(c->Division, 0);
    ASSERT_NE(TapeJournee(*f, 1, {{"2", "1"}, {"1", "1"}}), nullptr);
    // A personal code the championship cannot keep is refused first.
    std::vector<std::string> refus;
    Quand<Tf_Option>([&](Tf_Option* o) {
        ASSERT_TRUE(o->e_CodePerso->Visible());
        for (const char* code : {"66000", "65000"}) {
            o->e_CodePerso->SetFocus();
            o->e_CodePerso->SelectAll();
            kit::Type(o->e_CodePerso, code);
            if (refus.empty())
                RepondBoite(mrOk, &refus);
            kit::Click(o->b_Valider);
            kit::Process();
        }
    });
    Commande(*f, 176);
    EXPECT_EQ(refus, (std::vector<std::string>{TraduireFormat(3751, {std::string("66000")})}));
    ASSERT_EQ(c->CodePerso, 65000);
    ASSERT_EQ(c->CodeDivision(), 66000);
    c->SetOption(8, 123);
    f->Reponses = {mrYes};
    Commande(*f, 192);
    EXPECT_EQ(f->Messages, (std::vector<std::string>{Traduire(1615), Traduire(1616)}));
    RepondBoite(mrOk);
    Commande(*f, 7);
    const std::string saison = NomFichierCourant;
    const int32_t code = c->CodeChamp;
    TermineFenetre(f);

    f = LanceFenetre();
    ASSERT_EQ(f->Stats->Nombre(), 1);
    TStat* stat = f->Stats->ChercheStat(66000, 0);
    ASSERT_NE(stat, nullptr);
    f->OpenFile(saison);
    ASSERT_TRUE(f->Saison);
    ASSERT_TRUE(f->Saison->SelectionneChampionnat(code));
    c = f->Saison->ChampionnatCourant();
    c->SetOption(8, 124);
    f->Messages.clear();
    Commande(*f, 192);
    EXPECT_EQ(f->Messages, (std::vector<std::string>{Traduire(1616)}));
    EXPECT_EQ(stat->NombreSaisons(), 2);
    TStats relus;
    relus.ChargeDossier(MakePath(dir, "stats"));
    ASSERT_EQ(relus.Nombre(), 1);
    ASSERT_NE(relus.ChercheStat(66000, 0), nullptr);
    EXPECT_EQ(relus.ChercheStat(66000, 0)->NombreSaisons(), 2);
    ModifSaison = 0;
    TermineFenetre(f);
}

// Score boxes by keyboard: a leading 0 stays on Enter, Tab and a click
// elsewhere, and gives way to a digit; Ctrl+A selects what the box holds.
TEST(ResultatsClavier, ZeroThenEnterStoresZeroAndCtrlASelects)
{
    Prepare("gardees_zero");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_TRUE(Commande(*f, 13));
    auto* r = dynamic_cast<Tf_Resultats*>(f->Enfant);
    ASSERT_NE(r, nullptr);
    for (int k = 0; k < 4; ++k)
        ChoisitEquipe(*r);
    struct
    {
        std::vector<std::string> Touches;   // "\r" Enter, "\t" Tab, "^A" Ctrl+A, "clic" a click on the track bar
        const char* Domicile;
        const char* Exterieur;
    } cas[] = {
        {{"0", "\r", "1", "\r"}, "0", "1"},
        {{"0", "\t", "0", "\t"}, "0", "0"},
        {{"0", "2", "\r", "0", "clic"}, "2", "0"},
        {{"3", "^A", "5", "\r", "0", "^A", "\r"}, "5", "0"},
        {{"1", "2", "^A", "\b", "4", "\r", "7", "\r"}, "4", "7"},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(::testing::PrintToString(k.Touches));
        for (TEditRond* e : {r->Ligne(0).ScoreDomicile, r->Ligne(0).ScoreExterieur})
            e->SetText("");
        r->Ligne(0).ScoreDomicile->SetFocus();
        kit::Process();
        for (const std::string& t : k.Touches) {
            if (t == "\r" || t == "\t")
                kit::PressKey(nullptr, t == "\r" ? VK_RETURN : VK_TAB);
            else if (t == "\b")
                kit::PressKey(nullptr, VK_BACK);
            else if (t == "^A")
                kit::PressKey(nullptr, 'A', ssCtrl);
            else if (t == "clic")
                kit::Click(r->TrackBar1, 2, 2);
            else
                kit::Type(nullptr, t);
            kit::Process();
        }
        EXPECT_EQ(r->Ligne(0).ScoreDomicile->Text(), k.Domicile);
        EXPECT_EQ(r->Ligne(0).ScoreExterieur->Text(), k.Exterieur);
    }
    // "0" then Enter reaches the championship: the match is played 0-1.
    for (TEditRond* e : {r->Ligne(0).ScoreDomicile, r->Ligne(0).ScoreExterieur})
        e->SetText("");
    r->Ligne(0).ScoreDomicile->SetFocus();
    kit::Type(nullptr, "0");
    kit::PressKey(nullptr, VK_RETURN);
    kit::Type(nullptr, "1");
    kit::PressKey(nullptr, VK_RETURN);
    kit::Process();
    kit::GrabToPng(f.get(), "resultats_zero_entree");
    Commande(*f, 40);
    const TInfoComp* m = c->Match(1, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Score(0), 0);
    EXPECT_EQ(m->Score(1), 1);
    ModifSaison = 0;
    TermineFenetre(f);
}

// Rows typed keep the order the user left them in: to another matchday and
// back, to another view and back.
TEST(ResultatsClavier, RowsKeepTheirOrderBetweenVisits)
{
    Prepare("gardees_ordre");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    auto* r = TapeJournee(*f, 1, {{"1", "2"}, {"4", "1"}});
    ASSERT_NE(r, nullptr);
    auto lignes = [&] {
        auto* p = dynamic_cast<Tf_Resultats*>(f->Enfant);
        std::vector<std::string> v;
        for (int k = 0; p && k < p->NbLignes(); ++k)
            v.push_back(p->Ligne(k).Domicile->Text() + " " + p->Ligne(k).ScoreDomicile->Text() + "-" +
                        p->Ligne(k).ScoreExterieur->Text() + " " + p->Ligne(k).Exterieur->Text());
        return v;
    };
    const std::vector<std::string> tapees = lignes();
    ASSERT_EQ(tapees.size(), 2u);
    for (int visite = 0; visite < 2; ++visite) {
        r->TrackBar1->SetPosition(2);
        r->TrackBar1->SetPosition(1);
        EXPECT_EQ(lignes(), tapees);
        Commande(*f, 40);
        Commande(*f, 13);
        r = dynamic_cast<Tf_Resultats*>(f->Enfant);
        ASSERT_NE(r, nullptr);
        r->TrackBar1->SetPosition(1);
        EXPECT_EQ(lignes(), tapees);
    }
    ModifSaison = 0;
    TermineFenetre(f);
}

// Views saved as HTML into a folder that does not exist: the page says so and
// offers the choice of the file again; the second choice is written (with its
// picture beside it where the page shows one).
TEST(VuesHtml, AFailedWriteIsSaidAndTheFileAskedAgain)
{
    Prepare("gardees_html");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    ASSERT_NE(TapeJournee(*f, 1, {{"2", "1"}, {"1", "1"}}), nullptr);
    struct
    {
        const char* Nom;
        int Commande;
        int Parametre;
    } vues[] = {
        {"team sheet, results", 121, 1},   {"team sheet, goals", 124, 1},   {"team sheet, players", 125, 1},
        {"team sheet, attendance", 128, 1}, {"comparison", 153, -1},       {"comparison, points", 155, -1},
        {"results page", 13, -1},
    };
    const std::string absente = MakePath(kit::OutputDir(), "absent/page.htm");
    for (const auto& v : vues) {
        SCOPED_TRACE(v.Nom);
        int p = v.Parametre;
        f->MenuDispatch("", static_cast<uint32_t>(v.Commande), nullptr, p, true);
        kit::Process(20);
        ASSERT_NE(f->Enfant, nullptr);
        if (!Noeud(*f, 182))
            continue;   // no HTML for this page
        const std::string ecrite = MakePath(kit::OutputDir(), std::string("html_") + IntToStr(v.Commande) + ".htm");
        DeleteFile(ecrite);
        std::vector<std::string> proposes;
        kit::AnswerDialogs([&](TCommonDialog& d) {
            auto& s = dynamic_cast<TSaveDialog&>(d);
            proposes.push_back(s.FileName);
            s.FileName = proposes.size() == 1 ? absente : ecrite;
            return proposes.size() <= 2;
        });
        f->Messages.clear();
        Commande(*f, 182);
        kit::ResetAnswers();
        EXPECT_EQ(f->Messages, (std::vector<std::string>{TraduireFormat(3413, {absente})}));
        EXPECT_EQ(proposes.size(), 2u);
        EXPECT_TRUE(FileExists(ecrite));
        std::string page;
        ReadFileBytes(ecrite, page);
        const size_t img = page.find("<img src=\"");
        if (img != std::string::npos) {
            const size_t fin = page.find('"', img + 10);
            EXPECT_TRUE(FileExists(MakePath(kit::OutputDir(), page.substr(img + 10, fin - img - 10))));
        }
    }
    ModifSaison = 0;
    TermineFenetre(f);
}

// The windows touched here in the English interface: the ranking page of the
// options with a refused code and its message, the results page with a score
// selected by Ctrl+A, the team sheet kept through an options change, the
// scorers and line-ups pages.
TEST(InterfaceAnglaise, WindowsTouchedSpeakEnglish)
{
    (void)pagesInscrites;
    const std::string dir = Prepare("gardees_anglais");
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", "en");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    ASSERT_NE(f->Saison, nullptr);
    auto* r = TapeJournee(*f, 1, {{"1", "2"}, {"4", "1"}});
    ASSERT_NE(r, nullptr);
    r->Ligne(1).ScoreDomicile->SetFocus();
    kit::PressKey(nullptr, 'A', ssCtrl);
    kit::Process();
    kit::GrabToPng(f.get(), "resultats_ctrl_a_en");

    std::vector<std::string> messages;
    Quand<Tf_Option>([&](Tf_Option* o) {
        o->PageControl1->SetActivePage(o->ts_Classement);
        o->Edit12->SetFocus();
        kit::PressKey(o->Edit12, 'A', ssCtrl);
        // "b" names no football criterion: refused as it is typed.
        kit::WhenModal([&](TForm* m) {
            if (auto* b = dynamic_cast<Tf_MessageUtil*>(m)) {
                messages.push_back(b->Label1->Caption());
                kit::GrabToPng(m, "options_code_refuse_en");
            }
            m->SetModalResult(mrOk);
        });
        kit::Type(o->Edit12, "bac");
        kit::Process();
        kit::ForgetModalActions();
        EXPECT_EQ(o->Edit12->Text(), "ac");
        kit::GrabToPng(o, "options_criteres_en");
        Tape(o->UpDown1, 4);
        kit::Click(o->b_Valider);
    });
    int p = 2;
    f->MenuDispatch("", 121, nullptr, p, true);
    Commande(*f, 226);
    kit::Process(20);
    EXPECT_EQ(messages, (std::vector<std::string>{TraduireFormat(3750, {std::string("b")})}));
    EXPECT_EQ(messages.front().find("code"), 4u);   // "The code ..."
    ASSERT_NE(dynamic_cast<Tf_StatEquipe*>(f->Enfant), nullptr);
    kit::GrabToPng(f.get(), "fiche_equipe_apres_options_en");
    for (int commande : {14, 15}) {
        ASSERT_TRUE(Commande(*f, commande));
        kit::GrabToPng(f.get(), "feuille_" + IntToStr(commande) + "_en");
    }
    ModifSaison = 0;
    TermineFenetre(f);
}

// A counter of the options typed over and emptied, or left with a lone "-",
// is named when OK is pressed (with its bounds), its page shown and its box
// given the focus; nothing is stored, never the number it held before. The
// number typed then is stored.
TEST(OptionsCompteursSaisis, AnEmptiedCounterIsNamedNeverStoredAsItWas)
{
    Prepare("options_compteur_vide");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    ASSERT_NE(f->Saison, nullptr);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    c->SetOption(15, -3);
    std::vector<std::string> messages;
    Quand<Tf_Option>([&](Tf_Option* o) {
        auto* e = static_cast<TEdit*>(o->ud_forfait->Associate());
        ASSERT_EQ(e->Text(), "-3");
        for (const char* saisi : {"\b", "-"}) {
            SCOPED_TRACE(saisi);
            o->PageControl1->SetActivePage(o->ts_Generaux);
            e->SetFocus();
            e->SelectAll();
            kit::Type(e, saisi);
            o->PageControl1->SetActivePage(o->ts_Tranche);
            RepondBoite(mrOk, &messages);
            kit::Click(o->b_Valider);
            kit::Process();
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0], TraduireFormat(5003, {-9, 9}));
            messages.clear();
            EXPECT_EQ(o->ModalResult(), mrNone);
            EXPECT_EQ(o->PageControl1->ActivePage(), o->ts_Generaux);
            EXPECT_EQ(static_cast<int16_t>(c->Option(15)), -3);
        }
        kit::GrabToPng(o, "options_compteur_vide");
        kit::Type(e, "-2");
        EXPECT_EQ(e->Text(), "-2");
        RepondBoite(mrOk, &messages);
        kit::Click(o->b_Valider);
        kit::Process();
        EXPECT_EQ(messages, std::vector<std::string>());
        EXPECT_EQ(o->ModalResult(), mrOk);
    });
    Commande(*f, 176);
    kit::Process(20);
    EXPECT_EQ(static_cast<int16_t>(c->Option(15)), -2);
    ModifSaison = 0;
    TermineFenetre(f);
}

// A counter keeps what it shows: a figure typed past its bounds is refused
// at the key that takes it past them, a paste past them or past the box's
// length is refused whole, each with the bounds said; what the box shows
// then is what OK stores, and what the reopened file holds. The forfeit
// points (-9..9) of the options, the auto-save minutes (1..255, three
// characters), in French and in English.
TEST(OptionsCompteursSaisis, AFigurePastItsBoundsIsRefusedNeverStoredAsAnother)
{
    enum TBoite { Forfait, Minutes };
    const struct
    {
        TBoite boite;
        const char* saisi;
        bool colle;
        const char* montre;   // what the box shows, then stores
    } cas[] = {
        {Forfait, "25", false, "2"},        {Forfait, "25", true, "-3"},     {Forfait, "-40", false, "-4"},
        {Minutes, "16 000", true, "10"},    {Minutes, "1000", true, "10"},   {Minutes, "1000", false, "100"},
    };
    for (const char* langue : {"fr", "en"})
        for (const auto& k : cas) {
            SCOPED_TRACE(std::string(langue) + (k.boite == Forfait ? " forfeit " : " minutes ") + k.saisi +
                         (k.colle ? " pasted" : " typed"));
            const std::string dir = Prepare(std::string("options_bornes_") + langue);
            TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", langue);
            auto f = LanceFenetre();
            CreeSaison(*f, 0);
            ASSERT_NE(f->Saison, nullptr);
            TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
            c->SetOption(15, -3);
            f->Saison->SetOptionSauvegarde(0, 10);
            f->SignaleModification();
            std::vector<std::string> messages;
            auto saisit = [&](TForm* o, TUpDown* u, TControl* ok) {
                auto* e = static_cast<TEdit*>(u->Associate());
                e->SetFocus();
                e->SelectAll();
                kit::Refusals().clear();
                if (k.colle)
                    kit::Paste(e, k.saisi);
                else
                    kit::TypeKeys(e, k.saisi);
                EXPECT_EQ(e->Text(), k.montre);
                EXPECT_FALSE(kit::Refusals().empty());
                for (const kit::Refusal& r : kit::Refusals()) {
                    EXPECT_EQ(r.box, e);
                    EXPECT_EQ(r.reason, TraduireFormat(5003, {u->Min, u->Max}));
                }
                kit::GrabToPng(o, std::string("compteur_borne_") + langue);
                RepondBoite(mrOk, &messages);
                kit::Click(ok);
                kit::Process();
                EXPECT_EQ(o->ModalResult(), mrOk);
            };
            if (k.boite == Forfait) {
                Quand<Tf_Option>([&](Tf_Option* o) {
                    o->PageControl1->SetActivePage(o->ts_Generaux);
                    saisit(o, o->ud_forfait, o->b_Valider);
                });
                Commande(*f, 176);
            } else {
                Quand<Tf_OptionSauve>([&](Tf_OptionSauve* o) { saisit(o, o->ud_TempsAuto, o->b_Valider); });
                Commande(*f, 178);
            }
            kit::Process(20);
            EXPECT_EQ(messages, std::vector<std::string>());
            kit::ForgetModalActions();
            auto garde = [&](const TSaison& s) {
                return k.boite == Forfait ? static_cast<int16_t>(s.ChampionnatCourant()->Option(15))
                                          : s.OptionSauvegarde(0);
            };
            EXPECT_EQ(garde(*f->Saison), StrToInt(k.montre));
            auto relue = SauveFermeRelit(f);
            ASSERT_NE(relue, nullptr);
            EXPECT_EQ(garde(*relue), StrToInt(k.montre));
        }
}
