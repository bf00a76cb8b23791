#include "results/w_ButeursStat.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "model/ChampionnatStat.h"
#include "model/Joueurs.h"
#include "model/ChampsSaison.h"
#include "model/ListesJoueurs.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Mask.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Controles.h"
#include "ui/Nombres.h"
#include "ui/Afficheur.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/message2.h"
#include "views/Textes.h"

using vues::Texte;

namespace {

constexpr int TailleNumero = 8;
constexpr TColor Jaune = 0x00FFFF;
constexpr TColor Blanc = 0xFFFFFF;
constexpr int SeuilGlisse = 10;

// A count typed in a statistic cell: digits only (surrounding blanks
// allowed); -1 for anything else. Empty counts 0.
int Compte(const std::string& texte)
{
    const std::string t = Trim(texte);
    if (t.empty())
        return 0;
    if (t.size() > 5 || !std::all_of(t.begin(), t.end(), [](unsigned char c) { return std::isdigit(c); }))
        return -1;
    return std::min(std::stoi(t), 65535);
}

TEdit* Note(TComponent* owner, TWinControl* parent, const char* nom, int x, int y)
{
    auto* e = new TEdit(owner);
    e->SetName(nom);
    e->SetBounds(x, y, 30, 21);
    e->SetMaxLength(3);
    e->SetParent(parent);
    return e;
}

TComboBox* Boite(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int w)
{
    auto* b = new TComboBox(owner);
    b->SetName(nom);
    b->SetStyle(csDropDownList);
    b->SetBounds(x, y, w, 21);
    b->SetParent(parent);
    return b;
}

}  // namespace

