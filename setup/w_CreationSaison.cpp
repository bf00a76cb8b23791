// The season composition window: the tree, the list, placing entries,
// validation.
#include "setup/w_CreationSaison.h"

#include <algorithm>
#include <functional>

#include "files/ChargeurSaison.h"
#include "files/w_ChoixLogiciel.h"
#include "files/w_ChoixNoeud.h"
#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/LectureParametre.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/ImgList.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "setup/Controles.h"
#include "setup/w_RetirerChamp.h"
#include "ui/message2.h"

using namespace setup;

namespace {

constexpr int ImageFerme = 2;
constexpr int ImageChampionnat = 4;
constexpr int32_t BitBarrage = 0x8000;

TLectureParam* Param()
{
    TLectureParamMulti* m = LectureParamMulti();
    return m ? m->ParamCourant() : nullptr;
}

// The folder pictures of the tree: 0-1 none, 2 closed folder, 3 open folder,
// 4 championship.
void RemplitImages(TImageList* il)
{
    il->SetSize(16, 16);
    auto image = [&](uint32_t fond, uint32_t bord, int x0, int y0, int x1, int y1) {
        TBitmap b(16, 16);
        b.SetPixelFormat(pf32bit);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool dedans = x >= x0 && x <= x1 && y >= y0 && y <= y1;
                const bool cadre = dedans && (x == x0 || x == x1 || y == y0 || y == y1);
                b.ScanLine(y)[x] = cadre ? bord : dedans ? fond : 0;
            }
        il->Add(b);
    };
    image(0, 0, 99, 99, -1, -1);
    image(0, 0, 99, 99, -1, -1);
    image(0xFFE0B040u, 0xFF806020u, 1, 3, 14, 13);
    image(0xFFFFF0A0u, 0xFF806020u, 1, 3, 14, 13);
    image(0xFFFFFFFFu, 0xFF3050A0u, 3, 1, 12, 14);
}

int Niveau(const TTreeNode* n) { return n ? n->Level() : -1; }

bool EstBarrage(const TTreeNode* n)
{
    return Niveau(n) == 2 && (Tf_CreationSaison::Rec(n)->Code & BitBarrage) != 0;
}

}  // namespace

Tf_CreationSaison::TRecNoeud* Tf_CreationSaison::Rec(const TTreeNode* n)
{
    static TRecNoeud vide;
    return n && n->Data ? reinterpret_cast<TRecNoeud*>(n->Data) : &vide;
}

