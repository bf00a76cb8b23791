// Every road that removes or replaces a record something else names, taken
// through its window on a complete season of each sport shown by the main
// window: a team out of a championship, out of its group, out of the season,
// renamed; championships out with their teams; referees, stadiums, countries,
// previous clubs and players. A refusal says why and leaves the season as it
// was; otherwise nothing the season keeps names a record it no longer holds.
// Each season is then saved through its file and opens again as it was saved.
#include <gtest/gtest.h>

#include <functional>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/DescTree.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/Journees.h"
#include "model/ListePays.h"
#include "model/Penalites.h"
#include "model/Personnels.h"
#include "model/Stades.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "records/ListesPersonnes.h"
#include "records/w_Arbitres.h"
#include "records/w_ModifierClubPrec.h"
#include "records/w_ModifierEquipe.h"
#include "records/w_ModifierNat.h"
#include "records/w_Recherche.h"
#include "records/w_Stades.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_Option.h"
#include "setup/w_RetirerChamp.h"
#include "views/w_Classement.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"

using namespace essai;

namespace {

template <class T>
void Quand(std::function<void(T*)> action)
{
    QuandFenetre<T>(std::move(action), TAutresFenetres::Passees);
}

// What the season names and does not hold, one line each.
std::vector<std::string> Orphelins(TSaison& s)
{
    std::vector<std::string> v;
    const auto equipe = [&](int id, const std::string& ou) {
        if (id != 65535 && s.NomEquipe(id).empty())
            v.push_back(ou + " names team " + std::to_string(id));
    };
    const auto pays = [&](const TPersonnel* p, const std::string& ou) {
        if (p && p->CodePays != TPersonnel::Aucun && s.Pays().NomPays(p->CodePays).empty())
            v.push_back(ou + " names country " + std::to_string(p->CodePays));
    };
    const auto arbitre = [&](int32_t id, const std::string& ou) {
        if (id > 0 && !s.Arbitres().ChercheNumero(id))
            v.push_back(ou + " names referee " + std::to_string(id));
    };
    const auto stade = [&](int32_t code, const std::string& ou) {
        if (code != 0 && !s.Stades().ChercheStade(code))
            v.push_back(ou + " names stadium " + std::to_string(code));
    };
    for (TDonneesChampionnat* c : s.Arbre().ListeChampionnats()) {
        const std::string ch = "championship " + std::to_string(c->CodeChamp);
        for (int i = 0; i < c->NbEquipe(); ++i)
            equipe(c->IdEquipe(i), ch);
        for (int g = 0; g < c->NbGroupes(); ++g)
            for (int k = 0; k < c->Groupe(g)->NbEquipe(); ++k)
                if (c->IndexEquipe(c->Groupe(g)->Equipe(k)) < 0)
                    v.push_back(ch + ": a group names team " + std::to_string(c->Groupe(g)->Equipe(k)));
        for (int i = 0; i < c->Penalites().Nombre(); ++i) {
            const TPenalite* p = c->Penalites().Penalite(i);
            equipe(p->e1, ch + " penalty");
            if (p->Type != penalitePointsRetires && p->Type != penalitePointsAjoutes)
                equipe(p->e2, ch + " match state");
        }
        for (int n = 1; n <= c->NbJour(); ++n)
            for (int m = 0; c->Journee(n) && m < c->Journee(n)->NbMatchs(); ++m) {
                const TInfoComp* x = c->Journee(n)->Match(m);
                equipe(x->IdEquipe(0), ch + " match");
                equipe(x->IdEquipe(1), ch + " match");
                for (int k = 1; k <= 3; ++k)
                    arbitre(x->Officiel(k), ch + " match");
                stade(x->Stade(), ch + " match");
            }
    }
    s.Arbre().Parcours(false, [&](TDescNoeud& n) {
        if (const TDonneesCompetition* d = n.DonneesCompetition()) {
            for (int32_t a : d->Arbitres)
                arbitre(a, "competition " + n.Nom());
            for (int32_t st : d->Stades)
                stade(st, "competition " + n.Nom());
        }
    });
    for (int i = 0; i < s.RensClubs().NbRensClub(); ++i) {
        const TRensClub* r = s.RensClubs().RensClub(i);
        equipe(r->Equipe, "club record");
        for (const TStaff* p : {r->President.get(), r->Tresorier.get(), r->Secretaire.get()})
            pays(p, "club official");
    }
    const auto club = [&](int id, const std::string& ou) {
        if (id != 0 && id != 65535 && s.NomClubPrec(id).empty())
            v.push_back(ou + " names previous club " + std::to_string(id));
    };
    for (int i = 0; i < s.Joueurs().NbJoueur(); ++i) {
        const TJoueur* j = s.Joueurs().Joueur(i);
        equipe(j->ClubActuel, "player " + j->Nom);
        equipe(j->EquipeNational, "player " + j->Nom + "'s national team");
        club(j->ClubPrec, "player " + j->Nom);
        pays(j, "player " + j->Nom);
    }
    for (int i = 0; i < s.Entraineurs().NbPersonnel(); ++i) {
        const auto* e = dynamic_cast<const TEntraineur*>(s.Entraineurs().Personnel(i));
        equipe(e->ClubActuel, "coach " + e->Nom);
        club(e->ClubPrec, "coach " + e->Nom);
        pays(e, "coach " + e->Nom);
    }
    for (int i = 0; i < s.Arbitres().NbPersonnel(); ++i)
        pays(s.Arbitres().Personnel(i), "referee");
    for (int i = 0; i < s.Stades().NbStade(); ++i)
        if (s.Stades().Stade(i)->CodePays != TPersonnel::Aucun && s.Pays().NomPays(s.Stades().Stade(i)->CodePays).empty())
            v.push_back("a stadium names a country it does not hold");
    return v;
}

// One road, on the complete season shown by the main window.
struct TRoute
{
    FenetreEssai& f;
    TSaisonComplete& c;   // the season built, before the main window took it
    TSaison& S() const { return *f.Saison; }
    TDonneesChampionnat* Champ(int code) const { return S().Arbre().ChampionnatParCode(code); }
};

constexpr int Reims = 6, Sedan = 7, Selection = 20;
constexpr int Poules = 2, Coupe = 3;   // championship codes

void Clique(TListBox* l, int i)
{
    ASSERT_GE(i, 0);
    const TRect r = l->ItemRect(i);
    kit::Click(l, r.Left + 10, (r.Top + r.Bottom) / 2);
}

// "Ajouter des équipes" on a championship: the team's line, "Effacer",
// "Valider"; the question asked (once at most) answered Yes. Its text.
std::vector<std::string> HorsDuChampionnat(TRoute& r, int code, int id)
{
    std::vector<std::string> textes;
    r.S().SetChampionnatCourant(r.Champ(code));
    Quand<Tf_AjouterEquipe>([&](Tf_AjouterEquipe* a) {
        Clique(a->l_Equipe, a->l_Equipe->Items().IndexOfObject(id));
        kit::Click(a->bc_Effacer);
        kit::GrabToPng(a, "retraits-ajouter-equipes-" + std::to_string(r.S().Sport()));
        RepondBoite(mrYes, &textes);
        kit::Click(a->bc_Valider);
    });
    Commande(r.f, 232);
    kit::ForgetModalActions();
    return textes;
}

// "Modifier les équipes": the team's line clicked, then the gesture; the
// box it shows (grabbed as png when named), a question answered Yes.
std::vector<std::string> ModifieEquipe(TRoute& r, int id, std::function<void(Tf_ModifierEquipe*)> geste,
                                       const std::string& png = "")
{
    std::vector<std::string> textes;
    Quand<Tf_ModifierEquipe>([&](Tf_ModifierEquipe* m) {
        Clique(m->l_Equipe, m->l_Equipe->Items().IndexOfObject(id));
        EXPECT_EQ(m->e_NomEquipe->GetText(), r.S().NomEquipe(id));
        kit::WhenModal([&](TForm* f) {
            auto* b = dynamic_cast<Tf_MessageUtil*>(f);
            ASSERT_TRUE(b) << f->Name();
            textes.push_back(b->Label1->Caption());
            if (!png.empty())
                kit::GrabToPng(b, png + "-" + std::to_string(r.S().Sport()));
            b->SetModalResult(mrYes);
        });
        geste(m);
        kit::GrabToPng(m, "retraits-modifier-equipes-" + std::to_string(r.S().Sport()));
        kit::Click(m->bc_Terminer);
    });
    Commande(r.f, 144);
    kit::ForgetModalActions();
    return textes;
}

void Efface(Tf_ModifierEquipe* m) { kit::Click(m->bc_Effacer); }

// The interface in a language while it stands, then in French again.
struct TLangue
{
    explicit TLangue(const std::string& l) { Installe(l); }
    ~TLangue() { Installe("fr"); }
    static void Installe(const std::string& l)
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Texte" + l + ".txt")));
    }
};

