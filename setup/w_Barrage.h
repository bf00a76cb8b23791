// The settings of one play-off division: promotion or relegation, a cup or a
// league of groups, the points carried over, and the places of each source
// division that feed it (a distribution text per source: "1-3;5").
//
//     TOwned<Tf_Barrage> f(new Tf_Barrage(owner));
//     f->DonneListe(candidats);   // or f->Charge(barrage) to edit one
//     if (f->ShowModal() == mrOk) b = f->PrendBarrage();
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/Barrage.h"
#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TEdit;
class TFondCopie;
class TLabel;
class TRondCoche;
class TUpDown;

// The places of a distribution text, or false when it does not parse (an
// item that is not a non-zero number or range, an empty item but a trailing
// one, more than 255 places).
bool LitRepartition(const std::string& texte, std::vector<TPlaceBarrage>& places, int& nombre);

class Tf_Barrage : public TBrivantelForm
{
public:
    explicit Tf_Barrage(TComponent* AOwner);

    // Candidates: (name, key shl 4 + position), position 1 above, 2 the
    // division itself, 3 below.
    using TCandidats = std::vector<std::pair<std::string, int64_t>>;
    void DonneListe(const TCandidats& candidats);
    // Edits an existing play-off (the window does not own it).
    void Charge(TDonneesBarrage* barrage);
    // The name of a source code the season's tree does not know.
    std::function<std::string(int32_t code)> NomDivisionCode;
    // The play-off defined (a new one: the caller takes it after answer 1).
    std::unique_ptr<TDonneesBarrage> PrendBarrage() { return std::move(nouveau_); }
    TDonneesBarrage* Barrage() const { return barrage_; }

    void rc_PromotionClick();
    bool b_VerificationClick();
    void b_ValiderClick();

    struct TLigne
    {
        TLabel* Nom = nullptr;
        TEdit* Texte = nullptr;
        TLabel* Nombre = nullptr;
    };
    std::vector<TLigne> Lignes;

    TFondCopie* FondCopie1 = nullptr;
    TRondCoche* rc_Promotion = nullptr;
    TRondCoche* rc_Relegation = nullptr;
    TRondCoche* rc_Coupe = nullptr;
    TRondCoche* rc_Championnat = nullptr;
    TEdit* e_nGroupe = nullptr;
    TUpDown* ud_nGroupe = nullptr;
    TRondCoche* rc_MoitiePoint = nullptr;
    TRondCoche* rc_ToutPoint = nullptr;
    TRondCoche* rc_AucunPoint = nullptr;
    TBoutonCopie* b_Verification = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;

private:
    void VideLignes();
    void AjouteLigne(const std::string& nom, int32_t tag, int xTexte, int largeur, int xNom);
    void Compte(const TLigne& l, bool message);
    void TypeClick();
    std::string NomSource(int32_t code) const;
    TCandidats candidats_;
    std::unique_ptr<TDonneesBarrage> nouveau_;
    TDonneesBarrage* barrage_ = nullptr;
    bool chargement_ = false;
};
