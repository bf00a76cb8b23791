// Team categories: the shared file read and written back, and the dialog of
// command 227 driven through its pages in the main window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "model/Championnat.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "shell/w_OptionsFiltre.h"
#include "tests/shell/EcartsDocument.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/SaisonBuilder.h"

using namespace essai;

namespace {

std::string Lit(const std::string& f)
{
    std::ifstream in(f, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Ecrit(const std::string& f, const std::string& s)
{
    std::ofstream(f, std::ios::binary) << s;
}

TEST(Categories, FileRoundTripDropsNamelessEntries)
{
    const std::string f = MakePath(kit::TempDir(), "categories.xml");
    Ecrit(f, "<?xml version=\"1.0\"?>\n<categories>\n<LastModif>2005</LastModif>\n"
             "<categorie ID=\"4\">\n<nom>Moins de 17 ans</nom>\n<nomcourt>U17</nomcourt>\n</categorie>\n"
             "<categorie ID=\"9\">\n<nomcourt>X</nomcourt>\n</categorie>\n<autre><x>1</x></autre>\n"
             "<categorie ID=\"2\">\n<nom>Seniors</nom>\n</categorie>\n</categories>\n");
    TFichierCategories r = LitCategories(f);
    ASSERT_EQ(r.Liste.size(), 2u);
    EXPECT_FALSE(r.Illisible);
    EXPECT_EQ(r.Max, 4);
    EXPECT_EQ(r.Liste[0].NomCourt, "U17");
    EXPECT_EQ(r.Liste[1].NomCourt, "");
    ASSERT_TRUE(EcritCategories(f, r.Liste));
    EXPECT_EQ(Lit(f), "<categories>\r\n<categorie ID=\"4\">\r\n<nom>Moins de 17 ans</nom>\r\n<nomcourt>U17</nomcourt>"
                      "\r\n</categorie>\r\n<categorie ID=\"2\">\r\n<nom>Seniors</nom>\r\n</categorie>\r\n</categories>\r\n");
    r.Liste[0].Nom = "A/B & C";
    EcritCategories(f, r.Liste);
    EXPECT_EQ(LitCategories(f).Liste[0].Nom, "A/B & C");
    // No file, another root, garbage.
    EXPECT_FALSE(LitCategories(f + ".absent").Illisible);
    Ecrit(f, "<designs></designs>");
    EXPECT_TRUE(LitCategories(f).Illisible);
    Ecrit(f, "<categories><categorie ID=\"1\"><nom>x</nom></categorie>");
    EXPECT_TRUE(LitCategories(f).Illisible);
}

// Ids a championship cannot keep are refused when read: the file counts as
// unreadable (kept as ".bak" before it is written) and the highest id stays
// within the range, so that an added category never overflows it.
TEST(Categories, IdsOutOfRangeAreRefusedWhenRead)
{
    struct Cas
    {
        const char* id;
        bool refuse;
    };
    const Cas cas[] = {{"1", false},          {"65535", false},       {" 12 ", false},      {"2147483647", true},
                       {"2147483648", true},  {"-2147483648", true},  {"-1", true},         {"0", true},
                       {"65536", true},       {"99999999999999999999", true},               {"abc", true},
                       {"", true}};
    const std::string f = MakePath(kit::TempDir(), "categories_ids.xml");
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.id);
        Ecrit(f, std::string("<categories><categorie ID=\"3\"><nom>A</nom></categorie><categorie ID=\"") + c.id +
                     "\"><nom>B</nom></categorie></categories>");
        const TFichierCategories r = LitCategories(f);
        EXPECT_EQ(r.Refuses, c.refuse);
        EXPECT_EQ(r.Illisible, c.refuse);
        ASSERT_EQ(r.Liste.size(), c.refuse ? 1u : 2u);
        for (const TCategorie& k : r.Liste)
            EXPECT_TRUE(k.Id >= 1 && k.Id <= 65535) << k.Id;
        EXPECT_LE(r.Max, 65535);
        EXPECT_GE(ProchainIdCategorie(r.Liste), 1);
        EXPECT_LE(ProchainIdCategorie(r.Liste), 65535);
    }
    // The highest id taken: the first free one; all taken: none.
    EXPECT_EQ(ProchainIdCategorie({{1, "A", ""}, {65535, "Z", ""}}), 2);
    // ids a season cites elsewhere are taken too
    EXPECT_EQ(ProchainIdCategorie({{1, "A", ""}}, {9}), 10);
    EXPECT_EQ(ProchainIdCategorie({{1, "A", ""}, {65535, "Z", ""}}, {2, 3}), 4);
    std::vector<TCategorie> toutes;
    for (int32_t id = 1; id <= 65535; ++id)
        toutes.push_back({id, "x", ""});
    EXPECT_EQ(ProchainIdCategorie(toutes), 0);
}

TEST(Categories, DialogOfCommand227)
{
    const std::string dir = Prepare("categories");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/categories.xmc"), 0);
    // A file the dialog cannot read: kept aside before being replaced.
    Ecrit(MakePath(RepertoireEcriture(), "categories.xml"), "\x01\x02 pas du xml <");
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ModifSaison = 0;
    std::vector<std::pair<std::string, std::string>> noms = {{"Juniors", "J"}, {"Moins/18", "U18"}, {"Cadets", "C"}};
    std::vector<std::string> messages;
    RepondBoite(mrOk, &messages);   // the file is damaged
    kit::WhenModal([&](TForm* m) {
        auto* d = dynamic_cast<Tf_OptionsFiltre*>(m);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->pc_Filtre->Style(), tsButtons);
        size_t k = 0;
        d->DemandeNoms = [&](const std::string&, std::string& nom, std::string& court) {
            nom = noms[k].first;
            court = noms[k].second;
            ++k;
            return true;
        };
        for (int i = 0; i < 3; ++i)
            kit::Click(d->b_Ajouter);
        ASSERT_EQ(d->clb_Categories->Items().Count(), 3);
        EXPECT_EQ(d->Categories()[2].Id, 3);
        d->clb_Categories->SetChecked(0, true);
        d->clb_Categories->SetChecked(1, true);
        // The third is deleted after the question.
        d->clb_Categories->SetItemIndex(2);
        RepondBoite(mrYes);
        kit::Click(d->b_Effacer);
        EXPECT_EQ(d->clb_Categories->Items().Count(), 2);
        // Page 2: the championship's default category.
        d->pc_Filtre->SetActivePage(d->ts_ChampCateg);
        d->ChangePage();
        ASSERT_EQ(d->cb_Categorie->Items().Count(), 3);
        d->cb_Categorie->SetItemIndex(2);
        kit::Click(d->bc_Modifier);
        // Page 3: one team's category.
        d->pc_Filtre->SetActivePage(d->ts_Equipes);
        d->ChangePage();
        ASSERT_GT(d->lb_Equipes->Items().Count(), 1);
        d->lb_Equipes->SetItemIndex(1);
        d->cb_CategEquipe->SetItemIndex(0);
        kit::Click(d->bc_ModifierEquipe);
        kit::GrabToPng(d, "categories");
        RepondBoite(mrOk, &messages);   // where it was kept
        kit::Click(d->b_Valider);
    });
    Commande(*f, 227);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(c->CategorieDef(), 2);
    EXPECT_EQ(c->CategorieEquipe(1), 1);
    EXPECT_EQ(f->Saison->NomCategorie(2), "Moins/18");
    EXPECT_EQ(ModifSaison, 1);
    const std::string xml = MakePath(RepertoireEcriture(), "categories.xml");
    EXPECT_EQ(Lit(xml + ".bak"), "\x01\x02 pas du xml <");
    const TFichierCategories lu = LitCategories(xml);
    ASSERT_EQ(lu.Liste.size(), 2u);
    EXPECT_EQ(lu.Liste[1].Nom, "Moins/18");
    EXPECT_EQ(lu.Liste[1].NomCourt, "U18");

