// The results page driven through its controls: a league matchday entered in
// the main window (placing, scores, states, matchday change, standings, save
// and reopen), a cup round with its shoot-out, the date system, the match
// search and the check; every window grabbed to PNG.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "engine/CalculClassement.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Mask.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Files.h"
#include "results/w_DialoguesResultats.h"
#include "results/w_Resultats.h"
#include "results/w_VuesResultats.h"
#include "tests/results/PageResultatsEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "views/w_Classement.h"

using namespace essai;
using namespace page_essai;

namespace {

constexpr uint16_t V = TInfoComp::ScoreVide;

std::string Fichier(const std::string& nom, std::unique_ptr<TSaison> s)
{
    const std::string f = MakePath(kit::TempDir(), nom + ".xmc");
    DeleteFile(f);
    EXPECT_TRUE(TTraiteurFichier::Sauver(f, s.get(), nullptr, "", "", nullptr, {}, false));
    return f;
}

std::unique_ptr<TSaison> Relit(const std::string& f)
{
    uint8_t etat = 0;
    auto s = TTraiteurFichier::Charger(f, "", "", nullptr, TousSports, etat, true);
    EXPECT_EQ(etat, 5);
    return s;
}

// The page printed to a PDF of that name, read back as its text (UTF-8).
std::string TexteImprime(Tf_Resultats& page, const std::string& nom)
{
    const std::string pdf = MakePath(kit::TempDir(), nom + ".pdf");
    Printer().SetOutputFileName(pdf);
    page.Imprime();
    Printer().SetOutputFileName("");
    const std::string txt = pdf + ".txt";
    EXPECT_EQ(std::system(("pdftotext " + pdf + " " + txt).c_str()), 0);
    std::ifstream in(txt);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(Resultats, ALeagueMatchdayEnteredThroughTheMainWindow)
{
    const std::string dir = Prepare("ligue");
    auto saison = TMultiSport::CreeSaison(0);
    saison->SetChampionnatCourant(vues::Ligue(*saison, 0, "Division 1", 0, 6, 0, 1, 7));
    const std::string fichier = Fichier("ligue", std::move(saison));
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_TRUE(Commande(*f, 13));
    auto* r = dynamic_cast<Tf_Resultats*>(f->Enfant);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Label1->Caption(), TraduireFormat(151, {1}));
    ASSERT_EQ(r->NbLignes(), 3);
    ASSERT_EQ(r->l_Equipe->Items().Count(), 6);

    // Two teams by double click, two dragged, two more by double click.
    ChoisitEquipe(*r, 0);
    ChoisitEquipe(*r, 0);
    DeposeEquipe(*r, 0, r->Ligne(1).Domicile);
    DeposeEquipe(*r, 0, r->Ligne(1).Exterieur);
    ChoisitEquipe(*r, 0);
    ChoisitEquipe(*r, 0);
    EXPECT_EQ(r->l_Equipe->Items().Count(), 0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_FALSE(r->Ligne(k).Domicile->Text().empty());
        EXPECT_FALSE(r->Ligne(k).Exterieur->Text().empty());
    }
    // A team double-clicked out of its box goes back to the list, and in again.
    const std::string nom = r->Ligne(2).Exterieur->Text();
    kit::DblClick(r->Ligne(2).Exterieur);
    EXPECT_TRUE(r->Ligne(2).Exterieur->Text().empty());
    ASSERT_EQ(r->l_Equipe->Items().Count(), 1);
    kit::Type(r->Ligne(2).ScoreDomicile, "7");   // incomplete row: refused
    EXPECT_TRUE(r->Ligne(2).ScoreDomicile->Text().empty());
    ChoisitEquipe(*r, 0);
    EXPECT_EQ(r->Ligne(2).Exterieur->Text(), nom);

    // A score typed with a decimal separator: the separator is refused, and
    // the box says that it takes whole numbers.
    kit::Refusals().clear();
    kit::Type(r->Ligne(0).ScoreDomicile, "1.5");
    EXPECT_EQ(r->Ligne(0).ScoreDomicile->Text(), "15");
    ASSERT_EQ(kit::Refusals().size(), 1u);
    EXPECT_EQ(kit::Refusals()[0].box, r->Ligne(0).ScoreDomicile);
    EXPECT_EQ(kit::Refusals()[0].reason, DialogTexts().WholeNumber);
    r->Ligne(0).ScoreDomicile->SetText("");
    Score(r->Ligne(0).ScoreDomicile, "3", r->Ligne(0).ScoreExterieur);
    Score(r->Ligne(0).ScoreExterieur, "1", r->TrackBar1);
    kit::MouseDown(r->Ligne(1).Domicile, 5, 5, mbRight);
    kit::MouseUp(r->Ligne(1).Domicile, 5, 5, mbRight);
    r->pm_Forfait->CloseMenu();
    // the forfeit entry names the team clicked, the one that wins
    EXPECT_EQ(r->mi_Forfait->Caption(), TraduireFormat(3923, {r->Ligne(1).Domicile->Text()}));
    r->mi_MatchRemis->Click();
    kit::MouseDown(r->Ligne(2).Exterieur, 5, 5, mbRight);
    kit::MouseUp(r->Ligne(2).Exterieur, 5, 5, mbRight);
    r->pm_Forfait->CloseMenu();
    EXPECT_EQ(r->mi_Forfait->Caption(), TraduireFormat(3923, {r->Ligne(2).Exterieur->Text()}));
    EXPECT_NE(r->mi_Forfait->Caption().find(r->Ligne(2).Exterieur->Text()), std::string::npos);
    r->mi_Forfait->Click();
    EXPECT_EQ(r->Ligne(2).ScoreExterieur->Text(), IntToStr(c->Option(19)));
    EXPECT_EQ(r->Ligne(2).ScoreDomicile->Text(), IntToStr(c->Option(20)));
    EXPECT_EQ(c->Journee(1) ? c->Journee(1)->NbMatchs() : 0, 0);   // nothing written yet
    kit::GrabToPng(f.get(), "resultats_ligue");

    int ids[3][2];
    for (int k = 0; k < 3; ++k) {
        ids[k][0] = r->Ligne(k).Domicile->Numero;
        ids[k][1] = r->Ligne(k).Exterieur->Numero;
    }
    r->TrackBar1->SetPosition(2);
    EXPECT_EQ(c->NbJournee, 2);
    EXPECT_EQ(ModifSaison, 1);
    r->TrackBar1->SetPosition(1);
    ASSERT_EQ(c->Journee(1)->NbMatchs(), 3);
    const TInfoComp* m0 = c->MatchEquipes(1, ids[0][0], ids[0][1]);
    ASSERT_NE(m0, nullptr);
    EXPECT_EQ(m0->Score(0), 3);
    EXPECT_EQ(m0->Score(1), 1);
    ASSERT_NE(c->MatchEquipes(1, ids[1][0], ids[1][1]), nullptr);
    EXPECT_EQ(c->MatchEquipes(1, ids[1][0], ids[1][1])->Score(0), V);
    const TPenalite* remis = c->Penalites().Cherche(ids[1][0], ids[1][1], 1);
    ASSERT_NE(remis, nullptr);
    EXPECT_EQ(remis->Type, etatReporte);
    const TPenalite* forfait = c->Penalites().Cherche(ids[2][0], ids[2][1], 1);
    ASSERT_NE(forfait, nullptr);
    EXPECT_EQ(forfait->Type, etatForfait);
    EXPECT_EQ(forfait->s2, c->Option(19));
    EXPECT_EQ(c->DerniereJournee, 1);
    // The rows show the matchday again (ordered by the table), states in red.
    int etats = 0;
    for (int k = 0; k < 3; ++k)
        etats |= 1 << r->Ligne(k).EtatMatch;
    EXPECT_EQ(etats, (1 << etatNormal) | (1 << etatReporte) | (1 << etatForfait));

    // The standings show what the engine computes.
    ASSERT_TRUE(Commande(*f, 40));
    auto* cl = dynamic_cast<Tf_Classement*>(f->Enfant);
    ASSERT_NE(cl, nullptr);
    TCalculClassement calcul(c, f->Saison.get());
    ASSERT_EQ(calcul.Calcule(clsGeneral, 1, c->NbJour()), 6);
    const std::string premier = f->Saison->NomEquipePosition(calcul.ValeurLigne(0, 1));
    bool trouve = false;
    for (int col = 0; col < cl->sg_Classement->ColCount(); ++col)
        trouve = trouve || cl->sg_Classement->Cells(col, 1).find(premier) != std::string::npos;
    EXPECT_TRUE(trouve) << premier;

    // Saved and reopened: the same document and table.
    std::vector<std::string> dits;
    RepondBoite(mrOk, &dits);
    ASSERT_TRUE(Commande(*f, 7) || true);
    EXPECT_EQ(dits.size(), 1u);
    EXPECT_EQ(ModifSaison, 0);
    auto relu = Relit(fichier);
    ASSERT_TRUE(relu);
    EXPECT_EQ(Document(*relu), Document(*f->Saison));
    TCalculClassement calcul2(relu->ChampionnatCourant(), relu.get());
    calcul2.Calcule(clsGeneral, 1, c->NbJour());
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(calcul2.ValeurLigne(k, 2), calcul.ValeurLigne(k, 2));
    TermineFenetre(f);
}

TEST(Resultats, SavingCommitsTheShownMatchdayFirst)
{
    const std::string dir = Prepare("valide");
    auto saison = TMultiSport::CreeSaison(0);
    saison->SetChampionnatCourant(vues::Ligue(*saison, 0, "Division 1", 0, 4, 0, 1, 7));
    const std::string fichier = Fichier("valide", std::move(saison));
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(Commande(*f, 13));
    auto* r = dynamic_cast<Tf_Resultats*>(f->Enfant);
    ASSERT_NE(r, nullptr);
    ChoisitEquipe(*r, 0);
    ChoisitEquipe(*r, 0);
    Score(r->Ligne(0).ScoreDomicile, "4", r->Ligne(0).ScoreExterieur);
    Score(r->Ligne(0).ScoreExterieur, "2", r->TrackBar1);
    RepondBoite(mrOk);
    Commande(*f, 7);
    EXPECT_EQ(f->Enfant, r);   // the page stays, its matchday written
    auto relu = Relit(fichier);
    ASSERT_TRUE(relu);
    const TInfoComp* m = relu->ChampionnatCourant()->Match(1, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Score(0), 4);
    EXPECT_EQ(m->Score(1), 2);
    ModifSaison = 0;
    TermineFenetre(f);
}

// A cup of a sport: semi-finals (single matches) on matchday 1, the final on 2 (a final
// of another kind of tie on the matchdays after).
std::unique_ptr<TSaison> Coupe(uint32_t finale = 1, int sport = 0)
{
    auto s = TMultiSport::CreeSaison(sport);
    auto c = s->CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    c->OptionsParDefaut();
    for (int i = 0; i < 4; ++i)
        c->AjouteEquipe(s->AjouteEquipe(vues::NomsFoot[i]));
    const TInfoTourCoupe tours[] = {{2, 2, 1}, {1, 1, finale}};
    c->CreeToursCoupe(tours);
    c->SetOption(1, 2);
    c->PetiteFinale = true;
    c->CreeMatch(1, 0, 1, V, V);
    c->CreeMatch(1, 2, 3, V, V);
    c->NbJournee = 1;
    TDescNoeud* n = s->Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(c), "France");
    s->SetChampionnatCourant(n->Championnat());
    return s;
}

