#include "views/w_Historique.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "engine/historique.h"
#include "model/Saison.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/message2.h"
#include "views/Textes.h"
#include "views/w_ChoixHistorique.h"
#include "views/w_ChoixJournee.h"
#include "views/w_EquipeHistorique.h"

using vues::Texte;

namespace {

constexpr int HauteurLigne = 20;
constexpr int TexteRemplaceSaison = 5721;   // %s the stored season, %d the new one's teams
constexpr int TexteRemplaceSaisonUn = 5713;   // the same, the teams in the singular
constexpr int TexteEffaceSaison = 5722;     // %s the season
constexpr int TexteRemplaceParChamp = 5867;     // %s the stored season, %s the championship, %d its teams
constexpr int TexteRemplaceParChampUn = 5868;   // the same, the teams in the singular
// The same four questions when the stored season holds no result.
constexpr int TexteRemplaceVide = 6141;
constexpr int TexteRemplaceVideUn = 6142;
constexpr int TexteRemplaceVideParChamp = 6143;
constexpr int TexteRemplaceVideParChampUn = 6144;
constexpr int TexteQuitteHistorique = 6140;   // %s the history's championship
// A cell of the entry grid takes one side's goals, up to three digits.
constexpr int LargeurBut = 26;
constexpr int ChiffresBut = 3;

TColorStringGrid* Grille(TComponent* owner, TWinControl* parent, const char* nom, int x, int y)
{
    auto* g = new TColorStringGrid(owner);
    g->SetName(nom);
    g->SetBorderStyle(bsNone);
    g->SetScrollBars(ssNone);
    g->SetFixedCols(0);
    g->SetAutoResize(false);
    g->SetDefaultRowHeight(HauteurLigne);
    g->SetLeft(x);
    g->SetTop(y);
    g->SetParent(parent);
    return g;
}

// Clears and sizes the grid; its pixel size.
void Dimensionne(TColorStringGrid* g, int colonnes, int lignes, int largeur, int hauteur)
{
    g->SetFixedCols(0);
    g->SetFixedRows(0);
    g->SetColCount(colonnes);
    g->SetRowCount(lignes);
    for (int c = 0; c < colonnes; ++c)
        for (int r = 0; r < lignes; ++r)
            g->RemplitCellule(c, r, "", 0, 1, clBlack, clWhite, false);
    g->SetWidth(largeur);
    g->SetHeight(hauteur);
    g->SetVisible(true);
}

TLabel* Etiquette(TComponent* owner, TWinControl* parent, const char* nom, const std::string& texte, int x, int y,
                  int w)
{
    auto* l = new TLabel(owner);
    l->SetName(nom);
    l->SetCaption(texte);
    l->Font().SetColor(clWhite);
    l->Font().SetStyle(fsBold);
    l->SetTransparent(true);
    l->SetBounds(x, y, w, 18);
    l->SetParent(parent);
    return l;
}

TComboBox* Liste(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int w)
{
    auto* c = new TComboBox(owner);
    c->SetName(nom);
    c->SetStyle(csDropDownList);
    c->SetBounds(x, y, w, 22);
    c->SetParent(parent);
    return c;
}

TRondCoche* Rond(TComponent* owner, TWinControl* parent, const char* nom, const std::string& texte, int x, int y,
                 int w)
{
    auto* r = new TRondCoche(owner);
    r->SetName(nom);
    r->SetCaption(texte);
    r->Font().SetColor(clYellow);
    r->Font().SetStyle(fsBold);
    r->SetBounds(x, y, w, 18);
    r->Setgroupe(0);
    r->SetParent(parent);
    return r;
}

TUpDown* Compteur(TComponent* owner, TWinControl* parent, const char* edit, const char* nom, int x, int y, TEdit*& e)
{
    e = new TEdit(owner);
    e->SetName(edit);
    e->SetBounds(x, y, 36, 22);
    e->SetParent(parent);
    auto* u = new TUpDown(owner);
    u->SetName(nom);
    u->Min = 0;
    u->Max = 999;
    u->SetBounds(x + 36, y, 17, 22);
    u->SetParent(parent);
    u->SetAssociate(e);
    u->SetPosition(10);
    return u;
}

std::string Score(int a, int b) { return IntToStr(a) + "-" + IntToStr(b); }

// A cell's goals: 255 when empty or not a number of the file (0..254).
int Buts(const std::string& texte)
{
    const std::string t = Trim(texte);
    if (t.empty() || t.size() > 3 || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return TSaisonStat::NonJoue;
    const int v = std::atoi(t.c_str());
    return v <= 254 ? v : TSaisonStat::NonJoue;
}

}  // namespace

// ============================================================================
// construction
// ============================================================================

Tf_Historique::Tf_Historique(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_Historique");
    SetCaption("f_Historique");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);

    auto page = [this](const char* nom) {
        auto* p = new TPanel(this);
        p->SetName(nom);
        p->SetBevelOuter(bvNone);
        p->SetColor(CouleurFondFonceDessin);
        p->SetAlign(alClient);
        p->SetVisible(false);
        p->SetParent(this);
        return p;
    };
    ts_Saisie = page("ts_Saisie");
    ts_Match = page("ts_Match");
    ts_Tableau = page("ts_Tableau");
    ts_Classement = page("ts_Classement");

