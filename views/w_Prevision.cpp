#include "views/w_Prevision.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "engine/CalculClassement.h"
#include "engine/historique.h"
#include "model/Ages.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/GestionFonction.h"
#include "views/AfficheClassement.h"
#include "views/DiversStat_Outils.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/w_ChoixJournee.h"

using vues::Texte;
using namespace divers;

namespace {

// A factor's row and its weight on the page's heading: %s the row, %d the
// weight in percent.
constexpr int TexteFacteur = 6124;

// The team's played matches from the last played matchday back: (side, own
// score, other score), at most n, only on side `cote` unless it is -1.
template <class F>
void DerniersMatchs(TSaison* saison, int id, int n, int cote, F f)
{
    const TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    int pris = 0;
    for (int j = c->DerniereJournee; j >= 1 && pris < n; --j)
        for (int k = 1; k <= c->NbMatchJournee(j) && pris < n; ++k)
            for (int s : {0, 1}) {
                if (c->ValeurMatch(j, 4 * k - 3 + 2 * s) != id)
                    continue;
                const int moi = c->ValeurMatch(j, 4 * k - 2 + 2 * s), lui = c->ValeurMatch(j, 4 * k - 2 * s);
                if (moi == 65535 || lui == 65535 || (cote >= 0 && s != cote))
                    continue;
                f(s, moi, lui, n - pris);
                ++pris;
            }
}

}  // namespace

double Tf_Prevision::PerformanceLieu(int idEquipe, int n, TSaison* saison, int cote)
{
    double points = 0, total = 0;
    DerniersMatchs(saison, idEquipe, n, cote, [&](int, int moi, int lui, int w) {
        points += moi > lui ? 2 * w : moi == lui ? w : 0;
        total += w;
    });
    return total > 0 ? points / total : 0;
}

double Tf_Prevision::FormeEquipe(int idEquipe, int n, TSaison* saison)
{
    double points = 0, total = 0;
    DerniersMatchs(saison, idEquipe, n, -1, [&](int s, int moi, int lui, int w) {
        if (moi > lui)
            points += (s == 0 ? 4 : 6) * w;
        else if (moi == lui)
            points += (s == 0 ? 2 : 3) * w;
        total += w;
    });
    return total > 0 ? points / total : 0;
}

bool Tf_Prevision::Pourcentages(double domicile, double exterieur, double (&p)[3], bool nul)
{
    domicile = std::min(domicile, 5.0);
    exterieur = std::min(exterieur, 5.0);
    const double h = domicile * 20, a = exterieur * 20;
    const double d = nul ? (10 - std::sqrt(std::fabs(domicile - exterieur) * 20)) * 8 : 0.0;
    const double s = h + d + a;
    if (!nul && !(s > 0)) {
        // nothing to tell the sides apart
        p[0] = p[2] = 50;
        p[1] = 0;
        return true;
    }
    if (!(s > 0))
        return false;
    p[0] = 100 * h / s;
    p[1] = 100 * d / s;
    p[2] = 100 * a / s;
    return true;
}

void Tf_Prevision::PrepareGrille(TColorGridBase& g, const TCouleurElement& couleurs)
{
    Taille(g, 6, 2, {20, 150, 150, 25, 25, 25});
    const char* titres[6] = {"", nullptr, nullptr, "%1", "%N", "%2"};
    for (int k = 0; k < 6; ++k) {
        const std::string t = k == 1 ? Texte(629) : k == 2 ? Texte(630) : std::string(titres[k]);
        Entete(g, k, t, couleurs, 1);
    }
}

