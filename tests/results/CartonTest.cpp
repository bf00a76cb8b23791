// The match sheet frame's shared services and its player boxes, on a page of
// goal and card panels built here as the scorers pages build theirs: the
// header (attendance, referees, rating, stadium), the referee rules, players
// and referees added through their cards, and the boxes' drag and drop rules
// (appending rows, the number dialog, own goals, boxes dragged back).
#include <gtest/gtest.h>

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListesJoueurs.h"
#include "model/Stades.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Carton.h"
#include "results/w_FicheArbitre.h"
#include "results/w_InfoMatchCadre.h"
#include "tests/results/FeuilleEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Afficheur.h"
#include "views/w_ChoixJournee.h"
#include "ui/Dessin.h"
#include "views/Textes.h"

using namespace essai;

namespace {

// A page as the scorers pages make theirs: goal panels of both sides (one
// row per goal of the score, never appending), a card panel per side
// (appending, with minutes) and the full header.
class PageEssai : public Tf_InfoMatchCadre
{
public:
    explicit PageEssai(TComponent* o) : Tf_InfoMatchCadre(o)
    {
        SetClientWidth(760);
        SetClientHeight(520);
        for (int cote = 1; cote <= 2; ++cote) {
            for (int k = 0; k < 2; ++k) {
                auto* f = new TFondScroll(this);
                f->SetName(k == 0 ? (cote == 1 ? "FondBut1" : "FondBut2") : (cote == 1 ? "FondCarton1" : "FondCarton2"));
                f->Tag = cote;
                f->SetBounds(140 + (cote - 1) * 240, 150 + k * 180, 220, 170);
                f->SetParent(this);
                (k == 0 ? buts_ : cartons_)[cote - 1] = f;
            }
        }
        Affichage = new TAffichage(this);
        Affichage->SetBounds(300, 44, 100, 30);
        Affichage->SetParent(this);
        for (int i = 0; i < 3; ++i) {
            auto* b = new TComboBox(this);
            b->SetBounds(140 + i * 160, 80, 150, 22);
            b->SetParent(this);
            Arbitres.push_back(b);
        }
        NoteMatch = new TEdit(this);
        NoteMatch->SetBounds(140, 110, 40, 22);
        NoteMatch->SetParent(this);
        Stade = new TComboBox(this);
        Stade->SetBounds(200, 110, 200, 22);
        Stade->SetParent(this);
        DoCreate();
    }
    ~PageEssai() override
    {
        if (Saison)
            EnregistrePage(1);
    }
    void ChangeMatch() override { AfficheMatch(); }
    void EnregistrePage(int Libere) override
    {
        ++Ecritures;
        if (Libere == 1)
            LibereListes();
    }
    void AfficheMatch() override
    {
        for (int c = 0; c < 2; ++c) {
            VideFond(buts_[c]);
            VideFond(cartons_[c]);
        }
        AfficheEnTeteMatch(true, Affichage, Arbitres, NoteMatch, Stade);
    }
    void RemplitPage(int Mode) override
    {
        ++Remplissages;
        if (Mode != 1)
            return;
        ChargeListes();
        const int n = Championnat()->NbJournee;
        for (int cote = 1; cote <= 2; ++cote) {
            const int score = Championnat()->ValeurMatch(n, 4 * MatchCourant - 4 + 2 * cote);
            for (int i = 1; i <= (score == 65535 ? 0 : score); ++i)
                AjouteCarton(i, cote, false, 3, 0, std::string("0"), nullptr, 2, false, buts_[cote - 1], 0);
            AjouteCarton(1, cote, false, 0, -1, std::string("0"), nullptr, 3, false, cartons_[cote - 1], 1);
        }
    }
    TFondScroll* Buts(int cote) const { return buts_[cote - 1]; }
    TFondScroll* Cartons(int cote) const { return cartons_[cote - 1]; }
    TCarton* Boite(TFondScroll* f, int i) const
    {
        auto* l = dynamic_cast<TWinControl*>(f->Controle(i));
        return l ? dynamic_cast<TCarton*>(l->Controls(0)) : nullptr;
    }
    int Lignes(TFondScroll* f) const
    {
        int n = 0;
        for (int i = 0; i < f->NbControles(); ++i)
            n += f->Controle(i)->Visible() ? 1 : 0;
        return n;
    }

