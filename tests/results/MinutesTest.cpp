// Minutes typed past what their record keeps, on every page that stores one
// (football goals and cards, rugby tries, conversions, penalties, drops and
// cards, the substitutions of both sports): the digit that goes past is
// refused with a beep and its reason beside the box, no message box, and the
// record keeps what the other keys made. The rugby pages take a
// player by a double click on a team list into the panel last pressed, and
// each count dialog of a rugby panel names what it counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "results/Carton.h"
#include "results/PagesMatch.h"
#include "results/w_ButeursFoot.h"
#include "results/w_ButeursRugby.h"
#include "results/w_ButeursStat.h"
#include "results/w_Composition.h"
#include "results/w_Passeurs.h"
#include "shell/Commandes.h"
#include "shell/Globales.h"
#include "ui/ColorStringGrid.h"
#include "tests/results/FeuilleEssai.h"
#include "views/Textes.h"

using namespace essai;
using namespace feuille_essai;

namespace {

const bool pagesInscrites = (EnregistrePagesMatch(), true);

// The first entry of a team list that names a player (the rugby lists lead
// with team entries).
int PremierJoueur(TListe* l)
{
    for (int i = 0; i < l->Items().Count(); ++i)
        if (NumeroEntreeListe(l->Items()[i], 8, true) < 0xFFFFFFD)
            return i;
    return -1;
}

// The minute word of the record of that player and team in the list of a
// kind on a matchday; -1 when there is none.
int MotRecord(TDonneesChampionnat& c, int type, int n, int equipe, int32_t joueur)
{
    const TListeDonnees* l = c.ListeDonnees(type, n);
    for (int i = 0; l && i < l->Nombre(); ++i)
        if (l->Donnee(i)->IdEquipe() == equipe && l->Donnee(i)->IdJoueur() == joueur)
            return l->Donnee(i)->Mot();
    return -1;
}

// A season of the sport whose matchday 5 opens with a played match, saved and
// opened by a main window on the page of that command.
struct TFeuille
{
    TSaisonComplete sc;
    TOwned<FenetreEssai> f;
    int h = 0, a = 0;

    // Matchday 4's first match is played with its line-ups entered. `avant`
    // enters what the match holds before the season is saved.
    TFeuille(int sport, int commande, const std::string& nom, int journee = 5,
             const std::function<void(TFeuille&)>& avant = {})
        : sc(sport)
    {
        const std::string dir = Prepare(nom);
        sc.saison->SetChampionnatCourant(sc.ligue);
        sc.ligue->SetCategorieEquipe(1, 0);
        h = sc.ligue->Match(journee, 1)->IdEquipe(0);
        a = sc.ligue->Match(journee, 1)->IdEquipe(1);
        if (journee == 5)
            sc.ligue->CreeMatch(5, h, a, sport == 0 ? 2 : 21, sport == 0 ? 1 : 3);
        sc.ligue->NbJournee = journee;
        if (avant)
            avant(*this);
        f = SauveEtOuvre(*sc.saison, MakePath(dir, nom + ".xmc"));
        if (f)
            Commande(*f, commande);
    }
    TDonneesChampionnat& C() { return *f->Saison->ChampionnatCourant(); }
};

// The home side's panel of a scorers page (football, rugby or rugby's second
// page); none on another page.
TFondScroll* FondPanneau(Tf_InfoMatchCadreBase* p, int panneau)
{
    if (auto* foot = dynamic_cast<Tf_ButeursFoot*>(p))
        return foot->Fond(panneau, 1);
    if (auto* rugby = dynamic_cast<Tf_ButeursRugby*>(p))
        return rugby->Fond(panneau, 1);
    if (auto* second = dynamic_cast<Tf_PasseursRugby*>(p))
        return second->Fond(panneau, 1);
    return nullptr;
}

}  // namespace

