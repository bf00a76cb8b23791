// The line-ups page driven as a user does through the main window: players
// dragged from the list and between boxes, shirt numbers typed, starters
// going off, substitutes dragged on, minutes, the captain set and removed,
// categories and a player added through the card; then written, shown again,
// saved and reopened equal. Also on a season composed through the creation
// windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "files/w_ChoixLogiciel.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/w_Composition.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/results/FeuilleEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"

using namespace essai;

namespace {

// A stand-in player card: "Valider" files a new player of the team its mode names.
class FicheEssai : public TFicheJoueurForm
{
public:
    using TFicheJoueurForm::TFicheJoueurForm;
    void ChangeJoueur(int32_t, TJoueur*) override {}
    TJoueur* JoueurFiche() const override { return cree; }
    TJoueur* cree = nullptr;
};

// The next player card files a player of that name.
void NouveauJoueur(TSaison* s, const std::string& nom, int maillot)
{
    kit::WhenModal([=](TForm* f) {
        auto* fiche = dynamic_cast<FicheEssai*>(f);
        ASSERT_NE(fiche, nullptr);
        auto j = s->CreeJoueur(nom, "Jo", -1, static_cast<int>(fiche->Tag & 0xFFFF));
        j->Maillot = static_cast<uint8_t>(maillot);
        fiche->cree = s->Joueurs().AjouteJoueur(std::move(j));
        f->SetModalResult(mrOk);
    });
}

struct CarteEssai
{
    CarteEssai()
    {
        TServicesFicheJoueur sv;
        sv.CreeFiche = [](TSaison*) -> TFicheJoueurForm* { return new FicheEssai(nullptr); };
        EnregistreServicesFicheJoueur(sv);
    }
    ~CarteEssai() { EnregistreServicesFicheJoueur({}); }
};

int Ligne(TListe* l, int32_t id)
{
    for (int i = 0; i < l->Items().Count(); ++i)
        if (NumeroEntreeListe(l->Items()[i], 8, true) == id)
            return i;
    return -1;
}

// Drags the list's entry of player id onto a control.
void GlisseJoueur(TListe* l, int32_t id, TControl* vers)
{
    const int i = Ligne(l, id);
    ASSERT_GE(i, 0) << id;
    l->SetItemIndex(i);
    const TRect r = l->ItemRect(i);
    kit::Drag(l, {r.Left + 20, r.Top + 3}, vers, {vers->Width() / 2, vers->Height() / 2});
}

void Glisse(TControl* de, TControl* vers)
{
    kit::Drag(de, {de->Width() / 2, de->Height() / 2}, vers, {vers->Width() / 2, vers->Height() / 2});
}

void Capitaine(Tf_Composition& p, TCadre* b, TMenuItem* item)
{
    p.pm_CapitaineEx->PopupComponent = b;
    p.pm_CapitaineEx->OnPopup(p.pm_CapitaineEx);
    item->Click();
}

// Types a shirt number in a box, then leaves it.
void TapeMaillot(Tf_Composition& p, int cote, int n, const std::string& texte, TWinControl* ensuite)
{
    kit::Type(p.Enreg(cote, n).Numero, texte);
    ensuite->SetFocus();
    kit::Process();
}

class CompositionSaisie : public ::testing::TestWithParam<int>
{
};

TEST_P(CompositionSaisie, DragTypeSubstituteCaptainWriteShowAgainSaveReopen)
{
    const int sport = GetParam();
    const std::string nom = "compo_saisie" + std::to_string(sport);
    const std::string dir = Prepare(nom);
    TSaisonComplete sc(sport);
    sc.saison->SetChampionnatCourant(sc.ligue);
    // Shirt numbers are the players' own: a typed number names a player.
    sc.ligue->SetOption(11, 4);
    const std::string fichier = MakePath(dir, nom + ".xmc");
    auto f = feuille_essai::SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->Saison);
    TSaison* s = f->Saison.get();
    TDonneesChampionnat* c = s->ChampionnatCourant();
    ASSERT_EQ(c->NbJournee, 5);
    CarteEssai carte;

