// The referee card: filing a new referee, the refusals, the figures per sport
// and number of championships, the matches list and the photo through a
// stand-in picture store.
#include <gtest/gtest.h>

#include "model/ChampionnatStat.h"
#include "model/ListeDonnees.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/w_FicheArbitre.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/message2.h"

namespace {

TPersonnelStat* Arbitre(TSaison& s, const std::string& nom, const std::string& prenom)
{
    return static_cast<TPersonnelStat*>(
        s.Arbitres().AjoutePersonnel(std::make_unique<TPersonnelStat>(-1, 40, prenom, nom)));
}

// Runs the card modally; action gets it once it is up.
TPersonnelStat* Ouvre(TSaison& s, int32_t code, TPersonnelStat* a, const std::function<void(Tf_FicheArbitre&)>& action,
                      int* position = nullptr)
{
    kit::WhenModal([action](TForm* f) { action(dynamic_cast<Tf_FicheArbitre&>(*f)); });
    return OuvreFicheArbitre(nullptr, vues::Module()->Couleurs, &s, code, a, position);
}

std::string F(double v, int d) { return FloatToStrF(v, ffFixed, 4, d); }

TEST(FicheArbitre, NewRefereeIsFiledAndRefusalsKeepTheCardOpen)
{
    auto v = vues::QuatreEquipes();
    TSaison& s = *v.saison;
    Arbitre(s, "Martin", "Paul");
    TPersonnelStat* b = Arbitre(s, "Bernard", "Luc");
    const int32_t max = s.Arbitres().NumeroMax();
    std::vector<std::string> messages;
    int position = -1;
    TPersonnelStat* a = Ouvre(
        s, 1, nullptr,
        [&](Tf_FicheArbitre& f) {
            EXPECT_EQ(f.l_Matchs->Caption(), "-");
            essai::RepondBoite(mrOk, &messages);
            kit::Click(f.b_Valider);   // no name
            f.e_Nom->SetText("martin");
            f.e_Prenom->SetText("PAUL");
            essai::RepondBoite(mrOk, &messages);
            kit::Click(f.b_Valider);   // a namesake
            EXPECT_TRUE(f.Visible());
            f.e_Nom->SetText("Dupont");
            f.e_Prenom->SetText("Jean");
            f.cb_Pays->SetText("Belgique");
            kit::GrabToPng(&f, "fichearbitre_nouveau");
            kit::Click(f.b_Valider);
        },
        &position);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], Traduire(3490));
    EXPECT_EQ(messages[1], TraduireFormat(3491, {std::string("Martin Paul")}));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Numero, max + 1);
    EXPECT_EQ(position, 1);
    EXPECT_EQ(s.Arbitres().Personnel(1), a);
    EXPECT_EQ(s.Pays().NomPays(a->CodePays), "Belgique");
    EXPECT_EQ(s.Arbitres().NbPersonnel(), 3);

    // cancelling changes nothing; a renamed referee is filed again in name order
    EXPECT_EQ(Ouvre(s, 1, b, [](Tf_FicheArbitre& f) {
                  f.e_Nom->SetText("Zorn");
                  kit::Click(f.b_Annuler);
              }),
              nullptr);
    EXPECT_EQ(b->Nom, "Bernard");
    EXPECT_EQ(Ouvre(s, 1, b, [](Tf_FicheArbitre& f) {
                  f.e_Nom->SetText("Zorn");
                  kit::Click(f.b_Valider);
              }, &position),
              b);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(s.Arbitres().Personnel(2), b);
}

