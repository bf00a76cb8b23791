// The creation windows' guards and the scenario reader's bounds: club counts
// and years out of range refused with a message, a season file among the
// chosen files named while the others are added, each sport's new season
// from a template, a custom championship with a championship selected filed
// under its division, a scenario whose counts and sides are bounded.
#include <gtest/gtest.h>

#include <functional>

#include "files/w_ChoixLogiciel.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/LectureParametre.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Mask.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "results/w_FicheMatch.h"
#include "setup/LectureScenario.h"
#include "setup/w_Barrage.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationCoupe.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_Option.h"
#include "setup/w_SaisieEquipes.h"
#include "engine/historique.h"
#include "files/w_ChoixNoeud.h"
#include "views/w_ChoixHistorique.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/DessinEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"

using namespace essai;

namespace {

template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::Passees);
}

void Equipes(const std::string& prefixe)
{
    Quand<Tf_SaisieEquipes>([=](Tf_SaisieEquipes* f) {
        for (size_t i = 0; i < f->Equipes.size(); ++i)
            f->Equipes[i]->SetText(prefixe + IntToStr(static_cast<int>(i) + 1));
        f->b_Ok->Click();
    });
}

// A championship file: a season of one league of division 2.
std::string EcritChampionnat(const std::string& fichier)
{
    ForceDirectories(ExtractFileDir(fichier));
    auto s = TMultiSport::CreeSaison(0);
    s->SetChampionnatCourant(vues::Ligue(*s, 0, "Division 2", 0, 6, 2, 2, 5u));
    s->ChampionnatCourant()->SetCodeDivision(2);
    EXPECT_TRUE(TTraiteurFichier::Sauver(fichier, s.get(), nullptr, "", "", nullptr, {}, false));
    return fichier;
}

TEST(Creation, ClubCountsAndYearsOutOfRangeAreRefused)
{
    Prepare("setup_bornes");
    CreeDessin();
    auto m = std::make_unique<TLectureParamMulti>();
    m->ChargeParam(MakePath(RepertoireProgramme(), "config\\Championnatfoot.fr"), 0);
    m->SetSport(0);
    InstalleLectureParamMulti(std::move(m));
    struct { const char* clubs; const char* annee; int texte; } cas[] = {
        {"1", "2020/21", 3200}, {"256", "2020/21", 3200}, {"x", "2020/21", 3200},
        {"18", "1899/00", 3201}, {"18", "2156/57", 3201}, {"255", "1900/01", 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.clubs + std::string(" ") + c.annee);
        TOwned<Tf_Creation> f(new Tf_Creation(nullptr));
        f->Tag = 0x10001;
        std::vector<std::string> textes;
        const int r = kit::RunModal(f.get(), [&](TForm*) {
            f->Edit1->SetText(c.clubs);
            f->MaskEdit1->SetText(c.annee);
            if (c.texte)
                RepondBoite(mrOk, &textes);
            f->b_Valider->Click();
            if (c.texte)
                f->b_Annuler->Click();
        });
        if (c.texte) {
            EXPECT_EQ(r, mrCancel);
            ASSERT_EQ(textes.size(), 1u);
            EXPECT_EQ(textes[0], Traduire(c.texte));
        } else {
            EXPECT_EQ(r, mrOk);
            EXPECT_EQ(f->NbClub, 255);
            EXPECT_EQ(f->Annee(8), 0);
            EXPECT_EQ(f->Annee(9), 1);
        }
    }
}

