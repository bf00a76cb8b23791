// Seasons in the main window: opening through the file box, the recent files
// and the open dialog; the menu tree of each sport; saving, save as and
// auto-save; the save question; the child window's entries before a question.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/ChargeurSaison.h"
#include "model/Championnat.h"
#include "model/oTraducteur.h"
#include "platform/gui/ActnList.h"
#include "platform/gui/ComCtrls.h"
#include "platform/rtl/Streams.h"
#include "platform/gui/Menus.h"
#include "platform/rtl/Format.h"
#include "platform/sys/WinInet.h"
#include "shell/Aide.h"
#include "shell/w_AboutBox.h"
#include "tests/shell/HorsLigne.h"
#include "tests/shell/SaisonEssai.h"
#include "ui/BrivantelForm.h"
#include "ui/ChoixDesign.h"
#include "ui/ColorStringGrid.h"
#include "views/w_Classement.h"

using namespace essai;

namespace {

class SaisonFenetre : public essai::THorsLigne<>
{
};

std::vector<std::string> Enfants(TTreeNode* n)
{
    std::vector<std::string> r;
    for (int i = 0; n && i < n->Count(); ++i)
        r.push_back(n->Item(i)->Text());
    return r;
}

bool TreeContient(Tf_Principale& f, intptr_t id) { return Noeud(f, id) != nullptr; }

int64_t Taille(const std::string& f) { return static_cast<int64_t>(std::filesystem::file_size(f)); }

// A child window that keeps typed entries until it is told to commit them.
class SaisieEssai : public TBrivantelForm
{
public:
    explicit SaisieEssai(TComponent* o) : TBrivantelForm(o) { DoCreate(); }
    ~SaisieEssai() override { SaisonVivanteALaFin = f_Principale && f_Principale->Saison != nullptr; }
    bool Tape = false;
    void Valide()
    {
        if (Tape && Saison)
        {
            Saison->ChampionnatCourant()->SetOption(8, 111);
            Tape = false;
            Signale();
        }
    }
    static inline bool SaisonVivanteALaFin = false;
};

void EnregistreSaisieEssai()
{
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    Tf_Principale::EnregistreValidation([](TBrivantelForm* f) {
        auto* s = dynamic_cast<SaisieEssai*>(f);
        if (s)
            s->Valide();
        return s ? Tf_Principale::TValide::Faite : Tf_Principale::TValide::Autre;
    });
}

}  // namespace

