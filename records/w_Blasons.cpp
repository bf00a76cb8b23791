#include "records/w_Blasons.h"

#include "codecs/PngPicture.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "records/Blasons.h"
#include "records/Controles.h"
#include "records/w_ImageManager.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"
#include "ui/message2.h"

using namespace ctrl;

// ---- crest dialog ------------------------------------------------------------------------------

Tf_Blasons::Tf_Blasons(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_Blasons", false, 520, 330);
    SetCaption(Texte(1252, "Blasons"));
    tv_Blasons = new TTreeView(this);
    tv_Blasons->SetName("tv_Blasons");
    tv_Blasons->SetBounds(8, 8, 250, 314);
    tv_Blasons->SetParent(this);
    tv_Blasons->OnChange = [this](TObject*, TTreeNode* n) { Montre(n); };
    Logo1 = Apercu(this, this, "Logo1", 268, 8, 120, 110);
    bc_Modifier = Bouton(this, this, "bc_Modifier", 396, 8, 116, 964);
    bc_Choisir = Bouton(this, this, "bc_Choisir", 396, 40, 116, TexteChoisirImage);
    Etiquette(this, this, "Label2", 268, 134, 1632);
    e_Pays = Saisie(this, this, "e_Pays", 268, 152, 244);
    bc_AjoutPays = Bouton(this, this, "bc_AjoutPays", 268, 178, 244, 1231);
    Etiquette(this, this, "Label3", 268, 214, 212);
    e_Equipe = Saisie(this, this, "e_Equipe", 268, 232, 244);
    bc_AjoutEquipe = Bouton(this, this, "bc_AjoutEquipe", 268, 258, 244, 1232);
    bc_AjoutPays->OnClick = [this](TObject* s) { bc_AjoutPaysClick(s); };
    bc_AjoutEquipe->OnClick = [this](TObject* s) { bc_AjoutEquipeClick(s); };
    bc_Modifier->OnClick = [this](TObject* s) { bc_ModifierClick(s); };
    bc_Choisir->OnClick = [this](TObject* s) { bc_ChoisirClick(s); };
    Opd_Image = DialogueImages(this);
    DoCreate();
}

void Tf_Blasons::RemplitArbre(int id, const std::string& nom)
{
    if (!nom.empty())
        e_Equipe->SetText(nom);
    tv_Blasons->Items().Clear();
    choisi_ = 0;
    TBlasons* b = Blasons();
    if (!b)
        return;
    TTreeNode* choisi = nullptr;
    for (int i = 0; i < b->Nombre(); ++i)
    {
        int n = 0, parent = 0;
        std::string texte;
        b->Element(i, n, parent, texte);
        TTreeNode* noeud = nullptr;
        if (parent == 0)
            noeud = tv_Blasons->Items().AddObject(nullptr, texte, n);
        else
            for (int k = 0; k < tv_Blasons->Items().TopCount() && !noeud; ++k)
                if (TTreeNode* p = tv_Blasons->Items().TopItem(k); p->Data == parent)
                    noeud = tv_Blasons->Items().AddChildObject(p, texte, n);
        if (noeud && n == id)
            choisi = noeud;
    }
    tv_Blasons->SetSelected(choisi);
    Montre(choisi);
}

void Tf_Blasons::Montre(TTreeNode* n)
{
    montre_ = n ? static_cast<int>(n->Data) : 0;
    Logo1->ChangeImage(n && Blasons() ? Blasons()->ChargeBlason(montre_) : nullptr);
}

bool Tf_Blasons::ChoisitFichier(std::string& fichier)
{
    if (Opd_Image->InitialDir.empty() && Blasons())
        Opd_Image->InitialDir = Blasons()->Dossier();
    if (!Opd_Image->Execute())
        return false;
    fichier = Opd_Image->FileName;
    Opd_Image->InitialDir = ExtractFilePath(fichier);
    return true;
}

bool Tf_Blasons::NomPermis(const std::string& nom)
{
    // "#" ends an entry of the catalogue's index: the name is refused, the
    // typed text kept to be corrected.
    if (nom.find('#') == std::string::npos)
        return true;
    Tf_MessageUtil::Affiche(Texte(3580, L1("Un nom de blason ne peut pas contenir le caractère « # ».")), 4);
    return false;
}

namespace {

// Writes the index; a damaged index is kept aside first, and the user is told
// where.
void SauveIndex(TBlasons& b)
{
    const bool endommage = b.Endommage();
    if (!b.Sauve())
        Tf_MessageUtil::Affiche(TraduireFormat(3304, {FileNameToText(b.FichierIndex())}), 4);
    else if (endommage)
        Tf_MessageUtil::Affiche(TraduireFormat(3801, {FileNameToText(b.FichierIndex()), FileNameToText(b.CopieGardee())}), 4);
}

}   // namespace

void Tf_Blasons::bc_AjoutPaysClick(TObject*)
{
    TBlasons* b = Blasons();
    const std::string nom = Trim(e_Pays->GetText());
    if (!b || nom.empty() || !NomPermis(nom))
        return;
    std::string fichier, erreur;
    if (ChoisitFichier(fichier))
    {
        const std::unique_ptr<TPngPicture> image = ImporteBlason(fichier, erreur);
        const int id = image ? b->AjoutePays(nom, *image) : -1;
        if (!image)
            Tf_MessageUtil::Affiche(erreur, 4);
        else if (id < 0)
            Tf_MessageUtil::Affiche(Texte(3302), 4);
        else
        {
            tv_Blasons->SetSelected(tv_Blasons->Items().AddObject(nullptr, nom, id));
            Montre(tv_Blasons->Selected());
            SauveIndex(*b);
        }
    }
    e_Pays->SetText("");
}

