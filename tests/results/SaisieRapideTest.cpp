// Quick squad entry with a stand-in player card: a known player moved here, a
// new one validated or cancelled, the international case, no card at all.
#include <gtest/gtest.h>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/oTraducteur.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "records/w_Effectifs.h"
#include "records/w_FicheJoueur.h"
#include "results/w_SaisieRapide.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "tests/support/SaisonBuilder.h"
#include "tests/support/SauveRelit.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/message2.h"

namespace {

class FicheEssai : public TFicheJoueurForm
{
public:
    using TFicheJoueurForm::TFicheJoueurForm;
    void ChangeJoueur(int32_t, TJoueur* j) override { Joueur = j; }
    TJoueur* Joueur = nullptr;
};

void EnregistreFiche()
{
    TServicesFicheJoueur s;
    s.CreeFiche = [](TSaison*) -> TFicheJoueurForm* { return new FicheEssai(nullptr); };
    EnregistreServicesFicheJoueur(s);
}

// The quick entry of the team, shown with a stand-in player card.
TOwned<Tf_SaisieRapide> Ouvre(TSaison& s, int equipe)
{
    EnregistreFiche();
    TOwned<Tf_SaisieRapide> f(new Tf_SaisieRapide(nullptr));
    f->ChangeSaison(&s);
    f->ChangeCouleurs(vues::Module()->Couleurs);
    f->RemplitJoueurs(equipe);
    kit::ShowForm(f.get());
    return f;
}

int NbJoueursEquipe(TSaison& s, int equipe)
{
    const TListJoueurEquipe* b = s.Joueurs().BlocEquipe(equipe);
    return b ? b->Nombre() : 0;
}

TEST(SaisieRapide, KnownNewCancelledAndInternationalPlayers)
{
    vues::TSaisonVue v = vues::SaisonVue(0);
    TSaison& s = *v.saison;
    TDonneesChampionnat& c = v.C();
    const int equipe = c.IdEquipe(1), autre = c.IdEquipe(0);
    TOwned<Tf_SaisieRapide> f = Ouvre(s, equipe);
    ASSERT_EQ(f->lb_JoueursPresents->Items().Count(), 3);
    const int total = s.Joueurs().NbJoueur();
    ASSERT_EQ(f->cb_AjoutJoueur->Items().Count(), total);

    // The exact line of a player of another club moves that player here.
    TJoueur* j = s.Joueurs().BlocEquipe(autre)->Joueur(0);
    const std::string ligne = f->LigneJoueur(*j);
    f->cb_AjoutJoueur->SetText(ligne);
    kit::Click(f->b_Ajouter);
    EXPECT_EQ(s.Joueurs().NbJoueur(), total);
    EXPECT_EQ(NbJoueursEquipe(s, equipe), 4);
    EXPECT_EQ(NbJoueursEquipe(s, autre), 2);
    TJoueur* deplace = s.Joueurs().BlocEquipe(equipe)->Joueur(0);
    for (int i = 0; i < NbJoueursEquipe(s, equipe); ++i)
        if (s.Joueurs().BlocEquipe(equipe)->Joueur(i)->PrenomNom() == j->PrenomNom())
            deplace = s.Joueurs().BlocEquipe(equipe)->Joueur(i);
    EXPECT_EQ(s.NomClubPrec(deplace->ClubPrec), s.NomEquipe(autre));
    EXPECT_EQ(f->lb_JoueursPresents->Items()[0], f->LigneJoueur(*deplace));
    EXPECT_TRUE(f->cb_AjoutJoueur->GetText().empty());

    // A new name with the card asked for: kept once its card is validated,
    // freed when it is cancelled.
    f->cc_AfficheFiche->SetChecked(true);
    kit::WhenModal([](TForm* m) { m->SetModalResult(mrOk); });
    f->cb_AjoutJoueur->SetText("Pierre NOUVEAU");
    kit::Click(f->b_Ajouter);
    EXPECT_EQ(s.Joueurs().NbJoueur(), total + 1);
    EXPECT_EQ(NbJoueursEquipe(s, equipe), 5);
    EXPECT_NE(f->lb_JoueursPresents->Items()[0].find("NOUVEAU"), std::string::npos);
    kit::WhenModal([](TForm* m) { m->SetModalResult(mrCancel); });
    f->cb_AjoutJoueur->SetText("Paul ANNULE");
    kit::Click(f->b_Ajouter);
    EXPECT_EQ(s.Joueurs().NbJoueur(), total + 1);
    EXPECT_EQ(f->lb_JoueursPresents->Items().Count(), 5);
    kit::GrabToPng(f.get(), "resultats_saisie_rapide");

    // International: the national team changes, the club stays; with the card
    // shown and cancelled the player does not count as added.
    c.SetTypes(c.Types() | TDonneesChampionnat::TypeInternational);
    TJoueur* k = s.Joueurs().BlocEquipe(autre)->Joueur(0);
    const uint16_t club = k->ClubActuel, nationale = k->EquipeNational;
    f->cc_AfficheFiche->SetChecked(true);
    kit::WhenModal([](TForm* m) { m->SetModalResult(mrCancel); });
    f->FormShow(f.get());
    f->cb_AjoutJoueur->SetText(f->LigneJoueur(*k));
    kit::Click(f->b_Ajouter);
    // (the card left, nothing of him changed)
    EXPECT_EQ(k->EquipeNational, nationale);
    EXPECT_EQ(k->ClubActuel, club);
    EXPECT_EQ(f->lb_JoueursPresents->Items().Count(), 5);

    // Without a player card a new name is refused with text 3004.
    EnregistreServicesFicheJoueur({});
    std::vector<std::string> dits;
    essai::RepondBoite(mrOk, &dits);
    f->cb_AjoutJoueur->SetText("Jacques SANSFICHE");
    kit::Click(f->b_Ajouter);
    EXPECT_EQ(dits, (std::vector<std::string>{Traduire(3004)}));
    EXPECT_EQ(s.Joueurs().NbJoueur(), total + 1);
}

// Typed with the keys and Enter: what is typed is taken. The start of a
// player's line, whatever its letter case, is a new player; a whole line typed
// moves that player only after a question naming him; one picked from the
// list moves unasked.
TEST(SaisieRapide, ATypedNameIsTakenAsTyped)
{
    const struct
    {
        const char* nom;
        const char* tape;   // UTF-8; empty: the line of Porte, typed
        int fleches;        // Down presses picking Porte's line
        int reponse;        // to the question, 0 when none is expected
        bool deplace;       // Porte now plays here
        const char* nouveau;   // UTF-8, the new player listed first, or ""
    } cas[] = {
        {"start of a line", "Valentin Port", 0, 0, false, "Valentin Port"},
        {"start in other letters", "valentin porte", 0, 0, false, "valentin porte"},
        {"whole line, refused", "", 0, mrNo, false, ""},
        {"whole line, accepted", "", 0, mrYes, true, ""},
        {"picked with the arrows", "", 1, 0, true, ""},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.nom);
        vues::TSaisonVue v = vues::SaisonVue(0);
        TSaison& s = *v.saison;
        const int equipe = v.C().IdEquipe(1), autre = v.C().IdEquipe(0);
        TJoueur* porte = s.Joueurs().AjouteJoueur(s.CreeJoueur("Porte", "Valentin", -1, autre));
        TOwned<Tf_SaisieRapide> f = Ouvre(s, equipe);
        const int total = s.Joueurs().NbJoueur(), listes = f->lb_JoueursPresents->Items().Count();
        const std::string ligne = f->LigneJoueur(*porte);
        std::vector<std::string> questions;
        if (k.reponse)
            essai::RepondBoite(k.reponse, &questions);
        if (k.fleches)
            for (int i = 0; i <= f->cb_AjoutJoueur->Items().IndexOf(ligne); ++i)
                kit::PressKey(f->cb_AjoutJoueur, VK_DOWN);
        else
            kit::TypeKeys(f->cb_AjoutJoueur, *k.tape ? std::string(k.tape) : Cp1252ToUtf8(ligne));
        kit::PressKey(f->cb_AjoutJoueur, VK_RETURN);
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        EXPECT_EQ(questions, k.reponse ? std::vector<std::string>{TraduireFormat(5505, {ligne, s.NomEquipe(equipe)})}
                                       : std::vector<std::string>{});
        EXPECT_EQ(porte->ClubActuel, k.deplace ? equipe : autre);
        // moved, he joins in the season's year
        EXPECT_EQ(porte->Duree, k.deplace ? v.C().Option(8) : 0);
        EXPECT_EQ(s.Joueurs().NbJoueur(), total + (*k.nouveau ? 1 : 0));
        const bool ajoute = k.deplace || *k.nouveau;
        ASSERT_EQ(f->lb_JoueursPresents->Items().Count(), listes + (ajoute ? 1 : 0));
        if (*k.nouveau) {
            EXPECT_EQ(f->lb_JoueursPresents->Items()[0].rfind(L1(k.nouveau) + " (", 0), 0u)
                << f->lb_JoueursPresents->Items()[0];
        }
        // refused, the line stays to be changed; taken, the box is emptied
        EXPECT_EQ(f->cb_AjoutJoueur->GetText(), ajoute ? std::string() : ligne);
    }
}

