#include "records/w_Effectifs.h"

#include <algorithm>
#include <memory>
#include <span>
#include <tuple>

#include "model/Ages.h"
#include "model/Championnat.h"
#include "model/ChampsSaison.h"
#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "model/LectureParametre.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Mask.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "records/w_FicheJoueurSports.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/GestionFonction.h"
#include "ui/GridHtml.h"
#include "ui/message2.h"

using ctrl::Texte;

namespace {

constexpr int TexteSansNom = 3702, TexteAgeIllisible = 3703, TexteDejaLa = 3704;
constexpr int TexteEffaceSaisie = 5726;   // %d the row, %s what it names
// Why a click on a cell that takes nothing moves nothing.
constexpr int TexteColonnePoste = 5963, TexteColonneSaison = 5964;

// The columns no cell of which is selected: this season's figures, and the
// position where the sport keeps it on the player's card.
bool ColonneFermee(const TSaison* saison, int col)
{
    return col >= 9 || (col == 0 && saison && saison->StatApplicable(0));
}

// The column a key moves the cursor to in the grid (Tab, Shift+Tab, the
// arrows, Home, End), or -1 for a key that moves along no row.
int ColonneVisee(const TColorStringGrid& g, WORD k, TShiftState sh)
{
    const int col = g.Col();
    switch (k) {
    case VK_TAB: return (sh & ssShift) ? (col > 0 ? col - 1 : g.ColCount() - 1) : (col + 1 < g.ColCount() ? col + 1 : 0);
    case VK_LEFT: return col - 1;
    case VK_RIGHT: return col + 1 < g.ColCount() ? col + 1 : -1;
    case VK_HOME: return (sh & ssCtrl) ? -1 : 0;
    case VK_END: return (sh & ssCtrl) ? -1 : g.ColCount() - 1;
    default: return -1;
    }
}

TOuvreSaisieRapide& SaisieRapide()
{
    static TOuvreSaisieRapide f;
    return f;
}

// The number of a cell: "-" or blank give 0, text that is no number 0.
int NombreCellule(const std::string& texte)
{
    const std::string t = Trim(texte);
    if (t.empty() || t == "-")
        return 0;
    return StrToIntDef(t, 0);
}

std::string TexteOuTiret(int v) { return v == 0 ? std::string("-") : IntToStr(v); }

// Championship value and total: "3 (10)", or the total alone when they agree.
std::string TexteStat(long champ, long total, bool code, const char* ouverture)
{
    if (!code || champ == total)
        return IntToStr(total);
    return IntToStr(champ) + ouverture + IntToStr(total) + ")";
}

// The template of a championship's division among the sport's templates.
int ModeleDe(const TDonneesChampionnat* c)
{
    const TLectureParamMulti* m = LectureParamMulti();
    const TLectureParam* p = m ? m->ParamCourant() : nullptr;
    return c && p ? p->IndexChampionnat(c->CodeDivision()) : -1;
}

// The career entry of a player that belongs to the shown championship's
// template: its index, or -1.
int CarriereAffichee(const TSaison& saison, const TJoueur& j, const TDonneesChampionnat* affiche, int modele)
{
    if (!affiche)
        return -1;
    for (int i = 0; i < j.NbStatCarriere(); ++i)
    {
        const TListeStat* l = j.Carriere(i);
        if (!l)
            continue;
        uint32_t code = 0;
        int32_t matchs = 0;
        int32_t valeurs[4] = {};
        j.CarriereIndex(i, code, valeurs, matchs);
        const TDonneesChampionnat* c = saison.Arbre().ChampionnatParCode(static_cast<int32_t>(code));
        if (!c)
            continue;
        if (c == affiche || (modele >= 0 && ModeleDe(c) == modele))
            return i;
    }
    return -1;
}

}  // namespace

std::string SansAccentCasse(std::string_view texte)
{
    std::string s = SansAccent(texte);
    for (size_t i = 0; i < s.size(); ++i)
    {
        const auto o = static_cast<unsigned char>(texte[i]);
        const bool petite = (o >= 'a' && o <= 'z') || (o >= 0xDF && o != 0xF7);
        if (petite && s[i] >= 'A' && s[i] <= 'Z')
            s[i] = static_cast<char>(s[i] + 32);
    }
    return s;
}

void EnregistreSaisieRapide(TOuvreSaisieRapide ouvre) { SaisieRapide() = std::move(ouvre); }

// ---- transfers -----------------------------------------------------------------------------------

void AjouteHistoriqueTransfert(TSaison& saison, TJoueur& joueur)
{
    // The lines tell his time at the club he leaves; his figures count every
    // club he played for again once they are written.
    const TSourceStats source = SourceStats(saison);
    CompteStatJoueurEquipe(source, joueur, joueur.IdEquipe());
    const TDonneesChampionnat* courant = saison.ChampionnatCourant();
    const int annee = (courant ? courant->Option(8) : 0) + 1900;
    for (TDonneesChampionnat* c : saison.Arbre().ListeChampionnats())
    {
        const uint32_t code = static_cast<uint32_t>(c->CodeChamp);
        const int matchs = joueur.NbMatch(code);
        const int valeur = static_cast<int>(joueur.Buts(code));
        if (matchs <= 0 && valeur <= 0)
            continue;
        TStatHistorique h;
        h.StatAnnee = annee;
        h.Division = c->CodeDivision();
        h.Equipe = joueur.ClubPrec;
        if (c->Types() & TDonneesChampionnat::TypeNational)
        {
            h.StatMatch = matchs;
            h.StatBut = valeur;
        }
        else
        {
            h.StatMatchInter = matchs;
            h.StatButInter = valeur;
        }
        joueur.AjouteHistorique(h);
    }
    TJoueur* p = &joueur;
    CalculeStatJoueurs(source, std::span<TJoueur* const>(&p, 1));
}

namespace {

TJoueur* Transfere(TSaison& saison, TJoueur* joueur, int equipe, int quittee, bool categorieUn)
{
    const TDonneesChampionnat* courant = saison.ChampionnatCourant();
    joueur->Maillot = 0;
    joueur->Duree = static_cast<uint8_t>(courant ? courant->Option(8) : 0);
    if (quittee >= 0 && quittee < TPersonnel::Aucun && !saison.NomEquipe(quittee).empty())
        joueur->ClubPrec = static_cast<uint16_t>(saison.ChercheClubPrec(saison.NomEquipe(quittee), true));
    AjouteHistoriqueTransfert(saison, *joueur);
    std::unique_ptr<TJoueur> p = saison.Joueurs().RetireJoueur(joueur);
    if (!p)
        return joueur;
    if (categorieUn)
        p->categorie = 1;
    p->SetIdEquipe(equipe);
    return saison.Joueurs().AjouteJoueur(std::move(p));
}

}  // namespace