    // Opened again: names given back as they were change nothing; a short
    // name changed alone changes the season, and the save question follows.
    const struct { const char* court; int modif; } cas[] = {{"U18", 0}, {"M18", 1}};
    for (const auto& k : cas) {
        SCOPED_TRACE(k.court);
        ModifSaison = 0;
        kit::WhenModal([&](TForm* m) {
            auto* d = dynamic_cast<Tf_OptionsFiltre*>(m);
            ASSERT_NE(d, nullptr);
            d->DemandeNoms = [&](const std::string&, std::string& nom, std::string& court) {
                nom = "Moins/18";
                court = k.court;
                return true;
            };
            d->clb_Categories->SetItemIndex(1);
            kit::Click(d->b_Modifier);
            kit::Click(d->b_Valider);
        });
        Commande(*f, 227);
        EXPECT_EQ(ModifSaison, k.modif);
        std::string nom, court;
        ASSERT_TRUE(f->Saison->Categorie(2, nom, court));
        EXPECT_EQ(court, k.court);
    }
    ModifSaison = 0;
    TermineFenetre(f);
}

// A file holding the highest id and one past the 32 bits: the dialog shows
// what fits, adds the next free id, and the file keeps its former bytes aside.
TEST(Categories, DialogAddsWithinTheIdRange)
{
    for (const char* langue : {"fr", "en"}) {
        SCOPED_TRACE(langue);
        const std::string dir = Prepare(std::string("categories_ids_") + langue);
        TIniFile(MakePath(RepertoireEcriture(), "brivantel.ini")).WriteString("General", "Langue", langue);
        const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/categories_ids.xmc"), 0);
        const std::string xml = MakePath(RepertoireEcriture(), "categories.xml");
        const std::string avant = "<categories>\n<categorie ID=\"1\"><nom>Seniors</nom></categorie>\n"
                                  "<categorie ID=\"65535\"><nom>Dernier</nom></categorie>\n"
                                  "<categorie ID=\"2147483647\"><nom>Trop</nom></categorie>\n</categories>\n";
        Ecrit(xml, avant);
        auto f = LanceFenetre();
        f->OpenFile(fichier);
        ASSERT_TRUE(f->Saison);
        RepondBoite(mrOk);   // the file is damaged
        kit::WhenModal([&](TForm* m) {
            auto* d = dynamic_cast<Tf_OptionsFiltre*>(m);
            ASSERT_NE(d, nullptr);
            d->DemandeNoms = [&](const std::string&, std::string& nom, std::string& court) {
                nom = "Juniors";
                court = "J";
                return true;
            };
            ASSERT_EQ(d->clb_Categories->Items().Count(), 2);
            RepondBoite(mrOk);   // where the file was kept
            kit::Click(d->b_Ajouter);
            ASSERT_EQ(d->clb_Categories->Items().Count(), 3);
            EXPECT_EQ(d->Categories()[2].Id, 2);
            kit::GrabToPng(d, std::string("categories_ids_") + langue);
            kit::Click(d->b_Valider);
        });
        Commande(*f, 227);
        EXPECT_EQ(Lit(xml + ".bak"), avant);
        const TFichierCategories lu = LitCategories(xml);
        EXPECT_FALSE(lu.Illisible);
        ASSERT_EQ(lu.Liste.size(), 3u);
        EXPECT_EQ(lu.Liste[2].Id, 2);
        EXPECT_EQ(Lit(xml).find("-2147483648"), std::string::npos);
        ModifSaison = 0;
        TermineFenetre(f);
    }
}

