// Every view of the tree that offers Print prints to a PDF read back with its
// words and their boxes (pdftotext -bbox): no word runs into another or off
// its page, every cell the window shows is found whole, the page names the
// command it prints and the file stays small; every view that offers HTML
// writes a page whose title names it; each choice of a window that changes
// its figures (a range of matchdays, the championships counted, a venue, a
// run, the teams compared, the forecast's matchday and factors), made in the
// window, is named on the page printed and written after it; the matchday
// pages walked down from the detailed text each print. In the four sports
// and both languages, over a season whose played matchday is shown and one of
// whose teams has a long name. The cases met in the printouts are rows
// checked on the way.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <utility>

#include "model/Championnat.h"
#include "model/Utilities.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Printers.h"
#include "results/w_Resultats.h"
#include "shell/Commandes.h"
#include "tests/shell/HorsLigne.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/shell/TextesFrancais.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/MotsPdf.h"
#include "tests/support/SaisonParcours.h"
#include "ui/Afficheur.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Editeur.h"
#include "ui/Fond.h"
#include "views/cadreParamClassement.h"
#include "views/w_ClassJoueur.h"
#include "views/w_Comparaison.h"
#include "views/w_DiversStat.h"
#include "views/w_InfoEquipes.h"
#include "views/w_InfoGeneral.h"
#include "views/w_Prevision.h"
#include "views/w_StatEquipe.h"
#include "views/w_Statistique.h"
#include "records/w_Effectifs.h"
#include "views/w_Classement.h"

using namespace essai;

