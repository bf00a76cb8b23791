// The referee and stadium lists driven as a user does: the country list with
// its "all" and "no country" lines, referees typed into the grid, the cards
// that move the list to another country, removals refused while matches name
// the entry, the hall texts, printing, HTML and the page functions; and the
// referee and stadium choosers.
#include <gtest/gtest.h>

#include <cstdio>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/oTraducteur.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Printers.h"
#include "platform/gui/StdCtrls.h"
#include "records/Fiches.h"
#include "records/ListesPersonnes.h"
#include "records/w_Arbitres.h"
#include "records/w_ChoixArbitres.h"
#include "records/w_FicheStade.h"
#include "records/w_Stades.h"
#include "results/w_FicheArbitre.h"
#include "tests/records/FichesEssai.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/MotsPdf.h"
#include "tests/support/SaisonBuilder.h"
#include "tests/support/SaisonStatBuilder.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/GestionFonction.h"
#include "ui/TreeViewCombo.h"
#include "ui/message2.h"

using namespace fiches_essai;

namespace {

// The small season with two countries, three referees (Bardin of France
// officiated the first match; Rossi of Italy; Sans without a country) and
// three stadiums (Nord of France hosts the first match; Arena of Italy; Vide
// without a country, home of Brivant's club and in the league's competition
// list).
struct TSaisonListes
{
    TPetiteSaison p;
    uint16_t france = 0, italie = 0;
    TPersonnelStat *bardin = nullptr, *rossi = nullptr, *sans = nullptr;
    TStade *nord = nullptr, *arena = nullptr, *vide = nullptr;
    TSaison& S() { return *p.saison; }
};

TPersonnelStat* Arbitre(TSaison& s, const char* nom, uint16_t pays)
{
    auto a = std::make_unique<TPersonnelStat>(-1, 0, "Jean", nom);
    a->CodePays = pays;
    return dynamic_cast<TPersonnelStat*>(s.Arbitres().AjoutePersonnel(std::move(a)));
}

TSaisonListes Saison(int sport = sportFootball)
{
    TSaisonListes l;
    l.p = PetiteSaison(sport);
    TSaison& s = l.S();
    l.france = s.Pays().AjoutePays("France");
    l.italie = s.Pays().AjoutePays("Italie");
    l.bardin = Arbitre(s, "Bardin", l.france);
    l.rossi = Arbitre(s, "Rossi", l.italie);
    l.sans = Arbitre(s, "Sans", TListePays::Aucun);
    l.p.c1->SetArbitreMatch(1, 1, l.bardin->Numero);
    auto stade = [&](const char* nom, uint16_t pays) {
        TStade* st = s.Stades().NouveauStade(nom, "Ville");
        st->CodePays = pays;
        return st;
    };
    l.nord = stade("Nord", l.france);
    l.arena = stade("Arena", l.italie);
    l.vide = stade("Vide", TListePays::Aucun);
    l.p.c1->SetStadeMatch(1, 1, l.nord->Code);
    s.RensClubs().NouveauRensClub(0)->AjouteStade(l.vide);
    TDescNoeud* n = s.Arbre().NoeudChampionnat(l.p.c1);
    n->CreeDonneesCompetition()->Stades = {l.vide->Code, l.nord->Code};
    n->DonneesCompetition()->Arbitres = {l.rossi->Numero, l.bardin->Numero};
    return l;
}

template <class T>
TOwned<T> Vue(TSaison& s, bool* signale = nullptr)
{
    TOwned<T> f(new T(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&s);
    if (signale)
        f->OnModification = [signale] { *signale = true; };
    f->SetBounds(0, 0, 760, 480);
    kit::ShowForm(f.get());
    return f;
}

std::vector<std::string> Colonne(TColorStringGrid* g, int c)
{
    std::vector<std::string> v;
    for (int r = 1; r < g->RowCount(); ++r)
        v.push_back(g->Cells(c, r));
    return v;
}

std::vector<int> Codes(TListeParPaysForm& f)
{
    std::vector<int> v;
    for (int i = 0; i < f.l_Nation->Items().Count(); ++i)
        v.push_back(TListeParPaysForm::CodeLigne(f.l_Nation->Items()[i]));
    return v;
}

int Ligne(TListeParPaysForm& f, int code)
{
    const std::vector<int> v = Codes(f);
    return static_cast<int>(std::find(v.begin(), v.end(), code) - v.begin());
}

// Types a cell through the grid's editor, as keys do.
void Tape(TColorStringGrid* g, int col, int row, const std::string& texte)
{
    g->SetRow(row);
    g->SetCol(col);
    g->ShowEditor();
    g->SetEditorText(texte);
    g->HideEditor();
}

// The messages shown while the action runs (each answered OK).
std::vector<std::string> Messages(const std::function<void()>& action)
{
    auto textes = std::make_shared<std::vector<std::string>>();
    for (int i = 0; i < 3; ++i)
        kit::WhenModal([textes](TForm* m) {
            if (auto* b = dynamic_cast<Tf_MessageUtil*>(m))
                textes->push_back(b->Label1->Caption());
            m->SetModalResult(mrOk);
        });
    action();
    kit::Process(20);
    kit::ForgetModalActions();
    return *textes;
}

std::string TextePdf(const std::string& pdf)
{
    std::string texte;
    FILE* p = popen(("pdftotext -layout '" + pdf + "' -").c_str(), "r");
    if (!p)
        return texte;
    char b[4096];
    size_t n = 0;
    while ((n = fread(b, 1, sizeof b, p)) > 0)
        texte.append(b, n);
    pclose(p);
    return texte;
}

}  // namespace

TEST(Arbitres, CountriesAllAndNoCountry)
{
    TSaisonListes l = Saison();
    auto f = Vue<Tf_Arbitres>(l.S());
    f->RemplitPays(l.france);
    EXPECT_EQ(Codes(*f), (std::vector<int>{99999, l.france, l.italie, 65535}));
    EXPECT_EQ(f->PaysAffiche(), l.france);
    EXPECT_EQ(f->l_Nation->ItemIndex(), 1);
    TColorStringGrid* g = f->sg_TableauEquipe;
    EXPECT_EQ(Colonne(g, 0), (std::vector<std::string>{"Bardin", ""}));
    EXPECT_EQ(g->Cells(2, 1), "1");   // the match he officiated, counted at the first fill
    EXPECT_EQ(g->Cells(0, 0), Traduire(71));
    struct Cas
    {
        int code;
        std::vector<std::string> noms;
    };
    const Cas cas[] = {{99999, {"Bardin", "Rossi", "Sans", ""}},
                       {65535, {"Sans", ""}},
                       {l.italie, {"Rossi", ""}}};
    for (const Cas& c : cas) {
        f->l_Nation->SetItemIndex(Ligne(*f, c.code));
        f->l_Nation->OnClick(f->l_Nation);
        EXPECT_EQ(f->PaysAffiche(), c.code);
        EXPECT_EQ(Colonne(g, 0), c.noms) << c.code;
    }
    // A country nobody uses, or "all": the list shows all.
    f->RemplitPays(7);
    EXPECT_EQ(f->PaysAffiche(), 99999);
    f->RemplitPays(99999);
    EXPECT_EQ(f->PaysAffiche(), 99999);
    kit::Process(30);
    kit::GrabToPng(f.get(), "liste-arbitres");
}

TEST(Arbitres, RefereesTypedIntoTheGrid)
{
    TSaisonListes l = Saison();
    bool signale = false;
    auto f = Vue<Tf_Arbitres>(l.S(), &signale);
    TColorStringGrid* g = f->sg_TableauEquipe;
    const int avant = l.S().Arbitres().NbPersonnel();
    struct Cas
    {
        int pays;               // the country shown
        const char* nom;
        const char* prenom;
        bool cree;
        uint16_t paysCree;
    };
    const Cas cas[] = {
        {99999, "Nouveau", "Luc", true, TListePays::Aucun},   // no country under "all"
        {l.italie, "Verdi", "Marco", true, l.italie},
        {l.france, "Sans Prenom", "", false, 0},                // no first name: not stored, said
    };
    int crees = 0;
    for (const Cas& c : cas) {
        f->RemplitPays(c.pays);
        const int vide = g->RowCount() - 1;
        Tape(g, 0, vide, c.nom);
        Tape(g, 1, vide, c.prenom);
        if (*c.prenom) {
            EXPECT_EQ(g->RowCount(), vide + 2) << "a new empty row after typing";
        }
        // Leaving the row writes it; a row it cannot store says why.
        const std::vector<std::string> dits = Messages([&] { g->SetRow(1); });
        EXPECT_EQ(dits, c.cree ? std::vector<std::string>{} : std::vector<std::string>{TraduireFormat(5402, {vide})});
        TPersonnel* a = l.S().Arbitres().ChercheNom(c.nom, c.prenom);
        EXPECT_EQ(a != nullptr, c.cree) << c.nom;
        if (a) {
            ++crees;
            EXPECT_EQ(a->CodePays, c.paysCree) << c.nom;
        }
    }
    EXPECT_EQ(l.S().Arbitres().NbPersonnel(), avant + crees);
    EXPECT_TRUE(signale);

    // The list filled again drops the row refused, with a word.
    EXPECT_EQ(Messages([&] { f->RemplitPays(99999); }).size(), 1u);
    // Renaming only by an accent is not stored; a real rename files him again.
    signale = false;
    const std::vector<std::string> noms = Colonne(g, 0);
    const int rossi = static_cast<int>(std::find(noms.begin(), noms.end(), "Rossi") - noms.begin()) + 1;
    ASSERT_EQ(g->Cells(0, rossi), "Rossi");
    Tape(g, 0, rossi, L1("Rossì"));
    f->sg_TableauEquipeExit(nullptr);
    EXPECT_EQ(l.rossi->Nom, "Rossi");
    EXPECT_FALSE(signale);
    Tape(g, 0, rossi, "Abate");
    f->sg_TableauEquipeExit(nullptr);
    EXPECT_EQ(l.rossi->Nom, "Abate");
    EXPECT_TRUE(signale);
    EXPECT_EQ(l.S().Arbitres().Personnel(0), l.rossi);
    EXPECT_EQ(g->Cells(0, 1), "Abate");
}

// A referee who officiated stays, with the reason; another goes, and the
// competition lists forget him.
TEST(Arbitres, RemovalRefusedWhileMatchesNameHim)
{
    TSaisonListes l = Saison();
    auto f = Vue<Tf_Arbitres>(l.S());
    f->RemplitPays(99999);
    TColorStringGrid* g = f->sg_TableauEquipe;
    const int bardin = 1, rossi = 2;
    ASSERT_EQ(f->ArbitreLigne(bardin), l.bardin);
    f->EtatMenu(bardin);
    EXPECT_TRUE(f->mi_Effacer->Visible());
    f->EtatMenu(g->RowCount() - 1);
    EXPECT_FALSE(f->mi_Effacer->Visible());
    EXPECT_TRUE(f->mi_Editer->Visible());
    EXPECT_TRUE(f->mi_Inserer->Visible());
    auto textes = Messages([&] { f->Effacer(bardin); });
    EXPECT_EQ(textes, (std::vector<std::string>{TraduireFormat(5952, {1})}));
    EXPECT_EQ(g->Row(), bardin);
    EXPECT_EQ(l.S().Arbitres().NbPersonnel(), 3);
    g->SetRow(rossi);
    WORD suppr = 46;
    g->OnKeyDown(g, suppr, 0);
    EXPECT_EQ(l.S().Arbitres().NbPersonnel(), 2);
    EXPECT_EQ(Colonne(g, 0), (std::vector<std::string>{"Bardin", "Sans", ""}));
    TDescNoeud* n = l.S().Arbre().NoeudChampionnat(l.p.c1);
    EXPECT_EQ(n->DonneesCompetition()->Arbitres, std::vector<int32_t>{l.bardin->Numero});
}

// A country changed in the card moves the list to that country.
TEST(Arbitres, CardMovesTheListToTheNewCountry)
{
    TSaisonListes l = Saison();
    bool signale = false;
    auto f = Vue<Tf_Arbitres>(l.S(), &signale);
    f->RemplitPays(l.france);
    kit::WhenModal([](TForm* m) {
        auto* c = dynamic_cast<Tf_FicheArbitre*>(m);
        ASSERT_TRUE(c);
        c->cb_Pays->SetText("Italie");
        c->b_Valider->Click();
    });
    f->mi_Editer->Click();
    EXPECT_TRUE(signale);
    EXPECT_EQ(l.bardin->CodePays, l.italie);
    EXPECT_EQ(f->PaysAffiche(), l.italie);
    EXPECT_EQ(Colonne(f->sg_TableauEquipe, 0), (std::vector<std::string>{"Bardin", "Rossi", ""}));
    // Insert: a new referee through the card, from the list.
    kit::WhenModal([](TForm* m) {
        auto* c = dynamic_cast<Tf_FicheArbitre*>(m);
        ASSERT_TRUE(c);
        c->e_Nom->SetText("Neuf");
        c->e_Prenom->SetText("Paul");
        c->cb_Pays->SetText("Espagne");
        c->b_Valider->Click();
    });
    WORD ins = 45;
    f->sg_TableauEquipe->OnKeyDown(f->sg_TableauEquipe, ins, 0);
    EXPECT_EQ(l.S().Pays().NomPays(f->PaysAffiche()), "Espagne");
    EXPECT_EQ(Colonne(f->sg_TableauEquipe, 0), (std::vector<std::string>{"Neuf", ""}));
}

TEST(Stades, ListEditedThroughTheCardAndRemovalsSayWhy)
{
    TSaisonListes l = Saison();
    bool signale = false;
    auto f = Vue<Tf_Stades>(l.S(), &signale);
    f->RemplitPays(99999);
    TColorStringGrid* g = f->sg_TableauStade;
    EXPECT_EQ(Colonne(g, 0), (std::vector<std::string>{"Arena", "Nord", "Vide", ""}));
    EXPECT_EQ(g->Cells(0, 0), Traduire(1023));
    EXPECT_EQ(g->Cells(2, 1), "Italie");
    EXPECT_EQ(f->mi_Inserer->Caption(), Traduire(1193));
    EXPECT_EQ(f->l_Nation->Items()[0].substr(6), Traduire(1189));
    kit::Process(30);
    kit::GrabToPng(f.get(), "liste-stades");

    // The named stadium stays, with the reason.
    auto textes = Messages([&] { f->Effacer(2); });
    EXPECT_EQ(textes, (std::vector<std::string>{TraduireFormat(5950, {1})}));
    EXPECT_EQ(g->Row(), 2);
    EXPECT_EQ(l.S().Stades().NbStade(), 3);
    // Another goes: the club record and the competition list forget it.
    f->Effacer(3);
    EXPECT_EQ(l.S().Stades().NbStade(), 2);
    EXPECT_TRUE(l.S().RensClubs().ChercheRensClub(0)->Stades().empty());
    EXPECT_EQ(l.S().Arbre().NoeudChampionnat(l.p.c1)->DonneesCompetition()->Stades,
              std::vector<int32_t>{l.nord->Code});
    EXPECT_TRUE(signale);

    // Edited through the card: the list follows the stadium's country.
    kit::WhenModal([](TForm* m) {
        auto* c = dynamic_cast<Tf_FicheStade*>(m);
        ASSERT_TRUE(c);
        EXPECT_EQ(c->e_NomStade->GetText(), "Arena");
        c->cb_Pays->SetText("France");
        c->e_Capacite->SetText("3000");
        c->b_Valider->Click();
    });
    g->SetRow(1);
    g->OnDblClick(g);   // Arena
    EXPECT_EQ(f->PaysAffiche(), l.france);
    EXPECT_EQ(Colonne(g, 4), (std::vector<std::string>{"3000", "0", ""}));
}

TEST(Stades, IndoorSportsListHalls)
{
    TSaisonListes l = Saison(sportBasket);
    auto f = Vue<Tf_Stades>(l.S());
    f->RemplitPays(99999);
    EXPECT_EQ(f->sg_TableauStade->Cells(0, 0), Traduire(1273));
    EXPECT_EQ(f->l_Nation->Items()[0].substr(6), Traduire(1276));
    EXPECT_EQ(f->mi_Effacer->Caption(), Traduire(1277));
    EXPECT_EQ(f->mi_Editer->Caption(), Traduire(1278));
    EXPECT_EQ(f->mi_Inserer->Caption(), Traduire(1279));
    auto textes = Messages([&] { f->Effacer(2); });
    EXPECT_EQ(textes, (std::vector<std::string>{TraduireFormat(5951, {1})}));
    kit::Process(30);
    kit::GrabToPng(f.get(), "liste-salles-basket");
}

// Both lists print to PDF and write HTML pages that parse.
TEST(ListesPersonnes, PrintAndHtml)
{
    TSaisonListes l = Saison();
    auto a = Vue<Tf_Arbitres>(l.S());
    a->RemplitPays(99999);
    auto s = Vue<Tf_Stades>(l.S());
    s->RemplitPays(99999);
    struct Cas
    {
        TListeParPaysForm* vue;
        const char* nom;
        const char* attendu;
    };
    for (const Cas& c : {Cas{a.get(), "arbitres", "Bardin"}, Cas{s.get(), "stades", "Arena"}}) {
        const std::string pdf = MakePath(kit::TempDir(), std::string(c.nom) + ".pdf");
        DeleteFile(pdf);
        Printer().SetOutputFileName(pdf);
        c.vue->Imprime();
        Printer().SetOutputFileName("");
        EXPECT_NE(TextePdf(pdf).find(c.attendu), std::string::npos) << c.nom;
        const std::string html = MakePath(kit::TempDir(), std::string(c.nom) + ".html");
        c.vue->EnregistreHTML(html);
        std::string octets;
        ASSERT_TRUE(ReadFileBytes(html, octets));
        const html_lu::TPage page = html_lu::Lit(octets);
        EXPECT_TRUE(page.equilibree) << c.nom;
        ASSERT_FALSE(page.tables.empty()) << c.nom;
        EXPECT_EQ(page.tables[0][1][0], c.attendu) << c.nom;
    }
}

// The page functions, reached through the registry as a page template does.
TEST(ListesPersonnes, PageFunctionsThroughTheRegistry)
{
    EnregistreFiches();
    TSaisonListes l = Saison();
    struct Cas
    {
        const char* fonction;
        const char* pays;
        std::vector<std::string> noms;
    };
    const Cas cas[] = {{"EffectifArbitre", "France", {"Bardin"}},
                       {"EffectifArbitre", "", {"Bardin", "Rossi", "Sans"}},
                       {"EffectifArbitre", "Atlantide", {"Bardin", "Rossi", "Sans"}},
                       {"EffectifStade", "Italie", {"Arena"}},
                       {"ListeSalle", "", {"Arena", "Nord", "Vide"}}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.fonction) + " " + c.pays);
        const TFonctionEnregistree* e = GestionFonctions().Cherche(c.fonction);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->Genre, 3);
        TOwned<TForm> f(e->Classe.Cree(nullptr));
        TStringList p;
        if (*c.pays)
            p.Add(std::string("Pays=") + c.pays);
        p.Add("CouleurTitre=#102030");
        std::string r;
        dynamic_cast<TFootForm&>(*f).ExecuteFonction(c.fonction, p, r, TCouleurElement{}, "", &l.S());
        const html_lu::TPage page = html_lu::Lit(r);
        EXPECT_TRUE(page.equilibree);
        ASSERT_EQ(page.tables.size(), 1u);
        // header, one row each, no empty row
        ASSERT_EQ(page.tables[0].size(), c.noms.size() + 1);
        for (size_t i = 0; i < c.noms.size(); ++i)
            EXPECT_EQ(page.tables[0][i + 1][0], c.noms[i]);
        EXPECT_NE(r.find("#102030"), std::string::npos);
    }
}

