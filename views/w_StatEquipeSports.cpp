// The team sheet per sport: line-up and playing-time tables, goal charts,
// ranking radios, the players page as HTML; the class objects registered with
// the sport switch.
#include "views/w_StatEquipeSports.h"

#include <algorithm>
#include <array>
#include <map>

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListesJoueurs.h"
#include "model/Saison.h"
#include "model/Saison_Stats.h"
#include "model/Utilities.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/Graphe.h"
#include "views/DiversStat_Outils.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"

using vues::Texte;
using namespace divers;

namespace {

// An average per match with one decimal, "-" without match.
std::string Moyenne(int64_t valeur, int64_t matchs) { return TexteQuotient(valeur, matchs, 1); }

// A rate with one decimal, "-" without attempts.
std::string Taux(int64_t reussis, int64_t tentes) { return TexteTaux(reussis, tentes, 1); }

// The heading of an average per match: the count's caption said per match.
std::string ParMatch(const std::string& titre) { return TraduireFormat(5452, {titre}); }

struct TColonne
{
    int Largeur;
    std::string Titre;
};

// The table frame: white headers in the scheme's colour 21.
void Cadre(TColorGridBase& g, const std::vector<TColonne>& colonnes, int lignes, const TCouleurElement& couleurs)
{
    TGridModel& m = Modele(g);
    m.SetFixedCols(0);
    m.SetFixedRows(0);
    m.SetColCount(static_cast<int>(colonnes.size()));
    m.SetRowCount(std::max(lignes, 1) + 1);
    m.SetFixedRows(1);
    for (int c = 0; c < m.ColCount(); ++c)
        for (int r = 0; r < m.RowCount(); ++r)
            g.EcritCellule(c, r, "");
    for (size_t k = 0; k < colonnes.size(); ++k) {
        m.SetColWidths(static_cast<int>(k), colonnes[k].Largeur);
        g.RemplitCellule(static_cast<int>(k), 0, colonnes[k].Titre, 1, 1, *couleurs.Couleur(21), clWhite, true);
    }
    g.ElargitSelonTexte(0);
}

// Rows of the records that played, sorted; each row's texts by the sport.
void Lignes(TColorGridBase& g, const TListeTemps& temps, const std::vector<TColonne>& colonnes,
            const TCouleurElement& couleurs, const std::function<std::vector<std::string>(const TTempsJoueur&)>& textes)
{
    std::vector<const TTempsJoueur*> joues;
    for (int i = 0; i < temps.Nombre(); ++i)
        if (const TTempsJoueur* t = temps.TempsJoueur(i); t->Compteurs[1] > 0)
            joues.push_back(t);
    Cadre(g, colonnes, static_cast<int>(joues.size()), couleurs);
    for (size_t n = 0; n < joues.size(); ++n) {
        const TTempsJoueur& t = *joues[n];
        const int row = static_cast<int>(n) + 1;
        TColor tx = 0, fd = 0;
        TBrivantelForm::CouleursLigneSchema(row, tx, fd, false, couleurs);
        const std::vector<std::string> v = textes(t);
        g.RemplitCellule(0, row, t.Joueur() ? t.Joueur()->LettrePoste() : std::string(), 1, 1, tx, fd, false);
        g.ChangeDonneeCellule(0, row, t.Joueur() ? t.Joueur()->Numero : 0);
        for (size_t k = 0; k < v.size() && k + 1 < colonnes.size(); ++k)
            g.RemplitCellule(static_cast<int>(k) + 1, row, v[k], k <= 1 && colonnes[k + 1].Largeur >= 110 ? 0 : 1,
                             1, tx, fd, false);
        // a position's name is read whole
        g.ElargitSelonTexte(row);
    }
}

// The figures of a line-up table: each player's statistics in the current
// championship or, over a band of matchdays of the championship alone, his
// counts of that band (matches played by the same rule). Code 0 is the
// matches.
class TStatsComposition
{
public:
    TStatsComposition(TSaison* saison, const TListeChampionnats& liste, int premiere, int derniere)
        : c_(saison ? saison->ChampionnatCourant() : nullptr)
    {
        // a band counts only when the championship alone is chosen, as the
        // playing times count it; the whole season is what the players hold
        if (!saison || vues::SaisonEntiere(saison, premiere, derniere) || liste.size() != 1 || !liste.front())
            return;
        TSourceStats source = SourceStats(*saison);
        source.Championnats = {liste.front()};
        tranche_ = true;
        for (const TCompteTranche& t : CompteTranche(source, premiere, derniere))
            comptes_[t.Joueur] = t.Valeurs;
    }
    uint32_t operator()(const TTempsJoueur& t, int code) const
    {
        if (!t.Joueur() || code < 0 || code > TListeStat::TypeMax)
            return 0;
        if (!tranche_)
            return c_ ? t.Joueur()->Stat(static_cast<uint32_t>(c_->CodeChamp), code) : 0;
        auto it = comptes_.find(t.Joueur());
        return it == comptes_.end() ? 0 : it->second[static_cast<size_t>(code)];
    }
    bool Tranche() const { return tranche_; }

private:
    const TDonneesChampionnat* c_;
    bool tranche_ = false;
    std::map<const TJoueur*, std::array<uint32_t, TListeStat::TypeMax + 1>> comptes_;
};

// ---- the class objects ----

class TClasseFoot : public TClasseStatEquipe
{
public:
    Tf_StatEquipe* Cree(TComponent* o) const override { return new Tf_StatEquipeFoot(o); }
    void RemplitComposition(TSaison* saison, int equipe, TColorGridBase& g, int premiere, int derniere,
                            const TListeChampionnats& liste, const TCouleurElement& couleurs) const override
    {
        auto temps = CalculeTempsJeu(saison, equipe, liste, derniere, premiere, nullptr);
        temps->Trie();
        const std::vector<TColonne> colonnes = {
            {30, Texte(74)},  {120, Texte(71)}, {120, Texte(72)}, {80, Texte(171)}, {70, Texte(68)},
            {70, Texte(172)}, {70, Texte(173)}, {70, Texte(87)},  {70, Texte(174)}};
        Lignes(g, *temps, colonnes, couleurs, [](const TTempsJoueur& t) {
            const auto& k = t.Compteurs;
            return std::vector<std::string>{t.Joueur()->Nom, t.Joueur()->Prenom, IntToStr(k[1]), IntToStr(k[5]),
                                            IntToStr(k[3]), IntToStr(k[2]), IntToStr(k[0]),
                                            k[1] == 0 ? std::string("0") : IntToStr(k[0] / k[1])};
        });
    }
    void DessineRepartitionButs(TGraphBarre& a, TGraphBarre& b, const TRepartition& r, int maxIndex, int periode,
                                int prolongation, const TCouleurElement& couleurs, TColor ca,
                                TColor cb) const override
    {
        Tf_StatEquipe::DessineRepartition(a, b, r, maxIndex, periode, prolongation, 3, couleurs, ca, cb);
    }
};

class TClasseRugby : public TClasseStatEquipe
{
public:
    Tf_StatEquipe* Cree(TComponent* o) const override { return new Tf_StatEquipeRugby(o); }
    void RemplitComposition(TSaison* saison, int equipe, TColorGridBase& g, int premiere, int derniere,
                            const TListeChampionnats& liste, const TCouleurElement& couleurs) const override
    {
        auto temps = CalculeTempsJeu(saison, equipe, liste, derniere, premiere, nullptr);
        const TStatsComposition stats(saison, liste, premiere, derniere);
        temps->Trie();
        std::vector<TColonne> colonnes = {{60, Texte(74)},  {110, Texte(71)}, {110, Texte(72)}, {80, Texte(171)},
                                          {70, Texte(488)}, {70, Texte(487)}, {70, Texte(485)}, {70, Texte(486)},
                                          {70, Texte(172)}, {70, Texte(173)}, {70, Texte(87)},  {70, Texte(174)}};
        Lignes(g, *temps, colonnes, couleurs, [&stats](const TTempsJoueur& t) {
            const auto& k = t.Compteurs;
            const TJoueur& j = *t.Joueur();
            // tries, conversions, penalties and drops: of every championship
            // of the season, or of the band counted
            auto points = [&](int code) {
                return IntToStr(static_cast<int>(stats.Tranche() ? stats(t, code) : j.StatTotale(code)));
            };
            return std::vector<std::string>{j.Nom,     j.Prenom,  IntToStr(k[1]), points(1),      points(2),
                                            points(3), points(4), IntToStr(k[3]), IntToStr(k[2]), IntToStr(k[0]),
                                            k[1] == 0 ? std::string("0") : IntToStr(k[0] / k[1])};
        });
    }
    void DessineRepartitionButs(TGraphBarre& a, TGraphBarre& b, const TRepartition& r, int maxIndex, int periode,
                                int prolongation, const TCouleurElement& couleurs, TColor ca,
                                TColor cb) const override
    {
        Tf_StatEquipe::DessineRepartition(a, b, r, maxIndex, periode, prolongation, 2, couleurs, ca, cb);
    }
};

class TClasseBasket : public TClasseStatEquipe
{
public:
    Tf_StatEquipe* Cree(TComponent* o) const override { return new Tf_StatEquipeBasket(o); }
    void AjouteTempsJournee(TListeTemps& liste, int, TDonneesChampionnat& c, int) const override
    {
        for (int i = 0; i < liste.Nombre(); ++i) {
            TTempsJoueur& t = *liste.TempsJoueur(i);
            const int matchs = t.Joueur()->NbMatch(static_cast<uint32_t>(c.CodeChamp));
            t.Compteurs[1] = matchs;
            // minutes per match, rounded once
            t.Compteurs[0] = static_cast<int>(DivisionArrondie(t.Joueur()->Stat(static_cast<uint32_t>(c.CodeChamp), 5), matchs));
        }
    }
    void RemplitComposition(TSaison* saison, int equipe, TColorGridBase& g, int premiere, int derniere,
                            const TListeChampionnats& liste, const TCouleurElement& couleurs) const override
    {
        auto temps = CalculeTempsJeu(saison, equipe, liste, derniere, premiere, nullptr);
        const TStatsComposition stats(saison, liste, premiere, derniere);
        if (stats.Tranche())
            for (int i = 0; i < temps->Nombre(); ++i) {
                TTempsJoueur& t = *temps->TempsJoueur(i);
                t.Compteurs[1] = static_cast<int>(stats(t, 0));
                t.Compteurs[0] = static_cast<int>(DivisionArrondie(stats(t, 5), t.Compteurs[1]));
            }
        temps->Trie();
        // minutes per match; rebounds, assists, steals, turnovers, blocks and
        // points per match
        std::vector<TColonne> colonnes = {{50, Texte(74)},   {140, Texte(71)}, {25, Texte(589)}, {25, Texte(174)},
                                          {50, Texte(1234)}, {30, "%"},        {50, Texte(582)}, {30, "%"},
                                          {50, Texte(583)},  {30, "%"},        {27, Texte(584)}};
        // the rebounds' caption says per match already
        for (int id : {585, 586, 587, 588, 40})
            colonnes.push_back({27, ParMatch(Texte(id))});
        Lignes(g, *temps, colonnes, couleurs, [&stats](const TTempsJoueur& t) {
            const int m = t.Compteurs[1];
            auto s = [&](int code) { return stats(t, code); };
            std::vector<std::string> v{t.Joueur()->NomComplet(), IntToStr(m), TexteQuotient(s(5), m, 0)};
            for (int code : {7, 9, 11}) {
                v.push_back(IntToStr(static_cast<int>(s(code))) + "-" + IntToStr(static_cast<int>(s(code + 1))));
                v.push_back(Taux(s(code), s(code + 1)));
            }
            v.push_back(Moyenne(s(13) + s(14), m));
            for (int code : {15, 18, 20, 19, 6})
                v.push_back(Moyenne(s(code), m));
            return v;
        });
    }
    void DessineRepartitionButs(TGraphBarre&, TGraphBarre&, const TRepartition&, int, int, int,
                                const TCouleurElement&, TColor, TColor) const override
    {
    }
};

class TClasseHand : public TClasseStatEquipe
{
public:
    Tf_StatEquipe* Cree(TComponent* o) const override { return new Tf_StatEquipeHand(o); }
    void AjouteTempsJournee(TListeTemps& liste, int, TDonneesChampionnat& c, int) const override
    {
        for (int i = 0; i < liste.Nombre(); ++i) {
            TTempsJoueur& t = *liste.TempsJoueur(i);
            t.Compteurs[0] = t.Joueur()->Stat(static_cast<uint32_t>(c.CodeChamp), 21);
            t.Compteurs[1] = t.Joueur()->NbMatch(static_cast<uint32_t>(c.CodeChamp));
        }
    }
    void RemplitComposition(TSaison* saison, int equipe, TColorGridBase& g, int premiere, int derniere,
                            const TListeChampionnats& liste, const TCouleurElement& couleurs) const override
    {
        auto temps = CalculeTempsJeu(saison, equipe, liste, derniere, premiere, nullptr);
        const TStatsComposition stats(saison, liste, premiere, derniere);
        // by matches, then goals
        for (int i = 0; i < temps->Nombre(); ++i) {
            TTempsJoueur& t = *temps->TempsJoueur(i);
            const int32_t buts = static_cast<int32_t>(stats(t, 21));
            t.Compteurs[0] = static_cast<int32_t>(stats(t, 0));
            t.Compteurs[1] = buts;
        }
        temps->Trie();
        // the matches back in the second counter, where the rows read them
        for (int i = 0; i < temps->Nombre(); ++i)
            std::swap(temps->TempsJoueur(i)->Compteurs[0], temps->TempsJoueur(i)->Compteurs[1]);
        // goals from play, shots, 7-metre goals, saves, 7-metre saves; turnovers,
        // assists, steals, warnings, suspensions, disqualifications per match
        std::vector<TColonne> colonnes = {{60, Texte(74)},   {140, Texte(71)}, {29, Texte(589)}, {29, Texte(1544)},
                                          {29, Texte(1127)}, {35, "%"},        {29, Texte(4922)}, {35, "%"},
                                          {29, Texte(1492)}, {35, "%"},        {29, Texte(1532)}, {35, "%"}};
        for (const std::string& titre : {Texte(587), Texte(585), Texte(586), Texte(1495), std::string("2'"), Texte(1493)})
            colonnes.push_back({29, ParMatch(titre)});
        Lignes(g, *temps, colonnes, couleurs, [&stats](const TTempsJoueur& t) {
            const int m = t.Compteurs[1];
            auto s = [&](int code) { return stats(t, code); };
            std::vector<std::string> v{t.Joueur()->NomComplet(), IntToStr(m), IntToStr(static_cast<int>(s(21))),
                                       IntToStr(static_cast<int>(s(22))), Taux(s(21), s(22))};
            for (int code : {23, 25, 27}) {
                v.push_back(IntToStr(static_cast<int>(s(code))));
                v.push_back(Taux(s(code), s(code + 1)));
            }
            v.push_back(Moyenne(s(29), m));
            for (int code : {30, 31, 32, 33, 34})
                v.push_back(Moyenne(s(code), m));
            return v;
        });
    }
    void DessineRepartitionButs(TGraphBarre&, TGraphBarre&, const TRepartition&, int, int, int,
                                const TCouleurElement&, TColor, TColor) const override
    {
    }
};

const TClasseFoot classeFoot;
const TClasseRugby classeRugby;
const TClasseBasket classeBasket;
const TClasseHand classeHand;

// Hides the goals page's sheets of the sports without goal charts.
void SansButs(Tf_StatEquipe& f)
{
    for (TTabSheet* t : {f.ts_RepartitionBut, f.ts_StatEquipe, f.ts_ScoreFrequent})
        t->SetTabVisible(false);
}

// The labels of goals scored and conceded of the three boxes.
void LibellesPoints(Tf_StatEquipe& f)
{
    for (auto& b : f.LibellesBoites) {
        b[4]->SetCaption(Texte(1108));
        b[5]->SetCaption(Texte(1109));
    }
}

}  // namespace

