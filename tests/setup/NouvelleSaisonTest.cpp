// A new season as a new user makes it: command 5 in the main window, the
// sport, the composition window with a template division and its typed
// teams, a cup, a custom championship and a division of four groups with the
// play-off of its scenario; validation saves the file and the main window
// shows the season.
#include <gtest/gtest.h>

#include <functional>

#include "files/w_ChoixLogiciel.h"
#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Mask.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationCoupe.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"
#include "views/w_Classement.h"
#include "ui/ColorStringGrid.h"

using namespace essai;

namespace {

// The data folder as an absolute path: the program's file operations may
// change the current folder.
const bool dossierAbsolu = [] {
    setenv("BZ_DATA_DIR", std::filesystem::absolute(DossierDonnees()).lexically_normal().c_str(), 0);
    return true;
}();

// The next modal form of type T gets the action; other forms met first (the
// progress window) are left alone.
template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::MessageEnEchec);
}

void Sport(int s)
{
    Quand<Tf_ChoixLogiciel>([s](Tf_ChoixLogiciel* f) {
        f->rc_Sport[s]->SetChecked(true);
        f->b_Valider->Click();
    });
}

// The template division of that code in the creation window, n clubs.
void Division(int32_t code, int n, bool perso = false)
{
    Quand<Tf_Creation>([=](Tf_Creation* f) {
        kit::GrabToPng(f, "Creation");
        if (perso)
            f->RondCoche2->SetChecked(true);
        else
            for (int i = 0; i < f->ComponentCount(); ++i)
                if (auto* r = dynamic_cast<TRondCoche*>(f->Components(i)); r && r->Tag == code)
                    r->Click();
        f->Edit1->SetText(IntToStr(n));
        f->b_Valider->Click();
    });
}

void Equipes(const std::string& prefixe)
{
    Quand<Tf_SaisieEquipes>([=](Tf_SaisieEquipes* f) {
        for (size_t i = 0; i < f->Equipes.size(); ++i)
            f->Equipes[i]->SetText(prefixe + " " + IntToStr(static_cast<int>(i) + 1));
        kit::GrabToPng(f, "SaisieEquipes");
        f->b_Ok->Click();
    });
}

TTreeNode* Enfant(TTreeNode* n, int i) { return n ? n->Item(i) : nullptr; }