// The file as an editor may save it by hand (a byte-order mark, a comment,
// blanks around "=", a reference, a CDATA section) reads as the plain file.
TEST(Categories, HandEditsReadAsThePlainFile)
{
    const std::string f = MakePath(kit::TempDir(), "categories_main.xml");
    const std::string plain = "<categories>\r\n<categorie ID=\"4\">\r\n<nom>Moins de 17 ans</nom>\r\n"
                              "<nomcourt>U17</nomcourt>\r\n</categorie>\r\n<categorie ID=\"12\">\r\n<nom>Seniors</nom>"
                              "\r\n</categorie>\r\n</categories>\r\n";
    Ecrit(f, plain);
    const TFichierCategories a = LitCategories(f);
    ASSERT_EQ(a.Liste.size(), 2u);
    const std::string variantes[] = {
        "\xEF\xBB\xBF" + plain,
        "<?xml version=\"1.0\"?>\r\n<!-- a la main -->\r\n<categories>\r\n<categorie ID = \"4\">\r\n"
        "<nom>Moins de 17 ans</nom>\r\n<!-- court -->\r\n<nomcourt>U17</nomcourt>\r\n</categorie>\r\n"
        "<categorie\r\n\tID\t=\t'1&#50;'>\r\n<nom><![CDATA[Sen]]>iors</nom>\r\n</categorie>\r\n</categories>\r\n",
    };
    for (const std::string& v : variantes) {
        SCOPED_TRACE(v);
        Ecrit(f, v);
        const TFichierCategories lu = LitCategories(f);
        EXPECT_FALSE(lu.Illisible);
        EXPECT_EQ(DocumentCategories(lu.Liste), DocumentCategories(a.Liste));
    }
    // A name holding references of every kind reads back the same once the
    // program has written it (the line break a blank, as a typed one).
    Ecrit(f, "<categories>\r\n<categorie ID=\"4\">\r\n<nom>A&amp;&#10;<![CDATA[<C>]]>&#9;+</nom>\r\n"
             "</categorie>\r\n</categories>\r\n");
    const TFichierCategories lu = LitCategories(f);
    ASSERT_EQ(lu.Liste.size(), 1u);
    EXPECT_EQ(lu.Liste[0].Nom, "A& <C>\t+");
    ASSERT_TRUE(EcritCategories(f + ".ecrit", lu.Liste));
    const TFichierCategories relu = LitCategories(f + ".ecrit");
    ASSERT_EQ(relu.Liste.size(), 1u);
    EXPECT_EQ(relu.Liste[0].Nom, lu.Liste[0].Nom);
}

