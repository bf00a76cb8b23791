#include "results/w_Composition.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/ChampsSaison.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/ListesJoueurs.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Controles.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "views/Textes.h"

using vues::Texte;

namespace {

constexpr int TailleNumero = 8;
// The last minute of a substitution the page keeps.
constexpr int MinuteRemplacementMax = 255;
constexpr TColor Jaune = 0x00FFFF;
const std::string MarqueCapitaine = " (cap.)";

// A player box of the grid: what is dropped on it, and what it drops, is the
// page's alone; the left button drags a box that holds a player, the right
// one tells the popup which box it opens on.
class TCadreCompo : public TCadreDrop
{
public:
    explicit TCadreCompo(Tf_Composition* page) : TCadreDrop(page), page_(page) { Selectionnable = false; }
    void DragOver(TObject* Source, int, int, TDragState, bool& Accept) override
    {
        Accept = page_->CadreDragOver(this, Source);
    }
    void DragDrop(TObject* Source, int, int) override { page_->CadreDragDrop(this, Source); }

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        TCadre::MouseDown(Button, Shift, X, Y);
        if (Button == mbRight && PopupMenu())
            PopupMenu()->PopupComponent = this;
        else if (Button == mbLeft && !Text().empty())
            BeginDrag(false);
    }

private:
    Tf_Composition* page_;
};

std::string SansCapitaine(const std::string& t)
{
    const size_t p = t.find("(cap.)");
    return p == std::string::npos ? t : Trim(t.substr(0, p));
}

int Numero(const TEdition2* e)
{
    return StrToIntDef(Trim(e->Text()), 0);
}

}  // namespace

Tf_Composition::Tf_Composition(TComponent* AOwner) : Tf_InfoMatchCadreBase(AOwner)
{
    SetName("f_Composition");
    SetCaption("f_Composition");
    pc_Composition = new TPageControl(this);
    pc_Composition->SetName("pc_Composition");
    pc_Composition->SetStyle(tsButtons);
    pc_Composition->SetBounds(0, 40, 760, 520);
    pc_Composition->SetParent(this);
    Popupajout = new TPopupMenu(this);
    Popupajout->SetName("Popupajout");
    mi_AjouterJoueur1 = new TMenuItem(Popupajout);
    mi_AjouterJoueur1->SetName("mi_AjouterJoueur1");
    mi_AjouterJoueur1->SetCaption(Texte(870, "Ajouter un joueur"));
    mi_AjouterJoueur1->OnClick = [this](TObject*) { mi_AjouterJoueur1Click(); };
    Popupajout->Items()->Add(mi_AjouterJoueur1);
    pm_CapitaineEx = new TPopupMenu(this);
    pm_CapitaineEx->SetName("pm_CapitaineEx");
    pm_CapitaineEx->OnPopup = [this](TObject*) { pm_CapitaineExPopup(); };
    mi_Capitaine = new TMenuItem(pm_CapitaineEx);
    mi_Capitaine->SetName("mi_Capitaine");
    mi_Capitaine->SetCaption(Texte(3906, "Capitaine"));
    mi_Capitaine->SetRadioItem(true);
    mi_Capitaine->OnClick = [this](TObject*) { mi_CapitaineClick(); };
    pm_CapitaineEx->Items()->Add(mi_Capitaine);
    mi_AucunCap = new TMenuItem(pm_CapitaineEx);
    mi_AucunCap->SetName("mi_AucunCap");
    mi_AucunCap->SetCaption(Texte(108, "Aucun"));
    mi_AucunCap->SetRadioItem(true);
    mi_AucunCap->OnClick = [this](TObject*) { mi_AucunCapClick(); };
    pm_CapitaineEx->Items()->Add(mi_AucunCap);
    for (int cote = 0; cote < 2; ++cote) {
        auto* ts = new TTabSheet(this);
        ts->SetName(cote == 0 ? "ts_Equipe1" : "ts_Equipe2");
        ts->SetPageControl(pc_Composition);
        ts->OnResize = [this](TObject*) { Place(); };
        (cote == 0 ? ts_Equipe1 : ts_Equipe2) = ts;
        auto* panneau = new TPanel(this);
        panneau->SetName(cote == 0 ? "Panel5" : "Panel3");
        panneau->SetBevelOuter(bvNone);
        panneau->SetParentColor(true);
        panneau->SetAlign(alLeft);
        panneau->SetWidth(130);
        panneau->SetParent(ts);
        auto* cb = new TComboBox(this);
        cb->SetName(cote == 0 ? "cb_CategorieDom" : "cb_CategorieExt");
        cb->SetStyle(csDropDownList);
        cb->SetAlign(alBottom);
        cb->SetParent(panneau);
        cb->OnChange = [this, cote](TObject*) { CategorieChange(cote); };
        (cote == 0 ? cb_CategorieDom : cb_CategorieExt) = cb;
        panneauxCategorie_[cote] = cb;
        auto* l = new TListeFeuille(this);
        l->SetName(cote == 0 ? "l_EquipeDomicile" : "l_EquipeExterieur");
        l->SetAlign(alClient);
        l->TailleNomLong = TailleNumero;
        l->CanDrag = true;
        l->Tag = cote + 1;
        l->SetParent(panneau);
        l->SetPopupMenu(Popupajout);
        l->OnDblClick = [this, cote](TObject*) { ListeDblClick(cote); };
        l->OnDragOver = [this, cote](TObject*, TObject* s, int, int, TDragState, bool& a) {
            a = ListeDragOver(cote, s);
        };
        l->OnDragDrop = [this, cote](TObject*, TObject* s, int, int) { ListeDragDrop(cote, s); };
        (cote == 0 ? l_EquipeDomicile : l_EquipeExterieur) = l;
        for (int k = 0; k < 2; ++k) {
            TFondCopie* fond = resultats::Fond(this, ts, "", "FondCreuxBleu", 0, 0, 250, 450);
            fond->Tag = cote + 1;
            // The starters are headed "Titulaires", the substitutions "Remplaçants".
            resultats::Label(this, fond, "", 8, 4, 200, Jaune, true,
                             k == 0 ? Texte(743, "Titulaires") : Texte(1379, "Remplaçants"));
            fonds_[cote][k] = fond;
        }
    }
    pc_Composition->SetActivePage(ts_Equipe1);
    OnResize = [this](TObject*) {
        fc_InfoMatchResize();
        pc_Composition->SetBounds(0, 40, ClientWidth(), std::max(100, ClientHeight() - 40));
    };
    DoCreate();
}

