// The championship information window: its four pages, the figures shown,
// the mouse-over texts, a bar click narrowing the figures, printing and the
// pages written as HTML.
#include <algorithm>

#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
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
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/w_InfoGeneral.h"
#include "views/w_InfoGeneralSports.h"
#include "views/w_InfoGeneral_Outils.h"

using vues::Texte;
using namespace infogen;

namespace {

// The line break of the mouse-over texts.
const char* const Saut = "\n";

// Figure rows of the three panels: caption label, its text, value label.
struct TLigneChiffre
{
    const char* Legende;
    int Texte;
    const char* Valeur;
};

const TLigneChiffre Lignes24[] = {{"Label11", 800, "Label41"}, {"Label14", 801, "Label47"}, {"Label13", 802, "Label46"},
                                  {"Label15", 803, "Label51"}, {"Label16", 804, "Label52"}, {"Label17", 805, "Label54"},
                                  {"Label18", 806, "Label55"}, {"Label19", 807, "Label58"}, {"Label21", 808, "Label59"},
                                  {"Label20", 809, "Label63"}, {"Label22", 808, "Label64"}};
const TLigneChiffre Lignes25[] = {{"Label23", 810, "Label65"}, {"Label24", 811, "Label66"}, {"Label25", 812, "Label67"},
                                  {"Label26", 813, "Label68"}, {"Label27", 814, "Label69"}};
const TLigneChiffre Lignes26[] = {{"Label28", 791, "Label70"}, {"Label30", 792, "Label71"}, {"Label31", 793, "Label72"},
                                  {"Label32", 794, "Label73"}, {"Label75", 816, "Label74"}};

const int HauteurLigne = 18;
// The tags of a figure row's labels: its caption, its value.
const int TagLegende = 2, TagValeur = 1;
const TColor Jaune = 0x00FFFF;
const TColor Rouge = 0x4040FF;

TFondCopie* Panneau(TComponent* owner, TWinControl* parent, const char* nom, const char* modele)
{
    auto* f = new TFondCopie(owner);
    f->SetName(nom);
    if (Dessin)
        f->SetModele(Dessin->Fond(modele));
    f->SetParent(parent);
    return f;
}

template <class G>
G* Graphe(TComponent* owner, TWinControl* parent, const char* nom)
{
    auto* g = new G(owner);
    g->SetName(nom);
    g->SetAlign(alClient);
    g->SetCouleurContours(clAqua);
    g->SetEcritureContours(clAqua);
    g->SetParent(parent);
    return g;
}

}  // namespace

TLabel* Tf_InfoGeneral::Etiquette(TWinControl* parent, const std::string& nom, int x, int y, int texte, TColor couleur)
{
    auto* l = new TLabel(this);
    l->SetName(nom);
    l->SetTransparent(true);
    l->Font().SetColor(couleur);
    l->SetLeft(x);
    l->SetTop(y);
    if (texte > 0)
        l->SetCaption(Texte(texte));
    l->SetParent(parent);
    labels_[nom] = l;
    return l;
}

void Tf_InfoGeneral::LigneChiffre(TWinControl* parent, const std::string& legende, const std::string& valeur, int y,
                                  int texte, TColor couleur)
{
    Etiquette(parent, legende, 8, y, texte, couleur)->Tag = TagLegende;
    // placed after the captions by the layout
    Etiquette(parent, valeur, 200, y, 0, couleur)->Tag = TagValeur;
}

TLabel* Tf_InfoGeneral::L(const std::string& nom) const
{
    auto it = labels_.find(nom);
    return it == labels_.end() ? nullptr : it->second;
}

void Tf_InfoGeneral::Legende(const std::string& nom, int texte)
{
    if (TLabel* l = L(nom))
        l->SetCaption(Texte(texte));
}

