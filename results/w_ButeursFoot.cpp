#include "results/w_ButeursFoot.h"

#include <algorithm>
#include <optional>
#include <memory>

#include "model/Championnat.h"
#include "model/ChampsSaison.h"
#include "model/Joueurs.h"
#include "model/ListesJoueurs.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Carton.h"
#include "results/Controles.h"
#include "ui/Nombres.h"
#include "ui/Afficheur.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "views/Textes.h"

using vues::Texte;

namespace {

constexpr TColor Jaune = 0x00FFFF;
constexpr int TailleNumero = 8;

// A box naming an own goal: its player is of the other side, and only the
// own-goal mark makes his goal the panel's side's. No other kind may take
// its place.
bool ContreSonCamp(const TCarton* b)
{
    return b && !b->Text().empty() && (b->Tag & TCarton::FlagContreSonCamp);
}

}  // namespace

Tf_ButeursFoot::Tf_ButeursFoot(TComponent* AOwner) : TPagePanneaux(AOwner)
{
    SetName("f_ButeursFoot");
    SetCaption("f_ButeursFoot");
    entete_ = resultats::Fond(this, this, "Panel6", "FondCarrebleu", 133, 40, 334, 104);
    Label2 = resultats::Label(this, entete_, "Label2", 4, 2, 120, Jaune, true, "Spectateurs :");
    AffichageScore = new TAffichage(this);
    AffichageScore->SetName("AffichageScore");
    // Six digit boxes: a crowd of 100,000 or more is typed and shown whole;
    // the referee's box beside them takes the rest of the header's width.
    AffichageScore->SetNb_case(6);
    AffichageScore->SetBounds(4, 18, 6 * 34, 36);
    AffichageScore->Edition = true;
    AffichageScore->SetTabStop(true);
    AffichageScore->SetParent(entete_);
    AffichageScore->OnKeyPress = [this](TObject*, char&) { AffichageScoreKeyPress(); };
    Label1 = resultats::Label(this, entete_, "Label1", 214, 2, 116, Jaune, true, "Arbitre : ");
    cb_Arbitre = new TComboBox(this);
    cb_Arbitre->SetName("cb_Arbitre");
    cb_Arbitre->SetStyle(csDropDownList);
    cb_Arbitre->SetBounds(214, 18, 116, 21);
    cb_Arbitre->SetParent(entete_);
    cb_Arbitre->OnChange = [this](TObject*) { VerifieArbitre(cb_Arbitre); };
    auto* pm = new TPopupMenu(this);
    auto* mi = new TMenuItem(pm);
    mi->SetName("mi_AjouterArbitre");
    mi->SetCaption(Texte(346, "Ajouter un arbitre"));
    mi->OnClick = [this](TObject*) { AjouteArbitre(cb_Arbitre); };
    pm->Items()->Add(mi);
    cb_Arbitre->SetPopupMenu(pm);
    // Second row: the two ratings, the added time of both halves (their hints
    // say which) and the stadium, each under a caption of up to two lines.
    Label6 = resultats::Legende(this, entete_, "Label6", 4, 54, 56, Jaune, "Note arbitre");
    // Each as wide as what the match keeps.
    e_NoteArbitre = resultats::Petit(this, entete_, "e_NoteArbitre", 4, 82, ChiffresChamp(TChamp::MatchNoteArbitre));
    Label5 = resultats::Legende(this, entete_, "Label5", 64, 54, 52, Jaune, "Note du match");
    e_NoteMatch = resultats::Petit(this, entete_, "e_NoteMatch", 64, 82, ChiffresChamp(TChamp::MatchNote));
    Label7 = resultats::Legende(this, entete_, "Label7", 120, 54, 72, Jaune, "Temps additionnel");
    e_add1 = resultats::Petit(this, entete_, "e_add1", 120, 82, ChiffresChamp(TChamp::MatchTempsAdd1));
    e_add2 = resultats::Petit(this, entete_, "e_add2", 152, 82, ChiffresChamp(TChamp::MatchTempsAdd2));
    e_add1->SetWidth(28);
    e_add2->SetWidth(28);
    e_add1->SetShowHint(true);
    e_add2->SetShowHint(true);
    Label3 = resultats::Legende(this, entete_, "Label3", 196, 54, 134, Jaune, "Stade");
    cb_Stade = new TComboBox(this);
    cb_Stade->SetName("cb_Stade");
    cb_Stade->SetStyle(csDropDownList);
    cb_Stade->SetBounds(196, 82, 134, 21);
    cb_Stade->SetParent(entete_);
    cb_Stade->OnChange = [this](TObject*) { VerifieArbitre(cb_Arbitre); };
    for (TEdit* e : {e_NoteArbitre, e_NoteMatch, e_add1, e_add2})
        e->OnChange = [this](TObject*) { e_NoteArbitreChange(); };
    feuille::DeclareNotes({e_NoteArbitre, e_NoteMatch});
    // Added time: the minutes a half had (254 at most: the match keeps 255
    // for none), an emptied box none.
    for (TEdit* e : {e_add1, e_add2})
        nombres::Declare(e, nombres::Nombre(0, 254, -1));
    Label4 = resultats::Label(this, this, "Label4", 0, 122, 200, Jaune, true, "Buteurs");
    // The heading over the card panels.
    Label23 = resultats::Label(this, this, "Label23", 0, 122, 200, Jaune, true, "Cartons");
    static const char* const noms[3][2] = {{"FondBut1", "FondBut2"}, {"FondCj1", "FondCj2"}, {"FondCr1", "FondCr2"}};
    CreePanneaux(noms);
    for (int cote = 1; cote <= 2; ++cote)
        Liste(cote)->OnDblClick = [this, cote](TObject*) { LB1DblClick(cote); };
    pm_TypeBut->OnPopup = [this](TObject*) { pm_TypeButPopup(); };
    mi_Penalty->OnClick = [this](TObject*) { ChoisitTypeBut(1); };
    mi_Coupfranc->OnClick = [this](TObject*) { ChoisitTypeBut(2); };
    mi_Aucun->OnClick = [this](TObject*) { ChoisitTypeBut(0); };
    OnResize = [this](TObject*) {
        fc_InfoMatchResize();
        Place();
    };
    DoCreate();
}

