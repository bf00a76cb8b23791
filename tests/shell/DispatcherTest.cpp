// The command dispatcher: every command id reaches its window or action (or
// tells that its window is not available yet); the history of visited views;
// previous and next championship; the main window grabbed with a season open.
#include <gtest/gtest.h>

#include "model/MultiSport.h"

#include "model/Championnat.h"
#include "model/oTraducteur.h"
#include "platform/gui/ActnList.h"
#include "platform/gui/ComCtrls.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/WinInet.h"
#include "shell/Aide.h"
#include "shell/Commandes.h"
#include "platform/gui/GuiPrivate.h"
#include "platform/gui/Printers.h"
#include "tests/shell/HorsLigne.h"
#include "tests/shell/SaisonEssai.h"
#include "views/w_Classement.h"
#include "views/w_DiversStat.h"
#include "views/w_Statistique.h"

using namespace essai;

namespace {

class Dispatcher : public essai::THorsLigne<>
{
};

// The standings mode a command shows, 0 for other commands.
int ModeClassement(int c)
{
    if (c >= 40 && c <= 45)
        return c - 39;
    if (c == 62 || c == 63)
        return c - 55;
    if (c == 64 || c == 65)
        return c - 34;
    if (c >= 46 && c <= 51)
        return c - 6;
    if (c >= 52 && c <= 61)
        return 50 + 2 * (c - 52);
    if (c >= 234 && c <= 237)
        return 70 + 2 * (c - 234);
    if (c >= 137 && c <= 142)
        return 100 + 3 * (c - 137);
    return 0;
}

TOwned<FenetreEssai> OuvreSaison(const std::string& nom, int sport = 0)
{
    const std::string dir = Prepare(nom);
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/" + nom + ".xmc"), sport);
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    EXPECT_TRUE(f->Saison);
    return f;
}

}  // namespace