Tf_CreationSaison::Tf_CreationSaison(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    PrepareFiche(this, "f_CreationSaison", Traduire(885), 640, 464);
    FondCopie1 = Fond(this, this, "FondCopie1", 8, 8, 624, 362);
    Label2 = Libelle(this, FondCopie1, "Label2", Traduire(879), 10, 6, 280);
    Label3 = Libelle(this, FondCopie1, "Label3", Traduire(880), 460, 6, 150);
    il_Folder = new TImageList(this);
    RemplitImages(il_Folder);

    tv_Saison = Place(new TTreeView(this), FondCopie1, "tv_Saison", 10, 26, 246, 326);
    tv_Saison->SetImages(il_Folder);
    tv_Saison->ReadOnly = false;
    tv_Saison->HideSelection = false;
    tv_Saison->OnChange = [this](TObject*, TTreeNode*) { SelectionChange(); };
    tv_Saison->OnExpanded = [](TObject*, TTreeNode* n) {
        if (n->ImageIndex() >= ImageFerme && n->ImageIndex() < ImageChampionnat)
            n->SetImageIndex((n->ImageIndex() & ~1) + 1);
    };
    tv_Saison->OnCollapsed = [](TObject*, TTreeNode* n) {
        if (n->ImageIndex() >= ImageFerme && n->ImageIndex() < ImageChampionnat)
            n->SetImageIndex(n->ImageIndex() & ~1);
    };
    tv_Saison->OnEditing = [](TObject*, TTreeNode* n, bool& permis) {
        const TRecNoeud* r = Rec(n);
        switch (Niveau(n)) {
        case 1: permis = r->Code == 0; break;
        case 2: permis = r->Code == 0 || (r->Code & BitBarrage) != 0; break;
        case 3: permis = r->Objet && r->Objet->Fichier.empty(); break;
        default: permis = false;
        }
    };
    tv_Saison->OnEdited = [](TObject*, TTreeNode* n, std::string& texte) {
        if (texte != n->Text()) {
            Rec(n)->NomLibre = true;
            Rec(n)->Stocke.clear();
        }
    };
    tv_Saison->OnDragOver = [this](TObject*, TObject* source, int x, int y, TDragState, bool& accepte) {
        accepte = false;
        const int i = lb_ListeFichier->ItemIndex();
        TTreeNode* n = tv_Saison->GetNodeAt(x, y);
        if (source != lb_ListeFichier || i < 0 || !n)
            return;
        const TListObj* o = lb_ListeFichier->Items().ObjectPtr<TListObj>(i);
        TLectureParam* p = Param();
        switch (n->Level()) {
        case 0: accepte = true; break;
        case 1: accepte = o->Division == 0 || (p && p->IdChampionnat(o->Division) == Rec(n)->Code); break;
        case 2: accepte = Rec(n)->Code == 0; break;
        default: break;
        }
    };
    tv_Saison->OnDragDrop = [this](TObject*, TObject*, int x, int y) {
        PlaceEntree(lb_ListeFichier->ItemIndex(), tv_Saison->GetNodeAt(x, y));
    };
    tv_Saison->OnDblClick = [this](TObject*) {
        if (EstBarrage(tv_Saison->Selected()))
            EditeBarrage(tv_Saison->Selected());
    };

    // the buttons as wide as their longest caption ("Importer des championnats")
    const int xb = 264, lb = 190;
    bc_AjoutElement = Bouton(this, FondCopie1, "bc_AjoutElement", Traduire(881), xb, 26, lb, 30);
    bc_AjoutElement->OnClick = [this](TObject*) {
        TOwned<Tf_ChoixNoeud> f(new Tf_ChoixNoeud(this));
        f->ChangeCouleurs(Couleurs);
        f->RemplitListe(false);
        if (f->ShowModal() == mrOk)
            AjoutElement(f->Choix);
    };
    bc_RetirerElement = Bouton(this, FondCopie1, "bc_RetirerElement", Traduire(882), xb, 62, lb, 30);
    bc_RetirerElement->OnClick = [this](TObject*) { bc_RetirerElementClick(); };
    bc_CreeChamp = Bouton(this, FondCopie1, "bc_CreeChamp", Traduire(955), xb, 110, lb, 30);
    bc_CreeChamp->OnClick = [this](TObject*) { bc_CreeChampClick(); };
    bc_CreeCoupe = Bouton(this, FondCopie1, "bc_CreeCoupe", Traduire(3902), xb, 146, lb, 30);
    bc_CreeCoupe->OnClick = [this](TObject*) { bc_CreeCoupeClick(); };
    bc_Separateur = Bouton(this, FondCopie1, "bc_Separateur", Traduire(884), xb, 182, lb, 30);
    bc_Separateur->OnClick = [this](TObject*) { bc_SeparateurClick(); };
    bc_Barrage = Bouton(this, FondCopie1, "bc_Barrage", Traduire(883), xb, 218, lb, 30);
    bc_Barrage->OnClick = [this](TObject*) { bc_BarrageClick(); };
    bc_AjouteFichier = Bouton(this, FondCopie1, "bc_AjouteFichier", Traduire(259), xb, 322, lb, 30);
    bc_AjouteFichier->OnClick = [this](TObject*) { bc_AjouteFichierClick(); };
    sb_Up = Place(new TSpeedButton(this), FondCopie1, "sb_Up", xb, 270, lb / 2 - 4, 26);
    sb_Up->SetCaption(Traduire(3900));
    sb_Up->OnClick = [this](TObject*) { sb_UpClick(); };
    sb_Down = Place(new TSpeedButton(this), FondCopie1, "sb_Down", xb + lb / 2 + 4, 270, lb / 2 - 4, 26);
    sb_Down->SetCaption(Traduire(3901));
    sb_Down->OnClick = [this](TObject*) { sb_DownClick(); };

    lb_ListeFichier = Place(new TListBox(this), FondCopie1, "lb_ListeFichier", 460, 26, 154, 326);
    lb_ListeFichier->DragMode = dmAutomatic;
    lb_ListeFichier->OnDblClick = [this](TObject*) {
        PlaceEntree(lb_ListeFichier->ItemIndex(), tv_Saison->Items().GetFirstNode());
    };

    Label1 = Libelle(this, this, "Label1", Traduire(878), 16, 380, 200);
    e_RepSauve = Place(new TEdit(this), this, "e_RepSauve", 16, 398, 608, 22);
    // Enter in the season file validates the composition, as OK does.
    e_RepSauve->OnKeyDown = [this](TObject*, WORD& k, TShiftState sh) {
        if (k == VK_RETURN && (sh & (ssShift | ssCtrl | ssAlt)) == 0) {
            k = 0;
            b_ValiderClick();
        }
    };
    e_RepSauve->SetHoldsFileName(true);
    b_Valider = Bouton(this, this, "b_Valider", Traduire(29), 216, 424);
    b_Valider->OnClick = [this](TObject*) { b_ValiderClick(); };
    b_Annuler = Bouton(this, this, "b_Annuler", Traduire(125), 328, 424);
    b_Annuler->OnClick = [this](TObject*) { b_AnnulerClick(); };
    b_Annuler->Cancel = true;
    OnShow = [this](TObject*) {
        if (!active_ && !Active())
            SetModalResult(mrCancel);
    };
    // "Annuler", Escape and the close box all end here, as does a window
    // that could not start: one road takes back what the window began.
    OnClose = [this](TObject*, TCloseAction&) {
        if (ModalResult() != mrOk)
            Renonce();
    };
    DoCreate();
}

