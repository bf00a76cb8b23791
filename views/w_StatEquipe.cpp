// The team sheet's frame: its pages, entry points, lazy refresh, team change,
// crest, colours, clicks and layout. The pages' content is in
// w_StatEquipe_Pages.cpp, printing, HTML and page functions in
// w_StatEquipe_Export.cpp.
#include "views/w_StatEquipe.h"

#include <algorithm>

#include "codecs/PngPicture.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/Saison.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "ui/Afficheur.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Editeur.h"
#include "ui/Fond.h"
#include "ui/Graphe.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/cadreParamClassement.h"

using vues::Texte;

namespace {

// Refresh group of each page index.
constexpr int Groupes[9] = {0, 6, 1, 2, 6, 3, 4, 5, 0};

TLabel* Etiquette(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y,
                  const std::string& texte, TColor couleur = clWhite, bool gras = false)
{
    auto* l = new TLabel(owner);
    l->SetName(nom);
    l->SetCaption(texte);
    l->SetLeft(x);
    l->SetTop(y);
    l->SetTransparent(true);
    l->Font().SetColor(couleur);
    if (gras)
        l->Font().SetStyle(fsBold);
    l->SetParent(parent);
    return l;
}

TFondCopie* Fond(TComponent* owner, TWinControl* parent, const std::string& nom, const char* maitre)
{
    auto* f = new TFondCopie(owner);
    f->SetName(nom);
    if (Dessin)
        f->SetModele(Dessin->Fond(maitre));
    f->SetParent(parent);
    return f;
}

TPanel* Panneau(TComponent* owner, TWinControl* parent, const std::string& nom, TAlign align, int taille)
{
    auto* p = new TPanel(owner);
    p->SetName(nom);
    p->SetBevelOuter(bvNone);
    p->SetColor(CouleurFondFonceDessin);
    p->SetAlign(align);
    if (align == alLeft || align == alRight)
        p->SetWidth(taille);
    else if (align == alTop || align == alBottom)
        p->SetHeight(taille);
    p->SetParent(parent);
    return p;
}

TScrollBox* Defilant(TComponent* owner, TWinControl* parent, const std::string& nom)
{
    auto* b = new TScrollBox(owner);
    b->SetName(nom);
    b->SetBorderStyle(bsNone);
    b->SetAlign(alClient);
    b->SetColor(CouleurFondFonceDessin);
    b->SetParent(parent);
    return b;
}

TColorStringGrid* Grille(TComponent* owner, TWinControl* parent, const std::string& nom)
{
    auto* g = new TColorStringGrid(owner);
    g->SetName(nom);
    g->SetBorderStyle(bsNone);
    g->SetScrollBars(ssNone);
    g->SetFixedCols(0);
    g->SetAutoResize(false);
    g->SetCouleurSelection(clNavy);
    g->SetCouleurTexteSelection(clWhite);
    g->SetParent(parent);
    return g;
}

// A grid as wide and high as its cells.
void TailleGrille(TColorStringGrid* g, int hauteurLigne)
{
    int w = 0;
    for (int k = 0; k < g->ColCount(); ++k)
        w += g->ColWidths(k) + 1;
    g->ChangeHauteurLignes(hauteurLigne);
    g->SetWidth(w + 2);
    g->SetHeight(g->RowCount() * (hauteurLigne + 1) + 2);
}

void Centre(TControl* c, int largeur, int gauche = 0)
{
    c->SetLeft(std::max(gauche + (largeur - c->Width()) / 2, gauche));
}

}  // namespace

// ============================================================================
// construction
// ============================================================================

