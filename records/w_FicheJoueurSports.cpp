#include "records/w_FicheJoueurSports.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/DescTree.h"
#include "model/ListeDonnees.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "records/w_jInexistant.h"
#include "ui/Nombres.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"

using namespace ctrl;
using L = TLigneStatFiche;

namespace {

std::string Pourcent(int m, int v, int decimales)
{
    return TexteTaux(m, v, decimales) + "%";
}

// Fills the match list of a statistic over every championship where the
// player has counts; answers the caption.
template <class F>
void ParChampionnat(TSaison* saison, const TJoueur* joueur, F f)
{
    for (TDonneesChampionnat* c : saison->Arbre().ListeChampionnats())
    {
        const auto code = static_cast<uint32_t>(c->CodeChamp);
        bool compte = joueur->NbAvertissement(code) || joueur->NbExpulsion(code);
        for (int k = 0; k <= 36 && !compte; ++k)
            compte = joueur->Stat(code, k) > 0;
        if (compte)
            f(c);
    }
}

}  // namespace

// ---- football ----------------------------------------------------------------------------------

Tf_FicheJoueurFoot::Tf_FicheJoueurFoot(TComponent* AOwner) : Tf_FicheJoueur(AOwner)
{
    SetName("f_FicheJoueurFoot");
    ConstruitLignesStat({{67, "Label13", "s1", 1, L::Matchs},
                         {68, "Label14", "s2", 2, L::Stat, 1},
                         {78, "Label15", "s3", 3, L::Avertissements},
                         {104, "Label16", "s4", 4, L::Expulsions},
                         {299, "Label23", "s5", 5, L::Passes}});
    Termine();
    DoCreate();
}

TListeDonnees* Tf_FicheJoueurFoot::ListeStat(int stat, TDonneesChampionnat* c, int jour, int& genre)
{
    genre = stat == 2 ? 2 : stat == 3 ? 3 : stat == 4 ? 4 : 0;
    return genre ? c->ListeDonnees(stat == 2 ? 2 : 3, jour) : nullptr;
}

std::string Tf_FicheJoueurFoot::AfficheDetailStat(int stat)
{
    if (!Joueur || !Saison)
        return {};
    // Goals per match, assists per match, else each event's minute.
    PrepareGrilleMatchs(5, Texte(stat == 1 ? 68 : stat == 5 ? 601 : 4901));
    int ligne = 1, couleur = 0;
    ParChampionnat(Saison, Joueur, [&](TDonneesChampionnat* c) { RemplitMatchs(stat, c, ligne, couleur); });
    TermineGrilleMatchs(ligne);
    static const int textes[6] = {0, 93, 94, 95, 96, 308};
    return TraduireFormat(textes[std::clamp(stat, 0, 5)], {Joueur->Prenom, Joueur->Nom, Libelle});
}

// ---- rugby -------------------------------------------------------------------------------------

Tf_FicheJoueurRugby::Tf_FicheJoueurRugby(TComponent* AOwner) : Tf_FicheJoueur(AOwner)
{
    SetName("f_FicheJoueurRugby");
    ConstruitLignesStat({{67, "Label13", "s1", 1, L::Matchs},
                         {488, "Label14", "s2", 2, L::Stat, 1},
                         {484, "Label15", "s3", 3, L::Stat, 2},
                         {485, "Label16", "s4", 4, L::Stat, 3},
                         {486, "Label23", "s5", 5, L::Stat, 4},
                         {850, "Label34", "s6", 6, L::Avertissements},
                         {104, "Label35", "s7", 7, L::Expulsions}});
    HauteurCarriere = 417;
    Etiquette(this, FondCarriere, "Label29transfo", 8, 331, 487);
    e_Transfo = Saisie(this, FondCarriere, "e_Transfo", 120, 328, 60);
    Compteur(this, FondCarriere, "ud_Transfo", e_Transfo, TChamp::CarriereTransfo);
    Etiquette(this, FondCarriere, "Label30", 8, 357, 485);
    e_Penalite = Saisie(this, FondCarriere, "e_Penalite", 120, 354, 60);
    Compteur(this, FondCarriere, "ud_Penalite", e_Penalite, TChamp::CarrierePenalite);
    Etiquette(this, FondCarriere, "Label31", 8, 383, 486);
    e_Drop = Saisie(this, FondCarriere, "e_Drop", 120, 380, 60);
    Compteur(this, FondCarriere, "ud_Drop", e_Drop, TChamp::CarriereDrop);
    // Read as the card's other numbers: emptied, 0.
    for (TEdit* e : {e_Transfo, e_Penalite, e_Drop})
        nombres::Declare(e, nombres::Nombre(0, 65535, 0));
    // Rows 5 to 8 of the goal panel do not apply.
    for (int r = 4; r < 8; ++r)
    {
        LibellesButs[static_cast<size_t>(r)]->SetVisible(false);
        ValeursButs[static_cast<size_t>(r)]->SetVisible(false);
        BarresButs[static_cast<size_t>(r)]->SetVisible(false);
    }
    for (int c : {4, 6})
        sg_Historique->RemplitCellule(c, 0, Texte(639), 1, 1, clBlack, clWhite, false);
    Termine();
    DoCreate();
}