TEST_F(Dispatcher, EveryCommandRoutes)
{
    auto f = OuvreSaison("routes");
    ASSERT_TRUE(f->Saison);
    const std::string nonDisponible = Traduire(TexteVueNonDisponible);
    ASSERT_FALSE(nonDisponible.empty());
    int classements = 0, autres = 0;
    for (int c = PremiereCommande; c <= DerniereCommandeMenu; ++c)
    {
        SCOPED_TRACE("command " + std::to_string(c));
        if (c == 12 || c == 9 || c == 181)
            continue;   // closing the window or the season, printing: below
        std::vector<std::string> vus;
        auto modal = [&vus](TForm* m) {
            vus.push_back(m->Name());
            m->SetModalResult(mrCancel);
        };
        // The first matchday page of a run gets its matchday; the next ones remember it.
        if (c == 26)
            kit::WhenModal([&vus](TForm* m) {
                vus.push_back(m->Name());
                m->SetModalResult(1);
            });
        // Whatever dialog a command opens is cancelled (a few in a row at most).
        for (int k = 0; k < 3; ++k)
            kit::WhenModal(modal);
        f->Messages.clear();
        // The update check says it cannot reach the site.
        if (c == 11)
            kit::AnswerMessages({mrOk});
        const size_t dialogues = kit::Dialogs().size();
        int p = -1;
        const bool selection = f->MenuDispatch("", static_cast<uint32_t>(c), nullptr, p, true);
        kit::Process();
        kit::ForgetModalActions();
        ASSERT_TRUE(f->Saison);
        // No command answers that its window is not available.
        EXPECT_EQ(std::count(f->Messages.begin(), f->Messages.end(), nonDisponible), 0) << c;
        if (const int mode = ModeClassement(c))
        {
            ++classements;
            auto* cl = dynamic_cast<Tf_Classement*>(f->Enfant);
            ASSERT_NE(cl, nullptr);
            EXPECT_EQ(cl->CodeType(), mode - 1);
            EXPECT_EQ(cl->Tag, mode - 1);   // a league
            EXPECT_TRUE(f->p_FondAffiche->Visible());
            EXPECT_TRUE(f->Messages.empty());
            EXPECT_TRUE(selection);
            EXPECT_EQ(f->PointCourant.Commande, c);
        }
        else
        {
            ++autres;
            // 192 asks before creating a history file (answered no); 194
            // says the season has no play-off
            EXPECT_EQ(f->Messages.size(), c == 192 || c == 194 ? 1u : 0u);
            if (c == 178) {
                EXPECT_EQ(vus, (std::vector<std::string>{"f_OptionSauve"}));
            }
            if (c == 179) {
                EXPECT_EQ(vus, (std::vector<std::string>{"f_ChoixLangue"}));
            }
            if (c == 180) {
                EXPECT_EQ(vus, (std::vector<std::string>{"f_OptionInternet"}));
            }
            if (c == 197) {
                EXPECT_EQ(vus.size(), 1u);
            }
            if (c == 22) {
                EXPECT_EQ(vus, (std::vector<std::string>{"f_RechercheMatch"}));
            }
            if (c == 261) {
                EXPECT_EQ(vus.size(), 1u);
            }
            if (c == 215) {
                EXPECT_EQ(vus, (std::vector<std::string>{"f_Favoris"}));
            }
            if (c == 177) {
                EXPECT_EQ(vus, (std::vector<std::string>{"f_FavorisEx"}));
            }
            if (c == 6 || c == 8 || c == 182) {
                EXPECT_EQ(kit::Dialogs().size(), dialogues + 1);
            }
            if ((c >= 26 && c <= 32) || (c >= 35 && c <= 38) || c == 21 || c == 24 || c == 151 || c == 157 ||
                (c >= 161 && c <= 169) || c == 171) {
                EXPECT_NE(dynamic_cast<Tf_DiversStat*>(f->Enfant), nullptr);
                EXPECT_EQ(vus, c == 26 ? std::vector<std::string>{"f_ChoixJournee"}
                                                  : std::vector<std::string>{});
            }
            if (c == 158 || c == 159 || c == 160) {
                EXPECT_NE(dynamic_cast<Tf_Statistique*>(f->Enfant), nullptr);
            }
            if (c == 228) {
                EXPECT_FALSE(f->MenuSimple);
            }
            if (c == 229) {
                EXPECT_TRUE(f->MenuSimple);
            }
            if (CommandeSansAction(c)) {
                EXPECT_TRUE(selection);
            }
        }
    }
    EXPECT_EQ(classements, 36);
    EXPECT_GT(autres, 30);
    // Closing the season.
    Commande(*f, 9);
    EXPECT_FALSE(f->Saison);
    EXPECT_TRUE(f->Historique.empty());
    EXPECT_FALSE(f->sb_Back->Enabled());
    TermineFenetre(f);
}

TEST_F(Dispatcher, HistoryFlagsAndRememberedParameters)
{
    auto f = OuvreSaison("drapeaux");
    ASSERT_TRUE(f->Saison);
    // A caption with "..." makes no record and changes nothing.
    ASSERT_TRUE(Commande(*f, 40));
    EXPECT_FALSE(Commande(*f, 41, "Choisir..."));
    EXPECT_EQ(f->PointCourant.Commande, 40);
    EXPECT_TRUE(f->Historique.empty());
    // A command without an action is a navigation point of its own.
    EXPECT_TRUE(Commande(*f, 120));
    EXPECT_EQ(f->PointCourant.Commande, 120);
    ASSERT_EQ(f->Historique.size(), 1u);
    EXPECT_EQ(f->Historique[0].Commande, 40);
    EXPECT_EQ(f->DerniereCommande, 120);
    // The remembered parameters: a view command forgets them.
    f->ParametresMemorises[0] = 3;
    f->ParametresMemorises[1] = 5;
    f->ParametresMemorises[2] = 7;
    Commande(*f, 42);
    EXPECT_EQ(f->ParametresMemorises[0], -1);
    EXPECT_EQ(f->ParametresMemorises[1], -1);
    EXPECT_EQ(f->ParametresMemorises[2], -1);
    // Groups select and do nothing; a recent file and a championship do not select.
    EXPECT_TRUE(Commande(*f, 3));
    EXPECT_EQ(f->PointCourant.Commande, 42);
    EXPECT_FALSE(Commande(*f, (9 << 16) + 65535));
    TermineFenetre(f);
}