Tf_ButeursFoot::~Tf_ButeursFoot()
{
    if (Saison)
        EnregistrePage(1);
}

void Tf_ButeursFoot::AfficheLibelles()
{
    mi_AjouterJoueur1->SetCaption(Texte(870, "Ajouter un joueur"));
    mi_AjouterJoueur2->SetCaption(Texte(870, "Ajouter un joueur"));
    Label2->SetCaption(Texte(742, "Spectateurs :"));
    Label1->SetCaption(Texte(920, "Arbitre : "));
    Label3->SetCaption(Texte(1010, "Stade"));
    Label6->SetCaption(Texte(1034, "Note arbitre"));
    Label5->SetCaption(Texte(1035, "Note du match"));
    Label7->SetCaption(Texte(1368, "Temps additionnel"));
    e_add1->SetHint(Texte(1369, "1re mi-temps"));
    e_add2->SetHint(Texte(1370, "2e mi-temps"));
    Label4->SetCaption(Texte(498, "Buteurs"));
    Label23->SetCaption(Texte(4602, "Cartons"));
    mi_Penalty->SetCaption(Texte(1639, "Penalty"));
    mi_Coupfranc->SetCaption(Texte(1638, "Coup franc"));
    mi_Aucun->SetCaption(Texte(108, "Aucun"));
    Place();
    EnChargement = 0;
}