TEST(FicheArbitre, FiguresBySportAndChampionships)
{
    struct Cas
    {
        int sport;
        bool plusieurs;
        std::string matchs, cj;
        bool penalty;
        int colonnes;
    } cas[] = {
        {0, true, "2 (5)", F(1.5, 1) + " (" + F(1.4, 1) + ")", true, 5},
        {0, false, "5", F(1.4, 2), true, 5},
        {2, true, "2 (5)", F(1.5, 1) + " (" + F(1.4, 1) + ")", false, 4},
        {3, true, "2 (5)", F(1.5, 1) + " (" + F(1.4, 1) + ")", true, 5},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.sport);
        auto v = k.plusieurs ? vues::SaisonVue(k.sport) : vues::QuatreEquipes();
        TSaison& s = *v.saison;
        TPersonnelStat* a = Arbitre(s, "Martin", "Paul");
        const int kinds[2] = {k.sport == 3 ? 33 : 0, k.sport == 3 ? 34 : 0};
        const uint32_t c2 = k.plusieurs ? 2 : 9;
        a->SetNbMatch(1, 2);
        a->SetNbMatch(c2, 3);
        for (auto [c, n] : {std::pair<uint32_t, int>{1, 3}, {c2, 4}}) {
            if (kinds[0])
                a->SetStat(c, kinds[0], n);
            else
                a->SetNbAvertissement(c, n);
        }
        // the first match of matchday 1 of the current championship
        v.c1->SetOfficielMatch(1, 1, 1, a->Numero);
        Ouvre(s, 1, a, [&](Tf_FicheArbitre& f) {
            EXPECT_EQ(f.l_Matchs->Caption(), k.matchs);
            EXPECT_EQ(f.l_Cj->Caption(), k.cj);
            EXPECT_EQ(f.l_Penalty->Visible(), k.penalty);
            // the penalties whistled named as the sport names them
            EXPECT_EQ(f.Label3->Caption(), Traduire(k.sport == 3 ? 5820 : 940));
            EXPECT_TRUE(f.s1->Visible());
            kit::Click(f.s1);
            EXPECT_TRUE(f.fs_Match->Visible());
            EXPECT_FALSE(f.b_Valider->Visible());
            EXPECT_EQ(f.sg_Match->ColCount(), k.colonnes);
            const int row = k.plusieurs ? 2 : 1;
            // several championships: a title row each (the second has none of its matches)
            EXPECT_EQ(f.sg_Match->RowCount(), k.plusieurs ? 4 : 2);
            EXPECT_EQ(f.sg_Match->Cells(0, row), "1");
            if (k.sport == 3) {
                // handball: 2-minute suspensions, disqualifications, 7-metre goals
                auto& st = dynamic_cast<TDonneesChampionnatStat&>(*v.c1);
                for (int col = 2; col <= 4; ++col) {
                    int somme = 0;
                    const TListeDonnees* l = st.ListeStat(1, col == 2 ? 33 : col == 3 ? 34 : 24);
                    for (int i = 0; l && i < l->Nombre(); ++i) {
                        const TDonneesEvt* x = l->Donnee(i);
                        if (x->IdEquipe() == v.c1->ValeurMatch(1, 1) || x->IdEquipe() == v.c1->ValeurMatch(1, 3))
                            somme += x->Mot();
                    }
                    EXPECT_EQ(f.sg_Match->Cells(col, row), IntToStr(somme)) << col;
                }
            }
            if (k.sport == 0 && k.plusieurs)
                kit::GrabToPng(&f, "fichearbitre_matchs");
            kit::Click(f.b_RetourFiche);
            EXPECT_TRUE(f.b_Valider->Visible());
            kit::Click(f.b_Annuler);
        });
    }
}

