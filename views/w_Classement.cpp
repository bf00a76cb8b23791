#include "views/w_Classement.h"
#include "views/OutilsVues.h"

#include <memory>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/GestionFonction.h"
#include "views/AfficheClassement.h"
#include "views/cadreParamClassement.h"
#include "views/w_ChoixClas.h"
#include "views/Textes.h"

namespace {

using vues::Texte;

constexpr TColor Aqua = 0xFFFF00;
constexpr TColor Jaune = 0x00FFFF;

// The positions of a group's teams in a championship.
std::vector<int> PositionsGroupe(const TDonneesChampionnat& c, const TGroupeEquipe& g)
{
    std::vector<int> v;
    for (int i = 0; i < g.NbEquipe(); ++i) {
        const int p = c.IndexEquipe(g.Equipe(i));
        if (p >= 0)
            v.push_back(p);
    }
    return v;
}

}  // namespace

// ============================================================================
// creation
// ============================================================================

Tf_Classement::Tf_Classement(TComponent* AOwner) : TFootForm(AOwner)
{
    CreeComposants();
    Label133->SetCaption(Texte(758, L1("Barème :")));
    Label78->SetCaption(Texte(758, L1("Barème :")));
    Label134->SetCaption(Texte(759, "A domicile"));
    Label138->SetCaption(Texte(763, L1("A l'extérieur")));
    Label1->SetCaption(Texte(1364, "point(s)"));
    Label2->SetCaption(Texte(1364, "point(s)"));
    Label79->SetCaption(Texte(767, "par carton jaune"));
    Label80->SetCaption(Texte(768, "par carton rouge"));
    mi_General->SetCaption(Texte(670, L1("&Général")));
    mi_Domicile->SetCaption(Texte(759, "A &Domicile"));
    mi_Exterieur->SetCaption(Texte(763, "A l'&Exterieur"));
    mi_ChoixJournees->SetCaption(Texte(871, L1("Choix des journées")));
    codeType_ = 1;
    typeEffectif_ = -1;
    DoCreate();
}

Tf_Classement::~Tf_Classement() = default;

void Tf_Classement::AppliqueCouleurs()
{
    TFootForm::AppliqueCouleurs();
    if (tc_Classement)
        tc_Classement->SetColor(Couleurs.fondfonce);
    if (sb_Tableau)
        sb_Tableau->SetColor(Couleurs.fondfonce);
}