const TClasseStatEquipe& ClasseStatEquipe(int sport)
{
    switch (sport) {
    case 1: return classeRugby;
    case 2: return classeBasket;
    case 3: return classeHand;
    default: return classeFoot;
    }
}

// ============================================================================
// the windows
// ============================================================================

Tf_StatEquipeFoot::Tf_StatEquipeFoot(TComponent* AOwner) : Tf_StatEquipe(AOwner, classeFoot)
{
    SetName("f_StatEquipeFoot");
}

Tf_StatEquipeRugby::Tf_StatEquipeRugby(TComponent* AOwner) : Tf_StatEquipe(AOwner, classeRugby)
{
    SetName("f_StatEquipeRugby");
    LibellesPoints(*this);
    // the points detail counts tries, scored or conceded
    GraphBarre1->SetLegendeY(Texte(4940));
    GraphBarre2->SetLegendeY(Texte(4940));
    rc_Buteur->SetCaption(Texte(488, "Essais"));
    rc_Passeur->SetCaption(Texte(50, "Points"));
    rc_Penalites = AjouteRadio("rc_Penalites", 10, 120, Texte(485, L1("Penalités")));
    rc_Transfo = AjouteRadio("rc_Transfo", 10, 142, Texte(484, "Transformations"));
    rc_Drop = AjouteRadio("rc_Drop", 10, 164, Texte(486, "Drops"));
    // the points radio ranks rugby points (tries, conversions, penalties, drops)
    TypesRadios = {{rc_Passeur, 10}, {rc_Transfo, 11}, {rc_Penalites, 12}, {rc_Drop, 13},
                   {rc_Buteur, 0},   {rc_cj, 1},        {rc_cr, 2},         {rc_notes, 7}};
}