Tf_StatEquipe::Tf_StatEquipe(TComponent* AOwner, const TClasseStatEquipe& classe) : TFootForm(AOwner), classe_(classe)
{
    SetName("f_StatEquipe");
    SetCaption("f_StatEquipe");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(780);
    SetClientHeight(580);
    SetHint(Texte(1302, L1("Cliquer sur le bouton droit  pour changer d'équipe")));

    TPanel* haut = Panneau(this, this, "PanelHaut", alTop, 40);
    Label14 = Etiquette(this, haut, "Label14", 0, 8, "", clYellow, true);
    Label14->SetAutoSize(false);
    Label14->SetAlign(alClient);
    Label14->SetAlignment(taCenter);
    Label14->Font().SetSize(14);
    pb_Logo = new TPaintBox(this);
    pb_Logo->SetName("pb_Logo");
    pb_Logo->SetBounds(730, 2, 35, 35);
    pb_Logo->SetAnchors(akTop | akRight);
    pb_Logo->SetParent(haut);
    pb_Logo->OnPaint = [this](TObject*) { PeintLogo(); };

    CadreParam = new TParamClassement(this);
    CadreParam->SetParent(this);
    // the pages count each championship of a wider competition whole: no
    // range is offered with such data
    CadreParam->TranchesChampionnatSeul(true);
    auto rafraichit = [this] {
        Invalide(true);
        ActualisePage();
    };
    vues::BrancheCadre(CadreParam, rafraichit);

    tab4 = new TOwnerPageControl(this);
    tab4->SetName("tab4");
    tab4->SetAlign(alClient);
    tab4->SetTabWidth(1);
    tab4->SetTabHeight(1);
    tab4->SetParent(this);
    tab4->OnChange = [this](TObject*) { ActualisePage(); };
    tab4->OnResize = [this](TObject*) { MiseEnPage(); };
    auto page = [this](const char* nom, int texte, const std::string& defaut) {
        auto* t = new TTabSheet(this);
        t->SetName(nom);
        t->SetCaption(Texte(texte, defaut));
        t->SetPageControl(tab4);
        t->SetColor(CouleurFondFonceDessin);
        t->SetTabVisible(false);
        return t;
    };
    ts_Parcours = page("ts_Parcours", 683, "Parcours");
    ts_Classement = page("ts_Classement", 684, "Statistiques");
    ts_RepartitionBut = page("ts_RepartitionBut", 685, L1("Détail des buts"));
    ts_DetailJoueur = page("ts_DetailJoueur", 686, "Joueurs");
    ts_Spectateur = page("ts_Spectateur", 687, "Affluence");
    ts_Composition = page("ts_Composition", 688, "Composition");
    ts_StatEquipe = page("ts_StatEquipe", 961, "ts_StatEquipe");
    ts_ScoreFrequent = page("ts_ScoreFrequent", 327, "ScoreFreq");
    ts_PointPris = page("ts_PointPris", 979, "ts_PointAdversaire");

    CreeParcours();
    CreeClassement();
    CreeButs();
    CreeJoueurs();
    CreeAffluence();
    CreeComposition();
    CreeSituations();
    CreeScores();
    CreePoints();

    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetName("PopupMenu1");
    Changerdequipe1 = new TMenuItem(this);
    Changerdequipe1->SetName("Changerdequipe1");
    Changerdequipe1->SetCaption(Texte(861, "Changer d'equipe"));
    Changerdequipe1->OnClick = [this](TObject*) { ChangeEquipe(); };
    PopupMenu1->Items()->Add(Changerdequipe1);
    pm_VoirClassement = new TPopupMenu(this);
    pm_VoirClassement->SetName("pm_VoirClassement");
    mi_ClassementComplet = new TMenuItem(this);
    mi_ClassementComplet->SetName("mi_ClassementComplet");
    mi_ClassementComplet->SetCaption("Voir le classement complet");
    mi_ClassementComplet->OnClick = [this](TObject*) {
        static const std::pair<int, int> commandes[] = {{0, 66}, {1, 67}, {2, 68}, {5, 71}, {7, 72}};
        for (const auto& [type, commande] : commandes)
            if (type == typePopup_ && ExecuteCommande)
                ExecuteCommande(commande, 0, false);
    };
    pm_VoirClassement->Items()->Add(mi_ClassementComplet);
    // a right click anywhere changes the team (the player grid has its own menu)
    SetPopupMenu(PopupMenu1);
    for (TWinControl* w : {static_cast<TWinControl*>(tab4), static_cast<TWinControl*>(mdomicile),
                           static_cast<TWinControl*>(mexterieur), static_cast<TWinControl*>(sb_Composition),
                           static_cast<TWinControl*>(ScrollBox1), static_cast<TWinControl*>(sg_Stats),
                           static_cast<TWinControl*>(sg_PointPris), static_cast<TWinControl*>(sg_Composition)})
        w->SetPopupMenu(PopupMenu1);
    for (int i = 0; i < tab4->PageCount(); ++i)
        tab4->Pages(i)->SetPopupMenu(PopupMenu1);
    sg_Buteur->SetPopupMenu(pm_VoirClassement);
    DoCreate();
}

Tf_StatEquipe::~Tf_StatEquipe() = default;

