// Gestures of the record windows that name a record: a club picked from a
// list is that club, a name typed over another referee's row, a row typed
// and not stored, an entry of the name lists deleted or merged. Each changes
// only what it or its one question names; No leaves the saved season as it
// was. A card closed by "Annuler", Escape or its close box leaves the season
// as it was when it opened, whatever its own dialogs began. Every row ends
// with a save and a reopening.
#include <gtest/gtest.h>

#include <functional>

#include <QLabel>

#include <algorithm>

#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/GraphicsQt.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "files/w_ChoixNoeud.h"
#include "records/Blasons.h"
#include "records/Fiches.h"
#include "records/w_Arbitres.h"
#include "records/w_Blasons.h"
#include "records/w_Effectifs.h"
#include "records/w_FicheClub.h"
#include "records/w_FicheEntraineur.h"
#include "records/w_FicheJoueur.h"
#include "records/w_ModifierClubPrec.h"
#include "records/w_ModifierNat.h"
#include "records/w_Recherche.h"
#include "records/w_TransJoueur.h"
#include "records/w_ajouthist.h"
#include "tests/records/FichesEssai.h"
#include "tests/shell/EcartsDocument.h"
#include "tests/support/SaisonBuilder.h"
#include "tests/support/SauveRelit.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/message2.h"

using namespace fiches_essai;

namespace {

// The small season with two clubs named apart only by an accent (Évreux 4,
// Evreux 5) and two named alike (Club 3, 6 and 7); two referees, Dumas Eve
// (who refereed the first match) and Martinez Luis; two previous clubs named
// alike, Dupont coming from the second; the country Italie of Durand; two
// coaches, Blanc Jean and Noir Paul; Zelvor's crest 1001; the previous club
// BRIVANT, as a career line of Brivant makes it.
struct TGestes
{
    TPetiteSaison p;
    TSaison& s;
    TPersonnel *dumas = nullptr, *martinez = nullptr;
    int club3a = 0, club3b = 0, italie = 0, brivant = 0, statChamps = 0;
    std::vector<std::string> questions;

