// Gestures that change only what they name, or what their one question
// names, taken through their windows on a complete season of each sport shown
// by the main window: a championship out of the season (its box ticked or
// not), a team added to a season written by an earlier version, the options
// validated untouched or with shirt numbers per match unticked, a forfeit
// over a played match. A question is answered both ways: No leaves the whole
// season as it was. Each season is then saved through its file and opens
// again as it was saved, and what the gesture did is checked there again.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/Championnat_Maintenance.h"
#include "model/Joueurs.h"
#include "model/Penalites.h"
#include "model/Stades.h"
#include "model/TableauCoupe.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "records/w_ModifierEquipe.h"
#include "records/w_Effectifs.h"
#include "records/w_FicheClub.h"
#include "records/w_FicheEntraineur.h"
#include "records/w_FicheJoueur.h"
#include "records/w_FicheStade.h"
#include "records/w_Recherche.h"
#include "results/w_FicheArbitre.h"
#include "results/w_InfoMatchCadre.h"
#include "results/w_Resultats.h"
#include "results/w_SaisieRapide.h"
#include "results/w_VuesResultats.h"
#include "setup/w_Barrage.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationBarrage.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_Option.h"
#include "setup/w_RetirerChamp.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/shell/EcartsDocument.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "tests/setup/CreationEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"

using namespace essai;

namespace {

struct TLangue   // the interface in a language while it stands
{
    explicit TLangue(const std::string& l) { Installe(l); }
    ~TLangue() { Installe("fr"); }
    static void Installe(const std::string& l)
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Texte" + l + ".txt")));
    }
};

struct TRoute
{
    FenetreEssai& f;
    int reponse;   // the answer to the gesture's question
    TSaison& S() const { return *f.Saison; }
    TDonneesChampionnat* Champ(int code) const { return S().Arbre().ChampionnatParCode(code); }
};

constexpr int Ligue = 1, Poules = 2, Coupe = 3;   // championship codes
constexpr int Selection = 20, Nouvelle = 21;       // the team the next one added takes

// The next message box answered as the row says, its text kept, grabbed.
void Repond(const TRoute& r, std::vector<std::string>& textes, const std::string& png)
{
    const std::string nom = png + "-" + std::to_string(r.S().Sport()) + (Traduire(29) == "OK" ? "-en" : "");
    kit::WhenModal([&textes, nom, reponse = r.reponse](TForm* f) {
        auto* m = dynamic_cast<Tf_MessageUtil*>(f);
        ASSERT_TRUE(m) << f->Name();
        textes.push_back(m->Label1->Caption());
        kit::GrabToPng(m, nom);
        m->SetModalResult(reponse);
    });
}

// Where two documents part, for the failure's message.
std::string Ecart(const std::string& a, const std::string& b)
{
    const size_t i = static_cast<size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
    const size_t debut = i < 200 ? 0 : i - 200;
    return a.substr(debut, 300) + "\n | \n" + b.substr(debut, 300);
}

// "Composition de la saison": each championship coded selected and
// "Retirer"; in the removal window the boxes of those in coches ticked,
// "Valider" (its question, when textes are given, answered as the row
// says), then "Valider"; "Annuler" when the composition stays open.
void RetireChampionnats(TRoute& r, std::vector<int> codes, std::vector<int> coches,
                        std::vector<std::string>* textes = nullptr)
{
    std::vector<std::string> noms;
    for (int code : coches)
        noms.push_back(r.S().Arbre().NomCompletCode(code));
    const int sport = r.S().Sport();
    QuandFenetre<Tf_CreationSaison>([=](Tf_CreationSaison* c) {
        for (int code : codes)
            for (TTreeNode* n = c->tv_Saison->Items().GetFirstNode(); n; n = n->GetNext())
                if (Tf_CreationSaison::Rec(n)->Objet && Tf_CreationSaison::Rec(n)->Objet->Code == code) {
                    c->tv_Saison->SetSelected(n);
                    kit::Click(c->bc_RetirerElement);
                    break;
                }
        QuandFenetre<Tf_RetirerChamp>([=](Tf_RetirerChamp* t) {
            for (int i = 0; i < t->clb_Championnat->Items().Count(); ++i)
                for (const std::string& nom : noms)
                    if (t->clb_Championnat->Items()[i] == nom)
                        t->clb_Championnat->SetChecked(i, true);
            kit::GrabToPng(t, "gestes-retirer-" + std::to_string(sport));
            if (textes)
                Repond(r, *textes, "gestes-retirer-question");
            kit::Click(t->b_Valider);
        });
        kit::Click(c->b_Valider);
        if (c->ModalResult() == 0)
            kit::Click(c->b_Annuler);
    });
    Commande(r.f, 193);
    kit::ForgetModalActions();
}

// The one question the gesture asked: it begins with debut and names aussi.
void Question(const std::vector<std::string>& textes, const std::string& debut, const std::string& aussi)
{
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_EQ(textes[0].rfind(debut, 0), 0u) << textes[0];
    EXPECT_NE(textes[0].find(aussi), std::string::npos) << textes[0];
}

// A count of player n for team t on matchday 1 of c: a booking, or a
// box-score line where the sport keeps them.
void Compte(TDonneesChampionnat* c, int32_t n, int t)
{
    if (auto* stat = dynamic_cast<TDonneesChampionnatStat*>(c))
        stat->ListeStat(1, stat->PremierCode())->Ajoute(TDonneesEvt::CreateId(n, t, 20));
    else
        c->ListeDonnees(3, 1)->Ajoute(std::make_unique<TDonneesEvt>(n, t, 20, 0));
}

// These teams stay, the national team and its player's link among them.
void TousGardes(TSaison& s, const std::vector<int>& equipes)
{
    for (int i = 0; i < s.NbEquipe(); ++i)
        EXPECT_EQ(s.IdEquipe(i), equipes.at(static_cast<size_t>(i)));
    EXPECT_EQ(s.NomEquipe(Selection), L1("Sélection"));
    const TJoueur* selectionne = s.Joueurs().ChercheJoueurNom("Joueur1", "P0");
    ASSERT_NE(selectionne, nullptr);
    EXPECT_EQ(selectionne->EquipeNational, Selection);
}

// The league's options window (group 1): the gesture, then OK; ouverte
// looks at the window when it stays open.
std::vector<std::string> Options(TRoute& r, std::function<void(Tf_Option*)> geste,
                                 std::function<void(Tf_Option*)> ouverte = nullptr)
{
    std::vector<std::string> textes;
    r.S().SetChampionnatCourant(r.Champ(Ligue));
    QuandFenetre<Tf_Option>([&](Tf_Option* o) {
        geste(o);
        Repond(r, textes, "gestes-options-question");
        kit::Click(o->b_Valider);
        // No leaves the window open, as it stood: "Annuler" closes it.
        if (o->ModalResult() == 0) {
            if (ouverte)
                ouverte(o);
            kit::Click(o->b_Annuler);
        }
    });
    Commande(r.f, 176);
    kit::Process(20);
    kit::ForgetModalActions();
    return textes;
}

// The league's matchday count brought down from 6 to nbJour in its options,
// its up-down's lower arrow clicked or the number typed in its box: the one
// question names the matchdays that go with their matches; No shows 6 again.
std::vector<std::string> Journees(TRoute& r, int nbJour, bool fleche, std::vector<std::string> journees)
{
    const auto textes = Options(
        r,
        [=](Tf_Option* o) {
            o->PageControl1->SetActivePage(o->ts_Generaux);
            TUpDown* u = o->UpDown10;
            for (int k = 6; fleche && k > nbJour; --k)
                kit::Click(u, u->Width() / 2, u->Height() * 3 / 4);
            if (!fleche)
                TapeDans(u->Associate(), std::to_string(nbJour));
            EXPECT_EQ(Tf_Option::Position(u), nbJour);
        },
        [](Tf_Option* o) {
            EXPECT_EQ(Tf_Option::Position(o->UpDown10), 6);
            EXPECT_EQ(o->UpDown10->Associate()->GetText(), "6");
        });
    std::string attendu = TraduireFormat(6030, {r.S().Arbre().NomCompletCode(Ligue), 6, nbJour});
    for (int n = nbJour + 1; n <= 6; ++n)
        attendu += "\n" + TraduireFormat(6031, {n, journees.at(static_cast<size_t>(n - nbJour - 1))});
    EXPECT_EQ(textes, std::vector<std::string>{attendu + "\n" + Traduire(6033)});
    return textes;
}

// The season before less the league's matchdays above nbJour and their
// states; the matchday shown and the last played within the count.
void JourneesRetirees(TSaison& s, const std::string& avant, int nbJour)
{
    auto attendu = Lit(s.Sport(), avant);
    TDonneesChampionnat* l = attendu->Arbre().ChampionnatParCode(Ligue);
    for (int n = nbJour + 1; n <= 6; ++n)
        l->Penalites().SupprimeJournee(n);
    l->SetNbJournees(nbJour);
    l->NbJournee = static_cast<uint8_t>(std::min(nbJour, 5));
    l->DerniereJournee = static_cast<uint8_t>(std::min(nbJour, 4));
    EXPECT_TRUE(SansDate(Document(s)) == SansDate(Document(*attendu)))
        << Ecart(SansDate(Document(s)), SansDate(Document(*attendu)));
    EXPECT_EQ(s.Arbre().ChampionnatParCode(Ligue)->NbJour(), nbJour);
    EXPECT_EQ(s.Arbre().ChampionnatParCode(Ligue)->Penalites().ListeJournee(6).size(), 0u);
}

// The season's document with the league's option word 11 at v alone.
std::string AvecOption11(int sport, uint16_t v)
{
    TSaisonComplete c(sport);
    c.saison->SetChampionnatCourant(c.ligue);
    c.ligue->SetOption(11, v);
    return SansDate(Document(*c.saison));
}

