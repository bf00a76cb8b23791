// The team sheet's figures, headings and pages on a season a user makes through
// the creation windows (two championships of four clubs whose names have 17
// letters), in French and in English, driven by clicks and keys through the
// main window: a defeat after leading, both goal charts adding up to the
// standings box, the attendance buttons and markers, a substitute left on the
// bench, the results path's records and texts, the band of matchdays kept by
// every page, the frequent scores of the venue radio, the players page's
// headings, the printed path on A4, the statistics printout and the exported
// pages read back. Basketball and handball: the line-up table's heading over
// each value, a basketball player with points but no minutes, the handball
// group headings.
#include <gtest/gtest.h>

#include <libxml/HTMLparser.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <regex>
#include <tuple>

#include "codecs/PngPicture.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/ChampionnatStat.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/ListesJoueurs.h"
#include "model/Personnels.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "records/w_FicheJoueur.h"
#include "results/PagesMatch.h"
#include "results/w_ButeursStat.h"
#include "results/w_Notes.h"
#include "tests/setup/CreationEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/SortieCommande.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Couleurs.h"
#include "ui/Fond.h"
#include "ui/Graphe.h"
#include "views/Textes.h"
#include "views/cadreParamClassement.h"
#include "records/w_Effectifs.h"
#include "views/w_ClassJoueur.h"
#include "views/w_Classement.h"
#include "views/w_DiversStat.h"
#include "views/w_InfoEquipes.h"
#include "views/w_StatEquipe.h"

using namespace essai;

namespace {

// The match-sheet pages of each sport, as the program registers them at start-up.
const bool pagesInscrites = (EnregistrePagesMatch(), true);

// "Olympique Brive 1" .. "Olympique Brive 4": 17 letters each.
const char* const Prefixe = "Olympique Brive";

std::string Pdf(TFootForm& v, const std::string& nom)
{
    const std::string pdf = MakePath(kit::TempDir(), nom + ".pdf");
    DeleteFile(pdf);
    Printer().SetOutputFileName(pdf);
    v.Imprime();
    Printer().SetOutputFileName("");
    return pdf;
}

// A program folder in the language, its main window and a season made through
// the creation windows; the first championship current.
struct TSession
{
    TOwned<FenetreEssai> f;
    TDonneesChampionnat* c = nullptr;
    int e[4] = {};
    std::string langue;

    TSession(const std::string& nom, const std::string& l, int sport) : langue(l)
    {
        const std::string dir = Prepare(nom + "_" + l);
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", l);
        f = LanceFenetre();
        CreeSaison(*f, sport, Prefixe);
        if (!f->Saison)
            return;
        for (TDonneesChampionnat* x : f->Saison->Arbre().ListeChampionnats())
            if (f->Saison->NomEquipeComplet(x->IdEquipe(0), x) == std::string(Prefixe) + " 1")
                c = x;
        if (!c)
            return;
        f->Saison->SelectionneChampionnat(c->CodeChamp);
        if (c->NbJour() < 3)
            c->SetNbJournees(3);
        for (int i = 0; i < 4; ++i)
            e[i] = c->IdEquipe(i);
    }
    ~TSession()
    {
        if (f)
            TermineFenetre(f);
        FormatSettings().DecimalSeparator = ',';
    }
    TJoueur* Joueur(const char* nom, int equipe)
    {
        return f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur(nom, "Jean", -1, e[equipe]));
    }
    // The team sheet of the first club through command 121 (its dialog answered).
    Tf_StatEquipe* Feuille()
    {
        Quand<TBrivantelForm>([](TBrivantelForm* d) {
            for (int i = 0; i < d->ComponentCount(); ++i)
                if (auto* k = dynamic_cast<TCarreCoche*>(d->Components(i)))
                    k->SetChecked(k->Tag == 0);
            d->SetModalResult(mrOk);
        });
        if (!Commande(*f, 121))
            return nullptr;
        return dynamic_cast<Tf_StatEquipe*>(f->Enfant);
    }
    std::string Nom(int i) const { return std::string(Prefixe) + " " + std::to_string(i + 1); }
};

// The football season worked out by hand, for Olympique Brive 1 (e0):
// d1 at home, lost 1-2 to e1 after leading: A1 10', O1 50' and 80'. Line-up:
//    A1 and A2 started; Banc was placed among the substitutes with nobody
//    going off (he never came on). Attendance 5000.
// d2 away, won 1-0 at e2: an own goal of O2 at 40' counts for e0. 3000.
// d3 at home, drew 2-2 with e3: A1 20', A2 30'; an own goal of A3 at 60'
//    counts for e3, O3 70'. Attendance 7000.
// Goals for 1 + 1 + 2 = 4, against 2 + 0 + 2 = 4. Band: matchdays 1-2.
struct TFoot
{
    TJoueur *a1, *a2, *a3, *banc, *o1, *o2, *o3;
};

TFoot RemplitFoot(TSession& s)
{
    TDonneesChampionnat& c = *s.c;
    TFoot d{s.Joueur("Alpha", 0), s.Joueur("Bravo", 0), s.Joueur("Charlie", 0), s.Joueur("Banc", 0),
            s.Joueur("Oscar", 1), s.Joueur("Papa", 2), s.Joueur("Quebec", 3)};
    c.CreeMatch(1, s.e[0], s.e[1], 1, 2);
    c.CreeMatch(1, s.e[2], s.e[3], 0, 0);
    c.CreeMatch(2, s.e[2], s.e[0], 0, 1);
    c.CreeMatch(2, s.e[1], s.e[3], 1, 1);
    c.CreeMatch(3, s.e[0], s.e[3], 2, 2);
    c.CreeMatch(3, s.e[1], s.e[2], 0, 0);
    c.DerniereJournee = 3;
    c.NbJournee = 1;
    auto but = [&](int n, const TJoueur* j, int equipe, int minute, uint16_t drapeaux = 0) {
        c.ListeButeurs(n)->Ajoute(std::make_unique<TDonneesEvt>(j->Numero, s.e[equipe], minute, drapeaux));
    };
    but(1, d.a1, 0, 10);
    but(1, d.o1, 1, 50);
    but(1, d.o1, 1, 80);
    but(2, d.o2, 0, 40, evtRouge);
    but(3, d.a1, 0, 20);
    but(3, d.a2, 0, 30);
    but(3, d.a3, 3, 60, evtRouge);
    but(3, d.o3, 3, 70);
    TInfoComp* m = c.MatchEquipe(1, s.e[0]);
    m->SetJoueurTitulaire(s.e[0], 1, d.a1->Numero);
    m->SetJoueurTitulaire(s.e[0], 2, d.a2->Numero);
    m->SetRemplacement(s.e[0], 0, d.banc->Numero, 0, 1);
    m->SetNote(s.e[0], 1, 7);
    m->SetNote(s.e[0], c.NbTitulaire() + 1, 6);
    m->SetCompositionSaisie(s.e[0]);
    c.SetAffluenceMatch(1, 1, 5000);
    c.SetAffluenceMatch(2, 1, 3000);
    c.SetAffluenceMatch(3, 1, 7000);
    c.SetTranche(0, 1, 2);
    s.f->Saison->InvalideStats();
    return d;
}

int Somme(const TRepartition& r)
{
    int n = 0;
    for (int v : r)
        n += v;
    return n;
}

// The pixels of a colour in a picture.
template <class TImage>
int Pixels(const TImage& image, TColor couleur)
{
    int n = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            n += (ColorToRGB(image.Pixels(x, y)) & 0xFFFFFF) == ColorToRGB(couleur);
    return n;
}

// ... in a chart drawn as on screen.
int PixelsGraphe(TGraphe& g, TColor couleur)
{
    TBitmap image(g.Width(), g.Height());
    image.Canvas().Font = g.Font();
    g.Dessine(image.Canvas());
    return Pixels(image, couleur);
}

// The cells of a parsed HTML page holding a <font>: text, its colour, its row's.
struct TCelluleLue
{
    std::string texte;
    TColor police, fond;
};

TColor Attribut(xmlNode* n, const char* nom)
{
    xmlChar* v = xmlGetProp(n, BAD_CAST nom);
    const TColor c = v ? static_cast<TColor>(TexteVersCouleur(reinterpret_cast<const char*>(v))) : clNone;
    xmlFree(v);
    return c;
}

void Cellules(xmlNode* n, TColor fond, std::vector<TCelluleLue>& v)
{
    for (; n; n = n->next) {
        if (html_lu::detail::Nom(n, "tr"))
            fond = Attribut(n, "bgcolor");
        if (html_lu::detail::Nom(n, "font") && n->parent && html_lu::detail::Nom(n->parent, "td"))
            v.push_back({html_lu::detail::Texte(n), Attribut(n, "color"), fond});
        Cellules(n->children, fond, v);
    }
}

std::vector<TCelluleLue> LitCellules(const std::string& html)
{
    std::vector<TCelluleLue> v;
    if (htmlDocPtr doc = htmlReadMemory(html.data(), static_cast<int>(html.size()), nullptr, "windows-1252",
                                        HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING)) {
        Cellules(xmlDocGetRootElement(doc), clNone, v);
        xmlFreeDoc(doc);
    }
    return v;
}

