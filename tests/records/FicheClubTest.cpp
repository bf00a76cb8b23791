// The club card: an empty card for a team without record, the president typed
// in one field, the kit entry, the "none" lines, a number that does not fit,
// and the changes made through its own dialogs kept whatever the close.
#include <gtest/gtest.h>

#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "records/Blasons.h"
#include "records/w_Blasons.h"
#include "records/w_FicheClub.h"
#include "records/w_FicheEntraineur.h"
#include "records/w_FicheStade.h"
#include "tests/records/FichesEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Bouton.h"
#include "ui/message2.h"

using namespace fiches_essai;

namespace {

TOwned<Tf_FicheClub> Carte(TSaison& s, int position)
{
    TOwned<Tf_FicheClub> f(new Tf_FicheClub(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&s);
    f->Position = position;
    kit::ShowForm(f.get());
    return f;
}

int Ligne(TComboBox* cb, const std::string& texte)
{
    for (int i = 0; i < cb->Items().Count(); ++i)
        if (cb->Items()[i] == texte)
            return i;
    return -1;
}

}  // namespace

TEST(FicheClub, PresidentTypedInOneField)
{
    struct Cas
    {
        const char* texte;
        const char* prenom;
        const char* nom;
    };
    const Cas cas[] = {{"Paul Dupont de la Tour", "Paul", "Dupont de la Tour"},
                       {"  Jean   Martin ", "Jean", "Martin"},
                       {"Dupont", "Dupont", ""},
                       {"", "", ""}};
    for (const Cas& c : cas) {
        std::string prenom, nom;
        SepareNomPresident(c.texte, prenom, nom);
        EXPECT_EQ(prenom, c.prenom) << c.texte;
        EXPECT_EQ(nom, c.nom) << c.texte;
    }
}

// A team without a record shows an empty card; validating creates the record
// with every field; the "none" lines then take the stadium and coach away.
TEST(FicheClub, EmptyCardCreatesTheRecordAndNoneLinesEmptyTheLists)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    TStade* parc = s.Stades().NouveauStade("Parc", "Zelvor");
    TStade* arena = s.Stades().NouveauStade("Arena", "Zelvor");
    auto* coach = dynamic_cast<TEntraineur*>(s.Entraineurs().AjoutePersonnel(std::make_unique<TEntraineur>(-1, 0, "Marc", "Lemoine")));
    auto f = Carte(s, 1);   // Zelvor
    EXPECT_EQ(f->RensClub, nullptr);
    EXPECT_EQ(f->e_Budget->GetText(), "0");
    EXPECT_EQ(f->cb_Stade->ItemIndex(), 0);
    EXPECT_EQ(f->cb_Stade->Items()[0], Traduire(108));
    EXPECT_EQ(f->cb_Entraineur->ItemIndex(), 0);
    f->e_CouleurMaillot->SetText("Rouge");
    f->e_Budget->SetText("1500000");
    f->cb_Stade->SetItemIndex(Ligne(f->cb_Stade, "Parc (Zelvor)"));
    f->cb_Entraineur->SetItemIndex(Ligne(f->cb_Entraineur, "Marc Lemoine"));
    f->e_President->SetText("Paul Dupont de la Tour");
    f->b_Valider->Click();
    ASSERT_EQ(f->ModalResult(), mrOk);
    EXPECT_EQ(f->Modifie, 1);
    TRensClub* r = s.RensClubs().ChercheRensClub(1);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->NbMaillot(), 1);
    EXPECT_EQ(r->CouleurMaillot(0), "Rouge");
    EXPECT_EQ(r->Budget, 1500000);
    EXPECT_EQ(r->Stades(), std::vector<TStade*>{parc});
    EXPECT_EQ(r->Entraineurs(), std::vector<TEntraineur*>{coach});
    EXPECT_EQ(coach->ClubActuel, 1);
    ASSERT_TRUE(r->President);
    EXPECT_EQ(r->President->Prenom, "Paul");
    EXPECT_EQ(r->President->Nom, "Dupont de la Tour");

    // Shown again: the same values; another stadium replaces the first; the
    // "none" line of the coach takes him away.
    r->AjouteStade(arena);
    auto g = Carte(s, 1);
    EXPECT_EQ(g->Caption(), TraduireFormat(1473, {s.NomEquipePosition(1)}));
    EXPECT_EQ(g->cb_Stade->Items()[g->cb_Stade->ItemIndex()], "Parc (Zelvor)");
    EXPECT_EQ(g->e_President->GetText(), "Paul Dupont de la Tour");
    g->cb_Stade->SetItemIndex(Ligne(g->cb_Stade, "Arena (Zelvor)"));
    g->cb_Entraineur->SetItemIndex(0);
    g->b_Valider->Click();
    EXPECT_EQ(r->Stades(), std::vector<TStade*>{arena});
    EXPECT_TRUE(r->Entraineurs().empty());
    // Unchanged: not modified.
    auto h = Carte(s, 1);
    h->b_Valider->Click();
    EXPECT_EQ(h->Modifie, 0);
}

