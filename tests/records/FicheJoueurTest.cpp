// The player cards driven as a user does: a new player typed in and filed, the
// career dialog, the checks made before anything is written, the take-over of
// a player by name, the match lists of each sport, the not-found question and
// the coach card.
#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <tuple>

#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Mask.h"
#include "platform/gui/StdCtrls.h"
#include "records/Fiches.h"
#include "records/GrapheFiche.h"
#include "platform/gui/ExtCtrls.h"
#include "records/w_FicheEntraineur.h"
#include "records/w_FicheJoueurSports.h"
#include "records/w_ajouthist.h"
#include "files/ChargeurSaison.h"
#include "files/w_ChoixNoeud.h"
#include "records/w_jInexistant.h"
#include "tests/records/FichesEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "tests/support/SauveRelit.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/message2.h"

using namespace fiches_essai;

namespace {

// A card of the season's sport as the squad list opens it.
TOwned<Tf_FicheJoueur> Carte(TSaison& s, TJoueur* j, int equipe, bool stats = true)
{
    EnregistreFiches();
    TOwned<Tf_FicheJoueur> f;
    switch (s.Sport())
    {
    case sportRugby: f.reset(new Tf_FicheJoueurRugby(nullptr)); break;
    case sportBasket: f.reset(new Tf_FicheJoueurBasket(nullptr)); break;
    case sportHandball: f.reset(new Tf_FicheJoueurHand(nullptr)); break;
    default: f.reset(new Tf_FicheJoueurFoot(nullptr)); break;
    }
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&s);
    f->ChangeJoueur(s.ChampionnatCourant()->CodeChamp, j);
    f->Tag = equipe | (stats ? 0x10000 : 0);
    return f;
}

std::vector<std::string> Ligne(TColorStringGrid* g, int r)
{
    std::vector<std::string> v;
    for (int c = 0; c < g->ColCount(); ++c)
        v.push_back(g->Cells(c, r));
    return v;
}

void Grab(TForm* f, const std::string& nom)
{
    kit::Process(30);
    kit::GrabToPng(f, nom);
}

}  // namespace

TEST(FicheJoueur, ContractAndSeasonTexts)
{
    Prepare();
    struct Cas
    {
        std::string texte;
        int contrat;
    };
    const Cas cas[] = {{"", 99},
                       {Traduire(84), 99},
                       {Traduire(89), 98},
                       {Traduire(90), 1},
                       {TraduireFormat(91, {"12"}), 12},
                       {"90", 90},
                       {"91", 99},
                       {"0", 99},
                       {"abc", 99}};
    for (const Cas& c : cas)
        EXPECT_EQ(Tf_FicheJoueur::ContratTexte(c.texte), c.contrat) << c.texte;
    for (int contrat : {1, 12, 90, 98})
        EXPECT_EQ(Tf_FicheJoueur::ContratTexte(Tf_FicheJoueur::TexteContrat(contrat)), contrat);
    EXPECT_EQ(Tf_FicheJoueur::TexteContrat(0), Traduire(84));
    EXPECT_EQ(Tf_FicheJoueur::TexteSaison(2003), "2003-04");
    EXPECT_EQ(Tf_FicheJoueur::TexteSaison(2009), "2009-10");
    EXPECT_EQ(Tf_FicheJoueur::TexteSaison(2099), "2099-00");
}

