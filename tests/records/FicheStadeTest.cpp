// The stadium card driven as a user does: a new stadium typed in with a new
// country and a photo, the checks made before anything is written, renaming,
// merging with a namesake, the match list over two championships, and the
// hall texts of the indoor sports.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/StdCtrls.h"
#include "records/ImageManager.h"
#include "records/w_FicheStade.h"
#include "records/w_ImageManager.h"
#include "tests/records/FichesEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/message2.h"

using namespace fiches_essai;

namespace {

TOwned<Tf_FicheStade> Carte(TSaison& s, TStade* stade)
{
    TOwned<Tf_FicheStade> f(new Tf_FicheStade(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&s);
    f->Stade = stade;
    return f;
}

std::vector<std::string> Ligne(TColorStringGrid* g, int r)
{
    std::vector<std::string> v;
    for (int c = 0; c < g->ColCount(); ++c)
        v.push_back(g->Cells(c, r));
    return v;
}

void Grab(TForm* f, const std::string& nom)
{
    kit::Process(30);
    kit::GrabToPng(f, nom);
}

// The messages shown while the action runs (each answered OK).
std::vector<std::string> Messages(const std::function<void()>& action)
{
    auto textes = std::make_shared<std::vector<std::string>>();
    std::function<void(TForm*)> reponse = [textes](TForm* m) {
        if (auto* b = dynamic_cast<Tf_MessageUtil*>(m))
            textes->push_back(b->Label1->Caption());
        m->SetModalResult(mrOk);
    };
    for (int i = 0; i < 3; ++i)
        kit::WhenModal(reponse);
    action();
    kit::Process(20);
    kit::ForgetModalActions();
    return *textes;
}

}  // namespace

TEST(FicheStade, NewStadiumWithEveryFieldANewCountryAndAPhoto)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    Dossier d;
    auto store = std::make_unique<TImageManager>(d.Chemin("pict"));
    const int photo = store->Ajoute(0, *Photo(64, 48), "Municipal");
    ASSERT_GT(photo, 0);
    InstalleImageManager(std::move(store));
    s.Stades().NouveauStade("Parc", "Zelvor");
    const int nbPays = s.Pays().NbPays();

    auto f = Carte(s, nullptr);
    kit::ShowForm(f.get());
    EXPECT_EQ(f->PageControl1->ActivePage(), f->TabSheet1);
    EXPECT_EQ(f->e_Construit->GetText(), "0");
    EXPECT_EQ(f->e_Capacite->GetText(), "0");
    EXPECT_EQ(f->cb_Pays->GetText(), "");
    EXPECT_EQ(f->Caption(), Traduire(1027));
    kit::Type(f->e_NomStade, "Stade Municipal");
    kit::Type(f->e_Ville, "Brivant");
    // the two town fields mirror each other
    EXPECT_EQ(f->e_Ville2->GetText(), "Brivant");
    f->cb_Pays->SetText("Belgique");
    f->e_Construit->SetText("1932");
    f->e_Capacite->SetText("12500");
    f->e_AffluenceRecord->SetText("14 000 en 1961");
    f->e_Longueur->SetText("105");
    f->e_Largeur->SetText("68");
    f->e_NatureSol->SetText("Pelouse");
    Grab(f.get(), "fiche-stade-information");
    f->MontrePage(f->ts_InfoAdmin);
    f->m_Remarque->SetText("Tribune couverte");
    f->m_Adresse->SetText("1 rue du Stade");
    f->e_Cp->SetText("19100");
    kit::Type(f->e_Ville2, "x");
    EXPECT_EQ(f->e_Ville->GetText(), f->e_Ville2->GetText());
    EXPECT_NE(f->e_Ville->GetText(), "Brivant");
    f->e_Ville2->SetText("Brivant");
    EXPECT_EQ(f->e_Ville->GetText(), "Brivant");
    f->e_Telephone->SetText("05 55 00 00 00");
    f->e_Fax->SetText("05 55 00 00 01");
    Grab(f.get(), "fiche-stade-administration");
    f->MontrePage(f->ts_Photo);
    kit::WhenModal([](TForm* m) {
        auto* d = dynamic_cast<Tf_ImageManager*>(m);
        ASSERT_TRUE(d);
        d->lb_Image->SetItemIndex(d->lb_Image->Items().Count() - 1);
        d->lb_ImageClick(nullptr);
        Grab(d, "fiche-stade-choix-photo");
        d->bc_ChoisirClick(nullptr);
    });
    f->b_AjouterClick(nullptr);
    EXPECT_EQ(f->LogoStade->Tag, photo);
    ASSERT_NE(f->LogoStade->Image(), nullptr);
    Grab(f.get(), "fiche-stade-photo");
    f->MontrePage(f->ts_Matchs);
    EXPECT_EQ(f->sg_Match->RowCount(), 1);   // a new stadium has no match
    f->b_Valider->Click();
    ASSERT_EQ(f->ModalResult(), mrOk);
    EXPECT_EQ(f->Modifie, 1);
    EXPECT_EQ(f->Renomme, 0);