Tf_InfoGeneral::Tf_InfoGeneral(TComponent* AOwner, const TClasseInfoGeneral& classe)
    : TFootForm(AOwner), classe_(classe)
{
    SetName("f_InfoGeneral");
    SetCaption("f_InfoGeneral");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);
    tab9 = new TOwnerPageControl(this);
    tab9->SetName("tab9");
    tab9->SetAlign(alClient);
    tab9->SetParent(this);
    tab9->OnChange = [this](TObject*) { tab9Change(); };
    auto page = [this](const char* nom, int titre, const char* defaut) {
        auto* t = new TTabSheet(this);
        t->SetName(nom);
        t->SetCaption("  " + Texte(titre, L1(defaut)) + "  ");
        t->SetPageControl(tab9);
        t->SetColor(CouleurFondFonceDessin);
        return t;
    };
    ts_Info = page("ts_Info", 1471, "Informations générales");
    ts_Repartition = page("ts_Repartition", 947, "Répartition des buts");
    ts_Affluence = page("ts_Affluence", 3908, "Meilleures affluences");
    ts_Evolution = page("ts_Evolution", 989, "Evolution");

    // page 1: goals per matchday over the figures
    FondCopie27 = Panneau(this, ts_Info, "FondCopie27", "FondCarrebleuSimple");
    FondCopie27->SetAlign(alTop);
    FondCopie27->SetHeight(220);
    Etiquette(FondCopie27, "Labelequipe", 0, 0, 0, clAqua)->SetAlign(alRight);
    L("Labelequipe")->SetWidth(150);
    L("Labelequipe")->SetWordWrap(true);
    GraphBarre3 = Graphe<TGraphBarre>(this, FondCopie27, "GraphBarre3");
    GraphBarre3->SetContoursBarre(clBlack);
    GraphBarre3->SetLegendeY(Texte(817));
    FondCopie23 = Panneau(this, ts_Info, "FondCopie23", "FondToutBleu");
    FondCopie23->SetAlign(alClient);
    TLabel* titre = Etiquette(FondCopie23, "Label12", 10, 6, 0);
    titre->SetCaption(L1("Championnat de Division 1"));
    titre->Font().SetStyle(fsBold);
    titre->Font().SetSize(10);
    FondCopie24 = Panneau(this, FondCopie23, "FondCopie24", "FondCreuxBleu");
    FondCopie25 = Panneau(this, FondCopie23, "FondCopie25", "FondCreuxBleu");
    FondCopie26 = Panneau(this, FondCopie23, "FondCopie26", "FondCreuxBleu");
    int y = 6;
    for (const TLigneChiffre& l : Lignes24) {
        const std::string nom = l.Legende;
        const TColor c = nom == "Label19" || nom == "Label21" ? Jaune
                         : nom == "Label20" || nom == "Label22" ? Rouge
                                                                : clWhite;
        LigneChiffre(FondCopie24, l.Legende, l.Valeur, y, l.Texte, c);
        y += HauteurLigne;
    }
    y = 6;
    for (const TLigneChiffre& l : Lignes25) {
        LigneChiffre(FondCopie25, l.Legende, l.Valeur, y, l.Texte);
        y += HauteurLigne;
    }
    Etiquette(FondCopie26, "Label29", 8, 6, 815, clAqua)->Font().SetStyle(fsBold);
    y = 6 + HauteurLigne;
    for (const TLigneChiffre& l : Lignes26) {
        LigneChiffre(FondCopie26, l.Legende, l.Valeur, y, l.Texte);
        y += HauteurLigne;
    }

    // page 2: the minutes of the goals
    TFondCopie* fondRepartition = Panneau(this, ts_Repartition, "fc_Repartition", "FondToutBleu");
    fondRepartition->SetAlign(alClient);
    GraphBarre5 = Graphe<TGraphBarre>(this, fondRepartition, "GraphBarre5");
    GraphBarre4 = Graphe<TGraphBarre>(this, fondRepartition, "GraphBarre4");
    GraphBarre4->SetAlign(alTop);
    for (TGraphBarre* g : {GraphBarre4, GraphBarre5}) {
        g->SetTextin(true);
        g->SetLegendeY(Texte(818, "Nombre de buts"));
    }
    ts_Repartition->OnResize = [this](TObject*) { ts_RepartitionResize(); };

    // page 3: the best attendances
    sg_Affluence = new TColorStringGrid(this);
    sg_Affluence->SetName("sg_Affluence");
    sg_Affluence->SetBorderStyle(bsNone);
    sg_Affluence->SetScrollBars(ssNone);
    sg_Affluence->SetAutoResize(false);
    sg_Affluence->SetCouleurSelection(clNavy);
    sg_Affluence->SetCouleurTexteSelection(clWhite);
    fc_Affluence = Panneau(this, ts_Affluence, "fc_Affluence", "FondToutBleu");
    fc_Affluence->SetAlign(alClient);
    sg_Affluence->SetParent(fc_Affluence);
    fc_Affluence->OnResize = [this](TObject*) { fc_AffluenceResize(); };

    // page 4: goals, cards and crowds matchday by matchday
    gp_Affluence = Panneau(this, ts_Evolution, "gp_Affluence", "FondCarrebleuSimple");
    gp_Affluence->SetAlign(alClient);
    gp_Carton = Panneau(this, ts_Evolution, "gp_Carton", "FondCarrebleuSimple");
    gp_Carton->SetAlign(alTop);
    gp_But = Panneau(this, ts_Evolution, "gp_But", "FondCarrebleuSimple");
    gp_But->SetAlign(alTop);
    auto survol = [this](TFondCopie* p, const char* nom) {
        TLabel* l = Etiquette(p, nom, 0, 0, 0, clAqua);
        l->SetAlign(alRight);
        l->SetWidth(150);
        l->SetWordWrap(true);
    };
    survol(gp_But, "Label9");
    survol(gp_Carton, "Label6");
    survol(gp_Affluence, "Label3");
    gb_But = Graphe<TGraphBarre>(this, gp_But, "gb_But");
    gb_But->SetLegendeY(Texte(817));
    gl_Carton = Graphe<TGraphLigne>(this, gp_Carton, "gl_Carton");
    gl_Carton->SetLegendeY(Texte(990));
    gl_Carton->ChangeNbCourbes(2);
    gb_Affluence = Graphe<TGraphBarre>(this, gp_Affluence, "gb_Affluence");
    gb_Affluence->SetLegendeY(Texte(972));
    ts_Evolution->OnResize = [this](TObject*) {
        const int h = std::max(ts_Evolution->Height() / 3, 40);
        gp_But->SetHeight(h);
        gp_Carton->SetHeight(h);
    };

    GraphBarre3->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int X, int Y) {
        GraphBarre3MouseDown(GraphBarre3, b, X, Y);
    };
    for (TGraphBarre* g : {GraphBarre3, gb_But, gb_Affluence})
        g->OnMouseMove = [this, g](TObject*, TShiftState, int X, int Y) { GraphBarre3MouseMove(g, X, Y); };
    gl_Carton->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) { gl_CartonMouseMove(X, Y); };
    OnShow = [this](TObject*) { FormShow(); };
    OnResize = [this](TObject*) { FormResize(); };
    FormResize();
    DoCreate();
}

