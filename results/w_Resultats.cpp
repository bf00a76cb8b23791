#include "results/w_Resultats.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/Championnat_Maintenance.h"
#include "model/ChampsSaison.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Mask.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Printers.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "results/Controles.h"
#include "results/Resultats_Html.h"
#include "ui/ColorStringGrid.h"
#include "results/w_DialoguesResultats.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/message2.h"
#include "views/Textes.h"

using resultats::Bouton;
using resultats::Label;
using vues::Texte;

namespace {

constexpr TColor Jaune = 0x00FFFF;
constexpr int TailleNumero = 5;

void Habille(TFondModele* c, const char* maitre)
{
    if (Dessin)
        c->SetModele(Dessin->Fond(maitre));
}

std::string NomCadre(const TCadreDrop* c) { return c->Text(); }

// The match count of each matchday of the championship.
std::vector<int> MatchsParJournee(const TDonneesChampionnat& c)
{
    std::vector<int> v;
    for (int d = 1; d <= c.NbJour(); ++d)
        v.push_back(c.Journee(d) ? c.Journee(d)->NbMatchs() : 0);
    return v;
}

// What completing the fixtures did: the matches added and their matchdays,
// or that there was nothing to add.
std::string BilanCompletion(const TDonneesChampionnat& c, const std::vector<int>& avant)
{
    const std::vector<int> apres = MatchsParJournee(c);
    int ajoutes = 0;
    std::string journees;
    for (size_t d = 0; d < apres.size(); ++d)
        if (const int k = apres[d] - (d < avant.size() ? avant[d] : 0); k > 0) {
            ajoutes += k;
            journees += (journees.empty() ? "" : ", ") + LibelleJournee(c, static_cast<int>(d) + 1);
        }
    return ajoutes ? TraduireFormat(IdTexteNombre(5580, 5972, ajoutes), {ajoutes, journees}) : Traduire(5581);
}

}  // namespace

// ============================================================================
// creation
// ============================================================================

Tf_Resultats::Tf_Resultats(TComponent* AOwner) : TFootForm(AOwner)
{
    CreeComposants();
    Label143->SetCaption(Texte(739, L1("Date de la journée")));
    b_Completer->SetCaption(Texte(740, L1("Compléter le calendrier")));
    b_Verification->SetCaption(Texte(741, L1("Vérification")));
    BoutonCopie1->SetCaption(Texte(1201, "Tout effacer"));
    mi_AjoutEquipe->SetCaption(Texte(897, L1("Ajouter des équipes")));
    mi_Forfait->SetCaption(Texte(929, "Gagnant par forfait"));
    mi_TapisVert->SetCaption(Texte(930, "Gagnant sur tapis vert"));
    mi_MatchNormal->SetCaption(Texte(931, "Match Normal"));
    mi_MatchRemis->SetCaption(Texte(1478, "Match remis"));
    mi_MatchArrete->SetCaption(Texte(1479, L1("Match arreté")));
    mi_ScoreNonParvenu->SetCaption(Texte(1480, "Score non parvenu"));
    DemandeTirsAuBut = [this](int h, int a) -> uint32_t {
        TOwned<Tf_Penaltys> f(new Tf_Penaltys(this));
        f->ChangeSaison(Saison);
        f->ChangeCouleurs(Couleurs);
        f->Tag = (h << 16) + a;
        return f->ShowModal() == mrOk ? static_cast<uint32_t>(f->Tag) : 0u;
    };
    DoCreate();
}

Tf_Resultats::~Tf_Resultats()
{
    detruit_ = true;
    if (Championnat()) {
        // The page goes: a date shown with nothing entered goes with it.
        EnregistrerJournee(true);
        if (Championnat()->NbJournee <= Championnat()->DerniereJournee)
            TrieMatchsClassement();
    }
    // The date box outlives the page by a moment, losing the focus and hidden
    // as the controls go: it calls the page no more.
    bde_DateJour->OnChange = nullptr;
    bde_DateJour->OnExit = nullptr;
    bde_DateJour->OnUserInput = nullptr;
    LibereLignes();
}

void Tf_Resultats::CreeComposants()
{
    SetName("f_Resultats");
    SetCaption("f_Resultats");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);

    FondCopie2 = new TFondCopie(this);
    FondCopie2->SetName("FondCopie2");
    Habille(FondCopie2, "FondCarrebleu");
    FondCopie2->SetAlign(alBottom);
    FondCopie2->SetHeight(80);
    FondCopie2->SetParent(this);
    Label1 = Label(this, FondCopie2, "Label1", 14, 8, 280, Jaune, true, L1("Journée n°10"));
    TrackBar1 = new TTrackBar(this);
    TrackBar1->SetName("TrackBar1");
    TrackBar1->SetBounds(8, 32, 224, 30);
    TrackBar1->SetParent(FondCopie2);
    TrackBar1->OnChange = [this](TObject* s) { TrackBar1Change(s); };
    b_Completer = Bouton(this, FondCopie2, "b_Completer", "BoutonOrange", 300, 8, 150, "");
    b_Verification = Bouton(this, FondCopie2, "b_Verification", "BoutonOrange", 300, 42, 150, "");
    Label143 = Label(this, FondCopie2, "Label143", 462, 4, 150, clWhite, true, "");
    bde_DateJour = new TDateTimePicker(this);
    bde_DateJour->SetName("bde_DateJour");
    bde_DateJour->SetBounds(462, 20, 130, 22);
    bde_DateJour->SetParent(FondCopie2);
    // A page being freed takes no date: the box, losing the focus as it goes,
    // would write into rows already freed.
    bde_DateJour->OnChange = [this](TObject* s) {
        if (!detruit_)
            bde_DateJourChange(s);
    };
    bde_DateJour->OnExit = [this](TObject* s) {
        if (!detruit_)
            bde_DateJourExit(s);
    };
    bde_DateJour->OnUserInput = [this](TObject*, const std::string& texte, double& date, bool& prise) {
        prise = !detruit_ && DateTapee(bde_DateJour, texte, date);
    };
    BoutonCopie1 = Bouton(this, FondCopie2, "BoutonCopie1", "BoutonOrange", 462, 46, 130, "");
    b_Completer->OnClick = [this](TObject* s) { b_CompleterClick(s); };
    b_Verification->OnClick = [this](TObject* s) { b_VerificationClick(s); };
    BoutonCopie1->OnClick = [this](TObject* s) { BoutonCopie1Click(s); };

    l_Equipe = new TListe(this);
    l_Equipe->SetName("l_Equipe");
    l_Equipe->SetAlign(alLeft);
    l_Equipe->SetWidth(170);
    l_Equipe->TailleNomLong = TailleNumero;
    l_Equipe->Gagne_element = true;
    l_Equipe->CanDrag = true;
    l_Equipe->Tag = 1;
    l_Equipe->SetParent(this);
    l_Aucune = Label(this, l_Equipe, "l_Aucune", 6, 6, 156, clNavy, false, "");
    l_Aucune->SetWordWrap(true);
    l_Aucune->SetHeight(90);
    l_Aucune->SetVisible(false);
    l_Equipe->OnDblClick = [this](TObject* s) { l_EquipeDblClick(s); };
    l_Equipe->OnKeyDown = [this](TObject* s, WORD& k, TShiftState) {
        if (k == VK_RETURN)
            l_EquipeDblClick(s);
    };

    FondMatch = new TFondScroll(this);
    FondMatch->SetName("FondMatch");
    Habille(FondMatch, "FondCarrebleu");
    if (Dessin)
        FondMatch->SetModeleScroll(Dessin->Fond("FondToutBleu"));
    FondMatch->SetAlign(alClient);
    FondMatch->SetParent(this);
    FondMatch->onresize = [this](TObject*) { PlaceLignes(); };

    auto titre = [this](const char* nom, const std::string& texte) {
        TLabel* l = Label(this, nullptr, nom, 0, 0, 200, Jaune, true, texte);
        l->SetAutoSize(true);
        l->SetVisible(false);
        FondMatch->InsereControle(l);
        return l;
    };
    l_Finale = titre("l_Finale", Texte(271, "Finale"));
    l_PetiteFinale = titre("l_PetiteFinale", Texte(3924, L1("Match pour la troisième place")));

    pm_Forfait = new TPopupMenu(this);
    pm_Forfait->SetName("pm_Forfait");
    auto item = [this](TPopupMenu* menu, const char* nom, int etat) {
        auto* mi = new TMenuItem(this);
        mi->SetName(nom);
        mi->Tag = etat;
        mi->SetRadioItem(true);
        mi->OnClick = [this](TObject* s) { EtatClick(s); };
        menu->Items()->Add(mi);
        return mi;
    };
    mi_Forfait = item(pm_Forfait, "mi_Forfait", etatForfait);
    mi_TapisVert = item(pm_Forfait, "mi_TapisVert", etatSurTapis);
    mi_MatchRemis = item(pm_Forfait, "mi_MatchRemis", etatReporte);
    mi_MatchArrete = item(pm_Forfait, "mi_MatchArrete", etatArrete);
    mi_ScoreNonParvenu = item(pm_Forfait, "mi_ScoreNonParvenu", etatNonRecu);
    mi_MatchNormal = item(pm_Forfait, "mi_MatchNormal", etatNormal);
    pm_AjouteEquipeCoupe = new TPopupMenu(this);
    pm_AjouteEquipeCoupe->SetName("pm_AjouteEquipeCoupe");
    mi_AjoutEquipe = new TMenuItem(this);
    mi_AjoutEquipe->SetName("mi_AjoutEquipe");
    mi_AjoutEquipe->OnClick = [this](TObject* s) { mi_AjoutEquipeClick(s); };
    pm_AjouteEquipeCoupe->Items()->Add(mi_AjoutEquipe);
}

TDonneesChampionnat* Tf_Resultats::Championnat() const { return Saison ? Saison->ChampionnatCourant() : nullptr; }

// ============================================================================
// set-up, rows, loading
// ============================================================================

void Tf_Resultats::Init()
{
    occupe_ = true;
    dateChoisie_ = false;
    TDonneesChampionnat* c = Championnat();
    if (!c)
        return;
    systemeDate_ = c->SystemeDate();
    const int m = c->NbJour();
    TrackBar1->SetMin(1);
    TrackBar1->SetMax(std::max(1, systemeDate_ ? c->Journees().Nombre() : m));
    TrackBar1->SetWidth(m > 0 ? (200 / m) * m + 24 : 24);
    if (c->NbJournee < 1)
        c->NbJournee = 1;
    if (systemeDate_)
        TrackBar1->SetPosition(PositionDate());
    else
        TrackBar1->SetPosition(std::min(static_cast<int>(c->NbJournee), std::max(m, 1)));
    Label1->SetCaption(LibelleJournee(Saison));
    if (!c->EstCoupe() && c->NbJournee <= c->DerniereJournee)
        TrieMatchsClassement();
    l_Equipe->SetPopupMenu(c->EstCoupe() ? pm_AjouteEquipeCoupe : nullptr);
    occupe_ = false;
}