// A new player typed in from a squad, with three career lines and counters of
// a championship, validated, saved and read back.
TEST(FicheJoueur, NewPlayerFiledAndReadBack)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    auto f = Carte(s, nullptr, 2);
    f->PosteDefaut = 1;
    const int nbJoueurs = s.Joueurs().NbJoueur();
    kit::ShowForm(f.get());
    {
        kit::Type(f->e_Nom, "Nouveau");
        kit::Type(f->e_Prenom, "Pierre");
        f->e_Age->SetText("");
        kit::Type(f->e_Age, "95");
        f->e_NumMaillot->SetText("9");
        f->cb_Nationalite->SetText(L1("Brésil"));
        Grab(f.get(), "fiche-foot-generale");
        f->pc_FicheJoueur->SetActivePage(f->ts_additionnal);
        f->e_Anciennete->SetText("2003");
        f->e_Duree->SetText(TraduireFormat(91, {"12"}));
        f->cb_ClubPrec->SetText("Olympique Ormoy");
        f->e_Taille->SetText("183");
        f->e_Poids->SetText("79");
        f->e_DateComplete->SetText("07/03/1995");
        f->e_SelectionNat->SetText(L1("Brésil"));
        f->ud_nSelection->SetPosition(4);
        Grab(f.get(), "fiche-foot-additionnel");
        f->pc_FicheJoueur->SetActivePage(f->ts_Carriere);
        // Three career lines in one go: "insert another year" twice.
        for (int k = 0; k < 3; ++k)
            kit::WhenModal([k](TForm* d) {
                auto* h = dynamic_cast<Tf_ajouthist*>(d);
                ASSERT_TRUE(h);
                EXPECT_EQ(h->ud_Matchs->Position(), 0);
                if (k == 0)
                {
                    EXPECT_EQ(h->ud_Saison->Position(), 2005);
                    h->cb_Actuel->SetText(L1("Club Précédent"));
                    h->cb_Division->SetItemIndex(1);
                }
                h->ud_Matchs->SetPosition(20 + k);
                h->ud_Buts->SetPosition(k);
                h->cb_InsereAutre->SetChecked(k < 2);
                if (k == 2)
                    Grab(h, "ajouthist");
                h->bc_Choisir->Click();
            });
        f->bc_AjouterClick(nullptr);
        // Counters for a chosen championship.
        kit::WhenModal([](TForm* d) {
            auto* choix = dynamic_cast<Tf_ChoixNoeud*>(d);
            ASSERT_TRUE(choix);
            // The divisions of the templates, the first one left out.
            ASSERT_GT(choix->lb_Texte->Items().Count(), 0);
            EXPECT_NE(choix->lb_Texte->Items()[0].find(" : "), std::string::npos);
            choix->lb_Texte->SetItemIndex(0);
            Grab(d, "choix-division");
            choix->lb_Texte->OnDblClick(choix->lb_Texte);
        });
        f->b_ChoixChampStatClick(nullptr);
        f->e_Match->SetText("31");
        f->e_Buts->SetText("12");
        Grab(f.get(), "fiche-foot-carriere");
        f->b_Valider->Click();
    }
    const int r = f->ModalResult();
    ASSERT_EQ(r, mrOk);
    EXPECT_EQ(f->Tag, 1);
    ASSERT_EQ(s.Joueurs().NbJoueur(), nbJoueurs + 1);
    TJoueur* j = s.Joueurs().ChercheJoueurNom("NOUVEAU", "PIERRE");
    ASSERT_TRUE(j);
    EXPECT_EQ(j, f->Joueur);
    EXPECT_GT(j->Numero, 0);
    EXPECT_EQ(j->ClubActuel, 2);
    EXPECT_EQ(j->Age, 95);
    EXPECT_EQ(j->Maillot, 9);
    EXPECT_EQ(j->NumeroPoste(), 2);
    EXPECT_EQ(s.Pays().NomPays(j->CodePays), L1("Brésil"));
    EXPECT_EQ(j->Duree, 103);
    EXPECT_EQ(j->Contrat, 12);
    EXPECT_EQ(s.NomClubPrec(j->ClubPrec), "Olympique Ormoy");
    EXPECT_EQ(j->Taille, 183);
    EXPECT_EQ(j->Poids, 79);
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy", j->DateNaissance), "07/03/1995");
    EXPECT_EQ(j->nSelectionNationale, 4);
    ASSERT_EQ(j->NbHistorique(), 3);
    // Sorted by year: 2003, 2004, 2005.
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(j->Historique(i)->StatAnnee, 2003 + i);
        EXPECT_EQ(j->Historique(i)->StatMatch, 22 - i);
        EXPECT_EQ(s.NomClubPrec(j->Historique(i)->Equipe), SansAccent(L1("Club Précédent")));
    }
    ASSERT_EQ(j->NbStatCarriere(), 1);
    uint32_t code = 0;
    int32_t matchs = 0;
    std::array<int32_t, 4> v{};
    j->CarriereIndex(0, code, v, matchs);
    EXPECT_EQ(matchs, 31);
    EXPECT_EQ(v[0], 12);

    // Saved to a season file and opened again, the card shows the same values.
    const std::string fichier = GetTempDir() + "bz_fiche_joueur_" + std::to_string(::getpid()) + ".xmc";
    ASSERT_TRUE(TChargeurXmp(fichier, "Dll\\").Sauve(s, {}));
    std::unique_ptr<TSaison> relue;
    ASSERT_EQ(TChargeurXmp(fichier, "Dll\\").Charge(relue, EnsembleSport(sportTous), {}, true, nullptr), etatCharge);
    DeleteFile(fichier);
    relue->SetChampionnatCourant(relue->Arbre().ChampionnatParCode(1));
    TJoueur* k = relue->Joueurs().ChercheJoueurNom("NOUVEAU", "PIERRE");
    ASSERT_TRUE(k);
    auto g = Carte(*relue, k, 2);
    kit::ShowForm(g.get());
    {
        EXPECT_EQ(g->e_Nom->GetText(), "Nouveau");
        EXPECT_EQ(g->e_Age->GetText(), "1995");
        EXPECT_EQ(g->e_Anciennete->GetText(), "2003");
        EXPECT_EQ(g->e_Duree->GetText(), TraduireFormat(91, {"12"}));
        EXPECT_EQ(g->cb_ClubPrec->GetText(), "Olympique Ormoy");
        EXPECT_EQ(g->e_DateComplete->GetText(), "07/03/1995");
        EXPECT_EQ(g->cb_Nationalite->GetText(), L1("Brésil"));
        EXPECT_EQ(Ligne(g->sg_Historique, 1)[0], "2003-04");
        EXPECT_EQ(Ligne(g->sg_Historique, 3)[3], "20");
        EXPECT_EQ(g->e_Match->GetText(), "31");
        g->b_Annuler->Click();
    }
}

// Names typed with blanks around them are kept as a season file reads them
// back, the first name alone changed included, and the player is filed again.
TEST(FicheJoueur, TypedNamesAreKeptTrimmed)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    for (const auto& [nom, prenom] : {std::pair{"Martin", " Albert  "}, std::pair{"  Marti ", "Albert"}})
    {
        SCOPED_TRACE(std::string(nom) + "/" + prenom);
        auto f = Carte(s, p.martin, 0);
        kit::ShowForm(f.get());
        f->e_Nom->SetText("");
        kit::Type(f->e_Nom, nom);
        f->e_Prenom->SetText("");
        kit::Type(f->e_Prenom, prenom);
        f->b_Valider->Click();
        ASSERT_EQ(f->ModalResult(), mrOk);
        EXPECT_EQ(p.martin->Nom, Trim(nom));
        EXPECT_EQ(p.martin->Prenom, "Albert");
        EXPECT_EQ(s.Joueurs().ChercheJoueurNom(Trim(nom), "Albert"), p.martin);
    }
}

// Nothing is written while an input cannot be read.
TEST(FicheJoueur, BadInputKeepsTheCardOpenAndChangesNothing)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    const std::string avant = essai::Document(s);
    struct Cas
    {
        const char* champ;
        const char* texte;
        int message;
    };
    const Cas cas[] = {{"date", "31/02/1990", 3307}, {"anciennete", "500", 3308}, {"anciennete", "2200", 3308}};
    for (TJoueur* j : {static_cast<TJoueur*>(nullptr), p.dupont})
        for (const Cas& c : cas)
        {
            auto f = Carte(s, j, 0);
            int ouverte = -1, messages = 0;
            kit::WhenModal([&](TForm* m) {
                ++messages;
                m->SetModalResult(mrOk);
            });
            kit::ShowForm(f.get());
            {
                kit::Type(f->e_Nom, "Autre");
                if (std::string(c.champ) == "date")
                    f->e_DateComplete->SetText(c.texte);
                else
                    f->e_Anciennete->SetText(c.texte);
                f->b_Valider->Click();
                kit::Process(20);
                ouverte = f->ModalResult() == mrNone && messages == 1 ? 1 : 0;
                f->b_Annuler->Click();
            }
            EXPECT_EQ(ouverte, 1) << c.texte;
            EXPECT_EQ(essai::SansDate(essai::Document(s)), essai::SansDate(avant)) << c.texte;
        }
}