    TAffichage* Affichage;
    std::vector<TComboBox*> Arbitres;
    TEdit* NoteMatch;
    TComboBox* Stade;
    int Ecritures = 0;
    int Remplissages = 0;

private:
    TFondScroll* buts_[2] = {};
    TFondScroll* cartons_[2] = {};
};

// A stand-in player card: "Valider" files a new player of the team its mode names.
class FicheEssai : public TFicheJoueurForm
{
public:
    using TFicheJoueurForm::TFicheJoueurForm;
    void ChangeJoueur(int32_t, TJoueur*) override {}
    TJoueur* JoueurFiche() const override { return cree; }
    TJoueur* cree = nullptr;
};
int tagFiche = 0;

struct Page
{
    explicit Page(int sport = 0, int journee = 4) : sc(sport)
    {
        CreeDessin();
        sc.saison->SetChampionnatCourant(sc.ligue);
        sc.ligue->NbJournee = static_cast<uint8_t>(journee);
        // Every player in the lists (a team of a category lists only its own).
        sc.ligue->SetCategorieEquipe(1, 0);
        p.reset(new PageEssai(nullptr));
        p->ChangeCouleurs(Dessin->Couleurs);
        p->ChangeSaison(sc.saison.get());
        p->SetFenetrePrincipale(nullptr);
        p->MatchCourant = 1;
        p->AfficheMatch();
        kit::ShowForm(p.get());
    }
    TDonneesChampionnat& c() { return *sc.ligue; }
    // The list entry of a player of side cote (by its row in the list).
    TListe* Liste(int cote) { return p->Liste(cote); }
    void Glisse(int cote, int ligne, TControl* vers, TShiftState shift = 0)
    {
        TListe* l = Liste(cote);
        l->SetItemIndex(ligne);
        const TRect r = l->ItemRect(ligne);
        kit::Drag(l, {r.Left + 20, r.Top + 3}, vers, {vers->Width() / 2, vers->Height() / 2}, shift);
    }
    TSaisonComplete sc;
    TOwned<PageEssai> p;
};

TEST(CadreEnTete, AttendanceRefereesRatingAndStadiumOfThePlayedMatch)
{
    Page t;
    PageEssai& p = *t.p;
    const TInfoComp* m = t.c().Match(4, 1);
    EXPECT_EQ(p.c_EqDomicile->Text(), t.sc.saison->NomEquipeCourant(m->IdEquipe(0)));
    EXPECT_EQ(p.Affichage->Nombre(), IntToStr(m->Affluence()));
    EXPECT_EQ(p.NoteMatch->GetText(), "4");
    EXPECT_EQ(p.Remplissages, 1);
    // The competition record names referees 1 and 3: above the separator.
    TComboBox* b = p.Arbitres[1];
    ASSERT_EQ(b->Items().Count(), 1 + 2 + 1 + 1);
    EXPECT_EQ(b->Items()[0], "");
    EXPECT_EQ(static_cast<int32_t>(b->Items().Objects(1)), t.sc.arbitres[0]);
    EXPECT_EQ(static_cast<int32_t>(b->Items().Objects(2)), t.sc.arbitres[2]);
    EXPECT_EQ(b->Items()[3], std::string(22, '-'));
    EXPECT_EQ(static_cast<int32_t>(b->Items().Objects(4)), t.sc.arbitres[1]);
    EXPECT_EQ(b->Items()[1], "Arbitre Marc (France)");
    for (int k = 1; k <= 3; ++k) {
        const int32_t o = m->Officiel(k);
        const int i = p.Arbitres[k - 1]->ItemIndex();
        ASSERT_GE(i, 0) << k;
        EXPECT_EQ(static_cast<int32_t>(p.Arbitres[k - 1]->Items().Objects(i)), o == -1 ? 65535 : o) << k;
    }
    // The stored stadium selected; the record's stadium first.
    EXPECT_EQ(static_cast<int32_t>(p.Stade->Items().Objects(1)), t.sc.stade1);
    EXPECT_EQ(static_cast<int32_t>(p.Stade->Items().Objects(p.Stade->ItemIndex())), m->Stade());
    EXPECT_EQ(p.Stade->Items()[1], "Bollaert (Lens)");
    EXPECT_EQ(p.Modifie, 0);
    EXPECT_EQ(p.EnChargement, 0);
    kit::GrabToPng(&p, "cadre_entete");
}

// A match without a stadium: the home club's ground is proposed (and the page
// counts as modified) unless matches are on neutral grounds.
TEST(CadreEnTete, ClubStadiumProposedUnlessNeutralGround)
{
    for (const bool neutre : {false, true}) {
        TSaisonComplete sc(0);
        sc.saison->SetChampionnatCourant(sc.ligue);
        TDonneesChampionnat& c = *sc.ligue;
        c.NbJournee = 5;
        const int dom = c.Match(5, 1)->IdEquipe(0);
        TRensClub* club = sc.saison->RensClubs().NouveauRensClub(dom);
        club->AjouteStade(sc.saison->Stades().ChercheStade(sc.stade2));
        c.SetOption(11, neutre ? (c.Option(11) | 2) : (c.Option(11) & ~2));
        TOwned<PageEssai> p(new PageEssai(nullptr));
        p->ChangeSaison(sc.saison.get());
        p->AfficheMatch();
        const int i = p->Stade->ItemIndex();
        ASSERT_GE(i, 0);
        EXPECT_EQ(static_cast<int32_t>(p->Stade->Items().Objects(i)), neutre ? 65535 : sc.stade2) << neutre;
        EXPECT_EQ(p->Modifie, neutre ? 0 : 1) << neutre;
        EXPECT_EQ(p->NoteMatch->GetText(), "");
        EXPECT_EQ(p->Affichage->Nombre(), "0");
    }
}

// The matchday without a match of two teams: empty header, page emptied.
TEST(CadreEnTete, MatchdayWithoutMatchesEmptiesThePage)
{
    Page t;
    PageEssai& p = *t.p;
    for (int m = 1; m <= 2; ++m)
        t.c().SupprimeMatch(4, t.c().Match(4, 1)->IdEquipe(0), t.c().Match(4, 1)->IdEquipe(1));
    p.AfficheMatch();
    EXPECT_EQ(p.c_EqDomicile->Text(), "");
    EXPECT_EQ(p.Affichage->Nombre(), "0");
    EXPECT_EQ(p.Lignes(p.Buts(1)), 0);
    // The popup offers the matchday item only.
    p.pm_ListeMatch->OnPopup(p.pm_ListeMatch);
    ASSERT_EQ(p.pm_ListeMatch->Items()->Count(), 1);
    EXPECT_EQ(p.pm_ListeMatch->Items()->Items(0)->Tag, 20);
}

// The match popup: the matches of two teams, a separator, the matchday item;
// the matchday dialog cancelled shows the same match, validated the first
// match of the chosen matchday. The up-down skips a match without two teams
// and does nothing when no other match has them; both write the page first.
TEST(CadreChoixMatch, PopupMatchdayDialogAndUpDown)
{
    Page t;
    PageEssai& p = *t.p;
    p.pm_ListeMatch->OnPopup(p.pm_ListeMatch);
    TMenuItem* items = p.pm_ListeMatch->Items();
    ASSERT_EQ(items->Count(), 4);
    EXPECT_EQ(items->Items(0)->Tag, 1);
    EXPECT_EQ(items->Items(1)->Tag, 2);
    EXPECT_EQ(items->Items(2)->Caption(), "-");
    EXPECT_EQ(items->Items(3)->Tag, 20);
    items->Items(1)->Click();
    EXPECT_EQ(p.MatchCourant, 2);
    EXPECT_EQ(p.Ecritures, 1);

    kit::WhenModal([](TForm* f) {
        ASSERT_NE(dynamic_cast<Tf_ChoixJournee*>(f), nullptr);
        f->SetModalResult(mrCancel);
    });
    p.pm_ListeMatch->OnPopup(p.pm_ListeMatch);
    p.pm_ListeMatch->Items()->Items(3)->Click();
    EXPECT_EQ(p.MatchCourant, 2);
    EXPECT_EQ(t.c().NbJournee, 4);
    kit::WhenModal([](TForm* f) {
        f->Tag = 2;
        f->SetModalResult(mrOk);
    });
    p.pm_ListeMatch->OnPopup(p.pm_ListeMatch);
    p.pm_ListeMatch->Items()->Items(3)->Click();
    EXPECT_EQ(t.c().NbJournee, 2);
    EXPECT_EQ(p.MatchCourant, 1);
    EXPECT_EQ(p.IdDomicile, t.c().Match(2, 1)->IdEquipe(0));

    // Matchday 2 with its second match gone (its slots empty): the up-down
    // stays on the first one, the popup lists it alone.
    const int dom2 = t.c().Match(2, 2)->IdEquipe(0), ext2 = t.c().Match(2, 2)->IdEquipe(1);
    t.c().SupprimeMatch(2, dom2, ext2);
    const int ecritures = p.Ecritures;
    p.UpDown1->ClickButton(btNext);
    EXPECT_EQ(p.MatchCourant, 1);
    EXPECT_EQ(p.Ecritures, ecritures);
    p.pm_ListeMatch->OnPopup(p.pm_ListeMatch);
    EXPECT_EQ(p.pm_ListeMatch->Items()->Count(), 3);
}

// The referee rules: each message once, in the championship's terms (a
// cup's earlier match named by its round).
TEST(CadreArbitre, RuleMessagesNameTheEarlierMatchday)
{
    struct Cas
    {
        int options[4];
        int journee, match;   // the earlier match the referee officiated
        std::string attendu;
        bool coupe = false;   // the championship made a cup of rounds of 64, 32, 16, 8 and 4
    };
    const std::string deja = L1("Cet arbitre a déjà arbitré l'équipe de ");
    // Matchday 5 match 1 opposes ids 2 (home) and 0.
    const Cas cas[] = {
        {{1, 1, 0, 0}, 2, 1, L1("Cet arbitre a déjà arbitré ces deux équipes lors d'un match cette saison")},
        {{1, 0, 3, 0}, 3, 2, deja + "Nantes" + L1(" il y a moins de ") + "3 Matchs (" + L1("journée ") + "3)"},
        {{1, 0, 0, 2}, 1, 2, deja + "Nantes" + L1(" il y a moins de ") + "2 Mois (" + L1("journée ") + "1)"},
        {{0, 1, 3, 2}, 2, 1, ""},
        {{1, 0, 3, 0}, 3, 2, deja + "Nantes" + L1(" il y a moins de ") + L1("3 matchs (Huitièmes de finale)"), true},
        {{1, 0, 0, 2}, 1, 2, deja + "Nantes" + L1(" il y a moins de ") + L1("2 mois (Trente-deuxièmes de finale)"), true},
    };
    for (const Cas& k : cas) {
        Page t(0, 5);
        TDonneesChampionnat& c = t.c();
        if (k.coupe) {
            c.SetTypes(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational);
            const TInfoTourCoupe tours[] = {{6, 2, 1}, {5, 2, 1}, {4, 2, 1}, {3, 2, 1}, {2, 2, 1}};
            c.CreeToursCoupe(tours);
            // the rounds' names come from the language's texts
            InstalleTraducteur(std::make_unique<TTraducteur>(std::string(BZ_SOURCE_DIR) + "/data/texte/Textefr.txt"));
        }
        for (int n = 1; n <= 4; ++n)
            for (int m = 1; m <= 2; ++m)
                for (int o = 1; o <= 3; ++o)
                    c.Match(n, m)->SetOfficiel(o, -1);
        for (int i = 0; i < 4; ++i)
            c.SetOptionArbitre(i, k.options[i]);
        const int32_t r = t.sc.arbitres[1];
        c.Match(k.journee, k.match)->SetOfficiel(2, r);
        ASSERT_EQ(t.p->IdDomicile, 2);
        TComboBox* b = t.p->Arbitres[0];
        for (int i = 0; i < b->Items().Count(); ++i)
            if (static_cast<int32_t>(b->Items().Objects(i)) == r)
                b->SetItemIndex(i);
        kit::ResetAnswers();
        if (!k.attendu.empty())
            kit::AnswerMessages({mrOk});
        t.p->VerifieArbitre(b);
        EXPECT_EQ(t.p->Modifie, 1);
        if (k.attendu.empty())
            EXPECT_TRUE(kit::Messages().empty());
        else {
            ASSERT_EQ(kit::Messages().size(), 1u) << k.attendu;
            EXPECT_EQ(kit::Messages()[0].Text, k.attendu);
        }
    }
}

TEST(CadreArbitre, RefereeAddedThroughItsCardIsSelected)
{
    Page t;
    PageEssai& p = *t.p;
    TComboBox* b = p.Arbitres[0];
    const int avant = b->Items().Count();
    kit::WhenModal([](TForm* f) {
        auto* a = dynamic_cast<Tf_FicheArbitre*>(f);
        ASSERT_NE(a, nullptr);
        kit::Type(a->e_Nom, "Zorro");
        kit::Type(a->e_Prenom, "Diego");
        a->b_Valider->Click();
    });
    p.AjouteArbitre(b);
    ASSERT_EQ(b->Items().Count(), avant + 1);
    const TPersonnel* r = t.sc.saison->Arbitres().ChercheNom("Zorro", "Diego");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(static_cast<int32_t>(b->Items().Objects(b->ItemIndex())), r->Numero);
    // listed as the other referees are: name, then first name
    EXPECT_EQ(b->Items()[b->ItemIndex()], "Zorro Diego");
    EXPECT_EQ(p.Modifie, 1);
}

TEST(CadreJoueur, PlayerAddedThroughTheSportsCardOrRefusedWithoutOne)
{
    Page t;
    PageEssai& p = *t.p;
    const int dom = p.IdDomicile;
    const int avant = p.l_EquipeDomicile->Items().Count();
    // No card: text 3004, nothing added.
    EnregistreServicesFicheJoueur({});
    std::vector<std::string> textes;
    RepondBoite(mrOk, &textes);
    p.mi_AjouterJoueurClick(1);
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_EQ(textes[0], Traduire(3004));
    EXPECT_EQ(p.l_EquipeDomicile->Items().Count(), avant);

    TSaison* s = t.sc.saison.get();
    TServicesFicheJoueur sv;
    sv.CreeFiche = [](TSaison*) -> TFicheJoueurForm* { return new FicheEssai(nullptr); };
    EnregistreServicesFicheJoueur(sv);
    for (const int resultat : {mrCancel, mrOk}) {
        kit::WhenModal([s, resultat](TForm* f) {
            auto* fiche = dynamic_cast<FicheEssai*>(f);
            ASSERT_NE(fiche, nullptr);
            tagFiche = static_cast<int>(fiche->Tag);
            if (resultat == mrOk)
                fiche->cree = s->Joueurs().AjouteJoueur(s->CreeJoueur("Nouveau", "Jo", -1, tagFiche & 0xFFFF));
            f->SetModalResult(resultat);
        });
        p.mi_AjouterJoueurClick(1);
        EXPECT_EQ(tagFiche, 0xB0000 + dom);
    }
    ASSERT_EQ(p.l_EquipeDomicile->Items().Count(), avant + 1);
    bool trouve = false;
    for (int i = 0; i < p.l_EquipeDomicile->Items().Count(); ++i)
        trouve = trouve || NomEntreeListe(p.l_EquipeDomicile->Items()[i], 8) == "Nouveau";
    EXPECT_TRUE(trouve);
    EXPECT_EQ(p.Modifie, 1);
    EnregistreServicesFicheJoueur({});
}

// ---- boxes ------------------------------------------------------------------------------------

TEST(Carton, GoalPanelNeverAppendsACardPanelDoes)
{
    Page t;
    PageEssai& p = *t.p;
    const int score = t.c().ValeurMatch(4, 2);
    ASSERT_GE(score, 1);
    TFondScroll* buts = p.Buts(1);
    ASSERT_EQ(p.Lignes(buts), score);
    t.Glisse(1, 0, p.Boite(buts, score - 1));
    EXPECT_EQ(p.Lignes(buts), score);
    EXPECT_FALSE(p.Boite(buts, score - 1)->Text().empty());
    EXPECT_EQ(p.Modifie, 1);

    TFondScroll* cartons = p.Cartons(1);
    ASSERT_EQ(p.Lignes(cartons), 1);
    t.Glisse(1, 1, p.Boite(cartons, 0));
    ASSERT_EQ(p.Lignes(cartons), 2);
    TCarton* premier = p.Boite(cartons, 0);
    TCarton* nouveau = p.Boite(cartons, 1);
    EXPECT_FALSE(premier->Text().empty());
    EXPECT_TRUE(nouveau->Text().empty());
    EXPECT_EQ(nouveau->Tag, (2 << 16) + 1);
    EXPECT_EQ(nouveau->Minute()->Text(), "0");
    EXPECT_EQ(nouveau->Parent()->Top(), 30);
    // The filled box's minute box waits for the focus.
    EXPECT_EQ(p.MinuteCible, premier->Minute());
    kit::GrabToPng(&p, "cadre_cartons");
}

// Ctrl held at the start: the number dialog; "3" fills three boxes and
// appends a fourth; a cancelled dialog drops nothing.
TEST(Carton, CtrlDragAskedThreeFillsThreeBoxes)
{
    Page t;
    PageEssai& p = *t.p;
    TFondScroll* cartons = p.Cartons(2);
    kit::WhenModal([](TForm* f) {
        auto* d = dynamic_cast<Tf_ChoixNombre*>(f);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->l_ChoixTexte->Caption(), vues::Texte(1331));
        d->e_Nombre->SetText("");
        kit::Type(d->e_Nombre, "3");
        kit::GrabToPng(d, "choix_nombre");
        d->BoutonCopie1->Click();
    });
    t.Glisse(2, 0, p.Boite(cartons, 0), ssCtrl);
    ASSERT_EQ(p.Lignes(cartons), 4);
    const int32_t joueur = p.Boite(cartons, 0)->Numero;
    ASSERT_NE(joueur, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p.Boite(cartons, i)->Numero, joueur) << i;
        EXPECT_EQ(p.Boite(cartons, i)->Tag, ((i + 1) << 16) + 2) << i;
    }
    EXPECT_TRUE(p.Boite(cartons, 3)->Text().empty());

    kit::WhenModal([](TForm* f) { f->SetModalResult(mrCancel); });
    t.Glisse(2, 1, p.Boite(cartons, 3), ssCtrl);
    EXPECT_EQ(p.Lignes(cartons), 4);
    EXPECT_TRUE(p.Boite(cartons, 3)->Text().empty());
}

