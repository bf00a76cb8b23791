// Windows the menu walk does not open, each shown in French and in English:
// every caption whole inside its control and none over another, measured in
// its own font (tests/shell/LegendesCoupees.h), and no two buttons that read
// alike. The walk itself checks every window of the menu in both languages.
#include <functional>
#include <sstream>

#include <gtest/gtest.h>

#include "model/Championnat.h"
#include "model/MultiSport.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "shell/w_AstuceJour.h"
#include "shell/w_ParamIntro.h"
#include "records/w_Blasons.h"
#include "records/w_FicheEntraineur.h"
#include "records/w_ImageManager.h"
#include "platform/gui/Graphics.h"
#include "platform/gui/StdCtrls.h"
#include "tests/results/PageResultatsEssai.h"
#include "tests/shell/LegendesCoupees.h"
#include "views/Textes.h"
#include "views/w_StatEquipeSports.h"

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

// The crest dialog of a team, over an empty catalogue.
TFenetre Blasons()
{
    auto* b = new Tf_Blasons(nullptr);
    b->RemplitArbre(0, vues::NomsFoot[0]);
    return Dialogue(b);
}

// The card of a new coach: his birth year unknown, its word whole in its box.
TFenetre NouvelEntraineur()
{
    TFenetre r;
    r.Saison = TMultiSport::CreeSaison(0);
    auto* f = new Tf_FicheEntraineur(nullptr);
    f->ChangeCouleurs(Dessin->Couleurs);
    f->ChangeSaison(r.Saison.get());
    kit::ShowForm(f);
    r.Forme.reset(f);
    TEdit* age = f->c_Personne->e_Age;
    EXPECT_EQ(age->GetText(), vues::Texte(84));
    TBitmap b(1, 1);
    b.Canvas().Font = age->Font();
    EXPECT_LE(b.Canvas().TextWidth(age->GetText()) + 4, age->ClientWidth()) << age->GetText();
    return r;
}

// The team sheet's players page of a sport: its kinds' captions whole.
TFenetre JoueursEquipe(int sport)
{
    TFenetre r;
    r.Saison = TMultiSport::CreeSaison(sport);
    auto c = r.Saison->CreeChampionnat(TDonneesChampionnat::TypeNational, 0);
    c->OptionsParDefaut();
    for (int i = 0; i < 2; ++i)
        c->AjouteEquipe(r.Saison->AjouteEquipe(vues::NomsFoot[i]));
    TDescNoeud* n = r.Saison->Arbre().AjouteChampionnat("Championnat", "Championnat", std::move(c), "France");
    r.Saison->SetChampionnatCourant(n->Championnat());
    Tf_StatEquipe* f = ClasseStatEquipe(sport).Cree(nullptr);
    f->ChangeCouleurs(Dessin->Couleurs);
    f->ChangeSaison(r.Saison.get());
    kit::ShowForm(f);
    f->ChoisitEquipe(0);
    f->AffichePage(4);
    f->PrepareChampionnat();
    r.Forme.reset(f);
    return r;
}

// Buttons of one window that read alike: a caption every word of which
// another says too ("Ajouter" beside "Ajouter un pays"), as "name / name:
// text | text".
std::set<std::string> BoutonsSemblables(TComponent* fenetre)
{
    std::vector<TControl*> boutons;
    std::function<void(TComponent*)> cherche = [&](TComponent* c) {
        if (auto* k = dynamic_cast<TControl*>(c);
            k && (dynamic_cast<TButton*>(k) || dynamic_cast<TBoutonModele*>(k)) && essai::Montre(k))
            boutons.push_back(k);
        for (int i = 0; i < c->ComponentCount(); ++i)
            cherche(c->Components(i));
    };
    cherche(fenetre);
    auto mots = [](const std::string& texte) {
        std::set<std::string> m;
        std::istringstream in(UpperCase(texte));
        for (std::string x; in >> x;)
            m.insert(x);
        return m;
    };
    std::set<std::string> vus;
    for (TControl* a : boutons)
        for (TControl* b : boutons) {
            const std::set<std::string> ma = mots(a->Caption()), mb = mots(b->Caption());
            if (a != b && !ma.empty() && (ma != mb || a < b) && std::includes(mb.begin(), mb.end(), ma.begin(), ma.end()))
                vus.insert(a->Name() + " / " + b->Name() + ": " + a->Caption() + " | " + b->Caption());
        }
    return vus;
}

// Captions that run under a box beside them (an edit, a list, a combo of
// the same parent) or into it, closer than the width of a space, as "name /
// name: text".
std::set<std::string> LegendesSousBoites(TComponent* fenetre)
{
    TBitmap b(1, 1);
    std::map<TWinControl*, std::vector<essai::TLegende>> parParent;
    essai::Legendes(fenetre, b.Canvas(), parParent);
    std::set<std::string> vus;
    for (const auto& [parent, legendes] : parParent)
        for (const essai::TLegende& l : legendes) {
            b.Canvas().Font = l.Controle->Font();
            const int espace = b.Canvas().TextWidth(" ");
            for (int i = 0; i < parent->ControlCount(); ++i) {
                TControl* boite = parent->Controls(i);
                if (!dynamic_cast<TEdit*>(boite) && !dynamic_cast<TMemo*>(boite) && !dynamic_cast<TComboBox*>(boite) &&
                    !dynamic_cast<TCustomListBox*>(boite))
                    continue;
                if (!essai::Montre(boite) || boite == l.Controle)
                    continue;
                const TRect r = boite->BoundsRect();
                if (r.Left < l.Boite.Right + espace && l.Boite.Left < r.Right + espace && r.Top < l.Boite.Bottom &&
                    l.Boite.Top < r.Bottom)
                    vus.insert(l.Controle->Name() + " / " + boite->Name() + ": " + l.Texte);
            }
        }
    return vus;
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
    {"crests", Blasons},
    {"photos", [] { return Dialogue(new Tf_ImageManager(nullptr)); }},
    {"new_coach", NouvelEntraineur},
    {"team_sheet_players_basketball", [] { return JoueursEquipe(2); }},
    {"team_sheet_players_handball", [] { return JoueursEquipe(3); }},
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
        std::set<std::string> bords;   // nor by the panel that holds them
        essai::LegendesChevauchees(f.Forme.get(), bords, {}, true);
        EXPECT_EQ(bords, std::set<std::string>{});
        EXPECT_EQ(BoutonsSemblables(f.Forme.get()), std::set<std::string>{});
        EXPECT_EQ(LegendesSousBoites(f.Forme.get()), std::set<std::string>{});
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
