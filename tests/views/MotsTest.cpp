// The words the views write beside their figures, in English and in French,
// on the screen, on paper and in HTML: each figure headed by what the sport
// counts, each number with its language's plural and signs, each round of a
// cup named as a round. One table per rule; the words expected are written
// out in full.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Printers.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/MotsPdf.h"
#include "tests/support/SortieCommande.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/ColorStringGrid.h"
#include "views/w_Classement.h"
#include "views/w_DiversStat.h"
#include "views/w_InfoEquipes.h"
#include "views/w_InfoGeneral.h"

namespace {

void Langue(const std::string& langue)
{
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), "texte\\Texte" + langue + ".txt")));
}

// A view shown in a window as the main window shows it, with what a row
// reads on the screen.
struct TVueMontree
{
    vues::TSaisonVue saison;
    TOwned<TForm> fenetre = kit::NewForm(980, 640);
    TPanel* panneau = nullptr;
    TFootForm* vue = nullptr;
    std::function<std::string()> ecran;

    TVueMontree()
    {
        panneau = new TPanel(fenetre.get());
        panneau->SetAlign(alClient);
        panneau->SetParent(fenetre.get());
    }
    void Integre(TFootForm* f)
    {
        vue = f;
        f->ChangeCouleurs(vues::Module()->Couleurs);
        f->ChangeSaison(saison.saison.get());
        IntegreFiche(f, panneau);
        kit::ShowForm(fenetre.get());
    }
};

std::string Ligne(const TColorStringGrid& g, int row)
{
    std::string s;
    for (int c = 0; c < g.ColCount(); ++c)
        s += (c ? " | " : "") + g.Cells(c, row);
    return Cp1252ToUtf8(s);
}

// Printed and exported, the words the screen shows are there too.
void PapierEtPage(TVueMontree& v, const std::string& nom, const std::vector<std::string>& mots)
{
    const std::string pdf = MakePath(kit::TempDir(), nom + ".pdf");
    DeleteFile(pdf);
    Printer().SetOutputFileName(pdf);
    v.vue->Imprime();
    Printer().SetOutputFileName("");
    std::string papier;
    for (const essai::TPagePdf& p : essai::LitPdf(pdf))
        for (const essai::TMotPdf& m : p.mots)
            papier += m.texte + " ";
    const std::string html = MakePath(kit::TempDir(), nom + ".html");
    v.vue->EnregistreHTML(html);
    std::string page;
    ASSERT_TRUE(ReadFileBytes(html, page));
    page = Cp1252ToUtf8(page);
    for (const std::string& mot : mots) {
        // words split as pdftotext splits them
        std::string suite;
        for (size_t a = 0; a < mot.size();) {
            const size_t b = std::min(mot.find(' ', a), mot.size());
            if (b > a)
                suite += mot.substr(a, b - a) + " ";
            a = b + 1;
        }
        EXPECT_NE(papier.find(suite), std::string::npos) << "printed: " << mot << "\n" << papier;
        std::string echappe = mot;
        for (size_t p = echappe.find('&'); p != std::string::npos; p = echappe.find('&', p + 1))
            echappe.replace(p, 1, "&amp;");
        EXPECT_NE(page.find(echappe), std::string::npos) << "HTML: " << mot;
    }
}

// ---- a figure headed by what its sport counts -----------------------------------------------

struct CasEntete
{
    const char* langue;
    const char* nom;
    std::function<void(TVueMontree&)> ouvre;
    std::string entete;   // the heading of the figure's column
};

void Standings(TVueMontree& v, int sport, int mode)
{
    v.saison = vues::LigueVide(sport, 4, 2);
    v.saison.c1->CreeMatch(1, v.saison.c1->IdEquipe(0), v.saison.c1->IdEquipe(1), 25, 20);
    v.saison.c1->DerniereJournee = 1;
    Tf_Classement* f = OuvreClassement(v.fenetre.get(), v.panneau, nullptr, v.saison.saison.get(),
                                       vues::Module()->Couleurs, nullptr, mode,
                                       MakePath(GetTempDir(), "brivantel-mots.ini"));
    v.vue = f;
    kit::ShowForm(v.fenetre.get());
    kit::Process();
    v.ecran = [f] { return Ligne(*f->sg_Classement, 0); };
}

void BestPlayers(TVueMontree& v, int sport, int mode)
{
    v.saison = vues::LigueVide(sport, 4, 2);
    v.saison.c1->CreeMatch(1, v.saison.c1->IdEquipe(0), v.saison.c1->IdEquipe(1), 25, 20);
    v.saison.c1->DerniereJournee = 1;
    auto* f = new Tf_InfoEquipes(v.fenetre.get());
    v.Integre(f);
    f->InitParam(0, v.saison.c1->CodeChamp);
    f->AfficheVue(mode);
    kit::Process();
    v.ecran = [f] { return Ligne(*f->sg_Buteur, 0); };
}

