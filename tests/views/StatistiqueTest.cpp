// The statistics window: series tables against runs worked out by hand in the
// three views and venues, the particularities against the engine's rankings,
// the full ranking pop-up, the basketball layout, the HTML page and the two
// page-template functions.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/Exceptions.h"

#include "engine/CalculClassement.h"
#include "model/oTraducteur.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/GestionFonction.h"
#include "views/cadreParamClassement.h"
#include "views/w_Statistique.h"

namespace {

struct THoteStat
{
    TOwned<TForm> fenetre = kit::NewForm(980, 640);
    Tf_Statistique* vue = nullptr;

    explicit THoteStat(TSaison* saison)
    {
        auto* panneau = new TPanel(fenetre.get());
        panneau->SetAlign(alClient);
        panneau->SetParent(fenetre.get());
        vue = new Tf_Statistique(fenetre.get());
        vue->ChangeCouleurs(vues::Module()->Couleurs);
        vue->ChangeSaison(saison);
        IntegreFiche(vue, panneau);
        kit::ShowForm(fenetre.get());
    }
};

std::vector<std::string> Colonne(const TColorStringGrid& g, int col)
{
    std::vector<std::string> v;
    for (int r = 1; r < g.RowCount(); ++r)
        v.push_back(g.Cells(col, r));
    return v;
}

TEST(Statistique, SeriesByViewAndVenue)
{
    auto s = vues::QuatreEquipes();
    THoteStat h(s.saison.get());
    Tf_Statistique* f = h.vue;
    struct Cas
    {
        int vue;
        TRondCoche* lieu;
        int table;
        std::vector<std::string> noms, valeurs;
    };
    const std::string ob = "Olympique Brivant", rz = "Racing Zelvor", sm = "Stade Marnois", ac = "AS Corvelle";
    const Cas cas[] = {
        {1, f->RondCoche1, 1, {ob, rz, sm, ac}, {"3", "0", "0", "0"}},
        {1, f->RondCoche1, 3, {sm, ob, rz, ac}, {"1", "0", "0", "0"}},
        {1, f->RondCoche1, 2, {rz, ac, ob, sm}, {"1", "1", "0", "0"}},
        {2, f->RondCoche1, 1, {ob + " (en cours)", sm, rz, ac}, {"3", "1", "0", "0"}},
        {2, f->RondCoche1, 3, {rz, sm + " (en cours)", ac, ob}, {"2", "1", "1", "0"}},
        {2, f->RondCoche2, 1, {ob + " (en cours)", rz, sm, ac}, {"2", "0", "0", "0"}},
        // names as typed, never recapitalised
        {2, f->RondCoche3, 7, {ac + " (en cours)", ob + " (en cours)", sm, rz}, {"2", "1", "1", "0"}},
        {1, f->RondCoche1, 4, {ob, rz, sm, ac}, {"3", "0", "0", "0"}},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(std::to_string(k.vue) + " table " + std::to_string(k.table));
        kit::Click(k.lieu);
        f->AfficheVue(k.vue);
        const TColorStringGrid& g = *f->sg_Part[k.table];
        EXPECT_EQ(Colonne(g, 0), k.noms);
        EXPECT_EQ(Colonne(g, 1), k.valeurs);
        EXPECT_EQ(f->Lieu(), k.lieu == f->RondCoche1 ? 3 : k.lieu == f->RondCoche2 ? 1 : 2);
    }
    // in English, a run still going says so in English
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), "texte\\Texteen.txt")));
    kit::Click(f->RondCoche1);
    f->AfficheVue(2);
    EXPECT_EQ(Colonne(*f->sg_Part[1], 0)[0], ob + " (current)");
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), "texte\\Textefr.txt")));
    // the followed team's row is drawn as the title row (bold)
    kit::Click(f->RondCoche1);
    f->AfficheVue(1);
    EXPECT_TRUE(f->sg_Part[2]->GrasCellule(0, 2));
    EXPECT_FALSE(f->sg_Part[2]->GrasCellule(0, 1));
    kit::GrabToPng(h.fenetre.get(), "statistique-series");
}

