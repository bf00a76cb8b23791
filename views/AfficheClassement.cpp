#include "views/AfficheClassement.h"

#include <algorithm>
#include <memory>

#include "codecs/PngPicture.h"
#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "ui/BrivantelForm.h"
#include "ui/Graphe.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"

using vues::Texte;

namespace classement {

int TypeAffiche(int type)
{
    if (type == 10 || type == 12)
        return 5;
    if (type == 11 || type == 13)
        return 6;
    return type;
}

bool Inverse(int type)
{
    type = TypeAffiche(type);
    return type == 6 || type == 7 || type == 41 || type == 43 || type == 45 || type == 60 || type == 66;
}

bool TablePoints(int type)
{
    return (type >= 1 && type <= 4) || type == 9;
}

namespace {

// The sport's label n replaces the text when it has one.
std::string TexteOuSport(int id, int n, const TSaison* saison)
{
    if (saison) {
        std::string s = saison->MultiSport().LibelleStatistique(n);
        if (!s.empty())
            return s;
    }
    return Texte(id);
}

std::string LabelSport(int n, const TSaison* saison)
{
    return saison ? saison->MultiSport().LibelleStatistique(n) : std::string();
}

// What a shown row compares with its neighbour above for the "-|" mark.
int64_t CleEgalite(const TCalculClassement& calcul, int type, int r)
{
    if (TablePoints(TypeAffiche(type)))
        return calcul.MotLigne(r, 12);
    if (type == 8)
        return calcul.AffluenceLigne(r);
    return calcul.ValeurLigne(r, 2);
}

}  // namespace

std::string LibelleValeur(int type, const TSaison* saison)
{
    type = TypeAffiche(type);
    const bool rugby = saison && saison->Sport() == 1;
    switch (type) {
    case 5: return rugby ? Texte(50) : TexteOuSport(48, 0, saison);
    case 6: return rugby ? Texte(50) : TexteOuSport(49, 1, saison);
    case 7: return Texte(50);
    case 8: return Texte(51);
    case 30: return Texte(981);
    case 31: return Texte(982);
    case 40: return LabelSport(6, saison);
    case 41: return Texte(1090);
    case 42: return LabelSport(8, saison);
    case 43: return Texte(1094);
    case 44: return LabelSport(10, saison);
    case 45: return Texte(1096);
    case 50: return LabelSport(6, saison);
    case 52: return LabelSport(8, saison);
    case 54: return LabelSport(10, saison);
    default: break;
    }
    // basketball's, then handball's (its 7-metre goals, not football's penalties)
    static const int ids[] = {1121, 1122, 650, 577, 578, 580, 1292, 103, 1500, 1496, 1549, 53};
    if (type >= 56 && type <= 78 && type % 2 == 0)
        return Texte(ids[(type - 56) / 2]);
    return {};
}

std::string Titre(int type, const TSaison* saison)
{
    static const int ids[] = {52, 53, 54, 673, 55, 56, 57, 58, 52, 59, 60, 61, 62};
    if (type >= 1 && type <= 13)
        return Texte(ids[type - 1]);
    // The statistic codes take their value caption as well: a table the menu
    // opens always names itself in the status bar.
    if (type == 30 || type == 31 || (type >= 40 && type <= 45) || (type >= 50 && type <= 78))
        return LibelleValeur(type, saison);
    // Match situations (scored first ... trailing at half-time), with the
    // venue when one is chosen; then the ages.
    if (type >= 100 && type <= 114) {
        const std::string situation = Texte(1224 + (type - 100) / 3);
        const int lieu = (type - 100) % 3;
        return lieu == 0 ? situation : situation + " - " + Texte(lieu == 1 ? 759 : 763);
    }
    if (type == 115)
        return Texte(1229);
    return {};
}

bool ExAequo(const TCalculClassement& calcul, int type, int dessus, int r)
{
    const int t = TypeAffiche(type);
    if (TablePoints(t))
        return CleEgalite(calcul, t, dessus) >= 1 && CleEgalite(calcul, t, dessus) == CleEgalite(calcul, t, r);
    return CleEgalite(calcul, type, dessus) == CleEgalite(calcul, type, r);
}

std::string RangPartage(const TCalculClassement& calcul, int type, int r)
{
    while (r >= 1 && ExAequo(calcul, type, r - 1, r))
        --r;
    return IntToStr(r + 1);
}

std::string TexteStatut(int type, const TSaison* saison, int premiere, int derniere)
{
    // a range that leaves matchdays out is named, the first ones too
    const std::string titre = Titre(type, saison);
    if (vues::SaisonEntiere(saison, premiere, derniere))
        return titre;
    return vues::TitreChoix(titre, {}, premiere, derniere);
}

}  // namespace classement

