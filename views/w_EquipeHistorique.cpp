#include "views/w_EquipeHistorique.h"

#include <set>

#include "engine/historique.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/message2.h"
#include "views/Textes.h"
#include "views/w_ChoixJournee.h"

using vues::Texte;

namespace {

TLabel* Etiquette(TBrivantelForm* f, const char* nom, int x, int y, int w)
{
    auto* l = new TLabel(f);
    l->SetName(nom);
    l->Font().SetColor(clWhite);
    l->Font().SetStyle(fsBold);
    l->SetTransparent(true);
    l->SetBounds(x, y, w, 18);
    l->SetParent(f);
    return l;
}

// A name as typed and meant: no blanks around it, one blank for a run of them.
std::string NomTape(const std::string& ligne)
{
    std::string nom;
    for (char ch : Trim(ligne)) {
        const bool blanc = ch == ' ' || ch == '\t';
        if (!blanc || nom.empty() || nom.back() != ' ')
            nom += blanc ? ' ' : ch;
    }
    return nom;
}

}  // namespace

Tf_EquipeHistorique::Tf_EquipeHistorique(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_EquipeHistorique");
    SetBorderStyle(bsToolWindow);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(420);
    SetClientHeight(330);

    Label4 = Etiquette(this, "Label4", 10, 12, 60);
    e_Annee = new TEdit(this);
    e_Annee->SetName("e_Annee");
    e_Annee->SetBounds(74, 10, 56, 22);
    e_Annee->SetParent(this);
    ud_Annee = new TUpDown(this);
    ud_Annee->SetName("ud_Annee");
    ud_Annee->Min = 0;
    ud_Annee->Max = 5000;
    ud_Annee->SetBounds(130, 10, 17, 22);
    ud_Annee->SetParent(this);
    ud_Annee->SetAssociate(e_Annee);
    ud_Annee->SetPosition(2003);

    Label1 = Etiquette(this, "Label1", 10, 42, 200);
    m_Equipe = new TMemo(this);
    m_Equipe->SetName("m_Equipe");
    m_Equipe->SetScrollBars(ssVertical);
    m_Equipe->SetWordWrap(false);
    m_Equipe->SetBounds(10, 62, 195, 220);
    m_Equipe->SetParent(this);
    Label2 = Etiquette(this, "Label2", 215, 42, 195);
    lb_Equipe = new TListBox(this);
    lb_Equipe->SetName("lb_Equipe");
    lb_Equipe->SetSorted(true);
    lb_Equipe->DragMode = dmAutomatic;
    lb_Equipe->SetBounds(215, 62, 195, 220);
    lb_Equipe->SetParent(this);

    b_Valider = BoutonDialogue(this, this, "b_Valider", 96, 292, 108);
    b_Annuler = BoutonDialogue(this, this, "b_Annuler", 216, 292, 108);
    b_Valider->Default = true;
    b_Annuler->Cancel = true;
    b_Annuler->ModalResult = mrCancel;

    SetCaption(Texte(1268, L1("Équipes de la saison")));
    Label4->SetCaption(Texte(350, "Saison"));
    Label2->SetCaption(Texte(1269, L1("Liste d'équipes")));
    b_Valider->SetCaption(Texte(29, "Valider"));
    b_Annuler->SetCaption(Texte(125, "Annuler"));
    m_EquipeChange(nullptr);

    m_Equipe->OnChange = [this](TObject* s) { m_EquipeChange(s); };
    m_Equipe->OnDragOver = [this](TObject*, TObject* source, int, int, TDragState, bool& accepte) {
        accepte = source == lb_Equipe && lb_Equipe->ItemIndex() >= 0;
    };
    m_Equipe->OnDragDrop = [this](TObject*, TObject* source, int, int) {
        if (source == lb_Equipe)
            AjouteSelection();
    };
    lb_Equipe->OnDblClick = [this](TObject* s) { lb_EquipeDblClick(s); };
    b_Valider->OnClick = [this](TObject* s) { b_ValiderClick(s); };
    DoCreate();
}

int Tf_EquipeHistorique::NumeroSaison(int annee)
{
    const int numero = annee > 1900 ? annee - 1900 : annee;
    return numero >= 1 && numero <= 199 ? numero : -1;
}

int Tf_EquipeHistorique::Annee() const { return ud_Annee->Position(); }

std::vector<std::string> Tf_EquipeHistorique::Equipes() const
{
    std::vector<std::string> noms;
    std::set<std::string> cles;
    const TStrings& lignes = m_Equipe->Lines();
    for (int i = 0; i < lignes.Count(); ++i)
        if (std::string nom = NomTape(lignes[i]); !nom.empty() && cles.insert(TStat::CleNom(nom)).second)
            noms.push_back(nom);
    return noms;
}

void Tf_EquipeHistorique::m_EquipeChange(TObject*)
{
    Label1->SetCaption(TraduireFormat(640, {static_cast<int>(Equipes().size())}));
}

void Tf_EquipeHistorique::AjouteSelection()
{
    const int k = lb_Equipe->ItemIndex();
    if (k < 0)
        return;
    TStrings& lignes = m_Equipe->Lines();
    // a new line, never glued to a last line being typed
    if (lignes.Count() > 0 && lignes[lignes.Count() - 1].empty())
        lignes.SetString(lignes.Count() - 1, lb_Equipe->Items()[k]);
    else
        lignes.Add(lb_Equipe->Items()[k]);
    m_EquipeChange(nullptr);
}

void Tf_EquipeHistorique::lb_EquipeDblClick(TObject*) { AjouteSelection(); }

void Tf_EquipeHistorique::b_ValiderClick(TObject*)
{
    const int annee = Annee();
    if (NumeroSaison(annee) < 0) {
        Tf_MessageUtil::Affiche(TraduireFormat(3470, {annee >= 1900 ? annee : annee + 1900}), mbuValider);
        return;
    }
    SetModalResult(mrOk);
}
