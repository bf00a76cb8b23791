// The championship options windows: opened by commands 176 and 226 from the
// main window, their pages for each sport, what validation writes and what it
// leaves, "Appliquer à tous" over every championship, and the questions asked
// before entered results or line-ups would be dropped.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "files/w_ChoixLogiciel.h"
#include "model/ChampionnatStat.h"
#include "model/DescTree.h"
#include "model/LectureParametre.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Grids.h"
#include "platform/gui/Mask.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "setup/w_AppliquerOptions.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_Option.h"
#include "setup/w_OptionSports.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/support/DessinEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "tests/support/SaisonBuilder.h"
#include "tests/support/SauveRelit.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "views/cadreParamClassement.h"
#include "views/w_Classement.h"

using namespace essai;

namespace {

const bool dossierAbsolu = [] {
    setenv("BZ_DATA_DIR", std::filesystem::absolute(DossierDonnees()).lexically_normal().c_str(), 0);
    EnregistreOptions();
    return true;
}();

template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::MessageEnEchec);
}

// Types into the box of an up-down, as the user does.
void Tape(TUpDown* u, int v) { u->Associate()->SetText(IntToStr(v)); }

// The texts and the championship templates of the data folder, as the main
// window installs them, for windows made without it.
void Environnement(int sport)
{
    if (!Traducteur())
        InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Textefr.txt")));
    dessin_essai::ModelesSports(sport);
}

// The options window of the season's sport on its current championship.
TOwned<Tf_Option> Fenetre(TSaison& s, uint8_t groupe)
{
    Environnement(s.MultiSport().Sport());
    TOwned<Tf_Option> f(CreeFenetreOption(&s, nullptr));
    EXPECT_NE(f, nullptr);
    f->ChangeSaison(&s);
    f->Affiche(false, groupe);
    return f;
}

// Validates; the tag it reports (-1 when the window stayed open).
int Valide(Tf_Option& f)
{
    f.SetModalResult(mrNone);
    f.b_ValiderClick();
    return f.ModalResult() == mrOk ? static_cast<int>(f.Tag) : -1;
}

std::vector<uint16_t> Mots(const TDonneesChampionnat& c)
{
    std::vector<uint16_t> v;
    for (int i = 0; i < TDonneesChampionnat::NbOption; ++i)
        v.push_back(c.Option(i));
    return v;
}

int Colonne(const TStringGrid& g, int col, int row) { return StrToIntDef(g.Cells(col, row), -9999); }

// ---- every page of the four sports ------------------------------------------------------------

TEST(Options, EveryPageOfEverySportIsShownOnItsGroup)
{
    CreeDessin();
    const char* sports[] = {"Foot", "Rugby", "Basket", "Hand"};
    const size_t criteres[] = {15, 21, 13, 15};
    for (int sport = 0; sport < 4; ++sport) {
        SCOPED_TRACE(sports[sport]);
        auto s = SaisonSport(sport);
        for (uint8_t groupe : {1, 2}) {
            auto f = Fenetre(*s, groupe);
            kit::ShowForm(f.get());
            EXPECT_EQ(f->clb_Classement->Items().Count(), static_cast<int>(criteres[sport]));
            int vues = 0;
            for (int i = 0; i < f->PageControl1->PageCount(); ++i) {
                TTabSheet* t = f->PageControl1->Pages(i);
                const bool general = t != f->ts_Classement && t != f->ts_Tranche && t != f->ts_GroupeEquipe &&
                                     t != f->ts_Bonus;
                EXPECT_EQ(t->TabVisible(), general == (groupe == 1)) << t->Name();
                if (!t->TabVisible())
                    continue;
                f->PageControl1->SetActivePage(t);
                kit::Process();
                kit::GrabToPng(f.get(), std::string("Option") + sports[sport] + "_" + t->Name());
                ++vues;
            }
            EXPECT_GE(vues, 4);
            f->Hide();
        }
        // Embedded: every page, no buttons; hints with their line breaks.
        auto f = Fenetre(*s, 0);
        f->Affiche(true, 0);
        EXPECT_FALSE(f->b_Valider->Visible());
        EXPECT_FALSE(f->b_Annuler->Visible());
        // every tab has a caption of its own; the referees' delay counts months,
        // not the month of a date
        std::set<std::string> onglets;
        for (int i = 0; i < f->PageControl1->PageCount(); ++i) {
            EXPECT_TRUE(f->PageControl1->Pages(i)->TabVisible());
            EXPECT_TRUE(onglets.insert(f->PageControl1->Pages(i)->Caption()).second)
                << f->PageControl1->Pages(i)->Name();
        }
        auto* mois = kit::Find<TLabel>(f.get(), "Label22b");
        ASSERT_NE(mois, nullptr);
        EXPECT_EQ(mois->Caption(), Traduire(4601));
        EXPECT_EQ(f->cc_DivSup->Hint().find("%rc"), std::string::npos);
        EXPECT_NE(f->cc_DivSup->Hint().find('\r'), std::string::npos);
    }
}

// ---- the football season with results, through the main window ---------------------------------

