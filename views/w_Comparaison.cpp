#include "views/w_Comparaison.h"

#include <algorithm>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/Rang.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/Graphe.h"
#include "ui/GridHtml.h"
#include "views/AfficheClassement.h"
#include "views/DiversStat_Outils.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/cadreParamClassement.h"

using vues::Texte;
using namespace divers;

namespace {

const TColor CouleursSeries[4] = {0x0000FF, 0x00FFFF, 0x00FF00, 0xFF00FF};
// The same colours, dark enough to read on the light boxes.
const TColor CouleursSeriesTexte[4] = {0x0000C0, 0x008080, 0x008000, 0x800080};

// A box in its slot's skin; the slot's series colour and bold text tell it
// (the designs have no picture of their own for the selected skins).
void Modele(TCadre* b, const char* maitre, int slot = -1)
{
    if (Dessin)
        b->SetModele(Dessin->Fond(maitre));
    b->Font().SetStyle(slot >= 0 ? fsBold : 0u);
    b->Font().SetColor(slot >= 0 ? CouleursSeriesTexte[slot] : clBlack);
    b->Invalidate();
}

}  // namespace

void Tf_Comparaison::TraceCourbes(TGraphLigne& g, TSaison* saison, int premiere, int derniere, bool points,
                                  const TSlots& slots)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    if (premiere == 0) {
        premiere = 1;
        derniere = c->DerniereJournee;
    }
    g.SetGrille(!points);
    g.SetInverse(!points);
    g.SetNbPointX(std::max(derniere - premiere + 1, 1));
    g.SetNbPointY(points ? 10 : std::max(c->NbEquipe(), 1));
    if (g.NbCourbes() < 4)
        g.ChangeNbCourbes(4);
    for (int i = 0; i < 4; ++i) {
        g.VideCourbe(i);
        g.ChangeStyleCourbe(i, slots[static_cast<size_t>(i)] != 255 ? 1 : 0);
        if (points && slots[static_cast<size_t>(i)] != 255)
            g.AjoutePoint(i, 0, 0);
    }
    TCalculClassement calcul(c, saison);
    for (int d = premiere; d <= derniere; ++d) {
        const int n = calcul.Calcule(clsGeneral, d, d);
        for (int i = 0; i < 4; ++i) {
            const int p = slots[static_cast<size_t>(i)];
            if (p == 255)
                continue;
            for (int r = 0; r < n; ++r)
                if (calcul.ValeurLigne(r, 1) == p) {
                    // the rank the standings show, level teams sharing it
                    g.AjoutePoint(i, d - premiere + 1,
                                  points ? calcul.ValeurLigne(r, 2)
                                         : StrToInt(classement::RangPartage(calcul, clsGeneral, r)));
                    break;
                }
        }
    }
    g.Invalidate();
}