void Tf_ButeursFoot::Place()
{
    // the header's captions as long as their language makes them
    resultats::RangeColonnes({{Label6, e_NoteArbitre}, {Label5, e_NoteMatch}, {Label7, e_add1, e_add2}, {Label3, cb_Stade}},
                             entete_->Width() - 6);
    const int largeur = ClientWidth(), haut = ClientHeight();
    const int w = std::max(60, (largeur - 2 * 133 - 10) / 2);
    entete_->SetLeft(std::max(133, (largeur - entete_->Width()) / 2));
    const int h = std::max(120, haut - 216);
    const int hBut = std::max(40, h * 3 / 7), hCarton = std::max(30, h / 7) + 10;
    const int top = 166;
    for (int cote = 1; cote <= 2; ++cote) {
        const int x = cote == 1 ? 133 : 143 + w;
        fonds_[0][cote - 1]->SetBounds(x, top, w, hBut);
        fonds_[1][cote - 1]->SetBounds(x, top + hBut + 20, w, hBut);
        fonds_[2][cote - 1]->SetBounds(x, top + 2 * hBut + 22, w, hCarton);
    }
    Label4->SetBounds(largeur / 2 - Label4->Width() / 2, top - 18, Label4->Width(), 16);
    Label23->SetBounds(largeur / 2 - Label23->Width() / 2, top + hBut + 2, Label23->Width(), 16);
    AjusteFonds();
}

feuille::TEnTeteComplet Tf_ButeursFoot::EnTete() const
{
    feuille::TEnTeteComplet e;
    e.Affichage = AffichageScore;
    e.Officiels = {{cb_Arbitre, e_NoteArbitre}};
    e.NoteMatch = e_NoteMatch;
    e.Stade = cb_Stade;
    return e;
}

void Tf_ButeursFoot::AfficheMatch()
{
    VidePanneaux();
    surplus_ = false;
    AfficheEnTeteMatch(true, AffichageScore, {cb_Arbitre}, e_NoteMatch, cb_Stade);
    // Viewing writes only what the page must drop (goal records beyond the
    // score); a proposed club stadium is written with the first entry.
    Modifie = surplus_ ? 1 : 0;
}

void Tf_ButeursFoot::ChangeMatch()
{
    AfficheMatch();
    if (AffichageScore->CanFocus())
        AffichageScore->SetFocus();
}

const TChoixJoueur* Tf_ButeursFoot::Choix(int cote, int32_t id)
{
    TListeJoueur* liste = cote == 1 ? ListeDomicile() : ListeExterieur();
    if (!liste)
        return nullptr;
    if (const TChoixJoueur* ch = liste->ChercheIdJoueur(id))
        return ch;
    TJoueur* p = Saison->Joueurs().ChercheJoueur(id, -1);
    if (!p)
        return nullptr;
    liste->Insere(std::make_unique<TChoixJoueur>(p, 0), false);
    return liste->ChercheIdJoueur(id);
}

void Tf_ButeursFoot::Ligne(TFondScroll* fond, int ligne, int cote, const std::string& minute, int typeBut,
                           int32_t id, int coteJoueur, int couleur)
{
    const TChoixJoueur* ch = id ? Choix(coteJoueur, id) : nullptr;
    TCarton* b = AjouteCarton(ligne, cote, false, typeBut, couleur > 0 ? -1 : 0, minute, ch, 0, false, fond, couleur);
    if (id && !ch) {
        // A player the season no longer knows keeps his number.
        b->SetText(Texte(3472, "Joueur inconnu"));
        b->Numero = id;
    }
}