Tf_ButeursStat::Tf_ButeursStat(TComponent* AOwner, int nbOfficiels, int nbColonnes, int premier, int dernier,
                               int sport)
    : Tf_InfoMatchCadreBase(AOwner), nbOfficiels_(nbOfficiels), nbColonnes_(nbColonnes), premier_(premier),
      dernier_(dernier), sport_(sport)
{
    SetName("f_ButeursStat");
    SetCaption("f_ButeursStat");
    stats_ = std::make_unique<TListeStatTir>(sport);

    Panel2 = resultats::Fond(this, this, "Panel2", "FondCarrebleu", 0, 40, 550, 112);
    Label2 = resultats::Label(this, Panel2, "Label2", 8, 4, 90, Jaune, true, "Spectateurs :");
    AffichageScore = new TAffichage(this);
    AffichageScore->SetName("AffichageScore");
    AffichageScore->SetNb_case(6);
    AffichageScore->SetBounds(8, 20, 6 * 34, 46);
    AffichageScore->Edition = true;
    AffichageScore->SetTabStop(true);
    AffichageScore->SetParent(Panel2);
    AffichageScore->OnKeyPress = [this](TObject*, char&) { AffichageScoreKeyPress(); };
    Label3 = resultats::Label(this, Panel2, "Label3", 8, 70, 90, Jaune, true, "Stade");
    cb_Stade = Boite(this, Panel2, "cb_Stade", 8, 86, 182);
    Label5 = resultats::Legende(this, Panel2, "Label5", 194, 58, 60, Jaune, "Note Match");
    e_NoteMatch = Note(this, Panel2, "e_NoteMatch", 194, 86);
    Label1 = resultats::Label(this, Panel2, "Label1", 256, 4, 200, Jaune, true, "Arbitre");
    Label4 = resultats::Label(this, Panel2, "Label4", 508, 4, 42, Jaune, true, "Note");
    Label7 = resultats::Label(this, Panel2, "Label7", 508, 4, 42, Jaune, true, "Note");
    Label6 = resultats::Label(this, Panel2, "Label6", 508, 4, 42, Jaune, true, "Note");
    Label7->SetVisible(false);
    Label6->SetVisible(false);
    TComboBox** boites[3] = {&cb_Arbitre, &cb_Arbitre2, &cb_Arbitre3};
    TEdit** notes[3] = {&e_NoteArbitre, &e_NoteArbitre2, &e_NoteArbitre3};
    static const char* nomsBoites[3] = {"cb_Arbitre", "cb_Arbitre2", "cb_Arbitre3"};
    static const char* nomsNotes[3] = {"e_NoteArbitre", "e_NoteArbitre2", "e_NoteArbitre3"};
    for (int k = 0; k < 3; ++k) {
        *boites[k] = Boite(this, Panel2, nomsBoites[k], 256, 20 + 30 * k, 250);
        *notes[k] = Note(this, Panel2, nomsNotes[k], 512, 20 + 30 * k);
        TComboBox* b = *boites[k];
        b->OnChange = [this, b](TObject*) { VerifieArbitre(b); };
        (*notes[k])->OnChange = [this](TObject*) { e_NoteArbitreChange(); };
        pm_AjoutArbitre[k] = new TPopupMenu(this);
        auto* mi = new TMenuItem(pm_AjoutArbitre[k]);
        mi->SetCaption(Texte(346, "Ajouter un arbitre"));
        mi->OnClick = [this, b](TObject*) { AjouteArbitre(b); };
        pm_AjoutArbitre[k]->Items()->Add(mi);
        if (k == 0)
            mi_AjouterArbitre = mi;
        b->SetPopupMenu(pm_AjoutArbitre[k]);
        if (k >= nbOfficiels) {
            b->SetVisible(false);
            (*notes[k])->SetVisible(false);
        }
    }
    cb_Stade->OnChange = [this](TObject*) { VerifieArbitre(cb_Arbitre); };
    e_NoteMatch->OnChange = [this](TObject*) { e_NoteArbitreChange(); };
    feuille::DeclareNotes({e_NoteArbitre, e_NoteArbitre2, e_NoteArbitre3, e_NoteMatch});

    tc_StatTir = new TTabControl(this);
    tc_StatTir->SetName("tc_StatTir");
    tc_StatTir->SetStyle(tsButtons);
    // Without a match shown, the tabs name the two sides.
    tc_StatTir->Tabs().Add(Texte(222, L1("Équipe à domicile")));
    tc_StatTir->Tabs().Add(Texte(224, L1("Équipe à l'extérieur")));
    tc_StatTir->SetParent(this);
    tc_StatTir->OnChanging = [this](TObject*, bool& autorise) { OngletChanging(autorise); };
    tc_StatTir->OnChange = [this](TObject*) { OngletChange(); };

    l_EquipeDomicile = new TListe(this);
    l_EquipeDomicile->SetName("l_EquipeDomicile");
    l_EquipeDomicile->TailleNomLong = TailleNumero;
    l_EquipeDomicile->CanDrag = true;
    l_EquipeDomicile->SetTabStop(false);
    l_EquipeDomicile->SetParent(tc_StatTir);
    l_EquipeDomicile->OnDblClick = [this](TObject*) { AjouteJoueur(csc_StatTir, l_EquipeDomicile->ItemIndex()); };
    // Enter on a player puts him in the grid, as a double click does.
    l_EquipeDomicile->OnKeyDown = [this](TObject*, WORD& k, TShiftState) {
        if (k != VK_RETURN)
            return;
        k = 0;
        AjouteJoueur(csc_StatTir, l_EquipeDomicile->ItemIndex());
    };
    l_EquipeDomicile->OnDragOver = [this](TObject*, TObject* source, int, int, TDragState, bool& accepte) {
        auto* g = dynamic_cast<TColorStringGrid*>(source);
        accepte = g && Propre(g) && ligneTiree_ >= 1 && ligneTiree_ <= g->RowCount() - 2;
    };
    l_EquipeDomicile->OnDragDrop = [this](TObject*, TObject* source, int, int) {
        if (auto* g = dynamic_cast<TColorStringGrid*>(source); g && Propre(g))
            RetireLigne(g, ligneTiree_);
    };
    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetBorderStyle(bsNone);
    ScrollBox1->SetColor(CouleurFondFonceDessin);
    ScrollBox1->SetParent(tc_StatTir);
    for (int k = 0; k < 2; ++k) {
        auto* g = new TColorStringGrid(this);
        g->SetName(k == 0 ? "csc_StatGardien" : "csc_StatTir");
        g->SetFixedCols(0);
        g->SetFixedRows(1);
        g->SetColCount(2);
        g->SetRowCount(2);
        g->SetScrollBars(ssNone);
        g->SetAutoResize(false);
        g->SetSelectionVisible(true);
        g->SetOptions(g->Options() | goEditing | goTabs);
        g->SetParent(ScrollBox1);
        // The keyboard walks the cells: Tab and Enter row by row, the arrows
        // within the grid; it never leaves the grid.
        g->OnKeyDown = [this, g](TObject*, WORD& k, TShiftState sh) { GrilleKeyDown(g, k, sh); };
        g->EditorArrowsMoveCell = true;
        // The grid is as large as its cells (PlaceGrilles): the columns never
        // move under the mouse.
        g->OnTopLeftChanged = [g](TObject*) {
            if (g->LeftCol() > 0)
                g->SetLeftCol(0);
            if (g->TopRow() > 1)
                g->SetTopRow(1);
        };
        g->OnEditorReturn = [this, g](TObject*) {
            const TGridCoord c = CelluleVoisine(*g, g->Col(), g->Row(), VK_RETURN, false);
            g->FocusCell(c.X, c.Y, true);
            MontreCellule(g);
        };
        g->OnSetEditText = [this, g](TObject*, int col, int row, const std::string& v) { GrilleSetEditText(g, col, row, v); };
        g->OnGetEditMask = [this](TObject*, int col, int, std::string& m) { m = MasqueEdition(col); };
        g->OnGetEditMaximum = [this](int col, int) -> int64_t {
            return MasqueEdition(col).empty() ? 0 : Champ(TChamp::StatPoints).haut;
        };
        g->OnSelectCell = [this, g](TObject*, int col, int row, bool& possible) { GrilleSelectCell(g, col, row, possible); };
        g->OnMouseDown = [this, g](TObject*, TMouseButton b, TShiftState, int x, int y) {
            if (b != mbLeft)
                return;
            int col = -1, row = -1;
            g->MouseToCell(x, y, col, row);
            ligneTiree_ = row;
            if (row >= 1 && row <= g->RowCount() - 2)
                g->BeginDrag(false, SeuilGlisse);
        };
        g->OnDragOver = [this](TObject*, TObject* source, int, int, TDragState, bool& accepte) {
            accepte = source == l_EquipeDomicile;
        };
        g->OnDragDrop = [this, g](TObject*, TObject* source, int, int) {
            if (source == l_EquipeDomicile)
                AjouteJoueur(g, l_EquipeDomicile->ItemIndex());
        };
        (k == 0 ? csc_StatGardien : csc_StatTir) = g;
    }
    csc_StatGardien->SetVisible(false);

    OnResize = [this](TObject*) {
        fc_InfoMatchResize();
        const int haut = complet_ ? 153 : 41;
        Panel2->SetLeft(std::max(0, (ClientWidth() - Panel2->Width()) / 2));
        tc_StatTir->SetBounds(0, haut, ClientWidth(), std::max(60, ClientHeight() - haut));
        const TRect r = tc_StatTir->DisplayRect();
        l_EquipeDomicile->SetBounds(r.Left, r.Top, 150, r.Height());
        ScrollBox1->SetBounds(r.Left + 152, r.Top, std::max(60, r.Width() - 152), r.Height());
        if (l_Note)
            PlaceGrilles();
    };
}

