// The player search driven as a user does: names, prefixes, positions, ages
// and birth years; the duplicates check; a merge by dropping one row on
// another; a transfer; the card; deletion for good refused while any match
// record names the player; printing and HTML.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/InfoComp.h"
#include "model/ListeDonnees.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/DateTime.h"
#include "records/Fiches.h"
#include "records/w_Effectifs.h"
#include "records/w_FicheJoueur.h"
#include "records/w_Recherche.h"
#include "records/w_TransJoueur.h"
#include "tests/records/FichesEssai.h"
#include "tests/support/HtmlTables.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/message2.h"

using namespace fiches_essai;

namespace {

// The small season with namesakes and ages: Dupré (Corvelle, born 1985),
// "dupont" in lower case (Tessane), Dupont's namesake "Dupônt Jean"
// (Zelvor). The season's year is 2005 (option word 8 = 105).
struct TEssai
{
    TPetiteSaison p;
    TSaison& s;
    TJoueur* dupre = nullptr;
    TJoueur* minuscule = nullptr;
    TJoueur* homonyme = nullptr;
    int modifications = 0;
    TOwned<Tf_Recherche> f;

    explicit TEssai(int sport = sportFootball) : p(PetiteSaison(sport)), s(*p.saison)
    {
        EnregistreFiches();
        auto joueur = [&](const std::string& nom, const char* prenom, int t, int age) {
            auto j = s.CreeJoueur(nom, prenom, -1, t);
            j->Age = static_cast<uint8_t>(age);
            return s.Joueurs().AjouteJoueur(std::move(j));
        };
        dupre = joueur(L1("Dupré"), "Marc", 2, 85);
        dupre->DateNaissance = EncodeDate(1985, 6, 12);
        minuscule = joueur("dupont", "Luc", 3, 60);
        homonyme = joueur(L1("Dupônt"), "Jean", 1, 79);
        p.dupont->Age = 84;
        p.dupont->DateNaissance = EncodeDate(1985, 2, 3);
        p.martin->Age = 70;
        f.reset(new Tf_Recherche(nullptr));
        f->OnModification = [this] { ++modifications; };
        f->ChangeCouleurs(f->Couleurs);
        f->ChangeSaison(&s);
        f->SetBounds(0, 0, 800, 560);
        kit::ShowForm(f.get());
    }

    std::vector<std::string> Noms()
    {
        std::vector<std::string> v;
        for (int r = 1; r < f->sg_Recherche->RowCount(); ++r)
            v.push_back(f->sg_Recherche->Cells(1, r) + " " + f->sg_Recherche->Cells(2, r));
        return v;
    }
    int Ligne(const TJoueur* j)
    {
        for (int r = 1; r < f->sg_Recherche->RowCount(); ++r)
            if (f->JoueurLigne(r) == j)
                return r;
        return -1;
    }
    TPoint Centre(int ligne)
    {
        const TRect c = f->sg_Recherche->CellRect(1, ligne);
        return Point((c.Left + c.Right) / 2, (c.Top + c.Bottom) / 2);
    }
    void Cherche(const std::string& nom)
    {
        f->Edit1->SetText(nom);
        kit::Click(f->b_Rechercher);
    }
};

void Repond(int resultat, std::vector<std::string>& textes)
{
    kit::WhenModal([resultat, &textes](TForm* m) {
        if (auto* b = dynamic_cast<Tf_MessageUtil*>(m))
            textes.push_back(b->Label1->Caption());
        m->SetModalResult(resultat);
    });
}

// The texts of the name and first-name cells that their column cuts.
std::vector<std::string> Rognes(TColorStringGrid& g)
{
    TBitmap b(1, 1);
    b.Canvas().Font = g.Font();
    std::vector<std::string> v;
    for (int r = 1; r < g.RowCount(); ++r)
        for (int k : {1, 2})
            if (const int w = g.ColWidths(k); w / 30 + b.Canvas().TextWidth(g.Cells(k, r)) > w)
                v.push_back(g.Cells(k, r));
    return v;
}

// The texts in English for the time of a search, in French again after it.
struct TEnAnglais
{
    TEnAnglais() { InstalleTraducteur(std::make_unique<TTraducteur>(std::string(BZ_SOURCE_DATA_DIR) + "/texte/Texteen.txt")); }
    ~TEnAnglais() { InstalleTraducteur(std::make_unique<TTraducteur>(std::string(BZ_SOURCE_DATA_DIR) + "/texte/Textefr.txt")); }
};

// The last row of the squads grid whose name column holds nom; -1 without.
int LigneDuNom(const TColorStringGrid& g, const std::string& nom)
{
    int ligne = -1;
    for (int k = 1; k < g.RowCount(); ++k)
        if (g.Cells(2, k) == nom)
            ligne = k;
    return ligne;
}

}  // namespace