// A damaged file is told when the dialog opens and kept aside before it is
// written: each damaged file under a name of its own, an earlier copy never
// replaced; without a name left for the copy nothing is written.
TEST(Categories, EachDamagedFileIsKeptAsideBeforeItIsWritten)
{
    const std::string dir = Prepare("categories_abimes");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/categories_abimes.xmc"), 0);
    const std::string xml = MakePath(RepertoireEcriture(), "categories.xml");
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    // The dialog opened over these bytes and closed: the messages it showed.
    const auto ouvre = [&](const std::string& abime) {
        Ecrit(xml, abime);
        std::vector<std::string> messages;
        RepondBoite(mrOk, &messages);
        kit::WhenModal([&](TForm* m) {
            auto* d = dynamic_cast<Tf_OptionsFiltre*>(m);
            ASSERT_NE(d, nullptr);
            RepondBoite(mrOk, &messages);
            kit::Click(d->b_Valider);
        });
        Commande(*f, 227);
        return messages;
    };
    const std::string coupe = "<categories>\r\n<categorie ID=\"1\">\r\n<nom>A</nom>\r\n";
    const std::string dechets = "\x01\x02 pas du xml <";
    std::vector<std::string> m = ouvre(coupe);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0], TraduireFormat(3800, {xml}));
    EXPECT_EQ(m[1], TraduireFormat(3801, {xml, xml + ".bak"}));
    ASSERT_EQ(LitCategories(xml).Liste.size(), 1u);   // what the cut file held
    m = ouvre(dechets);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[1], TraduireFormat(3801, {xml, xml + ".1.bak"}));
    EXPECT_EQ(Lit(xml + ".bak"), coupe);
    EXPECT_EQ(Lit(xml + ".1.bak"), dechets);
    EXPECT_FALSE(LitCategories(xml).Illisible);
    // Every name of a copy taken: the damaged file stays as it is.
    for (int n = 2; n < 1000; ++n)
        Ecrit(xml + "." + std::to_string(n) + ".bak", "");
    m = ouvre(coupe);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[1], TraduireFormat(3986, {xml}));
    EXPECT_EQ(Lit(xml), coupe);
    ModifSaison = 0;
    TermineFenetre(f);
}