Tf_ButeursStat::~Tf_ButeursStat() = default;

void Tf_ButeursStat::Termine()
{
    // Written while the sport's part still exists; the window going asks
    // nothing.
    termine_ = true;
    if (Saison)
        EnregistrePage(1);
    stats_.reset();
}

TDonneesChampionnatStat* Tf_ButeursStat::ChampionnatStat() const
{
    return dynamic_cast<TDonneesChampionnatStat*>(Championnat());
}

int Tf_ButeursStat::NbJoueurs(const TColorStringGrid& g) { return std::max(0, g.RowCount() - 2); }

int32_t Tf_ButeursStat::EquipeOnglet() const { return tc_StatTir->TabIndex() == 1 ? IdExterieur : IdDomicile; }

void Tf_ButeursStat::PrepareGrille(TColorStringGrid* g, int largeur0, int largeur, int hauteur, int hauteurTitre)
{
    std::vector<int>& l = largeurs_[g == csc_StatGardien ? 1 : 0];
    l.assign(static_cast<size_t>(nbColonnes_ + 1), largeur);
    l[0] = largeur0;
    g->SetColCount(nbColonnes_ + 1);
    g->SetFixedColor(Couleurs.fondfonce);
    g->SetDefaultColWidth(largeur);
    g->ChangeLargeurColonne(0, largeur0);
    for (int c = 1; c <= nbColonnes_; ++c)
        g->ChangeLargeurColonne(c, largeur);
    g->ChangeHauteurLignes(hauteur);
    g->ChangeHauteurLigne(0, hauteurTitre);
}

void Tf_ButeursStat::Titre(TColorStringGrid* g, int col, const std::string& texte, TColor couleur, TColor fond)
{
    g->RemplitCellule(col, 0, texte, 1, 1, couleur, fond == clNone ? Couleurs.fondfonce : fond, true);
    // A column is as wide as its title (bold) needs.
    std::vector<int>& l = largeurs_[g == csc_StatGardien ? 1 : 0];
    if (col >= 1 && col < static_cast<int>(l.size())) {
        TFont police = g->Font();
        police.SetStyle(police.Style() | fsBold);
        g->Canvas().Font.Assign(police);
        l[static_cast<size_t>(col)] = std::max(l[static_cast<size_t>(col)], g->Canvas().TextWidth(texte) + 8);
        g->ChangeLargeurColonne(col, l[static_cast<size_t>(col)]);
    }
}

int Tf_ButeursStat::LargeurColonne(TColorStringGrid* g, int col) const
{
    const std::vector<int>& l = largeurs_[g == csc_StatGardien ? 1 : 0];
    return col >= 0 && col < static_cast<int>(l.size()) ? l[static_cast<size_t>(col)] : 0;
}

void Tf_ButeursStat::AfficheEnTete(bool Complet)
{
    complet_ = Complet;
    Panel2->SetVisible(Complet);
    Dispose();
    if (OnResize)
        OnResize(this);
}

void Tf_ButeursStat::SetFenetrePrincipale(TComponent* fenetre)
{
    Tf_InfoMatchCadreBase::SetFenetrePrincipale(fenetre);
    csc_StatTir->FocusCell(1, 1, true);
    csc_StatGardien->FocusCell(1, 1, true);
}

feuille::TEnTeteComplet Tf_ButeursStat::EnTete() const
{
    feuille::TEnTeteComplet e;
    e.Affichage = AffichageScore;
    e.Officiels = {{cb_Arbitre, e_NoteArbitre}, {cb_Arbitre2, e_NoteArbitre2}, {cb_Arbitre3, e_NoteArbitre3}};
    e.Officiels.resize(static_cast<size_t>(nbOfficiels_));
    e.NoteMatch = e_NoteMatch;
    e.Stade = cb_Stade;
    return e;
}

void Tf_ButeursStat::AfficheMatch()
{
    std::vector<TComboBox*> arbitres = {cb_Arbitre, cb_Arbitre2, cb_Arbitre3};
    arbitres.resize(complet_ ? static_cast<size_t>(nbOfficiels_) : 0);
    AfficheEnTeteMatch(complet_, complet_ ? AffichageScore : nullptr, arbitres, complet_ ? e_NoteMatch : nullptr,
                       complet_ ? cb_Stade : nullptr);
    // A proposed club hall is written with the page's first entry, not by
    // viewing the match.
    Modifie = 0;
}

void Tf_ButeursStat::ChangeMatch()
{
    AfficheMatch();
    if (AffichageScore->Visible() && AffichageScore->CanFocus())
        AffichageScore->SetFocus();
}

void Tf_ButeursStat::AfficheLibelles()
{
    Modifie = 0;
    Label2->SetCaption(Texte(742, "Spectateurs :"));
    Label5->SetCaption(Texte(1035, "Note Match"));
    for (TLabel* l : {Label4, Label6, Label7})
        l->SetCaption(Texte(1173, "Note"));
    Label1->SetCaption(Texte(937, "Arbitres"));
    Label3->SetCaption(Texte(1272, "Salle"));
    mi_AjouterArbitre->SetCaption(Texte(346, "Ajouter un arbitre"));
}