// Each sport: a season of two template championships of its first template.
TEST(Creation, EachSportFromATemplate)
{
    for (int sport = 1; sport <= 3; ++sport) {
        SCOPED_TRACE(sport);
        Prepare("setup_sport" + std::to_string(sport));
        auto f = LanceFenetre();
        Quand<Tf_ChoixLogiciel>([sport](Tf_ChoixLogiciel* c) {
            c->rc_Sport[sport]->SetChecked(true);
            c->b_Valider->Click();
        });
        Quand<Tf_CreationSaison>([](Tf_CreationSaison* c) {
            for (int k = 0; k < 2; ++k) {
                Quand<Tf_Creation>([](Tf_Creation* d) {
                    d->Edit1->SetText("4");
                    d->b_Valider->Click();
                });
                Equipes(k == 0 ? "Nord " : "Sud ");
                c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
                c->bc_CreeChamp->Click();
            }
            RepondBoite(mrOk);
            c->b_Valider->Click();
        });
        ASSERT_TRUE(Commande(*f, 5));
        kit::Process(20);
        ASSERT_NE(f->Saison, nullptr);
        EXPECT_EQ(f->Saison->Sport(), sport);
        const auto cs = f->Saison->Arbre().ListeChampionnats();
        ASSERT_EQ(cs.size(), 2u);
        // Two divisions of one template code, each with its own node.
        EXPECT_EQ(cs[0]->CodeDivision(), cs[1]->CodeDivision());
        EXPECT_NE(f->Saison->Arbre().NoeudChampionnat(cs[0])->Parent(),
                  f->Saison->Arbre().NoeudChampionnat(cs[1])->Parent());
        EXPECT_EQ(cs[0]->NbJour(), 6);
        TermineFenetre(f);
    }
}

TEST(Creation, SeasonFileAmongChosenFilesAndCustomUnderItsDivision)
{
    const std::string dir = Prepare("setup_fichiers");
    const std::string saison = EcritSaison(MakePath(dir, "sauvegarde\\entiere.xmc"), 0);
    const std::string champ = EcritChampionnat(MakePath(dir, "autres\\champ.xmd"));
    auto f = LanceFenetre();
    std::vector<std::string> textes;
    Quand<Tf_ChoixLogiciel>([](Tf_ChoixLogiciel* c) {
        c->rc_Sport[0]->SetChecked(true);
        c->b_Valider->Click();
    });
    Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
        SetDialogHook([&](TCommonDialog& d) {
            auto& o = static_cast<TOpenDialog&>(d);
            o.Files = {saison, champ};
            o.FileName = saison;
            return true;
        });
        RepondBoite(mrOk, &textes);
        c->bc_AjouteFichierClick();
        SetDialogHook(nullptr);
        ASSERT_EQ(c->lb_ListeFichier->Items().Count(), 1);
        EXPECT_EQ(c->lb_ListeFichier->Items()[0], "champ.xmd");
        // A custom championship made with a championship selected goes
        // under that championship's division.
        c->PlaceEntree(0, c->tv_Saison->Items().GetFirstNode());
        TTreeNode* place = c->tv_Saison->Selected();
        ASSERT_EQ(place->Level(), 3);
        Quand<Tf_Creation>([](Tf_Creation* d) {
            d->RondCoche2->SetChecked(true);
            d->Edit1->SetText("2");
            d->b_Valider->Click();
        });
        Equipes("Perso ");
        c->bc_CreeChampClick();
        EXPECT_EQ(place->Parent()->Count(), 2);
        c->b_Annuler->Click();
    });
    Commande(*f, 5);
    kit::Process(20);
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_NE(textes[0].find("entiere.xmc"), std::string::npos);
    TermineFenetre(f);
}