// "Effacer" on Sedan, which still plays in the league and the cup: the box
// is the text, and each championship on a line.
std::vector<std::string> SedanEncoreEngagee(TRoute& r, const std::string& texte, const std::string& langue)
{
    const auto textes = ModifieEquipe(r, Sedan, Efface, "retraits-equipe-engagee-" + langue);
    EXPECT_EQ(textes, std::vector<std::string>{texte});
    return textes;
}

// "Composition de la saison": the championships coded taken out, every box
// of the removal window ticked, "Valider" in both.
void HorsDeLaSaison(TRoute& r, std::vector<int> codes)
{
    Quand<Tf_CreationSaison>([codes](Tf_CreationSaison* c) {
        for (int code : codes)
            for (TTreeNode* n = c->tv_Saison->Items().GetFirstNode(); n; n = n->GetNext())
                if (Tf_CreationSaison::Rec(n)->Objet && Tf_CreationSaison::Rec(n)->Objet->Code == code) {
                    c->tv_Saison->SetSelected(n);
                    kit::Click(c->bc_RetirerElement);
                    break;
                }
        Quand<Tf_RetirerChamp>([](Tf_RetirerChamp* t) {
            for (int i = 0; i < t->clb_Championnat->Items().Count(); ++i)
                t->clb_Championnat->SetChecked(i, true);
            kit::Click(t->b_Valider);
        });
        kit::Click(c->b_Valider);
    });
    Commande(r.f, 193);
}

