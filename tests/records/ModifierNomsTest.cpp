// The previous-club and nationality dialogs: renaming, deleting, and merging
// with every reference moved to the entry kept.
#include <gtest/gtest.h>

#include "model/Joueurs.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "platform/gui/StdCtrls.h"
#include "records/w_ModifierClubPrec.h"
#include "records/w_ModifierNat.h"
#include "tests/records/FichesEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"

using namespace fiches_essai;

namespace {

template <class T>
TOwned<T> Dialogue(TSaison& s)
{
    TOwned<T> f(new T(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&s);
    kit::ShowForm(f.get());
    return f;
}

// Selects exactly the lines of those ids, the last one clicked.
void Selectionne(TModifierNomsForm& f, std::vector<int> ids)
{
    for (int i = 0; i < f.l_Liste->Items().Count(); ++i)
        f.l_Liste->SetSelected(i, false);
    for (int id : ids) {
        const int i = f.LigneId(id);
        ASSERT_GE(i, 0) << id;
        f.l_Liste->SetSelected(i, true);
        f.l_Liste->SetItemIndex(i);
        f.l_Liste->SetSelected(i, true);
    }
    f.l_ListeClick(nullptr);
}

std::vector<std::string> Noms(TModifierNomsForm& f)
{
    std::vector<std::string> v;
    for (int i = 0; i < f.l_Liste->Items().Count(); ++i)
        v.push_back(f.l_Liste->Items()[i].substr(6));
    return v;
}

// The question a deletion or a merge asks, answered yes.
void Oui()
{
    kit::WhenModal([](TForm* m) { m->SetModalResult(mrYes); });
}

TJoueur* Joueur(TSaison& s, const std::string& nom, int equipe)
{
    return s.Joueurs().AjouteJoueur(s.CreeJoueur(nom, "Jean", -1, equipe));
}

}  // namespace

TEST(ModifierClubPrec, RenameDeleteAndMergeMoveEveryReference)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    const int ancien = s.ChercheClubPrec("Ancien Club", false);
    const int olympique = s.AjouteClubPrec("Olympique", -1);
    const int stade = s.AjouteClubPrec("Stade", -1);
    p.dupont->ClubPrec = static_cast<uint16_t>(stade);
    p.martin->ClubPrec = static_cast<uint16_t>(olympique);
    TStatHistorique h;
    h.StatAnnee = 2020;
    h.Equipe = stade;
    p.durand->AjouteHistorique(h);
    auto e = std::make_unique<TEntraineur>(-1, 0, "Marc", "Coach");
    e->ClubPrec = static_cast<uint16_t>(stade);
    auto* coach = dynamic_cast<TEntraineur*>(s.Entraineurs().AjoutePersonnel(std::move(e)));

    auto f = Dialogue<Tf_ModifierClubPrec>(s);
    EXPECT_EQ(Noms(*f), (std::vector<std::string>{"Ancien Club", "Olympique", "Stade"}));
    EXPECT_FALSE(f->bc_Fusionner->Visible());
    kit::Process(30);
    kit::GrabToPng(f.get(), "modifier-clubs-precedents");

    // Rename: the entry's name and its line.
    Selectionne(*f, {olympique});
    EXPECT_EQ(f->e_NomEquipe->GetText(), "Olympique");
    f->e_NomEquipe->SetText("Olympique Ormoy");
    f->bc_Modifier->Click();
    EXPECT_EQ(s.NomClubPrec(olympique), "Olympique Ormoy");
    EXPECT_EQ(Noms(*f)[1], "Olympique Ormoy");
    EXPECT_EQ(f->Modifie, 1);

    // Three lines hide both buttons; two show the merge.
    Selectionne(*f, {ancien, olympique, stade});
    EXPECT_FALSE(f->bc_Effacer->Visible());
    EXPECT_FALSE(f->bc_Fusionner->Visible());
    Selectionne(*f, {stade, olympique});
    EXPECT_FALSE(f->bc_Effacer->Visible());
    EXPECT_TRUE(f->bc_Fusionner->Visible());

    // The first of the two in list order survives: the Olympique (id lower).
    Oui();
    f->bc_Fusionner->Click();
    EXPECT_EQ(Noms(*f), (std::vector<std::string>{"Ancien Club", "Olympique Ormoy"}));
    EXPECT_EQ(p.dupont->ClubPrec, olympique);
    EXPECT_EQ(p.durand->Historique(0)->Equipe, olympique);
    EXPECT_EQ(coach->ClubPrec, olympique);
    EXPECT_EQ(s.NomClubPrec(stade), "");
    EXPECT_EQ(f->e_NomEquipe->GetText(), "");

    // Delete: the players lose the club, the line goes.
    Selectionne(*f, {olympique});
    Oui();
    f->bc_Effacer->Click();
    EXPECT_EQ(p.dupont->ClubPrec, 0);
    EXPECT_EQ(p.martin->ClubPrec, 0);
    EXPECT_EQ(Noms(*f), (std::vector<std::string>{"Ancien Club"}));
    EXPECT_EQ(f->e_NomEquipe->Tag, -1);
}

