// Command 192: the current championship into its history file, each result on
// its two teams, read back by the next start of the program; a season the file
// cannot hold is refused. Commands 199-202: the history window after the choice
// of its file, on a season composed through the creation windows: a past season
// added through the teams dialog and typed in, read back after a restart, then
// read through the head-to-head, the table and the standings; the window left
// with changes not written asks first. Command 192 with the results page shown
// takes what the page holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "engine/historique.h"
#include "files/w_ChoixLogiciel.h"
#include "model/Championnat.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Strings.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/results/PageResultatsEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "views/w_ChoixHistorique.h"
#include "views/w_EquipeHistorique.h"
#include "views/w_Historique.h"

using namespace essai;

TEST(HistoriqueCommande, ResultsGoOnTheirTeamsAndSurviveARestart)
{
    const std::string dir = Prepare("historique");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/historique.xmc"), 0);
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    // the second league: team ids 6..11 at positions 0..5
    ASSERT_TRUE(f->Saison->SelectionneChampionnat(2));
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_NE(c->IdEquipe(0), 0);

    c->SetOption(8, 0);   // year 1900: no place in the file
    Commande(*f, 192);
    ASSERT_EQ(f->Messages.size(), 1u);
    EXPECT_EQ(f->Messages[0], TraduireFormat(3470, {1900}));
    EXPECT_EQ(f->Stats->Nombre(), 0);

    c->SetOption(8, 105);
    f->Messages.clear();
    f->Reponses = {mrYes};
    Commande(*f, 192);
    EXPECT_EQ(f->Messages, (std::vector<std::string>{Traduire(1615), Traduire(1616)}));
    TermineFenetre(f);

    // the next start loads the file
    f = LanceFenetre();
    ASSERT_EQ(f->Stats->Nombre(), 1);
    TStat* stat = f->Stats->Stat(0);
    ASSERT_EQ(stat->NombreSaisons(), 1);
    const TSaisonStat* s = stat->Saison(0);
    EXPECT_EQ(s->Saison(), 105);
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison->SelectionneChampionnat(2));
    c = f->Saison->ChampionnatCourant();
    EXPECT_EQ(f->Stats->ChercheStat(c->CodeDivision(), 0), stat);
    int vus = 0;
    for (int d = 1; d <= c->NbJour(); ++d)
        for (int k = 0; k < c->NbMatchJournee(d); ++k) {
            const int sd = c->ValeurMatch(d, 4 * k + 2);
            if (sd == 65535)
                continue;
            const int h = stat->ChercheEquipe(f->Saison->NomEquipe(c->ValeurMatch(d, 4 * k + 1)));
            const int a = stat->ChercheEquipe(f->Saison->NomEquipe(c->ValeurMatch(d, 4 * k + 3)));
            EXPECT_EQ(s->ResultatEquipes(h, a), std::make_pair(sd, c->ValeurMatch(d, 4 * k + 4))) << d << " " << k;
            ++vus;
        }
    EXPECT_EQ(vus, 9);   // three matchdays of three matches

    // a history window on the file follows when the command replaces the season it shows
    kit::WhenModal([](TForm* m) {
        if (auto* d = dynamic_cast<Tf_ChoixHistorique*>(m))
            d->bc_Choisir->Click();
        else
            m->SetModalResult(mrCancel);
    });
    Commande(*f, 202);
    kit::ForgetModalActions();
    auto* h = dynamic_cast<Tf_Historique*>(f->Enfant);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->SaisonAffichee(), stat->Saison(0));
    f->Messages.clear();
    h->csg_Saisie->EcritCellule(3, 1, "99");   // typed, not saved: the replaced season's grid goes
    c->SetOption(8, 105);   // the same season again: asked, yes
    f->Reponses = {mrYes};
    Commande(*f, 192);
    EXPECT_EQ(f->Messages, (std::vector<std::string>{TraduireFormat(5867, {TraduireFormat(356, {2005, 6}),
                                                                           f->Saison->Arbre().NomCompletCode(2), 6}),
                                                     Traduire(1616)}));
    ASSERT_EQ(stat->NombreSaisons(), 1);
    EXPECT_EQ(f->Enfant, h);
    EXPECT_EQ(h->SaisonAffichee(), stat->Saison(0));
    EXPECT_EQ(h->csg_Saisie->RowCount(), c->NbEquipe() + 1);
    EXPECT_NE(h->csg_Saisie->LitCellule(3, 1), "99");
    TermineFenetre(f);
}

