// Captions shown whole, in French and in English: the check boxes and round
// choices never narrower than their caption, the match card's statistics
// choice as wide as its longest item with the away team's box after it.
#include <gtest/gtest.h>

#include <functional>

#include "model/oTraducteur.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "results/w_FicheMatch.h"
#include "setup/w_Barrage.h"
#include "setup/w_Creation.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/DessinEssai.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"

using namespace essai;

namespace {

int Largeur(const TFont& police, const std::string& texte)
{
    TBitmap mesure(1, 1);
    mesure.Canvas().Font = police;
    return mesure.Canvas().TextWidth(texte);
}

TEST(LibellesEntiers, CochesEtChoixMontrentToutLeurTexte)
{
    struct TCas
    {
        const char* nom;
        std::function<TForm*()> cree;
    };
    const TCas cas[] = {
        {"Creation", [] { return new Tf_Creation(nullptr); }},
        {"Barrage",
         [] {
             auto* b = new Tf_Barrage(nullptr);
             b->DonneListe({{"Division 1", (1 << 4) | 2}});
             return b;
         }},
        {"FicheMatch", [] { return new Tf_FicheMatch(nullptr); }},
    };
    CreeDessin();
    dessin_essai::ModelesSports(0);
    for (const char* langue : {"fr", "en"}) {
        InstalleTraducteur(
            std::make_unique<TTraducteur>(MakePath(DossierDonnees(), std::string("texte\\Texte") + langue + ".txt")));
        for (const TCas& k : cas) {
            SCOPED_TRACE(std::string(langue) + " " + k.nom);
            TOwned<TForm> f(k.cree());
            kit::ShowForm(f.get());
            int vus = 0;
            for (int i = 0; i < f->ComponentCount(); ++i) {
                if (auto* b = dynamic_cast<TBoutonCoche*>(f->Components(i)); b && !b->Caption().empty()) {
                    EXPECT_GE(b->Width(), Largeur(b->Font(), b->Caption()) + 25) << b->Name() << " " << b->Caption();
                    ++vus;
                    // nothing shown over it
                    for (int j = 0; b->Parent() && j < b->Parent()->ControlCount(); ++j) {
                        TControl* autre = b->Parent()->Controls(j);
                        TRect commun;
                        if (autre != b && autre->Visible() && IntersectRect(commun, autre->BoundsRect(), b->BoundsRect()))
                            ADD_FAILURE() << autre->Name() << " over " << b->Name();
                    }
                }
                if (auto* c = dynamic_cast<TComboBox*>(f->Components(i)); c && c->Style() == csDropDownList)
                    for (int j = 0; j < c->Items().Count(); ++j) {
                        EXPECT_GE(c->Width(), Largeur(c->Font(), c->Items()[j]) + 20) << c->Name() << " " << c->Items()[j];
                        ++vus;
                    }
            }
            EXPECT_GT(vus, 0);
            if (auto* m = dynamic_cast<Tf_FicheMatch*>(f.get()))
                EXPECT_GT(m->c_EqExterieur->Left(), m->cb_TypeStat->Left() + m->cb_TypeStat->Width());
            kit::GrabToPng(f.get(), std::string("LibellesEntiers-") + k.nom + "-" + langue);
        }
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Textefr.txt")));
}

}  // namespace