TEST(Options, FootballPointsCodeBandsAndGroupReachTheStandingsAndTheFile)
{
    const std::string dir = Prepare("setup_options");
    auto f = LanceFenetre();
    f->InstallSeason(SaisonSport(0), MakePath(dir, "sauvegarde\\options.xmc"), false, 0);
    ASSERT_TRUE(f->Saison);
    TSaison& s = *f->Saison;
    TDonneesChampionnat& c = *s.ChampionnatCourant();
    ASSERT_GT(c.CalculeDerniereJournee(), 0);
    Commande(*f, 40);
    ASSERT_NE(dynamic_cast<Tf_Classement*>(f->Enfant), nullptr);

    // 176: the general pages, two points for a win.
    ModifSaison = 0;
    Quand<Tf_Option>([](Tf_Option* o) {
        EXPECT_TRUE(o->ts_Generaux->TabVisible());
        EXPECT_FALSE(o->ts_Classement->TabVisible());
        EXPECT_EQ(o->BorderIcons(), biSystemMenu);
        EXPECT_EQ(Tf_Option::Position(o->UpDown1), 3);
        Tape(o->UpDown1, 2);
        kit::GrabToPng(o, "OptionGeneral176");
        kit::Click(o->b_Valider);
    });
    Commande(*f, 176);
    kit::Process(20);
    EXPECT_EQ(c.Option(4), 2);
    EXPECT_EQ(ModifSaison, 1);
    // The view was shown again with the new points.
    auto* cl = dynamic_cast<Tf_Classement*>(f->Enfant);
    ASSERT_NE(cl, nullptr);
    const TStringGrid& g = *cl->sg_Classement;
    ASSERT_GT(g.RowCount(), 6);
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(Colonne(g, 2, r), 2 * Colonne(g, 3, r) + Colonne(g, 4, r)) << "row " << r;

    // 226: a tie-break code typed, two bands, a team group.
    ModifSaison = 0;
    const std::string premiere = s.NomEquipeComplet(c.IdEquipe(0), &c);
    Quand<Tf_Option>([](Tf_Option* o) {
        EXPECT_FALSE(o->ts_Generaux->TabVisible());
        EXPECT_TRUE(o->ts_Classement->TabVisible());
        o->Edit12->SetText("cad");
        EXPECT_EQ(o->CodeCriteres(), "cad");
        o->e_nbtranche->SetText("2");
        ASSERT_EQ(o->NbRangsTranche(), 2);
        Tape(o->RangTranche(0).UpDowns[0], 1);
        Tape(o->RangTranche(0).UpDowns[1], 2);
        Tape(o->RangTranche(1).UpDowns[0], 3);
        Tape(o->RangTranche(1).UpDowns[1], 4);
        o->PageControl1->SetActivePage(o->ts_GroupeEquipe);
        o->bc_AjouterClick();
        ASSERT_TRUE(o->tv_Groupe->IsEditing());
        o->tv_Groupe->SetEditorText("Favoris");
        o->tv_Groupe->EndEditing(false);
        o->lb_Equipe->SetItemIndex(0);
        o->Button1Click();
        o->lb_Equipe->SetItemIndex(2);
        o->Button1Click();
        kit::GrabToPng(o, "OptionGroupes226");
        kit::Click(o->b_Valider);
    });
    Commande(*f, 226);
    kit::Process(20);
    EXPECT_EQ(ModifSaison, 1);
    EXPECT_EQ(c.OrdreClassement, "cad");
    ASSERT_EQ(c.NbTranches(), 2);
    ASSERT_EQ(c.NbGroupes(), 1);
    EXPECT_EQ(c.Groupe(0)->NomGroupe, "Favoris");
    EXPECT_EQ(c.Groupe(0)->NbEquipe(), 2);
    EXPECT_TRUE(c.Groupe(0)->Contient(c.IdEquipe(0)));

    // The standings: the new table in the order of the code, the bands offered.
    cl = dynamic_cast<Tf_Classement*>(f->Enfant);
    ASSERT_NE(cl, nullptr);
    const TStringGrid& h = *cl->sg_Classement;
    for (int r = 1; r < 6; ++r) {
        const int p1 = Colonne(h, 2, r), p2 = Colonne(h, 2, r + 1);
        EXPECT_GE(p1, p2) << r;
        if (p1 == p2) {
            EXPECT_GE(Colonne(h, 6, r), Colonne(h, 6, r + 1)) << "goals scored break the tie, row " << r;
        }
    }
    TComboBox* tranche = cl->CadreParam->cb_Tranche;
    ASSERT_TRUE(tranche->Visible());
    ASSERT_EQ(tranche->Items().Count(), 3);
    EXPECT_NE(tranche->Items()[1].find("1-2"), std::string::npos);
    EXPECT_NE(tranche->Items()[2].find("3-4"), std::string::npos);
    kit::GrabToPng(f.get(), "OptionClassementApres");

    // Saved and reopened, the options hold.
    const std::string fichier = MakePath(dir, "sauvegarde\\options2.xmc");
    ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, &s, nullptr, "", "", nullptr, {}, false));
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", {}, TousSports, etat, true);
    ASSERT_EQ(etat, etatCharge);
    const TDonneesChampionnat& r = *relu->Arbre().ChampionnatParCode(c.CodeChamp);
    EXPECT_EQ(r.Option(4), 2);
    EXPECT_EQ(r.OrdreClassement, "cad");
    ASSERT_EQ(r.NbTranches(), 2);
    int a = 0, b = 0;
    r.Tranche(1, a, b);
    EXPECT_EQ(std::make_pair(a, b), std::make_pair(3, 4));
    ASSERT_EQ(r.NbGroupes(), 1);
    EXPECT_EQ(r.Groupe(0)->NomGroupe, "Favoris");
    EXPECT_EQ(r.Groupe(0)->NbEquipe(), 2);
    (void)premiere;
    TermineFenetre(f);
}

// ---- a season made through the creation windows -------------------------------------------------

void Sport(int s)
{
    Quand<Tf_ChoixLogiciel>([s](Tf_ChoixLogiciel* f) {
        f->rc_Sport[s]->SetChecked(true);
        f->b_Valider->Click();
    });
}

void Division(int32_t code, int n, bool perso = false)
{
    Quand<Tf_Creation>([=](Tf_Creation* f) {
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
        f->b_Ok->Click();
    });
}

TEST(Options, SeasonMadeThroughTheCreationWindows)
{
    Prepare("setup_options_creation");
    auto f = LanceFenetre();
    Sport(1);
    Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
        TTreeNode* racine = c->tv_Saison->Items().GetFirstNode();
        Division(1, 14);
        Equipes("Quinze");
        c->bc_CreeChamp->Click();
        c->tv_Saison->SetSelected(racine);
        Division(0, 4, true);
        Equipes("Perso");
        c->bc_CreeChamp->Click();
        RepondBoite(mrOk);
        c->b_Valider->Click();
    });
    ASSERT_TRUE(Commande(*f, 5));
    kit::Process(50);
    ASSERT_NE(f->Saison, nullptr);
    TSaison& s = *f->Saison;
    const auto liste = s.Arbre().ListeChampionnats();
    ASSERT_EQ(liste.size(), 2u);
    TDonneesChampionnat* modele = liste[0]->NbEquipe() == 14 ? liste[0] : liste[1];
    TDonneesChampionnat* perso = modele == liste[0] ? liste[1] : liste[0];

    // The template division: its code chosen, no personal code box, its
    // matchday count and teams loaded.
    ASSERT_TRUE(s.SelectionneChampionnat(modele->CodeChamp));
    ModifSaison = 0;
    Quand<Tf_Option>([&](Tf_Option* o) {
        EXPECT_NE(dynamic_cast<Tf_OptionRugby*>(o), nullptr);
        EXPECT_EQ(Tf_Option::Position(o->UpDown10), modele->NbJour());
        EXPECT_EQ(o->ComboBox1->Items().Count(), 15);
        ASSERT_GT(o->cb_CodeDiv->ItemIndex(), 0);
        EXPECT_EQ(o->cb_CodeDiv->Items().Objects(o->cb_CodeDiv->ItemIndex()), modele->Division);
        EXPECT_FALSE(o->e_CodePerso->Visible());
        o->ComboBox1->SetItemIndex(3);
        Tape(o->UpDown2, 2);
        kit::GrabToPng(o, "OptionRugbyCree");
        kit::Click(o->b_Valider);
    });
    Commande(*f, 176);
    kit::Process(20);
    EXPECT_EQ(modele->Option(10), 2);
    EXPECT_EQ(modele->Option(5), 2);
    EXPECT_EQ(ModifSaison, 1);

    // The custom championship: item 0 and its personal code.
    ASSERT_TRUE(s.SelectionneChampionnat(perso->CodeChamp));
    Quand<Tf_Option>([&](Tf_Option* o) {
        EXPECT_EQ(o->cb_CodeDiv->ItemIndex(), 0);
        EXPECT_TRUE(o->e_CodePerso->Visible());
        o->e_CodePerso->SetText("42");
        kit::Click(o->b_Valider);
    });
    Commande(*f, 176);
    kit::Process(20);
    EXPECT_EQ(perso->CodePerso, 42);
    TermineFenetre(f);
}