bool DeplaceJoueur(TSaison& saison, TJoueur* joueur, int equipe, const std::function<void()>& deplace)
{
    if (!joueur)
        return false;
    if (TJoueur* autre = saison.HomonymeTransfert(*joueur, equipe))
        return AccepteFusion(saison, *joueur, *autre) && saison.FusionneJoueurs(autre, joueur);
    deplace();
    return true;
}

TJoueur* TransfereJoueur(TSaison& saison, TJoueur* joueur, int equipe)
{
    if (!joueur)
        return nullptr;
    return Transfere(saison, joueur, equipe, joueur->IdEquipe(), false);
}

// ---- the grid ----------------------------------------------------------------------------------

void RemplitEffectif(TGridModel& m, TColorGridBase& g, TSaison& saison, const TRemplissageEffectif& p,
                     const TCouleurElement& couleurs, TLignesEffectif& lignes)
{
    lignes.Joueurs = p.Equipe >= 0 ? saison.Joueurs().ListeJoueursEquipe(p.Equipe, p.Categorie)
                                   : std::vector<TJoueur*>{};
    lignes.Cles.assign(lignes.Joueurs.size(), 0);
    const int n = static_cast<int>(lignes.Joueurs.size());
    m.SetColCount(13);
    m.SetRowCount(n + (p.LigneVide ? 2 : 1));
    if (m.FixedRows() != 1 && m.RowCount() > 1)
        m.SetFixedRows(1);
    const bool large = saison.StatApplicable(0) != 0;
    static constexpr int largeurs[13] = {35, 30, 120, 120, 40, 130, 50, 50, 50, 50, 50, 50, 50};
    for (int k = 0; k < 13; ++k)
        g.ChangeLargeurColonne(k, k >= 9 && !p.Stats ? 0 : largeurs[k]);
    if (large)
        g.ChangeLargeurColonne(0, 65);
    if (p.Stats && !saison.StatApplicable(5))
    {
        g.ChangeLargeurColonne(11, 0);
        g.ChangeLargeurColonne(12, 0);
    }
    std::string buteurs;
    saison.MultiSport().LibelleButeurs(buteurs);
    // handball books warnings and expulsions, as its card names them
    const bool hand = saison.Sport() == sportHandball;
    const int titres[13] = {74, 70, 71, 72, 293, 75, 76, 67, -1, 67, -1, hand ? 103 : 78, hand ? 1520 : 79};
    static constexpr int alignements[13] = {1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    const int anneeAges = AnneeAges(saison);
    for (int k = 0; k < 13; ++k)
        g.RemplitCellule(k, 0, k == 4 ? TitreAge(anneeAges) : titres[k] < 0 ? buteurs : Traduire(titres[k]),
                         alignements[k], 1, couleurs.CouleurTexteTitreTableau, couleurs.CouleurFondTitreTableau, true);
    g.ElargitSelonTexte(0);

    const int modele = ModeleDe(p.Championnat);
    const int32_t c = p.CodeStats;
    const uint32_t code = static_cast<uint32_t>(c);
    const bool nationalEquipes = p.National;
    for (int r = 1; r <= n; ++r)
    {
        TJoueur* j = lignes.Joueurs[static_cast<size_t>(r - 1)];
        TColor texte = 0, fond = 0;
        TBrivantelForm::CouleursLigneSchema(r, texte, fond, false, couleurs);
        auto cell = [&](int k, const std::string& s) { g.RemplitCellule(k, r, s, alignements[k], 1, texte, fond, false); };
        cell(0, j->LettrePoste());
        cell(1, TexteOuTiret(nationalEquipes ? j->MaillotNational : j->Maillot));
        cell(2, j->Nom);
        cell(3, j->Prenom);
        cell(4, TexteAge(anneeAges, j->Age));
        cell(5, j->ClubPrec != TPersonnel::Aucun ? saison.NomClubPrec(j->ClubPrec) : std::string());
        cell(6, j->Duree == 0 ? std::string("-") : IntToStr(j->Duree + 1900));
        const int ic = CarriereAffichee(saison, *j, p.Championnat, modele);
        if (ic >= 0)
        {
            uint32_t cle = 0;
            int32_t matchs = 0;
            int32_t valeurs[4] = {};
            j->CarriereIndex(ic, cle, valeurs, matchs);
            cell(7, IntToStr(matchs));
            // the sport's scoring kind, the one the card and the file hold
            cell(8, IntToStr(j->StatCarriere(cle, j->TypeStatBut())));
            lignes.Cles[static_cast<size_t>(r - 1)] = static_cast<int32_t>(cle);
        }
        else
        {
            cell(7, "0");
            cell(8, "0");
        }
        if (p.Stats)
        {
            const bool ch = c >= 0;
            cell(9, TexteStat(ch ? j->NbMatch(code) : 0, static_cast<long>(j->TotalMatch()), ch, " ("));
            cell(10, TexteStat(ch ? j->Buts(code) : 0, static_cast<long>(j->TotalButs()), ch, "("));
            cell(11, TexteStat(ch ? j->NbAvertissement(code) : 0, static_cast<long>(j->TotalAvertissement()), ch, " ("));
            cell(12, TexteStat(ch ? j->NbExpulsion(code) : 0, static_cast<long>(j->TotalExpulsion()), ch, " ("));
        }
        else
            for (int k = 9; k < 13; ++k)
                cell(k, "");
        if (r >= 2 && lignes.Joueurs[static_cast<size_t>(r - 2)]->Poste != j->Poste)
            g.ChangeCouleurTraitLigne(r - 1, 255);
        else
            g.ChangeCouleurTraitLigne(r - 1, couleurs.TraitSeparationTableau);
    }
}

// ---- the window ------------------------------------------------------------------------------

Tf_Effectifs::Tf_Effectifs(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_Effectifs");
    SetCaption("f_Effectifs");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(900);
    SetClientHeight(520);

    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetAlign(alLeft);
    Panel1->SetWidth(190);
    Panel1->SetCaption("");
    Panel1->SetParent(this);
    p_Categories = new TPanel(this);
    p_Categories->SetName("p_Categories");
    p_Categories->SetAlign(alBottom);
    p_Categories->SetHeight(32);
    p_Categories->SetCaption("");
    p_Categories->SetParent(Panel1);
    cb_Categories = new TComboBox(this);
    cb_Categories->SetName("cb_Categories");
    cb_Categories->SetStyle(csDropDownList);
    cb_Categories->SetBounds(6, 5, 176, 22);
    cb_Categories->SetParent(p_Categories);
    cb_Categories->OnChange = [this](TObject* s) { cb_CategoriesChange(s); };
    l_Equipe = new TListe(this);
    l_Equipe->SetName("l_Equipe");
    l_Equipe->SetAlign(alClient);
    l_Equipe->TailleNomLong = 4;
    l_Equipe->SetParent(Panel1);
    l_Equipe->OnClick = [this](TObject* s) { l_EquipeClick(s); };
    l_Equipe->OnKeyUp = [this](TObject* s, WORD& k, TShiftState) {
        if (k >= 37 && k <= 40)
            l_EquipeClick(s);
    };
    l_Equipe->OnDragOver = [this](TObject* s, TObject* src, int x, int y, TDragState st, bool& a) {
        l_EquipeDragOver(s, src, x, y, st, a);
    };
    l_Equipe->OnDragDrop = [this](TObject* s, TObject* src, int x, int y) { l_EquipeDragDrop(s, src, x, y); };

    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetBorderStyle(bsNone);
    ScrollBox1->SetAlign(alClient);
    ScrollBox1->SetColor(CouleurFondFonceDessin);
    ScrollBox1->SetParent(this);
    for (auto [label, nom, texte] : {std::tuple{&l_GroupeCarriere, "l_GroupeCarriere", 69},
                                     std::tuple{&l_GroupeSaison, "l_GroupeSaison", 80}})
    {
        *label = new TLabel(this);
        (*label)->SetName(nom);
        (*label)->SetCaption(Traduire(texte));
        (*label)->Font().SetColor(clYellow);
        (*label)->Font().SetStyle(fsBold);
        (*label)->SetAlignment(taCenter);
        (*label)->SetTransparent(true);
        (*label)->SetParent(ScrollBox1);
    }
    sg_TableauEquipe = new TColorStringGrid(this);
    sg_TableauEquipe->SetName("sg_TableauEquipe");
    sg_TableauEquipe->SetOptions(DefaultGridOptions | goEditing | goColSizing | goTabs);
    sg_TableauEquipe->SetFixedCols(0);
    sg_TableauEquipe->SetAutoResize(false);
    sg_TableauEquipe->SetScrollBars(ssNone);
    sg_TableauEquipe->SetCouleurSelection(0x800000);
    sg_TableauEquipe->SetCouleurTexteSelection(0xFFFFFF);
    sg_TableauEquipe->SetSelectionVisible(true);
    sg_TableauEquipe->SetBounds(8, 8, 635, 100);
    sg_TableauEquipe->SetParent(ScrollBox1);
    sg_TableauEquipe->OnGetEditMask = [this](TObject* s, int c, int r, std::string& v) {
        sg_TableauEquipeGetEditMask(s, c, r, v);
    };
    sg_TableauEquipe->OnGetEditMaximum = [this](int c, int) -> int64_t {
        const std::optional<TChamp> champ = ChampColonne(c, National());
        return champ ? Champ(*champ).haut : 0;
    };
    sg_TableauEquipe->OnSetEditText = [this](TObject* s, int c, int r, const std::string& v) {
        sg_TableauEquipeSetEditText(s, c, r, v);
    };
    sg_TableauEquipe->OnSelectCell = [this](TObject* s, int c, int r, bool& ok) { sg_TableauEquipeSelectCell(s, c, r, ok); };
    // The focus leaving the grid writes the rows; a row that cannot be
    // stored stays as typed, and the road that leaves it says why.
    sg_TableauEquipe->OnExit = [this](TObject*) {
        if (sg_TableauEquipe->EditorMode())
            sg_TableauEquipe->HideEditor();
        EnregistreLignes(-1, false);
    };
    sg_TableauEquipe->OnKeyDown = [this](TObject*, WORD& k, TShiftState sh) {
        // A key that would move into a column that takes nothing moves
        // nothing: it says why, as a click there does.
        if (const int col = ColonneVisee(*sg_TableauEquipe, k, sh); col >= 0 && ColonneFermee(Saison, col))
            RefuseInput(sg_TableauEquipe, Traduire(col == 0 ? TexteColonnePoste : TexteColonneSaison));
        if (sg_TableauEquipe->EditorMode())
            return;
        if (k == VK_INSERT)
        {
            k = 0;
            mi_InsererClick(nullptr);
        }
        else if (k == VK_DELETE)
        {
            k = 0;
            mi_EffacerClick(nullptr);
        }
    };
    sg_TableauEquipe->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState sh, int x, int y) {
        int c = -1, r = -1;
        sg_TableauEquipe->MouseToCell(x, y, c, r);
        if (b == mbRight)
        {
            if (c >= 0 && r >= 1)
                sg_TableauEquipe->FocusCell(std::max(c, 1), r, true);
            pm_JoueurOpPopup(pm_JoueurOp);
            const TPoint p = sg_TableauEquipe->ClientToScreen(Point(x, y));
            pm_JoueurOp->Popup(p.X, p.Y);
        }
        else if (b == mbLeft && !(sh & ssDouble) && c >= 1 && c <= 3 && JoueurLigne(r))
            sg_TableauEquipe->BeginDrag(false, 5);
        else if (b == mbLeft && r >= 1 && ColonneFermee(Saison, c))
        {
            // A click on a cell that takes nothing moves nothing: it says
            // why, and the cell the next keys go to shows its editor.
            RefuseInput(sg_TableauEquipe, Traduire(c == 0 ? TexteColonnePoste : TexteColonneSaison));
            if (!ColonneFermee(Saison, sg_TableauEquipe->Col()) && sg_TableauEquipe->Col() <= 8)
                sg_TableauEquipe->ShowEditor();
        }
    };
    sg_TableauEquipe->OnDblClick = [this](TObject* s) {
        if (sg_TableauEquipe->Dragging())
            sg_TableauEquipe->EndDrag(false);
        mi_EditerClick(s);
    };

    pm_JoueurOp = new TPopupMenu(this);
    pm_JoueurOp->SetName("pm_JoueurOp");
    pm_JoueurOp->AutoPopup = false;
    pm_JoueurOp->OnPopup = [this](TObject* s) { pm_JoueurOpPopup(s); };
    auto item = [this](const char* nom, int texte, const std::string& defaut, std::function<void(TObject*)> clic) {
        auto* mi = new TMenuItem(this);
        mi->SetName(nom);
        mi->SetCaption(texte > 0 ? Texte(texte, defaut) : defaut);
        mi->OnClick = std::move(clic);
        pm_JoueurOp->Items()->Add(mi);
        return mi;
    };
    mi_Editer = item("mi_Editer", 910, "&Editer le joueur", [this](TObject* s) { mi_EditerClick(s); });
    fCatMenu = item("fCatMenu", 1401, L1("Changer de catégorie"), nullptr);
    item("N1", 0, "-", nullptr);
    mi_Effacer = item("mi_Effacer", 909, "E&ffacer le joueur", [this](TObject* s) { mi_EffacerClick(s); });
    mi_Inserer = item("mi_Inserer", 911, "&Inserer un joueur", [this](TObject* s) { mi_InsererClick(s); });
    mi_SaisieRapide = item("mi_SaisieRapide", 849, "&Saisie rapide", [this](TObject* s) { mi_SaisieRapideClick(s); });
    DoCreate();
}