// What the results page shows of a cup's matchday is printed and exported
// whole: a semi-final drawn 1-1 and won 5-4 on the shoot-out, the other won
// 2-0, in each language; then the season saved, reopened and shown again.
TEST(Resultats, PrintAndHtmlHoldTheShootOutTheWindowShows)
{
    struct Cas
    {
        int sport;
        const char* langue;
        const char* tirs;   // the shoot-out line, as the window shows it
    } cas[] = {
        {0, "en", "Shoot-out: 5 - 4"},
        {0, "fr", "Tirs au but : 5 - 4"},
        {3, "en", "Shoot-out: 5 - 4"},
        {3, "fr", "Tirs au but : 5 - 4"},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(std::to_string(k.sport) + " " + k.langue);
        InstalleTraducteur(std::make_unique<TTraducteur>(
            MakePath(vues::DossierDonnees(), std::string("texte\\Texte") + k.langue + ".txt")));
        auto s = Coupe(1, k.sport);
        auto r = Page(s.get());
        r->DemandeTirsAuBut = [](int, int) -> uint32_t { return (5u << 16) + 4u; };
        Score(r->Ligne(0).ScoreDomicile, "1", r->Ligne(0).ScoreExterieur);
        Score(r->Ligne(0).ScoreExterieur, "1", r->Ligne(1).ScoreDomicile);
        Score(r->Ligne(1).ScoreDomicile, "2", r->Ligne(1).ScoreExterieur);
        Score(r->Ligne(1).ScoreExterieur, "0", r->TrackBar1);
        auto verifie = [&](Tf_Resultats& page, const std::string& nom) {
            EXPECT_EQ(Cp1252ToUtf8(page.Ligne(0).TirsAuBut->Caption()), k.tirs);
            EXPECT_EQ(page.Ligne(1).TirsAuBut->Caption(), "");
            const std::string texte = TexteImprime(page, nom);
            EXPECT_NE(texte.find(k.tirs), std::string::npos) << texte;
            EXPECT_EQ(texte.find(k.tirs), texte.rfind(k.tirs)) << texte;   // once, for the one match
            const std::string html = MakePath(kit::TempDir(), nom + ".htm");
            page.EnregistreHTML(html);
            std::string octets;
            ASSERT_TRUE(ReadFileBytes(html, octets));
            const std::string attendu = std::string(">") + L1(k.tirs) + "</td>";
            EXPECT_NE(octets.find(attendu), std::string::npos) << octets;
            EXPECT_EQ(octets.find(attendu), octets.rfind(attendu)) << octets;
        };
        verifie(*r, std::string("tirs_") + k.langue);
        r->EnregistrerJournee();
        r.reset();
        const std::string f = Fichier(std::string("tirs_") + k.langue, std::move(s));
        auto relu = Relit(f);
        ASSERT_TRUE(relu);
        auto r2 = Page(relu.get());
        verifie(*r2, std::string("tirs_relu_") + k.langue);
        r2.reset();
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), "texte\\Textefr.txt")));
}