void Tf_Classement::CreeComposants()
{
    SetName("f_Classement");
    SetCaption("f_Classement");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);

    CadreParam = new TParamClassement(this);
    CadreParam->SetParent(this);
    CadreParam->cb_Champ->OnChange = [this](TObject* s) { CadreParamcb_ChampChange(s); };
    CadreParam->cb_Tranche->OnChange = [this](TObject* s) { CadreParamcb_TrancheChange(s); };

    auto panneau = [this](const char* nom, int largeur) {
        auto* f = new TFondCopie(this);
        f->SetName(nom);
        if (Dessin)
            f->SetModele(Dessin->Fond("FondCarrebleu"));
        f->SetAlign(alRight);
        f->SetWidth(largeur);
        f->SetParent(this);
        f->SetVisible(false);
        return f;
    };
    auto label = [this](TWinControl* parent, const char* nom, const std::string& texte, TColor couleur, int y,
                        int h, bool titre) {
        auto* l = new TLabel(this);
        l->SetName(nom);
        l->SetCaption(texte);
        l->SetTransparent(true);
        l->SetWordWrap(h > 18);
        l->Font().SetColor(couleur);
        l->Font().SetStyle(titre ? static_cast<TFontStyles>(fsBold | fsUnderline) : 0u);
        l->SetBounds(8, y, parent->Width() - 14, h);
        l->SetParent(parent);
        return l;
    };

    // the English-average scale
    FondAnglais = panneau("FondAnglais", 150);
    Label133 = label(FondAnglais, "Label133", L1("Barème :"), clWhite, 12, 30, true);
    Label134 = label(FondAnglais, "Label134", "A domicile", Aqua, 48, 16, true);
    Label135 = label(FondAnglais, "Label135", " 0 point pour une victoire", Aqua, 68, 30, false);
    Label136 = label(FondAnglais, "Label136", "-2 points pour un match nul", Aqua, 100, 30, false);
    Label137 = label(FondAnglais, "Label137", L1("-3 points pour une défaite"), Aqua, 132, 30, false);
    Label138 = label(FondAnglais, "Label138", L1("A l'extérieur"), Jaune, 176, 16, true);
    Label139 = label(FondAnglais, "Label139", " 3 points pour une victoire", Jaune, 196, 30, false);
    Label140 = label(FondAnglais, "Label140", " 1 point pour un match nul", Jaune, 228, 30, false);
    Label141 = label(FondAnglais, "Label141", L1(" 0 point pour une défaite"), Jaune, 260, 30, false);

    // the discipline scale
    FondfairplayEx = panneau("FondfairplayEx", 123);
    Label78 = label(FondfairplayEx, "Label78", L1("Barème :"), clWhite, 12, 16, true);
    Label79 = label(FondfairplayEx, "Label79", "par carton jaune", Jaune, 40, 30, false);
    Label80 = label(FondfairplayEx, "Label80", "par carton rouge", Jaune, 116, 30, false);
    Label79->Font().SetStyle(fsBold);
    Label80->Font().SetStyle(fsBold);
    auto edit = [this](const char* nom, const char* texte, int y) {
        auto* e = new TEdit(this);
        e->SetName(nom);
        e->SetText(texte);
        e->SetMaxLength(2);
        e->SetBounds(8, y, 32, 22);
        e->SetParent(FondfairplayEx);
        e->OnChange = [this](TObject* s) { e_PointJauneChange(s); };
        return e;
    };
    auto updown = [this](const char* nom, TEdit* e, int position) {
        auto* u = new TUpDown(this);
        u->SetName(nom);
        u->Min = 1;
        u->Max = 99;
        u->SetBounds(40, e->Top(), 16, 22);
        u->SetParent(FondfairplayEx);
        lectureIni_ = true;   // no settings write while the boxes are built
        u->SetPosition(position);
        u->SetAssociate(e);
        lectureIni_ = false;
        return u;
    };
    e_PointJaune = edit("e_PointJaune", "1", 74);
    ud_PointJaune = updown("ud_PointJaune", e_PointJaune, 1);
    e_PointRouge = edit("e_PointRouge", "3", 150);
    ud_PointRouge = updown("ud_PointRouge", e_PointRouge, 3);
    Label1 = label(FondfairplayEx, "Label1", "point(s)", clWhite, 78, 16, false);
    Label2 = label(FondfairplayEx, "Label2", "point(s)", clWhite, 154, 16, false);
    Label1->SetBounds(62, 78, 56, 16);
    Label2->SetBounds(62, 154, 56, 16);

    // the table
    tc_Classement = new TTabControl(this);
    tc_Classement->SetName("tc_Classement");
    tc_Classement->SetAlign(alClient);
    tc_Classement->SetColor(CouleurFondFonceDessin);
    tc_Classement->SetParent(this);
    tc_Classement->OnChange = [this](TObject* s) { tc_ClassementChange(s); };

    sb_Tableau = new TScrollBox(this);
    sb_Tableau->SetName("sb_Tableau");
    sb_Tableau->SetBorderStyle(bsNone);
    sb_Tableau->SetAlign(alClient);
    sb_Tableau->SetColor(CouleurFondFonceDessin);
    sb_Tableau->SetParent(tc_Classement);
    sb_Tableau->OnResize = [this](TObject* s) { FondScroll4resize(s); };

    sg_titre = new TColorStringGrid(this);
    sg_titre->SetName("sg_titre");
    sg_titre->SetBorderStyle(bsNone);
    sg_titre->SetScrollBars(ssNone);
    sg_titre->SetColCount(2);
    sg_titre->SetRowCount(1);
    sg_titre->SetFixedCols(0);
    sg_titre->SetFixedRows(0);
    sg_titre->SetSelectionVisible(false);
    sg_titre->SetVisible(false);
    sg_titre->SetParent(sb_Tableau);

    sg_Classement = new TColorStringGrid(this);
    sg_Classement->SetName("sg_Classement");
    sg_Classement->SetBorderStyle(bsNone);
    sg_Classement->SetScrollBars(ssNone);
    sg_Classement->SetFixedCols(0);
    sg_Classement->ChangeHauteurLignes(20);
    sg_Classement->SetSelectionVisible(false);
    sg_Classement->FocusRectVisible = true;
    sg_Classement->FixedInBold = true;
    sg_Classement->TriCol = true;
    sg_Classement->TriConserveFond = true;
    sg_Classement->SetCouleurSelection(0x800000);
    sg_Classement->SetCouleurTexteSelection(0xFFFFFF);
    sg_Classement->SetParent(sb_Tableau);

    // popups
    Popupclassement = new TPopupMenu(this);
    Popupclassement->SetName("Popupclassement");
    auto radio = [this](const char* nom, const std::string& texte) {
        auto* mi = new TMenuItem(this);
        mi->SetName(nom);
        mi->SetCaption(texte);
        mi->SetRadioItem(true);
        mi->SetGroupIndex(1);
        mi->OnClick = [this](TObject* s) { mi_ExterieurClick(s); };
        Popupclassement->Items()->Add(mi);
        return mi;
    };
    mi_General = radio("mi_General", L1("&Général"));
    mi_Domicile = radio("mi_Domicile", "A &Domicile");
    mi_Exterieur = radio("mi_Exterieur", "A l'&Exterieur");
    mi_General->SetChecked(true);

    Popupchoixj = new TPopupMenu(this);
    Popupchoixj->SetName("Popupchoixj");
    mi_ChoixJournees = new TMenuItem(this);
    mi_ChoixJournees->SetName("mi_ChoixJournees");
    mi_ChoixJournees->SetCaption(L1("Choix des journées"));
    mi_ChoixJournees->OnClick = [this](TObject* s) { mi_ChoixJourneesClick(s); };
    Popupchoixj->Items()->Add(mi_ChoixJournees);
}