void Tf_ButeursFoot::RemplitPage(int Mode)
{
    if (Mode != 1) {
        for (int cote = 1; cote <= 2; ++cote)
            Liste(cote)->Items().Clear();
        return;
    }
    TDonneesChampionnat* c = Championnat();
    ChargeListes();
    const int m = MatchCourant;
    auto temps = [&](int k) {
        const int t = c->TempsAddMatch(c->NbJournee, m, k);
        return t < 0 || t == 255 ? std::string() : IntToStr(t);
    };
    e_add1->SetText(temps(1));
    e_add2->SetText(temps(2));
    const int note = c->NoteArbitreMatch(c->NbJournee, m);
    e_NoteArbitre->SetText(note ? IntToStr(note) : "");
    if (c->NbJournee == 0)
        c->NbJournee = 1;
    const int n = c->NbJournee;
    std::unique_ptr<TListeResultat> buts[4];
    if (TListeDonnees* l = c->ListeDonnees(2, n))
        l->ListesMatch(IdDomicile, IdExterieur, false, false, buts);
    for (int cote = 1; cote <= 2; ++cote) {
        const int score = c->ValeurMatch(n, cote == 1 ? 4 * m - 2 : 4 * m);
        const TListeResultat* l = buts[cote - 1].get();
        const int nb = l ? l->Nombre() : 0;
        if (score != 65535 && score < nb)
            surplus_ = true;
        if (score == 65535 || score == 0)
            continue;
        for (int i = 1; i <= score; ++i) {
            const TDonneesEvt* d = i <= nb ? l->Resultat(i - 1) : nullptr;
            if (!d) {
                Ligne(fonds_[0][cote - 1], i, cote, "0", 3, 0, cote, 0);
                continue;
            }
            const int type = d->TypeBut() == 5 ? 3 : d->TypeBut();
            // An own goal names a player of the other side.
            const int coteJoueur = (d->Mot() & evtRouge) ? 3 - cote : cote;
            Ligne(fonds_[0][cote - 1], i, cote, IntToStr(d->Mot() & evtMinute), type, d->IdJoueur(), coteJoueur, 0);
        }
    }
    std::unique_ptr<TListeResultat> cartons[4];
    if (TListeDonnees* l = c->ListeDonnees(3, n))
        l->ListesMatch(IdDomicile, IdExterieur, false, true, cartons);
    for (int k = 0; k < 4; ++k) {
        const int cote = k % 2 + 1, genre = k / 2 + 1;
        TFondScroll* fond = fonds_[genre][cote - 1];
        int ligne = 1;
        if (const TListeResultat* l = cartons[k].get())
            for (int i = 0; i < l->Nombre(); ++i)
                Ligne(fond, ligne++, cote, IntToStr(l->Resultat(i)->Mot() & evtMinute), 0, l->Resultat(i)->IdJoueur(),
                      cote, genre);
        Ligne(fond, ligne, cote, "0", 0, 0, cote, genre);
    }
}

void Tf_ButeursFoot::EnregistrePage(int Libere)
{
    if (Libere == 1)
        LibereListes();
    TDonneesChampionnat* c = Championnat();
    if (!c || c_EqDomicile->Text().empty() || !Modifie)
        return;
    Modifie = 0;
    const int n = c->NbJournee, m = MatchCourant;
    const int h = IdDomicile, a = IdExterieur;
    TListeDonnees* buts = c->ListeDonnees(2, n);
    TListeDonnees* cartons = c->ListeDonnees(3, n);
    if (cartons)
        cartons->SupprimeEquipes({h, a});
    const int equipes[2] = {h, a};
    if (buts)
        buts->SupprimeEquipesNonMarquees(equipes);   // the missed penalties of the second page stay
    for (int k = 0; k < 3; ++k) {
        TListeDonnees* l = k == 0 ? buts : cartons;
        if (!l)
            continue;
        for (int cote = 1; cote <= 2; ++cote)
            PourCartonsRemplis(fonds_[k][cote - 1], [&](const TCarton& b) {
                uint16_t drapeaux = k == 2 ? evtRouge : 0;
                if (b.Tag & TCarton::FlagPenalty)
                    drapeaux |= evt100;
                else if (b.Tag & TCarton::FlagCoupFranc)
                    drapeaux |= evt200;
                else if (b.Tag & TCarton::FlagContreSonCamp)
                    drapeaux |= evtRouge;
                l->Ajoute(std::make_unique<TDonneesEvt>(b.Numero, cote == 1 ? h : a, MinuteTapee(b), drapeaux));
            });
    }
    feuille::EcritEnTete(EnTete(), *Saison, *c, n, m);
    TEdit* ajouts[2] = {e_add1, e_add2};
    for (int k = 1; k <= 2; ++k) {
        if (const std::optional<int> t = nombres::Valeur(ajouts[k - 1]))
            c->SetTempsAddMatch(n, m, k, *t);
    }
    Signale();
}