void Tf_Comparaison::RemplitProgramme(TColorGridBase& g, TSaison* saison, const TCouleurElement& couleurs,
                                      const TSlots& slots)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    TCalculClassement calcul(c, saison);
    const int lignes = calcul.Calcule(clsGeneral, 1, c->DerniereJournee);
    std::vector<int> rang(static_cast<size_t>(c->NbEquipe()), 0);
    for (int r = 0; r < lignes; ++r)
        if (const int p = calcul.ValeurLigne(r, 1); p >= 0 && p < c->NbEquipe())
            rang[static_cast<size_t>(p)] = StrToInt(classement::RangPartage(calcul, clsGeneral, r));
    std::vector<int> equipes;
    for (int p : slots)
        if (p != 255)
            equipes.push_back(p);
    const int n = std::min(6, c->NbJour() - c->DerniereJournee);
    TGridModel& m = divers::Modele(g);
    m.SetFixedCols(0);
    m.SetFixedRows(0);
    m.SetColCount(std::max(static_cast<int>(equipes.size()), 1));
    m.SetRowCount(std::max(n, 0) + 1);
    for (int k = 0; k < m.ColCount(); ++k)
        m.SetColWidths(k, 160);
    for (size_t k = 0; k < equipes.size(); ++k) {
        const int p = equipes[k], id = c->IdEquipe(p), col = static_cast<int>(k);
        g.RemplitCellule(col, 0, saison->NomEquipePosition(p), 1, 1, clWhite, couleurs.CouleurFondTitreTableau, true);
        for (int j = 1; j <= n; ++j) {
            const int d = c->DerniereJournee + j;
            std::string texte = Texte(355);
            int paire = 1;
            for (int q = 1; q <= c->NbMatchJournee(d); ++q)
                for (int s : {0, 1})
                    if (c->ValeurMatch(d, 4 * q - 3 + 2 * s) == id) {
                        const int autre = c->ValeurMatch(d, 4 * q - 1 - 2 * s);
                        const int pa = c->IndexEquipe(autre);
                        const int r = pa >= 0 ? rang[static_cast<size_t>(pa)] : 0;
                        texte = TraduireFormat(s == 0 ? 5500 : 5501, {saison->NomEquipeCourant(autre),
                                                                       r > 0 ? TraduireRang(r) : std::string("-")});
                        paire = s == 0 ? 1 : 2;
                    }
            Cellule(g, col, j, texte, couleurs, false, 0);
            TColor t = 0, f = 0;
            TBrivantelForm::CouleursLigneSchema(paire, t, f, false, couleurs);
            g.ChangeCouleurFondCellule(col, j, f);
            g.ChangeCouleurTexteCellule(col, j, t);
        }
    }
}

std::string Tf_Comparaison::SuffixeSur(const std::string& suffixe)
{
    std::string s;
    for (char ch : suffixe)
        if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9'))
            s += ch;
    return s;
}

std::string Tf_Comparaison::EnregistreImage(TGraphe& g, TColor fond, const std::string& suffixe)
{
    return TFonctionsGabarit::SauveImagePNG(g, "comparaison" + SuffixeSur(suffixe), fond);
}

// ============================================================================
// the window
// ============================================================================

Tf_Comparaison::Tf_Comparaison(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_Comparaison");
    SetCaption("f_Comparaison");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);
    CadreParam = new TParamClassement(this);
    CadreParam->SetParent(this);
    vues::BrancheCadre(CadreParam, [this] { Redessine(); });
    FondScroll5 = new TFondScroll(this);
    FondScroll5->SetName("FondScroll5");
    if (Dessin)
        FondScroll5->SetModele(Dessin->Fond("FondToutBleu"));
    FondScroll5->SetAlign(alRight);
    FondScroll5->SetWidth(170);
    FondScroll5->SetParent(this);
    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetColor(CouleurFondFonceDessin);
    Panel1->SetAlign(alClient);
    Panel1->SetParent(this);
    Graph1 = new TGraphLigne(this);
    Graph1->SetName("Graph1");
    Graph1->SetAlign(alClient);
    Graph1->SetCouleurContours(clAqua);
    Graph1->SetEcritureContours(clAqua);
    Graph1->SetNbPointX(15);
    Graph1->SetNbPointY(20);
    Graph1->ChangeNbCourbes(4);
    Graph1->SetParent(Panel1);
    sb_Comparaison = vues::FondDefilant(this, "sb_Comparaison");
    sg_Programme = new TColorStringGrid(this);
    sg_Programme->SetName("sg_Programme");
    sg_Programme->SetBorderStyle(bsNone);
    sg_Programme->SetScrollBars(ssNone);
    sg_Programme->SetAutoResize(false);
    sg_Programme->SetBounds(10, 10, 161, 26);
    sg_Programme->SetParent(sb_Comparaison);
    DoCreate();
}

Tf_Comparaison::~Tf_Comparaison() = default;