void Tf_FicheJoueurRugby::TraduitLibelles()
{
    Tf_FicheJoueur::TraduitLibelles();
    ChangePostes(TextesPostes(sportRugby));
    LibellesButs[0]->SetCaption(Texte(1335));
    LibelleDetailButs->SetCaption(Texte(4506));
}

void Tf_FicheJoueurRugby::EchangeStatSport(TCarriereFiche& fiche, int sens)
{
    TEdit* champs[3] = {e_Transfo, e_Penalite, e_Drop};
    for (int k = 0; k < 3; ++k)
    {
        auto& v = fiche.Valeurs[static_cast<size_t>(k + 1)];
        if (sens == 1)
            v = nombres::Valeur(champs[k]).value_or(v);
        else
            champs[k]->SetText(IntToStr(v));
    }
}

void Tf_FicheJoueurRugby::CompteSaison(const TJoueur* joueur, uint32_t code, int& matchs,
                                       std::array<int32_t, 4>& v) const
{
    Tf_FicheJoueur::CompteSaison(joueur, code, matchs, v);
    if (matchs == 0 && v[0] == 0 && !(Saison && Saison->Arbre().ChampionnatParCode(static_cast<int32_t>(code))))
        return;
    for (int k = 1; k <= 4; ++k)
        v[static_cast<size_t>(k - 1)] = joueur->Stat(code, k);
}

TListeDonnees* Tf_FicheJoueurRugby::ListeStat(int stat, TDonneesChampionnat* c, int jour, int& genre)
{
    static const int listes[8] = {0, 0, 2, 6, 5, 7, 3, 3};
    static const int genres[8] = {0, 0, 2, 2, 2, 2, 3, 4};
    if (stat < 2 || stat > 7)
    {
        genre = 0;
        return nullptr;
    }
    genre = genres[stat];
    return c->ListeDonnees(listes[stat], jour);
}

std::string Tf_FicheJoueurRugby::AfficheDetailStat(int stat)
{
    if (!Joueur || !Saison)
        return {};
    // Tries per match, else each event's minute.
    PrepareGrilleMatchs(5, Texte(stat == 1 ? 488 : 4901));
    int ligne = 1, couleur = 0;
    ParChampionnat(Saison, Joueur, [&](TDonneesChampionnat* c) { RemplitMatchs(stat, c, ligne, couleur); });
    TermineGrilleMatchs(ligne);
    static const int textes[8] = {0, 93, 516, 517, 518, 519, 95, 96};
    return TraduireFormat(textes[std::clamp(stat, 0, 7)], {Joueur->Prenom, Joueur->Nom, Libelle});
}

// ---- basketball and handball -------------------------------------------------------------------

int Tf_FicheJoueurStat::Valeur(TDonneesChampionnat* c, int jour, int code) const
{
    auto* cs = dynamic_cast<TDonneesChampionnatStat*>(c);
    const TListeDonnees* l = cs ? cs->ListeStat(jour, code) : nullptr;
    for (int i = 0; l && i < l->Nombre(); ++i)
        if (l->Donnee(i)->IdJoueur() == Joueur->Numero)
            return l->Donnee(i)->Mot();
    return -1;
}