// Every panel with minutes: a player dropped, then 130 typed into his minute:
// the 0 is refused, 13 kept.
TEST(Minutes, PastTheRecordRefusedOnEveryPanel)
{
    struct TCas
    {
        int sport, commande, panneau, type;
        uint16_t drapeau;   // the record's flags beside the minute
    };
    const std::vector<TCas> cas = {
        {0, 14, 0, 2, 0}, {0, 14, 1, 3, 0},    {0, 14, 2, 3, evtRouge}, {1, 14, 0, 2, 0}, {1, 14, 1, 6, 0},
        {1, 14, 2, 5, 0}, {1, 14, 3, 7, 0},    {1, 16, 0, 3, 0},        {1, 16, 1, 3, evtRouge},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(std::to_string(c.sport) + " " + std::to_string(c.commande) + " " + std::to_string(c.panneau));
        TFeuille t(c.sport, c.commande, "minutes");
        ASSERT_TRUE(t.f);
        auto* p = dynamic_cast<Tf_InfoMatchCadre*>(t.f->Enfant);
        ASSERT_NE(p, nullptr);
        ASSERT_EQ(p->IdDomicile, t.h);
        TFondScroll* fond = FondPanneau(p, c.panneau);
        ASSERT_NE(fond, nullptr);
        TListe* lh = p->Liste(1);
        const int i = PremierJoueur(lh);
        ASSERT_GE(i, 0);
        const int32_t joueur = NumeroEntreeListe(lh->Items()[i], 8, true);
        lh->SetItemIndex(i);
        const TRect e = lh->ItemRect(i);
        kit::Drag(lh, {e.Left + 5, e.Top + 3}, BoiteVisible(fond, 0), {20, 10});
        ASSERT_EQ(BoiteVisible(fond, 0)->Numero, joueur);
        TEditRond* minute = BoiteVisible(fond, 0)->Minute();
        ASSERT_NE(minute, nullptr);
        std::vector<std::string> dits;
        RepondBoite(mrOk, &dits);
        kit::Refusals().clear();
        kit::Type(minute, "130");
        EXPECT_TRUE(dits.empty());
        EXPECT_EQ(kit::ForgetModalActions(), 1u);   // no message box took the answer
        ASSERT_EQ(kit::Refusals().size(), 1u);
        EXPECT_EQ(kit::Refusals()[0].box, minute);
        EXPECT_EQ(kit::Refusals()[0].reason, TraduireFormat(4400, {130, 127}));
        EXPECT_EQ(minute->Text(), "13");
        // Written when the next match shows.
        p->UpDown1->ClickButton(btNext);
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        EXPECT_EQ(MotRecord(t.C(), c.type, 5, t.h, joueur), 13 | c.drapeau);
        TermineFenetre(t.f);
    }
}