void Tf_ButeursStat::RemplitPage(int Mode)
{
    if (Mode != 1) {
        l_EquipeDomicile->Items().Clear();
        for (TColorStringGrid* g : {csc_StatTir, csc_StatGardien}) {
            g->SetRowCount(2);
            g->EffaceLigne(1);
        }
        choix_.reset();
        gardes_.clear();
        tc_StatTir->Tabs().SetString(0, Texte(222, L1("Équipe à domicile")));
        tc_StatTir->Tabs().SetString(1, Texte(224, L1("Équipe à l'extérieur")));
        // Every column shows its title, as with a match.
        PlaceGrilles();
        return;
    }
    tc_StatTir->Tabs().SetString(0, c_EqDomicile->Text());
    tc_StatTir->Tabs().SetString(1, c_EqExterieur->Text());
    if (TDonneesChampionnat* c = Championnat(); c && complet_) {
        TEdit* notes[3] = {e_NoteArbitre, e_NoteArbitre2, e_NoteArbitre3};
        for (int k = 0; k < nbOfficiels_; ++k) {
            const int note = c->NoteOfficielMatch(c->NbJournee, MatchCourant, k + 1);
            notes[k]->SetText(note ? IntToStr(note) : "");
        }
    }
    csc_StatTir->SetVisible(true);
    AfficheEquipe(EquipeOnglet());
}

void Tf_ButeursStat::RemplitListe()
{
    l_EquipeDomicile->Items().BeginUpdate();
    l_EquipeDomicile->Items().Clear();
    if (choix_)
        for (int i = 0; i < choix_->Nombre(); ++i)
            if (TChoixJoueur* ch = choix_->ChoixJoueur(i); ch && !ch->Drapeau())
                l_EquipeDomicile->Items().Add(EntreeListe(ch->NumeroJoueur(), TailleNumero, true, ch->Texte));
    l_EquipeDomicile->Items().EndUpdate();
}

void Tf_ButeursStat::AjouteLigne(TColorStringGrid* g, int32_t id, const std::string& nom)
{
    // The totals row moves one down; an empty grid's row 1 takes the player.
    const int ligne = g->RowCount() - 1;
    g->SetRowCount(g->RowCount() + 1);
    g->EffaceLigne(ligne);
    g->RemplitCellule(0, ligne, nom, 0, 1, 0, Blanc, false);
    g->ChangeDonneeCellule(0, ligne, id);
    for (int c = 1; c <= nbColonnes_; ++c) {
        g->EcritCellule(c, ligne, "0");
        g->ChangeDonneeCellule(c, ligne, 0);
        g->ChangeAlignementHCellule(c, ligne, 1);
    }
}

void Tf_ButeursStat::EcritTotaux(TColorStringGrid* g)
{
    const int total = g->RowCount() - 1;
    g->EffaceLigne(total);
    g->RemplitCellule(0, total, "", 0, 1, Jaune, Couleurs.fondfonce, true);
    for (int c = 1; c <= nbColonnes_; ++c) {
        int somme = 0;
        for (int r = 1; r < total; ++r)
            somme += g->DonneeCellule(c, r);
        g->RemplitCellule(c, total, IntToStr(somme), 1, 1, Jaune, Couleurs.fondfonce, true);
        g->ChangeDonneeCellule(c, total, somme);
    }
}

void Tf_ButeursStat::PlaceGrilles()
{
    for (TColorStringGrid* g : {csc_StatGardien, csc_StatTir}) {
        // Every cell with its line, and the border: nothing of the grid is
        // out of its view, so that it never scrolls.
        int h = std::max(2, g->Height() - g->ClientHeight()), w = std::max(2, g->Width() - g->ClientWidth());
        for (int r = 0; r < g->RowCount(); ++r)
            h += g->HauteurLigne(r) + 1;
        for (int c = 0; c < g->ColCount(); ++c)
            w += g->LargeurColonne(c) + 1;
        g->SetBounds(0, g->Top(), w, h);
        // The whole grid shows: nothing is scrolled away.
        g->SetLeftCol(0);
        g->SetTopRow(1);
    }
    csc_StatGardien->SetTop(0);
    csc_StatTir->SetTop(csc_StatGardien->Visible() ? csc_StatGardien->Height() + 10 : 0);
    if (l_Note) {
        // Read whole without scrolling: as wide as the box shows.
        l_Note->SetAutoSize(false);
        l_Note->SetWordWrap(true);
        l_Note->SetBounds(0, csc_StatTir->Top() + csc_StatTir->Height() + 6, std::max(150, ScrollBox1->ClientWidth() - 8),
                          16);
        l_Note->SetAutoSize(true);
        l_Note->AdjustBounds();
    }
}