// One changed byte in a history file of three seasons: the next start says
// which file is damaged and shows what it could read; command 192 keeps the
// damaged file aside whole before it writes the file again.
TEST(HistoriqueCommande, DamagedFileIsToldAndKeptBeforeTheSeasonIsAdded)
{
    const std::string dir = Prepare("historique_abime");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/historique.xmc"), 0);
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison->SelectionneChampionnat(2));
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    for (int annee : {103, 104, 105}) {
        c->SetOption(8, annee);
        f->Reponses = {mrYes};
        Commande(*f, 192);
    }
    ASSERT_EQ(f->Stats->Nombre(), 1);
    const std::string historique = f->Stats->Stat(0)->NomFichier;
    TermineFenetre(f);

    // The team count of the second season (104) made larger than the file.
    std::string octets;
    ASSERT_TRUE(ReadFileBytes(historique, octets));
    const size_t taille = 4 + 2 * 6 + 6 * 6 * 2;
    const size_t saison2 = octets.size() - 2 * taille;
    ASSERT_EQ(static_cast<uint8_t>(octets[saison2 + 1]), 104);
    octets[saison2] = 40;
    ASSERT_TRUE(WriteFileAtomic(historique, octets));

    kit::ResetAnswers();
    kit::AnswerMessages({mrOk});
    f = LanceFenetre();
    ASSERT_FALSE(kit::Messages().empty());
    EXPECT_EQ(kit::Messages()[0].Text, TraduireFormat(3800, {historique}));
    ASSERT_EQ(f->Stats->Nombre(), 1);
    EXPECT_EQ(f->Stats->Stat(0)->NombreSaisons(), 1);
    std::string lu;
    ReadFileBytes(historique, lu);
    EXPECT_EQ(lu, octets);

    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison->SelectionneChampionnat(2));
    f->Saison->ChampionnatCourant()->SetOption(8, 106);
    f->Messages.clear();
    Commande(*f, 192);
    EXPECT_EQ(f->Messages, (std::vector<std::string>{TraduireFormat(3801, {historique, historique + ".bak"}),
                                                     Traduire(1616)}));
    ReadFileBytes(historique + ".bak", lu);
    EXPECT_EQ(lu, octets);
    TStat relu;
    EXPECT_TRUE(relu.Charge(historique));
    EXPECT_EQ(relu.NombreSaisons(), 2);
    TermineFenetre(f);
    kit::ResetAnswers();
}

namespace {

// The data folder as an absolute path: the program's file operations may
// change the current folder.
const bool dossierAbsolu = [] {
    setenv("BZ_DATA_DIR", std::filesystem::absolute(vues::DossierDonnees()).lexically_normal().c_str(), 0);
    return true;
}();

template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::MessageFerme);
}

// A season of two championships of 18 teams, composed by the user (football
// unless another sport is given).
void CreeSaison(FenetreEssai& f, int sport = 0)
{
    Quand<Tf_ChoixLogiciel>([sport](Tf_ChoixLogiciel* c) {
        c->rc_Sport[sport]->SetChecked(true);
        c->b_Valider->Click();
    });
    Quand<Tf_CreationSaison>([](Tf_CreationSaison* c) {
        for (const char* prefixe : {"Onze ", "Autre "}) {
            Quand<Tf_Creation>([](Tf_Creation* d) {
                for (int i = 0; i < d->ComponentCount(); ++i)
                    if (auto* r = dynamic_cast<TRondCoche*>(d->Components(i)); r && r->Tag == 1)
                        r->Click();
                d->Edit1->SetText("18");
                d->b_Valider->Click();
            });
            Quand<Tf_SaisieEquipes>([prefixe](Tf_SaisieEquipes* s) {
                for (size_t i = 0; i < s->Equipes.size(); ++i)
                    s->Equipes[i]->SetText(prefixe + IntToStr(static_cast<int>(i) + 1));
                s->b_Ok->Click();
            });
            c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
            c->bc_CreeChamp->Click();
        }
        RepondBoite(mrOk);
        c->b_Valider->Click();
    });
    ASSERT_TRUE(Commande(f, 5));
    kit::Process(20);
}

// The history command through the choice dialog: its entry of the file chosen.
void ChoisitHistorique(FenetreEssai& f, int commande, const std::function<void(Tf_ChoixHistorique*)>& avant = {})
{
    Quand<Tf_ChoixHistorique>([avant](Tf_ChoixHistorique* d) {
        if (avant)
            avant(d);
        ASSERT_EQ(d->lb_Choix->Items().Count(), 1);
        d->lb_Choix->SetItemIndex(0);
        d->bc_Choisir->Click();
    });
    Commande(f, commande);
    kit::ForgetModalActions();
}

std::vector<std::string> Ligne(TColorStringGrid* g, int r)
{
    std::vector<std::string> l;
    for (int c = 0; c < g->ColCount(); ++c)
        l.push_back(g->LitCellule(c, r));
    return l;
}

}  // namespace