// Ticks of both choosers survive two regroupings; Cancel leaves the list.
TEST(Choix, TwoTicksThroughTwoRegroupings)
{
    TSaisonListes l = Saison();
    struct Cas
    {
        bool arbitres;
        std::vector<int32_t> coches;
        const char* png;
    };
    const Cas cas[] = {{true, {l.rossi->Numero, l.sans->Numero}, "choix-arbitres"},
                       {false, {l.arena->Code, l.vide->Code}, "choix-stades"}};
    for (const Cas& c : cas) {
        for (const bool valide : {true, false}) {
            TOwned<TChoixCompetitionForm> f(c.arbitres ? static_cast<TChoixCompetitionForm*>(new Tf_ChoixArbitres(nullptr))
                                                       : new Tf_ChoixStades(nullptr));
            f->ChangeCouleurs(f->Couleurs);
            f->ChangeSaison(&l.S());
            std::vector<int32_t> liste;
            f->Liste = &liste;
            kit::RunModal(f.get(), [&](TForm*) {
                f->RemplitArbre(c.coches);
                kit::Click(f->cb_AffichePays);
                EXPECT_EQ(f->tvc_Liste->Items().TopItem(0)->Text(), "Autres pays");
                if (valide)
                    kit::GrabToPng(f.get(), c.png);
                kit::Click(f->cb_AffichePays);
                kit::Click(f->cb_AffichePays);
                (valide ? f->b_Valider : f->b_Annuler)->Click();
            });
            std::vector<int32_t> attendu = valide ? c.coches : std::vector<int32_t>{};
            std::sort(liste.begin(), liste.end());
            std::sort(attendu.begin(), attendu.end());
            EXPECT_EQ(liste, attendu) << c.png << valide;
        }
    }
}