Tf_CreationSaison::~Tf_CreationSaison()
{
    // The tree's nodes point into the records: they go first.
    tv_Saison->Items().Clear();
}

void Tf_CreationSaison::Init(const std::string& fichierParametres, const std::string& dossier, uint8_t sports,
                             TRappelFichier rappel)
{
    fichierParametres_ = fichierParametres;
    dossier_ = IncludeTrailingPathDelimiter(dossier);
    if (DossierEcriture.empty())
        DossierEcriture = dossier_;
    sports_ = sports;
    rappel_ = std::move(rappel);
    e_RepSauve->SetFileName(MakePath(dossier_, "sauvegarde\\personnel.xmc"));
}

void Tf_CreationSaison::AjouteChampionnatInclus(const std::string& nom, int32_t valeur)
{
    inclus_.emplace_back(nom, valeur);
}

std::unique_ptr<TSaison> Tf_CreationSaison::PrendSaison()
{
    Saison = nullptr;
    return std::move(saisonNouvelle_);
}

void Tf_CreationSaison::ChangeSaison(TSaison* saison)
{
    if (saisonNouvelle_ && saison != saisonNouvelle_.get())
        saisonNouvelle_.reset();
    TBrivantelForm::ChangeSaison(saison);
}

TListObj* Tf_CreationSaison::NouvelObjet()
{
    objets_.push_back(std::make_unique<TListObj>());
    return objets_.back().get();
}

TTreeNode* Tf_CreationSaison::AjouteNoeud(TTreeNode* parent, TTreeNode* avant, const std::string& texte, int32_t code,
                                          int image)
{
    recs_.push_back(std::make_unique<TRecNoeud>());
    recs_.back()->Code = code;
    const auto data = reinterpret_cast<intptr_t>(recs_.back().get());
    TTreeNode* n = avant ? tv_Saison->Items().InsertObject(avant, texte, data)
                         : tv_Saison->Items().AddChildObject(parent, texte, data);
    n->SetImageIndex(image);
    n->SetSelectedIndex(image);
    if (parent)
        parent->SetExpanded(true);
    return n;
}

// ---- activation ------------------------------------------------------------------------------

