// A football season made through the program's own creation windows
// (command 5): one custom championship of four clubs, saved to its file.
#pragma once

#include <functional>

#include "files/w_ChoixLogiciel.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"

namespace essai {

// Brivant, Zelvor, Corvelle and Tessane; false when command 5 is not run.
// The composition is validated by OK, or by what `valide` does once the
// championship is made.
inline bool NouvelleSaisonQuatreClubs(FenetreEssai& f,
                                      std::function<void(Tf_CreationSaison*)> valide = nullptr)
{
    QuandFenetre<Tf_ChoixLogiciel>([](Tf_ChoixLogiciel* c) {
        c->rc_Sport[0]->SetChecked(true);
        c->b_Valider->Click();
    });
    QuandFenetre<Tf_CreationSaison>([valide](Tf_CreationSaison* c) {
        c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
        QuandFenetre<Tf_Creation>([](Tf_Creation* k) {
            k->RondCoche2->SetChecked(true);
            k->Edit1->SetText("4");
            k->b_Valider->Click();
        });
        QuandFenetre<Tf_SaisieEquipes>([](Tf_SaisieEquipes* k) {
            const char* noms[4] = {"Brivant", "Zelvor", "Corvelle", "Tessane"};
            for (size_t i = 0; i < k->Equipes.size() && i < 4; ++i)
                k->Equipes[i]->SetText(noms[i]);
            k->b_Ok->Click();
        });
        c->bc_CreeChamp->Click();
        c->tv_Saison->EndEditing(false);
        if (valide) {
            valide(c);
            return;
        }
        RepondBoite(mrOk);   // "saved"
        c->b_Valider->Click();
    });
    const bool fait = Commande(f, 5);
    kit::Process(50);
    return fait;
}

// Saves the season shown (command 7, its box answered), closes the main
// window and reads the file back; none (the test failed) when it does not
// open.
inline std::unique_ptr<TSaison> SauveFermeRelit(TOwned<FenetreEssai>& f)
{
    RepondBoite(mrOk);
    Commande(*f, 7);
    kit::Process(20);
    kit::ForgetModalActions();
    const std::string fichier = NomFichierCourant;
    ModifSaison = 0;
    TermineFenetre(f);
    uint8_t etat = 0;
    auto relue = TTraiteurFichier::Charger(fichier, "", "", {}, TousSports, etat, true);
    if (etat != etatCharge || !relue) {
        ADD_FAILURE() << "the season saved does not open again (status " << static_cast<int>(etat) << ")";
        return nullptr;
    }
    return relue;
}

}  // namespace essai