// Each figure of the card under the caption of its own figure: the averages
// per match beside their captions, the counts of each match under the
// headings of the matches list (basketball: fouls and players fouled out).
// The penalties whistled, in both languages, as the sport names them
// (rugby's kicks at goal, handball's 7-metre throws; basketball has none).
TEST(FicheArbitre, CaptionsNameTheFiguresOfEachSport)
{
    auto langue = [](const char* l) {
        InstalleTraducteur(std::make_unique<TTraducteur>(
            MakePath(vues::DossierDonnees(), std::string("texte\\Texte") + l + ".txt")));
    };
    struct Cas
    {
        const char* langue;
        int sport;
        int moyenne1, moyenne2, colonne2, colonne3;
        const char *penalty, *colonne4;   // the caption of the penalties, the heading of their column
    } cas[] = {
        {"en", 0, 305, 306, 310, 311, "Penalties given", "Penalties"},
        {"en", 1, 305, 306, 310, 311, "Penalty kicks at goal", "Penalty kicks at goal"},
        {"en", 2, 4941, 4942, 650, 648, "", ""},
        {"en", 3, 1524, 1525, 1500, 1493, "7-metre throws given", "7-metre throws"},
        {"fr", 0, 305, 306, 310, 311, "Penaltys sifflés", "Penaltys"},
        {"fr", 1, 305, 306, 310, 311, "Tentatives de pénalité", "Tentatives de pénalité"},
        {"fr", 2, 4941, 4942, 650, 648, "", ""},
        {"fr", 3, 1524, 1525, 1500, 1493, "Jets de 7 m sifflés", "Jets de 7 m"},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(std::to_string(k.sport) + " " + k.langue);
        langue(k.langue);
        auto v = vues::LigueVide(k.sport, 4, 2);
        TSaison& s = *v.saison;
        TPersonnelStat* a = Arbitre(s, "Martin", "Paul");
        a->SetNbMatch(static_cast<uint32_t>(v.c1->CodeChamp), 1);
        v.c1->CreeMatch(1, v.c1->IdEquipe(0), v.c1->IdEquipe(1), 80, 75);
        v.c1->SetOfficielMatch(1, 1, 1, a->Numero);
        v.c1->DerniereJournee = 1;
        Ouvre(s, v.c1->CodeChamp, a, [&](Tf_FicheArbitre& f) {
            EXPECT_EQ(f.Label7->Caption(), Traduire(k.moyenne1));
            EXPECT_EQ(f.Label8->Caption(), Traduire(k.moyenne2));
            EXPECT_EQ(f.Label3->Visible() ? Cp1252ToUtf8(f.Label3->Caption()) : std::string(), k.penalty);
            kit::Click(f.s1);
            EXPECT_EQ(f.sg_Match->Cells(2, 0), Traduire(k.colonne2));
            EXPECT_EQ(f.sg_Match->Cells(3, 0), Traduire(k.colonne3));
            EXPECT_EQ(f.sg_Match->ColCount() > 4 ? Cp1252ToUtf8(f.sg_Match->Cells(4, 0)) : std::string(), k.colonne4);
            if (k.sport == 3)
                kit::GrabToPng(&f, std::string("fichearbitre_handball_matchs_") + k.langue);
            if (k.sport == 2)
                kit::GrabToPng(&f, "fichearbitre_basket_matchs");
            kit::Click(f.b_RetourFiche);
            if (k.sport == 2)
                kit::GrabToPng(&f, "fichearbitre_basket");
            kit::Click(f.b_Annuler);
        });
    }
    langue("fr");
}

// The card reads a referee as the referee boxes list him, name then first
// name: in its title, and in the name typed into a box that opens it.
TEST(FicheArbitre, NameThenFirstName)
{
    auto v = vues::QuatreEquipes();
    TSaison& s = *v.saison;
    TPersonnelStat* martin = Arbitre(s, "Martin", "Paul");
    struct Cas
    {
        TPersonnelStat* arbitre;
        const char* tape;
        const char *nom, *prenom;
    } cas[] = {
        {martin, "", "Martin", "Paul"},
        {nullptr, "Dupont Pierre", "Dupont", "Pierre"},
        {nullptr, "Van Dijk Jan", "Van Dijk", "Jan"},
        {nullptr, "  Zorro ", "Zorro", ""},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.tape);
        kit::WhenModal([&](TForm* m) {
            auto& f = dynamic_cast<Tf_FicheArbitre&>(*m);
            EXPECT_EQ(f.e_Nom->Text(), k.nom);
            EXPECT_EQ(f.e_Prenom->Text(), k.prenom);
            if (k.arbitre) {
                EXPECT_EQ(f.Caption(), TraduireFormat(312, {std::string(k.nom), std::string(k.prenom)}));
            }
            kit::Click(f.b_Annuler);
        });
        OuvreFicheArbitre(nullptr, vues::Module()->Couleurs, &s, 1, k.arbitre, nullptr, k.tape);
    }
}

