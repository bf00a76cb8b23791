#include "records/w_Arbitres.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/ListePays.h"
#include "model/Personnels.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "records/ListesPersonnes.h"
#include "records/w_Stades.h"
#include "results/w_FicheArbitre.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/message2.h"
#include "views/OutilsVues.h"

using namespace ctrl;

namespace {

constexpr int TexteArbitreNomme = 3323, TexteArbitreNommeUn = 5952;   // plural, singular
constexpr int TexteSansPrenom = 5402;
constexpr int TexteSansNom = 5900;
constexpr int CodeDessin = 5;
constexpr int HauteurLigne = 20;

std::string Code5(int code)
{
    std::string s = IntToStr(code);
    while (s.size() < 5)
        s = "0" + s;
    return s;
}

}  // namespace

// ---- the country list ----------------------------------------------------------------------

TListeParPaysForm::TListeParPaysForm(TComponent* AOwner, const std::string& nom) : TFootForm(AOwner)
{
    SetName(nom);
    SetColor(CouleurFondFonceDessin);
    SetBorderStyle(bsNone);
    SetClientWidth(760);
    SetClientHeight(480);
    l_Nation = new TListe(this);
    l_Nation->SetName("l_Nation");
    l_Nation->SetAlign(alLeft);
    l_Nation->SetWidth(170);
    l_Nation->NomLong = true;
    l_Nation->TailleNomLong = 4;
    l_Nation->SetParent(this);
    l_Nation->OnClick = [this](TObject*) { ChoisitLigne(l_Nation->ItemIndex()); };
    l_Nation->OnKeyUp = [this](TObject*, WORD& k, TShiftState) {
        if (k >= 37 && k <= 40)
            ChoisitLigne(l_Nation->ItemIndex());
    };
    ScrollBox1 = vues::FondDefilant(this, "ScrollBox1");
    ScrollBox1->OnResize = [this](TObject*) {
        if (TColorStringGrid* g = Grille())
            g->SetLeft(std::max(0, (ScrollBox1->ClientWidth() - g->Width()) / 2));
    };

    pm_JoueurOp = new TPopupMenu(this);
    pm_JoueurOp->SetName("pm_JoueurOp");
    auto item = [this](const char* n, const char* texte) {
        auto* mi = new TMenuItem(this);
        mi->SetName(n);
        mi->SetCaption(texte);
        pm_JoueurOp->Items()->Add(mi);
        return mi;
    };
    mi_Editer = item("mi_Editer", "");
    item("N1", "-");
    mi_Effacer = item("mi_Effacer", "");
    mi_Inserer = item("mi_Inserer", "");
    mi_Editer->OnClick = [this](TObject*) { Editer(Grille()->Row()); };
    mi_Effacer->OnClick = [this](TObject*) { Effacer(Grille()->Row()); };
    mi_Inserer->OnClick = [this](TObject*) { Inserer(); };
}

TListeParPaysForm::~TListeParPaysForm()
{
    // The controls go after the window: their events find no list then.
    ScrollBox1->OnResize = nullptr;
    l_Nation->OnClick = nullptr;
    l_Nation->OnKeyUp = nullptr;
}

int TListeParPaysForm::CodeLigne(const std::string& ligne) { return StrToIntDef(Copy(ligne, 1, 5), Tous); }

void TListeParPaysForm::RemplitPays(int pays)
{
    TStrings& items = l_Nation->Items();
    items.Clear();
    bool trouve = false;
    if (Saison) {
        std::vector<std::string> lignes;
        const TListePays& liste = Saison->Pays();
        for (int c = 0; c < liste.NbPays(); ++c)
            if (!liste.NomPays(c).empty() && PaysUtilise(c)) {
                lignes.push_back(Code5(c) + static_cast<char>(CodeDessin) + liste.NomPays(c));
                trouve = trouve || c == pays;
            }
        std::sort(lignes.begin(), lignes.end());
        for (const std::string& l : lignes)
            items.Add(l);
    }
    items.Insert(0, Code5(Tous) + static_cast<char>(CodeDessin) + TexteTous());
    items.Add(Code5(SansPays) + static_cast<char>(CodeDessin) + Texte(1207));
    pays_ = trouve || pays == SansPays ? pays : Tous;
    for (int i = 0; i < items.Count(); ++i)
        if (CodeLigne(items[i]) == pays_)
            l_Nation->SetItemIndex(i);
    Grille()->SetCol(1);
    Grille()->SetRow(1);
    RemplitGrille();
}