namespace {

const char* const NomLong = "Association Sportive Olympique de la Vall\xE9" "e du Haut-Rhin";

// The words of a text of the program (Windows-1252), as read back in UTF-8.
std::vector<std::string> Mots(const std::string& texte)
{
    std::vector<std::string> mots;
    std::istringstream in(Cp1252ToUtf8(texte));
    for (std::string m; in >> m;)
        mots.push_back(m);
    return mots;
}

// What the walk met for one command.
struct TVue
{
    std::string classe;
    std::string libelle;                 // the command's caption in the tree
    bool impression = false, html = false;   // offered
    std::vector<TPagePdf> pages;
    long taille = 0;                     // of the PDF
    std::string titreHtml;
    std::map<std::string, int> cellules; // the words the window shows
    std::vector<std::string> entete;     // its printout's own heading words
    std::vector<std::string> bande;      // its band's words, when it has one
    // team sheet, players: each ranking's title and its headings, as the
    // window shows them
    std::vector<std::pair<std::string, std::vector<std::string>>> sections;
    std::vector<std::array<std::string, 3>> scores;   // results: home, "-", away
    // team information: the rows of the grid shown and of its page's table
    std::vector<std::vector<std::string>> grille;
    html_lu::TTable tableHtml;
    // each choice of the window that changes its figures (the range of
    // matchdays, the championships counted, the venue, the run), made in the
    // window, then printed and written
    struct TChoix
    {
        std::string nom;                                // as the window shows it
        int groupe = 0;                                 // the choices told apart from one another
                                                        // (none when below 0)
        std::vector<std::vector<std::string>> grille;   // as shown
        html_lu::TTable tableHtml;                      // as written
        std::vector<std::string> entete;                // the printout's words no cell shows
        std::string titreHtml;
        std::vector<std::string> ecrits;                // the page's title, headings and cells
        std::vector<std::string> voulus;                // words its heading must hold
        std::vector<TPagePdf> pages;                    // the printout
    };
    std::vector<TChoix> choix;
};

// The matchday pages walked down again from the detailed text (command 26),
// Print after each: their views are filed under this plus their command.
constexpr int ApresDetail = 1000;

// The words of the cells shown by the grids of a window, and of the labels of
// its shown panels that its printout holds.
void MotsFenetre(TComponent* c, std::map<std::string, int>& mots)
{
    if (auto* g = dynamic_cast<TColorStringGrid*>(c); g && Montre(g))
        for (int col = 0; col < g->ColCount(); ++col)
            for (int r = 0; g->ColWidths(col) > 0 && r < g->RowCount(); ++r)
                for (const std::string& m : Mots(g->Cells(col, r)))
                    ++mots[m];
    for (int i = 0; i < c->ComponentCount(); ++i)
        MotsFenetre(c->Components(i), mots);
}

void MotsPanneau(TFondCopie* f, std::map<std::string, int>& mots)
{
    for (int i = 0; f && Montre(f) && i < f->ControlCount(); ++i)
        if (auto* l = dynamic_cast<TLabel*>(f->Controls(i)); l && l->Visible())
            for (const std::string& m : Mots(l->Caption()))
                ++mots[m];
}

// A text read back (UTF-8) as a key without case or accents.
std::string Cle(const std::string& utf8)
{
    return SansAccent(Utf8ToCp1252(utf8));
}

// A word read back as such a key, its elision left out ("l'extérieur" says
// "extérieur").
std::string MotCle(const std::string& utf8)
{
    const std::string c = Cle(utf8);
    return c.substr(c.find_last_of('\'') + 1);
}

std::string TitreHtml(const std::string& fichier)
{
    std::ifstream f(fichier, std::ios::binary);
    const std::string s((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const std::string basse = LowerCase(s);
    const size_t a = basse.find("<title>"), b = basse.find("</title>");
    return a == std::string::npos || b == std::string::npos || b < a ? std::string() : Trim(s.substr(a + 7, b - a - 7));
}

// The words of a printout found in order on one line, each a blank apart.
bool SurUneLigne(const std::vector<TPagePdf>& pages, const std::vector<std::string>& suite)
{
    for (const TPagePdf& p : pages)
        for (size_t i = 0; i + suite.size() <= p.mots.size(); ++i) {
            bool ok = true;
            for (size_t k = 0; ok && k < suite.size(); ++k) {
                const TMotPdf& m = p.mots[i + k];
                ok = m.texte == suite[k];
                if (ok && k > 0) {
                    const TMotPdf& avant = p.mots[i + k - 1];
                    const double h = m.y1 - m.y0;
                    ok = std::abs(m.y0 - avant.y0) < h / 2 && m.x0 - avant.x1 > h / 5;
                }
            }
            if (ok)
                return true;
        }
    return false;
}

// The words of a printout found in order along one line, from the first one
// on: the words printed to its right, left to right, begin with them.
bool EnLigne(const std::vector<TPagePdf>& pages, const std::vector<std::string>& suite)
{
    for (const TPagePdf& p : pages)
        for (const TMotPdf& m : p.mots) {
            if (suite.empty() || m.texte != suite[0])
                continue;
            std::vector<TMotPdf> ligne;
            std::copy_if(p.mots.begin(), p.mots.end(), std::back_inserter(ligne), [&](const TMotPdf& x) {
                return std::abs(x.y0 - m.y0) < (m.y1 - m.y0) / 2 && x.x0 >= m.x0;
            });
            std::sort(ligne.begin(), ligne.end(), [](const TMotPdf& a, const TMotPdf& b) { return a.x0 < b.x0; });
            bool ok = ligne.size() >= suite.size();
            for (size_t k = 0; ok && k < suite.size(); ++k)
                ok = ligne[k].texte == suite[k];
            if (ok)
                return true;
        }
    return false;
}

// The rows of a grid as a page reads them, without their blanks.
std::vector<std::vector<std::string>> LignesGrille(const TColorStringGrid* g)
{
    std::vector<std::vector<std::string>> lignes;
    for (int r = 0; r < g->RowCount(); ++r) {
        std::vector<std::string> ligne;
        for (int col = 0; col < g->ColCount(); ++col)
            ligne.push_back(Cp1252ToUtf8(Trim(g->Cells(col, r))));
        lignes.push_back(ligne);
    }
    return lignes;
}

// Every choice of a window told apart on its page: no two choices of a group
// print the same heading or write the same title, each choice's own words
// are in its heading (the whole page, for a page without a grid), each
// printout without a grid holds its page's title, and each page's table is
// the grid shown, row by row (under the band of group titles, when the
// window shows one).
std::string ChoixNommes(const TVue& v)
{
    if (v.choix.size() < 2)
        return "no choice made in the window";
    // words without case, accents or the signs around them
    auto nus = [](const std::vector<std::string>& mots) {
        std::set<std::string> n;
        for (const std::string& m : mots) {
            std::string k;
            for (const char x : Cle(m) + " ")
                if (std::isalnum(static_cast<unsigned char>(x)))
                    k += static_cast<char>(std::tolower(static_cast<unsigned char>(x)));
                else if (!k.empty())
                    n.insert(std::exchange(k, std::string()));
        }
        return n;
    };
    std::string d;
    for (size_t i = 0; i < v.choix.size(); ++i) {
        const TVue::TChoix& a = v.choix[i];
        for (size_t j = i + 1; j < v.choix.size(); ++j) {
            const TVue::TChoix& b = v.choix[j];
            if (a.groupe != b.groupe || a.groupe < 0)
                continue;
            if (v.impression && !a.grille.empty() && a.entete == b.entete)
                d += "\"" + a.nom + "\" and \"" + b.nom + "\" print the same heading " +
                     ::testing::PrintToString(a.entete) + "; ";
            if (v.html && a.titreHtml == b.titreHtml)
                d += "\"" + a.nom + "\" and \"" + b.nom + "\" write the same title \"" + a.titreHtml + "\"; ";
        }
        if (v.impression && v.html && a.grille.empty()) {
            std::map<std::string, int> titre;
            for (const std::string& m : Mots(Utf8ToCp1252(a.titreHtml)))
                titre[m] += m != "-";
            if (const std::vector<std::string> m = MotsManquants(a.pages, titre); !m.empty())
                d += "\"" + a.nom + "\" prints not all its title: " + ::testing::PrintToString(m) + "; ";
        }
        const std::set<std::string> dits = nus(a.grille.empty() ? a.ecrits : a.entete), voulus = nus(a.voulus);
        if (!std::includes(dits.begin(), dits.end(), voulus.begin(), voulus.end()))
            d += "\"" + a.nom + "\" not named on its page " +
                 ::testing::PrintToString(a.grille.empty() ? a.ecrits : a.entete) + "; ";
        if (a.grille.empty() || !v.html)
            continue;
        // the band of group titles over the table (the standings' home and
        // away) is a row of the page's table of its own
        const html_lu::TTable queue(a.tableHtml.end() - static_cast<ptrdiff_t>(std::min(a.tableHtml.size(), a.grille.size())),
                                    a.tableHtml.end());
        if (queue != a.grille || a.tableHtml.size() > a.grille.size() + 1)
            d += "\"" + a.nom + "\" written " + ::testing::PrintToString(a.tableHtml) + ", shown " +
                 ::testing::PrintToString(a.grille) + "; ";
    }
    return d;
}

// The words not found whole inside the printout's pages; empty when all are.
std::string Manquants(const TVue& v, const std::vector<std::string>& mots)
{
    std::map<std::string, int> voulus;
    for (const std::string& m : mots)
        ++voulus[m];
    const std::vector<std::string> d = MotsManquants(v.pages, voulus);
    return d.empty() ? std::string() : ::testing::PrintToString(d);
}

// One case of the printouts: the sports where it shows, the command, what is
// wrong with what the walk met (empty when nothing).
struct TCas
{
    const char* nom;
    std::set<int> sports;
    int commande;
    std::function<std::string(const TVue&, const std::map<int, TVue>&)> defaut;
    bool partout = true;   // the sports' menus all hold the command
};

const std::vector<TCas>& Cas()
{
    // The launch table of the team sheet: commands with Print, with HTML.
    static const std::set<int> avecImpression = {121, 123, 124, 125, 128, 129, 122, 221};
    static const std::set<int> avecHtml = {121, 124, 125, 128, 129, 130, 122};
    static const std::vector<TCas> cas = [] {
        std::vector<TCas> c;
        // every view of the team information, printed and written as shown:
        // each row of its grid a row of the page's table, cell by cell, and
        // its words on one printed line
        for (const int commande : {132, 133, 134, 135, 136, 78, 79, 80, 81, 82, 83, 217, 218, 249, 250, 251, 260})
            c.push_back({"team information: printed and written as shown", {0, 1, 2, 3}, commande,
                         [](const TVue& v, const auto&) {
                             std::string d;
                             if (v.grille.empty())
                                 return std::string("no grid shown");
                             for (size_t r = 0; r < v.grille.size(); ++r) {
                                 std::vector<std::string> ecrite = r < v.tableHtml.size() ? v.tableHtml[r]
                                                                                          : std::vector<std::string>{};
                                 for (std::string& x : ecrite)
                                     x = x == "\xC2\xA0" ? std::string() : x;   // &nbsp;
                                 if (ecrite != v.grille[r])
                                     d += "row " + std::to_string(r) + " shown " + ::testing::PrintToString(v.grille[r]) +
                                          ", written " + ::testing::PrintToString(ecrite) + "; ";
                                 std::vector<std::string> mots;
                                 for (const std::string& x : v.grille[r])
                                     for (const std::string& m : Mots(Utf8ToCp1252(x)))
                                         mots.push_back(m);
                                 if (!mots.empty() && !EnLigne(v.pages, mots))
                                     d += "row " + std::to_string(r) + " not printed on one line; ";
                             }
                             if (v.tableHtml.size() != v.grille.size())
                                 d += "written " + std::to_string(v.tableHtml.size()) + " rows of " +
                                      std::to_string(v.grille.size());
                             return d;
                         },
                         false});
        const std::vector<TCas> autres = {
            {"results: each score a blank apart from its separator, three digits included", {2, 3}, 13,
             [](const TVue& v, const auto&) {
                 for (const auto& s : v.scores)
                     if (!SurUneLigne(v.pages, {s[0], s[1], s[2]}))
                         return "\"" + s[0] + " " + s[1] + " " + s[2] + "\" not printed apart";
                 return v.scores.empty() ? std::string("no score shown") : std::string();
             }},
            {"championship information: every figure whole inside the page", {0, 2, 3}, 172,
             [](const TVue& v, const auto&) {
                 std::vector<std::string> m;
                 for (const auto& [mot, n] : v.cellules)
                     m.insert(m.end(), static_cast<size_t>(n), mot);
                 return Manquants(v, m);
             }},
            {"team sheet, players: each ranking printed with its headings whole", {2, 3}, 125,
             [](const TVue& v, const auto&) {
                 // the rankings the page prints: those whose title it holds
                 std::string d;
                 for (const auto& [titre, entetes] : v.sections)
                     if (Manquants(v, Mots(titre)).empty())
                         d += Manquants(v, entetes);
                 return d;
             }},
            {"overall standings: the home and away band and a title", {0, 1, 2, 3}, 40,
             [](const TVue& v, const std::map<int, TVue>& toutes) {
                 if (v.bande.empty())
                     return std::string("no band shown");
                 std::string d = Manquants(v, v.bande) + Manquants(v, v.entete);
                 for (const int autre : {41, 42})
                     if (toutes.count(autre) && Manquants(toutes.at(autre), v.entete).empty())
                         d += "command " + std::to_string(autre) + " prints the same title";
                 return d;
             }},
            {"squads: the band and the team named", {0, 1, 2, 3}, 147,
             [](const TVue& v, const auto&) {
                 if (v.bande.empty())
                     return std::string("no band shown");
                 std::string d = Manquants(v, v.bande) + Manquants(v, v.entete);
                 for (const std::string& m : v.entete)
                     if (v.titreHtml.find(m) == std::string::npos)
                         d += "the HTML page's title lacks \"" + m + "\"";
                 return d;
             }},
            {"long team names whole, the next cell apart", {0, 1, 2, 3}, 40,
             [](const TVue& v, const auto&) {
                 const std::vector<std::string> nom = Mots(NomLong);
                 std::string d = Manquants(v, nom);
                 if (!SurUneLigne(v.pages, nom))
                     d += "not printed on one line";
                 for (const TPagePdf& p : v.pages)
                     for (const TMotPdf& a : p.mots)
                         for (const TMotPdf& b : p.mots)
                             if (&a != &b && ChevauchentPdf(a, b) &&
                                 std::find(nom.begin(), nom.end(), a.texte) != nom.end())
                                 d += DecritMotPdf(a) + " under " + DecritMotPdf(b) + " ";
                 return d;
             }},
        };
        c.insert(c.end(), autres.begin(), autres.end());
        // the best players of each team: a player's first name and name one
        // blank apart, in the window and on its page
        for (const int commande : {132, 133, 78, 79, 80, 81, 82, 83, 249, 250, 251, 260})
            c.push_back({"team information: a name written with one blank", {0, 1, 2, 3}, commande,
                         [](const TVue& v, const auto&) {
                             std::string d;
                             for (const auto* lignes : {&v.grille, &v.tableHtml})
                                 for (const auto& l : *lignes)
                                     for (const std::string& x : l)
                                         if (x.find("  ") != std::string::npos)
                                             d += "\"" + x + "\" ";
                             return v.grille.size() < 2 ? std::string("no row shown") : d;
                         },
                         false});
        // the views whose figures count a choice of their window: the range
        // and the championships of the standings, the players used, the
        // substitutions, the player and referee rankings, the team sheet, the
        // statistics and the comparison's curves; the venue and the run of
        // the runs of minutes; the venue of the team's situations and
        // frequent scores and of the statistics; the teams compared; the
        // forecast's matchday and factors
        for (const int commande : {40, 41, 135, 136, 217, 218, 66, 67, 74, 85, 89, 239, 116, 246, 121, 122, 124, 125,
                                   129, 130, 221, 153, 154, 158, 159, 160, 20})
            c.push_back({"every choice of the window named on its printed and written page", {0, 1, 2, 3}, commande,
                         [](const TVue& v, const auto&) { return ChoixNommes(v); }, false});
        // the distribution of one matchday's goals (tries): its page names
        // the matchday as the matchday summary's does
        c.push_back({"a matchday's distribution names its matchday", {0, 1}, 34,
                     [](const TVue& v, const std::map<int, TVue>& toutes) {
                         const std::string resume = toutes.count(27) ? toutes.at(27).titreHtml : std::string();
                         const size_t a = resume.find(" - "), b = resume.find(" - ", a + 3);
                         if (a == std::string::npos || b == std::string::npos)
                             return "no matchday named by the summary: \"" + resume + "\"";
                         const std::string journee = resume.substr(a + 3, b - a - 3);
                         std::string d = Manquants(v, Mots(Utf8ToCp1252(journee)));
                         if (Cle(v.titreHtml).find(Cle(journee)) == std::string::npos)
                             d += "the title \"" + v.titreHtml + "\" does not name \"" + journee + "\"";
                         return d;
                     }});
        // the matchday pages reached from the detailed text: each offers
        // Print and prints what it shows
        for (const int commande : {26, 27, 28, 29, 30, 31, 32})
            c.push_back({"a matchday page shown after the detailed text prints", {0, 1, 2, 3}, ApresDetail + commande,
                         [](const TVue& v, const auto&) {
                             if (!v.impression)
                                 return std::string("no Print");
                             std::vector<std::string> m;
                             for (const auto& [mot, n] : v.cellules)
                                 m.insert(m.end(), static_cast<size_t>(n), mot);
                             return v.pages.empty() ? std::string("nothing printed") : Manquants(v, m);
                         },
                         false});
        const std::pair<int, std::set<int>> barres[] = {
            {44, {0, 1, 2, 3}}, {45, {0, 1, 2, 3}}, {62, {0, 1}}, {175, {0, 1, 2, 3}}, {132, {0, 1}}, {78, {2}}};
        for (const auto& [commande, sports] : barres)
            c.push_back({"a page of value bars under 2 MB", sports, commande, [](const TVue& v, const auto&) {
                             return v.taille > 2'000'000 ? std::to_string(v.taille) + " bytes" : std::string();
                         }});
        for (const int commande : {121, 123, 124, 125, 128, 129, 130, 122, 221})
            c.push_back({"team sheet: Print and HTML as the launch table gives them", {0, 1, 2, 3}, commande,
                         [commande](const TVue& v, const auto&) {
                             std::string d;
                             if (avecImpression.count(commande) && !v.impression)
                                 d += "no Print ";
                             if (avecHtml.count(commande) && !v.html)
                                 d += "no HTML";
                             return d;
                         },
                         false});
        return c;
    }();
    return cas;
}

class PagesImprimees : public THorsLigne<::testing::TestWithParam<std::tuple<int, std::string>>>
{
};

}  // namespace

TEST_P(PagesImprimees, EveryPrintedPageHoldsTheWindowsCellsWholeAndApart)
{
    const auto [sport, langue] = GetParam();
    const std::string nom = "imprime" + std::to_string(sport) + langue;
    const std::string dir = Prepare(nom);
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", langue);
    auto g = GenereSaisonParcours(sport);
    {
        // the played matchday 3 shown, a score of three digits in basketball;
        // a long name for the first team
        TDonneesChampionnat* c = g->saison->ChampionnatCourant();
        c->NbJournee = 3;
        if (sport == 2) {
            c->SetScoreMatch(3, 0, 0, 102);
            c->SetScoreMatch(3, 0, 1, 93);
        }
        g->saison->RenommeEquipe(c->IdEquipe(0), NomLong);
    }
    ForceDirectories(MakePath(dir, "stats"));
    EcritHistorique(MakePath(dir, "stats"), *g->saison);
    const std::string fichier = MakePath(dir, "sauvegarde/" + nom + ".xmc");
    ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, g->saison.get(), nullptr, "", "", nullptr, {}, false));
    g.reset();

    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    const std::string sortie = MakePath(kit::OutputDir(), "imprime/" + std::to_string(sport) + langue);
    ForceDirectories(sortie);
    const bool images = std::getenv("BZ_IMPRIME_PNG") != nullptr;