// The frequent scores a grid lists ("a - b" and its count).
std::map<std::string, std::string> Scores(const TColorStringGrid& g)
{
    std::map<std::string, std::string> m;
    for (int r = 1; r + 1 < g.RowCount(); ++r)
        m[g.Cells(0, r)] = g.Cells(1, r);
    return m;
}

std::string Pourcent(int a, int b) { return FloatToStrF(a * 100.0 / b, ffFixed, 3, 2) + "%"; }

class FeuilleChiffres : public ::testing::TestWithParam<const char*>
{
};

TEST_P(FeuilleChiffres, FootballTeamSheetOnASeasonMadeThroughTheWindows)
{
    TSession s("feuille_chiffres", GetParam(), 0);
    ASSERT_NE(s.c, nullptr);
    const TFoot d = RemplitFoot(s);
    const std::string suffixe = std::string("-") + GetParam();
    Tf_StatEquipe* f = s.Feuille();
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(f->Label14->Caption(), s.Nom(0));

    // ---- results path: records printed home team first, texts of what they hold
    const bool en = s.langue == "en";
    const std::string deuxPoints = en ? ": " : " : ";   // as the language writes a colon
    EXPECT_EQ(f->Label65->Caption(), "2 ( " + s.Nom(0) + "-" + s.Nom(3) + deuxPoints + "2 - 2 )");
    EXPECT_EQ(f->Label67->Caption(), "2 ( " + s.Nom(0) + "-" + s.Nom(1) + deuxPoints + "1 - 2 )");
    EXPECT_EQ(f->Label69->Caption(), "1 ( " + s.Nom(2) + "-" + s.Nom(0) + deuxPoints + "0 - 1 )");
    EXPECT_EQ(f->Label71->Caption(), "0 ( " + s.Nom(2) + "-" + s.Nom(0) + deuxPoints + "0 - 1 )");
    EXPECT_EQ(kit::Find<TLabel>(f, "Label64")->Caption(), en ? "Highest score for" : "Plus gros score pour");
    EXPECT_EQ(kit::Find<TLabel>(f, "Label66")->Caption(), en ? "Highest score against" : "Plus gros score contre");
    ASSERT_EQ(f->LignesDomicile().size(), 2u);
    ASSERT_EQ(f->LignesExterieur().size(), 1u);
    kit::GrabToPng(s.f.get(), "feuille-chiffres-parcours" + suffixe);

    // printed on A4: every line of both columns whole, within the page
    const std::string pdf = Pdf(*f, "feuille-chiffres-parcours" + suffixe);
    const std::string texte = essai::SortieCommande("pdftotext -layout '" + pdf + "' -");
    for (const auto* colonne : {&f->LignesDomicile(), &f->LignesExterieur()})
        for (TLabel* l : *colonne)
            EXPECT_NE(texte.find(Cp1252ToUtf8(l->Caption())), std::string::npos) << l->Caption() << "\n" << texte;
    const std::string boites = essai::SortieCommande("pdftotext -bbox '" + pdf + "' -");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(boites, m, std::regex("<page width=\"([0-9.]+)\"")));
    const double largeur = std::stod(m[1]);
    int mots = 0;
    const std::regex xMax("xMax=\"([0-9.]+)\"");
    for (std::sregex_iterator i(boites.begin(), boites.end(), xMax), fin; i != fin; ++i, ++mots)
        EXPECT_LE(std::stod((*i)[1]), largeur);
    EXPECT_GT(mots, 20);
    essai::SortieCommande("pdftoppm -r 40 -png '" + pdf + "' '" + MakePath(kit::OutputDir(), "feuille-chiffres-parcours-pdf" + suffixe) +
         "'");

    // the page as HTML: every line readable on its row; losses in red
    const std::string page = MakePath(kit::TempDir(), "parcours" + suffixe + ".htm");
    f->EnregistreHTML(page);
    std::string html;
    ASSERT_TRUE(ReadFileBytes(page, html));
    int lignes = 0;
    for (const TCelluleLue& k : LitCellules(html)) {
        if (k.texte.find(deuxPoints) == std::string::npos)
            continue;
        ++lignes;
        SCOPED_TRACE(k.texte);
        EXPECT_GE(Contraste(k.police, k.fond), 4.5);
        const uint32_t rgb = static_cast<uint32_t>(k.police);
        const int r = rgb & 0xFF, v = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
        if (k.texte.find("1 - 2") != std::string::npos) {
            EXPECT_TRUE(r > 2 * v && r > 2 * b) << std::hex << rgb;
        }
    }
    EXPECT_EQ(lignes, 3);

    // ---- statistics: the boxes over the whole season
    ASSERT_TRUE(Commande(*s.f, 123));
    ASSERT_EQ(f->IndexPage(), 1);
    EXPECT_EQ(f->ValeursBoites[0][4]->Caption(), "4");
    EXPECT_EQ(f->ValeursBoites[0][5]->Caption(), "4");
    kit::GrabToPng(s.f.get(), "feuille-chiffres-statistiques" + suffixe);
    // printed dark on white: the boxes' quarter of the page holds dark text and
    // nothing yellow
    const std::string pdfStat = Pdf(*f, "feuille-chiffres-statistiques" + suffixe);
    EXPECT_NE(essai::SortieCommande("pdftotext -layout '" + pdfStat + "' -").find(s.Nom(0)), std::string::npos);
    const std::string image = MakePath(kit::OutputDir(), "feuille-chiffres-statistiques-pdf" + suffixe);
    essai::SortieCommande("pdftoppm -r 50 -png -singlefile '" + pdfStat + "' '" + image + "'");
    {
        TPngPicture png;
        png.LoadFromFile(image + ".png");
        int jaunes = 0, sombres = 0;
        for (int y = 0; y < png.Height(); ++y)
            for (int x = 0; x < png.Width() / 4; ++x) {
                const uint32_t p = png.Pixels(x, y);
                const int r = p & 0xFF, v = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
                jaunes += r > 180 && v > 160 && b < 120;
                sombres += r < 80 && v < 80 && b < 80;
            }
        EXPECT_EQ(jaunes, 0);
        EXPECT_GT(sombres, 200);
    }

    // ---- goals: both charts add up to the box's goals
    ASSERT_TRUE(Commande(*s.f, 124));
    EXPECT_EQ(Somme(f->Repartition()), 4);
    kit::Click(f->b_ChangeBut);
    EXPECT_EQ(f->b_ChangeBut->Tag, 2);
    EXPECT_EQ(Somme(f->Repartition()), 4);
    kit::GrabToPng(s.f.get(), "feuille-chiffres-buts-encaisses" + suffixe);
    kit::Click(f->b_ChangeBut);
    EXPECT_EQ(Somme(f->Repartition()), 4);

    // ---- attendance: the buttons put and take the point markers of each curve
    ASSERT_TRUE(Commande(*s.f, 128));
    const TColor domicile = f->Couleurs.LigneGraph, exterieur = f->Couleurs.LigneGraph2;
    EXPECT_NE(ColorToRGB(domicile), ColorToRGB(exterieur));
    EXPECT_TRUE(f->SpeedButton14->Down());
    EXPECT_FALSE(f->SpeedButton15->Down());
    const int avant = PixelsGraphe(*f->GraphSpect, exterieur), domAvant = PixelsGraphe(*f->GraphSpect, domicile);
    kit::Click(f->SpeedButton15);
    EXPECT_TRUE(f->SpeedButton15->Down());
    EXPECT_GE(PixelsGraphe(*f->GraphSpect, exterieur), avant + 20);
    kit::GrabToPng(s.f.get(), "feuille-chiffres-affluence" + suffixe);
    kit::Click(f->SpeedButton14);
    EXPECT_FALSE(f->SpeedButton14->Down());
    EXPECT_LE(PixelsGraphe(*f->GraphSpect, domicile), domAvant - 20);
    kit::Click(f->SpeedButton14);
    // the page's picture: both curves, each in its colour
    const std::string pageSpect = MakePath(kit::TempDir(), "affluence" + suffixe + ".htm");
    f->EnregistreHTML(pageSpect);
    TPngPicture spect;
    spect.LoadFromFile(MakePath(kit::TempDir(), "spect.png"));
    EXPECT_GT(Pixels(spect, domicile), 0);
    EXPECT_GT(Pixels(spect, exterieur), 0);

    // ---- situations: the defeat after leading counts
    ASSERT_TRUE(Commande(*s.f, 130));
    EXPECT_EQ(f->Situations[25]->Caption(), TraduireFormat(338, {1, Pourcent(1, 3)}));
    EXPECT_EQ(f->Situations[24]->Caption(), TraduireFormat(337, {0, Pourcent(0, 3)}));

    // ---- frequent scores: home only, then the band chosen by key
    ASSERT_TRUE(Commande(*s.f, 221));
    ASSERT_EQ(f->IndexPage(), 7);
    EXPECT_EQ(Scores(*f->sg_Stats), (std::map<std::string, std::string>{{"1 - 2", "1"}, {"2 - 2", "1"},
                                                                         {"1 - 0", "1"}}));
    kit::Click(f->rc_Domicile2);
    EXPECT_EQ(Scores(*f->sg_Stats), (std::map<std::string, std::string>{{"1 - 2", "1"}, {"2 - 2", "1"}}));
    TComboBox* tranche = f->CadreParam->cb_Tranche;
    ASSERT_TRUE(tranche->Visible());
    ASSERT_EQ(tranche->Items().Count(), 2);
    kit::PressKey(tranche, VK_DOWN);
    ASSERT_EQ(tranche->ItemIndex(), 1);
    ASSERT_EQ(f->CadreParam->Premiere(), 1);
    EXPECT_TRUE(f->rc_Domicile2->Checked());
    EXPECT_EQ(Scores(*f->sg_Stats), (std::map<std::string, std::string>{{"1 - 2", "1"}}));
    kit::GrabToPng(s.f.get(), "feuille-chiffres-scores" + suffixe);
    // the situations over the band: two matches
    ASSERT_TRUE(Commande(*s.f, 130));
    EXPECT_EQ(f->Situations[25]->Caption(), TraduireFormat(338, {1, Pourcent(1, 2)}));
    // the statistics page (the whole season) leaves the band as chosen
    ASSERT_TRUE(Commande(*s.f, 123));
    ASSERT_TRUE(Commande(*s.f, 130));
    EXPECT_EQ(tranche->ItemIndex(), 1);
    EXPECT_EQ(f->CadreParam->Premiere(), 1);
    EXPECT_EQ(f->Situations[25]->Caption(), TraduireFormat(338, {1, Pourcent(1, 2)}));
    ASSERT_TRUE(Commande(*s.f, 121));
    EXPECT_EQ(f->LignesDomicile().size(), 1u);   // matchday 3 is out of the band
    EXPECT_EQ(tranche->ItemIndex(), 1);
    kit::PressKey(tranche, VK_UP);
    ASSERT_EQ(tranche->ItemIndex(), 0);
    EXPECT_EQ(f->LignesDomicile().size(), 2u);

    // ---- players: the assists and the ratings under their own headings
    ASSERT_TRUE(Commande(*s.f, 125));
    kit::Click(f->rc_Passeur);
    EXPECT_EQ(f->sg_Buteur->Cells(2, 0), vues::Texte(299));
    kit::GrabToPng(s.f.get(), "feuille-chiffres-passeurs" + suffixe);
    kit::Click(f->rc_notes);
    EXPECT_EQ(f->sg_Buteur->Cells(2, 0), vues::Texte(922));
    kit::GrabToPng(s.f.get(), "feuille-chiffres-joueurs" + suffixe);
    kit::Click(f->rc_Buteur);
    const std::string pageJoueurs = MakePath(kit::TempDir(), "joueurs" + suffixe + ".htm");
    f->EnregistreHTML(pageJoueurs);
    std::string htmlJoueurs;
    ASSERT_TRUE(ReadFileBytes(pageJoueurs, htmlJoueurs));
    const html_lu::TPage lu = html_lu::Lit(htmlJoueurs);
    ASSERT_EQ(lu.tables.size(), 5u);   // scorers, assists, yellow cards, red cards, ratings
    EXPECT_EQ(lu.tables[1][0].at(2), Cp1252ToUtf8(vues::Texte(299)));
    const std::string imprime = essai::SortieCommande("pdftotext -layout '" + Pdf(*f, "feuille-chiffres-joueurs" + suffixe) + "' -");
    EXPECT_NE(imprime.find(Cp1252ToUtf8(vues::Texte(299))), std::string::npos) << imprime;

    // ---- the substitute left on the bench has not played
    ASSERT_TRUE(Commande(*s.f, 129));
    bool banc = false, alpha = false;
    for (int r = 1; r < f->sg_Composition->RowCount(); ++r) {
        banc = banc || f->sg_Composition->Cells(1, r) == "Banc";
        alpha = alpha || f->sg_Composition->Cells(1, r) == "Alpha";
    }
    EXPECT_TRUE(alpha);
    EXPECT_FALSE(banc);
    kit::GrabToPng(s.f.get(), "feuille-chiffres-composition" + suffixe);
    s.f->Saison->CalculeStatJoueurs();
    EXPECT_EQ(d.banc->NbMatch(static_cast<uint32_t>(s.c->CodeChamp)), 0);
    EXPECT_EQ(d.a2->NbMatch(static_cast<uint32_t>(s.c->CodeChamp)), 1);
    // players used: Alpha and Bravo
    ASSERT_TRUE(Commande(*s.f, 135));
    auto* info = dynamic_cast<Tf_InfoEquipes*>(s.f->Enfant);
    ASSERT_NE(info, nullptr);
    std::string utilises;
    for (int r = 1; r < info->sg_Buteur->RowCount(); ++r)
        if (info->sg_Buteur->Cells(1, r) == s.Nom(0))
            utilises = info->sg_Buteur->Cells(2, r);
    EXPECT_EQ(utilises, "2");
    // no ratings box for him on the match sheet
    ASSERT_TRUE(Commande(*s.f, 18));
    auto* notes = dynamic_cast<Tf_Notes*>(s.f->Enfant);
    ASSERT_NE(notes, nullptr);
    ASSERT_EQ(notes->IdDomicile, s.e[0]);
    EXPECT_TRUE(notes->Ligne(0, 1).Nom->Visible());
    EXPECT_FALSE(notes->Ligne(0, s.c->NbTitulaire() + 1).Nom->Visible());
    EXPECT_FALSE(notes->Ligne(0, s.c->NbTitulaire() + 1).Note->Visible());
}