    // ---- entry of a past season
    cb_Saison3 = Liste(this, ts_Saisie, "cb_Saison3", 10, 10, 220);
    bc_Retirer = BoutonDialogue(this, ts_Saisie, "bc_Retirer", 238, 6, 90);
    bc_Ajouter = BoutonDialogue(this, ts_Saisie, "bc_Ajouter", 334, 6, 90);
    cb_Type = Liste(this, ts_Saisie, "cb_Type", 10, 42, 320);
    for (const auto& [id, t] : {std::pair{3914, "Victoire à 3 points"}, std::pair{3915, "Victoire à 2 points"},
                                std::pair{3916, "Bonus de 1 point pour 3 buts marqués"},
                                std::pair{3917, "Bonus de 1 point pour 3 buts d'ecart"}})
        cb_Type->Items().Add(Texte(id, L1(t)));
    bc_Enregistrer = BoutonDialogue(this, ts_Saisie, "bc_Enregistrer", 338, 38, 120);
    csg_Saisie = Grille(this, ts_Saisie, "csg_Saisie", 10, 76);
    csg_Saisie->SetSelectionVisible(true);
    // Tab reaches the grid's key handler: it moves on as Enter does.
    csg_Saisie->SetOptions((csg_Saisie->Options() & ~(goRangeSelect | goEditing)) | goTabs);
    csg_Saisie->SetVisible(false);

    // ---- head-to-head
    Label2 = Etiquette(this, ts_Match, "Label2", Texte(357, L1("Équipe à domicile")), 10, 10, 200);
    cb_Domicile = Liste(this, ts_Match, "cb_Domicile", 10, 30, 200);
    cb_Domicile->SetSorted(true);
    Label3 = Etiquette(this, ts_Match, "Label3", Texte(358, L1("Équipe à l'extérieur")), 220, 10, 200);
    cb_Exterieur = Liste(this, ts_Match, "cb_Exterieur", 220, 30, 200);
    cb_Exterieur->SetSorted(true);
    bc_Chercher = BoutonDialogue(this, ts_Match, "bc_Chercher", 430, 26, 110);
    rb_Annee = Rond(this, ts_Match, "rb_Annee", Texte(359, "Historique depuis"), 10, 64, 150);
    ud_Annee = Compteur(this, ts_Match, "e_Annee", "ud_Annee", 164, 62, e_Annee);
    Label7 = Etiquette(this, ts_Match, "Label7", Texte(840, "ans"), 224, 64, 100);
    rb_Match = Rond(this, ts_Match, "rb_Match", Texte(359, "Historique depuis"), 10, 92, 150);
    ud_Match = Compteur(this, ts_Match, "e_Match", "ud_Match", 164, 90, e_Match);
    Label6 = Etiquette(this, ts_Match, "Label6", Texte(67, "Matchs"), 224, 92, 100);
    rb_Annee->SetChecked(true);
    cc_Retour = new TCarreCoche(this);
    cc_Retour->SetName("cc_Retour");
    cc_Retour->SetCaption(Texte(279, "Match aller/retour"));
    cc_Retour->Font().SetColor(clYellow);
    cc_Retour->Font().SetStyle(fsBold);
    cc_Retour->SetBounds(340, 64, 200, 18);
    cc_Retour->SetParent(ts_Match);
    sg_Resultat = Grille(this, ts_Match, "sg_Resultat", 10, 124);
    l_Vict = Etiquette(this, ts_Match, "l_Vict", "", 300, 124, 400);
    l_Nul = Etiquette(this, ts_Match, "l_Nul", "", 300, 148, 400);
    l_Def = Etiquette(this, ts_Match, "l_Def", "", 300, 172, 400);

    // ---- season table
    Label1 = Etiquette(this, ts_Tableau, "Label1", Texte(360, "Saison :"), 10, 12, 70);
    cb_Saison = Liste(this, ts_Tableau, "cb_Saison", 84, 10, 220);
    sg_recap = Grille(this, ts_Tableau, "sg_recap", 10, 44);
    sg_recap->SetVisible(false);

    // ---- season standings
    Label4 = Etiquette(this, ts_Classement, "Label4", Texte(360, "Saison :"), 10, 12, 70);
    cb_Saison2 = Liste(this, ts_Classement, "cb_Saison2", 84, 10, 220);
    Label5 = Etiquette(this, ts_Classement, "Label5", Texte(669, "Classements"), 10, 42, 100);
    rc_General = Rond(this, ts_Classement, "rc_General", Texte(670, L1("Général")), 110, 42, 100);
    rc_Domicile = Rond(this, ts_Classement, "rc_Domicile", Texte(671, "Domicile"), 210, 42, 100);
    rc_exterieur = Rond(this, ts_Classement, "rc_exterieur", Texte(672, L1("Extérieur")), 310, 42, 100);
    rc_Attaque = Rond(this, ts_Classement, "rc_Attaque", Texte(674, "Attaque"), 410, 42, 100);
    rc_Defense = Rond(this, ts_Classement, "rc_Defense", Texte(675, L1("Défense")), 510, 42, 100);
    rc_General->Tag = 1;
    rc_Domicile->Tag = 2;
    rc_exterieur->Tag = 3;
    rc_Attaque->Tag = 5;
    rc_Defense->Tag = 6;
    rc_General->SetChecked(true);
    sg_Classement = Grille(this, ts_Classement, "sg_Classement", 10, 72);
    sg_Classement->SetVisible(false);
    ts_Classement->OnResize = [this](TObject*) { PlaceTypes(); };

