#include "views/w_InfoGeneral.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "model/LectureParametre.h"
#include "model/ListeDonnees.h"
#include "model/NomJournee.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "codecs/PngPicture.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Printers.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "ui/Afficheur.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/Graphe.h"
#include "ui/GridHtml.h"
#include "views/DiversStat_Outils.h"
#include "views/w_InfoGeneral_Outils.h"
#include "views/Textes.h"

using vues::Texte;

// ============================================================================
// counting, shared by every sport
// ============================================================================

namespace infogen {

std::string ParMatch(int64_t valeur, int64_t matchs) { return TexteQuotient(valeur, matchs, 2); }

std::string Part(int64_t nombre, int64_t total) { return total == 0 ? "-" : TexteTaux(nombre, total, 2) + "%"; }

std::array<std::string, 2> PartsDomicile(int64_t domicile, int64_t total)
{
    if (total == 0)
        return {"-", "-"};
    // in hundredths of a percent, the away share the rest of the rounded home one
    const int64_t centiemes = DivisionArrondie(domicile * 10000, total);
    return {TexteQuotient(centiemes, 100, 2) + "%", TexteQuotient(10000 - centiemes, 100, 2) + "%"};
}

std::string AvecPart(int64_t nombre, int64_t total)
{
    return IntToStr(nombre) + " (" + Part(nombre, std::max<int64_t>(total, 1)) + ")";
}

std::string NomJournee(const TDonneesChampionnat* c, int journee)
{
    const std::string tour = c ? NomTourCoupe(*c, journee) : std::string();
    return tour.empty() ? Texte(85) + " " + IntToStr(journee) : tour;
}

std::string AvecJournee(const std::string& valeur, int journee, const TDonneesChampionnat* c)
{
    return valeur + " (" + NomJournee(c, journee) + ")";
}

int IdLegendeJournee(const TDonneesChampionnat* c, int id)
{
    static const std::pair<int, int> tours[] = {{805, 5830}, {806, 5831}, {1103, 5832}, {1104, 5833}};
    for (const auto& [journee, tour] : tours)
        if (id == journee && c && c->EstCoupe())
            return tour;
    return id;
}

std::string TitreJournee(const TDonneesChampionnat* c, int journee, const std::string& titre)
{
    const std::string tour = c ? NomTourCoupe(*c, journee) : std::string();
    return tour.empty() ? TraduireFormat(209, {journee, titre}) : tour + " - " + titre;
}

void Etendue(const TDonneesChampionnat& c, int journee, int& premiere, int& derniere)
{
    if (journee == 0) {
        premiere = 1;
        derniere = std::min<int>(c.DerniereJournee, c.NbJour());
    } else {
        premiere = derniere = std::clamp(journee, 1, std::max(c.NbJour(), 1));
        if (journee > c.NbJour())
            derniere = 0;
    }
}

bool ScoresConnus(const TDonneesChampionnat& c, int d, int m, int& a, int& b)
{
    a = c.ValeurMatch(d, 4 * m - 2);
    b = c.ValeurMatch(d, 4 * m);
    return a >= 0 && a < 65535 && b >= 0 && b < 65535;
}

int64_t AffluenceConnue(const TDonneesChampionnat& c, int d, int m)
{
    return std::max<int64_t>(c.AffluenceMatch(d, m), 0);
}

void AjouteAffluence(TChiffresInfo& f, int64_t affluence, int64_t* journee)
{
    if (affluence <= 0)
        return;
    f.Affluence += affluence;
    ++f.AffluencesConnues;
    if (journee)
        *journee += affluence;
}

std::string AffluenceMoyenne(const TChiffresInfo& f)
{
    return TexteQuotient(f.Affluence, f.AffluencesConnues, 0);
}

int NumeroPoste(TSaison* saison, const TDonneesEvt& e)
{
    const TJoueur* j = saison ? saison->Joueurs().ChercheJoueur(e.IdJoueur(), e.IdEquipe()) : nullptr;
    return j ? j->NumeroPoste() : 0;
}

void Barres(TGraphe& g, int serie, int x, int valeur, std::pair<TColor, TColor> a, std::pair<TColor, TColor> b)
{
    g.AjoutePoint(serie, x, valeur);
    const auto& p = x % 2 == 1 ? a : b;
    g.ChangeCouleurPoint(serie, x, CouleursGraphe(p.first, p.second));
}

void UneSerie(TGraphe& g)
{
    g.ChangeNbCourbes(1);
    g.VideCourbe(0);
}

void ExtremesSerie(const std::vector<int>& s, const std::vector<int>& joues, int derniere, TChiffresInfo& f)
{
    f.Total = 0;
    f.JourneeMaximum = f.JourneeMinimum = 0;
    f.Maximum = f.Minimum = 0;
    for (int d = 1; d <= derniere && d <= static_cast<int>(s.size()); ++d) {
        const size_t k = static_cast<size_t>(d - 1);
        const int v = s[k];
        f.Total += v;
        if (k >= joues.size() || joues[k] == 0)
            continue;
        if (f.JourneeMaximum == 0 || v > f.Maximum) {
            f.Maximum = v;
            f.JourneeMaximum = d;
        }
        if (f.JourneeMinimum == 0 || v < f.Minimum) {
            f.Minimum = v;
            f.JourneeMinimum = d;
        }
    }
}

}  // namespace infogen