TEST(Resultats, ACupTieGoesToAShootOutOnceAndItsWinnerToTheFinal)
{
    auto s = Coupe();
    TDonneesChampionnat* c = s->ChampionnatCourant();
    auto r = Page(s.get());
    ASSERT_EQ(r->NbLignes(), 2);
    EXPECT_EQ(r->Label1->Caption(), Traduire(272));
    EXPECT_EQ(r->l_Equipe->Items().Count(), 0);   // a cup round places nobody
    int dialogues = 0;
    kit::WhenModal([&](TForm* m) {
        ++dialogues;
        auto* p = dynamic_cast<Tf_Penaltys*>(m);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->Cadre1->Text(), vues::NomsFoot[0]);
        kit::GrabToPng(p, "resultats_penaltys");
        p->EditRond1->SetText("4");
        p->EditRond2->SetText("4");
        p->bc_ValiderClick(p);   // equal: refused
        EXPECT_EQ(p->ModalResult(), mrNone);
        p->EditRond1->SetText("5");
        kit::Click(p->bc_Valider);
    });
    Score(r->Ligne(0).ScoreDomicile, "1", r->Ligne(0).ScoreExterieur);
    Score(r->Ligne(0).ScoreExterieur, "1", r->Ligne(1).ScoreDomicile);
    EXPECT_EQ(dialogues, 1);
    EXPECT_EQ(r->Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
    EXPECT_EQ(r->Ligne(0).Qualifie, 0);
    // Leaving the box again keeps the shoot-out without asking.
    r->Ligne(0).ScoreExterieur->SetFocus();
    kit::Process();
    r->Ligne(1).ScoreDomicile->SetFocus();
    kit::Process();
    EXPECT_EQ(dialogues, 1);
    // The second tie: a cancelled shoot-out records nothing.
    kit::WhenModal([&](TForm* m) {
        ++dialogues;
        m->SetModalResult(mrCancel);
    });
    Score(r->Ligne(1).ScoreDomicile, "0", r->Ligne(1).ScoreExterieur);
    Score(r->Ligne(1).ScoreExterieur, "0", r->TrackBar1);
    EXPECT_EQ(dialogues, 2);
    EXPECT_EQ(r->Ligne(1).TirsAuBut->Tag, 0);
    EXPECT_EQ(r->Ligne(1).Qualifie, 2);
    EXPECT_EQ(c->Journee(2) ? c->Journee(2)->NbMatchs() : 0, 0);
    // Then a win places both winners in the final.
    Score(r->Ligne(1).ScoreDomicile, "2", r->TrackBar1);
    EXPECT_EQ(r->Ligne(1).Qualifie, 0);
    ASSERT_NE(c->MatchEquipes(2, 0, 2), nullptr);
    kit::GrabToPng(r.get(), "resultats_coupe");

    r->EnregistrerJournee();
    const std::string f = Fichier("coupe", std::move(s));
    auto relu = Relit(f);
    ASSERT_TRUE(relu);
    TDonneesChampionnat* c2 = relu->ChampionnatCourant();
    ASSERT_NE(c2->Penalty(1, 0, 1), nullptr);
    EXPECT_EQ(c2->Penalty(1, 0, 1)->s1, 5);
    EXPECT_EQ(c2->QualifieMatch(1, 0, 1), 0);
    EXPECT_NE(c2->MatchEquipes(2, 0, 2), nullptr);
    r->ChangeSaison(relu.get());
    r->CreeLignes();
    EXPECT_EQ(r->Ligne(0).TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
    // The final matchday with its third-place match shows both captions.
    r->TrackBar1->SetPosition(2);
    EXPECT_EQ(r->NbLignes(), 2);
    EXPECT_TRUE(r->l_Finale->Visible());
    EXPECT_TRUE(r->l_PetiteFinale->Visible());
    kit::GrabToPng(r.get(), "resultats_finale");
    r.reset();
}

// A final of five games won 3-0: the third-place match, on the fifth game's
// matchday, is named as such on the calendar and on its results page.
TEST(Resultats, TheThirdPlaceMatchOfASeriesFinalIsNamedAsSuch)
{
    vues::Module();
    auto s = Coupe(6);
    TDonneesChampionnat* c = s->ChampionnatCourant();
    ASSERT_EQ(c->NbJour(), 6);
    for (int d = 2; d <= 4; ++d)
        c->CreeMatch(d, 0, 2, 3, 1);
    c->CreeMatch(6, 1, 3, 2, 1);
    TOwned<Tf_calendrier> k(new Tf_calendrier(nullptr));
    k->ChangeSaison(s.get());
    k->ChangeCouleurs(Dessin->Couleurs);
    kit::ShowForm(k.get());
    k->Affiche();
    kit::GrabToPng(k.get(), "resultats_calendrier_petite_finale");
    ASSERT_FALSE(k->Grilles.empty());
    std::vector<std::string> titres;
    for (TColorStringGrid* g : k->Grilles)
        titres.push_back(g->LitCellule(0, 0));
    EXPECT_EQ(titres.back(), Traduire(3924));
    c->NbJournee = 6;
    auto r = Page(s.get());
    kit::GrabToPng(r.get(), "resultats_petite_finale");
    EXPECT_EQ(r->Label1->Caption(), TraduireFormat(5453, {LibelleJournee(*s, 6)}));
    EXPECT_TRUE(r->l_PetiteFinale->Visible());
    TBitmap mesure(1, 1);
    mesure.Canvas().Font = r->Label1->Font();
    EXPECT_LE(r->Label1->Left() + mesure.Canvas().TextWidth(r->Label1->Caption()), r->b_Completer->Left());
}

// A cup of four: semi-finals of the tie kind given (teams 0-1 and 2-3 on
// matchday 1), a single-match final with or without a third-place match;
// option word 1 counts the two rounds.
std::unique_ptr<TSaison> CoupeDemiFinales(uint16_t type, bool petiteFinale)
{
    auto s = Coupe();
    TDonneesChampionnat* c = s->ChampionnatCourant();
    const TInfoTourCoupe tours[] = {{2, 2, type}, {1, 1, 1}};
    c->VideToursCoupe();
    c->CreeToursCoupe(tours);
    c->PetiteFinale = petiteFinale;
    return s;
}

// The semi-finals typed game by game on the page: a, b give the winner of each
// game of the ties 0-1 and 2-3 ('H' the tie's first home side, 'V' the other,
// 'N' level); the final goes to the tie winners.
struct CasDemi
{
    uint16_t type;
    const char* a;
    const char* b;
    int finaleH, finaleA;
};

class DemiFinales : public ::testing::TestWithParam<std::tuple<CasDemi, bool>>
{
};

TEST_P(DemiFinales, WinnersMeetOnTheFinalsFirstMatchdayAndTheLastRoundKeepsItsMatches)
{
    const auto [cas, petiteFinale] = GetParam();
    auto s = CoupeDemiFinales(cas.type, petiteFinale);
    TDonneesChampionnat* c = s->ChampionnatCourant();
    const int fin = c->NbJour();
    const int lignesFin = c->NbMatchJournee(fin);
    auto r = Page(s.get());
    r->DemandeTirsAuBut = [](int, int) -> uint32_t {
        ADD_FAILURE() << "no level tie here";
        return 0;
    };
    const std::string jeux[2] = {cas.a, cas.b};
    size_t joues[2] = {0, 0};
    for (int d = 1; d < fin; ++d) {
        r->TrackBar1->SetPosition(d);
        ASSERT_EQ(c->NbJournee, d);
        for (int k = 0; k < r->NbLignes(); ++k) {
            TLigneResultat& l = r->Ligne(k);
            if (l.Domicile->Text().empty())
                continue;
            const int x = l.Domicile->Numero, t = x < 2 ? 0 : 1;
            ASSERT_LT(joues[t], jeux[t].size()) << "a match of tie " << t << " after its end, matchday " << d;
            const char j = jeux[t][joues[t]++];
            const bool gagneDom = (j == 'H') == (x == 2 * t);
            const char* sh = j == 'N' ? "1" : (gagneDom ? "3" : "1");
            const char* sa = j == 'N' ? "1" : (gagneDom ? "1" : "3");
            Score(l.ScoreDomicile, sh, l.ScoreExterieur);
            Score(l.ScoreExterieur, sa, r->TrackBar1);
        }
    }
    EXPECT_EQ(joues[0], jeux[0].size());
    EXPECT_EQ(joues[1], jeux[1].size());
    r->TrackBar1->SetPosition(fin);
    ASSERT_EQ(c->NbJournee, fin);
    ASSERT_NE(c->Journee(fin), nullptr);
    EXPECT_EQ(c->Journee(fin)->NbMatchs(), 1);
    EXPECT_NE(c->MatchEquipes(fin, cas.finaleH, cas.finaleA), nullptr);

    // The final, and the third-place match placed by hand, both typed: the cup
    // keeps its matchdays and both matches.
    ASSERT_EQ(r->NbLignes(), lignesFin);
    if (petiteFinale) {
        ChoisitEquipe(*r, 0);
        ChoisitEquipe(*r, 0);
        Score(r->Ligne(1).ScoreDomicile, "1", r->Ligne(1).ScoreExterieur);
        Score(r->Ligne(1).ScoreExterieur, "0", r->Ligne(0).ScoreDomicile);
    }
    Score(r->Ligne(0).ScoreDomicile, "2", r->Ligne(0).ScoreExterieur);
    Score(r->Ligne(0).ScoreExterieur, "1", r->TrackBar1);
    r->TrackBar1->SetPosition(1);
    r->TrackBar1->SetPosition(fin);
    EXPECT_EQ(c->NbJour(), fin);
    EXPECT_EQ(r->NbLignes(), lignesFin);
    ASSERT_NE(c->Journee(fin), nullptr);
    ASSERT_EQ(c->Journee(fin)->NbMatchs(), petiteFinale ? 2 : 1);
    for (int k = 0; k < c->Journee(fin)->NbMatchs(); ++k)
        EXPECT_NE(c->Journee(fin)->Match(k)->Score(0), V) << k;
    EXPECT_EQ(c->Journee(fin + 1), nullptr);
    if (petiteFinale && cas.type == 7)
        kit::GrabToPng(r.get(), "resultats_finale_serie");
    r.reset();
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, DemiFinales,
    ::testing::Combine(::testing::Values(CasDemi{1, "H", "V", 0, 3},
                                         // two legs; two legs and a third match
                                         CasDemi{2, "HH", "VV", 0, 3}, CasDemi{4, "HH", "HVH", 0, 2},
                                         // a replay after a level first match
                                         CasDemi{3, "H", "NV", 0, 3},
                                         // best of three: 2-0 and 2-1, then 2-0 twice
                                         CasDemi{5, "HH", "HVH", 0, 2}, CasDemi{5, "HH", "VV", 0, 3},
                                         CasDemi{6, "HHH", "HVHVV", 0, 3},
                                         // best of seven: 4-0 twice, then 4-0 and 4-2
                                         CasDemi{7, "HHHH", "HHHH", 0, 2}, CasDemi{7, "VVVV", "HVHVHH", 1, 2}),
                       ::testing::Bool()));

// A cup matchday typed with Enter alone: the last box, which Enter does not
// leave, decides its level tie through the shoot-out, and the final is made.
TEST(Resultats, EnterInATiesLastBoxDecidesItAsLeavingItDoes)
{
    auto s = Coupe();
    TDonneesChampionnat* c = s->ChampionnatCourant();
    auto r = Page(s.get());
    int dialogues = 0;
    kit::WhenModal([&](TForm* m) {
        ++dialogues;
        auto* p = dynamic_cast<Tf_Penaltys*>(m);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->Cadre1->Text(), vues::NomsFoot[2]);
        p->EditRond1->SetText("5");
        p->EditRond2->SetText("4");
        kit::Click(p->bc_Valider);
    });
    r->Ligne(0).ScoreDomicile->SetFocus();
    kit::Process();
    for (const char* t : {"1", "\r", "0", "\r", "20", "\r", "20", "\r"}) {
        if (t[0] == '\r')
            kit::PressKey(nullptr, VK_RETURN);
        else
            kit::Type(nullptr, t);
        kit::Process();
    }
    EXPECT_EQ(r->Ligne(1).ScoreExterieur->Text(), "20");
    EXPECT_EQ(dialogues, 1);
    EXPECT_EQ(r->Ligne(1).TirsAuBut->Caption(), TraduireFormat(286, {5, 4}));
    EXPECT_EQ(r->Ligne(1).Qualifie, 0);
    EXPECT_NE(c->MatchEquipes(2, 0, 2), nullptr);
    // Enter again asks nothing more.
    kit::PressKey(nullptr, VK_RETURN);
    kit::Process();
    EXPECT_EQ(dialogues, 1);
    r.reset();
}

