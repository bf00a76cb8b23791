#include "results/w_FicheMatch.h"

#include <algorithm>

#include "engine/CalculClassement.h"
#include "engine/historique.h"
#include "model/Championnat.h"
#include "model/Journees.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "model/Rang.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "results/OutilsFiches.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "results/w_FicheArbitre.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Editeur.h"
#include "ui/Fond.h"
#include "ui/GestionFonction.h"
#include "ui/GridHtml.h"
#include "views/AfficheClassement.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/w_Agrandissement.h"
#include "views/w_Statistique.h"

using vues::Texte;

int Tf_FicheMatch::MatchFiche = 1;

namespace {

constexpr int NonJoue = 65535;

TDonneesChampionnat* Courant(TSaison* saison) { return saison ? saison->ChampionnatCourant() : nullptr; }

// A count label in the number the interface language gives the count.
std::string Compte(int pluriel, int singulier, int valeur, const std::string& lieu)
{
    return TraduireFormat(IdTexteNombre(pluriel, singulier, valeur), {valeur, lieu});
}

// The first row of the table holding the team, -1 when none does.
int Rang(const TCalculClassement& calcul, int equipe)
{
    for (int r = 0; r < calcul.NbLignes(); ++r)
        if (calcul.ValeurLigne(r, 1) == equipe)
            return r;
    return -1;
}

std::string Joint(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty() || a.back() == ' ')
        return a + b;
    return a + " " + b;
}

// Standings figures of one side.
void Classement(TSaison* saison, int equipe, int cote, bool general, TChiffresFiche& f)
{
    TDonneesChampionnat* c = Courant(saison);
    const std::string lieu = general ? std::string() : Traduire(cote == 1 ? 164 : 165);
    TCalculClassement calcul(c, saison);
    const int derniere = c->DerniereJournee;
    calcul.Calcule(clsGeneral, 1, derniere);
    int r = Rang(calcul, equipe);
    f.Nom = saison->NomEquipePosition(equipe);
    // the ranks the standings show, level teams sharing theirs
    if (r >= 0)
        f.Nom += " (" + classement::RangPartage(calcul, clsGeneral, r) + ")";
    if (!general) {
        calcul.Calcule(cote + 1, 1, derniere);
        r = Rang(calcul, equipe);
    }
    f.Place = TraduireFormat(234, {lieu});
    if (r >= 0)
        f.Place = Joint(f.Place, TraduireRang(StrToInt(classement::RangPartage(calcul, general ? clsGeneral : cote + 1, r))));
    f.AvecNuls = saison->StatApplicable(2) != 0;
    const bool buts = saison->StatApplicable(8) != 0;
    static const int textes[2][5][2] = {{{235, 236}, {237, 238}, {239, 240}, {241, 242}, {243, 244}},
                                        {{235, 236}, {237, 238}, {239, 240}, {534, 535}, {536, 537}}};
    for (int k = 0; k < 5; ++k) {
        const auto& t = textes[buts ? 0 : 1][k];
        f.Comptes[static_cast<size_t>(k)] = Compte(t[0], t[1], calcul.ValeurTotal(equipe, k + 2), lieu);
    }
}

// Current runs of one side.
void Series(TSaison* saison, int equipe, int cote, bool general, TChiffresFiche& f)
{
    TDonneesChampionnat* c = Courant(saison);
    const std::vector<TSerieEquipe> series = Tf_Statistique::CalculeSeries(saison, c->DerniereJournee, 1);
    if (equipe < 0 || equipe >= static_cast<int>(series.size()))
        return;
    const std::string lieu = general ? std::string() : Traduire(cote == 1 ? 164 : 165);
    const TSerieEquipe& s = series[static_cast<size_t>(equipe)];
    const int g = general ? 0 : cote;
    const TSerie& r = s.Resultat[g].Courante;
    if (r.Longueur > 0 && r.Type >= srsVictoire && r.Type <= srsDefaite) {
        static const int un[3] = {236, 238, 240}, plusieurs[3] = {161, 162, 163};
        const int k = r.Type - 1;
        f.Series.push_back(TraduireFormat(r.Longueur == 1 ? un[k] : plusieurs[k], {r.Longueur, lieu}));
    } else
        f.Series.push_back(lieu);
    auto ligne = [&](int longueur, int un) {
        if (longueur > 0)
            f.Series.push_back(TraduireFormat(longueur == 1 ? un : un + 1, {longueur, lieu}));
    };
    ligne(s.Invaincu[g].Actuelle(), 245);
    ligne(s.SansVictoire[g].Actuelle(), 247);
    // Rugby's runs are of tries: a side may concede points without a try.
    const bool essais = saison->Sport() == 1;
    const TSerie& e = s.Encaisse[g].Courante;
    ligne(e.Type == srsSans ? e.Longueur : 0, essais ? 4502 : 249);
    const TSerie& m = s.Marque[g].Courante;
    ligne(m.Type == srsSans ? m.Longueur : 0, essais ? 4504 : 251);
}