// A value typed over a kept one and refused (the user empties the box and
// types 1, 3, 0, then Tab; a statistic cell takes two digits: 1, 3): a
// minute box refuses the last digit aloud and keeps what the keys before
// made; a statistic cell, checked when left, shows again what it held before
// the first key. What the box or cell shows is what is written.
TEST(Minutes, RefusalGivesBackTheValueHeldBeforeTyping)
{
    enum TBoite { Panneau, Remplacement, Grille, Gardien };
    struct TCas
    {
        int sport, commande;
        TBoite boite;
        int panneau;   // the panel of the page, or the made column of a grid
        int type;      // the record's kind, or the code of the made count
        uint16_t drapeau;
        std::string tape;
    };
    const std::vector<TCas> cas = {
        {0, 14, Panneau, 0, 2, 0, "\b\b130"},          {0, 14, Panneau, 1, 3, 0, "\b\b130"},
        {0, 14, Panneau, 2, 3, evtRouge, "\b\b130"},   {1, 14, Panneau, 0, 2, 0, "\b\b130"},
        {1, 14, Panneau, 1, 6, 0, "\b\b130"},          {1, 14, Panneau, 2, 5, 0, "\b\b130"},
        {1, 14, Panneau, 3, 7, 0, "\b\b130"},          {1, 16, Panneau, 0, 3, 0, "\b\b130"},
        {1, 16, Panneau, 1, 3, evtRouge, "\b\b130"},   {0, 15, Remplacement, 0, 0, 0, "\b\b300"},
        {1, 15, Remplacement, 0, 0, 0, "\b\b300"},     {2, 14, Grille, 3, 7, 0, "13"},
        {3, 14, Grille, 1, 21, 0, "13"},                 {3, 14, Gardien, 1, 25, 0, "13"},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(std::to_string(c.sport) + " " + std::to_string(c.commande) + " " + std::to_string(c.boite) + " " +
                     std::to_string(c.panneau));
        const bool grille = c.boite == Grille || c.boite == Gardien;
        const int avant = grille ? 5 : 72;
        int32_t joueur = 0;
        TFeuille t(c.sport, c.commande, "refus_avant", c.boite == Remplacement ? 4 : 5, [&](TFeuille& f) {
            joueur = f.sc.Joueurs(f.h)[0];
            TDonneesChampionnat& l = *f.sc.ligue;
            if (c.boite == Remplacement)
                l.Match(4, 1)->SetValeurRemplacement(f.h, 1, avant, 5);
            else if (!grille)
                l.ListeDonnees(c.type, 5)->Ajoute(std::make_unique<TDonneesEvt>(joueur, f.h, avant, c.drapeau));
            else {
                auto& stat = dynamic_cast<TDonneesChampionnatStat&>(l);
                // Made 5 of 6 attempts.
                stat.ListeStat(5, c.type)->Ajoute(TDonneesEvt::CreateId(joueur, f.h, 5));
                stat.ListeStat(5, c.type + 1)->Ajoute(TDonneesEvt::CreateId(joueur, f.h, 6));
                if (c.sport == 3)
                    stat.ListeStat(5, 36)->Ajoute(TDonneesEvt::CreateId(joueur, f.h, c.boite == Gardien ? 129 : 1));
            }
        });
        ASSERT_TRUE(t.f);
        auto* p = dynamic_cast<Tf_InfoMatchCadreBase*>(t.f->Enfant);
        ASSERT_NE(p, nullptr);
        ASSERT_EQ(p->IdDomicile, t.h);
        TColorStringGrid* g = nullptr;
        TEdition2* boite = nullptr;
        if (auto* stat = dynamic_cast<Tf_ButeursStat*>(p))
            g = c.boite == Gardien ? stat->csc_StatGardien : stat->csc_StatTir;
        else if (auto* compo = dynamic_cast<Tf_Composition*>(p))
            boite = compo->Enreg(0, compo->NbTitulaire() + 1).Numero;
        else {
            TFondScroll* fond = FondPanneau(p, c.panneau);
            ASSERT_NE(fond, nullptr);
            ASSERT_NE(BoiteVisible(fond, 0), nullptr);
            ASSERT_EQ(BoiteVisible(fond, 0)->Numero, joueur);
            boite = BoiteVisible(fond, 0)->Minute();
        }
        std::vector<std::string> dits;
        RepondBoite(mrOk, &dits);
        kit::Refusals().clear();
        std::string attendu;
        int ecrit = avant;
        if (g) {
            ASSERT_EQ(g->DonneeCellule(c.panneau, 1), avant);
            g->FocusCell(c.panneau, 1, true);
            kit::Type(g, c.tape.substr(0, 1));
            kit::Type(nullptr, c.tape.substr(1));
            kit::PressKey(nullptr, VK_TAB);
            EXPECT_EQ(g->DonneeCellule(c.panneau, 1), avant);
            EXPECT_EQ(g->LitCellule(c.panneau, 1), std::to_string(avant));
            const auto [fait, tente] = Tf_ButeursStat::ComptesAuDela(c.boite == Gardien, 13, 6);
            attendu = TraduireFormat(c.boite == Gardien ? 4821 : 3602, {g->LitCellule(c.panneau, 0), fait, tente});
        } else {
            ASSERT_NE(boite, nullptr);
            ASSERT_EQ(boite->Text(), std::to_string(avant));
            kit::Click(boite);
            kit::Type(boite, c.tape);
            kit::PressKey(nullptr, VK_TAB);
            ecrit = c.boite == Remplacement ? 30 : 13;
            EXPECT_EQ(kit::ForgetModalActions(), 1u);   // no message box took the answer
            EXPECT_EQ(boite->Text(), std::to_string(ecrit));
            ASSERT_EQ(kit::Refusals().size(), 1u);
            EXPECT_EQ(kit::Refusals()[0].reason,
                      c.boite == Remplacement ? TraduireFormat(4400, {300, 255}) : TraduireFormat(4400, {130, 127}));
        }
        EXPECT_EQ(dits, attendu.empty() ? std::vector<std::string>{} : std::vector<std::string>{attendu});
        if (c.sport == 1 && c.commande == 14)
            kit::GrabToPng(t.f.get(), "refus_avant_rugby_" + std::to_string(c.panneau));
        // Written when the next match shows.
        p->UpDown1->ClickButton(btNext);
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        if (c.boite == Remplacement)
            EXPECT_EQ(t.C().Match(4, 1)->ValeurRemplacement(t.h, 1, 5), ecrit);
        else if (!grille)
            EXPECT_EQ(MotRecord(t.C(), c.type, 5, t.h, joueur), ecrit | c.drapeau);
        else {
            auto& stat = dynamic_cast<TDonneesChampionnatStat&>(t.C());
            const TListeDonnees* l = stat.ListeStat(5, c.type);
            ASSERT_NE(l, nullptr);
            int valeur = -1;
            for (int i = 0; i < l->Nombre(); ++i)
                if (l->Donnee(i)->IdEquipe() == t.h && l->Donnee(i)->IdJoueur() == joueur)
                    valeur = l->Donnee(i)->Mot();
            EXPECT_EQ(valeur, avant);
        }
        TermineFenetre(t.f);
    }
}

