#include "shell/w_OptionsFiltre.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/ioXml.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "shell/Aide.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/message2.h"

namespace {

constexpr TColor Jaune = 0x00FFFF;

std::string Libelle(const TCategorie& c) { return c.Nom + " / " + c.NomCourt; }

TBoutonCopie* Bouton(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int w, int texte)
{
    auto* b = new TBoutonCopie(owner);
    b->SetName(nom);
    if (Dessin)
        b->SetModele(Dessin->Bouton("BoutonOrange"));
    b->SetBounds(x, y, w, 30);
    b->SetDecalY(-3);
    b->Font().SetStyle(fsBold);
    b->SetCaption(Traduire(texte));
    b->SetParent(parent);
    return b;
}

TLabel* Etiquette(TComponent* owner, TWinControl* parent, int x, int y, int texte)
{
    auto* l = new TLabel(owner);
    l->SetTransparent(true);
    l->Font().SetColor(Jaune);
    l->Font().SetStyle(fsBold);
    l->SetBounds(x, y, 300, 16);
    l->SetCaption(Traduire(texte));
    l->SetParent(parent);
    return l;
}

template <class T>
T* Controle(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int w, int h)
{
    auto* c = new T(owner);
    c->SetName(nom);
    c->SetBounds(x, y, w, h);
    c->SetParent(parent);
    return c;
}

}  // namespace

// ============================================================================
// the names dialog
// ============================================================================

Tf_CatManage::Tf_CatManage(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_CatManage");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(380);
    SetClientHeight(170);
    Label1 = Etiquette(this, this, 10, 10, 1389);
    e_Nom = Controle<TEdit>(this, this, "e_Nom", 10, 30, 360, 22);
    Label2 = Etiquette(this, this, 10, 62, 1390);
    Label2->SetWidth(360);
    e_NomCourt = Controle<TEdit>(this, this, "e_NomCourt", 10, 82, 160, 22);
    b_Valider = Bouton(this, this, "b_Valider", 60, 124, 120, 29);
    b_Annuler = Bouton(this, this, "b_Annuler", 200, 124, 120, 125);
    b_Valider->ModalResult = mrOk;
    b_Valider->Default = true;
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    DoCreate();
}

// ============================================================================
// the dialog
// ============================================================================