// The year of birth takes four digits typed: stored as the file keeps it
// (year - 1900) and shown again as typed; years outside 1900..2155 are refused.
TEST(FicheJoueur, YearOfBirthOfFourDigits)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    struct Cas
    {
        const char* tape;
        bool garde;
        int octet;
        const char* montre;
    };
    const Cas cas[] = {{"2002", true, 102, "2002"}, {"1985", true, 85, "1985"}, {"2155", true, 255, "2155"},
                       {"85", true, 85, "1985"},     {"21555", true, 255, "2155"}, {"1899", false, 7, ""},
                       {"2156", false, 7, ""}};
    for (const Cas& c : cas)
    {
        p.dupont->Age = 7;
        auto f = Carte(s, p.dupont, 0);
        int messages = 0;
        if (!c.garde)
            kit::WhenModal([&](TForm* m) {
                ++messages;
                m->SetModalResult(mrOk);
            });
        kit::ShowForm(f.get());
        EXPECT_EQ(f->e_Age->GetText(), "1907");
        f->e_Age->SetText("");
        kit::Type(f->e_Age, c.tape);
        f->b_Valider->Click();
        kit::Process(10);
        EXPECT_EQ(p.dupont->Age, c.octet) << c.tape;
        EXPECT_EQ(messages, c.garde ? 0 : 1) << c.tape;
        if (!c.garde)
        {
            EXPECT_EQ(f->ModalResult(), mrNone) << c.tape;
            f->b_Annuler->Click();
            continue;
        }
        auto g = Carte(s, p.dupont, 0);
        kit::ShowForm(g.get());
        EXPECT_EQ(g->e_Age->GetText(), c.montre) << c.tape;
        if (std::string(c.tape) == "2002")
            Grab(g.get(), "fiche-joueur-annee-naissance");
        g->b_Annuler->Click();
    }
}

// A name typed on a new card that another team's player has: nothing is
// taken while it is typed; validated, the question names him; Yes shows his
// card as the move makes him, and validating it moves him.
TEST(FicheJoueur, TakeOverByName)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    std::string question;
    auto f = Carte(s, nullptr, 2);
    kit::ShowForm(f.get());
    {
        kit::Type(f->e_Prenom, "Luc");
        kit::Type(f->e_Nom, "Durand");
        kit::Process(10);
        EXPECT_TRUE(f->b_Annuler->Visible());
        EXPECT_EQ(f->JoueurTrouve, nullptr);
        kit::WhenModal([&question](TForm* m) {
            question = dynamic_cast<Tf_MessageUtil*>(m)->Label1->Caption();
            m->SetModalResult(mrYes);
        });
        kit::Click(f->b_Valider);
        EXPECT_EQ(f->ModalResult(), mrNone);
        EXPECT_EQ(f->JoueurTrouve, p.durand);
        EXPECT_EQ(p.durand->ClubActuel, 1);
        EXPECT_EQ(f->cb_ClubPrec->GetText(), "Zelvor");
        kit::Click(f->b_Valider);
    }
    EXPECT_EQ(f->ModalResult(), mrOk);
    EXPECT_EQ(f->Tag, 1);
    EXPECT_EQ(question,
              TraduireFormat(5849, {std::string("Durand Luc"), std::string("Zelvor"), std::string("Corvelle"), std::string("Luc Durand")}));
    TJoueur* j = s.Joueurs().ChercheJoueurNom("DURAND", "LUC");
    ASSERT_TRUE(j);
    EXPECT_EQ(j->ClubActuel, 2);
    EXPECT_EQ(s.NomClubPrec(j->ClubPrec), "Zelvor");
    EXPECT_EQ(j->Duree, 105);
}

// A player taken by name on a national team's card and validated with
// nothing else changed: the card reports the change (the squads window
// refreshes on it).
TEST(FicheJoueur, TakeOverValidatedReportsTheChange)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    // A national team's card: Durand joins team 2's national squad.
    // Values the card shows and reads back unchanged: no contract, no previous club.
    p.durand->Contrat = 99;
    p.durand->ClubPrec = TPersonnel::Aucun;
    auto f = Carte(s, nullptr, 2);
    f->ModeNational = true;
    kit::WhenModal([&](TForm*) {
        kit::WhenModal([](TForm* m) { m->SetModalResult(mrYes); });
        kit::Type(f->e_Prenom, "Luc");
        kit::Type(f->e_Nom, "Durand");
        kit::Process(10);
        kit::Click(f->b_Valider);
        kit::Click(f->b_Valider);
    });
    const int resultat = f->ShowModal();
    EXPECT_EQ(resultat, mrOk);
    EXPECT_EQ(f->Tag, 1);
    TJoueur* j = s.Joueurs().ChercheJoueurNom("DURAND", "LUC");
    ASSERT_TRUE(j);
    EXPECT_EQ(j->EquipeNational, 2);
    EXPECT_EQ(j->ClubActuel, 1);
}

// The season panel, the match lists, the goal panel and the graph of a
// football player who played in two championships.
TEST(FicheJoueur, FootballStatisticsAndMatchList)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    auto f = Carte(*p.saison, p.dupont, 0);
    kit::ShowForm(f.get());
    {
        // Matches 2 in the league, 3 in all; goals 3 and 4.
        EXPECT_EQ(f->ValeursStat[0]->Caption(), "2 (3)");
        EXPECT_EQ(f->ValeursStat[1]->Caption(), "3 (4)");
        EXPECT_TRUE(f->sb_Detail->Visible());
        EXPECT_FALSE(f->BoutonsStat[2]->Visible());   // no booking
        Grab(f.get(), "fiche-foot-stats");
        f->s1Click(f->BoutonsStat[0]);
        TColorStringGrid* g = f->sg_Match;
        // Title row, two league matches, title row, one cup match.
        ASSERT_EQ(g->RowCount(), 6);
        EXPECT_EQ(Ligne(g, 1)[1], "Division 1");
        const std::vector<std::string> j1 = {"1", "Brivant - Zelvor", "60 " + Traduire(97), "2", "7"};
        EXPECT_EQ(Ligne(g, 2), j1);
        EXPECT_EQ(Ligne(g, 3)[2], "90 " + Traduire(97));
        EXPECT_EQ(Ligne(g, 3)[4], "-");
        EXPECT_EQ(Ligne(g, 4)[1], "Coupe");
        Grab(f.get(), "fiche-foot-matchs");
        f->b_RetourFicheClick(nullptr);
        f->s1Click(f->BoutonsStat[1]);
        // Goal minutes, the penalty labelled.
        EXPECT_EQ(Ligne(g, 2)[3], "10");
        EXPECT_EQ(Ligne(g, 3)[3], "44 " + Traduire(314));
        EXPECT_EQ(Ligne(g, 3)[0], "");
        f->b_RetourFicheClick(nullptr);
        // Goal panel, all competitions in brackets: first half 2 (3), second
        // half 1, home 2 (3), away 1; most in a match 2, the cup's 1 no more.
        EXPECT_EQ(f->ValeursButs[0]->Caption(), "2 (3)");
        EXPECT_EQ(f->ValeursButs[1]->Caption(), "1");
        EXPECT_EQ(f->ValeursButs[2]->Caption(), "2 (3)");
        EXPECT_EQ(f->ValeursButs[3]->Caption(), "1");
        EXPECT_EQ(f->ValeursButs[6]->Caption(), "1");
        EXPECT_EQ(f->ValeursButs[8]->Caption(), "2");
        EXPECT_EQ(f->BarresButs[0]->Width(), 40);
        f->sb_DetailClick(nullptr);
        ASSERT_EQ(f->Graphe->NbLignes, 3);
        ASSERT_EQ(f->Graphe->Lignes.size(), 3u);
        EXPECT_EQ(f->Graphe->Lignes[0]->Fin, 60);
        EXPECT_EQ(f->Graphe->Lignes[0]->Buts.size(), 2u);
        EXPECT_FALSE(f->Graphe->Lignes[1]->Domicile);
        EXPECT_EQ(f->Graphe->Lignes[2]->Debut, 127);
        Grab(f.get(), "fiche-foot-graphe");
        f->b_Annuler->Click();
    }
}