void Tf_StatEquipe::CreeParcours()
{
    auto* droite = Panneau(this, ts_Parcours, "Panel1", alRight, 116);
    Panneau(this, ts_Parcours, "FondParcours", alClient, 0);
    FondCopie12 = Fond(this, droite, "FondCopie12", "FondCarrebleuSimple");
    FondCopie12->SetBounds(4, 10, 108, 80);
    auto coche = [this](const char* nom, int y, int texte, const std::string& defaut) {
        auto* c = new TCarreCoche(this);
        c->SetName(nom);
        c->SetCaption(Texte(texte, defaut));
        c->Font().SetStyle(fsBold);
        c->SetBounds(6, y, 100, 18);
        c->SetChecked(true);
        c->SetParent(FondCopie12);
        c->OnClick = [this](TObject*) { AfficheParcours(); };
        return c;
    };
    CCVict = coche("CCVict", 8, 852, "Victoires");
    CCNul = coche("CCNul", 30, 853, "Matchs nuls");
    CCDef = coche("CCDef", 52, 854, L1("Défaites"));
    auto colonne = [this](const char* p, const char* m, const char* f, TLabel*& v1, TLabel*& v2, int n) {
        TPanel* panel = Panneau(this, ts_Parcours, p, alLeft, 300);
        TFondCopie* fond = Fond(this, panel, f, "FondCreuxBleu");
        fond->SetAlign(alBottom);
        fond->SetHeight(62);
        Etiquette(this, fond, "Label" + IntToStr(n), 10, 6, Texte(610, "Plus gros score pour"), clYellow);
        v1 = Etiquette(this, fond, "Label" + IntToStr(n + 1), 10, 20, "-");
        Etiquette(this, fond, "Label" + IntToStr(n + 2), 10, 34, Texte(611, "Plus gros score contre"), clYellow);
        v2 = Etiquette(this, fond, "Label" + IntToStr(n + 3), 10, 48, "-");
        TScrollBox* b = Defilant(this, panel, m);
        return std::pair{panel, b};
    };
    std::tie(pdomicile, mdomicile) = colonne("pdomicile", "mdomicile", "FondCopie4", Label65, Label67, 64);
    FondCopie4 = dynamic_cast<TFondCopie*>(FindComponent("FondCopie4"));
    std::tie(pexterieur, mexterieur) = colonne("pexterieur", "mexterieur", "FondCopie5", Label69, Label71, 68);
    FondCopie5 = dynamic_cast<TFondCopie*>(FindComponent("FondCopie5"));
    pexterieur->SetLeft(400);
}

void Tf_StatEquipe::CreeClassement()
{
    Panel2 = Panneau(this, ts_Classement, "Panel2", alLeft, 250);
    Panel3 = Panneau(this, ts_Classement, "Panel3", alClient, 0);
    static const int titres[3] = {855, 759, 763};
    static const char* const defauts[3] = {"", "A domicile", "A l'exterieur"};
    static const char* const nomsTitres[3] = {"Label84", "Label83", "Label33"};
    static const int libelles[6] = {856, 852, 853, 854, 857, 858};
    static const char* const libDefauts[6] = {"Classement", "Victoires", "Matchs Nuls", "Defaites", "Buts marques",
                                              "Buts encaisses"};
    static const int commandes[3] = {40, 41, 42};
    for (int b = 0; b < 3; ++b) {
        TFondCopie* f = Fond(this, Panel2, "FondCopie" + IntToStr(13 + b), "FondCreuxBleu");
        f->SetBounds(4, 4 + 150 * b, 240, 146);
        (b == 0 ? FondCopie13 : b == 1 ? FondCopie14 : FondCopie15) = f;
        auto* t = new THotLabel(this);
        t->SetName(nomsTitres[b]);
        t->SetCaption(Texte(titres[b], b == 0 ? L1("Général") : defauts[b]));
        t->SetBounds(10, 4, 200, 16);
        t->SetTransparent(true);
        t->Font().SetColor(clYellow);
        t->Font().SetStyle(fsBold);
        t->SetHint(TraduireFormat(1304, {b == 0 ? std::string() : Texte(b == 1 ? 164 : 165)}));
        t->SetParent(f);
        const int commande = commandes[b];
        t->OnClick = [this, commande](TObject*) {
            if (ExecuteCommande)
                ExecuteCommande(commande, 0, false);
        };
        TitresBoites[static_cast<size_t>(b)] = t;
        for (int k = 0; k < 6; ++k) {
            LibellesBoites[static_cast<size_t>(b)][static_cast<size_t>(k)] =
                Etiquette(this, f, "Lib" + IntToStr(b + 1) + IntToStr(k + 1), 10, 24 + 19 * k,
                          Texte(libelles[k], libDefauts[k]));
            ValeursBoites[static_cast<size_t>(b)][static_cast<size_t>(k)] =
                Etiquette(this, f, std::string("l") + IntToStr(b + 1) + IntToStr(k + 1), 140, 24 + 19 * k, "-", clYellow, true);
        }
        for (int k = 0; k < 2; ++k)
            RangsBoites[static_cast<size_t>(b)][static_cast<size_t>(k)] =
                Etiquette(this, f, std::string("L") + IntToStr(78 + 2 * b + k), 180, 24 + 19 * (4 + k), "", clYellow);
    }
    Graph2 = new TGraphLigne(this);
    Graph2->SetName("Graph2");
    Graph2->SetNbPointY(80);
    Graph2->SetEcrireY(false);
    Graph2->SetLegendeX(Texte(85, "Journee"));
    Graph2->SetParent(Panel3);
    Graph3 = new TGraphBarre(this);
    Graph3->SetName("Graph3");
    Graph3->SetNbPointY(3);
    Graph3->RemplaceY = std::make_unique<TLegendeRemplace>();
    Graph3->RemplaceY->Ajoute(1, "D");
    Graph3->RemplaceY->Ajoute(2, "N");
    Graph3->RemplaceY->Ajoute(3, "V");
    Graph3->SetParent(Panel3);
    Graph4 = new TGraphBarre(this);
    Graph4->SetName("Graph4");
    Graph4->SetNbPointY(3);
    Graph4->FacteurX = 3.0;
    Graph4->SetDecalLegende(true);
    Graph4->SetParent(Panel3);
    FondCopie19 = Fond(this, Panel3, "FondCopie19", "FondCreuxBleu");
    Editserie = new TEditeur(this);
    Editserie->SetName("Editserie");
    Editserie->SetParent(FondCopie19);
    for (auto* g : {static_cast<TGraphe*>(Graph2), static_cast<TGraphe*>(Graph3), static_cast<TGraphe*>(Graph4)})
        g->SetCouleurContours(clAqua), g->SetEcritureContours(clAqua);
}