    bc_Retirer->SetCaption(Texte(3913, "Effacer"));
    bc_Ajouter->SetCaption(Texte(932, "Ajouter"));
    bc_Enregistrer->SetCaption(Texte(655, "Enregistrer"));
    bc_Chercher->SetCaption(Texte(1206, "Chercher"));

    pm_Historique = new TPopupMenu(this);
    pm_Historique->SetName("pm_Historique");
    mi_ChangeChamp = new TMenuItem(this);
    mi_ChangeChamp->SetName("mi_ChangeChamp");
    mi_ChangeChamp->SetCaption(Texte(1617, "Changer de championnat"));
    mi_ChangeChamp->OnClick = [this](TObject* s) { mi_ChangeChampClick(s); };
    pm_Historique->Items()->Add(mi_ChangeChamp);
    for (TPanel* p : {ts_Saisie, ts_Match, ts_Tableau, ts_Classement})
        p->SetPopupMenu(pm_Historique);

    // ---- events
    auto cherche = [this](TObject* s) { bc_ChercherClick(s); };
    bc_Chercher->OnClick = cherche;
    rb_Annee->OnClick = cherche;
    rb_Match->OnClick = cherche;
    cc_Retour->OnClick = cherche;
    e_Annee->OnChange = cherche;
    e_Match->OnChange = cherche;
    cb_Saison->OnChange = [this](TObject*) {
        if (cb_Saison->ItemIndex() >= 0)
            RemplitTableau(cb_Saison->ItemIndex());
    };
    cb_Saison2->OnChange = [this](TObject*) {
        if (cb_Saison2->ItemIndex() >= 0)
            RemplitClassement(cb_Saison2->ItemIndex());
    };
    cb_Saison3->OnChange = [this](TObject*) {
        if (cb_Saison3->ItemIndex() >= 0)
            RemplitSaisie(cb_Saison3->ItemIndex());
    };
    for (TRondCoche* r : {rc_General, rc_Domicile, rc_exterieur, rc_Attaque, rc_Defense})
        r->OnClick = [this, r](TObject*) {
            type_ = static_cast<int>(r->Tag);
            RemplitClassement(std::max(cb_Saison2->ItemIndex(), 0));
        };
    csg_Saisie->OnKeyPress = [this](TObject* s, char& k) { csg_SaisieKeyPress(s, k); };
    csg_Saisie->OnKeyDown = [this](TObject*, WORD& k, TShiftState sh) {
        if ((k != VK_RETURN && k != VK_TAB) || (sh & (ssCtrl | ssAlt)))
            return;
        Avance(k == VK_TAB && (sh & ssShift) ? -1 : 1);
        // the score of the cell is complete, even where nothing follows it
        frappe_ = 0;
        k = 0;
    };
    csg_Saisie->OnDrawCell = [this](TObject*, int c, int r, TRect rect, TGridDrawState) {
        if (r == 0 && c >= 2 && c % 2 == 0)
            DessineTitrePaire(c, rect);
    };
    csg_Saisie->OnSelectCell = [this](TObject* s, int c, int r, bool& ok) { csg_SaisieSelectCell(s, c, r, ok); };
    bc_Enregistrer->OnClick = [this](TObject* s) { bc_EnregistrerClick(s); };
    bc_Ajouter->OnClick = [this](TObject* s) { bc_AjouterClick(s); };
    bc_Retirer->OnClick = [this](TObject* s) { bc_RetirerClick(s); };
    DoCreate();
}

// ============================================================================
// entries
// ============================================================================

void Tf_Historique::SetHistorique(TStats* stats, int index, const std::string& dossier)
{
    GardeSaisie();
    stats_ = stats;
    index_ = index;
    dossier_ = dossier;
    stat_ = stats ? stats->Stat(index) : nullptr;
    saison_ = nullptr;
}

void Tf_Historique::Page(TPanel* page)
{
    for (TPanel* p : {ts_Saisie, ts_Match, ts_Tableau, ts_Classement})
        p->SetVisible(p == page);
}

void Tf_Historique::AfficheSaisie()
{
    GardeSaisie();
    mode_ = 0;
    RemplitSaisons(cb_Saison3, nullptr);
    RemplitSaisie(0);
    Page(ts_Saisie);
}

void Tf_Historique::AfficheRencontres()
{
    GardeSaisie();
    mode_ = 1;
    for (TComboBox* c : {cb_Domicile, cb_Exterieur}) {
        c->Items().Clear();
        for (int i = 0; stat_ && i < stat_->NombreEquipes(); ++i)
            c->Items().AddObject(stat_->NomIndex(i), stat_->IdIndex(i));
    }
    Page(ts_Match);
}

void Tf_Historique::AfficheTableau()
{
    GardeSaisie();
    mode_ = 2;
    RemplitSaisons(cb_Saison, nullptr);
    RemplitTableau(0);
    Page(ts_Tableau);
}

void Tf_Historique::AfficheClassement()
{
    GardeSaisie();
    mode_ = 3;
    type_ = 1;
    rc_General->SetChecked(true);
    RemplitSaisons(cb_Saison2, nullptr);
    RemplitClassement(0);
    Page(ts_Classement);
    PlaceTypes();
}

