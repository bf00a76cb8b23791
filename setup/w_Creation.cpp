#include "setup/w_Creation.h"

#include <algorithm>
#include <optional>

#include "model/LectureParametre.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Mask.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "setup/Controles.h"
#include "ui/LargeurListe.h"
#include "ui/Nombres.h"
#include "ui/message2.h"

using namespace setup;

namespace {

TLectureParam* Param()
{
    TLectureParamMulti* m = LectureParamMulti();
    return m ? m->ParamCourant() : nullptr;
}

}  // namespace

Tf_Creation::Tf_Creation(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    PrepareFiche(this, "f_Creation", Traduire(781), 474, 330);
    FondCopie1 = Fond(this, this, "FondCopie1", 8, 8, 241, 272);
    Libelle(this, FondCopie1, "Label6", Traduire(783), 10, 8, 220);
    cb_Championnat = Place(new TComboBox(this), FondCopie1, "cb_Championnat", 10, 28, 220, 22);
    cb_Championnat->SetStyle(csDropDownList);
    cb_Championnat->OnChange = [this](TObject*) {
        const int i = cb_Championnat->ItemIndex();
        if (i >= 0)
            indexChampionnat_ = static_cast<int>(cb_Championnat->Items().Objects(i)) - 1;
        ConstruitDivisions(-1);
    };
    RondCoche1 = Coche<TRondCoche>(this, FondCopie1, "RondCoche1", Traduire(3905), 10, 54, 220);
    FondDivisions = Place(new TPanel(this), FondCopie1, "FondDivisions", 10, 76, 220, 160);
    FondDivisions->SetBevelOuter(bvNone);
    FondDivisions->SetParentColor(true);
    // The custom championship is the templates' first, of id 0.
    TLectureParam* p = Param();
    RondCoche2 = Coche<TRondCoche>(this, FondCopie1, "RondCoche2",
                                   p ? p->NomChampionnatParId(0) : Traduire(9), 10, 242, 188);
    RondCoche1->OnClick = [this](TObject*) {
        SpeedButton1->SetEnabled(false);
        for (TRondCoche* r : radios_)
            r->SetEnabled(true);
        ConstruitDivisions(division_);
    };

    fc_Param = Fond(this, this, "fc_Param", 257, 8, 209, 272);
    Libelle(this, fc_Param, "Label2", Traduire(782), 10, 8, 190);
    Edit1 = Place(new TEdit(this), fc_Param, "Edit1", 10, 28, 60, 22);
    Edit1->SetText("2");
    UpDown1 = Place(new TUpDown(this), fc_Param, "UpDown1", 70, 28, 16, 22);
    UpDown1->Min = 2;
    UpDown1->Max = 255;
    UpDown1->SetAssociate(Edit1);
    nombres::TLecture clubs = nombres::Nombre(2, 255);
    clubs.refus = 3200;
    nombres::Declare(Edit1, clubs);
    Libelle(this, fc_Param, "Label3", Traduire(360), 10, 60, 190);
    MaskEdit1 = Place(new TMaskEdit(this), fc_Param, "MaskEdit1", 10, 80, 80, 22);
    MaskEdit1->SetEditMask("!9999/99;1;");   // read and refused by its own reading
    MaskEdit1->SetText("1999/00");
    nombres::Declare(MaskEdit1, nombres::Saison());
    Label19 = Libelle(this, fc_Param, "Label19", Traduire(997), 10, 116, 190);
    rc_National = Coche<TRondCoche>(this, fc_Param, "rc_National", Traduire(995), 10, 138, 190);
    rc_International = Coche<TRondCoche>(this, fc_Param, "rc_International", Traduire(996), 10, 160, 190);
    rc_National->SetChecked(true);
    Label1 = Libelle(this, fc_Param, "Label1", "", 10, 190, 190);

    SpeedButton1 = Place(new TSpeedButton(this), FondCopie1, "SpeedButton1", 200, 242, 30, 22);
    SpeedButton1->SetCaption("...");
    SpeedButton1->OnClick = [this](TObject*) {
        TOpenDialog d(this);
        d.Filter = Traduire(9) + " (*.Daf, *.xmd)|*.Daf;*.xmd";
        d.DefaultExt = "xmd";
        d.Title = Traduire(20);
        d.InitialDir = Dossier + "data/";
        if (d.Execute() && !d.FileName.empty()) {
            NomFichier = d.FileName;
            Label1->SetCaption(FileNameToText(ExtractFileName(d.FileName)));
        }
    };
    b_Valider = Bouton(this, this, "b_Valider", Traduire(29), 130, 290);
    b_Valider->OnClick = [this](TObject*) { b_ValiderClick(); };
    // Both buttons close the Tab order; Enter validates from any box.
    b_Valider->SetTabStop(true);
    b_Valider->Default = true;
    b_Annuler = Bouton(this, this, "b_Annuler", Traduire(125), 246, 290);
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    b_Annuler->SetTabStop(true);
    OnShow = [this](TObject*) { FormShow(); };
    DoCreate();
}

