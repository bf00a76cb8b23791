// What is typed is what is kept, on seasons made through the creation
// windows and typed key by key: a row a grid refuses stays shown on every
// road that would leave its window; a name typed is a new entry unless the
// user says it is one already listed; a round box entered holds what is typed
// next and says what it refuses; a grid cell keeps what it shows.
#include <gtest/gtest.h>

#include <functional>

#include <QPointer>
#include <QWidget>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"
#include "model/oTraducteur.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/ActnList.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/rtl/Format.h"
#include "model/Stades.h"
#include "records/w_Arbitres.h"
#include "records/w_Effectifs.h"
#include "records/w_FicheStade.h"
#include "results/PagesMatch.h"
#include "results/w_ButeursFoot.h"
#include "results/w_ButeursStat.h"
#include "results/w_Composition.h"
#include "results/w_FicheArbitre.h"
#include "results/w_Notes.h"
#include "results/w_SaisieRapide.h"
#include "results/w_VuesResultats.h"
#include "setup/w_OptionSports.h"
#include "setup/w_RetirerChamp.h"
#include "tests/setup/CreationEssai.h"
#include "tests/setup/NouvelleSaisonEssai.h"
#include "tests/results/FeuilleEssai.h"
#include "tests/setup/TableEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"

using namespace essai;