// The last five played matches of one side: with restreint, only its home
// matches (side 1) or away matches (side 2).
// The text cut at its end to fit in `largeur` pixels, an ellipsis after it.
std::string NomAbrege(const TFont& police, std::string texte, int largeur)
{
    if (ScreenTextWidth(police, texte) <= largeur)
        return texte;
    const std::string points = "\x85";
    while (!texte.empty() && ScreenTextWidth(police, TrimRight(texte) + points) > largeur)
        texte.pop_back();
    return TrimRight(texte) + points;
}

void DerniersMatchs(TSaison* saison, int equipe, int cote, bool restreint, bool parDate, TChiffresFiche& f)
{
    TDonneesChampionnat* c = Courant(saison);
    const int id = c->IdEquipe(equipe);
    const int nbEquipes = c->NbEquipe();
    auto ajoute = [&](int n, int m, int s) {
        if (s >= nbEquipes || c->ValeurMatch(n, 2 * s + 2) == NonJoue)
            return;
        if (restreint && s % 2 != cote - 1)
            return;
        TChiffresFiche::TLigneMatch l;
        l.Domicile = saison->NomEquipeCourant(c->ValeurMatch(n, 4 * m + 1));
        l.Exterieur = saison->NomEquipeCourant(c->ValeurMatch(n, 4 * m + 3));
        l.ScoreDomicile = c->ValeurMatch(n, 4 * m + 2);
        l.ScoreExterieur = c->ValeurMatch(n, 4 * m + 4);
        l.TirsAuBut = vues::TexteTirsAuBut(*c, n, c->ValeurMatch(n, 4 * m + 1), c->ValeurMatch(n, 4 * m + 3));
        f.Matchs.push_back(l);
    };
    if (id < 0)
        return;
    if (!parDate || (c->Option(11) & (1 | 8)) == 0) {
        for (int n = c->DerniereJournee; n >= 1 && f.Matchs.size() < 5; --n)
            for (int s = 0; s < nbEquipes; ++s)
                if (c->ValeurMatch(n, 2 * s + 1) == id) {
                    ajoute(n, s / 2, s);
                    break;
                }
        return;
    }
    const TJournees& js = c->Journees();
    for (int k = js.Nombre() - 1; k >= 0 && f.Matchs.size() < 5; --k) {
        const TInfoCompJour* j = js.JourneeParDate(k);
        for (int i = 0; j && i < j->NbMatchs() && f.Matchs.size() < 5; ++i) {
            int n = 0, index = 0;
            js.ChercheMatch(j->Match(i), n, index);
            if (n <= 0)
                continue;
            if (c->ValeurMatch(n, 4 * index + 1) == id)
                ajoute(n, index, 2 * index);
            else if (c->ValeurMatch(n, 4 * index + 3) == id)
                ajoute(n, index, 2 * index + 1);
        }
    }
}

THotLabel* LienChaud(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int w,
                     const std::string& texte, const std::string& hint)
{
    auto* l = new THotLabel(owner);
    l->SetName(nom);
    l->SetBounds(x, y, w, 16);
    l->SetTransparent(true);
    l->SetCaption(texte);
    l->Font().SetColor(clWhite);
    l->Font().SetStyle(fsBold);
    l->SetHint(hint);
    l->SetShowHint(true);
    l->SetParent(parent);
    return l;
}

TFondCopie* Fond(TComponent* owner, TWinControl* parent, const std::string& nom, const char* modele, TAlign align,
                 int haut, int hauteur)
{
    auto* f = new TFondCopie(owner);
    f->SetName(nom);
    if (Dessin)
        f->SetModele(Dessin->Fond(modele));
    f->SetBounds(0, haut, 576, hauteur);
    f->SetAlign(align);
    f->SetParent(parent);
    return f;
}

}  // namespace

// ============================================================================
// computations
// ============================================================================

void Tf_FicheMatch::BilanHistorique(int equipe1, int equipe2, bool lesDeux, int max, TSaison* saison,
                                    TStat* historique, int& victoires1, int& nuls, int& victoires2)
{
    victoires1 = nuls = victoires2 = 0;
    if (!historique || !saison)
        return;
    const int h1 = historique->ChercheEquipe(saison->NomEquipePosition(equipe1));
    const int h2 = historique->ChercheEquipe(saison->NomEquipePosition(equipe2));
    if (h1 < 0 || h2 < 0)
        return;
    int compte = 1;
    // true once the limit is passed
    auto compteRencontre = [&](int domicile, int exterieur, bool equipe1Domicile) {
        if (domicile == 255 || exterieur == 255)
            return false;
        const int b1 = equipe1Domicile ? domicile : exterieur, b2 = equipe1Domicile ? exterieur : domicile;
        (b1 > b2 ? victoires1 : b1 == b2 ? nuls : victoires2) += 1;
        return ++compte > max;
    };
    for (int i = 0; i < historique->NombreSaisons(); ++i) {
        const TSaisonStat* s = historique->Saison(i);
        const auto [d1, e1] = s->ResultatEquipes(h1, h2);
        if (compteRencontre(d1, e1, true))
            return;
        if (lesDeux) {
            const auto [d2, e2] = s->ResultatEquipes(h2, h1);
            if (compteRencontre(d2, e2, false))
                return;
        }
    }
}