TEST_F(Dispatcher, BackAndForwardWalkTheHistory)
{
    auto f = OuvreSaison("historique");
    ASSERT_TRUE(f->Saison);
    for (int c : {40, 41, 42})
        ASSERT_TRUE(Choisit(*f, Noeud(*f, c)));
    EXPECT_EQ(f->Historique.size(), 2u);
    EXPECT_TRUE(f->sb_Back->Enabled());
    EXPECT_TRUE(f->Precedent->Enabled());
    EXPECT_FALSE(f->sb_Forward->Enabled());

    kit::Click(f->sb_Back);
    EXPECT_EQ(f->PointCourant.Commande, 41);
    auto* cl = dynamic_cast<Tf_Classement*>(f->Enfant);
    ASSERT_NE(cl, nullptr);
    EXPECT_EQ(cl->CodeType(), 1);
    EXPECT_EQ(f->tv_Menu->Selected(), Noeud(*f, 41));
    EXPECT_EQ(f->Historique.size(), 1u);
    EXPECT_EQ(f->HistoriqueSuivant.size(), 1u);
    EXPECT_TRUE(f->sb_Forward->Enabled());
    f->Precedent->Execute();   // F2
    EXPECT_EQ(f->PointCourant.Commande, 40);
    EXPECT_FALSE(f->sb_Back->Enabled());
    f->Suivant->Execute();     // F3
    kit::Click(f->sb_Forward);
    EXPECT_EQ(f->PointCourant.Commande, 42);
    EXPECT_EQ(dynamic_cast<Tf_Classement*>(f->Enfant)->CodeType(), 2);
    EXPECT_FALSE(f->sb_Forward->Enabled());
    // A new command empties the forward list.
    kit::Click(f->sb_Back);
    Commande(*f, 43);
    EXPECT_TRUE(f->HistoriqueSuivant.empty());

    // Eleven view commands keep ten records.
    for (int i = 0; i < 11; ++i)
        Commande(*f, 40 + i % 6);
    EXPECT_EQ(f->Historique.size(), 10u);
    TermineFenetre(f);
}

TEST_F(Dispatcher, PreviousAndNextChangeTheChampionshipAndShowTheSameView)
{
    auto f = OuvreSaison("championnats");
    ASSERT_TRUE(f->Saison);
    ASSERT_TRUE(Choisit(*f, Noeud(*f, 41)));
    ASSERT_EQ(f->Saison->ChampionnatCourant()->CodeChamp, 1);
    EXPECT_EQ(f->l_Titre->Caption(), "France : Division 1");

    kit::Click(f->sb_ChampPrec);   // the first one: nothing
    EXPECT_EQ(f->Saison->ChampionnatCourant()->CodeChamp, 1);

    kit::Click(f->sb_ChampSuiv);
    EXPECT_EQ(f->Saison->ChampionnatCourant()->CodeChamp, 2);
    EXPECT_EQ(f->l_Titre->Caption(), "France : Division 2");
    auto* cl = dynamic_cast<Tf_Classement*>(f->Enfant);
    ASSERT_NE(cl, nullptr);
    EXPECT_EQ(cl->CodeType(), 1);   // the home table again
    EXPECT_EQ(f->PointCourant.Championnat, 2);
    EXPECT_EQ(f->tv_Menu->Selected(), Noeud(*f, 41));
    kit::Click(f->sb_ChampSuiv);   // the last one: nothing
    EXPECT_EQ(f->Saison->ChampionnatCourant()->CodeChamp, 2);

    // Back to a record of the other championship switches it first.
    Commande(*f, 44);
    const size_t arriere = f->Historique.size();
    kit::Click(f->sb_Back);
    EXPECT_EQ(f->PointCourant.Commande, 41);
    EXPECT_EQ(f->Saison->ChampionnatCourant()->CodeChamp, 2);
    kit::Click(f->sb_Back);
    EXPECT_EQ(f->Saison->ChampionnatCourant()->CodeChamp, 1);
    EXPECT_EQ(f->PointCourant.Commande, 41);
    EXPECT_EQ(f->PointCourant.Championnat, 1);
    EXPECT_EQ(f->Historique.size(), arriere - 2);
    EXPECT_EQ(f->HistoriqueSuivant.size(), 2u);
    EXPECT_EQ(f->l_Titre->Caption(), "France : Division 1");

    // A championship node of the tree, and the popup of the buttons.
    EXPECT_FALSE(Choisit(*f, Noeud(*f, 2 << 16)));
    EXPECT_EQ(f->Saison->ChampionnatCourant()->CodeChamp, 2);
    EXPECT_EQ(f->l_Titre->Caption(), "France : Division 2");
    f->PopupMenu1->Items()->Items(0)->Items(0)->Click();
    EXPECT_EQ(f->Saison->ChampionnatCourant()->CodeChamp, 1);
    TermineFenetre(f);
}

