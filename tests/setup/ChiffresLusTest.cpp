// What a user reads, counted by hand, on seasons made through the creation
// windows, in French and in English: each average and rate of a window, its
// print and its HTML rounded once from its counts ("-" without a base), the
// rank beside a team as the standings show it, the headings of printed and
// written pages, the names and words of the history, the team sheet and the
// detailed results. One row per case: the counts, the decimals and the text.
#include <gtest/gtest.h>

#include <libxml/HTMLparser.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <sstream>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/DescTree.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/Personnels.h"
#include "model/Rang.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "results/PagesMatch.h"
#include "results/w_InfoMatchCadre.h"
#include "results/w_VuesResultats.h"
#include "results/w_FicheArbitre.h"
#include "results/w_FicheMatch.h"
#include "tests/setup/CreationEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/MotsPdf.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Editeur.h"
#include "ui/Fond.h"
#include "ui/GestionFonction.h"
#include "views/LiensResultats.h"
#include "views/Textes.h"
#include "views/cadreParamClassement.h"
#include "views/w_ChoixHistorique.h"
#include "views/w_Classement.h"
#include "views/w_DiversStat.h"
#include "views/w_Historique.h"
#include "views/w_InfoEquipes.h"
#include "views/w_InfoGeneral.h"
#include "views/w_Prevision.h"
#include "views/w_StatEquipe.h"
#include "views/w_Statistique.h"

using namespace essai;