bool Tf_CreationSaison::Active()
{
    active_ = true;
    const int mode = Tag;
    // 1.
    if (mode & 1) {
        bc_AjouteFichier->SetVisible(true);
        bc_AjouteFichier->SetCaption(Traduire(259));
    } else if (mode & 64) {
        bc_AjouteFichier->SetVisible(true);
        bc_AjouteFichier->SetCaption(Traduire(260));
    } else {
        bc_AjouteFichier->SetVisible(false);
    }
    // 2.
    const bool fichier = mode & 2;
    e_RepSauve->SetVisible(fichier);
    Label1->SetVisible(fichier);
    SetClientHeight(fichier ? 464 : 416);
    b_Valider->SetTop(ClientHeight() - 40);
    b_Annuler->SetTop(ClientHeight() - 40);
    // 3.
    lb_ListeFichier->Items().Clear();
    premiereEquipe_ = Saison ? Saison->ProchainIdEquipe() : 0;
    CodeBarrage = Saison ? Saison->Arbre().CodeBarrageMax() : 0;
    if (mode & 32) {
        RemplitDepuisSaison();
    } else if (!(mode & 4)) {
        // 5. The sport of the new season (cancel creates nothing).
        TOwned<Tf_ChoixLogiciel> f(new Tf_ChoixLogiciel(this));
        f->ChangeCouleurs(Couleurs);
        f->Prepare(sports_, 1562);
        f->ShowModal();
        const uint8_t sport = f->SportChoisi();
        f.reset();
        if (sport > 3)
            return false;
        saisonNouvelle_ = TMultiSport::CreeSaison(sport);
        if (!saisonNouvelle_)
            return false;
        TBrivantelForm::ChangeSaison(saisonNouvelle_.get());
        ListeDossier(MakePath(dossier_, "sauvegarde\\"));
        IdPerso = 1000;
        CodeCourant = 0;
        AjouteNoeud(nullptr, nullptr, Traduire(10), 0, ImageFerme);
    } else {
        // 6.
        for (size_t i = 0; i < inclus_.size(); ++i) {
            TListObj* o = NouvelObjet();
            o->Division = inclus_[i].second & 0xFFFF;
            o->Code = inclus_[i].second >> 16;
            TLectureParam* p = Param();
            o->GroupeDivision = p ? p->NbGroupeDivision(o->Division) : 0;
            o->Index = static_cast<int32_t>(i);
            lb_ListeFichier->Items().AddObject(inclus_[i].first, reinterpret_cast<TStrings::Object>(o));
        }
        CodeCourant = Saison ? Saison->Arbre().CodeMax() : 0;
        IdPerso = Saison ? Saison->Arbre().IdPersoMax() : 1000;
        AjouteNoeud(nullptr, nullptr, Traduire(10), 0, ImageFerme);
    }
    // 7.
    if (mode & 8)
        for (int i = 0; i < lb_ListeFichier->Items().Count();) {
            const int avant = lb_ListeFichier->Items().Count();
            if (lb_ListeFichier->Items().ObjectPtr<TListObj>(i)->Division >= 1)
                PlaceEntree(i, tv_Saison->Items().GetFirstNode());
            if (lb_ListeFichier->Items().Count() == avant)
                ++i;
        }
    tv_Saison->SetSelected(tv_Saison->Items().GetFirstNode());
    SelectionChange();
    return true;
}

void Tf_CreationSaison::RemplitDepuisSaison()
{
    TTreeNode* racine = AjouteNoeud(nullptr, nullptr, Traduire(10), 0, ImageFerme);
    if (!Saison)
        return;
    int index = 0;
    TLectureParam* p = Param();
    std::function<void(const TDescNoeud&, TTreeNode*)> copie = [&](const TDescNoeud& d, TTreeNode* parent) {
        for (int i = 0; i < d.NbEnfant(); ++i) {
            const TDescNoeud* e = d.Enfant(i);
            int32_t code = 0;
            const std::string nom = e->NomAfficheCode(code);
            if (e->Championnat()) {
                TListObj* o = NouvelObjet();
                o->Division = e->Championnat()->CodeDivision();
                o->GroupeDivision = p ? p->NbGroupeDivision(o->Division) : 0;
                o->Index = index++;
                o->Code = e->Championnat()->CodeChamp;
                o->Lien = e->DonneesCompetition();
                TTreeNode* n = AjouteNoeud(parent, nullptr, nom, o->Division, ImageChampionnat);
                Rec(n)->Objet = o;
                Rec(n)->Lien = o->Lien;
                Rec(n)->NomLibre = e->Nom() != NomStockeCode(o->Division);
                Rec(n)->Stocke = e->Nom();
            } else {
                if (e->Barrage())
                    code = (e->Barrage()->Code & 0x7FFF) | BitBarrage;
                TTreeNode* n = AjouteNoeud(parent, nullptr, nom, code, ImageFerme);
                Rec(n)->Lien = e->DonneesCompetition();
                if (e->Barrage())
                    Rec(n)->Stocke = e->Nom();
                copie(*e, n);
            }
        }
    };
    copie(Saison->Arbre().Racine(), racine);
    tv_Saison->FullExpand();
    CodeCourant = Saison->Arbre().CodeMax();
    IdPerso = Saison->Arbre().IdPersoMax();
}