TEST_F(SaisonFenetre, OpensThroughTheFileBoxTheRecentFilesAndTheOpenDialog)
{
    const std::string dir = Prepare("ouvre");
    const std::string foot = EcritSaison(MakePath(dir, "sauvegarde/ligue foot.xmc"), 0);
    const std::string rugby = EcritSaison(MakePath(dir, "sauvegarde/rugby.xmc"), 1);
    const std::string hand = EcritSaison(MakePath(dir, "sauvegarde/hand.xmc"), 3);
    {
        TIniFile ini(MakePath(dir, "brivantel.ini"));
        ini.WriteInteger("LastFile", "Count", 1);
        ini.WriteString("LastFile", "File0", rugby);
    }
    auto f = LanceFenetre();
    ASSERT_FALSE(f->Saison);
    // Without a season: the file, history, settings and help groups.
    std::vector<std::string> hauts;
    for (TTreeNode* n = f->tv_Menu->Items().GetFirstNode(); n; n = n->getNextSibling())
        hauts.push_back(n->Text());
    // The history of past seasons needs no season.
    EXPECT_EQ(hauts, (std::vector<std::string>{Traduire(652), Traduire(1030), Traduire(712), Traduire(729)}));
    EXPECT_TRUE(TreeContient(*f, (1 << 16) + 65535));   // the recent file

    // 1. The file box and the load button.
    f->e_NomFic->SetText(foot);
    kit::Click(f->bc_Charger);
    ASSERT_TRUE(f->Saison);
    EXPECT_EQ(f->Sport, 0);
    EXPECT_EQ(NomFichierCourant, foot);
    EXPECT_EQ(ModifSaison, 0);
    EXPECT_TRUE(f->Statut->Visible());
    EXPECT_TRUE(f->Panel5->Visible());
    EXPECT_EQ(f->Statut->Panels(2).Text, TraduireFormat(12, {foot}));
    EXPECT_EQ(f->l_Titre->Caption(), "France : Division 1");
    EXPECT_EQ(f->DerniersFichiers[0], foot);
    EXPECT_EQ(TIniFile(MakePath(dir, "brivantel.ini")).ReadString("General", "LastFile", ""), foot);
    EXPECT_EQ(Enfants(f->NoeudDerniers), (std::vector<std::string>{"ligue foot.xmc", "rugby.xmc"}));
    EXPECT_TRUE(f->p_Demarrage->Visible());

    // 2. A double click in the recent-files list of the start page.
    f->FermeSaison();
    ASSERT_FALSE(f->Saison);
    EXPECT_FALSE(f->Statut->Visible());
    ASSERT_EQ(f->lb_DerniersFichiers->Items().Count(), 2);
    EXPECT_EQ(f->lb_DerniersFichiers->Items()[1], rugby);
    f->lb_DerniersFichiers->SetItemIndex(1);
    f->lb_DerniersFichiers->OnDblClick(f->lb_DerniersFichiers);
    ASSERT_TRUE(f->Saison);
    EXPECT_EQ(f->Sport, 1);
    EXPECT_EQ(f->DerniersFichiers[0], rugby);

    // 3. The open dialog, from the tree's "open" command: it starts in the
    // folder of the file box's file (the open season's) and lists ".xmd".
    EXPECT_EQ(f->e_NomFic->Text(), rugby);
    std::vector<std::string> titres;
    kit::AnswerDialogs([&](TCommonDialog& d) {
        auto* o = dynamic_cast<TOpenDialog*>(&d);
        titres.push_back(d.Title);
        EXPECT_EQ(o->FilterIndex, 3);
        EXPECT_EQ(o->DefaultExt, "xmc");
        EXPECT_EQ(DialogFilterCaptions(o->Filter)[2], Traduire(10) + " (*.sai *.xmc *.xmd)");
        EXPECT_EQ(o->InitialDir, ExtractFileDir(rugby));
        o->FileName = hand;
        return true;
    });
    EXPECT_FALSE(Choisit(*f, Noeud(*f, 6))) << "a new season's tree was built meanwhile";
    kit::ResetAnswers();
    EXPECT_EQ(titres, (std::vector<std::string>{Traduire(7)}));
    ASSERT_TRUE(f->Saison);
    EXPECT_EQ(f->Sport, 3);
    EXPECT_EQ(f->DerniersFichiers.Count(), 3);
    EXPECT_EQ(f->e_NomFic->Text(), hand);

    // 4. A recent file of the tree: the second one is the rugby season.
    TTreeNode* recent = Noeud(*f, (2 << 16) + 65535);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->Text(), "rugby.xmc");
    // Its hint is the full name.
    f->tv_Menu->Items().GetFirstNode()->Expand(true);
    const TRect r = recent->DisplayRect(true);
    f->tv_MenuMouseMove(f->tv_Menu, 0, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(f->tv_Menu->Hint(), rugby);
    EXPECT_TRUE(f->tv_Menu->ShowHint());
    EXPECT_FALSE(Choisit(*f, recent));
    EXPECT_EQ(f->Sport, 1);
    EXPECT_EQ(f->DerniersFichiers[0], rugby);

    // 5. A file that is not a season: its message, and the open season stays.
    const std::string faux = MakePath(dir, "sauvegarde/faux.xmc");
    {
        TFileStream s(faux, fmCreate);
        s.WriteBuffer("pas une saison", 14);
    }
    f->Messages.clear();
    f->OpenFile(faux);
    ASSERT_TRUE(f->Saison);
    EXPECT_EQ(f->Sport, 1);
    ASSERT_EQ(f->Messages.size(), 1u);
    EXPECT_NE(f->Messages[0].find("faux.xmc"), std::string::npos);
    EXPECT_EQ(NomFichierCourant, rugby);
    EXPECT_EQ(f->DerniersFichiers[0], rugby);
    TermineFenetre(f);
}