void Tf_StatEquipe::CreeButs()
{
    TPanel* fond = Panneau(this, ts_RepartitionBut, "FondButs", alClient, 0);
    auto barre = [this, fond](const char* nom) {
        auto* g = new TGraphBarre(this);
        g->SetName(nom);
        g->SetLegendeY(Texte(818, "Nombre de buts"));
        g->SetLegendeX(Texte(1048, "Minute"));
        g->SetCouleurContours(clAqua);
        g->SetEcritureContours(clAqua);
        g->SetParent(fond);
        return g;
    };
    GraphBarre1 = barre("GraphBarre1");
    GraphBarre2 = barre("GraphBarre2");
    b_ChangeBut = new TButton(this);
    b_ChangeBut->SetName("b_ChangeBut");
    b_ChangeBut->SetCaption(Texte(1548, L1("Buts encaissés")));
    b_ChangeBut->Tag = 1;
    b_ChangeBut->SetParent(fond);
    // Wide enough for both of its captions in the interface language.
    {
        TBitmap mesure(1, 1);
        mesure.Canvas().Font = b_ChangeBut->Font();
        int largeur = 116;
        for (const std::string& t : {Texte(1547, L1("Voir les buts marqués")), Texte(1548, L1("Voir les buts encaissés"))})
            largeur = std::max(largeur, mesure.Canvas().TextWidth(t) + 20);
        b_ChangeBut->SetBounds(600, 4, largeur, 22);
    }
    b_ChangeBut->OnClick = [this](TObject* s) { b_ChangeButClick(s); };
}

void Tf_StatEquipe::CreeJoueurs()
{
    auto* droite = Panneau(this, ts_DetailJoueur, "PanelJoueurs", alRight, 190);
    FondCopie7 = Fond(this, droite, "FondCopie7", "FondCarrebleu");
    FondCopie7->SetAlign(alClient);
    sb_InfoJoueur = Defilant(this, ts_DetailJoueur, "sb_InfoJoueur");
    sg_Buteur = Grille(this, sb_InfoJoueur, "sg_Buteur");
    sg_Buteur->OnDblClick = [this](TObject*) { GrilleDblClick(sg_Buteur); };
    sg_Buteur->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
        LigneCliquee(sg_Buteur, x, y);
        if (b == mbRight)
            typePopup_ = static_cast<int>(sg_Buteur->Tag);
    };
    rc_Buteur = AjouteRadio("rc_Buteur", 10, 10, Texte(498, "Buteurs"));
    rc_Passeur = AjouteRadio("rc_Passeur", 10, 32, Texte(918, "Passeurs"));
    rc_cj = AjouteRadio("rc_cj", 10, 54, Texte(679, "Cartons Jaunes"));
    rc_cr = AjouteRadio("rc_cr", 10, 76, Texte(680, "Cartons Rouges"));
    rc_notes = AjouteRadio("rc_notes", 10, 98, Texte(1354, "Notes des joueurs"));
    rc_Buteur->SetChecked(true);
    TypesRadios = {{rc_Buteur, 0}, {rc_cj, 1}, {rc_cr, 2}, {rc_Passeur, 5}, {rc_notes, 7}};
}

TRondCoche* Tf_StatEquipe::AjouteRadio(const char* nom, int x, int y, const std::string& texte)
{
    auto* r = new TRondCoche(this);
    r->SetName(nom);
    r->SetCaption(texte);
    r->Font().SetColor(clYellow);
    r->Font().SetStyle(fsBold);
    r->SetBounds(x, y, 170, 18);
    r->Setgroupe(0);
    r->SetParent(FondCopie7);
    r->OnClick = [this](TObject*) {
        RemplitClassementJoueurs();
        MiseEnPage();
    };
    return r;
}