// ---- edge cases of the criteria and the groups of pages ---------------------------------------

TEST(OptionsCriteres, TypedCodesOrderAndCheckTheList)
{
    auto s = SaisonSport(0);
    auto f = Fenetre(*s, 2);
    struct TCas
    {
        const char* Tape;
        const char* Code;   // as the list then gives it
    } cas[] = {
        {"ca", "ca"},
        {"", ""},
        {"u", "u"},
        {"a", "a"},
        // a letter that names no criterion is refused: the list and the box
        // keep the code before it
        {"axc", "a"},
        {"dz", "a"},
        {"tsrq", "tsrq"},
    };
    for (const TCas& c : cas) {
        std::vector<std::string> refus;
        RepondBoite(mrOk, &refus);
        f->Edit12->SetText(c.Tape);
        kit::ForgetModalActions();
        EXPECT_EQ(f->CodeCriteres(), c.Code) << "typed " << c.Tape;
        EXPECT_EQ(f->Edit12->Text(), c.Code) << "typed " << c.Tape;
        EXPECT_EQ(refus.size(), std::string(c.Code) == c.Tape ? 0u : 1u) << "typed " << c.Tape;
    }
    // Reordering by the arrows writes the code into the box.
    f->Edit12->SetText("ac");
    f->clb_Classement->SetItemIndex(1);
    f->sb_UpClick();
    EXPECT_EQ(f->Edit12->Text(), "ca");
    f->sb_DownClick();
    EXPECT_EQ(f->Edit12->Text(), "ac");
    // Every criterion unchecked: once the user is told, the order a file
    // reads back ("ac") is stored, which this championship already has.
    for (int i = 0; i < f->clb_Classement->Items().Count(); ++i)
        f->clb_Classement->SetChecked(i, false);
    f->clb_ClassementClick();
    EXPECT_EQ(f->Edit12->Text(), "");
    ASSERT_EQ(s->ChampionnatCourant()->OrdreClassement, "ac");
    std::vector<std::string> textes;
    RepondBoite(mrOk, &textes);
    EXPECT_EQ(Valide(*f), 0);
    EXPECT_EQ(textes.size(), 1u);
    EXPECT_EQ(s->ChampionnatCourant()->OrdreClassement, "ac");
}

// A tie-break code is refused with its message unless every letter names a
// criterion of the sport's list, once; whether typed key by key or put in at
// once, the box and the ticks then keep the code they held. "ac" is kept in
// every sport; football offers no "b".
TEST(OptionsCriteres, UnknownLettersAreRefusedAndTheTicksKeepTheCode)
{
    struct TCas
    {
        int sport;
        const char* texte;
        bool tape;            // key by key after the box's code, else put in at once
        const char* garde;    // box and ticks after it
        size_t refus;         // messages
    } cas[] = {
        {0, "z\xE9" "9", true, "ac", 3},  {0, "z\xE9" "9", false, "ac", 1}, {1, "z\xE9" "9", true, "ac", 3},
        {2, "z\xE9" "9", false, "ac", 1}, {3, "z\xE9" "9", true, "ac", 3},  {0, "d", true, "acd", 0},
        {0, "a", true, "ac", 1},           {1, "k", true, "ack", 0},          {0, "b", true, "ac", 1},
        {0, "A", true, "ac", 1},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(testing::Message() << "sport " << c.sport << " " << c.texte << " typed " << c.tape);
        auto s = SaisonSport(c.sport);
        s->ChampionnatCourant()->OrdreClassement = "ac";
        auto f = Fenetre(*s, 2);
        kit::ShowForm(f.get());
        f->PageControl1->SetActivePage(f->ts_Classement);
        kit::Process();
        ASSERT_EQ(f->Edit12->Text(), "ac");
        std::vector<std::string> refus;
        for (int i = 0; i < 3; ++i)
            RepondBoite(mrOk, &refus);
        if (c.tape) {
            f->Edit12->SetFocus();
            f->Edit12->SetSelStart(2);
            kit::Type(f->Edit12, c.texte);
        } else
            f->Edit12->SetText(c.texte);
        kit::ForgetModalActions();
        EXPECT_EQ(f->Edit12->Text(), c.garde);
        EXPECT_EQ(f->CodeCriteres(), c.garde);
        ASSERT_EQ(refus.size(), c.refus);
        if (c.refus > 0 && c.tape) {
            EXPECT_EQ(refus[0], TraduireFormat(3750, {std::string("ac") + c.texte[0]}));
        }
        if (c.sport == 0 && c.refus == 3)
            kit::GrabToPng(f.get(), "options_code_refuse");
    }
}

// The tie-break order a season file holds, shown by the page: the list in
// its order (the criteria the sport's list offers), the box as stored; OK
// with nothing touched says nothing and changes nothing, the file saved and
// opened again.
TEST(OptionsCriteres, TheStoredOrderIsShownAndKeptWhenValidatedUntouched)
{
    struct TCas
    {
        int sport;
        const char* stocke;
        const char* liste;   // the ticked criteria, top to bottom
    } cas[] = {
        {1, "abdc", "abdc"}, {0, "abdc", "adc"}, {2, "dca", "dca"}, {3, "ca", "ca"},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(testing::Message() << "sport " << c.sport << " " << c.stocke);
        auto neuve = SaisonSport(c.sport);
        neuve->ChampionnatCourant()->OrdreClassement = c.stocke;
        const std::string fichier = MakePath(kit::TempDir(), "ordre-" + std::to_string(c.sport) + ".xmc");
        DeleteFile(fichier);
        auto s = SauveRelit(*neuve, fichier);
        ASSERT_TRUE(s);
        ASSERT_EQ(s->ChampionnatCourant()->OrdreClassement, c.stocke);
        const std::string avant = Document(*s);
        auto f = Fenetre(*s, 2);
        kit::ShowForm(f.get());
        f->PageControl1->SetActivePage(f->ts_Classement);
        kit::Process();
        EXPECT_EQ(f->Edit12->Text(), c.stocke);
        EXPECT_EQ(f->CodeCriteres(), c.liste);
        std::vector<std::string> textes;
        RepondBoite(mrOk, &textes);
        EXPECT_EQ(Valide(*f), 0);
        kit::ForgetModalActions();
        EXPECT_EQ(textes, std::vector<std::string>{});
        f.reset();
        EXPECT_EQ(Document(*s), avant);
        auto relue = SauveRelit(*s, fichier);
        ASSERT_TRUE(relue);
        EXPECT_EQ(relue->ChampionnatCourant()->OrdreClassement, c.stocke);
        EXPECT_EQ(Document(*relue), avant);
    }
}