Tf_Effectifs::~Tf_Effectifs()
{
    // The focus leaves the grid while the window goes: nothing is written then.
    sg_TableauEquipe->OnExit = nullptr;
    sg_TableauEquipe->OnSelectCell = nullptr;
    sg_TableauEquipe->OnSetEditText = nullptr;
    l_Equipe->OnClick = nullptr;
}

std::string Tf_Effectifs::Entree(int id, char groupe, int code, const std::string& nom)
{
    std::string n = IntToStr(id);
    while (n.size() < 4)
        n = "0" + n;
    return n + groupe + static_cast<char>(code) + nom;
}

int Tf_Effectifs::IdEntree(const std::string& entree) { return StrToIntDef(entree.substr(0, 4), -1); }

char Tf_Effectifs::GroupeEntree(const std::string& entree) { return entree.size() > 4 ? entree[4] : '0'; }

TJoueur* Tf_Effectifs::JoueurLigne(int ligne) const
{
    const size_t i = static_cast<size_t>(ligne - 1);
    return ligne >= 1 && i < Lignes.Joueurs.size() ? Lignes.Joueurs[i] : nullptr;
}

void Tf_Effectifs::RemplitEquipes(int indexEquipe, bool cacheStats)
{
    CacheStats = cacheStats;
    TStrings& items = l_Equipe->Items();
    items.Clear();
    if (!Saison)
        return;
    TDonneesChampionnat* courant = Saison->ChampionnatCourant();
    auto international = [](const TDonneesChampionnat* c) {
        return c && (c->Types() & TDonneesChampionnat::TypeInternational) ? 1 : 0;
    };
    // Other championships' teams, then the teams of no championship, each by id.
    std::vector<std::pair<std::string, int>> autres, seules;
    std::vector<char> vue(65536, 0);
    for (TDonneesChampionnat* c : Saison->Arbre().ListeChampionnats())
    {
        if (c == courant)
            continue;
        for (int i = 0; i < c->NbEquipe(); ++i)
        {
            const int id = c->IdEquipe(i);
            if (id < 0 || id >= 65535 || vue[static_cast<size_t>(id)])
                continue;
            vue[static_cast<size_t>(id)] = 1;
            autres.emplace_back(Entree(id, '0', 5, Saison->NomEquipe(id)), international(c));
        }
    }
    if (courant)
        for (int i = 0; i < courant->NbEquipe(); ++i)
            if (const int id = courant->IdEquipe(i); id >= 0 && id < 65535)
                vue[static_cast<size_t>(id)] = 2;
    for (int i = 0; i < Saison->NbEquipe(); ++i)
    {
        const int id = Saison->IdEquipe(i);
        if (id < 0 || id >= 65535 || vue[static_cast<size_t>(id)])
            continue;
        vue[static_cast<size_t>(id)] = 1;
        seules.emplace_back(Entree(id, '0', 4, Saison->NomEquipe(id)), 0);
    }
    std::sort(autres.begin(), autres.end());
    std::sort(seules.begin(), seules.end());
    if (courant)
        for (int i = 0; i < courant->NbEquipe(); ++i)
        {
            const int id = courant->IdEquipe(i);
            if (id < 0 || id >= 65535)
                continue;
            std::erase_if(autres, [id](const auto& e) { return IdEntree(e.first) == id; });
            items.AddObject(Entree(id, '1', 1, Saison->NomEquipe(id)), international(courant));
        }
    for (const auto& e : autres)
        items.AddObject(e.first, e.second);
    for (const auto& e : seules)
        items.AddObject(e.first, e.second);

    const int id = courant ? courant->IdEquipe(indexEquipe) : -1;
    if (id >= 0 && indexEquipe < items.Count())
    {
        EquipeAffichee = static_cast<uint32_t>(id) | (static_cast<uint32_t>(international(courant)) << 16);
        l_Equipe->SetItemIndex(indexEquipe);
    }
    else if (items.Count() > 0)
    {
        l_Equipe->SetItemIndex(0);
        EquipeAffichee = static_cast<uint32_t>(IdEntree(items[0])) |
                         (static_cast<uint32_t>(items.Objects(0)) << 16);
    }
    else
        EquipeAffichee = 0xFFFFFFFF;
    CodeGrille = courant ? courant->CodeChamp : -1;
    ChampionnatAffiche = courant;
    RemplitCategories(indexEquipe);
    RemplitGrille();
    sg_TableauEquipe->FocusCell(1, 1, true);
}