// Basketball and handball: each heading of the line-up table over the value
// of its kind. One player with a box score of distinct values (code c typed
// as 3c in basketball, 4(c - 20) + 1 in handball) in one match: the column
// holding a code's value per match carries the heading of that kind.
struct TEntete
{
    int sport, code;
    const char* valeur;
    int texte;   // text id of the heading; 0: the text below
    const char* fixe;
    bool parMatch = false;   // an average: its count's caption said per match
};
const TEntete entetes[] = {
    {2, 5, "15", 174, nullptr},            // minutes per match
    {2, 6, "18.0", 40, nullptr, true},     // points per match
    {2, 7, "21-24", 1234, nullptr},
    {2, 13, "81.0", 584, nullptr},         // rebounds per match, said so by their caption
    {2, 15, "45.0", 585, nullptr, true},   // assists per match
    {2, 18, "54.0", 586, nullptr, true},   // steals per match
    {2, 20, "60.0", 587, nullptr, true},   // turnovers per match
    {2, 19, "57.0", 588, nullptr, true},   // blocks per match
    {3, 21, "5", 1544, nullptr},           // goals from play
    {3, 22, "9", 1127, nullptr},           // shots
    {3, 23, "13", 4922, nullptr},          // 7-metre goals
    {3, 25, "21", 1492, nullptr},          // saves
    {3, 27, "29", 1532, nullptr},          // penalty saves
    {3, 30, "41.0", 585, nullptr, true},   // assists per match
    {3, 31, "45.0", 586, nullptr, true},   // steals per match
    {3, 32, "49.0", 1495, nullptr, true},  // warnings per match
    {3, 33, "53.0", 0, "2'", true},        // suspensions per match
    {3, 34, "57.0", 1493, nullptr, true},  // disqualifications per match
};

// The handball players page: the group heading over each radio.
struct TGroupe
{
    const char* radio;
    const char *fr, *en;
};
const TGroupe groupes[] = {
    {"rc_Buteur", "Joueurs de champ", "Field players"},
    {"rc_Penalty", "Joueurs de champ", "Field players"},
    {"rc_Arret", "Gardiens de but", "Goalkeepers"},
    {"rc_Passeur", "Tous les joueurs", "All players"},
    {"rc_Disqualification", "Tous les joueurs", "All players"},
};