namespace {

const bool pagesInscrites = (EnregistrePagesMatch(), true);

// A season of the sport made through the creation windows in the language;
// the first championship ("Club 1".."Club 4") current, the other one a.
struct TSession
{
    TOwned<FenetreEssai> f;
    TDonneesChampionnat *c = nullptr, *a = nullptr;
    std::string langue;
    int arbitres[3] = {};
    TSession(int sport, const std::string& l) : langue(l)
    {
        const std::string dir = Prepare("chiffres" + std::to_string(sport) + l);
        TIniFile ini(MakePath(dir, "brivantel.ini"));
        ini.WriteString("General", "Langue", l);
        ini.WriteBool("General", "MenuHaut", true);   // the menu bar as well as the tree
        f = LanceFenetre();
        CreeSaison(*f, sport);
        Championnats();
    }
    void Championnats(const int32_t (&codes)[2] = {-1, -1})
    {
        for (TDonneesChampionnat* x : f->Saison->Arbre().ListeChampionnats())
            if (codes[0] < 0 || x->CodeChamp == codes[0] || x->CodeChamp == codes[1])   // not the cup added
                (f->Saison->NomEquipeComplet(x->IdEquipe(0), x) == "Club 1" ? c : a) = x;
        f->Saison->SelectionneChampionnat(c->CodeChamp);
    }
    // Saved through its season file and opened again; with fermee, closed
    // before, that done with no season open.
    void Relit(const std::function<void()>& fermee = nullptr)
    {
        const int32_t codes[2] = {c->CodeChamp, a->CodeChamp};
        const std::string fichier = NomFichierCourant;
        ModifSaison = 1;     // the counts went in as the windows write them
        RepondBoite(mrOk);   // "saved"
        Commande(*f, 7);
        kit::Process(50);
        f->FermeFenetreEnfant();
        if (fermee) {
            Commande(*f, 9);
            fermee();
        }
        f->OpenFile(fichier);
        kit::Process(50);
        Championnats(codes);
    }
    ~TSession()
    {
        ModifSaison = 0;
        TermineFenetre(f);
    }
    int E(int i) const { return c->IdEquipe(i); }
};

// A figure as the session writes it ("2.68" read "2,68" in French).
std::string Dec(std::string v)
{
    std::replace(v.begin(), v.end(), '.', FormatSettings().DecimalSeparator);
    return v;
}

// n matches played on matchdays of two, scoring `buts` in all (as evenly as
// can be, the home side a goal ahead of an odd count).
void Joue(TDonneesChampionnat& c, int n, int buts, const int (&e)[4])
{
    c.SetNbJournees((n + 1) / 2);
    for (int i = 0; i < n; ++i) {
        const int v = buts / n + (i < buts % n ? 1 : 0);
        c.CreeMatch(i / 2 + 1, e[i % 2 * 2], e[i % 2 * 2 + 1], (v + 1) / 2, v / 2);
    }
    c.DerniereJournee = static_cast<uint8_t>((n + 1) / 2);
}

// The pages of the shown view's printout, as read back.
std::vector<TPagePdf> Pages(TSession& s)
{
    const std::string pdf = MakePath(kit::TempDir(), "chiffres-" + s.langue + ".pdf");
    DeleteFile(pdf);
    Printer().SetOutputFileName(pdf);
    Commande(*s.f, 181);
    Printer().SetOutputFileName("");
    return FileExists(pdf) ? LitPdf(pdf) : std::vector<TPagePdf>{};
}

// The words of printed pages; with a team's name, the words of its printed
// line only, left to right.
std::string Mots(const std::vector<TPagePdf>& pages, const std::string& equipe = {})
{
    std::string mots;
    for (const TPagePdf& p : pages) {
        std::vector<TMotPdf> ligne = p.mots;
        for (size_t i = 0; !equipe.empty() && i + 1 < p.mots.size(); ++i)
            if (p.mots[i].texte + " " + p.mots[i + 1].texte == equipe) {
                const double y = p.mots[i].y0, h = p.mots[i].y1 - p.mots[i].y0;
                ligne.clear();
                std::copy_if(p.mots.begin(), p.mots.end(), std::back_inserter(ligne),
                             [&](const TMotPdf& m) { return std::abs(m.y0 - y) < h / 2; });
                std::sort(ligne.begin(), ligne.end(), [](const TMotPdf& a, const TMotPdf& b) { return a.x0 < b.x0; });
            }
        for (const TMotPdf& m : ligne)
            mots += m.texte + " ";
    }
    return mots;
}

// The words of the shown view's printout (of a team's line only).
std::string Imprime(TSession& s, const std::string& equipe = {})
{
    return Mots(Pages(s), equipe);
}

// Its page written through the HTML command, read back: the texts of its
// nodes a blank apart, and the page.
void Textes(xmlNode* n, std::string& t, std::vector<std::string>* noeuds = nullptr)
{
    for (; n; n = n->next) {
        if (n->type == XML_TEXT_NODE && n->content) {
            t += " " + Trim(reinterpret_cast<const char*>(n->content));
            if (noeuds)
                noeuds->push_back(Trim(reinterpret_cast<const char*>(n->content)));
        }
        Textes(n->children, t, noeuds);
    }
}

std::string Html(TSession& s, html_lu::TPage* page = nullptr, std::vector<std::string>* noeuds = nullptr)
{
    const std::string fichier = MakePath(kit::TempDir(), "chiffres-" + s.langue + ".htm");
    DeleteFile(fichier);
    kit::AnswerDialogs([&](TCommonDialog& d) {
        if (auto* x = dynamic_cast<TSaveDialog*>(&d))
            x->FileName = fichier;
        return true;
    });
    Commande(*s.f, 182);
    kit::AnswerDialogs(nullptr);
    std::string octets, t;
    ReadFileBytes(fichier, octets);
    if (page)
        *page = html_lu::Lit(octets);
    if (htmlDocPtr doc = htmlReadMemory(octets.data(), static_cast<int>(octets.size()), nullptr, "windows-1252",
                                        HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING)) {
        Textes(xmlDocGetRootElement(doc), t, noeuds);
        xmlFreeDoc(doc);
    }
    return t + " ";
}

using TLus = std::vector<std::pair<std::string, std::string>>;   // read, wanted

struct TCas
{
    int sport;
    const char* quoi;
    int64_t compte, base;   // the counts of the figure
    int decimales;
    const char* attendu;    // its text, "." for the decimal sign (nullptr: a word)
    std::function<TLus(TSession&, const TCas&)> lit;
};

// A figure of the championship information's first page: on the window, in
// its printout and in its HTML page.
TLus Chiffre(TSession& s, const TCas& k, const char* label)
{
    if (!Commande(*s.f, 172))
        return {{"no window", ""}};
    const std::string v = Dec(k.attendu), l = kit::Find<TLabel>(s.f->Enfant, label)->Caption();
    const bool imprime = (" " + Cp1252ToUtf8(Imprime(s))).find(" " + v + " ") != std::string::npos;
    const bool ecrit = Html(s).find(" " + Cp1252ToUtf8(v) + " ") != std::string::npos;
    return {{l, v}, {imprime ? v : "not printed", v}, {ecrit ? v : "not written", v}};
}

// The referee's card as it opens for the championship (code) on the
// referee numbered n: the sendings-off (rouge) or bookings average.
TLus Carte(TSession& s, const TCas& k, int n, int32_t code, bool rouge)
{
    s.f->Saison->CompteStatSport();   // as the referee ranking counts them
    std::string lu;
    Quand<Tf_FicheArbitre>([&](Tf_FicheArbitre* f) {
        lu = (rouge ? f->l_Cr : f->l_Cj)->Caption();
        kit::GrabToPng(f, "chiffres-arbitre-" + s.langue);
        f->b_Annuler->Click();
    });
    OuvreFicheArbitre(s.f.get(), s.f->Couleurs, s.f->Saison.get(), code,
                      static_cast<TPersonnelStat*>(s.f->Saison->Arbitres().ChercheNumero(s.arbitres[n - 1])));
    return {{lu, Dec(k.attendu)}};
}

// Every match sheet page the sport's tree holds, opened after the results
// were printed: neither the tree nor the menu bar offers to print or write
// it, printing and writing it anyway do nothing (no file asked), and a step
// back shows the results again rather than printing the page.
TLus Feuilles(TSession& s, const TCas&)
{
    TLus l;
    for (const int commande : {14, 15, 16, 17, 18}) {
        TTreeNode* n = Noeud(*s.f, commande);
        if (!n)
            continue;
        const std::string page = Cp1252ToUtf8(n->Text());
        Commande(*s.f, 13);
        Imprime(s);
        Choisit(*s.f, n);
        kit::Process();
        if (!dynamic_cast<Tf_InfoMatchCadreBase*>(s.f->Enfant)) {
            l.push_back({"no page", page});
            continue;
        }
        kit::GrabToPng(s.f.get(), "chiffres-feuille-" + std::to_string(commande) + "-" + s.langue);
        std::string offres;
        for (const int c : {181, 182}) {
            if (Noeud(*s.f, c))
                offres += " in the tree: " + std::to_string(c);
            for (int i = 0; i < s.f->mm_Menu->Items()->Count(); ++i)
                if (s.f->mm_Menu->Items()->Items(i)->Tag == c)
                    offres += " in the bar: " + std::to_string(c);
        }
        const size_t dialogues = kit::Dialogs().size();
        const std::string imprime = Imprime(s), ecrit = Html(s);
        const std::string pdf = MakePath(kit::TempDir(), "chiffres-" + s.langue + ".pdf");
        Printer().SetOutputFileName(pdf);
        s.f->NavigueHistorique(true);
        Printer().SetOutputFileName("");
        l.push_back({page + offres, page});
        l.push_back({page + (imprime.empty() ? "" : " printed: " + imprime), page});
        l.push_back({page + (kit::Dialogs().size() > dialogues ? " asks for its file, writes:" + ecrit : ""), page});
        l.push_back({page + (FileExists(pdf) ? " printed a step back" : ""), page});
        l.push_back({s.f->Enfant ? Classe(s.f->Enfant) : "none", "Tf_Resultats"});
    }
    return l;
}

// The times a text stands in another, a blank before and after it.
int Fois(const std::string& texte, const std::string& t)
{
    int n = 0;
    for (size_t p = texte.find(" " + t + " "); p != std::string::npos; p = texte.find(" " + t + " ", p + 1))
        ++n;
    return n;
}

// The championship information's first page: each caption its panels show
// (the positions of its scorers among them) is printed, and written in its
// HTML page as many times as the window shows it; a caption hidden is not.
TLus PageInfo(TSession& s, const TCas&)
{
    auto* v = dynamic_cast<Tf_InfoGeneral*>(Commande(*s.f, 172) ? s.f->Enfant : nullptr);
    if (!v)
        return {{"no window", ""}};
    std::string montre = " ";
    std::set<std::string> legendes;
    for (TFondCopie* p : {v->FondCopie24, v->FondCopie25, v->FondCopie26})
        for (int i = 0; i < p->ControlCount(); ++i)
            if (auto* l = dynamic_cast<TLabel*>(p->Controls(i));
                l && std::isalpha(static_cast<unsigned char>(SansAccent(l->Caption() + " ")[0]))) {
                const std::string t = Cp1252ToUtf8(Trim(l->Caption()));
                legendes.insert(t);
                if (p->Visible() && l->Visible())
                    montre += t + " ";
            }
    const std::string imprime = " " + Imprime(s);
    std::string ecrit;   // "Goals: 3" read as the caption, then the figure
    for (const char c : Html(s))
        ecrit += c == ':' ? std::string(" :") : std::string(1, c);
    TLus lus;
    for (const std::string& t : legendes) {
        std::string mots;
        std::istringstream in(t);
        for (std::string m; in >> m;)
            if (Fois(montre, t) > 0 && Fois(imprime, m) == 0)
                mots += " not printed: " + m;
        lus.push_back({t + mots, t});
        lus.push_back({t + " written " + std::to_string(Fois(ecrit, t)),
                       t + " written " + std::to_string(Fois(montre, t))});
    }
    return lus;
}

// A figure of a team's standings row (command, column) in the window, its
// printed line and its HTML row: Club 2 plays every match away, Club 1 every
// one at home.
TLus SansBase(TSession& s, const TCas& k, int commande, const std::string& equipe, int colonne)
{
    auto* v = dynamic_cast<Tf_Classement*>(Commande(*s.f, commande) ? s.f->Enfant : nullptr);
    if (!v)
        return {{"no window", ""}};
    const TColorStringGrid& g = *v->sg_Classement;
    int r = 1;
    while (r + 1 < g.RowCount() && g.Cells(1, r) != equipe)
        ++r;
    std::string ligne;
    for (int col = 1; col < g.ColCount(); ++col)
        if (!g.Cells(col, r).empty())
            ligne += Cp1252ToUtf8(g.Cells(col, r)) + " ";   // as printed, a blank apart
    const std::string imprime = Imprime(s, equipe);
    html_lu::TPage page;
    Html(s, &page);
    std::string ecrit = "no row";
    for (const auto& rang : page.tables.empty() ? html_lu::TTable{} : page.tables[0])
        if (rang.size() > static_cast<size_t>(colonne) && rang[1] == equipe)
            ecrit = rang[static_cast<size_t>(colonne)];
    return {{g.Cells(colonne, r), k.attendu},
            {imprime.substr(std::min(imprime.find(equipe), imprime.size())), ligne},
            {ecrit, k.attendu}};
}

// The headings of each view of the commands the sport offers, printed and
// written: the competition (as the view or the main window names it) once,
// and one line besides, the view's title (the distribution of one matchday:
// the matchday, then the title).
TLus EnTetes(TSession& s, std::initializer_list<int> commandes)
{
    TLus l;
    for (const int c : commandes) {
        if (!Noeud(*s.f, c))
            continue;
        if (c == 34)   // on the first matchday
            s.f->ExecuteCommande(c, 1, false);
        else if (!Commande(*s.f, c)) {
            l.push_back({"no window " + std::to_string(c), ""});
            continue;
        }
        const std::string imprime = Imprime(s);
        html_lu::TPage page;
        Html(s, &page);
        std::string reste = page.titre;
        int fois = 0;
        for (const std::string& competition :
             {s.f->Saison->Arbre().NoeudParCode(s.c->CodeChamp, true)->NomComplet(), s.f->l_Titre->Caption()}) {
            const std::string u = Cp1252ToUtf8(competition);
            for (size_t p; (p = reste.find(u)) != std::string::npos; ++fois)
                reste = reste.substr(0, p) + "|" + reste.substr(p + u.size());
        }
        int autres = 0;
        for (size_t p = 0, q; p <= reste.size(); p = q + 3) {
            q = std::min(reste.find(" - ", p), reste.size());
            autres += reste.substr(p, q - p) != "|";
        }
        const std::string dit = std::to_string(c) + ": " + page.titre;
        l.push_back({dit + " | the competition " + std::to_string(fois) + ", other lines " + std::to_string(autres),
                     dit + " | the competition 1, other lines " + (c == 34 ? "2" : "1")});
        // the same lines printed, one under the other
        std::string mots, lus;
        std::istringstream in(page.titre), pdf(imprime);
        for (std::string m; in >> m;)
            mots += m == "-" ? "" : m + " ";
        for (std::string m; lus.size() < mots.size() && pdf >> m;)
            lus += m == "-" ? "" : m + " ";
        l.push_back({std::to_string(c) + " printed: " + lus, std::to_string(c) + " printed: " + mots});
    }
    return l;
}

// A team ranking's average per match of Autre 1 (column 3), in the other
// championship, where it plays six matches holding the count of the code.
TLus MoyenneEquipe(TSession& s, const TCas& k, int commande, int code)
{
    TDonneesChampionnat& a = *s.a;
    if (a.NbJour() < 6) {   // not again once the season is opened again
        a.SetNbJournees(6);
        for (int d = 2; d <= 6; ++d) {
            a.CreeMatch(d, a.IdEquipe(0), a.IdEquipe(1), 60, 50);
            a.CreeMatch(d, a.IdEquipe(2), a.IdEquipe(3), 60, 50);
        }
        a.DerniereJournee = 6;
        s.f->Saison->InvalideStats();
    }
    auto* stat = dynamic_cast<TDonneesChampionnatStat*>(&a);
    if (TListeDonnees* l = stat ? stat->ListeStat(1, code) : nullptr; l && l->Nombre() == 0)
        l->Ajoute(TDonneesEvt::CreateId(1, a.IdEquipe(0), static_cast<uint16_t>(k.compte)));
    s.f->Saison->SelectionneChampionnat(a.CodeChamp);
    TLus lu = {{"no window", ""}};
    if (auto* v = dynamic_cast<Tf_Classement*>(Commande(*s.f, commande) ? s.f->Enfant : nullptr))
        for (int r = 1; r < v->sg_Classement->RowCount(); ++r)
            if (v->sg_Classement->Cells(1, r) == "Autre 1")
                lu = {{v->sg_Classement->Cells(3, r), Dec(k.attendu)}};
    s.f->Saison->SelectionneChampionnat(s.c->CodeChamp);
    return lu;
}

// The other championship made current; its matchday 1 holds Autre 1 1-0
// Autre 2 and Autre 3 0-0 Autre 4 (Autre 3 and 4 level in every way). The
// matches given ({home, away, home score, away score}, positions) are its
// matchday 2, added once.
void Autre(TSession& s, std::initializer_list<std::array<int, 4>> journee2 = {})
{
    TDonneesChampionnat& a = *s.a;
    if (journee2.size() > 0 && a.NbJour() < 2) {
        a.SetNbJournees(2);
        for (const auto& [h, v, sh, sv] : journee2)
            a.CreeMatch(2, a.IdEquipe(h), a.IdEquipe(v), sh, sv);
        a.DerniereJournee = 2;
        s.f->Saison->InvalideStats();
    }
    s.f->Saison->SelectionneChampionnat(a.CodeChamp);
}

// What a team's row of the shown grid reads in the window and in its HTML
// row (where it stands, then the columns given, "|" apart), and whether its
// printed line holds its cells in their order.
TLus Lignes(TSession& s, const TColorStringGrid& g, int colEquipe, std::initializer_list<int> colonnes,
            const std::vector<std::pair<std::string, std::string>>& voulus,
            const std::function<std::string(int)>& ou = [](int r) { return "row " + std::to_string(r); })
{
    const std::vector<TPagePdf> pages = Pages(s);
    html_lu::TPage page;
    Html(s, &page);
    TLus l;
    for (const auto& [equipe, voulu] : voulus) {
        int r = 1;
        while (r + 1 < g.RowCount() && g.Cells(colEquipe, r) != equipe)
            ++r;
        std::vector<std::string> h(static_cast<size_t>(g.ColCount()), "?");
        for (const auto& rang : page.tables.empty() ? html_lu::TTable{} : page.tables[0])
            if (rang.size() == h.size() && rang[static_cast<size_t>(colEquipe)] == equipe)
                h = rang;
        std::string montre = ou(r), ecrit = montre, imprime;
        for (const int c : colonnes) {
            montre += "|" + Cp1252ToUtf8(g.Cells(c, r));
            ecrit += "|" + (h[static_cast<size_t>(c)] == "\xC2\xA0" ? "" : h[static_cast<size_t>(c)]);   // &nbsp;
        }
        for (int c = 0; c < g.ColCount(); ++c)
            imprime += g.Cells(c, r).empty() ? "" : Cp1252ToUtf8(g.Cells(c, r)) + " ";
        const std::string ligne = Mots(pages, equipe);
        l.push_back({equipe + " shown " + montre, equipe + " shown " + voulu});
        l.push_back({equipe + " printed " + (ligne.find(imprime) != std::string::npos ? "as shown" : ligne),
                     equipe + " printed as shown"});
        l.push_back({equipe + " written " + ecrit, equipe + " written " + voulu});
    }
    return l;
}

// A rank as the places page writes it ("2°", "2" in English).
std::string Place(int rang)
{
    return Cp1252ToUtf8(Format(Traduire(3925), {rang}));
}

// Best and worst places after matchday 1 of the other championship: Autre 1
// won (no team ahead), Autre 3 and 4 drew 0-0 (one team ahead of both, level
// in every way), Autre 2 lost (three ahead).
TLus Places(TSession& s, const TCas&)
{
    Autre(s);
    auto* v = dynamic_cast<Tf_DiversStat*>(Commande(*s.f, 161) ? s.f->Enfant : nullptr);
    if (!v)
        return {{"no window", ""}};
    auto places = [](int row, int devant) {
        return "row " + std::to_string(row) + "|" + Place(1 + devant) + "|" + Place(1 + devant);
    };
    return Lignes(s, *v->sg_Stats, 0, {1, 2},
                  {{"Autre 1", places(1, 0)}, {"Autre 2", places(2, 3)}, {"Autre 3", places(3, 1)},
                   {"Autre 4", places(4, 1)}});
}

// The home record: Autre 2 and Autre 4 played their one match away, so they
// have no share of points dropped; they come after Autre 1 and Autre 3.
TLus Domicile(TSession& s, const TCas&)
{
    Autre(s);
    auto* v = dynamic_cast<Tf_DiversStat*>(Commande(*s.f, 162) ? s.f->Enfant : nullptr);
    if (!v)
        return {{"no window", ""}};
    return Lignes(s, *v->sg_Stats, 0, {3}, {{"Autre 2", "after 2 with one|-"}, {"Autre 4", "after 2 with one|-"}},
                  [](int r) { return r > 2 ? std::string("after 2 with one") : "row " + std::to_string(r); });
}

// The attendance ranking: Autre 1's home match drew 1000, Autre 3's has no
// attendance, Autre 2 and 4 played away: one team with an average.
TLus Affluences(TSession& s, const TCas&)
{
    s.a->SetAffluenceMatch(1, 1, 1000);
    Autre(s);
    auto* v = dynamic_cast<Tf_Classement*>(Commande(*s.f, 63) ? s.f->Enfant : nullptr);
    if (!v)
        return {{"no window", ""}};
    auto ou = [](int r) { return r > 1 ? std::string("after 1 with one") : "row " + std::to_string(r); };
    return Lignes(s, *v->sg_Classement, 1, {0, 2},
                  {{"Autre 1", "row 1|1|" + std::to_string(1000 / 1)}, {"Autre 2", "after 1 with one||-"},
                   {"Autre 3", "after 1 with one||-"}, {"Autre 4", "after 1 with one||-"}},
                  ou);
}

// Matchday 1's attendance: 507 and 508 for its two matches; the average of
// 1015 over 2 is 507.5, shown 508. Printed and written, the summary under the
// table.
// The summary under a matchday's attendance, in the window, printed and
// written.
TLus ResumeJournee(TSession& s, int journee, const std::string& texte)
{
    s.f->ExecuteCommande(28, journee, false);
    auto* v = dynamic_cast<Tf_DiversStat*>(s.f->Enfant);
    if (!v)
        return {{"no window", ""}};
    const std::string resume = Cp1252ToUtf8(texte);
    std::string mots;   // a blank apart, as the printout and the page read
    std::istringstream in(resume);
    for (std::string w; in >> w;)
        mots += " " + w;
    const std::string imprime = " " + Imprime(s), ecrit = Html(s);
    return {{Cp1252ToUtf8(v->Label1->Caption()), resume},
            {imprime.find(mots + " ") != std::string::npos ? resume : "not printed: " + imprime, resume},
            {ecrit.find(mots + " ") != std::string::npos ? resume : "not written: " + ecrit, resume}};
}

TLus SpectateursJournee(TSession& s, const TCas&)
{
    s.c->SetAffluenceMatch(1, 1, 507);
    s.c->SetAffluenceMatch(1, 2, 508);
    return ResumeJournee(s, 1, TraduireFormat(341, {507 + 508, (2 * (507 + 508) + 2) / (2 * 2)}));
}

// The team sheet's boxes of Autre 2 after matchday 2 (Autre 2 2-1 Autre 3),
// over all matches, at home and away: attack one more than the teams with a
// match there and more goals, defence one more than those with fewer against.
// All: for 2 (Autre 1 and 3 have 1), against 2 (4 has 1, 1 has 0); home:
// for 2, against 1 (1 and 3 have 0, 4 has no home match); away: for 0 (3
// has 1), against 1 (4 has 0, 1 has no away match). Autre 4 has no home rank.
TLus Boites(TSession& s, const TCas&)
{
    Autre(s, {{1, 2, 2, 1}});
    TLus l;
    for (int equipe : {1, 3}) {
        Quand<TBrivantelForm>([equipe](TBrivantelForm* d) {
            for (int i = 0; i < d->ComponentCount(); ++i)
                if (auto* k = dynamic_cast<TCarreCoche*>(d->Components(i)))
                    k->SetChecked(k->Tag == equipe);
            d->SetModalResult(mrOk);
        });
        auto* f = dynamic_cast<Tf_StatEquipe*>(Commande(*s.f, 121) && Commande(*s.f, 123) ? s.f->Enfant : nullptr);
        if (!f)
            return {{"no window", ""}};
        std::string rangs, imprimes;
        for (const auto& b : f->RangsBoites)
            rangs += b[0]->Caption() + b[1]->Caption();
        const std::string imprime = Imprime(s);
        for (size_t p = imprime.find('('); p != std::string::npos; p = imprime.find('(', p + 1))
            imprimes += imprime.substr(p, imprime.find(')', p) - p + 1);
        l.push_back({rangs, equipe == 1 ? "(1)(3)(1)(3)(2)(2)" : rangs.substr(0, 6) + "(-)(-)" + rangs.substr(12)});
        l.push_back({"printed " + imprimes, "printed " + rangs});
        s.f->FermeFenetreEnfant();
    }
    return l;
}

// "Trailing at half-time": Autre 1 scored in the 10th minute of matchday 1,
// so Autre 2 alone trailed at half-time (one match, no point); the three
// others have no such match.
TLus Menes(TSession& s, const TCas&)
{
    TJoueur* j = s.f->Saison->Joueurs().AjouteJoueur(s.f->Saison->CreeJoueur("Beta", "Paul", -1, s.a->IdEquipe(0)));
    if (s.a->ListeButeurs(1)->Nombre() == 0)
        s.a->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(j->Numero, s.a->IdEquipe(0), 10, uint16_t(0)));
    Autre(s);
    auto* v = dynamic_cast<Tf_Classement*>(Commande(*s.f, 141) ? s.f->Enfant : nullptr);
    if (!v)
        return {{"no window", ""}};
    auto ou = [](int r) { return r > 1 ? std::string("after 1 with one") : "row " + std::to_string(r); };
    return Lignes(s, *v->sg_Classement, 1, {0, 6},
                  {{"Autre 2", "row 1|1|" + Dec("0.00")}, {"Autre 1", "after 1 with one||-"},
                   {"Autre 3", "after 1 with one||-"}, {"Autre 4", "after 1 with one||-"}},
                  ou);
}