using namespace infogen;

void TClasseInfoGeneral::ButsJournee(std::vector<int>& serie1, int64_t& domicile, int d, TDonneesChampionnat& c) const
{
    for (int m = 1; m <= c.NbMatchJournee(d); ++m) {
        int a = 0, b = 0;
        if (ScoresConnus(c, d, m, a, b)) {
            serie1[static_cast<size_t>(d - 1)] += a + b;
            domicile += a;
        }
    }
}

void TClasseInfoGeneral::CartonsJournee(std::vector<int>& serie2, std::vector<int>& serie3, int64_t& jaunes,
                                        int64_t& rouges, int d, TDonneesChampionnat& c) const
{
    int j = 0, r = 0;
    if (const TListeDonnees* l = c.ListeAvertis(d))
        for (int i = 0; i < l->Nombre(); ++i)
            ++((l->Donnee(i)->Mot() & evtRouge) ? r : j);
    serie2[static_cast<size_t>(d - 1)] += j;
    serie3[static_cast<size_t>(d - 1)] += r;
    jaunes += j;
    rouges += r;
}

void TClasseInfoGeneral::RepartitionButeurs(TSaison* saison, int d, TCompteursMinutes& minutes, TPostes& postes) const
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    const TListeDonnees* l = c ? c->ListeButeurs(d) : nullptr;
    if (!l)
        return;
    for (int i = 0; i < l->Nombre(); ++i) {
        const TDonneesEvt& e = *l->Donnee(i);
        // A record outside the score (a missed penalty) is no goal.
        if (e.Mot() & evtHorsScore)
            continue;
        if (const int k = (e.Mot() & 127) / 5; k < 21)
            ++minutes[static_cast<size_t>(k)];
        if (e.Mot() & evtRouge)
            ++postes[4];
        else if (const int p = NumeroPoste(saison, e); p >= 1 && p <= 4)
            ++postes[static_cast<size_t>(p - 1)];
    }
}

TChiffresInfo TClasseInfoGeneral::Compte(TSaison* saison, int journee, bool sansSeries) const
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
    f.JouesJournee.assign(n, 0);
    int premiere = 1, derniere = 0;
    Etendue(*c, journee, premiere, derniere);
    for (int d = premiere; d <= derniere; ++d) {
        if (!sansSeries) {
            for (int m = 1; m <= c->NbMatchJournee(d); ++m) {
                int a = 0, b = 0;
                if (!ScoresConnus(*c, d, m, a, b))
                    continue;
                AjouteAffluence(f, AffluenceConnue(*c, d, m), &f.AffluenceJournee[static_cast<size_t>(d - 1)]);
                ++f.Joues;
                ++f.JouesJournee[static_cast<size_t>(d - 1)];
                if (a == b)
                    ++f.Nuls;
                else if (a > b)
                    ++f.VictoiresDom;
            }
            ButsJournee(f.Serie1, f.Domicile, d, *c);
        }
        RepartitionButeurs(saison, d, f.Minutes, f.Postes);
        if (!sansSeries)
            CartonsJournee(f.Serie2, f.Serie3, f.Jaunes, f.Rouges, d, *c);
    }
    ExtremesSerie(f.Serie1, f.JouesJournee, std::min<int>(c->DerniereJournee, c->NbJour()), f);
    if (journee != 0 && journee >= 1 && journee <= static_cast<int>(n))
        f.Total = f.Serie1[static_cast<size_t>(journee - 1)];
    return f;
}