TEST(Categories, ButtonTabsDrawNoFrame)
{
    TOwned<TForm> f = kit::NewForm(300, 120);
    auto* pc = new TPageControl(f.get());
    pc->SetParent(f.get());
    pc->SetBounds(0, 0, 300, 120);
    for (const char* t : {"Un", "Deux", "Trois"}) {
        auto* p = new TTabSheet(f.get());
        p->SetCaption(t);
        p->SetPageControl(pc);
    }
    pc->SetStyle(tsButtons);
    kit::ShowForm(f.get());
    kit::Click(pc, pc->TabRect(2).Left + 5, pc->TabRect(2).Top + 5);
    EXPECT_EQ(pc->ActivePageIndex(), 2);
    kit::GrabToPng(f.get(), "onglets_boutons");
}

// ---- the window's rows, in the four sports ------------------------------------------------------
// The season of the rows: 2 "Zelvor saison"/"ZS" where the list beside has
// "Zelvor liste"/"ZL" (beside the program's own list, "Seniors"/"SEN" where
// it has "Réserve"/"B"), the third team's; 8 "Western"/"WS", the first two
// teams'; 9 "Maison"/"MA", which no list holds, the fourth team's.
enum TGeste { gRien, gEquipe, gDefaut, gAjoute, gAjouteCoche, gRenomme, gEfface, gDecoche };
enum TFin { fValider, fEchap, fCroix };
struct TLigneFenetre
{
    const char* nom;
    bool programme;       // beside the program's own list
    TGeste geste;
    int id, reponse;      // the category it acts on; the answer to its one question (mrNone: none)
    TFin fin;
    const char* saison;   // the season's categories | its first four teams' ("": as they were)
    const char* liste;    // the list's categories ("": as it was)
    const char* nommees;  // the teams the question names, by position
};
const TLigneFenetre lignesFenetre[] = {
    {"untouched, Escape", false, gRien, 0, mrNone, fEchap, "", "", ""},
    {"untouched, close box", false, gRien, 0, mrNone, fCroix, "", "", ""},
    {"untouched beside the program's list, Escape", true, gRien, 0, mrNone, fEchap, "", "", ""},
    {"untouched, validated", false, gRien, 0, mrNone, fValider, "", "", ""},
    {"a team's category, Escape", false, gEquipe, 0, mrNone, fEchap, "", "", ""},
    {"the league's default, close box", false, gDefaut, 0, mrNone, fCroix, "", "", ""},
    {"added and checked, Escape", false, gAjouteCoche, 0, mrNone, fEchap, "", "", ""},
    {"added, validated: an id no one cites", false, gAjoute, 0, mrNone, fValider, "",
     "1 Seniors/, 2 Zelvor liste/ZL, 8 Western/WS, 10 Juniors/J", ""},
    {"deleted, Yes, validated", false, gEfface, 8, mrYes, fValider, "2 Zelvor saison/ZS, 9 Maison/MA | 0 0 2 9",
     "1 Seniors/, 2 Zelvor liste/ZL", "01"},
    {"deleted, Cancel, validated", false, gEfface, 8, mrCancel, fValider, "", "", "01"},
    {"deleted, Yes, Escape", false, gEfface, 8, mrYes, fEchap, "", "", "01"},
    {"unchecked, Yes, validated", false, gDecoche, 8, mrYes, fValider, "2 Zelvor saison/ZS, 9 Maison/MA | 0 0 2 9", "",
     "01"},
    {"unchecked, No, validated", false, gDecoche, 8, mrNo, fValider, "", "", "01"},
    {"the season's own deleted", false, gEfface, 9, mrYes, fValider, "2 Zelvor saison/ZS, 8 Western/WS | 8 8 2 0", "",
     "3"},
    {"the season's names renamed", false, gRenomme, 2, mrNone, fValider,
     "2 Zelvor rouge/ZR, 8 Western/WS, 9 Maison/MA | 8 8 2 9", "", ""},
    {"the season's names deleted", false, gEfface, 2, mrYes, fValider, "8 Western/WS, 9 Maison/MA | 8 8 0 9", "", "2"},
};