Tf_OptionsFiltre::Tf_OptionsFiltre(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_OptionsFiltre");
    SetCaption(Traduire(3985));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(520);
    SetClientHeight(420);

    pc_Filtre = Controle<TPageControl>(this, this, "pc_Filtre", 8, 8, 504, 360);
    pc_Filtre->SetStyle(tsButtons);
    pc_Filtre->SetColor(CouleurFondFonceDessin);
    auto page = [this](const char* nom, int texte) {
        auto* t = new TTabSheet(this);
        t->SetName(nom);
        t->SetCaption(Traduire(texte));
        t->SetPageControl(pc_Filtre);
        t->SetColor(CouleurFondFonceDessin);
        return t;
    };
    ts_GestionFiltre = page("ts_GestionFiltre", 1395);
    ts_ChampCateg = page("ts_ChampCateg", 1397);
    ts_Equipes = page("ts_Equipes", 1400);

    Etiquette(this, ts_GestionFiltre, 8, 8, 1393);
    clb_Categories = Controle<TCheckListBox>(this, ts_GestionFiltre, "clb_Categories", 8, 28, 330, 280);
    b_Ajouter = Bouton(this, ts_GestionFiltre, "b_Ajouter", 350, 28, 140, 932);
    b_Modifier = Bouton(this, ts_GestionFiltre, "b_Modifier", 350, 66, 140, 964);
    b_Effacer = Bouton(this, ts_GestionFiltre, "b_Effacer", 350, 104, 140, 1070);
    b_Ajouter->OnClick = [this](TObject* s) { b_AjouterClick(s); };
    b_Modifier->OnClick = [this](TObject* s) { b_ModifierClick(s); };
    b_Effacer->OnClick = [this](TObject* s) { b_EffacerClick(s); };

    Etiquette(this, ts_ChampCateg, 8, 8, 1394);
    lb_Championnat = Controle<TListBox>(this, ts_ChampCateg, "lb_Championnat", 8, 28, 300, 280);
    Etiquette(this, ts_ChampCateg, 320, 8, 1399);
    cb_Categorie = Controle<TComboBox>(this, ts_ChampCateg, "cb_Categorie", 320, 28, 170, 22);
    cb_Categorie->SetStyle(csDropDownList);
    bc_Modifier = Bouton(this, ts_ChampCateg, "bc_Modifier", 320, 60, 170, 964);
    lb_Championnat->OnClick = [this](TObject* s) { lb_ChampionnatClick(s); };
    bc_Modifier->OnClick = [this](TObject* s) { bc_ModifierClick(s); };

    Etiquette(this, ts_Equipes, 8, 8, 1394);
    cb_Championnat = Controle<TComboBox>(this, ts_Equipes, "cb_Championnat", 8, 28, 300, 22);
    cb_Championnat->SetStyle(csDropDownList);
    Etiquette(this, ts_Equipes, 8, 58, 1398);
    lb_Equipes = Controle<TListBox>(this, ts_Equipes, "lb_Equipes", 8, 78, 300, 230);
    Etiquette(this, ts_Equipes, 320, 58, 1399);
    cb_CategEquipe = Controle<TComboBox>(this, ts_Equipes, "cb_CategEquipe", 320, 78, 170, 22);
    cb_CategEquipe->SetStyle(csDropDownList);
    bc_ModifierEquipe = Bouton(this, ts_Equipes, "bc_ModifierEquipe", 320, 110, 170, 964);
    cb_Championnat->OnChange = [this](TObject* s) { cb_ChampionnatChange(s); };
    lb_Equipes->OnClick = [this](TObject* s) { lb_EquipesClick(s); };
    bc_ModifierEquipe->OnClick = [this](TObject* s) { bc_ModifierEquipeClick(s); };

    b_Valider = Bouton(this, this, "b_Valider", 230, 380, 130, 29);
    b_Valider->ModalResult = mrOk;
    b_Aide = Bouton(this, this, "b_Aide", 380, 380, 130, 729);
    b_Aide->OnClick = [](TObject*) { AfficheAide("html/menuopt.htm"); };
    pc_Filtre->OnChange = [this](TObject*) { ChangePage(); };
    pc_Filtre->SetActivePage(ts_GestionFiltre);

    DemandeNoms = [this](const std::string& titre, std::string& nom, std::string& nomCourt) {
        TOwned<Tf_CatManage> f(new Tf_CatManage(this));
        f->ChangeCouleurs(Couleurs);
        f->SetCaption(titre);
        f->e_Nom->SetText(nom);
        f->e_NomCourt->SetText(nomCourt);
        if (f->ShowModal() != mrOk)
            return false;
        nom = Trim(f->e_Nom->Text());
        nomCourt = Trim(f->e_NomCourt->Text());
        return true;
    };
    DoCreate();
}

void Tf_OptionsFiltre::AjouteElement(const TCategorie& c, bool coche)
{
    categories_.push_back(c);
    const int i = clb_Categories->Items().AddObject(Libelle(c), c.Id);
    clb_Categories->SetChecked(i, coche);
}