// The history's past standings, "Defence": after matchday 2 (Autre 3 0-1
// Autre 1, Autre 2 2-0 Autre 4) Autre 1 conceded 0, Autre 2 and 3 one each,
// Autre 4 two: ranks 1, 2, "-" (level with the row above), 4.
TLus DefenseHistorique(TSession& s, const TCas&)
{
    Autre(s, {{2, 0, 0, 1}, {1, 3, 2, 0}});
    s.f->Reponses = {mrYes};
    Commande(*s.f, 192);   // the season goes into the history
    Quand<Tf_ChoixHistorique>([](Tf_ChoixHistorique* d) {
        d->lb_Choix->SetItemIndex(0);
        d->bc_Choisir->Click();
    });
    auto* h = dynamic_cast<Tf_Historique*>(Commande(*s.f, 201) ? s.f->Enfant : nullptr);
    if (!h)
        return {{"no window", ""}};
    kit::Click(h->rc_Defense);
    const TColorStringGrid& g = *h->sg_Classement;
    // the view's own print and HTML page (the main window offers neither)
    const std::string fichier = MakePath(kit::TempDir(), "chiffres-histo.htm"),
                      pdf = MakePath(kit::TempDir(), "chiffres-histo.pdf");
    h->EnregistreHTML(fichier);
    std::string octets;
    ReadFileBytes(fichier, octets);
    const html_lu::TPage page = html_lu::Lit(octets);
    DeleteFile(pdf);
    Printer().SetOutputFileName(pdf);
    h->Imprime();
    Printer().SetOutputFileName("");
    const std::vector<TPagePdf> pages = FileExists(pdf) ? LitPdf(pdf) : std::vector<TPagePdf>{};
    std::string rangs, ecrits, imprimes;
    for (int r = 1; r < g.RowCount(); ++r) {
        const std::string equipe = Cp1252ToUtf8(g.Cells(1, r)), ligne = Mots(pages, equipe);
        rangs += g.Cells(0, r) + " ";
        ecrits += page.tables.empty() || page.tables[0].size() <= static_cast<size_t>(r) ? std::string("? ")
                                                                                          : page.tables[0][r][0] + " ";
        imprimes += ligne.substr(0, ligne.find(' ')) + " ";   // the rank before the team
    }
    const std::string voulu = "1 " + std::to_string(1 + 1) + " - " + std::to_string(1 + 3) + " ";
    return {{rangs, voulu}, {ecrits, voulu}, {imprimes, voulu}};
}