void Tf_FicheJoueurStat::RemplitMatchs(int stat, TDonneesChampionnat* c, int& ligne, int& couleur)
{
    auto* cs = dynamic_cast<TDonneesChampionnatStat*>(c);
    if (!cs || !Joueur || !Saison)
        return;
    LigneTitre(c, ligne, 8388736);
    const int code = CodeStat(stat);
    auto cherche = [&](int d, int k) -> const TDonneesEvt* {
        const TListeDonnees* l = cs->ListeStat(d, k);
        for (int i = 0; l && i < l->Nombre(); ++i)
            if (l->Donnee(i)->IdJoueur() == Joueur->Numero)
                return l->Donnee(i);
        return nullptr;
    };
    for (int d = 1; d <= c->NbJour(); ++d)
    {
        const TDonneesEvt* e = cherche(d, code);
        // Rebounds (defensive code 14, offensive 13 beside it): a match with
        // offensive rebounds only is listed too, with no defensive one.
        const TDonneesEvt* offensif = !e && code == 14 ? cherche(d, 13) : nullptr;
        if (!e && !offensif)
            continue;
        const int v = e ? e->Mot() : 0;
        if (!e)
            e = offensif;
        std::string c2, c3;
        Cellules(stat, code, v, Valeur(c, d, code - 1), c, d, c2, c3);
        const int t = e->IdEquipe();
        TColor texte = clBlack, fond = clWhite;
        CouleursLigne(couleur, texte, fond, false);
        sg_Match->SetRowCount(ligne + 1);
        const std::string cellules[4] = {TexteJour(c, d, t), TexteMatch(c, d, t), c2, c3};
        for (int col = 0; col < sg_Match->ColCount(); ++col)
            sg_Match->RemplitCellule(col, ligne, cellules[col], col == 1 ? 0 : 1, 1, texte, fond, false);
        ++ligne;
        ++couleur;
    }
}

std::string Tf_FicheJoueurStat::AfficheDetailStat(int stat)
{
    if (!Joueur || !Saison)
        return {};
    PrepareGrilleMatchs(Colonnes(stat), {});
    EnTetes(stat);
    int ligne = 1, couleur = 0;
    ParChampionnat(Saison, Joueur, [&](TDonneesChampionnat* c) { RemplitMatchs(stat, c, ligne, couleur); });
    TermineGrilleMatchs(ligne);
    const int t = TexteTitre(stat);
    if (TitreJoueur(stat))
        return TraduireFormat(t, {Joueur->Prenom, Joueur->Nom, Libelle});
    return TraduireFormat(1501, {Texte(t)});
}

Tf_FicheJoueurBasket::Tf_FicheJoueurBasket(TComponent* AOwner) : Tf_FicheJoueurStat(AOwner)
{
    SetName("f_FicheJoueurBasket");
    ConstruitLignesStat({{67, "Label13", "s1", 1, L::Matchs},
                         {50, "Label14", "s2", 2, L::Stat, 6},
                         {1118, "Label15", "s3", 4, L::Pourcentage, 7, 8},
                         {1119, "Label16", "s4", 6, L::Pourcentage, 9, 10},
                         {1120, "Label23", "s5", 8, L::Pourcentage, 11, 12},
                         {576, "Label34", "s6", 10, L::Somme, 13, 14},
                         {299, "Label35", "s7", 11, L::Stat, 15},
                         {577, "Label37", "s8", 14, L::Stat, 18},
                         {578, "Label38", "s9", 15, L::Stat, 19},
                         {580, "Label41", "s10", 16, L::Stat, 20}});
    HauteurCarriere = 372;
    GrapheDisponible = false;
    for (int c : {4, 6})
        sg_Historique->RemplitCellule(c, 0, Texte(50), 1, 1, clBlack, clWhite, false);
    Termine();
    DoCreate();
}

void Tf_FicheJoueurBasket::TraduitLibelles()
{
    Tf_FicheJoueur::TraduitLibelles();
    ChangePostes(TextesPostes(sportBasket));
}

void Tf_FicheJoueurBasket::EnTetes(int stat)
{
    const TColor titre = *Couleurs.Couleur(21);
    auto entete = [&](int col, const std::string& t) { sg_Match->RemplitCellule(col, 0, t, 1, 1, titre, clWhite, true); };
    if (stat == 4 || stat == 6 || stat == 8)
    {
        entete(2, Texte(1607));
        entete(3, "%");
    }
    else if (stat != 1)
        entete(3, Texte(601));
}