void Tf_CreationSaison::ListeDossier(const std::string& dossier)
{
    ForceDirectories(dossier);
    for (const TSearchRec& r : ListFiles(dossier, "*")) {
        const std::string ext = LowerCase(ExtractFileExt(r.Name).substr(0, 4));
        if (ext != ".xmd" && ext != ".xmc")
            continue;
        if (TListObj* o = EntreeFichier(MakePath(dossier, r.Name), true))
            lb_ListeFichier->Items().AddObject(FileNameToText(r.Name), reinterpret_cast<TStrings::Object>(o));
    }
}

TListObj* Tf_CreationSaison::EntreeFichier(const std::string& fichier, bool silencieux)
{
    uint8_t sport = AucunSport;
    int division = -1;
    try {
        division = TTraiteurFichier::DivisionFichier(fichier, MakePath(dossier_, "Dll\\"), sport);
    } catch (const std::exception&) {
        division = -1;
    }
    if (Saison && sport == Saison->Sport() && division != -1) {
        TListObj* o = NouvelObjet();
        o->Fichier = fichier;
        o->Division = division;
        TLectureParam* p = Param();
        o->GroupeDivision = p ? p->NbGroupeDivision(division) : 0;
        return o;
    }
    if (!silencieux)
        Tf_MessageUtil::Affiche(Traduire(division == -1 ? 1564 : 1565), mbuValider);
    return nullptr;
}

void Tf_CreationSaison::bc_AjouteFichierClick()
{
    TOpenDialog d(this);
    d.Options = d.Options | ofAllowMultiSelect;
    d.Filter = TraduireFormat(11, {std::string("Brivantel")}) + "|*.xmc;*.xmd";
    d.DefaultExt = "xmc";
    d.Title = Traduire(261);
    d.InitialDir = MakePath(dossier_, "sauvegarde\\");
    if (!d.Execute())
        return;
    std::vector<std::string> fichiers = d.Files;
    if (fichiers.empty() && !d.FileName.empty())
        fichiers.push_back(d.FileName);
    for (const std::string& f : fichiers) {
        bool saison = false;
        if (LowerCase(ExtractFileExt(f)) == ".xmc")
            try {
                saison = TChargeurXmp(f, MakePath(dossier_, "Dll\\")).EstSaison();
            } catch (const std::exception&) {
                saison = false;
            }
        if (saison) {
            Tf_MessageUtil::Affiche(TraduireFormat(3202, {FileNameToText(ExtractFileName(f))}), mbuValider);
            continue;
        }
        if (TListObj* o = EntreeFichier(f, false))
            lb_ListeFichier->Items().AddObject(FileNameToText(ExtractFileName(f)),
                                               reinterpret_cast<TStrings::Object>(o));
    }
}

// ---- placing -------------------------------------------------------------------------------

TTreeNode* Tf_CreationSaison::NoeudChampionnat(int32_t id)
{
    TTreeNode* racine = tv_Saison->Items().GetFirstNode();
    TLectureParam* p = Param();
    const std::string texte = p ? p->NomChampionnatParId(id) : std::string();
    TTreeNode* n = nullptr;
    if (id != 0) {
        TTreeNode* suivant = nullptr;
        for (TTreeNode* c = racine->getFirstChild(); c; c = c->getNextSibling())
            if (Rec(c)->Code >= id) {
                suivant = c;
                break;
            }
        if (suivant && Rec(suivant)->Code == id)
            n = suivant;
        else
            n = AjouteNoeud(racine, suivant, texte, id, ImageFerme);
        tv_Saison->SetSelected(n);
        return n;
    }
    n = AjouteNoeud(racine, nullptr, texte, 0, ImageFerme);
    tv_Saison->SetSelected(n);
    n->EditText();
    return n;
}