void Tf_ButeursStat::AfficheEquipeCodes(int32_t equipe, int premier, int dernier)
{
    TDonneesChampionnatStat* c = ChampionnatStat();
    if (!c || !Saison)
        return;
    MasqueColonnes();
    gardes_.clear();
    const int mode = sport_ == sportStatBasket ? (premier >= 13 ? 1 : 0) : 0;
    stats_->Calcule(equipe, Saison, true, *c, c->NbJournee, mode);
    choix_ = std::make_unique<TListeJoueur>();
    if (const TListJoueurEquipe* b = Saison->Joueurs().BlocEquipe(equipe))
        for (TJoueur* p : b->Joueurs())
            choix_->Insere(std::make_unique<TChoixJoueur>(p, 0), false);
    const bool gardienVisible = csc_StatGardien->Visible();
    for (TColorStringGrid* g : {csc_StatTir, csc_StatGardien}) {
        g->SetVisible(false);
        g->SetRowCount(2);
        g->EffaceLigne(1);
    }
    for (int i = 0; i < stats_->Nombre(); ++i) {
        const TStatTir* s = stats_->StatTir(i);
        if (TChoixJoueur* ch = choix_->ChercheIdJoueur(s->IdJoueur()))
            ch->SetDrapeau(1);
        const bool gardien = sport_ == sportStatHandball && (s->Valeur(36) & 128);
        TColorStringGrid* g = gardien ? csc_StatGardien : csc_StatTir;
        const std::string nom = s->Joueur() ? s->Joueur()->NomComplet() : Texte(3472, "Joueur inconnu");
        AjouteLigne(g, s->IdJoueur(), nom);
        const int ligne = g->RowCount() - 2;
        for (int code = premier; code <= dernier; ++code)
            if (const int col = Colonne(code, gardien)) {
                g->EcritCellule(col, ligne, IntToStr(s->Valeur(code)));
                g->ChangeDonneeCellule(col, ligne, s->Valeur(code));
            }
    }
    EcritTotaux(csc_StatTir);
    EcritTotaux(csc_StatGardien);
    csc_StatGardien->SetVisible(gardienVisible);
    csc_StatTir->SetVisible(true);
    PlaceGrilles();
    RemplitListe();
}

void Tf_ButeursStat::AjouteJoueur(TColorStringGrid* g, int index)
{
    if (!choix_ || index < 0 || index >= l_EquipeDomicile->Items().Count())
        return;
    const int32_t id = NumeroEntreeListe(l_EquipeDomicile->Items()[index], TailleNumero, true);
    TChoixJoueur* ch = choix_->ChercheIdJoueur(id);
    if (!ch || !ch->Joueur())
        return;
    ch->SetDrapeau(1);
    AjouteLigne(g, id, ch->Joueur()->NomComplet());
    EcritTotaux(g);
    l_EquipeDomicile->Items().Delete(index);
    if (g == csc_StatGardien)
        csc_StatGardien->SetVisible(true);
    PlaceGrilles();
    Modifie = 1;
    Signale();
}

void Tf_ButeursStat::RetireLigne(TColorStringGrid* g, int ligne)
{
    if (ligne < 1 || ligne > g->RowCount() - 2)
        return;
    if (choix_)
        if (TChoixJoueur* ch = choix_->ChercheIdJoueur(g->DonneeCellule(0, ligne)))
            ch->SetDrapeau(0);
    if (g->EditorMode())
        g->HideEditor();
    for (int r = ligne; r < g->RowCount() - 1; ++r)
        g->MoveRow(r + 1, r);
    // The row taken out went to the end: the grid loses it.
    g->SetRowCount(g->RowCount() - 1);
    if (g->RowCount() < 2)
        g->SetRowCount(2);
    EcritTotaux(g);
    PlaceGrilles();
    RemplitListe();
    Modifie = 1;
    ligneTiree_ = -1;
    Signale();
}

std::string Tf_ButeursStat::MasqueEdition(int col) const
{
    // Every statistic column takes a number only.
    // As wide as the season holds a count (Compte's bound).
    return col >= 1 && col <= nbColonnes_ ? DigitsMask(ChiffresChamp(TChamp::StatPoints)) : "";
}

void Tf_ButeursStat::GrilleSetEditText(TColorStringGrid* g, int col, int row, const std::string& valeur)
{
    if (col < 1 || col > nbColonnes_ || row < 1 || row > g->RowCount() - 2)
        return;
    const int n = Compte(valeur);
    if (n < 0) {
        // Not a number: the cell keeps its count.
        const std::string avant = IntToStr(g->DonneeCellule(col, row));
        g->EcritCellule(col, row, avant);
        if (g->EditorMode())
            g->SetEditorText(avant);
        return;
    }
    const bool memeCellule = edition_.Grille == g && edition_.Col == col && edition_.Row == row;
    if (g->EditorMode()) {
        // Each key while typing: the count before the cell was typed in is kept.
        if (!memeCellule)
            edition_ = {g, col, row, g->DonneeCellule(col, row)};
    } else {
        // The typed value is final: a made count above its attempts is refused,
        // the cell back to what it held, the cursor on it with the value
        // typed, to correct.
        const int avant = memeCellule ? edition_.Valeur : g->DonneeCellule(col, row);
        edition_ = {};
        std::string message;
        if (ReussisAuDela(g, col, row, n, message)) {
            EcritValeur(g, col, row, avant);
            g->EcritCellule(col, row, IntToStr(avant));
            Tf_MessageUtil::Affiche(message, mbuValider);
            g->RefuseEdit();
            return;
        }
    }
    Modifie = 1;
    EcritValeur(g, col, row, n);
}

void Tf_ButeursStat::EcritValeur(TColorStringGrid* g, int col, int row, int n)
{
    g->ChangeDonneeCellule(col, row, n);
    const int total = g->RowCount() - 1;
    int somme = 0;
    for (int r = 1; r < total; ++r)
        somme += g->DonneeCellule(col, r);
    g->EcritCellule(col, total, IntToStr(somme));
    g->ChangeDonneeCellule(col, total, somme);
}

std::pair<std::string, std::string> Tf_ButeursStat::ComptesAuDela(bool gardien, int reussis, int tentes)
{
    return {gardien ? TraduireNombre(5986, 5987, reussis) : TraduireNombre(5982, 5983, reussis),
            gardien ? TraduireNombre(5988, 5989, tentes) : TraduireNombre(5984, 5985, tentes)};
}