void Tf_StatEquipe::TextesButs(int statut, int bouton)
{
    if (Statut && Statut->PanelCount() >= 3 && IndexPage() == 2)
        Statut->SetPanelText(2, Texte(statut));
    b_ChangeBut->SetCaption(Texte(bouton));
}

void Tf_StatEquipeRugby::AfficheButsMarques()
{
    Tf_StatEquipe::AfficheButsMarques();
    TextesButs(504, 1090);
}

void Tf_StatEquipeRugby::AfficheButsEncaisses()
{
    Tf_StatEquipe::AfficheButsEncaisses();
    TextesButs(505, 1089);
}

std::vector<int> Tf_StatEquipeRugby::SectionsJoueurs()
{
    // the rankings of the radios, in their order on the page: tries, points,
    // yellow and red cards, ratings, penalty goals, conversions, drop goals
    return {0, 10, 1, 2, 7, 12, 11, 13};
}

void Tf_StatEquipeRugby::EnregistreJoueursHTML(const std::string& nomFichier)
{
    EcritSectionsHTML(nomFichier, SectionsJoueurs());
}

void Tf_StatEquipeRugby::ImprimeJoueurs() { ImprimeSections(SectionsJoueurs()); }

Tf_StatEquipeBasket::Tf_StatEquipeBasket(TComponent* AOwner) : Tf_StatEquipe(AOwner, classeBasket)
{
    SetName("f_StatEquipeBasket");
    LibellesPoints(*this);
    // no draws in basketball: the engine's third total is no count of draws
    for (size_t b = 0; b < 3; ++b) {
        LibellesBoites[b][2]->SetVisible(false);
        ValeursBoites[b][2]->SetVisible(false);
    }
    SansButs(*this);
    rc_Eval = AjouteRadio("rc_Eval", 10, 120, Texte(1179, "Evaluation"));
    rc_Eff2Pts = AjouteRadio("rc_Eff2Pts", 10, 142, Texte(1118));
    rc_Eff3Pts = AjouteRadio("rc_Eff3Pts", 10, 164, Texte(1119));
    rc_EffLF = AjouteRadio("rc_EffLF", 10, 186, Texte(1120));
    rc_BallePerdu = AjouteRadio("rc_BallePerdu", 10, 208, Texte(580, "Balle perdu"));
    rc_Fautes = AjouteRadio("rc_Fautes", 10, 230, Texte(650, "Fautes"));
    rc_FautesProv = AjouteRadio("rc_FautesProv", 10, 252, Texte(1292));
    rc_Buteur->SetCaption(Texte(50, "Points"));
    rc_Passeur->SetCaption(Texte(299));
    rc_cj->SetCaption(Texte(577, "Interception"));
    rc_cr->SetCaption(Texte(578, "Contre"));
    rc_notes->SetCaption(Texte(576, "Rebond"));
    TypesRadios = {{rc_Buteur, 14},   {rc_Eval, 29},       {rc_Passeur, 25}, {rc_Eff2Pts, 18},
                   {rc_Eff3Pts, 19},  {rc_EffLF, 20},      {rc_BallePerdu, 26}, {rc_cj, 23},
                   {rc_cr, 24},       {rc_notes, 28},      {rc_Fautes, 30},  {rc_FautesProv, 31}};
}