TEST(HistoriqueFenetre, PastSeasonTypedOnACreatedSeasonReadsBackAfterARestart)
{
    const std::string dir = Prepare("historique_route");
    auto f = LanceFenetre();
    CreeSaison(*f);
    ASSERT_NE(f->Saison, nullptr);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->NbEquipe(), 18);
    std::vector<std::string> noms;
    for (int i = 0; i < 4; ++i)
        noms.push_back(f->Saison->NomEquipePosition(i));
    const int y = YearOf(Date()) - 1900;
    c->SetOption(8, static_cast<uint16_t>(y - 1));
    c->NbJournee = 1;
    c->CreeMatch(1, c->IdEquipe(0), c->IdEquipe(1), 2, 1);
    c->CreeMatch(1, c->IdEquipe(2), c->IdEquipe(3), 0, 0);

    // the history commands wait for a file: cancelled, nothing opens and the next one asks again
    Quand<Tf_ChoixHistorique>([](Tf_ChoixHistorique* d) {
        EXPECT_EQ(d->lb_Choix->Items().Count(), 0);
        d->bc_Choisir->Click();   // nothing chosen: stays
        d->SetModalResult(mrCancel);
    });
    Commande(*f, 199);
    kit::ForgetModalActions();
    EXPECT_EQ(dynamic_cast<Tf_Historique*>(f->Enfant), nullptr);
    EXPECT_EQ(f->ParametresMemorises[2], -1);

    f->Reponses = {mrYes};
    Commande(*f, 192);
    EXPECT_EQ(f->Messages, (std::vector<std::string>{Traduire(1615), Traduire(1616)}));
    const int32_t code = c->CodeDivision();
    ModifSaison = 0;
    TermineFenetre(f);

    // restart: the file loads; no season open
    f = LanceFenetre();
    ASSERT_EQ(f->Stats->Nombre(), 1);
    // creating a file for the division that has one selects it
    ChoisitHistorique(*f, 202, [&](Tf_ChoixHistorique* d) {
        EXPECT_TRUE(d->Panel1->Visible());
        d->cb_Champ->SetItemIndex(d->cb_Champ->Items().IndexOfObject(code));
        ASSERT_GE(d->cb_Champ->ItemIndex(), 0);
        d->lb_Choix->SetItemIndex(-1);
        d->bc_AjouterClick(nullptr);
        EXPECT_EQ(f->Stats->Nombre(), 1);
        EXPECT_EQ(d->lb_Choix->ItemIndex(), 0);
        EXPECT_EQ(d->Choix(), 0);
        kit::GrabToPng(d, "choix-historique");
    });
    auto* h = dynamic_cast<Tf_Historique*>(f->Enfant);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->Mode(), 0);
    ASSERT_EQ(h->cb_Saison3->Items().Count(), 1);
    EXPECT_EQ(h->cb_Saison3->Items()[0], TraduireFormat(356, {y - 1 + 1900, 18}));

    // a past season: a year refused first, three names dragged in, a new one typed
    Quand<Tf_EquipeHistorique>([&](Tf_EquipeHistorique* d) {
        ASSERT_EQ(d->lb_Equipe->Items().Count(), 18);
        // the dialog laid out before anything is dragged out of its list
        ASSERT_TRUE(kit::WaitUntil([&] { return d->lb_Equipe->ItemRect(1).Top > 0; }));
        // clear of the main window, so that the drop finds the dialog's memo
        d->SetLeft(f->Left() + f->Width() + 20);
        kit::Process();
        std::vector<std::string> textes;
        kit::WhenModal([&](TForm* m) {
            if (auto* b = dynamic_cast<Tf_MessageUtil*>(m))
                textes.push_back(b->Label1->Caption());
            m->SetModalResult(mrOk);
        });
        d->ud_Annee->SetPosition(2150);
        kit::Click(d->b_Valider);
        EXPECT_EQ(textes, (std::vector<std::string>{TraduireFormat(3470, {2150})}));
        EXPECT_EQ(d->ModalResult(), mrNone);
        d->ud_Annee->SetPosition(y - 7 + 1900);
        for (int i = 0; i < 3; ++i) {
            const int k = d->lb_Equipe->Items().IndexOf(noms[static_cast<size_t>(i)]);
            d->lb_Equipe->SetItemIndex(k);
            d->lb_Equipe->SetTopIndex(k);
            const TRect r = d->lb_Equipe->ItemRect(k);
            kit::Drag(d->lb_Equipe, {r.Left + 5, r.Top + 3}, d->m_Equipe, {20, 20});
        }
        d->m_Equipe->Lines().Add("Nouveau Club");
        EXPECT_EQ(d->Label1->Caption(), TraduireFormat(640, {4}));
        kit::GrabToPng(d, "equipe-historique-route");
        kit::Click(d->b_Valider);
    });
    kit::Click(h->bc_Ajouter);
    kit::ForgetModalActions();
    ASSERT_EQ(h->cb_Saison3->Items().Count(), 2);
    EXPECT_EQ(h->cb_Saison3->ItemIndex(), 1);
    TSaisonStat* s = h->SaisonAffichee();
    ASSERT_NE(s, nullptr);
    ASSERT_EQ(s->NombreEquipes(), 4);
    EXPECT_EQ(s->Saison(), y - 7);
    EXPECT_EQ(h->Historique()->NomEquipe(s->IdEquipe(3)), "Nouveau Club");

    // the results, row by row: each team's own pair skipped
    // 1-2 2-1, 1-3 10-0, 1-4 0-3 / 2-1 1-1, 2-3 2-0, 2-4 0-0 / 3-1 0-1, 3-2 1-3, 3-4 2-2 / 4-1 1-4, 4-2 0-0, 4-3 1-0
    for (const char* score : {"2", "1", "10", "0", "0", "3", "1", "1", "2", "0", "0", "0",
                              "0", "1", "1", "3", "2", "2", "1", "4", "0", "0", "1", "0"}) {
        kit::Type(h->csg_Saisie, score);
        kit::PressKey(h->csg_Saisie, VK_RETURN);
    }
    kit::Click(h->bc_Enregistrer);
    std::string avant;
    h->Historique()->EcritOctets(avant);
    kit::GrabToPng(f.get(), "historique-route-saisie");
    TermineFenetre(f);

    // restart: the file reads back equal
    f = LanceFenetre();
    ASSERT_EQ(f->Stats->Nombre(), 1);
    std::string apres;
    f->Stats->Stat(0)->EcritOctets(apres);
    EXPECT_EQ(apres, avant);

    // head-to-head of the first two clubs, by years and by meetings, with return legs
    ChoisitHistorique(*f, 199);
    h = dynamic_cast<Tf_Historique*>(f->Enfant);
    ASSERT_NE(h, nullptr);
    h->cb_Domicile->SetItemIndex(h->cb_Domicile->Items().IndexOf(noms[0]));
    h->cb_Exterieur->SetItemIndex(h->cb_Exterieur->Items().IndexOf(noms[1]));
    const std::string a = IntToStr(y - 1 + 1900), b = IntToStr(y - 7 + 1900), nul = Traduire(230);
    h->cc_Retour->SetChecked(true);
    kit::Click(h->bc_Chercher);
    ASSERT_EQ(h->sg_Resultat->RowCount(), 4);
    EXPECT_EQ(Ligne(h->sg_Resultat, 1), (std::vector<std::string>{a, noms[0], "2-1"}));
    EXPECT_EQ(Ligne(h->sg_Resultat, 2), (std::vector<std::string>{b, noms[0], "2-1"}));
    EXPECT_EQ(Ligne(h->sg_Resultat, 3), (std::vector<std::string>{b, nul, "1-1"}));
    EXPECT_EQ(h->l_Vict->Caption(), TraduireFormat(352, {2, noms[0]}));
    EXPECT_EQ(h->l_Nul->Caption(), TraduireFormat(5971, {1}));
    EXPECT_EQ(h->l_Def->Caption(), TraduireFormat(IdTexteNombre(352, 5970, 0), {0, noms[1]}));
    h->ud_Annee->SetPosition(5);
    kit::Click(h->bc_Chercher);
    EXPECT_EQ(h->sg_Resultat->RowCount(), 2);   // seven years ago is too old
    h->ud_Match->SetPosition(1);
    kit::Click(h->rb_Match);
    EXPECT_EQ(h->sg_Resultat->RowCount(), 2);   // one meeting, its return not played
    h->ud_Match->SetPosition(2);
    kit::Click(h->bc_Chercher);
    EXPECT_EQ(h->sg_Resultat->RowCount(), 4);
    kit::GrabToPng(f.get(), "historique-route-rencontres");

    // the season table and the standings: the same window, the same file
    Commande(*f, 200);
    EXPECT_EQ(f->Enfant, h);
    h->cb_Saison->SetItemIndex(1);
    h->cb_Saison->OnChange(h->cb_Saison);
    EXPECT_EQ(Ligne(h->sg_recap, 1), (std::vector<std::string>{noms[0], "", "2-1", "10-0", "0-3"}));
    EXPECT_EQ(Ligne(h->sg_recap, 4), (std::vector<std::string>{"Nouveau Club", "1-4", "0-0", "1-0", ""}));
    Commande(*f, 201);
    EXPECT_EQ(f->Enfant, h);
    h->cb_Saison2->SetItemIndex(1);
    h->cb_Saison2->OnChange(h->cb_Saison2);
    using L = std::vector<std::string>;
    const std::string& t1 = noms[0];
    const std::string& t2 = noms[1];
    const std::string& t3 = noms[2];
    const std::string t4 = "Nouveau Club";
    struct Cas
    {
        TRondCoche* r;
        std::vector<L> lignes;
    };
    const Cas cas[] = {
        {h->rc_General, {{"1", t1, "13", "4", "1", "1", "18", "6", "12", "6"},
                         {"2", t2, "9", "2", "3", "1", "7", "4", "3", "6"},
                         {"3", t4, "9", "2", "3", "1", "7", "6", "1", "6"},
                         {"4", t3, "1", "0", "1", "5", "3", "19", "-16", "6"}}},
        {h->rc_Domicile, {{"1", t1, "6", "2", "0", "1", "12", "4", "8", "3"},
                          {"2", t2, "5", "1", "2", "0", "3", "1", "2", "3"},
                          {"3", t4, "4", "1", "1", "1", "2", "4", "-2", "3"},
                          {"4", t3, "1", "0", "1", "2", "3", "6", "-3", "3"}}},
        {h->rc_exterieur, {{"1", t1, "7", "2", "1", "0", "6", "2", "4", "3"},
                           {"2", t4, "5", "1", "2", "0", "5", "2", "3", "3"},
                           {"3", t2, "4", "1", "1", "1", "4", "3", "1", "3"},
                           {"4", t3, "0", "0", "0", "3", "0", "13", "-13", "3"}}},
        {h->rc_Attaque, {{"1", t1, "18"}, {"2", t2, "7"}, {"-", t4, "7"}, {"4", t3, "3"}}},
        // level teams: the lower of the two rows shows the mark, as in attack
        {h->rc_Defense, {{"1", t2, "4"}, {"2", t4, "6"}, {"-", t1, "6"}, {"4", t3, "19"}}},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.r->Name());
        kit::Click(k.r);
        for (int r = 1; r <= 4; ++r)
            EXPECT_EQ(Ligne(h->sg_Classement, r), k.lignes[static_cast<size_t>(r - 1)]) << r;
    }
    kit::GrabToPng(f.get(), "historique-route-classement");
    // another command forgets the file: the next history command asks again
    Commande(*f, 40);
    EXPECT_EQ(f->ParametresMemorises[2], -1);
    TermineFenetre(f);
}