void Tf_Prevision::CalculePrevision(TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs, int journee,
                                    const TFacteurs& f, TStat* historique, TComboBox* liste)
{
    if (liste)
        liste->Items().Clear();
    PrepareGrille(g, couleurs);
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c || journee < 1 || journee > c->NbJour())
        return;
    TCalculClassement calcul(c, saison);
    const int n = calcul.Calcule(clsGeneral, 1, c->DerniereJournee);
    auto rang = [&](int id) {
        for (int r = 0; r < n; ++r)
            if (calcul.ValeurLigne(r, 1) == c->IndexEquipe(id))   // level teams share their rank
                return StrToInt(classement::RangPartage(calcul, clsGeneral, r));
        return 0;
    };
    TGridModel& m = Modele(g);
    // The season's first year (numbered from 1900 as the history's), this
    // year's when no championship of the season has one.
    int annee = AnneeAges(*saison);
    if (annee <= 0)
        annee = YearOf(Date()) - 1900;
    // A sport without draws shares between the two sides only.
    const bool nul = saison->StatApplicable(2) != 0;
    int row = 0;
    for (int k = 0; k < c->NbMatchJournee(journee); ++k) {
        const int h = c->ValeurMatch(journee, 4 * k + 1), a = c->ValeurMatch(journee, 4 * k + 3);
        if (h == 65535 || a == 65535)
            continue;
        ++row;
        if (row >= m.RowCount())
            m.SetRowCount(row + 1);
        double dom = PerformanceLieu(h, f.NbLieu, saison, 0) * 2.5 * f.PoidsLieu +
                     FormeEquipe(h, f.NbForme, saison) * f.PoidsForme;
        double ext = PerformanceLieu(a, f.NbLieu, saison, 1) * 2.5 * f.PoidsLieu +
                     FormeEquipe(a, f.NbForme, saison) * f.PoidsForme;
        double poids = f.PoidsLieu + f.PoidsForme;
        if (historique) {
            // This home team receiving this away team over the seasons of the
            // years before this one.
            const auto [v, nu, d] =
                historique->Bilan(historique->ChercheEquipe(saison->NomEquipePosition(c->IndexEquipe(h))),
                                  historique->ChercheEquipe(saison->NomEquipePosition(c->IndexEquipe(a))), annee,
                                  f.Saisons);
            if (const int t = v + nu + d; t > 0) {
                dom += (5.0 * v + 2.5 * nu) / t * f.PoidsHistoire;
                ext += (5.0 * d + 2.5 * nu) / t * f.PoidsHistoire;
                poids += f.PoidsHistoire;
            }
        }
        double p[3] = {0, 0, 0};
        // no weight, no forecast: the shares show "-"
        const bool connu = poids > 0 && Pourcentages(dom / poids, ext / poids, p, nul);
        Cellule(g, 0, row, IntToStr(k + 1), couleurs, false, 1);
        Cellule(g, 1, row, saison->NomEquipeCourant(h) + " (" + IntToStr(rang(h)) + ")", couleurs, false, 0);
        Cellule(g, 2, row, saison->NomEquipeCourant(a) + " (" + IntToStr(rang(a)) + ")", couleurs, false, 0);
        for (int i = 0; i < 3; ++i) {
            const bool max = connu && p[i] > p[(i + 1) % 3] && p[i] > p[(i + 2) % 3];
            const std::string t = connu && (nul || i != 1) ? IntToStr(static_cast<int>(std::lround(p[i]))) : "-";
            if (max)
                g.RemplitCellule(3 + i, row, t, 1, 1, 65535, 0, false);
            else
                Cellule(g, 3 + i, row, t, couleurs, false, 1);
        }
        if (liste)
            liste->Items().AddObject(saison->NomEquipeCourant(h) + " - " + saison->NomEquipeCourant(a), k);
    }
    if (liste && liste->Items().Count() > 0)
        liste->SetItemIndex(0);
}

// ============================================================================
// the window
// ============================================================================