void Tf_Effectifs::RemplitCategories(int indexEquipe)
{
    cb_Categories->Items().Clear();
    fCatMenu->Clear();
    if (!Saison || Saison->NbCategorie() == 0)
    {
        p_Categories->SetVisible(false);
        CategorieAffichee = 0;
        fCatMenu->SetEnabled(false);
        return;
    }
    fCatMenu->SetEnabled(true);
    p_Categories->SetVisible(true);
    cb_Categories->Items().AddObject(Texte(1402, "Toutes"), 0);
    const TDonneesChampionnat* c = Saison->ChampionnatCourant();
    const int propre = c ? c->CategorieEquipe(indexEquipe) : 0;
    int choisi = 1;
    for (int i = 0; i < Saison->NbCategorie(); ++i)
    {
        const TCategorie* k = Saison->CategorieIndex(i);
        cb_Categories->Items().AddObject(k->Nom, k->Id);
        if (k->Id == propre && propre != 0)
            choisi = i + 1;
        auto* mi = new TMenuItem(this);
        mi->SetCaption(k->Nom);
        const int32_t id = k->Id;
        mi->OnClick = [this, id](TObject*) { ChangeCategorieJoueur(id); };
        fCatMenu->Add(mi);
    }
    cb_Categories->SetItemIndex(choisi);
    CategorieAffichee = static_cast<int32_t>(cb_Categories->Items().Objects(choisi));
}