TEST(Carton, NumberDialogTakesDigitsOnly)
{
    const struct
    {
        char touche, attendu;
    } touches[] = {{'2', '2'}, {'0', '0'}, {'.', 0}, {',', 0}, {'a', 0}, {'-', 0}, {8, 8}, {13, 13}};
    for (const auto& k : touches)
        EXPECT_EQ(Tf_ChoixNombre::FiltreTouche(k.touche), k.attendu) << int(k.touche);
    EXPECT_EQ(Tf_ChoixNombre::Nombre("3"), 3);
    EXPECT_EQ(Tf_ChoixNombre::Nombre("2."), std::nullopt);
    EXPECT_EQ(Tf_ChoixNombre::Nombre(""), std::nullopt);
    CreeDessin();
    TOwned<Tf_ChoixNombre> d(new Tf_ChoixNombre(nullptr));
    EXPECT_EQ(d->Caption(), vues::Texte(1328, "Nombre"));
    EXPECT_EQ(d->e_Nombre->GetText(), "2");
    kit::RunModal(d.get(), [](TForm* f) {
        auto* n = static_cast<Tf_ChoixNombre*>(f);
        n->e_Nombre->SetText("");
        kit::Type(n->e_Nombre, "2.5");
        n->BoutonCopie1->Click();
    });
    EXPECT_EQ(d->e_Nombre->GetText(), "25");
}