TEST(NouvelleSaison, FootballComposedValidatedSavedAndShown)
{
    const std::string dir = Prepare("setup_nouvelle");
    auto f = LanceFenetre();
    Sport(0);
    Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
        TTreeNode* racine = c->tv_Saison->Items().GetFirstNode();
        ASSERT_NE(racine, nullptr);
        // A template division with 18 typed teams.
        Division(1, 18);
        Equipes("Club");
        c->bc_CreeChamp->Click();
        TTreeNode* groupe = Enfant(racine, 0);
        ASSERT_NE(groupe, nullptr);
        EXPECT_EQ(c->Rec(groupe)->Code, 1);
        // A 3-round cup under the template group.
        c->tv_Saison->SetSelected(groupe);
        Quand<Tf_CreationCoupe>([](Tf_CreationCoupe* k) {
            k->e_NomCoupe->SetText("Coupe de la ligue");
            k->e_nTour->SetText("3");
            EXPECT_EQ(k->NbMatch(3)->Position(), 4);
            kit::GrabToPng(k, "CreationCoupe");
            k->b_Valider->Click();
        });
        c->bc_CreeCoupe->Click();
        c->tv_Saison->EndEditing(false);
        // A custom championship from the root.
        c->tv_Saison->SetSelected(racine);
        Division(0, 4, true);
        Equipes("Perso");
        c->bc_CreeChamp->Click();
        c->tv_Saison->SetSelected(racine);
        // The division of four groups: four group championships and the
        // cup of its scenario.
        Division(10004, 16);
        for (const char* g : {"A", "B", "C", "D"})
            Equipes(std::string("Groupe ") + g);
        c->bc_CreeChamp->Click();
        EXPECT_EQ(c->NouveauxBarrages.size(), 1u);
        kit::GrabToPng(c, "CreationSaison");
        RepondBoite(mrOk);   // "saved"
        c->b_Valider->Click();
    });
    ASSERT_TRUE(Commande(*f, 5));
    kit::Process(50);

    ASSERT_NE(f->Saison, nullptr);
    TSaison& s = *f->Saison;
    // Saved by the composition window: the season keeps that file.
    EXPECT_EQ(ModifSaison, 0);
    const std::string fichier = MakePath(dir, "sauvegarde\\personnel.xmc");
    EXPECT_EQ(NomFichierCourant, fichier);
    EXPECT_TRUE(FileExists(fichier));
    // 1 league + 1 cup + 1 custom + 4 groups; the scenario's play-off filed.
    const auto championnats = s.Arbre().ListeChampionnats();
    ASSERT_EQ(championnats.size(), 7u);
    EXPECT_EQ(championnats[0]->NbEquipe(), 18);
    EXPECT_EQ(championnats[0]->NbJour(), 34);
    EXPECT_EQ(championnats[0]->NbMatch(), 9);
    EXPECT_EQ(s.Arbre().ListeBarrages().size(), 1u);
    int cups = 0;
    for (auto* c : championnats)
        if (c->EstCoupe()) {
            ++cups;
            EXPECT_EQ(c->Option(1), 3);   // its round count: the winners go on up to the final
        }
    EXPECT_EQ(cups, 1);
    // No default node left.
    for (int i = 0; i < s.Arbre().Racine().NbEnfant(); ++i)
        EXPECT_NE(s.Arbre().Racine().Enfant(i)->Nom(), Traduire(9));
    // The standings show the teams.
    ASSERT_TRUE(s.SelectionneChampionnat(championnats[0]->CodeChamp));
    Commande(*f, 40);
    auto* cl = dynamic_cast<Tf_Classement*>(f->Enfant);
    ASSERT_NE(cl, nullptr);
    bool trouve = false;
    for (int r = 0; r < cl->sg_Classement->RowCount(); ++r)
        for (int k = 0; k < cl->sg_Classement->ColCount(); ++k)
            trouve = trouve || cl->sg_Classement->Cells(k, r) == "Club 1";
    EXPECT_TRUE(trouve);

    // The file reopens with the same competitions.
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", {}, TousSports, etat, true);
    ASSERT_EQ(etat, etatCharge);
    EXPECT_EQ(relu->Arbre().ListeChampionnats().size(), 7u);
    EXPECT_EQ(relu->Arbre().ListeBarrages().size(), 1u);
    EXPECT_EQ(relu->NbEquipe(), s.NbEquipe());
    TermineFenetre(f);
}

// Cancelling the sport question creates nothing; a new season never
// replaces a file silently.
TEST(NouvelleSaison, CancelledSportAndExistingFile)
{
    const std::string dir = Prepare("setup_annule");
    auto f = LanceFenetre();
    Quand<Tf_ChoixLogiciel>([](Tf_ChoixLogiciel* c) { c->b_Annuler->Click(); });
    Commande(*f, 5);
    kit::Process(20);
    EXPECT_EQ(f->Saison, nullptr);

    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde\\personnel.xmc"), 1);
    const auto taille = std::filesystem::file_size(fichier);
    Sport(1);
    std::vector<std::string> textes;
    Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
        // A whole season is not a championship to compose with.
        EXPECT_EQ(c->lb_ListeFichier->Items().Count(), 0);
        for (const char* nom : {"Xv", "Quinze"}) {
            Division(0, 2, true);
            Equipes(nom);
            c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
            c->bc_CreeChamp->Click();
            c->tv_Saison->EndEditing(false);
        }
        RepondBoite(mrCancel, &textes);
        c->b_Valider->Click();
        EXPECT_EQ(c->ModalResult(), mrNone);
        c->b_Annuler->Click();
    });
    Commande(*f, 5);
    kit::Process(20);
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_NE(textes[0].find("personnel.xmc"), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(fichier), taille);
    EXPECT_EQ(f->Saison, nullptr);
    TermineFenetre(f);
}