TEST(Scenario, CountsAndSidesAreBounded)
{
    const std::string dir = Prepare("setup_scenario");
    TStringList l;
    for (const char* ligne : {"[General]", "nTour=999", "TypeEquipe=national", "AnneeDebut=2006", "[Tour2]",
                              "Type=coupe", "nGroupe=5000", "nQualifieGroupe=2", "nQualifieGroupe2=0",
                              "nQualifieGroupe3=3", "clJoueur=div", "MatchTour1=100000", "TypeTour1=aller-retour",
                              "TypeTour2=AllerRetour", "T1_1Equipe1=Tp_G1_2", "T1_1Equipe2=X",
                              "T2_1Equipe1=T1_4", "T2_1Equipe2=Tp_G200_1", "T2_2Equipe1=Tp_G2_300",
                              "T2_2Equipe2=Tp_G3_1"})
        l.Add(ligne);
    TLectureScenario s(l, MakePath(dir, "nouveau\\config\\spec.cfg"));
    EXPECT_TRUE(FileExists(MakePath(dir, "nouveau\\config\\spec.cfg")));
    EXPECT_EQ(s.NombreTours(), TLectureScenario::MaxTours);
    EXPECT_EQ(s.TypeEquipe(), 2);
    int a = 0, b = 0;
    s.Annees(a, b);
    EXPECT_EQ(b, 2006);
    EXPECT_EQ(s.TypeTour(2), 1);
    EXPECT_EQ(s.NombreGroupes(2), TLectureScenario::MaxGroupes);
    EXPECT_EQ(s.NombreQualifies(2, 2), 2);
    EXPECT_EQ(s.NombreQualifies(2, 3), 3);
    EXPECT_EQ(s.ClJoueur(2, 1), 2);
    EXPECT_EQ(s.MatchSousTour(2, 1), TLectureScenario::MaxMatchs);
    EXPECT_EQ(s.TypeSousTour(2, 1), -1);
    EXPECT_EQ(s.TypeSousTour(2, 2), 2);
    int g1, p1, g2, p2;
    s.EquipesMatch(2, 1, g1, p1, g2, p2);
    EXPECT_EQ((std::vector<int>{g1, p1, g2, p2}), (std::vector<int>{1, 2, -1, -1}));
    int e1, e2;
    s.EquipeGroupe(2, 2, 1, e1, e2);
    EXPECT_EQ(e1, 4);
    EXPECT_EQ(e2, -1);   // group 200 does not fit the side word
    s.EquipeGroupe(2, 2, 2, e1, e2);
    EXPECT_EQ(e1, -1);   // place 300 does not either
    EXPECT_EQ(e2, 0x8000 + 3 * 256 + 1);
}

// A number of ties typed into a round's box is the round's count; one past
// the up-down's bounds is named at OK, never stored as the bound; the
// up-down's buttons still count from it.
TEST(CreationCoupe, TypedNumberOfTiesIsStored)
{
    vues::Module();
    TOwned<Tf_CreationCoupe> f(new Tf_CreationCoupe(nullptr));
    std::vector<std::string> textes;
    const int r = kit::RunModal(f.get(), [&](TForm*) {
        f->e_NomCoupe->SetText("Coupe");
        f->e_nTour->SetText("4");
        const std::pair<int, const char*> saisies[] = {{1, "1"}, {2, "3"}, {3, "2000"}, {4, "-"}};
        for (const auto& [tour, texte] : saisies)
            f->NbMatch(tour)->Associate()->SetText(texte);
        f->NbMatch(1)->ClickButton(btNext);
        // A box left with a lone sign is named, never read as the number it held.
        RepondBoite(mrOk, &textes);
        f->b_Valider->Click();
        kit::Process();
        EXPECT_EQ(f->ModalResult(), mrNone);
        f->NbMatch(4)->Associate()->SetText("2");
        RepondBoite(mrOk, &textes);
        f->b_Valider->Click();
        kit::Process();
        EXPECT_EQ(f->ModalResult(), mrNone);
        f->NbMatch(3)->Associate()->SetText("999");
        f->b_Valider->Click();
    });
    ASSERT_EQ(textes.size(), 2u);
    for (const std::string& t : textes)
        EXPECT_EQ(t, TraduireFormat(5003, {f->NbMatch(4)->Min, f->NbMatch(4)->Max}));
    ASSERT_EQ(r, mrOk);
    // The records run from the first round played to the final.
    std::vector<int> ties;
    for (const TInfoTourCoupe& t : f->Tours)
        ties.push_back(t.NbMatch);
    EXPECT_EQ(ties, (std::vector<int>{2, 999, 3, 2}));
}