// A championship change shows the last view again, never a dialog: the
// composition window and the categories, chosen from the tree after a view,
// are not opened again; the view is shown for the new championship. Nor is
// any command that opens a dialog or acts without changing the view (a new
// season or a file not chosen, the match search, the club card, the history
// file, the about box, help, the designs) the view to show again or to
// refresh.
TEST_F(Dispatcher, AChampionshipChangeShowsTheLastViewAgainNotADialog)
{
    auto f = OuvreSaison("derniere");
    ASSERT_TRUE(f->Saison);
    for (int dialogue : {193, 227, 5, 6, 8, 22, 131, 192, 197, 198, 261}) {
        SCOPED_TRACE(dialogue);
        Choisit(*f, Noeud(*f, 40));
        ASSERT_NE(dynamic_cast<Tf_Classement*>(f->Enfant), nullptr);
        std::vector<std::string> modales;
        auto note = [&modales](TForm* m) {
            modales.push_back(Classe(m));
            m->SetModalResult(mrCancel);
        };
        for (int k = 0; k < 2; ++k)
            kit::WhenModal(note);
        f->Reponses = {mrNo};
        // The others as a favourite's shortcut runs them, without the "..."
        // of their entry's caption.
        TTreeNode* n = dialogue == 193 || dialogue == 227 ? Noeud(*f, dialogue) : nullptr;
        if (n)
            Choisit(*f, n);
        else
            Commande(*f, dialogue);
        kit::Process();
        kit::ForgetModalActions();
        if (dialogue == 193 || dialogue == 227)
            ASSERT_EQ(modales.size(), 1u);
        modales.clear();
        EXPECT_EQ(f->PointCourant.Commande, 40);
        EXPECT_EQ(f->DerniereCommande, 40);
        // To the other championship and back: no dialog comes.
        for (int code : {2, 1}) {
            kit::WhenModal(note);
            Choisit(*f, Noeud(*f, code << 16));
            kit::Process();
            EXPECT_EQ(f->Saison->ChampionnatCourant()->CodeChamp, code);
            EXPECT_NE(dynamic_cast<Tf_Classement*>(f->Enfant), nullptr) << code;
            EXPECT_EQ(kit::ForgetModalActions(), 1u) << code;
        }
        EXPECT_TRUE(modales.empty()) << modales.front();
    }
    ModifSaison = 0;
    TermineFenetre(f);
}

