#include "results/w_DialoguesResultats.h"

#include <utility>
#include <vector>

#include "model/Championnat.h"
#include "model/ChampsSaison.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Controles.h"
#include "ui/Nombres.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/NomSaisi.h"
#include "ui/message2.h"
#include "views/Textes.h"

using resultats::Bouton;
using resultats::Label;
using vues::Texte;

namespace {

constexpr TColor Jaune = 0x00FFFF;

void Dialogue(TForm* f, const char* nom, const std::string& titre, int w, int h)
{
    f->SetName(nom);
    f->SetCaption(titre);
    f->SetBorderStyle(bsDialog);
    f->SetBorderIcons(biSystemMenu);
    f->Position = poMainFormCenter;
    f->SetColor(CouleurFondFonceDessin);
    f->SetClientWidth(w);
    f->SetClientHeight(h);
}

}  // namespace

// ---- shoot-out ----------------------------------------------------------------------------

Tf_Penaltys::Tf_Penaltys(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_Penaltys", Traduire(5201), 300, 150);
    Label1 = Label(this, this, "Label1", 10, 10, 280, Jaune, true, Traduire(3987));
    Label1->SetAlignment(taCenter);
    Cadre1 = resultats::Cadre(this, this, "Cadre1", 20, 36, 180);
    Cadre2 = resultats::Cadre(this, this, "Cadre2", 20, 68, 180);
    EditRond1 = resultats::Rond(this, this, "EditRond1", 220, 36, ChiffresChamp(TChamp::TirsAuBut1));
    EditRond2 = resultats::Rond(this, this, "EditRond2", 220, 68, ChiffresChamp(TChamp::TirsAuBut2));
    for (TEditRond* e : {EditRond1, EditRond2})
        nombres::Declare(e, nombres::Nombre(0, 255, 0));
    EditRond1->Maximum = static_cast<int32_t>(Champ(TChamp::TirsAuBut1).haut);
    EditRond2->Maximum = static_cast<int32_t>(Champ(TChamp::TirsAuBut2).haut);
    bc_Valider = Bouton(this, this, "bc_Valider", "BoutonOrange", 95, 108, 110, Texte(29, "Valider"));
    bc_Valider->Default = true;
    bc_Valider->OnClick = [this](TObject* s) { bc_ValiderClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    DoCreate();
}

void Tf_Penaltys::FormShow(TObject*)
{
    const auto t = static_cast<uint32_t>(Tag);
    Cadre1->SetText(Saison ? Saison->NomEquipeCourant(static_cast<int>(t >> 16)) : std::string());
    Cadre2->SetText(Saison ? Saison->NomEquipeCourant(static_cast<int>(t & 0xFFFF)) : std::string());
    EditRond1->SetText("0");
    EditRond2->SetText("0");
}

void Tf_Penaltys::bc_ValiderClick(TObject*)
{
    // Each count as shown, or refused with a word (never brought down to 255).
    if (!CompteursRemplis())
        return;
    const int a = nombres::Valeur(EditRond1).value_or(0);
    const int b = nombres::Valeur(EditRond2).value_or(0);
    if (a == b)
        return;
    Tag = (a << 16) + b;
    SetModalResult(mrOk);
}

// ---- teams added to a cup -------------------------------------------------------------------

Tf_AjoutEquipeCoupe::Tf_AjoutEquipeCoupe(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_AjoutEquipeCoupe", Traduire(3988), 360, 330);
    Label1 = Label(this, this, "Label1", 10, 12, 200, clWhite, true, Traduire(3989));
    cb_AjoutEquipe = new TComboBox98(this);
    cb_AjoutEquipe->SetName("cb_AjoutEquipe");
    cb_AjoutEquipe->SetBounds(10, 32, 220, 22);
    cb_AjoutEquipe->MinLengthComplete = 1;
    cb_AjoutEquipe->SetParent(this);
    // Enter adds the name typed, as the button does; the box is then empty
    // for the next one.
    cb_AjoutEquipe->OnKeyDown = [this](TObject*, WORD& k, TShiftState) {
        if (k == VK_RETURN) {
            k = 0;
            b_AjouterClick(nullptr);
        }
    };
    b_Ajouter = Bouton(this, this, "b_Ajouter", "BoutonOrange", 240, 28, 110, Traduire(932));
    b_Ajouter->OnClick = [this](TObject* s) { b_AjouterClick(s); };
    lb_EquipesPresentes = new TListBox(this);
    lb_EquipesPresentes->SetName("lb_EquipesPresentes");
    lb_EquipesPresentes->SetBounds(10, 64, 340, 210);
    lb_EquipesPresentes->SetParent(this);
    b_Continuer = Bouton(this, this, "b_Continuer", "BoutonOrange", 125, 288, 110, Traduire(27));
    b_Continuer->ModalResult = mrOk;
    DoCreate();
}

void Tf_AjoutEquipeCoupe::Prepare(const TStringList& equipesCoupe, const TStringList& offre)
{
    lb_EquipesPresentes->Items().Clear();
    for (int i = 0; i < equipesCoupe.Count(); ++i)
        lb_EquipesPresentes->Items().Add(equipesCoupe[i]);
    cb_AjoutEquipe->Items().Clear();
    for (int i = 0; i < offre.Count(); ++i)
        cb_AjoutEquipe->Items().AddObject(offre[i], offre.Objects(i));
}

void Tf_AjoutEquipeCoupe::b_AjouterClick(TObject*)
{
    // A team picked, or typed to the letter of one once the user says so
    // ("no" leaves the name to be changed); any other name is a new team.
    const TNomDesigne equipe = NomDesigne(*cb_AjoutEquipe);
    if (equipe.Genre == TGenreNom::Refuse)
        return;
    const int i = equipe.Genre == TGenreNom::Entree ? equipe.Index : -1;
    if (i >= 0) {
        const std::string nom = cb_AjoutEquipe->Items()[i];
        lb_EquipesPresentes->Items().Add(nom);
        Resultat.AddObject(nom, cb_AjoutEquipe->Items().Objects(i));
        cb_AjoutEquipe->Items().Delete(i);
    } else {
        const std::string nom = Trim(cb_AjoutEquipe->GetText());
        if (!nom.empty()) {
            if (lb_EquipesPresentes->Items().IndexOf(nom) < 0) {
                lb_EquipesPresentes->Items().Add(nom);
                Resultat.AddObject(nom, -1);
            } else
                Tf_MessageUtil::Affiche(Traduire(3990), mbuValider);
        }
    }
    cb_AjoutEquipe->SetItemIndex(-1);
    cb_AjoutEquipe->SetText("");
}

// ---- match search ---------------------------------------------------------------------------

Tf_RechercheMatch::Tf_RechercheMatch(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_RechercheMatch", Texte(844, "Recherche d'un match"), 440, 250);
    Label1 = Label(this, this, "Label1", 10, 14, 130, clWhite, true, Texte(842, "Equipe locale"));
    Label2 = Label(this, this, "Label2", 10, 44, 130, clWhite, true, Texte(843, "Equipe visiteuse"));
    auto combo = [this](const char* nom, int y) {
        auto* c = new TComboBox(this);
        c->SetName(nom);
        c->SetStyle(csDropDownList);
        c->SetBounds(150, y, 280, 22);
        c->SetParent(this);
        return c;
    };
    ComboBox1 = combo("ComboBox1", 10);
    ComboBox2 = combo("ComboBox2", 40);
    BoutonCopie1 = Bouton(this, this, "BoutonCopie1", "BoutonOrange", 100, 74, 110, Texte(841, "Rechercher"));
    BoutonCopie2 = Bouton(this, this, "BoutonCopie2", "BoutonOrange", 230, 74, 110, Texte(125, "Annuler"));
    BoutonCopie2->ModalResult = mrCancel;
    BoutonCopie2->Cancel = true;
    BoutonCopie1->OnClick = [this](TObject* s) { BoutonCopie1Click(s); };
    Label3 = Label(this, this, "Label3", 10, 120, 200, clWhite, true, Texte(967, "Match aller"));
    Label5 = Label(this, this, "Label5", 10, 140, 330, Jaune, false, "");
    Label4 = Label(this, this, "Label4", 10, 180, 200, clWhite, true, Texte(968, "Match retour"));
    Label6 = Label(this, this, "Label6", 10, 200, 330, Jaune, false, "");
    b_Voir1 = Bouton(this, this, "b_Voir1", "BoutonOrange", 350, 130, 80, Texte(1060, "Voir"));
    b_Voir2 = Bouton(this, this, "b_Voir2", "BoutonOrange", 350, 190, 80, Texte(1060, "Voir"));
    for (TBoutonCopie* b : {b_Voir1, b_Voir2}) {
        b->ModalResult = mrOk;
        b->OnClick = [this, b](TObject*) { Tag = b->Tag; };
    }
    OnShow = [this](TObject* s) { FormActivate(s); };
    DoCreate();
}

void Tf_RechercheMatch::FormActivate(TObject*)
{
    Label5->SetCaption("");
    Label6->SetCaption("");
    b_Voir1->SetVisible(false);
    b_Voir2->SetVisible(false);
    ComboBox1->Items().Clear();
    ComboBox2->Items().Clear();
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    for (int p = 0; c && p < c->NbEquipe(); ++p) {
        ComboBox1->Items().Add(Saison->NomEquipePosition(p));
        ComboBox2->Items().Add(Saison->NomEquipePosition(p));
    }
}

void Tf_RechercheMatch::BoutonCopie1Click(TObject*)
{
    Tag = 0;
    Label5->SetCaption("");
    Label6->SetCaption("");
    b_Voir1->SetVisible(false);
    b_Voir2->SetVisible(false);
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c || ComboBox1->ItemIndex() < 0 || ComboBox2->ItemIndex() < 0)
        return;
    const int h = c->IdEquipe(ComboBox1->ItemIndex()), a = c->IdEquipe(ComboBox2->ItemIndex());
    if (h == a)
        return;
    // Every meeting of the two teams, the first of each matchday.
    std::vector<std::pair<int, const TInfoComp*>> rencontres;
    for (int d = 1; d <= c->NbJour(); ++d) {
        const TInfoCompJour* j = c->Journee(d);
        for (int k = 0; j && k < j->NbMatchs(); ++k) {
            const TInfoComp* x = j->Match(k);
            if ((x->IdEquipe(0) == h && x->IdEquipe(1) == a) || (x->IdEquipe(0) == a && x->IdEquipe(1) == h)) {
                rencontres.emplace_back(d, x);
                break;
            }
        }
    }
    // The meeting of each half of the matchdays on its line, the later of a
    // half standing for it. When the halves do not part the meetings (a
    // championship run by dates, matchdays placed at will), the first
    // meeting and the last: no line stays empty while a meeting is hidden.
    std::pair<int, const TInfoComp*> lignes[2] = {};
    for (const auto& r : rencontres)
        lignes[r.first > c->NbJour() / 2 ? 1 : 0] = r;
    if (rencontres.size() >= 2 && (!lignes[0].second || !lignes[1].second)) {
        lignes[0] = rencontres.front();
        lignes[1] = rencontres.back();
    }
    for (int i = 0; i < 2; ++i) {
        const auto [d, m] = lignes[i];
        if (!m)
            continue;
        std::string ligne =
            TraduireFormat(339, {d, Saison->NomEquipeCourant(m->IdEquipe(0)), Saison->NomEquipeCourant(m->IdEquipe(1))});
        if (m->ScoresSaisis())
            ligne += " (" + IntToStr(m->Score(0) & 0x7FFF) + " - " + IntToStr(m->Score(1) & 0x7FFF) + ")";
        TBoutonCopie* b = i == 1 ? b_Voir2 : b_Voir1;
        b->Tag = d;
        b->SetVisible(true);
        (i == 1 ? Label6 : Label5)->SetCaption(ligne);
    }
}