// A double click on a team of a match holding a score or events asks first:
// "No" leaves the row whole, "Yes" takes the team out and the written matchday
// drops the match; a match with neither asks nothing.
TEST(Resultats, ADoubleClickOnAPlayedMatchsTeamAsksFirst)
{
    TLigueSix ligue = LigueSix(0);
    auto& s = ligue.Saison;
    TDonneesChampionnat* c = ligue.Championnat;
    const int* e = ligue.Equipes;
    c->CreeMatch(1, e[4], e[5], V, V);
    c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(100, e[3], 30, 0));
    c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(101, e[0], 12, 0));
    c->NbJournee = 1;
    auto r = Page(s.get());
    ASSERT_EQ(r->NbLignes(), 3);
    struct Cas
    {
        int ligne;
        bool demande;
        int reponse;
    };
    for (const Cas& k : {Cas{0, true, mrNo}, Cas{1, true, mrYes}, Cas{2, false, 0}}) {
        SCOPED_TRACE(k.ligne);
        TCadreDrop* cadre = r->Ligne(k.ligne).Exterieur;
        std::vector<std::string> dits;
        if (k.demande)
            RepondBoite(k.reponse, &dits);
        kit::DblClick(cadre);
        kit::Process();
        EXPECT_EQ(dits, k.demande ? std::vector<std::string>{Traduire(4300)} : std::vector<std::string>{});
        EXPECT_EQ(cadre->Text().empty(), k.reponse != mrNo);
    }
    EXPECT_EQ(r->Ligne(0).ScoreDomicile->Text(), "26");
    r->TrackBar1->SetPosition(2);
    const TInfoComp* garde = c->MatchEquipes(1, e[0], e[1]);
    ASSERT_NE(garde, nullptr);
    EXPECT_EQ(garde->Score(0), 26);
    EXPECT_EQ(c->MatchEquipes(1, e[2], e[3]), nullptr);
    EXPECT_EQ(c->MatchEquipes(1, e[4], e[5]), nullptr);
    int evenements = 0;
    for (int i = 0; i < c->ListeButeurs(1)->Nombre(); ++i)
        evenements += c->ListeButeurs(1)->Donnee(i)->IdEquipe() == e[0];
    EXPECT_EQ(evenements, 1);
    r.reset();
}