std::string Tf_Resultats::LibelleJournee(TSaison* saison)
{
    return saison ? NomJournee(*saison) : std::string();
}

void Tf_Resultats::TrieMatchsClassement()
{
    if (Saison && ::TrieMatchsClassement(*Saison))
        Signale();
}

bool Tf_Resultats::PlacementPermis() const
{
    const TDonneesChampionnat* c = Championnat();
    if (!c)
        return false;
    if (!c->EstCoupe())
        return true;
    const TInfoTourCoupe* t = c->TourCoupe(c->NbJournee - 1);
    const uint32_t k = t ? (t->TypeMatch & 240) : 0;
    return k == 0 || k == 16 || k == 64;
}

bool Tf_Resultats::PlacementLigne(int r) const
{
    const TDonneesChampionnat* c = Championnat();
    return PlacementPermis() || (c && r >= 0 && r == LignePetiteFinale(*c, c->NbJournee));
}

void Tf_Resultats::LibereLignes()
{
    for (auto& l : lignes_)
        for (TControl* c : std::initializer_list<TControl*>{l->Date, l->Domicile, l->Exterieur, l->ScoreDomicile,
                                                            l->ScoreExterieur, l->Tiret, l->TirsAuBut})
            if (c)
                c->Free();
    lignes_.clear();
}

void Tf_Resultats::CreeLigne(int r)
{
    TDonneesChampionnat* c = Championnat();
    auto l = std::make_unique<TLigneResultat>();
    const int tagDom = ((2 * r + 1) << 16) | 1, tagExt = ((2 * r + 2) << 16) | 1;
    const bool depot = PlacementLigne(r) || (c && c->EstCoupe() && c->TourCoupe(c->NbJournee - 1) &&
                                             (c->TourCoupe(c->NbJournee - 1)->TypeMatch & 240) == 192);
    if (c && (c->Option(11) & 4)) {
        l->Date = new TMaskEdit(this);
        // Every place optional: a date typed short ("24/08/26") is read by
        // the page, which refuses what names no date with a word of its own.
        l->Date->SetEditMask("!99/99/9999;1;");
        l->Date->SetWidth(66);
        l->Date->Tag = r + 1;
        l->Date->OnExit = [this](TObject* s) { DateLigneExit(s); };
        l->Date->OnEnter = [this, ligne = l.get()](TObject*) { ligne->DateEntree = ligne->Date->GetText(); };
        FondMatch->InsereControle(l->Date);
    }
    auto cadre = [&](int tag) {
        auto* b = new TCadreDrop(this);
        b->SetBounds(0, 0, 120, 25);
        b->Tag = tag;
        b->Numero = -1;
        b->Selectionnable = false;
        b->Drag = depot;
        b->Drop = depot;
        b->OnDblClick = [this](TObject* s) { CadreDblClick(s); };
        b->OnGeste = [this](TObject* source, TControl* cible) { DepotEquipe(source, cible); };
        b->OnMouseDown = [this](TObject* s, TMouseButton bt, TShiftState sh, int x, int y) {
            CadreMouseDown(s, bt, sh, x, y);
        };
        FondMatch->InsereControle(b);
        return b;
    };
    auto score = [&](int tag, int ordre) {
        auto* e = new TEditRond(this);
        // as wide as the largest score a match holds: a stored score is shown whole
        e->Maxlength = static_cast<uint8_t>(ChiffresChamp(TChamp::MatchScore1));
        e->Maximum = static_cast<int32_t>(Champ(TChamp::MatchScore1).haut);
        e->Tag = tag;
        e->OnKeyPress = [this](TObject* s, char& k) { ScoreKeyPress(s, k); };
        e->OnExit = [this](TObject* s) { ScoreExit(s); };
        FondMatch->InsereControle(e);
        e->SetTabOrder(ordre);
        return e;
    };
    l->Domicile = cadre(tagDom);
    l->Exterieur = cadre(tagExt);
    l->ScoreDomicile = score(tagDom, 2 * r + 2);
    l->ScoreExterieur = score(tagExt, 2 * r + 3);
    l->Tiret = Label(this, nullptr, "", 0, 0, 8, clWhite, true, "-");
    FondMatch->InsereControle(l->Tiret);
    if (c && c->EstCoupe()) {
        // centred under the row, as wide as its text: the longest word on
        // a shoot-out shows whole
        l->TirsAuBut = Label(this, nullptr, "", 0, 0, 340, Jaune, true, "");
        l->TirsAuBut->SetAlignment(taCenter);
        l->TirsAuBut->Tag = 0;
        FondMatch->InsereControle(l->TirsAuBut);
    }
    lignes_.push_back(std::move(l));
    PeintLigne(r);
}

void Tf_Resultats::PeintLigne(int r)
{
    TLigneResultat& l = Ligne(r);
    const char* cadre = l.EtatMatch != etatNormal ? "BoutonCreuxRouge" : (r % 2 == 0 ? "BoutonCreuxBleu" : "BoutonCreuxOrange");
    const char* rond = l.EtatMatch != etatNormal ? "RondCreuxRouge" : (r % 2 == 0 ? "RondCreuxBleu" : "RondCreuxOrange");
    Habille(l.Domicile, cadre);
    Habille(l.Exterieur, cadre);
    Habille(l.ScoreDomicile, rond);
    Habille(l.ScoreExterieur, rond);
}

void Tf_Resultats::CreeLignes()
{
    TDonneesChampionnat* c = Championnat();
    LibereLignes();
    if (!c)
        return;
    const int n = c->NbJournee;
    const int nb = NbLignesJournee(*c, n) + (systemeDate_ ? 1 : 0);
    for (int r = 0; r < nb; ++r)
        CreeLigne(r);
    PlaceLignes();
    ChargeJournee(false);
}

void Tf_Resultats::PlaceLignes()
{
    const int nb = NbLignes();
    const TDonneesChampionnat* c = Championnat();
    const bool finales = c && c->EstCoupe() && nb == 2 && c->NbJournee == c->NbJour() && c->PetiteFinale;
    l_Finale->SetVisible(finales);
    l_PetiteFinale->SetVisible(finales);
    if (nb == 0)
        return;
    const int h = FondMatch->Height() - 2 * FondMatch->ScrollTop();
    const int w = FondMatch->Width() - 2 * FondMatch->ScrollLeft();
    const int reste = h - 30 * nb - 20;
    const int ecart = reste > 4 * nb ? reste / nb : 5;
    const int pas = ecart + 30;
    const bool dates = Ligne(0).Date != nullptr;
    int x = dates ? (w - 460) / 2 : (w - 360) / 2;
    if (dates && w - 460 < 161)
        x = 80;
    else if (!dates && w - 360 < 21)
        x = 10;
    for (int r = 0; r < nb; ++r) {
        TLigneResultat& l = Ligne(r);
        const int y = ecart / 2 + r * pas;
        if (l.Date)
            l.Date->SetBounds(x - 75, y, 66, 25);
        l.Domicile->SetBounds(x, y, 120, 25);
        l.ScoreDomicile->SetBounds(x + 135, y, 25, 25);
        l.Tiret->SetBounds(x + 168, y + 5, 8, 16);
        l.ScoreExterieur->SetBounds(x + 180, y, 25, 25);
        l.Exterieur->SetBounds(x + 220, y, 120, 25);
        if (l.TirsAuBut) {
            l.TirsAuBut->SetBounds(x, y + 27, 340, 16);
            l.TirsAuBut->AdjustBounds();
        }
    }
    if (finales)
        for (int r = 0; r < 2; ++r) {
            TLabel* t = r == 0 ? l_Finale : l_PetiteFinale;
            const TLigneResultat& l = Ligne(r);
            t->SetLeft(l.Tiret->Left() - t->Width() / 2 + 2);
            t->SetTop(l.Domicile->Top() - 20);
        }
    FondMatch->Ajuste();
}

void Tf_Resultats::RemplitCadre(TCadreDrop* cadre, const std::string& nom, int32_t id)
{
    cadre->Numero = nom.empty() ? -1 : id;
    cadre->SetText(nom);
}

void Tf_Resultats::AjouteListe(const std::string& nom, int32_t id)
{
    l_Equipe->Items().Add(EntreeListe(std::max(id, 0), TailleNumero, false, nom));
    l_Equipe->Trie(false);
}

uint32_t Tf_Resultats::DateLigne(int r) const
{
    uint32_t date = 0;
    return TGestionDate::LitSaisie(lignes_[static_cast<size_t>(r)]->Date->GetText(), date) == TGestionDate::saisieDate
               ? date
               : 0;
}

bool Tf_Resultats::DateTapee(TControl* boite, const std::string& texte, double& date)
{
    uint32_t d = 0;
    switch (TGestionDate::LitSaisie(texte, d)) {
    case TGestionDate::saisieDate:
        date = TGestionDate::DateVersDateTime(d);
        return true;
    case TGestionDate::saisieAnnee:
        RefuseInput(boite, TraduireFormat(6200, {Trim(texte), TGestionDate::AnneeMin, TGestionDate::AnneeMax}));
        return false;
    default:
        RefuseInput(boite, TraduireFormat(6201, {Trim(texte)}));
        return false;
    }
}

void Tf_Resultats::ChargeDates(uint32_t date)
{
    // A match shows its own date; a row without one shows the matchday's,
    // which it takes only when the date is typed or the row makes a match.
    TDonneesChampionnat* c = Championnat();
    const TInfoCompJour* j = c->Journee(c->NbJournee);
    for (int r = 0; r < NbLignes(); ++r) {
        TLigneResultat& l = Ligne(r);
        if (!l.Date)
            continue;
        const TInfoComp* m = j ? j->Match(r) : nullptr;
        const uint32_t d = m && m->DateMatch() != 0 ? m->DateMatch() : date;
        l.Date->SetText(d ? TGestionDate::DateVersTexte(d) : std::string());
    }
}