namespace {

using namespace classement;

using vues::Blason;

// The share of wins of a sport without draws, from the counts as the rankings
// round theirs: "-" for a block without a match.
std::string TauxVictoires(int64_t victoires, int64_t defaites)
{
    return TexteTaux(victoires, victoires + defaites, 1);
}

// The grid, through its model and its colour records.
struct TCible
{
    TGridModel& modele;
    TColorGridBase& grille;
};

struct TColonnes
{
    int nombre = 3;
    std::vector<int> largeurs;     // columns 2..
    std::vector<std::string> libelles;
};

TColonnes Colonnes(int type, const TSaison* saison, bool sansNul, bool rapportSeul)
{
    TColonnes c;
    // Caption 40 + k of the points columns; without draws L and % take the
    // places of D and L.
    // In basketball the difference column holds the points-for/against ratio.
    const bool rapport = saison && saison->Sport() == 2;
    auto libellePoints = [&](int k) {
        if (rapport && k == 6)
            return Texte(4551);
        if (sansNul && k == 2)
            return Texte(43);
        if (sansNul && k == 3)
            return std::string(1, '%');
        return Texte(40 + k);
    };
    auto points = [&]() {
        // Captions 40..47 from column 2.
        for (int i = 0; i < 8; ++i) {
            // the ratio's caption and its three decimals need more room
            c.largeurs.push_back(i == 0 && rapportSeul ? 0 : rapport && i == 6 ? 42 : 30);
            c.libelles.push_back(libellePoints(i));
        }
    };
    const int t = TypeAffiche(type);
    if (TablePoints(t)) {
        c.nombre = t == 9 ? 20 : 10;
        points();
        if (t == 9)
            for (int bloc = 0; bloc < 2; ++bloc)
                for (int i = 0; i < 5; ++i) {
                    c.largeurs.push_back(30);
                    c.libelles.push_back(libellePoints(i + 1));
                }
    } else if (t == 7) {
        c.nombre = 5;
        c.largeurs = {100, 60, 60};
        c.libelles = {Texte(50), Texte(974), Texte(975)};
    } else if (t >= 56 && t <= 76) {
        c.nombre = 4;
        c.largeurs = {120, 80};
        c.libelles = {LibelleValeur(t, saison), Texte(606)};
    } else if (t >= 100 && t <= 114) {
        c.nombre = 7;
        c.largeurs = {40, 40, 40, 40, 80};
        c.libelles = {Texte(47), Texte(41), Texte(42), Texte(43), Texte(591)};
    } else if (t == 115) {
        c.nombre = 5;
        c.largeurs = {80, 60, 60};
        c.libelles = {Texte(591), Texte(607), Texte(608)};
    } else {
        c.nombre = 3;
        c.largeurs = {120};
        c.libelles = {LibelleValeur(t, saison)};
    }
    return c;
}

void Valeurs(TCalculClassement& calcul, int type, int r, const TSaison* saison, bool sansNul,
             std::vector<std::string>& v)
{
    const int t = TypeAffiche(type);
    const int pos = calcul.ValeurLigne(r, 1);
    auto total = [&](int f) { return calcul.ValeurTotal(pos, f); };
    v.assign(20, std::string());
    if (TablePoints(t)) {
        for (int f = 1; f <= 7; ++f)
            v[static_cast<size_t>(f + 1)] = IntToStr(total(f));
        if (saison && saison->Sport() == 2) {
            // points for over points against: none against is no ratio
            v[8] = total(6) > 0 ? TexteQuotient(total(5), total(6), 3) : std::string("-");
        }
        if (sansNul) {
            v[4] = IntToStr(total(4));
            v[5] = TauxVictoires(total(2), total(4));
            v[9] = IntToStr(total(2) + total(4));
        } else {
            v[9] = IntToStr(total(2) + total(3) + total(4));
        }
    } else if (t == 7) {
        v[2] = IntToStr(calcul.ValeurLigne(r, 2));
        v[3] = IntToStr(calcul.ValeurLigne(r, 3));
        v[4] = IntToStr(calcul.ValeurLigne(r, 4));
    } else if (t == 8) {
        v[2] = IntToStr(calcul.AffluenceLigne(r));
    } else if (t >= 50 && t <= 54) {
        // made x 10000 / attempts, or no rate without attempts
        v[2] = calcul.ValeurLigne(r, 3) == 0 ? std::string("-") : TexteQuotient(calcul.ValeurLigne(r, 2), 100, 2) + "%";
    } else if (t >= 56 && t <= 78) {
        v[2] = IntToStr(calcul.MotLigne(r, 3));
        v[3] = TexteQuotient(calcul.MotLigne(r, 3), calcul.ValeurLigne(r, 4), 2);   // per match played
    } else if (t >= 100 && t <= 114) {
        v[2] = IntToStr(total(5));
        v[3] = IntToStr(total(2));
        v[4] = IntToStr(total(3));
        v[5] = IntToStr(total(4));
        v[6] = TexteQuotient(total(1), total(5), 2);   // points per match
    } else if (t == 115) {
        v[2] = total(3) < 1 ? std::string("-") : TexteQuotient(total(1), 10, 1);   // tenths of years
        v[3] = total(2) >= 255 ? std::string("-") : IntToStr(total(2));
        v[4] = total(3) < 1 ? std::string("-") : IntToStr(total(3));
    } else {
        v[2] = IntToStr(calcul.ValeurLigne(r, 2));
    }
}

// The grid is filled; answers the status text of the table ("" for kinds
// without a title).
void Remplit(TCalculClassement& calcul, int type, TCible g, int premiere, int derniere,
             const TCouleurElement& couleurs, const std::vector<int>* equipes)
{
    TSaison* saison = calcul.Saison();
    TDonneesChampionnat* premier = calcul.NbGroupes() > 0 ? calcul.Groupe(0) : calcul.Championnat();
    const bool sansNul = saison && saison->StatApplicable(2) == 0;
    const bool rapportSeul = sansNul && premier && (premier->Option(11) & 8) != 0;
    const int t = TypeAffiche(type);

    // 3. the table
    const bool depuis = premiere >= 2;
    const int nb = calcul.Calcule(type == 9 ? 1 : type, premiere, derniere, nullptr, depuis, 0);

    // 6. columns
    const TColonnes colonnes = Colonnes(type, saison, sansNul, rapportSeul);
    g.modele.SetColCount(colonnes.nombre);
    if (g.modele.FixedCols() != 0)
        g.modele.SetFixedCols(0);

    // 7., 8. the rows shown: every row, or those of the subset, as shown from
    // the top (a table read from its bottom, the defence, reversed); a team
    // without its figure's base after those with one, without a rank. The
    // rank is the row's place in the whole table as shown.
    std::vector<int> ordre(static_cast<size_t>(nb));   // engine rows, as shown
    const bool inverse = Inverse(t);
    for (int r = 0; r < nb; ++r)
        ordre[static_cast<size_t>(r)] = inverse ? nb - 1 - r : r;
    std::stable_partition(ordre.begin(), ordre.end(), [&](int r) { return !calcul.SansBase(type, r); });
    std::vector<int> lignes, rang;   // engine rows shown and their ranks, from the top
    for (int k = 0; k < nb; ++k) {
        const int r = ordre[static_cast<size_t>(k)];
        const int pos = calcul.ValeurLigne(r, 1);
        if (!equipes || std::find(equipes->begin(), equipes->end(), pos) != equipes->end()) {
            lignes.push_back(r);
            rang.push_back(k + 1);
        }
    }
    const int n = static_cast<int>(lignes.size());
    g.modele.SetRowCount(n + 1);
    if (g.modele.FixedRows() < 1 && n > 0)
        g.modele.SetFixedRows(1);
    // 1. the records of rows and columns rebuilt
    g.grille.InitLignesColonnes();

    g.grille.ChangeLargeurColonne(0, 24);
    g.grille.ChangeLargeurColonne(1, 160);
    for (size_t i = 0; i < colonnes.largeurs.size(); ++i)
        g.grille.ChangeLargeurColonne(static_cast<int>(i) + 2, colonnes.largeurs[i]);
    for (int c = 0; c < colonnes.nombre; ++c) {
        std::string libelle = c == 1 ? Texte(66) : c >= 2 ? colonnes.libelles[static_cast<size_t>(c - 2)] : "";
        g.grille.RemplitCellule(c, 0, libelle, c == 1 ? 0 : 1, 1, couleurs.CouleurTexteTitreTableau,
                                couleurs.CouleurFondTitreTableau, true);
        // Rank and team sort on their text, the values on their numbers.
        g.grille.ChangeEtatColonne(c, c == 1 ? 1 : 0);
    }
    if (t == 9)
        for (int c = 0; c < colonnes.nombre; ++c)
            g.grille.ChangeTraitColonne(c, c == 9 || c == 14 || c == 19);

    // value bars
    const TCouleurPoint barres = CouleursGraphe(couleurs.GraphTableauCouleurDebut, couleurs.GraphTableauCouleurFin);
    if (TablePoints(t))
        g.grille.ChangeValeursColonne(2, CouleurGraphe(0));
    else if (t >= 100 && t <= 114)
        g.grille.ChangeValeursColonne(6, barres);
    else {
        g.grille.ChangeValeursColonne(2, barres);
        if (t >= 56 && t <= 76)
            g.grille.ChangeValeursColonne(3, barres);
    }

    // Placement: the grid row of each shown row.
    std::vector<int> ligneGrille(static_cast<size_t>(n));
    for (int j = 0; j < n; ++j)
        ligneGrille[static_cast<size_t>(j)] = j + 1;
    // engine row of each grid row
    std::vector<int> auRang(static_cast<size_t>(n) + 1, -1);
    for (int j = 0; j < n; ++j)
        auRang[static_cast<size_t>(ligneGrille[static_cast<size_t>(j)])] = lignes[static_cast<size_t>(j)];

    const bool marque = t == 8 || (t >= 100 && t <= 114);
    std::vector<std::string> v;
    for (int j = 0; j < n; ++j) {
        const int r = lignes[static_cast<size_t>(j)];
        const int row = ligneGrille[static_cast<size_t>(j)];
        const int pos = calcul.ValeurLigne(r, 1);
        const int id = calcul.IdEquipePosition(pos);
        const int groupe = calcul.GroupePosition(pos);
        TDonneesChampionnat* champ = groupe >= 0 ? calcul.Groupe(groupe) : premier;

        TColor texte = 0, fond = 0xFFFFFF;
        const bool suivie = !calcul.AvecGroupes() && premier && premier->Option(10) == pos;
        TBrivantelForm::CouleursLigneSchema(row, texte, fond, suivie, couleurs);

        // rank: "-|" before the rank of the lower of two rows with the same value
        std::string texteRang = IntToStr(rang[static_cast<size_t>(j)]);
        if (row >= 2) {
            if (ExAequo(calcul, type, auRang[static_cast<size_t>(row - 1)], r))
                texteRang = "-|" + texteRang;
        }
        // a team without its figure's base has no rank
        const bool sansBase = calcul.SansBase(type, r);
        if (sansBase)
            texteRang.clear();
        g.grille.RemplitCellule(0, row, texteRang, 1, 1, texte, fond, false);

        const std::string nom = saison ? saison->NomEquipeComplet(id, champ) : IntToStr(id);
        g.grille.RemplitCellule(1, row, nom, 0, 1, texte, fond, suivie, Blason(saison, id));
        if (marque) {
            g.grille.ChangeDonneeCellule(1, row, id);
            g.grille.ChangeMarqueCellule(1, row, true);
        }

        Valeurs(calcul, type, r, saison, sansNul, v);
        // no match, no attendance known, no attempt: no figure (the match
        // situations keep their counts of none beside their "-")
        if (sansBase && !(t >= 100 && t <= 114))
            std::fill(v.begin() + 2, v.end(), std::string("-"));
        for (int c = 2; c < colonnes.nombre && c < 10; ++c)
            g.grille.RemplitCellule(c, row, v[static_cast<size_t>(c)], 1, 1, texte, fond, c == 2 && TablePoints(t));
        for (int c = 10; c < colonnes.nombre; ++c)
            g.grille.RemplitCellule(c, row, "", 1, 1, texte, fond, false);
    }

    // the lines of the promotion and relegation bands
    if ((t == 1 || t == 9) && premier) {
        auto trait = [&](int rangBande) {
            for (int j = 0; j < n; ++j)
                if (rang[static_cast<size_t>(j)] == rangBande)
                    g.grille.ChangeCouleurTraitLigne(ligneGrille[static_cast<size_t>(j)], 255);
        };
        const int o12 = static_cast<int16_t>(premier->Option(12));
        const int o2 = static_cast<int16_t>(premier->Option(2));
        const int o3 = static_cast<int16_t>(premier->Option(3));
        if (o12 > 0)
            trait(o12);
        if (o2 != 0)
            trait(o2);
        if (o3 != 0)
            trait(calcul.NbEquipe() - o3);
    }

    // 9. the home and away columns of the full general table
    if (t == 9) {
        std::vector<int> positions(static_cast<size_t>(n));
        for (int j = 0; j < n; ++j)
            positions[static_cast<size_t>(j)] = calcul.ValeurLigne(lignes[static_cast<size_t>(j)], 1);
        for (int cote = 0; cote < 2; ++cote) {
            calcul.Calcule(cote == 0 ? 2 : 3, premiere, derniere, nullptr, true, 0);
            const int c0 = cote == 0 ? 10 : 15;
            for (int j = 0; j < n; ++j) {
                const int pos = positions[static_cast<size_t>(j)];
                const int row = ligneGrille[static_cast<size_t>(j)];
                for (int i = 0; i < 5; ++i)
                    g.grille.EcritCellule(c0 + i, row, IntToStr(calcul.ValeurTotal(pos, 2 + i)));
                if (sansNul) {
                    g.grille.EcritCellule(c0 + 1, row, IntToStr(calcul.ValeurTotal(pos, 4)));
                    g.grille.EcritCellule(c0 + 2, row,
                                          TauxVictoires(calcul.ValeurTotal(pos, 2), calcul.ValeurTotal(pos, 4)));
                }
            }
        }
    }
}

}  // namespace