void Tf_Historique::PlaceTypes()
{
    TRondCoche* const types[] = {rc_General, rc_Domicile, rc_exterieur, rc_Attaque, rc_Defense};
    const int debut = Label5->Left() + Label5->Width();
    const int droite = (ts_Classement->ClientWidth() > 0 ? ts_Classement->ClientWidth() : ClientWidth()) - 10;
    // A hundred pixels each where the page is wide enough, else side by
    // side as narrow as their captions, a kind that would pass the page's
    // edge going to the next line.
    int large = debut;
    for (TRondCoche* r : types)
        large += std::max(100, r->LargeurNecessaire() + 8);
    int x = debut, y = 42;
    for (TRondCoche* r : types) {
        const int w = r->LargeurNecessaire();
        if (x > debut && x + w > droite) {
            x = debut;
            y += 24;
        }
        r->SetBounds(x, y, large <= droite ? std::max(100, w) : w, 18);
        x += large <= droite ? std::max(100, w + 8) : w + 12;
    }
    sg_Classement->SetTop(y + 30);
}

bool RemplacementAccepte(const TSaisonStat& deja, int equipes, const std::string& championnat,
                         const std::function<int(const std::string&)>& demande)
{
    const std::string nom = Tf_Historique::NomSaison(deja);
    // its results named only when it holds some
    const bool resultats = deja.AUnResultat();
    const std::string texte =
        championnat.empty()
            ? TraduireFormat(resultats ? IdTexteNombre(TexteRemplaceSaison, TexteRemplaceSaisonUn, equipes)
                                       : IdTexteNombre(TexteRemplaceVide, TexteRemplaceVideUn, equipes),
                             {nom, equipes})
            : TraduireFormat(resultats ? IdTexteNombre(TexteRemplaceParChamp, TexteRemplaceParChampUn, equipes)
                                       : IdTexteNombre(TexteRemplaceVideParChamp, TexteRemplaceVideParChampUn, equipes),
                             {nom, championnat, equipes});
    return demande(texte) == mrYes;
}

TSaisonStat* AjouteSaisonDemandee(TStat& stat, int numero, int equipes, const std::string& championnat,
                                  const std::function<std::unique_ptr<TSaisonStat>()>& fabrique,
                                  const std::function<int(const std::string&)>& demande)
{
    // A stored season of that number goes only once the user says so.
    for (int k = 0; k < stat.NombreSaisons(); ++k)
        if (const TSaisonStat* deja = stat.Saison(k); deja && deja->Saison() == numero) {
            if (!RemplacementAccepte(*deja, equipes, championnat, demande))
                return nullptr;
            break;
        }
    std::unique_ptr<TSaisonStat> s = fabrique();
    if (!s)
        return nullptr;
    TSaisonStat* p = s.get();
    stat.AjouteSaison(std::move(s));
    return p;
}

std::string Tf_Historique::NomSaison(const TSaisonStat& s)
{
    return TraduireFormat(356, {s.Saison() + 1900, s.NombreEquipes()});
}

void Tf_Historique::RemplitSaisons(TComboBox* liste, const TSaisonStat* choisie)
{
    liste->Items().Clear();
    int choix = 0;
    for (int i = 0; stat_ && i < stat_->NombreSaisons(); ++i) {
        const TSaisonStat* s = stat_->Saison(i);
        liste->Items().AddObject(NomSaison(*s), i);
        if (s == choisie)
            choix = i;
    }
    if (liste->Items().Count() > 0)
        liste->SetItemIndex(choix);
}

// ============================================================================
// the entry grid
// ============================================================================

void Tf_Historique::RemplitSaisie(int i)
{
    GardeSaisie();
    saison_ = stat_ ? stat_->Saison(i) : nullptr;
    frappe_ = 0;
    if (!saison_) {
        csg_Saisie->SetVisible(false);
        return;
    }
    const int n = saison_->NombreEquipes();
    // no grid to type in: the one shown belongs to another season
    if (n == 0) {
        csg_Saisie->SetVisible(false);
        return;
    }
    cb_Type->SetItemIndex(std::min<int>(saison_->SystemePoints, 3));
    const int colonnes = 2 * n + 1;
    deplacement_ = true;
    const int largeur = 80 + 2 * n * LargeurBut + colonnes, hauteur = 21 * (n + 1);
    Dimensionne(csg_Saisie, colonnes, n + 1, largeur, hauteur);
    // Wider than the page, the grid scrolls under its names and headings.
    const int place = ClientWidth() - csg_Saisie->Left() - 10;
    const bool defile = place > 0 && largeur > place;
    csg_Saisie->SetScrollBars(defile ? ssHorizontal : ssNone);
    if (defile) {
        csg_Saisie->SetWidth(place);
        csg_Saisie->SetHeight(hauteur + 20);
    }
    csg_Saisie->SetFixedCols(1);
    csg_Saisie->SetFixedRows(1);
    csg_Saisie->SetFixedColor(Couleurs.CouleurFondTitreTableau);
    csg_Saisie->SetColWidths(0, 80);
    for (int c = 1; c < colonnes; ++c)
        csg_Saisie->SetColWidths(c, LargeurBut);
    for (int r = 1; r <= n; ++r) {
        const std::string nom = stat_->NomEquipe(saison_->IdEquipe(r - 1));
        csg_Saisie->RemplitCellule(0, r, nom, 0, 1, clWhite, Couleurs.CouleurFondTitreTableau, true);
        // The pair of the opponent's column is headed by its name, drawn
        // over both cells (the text of the first runs to the right only).
        csg_Saisie->RemplitCellule(2 * r - 1, 0, nom, 0, 1, clWhite, Couleurs.CouleurFondTitreTableau, true);
        TColor t = 0, f = 0;
        CouleursLigne(r, t, f, false);
        for (int j = 1; j <= n; ++j) {
            // each side as stored: one typed alone shows alone
            const auto [d, e] = saison_->Buts(r - 1, j - 1);
            auto texte = [](int b) { return b == TSaisonStat::NonJoue ? std::string() : IntToStr(b); };
            // a team's own pair in the title colour: it takes no result
            const TColor fond = j == r ? Couleurs.CouleurFondTitreTableau : f;
            csg_Saisie->RemplitCellule(2 * j - 1, r, texte(d), 1, 1, t, fond, false);
            csg_Saisie->RemplitCellule(2 * j, r, texte(e), 1, 1, t, fond, false);
        }
    }
    csg_Saisie->FocusCell(n > 1 ? 3 : 1, 1, true);
    deplacement_ = false;
}