void Tf_Resultats::ChargeJournee(bool garde)
{
    TDonneesChampionnat* c = Championnat();
    if (!c)
        return;
    const int n = c->NbJournee;
    const bool datesJour = (c->Option(11) & 1) != 0;
    // A dated cup gives each matchday (its round, leg or game) the date picked.
    const bool coupeDatee = c->EstCoupe() && (c->Option(11) & 8) != 0;
    // 1.
    b_Completer->SetVisible(!systemeDate_);
    Label143->SetVisible(systemeDate_ || datesJour || coupeDatee);
    bde_DateJour->SetVisible(systemeDate_ || datesJour || coupeDatee);
    // 2. The matchday date.
    if (dateChoisie_)
        dateJour_ = TGestionDate::DateTimeVersDate(bde_DateJour->Date());
    else if (c->ElementDateJournee(n, 1) != 0) {
        dateJour_ = c->DateJournee(n);
        bde_DateJour->SetDate(TGestionDate::DateVersDateTime(dateJour_));
    } else {
        // A matchday without a date keeps none, and the box shows none: a
        // date given there is the matchday's.
        bde_DateJour->SetNoDate();
        dateJour_ = 0;
    }
    // 3. The rows; in a cup the later legs to play stand among them (4.).
    std::vector<bool> placees(static_cast<size_t>(c->NbEquipe()), false);
    ChargeDates(dateJour_);
    std::vector<TLigneSaisie> modele = LignesJournee(*Saison);
    std::vector<std::pair<int, int>> proposees(modele.size(), {-1, -1});
    if (c->EstCoupe() && !garde)
        ProposeSuite(modele, proposees);
    for (int r = 0; r < NbLignes(); ++r) {
        TLigneResultat& l = Ligne(r);
        const TLigneSaisie s = r < static_cast<int>(modele.size()) ? modele[static_cast<size_t>(r)] : TLigneSaisie();
        RemplitCadre(l.Domicile, s.Domicile, s.NumeroDomicile);
        RemplitCadre(l.Exterieur, s.Exterieur, s.NumeroExterieur);
        for (int id : {s.NumeroDomicile, s.NumeroExterieur})
            if (c->IndexEquipe(id) >= 0)
                placees[static_cast<size_t>(c->IndexEquipe(id))] = true;
        l.ScoreDomicile->SetText(s.ScoreDomicile);
        l.ScoreExterieur->SetText(s.ScoreExterieur);
        l.Qualifie = s.Qualifie;
        l.EtatMatch = s.Etat;
        l.Efface = false;
        l.Proposee = r < static_cast<int>(proposees.size()) ? proposees[static_cast<size_t>(r)] : std::pair{-1, -1};
        PeintLigne(r);
        if (l.TirsAuBut) {
            l.TirsAuBut->Tag = static_cast<int32_t>(s.TirsAuBut);
            MontreTirs(r);
        }
    }
    // 4. Showing changes nothing: the later legs to play are only shown, at
    // the place of their tie among those already played, so that a row keeps
    // its place whichever of them are played; a team placed alone before is
    // back in its row.
    if (c->EstCoupe())
        RendSeules(placees);
    accepte_ = LignesSaisies();
    RendGardes();
    // 5. The list offers the teams that may stand in a row where placing is
    // allowed: in a later round of a cup, those that went through the rounds
    // before (the semi-final losers for the third-place row).
    l_Equipe->Items().Clear();
    for (int p = 0; p < c->NbEquipe(); ++p)
        if (const int id = c->IdEquipe(p); !placees[static_cast<size_t>(p)] && Offerte(id))
            l_Equipe->Items().Add(EntreeListe(id, TailleNumero, false, Saison->NomEquipePosition(p)));
    MontreAucune();
}

void Tf_Resultats::MontreAucune()
{
    // A later round's first matchday with a row still empty and nobody to
    // place: its teams come from the ties of the round before.
    const TDonneesChampionnat* c = Championnat();
    bool aucune = false;
    if (c && TableauActif(*c) && l_Equipe->Items().Count() == 0) {
        const int n = c->NbJournee;
        const TTableau t = Tableau(*c, MatchsCoupe(*Saison, *c, n, LignesGeste()));
        const int r = t.TourJournee(n);
        if (r > 0 && t.Nourri(r) && n == t.Tours[static_cast<size_t>(r)].Premier)
            for (int k = 0; k < NbLignes() && !aucune; ++k)
                aucune = k != LignePetiteFinale(*c, n) && Ligne(k).Domicile->Text().empty() &&
                         Ligne(k).Exterieur->Text().empty();
    }
    if (aucune)
        l_Aucune->SetCaption(Texte(5788, L1("Aucune équipe à placer : le tour précédent envoie ses qualifiés une fois ses rencontres jouées.")));
    l_Aucune->SetVisible(aucune);
}

void Tf_Resultats::GardeSeules()
{
    const TDonneesChampionnat* c = Championnat();
    if (!c || !c->EstCoupe())
        return;
    seules_[{c->CodeChamp, c->NbJournee}] = SeulesAcceptees();
}

std::vector<Tf_Resultats::TPlaceSeule> Tf_Resultats::SeulesAcceptees() const
{
    std::vector<TPlaceSeule> v;
    for (size_t r = 0; r < accepte_.size(); ++r) {
        const TLigneSaisie& l = accepte_[r];
        const bool domicile = !l.Domicile.empty() && l.NumeroDomicile >= 0;
        const bool exterieur = !l.Exterieur.empty() && l.NumeroExterieur >= 0;
        if (domicile != exterieur)
            v.push_back({static_cast<int>(r), domicile, domicile ? l.NumeroDomicile : l.NumeroExterieur});
    }
    return v;
}

std::string Tf_Resultats::PlacementsSeules() const
{
    const TDonneesChampionnat* courant = Championnat();
    if (!Saison || !courant || !courant->EstCoupe())
        return {};
    // The matchday shown as last accepted; the others as they were left.
    std::map<std::pair<int32_t, int>, std::vector<TPlaceSeule>> toutes = seules_;
    toutes[{courant->CodeChamp, courant->NbJournee}] = SeulesAcceptees();
    std::string noms;
    int n = 0;
    for (const auto& [cle, places] : toutes) {
        const TDonneesChampionnat* c = Saison->Arbre().ChampionnatParCode(cle.first);
        const TInfoCompJour* j = c ? c->Journee(cle.second) : nullptr;
        for (const TPlaceSeule& s : places) {
            bool tenue = false;
            for (int k = 0; j && k < j->NbMatchs(); ++k)
                tenue = tenue || j->Match(k)->IdEquipe(0) == s.Equipe || j->Match(k)->IdEquipe(1) == s.Equipe;
            if (c && !tenue) {
                noms += (noms.empty() ? "" : ", ") + Saison->NomEquipe(s.Equipe) + " (" + ::LibelleJournee(*c, cle.second) +
                        ")";
                ++n;
            }
        }
    }
    // (the sentence agrees with the number of teams it names)
    return noms.empty() ? std::string() : TraduireFormat(n == 1 ? 5789 : 5917, {noms});
}

void Tf_Resultats::RendSeules(std::vector<bool>& placees)
{
    const TDonneesChampionnat* c = Championnat();
    const auto k = seules_.find({c->CodeChamp, c->NbJournee});
    if (k == seules_.end())
        return;
    for (const TPlaceSeule& s : k->second) {
        const int p = c->IndexEquipe(s.Equipe);
        if (s.Ligne >= NbLignes() || p < 0 || placees[static_cast<size_t>(p)])
            continue;
        // Its row, or the first empty one when the matches written since
        // stand there.
        auto vide = [this](int r) { return Ligne(r).Domicile->Text().empty() && Ligne(r).Exterieur->Text().empty(); };
        int r = s.Ligne;
        for (int k = 0; k < NbLignes() && !vide(r); ++k)
            r = k;
        if (!vide(r) || !Admise(r, s.Equipe))
            continue;
        TLigneResultat& l = Ligne(r);
        RemplitCadre(s.Domicile ? l.Domicile : l.Exterieur, Saison->NomEquipeCourant(s.Equipe), s.Equipe);
        placees[static_cast<size_t>(p)] = true;
    }
}

void Tf_Resultats::ProposeSuite(std::vector<TLigneSaisie>& lignes, std::vector<std::pair<int, int>>& proposees) const
{
    const TDonneesChampionnat* c = Championnat();
    const int n = c->NbJournee;
    int cible = 0;
    std::vector<std::pair<int, int>> suite = MatchsACompleter(*c, n, cible);
    // As many as the rows left empty hold.
    const auto pleines = std::count_if(lignes.begin(), lignes.end(), [](const TLigneSaisie& l) {
        return !l.Domicile.empty() || !l.Exterieur.empty();
    });
    suite.resize(std::min(suite.size(), static_cast<size_t>(std::max<std::ptrdiff_t>(0, NbLignes() - pleines))));
    if (cible != n || suite.empty())
        return;
    const TTableau t = Tableau(*c, MatchsCoupe(*c));
    const int tour = t.TourJournee(n);
    if (tour < 0)
        return;
    // The tie of a pairing: its place on the round's first matchday.
    auto tie = [&](int h, int a) { return t.Tours[static_cast<size_t>(tour)].TieDe(h, a); };
    // Each leg to play goes before the first match of a later tie (the
    // matches keep their order, as the file holds them); the third-place
    // row stays last.
    const int petite = LignePetiteFinale(*c, n);
    std::vector<TLigneSaisie> v;
    std::vector<std::pair<int, int>> p;
    size_t k = 0;
    auto propose = [&] {
        TLigneSaisie l;
        l.Domicile = Saison->NomEquipeCourant(suite[k].first);
        l.NumeroDomicile = suite[k].first;
        l.Exterieur = Saison->NomEquipeCourant(suite[k].second);
        l.NumeroExterieur = suite[k].second;
        v.push_back(std::move(l));
        p.push_back(suite[k++]);
    };
    for (size_t r = 0; r < lignes.size() && static_cast<int>(r) != petite; ++r) {
        const TLigneSaisie& l = lignes[r];
        if (l.Domicile.empty() && l.Exterieur.empty())
            continue;   // a row left empty before the third-place one
        for (const int x = tie(l.NumeroDomicile, l.NumeroExterieur);
             x >= 0 && k < suite.size() && tie(suite[k].first, suite[k].second) < x;)
            propose();
        v.push_back(l);
        p.push_back({-1, -1});
    }
    while (k < suite.size())
        propose();
    if (petite >= 0 && petite < static_cast<int>(lignes.size())) {
        v.resize(static_cast<size_t>(std::max(petite, static_cast<int>(v.size()))));
        p.resize(v.size(), {-1, -1});
        v.push_back(lignes[static_cast<size_t>(petite)]);
        p.push_back({-1, -1});
    }
    lignes = std::move(v);
    proposees = std::move(p);
}

