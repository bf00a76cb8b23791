#include "results/w_ButeursRugby.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "model/Championnat.h"
#include "model/ChampsSaison.h"
#include "model/Joueurs.h"
#include "model/ListesJoueurs.h"
#include "model/Saison.h"
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
// The team entries of the lists, and the player number a record of them holds.
constexpr int32_t EntreeEquipe = 0xFFFFFFE;
constexpr int32_t EntreeAdverse = 0xFFFFFFD;
constexpr int32_t AucunJoueur = 0xFFFFFFF;

}  // namespace

Tf_ButeursRugby::Tf_ButeursRugby(TComponent* AOwner) : TPagePanneaux(AOwner)
{
    SetName("f_ButeursRugby");
    SetCaption("f_ButeursRugby");
    EntetesListes = true;
    l_EquipeDomicile->TriComplet = true;
    l_EquipeExterieur->TriComplet = true;
    entete_ = resultats::Fond(this, this, "Panel6", "FondCarrebleu", 133, 40, 334, 104);
    resultats::Label(this, entete_, "Label2", 4, 2, 120, Jaune, true, Texte(742, "Spectateurs :"));
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
    resultats::Label(this, entete_, "Label1", 214, 2, 116, Jaune, true, Texte(920, "Arbitre : "));
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
    // Second row: the two ratings and the stadium, each under a caption of up
    // to two lines.
    resultats::Legende(this, entete_, "Label3", 4, 54, 56, Jaune, Texte(1034, "Note arbitre"));
    e_NoteArbitre = resultats::Petit(this, entete_, "e_NoteArbitre", 4, 82, ChiffresChamp(TChamp::MatchNoteArbitre));
    resultats::Legende(this, entete_, "Label5", 64, 54, 52, Jaune, Texte(1035, "Note du match"));
    e_NoteMatch = resultats::Petit(this, entete_, "e_NoteMatch", 64, 82, ChiffresChamp(TChamp::MatchNote));
    resultats::Legende(this, entete_, "Label4", 120, 54, 210, Jaune, Texte(1010, "Stade"));
    cb_Stade = new TComboBox(this);
    cb_Stade->SetName("cb_Stade");
    cb_Stade->SetStyle(csDropDownList);
    cb_Stade->SetBounds(120, 82, 210, 21);
    cb_Stade->SetParent(entete_);
    cb_Stade->OnChange = [this](TObject*) { VerifieArbitre(cb_Arbitre); };
    for (TEdit* e : {e_NoteArbitre, e_NoteMatch})
        e->OnChange = [this](TObject*) { e_NoteArbitreChange(); };
    feuille::DeclareNotes({e_NoteArbitre, e_NoteMatch});
    static const char* const noms[4][2] = {{"FondBut1", "FondBut2"},
                                     {"FondTransfo1", "FondTransfo2"},
                                     {"FondPenalite1", "FondPenalite2"},
                                     {"FondDrop1", "FondDrop2"}};
    static const char* titres[4] = {"Essais", "Transformations", "Penalites", "Drops"};
    TLabel** labels[4] = {&Label6, &Label7, &Label8, &Label9};
    static const char* nomsLabels[4] = {"Label6", "Label7", "Label8", "Label9"};
    for (int k = 0; k < 4; ++k)
        *labels[k] = resultats::Label(this, this, nomsLabels[k], 0, 0, 160, Jaune, true, titres[k]);
    CreePanneaux(noms);
    for (int cote = 1; cote <= 2; ++cote)
        Liste(cote)->OnDblClick = [this, cote](TObject*) { RemplitPanneauChoisi(cote); };
    OnResize = [this](TObject*) {
        fc_InfoMatchResize();
        Place();
    };
    DoCreate();
}

Tf_ButeursRugby::~Tf_ButeursRugby()
{
    if (Saison)
        EnregistrePage(1);
}

void Tf_ButeursRugby::AfficheLibelles()
{
    mi_AjouterJoueur1->SetCaption(Texte(870, "Ajouter un joueur"));
    mi_AjouterJoueur2->SetCaption(Texte(870, "Ajouter un joueur"));
    static const int ids[4] = {488, 484, 485, 486};
    TLabel* labels[4] = {Label6, Label7, Label8, Label9};
    for (int k = 0; k < 4; ++k)
        labels[k]->SetCaption(Texte(ids[k], labels[k]->Caption()));
    Place();
    EnChargement = 0;
}

void Tf_ButeursRugby::Place()
{
    // the header's captions as long as their language makes them
    auto legende = [this](const char* nom) { return dynamic_cast<TControl*>(FindComponent(nom)); };
    if (TControl *note = legende("Label3"), *match = legende("Label5"), *stade = legende("Label4"); note && match && stade)
        resultats::RangeColonnes({{note, e_NoteArbitre}, {match, e_NoteMatch}, {stade, cb_Stade}}, entete_->Width() - 6);
    const int largeur = ClientWidth(), haut = ClientHeight();
    const int w = std::max(60, (largeur - 2 * 133 - 10) / 2);
    entete_->SetLeft(std::max(133, (largeur - entete_->Width()) / 2));
    const int top = 166;
    const int h = std::max(40, (haut - top) / 4 - 20);
    TLabel* labels[4] = {Label6, Label7, Label8, Label9};
    for (int k = 0; k < 4; ++k) {
        const int y = top + k * (h + 20);
        labels[k]->SetBounds(largeur / 2 - 80, y - 17, 160, 16);
        labels[k]->SetAlignment(taCenter);
        for (int cote = 1; cote <= 2; ++cote)
            fonds_[k][cote - 1]->SetBounds(cote == 1 ? 133 : 143 + w, y, w, h);
    }
    AjusteFonds();
}