// A home player on the away side's goals is a home own goal; an own goal is
// not moved, a player whose name ends with ")" is.
TEST(Carton, OwnGoalAndRefusedBoxes)
{
    Page t;
    PageEssai& p = *t.p;
    p.MatchCourant = 2;   // 2 - 1
    p.AfficheMatch();
    const int32_t fils =
        t.sc.saison->Joueurs().AjouteJoueur(t.sc.saison->CreeJoueur("Zorro (fils)", "Jean", -1, p.IdDomicile))->Numero;
    p.AfficheMatch();
    TFondScroll* buts2 = p.Buts(2);
    ASSERT_GE(p.Lignes(buts2), 1);
    TCarton* b = p.Boite(buts2, 0);
    t.Glisse(1, 0, b);
    EXPECT_EQ(b->Text(), NomEntreeListe(t.Liste(1)->Items()[0], 8) + " " + LibelleTypeBut(4));
    EXPECT_EQ(b->Tag & 255, 1);
    EXPECT_EQ(b->Tag & TCarton::FlagContreSonCamp, TCarton::FlagContreSonCamp);
    // An away player on the away goals: an ordinary goal of the away side.
    t.Glisse(2, 0, b);
    EXPECT_EQ(b->Tag & 255, 2);
    EXPECT_EQ(b->Tag & TCarton::FlagContreSonCamp, 0);

    struct Cas
    {
        TObject* source;
        TCarton* cible;
        bool accepte;
    };
    t.Glisse(1, 0, b);   // own goal again
    TCarton* carton1 = p.Boite(p.Cartons(1), 0);
    TCarton* carton2 = p.Boite(p.Cartons(2), 0);
    TListe* lh = t.Liste(1);
    for (int i = 0; i < lh->Items().Count(); ++i)
        if (NumeroEntreeListe(lh->Items()[i], 8, true) == fils)
            t.Glisse(1, i, p.Boite(p.Buts(1), 0));
    ASSERT_EQ(p.Boite(p.Buts(1), 0)->Numero, fils);
    const Cas cas[] = {
        {b, carton2, false},                 // an own goal
        {p.Boite(p.Buts(1), 0), p.Boite(p.Buts(1), 1), true},   // a name ending with ")"
        {carton1, carton2, false},           // empty box
        {t.Liste(2), p.Boite(p.Buts(1), 0), true},    // away player, home goals: own goal (football)
        {t.Liste(2), carton1, false},        // away player, home cards
        {t.Liste(1), carton1, true},
    };
    for (const Cas& k : cas) {
        bool a = !k.accepte;
        k.cible->DragOver(k.source, 1, 1, dsDragMove, a);
        EXPECT_EQ(a, k.accepte) << (&k - cas);
    }
    // Rugby: no own goals.
    Page r(1);
    r.p->MatchCourant = 2;
    r.p->AfficheMatch();
    ASSERT_GE(r.p->Lignes(r.p->Buts(2)), 1);
    bool a = true;
    r.p->Boite(r.p->Buts(2), 0)->DragOver(r.Liste(1), 1, 1, dsDragMove, a);
    EXPECT_FALSE(a);
}

