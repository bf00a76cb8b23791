// The championship information of each sport: what a matchday counts, the
// captions, and basketball's own figures; the registration in the sport switch
// and of the page-template tags.
#include <algorithm>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "ui/Fond.h"
#include "ui/Graphe.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/w_InfoGeneral_Outils.h"
#include "views/w_InfoGeneralSports.h"

using vues::Texte;
using namespace infogen;

namespace {

// Sum of the values of statistic code `code` on matchday d (whole words).
int64_t SommeStat(const TDonneesChampionnat& c, int d, int code)
{
    const auto* st = dynamic_cast<const TDonneesChampionnatStat*>(&c);
    const TListeDonnees* l = st ? st->ListeStat(d, code) : nullptr;
    int64_t s = 0;
    if (l)
        for (int i = 0; i < l->Nombre(); ++i)
            s += l->Donnee(i)->Mot();
    return s;
}

// Adds the values of statistic code `code` on matchday d to the counter of
// each record's player position (1..n).
void ParPoste(TSaison* saison, const TDonneesChampionnat& c, int d, int code, int n, TPostes& postes)
{
    const auto* st = dynamic_cast<const TDonneesChampionnatStat*>(&c);
    const TListeDonnees* l = st ? st->ListeStat(d, code) : nullptr;
    if (!l)
        return;
    for (int i = 0; i < l->Nombre(); ++i) {
        const TDonneesEvt& e = *l->Donnee(i);
        if (const int p = NumeroPoste(saison, e); p >= 1 && p <= n)
            postes[static_cast<size_t>(p - 1)] += e.Mot();
    }
}

// ---- the sports' class objects ----

class TClasseFoot : public TClasseInfoGeneral
{
public:
    Tf_InfoGeneral* Cree(TComponent* o) const override { return new Tf_InfoGeneralFoot(o, *this); }
    int IdTexteJournee(int genre) const override { return genre == 1 ? 3561 : 818; }
};

class TClasseRugby : public TClasseInfoGeneral
{
public:
    Tf_InfoGeneral* Cree(TComponent* o) const override { return new Tf_InfoGeneralRugby(o, *this); }
    int IdTexteJournee(int genre) const override { return genre == 1 ? 513 : 1089; }

    // Tries: the records of the scoring list but the missed kicks kept there,
    // the home side's by team id.
    void ButsJournee(std::vector<int>& serie1, int64_t& domicile, int d, TDonneesChampionnat& c) const override
    {
        const TListeDonnees* l = c.ListeButeurs(d);
        if (!l)
            return;
        for (int i = 0; i < l->Nombre(); ++i)
            if (!(l->Donnee(i)->Mot() & evtHorsScore))
                ++serie1[static_cast<size_t>(d - 1)];
        for (int m = 1; m <= c.NbMatchJournee(d); ++m) {
            const int id = c.ValeurMatch(d, 4 * m - 3);
            for (int i = 0; i < l->Nombre(); ++i)
                if (l->Donnee(i)->IdEquipe() == id && !(l->Donnee(i)->Mot() & evtHorsScore))
                    ++domicile;
        }
    }

    // The figures of the scores: points (the window counts tries).
    void TableStatHTML(TSaison* saison, int journee, const std::vector<std::string>& couleurs,
                       std::string& resultat) const override
    {
        TableRugbyHTML(*this, saison, journee, couleurs, resultat, {1108, 1161, 805, 806, 3600, 3601}, {807, 809});
    }