TEST(Resultats, DateSystemEndsWithAnEmptyRowAndCreatesMatchdaysByDate)
{
    auto s = TMultiSport::CreeSaison(0);
    TDonneesChampionnat* c = vues::Ligue(*s, 0, "Division 1", 0, 6, 0, 1, 7);
    s->SetChampionnatCourant(c);
    c->SetOption(11, 8 | 4);
    c->SetNbJournees(0);
    int n = -1;
    c->Journees().CreeJournee(n, TGestionDate::EncodeDate(3, 9, 2005));
    c->CreeMatch(1, c->IdEquipe(0), c->IdEquipe(1), 2, 0, -1, TGestionDate::EncodeDate(3, 9, 2005));
    c->NbJournee = 1;
    auto r = Page(s.get());
    ASSERT_EQ(r->NbLignes(), 2);
    EXPECT_EQ(r->Label1->Caption(), TraduireFormat(1481, {"03/09/2005"}));
    ASSERT_NE(r->Ligne(0).Date, nullptr);
    EXPECT_EQ(r->Ligne(0).Date->GetText(), "03/09/2005");
    EXPECT_FALSE(r->b_Completer->Visible());
    EXPECT_TRUE(r->bde_DateJour->Visible());
    ChoisitEquipe(*r, 0);
    ChoisitEquipe(*r, 0);
    EXPECT_EQ(r->NbLignes(), 3);   // filling the last row adds one
    kit::GrabToPng(r.get(), "resultats_dates");
    // Another date: the matchday is written and a new one made for it.
    r->bde_DateJour->SetDate(TGestionDate::DateVersDateTime(TGestionDate::EncodeDate(10, 9, 2005)));
    r->bde_DateJourChange(r->bde_DateJour);
    EXPECT_EQ(c->Journees().Nombre(), 2);
    EXPECT_EQ(c->Journee(1)->NbMatchs(), 2);
    EXPECT_EQ(r->NbLignes(), 1);
    r.reset();
}