Tf_Composition::~Tf_Composition()
{
    if (Saison)
        EnregistrePage(1);
}

void Tf_Composition::SetFenetrePrincipale(TComponent* fenetre)
{
    Tf_InfoMatchCadreBase::SetFenetrePrincipale(fenetre);
    nbTitulaire_ = nbRemp_ = 0;
}

void Tf_Composition::Place()
{
    for (int cote = 0; cote < 2; ++cote) {
        TWinControl* tit = fonds_[cote][0];
        if (!tit || !tit->Parent())
            continue;
        TWinControl* remp = fonds_[cote][1];
        const int lg = Liste(cote)->Parent()->Width(), libre = tit->Parent()->ClientWidth() - lg;
        const int ht = tit->Parent()->ClientHeight();
        const int wt = std::max(160, libre - 280);
        if (tit->Left() != lg || tit->Width() != wt || tit->Height() != ht) {
            tit->SetBounds(lg, 0, wt, ht);
            remp->SetBounds(lg + wt, 0, std::max(100, libre - wt), ht);
        }
        const int w = tit->Width() - 8;
        const int larg = w < 150 ? 110 : (w < 221 ? w - 40 : 180);
        const int gauche = w < 221 ? 35 : 35 + (w - 220) / 2;
        const int haut = tit->Height() - 24;
        const int n = std::max(nbTitulaire_, 1);
        const int ecart = haut <= 24 * n ? 3 : (haut - 20 * n) / (n + 1);
        for (int i = 0; i < nbTitulaire_ && i < static_cast<int>(grille_[cote].size()); ++i) {
            const int y = 24 + (ecart + 20) * i + ecart / 2;
            grille_[cote][static_cast<size_t>(i)].Joueur->SetBounds(gauche, y, larg, 20);
            grille_[cote][static_cast<size_t>(i)].Numero->SetBounds(gauche - 30, y - 1, 22, 22);
        }
        const int x = std::max(0, (remp->ClientWidth() - 270) / 2);
        for (int j = 0; j < nbRemp_; ++j) {
            const int y = 24 + j * 31;
            TEnreg& off = grille_[cote][static_cast<size_t>(nbTitulaire_ + 2 * j)];
            TEnreg& on = grille_[cote][static_cast<size_t>(nbTitulaire_ + 2 * j + 1)];
            off.Joueur->SetBounds(x, y, 90, 25);
            on.Numero->SetBounds(x + 112, y, 25, 25);
            on.Joueur->SetBounds(x + 138, y, 90, 25);
            off.Numero->SetBounds(x + 230, y, 25, 25);
        }
    }
}