// A substitution's minute is kept up to 255 in both sports: the 0 that
// makes 300 is refused, 30 taken.
TEST(Minutes, SubstitutionPastWhatThePageKeepsRefused)
{
    for (int sport : {0, 1}) {
        SCOPED_TRACE(sport);
        TFeuille t(sport, 15, "minutes_remplacement", 4);
        ASSERT_TRUE(t.f);
        auto* p = dynamic_cast<Tf_Composition*>(t.f->Enfant);
        ASSERT_NE(p, nullptr);
        const int nt = p->NbTitulaire();
        TInfoComp* m = t.C().Match(4, 1);
        ASSERT_NE(m, nullptr);
        const int32_t sortant = m->ValeurRemplacement(t.h, 1, 1);
        ASSERT_NE(sortant, 0) << "the match has no substitution to time";
        TEdition2* minute = p->Enreg(0, nt + 1).Numero;
        minute->SetText("");
        std::vector<std::string> dits;
        RepondBoite(mrOk, &dits);
        kit::Refusals().clear();
        kit::Type(minute, "300");
        EXPECT_TRUE(dits.empty());
        EXPECT_EQ(kit::ForgetModalActions(), 1u);   // no message box took the answer
        ASSERT_EQ(kit::Refusals().size(), 1u);
        EXPECT_EQ(kit::Refusals()[0].reason, TraduireFormat(4400, {300, 255}));
        // The last 0 left out: 30.
        EXPECT_EQ(minute->Text(), "30");
        p->UpDown1->ClickButton(btNext);
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        EXPECT_EQ(t.C().Match(4, 1)->ValeurRemplacement(t.h, 1, 5), 30);
        TermineFenetre(t.f);
    }
}