TEST(Statistique, ParticularitiesFollowTheEngineAndTheFullRanking)
{
    for (int sport : {0, 2}) {
        SCOPED_TRACE(sport);
        auto s = vues::SaisonVue(sport);
        THoteStat h(s.saison.get());
        Tf_Statistique* f = h.vue;
        f->AfficheVue(0);
        for (int i = 1; i <= 8; ++i)
            EXPECT_EQ(f->sg_Part[i]->Visible(), sport != 2 || (i != 3 && i != 4)) << i;
        TCalculClassement ref(std::vector<TDonneesChampionnat*>{s.c1}, s.saison.get());
        for (TRondCoche* lieu : {f->RondCoche1, f->RondCoche2, f->RondCoche3}) {
            kit::Click(lieu);
            const int l = f->Lieu();
            const int n = ref.Calcule(0, f->CadreParam->Premiere(), f->CadreParam->Derniere(), nullptr, true, l == 3 ? 101 : l == 1 ? 1 : 6);
            EXPECT_EQ(f->sg_Part[1]->Cells(0, 1), s.saison->NomEquipe(ref.ValeurLigne(0, 14)));
            EXPECT_EQ(f->sg_Part[1]->Cells(1, 1), std::to_string(ref.ValeurLigne(0, 2)));
            EXPECT_EQ(f->sg_Part[2]->Cells(0, 1), s.saison->NomEquipe(ref.ValeurLigne(n - 1, 14)));
        }
        // the complete ranking of the right table of particularity 1
        int lignes = 0;
        std::string premier;
        f->InspecteAgrandissement = [&](TColorStringGrid& g) {
            lignes = g.RowCount();
            premier = g.Cells(0, 1);
        };
        kit::WhenModal([](TForm* m) { m->SetModalResult(mrCancel); });
        f->ClassementComplet(6);
        EXPECT_EQ(lignes, 11);
        EXPECT_EQ(premier, f->sg_Part[2]->Cells(0, 1));
        kit::WhenModal([](TForm* m) { m->SetModalResult(mrCancel); });
        f->ClassementComplet(21);
        EXPECT_EQ(lignes, 11);
        f->AfficheVue(2);
        for (int i = 1; i <= 8; ++i)
            EXPECT_EQ(f->sg_Part[i]->Visible(), sport != 2 || i == 1 || i == 3) << i;
        kit::GrabToPng(h.fenetre.get(), sport == 0 ? "statistique-football" : "statistique-basket");
    }
}

TEST(Statistique, HtmlPageAndTemplateFunctions)
{
    auto s = vues::QuatreEquipes();
    THoteStat h(s.saison.get());
    h.vue->AfficheVue(2);
    const std::string fichier = MakePath(kit::TempDir(), "statistique.html");
    h.vue->EnregistreHTML(fichier);
    std::string octets;
    ASSERT_TRUE(ReadFileBytes(fichier, octets));
    html_lu::TPage p = html_lu::Lit(octets);
    ASSERT_TRUE(p.lu);
    EXPECT_TRUE(p.equilibree);
    ASSERT_EQ(p.tables.size(), 8u);
    EXPECT_EQ(p.tables[0][1][0], "Olympique Brivant (en cours)");
    EXPECT_NE(octets.find("windows-1252"), std::string::npos);
    // A page that cannot be written is said to the caller (the main window
    // tells the user), never taken for written.
    const std::string dossierFichier = MakePath(kit::TempDir(), "statistique-fichier");
    WriteFileAtomic(dossierFichier, "un fichier, pas un dossier");
    EXPECT_THROW(h.vue->EnregistreHTML(MakePath(dossierFichier, "page.html")), EFCreateError);

    for (const char* nom : {"Particularite", "Serie"}) {
        SCOPED_TRACE(nom);
        const TFonctionEnregistree* e = GestionFonctions().Cherche(nom);
        ASSERT_NE(e, nullptr);
        TOwned<TForm> vue(e->Classe.Cree(nullptr));
        auto* ff = dynamic_cast<TFootForm*>(vue.get());
        ASSERT_NE(ff, nullptr);
        TStringList params;
        params.Add("lieu=domicile");
        params.Add("Type=cours");
        params.Add("Division=1");
        std::string r;
        s.saison->SetChampionnatCourant(nullptr);
        ff->ExecuteFonction(nom, params, r, vues::Module()->Couleurs, "", s.saison.get());
        EXPECT_EQ(s.saison->ChampionnatCourant(), nullptr);   // restored
        p = html_lu::Lit(r);
        EXPECT_TRUE(p.equilibree);
        ASSERT_EQ(p.tables.size(), 9u);   // eight tables inside the layout table
        if (std::string(nom) == "Serie") {
            // current home wins: Olympique Brivant 2
            EXPECT_EQ(p.tables[0][1], (std::vector<std::string>{"Olympique Brivant", "2"}));
        }
    }
}

}  // namespace
