// The championship information page-template tags: pictures of the minute
// distribution and of the matchday series, the best attendances and the
// figures as HTML tables.
#include <algorithm>

#include "model/Championnat.h"
#include "model/ListeDonnees.h"
#include "model/Saison.h"
#include "model/SaisonSports.h"
#include "model/Utilities.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "ui/ColorStringGrid.h"
#include "ui/GridHtml.h"
#include "ui/Graphe.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/w_InfoGeneral.h"
#include "views/w_InfoGeneral_Outils.h"

using vues::Texte;
using namespace infogen;

namespace {

const char* const CRLF = "\r\n";

// Sizes of the pictures a tag may ask for.
constexpr int LargeurMin = 16, LargeurMax = 2000;
constexpr int HauteurMin = 32, HauteurMax = 4000;

TColor Couleur(const TStringList& p, const std::string& nom, const std::string& defaut)
{
    return static_cast<TColor>(TexteVersCouleur(TFonctionsGabarit::Parametre(nom, p, defaut)));
}

}  // namespace

namespace infogen {

std::string EnteteHTML(const std::string& titre, const std::vector<std::string>& c)
{
    return std::string("  <tr>") + CRLF + "    <td colspan=\"2\" bgcolor=\"" + c[0] + "\"><font color=\"" + c[1] +
           "\"><b>" + titre + "</b></font></td>" + CRLF + "  </tr>" + CRLF;
}

std::string OuvreTableHTML(const char* balise, TSaison* saison, const TDonneesChampionnat& c,
                           const std::vector<std::string>& couleurs)
{
    std::string titre(1, ' ');
    titre.append(EchappeHTML(TClasseInfoGeneral::Titre(saison, c)));
    std::string s(balise);
    s.append(CRLF);
    s.append(EnteteHTML(titre, couleurs));
    return s;
}

TCompteTable CompteTable(const TClasseInfoGeneral& classe, TSaison* saison, TDonneesChampionnat& c, int journee,
                         bool postes)
{
    TCompteTable t;
    const size_t n = static_cast<size_t>(std::max(c.NbJour(), 0));
    std::vector<int> points(n, 0), jaunes(n, 0), rouges(n, 0), joues(n, 0);
    int premiere = 1, derniere = 0;
    Etendue(c, journee, premiere, derniere);
    for (int d = premiere; d <= derniere; ++d) {
        for (int m = 1; m <= c.NbMatchJournee(d); ++m) {
            int a = 0, b = 0;
            if (!ScoresConnus(c, d, m, a, b))
                continue;
            ++t.Joues;
            ++joues[static_cast<size_t>(d - 1)];
            AjouteAffluence(t, AffluenceConnue(c, d, m));
            points[static_cast<size_t>(d - 1)] += a + b;
            t.Domicile += a;
            if (a == b)
                ++t.Nuls;
            else if (a > b)
                ++t.VictoiresDom;
        }
        classe.CartonsJournee(jaunes, rouges, t.Jaunes, t.Rouges, d, c);
        if (postes)
            if (const TListeDonnees* l = c.ListeButeurs(d))
                for (int i = 0; i < l->Nombre(); ++i) {
                    const TDonneesEvt& e = *l->Donnee(i);
                    // a record outside the score is no goal; own goals in the fifth counter
                    if (e.Mot() & evtHorsScore)
                        continue;
                    if (e.Mot() & evtRouge)
                        ++t.Postes[4];
                    else if (const int p = NumeroPoste(saison, e); p >= 1 && p <= 4)
                        ++t.Postes[static_cast<size_t>(p - 1)];
                }
    }
    ExtremesSerie(points, joues, std::min<int>(c.DerniereJournee, c.NbJour()), t);
    return t;
}

// The rows the football, rugby and handball tables share; ids of the goal
// rows (total, per match, most, fewest, home share, away share).
std::string LignesCommunes(const TCompteTable& t, const std::array<int, 6>& ids, const std::vector<std::string>& c,
                           std::array<int, 2> discipline, const TDonneesChampionnat* championnat)
{
    std::string s, ligne;
    auto ajoute = [&](const std::string& valeur, int id, const std::string& fonte = {}) {
        TClasseInfoGeneral::LigneHTML(valeur, id, c, fonte, ligne);
        s += ligne;
    };
    const int p = t.Joues;
    ajoute(IntToStr(p), 800);
    if (p > 0) {
        ajoute(Part(t.Nuls, p), 801);
        ajoute(AffluenceMoyenne(t), 802);
        ajoute(IntToStr(t.Total), ids[0]);
        ajoute(ParMatch(t.Total, p), ids[1]);
        ajoute(AvecJournee(IntToStr(t.Maximum), t.JourneeMaximum, championnat), IdLegendeJournee(championnat, ids[2]));
        ajoute(AvecJournee(IntToStr(t.Minimum), t.JourneeMinimum, championnat), IdLegendeJournee(championnat, ids[3]));
        ajoute(IntToStr(t.Jaunes), discipline[0], "#F0E020");
        ajoute(ParMatch(t.Jaunes, p), 808, "#F0E020");
        ajoute(IntToStr(t.Rouges), discipline[1], "#800000");
        ajoute(ParMatch(t.Rouges, p), 808, "#800000");
        TClasseInfoGeneral::LigneVideHTML(ligne);
        s += ligne + EnteteHTML(L1("Pourcentage"), c);
        ajoute(Part(t.VictoiresDom, p), 810);
        ajoute(Part(t.Nuls, p), 811);
        ajoute(Part(p - t.VictoiresDom - t.Nuls, p), 812);
        if (t.Total > 0) {
            const auto parts = PartsDomicile(t.Domicile, t.Total);
            ajoute(parts[0], ids[4]);
            ajoute(parts[1], ids[5]);
        }
    }
    return s;
}

void TableRugbyHTML(const TClasseInfoGeneral& classe, TSaison* saison, int journee,
                    const std::vector<std::string>& couleurs, std::string& resultat, const std::array<int, 6>& ids,
                    std::array<int, 2> discipline)
{
    resultat.clear();
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const TCompteTable t = CompteTable(classe, saison, *c, journee, false);
    resultat = OuvreTableHTML("<table cellspacing=\"0\" cellpadding=\"3\">", saison, *c, couleurs) +
               LignesCommunes(t, ids, couleurs, discipline, c) + "</table><br/>" + CRLF;
}

}  // namespace infogen