void Tf_OptionsFiltre::Init(TSaison* saison, const std::string& dossierEcriture, const std::string& dossierDonnees)
{
    ChangeSaison(saison);
    fichier_ = MakePath(dossierEcriture, "categories.xml");
    const std::string lu = FileExists(fichier_) ? fichier_ : MakePath(dossierDonnees, "categories.xml");
    const TFichierCategories f = LitCategories(lu);
    illisible_ = f.Illisible && lu == fichier_;
    categories_.clear();
    clb_Categories->Items().Clear();
    for (const TCategorie& c : f.Liste)
        AjouteElement(c, saison && !saison->NomCategorie(c.Id).empty());
    lb_Championnat->Items().Clear();
    cb_Championnat->Items().Clear();
    if (saison)
        for (TDescNoeud* n : saison->Arbre().ListeNoeudsChampionnat()) {
            lb_Championnat->Items().AddObject(n->NomComplet(), reinterpret_cast<TStringList::Object>(n->Championnat()));
            cb_Championnat->Items().AddObject(n->NomComplet(), reinterpret_cast<TStringList::Object>(n->Championnat()));
        }
    copie_.clear();
    if (illisible_)
        Tf_MessageUtil::Affiche(TraduireFormat(3800, {FileNameToText(fichier_)}), mbuValider);
}

void Tf_OptionsFiltre::ChangePage()
{
    if (pc_Filtre->ActivePage() == ts_GestionFiltre)
        return;
    cb_Categorie->Items().Clear();
    cb_Categorie->Items().AddObject(Traduire(320), 0);
    cb_CategEquipe->Items().Clear();
    for (int i = 0; i < clb_Categories->Items().Count(); ++i)
        if (clb_Categories->Checked(i)) {
            cb_Categorie->Items().AddObject(clb_Categories->Items()[i], categories_[static_cast<size_t>(i)].Id);
            cb_CategEquipe->Items().AddObject(clb_Categories->Items()[i], categories_[static_cast<size_t>(i)].Id);
        }
    if (pc_Filtre->ActivePage() == ts_Equipes && cb_Championnat->Items().Count() > 0) {
        cb_Championnat->SetItemIndex(0);
        cb_ChampionnatChange(cb_Championnat);
    } else if (pc_Filtre->ActivePage() == ts_ChampCateg && lb_Championnat->Items().Count() > 0) {
        lb_Championnat->SetItemIndex(0);
        lb_ChampionnatClick(lb_Championnat);
    }
}

namespace {
// The entry of the combo whose object is id; first when none.
void SelectionneId(TComboBox* cb, int id)
{
    int choix = cb->Items().Count() > 0 ? 0 : -1;
    for (int i = 0; i < cb->Items().Count(); ++i)
        if (cb->Items().Objects(i) == id)
            choix = i;
    cb->SetItemIndex(choix);
}
}  // namespace

void Tf_OptionsFiltre::lb_ChampionnatClick(TObject*)
{
    const int i = lb_Championnat->ItemIndex();
    if (i < 0)
        return;
    auto* c = reinterpret_cast<TDonneesChampionnat*>(lb_Championnat->Items().Objects(i));
    SelectionneId(cb_Categorie, c->CategorieDef());
}

void Tf_OptionsFiltre::bc_ModifierClick(TObject*)
{
    const int i = lb_Championnat->ItemIndex(), k = cb_Categorie->ItemIndex();
    if (i < 0 || k < 0)
        return;
    auto* c = reinterpret_cast<TDonneesChampionnat*>(lb_Championnat->Items().Objects(i));
    const int id = static_cast<int>(cb_Categorie->Items().Objects(k));
    if (c->CategorieDef() != id) {
        c->SetCategorieDef(id);
        Change = true;
    }
}

TDonneesChampionnat* Tf_OptionsFiltre::ChampionnatDe(TComboBox* cb) const
{
    const int i = cb->ItemIndex();
    return i < 0 ? nullptr : reinterpret_cast<TDonneesChampionnat*>(cb->Items().Objects(i));
}

void Tf_OptionsFiltre::cb_ChampionnatChange(TObject*)
{
    lb_Equipes->Items().Clear();
    const TDonneesChampionnat* c = ChampionnatDe(cb_Championnat);
    if (!c || !Saison)
        return;
    for (int p = 0; p < c->NbEquipe(); ++p)
        lb_Equipes->Items().AddObject(Saison->NomEquipe(c->IdEquipe(p)), p);
    if (c->NbEquipe() > 0) {
        lb_Equipes->SetItemIndex(0);
        lb_EquipesClick(lb_Equipes);
    }
}