// ============================================================================
// the window protocol
// ============================================================================

TDonneesChampionnat* Tf_Classement::Courant() const
{
    return Saison ? Saison->ChampionnatCourant() : nullptr;
}

bool Tf_Classement::TerrainNeutre() const
{
    const TDonneesChampionnat* c = Courant();
    return c && (c->Option(11) & 2) != 0;
}

void Tf_Classement::ChangeSaison(TSaison* saison)
{
    TFootForm::ChangeSaison(saison);
    const TDonneesChampionnat* c = Courant();
    if (!c)
        return;
    TLabel* labels[6] = {Label135, Label136, Label137, Label139, Label140, Label141};
    for (int i = 0; i < 6; ++i) {
        const int v = static_cast<int16_t>(c->Option(21 + i));
        const std::string points = TraduireFormat(IdTexteNombre(1485, 1484, v), {v});
        labels[i]->SetCaption(TraduireFormat((i < 3 ? 760 : 761) + i, {points}));
    }
}

void Tf_Classement::Imprime() { sg_Classement->Imprime(EnTeteTableau()); }

void Tf_Classement::EnregistreHTML(const std::string& nomFichier)
{
    sg_Classement->EnregistreHTML(nomFichier, true, EnTeteTableau());
}

TEnTeteHTML Tf_Classement::EnTeteTableau() const
{
    // Headed as the window: the table's title, the competition, and over the
    // full table the home and away groups.
    std::vector<std::string> titres = {
        classement::TexteStatut(typeEffectif_, Saison, CadreParam->Premiere(), CadreParam->Derniere())};
    // the championships counted, when a wider competition is chosen
    const std::vector<std::string> choix = vues::TitresChoix(*this, titres.front(), {}, CadreParam);
    titres.insert(titres.end(), choix.begin() + 1, choix.end());
    if (const TDonneesChampionnat* c = Courant())
        if (const TDescNoeud* n = Saison->Arbre().NoeudParCode(c->CodeChamp, true))
            titres.push_back(n->NomComplet());
    std::vector<TEnTeteHTML::TBande> bandes;
    if (typeEffectif_ == 9 && sg_Classement->ColCount() >= 20)
        for (int i = 0; i < 2; ++i)
            bandes.push_back({10 + 5 * i, 14 + 5 * i, sg_titre->Cells(i, 0)});
    return EnTete(titres, bandes);
}

// ============================================================================
// showing a table
// ============================================================================