    explicit TGestes(int sport = sportFootball) : p(PetiteSaison(sport)), s(*p.saison)
    {
        EnregistreFiches();
        s.AjouteEquipe(L1("Évreux"));
        s.AjouteEquipe("Evreux");
        s.AjouteEquipe("Club 3");
        s.AjouteEquipe("Club 3");
        dumas = s.Arbitres().AjoutePersonnel(std::make_unique<TPersonnelStat>(-1, 0, "Eve", "Dumas"));
        martinez = s.Arbitres().AjoutePersonnel(std::make_unique<TPersonnelStat>(-1, 0, "Luis", "Martinez"));
        p.c1->SetArbitreMatch(1, 1, dumas->Numero);
        club3a = s.AjouteClubPrec("Club 3", -1);
        club3b = s.AjouteClubPrec("Club 3", -1);
        p.dupont->ClubPrec = static_cast<uint16_t>(club3b);
        italie = s.Pays().AjoutePays("Italie");
        p.durand->CodePays = static_cast<uint16_t>(italie);
        s.Entraineurs().AjoutePersonnel(std::make_unique<TEntraineur>(-1, 0, "Jean", "Blanc"));
        s.Entraineurs().AjoutePersonnel(std::make_unique<TEntraineur>(-1, 0, "Paul", "Noir"));
        s.SetLogoEquipe(1, 1001);
        brivant = s.AjouteClubPrec("BRIVANT", -1);
        statChamps = s.NbStatChamp();
    }
    // The next message box answers r; its text is kept.
    void Repond(int r)
    {
        kit::WhenModal([this, r](TForm* m) {
            if (auto* b = dynamic_cast<Tf_MessageUtil*>(m)) {
                questions.push_back(b->Label1->Caption());
                // each sentence on its line as the box shows it
                std::string lignes = b->Label1->Caption();
                std::replace(lignes.begin(), lignes.end(), '\r', '\n');
                EXPECT_EQ(QStringToAnsi(static_cast<QLabel*>(b->Label1->Widget())->text()), lignes);
                kit::GrabToPng(m, "gestes-nommes-question-" + std::to_string(lignes.size() % 1000));
            }
            m->SetModalResult(r);
        });
    }
    template <class T>
    TOwned<T> Fenetre()
    {
        TOwned<T> f(new T(nullptr));
        f->ChangeCouleurs(f->Couleurs);
        f->ChangeSaison(&s);
        f->SetBounds(0, 0, 1000, 560);
        kit::ShowForm(f.get());
        return f;
    }
};

// Types into a grid cell as a user does: the first key opens the editor over
// what the cell holds, Enter ends it.
void Tape(TColorStringGrid& g, int col, int row, const std::string& texte)
{
    g.FocusCell(col, row, true);
    kit::Type(&g, texte.substr(0, 1));
    kit::Type(nullptr, texte.substr(1));
    kit::PressKey(nullptr, VK_RETURN);
    kit::Process(5);
}

// "Arbitres", the row: the name typed over, Tab, the first name, Enter; then
// another view is chosen, which writes the rows.
void TapeArbitre(Tf_Arbitres& f, int ligne, const std::string& nom, const std::string& prenom)
{
    TColorStringGrid& g = *f.sg_TableauEquipe;
    f.RemplitPays(TListeParPaysForm::Tous);
    g.FocusCell(0, ligne, true);
    kit::Type(&g, nom.substr(0, 1));
    kit::Type(nullptr, nom.substr(1));
    kit::PressKey(nullptr, VK_TAB);
    kit::Type(nullptr, prenom.substr(0, 1));
    kit::Type(nullptr, prenom.substr(1));
    kit::PressKey(nullptr, VK_RETURN);
    kit::Process(5);
    f.EnregistreSaisie();
}

// The transfer dialog of the player search: the entry of that team picked
// from its list.
void Transfere(TGestes& e, TJoueur* j, int equipe)
{
    auto f = e.Fenetre<Tf_Recherche>();
    f->Edit1->SetText(j->Nom);
    kit::Click(f->b_Rechercher);
    for (int r = 1; r < f->sg_Recherche->RowCount(); ++r)
        if (f->JoueurLigne(r) == j)
            f->sg_Recherche->FocusCell(1, r, true);
    kit::WhenModal([equipe](TForm* m) {
        auto* t = dynamic_cast<Tf_TransJoueur*>(m);
        ASSERT_NE(t, nullptr);
        t->cb_Club->SetItemIndex(t->cb_Club->Items().IndexOfObject(equipe));
        kit::Click(t->b_Valider);
    });
    f->mi_Transferer->Click();
}

// "Effectifs", Brivant: 9, Tab, Abalo, Tab, Luc, Tab, age, Enter, then Delete.
void SaisitPuisEfface(TGestes& e, const std::string& age, int reponse)
{
    auto f = e.Fenetre<Tf_Effectifs>();
    f->RemplitEquipes(0, false);
    TColorStringGrid& g = *f->sg_TableauEquipe;
    const int r = g.RowCount() - 1;
    Tape(g, 1, r, "9");
    Tape(g, 2, r, "Abalo");
    Tape(g, 3, r, "Luc");
    Tape(g, 4, r, age);
    e.Repond(reponse);
    g.FocusCell(2, r, true);
    kit::PressKey(&g, VK_DELETE);
    EXPECT_EQ(kit::ForgetModalActions(), 0u);
    EXPECT_EQ(g.Cells(2, r), reponse == mrYes ? "" : "Abalo");
    EXPECT_EQ(e.questions, std::vector<std::string>{TraduireFormat(5726, {r, "Luc Abalo"})});
    // The row kept is left: stored, or refused again with a word.
    e.Repond(mrOk);
    g.FocusCell(2, 1, true);
    kit::ForgetModalActions();
    f->sg_TableauEquipe->OnExit = nullptr;
    f->sg_TableauEquipe->OnSelectCell = nullptr;
}

// The name list dialog: the lines of those ids selected, then the button.
template <class T>
void ListeNoms(TGestes& e, std::vector<int> ids, bool fusion, int reponse)
{
    auto f = e.Fenetre<T>();
    for (int id : ids) {
        const int i = f->LigneId(id);
        ASSERT_GE(i, 0);
        f->l_Liste->SetItemIndex(i);
        f->l_Liste->SetSelected(i, true);
    }
    f->l_ListeClick(nullptr);
    e.Repond(reponse);
    kit::Click(fusion ? f->bc_Fusionner : f->bc_Effacer);
    EXPECT_EQ(kit::ForgetModalActions(), 0u);
    EXPECT_EQ(e.questions.size(), 1u);
}

// The player search: his line, "Editer", his card given to action.
void CarteJoueur(TGestes& e, TJoueur* j, const std::function<void(Tf_FicheJoueur&)>& action)
{
    auto f = e.Fenetre<Tf_Recherche>();
    f->Edit1->SetText(j->Nom);
    kit::Click(f->b_Rechercher);
    for (int r = 1; r < f->sg_Recherche->RowCount(); ++r)
        if (f->JoueurLigne(r) == j)
            f->sg_Recherche->FocusCell(1, r, true);
    kit::WhenModal([action](TForm* m) {
        auto* c = dynamic_cast<Tf_FicheJoueur*>(m);
        ASSERT_NE(c, nullptr);
        action(*c);
    });
    f->mi_Editer->Click();
    EXPECT_EQ(kit::ForgetModalActions(), 0u);
}

// The player search: his line, "Editer", his card validated untouched.
void FicheIntacte(TGestes& e, TJoueur* j)
{
    CarteJoueur(e, j, [](Tf_FicheJoueur& f) { kit::Click(f.b_Valider); });
}

// The league, matchday 1.
TDonneesChampionnat& C1(TSaison& s) { return *s.Arbre().ListeChampionnats().front(); }

// The card of coach Blanc, his name typed as coach Noir's, validated; the
// question answered. No leaves the card open: it is cancelled.
void RenommeEntraineur(TGestes& e, int reponse)
{
    TOwned<Tf_FicheEntraineur> f(new Tf_FicheEntraineur(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&e.s);
    f->Entraineur = dynamic_cast<TEntraineur*>(e.s.Entraineurs().ChercheNom("Blanc", "Jean"));
    kit::ShowForm(f.get());
    kit::TypeKeys(f->c_Personne->e_Nom, "Noir");
    kit::TypeKeys(f->c_Personne->e_Prenom, "Paul");
    e.Repond(reponse);
    kit::Click(f->b_Valider);
    EXPECT_EQ(kit::ForgetModalActions(), 0u);
    EXPECT_EQ(e.questions, std::vector<std::string>{TraduireFormat(5727, {"Noir Paul", "Noir Paul"})});
    EXPECT_EQ(f->ModalResult(), reponse == mrYes ? mrOk : mrNone);
}

// The ways a card is left: validated, or cancelled by its button, by Escape
// or by its close box.
constexpr int Echap = 1001, CaseFermeture = 1002;
const std::vector<int> Fermetures = {mrOk, mrCancel, Echap, CaseFermeture};

void Ferme(TForm* f, int fermeture, TControl* valider, TControl* annuler)
{
    if (fermeture == mrOk)
        kit::Click(valider);
    else if (fermeture == mrCancel)
        kit::Click(annuler);
    else if (fermeture == Echap)
        kit::PressKey(f, VK_ESCAPE);
    else
        f->Close();
    EXPECT_EQ(f->ModalResult(), fermeture == mrOk ? mrOk : mrCancel);
}

// Tab from the box before into the box, then the text typed over what it shows.
void TabTape(TWinControl* avant, TWinControl* boite, const std::string& texte)
{
    kit::PressKey(avant, VK_TAB);
    EXPECT_TRUE(boite->Focused());
    kit::TypeKeys(boite, texte);
}

// On the card's career page, "Ajouter": the dialog given to action.
void LigneCarriere(Tf_FicheJoueur& f, const std::function<void(Tf_ajouthist&)>& action)
{
    f.pc_FicheJoueur->SetActivePage(f.ts_Carriere);
    kit::WhenModal([action](TForm* m) {
        auto* h = dynamic_cast<Tf_ajouthist*>(m);
        ASSERT_NE(h, nullptr);
        action(*h);
    });
    kit::Click(f.bc_Ajouter);
}

// "Fiche du club" of Zelvor, "Changer le logo": a crest of Zelvor added
// under France from a picture file (copied beside the program), "Choisir";
// then the card closed so.
void ChangeLogo(TGestes& e, int fermeture)
{
    Dossier d;
    ForceDirectories(d.Chemin("blasons"));
    WriteFileAtomic(d.Chemin("blasons/blasons.txt"), "1-0-France#1001-1-Zelvor#");
    Carre(10, 0xFF00FF00)->SaveToFile(d.Chemin("blasons/1001.png"));
    Carre(12, 0xFFFF0000)->SaveToFile(d.Chemin("neuf.png"));
    InstalleBlasons(std::make_unique<TBlasons>(d.Path()));
    kit::AnswerDialogs([&d](TCommonDialog& c) {
        auto* o = dynamic_cast<TOpenDialog*>(&c);
        if (o)
            o->FileName = d.Chemin("neuf.png");
        return o != nullptr;
    });
    TOwned<Tf_FicheClub> f(new Tf_FicheClub(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&e.s);
    f->Position = e.p.c1->IndexEquipe(1);
    kit::WhenModal([fermeture](TForm* m) {
        auto* c = dynamic_cast<Tf_FicheClub*>(m);
        ASSERT_NE(c, nullptr);
        kit::WhenModal([](TForm* b) {
            auto* blasons = dynamic_cast<Tf_Blasons*>(b);
            ASSERT_NE(blasons, nullptr);
            EXPECT_EQ(blasons->e_Equipe->GetText(), "Zelvor");
            blasons->tv_Blasons->SetSelected(blasons->tv_Blasons->Items().TopItem(0));
            kit::Click(blasons->bc_AjoutEquipe);
            kit::Click(blasons->bc_Choisir);
        });
        kit::Click(c->bc_changeLogo);
        EXPECT_NE(c->Logo1->Image(), nullptr);
        kit::Process(20);
        kit::GrabToPng(c, "gestes-nommes-fiche-club-logo");
        Ferme(c, fermeture, c->b_Valider, c->b_Annuler);
    });
    f->ShowModal();
    EXPECT_EQ(kit::ForgetModalActions(), 0u);
    // The card tells its opener the season changed only once validated.
    EXPECT_EQ(f->Modifie, fermeture == mrOk ? 1 : 0);
    kit::AnswerDialogs([](TCommonDialog&) { return false; });
    InstalleBlasons(nullptr);
}

struct TGeste
{
    const char* nom;
    bool question;                              // asked: the row runs answered No, then Yes
    std::function<void(TGestes&, int)> geste;   // its question answered so
    int changeSi;   // the saved season changes with that answer; 0 never; -1 always, and no question
    std::function<void(TGestes&, TSaison&, int)> verifie;
    bool fermetures = false;    // the row runs for each way of leaving its card (Fermetures)
    bool quatreSports = false;  // in the four sports
};

TJoueur* Lu(TSaison& r, const char* nom, const char* prenom) { return r.Joueurs().ChercheJoueurNom(nom, prenom); }

}  // namespace

TEST(GestesNommes, EachChangesOnlyWhatItOrItsQuestionNames)
{
    const std::vector<TGeste> table = {
        {"transfer to Evreux, not to Evreux with an accent", false, [](TGestes& e, int) { Transfere(e, e.p.durand, 5); }, -1,
         [](TGestes&, TSaison& r, int) { EXPECT_EQ(Lu(r, "DURAND", "LUC")->ClubActuel, 5); }},
        {"transfer to the team that is his national team: he plays for it as his club alone, as the file reads him", false,
         [](TGestes& e, int) {
             e.s.Joueurs().ChangeEquipeNationale(e.p.durand, 5);
             Transfere(e, e.p.durand, 5);
         },
         -1,
         [](TGestes& e, TSaison& r, int) {
             EXPECT_EQ(Lu(r, "DURAND", "LUC")->ClubActuel, 5);
             EXPECT_EQ(Lu(r, "DURAND", "LUC")->EquipeNational, Lu(e.s, "DURAND", "LUC")->EquipeNational);
         }},
        {"transfer to the second of two Club 3", false, [](TGestes& e, int) { Transfere(e, e.p.durand, 7); }, -1,
         [](TGestes&, TSaison& r, int) { EXPECT_EQ(Lu(r, "DURAND", "LUC")->ClubActuel, 7); }},
        {"card validated untouched keeps the second of two previous clubs", false,
         [](TGestes& e, int) { FicheIntacte(e, e.p.dupont); }, 0,
         [](TGestes& e, TSaison& r, int) { EXPECT_EQ(Lu(r, "DUPONT", "JEAN")->ClubPrec, e.club3b); }},
        {"card validated untouched keeps a player with no previous club as he was", false,
         [](TGestes& e, int) { FicheIntacte(e, e.p.durand); }, 0,
         [](TGestes&, TSaison& r, int) { EXPECT_EQ(Lu(r, "DURAND", "LUC")->ClubPrec, 0); }},
        {"referee typed over as another", true,
         [](TGestes& e, int reponse) {
             auto f = e.Fenetre<Tf_Arbitres>();
             e.Repond(reponse);
             TapeArbitre(*f, 1, "Martinez", "Luis");
             EXPECT_EQ(f->sg_TableauEquipe->Cells(0, 1), reponse == mrYes ? "Martinez" : "Dumas");
             EXPECT_EQ(e.questions, std::vector<std::string>{TraduireFormat(
                                        5712, {"Dumas Eve", "Martinez Luis", "Dumas Eve", 1, "Martinez Luis"})});
             f->sg_TableauEquipe->OnExit = nullptr;
         },
         mrYes,
         [](TGestes&, TSaison& r, int reponse) {
             const TPersonnel* garde = r.Arbitres().ChercheNom(reponse == mrYes ? "Martinez" : "Dumas",
                                                               reponse == mrYes ? "Luis" : "Eve");
             ASSERT_NE(garde, nullptr);
             EXPECT_EQ(r.Arbitres().NbPersonnel(), reponse == mrYes ? 1 : 2);
             EXPECT_EQ(C1(r).OfficielMatch(1, 1, 1), garde->Numero);
         }},
        {"typed squads row, Delete", true, [](TGestes& e, int reponse) { SaisitPuisEfface(e, "30", reponse); }, mrNo,
         [](TGestes&, TSaison& r, int reponse) {
             EXPECT_EQ(Lu(r, "ABALO", "LUC") != nullptr, reponse == mrNo);
         }},
        {"refused squads row (age 150), Delete", true, [](TGestes& e, int reponse) { SaisitPuisEfface(e, "150", reponse); },
         0, [](TGestes&, TSaison& r, int) { EXPECT_EQ(Lu(r, "ABALO", "LUC"), nullptr); }},
        {"nationality deleted", true, [](TGestes& e, int reponse) { ListeNoms<Tf_ModifierNat>(e, {e.italie}, false, reponse); },
         mrYes,
         [](TGestes& e, TSaison& r, int reponse) {
             EXPECT_EQ(e.questions, std::vector<std::string>{TraduireFormat(5714, {"Italie", 1})});
             EXPECT_EQ(Lu(r, "DURAND", "LUC")->CodePays, reponse == mrYes ? TPersonnel::Aucun : e.italie);
         }},
        {"previous clubs merged", true,
         [](TGestes& e, int reponse) { ListeNoms<Tf_ModifierClubPrec>(e, {e.club3a, e.club3b}, true, reponse); }, mrYes,
         [](TGestes& e, TSaison& r, int reponse) {
             EXPECT_EQ(Lu(r, "DUPONT", "JEAN")->ClubPrec, reponse == mrYes ? e.club3a : e.club3b);
         }},
        {"coach card named as another coach", true, RenommeEntraineur, mrYes,
         [](TGestes&, TSaison& r, int reponse) {
             EXPECT_EQ(r.Entraineurs().ChercheNom("Blanc", "Jean") != nullptr, reponse == mrNo);
             EXPECT_NE(r.Entraineurs().ChercheNom("Noir", "Paul"), nullptr);
         }},
        {"club card, a crest added and chosen", false, ChangeLogo, mrOk,
         [](TGestes&, TSaison& r, int fermeture) { EXPECT_EQ(r.LogoEquipe(1), fermeture == mrOk ? 1002 : 1001); }, true,
         true},
        {"player card, a career line of a new club", false,
         [](TGestes& e, int fermeture) {
             CarteJoueur(e, e.p.dupont, [fermeture](Tf_FicheJoueur& f) {
                 LigneCarriere(f, [](Tf_ajouthist& h) {
                     TabTape(h.e_Saison, h.cb_Actuel, "Zelvor FC");
                     kit::Click(h.bc_Choisir);
                 });
                 EXPECT_EQ(f.sg_Historique->Cells(1, 1), "ZELVOR FC");
                 Ferme(&f, fermeture, f.b_Valider, f.b_Annuler);
             });
         },
         mrOk,
         [](TGestes&, TSaison& r, int fermeture) {
             const int club = r.ChercheClubPrec("ZELVOR FC", false);
             EXPECT_EQ(club >= 0, fermeture == mrOk);
             const TJoueur* j = Lu(r, "DUPONT", "JEAN");
             ASSERT_EQ(j->NbHistorique(), fermeture == mrOk ? 1 : 0);
             if (fermeture == mrOk) {
                 EXPECT_EQ(j->Historique(0)->Equipe, club);
             }
         },
         true, true},
        {"player card, a championship picked beside the career list", false,
         [](TGestes& e, int fermeture) {
             CarteJoueur(e, e.p.dupont, [fermeture](Tf_FicheJoueur& f) {
                 f.pc_FicheJoueur->SetActivePage(f.ts_Carriere);
                 kit::WhenModal([](TForm* m) {
                     auto* c = dynamic_cast<Tf_ChoixNoeud*>(m);
                     ASSERT_NE(c, nullptr);
                     ASSERT_GT(c->lb_Texte->Items().Count(), 0);
                     const TRect r = c->lb_Texte->ItemRect(0);
                     kit::DblClick(c->lb_Texte, r.Left + 5, r.Top + 3);
                 });
                 kit::Click(f.b_ChoixChampStat);
                 EXPECT_EQ(f.cb_ChoixChampStat->Items().Count(), 1);
                 EXPECT_FALSE(f.cb_ChoixChampStat->GetText().empty());
                 Ferme(&f, fermeture, f.b_Valider, f.b_Annuler);
             });
         },
         mrOk,
         [](TGestes& e, TSaison& r, int fermeture) {
             EXPECT_EQ(r.NbStatChamp(), e.statChamps + (fermeture == mrOk ? 1 : 0));
         },
         true, true},
        {"career line dialog: its words, and the club it proposes picked without a question", false,
         [](TGestes& e, int) {
             {
                 // Its own words, without a language file.
                 InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(kit::TempDir(), "sans-textes.txt")));
                 TOwned<Tf_ajouthist> d(new Tf_ajouthist(nullptr));
                 EXPECT_EQ(d->cb_InsereAutre->Caption(), L1("Insérer une autre année"));
                 InstalleTraducteur(std::make_unique<TTraducteur>(std::string(BZ_SOURCE_DATA_DIR) + "/texte/Textefr.txt"));
             }
             CarteJoueur(e, e.p.dupont, [](Tf_FicheJoueur& f) {
                 LigneCarriere(f, [](Tf_ajouthist& h) {
                     EXPECT_EQ(h.cb_Actuel->GetText(), "BRIVANT");
                     EXPECT_GE(h.cb_Actuel->ItemChoisi(), 0);
                     EXPECT_EQ(h.cb_InsereAutre->Caption(), L1("Insérer une autre année"));
                     kit::Click(h.bc_Choisir);
                 });
                 kit::Click(f.b_Valider);
             });
         },
         -1,
         [](TGestes& e, TSaison& r, int) {
             const TJoueur* j = Lu(r, "DUPONT", "JEAN");
             ASSERT_EQ(j->NbHistorique(), 1);
             EXPECT_EQ(j->Historique(0)->Equipe, e.brivant);
         },
         false, true},
        {"career line of a club typed as the name of two previous clubs", true,
         [](TGestes& e, int reponse) {
             CarteJoueur(e, e.p.dupont, [&e, reponse](Tf_FicheJoueur& f) {
                 LigneCarriere(f, [&e, reponse](Tf_ajouthist& h) {
                     TabTape(h.e_Saison, h.cb_Actuel, "club 3");
                     // each club of that name in turn; No to both: back to
                     // the line, the club to be changed
                     e.Repond(reponse);
                     if (reponse == mrNo)
                         e.Repond(mrNo);
                     kit::Click(h.bc_Choisir);
                     if (reponse == mrNo) {
                         EXPECT_EQ(h.ModalResult(), mrNone);
                         EXPECT_TRUE(h.cb_Actuel->Focused());
                         kit::Click(h.bc_Annuler);
                     }
                 });
                 kit::Click(f.b_Valider);
             });
             std::vector<std::string> attendues = {TraduireFormat(6071, {"club 3", "Club 3", "Club 3"})};
             if (reponse == mrNo)
                 attendues.push_back(TraduireFormat(6070, {"club 3", "Club 3", "Club 3"}));
             EXPECT_EQ(e.questions, attendues);
         },
         mrYes,
         [](TGestes& e, TSaison& r, int reponse) {
             const TJoueur* j = Lu(r, "DUPONT", "JEAN");
             ASSERT_EQ(j->NbHistorique(), reponse == mrYes ? 1 : 0);
             if (reponse == mrYes) {
                 EXPECT_TRUE(j->Historique(0)->Equipe == e.club3a || j->Historique(0)->Equipe == e.club3b);
             }
             EXPECT_EQ(r.NbClubPrec(), e.s.NbClubPrec());
         },
         false, true},
    };
    const auto nomReponse = [](int r) {
        return r == mrYes ? ", yes" : r == mrNo ? ", no" : r == mrCancel ? ", cancelled" : r == Echap ? ", Escape"
               : r == CaseFermeture ? ", close box" : "";
    };
    for (const TGeste& t : table)
        for (const int sport : t.quatreSports ? std::vector<int>{sportFootball, sportRugby, sportBasket, sportHandball}
                                              : std::vector<int>{sportFootball})
            for (const int reponse : t.fermetures ? Fermetures
                                     : t.question ? std::vector<int>{mrNo, mrYes}
                                                  : std::vector<int>{mrOk}) {
                SCOPED_TRACE(std::string(t.nom) + nomReponse(reponse) + ", sport " + std::to_string(sport));
                TGestes e(sport);
                const std::string avant = essai::Document(e.s);
                t.geste(e, reponse);
                kit::Process(10);
                const bool change = t.changeSi == -1 || t.changeSi == reponse;
                EXPECT_EQ(essai::Document(e.s) != avant, change);
                auto relue = essai::SauveRelit(e.s, MakePath(kit::TempDir(), "gestes-nommes.xmc"));
                ASSERT_NE(relue, nullptr);
                t.verifie(e, *relue, reponse);
                // Nothing named, nothing changed: the season reopened is the
                // one before, field by field.
                if (!change)
                    for (const marche::TEcart& x : marche::Ecarts(avant, essai::Document(*relue)))
                        ADD_FAILURE() << x.rec.cle << ": " << x.Ligne();
            }
}