TEST_P(FeuilleChiffres, BasketballAndHandballHeadingsOverTheirValues)
{
    for (int sport : {2, 3}) {
        SCOPED_TRACE(sport);
        TSession s("feuille_entetes" + std::to_string(sport), GetParam(), sport);
        ASSERT_NE(s.c, nullptr);
        const std::string suffixe = "-" + std::to_string(sport) + "-" + GetParam();
        TDonneesChampionnat& c = *s.c;
        c.CreeMatch(1, s.e[0], s.e[1], sport == 2 ? 80 : 25, sport == 2 ? 70 : 20);
        c.DerniereJournee = 1;
        c.NbJournee = 1;
        TJoueur* j = s.Joueur("Alpha", 0);
        // basketball: Bravo has points and shots typed, no minutes
        TJoueur* b = s.Joueur("Bravo", 0);
        auto& stat = dynamic_cast<TDonneesChampionnatStat&>(c);
        const int premier = sport == 2 ? 5 : 21;
        for (int code = premier; code < premier + 16; ++code) {
            const int v = sport == 2 ? 3 * code : code == 36 ? 1 : 4 * (code - 20) + 1;
            stat.ListeStat(1, code)->Ajoute(TDonneesEvt::CreateId(j->Numero, s.e[0], static_cast<uint16_t>(v)));
        }
        if (sport == 2)
            for (const auto& [code, v] : {std::pair{6, 9}, {7, 4}, {8, 6}})
                stat.ListeStat(1, code)->Ajoute(TDonneesEvt::CreateId(b->Numero, s.e[0], static_cast<uint16_t>(v)));
        s.f->Saison->InvalideStats();
        Tf_StatEquipe* f = s.Feuille();
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(Commande(*s.f, 129));
        TColorStringGrid& g = *f->sg_Composition;
        ASSERT_GE(g.RowCount(), 2);
        int ligne = 0;
        for (int r = 1; r < g.RowCount(); ++r)
            if (g.Cells(1, r) == j->NomComplet())
                ligne = r;
        ASSERT_GT(ligne, 0);
        for (const TEntete& k : entetes) {
            if (k.sport != sport)
                continue;
            SCOPED_TRACE(k.code);
            // an average per match in the decimal notation of the session
            std::string valeur = k.valeur;
            std::replace(valeur.begin(), valeur.end(), '.', FormatSettings().DecimalSeparator);
            int colonne = -1;
            for (int col = 2; col < g.ColCount(); ++col)
                if (g.Cells(col, ligne) == valeur)
                    colonne = col;
            ASSERT_GE(colonne, 0) << valeur;
            const std::string titre = k.texte ? vues::Texte(k.texte) : std::string(k.fixe);
            EXPECT_EQ(g.Cells(colonne, 0), k.parMatch ? TraduireFormat(5452, {titre}) : titre);
        }
        kit::GrabToPng(s.f.get(), "feuille-entetes-composition" + suffixe);
        if (sport == 2) {
            // Bravo has played: one match on the line-up page and in the rankings
            bool bravo = false;
            for (int r = 1; r < g.RowCount(); ++r)
                if (g.Cells(1, r) == b->NomComplet()) {
                    bravo = true;
                    EXPECT_EQ(g.Cells(2, r), "1");
                }
            EXPECT_TRUE(bravo);
            EXPECT_EQ(b->NbMatch(static_cast<uint32_t>(c.CodeChamp)), 1);
            ASSERT_TRUE(Commande(*s.f, 86));   // two-point shots per match
            auto* cl = dynamic_cast<Tf_ClassJoueur*>(s.f->Enfant);
            ASSERT_NE(cl, nullptr);
            std::string rang;
            for (int r = 1; r < cl->sg_Classjoueurs->RowCount(); ++r)
                if (cl->sg_Classjoueurs->Cells(1, r) == "Bravo Jean")
                    rang = cl->sg_Classjoueurs->Cells(2, r) + "|" + cl->sg_Classjoueurs->Cells(3, r);
            EXPECT_EQ(rang, "1|4");
            kit::GrabToPng(s.f.get(), "feuille-entetes-classement" + suffixe);
            // the box score: the minutes under a heading that names them
            s.f->ExecuteCommande(14, 1 * 256 + 1, false);   // matchday 1, match 1
            auto* feuille = dynamic_cast<Tf_ButeursBasket*>(s.f->Enfant);
            ASSERT_NE(feuille, nullptr);
            ASSERT_TRUE(feuille->Complet());
            TColorStringGrid* t = feuille->csc_StatTir;
            int alpha = 0;
            for (int r = 1; r < t->RowCount(); ++r)
                if (t->DonneeCellule(0, r) == j->Numero)
                    alpha = r;
            ASSERT_GT(alpha, 0);
            EXPECT_EQ(t->LitCellule(1, alpha), "15");
            EXPECT_EQ(t->LitCellule(1, 0), "Min");
            kit::GrabToPng(s.f.get(), "feuille-entetes-feuille-de-match" + suffixe);
        } else {
            ASSERT_TRUE(Commande(*s.f, 125));
            for (const TGroupe& k : groupes) {
                SCOPED_TRACE(k.radio);
                auto* radio = kit::Find<TControl>(f, k.radio);
                ASSERT_NE(radio, nullptr);
                // the heading: the nearest label above the radio in its panel
                const TLabel* titre = nullptr;
                for (int i = 0; i < f->FondCopie7->ControlCount(); ++i)
                    if (auto* l = dynamic_cast<TLabel*>(f->FondCopie7->Controls(i)))
                        if (l->Top() < radio->Top() && (!titre || l->Top() > titre->Top()))
                            titre = l;
                ASSERT_NE(titre, nullptr);
                EXPECT_EQ(Cp1252ToUtf8(titre->Caption()), s.langue == "en" ? k.en : k.fr);
            }
            kit::GrabToPng(s.f.get(), "feuille-entetes-joueurs" + suffixe);
        }
    }
}

// Rugby positions under their own names, the same on the team sheet's
// line-ups and players pages, in their HTML and on the player card opened
// from the sheet: a hooker (code 5), a prop (6) and a replacement (14).
TEST_P(FeuilleChiffres, RugbyPositionsUnderTheirOwnNames)
{
    const struct
    {
        const char *nom, *fr, *en;
        int code;
    } postes[] = {{"Hooker", "Talonneur", "Hooker", 5}, {"Prop", "Pilier", "Prop", 6},
                  {"Reserve", "Remplaçant", "Replacement", 14}};
    TSession s("feuille_postes", GetParam(), 1);
    ASSERT_NE(s.c, nullptr);
    TInfoComp* m = s.c->CreeMatch(1, s.e[0], s.e[1], 20, 10);
    s.c->DerniereJournee = 1;
    s.c->NbJournee = 1;
    std::vector<TJoueur*> joueurs;
    for (const auto& k : postes) {
        TJoueur* j = joueurs.emplace_back(s.Joueur(k.nom, 0));
        j->SetPoste(static_cast<uint8_t>(k.code));
        m->SetJoueurTitulaire(s.e[0], static_cast<int>(joueurs.size()), j->Numero);
        s.c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(j->Numero, s.e[0], 10, 0));
    }
    m->SetCompositionSaisie(s.e[0]);
    s.f->Saison->InvalideStats();
    Tf_StatEquipe* f = s.Feuille();
    ASSERT_NE(f, nullptr);
    const std::string suffixe = std::string("-") + GetParam();
    // the position in the row of a name on a page (column 0) and in its HTML
    auto page = [&](int commande, const TColorStringGrid& g, const std::string& nom, const std::string& attendu) {
        ASSERT_TRUE(Commande(*s.f, commande));
        std::string grille = "?", html, lu = "?";
        for (int r = 1; r < g.RowCount(); ++r)
            if (g.Cells(1, r).rfind(nom, 0) == 0)
                grille = Cp1252ToUtf8(g.Cells(0, r));
        const std::string fichier = MakePath(kit::TempDir(), "postes-" + IntToStr(commande) + suffixe + ".htm");
        f->EnregistreHTML(fichier);
        ASSERT_TRUE(ReadFileBytes(fichier, html));
        for (const html_lu::TTable& t : html_lu::Lit(html).tables)
            for (const auto& l : t)
                if (l.size() > 1 && l[1].rfind(nom, 0) == 0)
                    lu = l[0];
        EXPECT_EQ(grille, attendu);
        EXPECT_EQ(lu, attendu);
        kit::GrabToPng(s.f.get(), "feuille-postes-" + IntToStr(commande) + suffixe);
    };
    EnregistreFichesJoueur();
    for (size_t i = 0; i < std::size(postes); ++i) {
        SCOPED_TRACE(postes[i].nom);
        const std::string attendu = s.langue == "en" ? postes[i].en : postes[i].fr;
        page(129, *f->sg_Composition, postes[i].nom, attendu);   // line-ups
        page(125, *f->sg_Buteur, postes[i].nom, attendu);        // players
        // his card, as the sheet opens it
        std::string carte = "?";
        Quand<TFicheJoueurForm>([&](TFicheJoueurForm* fiche) {
            carte = Cp1252ToUtf8(dynamic_cast<Tf_FicheJoueur&>(*fiche).cb_Poste->Text());
            kit::GrabToPng(fiche, "feuille-postes-fiche" + suffixe);
            fiche->SetModalResult(mrCancel);
        });
        TFootForm::OuvreFicheJoueur(joueurs[i], s.f->Saison.get());
        EXPECT_EQ(carte, attendu);
    }
    EnregistreServicesFicheJoueur({});
}