    // Print and Save as HTML on the view shown, as a user chooses them: the
    // printout read back (no page when nothing was printed), the page's bytes.
    auto imprime = [&](const std::string& nom) {
        const std::string pdf = MakePath(sortie, nom + ".pdf");
        DeleteFile(pdf);
        Printer().SetOutputFileName(pdf);
        Commande(*f, 181);
        Printer().SetOutputFileName("");
        return FileExists(pdf) ? LitPdf(pdf) : std::vector<TPagePdf>{};
    };
    auto ecrit = [&](const std::string& nom) {
        const std::string html = MakePath(sortie, nom + ".htm");
        DeleteFile(html);
        kit::AnswerDialogs([&](TCommonDialog& d) {
            if (auto* s = dynamic_cast<TSaveDialog*>(&d))
                s->FileName = html;
            return true;
        });
        Commande(*f, 182);
        kit::AnswerDialogs(nullptr);
        std::string octets;
        ReadFileBytes(html, octets);
        return octets;
    };
    // The matchday asked by a matchday page, the history asked by a history
    // view, a team asked by the team sheet: the first one; the others shut.
    auto repond = [] {
        for (int k = 0; k < 4; ++k)
            kit::WhenModal([](TForm* m) {
                const std::string classe = Classe(m);
                m->SetModalResult(classe == "Tf_ChoixJournee" || classe == "Tf_ChoixHistorique" ||
                                          classe == "TBrivantelForm"
                                      ? mrOk
                                      : mrCancel);
            });
    };