TEST(OptionsGroupes, EachGroupWritesOnlyItsOwnValues)
{
    struct TCas
    {
        uint8_t Groupe;
        bool Generaux, Classement;
    } cas[] = {{1, true, false}, {2, false, true}, {0, true, true}};
    for (const TCas& k : cas) {
        SCOPED_TRACE("group " + std::to_string(k.Groupe));
        auto s = SaisonSport(0);
        TDonneesChampionnat& c = *s->ChampionnatCourant();
        c.SetTranche(0, 1, 3);
        const std::string ordre = c.OrdreClassement;
        auto f = Fenetre(*s, k.Groupe);
        Tape(f->UpDown1, 5);
        Tape(f->UpDown5, 2);
        f->cc_GestionArbitre->SetChecked(true);
        f->Edit12->SetText("d");
        f->e_nbtranche->SetText("2");
        f->lb_Equipe->SetItemIndex(1);
        f->Button1Click();
        Tape(f->ud_ptsvictext, -4);
        EXPECT_EQ(Valide(*f), 1);
        EXPECT_EQ(c.Option(4) == 5, k.Generaux);
        EXPECT_EQ(c.Option(3) == 2, k.Generaux);
        EXPECT_EQ(c.OptionArbitre(0) == 1, k.Generaux);
        EXPECT_EQ(c.OrdreClassement == "d", k.Classement);
        EXPECT_EQ(c.OrdreClassement == ordre, !k.Classement);
        EXPECT_EQ(c.NbTranches(), k.Classement ? 2 : 1);
        EXPECT_EQ(c.NbGroupes(), k.Classement ? 1 : 0);
        EXPECT_EQ(static_cast<int16_t>(c.Option(24)) == -4, k.Classement);
    }
}

TEST(OptionsGroupes, ValidatingTwiceWithoutEditsReportsNothing)
{
    for (uint8_t groupe : {1, 2}) {
        SCOPED_TRACE("group " + std::to_string(groupe));
        auto s = SaisonSport(0);
        TDonneesChampionnat& c = *s->ChampionnatCourant();
        auto groupeEquipe = std::make_unique<TGroupeEquipe>();
        groupeEquipe->NomGroupe = "Nord";
        groupeEquipe->AjouteEquipe(c.IdEquipe(1));
        c.AjouteGroupe(std::move(groupeEquipe));
        c.SetTranche(0, 2, 5);
        c.SetOption(0, 1);
        for (int fois = 0; fois < 2; ++fois) {
            auto f = Fenetre(*s, groupe);
            const auto avant = Mots(c);
            EXPECT_EQ(Valide(*f), 0) << "pass " << fois;
            EXPECT_EQ(Mots(c), avant);
        }
        ASSERT_EQ(c.NbGroupes(), 1);
        EXPECT_EQ(c.Groupe(0)->NomGroupe, "Nord");
        int a = 0, b = 0;
        c.Tranche(0, a, b);
        EXPECT_EQ(std::make_pair(a, b), std::make_pair(2, 5));
    }
}

TEST(OptionsGroupes, CupLayoutNeverWritesTheMatchAndMatchdayCounts)
{
    auto s = SaisonSport(0);
    TDonneesChampionnat& c = *s->ChampionnatCourant();
    c.SetTypes(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational);
    const int nbJour = c.NbJour();
    auto f = Fenetre(*s, 1);
    EXPECT_FALSE(f->FondParam->Visible());
    EXPECT_FALSE(f->FondPoint->Visible());
    EXPECT_TRUE(f->FondPetiteFinale->Visible());
    EXPECT_EQ(f->FondParamSup->Top(), 4);
    Tape(f->UpDown10, nbJour + 3);
    Tape(f->UpDown9, 1);
    f->cc_PetiteFinale->SetChecked(true);
    EXPECT_EQ(Valide(*f), 1);
    EXPECT_EQ(c.NbJour(), nbJour);
    EXPECT_TRUE(c.PetiteFinale);
}

TEST(OptionsGroupes, BandsLoweredToZeroAreAllDeleted)
{
    auto s = SaisonSport(0);
    TDonneesChampionnat& c = *s->ChampionnatCourant();
    for (int i = 0; i < 3; ++i)
        c.SetTranche(i, i + 1, i + 2);
    CreeDessin();
    auto f = Fenetre(*s, 2);
    ASSERT_EQ(f->NbRangsTranche(), 3);
    kit::ShowForm(f.get());
    f->PageControl1->SetActivePage(f->ts_Tranche);
    kit::Process();
    kit::GrabToPng(f.get(), "OptionTranches");
    f->Hide();
    EXPECT_EQ(f->RangTranche(2).Libelles[0]->Caption(), TraduireFormat(1356, {3}));
    EXPECT_EQ(f->RangTranche(2).UpDowns[1]->Max, c.NbJour());
    f->e_nbtranche->SetText("1");
    EXPECT_EQ(f->NbRangsTranche(), 1);
    f->e_nbtranche->SetText("0");
    EXPECT_EQ(f->NbRangsTranche(), 0);
    EXPECT_EQ(Valide(*f), 1);   // the bands that went are reported
    EXPECT_EQ(c.NbTranches(), 0);
}