// Printed, a match shows the date its box shows, and an undated match none
// (not the box's separators).
TEST(Resultats, AnUndatedMatchPrintsNoDate)
{
    struct Cas
    {
        uint32_t date1, date2;
        std::vector<std::string> dates;   // the dates printed, in order
    } cas[] = {
        {TGestionDate::EncodeDate(3, 9, 2005), 0, {"03/09/2005"}},
        {0, 0, {}},
        {TGestionDate::EncodeDate(3, 9, 2005), TGestionDate::EncodeDate(4, 9, 2005), {"03/09/2005", "04/09/2005"}},
    };
    int k = 0;
    for (const Cas& x : cas) {
        SCOPED_TRACE(k);
        auto s = TMultiSport::CreeSaison(0);
        TDonneesChampionnat* c = vues::Ligue(*s, 0, "Division 1", 0, 4, 0, 1, 3);
        s->SetChampionnatCourant(c);
        c->SetOption(11, 4);
        c->SetDateJournee(1, 0);
        c->CreeMatch(1, c->IdEquipe(0), c->IdEquipe(1), 2, 0, -1, x.date1);
        c->CreeMatch(1, c->IdEquipe(2), c->IdEquipe(3), 1, 1, -1, x.date2);
        c->NbJournee = 1;
        auto r = Page(s.get());
        ASSERT_NE(r->Ligne(1).Date, nullptr);
        const std::string texte = TexteImprime(*r, "sans_date_" + std::to_string(k++));
        std::vector<std::string> dates;
        for (size_t p = texte.find('/'); p != std::string::npos; p = texte.find('/', p + 8)) {
            const size_t debut = texte.find_last_of(" \n", p) + 1;
            dates.push_back(texte.substr(debut, texte.find_first_of(" \n", p) - debut));
        }
        EXPECT_EQ(dates, x.dates) << texte;
        EXPECT_NE(texte.find(Cp1252ToUtf8(r->Ligne(1).Domicile->Text())), std::string::npos) << texte;
        r.reset();
    }
}

// A whole matchday typed from the keyboard: Tab or Enter goes from the home
// score to the away score and on to the next row, Shift+Tab back.
TEST(Resultats, TabWalksTheScoreBoxes)
{
    auto s = TMultiSport::CreeSaison(0);
    s->SetChampionnatCourant(vues::Ligue(*s, 0, "Division 1", 0, 6, 0, 1, 7));
    auto r = Page(s.get());
    ASSERT_EQ(r->NbLignes(), 3);
    for (int k = 0; k < 6; ++k)
        ChoisitEquipe(*r, 0);
    r->Ligne(0).ScoreDomicile->SetFocus();
    kit::Process();
    for (const char* touches : {"2", "\t", "1", "\r", "3", "\r", "0", "\t", "4", "\t", "4"}) {
        if (touches[0] == '\t' || touches[0] == '\r')
            kit::PressKey(nullptr, touches[0] == '\t' ? VK_TAB : VK_RETURN);
        else
            kit::Type(nullptr, touches);
        kit::Process();
    }
    const char* attendus[3][2] = {{"2", "1"}, {"3", "0"}, {"4", "4"}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(r->Ligne(k).ScoreDomicile->Text(), attendus[k][0]) << k;
        EXPECT_EQ(r->Ligne(k).ScoreExterieur->Text(), attendus[k][1]) << k;
    }
    kit::PressKey(nullptr, VK_TAB, ssShift);
    kit::Process();
    EXPECT_TRUE(r->Ligne(2).ScoreDomicile->Focused());
    kit::GrabToPng(r.get(), "resultats_tabulation");
    r.reset();
}

// A championship run by dates: the track bar stands on the date shown, so
// each step right and left shows the next or previous date, none skipped or
// shown twice; a date chosen in the picker moves the bar onto it.
TEST(Resultats, DateSystemTrackBarWalksEveryMatchdayBothWays)
{
    auto s = TMultiSport::CreeSaison(0);
    TDonneesChampionnat* c = vues::Ligue(*s, 0, "Division 1", 0, 6, 0, 1, 7);
    s->SetChampionnatCourant(c);
    c->SetOption(11, 8 | 4);
    c->SetNbJournees(0);
    const uint32_t dates[4] = {TGestionDate::EncodeDate(3, 9, 2005), TGestionDate::EncodeDate(10, 9, 2005),
                               TGestionDate::EncodeDate(17, 9, 2005), TGestionDate::EncodeDate(24, 9, 2005)};
    for (int d = 0; d < 4; ++d) {
        int n = -1;
        c->Journees().CreeJournee(n, dates[d]);
        c->CreeMatch(n, c->IdEquipe(d), c->IdEquipe(5 - d), 1, 0, -1, dates[d]);
    }
    c->NbJournee = static_cast<uint8_t>(c->Journees().NumeroJourneeDate(dates[1]));
    auto r = Page(s.get());
    auto montre = [&](int d) {
        EXPECT_EQ(r->Label1->Caption(), TraduireFormat(1481, {TGestionDate::DateVersTexte(dates[d])})) << d;
        EXPECT_EQ(c->DateJournee(c->NbJournee), dates[d]) << d;
        EXPECT_EQ(r->TrackBar1->Position(), d + 1) << d;
    };
    montre(1);
    for (int d : {2, 3, 2, 1, 0, 1}) {
        r->TrackBar1->SetPosition(d + 1);
        montre(d);
    }
    r->bde_DateJour->SetDate(TGestionDate::DateVersDateTime(dates[3]));
    r->bde_DateJourChange(r->bde_DateJour);
    montre(3);
    r->TrackBar1->SetPosition(3);
    montre(2);
    for (int d = 0; d < 4; ++d)
        EXPECT_EQ(c->Journee(c->Journees().NumeroJourneeDate(dates[d]))->NbMatchs(), 1) << d;
    kit::GrabToPng(r.get(), "resultats_dates_curseur");
    r.reset();
}