    ASSERT_TRUE(Commande(*f, 15));
    auto* p = dynamic_cast<Tf_Composition*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    const int h = p->IdDomicile, a = p->IdExterieur;
    const int nt = p->NbTitulaire();
    TListe* l = p->Liste(0);
    const auto jh = sc.Joueurs(h);   // shirts 1, 2, 3
    ASSERT_EQ(l->Items().Count(), 3);
    // Two more players through the card (shirts 7 and 8).
    NouveauJoueur(s, "Renfort", 7);
    p->mi_AjouterJoueur1Click();
    NouveauJoueur(s, "Remplacant", 8);
    p->mi_AjouterJoueur1Click();
    ASSERT_EQ(l->Items().Count(), 5);
    const int32_t renfort = s->Joueurs().ChercheJoueurNom("RENFORT", "JO")->Numero;
    const int32_t remplacant = s->Joueurs().ChercheJoueurNom("REMPLACANT", "JO")->Numero;

    // Starters: one dragged onto row 2, one double-clicked (row 1), one typed
    // by his shirt number in row 3.
    GlisseJoueur(l, jh[0], p->Enreg(0, 2).Joueur);
    EXPECT_EQ(p->Enreg(0, 2).Joueur->Numero, jh[0]);
    EXPECT_EQ(p->Enreg(0, 2).Numero->Text(), "1");
    l->SetItemIndex(Ligne(l, jh[1]));
    p->ListeDblClick(0);
    EXPECT_EQ(p->Enreg(0, 1).Joueur->Numero, jh[1]);
    TapeMaillot(*p, 0, 3, "3", p->Enreg(0, 4).Numero);
    EXPECT_EQ(p->Enreg(0, 3).Joueur->Numero, jh[2]);
    EXPECT_EQ(l->Items().Count(), 2);
    // Row 3 typed "2": the wearer of 2 is in row 1, the rows exchange.
    TapeMaillot(*p, 0, 3, "2", p->Enreg(0, 4).Numero);
    EXPECT_EQ(p->Enreg(0, 3).Joueur->Numero, jh[1]);
    EXPECT_EQ(p->Enreg(0, 3).Numero->Text(), "2");
    EXPECT_EQ(p->Enreg(0, 1).Joueur->Numero, jh[2]);
    EXPECT_EQ(p->Enreg(0, 1).Numero->Text(), "3");
    // A number nobody wears: the box shows its number again.
    TapeMaillot(*p, 0, 1, "55", p->Enreg(0, 4).Numero);
    EXPECT_EQ(p->Enreg(0, 1).Numero->Text(), "3");
    // Starter boxes exchange by drag.
    Glisse(p->Enreg(0, 1).Joueur, p->Enreg(0, 2).Joueur);
    EXPECT_EQ(p->Enreg(0, 1).Joueur->Numero, jh[0]);
    EXPECT_EQ(p->Enreg(0, 2).Joueur->Numero, jh[2]);
    // The renfort on starter row 4 by drag, his shirt shown and kept.
    GlisseJoueur(l, renfort, p->Enreg(0, 4).Joueur);
    EXPECT_EQ(p->Enreg(0, 4).Numero->Text(), "7");
    p->Enreg(0, 5).Numero->SetFocus();
    kit::Process();
    EXPECT_EQ(p->Enreg(0, 4).Numero->Text(), "7");