void Tf_Historique::DessineTitrePaire(int c, const TRect& rect)
{
    // One heading over the two cells of the pair, shortened to fit.
    TCanvas& canvas = csg_Saisie->Canvas();
    const TRect paire = Rect(rect.Left - csg_Saisie->ColWidths(c - 1) - 1, rect.Top, rect.Right, rect.Bottom);
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(Couleurs.CouleurFondTitreTableau);
    canvas.FillRect(Rect(paire.Left, paire.Top + 1, paire.Right, paire.Bottom));
    canvas.Font = csg_Saisie->Font();
    canvas.Font.SetColor(clWhite);
    canvas.Font.SetStyle(fsBold);
    std::string nom = csg_Saisie->LitCellule(c - 1, 0);
    const int place = paire.Width() - 4;
    if (canvas.TextWidth(nom) > place) {
        while (!nom.empty() && canvas.TextWidth(nom + ".") > place)
            nom.pop_back();
        nom += ".";
    }
    canvas.Brush.SetStyle(bsClear);
    canvas.TextOut(paire.Left + (paire.Width() - canvas.TextWidth(nom)) / 2,
                   paire.Top + (paire.Height() - canvas.TextHeight(nom)) / 2, nom);
    canvas.Brush.SetStyle(bsSolid);
}

void Tf_Historique::csg_SaisieSelectCell(TObject*, int ACol, int ARow, bool& CanSelect)
{
    if (!deplacement_ && (ACol == 2 * ARow - 1 || ACol == 2 * ARow))
        CanSelect = false;
    // A cell reached anew takes a new score: the first digit replaces it.
    if (CanSelect)
        frappe_ = 0;
}

void Tf_Historique::csg_SaisieKeyPress(TObject*, char& Key)
{
    const char k = Key;
    Key = 0;
    if (!saison_)
        return;
    // "*" once announced a two-digit score: a cell takes a whole one now.
    if (k == '*')
        return;
    const bool efface = k == '\b';
    if (!efface && (k < '0' || k > '9'))
        return;
    const int c = csg_Saisie->Col(), r = csg_Saisie->Row();
    // a team never plays itself (a one-team season has no other cell)
    if (c == 2 * r - 1 || c == 2 * r)
        return;
    std::string texte = frappe_ > 0 ? csg_Saisie->LitCellule(c, r) : std::string();
    if (efface) {
        texte = csg_Saisie->LitCellule(c, r);
        if (!texte.empty())
            texte.pop_back();
    } else {
        // Digits add up to one score the file can keep (0 to 254).
        if (texte == "0")
            texte.clear();
        texte += k;
        if (static_cast<int>(texte.size()) > ChiffresBut || StrToIntDef(texte, 255) > 254)
            return;
    }
    csg_Saisie->EcritCellule(c, r, texte);
    frappe_ = 1;
}

void Tf_Historique::Avance(int sens)
{
    const int n = saison_ ? saison_->NombreEquipes() : 0;
    int c = csg_Saisie->Col(), r = csg_Saisie->Row();
    // The next cell in reading order (the previous one backwards), over a
    // team's own pair; nothing beyond the grid's ends.
    do {
        c += sens;
        if (c > 2 * n) {
            c = 1;
            ++r;
        } else if (c < 1) {
            c = 2 * n;
            --r;
        }
    } while (r >= 1 && r <= n && (c == 2 * r - 1 || c == 2 * r));
    if (r < 1 || r > n)
        return;
    deplacement_ = true;
    csg_Saisie->FocusCell(c, r, true);
    deplacement_ = false;
    frappe_ = 0;
}

void Tf_Historique::GardeSaisie()
{
    if (!saison_ || !stat_)
        return;
    // a season the file no longer holds takes nothing
    bool tenue = false;
    for (int k = 0; k < stat_->NombreSaisons() && !tenue; ++k)
        tenue = stat_->Saison(k) == saison_;
    if (!tenue) {
        saison_ = nullptr;
        return;
    }
    const int n = saison_->NombreEquipes();
    if (n == 0 || csg_Saisie->RowCount() != n + 1 || csg_Saisie->ColCount() != 2 * n + 1)
        return;
    // a points system the list cannot show stays until another is chosen
    const int type = cb_Type->ItemIndex();
    if (type >= 0 && type != std::min<int>(saison_->SystemePoints, 3))
        saison_->SystemePoints = static_cast<uint8_t>(type);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (i != j)
                saison_->EcritButs(i, j, Buts(csg_Saisie->LitCellule(2 * j + 1, i + 1)),
                                   Buts(csg_Saisie->LitCellule(2 * j + 2, i + 1)));
}

