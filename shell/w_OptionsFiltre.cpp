#include "shell/w_OptionsFiltre.h"

#include <algorithm>
#include <set>

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
    clb_Categories->OnClickCheck = [this](TObject* s) { clb_CategoriesClickCheck(s); };

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

void Tf_OptionsFiltre::AjouteElement(const TElement& e)
{
    elements_.push_back(e);
    const int i = clb_Categories->Items().AddObject(Libelle(e.Vue), e.Vue.Id);
    clb_Categories->SetChecked(i, e.Coche);
}

std::vector<TCategorie> Tf_OptionsFiltre::Categories() const
{
    std::vector<TCategorie> v;
    for (const TElement& e : elements_)
        v.push_back(e.Vue);
    return v;
}

void Tf_OptionsFiltre::Init(TSaison* saison, const std::string& dossierEcriture, const std::string& dossierDonnees)
{
    ChangeSaison(saison);
    fichier_ = MakePath(dossierEcriture, "categories.xml");
    const std::string lu = FileExists(fichier_) ? fichier_ : MakePath(dossierDonnees, "categories.xml");
    const TFichierCategories f = LitCategories(lu);
    illisible_ = f.Illisible && lu == fichier_;
    elements_.clear();
    clb_Categories->Items().Clear();
    // A category the season holds shows the season's own names: they are
    // what its teams show, and the list may name the id otherwise.
    for (const TCategorie& c : f.Liste) {
        TElement e{c, true, c, false};
        e.Coche = saison && saison->Categorie(c.Id, e.Vue.Nom, e.Vue.NomCourt);
        if (!e.Coche)
            e.Vue = c;
        AjouteElement(e);
    }
    // Those the list lacks (a season made elsewhere) are listed after it.
    for (int i = 0; saison && i < saison->NbCategorie(); ++i) {
        const TCategorie& c = *saison->CategorieIndex(i);
        if (std::none_of(f.Liste.begin(), f.Liste.end(), [&](const TCategorie& k) { return k.Id == c.Id; }))
            AjouteElement({c, false, {}, true});
    }
    lb_Championnat->Items().Clear();
    cb_Championnat->Items().Clear();
    etats_.clear();
    if (saison) {
        for (TDescNoeud* n : saison->Arbre().ListeNoeudsChampionnat()) {
            lb_Championnat->Items().AddObject(n->NomComplet(), reinterpret_cast<TStringList::Object>(n->Championnat()));
            cb_Championnat->Items().AddObject(n->NomComplet(), reinterpret_cast<TStringList::Object>(n->Championnat()));
        }
        for (const TDonneesChampionnat* c : saison->Arbre().ListeChampionnats()) {
            TEtatChampionnat& e = etats_[c];
            e.Defaut = c->CategorieDef();
            for (int p = 0; p < c->NbEquipe(); ++p)
                e.Equipes.push_back(c->CategorieEquipe(p));
        }
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
            cb_Categorie->Items().AddObject(clb_Categories->Items()[i], elements_[static_cast<size_t>(i)].Vue.Id);
            cb_CategEquipe->Items().AddObject(clb_Categories->Items()[i], elements_[static_cast<size_t>(i)].Vue.Id);
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

Tf_OptionsFiltre::TEtatChampionnat* Tf_OptionsFiltre::EtatDe(const TDonneesChampionnat* c)
{
    const auto it = etats_.find(c);
    return it == etats_.end() ? nullptr : &it->second;
}

void Tf_OptionsFiltre::lb_ChampionnatClick(TObject*)
{
    const int i = lb_Championnat->ItemIndex();
    if (i < 0)
        return;
    if (const TEtatChampionnat* e = EtatDe(reinterpret_cast<TDonneesChampionnat*>(lb_Championnat->Items().Objects(i))))
        SelectionneId(cb_Categorie, e->Defaut);
}

void Tf_OptionsFiltre::bc_ModifierClick(TObject*)
{
    const int i = lb_Championnat->ItemIndex(), k = cb_Categorie->ItemIndex();
    if (i < 0 || k < 0)
        return;
    TEtatChampionnat* e = EtatDe(reinterpret_cast<TDonneesChampionnat*>(lb_Championnat->Items().Objects(i)));
    const int id = static_cast<int>(cb_Categorie->Items().Objects(k));
    // A new default gives every team of the championship that category.
    if (e && e->Defaut != id) {
        e->Defaut = id;
        std::fill(e->Equipes.begin(), e->Equipes.end(), id);
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
    const TEtatChampionnat* e = EtatDe(ChampionnatDe(cb_Championnat));
    const int i = lb_Equipes->ItemIndex();
    if (!e || i < 0)
        return;
    const auto p = static_cast<size_t>(lb_Equipes->Items().Objects(i));
    SelectionneId(cb_CategEquipe, p < e->Equipes.size() ? e->Equipes[p] : 0);
}

void Tf_OptionsFiltre::bc_ModifierEquipeClick(TObject*)
{
    TEtatChampionnat* e = EtatDe(ChampionnatDe(cb_Championnat));
    const int i = lb_Equipes->ItemIndex(), k = cb_CategEquipe->ItemIndex();
    if (!e || i < 0 || k < 0)
        return;
    const auto p = static_cast<size_t>(lb_Equipes->Items().Objects(i));
    if (p < e->Equipes.size())
        e->Equipes[p] = static_cast<int>(cb_CategEquipe->Items().Objects(k));
}

std::string Tf_OptionsFiltre::EquipesCategorie(int32_t id) const
{
    // in the order of the championships, each team once
    std::string noms;
    if (!Saison)
        return noms;
    std::set<int> vues;
    for (const TDonneesChampionnat* c : Saison->Arbre().ListeChampionnats())
        if (const auto it = etats_.find(c); it != etats_.end())
            for (size_t p = 0; p < it->second.Equipes.size(); ++p)
                if (const int equipe = c->IdEquipe(static_cast<int>(p));
                    it->second.Equipes[p] == id && vues.insert(equipe).second)
                    noms += (noms.empty() ? "" : ", ") + Saison->NomEquipe(equipe);
    return noms;
}

void Tf_OptionsFiltre::RetireCategorie(int32_t id)
{
    for (auto& [c, e] : etats_) {
        if (e.Defaut == id)
            e.Defaut = 0;
        std::replace(e.Equipes.begin(), e.Equipes.end(), static_cast<int>(id), 0);
    }
}

void Tf_OptionsFiltre::b_AjouterClick(TObject*)
{
    std::string nom, court;
    if (!DemandeNoms || !DemandeNoms(Traduire(1391), nom, court) || nom.empty())
        return;
    // An id that neither the list nor the season cites (a category the list
    // lost may still sort the season's players); within what a championship
    // keeps; when all are taken nothing is added.
    const int32_t id = ProchainIdCategorie(Categories(), Saison ? Saison->CategoriesCitees() : std::set<int32_t>{});
    if (id == 0)
        return;
    const TCategorie c{id, nom, court};
    AjouteElement({c, true, c, false});
}

void Tf_OptionsFiltre::b_ModifierClick(TObject*)
{
    const int i = clb_Categories->ItemIndex();
    if (i < 0)
        return;
    TElement& e = elements_[static_cast<size_t>(i)];
    std::string nom = e.Vue.Nom, court = e.Vue.NomCourt;
    if (!DemandeNoms || !DemandeNoms(Traduire(1392), nom, court) || nom.empty())
        return;
    // The list's entry follows when it named the category alike; the
    // season's own names do not replace the list's other ones.
    if (MemesNoms(e))
        e.Liste = {e.Liste.Id, nom, court};
    e.Vue.Nom = nom;
    e.Vue.NomCourt = court;
    clb_Categories->Items().SetString(i, Libelle(e.Vue));
}

void Tf_OptionsFiltre::b_EffacerClick(TObject*)
{
    const int i = clb_Categories->ItemIndex();
    if (i < 0)
        return;
    // The category leaves the season and the list, and the teams that hold
    // it are named first. The list's entry that named the id otherwise
    // stays, and the item shows it again.
    TElement& e = elements_[static_cast<size_t>(i)];
    const int32_t id = e.Vue.Id;
    const std::string equipes = EquipesCategorie(id);
    const std::string question = equipes.empty() ? TraduireFormat(1396, {clb_Categories->Items()[i]})
                                                 : TraduireFormat(5080, {clb_Categories->Items()[i], equipes});
    if (Tf_MessageUtil::Affiche(question, mbuOui | mbuAnnuler) != mrYes)
        return;
    RetireCategorie(id);
    if (e.DansListe && !MemesNoms(e)) {
        e.Vue = e.Liste;
        e.Coche = false;
        clb_Categories->Items().SetString(i, Libelle(e.Vue));
        clb_Categories->SetChecked(i, false);
        return;
    }
    clb_Categories->Items().Delete(i);
    elements_.erase(elements_.begin() + i);
}

void Tf_OptionsFiltre::clb_CategoriesClickCheck(TObject*)
{
    for (int i = 0; i < clb_Categories->Items().Count(); ++i) {
        TElement& e = elements_[static_cast<size_t>(i)];
        if (clb_Categories->Checked(i) == e.Coche)
            continue;
        // Unchecked, the category leaves the season: the teams that hold it
        // are named first; No leaves it checked.
        if (!clb_Categories->Checked(i)) {
            const std::string equipes = EquipesCategorie(e.Vue.Id);
            if (!equipes.empty()) {
                if (Tf_MessageUtil::Affiche(TraduireFormat(5081, {clb_Categories->Items()[i], equipes}),
                                            mbuOui | mbuNon) != mrYes) {
                    clb_Categories->SetChecked(i, true);
                    continue;
                }
                RetireCategorie(e.Vue.Id);
            }
        }
        e.Coche = clb_Categories->Checked(i);
    }
}

void Tf_OptionsFiltre::Termine()
{
    if (Saison) {
        // The championships' and teams' categories as the pages left them.
        for (TDonneesChampionnat* c : Saison->Arbre().ListeChampionnats()) {
            const TEtatChampionnat* e = EtatDe(c);
            if (!e)
                continue;
            if (c->CategorieDef() != e->Defaut) {
                c->SetCategorieDef(e->Defaut);
                Change = true;
            }
            for (int p = 0; p < c->NbEquipe() && static_cast<size_t>(p) < e->Equipes.size(); ++p)
                if (c->CategorieEquipe(p) != e->Equipes[static_cast<size_t>(p)]) {
                    c->SetCategorieEquipe(p, e->Equipes[static_cast<size_t>(p)]);
                    Change = true;
                }
        }
        // The categories checked, under the names shown; the others leave
        // the season with their teams.
        std::set<int32_t> cochees;
        for (int i = 0; i < clb_Categories->Items().Count(); ++i) {
            if (!clb_Categories->Checked(i))
                continue;
            const TCategorie& c = elements_[static_cast<size_t>(i)].Vue;
            cochees.insert(c.Id);
            std::string nom, nomCourt;
            if (!Saison->Categorie(c.Id, nom, nomCourt) || nom != c.Nom || nomCourt != c.NomCourt) {
                Saison->SetCategorie(c.Id, c.Nom, c.NomCourt);
                Change = true;
            }
        }
        std::vector<int32_t> parties;
        for (int i = 0; i < Saison->NbCategorie(); ++i)
            if (!cochees.count(Saison->CategorieIndex(i)->Id))
                parties.push_back(Saison->CategorieIndex(i)->Id);
        for (const int32_t id : parties) {
            Saison->SupprimeCategorie(id);
            Change = true;
        }
    }
    if (!fichier_.empty()) {
        // The shared list under its own names; a damaged file is kept aside
        // first; without a copy nothing is written.
        std::vector<TCategorie> liste;
        for (const TElement& e : elements_)
            if (e.DansListe)
                liste.push_back(e.Liste);
        const bool endommage = illisible_;
        if (!EcritCategories(fichier_, liste, illisible_, copie_))
            Tf_MessageUtil::Affiche(TraduireFormat(3986, {FileNameToText(fichier_)}), mbuValider);
        else if (endommage)
            Tf_MessageUtil::Affiche(TraduireFormat(3801, {FileNameToText(fichier_), FileNameToText(copie_)}),
                                    mbuValider);
    }
    Tag = 1;
}
