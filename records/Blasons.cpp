#include "records/Blasons.h"

#include "codecs/PngPicture.h"
#include "model/MultiSport.h"
#include "model/oTraducteur.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "records/ImportImage.h"
#include "records/IndexBlasons.h"

namespace {

std::unique_ptr<TBlasons>& Catalogue()
{
    static std::unique_ptr<TBlasons> c;
    return c;
}

// Any picture as PNG: a PNG or a bitmap directly, another through its bitmap.
void VersPng(const TGraphic& image, TPngPicture& png)
{
    if (dynamic_cast<const TPngPicture*>(&image) || dynamic_cast<const TBitmap*>(&image))
    {
        png.Assign(image);
        return;
    }
    TBitmap b;
    image.AssignTo(b);
    png.Assign(b);
}

}   // namespace

TBlasons::TBlasons(const std::string& dossier) : dossier_(MakePath(IncludeTrailingPathDelimiter(dossier), "blasons/"))
{
    LitIndex();
}

std::string TBlasons::FichierIndex() const
{
    return dossier_ + "blasons.txt";
}

void TBlasons::LitIndex()
{
    std::string texte;
    if (!ReadFileBytes(FichierIndex(), texte))
        return;
    TIndexBlasons index = LitIndexBlasons(texte);
    endommage_ = !index.Complet;
    for (TEntreeBlason& e : index.Entrees)
    {
        if (e.Parent == 0 && e.Id > paysMax_)
            paysMax_ = e.Id;
        if (e.Parent > 0 && e.Id > equipeMax_)
            equipeMax_ = e.Id;
        entrees_.push_back(std::move(e));
    }
}

int TBlasons::IndexBlason(int id) const
{
    for (size_t i = 0; i < entrees_.size(); ++i)
        if ((entrees_[i].Id & 0xFFFF) == id)
            return static_cast<int>(i);
    return -1;
}

std::string TBlasons::NomFichier(int id) const
{
    if (IndexBlason(id) < 0)
        return {};
    return dossier_ + IntToStr(id) + ".png";
}

std::unique_ptr<TPngPicture> TBlasons::ChargeBlason(int id) const
{
    const std::string f = NomFichier(id);
    if (f.empty() || !FileExists(f))
        return nullptr;
    auto image = std::make_unique<TPngPicture>();
    try
    {
        image->LoadFromFile(f);
    }
    catch (const std::exception&)
    {
        return nullptr;
    }
    return image->Empty() ? nullptr : std::move(image);
}

int TBlasons::Ajoute(const std::string& nom, int parent, const TGraphic& image, int& dernier, int maximum)
{
    // "#" ends an entry of the index: such a name would cut it in two.
    if (image.Empty() || nom.find('#') != std::string::npos)
        return -1;
    // The next id whose picture is not on disk yet: an existing file is never replaced.
    int id = dernier + 1;
    while (id <= maximum && (FileExists(dossier_ + IntToStr(id) + ".png") || IndexBlason(id) >= 0))
        ++id;
    if (id > maximum)
        return -1;
    try
    {
        ForceDirectories(dossier_);
        TPngPicture png;
        VersPng(image, png);
        png.SaveToFile(dossier_ + IntToStr(id) + ".png");
    }
    catch (const std::exception&)
    {
        return -1;
    }
    dernier = id;
    entrees_.push_back({id, parent, nom});
    return id;
}

int TBlasons::AjoutePays(const std::string& nom, const TGraphic& image)
{
    return Ajoute(nom, 0, image, paysMax_, MaxPays);
}

int TBlasons::AjouteEquipe(const std::string& nom, int parent, const TGraphic& image)
{
    return Ajoute(nom, parent, image, equipeMax_, MaxEquipe);
}

bool TBlasons::RemplaceBlason(int id, const TGraphic& image)
{
    const std::string f = NomFichier(id);
    if (f.empty() || image.Empty())
        return false;
    try
    {
        TPngPicture png;
        VersPng(image, png);
        png.SaveToFile(f);
    }
    catch (const std::exception&)
    {
        return false;
    }
    return true;
}

bool TBlasons::Sauve()
{
    const std::string texte = EcritIndexBlasons(entrees_);
    ForceDirectories(dossier_);
    return WriteFileKeepingDamaged(FichierIndex(), texte, endommage_, copieGardee_);
}

bool TBlasons::Element(int index, int& id, int& parent, std::string& nom) const
{
    if (index < 0 || index >= Nombre())
    {
        nom.clear();
        return false;
    }
    const TEntree& e = entrees_[static_cast<size_t>(index)];
    id = e.Id & 0xFFFF;
    parent = e.Parent & 0xFFFF;
    nom = e.Nom;
    return true;
}

TBlasons* Blasons()
{
    return Catalogue().get();
}

void InstalleBlasons(std::unique_ptr<TBlasons> blasons)
{
    Catalogue() = std::move(blasons);
    if (Catalogue())
        InstalleNomFichierBlason([](int id) { return Catalogue() ? Catalogue()->NomFichier(id) : std::string(); });
    else
        InstalleNomFichierBlason(nullptr);
}

std::unique_ptr<TPngPicture> ImporteBlason(const std::string& fichier, std::string& erreur)
{
    const std::unique_ptr<TGraphic> image = LitImageFichier(fichier, erreur);
    if (!image)
        return nullptr;
    auto png = std::make_unique<TPngPicture>();
    VersPng(*image, *png);
    return png;
}