bool Tf_Resultats::Offerte(int id) const
{
    const TDonneesChampionnat* c = Championnat();
    const int petite = c ? LignePetiteFinale(*c, c->NbJournee) : -1;
    return id >= 0 && id < TInfoComp::ScoreVide &&
           ((PlacementPermis() && Admise(-1, id)) || (petite >= 0 && Admise(petite, id)));
}

void Tf_Resultats::MontreTirs(int r)
{
    TLigneResultat& l = Ligne(r);
    const TDonneesChampionnat* c = Championnat();
    if (!l.TirsAuBut || !c)
        return;
    const uint32_t t = static_cast<uint32_t>(l.TirsAuBut->Tag);
    std::string texte = t ? TraduireFormat(286, {TirsDomicile(t), TirsExterieur(t)}) : std::string();
    // A level tie whose shoot-out was never entered has no winner yet.
    const int h = IdEquipeSaisie(*Saison, l.Domicile->Text(), l.Domicile->Numero);
    const int a = IdEquipeSaisie(*Saison, l.Exterieur->Text(), l.Exterieur->Numero);
    if (!t && l.Qualifie == 2 && !l.ScoreDomicile->Text().empty() && !l.ScoreExterieur->Text().empty() && h >= 0 &&
        a >= 0) {
        const TDecisionTour d = DecideTour(*c, c->NbJournee, h, a, ScoreTexte(l.ScoreDomicile->Text()),
                                           ScoreTexte(l.ScoreExterieur->Text()));
        if (d.TirsAuBut && !d.Aucune)
            texte = Texte(4802, L1("Tirs au but à saisir : pas encore de qualifié"));
    }
    // A shoot-out the row's score no longer follows is kept aside with the
    // score it followed: the row says so, as live scoring does.
    if (texte.empty() && h >= 0 && a >= 0)
        if (const TInfoComp* x = c->MatchEquipes(c->NbJournee, h, a); x && x->ScoresSaisis()) {
            const int sh = ScoreTexte(l.ScoreDomicile->Text()), sa = ScoreTexte(l.ScoreExterieur->Text());
            const int xh = x->Score(0) & 0x7FFF, xa = x->Score(1) & 0x7FFF;
            // (the score the match's shoot-out was entered for)
            const bool suivi = x->ScoreTirs(0) != TInfoComp::ScoreVide;
            auto mot = [](int t1, int t2, int s1, int s2) { return TraduireFormat(6122, {t1, t2, s1, s2}); };
            if (const TPenaltyTab* p = c->Penalty(c->NbJournee, h, a); p && (sh != xh || sa != xa))
                texte = mot(p->s1, p->s2, suivi ? x->ScoreTirs(0) : xh, suivi ? x->ScoreTirs(1) : xa);
            else if (const uint32_t o = x->TirsOtes(sh, sa); o && sh == xh && sa == xa)
                // Kept aside for the match's own score: its tie no longer
                // calls for it.
                texte = TexteTirsSansEffet(o);
            else if (!x->TirsOtes().empty() && !x->TirsOtes(sh, sa)) {
                const TInfoComp::TTirsOtes& o = x->TirsOtes().back();
                texte = mot(TirsDomicile(o.Tirs), TirsExterieur(o.Tirs), o.Domicile, o.Exterieur);
            }
        }
    l.TirsAuBut->SetCaption(texte);
}

// ============================================================================
// writing
// ============================================================================

std::vector<TLigneSaisie> Tf_Resultats::LignesSaisies() const
{
    std::vector<TLigneSaisie> v;
    for (const auto& l : lignes_) {
        TLigneSaisie s;
        s.Domicile = NomCadre(l->Domicile);
        s.Exterieur = NomCadre(l->Exterieur);
        s.NumeroDomicile = s.Domicile.empty() ? -1 : l->Domicile->Numero;
        s.NumeroExterieur = s.Exterieur.empty() ? -1 : l->Exterieur->Numero;
        s.ScoreDomicile = l->ScoreDomicile->Text();
        s.ScoreExterieur = l->ScoreExterieur->Text();
        s.AvecDate = l->Date != nullptr;
        if (l->Date)
            s.Date = l->Date->GetText();
        s.Etat = l->EtatMatch;
        s.Qualifie = l->Qualifie;
        s.TirsAuBut = l->TirsAuBut ? static_cast<uint32_t>(l->TirsAuBut->Tag) : 0u;
        v.push_back(std::move(s));
    }
    return v;
}

void Tf_Resultats::PrendDates()
{
    // A date typed and not yet left is taken as leaving its box would take
    // it: a click on a button leaves the focus there.
    if (detruit_ || systemeDate_)
        return;
    if (bde_DateJour->Visible() && bde_DateJour->Focused()) {
        bde_DateJour->TakeInput();
        bde_DateJourExit(bde_DateJour);
    }
    for (const auto& l : lignes_)
        if (l->Date && l->Date->Focused() && l->Date->Modified())
            DateLigneExit(l->Date);
}

int Tf_Resultats::EnregistrerJournee(bool quittee)
{
    if (!Championnat() || !Saison)
        return -1;
    PrendDates();
    // What was typed and not yet decided goes through the guard first.
    RegleLignes();
    // Only rows the guard accepted are written (while a gesture is weighed,
    // the rows typed wait for its answer).
    const TEcritureJournee r =
        EcritJournee(*Saison, LignesAEcrire(), bde_DateJour->Visible(), dateJour_, Listees(), quittee);
    if (r.Change)
        Signale();
    return r.Supprimee;
}

std::function<void()> Tf_Resultats::DateVideMiseDeCote()
{
    TDonneesChampionnat* c = Championnat();
    if (!c || !systemeDate_ || detruit_)
        return {};
    const int n = c->NbJournee;
    const TInfoCompJour* j = c->Journee(n);
    // only the last one can be left empty while shown: the others go as the
    // page is written
    if (!j || j->NbMatchs() != 0 || n != c->Journees().Nombre())
        return {};
    const uint32_t date = c->DateJournee(n);
    if (!c->Journees().SupprimeJourneeVide(n, true))
        return {};
    return [c, date] {
        int m = -1;
        c->Journees().CreeJournee(m, date);
        c->NbJournee = static_cast<uint8_t>(std::max(m, 1));
    };
}

void Tf_Resultats::QuittePage()
{
    TDonneesChampionnat* c = Championnat();
    if (!c || !systemeDate_ || EnregistrerJournee(true) < 0)
        return;
    occupe_ = true;
    TrackBar1->SetMax(std::max(1, c->Journees().Nombre()));
    const int position = std::clamp(TrackBar1->Position(), 1, TrackBar1->Max());
    TrackBar1->SetPosition(position);
    occupe_ = false;
    c->NbJournee = static_cast<uint8_t>(std::max(1, c->Journees().NumeroPlace(position - 1)));
    Label1->SetCaption(LibelleJournee(Saison));
    CreeLignes();
}

void Tf_Resultats::EnregistrePage()
{
    if (EnregistrerJournee() < 0)
        return;
    Init();
    CreeLignes();
    PlaceLignes();
}

std::vector<TLigneSaisie> Tf_Resultats::LignesAEcrire()
{
    // A later leg shown to play and left as shown is no match yet; one given
    // a score or a state is.
    std::vector<TLigneSaisie> lignes = accepte_;
    for (size_t i = 0; i < lignes.size() && i < lignes_.size(); ++i) {
        TLigneSaisie& l = lignes[i];
        std::pair<int, int>& suite = lignes_[i]->Proposee;
        if (suite == std::pair{l.NumeroDomicile, l.NumeroExterieur} && Trim(l.ScoreDomicile).empty() &&
            Trim(l.ScoreExterieur).empty() && l.Etat == etatNormal) {
            l.Domicile.clear();
            l.Exterieur.clear();
            l.NumeroDomicile = l.NumeroExterieur = -1;
        } else
            suite = {-1, -1};
    }
    return lignes;
}

// ============================================================================
// placing teams
// ============================================================================

int Tf_Resultats::LigneTag(int tag) const
{
    const int r = ((tag >> 16) - 1) >> 1;
    return (tag >> 16) >= 1 && r < NbLignes() ? r : -1;
}

void Tf_Resultats::l_EquipeDblClick(TObject*)
{
    const int i = l_Equipe->ItemIndex();
    if (i < 0 || i >= l_Equipe->Items().Count())
        return;
    const std::string e = l_Equipe->Items()[i];
    const int id = NumeroEntreeListe(e, TailleNumero, false);
    TCadreDrop* refus = nullptr;
    for (int r = 0; r < NbLignes(); ++r) {
        TLigneResultat& l = Ligne(r);
        TCadreDrop* cible = l.Domicile->Text().empty() ? l.Domicile : (l.Exterieur->Text().empty() ? l.Exterieur : nullptr);
        if (!cible || !PlacementLigne(r))
            continue;
        if (!Admise(r, id)) {
            refus = refus ? refus : cible;
            continue;
        }
        std::vector<TLigneSaisie> apres = LignesGeste();
        PoseEquipe(apres, *cible, id);
        Pese(std::move(apres), {r}, 4800, cible);
        return;
    }
    // No free box takes it: the first says why.
    if (const TDonneesChampionnat* c = Championnat(); refus && c) {
        const int n = c->NbJournee;
        const bool petite = LigneTag(static_cast<int>(refus->Tag)) == LignePetiteFinale(*c, n);
        // A later match of a round holds the two teams of one of its ties.
        const TTableau t = Tableau(*c, MatchsCoupe(*Saison, *c, n, LignesGeste()));
        const int tour = t.TourJournee(n);
        const bool suite = tour >= 0 && n > t.Tours[static_cast<size_t>(tour)].Premier;
        RefuseInput(refus, Texte(petite ? 5306 : suite ? 5305 : 5304));
    }
}

void Tf_Resultats::VerifieDerniereLigne()
{
    if (!systemeDate_ || NbLignes() == 0)
        return;
    const TLigneResultat& l = Ligne(NbLignes() - 1);
    if (l.Domicile->Text().empty() && l.Exterieur->Text().empty())
        return;
    CreeLigne(NbLignes());
    if (Ligne(NbLignes() - 1).Date)
        Ligne(NbLignes() - 1).Date->SetText(dateJour_ ? TGestionDate::DateVersTexte(dateJour_) : std::string());
    PlaceLignes();
}

bool Tf_Resultats::Admise(int r, int equipe) const
{
    const TDonneesChampionnat* c = Championnat();
    if (!c || !Saison || !TableauActif(*c))
        return true;
    const int n = c->NbJournee;
    return EquipeAdmise(*c, Tableau(*c, MatchsCoupe(*Saison, *c, n, LignesGeste())), n, r, equipe);
}