bool Tf_Historique::Enregistre()
{
    if (!stat_)
        return true;
    // With no season shown (the last one deleted) the file is still written:
    // the deletion is what there is to save.
    GardeSaisie();
    // On failure the entries stay in the grid and in the history, to be saved again.
    const bool endommage = stat_->Endommage();
    if (!stat_->Sauve()) {
        Tf_MessageUtil::Affiche(TraduireFormat(3471, {FileNameToText(stat_->NomFichier)}), mbuValider);
        return false;
    }
    if (endommage)
        Tf_MessageUtil::Affiche(TraduireFormat(3801, {FileNameToText(stat_->NomFichier), FileNameToText(stat_->CopieGardee())}), mbuValider);
    return true;
}

void Tf_Historique::bc_EnregistrerClick(TObject*) { Enregistre(); }

bool Tf_Historique::QuitteHistorique()
{
    GardeSaisie();
    if (!stat_ || !stat_->Modifie())
        return true;
    const std::string texte = TraduireFormat(TexteQuitteHistorique, {NomDivisionHistorique(stat_->IdChampionnat, Saison)});
    // answered as the season's own question is: Annuler (or the close box) stays
    const int r = Tf_MessageUtil::Affiche(texte, mbuOui | mbuNon | mbuAnnuler);
    if (r == mrYes)
        return Enregistre();
    if (r == mrCancel)
        return false;
    stat_->AbandonneModifications();
    Rafraichit();
    return true;
}

void Tf_Historique::Rafraichit()
{
    saison_ = nullptr;
    AfficheMode(mode_);
}

void Tf_Historique::bc_AjouterClick(TObject*)
{
    if (!stat_)
        return;
    GardeSaisie();
    Tf_EquipeHistorique d(this);
    d.ChangeCouleurs(Couleurs);
    for (int i = 0; i < stat_->NombreEquipes(); ++i)
        d.lb_Equipe->Items().Add(stat_->NomIndex(i));
    if (d.ShowModal() != mrOk)
        return;
    const std::vector<std::string> noms = d.Equipes();
    const int numero = Tf_EquipeHistorique::NumeroSaison(d.Annee());
    if (noms.empty() || numero < 0)
        return;
    // one team a history id: a name the file spells another way is that team
    const auto fabrique = [&]() -> std::unique_ptr<TSaisonStat> {
        std::vector<int> ids;
        for (const std::string& nom : noms)
            if (const int id = stat_->IdEquipe(nom); id >= 0 && std::find(ids.begin(), ids.end(), id) == ids.end())
                ids.push_back(id);
        if (ids.empty())
            return nullptr;
        const int n = std::min<int>(static_cast<int>(ids.size()), 255);
        auto s = std::make_unique<TSaisonStat>(n, numero);
        for (int i = 0; i < n; ++i)
            s->AjouteEquipe(ids[static_cast<size_t>(i)]);
        // a season of the same number is replaced: the grid must not keep it
        saison_ = nullptr;
        return s;
    };
    const TSaisonStat* nouvelle =
        AjouteSaisonDemandee(*stat_, numero, std::min<int>(static_cast<int>(noms.size()), 255), "", fabrique,
                             [](const std::string& texte) { return Tf_MessageUtil::Affiche(texte, mbuOui | mbuNon); });
    if (!nouvelle)
        return;
    RemplitSaisons(cb_Saison3, nouvelle);
    RemplitSaisie(cb_Saison3->ItemIndex());
}

void Tf_Historique::bc_RetirerClick(TObject*)
{
    const int i = cb_Saison3->ItemIndex();
    TSaisonStat* s = stat_ && i >= 0 ? stat_->Saison(i) : nullptr;
    if (!s)
        return;
    GardeSaisie();
    // Named, and asked once: No keeps it.
    if (Tf_MessageUtil::Affiche(TraduireFormat(TexteEffaceSaison, {NomSaison(*s)}), mbuOui | mbuNon) != mrYes)
        return;
    // The season goes: the list and the grid show another one.
    saison_ = nullptr;
    stat_->SupprimeSaison(s);
    RemplitSaisons(cb_Saison3, nullptr);
    RemplitSaisie(0);
}

void Tf_Historique::mi_ChangeChampClick(TObject*)
{
    if (!stats_)
        return;
    Tf_ChoixHistorique d(this);
    d.ChangeCouleurs(Couleurs);
    d.ChangeSaison(Saison);
    const int sport = Saison ? Saison->Sport() : stat_ ? stat_->Sport : 0;
    d.Init(stats_, stat_ ? stat_->IdChampionnat : 1, sport, dossier_, mode_ == 0);
    if (d.ShowModal() != mrOk || d.Choix() < 0)
        return;
    // another file: this one's changes written or dropped first
    if (d.Choix() != index_ && !QuitteHistorique())
        return;
    SetHistorique(stats_, d.Choix(), dossier_);
    AfficheMode(mode_);
}

void Tf_Historique::AfficheMode(int mode)
{
    switch (mode) {
    case 0: AfficheSaisie(); break;
    case 1: AfficheRencontres(); break;
    case 2: AfficheTableau(); break;
    default: AfficheClassement(); break;
    }
}