void Tf_StatEquipe::CreeAffluence()
{
    auto* droite = Panneau(this, ts_Spectateur, "PanelAffluence", alRight, 170);
    fc_Affluence = Fond(this, droite, "fc_Affluence", "FondCarrebleu");
    fc_Affluence->SetAlign(alClient);
    auto bouton = [this](const char* nom, int y, int texte, const std::string& defaut, bool bas) {
        auto* b = new TSpeedButton(this);
        b->SetName(nom);
        b->SetCaption(Texte(texte, defaut));
        b->SetBounds(10, y, 150, 22);
        b->AllowAllUp = true;
        b->SetGroupIndex(y);
        b->SetDown(bas);
        b->SetParent(fc_Affluence);
        b->OnClick = [this](TObject*) { SymbolesAffluence(); };
        return b;
    };
    SpeedButton14 = bouton("SpeedButton14", 10, 759, "A domicile", true);
    SpeedButton15 = bouton("SpeedButton15", 36, 763, L1("A l'extérieur"), false);
    Etiquette(this, fc_Affluence, "Label15", 10, 74, Texte(51, "Spectateurs"), clYellow, true);
    Etiquette(this, fc_Affluence, "Label51", 10, 96, Texte(606, "Moyenne"));
    Label16 = Etiquette(this, fc_Affluence, "Label16", 90, 96, "-", clYellow);
    Etiquette(this, fc_Affluence, "Label52", 10, 116, Texte(608, "Maximum"));
    Label54 = Etiquette(this, fc_Affluence, "Label54", 90, 116, "-", clYellow);
    Etiquette(this, fc_Affluence, "Label55", 10, 136, Texte(607, "Minimum"));
    Label58 = Etiquette(this, fc_Affluence, "Label58", 90, 136, "-", clYellow);
    Etiquette(this, fc_Affluence, "Label59", 10, 156, Texte(609, "Total"));
    Label63 = Etiquette(this, fc_Affluence, "Label63", 90, 156, "-", clYellow);
    TPanel* fond = Panneau(this, ts_Spectateur, "FondAffluence", alClient, 0);
    GraphSpect = new TGraphLigne(this);
    GraphSpect->SetName("GraphSpect");
    GraphSpect->SetAlign(alClient);
    GraphSpect->SetLegendeY(Texte(860, "Spectateurs"));
    GraphSpect->SetCouleurContours(clAqua);
    GraphSpect->SetEcritureContours(clAqua);
    GraphSpect->SetParent(fond);
    GraphSpect->OnMouseMove = [this](TObject*, TShiftState, int x, int y) { GraphSpectMouseMove(x, y); };
    FondCopie21 = Fond(this, fond, "FondCopie21", "FondCreuxBleu");
    FondCopie21->SetBounds(60, 10, 360, 24);
    Label85 = Etiquette(this, FondCopie21, "Label85", 8, 4, "", clBlack);
    Etiquette(this, FondCopie21, "Label86", 150, 4, "-", clBlack);
    Label87 = Etiquette(this, FondCopie21, "Label87", 160, 4, "", clBlack);
    Label88 = Etiquette(this, FondCopie21, "Label88", 300, 4, "", clBlack, true);
    FondCopie21->SetVisible(false);
}

void Tf_StatEquipe::CreeComposition()
{
    sb_Composition = Defilant(this, ts_Composition, "sb_Composition");
    sb_Composition->OnResize = [this](TObject* s) { sb_CompositionResize(s); };
    sg_Composition = Grille(this, sb_Composition, "sg_Composition");
    sg_Composition->SetColCount(9);
    sg_Composition->TriCol = true;
    sg_Composition->TriConserveFond = true;
    sg_Composition->SetColor(CouleurFondFonceDessin);
    sg_Composition->OnDblClick = [this](TObject*) { GrilleDblClick(sg_Composition); };
    sg_Composition->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int x, int y) {
        LigneCliquee(sg_Composition, x, y);
    };
}

// These grids show no selection, so their current row never follows the
// mouse: the double click takes the row pressed last.
void Tf_StatEquipe::LigneCliquee(TColorStringGrid* g, int x, int y)
{
    int col = -1;
    ligneCliquee_ = -1;
    g->MouseToCell(x, y, col, ligneCliquee_);
}

void Tf_StatEquipe::CreeSituations()
{
    auto* droite = Panneau(this, ts_StatEquipe, "PanelSituations", alRight, 170);
    FondCopie22 = Fond(this, droite, "FondCopie22", "FondCarrebleu");
    FondCopie22->SetAlign(alClient);
    auto rond = [this](TWinControl* parent, const char* nom, int y, int texte, const std::string& defaut,
                       std::function<void()> clic) {
        auto* r = new TRondCoche(this);
        r->SetName(nom);
        r->SetCaption(Texte(texte, defaut));
        r->Font().SetColor(clYellow);
        r->Font().SetStyle(fsBold);
        r->SetBounds(10, y, 150, 18);
        r->Setgroupe(0);
        r->SetParent(parent);
        r->OnClick = [clic](TObject*) { clic(); };
        return r;
    };
    auto situations = [this] { AfficheSituations(); };
    rc_General = rond(FondCopie22, "rc_General", 14, 213, L1("En général"), situations);
    rc_Domicile = rond(FondCopie22, "rc_Domicile", 36, 64, "A Domicile", situations);
    rc_Exterieur = rond(FondCopie22, "rc_Exterieur", 58, 65, "A l'exterieur", situations);
    rc_General->SetChecked(true);
    TScrollBox* b = Defilant(this, ts_StatEquipe, "sb_Situations");
    for (int k = 0; k < 26; ++k) {
        if (k >= 12 && k <= 15)
            continue;
        const int bloc = k / 4, ligne = k % 4;
        Situations[static_cast<size_t>(k)] =
            Etiquette(this, b, "Label" + IntToStr(k + 1), ligne == 0 ? 10 : 30, 10 + 82 * (bloc - (k >= 16 ? 1 : 0)) + 18 * ligne,
                      "", ligne == 0 ? clYellow : clWhite, ligne == 0);
    }
    Situations[24]->SetTop(10 + 82 * 5);
    Situations[25]->SetTop(10 + 82 * 5 + 18);
    Situations[24]->SetLeft(10);
    Situations[25]->SetLeft(10);
}