    // Ten-minute slices above, five-minute slices below.
    void AfficheGraphesRepartition(const TCompteursMinutes& minutes, TGraphBarre& g10, TGraphBarre& g5,
                                   const TCouleurElement& couleurs, const TClasseInfoGeneral* legende,
                                   TColor couleur10, TColor couleur5) const override
    {
        const std::string titre = Texte((legende ? legende : this)->IdTexteJournee(2));
        std::vector<int> dix(10, 0), cinq(18, 0);
        for (size_t i = 0; i < 10; ++i)
            dix[i] = minutes[2 * i] + minutes[2 * i + 1];
        for (size_t i = 0; i < 18; ++i)
            cinq[i] = minutes[i];
        GrapheRepartition(g10, dix, 10, titre, PaireRepartition(couleur10, couleurs));
        GrapheRepartition(g5, cinq, 5, titre, PaireRepartition(couleur5, couleurs));
    }
};

class TClasseHand : public TClasseInfoGeneral
{
public:
    Tf_InfoGeneral* Cree(TComponent* o) const override { return new Tf_InfoGeneralHand(o, *this); }
    int IdTexteJournee(int genre) const override { return genre == 1 ? 3561 : 818; }

    // Goals, and the suspensions and disqualifications of the window.
    void TableStatHTML(TSaison* saison, int journee, const std::vector<std::string>& couleurs,
                       std::string& resultat) const override
    {
        TableRugbyHTML(*this, saison, journee, couleurs, resultat, {803, 804, 805, 806, 813, 814}, {1528, 1529});
    }

    // The two discipline codes in the places of the cards.
    void CartonsJournee(std::vector<int>& serie2, std::vector<int>& serie3, int64_t& jaunes, int64_t& rouges, int d,
                        TDonneesChampionnat& c) const override
    {
        const size_t k = static_cast<size_t>(d - 1);
        serie2[k] += static_cast<int>(SommeStat(c, d, 33));
        serie3[k] += static_cast<int>(SommeStat(c, d, 34));
        jaunes += serie2[k];
        rouges += serie3[k];
    }

    // Goals by the five positions; no minutes.
    void RepartitionButeurs(TSaison* saison, int d, TCompteursMinutes&, TPostes& postes) const override
    {
        const TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
        if (!c)
            return;
        ParPoste(saison, *c, d, 21, 5, postes);
        ParPoste(saison, *c, d, 23, 5, postes);
    }
};

// Basketball's figures as the window and its HTML write them: points and
// rebounds per match, the averages of a matchday with one decimal, the
// shooting rates, each from its counts.
struct TTextesBasket
{
    std::string victoires, points, maximum, minimum, rebonds, maximumRebonds, minimumRebonds;
    std::array<std::string, 3> tirs;   // "-" without attempts
    std::string domicile, exterieur;   // "-" without points
    std::array<std::string, 6> postes;
};

TTextesBasket TextesBasket(const TChiffresInfo& f, const TDonneesChampionnat* c)
{
    TTextesBasket t;
    const int p = f.Joues;
    // the average of matchday j named as the page names a matchday; "-"
    // without one
    auto journee = [&](const std::vector<int>& s, int j) {
        const size_t k = static_cast<size_t>(j - 1);
        return j >= 1 && k < s.size() ? AvecJournee(TexteQuotient(s[k], f.Serie3[k], 1), j, c) : std::string("-");
    };
    t.victoires = Part(f.VictoiresDom, p);
    t.points = ParMatch(f.Total, p);
    t.maximum = journee(f.Serie1, f.JourneeMaximum);
    t.minimum = journee(f.Serie1, f.JourneeMinimum);
    // no rebound entered: no base for a figure of rebounds
    t.rebonds = f.Rebonds > 0 ? ParMatch(f.Rebonds, p) : "-";
    t.maximumRebonds = journee(f.Serie2, f.JourneeMaximumRebonds);
    t.minimumRebonds = journee(f.Serie2, f.JourneeMinimumRebonds);
    for (size_t k = 0; k < 3; ++k)
        t.tirs[k] = TexteTaux(f.Tirs[2 * k], f.Tirs[2 * k + 1], 1);
    const bool points = f.Total > 0 && p > 0;
    t.domicile = points ? ParMatch(f.Domicile, p) : "-";
    t.exterieur = points ? ParMatch(f.Total - f.Domicile, p) : "-";
    for (size_t k = 0; k < 6; ++k)
        t.postes[k] = AvecPart(f.Postes[k], f.Total);
    return t;
}

class TClasseBasket : public TClasseInfoGeneral
{
public:
    Tf_InfoGeneral* Cree(TComponent* o) const override { return new Tf_InfoGeneralBasket(o, *this); }
    int IdTexteJournee(int genre) const override { return genre == 1 ? 3562 : 602; }