// Names, prefixes, accents and case; positions; ages between two values
// (reversed edits swapped) and a birth year on two digits.
TEST(Recherche, NamesPrefixesPositionsAndAges)
{
    TEssai e;
    EXPECT_EQ(e.f->sg_Recherche->Cells(1, 1), Traduire(185));
    EXPECT_EQ(Rognes(*e.f->sg_Recherche), std::vector<std::string>{});
    ASSERT_EQ(e.f->clb_Poste->Items().Count(), 4);
    enum TMode { Tous, Aucun, Entre, Annee };
    struct TCas
    {
        std::string nom;
        TMode mode;
        std::vector<std::string> attendus;
        bool anglais = false;
    };
    const std::vector<TCas> cas = {
        {"Dup*", Tous, {"Dupont Jean", L1("Dupônt Jean"), L1("Dupré Marc")}},
        {"Dupont", Tous, {"Dupont Jean", L1("Dupônt Jean")}},
        {"dupont", Tous, {"dupont Luc"}},
        {"Dupre", Tous, {L1("Dupré Marc")}},
        {"Du*", Aucun, {Traduire(185) + " "}},
        {"Dup*", Entre, {"Dupont Jean", L1("Dupré Marc")}},   // born 1981..1987
        {"D*", Annee, {"Dupont Jean", L1("Dupré Marc")}},     // born in 1985
        // An empty name searches on the other criteria alone.
        {"", Entre, {"Dupont Jean", L1("Dupré Marc")}},
        {"", Annee, {"Dupont Jean", L1("Dupré Marc")}},
        {"", Aucun, {Traduire(185) + " "}},
        {"Zzz", Tous, {Traduire(185) + " "}},
        {"Zzz", Tous, {"No player found "}, true},
    };
    for (const TCas& c : cas)
    {
        std::optional<TEnAnglais> anglais;
        if (c.anglais)
            anglais.emplace();
        for (int i = 0; i < e.f->clb_Poste->Items().Count(); ++i)
            e.f->clb_Poste->SetChecked(i, c.mode != Aucun);
        e.f->RondCoche4->SetChecked(c.mode == Tous || c.mode == Aucun);
        e.f->RondCoche5->SetChecked(c.mode == Entre);
        e.f->rc_naissance->SetChecked(c.mode == Annee);
        e.f->ActiveAge(nullptr);
        e.f->Edit2->SetText("24");
        e.f->Edit3->SetText("18");
        e.f->e_AgeJour->SetText("");
        e.f->e_AgeMois->SetText("");
        e.f->e_AgeAnnee->SetText("85");
        e.Cherche(c.nom);
        // Results by accent-free name; namesakes of other teams in either order.
        std::vector<std::string> noms = e.Noms(), attendus = c.attendus;
        if (noms.size() == 3)
        {
            EXPECT_EQ(noms[2], L1("Dupré Marc"));
        }
        std::sort(noms.begin(), noms.end());
        std::sort(attendus.begin(), attendus.end());
        EXPECT_EQ(noms, attendus) << c.nom << " " << c.mode;
        // Every name whole in its cell, and the word that says none was found.
        EXPECT_EQ(Rognes(*e.f->sg_Recherche), std::vector<std::string>{}) << c.nom << " " << c.mode;
        if (c.nom == "Zzz")
            kit::GrabToPng(e.f.get(), c.anglais ? "recherche-aucun-en" : "recherche-aucun");
        if (c.mode == Entre)
        {
            EXPECT_EQ(e.f->Edit2->GetText(), "18");
            EXPECT_EQ(e.f->Edit3->GetText(), "24");
        }
    }
    EXPECT_EQ(e.f->ModeListe, 1);
    // An empty name names nobody in particular: every player of the checked
    // positions at any age.
    e.f->Edit1->SetText("");
    kit::Click(e.f->b_Rechercher);
    EXPECT_EQ(static_cast<int>(e.Noms().size()), e.s.Joueurs().NbJoueur());
    // Enter in the name runs the search.
    e.f->RondCoche4->SetChecked(true);
    for (int i = 0; i < e.f->clb_Poste->Items().Count(); ++i)
        e.f->clb_Poste->SetChecked(i, true);
    e.f->Edit1->SetText("Martin");
    kit::PressKey(e.f->Edit1, VK_RETURN);
    EXPECT_EQ(e.Noms(), (std::vector<std::string>{"Martin Paul"}));
    EXPECT_EQ(e.f->sg_Recherche->Cells(4, 1), "Brivant");
    EXPECT_EQ(e.f->sg_Recherche->Cells(5, 1), "1");
    // The birth date boxes are named underneath.
    for (const auto& [nom, legende] : {std::pair<std::string, std::string>{"l_AgeJour", "jour"}, {"l_AgeMois", "mois"}, {"l_AgeAnnee", L1("Année")}})
    {
        auto* l = dynamic_cast<TLabel*>(e.f->FindComponent(nom));
        ASSERT_NE(l, nullptr) << nom;
        EXPECT_EQ(l->Caption(), legende);
        EXPECT_TRUE(l->Visible());
    }
    kit::GrabToPng(e.f.get(), "recherche");
}