// A forfeit and a postponement on two dated matchdays; an earlier date picked
// in the window makes a matchday between them: both states stay with their
// matches, shown by the window, and through a save and a reopening.
TEST(Resultats, DateSystemStatesFollowTheirMatchesWhenAnEarlierDateIsPicked)
{
    auto s = TMultiSport::CreeSaison(0);
    TDonneesChampionnat* c = vues::Ligue(*s, 0, "Division 1", 0, 6, 0, 1, 7);
    s->SetChampionnatCourant(c);
    c->SetOption(11, 8 | 4);
    c->SetNbJournees(0);
    const uint32_t dates[3] = {TGestionDate::EncodeDate(3, 9, 2005), TGestionDate::EncodeDate(17, 9, 2005),
                               TGestionDate::EncodeDate(10, 9, 2005)};
    struct TEtat
    {
        int domicile, exterieur, etat;
        uint32_t date;
    };
    const TEtat etats[2] = {{c->IdEquipe(0), c->IdEquipe(1), etatForfait, dates[0]},
                            {c->IdEquipe(2), c->IdEquipe(3), etatReporte, dates[1]}};
    for (const TEtat& e : etats) {
        int n = -1;
        c->Journees().CreeJournee(n, e.date);
        c->CreeMatch(n, e.domicile, e.exterieur, 3, 0, -1, e.date);
        c->Penalites().Ajoute(e.domicile, e.exterieur, 3, 0, n, e.etat);
    }
    c->NbJournee = 2;
    auto r = Page(s.get());
    r->bde_DateJour->SetDate(TGestionDate::DateVersDateTime(dates[2]));
    r->bde_DateJourChange(r->bde_DateJour);
    ASSERT_EQ(c->Journees().Nombre(), 3);
    auto verifie = [&](TDonneesChampionnat& ch) {
        for (const TEtat& e : etats) {
            const int n = ch.Journees().NumeroJourneeDate(e.date);
            ASSERT_GE(n, 1) << e.etat;
            ASSERT_NE(ch.MatchEquipes(n, e.domicile, e.exterieur), nullptr) << e.etat;
            const TPenalite* p = ch.Penalites().Cherche(e.domicile, e.exterieur, n);
            ASSERT_NE(p, nullptr) << e.etat;
            EXPECT_EQ(p->Type, e.etat);
        }
        EXPECT_EQ(ch.Penalites().Nombre(), 2);
    };
    verifie(*c);
    // The window shows the postponed match with its state on its date.
    r->TrackBar1->SetPosition(3);
    ASSERT_EQ(c->DateJournee(c->NbJournee), dates[1]);
    ASSERT_FALSE(r->LignesSaisies().empty());
    EXPECT_EQ(r->LignesSaisies()[0].Etat, etatReporte);
    kit::GrabToPng(r.get(), "resultats_dates_etats");
    r.reset();
    const std::string f = Fichier("dates_etats", std::move(s));
    auto relu = Relit(f);
    ASSERT_TRUE(relu);
    verifie(*relu->ChampionnatCourant());
}

TEST(Resultats, SearchOpensTheMatchdayAndTheCheckListsItsFindings)
{
    const std::string dir = Prepare("recherche");
    auto saison = TMultiSport::CreeSaison(0);
    TDonneesChampionnat* c0 = vues::Ligue(*saison, 0, "Division 1", 0, 6, 5, 1, 7);
    c0->GenereMatchsRetour(false);
    saison->SetChampionnatCourant(c0);
    const std::string fichier = Fichier("recherche", std::move(saison));
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    const int a = c->IdEquipe(0), b = c->IdEquipe(1);
    int retour = 0;
    for (int d = c->NbJour(); d > c->NbJour() / 2 && !retour; --d)
        if (c->MatchEquipes(d, a, b) || c->MatchEquipes(d, b, a))
            retour = d;
    ASSERT_GT(retour, 0);
    kit::WhenModal([&](TForm* m) {
        auto* s = dynamic_cast<Tf_RechercheMatch*>(m);
        ASSERT_NE(s, nullptr);
        s->ComboBox1->SetItemIndex(0);
        s->ComboBox2->SetItemIndex(0);
        kit::Click(s->BoutonCopie1);
        EXPECT_FALSE(s->b_Voir1->Visible());
        EXPECT_FALSE(s->b_Voir2->Visible());
        s->ComboBox2->SetItemIndex(1);
        kit::Click(s->BoutonCopie1);
        EXPECT_TRUE(s->b_Voir1->Visible());
        ASSERT_TRUE(s->b_Voir2->Visible());
        EXPECT_EQ(s->Label6->Caption().find(" ("), std::string::npos);   // not played yet
        EXPECT_NE(s->Label5->Caption().find(" ("), std::string::npos);
        kit::GrabToPng(s, "resultats_recherche");
        kit::Click(s->b_Voir2);
    });
    ASSERT_TRUE(Commande(*f, 22));
    auto* r = dynamic_cast<Tf_Resultats*>(f->Enfant);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(c->NbJournee, retour);
    EXPECT_EQ(r->TrackBar1->Position(), retour);

    // The check of a played matchday without scorers lists what its model finds.
    r->TrackBar1->SetPosition(1);
    int nombre = 0;
    const auto attendu = c->VerifieJournee(1, nombre);
    std::vector<std::string> lignes;
    kit::WhenModal([&](TForm* m) {
        auto* v = dynamic_cast<Tf_Validation*>(m);
        ASSERT_NE(v, nullptr);
        for (TLabel* l : v->Lignes)
            lignes.push_back(l->Caption());
        kit::GrabToPng(v, "resultats_validation");
        kit::Click(v->BoutonCopie2);
    });
    kit::Click(r->b_Verification);
    ASSERT_EQ(static_cast<int>(lignes.size()), attendu->Count());
    for (int i = 0; i < attendu->Count(); ++i)
        EXPECT_EQ(lignes[static_cast<size_t>(i)], (*attendu)[i]);

    // Printed: a PDF with the title and the rows.
    const std::string texte = TexteImprime(*r, "journee");
    EXPECT_NE(texte.find(Cp1252ToUtf8(Traduire(85)) + " 1"), std::string::npos);
    EXPECT_NE(texte.find(Cp1252ToUtf8(r->Ligne(0).Domicile->Text())), std::string::npos);

    // Fewer than two teams: refused.
    f->FermeFenetreEnfant();
    TDonneesChampionnat* d2 = f->Saison->ChampionnatCourant();
    while (d2->NbEquipe() > 1)
        d2->SupprimeEquipe(0);
    f->Messages.clear();
    Commande(*f, 22);
    EXPECT_EQ(f->Messages, (std::vector<std::string>{TraduireFormat(294, {2})}));
    ModifSaison = 0;

    // A league run by dates, its two meetings of Club 1 and Club 2 on its
    // first two dates (the first half of its six): both are offered, the
    // first with the score just typed on the page; searched from an empty
    // date picked, which goes, the page shows the date now in its place,
    // whose match stays.
    auto saison2 = TMultiSport::CreeSaison(0);
    TDonneesChampionnat* l = vues::Ligue(*saison2, 0, "Division 2", 0, 4, 0, 1, 7);
    saison2->SetChampionnatCourant(l);
    l->SetOption(11, 8 | 4);
    l->SetNbJournees(0);
    const int paires[6][2] = {{0, 1}, {1, 0}, {2, 3}, {3, 2}, {0, 2}, {1, 3}};
    auto date = [](int d) { return TGestionDate::EncodeDate(5 * d + 1, 9, 2025); };
    for (int d = 0; d < 6; ++d) {
        int n = -1;
        l->Journees().CreeJournee(n, date(d));
        l->CreeMatch(n, l->IdEquipe(paires[d][0]), l->IdEquipe(paires[d][1]), V, V, -1, date(d));
    }
    l->NbJournee = 1;
    const std::string dates = Fichier("recherche_dates", std::move(saison2));
    f->OpenFile(dates);
    c = f->Saison->ChampionnatCourant();
    const int e0 = c->IdEquipe(0), e1 = c->IdEquipe(1);
    ASSERT_TRUE(Commande(*f, 13));
    r = dynamic_cast<Tf_Resultats*>(f->Enfant);
    Retape(*r, 0, "2", "1");
    const std::string n0 = f->Saison->NomEquipeCourant(e0), n1 = f->Saison->NomEquipeCourant(e1);
    std::string lus[2];
    auto cherche = [&](bool voir) {
        kit::WhenModal([&, voir](TForm* m) {
            auto* s = dynamic_cast<Tf_RechercheMatch*>(m);
            ASSERT_NE(s, nullptr);
            s->ComboBox1->SetItemIndex(0);
            s->ComboBox2->SetItemIndex(1);
            kit::Click(s->BoutonCopie1);
            lus[0] = s->b_Voir1->Visible() ? s->Label5->Caption() : "";
            lus[1] = s->b_Voir2->Visible() ? s->Label6->Caption() : "";
            kit::GrabToPng(s, "resultats_recherche_dates");
            kit::Click(voir ? s->b_Voir1 : s->BoutonCopie2);
        });
        ASSERT_TRUE(Commande(*f, 22));
    };
    cherche(true);
    EXPECT_EQ(lus[0], TraduireFormat(339, {1, n0, n1}) + " (2 - 1)");
    EXPECT_EQ(lus[1], TraduireFormat(339, {2, n1, n0}));
    r = dynamic_cast<Tf_Resultats*>(f->Enfant);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Label1->Caption(), TraduireFormat(1481, {"01/09/2025"}));
    EXPECT_EQ(r->Ligne(0).ScoreDomicile->Text() + "-" + r->Ligne(0).ScoreExterieur->Text(), "2-1");
    r->bde_DateJour->SetDate(TGestionDate::DateVersDateTime(TGestionDate::EncodeDate(4, 9, 2025)));
    r->bde_DateJourChange(r->bde_DateJour);
    ASSERT_EQ(c->Journees().Nombre(), 7);
    cherche(false);
    EXPECT_EQ(lus[1], TraduireFormat(339, {2, n1, n0}));   // the empty date gone
    EXPECT_EQ(r->Label1->Caption(), TraduireFormat(1481, {"06/09/2025"}));
    r->TrackBar1->SetPosition(1);
    std::vector<std::string> dits;
    RepondBoite(mrOk, &dits);
    Commande(*f, 7);
    auto relue = Relit(dates);
    ASSERT_TRUE(relue);
    const TDonneesChampionnat* k = relue->ChampionnatCourant();
    ASSERT_EQ(k->Journees().Nombre(), 6);
    ASSERT_NE(k->MatchEquipes(1, e0, e1), nullptr);
    EXPECT_EQ(k->MatchEquipes(1, e0, e1)->Score(0) * 10 + k->MatchEquipes(1, e0, e1)->Score(1), 21);
    EXPECT_NE(k->MatchEquipes(2, e1, e0), nullptr);
    TermineFenetre(f);
}