void TClasseInfoGeneral::LigneHTML(const std::string& valeur, int idTexte, const std::vector<std::string>& couleurs,
                                   const std::string& fonte, std::string& ligne)
{
    const std::string legende = EchappeHTML(Texte(idTexte));
    ligne = std::string("  <tr>") + CRLF + "    <td BGCOLOR=" + couleurs[2] + ">" +
            (fonte.empty() ? legende : "<FONT COLOR=" + fonte + ">" + legende + "</FONT>") + "</td>" + CRLF +
            "    <td BGCOLOR=" + couleurs[3] + ">" + EchappeHTML(valeur) + "</td>" + CRLF + "  </tr>" + CRLF;
}

void TClasseInfoGeneral::LigneVideHTML(std::string& ligne)
{
    ligne = std::string("  <tr>") + CRLF + "    <td>&nbsp;</td>" + CRLF + "    <td>&nbsp;</td>" + CRLF + "  </tr>" +
            CRLF;
}

void TClasseInfoGeneral::TableStatHTML(TSaison* saison, int journee, const std::vector<std::string>& couleurs,
                                       std::string& resultat) const
{
    resultat.clear();
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const TCompteTable t = CompteTable(*this, saison, *c, journee, dynamic_cast<TSaisonFootball*>(saison) != nullptr);
    resultat = OuvreTableHTML("<table cellSpacing=\"0\" cellpadding=\"3\">", saison, *c, couleurs) +
               LignesCommunes(t, {803, 804, 805, 806, 813, 814}, couleurs, {807, 809}, c) + "</table><br/>" + CRLF;
    resultat += std::string("<table cellspacing=\"0\" cellpadding=\"3\">") + CRLF + EnteteHTML(Texte(815), couleurs);
    const int ids[5] = {791, 792, 793, 794, 816};
    std::string ligne;
    for (size_t k = 0; k < 5; ++k) {
        LigneHTML(AvecPart(t.Postes[k], t.Total), ids[k], couleurs, "", ligne);
        resultat += ligne;
    }
    resultat += "</table>";
}

