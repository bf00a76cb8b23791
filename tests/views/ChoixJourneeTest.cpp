// The matchday choice dialogs: range and large step from the championship,
// the preset matchday, moving and validating, cancelling; the date dialog;
// the neutral answers of the results links before registration.
#include <gtest/gtest.h>

#include "model/Utilities.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/Bouton.h"
#include "views/LiensResultats.h"
#include "views/w_ChoixJournee.h"

namespace {

TEST(ChoixJournee, RangeStepPresetAndAnswer)
{
    struct Cas
    {
        int nbJour, preset, deplace, grandPas, attendu, resultat;
    };
    // 18 matchdays (the test league), then 6 (large step 1) and 40 (step 4).
    const Cas cas[] = {{18, 7, 3, 1, 10, 1}, {6, 5, 3, 1, 6, 1}, {40, 0, 12, 4, 13, 1}, {40, 99, 0, 4, 40, 1},
                       {18, 7, 3, 1, 7, 2}};
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nbJour);
        auto s = vues::SaisonVue(0);
        s.c1->SetNbJournees(k.nbJour);
        for (int d = 19; d <= k.nbJour; ++d)
            s.c1->SetDateJournee(d, 0);
        Tf_ChoixJournee d(nullptr);
        d.ChangeCouleurs(vues::Module()->Couleurs);
        d.ChangeSaison(s.saison.get());
        d.Tag = k.preset;
        const int r = kit::RunModal(&d, [&](TForm*) {
            EXPECT_EQ(d.ScrollBar1->Max(), k.nbJour);
            EXPECT_EQ(d.ScrollBar1->LargeChange(), k.grandPas);
            EXPECT_EQ(d.ScrollBar1->Position(), std::clamp(k.preset, 1, k.nbJour));
            d.ScrollBar1->SetPosition(d.ScrollBar1->Position() + k.deplace);
            EXPECT_EQ(d.Edit1->GetText(), std::string(18, ' ') + L1("Journée ") + std::to_string(d.ScrollBar1->Position()));
            if (k.nbJour == 18 && k.resultat == 1)
                kit::GrabToPng(&d, "choix-journee");
            kit::Click(k.resultat == 1 ? d.BoutonCopie1 : d.BoutonCopie2);
        });
        EXPECT_EQ(r, k.resultat);
        EXPECT_EQ(d.Tag, k.resultat == 1 ? k.attendu : k.preset);
    }
}

TEST(ChoixJournee, DateDialog)
{
    vues::Module();
    for (int reponse : {1, 2}) {
        // Today (or tomorrow, when the dialog opens past midnight).
        const TDateTime avant = Date();
        Tf_ChoixDate d(nullptr);
        d.ChangeCouleurs(vues::Module()->Couleurs);
        const TDateTime jour = EncodeDate(2005, 3, 12);
        const int r = kit::RunModal(&d, [&](TForm*) {
            EXPECT_TRUE(d.mc_date->Date() == avant || d.mc_date->Date() == Date()) << d.mc_date->Date();
            d.mc_date->SetDate(jour);
            if (reponse == 1)
                kit::GrabToPng(&d, "choix-date");
            kit::Click(reponse == 1 ? d.BoutonCopie1 : d.BoutonCopie2);
        });
        EXPECT_EQ(r, reponse);
        if (reponse == 1) {
            EXPECT_EQ(TGestionDate::DateTimeVersDate(d.DateChoisie), TGestionDate::EncodeDate(12, 3, 2005));
        }
    }
}

TEST(LiensResultats, NeutralUntilRegistered)
{
    auto s = vues::SaisonVue(0);
    s.c1->NbJournee = 5;
    EXPECT_EQ(liens::LibelleJournee(s.saison.get()), L1("Journée 5"));
    // By dates, a matchday without one: its number.
    const uint16_t dates = s.c1->Option(11);
    s.c1->SetOption(11, dates | 8);
    EXPECT_EQ(liens::LibelleJournee(s.saison.get()), L1("Journée 5"));
    s.c1->SetOption(11, dates);
    int v1 = 9, n = 9, v2 = 9;
    liens::BilanHistorique(0, 1, true, 5, s.saison.get(), nullptr, v1, n, v2);
    EXPECT_EQ(v1 + n + v2, 0);
    EXPECT_EQ(liens::CreeFicheMatch(nullptr, s.saison.get(), vues::Module()->Couleurs, {}), nullptr);
    EXPECT_FALSE(liens::FicheArbitre(nullptr, vues::Module()->Couleurs, s.saison.get(), 1, nullptr));

    TLiensResultats l;
    l.LibelleJournee = [](TSaison*) { return std::string("Tour 1"); };
    EnregistreLiensResultats(l);
    EXPECT_EQ(liens::LibelleJournee(s.saison.get()), "Tour 1");
    EnregistreLiensResultats({});
}

}  // namespace