TEST(Resultats, TeamsAddedToACup)
{
    auto s = Coupe();
    s->AjouteEquipe("Stade Nouveau");
    TDonneesChampionnat* c = s->ChampionnatCourant();
    // A cup not drawn yet takes none beyond the places of its rounds: the
    // four it has are taken, the two are refused with a word.
    c->SupprimeMatch(1, 0, 1);
    c->SupprimeMatch(1, 2, 3);
    auto r = Page(s.get());
    std::vector<std::string> messages;
    kit::WhenModal([&](TForm* m) {
        auto* a = dynamic_cast<Tf_AjoutEquipeCoupe*>(m);
        ASSERT_NE(a, nullptr);
        ASSERT_EQ(a->cb_AjoutEquipe->Items().Count(), 1);
        ASSERT_EQ(a->lb_EquipesPresentes->Items().Count(), 4);
        a->cb_AjoutEquipe->SetItemIndex(0);
        kit::Click(a->b_Ajouter);
        EXPECT_EQ(a->cb_AjoutEquipe->Items().Count(), 0);
        a->cb_AjoutEquipe->SetText("AS Toute Neuve");
        kit::Click(a->b_Ajouter);
        EXPECT_EQ(a->lb_EquipesPresentes->Items().Count(), 6);
        EXPECT_EQ(a->Resultat.Objects(1), -1);
        kit::GrabToPng(a, "resultats_ajout_equipes");
        kit::Click(a->b_Continuer);
    });
    kit::WhenModal([&](TForm* m) {
        messages.push_back(dynamic_cast<Tf_MessageUtil*>(m)->Label1->Caption());
        m->SetModalResult(mrOk);
    });
    r->mi_AjoutEquipe->Click();
    EXPECT_EQ(messages, std::vector<std::string>{TraduireFormat(5911, {4, "Stade Nouveau, AS Toute Neuve"})});
    messages.clear();
    EXPECT_EQ(c->NbEquipe(), 4);
    EXPECT_LT(s->ChercheEquipe("AS Toute Neuve"), 0);
    EXPECT_EQ(r->l_Equipe->Items().Count(), 4);
    r.reset();

    // A name already in the cup is refused with a message.
    TOwned<Tf_AjoutEquipeCoupe> a(new Tf_AjoutEquipeCoupe(nullptr));
    TStringList coupe, offre;
    coupe.Add(vues::NomsFoot[1]);
    a->Prepare(coupe, offre);
    kit::ShowForm(a.get());
    a->cb_AjoutEquipe->SetText(vues::NomsFoot[1]);
    kit::WhenModal([&](TForm* b) {
        messages.push_back(dynamic_cast<Tf_MessageUtil*>(b)->Label1->Caption());
        b->SetModalResult(mrOk);
    });
    kit::Click(a->b_Ajouter);
    EXPECT_EQ(messages, (std::vector<std::string>{L1("L'équipe est déjà existante dans ce championnat")}));
    EXPECT_EQ(a->lb_EquipesPresentes->Items().Count(), 1);
    EXPECT_EQ(a->Resultat.Count(), 0);
}

}  // namespace
