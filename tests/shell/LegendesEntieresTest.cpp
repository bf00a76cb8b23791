// Windows the menu walk does not open, each shown in French and in English:
// every caption whole inside its control and none over another, measured in
// its own font (tests/shell/LegendesCoupees.h). The walk itself checks every
// window of the menu in both languages.
#include <functional>

#include <gtest/gtest.h>

#include "model/Championnat.h"
#include "model/MultiSport.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "shell/w_AstuceJour.h"
#include "shell/w_ParamIntro.h"
#include "tests/results/PageResultatsEssai.h"
#include "tests/shell/LegendesCoupees.h"
#include "views/Textes.h"

namespace {

// A window as the program shows it, and what keeps it alive (the season
// goes after the window, which writes its page into it as it goes).
struct TFenetre
{
    std::unique_ptr<TSaison> Saison;
    TOwned<TForm> Forme;
};

TFenetre Dialogue(TBrivantelForm* f)
{
    f->ChangeCouleurs(Dessin->Couleurs);
    kit::ShowForm(f);
    return {nullptr, TOwned<TForm>(f)};
}

// A cup final of two teams drawn 1-1, its shoot-out not entered yet.
TFenetre FinaleNulle()
{
    TFenetre r;
    r.Saison = TMultiSport::CreeSaison(0);
    auto c = r.Saison->CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    c->OptionsParDefaut();
    for (int i = 0; i < 2; ++i)
        c->AjouteEquipe(r.Saison->AjouteEquipe(vues::NomsFoot[i]));
    const TInfoTourCoupe tours[] = {{1, 1, 1}};
    c->CreeToursCoupe(tours);
    c->SetOption(1, 1);
    c->CreeMatch(1, c->IdEquipe(0), c->IdEquipe(1), 1, 1);
    c->NbJournee = 1;
    TDescNoeud* n = r.Saison->Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(c), "France");
    r.Saison->SetChampionnatCourant(n->Championnat());
    TOwned<Tf_Resultats> page = page_essai::Page(r.Saison.get());
    // laid out again at another size, as when the main window is maximised
    page->SetBounds(0, 0, page->Width() + 40, page->Height() + 40);
    kit::Process();
    EXPECT_EQ(page->Ligne(0).TirsAuBut->Caption(), vues::Texte(4802));
    r.Forme.reset(page.release());
    return r;
}

struct TCas
{
    const char* nom;
    std::function<TFenetre()> ouvre;
};

const TCas cas[] = {
    {"first_start", [] { return Dialogue(new Tf_ParamIntro(nullptr)); }},
    {"tip_of_the_day", [] { return Dialogue(new Tf_AstuceJour(nullptr)); }},
    {"results_page_drawn_cup_final", FinaleNulle},
};

class LegendesEntieres : public ::testing::TestWithParam<std::tuple<TCas, const char*>>
{
};

TEST_P(LegendesEntieres, EveryCaptionWholeInsideItsControl)
{
    const auto& [c, langue] = GetParam();
    vues::Module();
    InstalleTraducteur(std::make_unique<TTraducteur>(
        MakePath(vues::DossierDonnees(), std::string("texte\\Texte") + langue + ".txt")));
    {
        TFenetre f = c.ouvre();
        kit::Process();
        EXPECT_EQ(essai::LegendesCoupees(f.Forme.get()), std::set<std::string>{});
        kit::GrabToPng(f.Forme.get(), std::string("legendes_entieres_") + c.nom + "_" + langue);
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), "texte\\Textefr.txt")));
}

INSTANTIATE_TEST_SUITE_P(Fenetres, LegendesEntieres,
                         ::testing::Combine(::testing::ValuesIn(cas), ::testing::Values("fr", "en")),
                         [](const auto& i) {
                             return std::string(std::get<0>(i.param).nom) + "_" + std::get<1>(i.param);
                         });

}  // namespace