// ---- What users counted by hand -------------------------------------------------------------
//
// Each sport's season worked out by hand (matchday 1; the first club e0):
// football e0 9-0 e1 and e1 2-2 e2 on matchday 2, both refereed by Rameau,
//    one yellow card in each; Lang, typed without a first name, started for
//    e0 and was rated 7;
// rugby e0 24-10 e1, one try by Essai;
// basketball e0 88-79 e1 with Alpha's 2-point shots (4 of 6); e2 70-60 e3
//    without box scores;
// handball e0 25-20 e1: Berg 12 goals from play and 3 from 7 metres, Hart (e1)
//    14 and 2, Tir 7 of 13 shots, the goalkeeper Mur faced no shot (his saves
//    and shots typed 0), Gard (e1) saved 22 of 65.
// Then matchdays 2 and 3, the band "2-3" of every sport: e1-e2 and e3-e0 on 2
// (football's e1 2-2 e2 above), e2-e0 and e3-e1 on 3: e0 plays no home match
// in the band. Attendances: 3000 at e0 and 2000 at e2 on 1, 2500 at e1 and
// 1500 at e3 on 2, 3000 at e2 and 2500 at e3 on 3: over 2-3 e2 3000, e1 2500,
// e3 2000, e0 none. Basketball and handball: four players with one value in
// every statistic counted per match (and, in handball, a match played) of
// each match they played: Dupuy (e3) 4, 6, 4 on 1, 2, 3; Cazals (e0) 2, 4 on
// 1, 2; Abadie (e1) 3, 4 on 2, 3; Bastide (e2) 5, 3 on 1, 3. Over 2-3: Dupuy
// 10 in 2 matches (5.00), Cazals 4 in 1 (4.00), Abadie 7 in 2 (3.50), Bastide
// 3 in 1 (3.00); the teams, each 2 matches: e3 10 (5.00), e1 7 (3.50), e0 4
// (2.00), e2 3 (1.50). Basketball shots: Abadie 3 of 4 at three points on 2,
// Bastide 2 of 5 on 1; Dupuy's free throws 4 of 4 on 1, 1 of 2 on 3.
// Football and rugby: Pic (e0) starts on 1, 2 and 3, rated 4, 6, 8; Roc (e3)
// rated 9 on 2; a player is ranked when rated on half the matchdays counted:
// over the season of six, Pic 6.00 alone; over 2-3, Roc 9.00, Pic 7.00.
// Rugby: Pic's tries on 1 and 2, conversions two on 1 and one on 3, penalty
// goals two on 2, a drop goal on 1: over 2-3 1, 1, 2, 0 of 2, 3, 2, 1.
const int scoresCompte[4][4] = {{9, 0, 1, 1}, {24, 10, 3, 3}, {88, 79, 70, 60}, {25, 20, 18, 18}};
const int scoresTranche[4][6] = {{0, 3, 1, 2, 0, 0}, {15, 9, 6, 6, 12, 3},
                                 {80, 75, 70, 72, 90, 85}, {22, 21, 30, 28, 19, 19}};

// The season of the sport; the handball scorer Berg (nullptr in the others).
TJoueur* RemplitCompte(TSession& s, int sport)
{
    TDonneesChampionnat& c = *s.c;
    TJoueur* berg = nullptr;
    const int* x = scoresCompte[sport];
    TInfoComp* m = c.CreeMatch(1, s.e[0], s.e[1], x[0], x[1]);
    c.CreeMatch(1, s.e[2], s.e[3], x[2], x[3]);
    c.DerniereJournee = 1;
    c.NbJournee = 1;
    auto stat = [&](TJoueur* j, int equipe, std::initializer_list<std::pair<int, int>> valeurs) {
        for (const auto& [code, v] : valeurs)
            dynamic_cast<TDonneesChampionnatStat&>(c).ListeStat(1, code)->Ajoute(
                TDonneesEvt::CreateId(j->Numero, s.e[equipe], static_cast<uint16_t>(v)));
    };
    if (sport == 0) {
        auto* arbitre = static_cast<TPersonnelStat*>(
            s.f->Saison->Arbitres().AjoutePersonnel(std::make_unique<TPersonnelStat>(-1, 40, "Ali", "Rameau")));
        m->SetArbitre(arbitre->Numero);
        c.CreeMatch(2, s.e[1], s.e[2], 2, 2)->SetArbitre(arbitre->Numero);
        c.DerniereJournee = 2;
        TJoueur* a = s.Joueur("Alpha", 1);
        for (int n : {1, 2})
            c.ListeAvertis(n)->Ajoute(TDonneesEvt::CreateId(a->Numero, s.e[1], 20));
        TJoueur* lang = s.f->Saison->Joueurs().AjouteJoueur(s.f->Saison->CreeJoueur("Lang", "", -1, s.e[0]));
        m->SetJoueurTitulaire(s.e[0], 1, lang->Numero);
        m->SetNote(s.e[0], 1, 7);
        m->SetCompositionSaisie(s.e[0]);
    } else if (sport == 1) {
        c.ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(s.Joueur("Essai", 0)->Numero, s.e[0], 10, 0));
    } else if (sport == 2) {
        stat(s.Joueur("Alpha", 0), 0, {{7, 4}, {8, 6}});
    } else {
        berg = s.Joueur("Berg", 0);
        stat(berg, 0, {{21, 12}, {22, 20}, {23, 3}, {24, 3}});
        stat(s.Joueur("Hart", 1), 1, {{21, 14}, {22, 20}, {23, 2}, {24, 2}});
        stat(s.Joueur("Tir", 0), 0, {{21, 7}, {22, 13}});
        stat(s.Joueur("Mur", 0), 0, {{25, 0}, {26, 0}});
        stat(s.Joueur("Gard", 1), 1, {{25, 22}, {26, 65}});
    }
    // matchdays 2 and 3
    const int* y = scoresTranche[sport];
    if (sport != 0)
        c.CreeMatch(2, s.e[1], s.e[2], y[4], y[5]);
    c.CreeMatch(2, s.e[3], s.e[0], y[0], y[1]);
    c.CreeMatch(3, s.e[2], s.e[0], y[2], y[3]);
    c.CreeMatch(3, s.e[3], s.e[1], y[1], y[0]);
    c.DerniereJournee = 3;
    for (const auto& [n, k, v] : {std::tuple{1, 1, 3000}, {1, 2, 2000}, {2, 1, 2500}, {2, 2, 1500}, {3, 1, 3000},
                                  {3, 2, 2500}})
        c.SetAffluenceMatch(n, k, v);
    c.SetTranche(0, 2, 3);
    // the other championship moved beside this one: their division is a
    // wider choice of data
    TDescTree& arbre = s.f->Saison->Arbre();
    for (TDescNoeud* n : arbre.ListeNoeudsChampionnat())
        if (n->Championnat() != &c) {
            auto voisin = std::make_unique<TDescNoeud>(n->Nom());
            voisin->SetChampionnat(n->RetireChampionnat());
            arbre.NoeudParCode(c.CodeChamp, true)->Parent()->AjouteEnfant(std::move(voisin));
            n->Parent()->Parent()->Vide();
            break;
        }
    if (sport <= 1) {
        c.SetOptionArbitre(4, 50);
        TJoueur* pic = s.Joueur("Pic", 0);
        TJoueur* roc = s.Joueur("Roc", 3);
        for (const auto& [n, equipe, j, slot, note] : {std::tuple{1, 0, pic, 2, 4}, {2, 0, pic, 2, 6},
                                                       {3, 0, pic, 2, 8}, {2, 3, roc, 1, 9}}) {
            TInfoComp* x = c.MatchEquipe(n, s.e[equipe]);
            x->SetJoueurTitulaire(s.e[equipe], slot, j->Numero);
            x->SetNote(s.e[equipe], slot, note);
            x->SetCompositionSaisie(s.e[equipe]);
        }
        if (sport == 1)
            for (const auto& [genre, n] : {std::pair{2, 1}, {2, 2}, {6, 1}, {6, 1}, {6, 3}, {5, 2}, {5, 2}, {7, 1}})
                c.ListeDonnees(genre, n)->Ajoute(std::make_unique<TDonneesEvt>(pic->Numero, s.e[0], 30, 0));
    }
    if (sport >= 2) {
        const std::vector<int> codes = sport == 2 ? std::vector<int>{5, 6, 13, 14, 15, 16, 17, 18, 19, 20}
                                                  : std::vector<int>{21, 23, 25, 27, 29, 30, 31, 32, 33, 34};
        const std::pair<const char*, int> joueurs[] = {{"Dupuy", 3}, {"Cazals", 0}, {"Abadie", 1}, {"Bastide", 2}};
        const int valeurs[4][3] = {{4, 6, 4}, {2, 4, 0}, {0, 3, 4}, {5, 0, 3}};
        for (int i = 0; i < 4; ++i) {
            TJoueur* j = s.Joueur(joueurs[i].first, joueurs[i].second);
            for (int n = 1; n <= 3; ++n) {
                const int v = valeurs[i][n - 1];
                for (int code : codes)
                    if (v > 0)
                        dynamic_cast<TDonneesChampionnatStat&>(c).ListeStat(n, code)->Ajoute(
                            TDonneesEvt::CreateId(j->Numero, s.e[joueurs[i].second], static_cast<uint16_t>(v)));
                if (v > 0 && sport == 3)
                    dynamic_cast<TDonneesChampionnatStat&>(c).ListeStat(n, 36)->Ajoute(
                        TDonneesEvt::CreateId(j->Numero, s.e[joueurs[i].second], 1));
            }
            if (sport == 2) {
                const std::tuple<int, int, int> tirs[4][2] = {{{1, 11, 4}, {3, 11, 1}}, {}, {{2, 9, 3}}, {{1, 9, 2}}};
                const std::tuple<int, int, int> tentes[4][2] = {{{1, 12, 4}, {3, 12, 2}}, {}, {{2, 10, 4}}, {{1, 10, 5}}};
                for (const auto* l : {tirs[i], tentes[i]})
                    for (int k = 0; k < 2; ++k)
                        if (const auto [n, code, v] = l[k]; n > 0)
                            dynamic_cast<TDonneesChampionnatStat&>(c).ListeStat(n, code)->Ajoute(
                                TDonneesEvt::CreateId(j->Numero, s.e[joueurs[i].second], static_cast<uint16_t>(v)));
            }
        }
    }
    s.f->Saison->InvalideStats();
    return berg;
}