void Tf_Effectifs::cb_CategoriesChange(TObject*)
{
    const int i = cb_Categories->ItemIndex();
    if (i < 0)
        return;
    if (!EnregistreLignes(-1))
    {
        for (int k = 0; k < cb_Categories->Items().Count(); ++k)
            if (static_cast<int32_t>(cb_Categories->Items().Objects(k)) == CategorieAffichee)
                cb_Categories->SetItemIndex(k);
        return;
    }
    CategorieAffichee = static_cast<int32_t>(cb_Categories->Items().Objects(i));
    RemplitGrille();
}

void Tf_Effectifs::l_EquipeClick(TObject*)
{
    const int i = l_Equipe->ItemIndex();
    if (i < 0 || !Saison)
        return;
    const std::string e = l_Equipe->Items()[i];
    const int id = IdEntree(e);
    if (id < 0 || static_cast<uint32_t>(id) == (EquipeAffichee & 0xFFFF))
        return;
    if (!EnregistreLignes(-1))
    {
        // The team shown stays, with its rows as typed.
        for (int k = 0; k < l_Equipe->Items().Count(); ++k)
            if (static_cast<uint32_t>(IdEntree(l_Equipe->Items()[k])) == (EquipeAffichee & 0xFFFF))
                l_Equipe->SetItemIndex(k);
        return;
    }
    const TDonneesChampionnat* courant = Saison->ChampionnatCourant();
    CodeGrille = GroupeEntree(e) == '1' && courant ? courant->CodeChamp : -1;
    int index = -1;
    for (int k = 0; courant && k < courant->NbEquipe(); ++k)
        if (courant->IdEquipe(k) == id)
            index = k;
    RemplitCategories(index);
    EquipeAffichee = (static_cast<uint32_t>(l_Equipe->Items().Objects(i)) << 16) | static_cast<uint32_t>(id);
    RemplitGrille();
    sg_TableauEquipe->FocusCell(1, 1, true);
}

void Tf_Effectifs::DimensionneGrille()
{
    int largeur = 0;
    for (int k = 0; k < sg_TableauEquipe->ColCount(); ++k)
        largeur += sg_TableauEquipe->LargeurColonne(k) + 1;
    const int hauteur = (sg_TableauEquipe->DefaultRowHeight() + 1) * sg_TableauEquipe->RowCount() + 4;
    const int haut = 26;   // room for the group titles
    sg_TableauEquipe->SetBounds(8, haut, largeur + 4, hauteur);
    // Each group title over its columns: 7-8 (career), 9 onwards (this season's
    // figures, with the whole career's in brackets).
    auto gauche = [this](int col) {
        int x = 8 + 2;
        for (int k = 0; k < col && k < sg_TableauEquipe->ColCount(); ++k)
            x += sg_TableauEquipe->LargeurColonne(k) + 1;
        return x;
    };
    const int n = sg_TableauEquipe->ColCount();
    auto place = [&](TLabel* l, int premiere, int derniere) {
        const bool vue = n > derniere && sg_TableauEquipe->LargeurColonne(premiere) > 0;
        l->SetVisible(vue);
        if (vue)
            l->SetBounds(gauche(premiere), haut - 18, gauche(derniere + 1) - gauche(premiere) - 1, 16);
    };
    place(l_GroupeCarriere, 7, 8);
    int derniere = 9;
    for (int k = 10; k < n; ++k)
        if (sg_TableauEquipe->LargeurColonne(k) > 0)
            derniere = k;
    place(l_GroupeSaison, 9, derniere);
}

void Tf_Effectifs::RemplitGrille()
{
    if (!Saison)
        return;
    if (!CacheStats && Recompte)
    {
        Saison->CalculeStatJoueurs();
        Recompte = false;
    }
    TRemplissageEffectif p;
    p.Equipe = EquipeAffichee == 0xFFFFFFFF ? -1 : EquipeId();
    p.National = National();
    p.Stats = !CacheStats;
    p.Categorie = CategorieAffichee;
    p.Championnat = ChampionnatAffiche;
    p.CodeStats = CodeGrille;
    if (sg_TableauEquipe->EditorMode())
        sg_TableauEquipe->HideEditor();
    const bool etait = EditionEnAttente;
    EditionEnAttente = false;
    RemplitEffectif(*sg_TableauEquipe, *sg_TableauEquipe, *Saison, p, Couleurs, Lignes);
    (void)etait;
    sg_TableauEquipe->ChangeEtatColonne(0, 1);
    sg_TableauEquipe->ChangeEtatColonne(2, 1);
    sg_TableauEquipe->ChangeEtatColonne(3, 1);
    sg_TableauEquipe->ChangeEtatColonne(6, 1);
    PrepareLigneVide(sg_TableauEquipe->RowCount() - 1);
    DimensionneGrille();
    sg_TableauEquipe->Invalidate();
}

void Tf_Effectifs::PrepareLigneVide(int ligne)
{
    if (ligne < 1)
        return;
    if (static_cast<int>(Lignes.Joueurs.size()) >= ligne)
    {
        Lignes.Joueurs.resize(static_cast<size_t>(ligne - 1));
        Lignes.Cles.resize(static_cast<size_t>(ligne - 1));
    }
    TColor texte = 0, fond = 0;
    CouleursLigne(ligne, texte, fond, false);
    for (int k = 0; k < sg_TableauEquipe->ColCount(); ++k)
        sg_TableauEquipe->RemplitCellule(k, ligne, "", k == 2 || k == 3 ? 0 : 1, 1, texte, fond, false);
}

// ---- editing -------------------------------------------------------------------------------------

// The field a column of digits shows: a shirt and the career's matches and
// goals, whose cells are as wide as the season holds them (a value clicked
// through is shown and taken back whole) and refuse a figure past it.
std::optional<TChamp> Tf_Effectifs::ChampColonne(int col, bool national)
{
    switch (col)
    {
    case 1: return national ? TChamp::JoueurMaillotNational : TChamp::JoueurMaillot;
    case 7: return TChamp::CarriereMatch;
    case 8: return TChamp::CarriereBut;
    default: return std::nullopt;
    }
}

void Tf_Effectifs::sg_TableauEquipeGetEditMask(TObject*, int ACol, int, std::string& Value)
{
    if (const std::optional<TChamp> champ = ChampColonne(ACol, National()))
    {
        Value = DigitsMask(ChiffresChamp(*champ));
        return;
    }
    switch (ACol)
    {
    case 0: Value = "L"; break;
    case 4: Value = "!9990"; break;   // an age or a year of birth
    case 6: Value = "!0000"; break;
    default: Value.clear();
    }
}