// A player picked for the team he is already in, as its club or as its
// national team: he keeps his previous club and is listed once.
TEST(SaisieRapide, PlayerAlreadyInTheTeamChangesNothing)
{
    for (const bool international : {false, true}) {
        SCOPED_TRACE(international ? "national team" : "club");
        vues::TSaisonVue v = vues::SaisonVue(0);
        TSaison& s = *v.saison;
        TDonneesChampionnat& c = v.C();
        const int equipe = c.IdEquipe(1);
        TJoueur* j = s.Joueurs().BlocEquipe(equipe)->Joueur(0);
        const int prec = s.ChercheClubPrec("Ancien Club", true);
        j->ClubPrec = static_cast<uint16_t>(prec);
        if (international) {
            c.SetTypes(c.Types() | TDonneesChampionnat::TypeInternational);
            s.Joueurs().ChangeEquipeNationale(j, equipe);
        }
        TOwned<Tf_SaisieRapide> f = Ouvre(s, equipe);
        int signale = 0;
        f->OnModification = [&signale] { ++signale; };
        const int listes = f->lb_JoueursPresents->Items().Count(), membres = NbJoueursEquipe(s, equipe);
        const uint16_t club = j->ClubActuel;
        for (int fois = 0; fois < 2; ++fois) {
            f->cb_AjoutJoueur->SetText(f->LigneJoueur(*j));
            kit::Click(f->b_Ajouter);
        }
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        EXPECT_EQ(j->ClubPrec, prec);
        EXPECT_EQ(j->ClubActuel, club);
        EXPECT_EQ(f->lb_JoueursPresents->Items().Count(), listes);
        EXPECT_EQ(NbJoueursEquipe(s, equipe), membres);
        EXPECT_EQ(signale, 0);
        EXPECT_TRUE(f->cb_AjoutJoueur->GetText().empty());
    }
}