// The season's categories | its first four teams' (whose short names follow
// their names as the standings show them); the list's categories.
std::string Etat(const TSaison& s, const TDonneesChampionnat& c)
{
    std::string e;
    for (int i = 0; i < s.NbCategorie(); ++i)
        e += (i ? ", " : "") + std::to_string(s.CategorieIndex(i)->Id) + " " + s.CategorieIndex(i)->Nom + "/" +
             s.CategorieIndex(i)->NomCourt;
    e += " |";
    for (int p = 0; p < 4; ++p) {
        std::string nom, court;
        s.Categorie(c.CategorieEquipe(p), nom, court);
        EXPECT_EQ(s.NomEquipeComplet(c.IdEquipe(p), &c),
                  s.NomEquipe(c.IdEquipe(p)) + (court.empty() ? "" : " ") + court);
        e += " " + std::to_string(c.CategorieEquipe(p));
    }
    return e;
}
std::string Liste(const std::string& xml)
{
    std::string l;
    for (const TCategorie& k : LitCategories(xml).Liste)
        l += (l.empty() ? "" : ", ") + std::to_string(k.Id) + " " + k.Nom + "/" + k.NomCourt;
    return l;
}

// The user's gestures: an item or its check box clicked, a tab, names typed
// over in the names dialog (Tab into each box).
void Clic(TControl* c, TRect r, bool coche = false)
{
    kit::Click(c, coche ? r.Left + 8 : (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}
void Noms(TBoutonCopie* bouton, const char* nom, const char* court)
{
    kit::WhenModal([=](TForm* m) {
        auto& n = dynamic_cast<Tf_CatManage&>(*m);
        kit::PressKey(n.e_NomCourt, VK_TAB, ssShift);
        kit::Type(nullptr, nom);
        kit::PressKey(nullptr, VK_TAB);
        kit::Type(nullptr, court);
        kit::Click(n.b_Valider);
    });
    kit::Click(bouton);
}
void Joue(Tf_OptionsFiltre& d, const TLigneFenetre& l)
{
    int i = d.clb_Categories->Items().Count() - 1;
    while (i > 0 && d.Categories()[static_cast<size_t>(i)].Id != l.id)
        --i;
    const bool equipe = l.geste == gEquipe;
    switch (l.geste) {
    case gRien: break;
    case gEquipe:
    case gDefaut:   // the third page's fifth team, or the second page's first league: another category
        Clic(d.pc_Filtre, d.pc_Filtre->TabRect(equipe ? 2 : 1));
        Clic(equipe ? d.lb_Equipes : d.lb_Championnat,
             (equipe ? d.lb_Equipes : d.lb_Championnat)->ItemRect(equipe ? 4 : 0));
        (equipe ? d.cb_CategEquipe : d.cb_Categorie)->SetItemIndex(2);
        kit::Click(equipe ? d.bc_ModifierEquipe : d.bc_Modifier);
        break;
    case gAjoute: Noms(d.b_Ajouter, "Juniors", "J"); break;
    case gAjouteCoche:
        Noms(d.b_Ajouter, "Juniors", "J");
        Clic(d.clb_Categories, d.clb_Categories->ItemRect(d.clb_Categories->Items().Count() - 1), true);
        break;
    case gRenomme:
        Clic(d.clb_Categories, d.clb_Categories->ItemRect(i));
        Noms(d.b_Modifier, "Zelvor rouge", "ZR");
        break;
    case gEfface: Clic(d.clb_Categories, d.clb_Categories->ItemRect(i)); kit::Click(d.b_Effacer); break;
    case gDecoche: Clic(d.clb_Categories, d.clb_Categories->ItemRect(i), true); break;
    }
}

// Each row in the four sports (rugby and handball in English): the window
// opened on the season as saved, the row's gesture and closing, the season
// saved, opened again and compared whole with the season before.
TEST(Categories, WindowRowsInTheFourSports)
{
    for (int sport = 0; sport < 4; ++sport) {
        const std::string langue = sport % 2 ? "en" : "fr";
        SCOPED_TRACE("sport " + std::to_string(sport));
        const std::string dir = Prepare("categories_lignes_" + std::to_string(sport));
        TIniFile(MakePath(RepertoireEcriture(), "brivantel.ini")).WriteString("General", "Langue", langue);
        const std::string fichier = MakePath(dir, "sauvegarde/categories_lignes.xmc"),
                          xml = MakePath(RepertoireEcriture(), "categories.xml");
        auto f = LanceFenetre();
        for (const TLigneFenetre& l : lignesFenetre) {
            SCOPED_TRACE(l.nom);
            auto s = SaisonSport(sport);
            s->SetCategorie(2, l.programme ? "Seniors" : "Zelvor saison", l.programme ? "SEN" : "ZS");
            s->SetCategorie(8, "Western", "WS");
            s->SetCategorie(9, "Maison", "MA");
            for (const auto& [p, id] : {std::pair{0, 8}, {1, 8}, {2, 2}, {3, 9}})
                s->ChampionnatCourant()->SetCategorieEquipe(p, id);
            SauveRelit(*s, fichier);
            if (l.programme)
                std::filesystem::copy_file(MakePath(DossierDonnees(), "categories.xml"), xml,
                                           std::filesystem::copy_options::overwrite_existing);
            else
                EcritCategories(xml, {{1, "Seniors", ""}, {2, "Zelvor liste", "ZL"}, {8, "Western", "WS"}});
            const std::string listeAvant = Lit(xml);
            ModifSaison = 0;
            f->OpenFile(fichier);
            ASSERT_TRUE(f->Saison);
            const std::string avant = Document(*f->Saison),
                              etatAvant = Etat(*f->Saison, *f->Saison->ChampionnatCourant());
            std::vector<std::string> questions;
            kit::WhenModal([&](TForm* m) {
                auto& d = dynamic_cast<Tf_OptionsFiltre&>(*m);
                // the season's own names, checked, and its category that no list holds
                std::string cochees;
                for (int i = 0; i < d.clb_Categories->Items().Count(); ++i)
                    cochees += d.clb_Categories->Checked(i) ? d.clb_Categories->Items()[i] + "; " : "";
                EXPECT_EQ(cochees, std::string(l.programme ? "Seniors / SEN" : "Zelvor saison / ZS") +
                                       "; Western / WS; Maison / MA; ");
                if (sport < 2 && l.geste == gRien)
                    kit::GrabToPng(m, "categories_" + langue + std::to_string(&l - lignesFenetre));
                if (l.reponse != mrNone)
                    kit::WhenModal([&](TForm* q) {
                        questions.push_back(dynamic_cast<Tf_MessageUtil&>(*q).Label1->Caption());
                        if (sport < 2)
                            kit::GrabToPng(q, "categories_question_" + langue + std::to_string(&l - lignesFenetre));
                        q->SetModalResult(l.reponse);
                    });
                Joue(d, l);
                kit::ForgetModalActions();
                if (l.fin == fValider)
                    kit::Click(d.b_Valider);
                else if (l.fin == fEchap)
                    kit::PressKey(d.clb_Categories, VK_ESCAPE);   // where the user was
                else
                    d.Close();
                EXPECT_NE(d.ModalResult(), mrNone);
                d.SetModalResult(d.ModalResult() == mrNone ? mrCancel : d.ModalResult());
            });
            Commande(*f, 227);
            auto relue = SauveRelit(*f->Saison, fichier);
            ASSERT_TRUE(relue);
            // one question naming the teams that leave the category
            EXPECT_EQ(questions.size(), l.reponse == mrNone ? 0u : 1u);
            for (const char* p = l.nommees; *p && questions.size() == 1; ++p)
                EXPECT_TRUE(marche::MotDans(relue->NomEquipe(relue->ChampionnatCourant()->IdEquipe(*p - '0')),
                                            questions[0]));
            EXPECT_EQ(Etat(*relue, *relue->ChampionnatCourant()), *l.saison ? l.saison : etatAvant.c_str());
            EXPECT_EQ(ModifSaison, *l.saison ? 1 : 0);
            if (*l.liste || l.fin == fValider)
                EXPECT_EQ(Liste(xml), *l.liste ? l.liste : "1 Seniors/, 2 Zelvor liste/ZL, 8 Western/WS");
            else
                EXPECT_EQ(Lit(xml), listeAvant);
            // nothing else: the categories and the league's teams only
            for (const marche::TEcart& e : marche::Ecarts(avant, Document(*relue)))
                EXPECT_TRUE(*l.saison && (e.rec.equipes || e.rec.cle.find("ategorie") != std::string::npos))
                    << e.rec.cle << ": " << e.Ligne();
        }
        ModifSaison = 0;
        TermineFenetre(f);
    }
}

}  // namespace