TChiffresFiche Tf_FicheMatch::Chiffres(TSaison* saison, int equipe, int cote, bool general, bool parDate)
{
    TChiffresFiche f;
    TDonneesChampionnat* c = Courant(saison);
    if (!c || equipe < 0 || equipe >= c->NbEquipe())
        return f;
    general = general || (c->Option(11) & 2);
    Classement(saison, equipe, cote, general, f);
    Series(saison, equipe, cote, general, f);
    DerniersMatchs(saison, equipe, cote, !general, parDate, f);
    return f;
}

// ============================================================================
// the window
// ============================================================================

Tf_FicheMatch::Tf_FicheMatch(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_FicheMatch");
    SetCaption(Traduire(3991));
    SetBorderStyle(bsToolWindow);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(576);
    SetClientHeight(548);

    Panel2 = new TPanel(this);
    Panel2->SetName("Panel2");
    Panel2->SetBevelOuter(bvNone);
    Panel2->SetAlign(alClient);
    Panel2->SetCaption("");
    Panel2->SetParent(this);

    // ---- header
    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetBounds(0, 0, 576, 45);
    Panel1->SetAlign(alTop);
    Panel1->SetCaption("");
    Panel1->SetColor(CouleurFondFonceDessin);
    Panel1->SetParent(Panel2);
    auto boite = [this](const char* nom, int x) {
        auto* b = new TCadre(this);
        b->SetName(nom);
        if (Dessin)
            b->SetModele(Dessin->Fond("BoutonCreuxBleu"));
        b->Selectionnable = false;
        b->Font().SetStyle(fsBold);
        b->Font().SetColor(CouleurFondFonceDessin);
        b->SetBounds(x, 10, 149, 25);
        b->SetParent(Panel1);
        return b;
    };
    c_EqDomicile = boite("c_EqDomicile", 56);
    c_EqExterieur = boite("c_EqExterieur", 362);
    auto menu = [this](const char* nomMenu, const char* nomItem, TMenuItem*& item, int cote) {
        auto* m = new TPopupMenu(this);
        m->SetName(nomMenu);
        item = new TMenuItem(this);
        item->SetName(nomItem);
        item->SetCaption(Traduire(3992));
        item->OnClick = [this, cote](TObject*) { ChangeEquipe(cote); };
        m->Items()->Add(item);
        return m;
    };
    PopupMenu3 = menu("PopupMenu3", "Changerdquipe1", Changerdquipe1, 1);
    PopupMenu4 = menu("PopupMenu4", "Changerdequipe2", Changerdequipe2, 2);
    cb_TypeStat = new TComboBox(this);
    cb_TypeStat->SetName("cb_TypeStat");
    cb_TypeStat->SetStyle(csDropDownList);
    cb_TypeStat->SetBounds(214, 11, 139, 22);
    cb_TypeStat->SetParent(Panel1);
    cb_TypeStat->OnChange = [this](TObject* s) { cb_TypeStatChange(s); };
    UpDown1 = new TUpDown(this);
    UpDown1->SetName("UpDown1");
    UpDown1->SetOrientation(udHorizontal);
    UpDown1->SetBounds(8, 12, 40, 22);
    UpDown1->SetHint(L1("Changer de match"));
    UpDown1->SetShowHint(true);
    UpDown1->SetParent(Panel1);
    UpDown1->OnClick = [this](TObject* s, TUDBtnType b) { UpDown1Click(s, b); };

    // ---- head-to-head
    FondCopie1 = Fond(this, Panel2, "FondCopie1", "FondCarrebleu", alTop, 45, 68);
    Label1 = EtiquetteFiche(this, FondCopie1, "Label1", 16, 14, 150, Texte(1204, "Historique des"), clWhite, true);
    Label2 = EtiquetteFiche(this, FondCopie1, "Label2", 16, 38, 150, Texte(1205, "dernieres rencontres"), clWhite,
                       true);
    Edit1 = new TEdit(this);
    Edit1->SetName("Edit1");
    Edit1->SetBounds(170, 22, 32, 22);
    Edit1->SetParent(FondCopie1);
    ud_nbrenc = new TUpDown(this);
    ud_nbrenc->SetName("ud_nbrenc");
    ud_nbrenc->Min = 0;
    ud_nbrenc->Max = 100;
    ud_nbrenc->SetBounds(202, 22, 16, 22);
    ud_nbrenc->SetParent(FondCopie1);
    ud_nbrenc->SetAssociate(Edit1);
    ud_nbrenc->SetPosition(10);
    Edit1->SetText("10");
    Edit1->OnChange = [this](TObject* s) { Edit1Change(s); };
    bc_Modifier = new TBoutonCopie(this);
    bc_Modifier->SetName("bc_Modifier");
    if (Dessin)
        bc_Modifier->SetModele(Dessin->Bouton("BoutonOrange"));
    bc_Modifier->SetCaption(Texte(1206, "Chercher"));
    bc_Modifier->Font().SetStyle(fsBold);
    bc_Modifier->SetBounds(228, 20, 80, 25);
    bc_Modifier->SetParent(FondCopie1);
    bc_Modifier->OnClick = [this](TObject* s) { bc_ModifierClick(s); };
    l_Vict = EtiquetteFiche(this, FondCopie1, "l_Vict", 330, 6, 240, "", clYellow, true);
    l_Nul = EtiquetteFiche(this, FondCopie1, "l_Nul", 330, 24, 240, "", clYellow, true);
    l_Def = EtiquetteFiche(this, FondCopie1, "l_Def", 330, 42, 240, "", clYellow, true);

    // ---- standings
    FondCopie2 = Fond(this, Panel2, "FondCopie2", "FondCarrebleu", alTop, 113, 144);
    for (int cote = 0; cote < 2; ++cote) {
        TFondCopie* cadre = new TFondCopie(this);
        cadre->SetName(cote == 0 ? "FondCopie35" : "FondCopie36");
        if (Dessin)
            cadre->SetModele(Dessin->Fond("FondCreuxBleu"));
        cadre->SetBounds(cote == 0 ? 12 : 292, 13, 270, 118);
        cadre->SetParent(FondCopie2);
        (cote == 0 ? FondCopie35 : FondCopie36) = cadre;
        Lf[cote] = LienChaud(this, cadre, cote == 0 ? "Lf1" : "lf7", 10, 8, 250, "",
                             L1("Cliquer pour voir le classement à domicile"));
        Lf[cote]->Tag = cote + 2;
        Lf[cote]->OnClick = [this](TObject* s) { Lf1Click(s); };
        for (int k = 0; k < 5; ++k)
            lf[cote][k] = EtiquetteFiche(this, cadre, "lf" + IntToStr(cote * 6 + k + 2), 10, 32 + 16 * k, 250, "",
                                    clWhite, false);
    }

    // ---- last matches (placed before the series, which fill what is left)
    FondCopie4 = Fond(this, Panel2, "FondCopie4", "FondCarrebleu", alBottom, 420, 128);
    const std::string cinq = Texte(1203, "5 derniers matchs");
    const std::string aideCinq = L1("Cliquer pour voir tous les matchs de l'équipe");
    Label8 = LienChaud(this, FondCopie4, "Label8", 16, 6, 250, cinq, Texte(1305, aideCinq));
    Label3 = LienChaud(this, FondCopie4, "Label3", 296, 6, 250, cinq, Texte(1305, aideCinq));
    Label8->OnClick = [this](TObject* s) { Label8Click(s); };
    Label3->OnClick = [this](TObject* s) { Label3Click(s); };
    for (int cote = 0; cote < 2; ++cote) {
        auto* fs = new TFondScroll(this);
        fs->SetName(cote == 0 ? "fs_ResultatDom" : "fs_ResultatExt");
        if (Dessin) {
            fs->SetModele(Dessin->Fond("FondCreuxBleu"));
            fs->SetModeleScroll(Dessin->Fond("FondToutBleuFonce"));
        }
        fs->SetBounds(cote == 0 ? 12 : 292, 28, 270, 88);
        fs->SetParent(FondCopie4);
        (cote == 0 ? fs_ResultatDom : fs_ResultatExt) = fs;
    }

    // ---- series
    FondCopie3 = Fond(this, Panel2, "FondCopie3", "FondCarrebleu", alClient, 257, 163);
    Label7 = LienChaud(this, FondCopie3, "Label7", 16, 8, 250, Texte(1202, L1("Série en cours")),
                       Texte(1303, "Cliquer pour voir toutes les séries en cours"));
    Label7->OnClick = [this](TObject* s) { Label7Click(s); };
    for (int cote = 0; cote < 2; ++cote) {
        auto* e = new TEditeur(this);
        e->SetName(cote == 0 ? "Editeur3" : "Editeur4");
        e->SetBounds(cote == 0 ? 12 : 292, 30, 270, 100);
        e->SetParent(FondCopie3);
        (cote == 0 ? Editeur3 : Editeur4) = e;
    }
    FondCopie3->OnResize = [this](TObject*) {
        const int h = std::max(FondCopie3->Height() - 38, 0);
        Editeur3->SetHeight(h);
        Editeur4->SetHeight(h);
    };

    cb_TypeStat->Items().Add(Texte(1306, "Stats Domicile/Exterieur"));
    cb_TypeStat->Items().Add(Texte(1307, L1("Stats générales")));
    cb_TypeStat->SetItemIndex(0);
    // The choice shows its items whole; the away team's box follows it.
    cb_TypeStat->SetWidth(std::max(cb_TypeStat->Width(), cb_TypeStat->WidthForItems()));
    c_EqExterieur->SetLeft(cb_TypeStat->Left() + cb_TypeStat->Width() + 9);
    DoCreate();
}