// ============================================================================
// head-to-head
// ============================================================================

int Tf_Historique::AjouteRencontre(const TSaisonStat& s, int domicile, int exterieur, int premier, int (&compte)[3])
{
    const auto [d, e] = s.ResultatEquipes(domicile, exterieur);
    if (d == TSaisonStat::NonJoue)
        return 0;
    const int r = sg_Resultat->RowCount();
    sg_Resultat->SetRowCount(r + 1);
    TColor t = 0, f = 0;
    CouleursLigne(r, t, f, false);
    const std::string vainqueur =
        d > e ? stat_->NomEquipe(domicile) : d < e ? stat_->NomEquipe(exterieur) : Texte(230, "Match nul");
    sg_Resultat->RemplitCellule(0, r, IntToStr(s.Saison() + 1900), 1, 1, t, f, false);
    sg_Resultat->RemplitCellule(1, r, vainqueur, 0, 1, t, f, false);
    sg_Resultat->RemplitCellule(2, r, Score(d, e), 1, 1, t, f, false);
    if (d == e)
        ++compte[1];
    else
        ++compte[(d > e) == (domicile == premier) ? 0 : 2];
    sg_Resultat->SetHeight(sg_Resultat->RowCount() * (HauteurLigne + 1));
    return 1;
}

void Tf_Historique::bc_ChercherClick(TObject*)
{
    const int kd = cb_Domicile->ItemIndex(), ke = cb_Exterieur->ItemIndex();
    if (!stat_ || kd < 0 || ke < 0)
        return;
    const int premier = static_cast<int>(cb_Domicile->Items().Objects(kd));
    const int second = static_cast<int>(cb_Exterieur->Items().Objects(ke));
    Dimensionne(sg_Resultat, 3, 1, 254, HauteurLigne + 1);
    const int largeurs[3] = {50, 140, 60};
    const int titres[3] = {350, 351, 223};
    for (int c = 0; c < 3; ++c) {
        sg_Resultat->SetColWidths(c, largeurs[c]);
        sg_Resultat->RemplitCellule(c, 0, Traduire(titres[c]), 1, 1, clWhite, Couleurs.CouleurFondTitreTableau, true);
    }
    const int y = YearOf(Date()) - 1900;
    int compte[3] = {0, 0, 0};
    int trouves = 0;
    for (int i = 0; i < stat_->NombreSaisons(); ++i) {
        const TSaisonStat& s = *stat_->Saison(i);
        const bool vue = rb_Annee->Checked() ? y - s.Saison() <= ud_Annee->Position()
                                             : rb_Match->Checked() && trouves < ud_Match->Position();
        if (!vue || !AjouteRencontre(s, premier, second, premier, compte))
            continue;
        ++trouves;
        if (cc_Retour->Checked())
            AjouteRencontre(s, second, premier, premier, compte);
    }
    if (sg_Resultat->RowCount() == 1) {
        sg_Resultat->SetRowCount(2);
        sg_Resultat->RemplitCellule(1, 1, Texte(355, "Aucun match"), 0, 1, clBlack, clWhite, false);
        sg_Resultat->SetHeight(2 * (HauteurLigne + 1));
    }
    // a count of one in the singular (texts 5970 and 5971)
    l_Vict->SetCaption(TraduireFormat(IdTexteNombre(352, 5970, compte[0]), {compte[0], stat_->NomEquipe(premier)}));
    l_Nul->SetCaption(TraduireNombre(353, 5971, compte[1]));
    l_Def->SetCaption(TraduireFormat(IdTexteNombre(352, 5970, compte[2]), {compte[2], stat_->NomEquipe(second)}));
}

// ============================================================================
// season table and standings
// ============================================================================

void Tf_Historique::RemplitTableau(int i)
{
    const TSaisonStat* s = stat_ ? stat_->Saison(i) : nullptr;
    if (!s) {
        sg_recap->SetVisible(false);
        return;
    }
    const int n = s->NombreEquipes();
    Dimensionne(sg_recap, n + 1, n + 1, 35 * n + 90, 21 * n + 24);
    sg_recap->SetColWidths(0, 90);
    const TColor titre = Couleurs.CouleurFondTitreTableau;
    for (int k = 0; k < n; ++k) {
        const std::string nom = stat_->NomEquipe(s->IdEquipe(k));
        sg_recap->SetColWidths(k + 1, 35);
        sg_recap->RemplitCellule(k + 1, 0, nom.substr(0, 3) + ".", 1, 1, clWhite, titre, true);
        sg_recap->RemplitCellule(0, k + 1, nom, 0, 1, clWhite, titre, true);
    }
    for (int r = 0; r < n; ++r) {
        TColor t = 0, f = 0;
        CouleursLigne(r + 1, t, f, false);
        for (int c = 0; c < n; ++c) {
            const auto [d, e] = s->Resultat(r, c);
            const std::string texte = r == c ? "" : d == TSaisonStat::NonJoue ? "-" : Score(d, e);
            sg_recap->RemplitCellule(c + 1, r + 1, texte, 1, 1, t, f, false);
        }
    }
    // each column as wide as its heading and its widest score, the names as
    // their longest (drawn bold)
    TBitmap mesure(1, 1);
    mesure.Canvas().Font = sg_recap->Font();
    mesure.Canvas().Font.SetStyle(fsBold);
    int noms = 90;
    for (int k = 1; k <= n; ++k)
        noms = std::max(noms, mesure.Canvas().TextWidth(sg_recap->LitCellule(0, k)) + 6);
    sg_recap->SetColWidths(0, noms);
    sg_recap->AjusteLargeursAuTexte(sg_recap->Font(), 1, n, n, 35);
    // as wide as its columns and the line after each, the last one whole; wider
    // or taller than the page, it scrolls
    int largeur = 0, hauteur = 0;
    for (int c = 0; c <= n; ++c) {
        largeur += sg_recap->ColWidths(c) + sg_recap->VertLineWidth(c);
        hauteur += sg_recap->RowHeights(c) + sg_recap->HorzLineWidth(c);
    }
    const int placeX = ClientWidth() - sg_recap->Left() - 10, placeY = ClientHeight() - sg_recap->Top() - 10;
    const bool defileX = placeX > 0 && largeur > placeX, defileY = placeY > 0 && hauteur > placeY;
    sg_recap->SetScrollBars(defileX && defileY ? ssBoth : defileX ? ssHorizontal : defileY ? ssVertical : ssNone);
    // scrolled, under the names and headings
    sg_recap->SetFixedCols(defileX ? 1 : 0);
    sg_recap->SetFixedRows(defileY ? 1 : 0);
    sg_recap->SetFixedColor(titre);
    sg_recap->SetWidth(defileX ? placeX : largeur + (defileY ? 20 : 0));
    sg_recap->SetHeight(defileY ? placeY : hauteur + (defileX ? 20 : 0));
}

