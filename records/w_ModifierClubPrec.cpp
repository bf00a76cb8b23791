#include "records/w_ModifierClubPrec.h"

#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "records/ListesPersonnes.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"
#include "ui/message2.h"

using namespace ctrl;

namespace {
constexpr char CodeDessin = 1;
constexpr int TexteEffaceClubPrec = 5724;   // %s the club
constexpr int TexteFusionNoms = 5725;       // %s kept, %s gone, %s gone, %s kept
}

TModifierNomsForm::TModifierNomsForm(TComponent* AOwner, const std::string& nom, const std::string& liste)
    : TBrivantelForm(AOwner)
{
    Dialogue(this, nom, false, 420, 300);
    l_Liste = new TListe(this);
    l_Liste->SetName(liste);
    l_Liste->SetBounds(8, 8, 250, 284);
    l_Liste->NomLong = true;
    l_Liste->TailleNomLong = 4;
    l_Liste->SetSorted(true);
    l_Liste->SetMultiSelect(true);
    l_Liste->SetParent(this);
    l_Liste->OnClick = [this](TObject* s) { l_ListeClick(s); };
    Label10 = Etiquette(this, this, "Label10", 268, 10, 0);
    e_NomEquipe = Saisie(this, this, "e_NomEquipe", 268, 28, 144);
    e_NomEquipe->Tag = -1;
    bc_Modifier = Bouton(this, this, "bc_Modifier", 268, 60, 144, 964);
    bc_Effacer = Bouton(this, this, "bc_Effacer", 268, 92, 144, 1070);
    bc_Fusionner = Bouton(this, this, "bc_Fusionner", 268, 124, 144, 0);
    bc_Fusionner->SetCaption("Fusionner");
    bc_Fusionner->SetVisible(false);
    bc_Terminer = Bouton(this, this, "bc_Terminer", 268, 267, 144, 965, mrOk);
    bc_Modifier->OnClick = [this](TObject* s) { bc_ModifierClick(s); };
    bc_Effacer->OnClick = [this](TObject* s) { bc_EffacerClick(s); };
    bc_Fusionner->OnClick = [this](TObject* s) { bc_FusionnerClick(s); };
}

void TModifierNomsForm::ChangeSaison(TSaison* saison)
{
    TBrivantelForm::ChangeSaison(saison);
    Remplit();
}

std::string TModifierNomsForm::Ligne(int id, const std::string& nom) const
{
    std::string n = IntToStr(id);
    while (n.size() < 4)
        n = "0" + n;
    return n + "0" + CodeDessin + nom + Suffixe(id);
}

int TModifierNomsForm::IdLigne(const std::string& ligne) { return StrToIntDef(Copy(ligne, 1, 4), -1); }

int TModifierNomsForm::LigneId(int id) const
{
    for (int i = 0; i < l_Liste->Items().Count(); ++i)
        if (IdLigne(l_Liste->Items()[i]) == id)
            return i;
    return -1;
}

void TModifierNomsForm::Remplit()
{
    l_Liste->Items().Clear();
    if (!Saison)
        return;
    for (const auto& [id, nom] : Entrees())
        l_Liste->Items().Add(Ligne(id, nom));
}

void TModifierNomsForm::Vide()
{
    e_NomEquipe->SetText("");
    e_NomEquipe->Tag = -1;
}

void TModifierNomsForm::l_ListeClick(TObject*)
{
    const int i = l_Liste->ItemIndex();
    if (i >= 0 && i < l_Liste->Items().Count()) {
        const int id = IdLigne(l_Liste->Items()[i]);
        e_NomEquipe->SetText(Nom(id));
        e_NomEquipe->Tag = id;
    }
    const int n = l_Liste->SelCount();
    bc_Effacer->SetVisible(n < 2);
    bc_Fusionner->SetVisible(n == 2);
}