TEST_F(SaisonFenetre, RecordSetsHoldEveryEntry)
{
    Prepare("entrees");
    auto f = LanceFenetre();
    f->ConstruitMenu();
    EXPECT_EQ(f->Entrees.size(), 273u);
    f->ConstruitMenuSimple();
    EXPECT_EQ(f->Entrees.size(), 56u);
    f->ConstruitMenu();
    // Bar-only top menus and their submenus.
    int barre = 0, sousMenus = 0;
    for (const auto& e : f->Entrees)
    {
        barre += e->NiveauArbre() == 65535;
        sousMenus += e->NiveauArbre() == 0 && e->ProfondeurMenu() == 1;
    }
    EXPECT_EQ(barre, 2);
    EXPECT_EQ(sousMenus, 9);
    TermineFenetre(f);
}

class SaisonParSport : public SaisonFenetre, public ::testing::WithParamInterface<int>
{
};

TEST_P(SaisonParSport, MenuTreeShowsTheChampionshipsAndTheGroupsOfTheSport)
{
    const int sport = GetParam();
    const std::string dir = Prepare("sport" + std::to_string(sport), true);
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/s.xmc"), sport);
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);

    // The championships under the season group.
    TTreeNode* saison = Noeud(*f, 1);
    ASSERT_NE(saison, nullptr);
    const std::string competition = sport == 2 ? "Ligue nationale" : "France";
    TTreeNode* groupe = nullptr;
    for (int i = 0; i < saison->Count(); ++i)
        if (saison->Item(i)->Text() == competition)
            groupe = saison->Item(i);
    ASSERT_NE(groupe, nullptr);
    EXPECT_EQ(groupe->Data, 65535);
    EXPECT_EQ(Enfants(groupe), (std::vector<std::string>{"Division 1", "Division 2"}));
    EXPECT_EQ(groupe->Item(1)->Data, 2 << 16);
    EXPECT_EQ(f->TitresChampionnats.Count(), 2);
    EXPECT_EQ(f->TitresChampionnats[1], competition + " : Division 2");
    // The popup of the championship buttons and the bar's season menu hold them too.
    ASSERT_EQ(f->PopupMenu1->Items()->Count(), 1);
    EXPECT_EQ(f->PopupMenu1->Items()->Items(0)->Count(), 2);
    ASSERT_NE(f->MenuChampionnats, nullptr);

    // The groups of every sport, and each sport's own entries only.
    for (int id : {13, 40, 41, 123, 147, 156, 170, 193, 176, 197})
        EXPECT_TRUE(TreeContient(*f, id)) << "command " << id;
    const std::vector<std::vector<int>> propres = {{29, 64, 69, 221, 217}, {35, 46, 74, 166, 133},
                                                   {17, 52, 86, 102, 78}, {233, 234, 239, 255, 251}};
    for (int s = 0; s < 4; ++s)
        for (int id : propres[s])
            EXPECT_EQ(TreeContient(*f, id), s == sport) << "sport " << s << " command " << id;
    // Group captions of the standings part.
    TTreeNode* classements = nullptr;
    for (TTreeNode* n = f->tv_Menu->Items().GetFirstNode(); n; n = n->getNextSibling())
        if (n->Text() == Traduire(669))
            classements = n;
    ASSERT_NE(classements, nullptr);
    EXPECT_EQ(classements->Item(0)->Text(), Traduire(682));
    // The bar: the file menu first, the bar-only menus, the help menu last.
    TMenuItem* racine = f->mm_Menu->Items();
    ASSERT_GE(racine->Count(), 5);
    EXPECT_EQ(racine->Items(0)->Caption(), Traduire(652));
    EXPECT_EQ(racine->Items(1)->Caption(), Traduire(664));
    EXPECT_EQ(racine->Items(1)->Items(0)->Caption(), Traduire(1260));
    EXPECT_EQ(racine->Items(racine->Count() - 1)->Caption(), Traduire(729));
    EXPECT_EQ(f->Menu(), f->mm_Menu);
    // A rebuild keeps the bar's top items whose caption did not change.
    TMenuItem* fichierMenu = racine->Items(0);
    f->RafraichitMenu(true, true);
    EXPECT_EQ(f->mm_Menu->Items()->Items(0), fichierMenu);
    if (sport == 1)
    {
        ASSERT_TRUE(Commande(*f, 46));
        kit::Process(50);
        kit::GrabToPng(f.get(), "shell_saison_rugby_barre");
    }
    TermineFenetre(f);
}