void AfficheGrille(TCalculClassement& calcul, int type, TColorStringGrid& grille, TColorStringGrid* titre,
                   int premiere, int derniere, TStatusBar* statut, int panneau, const TCouleurElement& couleurs,
                   const std::vector<int>* equipes)
{
    const TCouleurElement c = couleurs;
    grille.SetFixedColor(c.CouleurFondTitreTableau);
    if (titre) {
        titre->SetVisible(type == 9);
        if (type == 9) {
            titre->SetColCount(2);
            titre->SetRowCount(1);
            titre->SetFixedRows(0);
            titre->SetFixedCols(0);
            titre->InitLignesColonnes();
            titre->ChangeLargeurColonne(0, 154);
            titre->ChangeLargeurColonne(1, 154);
            titre->SetWidth(310);
            for (int i = 0; i < 2; ++i)
                titre->RemplitCellule(i, 0, Texte(64 + i), 1, 1, c.CouleurTexteTitreTableau,
                                      c.CouleurFondTitreTableau, true);
        }
    }
    Remplit(calcul, type, TCible{grille, grille}, premiere, derniere, c, equipes);
    // Titles fit their columns (the two headings over the home and away
    // columns follow their widths).
    grille.ElargitSelonTexte(0);
    if (statut && panneau >= 0) {
        const std::string s = classement::TexteStatut(type, calcul.Saison(), premiere, derniere);
        if (!classement::Titre(type, calcul.Saison()).empty())
            statut->SetPanelText(panneau, s);
    }
    grille.SetVisible(true);
}

void AfficheGrille(TCalculClassement& calcul, int type, TColorGridModel& grille, int premiere, int derniere,
                   const TCouleurElement& couleurs, const std::vector<int>* equipes)
{
    grille.SetFixedColor(couleurs.CouleurFondTitreTableau);
    Remplit(calcul, type, TCible{grille, grille}, premiere, derniere, couleurs, equipes);
}