void TListeParPaysForm::ChoisitLigne(int ligne)
{
    if (ligne < 0 || ligne >= l_Nation->Items().Count())
        return;
    const int code = CodeLigne(l_Nation->Items()[ligne]);
    if (code == pays_)
        return;
    // A row typed that cannot be stored keeps the country shown.
    if (!EnregistreSaisie()) {
        for (int i = 0; i < l_Nation->Items().Count(); ++i)
            if (CodeLigne(l_Nation->Items()[i]) == pays_)
                l_Nation->SetItemIndex(i);
        return;
    }
    Grille()->SetCol(1);
    Grille()->SetRow(1);
    pays_ = code;
    RemplitGrille();
}

void TListeParPaysForm::Suit(int pays)
{
    // Another country than the one shown: the list moves to it; otherwise the
    // same country is shown again (the card may have added a country).
    RemplitPays(pays);
}

void TListeParPaysForm::EtatMenu(int ligne)
{
    const int n = Grille()->RowCount();
    mi_Editer->SetVisible(ligne >= 1 && ligne < n);
    mi_Effacer->SetVisible(ligne >= 1 && ligne < n - 1);
    mi_Inserer->SetVisible(true);
}

void TListeParPaysForm::BrancheGrille(TColorStringGrid* g)
{
    g->SetParent(ScrollBox1);
    g->SetBorderStyle(bsNone);
    g->SetScrollBars(ssNone);
    g->SetAutoResize(false);
    g->SetSelectionVisible(true);
    g->SetFixedCols(0);
    g->SetTop(10);
    g->OnMouseDown = [this, g](TObject*, TMouseButton b, TShiftState, int x, int y) {
        if (b != mbRight)
            return;
        int col = 0, row = 0;
        g->MouseToCell(x, y, col, row);
        if (row >= 1) {
            g->SetCol(std::min(col, 1));
            g->SetRow(row);
        }
        EtatMenu(g->Row());
        const TPoint p = g->ClientToScreen(TPoint{x, y});
        pm_JoueurOp->Popup(p.X, p.Y);
    };
    g->OnDblClick = [this, g](TObject*) { Editer(g->Row()); };
    g->OnKeyDown = [this, g](TObject*, WORD& k, TShiftState) {
        if (g->EditorMode())
            return;
        if (k == 45) {
            k = 0;
            Inserer();
        } else if (k == 46) {
            k = 0;
            Effacer(g->Row());
        }
    };
}

void TListeParPaysForm::PlaceGrille(int lignesEnPlus)
{
    TColorStringGrid* g = Grille();
    if (!g)
        return;
    int largeur = 0;
    for (int c = 0; c < g->ColCount(); ++c)
        largeur += g->LargeurColonne(c) > 0 ? g->LargeurColonne(c) + 1 : 0;
    g->SetWidth(largeur + 1);
    g->ChangeHauteurLignes(HauteurLigne);
    g->SetHeight((HauteurLigne + 1) * g->RowCount() + lignesEnPlus);
    g->SetLeft(std::max(0, (ScrollBox1->ClientWidth() - g->Width()) / 2));
}

void TListeParPaysForm::Imprime() { Grille()->Imprime(EnTete()); }

void TListeParPaysForm::EnregistreHTML(const std::string& nomFichier) { Grille()->EnregistreHTML(nomFichier, true, EnTete()); }

// ---- referees ------------------------------------------------------------------------------

