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

std::string Grille(const TColorStringGrid& g)
{
    std::string s;
    for (int r = 0; r < g.RowCount(); ++r)
        s += Ligne(g, r) + "\n";
    return s;
}

// Blanks and line ends as one blank, as pdftotext parts the words.
std::string Blancs(const std::string& t)
{
    std::string s;
    for (char ch : t)
        if (!(ch == ' ' || ch == '\n') || (!s.empty() && s.back() != ' '))
            s += ch == '\n' ? ' ' : ch;
    return s;
}

// One row of a table: a view of a language, the words it shows and those it
// must not show; on the screen, then printed and exported.
struct Cas
{
    const char* langue;
    const char* nom;
    std::function<void(TVueMontree&)> ouvre;
    std::vector<std::string> mots, interdits;
};

void Verifie(const Cas& c)
{
    SCOPED_TRACE(std::string(c.nom) + " " + c.langue);
    Langue(c.langue);
    TVueMontree v;
    c.ouvre(v);
    const std::string pdf = MakePath(kit::TempDir(), std::string("mots-") + c.nom + "-" + c.langue + ".pdf");
    DeleteFile(pdf);
    Printer().SetOutputFileName(pdf);
    v.vue->Imprime();
    Printer().SetOutputFileName("");
    std::string papier;
    for (const essai::TPagePdf& p : essai::LitPdf(pdf))
        for (const essai::TMotPdf& m : p.mots)
            papier += m.texte + " ";
    const std::string html = pdf + ".html";
    v.vue->EnregistreHTML(html);
    std::string page;
    ASSERT_TRUE(ReadFileBytes(html, page));
    page = Cp1252ToUtf8(page);
    const std::string ecran = v.ecran();
    for (std::string mot : c.mots) {
        EXPECT_NE(ecran.find(mot), std::string::npos) << mot << "\n" << ecran;
        // a cell's words alone off the screen
        mot = mot.substr(mot.find_first_not_of("| \n"), mot.find_last_not_of("| \n") - mot.find_first_not_of("| \n") + 1);
        EXPECT_NE(papier.find(Blancs(mot)), std::string::npos) << "printed: " << mot << "\n" << papier;
        for (size_t a = 0, b = 0; a < mot.size(); a = b + 1) {   // each line in its cell
            b = std::min(mot.find('\n', a), mot.size());
            EXPECT_NE(page.find(mot.substr(a, b - a)), std::string::npos) << "HTML: " << mot;
        }
    }
    for (const std::string& mot : c.interdits)
        EXPECT_EQ(ecran.find(mot), std::string::npos) << mot << "\n" << ecran;
}

// ---- a figure headed by what its sport counts -----------------------------------------------

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
    v.ecran = [f] { return Ligne(*f->sg_Classement, 0) + " |"; };
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
    v.ecran = [f] { return Ligne(*f->sg_Buteur, 0) + " |"; };
}