// A double click (a real one, on the list) enters the player in the panel
// last pressed: tries at first, then each panel once its empty box is
// pressed; on the second page yellow cards at first, then red cards and the
// missed penalties.
TEST(Minutes, RugbyPagesTakeADoubleClick)
{
    struct TCas
    {
        int commande;
        std::vector<std::pair<int, uint16_t>> types;   // per panel: kind and flags
    };
    const std::vector<TCas> cas = {
        {14, {{2, 0}, {6, 0}, {5, 0}, {7, 0}}},
        {16, {{3, 0}, {3, evtRouge}, {2, evtHorsScore}}},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.commande);
        TFeuille t(1, c.commande, "rugby_double_clic");
        ASSERT_TRUE(t.f);
        auto* p = dynamic_cast<Tf_InfoMatchCadre*>(t.f->Enfant);
        ASSERT_NE(p, nullptr);
        auto fond = [&](int k) {
            if (auto* r = dynamic_cast<Tf_ButeursRugby*>(p))
                return r->Fond(k, 2);
            return dynamic_cast<Tf_PasseursRugby*>(p)->Fond(k, 2);
        };
        TListe* la = p->Liste(2);
        const int i = PremierJoueur(la);
        ASSERT_GE(i, 0);
        const int32_t joueur = NumeroEntreeListe(la->Items()[i], 8, true);
        for (size_t k = 0; k < c.types.size(); ++k) {
            SCOPED_TRACE(k);
            // The last empty box of the panel (the first panel needs no press).
            int vide = 0;
            while (BoiteVisible(fond(static_cast<int>(k)), vide + 1))
                ++vide;
            TCarton* b = BoiteVisible(fond(static_cast<int>(k)), vide);
            ASSERT_NE(b, nullptr);
            ASSERT_TRUE(b->Text().empty());
            if (k > 0)
                kit::Click(b, 10, 10);
            ChoisitEntree(la, i);
            EXPECT_EQ(b->Numero, joueur);
            EXPECT_FALSE(b->Text().empty());
            EXPECT_TRUE(BoiteVisible(fond(static_cast<int>(k)), vide + 1));   // a new empty row
        }
        if (c.commande == 14)
            kit::GrabToPng(t.f.get(), "rugby_double_clic");
        p->UpDown1->ClickButton(btNext);
        for (const auto& [type, drapeau] : c.types) {
            const TListeDonnees* l = t.C().ListeDonnees(type, 5);
            bool trouve = false;
            for (int r = 0; l && r < l->Nombre(); ++r)
                trouve = trouve || (l->Donnee(r)->IdEquipe() == t.a && l->Donnee(r)->IdJoueur() == joueur &&
                                    (l->Donnee(r)->Mot() & ~evtMinute) == drapeau);
            EXPECT_TRUE(trouve) << type << " " << drapeau;
        }
        TermineFenetre(t.f);
    }
}

// Each panel's count dialog names what the panel holds: its question is the
// panel's own, and holds the panel's title.
TEST(Minutes, RugbyCountDialogNamesWhatItCounts)
{
    TFeuille t(1, 14, "rugby_nombre");
    ASSERT_TRUE(t.f);
    auto* p = dynamic_cast<Tf_ButeursRugby*>(t.f->Enfant);
    ASSERT_NE(p, nullptr);
    TListe* lh = p->Liste(1);
    const int i = PremierJoueur(lh);
    ASSERT_GE(i, 0);
    const TLabel* titres[4] = {p->Label6, p->Label7, p->Label8, p->Label9};
    std::vector<std::string> questions;
    for (int k = 0; k < 4; ++k) {
        std::string question;
        kit::WhenModal([&question](TForm* m) {
            auto* d = dynamic_cast<Tf_ChoixNombre*>(m);
            ASSERT_NE(d, nullptr);
            question = d->l_ChoixTexte->Caption();
            kit::GrabToPng(d, "rugby_nombre");
            d->BoutonCopie2->Click();
        });
        lh->SetItemIndex(i);
        const TRect e = lh->ItemRect(i);
        kit::Drag(lh, {e.Left + 5, e.Top + 3}, BoiteVisible(p->Fond(k, 1), 0), {20, 10}, ssCtrl);
        EXPECT_EQ(question, vues::Texte(1330 + k)) << k;
        EXPECT_NE(AnsiLowerCase(question).find(AnsiLowerCase(titres[k]->Caption())), std::string::npos)
            << question << " / " << titres[k]->Caption();
        questions.push_back(question);
    }
    std::sort(questions.begin(), questions.end());
    EXPECT_EQ(std::unique(questions.begin(), questions.end()), questions.end());
    TermineFenetre(t.f);
}