Tf_InfoGeneral::~Tf_InfoGeneral() = default;

std::vector<TGraphe*> Tf_InfoGeneral::Graphes() const
{
    std::vector<TGraphe*> v{GraphBarre4, GraphBarre5, gb_But, gl_Carton, gb_Affluence, GraphBarre3};
    if (gb_Rebond)
        v.push_back(gb_Rebond);
    return v;
}

const std::vector<int>& Tf_InfoGeneral::Serie(int i) const
{
    return series_[std::clamp(i, 1, 3) - 1];
}

int Tf_InfoGeneral::PageActive() const
{
    return tab9->ActivePageIndex() + 1;
}

// ============================================================================
// computing and showing
// ============================================================================

void Tf_InfoGeneral::Calcule(int page)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    RepartitionJournee = false;
    FormResize();
    for (TGraphe* g : std::initializer_list<TGraphe*>{GraphBarre3, gb_But, gl_Carton, gb_Affluence}) {
        g->SetNbPointX(std::max(c->NbJour(), 1));
        g->SetNbPointY(g == GraphBarre3 ? 10 : 15);
    }
    TCompteursMinutes minutes{};
    CalculeChiffres(1, minutes, false, 0);
    ChiffresJournee = false;
    classe_.AfficheGraphesRepartition(minutes, *GraphBarre4, *GraphBarre5, Couleurs, nullptr, 0, 0);
    const int hauteur = TClasseInfoGeneral::RemplitAffluences(*sg_Affluence, Saison, Couleurs,
                                                              (tab9->Height() - 10) / 20);
    int largeur = tab9->Width() - 4;
    if (largeur < 421)
        largeur = 411;
    else if (largeur > 621)
        largeur = 611;
    // every row shown, with its grid line
    sg_Affluence->SetBounds(2, 2, largeur, hauteur + sg_Affluence->RowCount() + 1);
    sg_Affluence->SetVisible(hauteur > 0);
    fc_AffluenceResize();
    FormShow();
    FormResize();   // the figures written: each whole
    AffichePage(page);
}