// A box dragged back onto its list: its row goes, the rows below move up 30
// pixels and are renumbered.
TEST(Carton, BoxDraggedBackRemovesItsRow)
{
    Page t;
    PageEssai& p = *t.p;
    TFondScroll* cartons = p.Cartons(1);
    for (int i = 0; i < 3; ++i)
        t.Glisse(1, i, p.Boite(cartons, i));
    ASSERT_EQ(p.Lignes(cartons), 4);
    const int32_t troisieme = p.Boite(cartons, 2)->Numero;
    p.Boite(cartons, 2)->Minute()->SetText("67");
    TCarton* deuxieme = p.Boite(cartons, 1);
    kit::Drag(deuxieme, {10, 10}, t.Liste(1), {20, 20});
    ASSERT_EQ(cartons->NbControles(), 3);
    ASSERT_EQ(p.Lignes(cartons), 3);
    TCarton* b = p.Boite(cartons, 1);
    EXPECT_EQ(b->Numero, troisieme);
    EXPECT_EQ(b->Parent()->Top(), 30);
    EXPECT_EQ(b->Tag, (2 << 16) + 1);
    EXPECT_EQ(b->Minute()->Text(), "67");
    EXPECT_EQ(b->Minute()->Tag, (2 << 16) + 1);
    EXPECT_EQ(p.Boite(cartons, 2)->Parent()->Top(), 60);
}