// The results page of the league on matchday 2 (Lens - Nantes, Lille -
// Brest, both played with their sheets): a right click on Lens, "Forfait";
// then matchday 3 and back, which writes the matchday.
std::vector<std::string> Forfait(TRoute& r)
{
    std::vector<std::string> textes;
    r.S().SetChampionnatCourant(r.Champ(Ligue));
    Commande(r.f, 13);
    kit::Process(20);
    auto* v = dynamic_cast<Tf_Resultats*>(r.f.Enfant);
    EXPECT_TRUE(v);
    if (!v)
        return textes;
    kit::MouseDown(v->Ligne(0).Domicile, 5, 5, mbRight);
    kit::MouseUp(v->Ligne(0).Domicile, 5, 5, mbRight);
    v->pm_Forfait->CloseMenu();
    Repond(r, textes, "gestes-forfait-question");
    v->mi_Forfait->Click();
    kit::ForgetModalActions();
    kit::GrabToPng(v, "gestes-forfait-" + std::to_string(r.S().Sport()));
    v->TrackBar1->SetPosition(3);
    v->TrackBar1->SetPosition(2);
    return textes;
}

// "Modifier les équipes": the team's line clicked, "Effacer", "Terminer".
std::vector<std::string> EffaceEquipe(TRoute& r, int id)
{
    std::vector<std::string> textes;
    QuandFenetre<Tf_ModifierEquipe>([&](Tf_ModifierEquipe* m) {
        const TRect l = m->l_Equipe->ItemRect(m->l_Equipe->Items().IndexOfObject(id));
        kit::Click(m->l_Equipe, l.Left + 10, (l.Top + l.Bottom) / 2);
        Repond(r, textes, "gestes-effacer-equipe");
        kit::Click(m->bc_Effacer);
        kit::ForgetModalActions();
        kit::GrabToPng(m, "gestes-modifier-equipes-" + std::to_string(r.S().Sport()));
        kit::Click(m->bc_Terminer);
    });
    Commande(r.f, 144);
    kit::ForgetModalActions();
    return textes;
}

// The national team with two players of its own and a club record.
std::unique_ptr<TSaison> SelectionComplete(TSaisonComplete& c)
{
    TSaison& s = *c.saison;
    for (const char* prenom : {"Un", "Deux"})
        s.Joueurs().AjouteJoueur(s.CreeJoueur(L1("Sélectionné"), prenom, -1, Selection));
    s.RensClubs().NouveauRensClub(Selection)->Nom = L1("Fédération");
    return std::move(c.saison);
}

// ---- people and their records

// The players whose records the season holds otherwise than the document
// before ("name|first name|club id", made "+", changed "~", gone "-");
// nothing else differs.
std::vector<std::string> Changees(const std::string& avant, TSaison& s)
{
    auto fiches = [](const std::string& doc, std::string& reste) {
        std::map<std::string, std::string> m;
        auto champ = [](const std::string& e, const std::string& n) {
            const size_t d = e.find("<" + n + ">") + n.size() + 2;
            return e.substr(d, e.find("</" + n + ">", d) - d);
        };
        size_t p = 0;
        for (size_t a = doc.find("<Joueur>"); a < doc.find("</Joueurs>"); a = doc.find("<Joueur>", p)) {
            reste += doc.substr(p, a - p);
            p = doc.find("</Joueur>", a) + 9;
            const std::string e = doc.substr(a, p - a);
            p = doc.find_first_not_of("\r\n", p);
            m[champ(e, "Nom") + "|" + champ(e, "Prenom") + "|" + champ(e, "ClubActuel")] = e;
        }
        reste += doc.substr(p);
        return m;
    };
    std::string ra, rb;
    const auto a = fiches(avant, ra), b = fiches(SansDate(Document(s)), rb);
    std::vector<std::string> v;
    for (const auto& [k, e] : a)
        if (!b.count(k) || b.at(k) != e)
            v.push_back((b.count(k) ? "~" : "-") + k);
    for (const auto& [k, e] : b)
        if (!a.count(k))
            v.push_back("+" + k);
    EXPECT_TRUE(ra == rb) << Ecart(ra, rb);
    return v;
}

TJoueur* Joueur(TSaison& s, const char* nom, const char* prenom, int club)
{
    return s.Joueurs().Homonyme(nullptr, L1(nom), prenom, club);
}

// A player of the club added to the season, with a career line of each year.
TJoueur* AjouteJoueur(TSaison& s, const char* nom, int club, std::vector<int> annees)
{
    TJoueur* j = s.Joueurs().AjouteJoueur(s.CreeJoueur(L1(nom), "Luc", -1, club));
    for (int a : annees)
        j->AjouteHistorique({a, 101, 1, 30, 12, 0, 0});
    return j;
}

// The national team and another in an international championship, current.
std::unique_ptr<TSaison> Selections(TSaisonComplete& c)
{
    c.saison->AjouteEquipe("Autre Nation", Nouvelle);
    auto ch = c.Nouveau(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeInternational);
    ch->AjouteEquipe(Selection);
    ch->AjouteEquipe(Nouvelle);
    ch->SetNbJournees(2);
    c.saison->SetChampionnatCourant(c.saison->Arbre().AjouteChampionnat("Nations", "Nations", std::move(ch), "Monde")->Championnat());
    return std::move(c.saison);
}

// The squads (147) of a team clicked in the team list, every category shown,
// and the row naming nom ("": the empty last row) clicked once or twice.
Tf_Effectifs* Effectifs(TRoute& r, int equipe, const char* nom = nullptr, int clics = 1)
{
    Commande(r.f, 147);
    auto* e = dynamic_cast<Tf_Effectifs*>(r.f.Enfant);
    for (int i = 0; e && i < e->l_Equipe->Items().Count(); ++i)
        if (Tf_Effectifs::IdEntree(e->l_Equipe->Items()[i]) == equipe)
            kit::Click(e->l_Equipe, 20, e->l_Equipe->ItemRect(i).Top + 3);
    if (e && e->p_Categories->Visible()) {
        e->cb_Categories->SetItemIndex(0);
        e->cb_CategoriesChange(nullptr);
    }
    TColorStringGrid* g = e ? e->sg_TableauEquipe : nullptr;
    for (int k = 1; nom && g && k < g->RowCount(); ++k)
        if (g->Cells(2, k) == nom || (!*nom && k == g->RowCount() - 1)) {
            const TRect c = g->CellRect(2, k);
            if (clics == 2)
                kit::DblClick(g, c.Left + 5, c.Top + 5);
            else
                kit::Click(g, c.Left + 5, c.Top + 5);
            break;
        }
    EXPECT_TRUE(e);
    return e;
}

// A new player's card from the squads' empty row, Joueur2 and the first name
// typed key by key, then validated; the question, if any, answered (Yes: his
// card is shown, then validated; Cancel: the card then cancelled).
std::vector<std::string> NouvelleFiche(TRoute& r, int equipe, const char* prenom, int reponse)
{
    std::vector<std::string> textes;
    QuandFenetre<Tf_FicheJoueur>([&](Tf_FicheJoueur* f) {
        kit::TypeKeys(f->e_Nom, "Joueur2");
        kit::TypeKeys(f->e_Prenom, prenom);
        EXPECT_TRUE(!f->Joueur && !f->JoueurTrouve && f->b_Annuler->Visible()) << "taken as typed";
        if (reponse)
            Repond(TRoute{r.f, reponse}, textes, "gestes-fiche-question");
        kit::Click(f->b_Valider);
        EXPECT_EQ(f->e_Taille->GetText(), reponse == mrYes ? "170" : "");
        kit::GrabToPng(f, "gestes-fiche-" + std::to_string(r.S().Sport()));
        if (reponse == mrYes || reponse == mrCancel)
            kit::Click(reponse == mrYes ? f->b_Valider : f->b_Annuler);
    });
    Effectifs(r, equipe, "", 2);
    kit::ForgetModalActions();
    EXPECT_EQ(textes.size(), reponse ? 1u : 0u);
    return textes;
}

// The cup's match sheet on its first match, Lens - Metz, which has no stadium
// (its box shows Lens's ground): the box reached by Tab from the attendance,
// a name no one has typed over what it shows (with vide, the box emptied by
// Backspace first), Tab, the card it opens cancelled: the box shows what it
// held before the name; the sheet then left for the results page.
std::vector<std::string> CarteAnnulee(TRoute& r, const char* boite, const char* nom, bool vide = false)
{
    Commande(r.f, 14);
    kit::Process(20);
    auto* p = dynamic_cast<Tf_InfoMatchCadreBase*>(r.f.Enfant);
    TComboBox* b = p ? kit::Find<TComboBox>(p, boite) : nullptr;
    EXPECT_TRUE(b && p->IdDomicile == 0 && p->IdExterieur == 4);
    if (!b)
        return {};
    const std::string montre = b->GetText();
    std::string carte;
    kit::WhenModal([&carte](TForm* m) {
        carte = m->Name();
        if (auto* a = dynamic_cast<Tf_FicheArbitre*>(m))
            kit::Click(a->b_Annuler);
        else if (auto* t = dynamic_cast<Tf_FicheStade*>(m))
            kit::Click(t->b_Annuler);
        else
            m->SetModalResult(mrCancel);
    });
    // from the attendance, the header's first box, Tab to the box
    if (auto* a = kit::Find<TWinControl>(p, "AffichageScore"))
        kit::Click(a);
    for (int k = 0; k < 40 && !b->Focused(); ++k)
        kit::PressKey(nullptr, VK_TAB);
    EXPECT_TRUE(b->Focused()) << "not reached by Tab";
    if (vide) {
        kit::PressKey(nullptr, VK_BACK);
        kit::PressKey(nullptr, VK_TAB);
        kit::PressKey(nullptr, VK_TAB, ssShift);
    }
    kit::TypeKeys(nullptr, nom);
    kit::PressKey(nullptr, VK_TAB);
    EXPECT_TRUE(kit::WaitUntil([&carte] { return !carte.empty(); })) << "no card";
    kit::Process(20);
    EXPECT_EQ(b->GetText(), vide ? std::string() : montre);
    kit::GrabToPng(p, std::string("gestes-carte-annulee-") + boite + "-" + std::to_string(r.S().Sport()) +
                          (Traduire(29) == "OK" ? "-en" : ""));
    Commande(r.f, 13);
    kit::Process(20);
    return {};
}