void Tf_ButeursFoot::LB1DblClick(int cote)
{
    TListe* l = Liste(cote);
    const int i = l->ItemIndex();
    if (i < 0 || i >= l->Items().Count())
        return;
    const std::string entree = l->Items()[i];
    const int32_t numero = NumeroEntreeListe(entree, TailleNumero, true);
    for (int k = 0; k < 3; ++k) {
        TFondScroll* fond = fonds_[k][cote - 1];
        for (int r = 0; r < fond->NbControles(); ++r) {
            TCarton* b = CartonLigne(fond, r);
            if (!b)
                continue;
            // A booked player goes on to the next card panel: the player
            // himself, whatever his namesakes hold.
            if (k > 0 && !b->Text().empty() && b->Numero == numero)
                break;
            if (!b->Text().empty())
                continue;
            b->SetText(NomEntreeListe(entree, TailleNumero));
            b->Numero = numero;
            b->Reorganise(true, 0);
            Modifie = 1;
            FocusEnAttente = 1;
            Signale();
            return;
        }
    }
}

void Tf_ButeursFoot::pm_TypeButPopup()
{
    auto* b = dynamic_cast<TCarton*>(pm_TypeBut->PopupComponent);
    const int32_t tag = b ? b->Tag : 0;
    mi_Penalty->SetChecked((tag & TCarton::FlagPenalty) != 0);
    mi_Coupfranc->SetChecked(!(tag & TCarton::FlagPenalty) && (tag & TCarton::FlagCoupFranc));
    mi_Aucun->SetChecked(!(tag & (TCarton::FlagPenalty | TCarton::FlagCoupFranc)));
    // An own goal is neither a penalty nor a free kick of the panel's side.
    mi_Penalty->SetEnabled(!ContreSonCamp(b));
    mi_Coupfranc->SetEnabled(!ContreSonCamp(b));
}

void Tf_ButeursFoot::ChoisitTypeBut(int type)
{
    auto* b = dynamic_cast<TCarton*>(pm_TypeBut->PopupComponent);
    // An own goal keeps its mark whatever the item: without it the player
    // would be stored as a scorer of the side he does not play for.
    if (!b || ContreSonCamp(b))
        return;
    Modifie = 1;
    // The player's name as his list gives it (namesakes told apart), from the
    // side he plays for.
    const int coteJoueur = b->Cote() == 1 || b->Cote() == 2 ? b->Cote() : b->CotePanneau();
    const bool contreSonCamp = b->Tag & TCarton::FlagContreSonCamp;
    b->Tag &= ~(TCarton::FlagPenalty | TCarton::FlagCoupFranc | TCarton::FlagContreSonCamp);
    if (contreSonCamp)
        // An emptied box's mark left over: back on the side of the panel.
        b->Tag = (b->Tag & ~255) | b->CotePanneau();
    if (type == 1)
        b->Tag |= TCarton::FlagPenalty;
    else if (type == 2)
        b->Tag |= TCarton::FlagCoupFranc;
    if (!b->Text().empty()) {
        const TChoixJoueur* ch = Choix(coteJoueur, b->Numero);
        const std::string nom = ch ? ch->Texte : Texte(3472, "Joueur inconnu");
        b->SetText(type ? nom + " " + LibelleTypeBut(type) : nom);
    }
    Signale();
}