void Tf_Composition::LibereGrille()
{
    capitaine_[0] = capitaine_[1] = nullptr;
    for (auto& g : grille_) {
        for (TEnreg& e : g) {
            e.Numero->Free();
            e.Joueur->Free();
        }
        g.clear();
    }
}

void Tf_Composition::ConstruitGrille(int nbTitulaire, int nbRemp)
{
    if (nbTitulaire == nbTitulaire_ && nbRemp == nbRemp_ && !grille_[0].empty())
        return;
    LibereGrille();
    nbTitulaire_ = nbTitulaire;
    nbRemp_ = nbRemp;
    auto cadre = [this](TWinControl* parent, int x, int y, int w) {
        auto* c = new TCadreCompo(this);
        if (Dessin)
            c->SetModele(Dessin->Fond("BoutonCreuxBleu"));
        c->SetBounds(x, y, w, 25);
        c->SetParent(parent);
        return c;
    };
    for (int cote = 0; cote < 2; ++cote) {
        const int s = cote + 1;
        for (int i = 1; i <= nbTitulaire; ++i) {
            TEnreg e;
            // A shirt as the line-up keeps it: 123 is shown and taken back whole.
            TEditRond* maillot = resultats::Rond(this, fonds_[cote][0], "", 4, 4 + (i - 1) * 24,
                                                 ChiffresChamp(TChamp::CompoMaillot));
            maillot->Maximum = static_cast<int32_t>(Champ(TChamp::CompoMaillot).haut);
            e.Numero = maillot;
            e.Numero->Tag = i * 4 + s;
            e.Numero->SetTabOrder(i);
            e.Joueur = cadre(fonds_[cote][0], 32, 4 + (i - 1) * 24, 200);
            e.Joueur->Tag = (i << 8) + s;
            if (Dessin) {
                e.Joueur->SetModele(Dessin->Fond("PetitBoutonCreuxBleu"));
                e.Numero->SetModele(Dessin->Fond("PetitRondCreuxBleu"));
            }
            e.Joueur->OnDblClick = [this, cote, i](TObject*) { TitulaireDblClick(cote, i); };
            grille_[cote].push_back(e);
        }
        for (int j = 1; j <= nbRemp; ++j) {
            const int y = 4 + (j - 1) * 31;
            const int sortant = nbTitulaire + 2 * j - 1;
            TEnreg off, on;
            off.Joueur = cadre(fonds_[cote][1], 4, y, 90);
            off.Joueur->Tag = (sortant << 8) + (cote == 0 ? 255 : 254);
            off.Joueur->OnDblClick = [this, cote, sortant](TObject*) { SortantDblClick(cote, sortant); };
            off.Numero = resultats::Rond(this, fonds_[cote][1], "", 234, y, 3);
            off.Numero->Tag = (j - 1) * 4 + s;
            off.Numero->OnKeyPress = [this, cote, j](TObject*, char& k) { MinuteKeyPress(cote, j, k); };
            TEditRond* entrant = resultats::Rond(this, fonds_[cote][1], "", 112, y, ChiffresChamp(TChamp::CompoMaillot));
            entrant->Maximum = static_cast<int32_t>(Champ(TChamp::CompoMaillot).haut);
            on.Numero = entrant;
            on.Joueur = cadre(fonds_[cote][1], 140, y, 90);
            on.Joueur->Tag = ((sortant + 1) << 8) + s + 2;
            grille_[cote].push_back(off);
            grille_[cote].push_back(on);
        }
        for (int n = 1; n <= nbTitulaire + 2 * nbRemp; ++n) {
            TEnreg& e = grille_[cote][static_cast<size_t>(n - 1)];
            e.Numero->OnChange = [this](TObject*) {
                if (!EnChargement)
                    Modifie = 1;
            };
            if (Genre(n) == Sortant) {
                resultats::BorneMinute(e.Numero, MinuteRemplacementMax, [this] { return EnChargement != 0; });
                continue;
            }
            e.Numero->AutoSelect = true;
            e.Numero->OnEnter = [this, cote, n](TObject*) { NumeroCompoEnter(cote, n); };
            e.Numero->OnExit = [this, cote, n](TObject*) { NumeroCompoExit(cote, n); };
            e.Numero->OnKeyPress = [this, cote, n](TObject*, char& k) { NumeroCompoKeyPress(cote, n, k); };
        }
    }
    Place();
}