// The child window a command shows.
template <class T>
T* Vue(TRoute& r, int commande)
{
    Commande(r.f, commande);
    kit::Process(20);
    return dynamic_cast<T*>(r.f.Enfant);
}

// Del on the row of a list by country that est picks; what the box said.
std::vector<std::string> EffaceLigne(TListeParPaysForm* l, TColorStringGrid* g, std::function<bool(int)> est)
{
    std::vector<std::string> textes;
    l->RemplitPays(TListeParPaysForm::Tous);
    for (int k = 1; k < g->RowCount(); ++k)
        if (est(k))
            g->FocusCell(0, k, true);
    RepondBoite(mrOk, &textes);
    kit::PressKey(g, VK_DELETE);
    kit::ForgetModalActions();
    return textes;
}

std::vector<std::string> EffaceArbitre(TRoute& r, const TPersonnel* p)
{
    auto* l = Vue<Tf_Arbitres>(r, 148);
    return EffaceLigne(l, l->sg_TableauEquipe, [&](int k) { return l->ArbitreLigne(k) == p; });
}

std::vector<std::string> EffaceStade(TRoute& r, const TStade* st)
{
    auto* l = Vue<Tf_Stades>(r, 152);
    return EffaceLigne(l, l->sg_TableauStade, [&](int k) { return l->StadeLigne(k) == st; });
}

// The name lists of previous clubs and countries: lines clicked (ctrl for
// the second), then the button.
void Liste(TModifierNomsForm* m, std::vector<int> ids, TControl* bouton)
{
    for (size_t k = 0; k < ids.size(); ++k) {
        ASSERT_GE(m->LigneId(ids[k]), 0) << ids[k];
        const TRect e = m->l_Liste->ItemRect(m->LigneId(ids[k]));
        kit::Click(m->l_Liste, e.Left + 10, (e.Top + e.Bottom) / 2, k > 0 ? TShiftState(ssCtrl) : TShiftState(0));
    }
    kit::Click(bouton);
}

struct TRetrait
{
    const char* nom;
    // What is refused says so (the texts expected), and changes nothing.
    std::function<std::vector<std::string>(TRoute&)> refus;
    std::function<void(TRoute&)> geste;
};

// The next question answered yes.
void Oui()
{
    kit::WhenModal([](TForm* q) { q->SetModalResult(mrYes); });
}