// The cup current on its first round.
std::unique_ptr<TSaison> CoupeTour1(TSaisonComplete& c)
{
    c.coupe->NbJournee = 1;
    c.saison->SetChampionnatCourant(c.coupe);
    return std::move(c.saison);
}

// ---- windows left without their OK

// How a window is left without its OK: its "Annuler", Escape, its close box.
enum class TSortie { Annuler, Echap, Croix };

void Quitte(TForm* f, TControl* annuler, TSortie sortie)
{
    if (sortie == TSortie::Annuler)
        kit::Click(annuler);
    else if (sortie == TSortie::Echap)
        kit::PressKey(f->ActiveControl() ? f->ActiveControl() : f, VK_ESCAPE);   // the window active
    else
        f->Widget()->close();
}

// The season as the document before, field by field.
void Inchangee(TSaison& s, const std::string& avant)
{
    std::vector<std::string> ecarts;
    for (const marche::TEcart& e : marche::Ecarts(avant, SansDate(Document(s))))
        ecarts.push_back(e.rec.cle + ": " + e.Ligne());
    EXPECT_EQ(ecarts, std::vector<std::string>{});
}

// The tree entry of the composition whose championship (or play-off, with
// the bit 0x8000) has that code.
TTreeNode* Entree(Tf_CreationSaison* c, int code)
{
    for (TTreeNode* n = c->tv_Saison->Items().GetFirstNode(); n; n = n->GetNext())
        if (const auto* r = Tf_CreationSaison::Rec(n); (r->Objet && r->Objet->Code == code) ||
                                                       (!r->Objet && n->Level() == 2 && r->Code == code))
            return n;
    ADD_FAILURE() << "no entry " << code;
    return nullptr;
}

// "Composition de la saison": the league selected, "Retirer", "Valider";
// the removal window, its box ticked, looked at, then left by sortie: the
// composition stays open with the league in the season; then "Annuler".
void RetraitQuitte(TRoute& r, TSortie sortie, std::function<void(Tf_RetirerChamp*)> regarde = nullptr)
{
    QuandFenetre<Tf_CreationSaison>([&r, sortie, regarde](Tf_CreationSaison* c) {
        c->tv_Saison->SetSelected(Entree(c, Ligue));
        kit::Click(c->bc_RetirerElement);
        bool vue = false;
        QuandFenetre<Tf_RetirerChamp>([&](Tf_RetirerChamp* t) {
            vue = true;
            ASSERT_EQ(t->clb_Championnat->Items().Count(), 1);
            t->clb_Championnat->SetChecked(0, true);
            if (regarde)
                regarde(t);
            Quitte(t, t->b_Annuler, sortie);
        });
        kit::Click(c->b_Valider);
        EXPECT_TRUE(vue);
        EXPECT_EQ(c->ModalResult(), mrNone) << "the composition closed";
        EXPECT_NE(r.Champ(Ligue), nullptr);
        if (c->ModalResult() == mrNone)
            kit::Click(c->b_Annuler);
    });
    Commande(r.f, 193);
    kit::ForgetModalActions();
}

// "Composition de la saison": a double click on the play-off (places 2-3 of
// the league, 1 and 4 of the other division), "1-4" typed over its first
// row, "Valider"; then the composition left by sortie.
void BarrageQuitte(TRoute& r, TSortie sortie)
{
    QuandFenetre<Tf_CreationSaison>([&r, sortie](Tf_CreationSaison* c) {
        TTreeNode* n = Entree(c, 0x8000 | 3);
        ASSERT_TRUE(n);
        c->tv_Saison->SetSelected(n);
        bool vue = false;
        QuandFenetre<Tf_Barrage>([&](Tf_Barrage* b) {
            vue = true;
            ASSERT_EQ(b->Lignes.size(), 2u);
            EXPECT_EQ(b->Lignes[0].Texte->Text(), "2-3;");
            TapeDans(b->Lignes[0].Texte, "1-4");
            kit::Click(b->b_Valider);
        });
        const TRect e = n->DisplayRect(true);
        kit::DblClick(c->tv_Saison, (e.Left + e.Right) / 2, (e.Top + e.Bottom) / 2);
        EXPECT_TRUE(vue);
        const TDivisionBarrage* d = r.S().Arbre().ListeBarrages().at(0)->Division(0);
        EXPECT_TRUE(d && d->Places.size() == 1 && d->Places[0].Min == 1 && d->Places[0].Max == 4) << "not edited";
        Quitte(c, c->b_Annuler, sortie);
    });
    Commande(r.f, 193);
    kit::ForgetModalActions();
}

// "Composition de la saison": "Créer un championnat" validated as it opens,
// a new name typed in each box of its teams, OK; then the composition left
// by sortie.
void ChampionnatQuitte(TRoute& r, TSortie sortie)
{
    const int equipes = r.S().NbEquipe();
    QuandFenetre<Tf_CreationSaison>([&r, sortie, equipes](Tf_CreationSaison* c) {
        QuandFenetre<Tf_Creation>([](Tf_Creation* k) { kit::Click(k->b_Valider); });
        size_t n = 0;
        QuandFenetre<Tf_SaisieEquipes>([&n](Tf_SaisieEquipes* e) {
            n = e->Equipes.size();
            for (size_t i = 0; i < n; ++i)
                TapeDans(e->Equipes[i], "Neuve " + std::to_string(i + 1));
            kit::Click(e->b_Ok);
        });
        kit::Click(c->bc_CreeChamp);
        EXPECT_GE(n, 2u);
        EXPECT_EQ(r.S().NbEquipe(), equipes + static_cast<int>(n)) << "no team typed";
        Quitte(c, c->b_Annuler, sortie);
    });
    Commande(r.f, 193);
    kit::ForgetModalActions();
}

// ---- a play-off's final

constexpr int Finale = 0x8004;   // the championship of play-off 4

// Play-off 4: the first two of the league in a final of one match; the words
// of its definition from 19 on as given (forfeit scores, English-average
// points), none by default.
std::unique_ptr<TSaison> AvecFinale(TSaisonComplete& c, std::vector<uint8_t> mots = {})
{
    auto b = std::make_unique<TDonneesBarrage>();
    b->Code = 4;
    b->AjouteDivision(Ligue, {{1, 2}});
    b->AjouteTour(1, 1)->AjouteRencontre(Ligue, Ligue, 1, 2);
    for (size_t i = 0; i < mots.size(); ++i)
        b->SetOption(19 + static_cast<int>(i), mots[i]);
    c.saison->Arbre().AjouteBarrage("Finale", "France", std::move(b));
    return std::move(c.saison);
}

// The same final already made, as earlier versions saved it: its cup holds 0
// in words 19 to 26. The season opened from that document, the cup current.
std::unique_ptr<TSaison> FinaleAncienne(TSaisonComplete& c)
{
    auto f = c.Nouveau(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational);
    f->AjouteEquipe(0);
    f->AjouteEquipe(1);
    const TInfoTourCoupe finale[] = {{1, 1, 1}};
    f->CreeToursCoupe(finale);
    f->SetOption(1, 1);
    for (int i = 19; i <= 26; ++i)
        f->SetOption(i, 0);
    f->CreeMatch(1, 0, 1, 65535, 65535);
    f->CodeChamp = Finale;
    TDescNoeud* n = c.saison->Arbre().AjouteChampionnat("Finale", "Finale", std::move(f), "France");
    c.saison->SetChampionnatCourant(n->Championnat());
    return Lit(c.sport, SansDate(Document(*c.saison)));
}

// The final made by "Créer un barrage..." (cree) or opened current; its
// results page: a right click on its home team, "Forfait"; then the squads
// shown, which writes the matchday.
std::vector<std::string> ForfaitFinale(TRoute& r, bool cree, const std::string& png)
{
    if (cree) {
        QuandFenetre<Tf_CreeBarrage>([](Tf_CreeBarrage* c) {
            EXPECT_EQ(c->cb_Barrage->Items().Count(), 1);
            RepondBoite(mrOk);   // "created"
            kit::Click(c->b_Continuer);
        });
        Commande(r.f, 194);
        kit::Process(20);
        kit::ForgetModalActions();
    }
    std::vector<std::string> textes;
    EXPECT_TRUE(r.Champ(Finale) && r.S().ChampionnatCourant() == r.Champ(Finale));
    Commande(r.f, 13);
    kit::Process(20);
    auto* v = dynamic_cast<Tf_Resultats*>(r.f.Enfant);
    EXPECT_TRUE(v && v->NbLignes() == 1);
    if (!v || v->NbLignes() != 1)
        return textes;
    kit::MouseDown(v->Ligne(0).Domicile, 5, 5, mbRight);
    kit::MouseUp(v->Ligne(0).Domicile, 5, 5, mbRight);
    v->pm_Forfait->CloseMenu();
    Repond(r, textes, "gestes-forfait-finale-question");
    v->mi_Forfait->Click();
    kit::ForgetModalActions();
    kit::GrabToPng(v, "gestes-forfait-" + png + "-" + std::to_string(r.S().Sport()) +
                          (Traduire(29) == "OK" ? "-en" : ""));
    Commande(r.f, 147);
    kit::Process(20);
    return textes;
}