    TStade* st = s.Stades().ChercheStadeNom("Stade Municipal", "Brivant");
    ASSERT_TRUE(st);
    EXPECT_EQ(f->Stade, st);
    EXPECT_EQ(st->Code, 2);   // the next code after "Parc"
    EXPECT_EQ(s.Pays().NbPays(), nbPays + 1);
    EXPECT_EQ(s.Pays().NomPays(st->CodePays), "Belgique");
    EXPECT_EQ(st->DateConstruction, 1932);
    EXPECT_EQ(st->Capacite, 12500);
    EXPECT_EQ(st->RecordAffluence, "14 000 en 1961");
    EXPECT_EQ(st->LongueurTerrain, 105);
    EXPECT_EQ(st->LargeurTerrain, 68);
    EXPECT_EQ(st->NatureSol, "Pelouse");
    EXPECT_EQ(st->Remarque, "Tribune couverte");
    EXPECT_EQ(st->Adresse, "1 rue du Stade");
    EXPECT_EQ(st->Cp, "19100");
    EXPECT_EQ(st->Tel, "05 55 00 00 00");
    EXPECT_EQ(st->Fax, "05 55 00 00 01");
    EXPECT_EQ(st->Image, photo);
    // the list stays ordered by name
    EXPECT_EQ(s.Stades().Stade(0)->NomStade, "Parc");

    // Read back, the card shows the same values; unchanged, nothing is modified.
    auto relue = essai::Lit(sportFootball, essai::Document(s));
    TStade* r = relue->Stades().ChercheStadeNom("Stade Municipal", "Brivant");
    ASSERT_TRUE(r);
    auto g = Carte(*relue, r);
    kit::ShowForm(g.get());
    EXPECT_EQ(g->e_Capacite->GetText(), "12500");
    EXPECT_EQ(g->cb_Pays->GetText(), "Belgique");
    EXPECT_EQ(g->e_Ville2->GetText(), "Brivant");
    EXPECT_EQ(g->LogoStade->Tag, photo);
    g->b_Valider->Click();
    EXPECT_EQ(g->ModalResult(), mrOk);
    EXPECT_EQ(g->Modifie, 0);
    InstalleImageManager(nullptr);
}

// Nothing is written while the name or town is empty or a number does not fit.
TEST(FicheStade, RefusedInputKeepsTheCardOpenAndChangesNothing)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    TStade* parc = s.Stades().NouveauStade("Parc", "Zelvor");
    const std::string avant = essai::Document(s);
    struct Cas
    {
        const char* nom;
        const char* ville;
        const char* champ;   // field given a value
        const char* texte;
        int message;
    };
    const Cas cas[] = {
        {"", "Ville", "", "", 1028},
        {"Nom", "", "", "", 1028},
        {"  ", "Ville", "", "", 1028},
        {"Nom", "Ville", "e_Construit", "70000", 3320},          // 16 bits
        {"Nom", "Ville", "e_Construit", "-1", 3320},
        {"Nom", "Ville", "e_Capacite", "3000000000", 3320},       // 32 bits
        {"Nom", "Ville", "e_Longueur", "99999999999", 3320},
        {"Nom", "Ville", "e_Largeur", "2147483648", 3320},
    };
    for (TStade* stade : {static_cast<TStade*>(nullptr), parc})
        for (const Cas& c : cas) {
            auto f = Carte(s, stade);
            kit::ShowForm(f.get());
            f->e_NomStade->SetText(c.nom);
            f->e_Ville->SetText(c.ville);
            if (*c.champ)
                kit::Find<TEdit>(f.get(), c.champ)->SetText(c.texte);
            const auto textes = Messages([&] { f->b_Valider->Click(); });
            EXPECT_EQ(f->ModalResult(), mrNone) << c.champ << c.texte;
            ASSERT_EQ(textes.size(), 1u) << c.champ << c.texte;
            if (c.message == 1028)
                EXPECT_EQ(textes[0], Traduire(1028));
            else
                EXPECT_NE(textes[0].find(c.texte), std::string::npos) << textes[0];
            f->b_Annuler->Click();
            EXPECT_EQ(essai::SansDate(essai::Document(s)), essai::SansDate(avant)) << c.champ << c.texte;
        }
    // Text that is not a number reads as 0; the largest values fit.
    auto f = Carte(s, parc);
    kit::ShowForm(f.get());
    f->e_Construit->SetText("abc");
    f->e_Capacite->SetText("2147483647");
    f->e_Longueur->SetText("");
    f->e_Largeur->SetText("65535");
    f->b_Valider->Click();
    ASSERT_EQ(f->ModalResult(), mrOk);
    EXPECT_EQ(parc->DateConstruction, 0);
    EXPECT_EQ(parc->Capacite, 2147483647);
    EXPECT_EQ(parc->LargeurTerrain, 65535);
}