void Tf_OptionsFiltre::lb_EquipesClick(TObject*)
{
    const TDonneesChampionnat* c = ChampionnatDe(cb_Championnat);
    const int i = lb_Equipes->ItemIndex();
    if (c && i >= 0)
        SelectionneId(cb_CategEquipe, c->CategorieEquipe(static_cast<int>(lb_Equipes->Items().Objects(i))));
}

void Tf_OptionsFiltre::bc_ModifierEquipeClick(TObject*)
{
    TDonneesChampionnat* c = ChampionnatDe(cb_Championnat);
    const int i = lb_Equipes->ItemIndex(), k = cb_CategEquipe->ItemIndex();
    if (!c || i < 0 || k < 0)
        return;
    const int p = static_cast<int>(lb_Equipes->Items().Objects(i));
    const int id = static_cast<int>(cb_CategEquipe->Items().Objects(k));
    if (c->CategorieEquipe(p) != id) {
        c->SetCategorieEquipe(p, id);
        Change = true;
    }
}

void Tf_OptionsFiltre::b_AjouterClick(TObject*)
{
    std::string nom, court;
    if (!DemandeNoms || !DemandeNoms(Traduire(1391), nom, court) || nom.empty())
        return;
    // Ids stay within what a championship keeps; when all are taken nothing is added.
    const int32_t id = ProchainIdCategorie(categories_);
    if (id == 0)
        return;
    AjouteElement({id, nom, court}, false);
}

void Tf_OptionsFiltre::b_ModifierClick(TObject*)
{
    const int i = clb_Categories->ItemIndex();
    if (i < 0)
        return;
    TCategorie& c = categories_[static_cast<size_t>(i)];
    std::string nom = c.Nom, court = c.NomCourt;
    if (!DemandeNoms || !DemandeNoms(Traduire(1392), nom, court) || nom.empty())
        return;
    c.Nom = nom;
    c.NomCourt = court;
    clb_Categories->Items().SetString(i, Libelle(c));
}

void Tf_OptionsFiltre::b_EffacerClick(TObject*)
{
    const int i = clb_Categories->ItemIndex();
    if (i < 0)
        return;
    if (Tf_MessageUtil::Affiche(TraduireFormat(1396, {clb_Categories->Items()[i]}), mbuOui | mbuAnnuler) != mrYes)
        return;
    clb_Categories->Items().Delete(i);
    categories_.erase(categories_.begin() + i);
}

void Tf_OptionsFiltre::Termine()
{
    if (Saison)
        for (int i = 0; i < clb_Categories->Items().Count(); ++i) {
            const TCategorie& c = categories_[static_cast<size_t>(i)];
            const bool avait = !Saison->NomCategorie(c.Id).empty();
            if (clb_Categories->Checked(i)) {
                // either name changed changes the season
                std::string nom, nomCourt;
                if (!Saison->Categorie(c.Id, nom, nomCourt) || nom != c.Nom || nomCourt != c.NomCourt)
                    Change = true;
                Saison->SetCategorie(c.Id, c.Nom, c.NomCourt);
            } else if (avait) {
                Saison->SupprimeCategorie(c.Id);
                Change = true;
            }
        }
    if (!fichier_.empty()) {
        // A damaged file is kept aside first; without a copy nothing is written.
        const bool endommage = illisible_;
        if (!EcritCategories(fichier_, categories_, illisible_, copie_))
            Tf_MessageUtil::Affiche(TraduireFormat(3986, {FileNameToText(fichier_)}), mbuValider);
        else if (endommage)
            Tf_MessageUtil::Affiche(TraduireFormat(3801, {FileNameToText(fichier_), FileNameToText(copie_)}), mbuValider);
    }
    Tag = 1;
}