bool Tf_ButeursStat::ReussisAuDela(TColorStringGrid* g, int col, int row, int n, std::string& message) const
{
    for (const auto& [colReussis, colTentes] : ColonnesReussis(g == csc_StatGardien)) {
        if (col != colReussis && col != colTentes)
            continue;
        const int reussis = col == colReussis ? n : g->DonneeCellule(colReussis, row);
        const int tentes = col == colTentes ? n : g->DonneeCellule(colTentes, row);
        // No attempts typed yet: the made count comes first in the row.
        if (tentes > 0 && reussis > tentes) {
            // A goalkeeper's pair is saves of shots faced.
            const bool gardien = g == csc_StatGardien;
            const auto [fait, tente] = ComptesAuDela(gardien, reussis, tentes);
            message = TraduireFormat(gardien ? 4821 : 3602, {g->LitCellule(colReussis, 0), fait, tente});
            return true;
        }
    }
    return false;
}

void Tf_ButeursStat::GrilleSelectCell(TColorStringGrid* g, int col, int row, bool& possible)
{
    const int totaux = g->RowCount() - 1;
    possible = col >= 1 && col <= nbColonnes_ && row >= 1 && row < totaux && g->LargeurColonne(col) > 0;
    if (possible || col < 1 || row < 1 || row >= totaux || col > nbColonnes_)
        return;
    // A hidden column: the next shown one, else column 1 of the next row.
    for (int c = col + 1; c <= nbColonnes_; ++c)
        if (g->LargeurColonne(c) > 0) {
            g->FocusCell(c, row, true);
            return;
        }
    if (row + 1 < totaux)
        for (int c = 1; c <= nbColonnes_; ++c)
            if (g->LargeurColonne(c) > 0) {
                g->FocusCell(c, row + 1, true);
                return;
            }
}

TGridCoord Tf_ButeursStat::CelluleVoisine(const TColorStringGrid& g, int col, int row, WORD touche, bool arriere) const
{
    // Statistic cells: columns 1..nbColonnes_ that are shown, player rows.
    const int premiere = 1, derniere = g.RowCount() - 2;
    auto montree = [&](int c) { return c >= 1 && c <= nbColonnes_ && g.LargeurColonne(c) > 0; };
    if (derniere < premiere)
        return {col, row};
    row = std::clamp(row, premiere, derniere);
    switch (touche) {
    case VK_UP:
        return {col, std::max(premiere, row - 1)};
    case VK_DOWN:
        return {col, std::min(derniere, row + 1)};
    case VK_LEFT:
    case VK_RIGHT:
        for (int c = col + (touche == VK_LEFT ? -1 : 1); c >= 1 && c <= nbColonnes_; c += touche == VK_LEFT ? -1 : 1)
            if (montree(c))
                return {c, row};
        return {col, row};
    default:
        break;
    }
    // Tab, Enter: the next shown column, then the next row (Shift+Tab back);
    // the last cell stays.
    const int pas = arriere ? -1 : 1;
    for (int r = row, c = col + pas; r >= premiere && r <= derniere; r += pas, c = arriere ? nbColonnes_ : 1)
        for (; c >= 1 && c <= nbColonnes_; c += pas)
            if (montree(c))
                return {c, r};
    return {col, row};
}

void Tf_ButeursStat::GrilleKeyDown(TColorStringGrid* g, WORD& k, TShiftState sh)
{
    const bool marche = k == VK_TAB || (k == VK_RETURN && !g->EditorMode());
    const bool fleche = k == VK_LEFT || k == VK_RIGHT || k == VK_UP || k == VK_DOWN;
    if (!marche && !fleche)
        return;
    if (g->EditorMode())
        g->HideEditor();
    const TGridCoord c = CelluleVoisine(*g, g->Col(), g->Row(), k, k == VK_TAB && (sh & ssShift));
    if (c.X != g->Col() || c.Y != g->Row())
        g->FocusCell(c.X, c.Y, true);
    MontreCellule(g);
    k = 0;
}

void Tf_ButeursStat::MontreCellule(TColorStringGrid* g)
{
    // The box scrolls the cell reached by the keyboard into view (a clicked
    // cell is in view already: nothing moves).
    TRect r = g->CellRect(g->Col(), g->Row());
    // A row begun: its player's name shows with it.
    if (CelluleVoisine(*g, g->Col(), g->Row(), VK_LEFT, false).X == g->Col())
        r.Left = 0;
    const int x = g->Left() + r.Left, y = g->Top() + r.Top;
    const int h = ScrollBox1->HorzPosition(), v = ScrollBox1->VertPosition();
    const int w = ScrollBox1->ClientWidth(), ht = ScrollBox1->ClientHeight();
    if (x < h)
        ScrollBox1->SetHorzPosition(x);
    else if (x + r.Width() > h + w)
        ScrollBox1->SetHorzPosition(std::min(x, x + r.Width() - w));
    if (y < v)
        ScrollBox1->SetVertPosition(y);
    else if (y + r.Height() > v + ht)
        ScrollBox1->SetVertPosition(std::min(y, y + r.Height() - ht));
}

void Tf_ButeursStat::OngletChanging(bool& autorise)
{
    autorise = CompteursRemplis() && AccepteDepart();
    if (autorise)
        EnregistrePage(1);
}

void Tf_ButeursStat::FermeEdition()
{
    for (TColorStringGrid* g : {csc_StatTir, csc_StatGardien})
        if (g->EditorMode())
            g->HideEditor();
}

