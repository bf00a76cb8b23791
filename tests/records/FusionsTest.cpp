// Two namesakes who stood in the two teams of one match never become one
// player, whichever window would merge them: the search's drop of one row on
// another, its transfer, the squads' drop of a player on another team and
// the squads' rename of a teammate. Each refuses with a message naming the
// match and leaves both players, and every match, as they were.
#include <gtest/gtest.h>

#include "model/ChampionnatStat.h"
#include "model/InfoComp.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "platform/gui/Menus.h"
#include "records/Fiches.h"
#include "records/w_Effectifs.h"
#include "records/w_Recherche.h"
#include "records/w_TransJoueur.h"
#include "tests/records/FichesEssai.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/message2.h"

using namespace fiches_essai;

namespace {

enum TChemin { DepotRecherche, TransfertRecherche, DepotEffectifs, RenommeEffectifs };

// Every message box answers Oui; the texts are kept. A transfer dialog
// chooses Brivant.
void Repond(std::vector<std::string>& textes, std::vector<std::string>& fenetres)
{
    for (int i = 0; i < 3; ++i)
        kit::WhenModal([&textes, &fenetres](TForm* m) {
            fenetres.push_back(m->Name());
            if (auto* b = dynamic_cast<Tf_MessageUtil*>(m))
            {
                textes.push_back(b->Label1->Caption());
                kit::GrabToPng(b, Traduire(293) == "Age" ? "fusion_refusee_en" : "fusion_refusee");
            }
            if (auto* t = dynamic_cast<Tf_TransJoueur*>(m))
            {
                t->cb_Club->SetText("Brivant");
                kit::Click(t->b_Valider);
                return;
            }
            m->SetModalResult(mrYes);
        });
}

}  // namespace