TCompteursMinutes TClasseInfoGeneral::RepartitionMinutes(TSaison* saison, int journee)
{
    TCompteursMinutes m{};
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return m;
    int premiere = 1, derniere = 0;
    Etendue(*c, journee, premiere, derniere);
    for (int d = premiere; d <= derniere; ++d)
        if (const TListeDonnees* l = c->ListeButeurs(d))
            for (int i = 0; i < l->Nombre(); ++i) {
                const uint16_t mot = l->Donnee(i)->Mot();
                if (const int k = (mot & 127) / 5; !(mot & evtHorsScore) && k < 21)
                    ++m[static_cast<size_t>(k)];
            }
    return m;
}

int TClasseInfoGeneral::ArrondiGraduation(int n)
{
    if (n < 2)
        return 1;
    if (n < 10)
        return n;
    int p = 1;
    while (n >= 10) {
        const bool multiple = n % 10 == 0;
        n = n / 10 + (multiple ? 0 : 1);
        p *= 10;
    }
    return n * p;
}

namespace infogen {

void GrapheRepartition(TGraphBarre& g, const std::vector<int>& barres, int tranche, const std::string& titre,
                       TCouleurPoint paire)
{
    UneSerie(g);
    g.SetLegendeY(titre);
    g.FacteurX = 1.0 / tranche;
    g.SetEspaceGraduerX(tranche);
    // minutes are band limits: each label stands at the end of its band
    g.SetDecalLegende(false);
    g.SetNbPointX(static_cast<int>(barres.size()));
    for (size_t i = 0; i < barres.size(); ++i) {
        g.AjoutePoint(0, static_cast<int>(i) + 1, barres[i]);
        g.ChangeCouleurPoint(0, static_cast<int>(i) + 1, paire);
    }
    const int m = g.Courbe(0)->MaxY();
    g.SetEspaceGraduerY(TClasseInfoGeneral::ArrondiGraduation(m <= 20 ? m : m / 4));
    g.SetAutoGraduationY(true);
    g.Invalidate();
}

TCouleurPoint PaireRepartition(TColor c, const TCouleurElement& couleurs)
{
    return c != 0 ? CouleursGraphe(c, c) : CouleursGraphe(*couleurs.Couleur(36), *couleurs.Couleur(37));
}

}  // namespace infogen

void TClasseInfoGeneral::AfficheGraphesRepartition(const TCompteursMinutes& minutes, TGraphBarre& g15,
                                                   TGraphBarre& g5, const TCouleurElement& couleurs,
                                                   const TClasseInfoGeneral* legende, TColor couleur15,
                                                   TColor couleur5) const
{
    const std::string titre = Texte((legende ? legende : this)->IdTexteJournee(2));
    std::vector<int> quinze(7, 0), cinq(19, 0);
    for (size_t i = 0; i < 7; ++i)
        quinze[i] = minutes[3 * i] + minutes[3 * i + 1] + minutes[3 * i + 2];
    for (size_t i = 0; i < 19; ++i)
        cinq[i] = minutes[i];
    GrapheRepartition(g15, quinze, 15, titre, PaireRepartition(couleur15, couleurs));
    GrapheRepartition(g5, cinq, 5, titre, PaireRepartition(couleur5, couleurs));
}

std::vector<TAffluenceMatch> TClasseInfoGeneral::MeilleuresAffluences(TDonneesChampionnat& c)
{
    // Each entry keeps its matchday and match: any number of matches per
    // matchday (date system included) and an empty current round fit.
    std::vector<TAffluenceMatch> v;
    // Only played matches: a match still to play has no score to show.
    for (int d = 1; d <= std::min<int>(c.DerniereJournee, c.NbJour()); ++d)
        for (int m = 1; m <= c.NbMatchJournee(d); ++m) {
            int h = 0, e = 0;
            if (const int64_t a = c.AffluenceMatch(d, m); a > 0 && ScoresConnus(c, d, m, h, e))
                v.push_back({a, d, m});
        }
    std::stable_sort(v.begin(), v.end(),
                     [](const TAffluenceMatch& x, const TAffluenceMatch& y) { return x.Affluence > y.Affluence; });
    if (v.size() > 20)
        v.resize(20);
    return v;
}

