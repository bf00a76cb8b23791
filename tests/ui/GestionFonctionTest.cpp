// Page-template functions: parameters, "inclure", "AddSuffixeNomFic", "ecrire",
// the registry and the chart pictures.
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/PngPicture.h"
#include "model/DescTree.h"
#include "model/Utilities.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/ChampionnatBuilder.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/BrivantelForm.h"
#include "ui/GestionFonction.h"
#include "ui/Graphe.h"

namespace {

TStringList Liste(std::initializer_list<const char*> items)
{
    TStringList l;
    for (const char* i : items)
        l.Add(i);
    return l;
}

// A season whose tree holds one championship of code 3 (division id 12) and
// a second one, current, of code 4.
struct SaisonArbre
{
    std::unique_ptr<TSaisonEssai> saison = std::make_unique<TSaisonEssai>(0);
    TDonneesChampionnat* ligue = nullptr;
    TDonneesChampionnat* coupe = nullptr;

    SaisonArbre()
    {
        auto c = saison->CreeChampionnat(TDonneesChampionnat::TypeChamp, 0);
        c->CodeChamp = 3;
        c->Division = 12;
        c->SetNbJournees(10);
        c->SetDateJournee(5, TGestionDate::EncodeDate(3, 3, 2004));
        ligue = c.get();
        saison->Arbre().AjouteChampionnat("Ligue 1", "Ligue 1", std::move(c), "France");
        auto d = saison->CreeChampionnat(TDonneesChampionnat::TypeChamp, 0);
        d->CodeChamp = 4;
        d->Division = 13;
        d->SetNbJournees(10);
        d->SetDateJournee(1, TGestionDate::EncodeDate(14, 8, 2004));
        coupe = d.get();
        saison->Arbre().AjouteChampionnat("Ligue 2", "Ligue 2", std::move(d), "France");
        saison->SetChampionnatCourant(coupe);
    }
};

std::string Execute(const std::string& nom, const TStringList& p, const std::string& pages, TSaison* s = nullptr)
{
    std::string r = "ancien";
    if (!TFonctionsGabarit::ExecuteFonction(nom, p, r, pages, s))
        TFonctionsGabarit::EcritValeur(nom, p, r, nullptr, pages, s);
    return r;
}

}   // namespace

TEST(FonctionsGabarit, NamedParameters)
{
    TStringList p = Liste({"Division", "Journee=12", "journee=99", "Nom=a=b", "Vide="});
    EXPECT_EQ(TFonctionsGabarit::Parametre("Journee", p, "0"), "12");   // the first one wins
    EXPECT_EQ(TFonctionsGabarit::Parametre("JOURNEE", p, "0"), "12");
    EXPECT_EQ(TFonctionsGabarit::Parametre("Nom", p, ""), "a=b");
    EXPECT_EQ(TFonctionsGabarit::Parametre("Vide", p, "x"), "");
    EXPECT_EQ(TFonctionsGabarit::Parametre("Division", p, "def"), "def");   // a bare word is no parameter
    std::string v;
    TFonctionsGabarit::Parametre("Absent", p, v, "def");
    EXPECT_EQ(v, "def");
    EXPECT_EQ(TFonctionsGabarit::ParametreEntier("Journee", p, 1), 12);
    EXPECT_EQ(TFonctionsGabarit::ParametreEntier("Nom", p, 7), 7);
    EXPECT_EQ(TFonctionsGabarit::ParametreEntier("Absent", p, -1), -1);
}