// Each box of the card shows, while it is typed key by key or pasted, what
// validation then stores: a number box refuses a letter, a sign or a decimal
// separator at the key (and a paste holding one) and says that it takes whole
// numbers, takes the blanks of a pasted number; a name box writes a letter the
// season cannot keep as its nearest kept one, joins an accent given apart,
// says which letters it left out and takes a line break as a blank. The
// remarks memo gives back its no-break spaces.
TEST(FicheStade, EveryBoxStoresWhatItShows)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    struct Cas
    {
        const char* boite;
        bool colle;          // pasted, else typed key by key
        const char* saisi;   // UTF-8
        const char* montre;  // UTF-8, what the box shows and the stadium holds
        char dit;            // '-' nothing, 'W' whole numbers only, 'L' letters left out
    };
    const Cas cas[] = {
        {"e_Capacite", false, "16k0a00", "16000", 'W'},
        {"e_Capacite", true, "16k0a00", "0", 'W'},
        {"e_Capacite", true, "16000", "16000", '-'},
        {"e_Capacite", true, "16 000", "16000", '-'},
        {"e_Capacite", true, "16\u00A0000", "16000", '-'},
        {"e_Capacite", true, " 42", "42", '-'},
        {"e_Construit", false, "19 32", "1932", '-'},
        {"e_Longueur", false, "1O5", "15", 'W'},
        {"e_Longueur", false, "105,5", "1055", 'W'},
        {"e_Capacite", true, "105,5", "0", 'W'},
        {"e_Largeur", false, "-68", "68", 'W'},
        {"e_NomStade", false, "Şükrü Saracoğlu", "Sükrü Saracoglu", '-'},
        {"e_NomStade", true, "Stadion Łódź", "Stadion Lódz", '-'},
        {"e_NomStade", true, "Stade Zoe\u0301\tdu\r\nParc\u0001", "Stade Zoé du Parc", '-'},
        {"e_Ville", false, "Beşiktaş", "Besiktas", '-'},
        {"e_Ville", true, "Αθήνα Athènes", " Athènes", 'L'},
        {"e_NatureSol", false, "Gazon ✓", "Gazon ", 'L'},
        {"m_Remarque", true, "12\u00A0000 places", "12\u00A0000 places", '-'},
    };
    auto champ = [&s](const std::string& boite, const TStade& st) -> std::string {
        if (boite == "e_Capacite") return IntToStr(st.Capacite);
        if (boite == "e_Construit") return IntToStr(st.DateConstruction);
        if (boite == "e_Longueur") return IntToStr(st.LongueurTerrain);
        if (boite == "e_Largeur") return IntToStr(st.LargeurTerrain);
        if (boite == "e_NomStade") return st.NomStade;
        if (boite == "e_Ville") return st.Ville;
        if (boite == "m_Remarque") return st.Remarque;
        return st.NatureSol;
    };
    int n = 0;
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.boite) + (c.colle ? " pasted " : " typed ") + c.saisi);
        auto f = Carte(s, nullptr);
        kit::ShowForm(f.get());
        f->e_NomStade->SetText("Stade " + IntToStr(++n));
        f->e_Ville->SetText("Zelvor");
        auto* e = kit::Find<TWinControl>(f.get(), c.boite);
        ASSERT_NE(e, nullptr);
        if (std::string(c.boite) == "m_Remarque")
            f->MontrePage(f->ts_InfoAdmin);
        kit::Refusals().clear();
        if (c.colle)
            kit::Paste(e, c.saisi);
        else
            kit::TypeKeys(e, c.saisi);
        if (auto* l = qobject_cast<QLineEdit*>(e->Widget())) {
            EXPECT_EQ(l->text().toStdString(), c.montre);
        }
        char dit = '-';
        for (const kit::Refusal& r : kit::Refusals())
            dit = r.box == e && r.reason == DialogTexts().WholeNumber      ? 'W'
                  : r.box == e && r.reason == DialogTexts().LettersLeftOut ? 'L'
                                                                           : '?';
        EXPECT_EQ(dit, c.dit);
        if (std::string(c.boite) == "e_Capacite")
            Grab(f.get(), "fiche-stade-capacite-" + IntToStr(n));
        EXPECT_EQ(Messages([&] { f->b_Valider->Click(); }), std::vector<std::string>());
        ASSERT_EQ(f->ModalResult(), mrOk);
        ASSERT_NE(f->Stade, nullptr);
        EXPECT_EQ(champ(c.boite, *f->Stade), L1(c.montre));
    }
    // Remarks read from the file with a no-break space go back untouched.
    TStade* st = s.Stades().ChercheStadeNom("Stade 1", "Zelvor");
    ASSERT_NE(st, nullptr);
    st->Remarque = L1("12\u00A0000 places");
    auto f = Carte(s, st);
    kit::ShowForm(f.get());
    f->b_Valider->Click();
    EXPECT_EQ(st->Remarque, L1("12\u00A0000 places"));
    EXPECT_EQ(f->Modifie, 0);
}