// The words printed on the line that starts with the words of a caption,
// after them, left to right ("" when no line holds the caption); with a
// count, that many words at most (a panel printed beside goes on along the
// line).
std::string LigneImprimee(const std::vector<TPagePdf>& pages, const std::string& legende, size_t mots = 1000)
{
    std::vector<std::string> debut;
    std::istringstream in(Cp1252ToUtf8(legende));
    for (std::string m; in >> m;)
        debut.push_back(m);
    for (const TPagePdf& p : pages)
        for (size_t i = 0; !debut.empty() && i + debut.size() <= p.mots.size(); ++i) {
            bool ok = true;
            for (size_t k = 0; ok && k < debut.size(); ++k)
                ok = p.mots[i + k].texte == debut[k];
            if (!ok)
                continue;
            const TMotPdf& fin = p.mots[i + debut.size() - 1];
            std::vector<TMotPdf> suite;
            std::copy_if(p.mots.begin(), p.mots.end(), std::back_inserter(suite), [&](const TMotPdf& m) {
                return std::abs(m.y0 - fin.y0) < (fin.y1 - fin.y0) / 2 && m.x0 > fin.x1;
            });
            std::sort(suite.begin(), suite.end(), [](const TMotPdf& a, const TMotPdf& b) { return a.x0 < b.x0; });
            std::string t;
            for (size_t k = 0; k < suite.size() && k < mots; ++k)
                t += (t.empty() ? "" : " ") + suite[k].texte;
            return t;
        }
    return {};
}

// The cell beside a caption in the tables of a page written, or what
// follows it and its colon in a text of its own ("no row").
std::string CelluleHtml(const html_lu::TPage& page, const std::string& legende,
                        const std::vector<std::string>& noeuds = {})
{
    const std::string l = Cp1252ToUtf8(legende);
    for (const html_lu::TTable& t : page.tables)
        for (const auto& rang : t)
            for (size_t i = 0; i + 1 < rang.size(); ++i)
                if (rang[i] == l)
                    return rang[i + 1];
    for (const std::string& n : noeuds)
        if (n.starts_with(l) && n.find(':', l.size()) != std::string::npos)
            return Trim(n.substr(n.find(':', l.size()) + 1));
    return "no row";
}

// A figure of a page of captions and values (the caption's label, the
// value's label): in the window, on the printed line of its caption and in
// the written row of its caption.
TLus Figure(TSession& s, TForm* f, const char* legende, const char* valeur, const std::string& attendu)
{
    const std::string l = kit::Find<TLabel>(f, legende)->Caption(), voulu = Cp1252ToUtf8(attendu);
    const std::vector<TPagePdf> pages = Pages(s);
    html_lu::TPage page;
    std::vector<std::string> noeuds;
    Html(s, &page, &noeuds);
    return {{l + " " + Cp1252ToUtf8(kit::Find<TLabel>(f, valeur)->Caption()), l + " " + voulu},
            {l + " printed " + LigneImprimee(pages, l, static_cast<size_t>(std::count(voulu.begin(), voulu.end(), ' ') + 1)),
             l + " printed " + voulu},
            {l + " written " + CelluleHtml(page, l, noeuds), l + " written " + voulu}};
}

// A figure of the championship information's first page.
TLus FigureInfo(TSession& s, const char* legende, const char* valeur, const std::string& attendu)
{
    if (!Commande(*s.f, 172))
        return {{"no window", ""}};
    return Figure(s, s.f->Enfant, legende, valeur, attendu);
}

// Basketball box scores of the first championship: rebounds (codes 13 and
// 14) of matchday 1 (30 and 20 over its two matches: 25.0 a match) and of
// matchday 2 (10: 5.0 a match), none on the others; 60 over the 40 matches
// played: 1.50 a match.
void Rebonds(TSession& s)
{
    auto* stat = dynamic_cast<TDonneesChampionnatStat*>(s.c);
    if (!stat || stat->ListeStat(1, 13)->Nombre() > 0)
        return;
    stat->ListeStat(1, 13)->Ajoute(TDonneesEvt::CreateId(1, s.E(0), 30));
    stat->ListeStat(1, 14)->Ajoute(TDonneesEvt::CreateId(1, s.E(2), 20));
    stat->ListeStat(2, 13)->Ajoute(TDonneesEvt::CreateId(1, s.E(1), 10));
    s.f->Saison->InvalideStats();
}

// Line-ups of the first championship's matchdays 1 and 2 (Club 1 at home to
// Club 2): Club 1 used five players, three coming on (3 substitutions over 2
// matches: 1.50), Club 2 three, one coming on (0.50). Club 3 and Club 4 have
// no line-up: neither figure has a base for them.
void Compositions(TSession& s)
{
    if (s.c->MatchEquipe(1, s.E(0))->CompositionSaisie(s.E(0)))
        return;
    auto joueurs = [&](int equipe, std::initializer_list<const char*> noms) {
        std::vector<int32_t> v;
        for (const char* n : noms)
            v.push_back(s.f->Saison->Joueurs().AjouteJoueur(s.f->Saison->CreeJoueur(n, "Jo", -1, s.E(equipe)))->Numero);
        return v;
    };
    const std::vector<int32_t> a = joueurs(0, {"Ames", "Aubert", "Barre", "Bosc", "Brun"}),
                               b = joueurs(1, {"Caron", "Colin", "Cros"});
    auto compo = [&](int d, int equipe, const std::vector<int32_t>& v,
                     std::initializer_list<std::pair<size_t, size_t>> remplacements) {
        TInfoComp* m = s.c->MatchEquipe(d, s.E(equipe));
        m->SetJoueurTitulaire(s.E(equipe), 1, v[0]);
        m->SetJoueurTitulaire(s.E(equipe), 2, v[1]);
        int r = 0;
        for (const auto& [sort, entre] : remplacements)
            m->SetRemplacement(s.E(equipe), v[sort], v[entre], 60, ++r);
        m->SetCompositionSaisie(s.E(equipe));
    };
    compo(1, 0, a, {{0, 2}, {1, 3}});
    compo(2, 0, a, {{1, 4}});
    compo(1, 1, b, {{1, 2}});
    compo(2, 1, b, {});
}

// A ranking of the team information (command): Club 2 first and Club 1
// second with the values given, Club 3 and Club 4 after them with no base.
TLus RangInfoEquipes(TSession& s, int commande, const std::string& club2, const std::string& club1)
{
    Compositions(s);
    auto* v = dynamic_cast<Tf_InfoEquipes*>(Commande(*s.f, commande) ? s.f->Enfant : nullptr);
    if (!v)
        return {{"no window", ""}};
    auto ou = [](int r) { return r > 2 ? std::string("after 2 with none") : "row " + std::to_string(r); };
    return Lignes(s, *v->sg_Buteur, 1, {0, 2},
                  {{"Club 2", "row 1|1|" + club2}, {"Club 1", "row 2|2|" + club1},
                   {"Club 3", "after 2 with none||-"}, {"Club 4", "after 2 with none||-"}},
                  ou);
}

// The runs of minutes at home (command): Club 2 and Club 4 never played at
// home, so they come after Club 1 and Club 3 with no run and no rank.
TLus SeriesDomicile(TSession& s, int commande)
{
    auto* v = dynamic_cast<Tf_InfoEquipes*>(Commande(*s.f, commande) ? s.f->Enfant : nullptr);
    if (!v)
        return {{"no window", ""}};
    kit::Click(v->rc_Domicile);
    auto ou = [](int r) { return r > 2 ? std::string("after 2 with none") : "row " + std::to_string(r); };
    return Lignes(s, *v->sg_Buteur, 1, {0, 2},
                  {{"Club 2", "after 2 with none||-"}, {"Club 4", "after 2 with none||-"}}, ou);
}

// The team sheet of a team (its position in the list the command offers),
// at the page of the command.
Tf_StatEquipe* FicheEquipe(TSession& s, int equipe, int page)
{
    Quand<TBrivantelForm>([equipe](TBrivantelForm* d) {
        for (int i = 0; i < d->ComponentCount(); ++i)
            if (auto* k = dynamic_cast<TCarreCoche*>(d->Components(i)))
                k->SetChecked(k->Tag == equipe);
        d->SetModalResult(mrOk);
    });
    return dynamic_cast<Tf_StatEquipe*>(Commande(*s.f, 121) && Commande(*s.f, page) ? s.f->Enfant : nullptr);
}

// The team sheet's attendance page of a team (its position): Club 1 is at
// home to Club 2 on every matchday, 1000 on matchday 1, 1001 on matchday 2,
// none known on the others. Club 1's average 2001 / 2 = 1000.5, shown 1001;
// maximum 1001, minimum 1000, total 2001. Club 2 has no home match: no
// figure. In the window, printed and written.
TLus AffluenceEquipe(TSession& s, int equipe, const std::array<const char*, 4>& voulus)
{
    s.c->SetAffluenceMatch(1, 1, 1000);
    s.c->SetAffluenceMatch(2, 1, 1001);
    Tf_StatEquipe* f = FicheEquipe(s, equipe, 128);
    if (!f)
        return {{"no window", ""}};
    const std::vector<TPagePdf> pages = Pages(s);
    html_lu::TPage page;
    Html(s, &page);
    TLus l;
    const std::pair<const char*, const char*> figures[] = {
        {"Label51", voulus[0]}, {"Label52", voulus[1]}, {"Label55", voulus[2]}, {"Label59", voulus[3]}};
    const std::map<std::string, TLabel*> valeurs = {
        {"Label51", f->Label16}, {"Label52", f->Label54}, {"Label55", f->Label58}, {"Label59", f->Label63}};
    for (const auto& [legende, voulu] : figures) {
        const std::string t = kit::Find<TLabel>(f, legende)->Caption();
        l.push_back({t + " " + valeurs.at(legende)->Caption(), t + " " + voulu});
        l.push_back({t + " printed " + LigneImprimee(pages, t), t + " printed " + voulu});
        l.push_back({t + " written " + CelluleHtml(page, t), t + " written " + voulu});
    }
    return l;
}