int Tf_FicheJoueurBasket::TexteTitre(int stat) const
{
    switch (stat)
    {
    case 1: return 93;
    case 2: return 592;
    case 4: return 1118;
    case 6: return 1119;
    case 8: return 1120;
    case 10: return 576;
    case 11: return 1142;
    case 14: return 577;
    case 15: return 578;
    default: return 580;
    }
}

void Tf_FicheJoueurBasket::Cellules(int stat, int code, int v, int m, TDonneesChampionnat* c, int jour,
                                    std::string& c2, std::string& c3) const
{
    const bool tir = code == 8 || code == 10 || code == 12;
    if (stat == 1)
    {
        c2 = IntToStr(v);
        return;
    }
    if (tir)
    {
        if (m < 0)
        {
            c3 = "0%";
            c2 = "0/" + IntToStr(v);
        }
        else
        {
            c3 = v == 0 ? std::string("-") : Pourcent(m, v, 1);
            c2 = IntToStr(m) + "/" + IntToStr(v);
        }
        return;
    }
    if (code == 14)
    {
        const int a = Valeur(c, jour, 13);
        c3 = (a < 0 ? std::string("0") : IntToStr(a)) + "-" + IntToStr(v);
    }
    else
        c3 = IntToStr(v);
    const int minutes = Valeur(c, jour, 5);
    c2 = minutes < 0 ? std::string("-") : IntToStr(minutes);
}

Tf_FicheJoueurHand::Tf_FicheJoueurHand(TComponent* AOwner) : Tf_FicheJoueurStat(AOwner)
{
    SetName("f_FicheJoueurHand");
    // Code 21 holds the goals from play, 23 the 7-metre goals; a goalkeeper's
    // saves (25 of 26 shots faced, 27 of 28 7-metre throws) show on his card.
    ConstruitLignesStat({{67, "Label13", "s1", 1, L::Matchs},
                         {1544, "Label14", "s2", 2, L::Stat, 21},
                         {1497, "Label15", "s3", 3, L::Pourcentage, 21, 22},
                         {1549, "Label16", "s4", 4, L::Stat, 23},
                         {1499, "Label23", "s5", 5, L::Pourcentage, 23, 24},
                         {1537, "Label44", "s13", 6, L::Stat, 25, 0, true},
                         {1533, "Label45", "s14", 7, L::Pourcentage, 25, 26, true},
                         {1534, "Label48", "s15", 8, L::Stat, 27, 0, true},
                         {4904, "Label49", "s16", 9, L::Pourcentage, 27, 28, true},
                         {580, "Label34", "s6", 10, L::Stat, 29},
                         {299, "Label35", "s7", 11, L::Stat, 30},
                         {577, "Label31", "s11", 12, L::Stat, 31},
                         {103, "Label37", "s8", 13, L::Stat, 32},
                         {1500, "Label43", "s12", 14, L::Stat, 33},
                         {1496, "Label38", "s9", 15, L::Stat, 34},
                         {1520, "Label41", "s10", 16, L::Stat, 35}});
    GrapheDisponible = false;
    for (int c : {4, 6})
        sg_Historique->RemplitCellule(c, 0, Texte(50), 1, 1, clBlack, clWhite, false);
    Termine();
    DoCreate();
}

void Tf_FicheJoueurHand::TraduitLibelles()
{
    Tf_FicheJoueur::TraduitLibelles();
    ChangePostes(TextesPostes(sportHandball));
}

bool Tf_FicheJoueurHand::EstGardien(const TJoueur* j) const
{
    if (!j)
        return false;
    if (j->NumeroPoste() == 1)
        return true;
    for (int k = 25; k <= 28; ++k)
        if (j->StatTotale(k) > 0)
            return true;
    return false;
}