void Tf_CreationSaison::AjoutElement(int32_t idModele)
{
    NoeudChampionnat(idModele);
}

void Tf_CreationSaison::PlaceEntree(int indexListe, TTreeNode* cible)
{
    if (!cible || indexListe < 0 || indexListe >= lb_ListeFichier->Items().Count())
        return;
    TListObj* o = lb_ListeFichier->Items().ObjectPtr<TListObj>(indexListe);
    // The node is named as the season keeps the file's name.
    const std::string texte = KeptName(lb_ListeFichier->Items()[indexListe]);
    TLectureParam* p = Param();
    auto codeDiv = [](TTreeNode* n) {
        const TRecNoeud* r = Rec(n);
        return r->Objet ? r->Objet->Division : r->Code;
    };
    // 2.
    if (cible->Level() == 0)
        cible = NoeudChampionnat(p ? p->IdChampionnat(o->Division) : 0);
    TTreeNode* parent = nullptr;
    TTreeNode* avant = nullptr;
    if (cible->Level() == 2) {
        // 3.
        parent = cible;
        for (TTreeNode* c = cible->getFirstChild(); c; c = c->getNextSibling())
            if (codeDiv(c) >= o->Division) {
                avant = c;
                break;
            }
    } else if (cible->Level() == 1) {
        // 4.
        TTreeNode* trouve = nullptr;
        for (TTreeNode* c = cible->getFirstChild(); c; c = c->getNextSibling())
            if (!(Rec(c)->Code & BitBarrage) && (Rec(c)->Code & 0x7FFF) >= o->Division) {
                trouve = c;
                break;
            }
        TTreeNode* groupe = nullptr;
        if (o->GroupeDivision >= 1) {
            if (trouve && Rec(trouve)->Code == o->GroupeDivision)
                groupe = trouve;
            else if (TTreeNode* pr = trouve ? trouve->getPrevSibling() : cible->GetLastChild();
                     pr && Rec(pr)->Code == o->GroupeDivision)
                groupe = pr;
        }
        if (groupe) {
            parent = groupe;
            for (TTreeNode* c = groupe->getFirstChild(); c; c = c->getNextSibling())
                if (codeDiv(c) >= o->Division) {
                    if (codeDiv(c) == o->Division) {
                        if (Tf_MessageUtil::Affiche(Traduire(256), mbuOui | mbuNon) != mrYes)
                            return;
                        avant = c->getNextSibling();
                        c->Delete();
                    } else {
                        avant = c;
                    }
                    break;
                }
        } else {
            const int32_t code = o->GroupeDivision >= 1 ? o->GroupeDivision : o->Division;
            TTreeNode* insere = nullptr;
            if (trouve && Rec(trouve)->Code == code && code != 0) {
                if (Tf_MessageUtil::Affiche(Traduire(256), mbuOui | mbuNon) != mrYes)
                    return;
                insere = trouve->getNextSibling();
                // Its championships go back to the list.
                for (TTreeNode* c = trouve->getFirstChild(); c; c = c->getNextSibling())
                    if (Rec(c)->Objet)
                        lb_ListeFichier->Items().AddObject(c->Text(), reinterpret_cast<TStrings::Object>(Rec(c)->Objet));
                trouve->Delete();
            } else {
                insere = trouve;
            }
            parent = AjouteNoeud(cible, insere, p ? p->NomAfficheDivision(code) : std::string(), code, ImageFerme);
        }
    } else {
        return;
    }
    // 1.
    if (o->Code == -1)
        o->Code = ++CodeCourant;
    // 5.
    TTreeNode* n = AjouteNoeud(parent, avant, texte, o->Division, ImageChampionnat);
    Rec(n)->Objet = o;
    tv_Saison->SetSelected(n);
    const int i = lb_ListeFichier->Items().IndexOfObject(reinterpret_cast<TStrings::Object>(o));
    if (i >= 0)
        lb_ListeFichier->Items().Delete(i);
}

// ---- tree buttons --------------------------------------------------------------------------