INSTANTIATE_TEST_SUITE_P(Sports, SaisonParSport, ::testing::Values(0, 1, 2, 3));

TEST_F(SaisonFenetre, ChampionshipFlagsHideEntries)
{
    const std::string dir = Prepare("drapeaux");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/f.xmc"), 0);
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    for (int id : {40, 41, 154, 217})
        EXPECT_TRUE(TreeContient(*f, id)) << id;
    // Neutral venue hides the home and away tables; the date system the
    // comparison and the places table.
    c->SetOption(11, 2 | 8);
    f->RafraichitMenu(true, true);
    EXPECT_TRUE(TreeContient(*f, 40));
    for (int id : {41, 154, 217})
        EXPECT_FALSE(TreeContient(*f, id)) << id;
    // A cup deciding its qualifiers as they are entered hides the standings.
    c->SetOption(11, 0);
    c->SetTypes(static_cast<uint8_t>(c->Types() | 2));
    f->RafraichitMenu(true, true);
    EXPECT_FALSE(TreeContient(*f, 40));
    EXPECT_FALSE(TreeContient(*f, 154));
    EXPECT_TRUE(TreeContient(*f, 217));
    TermineFenetre(f);
}

TEST_F(SaisonFenetre, FavouritesOfAnotherSportOrNotShownAreNotRun)
{
    const std::string dir = Prepare("favoris");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/f.xmc"), 0);
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Favoris", "17-40-198");
    auto f = LanceFenetre();
    // No season: only the help command is a favourite that shows.
    TTreeNode* groupe = Noeud(*f, 4);
    ASSERT_NE(groupe, nullptr);
    EXPECT_EQ(Enfants(groupe), (std::vector<std::string>{TraduireFormat(642, {f->Titre}) + " (ctrl+3)"}));
    f->Actions[1]->Execute();   // Ctrl+2: the standings need a season
    EXPECT_EQ(f->Enfant, nullptr);
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    groupe = nullptr;
    for (TTreeNode* n = f->tv_Menu->Items().GetFirstNode(); n; n = n->getNextSibling())
        if (n->Text() == Traduire(1187))
            groupe = n;
    ASSERT_NE(groupe, nullptr);
    // 17 is the compact basketball page: not in a football season.
    EXPECT_EQ(Enfants(groupe),
              (std::vector<std::string>{Traduire(670) + " (ctrl+2)", TraduireFormat(642, {f->Titre}) + " (ctrl+3)"}));
    f->Messages.clear();
    f->Actions[0]->Execute();
    EXPECT_TRUE(f->Messages.empty());
    EXPECT_EQ(f->Enfant, nullptr);
    f->Actions[1]->Execute();
    EXPECT_NE(dynamic_cast<Tf_Classement*>(f->Enfant), nullptr);
    // The favourite's node is not the one the view selects.
    EXPECT_NE(f->TrouveNoeud(40)->Parent(), groupe);
    TermineFenetre(f);
}