void Tf_Creation::FormShow()
{
    mode_ = Tag >> 16;
    const int32_t preselection = Tag & 0xFFFF;
    cb_Championnat->Items().Clear();
    if (TLectureParam* p = Param()) {
        TStringList l;
        p->ListeChampionnats(l);
        for (int i = 1; i < l.Count(); ++i)
            cb_Championnat->Items().AddObject(l[i], static_cast<TStrings::Object>(i + 1));
        indexChampionnat_ = std::max(0, p->IndexChampionnat(preselection));
        if (indexChampionnat_ == 0)
            indexChampionnat_ = 1;
        cb_Championnat->SetItemIndex(indexChampionnat_ - 1);
    }
    const bool creation = mode_ == 1;
    fc_Param->SetVisible(creation);
    // Every template and every division whole, in every language and sport:
    // the list of templates and the column of divisions as wide as the
    // longest name of any template, the frame and the window wider for them.
    int colonne = std::max(220, cb_Championnat->WidthForItems());
    if (TLectureParam* p = Param()) {
        TBitmap mesure(1, 1);
        mesure.Canvas().Font = RondCoche1->Font();
        const int caseRond = RondCoche1->LargeurNecessaire() - mesure.Canvas().TextWidth(RondCoche1->Caption());
        for (int k = 0; k < p->NbChampionnat(); ++k) {
            TStringList l;
            p->ListeDivisionsChampionnat(p->Championnat(k)->Id, l);
            for (int i = 0; i < l.Count(); ++i)
                colonne = std::max(colonne, 5 + mesure.Canvas().TextWidth(l[i]) + caseRond);
        }
    }
    cb_Championnat->SetWidth(colonne);
    FondDivisions->SetWidth(colonne);
    // The browse button follows the custom championship's whole caption; the
    // frame and the window widen for it when needed.
    SpeedButton1->SetLeft(std::max(200, RondCoche2->Left() + RondCoche2->Width() + 4));
    const int largeurFond =
        std::max(colonne + 21, creation ? 241 : std::max(241, SpeedButton1->Left() + SpeedButton1->Width() + 10));
    FondCopie1->SetWidth(largeurFond);
    fc_Param->SetLeft(FondCopie1->Left() + largeurFond + 8);
    const int client = creation ? fc_Param->Left() + fc_Param->Width() + 8 : largeurFond + 16;
    SetClientWidth(client);
    b_Valider->SetLeft(creation ? 130 + (client - 474) / 2 : 24 + (client - 257) / 2);
    b_Annuler->SetLeft(b_Valider->Left() + (creation ? 116 : 112));
    SpeedButton1->SetVisible(!creation);
    SpeedButton1->SetEnabled(false);
    if (creation)
        Edit1->SetText("18");
    RondCoche1->SetChecked(true);
    // The keyboard starts at the first box: Tab then leads through the
    // choices and the numbers to OK.
    SetActiveControl(cb_Championnat);
    // The season's years, else the year of today and the next one's two digits.
    const TAnneesSaison annees = Annees.Premiere ? Annees : AnneesSaison(nullptr);
    MaskEdit1->SetText(IntToStr(annees.Premiere + 1900) + "/" + Format("%.2d", {static_cast<int>(annees.Seconde % 100)}));
    ConstruitDivisions(preselection);
}