TEST(FicheArbitre, PhotoFromThePictureStore)
{
    auto v = vues::QuatreEquipes();
    TSaison& s = *v.saison;
    TPersonnelStat* a = Arbitre(s, "Martin", "Paul");
    // without a picture store: no photo, "+" says the window is not there
    a->Image = 5;
    std::vector<std::string> messages;
    Ouvre(s, 1, a, [&](Tf_FicheArbitre& f) {
        EXPECT_EQ(f.LogoJoueur->Image(), nullptr);
        essai::RepondBoite(mrOk, &messages);
        kit::Click(f.b_AddPicture);
        kit::Click(f.b_Annuler);
    });
    EXPECT_EQ(messages, (std::vector<std::string>{Traduire(3004)}));

    TServicesPhotos photos;
    photos.Charge = [](int genre, int32_t id) -> std::unique_ptr<TGraphic> {
        if (genre != 1 || id != 5)
            return nullptr;   // a missing file
        auto b = std::make_unique<TBitmap>();
        b->SetSize(40, 50);
        return b;
    };
    photos.Choisit = [](TComponent*, const TCouleurElement&, int, int32_t& id) {
        id = 5;
        return true;
    };
    EnregistreServicesPhotos(photos);
    a->Image = 6;
    Ouvre(s, 1, a, [&](Tf_FicheArbitre& f) {
        EXPECT_EQ(f.LogoJoueur->Image(), nullptr);
        kit::Click(f.b_AddPicture);
        EXPECT_NE(f.LogoJoueur->Image(), nullptr);
        kit::Click(f.b_Valider);   // only the photo changed: filed again
    });
    EXPECT_EQ(a->Image, 5);
    Ouvre(s, 1, a, [&](Tf_FicheArbitre& f) {
        EXPECT_NE(f.LogoJoueur->Image(), nullptr);
        kit::Click(f.b_DelPicture);
        kit::Click(f.b_Valider);
    });
    EXPECT_EQ(a->Image, 0);
    EnregistreServicesPhotos({});
}

}  // namespace

// The penalties of a referee's matches, both teams: football counts its
// penalties scored and missed; rugby its penalty kicks at goal, the penalty
// goals of their own list and the missed kicks kept among the tries.
TEST(FicheArbitre, PenaltiesOfHisMatchesInFootballAndRugby)
{
    struct Cas
    {
        int sport;
        int texte;
        const char* attendu;
    } cas[] = {{0, 3492, "3"}, {1, 4500, "7"}};
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.sport);
        auto v = vues::LigueVide(k.sport, 4, 2);
        TSaison& s = *v.saison;
        TDonneesChampionnat& c = *v.c1;
        TPersonnelStat* a = Arbitre(s, "Martin", "Paul");
        c.CreeMatch(1, c.IdEquipe(0), c.IdEquipe(1), 18, 8);
        c.CreeMatch(1, c.IdEquipe(2), c.IdEquipe(3), 3, 0);   // not his match
        c.SetOfficielMatch(1, 1, 1, a->Numero);
        c.DerniereJournee = 1;
        auto ajoute = [&](int type, int p, uint16_t mot) {
            c.ListeDonnees(type, 1)->Ajoute(std::make_unique<TDonneesEvt>(1, c.IdEquipe(p), mot & 127, mot));
        };
        if (k.sport == 1) {
            for (int p : {0, 0, 0, 0, 0, 1})
                ajoute(5, p, 10);
            ajoute(2, 1, evtHorsScore);
            ajoute(2, 1, 30);                          // a try
            ajoute(5, 2, 40);                          // another match
        } else {
            ajoute(2, 0, static_cast<uint16_t>(evt100 | 12));
            ajoute(2, 1, static_cast<uint16_t>(evt100 | 50));
            ajoute(2, 1, evtHorsScore);
            ajoute(2, 0, 70);                          // a goal in play
            ajoute(2, 2, static_cast<uint16_t>(evt100 | 5));   // another match
        }
        s.CompteStatSport();
        Ouvre(s, 1, a, [&](Tf_FicheArbitre& f) {
            EXPECT_EQ(f.Label3->Caption(), Traduire(k.texte));
            EXPECT_EQ(f.l_Penalty->Caption(), k.attendu);
            kit::Click(f.s1);
            ASSERT_EQ(f.sg_Match->ColCount(), 5);
            EXPECT_EQ(f.sg_Match->Cells(4, 0), Traduire(k.sport == 1 ? 4500 : 302));
            EXPECT_EQ(f.sg_Match->Cells(4, 1), k.attendu);
            if (k.sport == 1)
                kit::GrabToPng(&f, "fichearbitre_rugby");
            kit::Click(f.b_RetourFiche);
            kit::Click(f.b_Annuler);
        });
    }
}
