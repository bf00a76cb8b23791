// What the results page tests share: the page shown over a season as the main
// window shows it, a team of the list placed by double click or dragged onto a
// box, a score typed into a box that is then left, a row retyped key by key,
// and the records of a team on a matchday.
#pragma once

#include <memory>
#include <string>

#include "model/Championnat.h"
#include "model/InfoComp.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "results/w_Resultats.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"

namespace page_essai {

inline TPoint Centre(TControl* c) { return {c->Width() / 2, c->Height() / 2}; }

// Double click on entry i of the team list.
inline void ChoisitEquipe(Tf_Resultats& r, int i)
{
    r.l_Equipe->SetItemIndex(i);
    const TRect e = r.l_Equipe->ItemRect(i);
    kit::DblClick(r.l_Equipe, e.Left + 5, e.Top + 3);
}

// Entry i of the team list dragged onto a team box.
inline void DeposeEquipe(Tf_Resultats& r, int i, TCadreDrop* cadre)
{
    const TRect e = r.l_Equipe->ItemRect(i);
    kit::Drag(r.l_Equipe, {e.Left + 5, e.Top + 3}, cadre, Centre(cadre));
}

// Types a score and leaves the box (its exit decides a cup tie).
inline void Score(TEditRond* e, const std::string& s, TWinControl* ensuite)
{
    kit::Type(e, s);
    ensuite->SetFocus();
    kit::Process();
}

// Row `ligne` of the shown matchday retyped key by key, home box first (a
// box entered shows its score selected: the keys type over it), then left by
// Tab.
inline void Retape(Tf_Resultats& r, int ligne, const std::string& sh, const std::string& sa)
{
    TEditRond* e = r.Ligne(ligne).ScoreDomicile;
    e->SetFocus();
    kit::WaitUntil([e] { return e->Focused(); });
    for (const std::string& s : {sh, sa}) {
        kit::Type(nullptr, s);
        kit::PressKey(nullptr, VK_TAB);
        kit::Process();
    }
}

// The records of the team on matchday d, every kind counted.
inline int Evenements(TDonneesChampionnat& c, int d, int equipe)
{
    int n = 0;
    for (TListeDonnees* l : c.ListesDonnees(d))
        for (int i = 0; l && i < l->Nombre(); ++i)
            n += l->Donnee(i)->IdEquipe() == equipe;
    return n;
}

// A page of its own over a season, shown as the main window shows it.
inline TOwned<Tf_Resultats> Page(TSaison* s)
{
    vues::Module();
    if (!Traducteur())
        InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), "texte\\Textefr.txt")));
    TOwned<Tf_Resultats> r(new Tf_Resultats(nullptr));
    r->ChangeSaison(s);
    r->ChangeCouleurs(Dessin->Couleurs);
    kit::ShowForm(r.get());
    r->Init();
    r->CreeLignes();
    kit::Process();
    return r;
}

// A league of six current in a season of the sport, its matchday 1 holding
// teams 0-1 played 26-6 and 2-3 to play.
struct TLigueSix
{
    std::unique_ptr<TSaison> Saison;
    TDonneesChampionnat* Championnat = nullptr;
    int Equipes[6] = {};
};

inline TLigueSix LigueSix(int sport)
{
    TLigueSix l;
    l.Saison = TMultiSport::CreeSaison(sport);
    l.Championnat = vues::Ligue(*l.Saison, sport, "Division 1", 0, 6, 0, 1, 7);
    l.Saison->SetChampionnatCourant(l.Championnat);
    for (int k = 0; k < 6; ++k)
        l.Equipes[k] = l.Championnat->IdEquipe(k);
    l.Championnat->CreeMatch(1, l.Equipes[0], l.Equipes[1], 26, 6);
    l.Championnat->CreeMatch(1, l.Equipes[2], l.Equipes[3], TInfoComp::ScoreVide, TInfoComp::ScoreVide);
    return l;
}

}  // namespace page_essai
