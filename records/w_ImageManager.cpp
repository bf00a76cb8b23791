#include "records/w_ImageManager.h"

#include "model/oTraducteur.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "records/ImageManager.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"
#include "ui/message2.h"

using namespace ctrl;

std::string FiltreImages()
{
    return Texte(1620, "fichier png (*.png)|*.png|fichier gif (*.gif)|*.gif|fichier jpg (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
                       "fichier bitmap (*.bmp)|*.bmp|Tous les formats graphiques|*.gif;*.png;*.jpg;*.jpeg;*.bmp");
}

TOpenDialog* DialogueImages(TComponent* owner)
{
    auto* d = new TOpenDialog(owner);
    d->SetName("Opd_Image");
    d->Filter = FiltreImages();
    d->FilterIndex = 5;
    return d;
}

Tf_ImageManager::Tf_ImageManager(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_ImageManager", false, 440, 280);
    SetCaption(Texte(1252, "Blasons"));
    lb_Image = new TListBox(this);
    lb_Image->SetName("lb_Image");
    lb_Image->SetBounds(8, 8, 220, 264);
    lb_Image->SetParent(this);
    lb_Image->OnClick = [this](TObject* s) { lb_ImageClick(s); };
    Logo1 = Apercu(this, this, "Logo1", 238, 8, 194, 110);
    e_Nom = Saisie(this, this, "e_Nom", 238, 126, 194);
    bc_Ajouter = Bouton(this, this, "bc_Ajouter", 238, 156, 194, 932);
    bc_Renommer = Bouton(this, this, "bc_Renommer", 238, 184, 194, 1285);
    bc_Effacer = Bouton(this, this, "bc_Effacer", 238, 212, 194, 1070);
    bc_Choisir = Bouton(this, this, "bc_Choisir", 238, 247, 194, TexteChoisirImage);
    bc_Ajouter->OnClick = [this](TObject* s) { bc_AjouterClick(s); };
    bc_Renommer->OnClick = [this](TObject* s) { bc_RenommerClick(s); };
    bc_Effacer->OnClick = [this](TObject* s) { bc_EffacerClick(s); };
    bc_Choisir->OnClick = [this](TObject* s) { bc_ChoisirClick(s); };
    Opd_Image = DialogueImages(this);
    DoCreate();
}

int32_t Tf_ImageManager::IdLigne(int i) const
{
    return static_cast<int32_t>(lb_Image->Items().Objects(i));
}

void Tf_ImageManager::RemplitListe(int32_t id, int genre)
{
    genre_ = genre;
    choisi_ = 0;
    lb_Image->Items().Clear();
    TImageManager* m = ImageManager();
    if (!m)
        return;
    for (int i = 0; i < m->Nombre(genre); ++i)
    {
        std::string nom;
        int32_t n = 0;
        m->Element(genre, i, nom, n);
        if (nom.empty())
            continue;
        lb_Image->Items().AddObject(nom, n);
        if (n == id)
            lb_Image->SetItemIndex(lb_Image->Items().Count() - 1);
    }
    lb_ImageClick(nullptr);
}

void Tf_ImageManager::lb_ImageClick(TObject*)
{
    const int i = lb_Image->ItemIndex();
    TImageManager* m = ImageManager();
    if (i < 0 || !m)
    {
        e_Nom->SetText("");
        Logo1->ChangeImage(nullptr);
        return;
    }
    Logo1->ChangeImage(m->ChargeImage(genre_, IdLigne(i)));
    e_Nom->SetText(m->NomPhoto(genre_, IdLigne(i)));
}

void Tf_ImageManager::bc_AjouterClick(TObject*)
{
    TImageManager* m = ImageManager();
    if (!m)
        return;
    // The picked file's folder the next time; the photo folder the first.
    if (Opd_Image->InitialDir.empty())
        Opd_Image->InitialDir = m->Dossier();
    if (!Opd_Image->Execute())
        return;
    const std::string fichier = Opd_Image->FileName;
    Opd_Image->InitialDir = ExtractFilePath(fichier);
    std::string erreur;
    const std::unique_ptr<TJPEGImage> photo = ImportePhoto(fichier, erreur);
    if (!photo)
    {
        Tf_MessageUtil::Affiche(erreur, 4);
        return;
    }
    // The photo's name is the picked file's, cut at its first dot, as text.
    std::string nom = FileNameToText(ExtractFileName(fichier));
    nom = nom.substr(0, nom.find('.'));
    if (TImageManager::NettoieNom(nom).empty())
    {
        Tf_MessageUtil::Affiche(Texte(3305), 4);
        return;
    }
    const int id = m->Ajoute(genre_, *photo, nom);
    if (id < 0)
    {
        Tf_MessageUtil::Affiche(TraduireFormat(3304, {FileNameToText(m->Dossier())}), 4);
        return;
    }
    lb_Image->Items().AddObject(m->NomPhoto(genre_, id), id);
    lb_Image->SetItemIndex(lb_Image->Items().Count() - 1);
    lb_ImageClick(nullptr);
}

void Tf_ImageManager::bc_EffacerClick(TObject*)
{
    const int i = lb_Image->ItemIndex();
    if (i < 0 || !ImageManager())
        return;
    ImageManager()->Supprime(genre_, IdLigne(i));
    lb_Image->Items().Delete(i);
    lb_Image->SetItemIndex(-1);
    lb_ImageClick(nullptr);
}

void Tf_ImageManager::bc_RenommerClick(TObject*)
{
    const int i = lb_Image->ItemIndex();
    TImageManager* m = ImageManager();
    if (i < 0 || !m)
        return;
    const int32_t id = IdLigne(i);
    if (TImageManager::NettoieNom(e_Nom->GetText()).empty())
    {
        Tf_MessageUtil::Affiche(Texte(3305), 4);
        return;
    }
    if (!m->Renomme(genre_, id, e_Nom->GetText()))
    {
        Tf_MessageUtil::Affiche(TraduireFormat(3306, {m->NomPhoto(genre_, id)}), 4);
        e_Nom->SetText(m->NomPhoto(genre_, id));
        return;
    }
    lb_Image->Items().SetString(i, m->NomPhoto(genre_, id));
    lb_Image->SetItemIndex(i);
    e_Nom->SetText(m->NomPhoto(genre_, id));
}

void Tf_ImageManager::bc_ChoisirClick(TObject*)
{
    const int i = lb_Image->ItemIndex();
    if (i < 0)
        return;
    choisi_ = IdLigne(i);
    SetModalResult(mrOk);
}

bool ChoisitPhoto(TComponent* owner, const TCouleurElement& couleurs, int genre, int32_t& id)
{
    TOwned<Tf_ImageManager> d(new Tf_ImageManager(owner));
    d->ChangeCouleurs(couleurs);
    d->RemplitListe(id, genre);
    if (d->ShowModal() != mrOk)
        return false;
    id = d->Choisi();
    return true;
}