void Tf_Comparaison::Init(int mode)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    for (TCadre* b : boites_)
        b->Free();
    boites_.clear();
    sg_Programme->SetVisible(false);
    for (int p = 0; p < c->NbEquipe(); ++p) {
        auto* b = new TCadre(this);
        b->SetText(Saison->NomEquipePosition(p));
        b->Tag = p;
        b->SetBounds(0, 28 * p, 150, 25);
        b->Selectionnable = false;
        Modele(b, "BoutonCreuxBleu");
        FondScroll5->InsereControle(b);
        b->OnClick = [this, b](TObject*) { ChoisitEquipe(b); };
        boites_.push_back(b);
    }
    slots_ = {255, 255, 255, 255};
    nombre_ = 0;
    for (int i = 0; i < 4; ++i) {
        Graph1->ChangeCouleurCourbe(i, CouleursSeries[i]);
        Graph1->ChangeStyleCourbe(i, 0);
    }
    CadreParam->Init(*Couleurs.Couleur(15), Saison, false, true);
    const int suivie = c->Option(10);
    TCadre* defaut = boites_.empty() ? nullptr : boites_[static_cast<size_t>(suivie < c->NbEquipe() ? suivie : 0)];
    ChoisitVue(defaut, mode);
}

void Tf_Comparaison::ChoisitVue(TCadre* boite, int mode)
{
    mode_ = mode;
    Tag = mode;
    Panel1->SetVisible(mode == 1 || mode == 2);
    sb_Comparaison->SetVisible(mode != 1 && mode != 2);
    CadreParam->SetVisible(mode == 1 || mode == 2);
    if (boite)
        ChoisitEquipe(boite);
    else
        Redessine();
}

void Tf_Comparaison::ChoisitEquipe(TCadre* boite)
{
    const int p = static_cast<int>(boite->Tag);
    auto it = std::find(slots_.begin(), slots_.end(), p);
    if (it != slots_.end()) {
        *it = 255;
        --nombre_;
        Modele(boite, "BoutonCreuxBleu");
    } else if (nombre_ < 4) {
        auto libre = std::find(slots_.begin(), slots_.end(), 255);
        *libre = p;
        ++nombre_;
        static const char* const maitres[4] = {"BoutonCreuxSel1", "BoutonCreuxSel2", "BoutonCreuxSel3",
                                               "BoutonCreuxSel4"};
        Modele(boite, maitres[libre - slots_.begin()], static_cast<int>(libre - slots_.begin()));
    }
    Redessine();
}

void Tf_Comparaison::Redessine()
{
    if (mode_ == 1 || mode_ == 2) {
        TraceCourbes(*Graph1, Saison, CadreParam->Premiere(), CadreParam->Derniere(), mode_ == 2, slots_);
        return;
    }
    sg_Programme->SetVisible(nombre_ > 0);
    if (nombre_ == 0)
        return;
    RemplitProgramme(*sg_Programme, Saison, Couleurs, slots_);
    sg_Programme->ChangeHauteurLignes(25);
    sg_Programme->SetBounds(10, 10, 161 * sg_Programme->ColCount() + 1, 26 * sg_Programme->RowCount() + 1);
}

void Tf_Comparaison::Imprime()
{
    if (mode_ == 3)
        sg_Programme->Imprime(EnTete());
}