// A half length of 0 never divides by zero.
TEST(FicheJoueur, GraphWithoutHalfLength)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    p.c1->TempsPeriode = 0;
    auto f = Carte(*p.saison, p.dupont, 0);
    kit::ShowForm(f.get());
    {
        f->sb_DetailClick(nullptr);
        f->s1Click(f->BoutonsStat[0]);
        Grab(f.get(), "fiche-foot-sans-mi-temps");
        f->b_Annuler->Click();
    }
    EXPECT_EQ(TGraphHorizontal::Position(45, 220, 0), 100 + 45 * 100 / 2);
}

TEST(FicheJoueur, BoxScoreSportsShowPercentages)
{
    struct Cas
    {
        int sport;
        const char* nom;
        size_t lignes;
        int tir;   // the row of the two-point or shot percentage
    };
    // Handball: twelve rows and the goalkeeper's four, hidden on a field player's card.
    for (const Cas& c : {Cas{sportBasket, "basket", 10, 2}, Cas{sportHandball, "hand", 16, 2}})
    {
        TPetiteSaison p = PetiteSaison(c.sport);
        auto f = Carte(*p.saison, p.dupont, 0);
        kit::ShowForm(f.get());
        {
            ASSERT_EQ(f->ValeursStat.size(), c.lignes);
            EXPECT_EQ(f->ValeursStat[static_cast<size_t>(c.tir)]->Caption(), FormatFloat("0.0", 60.0));
            EXPECT_FALSE(f->sb_Detail->Visible());
            if (c.sport == sportBasket)
            {
                EXPECT_EQ(f->ValeursStat[4]->Caption(), "-");   // no free throw attempted
            }
            Grab(f.get(), std::string("fiche-") + c.nom + "-stats");
            f->s1Click(f->BoutonsStat[static_cast<size_t>(c.tir)]);
            TColorStringGrid* g = f->sg_Match;
            ASSERT_GE(g->RowCount(), 3);
            const int r = g->RowCount() - 1;
            EXPECT_EQ(g->Cells(3, r), FormatFloat(c.sport == sportBasket ? "0.0" : "0.00", 60.0) + "%");
            Grab(f.get(), std::string("fiche-") + c.nom + "-matchs");
            f->b_RetourFicheClick(nullptr);
            f->pc_FicheJoueur->SetActivePage(f->ts_Carriere);
            Grab(f.get(), std::string("fiche-") + c.nom + "-carriere");
            f->b_Annuler->Click();
        }
    }
}

TEST(FicheJoueur, RugbyStoresItsExtraCareerCounters)
{
    TPetiteSaison p = PetiteSaison(sportRugby);
    TSaison& s = *p.saison;
    // A career entry of the league: 5 stored tries, the season adds 3.
    p.dupont->SetCarriere(1, 10, std::array<int32_t, 4>{5, 1, 2, 0});
    auto f = Carte(s, p.dupont, 0);
    auto* rugby = dynamic_cast<Tf_FicheJoueurRugby*>(f.get());
    ASSERT_TRUE(rugby);
    kit::ShowForm(f.get());
    {
        EXPECT_EQ(f->e_Buts->GetText(), "8");
        f->pc_FicheJoueur->SetActivePage(f->ts_Carriere);
        Grab(f.get(), "fiche-rugby-carriere");
        // Tries shown below the season's count store 0, not a negative count.
        f->e_Buts->SetText("1");
        rugby->e_Transfo->SetText("7");
        rugby->e_Drop->SetText("4");
        f->b_Valider->Click();
    }
    uint32_t code = 0;
    int32_t matchs = 0;
    std::array<int32_t, 4> v{};
    p.dupont->CarriereIndex(0, code, v, matchs);
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[1], 7);
    EXPECT_EQ(v[3], 4);
}

TEST(jInexistant, CreateChooseOrClose)
{
    TPetiteSaison p = PetiteSaison(sportHandball);
    TSaison& s = *p.saison;
    EnregistreFiches();
    kit::WhenModal([](TForm* d) {
        auto* q = dynamic_cast<Tf_jInexistant*>(d);
        ASSERT_TRUE(q);
        // The team's two players, then the season's players in D.
        EXPECT_EQ(q->cb_ChoixJoueur->Items().Count(), 4);
        EXPECT_EQ(q->cb_ChoixJoueur->Items()[q->cb_ChoixJoueur->ItemIndex()], "Dupont Jean");
        Grab(q, "jinexistant");
        q->b_Creer->Click();
    });
    TJoueur* cree = s.Joueurs().ChercheOuCreeJoueur("Dubois", "Marc", false, 0);
    ASSERT_TRUE(cree);
    EXPECT_EQ(cree->Poste, cree->PosteNouveauJoueur());
    EXPECT_EQ(s.Joueurs().ChercheJoueurNom("DUBOIS", "MARC"), cree);

    kit::WhenModal([](TForm* d) {
        auto* q = dynamic_cast<Tf_jInexistant*>(d);
        q->cb_ChoixJoueur->SetItemIndex(2);   // Dubois, Dupont, Martin
        q->b_Choisir->Click();
    });
    EXPECT_EQ(s.Joueurs().ChercheOuCreeJoueur("Zorro", "", false, 0), p.martin);
    const int n = s.Joueurs().NbJoueur();
    kit::WhenModal([](TForm* d) { d->Close(); });
    EXPECT_EQ(s.Joueurs().ChercheOuCreeJoueur("Zorro", "", false, 0), nullptr);
    EXPECT_EQ(s.Joueurs().NbJoueur(), n);
}