TEST(Mots, EachFigureHeadedByWhatItsSportCounts)
{
    const CasEntete cas[] = {
        // commands 237 and 64: handball's 7-metre goals, football's penalties scored
        {"en", "hand-7m", [](TVueMontree& v) { Standings(v, 3, 76); }, "7-metre goals"},
        {"fr", "hand-7m", [](TVueMontree& v) { Standings(v, 3, 76); }, "Buts sur jet de 7 m"},
        {"en", "foot-pen", [](TVueMontree& v) { Standings(v, 0, 30); }, "Penalties scored"},
        {"fr", "foot-pen", [](TVueMontree& v) { Standings(v, 0, 30); }, "Penaltys marqués"},
        // each team's best (view 3 + kind): rugby's points (who scores them is the row)
        {"en", "rugby-points", [](TVueMontree& v) { BestPlayers(v, 1, 4); }, "Points"},
        {"fr", "rugby-points", [](TVueMontree& v) { BestPlayers(v, 1, 4); }, "Points"},
        {"en", "basket-points", [](TVueMontree& v) { BestPlayers(v, 2, 5); }, "Pts"},
        {"en", "hand-goals", [](TVueMontree& v) { BestPlayers(v, 3, 0); }, "Goals"},
        {"fr", "hand-goals", [](TVueMontree& v) { BestPlayers(v, 3, 0); }, "Buts"},
    };
    for (const CasEntete& c : cas) {
        SCOPED_TRACE(std::string(c.nom) + " " + c.langue);
        Langue(c.langue);
        TVueMontree v;
        c.ouvre(v);
        const std::string ecran = v.ecran();
        EXPECT_NE((ecran + " |").find(" | " + c.entete + " |"), std::string::npos) << ecran;
        for (const char* ailleurs : {"Penalties scored", "Penaltys marqués", "Points scorers", "Réalisateurs"})
            if (c.entete != ailleurs)
                EXPECT_EQ(ecran.find(ailleurs), std::string::npos) << ecran;
        PapierEtPage(v, std::string("mots-") + c.nom + "-" + c.langue, {c.entete});
    }
    Langue("fr");
}

// ---- a number written as its language writes it --------------------------------------------

// A cup of four in a football season: semi-finals on matchday 1, the final
// on 2. Olympique Brivant - Racing Zelvor 1-1 (goals at 10' and 70', so 1-0
// at half-time), won 5-4 on the shoot-out; Stade Marnois - AS Corvelle 2-0.
// Crowds of 800 and 1200.
vues::TSaisonVue Coupe()
{
    vues::TSaisonVue v = vues::LigueVide(0, 4, 2);
    TSaison& s = *v.saison;
    auto coupe = s.CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    coupe->OptionsParDefaut();
    coupe->CodeChamp = 7;
    for (int p = 0; p < 4; ++p)
        coupe->AjouteEquipe(v.c1->IdEquipe(p));
    const TInfoTourCoupe tours[] = {{2, 2, 1}, {1, 1, 1}};
    coupe->CreeToursCoupe(tours);
    const int a = v.c1->IdEquipe(0), b = v.c1->IdEquipe(1), c = v.c1->IdEquipe(2), d = v.c1->IdEquipe(3);
    coupe->CreeMatch(1, a, b, 1, 1);
    coupe->CreeMatch(1, c, d, 2, 0);
    coupe->AjoutePenalty(1, a, b, 5, 4);
    coupe->SetAffluenceMatch(1, 1, 800);
    coupe->SetAffluenceMatch(1, 2, 1200);
    s.Joueurs().AjouteJoueur(s.CreeJoueur("Avant", "Jean", 70001, a));
    s.Joueurs().AjouteJoueur(s.CreeJoueur("Ailier", "Paul", 70002, b));
    coupe->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(70001, a, 10, 0));
    coupe->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(70002, b, 70, 0));
    coupe->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(70001, c, 20, 0));
    coupe->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(70001, c, 30, 0));
    coupe->DerniereJournee = 1;
    coupe->NbJournee = 1;
    TDonneesChampionnat* k = s.Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(coupe), "Coupes")->Championnat();
    s.SetChampionnatCourant(k);
    v.c1 = k;
    return v;
}

struct CasNombre
{
    const char* langue;
    const char* nom;
    std::function<void(TVueMontree&)> ouvre;
    std::vector<std::string> mots;   // as the screen shows them, and paper and HTML
};

Tf_DiversStat* Divers(TVueMontree& v, vues::TSaisonVue saison)
{
    v.saison = std::move(saison);
    auto* f = new Tf_DiversStat(v.fenetre.get());
    f->ExecuteCommande = [](int, int, bool) {};
    v.Integre(f);
    return f;
}

std::string Grille(const TColorStringGrid& g)
{
    std::string s;
    for (int r = 0; r < g.RowCount(); ++r)
        s += Ligne(g, r) + "\n";
    return s;
}