void Tf_StatEquipe::CreeScores()
{
    auto* droite = Panneau(this, ts_ScoreFrequent, "PanelScores", alRight, 170);
    FondCopie6 = Fond(this, droite, "FondCopie6", "FondCarrebleu");
    FondCopie6->SetAlign(alClient);
    auto rond = [this](const char* nom, int y, int texte, const std::string& defaut) {
        auto* r = new TRondCoche(this);
        r->SetName(nom);
        r->SetCaption(Texte(texte, defaut));
        r->Font().SetColor(clYellow);
        r->Font().SetStyle(fsBold);
        r->SetBounds(10, y, 150, 18);
        r->Setgroupe(0);
        r->SetParent(FondCopie6);
        r->OnClick = [this](TObject*) { AfficheScoresFrequents(); };
        return r;
    };
    rc_General2 = rond("rc_General2", 14, 213, L1("En général"));
    rc_Domicile2 = rond("rc_Domicile2", 36, 64, "A Domicile");
    rc_Exterieur2 = rond("rc_Exterieur2", 58, 65, "A l'exterieur");
    rc_General2->SetChecked(true);
    TScrollBox* b = Defilant(this, ts_ScoreFrequent, "sb_Scores");
    sg_Stats = Grille(this, b, "sg_Stats");
}

void Tf_StatEquipe::CreePoints()
{
    ScrollBox1 = Defilant(this, ts_PointPris, "ScrollBox1");
    sg_PointPris = Grille(this, ScrollBox1, "sg_PointPris");
}

// ============================================================================
// entry points
// ============================================================================

int Tf_StatEquipe::IdEquipe() const
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    return c ? c->IdEquipe(equipe_) : -1;
}

void Tf_StatEquipe::ChoisitEquipe(int position)
{
    equipe_ = position;
    Label14->SetCaption(Saison ? Saison->NomEquipePosition(position) : std::string());
    ChargeBlason();
    pb_Logo->Invalidate();
    Invalide(false);
}

void Tf_StatEquipe::ChargeBlason()
{
    blason_.reset();
    const int logo = Saison ? Saison->LogoEquipe(IdEquipe()) : 0;
    if (logo <= 0)
        return;
    const std::string fichier = MakePath(DossierProgramme, "blasons/" + IntToStr(logo) + ".png");
    if (!FileExists(fichier))
        return;
    auto image = std::make_unique<TPngPicture>();
    try {
        image->LoadFromFile(fichier);
    } catch (const std::exception&) {
        return;   // a damaged file shows no crest
    }
    if (image->Width() > 0 && image->Height() > 0)
        blason_ = std::move(image);
}

void Tf_StatEquipe::PeintLogo()
{
    if (!blason_)
        return;
    const int h = 35 * blason_->Height() / blason_->Width();
    pb_Logo->SetWidth(35);
    pb_Logo->SetHeight(std::clamp(h, 1, 200));
    blason_->SetTransparentColor(clWhite);
    pb_Logo->Canvas().StretchDraw(Rect(0, 0, 35, pb_Logo->Height()), *blason_);
}

int Tf_StatEquipe::IndexPage() const { return tab4->ActivePageIndex(); }

void Tf_StatEquipe::AffichePage(int page)
{
    page_ = page;
    const int index = page == 12 ? 7 : page <= 7 ? page - 1 : page;
    if (index >= 0 && index < tab4->PageCount())
        tab4->SetActivePageIndex(index);
    MiseEnPage();
}

void Tf_StatEquipe::PrepareChampionnat()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    Panel2->SetVisible((c->Types() & TDonneesChampionnat::TypeCoupe) == 0);
    neutre_ = (c->Option(11) & 2) != 0;
    for (TControl* k : {static_cast<TControl*>(pexterieur), static_cast<TControl*>(FondCopie14),
                        static_cast<TControl*>(FondCopie15), static_cast<TControl*>(FondCopie22),
                        static_cast<TControl*>(FondCopie6)})
        k->SetVisible(!neutre_);
    SpeedButton14->SetVisible(!neutre_);
    SpeedButton15->SetVisible(!neutre_);
    MiseEnPage();
    ActualisePage();
}

