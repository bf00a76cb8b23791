// What the match sheet page tests share: a list entry chosen by double click,
// a count typed into a grid cell, and a new season made as a user makes it
// (command 5, the sport, a template division of four typed teams).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "files/TraiteurFichier.h"
#include "files/w_ChoixLogiciel.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Carton.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/DessinEssai.h"
#include "tests/support/QuandFenetre.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"

namespace feuille_essai {

// The season saved in that file, then opened by a new main window; none (the
// test failed) when the save fails or the file does not open.
inline TOwned<essai::FenetreEssai> SauveEtOuvre(TSaison& saison, const std::string& fichier)
{
    if (!essai::SauveRelit(saison, fichier))
        return nullptr;
    auto f = essai::LanceFenetre();
    f->OpenFile(fichier);
    return f;
}

// The box of the i-th shown row of a panel (from 0); nullptr past the last.
inline TCarton* BoiteVisible(TFondScroll* f, int i)
{
    int k = -1;
    for (int j = 0; j < f->NbControles(); ++j)
        if (auto* l = dynamic_cast<TWinControl*>(f->Controle(j)); l && l->Visible() && ++k == i)
            return dynamic_cast<TCarton*>(l->Controls(0));
    return nullptr;
}

// Entry i of a team list, selected and double-clicked.
inline void ChoisitEntree(TListe* l, int i)
{
    l->SetItemIndex(i);
    const TRect e = l->ItemRect(i);
    kit::DblClick(l, e.Left + 5, e.Top + 3);
}

// The text typed into cell (col, row) of a grid, then Enter.
inline void Saisit(TColorStringGrid* g, int col, int row, const std::string& texte)
{
    g->FocusCell(col, row, true);
    // The first key opens the cell's editor, which takes the others; an
    // editor open (on a value refused) takes it where it is.
    kit::Type(g->EditorMode() ? nullptr : g, texte.substr(0, 1));
    if (texte.size() > 1)
        kit::Type(nullptr, texte.substr(1));
    kit::PressKey(nullptr, VK_RETURN);
}

template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::Passees);
}

// A new season of the sport through the creation windows: one championship of
// the sport's first template division with four typed teams, validated (the
// file is saved) and shown by the main window.
inline bool CreeSaisonParFenetres(essai::FenetreEssai& f, int sport)
{
    setenv("BZ_DATA_DIR", std::filesystem::absolute(dessin_essai::DossierDonnees()).lexically_normal().c_str(), 0);
    Quand<Tf_ChoixLogiciel>([sport](Tf_ChoixLogiciel* c) {
        c->rc_Sport[sport]->SetChecked(true);
        c->b_Valider->Click();
    });
    Quand<Tf_CreationSaison>([](Tf_CreationSaison* c) {
        Quand<Tf_Creation>([](Tf_Creation* d) {
            d->Edit1->SetText("4");
            d->b_Valider->Click();
        });
        Quand<Tf_SaisieEquipes>([](Tf_SaisieEquipes* s) {
            for (size_t i = 0; i < s->Equipes.size(); ++i)
                s->Equipes[i]->SetText("Club " + IntToStr(static_cast<int>(i) + 1));
            s->b_Ok->Click();
        });
        c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
        c->bc_CreeChamp->Click();
        essai::RepondBoite(mrOk);
        c->b_Valider->Click();
    });
    if (!essai::Commande(f, 5))
        return false;
    kit::Process(20);
    return f.Saison && f.Saison->Sport() == sport && f.Saison->ChampionnatCourant();
}

}  // namespace feuille_essai