void Tf_InfoGeneral::AffichePage(int page)
{
    if (page < 1 || page > 4)
        return;
    if (ChiffresJournee && page != 1) {
        TCompteursMinutes m{};
        CalculeChiffres(2, m, false, 0);
        ChiffresJournee = false;
        FormResize();
    }
    tab9->SetActivePageIndex(page - 1);
}

void Tf_InfoGeneral::tab9Change()
{
    if (ChiffresJournee && tab9->ActivePage() != ts_Info) {
        TCompteursMinutes m{};
        CalculeChiffres(2, m, false, 0);
        ChiffresJournee = false;
        FormResize();
    }
}

void Tf_InfoGeneral::AfficheRepartition(int journee)
{
    ChiffresJournee = true;
    const TCompteursMinutes m = TClasseInfoGeneral::RepartitionMinutes(Saison, journee);
    classe_.AfficheGraphesRepartition(m, *GraphBarre4, *GraphBarre5, Couleurs, nullptr, 0, 0);
    RepartitionJournee = true;
    journeeRepartition_ = journee;
    AffichePage(2);
}

std::string Tf_InfoGeneral::TitrePage() const
{
    // The distribution of one matchday names its matchday, as the figures of
    // one matchday do.
    if (RepartitionJournee && PageActive() == 2)
        if (const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr)
            return TitreJournee(c, journeeRepartition_, vues::TitreCommande(*this, L("Label12")->Caption()));
    return L("Label12")->Caption();
}

void Tf_InfoGeneral::CalculeChiffres(int mode, TCompteursMinutes& minutes, bool sansSeries, int journee)
{
    const TChiffresInfo f = classe_.Compte(Saison, journee, sansSeries);
    minutes = f.Minutes;
    AfficheChiffres(mode, f, journee);
}

void Tf_InfoGeneral::Garde(const TChiffresInfo& f)
{
    series_[0] = f.Serie1;
    series_[1] = f.Serie2;
    series_[2] = f.Serie3;
    affluence_ = f.AffluenceJournee;
}

void Tf_InfoGeneral::Evolution(const TChiffresInfo& f, bool barre3)
{
    TDonneesChampionnat* c = Saison->ChampionnatCourant();
    const int derniere = std::min<int>(c->DerniereJournee, static_cast<int>(f.Serie1.size()));
    const std::pair<TColor, TColor> a{*Couleurs.Couleur(36), *Couleurs.Couleur(37)};
    const std::pair<TColor, TColor> b{*Couleurs.Couleur(38), *Couleurs.Couleur(39)};
    std::vector<TGraphe*> buts{gb_But};
    if (barre3)
        buts.push_back(GraphBarre3);
    for (TGraphe* g : buts) {
        UneSerie(*g);
        for (int d = 1; d <= derniere; ++d)
            Barres(*g, 0, d, f.Serie1[static_cast<size_t>(d - 1)], a, b);
        g->Invalidate();
    }
    gl_Carton->VideCourbes();
    gl_Carton->ChangeNbCourbes(2);
    gl_Carton->ChangeCouleurCourbe(0, Jaune);
    gl_Carton->ChangeCouleurCourbe(1, 0x0000FF);
    for (int d = 1; d <= derniere; ++d) {
        gl_Carton->AjoutePoint(0, d, f.Serie2[static_cast<size_t>(d - 1)]);
        gl_Carton->AjoutePoint(1, d, f.Serie3[static_cast<size_t>(d - 1)]);
    }
    gl_Carton->Invalidate();
    UneSerie(*gb_Affluence);
    for (int d = 1; d <= derniere; ++d)
        Barres(*gb_Affluence, 0, d,
               static_cast<int>(std::min<int64_t>(f.AffluenceJournee[static_cast<size_t>(d - 1)], INT32_MAX)), a, b);
    gb_Affluence->Invalidate();
}