TCadreDrop* Tf_Resultats::Cadre(int r, bool domicile) const
{
    if (r < 0 || r >= NbLignes())
        return nullptr;
    return domicile ? lignes_[static_cast<size_t>(r)]->Domicile : lignes_[static_cast<size_t>(r)]->Exterieur;
}

void Tf_Resultats::PoseEquipe(std::vector<TLigneSaisie>& v, const TCadreDrop& cadre, int equipe) const
{
    const int r = LigneTag(static_cast<int>(cadre.Tag));
    if (r < 0 || r >= static_cast<int>(v.size()))
        return;
    TLigneSaisie& l = v[static_cast<size_t>(r)];
    const bool domicile = &cadre == Cadre(r, true);
    (domicile ? l.Domicile : l.Exterieur) = equipe < 0 ? std::string() : Saison->NomEquipeCourant(equipe);
    (domicile ? l.NumeroDomicile : l.NumeroExterieur) = equipe;
}

bool Tf_Resultats::MatchSaisi(int r) const
{
    const TDonneesChampionnat* c = Championnat();
    if (r < 0 || r >= NbLignes() || r >= static_cast<int>(accepte_.size()) || !c)
        return false;
    const TLigneSaisie& l = accepte_[static_cast<size_t>(r)];
    if (!l.ScoreDomicile.empty() || !l.ScoreExterieur.empty() || l.Etat != etatNormal || l.TirsAuBut != 0)
        return true;
    if (lignes_[static_cast<size_t>(r)]->Efface)
        return false;
    const int h = IdEquipeSaisie(*Saison, l.Domicile, l.NumeroDomicile);
    const int a = IdEquipeSaisie(*Saison, l.Exterieur, l.NumeroExterieur);
    return h >= 0 && a >= 0 && ::MatchSaisi(*c, c->NbJournee, h, a);
}

void Tf_Resultats::RetireEquipe(TCadreDrop& cadre)
{
    const int r = LigneTag(static_cast<int>(cadre.Tag));
    if (cadre.Text().empty() || r < 0)
        return;
    std::vector<TLigneSaisie> apres = LignesGeste();
    PoseEquipe(apres, cadre, -1);
    Pese(std::move(apres), {r}, 4950, &cadre);
}

void Tf_Resultats::DepotEquipe(TObject* Source, TControl* Cible)
{
    auto* de = dynamic_cast<TCadreDrop*>(Source);
    auto* vers = dynamic_cast<TCadreDrop*>(Cible);
    if (!vers) {
        // onto the list: the team taken out
        if (de)
            RetireEquipe(*de);
        return;
    }
    const int rv = LigneTag(static_cast<int>(vers->Tag));
    if (rv < 0 || !vers->Drop)
        return;
    int equipe = -1;
    if (de) {
        if (de == vers || de->Text().empty() || LigneTag(static_cast<int>(de->Tag)) < 0)
            return;
        equipe = de->Numero;
    } else if (auto* liste = dynamic_cast<TListe*>(Source)) {
        const int i = liste->ItemIndex();
        if (i < 0 || i >= liste->Items().Count())
            return;
        equipe = NumeroEntreeListe(liste->Items()[i], TailleNumero, false);
    }
    if (equipe < 0)
        return;
    // The target takes the team; a box it came from takes the target's team
    // in exchange (or is left empty).
    std::vector<TLigneSaisie> apres = LignesGeste();
    const int remplacee = vers->Text().empty() ? -1 : vers->Numero;
    PoseEquipe(apres, *vers, equipe);
    std::vector<int> lignes{rv};
    if (de) {
        PoseEquipe(apres, *de, remplacee);
        lignes.push_back(LigneTag(static_cast<int>(de->Tag)));
    }
    Pese(std::move(apres), lignes, vers->Text().empty() && !de ? 4800 : 5300, vers);
}

void Tf_Resultats::CadreDblClick(TObject* Sender)
{
    if (auto* cadre = dynamic_cast<TCadreDrop*>(Sender))
        RetireEquipe(*cadre);
}

void Tf_Resultats::ScoreKeyPress(TObject* Sender, char& Key)
{
    const int r = LigneTag(static_cast<int>(dynamic_cast<TControl*>(Sender)->Tag));
    // Enter goes on to the next score box, as Tab does: a whole matchday is
    // typed from the keyboard.
    if (Key == '\r' && r >= 0) {
        Key = 0;
        TWinControl* suivant = Sender == Ligne(r).ScoreDomicile ? Ligne(r).ScoreExterieur
                               : r + 1 < NbLignes()             ? Ligne(r + 1).ScoreDomicile
                                                                : nullptr;
        // Leaving the box decides a cup tie; the last box, which Enter does
        // not leave, decides as well.
        if (suivant && suivant->CanFocus())
            suivant->SetFocus();
        else
            DecideQualifie(Sender);
        return;
    }
    // A score belongs to two teams: before both are placed, its digits are
    // refused, and said.
    if (r < 0 || Ligne(r).Domicile->Text().empty() || Ligne(r).Exterieur->Text().empty()) {
        if (static_cast<unsigned char>(Key) >= 32)
            RefuseInput(dynamic_cast<TControl*>(Sender), Texte(3760, L1("Placez d'abord les deux équipes du match : son score se tape ensuite.")));
        Key = 0;
    } else if (TScoreGarde* g = Garde(r); g && (static_cast<unsigned char>(Key) >= 32 || Key == '\b'))
        g->Retape = true;   // typed again: leaving the box asks again
}

// ============================================================================
// match states
// ============================================================================

void Tf_Resultats::CadreMouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y)
{
    auto* cadre = dynamic_cast<TCadreDrop*>(Sender);
    if (Button != mbRight || !cadre)
        return;
    pm_Forfait->Tag = cadre->Tag >> 16;
    const int r = LigneTag(static_cast<int>(cadre->Tag));
    if (r < 0)
        return;
    for (TMenuItem* mi : {mi_Forfait, mi_TapisVert, mi_MatchRemis, mi_MatchArrete, mi_ScoreNonParvenu, mi_MatchNormal})
        mi->SetChecked(mi->Tag == Ligne(r).EtatMatch);
    // The team whose frame was clicked is the one that wins by forfeit.
    const TCadreDrop* gagnant = pm_Forfait->Tag % 2 == 1 ? Ligne(r).Domicile : Ligne(r).Exterieur;
    mi_Forfait->SetCaption(gagnant->Text().empty() ? Texte(929, "Forfait")
                                                   : TraduireFormat(3923, {gagnant->Text()}));
    const TPoint p = cadre->ClientToScreen({X, Y});
    pm_Forfait->Popup(p.X, p.Y);
}

void Tf_Resultats::EtatClick(TObject* Sender)
{
    auto* mi = dynamic_cast<TMenuItem*>(Sender);
    const int cote = static_cast<int>(pm_Forfait->Tag);
    const int r = (cote - 1) >> 1;
    if (!mi || cote < 1 || r >= NbLignes())
        return;
    TLigneResultat& l = Ligne(r);
    TDonneesChampionnat* c = Championnat();
    const bool forfait = mi->Tag == etatForfait && c;
    // A forfeit erases the match's sheet: what it holds is named in the
    // gesture's one question, and No keeps it.
    int h = -1, a = -1;
    std::string perte;
    if (forfait) {
        h = IdEquipeSaisie(*Saison, l.Domicile->Text(), l.Domicile->Numero);
        a = IdEquipeSaisie(*Saison, l.Exterieur->Text(), l.Exterieur->Numero);
        perte = TexteFeuillePerdue(*Saison, *c, c->NbJournee, h, a);
    }
    l.EtatMatch = static_cast<uint8_t>(mi->Tag);
    if (forfait) {
        // The forfeit's scores may send the other team through: the cup's
        // guard first, and nothing changes on No.
        const bool domicile = cote % 2 == 1;
        const std::string gagnant = IntToStr(c->Option(19)), perdant = IntToStr(c->Option(20));
        l.ScoreDomicile->SetText(domicile ? gagnant : perdant);
        l.ScoreExterieur->SetText(domicile ? perdant : gagnant);
        DecideLigne(r, true);
    }
    // (a forfeit's scores take the place of a score kept typed there)
    if (forfait)
        OublieGarde(r);
    if (!Pese(LignesGeste(), {r}, 4800, Cadre(r, cote % 2 == 1), perte)) {
        RendLignes();
        return;
    }
    if (!forfait)
        return;
    EffaceFeuilleMatch(*c, c->NbJournee, h, a);
    Saison->InvalideStats();
}

// ============================================================================
// matchdays and dates
// ============================================================================

void Tf_Resultats::TrackBar1Change(TObject*)
{
    TDonneesChampionnat* c = Championnat();
    if (occupe_ || !c)
        return;
    int position = TrackBar1->Position();
    if (!systemeDate_) {
        if (position == c->NbJournee)
            return;
        EnregistrerJournee();
        GardeSeules();
        c->NbJournee = static_cast<uint8_t>(position);
        Label1->SetCaption(LibelleJournee(Saison));
        if (c->NbJournee <= c->DerniereJournee)
            TrieMatchsClassement();
        if (!c->EstCoupe() && NbLignes() == NbLignesJournee(*c, position))
            ChargeJournee(false);
        else
            CreeLignes();
    } else {
        // Each matchday by its place among the dates, whatever others share
        // its date (or its lack of one).
        const TInfoCompJour* j = c->Journees().JourneeParDate(position - 1);
        if (!j)
            return;
        if (j != c->Journee(c->NbJournee)) {
            const int ancienne = PositionDate();
            const int supprimee = EnregistrerJournee(true);
            occupe_ = true;
            if (supprimee >= 0) {
                // the matchday left was empty and is gone: the dates after it
                // move one step left
                if (ancienne < position)
                    TrackBar1->SetPosition(--position);
                TrackBar1->SetMax(std::max(1, TrackBar1->Max() - 1));
            }
            occupe_ = false;
            c->NbJournee = static_cast<uint8_t>(std::max(1, c->Journees().NumeroPlace(position - 1)));
            Label1->SetCaption(LibelleJournee(Saison));
            CreeLignes();
        }
    }
    dateChoisie_ = false;
}

int Tf_Resultats::PositionDate() const
{
    const TDonneesChampionnat* c = Championnat();
    // the track bar counts the dates from 1
    return c ? std::max(c->Journees().PlaceJournee(c->NbJournee), 0) + 1 : 1;
}