// Captions shown whole in French and English: check boxes and round choices
// as wide as their caption and uncovered, drop-down lists as their longest
// item, list boxes as wide as theirs; the windows that list the championship
// templates for each sport's templates.
TEST(LibellesEntiers, CochesEtChoixMontrentToutLeurTexte)
{
    std::unique_ptr<TSaison> saison;
    TStats stats;
    const std::pair<const char*, std::function<TForm*(int)>> cas[] = {
        {"Creation", [](int) { return new Tf_Creation(nullptr); }},
        {"Option",
         [&](int sport) {
             saison = TMultiSport::CreeSaison(sport);
             saison->SetChampionnatCourant(vues::Ligue(*saison, sport, "Division 1", 0, 6, 2, 1, 5u));
             Tf_Option* o = CreeFenetreOption(saison.get(), nullptr);
             o->ChangeSaison(saison.get());
             return static_cast<TForm*>(o);
         }},
        {"ChoixHistorique",
         [&](int sport) {
             // a history of every division of the sport's templates
             TStringList divisions;
             LectureParamMulti()->ParamCourant()->ListeDivisions(divisions);
             for (int i = 0; i < divisions.Count(); ++i)
                 if (!stats.ChercheStat(static_cast<int32_t>(divisions.Objects(i)), sport))
                     stats.AjouteStat(kit::TempDir(), static_cast<int32_t>(divisions.Objects(i)), sport);
             auto* h = new Tf_ChoixHistorique(nullptr);
             h->Init(&stats, 0, sport, kit::TempDir(), true);
             return h;
         }},
        {"ChoixNoeud",
         [](int) {
             auto* n = new Tf_ChoixNoeud(nullptr);
             n->RemplitListe(true);
             return n;
         }},
        {"Barrage", [](int) { auto* b = new Tf_Barrage(nullptr); b->DonneListe({{"Division 1", 18}}); return b; }},
        {"FicheMatch", [](int) { return new Tf_FicheMatch(nullptr); }}};
    CreeDessin();
    EnregistreOptions();
    TBitmap mesure(1, 1);
    auto largeur = [&](const TFont& police, const std::string& texte) {
        mesure.Canvas().Font = police;
        return mesure.Canvas().TextWidth(texte);
    };
    for (int k = 0; k < 8; ++k)
        for (const auto& [nom, cree] : cas) {
            const std::string langue = k < 4 ? "fr" : "en";
            const int sport = k % 4;
            if (sport > 0 && (std::string(nom) == "Barrage" || std::string(nom) == "FicheMatch"))
                continue;
            SCOPED_TRACE(langue + " " + nom + " " + std::to_string(sport));
            // The templates read in the language of the interface, as at start-up.
            InstalleTraducteur(
                std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Texte" + langue + ".txt")));
            InstalleLectureParamMulti(nullptr);
            dessin_essai::ModelesSports(sport);
            TOwned<TForm> f(cree(sport));
            kit::ShowForm(f.get());
            for (int i = 0; i < f->ComponentCount(); ++i) {
                if (auto* b = dynamic_cast<TBoutonCoche*>(f->Components(i)); b && !b->Caption().empty()) {
                    EXPECT_GE(b->Width(), largeur(b->Font(), b->Caption()) + 25) << b->Caption();
                    EXPECT_LE(b->Left() + b->Width(), b->Parent()->ClientWidth()) << b->Caption();
                    for (int j = 0; j < b->Parent()->ControlCount(); ++j) {
                        TControl* autre = b->Parent()->Controls(j);
                        TRect commun;
                        EXPECT_FALSE(autre != b && autre->Visible() &&
                                     IntersectRect(commun, autre->BoundsRect(), b->BoundsRect()))
                            << autre->Name() << " over " << b->Caption();
                    }
                }
                // a list's entries whole, its frame and arrow as the style draws them
                if (auto* c = dynamic_cast<TComboBox*>(f->Components(i)); c && c->Style() == csDropDownList)
                    EXPECT_GE(c->Width(), c->WidthForItems()) << c->Name();
                auto* l = dynamic_cast<TListBox*>(f->Components(i));
                for (int j = 0; l && j < l->Items().Count(); ++j)
                    EXPECT_GE(l->ClientWidth(), largeur(l->Font(), l->Items()[j]) + 4) << l->Items()[j];
            }
            if (auto* m = dynamic_cast<Tf_FicheMatch*>(f.get())) {
                EXPECT_GT(m->c_EqExterieur->Left(), m->cb_TypeStat->Left() + m->cb_TypeStat->Width());
            }
            kit::GrabToPng(f.get(), "LibellesEntiers-" + std::string(nom) + "-" + std::to_string(sport) + "-" + langue);
        }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Textefr.txt")));
    InstalleLectureParamMulti(nullptr);
}

}  // namespace