void Tf_StatEquipe::Invalide(bool sauf6)
{
    for (int g = 0; g < 7; ++g)
        if (!(sauf6 && g == 6))
            remplis_[static_cast<size_t>(g)] = false;
}

void Tf_StatEquipe::StatutPage()
{
    if (!Statut || Statut->PanelCount() < 3)
        return;
    std::string texte;
    if (IndexPage() == 2)
        texte = Texte(b_ChangeBut->Tag == 1 ? 135 : 136);
    else
        texte = TraduireFormat(134, {Saison ? Saison->NomEquipePosition(equipe_) : std::string()});
    Statut->SetPanelText(2, texte);
}

void Tf_StatEquipe::ActualisePage()
{
    const int index = IndexPage();
    if (index < 0 || index > 8 || !Saison || !Saison->ChampionnatCourant())
        return;
    const int groupe = Groupes[index];
    StatutPage();
    // the statistics and attendance pages cover the whole championship: the
    // frame is hidden there, and keeps the band the other pages show
    if (groupe == 6)
        CadreParam->SetVisible(false);
    else
        CadreParam->Init(*Couleurs.Couleur(15), Saison, true, true);
    if (remplis_[static_cast<size_t>(groupe)])
        return;
    switch (groupe) {
    case 0: AfficheParcours(); break;
    case 1:
        if (b_ChangeBut->Tag == 1)
            AfficheButsMarques();
        else
            AfficheButsEncaisses();
        break;
    case 2: AfficheJoueurs(); break;
    case 3: RemplitComposition(); break;
    case 4: AfficheSituations(); break;
    case 5: AfficheScoresFrequents(); break;
    case 6:
        AfficheEvolution();
        AfficheClassements();
        break;
    default: break;
    }
    remplis_[static_cast<size_t>(groupe)] = true;
    ++compteRemplis_[static_cast<size_t>(groupe)];
    MiseEnPage();
}

void Tf_StatEquipe::ChangeEquipe()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    int position = c->Option(10);
    if (!TFootForm::ChoisitEquipe(Saison, Texte(17, "Choix de l'equipe"), Couleurs, 0, position))
        return;
    ChoisitEquipe(position);
    ActualisePage();
}

void Tf_StatEquipe::RemplitComposition()
{
    for (int k = 0; k < 3; ++k)
        sg_Composition->ChangeEtatColonne(k, 1);
    sg_Composition->MarqueColonne(2, 1);
    classe_.RemplitComposition(Saison, equipe_, *sg_Composition, CadreParam->Premiere(), CadreParam->Derniere(),
                               CadreParam->ListeChampionnats(), Couleurs);
    sb_CompositionResize(sb_Composition);
}

void Tf_StatEquipe::b_ChangeButClick(TObject*)
{
    if (b_ChangeBut->Tag == 1)
        AfficheButsEncaisses();
    else
        AfficheButsMarques();
}

void Tf_StatEquipe::GrilleDblClick(TColorStringGrid* g)
{
    if (!Saison)
        return;
    const int ligne = ligneCliquee_;
    if (ligne < 1 || ligne >= g->RowCount())
        return;
    TJoueur* j = Saison->Joueurs().ChercheJoueur(g->DonneeCellule(0, ligne), -1);
    if (!j)
        return;
    if (!OuvreFicheJoueur(j, Saison))
        return;
    Signale();
    if (g == sg_Composition)
        RemplitComposition();
    else
        RemplitClassementJoueurs();
    MiseEnPage();
}

// ============================================================================
// colours and layout
// ============================================================================

void Tf_StatEquipe::AppliqueCouleurs()
{
    TFootForm::AppliqueCouleurs();
    for (TGraphe* g : {static_cast<TGraphe*>(Graph2), static_cast<TGraphe*>(Graph3), static_cast<TGraphe*>(Graph4),
                       static_cast<TGraphe*>(GraphBarre1), static_cast<TGraphe*>(GraphBarre2),
                       static_cast<TGraphe*>(GraphSpect)}) {
        g->SetCouleurContours(Couleurs.LigneTourGraph);
        g->SetEcritureContours(Couleurs.LigneTourGraph);
    }
    Editserie->SetColor(Couleurs.fondfonceplus);
    Editserie->SetCouleurPalette(14, Couleurs.CouleurTexte1);
    Editserie->SetCouleurPalette(15, Couleurs.CouleurTexte2);
    CCVict->Font().SetColor(Couleurs.ExtraCouleur1);
    CCNul->Font().SetColor(Couleurs.CouleurTitre);
    CCDef->Font().SetColor(Couleurs.CouleurRouge);
    SpeedButton14->Font().SetColor(Couleurs.LigneGraph);
    SpeedButton15->Font().SetColor(Couleurs.LigneGraph2);
}