TEST(OptionsGroupes, TeamGroupsFromTheListByButtonAndDrop)
{
    CreeDessin();
    auto s = SaisonSport(0);
    TDonneesChampionnat& c = *s->ChampionnatCourant();
    auto f = Fenetre(*s, 2);
    kit::ShowForm(f.get());
    f->PageControl1->SetActivePage(f->ts_GroupeEquipe);
    // ">" on an empty tree makes a group first.
    f->lb_Equipe->SetItemIndex(0);
    f->Button1Click();
    ASSERT_EQ(f->tv_Groupe->Items().TopCount(), 1);
    EXPECT_EQ(f->tv_Groupe->Items().TopItem(0)->Count(), 1);
    EXPECT_EQ(f->StructureChangee, 1);
    // A team node selected: the team goes into its group.
    f->tv_Groupe->SetSelected(f->tv_Groupe->Items().TopItem(0)->Item(0));
    f->lb_Equipe->SetItemIndex(3);
    f->Button1Click();
    EXPECT_EQ(f->tv_Groupe->Items().TopItem(0)->Count(), 2);
    // Dragged from the list onto the tree.
    f->lb_Equipe->SetItemIndex(4);
    bool accepte = false;
    f->tv_Groupe->OnDragOver(f->tv_Groupe, f->lb_Equipe, 5, 5, dsDragMove, accepte);
    EXPECT_TRUE(accepte);
    f->tv_Groupe->OnDragOver(f->tv_Groupe, f->tv_Groupe, 5, 5, dsDragMove, accepte);
    EXPECT_FALSE(accepte);
    const TRect r = f->lb_Equipe->ItemRect(4);
    kit::Drag(f->lb_Equipe, TPoint{r.Left + 10, (r.Top + r.Bottom) / 2}, f->tv_Groupe, TPoint{20, 8});
    kit::Process();
    EXPECT_EQ(f->tv_Groupe->Items().TopItem(0)->Count(), 3);
    // "<" takes out a team, never a group.
    f->tv_Groupe->SetSelected(f->tv_Groupe->Items().TopItem(0));
    f->Button2Click();
    EXPECT_EQ(f->tv_Groupe->Items().TopCount(), 1);
    f->tv_Groupe->SetSelected(f->tv_Groupe->Items().TopItem(0)->Item(0));
    f->Button2Click();
    EXPECT_EQ(f->tv_Groupe->Items().TopItem(0)->Count(), 2);
    EXPECT_EQ(Valide(*f), 1);
    ASSERT_EQ(c.NbGroupes(), 1);
    EXPECT_EQ(c.Groupe(0)->NbEquipe(), 2);
    EXPECT_TRUE(c.Groupe(0)->Contient(c.IdEquipe(3)));
    EXPECT_TRUE(c.Groupe(0)->Contient(c.IdEquipe(4)));
    f->Hide();
}

TEST(OptionsGroupes, ValidatedWithoutChampionshipWritesNothing)
{
    auto s = SaisonSport(0);
    s->SetChampionnatCourant(nullptr);
    auto f = Fenetre(*s, 1);
    Tape(f->UpDown1, 7);
    EXPECT_EQ(Valide(*f), 0);
    for (auto* c : s->Arbre().ListeChampionnats())
        EXPECT_NE(c->Option(4), 7);
}

// ---- the year box, the division layout and the referees ----------------------------------------

TEST(OptionsGeneraux, YearsLayoutAndReferees)
{
    auto s = SaisonSport(0);
    TDonneesChampionnat& c = *s->ChampionnatCourant();
    c.SetOption(8, 104);
    c.SetOption(9, 5);
    struct TCas
    {
        const char* Annees;
        int Mot8, Mot9;
        bool Refusees = false;
    } cas[] = {
        {"2010/11", 110, 11},
        {"    /  ", 110, 11, true},   // not a number: refused with a word, the years stay
        {"1999/00", 99, 0},
    };
    for (const TCas& k : cas) {
        auto f = Fenetre(*s, 1);
        f->MaskEdit1->SetText(k.Annees);
        if (k.Refusees)
            kit::WhenModal([](TForm* m) { m->SetModalResult(mrOk); });
        EXPECT_EQ(Valide(*f) == -1, k.Refusees) << k.Annees;
        EXPECT_EQ(c.Option(8), k.Mot8) << k.Annees;
        EXPECT_EQ(c.Option(9), k.Mot9) << k.Annees;
    }
    auto f = Fenetre(*s, 1);
    EXPECT_EQ(f->MaskEdit1->Text(), "1999/00");
    // Top division: the Champions League row, else the promotion play-offs.
    f->cc_DivSup->SetChecked(true);
    f->cc_DivSupClick();
    EXPECT_TRUE(f->Label8->Visible());
    EXPECT_FALSE(f->Label11->Visible());
    EXPECT_EQ(f->Label4->Caption(), Traduire(100));
    f->cc_DivSup->SetChecked(false);
    f->cc_DivSupClick();
    EXPECT_FALSE(f->Label8->Visible());
    EXPECT_TRUE(f->Label11->Visible());
    EXPECT_EQ(f->Label4->Caption(), Traduire(101));
    // Date system: the per-matchday boxes go with "by date".
    f->cc_SaisieDateJour->SetChecked(true);
    f->rc_date->SetChecked(true);
    f->rc_dateClick();
    EXPECT_FALSE(f->cc_SaisieDateJour->Visible());
    EXPECT_FALSE(f->cc_SaisieDateJour->Checked());
    // Referee rules follow the management box.
    f->cc_GestionArbitre->SetChecked(false);
    f->cc_GestionArbitreClick();
    EXPECT_FALSE(f->UpDown11->Enabled());
    f->cc_GestionArbitre->SetChecked(true);
    f->cc_GestionArbitreClick();
    EXPECT_TRUE(f->UpDown11->Enabled());
    f->cc_ArbitreEquipeMois->SetChecked(false);
    Tape(f->UpDown12, 4);
    f->cc_ArbitreEquipeMatchs->SetChecked(true);
    f->rc_International->SetChecked(true);
    Tape(f->ud_forfait, -3);
    EXPECT_EQ(Valide(*f), 1);
    EXPECT_EQ(c.Option(11) & 9, 8);
    EXPECT_EQ(c.OptionArbitre(3), 0);
    EXPECT_EQ(c.OptionArbitre(2), 4);
    EXPECT_EQ(c.Types() & (TDonneesChampionnat::TypeNational | TDonneesChampionnat::TypeInternational),
              TDonneesChampionnat::TypeInternational);
    EXPECT_EQ(static_cast<int16_t>(c.Option(15)), -3);
    // Reloaded: the same values shown.
    auto g = Fenetre(*s, 1);
    EXPECT_TRUE(g->rc_date->Checked());
    EXPECT_TRUE(g->rc_International->Checked());
    EXPECT_EQ(Tf_Option::Position(g->ud_forfait), -3);
    EXPECT_EQ(Tf_Option::Position(g->UpDown12), 4);
}

// ---- questions before results or line-ups are dropped -----------------------------------------