TEST_F(SaisonFenetre, SaveSaveAsAndAutoSaveWriteTheFileAndClearTheModifiedState)
{
    const std::string dir = Prepare("sauve");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/saison.xmc"), 0, 1);
    ForceDirectories(MakePath(dir, "pict/saison.xmc"));
    {
        TFileStream s(MakePath(dir, "pict/saison.xmc/joueur1.jpg"), fmCreate);
        s.WriteBuffer("jpg", 3);
    }
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    // The season's auto-save option drives the timer.
    EXPECT_TRUE(f->t_AutoSave->Enabled());
    EXPECT_EQ(f->t_AutoSave->Interval(), 60000u);
    const int64_t avant = Taille(fichier);

    // A change reported by a child window.
    ASSERT_TRUE(Commande(*f, 40));
    ASSERT_NE(f->Enfant, nullptr);
    f->Saison->ChampionnatCourant()->SetOption(8, 121);
    f->Enfant->Signale();
    EXPECT_EQ(ModifSaison, 1);
    EXPECT_EQ(f->Statut->Panels(1).Text, Traduire(18));

    // Save (command 7): written, the message, the state and the status bar cleared.
    std::vector<std::string> textes;
    RepondBoite(mrOk, &textes);
    EXPECT_FALSE(Commande(*f, 7));
    EXPECT_EQ(textes, (std::vector<std::string>{Traduire(253)}));
    EXPECT_EQ(ModifSaison, 0);
    EXPECT_EQ(f->Statut->Panels(1).Text, "");
    {
        uint8_t etat = 0;
        auto lue = TTraiteurFichier::Charger(fichier, "", "", {}, EnsembleSport(4), etat, true);
        ASSERT_TRUE(lue);
        EXPECT_EQ(lue->ChampionnatCourant()->Option(8), 121);
    }
    EXPECT_GT(Taille(fichier), 0);
    (void)avant;

    // Save as onto an existing file asks; refused, the file stays as it was
    // and the season keeps its name.
    const std::string autre = EcritSaison(MakePath(dir, "sauvegarde/autre.xmc"), 1);
    std::string octets, apres;
    ReadFileBytes(autre, octets);
    f->SignaleModification();
    int montres = 0;
    kit::AnswerDialogs([&](TCommonDialog& d) {
        ++montres;
        dynamic_cast<TSaveDialog&>(d).FileName = montres == 1 ? autre : "";
        return montres == 1;
    });
    kit::AnswerMessages({mrNo});
    Commande(*f, 8);
    kit::ResetAnswers();
    EXPECT_EQ(montres, 2);
    ReadFileBytes(autre, apres);
    EXPECT_TRUE(apres == octets);
    EXPECT_EQ(NomFichierCourant, fichier);
    EXPECT_EQ(ModifSaison, 1);

    // Save as, with a name typed without extension: always ".xmc", pictures
    // copied, the status bar names the new file.
    kit::AnswerDialogs([&](TCommonDialog& d) {
        auto* s = dynamic_cast<TSaveDialog*>(&d);
        EXPECT_NE(s, nullptr);
        EXPECT_EQ(s->FileName, fichier);
        EXPECT_EQ(d.Title, Traduire(13));
        s->FileName = MakePath(dir, "sauvegarde/copie");
        return true;
    });
    RepondBoite(mrOk);
    EXPECT_TRUE(Commande(*f, 8));
    kit::ResetAnswers();
    const std::string copie = MakePath(dir, "sauvegarde/copie.xmc");
    EXPECT_EQ(NomFichierCourant, copie);
    EXPECT_TRUE(FileExists(copie));
    EXPECT_EQ(ModifSaison, 0);
    EXPECT_EQ(f->DerniersFichiers[0], copie);
    EXPECT_EQ(f->Statut->Panels(2).Text, TraduireFormat(1, {copie}));
    EXPECT_TRUE(FileExists(MakePath(dir, "pict/copie.xmc/joueur1.jpg")));

    // Auto-save: silent, the child's entries first.
    f->Saison->ChampionnatCourant()->SetOption(8, 122);
    f->SignaleModification();
    f->t_AutoSave->OnTimer(f->t_AutoSave);
    EXPECT_EQ(ModifSaison, 0);
    EXPECT_EQ(f->Statut->Panels(1).Text, "");
    EXPECT_TRUE(f->t_AutoSave->Enabled());
    {
        uint8_t etat = 0;
        auto lue = TTraiteurFichier::Charger(copie, "", "", {}, EnsembleSport(4), etat, true);
        ASSERT_TRUE(lue);
        EXPECT_EQ(lue->ChampionnatCourant()->Option(8), 122);
    }
    // Nothing modified: nothing written.
    const auto date = std::filesystem::last_write_time(copie);
    f->t_AutoSave->OnTimer(f->t_AutoSave);
    EXPECT_EQ(std::filesystem::last_write_time(copie), date);
    TermineFenetre(f);
}