void Tf_Classement::AfficheClassement(int code, const std::string& ini)
{
    cheminIni_ = ini;

    // 2. one tab per group
    TDonneesChampionnat* c = Courant();
    tc_Classement->Tabs().Clear();
    if (c && c->NbGroupes() > 0) {
        tc_Classement->Tabs().AddObject(Texte(622, "Tous les groupes"), 0);
        for (int i = 0; i < c->NbGroupes(); ++i)
            if (TGroupeEquipe* g = c->Groupe(i))
                tc_Classement->Tabs().AddObject(g->NomGroupe, reinterpret_cast<TStrings::Object>(g));
        tc_Classement->SetTabIndex(0);
    }

    // 3. the kind
    codeType_ = code;
    typeEffectif_ = code + 1;
    const bool neutre = TerrainNeutre();
    if (typeEffectif_ == 1 && !neutre)
        typeEffectif_ = 9;

    // 4.
    sg_Classement->ChangeValeursColonne(2, TCouleurPoint{0, 0});

    // 5. popup and hint
    const int k = code + 1;
    if ((k == 5 || k == 6 || (k >= 100 && k <= 114)) && !neutre) {
        SetPopupMenu(Popupclassement);
        sg_Classement->SetShowHint(true);
        sg_Classement->SetHint(Texte(132, ""));
        if (mi_Domicile->Checked())
            typeEffectif_ = k >= 100 ? k + 1 : k + 5;
        else if (mi_Exterieur->Checked())
            typeEffectif_ = k >= 100 ? k + 2 : k + 7;
    } else if (k >= 1 && k <= 3) {
        SetPopupMenu(Popupchoixj);
        sg_Classement->SetShowHint(true);
        sg_Classement->SetHint(Texte(133, ""));
    } else {
        SetPopupMenu(nullptr);
        sg_Classement->SetShowHint(false);
        sg_Classement->SetHint("");
    }
    sg_Classement->SetPopupMenu(PopupMenu());
    sb_Tableau->SetPopupMenu(PopupMenu());

    // 6., 7. the scales
    FondAnglais->SetVisible(k == 4);
    if (k == 7) {
        FondfairplayEx->SetVisible(true);
        TIniFile f(cheminIni_);
        lectureIni_ = true;
        ud_PointJaune->SetPosition(f.ReadInteger("General", "PointJaune", 1));
        ud_PointRouge->SetPosition(f.ReadInteger("General", "PointRouge", 3));
        lectureIni_ = false;
    } else {
        FondfairplayEx->SetVisible(false);
    }

    // 8.
    RemplitClassement(true, nullptr);
}

void Tf_Classement::RemplitClassement(bool initCadre, const std::vector<int>* filtre)
{
    const int t = typeEffectif_;
    if (initCadre) {
        const bool donnees = !(t == 1 || t == 2 || t == 3 || t == 4 || t == 9);
        // the teams' ages count no matchday: no range is offered for them
        CadreParam->Init(*Couleurs.Couleur(15), Saison, donnees, t != 115);
    }
    TDonneesChampionnat* c = Courant();
    if (!c || t < 0) {
        sg_Classement->SetRowCount(1);
        sg_titre->SetVisible(false);
        return;
    }

    // The data of a wider node count only while their list is offered (not
    // for the points tables, which never offer it).
    std::unique_ptr<TCalculClassement> calcul;
    const auto* liste = CadreParam->cb_Champ->Visible() ? CadreParam->ListeChoisie() : nullptr;
    if (liste && !liste->empty())
        calcul = std::make_unique<TCalculClassement>(*liste, Saison);
    else
        calcul = std::make_unique<TCalculClassement>(c, Saison);
    calcul->PoidsJaune = ud_PointJaune->Position();
    calcul->PoidsRouge = ud_PointRouge->Position();

    AfficheGrille(*calcul, t, *sg_Classement, sg_titre, CadreParam->Premiere(), CadreParam->Derniere(), Statut, 2,
                  Couleurs, filtre);

    if (t == 8)
        sg_Classement->OnHotTrackClick = [this](TObject* s, int col, int row) { ClicAffluence(s, col, row); };
    else if (t >= 100 && t <= 114)
        sg_Classement->OnHotTrackClick = [this](TObject* s, int col, int row) { ClicStatistique(s, col, row); };

    FondScroll4resize(sb_Tableau);
}

// ============================================================================
// layout
// ============================================================================