    TChiffresInfo Compte(TSaison* saison, int journee, bool) const override
    {
        TChiffresInfo f;
        TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
        if (!c)
            return f;
        const size_t n = static_cast<size_t>(std::max(c->NbJour(), 0));
        f.Serie1.assign(n, 0);
        f.Serie2.assign(n, 0);
        f.Serie3.assign(n, 0);
        f.AffluenceJournee.assign(n, 0);
        int premiere = 1, derniere = 0;
        Etendue(*c, journee, premiere, derniere);
        for (int d = premiere; d <= derniere; ++d) {
            const size_t k = static_cast<size_t>(d - 1);
            for (int m = 1; m <= c->NbMatchJournee(d); ++m) {
                int a = 0, b = 0;
                if (!ScoresConnus(*c, d, m, a, b))
                    continue;
                AjouteAffluence(f, AffluenceConnue(*c, d, m), &f.AffluenceJournee[k]);
                ++f.Joues;
                ++f.Serie3[k];
                if (a > b)
                    ++f.VictoiresDom;
            }
            ButsJournee(f.Serie1, f.Domicile, d, *c);
            f.Serie2[k] = static_cast<int>(SommeStat(*c, d, 13) + SommeStat(*c, d, 14));
            for (size_t t = 0; t < 6; ++t)
                f.Tirs[t] += SommeStat(*c, d, 7 + static_cast<int>(t));
            ParPoste(saison, *c, d, 6, 6, f.Postes);
        }
        const int dernier = std::min<int>(c->DerniereJournee, static_cast<int>(n));
        // the averages compared as the quotients they are, not as their
        // rounded texts
        auto plusGrande = [&](const std::vector<int>& s, int d, int e) {
            const int64_t md = f.Serie3[static_cast<size_t>(d - 1)], me = f.Serie3[static_cast<size_t>(e - 1)];
            const int64_t vd = md == 0 ? 0 : s[static_cast<size_t>(d - 1)], ve = me == 0 ? 0 : s[static_cast<size_t>(e - 1)];
            return vd * std::max<int64_t>(me, 1) > ve * std::max<int64_t>(md, 1);
        };
        auto moyenne = [&](const std::vector<int>& s, int d) {
            const int m = f.Serie3[static_cast<size_t>(d - 1)];
            return m == 0 ? 0 : s[static_cast<size_t>(d - 1)] * 10 / m;
        };
        auto nulle = [&](const std::vector<int>& s, int d) {
            return f.Serie3[static_cast<size_t>(d - 1)] == 0 || s[static_cast<size_t>(d - 1)] <= 0;
        };
        // a matchday without a match, or without a point (a rebound) entered,
        // has no average to compare: none at all leaves matchday 0
        auto extremes = [&](const std::vector<int>& s, int& max, int& jmax, int& min, int& jmin) {
            jmax = jmin = 0;
            for (int d = 1; d <= dernier; ++d) {
                if (nulle(s, d))
                    continue;
                if (jmax == 0 || plusGrande(s, d, jmax))
                    jmax = d;
                if (jmin == 0 || plusGrande(s, jmin, d))
                    jmin = d;
            }
            max = jmax == 0 ? 0 : moyenne(s, jmax);
            min = jmin == 0 ? 0 : moyenne(s, jmin);
        };
        extremes(f.Serie1, f.Maximum, f.JourneeMaximum, f.Minimum, f.JourneeMinimum);
        extremes(f.Serie2, f.MaximumRebonds, f.JourneeMaximumRebonds, f.MinimumRebonds, f.JourneeMinimumRebonds);
        for (int d = 1; d <= dernier; ++d) {
            f.Total += f.Serie1[static_cast<size_t>(d - 1)];
            f.Rebonds += f.Serie2[static_cast<size_t>(d - 1)];
        }
        return f;
    }

