// Opening, showing and saving a season write what was entered: no date
// nobody typed or picked, no match nobody made; a change of how dates are
// entered names the matches that lose their own and No changes nothing;
// "Compléter" says what it added, or that nothing was missing; a competition
// made with its season has the season's years. Each row composes a season
// through the program's windows (two leagues of four typed clubs, the first
// typed "2031/32", the second as its window proposes it; a cup of two-legged
// semi-finals and a final when the row has one), sets the options in the
// options window, enters what it needs on the results page, makes its
// gesture with the answers it gives, checks the season and what the user was
// told, then saves through the season file and reopens it as it was; showing
// the results page again changes nothing.
#include <gtest/gtest.h>

#include <functional>

#include "files/TraiteurFichier.h"
#include "files/w_ChoixLogiciel.h"
#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Utilities.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Mask.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Resultats_Html.h"
#include "results/Saisie.h"
#include "results/w_DialoguesResultats.h"
#include "setup/w_AppliquerOptions.h"
#include "setup/w_Barrage.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationCoupe.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_Option.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/results/PageResultatsEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"
#include "ui/message2.h"

using namespace essai;
using page_essai::ChoisitEquipe;
using page_essai::Retape;

namespace {

template <class T>
void Quand(std::function<void(T*)> action)
{
    QuandFenetre<T>(std::move(action), TAutresFenetres::MessageEnEchec);
}

// The season of a row: its main window, the championship it works on, what
// the boxes said.
struct Banc
{
    TOwned<FenetreEssai> f;
    TDonneesChampionnat* c = nullptr;
    std::vector<std::string> dits;   // what each box said, in order
    std::string propose;             // the years the second league's window proposed

    Tf_Resultats& r() const { return *dynamic_cast<Tf_Resultats*>(f->Enfant); }
    // The results page of the championship, on matchday d.
    void Page(int d)
    {
        if (!dynamic_cast<Tf_Resultats*>(f->Enfant))
            Commande(*f, 13);
        r().TrackBar1->SetPosition(d);
        kit::Process();
    }
    // The next boxes answered so, their texts kept and their pictures taken.
    void Repond(std::vector<int> reponses, const std::string& nom)
    {
        for (int x : reponses)
            QuandFenetre<Tf_MessageUtil>([this, x, nom](Tf_MessageUtil* m) {
                dits.push_back(m->Label1->Caption());
                kit::GrabToPng(m, "saisi_" + nom + "_" + std::to_string(dits.size()));
                m->SetModalResult(x);
            });
    }
    // The options window of the championship, set by `regle` and validated.
    void Options(std::function<void(Tf_Option*)> regle)
    {
        Quand<Tf_Option>([regle](Tf_Option* o) {
            o->PageControl1->SetActivePage(o->ts_Avances);
            regle(o);
            kit::GrabToPng(o, "saisi_options");
            if (o->ModalResult() == mrNone)
                kit::Click(o->b_Valider);
            if (o->ModalResult() == mrNone)   // No: the window stays, and is left
                kit::Click(o->b_Annuler);
        });
        Commande(*f, 176);
        kit::Process(10);
    }
    // The teams of the list placed in the rows of matchday d, then the
    // scores typed row by row.
    void Joue(int d, const std::vector<std::pair<const char*, const char*>>& scores)
    {
        Page(d);
        for (size_t i = 0; i < 2 * scores.size(); ++i)
            ChoisitEquipe(r(), 0);
        for (size_t l = 0; l < scores.size(); ++l)
            Retape(r(), static_cast<int>(l), scores[l].first, scores[l].second);
    }
    // A date typed into the date box of row l, then the box left.
    void Date(int l, const std::string& chiffres)
    {
        TapeDans(r().Ligne(l).Date, chiffres);
        r().l_Equipe->SetFocus();
        kit::Process();
    }
    // The season's document, the shown page written first as the main
    // window writes it before a save.
    std::string Doc() const
    {
        if (dynamic_cast<Tf_Resultats*>(f->Enfant))
            r().EnregistrePage();
        return SansDate(Document(*f->Saison));
    }
    // The dates of matchday d and of its matches, "matchday / match, match...".
    std::string Dates(int d) const
    {
        Doc();
        auto texte = [](uint32_t x) { return x ? TGestionDate::DateVersTexte(x) : std::string("-"); };
        std::string s = texte(c->DateJournee(d)) + " /";
        for (int k = 0; c->Journee(d) && k < c->Journee(d)->NbMatchs(); ++k)
            s += " " + texte(c->Journee(d)->Match(k)->DateMatch());
        return s;
    }
    int Matchs(int d) const
    {
        Doc();
        return c->Journee(d) ? c->Journee(d)->NbMatchs() : 0;
    }
    // Every matchday in order, "date (its matches)" each.
    std::string Journees() const
    {
        Doc();
        std::string s;
        for (int d = 1; d <= c->Journees().Nombre(); ++d)
            s += (c->DateJournee(d) ? TGestionDate::DateVersTexte(c->DateJournee(d)) : std::string("-")) + " (" +
                 std::to_string(Matchs(d)) + ") ";
        return s;
    }
    // The matchday date box entered (its day taken first, as Tab gives it),
    // the date typed key by key over what it shows, then Tab; or its
    // calendar opened by a click on its arrow, walked by the keys and its day
    // taken with Enter.
    void DateJour(const std::string& date, const std::vector<WORD>& calendrier = {})
    {
        TDateTimePicker* d = r().bde_DateJour;
        d->SetFocus();
        kit::WaitUntil([d] { return d->Focused(); });
        if (!date.empty()) {
            kit::TypeKeys(nullptr, date);
            kit::PressKey(nullptr, VK_TAB);
        } else {
            kit::Click(d, d->Width() - 8, d->Height() / 2);
            for (WORD k : calendrier)
                kit::PressKey(nullptr, k);
            kit::PressKey(nullptr, VK_RETURN);
        }
        kit::Process();
    }
};

// A custom championship of four clubs "<prefixe> 1".."<prefixe> 4" made in
// the composition window, its years typed when given; the years its window
// proposed go to propose.
void Ligue(Tf_CreationSaison* c, const std::string& prefixe, const std::string& annees, std::string* propose)
{
    Quand<Tf_Creation>([=](Tf_Creation* d) {
        kit::Click(d->RondCoche2);
        TapeDans(d->Edit1, "4");
        *propose = d->MaskEdit1->Text();
        if (!annees.empty())
            TapeDans(d->MaskEdit1, annees);
        kit::Click(d->b_Valider);
    });
    Quand<Tf_SaisieEquipes>([=](Tf_SaisieEquipes* s) {
        for (size_t i = 0; i < s->Equipes.size(); ++i)
            TapeDans(s->Equipes[i], prefixe + " " + std::to_string(i + 1));
        kit::Click(s->b_Ok);
    });
    c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
    kit::Click(c->bc_CreeChamp);
    c->tv_Saison->EndEditing(false);
}

// The season of the row made through the creation windows: the leagues
// "Club" and "Autre", a cup of two-legged semi-finals and a final under
// their group when asked, then what `compose` makes; the championship
// worked on current.
void Cree(Banc& b, int sport, bool coupe, const std::string& langue, const std::string& nom,
          const std::function<void(Tf_CreationSaison*)>& compose)
{
    const std::string dir = Prepare("saisi_" + nom);
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", langue);
    b.f = LanceFenetre();
    Quand<Tf_ChoixLogiciel>([sport](Tf_ChoixLogiciel* c) {
        c->rc_Sport[sport]->SetChecked(true);
        kit::Click(c->b_Valider);
    });
    Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
        std::string premiere;
        Ligue(c, "Club", "2031/32", &premiere);
        Ligue(c, "Autre", "", &b.propose);
        if (coupe) {
            c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode()->getFirstChild());
            Quand<Tf_CreationCoupe>([](Tf_CreationCoupe* k) {
                TapeDans(k->e_NomCoupe, "Coupe");
                TapeDans(k->e_nTour, "2");
                k->NbMatch(2)->SetPosition(2);
                k->TypeMatch(2)->SetItemIndex(1);   // two legs
                kit::Click(k->b_Valider);
            });
            kit::Click(c->bc_CreeCoupe);
            c->tv_Saison->EndEditing(false);
        }
        if (compose)
            compose(c);
        kit::GrabToPng(c, "saisi_composition_" + nom);
        RepondBoite(mrOk);   // "saved"
        kit::Click(c->b_Valider);
    });
    ASSERT_TRUE(Commande(*b.f, 5));
    kit::Process(20);
    ASSERT_TRUE(b.f->Saison);
    for (TDonneesChampionnat* x : b.f->Saison->Arbre().ListeChampionnats())
        if (x->EstCoupe() == coupe && (!b.c || coupe))
            b.c = x;
    b.f->ChangeChampionnat(b.c->CodeChamp, nullptr);
    if (!coupe)
        return;
    // The cup's teams added through the list's menu, its semi-finals placed.
    b.Page(1);
    Quand<Tf_AjoutEquipeCoupe>([](Tf_AjoutEquipeCoupe* a) {
        for (int i = 0; i < 4; ++i) {
            a->cb_AjoutEquipe->SetItemIndex(0);
            kit::Click(a->b_Ajouter);
        }
        kit::Click(a->b_Continuer);
    });
    b.r().mi_AjoutEquipe->Click();
    kit::Process();
}