// The final's home team won it by forfeit: the cup holds these words from 19
// on (none given: those of a new championship, the sport's), the match their
// forfeit scores and the forfeit's state, and the cup is the team's.
void FinaleGagnee(TSaison& s, std::vector<int> mots = {})
{
    const TDonneesChampionnat* c = s.Arbre().ChampionnatParCode(Finale);
    const auto neuf = s.CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    const TInfoComp* m = c ? c->Match(1, 1) : nullptr;
    ASSERT_TRUE(m);
    for (int i = 19; i <= 26; ++i)
        EXPECT_EQ(static_cast<int16_t>(c->Option(i)), mots.empty() ? static_cast<int16_t>(neuf->Option(i))
                                                                   : mots.at(static_cast<size_t>(i - 19)))
            << "word " << i;
    EXPECT_EQ(std::make_pair(m->Score(0) & 0x7FFF, m->Score(1) & 0x7FFF),
              std::make_pair(int{c->Option(19)}, int{c->Option(20)}));
    const TPenalite* p = c->Penalites().Cherche(m->IdEquipe(0), m->IdEquipe(1), 1);
    EXPECT_TRUE(p && p->Type == etatForfait);
    EXPECT_EQ(Tableau(*c, MatchsCoupe(*c)).Tours.at(0).Ties.at(0).Vainqueur, m->IdEquipe(0));
}

struct TGeste
{
    const char* nom;
    bool question;   // the gesture asks once: answered No, then Yes
    int sports;      // bit s: taken in sport s
    std::function<std::unique_ptr<TSaison>(TSaisonComplete&)> saison;   // none: the complete season
    std::function<std::vector<std::string>(TRoute&)> geste;              // the questions' texts
    // What it did (answered Yes), shown and once opened again; avant: the document before.
    std::function<void(TSaison&, const std::string& avant)> fait;
};