Tf_FicheMatch::~Tf_FicheMatch() = default;

void Tf_FicheMatch::AppliqueCouleurs()
{
    TFootForm::AppliqueCouleurs();
    Editeur3->SetColor(*Couleurs.Couleur(1));
    Editeur4->SetColor(*Couleurs.Couleur(1));
}

bool Tf_FicheMatch::General() const
{
    const TDonneesChampionnat* c = Courant(Saison);
    return cb_TypeStat->ItemIndex() == 1 || (c && (c->Option(11) & 2));
}

int Tf_FicheMatch::Equipe(int cote) const
{
    return static_cast<int>((cote == 1 ? c_EqDomicile : c_EqExterieur)->Tag);
}

bool Tf_FicheMatch::AfficheMatch(TStat* historique, int mode, int match)
{
    mode_ = mode;
    c_EqDomicile->SetPopupMenu(mode == 1 ? PopupMenu3 : nullptr);
    c_EqExterieur->SetPopupMenu(mode == 1 ? PopupMenu4 : nullptr);
    UpDown1->SetVisible(mode == 2);
    historique_ = historique;
    TDonneesChampionnat* c = Courant(Saison);
    if (!c)
        return true;
    int equipe1 = -1, equipe2 = -1;
    if (mode == 1) {
        equipe1 = equipe2 = c->Option(10);
        if (!ChoisitEquipe(Saison, Traduire(17) + " 1", Couleurs, 0, equipe1))
            return false;
        if (!ChoisitEquipe(Saison, Traduire(17) + " 2", Couleurs, equipe1 + 1, equipe2))
            return false;
    } else {
        MatchFiche = mode == 2 && match == 0 ? 1 : match;
        const int n = c->NbJournee;
        equipe1 = c->IndexEquipe(c->ValeurMatch(n, 4 * MatchFiche - 3));
        equipe2 = c->IndexEquipe(c->ValeurMatch(n, 4 * MatchFiche - 1));
    }
    if (equipe1 != -1 && equipe2 != -1) {
        c_EqDomicile->Tag = equipe1;
        c_EqExterieur->Tag = equipe2;
        AfficheBilan(equipe1, equipe2);
        AfficheEquipe(equipe1, 1);
        AfficheEquipe(equipe2, 2);
    }
    return true;
}

