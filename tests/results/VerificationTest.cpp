// The matchday check ("Check" on the results page) in English, for a first
// result typed on a season of each sport made through the creation windows:
// each line names what is missing or wrong in the match (a basketball draw
// included), never what is there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Championnat.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/IniFiles.h"
#include "results/w_DialoguesResultats.h"
#include "results/w_Resultats.h"
#include "tests/results/FeuilleEssai.h"

using namespace essai;
using namespace feuille_essai;

namespace {

TEST(Verification, EachLineNamesWhatTheMatchLacks)
{
    struct TCas
    {
        int sport;
        const char* domicile;
        const char* exterieur;
        std::vector<int> lignes;   // the texts after "home - away : ", in order; 617: the team total
    };
    const TCas cas[] = {
        {0, "2", "1", {154, 156}},
        {1, "10", "3", {515, 156}},
        {2, "88", "88", {156, 4820, 617, 617}},
        {2, "88", "80", {156, 617, 617}},
        {3, "25", "25", {156, 617, 617}},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(std::to_string(c.sport) + " " + c.domicile + "-" + c.exterieur);
        const std::string dir = Prepare("verification");
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", "en");
        auto f = LanceFenetre();
        ASSERT_TRUE(CreeSaisonParFenetres(*f, c.sport));
        ASSERT_TRUE(Commande(*f, 13));
        auto* r = dynamic_cast<Tf_Resultats*>(f->Enfant);
        ASSERT_NE(r, nullptr);
        // The first two teams of the list placed by double click, the score typed.
        for (int k = 0; k < 2; ++k) {
            r->l_Equipe->SetItemIndex(0);
            const TRect e = r->l_Equipe->ItemRect(0);
            kit::DblClick(r->l_Equipe, e.Left + 5, e.Top + 3);
        }
        TLigneResultat& l = r->Ligne(0);
        ASSERT_FALSE(l.Domicile->Text().empty());
        ASSERT_FALSE(l.Exterieur->Text().empty());
        kit::Type(l.ScoreDomicile, c.domicile);
        kit::PressKey(nullptr, VK_TAB);
        kit::Type(l.ScoreExterieur, c.exterieur);
        kit::PressKey(nullptr, VK_TAB);
        std::vector<std::string> lignes;
        kit::WhenModal([&](TForm* m) {
            auto* v = dynamic_cast<Tf_Validation*>(m);
            ASSERT_NE(v, nullptr);
            for (TLabel* t : v->Lignes)
                lignes.push_back(t->Caption());
            kit::GrabToPng(v, "verification_" + std::to_string(c.sport) + "_" + c.domicile + "_" + c.exterieur);
            kit::Click(v->BoutonCopie2);
        });
        kit::Click(r->b_Verification);
        const std::string match = l.Domicile->Text() + " - " + l.Exterieur->Text() + ": ";   // English
        std::vector<std::string> attendus;
        int total = 0;
        for (int id : c.lignes)
            attendus.push_back(match + (id == 617 ? TraduireFormat(617, {total++ == 0 ? l.Domicile->Text()
                                                                                       : l.Exterieur->Text()})
                                                  : Traduire(id)));
        EXPECT_EQ(lignes, attendus);
        TermineFenetre(f);
    }
}

}  // namespace