// A player moved into a team holding his namesake is merged into it, once
// the user says so, and freed by the model: the choice list drops his line,
// so choosing it again can never reach the freed player; the namesake stays
// once in the team.
TEST(SaisieRapide, PlayerMergedIntoANamesakeLeavesTheList)
{
    vues::TSaisonVue v = vues::SaisonVue(0);
    TSaison& s = *v.saison;
    TDonneesChampionnat& c = v.C();
    const int equipe = c.IdEquipe(1), autre = c.IdEquipe(0);
    TJoueur* present = s.Joueurs().AjouteJoueur(s.CreeJoueur("Homonyme", "Jean", -1, equipe));
    TJoueur* venu = s.Joueurs().AjouteJoueur(s.CreeJoueur("Homonyme", "Jean", -1, autre));
    ASSERT_NE(present, venu);
    const int32_t numeroVenu = venu->Numero;
    TInfoComp* match = c.CreeMatch(1, autre, equipe, 1, 0);
    match->SetJoueurTitulaire(autre, 1, numeroVenu);
    TOwned<Tf_SaisieRapide> f = Ouvre(s, equipe);
    const int presents = f->lb_JoueursPresents->Items().Count();
    const int lignes = f->cb_AjoutJoueur->Items().Count();
    const std::string ligne = f->LigneJoueur(*venu);

    // The card asked for: the first time the merge is asked and accepted,
    // then the namesake's card shown; the second time the name is new and
    // its card is cancelled.
    f->cc_AfficheFiche->SetChecked(true);
    for (int fois = 0; fois < 2; ++fois)
    {
        kit::ForgetModalActions();
        if (fois == 0)
            kit::WhenModal([](TForm* m) { m->SetModalResult(mrYes); });
        kit::WhenModal([](TForm* m) { m->SetModalResult(mrCancel); });
        f->cb_AjoutJoueur->SetText(ligne);
        kit::Click(f->b_Ajouter);
        kit::ForgetModalActions();
    }
    EXPECT_EQ(f->cb_AjoutJoueur->Items().Count(), lignes - 1);
    EXPECT_EQ(f->cb_AjoutJoueur->Items().IndexOf(ligne), -1);
    for (int i = 0; i < f->cb_AjoutJoueur->Items().Count(); ++i)
        EXPECT_GE(s.Joueurs().IndexJoueur(reinterpret_cast<TJoueur*>(f->cb_AjoutJoueur->Items().Objects(i))), 0) << i;
    EXPECT_EQ(f->lb_JoueursPresents->Items().Count(), presents);
    // The line-up now names the namesake kept.
    EXPECT_EQ(match->JoueurTitulaire(autre, 1), present->Numero);
}