// One league made from a template is a season; validation saves it, and
// "Enregistrer" writes that same file again without asking for a name.
TEST(NouvelleSaison, OneLeagueSavedThenSavedAgainToItsFile)
{
    const std::string dir = Prepare("setup_une_ligue");
    auto f = LanceFenetre();
    Sport(0);
    Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
        Division(2, 4);
        Equipes("Seule");
        c->bc_CreeChamp->Click();
        c->tv_Saison->EndEditing(false);
        RepondBoite(mrOk);   // "saved"
        c->b_Valider->Click();
        if (c->ModalResult() == mrNone) {
            ADD_FAILURE() << "one league refused";
            kit::ForgetModalActions();
            c->b_Annuler->Click();
        }
    });
    ASSERT_TRUE(Commande(*f, 5));
    kit::Process(50);
    ASSERT_NE(f->Saison, nullptr);
    TSaison& s = *f->Saison;
    ASSERT_EQ(s.Arbre().ListeChampionnats().size(), 1u);
    const std::string fichier = MakePath(dir, "sauvegarde\\personnel.xmc");
    EXPECT_EQ(NomFichierCourant, fichier);
    ASSERT_EQ(ModifSaison, 0);

    // A result, then command 7: the same file, no name asked.
    TDonneesChampionnat* c = s.Arbre().ListeChampionnats()[0];
    c->CreeMatch(1, c->IdEquipe(0), c->IdEquipe(1), 3, 1);
    f->SignaleModification();
    int demandes = 0;
    SetDialogHook([&](TCommonDialog&) {
        ++demandes;
        return false;
    });
    std::vector<std::string> textes;
    RepondBoite(mrOk, &textes);   // "saved"
    Commande(*f, 7);
    kit::Process(20);
    SetDialogHook(nullptr);
    EXPECT_EQ(textes.size(), 1u);
    kit::ForgetModalActions();
    EXPECT_EQ(demandes, 0);
    EXPECT_EQ(ModifSaison, 0);
    EXPECT_EQ(NomFichierCourant, fichier);
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", {}, TousSports, etat, true);
    ASSERT_EQ(etat, etatCharge);
    ASSERT_EQ(relu->Arbre().ListeChampionnats().size(), 1u);
    const TDonneesChampionnat* r = relu->Arbre().ListeChampionnats()[0];
    EXPECT_NE(r->MatchEquipes(1, r->IdEquipe(0), r->IdEquipe(1)), nullptr);
    TermineFenetre(f);
}

}  // namespace