Tf_Prevision::Tf_Prevision(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_Prevision");
    SetCaption("f_Prevision");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(520);

    auto label = [this](const std::string& texte, int x, int y, int w) {
        auto* l = new TLabel(this);
        l->SetCaption(texte);
        l->Font().SetColor(clWhite);
        l->SetTransparent(true);
        l->SetBounds(x, y, w, 18);
        l->SetParent(this);
        return l;
    };
    Label7 = label("", 12, 10, 300);
    Label7->Font().SetStyle(fsBold);
    Label7->Font().SetColor(clYellow);
    TrackBar1 = new TTrackBar(this);
    TrackBar1->SetName("TrackBar1");
    TrackBar1->SetMin(1);
    TrackBar1->SetMax(34);
    TrackBar1->SetBounds(10, 32, 400, 28);
    TrackBar1->SetParent(this);
    sg_Classement = new TColorStringGrid(this);
    sg_Classement->SetName("sg_Classement");
    sg_Classement->SetBorderStyle(bsNone);
    sg_Classement->SetScrollBars(ssVertical);
    sg_Classement->SetFixedCols(0);
    sg_Classement->SetAutoResize(false);
    sg_Classement->SetBounds(10, 70, 420, 380);
    sg_Classement->SetParent(this);

    label(Texte(1052, L1("Influence des paramètres")), 450, 10, 300)->Font().SetStyle(fsBold);
    auto facteur = [&](const char* nom, int x, int y, int defaut, int max) {
        auto* e = new TEdit(this);
        e->SetBounds(x, y, 36, 22);
        e->SetParent(this);
        auto* u = new TUpDown(this);
        u->SetName(nom);
        u->Min = 0;
        u->Max = max;
        u->SetBounds(x + 36, y, 17, 22);
        u->SetParent(this);
        u->SetAssociate(e);
        u->SetPosition(defaut);
        return u;
    };
    // per factor: its weight, then "<before> count <after>"
    auto ligne = [&](const char* poids, const char* nombre, int y, int defPoids, int defNombre, int avant,
                     const char* texteAvant, int apres, const char* texteApres) {
        TUpDown* p = facteur(poids, 450, y, defPoids, 100);
        label("%", 506, y + 2, 20);
        label(Texte(avant, L1(texteAvant)), 450, y + 28, 150);
        TUpDown* n = facteur(nombre, 592, y + 26, defNombre, 99);
        // what follows the count wraps onto a second line when it is long
        TLabel* suite = label(Texte(apres, L1(texteApres)), 648, y + 22, 110);
        suite->SetAutoSize(false);
        suite->SetWordWrap(true);
        suite->SetBounds(648, y + 22, 110, 34);
        return std::pair{p, n};
    };
    std::tie(ud_PourcForme, ud_nMatchForme) =
        ligne("ud_PourcForme", "ud_nMatchForme", 40, 40, 5, 1053, "Forme générale sur les ", 1054, "derniers matchs");
    std::tie(ud_PourcPerf, ud_nbrenc) =
        ligne("ud_PourcPerf", "ud_nbrenc", 100, 40, 5, 1055, "Performance sur les", 1056, "derniers matchs");
    std::tie(ud_PourcHist, ud_nRenc) =
        ligne("ud_PourcHist", "ud_nRenc", 160, 20, 10, 1057, "Historique sur les ", 1058, "dernières années");
    auto bouton = [this](const char* nom, const std::string& texte, int y) {
        auto* b = BoutonDialogue(this, this, nom, 450, y, 200);
        b->SetCaption(texte);
        return b;
    };
    bc_Visualiser = bouton("bc_Visualiser", Texte(1059, "Visualiser"), 222);
    label(Texte(5502, "Voir la fiche du match"), 450, 270, 300);
    cb_Matchs = new TComboBox(this);
    cb_Matchs->SetName("cb_Matchs");
    cb_Matchs->SetBounds(450, 292, 290, 22);
    cb_Matchs->SetParent(this);
    bc_Voir = bouton("bc_Voir", Texte(1060, "Voir"), 322);

    // The factors as their boxes show them: an emptied box is refused with
    // its bounds, the box focused, never read as the number it held before.
    bc_Visualiser->OnClick = [this](TObject* s) {
        if (CompteursRemplis())
            bc_VisualiserClick(s);
    };
    bc_Voir->OnClick = [this](TObject* s) { bc_VoirClick(s); };
    TrackBar1->OnChange = [this](TObject* s) { TrackBar1Change(s); };
    OnCloseQuery = [this](TObject*, bool& peut) { peut = !(fiche_ && fiche_->Visible()); };
    DoCreate();
}

Tf_Prevision::~Tf_Prevision() { Ecrit(); }

void Tf_Prevision::Ecrit()
{
    if (cheminIni_.empty())
        return;
    TIniFile ini(cheminIni_);
    const TUpDown* u[6] = {ud_PourcForme, ud_nMatchForme, ud_PourcPerf, ud_nbrenc, ud_PourcHist, ud_nRenc};
    for (int i = 0; i < 6; ++i)
        ini.WriteInteger("General", "Prevision" + IntToStr(i + 1), u[i]->Position());
}

Tf_Prevision::TFacteurs Tf_Prevision::Facteurs() const
{
    // each count from its own row: the form row's for the form, the venue row's for the venue
    return {ud_nRenc->Position(),    ud_nbrenc->Position(),    ud_nMatchForme->Position(),
            ud_PourcPerf->Position(), ud_PourcForme->Position(), ud_PourcHist->Position()};
}