void Tf_Effectifs::sg_TableauEquipeSetEditText(TObject*, int, int ARow, const std::string& Value)
{
    if (Trim(Value).empty())
        return;
    EditionEnAttente = true;
    if (ARow == sg_TableauEquipe->RowCount() - 1)
    {
        sg_TableauEquipe->SetRowCount(ARow + 2);
        PrepareLigneVide(ARow + 1);
        DimensionneGrille();
    }
}

void Tf_Effectifs::sg_TableauEquipeSelectCell(TObject*, int ACol, int ARow, bool& CanSelect)
{
    if (ColonneFermee(Saison, ACol))
    {
        CanSelect = false;
        return;
    }
    const int col = sg_TableauEquipe->Col(), row = sg_TableauEquipe->Row();
    // A row that cannot be stored keeps the selection until it is corrected
    // or emptied.
    if (EditionEnAttente && col <= 8 && ARow != row && !EnregistreLignes(row))
        CanSelect = false;
}

bool Tf_Effectifs::sg_TableauEquipeExit(TObject*)
{
    if (sg_TableauEquipe->EditorMode())
        sg_TableauEquipe->HideEditor();
    return EnregistreLignes(-1);
}

bool Tf_Effectifs::EnregistreLignes(int ligne, bool dit)
{
    if (!Saison || EquipeAffichee == 0xFFFFFFFF)
        return true;
    if (Enregistrement)
        return !EditionEnAttente;
    TColorStringGrid& g = *sg_TableauEquipe;
    const int premier = ligne < 0 ? 1 : ligne;
    const int dernier = ligne < 0 ? g.RowCount() - 2 : ligne;
    bool change = false, relire = false, refus = false;
    const int32_t cleDefaut = ChampionnatAffiche ? ChampionnatAffiche->CodeChamp : 0;
    const int anneeSaison = AnneeAges(*Saison);
    // A row that cannot be stored keeps what was typed; the first one says
    // why, at every attempt, once the rows are written.
    std::string raison;
    TGridCoord corrige{-1, -1};
    auto refuse = [&](const std::string& texte, int col, int r) {
        if (!refus) {
            raison = texte;
            corrige = {col, r};
        }
        refus = true;
    };
    Enregistrement = true;
    for (int r = premier; r <= dernier && r < g.RowCount(); ++r)
    {
        const std::string nom = Trim(g.Cells(2, r));
        TJoueur* j = JoueurLigne(r);
        if (nom.empty())
        {
            bool tape = false;
            for (int k = 0; k <= 8 && !tape; ++k)
            {
                const std::string t = Trim(g.Cells(k, r));
                tape = k != 2 && !t.empty() && t != "-" && !(k >= 7 && t == "0");
            }
            if (j || tape)
                refuse(TraduireFormat(TexteSansNom, {r}), 2, r);
            continue;
        }
        uint8_t naissance = 0;
        if (!LitAge(g.Cells(4, r), anneeSaison, naissance))
        {
            refuse(TraduireFormat(TexteAgeIllisible, {r, Trim(g.Cells(4, r))}), 4, r);
            continue;
        }
        std::string prenom = Trim(g.Cells(3, r));
        std::unique_ptr<TJoueur> nouveau;
        if (!j)
        {
            nouveau = Saison->CreeJoueur("", "", -1, EquipeId());
            nouveau->SetIdEquipe(EquipeId());
            nouveau->Numero = -1;
            if (Saison->Joueurs().Homonyme(nullptr, nom, prenom, nouveau->ClubActuel))
            {
                refuse(TraduireFormat(TexteDejaLa, {r, Trim(prenom + " " + nom)}), 2, r);
                continue;
            }
            j = nouveau.get();
            change = relire = true;
        }
        else if (SansAccentCasse(nom) != SansAccentCasse(j->Nom) || SansAccentCasse(prenom) != SansAccentCasse(j->Prenom))
        {
            // Named as a teammate: the two would become one player.
            if (TJoueur* autre = Saison->Joueurs().Homonyme(j, nom, prenom, j->ClubActuel);
                autre && !AccepteFusion(*Saison, *j, *autre))
            {
                g.SetCells(2, r, j->Nom);
                g.SetCells(3, r, j->Prenom);
                prenom = j->Prenom;
            }
        }
        auto ecrit = [&change](auto& champ, int valeur) {
            using T = std::remove_reference_t<decltype(champ)>;
            if (champ != static_cast<T>(valeur))
            {
                champ = static_cast<T>(valeur);
                change = true;
            }
        };
        const int maillot = std::clamp(NombreCellule(g.Cells(1, r)), 0, 255);
        if (National())
            ecrit(j->MaillotNational, maillot);
        else
            ecrit(j->Maillot, maillot);
        // A correction of accents or case is one too ("Durand" retyped
        // "Durànd", "Luc" as "Lùc").
        bool renomme = false;
        const std::string nomGarde = Trim(g.Cells(2, r));
        if (nomGarde != j->Nom)
        {
            j->Nom = nomGarde;
            renomme = change = true;
        }
        if (prenom != j->Prenom)
        {
            j->Prenom = prenom;
            renomme = change = true;
        }
        ecrit(j->Age, naissance);
        g.SetCells(4, r, TexteAge(anneeSaison, j->Age));
        const std::string lettre = UpperCase(Trim(g.Cells(0, r)));
        if (!lettre.empty() && lettre != UpperCase(j->LettrePoste()))
        {
            j->SetLettrePoste(lettre);
            change = relire = true;
        }
        const std::string club = Trim(g.Cells(5, r));
        const std::string avant = j->ClubPrec != TPersonnel::Aucun ? Saison->NomClubPrec(j->ClubPrec) : std::string();
        if (club != avant)
            ecrit(j->ClubPrec, club.empty() ? TPersonnel::Aucun : Saison->ChercheClubPrec(club, true));
        // The year of arrival is kept in a byte from 1900: other years are refused.
        const int annee = NombreCellule(g.Cells(6, r));
        if (annee == 0)
            ecrit(j->Duree, 0);
        else if (annee >= 1900 && annee <= 2155)
            ecrit(j->Duree, annee - 1900);
        else
        {
            Tf_MessageUtil::Affiche(TraduireFormat(3308, {Trim(g.Cells(6, r))}), mbuValider);
            g.SetCells(6, r, j->Duree == 0 ? std::string("-") : IntToStr(j->Duree + 1900));
        }
        int32_t cle = static_cast<size_t>(r - 1) < Lignes.Cles.size() ? Lignes.Cles[static_cast<size_t>(r - 1)] : 0;
        if (cle == 0)
            cle = cleDefaut;
        if (cle > 0)
        {
            const uint32_t k = static_cast<uint32_t>(cle);
            const int matchs = std::clamp(NombreCellule(g.Cells(7, r)), 0, 65535);
            const int buts = std::clamp(NombreCellule(g.Cells(8, r)), 0, 65535);
            if (j->NbMatchCarriere(k) != matchs)
            {
                j->SetNbMatchCarriere(k, matchs);
                change = true;
            }
            if (j->StatCarriere(k, j->TypeStatBut()) != buts)
            {
                j->SetStatCarriere(k, j->TypeStatBut(), buts);
                change = true;
            }
        }
        if (nouveau)
        {
            if (CategorieAffichee > 0 && p_Categories->Visible())
                nouveau->categorie = CategorieAffichee;
            j = Saison->Joueurs().AjouteJoueur(std::move(nouveau));
        }
        else if (renomme)
        {
            j = Saison->Joueurs().RangeJoueur(j);
            relire = true;
        }
        const size_t i = static_cast<size_t>(r - 1);
        if (Lignes.Joueurs.size() <= i)
        {
            Lignes.Joueurs.resize(i + 1, nullptr);
            Lignes.Cles.resize(i + 1, 0);
        }
        Lignes.Joueurs[i] = j;
    }
    // A refused row stays pending, as typed: the grid is not filled again.
    EditionEnAttente = refus;
    Enregistrement = false;
    if (change)
        Signale();
    if (relire && !refus)
        RemplitGrille();
    if (refus && dit) {
        Tf_MessageUtil::Affiche(raison, mbuValider);
        g.RefuseCell(corrige.X, corrige.Y);
    }
    return !refus;
}