void Tf_Historique::RemplitClassement(int i)
{
    const TSaisonStat* s = stat_ ? stat_->Saison(i) : nullptr;
    if (!s) {
        sg_Classement->SetVisible(false);
        return;
    }
    const int n = s->NombreEquipes();
    std::vector<int32_t> table, ordre;
    s->CalculeClassement(type_, table, ordre);
    const TColor titre = Couleurs.CouleurFondTitreTableau;
    const bool complet = type_ <= 3;
    const int colonnes = complet ? 10 : 3;
    Dimensionne(sg_Classement, colonnes, n + 1, complet ? 409 : 228, (n + 1) * (HauteurLigne + 1));
    sg_Classement->SetColWidths(0, 24);
    sg_Classement->SetColWidths(1, 120);
    sg_Classement->RemplitCellule(1, 0, Traduire(66), 0, 1, clWhite, titre, true);
    sg_Classement->RemplitCellule(0, 0, "", 0, 1, clWhite, titre, true);
    if (complet)
        for (int c = 2; c < 10; ++c) {
            sg_Classement->SetColWidths(c, 30);
            sg_Classement->RemplitCellule(c, 0, Traduire(38 + c), 1, 1, clWhite, titre, true);
        }
    else {
        sg_Classement->SetColWidths(2, 80);
        sg_Classement->RemplitCellule(2, 0, Traduire(type_ == 5 ? 48 : 49), 1, 1, clWhite, titre, true);
    }
    for (int k = 0; k < n; ++k) {
        const int32_t* o = &ordre[static_cast<size_t>(k) * 5];
        const int position = o[0];
        // the defence table goes from the bottom: the fewest goals against on top
        const int ligne = type_ == 6 ? n - k : k + 1;
        TColor t = 0, f = 0;
        CouleursLigne(ligne, t, f, false);
        // the mark of a shared rank goes on the lower of two level rows as
        // shown: the defence shows the next computed row above this one
        const int dessus = type_ == 6 ? k + 1 : k - 1;
        const bool egal = !complet && dessus >= 0 && dessus < n && o[1] == ordre[static_cast<size_t>(dessus) * 5 + 1];
        const std::string rang = egal ? std::string(1, '-') : IntToStr(ligne);
        sg_Classement->RemplitCellule(0, ligne, rang, 1, 1, t, f, false);
        sg_Classement->RemplitCellule(1, ligne, stat_->NomEquipe(s->IdEquipe(position)), 0, 1, t, f, false);
        if (complet) {
            const int32_t* v = &table[static_cast<size_t>(position) * 7];
            for (int c = 0; c < 7; ++c)
                sg_Classement->RemplitCellule(c + 2, ligne, IntToStr(v[c]), 1, 1, t, f, false);
            sg_Classement->RemplitCellule(9, ligne, IntToStr(v[1] + v[2] + v[3]), 1, 1, t, f, false);
        }
        else
            sg_Classement->RemplitCellule(2, ligne, IntToStr(o[1]), 1, 1, t, f, false);
    }
    // each value column as wide as its heading and its values: captions whole in every language
    const int avant = complet ? 8 * 30 : 80;
    const int apres = sg_Classement->AjusteLargeursAuTexte(sg_Classement->Font(), 2, colonnes - 1, n, complet ? 30 : 80);
    sg_Classement->SetWidth((complet ? 409 : 228) + apres - avant);
}

TColorStringGrid* Tf_Historique::GrilleAffichee() const
{
    switch (mode_) {
    case 0: return csg_Saisie;
    case 1: return sg_Resultat;
    case 2: return sg_recap;
    default: return sg_Classement;
    }
}

void Tf_Historique::Imprime() { GrilleAffichee()->Imprime(EnTete()); }

void Tf_Historique::EnregistreHTML(const std::string& nomFichier)
{
    GrilleAffichee()->EnregistreHTML(nomFichier, true, EnTete());
}