// A cup of the four clubs: semi-finals Club 1 2-1 Club 2 and Club 3 1-0
// Club 4, the final Club 1 1-1 Club 3, Club 1 through on a 5-4 shoot-out.
// Its fixtures show the shoot-out under the final; its summary in the
// final's cell, and Club 1's results path on its line, printed and written
// as well.
int32_t CoupeTirsAuBut(TSession& s)
{
    auto coupe = s.f->Saison->CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    coupe->OptionsParDefaut();
    for (int i = 0; i < 4; ++i)
        coupe->AjouteEquipe(s.E(i));
    const TInfoTourCoupe tours[] = {{2, 2, 1}, {1, 1, 1}};
    coupe->CreeToursCoupe(tours);
    coupe->CreeMatch(1, s.E(0), s.E(1), 2, 1);
    coupe->CreeMatch(1, s.E(2), s.E(3), 1, 0);
    coupe->CreeMatch(2, s.E(0), s.E(2), 1, 1);
    coupe->AjoutePenalty(2, s.E(0), s.E(2), 5, 4);
    coupe->NbJournee = 2;
    coupe->DerniereJournee = 2;
    const int32_t code =
        s.f->Saison->Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(coupe), "France")->Championnat()->CodeChamp;
    s.f->Saison->SelectionneChampionnat(code);
    return code;
}

TLus TirsAuButCoupe(TSession& s, const TCas&)
{
    CoupeTirsAuBut(s);
    const std::string tirs = Cp1252ToUtf8(TraduireFormat(286, {5, 4}));
    TLus l;
    std::string sous = "no final";
    if (auto* v = dynamic_cast<Tf_calendrier*>(Commande(*s.f, 225) ? s.f->Enfant : nullptr))
        for (const TColorStringGrid* g : v->Grilles)
            for (int r = 1; r < g->RowCount(); ++r)
                if (g->Cells(0, r) == "Club 1" && g->Cells(2, r) == "Club 3") {
                    sous = r + 1 < g->RowCount() ? Cp1252ToUtf8(g->Cells(1, r + 1)) : "no row under the final";
                    kit::GrabToPng(s.f.get(), "chiffres-calendrier-" + s.langue);
                }
    l.push_back({"fixtures: " + sous, "fixtures: " + tirs});
    const std::string voulu = "1 - 1 (" + tirs + ")";
    if (auto* v = dynamic_cast<Tf_recap*>(Commande(*s.f, 170) ? s.f->Enfant : nullptr)) {
        const TColorStringGrid& g = *v->sg_recap;
        std::string cellule = "no cell";
        for (int r = 1; r < g.RowCount(); ++r)
            for (int col = 1; col < g.ColCount(); ++col)
                if (g.Cells(0, r) == "Club 1" && g.Cells(col, 0).starts_with("Clu") &&
                    Cp1252ToUtf8(g.Cells(col, r)).starts_with("1 - 1"))
                    cellule = Cp1252ToUtf8(g.Cells(col, r));
        kit::GrabToPng(s.f.get(), "chiffres-recapitulatif-" + s.langue);
        const std::string imprime = " " + Imprime(s), ecrit = Html(s);
        l.push_back({"summary: " + cellule, "summary: " + voulu});
        l.push_back({imprime.find(" " + voulu + " ") != std::string::npos ? voulu : "not printed: " + imprime, voulu});
        l.push_back({ecrit.find(" " + voulu + " ") != std::string::npos ? voulu : "not written: " + ecrit, voulu});
    } else {
        l.push_back({"no summary", voulu});
    }
    // Club 1's team sheet: the final on its results path
    std::string ligne = "no line";
    if (Tf_StatEquipe* f = FicheEquipe(s, 0, 121))
        for (const TLabel* x : f->LignesDomicile())
            if (x->Caption().find("Club 3") != std::string::npos)
                ligne = Cp1252ToUtf8(x->Caption());
    const std::string imprime = " " + Imprime(s), ecrit = Html(s);
    l.push_back({ligne.ends_with(voulu) ? voulu : "path: " + ligne, voulu});
    l.push_back({imprime.find(" " + ligne + " ") != std::string::npos ? voulu : "path not printed: " + imprime, voulu});
    l.push_back({ecrit.find(" " + ligne + " ") != std::string::npos ? voulu : "path not written: " + ecrit, voulu});
    s.f->Saison->SelectionneChampionnat(s.c->CodeChamp);
    return l;
}

// The same cup, in the other views of its final: Club 1's last matches on
// the match card, the shoot-out on the line under the final, and in the score's
// cell of the card's page fragment; the team's results of the page function
// "ResultatEquipe", after the score in the row's last cell; the detailed
// results (which are not printed) after the final's score, written as well.
TLus TirsAuButAutresVues(TSession& s, const TCas&)
{
    const int32_t code = CoupeTirsAuBut(s);
    const std::string tirs = Cp1252ToUtf8(TraduireFormat(286, {5, 4}));
    TLus l;
    std::string sous = "no card";
    if (auto* f = dynamic_cast<Tf_FicheMatch*>(Commande(*s.f, 19) ? s.f->Enfant : nullptr)) {
        sous.clear();   // the captions of the second line, the final's on the first
        for (int i = 0; i < f->fs_ResultatDom->Interieur()->ControlCount(); ++i)
            if (const TControl* x = f->fs_ResultatDom->Interieur()->Controls(i); x->Top() == 2 * 18 - 15)
                sous += Cp1252ToUtf8(x->Caption());
        kit::GrabToPng(s.f.get(), "chiffres-fiche-match-" + s.langue);
    }
    l.push_back({"match card: " + sous, "match card: " + tirs});
    auto fonction = [&](const char* nom, std::initializer_list<std::string> p) {
        std::string r;
        if (const TFonctionEnregistree* e = GestionFonctions().Cherche(nom)) {
            TOwned<TForm> vue(e->Classe.Cree(nullptr));
            TStringList parametres;
            parametres.Add("Division=" + IntToStr(code));
            for (const std::string& x : p)
                parametres.Add(x);
            dynamic_cast<TFootForm&>(*vue).ExecuteFonction(nom, parametres, r, s.f->Couleurs, "", s.f->Saison.get());
        }
        return Cp1252ToUtf8(r);
    };
    EnregistreFichesResultats();   // the match card's function, as the program registers it
    const std::string fragment =
        fonction("FicheMatch", {"AfficheMatchs=oui", "Equipe1=Club 1", "Equipe2=Club 3"});
    const std::string carte = "1-1 (" + tirs + ")</td>";
    l.push_back({fragment.find(carte) != std::string::npos ? carte : "match card fragment: " + fragment, carte});
    const std::string resultats = fonction("ResultatEquipe", {"Equipe=Club 1"});
    const std::string cellule = ">1 (" + tirs + ")</font></td>";
    l.push_back({resultats.find(cellule) != std::string::npos ? cellule : "ResultatEquipe: " + resultats, cellule});
    s.f->ExecuteCommande(26, 2, false);
    const std::string voulu = "1 - 1 (" + tirs + ")";
    auto* v = dynamic_cast<Tf_DiversStat*>(s.f->Enfant);
    const std::string texte = v ? Cp1252ToUtf8(v->e_Detail->Texte()) : std::string("no detailed results");
    const std::string ecrit = Html(s);
    l.push_back({texte.find(voulu) != std::string::npos ? voulu : "detailed: " + texte, voulu});
    l.push_back({ecrit.find(" " + voulu + " ") != std::string::npos ? voulu : "not written: " + ecrit, voulu});
    s.f->Saison->SelectionneChampionnat(s.c->CodeChamp);
    return l;
}

// The match card's sides after matchday 1: Autre 3 and 4 level, both second
// (one team ahead), in the name box and the place line.
TLus CarteMatch(TSession& s, const TCas&)
{
    Autre(s);
    TLus l;
    for (const int p : {2, 3}) {
        const TChiffresFiche f = Tf_FicheMatch::Chiffres(s.f->Saison.get(), p, 1, true, false);
        l.push_back({f.Nom, "Autre " + std::to_string(p + 1) + " (" + std::to_string(1 + 1) + ")"});
        l.push_back({f.Place.substr(f.Place.rfind(' ') + 1), TraduireRang(1 + 1)});
    }
    return l;
}

// The main window's title at its default size, a view shown: the
// competition's name ends before the buttons to the championships beside it,
// in the font it is drawn in.
TLus TitreEntier(TSession& s, const TCas&)
{
    Commande(*s.f, 162);
    kit::Process();
    const TLabel& t = *s.f->l_Titre;
    const int largeur = ScreenTextWidth(t.Font(), t.Caption());
    const int fin = t.Left() + (t.Width() + largeur) / 2;   // centred
    const std::string titre = Cp1252ToUtf8(t.Caption());
    return {{titre + (fin > s.f->sb_ChampPrec->Left() ? " under the buttons" : ""), titre},
            {titre + (largeur > t.Width() ? " wider than its label" : ""), titre}};
}

// The other championship over three matchdays in bands 1-2 and 3-3, made
// current: matchday 3 holds Autre 1 3-2 Autre 3 alone, with Autre 1's count
// of the data code (0: bookings, -1: tries); with deux, the first
// championship moved beside it, their division a wider choice of data.
void TroisJournees(TSession& s, int code, int compte, bool deux)
{
    TDonneesChampionnat& a = *s.a;
    TDescNoeud* p = s.f->Saison->Arbre().NoeudParCode(a.CodeChamp, true)->Parent();
    if (a.NbJour() < 3) {   // not again once the season is opened again
        a.SetNbJournees(3);
        a.CreeMatch(2, a.IdEquipe(0), a.IdEquipe(1), 2, 1);
        a.CreeMatch(2, a.IdEquipe(2), a.IdEquipe(3), 1, 1);
        a.CreeMatch(3, a.IdEquipe(0), a.IdEquipe(2), 3, 2);
        a.DerniereJournee = 3;
        a.SetTranche(0, 1, 2);
        a.SetTranche(1, 3, 3);
        const int id = a.IdEquipe(0);
        const int32_t j = s.f->Saison->Joueurs().AjouteJoueur(s.f->Saison->CreeJoueur("Gamma", "Luc", -1, id))->Numero;
        for (int i = 0; i < (code <= 0 ? compte : 0); ++i)
            (code == 0 ? a.ListeAvertis(3) : a.ListeDonnees(2, 3))
                ->Ajoute(std::make_unique<TDonneesEvt>(j, id, 10 + i, uint16_t(0)));
        if (auto* stat = dynamic_cast<TDonneesChampionnatStat*>(&a); stat && code > 0)
            stat->ListeStat(3, code)->Ajoute(TDonneesEvt::CreateId(1, id, static_cast<uint16_t>(compte)));
        TDescNoeud* n = s.f->Saison->Arbre().NoeudParCode(s.c->CodeChamp, true);
        if (deux) {
            auto voisin = std::make_unique<TDescNoeud>(n->Nom());
            voisin->SetChampionnat(n->RetireChampionnat());
            p->AjouteEnfant(std::move(voisin));
            n->Parent()->Parent()->Vide();
        }
        s.f->Saison->InvalideStats();
    }
    s.f->Saison->SelectionneChampionnat(a.CodeChamp);
}