void Tf_Creation::ConstruitDivisions(int32_t preselection)
{
    for (TRondCoche* r : radios_)
        delete r;
    radios_.clear();
    TLectureParam* p = Param();
    const TCfgChampionnat* cfg = p ? p->Championnat(indexChampionnat_) : nullptr;
    if (!cfg)
        return;
    TStringList l;
    p->ListeDivisionsChampionnat(cfg->Id, l);
    const int n = l.Count();
    if (n == 0)
        return;
    const int ligne = (FondDivisions->Height() - 32) / (n >= 3 ? n - 1 : n);
    for (int i = 0; i < n; ++i) {
        const auto code = static_cast<int32_t>(l.Objects(i));
        auto* r = Coche<TRondCoche>(this, FondDivisions, "rc_Division" + IntToStr(i), l[i], 4, 4 + i * ligne, 215);
        r->Tag = code;
        r->OnClick = [this, r](TObject*) { DivisionClick(r); };
        if (mode_ == 0 && !FileExists(Dossier + "data/" + p->NomFichierDivision(code) + ".xmd"))
            r->SetEnabled(false);
        radios_.push_back(r);
        if ((i == 0 && preselection < 0) || code == preselection) {
            r->SetChecked(true);
            DivisionClick(r);
        }
    }
}

void Tf_Creation::DivisionClick(TRondCoche* r)
{
    division_ = r->Tag;
    TLectureParam* p = Param();
    Edit1->SetText(IntToStr(p ? p->NbEquipeDivision(division_) : 18));
}

int32_t Tf_Creation::Division() const { return RondCoche2->Checked() ? 0 : division_; }

int32_t Tf_Creation::Championnat() const
{
    const int i = cb_Championnat->ItemIndex();
    if (RondCoche2->Checked() || i < 0)
        return 0;
    TLectureParam* p = Param();
    const TCfgChampionnat* cfg = p ? p->Championnat(static_cast<int>(cb_Championnat->Items().Objects(i)) - 1) : nullptr;
    return cfg ? cfg->Id : 0;
}

uint8_t Tf_Creation::Annee(int i) const
{
    return i == 8 ? annee1_ : i == 9 ? annee2_ : 0;
}

void Tf_Creation::b_ValiderClick()
{
    TLectureParam* p = Param();
    if (RondCoche1->Checked())
        NomFichier = Dossier + "data/" + (p ? p->NomFichierDivision(division_) : std::string()) + ".xmd";
    if (mode_ == 1) {
        const std::optional<int> clubs = nombres::Valeur(Edit1);
        if (!clubs) {
            nombres::Accepte(Edit1);
            return;
        }
        const int n = *clubs;
        // The years as the box shows them, or refused with a word.
        const std::optional<int> annees = nombres::Valeur(MaskEdit1);
        if (!annees) {
            nombres::Accepte(MaskEdit1);
            return;
        }
        NbClub = n;
        annee1_ = static_cast<uint8_t>(*annees / 100 - 1900);
        annee2_ = static_cast<uint8_t>(*annees % 100);
    }
    if (mode_ == 0 && !FileExists(NomFichier)) {
        Tf_MessageUtil::Affiche(TraduireFormat(258, {FileNameToText(NomFichier)}), mbuValider);
        return;
    }
    SetModalResult(mrOk);
}