// In both languages the choice dialog's choose and create buttons read
// differently, the head-to-head counts its period in years, the
// standings' kinds show their captions whole in the main window as it opens,
// above their table, and the season table shows its last column whole.
TEST(HistoriqueFenetre, ChoiceButtonsAndYearsReadWhatTheyDo)
{
    struct Cas
    {
        const char* langue;
        const char* choisir;
        const char* ajouter;
        const char* ans;
    };
    const Cas cas[] = {{"fr", "Choisir", "Ajouter", "ans"}, {"en", "Choose", "Add", "years"}};
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.langue);
        const std::string dir = Prepare(std::string("historique_libelles_") + k.langue);
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", k.langue);
        auto f = LanceFenetre();
        CreeSaison(*f);
        ASSERT_NE(f->Saison, nullptr);
        f->Reponses = {mrYes};
        Commande(*f, 192);
        // the dialog of the history entry offers both buttons
        ChoisitHistorique(*f, 202, [&](Tf_ChoixHistorique* d) {
            EXPECT_TRUE(d->Panel1->Visible());
            EXPECT_EQ(d->bc_Choisir->Caption(), k.choisir);
            EXPECT_EQ(d->bc_Ajouter->Caption(), k.ajouter);
            kit::GrabToPng(d, std::string("choix-historique-") + k.langue);
        });
        ChoisitHistorique(*f, 199);
        auto* h = dynamic_cast<Tf_Historique*>(f->Enfant);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->Mode(), 1);
        EXPECT_EQ(h->Label7->Caption(), k.ans);
        kit::GrabToPng(f.get(), std::string("historique-rencontres-") + k.langue);
        Commande(*f, 201);
        ASSERT_EQ(f->Enfant, h);
        const int droite = f->ClientToScreen({f->ClientWidth(), 0}).X;
        for (TRondCoche* r : {h->rc_General, h->rc_Domicile, h->rc_exterieur, h->rc_Attaque, h->rc_Defense}) {
            EXPECT_LE(r->ClientToScreen({r->LargeurNecessaire(), 0}).X, droite) << r->Caption();
            EXPECT_LE(r->Left() + r->Width(), h->ts_Classement->ClientWidth()) << r->Caption();
            EXPECT_LE(r->Top() + r->Height(), h->sg_Classement->Top()) << r->Caption();
        }
        kit::GrabToPng(f.get(), std::string("historique-classement-") + k.langue);
        // the season table whole: the grid within the page, its last column
        // within the grid, scrolled to when the page is narrower
        Commande(*f, 200);
        ASSERT_EQ(f->Enfant, h);
        TColorStringGrid* g = h->sg_recap;
        const int n = g->ColCount() - 1;
        ASSERT_EQ(n, 18);
        g->SetLeftCol(g->MaxLeftCol());
        EXPECT_GT(g->CellRect(n, 0).Right, 0);
        EXPECT_LE(g->CellRect(n, 0).Right + g->VertLineWidth(n), g->ViewWidth());
        EXPECT_LE(g->Left() + g->Width(), h->ts_Tableau->ClientWidth());
        kit::GrabToPng(f.get(), std::string("historique-tableau-") + k.langue);
        ModifSaison = 0;
        TermineFenetre(f);
    }
}