TEST_F(Dispatcher, ChildWindowAskingForACommandIsKeptWhileItRuns)
{
    auto f = OuvreSaison("garde");
    ASSERT_TRUE(f->Saison);
    ASSERT_TRUE(Commande(*f, 40));
    auto* cl = dynamic_cast<Tf_Classement*>(f->Enfant);
    ASSERT_NE(cl, nullptr);
    // The standings window asks for a view that replaces it.
    f->ExecuteCommande(120, -1, false);
    EXPECT_EQ(f->Enfant, cl);
    f->ShowChild<Tf_Classement>(true, true, true);
    f->Garder = true;
    TBrivantelForm* ancien = f->Enfant;
    f->ShowChild<Tf_Classement>(true, true, true);
    f->Garder = false;
    ASSERT_EQ(f->FenetresGardees.size(), 1u);
    EXPECT_EQ(f->FenetresGardees[0], ancien);
    EXPECT_FALSE(ancien->Visible());
    // The next display frees it.
    f->FermeFenetreEnfant();
    EXPECT_TRUE(f->FenetresGardees.empty());
    kit::Process(20);
    TermineFenetre(f);
}

TEST_F(Dispatcher, PrintAndHtmlEntriesFollowTheChildWindow)
{
    auto f = OuvreSaison("entrees");
    ASSERT_TRUE(f->Saison);
    EXPECT_EQ(Noeud(*f, 181), nullptr);
    Commande(*f, 40);
    TTreeNode* impression = Noeud(*f, 181);
    TTreeNode* html = Noeud(*f, 182);
    ASSERT_NE(impression, nullptr);
    ASSERT_NE(html, nullptr);
    EXPECT_EQ(impression->Text(), Traduire(714));
    EXPECT_EQ(html->getNextSibling(), f->NoeudAide);
    EXPECT_EQ(impression->getNextSibling(), html);
    // The HTML command writes the view into the file chosen.
    const std::string page = MakePath(kit::OutputDir(), "shell_classement.htm");
    DeleteFile(page);
    kit::AnswerDialogs([&](TCommonDialog& d) {
        dynamic_cast<TSaveDialog&>(d).FileName = MakePath(kit::OutputDir(), "shell_classement");
        return true;
    });
    Commande(*f, 182);
    EXPECT_TRUE(FileExists(page));
    // Once more onto the same page: asked, and refused, left as it was.
    ASSERT_TRUE(WriteFileAtomic(page, "ancienne"));
    kit::AnswerMessages({mrNo});
    Commande(*f, 182);
    std::string octets;
    ReadFileBytes(page, octets);
    EXPECT_EQ(octets, "ancienne");
    ASSERT_EQ(kit::Messages().size(), 1u);
    EXPECT_EQ(kit::Messages()[0].Text, TraduireFormat(3404, {"shell_classement.htm"}));
    kit::ResetAnswers();
    // A page that cannot be written says so, and the file is asked again:
    // given up the second time, or written the second time elsewhere.
    const std::string absente = MakePath(kit::OutputDir(), "absent/page.htm");
    const std::string ailleurs = MakePath(kit::OutputDir(), "shell_classement_ailleurs.htm");
    for (bool ecrit : {false, true}) {
        SCOPED_TRACE(ecrit);
        DeleteFile(ailleurs);
        std::vector<std::string> proposes;
        kit::AnswerDialogs([&](TCommonDialog& d) {
            auto& s = dynamic_cast<TSaveDialog&>(d);
            proposes.push_back(s.FileName);
            if (proposes.size() > 1 && !ecrit)
                return false;
            s.FileName = proposes.size() == 1 ? absente : ailleurs;
            return true;
        });
        f->Messages.clear();
        Commande(*f, 182);
        kit::ResetAnswers();
        EXPECT_EQ(f->Messages, (std::vector<std::string>{TraduireFormat(3413, {absente})}));
        ASSERT_EQ(proposes.size(), 2u);
        EXPECT_EQ(proposes[1], absente);   // the choice offered again as it was
        EXPECT_EQ(FileExists(ailleurs), ecrit);
    }

    // Printing without a printer: the user names the PDF, proposed in the
    // documents folder under the view's title, and is told it is written.
    if (TPrinter::Printers().empty())
    {
        const std::string pdf = MakePath(kit::OutputDir(), "shell_classement.pdf");
        DeleteFile(pdf);
        std::string propose, dossier, titre;
        kit::AnswerDialogs([&](TCommonDialog& d) {
            auto& s = dynamic_cast<TSaveDialog&>(d);
            propose = s.FileName;
            dossier = s.InitialDir;
            titre = s.Title;
            s.FileName = pdf;
            return true;
        });
        f->Messages.clear();
        Commande(*f, 181);
        kit::ResetAnswers();
        EXPECT_EQ(titre, Traduire(3406));
        EXPECT_EQ(dossier, UserDocumentsDir());
        EXPECT_EQ(propose, UserDocumentsDir() + FileNameFromText("France _ Division 1 - " + Traduire(52)) + ".pdf");
        EXPECT_TRUE(FileExists(pdf));
        EXPECT_EQ(f->Messages, (std::vector<std::string>{TraduireFormat(3407, {pdf})}));
    }
    // The start page again: the entries stay until a view withdraws them.
    f->FermeFenetreEnfant();
    EXPECT_NE(Noeud(*f, 181), nullptr);
    Commande(*f, 9);
    EXPECT_EQ(Noeud(*f, 181), nullptr);
    TermineFenetre(f);
}