    // Captain: set on row 2, moved to row 1, then row 1's box dropped back
    // on the list: no captain left in the match.
    Capitaine(*p, p->Enreg(0, 2).Joueur, p->mi_Capitaine);
    TInfoComp* m = c->MatchEquipe(5, h);
    EXPECT_EQ(m->Capitaine(h), jh[2]);
    EXPECT_EQ(p->Enreg(0, 2).Joueur->Text().substr(p->Enreg(0, 2).Joueur->Text().size() - 7), " (cap.)");
    Capitaine(*p, p->Enreg(0, 1).Joueur, p->mi_Capitaine);
    EXPECT_EQ(m->Capitaine(h), jh[0]);
    EXPECT_EQ(p->Enreg(0, 2).Joueur->Text().find("(cap."), std::string::npos);
    p->pm_CapitaineEx->PopupComponent = p->Enreg(0, 1).Joueur;
    p->pm_CapitaineEx->OnPopup(p->pm_CapitaineEx);
    EXPECT_TRUE(p->mi_Capitaine->Checked());
    Glisse(p->Enreg(0, 1).Joueur, l);
    EXPECT_EQ(m->Capitaine(h), 0);
    EXPECT_EQ(p->Capitaine(0), nullptr);
    EXPECT_EQ(p->Enreg(0, 1).Joueur->Numero, 0);
    EXPECT_GE(Ligne(l, jh[0]), 0);
    GlisseJoueur(l, jh[0], p->Enreg(0, 1).Joueur);
    Capitaine(*p, p->Enreg(0, 4).Joueur, p->mi_Capitaine);
    Capitaine(*p, p->Enreg(0, 4).Joueur, p->mi_AucunCap);
    EXPECT_EQ(m->Capitaine(h), 0);
    Capitaine(*p, p->Enreg(0, 2).Joueur, p->mi_Capitaine);
    EXPECT_EQ(m->Capitaine(h), jh[2]);

    // Three starters double-clicked go off in order; the substitute dragged
    // on the first substitution; minutes typed.
    for (int n : {4, 1, 3})
        kit::DblClick(p->Enreg(0, n).Joueur);
    EXPECT_EQ(p->Enreg(0, nt + 1).Joueur->Numero, renfort);
    EXPECT_EQ(p->Enreg(0, nt + 3).Joueur->Numero, jh[0]);
    EXPECT_EQ(p->Enreg(0, nt + 5).Joueur->Numero, jh[1]);
    GlisseJoueur(l, remplacant, p->Enreg(0, nt + 2).Joueur);
    EXPECT_EQ(p->Enreg(0, nt + 2).Numero->Text(), "8");
    EXPECT_EQ(l->Items().Count(), 0);
    // A starter going off dropped back on the list still goes off: the list
    // offers him to no one, so he cannot come on for himself, until his
    // going-off box is emptied too; then he starts again and goes off.
    Glisse(p->Enreg(0, 4).Joueur, l);
    EXPECT_EQ(Ligne(l, renfort), -1);
    TapeMaillot(*p, 0, nt + 4, "7", p->Enreg(0, 1).Numero);
    EXPECT_EQ(p->Enreg(0, nt + 4).Joueur->Numero, 0);
    kit::DblClick(p->Enreg(0, nt + 1).Joueur);
    EXPECT_GE(Ligne(l, renfort), 0);
    GlisseJoueur(l, renfort, p->Enreg(0, 4).Joueur);
    kit::DblClick(p->Enreg(0, 4).Joueur);
    EXPECT_EQ(p->Enreg(0, nt + 1).Joueur->Numero, renfort);
    kit::Type(p->Enreg(0, nt + 1).Numero, "61");
    kit::Type(p->Enreg(0, nt + 3).Numero, "75");
    // An empty substitution's minute stays 0 whatever is typed.
    kit::Type(p->Enreg(1, nt + 1).Numero, "7");
    EXPECT_EQ(p->Enreg(1, nt + 1).Numero->Text(), "0");
    kit::GrabToPng(f.get(), "composition_saisie_" + std::to_string(sport));
    EXPECT_EQ(m->JoueurTitulaire(h, 1), 0);   // nothing written yet