// The age column shows the squads grid's age and the range between 18 and 24
// finds by it: a player entered as 22 in a 2026 season is 22 here too; a
// season without a year shows the year of birth and puts nobody in a range.
TEST(Recherche, AgeAsTheSquadsShowIt)
{
    struct TCas
    {
        int annee;   // the season's year - 1900
        int octet;   // Dupont's stored year of birth - 1900
        std::string montre;
        bool trouve;   // between 18 and 24
    };
    const std::vector<TCas> cas = {
        {105, 85, "20", true},       {126, 104, "22", true},    {105, 90, "15", false}, {0, 90, "1990", false},
        {105, 105, "2005", false},   {105, 110, "2010", false}, {105, 0, "-", false},   {105, 81, "24", true},
        {105, 87, "18", true},       {105, 80, "25", false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.montre);
        TEssai e;
        // Both championships of the season in that year.
        e.p.c1->SetOption(8, c.annee);
        e.p.c2->SetOption(8, c.annee);
        e.p.dupont->Age = static_cast<uint8_t>(c.octet);
        e.Cherche("Dupont");
        const int r = e.Ligne(e.p.dupont);
        ASSERT_GT(r, 0);
        // A season without a year says its column holds years of birth.
        EXPECT_EQ(e.f->sg_Recherche->Cells(3, 0), Traduire(c.annee ? 293 : 73));
        EXPECT_EQ(e.f->sg_Recherche->Cells(3, r), c.montre);
        // The squads grid of his team shows the same.
        TOwned<Tf_Effectifs> effectifs(new Tf_Effectifs(nullptr));
        effectifs->ChangeCouleurs(effectifs->Couleurs);
        effectifs->ChangeSaison(&e.s);
        effectifs->RemplitEquipes(0, false);
        const TColorStringGrid& g = *effectifs->sg_TableauEquipe;
        const int ligne = LigneDuNom(g, "Dupont");
        ASSERT_GT(ligne, 0);
        EXPECT_EQ(g.Cells(4, ligne), c.montre);

        e.f->RondCoche5->SetChecked(true);
        e.f->ActiveAge(nullptr);
        e.f->Edit2->SetText("18");
        e.f->Edit3->SetText("24");
        e.Cherche("Dupont");
        EXPECT_EQ(e.Ligne(e.p.dupont) > 0, c.trouve);
    }
}