void Tf_FicheMatch::ChangeEquipe(int cote)
{
    int equipe = Equipe(cote);
    if (!ChoisitEquipe(Saison, Traduire(17), Couleurs, Equipe(3 - cote) + 1, equipe))
        return;
    (cote == 1 ? c_EqDomicile : c_EqExterieur)->Tag = equipe;
    AfficheBilan(Equipe(1), Equipe(2));
    AfficheEquipe(equipe, cote);
}

void Tf_FicheMatch::Changerdquipe1Click(TObject*) { ChangeEquipe(1); }
void Tf_FicheMatch::Changerdequipe2Click(TObject*) { ChangeEquipe(2); }

void Tf_FicheMatch::UpDown1Click(TObject*, TUDBtnType Button)
{
    TDonneesChampionnat* c = Courant(Saison);
    if (!c)
        return;
    const int n = c->NbJournee;
    const int nb = c->NbMatchJournee(n);
    int m = std::clamp(MatchFiche, 1, std::max(nb, 1));
    for (int essai = 1; essai < nb; ++essai) {
        m = Button == btPrev ? (m == 1 ? nb : m - 1) : (m >= nb ? 1 : m + 1);
        const int d = c->ValeurMatch(n, 4 * m - 3), e = c->ValeurMatch(n, 4 * m - 1);
        const int equipe1 = c->IndexEquipe(d), equipe2 = c->IndexEquipe(e);
        if (d < NonJoue && e < NonJoue && equipe1 >= 0 && equipe2 >= 0) {
            MatchFiche = m;
            c_EqDomicile->Tag = equipe1;
            c_EqExterieur->Tag = equipe2;
            AfficheBilan(equipe1, equipe2);
            AfficheEquipe(equipe1, 1);
            AfficheEquipe(equipe2, 2);
            return;
        }
    }
}

void Tf_FicheMatch::cb_TypeStatChange(TObject*)
{
    AfficheEquipe(Equipe(1), 1);
    AfficheEquipe(Equipe(2), 2);
    AfficheBilan(Equipe(1), Equipe(2));
}

void Tf_FicheMatch::Edit1Change(TObject*)
{
    const int v = StrToIntDef(Edit1->GetText(), -1);
    if (v >= 0 && v != ud_nbrenc->Position())
        ud_nbrenc->SetPosition(std::min(v, ud_nbrenc->Max));
    AfficheBilan(Equipe(1), Equipe(2));
}