void Tf_InfoGeneral::AfficheChiffres(int mode, const TChiffresInfo& f, int journee)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    Evolution(f, mode == 1);
    std::string titre = TClasseInfoGeneral::Titre(Saison, *c);
    if (journee != 0)
        titre = TitreJournee(c, journee, titre);
    L("Label12")->SetCaption(titre);
    // the most and fewest of a matchday: a cup's round
    const bool essais = Saison->Sport() == 1;
    L("Label17")->SetCaption(Texte(IdLegendeJournee(c, essais ? 1103 : 805)));
    L("Label18")->SetCaption(Texte(IdLegendeJournee(c, essais ? 1104 : 806)));
    L("Label41")->SetCaption(IntToStr(f.Joues));
    auto ecrit = [this](const char* nom, const std::string& v) { L(nom)->SetCaption(v); };
    const int p = f.Joues;
    if (p > 0) {
        ecrit("Label46", AffluenceMoyenne(f));
        ecrit("Label47", Part(f.Nuls, p));
        ecrit("Label51", IntToStr(f.Total));
        ecrit("Label52", ParMatch(f.Total, p));
        ecrit("Label54", AvecJournee(IntToStr(f.Maximum), f.JourneeMaximum, c));
        ecrit("Label55", AvecJournee(IntToStr(f.Minimum), f.JourneeMinimum, c));
        ecrit("Label58", IntToStr(f.Jaunes));
        ecrit("Label59", ParMatch(f.Jaunes, p));
        ecrit("Label63", IntToStr(f.Rouges));
        ecrit("Label64", ParMatch(f.Rouges, p));
        ecrit("Label65", Part(f.VictoiresDom, p));
        ecrit("Label66", Part(f.Nuls, p));
        ecrit("Label67", Part(p - f.VictoiresDom - f.Nuls, p));
    } else {
        for (const char* nom : {"Label46", "Label47", "Label51", "Label52", "Label54", "Label55", "Label58", "Label59",
                                "Label63", "Label64", "Label65", "Label66", "Label67"})
            ecrit(nom, "-");
    }
    const auto parts = PartsDomicile(f.Domicile, f.Total);
    ecrit("Label68", parts[0]);
    ecrit("Label69", parts[1]);
    const char* const postes[5] = {"Label70", "Label71", "Label72", "Label73", "Label74"};
    for (size_t k = 0; k < 5; ++k)
        ecrit(postes[k], AvecPart(f.Postes[k], f.Total));
    L("Labelequipe")->SetCaption("");
    if (mode == 1)
        Garde(f);
}

// ============================================================================
// mouse
// ============================================================================

void Tf_InfoGeneral::GraphBarre3MouseMove(TGraphBarre* g, int X, int Y)
{
    for (const char* nom : {"Labelequipe", "Label9", "Label3"})
        L(nom)->SetCaption("");
    if (g == gb_Rebond)
        L("Label6")->SetCaption("");
    const TPointGraphe* p = g->BarreSousSouris(X, Y, 0);
    const int i = p ? p->X : 0;
    if (i < 1 || i > static_cast<int>(series_[0].size()))
        return;
    const size_t k = static_cast<size_t>(i - 1);
    const int matchs = series_[2][k];
    if (g == GraphBarre3 || g == gb_But) {
        std::string valeur = IntToStr(series_[0][k]);
        if (Saison && Saison->StatApplicable(10) && matchs > 0)
            valeur = TexteQuotient(series_[0][k], 2 * matchs, 1);
        L(g == GraphBarre3 ? "Labelequipe" : "Label9")
            ->SetCaption(TraduireFormat(classe_.IdTexteJournee(1), {i, Saut, valeur}));
    } else if (g == gb_Affluence) {
        L("Label3")->SetCaption(TraduireFormat(342, {i, Saut, static_cast<long long>(affluence_[k])}));
    } else if (matchs > 0) {
        L("Label6")->SetCaption(TraduireFormat(603, {i, Saut, TexteQuotient(series_[1][k], 2 * matchs, 1)}));
    } else {
        L("Label6")->SetCaption(TraduireFormat(classe_.IdTexteJournee(1), {i, Saut, IntToStr(series_[1][k])}));
    }
}

void Tf_InfoGeneral::gl_CartonMouseMove(int X, int Y)
{
    int serie = -1;
    const TPointGraphe* p = gl_Carton->PointSousSouris(X, Y, serie);
    const int i = p ? p->X : 0;
    if (i < 1 || i > static_cast<int>(series_[1].size())) {
        L("Label6")->SetCaption("");
        return;
    }
    const size_t k = static_cast<size_t>(i - 1);
    const int* n = IdTextesComptesCartons;
    L("Label6")->SetCaption(TraduireFormat(IdTexteCartons, {i, TraduireNombre(n[0], n[1], series_[1][k]), i,
                                                            TraduireNombre(n[2], n[3], series_[2][k])}));
}