    void TableStatHTML(TSaison* saison, int journee, const std::vector<std::string>& couleurs,
                       std::string& resultat) const override
    {
        resultat.clear();
        TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
        if (!c)
            return;
        const TChiffresInfo f = Compte(saison, journee, false);
        std::string s = OuvreTableHTML("<table cellspacing=\"0\" cellpadding=\"3\">", saison, *c, couleurs), ligne;
        auto ajoute = [&](const std::string& valeur, int id) {
            LigneHTML(valeur, id, couleurs, "", ligne);
            s += ligne;
        };
        const int p = f.Joues;
        ajoute(IntToStr(p), 800);
        if (p > 0) {
            const TTextesBasket t = TextesBasket(f, c);
            ajoute(t.victoires, 1160);
            ajoute(AffluenceMoyenne(f), 802);
            ajoute(t.points, 1161);
            ajoute(t.maximum, 1162);
            ajoute(t.minimum, 1163);
            ajoute(t.rebonds, 1164);
            ajoute(t.maximumRebonds, 1165);
            ajoute(t.minimumRebonds, 1166);
            for (size_t k = 0; k < 3; ++k)
                if (f.Tirs[2 * k + 1] > 0)
                    ajoute(t.tirs[k], 1167 + static_cast<int>(k));
            LigneVideHTML(ligne);
            s += ligne;
            if (f.Total > 0) {
                s += EnteteHTML(L1("Répartition des points"), couleurs);
                ajoute(t.domicile, 1170);
                ajoute(t.exterieur, 1171);
            }
        }
        resultat = s + "</table><br/>\r\n";
    }
};

const std::shared_ptr<const TClasseInfoGeneral>& Classe(int sport)
{
    static const std::shared_ptr<const TClasseInfoGeneral> classes[4] = {
        std::make_shared<TClasseFoot>(), std::make_shared<TClasseRugby>(), std::make_shared<TClasseBasket>(),
        std::make_shared<TClasseHand>()};
    return classes[std::clamp(sport, 0, 3)];
}

// What the page-template registry creates to serve the tags: no window is
// shown, the sport's class object does the work.
class TFonctionsInfoGeneral : public TFootForm
{
public:
    using TFootForm::TFootForm;
    void Imprime() override {}
    void EnregistreHTML(const std::string&) override {}
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override
    {
        if (const TClasseInfoGeneral* c = ClasseInfoGeneral(saison); c && EstTagInfo(Nom))
            c->ExecuteTag(Nom, Parametres, Resultat, couleurs, saison);
        else
            TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
    }
};

}  // namespace

bool EstTagInfo(const std::string& nom)
{
    static const char* const tags[] = {"JourneeRepartition", "AffluenceChampionnat", "RepartitionChampionnat",
                                       "ButsChampionnat",    "EssaisChampionnat",    "CartonsChampionnat",
                                       "SpectateursChampionnat", "StatChampionnat"};
    return std::any_of(std::begin(tags), std::end(tags), [&](const char* t) { return nom == t; });
}

const TClasseInfoGeneral* ClasseInfoGeneral(const TSaison* saison)
{
    return saison ? dynamic_cast<const TClasseInfoGeneral*>(saison->MultiSport().ClasseInfoGeneral().get()) : nullptr;
}

void EnregistreInfoGeneral()
{
    for (int sport = 0; sport < 4; ++sport)
        TMultiSport::EnregistreClasse(TGenreFenetre::InfoGeneral, sport, Classe(sport));
    vues::EnregistreVue("Tf_InfoGeneral", [](TComponent* o) -> TForm* { return new TFonctionsInfoGeneral(o); },
                        {{"JourneeRepartition", 0},
                         {"AffluenceChampionnat", 1},
                         {"RepartitionChampionnat", 1},
                         {"ButsChampionnat", 1},
                         {"EssaisChampionnat", 1},
                         {"CartonsChampionnat", 1},
                         {"SpectateursChampionnat", 1},
                         {"StatChampionnat", 1}});
}

