// The people of a season as a user keeps them, on a season made through the
// program's own creation windows: a stadium through the stadium list and its
// card (command 152), a referee typed into the referee list (148), the club
// card of a team (131) filled on every page with a new stadium, a new coach
// and a crest added through its dialogs; saved, reopened through the
// season-file layer, the card shows the same.
#include <gtest/gtest.h>

#include <functional>

#include "files/w_ChoixLogiciel.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "records/Blasons.h"
#include "records/w_Arbitres.h"
#include "records/w_Blasons.h"
#include "records/w_FicheClub.h"
#include "records/w_FicheEntraineur.h"
#include "records/w_FicheStade.h"
#include "records/w_Stades.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "codecs/PngPicture.h"
#include "platform/gui/Pictures.h"
#include "tests/setup/NouvelleSaisonEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"

using namespace essai;

namespace {

const bool dossierAbsolu = [] {
    setenv("BZ_DATA_DIR", std::filesystem::absolute(DossierDonnees()).lexically_normal().c_str(), 0);
    return true;
}();

// A square crest picture of one colour.
std::unique_ptr<TPngPicture> Carre()
{
    TBitmap b;
    b.SetPixelFormat(pf32bit);
    b.SetSize(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            b.ScanLine(y)[x] = 0xFF2040C0;
    auto p = std::make_unique<TPngPicture>();
    p->Assign(b);
    return p;
}

template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::Passees);
}

}  // namespace