const TRetrait retraits[] = {
    {"Sedan out of its league, out of the cup, then out of the season", nullptr,
     [](TRoute& r) {
         EXPECT_EQ(HorsDuChampionnat(r, Poules, Sedan), std::vector<std::string>{Traduire(3206)});
         EXPECT_EQ(HorsDuChampionnat(r, Coupe, Sedan), std::vector<std::string>{});
         EXPECT_EQ(ModifieEquipe(r, Sedan, Efface),
                   std::vector<std::string>{TraduireFormat(5860, {std::string("Sedan")}) + "\n" +
                                            TraduireFormat(5861, {std::string("Joueur7 P0, Joueur7 P1, Joueur7 P2")})});
         EXPECT_EQ(r.S().NomEquipe(Sedan), "");
         EXPECT_EQ(r.Champ(Poules)->Groupe(1)->NbEquipe(), 1);
     }},
    {"Sedan out of its league alone: the cup keeps it, its group does not", nullptr,
     [](TRoute& r) {
         HorsDuChampionnat(r, Poules, Sedan);
         EXPECT_FALSE(r.Champ(Poules)->Groupe(1)->Contient(Sedan));
         EXPECT_GE(r.Champ(Coupe)->IndexEquipe(Sedan), 0);
     }},
    {"Sedan out of the season while it still plays",
     [](TRoute& r) {
         return SedanEncoreEngagee(
             r, L1("L'équipe Sedan joue encore dans ces championnats et ne peut pas être effacée :\n"
                   "Division 2 : France\nCoupe : Coupes"),
             "fr");
     },
     nullptr},
    {"Sedan out of the season while it still plays, in English",
     [](TRoute& r) {
         TLangue anglais("en");
         return SedanEncoreEngagee(r, "The team Sedan still plays in these championships and cannot be deleted:\n"
                                      "Division 2: France\nCoupe: Coupes",
                                  "en");
     },
     nullptr},
    {"the national team out of the season: its players lose it", nullptr,
     [](TRoute& r) {
         EXPECT_EQ(ModifieEquipe(r, Selection, Efface, "retraits-effacer-selection"),
                   std::vector<std::string>{TraduireFormat(5860, {L1("Sélection")}) + "\n" +
                                            TraduireFormat(5864, {std::string("Joueur1 P0 (Lille)")})});
         EXPECT_EQ(r.S().Joueurs().ChercheJoueurNom("Joueur1", "P0")->EquipeNational, TJoueur::Aucun);
     }},
    {"Sedan renamed by typing over its name", nullptr,
     [](TRoute& r) {
         ModifieEquipe(r, Sedan, [](Tf_ModifierEquipe* m) {
             kit::PressKey(m->l_Equipe, VK_TAB);
             kit::TypeKeys(m->e_NomEquipe, "Sedan Ardennes");
             kit::Click(m->bc_Modifier);
         });
         EXPECT_EQ(r.S().NomEquipe(Sedan), "Sedan Ardennes");
     }},
    {"Sedan out of its group in the options", nullptr,
     [](TRoute& r) {
         Quand<Tf_Option>([](Tf_Option* o) {
             o->PageControl1->SetActivePage(o->ts_GroupeEquipe);
             for (TTreeNode* n = o->tv_Groupe->Items().GetFirstNode(); n; n = n->GetNext())
                 if (n->Level() == 1 && n->Data == Sedan)
                     o->tv_Groupe->SetSelected(n);
             kit::Click(o->Button2);
             kit::Click(o->b_Valider);
         });
         Commande(r.f, 226);
         EXPECT_FALSE(r.Champ(Poules)->Groupe(1)->Contient(Sedan));
     }},
    {"an empty group added in the options, shown in the standings", nullptr,
     [](TRoute& r) {
         Quand<Tf_Option>([](Tf_Option* o) {
             o->PageControl1->SetActivePage(o->ts_GroupeEquipe);
             kit::Click(o->bc_Ajouter);
             kit::TypeKeys(nullptr, "Vide");
             kit::PressKey(nullptr, VK_RETURN);
             kit::Click(o->b_Valider);
         });
         Commande(r.f, 226);
         ASSERT_EQ(r.Champ(Poules)->NbGroupes(), 3);
         EXPECT_EQ(r.Champ(Poules)->Groupe(2)->NomGroupe, "Vide");
         EXPECT_EQ(r.Champ(Poules)->Groupe(2)->NbEquipe(), 0);
         auto* v = Vue<Tf_Classement>(r, 40);
         ASSERT_TRUE(v);
         ASSERT_EQ(v->tc_Classement->Tabs().Count(), 4);
         const TRect onglet = v->tc_Classement->TabRect(3);
         kit::Click(v->tc_Classement, (onglet.Left + onglet.Right) / 2, (onglet.Top + onglet.Bottom) / 2);
         EXPECT_EQ(v->tc_Classement->TabIndex(), 3);
         EXPECT_EQ(v->sg_Classement->RowCount(), 1);
         kit::GrabToPng(r.f.Enfant, "retraits-groupe-vide-" + std::to_string(r.S().Sport()));
     }},
    {"Reims and Sedan out of the league: their group stays, empty", nullptr,
     [](TRoute& r) {
         HorsDuChampionnat(r, Poules, Reims);
         HorsDuChampionnat(r, Poules, Sedan);
         ASSERT_EQ(r.Champ(Poules)->NbGroupes(), 2);
         EXPECT_EQ(r.Champ(Poules)->Groupe(1)->NbEquipe(), 0);
     }},
    {"the league in groups and the cup out of the season with their teams", nullptr,
     [](TRoute& r) {
         HorsDeLaSaison(r, {Poules, Coupe});
         EXPECT_EQ(r.S().Arbre().ListeChampionnats().size(), 1u);
         EXPECT_EQ(r.S().NomEquipe(Sedan), "");
         EXPECT_NE(r.S().NomEquipe(0), "");
     }},
    {"the league and the cup out of the season with their teams: a player of no team and no counts stays", nullptr,
     [](TRoute& r) {
         HorsDeLaSaison(r, {1, Coupe});
         EXPECT_EQ(r.S().NomEquipe(1), "");
         const TJoueur* libre = r.S().Joueurs().ChercheJoueurNom("Libre", "Sans");
         ASSERT_NE(libre, nullptr);
         EXPECT_EQ(libre->ClubActuel, TJoueur::Aucun);
     }},
    {"a referee who officiated, refused",
     [](TRoute& r) {
         const TPersonnel* p = r.S().Arbitres().ChercheNumero(r.c.arbitres[0]);
         const int matchs = MatchsArbitre(r.S(), *p);
         const auto textes = EffaceArbitre(r, p);
         EXPECT_EQ(textes, std::vector<std::string>{TraduireFormat(IdTexteNombre(3323, 5952, matchs), {matchs})});
         return textes;
     },
     nullptr},
    {"a referee of the competition's list alone", nullptr,
     [](TRoute& r) {
         EXPECT_EQ(EffaceArbitre(r, r.S().Arbitres().ChercheNom("Neutre", "Marc")), std::vector<std::string>{});
         EXPECT_EQ(r.S().Arbitres().ChercheNom("Neutre", "Marc"), nullptr);
     }},
    {"a stadium where matches were played, refused",
     [](TRoute& r) {
         const int matchs = MatchsStade(r.S(), r.c.stade1);
         const auto textes = EffaceStade(r, r.S().Stades().ChercheStade(r.c.stade1));
         EXPECT_EQ(textes, std::vector<std::string>{TraduireFormat(r.S().Sport() >= 2 ? IdTexteNombre(3322, 5951, matchs) : IdTexteNombre(3321, 5950, matchs), {matchs})});
         return textes;
     },
     nullptr},
    {"a stadium of a club record and the competition's list alone", nullptr,
     [](TRoute& r) {
         EXPECT_EQ(EffaceStade(r, r.S().Stades().ChercheStadeNom("Annexe", "Lens")), std::vector<std::string>{});
         EXPECT_EQ(r.S().Stades().ChercheStadeNom("Annexe", "Lens"), nullptr);
     }},
    {"two countries merged", nullptr,
     [](TRoute& r) {
         Quand<Tf_ModifierNat>([](Tf_ModifierNat* m) {
             Oui();   // asked first, naming what goes
             Liste(m, {0, 1}, m->bc_Fusionner);
             kit::Click(m->bc_Terminer);
         });
         Commande(r.f, 146);
         EXPECT_EQ(r.S().Pays().NomPays(1), "");
         EXPECT_EQ(r.S().RensClubs().RensClub(0)->President->CodePays, 0);
     }},
    {"a country deleted: no one is of it any more", nullptr,
     [](TRoute& r) {
         Quand<Tf_ModifierNat>([&r](Tf_ModifierNat* m) {
             Oui();   // asked first, naming what goes
             Liste(m, {0}, m->bc_Effacer);
             kit::GrabToPng(m, "retraits-nationalites-" + std::to_string(r.S().Sport()));
             kit::Click(m->bc_Terminer);
         });
         Commande(r.f, 146);
         EXPECT_EQ(r.S().Pays().NomPays(0), "");
         EXPECT_EQ(r.S().Joueurs().NbJoueurPays(0), 0);
         EXPECT_EQ(r.S().Arbitres().ChercheNumero(r.c.arbitres[0])->CodePays, TPersonnel::Aucun);
     }},
    {"a previous club deleted", nullptr,
     [](TRoute& r) {
         const int ancien = r.S().ChercheClubPrec("Ancien Club", false);
         Quand<Tf_ModifierClubPrec>([ancien](Tf_ModifierClubPrec* m) {
             Oui();   // asked first, naming what goes
             Liste(m, {ancien}, m->bc_Effacer);
             kit::Click(m->bc_Terminer);
         });
         Commande(r.f, 220);
         EXPECT_EQ(r.S().NomClubPrec(ancien), "");
     }},
    {"a player who played, refused",
     [](TRoute& r) {
         auto* l = Vue<Tf_Recherche>(r, 150);
         kit::TypeKeys(l->Edit1, "Joueur0");
         kit::Click(l->b_Rechercher);
         for (int k = 1; k < l->sg_Recherche->RowCount(); ++k)
             if (l->JoueurLigne(k) && l->JoueurLigne(k) == r.S().Joueurs().ChercheJoueurNom("Joueur0", "P0"))
                 l->sg_Recherche->FocusCell(1, k, true);
         std::vector<std::string> textes;
         RepondBoite(mrOk, &textes);
         l->mi_Effacer->Click();
         kit::ForgetModalActions();
         EXPECT_EQ(textes, std::vector<std::string>{Traduire(298)});
         return textes;
     },
     nullptr},
};