bool Tf_Composition::Localise(const TObject* boite, int& cote, int& n) const
{
    for (cote = 0; cote < 2; ++cote)
        for (size_t i = 0; i < grille_[cote].size(); ++i)
            if (grille_[cote][i].Joueur == boite) {
                n = static_cast<int>(i) + 1;
                return true;
            }
    return false;
}

void Tf_Composition::ChargeChoix(int cote)
{
    const int32_t equipe = Equipe(cote);
    TDonneesChampionnat* c = Championnat();
    int32_t& categorie = cote == 0 ? CategorieDomicile : CategorieExterieur;
    categorie = RemplitCategories(cote == 0 ? cb_CategorieDom : cb_CategorieExt, panneauxCategorie_[cote],
                                  c ? c->IndexEquipe(equipe) : -1);
    choix_[cote] = ChargeListeJoueurs(equipe, categorie);
}

void Tf_Composition::RemplitListe(int cote)
{
    TListe* l = Liste(cote);
    l->Items().Clear();
    if (!choix_[cote])
        return;
    for (int i = 0; i < choix_[cote]->Nombre(); ++i) {
        TChoixJoueur* ch = choix_[cote]->ChoixJoueur(i);
        if (!ch->Drapeau())
            l->Items().Add(EntreeListe(ch->NumeroJoueur(), TailleNumero, true, ch->Texte));
    }
}

void Tf_Composition::VideEnreg(int cote, int n)
{
    TEnreg& e = Enreg(cote, n);
    if (capitaine_[cote] == e.Joueur)
        capitaine_[cote] = nullptr;
    e.Joueur->SetText("");
    e.Joueur->Numero = 0;
    e.Joueur->SetPopupMenu(nullptr);
    if (Genre(n) != Sortant)
        e.Numero->SetText("");
}

void Tf_Composition::PlaceJoueur(int cote, int n, int32_t id, int32_t capitaine)
{
    TEnreg& e = Enreg(cote, n);
    const bool sortant = Genre(n) == Sortant;
    TChoixJoueur* ch = nullptr;
    if (id > 0 && choix_[cote]) {
        ch = choix_[cote]->ChercheIdJoueur(id);
        if (!ch)
            if (TJoueur* p = Saison->Joueurs().ChercheJoueur(id, Equipe(cote))) {
                choix_[cote]->Insere(std::make_unique<TChoixJoueur>(p, 0), false);
                ch = choix_[cote]->ChercheIdJoueur(id);
            }
    }
    if (!ch && id <= 0) {
        VideEnreg(cote, n);
        return;
    }
    // A player the season does not know keeps his place (and his id, so that
    // writing the page never drops him), named as unknown. A player in any
    // box, going off too, is no longer offered by the list.
    if (ch)
        ch->SetDrapeau(1);
    std::string texte = ch ? CassePhrase(ch->Texte) : Texte(532, "Joueur inconnu");
    if (Genre(n) == Titulaire) {
        e.Joueur->SetPopupMenu(pm_CapitaineEx);
        if (capitaine && capitaine == id) {
            texte += MarqueCapitaine;
            capitaine_[cote] = e.Joueur;
        } else if (capitaine_[cote] == e.Joueur)
            capitaine_[cote] = nullptr;
    }
    e.Joueur->SetText(texte);
    e.Joueur->Numero = id;
    if (!sortant) {
        int maillot = ch ? ch->Maillot() : 0;
        if (match_ && (Championnat()->Option(11) & 16))
            maillot = match_->Maillot(Equipe(cote), n <= nbTitulaire_ ? n : nbTitulaire_ + (n - nbTitulaire_) / 2);
        e.Numero->SetText(maillot ? IntToStr(maillot) : "");
        if (e.Memoire >= 0)
            e.Memoire = maillot;
    }
}