namespace {

// Every modal window met: a box of the program's kind is recorded by its
// text and answered OK, any other by its class and cancelled; the save's
// progress window is left to finish.
void NoteFenetres(std::vector<std::string>& vues)
{
    kit::WhenModal([&vues](TForm* m) {
        if (auto* b = dynamic_cast<Tf_MessageUtil*>(m)) {
            vues.push_back(b->Label1->Caption());
            m->SetModalResult(mrOk);
        } else if (Classe(m) != "Tf_EtatSauve") {
            vues.push_back(Classe(m));
            m->SetModalResult(mrCancel);
        }
        NoteFenetres(vues);
    });
}

void ClicCellule(TColorStringGrid* g, int col, int row)
{
    const TRect r = g->CellRect(col, row);
    kit::Click(g, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

// A row typed from its first cell: each text, then Tab to the next cell (Enter
// after the last).
void TapeLigne(TColorStringGrid* g, int col, int row, const std::vector<const char*>& textes)
{
    ClicCellule(g, col, row);
    for (size_t i = 0; i < textes.size(); ++i) {
        kit::TypeKeys(i == 0 ? g : nullptr, textes[i]);
        kit::PressKey(nullptr, i + 1 < textes.size() ? VK_TAB : VK_RETURN);
    }
}

// Ailier's shirt (column 1), career matches (7) or points (8) in the season.
std::string ValeurEffectif(TSaison& s, int col)
{
    const TJoueur* j = s.Joueurs().ChercheJoueurNom("Ailier", "Tom");
    const auto code = static_cast<uint32_t>(s.ChampionnatCourant()->CodeChamp);
    return !j ? "-" : IntToStr(col == 1 ? j->Maillot : j->StatCarriere(code, col == 7 ? 0 : j->TypeStatBut()));
}

void CliqueNoeud(FenetreEssai& f, int commande)
{
    TTreeNode* n = Noeud(f, commande);
    ASSERT_NE(n, nullptr) << commande;
    n->MakeVisible();
    const TRect r = n->DisplayRect(true);
    kit::Click(f.tv_Menu, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

}  // namespace

// A row the squads or the referee grid refuses (an age that is none, a
// player already in the team, a referee without first name), or a cell the
// basketball box score refuses (more made than attempted), is never dropped
// by leaving its window: every road that would replace it (the tree, the menu
// bar, a favourite, back and forward, another championship, a save, save as,
// the options, the composition, a new season, a recent file, closing the
// season or the program) says
// why and stays, the season, the tree, the history and the championship as
// they were; the auto-save keeps what is sound and the row stays shown. Once
// corrected, the row reaches the file.
TEST(SaisiesTapees, ARefusedRowStaysOnEveryRoadThatWouldLeaveItsWindow)
{
    struct TFenetre
    {
        const char* nom;
        int commande;
        int refusee;                                           // the refused row, after r
        std::function<void(TColorStringGrid*, int)> tape;      // the refused row, typed from row r
        std::function<void(TColorStringGrid*, int)> corrige;
        std::function<bool(TSaison&)> garde;                   // the corrected row in the season
        int sport = 0;
        std::function<void(FenetreEssai&)> prepare = {};       // the season before the window opens
    };
    const TFenetre fenetres[] = {
        {"age", 147, 0, [](TColorStringGrid* g, int r) { TapeLigne(g, 2, r, {"Lefebvre", "Marc", "150"}); },
         [](TColorStringGrid* g, int r) { TapeLigne(g, 4, r, {"23"}); },
         [](TSaison& s) { return s.Joueurs().ChercheJoueurNom("Lefebvre", "Marc") != nullptr; }},
        {"namesake", 147, 1,
         [](TColorStringGrid* g, int r) {
             TapeLigne(g, 2, r, {"Girard", "Luc"});
             ClicCellule(g, 2, r + 1);
             TapeLigne(g, 2, r + 1, {"Girard", "Luc"});
         },
         [](TColorStringGrid* g, int r) { TapeLigne(g, 3, r + 1, {"Lucien"}); },
         [](TSaison& s) { return s.Joueurs().ChercheJoueurNom("Girard", "Lucien") != nullptr; }},
        {"referee", 148, 0, [](TColorStringGrid* g, int r) { TapeLigne(g, 0, r, {"Dumas"}); },
         [](TColorStringGrid* g, int r) { TapeLigne(g, 1, r, {"Eve"}); },
         [](TSaison& s) { return s.Arbitres().ChercheNom("Dumas", "Eve") != nullptr; }},
        {"box score", 14, 0,
         [](TColorStringGrid* g, int r) {
             feuille_essai::ChoisitEntree(dynamic_cast<Tf_ButeursStat*>(g->Owner())->l_EquipeDomicile, 0);
             TapeLigne(g, 4, r, {"2"});
             RepondBoite(mrOk);
             TapeLigne(g, 3, r, {"5"});
         },
         [](TColorStringGrid* g, int) {
             kit::TypeKeys(g, "1");
             kit::PressKey(nullptr, VK_RETURN);
         },
         [](TSaison& s) {
             auto* c = dynamic_cast<TDonneesChampionnatStat*>(s.ChampionnatCourant());
             std::string compte;
             for (int code : {7, 8})
                 for (int i = 0; c && c->ListeStat(1, code) && i < c->ListeStat(1, code)->Nombre(); ++i)
                     compte += IntToStr(c->ListeStat(1, code)->Donnee(i)->Mot());
             return compte == "12";
         },
         2,
         [](FenetreEssai& f) {
             TapeJournee(f, 1, {{"80", "70"}, {"60", "50"}});
             TDonneesChampionnat* c = f.Saison->ChampionnatCourant();
             for (int k = 0; k < c->NbEquipe(); ++k)
                 f.Saison->Joueurs().AjouteJoueur(f.Saison->CreeJoueur("Joueur", IntToStr(k + 1), -1, c->IdEquipe(k)));
         }},
    };
    for (const TFenetre& w : fenetres) {
        SCOPED_TRACE(w.nom);
        const std::string dir = Prepare(std::string("ligne_refusee_") + w.nom, true);
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Favoris", "40");
        auto f = LanceFenetre();
        CreeSaison(*f, w.sport);
        ASSERT_NE(f->Saison, nullptr);
        if (w.prepare)
            w.prepare(*f);
        // The history around the window: the standings behind it, another
        // table ahead of it.
        ASSERT_TRUE(Commande(*f, 40));
        ASSERT_TRUE(Commande(*f, w.commande));
        ASSERT_TRUE(Commande(*f, 41));
        f->Precedent->Execute();
        TBrivantelForm* fenetre = f->Enfant;
        TColorStringGrid* g = nullptr;
        if (auto* e = dynamic_cast<Tf_Effectifs*>(fenetre))
            g = e->sg_TableauEquipe;
        else if (auto* a = dynamic_cast<Tf_Arbitres*>(fenetre))
            g = a->sg_TableauEquipe;
        else if (auto* b = dynamic_cast<Tf_ButeursStat*>(fenetre))
            g = b->csc_StatTir;
        ASSERT_NE(g, nullptr);
        const int r = g->RowCount() - 1;
        w.tape(g, r);
        // The rows from r on, and the text of the cell being corrected.
        auto etat = [g, r] {
            std::vector<std::string> v;
            for (int k = r; k < g->RowCount(); ++k)
                v.push_back(g->Cells(0, k) + "|" + g->Cells(2, k) + "|" + g->Cells(3, k) + "|" + g->Cells(4, k));
            v.push_back(g->EditorText());
            return v;
        };
        // The window followed by its widget: freed, another window may be
        // made at its address.
        const QPointer<QWidget> vivante(fenetre->Widget());
        const std::vector<std::string> lignes = etat();
        const std::string document = Document(*f->Saison);
        const auto historique = std::make_pair(f->Historique.size(), f->HistoriqueSuivant.size());
        const int32_t championnat = f->Saison->ChampionnatCourant()->CodeChamp;
        const int32_t autre = f->Saison->ChampionnatSuivant()->CodeChamp;
        TTreeNode* selection = f->tv_Menu->Selected();
        const bool minuterie = f->t_AutoSave->Enabled();
        std::vector<std::string> vues;
        NoteFenetres(vues);
        std::string raison;
        const std::pair<const char*, std::function<void()>> routes[] = {
            {"auto-save", [&] { f->t_AutoSaveTimer(nullptr); }},
            {"tree", [&] { CliqueNoeud(*f, 225); }},
            {"menu bar", [&] { ItemDeBarre(f->mm_Menu->Items(), 40)->Click(); }},
            {"favourite", [&] { f->Actions[0]->Execute(); }},
            {"back", [&] { f->Precedent->Execute(); }},
            {"forward", [&] { kit::Click(f->sb_Forward); }},
            {"next championship", [&] { kit::Click(f->sb_ChampSuiv); }},
            {"championship node", [&] { Choisit(*f, Noeud(*f, static_cast<intptr_t>(autre) << 16)); }},
            {"save", [&] { Commande(*f, 7); }},
            {"save as", [&] { Commande(*f, 8); }},
            {"options", [&] { Commande(*f, 176); }},
            {"composition", [&] { Commande(*f, 193); }},
            {"new season", [&] { Commande(*f, 5); }},
            {"recent file", [&] { Commande(*f, (1 << 16) + 65535); }},
            {"closing the season", [&] { Commande(*f, 9); }},
            {"closing", [&] { f->Close(); }},
        };
        for (const auto& [nom, route] : routes) {
            SCOPED_TRACE(nom);
            const size_t avant = vues.size();
            route();
            kit::Process(10);
            ASSERT_EQ(vues.size(), avant + 1) << ::testing::PrintToString(vues);
            if (raison.empty())
                raison = vues.back();
            EXPECT_EQ(vues.back(), raison);
            ASSERT_TRUE(vivante && f->Enfant == fenetre);
            EXPECT_TRUE(f->Visible());
            EXPECT_EQ(etat(), lignes);
            EXPECT_EQ(Document(*f->Saison), document);
            EXPECT_EQ(f->tv_Menu->Selected(), selection);
            EXPECT_EQ(std::make_pair(f->Historique.size(), f->HistoriqueSuivant.size()), historique);
            EXPECT_EQ(f->Saison->ChampionnatCourant()->CodeChamp, championnat);
            EXPECT_EQ(g->Row(), r + w.refusee);
            EXPECT_EQ(f->t_AutoSave->Enabled(), minuterie) << "the auto-save switched on or off";
        }
        kit::GrabToPng(f.get(), std::string("ligne-refusee-") + w.nom);
        // Corrected, then left by the tree: the row is stored and saved.
        w.corrige(g, r);
        CliqueNoeud(*f, 40);
        kit::ForgetModalActions();
        EXPECT_FALSE(vivante) << "the window stays";
        EXPECT_EQ(f->Enfant ? Classe(f->Enfant) : std::string(), "Tf_Classement");
        EXPECT_EQ(f->tv_Menu->Selected(), Noeud(*f, 40));
        EXPECT_TRUE(w.garde(*f->Saison));
        auto relue = SauveFermeRelit(f);
        ASSERT_NE(relue, nullptr);
        EXPECT_TRUE(w.garde(*relue));
    }
}

// A name typed into a box that takes a referee, a stadium, a player or a
// team is a new one unless the user says it is one already listed: a
// beginning of a name opens a new card ("Martin" is not Martinez Luis, "Stade"
// not the Stade Municipal); a whole name is asked about, "yes" takes that
// one, "no" a new card; the quick entry names a teammate typed again and
// lists him once. What was taken reaches the file.
class NomsTapes : public ::testing::TestWithParam<const char*>
{
};

TEST_P(NomsTapes, ATypedNameIsANewEntryUnlessTheUserSaysItIsOneListed)
{
    static const bool pages = (EnregistrePagesMatch(), true);
    (void)pages;
    const std::string langue = GetParam();
    TIniFile(MakePath(Prepare("noms_tapes_" + langue), "brivantel.ini")).WriteString("General", "Langue", langue);
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    ASSERT_NE(f->Saison, nullptr);
    TSaison& s = *f->Saison;
    TDonneesChampionnat* c = s.ChampionnatCourant();
    const int club1 = c->IdEquipe(0);
    s.Arbitres().AjoutePersonnel(std::make_unique<TPersonnelStat>(-1, 40, "Luis", "Martinez"));
    s.Stades().AjouteStade(std::make_unique<TStade>("Stade Municipal de la Ville", 9000, "Arles"), false);
    // two stadiums the box shows alike, "Arena (Ville)"
    s.Stades().NouveauStade("Arena", "Ville");
    TStade* autreArena = s.Stades().NouveauStade("Arena Nord", "Ville");
    autreArena->NomStade = "Arena";   // as its card renames it
    const int32_t arena2 = autreArena->Code;
    c->CreeMatch(1, club1, c->IdEquipe(1), 2, 1);
    c->NbJournee = 1;
    ASSERT_TRUE(Commande(*f, 14));
    auto* p = dynamic_cast<Tf_ButeursFoot*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    TOwned<Tf_SaisieRapide> rapide(new Tf_SaisieRapide(nullptr));
    rapide->ChangeSaison(&s);
    rapide->ChangeCouleurs(f->Couleurs);
    rapide->RemplitJoueurs(club1);

    // Every window met on the way: a question answered as the row says, a
    // card validated or cancelled, recorded with the name it shows.
    int reponse = 0;
    bool valide = false;
    std::vector<std::string> vues;
    std::function<void()> note = [&] {
        kit::WhenModal([&](TForm* m) {
            note();   // the windows this one opens
            if (auto* b = dynamic_cast<Tf_MessageUtil*>(m)) {
                vues.push_back(b->Label1->Caption());
                kit::GrabToPng(m, "noms-tapes-question-" + langue + IntToStr(static_cast<int>(vues.size())));
                m->SetModalResult(reponse ? reponse : mrOk);
            } else if (auto* a = dynamic_cast<Tf_FicheArbitre*>(m)) {
                vues.push_back("referee card: " + a->e_Nom->GetText() + "/" + a->e_Prenom->GetText());
                kit::Click(valide ? a->b_Valider : a->b_Annuler);
            } else if (auto* t = dynamic_cast<Tf_FicheStade*>(m)) {
                vues.push_back("stadium card: " + t->e_NomStade->GetText());
                if (valide)
                    kit::Type(t->e_Ville, "Lens");
                kit::Click(valide ? t->b_Valider : t->b_Annuler);
            } else if (auto* e = dynamic_cast<Tf_AjouterEquipe*>(m)) {
                kit::TypeKeys(e->cb_Equipes, "autre 1");
                kit::Click(e->bc_Ajouter);
                vues.push_back("team listed: " + e->l_Equipe->Items()[e->l_Equipe->Items().Count() - 1]);
                m->SetModalResult(mrCancel);
            } else {
                vues.push_back(Classe(m));
                m->SetModalResult(mrCancel);
            }
        });
    };
    note();
    auto tape = [&](TComboBox* b, const char* nom) {
        kit::Click(b);
        kit::PressKey(b, 'A', ssCtrl);   // what the box shows is typed over
        kit::TypeKeys(b, nom);
        kit::PressKey(b, VK_RETURN);
    };
    // The same, the box left by Tab: the card opens once the focus has moved.
    auto tapeTab = [&](TComboBox* b, const char* nom) {
        kit::Click(b);
        kit::PressKey(b, 'A', ssCtrl);
        kit::TypeKeys(b, nom);
        kit::PressKey(b, VK_TAB);
        EXPECT_TRUE(kit::WaitUntil([&] { return !vues.empty(); }));
    };
    // The entry of that record picked from the list, then Tab.
    auto choisitPuisTab = [&](TComboBox* b, int32_t code) {
        kit::Click(b);
        b->SetItemIndex(b->Items().IndexOfObject(code));
        if (b->OnSelect)
            b->OnSelect(b);
        else if (b->OnChange)
            b->OnChange(b);
        kit::PressKey(b, VK_TAB);
    };
    auto choisi = [](TComboBox* b) { return b->ItemIndex() >= 0 ? b->Items()[b->ItemIndex()] : std::string("-"); };
    // the entry the box holds as the page reads it, and what it shows
    auto tenu = [](TComboBox* b) {
        return b->ItemChoisi() >= 0 && b->GetText() == b->Items()[b->ItemChoisi()] ? b->GetText() : "typed " + b->GetText();
    };
    auto rapideTape = [&](const char* nom) {
        kit::ShowForm(rapide.get());
        kit::TypeKeys(rapide->cb_AjoutJoueur, nom);
        kit::PressKey(rapide->cb_AjoutJoueur, VK_RETURN);
    };
    struct TCas
    {
        const char* nom;
        std::function<void()> geste;
        int reponse;                          // to a question (0: none expected)
        bool valide;                          // a card that opens is validated
        std::vector<std::string> vues;        // the windows met
        std::function<std::string()> garde;   // what the box or the list holds after
        std::string attendu;
    };
    const TCas cas[] = {
        {"beginning of a referee", [&] { tape(p->cb_Arbitre, "Martin"); }, 0, true, {"referee card: Martin/"},
         [&] { return choisi(p->cb_Arbitre); }, "Martin"},
        {"whole name, no", [&] { tape(p->cb_Stade, "Stade municipal de la ville"); }, mrNo, false,
         {TraduireFormat(3762, {"Stade municipal de la ville", "Stade Municipal de la Ville (Arles)"}),
          "stadium card: Stade municipal de la ville"},
         [&] { return IntToStr(s.Stades().NbStade()); }, "3"},
        {"beginning of a stadium", [&] { tape(p->cb_Stade, "Stade"); }, 0, true, {"stadium card: Stade"},
         [&] { return choisi(p->cb_Stade); }, "Stade (Lens)"},
        {"whole name, yes", [&] { tape(p->cb_Arbitre, "martinez luis"); }, mrYes, true,
         {TraduireFormat(3762, {"martinez luis", "Martinez Luis"})}, [&] { return choisi(p->cb_Arbitre); },
         "Martinez Luis"},
        // a name begun over the one held, its card cancelled: the box gives back what it held
        {"referee begun over the one held, card cancelled", [&] { tapeTab(p->cb_Arbitre, "Dur"); }, 0, false,
         {"referee card: Dur/"}, [&] { return choisi(p->cb_Arbitre); }, "Martinez Luis"},
        {"stadium begun over the one held, card cancelled", [&] { tapeTab(p->cb_Stade, "Parc"); }, 0, false,
         {"stadium card: Parc"}, [&] { return choisi(p->cb_Stade); }, "Stade (Lens)"},
        // the same left by Enter, the name begun like another entry's
        {"referee begun like another, Enter, card cancelled", [&] { tape(p->cb_Arbitre, "Mart"); }, 0, false,
         {"referee card: Mart/"}, [&] { return tenu(p->cb_Arbitre); }, "Martinez Luis"},
        {"stadium begun like another, Enter, card cancelled", [&] { tape(p->cb_Stade, "Stade M"); }, 0, false,
         {"stadium card: Stade M"}, [&] { return tenu(p->cb_Stade); }, "Stade (Lens)"},
        // the second of two stadiums shown alike picked from the list, the box left by Tab: that one stays
        {"second of two stadiums shown alike, Tab", [&] { choisitPuisTab(p->cb_Stade, arena2); }, 0, false, {},
         [&] { return p->cb_Stade->ItemIndex() < 0 ? std::string("-")
                                                   : IntToStr(p->cb_Stade->Items().Objects(p->cb_Stade->ItemIndex())); },
         IntToStr(arena2)},
        {"quick entry, new", [&] { rapideTape("Marc Lefebvre"); }, 0, false, {},
         [&] { return IntToStr(rapide->lb_JoueursPresents->Items().Count()); }, "1"},
        {"quick entry, again", [&] { rapideTape("Marc Lefebvre"); }, 0, false,
         {TraduireFormat(3763, {"Marc Lefebvre", s.NomEquipe(club1)})},
         [&] { return IntToStr(rapide->lb_JoueursPresents->Items().Count()); }, "1"},
        {"quick entry, his whole line", [&] { rapideTape(("Marc Lefebvre (" + s.NomEquipe(club1) + ")").c_str()); },
         0, false, {TraduireFormat(3763, {"Marc Lefebvre", s.NomEquipe(club1)})},
         [&] { return IntToStr(rapide->lb_JoueursPresents->Items().Count()); }, "1"},
        // (the composition's dialog closes the page, which writes its header)
        {"a season team", [&] { Commande(*f, 232); }, mrYes, false,
         {TraduireFormat(3762, {"autre 1", "Autre 1"}), "team listed: Autre 1"},
         [&] { return IntToStr(s.NbEquipe()); }, "8"},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.nom);
        vues.clear();
        reponse = k.reponse;
        valide = k.valide;
        k.geste();
        kit::Process(20);
        EXPECT_EQ(vues, k.vues);
        EXPECT_EQ(k.garde(), k.attendu);
    }
    rapide.reset();
    kit::ForgetModalActions();
    auto relue = SauveFermeRelit(f);
    ASSERT_NE(relue, nullptr);
    TDonneesChampionnat* r = relue->ChampionnatCourant();
    const TPersonnel* officiel = relue->Arbitres().ChercheNumero(r->OfficielMatch(1, 1, 1));
    ASSERT_NE(officiel, nullptr);
    EXPECT_EQ(officiel->NomComplet(), "Martinez Luis");
    EXPECT_NE(relue->Arbitres().ChercheNom("Martin", ""), nullptr);
    EXPECT_EQ(r->StadeMatch(1, 1), arena2);
    int lefebvre = 0;
    for (int i = 0; i < relue->Joueurs().NbJoueur(); ++i)
        lefebvre += relue->Joueurs().Joueur(i)->Nom == "Lefebvre";
    EXPECT_EQ(lefebvre, 1);
}

INSTANTIATE_TEST_SUITE_P(Langues, NomsTapes, ::testing::Values("fr", "en"));

// A round box entered by Tab or by the mouse holds what is typed next: the
// score typed over, never added to; a digit past the largest score, a paste it
// cannot take, a score before both teams are placed are refused beside it,
// in the interface's language; a paste it can take is taken. The same box
// takes the ratings; the points box says in English that it holds no
// number. The scores reach the file.
TEST(SaisiesTapees, ARoundBoxEnteredHoldsWhatIsTypedNextAndSaysWhatItRefuses)
{
    static const bool pages = (EnregistrePagesMatch(), true);
    (void)pages;
    const std::string dir = Prepare("ronds_tapes");
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", "en");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    ASSERT_NE(f->Saison, nullptr);
    ASSERT_EQ(Traduire(3761), "The number of points typed is not a number.");
    Tf_Resultats* r = TapeJournee(*f, 1, {{"24", "10"}});
    ASSERT_NE(r, nullptr);
    TEditRond* dom = r->Ligne(0).ScoreDomicile;
    TEditRond* ext = r->Ligne(0).ScoreExterieur;
    ASSERT_EQ(dom->Text() + "-" + ext->Text(), "24-10");
    const std::string domicile = r->Ligne(0).Domicile->Text();
    std::vector<std::string> vues;
    NoteFenetres(vues);
    auto colle = [](TEditRond* e, const char* texte) {
        kit::Click(e);
        kit::Paste(e, texte);
    };
    Tf_Notes* notes = nullptr;
    auto note = [&](int k) { return notes->Ligne(0, k).Note; };
    struct TCas
    {
        const char* nom;
        std::function<void()> geste;
        std::function<TEdition2*()> boite;
        const char* attendu;      // what the box holds after
        std::string raison;       // what it said it refused ("-": nothing)
    };
    const TCas cas[] = {
        {"Tab into 10, 1 2", [&] { kit::Click(dom); kit::PressKey(nullptr, VK_TAB); kit::TypeKeys(nullptr, "12"); },
         [&] { return ext; }, "12", "-"},
        {"click into 24, 3 1", [&] { kit::Click(dom); kit::TypeKeys(nullptr, "31"); }, [&] { return dom; }, "31", "-"},
        // A score takes what a match holds, up to 32766: the digit past it is refused.
        {"a digit past the largest score", [&] { kit::Click(ext); kit::Click(dom); kit::TypeKeys(nullptr, "32767"); },
         [&] { return dom; }, "3276", Format(DialogTexts().NumberFromTo, {0, 32766})},
        {"paste 4", [&] { colle(ext, "4"); }, [&] { return ext; }, "4", "-"},
        {"paste a full-width 5", [&] { kit::Click(dom); colle(ext, "\uFF15"); }, [&] { return ext; }, "5", "-"},
        {"paste 12a", [&] { colle(dom, "12a"); }, [&] { return dom; }, "3276", Traduire(5001)},
        {"paste 1 000", [&] { colle(dom, "1 000"); }, [&] { return dom; }, "1000", "-"},
        // Two lines, two cells of a sheet, two figures: refused, never joined.
        {"paste 2, 1 on two lines", [&] { colle(ext, "2\n1"); }, [&] { return ext; }, "5", Traduire(5740)},
        {"paste 2, 1 from two cells", [&] { colle(ext, "2\t1"); }, [&] { return ext; }, "5", Traduire(5740)},
        {"paste 1 2", [&] { colle(dom, "1 2"); }, [&] { return dom; }, "1000", Traduire(5740)},
        // A figure past the largest score: refused whole, never cut nor clamped.
        {"paste 40000", [&] { colle(dom, "40000"); }, [&] { return dom; }, "1000",
         Format(DialogTexts().NumberFromTo, {0, 32766})},
        {"paste 32 767 past the largest score", [&] { colle(ext, "32 767"); }, [&] { return ext; }, "5",
         Format(DialogTexts().NumberFromTo, {0, 32766})},
        {"paste 1000000", [&] { colle(ext, "1000000"); }, [&] { return ext; }, "5",
         Format(DialogTexts().NumberFromTo, {0, 32766})},
        {"no teams yet", [&] { kit::Click(r->Ligne(1).ScoreDomicile); kit::TypeKeys(nullptr, "3"); },
         [&] { return r->Ligne(1).ScoreDomicile; }, "", Traduire(3760)},
        {"a rating", [&] {
             // Two starters on the match, the matchday written by another view.
             ASSERT_TRUE(Commande(*f, 40));
             TSaison& s = *f->Saison;
             const int h = s.ChercheEquipe(domicile);
             TInfoComp* m = s.ChampionnatCourant()->MatchEquipe(1, h);
             ASSERT_NE(m, nullptr);
             for (int k = 1; k <= 2; ++k)
                 m->SetJoueurTitulaire(h, k, s.Joueurs().AjouteJoueur(s.CreeJoueur("Titulaire", IntToStr(k), -1, h))->Numero);
             ASSERT_TRUE(Commande(*f, 18));
             notes = dynamic_cast<Tf_Notes*>(f->Enfant);
             ASSERT_NE(notes, nullptr);
             kit::Click(note(1));
             kit::TypeKeys(nullptr, "7");
             kit::PressKey(nullptr, VK_TAB);
             kit::PressKey(nullptr, VK_TAB, ssShift);
             kit::TypeKeys(nullptr, "8");
         }, [&] { return note(1); }, "8", "-"},
        {"a rating pasted", [&] { colle(note(2), "10"); }, [&] { return note(2); }, "10", "-"},
        {"a rating pasted from two lines", [&] { colle(note(2), "1\r\n0"); }, [&] { return note(2); }, "10",
         Traduire(5740)},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.nom);
        kit::Refusals().clear();
        k.geste();
        kit::Process(10);
        TEdition2* b = k.boite();
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->Text(), k.attendu);
        const std::string dit = kit::Refusals().empty() ? "-" : kit::Refusals().back().reason;
        EXPECT_EQ(dit, k.raison);
        if (!kit::Refusals().empty()) {
            EXPECT_EQ(kit::Refusals().back().box, b);
            kit::GrabToPng(f.get(), std::string("ronds-tapes-") + k.nom);
        }
    }
    // The points box emptied: said in English, nothing added.
    ASSERT_TRUE(Commande(*f, 143));
    auto* penalite = dynamic_cast<Tf_Penalite*>(f->Enfant);
    ASSERT_NE(penalite, nullptr);
    penalite->cb_Equipe->SetItemIndex(0);
    kit::Click(penalite->e_Point);
    kit::PressKey(penalite->e_Point, 'A', ssCtrl);
    kit::PressKey(penalite->e_Point, VK_BACK);
    ASSERT_EQ(penalite->e_Point->Text(), "");
    kit::Click(penalite->b_Ajouter);
    EXPECT_EQ(vues, std::vector<std::string>{Traduire(3761)});
    kit::ForgetModalActions();
    auto relue = SauveFermeRelit(f);
    ASSERT_NE(relue, nullptr);
    TDonneesChampionnat* c = relue->ChampionnatCourant();
    EXPECT_EQ(c->ValeurMatch(1, 2), 1000);
    EXPECT_EQ(c->ValeurMatch(1, 4), 5);
}

// What a grid cell shows is what is kept: the basketball weighting grid
// refuses a letter, a blank, a point or a sign at the key and says why, the
// cell showing the figure that is then stored; a full-width digit pasted into
// a box-score cell is taken as the digit typed would be. What was stored
// reaches the file.
TEST(SaisiesTapees, AGridCellShowsWhatIsKept)
{
    static const bool pages = (EnregistrePagesMatch(), true);
    (void)pages;
    Prepare("cellules_tapees");
    auto f = LanceFenetre();
    ASSERT_TRUE(feuille_essai::CreeSaisonParFenetres(*f, 2));
    auto* c = dynamic_cast<TDonneesChampionnatStat*>(f->Saison->ChampionnatCourant());
    ASSERT_NE(c, nullptr);
    // The weight cell of the first row typed over key by key in the options,
    // which are then validated.
    auto pondere = [&](int col, const char* touches) {
        std::string montre;
        QuandFenetre<Tf_OptionBasket>([&, col, touches](Tf_OptionBasket* o) {
            o->PageControl1->SetActivePage(o->ts_Evaluation);
            TStringGrid* g = o->csg_Ponderation;
            const TRect r = g->CellRect(col, 1);
            kit::Click(g, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
            kit::TypeKeys(g, std::string(touches).substr(0, 1));
            kit::TypeKeys(nullptr, std::string(touches).substr(1));
            kit::PressKey(nullptr, VK_RETURN);
            montre = g->Cells(col, 1);
            kit::GrabToPng(o, std::string("cellules-tapees-") + touches);
            o->b_Valider->Click();
        });
        Commande(*f, 176);
        kit::ForgetModalActions();
        return montre;
    };
    auto poids = [&] { return c->NbPonderations() ? IntToStr(c->Ponderation(0)->Ponderation) : std::string("-"); };
    Tf_ButeursStat* page = nullptr;
    TColorStringGrid* grille = nullptr;
    // The squads of the first team, the cell of Ailier typed key by key,
    // Enter, then another view, which writes the row.
    auto effectif = [&](int col, const char* touches) {
        Commande(*f, 147);
        auto* e = dynamic_cast<Tf_Effectifs*>(f->Enfant);
        if (!e)
            return std::string("no squads");
        for (int i = 0; i < e->l_Equipe->Items().Count(); ++i)
            if (Tf_Effectifs::IdEntree(e->l_Equipe->Items()[i]) == c->IdEquipe(0))
                kit::Click(e->l_Equipe, 20, e->l_Equipe->ItemRect(i).Top + 3);
        TColorStringGrid* g = e->sg_TableauEquipe;
        int r = 1;
        while (r < g->RowCount() && g->Cells(2, r) != "Ailier")
            ++r;
        ClicCellule(g, col, r);
        kit::TypeKeys(g, touches);
        kit::PressKey(nullptr, VK_RETURN);
        const std::string montre = g->Cells(col, r);
        Commande(*f, 40);
        return montre;
    };
    auto joueur = [&](int col) { return ValeurEffectif(*f->Saison, col); };
    auto plage = [](int haut) { return Format(DialogTexts().NumberFromTo, {0, haut}); };
    auto trop = [](int places) { return Format(DialogTexts().TooLong, {places}); };
    struct TCas
    {
        const char* nom;
        std::function<std::string()> geste;   // what the cell shows after
        std::string montre;
        std::string raison;                    // "-": nothing refused
        std::function<std::string()> garde;
        std::string garde_attendu;
    };
    const TCas cas[] = {
        {"a new row", [&] { pondere(0, "0"); pondere(1, "10"); return pondere(2, "50"); }, "50", "-", poids, "50"},
        {"12a", [&] { return pondere(2, "12a"); }, "12", Traduire(5001), poids, "12"},
        {"1 000", [&] { return pondere(2, "1 000"); }, "1000", Traduire(5001), poids, "1000"},
        {"5.5", [&] { return pondere(2, "5.5"); }, "55", Traduire(5001), poids, "55"},
        {"80%", [&] { return pondere(2, "80%"); }, "80", Traduire(5001), poids, "80"},
        {"a full-width digit pasted", [&] {
             TDonneesChampionnat* ch = f->Saison->ChampionnatCourant();
             ch->CreeMatch(1, ch->IdEquipe(0), ch->IdEquipe(1), 80, 70);
             ch->NbJournee = 1;
             f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Ailier", "Tom", -1, ch->IdEquipe(0)));
             Commande(*f, 14);
             page = dynamic_cast<Tf_ButeursStat*>(f->Enfant);
             if (!page)
                 return std::string("no page");
             while (page->IdDomicile != ch->IdEquipe(0))
                 page->UpDown1->ClickButton(btNext);
             const TRect e = page->l_EquipeDomicile->ItemRect(0);
             kit::Click(page->l_EquipeDomicile, e.Left + 5, e.Top + 3);
             kit::PressKey(page->l_EquipeDomicile, VK_RETURN);
             // Thirty two-point shots, 1 made, the full-width 4 pasted after it.
             feuille_essai::Saisit(page->csc_StatTir, 4, 1, "30");
             const TRect r = page->csc_StatTir->CellRect(3, 1);
             kit::Click(page->csc_StatTir, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
             kit::TypeKeys(page->csc_StatTir, "1");
             kit::Paste(nullptr, "\uFF14");
             kit::PressKey(nullptr, VK_RETURN);
             return page->csc_StatTir->Cells(3, 1);
         }, "14", "-", [&] { return IntToStr(page ? page->csc_StatTir->DonneeCellule(3, 1) : -1); }, "14"},
        // The squads: a player typed, Tab to his age, then a click on the
        // position cell (on his card in basketball) of the row below.
        {"squads, a click on a cell that takes nothing", [&] {
             Commande(*f, 147);
             auto* e = dynamic_cast<Tf_Effectifs*>(f->Enfant);
             if (!e)
                 return std::string("no squads");
             grille = e->sg_TableauEquipe;
             const int ligne = grille->RowCount() - 1;   // the empty row
             auto clic = [&](int col, int row) {
                 const TRect r = grille->CellRect(col, row);
                 kit::Click(grille, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
             };
             clic(2, ligne);
             kit::TypeKeys(grille, "Nowak");
             kit::PressKey(nullptr, VK_TAB);
             kit::PressKey(nullptr, VK_TAB);
             clic(0, ligne + 1);
             kit::GrabToPng(e, "cellules-tapees-effectifs-clic-refuse");
             return "row " + IntToStr(grille->Row() - ligne) + ", column " + IntToStr(grille->Col()) +
                    (grille->EditorMode() ? ", editing" : "");
         }, "row 0, column 4, editing", Traduire(5963),
         // the next key goes to the editor shown
         [&] {
             kit::TypeKeys(nullptr, "7");
             return grille && grille->EditorMode() ? Trim(grille->EditorText()) : std::string("no editor");
         }, "7"},
        // Then the keys: Shift+Tab back to his shirt and once more into the
        // position, Tab on to his career goals and once more into this
        // season's figures; the cursor stays on his row.
        {"squads, Shift+Tab into a column that takes nothing", [&] {
             for (int k = 0; grille && k < 4; ++k)
                 kit::PressKey(nullptr, VK_TAB, ssShift);
             return grille ? "column " + IntToStr(grille->Col()) : std::string("no squads");
         }, "column 1", Traduire(5963), [&] { return grille ? grille->Cells(2, grille->Row()) : ""; }, "Nowak"},
        {"squads, Tab into a column that takes nothing", [&] {
             for (int k = 0; grille && k < 8; ++k)
                 kit::PressKey(nullptr, VK_TAB);
             kit::GrabToPng(f.get(), "cellules-tapees-effectifs-tab-refuse");
             return grille ? "column " + IntToStr(grille->Col()) : std::string("no squads");
         }, "column 8", Traduire(5964), [&] { return grille ? grille->Cells(2, grille->Row()) : ""; }, "Nowak"},
        // The squads' cells of that player, typed past their field's range or
        // their width: the digit refused is said, the figure shown is stored.
        {"squads: a shirt of 2567", [&] { return effectif(1, "2567"); }, "25", plage(255), [&] { return joueur(1); }, "25"},
        {"squads: a shirt of 1999", [&] { return effectif(1, "1999"); }, "199", trop(3), [&] { return joueur(1); }, "199"},
        {"squads: 655369 career matches", [&] { return effectif(7, "655369"); }, "6553", plage(65535),
         [&] { return joueur(7); }, "6553"},
        {"squads: 655359 career points", [&] { return effectif(8, "655359"); }, "65535", trop(5), [&] { return joueur(8); },
         "65535"},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.nom);
        kit::Refusals().clear();
        EXPECT_EQ(k.geste(), k.montre);
        EXPECT_EQ(kit::Refusals().empty() ? "-" : kit::Refusals().back().reason, k.raison);
        EXPECT_EQ(k.garde(), k.garde_attendu);
    }
    auto relue = SauveFermeRelit(f);
    ASSERT_NE(relue, nullptr);
    auto* r = dynamic_cast<TDonneesChampionnatStat*>(relue->ChampionnatCourant());
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->NbPonderations(), 1);
    EXPECT_EQ(r->Ponderation(0)->Ponderation, 80);
    int reussis = 0;
    if (const TListeDonnees* l = r->ListeStat(1, 7))
        for (int i = 0; i < l->Nombre(); ++i)
            reussis += l->Donnee(i)->Mot();
    EXPECT_EQ(reussis, 14);
    for (const auto& [col, attendu] : {std::pair{1, "199"}, {7, "6553"}, {8, "65535"}})
        EXPECT_EQ(ValeurEffectif(*relue, col), attendu) << col;
}

// Every box and cell showing a number the season holds takes it whole, as
// wide as it is (a shirt of 123, as the player card takes up to 255; 1000
// matches and goals in a career line; a rating of 100), and a matchday
// without a date shows none: clicked into and left by Tab with nothing
// typed, each leaves the season as it was (not marked modified), and the
// file written keeps every value.
TEST(SaisiesTapees, ABoxClickedThroughKeepsWhatTheSeasonHolds)
{
    static const bool pages = (EnregistrePagesMatch(), true);
    (void)pages;
    const std::string dir = Prepare("boites_traversees");
    struct TEtat
    {
        int dom = 0;
        int32_t joueur = 0;
        uint32_t code = 0;
    };
    // The values read back, as one text.
    auto valeurs = [](TSaison& s, const TEtat& e) {
        TDonneesChampionnat* c = s.ChampionnatCourant();
        const TJoueur* j = s.Joueurs().ChercheJoueur(e.joueur, e.dom);
        const TInfoComp* m = c ? c->Match(4, 1) : nullptr;
        if (!j || !m)
            return std::string("(no player or match)");
        return "shirt " + IntToStr(j->Maillot) + ", career " + IntToStr(j->NbMatchCarriere(e.code)) + "/" +
               IntToStr(j->StatCarriere(e.code, 1)) + ", line-up shirt " + IntToStr(m->Maillot(e.dom, 1)) +
               ", rating " + IntToStr(m->Note(e.dom, 1)) + ", score " + IntToStr(m->Score(0)) + "-" + IntToStr(m->Score(1)) +
               ", matchday date " + IntToStr(c->DateJournee(4));
    };
    FenetreEssai* fenetre = nullptr;
    auto effectifs = [&](int col) {
        return [&, col](const TEtat& e) {
            ASSERT_TRUE(Commande(*fenetre, 147));
            auto* p = dynamic_cast<Tf_Effectifs*>(fenetre->Enfant);
            ASSERT_NE(p, nullptr);
            for (int i = 0; i < p->l_Equipe->Items().Count(); ++i)
                if (Tf_Effectifs::IdEntree(p->l_Equipe->Items()[i]) == e.dom) {
                    p->l_Equipe->SetItemIndex(i);
                    p->l_EquipeClick(nullptr);
                }
            // Every category of players.
            p->cb_Categories->SetItemIndex(0);
            p->cb_CategoriesChange(nullptr);
            TColorStringGrid* g = p->sg_TableauEquipe;
            const TJoueur* j = fenetre->Saison->Joueurs().ChercheJoueur(e.joueur, e.dom);
            ASSERT_NE(j, nullptr);
            int r = 1;
            while (r < g->RowCount() && g->Cells(2, r) != j->Nom)
                ++r;
            ASSERT_LT(r, g->RowCount());
            ClicCellule(g, col, r);
            ClicCellule(g, col, r);
            ASSERT_TRUE(g->EditorMode());
            kit::PressKey(nullptr, VK_TAB);
        };
    };
    auto rond = [&](int commande, std::function<TWinControl*()> boite) {
        return [&, commande, boite](const TEtat&) {
            ASSERT_TRUE(Commande(*fenetre, commande));
            TWinControl* b = boite();
            ASSERT_NE(b, nullptr);
            kit::Click(b);
            kit::PressKey(nullptr, VK_TAB);
        };
    };
    auto resultats = [&] { return dynamic_cast<Tf_Resultats*>(fenetre->Enfant); };
    struct TCas
    {
        const char* nom;
        std::function<void(const TEtat&)> geste;
        int score = -1;   // the home score a file gave the match (-1: the season's own)
    };
    // A box showing the home score: what it shows once left.
    auto scoreMontre = [&](int commande, std::function<TEditRond*()> boite) {
        return [&, commande, boite](const TEtat& e) {
            rond(commande, [boite]() -> TWinControl* { return boite(); })(e);
            EXPECT_EQ(boite() ? boite()->Text() : std::string("no box"), "1200");
        };
    };
    const TCas cas[] = {
        {"the squads' shirt cell", effectifs(1)},
        {"the squads' career matches cell", effectifs(7)},
        {"the squads' career goals cell", effectifs(8)},
        {"the line-up's shirt box", rond(15, [&]() -> TWinControl* {
             auto* p = dynamic_cast<Tf_Composition*>(fenetre->Enfant);
             return p ? p->Enreg(0, 1).Numero : nullptr;
         })},
        {"the rating box", rond(18, [&]() -> TWinControl* {
             auto* p = dynamic_cast<Tf_Notes*>(fenetre->Enfant);
             return p ? p->Ligne(0, 1).Note : nullptr;
         })},
        {"the score box", rond(13, [&]() -> TWinControl* { return resultats() ? resultats()->Ligne(0).ScoreDomicile : nullptr; })},
        {"the score box holding 1200 from a file",
         scoreMontre(13, [&]() -> TEditRond* { return resultats() ? resultats()->Ligne(0).ScoreDomicile : nullptr; }), 1200},
        {"the match frame's score holding 1200 from a file", scoreMontre(15, [&]() -> TEditRond* {
             auto* p = dynamic_cast<Tf_Composition*>(fenetre->Enfant);
             return p ? p->c_ScDomicile : nullptr;
         }), 1200},
        {"the matchday date box", [&](const TEtat&) {
             // Tab walks the date's parts: the box is left for the score's.
             ASSERT_TRUE(Commande(*fenetre, 13));
             ASSERT_NE(resultats(), nullptr);
             EXPECT_FALSE(resultats()->bde_DateJour->HasDate());
             kit::Click(resultats()->bde_DateJour);
             kit::Click(resultats()->Ligne(0).ScoreDomicile);
             EXPECT_FALSE(resultats()->bde_DateJour->HasDate());
         }},
    };
    std::string attendu;
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.nom);
        TSaisonComplete sc(0);
        sc.saison->SetChampionnatCourant(sc.ligue);
        sc.ligue->NbJournee = 4;
        sc.ligue->SetOption(11, sc.ligue->Option(11) | 1);
        sc.ligue->SetDateJournee(4, 0);
        TInfoComp* m = sc.ligue->Match(4, 1);
        ASSERT_NE(m, nullptr);
        TEtat e{m->IdEquipe(0), m->JoueurTitulaire(m->IdEquipe(0), 1), static_cast<uint32_t>(sc.ligue->CodeChamp)};
        TJoueur* j = sc.saison->Joueurs().ChercheJoueur(e.joueur, e.dom);
        ASSERT_NE(j, nullptr);
        j->Maillot = 123;
        j->SetNbMatchCarriere(e.code, 1000);
        j->SetStatCarriere(e.code, 1, 1000);
        m->SetMaillot(e.dom, 1, 123);
        m->SetNote(e.dom, 1, 100);
        if (k.score >= 0)
            m->SetScore(0, k.score);
        attendu = valeurs(*sc.saison, e);
        auto f = feuille_essai::SauveEtOuvre(*sc.saison, MakePath(dir, "traversee.xmc"));
        ASSERT_TRUE(f);
        fenetre = f.get();
        ModifSaison = 0;
        k.geste(e);
        kit::GrabToPng(f.get(), std::string("boites-traversees-") + k.nom);
        // Another view: what the page would write is written.
        ASSERT_TRUE(Commande(*f, 40));
        EXPECT_EQ(ModifSaison, 0);
        EXPECT_EQ(valeurs(*f->Saison, e), attendu);
        auto relue = SauveFermeRelit(f);
        ASSERT_NE(relue, nullptr);
        EXPECT_EQ(valeurs(*relue, e), attendu);
    }
    EXPECT_EQ(attendu, "shirt 123, career 1000/1000, line-up shirt 123, rating 100, score 1-0, matchday date 0");
}