    p->UpDown1->ClickButton(btNext);
    EXPECT_TRUE(m->CompositionSaisie(h));
    EXPECT_EQ(m->JoueurTitulaire(h, 1), jh[0]);
    EXPECT_EQ(m->JoueurTitulaire(h, 2), jh[2]);
    EXPECT_EQ(m->JoueurTitulaire(h, 3), jh[1]);
    EXPECT_EQ(m->JoueurTitulaire(h, 4), renfort);
    EXPECT_EQ(m->ValeurRemplacement(h, 1, 1), renfort);
    EXPECT_EQ(m->ValeurRemplacement(h, 1, 3), remplacant);
    EXPECT_EQ(m->ValeurRemplacement(h, 1, 5), 61);
    EXPECT_EQ(m->ValeurRemplacement(h, 2, 1), jh[0]);
    EXPECT_EQ(m->ValeurRemplacement(h, 2, 5), 75);
    EXPECT_EQ(m->ValeurRemplacement(h, 3, 1), jh[1]);
    EXPECT_EQ(m->Capitaine(h), jh[2]);

    p->UpDown1->ClickButton(btPrev);
    EXPECT_EQ(p->IdDomicile, h);
    EXPECT_EQ(p->Enreg(0, 2).Joueur->Numero, jh[2]);
    EXPECT_EQ(p->Enreg(0, 2).Joueur->Text(), "Joueur2  P2. (cap.)");
    EXPECT_EQ(p->Capitaine(0), p->Enreg(0, 2).Joueur);
    EXPECT_EQ(p->Enreg(0, nt + 2).Joueur->Numero, remplacant);
    EXPECT_EQ(p->Enreg(0, nt + 1).Numero->Text(), "61");
    EXPECT_EQ(p->Enreg(0, 4).Numero->Text(), "7");
    (void)a;

    RepondBoite(mrOk);
    Commande(*f, 7);
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", nullptr, TousSports, etat, true);
    ASSERT_TRUE(relu);
    EXPECT_EQ(Document(*relu), Document(*s));
    TermineFenetre(f);
}

INSTANTIATE_TEST_SUITE_P(Sports, CompositionSaisie, ::testing::Values(0, 1));

// A team of a category lists its category's players; another category
// chosen lists its players, those of the line-up left out.
TEST(CompositionCategories, ListFollowsTheCategoryLineUpPlayersLeftOut)
{
    const std::string dir = Prepare("compo_categories");
    TSaisonComplete sc(0);
    sc.saison->SetChampionnatCourant(sc.ligue);
    sc.ligue->NbJournee = 5;
    const int h = sc.ligue->Match(5, 1)->IdEquipe(0);
    sc.ligue->SetCategorieEquipe(sc.ligue->IndexEquipe(h), 5);
    const auto jh = sc.Joueurs(h);
    sc.saison->Joueurs().ChercheJoueur(jh[0], h)->categorie = 5;
    const std::string fichier = MakePath(dir, "categories.xmc");
    auto f = feuille_essai::SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    ASSERT_TRUE(Commande(*f, 15));
    auto* p = dynamic_cast<Tf_Composition*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(p->IdDomicile, h);
    TListe* l = p->Liste(0);
    ASSERT_EQ(l->Items().Count(), 1);
    EXPECT_EQ(NumeroEntreeListe(l->Items()[0], 8, true), jh[0]);
    EXPECT_EQ(p->cb_CategorieDom->Items()[p->cb_CategorieDom->ItemIndex()], "Espoirs");
    l->SetItemIndex(0);
    p->ListeDblClick(0);
    p->cb_CategorieDom->SetItemIndex(0);   // all
    p->CategorieChange(0);
    EXPECT_EQ(l->Items().Count(), 2);
    EXPECT_EQ(Ligne(l, jh[0]), -1);
    TermineFenetre(f);
}

// ---- a season composed through the creation windows ------------------------------------------

// The data folder as an absolute path: the program's file operations may
// change the current folder.
const bool dossierAbsolu = [] {
    setenv("BZ_DATA_DIR", std::filesystem::absolute(DossierDonnees()).lexically_normal().c_str(), 0);
    return true;
}();