Tf_Arbitres::Tf_Arbitres(TComponent* AOwner) : TListeParPaysForm(AOwner, "f_Arbitres")
{
    sg_TableauEquipe = new TColorStringGrid(this);
    sg_TableauEquipe->SetName("sg_TableauEquipe");
    sg_TableauEquipe->SetColCount(6);
    sg_TableauEquipe->SetRowCount(2);
    sg_TableauEquipe->SetFixedRows(1);
    BrancheGrille(sg_TableauEquipe);
    sg_TableauEquipe->SetOptions(sg_TableauEquipe->Options() | goEditing);
    sg_TableauEquipe->ChangeEtatColonne(0, 1);
    sg_TableauEquipe->ChangeEtatColonne(1, 1);
    sg_TableauEquipe->OnSelectCell = [this](TObject*, int col, int row, bool& permis) {
        permis = col <= 1;
        if (!permis || row == sg_TableauEquipe->Row())
            return;
        const int ligne = sg_TableauEquipe->Row();
        if (sg_TableauEquipe->EditorMode())
            sg_TableauEquipe->HideEditor();
        // A row that cannot be stored keeps the cursor until it is
        // corrected or emptied.
        if (EditionEnCours && sg_TableauEquipe->Col() <= 1 && ligne >= 1)
            permis = EnregistreLignes(ligne, ligne);
    };
    sg_TableauEquipe->OnSetEditText = [this](TObject*, int, int row, const std::string& valeur) {
        if (Trim(valeur).empty())
            return;
        EditionEnCours = true;
        if (row == sg_TableauEquipe->RowCount() - 1) {
            sg_TableauEquipe->SetRowCount(row + 2);
            TColor t = 0, f = 0;
            CouleursLigne(row + 1, t, f, false);
            for (int c = 0; c < sg_TableauEquipe->ColCount(); ++c)
                sg_TableauEquipe->RemplitCellule(c, row + 1, "", c <= 1 ? 0 : 1, 1, t, f, false);
            sg_TableauEquipe->ChangeDonneeCellule(0, row + 1, 0);
            PlaceGrille(1);
        }
    };
    // The focus leaving the grid writes the rows; a row that cannot be
    // stored stays as typed, and the road that leaves it says why.
    sg_TableauEquipe->OnExit = [this](TObject*) {
        if (sg_TableauEquipe->EditorMode())
            sg_TableauEquipe->HideEditor();
        EnregistreLignes(1, sg_TableauEquipe->RowCount() - 2, false);
    };
    // Tab walks the name and first-name cells, row after row; it never
    // leaves the grid.
    sg_TableauEquipe->SetOptions(sg_TableauEquipe->Options() | goTabs);
    auto touches = sg_TableauEquipe->OnKeyDown;
    sg_TableauEquipe->OnKeyDown = [this, touches](TObject* s, WORD& k, TShiftState shift) {
        if (k == VK_TAB && !sg_TableauEquipe->EditorMode()) {
            k = 0;
            int col = sg_TableauEquipe->Col(), row = sg_TableauEquipe->Row();
            if (shift & ssShift) {
                if (--col < 0) {
                    col = 1;
                    --row;
                }
            } else if (++col > 1) {
                col = 0;
                ++row;
            }
            if (row >= 1 && row < sg_TableauEquipe->RowCount())
                sg_TableauEquipe->FocusCell(col, row, true);
            return;
        }
        if (touches)
            touches(s, k, shift);
    };
    mi_Effacer->SetCaption(Texte(1194));
    mi_Editer->SetCaption(Texte(1195));
    mi_Inserer->SetCaption(Texte(1196));
    DoCreate();
}

Tf_Arbitres::~Tf_Arbitres()
{
    // The focus leaves the grid while the window goes: nothing is written then.
    sg_TableauEquipe->OnExit = nullptr;
    sg_TableauEquipe->OnSelectCell = nullptr;
    sg_TableauEquipe->OnSetEditText = nullptr;
}

bool Tf_Arbitres::PaysUtilise(int code) const { return Saison && Saison->Arbitres().PaysUtilise(code); }

std::string Tf_Arbitres::TexteTous() const { return Texte(1190); }