void Tf_FicheMatch::AfficheBilan(int equipe1, int equipe2)
{
    FondCopie1->SetVisible(historique_ != nullptr);
    if (!historique_ || !Saison)
        return;
    int v1 = 0, n = 0, v2 = 0;
    BilanHistorique(equipe1, equipe2, General(), ud_nbrenc->Position(), Saison, historique_, v1, n, v2);
    // a count of one in the singular (texts 5970 and 5971)
    l_Vict->SetCaption(TraduireFormat(IdTexteNombre(627, 5970, v1), {v1, Saison->NomEquipePosition(equipe1)}));
    l_Nul->SetCaption(TraduireNombre(628, 5971, n));
    l_Def->SetCaption(TraduireFormat(IdTexteNombre(627, 5970, v2), {v2, Saison->NomEquipePosition(equipe2)}));
}

void Tf_FicheMatch::AfficheEquipe(int equipe, int cote)
{
    TDonneesChampionnat* c = Courant(Saison);
    if (!c || equipe < 0 || equipe >= c->NbEquipe())
        return;
    const int i = cote - 1;
    const bool general = General();
    const TChiffresFiche f = Chiffres(Saison, equipe, cote, general, true);
    TCadre* boite = cote == 1 ? c_EqDomicile : c_EqExterieur;
    boite->SetText(f.Nom);
    boite->Tag = equipe;
    Lf[i]->SetCaption(f.Place);
    Lf[i]->SetHint(TraduireFormat(1304, {general ? std::string() : Traduire(cote == 1 ? 164 : 165)}));
    for (int k = 0; k < 5; ++k)
        lf[i][k]->SetCaption(f.Comptes[static_cast<size_t>(k)]);
    lf[i][1]->SetVisible(f.AvecNuls);
    lf[i][2]->SetTop(f.AvecNuls ? 64 : 48);

    if (!f.Series.empty()) {
        TEditeur* e = cote == 1 ? Editeur3 : Editeur4;
        e->SetCouleurPalette(11, Couleurs.CouleurTexte2);
        e->SetCouleurPalette(15, Couleurs.CouleurTitre);
        e->SetNbLigne(static_cast<int>(f.Series.size()));
        for (size_t l = 0; l < f.Series.size(); ++l) {
            const int n = static_cast<int>(l) + 1;
            e->EcritLigne(n, f.Series[l], true, false, static_cast<uint8_t>(n > 1 && n % 2 == 0 ? 15 : 11));
        }
    }

    TFondScroll* fs = cote == 1 ? fs_ResultatDom : fs_ResultatExt;
    while (fs->Interieur()->ControlCount() > 0)
        fs->Interieur()->Controls(0)->Free();
    int compte = 0;
    for (const TChiffresFiche::TLigneMatch& m : f.Matchs) {
        ++compte;
        const int haut = 18 * compte - 15;
        auto place = [&](const std::string& texte, int x, int w) {
            auto* l = new TLabel(fs->Interieur());
            l->SetTransparent(true);
            l->SetAlignment(taCenter);
            l->SetAutoSize(false);
            l->Font().SetColor(Couleurs.CouleurTexte2);
            l->Font().SetSize(7);
            l->SetCaption(texte);
            l->SetBounds(x, haut, w, 16);
            fs->InsereControle(l);
            return l;
        };
        // A name too long for its place is cut at its end, with an ellipsis:
        // centred, it would lose both ends.
        auto nom = [&](const std::string& texte, int x) {
            TLabel* l = place(texte, x, 80);
            l->SetCaption(NomAbrege(l->Font(), texte, l->Width() - 2));
        };
        nom(m.Domicile, 8);
        place("-", 90, 7);
        nom(m.Exterieur, 99);
        place(":", 181, 7);
        place(IntToStr(m.ScoreDomicile), 190, 20);
        place("-", 210, 10);
        place(IntToStr(m.ScoreExterieur), 220, 20);
        // A shoot-out that decided the match on the line under it, across
        // the names and scores: the columns have no room for it.
        if (!m.TirsAuBut.empty())
            place(m.TirsAuBut, 8, 232)->SetTop(18 * ++compte - 15);
    }
    fs->Ajuste();
}