TEST(FicheEntraineur, CreatedEditedAndRefiled)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    auto ouvre = [&](TEntraineur* e, const std::function<void(Tf_FicheEntraineur*)>& action) {
        TOwned<Tf_FicheEntraineur> f(new Tf_FicheEntraineur(nullptr));
        f->ChangeCouleurs(f->Couleurs);
        f->ChangeSaison(&s);
        f->Entraineur = e;
        kit::ShowForm(f.get());
        action(f.get());
        const int r = f->ModalResult();
        return std::pair{r, r == mrOk ? f->Entraineur : nullptr};
    };
    auto [r, e] = ouvre(nullptr, [](Tf_FicheEntraineur* f) {
        f->c_Personne->e_Nom->SetText("Zidane");
        f->c_Personne->e_Prenom->SetText("Yves");
        f->c_Personne->e_Age->SetText("1962");
        f->c_Personne->cb_Pays->SetText("France");
        f->c_Personne->e_Ville->SetText("Marseille");
        f->cb_ClubPrec->SetText("Ancien Club");
        f->e_Equipes->SetText("Pro");
        Grab(f, "fiche-entraineur");
        f->b_Valider->Click();
    });
    ASSERT_EQ(r, mrOk);
    ASSERT_TRUE(e);
    EXPECT_EQ(s.Entraineurs().IndexPersonnel(e), 0);
    EXPECT_EQ(e->Age, 62);
    EXPECT_EQ(e->CodePays, 0);
    EXPECT_EQ(e->Ville, "Marseille");
    EXPECT_EQ(s.NomClubPrec(e->ClubPrec), "Ancien Club");
    // Renamed: filed again after another coach.
    s.Entraineurs().AjoutePersonnel(std::make_unique<TEntraineur>(-1, 0, "Anne", "Martin"));
    auto [r2, e2] = ouvre(e, [](Tf_FicheEntraineur* f) {
        EXPECT_EQ(f->c_Personne->e_Age->GetText(), "1962");
        f->c_Personne->e_Nom->SetText("Zz");
        f->b_Valider->Click();
    });
    ASSERT_EQ(r2, mrOk);
    EXPECT_EQ(s.Entraineurs().IndexPersonnel(e2), 1);
    // A birth year that does not fit is refused and the card stays open.
    kit::WhenModal([](TForm* m) { m->SetModalResult(mrOk); });
    auto [r3, e3] = ouvre(e2, [](Tf_FicheEntraineur* f) {
        f->c_Personne->e_Age->SetText("500");
        f->b_Valider->Click();
        EXPECT_EQ(f->ModalResult(), mrNone);
        f->b_Annuler->Click();
    });
    EXPECT_EQ(r3, mrCancel);
    EXPECT_EQ(e2->Age, 62);
}

// The match list of rebounds lists every match with a rebound of either kind:
// Dupont takes 2 offensive rebounds only on matchday 1, 1 offensive and 4
// defensive on matchday 2 (7 in the season). The football card's bookings
// are listed by minute under a minute heading.
TEST(FicheJoueur, ReboundsListEveryMatchWithARebound)
{
    TPetiteSaison p = PetiteSaison(sportBasket);
    auto& st = dynamic_cast<TDonneesChampionnatStat&>(*p.c1);
    const int32_t d = p.dupont->Numero;
    for (auto [jour, code, v] : {std::tuple{1, 13, 2}, {2, 13, 1}, {2, 14, 4}, {1, 5, 30}})
        st.ListeStat(jour, code)->Ajoute(TDonneesEvt::CreateId(d, 0, static_cast<uint16_t>(v)));
    p.saison->InvalideStats();
    p.saison->CalculeStatJoueurs();
    auto f = Carte(*p.saison, p.dupont, 0);
    kit::ShowForm(f.get());
    {
        ASSERT_GE(f->ValeursStat.size(), 6u);
        EXPECT_EQ(f->ValeursStat[5]->Caption(), "7");
        f->s1Click(f->BoutonsStat[5]);
        TColorStringGrid* g = f->sg_Match;
        // Title row, then both matchdays.
        ASSERT_EQ(g->RowCount(), 4);
        EXPECT_EQ(Ligne(g, 2)[0], "1");
        EXPECT_EQ(Ligne(g, 2)[2], "30");
        EXPECT_EQ(Ligne(g, 2)[3], "2-0");
        EXPECT_EQ(Ligne(g, 3)[0], "2");
        EXPECT_EQ(Ligne(g, 3)[3], "1-4");
        Grab(f.get(), "fiche-basket-rebonds");
        f->b_Annuler->Click();
    }
    TPetiteSaison foot = PetiteSaison(sportFootball);
    auto c = Carte(*foot.saison, foot.martin, 0);
    kit::ShowForm(c.get());
    {
        ASSERT_TRUE(c->BoutonsStat[2]->Visible());
        c->s1Click(c->BoutonsStat[2]);
        // Each booking's minute.
        EXPECT_EQ(c->sg_Match->Cells(3, 0), Traduire(4901));
        EXPECT_NE(c->sg_Match->Cells(3, 0), Traduire(92));
        Grab(c.get(), "fiche-foot-avertissements");
        c->b_Annuler->Click();
    }
}

// A missed penalty (a missed kick in rugby) is no goal on the goal panel: it
// counts on its own row, never as a goal at home or away nor in the best
// match; in rugby the panel speaks of tries.
TEST(FicheJoueur, GoalPanelLeavesMissesOutOfTheGoals)
{
    for (const int sport : {sportFootball, sportRugby}) {
        SCOPED_TRACE(sport);
        TPetiteSaison p = PetiteSaison(sport);
        p.c1->ListeDonnees(2, 1)->Ajoute(std::make_unique<TDonneesEvt>(p.dupont->Numero, 0, 30, 0x800));
        auto f = Carte(*p.saison, p.dupont, 0);
        kit::ShowForm(f.get());
        EXPECT_EQ(f->ValeursButs[2]->Caption(), "2 (3)");   // home, as without the miss
        EXPECT_EQ(f->ValeursButs[7]->Caption(), "1");
        EXPECT_EQ(f->ValeursButs[8]->Caption(), "2");
        if (sport == sportRugby) {
            EXPECT_EQ(f->LibelleDetailButs->Caption(), Traduire(4506));
            EXPECT_EQ(f->LibellesButs[0]->Caption(), Traduire(1335));
            Grab(f.get(), "fiche-rugby-essais");
        }
        f->b_Annuler->Click();
    }
}