void TClasseInfoGeneral::GraphesHTML(TSaison* saison, TGraphBarre* buts, TGraphLigne* cartons, TGraphBarre* affluence,
                                     std::pair<TColor, TColor> a, std::pair<TColor, TColor> b, bool essais) const
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const int n = std::max(c->NbJour(), 0);
    std::vector<int> nb(static_cast<size_t>(n), 0), jaunes(nb), rouges(nb);
    std::vector<int64_t> spectateurs(static_cast<size_t>(n), 0);
    const int derniere = std::min<int>(c->DerniereJournee, n);
    for (int d = 1; d <= derniere; ++d) {
        const size_t k = static_cast<size_t>(d - 1);
        if (essais) {
            if (const TListeDonnees* l = c->ListeButeurs(d))
                for (int i = 0; i < l->Nombre(); ++i)
                    if (!(l->Donnee(i)->Mot() & evtHorsScore))
                        ++nb[k];
        } else {
            for (int m = 1; m <= c->NbMatchJournee(d); ++m) {
                int x = 0, y = 0;
                if (ScoresConnus(*c, d, m, x, y)) {
                    spectateurs[k] += AffluenceConnue(*c, d, m);
                    nb[k] += x + y;
                }
            }
        }
        if (const TListeDonnees* l = c->ListeAvertis(d))
            for (int i = 0; i < l->Nombre(); ++i)
                ++((l->Donnee(i)->Mot() & evtRouge) ? rouges[k] : jaunes[k]);
    }
    auto axes = [n](TGraphe& g, int texte) {
        g.SetLegendeY(Texte(texte));
        g.SetNbPointX(std::max(n, 1));
        g.SetNbPointY(15);
    };
    if (buts) {
        axes(*buts, essais ? 1089 : 817);
        UneSerie(*buts);
        for (int d = 1; d <= derniere; ++d)
            Barres(*buts, 0, d, nb[static_cast<size_t>(d - 1)], a, b);
    }
    if (cartons) {
        axes(*cartons, 990);
        cartons->VideCourbes();
        cartons->ChangeNbCourbes(2);
        cartons->ChangeCouleurCourbe(0, 0x00FFFF);
        cartons->ChangeCouleurCourbe(1, 0x0000FF);
        for (int d = 1; d <= derniere; ++d) {
            cartons->AjoutePoint(0, d, jaunes[static_cast<size_t>(d - 1)]);
            cartons->AjoutePoint(1, d, rouges[static_cast<size_t>(d - 1)]);
        }
    }
    if (affluence) {
        axes(*affluence, 972);
        UneSerie(*affluence);
        for (int d = 1; d <= derniere; ++d)
            Barres(*affluence, 0, d,
                   static_cast<int>(std::min<int64_t>(spectateurs[static_cast<size_t>(d - 1)], INT32_MAX)), a, b);
    }
}