TEST(FicheClub, BudgetThatDoesNotFitIsRefused)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    auto f = Carte(s, 0);
    f->e_Budget->SetText("99999999999");
    std::vector<std::string> textes;
    kit::WhenModal([&](TForm* m) {
        if (auto* b = dynamic_cast<Tf_MessageUtil*>(m))
            textes.push_back(b->Label1->Caption());
        m->SetModalResult(mrOk);
    });
    f->b_Valider->Click();
    kit::Process(20);
    EXPECT_EQ(f->ModalResult(), mrNone);
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_NE(textes[0].find("99999999999"), std::string::npos);
    EXPECT_EQ(s.RensClubs().NbRensClub(), 0);
    f->b_Annuler->Click();
}

// A stadium and a coach created through their own cards stay in the season
// when the club card is cancelled: the card says the season changed. The
// crest chosen is shown, and the team's only once the card is validated.
TEST(FicheClub, SubDialogChangesSurviveCancel)
{
    TPetiteSaison p = PetiteSaison(sportBasket);
    TSaison& s = *p.saison;
    Dossier d;
    ForceDirectories(d.Chemin("blasons"));
    WriteFileAtomic(d.Chemin("blasons/blasons.txt"), "1-0-France#1001-1-Zelvor#");
    Carre(10, 0xFF00FF00)->SaveToFile(d.Chemin("blasons/1001.png"));
    InstalleBlasons(std::make_unique<TBlasons>(d.Path()));
    auto f = Carte(s, 1);
    EXPECT_EQ(f->Label47->Caption(), Traduire(1272));   // halls
    kit::WhenModal([](TForm* m) {
        auto* c = dynamic_cast<Tf_FicheStade*>(m);
        ASSERT_TRUE(c);
        c->e_NomStade->SetText("Palais");
        c->e_Ville->SetText("Zelvor");
        c->b_Valider->Click();
    });
    f->bc_CreeStade->Click();
    EXPECT_EQ(f->cb_Stade->Items()[f->cb_Stade->ItemIndex()], "Palais (Zelvor)");
    kit::WhenModal([](TForm* m) {
        auto* c = dynamic_cast<Tf_FicheEntraineur*>(m);
        ASSERT_TRUE(c);
        c->c_Personne->e_Nom->SetText("Neuf");
        c->c_Personne->e_Prenom->SetText("Ali");
        c->b_Valider->Click();
    });
    f->b_CreeEntr->Click();
    EXPECT_EQ(f->cb_Entraineur->Items()[f->cb_Entraineur->ItemIndex()], "Ali Neuf");
    kit::WhenModal([](TForm* m) {
        auto* b = dynamic_cast<Tf_Blasons*>(m);
        ASSERT_TRUE(b);
        b->tv_Blasons->SetSelected(b->tv_Blasons->Items().TopItem(0)->Item(0));
        b->bc_ChoisirClick(nullptr);
    });
    f->bc_changeLogo->Click();
    EXPECT_EQ(f->LogoChoisi, 1001);
    EXPECT_NE(f->Logo1->Image(), nullptr);
    f->b_Annuler->Click();
    EXPECT_EQ(s.LogoEquipe(1), 0);
    EXPECT_EQ(f->Modifie, 1);
    EXPECT_NE(s.Stades().ChercheStadeNom("Palais", "Zelvor"), nullptr);
    EXPECT_NE(s.Entraineurs().ChercheNom("Neuf", "Ali"), nullptr);
    EXPECT_EQ(s.RensClubs().NbRensClub(), 0);   // the record itself is made on "Valider" only

    // A stadium of the same name and town typed again: the card says it
    // exists and shows it, untouched; validated, it is the one chosen.
    s.Stades().ChercheStadeNom("Palais", "Zelvor")->Capacite = 4000;
    auto g = Carte(s, 1);
    const int lignes = g->cb_Stade->Items().Count();
    std::vector<std::string> textes;
    kit::WhenModal([&textes](TForm* m) {
        auto* c = dynamic_cast<Tf_FicheStade*>(m);
        ASSERT_TRUE(c);
        c->e_NomStade->SetText("Palais");
        c->e_Ville->SetText("Zelvor");
        kit::WhenModal([&textes](TForm* b) {
            if (auto* t = dynamic_cast<Tf_MessageUtil*>(b))
                textes.push_back(t->Label1->Caption());
            b->SetModalResult(mrOk);
        });
        c->b_Valider->Click();
        EXPECT_EQ(c->ModalResult(), mrNone);
        EXPECT_EQ(c->e_Capacite->GetText(), "4000");
        c->b_Valider->Click();
    });
    g->bc_CreeStade->Click();
    EXPECT_EQ(textes, (std::vector<std::string>{TraduireFormat(3701, {"Palais", "Zelvor"})}));
    EXPECT_EQ(s.Stades().ChercheStadeNom("Palais", "Zelvor")->Capacite, 4000);
    EXPECT_EQ(g->cb_Stade->Items().Count(), lignes);
    EXPECT_EQ(g->cb_Stade->Items()[g->cb_Stade->ItemIndex()], "Palais (Zelvor)");
    EXPECT_EQ(s.Stades().NbStade(), 1);
    g->b_Annuler->Click();
    InstalleBlasons(nullptr);
}