TEST(FicheStade, NumbersOfAField)
{
    struct Cas
    {
        const char* texte;
        int64_t max;
        bool accepte;
        int64_t valeur;
    };
    const Cas cas[] = {{"", 65535, true, 0},       {"abc", 65535, true, 0},    {"12a", 65535, true, 0},
                       {" 1932 ", 65535, true, 1932}, {"65535", 65535, true, 65535}, {"65536", 65535, false, 0},
                       {"-0", 65535, true, 0},     {"-3", 65535, false, 0},    {"+7", 65535, true, 7},
                       {"-", 65535, true, 0},      {"000000000000000000000042", 100, true, 42},
                       {"99999999999999999999999", 2147483647, false, 0}};
    for (const Cas& c : cas) {
        int64_t v = -1;
        EXPECT_EQ(NombreChamp(c.texte, c.max, v), c.accepte) << c.texte;
        if (c.accepte) {
            EXPECT_EQ(v, c.valeur) << c.texte;
        }
    }
}

// A rename is stored and flagged, and the list files the stadium again; a new
// card named as an existing stadium of the same town says so, shows that
// stadium and replaces nothing of it.
TEST(FicheStade, RenameRefilesAndANamesakeIsShownUntouched)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    TStade* a = s.Stades().NouveauStade("Arena", "Zelvor");
    s.Stades().NouveauStade("Parc", "Brivant");
    auto f = Carte(s, a);
    kit::ShowForm(f.get());
    f->e_NomStade->SetText("Zenith");
    f->b_Valider->Click();
    ASSERT_EQ(f->ModalResult(), mrOk);
    EXPECT_EQ(f->Renomme, 1);
    EXPECT_EQ(f->Modifie, 1);
    EXPECT_EQ(f->Stade, a);
    EXPECT_EQ(s.Stades().Stade(0)->NomStade, "Parc");
    EXPECT_EQ(s.Stades().Stade(1), a);

    TStade* parc = s.Stades().Stade(0);
    parc->Capacite = 12000;
    parc->DateConstruction = 1930;
    parc->Remarque = "Tribune nord";
    const std::string avant = essai::SansDate(essai::Document(s));
    auto g = Carte(s, nullptr);
    kit::ShowForm(g.get());
    g->e_NomStade->SetText("Parc");
    g->e_Ville->SetText("Brivant");
    g->e_Capacite->SetText("0");
    const std::vector<std::string> textes = Messages([&] { g->b_Valider->Click(); });
    EXPECT_EQ(textes, (std::vector<std::string>{TraduireFormat(3700, {"Parc", "Brivant"})}));
    EXPECT_EQ(g->ModalResult(), mrNone);
    EXPECT_EQ(essai::SansDate(essai::Document(s)), avant);
    // The card now shows the stadium found; validated, it edits that one.
    EXPECT_EQ(g->Stade, parc);
    EXPECT_EQ(g->e_Capacite->GetText(), "12000");
    EXPECT_EQ(g->e_Construit->GetText(), "1930");
    Grab(g.get(), "fiche-stade-existante");
    g->e_Capacite->SetText("12500");
    g->b_Valider->Click();
    ASSERT_EQ(g->ModalResult(), mrOk);
    EXPECT_EQ(s.Stades().NbStade(), 2);
    EXPECT_EQ(parc->Capacite, 12500);
    EXPECT_EQ(parc->Remarque, "Tribune nord");
}