// Saved through the season file and opened again.
void SauveRouvre(Banc& b)
{
    if (ModifSaison == 0)
        ModifSaison = 1;   // written whatever was flagged: the file holds what the season holds
    RepondBoite(mrOk);     // "saved"
    Commande(*b.f, 7);
    kit::Process(10);
    kit::ForgetModalActions();
    const int code = b.c->CodeChamp;
    b.f->OpenFile(NomFichierCourant);
    kit::Process(10);
    b.f->ChangeChampionnat(code, nullptr);
    b.c = b.f->Saison->ChampionnatCourant();
}

struct CasSaisi
{
    const char* nom;
    int sport;
    bool coupe;
    std::function<void(Banc&)> prepare;
    std::vector<int> reponses;   // what the gesture's boxes get
    std::function<void(Banc&)> geste;
    std::function<void(Banc&, const std::string& avant)> attendu;
    const char* langue = "fr";
    std::function<void(Tf_CreationSaison*)> compose = nullptr;   // made after the leagues
};

class SaisiTelQuel : public ::testing::TestWithParam<CasSaisi>
{
};

// The matches of matchday 1 of the league dated 12 and 13 March 2031, one
// date per match.
void DatesTapees(Banc& b)
{
    b.Options([](Tf_Option* o) { kit::Click(o->cc_SaisieDateMatch); });
    b.Joue(1, {{"1", "0"}, {"2", "2"}});
    b.Date(0, "12032031");
    b.Date(1, "13032031");
    b.Joue(3, {{"0", "1"}});
}

// The 15th of a month other than today's, as typed: the box showing none
// takes today's month and year until they are typed over.
std::string DateAutreMois()
{
    int a = 0, m = 0, j = 0;
    DecodeDate(Date(), a, m, j);
    return m == 8 ? "15/09/2031" : "15/08/2031";
}

// The other league.
TDonneesChampionnat* Autre(Banc& b)
{
    for (TDonneesChampionnat* x : b.f->Saison->Arbre().ListeChampionnats())
        if (x != b.c && !x->EstCoupe())
            return x;
    return nullptr;
}

// The years the options window of a championship shows, as the user reads
// them; the window cancelled, the championship worked on current again.
std::string Annees(Banc& b, const TDonneesChampionnat* c)
{
    std::string lu;
    b.f->ChangeChampionnat(c->CodeChamp, nullptr);
    Quand<Tf_Option>([&](Tf_Option* o) {
        lu = o->MaskEdit1->Text();
        o->PageControl1->SetActivePage(o->ts_Avances);
        kit::GrabToPng(o, "saisi_annees_" + lu.substr(0, 4));
        kit::Click(o->b_Annuler);
    });
    Commande(*b.f, 176);
    kit::Process(10);
    b.f->ChangeChampionnat(b.c->CodeChamp, nullptr);
    return lu;
}