// A template championship renamed in the tree by the keyboard (F2, typing,
// Enter) keeps its name once validated and in the reopened file; every tree
// item is shown whole (its text's width beside its picture).
TEST(NouvelleSaison, RenamedChampionshipKeepsItsName)
{
    const struct { const char* langue; int32_t division; const char* nom; } cas[] = {{"fr", 1, "Ligue Zelvor"},
                                                                                  {"en", 2, "Rugby League"}};
    for (const auto& k : cas) {
        SCOPED_TRACE(k.nom);
        const std::string dir = Prepare(std::string("setup_renomme_") + k.langue);
        auto f = LanceFenetre();
        const std::string texte = "texte\\Texte" + std::string(k.langue) + ".txt";
        InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), texte)));
        Sport(0);
        Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
            Division(k.division, 4);
            Equipes("Club");
            c->bc_CreeChamp->Click();
            TTreeNode* racine = c->tv_Saison->Items().GetFirstNode();
            c->tv_Saison->SetSelected(racine->GetLastChild()->GetLastChild()->GetLastChild());
            kit::PressKey(c->tv_Saison, VK_F2);
            kit::TypeKeys(nullptr, k.nom);
            kit::PressKey(nullptr, VK_RETURN);
            TBitmap mesure(1, 1);
            mesure.Canvas().Font = c->tv_Saison->Font();
            for (TTreeNode* n = c->tv_Saison->Items().GetFirstNode(); n; n = n->GetNext())
                EXPECT_EQ(n->DisplayRect(true).Width(), mesure.Canvas().TextWidth(n->Text()) + 4) << n->Text();
            kit::GrabToPng(c, std::string("CompositionRenommee-") + k.langue);
            RepondBoite(mrOk);   // "saved"
            kit::Click(c->b_Valider);
        });
        ASSERT_TRUE(Commande(*f, 5));
        kit::Process(50);
        const int32_t code = f->Saison->Arbre().ListeChampionnats().at(0)->CodeChamp;
        std::string nom, modele;
        f->Saison->Arbre().NomsChampionnat(code, nom, modele);
        EXPECT_EQ(nom, k.nom);
        uint8_t etat = 0;
        auto relu =
            TTraiteurFichier::Charger(MakePath(dir, "sauvegarde\\personnel.xmc"), "", "", {}, TousSports, etat, true);
        EXPECT_EQ(relu->Arbre().NomCode(code), k.nom);
        TermineFenetre(f);
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Textefr.txt")));
}

namespace {

// The custom championship's nodes from the root down: its competition, its
// division, itself; and the cup made under its division.
struct TNoeudsPerso
{
    TTreeNode* competition = nullptr;
    TTreeNode* division = nullptr;
    TTreeNode* championnat = nullptr;
    TTreeNode* coupe = nullptr;
};

// Renames a node as a user does: F2, the name typed, Enter.
void Renomme(TTreeView* t, TTreeNode* n, const std::string& nom)
{
    t->SetSelected(n);
    kit::PressKey(t, VK_F2);
    kit::TypeKeys(nullptr, nom);
    kit::PressKey(nullptr, VK_RETURN);
}

// The names a tree of one custom championship and one cup shows, from the
// model: competition, division, championship, cup.
std::vector<std::string> NomsArbre(const TDescTree& a)
{
    std::vector<std::string> noms;
    const TDescNoeud* c = a.Racine().Enfant(0);
    const TDescNoeud* d = c ? c->Enfant(0) : nullptr;
    if (!d || d->NbEnfant() != 2)
        return noms;
    for (const TDescNoeud* n : std::initializer_list<const TDescNoeud*>{c, d, d->Enfant(0), d->Enfant(1)})
        noms.push_back(n->NomAffiche());
    return noms;
}

}  // namespace