std::vector<Tf_ButeursStat::TEcart> Tf_ButeursStat::Ecarts() const
{
    std::vector<TEcart> v;
    for (const bool gardien : {true, false}) {
        TColorStringGrid* g = gardien ? csc_StatGardien : csc_StatTir;
        if (gardien && !g->Visible())
            continue;
        // A pair whose attempts the championship does not keep (a hidden
        // column) has nothing to compare.
        std::vector<std::pair<int, int>> paires;
        for (const auto& p : ColonnesReussis(gardien))
            if (g->LargeurColonne(p.first) > 0 && g->LargeurColonne(p.second) > 0)
                paires.push_back(p);
        for (int r = 1; r <= NbJoueurs(*g); ++r)
            for (const auto& [reussis, tentes] : paires)
                if (g->DonneeCellule(reussis, r) > g->DonneeCellule(tentes, r))
                    v.push_back({g, r, reussis, g->DonneeCellule(reussis, r), g->DonneeCellule(tentes, r)});
    }
    return v;
}

bool Tf_ButeursStat::DitEcarts(bool retour)
{
    std::vector<TEcart> ecarts;
    std::vector<std::tuple<bool, int32_t, int, int, int>> cles;
    for (const TEcart& e : Ecarts()) {
        const auto cle = std::make_tuple(e.Grille == csc_StatGardien, e.Grille->DonneeCellule(0, e.Ligne), e.Col,
                                         e.Reussis, e.Tentes);
        if (std::find(gardes_.begin(), gardes_.end(), cle) == gardes_.end()) {
            ecarts.push_back(e);
            cles.push_back(cle);
        }
    }
    if (ecarts.empty() || termine_)
        return true;
    std::string texte = Texte(4824, L1("Ces chiffres dépassent leurs tentatives :"));
    for (const TEcart& e : ecarts) {
        const bool gardien = e.Grille == csc_StatGardien;
        const auto [fait, tente] = ComptesAuDela(gardien, e.Reussis, e.Tentes);
        texte += "\n" + TraduireFormat(gardien ? 4823 : 4822,
                                       {e.Grille->LitCellule(0, e.Ligne), e.Grille->LitCellule(e.Col, 0), fait, tente});
    }
    if (retour) {
        texte += "\n\n" + Texte(4825, L1("Les garder tels quels ? Non : retour à la grille."));
        if (Tf_MessageUtil::Affiche(texte, mbuOui | mbuNon) != mrYes) {
            // Back to the first of them.
            const TEcart& e = ecarts.front();
            e.Grille->FocusCell(e.Col, e.Ligne, true);
            if (e.Grille->CanFocus())
                e.Grille->SetFocus();
            MontreCellule(e.Grille);
            return false;
        }
    } else {
        texte += "\n\n" + Texte(4826, L1("Ils sont gardés tels quels."));
        Tf_MessageUtil::Affiche(texte, mbuValider);
    }
    gardes_.insert(gardes_.end(), cles.begin(), cles.end());
    return true;
}

bool Tf_ButeursStat::AccepteDepart()
{
    FermeEdition();
    if (!Modifie || c_EqDomicile->Text().empty())
        return true;
    return DitEcarts(true);
}

void Tf_ButeursStat::OngletChange()
{
    if (!c_EqDomicile->Text().empty())
        AfficheEquipe(EquipeOnglet());
}

void Tf_ButeursStat::EnregistrePage(int Libere) { EnregistreCodes(Libere, premier_, dernier_); }

void Tf_ButeursStat::EnregistreCodes(int Libere, int premier, int dernier)
{
    FermeEdition();
    if (Libere == 1)
        choix_.reset();
    TDonneesChampionnatStat* c = ChampionnatStat();
    if (!c || c_EqDomicile->Text().empty() || !Modifie)
        return;
    // A road that cannot go back (the main window taking the page): what is
    // written above its attempts is said.
    DitEcarts(false);
    Modifie = 0;
    const int n = c->NbJournee, m = MatchCourant;
    if (complet_)
        feuille::EcritEnTete(EnTete(), *Saison, *c, n, m);
    const int t = EquipeOnglet();
    for (int code = premier; code <= dernier; ++code)
        if (TListeDonnees* l = c->ListeStat(n, code))
            l->SupprimeEquipes({t});
    for (const bool gardien : {true, false}) {
        TColorStringGrid* g = gardien ? csc_StatGardien : csc_StatTir;
        if (gardien && !g->Visible())
            continue;
        for (int r = 1; r <= NbJoueurs(*g); ++r) {
            const int32_t id = g->DonneeCellule(0, r);
            for (int code = premier; code <= dernier; ++code) {
                const int col = Colonne(code, gardien);
                const int valeur = col ? g->DonneeCellule(col, r) : ValeurFixe(code, gardien);
                if (valeur <= 0)
                    continue;
                if (TListeDonnees* l = c->ListeStat(n, code))
                    l->Ajoute(TDonneesEvt::CreateId(id, t, static_cast<uint16_t>(std::min(valeur, 65535))));
            }
        }
    }
    Signale();
}

// ---- basketball ----------------------------------------------------------------------------

Tf_ButeursBasket::Tf_ButeursBasket(TComponent* AOwner) : Tf_ButeursStat(AOwner, 3, 8, 5, 12, sportStatBasket)
{
    SetName("f_ButeursBasket");
    Dispose();
    DoCreate();
}

Tf_ButeursBasket::~Tf_ButeursBasket() { Termine(); }