// A cup with its years, as a row checks it.
CasSaisi AnneesCoupe(const char* nom, const char* langue)
{
    return {nom, 0, true, [](Banc&) {}, {}, [](Banc&) {},
            [](Banc& b, const std::string&) { EXPECT_EQ(Annees(b, b.c), "2031/32"); }, langue};
}

// The semi-finals' first legs played 1-0 and 2-1.
void AllersJoues(Banc& b)
{
    for (int i = 0; i < 4; ++i)
        ChoisitEquipe(b.r(), 0);
    Retape(b.r(), 0, "1", "0");
    Retape(b.r(), 1, "2", "1");
}

// The cup played out with one date per match and its third-place match:
// the semi-finals over two legs, a second leg dated 12 March 2031, the final
// and the third-place match played.
void CoupeDateeJouee(Banc& b)
{
    b.Options([](Tf_Option* o) {
        kit::Click(o->cc_SaisieDateMatch);
        kit::Click(o->cc_PetiteFinale);
    });
    b.Page(1);
    AllersJoues(b);
    b.Page(2);
    Retape(b.r(), 0, "0", "0");
    Retape(b.r(), 1, "0", "0");
    b.Date(0, "12032031");
    b.Joue(3, {{"3", "1"}, {"2", "1"}});
}

// Both switched off at once: one question names the date and the played
// third-place match.
CasSaisi SansDatesNiTroisieme(const char* nom, int reponse, const char* langue)
{
    return {nom, 0, true, CoupeDateeJouee, {reponse},
            [](Banc& b) {
                b.Options([](Tf_Option* o) {
                    kit::Click(o->cc_SaisieDateMatch);
                    kit::Click(o->cc_PetiteFinale);
                });
            },
            [reponse](Banc& b, const std::string& avant) {
                ASSERT_EQ(b.dits.size(), 1u);
                EXPECT_NE(b.dits[0].find("12/03/2031"), std::string::npos) << b.dits[0];
                EXPECT_NE(b.dits[0].find(Traduire(3924)), std::string::npos) << b.dits[0];
                EXPECT_EQ(b.c->PetiteFinale, reponse == mrNo);
                EXPECT_EQ(b.Matchs(3), reponse == mrNo ? 2 : 1);
                EXPECT_EQ(b.Dates(2).find("12/03/2031") != std::string::npos, reponse == mrNo) << b.Dates(2);
                EXPECT_EQ(b.Doc() == avant, reponse == mrNo);
            },
            langue};
}

// The composition window opened from the results page of the cup played
// out and left by "Annuler" or "Valider"; then the third place switched off,
// "Oui": the third-place match goes and stays gone, and the composition
// window opens only when asked.
CasSaisi TroisiemeApresComposition(const char* nom, int sport, bool valide)
{
    return {nom, sport, true, CoupeDateeJouee, {mrYes},
            [valide](Banc& b) {
                Quand<Tf_CreationSaison>([valide](Tf_CreationSaison* c) {
                    kit::Click(valide ? c->b_Valider : c->b_Annuler);
                });
                Commande(*b.f, 193);
                kit::Process(10);
                b.Options([](Tf_Option* o) { kit::Click(o->cc_PetiteFinale); });
            },
            [](Banc& b, const std::string&) {
                ASSERT_EQ(b.dits.size(), 1u);
                EXPECT_NE(b.dits[0].find(Traduire(3924)), std::string::npos) << b.dits[0];
                EXPECT_FALSE(b.c->PetiteFinale);
                EXPECT_EQ(b.Matchs(3), 1);
            }};
}

// A cup made in the composition window follows no team, as a league made
// there: its options offer none, and validated keep none.
CasSaisi SansEquipeSuivie(const char* nom, int sport)
{
    return {nom, sport, true, [](Banc&) {}, {},
            [](Banc& b) { b.Options([](Tf_Option* o) { EXPECT_EQ(o->ComboBox1->ItemIndex(), 0); }); },
            [](Banc& b, const std::string&) { EXPECT_EQ(b.c->Option(10), TDonneesChampionnat::AucuneEquipeSuivie); }};
}

// The date day/month of this year ("01/<this month>" for month 0), as
// the date box shows it.
std::string CetteAnnee(int jour, int mois)
{
    int a = 0, m = 0, j = 0;
    DecodeDate(Date(), a, m, j);
    return TGestionDate::DateVersTexte(TGestionDate::EncodeDate(jour, mois ? mois : m, a));
}

// A click that takes the focus to the control.
void Clique(TWinControl* c)
{
    c->SetFocus();
    kit::WaitUntil([c] { return c->Focused(); });
    kit::Click(c);
}

// The matchday date box entered (its day taken first) and `touches` typed
// into it, nothing else.
void TapeDateJour(Banc& b, const std::string& touches)
{
    TDateTimePicker* d = b.r().bde_DateJour;
    d->SetFocus();
    kit::WaitUntil([d] { return d->Focused(); });
    kit::TypeKeys(nullptr, touches);
}

// One date per matchday and per match, matchday 1 played and undated: its
// date box, showing none, typed `touches` (then Escape when echap), then a
// click on a score box. The matchday and its rows hold what the box shows
// (jour/mois of this year, mois 0 this month), or nothing after Escape.
CasSaisi DateJourLaissee(const char* nom, int sport, const char* langue, const char* touches, int jour, int mois,
                         bool echap)
{
    return {nom, sport, false,
            [](Banc& b) {
                b.Options([](Tf_Option* o) {
                    kit::Click(o->cc_SaisieDateJour);
                    kit::Click(o->cc_SaisieDateMatch);
                });
                b.Joue(1, {{"1", "0"}, {"2", "2"}});
            },
            {},
            [=](Banc& b) {
                TapeDateJour(b, touches);
                if (echap)
                    kit::PressKey(nullptr, VK_ESCAPE);
                Clique(b.r().Ligne(0).ScoreDomicile);
            },
            [=](Banc& b, const std::string&) {
                const std::string vue = echap ? std::string() : CetteAnnee(jour, mois);
                EXPECT_EQ(b.r().bde_DateJour->Text(), vue);
                if (!echap)
                    EXPECT_EQ(b.r().Ligne(1).Date->GetText(), vue);
                EXPECT_EQ(b.Dates(1), (echap ? std::string("-") : vue) + " / - -");
            },
            langue};
}

