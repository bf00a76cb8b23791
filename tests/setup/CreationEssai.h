// A season made as a user makes it, through the main window: command 5, the
// sport chosen, two custom championships of four typed clubs ("Club 1".."Club 4"
// and "Autre 1".."Autre 4"). Modal windows on the way are answered by type.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/w_ChoixLogiciel.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"

namespace essai {

namespace {

const bool dossierAbsolu = [] {
    setenv("BZ_DATA_DIR", std::filesystem::absolute(DossierDonnees()).lexically_normal().c_str(), 0);
    return true;
}();

template <class T>
inline void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::MessageEnEchec);
}

// A new season of the sport holding two custom championships of four clubs,
// the first named "<premier> 1" to "<premier> 4"; its file named in the
// "Season file" box as proposed, or as typed there key by key (UTF-8).
inline void CreeSaison(Tf_Principale& f, int sport, const std::string& premier = "Club",
                       const std::string& fichierTape = "")
{
    Quand<Tf_ChoixLogiciel>([sport](Tf_ChoixLogiciel* c) {
        c->rc_Sport[sport]->SetChecked(true);
        c->b_Valider->Click();
    });
    Quand<Tf_CreationSaison>([premier, fichierTape](Tf_CreationSaison* c) {
        // two custom championships of four clubs (a season holds two at least)
        for (const std::string& prefixe : {premier, std::string("Autre")}) {
            c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
            Quand<Tf_Creation>([](Tf_Creation* k) {
                k->RondCoche2->SetChecked(true);
                k->Edit1->SetText("4");
                k->b_Valider->Click();
            });
            const std::string p = prefixe;   // typed in the teams window
            Quand<Tf_SaisieEquipes>([p](Tf_SaisieEquipes* e) {
                for (size_t i = 0; i < e->Equipes.size(); ++i)
                    e->Equipes[i]->SetText(p + " " + IntToStr(static_cast<int>(i) + 1));
                e->b_Ok->Click();
            });
            c->bc_CreeChamp->Click();
        }
        if (!fichierTape.empty())
            kit::TypeKeys(c->e_RepSauve, fichierTape);
        static std::vector<std::string> textes;
        RepondBoite(mrOk, &textes);   // "saved"
        c->b_Valider->Click();
        if (c->ModalResult() == mrNone) {
            ADD_FAILURE() << "creation still open: " << ::testing::PrintToString(textes);
            kit::ForgetModalActions();
            c->SetModalResult(mrCancel);
        }
    });
    ASSERT_TRUE(Commande(f, 5));
    kit::Process(50);
}

}  // namespace

}  // namespace essai