void Tf_Classement::FondScroll4resize(TObject*)
{
    const int W = sb_Tableau->ClientWidth(), H = sb_Tableau->ClientHeight();
    sb_Tableau->SetHorzPosition(0);
    sb_Tableau->SetVertPosition(0);
    if (W <= 0 || H <= 0)
        return;
    int hauteur = 0, largeur = 0;
    sg_Classement->CalculeTaille(W - 20, codeType_ == 0 ? H - 50 : H - 20, hauteur, largeur);
    int gauche = (W - largeur) / 2;
    if (gauche < 0)
        gauche = 2;
    sg_Classement->SetBounds(gauche, sg_Classement->Top(), largeur, hauteur - 1);

    const int s = H - sg_Classement->Height();
    const int t = sg_Classement->RowHeights(0) - 1;
    if (codeType_ == 0) {
        // each heading over five columns and the lines between them
        int l = 4;
        for (int k = 10; k < 15; ++k)
            l += sg_Classement->ColCount() > k ? sg_Classement->ColWidths(k) : 30;
        sg_titre->ChangeLargeurColonne(0, l);
        sg_titre->ChangeLargeurColonne(1, l);
        const int rows = std::max(1, sg_Classement->RowCount());
        sg_titre->ChangeHauteurLigne(0, sg_Classement->Height() / rows - 1);
    }
    int haut;
    if (codeType_ == 0)
        haut = s - t < 0 ? 23 : (s - t) / 2 + t;
    else
        haut = s < 0 ? 2 : s / 2;
    sg_Classement->SetTop(haut);
    if (sg_titre->Visible()) {
        const int l = 2 * sg_titre->LargeurColonne(0) + 1;
        const int h = sg_titre->HauteurLigne(0) + 1;
        sg_titre->SetBounds(gauche + sg_Classement->Width() - l, haut - t - 1, l, h);
    }
}

// ============================================================================
// user choices
// ============================================================================

void Tf_Classement::mi_ExterieurClick(TObject* Sender)
{
    if (auto* mi = dynamic_cast<TMenuItem*>(Sender))
        mi->SetChecked(true);
    AfficheClassement(codeType_, cheminIni_);
}

void Tf_Classement::mi_ChoixJourneesClick(TObject*)
{
    auto d = std::make_unique<Tf_Choixclass>(this);
    d->ChangeCouleurs(Couleurs);
    d->ChangeSaison(Saison);
    if (d->ShowModal() == mrOk) {
        CadreParam->ChoisitTranche(static_cast<int>(d->Tag >> 8), static_cast<int>(d->Tag & 255));
        RemplitClassement(false, nullptr);
    }
}

void Tf_Classement::tc_ClassementChange(TObject*)
{
    const int i = tc_Classement->TabIndex();
    auto* g = i >= 0 ? tc_Classement->Tabs().ObjectPtr<TGroupeEquipe>(i) : nullptr;
    TDonneesChampionnat* c = Courant();
    if (g && c) {
        const std::vector<int> filtre = PositionsGroupe(*c, *g);
        CadreParam->OublieDonnees();
        RemplitClassement(false, &filtre);
    } else {
        RemplitClassement(false, nullptr);
    }
}

void Tf_Classement::CadreParamcb_ChampChange(TObject* Sender)
{
    CadreParam->cb_ChampChange(Sender);
    RemplitClassement(false, nullptr);
}

void Tf_Classement::CadreParamcb_TrancheChange(TObject* Sender)
{
    CadreParam->cb_TrancheChange(Sender);
    RemplitClassement(false, nullptr);
}

void Tf_Classement::e_PointJauneChange(TObject* Sender)
{
    if (lectureIni_)
        return;
    // A typed value moves the up-down (which writes the box back: ignored).
    const bool jaune = Sender == e_PointJaune;
    TEdit* e = jaune ? e_PointJaune : e_PointRouge;
    TUpDown* u = jaune ? ud_PointJaune : ud_PointRouge;
    const int v = StrToIntDef(e->GetText(), u->Position());
    if (v != u->Position()) {
        lectureIni_ = true;
        u->SetPosition(v);
        lectureIni_ = false;
    }
    if (!cheminIni_.empty()) {
        TIniFile f(cheminIni_);
        if (jaune)
            f.WriteInteger("General", "PointJaune", ud_PointJaune->Position());
        else
            f.WriteInteger("General", "PointRouge", ud_PointRouge->Position());
    }
    RemplitClassement(true, nullptr);
}

void Tf_Classement::ClicAffluence(TObject*, int ACol, int ARow)
{
    TDonneesChampionnat* c = Courant();
    if (!ExecuteCommande || !c)
        return;
    ExecuteCommande(128, c->IndexEquipe(sg_Classement->DonneeCellule(ACol, ARow)), false);
}

void Tf_Classement::ClicStatistique(TObject*, int ACol, int ARow)
{
    TDonneesChampionnat* c = Courant();
    if (!ExecuteCommande || !c)
        return;
    const int portee = mi_Domicile->Checked() ? 2 : mi_Exterieur->Checked() ? 3 : 1;
    const int p = c->IndexEquipe(sg_Classement->DonneeCellule(ACol, ARow));
    ExecuteCommande(130, p + portee * (1 << 24), false);
}