void Tf_InfoGeneral::GraphBarre3MouseDown(TGraphBarre* g, TMouseButton bouton, int X, int Y)
{
    if (bouton != mbLeft)
        return;
    const TPointGraphe* p = g->BarreSousSouris(X, Y, 0);
    const int i = p ? p->X : 0;
    TCompteursMinutes m{};
    if (i >= 1 && i <= static_cast<int>(series_[0].size())) {
        ChiffresJournee = true;
        CalculeChiffres(2, m, false, i);
    } else {
        ChiffresJournee = false;
        CalculeChiffres(2, m, false, 0);
    }
    FormResize();
}

// ============================================================================
// layout and colours
// ============================================================================

void Tf_InfoGeneral::FormShow()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const int options = c->Option(11);
    FondCopie25->SetVisible((options & 2) == 0);
    FondCopie27->SetVisible((options & 8) == 0);
    L("Label16")->SetVisible((options & 8) == 0);
    for (const char* nom : {"Label17", "Label52", "Label54"})
        L(nom)->SetVisible(L("Label16")->Visible());
}

namespace {

// A panel of figures: its values placed a gap after its widest caption; the
// width it needs to show every caption and value whole. The gaps are narrow:
// at the program's default size the two columns of panels take the width
// whole in basketball ("Plus faible moyenne par match 164,0 (Journée 12)").
const int EcartValeur = 6, MargePanneau = 4, MargeFenetre = 8, EntrePanneaux = 6;

int PlaceValeurs(TWinControl* p)
{
    int legendes = 0, valeurs = 0, titres = 0;
    for (int i = 0; i < p->ControlCount(); ++i) {
        const TControl* e = p->Controls(i);
        if (!e->Visible())
            continue;
        if (e->Tag == TagValeur) {
            valeurs = std::max(valeurs, e->Width());
        } else {
            int& fin = e->Tag == TagLegende ? legendes : titres;
            fin = std::max(fin, e->Left() + e->Width());
        }
    }
    const int x = legendes + EcartValeur;
    for (int i = 0; i < p->ControlCount(); ++i)
        if (TControl* e = p->Controls(i); e->Tag == TagValeur)
            e->SetLeft(x);
    return std::max(x + valeurs, titres) + MargePanneau;
}

}  // namespace

void Tf_InfoGeneral::FormResize()
{
    if (!FondCopie24)
        return;
    int lignes24 = 0, lignes26 = 1;
    for (TControl* l : {static_cast<TControl*>(FondCopie24), static_cast<TControl*>(FondCopie26)})
        for (int i = 0; i < static_cast<TWinControl*>(l)->ControlCount(); ++i)
            if (const TControl* e = static_cast<TWinControl*>(l)->Controls(i); e->Tag != TagValeur)
                ++(l == FondCopie24 ? lignes24 : lignes26);
    // The left panel takes five ninths of the width, or what its figures
    // need when that is more; the right ones the rest, or what theirs need.
    const int besoinGauche = PlaceValeurs(FondCopie24);
    const int besoinDroite = std::max(PlaceValeurs(FondCopie25), PlaceValeurs(FondCopie26));
    const int marges = 2 * MargeFenetre + EntrePanneaux;
    int largeur = std::max(std::max((ClientWidth() - 18) * 5 / 9, 200) - 16, besoinGauche);
    largeur = std::max(std::min(largeur, ClientWidth() - marges - besoinDroite), besoinGauche);
    const int gauche = MargeFenetre + largeur + EntrePanneaux;
    FondCopie24->SetBounds(MargeFenetre, 30, largeur, lignes24 * HauteurLigne + 12);
    const int droite = std::max(ClientWidth() - gauche - MargeFenetre, 100);
    FondCopie25->SetBounds(gauche, 30, droite, 5 * HauteurLigne + 12);
    FondCopie26->SetBounds(gauche, 30 + 5 * HauteurLigne + 20, droite, (lignes26 - 1) * HauteurLigne + 12);
}

void Tf_InfoGeneral::ts_RepartitionResize()
{
    GraphBarre4->SetHeight(std::max((ts_Repartition->Height() - 4) / 2, 20));
}