// Ages are counted in the season's year wherever the current championship
// has none of its own (a cup): the first championship that has one gives it.
// Only a season where no championship has a year shows years of birth, and
// the column then says so. Dupont was born in 1984.
TEST(Recherche, AgeCountedInTheSeasonsYear)
{
    struct TCas
    {
        bool coupeCourante;
        int anneeLigue, anneeCoupe;
        std::string montre;
        bool trouve;   // between 18 and 24
    };
    const std::vector<TCas> cas = {
        {true, 105, 0, "21", true},     {true, 105, 110, "26", false}, {true, 0, 0, "1984", false},
        {false, 0, 105, "21", true},    {false, 105, 0, "21", true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << c.coupeCourante << " " << c.anneeLigue << " " << c.anneeCoupe);
        TEssai e;
        e.p.c1->SetOption(8, c.anneeLigue);
        e.p.c2->SetOption(8, c.anneeCoupe);
        e.s.SetChampionnatCourant(c.coupeCourante ? e.p.c2 : e.p.c1);
        const std::string titre = Traduire(c.montre.size() == 4 ? 73 : 293);
        e.Cherche("Dupont");
        const int r = e.Ligne(e.p.dupont);
        ASSERT_GT(r, 0);
        EXPECT_EQ(e.f->sg_Recherche->Cells(3, 0), titre);
        EXPECT_EQ(e.f->sg_Recherche->Cells(3, r), c.montre);
        TOwned<Tf_Effectifs> effectifs(new Tf_Effectifs(nullptr));
        effectifs->ChangeCouleurs(effectifs->Couleurs);
        effectifs->ChangeSaison(&e.s);
        effectifs->SetBounds(0, 0, 1000, 400);
        kit::ShowForm(effectifs.get());
        effectifs->RemplitEquipes(0, false);
        const TColorStringGrid& g = *effectifs->sg_TableauEquipe;
        EXPECT_EQ(g.Cells(4, 0), titre);
        const int ligne = LigneDuNom(g, "Dupont");
        ASSERT_GT(ligne, 0);
        EXPECT_EQ(g.Cells(4, ligne), c.montre);
        if (c.coupeCourante && c.anneeCoupe == 0)
            kit::GrabToPng(effectifs.get(), c.anneeLigue ? "effectifs_age_coupe" : "effectifs_sans_annee");
        if (c.coupeCourante && c.anneeLigue == 0)
        {
            // In English too.
            InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(dessin_essai::DossierDonnees(), "texte\\Texteen.txt")));
            effectifs->RemplitEquipes(0, false);
            EXPECT_EQ(g.Cells(4, 0), "Year of birth");
            kit::GrabToPng(effectifs.get(), "effectifs_sans_annee_en");
            InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(dessin_essai::DossierDonnees(), "texte\\Textefr.txt")));
            effectifs->RemplitEquipes(0, false);
        }
        e.f->RondCoche5->SetChecked(true);
        e.f->ActiveAge(nullptr);
        e.f->Edit2->SetText("18");
        e.f->Edit3->SetText("24");
        e.Cherche("");
        EXPECT_EQ(e.Ligne(e.p.dupont) > 0, c.trouve);
    }
}