TEST(OptionsReduction, MatchdaysWithResultsAndLineUpsAskFirst)
{
    struct TCas
    {
        const char* Quoi;
        int Reponse;
        bool Garde;
    } cas[] = {{"no", mrNo, true}, {"yes", mrYes, false}};
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.Quoi);
        auto s = SaisonSport(0);
        TDonneesChampionnat& c = *s->ChampionnatCourant();
        const int jouee = c.CalculeDerniereJournee();
        ASSERT_GE(jouee, 3);
        const int nbJour = c.NbJour(), titulaires = c.NbTitulaire();
        ASSERT_GT(titulaires, 2);
        c.SetJoueurTitulaire(1, 0, titulaires, 77);
        auto f = Fenetre(*s, 1);
        // Above the played matchdays: no question.
        Tape(f->UpDown10, nbJour - 1);
        EXPECT_EQ(Valide(*f), 1);
        EXPECT_EQ(c.NbJour(), nbJour - 1);
        // Below: asked, twice (matchdays, then the starters); No to the
        // matchdays writes nothing and asks no more.
        std::vector<std::string> textes;
        RepondBoite(k.Reponse, &textes);
        RepondBoite(k.Reponse, &textes);
        Tape(f->UpDown10, jouee - 1);
        Tape(f->UpDown34, titulaires - 1);
        Valide(*f);
        kit::ForgetModalActions();
        ASSERT_EQ(textes.size(), k.Garde ? 1u : 2u);
        EXPECT_NE(textes[0].find(IntToStr(jouee)), std::string::npos) << textes[0];
        EXPECT_EQ(c.NbJour() == nbJour - 1, k.Garde);
        EXPECT_EQ(c.NbTitulaire() == titulaires, k.Garde);
        // Starters lowered where no line-up reaches: no question.
        auto g = Fenetre(*s, 1);
        Tape(g->UpDown35, 0);
        Valide(*g);
        EXPECT_EQ(c.NbRemp(), 0);
    }
}

// ---- basketball and handball ------------------------------------------------------------------

// Types a value into a cell as a user does, key by key: a click on the cell,
// then the first key opens its editor in place of what it shows, Enter takes
// it; an empty value is the cell's text selected in its editor (F2, Ctrl+A)
// and deleted.
void EditeCellule(TStringGrid* g, int col, int row, const std::string& v)
{
    const TRect r = g->CellRect(col, row);
    kit::Click(g, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    if (v.empty()) {
        kit::PressKey(g, VK_F2);
        kit::PressKey(nullptr, 'A', ssCtrl);
        kit::PressKey(nullptr, VK_BACK);
    } else {
        kit::TypeKeys(g, v.substr(0, 1));
        kit::TypeKeys(nullptr, v.substr(1));
    }
    kit::PressKey(nullptr, VK_RETURN);
}

TEST(OptionsBasket, SwitchesWeightsMinimumsAndTheWeightingGrid)
{
    CreeDessin();
    auto s = SaisonSport(2);
    auto& c = dynamic_cast<TDonneesChampionnatStat&>(*s->ChampionnatCourant());
    c.SetStatActive(3, 1);
    c.SetValeurEval(13, -1);
    c.AjoutePonderation({0, 10, 50});
    auto f = Fenetre(*s, 1);
    kit::ShowForm(f.get());
    auto* b = dynamic_cast<Tf_OptionBasket*>(f.get());
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->ts_Evaluation->TabVisible());
    EXPECT_FALSE(f->p_Bonus->Visible());
    EXPECT_FALSE(f->Label50->Visible());
    EXPECT_TRUE(f->p_NbTir->Visible());
    EXPECT_TRUE(b->Interrupteurs[2]->Checked());
    EXPECT_EQ(Tf_Option::Position(b->Poids_(13)), -1);
    ASSERT_EQ(b->csg_Ponderation->RowCount(), 3);
    EXPECT_EQ(b->csg_Ponderation->Cells(2, 1), "50");

    // Editing a cell back to its value still rebuilds the records.
    b->PageControl1->SetActivePage(b->ts_Evaluation);
    EditeCellule(b->csg_Ponderation, 2, 1, "50");
    EXPECT_EQ(b->GrilleEditee, 1);
    EXPECT_EQ(Valide(*f), 1);
    ASSERT_EQ(c.NbPonderations(), 1);

    // A new row: the trailing empty row follows; an empty weight stores 100.
    auto g = Fenetre(*s, 1);
    kit::ShowForm(g.get());
    auto* gb = dynamic_cast<Tf_OptionBasket*>(g.get());
    gb->PageControl1->SetActivePage(gb->ts_Evaluation);
    EditeCellule(gb->csg_Ponderation, 0, 2, "11");
    EXPECT_EQ(gb->csg_Ponderation->RowCount(), 4);
    EditeCellule(gb->csg_Ponderation, 1, 2, "40");
    // A row typed and emptied again: the trailing row goes, the emptied row
    // becomes the new last one.
    EditeCellule(gb->csg_Ponderation, 0, 3, "7");
    EXPECT_EQ(gb->csg_Ponderation->RowCount(), 5);
    EditeCellule(gb->csg_Ponderation, 0, 3, "");
    EXPECT_EQ(gb->csg_Ponderation->RowCount(), 4);
    gb->Interrupteurs[2]->SetChecked(false);
    gb->Interrupteurs[10]->SetChecked(true);
    Tape(gb->Poids_(6), -7);
    Tape(gb->UpDown15, 4);
    EXPECT_EQ(Valide(*g), 1);
    ASSERT_EQ(c.NbPonderations(), 2);
    EXPECT_EQ(*c.Ponderation(1), (TPonderation{11, 40, 100}));
    EXPECT_EQ(c.StatActive(3), 0);
    EXPECT_EQ(c.StatActive(11), 1);
    EXPECT_EQ(c.ValeurEval(6), -7);
    EXPECT_EQ(c.Option(17), 4);

    // Out of range: refused with the row named, nothing written, the window
    // stays. A letter or a sign is refused at the key: the cell keeps what it
    // showed, and that is what is stored.
    struct TCas
    {
        const char *A, *B, *P;
        bool Refuse;
        int Poids;   // stored when not refused (-1: the weight it held)
    } cas[] = {{"256", "3", "1", true, 0}, {"1", "-1", "1", false, 1}, {"1", "2", "65536", true, 0},
               {"x", "", "y", false, -1},  {"255", "255", "65535", false, 65535}};
    for (const TCas& k : cas) {
        SCOPED_TRACE(std::string(k.A) + " " + k.B + " " + k.P);
        auto h = Fenetre(*s, 1);
        kit::ShowForm(h.get());
        auto* hb = dynamic_cast<Tf_OptionBasket*>(h.get());
        hb->PageControl1->SetActivePage(hb->ts_Evaluation);
        EditeCellule(hb->csg_Ponderation, 0, 1, k.A);
        EditeCellule(hb->csg_Ponderation, 1, 1, k.B);
        EditeCellule(hb->csg_Ponderation, 2, 1, k.P);
        const TPonderation avant = *c.Ponderation(0);
        std::vector<std::string> textes;
        if (k.Refuse)
            RepondBoite(mrOk, &textes);
        const int r = Valide(*h);
        kit::ForgetModalActions();
        if (k.Refuse) {
            EXPECT_EQ(r, -1);
            ASSERT_EQ(textes.size(), 1u);
            EXPECT_EQ(textes[0], TraduireFormat(TextePonderationRefusee, {1}));
            EXPECT_EQ(*c.Ponderation(0), avant);
        } else {
            EXPECT_EQ(r, 1);
            EXPECT_EQ(c.Ponderation(0)->Ponderation, k.Poids < 0 ? avant.Ponderation : k.Poids);
        }
    }
    f->Hide();
}