// ============================================================================
// the windows
// ============================================================================

Tf_InfoGeneralFoot::Tf_InfoGeneralFoot(TComponent* AOwner, const TClasseInfoGeneral& classe)
    : Tf_InfoGeneral(AOwner, classe)
{
}

Tf_InfoGeneralRugby::Tf_InfoGeneralRugby(TComponent* AOwner, const TClasseInfoGeneral& classe)
    : Tf_InfoGeneral(AOwner, classe)
{
    const std::pair<const char*, int> legendes[] = {{"Label15", 1101}, {"Label16", 1102}, {"Label17", 1103},
                                                    {"Label18", 1104}, {"Label26", 1105}, {"Label27", 1106}};
    for (const auto& [nom, texte] : legendes)
        Legende(nom, texte);
    GraphBarre3->SetLegendeY(Texte(1089));
    gb_But->SetLegendeY(Texte(1089));
    ts_Repartition->SetCaption("  " + Texte(4501) + "  ");
    // the scorers by football position have no rugby counterpart
    FondCopie26->SetVisible(false);
}

Tf_InfoGeneralHand::Tf_InfoGeneralHand(TComponent* AOwner, const TClasseInfoGeneral& classe)
    : Tf_InfoGeneral(AOwner, classe)
{
    const std::pair<const char*, int> legendes[] = {{"Label28", 1487}, {"Label30", 1488}, {"Label31", 1489},
                                                    {"Label32", 1490}, {"Label75", 1491}, {"Label19", 1528},
                                                    {"Label20", 1529}};
    for (const auto& [nom, texte] : legendes)
        Legende(nom, texte);
    IdTexteCartons = 1530;
}

namespace {
const std::pair<TColor, TColor> PaireImpaire{0xFFCAED, 0xE00090}, PairePaire{0xE9CAFF, 0x8000E0};
}  // namespace

Tf_InfoGeneralBasket::Tf_InfoGeneralBasket(TComponent* AOwner, const TClasseInfoGeneral& classe)
    : Tf_InfoGeneral(AOwner, classe)
{
    Etiquette(FondCopie24, "Label34", 8, 6 + 11 * 18, 1169);
    Etiquette(FondCopie24, "Label35", 210, 6 + 11 * 18, 0);
    Etiquette(FondCopie26, "Label36", 8, 6 + 6 * 18, 573);
    Etiquette(FondCopie26, "Label37", 190, 6 + 6 * 18, 0);
    const std::pair<const char*, int> legendes[] = {
        {"Label14", 1160}, {"Label15", 1161}, {"Label16", 1162}, {"Label17", 1163}, {"Label18", 1164},
        {"Label19", 1165}, {"Label21", 1166}, {"Label20", 1167}, {"Label22", 1168}, {"Label26", 1170},
        {"Label27", 1171}, {"Label28", 568},  {"Label30", 569},  {"Label31", 570},  {"Label32", 571},
        {"Label75", 572},  {"Label29", 1316}};
    for (const auto& [nom, texte] : legendes)
        Legende(nom, texte);
    for (const char* nom : {"Label23", "Label24", "Label25", "Label65", "Label66", "Label67"})
        L(nom)->SetVisible(false);
    // shooting, not sendings-off
    for (const char* nom : {"Label20", "Label22", "Label63", "Label64"})
        L(nom)->Font().SetColor(clWhite);
    for (TGraphBarre* g : {GraphBarre3, gb_But}) {
        g->SetNbPointY(100);
        g->SetEspaceGraduerY(20);
        g->SetLegendeY(Texte(1108));
    }
    gl_Carton->SetVisible(false);
    gb_Rebond = new TGraphBarre(this);
    gb_Rebond->SetName("gb_Rebond");
    gb_Rebond->SetAlign(alClient);
    gb_Rebond->SetCouleurContours(clAqua);
    gb_Rebond->SetEcritureContours(clAqua);
    gb_Rebond->SetNbPointX(20);
    gb_Rebond->SetEspaceGraduerX(5);
    gb_Rebond->SetEspaceGraduerY(5);
    gb_Rebond->SetAutoGraduationY(true);
    gb_Rebond->SetTextin(false);
    gb_Rebond->SetLegendeY(Texte(1172));
    gb_Rebond->SetParent(gp_Carton);
    gb_Rebond->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) { GraphBarre3MouseMove(gb_Rebond, X, Y); };
    FormResize();
}