// A league by dates, its six matchdays dated 1-6/09/2031, the first four
// played, the page on the fifth.
void SixDates(Banc& b)
{
    b.Options([](Tf_Option* o) { kit::Click(o->rc_date); });
    b.Page(1);
    for (int d = 1; d <= 6; ++d) {
        b.DateJour("0" + std::to_string(d) + "/09/2031");
        if (d <= 4) {
            b.Joue(d, {{"2", "1"}, {"1", "1"}});
            continue;
        }
        b.Page(d);
        for (int i = 0; i < 4; ++i)
            ChoisitEquipe(b.r(), 0);
    }
    b.Page(5);
}

// SixDates: a new date, whole or half, typed into the date box (then Tab
// when tab), and the page left with nothing entered on it, by the track bar
// one step back or by another view: the league keeps its six matchdays, in
// the file too.
CasSaisi DateLaissee(const char* nom, int sport, const char* langue, const char* date, bool tab, bool vue)
{
    return {nom, sport, false, SixDates, {},
            [=](Banc& b) {
                TapeDateJour(b, date);
                if (tab)
                    kit::PressKey(nullptr, VK_TAB);
                kit::Process();
                if (vue)
                    Commande(*b.f, 40);
                else
                    kit::PressKey(b.r().TrackBar1, VK_LEFT);
                kit::Process();
            },
            [](Banc& b, const std::string&) {
                const std::string six = "01/09/2031 (2) 02/09/2031 (2) 03/09/2031 (2) 04/09/2031 (2) 05/09/2031 (2) "
                                        "06/09/2031 (2) ";
                EXPECT_EQ(b.Journees(), six);
                EXPECT_EQ(b.c->NbJour(), 6);
                SauveRouvre(b);
                EXPECT_EQ(b.Journees(), six);
                EXPECT_EQ(b.c->NbJour(), 6);
            },
            langue};
}

