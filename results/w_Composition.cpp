#include "results/w_Composition.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/ListesJoueurs.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Controles.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "views/Textes.h"

using vues::Texte;

namespace {

constexpr int TailleNumero = 8;
constexpr TColor Jaune = 0x00FFFF;

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
    for (int cote = 0; cote < 2; ++cote) {
        auto* ts = new TTabSheet(this);
        ts->SetName(cote == 0 ? "ts_Equipe1" : "ts_Equipe2");
        ts->SetPageControl(pc_Composition);
        ts->OnResize = [this](TObject*) { Place(); };
        (cote == 0 ? ts_Equipe1 : ts_Equipe2) = ts;
        auto* l = new TListe(this);
        l->SetName(cote == 0 ? "l_EquipeDomicile" : "l_EquipeExterieur");
        l->SetAlign(alLeft);
        l->SetWidth(130);
        l->TailleNomLong = TailleNumero;
        l->Tag = cote + 1;
        l->SetParent(ts);
        l->OnDblClick = [this, cote](TObject*) { ListeDblClick(cote); };
        (cote == 0 ? l_EquipeDomicile : l_EquipeExterieur) = l;
        for (int k = 0; k < 2; ++k) {
            TFondCopie* fond = resultats::Fond(this, ts, "", "FondCreuxBleu", 0, 0, 250, 450);
            fond->Tag = cote + 1;
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
        const int lg = Liste(cote)->Width(), libre = tit->Parent()->ClientWidth() - lg;
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
    for (auto& g : grille_) {
        for (TEnreg& e : g) {
            delete e.Numero;
            delete e.Joueur;
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
    for (int cote = 0; cote < 2; ++cote) {
        const int s = cote + 1;
        for (int i = 1; i <= nbTitulaire; ++i) {
            TEnreg e;
            e.Numero = resultats::Rond(this, fonds_[cote][0], "", 4, 4 + (i - 1) * 24, 2);
            e.Numero->Tag = i * 4 + s;
            e.Joueur = resultats::Cadre(this, fonds_[cote][0], "", 32, 4 + (i - 1) * 24, 200);
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
            off.Joueur = resultats::Cadre(this, fonds_[cote][1], "", 4, y, 90);
            off.Joueur->Tag = (sortant << 8) + (cote == 0 ? 255 : 254);
            off.Joueur->OnDblClick = [this, cote, sortant](TObject*) { SortantDblClick(cote, sortant); };
            off.Numero = resultats::Rond(this, fonds_[cote][1], "", 234, y, 3);
            off.Numero->Tag = (j - 1) * 4 + s;
            on.Numero = resultats::Rond(this, fonds_[cote][1], "", 112, y, 3);
            on.Joueur = resultats::Cadre(this, fonds_[cote][1], "", 140, y, 90);
            on.Joueur->Tag = ((sortant + 1) << 8) + s + 2;
            grille_[cote].push_back(off);
            grille_[cote].push_back(on);
        }
    }
    for (auto& g : grille_)
        for (TEnreg& e : g)
            e.Numero->OnChange = [this](TObject*) {
                if (!EnChargement)
                    Modifie = 1;
            };
    Place();
}

void Tf_Composition::ChargeChoix(int cote)
{
    choix_[cote] = std::make_unique<TListeJoueur>();
    if (const TListJoueurEquipe* b = Saison->Joueurs().BlocEquipe(Equipe(cote)))
        for (TJoueur* p : b->Joueurs())
            choix_[cote]->Insere(std::make_unique<TChoixJoueur>(p, 0), false);
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

void Tf_Composition::PlaceJoueur(int cote, int n, int32_t id)
{
    TEnreg& e = Enreg(cote, n);
    const bool sortant = n > nbTitulaire_ && (n - nbTitulaire_) % 2 == 1;
    TChoixJoueur* ch = nullptr;
    if (id > 0 && choix_[cote]) {
        ch = choix_[cote]->ChercheIdJoueur(id);
        if (!ch)
            if (TJoueur* p = Saison->Joueurs().ChercheJoueur(id, Equipe(cote))) {
                choix_[cote]->Insere(std::make_unique<TChoixJoueur>(p, 0), false);
                ch = choix_[cote]->ChercheIdJoueur(id);
            }
    }
    if (!ch) {
        e.Joueur->SetText("");
        e.Joueur->Numero = 0;
        if (!sortant)
            e.Numero->SetText("");
        return;
    }
    if (!sortant)
        ch->SetDrapeau(1);
    e.Joueur->SetText(CassePhrase(ch->Texte));
    e.Joueur->Numero = id;
    if (!sortant) {
        int maillot = ch->Maillot();
        if (match_ && (Championnat()->Option(11) & 16))
            maillot = match_->Maillot(Equipe(cote), n <= nbTitulaire_ ? n : nbTitulaire_ + (n - nbTitulaire_) / 2);
        e.Numero->SetText(maillot ? IntToStr(maillot) : "");
    }
}

void Tf_Composition::AfficheMatch()
{
    EnChargement = 1;
    const bool defini = EnTeteBoites();
    match_ = nullptr;
    TDonneesChampionnat* c = Championnat();
    if (!defini) {
        ts_Equipe1->SetCaption("");
        ts_Equipe2->SetCaption("");
        for (auto& g : grille_)
            for (TEnreg& e : g) {
                e.Joueur->SetText("");
                e.Joueur->Numero = 0;
                e.Numero->SetText("");
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
        for (int n = 1; n <= nbTitulaire_ + 2 * nbRemp_; ++n) {
            int32_t id = 0;
            if (n <= nbTitulaire_)
                id = source ? source->JoueurTitulaire(t, n) : 0;
            else if (match_)
                id = match_->ValeurRemplacement(t, (n + 1 - nbTitulaire_) / 2, (n - nbTitulaire_) % 2 ? 1 : 3);
            PlaceJoueur(cote, n, id);
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
            auto numero = [](TEdition2* e) { return StrToIntDef(Trim(e->Text()), 0); };
            // A proposed line-up is the match's only once it is played or edited.
            const bool titulaires = !propose_[cote] || match_->ScoresSaisis() || Modifie;
            for (int n = 1; n <= nbTitulaire_ && titulaires; ++n) {
                TEnreg& e = Enreg(cote, n);
                if (match_->JoueurTitulaire(t, n) != e.Joueur->Numero) {
                    match_->SetJoueurTitulaire(t, n, e.Joueur->Numero);
                    change = true;
                }
                if (maillots && match_->Maillot(t, n) != std::clamp(numero(e.Numero), 0, 255)) {
                    match_->SetMaillot(t, n, std::clamp(numero(e.Numero), 0, 255));
                    change = true;
                }
            }
            for (int j = 1; j <= nbRemp_; ++j) {
                TEnreg& off = Enreg(cote, nbTitulaire_ + 2 * j - 1);
                TEnreg& on = Enreg(cote, nbTitulaire_ + 2 * j);
                const int32_t sortant = off.Joueur->Numero, entrant = on.Joueur->Numero;
                // A minute is bounded and compared whole, so no typed change is lost.
                const int minute = sortant || entrant ? std::clamp(numero(off.Numero), 0, 255) : 0;
                if (match_->ValeurRemplacement(t, j, 1) != sortant || match_->ValeurRemplacement(t, j, 3) != entrant ||
                    match_->ValeurRemplacement(t, j, 5) != minute) {
                    match_->SetRemplacement(t, sortant, entrant, minute, j);
                    change = true;
                }
                if (maillots && match_->Maillot(t, nbTitulaire_ + j) != std::clamp(numero(on.Numero), 0, 255)) {
                    match_->SetMaillot(t, nbTitulaire_ + j, std::clamp(numero(on.Numero), 0, 255));
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

void Tf_Composition::ListeDblClick(int cote)
{
    TListe* l = Liste(cote);
    const int i = l->ItemIndex();
    if (i < 0 || i >= l->Items().Count() || grille_[cote].empty())
        return;
    const int32_t id = NumeroEntreeListe(l->Items()[i], TailleNumero, true);
    int cible = 0;
    for (int n = 1; n <= nbTitulaire_ && !cible; ++n)
        if (Enreg(cote, n).Joueur->Text().empty())
            cible = n;
    for (int j = 1; j <= nbRemp_ && !cible; ++j)
        if (Enreg(cote, nbTitulaire_ + 2 * j).Joueur->Text().empty())
            cible = nbTitulaire_ + 2 * j;
    if (cible) {
        Modifie = 1;
        PlaceJoueur(cote, cible, id);
        l->Items().Delete(i);
    }
    Signale();
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
            off.Joueur->SetText(e.Joueur->Text());
            off.Joueur->Numero = e.Joueur->Numero;
            return;
        }
    }
}

void Tf_Composition::SortantDblClick(int cote, int n)
{
    TEnreg& e = Enreg(cote, n);
    Modifie = 1;
    e.Joueur->SetText("");
    e.Joueur->Numero = 0;
}