// The button names the other view in the sport's own word: points in
// basketball, goals in handball.
void Tf_StatEquipeBasket::AfficheButsMarques()
{
    Tf_StatEquipe::AfficheButsMarques();
    TextesButs(504, 5450);
}

void Tf_StatEquipeBasket::AfficheButsEncaisses()
{
    Tf_StatEquipe::AfficheButsEncaisses();
    TextesButs(505, 5451);
}

std::vector<int> Tf_StatEquipeBasket::SectionsJoueurs()
{
    // one section per radio kind, in the radios' order
    return {14, 25, 23, 24, 28, 29, 18, 19, 20, 26, 30, 31};
}

void Tf_StatEquipeBasket::EnregistreJoueursHTML(const std::string& nomFichier)
{
    EcritSectionsHTML(nomFichier, SectionsJoueurs());
}

void Tf_StatEquipeBasket::ImprimeJoueurs() { ImprimeSections(SectionsJoueurs()); }

Tf_StatEquipeHand::Tf_StatEquipeHand(TComponent* AOwner) : Tf_StatEquipe(AOwner, classeHand)
{
    SetName("f_StatEquipeHand");
    // handball keeps the boxes' goals scored and conceded
    SansButs(*this);
    auto* l28 = new TLabel(this);
    l28->SetName("Label28");
    l28->SetCaption(Texte(1550, "Tous les joueurs"));
    l28->SetBounds(10, 186, 170, 16);
    l28->Font().SetColor(clWhite);
    l28->SetTransparent(true);
    l28->SetParent(FondCopie7);
    // every player
    rc_Passeur->SetTop(204);
    rc_cj->SetTop(226);
    rc_BallePerdu = AjouteRadio("rc_BallePerdu", 10, 248, Texte(580, "Balle perdu"));
    rc_Avertissement = AjouteRadio("rc_Avertissement", 10, 270, Texte(103, "Avertissement"));
    rc_2minute = AjouteRadio("rc_2minute", 10, 292, Texte(1500, "2 minutes"));
    rc_Disqualification = AjouteRadio("rc_Disqualification", 10, 314, Texte(1496, "Disqualification"));
    // outfield players
    auto* l13 = new TLabel(this);
    l13->SetName("Label13");
    l13->SetCaption(Texte(1551, "Joueurs de champs"));
    l13->SetBounds(10, 2, 170, 16);
    l13->Font().SetColor(clWhite);
    l13->SetTransparent(true);
    l13->SetParent(FondCopie7);
    rc_Buteur->SetTop(18);
    rc_EffTir = AjouteRadio("rc_EffTir", 10, 38, Texte(1497));
    // the kind ranks the 7-metre goals, not the throws
    rc_Penalty = AjouteRadio("rc_Penalty", 10, 58, Texte(1549, L1("Buts sur jet de 7 m")));
    rc_EffPenalty = AjouteRadio("rc_EffPenalty", 10, 78, Texte(1499));
    // goalkeepers
    auto* l27 = new TLabel(this);
    l27->SetName("Label27");
    l27->SetCaption(Texte(791, "Gardien de but"));
    l27->SetBounds(10, 100, 170, 16);
    l27->Font().SetColor(clWhite);
    l27->SetTransparent(true);
    l27->SetParent(FondCopie7);
    rc_Arret = AjouteRadio("rc_Arret", 10, 116, Texte(1545, "Arrets"));
    rc_EffArret = AjouteRadio("rc_EffArret", 10, 136, Texte(1552));
    rc_PenArret = AjouteRadio("rc_PenArret", 10, 156, Texte(1534, "Penaltys"));
    rc_EffPenArret = AjouteRadio("rc_EffPenArret", 10, 176, Texte(1536));
    l28->SetTop(200);
    rc_Passeur->SetTop(218);
    rc_cj->SetTop(238);
    rc_BallePerdu->SetTop(258);
    rc_Avertissement->SetTop(278);
    rc_2minute->SetTop(298);
    rc_Disqualification->SetTop(318);
    rc_cr->SetVisible(false);
    rc_notes->SetVisible(false);
    rc_Buteur->SetCaption(Texte(1544));
    rc_Passeur->SetCaption(Texte(299));
    rc_cj->SetCaption(Texte(577, "Interception"));
    TypesRadios = {{rc_Buteur, 50},     {rc_EffTir, 51},     {rc_Penalty, 52},      {rc_EffPenalty, 53},
                   {rc_Arret, 56},      {rc_EffArret, 57},   {rc_PenArret, 58},     {rc_EffPenArret, 59},
                   {rc_Passeur, 25},    {rc_BallePerdu, 26}, {rc_cj, 23},           {rc_Avertissement, 47},
                   {rc_2minute, 48},    {rc_Disqualification, 49}};
}