void Tf_InfoGeneral::fc_AffluenceResize()
{
    const int w = fc_Affluence->Width(), h = fc_Affluence->Height();
    int gauche = 2, haut = 2;
    if (sg_Affluence->Width() < w - 20)
        gauche = (w - sg_Affluence->Width() - 20) / 2;
    if (sg_Affluence->Height() < h - 20)
        haut = (h - sg_Affluence->Height() - 20) / 2;
    sg_Affluence->SetBounds(std::max(gauche, 2), std::max(haut, 2), sg_Affluence->Width(), sg_Affluence->Height());
}

void Tf_InfoGeneral::AppliqueCouleurs()
{
    TFootForm::AppliqueCouleurs();
    if (!GraphBarre3)
        return;
    for (TGraphe* g : Graphes()) {
        g->SetCouleurContours(*Couleurs.Couleur(44));
        g->SetEcritureContours(*Couleurs.Couleur(44));
    }
    for (const char* nom : {"Label19", "Label21", "Label58", "Label59"})
        if (TLabel* l = L(nom))
            l->Font().SetColor(Jaune);
}

// ============================================================================
// printing and HTML
// ============================================================================

void Tf_InfoGeneral::Imprime()
{
    const int page = PageActive();
    if (page == 3) {
        sg_Affluence->Imprime(EnTete());
        return;
    }
    PrintDocument(Printer(), poPortrait, [&](TPrinter& p) {
        TCanvas& cv = p.Canvas();
        cv.Font = Font();
        cv.Font.SetSize(14);
        cv.Font.SetColor(clBlack);
        cv.Pen.SetWidth(1);
        const int w = p.PageWidth(), h = p.PageHeight();
        // The page named as the window names it, the charts below.
        const int haut = ImprimeTitres(cv, L("Label12")->Font(), EnTete({TitrePage()}).Titres, 10, w, 10);
        cv.Font = Font();
        cv.Font.SetSize(14);
        cv.Font.SetColor(clBlack);
        const int reste = h - haut;
        if (page == 2) {
            GraphBarre4->Imprime(Rect(0, haut, w, haut + reste / 2), cv);
            GraphBarre5->Imprime(Rect(0, haut + reste / 2, w, h), cv);
        } else if (page == 4) {
            TGraphe* milieu = gb_Rebond && gb_Rebond->Visible() ? static_cast<TGraphe*>(gb_Rebond) : gl_Carton;
            gb_But->Imprime(Rect(0, haut, w, haut + reste / 3), cv);
            milieu->Imprime(Rect(0, haut + reste / 3, w, haut + 2 * reste / 3), cv);
            gb_Affluence->Imprime(Rect(0, haut + 2 * reste / 3, w, h), cv);
        } else {
            GraphBarre3->Imprime(Rect(0, haut, w, h / 3), cv);
            FondCopie24->Imprime(Rect(0, h / 3, w / 2, h));
            if (FondCopie25->Visible())
                FondCopie25->Imprime(Rect(w / 2, h / 3, w, 2 * h / 3));
            if (FondCopie26->Visible())
                FondCopie26->Imprime(Rect(w / 2, 2 * h / 3, w, h));
        }
    });
}

namespace {

void Ecrit(const std::string& fichier, const std::string& texte)
{
    if (!WriteFileAtomic(fichier, texte))
        throw EFCreateError(L1("Impossible d'écrire le fichier ") + fichier);
}

// The picture copied beside the page as "<page name>-<name>"; the name given.
std::string CopieBeside(const std::string& image, const std::string& page, const std::string& nom)
{
    const std::string base = ChangeFileExt(ExtractFileName(page), "") + "-" + nom;
    const std::string cible = MakePath(ExtractFileDir(page), base);
    if (!CopieFichier(image, cible))
        throw EFCreateError(L1("Impossible d'écrire le fichier ") + cible);
    return base;
}

}  // namespace