void TClasseInfoGeneral::ExecuteTag(const std::string& Nom, const TStringList& P, std::string& Resultat,
                                    const TCouleurElement& couleurs, TSaison* saison) const
{
    vues::TGardeChampionnat garde(saison);
    TDonneesChampionnat* c = vues::ChampionnatFonction(saison, P);
    if (!c)
        return;
    // A picture of a bounded size, whatever the template asks.
    const int largeur = std::clamp(TFonctionsGabarit::ParametreEntier("Largeur", P, 450), LargeurMin, LargeurMax);
    const int hauteur = std::clamp(TFonctionsGabarit::ParametreEntier("Hauteur", P, 180), HauteurMin, HauteurMax);
    const TColor fond = Couleur(P, "CouleurFond", "#00306F");
    auto prepare = [&](TGraphe& g) {
        g.SetBounds(0, 0, largeur, hauteur / 2);
        g.SetCouleurContours(Couleur(P, "CouleurContours", "#00FFFF"));
        g.SetEcritureContours(Couleur(P, "EcritureContours", "#00FFFF"));
    };
    auto image = [](const std::string& nom) { return "#" + nom + "#<img src=\"" + nom + "\">"; };
    const std::string barre1 = TFonctionsGabarit::Parametre("CouleurBarre1", P, "#E00090");
    const std::string barre2 = TFonctionsGabarit::Parametre("CouleurBarre2", P, "#8000E0");
    const std::pair<TColor, TColor> a{Couleur(P, "CouleurBarre1Ex", barre1), Couleur(P, "CouleurBarre1", "#E00090")};
    const std::pair<TColor, TColor> b{Couleur(P, "CouleurBarre2Ex", barre2), Couleur(P, "CouleurBarre2", "#8000E0")};
    if (Nom == "JourneeRepartition" || Nom == "RepartitionChampionnat") {
        TGraphBarre g1(nullptr), g2(nullptr);
        for (TGraphBarre* g : {&g1, &g2}) {
            prepare(*g);
            g->SetTextin(true);
        }
        int journee = 0;
        if (Nom == "JourneeRepartition")
            journee = StrToIntDef(TFonctionsGabarit::Parametre("Journee", P, "1"), c->NbJournee);
        const std::string c10 = TFonctionsGabarit::Parametre("Couleur10Min", P, "#8080FF");
        AfficheGraphesRepartition(RepartitionMinutes(saison, journee), g1, g2, couleurs, this,
                                  Couleur(P, "Couleur15Min", c10), Couleur(P, "Couleur5Min", "#B080FF"));
        SauveImageRepartition(g1, g2, fond);
        Resultat = image("repart.png");
    } else if (Nom == "AffluenceChampionnat") {
        TColorGridModel g;
        RemplitAffluences(g, saison, couleurs, 20);
        g.TableHTML(vues::CouleursParametres(P), Resultat, 0, "#FFFFFF");
    } else if (Nom == "ButsChampionnat" || Nom == "EssaisChampionnat") {
        TGraphBarre g(nullptr);
        prepare(g);
        g.SetTextin(true);
        GraphesHTML(saison, &g, nullptr, nullptr, a, b, Nom == "EssaisChampionnat");
        TFonctionsGabarit::SauveImagePNG(g, "butchamp", fond);
        Resultat = image("butchamp.png");
    } else if (Nom == "CartonsChampionnat") {
        TGraphLigne g(nullptr);
        prepare(g);
        GraphesHTML(saison, nullptr, &g, nullptr, a, b, true);
        TFonctionsGabarit::SauveImagePNG(g, "cartonchamp", fond);
        Resultat = image("cartonchamp.png");
    } else if (Nom == "SpectateursChampionnat") {
        TGraphBarre g(nullptr);
        prepare(g);
        g.SetTextin(true);
        GraphesHTML(saison, nullptr, nullptr, &g, a, b, false);
        TFonctionsGabarit::SauveImagePNG(g, "afflchamp", fond);
        Resultat = image("afflchamp.png");
    } else if (Nom == "StatChampionnat") {
        const std::vector<std::string> liste = {TFonctionsGabarit::Parametre("CouleurTitre", P, "#000080"),
                                                TFonctionsGabarit::Parametre("FonteTitre", P, "#F0E020"),
                                                TFonctionsGabarit::Parametre("CouleurColonne1", P, "#C0C0C0"),
                                                TFonctionsGabarit::Parametre("CouleurColonne2", P, "#FFFFFF"),
                                                TFonctionsGabarit::Parametre("FonteLigne", P, "#000000")};
        TableStatHTML(saison, 0, liste, Resultat);
    }
}