// ---- through the squads window, with the player card of the sport -----------------------

// How the card of the player picked is left.
enum class TSortie { Annuler, Echap, CaseFermeture };

struct CasFicheQuittee
{
    const char* nom;
    bool nations;    // among nations: a national team's player picked for another one
    TSortie sortie;
};

const CasFicheQuittee FichesQuittees[] = {
    {"club_cancel", false, TSortie::Annuler},
    {"club_escape", false, TSortie::Echap},
    {"club_close_box", false, TSortie::CaseFermeture},
    {"national_team_cancel", true, TSortie::Annuler},
    {"national_team_close_box", true, TSortie::CaseFermeture},
};

class FicheQuittee : public ::testing::TestWithParam<std::tuple<CasFicheQuittee, int>>
{
};

// The squads of a team (command 147) clicked in the team list, a "Poste"
// cell right-clicked, "Saisie rapide" in its menu; "Afficher la fiche"
// ticked, another team's player picked from the list with the arrows,
// "Ajouter": his card shows him as he will be here; left by Cancel, Escape or
// its close box, he stays where he was, as he was, and the list does not
// name him. The season saved and opened again is the one before.
TEST_P(FicheQuittee, TheCardOfAPlayerPickedLeftKeepsHimWhereHeWas)
{
    const auto& [k, sport] = GetParam();
    const std::string langue = sport % 2 ? "en" : "fr";
    const std::string dir = essai::Prepare("saisie_rapide_fiche_" + std::string(k.nom) + "_" + std::to_string(sport));
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", langue);
    EnregistreFichesJoueur();
    auto f = essai::LanceFenetre();
    essai::TSaisonComplete c(sport);
    TSaison& s = *c.saison;
    constexpr int Selection = 20, AutreNation = 21;
    // Lille takes Brest's second player; among nations, Autre Nation takes
    // Sélection's player (Lille's first).
    int equipe = 1;
    TJoueur* j = s.Joueurs().ChercheJoueurNom("Joueur3", "P1");
    if (k.nations) {
        s.AjouteEquipe("Autre Nation", AutreNation);
        auto ch = c.Nouveau(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeInternational);
        ch->AjouteEquipe(Selection);
        ch->AjouteEquipe(AutreNation);
        ch->SetNbJournees(2);
        s.SetChampionnatCourant(s.Arbre().AjouteChampionnat("Nations", "Nations", std::move(ch), "Monde")->Championnat());
        equipe = AutreNation;
        j = s.Joueurs().ChercheJoueurNom("Joueur1", "P0");
    } else {
        s.SetChampionnatCourant(c.ligue);
    }
    ASSERT_TRUE(j);
    const int32_t numero = j->Numero;
    const uint16_t club = j->ClubActuel, nationale = j->EquipeNational, prec = j->ClubPrec;
    const uint8_t duree = j->Duree;
    const int clubsPrec = s.NbClubPrec();
    const std::string fichier = MakePath(dir, "sauvegarde/fiche.xmc");
    f->InstallSeason(std::move(c.saison), fichier, false, 0);
    TSaison& saison = *f->Saison;
    const std::string avant = essai::SansDate(essai::Document(saison));
    const std::string annee = IntToStr(saison.ChampionnatCourant()->Option(8) + 1900);

    int fiches = 0;
    std::string ligne, titre;
    essai::QuandFenetre<Tf_SaisieRapide>([&](Tf_SaisieRapide* q) {
        kit::Click(q->cc_AfficheFiche);
        EXPECT_TRUE(q->cc_AfficheFiche->Checked());
        const int presents = q->lb_JoueursPresents->Items().Count();
        ligne = q->LigneJoueur(*j);
        const int i = q->cb_AjoutJoueur->Items().IndexOf(ligne);
        ASSERT_GE(i, 0) << ligne;
        for (int n = 0; n <= i + 1 && q->cb_AjoutJoueur->ItemIndex() != i; ++n)
            kit::PressKey(q->cb_AjoutJoueur, q->cb_AjoutJoueur->ItemIndex() < i ? VK_DOWN : VK_UP);
        ASSERT_EQ(q->cb_AjoutJoueur->ItemIndex(), i);
        essai::QuandFenetre<Tf_FicheJoueur>([&](Tf_FicheJoueur* fiche) {
            ++fiches;
            titre = fiche->Caption();
            // He is shown as he will be here: his club left behind, joining
            // in this season; nothing of him has changed yet.
            if (!k.nations) {
                EXPECT_EQ(fiche->cb_ClubPrec->GetText(), "Brest");
                EXPECT_EQ(fiche->e_Anciennete->GetText(), annee);
            }
            EXPECT_EQ(j->ClubActuel, club);
            EXPECT_EQ(j->EquipeNational, nationale);
            kit::GrabToPng(fiche, "saisie_rapide_fiche_" + std::string(k.nom) + "_" + langue);
            if (k.sortie == TSortie::Annuler)
                kit::Click(fiche->b_Annuler);
            else if (k.sortie == TSortie::Echap)
                kit::PressKey(nullptr, VK_ESCAPE);
            else
                fiche->Close();
        });
        kit::Click(q->b_Ajouter);
        // Not added, and the list says so.
        EXPECT_EQ(q->lb_JoueursPresents->Items().Count(), presents);
        EXPECT_TRUE(q->cb_AjoutJoueur->GetText().empty());
        kit::GrabToPng(q, "saisie_rapide_quittee_" + std::string(k.nom) + "_" + langue);
        kit::Click(q->b_Continuer);
    });
    ASSERT_TRUE(essai::Commande(*f, 147));
    auto* e = dynamic_cast<Tf_Effectifs*>(f->Enfant);
    ASSERT_TRUE(e);
    for (int i = 0; i < e->l_Equipe->Items().Count(); ++i)
        if (Tf_Effectifs::IdEntree(e->l_Equipe->Items()[i]) == equipe)
            kit::Click(e->l_Equipe, 20, e->l_Equipe->ItemRect(i).Top + 3);
    TColorStringGrid* g = e->sg_TableauEquipe;
    const TRect poste = g->CellRect(0, 1);
    kit::MouseDown(g, poste.Left + 5, poste.Top + 5, mbRight);
    kit::MouseUp(g, poste.Left + 5, poste.Top + 5, mbRight);
    e->pm_JoueurOp->CloseMenu();
    e->mi_SaisieRapide->Click();
    EXPECT_EQ(kit::ForgetModalActions(), 0u);
    EXPECT_EQ(fiches, 1);
    EXPECT_NE(titre.find(saison.NomEquipe(club)), std::string::npos) << titre;

    TJoueur* apres = saison.Joueurs().ChercheJoueur(numero, -1);
    ASSERT_TRUE(apres);
    EXPECT_EQ(std::vector<int>({apres->ClubActuel, apres->EquipeNational, apres->ClubPrec, apres->Duree}),
              std::vector<int>({club, nationale, prec, duree}));
    EXPECT_EQ(saison.NbClubPrec(), clubsPrec);
    EXPECT_TRUE(essai::SansDate(essai::Document(saison)) == avant) << ligne;
    auto relue = essai::SauveRelit(saison, fichier);
    ASSERT_TRUE(relue);
    EXPECT_TRUE(essai::SansDate(essai::Document(*relue)) == avant);
    essai::TermineFenetre(f);
}

std::string NomFicheQuittee(const ::testing::TestParamInfo<std::tuple<CasFicheQuittee, int>>& info)
{
    static const char* const sports[4] = {"football", "rugby", "basketball", "handball"};
    const int sport = std::get<1>(info.param);
    return std::string(std::get<0>(info.param).nom) + "_" + sports[sport] + (sport % 2 ? "_english" : "");
}

INSTANTIATE_TEST_SUITE_P(SquadsWindow, FicheQuittee,
                         ::testing::Combine(::testing::ValuesIn(FichesQuittees), ::testing::Values(0, 1, 2, 3)),
                         NomFicheQuittee);

}  // namespace