void Tf_Blasons::bc_AjoutEquipeClick(TObject*)
{
    TBlasons* b = Blasons();
    TTreeNode* n = tv_Blasons->Selected();
    const std::string nom = Trim(e_Equipe->GetText());
    if (!b || !n || nom.empty() || !NomPermis(nom))
        return;
    // A team goes under the country of the selected node.
    TTreeNode* pays = n->Parent() ? n->Parent() : n;
    std::string fichier, erreur;
    if (!ChoisitFichier(fichier))
        return;
    const std::unique_ptr<TPngPicture> image = ImporteBlason(fichier, erreur);
    const int id = image ? b->AjouteEquipe(nom, static_cast<int>(pays->Data), *image) : -1;
    if (!image)
        Tf_MessageUtil::Affiche(erreur, 4);
    else if (id < 0)
        Tf_MessageUtil::Affiche(Texte(3303), 4);
    else
    {
        TTreeNode* nouveau = tv_Blasons->Items().AddChildObject(pays, nom, id);
        pays->SetExpanded(true);
        tv_Blasons->SetSelected(nouveau);
        Montre(nouveau);
        SauveIndex(*b);
        e_Equipe->SetText("");
    }
}

void Tf_Blasons::bc_ModifierClick(TObject*)
{
    TBlasons* b = Blasons();
    if (!b || montre_ <= 0)
        return;
    std::string fichier, erreur;
    if (!ChoisitFichier(fichier))
        return;
    const std::unique_ptr<TPngPicture> image = ImporteBlason(fichier, erreur);
    if (!image)
        Tf_MessageUtil::Affiche(erreur, 4);
    else if (!b->RemplaceBlason(montre_, *image))
        Tf_MessageUtil::Affiche(TraduireFormat(3304, {FileNameToText(b->NomFichier(montre_))}), 4);
    Logo1->ChangeImage(b->ChargeBlason(montre_));
}

void Tf_Blasons::bc_ChoisirClick(TObject*)
{
    if (TTreeNode* n = tv_Blasons->Selected())
    {
        choisi_ = static_cast<int>(n->Data);
        SetModalResult(mrOk);
    }
}

// ---- team crest dialog ---------------------------------------------------------------------------

Tf_ModifierLogo::Tf_ModifierLogo(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_ModifierLogo", false, 420, 300);
    SetCaption(Texte(1252, "Modifier Logo"));
    l_Equipe = new TListBox(this);
    l_Equipe->SetName("l_Equipe");
    l_Equipe->SetBounds(8, 8, 250, 284);
    l_Equipe->SetParent(this);
    l_Equipe->OnClick = [this](TObject* s) { l_EquipeClick(s); };
    Logo1 = Apercu(this, this, "Logo1", 268, 8, 144, 120);
    bc_Modifier = Bouton(this, this, "bc_Modifier", 268, 140, 144, 964);
    bc_Importer = Bouton(this, this, "bc_Importer", 268, 172, 144, 1250);
    bc_Terminer = Bouton(this, this, "bc_Terminer", 268, 267, 144, 965, mrOk);
    bc_Modifier->OnClick = [this](TObject* s) { bc_ModifierClick(s); };
    bc_Importer->OnClick = [this](TObject* s) { bc_ImporterClick(s); };
    DoCreate();
}

void Tf_ModifierLogo::ChangeSaison(TSaison* saison)
{
    TBrivantelForm::ChangeSaison(saison);
    RemplitEquipes(l_Equipe->Items(), saison);
    if (l_Equipe->Items().Count() > 0)
        l_Equipe->SetItemIndex(0);
    l_EquipeClick(nullptr);
}

int Tf_ModifierLogo::EquipeLigne(int i) const
{
    return i >= 0 && i < l_Equipe->Items().Count() ? static_cast<int>(l_Equipe->Items().Objects(i)) : -1;
}

void Tf_ModifierLogo::l_EquipeClick(TObject*)
{
    const int t = EquipeLigne(l_Equipe->ItemIndex());
    const int logo = t >= 0 && Saison ? Saison->LogoEquipe(t) : 0;
    Logo1->ChangeImage(logo >= 1 && Blasons() ? Blasons()->ChargeBlason(logo) : nullptr);
}

void Tf_ModifierLogo::bc_ModifierClick(TObject*)
{
    const int t = EquipeLigne(l_Equipe->ItemIndex());
    if (t < 0 || !Saison)
        return;
    TOwned<Tf_Blasons> d(new Tf_Blasons(this));
    d->ChangeCouleurs(Couleurs);
    d->RemplitArbre(Saison->LogoEquipe(t), Saison->NomEquipe(t));
    if (d->ShowModal() != mrOk)
        return;
    Saison->SetLogoEquipe(t, d->Choisi());
    Modifie = true;
    l_EquipeClick(nullptr);
}

void Tf_ModifierLogo::bc_ImporterClick(TObject*)
{
    TBlasons* b = Blasons();
    if (!b || !Saison)
        return;
    for (int i = 0; i < b->Nombre(); ++i)
    {
        int id = 0, parent = 0;
        std::string nom;
        b->Element(i, id, parent, nom);
        const int t = Saison->ChercheEquipe(nom);
        if (t >= 0 && Saison->LogoEquipe(t) != id)
        {
            Saison->SetLogoEquipe(t, id);
            // A changed crest is a change of the season.
            Modifie = true;
        }
    }
    l_EquipeClick(nullptr);
}