void Tf_Composition::AfficheMatch()
{
    EnChargement = 1;
    LigneSuivante = 0;
    const bool defini = EnTeteBoites();
    match_ = nullptr;
    TDonneesChampionnat* c = Championnat();
    if (!defini) {
        ts_Equipe1->SetCaption("");
        ts_Equipe2->SetCaption("");
        for (int cote = 0; cote < 2; ++cote)
            for (int n = 1; n <= static_cast<int>(grille_[cote].size()); ++n) {
                VideEnreg(cote, n);
                Enreg(cote, n).Numero->SetText("");
            }
        for (int cote = 0; cote < 2; ++cote) {
            choix_[cote].reset();
            RemplitListe(cote);
        }
        EnChargement = 0;
        return;
    }
    pc_Composition->SetActivePage(ts_Equipe1);
    ts_Equipe1->SetCaption(c_EqDomicile->Text());
    ts_Equipe2->SetCaption(c_EqExterieur->Text());
    match_ = c->MatchEquipe(c->NbJournee, IdDomicile);
    ConstruitGrille(c->NbTitulaire(), c->NbRemp());
    for (int cote = 0; cote < 2; ++cote) {
        ChargeChoix(cote);
        const int32_t t = Equipe(cote);
        capitaine_[cote] = nullptr;
        // Starters proposed from the team's last entered line-up.
        const TInfoComp* source = match_;
        propose_[cote] = false;
        if ((c->Option(11) & 32) && c->NbJournee >= 2 && match_ && !match_->CompositionSaisie(t)) {
            source = nullptr;
            for (int n = c->NbJournee - 1; n >= 2 && !source; --n)
                if (const TInfoComp* m = c->MatchEquipe(n, t); m && m->CompositionSaisie(t))
                    source = m;
            if (!source)
                source = c->MatchEquipe(1, t);
            propose_[cote] = source != nullptr;
        }
        const int32_t capitaine = source ? source->Capitaine(t) : 0;
        for (int n = 1; n <= nbTitulaire_ + 2 * nbRemp_; ++n) {
            int32_t id = 0;
            if (n <= nbTitulaire_)
                id = source ? source->JoueurTitulaire(t, n) : 0;
            else if (match_)
                id = match_->ValeurRemplacement(t, (n + 1 - nbTitulaire_) / 2, (n - nbTitulaire_) % 2 ? 1 : 3);
            PlaceJoueur(cote, n, id, capitaine);
            TEnreg& e = Enreg(cote, n);
            e.Memoire = e.Memoire >= 0 ? Numero(e.Numero) : -1;
        }
        for (int j = 1; j <= nbRemp_; ++j)
            Enreg(cote, nbTitulaire_ + 2 * j - 1)
                .Numero->SetText(IntToStr(match_ ? match_->ValeurRemplacement(t, j, 5) : 0));
        RemplitListe(cote);
    }
    EnChargement = 0;
}

void Tf_Composition::EnregistrePage(int Libere)
{
    TDonneesChampionnat* c = Championnat();
    if (match_ && c && c->MatchEquipe(c->NbJournee, IdDomicile) == match_) {
        const bool maillots = c->Option(11) & 16;
        bool change = false;
        for (int cote = 0; cote < 2; ++cote) {
            const int32_t t = Equipe(cote);
            // A proposed line-up is the match's only once it is played or edited.
            const bool titulaires = !propose_[cote] || match_->ScoresSaisis() || Modifie;
            for (int n = 1; n <= nbTitulaire_ && titulaires; ++n) {
                TEnreg& e = Enreg(cote, n);
                if (match_->JoueurTitulaire(t, n) != e.Joueur->Numero) {
                    match_->SetJoueurTitulaire(t, n, e.Joueur->Numero);
                    change = true;
                }
                if (maillots && match_->Maillot(t, n) != std::clamp(Numero(e.Numero), 0, 255)) {
                    match_->SetMaillot(t, n, std::clamp(Numero(e.Numero), 0, 255));
                    change = true;
                }
            }
            for (int j = 1; j <= nbRemp_; ++j) {
                TEnreg& off = Enreg(cote, nbTitulaire_ + 2 * j - 1);
                TEnreg& on = Enreg(cote, nbTitulaire_ + 2 * j);
                const int32_t sortant = off.Joueur->Numero, entrant = on.Joueur->Numero;
                // A minute is bounded and compared whole, so no typed change is lost.
                const int minute = sortant || entrant ? std::clamp(Numero(off.Numero), 0, MinuteRemplacementMax) : 0;
                if (match_->ValeurRemplacement(t, j, 1) != sortant || match_->ValeurRemplacement(t, j, 3) != entrant ||
                    match_->ValeurRemplacement(t, j, 5) != minute) {
                    match_->SetRemplacement(t, sortant, entrant, minute, j);
                    change = true;
                }
                if (maillots && match_->Maillot(t, nbTitulaire_ + j) != std::clamp(Numero(on.Numero), 0, 255)) {
                    match_->SetMaillot(t, nbTitulaire_ + j, std::clamp(Numero(on.Numero), 0, 255));
                    change = true;
                }
            }
        }
        match_->TrieRemplacements();
        if (change) {
            Saison->InvalideStats();
            match_->SetCompositionSaisie(IdDomicile);
            match_->SetCompositionSaisie(IdExterieur);
            Signale();
        }
    }
    if (Libere == 1)
        for (auto& ch : choix_)
            ch.reset();
}