void Tf_CreationSaison::SelectionChange()
{
    TTreeNode* n = tv_Saison->Selected();
    const int niveau = Niveau(n);
    bc_Separateur->SetVisible(niveau == 1);
    bc_Barrage->SetVisible(niveau == 2 && Rec(n)->Code != -1);
    bc_CreeCoupe->SetVisible(niveau == 1 || niveau == 2);
    sb_Up->SetEnabled(niveau > 1 && n->getPrevSibling());
    sb_Down->SetEnabled(niveau > 1 && n->getNextSibling());
}

void Tf_CreationSaison::sb_UpClick()
{
    TTreeNode* n = tv_Saison->Selected();
    if (Niveau(n) > 1 && n->getPrevSibling())
        n->MoveTo(n->getPrevSibling(), TTreeNode::naInsert);
    SelectionChange();
}

void Tf_CreationSaison::sb_DownClick()
{
    TTreeNode* n = tv_Saison->Selected();
    if (Niveau(n) > 1 && n->getNextSibling())
        n->getNextSibling()->MoveTo(n, TTreeNode::naInsert);
    SelectionChange();
}

void Tf_CreationSaison::bc_SeparateurClick()
{
    TTreeNode* n = tv_Saison->Selected();
    if (Niveau(n) == 1)
        AjouteNoeud(n, nullptr, Traduire(262), -1, ImageFerme);
}

void Tf_CreationSaison::bc_RetirerElementClick()
{
    TTreeNode* n = tv_Saison->Selected();
    if (Niveau(n) < 1)
        return;
    std::vector<TTreeNode*> entrees;
    for (TTreeNode* c = n; c && (c == n || c->HasAsParent(n)); c = c->GetNext())
        if (Rec(c)->Objet)
            entrees.push_back(c);
    for (TTreeNode* c : entrees)
        lb_ListeFichier->Items().AddObject(c->Text(), reinterpret_cast<TStrings::Object>(Rec(c)->Objet));
    for (TTreeNode* c = n; c && (c == n || c->HasAsParent(n)); c = c->GetNext())
        if (EstBarrage(c)) {
            const int32_t numero = Rec(c)->Code;
            std::erase_if(NouveauxBarrages, [&](auto& b) { return (b->Code | BitBarrage) == numero; });
        }
    TTreeNode* parent = n->Parent();
    n->Delete();
    while (parent && parent->Level() > 0 && !parent->HasChildren()) {
        TTreeNode* p = parent->Parent();
        parent->Delete();
        parent = p;
    }
    SelectionChange();
}

// ---- validation ----------------------------------------------------------------------------

void Tf_CreationSaison::AjouteEntrees(TTreeNode* n, TListeEntrees& l) const
{
    for (TTreeNode* c = n->getFirstChild(); c; c = c->getNextSibling()) {
        const TRecNoeud* r = Rec(c);
        TEntreeSaison e;
        e.Niveau = c->Level();
        if (c->Level() >= 3 || r->Objet) {
            e.Niveau = 3;
            e.Objet = r->Objet;
            const int32_t d = r->Objet ? r->Objet->Division : 0;
            // Template divisions by code, with the name the user gave them;
            // the others keep what the tree shows.
            if (!r->Stocke.empty())
                e.Nom = r->Stocke;
            else if (d != 0 && (d <= 1000 || d > 10000))
                e.Nom = r->NomLibre ? NomStockeCode(d, c->Text()) : NomStockeCode(d);
            else
                e.Nom = NomStocke(c->Text());
        } else {
            e.Lien = r->Lien;
            if (c->Level() == 2 && (r->Code & BitBarrage))
                e.Nom = !r->Stocke.empty() ? r->Stocke : NomStockeCode(r->Code, c->Text());
            else if (r->Code == -1)
                e.Nom = NomStockeCode(-1, c->Text());
            else
                e.Nom = r->Code != 0 ? NomStockeCode(r->Code) : NomStocke(c->Text());
        }
        l.push_back(e);
        AjouteEntrees(c, l);
    }
}

TListeEntrees Tf_CreationSaison::Entrees() const
{
    TListeEntrees l;
    if (TTreeNode* racine = tv_Saison->Items().GetFirstNode())
        AjouteEntrees(racine, l);
    return l;
}