bool LitAge(const std::string& texte, int anneeSaison, uint8_t& naissance)
{
    const std::string t = Trim(texte);
    if (t.empty() || t == "-")
    {
        naissance = 0;
        return true;
    }
    int n = 0;
    if (!TryStrToInt(t, n) || n < 0)
        return false;
    if (n == 0)
        naissance = 0;
    else if (n >= 1900 && n <= 2155)
        naissance = static_cast<uint8_t>(n - 1900);
    else if (n < 100 && anneeSaison - n >= 1 && anneeSaison - n <= 255)
        naissance = static_cast<uint8_t>(anneeSaison - n);
    else
        return false;
    return true;
}

// ---- the player's card ---------------------------------------------------------------------------

TOwned<Tf_FicheJoueur> CreeFicheJoueur(TSaison& saison)
{
    TOwned<Tf_FicheJoueur> f;
    switch (saison.Sport())
    {
    case sportRugby: f.reset(new Tf_FicheJoueurRugby(nullptr)); break;
    case sportBasket: f.reset(new Tf_FicheJoueurBasket(nullptr)); break;
    case sportHandball: f.reset(new Tf_FicheJoueurHand(nullptr)); break;
    default: f.reset(new Tf_FicheJoueurFoot(nullptr)); break;
    }
    return f;
}

void Tf_Effectifs::AppliqueCategorie(TJoueur* joueur)
{
    if (joueur && CategorieAffichee > 0 && p_Categories->Visible())
        joueur->categorie = CategorieAffichee;
}

void Tf_Effectifs::EditeJoueur(TJoueur* joueur, int posteDefaut)
{
    if (!Saison || EquipeAffichee == 0xFFFFFFFF)
        return;
    TOwned<Tf_FicheJoueur> f = CreeFicheJoueur(*Saison);
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison);
    f->ModeNational = National();
    const TDonneesChampionnat* c = Saison->ChampionnatCourant();
    f->ChangeJoueur(c ? c->CodeChamp : 0, joueur);
    f->Tag = EquipeId() + (CacheStats ? 0 : 0x10000);
    if (!joueur)
        f->PosteDefaut = std::max(posteDefaut, 0);
    if (f->ShowModal() == mrOk && (f->Tag == 1 || !joueur))
    {
        if (f->Joueur && f->Tag == 1)
        {
            AppliqueCategorie(f->Joueur);
            Signale();
        }
        RemplitGrille();
    }
}

void Tf_Effectifs::mi_EditerClick(TObject*)
{
    const int r = sg_TableauEquipe->Row();
    if (r < 1 || !EnregistreLignes(-1))
        return;
    TJoueur* j = JoueurLigne(r);
    if (j)
        EditeJoueur(j, 0);
    else
    {
        const TJoueur* avant = JoueurLigne(sg_TableauEquipe->RowCount() - 2);
        EditeJoueur(nullptr, avant ? avant->NumeroPoste() : 0);
    }
}

void Tf_Effectifs::mi_InsererClick(TObject*)
{
    if (!EnregistreLignes(-1))
        return;
    const int r = sg_TableauEquipe->Row();
    const TJoueur* j = JoueurLigne(r);
    if (!j)
        j = JoueurLigne(r - 1);
    EditeJoueur(nullptr, j ? j->NumeroPoste() - 1 : 0);
}

void Tf_Effectifs::mi_EffacerClick(TObject*)
{
    // A row typed but not stored (or refused) is emptied once the user,
    // asked naming it, says so: No keeps it as typed.
    const int r = sg_TableauEquipe->Row();
    if (r >= 1 && r < sg_TableauEquipe->RowCount() - 1 && !JoueurLigne(r))
    {
        TColorStringGrid& g = *sg_TableauEquipe;
        std::string nom = Trim(Trim(g.Cells(3, r)) + " " + Trim(g.Cells(2, r)));
        for (int k = 0; nom.empty() && k < g.ColCount(); ++k)
            nom = Trim(g.Cells(k, r));
        if (!nom.empty())
        {
            // The question takes the focus: the row is not written meanwhile.
            const bool avant = Enregistrement;
            Enregistrement = true;
            const bool oui =
                Tf_MessageUtil::Affiche(TraduireFormat(TexteEffaceSaisie, {r, nom}), mbuOui | mbuNon) == mrYes;
            Enregistrement = avant;
            if (!oui)
                return;
        }
        for (int k = 0; k < sg_TableauEquipe->ColCount(); ++k)
            sg_TableauEquipe->SetCells(k, r, "");
        if (EnregistreLignes(-1))
            RemplitGrille();
        return;
    }
    if (!EnregistreLignes(-1))
        return;
    TJoueur* j = JoueurLigne(sg_TableauEquipe->Row());
    if (!j || !Saison)
        return;
    // Without a team, a namesake without one would take him over: that is
    // the question then.
    if (TJoueur* autre = Saison->HomonymeTransfert(*j, TPersonnel::Aucun))
    {
        if (AccepteFusion(*Saison, *j, *autre) && Saison->FusionneJoueurs(autre, j))
        {
            Signale();
            RemplitGrille();
        }
        return;
    }
    if (Tf_MessageUtil::Affiche(TraduireFormat(1403, {j->NomComplet()}), mbuOui | mbuAnnuler) != mrYes)
        return;
    std::unique_ptr<TJoueur> p = Saison->Joueurs().RetireJoueur(j);
    if (!p)
        return;
    const TDonneesChampionnat* c = Saison->ChampionnatCourant();
    if (c && (c->Types() & TDonneesChampionnat::TypeNational))
    {
        p->Duree = static_cast<uint8_t>(c->Option(8));
        const std::string equipe = Saison->NomEquipe(EquipeId());
        if (!equipe.empty())
            p->ClubPrec = static_cast<uint16_t>(Saison->ChercheClubPrec(equipe, true));
    }
    p->SetIdEquipe(TPersonnel::Aucun);
    Saison->Joueurs().AjouteJoueur(std::move(p));
    Signale();
    RemplitGrille();
}