const TGeste gestes[] = {
    {"the cup out of the season, its box unticked: every team and player stays", false, 15, nullptr,
     [](TRoute& r) {
         RetireChampionnats(r, {Coupe}, {});
         return std::vector<std::string>{};
     },
     [](TSaison& s, const std::string&) {
         EXPECT_EQ(s.Arbre().ChampionnatParCode(Coupe), nullptr);
         TousGardes(s, {0, 1, 2, 3, 4, 5, 6, 7, Selection});
         EXPECT_EQ(s.Joueurs().NbJoueur(), 24);
     }},
    {"the league in groups and the cup out with their teams: the national team stays", false, 15, nullptr,
     [](TRoute& r) {
         RetireChampionnats(r, {Poules, Coupe}, {Poules, Coupe});
         return std::vector<std::string>{};
     },
     [](TSaison& s, const std::string&) {
         EXPECT_EQ(s.Arbre().ListeChampionnats().size(), 1u);
         TousGardes(s, {0, 1, 2, 3, Selection});
         EXPECT_EQ(s.Joueurs().ChercheJoueurNom("Joueur4", "P0"), nullptr);
     }},
    {"the league and the cup out with their teams: Lille's player selected by the national team stays, without "
     "a club",
     false, 15, nullptr,
     [](TRoute& r) {
         RetireChampionnats(r, {Ligue, Coupe}, {Ligue, Coupe});
         return std::vector<std::string>{};
     },
     [](TSaison& s, const std::string&) {
         EXPECT_EQ(s.Arbre().ListeChampionnats().size(), 1u);
         TousGardes(s, {4, 5, 6, 7, Selection});
         if (const TJoueur* j = s.Joueurs().ChercheJoueurNom("Joueur1", "P0"))
             EXPECT_EQ(j->ClubActuel, TJoueur::Aucun);
         EXPECT_EQ(s.Joueurs().NbJoueur(), 13);
     }},
    {"the league and the cup out: Lille's selected player and Brest's Dupont counted in the groups, kept without a "
     "club, are made one with their namesakes without one after the one question; the cup's Dupont then stays",
     true, 15,
     [](TSaisonComplete& c) {
         TSaison& s = *c.saison;
         s.Joueurs().AjouteJoueur(s.CreeJoueur("Joueur1", "P0", -1, TPersonnel::Aucun))->AjouteHistorique({1999, 101, 1, 30, 12, 0, 0});
         // one counted in the cup, the other in the groups
         Compte(c.coupe, AjouteJoueur(s, "Dupont", TPersonnel::Aucun, {})->Numero, 0);
         Compte(c.groupes, AjouteJoueur(s, "Dupont", 3, {})->Numero, 4);
         return std::move(c.saison);
     },
     [](TRoute& r) {
         std::vector<std::string> textes;
         RetireChampionnats(r, {Ligue, Coupe}, {Ligue, Coupe}, &textes);
         const std::string lille = "Joueur1 P0 (Lille)", p0 = "Joueur1 P0", brest = "Dupont Luc (Brest)", luc = "Dupont Luc";
         Question(textes, Traduire(5991) + "\n" + TraduireFormat(5990, {brest, luc, brest, luc}) + "\n",
                  "\n" + TraduireFormat(5990, {lille, p0, lille, p0}) + "\n");
         return textes;
     },
     [](TSaison& s, const std::string&) {
         EXPECT_EQ(s.Arbre().ListeChampionnats().size(), 1u);
         TousGardes(s, {4, 5, 6, 7, Selection});
         const TJoueur* j = s.Joueurs().Homonyme(nullptr, "Joueur1", "P0", TPersonnel::Aucun);
         const TJoueur* d = Joueur(s, "Dupont", "Luc", TPersonnel::Aucun);
         ASSERT_TRUE(j && d);
         EXPECT_EQ(j->NbHistorique() * 100 + j->EquipeNational + s.Joueurs().NbJoueur() * 1000, 14120);
         // the groups' count names the one kept
         EXPECT_TRUE(s.JoueurCite(d->Numero));
     }},
    {"the national team deleted in the team dialog: its players, club record and selections are named", true, 15,
     SelectionComplete,
     [](TRoute& r) {
         const auto textes = EffaceEquipe(r, Selection);
         const std::string attendu = TraduireFormat(5860, {L1("Sélection")}) + "\n" +
                                     TraduireFormat(5861, {L1("Sélectionné Deux, Sélectionné Un")}) + "\n" +
                                     Traduire(5863) + "\n" + TraduireFormat(5864, {std::string("Joueur1 P0 (Lille)")});
         EXPECT_EQ(textes, std::vector<std::string>{attendu});
         return textes;
     },
     [](TSaison& s, const std::string& avant) {
         // the season before, less what the question named
         auto attendu = Lit(s.Sport(), avant);
         for (const char* prenom : {"Un", "Deux"})
             attendu->Joueurs().RetireJoueur(attendu->Joueurs().ChercheJoueurNom(L1("Sélectionné"), prenom));
         attendu->SupprimeEquipe(Selection);
         EXPECT_TRUE(SansDate(Document(s)) == SansDate(Document(*attendu)))
             << Ecart(SansDate(Document(s)), SansDate(Document(*attendu)));
         EXPECT_EQ(s.Joueurs().NbJoueur(), 24);
         EXPECT_EQ(s.RensClubs().ChercheRensClub(Selection), nullptr);
     }},
    {"a club deleted whose player, selected, meets a namesake without a club: the team's question names the merge",
     true, 15,
     [](TSaisonComplete& c) {
         TSaison& s = *c.saison;
         s.AjouteEquipe("Libre", Nouvelle);
         s.Joueurs().ChangeEquipeNationale(AjouteJoueur(s, "Dupont", Nouvelle, {2001}), Selection);
         AjouteJoueur(s, "Dupont", TPersonnel::Aucun, {1999});
         return std::move(c.saison);
     },
     [](TRoute& r) {
         const auto textes = EffaceEquipe(r, Nouvelle);
         const std::string libre = "Dupont Luc (Libre)", seul = "Dupont Luc";
         Question(textes, TraduireFormat(5860, {std::string("Libre")}) + "\n" + TraduireFormat(5862, {seul}) + "\n" +
                              TraduireFormat(5990, {libre, seul, libre, seul}) + "\n",
                  DeuxPoints(Traduire(69), "2001-02"));
         return textes;
     },
     [](TSaison& s, const std::string& avant) {
         // the season before, less what the question named
         auto attendu = Lit(s.Sport(), avant);
         attendu->FusionneJoueurs(Joueur(*attendu, "Dupont", "Luc", TPersonnel::Aucun), Joueur(*attendu, "Dupont", "Luc", Nouvelle));
         attendu->SupprimeEquipe(Nouvelle);
         EXPECT_TRUE(SansDate(Document(s)) == SansDate(Document(*attendu)))
             << Ecart(SansDate(Document(s)), SansDate(Document(*attendu)));
         const TJoueur* j = Joueur(s, "Dupont", "Luc", TPersonnel::Aucun);
         ASSERT_TRUE(j);
         EXPECT_EQ(j->NbHistorique() * 100 + j->EquipeNational + s.Joueurs().NbJoueur() * 1000, 25220);
     }},
    {"a season of an earlier version whose erased team is still named: a team added takes none of its links",
     false, 15,
     [](TSaisonComplete& c) {
         // What the earlier version left: a player's national team, a
         // coach's club and a club record of a team it no longer holds.
         TSaison& s = *c.saison;
         const std::string sans = SansDate(Document(s));
         EXPECT_EQ(s.ProchainIdEquipe(), Nouvelle);
         s.Joueurs().ChercheJoueurNom("Joueur2", "P0")->SetEquipeNationale(Nouvelle);
         for (int i = 0; i < s.Entraineurs().NbPersonnel(); ++i)
             if (auto* e = dynamic_cast<TEntraineur*>(s.Entraineurs().Personnel(i)); e && e->Nom == "Martin")
                 e->ClubActuel = Nouvelle;
         s.RensClubs().NouveauRensClub(Nouvelle)->Nom = "Club disparu";
         const std::string ancien = SansDate(Document(s));
         EXPECT_NE(ancien, sans);
         // It opens with those links dropped and nothing else changed.
         auto lue = Lit(c.sport, ancien);
         EXPECT_TRUE(SansDate(Document(*lue)) == sans) << "opened otherwise";
         return lue;
     },
     [](TRoute& r) {
         r.S().SetChampionnatCourant(r.Champ(Ligue));
         QuandFenetre<Tf_AjouterEquipe>([](Tf_AjouterEquipe* a) {
             kit::TypeKeys(a->cb_Equipes, "Nouvelle");
             kit::Click(a->bc_Ajouter);
             kit::Click(a->bc_Valider);
         });
         Commande(r.f, 232);
         kit::ForgetModalActions();
         return std::vector<std::string>{};
     },
     [](TSaison& s, const std::string&) {
         EXPECT_EQ(s.NomEquipe(Nouvelle), "Nouvelle");
         EXPECT_GE(s.Arbre().ChampionnatParCode(Ligue)->IndexEquipe(Nouvelle), 0);
         for (int i = 0; i < s.Joueurs().NbJoueur(); ++i)
             EXPECT_NE(s.Joueurs().Joueur(i)->EquipeNational, Nouvelle) << s.Joueurs().Joueur(i)->Nom;
         for (int i = 0; i < s.Entraineurs().NbPersonnel(); ++i)
             EXPECT_NE(dynamic_cast<TEntraineur*>(s.Entraineurs().Personnel(i))->ClubActuel, Nouvelle);
         EXPECT_EQ(s.RensClubs().ChercheRensClub(Nouvelle), nullptr);
     }},
    {"the cup's results page shown and left untouched: matches past their rounds' counts stay, shown", false, 15,
     [](TSaisonComplete& c) {
         // (the kit's cup holds three matches in a round of two)
         TInfoComp* m = c.coupe->MatchEquipes(1, 2, 6);
         EXPECT_TRUE(m);
         if (m) {
             m->SetScore(0, 2);
             m->SetScore(1, 1);
             m->SetAffluence(777);
         }
         // Its last matchday: the final, a match past its count, the
         // third-place match of the semi-final losers Lens and Nancy.
         c.coupe->CreeMatch(2, 4, 1, 65535, 65535);
         c.coupe->CreeMatch(2, 3, 7, 1, 0);
         c.coupe->CreeMatch(2, 0, 5, 65535, 65535);
         c.saison->SetChampionnatCourant(c.coupe);
         return std::move(c.saison);
     },
     [](TRoute& r) {
         Commande(r.f, 13);
         kit::Process(20);
         auto* v = dynamic_cast<Tf_Resultats*>(r.f.Enfant);
         auto ligne = [v](int k) {
             return v->Ligne(k).Domicile->Text() + v->Ligne(k).ScoreDomicile->Text() + "-" +
                    v->Ligne(k).ScoreExterieur->Text() + v->Ligne(k).Exterieur->Text();
         };
         EXPECT_TRUE(v && v->NbLignes() == 3);
         if (v && v->NbLignes() == 3) {
             EXPECT_EQ(ligne(2), "Nantes2-1Reims");
             kit::GrabToPng(v, "gestes-coupe-trois-" + std::to_string(r.S().Sport()));
             v->TrackBar1->SetPosition(2);
             std::vector<std::string> finales;
             for (int k = 0; k < v->NbLignes(); ++k)
                 finales.push_back(ligne(k));
             std::sort(finales.begin(), finales.end());
             EXPECT_EQ(finales, std::vector<std::string>({"Brest1-0Sedan", "Lens-Nancy", "Metz-Lille"}));
             v->TrackBar1->SetPosition(1);
         }
         Commande(r.f, 40);
         kit::Process(20);
         return std::vector<std::string>{};
     },
     [](TSaison& s, const std::string& avant) {
         EXPECT_TRUE(SansDate(Document(s)) == avant) << Ecart(SansDate(Document(s)), avant);
         const TInfoComp* m = s.Arbre().ChampionnatParCode(Coupe)->MatchEquipes(1, 2, 6);
         ASSERT_TRUE(m);
         EXPECT_EQ(std::vector<int>({m->Score(0), m->Score(1), m->Affluence()}), std::vector<int>({2, 1, 777}));
     }},
    {"a league's matches per matchday lowered to 1, then its results page shown and left: every match stays", false,
     15, nullptr,
     [](TRoute& r) {
         Options(r, [](Tf_Option* o) {
             o->PageControl1->SetActivePage(o->ts_Generaux);
             TapeDans(o->UpDown9->Associate(), "1");
         });
         Commande(r.f, 13);
         kit::Process(20);
         auto* v = dynamic_cast<Tf_Resultats*>(r.f.Enfant);
         EXPECT_TRUE(v && v->NbLignes() == 2);
         if (v)
             v->TrackBar1->SetPosition(4);
         Commande(r.f, 40);
         kit::Process(20);
         return std::vector<std::string>{};
     },
     [](TSaison& s, const std::string&) {
         TSaisonComplete c(s.Sport());
         c.saison->SetChampionnatCourant(c.ligue);
         c.ligue->SetNbMatch(1);
         c.ligue->NbJournee = 4;
         EXPECT_TRUE(SansDate(Document(s)) == SansDate(Document(*c.saison)))
             << Ecart(SansDate(Document(s)), SansDate(Document(*c.saison)));
     }},
    {"live scoring + then - on the cup's match whose round kind has no rule for the score: its shoot-out comes back",
     false, 15,
     [](TSaisonComplete& c) {
         c.saison->SetChampionnatCourant(c.coupe);
         return std::move(c.saison);
     },
     [](TRoute& r) {
         Commande(r.f, 13);
         Commande(r.f, 23);
         kit::Process(20);
         auto* m = dynamic_cast<Tf_Minute*>(r.f.Enfant);
         EXPECT_TRUE(m);
         if (m) {
             kit::Click(m->Listbox1, 5, m->Listbox1->ItemRect(0).Top + 3);   // Lens - Metz, 1-1, 4-5
             kit::Click(m->bp2);
             EXPECT_EQ(m->l_TirsAuBut->Caption(), TraduireFormat(5880, {4, 5, 1, 1}));
             kit::Click(m->bm2);
             EXPECT_EQ(m->l_TirsAuBut->Caption(), TraduireFormat(286, {4, 5}));
             kit::GrabToPng(m, "gestes-direct-tirs-" + std::to_string(r.S().Sport()));
         }
         Commande(r.f, 13);
         kit::Process(20);
         return std::vector<std::string>{};
     },
     [](TSaison& s, const std::string& avant) { EXPECT_TRUE(SansDate(Document(s)) == avant) << Ecart(SansDate(Document(s)), avant); }},
    {"a score typed on the cup's results page, Tab through the row whose round kind has no rule: its shoot-out "
     "stays, nothing asked (the side through stays as entered)",
     false, 15,
     [](TSaisonComplete& c) {
         c.saison->SetChampionnatCourant(c.coupe);
         return std::move(c.saison);
     },
     [](TRoute& r) {
         Commande(r.f, 13);
         kit::Process(20);
         auto* v = dynamic_cast<Tf_Resultats*>(r.f.Enfant);
         EXPECT_TRUE(v && v->NbLignes() == 3);
         if (v && v->NbLignes() == 3) {
             // from Lens - Metz (1-1, 4-5) to Lille - Nancy, 2-1 retyped 7-1
             TEditRond* premiere = v->Ligne(0).ScoreDomicile;
             kit::Click(premiere, 3, premiere->Height() / 2);
             kit::PressKey(nullptr, VK_TAB);
             kit::PressKey(nullptr, VK_TAB);
             EXPECT_TRUE(v->Ligne(1).ScoreDomicile->Focused());
             kit::TypeKeys(nullptr, "7");
             kit::PressKey(nullptr, VK_TAB);
             kit::Process();
             EXPECT_EQ(v->Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {4, 5}));
             kit::GrabToPng(v, "gestes-coupe-score-" + std::to_string(r.S().Sport()) +
                                   (Traduire(29) == "OK" ? "-en" : ""));
         }
         Commande(r.f, 40);
         kit::Process(20);
         return std::vector<std::string>{};
     },
     [](TSaison& s, const std::string&) {
         // the row's match changed through the cup's one road, nothing else
         TSaisonComplete c(s.Sport());
         c.saison->SetChampionnatCourant(c.coupe);
         TDonneesChampionnat& coupe = *c.coupe;
         EXPECT_TRUE(ChangeCoupe(coupe, ChangementScore(coupe, 1, 1, 7, 1), nullptr).Faite);
         EXPECT_TRUE(SansDate(Document(s)) == SansDate(Document(*c.saison)))
             << Ecart(SansDate(Document(s)), SansDate(Document(*c.saison)));
     }},
    {"Compléter on the league whose matchdays left are full: nothing asked, matchday 5 stays", false, 15, nullptr,
     [](TRoute& r) {
         Commande(r.f, 13);
         kit::Process(20);
         auto* v = dynamic_cast<Tf_Resultats*>(r.f.Enfant);
         EXPECT_TRUE(v);
         std::vector<std::string> textes;
         if (v) {
             Repond(r, textes, "gestes-completer");
             kit::Click(v->b_Completer);
             EXPECT_EQ(v->TrackBar1->Position(), 5);
         }
         EXPECT_EQ(textes, std::vector<std::string>{Traduire(5581)});
         Commande(r.f, 40);
         kit::Process(20);
         return std::vector<std::string>{};
     },
     [](TSaison& s, const std::string& avant) {
         EXPECT_TRUE(SansDate(Document(s)) == avant) << Ecart(SansDate(Document(s)), avant);
         EXPECT_EQ(s.Arbre().ChampionnatParCode(Ligue)->NbJournee, 5);
     }},
    {"the options of a league of a division no template lists, validated untouched", false, 15, nullptr,
     [](TRoute& r) {
         EXPECT_EQ(r.Champ(Ligue)->Division, 101);
         const int sport = r.S().Sport();
         return Options(r, [sport](Tf_Option* o) {
             EXPECT_EQ(o->cb_CodeDiv->Text(), TraduireFormat(5661, {101}));
             EXPECT_FALSE(o->e_CodePerso->Visible());
             o->PageControl1->SetActivePage(o->ts_Avances);
             kit::GrabToPng(o, "gestes-options-division-" + std::to_string(sport));
         });
     },
     [](TSaison& s, const std::string& avant) {
         EXPECT_TRUE(SansDate(Document(s)) == avant) << Ecart(SansDate(Document(s)), avant);
         EXPECT_EQ(s.Arbre().ChampionnatParCode(Ligue)->Division, 101);
     }},
    {"the league's matchday count clicked down to 4: matchdays 5 and 6, not played, are named with their matches",
     true, 15, nullptr,
     [](TRoute& r) { return Journees(r, 4, true, {"Nantes - Lens, Brest - Lille", "Brest - Lens, Nantes - Lille"}); },
     [](TSaison& s, const std::string& avant) { JourneesRetirees(s, avant, 4); }},
    {"the league's matchday count typed down to 3: played matchday 4 is named with its scores, and 5 and 6", true,
     15, nullptr,
     [](TRoute& r) {
         return Journees(r, 3, false,
                         {"Lille 1\xA0-\xA0" "0 Lens, Brest 2\xA0-\xA0" "1 Nantes", "Nantes - Lens, Brest - Lille",
                          "Brest - Lens, Nantes - Lille"});
     },
     [](TSaison& s, const std::string& avant) { JourneesRetirees(s, avant, 3); }},
    {"the league's matchday count typed down to 5 over a match postponed on matchday 6: the state goes with it",
     true, 15,
     [](TSaisonComplete& c) {
         c.ligue->Penalites().Ajoute(3, 0, 65535, 65535, 6, etatReporte);
         return std::move(c.saison);
     },
     [](TRoute& r) { return Journees(r, 5, false, {"Brest - Lens, Nantes - Lille"}); },
     [](TSaison& s, const std::string& avant) { JourneesRetirees(s, avant, 5); }},
    // (football and rugby: the line-ups of the two others hold no shirt numbers)
    {"shirt numbers per match unticked: the numbers entered are named", true, 3, nullptr,
     [](TRoute& r) {
         EXPECT_EQ(MaillotsPerdus(*r.Champ(Ligue), 4), 8);
         const auto textes = Options(r, [](Tf_Option* o) {
             EXPECT_TRUE(o->cb_NumMaillot->Checked());
             kit::Click(o->cb_NumMaillot);
         });
         EXPECT_EQ(textes, std::vector<std::string>{TraduireFormat(5706, {8}) + "\n" + Traduire(5707)});
         return textes;
     },
     [](TSaison& s, const std::string&) {
         EXPECT_TRUE(SansDate(Document(s)) == AvecOption11(s.Sport(), 4))
             << Ecart(SansDate(Document(s)), AvecOption11(s.Sport(), 4));
     }},
    {"the date of each match ticked on a league that kept none: no match takes a date of its own, each its "
     "matchday's as it showed, all alike",
     false, 15,
     [](TSaisonComplete& c) {
         // as its file gives it back: every match on its matchday's date
         ChangeDrapeauxDates(*c.ligue, 16);
         return std::move(c.saison);
     },
     [](TRoute& r) {
         return Options(r, [](Tf_Option* o) {
             o->PageControl1->SetActivePage(o->ts_Avances);
             EXPECT_FALSE(o->cc_SaisieDateMatch->Checked());
             kit::Click(o->cc_SaisieDateMatch);
         });
     },
     [](TSaison& s, const std::string&) {
         TSaisonComplete c(s.Sport());
         c.saison->SetChampionnatCourant(c.ligue);
         for (int n = 1; n <= c.ligue->NbJour(); ++n)
             for (int m = 1; m <= c.ligue->Journee(n)->NbMatchs(); ++m)
                 c.ligue->SetDateMatch(n, m, 0);
         EXPECT_TRUE(SansDate(Document(s)) == SansDate(Document(*c.saison)))
             << Ecart(SansDate(Document(s)), SansDate(Document(*c.saison)));
     }},
    {"a forfeit over a played match: its sheet is named", true, 15,
     [](TSaisonComplete& c) {
         c.ligue->NbJournee = 2;
         return std::move(c.saison);
     },
     [](TRoute& r) {
         const TInfoComp* m = r.Champ(Ligue)->MatchEquipes(2, 0, 2);
         const auto textes = Forfait(r);
         EXPECT_EQ(textes.size(), 1u);
         EXPECT_TRUE(m);
         if (!textes.empty()) {
             EXPECT_EQ(textes[0].rfind(TraduireFormat(5700, {std::string("Lens"), std::string("Nantes")}), 0), 0u)
                 << textes[0];
             EXPECT_NE(textes[0].find(TraduireFormat(5703, {12005})), std::string::npos) << textes[0];
             EXPECT_NE(textes[0].find(Traduire(5702)), std::string::npos);
             EXPECT_NE(textes[0].find(TraduireFormat(5704, {2})), std::string::npos);
         }
         return textes;
     },
     [](TSaison& s, const std::string&) {
         TDonneesChampionnat& c = *s.Arbre().ChampionnatParCode(Ligue);
         const TInfoComp* m = c.MatchEquipes(2, 0, 2);
         ASSERT_TRUE(m);
         EXPECT_EQ(m->Score(0), c.Option(19));
         EXPECT_EQ(m->Score(1), c.Option(20));
         const TPenalite* p = c.Penalites().Cherche(0, 2, 2);
         ASSERT_TRUE(p);
         EXPECT_EQ(p->Type, etatForfait);
         const TFeuilleMatch f = FeuilleMatch(c, 2, 0, 2);
         EXPECT_EQ(std::vector<int>({f.Evenements, f.Compositions, f.Affluence, f.Officiels}),
                   std::vector<int>({0, 0, 0, 0}));
         // the other match of the matchday keeps its sheet
         EXPECT_EQ(FeuilleMatch(c, 2, 1, 3).Affluence, 12006);
     }},
    {"a forfeit over one player's box-score line: the line named, not its figures", true, 12,
     [](TSaisonComplete& c) {
         c.ligue->NbJournee = 2;
         auto* stat = dynamic_cast<TDonneesChampionnatStat*>(c.ligue);
         EXPECT_TRUE(stat);
         // 32 minutes, 22 points, 8 of 14 two-pointers, 2 of 5 three-pointers
         const uint16_t ligne[] = {32, 22, 8, 14, 2, 5};
         const int32_t joueur = c.Joueurs(0).front();
         for (int code = stat ? stat->PremierCode() : 1; stat && code <= stat->DernierCode(); ++code)
             if (TListeDonnees* l = stat->ListeStat(2, code)) {
                 l->SupprimeEquipes({0, 2});
                 if (const size_t k = static_cast<size_t>(code - stat->PremierCode()); k < std::size(ligne))
                     l->Ajoute(TDonneesEvt::CreateId(joueur, 0, ligne[k]));
             }
         return std::move(c.saison);
     },
     [](TRoute& r) {
         EXPECT_EQ(FeuilleMatch(*r.Champ(Ligue), 2, 0, 2).Lignes, 1);
         const auto textes = Forfait(r);
         EXPECT_EQ(textes.size(), 1u);
         if (!textes.empty()) {
             EXPECT_NE(textes[0].find(TraduireFormat(5954, {1}) + ","), std::string::npos) << textes[0];
             for (int n : {1, 6})
                 EXPECT_EQ(textes[0].find(TraduireFormat(IdTexteNombre(5701, 5709, n), {n})), std::string::npos)
                     << textes[0];
         }
         return textes;
     },
     [](TSaison& s, const std::string&) {
         const TFeuilleMatch f = FeuilleMatch(*s.Arbre().ChampionnatParCode(Ligue), 2, 0, 2);
         EXPECT_EQ(std::vector<int>({f.Evenements, f.Lignes}), std::vector<int>({0, 0}));
     }},
    {"a forfeit over a played match with one official: the count in the singular", true, 1,
     [](TSaisonComplete& c) {
         c.ligue->NbJournee = 2;
         if (TInfoComp* m = c.ligue->MatchEquipes(2, 0, 2))
             m->SetOfficiel(3, 0);   // the second linesman only
         return std::move(c.saison);
     },
     [](TRoute& r) {
         const auto textes = Forfait(r);
         EXPECT_EQ(textes.size(), 1u);
         if (!textes.empty())
             EXPECT_NE(textes[0].find(TraduireFormat(5710, {1}) + "."), std::string::npos) << textes[0];
         return textes;
     },
     [](TSaison& s, const std::string&) {
         const TFeuilleMatch f = FeuilleMatch(*s.Arbre().ChampionnatParCode(Ligue), 2, 0, 2);
         EXPECT_EQ(std::vector<int>({f.Evenements, f.Compositions, f.Affluence, f.Officiels}),
                   std::vector<int>({0, 0, 0, 0}));
     }},
    {"a new national-team player typed key by key is a new one: a name still typed is taken for no one", false, 15,
     Selections, [](TRoute& r) { return NouvelleFiche(r, Selection, "P01", 0); },
     [](TSaison& s, const std::string& avant) {
         EXPECT_EQ(Changees(avant, s), std::vector<std::string>{"+Joueur2|P01|65535"});
         EXPECT_EQ(s.Joueurs().ChercheJoueurNom("Joueur2", "P01")->EquipeNational, Selection);
     }},
    {"a new national-team card named as a club's player: asked once validated, Yes takes him", true, 15, Selections,
     [](TRoute& r) {
         const auto t = NouvelleFiche(r, Selection, "P0", r.reponse == mrYes ? mrYes : mrCancel);
         EXPECT_EQ(t.at(0), TraduireFormat(5849, {std::string("Joueur2 P0"), std::string("Nantes"), L1("Sélection"),
                                                  std::string("P0 Joueur2")}));
         return t;
     },
     [](TSaison& s, const std::string& avant) {
         EXPECT_EQ(Changees(avant, s), std::vector<std::string>{"~Joueur2|P0|2"});
         EXPECT_EQ(Joueur(s, "Joueur2", "P0", 2)->EquipeNational, Selection);
     }},
    {"a new club card named as another club's player: asked once validated, Yes moves him", true, 15,
     [](TSaisonComplete& c) {
         c.saison->AjouteClubPrec("Nantes", -1);
         return std::move(c.saison);
     },
     [](TRoute& r) { return NouvelleFiche(r, 0, "P0", r.reponse == mrYes ? mrYes : mrCancel); },
     [](TSaison& s, const std::string& avant) {
         EXPECT_EQ(Changees(avant, s), (std::vector<std::string>{"-Joueur2|P0|2", "+Joueur2|P0|0"}));
         EXPECT_EQ(s.NomClubPrec(Joueur(s, "Joueur2", "P0", 0)->ClubPrec), "Nantes");
     }},
    {"quick entry of another club's namesake: the one question names what goes over, Yes makes them one", true, 15,
     [](TSaisonComplete& c) {
         AjouteJoueur(*c.saison, "Dupont", 7, {1999});
         AjouteJoueur(*c.saison, "Dupont", 6, {2001})->DateNaissance = EncodeDate(1980, 1, 2);
         return std::move(c.saison);
     },
     [](TRoute& r) {
         std::vector<std::string> textes;
         QuandFenetre<Tf_SaisieRapide>([&](Tf_SaisieRapide* q) {
             const int i = q->cb_AjoutJoueur->Items().IndexOf("Luc Dupont (Reims)");
             for (int k = 0; k <= i + 1 && q->cb_AjoutJoueur->ItemIndex() != i; ++k)
                 kit::PressKey(q->cb_AjoutJoueur, q->cb_AjoutJoueur->ItemIndex() < i ? VK_DOWN : VK_UP);
             Repond(r, textes, "gestes-saisie-rapide-question");
             kit::Click(q->b_Ajouter);
             kit::Click(q->b_Continuer);
         });
         Effectifs(r, 7)->mi_SaisieRapide->Click();
         kit::ForgetModalActions();
         EXPECT_NE(textes.at(0).find(DeuxPoints(Traduire(1063), "02/01/1980")), std::string::npos) << textes[0];
         return textes;
     },
     [](TSaison& s, const std::string& avant) {
         EXPECT_EQ(Changees(avant, s), (std::vector<std::string>{"-Dupont|Luc|6", "~Dupont|Luc|7"}));
         EXPECT_EQ(Joueur(s, "Dupont", "Luc", 7)->NbHistorique() * 100000 + Joueur(s, "Dupont", "Luc", 7)->DateNaissance,
                   229222);
     }},
    {"among nations, the squads' drop of a player without a club meets a namesake without one: the one question, Yes "
     "makes them one",
     true, 15,
     [](TSaisonComplete& c) {
         // Selection's Dupont (2001) and Autre Nation's (1999) never met;
         // Autre Nation's Dupond met both in the league before his name was
         // made Dupont: the three stand apart.
         auto s = Selections(c);
         TJoueur* j = AjouteJoueur(*s, "Dupont", TPersonnel::Aucun, {2001});
         s->Joueurs().ChangeEquipeNationale(j, Selection);
         Compte(c.ligue, j->Numero, 0);
         for (const int annee : {0, 1999}) {
             TJoueur* h = AjouteJoueur(*s, "Dupond", TPersonnel::Aucun, annee ? std::vector<int>{annee} : std::vector<int>{});
             s->Joueurs().ChangeEquipeNationale(h, Nouvelle);
             Compte(c.ligue, h->Numero, annee ? 0 : 1);
             h->Nom = "Dupont";
             s->Joueurs().RangeJoueur(h);
         }
         EXPECT_EQ(s->Joueurs().ListeJoueursEquipe(Nouvelle, 0).size(), 2u);
         return s;
     },
     [](TRoute& r) {
         std::vector<std::string> textes;
         Tf_Effectifs* e = Effectifs(r, Selection, "Dupont");
         TColorStringGrid* g = e->sg_TableauEquipe;
         const TRect de = g->CellRect(2, g->Row());
         TPoint autre = Point(-1, -1);
         for (int i = 0; i < e->l_Equipe->Items().Count(); ++i)
             if (Tf_Effectifs::IdEntree(e->l_Equipe->Items()[i]) == Nouvelle)
                 autre = Point(20, e->l_Equipe->ItemRect(i).Top + 3);
         Repond(r, textes, "gestes-effectifs-depot-question");
         kit::Drag(g, Point(de.Left + 10, de.Top + 5), e->l_Equipe, autre);
         kit::ForgetModalActions();
         const std::string j = L1("Dupont Luc (Sélection)"), h = "Dupont Luc (Autre Nation)";
         Question(textes, TraduireFormat(5840, {j, h, j, h}), DeuxPoints(Traduire(69), "2001-02"));
         return textes;
     },
     [](TSaison& s, const std::string& avant) {
         // the season before, less what the question named
         auto attendu = Lit(s.Sport(), avant);
         TJoueur *j = nullptr, *h = nullptr;
         for (TJoueur* k : attendu->Joueurs().ListeJoueursEquipe(Selection, 0))
             j = k->Nom == "Dupont" ? k : j;
         for (TJoueur* k : attendu->Joueurs().ListeJoueursEquipe(Nouvelle, 0))
             h = k->Nom == "Dupont" && k->NbHistorique() && k->Historique(0)->StatAnnee == 1999 ? k : h;
         ASSERT_TRUE(j && h);
         attendu->FusionneJoueurs(h, j);
         EXPECT_TRUE(SansDate(Document(s)) == SansDate(Document(*attendu)))
             << Ecart(SansDate(Document(s)), SansDate(Document(*attendu)));
     }},
    {"a merge by drag in the search: the one question names what goes over, Yes keeps his career and link", true, 15,
     [](TSaisonComplete& c) {
         AjouteJoueur(*c.saison, "Dupont", 0, {});
         c.saison->Joueurs().ChangeEquipeNationale(AjouteJoueur(*c.saison, "Dupônt", 0, {2001}), Selection);
         return std::move(c.saison);
     },
     [](TRoute& r) {
         std::vector<std::string> textes;
         Commande(r.f, 150);
         auto* f = dynamic_cast<Tf_Recherche*>(r.f.Enfant);
         kit::Click(f->b_Verifier);
         TColorStringGrid* g = f->sg_Recherche;
         auto ligne = [g](const char* nom) {
             for (int k = 1; k < g->RowCount(); ++k)
                 if (g->Cells(1, k) == L1(nom))
                     return Point(g->CellRect(1, k).Left + 10, g->CellRect(1, k).Top + 5);
             return Point(-1, -1);
         };
         kit::Click(g, ligne("Dupônt").X, ligne("Dupônt").Y);
         Repond(r, textes, "gestes-recherche-question");
         QuandFenetre<Tf_FicheJoueur>([](Tf_FicheJoueur* c) { kit::Click(c->b_Annuler); });
         kit::Drag(g, ligne("Dupônt"), g, ligne("Dupont"));
         kit::ForgetModalActions();
         EXPECT_NE(textes.at(0).find(DeuxPoints(Traduire(5846), L1("Sélection"))), std::string::npos) << textes[0];
         return textes;
     },
     [](TSaison& s, const std::string& avant) {
         EXPECT_EQ(Changees(avant, s), (std::vector<std::string>{"~Dupont|Luc|0", L1("-Dupônt|Luc|0")}));
         EXPECT_EQ(Joueur(s, "Dupont", "Luc", 0)->NbHistorique() * 100 + Joueur(s, "Dupont", "Luc", 0)->EquipeNational, 120);
     }},
    {"the squads' Delete of a player whose namesake has no team: the one question, Yes makes them one", true, 15,
     [](TSaisonComplete& c) {
         AjouteJoueur(*c.saison, "Dupont", 0, {1999});
         AjouteJoueur(*c.saison, "Dupont", TPersonnel::Aucun, {2001});
         return std::move(c.saison);
     },
     [](TRoute& r) {
         std::vector<std::string> textes;
         Tf_Effectifs* e = Effectifs(r, 0, "Dupont");
         Repond(r, textes, "gestes-effectifs-effacer-question");
         kit::PressKey(e->sg_TableauEquipe, VK_DELETE);
         kit::ForgetModalActions();
         EXPECT_NE(textes.at(0).find(DeuxPoints(Traduire(69), "1999-00")), std::string::npos) << textes[0];
         return textes;
     },
     [](TSaison& s, const std::string& avant) {
         EXPECT_EQ(Changees(avant, s), (std::vector<std::string>{"-Dupont|Luc|0", "~Dupont|Luc|65535"}));
         EXPECT_EQ(Joueur(s, "Dupont", "Luc", TPersonnel::Aucun)->NbHistorique(), 2);
     }},
    {"the career line chosen by click and key is the one Effacer removes", false, 15,
     [](TSaisonComplete& c) {
         AjouteJoueur(*c.saison, "Carriere", 0, {1999, 2000, 2001, 2002});
         return std::move(c.saison);
     },
     [](TRoute& r) {
         QuandFenetre<Tf_FicheJoueur>([](Tf_FicheJoueur* f) {
             f->pc_FicheJoueur->SetActivePage(f->ts_Carriere);
             kit::Click(f->sg_Historique, 10, f->sg_Historique->CellRect(0, 4).Top + 5);   // 2002
             kit::PressKey(f->sg_Historique, VK_UP);                                     // 2001
             kit::GrabToPng(f, "gestes-carriere-choisie");
             kit::Click(f->bc_Effacer);
             kit::Click(f->b_Valider);
         });
         Effectifs(r, 0, "Carriere", 2);
         kit::ForgetModalActions();
         return std::vector<std::string>{};
     },
     [](TSaison& s, const std::string& avant) {
         EXPECT_EQ(Changees(avant, s), std::vector<std::string>{"~Carriere|Luc|0"});
         const TJoueur* j = Joueur(s, "Carriere", "Luc", 0);
         EXPECT_EQ(std::vector<int>({j->Historique(0)->StatAnnee, j->Historique(1)->StatAnnee, j->Historique(2)->StatAnnee}),
                   std::vector<int>({1999, 2000, 2002}));
     }},
    {"a club card without record, its stadium's and coach's cards cancelled, then cancelled: no record", false, 15, nullptr,
     [](TRoute& r) {
         Quand<TBrivantelForm>([](TBrivantelForm* choix) {
             for (int i = 0; i < choix->ComponentCount(); ++i)
                 if (auto* c = dynamic_cast<TCarreCoche*>(choix->Components(i)))
                     c->SetChecked(c->Tag == 1);   // Lille
             choix->SetModalResult(mrOk);
         });
         Quand<Tf_FicheClub>([](Tf_FicheClub* c) {
             c->cb_Stade->SetItemIndex(1);
             Quand<Tf_FicheStade>([](Tf_FicheStade* k) { kit::Click(k->b_Annuler); });
             kit::Click(c->bc_FicheStade);
             c->cb_Entraineur->SetItemIndex(1);
             Quand<Tf_FicheEntraineur>([](Tf_FicheEntraineur* k) { kit::Click(k->b_Annuler); });
             kit::Click(c->b_FicheEntr);
             kit::Click(c->b_Annuler);
         });
         Commande(r.f, 131);
         EXPECT_EQ(kit::ForgetModalActions(), 0u);
         return std::vector<std::string>{};
     },
     [](TSaison& s, const std::string& avant) { EXPECT_TRUE(SansDate(Document(s)) == avant) << Ecart(SansDate(Document(s)), avant); }},
    {"a new referee typed on the match sheet of a match without a stadium, its card cancelled: nothing changes",
     false, 15, CoupeTour1, [](TRoute& r) { return CarteAnnulee(r, "cb_Arbitre", "Zorro Neuf"); },
     [](TSaison& s, const std::string& avant) { EXPECT_TRUE(SansDate(Document(s)) == avant) << Ecart(SansDate(Document(s)), avant); }},
    {"a new stadium typed on the match sheet of a match without a stadium, its card cancelled: nothing changes",
     false, 15, CoupeTour1, [](TRoute& r) { return CarteAnnulee(r, "cb_Stade", "Zorro Arena"); },
     [](TSaison& s, const std::string& avant) { EXPECT_TRUE(SansDate(Document(s)) == avant) << Ecart(SansDate(Document(s)), avant); }},
    {"the stadium box of that match emptied and left, then a new stadium typed, its card cancelled: the match keeps "
     "none",
     false, 15, CoupeTour1, [](TRoute& r) { return CarteAnnulee(r, "cb_Stade", "Zorro Arena", true); },
     [](TSaison& s, const std::string& avant) { EXPECT_TRUE(SansDate(Document(s)) == avant) << Ecart(SansDate(Document(s)), avant); }},
    {"the league out, its box ticked, then Annuler in the removal window: nothing leaves, the composition stays open; "
     "the window's caption shows on one line, and under the list what ticked and unticked do",
     false, 15, nullptr,
     [](TRoute& r) {
         RetraitQuitte(r, TSortie::Annuler, [&r](Tf_RetirerChamp* t) {
             // each label shows all its lines, the caption on one
             for (const auto& [nom, texte] : {std::pair{"Label2", 992}, {"l_Coche", 6120}, {"l_NonCoche", 6121}}) {
                 TLabel* l = kit::Find<TLabel>(t, nom);
                 ASSERT_TRUE(l) << nom;
                 EXPECT_EQ(l->Caption(), Traduire(texte));
                 auto* q = static_cast<QLabel*>(l->Widget());
                 const QFontMetrics fm(q->font());
                 const int haut = q->wordWrap() ? q->heightForWidth(q->width()) : fm.height();
                 EXPECT_LE(haut, l->Height()) << nom;
                 EXPECT_LE(l->Top() + l->Height(), l->Parent()->ClientHeight()) << nom;
                 if (texte == 992) {
                     EXPECT_TRUE(haut <= fm.height() && fm.horizontalAdvance(q->text()) <= q->width());
                 } else {
                     EXPECT_GE(l->Top(), t->clb_Championnat->Top() + t->clb_Championnat->Height()) << nom;
                 }
             }
             kit::GrabToPng(t, "gestes-retirer-legendes-" + std::to_string(r.S().Sport()) +
                                   (Traduire(29) == "OK" ? "-en" : ""));
         });
         return std::vector<std::string>{};
     },
     Inchangee},
    {"the league out, its box ticked, then Escape in the removal window: nothing leaves, the composition stays open",
     false, 15, nullptr, [](TRoute& r) { return RetraitQuitte(r, TSortie::Echap), std::vector<std::string>{}; },
     Inchangee},
    {"the league out, its box ticked, then the removal window's close box: nothing leaves, the composition stays "
     "open",
     false, 15, nullptr, [](TRoute& r) { return RetraitQuitte(r, TSortie::Croix), std::vector<std::string>{}; },
     Inchangee},
    {"the play-off's first row typed 1-4 and validated, then the composition's Annuler: the play-off keeps its places",
     false, 15, nullptr, [](TRoute& r) { return BarrageQuitte(r, TSortie::Annuler), std::vector<std::string>{}; },
     Inchangee},
    {"the play-off's first row typed 1-4 and validated, then Escape in the composition: the play-off keeps its places",
     false, 15, nullptr, [](TRoute& r) { return BarrageQuitte(r, TSortie::Echap), std::vector<std::string>{}; },
     Inchangee},
    {"the play-off's first row typed 1-4 and validated, then the composition's close box: the play-off keeps its "
     "places",
     false, 15, nullptr, [](TRoute& r) { return BarrageQuitte(r, TSortie::Croix), std::vector<std::string>{}; },
     Inchangee},
    {"a championship created with its teams typed, then the composition's close box: its teams leave with it", false,
     15, nullptr, [](TRoute& r) { return ChampionnatQuitte(r, TSortie::Croix), std::vector<std::string>{}; },
     Inchangee},
    {"a forfeit in the final of a play-off made by Créer un barrage: the winner takes the sport's forfeit score and the "
     "cup",
     false, 15, [](TSaisonComplete& c) { return AvecFinale(c); },
     [](TRoute& r) { return ForfaitFinale(r, true, "finale"); },
     [](TSaison& s, const std::string&) { FinaleGagnee(s); }},
    {"a forfeit in the final of a play-off whose definition holds its own forfeit score and English-average points: "
     "they stand",
     false, 15, [](TSaisonComplete& c) { return AvecFinale(c, {2, 0, 255}); },
     [](TRoute& r) { return ForfaitFinale(r, true, "finale-definie"); },
     [](TSaison& s, const std::string&) { FinaleGagnee(s, {2, 0, -1, 0, 0, 0, 0, 0}); }},
    {"a forfeit in the final of a play-off saved by earlier versions with 0 in its forfeit scores: the sport's score",
     false, 15, FinaleAncienne, [](TRoute& r) { return ForfaitFinale(r, false, "finale-ancienne"); },
     [](TSaison& s, const std::string&) { FinaleGagnee(s); }},
};

}  // namespace