// A season stored in the history goes only once the user, asked naming it,
// says so: "Ajouter" with its year, "Effacer" on it, command 192 of another
// championship of the same division and year or of the same championship
// again. No leaves the file as it was; what is saved reads back after a
// restart.
// A season made through the creation windows, one match played, added to the
// history twice: as it is and as the year before. Its championship, or null
// when the season could not be made.
TDonneesChampionnat* DeuxSaisonsEnHistorique(FenetreEssai& f, int sport = 0)
{
    CreeSaison(f, sport);
    if (!f.Saison)
        return nullptr;
    TDonneesChampionnat* c = f.Saison->ChampionnatCourant();
    c->NbJournee = 1;
    c->CreeMatch(1, c->IdEquipe(0), c->IdEquipe(1), 2, 1);
    f.Reponses = {mrYes};
    Commande(f, 192);
    c->SetOption(8, static_cast<uint16_t>(c->Option(8) - 1));
    Commande(f, 192);
    return c;
}

TEST(HistoriqueFenetre, AStoredSeasonGoesOnlyOnceTheUserSaysSo)
{
    // Autre, Meme, EffaceMeme: command 192 (EffaceMeme after "Effacer" not written)
    enum TGeste { Ajoute, Efface, Autre, Meme, EffaceMeme };
    struct Cas
    {
        const char* nom;
        TGeste geste;
        int reponse;
        int fois = 1;  // seasons deleted one after the other
    };
    const Cas cas[] = {{"added over, no", Ajoute, mrNo},
                       {"added over, yes", Ajoute, mrYes},
                       {"deleted, no", Efface, mrNo},
                       {"deleted, yes", Efface, mrYes},
                       {"every season deleted, yes", Efface, mrYes, 2},
                       {"another championship's by command 192, no", Autre, mrNo},
                       {"another championship's by command 192, yes", Autre, mrYes},
                       {"the same championship's again by command 192, no", Meme, mrNo},
                       {"the same championship's again by command 192, yes", Meme, mrYes},
                       {"erased unwritten, then the same championship's by command 192, no", EffaceMeme, mrNo},
                       {"erased unwritten, then the same championship's by command 192, yes", EffaceMeme, mrYes}};
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        Prepare(std::string("historique_question_") + IntToStr(k.geste) + IntToStr(k.reponse));
        auto f = LanceFenetre();
        TDonneesChampionnat* c = DeuxSaisonsEnHistorique(*f);
        ASSERT_NE(c, nullptr);
        ChoisitHistorique(*f, 202);
        auto* h = dynamic_cast<Tf_Historique*>(f->Enfant);
        ASSERT_NE(h, nullptr);
        h->AfficheMode(0);
        const TSaisonStat* stockee = h->Historique()->Saison(0);
        ASSERT_NE(stockee, nullptr);
        const int annee = stockee->Saison() + 1900;
        const std::string nom = Tf_Historique::NomSaison(*stockee);
        std::string avant, apres;
        h->Historique()->EcritOctets(avant);
        std::vector<std::string> textes;
        auto repond = [&] {
            kit::WhenModal([&](TForm* m) {
                if (auto* b = dynamic_cast<Tf_MessageUtil*>(m))
                    textes.push_back(b->Label1->Caption());
                m->SetModalResult(k.reponse);
            });
        };
        std::string attendu;   // the question
        if (k.geste == Ajoute) {
            Quand<Tf_EquipeHistorique>([&](Tf_EquipeHistorique* d) {
                d->ud_Annee->SetPosition(annee);
                d->m_Equipe->Lines().Add("Premier Club");
                d->m_Equipe->Lines().Add("Second Club");
                repond();
                kit::Click(d->b_Valider);
            });
            kit::Click(h->bc_Ajouter);
            attendu = TraduireFormat(5721, {nom, 2});
        } else if (k.geste == Efface) {
            for (int fois = 0; fois < k.fois; ++fois) {
                repond();
                kit::Click(h->bc_Retirer);
            }
            attendu = TraduireFormat(5722, {nom});
        } else {
            if (k.geste == EffaceMeme) {
                kit::WhenModal([](TForm* m) { m->SetModalResult(mrYes); });
                kit::Click(h->bc_Retirer);
            }
            // the other championship of the season, of the same division code
            TDonneesChampionnat* o = c;
            if (k.geste == Autre)
                for (TDonneesChampionnat* x : f->Saison->Arbre().ListeChampionnats())
                    if (x != c)
                        o = x;
            ASSERT_EQ(o->CodeDivision(), c->CodeDivision());
            o->SetOption(8, static_cast<uint16_t>(annee - 1900));
            ASSERT_TRUE(f->Saison->SelectionneChampionnat(o->CodeChamp));
            f->Messages.clear();
            f->Reponses = {k.reponse};
            Commande(*f, 192);
            attendu = TraduireFormat(5867, {nom, f->Saison->Arbre().NomCompletCode(o->CodeChamp), 18});
            textes = f->Messages;
            if (k.reponse == mrYes && !textes.empty()) {
                EXPECT_EQ(textes.back(), Traduire(1616));
                textes.pop_back();
            }
            if (k.geste == EffaceMeme) {
                // the file still holds both seasons, the stored one or what replaced it
                TStat disque;
                disque.Charge(h->Historique()->NomFichier);
                EXPECT_EQ(disque.NombreSaisons(), 2);
            }
        }
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        ASSERT_EQ(textes.size(), static_cast<size_t>(k.fois));
        EXPECT_EQ(textes[0], attendu);
        h->Historique()->EcritOctets(apres);
        EXPECT_EQ(apres == avant, k.geste == EffaceMeme ? k.reponse == mrYes : k.reponse == mrNo || k.geste == Meme);
        EXPECT_EQ(h->Historique()->NombreSaisons(),
                  k.reponse == mrYes && k.geste == Efface ? 2 - k.fois : k.geste == EffaceMeme && k.reponse == mrNo ? 1 : 2);
        if (h->Historique()->NombreSaisons() > 0) {
            EXPECT_EQ(h->Historique()->Saison(0)->NombreEquipes(), k.reponse == mrYes && k.geste == Ajoute ? 2 : 18);
        }
        kit::Click(h->bc_Enregistrer);
        ModifSaison = 0;
        TermineFenetre(f);

        // restart: the file reads back as left
        f = LanceFenetre();
        ASSERT_EQ(f->Stats->Nombre(), 1);
        std::string relu;
        f->Stats->Stat(0)->EcritOctets(relu);
        EXPECT_EQ(relu, apres);
        TermineFenetre(f);
    }
}