// A referee and a stadium that no match names: the first in the
// competition's list, the second also home of the club record; in the box
// score of the league's first match, a player of its home team; a player of
// no team and no counts. Of each kind
// that holds a country (players, referees, coaches, club officials,
// stadiums), one of the first country and one of the second.
void Prepare(TSaisonComplete& c)
{
    TSaison& s = *c.saison;
    if (auto* stat = dynamic_cast<TDonneesChampionnatStat*>(c.ligue))
        stat->ListeStat(1, stat->PremierCode())
            ->Ajoute(TDonneesEvt::CreateId(s.Joueurs().ChercheJoueurNom("Joueur0", "P0")->Numero, 0,
                                           static_cast<uint16_t>(stat->PremierCode())));
    TRensClub* club = s.RensClubs().RensClub(0);
    club->President->CodePays = 1;
    club->Tresorier = std::make_unique<TStaff>(-1, 50, "Yves", "Caisse");
    club->Tresorier->CodePays = 0;
    s.Entraineurs().Personnel(0)->CodePays = 0;
    s.Entraineurs().Personnel(1)->CodePays = 1;
    s.Joueurs().ChercheJoueurNom("Joueur0", "P1")->CodePays = 1;
    auto a = std::make_unique<TPersonnelStat>(-1, 40, "Marc", "Neutre");
    a->CodePays = 1;
    const int32_t neutre = s.Arbitres().AjoutePersonnel(std::move(a))->Numero;
    s.Joueurs().AjouteJoueur(s.CreeJoueur("Libre", "Sans", -1, TJoueur::Aucun));
    TStade* annexe = s.Stades().NouveauStade("Annexe", "Lens");
    annexe->CodePays = 1;
    s.RensClubs().RensClub(0)->AjouteStade(annexe);
    TDonneesCompetition* d = s.Arbre().Racine().EnfantNomme("France", false)->DonneesCompetition();
    d->Arbitres.push_back(neutre);
    d->Stades.push_back(annexe->Code);
}

}  // namespace