// Namesakes once accents are gone come out as one group; the merge by drag
// keeps the larger career value of each key, renames every reference and
// frees the other player.
TEST(Recherche, DuplicatesAndMergeByDrag)
{
    TEssai e;
    TJoueur* a = e.p.dupont;
    TJoueur* b = e.homonyme;
    const uint32_t c1 = static_cast<uint32_t>(e.p.c1->CodeChamp), c2 = static_cast<uint32_t>(e.p.c2->CodeChamp);
    a->SetNbMatchCarriere(c1, 10);
    a->SetStatCarriere(c1, 1, 3);
    b->SetNbMatchCarriere(c1, 5);
    b->SetStatCarriere(c1, 1, 7);
    b->SetNbMatchCarriere(c2, 4);
    const int32_t nb = b->Numero;
    const int joueursAvant = e.s.Joueurs().NbJoueur();
    // b named in a line-up, an assist and as captain.
    TInfoComp* m = e.p.c1->Match(3, 1);
    ASSERT_NE(m, nullptr);
    m->SetNbTitulaire(11);
    m->SetJoueurTitulaire(m->IdEquipe(0), 2, nb);
    m->SetCapitaine(m->IdEquipe(0), nb);
    e.p.c1->ListeDonnees(4, 3)->Ajoute(std::make_unique<TDonneesEvt>(nb, 0, 12, 0));

    // "dupont Luc" is out of the way of the namesakes.
    e.minuscule->Nom = "Autre";
    e.s.Joueurs().RangeJoueur(e.minuscule);
    kit::Click(e.f->b_Verifier);
    EXPECT_EQ(e.f->ModeListe, 2);
    ASSERT_EQ(e.Noms().size(), 2u);
    EXPECT_GT(e.Ligne(a), 0);
    EXPECT_GT(e.Ligne(b), 0);

    std::vector<std::string> textes;
    Repond(mrYes, textes);
    kit::WhenModal([](TForm* carte) { carte->SetModalResult(mrCancel); });
    e.f->sg_Recherche->FocusCell(1, e.Ligne(b), true);
    const TPoint surA = e.Centre(e.Ligne(a));
    e.f->sg_RechercheDragDrop(e.f->sg_Recherche, e.f->sg_Recherche, surA.X, surA.Y);
    ASSERT_EQ(textes.size(), 1u);
    // The question says what happens, naming each namesake with his team:
    // the second goes, his matches go to the first, who takes over his
    // career counts where larger; his year of birth and his club go.
    const std::string brivant = "Dupont Jean (Brivant)";
    EXPECT_EQ(textes[0], TraduireFormat(297, {brivant, L1("Dupônt Jean (Zelvor)"), brivant}) + "\n" +
                             TraduireFormat(5841, {brivant, TraduireFormat(5845, {TraduireFormat(5844, {TraduireFormat(5843, {std::string("Division 1")})}),
                                                                                  TraduireFormat(5843, {std::string("Coupe")})})}) +
                             "\n" + TraduireFormat(5842, {brivant, TraduireFormat(5845, {DeuxPoints(Traduire(73), "1979"),
                                                                                   DeuxPoints(Traduire(1380), "Zelvor")})}));
    EXPECT_EQ(kit::ForgetModalActions(), 0u);   // the card opened too
    EXPECT_EQ(a->NbMatchCarriere(c1), 10);
    EXPECT_EQ(a->StatCarriere(c1, 1), 7);
    EXPECT_EQ(a->NbMatchCarriere(c2), 4);
    // b is freed: only the count and the numbers are looked at.
    EXPECT_EQ(e.s.Joueurs().NbJoueur(), joueursAvant - 1);
    for (int i = 0; i < e.s.Joueurs().NbJoueur(); ++i)
        EXPECT_NE(e.s.Joueurs().Joueur(i)->Numero, nb);
    EXPECT_EQ(m->JoueurTitulaire(m->IdEquipe(0), 2), a->Numero);
    EXPECT_EQ(m->Capitaine(m->IdEquipe(0)), a->Numero);
    EXPECT_EQ(e.p.c1->ListeDonnees(4, 3)->Donnee(0)->IdJoueur(), a->Numero);
    EXPECT_GT(e.modifications, 0);
    // No namesakes left: the grid keeps its rows, the merged one names nobody.
    EXPECT_EQ(e.Noms().size(), 2u);
    EXPECT_GT(e.Ligne(a), 0);
    for (int r = 1; r <= 2; ++r)
        EXPECT_TRUE(e.f->JoueurLigne(r) == a || e.f->JoueurLigne(r) == nullptr);
}

// Deleting for good is refused while any record names the player, whichever
// list holds it; a player no match names goes after the question.
TEST(Recherche, DeleteForGoodRefusedWhileNamed)
{
    struct TCas
    {
        const char* quoi;
        int sport;
        std::function<void(TEssai&, int32_t)> nomme;
    };
    const std::vector<TCas> cas = {
        {"assist", sportFootball, [](TEssai& e, int32_t id) { e.p.c1->ListeDonnees(4, 2)->Ajoute(std::make_unique<TDonneesEvt>(id, 0, 3, 0)); }},
        {"conversion", sportRugby, [](TEssai& e, int32_t id) { e.p.c1->ListeDonnees(6, 1)->Ajoute(std::make_unique<TDonneesEvt>(id, 0, 3, 0)); }},
        {"drop", sportRugby, [](TEssai& e, int32_t id) { e.p.c1->ListeDonnees(7, 2)->Ajoute(std::make_unique<TDonneesEvt>(id, 0, 3, 0)); }},
        {"box score", sportBasket, [](TEssai& e, int32_t id) {
             dynamic_cast<TDonneesChampionnatStat&>(*e.p.c1).ListeStat(1, 10)->Ajoute(TDonneesEvt::CreateId(id, 0, 2));
         }},
        {"captain", sportFootball, [](TEssai& e, int32_t id) { e.p.c1->Match(1, 1)->SetCapitaine(e.p.c1->Match(1, 1)->IdEquipe(0), id); }},
        {"coming on", sportFootball, [](TEssai& e, int32_t id) {
             TInfoComp* m = e.p.c1->Match(2, 1);
             m->SetNbRemp(3);
             m->SetRemplacement(m->IdEquipe(0), e.p.dupont->Numero, id, 70, 2);
         }},
        {"nothing", sportFootball, nullptr},
    };
    for (const TCas& c : cas)
    {
        TEssai e(c.sport);
        const int32_t id = e.dupre->Numero;
        if (c.nomme)
            c.nomme(e, id);
        e.Cherche("Dupr*");
        ASSERT_EQ(e.Ligne(e.dupre), 1) << c.quoi;
        e.f->sg_Recherche->FocusCell(1, 1, true);
        std::vector<std::string> textes;
        Repond(c.nomme ? mrOk : mrYes, textes);
        e.f->mi_EffacerClick(nullptr);
        ASSERT_EQ(textes.size(), 1u) << c.quoi;
        if (c.nomme)
        {
            EXPECT_EQ(textes[0], Traduire(298)) << c.quoi;
            EXPECT_NE(e.s.Joueurs().ChercheJoueur(id, -1), nullptr) << c.quoi;
            EXPECT_EQ(e.modifications, 0) << c.quoi;
        }
        else
        {
            EXPECT_EQ(e.s.Joueurs().ChercheJoueur(id, -1), nullptr);
            EXPECT_EQ(e.Noms(), (std::vector<std::string>{Traduire(185) + " "}));
            EXPECT_GT(e.modifications, 0);
        }
    }
}