void Tf_FicheMatch::bc_ModifierClick(TObject*)
{
    Tf_Agrandissement d(this);
    d.SetCaption("Details");
    if (!historique_ || !Saison)
        return;
    const int h1 = historique_->ChercheEquipe(Saison->NomEquipePosition(Equipe(1)));
    const int h2 = historique_->ChercheEquipe(Saison->NomEquipePosition(Equipe(2)));
    TColorStringGrid& g = *d.sg_TabPart;
    g.SetRowCount(2);
    g.SetColCount(3);
    g.SetFixedCols(0);
    g.SetColWidths(0, 50);
    g.SetColWidths(1, 140);
    g.SetColWidths(2, 60);
    d.SetClientWidth(252);
    const int titres[3] = {350, 351, 223};
    for (int k = 0; k < 3; ++k)
        g.RemplitCellule(k, 0, Traduire(titres[k]), 1, 1, Couleurs.CouleurTexteTitreTableau, clWhite, true);
    int ligne = 1;
    for (int i = 0; i < historique_->NombreSaisons() && ligne <= ud_nbrenc->Position(); ++i) {
        const TSaisonStat* s = historique_->Saison(i);
        const auto [b1, b2] = h1 < 0 || h2 < 0 ? std::pair<int, int>{255, 255} : s->ResultatEquipes(h1, h2);
        if (b1 == 255 || b2 == 255)
            continue;
        g.SetRowCount(ligne + 1);
        TColor texte = 0, fond = 0;
        CouleursLigne(ligne, texte, fond, false);
        const std::string vainqueur = b1 > b2   ? Saison->NomEquipePosition(Equipe(1))
                                      : b1 == b2 ? Traduire(230)
                                                 : Saison->NomEquipePosition(Equipe(2));
        g.RemplitCellule(0, ligne, IntToStr(s->Saison() + 1900), 1, 1, texte, fond, false);
        g.RemplitCellule(1, ligne, vainqueur, 0, 1, texte, fond, false);
        g.RemplitCellule(2, ligne, IntToStr(b1) + "-" + IntToStr(b2), 1, 1, texte, fond, false);
        ++ligne;
    }
    if (ligne == 1)
        g.RemplitCellule(1, 1, Traduire(355), 0, 1, Couleurs.CouleurTexte1Tableau, Couleurs.CouleurFond1Tableau,
                         false);
    d.SetClientHeight(g.RowCount() * 21);
    if (InspecteDetails)
        InspecteDetails(d);
    d.ShowModal();
}

void Tf_FicheMatch::Envoie(int commande, int param)
{
    if (ExecuteCommande)
        ExecuteCommande(commande, param, false);
}

void Tf_FicheMatch::Lf1Click(TObject* Sender)
{
    const auto* l = dynamic_cast<TControl*>(Sender);
    if (!l)
        return;
    Envoie(General() ? 40 : l->Tag == 2 ? 41 : 42, 0);
}

void Tf_FicheMatch::Label7Click(TObject*) { Envoie(159, 0); }
void Tf_FicheMatch::Label8Click(TObject*) { Envoie(121, Equipe(1)); }
void Tf_FicheMatch::Label3Click(TObject*) { Envoie(121, Equipe(2)); }

// ============================================================================
// the page function
// ============================================================================

std::string Tf_FicheMatch::EcritFicheMatch(TSaison* saison, bool classement, bool serie, bool matchs, int equipe1,
                                           int equipe2, const TStringList& p)
{
    const std::string titre = Parametre("CouleurTitre", p, "#000080");
    const std::string l1 = EchappeTexteHTML(Parametre("CouleurLigne1", p, "#C0C0C0"));
    const std::string l2 = EchappeTexteHTML(Parametre("CouleurLigne2", p, "#FFFFFF"));
    const std::string fonte = Parametre("FonteTitre", p, "#F0E020");
    const std::string sep = "<td width=\"5\">&nbsp;</td>";
    auto ligne = [](const std::string& couleur) { return "<tr bgcolor=\"" + couleur + "\"><td>"; };
    TChiffresFiche f[2];
    for (int k = 0; k < 2; ++k) {
        const int equipe = k == 0 ? equipe1 : equipe2;
        TDonneesChampionnat* c = Courant(saison);
        const bool general = (c->Option(11) & 2) != 0;
        Classement(saison, equipe, k + 1, general, f[k]);
        Series(saison, equipe, k + 1, general, f[k]);
        DerniersMatchs(saison, equipe, k + 1, true, false, f[k]);
    }
    std::string r = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" bgcolor=\"#ffffef\"><tr><td bgcolor=\"" +
                    EchappeTexteHTML(titre) + "\" align=\"center\"><font color=\"" + EchappeTexteHTML(fonte) + "\">Fiche du match " +
                    EchappeTexteHTML(saison->NomEquipePosition(equipe1)) + " - " +
                    EchappeTexteHTML(saison->NomEquipePosition(equipe2)) + "\r\n</font></td></tr><tr><td>";
    if (classement) {
        r += "<table width=\"100%\">\r\n  <tr>\r\n";
        for (int k = 0; k < 2; ++k) {
            if (k == 1)
                r += sep;
            r += "<td width=\"49%\"><table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">";
            r += ligne(l1) + EchappeTexteHTML(f[k].Place);
            for (int i = 0; i < 5; ++i)
                r += "</td></tr>" + ligne(i % 2 == 0 ? l2 : l1) + EchappeTexteHTML(f[k].Comptes[static_cast<size_t>(i)]);
            r += "</td></tr></table></td>";
        }
        r += "  </tr></table><br/>";
    }
    if (serie) {
        r += L1("<b>Série en cours</b><br/>") + "<table width=\"100%\"><tr>";
        for (int k = 0; k < 2; ++k) {
            if (k == 1)
                r += sep;
            r += "<td valign=\"top\" width=\"49%\"><table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                 "width=\"100%\">";
            for (size_t i = 0; i < f[k].Series.size(); ++i)
                r += ligne(i % 2 == 0 ? l1 : l2) + EchappeTexteHTML(f[k].Series[i]) + "</td></tr>";
            r += "</table></td>";
        }
        r += "</tr></table><br/>";
    }
    if (matchs) {
        r += L1("<b>Derniers résultats</b><br/>") + "<table width=\"100%\"><tr>";
        for (int k = 0; k < 2; ++k) {
            if (k == 1)
                r += sep;
            r += "<td width=\"49%\"><table border=\"1\" cellspacing=\"0\" cellpadding=\"5\" width=\"100%\">";
            for (size_t i = 0; i < f[k].Matchs.size(); ++i) {
                const TChiffresFiche::TLigneMatch& m = f[k].Matchs[i];
                r += "<tr bgcolor=\"" + (i % 2 == 0 ? l2 : l1) + "\"><td align=\"right\" nowrap>" +
                     EchappeTexteHTML(m.Domicile) + "-" + EchappeTexteHTML(m.Exterieur) + "</td><td nowrap>" +
                     IntToStr(m.ScoreDomicile) + "-" + IntToStr(m.ScoreExterieur) +
                     (m.TirsAuBut.empty() ? "" : " (" + EchappeTexteHTML(m.TirsAuBut) + ")") + "</td></tr>";
            }
            r += "</table></td>";
        }
        r += "</tr></table>";
    }
    r += "</td></tr></table>";
    return r;
}