// A coach renamed in his card as another coach becomes that one once the
// user says so: the club records name the coach kept, never the one freed.
TEST(FicheClub, CoachRenamedAsAnotherIsReplacedInTheClubRecords)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    auto* a = dynamic_cast<TEntraineur*>(s.Entraineurs().AjoutePersonnel(std::make_unique<TEntraineur>(-1, 0, "Marc", "Lemoine")));
    auto* b = dynamic_cast<TEntraineur*>(s.Entraineurs().AjoutePersonnel(std::make_unique<TEntraineur>(-1, 0, "Luc", "Roux")));
    TRensClub* r = s.RensClubs().NouveauRensClub(0);
    r->AjouteEntraineur(b);
    auto f = Carte(s, 0);
    ASSERT_EQ(f->cb_Entraineur->Items()[f->cb_Entraineur->ItemIndex()], "Luc Roux");
    kit::WhenModal([](TForm* m) {
        auto* c = dynamic_cast<Tf_FicheEntraineur*>(m);
        ASSERT_TRUE(c);
        c->c_Personne->e_Nom->SetText("Lemoine");
        c->c_Personne->e_Prenom->SetText("Marc");
        // asked first, naming the coach kept: yes
        kit::WhenModal([](TForm* q) { q->SetModalResult(mrYes); });
        c->b_Valider->Click();
    });
    f->b_FicheEntr->Click();
    EXPECT_EQ(kit::ForgetModalActions(), 0u);
    EXPECT_EQ(s.Entraineurs().NbPersonnel(), 1);
    EXPECT_EQ(r->Entraineurs(), std::vector<TEntraineur*>{a});
    EXPECT_EQ(f->cb_Entraineur->Items()[f->cb_Entraineur->ItemIndex()], "Marc Lemoine");
    EXPECT_EQ(f->Modifie, 1);
    f->b_Annuler->Click();
}

// A new coach's birth year shows "unknown" whole in its field: the card
// files him all the same.
TEST(FicheClub, NewCoachWithUnknownBirthYearIsFiled)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    TOwned<Tf_FicheEntraineur> f(new Tf_FicheEntraineur(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&s);
    kit::ShowForm(f.get());
    EXPECT_EQ(f->c_Personne->e_Age->GetText(), Traduire(84));
    f->c_Personne->e_Nom->SetText("Neuf");
    f->b_Valider->Click();
    EXPECT_EQ(f->ModalResult(), mrOk);
    ASSERT_NE(f->Entraineur, nullptr);
    EXPECT_EQ(f->Entraineur->Age, 0);
}