// ---- entering players -------------------------------------------------------------------------

void Tf_Composition::ListeDblClick(int cote)
{
    TListe* l = Liste(cote);
    const int i = l->ItemIndex();
    if (i < 0 || i >= l->Items().Count() || grille_[cote].empty())
        return;
    int cible = 0;
    for (int n = 1; n <= nbTitulaire_ && !cible; ++n)
        if (Enreg(cote, n).Joueur->Text().empty())
            cible = n;
    for (int j = 1; j <= nbRemp_ && !cible; ++j)
        if (Enreg(cote, nbTitulaire_ + 2 * j).Joueur->Text().empty())
            cible = nbTitulaire_ + 2 * j;
    if (cible)
        PlaceDepuisListe(cote, cible);
    Signale();
}

void Tf_Composition::PlaceDepuisListe(int cote, int n)
{
    TListe* l = Liste(cote);
    const int i = l->ItemIndex();
    if (i < 0 || i >= l->Items().Count())
        return;
    const int32_t id = NumeroEntreeListe(l->Items()[i], TailleNumero, true);
    TEnreg& e = Enreg(cote, n);
    const int32_t ancien = e.Joueur->Numero;
    if (capitaine_[cote] == e.Joueur)
        RetireCapitaine(cote);
    Modifie = 1;
    PlaceJoueur(cote, n, id);
    if (ancien != id)
        LibereSiAbsent(ancien, cote);
    RemplitListe(cote);
}

void Tf_Composition::LibereChoix(int32_t id, int cote)
{
    if (choix_[cote])
        if (TChoixJoueur* ch = choix_[cote]->ChercheIdJoueur(id))
            ch->SetDrapeau(0);
}

void Tf_Composition::LibereSiAbsent(int32_t id, int cote)
{
    if (!id)
        return;
    for (int k = 1; k <= static_cast<int>(grille_[cote].size()); ++k)
        if (Enreg(cote, k).Joueur->Numero == id)
            return;
    LibereChoix(id, cote);
    RemplitListe(cote);
}

void Tf_Composition::TitulaireDblClick(int cote, int n)
{
    TEnreg& e = Enreg(cote, n);
    if (e.Joueur->Text().empty())
        return;
    for (int j = 1; j <= nbRemp_; ++j) {
        TEnreg& off = Enreg(cote, nbTitulaire_ + 2 * j - 1);
        if (off.Joueur->Text().empty()) {
            Modifie = 1;
            off.Joueur->SetText(SansCapitaine(e.Joueur->Text()));
            off.Joueur->Numero = e.Joueur->Numero;
            LigneSuivante = nbTitulaire_ + 2 * j - 1;
            return;
        }
    }
}

void Tf_Composition::SortantDblClick(int cote, int n)
{
    TEnreg& e = Enreg(cote, n);
    const int32_t id = e.Joueur->Numero;
    Modifie = 1;
    e.Joueur->SetText("");
    e.Joueur->Numero = 0;
    LibereSiAbsent(id, cote);
}

void Tf_Composition::Echange(int cote, int n, int m)
{
    TEnreg& a = Enreg(cote, n);
    TEnreg& b = Enreg(cote, m);
    const std::string ta = a.Joueur->Text(), na = a.Numero->Text();
    const int32_t ia = a.Joueur->Numero;
    a.Joueur->SetText(b.Joueur->Text());
    a.Joueur->Numero = b.Joueur->Numero;
    a.Numero->SetText(b.Numero->Text());
    b.Joueur->SetText(ta);
    b.Joueur->Numero = ia;
    b.Numero->SetText(na);
    // The captain box follows its player.
    if (capitaine_[cote] == a.Joueur)
        capitaine_[cote] = b.Joueur;
    else if (capitaine_[cote] == b.Joueur)
        capitaine_[cote] = a.Joueur;
    for (TEnreg* e : {&a, &b})
        if (Genre(e == &a ? n : m) == Titulaire)
            e->Joueur->SetPopupMenu(e->Joueur->Text().empty() ? nullptr : pm_CapitaineEx);
    Modifie = 1;
}

// ---- drag and drop ----------------------------------------------------------------------------