INSTANTIATE_TEST_SUITE_P(
    WhatUsersMet, SaisiTelQuel,
    ::testing::Values(
        // One date per match: a date typed in the second row only. The first
        // match and the matchday have none.
        CasSaisi{"one_date_per_match_only_the_typed_one", 0, false,
                 [](Banc& b) { b.Options([](Tf_Option* o) { kit::Click(o->cc_SaisieDateMatch); }); }, {},
                 [](Banc& b) {
                     b.Joue(1, {{"1", "0"}, {"2", "2"}});
                     b.Date(1, "12032031");
                 },
                 [](Banc& b, const std::string&) { EXPECT_EQ(b.Dates(1), "- / - 12/03/2031"); }},
        // One date per match: a date typed over it that names no day is
        // refused with a word, the match keeping the one it had.
        CasSaisi{"one_date_per_match_a_date_that_is_no_day_is_refused", 0, false,
                 [](Banc& b) {
                     b.Options([](Tf_Option* o) { kit::Click(o->cc_SaisieDateMatch); });
                     b.Joue(1, {{"1", "0"}, {"2", "2"}});
                     b.Date(1, "12032031");
                 },
                 {},
                 [](Banc& b) {
                     kit::Refusals().clear();
                     b.Date(1, "52082024");
                     ASSERT_EQ(kit::Refusals().size(), 1u);
                     EXPECT_EQ(kit::Refusals()[0].reason, TraduireFormat(6150, {"52/08/2024"}));
                     EXPECT_EQ(b.r().Ligne(1).Date->GetText(), "12/03/2031");
                 },
                 [](Banc& b, const std::string&) { EXPECT_EQ(b.Dates(1), "- / - 12/03/2031"); }},
        // One date per matchday: the picker left alone, the matchday keeps none.
        CasSaisi{"one_date_per_matchday_none_picked", 2, false,
                 [](Banc& b) { b.Options([](Tf_Option* o) { kit::Click(o->cc_SaisieDateJour); }); }, {},
                 [](Banc& b) { b.Joue(1, {{"80", "75"}, {"66", "70"}}); },
                 [](Banc& b, const std::string&) { EXPECT_EQ(b.Dates(1), "- / - -"); }},
        // One date per matchday: a date typed with its slashes into the box
        // showing none is the matchday's, as typed; typed again over it with
        // a short year, the year within fifty years of today.
        CasSaisi{"one_date_per_matchday_typed_with_its_slashes", 0, false,
                 [](Banc& b) {
                     b.Options([](Tf_Option* o) { kit::Click(o->cc_SaisieDateJour); });
                     b.Joue(1, {{"1", "0"}, {"2", "2"}});
                 },
                 {},
                 [](Banc& b) {
                     for (const char* date : {"15/08/2026", "1/9/31"}) {
                         TapeDans(b.r().bde_DateJour, date);
                         b.r().l_Equipe->SetFocus();
                         kit::Process();
                         if (date[0] == '1' && date[1] == '5')
                             EXPECT_EQ(b.Dates(1), "15/08/2026 / - -");
                     }
                 },
                 [](Banc& b, const std::string&) { EXPECT_EQ(b.Dates(1), "01/09/2031 / - -"); }},
        // The second legs to play are shown on their matchday and written
        // only once a score is typed; moving through the cup writes nothing.
        CasSaisi{"second_legs_shown_written_once_typed", 3, true, AllersJoues, {},
                 [](Banc& b) {
                     const std::string avant = b.Doc();
                     SauveRouvre(b);
                     b.Page(2);
                     EXPECT_EQ(b.r().Ligne(0).Domicile->Text(), "Club 2");
                     EXPECT_EQ(b.r().Ligne(1).Exterieur->Text(), "Club 3");
                     b.Page(3);
                     b.Page(1);
                     EXPECT_EQ(ModifSaison, 0) << "showing the cup flagged it modified";
                     EXPECT_TRUE(b.Doc() == avant) << "showing the cup changed it";
                     b.Page(2);
                     Retape(b.r(), 1, "25", "25");
                 },
                 [](Banc& b, const std::string&) {
                     EXPECT_EQ(b.Matchs(2), 1);
                     EXPECT_EQ(ModifSaison, 1);
                 }},
        // One second leg played: the other stays shown to play when the
        // matchday is shown again.
        CasSaisi{"the_second_leg_left_to_play_stays_shown", 0, true, AllersJoues, {},
                 [](Banc& b) {
                     b.Page(2);
                     Retape(b.r(), 0, "1", "1");
                     b.Page(1);
                     b.Page(2);
                 },
                 [](Banc& b, const std::string&) {
                     EXPECT_EQ(b.Matchs(2), 1);
                     EXPECT_EQ(b.r().Ligne(1).Domicile->Text() + "-" + b.r().Ligne(1).Exterieur->Text(),
                               "Club 4-Club 3");
                 }},
        // "Compléter" on the second legs: both made, and said.
        CasSaisi{"complete_says_the_second_legs_made", 0, true, AllersJoues, {mrOk},
                 [](Banc& b) {
                     b.Page(2);
                     kit::Click(b.r().b_Completer);
                 },
                 [](Banc& b, const std::string&) {
                     EXPECT_EQ(b.Matchs(2), 2);
                     EXPECT_EQ(b.dits, (std::vector<std::string>{TraduireFormat(5580, {2, LibelleJournee(*b.c, 2)})}));
                 }},
        // "Compléter" on an empty league: no answer would add a match, so
        // nothing is asked; nothing to add is said, and nothing changed.
        CasSaisi{"complete_on_an_empty_league_says_nothing_to_add", 0, false, [](Banc& b) { b.Page(1); },
                 {mrOk}, [](Banc& b) { kit::Click(b.r().b_Completer); },
                 [](Banc& b, const std::string& avant) {
                     EXPECT_EQ(b.dits, (std::vector<std::string>{Traduire(5581)}));
                     EXPECT_TRUE(b.Doc() == avant);
                     EXPECT_EQ(ModifSaison, 0);
                 }},
        // A return leg whose team already plays its matchday (Club 1 - Club 3,
        // 2-0, on matchday 4): No fills the other matchdays only, never
        // replacing a match.
        CasSaisi{"complete_never_replaces_a_played_match", 2, false,
                 [](Banc& b) {
                     b.Joue(1, {{"70", "60"}, {"55", "50"}});
                     b.Page(4);
                     ChoisitEquipe(b.r(), 0);
                     ChoisitEquipe(b.r(), 1);
                     Retape(b.r(), 0, "2", "0");
                 },
                 {mrNo, mrOk}, [](Banc& b) { kit::Click(b.r().b_Completer); },
                 [](Banc& b, const std::string& avant) {
                     EXPECT_EQ(b.dits.back(), Traduire(5581));
                     EXPECT_EQ(b.r().Ligne(0).Domicile->Text() + " " + b.r().Ligne(0).ScoreDomicile->Text() + "-" +
                                   b.r().Ligne(0).ScoreExterieur->Text() + " " + b.r().Ligne(0).Exterieur->Text(),
                               "Club 1 2-0 Club 3");
                     EXPECT_TRUE(b.Doc() == avant);
                 }},
        // Answered No (each return leg on the matchday of the same rank) on
        // a matchday of the second half, in English: the return legs of the
        // first, named, shown on their matchday.
        CasSaisi{"complete_no_names_the_return_legs_made_english", 3, false,
                 [](Banc& b) {
                     b.Joue(1, {{"30", "28"}, {"25", "25"}});
                     b.Page(4);
                 },
                 {mrNo, mrOk}, [](Banc& b) { kit::Click(b.r().b_Completer); },
                 [](Banc& b, const std::string&) {
                     EXPECT_EQ(b.dits.back(), TraduireFormat(5580, {2, LibelleJournee(*b.c, 4)}));
                     EXPECT_NE(b.dits.back().find("2 matches added"), std::string::npos) << b.dits.back();
                     b.Page(4);
                     EXPECT_EQ(b.r().Ligne(0).Domicile->Text(), "Club 2");
                     EXPECT_EQ(b.r().Ligne(1).Exterieur->Text(), "Club 3");
                 },
                 "en"},
        // Answered Yes: the return legs shifted by one matchday, the last
        // matchday taking the first's.
        CasSaisi{"complete_yes_shifts_the_return_legs", 3, false,
                 [](Banc& b) {
                     b.Joue(1, {{"30", "28"}, {"25", "25"}});
                     b.Page(4);
                 },
                 {mrYes, mrOk}, [](Banc& b) { kit::Click(b.r().b_Completer); },
                 [](Banc& b, const std::string&) {
                     EXPECT_EQ(b.dits.front(), QuestionRetours(*b.c));
                     b.Page(6);
                     EXPECT_EQ(b.r().Ligne(0).Domicile->Text(), "Club 2");
                     EXPECT_EQ(b.r().Ligne(1).Exterieur->Text(), "Club 3");
                 }},
        // Answered Cancel: nothing is added.
        CasSaisi{"complete_cancel_adds_nothing", 3, false,
                 [](Banc& b) {
                     b.Joue(1, {{"30", "28"}, {"25", "25"}});
                     b.Page(4);
                 },
                 {mrCancel}, [](Banc& b) { kit::Click(b.r().b_Completer); },
                 [](Banc& b, const std::string& avant) {
                     EXPECT_EQ(b.dits, std::vector<std::string>{QuestionRetours(*b.c)});
                     EXPECT_TRUE(b.Doc() == avant) << "the season changed";
                     EXPECT_EQ(ModifSaison, 0);
                 }},
        // A cup made in the composition window of a new season, a second
        // championship (its window proposed them) and a play-off of the
        // league's division have the years typed for the league.
        AnneesCoupe("a_cup_made_with_its_season_has_its_years", "fr"),
        AnneesCoupe("a_cup_made_with_its_season_has_its_years_english", "en"),
        CasSaisi{"a_second_championship_is_proposed_the_season_years", 0, false, [](Banc&) {}, {}, [](Banc&) {},
                 [](Banc& b, const std::string&) {
                     EXPECT_EQ(b.propose, "2031/32");
                     EXPECT_EQ(Annees(b, Autre(b)), "2031/32");
                 }},
        CasSaisi{"a_play_off_made_with_its_season_has_its_years", 0, false, [](Banc&) {}, {}, [](Banc&) {},
                 [](Banc& b, const std::string&) {
                     ASSERT_EQ(b.f->Saison->Arbre().ListeBarrages().size(), 1u);
                     const TDonneesBarrage* p = b.f->Saison->Arbre().ListeBarrages().front();
                     EXPECT_EQ(std::make_pair(p->Option(8), p->Option(9)), std::make_pair(uint8_t{131}, uint8_t{32}));
                 },
                 "fr",
                 [](Tf_CreationSaison* c) {
                     c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode()->getFirstChild()->getFirstChild());
                     Quand<Tf_Barrage>([](Tf_Barrage* p) {
                         ASSERT_FALSE(p->Lignes.empty());
                         TapeDans(p->Lignes.back().Texte, "1-2");
                         kit::Click(p->b_Valider);
                     });
                     kit::Click(c->bc_Barrage);
                     c->tv_Saison->EndEditing(false);
                 }},
        SansEquipeSuivie("a_cup_made_with_its_season_follows_no_team", 0),
        SansEquipeSuivie("a_cup_made_with_its_season_follows_no_team_rugby", 1),
        SansEquipeSuivie("a_cup_made_with_its_season_follows_no_team_basketball", 2),
        SansEquipeSuivie("a_cup_made_with_its_season_follows_no_team_handball", 3),
        TroisiemeApresComposition("third_place_off_after_the_composition_cancelled", 0, false),
        TroisiemeApresComposition("third_place_off_after_the_composition_validated_rugby", 1, true),
        TroisiemeApresComposition("third_place_off_after_the_composition_cancelled_basketball", 2, false),
        TroisiemeApresComposition("third_place_off_after_the_composition_validated_handball", 3, true),
        SansDatesNiTroisieme("dates_and_third_place_off_at_once_no_changes_nothing", mrNo, "fr"),
        SansDatesNiTroisieme("dates_and_third_place_off_at_once_yes_one_question_english", mrYes, "en"),
        // Turning to the date system with dated matches: one question names
        // them; No changes nothing.
        CasSaisi{"by_date_no_keeps_the_match_dates", 0, false, DatesTapees, {mrNo},
                 [](Banc& b) { b.Options([](Tf_Option* o) { kit::Click(o->rc_date); }); },
                 [](Banc& b, const std::string& avant) {
                     ASSERT_EQ(b.dits.size(), 1u);
                     EXPECT_NE(b.dits[0].find("12/03/2031"), std::string::npos) << b.dits[0];
                     EXPECT_NE(b.dits[0].find("Club 3 - Club 4, le 13/03/2031"), std::string::npos) << b.dits[0];
                     EXPECT_EQ(b.c->Option(11), 4);
                     EXPECT_TRUE(b.Doc() == avant);
                     EXPECT_EQ(ModifSaison, 0);
                 }},
        // Yes: the matches take their matchday's date (none), the matchdays
        // keep their order, as the file gives them back.
        CasSaisi{"by_date_yes_drops_the_match_dates", 0, false, DatesTapees, {mrYes},
                 [](Banc& b) { b.Options([](Tf_Option* o) { kit::Click(o->rc_date); }); },
                 [](Banc& b, const std::string&) {
                     EXPECT_EQ(b.dits.size(), 1u);
                     EXPECT_EQ(b.c->Option(11), 8);
                     EXPECT_EQ(b.Dates(1), "- / - -");
                     EXPECT_EQ(b.c->ValeurMatch(1, 2), 1);   // matchday 1 first, 1-0
                     EXPECT_EQ(b.c->ValeurMatch(2, 2), 0);   // then matchday 3, 0-1
                 }},
        // Turned to the date system, Yes: its matchdays have no date, and each
        // is named by its number, on the page as the track bar walks them and
        // in its printed title.
        CasSaisi{"by_date_an_undated_matchday_is_named_by_its_number_english", 0, false, DatesTapees, {mrYes},
                 [](Banc& b) { b.Options([](Tf_Option* o) { kit::Click(o->rc_date); }); },
                 [](Banc& b, const std::string&) {
                     for (int d : {1, 2, 1, 2}) {
                         b.Page(d);
                         const std::string nom = "Matchday " + std::to_string(d);
                         EXPECT_EQ(b.r().Label1->Caption(), nom);
                         EXPECT_EQ(TitresJournee(*b.f->Saison).Titre, nom);
                         EXPECT_NE(FonctionScore(TStringList(), b.f->Saison.get()).find("> " + nom + "<"),
                                   std::string::npos);
                     }
                 },
                 "en"},
        // By dates, a date typed key by key into the empty matchday date box,
        // then Tab: the page goes from date to date as the keys give one
        // (15/<today's month>, ...), and none of those the typing passed by
        // stays a matchday; the typed one holds the match then entered. The
        // same for a date typed over the one shown (20/08 on the way to 20/09).
        CasSaisi{"by_date_a_typed_date_leaves_no_matchday_of_the_keys_on_the_way", 0, false,
                 [](Banc& b) {
                     b.Joue(1, {{"2", "1"}});
                     b.Options([](Tf_Option* o) { kit::Click(o->rc_date); });
                 },
                 {},
                 [](Banc& b) {
                     b.DateJour(DateAutreMois());
                     b.Joue(2, {{"1", "1"}});
                     b.DateJour("20/09/2031");
                     b.Joue(3, {{"0", "3"}});
                 },
                 [](Banc& b, const std::string&) {
                     const std::string attendu = "- (1) " + DateAutreMois() + " (1) 20/09/2031 (1) ";
                     EXPECT_EQ(b.Journees(), attendu);
                     EXPECT_EQ(b.r().TrackBar1->Max(), 3);
                     SauveRouvre(b);
                     EXPECT_EQ(b.Journees(), attendu);
                 }},
        // By dates, a date picked in the calendar (walked there by its keys),
        // then another before anything was entered on it: the first one
        // leaves no matchday; nor does the last date, left empty for the
        // first by the track bar.
        CasSaisi{"by_date_a_date_picked_then_another_leaves_no_matchday", 0, false,
                 [](Banc& b) {
                     b.Options([](Tf_Option* o) { kit::Click(o->rc_date); });
                     b.Page(1);
                     b.DateJour("01/08/2031");
                     b.Joue(1, {{"2", "1"}});
                 },
                 {},
                 [](Banc& b) {
                     b.DateJour("", {VK_DOWN, VK_DOWN, VK_DOWN, VK_LEFT, VK_LEFT});   // 20/08
                     EXPECT_EQ(b.r().Label1->Caption(), "Matchs du 20/08/2031");
                     b.DateJour("", {VK_NEXT});                                        // 20/09
                     b.Joue(2, {{"1", "1"}});
                     b.DateJour("", {VK_RIGHT, VK_RIGHT});                             // 22/09
                     b.Page(1);
                 },
                 [](Banc& b, const std::string&) {
                     EXPECT_EQ(b.Journees(), "01/08/2031 (1) 20/09/2031 (1) ");
                     EXPECT_EQ(b.r().TrackBar1->Max(), 2);
                     SauveRouvre(b);
                     EXPECT_EQ(b.Journees(), "01/08/2031 (1) 20/09/2031 (1) ");
                 }},
        // A date half typed into the matchday date box showing none, then a
        // click elsewhere: the matchday, its rows and the file hold the date
        // the box shows ("151": 15 January; "1": the 1st of this month);
        // Escape first gives back the box as it was, holding none.
        DateJourLaissee("a_half_typed_matchday_date_is_the_one_shown", 0, "fr", "151", 15, 1, false),
        DateJourLaissee("a_half_typed_matchday_date_escaped_is_none_english", 1, "en", "151", 15, 1, true),
        DateJourLaissee("one_digit_typed_is_the_day_shown_english", 2, "en", "1", 1, 0, false),
        DateJourLaissee("one_digit_typed_then_escaped_is_none", 3, "fr", "1", 1, 0, true),
        // By dates, a new date typed and left with nothing entered on it,
        // whatever takes it (the track bar, Tab) and whatever leaves it (the
        // track bar, another view): no matchday is left of it, nor counted.
        DateLaissee("by_date_a_new_date_left_by_the_track_bar_leaves_none", 0, "fr", "25/09/2031", false, false),
        DateLaissee("by_date_half_a_new_date_tabbed_then_left_leaves_none_english", 1, "en", "25", true, false),
        DateLaissee("by_date_a_day_and_month_typed_then_left_leaves_none", 2, "fr", "2509", false, false),
        DateLaissee("by_date_a_short_year_tabbed_then_left_leaves_none_english", 3, "en", "25/10/31", true, false),
        DateLaissee("by_date_a_new_date_left_for_another_view_leaves_none", 0, "en", "20/09/2031", true, true),
        DateLaissee("by_date_a_new_date_still_typed_as_another_view_is_chosen_leaves_none", 3, "fr", "25/09/2031", false,
                    true),
        // By dates, a new date taken by Tab, then the file opened again and
        // the changes saved: the date, shown with nothing entered, is left
        // and not saved.
        CasSaisi{"by_date_a_new_date_shown_as_the_file_is_opened_again_is_not_saved", 2, false, SixDates, {mrOk},
                 [](Banc& b) {
                     TapeDateJour(b, "25/09/2031");
                     kit::PressKey(nullptr, VK_TAB);
                     kit::Process();
                     EXPECT_EQ(b.r().Label1->Caption(), "Matchs du 25/09/2031");
                     b.f->Messages.clear();
                     b.f->Reponses = {mrYes};   // the changes saved
                     const int code = b.c->CodeChamp;
                     b.f->OpenFile(NomFichierCourant);
                     kit::Process(10);
                     b.f->ChangeChampionnat(code, nullptr);
                     b.c = b.f->Saison->ChampionnatCourant();
                 },
                 [](Banc& b, const std::string&) {
                     EXPECT_EQ(b.f->Messages.size(), 1u) << "the save asked first";
                     EXPECT_EQ(b.Journees(), "01/09/2031 (2) 02/09/2031 (2) 03/09/2031 (2) 04/09/2031 (2) "
                                             "05/09/2031 (2) 06/09/2031 (2) ");
                     EXPECT_EQ(b.c->NbJour(), 6);
                 }},
        // By dates, a new date taken by Tab, then "Enregistrer": the page
        // keeps showing it, the file holds no matchday of it; once left, the
        // season holds none either.
        CasSaisi{"by_date_a_new_date_shown_as_the_season_is_saved_is_not_in_the_file_english", 1, false, SixDates, {},
                 [](Banc& b) {
                     TapeDateJour(b, "25/09/2031");
                     kit::PressKey(nullptr, VK_TAB);
                     kit::Process();
                     RepondBoite(mrOk);   // "saved"
                     Commande(*b.f, 7);
                     kit::Process(10);
                 },
                 [](Banc& b, const std::string&) {
                     EXPECT_EQ(b.r().Label1->Caption(), "Matches of 25/09/2031");
                     uint8_t etat = 0;
                     auto relu = TTraiteurFichier::Charger(NomFichierCourant, "", "", nullptr, TousSports, etat, true);
                     ASSERT_TRUE(relu);
                     int jours = -1;
                     for (TDonneesChampionnat* x : relu->Arbre().ListeChampionnats())
                         if (x->CodeChamp == b.c->CodeChamp)
                             jours = x->NbJour();
                     EXPECT_EQ(jours, 6);
                     kit::PressKey(b.r().TrackBar1, VK_LEFT);
                     EXPECT_EQ(b.c->NbJour(), 6);
                 },
                 "en"},
        // A short year typed over a filled match date box is read as in an
        // empty one: the year within fifty years of today, no word.
        CasSaisi{"a_short_year_reads_alike_over_a_filled_match_date_or_an_empty_one", 0, false,
                 [](Banc& b) {
                     b.Options([](Tf_Option* o) { kit::Click(o->cc_SaisieDateMatch); });
                     b.Joue(1, {{"1", "0"}, {"2", "2"}});
                     b.Date(0, "12032031");
                 },
                 {},
                 [](Banc& b) {
                     kit::Refusals().clear();
                     b.Date(0, "170826");
                     b.Date(1, "240826");
                     EXPECT_TRUE(kit::Refusals().empty());
                     EXPECT_EQ(b.r().Ligne(0).Date->GetText(), "17/08/2026");
                 },
                 [](Banc& b, const std::string&) { EXPECT_EQ(b.Dates(1), "- / 17/08/2026 24/08/2026"); }},
        // A date refused over one typed on a new match and not yet written:
        // the box gives back the one typed before, which the match keeps.
        CasSaisi{"a_refused_date_gives_back_the_one_typed_before_it", 1, false,
                 [](Banc& b) {
                     b.Options([](Tf_Option* o) { kit::Click(o->cc_SaisieDateMatch); });
                     b.Joue(1, {{"10", "3"}});
                 },
                 {},
                 [](Banc& b) {
                     b.Joue(2, {{"7", "7"}});
                     b.Date(0, "12032031");
                     b.Date(0, "12032908");
                     EXPECT_EQ(b.r().Ligne(0).Date->GetText(), "12/03/2031");
                 },
                 [](Banc& b, const std::string&) { EXPECT_EQ(b.Dates(2), "- / 12/03/2031"); }},
        // A year no season can have, typed into the matchday box or over the
        // year of a match's, is refused with a word; both keep their dates.
        CasSaisi{"a_year_no_season_has_is_refused_with_a_word_english", 2, false,
                 [](Banc& b) {
                     b.Options([](Tf_Option* o) {
                         kit::Click(o->cc_SaisieDateJour);
                         kit::Click(o->cc_SaisieDateMatch);
                     });
                     b.Joue(1, {{"80", "75"}, {"66", "70"}});
                     b.DateJour("15/08/2026");
                     b.Date(0, "12032031");
                 },
                 {},
                 [](Banc& b) {
                     kit::Refusals().clear();
                     TapeDateJour(b, "15089082");
                     const std::string jour = b.r().bde_DateJour->Text();
                     Clique(b.r().Ligne(1).ScoreDomicile);
                     b.Date(0, "12032908");
                     ASSERT_EQ(kit::Refusals().size(), 2u);
                     EXPECT_EQ(kit::Refusals()[0].reason, TraduireFormat(6200, {jour, 1900, 2155}));
                     EXPECT_EQ(kit::Refusals()[1].reason, TraduireFormat(6202, {"12/03/2908", 1900, 2155}));
                     EXPECT_EQ(b.r().bde_DateJour->Text(), "15/08/2026");
                     EXPECT_EQ(b.r().Ligne(0).Date->GetText(), "12/03/2031");
                 },
                 [](Banc& b, const std::string& avant) { EXPECT_TRUE(b.Doc() == avant) << b.Dates(1); }},
        // The date of each match applied to every championship from the
        // other league, where it is off: the first league's dates are named;
        // No applies nothing.
        CasSaisi{"apply_to_all_names_the_match_dates_no_keeps_them", 0, false, DatesTapees, {mrNo},
                 [](Banc& b) {
                     b.f->ChangeChampionnat(Autre(b)->CodeChamp, nullptr);
                     b.Options([](Tf_Option* o) {
                         kit::Click(o->cc_SaisieDateJour);
                         Quand<Tf_AppliquerOptions>([](Tf_AppliquerOptions* a) {
                             a->clb_ChoixOptions->SetChecked(7, true);
                             a->clb_ChoixOptions->SetChecked(8, true);
                             kit::Click(a->b_Valider);
                         });
                         kit::Click(o->b_Defaut);
                         kit::Click(o->b_Annuler);
                     });
                     b.f->ChangeChampionnat(b.c->CodeChamp, nullptr);
                 },
                 [](Banc& b, const std::string& avant) {
                     ASSERT_EQ(b.dits.size(), 1u);
                     EXPECT_NE(b.dits[0].find("Club 1 - Club 2, le 12/03/2031"), std::string::npos) << b.dits[0];
                     EXPECT_EQ(b.c->Option(11), 4);
                     EXPECT_EQ(Autre(b)->Option(11), 0);
                     EXPECT_TRUE(b.Doc() == avant);
                 }}),
    [](const ::testing::TestParamInfo<CasSaisi>& i) { return std::string(i.param.nom); });