// Printing without a printer, on the standings and on the team sheet: a
// PDF given up in its dialog is no error and nothing is said; a PDF that
// cannot be written is named once; one written is told. The name proposed
// keeps the accents of the view's title.
TEST_F(Dispatcher, PrintingToPdfGivenUpSaysNothingAndAFailureNamesTheFile)
{
    if (!TPrinter::Printers().empty())
        GTEST_SKIP() << "a printer is installed";
    auto f = OuvreSaison("impression");
    ASSERT_TRUE(f->Saison);
    const std::string absent = MakePath(kit::OutputDir(), "absent/impression.pdf");
    const std::string ecrit = MakePath(kit::OutputDir(), "shell_impression.pdf");
    struct Cas
    {
        const char* nom;
        std::string fichier;   // answered in the dialog, "" = cancelled
        std::vector<std::string> dits;
    };
    const Cas cas[] = {
        {"cancelled", "", {}},
        {"folder absent", absent, {TraduireFormat(3408, {absent})}},
        {"written", ecrit, {TraduireFormat(3407, {ecrit})}},
    };
    for (int vue : {40, 121})
        for (const Cas& c : cas) {
            SCOPED_TRACE(std::to_string(vue) + " " + c.nom);
            for (int k = 0; k < 3; ++k)
                kit::WhenModal([](TForm* m) { m->SetModalResult(mrOk); });
            Commande(*f, vue);
            kit::ForgetModalActions();
            ASSERT_NE(Noeud(*f, 181), nullptr);
            DeleteFile(ecrit);
            std::string propose;
            kit::ResetAnswers();
            kit::AnswerDialogs([&](TCommonDialog& d) {
                auto& s = dynamic_cast<TSaveDialog&>(d);
                propose = s.FileName;
                s.FileName = c.fichier;
                return !c.fichier.empty();
            });
            f->Messages.clear();
            // As a click runs it: what escapes goes to the application.
            guiimpl::Guard([&] { Commande(*f, 181); });
            EXPECT_EQ(f->Messages, c.dits);
            EXPECT_TRUE(kit::Messages().empty()) << kit::Messages()[0].Text;
            EXPECT_TRUE(IsUtf8(propose)) << propose;
            EXPECT_EQ(FileExists(ecrit), c.fichier == ecrit);
            kit::ResetAnswers();
        }
    TermineFenetre(f);
}

