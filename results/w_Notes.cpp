#include "results/w_Notes.h"

#include <optional>
#include <algorithm>

#include "model/Championnat.h"
#include "model/ChampsSaison.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/rtl/Strings.h"
#include "ui/Nombres.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"

Tf_Notes::Tf_Notes(TComponent* AOwner) : Tf_InfoMatchCadreBase(AOwner)
{
    SetName("f_Notes");
    SetCaption("f_Notes");
    for (int cote = 0; cote < 2; ++cote) {
        auto* f = new TFondScroll(this);
        f->SetName(cote == 0 ? "FondEquipeDomicile" : "FondEquipeExterieur");
        f->Tag = cote + 1;
        if (Dessin) {
            f->SetModele(Dessin->Fond("FondCreuxBleu"));
            f->SetModeleScroll(Dessin->Fond("FondToutBleu"));
        }
        f->SetScrollLeft(4);
        f->SetScrollTop(4);
        f->SetBounds(10 + cote * 380, 50, 360, 500);
        f->SetParent(this);
        f->onresize = [this, cote](TObject*) { Place(cote); };
        (cote == 0 ? FondEquipeDomicile : FondEquipeExterieur) = f;
    }
    OnResize = [this](TObject*) {
        fc_InfoMatchResize();
        const int h = std::max(286, ClientWidth() / 2);
        FondEquipeDomicile->SetBounds(10, 50, h - 20, std::max(60, ClientHeight() - 60));
        FondEquipeExterieur->SetBounds(h + 10, 50, h - 20, std::max(60, ClientHeight() - 60));
    };
    DoCreate();
}

Tf_Notes::~Tf_Notes()
{
    if (Saison)
        EnregistrePage(1);
}

void Tf_Notes::LibereLignes()
{
    for (auto& l : lignes_) {
        for (TLigne& r : l) {
            r.Nom->Free();
            r.Note->Free();
        }
        l.clear();
    }
}

void Tf_Notes::CreeLignes(TComponent* fenetre)
{
    Tf_InfoMatchCadreBase::SetFenetrePrincipale(fenetre);
    TDonneesChampionnat* c = Championnat();
    if (!c)
        return;
    LibereLignes();
    nbTitulaire_ = c->NbTitulaire();
    nbRemp_ = c->NbRemp();
    for (int cote = 0; cote < 2; ++cote) {
        TWinControl* interieur = Fond(cote)->Interieur();
        for (int k = 1; k <= NbLignes(); ++k) {
            TLigne r;
            r.Nom = new TCadre(this);
            r.Nom->Selectionnable = false;
            r.Nom->SetBounds(15, (k - 1) * 24 + 4, 140, 20);
            r.Nom->Tag = (k << 8) + cote + 1;
            r.Note = new TEditRond(this);
            r.Note->SetBounds(170, (k - 1) * 24 + 3, 22, 22);
            r.Note->SetDecalX(1);
            r.Note->SetDecalY(1);
            // Every rating the line-up keeps (255 stands for none).
            r.Note->Maxlength = static_cast<uint8_t>(ChiffresChamp(TChamp::CompoNote));
            r.Note->Maximum = static_cast<int32_t>(Champ(TChamp::CompoNote).haut) - 1;
            nombres::Declare(r.Note, nombres::Nombre(0, r.Note->Maximum, 255));
            r.Note->Tag = cote + 1 + 4 * k;
            r.Note->SetTabOrder(k);
            if (Dessin) {
                r.Nom->SetModele(Dessin->Fond("PetitBoutonCreuxBleu"));
                r.Note->SetModele(Dessin->Fond("PetitRondCreuxBleu"));
            }
            r.Nom->SetParent(interieur);
            r.Note->SetParent(interieur);
            lignes_[cote].push_back(r);
        }
        Place(cote);
    }
}

void Tf_Notes::Place(int cote)
{
    TFondScroll* f = Fond(cote);
    const int n = static_cast<int>(lignes_[cote].size());
    if (n == 0)
        return;
    const int marge = std::max(0, (f->Width() - 215) / 2);
    const int p = f->Height();
    const int ecart = 24 * n < p ? (p - 24 * n) / (n + 1) : 5;
    for (int j = 0; j < n; ++j) {
        TLigne& r = lignes_[cote][static_cast<size_t>(j)];
        const int y = (ecart + 20) * j + ecart;
        r.Nom->SetBounds(marge, y, 180, 20);
        r.Note->SetBounds(marge + 190, y - 1, 22, 22);
    }
    f->Ajuste();
}

void Tf_Notes::ChargeMatch()
{
    EnChargement = 1;
    TDonneesChampionnat* c = Championnat();
    if (!EnTeteBoites() || !c) {
        for (auto& l : lignes_)
            for (TLigne& r : l) {
                r.Nom->SetText("");
                r.Nom->Numero = 0;
                r.Note->SetText("");
            }
        EnChargement = 0;
        return;
    }
    const TInfoComp* m = c->MatchEquipe(c->NbJournee, IdDomicile);
    for (int cote = 0; cote < 2; ++cote) {
        const int32_t equipe = cote == 0 ? IdDomicile : IdExterieur;
        for (int k = 1; k <= static_cast<int>(lignes_[cote].size()); ++k) {
            TLigne& r = Ligne(cote, k);
            const int note = m ? m->Note(equipe, k) : -1;
            int32_t id = 0;
            if (m)
                id = k <= nbTitulaire_ ? m->JoueurTitulaire(equipe, k)
                                       : m->JoueurEntre(equipe, k - nbTitulaire_);
            if (id == 0) {
                r.Nom->SetText("");
                r.Nom->Numero = 0;
                r.Note->SetText("");
                r.Nom->SetVisible(false);
                r.Note->SetVisible(false);
                continue;
            }
            // A player the season does not know shows no name, but the slot's
            // own rating: the row never carries another match's values.
            const TJoueur* j = Saison->Joueurs().ChercheJoueur(id, equipe);
            // a surname typed alone is a name all the same
            r.Nom->SetText(j ? CassePhrase(j->PrenomNom()) : std::string());
            r.Nom->Numero = id;
            r.Note->SetText(note >= 0 && note != 255 ? IntToStr(note) : std::string());
            r.Nom->SetVisible(true);
            r.Note->SetVisible(true);
        }
    }
    Fond(0)->Ajuste();
    Fond(1)->Ajuste();
    EnChargement = 0;
}

void Tf_Notes::EnregistrePage(int)
{
    TDonneesChampionnat* c = Championnat();
    if (!c || c_EqDomicile->Text().empty())
        return;
    const int n = c->NbJournee;
    // Only the match the page shows.
    if (!c->MatchEquipe(n, IdDomicile) || c->MatchEquipe(n, IdDomicile) != c->MatchEquipe(n, IdExterieur))
        return;
    for (int cote = 0; cote < 2; ++cote) {
        const int position = c->IndexEquipe(cote == 0 ? IdDomicile : IdExterieur);
        if (position < 0)
            continue;
        bool change = false;
        for (int k = 1; k <= static_cast<int>(lignes_[cote].size()); ++k) {
            TLigne& r = Ligne(cote, k);
            if (!r.Nom->Visible())
                continue;
            // A rating the box refuses leaves the slot's as it was.
            const std::optional<int> note = nombres::Valeur(r.Note);
            if (note && c->NoteJoueur(n, position, k) != *note) {
                c->SetNoteJoueur(n, position, k, *note);
                change = true;
            }
        }
        if (change)
            Signale();
    }
}