namespace {

// The statistic button of a statistic number.
TSpeedButton* BoutonStat(Tf_FicheJoueur* f, int stat)
{
    for (TSpeedButton* b : f->BoutonsStat)
        if (b->Tag == stat)
            return b;
    return nullptr;
}

// Opens the match list of a statistic with a click on its button, as a user
// does; false when the button is not there to click.
bool Detail(Tf_FicheJoueur* f, int stat)
{
    kit::Click(f->b_RetourFiche);
    TSpeedButton* b = BoutonStat(f, stat);
    if (!b || !b->Visible())
        return false;
    kit::Click(b);
    kit::Process();
    return f->fs_Match->Visible();
}

// The column of a grid from row 2 (the rows under the first title).
std::vector<std::string> Colonne(TColorStringGrid* g, int c)
{
    std::vector<std::string> v;
    for (int r = 2; r < g->RowCount(); ++r)
        v.push_back(g->Cells(c, r));
    return v;
}

// The texts in English for the time of a test, in French again after it.
struct TEnAnglais
{
    TEnAnglais() { InstalleTraducteur(std::make_unique<TTraducteur>(std::string(BZ_SOURCE_DATA_DIR) + "/texte/Texteen.txt")); }
    ~TEnAnglais() { InstalleTraducteur(std::make_unique<TTraducteur>(std::string(BZ_SOURCE_DATA_DIR) + "/texte/Textefr.txt")); }
};

}  // namespace

// A missed penalty (a missed kick in rugby) stays in the scoring list but
// scored nothing: Dupont, with three goals or tries and two misses on
// matchday 1, shows 3 in his match list, three rows for that day in his goals
// or tries detail (no row at minute 0) and three balls on his graph.
TEST(FicheJoueur, MissesAreNoGoalsInTheListsAndTheGraph)
{
    for (const int sport : {sportFootball, sportRugby}) {
        SCOPED_TRACE(sport);
        TPetiteSaison p = PetiteSaison(sport);
        TListeDonnees* l = p.c1->ListeDonnees(2, 1);
        l->Ajoute(std::make_unique<TDonneesEvt>(p.dupont->Numero, 0, 20, 0));
        for (int i = 0; i < 2; ++i)
            l->Ajoute(TDonneesEvt::CreateId(p.dupont->Numero, 0, evtHorsScore));
        p.saison->InvalideStats();
        auto f = Carte(*p.saison, p.dupont, 0);
        kit::ShowForm(f.get());
        ASSERT_TRUE(Detail(f.get(), 1));
        EXPECT_EQ(Ligne(f->sg_Match, 2)[3], "3");
        ASSERT_TRUE(Detail(f.get(), 2));
        // Matchday 1, matchday 2, the cup's title row and its match.
        EXPECT_EQ(Colonne(f->sg_Match, 3),
                  (std::vector<std::string>{"10", "44 " + Traduire(314), "20", "80", "", "5"}));
        if (sport == sportRugby)
            Grab(f.get(), "fiche-rugby-detail-essais");
        kit::Click(f->b_RetourFiche);
        kit::Click(f->sb_Detail);
        ASSERT_FALSE(f->Graphe->Lignes.empty());
        EXPECT_EQ(f->Graphe->Lignes[0]->Buts.size(), 3u);
        f->b_Annuler->Click();
    }
}

// An own goal and a missed penalty count on their own rows of the goal panel
// only, never as goals at home, away, in a match of more than two or in the
// best match; every championship is read, so that a player whose only record
// is an own goal shows it. Durand scores away on matchday 1, puts one into
// his own net on matchday 2 and misses a penalty on matchday 3; Dupont (two
// goals at home on matchday 1) adds an own goal that day; Martin's one
// record is an own goal.
TEST(FicheJoueur, GoalPanelCountsOwnGoalsAndMissesOnTheirOwnRows)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TDonneesChampionnat& c = *p.c1;
    const int32_t d = p.dupont->Numero, u = p.durand->Numero, m = p.martin->Numero;
    TInfoComp* m2 = c.MatchEquipe(2, 1);   // Zelvor - Tessane
    m2->SetNbTitulaire(11);
    m2->SetJoueurTitulaire(1, 1, u);
    m2->SetCompositionSaisie(1);
    m2->SetNote(1, 1, 6);
    c.ListeDonnees(2, 2)->Ajoute(std::make_unique<TDonneesEvt>(u, 3, 30, evtRouge));
    c.CreeMatch(3, 1, 2, 0, 0);
    c.ListeDonnees(2, 3)->Ajoute(TDonneesEvt::CreateId(u, 1, evtHorsScore));
    c.ListeDonnees(2, 1)->Ajoute(std::make_unique<TDonneesEvt>(d, 1, 20, evtRouge));
    c.ListeDonnees(2, 2)->Ajoute(std::make_unique<TDonneesEvt>(m, 2, 15, evtRouge));
    p.saison->InvalideStats();
    const struct
    {
        TJoueur* joueur;
        // rows 3 home, 4 away, 5 more than 2, 6 own goals, 8 missed, 9 best
        std::array<const char*, 6> valeurs;
        bool crochets;   // all competitions in brackets, the panel saying so
    } cas[] = {
        {p.durand, {"0", "1", "0", "1", "1", "1"}, false},
        {p.dupont, {"2 (3)", "1", "0", "1", "0", "2"}, true},
        {p.martin, {"0", "0", "0", "1", "0", "0"}, false},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.joueur->Nom);
        auto f = Carte(*p.saison, k.joueur, 0);
        kit::ShowForm(f.get());
        const size_t rangs[6] = {2, 3, 4, 5, 7, 8};
        for (size_t i = 0; i < 6; ++i)
            EXPECT_EQ(f->ValeursButs[rangs[i]]->Caption(), k.valeurs[i]) << "row " << rangs[i] + 1;
        EXPECT_EQ(f->LegendeButs->Visible(), k.crochets);
        if (k.crochets)   // the panel's caption, in French and in English
            for (const bool anglais : {false, true}) {
                std::unique_ptr<TEnAnglais> langue(anglais ? new TEnAnglais : nullptr);
                auto g = Carte(*p.saison, k.joueur, 0);
                kit::ShowForm(g.get());
                EXPECT_EQ(g->LegendeButs->Caption(), Traduire(5152));
                Grab(g.get(), std::string("fiche-foot-crochets-") + (anglais ? "en" : "fr"));
                g->b_Annuler->Click();
            }
        if (k.joueur == p.durand) {
            Grab(f.get(), "fiche-foot-csc");
            // His own goal's row takes his minutes and rating in that match.
            ASSERT_TRUE(Detail(f.get(), 2));
            const std::vector<std::string> csc = {"2", "Zelvor - Tessane", "90 " + Traduire(97),
                                                  "30 " + Traduire(225), "6"};
            EXPECT_EQ(Ligne(f->sg_Match, 3), csc);
        }
        f->b_Annuler->Click();
    }
}