void Tf_Arbitres::RemplitArbitres(TSaison& saison, int pays, TColorGridBase& g, const TCouleurElement& couleurs)
{
    TGridModel& m = dynamic_cast<TGridModel&>(g);
    int texte1 = 0, car1 = 0, car2 = 0, nombre = 0, texte2 = 0;
    saison.ParamLibelles(2, texte1, car1, car2, nombre, texte2);
    const std::vector<TPersonnel*> liste =
        pays == Tous ? saison.Arbitres().Liste() : saison.Arbitres().ListeParPays(pays);
    m.SetFixedCols(0);
    m.SetColCount(6);
    m.SetRowCount(static_cast<int>(liste.size()) + 2);
    m.SetFixedRows(1);
    // The figures' columns are wide enough for their headers; the penalties
    // of the outdoor sports are not the handball throws of text 1498.
    const int largeurs[6] = {120, 120, 50, nombre == '\'' ? 0 : 90, 90, 90};
    const int entetes[6] = {71, 72, 67, saison.Sport() == 3 ? 1498 : saison.Sport() == 1 ? 4500 : 3492, texte1, texte2 == 1496 ? 1493 : texte2};
    for (int c = 0; c < 6; ++c) {
        g.ChangeLargeurColonne(c, largeurs[c]);
        g.RemplitCellule(c, 0, Texte(entetes[c]), 1, 1, couleurs.CouleurTexteTitreTableau,
                         couleurs.CouleurFondTitreTableau, true);
    }
    g.ElargitSelonTexte(0);
    auto total = [](const TPersonnelStat& a, int code, bool avertissement) -> uint32_t {
        if (code == '%')
            return avertissement ? a.TotalAvertissement() : a.TotalExpulsion();
        return a.StatTotale(code);
    };
    int r = 1;
    for (TPersonnel* p : liste) {
        auto* a = dynamic_cast<TPersonnelStat*>(p);
        TColor t = 0, f = 0;
        TBrivantelForm::CouleursLigneSchema(r, t, f, false, couleurs);
        const std::string v[6] = {p->Nom,
                                  p->Prenom,
                                  a ? IntToStr(static_cast<int64_t>(a->TotalMatch())) : "0",
                                  a && nombre != '\'' ? IntToStr(static_cast<int64_t>(a->StatTotale(nombre))) : "",
                                  a ? IntToStr(static_cast<int64_t>(total(*a, car1, true))) : "0",
                                  a ? IntToStr(static_cast<int64_t>(total(*a, car2, false))) : "0"};
        for (int c = 0; c < 6; ++c)
            g.RemplitCellule(c, r, v[c], c <= 1 ? 0 : 1, 1, t, f, false);
        g.ChangeDonneeCellule(0, r, p->Numero + 1);
        ++r;
    }
    TColor t = 0, f = 0;
    TBrivantelForm::CouleursLigneSchema(r, t, f, false, couleurs);
    for (int c = 0; c < 6; ++c)
        g.RemplitCellule(c, r, "", c <= 1 ? 0 : 1, 1, t, f, false);
    g.ChangeDonneeCellule(0, r, 0);   // the empty row holds no entry
}

void Tf_Arbitres::RemplitGrille()
{
    if (!Saison)
        return;
    if (Recompte) {
        Saison->CompteStatSport();
        Recompte = false;
    }
    EditionEnCours = false;
    RemplitArbitres(*Saison, pays_, *sg_TableauEquipe, Couleurs);
    PlaceGrille(1);
}

TPersonnelStat* Tf_Arbitres::ArbitreLigne(int ligne) const
{
    if (!Saison || ligne < 1 || ligne >= sg_TableauEquipe->RowCount())
        return nullptr;
    const int n = sg_TableauEquipe->DonneeCellule(0, ligne);
    return n > 0 ? dynamic_cast<TPersonnelStat*>(Saison->Arbitres().ChercheNumero(n - 1)) : nullptr;
}

bool Tf_Arbitres::EnregistreLignes(int premiere, int derniere, bool dit)
{
    if (!Saison || enregistrement_)
        return true;
    struct TEnCours
    {
        bool& b;
        ~TEnCours() { b = false; }
    } enCours{enregistrement_ = true};
    TPersonnels& arbitres = Saison->Arbitres();
    bool change = false, refait = false;
    int refus = 0, colonneRefus = 1;
    TPairesIds paires;
    for (int r = std::max(premiere, 1); r <= derniere && r < sg_TableauEquipe->RowCount(); ++r) {
        const std::string nom = sg_TableauEquipe->Cells(0, r), prenom = sg_TableauEquipe->Cells(1, r);
        TPersonnelStat* a = ArbitreLigne(r);
        // A first name typed with no name is refused: a referee without a
        // name is not kept in the season's file.
        if (Trim(nom).empty() && !Trim(prenom).empty()) {
            if (refus == 0) {
                refus = r;
                colonneRefus = 0;
            }
            continue;
        }
        if (Trim(prenom).empty()) {
            // A row emptied: a referee keeps his names, shown again. A name
            // typed with no first name is refused (a referee stored so is
            // left as he is).
            if (Trim(nom).empty())
                refait = refait || a;
            else if ((!a || SansAccent(nom) != SansAccent(a->Nom) || !Trim(a->Prenom).empty()) && refus == 0)
                refus = r;
            continue;
        }
        if (!a) {
            // A referee typed while every country is shown has none.
            auto nouveau = std::make_unique<TPersonnelStat>(-1, 0, prenom, nom);
            nouveau->CodePays = static_cast<uint16_t>(pays_ == Tous ? SansPays : pays_);
            TPersonnel* garde = arbitres.AjoutePersonnel(std::move(nouveau), &paires);
            sg_TableauEquipe->ChangeDonneeCellule(0, r, garde->Numero + 1);
            change = refait = true;
            continue;
        }
        if (SansAccent(nom) == SansAccent(a->Nom) && SansAccent(prenom) == SansAccent(a->Prenom))
            continue;
        // Renamed as another referee: the two become one only once the user
        // says so; else the row takes its names back.
        if (const TPersonnel* autre = arbitres.ChercheNom(nom, prenom);
            autre && autre != a && !AccepteFusionArbitre(*Saison, *a, *autre)) {
            sg_TableauEquipe->SetCells(0, r, a->Nom);
            sg_TableauEquipe->SetCells(1, r, a->Prenom);
            continue;
        }
        // Renamed: filed again at its place; a namesake takes its matches.
        a->Nom = nom;
        a->Prenom = prenom;
        arbitres.AjoutePersonnel(arbitres.RetirePersonnel(a), &paires);
        change = refait = true;
    }
    if (!paires.empty())
        Saison->AppliqueRenumerotationArbitres(paires);
    if (change)
        Signale();
    // A refused row stays as typed: the grid is not filled again.
    EditionEnCours = refus != 0;
    if (refait && !refus)
        RemplitGrille();
    if (refus && dit) {
        Tf_MessageUtil::Affiche(TraduireFormat(colonneRefus == 0 ? TexteSansNom : TexteSansPrenom, {refus}), mbuValider);
        sg_TableauEquipe->RefuseCell(colonneRefus, refus);
    }
    return refus == 0;
}