void Tf_CreationSaison::b_ValiderClick()
{
    const int mode = Tag;
    if (!Saison)
        return;
    // 1.
    if (!(mode & (16 | 64)) && lb_ListeFichier->Items().Count() > 0) {
        Tf_MessageUtil::Affiche(Traduire(257), mbuValider);
        return;
    }
    // 2. Entries of every level count: one league made from a template is
    // its group node, its division node and itself.
    const TListeEntrees l = Entrees();
    if (l.size() < 2) {
        Tf_MessageUtil::Affiche(Traduire(128), mbuValider);
        return;
    }
    const std::string dll = MakePath(dossier_, "Dll\\");
    const TModeConstruction construction = (mode & 16) ? TModeConstruction::Nouvelle : TModeConstruction::Complete;
    const std::string fichier = e_RepSauve->FileName();
    // 3. A file of that name is replaced only when the user says so.
    if ((mode & 16) && FileExists(fichier) &&
        Tf_MessageUtil::Affiche(TraduireFormat(3404, {FileNameToText(ExtractFileName(fichier))}), mbuOui | mbuAnnuler) !=
            mrYes)
        return;
    // The files to import are read before anything changes: one that cannot
    // be read leaves the season and the window as they were.
    TFichiersEntrees lus;
    if (!TTraiteurFichier::LitFichiersEntrees(l, Saison->Sport(), dll, construction, lus))
        return;
    if (mode & 16) {
        AttacheCrees();
        TTraiteurFichier::ConstruitSaison(*Saison, l, Saison->Sport(), dll, NouveauxBarrages, &lus);
        ForceDirectories(ExtractFilePath(fichier));
        SetModalResult(mrOk);
        Enregistree = TTraiteurFichier::Sauver(fichier, Saison, nullptr, dll, fichierParametres_, Statut, rappel_, true);
        return;
    }
    // 4.
    if ((mode & 64) && lb_ListeFichier->Items().Count() > 0) {
        std::vector<TDonneesChampionnat*> retires;
        for (int i = 0; i < lb_ListeFichier->Items().Count(); ++i) {
            const TListObj* o = lb_ListeFichier->Items().ObjectPtr<TListObj>(i);
            if (o->Code >= 0 && o->Fichier.empty())
                if (TDonneesChampionnat* c = Saison->Arbre().ChampionnatParCode(o->Code))
                    retires.push_back(c);
        }
        if (!retires.empty()) {
            TOwned<Tf_RetirerChamp> f(new Tf_RetirerChamp(this));
            f->ChangeCouleurs(Couleurs);
            f->ChangeSaison(Saison);
            f->DonneListe(retires);
            // Its Cancel, Escape or close box, or No to its question: the
            // season stays as it was, this window open.
            if (f->ShowModal() != mrOk || f->Abandon)
                return;
        }
    }
    AttacheCrees();
    TTraiteurFichier::CompleteSaison(*Saison, l, Saison->Sport(), dll, NouveauxBarrages, &lus);
    SetModalResult(mrOk);
}

void Tf_CreationSaison::AttacheCrees()
{
    for (auto& c : crees_)
        Saison->AjouteChampionnat(std::move(c), false);
    crees_.clear();
}

void Tf_CreationSaison::RetireCrees()
{
    // The teams this window added to an open season and that no championship
    // holds leave it again.
    crees_.clear();
    if (!Saison)
        return;
    std::vector<int> ids;
    for (int i = 0; i < Saison->NbEquipe(); ++i)
        if (const int id = Saison->IdEquipe(i);
            id >= premiereEquipe_ && Saison->Arbre().ListeChampionnatsEquipe(id).empty())
            ids.push_back(id);
    for (int id : ids)
        Saison->SupprimeEquipe(id);
}

void Tf_CreationSaison::b_AnnulerClick()
{
    SetModalResult(mrCancel);
}

void Tf_CreationSaison::Renonce()
{
    // The season's play-offs as they were before their first edit here.
    for (auto& [barrage, avant] : barragesAvant_)
        *barrage = *avant;
    barragesAvant_.clear();
    NouveauxBarrages.clear();
    if (!(Tag & (32 | 4))) {
        crees_.clear();
        saisonNouvelle_.reset();
        Saison = nullptr;
    } else {
        RetireCrees();
    }
}