// ============================================================================
// page-template functions
// ============================================================================

int Tf_Classement::TypeParNom(const std::string& nom)
{
    static const std::pair<const char*, int> types[] = {
        {"general", 1},          {"generalcomplet", 9},  {"domicile", 2},       {"exterieur", 3},
        {"moyenneanglaise", 4},  {"attaque", 5},         {"defense", 6},        {"attaqueessai", 40},
        {"defenseessai", 41},    {"penalitemarque", 42}, {"penaliteconcede", 43}, {"dropmarque", 44},
        {"dropconcede", 45},     {"discipline", 7},      {"affluence", 8},
    };
    const std::string n = LowerCase(nom);
    for (const auto& [texte, type] : types)
        if (n == texte)
            return type;
    return 1;
}

std::string Tf_Classement::TableClassementHTML(int type, TDonneesChampionnat* championnat, TSaison* saison,
                                               const std::string& groupe, int pointJaune, int pointRouge,
                                               const TStringList& Parametres, const TCouleurElement& couleurs)
{
    if (!championnat)
        return {};
    TCalculClassement calcul(championnat, saison);
    calcul.PoidsJaune = pointJaune;
    calcul.PoidsRouge = pointRouge;
    std::vector<int> filtre;
    bool avecFiltre = false;
    if (!groupe.empty())
        for (int i = 0; i < championnat->NbGroupes(); ++i)
            if (TGroupeEquipe* g = championnat->Groupe(i); g && g->NomGroupe == groupe) {
                filtre = PositionsGroupe(*championnat, *g);
                avecFiltre = true;
                break;
            }
    TColorGridModel grille;
    AfficheGrille(calcul, type, grille, 1, championnat->DerniereJournee, couleurs, avecFiltre ? &filtre : nullptr);
    std::string html;
    grille.TableHTML(vues::CouleursParametres(Parametres), html, 0, "#FFFFFF");
    return html;
}

void Tf_Classement::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                    const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    Resultat.clear();
    if (Nom == "ClassementEquipe") {
        const int type = TypeParNom(TFonctionsGabarit::Parametre("Type", Parametres, ""));
        Resultat = TableClassementHTML(type, TFonctionsGabarit::ChampionnatParametre(Parametres, saison), saison,
                                       TFonctionsGabarit::Parametre("Groupe", Parametres, ""),
                                       TFonctionsGabarit::ParametreEntier("PointJaune", Parametres, 1),
                                       TFonctionsGabarit::ParametreEntier("PointRouge", Parametres, 3), Parametres, couleurs);
        return;
    }
    if (Nom == "AgeEquipe") {
        TDonneesChampionnat* c = TFonctionsGabarit::ChampionnatParametre(Parametres, saison);
        if (!c)
            return;
        TCalculClassement calcul(c, saison);
            TColorGridModel grille;
        AfficheGrille(calcul, 115, grille, 1, c->DerniereJournee, couleurs, nullptr);
        grille.TableHTML(vues::CouleursParametres(Parametres), Resultat, 0, "#FFFFFF");
        return;
    }
    TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
}

void EnregistreFonctionsClassement()
{
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    const TClasseVue classe{"Tf_Classement", [](TComponent* o) -> TForm* { return new Tf_Classement(o); }};
    GestionFonctions().Ajoute("ClassementEquipe", classe, 1);
    GestionFonctions().Ajoute("AgeEquipe", classe, 1);
}

namespace {
// The unit registers its functions when the program starts.
const bool fonctionsEnregistrees = (EnregistreFonctionsClassement(), true);
}  // namespace

// ============================================================================
// launcher
// ============================================================================

Tf_Classement* OuvreClassement(TComponent* owner, TWinControl* panneau, TForm* enfantCourant, TSaison* saison,
                               const TCouleurElement& couleurs, TStatusBar* statut, int mode,
                               const std::string& cheminIni)
{
    auto* f = dynamic_cast<Tf_Classement*>(enfantCourant);
    if (!f) {
        f = new Tf_Classement(owner);
        f->ChangeCouleurs(couleurs);
        f->ChangeSaison(saison);
        f->Statut = statut;
        IntegreFiche(f, panneau);
    } else if (f->Saison != saison) {
        f->ChangeSaison(saison);
    }
    f->AfficheClassement(mode - 1, cheminIni);
    return f;
}