TEST(FonctionsGabarit, ListParameters)
{
    std::vector<std::string> v;
    auto liste = [&](const char* valeur) {
        TStringList p;
        p.Add(std::string("L=") + valeur);
        TFonctionsGabarit::ParametreListe("L", p, v, "defaut");
        return v;
    };
    EXPECT_EQ(liste("x"), (std::vector<std::string>{"x"}));
    EXPECT_EQ(liste(""), (std::vector<std::string>{}));
    EXPECT_EQ(liste("[]"), (std::vector<std::string>{""}));
    EXPECT_EQ(liste("[a, 'b c', 'd']"), (std::vector<std::string>{"a", "b c", "d"}));
    EXPECT_EQ(liste("[ x y , \"un, deux\" ]"), (std::vector<std::string>{"xy", "un, deux"}));
    EXPECT_EQ(liste("[a,b"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(liste("['a,b']"), (std::vector<std::string>{"a,b"}));
    TStringList vide;
    TFonctionsGabarit::ParametreListe("L", vide, v, "defaut");
    EXPECT_EQ(v, (std::vector<std::string>{"defaut"}));
}

TEST(FonctionsGabarit, ChampionshipOfTheDivisionParameter)
{
    SaisonArbre s;
    EXPECT_EQ(TFonctionsGabarit::ChampionnatParametre(Liste({"Division=3"}), s.saison.get()), s.ligue);
    EXPECT_EQ(TFonctionsGabarit::ChampionnatParametre(Liste({"Division="}), s.saison.get()), s.coupe);
    EXPECT_EQ(TFonctionsGabarit::ChampionnatParametre(Liste({"Journee=1"}), s.saison.get()), s.coupe);
    EXPECT_EQ(TFonctionsGabarit::ChampionnatParametre(Liste({"Division=99"}), s.saison.get()), nullptr);
    EXPECT_EQ(TFonctionsGabarit::ChampionnatParametre(Liste({"Division=3"}), nullptr), nullptr);
}

TEST(FonctionsGabarit, IncludeFiles)
{
    std::string dossier = kit::TempDir() + "modeles/";
    ForceDirectories(dossier);
    ASSERT_TRUE(WriteFileAtomic(dossier + "foot.htm", "<p>pied</p>"));
    ASSERT_TRUE(WriteFileAtomic(dossier + "tete.htm", "<h1>"));
    // The template's folder written as the templates write it.
    std::string modele = StringReplace(dossier, "/", "\\", rfReplaceAll) + "page.htm";
    std::string pages = "out.htm|" + modele;
    EXPECT_EQ(Execute("inclure", Liste({"'tete.htm'", "\"foot.htm\"", "absent.htm", "Titre=x"}), pages),
              "##<h1><p>pied</p>");
    EXPECT_EQ(Execute("inclure", Liste({"absent.htm"}), pages), "");
    // A word with a folder is taken as it is.
    EXPECT_EQ(Execute("inclure", Liste({(dossier + "foot.htm").c_str()}), "out.htm|page.htm"), "##<p>pied</p>");
}

TEST(FonctionsGabarit, FileNameSuffix)
{
    SaisonArbre s;
    TSaison* saison = s.saison.get();
    const std::string pages = "classement.htm|modele.htm";
    EXPECT_EQ(Execute("AddSuffixeNomFic", Liste({"NumJournee", "Journee=5"}), pages), "#*_5*classement_5.htm");
    EXPECT_EQ(Execute("AddSuffixeNomFic", Liste({"numjournee"}), pages), "#*_0*classement_0.htm");
    EXPECT_EQ(Execute("AddSuffixeNomFic", Liste({"NumJournee", "Journee=5"}), "classement|modele.htm"), "");
    // The extension of the file name, not a dot of its folder.
    EXPECT_EQ(Execute("AddSuffixeNomFic", Liste({"NumJournee", "Journee=5"}), "C:\\mon.site\\index|m.htm"), "");
    EXPECT_EQ(Execute("AddSuffixeNomFic", Liste({"NumJournee", "Journee=5"}), "/www/mon.site/index.htm|m"),
              "#*_5*/www/mon.site/index_5.htm");

    EXPECT_EQ(Execute("AddSuffixeNomFic", Liste({"DateJournee", "Journee=5", "Division=3"}), pages, saison),
              "#*_03x03x2004*classement_03x03x2004.htm");
    // A matchday without a date: its number.
    EXPECT_EQ(Execute("AddSuffixeNomFic", Liste({"DateJournee", "Journee=6", "Division=3"}), pages, saison),
              "#*_6*classement_6.htm");
    // "Journee" not an integer: matchday 1 of the current championship.
    EXPECT_EQ(Execute("AddSuffixeNomFic", Liste({"DateJournee", "Journee=x"}), pages, saison),
              "#*_14x08x2004*classement_14x08x2004.htm");
    // A championship that does not exist: nothing.
    EXPECT_EQ(Execute("AddSuffixeNomFic", Liste({"DateJournee", "Journee=5", "Division=99"}), pages, saison), "");
    EXPECT_EQ(Execute("AddSuffixeNomFic", Liste({"DateJournee"}), pages, nullptr), "");
    // Two words: the second goes into the name the first one made.
    EXPECT_EQ(Execute("AddSuffixeNomFic", Liste({"NumJournee", "DateJournee", "Journee=5", "Division=3"}), pages, saison),
              "#*_03x03x2004*classement_5_03x03x2004.htm");
    EXPECT_EQ(Execute("AddSuffixeNomFic", Liste({"Autre"}), pages), "");
}

TEST(FonctionsGabarit, WriteValues)
{
    SaisonArbre s;
    TSaison* saison = s.saison.get();
    EXPECT_EQ(Execute("ecrire", Liste({"NumDivision", "Saison", "DivisionEx=3", "Saison=2004"}), "a|b"), "32004");
    EXPECT_EQ(Execute("ecrire", Liste({"NumDivision"}), "a|b"), "1");
    EXPECT_EQ(Execute("ecrire", Liste({"CouleurFond", "CouleurFondEx=#00306F", "Absent"}), "a|b"), "#00306F");
    EXPECT_EQ(Execute("ecrire", Liste({"Division", "DivisionEx=12"}), "a|b", saison), "Ligue 1");
    EXPECT_EQ(Execute("ecrire", Liste({"division", "DivisionEx=13"}), "a|b", saison), "Ligue 2");
    EXPECT_EQ(Execute("ecrire", Liste({"Division", "DivisionEx=77"}), "a|b", saison), "");
    EXPECT_EQ(Execute("ecrire", Liste({"Division"}), "a|b", nullptr), "");
    // Another name writes nothing; the result is emptied first.
    EXPECT_EQ(Execute("inconnue", Liste({"Saison=1"}), "a|b"), "");
    // The words may come from a second list.
    std::string r;
    TStringList mots = Liste({"Saison"});
    TFonctionsGabarit::EcritValeur("ecrire", Liste({"Saison=2005"}), r, &mots, "a|b", nullptr);
    EXPECT_EQ(r, "2005");
}

TEST(FonctionsGabarit, TheChampionshipsNameIsWrittenEscaped)
{
    struct TCas
    {
        const char* nom;
        const char* ecrit;
    };
    const TCas cas[] = {
        {"<A>", "&lt;A&gt;"},
        {"R&D \"Elite\"", "R&amp;D &quot;Elite&quot;"},
        {"&nbsp;<b>", "&amp;nbsp;&lt;b&gt;"},
        {"Ligue 1", "Ligue 1"},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.nom);
        auto saison = std::make_unique<TSaisonEssai>(0);
        auto ch = saison->CreeChampionnat(TDonneesChampionnat::TypeChamp, 0);
        ch->CodeChamp = 3;
        ch->Division = 12;
        saison->Arbre().AjouteChampionnat(c.nom, c.nom, std::move(ch), "France");
        EXPECT_EQ(Execute("ecrire", Liste({"Division", "DivisionEx=12"}), "a|b", saison.get()), c.ecrit);
    }
}

TEST(FonctionsGabarit, Registry)
{
    TGestionFonction& g = GestionFonctions();
    EXPECT_EQ(&g, &GestionFonctions());
    int avant = g.Count();
    EnregistreFonctionsFootForm();
    EXPECT_EQ(g.Count(), avant + 3);
    ASSERT_NE(g.Cherche("inclure"), nullptr);
    EXPECT_EQ(g.Cherche("AddSuffixeNomFic")->Genre, 5);
    EXPECT_EQ(g.Cherche("ecrire")->Classe.Nom, "TFootForm");
    EXPECT_EQ(g.Cherche("Inclure"), nullptr);
    g.Ajoute("Classement", TClasseVue{"Tf_Classement", nullptr}, 0);
    EXPECT_EQ(g.Cherche("Classement")->Classe.Nom, "Tf_Classement");
}

TEST(FonctionsGabarit, ChartPicture)
{
    TGraphBarre g(nullptr);
    g.SetBounds(0, 0, 300, 180);
    g.SetNbPointX(5);
    g.SetNbPointY(5);
    g.SetEspaceGraduerX(1);
    g.SetEspaceGraduerY(1);
    g.SetCouleurContours(clAqua);
    g.SetEcritureContours(clWhite);
    g.ChangeNbCourbes(1);
    for (int x = 1; x <= 5; ++x) {
        g.AjoutePoint(0, x, x);
        g.ChangeCouleurPoint(0, x, CouleursGraphe(0x00C0FF, 0x004080));
    }
    // The Temp folder beside the program is shared by every test process: a
    // name of this process.
    std::string dossier = TFonctionsGabarit::DossierTemp();
    const std::string nom = "essai-graphe-" + std::to_string(getpid());
    std::string fichier = TFonctionsGabarit::SauveImagePNG(g, nom, 0x6F3000);
    EXPECT_EQ(fichier, dossier + nom + ".png");
    TPngPicture png;
    png.LoadFromFile(fichier);
    EXPECT_EQ(png.Width(), 300);
    EXPECT_EQ(png.Height(), 180);
    EXPECT_EQ(png.Pixels(1, 1), 0x6F3000u);   // the background
    // Written again over the old file.
    g.SetBounds(0, 0, 200, 120);
    TFonctionsGabarit::SauveImagePNG(g, nom, 0x6F3000);
    png.LoadFromFile(fichier);
    EXPECT_EQ(png.Width(), 200);
    png.SaveToFile(MakePath(kit::OutputDir(), "template-chart.png"));
    DeleteFile(fichier);
}

namespace {

// A view serving one function of its own, writing one word of its own, and
// handing every other name to the functions all views serve.
class TVueEssai : public TFootForm
{
public:
    using TFootForm::TFootForm;
    void Imprime() override {}
    void EnregistreHTML(const std::string&) override {}

    TColor FondVu = 0;

    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override
    {
        Resultat.clear();
        if (Nom == "Journees") {
            // The readers of the parameters, as the views call them.
            FondVu = couleurs.fondclair;
            TDonneesChampionnat* c = ChampionnatParametre(Parametres, saison);
            const int n = ParametreEntier("Journee", Parametres, 1);
            Resultat = Parametre("Avant", Parametres, "") + (c ? IntToStr(c->NbJour()) : "-") + "/" + IntToStr(n);
            return;
        }
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
    }
    void EcritValeur(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                     const TStringList* Mots, const std::string& Pages, TSaison* saison) override
    {
        if (Nom == "ecrire" && !Mots && Parametres.IndexOf("Vue") >= 0)
            Resultat += "[vue]";
        TFootForm::EcritValeur(Nom, Parametres, Resultat, Mots, Pages, saison);
    }
};

}   // namespace

TEST(FonctionsGabarit, ServedByTheViews)
{
    SaisonArbre s;
    TVueEssai vue(nullptr);
    TFootForm& f = vue;
    TCouleurElement couleurs;
    couleurs.fondclair = 0x123456;
    std::string r = "ancien";
    f.ExecuteFonction("Journees", Liste({"Division=3", "Journee=7", "Avant=J"}), r, couleurs, "a.htm|b.htm",
                      s.saison.get());
    EXPECT_EQ(r, "J10/7");
    EXPECT_EQ(vue.FondVu, TColor(0x123456));
    // The common functions, through the view.
    f.ExecuteFonction("AddSuffixeNomFic", Liste({"NumJournee", "Journee=5"}), r, couleurs, "page.htm|m.htm", nullptr);
    EXPECT_EQ(r, "#*_5*page_5.htm");
    // "ecrire" reaches the view's own EcritValeur, then the common words.
    f.ExecuteFonction("ecrire", Liste({"Vue", "NumDivision", "DivisionEx=4"}), r, couleurs, "a|b", nullptr);
    EXPECT_EQ(r, "[vue]4");
    // Names nobody serves write nothing.
    r = "ancien";
    f.ExecuteFonction("inconnue", Liste({"Vue"}), r, couleurs, "a|b", nullptr);
    EXPECT_EQ(r, "");
}