// A transfer to another club: history lines, previous club, year; to the
// player's own club nothing changes. The card opens on a double click.
TEST(Recherche, TransferAndCard)
{
    TEssai e;
    e.Cherche("Dupont");
    e.f->sg_Recherche->FocusCell(1, e.Ligne(e.p.dupont), true);
    auto vers = [&](const std::string& club) {
        kit::WhenModal([club](TForm* m) {
            auto* t = dynamic_cast<Tf_TransJoueur*>(m);
            ASSERT_NE(t, nullptr);
            ASSERT_EQ(t->cb_Club->Items().Count(), 4);
            t->cb_Club->SetText(club);
            kit::GrabToPng(t, "recherche_transfert");
            kit::Click(t->b_Valider);
        });
        e.f->mi_Transferer->Click();
    };
    vers("Brivant");
    EXPECT_EQ(e.p.dupont->ClubActuel, 0);
    EXPECT_EQ(e.p.dupont->NbHistorique(), 0);
    EXPECT_EQ(e.modifications, 0);
    vers("Zelvor");
    TJoueur* j = e.s.Joueurs().ChercheJoueurNom("DUPONT", "JEAN");
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->ClubActuel, 1);
    EXPECT_EQ(j->Duree, 105);
    EXPECT_EQ(e.s.NomClubPrec(j->ClubPrec), "Brivant");
    EXPECT_EQ(j->NbHistorique(), 2);
    EXPECT_GT(e.modifications, 0);
    // The list is repeated: his row shows the new club.
    EXPECT_EQ(e.f->sg_Recherche->Cells(4, e.Ligne(j)), "Zelvor");

    bool carte = false;
    kit::WhenModal([&](TForm* m) {
        auto* fiche = dynamic_cast<Tf_FicheJoueur*>(m);
        ASSERT_NE(fiche, nullptr);
        carte = fiche->Joueur == j && (fiche->Tag & 0xFFFF) == 1;
        kit::Click(fiche->b_Valider);
    });
    kit::DblClick(e.f->sg_Recherche, e.Centre(e.Ligne(j)).X, e.Centre(e.Ligne(j)).Y);
    EXPECT_TRUE(carte);
}

// Printed grid and HTML page read back.
TEST(Recherche, HtmlPage)
{
    TEssai e;
    e.Cherche("Dup*");
    const std::string page = MakePath(kit::TempDir(), "recherche.html");
    e.f->EnregistreHTML(page);
    std::ifstream in(page, std::ios::binary);
    const html_lu::TPage lu = html_lu::Lit(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    ASSERT_TRUE(lu.lu);
    EXPECT_TRUE(lu.equilibree);
    ASSERT_FALSE(lu.tables.empty());
    EXPECT_EQ(lu.tables.back().size(), 4u);
    int duponts = 0;
    for (const auto& ligne : lu.tables.back())
        duponts += ligne.size() > 1 && ligne[1] == "Dupont";
    EXPECT_EQ(duponts, 1);
}
