#include "setup/w_CreationCoupe.h"

#include <algorithm>

#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Strings.h"
#include "setup/Controles.h"
#include "ui/message2.h"

using namespace setup;

namespace {

const int TextesTypes[7] = {278, 279, 280, 281, 618, 619, 620};

void RemplitTypes(TComboBox* cb)
{
    cb->SetStyle(csDropDownList);
    for (int t : TextesTypes)
        cb->Items().Add(Traduire(t));
}

}  // namespace

Tf_CreationCoupe::Tf_CreationCoupe(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    PrepareFiche(this, "f_CreationCoupe", Traduire(912), 460, 420);
    FondCopie1 = Fond(this, this, "FondCopie1", 8, 8, 444, 360);
    Libelle(this, FondCopie1, "Label1", Traduire(896), 10, 10, 140);
    e_NomCoupe = Place(new TEdit(this), FondCopie1, "e_NomCoupe", 150, 8, 280, 22);
    e_NomCoupe->OnChange = [this](TObject*) { Tours.clear(); };
    Libelle(this, FondCopie1, "Label19", Traduire(997), 10, 40, 140);
    rc_National = Coche<TRondCoche>(this, FondCopie1, "rc_National", Traduire(995), 150, 40, 130);
    rc_International = Coche<TRondCoche>(this, FondCopie1, "rc_International", Traduire(996), 290, 40, 140);
    rc_National->SetChecked(true);
    Libelle(this, FondCopie1, "Label2", Traduire(3983), 10, 72, 140);
    e_nTour = Place(new TEdit(this), FondCopie1, "e_nTour", 150, 70, 40, 22);
    ud_nTour = Place(new TUpDown(this), FondCopie1, "ud_nTour", 190, 70, 16, 22);
    ud_nTour->Min = 0;
    ud_nTour->Max = MaxTours;
    ud_nTour->SetAssociate(e_nTour);
    cb_TypeMatchs = Place(new TComboBox(this), FondCopie1, "cb_TypeMatchs", 230, 70, 200, 22);
    RemplitTypes(cb_TypeMatchs);
    cb_TypeMatchs->SetItemIndex(0);
    cb_TypeMatchs->OnChange = [this](TObject*) { typeDefaut_ = std::max(0, cb_TypeMatchs->ItemIndex()); };
    FondScroll1 = Place(new TScrollBox(this), FondCopie1, "FondScroll1", 10, 102, 424, 248);
    FondScroll1->SetColor(CouleurFondFonceDessin);
    b_Valider = Bouton(this, this, "b_Valider", Traduire(29), 120, 378);
    b_Valider->OnClick = [this](TObject*) { b_ValiderClick(); };
    b_Annuler = Bouton(this, this, "b_Annuler", Traduire(125), 244, 378);
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    e_nTour->SetText("1");
    e_nTourChange();
    e_nTour->OnChange = [this](TObject*) { e_nTourChange(); };
    DoCreate();
}

void Tf_CreationCoupe::ConstruitLigne(int r)
{
    TLigne l;
    const int y = 8 + 30 * (r - 1);
    const std::string titre = r <= 6 ? Traduire(270 + r) : TraduireFormat(277, {nbTour_ - r + 1});
    auto* t = Libelle(this, FondScroll1, "", titre, 4, y + 3, 104);
    t->Font().SetColor(Couleurs.CouleurTexteModal);
    auto* e = Place(new TEdit(this), FondScroll1, "", 112, y, 25, 22);
    l.Nombre = Place(new TUpDown(this), FondScroll1, "", 137, y, 16, 22);
    l.Nombre->Max = 999;
    l.Nombre->SetAssociate(e);
    l.Nombre->SetPosition(1 << (r - 1));
    auto* f = Libelle(this, FondScroll1, "", Traduire(282), 160, y + 3, 70);
    l.Type = Place(new TComboBox(this), FondScroll1, "", 232, y, 177, 22);
    RemplitTypes(l.Type);
    l.Type->SetItemIndex(typeDefaut_);
    l.Controles = {t, e, l.Nombre, f, l.Type};
    for (TControl* c : l.Controles)
        c->Tag = r;
    lignes_.push_back(std::move(l));
}

void Tf_CreationCoupe::e_nTourChange()
{
    const int n = std::clamp(StrToIntDef(Trim(e_nTour->Text()), 0), 0, MaxTours);
    while (static_cast<int>(lignes_.size()) > n) {
        for (TControl* c : lignes_.back().Controles)
            delete c;
        lignes_.pop_back();
    }
    const int ancien = nbTour_;
    nbTour_ = n;
    for (int r = ancien + 1; r <= n; ++r)
        ConstruitLigne(r);
    Tours.clear();
}

TUpDown* Tf_CreationCoupe::NbMatch(int r) const
{
    return r >= 1 && r <= static_cast<int>(lignes_.size()) ? lignes_[static_cast<size_t>(r - 1)].Nombre : nullptr;
}

TComboBox* Tf_CreationCoupe::TypeMatch(int r) const
{
    return r >= 1 && r <= static_cast<int>(lignes_.size()) ? lignes_[static_cast<size_t>(r - 1)].Type : nullptr;
}

void Tf_CreationCoupe::b_ValiderClick()
{
    const int n = StrToIntDef(Trim(e_nTour->Text()), 0);
    if (n < 1 || n > MaxTours) {
        Tf_MessageUtil::Affiche(Traduire(3205), mbuValider);
        return;
    }
    if (!CompteursRemplis())
        return;
    Tours.clear();
    for (int r = 1; r <= nbTour_; ++r) {
        TInfoTourCoupe t;
        t.nTour = static_cast<uint16_t>(r);
        t.NbMatch = static_cast<uint16_t>(NbMatch(r)->Position());
        t.TypeMatch = static_cast<uint32_t>(std::max(0, TypeMatch(r)->ItemIndex()) + 1);
        Tours.insert(Tours.begin(), t);
    }
    SetModalResult(mrOk);
}
