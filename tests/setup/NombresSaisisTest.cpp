// Every number and year box stores what it shows when its window takes it,
// or refuses it with a word, the window staying open on the box and nothing
// changed. One row per box and road, in each sport where the box exists, on
// a season made through the creation windows (a player of the first club
// added to it, 12 caps, shirt 7, born in 1990) and driven by keys and clicks:
// the box entered by Tab (its text selected) and typed over or pasted into,
// then the road out (Enter, the window's button, another match or view).
// Each row checks what was said, what the season holds, and again once the
// season is saved and reopened. Two sports in French, two in English.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/Personnels.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/rtl/IniFiles.h"
#include "records/w_Effectifs.h"
#include "records/w_FicheClub.h"
#include "records/w_FicheEntraineur.h"
#include "records/w_FicheJoueur.h"
#include "records/w_ajouthist.h"
#include "results/Carton.h"
#include "results/PagesMatch.h"
#include "results/w_ButeursRugby.h"
#include "results/w_InfoMatchCadre.h"
#include "setup/w_Option.h"
#include "tests/setup/CreationEssai.h"
#include "tests/setup/NouvelleSaisonEssai.h"
#include "tests/setup/TableEssai.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "views/w_Prevision.h"

using namespace essai;

namespace {

struct TBanc
{
    TOwned<FenetreEssai> f;
    std::vector<std::string> dits;   // what the boxes said
    std::string attendu;             // the words a refusal of the row says
    TWinControl* boite = nullptr;    // the box refused
    bool restee = false;             // its window stayed open on the box
};

std::string Bornes(int a, int b) { return TraduireFormat(5003, {a, b}); }

// The box entered by Tab (its text selected, its page shown), then emptied,
// typed over or pasted into.
void Tape(TWinControl* boite, const std::string& texte, bool colle = false)
{
    for (TWinControl* p = boite->Parent(); p; p = p->Parent())
        if (auto* t = dynamic_cast<TTabSheet*>(p))
            t->PageControl()->SetActivePage(t);
    kit::Type(boite, "");
    if (texte.empty())
        kit::PressKey(nullptr, VK_DELETE);
    else if (colle)
        kit::Paste(nullptr, texte);
    else
        kit::TypeKeys(nullptr, texte);
}

// A refusal: answered, its words and the box focused kept.
void Refus(TBanc& b, TWinControl* boite, const std::string& attendu)
{
    b.attendu = attendu;
    b.boite = boite;
    RepondBoite(mrOk, &b.dits);
}

// Its window left open on the box, focused.
bool Restee(const TBanc& b, const TForm* f) { return f->ModalResult() == mrNone && b.boite && b.boite->Focused(); }

// The options of the command on the box, typed, then Enter or the button;
// refused, the window is left by Annuler.
std::function<void(TBanc&)> Options(int commande, const char* nom, std::string texte, bool entree, bool colle,
                                    std::string refus)
{
    return [=](TBanc& b) {
        Quand<Tf_Option>([&](Tf_Option* o) {
            auto* boite = kit::Find<TWinControl>(o, nom);
            ASSERT_NE(boite, nullptr);
            // a tab at the end: the box left by Tab first
            const bool tab = !texte.empty() && texte.back() == '\t';
            Tape(boite, tab ? texte.substr(0, texte.size() - 1) : texte, colle);
            if (tab) {
                kit::PressKey(nullptr, VK_TAB);
                kit::Process();
            }
            if (!refus.empty())
                Refus(b, boite, refus);
            if (entree)
                kit::PressKey(nullptr, VK_RETURN);
            else
                kit::Click(o->b_Valider);
            kit::Process();
            b.restee = Restee(b, o);
            if (o->ModalResult() == mrNone)
                kit::Click(o->b_Annuler);
        });
        Commande(*b.f, commande);
    };
}

TJoueur* Essai(TSaison& s) { return s.Joueurs().ChercheJoueurNom("Essai", "Joueur"); }

// The card of the player, from the squads' row of his name: the gesture,
// then Valider; refused, the card is left by Annuler.
std::function<void(TBanc&)> Fiche(std::function<void(Tf_FicheJoueur*, TBanc&)> geste)
{
    return [=](TBanc& b) {
        Quand<Tf_FicheJoueur>([&](Tf_FicheJoueur* f) {
            geste(f, b);
            kit::Click(f->b_Valider);
            kit::Process();
            if (b.boite && b.boite->Owner() == f)
                b.restee = Restee(b, f);
            if (f->ModalResult() == mrNone)
                kit::Click(f->b_Annuler);
        });
        Commande(*b.f, 147);
        auto* e = dynamic_cast<Tf_Effectifs*>(b.f->Enfant);
        ASSERT_NE(e, nullptr);
        const int equipe = b.f->Saison->ChampionnatCourant()->IdEquipe(0);
        for (int i = 0; i < e->l_Equipe->Items().Count(); ++i)
            if (Tf_Effectifs::IdEntree(e->l_Equipe->Items()[i]) == equipe)
                kit::Click(e->l_Equipe, 20, e->l_Equipe->ItemRect(i).Top + 3);
        TColorStringGrid* g = e->sg_TableauEquipe;
        for (int k = 1; k < g->RowCount(); ++k)
            if (g->Cells(2, k).find("Essai") != std::string::npos) {
                const TRect c = g->CellRect(2, k);
                kit::DblClick(g, c.Left + 5, c.Top + 5);
                break;
            }
        kit::ForgetModalActions();
    };
}

std::function<void(Tf_FicheJoueur*, TBanc&)> Boite(TEdit* Tf_FicheJoueur::*boite, std::string texte, std::string refus)
{
    return [=](Tf_FicheJoueur* f, TBanc& b) {
        TEdit* e = f->*boite;
        Tape(e, texte);
        kit::PressKey(nullptr, VK_TAB);
        if (!refus.empty())
            Refus(b, e, refus);
    };
}

// The scorers page on the first match of matchday 1, the header box typed,
// then each road in turn with the text given for it (Suivant: the up-down to
// the next match; Vue: the results page).
enum TRoute { Suivant, Vue };
std::function<void(TBanc&)> Feuille(const char* nom, std::vector<std::pair<std::string, TRoute>> saisies,
                                    std::string refus)
{
    return [=](TBanc& b) {
        ASSERT_TRUE(Commande(*b.f, 14));
        auto* p = dynamic_cast<Tf_InfoMatchCadreBase*>(b.f->Enfant);
        ASSERT_NE(p, nullptr);
        auto* boite = kit::Find<TEdit>(p, nom);
        ASSERT_NE(boite, nullptr);
        for (size_t k = 0; k < saisies.size(); ++k) {
            const bool dernier = k + 1 == saisies.size();
            Tape(boite, saisies[k].first);
            if (!dernier)
                Refus(b, boite, refus);
            if (saisies[k].second == Suivant)
                p->UpDown1->ClickButton(btNext);
            else
                Commande(*b.f, 13);
            kit::Process();
            if (!dernier) {
                ASSERT_EQ(b.f->Enfant, p) << saisies[k].first << ": the page stays";
                b.restee = p->MatchCourant == 1 && boite->Focused() && boite->Text() == saisies[k].first;
            }
        }
    };
}

// A new coach of the first club's card (its team asked first), named, his
// birth year typed in turn, each followed by Valider; refused, the card is
// left by Annuler. The club's card is left by Annuler: what its own
// dialogs made stays.
std::function<void(TBanc&)> Entraineur(std::vector<std::string> annees)
{
    return [=](TBanc& b) {
        kit::WhenModal([&b, annees](TForm* m) {
            Quand<Tf_FicheClub>([&b, annees](Tf_FicheClub* k) {
                Quand<Tf_FicheEntraineur>([&b, annees](Tf_FicheEntraineur* e) {
                    kit::Type(e->c_Personne->e_Nom, "Essai");
                    kit::Type(e->c_Personne->e_Prenom, "Coach");
                    int restees = 0;
                    for (const std::string& annee : annees) {
                        Tape(e->c_Personne->e_Age, annee);
                        if (&annee != &annees.back())
                            Refus(b, e->c_Personne->e_Age, TraduireFormat(3308, {annee}));
                        kit::Click(e->b_Valider);
                        kit::Process();
                        restees += &annee != &annees.back() && Restee(b, e);
                    }
                    b.restee = restees + 1 == static_cast<int>(annees.size()) && e->ModalResult() == mrOk;
                    if (e->ModalResult() == mrNone)
                        kit::Click(e->b_Annuler);
                });
                kit::Click(k->b_CreeEntr);
                kit::Click(k->b_Annuler);
            });
            for (int i = 0; i < m->ComponentCount(); ++i)
                if (auto* c = dynamic_cast<TCarreCoche*>(m->Components(i)))
                    c->SetChecked(c->Tag == 0);
            m->SetModalResult(mrOk);
        });
        Commande(*b.f, 131);
    };
}

// The rugby scorers page on the first match: a home entry dropped with Ctrl
// on the first conversion box, the count dialog typed in turn, each followed
// by Enter; then the results page.
std::function<void(TBanc&)> Compte(std::vector<std::string> comptes)
{
    return [=](TBanc& b) {
        ASSERT_TRUE(Commande(*b.f, 14));
        auto* p = dynamic_cast<Tf_ButeursRugby*>(b.f->Enfant);
        ASSERT_NE(p, nullptr);
        auto* ligne = dynamic_cast<TWinControl*>(p->Fond(1, 1)->Controle(0));
        ASSERT_NE(ligne, nullptr);
        TListe* l = p->Liste(1);
        const int i = l->Items().Count() - 1;
        l->SetItemIndex(i);
        Quand<Tf_ChoixNombre>([&b, comptes](Tf_ChoixNombre* d) {
            int restees = 0;
            for (const std::string& n : comptes) {
                Tape(d->e_Nombre, n);
                if (&n != &comptes.back())
                    Refus(b, d->e_Nombre, Bornes(0, Tf_ChoixNombre::NombreMax));
                kit::PressKey(nullptr, VK_RETURN);
                kit::Process();
                restees += &n != &comptes.back() && Restee(b, d);
            }
            b.restee = restees + 1 == static_cast<int>(comptes.size()) && d->ModalResult() == mrOk;
        });
        const TRect r = l->ItemRect(i);
        kit::Drag(l, {r.Left + 20, r.Top + 3}, ligne->Controls(0), {10, 10}, ssCtrl);
        Commande(*b.f, 13);
    };
}

struct TRangee
{
    const char* nom;
    unsigned sports;   // bit s: the box exists in sport s
    std::function<void(TBanc&)> geste;
    int refus;                                 // how many words are said
    std::function<int(TSaison&)> lu;           // what the season holds of the box
    int attendu;                               // Avant: what it held before the row
};

constexpr int Avant = INT_MIN;

constexpr unsigned Tous = 15, Foot = 1, Rugby = 2, Bonus = 1 | 2 | 8;

int Annees(TSaison& s) { return s.ChampionnatCourant()->Option(8) * 100 + s.ChampionnatCourant()->Option(9); }

// Built once the interface's language is read (the words are its own).
std::vector<TRangee> Rangees()
{
    const std::string chiffres = Traduire(5002);
    auto saison = [](const char* montre) { return TraduireFormat(6220, {std::string(montre)}); };
    auto bonus = [](int32_t TDonneesChampionnat::*champ) {
        return [champ](TSaison& s) { return s.ChampionnatCourant()->*champ; };
    };
    return {
    // The creation proposes the current years; "2031/32" is typed below first.
    {"years 2031/32, Enter", Tous, Options(176, "MaskEdit1", "203132", true, false, ""), 0, Annees, 13132},
    {"years emptied, 202, Enter", Tous, Options(176, "MaskEdit1", "202", true, false, saison("202_/__")), 1, Annees, 13132},
    {"years 2026/2, Valider", Tous, Options(176, "MaskEdit1", "20262", false, false, saison("2026/2_")), 1, Annees, 13132},
    {"years 2026/2, Tab, Valider", Tous, Options(176, "MaskEdit1", "20262\t", false, false, saison("2026/2_")), 1, Annees,
     13132},
    {"bonus 7 pts pasted", Bonus, Options(226, "e_nButBonus", "7 pts", false, true, chiffres), 1,
     bonus(&TDonneesChampionnat::BonusBut), Avant},
    {"losing margin 4,5", Bonus, Options(226, "e_nPointEcart", "4,5", false, false, chiffres), 1,
     bonus(&TDonneesChampionnat::BonusEcart), Avant},
    {"bonus points a", Bonus, Options(226, "e_PointBonus", "a", true, false, chiffres), 1,
     bonus(&TDonneesChampionnat::PointBonusBut), Avant},
    {"personal code abc", Tous,
     Options(176, "e_CodePerso", "abc", false, false, TraduireFormat(3751, {std::string("abc")})), 1,
     [](TSaison& s) { return static_cast<int>(s.ChampionnatCourant()->CodePerso); }, Avant},
    {"caps emptied, Tab", Tous, Fiche(Boite(&Tf_FicheJoueur::e_nSelection, "", "")), 0,
     [](TSaison& s) { return static_cast<int>(Essai(s)->nSelectionNationale); }, 0},
    {"birth year 202", Tous, Fiche(Boite(&Tf_FicheJoueur::e_Age, "202", TraduireFormat(3308, {std::string("202")}))),
     1, [](TSaison& s) { return static_cast<int>(Essai(s)->Age); }, 90},
    {"shirt 300", Tous, Fiche(Boite(&Tf_FicheJoueur::e_NumMaillot, "300", Bornes(0, 255))), 1,
     [](TSaison& s) { return static_cast<int>(Essai(s)->Maillot); }, 7},
    {"shirt 1.5", Tous, Fiche(Boite(&Tf_FicheJoueur::e_NumMaillot, "1.5", Bornes(0, 255))), 1,
     [](TSaison& s) { return static_cast<int>(Essai(s)->Maillot); }, 7},
    {"career year 202, 1850, then 2020, Enter", Tous,
     Fiche([](Tf_FicheJoueur* f, TBanc& b) {
         f->pc_FicheJoueur->SetActivePage(f->ts_Carriere);
         Quand<Tf_ajouthist>([&b](Tf_ajouthist* d) {
             int restees = 0;
             for (const std::string annee : {"202", "1850", "2020"}) {
                 Tape(d->e_Saison, annee);
                 if (annee != "2020")
                     Refus(b, d->e_Saison, Bornes(1900, 2100));
                 kit::PressKey(nullptr, VK_RETURN);
                 kit::Process();
                 restees += annee != "2020" && Restee(b, d);
             }
             // Refused twice on the box, then the line taken.
             b.restee = restees == 2 && d->ModalResult() == mrOk;
             b.boite = nullptr;   // freed with the dialog
         });
         kit::Click(f->bc_Ajouter);
     }),
     2, [](TSaison& s) { return Essai(s)->NbHistorique() == 1 ? Essai(s)->Historique(0)->StatAnnee : -1; }, 2020},
    {"match rating 6,5 then 999, then 7", Tous,
     Feuille("e_NoteMatch", {{"6,5", Suivant}, {"999", Vue}, {"7", Vue}}, Bornes(0, 255)), 2,
     [](TSaison& s) { return s.ChampionnatCourant()->NoteMatch(1, 1); }, 7},
    {"coach's birth year 202, then 1985", Tous, Entraineur({"202", "1985"}), 1,
     [](TSaison& s) {
         auto* e = dynamic_cast<TEntraineur*>(s.Entraineurs().ChercheNom("Essai", "Coach"));
         return e ? static_cast<int>(e->Age) : -1;
     },
     85},
    {"conversions counted emptied, then 3", Rugby, Compte({"", "3"}), 1,
     [](TSaison& s) {
         const TListeDonnees* l = s.ChampionnatCourant()->ListeDonnees(6, 1);
         return l ? l->Nombre() : 0;
     },
     3},
    {"forecast factor emptied, Visualiser", Tous,
     [](TBanc& b) {
         ASSERT_TRUE(Commande(*b.f, 20));
         auto* p = dynamic_cast<Tf_Prevision*>(b.f->Enfant);
         ASSERT_NE(p, nullptr);
         TWinControl* boite = p->ud_PourcForme->Associate();
         Tape(boite, "");
         Refus(b, boite, Bornes(0, 100));
         kit::Click(p->bc_Visualiser);
         b.restee = boite->Focused();
         Commande(*b.f, 13);
     },
     1, [](TSaison&) { return 0; }, Avant},
    {"added time 300, then 3", Foot, Feuille("e_add1", {{"300", Vue}, {"3", Vue}}, Bornes(0, 254)), 1,
     [](TSaison& s) { return s.ChampionnatCourant()->TempsAddMatch(1, 1, 1); }, 3},
};
}

class NombresSaisis : public ::testing::TestWithParam<int>
{};

TEST_P(NombresSaisis, ABoxStoresWhatItShowsOrRefusesItWithAWord)
{
    static const bool pages = (EnregistrePagesMatch(), true);
    (void)pages;
    const int sport = GetParam();
    // Football and basketball in French, rugby and handball in English.
    const std::string dir = Prepare("nombres_saisis_" + std::to_string(sport));
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", sport % 2 ? "en" : "fr");
    TBanc b;
    b.f = LanceFenetre();
    CreeSaison(*b.f, sport);
    TSaison& s = *b.f->Saison;
    ASSERT_NE(TapeJournee(*b.f, 1, {{"2", "1"}, {"1", "1"}}), nullptr);
    const int h = s.ChampionnatCourant()->IdEquipe(0);
    TJoueur* j = s.Joueurs().AjouteJoueur(s.CreeJoueur("Essai", "Joueur", -1, h));
    j->nSelectionNationale = 12;
    j->Maillot = 7;
    j->Age = 90;
    std::vector<int> attendus;
    const std::vector<TRangee> rangees = Rangees();
    for (const TRangee& r : rangees) {
        if (!(r.sports & (1u << sport)))
            continue;
        SCOPED_TRACE(r.nom);
        b.dits.clear();
        b.boite = nullptr;
        b.restee = false;
        const int avant = r.lu(*b.f->Saison);
        r.geste(b);
        kit::Process(10);
        kit::ForgetModalActions();
        EXPECT_EQ(b.dits, std::vector<std::string>(static_cast<size_t>(r.refus), b.attendu));
        EXPECT_TRUE(!r.refus || b.restee) << "the window stays on the box";
        attendus.push_back(r.attendu == Avant ? avant : r.attendu);
        EXPECT_EQ(r.lu(*b.f->Saison), attendus.back());
    }
    auto relue = SauveFermeRelit(b.f);
    ASSERT_NE(relue, nullptr);
    size_t k = 0;
    for (const TRangee& r : rangees) {
        if (r.sports & (1u << sport)) {
            EXPECT_EQ(r.lu(*relue), attendus[k++]) << r.nom << ", reopened";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sports, NombresSaisis, ::testing::Values(0, 1, 2, 3));

}  // namespace