TEST_F(Dispatcher, MainWindowWithAFootballSeasonShowingTheStandings)
{
    auto f = OuvreSaison("image");
    ASSERT_TRUE(f->Saison);
    ASSERT_TRUE(Choisit(*f, Noeud(*f, 40)));
    f->tv_Menu->SetSelected(Noeud(*f, 40));
    kit::Process(50);
    const std::string png = kit::GrabToPng(f.get(), "shell_saison_classement");
    EXPECT_TRUE(FileExists(png));
    // Readable: the selected node keeps the highlight's text colour, the
    // "modified" panel its whole text.
    EXPECT_FALSE(f->tv_Menu->HideSelection);
    TCanvas& c = f->tv_Menu->Canvas();
    bool parDefaut = true;
    for (TCustomDrawState etat : {TCustomDrawState(cdsSelected), TCustomDrawState(0)})
    {
        c.Font.SetColor(clHighlightText);
        f->tv_MenuCustomDrawItem(f->tv_Menu, Noeud(*f, 40), etat, parDefaut);
        EXPECT_EQ(c.Font.Color() == clHighlightText, etat == cdsSelected);
    }
    EXPECT_GE(f->Statut->Panels(1).Width, f->Statut->Canvas().TextWidth(Traduire(18)) + 6);
    TermineFenetre(f);
}

// The situation commands and the ages: the menu names what the table shows,
// and so does the status bar, for every venue.
TEST_F(Dispatcher, SituationTablesAreNamedInTheMenuAndTheStatusBar)
{
    auto f = OuvreSaison("situations");
    ASSERT_TRUE(f->Saison);
    for (int c = 137; c <= 142; ++c)
    {
        ASSERT_NE(Noeud(*f, c), nullptr) << c;
        EXPECT_EQ(Noeud(*f, c)->Text(), Traduire(1224 + c - 137));
        Commande(*f, c);
        EXPECT_EQ(f->Statut->Panels(2).Text, Traduire(1224 + c - 137)) << c;
    }
    auto* cl = dynamic_cast<Tf_Classement*>(f->Enfant);
    ASSERT_NE(cl, nullptr);
    Commande(*f, 139);
    cl->mi_Exterieur->Click();
    EXPECT_EQ(f->Statut->Panels(2).Text, Traduire(1226) + " - " + Traduire(763));
    kit::GrabToPng(f.get(), "shell_situation_exterieur");
    TermineFenetre(f);
}

#include "records/w_ModifierEquipe.h"
#include "ui/BrivantelForm.h"
#include "views/w_ChoixJournee.h"

namespace {

// Escape from the control that has the focus, as a user presses it.
void Echappe(TForm* f, std::vector<std::string>& fermees)
{
    kit::Process();
    kit::PressKey(nullptr, VK_ESCAPE);
    kit::Process(20);
    if (f->ModalResult() == mrNone) {
        fermees.push_back("open: " + Classe(f));
        f->SetModalResult(mrOk);
    }
}

}   // namespace

// Every dialog closes on Escape as its cancel button (or its close box)
// does: the team rename dialog, the team choice and the matchday choice.
TEST_F(Dispatcher, EscapeClosesTheRenameAndChoiceDialogs)
{
    auto f = OuvreSaison("echap");
    ASSERT_TRUE(f->Saison);
    std::vector<std::string> ouvertes;
    {
        TOwned<Tf_ModifierEquipe> d(new Tf_ModifierEquipe(nullptr));
        d->ChangeCouleurs(d->Couleurs);
        d->ChangeSaison(f->Saison.get());
        EXPECT_EQ(kit::RunModal(d.get(), [&](TForm* m) { Echappe(m, ouvertes); }), mrCancel);
    }
    {
        Tf_ChoixJournee d(nullptr);
        d.ChangeCouleurs(d.Couleurs);
        d.ChangeSaison(f->Saison.get());
        d.Tag = 2;
        EXPECT_EQ(kit::RunModal(&d, [&](TForm* m) { Echappe(m, ouvertes); }), mrCancel);
        kit::GrabToPng(&d, "choix-journee-echap");
    }
    kit::WhenModal([&](TForm* m) { Echappe(m, ouvertes); });
    int equipe = 0;
    EXPECT_FALSE(TFootForm::ChoisitEquipe(f->Saison.get(), "Choix", f->Couleurs, 0, equipe));
    EXPECT_TRUE(ouvertes.empty()) << ouvertes.front();
    TermineFenetre(f);
}