void TModifierNomsForm::bc_ModifierClick(TObject*)
{
    const int id = static_cast<int>(e_NomEquipe->Tag);
    const std::string nom = e_NomEquipe->GetText();
    if (id < 0 || !Saison || Trim(nom).empty() || nom == Nom(id))
        return;
    Renomme(id, nom);
    Modifie = 1;
    const int i = LigneId(id);
    if (i >= 0)
        l_Liste->Items().SetString(i, Copy(l_Liste->Items()[i], 1, 6) + nom + Suffixe(id));
}

void TModifierNomsForm::bc_EffacerClick(TObject*)
{
    const int id = static_cast<int>(e_NomEquipe->Tag);
    if (id < 0 || !Saison)
        return;
    // Named, and asked once: No keeps it and all that names it.
    if (Tf_MessageUtil::Affiche(QuestionEfface(id), mbuOui | mbuNon) != mrYes)
        return;
    Modifie = 1;
    Efface(id);
    const int i = LigneId(id);
    if (i >= 0)
        l_Liste->Items().Delete(i);
    Vide();
}

void TModifierNomsForm::bc_FusionnerClick(TObject*)
{
    std::vector<int> ids;
    for (int i = 0; i < l_Liste->Items().Count() && ids.size() < 2; ++i)
        if (l_Liste->Selected(i))
            ids.push_back(IdLigne(l_Liste->Items()[i]));
    if (ids.size() < 2 || !Saison)
        return;
    // Both named, and which stays: No keeps both.
    const int reste = Garde(ids[0], ids[1]), part = reste == ids[0] ? ids[1] : ids[0];
    if (Tf_MessageUtil::Affiche(TraduireFormat(TexteFusionNoms, {Nom(reste), Nom(part), Nom(part), Nom(reste)}),
                                mbuOui | mbuNon) != mrYes)
        return;
    Modifie = 1;
    const int garde = Fusionne(ids[0], ids[1]);
    const int i = LigneId(garde == ids[0] ? ids[1] : ids[0]);
    if (i >= 0)
        l_Liste->Items().Delete(i);
    // The surviving line shows its new count.
    if (const int k = LigneId(garde); k >= 0)
        l_Liste->Items().SetString(k, Ligne(garde, Nom(garde)));
    Vide();
    bc_Effacer->SetVisible(l_Liste->SelCount() < 2);
    bc_Fusionner->SetVisible(l_Liste->SelCount() == 2);
}

// ---- previous clubs -------------------------------------------------------------------------

Tf_ModifierClubPrec::Tf_ModifierClubPrec(TComponent* AOwner)
    : TModifierNomsForm(AOwner, "f_ModifierClubPrec", "l_Equipe")
{
    l_Equipe = l_Liste;
    SetCaption(Texte(1324));
    Label10->SetCaption(Texte(212));
    bc_Terminer->SetCaption(Texte(965));
    DoCreate();
}

std::vector<std::pair<int, std::string>> Tf_ModifierClubPrec::Entrees() const
{
    std::vector<std::pair<int, std::string>> v;
    for (int i = 0; i < Saison->NbClubPrec(); ++i) {
        int32_t id = -1;
        std::string nom;
        Saison->ClubPrecIndex(i, id, nom);
        if (!nom.empty())
            v.emplace_back(id, nom);
    }
    return v;
}

std::string Tf_ModifierClubPrec::Nom(int id) const { return Saison ? Saison->NomClubPrec(id) : std::string(); }

void Tf_ModifierClubPrec::Renomme(int id, const std::string& nom) { Saison->RenommeClubPrec(id, nom); }

void Tf_ModifierClubPrec::Efface(int id)
{
    // As merged into none (0): nothing names it any longer.
    FusionneClubsPrec(*Saison, 0, id);
}

std::string Tf_ModifierClubPrec::QuestionEfface(int id) const
{
    return TraduireFormat(TexteEffaceClubPrec, {Nom(id)});
}

int Tf_ModifierClubPrec::Fusionne(int premier, int second)
{
    // The first selected club always survives.
    FusionneClubsPrec(*Saison, premier, second);
    return premier;
}