// The history window left with changes not yet written (a result typed over
// a stored one, or over one of another season's grid, or a season deleted with
// Oui): leaving it for another view, back to the view before, another
// championship or quitting the program asks first. Oui writes them,
// Non drops them, Annuler keeps the window as it was, to write them there.
// "Ajouter à l'historique" meanwhile writes its own season only: the changes
// are still asked about on leaving.
// The program is then quit and the file read back at the next start.
TEST(HistoriqueFenetre, LeftWithChangesNotWrittenItAsksFirst)
{
    enum TChange { Tape, Efface, AutreGrille };
    // Retour: back to the view before; Ajout: command 192 for the next year, then another view
    enum TRoute { Vue, Retour, Championnat, Quitte, Ajout };
    struct Cas
    {
        const char* nom;
        TChange change;
        TRoute route;
        int reponse;
        int sport = 0;
    };
    const Cas cas[] = {{"typed, another view, Oui", Tape, Vue, mrYes},
                       {"deleted, another view, Oui", Efface, Vue, mrYes},
                       {"deleted, another view, Non", Efface, Vue, mrNo},
                       {"typed, another view, Annuler", Tape, Vue, mrCancel},
                       {"deleted, back, Oui", Efface, Retour, mrYes},
                       {"typed, back, Annuler", Tape, Retour, mrCancel},
                       {"deleted, another championship, Oui", Efface, Championnat, mrYes},
                       {"typed, another championship, Non", Tape, Championnat, mrNo},
                       {"deleted, another championship, Annuler", Efface, Championnat, mrCancel},
                       {"deleted, quitting, Oui", Efface, Quitte, mrYes},
                       {"typed, quitting, Non", Tape, Quitte, mrNo},
                       {"typed, quitting, Annuler", Tape, Quitte, mrCancel},
                       {"deleted, added to the history, Non, rugby", Efface, Ajout, mrNo, 1},
                       {"typed, added to the history, Non, basketball", Tape, Ajout, mrNo, 2},
                       {"typed in another season's grid, added to the history, Non, handball", AutreGrille, Ajout,
                        mrNo, 3},
                       {"typed in another season's grid, added to the history, Oui", AutreGrille, Ajout, mrYes}};
    // a row that stops early leaves the next ones to be played
    auto joue = [](const Cas& k) {
        Prepare(std::string("historique_depart_") + IntToStr(k.change) + IntToStr(k.route) + IntToStr(k.reponse));
        auto f = LanceFenetre();
        TDonneesChampionnat* c = DeuxSaisonsEnHistorique(*f, k.sport);
        ASSERT_NE(c, nullptr);
        Commande(*f, 162);   // the view before
        ChoisitHistorique(*f, 202);
        auto* h = dynamic_cast<Tf_Historique*>(f->Enfant);
        ASSERT_NE(h, nullptr);
        ASSERT_EQ(Ligne(h->csg_Saisie, 1)[3], "2");
        const size_t retours = f->Historique.size();
        ASSERT_GT(retours, 0u);
        auto choisit = [h](int i) {
            h->cb_Saison3->SetItemIndex(i);
            h->cb_Saison3->OnChange(h->cb_Saison3);
        };
        if (k.change != Efface) {
            if (k.change == AutreGrille)
                choisit(1);
            for (const char* score : {k.change == Tape ? "5" : "3", k.change == Tape ? "4" : "3"}) {
                kit::Type(h->csg_Saisie, score);
                kit::PressKey(h->csg_Saisie, VK_TAB);
            }
            if (k.change == AutreGrille)
                choisit(0);
        } else {
            RepondBoite(mrYes);
            kit::Click(h->bc_Retirer);
            ASSERT_EQ(h->Historique()->NombreSaisons(), 1);
        }
        const std::string question =
            TraduireFormat(6140, {NomDivisionHistorique(h->Historique()->IdChampionnat, f->Saison.get())});
        std::vector<std::string> textes;
        RepondBoite(k.reponse, &textes);
        ModifSaison = 0;
        if (k.route == Ajout) {
            c->SetOption(8, static_cast<uint16_t>(c->Option(8) + 2));
            f->Messages.clear();
            Commande(*f, 192);
            EXPECT_EQ(f->Messages, (std::vector<std::string>{Traduire(1616)}));
            EXPECT_EQ(f->Enfant, h);
            Commande(*f, 162);
        } else if (k.route == Vue)
            Commande(*f, 162);
        else if (k.route == Retour)
            f->NavigueHistorique(true);
        else if (k.route == Championnat) {
            TDonneesChampionnat* autre = nullptr;
            for (TDonneesChampionnat* x : f->Saison->Arbre().ListeChampionnats())
                if (x != c)
                    autre = x;
            ASSERT_NE(autre, nullptr);
            int p = -1;
            f->MenuDispatch("", static_cast<uint32_t>(autre->CodeChamp) << 16, nullptr, p, true);
        } else {
            f->Close();
            kit::Process();
        }
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        EXPECT_EQ(textes, (std::vector<std::string>{question}));
        if (k.reponse == mrCancel) {
            // nothing left: the window as it was, its changes to write there
            ASSERT_EQ(f->Enfant, h);
            EXPECT_TRUE(f->Visible());
            EXPECT_EQ(f->Saison->ChampionnatCourant(), c);
            EXPECT_EQ(f->Historique.size(), retours);
            EXPECT_TRUE(f->HistoriqueSuivant.empty());
            EXPECT_EQ(h->cb_Saison3->Items().Count(), k.change == Efface ? 1 : 2);
            if (k.change == Tape) {
                EXPECT_EQ(Ligne(h->csg_Saisie, 1)[3] + "-" + Ligne(h->csg_Saisie, 1)[4], "5-4");
            }
            kit::Click(h->bc_Enregistrer);
        } else
            EXPECT_NE(dynamic_cast<Tf_Historique*>(f->Enfant), h);
        // the program quit (asking nothing more), then started again
        if (k.route != Quitte || k.reponse == mrCancel) {
            textes.clear();
            ModifSaison = 0;
            f->Close();
            kit::Process();
            EXPECT_TRUE(textes.empty());
        }
        TermineFenetre(f);
        f = LanceFenetre();
        ASSERT_EQ(f->Stats->Nombre(), 1);
        const TStat* relu = f->Stats->Stat(0);
        const bool ecrit = k.reponse != mrNo;
        // the season added by command 192 comes first
        const int ajoutee = k.route == Ajout ? 1 : 0;
        ASSERT_EQ(relu->NombreSaisons(), (k.change == Efface && ecrit ? 1 : 2) + ajoutee);
        const TSaisonStat* s = relu->Saison(ajoutee);
        const std::pair<int, int> attendu = k.change == Tape && ecrit ? std::make_pair(5, 4) : std::make_pair(2, 1);
        EXPECT_EQ(s->Resultat(0, 1), attendu);
        const std::pair<int, int> autre = k.change == AutreGrille && ecrit ? std::make_pair(3, 3) : std::make_pair(2, 1);
        EXPECT_EQ(relu->Saison(relu->NombreSaisons() - 1)->Resultat(0, 1), autre);
        TermineFenetre(f);
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        joue(k);
    }
}