void Tf_InfoGeneral::EnregistreHTML(const std::string& nomFichier)
{
    const int page = PageActive();
    if (page == 1) {
        Ecrit(nomFichier, EcritPageInfo());
        return;
    }
    if (page == 3) {
        sg_Affluence->EnregistreHTML(nomFichier, true, EnTete());
        return;
    }
    const TColor fond = 0x6F3000;
    std::vector<std::string> images;
    if (page == 2) {
        images.push_back(
            CopieBeside(TClasseInfoGeneral::SauveImageRepartition(*GraphBarre4, *GraphBarre5, fond), nomFichier,
                        "repart.png"));
    } else {
        TGraphe* milieu = gb_Rebond && gb_Rebond->Visible() ? static_cast<TGraphe*>(gb_Rebond) : gl_Carton;
        const std::pair<TGraphe*, const char*> graphes[3] = {
            {gb_But, "butchamp"}, {milieu, "cartonchamp"}, {gb_Affluence, "afflchamp"}};
        for (const auto& [g, nom] : graphes)
            images.push_back(CopieBeside(TFonctionsGabarit::SauveImagePNG(*g, nom, fond), nomFichier,
                                         std::string(nom) + ".png"));
    }
    std::string texte = "<html>\r\n  <head>\r\n    " + MetaCharset() + "\r\n    " +
                        TitreHTML(EnTete({TitrePage()}).Titres) + "\r\n  </head>\r\n  <body bgcolor=\"#00306F\">\r\n";
    for (const std::string& i : images)
        texte += "    <img src=\"" + EchappeHTML(i) + "\"><br/>\r\n";
    texte += "  </body>\r\n</html>\r\n";
    Ecrit(nomFichier, texte);
}

std::string Tf_InfoGeneral::EcritPageInfo() const
{
    // The page holds a row for each figure the window shows, in its order,
    // and none for a figure the sport hides.
    auto montre = [this](const char* nom) { return L(nom) && L(nom)->Visible(); };
    auto texte = [this](const char* nom) { return EchappeHTML(L(nom) ? L(nom)->Caption() : std::string()); };
    using TPaire = std::pair<const char*, const char*>;   // caption, value
    const std::string titre = TitreHTML(EnTete({TitrePage()}).Titres);
    std::vector<std::string> l = {"<html>", "  <head>", "    " + MetaCharset(), "    " + titre, "  </head>",
                                  "  <body bgcolor=\"#80CCFE\">"};
    for (const auto& bloc : {std::vector<TPaire>{{"Label11", "Label41"}, {"Label14", "Label47"}, {"Label13", "Label46"}},
                             std::vector<TPaire>{{"Label15", "Label51"}, {"Label16", "Label52"}, {"Label17", "Label54"},
                                                 {"Label18", "Label55"}}}) {
        for (const auto& [legende, valeur] : bloc)
            if (montre(legende))
                l.push_back(DeuxPoints(texte(legende), texte(valeur)) + "<BR>");
        l.push_back("<BR>");
    }
    // A table of rows, the first one giving the widths of its two columns.
    auto table = [&](const std::vector<TPaire>& lignes, const std::string& largeurs, const std::string& valeurs) {
        bool premiere = true;
        for (const auto& [legende, valeur] : lignes)
            if (montre(legende)) {
                l.push_back(std::string(premiere ? "      <table> <tr> <td" + largeurs : "      <tr> <td") + ">" +
                            texte(legende) + "</td> <td" + valeurs + ">" + texte(valeur) + "</td></tr>");
                premiere = false;
            }
        if (!premiere)
            l.push_back("      </table><br/>");
    };
    table({{"Label19", "Label58"}, {"Label21", "Label59"}, {"Label20", "Label63"}, {"Label22", "Label64"},
           {"Label34", "Label35"}},
          " width=\"250\"", " align=\"right\"");
    table({{"Label23", "Label65"}, {"Label24", "Label66"}, {"Label25", "Label67"}, {"Label26", "Label68"},
           {"Label27", "Label69"}},
          " width=\"200\"", "");
    // the scorers by position, when the sport shows them
    if (FondCopie26->Visible()) {
        l.push_back("      " + texte("Label29"));
        table({{"Label28", "Label70"}, {"Label30", "Label71"}, {"Label31", "Label72"}, {"Label32", "Label73"},
               {"Label75", "Label74"}, {"Label36", "Label37"}},
              " width=\"200\"", " align=\"right\"");
    }
    l.push_back("  </body>");
    l.push_back("</html>");
    std::string s;
    for (const std::string& x : l)
        s += x + "\r\n";
    return s;
}

void Tf_InfoGeneral::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                     const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    if (!EstTagInfo(Nom)) {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    const TClasseInfoGeneral* classe = ClasseInfoGeneral(saison);
    (classe ? *classe : classe_).ExecuteTag(Nom, Parametres, Resultat, couleurs, saison);
}
