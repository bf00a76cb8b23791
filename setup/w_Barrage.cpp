#include "setup/w_Barrage.h"

#include <algorithm>

#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/rtl/Strings.h"
#include "setup/Controles.h"
#include "ui/message2.h"

using namespace setup;

namespace {

constexpr int MaxPlaces = 255;

}  // namespace

bool LitRepartition(const std::string& texte, std::vector<TPlaceBarrage>& places, int& nombre)
{
    places.clear();
    nombre = 0;
    std::vector<std::string> items;
    size_t debut = 0;
    while (true) {
        const size_t fin = texte.find(';', debut);
        items.push_back(Trim(texte.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut)));
        if (fin == std::string::npos)
            break;
        debut = fin + 1;
    }
    // A trailing separator is allowed, and so is an empty text.
    if (items.size() > 1 && items.back().empty())
        items.pop_back();
    if (items.size() == 1 && items[0].empty())
        return true;
    for (const std::string& item : items) {
        const size_t tiret = item.find('-');
        int a = 0, b = 0;
        if (tiret == std::string::npos) {
            a = b = StrToIntDef(item, 0);
        } else {
            a = StrToIntDef(Trim(item.substr(0, tiret)), 0);
            b = StrToIntDef(Trim(item.substr(tiret + 1)), 0);
        }
        if (a == 0 || b == 0)
            return false;
        if (a > b)
            std::swap(a, b);
        nombre += b - a + 1;
        if (a < 0 || nombre > MaxPlaces)
            return false;
        places.push_back({a, b});
    }
    return true;
}

Tf_Barrage::Tf_Barrage(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    PrepareFiche(this, "f_Barrage", Traduire(894), 520, 218);
    FondCopie1 = Fond(this, this, "FondCopie1", 8, 8, 504, 160);
    Libelle(this, FondCopie1, "Label1", Traduire(888), 10, 8, 120);
    rc_Promotion = Coche<TRondCoche>(this, FondCopie1, "rc_Promotion", Traduire(889), 140, 8, 120);
    rc_Relegation = Coche<TRondCoche>(this, FondCopie1, "rc_Relegation", Traduire(890), 270, 8, 120);
    rc_Promotion->SetChecked(true);
    rc_Promotion->OnClick = [this](TObject*) { rc_PromotionClick(); };
    rc_Relegation->OnClick = [this](TObject*) { rc_PromotionClick(); };
    Libelle(this, FondCopie1, "Label3", Traduire(891), 10, 34, 120);
    // The kind of elimination and the points are groups of their own.
    auto* fondType = Place(new TPanel(this), FondCopie1, "FondType", 136, 30, 264, 26);
    fondType->SetBevelOuter(bvNone);
    fondType->SetParentColor(true);
    rc_Coupe = Coche<TRondCoche>(this, fondType, "rc_Coupe", Traduire(266), 4, 4, 120);
    rc_Championnat = Coche<TRondCoche>(this, fondType, "rc_Championnat", Traduire(8), 134, 4, 120);
    rc_Coupe->SetChecked(true);
    rc_Coupe->OnClick = [this](TObject*) { TypeClick(); };
    rc_Championnat->OnClick = [this](TObject*) { TypeClick(); };
    Libelle(this, FondCopie1, "Label4", Traduire(893), 10, 62, 160);
    e_nGroupe = Place(new TEdit(this), FondCopie1, "e_nGroupe", 180, 60, 40, 22);
    ud_nGroupe = Place(new TUpDown(this), FondCopie1, "ud_nGroupe", 220, 60, 16, 22);
    ud_nGroupe->Min = 1;
    ud_nGroupe->Max = 64;
    ud_nGroupe->SetAssociate(e_nGroupe);
    e_nGroupe->SetText("1");
    Libelle(this, FondCopie1, "Label5", Traduire(3979), 10, 88, 200);
    auto* fondPoints = Place(new TPanel(this), FondCopie1, "FondPoints", 4, 106, 496, 26);
    fondPoints->SetBevelOuter(bvNone);
    fondPoints->SetParentColor(true);
    rc_MoitiePoint = Coche<TRondCoche>(this, fondPoints, "rc_MoitiePoint", Traduire(3980), 4, 4, 186);
    rc_ToutPoint = Coche<TRondCoche>(this, fondPoints, "rc_ToutPoint", Traduire(3981), 194, 4, 150);
    rc_AucunPoint = Coche<TRondCoche>(this, fondPoints, "rc_AucunPoint", Traduire(3982), 348, 4, 144);
    rc_AucunPoint->SetChecked(true);
    Libelle(this, FondCopie1, "Label2", Traduire(892), 10, 138, 380);
    b_Verification = Bouton(this, this, "b_Verification", Traduire(741), 90, 178);
    b_Verification->OnClick = [this](TObject*) { b_VerificationClick(); };
    b_Valider = Bouton(this, this, "b_Valider", Traduire(29), 210, 178);
    b_Valider->OnClick = [this](TObject*) { b_ValiderClick(); };
    b_Annuler = Bouton(this, this, "b_Annuler", Traduire(125), 330, 178);
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    TypeClick();
    DoCreate();
}