// The cells of the grid's row holding that text in column k, joined by "|".
std::string Ligne(const TColorStringGrid& g, int k, const std::string& texte)
{
    for (int r = 1; r < g.RowCount(); ++r)
        if (g.Cells(k, r) == texte) {
            std::string t;
            for (int col = 0; col < g.ColCount(); ++col)
                t += (col ? "|" : "") + g.Cells(col, r);
            return t;
        }
    return "?";
}

// A figure in the decimal notation of the session ("53.8" read "53,8" in French).
std::string Dec(std::string v)
{
    std::replace(v.begin(), v.end(), '.', FormatSettings().DecimalSeparator);
    return v;
}

template <class F>
F* Vue(TSession& s, int commande, int param = -1)
{
    if (param < 0)
        EXPECT_TRUE(Commande(*s.f, commande)) << commande;
    else
        s.f->ExecuteCommande(commande, param, false);
    kit::GrabToPng(s.f.get(), "compte-" + IntToStr(commande) + "-" + s.langue);
    return dynamic_cast<F*>(s.f->Enfant);
}

// The shown view's HTML page read back: titled, headed by its title and the
// competition.
void EnTetes(TSession& s, const std::string& nom, const std::string& titre)
{
    const std::string fichier = MakePath(kit::TempDir(), nom + "-" + s.langue + ".htm");
    dynamic_cast<TFootForm&>(*s.f->Enfant).EnregistreHTML(fichier);
    std::string html;
    ASSERT_TRUE(ReadFileBytes(fichier, html));
    const html_lu::TPage p = html_lu::Lit(html);
    EXPECT_EQ(p.titre.rfind(Cp1252ToUtf8(titre), 0), 0u) << p.titre;
    ASSERT_GE(p.entetes.size(), 2u);
    EXPECT_EQ(p.entetes[0], Cp1252ToUtf8(titre));
    EXPECT_EQ(p.entetes[1], Cp1252ToUtf8(s.f->Saison->Arbre().NoeudParCode(s.c->CodeChamp, true)->NomComplet()));
}

// The goals page's button once the goals scored are shown: it names the others.
void BoutonButs(TSession& s, int texte)
{
    Tf_StatEquipe* f = s.Feuille();
    ASSERT_NE(f, nullptr);
    f->AfficheButsMarques();
    EXPECT_EQ(f->b_ChangeBut->Caption(), vues::Texte(texte));
}

// The rows of a grid from row 1: cells joined by "|", rows by "/".
std::string Rangees(const TColorStringGrid& g)
{
    std::string t;
    for (int r = 1; r < g.RowCount(); ++r) {
        t += r > 1 ? "/" : "";
        for (int col = 0; col < g.ColCount(); ++col)
            t += (col ? "|" : "") + g.Cells(col, r);
    }
    return t;
}

// The item of the frame's band list chosen as a user picks it (0 the whole
// season, 1 the band "2-3").
void Tranche(TParamClassement* cadre, int i)
{
    TComboBox* b = cadre->cb_Tranche;
    ASSERT_TRUE(b->Visible());
    ASSERT_EQ(b->Items().Count(), 2);
    if (b->ItemIndex() == i)
        return;
    b->SetItemIndex(i);
    b->OnChange(b);
}

// The shown view printed and written over the band "2-3": both name it, and
// the figures the window shows (of the grid, when given, row by row as the
// page's table) are on them.
void SortiesTranche(TSession& s, const std::string& nom, const TColorStringGrid* g,
                    const std::vector<std::string>& figures = {}, bool nommee = true)
{
    auto& v = dynamic_cast<TFootForm&>(*s.f->Enfant);
    kit::GrabToPng(s.f.get(), nom + "-" + s.langue);
    const std::string bande = Cp1252ToUtf8(Trim(TraduireFormat(63, {"", 2, 3})));
    const std::string texte = essai::SortieCommande("pdftotext -layout '" + Pdf(v, nom + "-" + s.langue) + "' -");
    EXPECT_EQ(texte.find(bande) != std::string::npos, nommee) << texte;
    const std::string fichier = MakePath(kit::TempDir(), nom + "-" + s.langue + ".htm");
    v.EnregistreHTML(fichier);
    std::string html;
    ASSERT_TRUE(ReadFileBytes(fichier, html));
    const html_lu::TPage p = html_lu::Lit(html);
    EXPECT_EQ(p.titre.find(bande) != std::string::npos, nommee) << p.titre;
    std::vector<std::string> voulues = figures;
    for (int r = 1; g && r < g->RowCount(); ++r)
        for (int col = 0; col < g->ColCount(); ++col)
            voulues.push_back(g->Cells(col, r));
    for (const std::string& x : voulues)
        EXPECT_NE(texte.find(Cp1252ToUtf8(x)), std::string::npos) << x << "\n" << texte;
    if (!g)
        return;
    ASSERT_FALSE(p.tables.empty());
    html_lu::TTable lue = p.tables.back();
    for (auto& l : lue)
        for (std::string& x : l)
            x = x == "\xC2\xA0" ? std::string() : x;   // &nbsp;
    ASSERT_EQ(static_cast<int>(lue.size()), g->RowCount());
    for (int r = 1; r < g->RowCount(); ++r)
        for (int col = 0; col < g->ColCount(); ++col)
            EXPECT_EQ(lue[static_cast<size_t>(r)][static_cast<size_t>(col)], Cp1252ToUtf8(g->Cells(col, r)));
}

// A ranking of the teams over the band: each command's rows (the teams as
// "#n", n from 1, and figures as "1.50"), then the band unchosen again.
void EquipesTranche(TSession& s, const std::vector<std::pair<int, std::string>>& attendus)
{
    for (const auto& [commande, lignes] : attendus) {
        SCOPED_TRACE(commande);
        auto* v = Vue<Tf_Classement>(s, commande);
        ASSERT_NE(v, nullptr);
        Tranche(v->CadreParam, 1);
        std::string voulu = Dec(lignes);
        for (int k = 0; k < 4; ++k)
            voulu = std::regex_replace(voulu, std::regex("#" + IntToStr(k + 1)), s.Nom(k));
        EXPECT_EQ(Rangees(*v->sg_Classement), voulu);
        if (&commande == &attendus.front().first)
            SortiesTranche(s, "tranche-" + IntToStr(commande), v->sg_Classement);
        Tranche(v->CadreParam, 0);
    }
}

// Players ranked per match over the band, each command's rows.
void JoueursTranche(TSession& s, const std::vector<std::pair<int, std::string>>& attendus)
{
    for (const auto& [commande, lignes] : attendus) {
        SCOPED_TRACE(commande);
        auto* v = Vue<Tf_ClassJoueur>(s, commande);
        ASSERT_NE(v, nullptr);
        Tranche(v->CadreParam, 1);
        EXPECT_EQ(Rangees(*v->sg_Classjoueurs), Dec(lignes));
        if (commande == 94)
            SortiesTranche(s, "tranche-joueurs", v->sg_Classjoueurs);
        Tranche(v->CadreParam, 0);
    }
}

// Per match over the band: Dupuy, Cazals, Abadie and Bastide as the comment
// on the season counts them, each statistic once or, summed with another
// counted the same, twice.
const std::string ParMatchTranche =
    "1|Dupuy Jean|2|10|5.00/2|Cazals Jean|1|4|4.00/3|Abadie Jean|2|7|3.50/4|Bastide Jean|1|3|3.00";
const std::string ParMatchTrancheDouble =
    "1|Dupuy Jean|2|20|10.00/2|Cazals Jean|1|8|8.00/3|Abadie Jean|2|14|7.00/4|Bastide Jean|1|6|6.00";
// The teams per match over the band, most first, and fewest first.
const std::string EquipesParMatch = "1|#4|10|5.00/2|#2|7|3.50/3|#1|4|2.00/4|#3|3|1.50";
const std::string EquipesParMatchInverse = "1|#3|3|1.50/2|#1|4|2.00/3|#2|7|3.50/4|#4|10|5.00";

// The first club's sheet on a page over the band.
Tf_StatEquipe* FeuilleTranche(TSession& s, int commande)
{
    Tf_StatEquipe* f = s.Feuille();
    // a sheet shown already asks for no team: no answer left for a later dialog
    kit::ForgetModalActions();
    if (!f || !Commande(*s.f, commande))
        return nullptr;
    Tranche(f->CadreParam, 1);
    return f;
}