void Tf_Comparaison::EnregistreHTML(const std::string& nomFichier)
{
    if (mode_ == 3) {
        sg_Programme->EnregistreHTML(nomFichier, true, EnTete());
        return;
    }
    // the chart's picture beside the page, and a page that shows it
    const std::string nom = mode_ == 2 ? "comparaisonpoint.png" : "comparaison.png";
    const std::string image = EnregistreImage(*Graph1, 0x6F3000, mode_ == 2 ? "point" : "");
    // A picture or page that cannot be written is reported by the caller.
    const std::string copie = MakePath(ExtractFileDir(nomFichier), nom);
    if (!CopieFichier(image, copie))
        throw EFCreateError(L1("Impossible de créer le fichier ") + copie);
    // The curves named: the view with the range it counts, and each team
    // compared beside its curve's colour, as the window's boxes show them.
    const TEnTeteHTML entete = EnTete(vues::TitresChoix(*this, Texte(mode_ == 2 ? 780 : 779), {}, CadreParam));
    std::string page = "<HTML>\r\n<HEAD>\r\n" + MetaCharset() + "\r\n" + TitreHTML(entete.Titres, true) +
                       "\r\n</HEAD>\r\n<BODY>\r\n";
    for (const std::string& titre : entete.Titres)
        page += "<h3>" + EchappeHTML(titre) + "</h3>\r\n";
    page += "<img src=\"" + nom + "\">\r\n<table>\r\n";
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i] != 255 && Saison)
            page += "<tr><td bgcolor=\"" + CouleurHTML(CouleursSeries[i]) + "\" width=\"20\">&nbsp;</td><td>" +
                    EchappeHTML(Saison->NomEquipePosition(slots_[i])) + "</td></tr>\r\n";
    page += "</table>\r\n</BODY>\r\n</HTML>\r\n";
    if (!WriteFileAtomic(nomFichier, page))
        throw EFCreateError(L1("Impossible de créer le fichier ") + nomFichier);
}

void Tf_Comparaison::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                     const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    if (Nom != "ComparaisonEquipe" && Nom != "ProgrammeEquipe") {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    Resultat.clear();
    vues::TGardeChampionnat garde(saison);
    TDonneesChampionnat* c = vues::ChampionnatFonction(saison, Parametres);
    if (!c)
        return;
    std::vector<std::string> noms;
    ParametreListe("Equipe", Parametres, noms, "");
    TSlots slots{255, 255, 255, 255};
    for (size_t i = 0; i < noms.size() && i < 4; ++i)
        if (const int id = saison->ChercheEquipe(noms[i]); id >= 0)
            if (const int p = c->IndexEquipe(id); p >= 0)
                slots[i] = p;
    if (Nom == "ProgrammeEquipe") {
        TColorGridModel g;
        RemplitProgramme(g, saison, couleurs, slots);
        g.TableHTML(vues::CouleursParametres(Parametres), Resultat, 0, "#FFFFFF");
        return;
    }
    const std::string type = Parametre("Type", Parametres, "");
    TGraphLigne g(nullptr);
    // a picture of a bounded size
    g.SetBounds(0, 0, std::clamp(ParametreEntier("Largeur", Parametres, 400), 16, 2000),
                std::clamp(ParametreEntier("Hauteur", Parametres, 400), 16, 2000));
    g.SetCouleurContours(static_cast<TColor>(TexteVersCouleur(Parametre("CouleurContours", Parametres, "#00FFFF"))));
    g.SetEcritureContours(static_cast<TColor>(TexteVersCouleur(Parametre("EcritureContours", Parametres, "#00FFFF"))));
    g.ChangeNbCourbes(4);
    std::vector<std::string> couleursCourbes;
    ParametreListe("CouleurCourbe", Parametres, couleursCourbes, "");
    for (int i = 0; i < 4; ++i)
        g.ChangeCouleurCourbe(i, i < static_cast<int>(couleursCourbes.size())
                                     ? static_cast<TColor>(TexteVersCouleur(couleursCourbes[static_cast<size_t>(i)]))
                                     : 0);
    TraceCourbes(g, saison, 1, c->NbJournee, LowerCase(type) == "point", slots);
    EnregistreImage(g, static_cast<TColor>(TexteVersCouleur(Parametre("CouleurFond", Parametres, "#00306F"))), type);
    const std::string nom = "comparaison" + SuffixeSur(type) + ".png";
    Resultat = "#" + nom + "#<img src=\"" + nom + "\">";
}

void EnregistreFonctionsComparaison()
{
    vues::EnregistreVue("Tf_Comparaison", [](TComponent* o) -> TForm* { return new Tf_Comparaison(o); },
                        {{"ComparaisonEquipe", 1}, {"ProgrammeEquipe", 1}});
}

namespace {
const bool fonctionsEnregistrees = (EnregistreFonctionsComparaison(), true);
}  // namespace