class GestesNommes : public ::testing::TestWithParam<int>
{
};

TEST_P(GestesNommes, AGestureChangesWhatItNamesAndNoKeepsTheSeason)
{
    // 4: football, 6: basketball, with the interface in English
    const int sport = GetParam() % 4;
    const std::string dir = essai::Prepare("setup_gestes" + std::to_string(GetParam()));
    auto f = LanceFenetre();
    TLangue langue(GetParam() >= 4 ? "en" : "fr");
    for (const TGeste& g : gestes)
        for (const int reponse : !(g.sports >> sport & 1) ? std::vector<int>{}
                                 : g.question                ? std::vector<int>{mrNo, mrYes}
                                                             : std::vector<int>{mrYes}) {
            SCOPED_TRACE(std::string(g.nom) + (reponse == mrNo ? ", answered No" : ""));
            TSaisonComplete c(sport);
            c.saison->SetChampionnatCourant(c.ligue);
            auto s = g.saison ? g.saison(c) : std::move(c.saison);
            ASSERT_TRUE(s);
            const std::string fichier = MakePath(dir, "sauvegarde/geste.xmc");
            f->InstallSeason(std::move(s), fichier, false, 0);
            TRoute r{*f, reponse};
            const std::string avant = SansDate(Document(r.S()));
            ModifSaison = 0;
            const std::vector<std::string> textes = g.geste(r);
            kit::ForgetModalActions();
            if (!g.question) {
                EXPECT_EQ(textes, std::vector<std::string>{});
            }
            if (reponse == mrNo) {
                EXPECT_TRUE(SansDate(Document(r.S())) == avant) << Ecart(SansDate(Document(r.S())), avant);
            } else {
                g.fait(r.S(), avant);
            }
            const std::string ecrit = SansDate(Document(r.S()));
            auto relue = SauveRelit(r.S(), fichier);
            ASSERT_TRUE(relue);
            EXPECT_TRUE(SansDate(Document(*relue)) == ecrit) << Ecart(SansDate(Document(*relue)), ecrit);
            if (reponse != mrNo)
                g.fait(*relue, avant);
        }
    TermineFenetre(f);
}

INSTANTIATE_TEST_SUITE_P(Sports, GestesNommes, ::testing::Values(0, 1, 2, 3, 4, 6));