bool Tf_Composition::CadreDragOver(TCadre* cible, TObject* Source)
{
    int cote = 0, n = 0, cs = 0, ns = 0;
    if (!Localise(cible, cote, n) || cible == Source)
        return false;
    if (auto* l = dynamic_cast<TListe*>(Source))
        return Genre(n) != Sortant && l == Liste(cote);
    if (!Localise(Source, cs, ns) || cs != cote || static_cast<TCadre*>(Source)->Text().empty())
        return false;
    switch (Genre(n)) {
    case Titulaire: return Genre(ns) == Titulaire;
    // A starter going off, or a substitute replaced in another row.
    case Sortant: return Genre(ns) == Titulaire || (Genre(ns) == Entrant && ns != n + 1);
    default: return false;
    }
}

void Tf_Composition::CadreDragDrop(TCadre* cible, TObject* Source)
{
    if (!CadreDragOver(cible, Source))
        return;
    int cote = 0, n = 0, cs = 0, ns = 0;
    Localise(cible, cote, n);
    if (dynamic_cast<TListe*>(Source))
        PlaceDepuisListe(cote, n);
    else if (Localise(Source, cs, ns)) {
        if (Genre(n) == Sortant) {
            // The player going off: the source keeps its player.
            const TCadre* s = Enreg(cs, ns).Joueur;
            const int32_t ancien = cible->Numero;
            cible->SetText(SansCapitaine(s->Text()));
            cible->Numero = s->Numero;
            Modifie = 1;
            if (ancien != s->Numero)
                LibereSiAbsent(ancien, cote);
        } else
            Echange(cote, n, ns);
    }
    Signale();
}

bool Tf_Composition::ListeDragOver(int cote, TObject* Source)
{
    int cs = 0, ns = 0;
    return Localise(Source, cs, ns) && cs == cote && !static_cast<TCadre*>(Source)->Text().empty();
}

void Tf_Composition::ListeDragDrop(int cote, TObject* Source)
{
    int cs = 0, n = 0;
    if (!ListeDragOver(cote, Source))
        return;
    Localise(Source, cs, n);
    TEnreg& e = Enreg(cote, n);
    const int32_t id = e.Joueur->Numero;
    // The captain taken off the line-up: the match has no captain any more.
    if (capitaine_[cote] == e.Joueur)
        RetireCapitaine(cote);
    Modifie = 1;
    VideEnreg(cote, n);
    // Still in the line-up elsewhere (as a player going off too): stays in use.
    LibereSiAbsent(id, cote);
    Signale();
}

// ---- shirt numbers typed ----------------------------------------------------------------------

void Tf_Composition::NumeroCompoEnter(int cote, int n)
{
    TEnreg& e = Enreg(cote, n);
    e.Memoire = Numero(e.Numero);
}

void Tf_Composition::NumeroCompoKeyPress(int cote, int n, char& key)
{
    if (key != 13)
        return;
    TEnreg& e = Enreg(cote, n);
    key = 0;
    if (Trim(e.Numero->Text()).empty())
        return;
    NumeroCompoExit(cote, n);
    if (Genre(n) == Titulaire) {
        // The starter goes off; the shirt of the player coming on is next.
        TitulaireDblClick(cote, n);
        const int sortant = LigneSuivante;
        LigneSuivante = n < nbTitulaire_ ? n + 1 : 0;
        if (sortant > 0) {
            TEdition2* maillot = Enreg(cote, sortant + 1).Numero;
            if (maillot->CanFocus())
                maillot->SetFocus();
        }
    } else if (LigneSuivante > 0 && LigneSuivante <= nbTitulaire_) {
        TEdition2* maillot = Enreg(cote, LigneSuivante).Numero;
        LigneSuivante = 0;
        if (maillot->CanFocus())
            maillot->SetFocus();
    }
}