// A player sent off plays up to his red card, as on the team sheet: 60
// minutes for a football starter sent off at 60, 70 for a rugby starter sent
// off at 70, 20 for a substitute on at 60 and sent off at 80; his graph bar
// stops there too.
TEST(FicheJoueur, SentOffPlayerPlaysUpToHisRedCard)
{
    const struct
    {
        int sport, miTemps, jour, minute;
        bool remplacant;
        const char* minutes;
    } cas[] = {
        {sportFootball, 45, 2, 60, false, "60"},
        {sportRugby, 40, 2, 70, false, "70"},
        {sportFootball, 45, 1, 80, true, "20"},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.minute);
        TPetiteSaison p = PetiteSaison(k.sport);
        p.c1->TempsPeriode = k.miTemps;
        TJoueur* j = k.remplacant ? p.martin : p.dupont;
        p.c1->ListeDonnees(3, k.jour)->Ajoute(std::make_unique<TDonneesEvt>(j->Numero, 0, k.minute, evtRouge));
        p.saison->InvalideStats();
        auto f = Carte(*p.saison, j, 0);
        kit::ShowForm(f.get());
        ASSERT_TRUE(Detail(f.get(), 1));
        int r = 2;
        while (r < f->sg_Match->RowCount() && f->sg_Match->Cells(0, r) != IntToStr(k.jour))
            ++r;
        ASSERT_LT(r, f->sg_Match->RowCount());
        EXPECT_EQ(f->sg_Match->Cells(2, r), std::string(k.minutes) + " " + Traduire(k.remplacant ? 98 : 97));
        if (k.sport == sportRugby)
            Grab(f.get(), "fiche-rugby-carton-rouge");
        kit::Click(f->b_RetourFiche);
        if (f->sb_Detail->Visible()) {
            kit::Click(f->sb_Detail);
            ASSERT_GE(f->Graphe->Lignes.size(), static_cast<size_t>(k.jour));
            EXPECT_EQ(f->Graphe->Lignes[static_cast<size_t>(k.jour - 1)]->Fin, k.minute);
        }
        f->b_Annuler->Click();
    }
}

// A handball goalkeeper's card shows his saves, their percentage, his
// 7-metre saves and theirs (5 of 8, 62.5; 1 of 2, 50.0); a goalkeeper by
// position without a save shows them at 0; a field player's card has none
// of these rows.
TEST(FicheJoueur, HandballGoalkeeperShowsHisSaves)
{
    TPetiteSaison p = PetiteSaison(sportHandball);
    auto& st = dynamic_cast<TDonneesChampionnatStat&>(*p.c1);
    for (auto [code, v] : {std::pair{25, 5}, {26, 8}, {27, 1}, {28, 2}, {36, 1}})
        st.ListeStat(1, code)->Ajoute(TDonneesEvt::CreateId(p.durand->Numero, 1, static_cast<uint16_t>(v)));
    p.martin->SetPosteNumero(1);
    p.dupont->SetPosteNumero(2);   // a wing
    p.durand->SetPosteNumero(2);
    p.saison->InvalideStats();
    const struct
    {
        TJoueur* joueur;
        bool gardien;
        std::array<std::string, 4> valeurs;   // statistics 6 to 9
    } cas[] = {
        {p.durand, true, {"5", FormatFloat("0.0", 62.5), "1", FormatFloat("0.0", 50.0)}},
        {p.martin, true, {"0", "-", "0", "-"}},
        {p.dupont, false, {}},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.joueur->Nom);
        auto f = Carte(*p.saison, k.joueur, 0);
        kit::ShowForm(f.get());
        for (int stat = 6; stat <= 9; ++stat) {
            size_t i = 0;
            while (i < f->LignesStat.size() && f->LignesStat[i].Numero != stat)
                ++i;
            ASSERT_LT(i, f->LignesStat.size());
            EXPECT_EQ(f->ValeursStat[i]->Visible(), k.gardien) << stat;
            EXPECT_EQ(f->LibellesStat[i]->Visible(), k.gardien) << stat;
            if (k.gardien) {
                EXPECT_EQ(f->ValeursStat[i]->Caption(), k.valeurs[static_cast<size_t>(stat - 6)]) << stat;
            }
        }
        // The rows shown stand one under the other, the panel around them.
        int bas = 0, montrees = 0;
        for (size_t i = 0; i < f->LignesStat.size(); ++i)
            if (f->ValeursStat[i]->Visible()) {
                EXPECT_EQ(f->ValeursStat[i]->Top(), 28 + 21 * montrees++);
                bas = f->ValeursStat[i]->Top() + 21;
            }
        EXPECT_EQ(montrees, k.gardien ? 16 : 12);
        EXPECT_EQ(f->FondCopie3->Height(), bas + 32);
        if (k.joueur == p.durand) {
            Grab(f.get(), "fiche-hand-gardien");
            ASSERT_TRUE(Detail(f.get(), 7));
            EXPECT_EQ(Ligne(f->sg_Match, 2), (std::vector<std::string>{"1", "Brivant - Zelvor", "5",
                                                                      FormatFloat("0.00", 62.5) + "%"}));
            Grab(f.get(), "fiche-hand-arrets");
            ASSERT_TRUE(Detail(f.get(), 6));
            EXPECT_EQ(Ligne(f->sg_Match, 2), (std::vector<std::string>{"1", "Brivant - Zelvor", "5"}));
        }
        f->b_Annuler->Click();
    }
}