// Matchday 1 of "Division 1" is Brivant - Zelvor. Brivant's Dupont Jean
// started it; Zelvor's namesake Dupont Jean played it for Zelvor (a starter
// in football, a box score in basketball). Ancien Pierre, now of Zelvor,
// started it for Brivant before he moved; Durand, his teammate, played it
// for Zelvor.
TEST(Fusions, NamesakesWhoMetStayTwoOnEveryRoad)
{
    struct TCas
    {
        int sport;
        TChemin chemin;
    };
    const TCas cas[] = {
        {sportFootball, DepotRecherche},   {sportFootball, TransfertRecherche}, {sportFootball, DepotEffectifs},
        {sportFootball, RenommeEffectifs}, {sportBasket, DepotRecherche},       {sportBasket, TransfertRecherche},
        {sportBasket, DepotEffectifs},     {sportBasket, RenommeEffectifs},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << "sport " << c.sport << " road " << c.chemin);
        // The last row is seen in English as well.
        const bool anglais = &c == &cas[std::size(cas) - 1];
        if (anglais)
            InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(dessin_essai::DossierDonnees(), "texte\\Texteen.txt")));
        EnregistreFiches();
        TPetiteSaison p = PetiteSaison(c.sport);
        TSaison& s = *p.saison;
        TJoueur* dupont = p.dupont;
        TJoueur* homonyme = s.Joueurs().AjouteJoueur(s.CreeJoueur("Dupont", "Jean", -1, 1));
        TJoueur* ancien = s.Joueurs().AjouteJoueur(s.CreeJoueur("Ancien", "Pierre", -1, 1));
        const int32_t nd = dupont->Numero, nh = homonyme->Numero, na = ancien->Numero, nu = p.durand->Numero;
        TInfoComp* m1 = p.c1->Match(1, 1);
        ASSERT_NE(m1, nullptr);
        ASSERT_EQ(m1->IdEquipe(0), 0);
        ASSERT_EQ(m1->IdEquipe(1), 1);
        m1->SetJoueurTitulaire(0, 3, na);
        if (c.sport == sportBasket)
            dynamic_cast<TDonneesChampionnatStat&>(*p.c1).ListeStat(1, 6)->Ajoute(TDonneesEvt::CreateId(nh, 1, 4));
        else
            m1->SetJoueurTitulaire(1, 2, nh);
        s.CalculeStatJoueurs();
        const int joueurs = s.Joueurs().NbJoueur();

        std::vector<std::string> textes, fenetres;
        Repond(textes, fenetres);
        int modifications = 0;
        if (c.chemin == DepotRecherche || c.chemin == TransfertRecherche)
        {
            TOwned<Tf_Recherche> f(new Tf_Recherche(nullptr));
            f->OnModification = [&] { ++modifications; };
            f->ChangeCouleurs(f->Couleurs);
            f->ChangeSaison(&s);
            f->SetBounds(0, 0, 800, 560);
            kit::ShowForm(f.get());
            f->Edit1->SetText("Dupont");
            kit::PressKey(f->Edit1, VK_RETURN);
            int lh = -1, ld = -1;
            for (int r = 1; r < f->sg_Recherche->RowCount(); ++r)
            {
                if (f->JoueurLigne(r) == homonyme)
                    lh = r;
                if (f->JoueurLigne(r) == dupont)
                    ld = r;
            }
            ASSERT_GT(lh, 0);
            ASSERT_GT(ld, 0);
            f->sg_Recherche->FocusCell(1, lh, true);
            if (c.chemin == DepotRecherche)
            {
                // Zelvor's row dragged with the mouse onto Brivant's.
                const TRect de = f->sg_Recherche->CellRect(1, lh), vers = f->sg_Recherche->CellRect(1, ld);
                kit::Drag(f->sg_Recherche, Point(de.Left + 10, de.Top + 5), f->sg_Recherche,
                          Point(vers.Left + 10, vers.Top + 5));
            }
            else
                f->mi_Transferer->Click();
            kit::Process(10);
        }
        else
        {
            TOwned<Tf_Effectifs> f(new Tf_Effectifs(nullptr));
            f->OnModification = [&] { ++modifications; };
            f->ChangeCouleurs(f->Couleurs);
            f->ChangeSaison(&s);
            f->SetBounds(0, 0, 1000, 560);
            kit::ShowForm(f.get());
            f->RemplitEquipes(1, false);   // Zelvor
            kit::Process(10);
            TColorStringGrid& g = *f->sg_TableauEquipe;
            auto ligne = [&g](const std::string& nom) {
                for (int r = 1; r < g.RowCount(); ++r)
                    if (g.Cells(2, r) == nom)
                        return r;
                return -1;
            };
            if (c.chemin == DepotEffectifs)
            {
                const int r = ligne("Dupont");
                ASSERT_GT(r, 0);
                g.FocusCell(2, r, true);
                TPoint brivant = Point(-1, -1);
                for (int i = 0; i < f->l_Equipe->Items().Count(); ++i)
                    if (Tf_Effectifs::IdEntree(f->l_Equipe->Items()[i]) == 0)
                        brivant = Point(20, f->l_Equipe->ItemRect(i).Top + 3);
                const TRect cellule = g.CellRect(2, r);
                kit::Drag(&g, Point(cellule.Left + 10, cellule.Top + 5), f->l_Equipe, brivant);
            }
            else
            {
                // Durand renamed Ancien Pierre, typed key by key, then the row left.
                const int r = ligne("Durand");
                ASSERT_GT(r, 0);
                for (auto [col, texte] : {std::pair{2, std::string("Ancien")}, std::pair{3, std::string("Pierre")}})
                {
                    g.FocusCell(col, r, true);
                    kit::Type(&g, texte.substr(0, 1));
                    kit::Type(nullptr, texte.substr(1));
                    kit::PressKey(nullptr, VK_RETURN);
                }
                g.FocusCell(2, r == 1 ? 2 : 1, true);
            }
            kit::Process(10);
        }
        kit::ForgetModalActions();

        // One message, naming both players with their teams and the match; no
        // question was asked before it.
        ASSERT_EQ(textes.size(), 1u);
        const std::string match = TraduireFormat(4841, {std::string("Division 1"), 1, std::string("Brivant"), std::string("Zelvor")});
        EXPECT_NE(textes[0].find(match), std::string::npos) << textes[0];
        const std::string attendu = c.chemin == RenommeEffectifs ? "Ancien Pierre (Zelvor)" : "Dupont Jean (Brivant)";
        EXPECT_NE(textes[0].find(attendu), std::string::npos) << textes[0];
        // Every player is still there, where he was, and the match unchanged.
        EXPECT_EQ(s.Joueurs().NbJoueur(), joueurs);
        for (int32_t n : {nd, nh, na, nu})
            EXPECT_NE(s.Joueurs().ChercheJoueur(n, -1), nullptr) << n;
        EXPECT_EQ(s.Joueurs().ChercheJoueur(nh, -1)->ClubActuel, 1);
        EXPECT_EQ(s.Joueurs().ChercheJoueur(nu, -1)->Nom, "Durand");
        EXPECT_EQ(m1->JoueurTitulaire(0, 1), nd);
        EXPECT_EQ(m1->JoueurTitulaire(0, 3), na);
        EXPECT_EQ(m1->JoueurTitulaire(1, 1), nu);
        if (c.sport == sportFootball)
            EXPECT_EQ(m1->JoueurTitulaire(1, 2), nh);
        else
            EXPECT_EQ(dynamic_cast<TDonneesChampionnatStat&>(*p.c1).ListeStat(1, 6)->Donnee(1)->IdJoueur(), nh);
        if (anglais)
            InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(dessin_essai::DossierDonnees(), "texte\\Textefr.txt")));
    }
}