void Tf_Resultats::bde_DateJourChange(TObject*)
{
    TDonneesChampionnat* c = Championnat();
    if (!systemeDate_ || !c)
        return;
    dateChoisie_ = true;
    const uint32_t date = TGestionDate::DateTimeVersDate(bde_DateJour->Date());
    if (date != c->DateJournee(c->NbJournee)) {
        EnregistrerJournee(true);
        int n = c->Journees().NumeroJourneeDate(date);
        if (n < 0) {
            n = -1;
            c->Journees().CreeJournee(n, date);
        }
        c->NbJournee = static_cast<uint8_t>(std::max(n, 1));
        occupe_ = true;
        TrackBar1->SetMax(std::max(1, c->Journees().Nombre()));
        TrackBar1->SetPosition(PositionDate());
        occupe_ = false;
        Label1->SetCaption(LibelleJournee(Saison));
        CreeLignes();
        Signale();
    }
    dateChoisie_ = false;
}

void Tf_Resultats::bde_DateJourExit(TObject*)
{
    TDonneesChampionnat* c = Championnat();
    // Left showing no date: the matchday keeps none.
    if (systemeDate_ || !c || !bde_DateJour->HasDate())
        return;
    const uint32_t date = TGestionDate::DateTimeVersDate(bde_DateJour->Date());
    dateJour_ = date;
    if (date != c->DateJournee(c->NbJournee)) {
        c->SetDateJournee(c->NbJournee, date);
        Signale();
    }
    ChargeDates(date);
}

void Tf_Resultats::DateLigneExit(TObject* Sender)
{
    TDonneesChampionnat* c = Championnat();
    const int r = static_cast<int>(dynamic_cast<TControl*>(Sender)->Tag) - 1;
    if (detruit_ || !c || r < 0 || r >= NbLignes())
        return;
    // A box left as it was loaded writes nothing: a row without a date of its
    // own shows the matchday's, which the match takes only once typed.
    auto* boite = dynamic_cast<TEdit*>(Sender);
    if (boite && !boite->Modified())
        return;
    if (boite)
        boite->SetModified(false);
    // Read as the matchday box reads a date: a text that names no day of the
    // calendar (52/08/2024, a year left blank) or a year no season can have
    // is refused with a word, the match keeping its own, shown again; a box
    // emptied leaves the match without a date of its own.
    const std::string tape = boite ? boite->GetText() : std::string();
    uint32_t date = 0;
    const TGestionDate::TSaisie lu = TGestionDate::LitSaisie(tape, date);
    if (lu != TGestionDate::saisieDate && lu != TGestionDate::saisieVide) {
        // The date the box showed before this one was typed: the match's own,
        // or one typed earlier that the page has not written yet.
        uint32_t gardee = 0;
        if (TGestionDate::LitSaisie(Ligne(r).DateEntree, gardee) != TGestionDate::saisieDate)
            gardee = c->DateMatch(c->NbJournee, r + 1) ? c->DateMatch(c->NbJournee, r + 1) : dateJour_;
        if (boite)
            boite->SetText(gardee ? TGestionDate::DateVersTexte(gardee) : std::string());
        RefuseInput(dynamic_cast<TControl*>(Sender),
                    lu == TGestionDate::saisieAnnee
                        ? TraduireFormat(6202, {Trim(tape), TGestionDate::AnneeMin, TGestionDate::AnneeMax})
                        : TraduireFormat(6150, {Trim(tape)}));
        return;
    }
    // Shown as read (a year typed short, in full).
    if (boite && lu == TGestionDate::saisieDate && boite->GetText() != TGestionDate::DateVersTexte(date))
        boite->SetText(TGestionDate::DateVersTexte(date));
    if (date != c->DateMatch(c->NbJournee, r + 1)) {
        c->SetDateMatch(c->NbJournee, r + 1, date);
        Signale();
    }
}

// ============================================================================
// completion, check, clear all, cup teams
// ============================================================================

void Tf_Resultats::b_CompleterClick(TObject*)
{
    TDonneesChampionnat* c = Championnat();
    if (!c)
        return;
    EnregistrerJournee();
    bool oui = false;
    // The return legs fill the empty places of the second half of the
    // matchdays, by the scheme the answer names; Cancel adds nothing. The
    // question is asked only when an answer adds a match, and the matchday
    // shown stays the one shown.
    if (!c->EstCoupe() && (!c->RetoursAGenerer(true).empty() || !c->RetoursAGenerer(false).empty())) {
        const uint16_t reponse = Tf_MessageUtil::Affiche(QuestionRetours(*c), mbuOui | mbuNon | mbuAnnuler);
        if (reponse != mrYes && reponse != mrNo)
            return;
        oui = reponse == mrYes;
    }
    // The rows show what was added (the shown matchday may be among them);
    // then the user is told what, or that nothing was missing.
    const std::vector<int> avant = MatchsParJournee(*c);
    const bool cree = c->EstCoupe() ? CompleteCoupe(*c, c->NbJournee) : c->GenereMatchsRetour(oui);
    if (cree) {
        Signale();
        ChargeJournee(true);
    }
    Tf_MessageUtil::Affiche(BilanCompletion(*c, avant), mbuValider);
}

void Tf_Resultats::b_VerificationClick(TObject*)
{
    TDonneesChampionnat* c = Championnat();
    if (!c)
        return;
    EnregistrePage();
    TOwned<Tf_Validation> f(new Tf_Validation(this));
    f->ChangeCouleurs(Couleurs);
    int nombre = 0;
    std::unique_ptr<TStringList> lignes = c->VerifieJournee(c->NbJournee, nombre);
    if (!lignes)
        lignes = std::make_unique<TStringList>();
    for (const std::string& l : VerifieTableau(*Saison, *c, c->NbJournee))
        lignes->Add(l);
    f->Remplit(*lignes, nombre);
    f->ShowModal();
    f.reset();
    if (!systemeDate_ && TrackBar1->CanFocus())
        TrackBar1->SetFocus();
}

void Tf_Resultats::BoutonCopie1Click(TObject*)
{
    std::vector<TLigneSaisie> vides = LignesGeste();
    std::vector<int> toutes;
    for (TLigneSaisie& l : vides) {
        toutes.push_back(static_cast<int>(toutes.size()));
        const bool avecDate = l.AvecDate;
        const std::string date = l.Date;
        l = TLigneSaisie();
        l.AvecDate = avecDate;
        l.Date = date;
    }
    Pese(std::move(vides), toutes, 4955, BoutonCopie1);
}

void Tf_Resultats::mi_AjoutEquipeClick(TObject*)
{
    TDonneesChampionnat* c = Championnat();
    if (!c)
        return;
    TOwned<Tf_AjoutEquipeCoupe> f(new Tf_AjoutEquipeCoupe(this));
    f->ChangeCouleurs(Couleurs);
    TStringList coupe, offre;
    for (int p = 0; p < c->NbEquipe(); ++p)
        coupe.Add(Saison->NomEquipePosition(p));
    for (int i = 0; i < Saison->NbEquipe(); ++i)
        if (c->IndexEquipe(Saison->IdEquipe(i)) < 0)
            offre.AddObject(Saison->NomEquipeIndex(i), Saison->IdEquipe(i));
    f->Prepare(coupe, offre);
    if (f->ShowModal() != mrOk || f->Resultat.Count() == 0)
        return;
    // The championship takes them, unless a cup already drawn has no place
    // left for them.
    std::vector<TAjoutEquipe> ajouts;
    for (int i = 0; i < f->Resultat.Count(); ++i)
        ajouts.push_back({static_cast<int>(f->Resultat.Objects(i)), f->Resultat[i]});
    std::vector<int> avant;
    for (int p = 0; p < c->NbEquipe(); ++p)
        avant.push_back(c->IdEquipe(p));
    if (!ChangeCoupe(*c, ChangementEquipes(*c, ajouts, {}), [&](const TPeseeCoupe& pesee) {
             Tf_MessageUtil::Affiche(TexteCoupePleine(*Saison, pesee, ajouts), mbuValider);
             return false;
         }).Faite)
        return;
    bool ajout = false;
    for (int p = 0; p < c->NbEquipe(); ++p)
        if (const int id = c->IdEquipe(p); std::find(avant.begin(), avant.end(), id) == avant.end()) {
            if (Offerte(id))
                AjouteListe(Saison->NomEquipeCourant(id), id);
            ajout = true;
        }
    if (ajout)
        Signale();
}

// ============================================================================
// cup ties
// ============================================================================

void Tf_Resultats::ScoreExit(TObject* Sender)
{
    // The user goes on typing the row: its tie is decided once the row is left
    // (a score typed over passes through draws that ask for no shoot-out).
    const int r = LigneTag(static_cast<int>(dynamic_cast<TControl*>(Sender)->Tag));
    const TWinControl* vers = Screen ? Screen->ActiveControl() : nullptr;
    if (r >= 0 && vers && vers != Sender && (vers == Ligne(r).ScoreDomicile || vers == Ligne(r).ScoreExterieur))
        return;
    DecideQualifie(Sender);
}