// A club deleted or merged away keeps its id through a save and a reopening:
// the next club typed gets a new id, and the history lines and coaches that
// named the old club do not name the new one.
TEST(ModifierClubPrec, EmptiedIdsAreNotGivenOutAgainAfterReopening)
{
    for (const bool fusion : {false, true})
    {
        SCOPED_TRACE(fusion ? "merged" : "deleted");
        TPetiteSaison p = PetiteSaison(sportFootball);
        TSaison& s = *p.saison;
        const int olympique = s.AjouteClubPrec("Olympique", -1);
        const int stade = s.AjouteClubPrec("Stade", -1);
        TStatHistorique h;
        h.StatAnnee = 2020;
        h.Equipe = stade;
        p.durand->AjouteHistorique(h);
        auto e = std::make_unique<TEntraineur>(-1, 0, "Marc", "Coach");
        e->ClubPrec = static_cast<uint16_t>(stade);
        s.Entraineurs().AjoutePersonnel(std::move(e));
        {
            auto f = Dialogue<Tf_ModifierClubPrec>(s);
            Selectionne(*f, fusion ? std::vector<int>{olympique, stade} : std::vector<int>{stade});
            Oui();
            (fusion ? f->bc_Fusionner : f->bc_Effacer)->Click();
            EXPECT_EQ(s.NomClubPrec(stade), "");
        }
        auto relue = essai::Lit(sportFootball, essai::Document(s));
        ASSERT_TRUE(relue);
        EXPECT_EQ(relue->MaxClubPrec(), s.MaxClubPrec());
        const int nouveau = relue->ChercheClubPrec("Nouveau Club", true);
        EXPECT_GT(nouveau, stade);
        TPersonnel* coach = relue->Entraineurs().ChercheNom("Coach", "Marc");
        ASSERT_TRUE(coach);
        EXPECT_NE(relue->NomClubPrec(dynamic_cast<TEntraineur*>(coach)->ClubPrec), "Nouveau Club");
        TJoueur* durand = relue->Joueurs().ChercheJoueurNom("Durand", "Luc");
        EXPECT_TRUE(durand);
        for (int i = 0; durand && i < durand->NbHistorique(); ++i)
            EXPECT_NE(relue->NomClubPrec(durand->Historique(i)->Equipe), "Nouveau Club");
        // Written again, the file is the same.
        auto encore = essai::Lit(sportFootball, essai::Document(*relue));
        EXPECT_EQ(essai::SansDate(essai::Document(*encore)), essai::SansDate(essai::Document(*relue)));
    }
}

TEST(ModifierNat, MergeKeepsTheCountryWithMorePlayersAndMovesEveryone)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    const uint16_t angleterre = s.Pays().AjoutePays("Angleterre");
    const uint16_t england = s.Pays().AjoutePays("England");
    const uint16_t ecosse = s.Pays().AjoutePays("Ecosse");
    for (int i = 0; i < 3; ++i)
        Joueur(s, "Smith" + std::to_string(i), 2)->CodePays = angleterre;
    for (int i = 0; i < 10; ++i)
        Joueur(s, "Jones" + std::to_string(i), 3)->CodePays = england;
    TJoueur* scot = Joueur(s, "Scott", 2);
    scot->CodePays = ecosse;
    auto a = std::make_unique<TPersonnelStat>(-1, 0, "Howard", "Webb");
    a->CodePays = angleterre;
    TPersonnel* arbitre = s.Arbitres().AjoutePersonnel(std::move(a));
    auto e = std::make_unique<TEntraineur>(-1, 0, "Alf", "Ramsey");
    e->CodePays = angleterre;
    TPersonnel* coach = s.Entraineurs().AjoutePersonnel(std::move(e));
    TStade* wembley = s.Stades().NouveauStade("Wembley", "Londres");
    wembley->CodePays = angleterre;

    auto f = Dialogue<Tf_ModifierNat>(s);
    EXPECT_EQ(Noms(*f), (std::vector<std::string>{"France (0)", "Angleterre (3)", "England (10)", "Ecosse (1)"}));
    kit::Process(30);
    kit::GrabToPng(f.get(), "modifier-nationalites");
    // Angleterre selected first, England second: England survives.
    Selectionne(*f, {angleterre, england});
    Oui();
    f->bc_Fusionner->Click();
    EXPECT_EQ(Noms(*f), (std::vector<std::string>{"France (0)", "England (13)", "Ecosse (1)"}));
    EXPECT_EQ(s.Joueurs().NbJoueurPays(england), 13);
    EXPECT_EQ(s.Joueurs().NbJoueurPays(angleterre), 0);
    EXPECT_EQ(arbitre->CodePays, england);
    EXPECT_EQ(coach->CodePays, england);
    EXPECT_EQ(wembley->CodePays, england);
    EXPECT_EQ(s.Pays().NomPays(angleterre), "");
    // On a tie the first line survives.
    const uint16_t galles = s.Pays().AjoutePays("Galles");
    Joueur(s, "Bale", 2)->CodePays = galles;
    f->ChangeSaison(&s);
    Selectionne(*f, {galles, ecosse});
    Oui();
    f->bc_Fusionner->Click();
    EXPECT_EQ(scot->CodePays, ecosse);
    EXPECT_EQ(s.Pays().NomPays(galles), "");

    // Rename rewrites the line with its count; delete leaves no one of it.
    Selectionne(*f, {england});
    f->e_NomEquipe->SetText("Angleterre");
    f->bc_Modifier->Click();
    EXPECT_EQ(Noms(*f)[1], "Angleterre (13)");
    Selectionne(*f, {ecosse});
    Oui();
    f->bc_Effacer->Click();
    EXPECT_EQ(scot->CodePays, TPersonnel::Aucun);
    EXPECT_EQ(s.Pays().NomPays(ecosse), "");
    EXPECT_EQ(Noms(*f), (std::vector<std::string>{"France (0)", "Angleterre (13)"}));
    EXPECT_EQ(f->Modifie, 1);
}