TEST(Mots, EachFigureHeadedByWhatItsSportCounts)
{
    auto standings = [](int sport, int type) { return [=](TVueMontree& v) { Standings(v, sport, type); }; };
    auto best = [](int sport, int vue) { return [=](TVueMontree& v) { BestPlayers(v, sport, vue); }; };
    const std::vector<std::string> autres = {"Penalties scored", "Penaltys marqués", "Points scorers", "Réalisateurs"};
    const Cas cas[] = {
        // commands 237 and 64: handball's 7-metre goals, football's penalties scored
        {"en", "hand-7m", standings(3, 76), {"| 7-metre goals |"}, autres},
        {"fr", "hand-7m", standings(3, 76), {"| Buts sur jet de 7 m |"}, autres},
        {"en", "foot-pen", standings(0, 30), {"| Penalties scored |"}, {}},
        {"fr", "foot-pen", standings(0, 30), {"| Penaltys marqués |"}, {}},
        // each team's best (view 3 + kind): rugby's points (who scores them is the row)
        {"en", "rugby-points", best(1, 4), {"| Points |"}, autres},
        {"fr", "rugby-points", best(1, 4), {"| Points |"}, autres},
        {"en", "basket-points", best(2, 5), {"| Pts |"}, autres},
        {"en", "hand-goals", best(3, 0), {"| Goals |"}, autres},
        {"fr", "hand-goals", best(3, 0), {"| Buts |"}, autres},
    };
    for (const Cas& c : cas)
        Verifie(c);
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

// "Place held" of the four teams of the views' season: the leader 3 points,
// 2 more than the second after matchday 1; the last 1 point, 1 fewer than
// the third after matchday 3. The home record: each share dropped as a
// percentage.
TEST(Mots, EachNumberWithItsLanguagesPluralAndSigns)
{
    auto divers = [](bool coupe, const std::function<void(Tf_DiversStat&)>& affiche) {
        return [=](TVueMontree& v) {
            v.saison = coupe ? Coupe() : vues::QuatreEquipes();
            auto* f = new Tf_DiversStat(v.fenetre.get());
            f->ExecuteCommande = [](int, int, bool) {};
            v.Integre(f);
            affiche(*f);
            v.ecran = [f] { return Grille(*f->sg_Stats); };
        };
    };
    auto place = [&](const char* p) {
        return divers(false, [p](Tf_DiversStat& f) {
            f.AffichePlaceOccupee();
            f.Edit4->SetText(p);
        });
    };
    auto domicile = divers(false, [](Tf_DiversStat& f) { f.AfficheComportementDomicile(); });
    auto coupe = divers(true, [](Tf_DiversStat& f) {
        int journee = 1;
        f.AfficheJournee(&journee);
        kit::GrabToPng(f.Parent(), "mots-coupe-resume");
    });
    const Cas cas[] = {
        {"en", "leader", place("1"), {"| + 2 pts\n"}, {"- 2"}},
        {"fr", "leader", place("1"), {"| + 2 pts\n"}, {"- 2"}},
        {"en", "last", place("4"), {"| - 1 pt\n"}, {"pts"}},
        {"fr", "last", place("4"), {"| - 1 pt\n"}, {"pts"}},
        {"en", "home", domicile, {"| Share dropped\n"}, {" %"}},
        {"fr", "home", domicile, {"| Pourcentage perdu\n", " %\n"}, {}},
        {"en", "cup", coupe, {"| 1 - 1 (1-0) |", "| Shoot-out: 5 - 4 |"}, {"pen"}},
        {"fr", "cup", coupe, {"| 1 - 1 (1-0) |", "| Tirs au but : 5 - 4 |"}, {"pen"}},
    };
    for (const Cas& c : cas)
        Verifie(c);
    Langue("fr");
}

// ---- a cup's round named as a round ---------------------------------------------------------

// The cup's information page: the most and fewest goals of a matchday with the
// round they were scored in, and the best attendances with theirs.
// The cup's information page: the most and fewest goals of a round, with the
// round they were scored in (4 goals on the one matchday played), and the
// best attendances with theirs.
TEST(Mots, ACupsRoundNamedAsARound)
{
    auto info = [](TVueMontree& v) {
        v.saison = Coupe();
        EnregistreInfoGeneral();
        Tf_InfoGeneral* f = ClasseInfoGeneral(v.saison.saison.get())->Cree(v.fenetre.get());
        v.Integre(f);
        f->Calcule(1);
        kit::Process(30);
        kit::GrabToPng(v.fenetre.get(), "mots-coupe-info");
        v.ecran = [f] {
            std::string t;
            for (const char* l : {"Label17", "Label54", "Label18", "Label55"})
                t += f->L(l)->Caption() + "\n";
            return Cp1252ToUtf8(t) + Grille(*f->sg_Affluence);
        };
    };
    const Cas cas[] = {
        {"en", "cup-info", info,
         {"Highest-scoring round\n4 (Semi-finals)\n", "Lowest-scoring round\n4 (Semi-finals)\n", "| Semi-finals\n"},
         {"Matchday", "matchday"}},
        {"fr", "cup-info", info,
         {"Tour le plus prolifique\n4 (Demi-finales)\n", "Tour le moins prolifique\n4 (Demi-finales)\n", "| Demi-finales\n"},
         {"Journée", "journée"}},
    };
    for (const Cas& c : cas)
        Verifie(c);
    Langue("fr");
}

}  // namespace