void Tf_FicheJoueurHand::EnTetes(int stat)
{
    // Each header names its figure: code 21 is the goals from play (1544),
    // 23 the 7-metre goals (1549); a percentage column is headed "%" or by
    // its rate, the made count beside it by what was made.
    static const int valeurs[17] = {0, 1544, 1544, 0, 1549, 0, 1537, 1533, 1534, 1536, 580, 299, 577, 103, 1500, 1496, 1520};
    static const int faits[17] = {0, 0, 0, 1544, 0, 1549, 0, 1537, 0, 1534, 1544, 1544, 1544, 1544, 1544, 1544, 1544};
    const TColor titre = *Couleurs.Couleur(21);
    const int s = std::clamp(stat, 1, 16);
    const std::string valeur = valeurs[s] ? Texte(valeurs[s]) : std::string("%");
    sg_Match->RemplitCellule(Colonnes(s) == 4 ? 3 : 2, 0, valeur, 1, 1, titre, clWhite, true);
    if (faits[s])
        sg_Match->RemplitCellule(2, 0, Texte(faits[s]), 1, 1, titre, clWhite, true);
}

int Tf_FicheJoueurHand::TexteTitre(int stat) const
{
    // a handball warning is no yellow card, an expulsion no sending-off
    static const int textes[17] = {93, 93, 1544, 1497, 1549, 1499, 1537, 1533, 1534, 1536, 580, 299, 577, 103, 1500, 1496, 1520};
    return textes[std::clamp(stat, 0, 16)];
}

void Tf_FicheJoueurHand::Cellules(int stat, int code, int v, int m, TDonneesChampionnat* c, int jour,
                                  std::string& c2, std::string& c3) const
{
    const int buts = Valeur(c, jour, 21);
    if (code == 22 || code == 24 || code == 26 || code == 28)
    {
        c3 = v == 0 ? std::string("-") : m < 0 ? std::string("0%") : Pourcent(m, v, 2);
        c2 = m < 0 ? std::string("-") : IntToStr(m);
        return;
    }
    if (stat == 1)
        c2 = buts < 0 ? std::string("0") : IntToStr(buts);
    else if (stat == 2 || stat == 4 || stat == 6 || stat == 8)
        c2 = IntToStr(v);
    else
    {
        c3 = IntToStr(v);
        c2 = buts < 0 ? std::string("-") : IntToStr(buts);
    }
}

// ---- registration --------------------------------------------------------------------------------

namespace {

class TClasseFiche : public TClasseFenetre
{
public:
    explicit TClasseFiche(std::function<Tf_FicheJoueur*(TComponent*)> f) : Cree(std::move(f)) {}
    std::function<Tf_FicheJoueur*(TComponent*)> Cree;
};

}  // namespace

void EnregistreFichesJoueur()
{
    TMultiSport::EnregistreClasse(TGenreFenetre::FicheJoueur, sportFootball,
        std::make_shared<TClasseFiche>([](TComponent* o) -> Tf_FicheJoueur* { return new Tf_FicheJoueurFoot(o); }));
    TMultiSport::EnregistreClasse(TGenreFenetre::FicheJoueur, sportRugby,
        std::make_shared<TClasseFiche>([](TComponent* o) -> Tf_FicheJoueur* { return new Tf_FicheJoueurRugby(o); }));
    TMultiSport::EnregistreClasse(TGenreFenetre::FicheJoueur, sportBasket,
        std::make_shared<TClasseFiche>([](TComponent* o) -> Tf_FicheJoueur* { return new Tf_FicheJoueurBasket(o); }));
    TMultiSport::EnregistreClasse(TGenreFenetre::FicheJoueur, sportHandball,
        std::make_shared<TClasseFiche>([](TComponent* o) -> Tf_FicheJoueur* { return new Tf_FicheJoueurHand(o); }));
    TServicesFicheJoueur s;
    s.CreeFiche = [](TSaison* saison) -> TFicheJoueurForm* {
        if (!saison)
            return nullptr;
        const auto* c = dynamic_cast<const TClasseFiche*>(saison->MultiSport().ClasseFicheJoueur().get());
        return c ? c->Cree(nullptr) : nullptr;
    };
    s.EquipeJoueur = [](TJoueur* j, TSaison*) { return j ? j->IdEquipe() : 0; };
    s.ChercheJoueur = [](int32_t id, TSaison* saison) { return saison ? saison->Joueurs().ChercheJoueur(id, -1) : nullptr; };
    EnregistreServicesFicheJoueur(std::move(s));
    InstalleDemandeJoueur([](TSaisonFiches& saison, const std::string& nom, const std::string& prenom, int equipe) {
        return Tf_jInexistant::Demande(saison, nom, prenom, equipe);
    });
}