// The football and rugby ratings (command 72) over the season, then over the
// band, as the comment on the season counts them.
void NotesTranche(TSession& s)
{
    auto* v = Vue<Tf_ClassJoueur>(s, 72);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(Rangees(*v->sg_Classjoueurs), Dec("1|Pic Jean|6.00"));
    Tranche(v->CadreParam, 1);
    EXPECT_EQ(Rangees(*v->sg_Classjoueurs), Dec("1|Roc Jean|9.00/2|Pic Jean|7.00"));
    SortiesTranche(s, "tranche-notes", v->sg_Classjoueurs);
    Tranche(v->CadreParam, 0);
}

struct TLigneCompte
{
    int sport;
    const char* quoi;
    std::function<void(TSession&, TJoueur* berg)> verifie;
};

const TLigneCompte comptes[] = {
    {-1, "the frequent scores as entered, none held at 7", [](TSession& s, TJoueur*) {
         const int* x = scoresCompte[s.f->Saison->Sport()];
         EXPECT_EQ(Scores(*Vue<Tf_DiversStat>(s, 171)->sg_Stats)[IntToStr(x[0]) + " - " + IntToStr(x[1])], "1");
     }},
    {0, "the referee's yellow cards counted beside their average",
     [](TSession& s, TJoueur*) {
         TColorStringGrid& g = *Vue<Tf_ClassJoueur>(s, 117)->sg_Classjoueurs;
         EXPECT_EQ(Ligne(g, 1, "Rameau Ali"), "1|Rameau Ali|2|2|" + Dec("1.00"));
         EXPECT_EQ(g.Cells(3, 0), vues::Texte(941));
         EXPECT_EQ(g.Cells(4, 0), vues::Texte(591));
     }},
    {0, "a surname typed alone keeps its capital on the ratings page",
     [](TSession& s, TJoueur*) {
         auto* notes = Vue<Tf_Notes>(s, 18);
         ASSERT_NE(notes, nullptr);
         EXPECT_EQ(notes->Ligne(0, 1).Nom->Text(), "Lang");
     }},
    {0, "the summary's page is titled", [](TSession& s, TJoueur*) {
         ASSERT_NE(Vue<TFootForm>(s, 170), nullptr);
         EnTetes(s, "recap", vues::Texte(950));
     }},
    {0, "the matchday summary's page is titled", [](TSession& s, TJoueur*) {
         ASSERT_NE(Vue<Tf_DiversStat>(s, 27, 1), nullptr);
         EnTetes(s, "resume", vues::Texte(971) + " - " + TraduireFormat(151, {1}));
     }},
    {1, "the points ranking of the team sheet is headed Points",
     [](TSession& s, TJoueur*) {
         Tf_StatEquipe* f = s.Feuille();
         ASSERT_TRUE(f && Commande(*s.f, 125));
         kit::Click(f->rc_Passeur);
         EXPECT_EQ(f->sg_Buteur->Cells(2, 0), vues::Texte(50));
     }},
    {0, "the detailed results' page is titled", [](TSession& s, TJoueur*) {
         ASSERT_NE(Vue<Tf_DiversStat>(s, 26, 1), nullptr);
         EnTetes(s, "detail", vues::Texte(970) + " - " + TraduireFormat(151, {1}));
     }},
    {1, "the matchday tries' page is titled", [](TSession& s, TJoueur*) {
         ASSERT_NE(Vue<Tf_DiversStat>(s, 35, 1), nullptr);
         EnTetes(s, "essais", vues::Texte(488) + " - " + TraduireFormat(151, {1}));
     }},
    {2, "teams without box scores have no shooting rate and no rank",
     [](TSession& s, TJoueur*) {
         TColorStringGrid& g = *Vue<Tf_Classement>(s, 52)->sg_Classement;
         EXPECT_EQ(Ligne(g, 1, s.Nom(0)), "1|" + s.Nom(0) + "|" + Dec("66.67") + "%");
         EXPECT_EQ(g.Cells(1, 1), s.Nom(0));
         for (int k = 1; k < 4; ++k)
             EXPECT_EQ(Ligne(g, 1, s.Nom(k)), "|" + s.Nom(k) + "|-");
     }},
    {2, "the goals page's button speaks of points", [](TSession& s, TJoueur*) { BoutonButs(s, 5450); }},
    {3, "the matchday scorers count the 7-metre goals",
     [](TSession& s, TJoueur*) {
         TColorStringGrid& g = *Vue<Tf_DiversStat>(s, 233, 1)->sg_Stats;
         EXPECT_EQ(Ligne(g, 1, "Berg"), s.Nom(0) + "|Berg|15");
         EXPECT_EQ(Ligne(g, 1, "Hart"), s.Nom(1) + "|Hart|16");
     }},
    {3, "the squads' goals column counts the 7-metre goals",
     [](TSession& s, TJoueur*) {
         TColorStringGrid& g = *Vue<Tf_Effectifs>(s, 147)->sg_TableauEquipe;
         EXPECT_EQ(g.Cells(10, 0), vues::Texte(68));
         EXPECT_EQ(g.Cells(11, 0), vues::Texte(103));   // the bookings as the card names them
         EXPECT_EQ(g.Cells(12, 0), vues::Texte(1520));
         int berg = 0;
         for (int r = 1; r < g.RowCount(); ++r)
             berg = g.Cells(2, r) == "Berg" ? r : berg;
         ASSERT_GT(berg, 0);
         EXPECT_EQ(g.Cells(10, berg), "15");
     }},
    {3, "a rate of the team sheet rounded once",
     [](TSession& s, TJoueur*) {
         Tf_StatEquipe* f = s.Feuille();
         ASSERT_TRUE(f && Commande(*s.f, 125));
         kit::Click(kit::Find<TControl>(f, "rc_EffTir"));
         const std::string tir = Ligne(*f->sg_Buteur, 1, "Tir Jean");
         EXPECT_EQ(tir.substr(tir.find('|')), "|Tir Jean|" + Dec("53.8") + "%");
         kit::Click(kit::Find<TControl>(f, "rc_EffArret"));
         EXPECT_EQ(Ligne(*f->sg_Buteur, 1, "Mur Jean"), "?");   // no shot faced, no rate
     }},
    {3, "the save percentage ranks no goalkeeper without a shot faced",
     [](TSession& s, TJoueur*) {
         TColorStringGrid& g = *Vue<Tf_ClassJoueur>(s, 257)->sg_Classjoueurs;
         EXPECT_EQ(Ligne(g, 1, "Gard Jean"), "1|Gard Jean|22-65|" + Dec("33.85"));
         EXPECT_EQ(Ligne(g, 1, "Mur Jean"), "?");
     }},
    {3, "the card names warnings and expulsions as handball does",
     [](TSession& s, TJoueur* berg) {
         std::map<std::string, std::string> libelles;
         Quand<TFicheJoueurForm>([&](TFicheJoueurForm* fiche) {
             const auto& f = dynamic_cast<Tf_FicheJoueur&>(*fiche);
             for (size_t i = 0; i < f.LignesStat.size(); ++i)
                 libelles[f.LignesStat[i].Valeur] = f.LibellesStat[i]->Caption();
             fiche->SetModalResult(mrCancel);
         });
         EnregistreFichesJoueur();
         TFootForm::OuvreFicheJoueur(berg, s.f->Saison.get());
         EnregistreServicesFicheJoueur({});
         EXPECT_EQ(libelles["Label37"], vues::Texte(103));
         EXPECT_EQ(libelles["Label41"], vues::Texte(1520));
     }},
    {3, "the menu names the 7-metre goals and the referees' 7-metre throws",
     [](TSession& s, TJoueur*) {
         for (const auto& [commande, texte] : {std::pair{241, 1549}, {246, 1498}}) {
             ASSERT_NE(Noeud(*s.f, commande), nullptr);
             EXPECT_EQ(Noeud(*s.f, commande)->Text(), vues::Texte(texte));
         }
         EXPECT_EQ(Vue<Tf_ClassJoueur>(s, 246)->sg_Classjoueurs->Cells(3, 0), vues::Texte(1498));
     }},
    {3, "the goals page's button speaks of goals", [](TSession& s, TJoueur*) { BoutonButs(s, 1548); }},
    // over the band "2-3"
    {-1, "the attendances over a band average its home matches",
     [](TSession& s, TJoueur*) { EquipesTranche(s, {{63, "1|#3|3000/2|#2|2500/3|#4|2000/|#1|-"}}); }},
    {-1, "the squads' ages count no matchday: no band offered or named",
     [](TSession& s, TJoueur*) {
         auto* v = Vue<Tf_Classement>(s, 142);
         ASSERT_NE(v, nullptr);
         EXPECT_FALSE(v->CadreParam->cb_Tranche->Visible());
         EXPECT_EQ(v->CadreParam->Premiere(), 0);
     }},
    {2, "the team statistics over a band count its matches",
     [](TSession& s, TJoueur*) {
         EquipesTranche(s, {{57, EquipesParMatchInverse},
                            {52, "|#4|-/|#3|-/|#2|-/|#1|-"},
                            {53, "1|#2|75.00%/|#4|-/|#3|-/|#1|-"},
                            {54, "1|#4|50.00%/|#3|-/|#2|-/|#1|-"},
                            {55, EquipesParMatch},
                            {56, EquipesParMatch},
                            {58, EquipesParMatch},
                            {59, EquipesParMatch},
                            {60, EquipesParMatchInverse},
                            {61, EquipesParMatch}});
     }},
    {3, "the team statistics over a band count its matches",
     [](TSession& s, TJoueur*) {
         EquipesTranche(s, {{234, EquipesParMatch},
                            {58, EquipesParMatch},
                            {60, EquipesParMatchInverse},
                            {235, EquipesParMatch},
                            {236, EquipesParMatch},
                            {237, EquipesParMatch}});
     }},
    {2, "the players per match over a band divide by the matches of the band",
     [](TSession& s, TJoueur*) {
         std::vector<std::pair<int, std::string>> attendus = {
             {94, ParMatchTranche},
             {88, "1|Dupuy Jean|2|1|0.50"},
             // 4 a statistic counted, 8 for three of three points, 0 for one
             // free throw of two
             {85, "1|Dupuy Jean|2|20.00/2|Abadie Jean|2|18.00/3|Cazals Jean|1|16.00/4|Bastide Jean|1|12.00"}};
         for (int commande : {92, 93, 95, 96, 97, 98, 99, 100})
             attendus.push_back({commande, ParMatchTranche});
         JoueursTranche(s, attendus);
     }},
    {3, "the players per match over a band divide by the matches of the band",
     [](TSession& s, TJoueur*) {
         std::vector<std::pair<int, std::string>> attendus = {{94, ParMatchTranche},
                                                              {239, ParMatchTrancheDouble},
                                                              {255, ParMatchTrancheDouble}};
         for (int commande : {254, 241, 96, 97, 243, 244, 245, 256, 258})
             attendus.push_back({commande, ParMatchTranche});
         JoueursTranche(s, attendus);
     }},
    {2, "the players page over a band divides by the matches of the band",
     [](TSession& s, TJoueur*) {
         Tf_StatEquipe* f = FeuilleTranche(s, 125);
         ASSERT_NE(f, nullptr);
         for (const auto& [radio, valeur] : {std::pair{"rc_Buteur", "4.0"}, {"rc_Eval", "16.00"}, {"rc_Passeur", "4.0"},
                                             {"rc_BallePerdu", "4.0"}, {"rc_cj", "4.0"}, {"rc_cr", "4.0"},
                                             {"rc_notes", "8.0"}, {"rc_Fautes", "4.0"}, {"rc_FautesProv", "4.0"}}) {
             kit::Click(kit::Find<TControl>(f, radio));
             const std::string l = Ligne(*f->sg_Buteur, 1, "Cazals Jean");
             EXPECT_EQ(l.substr(l.find('|') + 1), "Cazals Jean|" + Dec(valeur)) << radio;
         }
         SortiesTranche(s, "tranche-feuille-joueurs", nullptr, {"Cazals Jean", Dec("4.0")});
         Tranche(f->CadreParam, 0);
     }},
    {3, "the players page over a band divides by the matches of the band",
     [](TSession& s, TJoueur*) {
         Tf_StatEquipe* f = FeuilleTranche(s, 125);
         ASSERT_NE(f, nullptr);
         for (const char* radio : {"rc_Buteur", "rc_Penalty", "rc_Arret", "rc_PenArret", "rc_Passeur",
                                   "rc_BallePerdu", "rc_cj", "rc_Avertissement", "rc_2minute", "rc_Disqualification"}) {
             kit::Click(kit::Find<TControl>(f, radio));
             const std::string l = Ligne(*f->sg_Buteur, 1, "Cazals Jean");
             EXPECT_EQ(l.substr(l.find('|') + 1), "Cazals Jean|" + Dec("4.0")) << radio;
         }
         SortiesTranche(s, "tranche-feuille-joueurs", nullptr, {"Cazals Jean", Dec("4.0")});
         Tranche(f->CadreParam, 0);
     }},
    {2, "the line-ups over a band count its matches and statistics",
     [](TSession& s, TJoueur*) {
         Tf_StatEquipe* f = FeuilleTranche(s, 129);
         ASSERT_NE(f, nullptr);
         // Alpha played matchday 1 alone
         EXPECT_EQ(Rangees(*f->sg_Composition).find("Alpha"), std::string::npos);
         const std::string l = Ligne(*f->sg_Composition, 1, "Cazals Jean");
         EXPECT_EQ(l.substr(l.find('|') + 1), Dec("Cazals Jean|1|4|0-0|-|0-0|-|0-0|-|8.0|4.0|4.0|4.0|4.0|4.0"));
         SortiesTranche(s, "tranche-composition", f->sg_Composition);
         Tranche(f->CadreParam, 0);
     }},
    {3, "the line-ups over a band count its matches and statistics",
     [](TSession& s, TJoueur*) {
         Tf_StatEquipe* f = FeuilleTranche(s, 129);
         ASSERT_NE(f, nullptr);
         const std::string l = Ligne(*f->sg_Composition, 1, "Cazals Jean");
         EXPECT_EQ(l.substr(l.find('|') + 1), Dec("Cazals Jean|1|4|0|-|4|-|4|-|4|-|4.0|4.0|4.0|4.0|4.0|4.0"));
         SortiesTranche(s, "tranche-composition", f->sg_Composition);
         Tranche(f->CadreParam, 0);
     }},
    {0, "the ratings over a band ask for ratings on a share of its matchdays",
     [](TSession& s, TJoueur*) { NotesTranche(s); }},
    {1, "the ratings over a band ask for ratings on a share of its matchdays",
     [](TSession& s, TJoueur*) { NotesTranche(s); }},
    {1, "the line-ups' points over a band count its matches",
     [](TSession& s, TJoueur*) {
         Tf_StatEquipe* f = FeuilleTranche(s, 129);
         ASSERT_NE(f, nullptr);
         const std::string l = Ligne(*f->sg_Composition, 1, "Pic");
         EXPECT_EQ(l.substr(l.find('|') + 1), "Pic|Jean|2|1|1|2|0|0|0|160|80");
         SortiesTranche(s, "tranche-composition", f->sg_Composition);
         Tranche(f->CadreParam, 0);
         const std::string t = Ligne(*f->sg_Composition, 1, "Pic");
         EXPECT_EQ(t.substr(t.find('|') + 1), "Pic|Jean|3|2|3|2|1|0|0|240|80");
     }},
    {-1, "the team sheet over a wider competition counts it whole: no band offered or named",
     [](TSession& s, TJoueur*) {
         Tf_StatEquipe* f = FeuilleTranche(s, 129);
         ASSERT_NE(f, nullptr);
         TComboBox* donnees = f->CadreParam->cb_Champ;
         TComboBox* tranche = f->CadreParam->cb_Tranche;
         ASSERT_GE(donnees->Items().Count(), 2);
         donnees->SetItemIndex(1);
         donnees->OnChange(donnees);
         EXPECT_FALSE(tranche->Enabled());
         EXPECT_EQ(tranche->Text(), vues::Texte(432));
         EXPECT_EQ(f->CadreParam->Premiere(), 0);
         // the season's line-up of each sport
         const std::pair<const char*, const char*> saison[] = {
             {"Pic", "Pic|Jean|3|0|0|0|270|90"},
             {"Pic", "Pic|Jean|3|2|3|2|1|0|0|240|80"},
             {"Cazals Jean", "Cazals Jean|2|3|0-0|-|0-0|-|0-0|-|6.0|3.0|3.0|3.0|3.0|3.0"},
             {"Cazals Jean", "Cazals Jean|2|6|0|-|6|-|6|-|6|-|3.0|3.0|3.0|3.0|3.0|3.0"}};
         const auto& [nom, attendu] = saison[s.f->Saison->Sport()];
         const std::string l = Ligne(*f->sg_Composition, 1, nom);
         EXPECT_EQ(l.substr(l.find('|') + 1), Dec(attendu));
         SortiesTranche(s, "donnees-composition", f->sg_Composition, {donnees->Items()[1]}, false);
         donnees->SetItemIndex(0);
         donnees->OnChange(donnees);
         EXPECT_TRUE(tranche->Enabled());
     }},
};

TEST_P(FeuilleChiffres, WhatUsersCountedByHand)
{
    for (int sport = 0; sport < 4; ++sport) {
        SCOPED_TRACE(sport);
        TSession s("feuille_compte" + std::to_string(sport), GetParam(), sport);
        ASSERT_NE(s.c, nullptr);
        TJoueur* berg = RemplitCompte(s, sport);
        for (const TLigneCompte& l : comptes)
            if (l.sport == sport || l.sport < 0) {
                SCOPED_TRACE(l.quoi);
                l.verifie(s, berg);
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Langues, FeuilleChiffres, ::testing::Values("fr", "en"));

}  // namespace