// A filled card box dropped on its panel's empty last box: the contents are
// exchanged, the emptied row goes once the drop is over (the boxes of the
// drop are never freed while it runs: clean under AddressSanitizer).
TEST(Carton, ExchangeWithTheLastEmptyBoxFreesTheEmptiedRowAfterTheDrop)
{
    Page t;
    PageEssai& p = *t.p;
    TFondScroll* cartons = p.Cartons(1);
    t.Glisse(1, 0, p.Boite(cartons, 0));
    t.Glisse(1, 1, p.Boite(cartons, 1));
    ASSERT_EQ(p.Lignes(cartons), 3);
    const int32_t premier = p.Boite(cartons, 0)->Numero, second = p.Boite(cartons, 1)->Numero;
    kit::Drag(p.Boite(cartons, 0), {10, 10}, p.Boite(cartons, 2), {10, 10});
    kit::Process();
    ASSERT_EQ(cartons->NbControles(), p.Lignes(cartons));
    ASSERT_EQ(p.Lignes(cartons), 3);
    EXPECT_EQ(p.Boite(cartons, 0)->Numero, second);
    EXPECT_EQ(p.Boite(cartons, 1)->Numero, premier);
    EXPECT_TRUE(p.Boite(cartons, 2)->Text().empty());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p.Boite(cartons, i)->Parent()->Top(), 30 * i);
        EXPECT_EQ(p.Boite(cartons, i)->Tag, ((i + 1) << 16) + 1);
    }
}