// Every figure column of the referee list shows what its heading names, in
// the window, on paper and in HTML, in both languages. One match of each
// sport, officiated by Alex, with its discipline counted by hand:
// - football: 2 penalties (goal kind 1, and one missed), 3 yellow cards, 1 red;
// - rugby: 2 penalty kicks at goal (one scored, one missed), 3 yellow, 1 red;
// - basketball: fouls 5 and 3 of one side (8 fouls, 1 player fouled out);
// - handball: 2 seven-metre throws, 6 two-minute suspensions (4 and 2),
//   1 disqualification.
TEST(Arbitres, EachFigureUnderItsHeading)
{
    struct Cas
    {
        int sport;
        const char* langue;
        std::vector<std::pair<std::string, std::string>> colonnes;   // heading, figure
    };
    const Cas cas[] = {
        {sportFootball, "en", {{"Matches", "1"}, {"Penalties awarded", "2"}, {"Yellow cards", "3"}, {"Sendings-off", "1"}}},
        {sportFootball, "fr", {{"Matchs", "1"}, {"Penaltys sifflés", "2"}, {"Cartons jaunes", "3"}, {"Expulsions", "1"}}},
        {sportRugby, "en", {{"Matches", "1"}, {"Penalty kicks at goal", "2"}, {"Yellow cards", "3"}, {"Sendings-off", "1"}}},
        {sportRugby, "fr", {{"Matchs", "1"}, {"Tentatives de pénalité", "2"}, {"Cartons jaunes", "3"}, {"Expulsions", "1"}}},
        {sportBasket, "en", {{"Matches", "1"}, {"Fouls", "8"}, {"Fouled out", "1"}}},
        {sportBasket, "fr", {{"Matchs", "1"}, {"Fautes", "8"}, {"Éliminés (5 fautes)", "1"}}},
        {sportHandball, "en", {{"Matches", "1"}, {"7-metre throws", "2"}, {"2-minute suspensions", "6"}, {"Disq.", "1"}}},
        {sportHandball, "fr", {{"Matchs", "1"}, {"Jets de 7 m", "2"}, {"Exclusions 2 min", "6"}, {"Disq.", "1"}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::to_string(c.sport) + " " + c.langue);
        InstalleTraducteur(std::make_unique<TTraducteur>(std::string(BZ_SOURCE_DATA_DIR) + "/texte/Texte" + c.langue + ".txt"));
        TSaisonStatEssai s(c.sport, 2, 1);
        const int A = s.Equipe(0), B = s.Equipe(1);
        TJoueur* p = s.Joueur("Avant", "Hugo", A);
        TJoueur* q = s.Joueur("Arriere", "Ivan", A);
        TPersonnelStat* r = s.Arbitre("Arbitre", "Alex");
        s.Champ().CreeMatch(1, A, B, 3, 0)->SetOfficiel(1, r->Numero);
        switch (c.sport) {
        case sportFootball:
        case sportRugby:
            if (c.sport == sportFootball)
                s.Evenement(1, 2, p, A, evt100 | 10);
            else
                s.Evenement(1, 5, p, A, 10);
            s.Evenement(1, 2, p, A, evtHorsScore | 20);
            for (int minute : {30, 40, 50})
                s.Evenement(1, 3, q, A, static_cast<uint16_t>(minute));
            s.Evenement(1, 3, q, A, evtRouge | 60);
            break;
        case sportBasket:
            s.Evenement(1, 16, p, A, 5);
            s.Evenement(1, 16, q, A, 3);
            break;
        default:
            s.Evenement(1, 24, p, A, 2);
            s.Evenement(1, 33, p, A, 4);
            s.Evenement(1, 33, q, A, 2);
            s.Evenement(1, 34, q, A, 1);
            break;
        }
        auto f = Vue<Tf_Arbitres>(*s.saison);
        f->RemplitPays(99999);
        TColorStringGrid* g = f->sg_TableauEquipe;
        // the window: the referee's row under the headings
        std::vector<std::pair<std::string, std::string>> vues;
        for (int col = 2; col < g->ColCount(); ++col)
            if (g->ColWidths(col) > 0)
                vues.push_back({Cp1252ToUtf8(g->Cells(col, 0)), g->Cells(col, 1)});
        EXPECT_EQ(g->Cells(0, 1), "Arbitre");
        EXPECT_EQ(vues, c.colonnes);
        // HTML: the same cells under the same headings
        const std::string html = MakePath(kit::TempDir(), std::string("colonnes_arbitres_") + c.langue + ".html");
        f->EnregistreHTML(html);
        std::string octets;
        ASSERT_TRUE(ReadFileBytes(html, octets));
        const html_lu::TPage page = html_lu::Lit(octets);
        ASSERT_FALSE(page.tables.empty());
        const auto& t = page.tables[0];
        ASSERT_GE(t.size(), 2u);
        std::vector<std::pair<std::string, std::string>> html_;
        for (size_t col = 2; col < t[0].size() && col < t[1].size(); ++col)
            if (!t[0][col].empty())
                html_.push_back({t[0][col], t[1][col]});
        EXPECT_EQ(html_, c.colonnes);
        // paper: the headings in the same order, the figures after the names
        const std::string pdf = MakePath(kit::TempDir(), std::string("colonnes_arbitres_") + c.langue + ".pdf");
        DeleteFile(pdf);
        Printer().SetOutputFileName(pdf);
        f->Imprime();
        Printer().SetOutputFileName("");
        const std::string texte = essai::TexteMotPdf(TextePdf(pdf));
        size_t apres = 0;
        std::string chiffres;
        for (const auto& [entete, chiffre] : c.colonnes) {
            const size_t k = texte.find(entete, apres);
            EXPECT_NE(k, std::string::npos) << entete << "\n" << texte;
            if (k != std::string::npos)
                apres = k + entete.size();
            chiffres += " " + chiffre;
        }
        const size_t ligne = texte.find("Arbitre", apres);
        ASSERT_NE(ligne, std::string::npos);
        std::string rangee = texte.substr(ligne, texte.find('\n', ligne) - ligne);
        while (rangee.find("  ") != std::string::npos)
            rangee.replace(rangee.find("  "), 2, " ");
        EXPECT_EQ(rangee, "Arbitre Alex" + chiffres);
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(std::string(BZ_SOURCE_DATA_DIR) + "/texte/Textefr.txt"));
}