void Tf_StatEquipe::MiseEnPage()
{
    const int W = tab4->Width();
    // results path
    int w = W < 117 ? 0 : std::min((W - 116) / 2, 300);
    pdomicile->SetWidth(neutre_ ? 2 * w : w);
    pexterieur->SetWidth(w);
    // statistics page
    const int h3 = Panel2->Height() / 3;
    FondCopie13->SetBounds(4, 2, 240, std::max(h3 - 4, 10));
    FondCopie14->SetBounds(4, h3 + 2, 240, std::max(h3 - 4, 10));
    FondCopie15->SetBounds(4, 2 * h3 + 2, 240, std::max(h3 - 4, 10));
    const int hg = std::max((Panel3->Height() - 28) / 4, 111);
    const int lg = Panel3->Width();
    Graph2->SetBounds(0, 0, lg, hg);
    Graph3->SetBounds(0, hg, lg, hg);
    Graph4->SetBounds(0, 2 * hg, lg, hg);
    FondCopie19->SetBounds(0, 3 * hg, lg, std::max(Panel3->Height() - 3 * hg, 40));
    Editserie->SetBounds(10, 10, std::max(FondCopie19->Width() - 20, 10), std::max(FondCopie19->Height() - 20, 10));
    // goals page
    const int hp = ts_RepartitionBut->Height() / 2;
    GraphBarre1->SetBounds(0, 0, ts_RepartitionBut->Width(), hp);
    GraphBarre2->SetBounds(0, hp, ts_RepartitionBut->Width(), hp);
    b_ChangeBut->SetLeft(std::max(ts_RepartitionBut->Width() - b_ChangeBut->Width() - 4, 0));
    b_ChangeBut->BringToFront();
    // players page: the panel of the kinds as wide as their captions need
    if (auto* panneau = static_cast<TWinControl*>(FondCopie7->Parent())) {
        int largeur = 190;
        for (const auto& [radio, type] : TypesRadios) {
            const int l = std::max(170, radio->LargeurNecessaire() + 2);
            radio->SetWidth(l);
            if (radio->Visible())
                largeur = std::max(largeur, radio->Left() + l + 10);
        }
        if (panneau->Width() != largeur)
            panneau->SetWidth(largeur);
    }
    // grids centred
    TailleGrille(sg_Buteur, 21);
    Centre(sg_Buteur, sb_InfoJoueur->Width());
    sg_Buteur->SetTop(10);
    TailleGrille(sg_PointPris, 20);
    Centre(sg_PointPris, ScrollBox1->Width());
    sg_PointPris->SetTop(10);
    TailleGrille(sg_Stats, 20);
    Centre(sg_Stats, sg_Stats->Parent() ? sg_Stats->Parent()->Width() : W);
    sg_Stats->SetTop(10);
}

void Tf_StatEquipe::sb_CompositionResize(TObject*)
{
    sb_Composition->SetHorzPosition(0);
    sb_Composition->SetVertPosition(0);
    int largeur = 0;
    for (int k = 0; k < sg_Composition->ColCount(); ++k)
        largeur += sg_Composition->ColWidths(k) + 1;
    sg_Composition->ChangeHauteurLignes(19);
    sg_Composition->SetHeight(sg_Composition->RowCount() * 20 + 50);
    sg_Composition->SetWidth(std::max(LargeurComposition(), largeur + 2));
    const int W = sb_Composition->Width(), H = sb_Composition->Height();
    sg_Composition->SetLeft(W > sg_Composition->Width() ? (W - sg_Composition->Width()) / 2 : 0);
    sg_Composition->SetTop(H > sg_Composition->Height() ? (H - sg_Composition->Height()) / 2 : 0);
}

void Tf_StatEquipe::SymbolesAffluence()
{
    GraphSpect->ChangeSymbolesCourbe(0, SpeedButton14->Down());
    GraphSpect->ChangeSymbolesCourbe(1, SpeedButton15->Down());
}

void Tf_StatEquipe::GraphSpectMouseMove(int X, int Y)
{
    int serie = -1;
    const TPointGraphe* p = GraphSpect->PointSousSouris(X, Y, serie);
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!p || !c || p->X < 1 || p->X > c->DerniereJournee) {
        FondCopie21->SetVisible(false);
        return;
    }
    const std::string nous = Saison->NomEquipePosition(equipe_);
    const std::string eux = Saison->NomEquipeCourant(GraphSpect->ValeurPoint(2, p->X));
    Label85->SetCaption(serie == 0 ? nous : eux);
    Label87->SetCaption(serie == 0 ? eux : nous);
    Label88->SetCaption(IntToStr(p->Y));
    FondCopie21->SetVisible(true);
    FondCopie21->BringToFront();
}

bool Tf_StatEquipe::PageImprimable(int page) { return (page >= 1 && page <= 6) || page == 8 || (page >= 10 && page <= 12); }
// Page 8 keeps the page of its points per opponent.
bool Tf_StatEquipe::PageHTML(int page) { return page == 1 || (page >= 3 && page <= 11); }