// A team ranking (command) over the band 3-3 chosen in its frame (with
// deux, of both championships): the teams ranked read as given, then Autre 2
// and Autre 4, idle, with no rank and "-" (vide) in each column.
TLus SansMatchTranche(TSession& s, int commande, int code, int compte, bool deux, std::initializer_list<int> colonnes,
                      std::vector<std::pair<std::string, std::string>> classes, const std::string& vide)
{
    TroisJournees(s, code, compte, deux);
    auto* v = dynamic_cast<Tf_Classement*>(Commande(*s.f, commande) ? s.f->Enfant : nullptr);
    if (!v)
        return {{"no window", ""}};
    for (TComboBox* b : {v->CadreParam->cb_Tranche, v->CadreParam->cb_Champ})   // as a user picks them
        while (b->ItemIndex() < (b == v->CadreParam->cb_Tranche ? 2 : deux) && b->ItemIndex() + 1 < b->Items().Count())
            kit::PressKey(b, VK_DOWN);
    const int n = deux ? 6 : 2;
    for (const char* idle : {"Autre 2", "Autre 4"})
        classes.push_back({idle, "after " + std::to_string(n) + "|" + vide});
    TLus l = Lignes(s, *v->sg_Classement, 1, colonnes, classes,
                    [n](int r) { return r > n ? "after " + std::to_string(n) : "row " + std::to_string(r); });
    l.push_back({v->CadreParam->cb_Tranche->Text(), TraduireFormat(1642, {"3-3"})});
    s.f->Saison->SelectionneChampionnat(s.c->CodeChamp);
    return l;
}

// The statistics' fewest losses over the band 3-3, shown and written:
// Autre 1 none, Autre 3 one, Autre 4 and Autre 2, idle, "-" after them.
TLus MoinsDeDefaites(TSession& s, const TCas&)
{
    TroisJournees(s, 0, 0, false);
    auto* v = dynamic_cast<Tf_Statistique*>(Commande(*s.f, 158) ? s.f->Enfant : nullptr);
    if (!v)
        return {{"no window", ""}};
    while (v->CadreParam->cb_Tranche->ItemIndex() < 2)
        kit::PressKey(v->CadreParam->cb_Tranche, VK_DOWN);
    html_lu::TPage page;
    Html(s, &page);
    std::string montre, ecrit;
    for (const TColorStringGrid* g : std::span(v->sg_Part).subspan(1))
        for (int r = 1; g->Cells(0, 0) == Traduire(193) && r < g->RowCount(); ++r)
            montre += g->Cells(0, r) + " " + g->Cells(1, r) + "|";
    for (const auto& t : page.tables)
        for (size_t r = 1; t.size() > 1 && t[0][0] == Cp1252ToUtf8(Traduire(193)) && r < t.size(); ++r)
            ecrit += t[r][0] + " " + t[r][1] + "|";
    s.f->Saison->SelectionneChampionnat(s.c->CodeChamp);
    const std::string voulu = "Autre 1 0|Autre 3 1|Autre 4 -|Autre 2 -|";
    return {{montre, voulu}, {ecrit, voulu}};
}

// The forecast's page names the factors of its figures: weights set to
// 80/10/10 by their arrows without "Visualiser" print and write the page of
// the default ones; shown, then put back to 40/40/20 unshown, that of 80/10/10.
TLus FacteursPrevision(TSession& s, const TCas&)
{
    auto* p = dynamic_cast<Tf_Prevision*>(Commande(*s.f, 20) ? s.f->Enfant : nullptr);
    if (!p)
        return {{"no window", ""}};
    auto poids = [&](int forme, int lieu, int histoire) {
        for (auto [u, v] : {std::pair{p->ud_PourcForme, forme}, {p->ud_PourcPerf, lieu}, {p->ud_PourcHist, histoire}})
            while (u->Position() != v)
                u->ClickButton(u->Position() < v ? btNext : btPrev);
    };
    auto page = [&] { return "printed: " + Cp1252ToUtf8(Imprime(s)) + " written: " + Html(s); };
    const std::string defauts = page();
    poids(80, 10, 10);
    const std::string sansVoir = page();
    kit::Click(p->bc_Visualiser);
    const std::string vus = page();
    poids(40, 40, 20);
    return {{sansVoir, defauts}, {page(), vus}, {vus != defauts ? "80/10/10 its own" : vus, "80/10/10 its own"}};
}