void Tf_StatEquipeHand::AfficheButsMarques()
{
    Tf_StatEquipe::AfficheButsMarques();
    TextesButs(504, 1548);
}

void Tf_StatEquipeHand::AfficheButsEncaisses()
{
    Tf_StatEquipe::AfficheButsEncaisses();
    TextesButs(505, 1547);
}

std::vector<int> Tf_StatEquipeHand::SectionsJoueurs()
{
    // one section per radio kind, in the radios' order
    return {50, 51, 52, 53, 56, 57, 58, 59, 25, 26, 23, 47, 48, 49};
}

void Tf_StatEquipeHand::EnregistreJoueursHTML(const std::string& nomFichier)
{
    EcritSectionsHTML(nomFichier, SectionsJoueurs());
}

void Tf_StatEquipeHand::ImprimeJoueurs() { ImprimeSections(SectionsJoueurs()); }

void EnregistreStatEquipe()
{
    static const std::shared_ptr<const TClasseFenetre> classes[4] = {
        std::shared_ptr<const TClasseFenetre>(&classeFoot, [](const TClasseFenetre*) {}),
        std::shared_ptr<const TClasseFenetre>(&classeRugby, [](const TClasseFenetre*) {}),
        std::shared_ptr<const TClasseFenetre>(&classeBasket, [](const TClasseFenetre*) {}),
        std::shared_ptr<const TClasseFenetre>(&classeHand, [](const TClasseFenetre*) {})};
    for (int s = 0; s < 4; ++s)
        TMultiSport::EnregistreClasse(TGenreFenetre::StatEquipe, s, classes[s]);
    EnregistreFonctionsStatEquipe();
}