class Retraits : public ::testing::TestWithParam<int>
{
};

TEST_P(Retraits, EveryRoadLeavesASeasonThatNamesWhatItHoldsAndOpensAgain)
{
    const int sport = GetParam();
    const std::string dir = essai::Prepare("setup_retraits" + std::to_string(sport));
    auto f = LanceFenetre();
    for (const TRetrait& l : retraits) {
        SCOPED_TRACE(l.nom);
        TSaisonComplete c(sport);
        ::Prepare(c);
        auto s = std::move(c.saison);
        ASSERT_EQ(Orphelins(*s), std::vector<std::string>{});
        const std::string fichier = MakePath(dir, "sauvegarde/retrait.xmc");
        f->InstallSeason(std::move(s), fichier, false, 0);
        TRoute r{*f, c};
        const std::string avant = SansDate(Document(r.S()));
        ModifSaison = 0;
        if (l.refus) {
            const std::vector<std::string> textes = l.refus(r);
            EXPECT_EQ(textes.size(), 1u);
            EXPECT_TRUE(SansDate(Document(r.S())) == avant) << "changed";
        } else {
            l.geste(r);
            EXPECT_EQ(ModifSaison, 1);
        }
        kit::ForgetModalActions();
        EXPECT_EQ(Orphelins(r.S()), std::vector<std::string>{});
        const std::string ecrit = SansDate(Document(r.S()));
        auto relue = SauveRelit(r.S(), fichier);
        ASSERT_TRUE(relue);
        EXPECT_TRUE(SansDate(Document(*relue)) == ecrit) << "opened otherwise";
    }
    TermineFenetre(f);
}