void Tf_Effectifs::mi_SaisieRapideClick(TObject*)
{
    if (!Saison || EquipeAffichee == 0xFFFFFFFF || !EnregistreLignes(-1))
        return;
    // The season is marked changed only when the entry changed it.
    if (!SaisieRapide())
        Tf_MessageUtil::Affiche(Traduire(3004), mbuValider);
    else if (SaisieRapide()(this, Saison, EquipeId()))
        Signale();
    RemplitGrille();
}

void Tf_Effectifs::ChangeCategorieJoueur(int32_t categorie)
{
    if (!EnregistreLignes(-1))
        return;
    if (TJoueur* j = JoueurLigne(sg_TableauEquipe->Row()))
    {
        if (j->categorie != categorie)
        {
            j->categorie = categorie;
            Signale();
        }
        RemplitGrille();
    }
}

void Tf_Effectifs::pm_JoueurOpPopup(TObject*)
{
    const int r = sg_TableauEquipe->Row();
    const bool joueur = JoueurLigne(r) != nullptr;
    mi_Editer->SetEnabled(joueur || r == sg_TableauEquipe->RowCount() - 1);
    mi_Effacer->SetEnabled(joueur);
    fCatMenu->SetEnabled(joueur && fCatMenu->Count() > 0);
    mi_Inserer->SetEnabled(true);
}

// ---- moving a player to another team -------------------------------------------------------------

void Tf_Effectifs::l_EquipeDragOver(TObject*, TObject* Source, int X, int Y, TDragState, bool& Accept)
{
    Accept = false;
    if (Source != sg_TableauEquipe)
        return;
    const int i = l_Equipe->ItemAtPos(Point(X, Y), true);
    if (i < 0)
        return;
    Accept = static_cast<uint32_t>(IdEntree(l_Equipe->Items()[i])) != (EquipeAffichee & 0xFFFF);
}

void Tf_Effectifs::l_EquipeDragDrop(TObject*, TObject* Source, int X, int Y)
{
    if (!Saison || !dynamic_cast<TStringGrid*>(Source) || EquipeAffichee == 0xFFFFFFFF)
        return;
    const int i = l_Equipe->ItemAtPos(Point(X, Y), true);
    if (i < 0)
        return;
    const int vers = IdEntree(l_Equipe->Items()[i]);
    if (vers < 0 || vers == EquipeId() || !EnregistreLignes(-1))
        return;
    TJoueur* j = JoueurLigne(sg_TableauEquipe->Row());
    if (!DeplaceJoueur(*Saison, j, vers, [&] { Transfere(*Saison, j, vers, EquipeId(), true); }))
        return;
    Signale();
    RemplitGrille();
}

// ---- printing and pages --------------------------------------------------------------------------

void Tf_Effectifs::Imprime() { sg_TableauEquipe->Imprime(EnTeteTableau()); }

void Tf_Effectifs::EnregistreHTML(const std::string& nomFichier)
{
    sg_TableauEquipe->EnregistreHTML(nomFichier, true, EnTeteTableau());
}

TEnTeteHTML Tf_Effectifs::EnTeteTableau() const
{
    // The team shown, and the group titles the window shows over the columns
    // (placed by DimensionneGrille): career over 7-8, this season from 9.
    std::vector<std::string> titres;
    if (Saison && EquipeAffichee != 0xFFFFFFFF)
        titres.push_back(Saison->NomEquipe(EquipeId()));
    std::vector<TEnTeteHTML::TBande> bandes;
    if (l_GroupeCarriere->Visible())
        bandes.push_back({7, 8, l_GroupeCarriere->Caption()});
    if (l_GroupeSaison->Visible())
        bandes.push_back({9, sg_TableauEquipe->ColCount() - 1, l_GroupeSaison->Caption()});
    return EnTete(titres, bandes);
}

void Tf_Effectifs::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                   const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    if (Nom != "EffectifEquipe")
    {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    Resultat.clear();
    if (!saison)
        return;
    const std::string nom = Parametre("Equipe", Parametres, "");
    const int equipe = saison->ChercheEquipe(nom);
    if (equipe < 0)
    {
        Resultat += "Equipe \"" + EchappeHTML(nom) + "\" inconnue<br/>";
        return;
    }
    saison->InvalideStats();
    saison->CalculeStatJoueurs();
    TRemplissageEffectif p;
    p.Equipe = equipe;
    p.Stats = true;
    p.LigneVide = false;
    p.Championnat = saison->ChampionnatCourant();
    for (TDonneesChampionnat* c : saison->Arbre().ListeChampionnats())
        if (c->IndexEquipe(equipe) >= 0)
        {
            p.Championnat = c;
            break;
        }
    p.CodeStats = p.Championnat ? p.Championnat->CodeChamp : -1;
    TColorGridModel g;
    g.SetFixedCols(0);
    TLignesEffectif lignes;
    RemplitEffectif(g, g, *saison, p, couleurs, lignes);
    const TCouleursHTML html{Parametre("CouleurTitre", Parametres, "#000080"),
                             Parametre("CouleurLigne1", Parametres, "#C0C0C0"),
                             Parametre("CouleurLigne2", Parametres, "#FFFFFF"),
                             Parametre("FonteTitre", Parametres, "#F0E020"),
                             Parametre("FonteLigne", Parametres, "#000000")};
    std::string table;
    g.TableHTML(html, table, 0, "#FFFFFF");
    Resultat += table;
}

void EnregistreEffectifs()
{
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    GestionFonctions().Ajoute("EffectifEquipe",
                              {"Tf_Effectifs", [](TComponent* o) -> TForm* { return new Tf_Effectifs(o); }}, 2);
}