bool Tf_Resultats::Pese(std::vector<TLigneSaisie> apres, std::vector<int> changees, int question, TControl* boite,
                        const std::string& perte, bool* refusee)
{
    TDonneesChampionnat* c = Championnat();
    if (!c || !Saison || apres.size() != lignes_.size())
        return false;
    const int n = c->NbJournee;
    auto ids = [&](const TLigneSaisie& l) {
        return std::pair{IdEquipeSaisie(*Saison, l.Domicile, l.NumeroDomicile),
                         IdEquipeSaisie(*Saison, l.Exterieur, l.NumeroExterieur)};
    };
    // A row whose teams change loses its match whole: its scores, state and
    // shoot-out.
    std::vector<int> effaces;
    for (size_t r = 0; r < apres.size(); ++r) {
        if (r >= accepte_.size()) {
            changees.push_back(static_cast<int>(r));
            continue;
        }
        if (!(accepte_[r] == apres[r]))
            changees.push_back(static_cast<int>(r));
        const auto [h0, a0] = ids(accepte_[r]);
        if (ids(apres[r]) == std::pair{h0, a0})
            continue;
        TLigneSaisie& l = apres[r];
        l.ScoreDomicile.clear();
        l.ScoreExterieur.clear();
        l.Qualifie = 2;
        l.Etat = etatNormal;
        l.TirsAuBut = 0;
        if (h0 >= 0 && a0 >= 0 && MatchSaisi(static_cast<int>(r)))
            effaces.push_back(static_cast<int>(r));
    }
    // The championship weighs the change; the rows, the list and a cup whose
    // results decide its ties take it at once when it is carried out (a
    // league's rows wait to be written with the matchday).
    TChangementCoupe x = ChangementJournee(*c, n, MatchsLignes(*Saison, accepte_), MatchsLignes(*Saison, apres),
                                           changees);
    x.Saisi = [&](int d, int k) {
        const TMatchCoupe& m = x.Avant[static_cast<size_t>(d - 1)][static_cast<size_t>(k)];
        return d == n ? MatchSaisi(k) : ::MatchSaisi(*c, d, m.Domicile, m.Exterieur);
    };
    x.Ecrit = [&](TDonneesChampionnat& championnat) {
        std::vector<int32_t> avant, maintenant;
        for (const std::vector<TLigneSaisie>* v : {&accepte_, &apres})
            for (const TLigneSaisie& l : *v)
                for (const int e : {ids(l).first, ids(l).second})
                    if (e >= 0)
                        (v == &accepte_ ? avant : maintenant).push_back(e);
        MontreLignes(apres);
        for (const int r : effaces)
            Ligne(r).Efface = true;
        for (const int32_t e : avant)
            if (std::find(maintenant.begin(), maintenant.end(), e) == maintenant.end())
                AjouteListe(Saison->NomEquipeCourant(e), e);
        for (int i = l_Equipe->Items().Count() - 1; i >= 0; --i)
            if (const int e = NumeroEntreeListe(l_Equipe->Items()[i], TailleNumero, false);
                std::find(maintenant.begin(), maintenant.end(), e) != maintenant.end() &&
                std::find(avant.begin(), avant.end(), e) == avant.end())
                l_Equipe->Items().Delete(i);
        VerifieDerniereLigne();
        accepte_ = LignesGeste();
        GardeSeules();
        MontreAucune();
        if (TableauActif(championnat))
            EcritJournee(*Saison, LignesAEcrire(), bde_DateJour->Visible(), dateJour_, Listees());
    };
    // What the gesture erases is asked about alone when the cup names no
    // match, beside the matches it names otherwise.
    if (!perte.empty()) {
        const TPeseeCoupe avant = PeseCoupe(*c, x);
        if (!avant.Refusee && avant.Nommes.empty() &&
            (detruit_ || Tf_MessageUtil::Affiche(perte + '\n' + Traduire(5705), mbuOui | mbuNon) != mrYes))
            return false;
    }
    const std::vector<TLigneSaisie> acceptees = accepte_;
    const TPeseeCoupe p = ChangeCoupe(*c, x, [&](const TPeseeCoupe& pesee) {
        if (pesee.Refusee) {
            if (refusee)
                *refusee = true;
            Refuse(pesee.Ecart, apres, boite);
            return false;
        }
        if (detruit_)
            return false;
        const auto& nommes = pesee.Nommes;
        const bool propres = std::all_of(nommes.begin(), nommes.end(), [n](const TMatchRemplace& m) {
            return m.Journee == n;
        });
        // The row's own match alone: a gesture that takes a team out of it
        // says so; any other (clearing everything) names what it erases.
        const bool retire = question == 4950 || question == 5300;
        const std::string texte =
            propres && nommes.size() == 1 && retire
                ? Texte(4300, L1("Ce match a un score ou des événements saisis : retirer l'équipe et effacer le match ?"))
                : QuestionCoupe(*Saison, propres ? 5302 : question, nommes);
        return Tf_MessageUtil::Affiche(perte.empty() ? texte : perte + '\n' + texte, mbuOui | mbuNon) == mrYes;
    });
    if (p.Faite && (!(apres == acceptees) || !p.Suite.Vide()))
        Signale();
    return p.Faite;
}

std::vector<TEquipeListee> Tf_Resultats::Listees() const
{
    std::vector<TEquipeListee> listees;
    for (int i = 0; i < l_Equipe->Items().Count(); ++i) {
        const std::string& e = l_Equipe->Items()[i];
        listees.push_back({NomEntreeListe(e, TailleNumero), NumeroEntreeListe(e, TailleNumero, false)});
    }
    return listees;
}

void Tf_Resultats::Refuse(const TEcartTableau& x, const std::vector<TLigneSaisie>& apres, TControl* boite)
{
    const TDonneesChampionnat* c = Championnat();
    std::string raison = TexteEcart(*Saison, x);
    if (c && x.Journee == c->NbJournee)
        for (size_t r = 0; r < apres.size(); ++r)
            for (const bool domicile : {true, false}) {
                const TLigneSaisie& l = apres[r];
                const int e = IdEquipeSaisie(*Saison, domicile ? l.Domicile : l.Exterieur,
                                             domicile ? l.NumeroDomicile : l.NumeroExterieur);
                if (e < 0 || (e != x.Equipe && !(x.Equipe < 0 && (e == x.Domicile || e == x.Exterieur))))
                    continue;
                // Said beside the box that holds the team, in the box's
                // words when the rule has its own; the others as the check
                // names them.
                const bool petite = static_cast<int>(r) == LignePetiteFinale(*c, c->NbJournee);
                if (x.Texte == 4953 || x.Texte == 5308 || x.Texte == 4952)
                    raison = Texte(x.Texte == 4953 ? 5307 : x.Texte == 5308 ? 5305 : petite ? 5306 : 5304);
                RefuseInput(Cadre(static_cast<int>(r), domicile), raison);
                return;
            }
    RefuseInput(boite, raison);
}

void Tf_Resultats::MontreLignes(const std::vector<TLigneSaisie>& lignes)
{
    for (int r = 0; r < NbLignes() && r < static_cast<int>(lignes.size()); ++r) {
        TLigneResultat& l = Ligne(r);
        const TLigneSaisie& a = lignes[static_cast<size_t>(r)];
        RemplitCadre(l.Domicile, a.Domicile, a.NumeroDomicile);
        RemplitCadre(l.Exterieur, a.Exterieur, a.NumeroExterieur);
        if (l.ScoreDomicile->Text() != a.ScoreDomicile)
            l.ScoreDomicile->SetText(a.ScoreDomicile);
        if (l.ScoreExterieur->Text() != a.ScoreExterieur)
            l.ScoreExterieur->SetText(a.ScoreExterieur);
        if (l.Date && a.AvecDate && l.Date->GetText() != a.Date)
            l.Date->SetText(a.Date);
        l.Qualifie = a.Qualifie;
        l.EtatMatch = a.Etat;
        if (l.TirsAuBut) {
            l.TirsAuBut->Tag = static_cast<int32_t>(a.TirsAuBut);
            MontreTirs(r);
        }
        PeintLigne(r);
    }
    RendGardes();
}

void Tf_Resultats::RendLignes()
{
    MontreLignes(accepte_);
}

std::vector<TLigneSaisie> Tf_Resultats::LignesGeste() const
{
    std::vector<TLigneSaisie> v = LignesSaisies();
    const auto k = Championnat() ? gardes_.find({Championnat()->CodeChamp, Championnat()->NbJournee}) : gardes_.end();
    for (size_t i = 0; k != gardes_.end() && i < k->second.size(); ++i)
        if (const int r = k->second[i].Ligne; r < static_cast<int>(v.size()) && r < static_cast<int>(accepte_.size())) {
            TLigneSaisie& l = v[static_cast<size_t>(r)];
            const TLigneSaisie& a = accepte_[static_cast<size_t>(r)];
            l.ScoreDomicile = a.ScoreDomicile;
            l.ScoreExterieur = a.ScoreExterieur;
            l.Qualifie = a.Qualifie;
            l.TirsAuBut = a.TirsAuBut;
        }
    return v;
}

Tf_Resultats::TScoreGarde* Tf_Resultats::Garde(int r)
{
    const TDonneesChampionnat* c = Championnat();
    const auto k = c ? gardes_.find({c->CodeChamp, c->NbJournee}) : gardes_.end();
    if (k != gardes_.end())
        for (TScoreGarde& g : k->second)
            if (g.Ligne == r)
                return &g;
    return nullptr;
}

void Tf_Resultats::RendGardes()
{
    const TDonneesChampionnat* c = Championnat();
    const auto k = c ? gardes_.find({c->CodeChamp, c->NbJournee}) : gardes_.end();
    if (k == gardes_.end())
        return;
    // Only while its row still holds the teams of its score (a match gone
    // since takes it).
    std::erase_if(k->second, [this](const TScoreGarde& g) {
        return g.Ligne >= NbLignes() || Ligne(g.Ligne).Domicile->Text().empty() ||
               Ligne(g.Ligne).Exterieur->Text().empty() || Ligne(g.Ligne).Domicile->Numero != g.Domicile ||
               Ligne(g.Ligne).Exterieur->Numero != g.Exterieur;
    });
    for (const TScoreGarde& g : k->second) {
        TLigneResultat& l = Ligne(g.Ligne);
        if (l.ScoreDomicile->Text() != g.ScoreDomicile)
            l.ScoreDomicile->SetText(g.ScoreDomicile);
        if (l.ScoreExterieur->Text() != g.ScoreExterieur)
            l.ScoreExterieur->SetText(g.ScoreExterieur);
        if (l.TirsAuBut)
            l.TirsAuBut->SetCaption(Texte(5914, L1("Score non enregistré")));
    }
}

void Tf_Resultats::OublieGarde(int r)
{
    const TDonneesChampionnat* c = Championnat();
    const auto k = c ? gardes_.find({c->CodeChamp, c->NbJournee}) : gardes_.end();
    if (k != gardes_.end() && std::erase_if(k->second, [r](const TScoreGarde& g) { return g.Ligne == r; }) &&
        r < NbLignes())
        MontreTirs(r);
}

bool Tf_Resultats::ScoreGarde() const
{
    const TDonneesChampionnat* c = Championnat();
    const auto k = c ? gardes_.find({c->CodeChamp, c->NbJournee}) : gardes_.end();
    return k != gardes_.end() && !k->second.empty();
}

std::string Tf_Resultats::ScoresNonGardes() const
{
    std::string scores;
    int n = 0;
    for (const auto& [cle, gardes] : gardes_) {
        const TDonneesChampionnat* c = Saison ? Saison->Arbre().ChampionnatParCode(cle.first) : nullptr;
        for (const TScoreGarde& g : gardes)
            if (c) {
                scores += (scores.empty() ? "" : ", ") + Saison->NomEquipe(g.Domicile) + " " + g.ScoreDomicile +
                          "\xA0-\xA0" + g.ScoreExterieur + " " + Saison->NomEquipe(g.Exterieur) + " (" +
                          ::LibelleJournee(*c, cle.second) + ")";
                ++n;
            }
    }
    return n == 0 ? std::string() : TraduireFormat(n == 1 ? 5915 : 5916, {scores});
}