void Tf_Composition::NumeroCompoExit(int cote, int n)
{
    TDonneesChampionnat* c = Championnat();
    TEnreg& e = Enreg(cote, n);
    if (!c || (c->Option(11) & 16) || !choix_[cote] || e.Memoire < 0) {
        e.Memoire = Numero(e.Numero);
        return;
    }
    const int tape = Numero(e.Numero);
    if (Trim(e.Numero->Text()).empty() || tape == e.Memoire) {
        e.Memoire = tape;
        return;
    }
    const std::string avant = e.Memoire ? IntToStr(e.Memoire) : std::string();
    TChoixJoueur* ch = choix_[cote]->ChercheNumero(tape);
    int ailleurs = 0;
    if (ch)
        for (int k = 1; k <= static_cast<int>(grille_[cote].size()) && !ailleurs; ++k)
            if (Genre(k) != Sortant && Enreg(cote, k).Joueur->Numero == ch->NumeroJoueur())
                ailleurs = k;
    if (ailleurs == n) {
        // The row's own player: his number stays.
    } else if (ailleurs) {
        // Already in the line-up: the two rows exchange.
        e.Numero->SetText(avant);
        Echange(cote, n, ailleurs);
    } else if (ch && ch->Drapeau()) {
        // Held by a box of a player going off only: not offered to come on.
        e.Numero->SetText(avant);
    } else if (ch) {
        TListe* l = Liste(cote);
        for (int i = 0; i < l->Items().Count(); ++i)
            if (NumeroEntreeListe(l->Items()[i], TailleNumero, true) == ch->NumeroJoueur())
                l->SetItemIndex(i);
        PlaceDepuisListe(cote, n);
        Signale();
    } else
        e.Numero->SetText(avant);
    e.Memoire = Numero(e.Numero);
}

void Tf_Composition::MinuteKeyPress(int cote, int j, char& key)
{
    if (key == 8 || key == 13)
        return;
    if (Enreg(cote, nbTitulaire_ + 2 * j - 1).Joueur->Text().empty() &&
        Enreg(cote, nbTitulaire_ + 2 * j).Joueur->Text().empty())
        key = '0';
}

// ---- captain ----------------------------------------------------------------------------------

void Tf_Composition::pm_CapitaineExPopup()
{
    const TControl* b = pm_CapitaineEx->PopupComponent;
    const bool capitaine = b && (b == capitaine_[0] || b == capitaine_[1]);
    mi_Capitaine->SetChecked(capitaine);
    mi_AucunCap->SetChecked(!capitaine);
}

void Tf_Composition::RetireCapitaine(int cote)
{
    if (TCadre* b = capitaine_[cote])
        b->SetText(SansCapitaine(b->Text()));
    capitaine_[cote] = nullptr;
    if (match_) {
        match_->SetCompositionSaisie(Equipe(cote));
        match_->SetCapitaine(Equipe(cote), 0);
    }
}

void Tf_Composition::mi_CapitaineClick()
{
    int cote = 0, n = 0;
    auto* b = dynamic_cast<TCadre*>(pm_CapitaineEx->PopupComponent);
    if (!b || !Localise(b, cote, n) || Genre(n) != Titulaire || b->Text().empty() || capitaine_[cote] == b)
        return;
    if (TCadre* ancien = capitaine_[cote])
        ancien->SetText(SansCapitaine(ancien->Text()));
    b->SetText(b->Text() + MarqueCapitaine);
    capitaine_[cote] = b;
    // An edit of the line-up: a proposed one is written with it.
    Modifie = 1;
    if (match_) {
        match_->SetCompositionSaisie(Equipe(cote));
        match_->SetCapitaine(Equipe(cote), b->Numero);
    }
    Signale();
}

void Tf_Composition::mi_AucunCapClick()
{
    int cote = 0, n = 0;
    auto* b = dynamic_cast<TCadre*>(pm_CapitaineEx->PopupComponent);
    if (!b || !Localise(b, cote, n) || capitaine_[cote] != b)
        return;
    RetireCapitaine(cote);
    Modifie = 1;
    Signale();
}

// ---- categories and new players ---------------------------------------------------------------

void Tf_Composition::CategorieChange(int cote)
{
    TComboBox* b = cote == 0 ? cb_CategorieDom : cb_CategorieExt;
    if (b->ItemIndex() < 0)
        return;
    int32_t& categorie = cote == 0 ? CategorieDomicile : CategorieExterieur;
    categorie = static_cast<int32_t>(b->Items().Objects(b->ItemIndex()));
    choix_[cote] = ChargeListeJoueurs(Equipe(cote), categorie);
    // Players of the line-up (going off too) stay out of the list.
    for (int n = 1; n <= static_cast<int>(grille_[cote].size()); ++n)
        if (TChoixJoueur* ch = choix_[cote]->ChercheIdJoueur(Enreg(cote, n).Joueur->Numero))
            ch->SetDrapeau(1);
    RemplitListe(cote);
}

void Tf_Composition::mi_AjouterJoueur1Click()
{
    const int cote = pc_Composition->ActivePage() == ts_Equipe2 ? 1 : 0;
    if (!choix_[cote])
        return;
    if (AjouteJoueur(Liste(cote), choix_[cote].get(), cote == 0 ? CategorieDomicile : CategorieExterieur,
                     cote == 0 ? 1 : 3))
        RemplitListe(cote);
}