// Four older versions of the backup beside it, each a season of its own,
// and the backup option on: the auto-save's tick removes none of them; a
// save with its box removes the oldest beyond the three most recent, and
// the box names it. The season then opens as saved.
TEST_F(SaisonFenetre, AnAutoSaveRemovesNoOlderVersionOfTheBackup)
{
    struct TCas
    {
        const char* quoi;
        bool tic;                        // the auto-save ticks
        bool sauve;                      // then Save (command 7), its box answered
        std::vector<std::string> restent;   // the older versions left
    } cas[] = {
        {"an auto-save", true, false, {"saison.~xmc.1.bak", "saison.~xmc.2.bak", "saison.~xmc.3.bak", "saison.~xmc.bak"}},
        {"an auto-save, then a save", true, true, {"saison.~xmc.1.bak", "saison.~xmc.2.bak", "saison.~xmc.3.bak"}},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.quoi);
        const std::string dir = Prepare(std::string("anciennes-") + (c.sauve ? "s" : "t"));
        const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/saison.xmc"), 0, 1);
        // four versions of their own, the oldest first
        const std::vector<std::string> versions = {"saison.~xmc.bak", "saison.~xmc.1.bak", "saison.~xmc.2.bak",
                                                   "saison.~xmc.3.bak"};
        const auto debut = std::filesystem::file_time_type::clock::now() - std::chrono::hours(10);
        for (size_t i = 0; i < versions.size(); ++i) {
            const std::string v = MakePath(dir, "sauvegarde/" + versions[i]);
            std::filesystem::rename(EcritSaison(MakePath(dir, "version.xmc"), static_cast<int>(i % 4), 7 + static_cast<int>(i)), v);
            std::filesystem::last_write_time(v, debut + std::chrono::hours(i));
        }
        auto f = LanceFenetre();
        f->OpenFile(fichier);
        ASSERT_TRUE(f->Saison);
        f->Saison->SetOptionSauvegarde(1, 1);
        f->Saison->ChampionnatCourant()->SetOption(8, 121);
        f->SignaleModification();
        std::vector<std::string> textes;
        if (c.tic) {
            f->t_AutoSave->OnTimer(f->t_AutoSave);
            EXPECT_EQ(ModifSaison, 0);
        }
        if (c.sauve) {
            f->Saison->ChampionnatCourant()->SetOption(8, 122);
            f->SignaleModification();
            RepondBoite(mrOk, &textes);
            Commande(*f, 7);
            kit::ResetAnswers();
            ASSERT_EQ(textes.size(), 1u);
            EXPECT_NE(textes[0].find(TraduireFormat(5621, {3, "saison.~xmc.bak"})), std::string::npos) << textes[0];
        }
        std::vector<std::string> restent;
        for (const auto& e : std::filesystem::directory_iterator(MakePath(dir, "sauvegarde")))
            if (e.path().extension() == ".bak")
                restent.push_back(e.path().filename().string());
        std::sort(restent.begin(), restent.end());
        EXPECT_EQ(restent, c.restent);
        TermineFenetre(f);
        uint8_t etat = 0;
        auto lue = TTraiteurFichier::Charger(fichier, "", "", {}, EnsembleSport(4), etat, true);
        ASSERT_TRUE(lue);
        EXPECT_EQ(lue->ChampionnatCourant()->Option(8), c.sauve ? 122 : 121);
    }
}

TEST_F(SaisonFenetre, ClosingWithAModifiedSeasonAsksToSave)
{
    const std::string dir = Prepare("ferme");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/ma saison.xmc"), 0);
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    f->SignaleModification();

    // The program's own box: cancel keeps everything.
    f->Reponses = {mrCancel};
    f->Close();
    kit::Process();
    ASSERT_TRUE(f->Saison);
    ASSERT_EQ(f->Messages.size(), 1u);
    EXPECT_EQ(f->Messages[0], TraduireFormat(2, {"ma saison"}));
    // Closing the season (command 9) asks as well; "no" closes without saving.
    f->Reponses = {mrNo};
    Commande(*f, 9);
    EXPECT_FALSE(f->Saison);
    EXPECT_EQ(f->Messages.size(), 2u);
    EXPECT_EQ(ModifSaison, 0);
    TermineFenetre(f);
}