const TCas cas[] = {
    {0, "goals per match", 107, 40, 2, "2.68", [](TSession& s, const TCas& k) { return Chiffre(s, k, "Label52"); }},
    {0, "yellow cards per match", 7, 40, 2, "0.18", [](TSession& s, const TCas& k) { return Chiffre(s, k, "Label59"); }},
    {0, "sendings-off per match", 3, 40, 2, "0.08", [](TSession& s, const TCas& k) { return Chiffre(s, k, "Label64"); }},
    {2, "points per match", 6543, 40, 2, "163.58", [](TSession& s, const TCas& k) { return Chiffre(s, k, "Label51"); }},
    {0, "a referee's cards per match, all championships", 7, 40, 2, "0.18",
     [](TSession& s, const TCas& k) { return Carte(s, k, 1, -1, false); }},
    {0, "a referee's sendings-off per match in the championship (in all)", 3, 20, 1, "0.2 (0.1)",
     [](TSession& s, const TCas& k) { return Carte(s, k, 2, s.c->CodeChamp, true); }},
    {0, "a referee without a match in the championship", 1, 2, 1, "- (0.5)",
     [](TSession& s, const TCas& k) { return Carte(s, k, 3, s.c->CodeChamp, false); }},
    {2, "a win rate without a home match", 0, 0, 1, "-",
     [](TSession& s, const TCas& k) { return SansBase(s, k, 40, "Club 2", 12); }},
    {2, "a ratio without a home match", 0, 0, 3, "-",
     [](TSession& s, const TCas& k) { return SansBase(s, k, 41, "Club 2", 8); }},
    {2, "a ratio without an away match", 0, 0, 3, "-",
     [](TSession& s, const TCas& k) { return SansBase(s, k, 42, "Club 1", 8); }},
    {3, "a team level with the one above ranked as the standings rank it", 0, 0, 0, nullptr,
     [](TSession& s, const TCas&) {
         // the other championship: Autre 3 0-0 Autre 4, level in every way
         s.f->Saison->SelectionneChampionnat(s.a->CodeChamp);
         TLus l;
         std::map<std::string, std::string> rangs, partages;   // shown, shared
         if (auto* v = dynamic_cast<Tf_Classement*>(Commande(*s.f, 40) ? s.f->Enfant : nullptr))
             for (int r = 1; r < v->sg_Classement->RowCount(); ++r) {
                 const std::string rang = v->sg_Classement->Cells(0, r), equipe = v->sg_Classement->Cells(1, r);
                 rangs[equipe] = rang;
                 partages[equipe] = rang != "-" || r == 1 ? rang : partages[v->sg_Classement->Cells(1, r - 1)];
             }
         l.push_back({rangs["Autre 4"], "-"});
         s.f->ExecuteCommande(27, 1, false);
         if (auto* v = dynamic_cast<Tf_DiversStat*>(s.f->Enfant))
             for (const auto& [equipe, rang] : rangs)
                 for (int r = 1; r < v->sg_Stats->RowCount(); ++r)
                     for (int col : {0, 2})
                         if (v->sg_Stats->Cells(col, r).starts_with(equipe + " ("))
                             l.push_back({v->sg_Stats->Cells(col, r), equipe + " (" + partages[equipe] + ")"});
         s.f->Saison->SelectionneChampionnat(s.c->CodeChamp);
         return l;
     }},
    {0, "a page printed and written names its title and the competition once", 0, 0, 0, nullptr,
     [](TSession& s, const TCas&) {
         if (!Commande(*s.f, 40))
             return TLus{{"no window", ""}};
         const std::string titre = Cp1252ToUtf8(s.f->Statut->Panels(2).Text),
                           competition =
                               Cp1252ToUtf8(s.f->Saison->Arbre().NoeudParCode(s.c->CodeChamp, true)->NomComplet());
         const std::string imprime = Imprime(s);
         html_lu::TPage page;
         Html(s, &page);
         return TLus{{imprime.substr(0, std::min(imprime.size(), titre.size() + competition.size() + 2)),
                      titre + " " + competition + " "},
                     {page.titre, titre + " - " + competition}};
     }},
    {0, "each view headed with its title and the competition once", 0, 0, 0, nullptr,
     [](TSession& s, const TCas&) { return EnTetes(s, {42, 44, 45, 172, 173, 174, 34}); }},
    {1, "each view headed with its title and the competition once", 0, 0, 0, nullptr,
     [](TSession& s, const TCas&) { return EnTetes(s, {42, 44, 45, 172, 173, 174, 34}); }},
    {2, "each view headed with its title and the competition once", 0, 0, 0, nullptr,
     [](TSession& s, const TCas&) { return EnTetes(s, {42, 44, 45, 172, 173, 174, 34}); }},
    {3, "each view headed with its title and the competition once", 0, 0, 0, nullptr,
     [](TSession& s, const TCas&) { return EnTetes(s, {42, 44, 45, 172, 173, 174, 34}); }},
    {0, "a team ranking's average attendance", 32, 3, 0, "11",
     [](TSession& s, const TCas& k) {
         for (int d = 1; d <= 3; ++d)   // Club 1 at home: 10, 11 and 11
             s.c->SetAffluenceMatch(d, 1, d == 1 ? 10 : 11);
         auto* v = dynamic_cast<Tf_Classement*>(Commande(*s.f, 63) ? s.f->Enfant : nullptr);
         for (int r = 1; v && r < v->sg_Classement->RowCount(); ++r)
             if (v->sg_Classement->Cells(1, r) == "Club 1")
                 return TLus{{v->sg_Classement->Cells(2, r), k.attendu}};
         return TLus{{"no row", k.attendu}};
     }},
    {2, "a team ranking's offensive rebounds per match", 220, 6, 2, "36.67",
     [](TSession& s, const TCas& k) { return MoyenneEquipe(s, k, 55, 13); }},
    {2, "a team ranking's fouls per match", 124, 6, 2, "20.67",
     [](TSession& s, const TCas& k) { return MoyenneEquipe(s, k, 57, 16); }},
    {3, "a team ranking's warnings per match", 10, 6, 2, "1.67",
     [](TSession& s, const TCas& k) { return MoyenneEquipe(s, k, 234, 32); }},
    {3, "a team ranking's 2-minute suspensions per match", 7, 6, 2, "1.17",
     [](TSession& s, const TCas& k) { return MoyenneEquipe(s, k, 235, 33); }},
    {0, "a cup's last matchday printed and written under its rounds and its date", 0, 0, 0, nullptr,
     [](TSession& s, const TCas&) {
         auto coupe = s.f->Saison->CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
         coupe->OptionsParDefaut();
         for (int i = 0; i < 4; ++i)
             coupe->AjouteEquipe(s.E(i));
         const TInfoTourCoupe tours[] = {{2, 2, 1}, {1, 1, 1}};
         coupe->CreeToursCoupe(tours);
         coupe->SetOption(1, 2);
         coupe->SetOption(11, static_cast<uint16_t>(coupe->Option(11) | 1));   // dated matchdays
         coupe->PetiteFinale = true;
         coupe->CreeMatch(1, s.E(0), s.E(1), 2, 1);
         coupe->CreeMatch(1, s.E(2), s.E(3), 1, 0);
         coupe->CreeMatch(2, s.E(0), s.E(2), 3, 2);
         coupe->CreeMatch(2, s.E(1), s.E(3), 1, 0);
         const uint32_t date = TGestionDate::EncodeDate(14, 7, 2024);
         coupe->SetDateJournee(2, date);
         coupe->NbJournee = 2;
         coupe->DerniereJournee = 2;
         const int32_t code =
             s.f->Saison->Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(coupe), "France")->Championnat()->CodeChamp;
         s.f->Saison->SelectionneChampionnat(code);
         TLus l;
         if (Commande(*s.f, 13)) {
             const std::string imprime = " " + Imprime(s), html = Html(s);
             for (const std::string& t : {Traduire(271), Traduire(3924), "(" + TGestionDate::DateVersTexte(date) + ")"}) {
                 const std::string u = " " + Cp1252ToUtf8(t) + " ";
                 l.push_back({imprime.find(u) != std::string::npos ? t : "not printed: " + imprime, t});
                 l.push_back({html.find(u) != std::string::npos ? t : "not written: " + html, t});
             }
         }
         s.f->Saison->SelectionneChampionnat(s.c->CodeChamp);
         return l;
     }},
    {0, "the history's choice names a championship made by hand", 0, 0, 0, nullptr,
     [](TSession& s, const TCas&) {
         s.c->SetOption(8, 124);
         s.f->Reponses = {mrYes};
         Commande(*s.f, 192);   // the season goes into the history
         std::string noms;
         auto choix = [&](int commande) {
             noms.clear();
             Quand<Tf_ChoixHistorique>([&](Tf_ChoixHistorique* d) {
                 for (int i = 0; i < d->lb_Choix->Items().Count(); ++i)
                     noms += d->lb_Choix->Items()[i] + "|";
                 d->bc_Annuler->Click();
             });
             Commande(*s.f, commande);
         };
         choix(202);
         TLus l{{noms, s.f->Saison->Arbre().NoeudParCode(s.c->CodeChamp, true)->NomAffiche() + "|"}};
         // with no season open the history alone cannot name it: no bare code
         const std::string sansSaison = TraduireFormat(5660, {s.c->CodeDivision() - 1000}) + "|";
         s.Relit([&] { choix(199); });
         l.push_back({noms, sansSaison});
         return l;
     }},
    {0, "the team sheet's red cards headed as its radio names them", 0, 0, 0, nullptr,
     [](TSession& s, const TCas&) {
         Quand<TBrivantelForm>([](TBrivantelForm* d) {   // the team: the first
             for (int i = 0; i < d->ComponentCount(); ++i)
                 if (auto* k = dynamic_cast<TCarreCoche*>(d->Components(i)))
                     k->SetChecked(k->Tag == 0);
             d->SetModalResult(mrOk);
         });
         auto* f = dynamic_cast<Tf_StatEquipe*>(Commande(*s.f, 121) && Commande(*s.f, 125) ? s.f->Enfant : nullptr);
         if (!f)
             return TLus{{"no window", ""}};
         kit::Click(f->rc_cr);
         return TLus{{f->sg_Buteur->Cells(2, 0), f->rc_cr->Caption()}};
     }},
    {1, "the detailed results spaced as the language writes", 0, 0, 0, nullptr,
     [](TSession& s, const TCas&) {
         TJoueur* adams = s.f->Saison->Joueurs().AjouteJoueur(s.f->Saison->CreeJoueur("Adams", "Tom", -1, s.E(0)));
         TJoueur* baker = s.f->Saison->Joueurs().AjouteJoueur(s.f->Saison->CreeJoueur("Baker", "Sam", -1, s.E(0)));
         TInfoComp* m = s.c->MatchEquipe(1, s.E(0));
         m->SetJoueurTitulaire(s.E(0), 1, adams->Numero);
         m->SetJoueurTitulaire(s.E(0), 2, baker->Numero);
         m->SetCompositionSaisie(s.E(0));
         s.c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(adams->Numero, s.E(0), 10, uint16_t(0)));
         s.c->SetAffluenceMatch(1, 1, 12345);
         s.f->ExecuteCommande(26, 1, false);
         auto* v = dynamic_cast<Tf_DiversStat*>(s.f->Enfant);
         const std::string texte = v ? v->e_Detail->Texte() : std::string();
         const std::string deuxPoints = s.langue == "en" ? ": " : " : ", virgule = ", ";
         TLus l;
         for (const std::string& t : {Traduire(51) + deuxPoints + "12345", "  " + Traduire(488) + deuxPoints + "Adams",
                                      "Tom Adams" + virgule + "Sam Baker"})
             l.push_back({texte.find(t) != std::string::npos ? t : texte, t});
         return l;
     }},
    {0, "the information page's captions, the scorers' positions among them, printed and written as shown", 0, 0, 0,
     nullptr, PageInfo},
    {2, "the information page's captions, the scorers' positions among them, printed and written as shown", 0, 0, 0,
     nullptr, PageInfo},
    {3, "the information page's captions, the scorers' positions among them, printed and written as shown", 0, 0, 0,
     nullptr, PageInfo},
    {0, "a match sheet page offers no print or HTML on any road", 0, 0, 0, nullptr, Feuilles},
    {1, "a match sheet page offers no print or HTML on any road", 0, 0, 0, nullptr, Feuilles},
    {2, "a match sheet page offers no print or HTML on any road", 0, 0, 0, nullptr, Feuilles},
    {3, "a match sheet page offers no print or HTML on any road", 0, 0, 0, nullptr, Feuilles},
    {0, "best and worst places: teams level share the rank the standings show", 1, 1, 0, nullptr, Places},
    {1, "best and worst places: teams level share the rank the standings show", 1, 1, 0, nullptr, Places},
    {3, "best and worst places: teams level share the rank the standings show", 1, 1, 0, nullptr, Places},
    {0, "home record: a team without a home match shows '-' after the others", 1, 0, 0, "-", Domicile},
    {1, "home record: a team without a home match shows '-' after the others", 1, 0, 0, "-", Domicile},
    {3, "home record: a team without a home match shows '-' after the others", 1, 0, 0, "-", Domicile},
    {0, "attendances: a team without a known home attendance shows '-' after the others, no rank", 1000, 1, 0, "1000",
     Affluences},
    {3, "attendances: a team without a known home attendance shows '-' after the others, no rank", 1000, 1, 0, "1000",
     Affluences},
    {0, "matchday attendance: the average rounded once, the summary printed and written", 1015, 2, 0, "508",
     SpectateursJournee},
    {2, "matchday attendance: the average rounded once, the summary printed and written", 1015, 2, 0, "508",
     SpectateursJournee},
    {0, "team sheet: attack and defence ranks among the teams with a match in the box", 1, 1, 0, nullptr, Boites},
    {2, "team sheet: attack and defence ranks among the teams with a match in the box", 1, 1, 0, nullptr, Boites},
    {3, "team sheet: attack and defence ranks among the teams with a match in the box", 1, 1, 0, nullptr, Boites},
    {0, "trailing at half-time: a team without such a match shows '-' after the others, no rank", 1, 1, 2, "0.00",
     Menes},
    {0, "match card: teams level name the rank the standings show", 1, 1, 0, nullptr, CarteMatch},
    {0, "history standings: the defence's shared rank marked on the lower of two level rows", 1, 1, 0, nullptr,
     DefenseHistorique},
    {3, "history standings: the defence's shared rank marked on the lower of two level rows", 1, 1, 0, nullptr,
     DefenseHistorique},
    {0, "substitutions per match: a team without a line-up shows '-' after the others, no rank", 3, 2, 2, nullptr,
     [](TSession& s, const TCas&) { return RangInfoEquipes(s, 136, Dec("0.50"), Dec("1.50")); }},
    {1, "substitutions per match: a team without a line-up shows '-' after the others, no rank", 3, 2, 2, nullptr,
     [](TSession& s, const TCas&) { return RangInfoEquipes(s, 136, Dec("0.50"), Dec("1.50")); }},
    {0, "players used: a team without a line-up shows '-' after the others, no rank", 5, 1, 0, nullptr,
     [](TSession& s, const TCas&) { return RangInfoEquipes(s, 135, "3", "5"); }},
    {1, "players used: a team without a line-up shows '-' after the others, no rank", 5, 1, 0, nullptr,
     [](TSession& s, const TCas&) { return RangInfoEquipes(s, 135, "3", "5"); }},
    {0, "runs at home: a team without a home match shows '-' after the others, no rank", 1, 0, 0, "-",
     [](TSession& s, const TCas&) { return SeriesDomicile(s, 218); }},
    {0, "team sheet attendance: average, maximum, minimum and total printed and written", 2001, 2, 0, "1001",
     [](TSession& s, const TCas&) { return AffluenceEquipe(s, 0, {"1001", "1001", "1000", "2001"}); }},
    {2, "team sheet attendance: average, maximum, minimum and total printed and written", 2001, 2, 0, "1001",
     [](TSession& s, const TCas&) { return AffluenceEquipe(s, 0, {"1001", "1001", "1000", "2001"}); }},
    {0, "matchday attendance: none known reads '-'", 0, 0, 0, "-",
     [](TSession& s, const TCas&) { return ResumeJournee(s, 2, Traduire(5930)); }},
    {2, "matchday attendance: none known reads '-'", 0, 0, 0, "-",
     [](TSession& s, const TCas&) { return ResumeJournee(s, 2, Traduire(5930)); }},
    {2, "most rebounds of a matchday named as its neighbours name theirs", 50, 2, 1, "25.0",
     [](TSession& s, const TCas& k) {
         Rebonds(s);
         return FigureInfo(s, "Label19", "Label58", Dec(k.attendu) + " (" + Traduire(85) + " 1)");
     }},
    {2, "fewest rebounds of a matchday named as its neighbours name theirs", 10, 2, 1, "5.0",
     [](TSession& s, const TCas& k) {
         Rebonds(s);
         return FigureInfo(s, "Label21", "Label59", Dec(k.attendu) + " (" + Traduire(85) + " 2)");
     }},
    {2, "rebounds: none entered reads '-'", 0, 0, 2, "-",
     [](TSession& s, const TCas& k) {
         TLus l;
         for (const auto& [legende, valeur] :
              {std::pair{"Label18", "Label55"}, {"Label19", "Label58"}, {"Label21", "Label59"}})
             for (const auto& x : FigureInfo(s, legende, valeur, k.attendu))
                 l.push_back(x);
         return l;
     }},
    {0, "fewest goals of a matchday: a matchday without a match played has no base", 4, 2, 0, "4",
     [](TSession& s, const TCas& k) {
         for (int m = 0; m < 2; ++m)   // matchday 3 put off whole
             for (int cote = 0; cote < 2; ++cote)
                 s.c->SetScoreMatch(3, m, cote, 65535);
         // 107 goals over the 40 matches: 3 in the first 27, 2 in the others;
         // matchday 14 holds 5, matchdays 15 to 20 hold 4 each
         return FigureInfo(s, "Label18", "Label55", std::string(k.attendu) + " (" + Traduire(85) + " 15)");
     }},
    {0, "a cup's fixtures and summary show the shoot-out that decided a match", 0, 0, 0, nullptr, TirsAuButCoupe},
    {0, "a cup's match card, team results function and detailed results show the shoot-out", 0, 0, 0, nullptr,
     TirsAuButAutresVues},
    {0, "team sheet attendance: none known at home reads '-' in every figure, the total too", 0, 0, 0, "-",
     [](TSession& s, const TCas&) { return AffluenceEquipe(s, 1, {"-", "-", "-", "-"}); }},
    {2, "offensive rebounds per match over a band: a team without a match in it comes last with '-', no rank", 5, 1, 2,
     "5.00", [](TSession& s, const TCas&) {
         return SansMatchTranche(s, 55, 13, 5, false, {0, 2, 3},
                                 {{"Autre 1", "row 1|1|5|" + Dec("5.00")}, {"Autre 3", "row 2|2|0|" + Dec("0.00")}},
                                 "|-|-");
     }},
    {2, "fouls per match over a band: a team without a match in it comes last with '-', no rank", 5, 1, 2, "5.00",
     [](TSession& s, const TCas&) {
         return SansMatchTranche(s, 57, 16, 5, false, {0, 2, 3},
                                 {{"Autre 3", "row 1|1|0|" + Dec("0.00")}, {"Autre 1", "row 2|2|5|" + Dec("5.00")}},
                                 "|-|-");
     }},
    {2, "fouls per match over a band, two championships' data: a team without a match comes last", 5, 1, 2, "5.00",
     [](TSession& s, const TCas&) {
         return SansMatchTranche(s, 57, 16, 5, true, {0, 2, 3}, {{"Autre 1", "row 6|6|5|" + Dec("5.00")}}, "|-|-");
     }},
    {3, "turnovers per match over a band: a team without a match in it comes last with '-', no rank", 4, 1, 2, "4.00",
     [](TSession& s, const TCas&) {
         return SansMatchTranche(s, 60, 29, 4, false, {0, 3}, {{"Autre 3", "row 1|1|" + Dec("0.00")}}, "|-");
     }},
    {0, "discipline over a band: a team without a match in it comes last with '-', no rank", 1, 1, 0, "1",
     [](TSession& s, const TCas&) {
         return SansMatchTranche(s, 62, 0, 1, false, {0, 2, 3, 4},
                                 {{"Autre 3", "row 1|1|0|0|0"}, {"Autre 1", "row 2|2|1|1|0"}}, "|-|-|-");
     }},
    {1, "tries conceded over a band: a team without a match in it comes last with '-', no rank", 2, 1, 0, "2",
     [](TSession& s, const TCas&) {
         return SansMatchTranche(s, 47, -1, 2, false, {0, 2}, {{"Autre 1", "row 1|1|0"}, {"Autre 3", "row 2|2|2"}},
                                 "|-");
     }},
    {0, "fewest losses over a band: a team without a match in it comes last with '-'", 1, 1, 0, nullptr, MoinsDeDefaites},
    {0, "the forecast's page names the factors of its figures, not those of its boxes", 0, 0, 0, nullptr,
     FacteursPrevision},
    {0, "the main window's title whole before its championship buttons", 0, 0, 0, nullptr, TitreEntier},
    {3, "the main window's title whole before its championship buttons", 0, 0, 0, nullptr, TitreEntier},
};