TEST(FichesClubs, StadiumRefereeAndClubCardOnASeasonMadeByTheCreationWindows)
{
    const std::string dir = Prepare("fiches_clubs");
    auto f = LanceFenetre();
    ASSERT_TRUE(NouvelleSaisonQuatreClubs(*f));   // command 5: one custom championship of four clubs
    ASSERT_NE(f->Saison, nullptr);
    TSaison& s = *f->Saison;
    ASSERT_NE(s.ChampionnatCourant(), nullptr);
    ASSERT_EQ(s.ChampionnatCourant()->NbEquipe(), 4);
    const int zelvor = s.ChampionnatCourant()->IndexEquipe(s.ChercheEquipe("Zelvor"));
    ASSERT_GE(zelvor, 0);

    // The crest catalogue of the program, with a picture to add.
    const std::string catalogue = MakePath(dir, "catalogue");
    ForceDirectories(MakePath(catalogue, "blasons"));
    WriteFileAtomic(MakePath(catalogue, "blasons/blasons.txt"), "1-0-France#");
    const std::string image = MakePath(catalogue, "zelvor.png");
    Carre()->SaveToFile(image);
    InstalleBlasons(std::make_unique<TBlasons>(catalogue));
    kit::AnswerDialogs([&](TCommonDialog& c) {
        auto* o = dynamic_cast<TOpenDialog*>(&c);
        if (!o)
            return false;
        o->FileName = image;
        return true;
    });

    // 152: a stadium inserted through its card.
    ModifSaison = 0;
    ASSERT_TRUE(Commande(*f, 152));
    auto* stades = dynamic_cast<Tf_Stades*>(f->Enfant);
    ASSERT_NE(stades, nullptr);
    Quand<Tf_FicheStade>([](Tf_FicheStade* c) {
        c->e_NomStade->SetText("Stade Municipal");
        c->e_Ville->SetText("Brivant");
        c->cb_Pays->SetText("France");
        kit::GrabToPng(c, "fiche-stade-depuis-liste");
        c->b_Valider->Click();
    });
    stades->mi_Inserer->Click();
    EXPECT_EQ(ModifSaison, 1);
    EXPECT_EQ(stades->sg_TableauStade->Cells(0, 1), "Stade Municipal");
    EXPECT_EQ(s.Pays().NomPays(stades->PaysAffiche()), "France");

    // 148: a referee typed into the grid under "all".
    ASSERT_TRUE(Commande(*f, 148));
    auto* arbitres = dynamic_cast<Tf_Arbitres*>(f->Enfant);
    ASSERT_NE(arbitres, nullptr);
    EXPECT_EQ(arbitres->PaysAffiche(), 99999);
    TColorStringGrid* g = arbitres->sg_TableauEquipe;
    for (int c : {0, 1}) {
        g->SetRow(1);
        g->SetCol(c);
        g->ShowEditor();
        g->SetEditorText(c == 0 ? "Bardin" : "Marc");
        g->HideEditor();
    }
    arbitres->sg_TableauEquipeExit(nullptr);
    TPersonnel* bardin = s.Arbitres().ChercheNom("Bardin", "Marc");
    ASSERT_NE(bardin, nullptr);
    EXPECT_EQ(bardin->CodePays, 65535);
    TBrivantelForm* enfant = f->Enfant;

    // 131: the club card of Zelvor, every page filled.
    ModifSaison = 0;
    Quand<TBrivantelForm>([zelvor](TBrivantelForm* choix) {
        for (int i = 0; i < choix->ComponentCount(); ++i)
            if (auto* c = dynamic_cast<TCarreCoche*>(choix->Components(i)))
                c->SetChecked(c->Tag == zelvor);
        kit::GrabToPng(choix, "choix-equipe-club");
        choix->SetModalResult(mrOk);
    });
    Quand<Tf_FicheClub>([&](Tf_FicheClub* c) {
        EXPECT_EQ(c->Position, zelvor);
        c->e_DateCreation->SetText("1903");
        c->e_CouleurMaillot->SetText("Bleu");
        c->e_CouleurRechange->SetText("Blanc");
        c->m_Remarque->SetText("Club omnisports");
        Quand<Tf_FicheStade>([](Tf_FicheStade* k) {
            k->e_NomStade->SetText("Parc des Sports");
            k->e_Ville->SetText("Zelvor");
            k->e_Capacite->SetText("8000");
            k->b_Valider->Click();
        });
        c->bc_CreeStade->Click();
        Quand<Tf_Blasons>([](Tf_Blasons* b) {
            b->tv_Blasons->SetSelected(b->tv_Blasons->Items().TopItem(0));
            b->e_Equipe->SetText("Zelvor");
            b->bc_AjoutEquipeClick(nullptr);
            kit::GrabToPng(b, "blasons-club");
            b->bc_ChoisirClick(nullptr);
        });
        c->bc_changeLogo->Click();
        kit::Process(20);
        // Every label of the colours is whole, left of its box.
        for (const char* nom : {"Label28", "Label29", "Label30"}) {
            auto* l = dynamic_cast<TLabel*>(c->FindComponentDeep(nom));
            ASSERT_NE(l, nullptr) << nom;
            EXPECT_LE(l->Left() + l->Width(), c->e_CouleurRechange->Left()) << l->Caption();
        }
        EXPECT_LE(c->e_CouleurRechange->Left() + c->e_CouleurRechange->Width(), c->Logo1->Left());
        kit::GrabToPng(c, "fiche-club-infogene");
        c->PageControl1->SetActivePage(c->ts_InfoAdmin);
        c->e_Budget->SetText("2500000");
        c->e_Statut->SetText("Association");
        c->e_President->SetText("Paul Dupont de la Tour");
        Quand<Tf_FicheEntraineur>([](Tf_FicheEntraineur* k) {
            k->c_Personne->e_Nom->SetText("Lemoine");
            k->c_Personne->e_Prenom->SetText("Marc");
            k->b_Valider->Click();
        });
        c->b_CreeEntr->Click();
        c->m_Adresse->SetText("2 avenue du Parc");
        c->e_Cp->SetText("19200");
        c->e_Ville->SetText("Zelvor");
        c->e_Telephone->SetText("05 55 11 22 33");
        c->e_Fax->SetText("05 55 11 22 34");
        c->e_siteInternet->SetText("www.zelvor.example");
        c->e_NomContact->SetText("Anne Roux");
        c->e_Email->SetText("club@zelvor.example");
        kit::Process(20);
        kit::GrabToPng(c, "fiche-club-administration");
        c->PageControl1->SetActivePage(c->ts_Palmares);
        c->m_Palmares->SetText("Champion 1998");
        kit::Process(20);
        kit::GrabToPng(c, "fiche-club-palmares");
        c->b_Valider->Click();
    });
    ASSERT_TRUE(Commande(*f, 131));
    kit::Process(20);
    EXPECT_EQ(ModifSaison, 1);
    EXPECT_EQ(f->Enfant, enfant);   // the child window stays
    EXPECT_EQ(Noeud(*f, 181), nullptr);
    EXPECT_EQ(Noeud(*f, 182), nullptr);

    const int id = s.ChercheEquipe("Zelvor");
    TRensClub* r = s.RensClubs().ChercheRensClub(id);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Creation, "1903");
    EXPECT_EQ(r->CouleurMaillot(0), "Bleu");
    EXPECT_EQ(r->CouleurRechange(0), "Blanc");
    EXPECT_EQ(r->Remarque, "Club omnisports");
    ASSERT_EQ(r->Stades().size(), 1u);
    EXPECT_EQ(r->Stades()[0]->NomStade, "Parc des Sports");
    EXPECT_EQ(r->Budget, 2500000);
    EXPECT_EQ(r->Statut, "Association");
    ASSERT_TRUE(r->President);
    EXPECT_EQ(r->President->Prenom, "Paul");
    EXPECT_EQ(r->President->Nom, "Dupont de la Tour");
    ASSERT_EQ(r->Entraineurs().size(), 1u);
    EXPECT_EQ(r->Entraineurs()[0]->Nom, "Lemoine");
    EXPECT_EQ(r->Entraineurs()[0]->ClubActuel, id);
    EXPECT_EQ(r->Adresse, "2 avenue du Parc");
    EXPECT_EQ(r->Cp, "19200");
    EXPECT_EQ(r->Ville, "Zelvor");
    EXPECT_EQ(r->Tel, "05 55 11 22 33");
    EXPECT_EQ(r->Fax, "05 55 11 22 34");
    EXPECT_EQ(r->SiteInternet, "www.zelvor.example");
    EXPECT_EQ(r->Nom, "Anne Roux");
    EXPECT_EQ(r->EMail, "club@zelvor.example");
    EXPECT_EQ(r->Palmares, "Champion 1998");
    const int logo = s.LogoEquipe(id);
    EXPECT_GT(logo, 1000);

    // Saved and reopened through the season-file layer: the same card.
    RepondBoite(mrOk);
    Commande(*f, 7);
    kit::Process(50);
    uint8_t etat = 0;
    auto relue = TTraiteurFichier::Charger(NomFichierCourant, "", "", {}, TousSports, etat, true);
    ASSERT_EQ(etat, etatCharge);
    ASSERT_NE(relue->ChampionnatCourant(), nullptr);
    TOwned<Tf_FicheClub> c(new Tf_FicheClub(nullptr));
    c->ChangeCouleurs(c->Couleurs);
    c->ChangeSaison(relue.get());
    c->Position = relue->ChampionnatCourant()->IndexEquipe(relue->ChercheEquipe("Zelvor"));
    kit::ShowForm(c.get());
    EXPECT_EQ(c->e_DateCreation->GetText(), "1903");
    EXPECT_EQ(c->e_CouleurMaillot->GetText(), "Bleu");
    EXPECT_EQ(c->cb_Stade->Items()[c->cb_Stade->ItemIndex()], "Parc des Sports (Zelvor)");
    EXPECT_EQ(c->cb_Entraineur->Items()[c->cb_Entraineur->ItemIndex()], "Marc Lemoine");
    EXPECT_EQ(c->e_President->GetText(), "Paul Dupont de la Tour");
    EXPECT_EQ(c->e_Budget->GetText(), "2500000");
    EXPECT_EQ(c->e_NomContact->GetText(), "Anne Roux");
    EXPECT_EQ(c->m_Palmares->GetText(), "Champion 1998");
    EXPECT_EQ(relue->LogoEquipe(relue->ChercheEquipe("Zelvor")), logo);
    EXPECT_NE(c->Logo1->Image(), nullptr);
    c->b_Valider->Click();
    EXPECT_EQ(c->Modifie, 0);
    EXPECT_NE(relue->Arbitres().ChercheNom("Bardin", "Marc"), nullptr);
    EXPECT_NE(relue->Stades().ChercheStadeNom("Stade Municipal", "Brivant"), nullptr);
    c.reset();

    // Cancelling the team choice opens nothing.
    ModifSaison = 0;
    Quand<TBrivantelForm>([](TBrivantelForm* choix) { choix->SetModalResult(mrCancel); });
    std::string vu;
    Commande(*f, 131);
    kit::Process(20);
    EXPECT_EQ(kit::ForgetModalActions(), 0u);
    EXPECT_EQ(ModifSaison, 0);
    kit::AnswerDialogs(nullptr);
    InstalleBlasons(nullptr);
    TermineFenetre(f);
}

// With no team in the current championship, text 294 with 1.
TEST(FichesClubs, NoTeamNoCard)
{
    const std::string dir = Prepare("fiches_clubs_vide");
    const std::string fichier = MakePath(dir, "sauvegarde/vide.xmc");
    {
        auto s = TMultiSport::CreeSaison(0);
        s->SetChampionnatCourant(vues::Ligue(*s, 0, "Division 1", 0, 0, 0, 1, 3u));
        ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, s.get(), nullptr, "", "", nullptr, {}, false));
    }
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    ASSERT_NE(f->Saison->ChampionnatCourant(), nullptr);
    ASSERT_EQ(f->Saison->ChampionnatCourant()->NbEquipe(), 0);
    f->Messages.clear();
    Commande(*f, 131);
    EXPECT_EQ(f->Messages, (std::vector<std::string>{TraduireFormat(294, {1})}));
    TermineFenetre(f);
}