void Tf_InfoGeneralBasket::CalculeChiffres(int mode, TCompteursMinutes& minutes, bool, int journee)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const TChiffresInfo f = Classe().Compte(Saison, journee, false);
    minutes = {};
    const int dernier = std::min<int>(c->DerniereJournee, static_cast<int>(f.Serie1.size()));
    auto parEquipe = [&](const std::vector<int>& s, int d, int diviseur) {
        const int m = f.Serie3[static_cast<size_t>(d - 1)];
        return m == 0 ? 0 : s[static_cast<size_t>(d - 1)] * 10 / m / diviseur;
    };
    std::vector<TGraphe*> points{gb_But};
    if (mode == 1)
        points.push_back(GraphBarre3);
    for (TGraphe* g : points) {
        UneSerie(*g);
        for (int d = 1; d <= dernier; ++d)
            Barres(*g, 0, d, parEquipe(f.Serie1, d, 20), PaireImpaire, PairePaire);
        g->Invalidate();
    }
    UneSerie(*gb_Rebond);
    for (int d = 1; d <= dernier; ++d) {
        const int m = f.Serie3[static_cast<size_t>(d - 1)];
        Barres(*gb_Rebond, 0, d, m == 0 ? 0 : f.Serie2[static_cast<size_t>(d - 1)] / (2 * m), PaireImpaire,
               PairePaire);
    }
    gb_Rebond->Invalidate();
    UneSerie(*gb_Affluence);
    for (int d = 1; d <= dernier; ++d)
        Barres(*gb_Affluence, 0, d,
               static_cast<int>(std::min<int64_t>(f.AffluenceJournee[static_cast<size_t>(d - 1)], INT32_MAX)),
               PaireImpaire, PairePaire);
    gb_Affluence->Invalidate();

    std::string titre = TClasseInfoGeneral::Titre(Saison, *c);
    if (journee != 0)
        titre = TitreJournee(c, journee, titre);
    L("Label12")->SetCaption(titre);
    auto ecrit = [this](const char* nom, const std::string& v) { L(nom)->SetCaption(v); };
    const int p = f.Joues;
    ecrit("Label41", IntToStr(p));
    const TTextesBasket t = TextesBasket(f, c);
    if (p > 0) {
        ecrit("Label46", AffluenceMoyenne(f));
        ecrit("Label47", t.victoires);
        ecrit("Label51", t.points);
        ecrit("Label52", t.maximum);
        ecrit("Label54", t.minimum);
        ecrit("Label55", t.rebonds);
        ecrit("Label58", t.maximumRebonds);
        ecrit("Label59", t.minimumRebonds);
        ecrit("Label63", t.tirs[0]);
        ecrit("Label64", t.tirs[1]);
        ecrit("Label35", t.tirs[2]);
    } else {
        for (const char* nom :
             {"Label46", "Label47", "Label51", "Label52", "Label54", "Label55", "Label58", "Label59", "Label63",
              "Label64", "Label35"})
            ecrit(nom, "-");
    }
    ecrit("Label68", t.domicile);
    ecrit("Label69", t.exterieur);
    const char* const postes[6] = {"Label70", "Label71", "Label72", "Label73", "Label74", "Label37"};
    for (size_t k = 0; k < 6; ++k)
        ecrit(postes[k], t.postes[k]);
    L("Labelequipe")->SetCaption("");
    if (mode == 1)
        Garde(f);
}