void Tf_RechercheMatch::AppliqueCouleurs()
{
    TBrivantelForm::AppliqueCouleurs();
    Label5->Font().SetColor(*Couleurs.Couleur(17));
    Label6->Font().SetColor(*Couleurs.Couleur(17));
}

// ---- matchday check ----------------------------------------------------------------------------

Tf_Validation::Tf_Validation(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_Validation", Texte(869, L1("Vérification de la saisie de la journée")), 520, 360);
    Label2 = Label(this, this, "Label2", 10, 8, 500, Jaune, true, "Erreur dans la saisie");
    FondScroll1 = new TFondScroll(this);
    FondScroll1->SetName("FondScroll1");
    if (Dessin) {
        FondScroll1->SetModele(Dessin->Fond("FondCreuxBleu"));
        FondScroll1->SetModeleScroll(Dessin->Fond("FondToutBleu"));
    }
    FondScroll1->SetBounds(10, 30, 500, 270);
    FondScroll1->SetParent(this);
    Label1 = Label(this, this, "Label1", 10, 318, 200, clWhite, true, "");
    BoutonCopie2 = Bouton(this, this, "BoutonCopie2", "Boutonorange2", 395, 312, 115, Texte(27, "Continuer"));
    BoutonCopie2->ModalResult = mrOk;
    BoutonCopie2->Default = true;
    DoCreate();
}

void Tf_Validation::Remplit(const TStringList& lignes, int nombre)
{
    for (TLabel* l : Lignes)
        l->Free();
    Lignes.clear();
    if (lignes.Count() == 0)
        Label2->SetCaption(Texte(1566, "Aucune anomalie"));
    else
        Label2->SetCaption(Texte(868, L1("Points à vérifier :")));
    for (int i = 0; i < lignes.Count(); ++i) {
        TLabel* l = Label(this, nullptr, "", 10, 15 * (i + 1) - 11, 470, *Couleurs.Couleur(i % 2 == 0 ? 16 : 17), true,
                          lignes[i]);
        l->SetName("");
        FondScroll1->InsereControle(l);
        Lignes.push_back(l);
    }
    Label1->SetCaption(nombre < 2 ? TraduireFormat(159, {nombre}) : TraduireFormat(160, {nombre}));
}