void Tf_ButeursBasket::Dispose()
{
    SetCodes(Complet() ? 5 : 13, Complet() ? 12 : 20);
    PrepareGrille(csc_StatTir, 150, 35, 20, 20);
    static const int complet[] = {1233, 590, 40, 1234, 1235, 582, 1237, 583, 1239};
    static const int compact[] = {1233, 1240, 1241, 585, 649, 1293, 586, 588, 587};
    static const char* defauts[2][9] = {{"Joueur", "Min", "Pts", "2 pts", "2 pts tentés", "3 pts", "3 pts tentés",
                                         "LF", "LF tentés"},
                                        {"Joueur", "RO", "RD", "Pd", "Ft", "FP", "Int", "Ct", "BP"}};
    for (int c = 0; c <= 8; ++c)
        Titre(csc_StatTir, c, Texte(Complet() ? complet[c] : compact[c], L1(defauts[Complet() ? 0 : 1][c])), Jaune);
    MasqueColonnes();
}

void Tf_ButeursBasket::MasqueColonnes()
{
    const TDonneesChampionnatStat* c = ChampionnatStat();
    struct TMasque
    {
        int Stat, De, A;
    };
    static const TMasque complet[] = {{1, 2, 2}, {2, 3, 4}, {3, 5, 6}, {4, 7, 8}};
    static const TMasque compact[] = {{5, 1, 2}, {6, 3, 3}, {10, 4, 4}, {11, 5, 5}, {7, 6, 6}, {8, 7, 7}, {9, 8, 8}};
    for (int col = 1; col <= 8; ++col)
        csc_StatTir->ChangeLargeurColonne(col, LargeurColonne(csc_StatTir, col));
    if (!c)
        return;
    for (const TMasque& m : Complet() ? std::span<const TMasque>(complet) : std::span<const TMasque>(compact))
        if (!c->StatActive(m.Stat))
            for (int col = m.De; col <= m.A; ++col)
                csc_StatTir->ChangeLargeurColonne(col, 0);
}

int Tf_ButeursBasket::Colonne(int code, bool gardien) const
{
    if (gardien || code < PremierCode() || code > PremierCode() + 7)
        return 0;
    return code - PremierCode() + 1;
}

void Tf_ButeursBasket::AfficheEquipe(int32_t equipe) { AfficheEquipeCodes(equipe, PremierCode(), DernierCode()); }

std::vector<std::pair<int, int>> Tf_ButeursBasket::ColonnesReussis(bool gardien) const
{
    if (gardien || !Complet())
        return {};
    return {{3, 4}, {5, 6}, {7, 8}};
}

// ---- handball ------------------------------------------------------------------------------

Tf_ButeursHand::Tf_ButeursHand(TComponent* AOwner) : Tf_ButeursStat(AOwner, 2, 11, 21, 36, sportStatHandball)
{
    SetName("f_ButeursHand");
    Label6->SetVisible(false);
    csc_StatGardien->SetVisible(true);
    l_Note = resultats::Label(this, ScrollBox1, "l_Note", 0, 0, 300, Blanc, false, "");
    Dispose();
    DoCreate();
}

Tf_ButeursHand::~Tf_ButeursHand() { Termine(); }

void Tf_ButeursHand::Dispose()
{
    // A field player's goals are goals from play: his 7-metre goals have
    // their own column.
    static const int champ[] = {1233, 1544, 1127, 4922, 1531};
    static const char* champDefaut[] = {"Joueur", "Buts dans le jeu", "Tirs", "Buts 7 m", "Jets 7 m"};
    static const int gardien[] = {1233, 1492, 1127, 1532, 1531};
    static const char* gardienDefaut[] = {"Joueur", "Arrêts", "Tirs", "Arr. 7 m", "Jets 7 m"};
    static const int suite[] = {587, 585, 586, 1495, 0, 1493, 1494};
    static const char* suiteDefaut[] = {"BP", "Pd", "Int", "Avert.", "2'", "Disq.", "Expuls."};
    for (TColorStringGrid* g : {csc_StatTir, csc_StatGardien}) {
        PrepareGrille(g, 130, 26, 18, 20);
        for (int c = 0; c <= 4; ++c)
            Titre(g, c, g == csc_StatTir ? Texte(champ[c], L1(champDefaut[c])) : Texte(gardien[c], L1(gardienDefaut[c])),
                  c == 0 ? Jaune : Blanc);
        for (int c = 5; c <= 11; ++c)
            Titre(g, c, suite[c - 5] ? Texte(suite[c - 5], L1(suiteDefaut[c - 5])) : std::string(suiteDefaut[c - 5]),
                  Blanc);
    }
    // The scorers ranking counts both kinds of goals: the page says which
    // one its goals column holds.
    if (l_Note)
        l_Note->SetCaption(TraduireFormat(4827, {csc_StatTir->LitCellule(1, 0), csc_StatTir->LitCellule(3, 0)}));
    MasqueColonnes();
}

std::vector<std::pair<int, int>> Tf_ButeursHand::ColonnesReussis(bool) const { return {{1, 2}, {3, 4}}; }

void Tf_ButeursHand::MasqueColonnes()
{
    const TDonneesChampionnatStat* c = ChampionnatStat();
    for (TColorStringGrid* g : {csc_StatTir, csc_StatGardien})
        for (int k = 1; k <= 11; ++k)
            g->ChangeLargeurColonne(k, !c || c->StatActive(k) ? LargeurColonne(g, k) : 0);
}

int Tf_ButeursHand::Colonne(int code, bool gardien) const
{
    if (code >= 29 && code <= 35)
        return code - 24;
    if (gardien)
        return code >= 25 && code <= 28 ? code - 24 : 0;
    return code >= 21 && code <= 24 ? code - 20 : 0;
}

int Tf_ButeursHand::ValeurFixe(int code, bool gardien) const
{
    return code == 36 ? (gardien ? 129 : 1) : 0;
}

void Tf_ButeursHand::AfficheEquipe(int32_t equipe) { AfficheEquipeCodes(equipe, 21, 36); }