// Command 192 with the results page shown: the scores typed on it, the last
// box left by Tab, go into the season first. Asked before replacing the
// stored season, the question names its results only when it holds some.
TEST(HistoriqueCommande, TheResultsPageShownGivesItsScoresFirst)
{
    Prepare("historique_page_resultats");
    auto f = LanceFenetre();
    CreeSaison(*f);
    ASSERT_NE(f->Saison, nullptr);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    c->NbJournee = 1;
    for (int m = 0; m < 3; ++m)
        c->CreeMatch(1, c->IdEquipe(2 * m), c->IdEquipe(2 * m + 1), TInfoComp::ScoreVide, TInfoComp::ScoreVide);
    // stored once before any match was played: no result
    f->Reponses = {mrYes};
    Commande(*f, 192);
    const std::string nom = TraduireFormat(356, {c->Option(8) + 1900, 18});
    const std::string championnat = f->Saison->Arbre().NomCompletCode(c->CodeChamp);
    ASSERT_TRUE(Commande(*f, 13));
    auto* r = dynamic_cast<Tf_Resultats*>(f->Enfant);
    ASSERT_NE(r, nullptr);
    const std::pair<const char*, const char*> scores[] = {{"2", "1"}, {"0", "0"}, {"1", "3"}};
    for (int m = 0; m < 3; ++m)
        page_essai::Retape(*r, m, scores[m].first, scores[m].second);
    std::vector<std::string> noms;
    for (int i = 0; i < 6; ++i)
        noms.push_back(f->Saison->NomEquipePosition(i));
    // the three scores in the history file's season
    auto lit = [&](const TStat& relu) {
        ASSERT_EQ(relu.NombreSaisons(), 1);
        for (int m = 0; m < 3; ++m)
            EXPECT_EQ(relu.Saison(0)->ResultatEquipes(relu.ChercheEquipe(noms[static_cast<size_t>(2 * m)]),
                                                      relu.ChercheEquipe(noms[static_cast<size_t>(2 * m + 1)])),
                      std::make_pair(std::atoi(scores[m].first), std::atoi(scores[m].second)))
                << m;
    };
    f->Messages.clear();
    f->Reponses = {mrYes};
    Commande(*f, 192);
    EXPECT_EQ(f->Messages, (std::vector<std::string>{TraduireFormat(6143, {nom, championnat, 18}), Traduire(1616)}));
    EXPECT_EQ(f->Enfant, r);
    {
        TStat relu;
        ASSERT_TRUE(relu.Charge(f->Stats->Stat(0)->NomFichier));
        lit(relu);
    }
    // added again from another page: now with its results
    Commande(*f, 162);
    f->Messages.clear();
    f->Reponses = {mrYes};
    Commande(*f, 192);
    EXPECT_EQ(f->Messages, (std::vector<std::string>{TraduireFormat(5867, {nom, championnat, 18}), Traduire(1616)}));
    ModifSaison = 0;
    TermineFenetre(f);

    f = LanceFenetre();
    ASSERT_EQ(f->Stats->Nombre(), 1);
    lit(*f->Stats->Stat(0));
    TermineFenetre(f);
}