bool Tf_Arbitres::sg_TableauEquipeExit(TObject*)
{
    if (sg_TableauEquipe->EditorMode())
        sg_TableauEquipe->HideEditor();
    return EnregistreLignes(1, sg_TableauEquipe->RowCount() - 2);
}

void Tf_Arbitres::Editer(int ligne)
{
    if (!Saison || ligne < 1 || ligne >= sg_TableauEquipe->RowCount())
        return;
    TPersonnelStat* a = ArbitreLigne(ligne);
    const TDonneesChampionnat* c = Saison->ChampionnatCourant();
    TPersonnelStat* r = OuvreFicheArbitre(this, Couleurs, Saison, c ? c->CodeChamp : -1, a);
    if (!r)
        return;
    Signale();
    Suit(r->CodePays);
}

void Tf_Arbitres::Effacer(int ligne)
{
    TPersonnelStat* a = ArbitreLigne(ligne);
    if (!a || !Saison)
        return;
    // Rows written back first may file him again (or merge him away).
    const int32_t numero = a->Numero;
    if (!EnregistreLignes(1, sg_TableauEquipe->RowCount() - 2))
        return;
    TPersonnel* p = Saison->Arbitres().ChercheNumero(numero);
    int matchs = 0;
    if (!p)
        return;
    if (!SupprimeArbitre(*Saison, p, matchs)) {
        Tf_MessageUtil::Affiche(TraduireFormat(IdTexteNombre(TexteArbitreNomme, TexteArbitreNommeUn, matchs), {matchs}),
                                mbuValider);
        // The cursor on his row (the rows written back may have moved it).
        for (int r = 1; r < sg_TableauEquipe->RowCount(); ++r)
            if (sg_TableauEquipe->DonneeCellule(0, r) == numero + 1)
                sg_TableauEquipe->RefuseCell(std::min(sg_TableauEquipe->Col(), 1), r);
        return;
    }
    Signale();
    RemplitGrille();
}

void Tf_Arbitres::Inserer()
{
    if (!EnregistreLignes(1, sg_TableauEquipe->RowCount() - 2))
        return;
    Editer(sg_TableauEquipe->RowCount() - 1);
}

void Tf_Arbitres::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                  const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    if (Nom != "EffectifArbitre") {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    Resultat.clear();
    if (!saison)
        return;
    const uint16_t code = saison->Pays().CodePays(Parametre("Pays", Parametres, ""));
    saison->CompteStatSport();
    TColorGridModel g;
    g.SetAutoResize(false);
    RemplitArbitres(*saison, code == TListePays::Aucun ? Tous : code, g, couleurs);
    g.SetRowCount(g.RowCount() - 1);
    vues::EcritTable(g, Parametres, Resultat, false);
}

void EnregistreListesPersonnes()
{
    vues::EnregistreVue("Tf_Arbitres", [](TComponent* o) -> TForm* { return new Tf_Arbitres(o); },
                        {{"EffectifArbitre", 3}});
    vues::EnregistreVue("Tf_Stades", [](TComponent* o) -> TForm* { return new Tf_Stades(o); },
                        {{"EffectifStade", 3}, {"ListeSalle", 3}});
}