// Each header of the detail grids names the figure under it, in English and
// French: each event's minute in football and rugby (a count only for the
// assists), the handball goals from play (code 21) and 7-metre goals (code
// 23) and the percentage beside them; the goal panel's row of missed
// penalties has a title of its own.
TEST(FicheJoueur, DetailHeadersNameTheirFigures)
{
    const struct
    {
        int sport;
        int stat;
        int colonne;
        int texte;   // 0: "%"
    } cas[] = {
        {sportFootball, 2, 3, 4901}, {sportFootball, 3, 3, 4901}, {sportFootball, 5, 3, 601},
        {sportRugby, 1, 3, 488},     {sportRugby, 2, 3, 4901},    {sportRugby, 6, 3, 4901},
        {sportHandball, 1, 2, 1544}, {sportHandball, 2, 2, 1544}, {sportHandball, 3, 2, 1544},
        {sportHandball, 3, 3, 0},    {sportHandball, 4, 2, 1549}, {sportHandball, 5, 2, 1549},
        {sportHandball, 5, 3, 0},    {sportHandball, 10, 2, 1544}, {sportHandball, 10, 3, 580},
    };
    for (const bool anglais : {false, true}) {
        std::unique_ptr<TEnAnglais> langue(anglais ? new TEnAnglais : nullptr);
        for (const int sport : {sportFootball, sportRugby, sportHandball}) {
            SCOPED_TRACE(sport);
            TPetiteSaison p = PetiteSaison(sport);
            TJoueur* j = p.dupont;
            if (sport == sportFootball) {
                p.c1->ListeDonnees(3, 1)->Ajoute(std::make_unique<TDonneesEvt>(j->Numero, 0, 30, 0));
                p.c1->ListeDonnees(4, 1)->Ajoute(std::make_unique<TDonneesEvt>(j->Numero, 0, 10, 0));
            } else if (sport == sportRugby) {
                p.c1->ListeDonnees(3, 1)->Ajoute(std::make_unique<TDonneesEvt>(j->Numero, 0, 30, 0));
            } else {
                auto& st = dynamic_cast<TDonneesChampionnatStat&>(*p.c1);
                for (auto [code, v] : {std::pair{23, 1}, {24, 2}, {29, 1}, {36, 1}})
                    st.ListeStat(1, code)->Ajoute(TDonneesEvt::CreateId(j->Numero, 0, static_cast<uint16_t>(v)));
            }
            p.saison->InvalideStats();
            auto f = Carte(*p.saison, j, 0);
            kit::ShowForm(f.get());
            if (sport == sportFootball) {
                EXPECT_EQ(f->LibellesButs[7]->Caption(), Traduire(4900));
                // the yellow cards as every window names them; one player's position
                EXPECT_EQ(f->LibellesStat[2]->Caption(), Traduire(78));
                EXPECT_EQ(f->cb_Poste->Items()[3], Traduire(5205));
            }
            if (sport == sportHandball) {
                EXPECT_EQ(f->LibellesStat[1]->Caption(), Traduire(1544));
                EXPECT_EQ(f->LibellesStat[3]->Caption(), Traduire(1549));
                if (anglais)
                    Grab(f.get(), "fiche-hand-en");
            }
            for (const auto& k : cas) {
                if (k.sport != sport)
                    continue;
                SCOPED_TRACE(k.stat);
                ASSERT_TRUE(Detail(f.get(), k.stat));
                EXPECT_EQ(f->sg_Match->Cells(k.colonne, 0), k.texte ? Traduire(k.texte) : std::string("%"))
                    << k.colonne;
                if (sport == sportHandball && k.stat == 2) {
                    EXPECT_EQ(f->Caption(), TraduireFormat(1501, {Traduire(1544)}));
                }
                if (anglais && (k.stat == 3 || (sport == sportRugby && k.stat == 2)))
                    Grab(f.get(), std::string("fiche-detail-en-") + IntToStr(sport));
            }
            f->b_Annuler->Click();
        }
    }
}

// A card opened on a player whose counters are past what a typed box once
// took (1200 caps, a height of 12000 from the squads, career counters of five
// digits) and validated untouched keeps every one of them: each box and counter
// takes its field's range, typed as well; the season is the same before and
// after (but for what was typed), and so is the file written and opened again.
TEST(FicheJoueur, ValidatedUntouchedKeepsEveryStoredCounter)
{
    struct TCas
    {
        const char* nom;
        int sport;
        std::function<void(TJoueur&)> prepare;
        std::function<void(TJoueur&)> attendu = nullptr;   // what typing gives (none: untouched)
        const char* tape = "";                   // typed over the caps
    };
    const TCas cas[] = {
        {"1200 caps, 1200 career matches and goals", sportFootball,
         [](TJoueur& j) {
             j.nSelectionNationale = 1200;
             j.SetCarriere(1, 1200, std::array<int32_t, 4>{1200, 0, 0, 0});
         }},
        {"a height and a weight of five digits", sportFootball,
         [](TJoueur& j) {
             j.Taille = 12000;
             j.Poids = 10500;
         }},
        {"rugby's career counters of five digits", sportRugby,
         [](TJoueur& j) { j.SetCarriere(1, 60000, std::array<int32_t, 4>{12000, 65000, 11000, 10001}); }},
        {"1200 caps typed", sportFootball, [](TJoueur& j) { j.nSelectionNationale = 3; },
         [](TJoueur& j) { j.nSelectionNationale = 1200; }, "1200"},
    };
    for (const TCas& k : cas)
    {
        SCOPED_TRACE(k.nom);
        TPetiteSaison p = PetiteSaison(k.sport);
        TSaison& s = *p.saison;
        // a previous club the season lists, as a file read gives
        p.dupont->ClubPrec = 1;
        k.prepare(*p.dupont);
        if (k.attendu)
            k.attendu(*p.dupont);
        const std::string avant = essai::SansDate(essai::Document(s));
        k.prepare(*p.dupont);
        auto f = Carte(s, p.dupont, 0);
        kit::ShowForm(f.get());
        {
            // Every page walked, as a user looks before validating.
            f->pc_FicheJoueur->SetActivePage(f->ts_additionnal);
            if (*k.tape)
            {
                kit::Click(f->e_nSelection);
                kit::PressKey(f->e_nSelection, 'A', ssCtrl);
                kit::TypeKeys(f->e_nSelection, k.tape);
            }
            f->pc_FicheJoueur->SetActivePage(f->ts_Carriere);
            f->b_Valider->Click();
        }
        EXPECT_EQ(essai::SansDate(essai::Document(s)), avant);
        const std::string fichier = GetTempDir() + "bz_fiche_compteurs_" + std::to_string(::getpid()) + ".xmc";
        auto relue = essai::SauveRelit(s, fichier);
        DeleteFile(fichier);
        ASSERT_NE(relue, nullptr);
        EXPECT_EQ(essai::SansDate(essai::Document(*relue)), avant);
    }
}