std::string Tf_FicheMatch::EcritFicheMatchJournee(TSaison* saison, int journee, int match, bool classement,
                                                  bool serie, bool matchs, const TStringList& p)
{
    TDonneesChampionnat* c = Courant(saison);
    const int e1 = c->IndexEquipe(c->ValeurMatch(journee, 4 * match - 3));
    const int e2 = c->IndexEquipe(c->ValeurMatch(journee, 4 * match - 1));
    if (e1 < 0 || e2 < 0)
        return {};
    return EcritFicheMatch(saison, classement, serie, matchs, e1, e2, p);
}

void Tf_FicheMatch::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                    const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    Resultat.clear();
    if (Nom != "FicheMatch") {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    if (!saison)
        return;
    vues::TGardeChampionnat garde(saison);
    if (!Parametre("Division", Parametres, "").empty())
        saison->SelectionneChampionnat(ParametreEntier("Division", Parametres, 1));
    TDonneesChampionnat* c = saison->ChampionnatCourant();
    if (!c)
        return;
    auto oui = [&](const char* nom) { return LowerCase(Parametre(nom, Parametres, "")) == "oui"; };
    const bool classement = oui("AfficheClassement"), serie = oui("AfficheSerie"), matchs = oui("AfficheMatchs");
    const int match = ParametreEntier("Match", Parametres, -1);
    if (match != -1) {
        Resultat = EcritFicheMatchJournee(saison, ParametreEntier("Journee", Parametres, -1), match, classement, serie,
                                          matchs, Parametres);
        return;
    }
    int positions[2] = {-1, -1};
    for (int k = 0; k < 2; ++k) {
        const std::string nom = Parametre(k == 0 ? "Equipe1" : "Equipe2", Parametres, "");
        positions[k] = c->IndexEquipe(saison->ChercheEquipe(nom));
        if (positions[k] < 0) {
            Resultat = "L'equipe " + EchappeTexteHTML(nom) + " n'existe pas";
            return;
        }
    }
    Resultat = EcritFicheMatch(saison, classement, serie, matchs, positions[0], positions[1], Parametres);
}

// ============================================================================
// registration
// ============================================================================

void EnregistreFichesResultats()
{
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    GestionFonctions().Ajoute(
        "FicheMatch", TClasseVue{"Tf_FicheMatch", [](TComponent* o) -> TForm* { return new Tf_FicheMatch(o); }}, 4);
    TLiensResultats& liens = LiensResultatsEnregistres();
    liens.BilanHistorique = &Tf_FicheMatch::BilanHistorique;
    liens.CreeFicheMatch = [](TComponent* owner, TSaison* saison, const TCouleurElement& couleurs,
                              TExecuteCommande executeCommande) -> TBrivantelForm* {
        auto* f = new Tf_FicheMatch(owner);
        f->ChangeCouleurs(couleurs);
        f->ExecuteCommande = std::move(executeCommande);
        f->ChangeSaison(saison);
        return f;
    };
    liens.AfficheMatch = [](TBrivantelForm* fiche, TStat* historique, int mode, int match) {
        auto* f = dynamic_cast<Tf_FicheMatch*>(fiche);
        return f && f->AfficheMatch(historique, mode, match);
    };
    liens.FicheArbitre = [](TComponent* owner, const TCouleurElement& couleurs, TSaison* saison, int32_t code,
                            TPersonnelStat* arbitre) {
        return arbitre && OuvreFicheArbitre(owner, couleurs, saison, code, arbitre) != nullptr;
    };
}