void Tf_Resultats::RegleLignes()
{
    if (decide_)
        return;
    // A score kept typed after a No waits to be typed again.
    const std::vector<TLigneSaisie> lignes = LignesGeste();
    std::vector<int> changees;
    for (size_t r = 0; r < lignes.size(); ++r)
        if (r >= accepte_.size() || !(accepte_[r] == lignes[r])) {
            changees.push_back(static_cast<int>(r));
            DecideLigne(static_cast<int>(r), false);
        }
    if (changees.empty())
        return;
    decide_ = true;
    if (!Pese(LignesGeste(), changees, 4800, nullptr))
        RendLignes();
    decide_ = false;
}

void Tf_Resultats::DecideLigne(int r, bool dialogue)
{
    TDonneesChampionnat* c = Championnat();
    if (!c || !TableauActif(*c) || r < 0 || r >= NbLignes())
        return;
    TLigneResultat& l = Ligne(r);
    const int h = IdEquipeChampionnat(*Saison, l.Domicile->Text(), l.Domicile->Numero);
    const int a = IdEquipeChampionnat(*Saison, l.Exterieur->Text(), l.Exterieur->Numero);
    auto sansTirs = [&] {
        if (l.TirsAuBut) {
            l.TirsAuBut->Tag = 0;
            l.TirsAuBut->SetCaption("");
        }
    };
    // A match without its two scores sends nobody through.
    if (l.ScoreDomicile->Text().empty() || l.ScoreExterieur->Text().empty() || h < 0 || a < 0) {
        l.Qualifie = 2;
        sansTirs();
        return;
    }
    // The championship's rule for the row's score, with the shoot-out and the
    // side through the row holds: a tie without its shoot-out asks for it.
    TMatchCoupe m;
    m.Domicile = h;
    m.Exterieur = a;
    m.ScoreDomicile = ScoreTexte(l.ScoreDomicile->Text());
    m.ScoreExterieur = ScoreTexte(l.ScoreExterieur->Text());
    m.Qualifie = l.Qualifie;
    m.TirsAuBut = l.TirsAuBut ? static_cast<uint32_t>(l.TirsAuBut->Tag) : 0u;
    // A shoot-out kept aside for this very score comes back with it, in place
    // of the one the row holds (kept aside in turn with its own score), as in
    // live scoring.
    if (const TInfoComp* x = c->MatchEquipes(c->NbJournee, h, a); x && l.TirsAuBut)
        m.TirsAuBut = x->TirsPourScore(m.TirsAuBut, m.ScoreDomicile, m.ScoreExterieur);
    const TDecisionTour d = RegleScore(*c, MatchsCoupe(*c), c->NbJournee, m);
    if (l.TirsAuBut && d.TirsAuBut && m.TirsAuBut == 0 && dialogue && DemandeTirsAuBut) {
        // Closed without a result: the tie has no winner until its shoot-out
        // is entered (leaving the row asks again).
        m.TirsAuBut = DemandeTirsAuBut(h, a);
        if (m.TirsAuBut != 0)
            m.Qualifie = TirsDomicile(m.TirsAuBut) > TirsExterieur(m.TirsAuBut) ? 0 : 1;
    }
    l.Qualifie = static_cast<uint8_t>(m.Qualifie);
    if (l.TirsAuBut) {
        l.TirsAuBut->Tag = static_cast<int32_t>(m.TirsAuBut);
        MontreTirs(r);
    }
}

void Tf_Resultats::DecideQualifie(TObject* Sender)
{
    auto* e = dynamic_cast<TControl*>(Sender);
    const int r = e ? LigneTag(static_cast<int>(e->Tag)) : -1;
    if (r < 0 || decide_)
        return;
    // A score kept typed after a No is weighed again once typed again: its
    // box left untouched keeps it as it is.
    if (const TScoreGarde* g = Garde(r)) {
        const TLigneSaisie l = LignesSaisies()[static_cast<size_t>(r)];
        if (!g->Retape && l.ScoreDomicile == g->ScoreDomicile && l.ScoreExterieur == g->ScoreExterieur)
            return;
        OublieGarde(r);
    }
    decide_ = true;
    // The row is weighed with what its boxes hold now, the others as
    // accepted.
    DecideLigne(r, true);
    std::vector<TLigneSaisie> apres = LignesGeste();
    const TLigneSaisie tapee = LignesSaisies()[static_cast<size_t>(r)];
    apres[static_cast<size_t>(r)] = tapee;
    bool refusee = false;
    if (!Pese(apres, {r}, 4800, e, {}, &refusee)) {
        RendLignes();
        // No: the cup stays as it was, and the score typed stays in its box,
        // said not saved, until the box is left again or corrected.
        const TLigneSaisie& a = accepte_[static_cast<size_t>(r)];
        if (!refusee && a.NumeroDomicile == tapee.NumeroDomicile && a.NumeroExterieur == tapee.NumeroExterieur &&
            (a.ScoreDomicile != tapee.ScoreDomicile || a.ScoreExterieur != tapee.ScoreExterieur)) {
            const TDonneesChampionnat* c = Championnat();
            gardes_[{c->CodeChamp, c->NbJournee}].push_back(
                {r, tapee.NumeroDomicile, tapee.NumeroExterieur, tapee.ScoreDomicile, tapee.ScoreExterieur});
            RendGardes();
            RefuseInput(e, Texte(5912, L1("Ce score n'est pas enregistré : la suite de la coupe reste telle quelle. Retapez-le pour qu'il soit demandé de nouveau, ou corrigez-le.")));
        }
    }
    decide_ = false;
}

// ============================================================================
// printing and HTML
// ============================================================================

void Tf_Resultats::Imprime()
{
    TDonneesChampionnat* c = Championnat();
    if (!c)
        return;
    EnregistrePage();
    PrintDocument(Printer(), poPortrait, [&](TPrinter& p) {
        TCanvas& cv = p.Canvas();
        cv.Font = Font();
        cv.Font.SetColor(clBlack);
        // headed as the window: the matchday's name and date, each match of a
        // cup's last matchday under its round
        const TTitresJournee titres = Saison ? TitresJournee(*Saison) : TTitresJournee{};
        const bool dates = (c->Option(11) & 4) != 0;
        // Each name in a column as wide as the widest (and at least the
        // width the page gives a name); the date, the separators and the
        // scores each a blank apart, a score of three digits included. A
        // line too wide for the page takes a smaller font.
        int dom = 0, ext = 0, date = 0, espace = 0, x0 = 0, x1 = 0, largeur = 0;
        for (int taille = 14; taille >= 6; --taille) {
            cv.Font.SetSize(taille);
            espace = cv.TextWidth(" ");
            dom = ext = cv.TextWidth("AAAAAMMMMMAAAAAMMM");
            date = 0;
            for (int r = 0; r < NbLignes(); ++r) {
                const TLigneResultat& l = Ligne(r);
                dom = std::max(dom, cv.TextWidth(l.Domicile->Text()));
                ext = std::max(ext, cv.TextWidth(l.Exterieur->Text()));
                if (dates && l.Date && DateLigne(r) != 0)
                    date = std::max(date, cv.TextWidth(l.Date->GetText()));
            }
            x0 = 10 + (date > 0 ? date + 2 * espace : 0);
            x1 = x0 + dom + 2 * espace + cv.TextWidth("-");
            largeur = x1 + ext + 5 * espace + cv.TextWidth(":") + 2 * cv.TextWidth("000") + cv.TextWidth("-");
            if (largeur <= p.PageWidth())
                break;
        }
        const int taille = cv.Font.Size();
        int y = ImprimeTitres(cv, Font(), EnTete({titres.Titre}).Titres, 10, p.PageWidth(), 10);
        cv.Font = Font();
        cv.Font.SetColor(clBlack);
        cv.Font.SetSize(taille);
        const int h = 2 * cv.TextHeight("A");
        y -= h;
        for (int r = 0; r < NbLignes(); ++r) {
            const TLigneResultat& l = Ligne(r);
            const std::string tour = static_cast<size_t>(r) < titres.Matchs.size() ? titres.Matchs[static_cast<size_t>(r)]
                                                                                     : std::string();
            // the shoot-out the window shows under the match, on a line of its own
            const std::string tirs = l.TirsAuBut ? l.TirsAuBut->Caption() : std::string();
            y += h;
            if (y + (tour.empty() ? h : 2 * h) + (tirs.empty() ? 0 : h) > p.PageHeight()) {
                p.NewPage();
                y = 10;
            }
            if (!tour.empty()) {
                // the round's name over the match, centred on its dash
                cv.TextOut(x0 + dom + espace + cv.TextWidth("-") / 2 - cv.TextWidth(tour) / 2, y, tour);
                y += h;
            }
            // an undated match prints no date (its box holds only the separators)
            if (dates && l.Date && DateLigne(r) != 0)
                cv.TextOut(10, y, l.Date->GetText());
            const std::string nomDom = l.Domicile->Text(), nomExt = l.Exterieur->Text();
            cv.TextOut(x0 + (dom - cv.TextWidth(nomDom)) / 2, y, nomDom);
            cv.TextOut(x0 + dom + espace, y, "-");
            cv.TextOut(x1 + (ext - cv.TextWidth(nomExt)) / 2, y, nomExt);
            if (!l.ScoreDomicile->Text().empty()) {
                const int deuxPoints = x1 + ext + espace;
                // the home score ends where a score of three digits would
                const int fin = deuxPoints + cv.TextWidth(":") + espace + cv.TextWidth("000");
                const std::string sd = l.ScoreDomicile->Text();
                cv.TextOut(deuxPoints, y, ":");
                cv.TextOut(fin - cv.TextWidth(sd), y, sd);
                cv.TextOut(fin + espace, y, "-");
                cv.TextOut(fin + 2 * espace + cv.TextWidth("-"), y, l.ScoreExterieur->Text());
            }
            if (!tirs.empty()) {
                y += h;
                cv.TextOut(x0 + dom + espace + cv.TextWidth("-") / 2 - cv.TextWidth(tirs) / 2, y, tirs);
            }
        }
    });
}

void Tf_Resultats::EnregistreHTML(const std::string& nomFichier)
{
    if (!Saison)
        return;
    EnregistrePage();
    // The caller says why and offers the choice of the file again.
    if (!WriteFileAtomic(nomFichier, PageJourneeHTML(*Saison, Couleurs, EnTete().Titres)))
        throw EFCreateError(L1("Impossible de créer le fichier ") + nomFichier);
}

void Tf_Resultats::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                   const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    if (Nom == "Score")
        Resultat = FonctionScore(Parametres, saison);
    else if (Nom == "RapportMatch")
        Resultat = FonctionRapportMatch(Parametres, saison);
    else
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
}