void Tf_Barrage::TypeClick()
{
    const bool ligue = rc_Championnat->Checked();
    for (TControl* c : std::initializer_list<TControl*>{e_nGroupe, ud_nGroupe, rc_MoitiePoint, rc_ToutPoint,
                                                       rc_AucunPoint})
        c->SetEnabled(ligue);
}

void Tf_Barrage::VideLignes()
{
    for (TLigne& l : Lignes) {
        delete l.Nom;
        delete l.Texte;
        delete l.Nombre;
    }
    Lignes.clear();
}

void Tf_Barrage::AjouteLigne(const std::string& nom, int32_t tag, int xTexte, int largeur, int xNom)
{
    const int i = static_cast<int>(Lignes.size());
    TLigne l;
    l.Nom = Libelle(this, FondCopie1, "", nom, xNom, 140 + 26 * i + 24, xTexte - xNom - 4);
    l.Texte = Place(new TEdit(this), FondCopie1, "", xTexte, 136 + 26 * i + 24, largeur, 22);
    l.Texte->Tag = tag;
    l.Nombre = Libelle(this, FondCopie1, "", TraduireFormat(IdTexteNombre(118, 119, 0), {0}), xTexte + largeur + 16,
                       140 + 26 * i + 24, 120);
    TLabel* nombre = l.Nombre;
    TEdit* texte = l.Texte;
    l.Texte->OnChange = [this, texte, nombre](TObject*) {
        if (!chargement_)
            Compte(TLigne{nullptr, texte, nombre}, false);
    };
    Lignes.push_back(l);
}

void Tf_Barrage::Compte(const TLigne& l, bool message)
{
    std::vector<TPlaceBarrage> places;
    int n = 0;
    if (!LitRepartition(l.Texte->Text(), places, n)) {
        if (message)
            l.Nombre->SetCaption(Traduire(115));
        return;
    }
    l.Nombre->SetCaption(TraduireFormat(IdTexteNombre(118, 119, n), {n}));
}

void Tf_Barrage::DonneListe(const TCandidats& candidats)
{
    candidats_ = candidats;
    rc_PromotionClick();
}

void Tf_Barrage::rc_PromotionClick()
{
    if (barrage_)
        return;
    VideLignes();
    const int exclue = rc_Promotion->Checked() ? 3 : 1;
    bool presente[4] = {false, false, false, false};
    presente[exclue] = true;
    for (const auto& [nom, objet] : candidats_) {
        const int position = static_cast<int>(objet & 15);
        presente[position & 3] = true;
        if (position != exclue)
            AjouteLigne(nom, static_cast<int32_t>(((objet >> 4) << 8) + static_cast<int64_t>(Lignes.size())), 230,
                        120, 24);
    }
    if (!presente[1] || !presente[2] || !presente[3])
        AjouteLigne(Traduire(269), static_cast<int32_t>(Lignes.size()), 230, 120, 24);
    FondCopie1->SetHeight(160 + 26 * static_cast<int>(Lignes.size()) + 8);
    SetClientHeight(218 + 26 * static_cast<int>(Lignes.size()));
    for (TBoutonCopie* b : {b_Verification, b_Valider, b_Annuler})
        b->SetTop(ClientHeight() - 40);
}