TEST(OptionsHand, RankingGroupNeitherShowsNorWritesTheStatistics)
{
    auto s = SaisonSport(3);
    auto& c = dynamic_cast<TDonneesChampionnatStat&>(*s->ChampionnatCourant());
    c.SetOption(16, 4);
    for (uint8_t groupe : {2, 1}) {
        SCOPED_TRACE("group " + std::to_string(groupe));
        auto f = Fenetre(*s, groupe);
        auto* h = dynamic_cast<Tf_OptionHand*>(f.get());
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->ts_DonneesSaisies->TabVisible(), groupe == 1);
        EXPECT_FALSE(h->p_NbTir->Visible());
        EXPECT_EQ(Tf_Option::Position(h->UpDown14), 4);
        ASSERT_EQ(h->Interrupteurs.size(), 11u);
        h->Interrupteurs[0]->SetChecked(!h->Interrupteurs[0]->Checked());
        const int avant = c.StatActive(1);
        Tape(h->Poids_(22), 5);
        Tape(h->UpDown14, 6);
        Valide(*f);
        EXPECT_EQ(c.StatActive(1) != avant, groupe == 1);
        EXPECT_EQ(c.ValeurEval(22) == 5, groupe == 1);
        EXPECT_EQ(c.Option(16), groupe == 1 ? 6 : 4);
    }
}

// The goalkeeper rows of the weights are headed by what they weigh: saves and
// goals let in, below the shooters' made and missed.
TEST(OptionsHand, GoalkeeperWeightsHeadedSavesAndGoalsLetIn)
{
    CreeDessin();
    auto s = SaisonSport(3);
    for (const char* langue : {"en", "fr"}) {
        SCOPED_TRACE(langue);
        InstalleTraducteur(
            std::make_unique<TTraducteur>(MakePath(DossierDonnees(), std::string("texte\\Texte") + langue + ".txt")));
        auto f = Fenetre(*s, 1);
        auto* h = dynamic_cast<Tf_OptionHand*>(f.get());
        ASSERT_NE(h, nullptr);
        auto* arrets = kit::Find<TLabel>(h, "Label31g");
        auto* encaisses = kit::Find<TLabel>(h, "Label32g");
        ASSERT_NE(arrets, nullptr);
        ASSERT_NE(encaisses, nullptr);
        EXPECT_EQ(arrets->Caption(), Traduire(1492));
        EXPECT_EQ(encaisses->Caption(), Traduire(4552));
        // between the shooters' rows and the goalkeepers' rows, over their columns
        TUpDown* tir = h->Poids_(15);
        TUpDown* gardien = h->Poids_(23);
        ASSERT_TRUE(tir && gardien);
        EXPECT_GT(encaisses->Top(), tir->Top());
        EXPECT_LT(encaisses->Top(), gardien->Top());
        EXPECT_EQ(arrets->Left(), h->Poids_(22)->Associate()->Left());
        EXPECT_EQ(encaisses->Left(), gardien->Associate()->Left());
        kit::ShowForm(f.get());
        h->PageControl1->SetActivePage(h->ts_DonneesSaisies);
        kit::Process();
        kit::GrabToPng(f.get(), std::string("OptionHand_poids_gardien_") + langue);
    }
}

// ---- "Appliquer à tous" --------------------------------------------------------------------------

// A season of three championships.
std::unique_ptr<TSaison> TroisChampionnats()
{
    auto s = SaisonSport(0);
    vues::Ligue(*s, 0, "Division 3", 12, 6, 2, 3, 19u);
    for (auto* c : s->Arbre().ListeChampionnats()) {
        c->SetOption(0, 1);
        c->SetOption(11, 2 | 16);
        c->SetOption(8, 100);
        c->SetOption(9, 1);
    }
    return s;
}

// Applies the checked items (indexes) from a window where the values were set.
void Applique(Tf_Option& f, std::vector<int> items, bool valide = true)
{
    Quand<Tf_AppliquerOptions>([=](Tf_AppliquerOptions* a) {
        EXPECT_EQ(a->clb_ChoixOptions->Items().Count(), 9);
        for (int i : items)
            a->clb_ChoixOptions->SetChecked(i, true);
        kit::GrabToPng(a, "AppliquerOptions");
        kit::Click(valide ? a->b_Valider : a->b_Annuler);
    });
    f.b_DefautClick();
    kit::Process();
}

TEST(OptionsAppliquer, EachItemAloneReachesEveryChampionship)
{
    CreeDessin();
    struct TCas
    {
        int Item;
        std::function<void(Tf_Option&)> Regle;
        std::function<bool(const TDonneesChampionnat&)> Applique;
    } cas[] = {
        {0, [](Tf_Option& f) { Tape(f.UpDown1, 5); }, [](const TDonneesChampionnat& c) { return c.Option(4) == 5; }},
        {1, [](Tf_Option& f) { Tape(f.UpDown2, 4); }, [](const TDonneesChampionnat& c) { return c.Option(5) == 4; }},
        {2, [](Tf_Option& f) { Tape(f.UpDown3, 2); }, [](const TDonneesChampionnat& c) { return c.Option(6) == 2; }},
        // whole words: a forfeit score above a byte, negative forfeit points
        {3,
         [](Tf_Option& f) {
             Tape(f.ud_forfait, -2);
             Tape(f.ud_scoreforfait1, 300);
             Tape(f.ud_scoreforfait2, 7);
         },
         [](const TDonneesChampionnat& c) {
             return c.Option(15) == static_cast<uint16_t>(-2) && c.Option(19) == 300 && c.Option(20) == 7;
         }},
        {4, [](Tf_Option& f) { Tape(f.UpDown34, 9); }, [](const TDonneesChampionnat& c) { return c.NbTitulaire() == 9; }},
        {5, [](Tf_Option& f) { Tape(f.UpDown35, 2); }, [](const TDonneesChampionnat& c) { return c.NbRemp() == 2; }},
        {6, [](Tf_Option& f) { f.MaskEdit1->SetText("2012/13"); },
         [](const TDonneesChampionnat& c) { return c.Option(8) == 112 && c.Option(9) == 13; }},
        // the date flags leave the other flags
        {7, [](Tf_Option& f) { f.cc_SaisieDateJour->SetChecked(true); },
         [](const TDonneesChampionnat& c) { return c.Option(11) == (1 | 2 | 16); }},
        {8, [](Tf_Option& f) { f.cc_SaisieDateMatch->SetChecked(true); },
         [](const TDonneesChampionnat& c) { return c.Option(11) == (4 | 2 | 16); }},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE("item " + std::to_string(k.Item));
        auto s = TroisChampionnats();
        const auto liste = s->Arbre().ListeChampionnats();
        ASSERT_EQ(liste.size(), 3u);
        std::vector<std::vector<uint16_t>> avant;
        for (auto* c : liste)
            avant.push_back(Mots(*c));
        auto f = Fenetre(*s, 1);
        k.Regle(*f);
        Applique(*f, {k.Item});
        EXPECT_TRUE(f->AppliqueATousFait);
        for (size_t i = 0; i < liste.size(); ++i) {
            EXPECT_TRUE(k.Applique(*liste[i])) << "championship " << i;
            // Nothing else moved.
            std::vector<uint16_t> apres = Mots(*liste[i]);
            int differents = 0;
            for (size_t w = 0; w < apres.size(); ++w)
                differents += apres[w] != avant[i][w];
            EXPECT_LE(differents, 3) << "championship " << i;
        }
        // Cancelling the options window does not undo it.
        f->b_Annuler->Click();
        EXPECT_TRUE(k.Applique(*liste[0]));
    }
}