TEST_F(SaisonFenetre, SaveQuestionInTheProgramsBoxAndYesSaves)
{
    const std::string dir = Prepare("question");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/q.xmc"), 0);
    CreeDessin();
    Application->Tag = 0;
    TOwned<Tf_Principale> f(new Tf_Principale(nullptr));
    Application->SetMainForm(f.get());
    kit::ShowForm(f.get());
    kit::WaitUntil([&] { return !f->PremiereActivation; });
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    f->Saison->ChampionnatCourant()->SetOption(8, 99);
    f->SignaleModification();
    std::vector<std::string> textes;
    RepondBoite(mrYes, &textes);
    RepondBoite(mrOk, &textes);   // "saved"
    EXPECT_TRUE(f->DemandeEnregistrement());
    EXPECT_EQ(textes, (std::vector<std::string>{TraduireFormat(2, {"q"}), Traduire(253)}));
    EXPECT_EQ(ModifSaison, 0);
    uint8_t etat = 0;
    auto lue = TTraiteurFichier::Charger(fichier, "", "", {}, EnsembleSport(4), etat, true);
    ASSERT_TRUE(lue);
    EXPECT_EQ(lue->ChampionnatCourant()->Option(8), 99);
    Application->SetMainForm(nullptr);
    f.reset();
}

TEST_F(SaisonFenetre, TypedEntriesReachTheSeasonBeforeEveryQuestion)
{
    EnregistreSaisieEssai();
    const std::string dir = Prepare("saisie");
    const std::string a = EcritSaison(MakePath(dir, "sauvegarde/a.xmc"), 0);
    const std::string b = EcritSaison(MakePath(dir, "sauvegarde/b.xmc"), 1);
    auto f = LanceFenetre();
    f->OpenFile(a);
    ASSERT_TRUE(f->Saison);
    auto* s = static_cast<SaisieEssai*>(
        f->ShowChildForm([](TComponent* o) -> TBrivantelForm* { return new SaisieEssai(o); }, false, false, true,
                         false));
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(f->p_FondAffiche->Visible());
    EXPECT_FALSE(f->p_Demarrage->Visible());
    // Typed, not written yet: the season is not marked modified...
    s->Tape = true;
    EXPECT_EQ(ModifSaison, 0);
    // ...but opening another season asks, since the entries are written first.
    f->Reponses = {mrCancel};
    f->OpenFile(b);
    ASSERT_EQ(f->Messages.size(), 1u);
    EXPECT_EQ(f->Messages[0], TraduireFormat(2, {"a"}));
    EXPECT_EQ(f->Sport, 0);
    EXPECT_EQ(f->Saison->ChampionnatCourant()->Option(8), 111);
    EXPECT_EQ(f->Enfant, s);

    // Closing the season frees the child while the season still exists.
    SaisieEssai::SaisonVivanteALaFin = false;
    f->Reponses = {mrNo};
    Commande(*f, 9);
    EXPECT_FALSE(f->Saison);
    EXPECT_EQ(f->Enfant, nullptr);
    EXPECT_TRUE(SaisieEssai::SaisonVivanteALaFin);
    EXPECT_TRUE(f->p_Demarrage->Visible());
    TermineFenetre(f);
}