TEST_P(SaisiTelQuel, WhatWasEnteredAndNothingElse)
{
    const CasSaisi& k = GetParam();
    Banc b;
    Cree(b, k.sport, k.coupe, k.langue, k.nom, k.compose);
    ASSERT_FALSE(HasFailure());
    k.prepare(b);
    ASSERT_EQ(kit::ForgetModalActions(), 0u);
    ASSERT_FALSE(HasFailure());
    const std::string avant = b.Doc();
    ModifSaison = 0;
    b.dits.clear();
    b.Repond(k.reponses, k.nom);
    k.geste(b);
    kit::Process();
    EXPECT_EQ(kit::ForgetModalActions(), 0u) << "an answer was not asked for";
    EXPECT_EQ(b.dits.size(), k.reponses.size());
    kit::GrabToPng(b.f.get(), std::string("saisi_") + k.nom);
    k.attendu(b, avant);
    // The file gives back what the season holds, and showing the results
    // page again changes nothing.
    const std::string apres = b.Doc();
    SauveRouvre(b);
    ASSERT_TRUE(b.f->Saison);
    EXPECT_TRUE(b.Doc() == apres) << "reopened otherwise";
    const int courante = b.c->NbJournee;
    b.Page(courante == 1 ? 2 : 1);
    b.Page(courante);
    EXPECT_EQ(ModifSaison, 0) << "showing the page flagged it modified";
    EXPECT_TRUE(b.Doc() == apres) << "showing the page changed it";
    TermineFenetre(b.f);
}

}  // namespace