std::string Tf_Barrage::NomSource(int32_t code) const
{
    std::string nom;
    if (Saison) {
        if (code <= 32768) {
            nom = Saison->Arbre().NomCode(code);
        } else {
            Saison->Arbre().Parcours(false, [&](TDescNoeud& n) {
                if (nom.empty() && n.Barrage() && ((n.Barrage()->Code | 0x8000) == (code & 0xFFFF)))
                    nom = n.NomAffiche();
            });
        }
    }
    if (nom.empty() && NomDivisionCode)
        nom = NomDivisionCode(code);
    return nom.empty() ? Traduire(269) : nom;
}

void Tf_Barrage::Charge(TDonneesBarrage* barrage)
{
    chargement_ = true;
    barrage_ = barrage;
    rc_Promotion->SetEnabled(false);
    rc_Relegation->SetEnabled(false);
    rc_AucunPoint->SetChecked(barrage->MoitiePoint == 0);
    rc_MoitiePoint->SetChecked(barrage->MoitiePoint == 1);
    rc_ToutPoint->SetChecked(barrage->MoitiePoint == 2);
    if (barrage->TypeGroupe != 0) {
        rc_Championnat->SetChecked(true);
        ud_nGroupe->SetPosition(barrage->TypeGroupe);
        e_nGroupe->SetText(IntToStr(barrage->TypeGroupe));
    } else {
        rc_Coupe->SetChecked(true);
    }
    TypeClick();
    VideLignes();
    for (int i = 0; i < barrage->NbDivision(); ++i) {
        const TDivisionBarrage* d = barrage->Division(i);
        std::string texte;
        for (const TPlaceBarrage& p : d->Places)
            texte += p.Min == p.Max ? IntToStr(p.Min) + ";" : IntToStr(p.Min) + "-" + IntToStr(p.Max) + ";";
        AjouteLigne(NomSource(d->Code), (d->Code << 8) + i, 230, 120, 16);
        Lignes.back().Texte->SetText(texte);
    }
    FondCopie1->SetHeight(160 + 26 * static_cast<int>(Lignes.size()) + 8);
    SetClientHeight(218 + 26 * static_cast<int>(Lignes.size()));
    for (TBoutonCopie* b : {b_Verification, b_Valider, b_Annuler})
        b->SetTop(ClientHeight() - 40);
    chargement_ = false;
    b_VerificationClick();
}

bool Tf_Barrage::b_VerificationClick()
{
    bool valide = true;
    for (const TLigne& l : Lignes) {
        std::vector<TPlaceBarrage> places;
        int n = 0;
        valide = LitRepartition(l.Texte->Text(), places, n) && valide;
        Compte(l, true);
    }
    return valide;
}

void Tf_Barrage::b_ValiderClick()
{
    if (!CompteursRemplis())
        return;
    // Every text is read before anything is stored: an invalid one is named.
    std::vector<std::pair<int32_t, std::vector<TPlaceBarrage>>> sources;
    for (const TLigne& l : Lignes) {
        if (Trim(l.Texte->Text()).empty())
            continue;
        std::vector<TPlaceBarrage> places;
        int n = 0;
        if (!LitRepartition(l.Texte->Text(), places, n)) {
            Compte(l, true);
            Tf_MessageUtil::Affiche(DeuxPoints(Traduire(115), l.Nom->Caption()), mbuValider);
            return;
        }
        sources.emplace_back(l.Texte->Tag >> 8, std::move(places));
    }
    TDonneesBarrage* b = barrage_;
    if (!b) {
        nouveau_ = std::make_unique<TDonneesBarrage>();
        b = nouveau_.get();
    }
    b->MoitiePoint = rc_MoitiePoint->Checked() ? 1 : rc_ToutPoint->Checked() ? 2 : 0;
    for (auto& [code, places] : sources) {
        if (barrage_)
            b->RemplacePlaces(std::move(places), code);
        else
            b->AjouteDivision(code, std::move(places));
    }
    b->TypeGroupe = rc_Coupe->Checked() ? 0 : StrToIntDef(Trim(e_nGroupe->Text()), 0);
    SetModalResult(mrOk);
}