    std::vector<int> arbre;
    for (TTreeNode* n = f->tv_Menu->Items().GetFirstNode(); n; n = n->GetNext())
        if (n->Data >= PremiereCommande && n->Data <= DerniereCommandeMenu)
            arbre.push_back(static_cast<int>(n->Data));
    std::map<int, TVue> vues;
    for (const int c : arbre) {
        if (c == 10 || CommandeHorsVue(c) || CommandeSansAction(c) || vues.count(c))
            continue;
        repond();
        TTreeNode* noeud = Noeud(*f, c);
        Choisit(*f, noeud);
        kit::Process();
        kit::ForgetModalActions();
        if (!f->Enfant)
            continue;
        TVue& v = vues[c];
        v.classe = Classe(f->Enfant);
        v.libelle = noeud->Text();
        v.impression = Noeud(*f, 181) != nullptr;
        v.html = Noeud(*f, 182) != nullptr;
        SCOPED_TRACE("command " + std::to_string(c) + " " + v.classe);
        MotsFenetre(f->Enfant, v.cellules);
        if (auto* r = dynamic_cast<Tf_Resultats*>(f->Enfant))
            for (int k = 0; k < r->NbLignes(); ++k) {
                TLigneResultat& l = r->Ligne(k);
                for (TCadreDrop* e : {l.Domicile, l.Exterieur})
                    for (const std::string& m : Mots(e->Text()))
                        ++v.cellules[m];
                if (!l.ScoreDomicile->Text().empty())
                    v.scores.push_back({l.ScoreDomicile->Text(), "-", l.ScoreExterieur->Text()});
            }
        if (auto* i = dynamic_cast<Tf_InfoGeneral*>(f->Enfant); i && i->tab9->ActivePageIndex() == 0) {
            v.cellules.clear();
            for (const char* p : {"FondCopie24", "FondCopie25", "FondCopie26"})
                MotsPanneau(kit::Find<TFondCopie>(i, p), v.cellules);
        }
        // the team sheet's attendance figures, beside its chart
        if (auto* s = dynamic_cast<Tf_StatEquipe*>(f->Enfant); s && s->IndexPage() == 4)
            MotsPanneau(s->fc_Affluence, v.cellules);
        if (auto* s = dynamic_cast<Tf_StatEquipe*>(f->Enfant); s && s->IndexPage() == 3) {
            for (int i = 0; i < s->FondCopie7->ControlCount(); ++i)
                if (auto* r = dynamic_cast<TRondCoche*>(s->FondCopie7->Controls(i)); r && r->Visible()) {
                    kit::Click(r);
                    std::vector<std::string> titres;
                    for (int col = 0; col < s->sg_Buteur->ColCount(); ++col)
                        for (const std::string& m : Mots(s->sg_Buteur->Cells(col, 0)))
                            titres.push_back(m);
                    v.sections.push_back({r->Caption(), titres});
                }
            kit::Click(s->rc_Buteur);
        }
        if (auto* e = dynamic_cast<Tf_InfoEquipes*>(f->Enfant)) {
            const TColorStringGrid* g = e->Mode() == 1 ? e->sg_Affluence : e->sg_Buteur;
            for (int r = 0; r < g->RowCount(); ++r) {
                std::vector<std::string> ligne;
                for (int col = 0; col < g->ColCount(); ++col)   // as a page reads it, without its blanks
                    ligne.push_back(Cp1252ToUtf8(Trim(g->Cells(col, r))));
                v.grille.push_back(ligne);
            }
        }
        if (auto* k = dynamic_cast<Tf_Classement*>(f->Enfant)) {
            if (k->sg_titre->Visible())
                for (int i = 0; i < k->sg_titre->ColCount(); ++i)
                    for (const std::string& m : Mots(k->sg_titre->Cells(i, 0)))
                        v.bande.push_back(m);
            for (const std::string& m : Mots(f->Statut->Panels(2).Text))
                v.entete.push_back(m);
        }
        if (auto* e = dynamic_cast<Tf_Effectifs*>(f->Enfant)) {
            for (const char* l : {"l_GroupeCarriere", "l_GroupeSaison"})
                if (auto* label = kit::Find<TLabel>(e, l); label && label->Visible())
                    for (const std::string& m : Mots(label->Caption()))
                        v.bande.push_back(m);
            v.entete = Mots(f->Saison->NomEquipe(static_cast<int>(e->EquipeAffichee & 0xFFFF)));
        }
        if (v.impression) {
            const std::string pdf = MakePath(sortie, std::to_string(c) + ".pdf");
            DeleteFile(pdf);
            Printer().SetOutputFileName(pdf);
            Commande(*f, 181);
            Printer().SetOutputFileName("");
            if (!FileExists(pdf)) {
                ADD_FAILURE() << "nothing printed";
                continue;
            }
            v.pages = LitPdf(pdf);
            v.taille = static_cast<long>(FileSize(pdf));
            const std::vector<std::string> d = DefautsPdf(v.pages, v.taille, v.cellules);
            EXPECT_TRUE(d.empty()) << ::testing::PrintToString(d);
            // The page names what it prints: the command's caption, its words
            // in any case ("Général" said by "Classement général").
            std::vector<TPagePdf> cles = v.pages;
            for (TPagePdf& p : cles)
                for (TMotPdf& m : p.mots)
                    m.texte = MotCle(m.texte);
            std::map<std::string, int> voulus;
            for (const std::string& m : Mots(v.libelle))
                ++voulus[MotCle(m)];
            EXPECT_TRUE(MotsManquants(cles, voulus).empty()) << "the page does not name \"" << v.libelle << "\"";
            if (images)
                SortieCommande("pdftoppm -r 50 -png '" + pdf + "' '" + MakePath(sortie, std::to_string(c)) + "'");
        }
        if (v.html) {
            const std::string html = MakePath(sortie, std::to_string(c) + ".htm");
            DeleteFile(html);
            kit::AnswerDialogs([&](TCommonDialog& d) {
                if (auto* s = dynamic_cast<TSaveDialog*>(&d))
                    s->FileName = html;
                return true;
            });
            Commande(*f, 182);
            kit::AnswerDialogs(nullptr);
            v.titreHtml = Cp1252ToUtf8(TitreHtml(html));
            if (!v.grille.empty()) {
                std::string octets;
                ReadFileBytes(html, octets);
                const html_lu::TPage page = html_lu::Lit(octets);
                if (!page.tables.empty())
                    v.tableHtml = page.tables.back();
            }
            EXPECT_NE(Cle(v.titreHtml).find(Cle(Cp1252ToUtf8(v.libelle))), std::string::npos)
                << "the page's title \"" << v.titreHtml << "\" does not name \"" << Cp1252ToUtf8(v.libelle) << "\"";
        }
        // Each choice of the window that changes the figures, made in the
        // window, then printed and written: the range of matchdays, the
        // championships counted, the venue and the run.
        const TColorStringGrid* grille = nullptr;
        TParamClassement* cadre = nullptr;
        auto* info = dynamic_cast<Tf_InfoEquipes*>(f->Enfant);
        if (info) {
            grille = info->Mode() == 1 ? info->sg_Affluence : info->sg_Buteur;
            cadre = info->cadrechamp;
        }
        if (auto* k = dynamic_cast<Tf_ClassJoueur*>(f->Enfant)) {
            grille = k->sg_Classjoueurs;
            cadre = k->CadreParam;
        }
        if (auto* k = dynamic_cast<Tf_Classement*>(f->Enfant)) {
            grille = k->sg_Classement;
            cadre = k->CadreParam;
        }
        auto* feuille = dynamic_cast<Tf_StatEquipe*>(f->Enfant);
        if (feuille && Montre(feuille->CadreParam)) {
            cadre = feuille->CadreParam;
            // the pages printed as their grid: line-ups, frequent scores, points taken
            const int page = feuille->IndexPage();
            grille = page == 5 ? feuille->sg_Composition : page == 7 ? feuille->sg_Stats
                                                          : page == 8 ? feuille->sg_PointPris : nullptr;
        }
        auto* statistique = dynamic_cast<Tf_Statistique*>(f->Enfant);
        if (statistique)
            cadre = statistique->CadreParam;
        auto* comparaison = dynamic_cast<Tf_Comparaison*>(f->Enfant);
        if (comparaison && Montre(comparaison->CadreParam))
            cadre = comparaison->CadreParam;
        auto choisit = [&](const std::string& nom, const std::vector<std::string>& voulus, int groupe) {
            TVue::TChoix k;
            k.nom = nom;
            k.groupe = groupe;
            k.voulus = voulus;
            if (grille)
                k.grille = LignesGrille(grille);
            const std::string cle = std::to_string(c) + "-" + std::to_string(v.choix.size());
            std::map<std::string, int> cellules;
            for (const auto& l : k.grille)
                for (const std::string& x : l)
                    for (const std::string& m : Mots(Utf8ToCp1252(x)))
                        ++cellules[m];
            if (v.impression)
                k.pages = imprime(cle);
            for (const TPagePdf& p : k.pages)
                for (const TMotPdf& m : p.mots)
                    if (cellules[m.texte] > 0)
                        --cellules[m.texte];
                    else
                        k.entete.push_back(m.texte);
            const std::string octets = v.html ? ecrit(cle) : std::string();
            const std::string basse = LowerCase(octets);
            const size_t a = basse.find("<title>"), b = basse.find("</title>");
            if (a != std::string::npos && b != std::string::npos && b > a)
                k.titreHtml = Cp1252ToUtf8(Trim(octets.substr(a + 7, b - a - 7)));
            const html_lu::TPage page = html_lu::Lit(octets);
            if (!page.tables.empty())
                k.tableHtml = page.tables.back();
            for (auto& l : k.tableHtml)
                for (std::string& x : l)
                    x = x == "\xC2\xA0" ? std::string() : x;   // &nbsp;
            k.ecrits = Mots(Utf8ToCp1252(k.titreHtml));
            for (const std::string& h : page.entetes)
                for (const std::string& m : Mots(Utf8ToCp1252(h)))
                    k.ecrits.push_back(m);
            for (const html_lu::TTable& t : page.tables)
                for (const auto& l : t)
                    for (const std::string& x : l)
                        for (const std::string& m : Mots(Utf8ToCp1252(x)))
                            k.ecrits.push_back(m);
            v.choix.push_back(std::move(k));
        };
        if (cadre && (v.impression || v.html)) {
            // the range of matchdays and the championships counted
            for (TComboBox* boite : {cadre->cb_Tranche, cadre->cb_Champ}) {
                if (!Montre(boite))
                    continue;
                // the championship alone over the whole season is the first
                // range's choice already
                const int premier = boite == cadre->cb_Champ && Montre(cadre->cb_Tranche) ? 1 : 0;
                for (int i = premier; i < boite->Items().Count(); ++i) {
                    boite->SetItemIndex(i);
                    boite->OnChange(boite);
                    choisit(Cp1252ToUtf8(boite->Items()[i]), {}, 0);
                }
                boite->SetItemIndex(0);
                boite->OnChange(boite);
            }
        }
        // the venue and the run of the runs of minutes
        if (info && Montre(info->fc_Param) && v.impression && v.html) {
            for (TRondCoche* lieu : {info->rc_General, info->rc_Domicile, info->rc_Exterieur})
                for (TRondCoche* serie : {info->rc_SerieCours, info->rc_MeilleureSerie}) {
                    kit::Click(lieu);
                    kit::Click(serie);
                    std::vector<std::string> voulus = Mots(lieu->Caption());
                    for (const std::string& m : Mots(serie->Caption()))
                        voulus.push_back(m);
                    choisit(Cp1252ToUtf8(lieu->Caption() + ", " + serie->Caption()), voulus, 1);
                }
            kit::Click(info->rc_General);
            kit::Click(info->rc_SerieCours);
        }
        // the venue of the team's situations and frequent scores, and of the
        // statistics
        std::vector<std::array<TRondCoche*, 3>> lieux;
        if (feuille && cadre)
            lieux = {{feuille->rc_General, feuille->rc_Domicile, feuille->rc_Exterieur},
                     {feuille->rc_General2, feuille->rc_Domicile2, feuille->rc_Exterieur2}};
        if (statistique)
            lieux = {{statistique->RondCoche1, statistique->RondCoche2, statistique->RondCoche3}};
        for (const auto& l : lieux)
            if (Montre(l[0]) && (v.impression || v.html)) {
                for (TRondCoche* lieu : l) {
                    kit::Click(lieu);
                    choisit(Cp1252ToUtf8(lieu->Caption()), Mots(lieu->Caption()), 1);
                }
                kit::Click(l[0]);
            }
        // the forecast's matchday moved on by its slider, then a factor's
        // weight and count taken off their defaults by their arrows
        if (auto* p = dynamic_cast<Tf_Prevision*>(f->Enfant); p && (v.impression || v.html)) {
            grille = p->sg_Classement;
            const int journee = p->TrackBar1->Position();
            for (const int j : {journee, journee + 1}) {
                p->TrackBar1->SetPosition(j);
                kit::Process();
                choisit(Cp1252ToUtf8(p->Label7->Caption()), Mots(p->Label7->Caption()), 0);
            }
            p->ud_PourcForme->ClickButton(btNext);
            p->ud_nMatchForme->ClickButton(btPrev);
            kit::Click(p->bc_Visualiser);
            std::vector<std::string> voulus = Mots(p->Label7->Caption());
            for (const int n : {p->ud_PourcForme->Position(), p->ud_nMatchForme->Position()})
                voulus.push_back(std::to_string(n));
            choisit("factors", voulus, 0);
            p->ud_PourcForme->ClickButton(btPrev);
            p->ud_nMatchForme->ClickButton(btNext);
            p->TrackBar1->SetPosition(journee);
        }
        // the teams compared, each named beside its curve
        if (comparaison && cadre && v.html && comparaison->Boites().size() >= 3) {
            std::vector<std::string> noms;
            for (size_t i = 0; i < comparaison->Boites().size(); ++i)
                if (std::find(comparaison->Slots().begin(), comparaison->Slots().end(), static_cast<int>(i)) !=
                    comparaison->Slots().end())
                    for (const std::string& m : Mots(comparaison->Boites()[i]->Text()))
                        noms.push_back(m);
            choisit("teams", noms, -1);
            for (size_t i : {size_t{1}, size_t{2}})
                if (std::find(comparaison->Slots().begin(), comparaison->Slots().end(), static_cast<int>(i)) ==
                    comparaison->Slots().end()) {
                    kit::Click(comparaison->Boites()[i]);
                    for (const std::string& m : Mots(comparaison->Boites()[i]->Text()))
                        noms.push_back(m);
                }
            choisit("more teams", noms, -1);
        }
    }
    // Down the matchday pages from the detailed text, as a user walks the
    // tree, Print after each page.
    for (const int c : {26, 27, 28, 29, 30, 31, 32}) {
        TTreeNode* noeud = Noeud(*f, c);
        if (!noeud)
            continue;
        repond();
        Choisit(*f, noeud);
        kit::Process();
        kit::ForgetModalActions();
        if (!f->Enfant)
            continue;
        TVue& v = vues[ApresDetail + c];
        v.classe = Classe(f->Enfant);
        v.libelle = noeud->Text();
        v.impression = Noeud(*f, 181) != nullptr;
        MotsFenetre(f->Enfant, v.cellules);
        if (auto* d = dynamic_cast<Tf_DiversStat*>(f->Enfant); d && d->e_Detail->Visible()) {
            v.cellules.clear();
            for (int i = 1; i <= d->e_Detail->NbLigne(); ++i)
                for (const std::string& m : Mots(d->e_Detail->Ligne(i)->Texte))
                    ++v.cellules[m];
        }
        if (v.impression)
            v.pages = imprime("apres-detail-" + std::to_string(c));
    }
    EXPECT_GT(vues.size(), 50u);

    for (const TCas& k : Cas()) {
        if (!k.sports.count(sport))
            continue;
        SCOPED_TRACE(std::string(k.nom) + ", command " + std::to_string(k.commande));
        if (!vues.count(k.commande)) {
            EXPECT_FALSE(k.partout) << "not in the menu";
            continue;
        }
        EXPECT_EQ(k.defaut(vues.at(k.commande), vues), "");
    }
    TermineFenetre(f);
}

INSTANTIATE_TEST_SUITE_P(SportsLangues, PagesImprimees,
                         ::testing::Combine(::testing::Values(0, 1, 2, 3), ::testing::Values("fr", "en")));