int TClasseInfoGeneral::RemplitAffluences(TColorGridBase& g, TSaison* saison, const TCouleurElement& couleurs,
                                          int maxLignes)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return 0;
    const std::vector<TAffluenceMatch> v = MeilleuresAffluences(*c);
    int lignes = static_cast<int>(v.size());
    int hauteur = lignes * 24;
    if (lignes > 10) {
        lignes = std::max(std::min(lignes, maxLignes), 10);
        hauteur = lignes * 21;
    }
    TGridModel& m = divers::Modele(g);
    m.SetFixedCols(0);
    m.SetFixedRows(0);
    m.SetColCount(8);
    m.SetRowCount(std::max(lignes, 1));
    g.InitColonnes();
    static const int largeurs[8] = {25, 130, 20, 10, 20, 130, 120, 100};
    for (int k = 0; k < 8; ++k) {
        m.SetColWidths(k, largeurs[k]);
        g.ChangeTraitColonne(k, k > 4);
    }
    g.ChangeHauteurLignes(lignes > 10 ? 21 : 24);
    g.ChangeValeursColonne(6, TCouleurPoint{*couleurs.Couleur(40), *couleurs.Couleur(41)});
    const bool dates = (c->Option(11) & 8) != 0;
    for (int r = 0; r < lignes; ++r) {
        const TAffluenceMatch& e = v[static_cast<size_t>(r)];
        TColor texte = clBlack, fond = clWhite;
        TBrivantelForm::CouleursLigneSchema(r + 1, texte, fond, false, couleurs);
        const int a = c->ValeurMatch(e.Journee, 4 * e.Match - 2), b = c->ValeurMatch(e.Journee, 4 * e.Match);
        std::string date;
        if (dates) {
            if (const uint32_t dj = c->DateJournee(e.Journee); dj != 0)
                date = TGestionDate::DateVersTexte(dj);
        } else {
            date = NomJournee(c, e.Journee);
        }
        const std::string cellules[8] = {IntToStr(r + 1),
                                         saison->NomEquipeCourant(c->ValeurMatch(e.Journee, 4 * e.Match - 3)),
                                         IntToStr(a),
                                         "-",
                                         IntToStr(b),
                                         saison->NomEquipeCourant(c->ValeurMatch(e.Journee, 4 * e.Match - 1)),
                                         IntToStr(e.Affluence) + " " + Texte(51),
                                         date};
        for (int k = 0; k < 8; ++k)
            g.RemplitCellule(k, r, cellules[k], k == 1 || k == 5 ? 0 : 1, 1, k == 0 ? TColor(0x802090) : texte,
                             fond, false);
        g.ChangeDonneeCellule(6, r, static_cast<int>(std::min<int64_t>(e.Affluence, INT32_MAX)));
    }
    if (lignes == 0)
        for (int k = 0; k < 8; ++k)
            g.EcritCellule(k, 0, "");
    return hauteur;
}

std::string TClasseInfoGeneral::SauveImageRepartition(TGraphe& g1, TGraphe& g2, TColor fond)
{
    const int w = std::max(1, g1.Width()), h1 = std::max(1, g1.Height()), h2 = std::max(1, g2.Height());
    TBitmap image(w, h1 + h2);
    TCanvas& c = image.Canvas();
    c.Brush.SetStyle(bsSolid);
    c.Brush.SetColor(fond);
    c.FillRect(Rect(0, 0, w + 1, h1 + h2 + 1));
    {
        TBitmap haut(w, h1);
        haut.Canvas().Brush.SetColor(fond);
        haut.Canvas().FillRect(Rect(0, 0, w + 1, h1 + 1));
        haut.Canvas().Font = g1.Font();
        g1.Dessine(haut.Canvas());
        c.Draw(0, 0, haut);
    }
    {
        TBitmap bas(std::max(1, g2.Width()), h2);
        bas.Canvas().Brush.SetColor(fond);
        bas.Canvas().FillRect(Rect(0, 0, bas.Width() + 1, h2 + 1));
        bas.Canvas().Font = g2.Font();
        g2.Dessine(bas.Canvas());
        c.Draw(0, h1, bas);
    }
    const std::string dossier = TFonctionsGabarit::DossierTemp();
    if (!DirectoryExists(dossier) && !ForceDirectories(dossier))
        throw EFCreateError(L1("Impossible de créer le dossier ") + dossier);
    TPngPicture png;
    png.Assign(image);
    const std::string fichier = dossier + "repart.png";
    png.SaveToFile(fichier);
    return fichier;
}

std::string TClasseInfoGeneral::Titre(TSaison* saison, const TDonneesChampionnat& c)
{
    const TLectureParam* p = LectureParamMulti() ? LectureParamMulti()->ParamCourant() : nullptr;
    const int code = c.CodeDivision();
    if (p && p->DivisionParCode(code))
        return p->NomChampionnat(code) + ": " + p->NomDivision(code);
    return saison ? saison->Arbre().NomCode(c.CodeChamp) : std::string();
}