// The league keeps dates, the cup does not: each row shows its own
// championship's kind, unplayed scores show "-", a title row leads each
// championship.
TEST(FicheStade, MatchListOverTwoChampionships)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    TStade* st = s.Stades().NouveauStade("Stade Municipal", "Brivant");
    TStade* autre = s.Stades().NouveauStade("Parc", "Zelvor");
    p.c1->SetOption(11, p.c1->Option(11) | 8);
    p.c1->SetDateMatch(1, 1, TGestionDate::EncodeDate(7, 9, 2024));
    // a match with no date of its own shows its matchday's
    p.c1->SetDateJournee(3, TGestionDate::EncodeDate(21, 9, 2024));
    p.c1->SetStadeMatch(1, 1, st->Code);
    p.c1->SetStadeMatch(2, 1, autre->Code);
    p.c1->SetStadeMatch(3, 1, st->Code);   // not played yet
    p.c2->SetStadeMatch(1, 1, st->Code);
    // The current championship (the cup) keeps no dates: the league's rows show theirs all the same.
    s.SetChampionnatCourant(p.c2);

    auto f = Carte(s, st);
    kit::ShowForm(f.get());
    f->MontrePage(f->ts_Matchs);
    Grab(f.get(), "fiche-stade-matchs");
    TColorStringGrid* g = f->sg_Match;
    ASSERT_EQ(g->RowCount(), 6);
    using V = std::vector<std::string>;
    EXPECT_EQ(Ligne(g, 0), (V{Traduire(85), Traduire(309), Traduire(223)}));
    EXPECT_EQ(Ligne(g, 1), (V{"", s.Arbre().NomCode(1), ""}));
    EXPECT_EQ(Ligne(g, 2), (V{"07/09/2024", "Brivant - Zelvor", "2 - 1"}));
    EXPECT_EQ(Ligne(g, 3), (V{"21/09/2024", "Brivant - Tessane", "-"}));
    EXPECT_EQ(Ligne(g, 4), (V{"", s.Arbre().NomCode(2), ""}));
    EXPECT_EQ(Ligne(g, 5), (V{"1", "Brivant - Tessane", "1 - 0"}));
    EXPECT_EQ(g->LargeurColonne(0), 70);
    EXPECT_EQ(g->CouleurFondCellule(1, 1), f->Couleurs.CouleurFondTitreTableau);
    EXPECT_EQ(g->Height(), 6 * 21 + 1);

    // One championship only: no title rows, matchday numbers.
    p.c1->SetOption(11, p.c1->Option(11) & ~8);
    TColorGridModel m;
    m.SetColCount(3);
    m.ChangeLargeurColonne(0, 40);
    s.SetChampionnatCourant(p.c1);
    s.Arbre().NoeudChampionnat(p.c2)->SetChampionnat(nullptr);
    EXPECT_EQ(RemplitMatchsStade(s, *st, m, f->Couleurs, 1), 2);
    ASSERT_EQ(m.RowCount(), 3);
    EXPECT_EQ(m.Cells(0, 1), "1");
    EXPECT_EQ(m.Cells(0, 2), "3");
    EXPECT_EQ(m.LargeurColonne(0), 40);
    // By dates, a match of a matchday without a date has its number.
    p.c1->SetOption(11, p.c1->Option(11) | 8);
    p.c1->SetDateJournee(3, 0);
    EXPECT_EQ(RemplitMatchsStade(s, *st, m, f->Couleurs, 1), 2);
    EXPECT_EQ(m.Cells(0, 2), "3");
}

TEST(FicheStade, IndoorSportsSpeakOfHalls)
{
    for (int sport : {sportFootball, sportRugby, sportBasket, sportHandball}) {
        TPetiteSaison p = PetiteSaison(sport);
        auto f = Carte(*p.saison, nullptr);
        const bool halle = sport == sportBasket || sport == sportHandball;
        EXPECT_EQ(f->Caption(), Traduire(halle ? 1274 : 1027)) << sport;
        EXPECT_EQ(f->Label1->Caption(), Traduire(halle ? 1273 : 1023)) << sport;
        kit::ShowForm(f.get());
        const auto textes = Messages([&] { f->b_Valider->Click(); });
        ASSERT_EQ(textes.size(), 1u);
        EXPECT_EQ(textes[0], Traduire(halle ? 1275 : 1028)) << sport;
        if (sport == sportBasket)
            Grab(f.get(), "fiche-salle-basket");
        f->b_Annuler->Click();
    }
}