// "Place held" of the four teams of the views' season: the leader 3 points,
// 2 more than the second after matchday 1; the last 1 point, 1 fewer than
// the third after matchday 3. The home record: each share dropped as a
// percentage.
TEST(Mots, EachNumberWithItsLanguagesPluralAndSigns)
{
    auto place = [](const char* p) {
        return [p](TVueMontree& v) {
            Tf_DiversStat* f = Divers(v, vues::QuatreEquipes());
            f->AffichePlaceOccupee();
            f->Edit4->SetText(p);
            v.ecran = [f] { return Grille(*f->sg_Stats); };
        };
    };
    auto domicile = [](TVueMontree& v) {
        Tf_DiversStat* f = Divers(v, vues::QuatreEquipes());
        f->AfficheComportementDomicile();
        v.ecran = [f] { return Grille(*f->sg_Stats); };
    };
    auto coupe = [](TVueMontree& v) {
        Tf_DiversStat* f = Divers(v, Coupe());
        int journee = 1;
        f->AfficheJournee(&journee);
        v.ecran = [f] { return Grille(*f->sg_Stats); };
    };
    const CasNombre cas[] = {
        {"en", "leader", place("1"), {"1 | Olympique Brivant | 3 | + 2 pts"}},
        {"fr", "leader", place("1"), {"1 | Olympique Brivant | 3 | + 2 pts"}},
        {"en", "last", place("4"), {"3 | Racing Zelvor | 1 | - 1 pt"}},
        {"fr", "last", place("4"), {"3 | Racing Zelvor | 1 | - 1 pt"}},
        {"en", "home", domicile, {"%", "Share dropped"}},
        {"fr", "home", domicile, {" %", "Pourcentage perdu"}},
        {"en", "cup", coupe, {"1 - 1 (1-0)", "Shoot-out: 5 - 4"}},
        {"fr", "cup", coupe, {"1 - 1 (1-0)", "Tirs au but : 5 - 4"}},
    };
    for (const CasNombre& c : cas) {
        SCOPED_TRACE(std::string(c.nom) + " " + c.langue);
        Langue(c.langue);
        TVueMontree v;
        c.ouvre(v);
        const std::string ecran = v.ecran();
        for (const std::string& mot : c.mots)
            EXPECT_NE(ecran.find(mot), std::string::npos) << mot << "\n" << ecran;
        if (std::string(c.nom) == "home") {
            // every share: digits, then the sign as the language writes it
            const TColorStringGrid& g = *dynamic_cast<Tf_DiversStat*>(v.vue)->sg_Stats;
            for (int r = 1; r < g.RowCount(); ++r) {
                const std::string t = g.Cells(3, r);
                const size_t chiffres = t.find_first_not_of("0123456789");
                EXPECT_EQ(t.substr(chiffres), std::string(c.langue) == "en" ? "%" : " %") << t;
            }
            continue;   // a view the window does not print as such
        }
        std::vector<std::string> mots;
        for (const std::string& m : c.mots)
            for (size_t a = m.find(" | "), d = 0;; a = m.find(" | ", d)) {
                mots.push_back(m.substr(d, a == std::string::npos ? std::string::npos : a - d));
                if (a == std::string::npos)
                    break;
                d = a + 3;
            }
        PapierEtPage(v, std::string("mots-") + c.nom + "-" + c.langue, mots);
    }
    Langue("fr");
}

// ---- a cup's round named as a round ---------------------------------------------------------

// The cup's information page: the most and fewest goals of a matchday with the
// round they were scored in, and the best attendances with theirs.
TEST(Mots, ACupsRoundNamedAsARound)
{
    const struct
    {
        const char* langue;
        std::string tour, journee;
    } cas[] = {{"en", "Semi-finals", "Matchday"}, {"fr", "Demi-finales", "Journée"}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.langue);
        Langue(c.langue);
        TVueMontree v;
        v.saison = Coupe();
        EnregistreInfoGeneral();
        Tf_InfoGeneral* f = ClasseInfoGeneral(v.saison.saison.get())->Cree(v.fenetre.get());
        v.Integre(f);
        f->Calcule(1);
        kit::Process(30);
        // 4 goals on the one matchday played: both the most and the fewest
        EXPECT_EQ(Cp1252ToUtf8(f->L("Label54")->Caption()), "4 (" + c.tour + ")");
        EXPECT_EQ(Cp1252ToUtf8(f->L("Label55")->Caption()), "4 (" + c.tour + ")");
        const TColorStringGrid& g = *f->sg_Affluence;
        ASSERT_GE(g.RowCount(), 2);
        EXPECT_EQ(Cp1252ToUtf8(g.Cells(7, 0)), c.tour);
        EXPECT_EQ(Cp1252ToUtf8(g.Cells(7, 1)), c.tour);
        EXPECT_EQ(Grille(g).find(Cp1252ToUtf8(c.journee)), std::string::npos);
        kit::GrabToPng(v.fenetre.get(), std::string("mots-coupe-info-") + c.langue);
        PapierEtPage(v, std::string("mots-coupe-info-") + c.langue, {"4 (" + c.tour + ")"});
    }
    Langue("fr");
}

}  // namespace