TEST(OptionsAppliquer, CancelledOrEqualAppliesAndReportsNothing)
{
    CreeDessin();
    auto s = TroisChampionnats();
    const auto liste = s->Arbre().ListeChampionnats();
    std::vector<std::vector<uint16_t>> avant;
    for (auto* c : liste)
        avant.push_back(Mots(*c));
    auto f = Fenetre(*s, 1);
    Tape(f->UpDown1, 8);
    Applique(*f, {0, 1, 2, 3, 6, 7, 8}, false);
    EXPECT_FALSE(f->AppliqueATousFait);
    for (size_t i = 0; i < liste.size(); ++i)
        EXPECT_EQ(Mots(*liste[i]), avant[i]);
    // Values every championship already holds: nothing reported.
    auto g = Fenetre(*s, 1);
    Applique(*g, {6});
    EXPECT_FALSE(g->AppliqueATousFait);
    EXPECT_EQ(Valide(*g), 0);
}

TEST(OptionsAppliquer, StartersThroughEveryChampionshipAskBeforeLineUpsGo)
{
    CreeDessin();
    auto s = TroisChampionnats();
    const auto liste = s->Arbre().ListeChampionnats();
    const int titulaires = liste[1]->NbTitulaire();
    liste[1]->SetJoueurTitulaire(1, 0, titulaires, 55);
    auto f = Fenetre(*s, 1);
    Tape(f->UpDown34, titulaires - 2);
    std::vector<std::string> textes;
    RepondBoite(mrNo, &textes);
    Applique(*f, {4});
    kit::ForgetModalActions();
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_EQ(liste[0]->NbTitulaire(), titulaires - 2);
    EXPECT_EQ(liste[1]->NbTitulaire(), titulaires);
    EXPECT_EQ(liste[2]->NbTitulaire(), titulaires - 2);
}

// What "Appliquer à tous" changed marks the season modified even when the
// options window is then cancelled.
TEST(OptionsAppliquer, ReportedThroughTheMainWindowEvenWhenCancelled)
{
    const std::string dir = Prepare("setup_options_appliquer");
    auto f = LanceFenetre();
    f->InstallSeason(TroisChampionnats(), MakePath(dir, "sauvegarde\\trois.xmc"), false, 0);
    ASSERT_TRUE(f->Saison);
    ModifSaison = 0;
    Quand<Tf_Option>([](Tf_Option* o) {
        Tape(o->UpDown1, 6);
        Quand<Tf_AppliquerOptions>([](Tf_AppliquerOptions* a) {
            a->clb_ChoixOptions->SetChecked(0, true);
            kit::Click(a->b_Valider);
        });
        o->b_DefautClick();
        kit::Click(o->b_Annuler);
    });
    Commande(*f, 176);
    kit::Process(20);
    EXPECT_EQ(ModifSaison, 1);
    for (auto* c : f->Saison->Arbre().ListeChampionnats())
        EXPECT_EQ(c->Option(4), 6);
    // Cancelled without applying: nothing reported.
    ModifSaison = 0;
    Quand<Tf_Option>([](Tf_Option* o) {
        Tape(o->UpDown1, 1);
        kit::Click(o->b_Annuler);
    });
    Commande(*f, 226);
    kit::Process(20);
    EXPECT_EQ(ModifSaison, 0);
    TermineFenetre(f);
}

// The question about dates lost when matches no longer keep their own: a
// league's match named by its matchday, a cup's by its round, in each
// language.
TEST(Options, LostDatesNameACupsMatchByItsRound)
{
    struct Cas
    {
        const char* langue;
        bool coupe;
        std::string ligne;   // after the championship's name
    } cas[] = {
        {"en", false, ", matchday 1: A - B, on 03/09/2005"},
        {"fr", false, L1(", journée 1 : A - B, le 03/09/2005")},
        {"en", true, ", Semi-finals: A - B, on 03/09/2005"},
        {"fr", true, L1(", Demi-finales : A - B, le 03/09/2005")},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.langue) + (c.coupe ? " cup" : " league"));
        InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), std::string("texte\\Texte") + c.langue + ".txt")));
        auto s = TMultiSport::CreeSaison(0);
        auto ch = s->CreeChampionnat((c.coupe ? TDonneesChampionnat::TypeCoupe : TDonneesChampionnat::TypeChamp) |
                                         TDonneesChampionnat::TypeNational, 0);
        ch->OptionsParDefaut();
        for (const char* nom : {"A", "B", "C", "D"})
            ch->AjouteEquipe(s->AjouteEquipe(nom));
        if (c.coupe) {
            const TInfoTourCoupe tours[] = {{2, 2, 1}, {1, 1, 1}};
            ch->CreeToursCoupe(tours);
        } else {
            ch->SetNbMatch(2);
            ch->SetNbJournees(6);
        }
        ch->SetOption(11, 4);
        ch->CreeMatch(1, 2, 3, 1, 0);
        ch->SetDateJournee(1, TGestionDate::EncodeDate(2, 9, 2005));
        ch->CreeMatch(1, 0, 1, 1, 0, -1, TGestionDate::EncodeDate(3, 9, 2005));
        ch->NbJournee = 1;
        TDonneesChampionnat* k = s->Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(ch), "France")->Championnat();
        const std::string texte = DatesPerdues(*s, {{k, 0}});
        const std::string nom = s->Arbre().NomCompletCode(k->CodeChamp);
        EXPECT_EQ(texte, Traduire(5582) + "\n" + nom + c.ligne);
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Textefr.txt")));
}

}  // namespace