void Tf_ButeursRugby::AfficheMatch()
{
    VidePanneaux();
    surplus_ = false;
    AfficheEnTeteMatch(true, AffichageScore, {cb_Arbitre}, e_NoteMatch, cb_Stade);
    // Viewing writes only the tries the score drops; a proposed club stadium
    // is written with the first entry.
    Modifie = surplus_ ? 1 : 0;
}

void Tf_ButeursRugby::ChangeMatch()
{
    AfficheMatch();
    if (AffichageScore->CanFocus())
        AffichageScore->SetFocus();
}

void Tf_ButeursRugby::RemplitPage(int Mode)
{
    if (Mode != 1) {
        for (int cote = 1; cote <= 2; ++cote)
            Liste(cote)->Items().Clear();
        return;
    }
    TDonneesChampionnat* c = Championnat();
    ChargeListes();
    const int note = c->NoteArbitreMatch(c->NbJournee, MatchCourant);
    e_NoteArbitre->SetText(note ? IntToStr(note) : "");
    if (c->NbJournee == 0)
        c->NbJournee = 1;
    const int n = c->NbJournee, m = MatchCourant;
    for (int k = 0; k < 4; ++k) {
        std::unique_ptr<TListeResultat> listes[4];
        if (TListeDonnees* l = c->ListeDonnees(Type(k), n))
            l->ListesMatch(IdDomicile, IdExterieur, false, false, listes);
        for (int cote = 1; cote <= 2; ++cote) {
            TFondScroll* fond = fonds_[k][cote - 1];
            TListeJoueur* choix = cote == 1 ? ListeDomicile() : ListeExterieur();
            int ligne = 1;
            const TListeResultat* l = listes[cote - 1].get();
            const int score = c->ValeurMatch(n, cote == 1 ? 4 * m - 2 : 4 * m);
            if (k == 0 && score == 65535)
                l = nullptr;   // tries only when the side's score is set
            for (int i = 0; l && i < l->Nombre(); ++i) {
                const TDonneesEvt* d = l->Resultat(i);
                const int32_t id = d->IdJoueur();
                const TChoixJoueur* ch = nullptr;
                if (id != AucunJoueur && choix) {
                    ch = choix->ChercheIdJoueur(id);
                    if (!ch)
                        if (TJoueur* p = Saison->Joueurs().ChercheJoueur(id, -1)) {
                            choix->Insere(std::make_unique<TChoixJoueur>(p, 0), false);
                            ch = choix->ChercheIdJoueur(id);
                        }
                }
                TCarton* b = AjouteCarton(ligne++, cote, false, 0, -1, IntToStr(d->Mot() & evtMinute), ch, k + 2, false,
                                          fond, 0);
                if (id == AucunJoueur) {
                    // A team entry: the opposing player's (0x200) or an unknown player's.
                    const bool adverse = d->Mot() & evt200;
                    b->SetText(Texte(adverse ? 533 : 532, adverse ? "Joueur adverse" : "Joueur inconnu"));
                    b->Numero = adverse ? EntreeAdverse : EntreeEquipe;
                } else if (!ch) {
                    b->SetText(Texte(3472, "Joueur inconnu"));
                    b->Numero = id;
                }
            }
            AjouteCarton(ligne, cote, false, 0, -1, std::string("0"), nullptr, k + 2, false, fond, 0);
        }
    }
    // Tries beyond the score go when the page is written.
    std::unique_ptr<TListeResultat> essais[4];
    if (TListeDonnees* l = c->ListeDonnees(2, n)) {
        l->ListesMatch(IdDomicile, IdExterieur, false, false, essais);
        for (int cote = 1; cote <= 2; ++cote) {
            const int score = c->ValeurMatch(n, cote == 1 ? 4 * m - 2 : 4 * m);
            if (score != 65535 && essais[cote - 1] && score < essais[cote - 1]->Nombre())
                surplus_ = true;
        }
    }
}

void Tf_ButeursRugby::EnregistrePage(int Libere)
{
    if (Libere == 1)
        LibereListes();
    TDonneesChampionnat* c = Championnat();
    if (!c || c_EqDomicile->Text().empty() || !Modifie)
        return;
    Modifie = 0;
    const int n = c->NbJournee, m = MatchCourant;
    const int h = IdDomicile, a = IdExterieur;
    for (int k = 0; k < 4; ++k) {
        TListeDonnees* l = c->ListeDonnees(Type(k), n);
        if (!l)
            continue;
        const int equipes[2] = {h, a};
        if (k == 0)
            l->SupprimeEquipesNonMarquees(equipes);   // the missed penalties of the second page stay
        else
            l->SupprimeEquipes(equipes);
    }
    for (int k = 0; k < 4; ++k) {
        TListeDonnees* l = c->ListeDonnees(Type(k), n);
        if (!l)
            continue;
        for (int cote = 1; cote <= 2; ++cote)
            PourCartonsRemplis(fonds_[k][cote - 1], [&](const TCarton& b) {
                int32_t id = b.Numero;
                uint16_t drapeaux = 0;
                if (id == EntreeEquipe || id == EntreeAdverse) {
                    drapeaux = id == EntreeEquipe ? evt100 : evt200;
                    id = AucunJoueur;
                }
                l->Ajoute(std::make_unique<TDonneesEvt>(id, cote == 1 ? h : a, MinuteTapee(b), drapeaux));
            });
    }
    feuille::TEnTeteComplet e;
    e.Affichage = AffichageScore;
    e.Officiels = {{cb_Arbitre, e_NoteArbitre}};
    e.NoteMatch = e_NoteMatch;
    e.Stade = cb_Stade;
    feuille::EcritEnTete(e, *Saison, *c, n, m);
    Signale();
}