// One case per row and language: a season of the row's sport made through
// the creation windows, the counts put in, the row read; then saved, opened
// again and read again when the row has counts.
class ChiffresLus : public ::testing::TestWithParam<std::tuple<size_t, const char*>>
{
};

TEST_P(ChiffresLus, ShownPrintedAndWrittenAsCountedByHand)
{
    const auto [ligne, langue] = GetParam();
    const TCas& k = cas[ligne];
    const int sport = k.sport;
    TSession s(sport, langue);
    ASSERT_TRUE(s.c && s.a);
    const int e[4] = {s.E(0), s.E(1), s.E(2), s.E(3)};
    Joue(*s.c, 40, sport == 2 ? 6543 : 107, e);
    TPersonnels& arbitres = s.f->Saison->Arbitres();
    for (int n = 0; n < 3; ++n)
        s.arbitres[n] = arbitres.AjoutePersonnel(
            std::make_unique<TPersonnelStat>(-1, 40, "Ali", "Rameau" + std::to_string(n + 1)))->Numero;
    // referee 1 refereed the 40 matches, 2 assisted on the first ten
    // matchdays' and on the other championship's two, 3 refereed those
    const TJoueur* j = s.f->Saison->Joueurs().AjouteJoueur(s.f->Saison->CreeJoueur("Alpha", "Jean", -1, e[0]));
    for (int d = 1; d <= 20; ++d)
        for (int m = 1; m <= 2; ++m) {
            s.c->SetOfficielMatch(d, m, 1, s.arbitres[0]);
            if (d <= 10)
                s.c->SetOfficielMatch(d, m, 2, s.arbitres[1]);
        }
    for (int i = 0; i < 10; ++i)   // 7 bookings and 3 sendings-off, on matchdays 1 to 10
        s.c->ListeAvertis(i + 1)->Ajoute(
            std::make_unique<TDonneesEvt>(j->Numero, e[0], 20, i < 3 ? evtRouge : uint16_t(0)));
    s.a->SetNbJournees(1);
    s.a->CreeMatch(1, s.a->IdEquipe(0), s.a->IdEquipe(1), 1, 0);
    s.a->CreeMatch(1, s.a->IdEquipe(2), s.a->IdEquipe(3), 0, 0);
    s.a->DerniereJournee = 1;
    for (int m = 1; m <= 2; ++m) {
        s.a->SetOfficielMatch(1, m, 1, s.arbitres[2]);
        s.a->SetOfficielMatch(1, m, 2, s.arbitres[1]);
    }
    s.a->ListeAvertis(1)->Ajoute(std::make_unique<TDonneesEvt>(j->Numero, s.a->IdEquipe(0), 30, uint16_t(0)));
    s.f->Saison->InvalideStats();
    for (const auto& [lu, voulu] : k.lit(s, k))
        EXPECT_EQ(lu, voulu);
    kit::GrabToPng(s.f.get(), std::string("chiffres-") + k.quoi + "-" + langue);
    // what the file keeps reads the same
    s.Relit();
    if (k.compte > 0) {
        SCOPED_TRACE("opened again");
        for (const auto& [lu, voulu] : k.lit(s, k))
            EXPECT_EQ(lu, voulu);
    }
}

// The case's name: its row, what it reads, the sport and the language.
std::string NomCas(const ::testing::TestParamInfo<std::tuple<size_t, const char*>>& info)
{
    static const char* const sports[4] = {"football", "rugby", "basketball", "handball"};
    const TCas& k = cas[std::get<0>(info.param)];
    std::string nom = "r" + std::to_string(std::get<0>(info.param)) + "_";
    for (const char* c = k.quoi; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c)))
            nom += *c;
        else if (nom.back() != '_')
            nom += '_';
    if (nom.back() != '_')
        nom += '_';
    return nom + sports[k.sport] + "_" + std::get<1>(info.param);
}

INSTANTIATE_TEST_SUITE_P(Lignes, ChiffresLus,
                         ::testing::Combine(::testing::Range<size_t>(0, std::size(cas)), ::testing::Values("fr", "en")),
                         NomCas);

}  // namespace