// The launcher: the registered scorers page of the sport opens on the match
// the caller names (matchday << 8 + match) and writes when the match changes.
TEST(CadreLanceur, ScorersPageOfTheSportThroughTheMainWindow)
{
    struct Acces : Tf_Principale
    {
        static auto Lanceur() { return &Acces::AfficheSaisieMatch; }
    };
    const std::string dir = Prepare("cadre_lanceur");
    TSaisonComplete sc(0);
    sc.saison->SetChampionnatCourant(sc.ligue);
    const std::string fichier = MakePath(dir, "lanceur.xmc");
    auto f = feuille_essai::SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->Saison);
    int param = (3 << 8) + 2;
    // Not registered: nothing opens.
    (f.get()->*Acces::Lanceur())(2, param);
    EXPECT_EQ(dynamic_cast<PageEssai*>(f->Enfant), nullptr);
    TMultiSport::EnregistreClasse(TGenreFenetre::Buteurs, 0, std::make_shared<TClassePage>([](TComponent* o) {
                                      return new PageEssai(o);
                                  }));
    (f.get()->*Acces::Lanceur())(2, param);
    auto* p = dynamic_cast<PageEssai*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(f->Saison->ChampionnatCourant()->NbJournee, 3);
    EXPECT_EQ(p->MatchCourant, 2);
    EXPECT_EQ(p->IdDomicile, f->Saison->ChampionnatCourant()->Match(3, 2)->IdEquipe(0));
    p->UpDown1->ClickButton(btNext);
    EXPECT_EQ(p->MatchCourant, 1);
    EXPECT_EQ(p->Ecritures, 1);
    // Page 3 keeps the match of the page it replaces; -1 receives it.
    int rendu = -1;
    (f.get()->*Acces::Lanceur())(3, rendu);
    EXPECT_EQ(rendu, (3 << 8) + 1);
    // Page 6 is basketball's only.
    (f.get()->*Acces::Lanceur())(6, rendu);
    EXPECT_EQ(dynamic_cast<PageEssai*>(f->Enfant), nullptr);
    TMultiSport::EnregistreClasse(TGenreFenetre::Buteurs, 0, nullptr);
    TermineFenetre(f);
}

}  // namespace