// Numbers on screen follow the user's locale; what is written does not.
TEST_F(SaisonFenetre, DecimalSeparatorOfTheLocaleOnScreenOnlyNeverInTheFiles)
{
    const std::string dir = Prepare("locale");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/basket.xmc"), 2);
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    auto document = [&] {
        TMemoryStream m;
        TChargeurXmp::EcritDocument(*f->Saison, m);
        std::string d(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
        const size_t p = d.find("<LastModif>");
        if (p != std::string::npos)
            d.erase(p, d.find("</LastModif>", p) - p);
        return d;
    };
    // The winning ratio of the basketball table, in thousandths.
    auto ratios = [&] {
        std::string r;
        auto* cl = dynamic_cast<Tf_Classement*>(f->Enfant);
        for (int row = 1; cl && row < cl->sg_Classement->RowCount(); ++row)
            r += cl->sg_Classement->Cells(8, row) + " ";
        return r;
    };
    std::vector<std::string> documents;
    for (const auto& [locale, sep] : {std::pair{"en_US", '.'}, std::pair{"fr_FR", ','}})
    {
        ApplyLocaleNumbers(locale);
        ASSERT_TRUE(Commande(*f, 40));
        const std::string vus = ratios();
        EXPECT_NE(vus.find(std::string("0") + sep), std::string::npos) << locale << ": " << vus;
        EXPECT_EQ(vus.find(sep == '.' ? "0," : "0."), std::string::npos) << locale << ": " << vus;
        documents.push_back(document());
        f->FermeFenetreEnfant();
    }
    EXPECT_TRUE(documents[0] == documents[1]);
    TermineFenetre(f);
    FormatSettings().DecimalSeparator = ',';
}

// Numbers on screen take the decimal separator of the interface language,
// whatever the separator in use before the program started.
TEST_F(SaisonFenetre, DecimalSeparatorFollowsTheInterfaceLanguage)
{
    struct TCas
    {
        const char* Langue;
        char Avant, Attendu;
    };
    for (const TCas& cas : {TCas{"en", ',', '.'}, TCas{"fr", '.', ','}}) {
        SCOPED_TRACE(cas.Langue);
        const std::string dir = Prepare(std::string("separateur_") + cas.Langue);
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", cas.Langue);
        const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/basket.xmc"), 2);
        FormatSettings().DecimalSeparator = cas.Avant;
        auto f = LanceFenetre();
        f->OpenFile(fichier);
        ASSERT_TRUE(f->Saison);
        EXPECT_EQ(FormatSettings().DecimalSeparator, cas.Attendu);
        ASSERT_TRUE(Commande(*f, 40));
        auto* cl = dynamic_cast<Tf_Classement*>(f->Enfant);
        ASSERT_NE(cl, nullptr);
        std::string vus;
        for (int row = 1; row < cl->sg_Classement->RowCount(); ++row)
            vus += cl->sg_Classement->Cells(8, row) + " ";
        EXPECT_NE(vus.find(std::string("0") + cas.Attendu), std::string::npos) << vus;
        EXPECT_EQ(vus.find(std::string("0") + cas.Avant), std::string::npos) << vus;
        TermineFenetre(f);
    }
    FormatSettings().DecimalSeparator = ',';
}

// The English interface speaks English in the windows of the shell and in
// what the window layer says itself.
TEST_F(SaisonFenetre, EnglishInterfaceShowsNoFrenchText)
{
    const std::string dir = Prepare("anglais");
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", "en");
    auto f = LanceFenetre();
    EXPECT_EQ(DialogTexts().Warning, "Warning");
    EXPECT_EQ(DialogTexts().No, "No");
    EXPECT_EQ(DialogTexts().ReplaceFile, "The file %s already exists. Do you want to replace it?");
    std::vector<std::string> vus;
    kit::WhenModal([&](TForm* d) {
        if (auto* a = dynamic_cast<Tf_AboutBox*>(d))
            vus.push_back(a->Copyright->Caption());
        d->SetModalResult(mrCancel);
    });
    Commande(*f, 197);
    kit::WhenModal([&](TForm* d) {
        auto* c = dynamic_cast<Tf_ChoixDesign*>(d);
        ASSERT_NE(c, nullptr);
        vus.push_back(c->Caption());
        for (int i = 0; i < c->cb_Modele->Items().Count(); ++i)
            vus.push_back(c->cb_Modele->Items()[i]);
        vus.push_back(c->m_Description->Text());
        kit::GrabToPng(d, "shell_design_en");
        d->SetModalResult(mrCancel);
    });
    Commande(*f, 261);
    EXPECT_EQ(vus, (std::vector<std::string>{"Football \xB7 Rugby \xB7 Basketball \xB7 Handball", "Choose a design",
                                             "Blue and orange", "Slate and green",
                                             "The original design: blue panels on a navy background, orange buttons."}));
    TermineFenetre(f);
}