INSTANTIATE_TEST_SUITE_P(Sports, Retraits, ::testing::Values(0, 1, 2, 3));

// A season written by earlier versions after a team left a league in groups
// (and then the season, or not): its group still names the team. The main
// window opens it with everything else as it was saved, the entry left out.
TEST(RetraitsAnciens, ASeasonOfAnEarlierVersionWhoseGroupNamesATeamThatLeftOpensWhole)
{
    const std::string dir = essai::Prepare("setup_retraits_ancien");
    auto f = LanceFenetre();
    // the team left the league and the season, or the league alone (it still plays the cup)
    for (const auto& [sport, saison] : {std::pair{0, true}, {1, true}, {0, false}, {3, false}}) {
        SCOPED_TRACE(::testing::Message() << sport << (saison ? " left the season" : " left the league"));
        TSaisonComplete c(sport);
        TSaison& s = *c.saison;
        c.groupes->SupprimeEquipe(c.groupes->IndexEquipe(Sedan));
        if (saison) {
            c.coupe->SupprimeEquipe(c.coupe->IndexEquipe(Sedan));
            s.Joueurs().SupprimeJoueursEquipe(Sedan);
            s.SupprimeEquipe(Sedan);
        }
        c.groupes->Groupe(1)->AjouteEquipe(Sedan);   // what they left behind
        const std::string ancien = SansDate(Document(s));
        const std::string fichier = MakePath(dir, "sauvegarde/ancien.xmc");
        ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, &s, nullptr, "", "", nullptr, {}, false));
        f->Messages.clear();
        f->OpenFile(fichier);
        ASSERT_TRUE(f->Saison);
        EXPECT_EQ(f->Messages, std::vector<std::string>{});
        const std::string entree = "<Equipe>" + std::to_string(Sedan) + "</Equipe>\r\n";
        const size_t ou = ancien.find(entree, ancien.find("<GroupeEquipe>"));
        ASSERT_NE(ou, std::string::npos);
        EXPECT_TRUE(SansDate(Document(*f->Saison)) == std::string(ancien).erase(ou, entree.size()));
        EXPECT_EQ(Orphelins(*f->Saison), std::vector<std::string>{});
        auto relue = SauveRelit(*f->Saison, MakePath(dir, "sauvegarde/relu.xmc"));
        ASSERT_TRUE(relue);
        EXPECT_TRUE(SansDate(Document(*relue)) == SansDate(Document(*f->Saison)));
    }
    TermineFenetre(f);
}