void Tf_Prevision::AfficheJournee(TStat* historique, const std::string& cheminIni)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    historique_ = historique;
    cheminIni_ = cheminIni;
    if (!cheminIni.empty()) {
        TIniFile ini(cheminIni);
        TUpDown* u[6] = {ud_PourcForme, ud_nMatchForme, ud_PourcPerf, ud_nbrenc, ud_PourcHist, ud_nRenc};
        const int defauts[6] = {40, 5, 40, 5, 20, 10};
        for (int i = 0; i < 6; ++i)
            u[i]->SetPosition(ini.ReadInteger("General", "Prevision" + IntToStr(i + 1), defauts[i]));
    }
    const int nb = std::max(c->NbJour(), 1);
    const auto change = TrackBar1->OnChange;
    TrackBar1->OnChange = nullptr;
    TrackBar1->SetMax(nb);
    TrackBar1->SetPosition(std::min(c->NbJournee + 1, nb));
    TrackBar1->OnChange = change;
    journee_ = TrackBar1->Position();
    Label7->SetCaption(liens::LibelleJournee(Saison, journee_));
    Recalcule();
}

void Tf_Prevision::Recalcule()
{
    calcules_ = Facteurs();
    CalculePrevision(Saison, *sg_Classement, Couleurs, journee_, calcules_, historique_, cb_Matchs);
}

void Tf_Prevision::bc_VisualiserClick(TObject*)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (c)
        Recalcule();
}

void Tf_Prevision::TrackBar1Change(TObject*)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c || journee_ == TrackBar1->Position())
        return;
    journee_ = TrackBar1->Position();
    Label7->SetCaption(liens::LibelleJournee(Saison, journee_));
    bc_VisualiserClick(nullptr);
}

void Tf_Prevision::bc_VoirClick(TObject*)
{
    const int i = cb_Matchs->ItemIndex();
    if (i < 0)
        return;
    if (!fiche_)
        fiche_ = liens::CreeFicheMatch(this, Saison, Couleurs, ExecuteCommande);
    if (fiche_ && liens::AfficheMatch(fiche_, historique_, 3, static_cast<int>(cb_Matchs->Items().Objects(i)) + 1))
        fiche_->Show();
}

TEnTeteHTML Tf_Prevision::EnTeteVue() const
{
    std::vector<std::string> lignes = {
        vues::TitreChoix(vues::TitreCommande(*this, Texte(1046, "Pronostics")), {Label7->Caption()}, 0, 0)};
    // Each factor of the figures shown that differs from the defaults:
    // "Forme générale sur les 3 derniers matchs : 50 %". The boxes may hold
    // others not shown yet.
    const TFacteurs defaut;
    const TFacteurs& c = calcules_;
    const struct
    {
        int poids, nombre, avant, apres, defautPoids, defautNombre;
    } facteurs[] = {
        {c.PoidsForme, c.NbForme, 1053, 1054, defaut.PoidsForme, defaut.NbForme},
        {c.PoidsLieu, c.NbLieu, 1055, 1056, defaut.PoidsLieu, defaut.NbLieu},
        {c.PoidsHistoire, c.Saisons, 1057, 1058, defaut.PoidsHistoire, defaut.Saisons},
    };
    for (const auto& f : facteurs)
        if (f.poids != f.defautPoids || f.nombre != f.defautNombre)
            lignes.push_back(TraduireFormat(
                TexteFacteur, {Trim(Texte(f.avant)) + " " + IntToStr(f.nombre) + " " + Trim(Texte(f.apres)), f.poids}));
    return EnTete(lignes);
}

void Tf_Prevision::Imprime() { sg_Classement->Imprime(EnTeteVue()); }

void Tf_Prevision::EnregistreHTML(const std::string& nomFichier)
{
    sg_Classement->EnregistreHTML(nomFichier, true, EnTeteVue());
}

void Tf_Prevision::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                   const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    if (Nom != "Prevision") {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    Resultat.clear();
    if (!saison)
        return;
    vues::TGardeChampionnat garde(saison);
    vues::ChampionnatFonction(saison, Parametres);
    TColorGridModel g;
    CalculePrevision(saison, g, couleurs, ParametreEntier("Journee", Parametres, 1) + 1, TFacteurs{}, nullptr, nullptr);
    g.TableHTML(vues::CouleursParametres(Parametres), Resultat, 0, "#FFFFFF");
}

void EnregistreFonctionsPrevision()
{
    vues::EnregistreVue("Tf_Prevision", [](TComponent* o) -> TForm* { return new Tf_Prevision(o); },
                        {{"Prevision", 1}});
}

namespace {
const bool fonctionsEnregistrees = (EnregistreFonctionsPrevision(), true);
}  // namespace