// A name typed for a custom championship, its competition, its division and
// a cup is kept as typed, whatever its shape: none is read as a template
// code, in the season, in the reopened file, once the season is recomposed
// and saved again. A name left empty or blank is refused with a word and the
// node keeps its name.
TEST(NouvelleSaison, TypedNamesAreNeverReadAsCodes)
{
    const char* const langues[] = {"fr", "en"};
    const char* const noms[] = {"#2", "#1#x", "##", "#0"};
    for (const char* langue : langues)
        for (const char* nom : noms) {
            SCOPED_TRACE(std::string(langue) + " " + nom);
            const std::string dir = Prepare(std::string("setup_noms_codes_") + langue);
            auto f = LanceFenetre();
            InstalleTraducteur(std::make_unique<TTraducteur>(
                MakePath(DossierDonnees(), "texte\\Texte" + std::string(langue) + ".txt")));
            const std::vector<std::string> attendus(4, nom);
            Sport(0);
            Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
                TTreeView* t = c->tv_Saison;
                t->SetSelected(t->Items().GetFirstNode());
                Division(0, 4, true);
                Equipes("Perso");
                c->bc_CreeChamp->Click();
                t->EndEditing(false);
                TNoeudsPerso n;
                n.competition = t->Items().GetFirstNode()->getFirstChild();
                n.division = n.competition ? n.competition->getFirstChild() : nullptr;
                n.championnat = n.division ? n.division->getFirstChild() : nullptr;
                ASSERT_NE(n.championnat, nullptr);
                // An empty or a blank name: refused with a word, Enter or not.
                const std::string avant = n.championnat->Text();
                for (const char* vide : {"", "   "}) {
                    kit::Refusals().clear();
                    t->SetSelected(n.championnat);
                    kit::PressKey(t, VK_F2);
                    kit::PressKey(nullptr, VK_BACK);
                    kit::TypeKeys(nullptr, vide);
                    kit::PressKey(nullptr, VK_RETURN);
                    EXPECT_TRUE(t->IsEditing());
                    kit::Process();
                    t->EndEditing(false);
                    EXPECT_EQ(n.championnat->Text(), avant);
                    ASSERT_EQ(kit::Refusals().size(), 2u);
                    EXPECT_EQ(kit::Refusals()[0].reason, DialogTexts().EmptyName);
                }
                Renomme(t, n.competition, nom);
                Renomme(t, n.division, nom);
                Renomme(t, n.championnat, nom);
                t->SetSelected(n.division);
                Quand<Tf_CreationCoupe>([nom](Tf_CreationCoupe* k) {
                    kit::TypeKeys(k->e_NomCoupe, nom);
                    kit::Click(k->b_Valider);
                });
                c->bc_CreeCoupe->Click();
                t->EndEditing(false);
                n.coupe = n.division->GetLastChild();
                std::vector<std::string> montres;
                for (TTreeNode* k : {n.competition, n.division, n.championnat, n.coupe})
                    montres.push_back(k->Text());
                EXPECT_EQ(montres, attendus);
                kit::GrabToPng(c, std::string("noms_codes_") + langue);
                RepondBoite(mrOk);   // "saved"
                kit::Click(c->b_Valider);
            });
            ASSERT_TRUE(Commande(*f, 5));
            kit::Process(50);
            ASSERT_NE(f->Saison, nullptr);
            EXPECT_EQ(NomsArbre(f->Saison->Arbre()), attendus);
            const int32_t code = f->Saison->Arbre().ListeChampionnats().at(0)->CodeChamp;
            std::string nomChamp, competition;
            f->Saison->Arbre().NomsChampionnat(code, nomChamp, competition);
            EXPECT_EQ(std::make_pair(nomChamp, competition), std::make_pair(std::string(nom), std::string(nom)));
            const std::string fichier = MakePath(dir, "sauvegarde\\personnel.xmc");
            uint8_t etat = 0;
            auto relu = TTraiteurFichier::Charger(fichier, "", "", {}, TousSports, etat, true);
            ASSERT_NE(relu, nullptr);
            EXPECT_EQ(NomsArbre(relu->Arbre()), attendus);
            // Recomposed: the window shows the names, validation keeps them.
            Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
                std::vector<std::string> montres;
                for (TTreeNode* k = c->tv_Saison->Items().GetFirstNode()->GetNext(); k; k = k->GetNext())
                    montres.push_back(k->Text());
                EXPECT_EQ(montres, attendus);
                kit::Click(c->b_Valider);
            });
            EXPECT_FALSE(Commande(*f, 193));   // a dialog: no view of its own to select
            kit::Process(20);
            EXPECT_EQ(NomsArbre(f->Saison->Arbre()), attendus);
            RepondBoite(mrOk);   // "saved"
            Commande(*f, 7);
            kit::Process(20);
            kit::ForgetModalActions();
            relu = TTraiteurFichier::Charger(fichier, "", "", {}, TousSports, etat, true);
            ASSERT_NE(relu, nullptr);
            EXPECT_EQ(NomsArbre(relu->Arbre()), attendus);
            ModifSaison = 0;
            TermineFenetre(f);
        }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Textefr.txt")));
}