template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::MessageFerme);
}

TEST(CompositionCreee, LineUpOnASeasonComposedByTheUser)
{
    (void)dossierAbsolu;
    const std::string dir = Prepare("compo_creee");
    auto f = LanceFenetre();
    Quand<Tf_ChoixLogiciel>([](Tf_ChoixLogiciel* c) {
        c->rc_Sport[0]->SetChecked(true);
        c->b_Valider->Click();
    });
    // Two championships of the first template division (a season needs two).
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
    ASSERT_TRUE(Commande(*f, 5));
    kit::Process(20);
    ASSERT_NE(f->Saison, nullptr);
    TSaison* s = f->Saison.get();
    const auto champs = s->Arbre().ListeChampionnats();
    ASSERT_EQ(champs.size(), 2u);
    TDonneesChampionnat* c = champs[0];
    ASSERT_TRUE(s->SelectionneChampionnat(c->CodeChamp));
    ASSERT_EQ(c->NbEquipe(), 18);
    // The first matchday's pairings, as the results page files them.
    c->NbJournee = 1;
    c->CreeMatch(1, c->IdEquipe(0), c->IdEquipe(1), 65535, 65535);
    c->CreeMatch(1, c->IdEquipe(2), c->IdEquipe(3), 65535, 65535);
    CarteEssai carte;

    ASSERT_TRUE(Commande(*f, 15));
    auto* p = dynamic_cast<Tf_Composition*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->c_EqDomicile->Text(), s->NomEquipeCourant(c->IdEquipe(0)));
    EXPECT_EQ(p->NbTitulaire(), c->NbTitulaire());
    // The squad comes through the player card.
    for (int k = 1; k <= 3; ++k) {
        NouveauJoueur(s, "Avant" + IntToStr(k), k);
        p->mi_AjouterJoueur1Click();
    }
    TListe* l = p->Liste(0);
    ASSERT_EQ(l->Items().Count(), 3);
    l->SetItemIndex(0);
    p->ListeDblClick(0);
    const int32_t premier = p->Enreg(0, 1).Joueur->Numero;
    GlisseJoueur(l, NumeroEntreeListe(l->Items()[0], 8, true), p->Enreg(0, c->NbTitulaire() + 2).Joueur);
    kit::DblClick(p->Enreg(0, 1).Joueur);
    kit::Type(p->Enreg(0, c->NbTitulaire() + 1).Numero, "50");
    kit::GrabToPng(f.get(), "composition_creee");
    p->UpDown1->ClickButton(btNext);
    const TInfoComp* m = c->Match(1, 1);
    EXPECT_EQ(m->JoueurTitulaire(c->IdEquipe(0), 1), premier);
    EXPECT_EQ(m->ValeurRemplacement(c->IdEquipe(0), 1, 1), premier);
    EXPECT_EQ(m->ValeurRemplacement(c->IdEquipe(0), 1, 5), 50);
    EXPECT_TRUE(m->CompositionSaisie(c->IdEquipe(1)));

    const std::string fichier = MakePath(dir, "creee.xmc");
    ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, s, nullptr, "", "", nullptr, {}, false));
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", nullptr, TousSports, etat, true);
    ASSERT_TRUE(relu);
    const TDonneesChampionnat* rc = relu->Arbre().ChampionnatParCode(c->CodeChamp);
    ASSERT_NE(rc, nullptr);
    const TInfoComp* rm = rc->Match(1, 1);
    ASSERT_NE(rm, nullptr);
    EXPECT_EQ(rm->JoueurTitulaire(c->IdEquipe(0), 1), premier);
    EXPECT_EQ(rm->ValeurRemplacement(c->IdEquipe(0), 1, 3), m->ValeurRemplacement(c->IdEquipe(0), 1, 3));
    EXPECT_EQ(rm->ValeurRemplacement(c->IdEquipe(0), 1, 5), 50);
    TermineFenetre(f);
}

}  // namespace
