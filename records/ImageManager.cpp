#include "records/ImageManager.h"

#include "model/SaisonFiches.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "records/ImportImage.h"

namespace {

std::unique_ptr<TImageManager>& Magasin()
{
    static std::unique_ptr<TImageManager> m;
    return m;
}

const char* const MotsGenre[TImageManager::NbGenres] = {"stade", "arbitre", "joueur"};

}   // namespace

const char* TImageManager::MotGenre(int genre)
{
    return genre >= 0 && genre < NbGenres ? MotsGenre[genre] : "";
}

TImageManager::TImageManager(const std::string& dossier) : dossier_(IncludeTrailingPathDelimiter(ToNativePath(dossier)))
{
    Parcourt();
}

void TImageManager::Parcourt()
{
    for (const TSearchRec& r : ListFiles(dossier_, "*"))
    {
        // The extension is what follows the first dot.
        const size_t point = r.Name.find('.');
        if (point == std::string::npos || !SameText(r.Name.substr(point + 1), "jpg"))
            continue;
        std::string reste = r.Name.substr(0, point);
        const size_t t1 = reste.find('_');
        if (t1 == std::string::npos)
            continue;
        const std::string mot = reste.substr(0, t1);
        reste.erase(0, t1 + 1);
        const size_t t2 = reste.find('_');
        const int32_t id = StrToIntDef(reste.substr(0, t2), 0);
        std::string nom = t2 == std::string::npos ? std::string() : reste.substr(t2 + 1);
        if (nom.empty())
            continue;
        nom = FileNameToText(nom);
        for (int g = 0; g < NbGenres; ++g)
            if (SameText(mot, MotsGenre[g]))
            {
                photos_[g].push_back({nom, id, r.Name});
                if (id > max_[g])
                    max_[g] = id;
            }
    }
}

std::string TImageManager::NettoieNom(const std::string& nom)
{
    std::string n;
    for (size_t i = 0; i < nom.size(); ++i)
    {
        const char c = nom[i];
        const auto u = static_cast<unsigned char>(c);
        // A letter the system's name gave (kept apart) stays, whole.
        char32_t lettre = 0;
        if (size_t fin = 0; KeptCharAt(nom, i, lettre, fin))
        {
            n.append(nom, i, fin - i);
            i = fin - 1;
            continue;
        }
        if (u < 32 || u == 127 || std::string_view("/\\.:*?\"<>|").find(c) != std::string_view::npos)
            continue;
        n += c;
    }
    // Blanks at its ends go (a kept letter at its start is no blank).
    size_t debut = 0, fin = n.size();
    while (debut < fin && static_cast<unsigned char>(n[debut]) <= 0x20 && n[debut] != '\0')
        ++debut;
    while (fin > debut && static_cast<unsigned char>(n[fin - 1]) <= 0x20)
        --fin;
    return n.substr(debut, fin - debut);
}

const TImageManager::TPhoto* TImageManager::Cherche(int genre, int32_t id) const
{
    if (genre < 0 || genre >= NbGenres)
        return nullptr;
    for (const TPhoto& p : photos_[genre])
        if (p.Id == id)
            return &p;
    return nullptr;
}

bool TImageManager::IdLibre(int genre, int32_t id) const
{
    const std::string masque = std::string(MotsGenre[genre]) + "_" + IntToStr(id) + "_*";
    return !Cherche(genre, id) && ListFiles(dossier_, masque).empty();
}

int TImageManager::Ajoute(int genre, const TGraphic& image, const std::string& nom)
{
    const std::string propre = NettoieNom(nom);
    if (genre < 0 || genre >= NbGenres || propre.empty() || image.Empty())
        return -1;
    int32_t id = max_[genre] + 1;
    while (!IdLibre(genre, id))
        ++id;
    const std::string fichier = std::string(MotsGenre[genre]) + "_" + IntToStr(id) + "_" + FileNameFromText(propre) + ".jpg";
    try
    {
        ForceDirectories(dossier_);
        TJPEGImage jpeg;
        jpeg.Assign(image);
        jpeg.SaveToFile(dossier_ + fichier);
    }
    catch (const std::exception&)
    {
        return -1;
    }
    max_[genre] = id;
    photos_[genre].push_back({propre, id, fichier});
    return id;
}

void TImageManager::Supprime(int genre, int32_t id)
{
    if (genre < 0 || genre >= NbGenres)
        return;
    auto& l = photos_[genre];
    for (auto it = l.begin(); it != l.end(); ++it)
        if (it->Id == id)
        {
            l.erase(it);
            return;
        }
}

bool TImageManager::Renomme(int genre, int32_t id, const std::string& nom)
{
    const std::string propre = NettoieNom(nom);
    auto* p = const_cast<TPhoto*>(Cherche(genre, id));
    if (!p || propre.empty())
        return false;
    const std::string fichier = std::string(MotsGenre[genre]) + "_" + IntToStr(id) + "_" + FileNameFromText(propre) + ".jpg";
    if (fichier != p->Fichier && (FileExists(dossier_ + fichier) || !RenameFile(dossier_ + p->Fichier, dossier_ + fichier)))
        return false;
    p->Nom = propre;
    p->Fichier = fichier;
    return true;
}

int TImageManager::IndexPhoto(int genre, int32_t id) const
{
    if (genre < 0 || genre >= NbGenres)
        return 0;
    const auto& l = photos_[genre];
    for (size_t i = 0; i < l.size(); ++i)
        if (l[i].Id == id)
            return static_cast<int>(i);
    return static_cast<int>(l.size());
}

std::string TImageManager::NomPhoto(int genre, int32_t id) const
{
    const TPhoto* p = Cherche(genre, id);
    return p ? p->Nom : std::string();
}

bool TImageManager::Element(int genre, int index, std::string& nom, int32_t& id) const
{
    if (genre < 0 || genre >= NbGenres || index < 0 || index >= Nombre(genre))
    {
        nom.clear();
        return false;
    }
    const TPhoto& p = photos_[genre][static_cast<size_t>(index)];
    nom = p.Nom;
    id = p.Id;
    return true;
}

std::string TImageManager::NomFichier(int genre, int32_t id) const
{
    const TPhoto* p = Cherche(genre, id);
    return p ? dossier_ + p->Fichier : std::string();
}

std::unique_ptr<TJPEGImage> TImageManager::ChargeImage(int genre, int32_t id) const
{
    const std::string f = NomFichier(genre, id);
    if (f.empty() || !FileExists(f))
        return nullptr;
    auto image = std::make_unique<TJPEGImage>();
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

int TImageManager::Nombre(int genre) const
{
    return genre >= 0 && genre < NbGenres ? static_cast<int>(photos_[genre].size()) : 0;
}

TImageManager* ImageManager()
{
    return Magasin().get();
}

void InstalleImageManager(std::unique_ptr<TImageManager> store)
{
    Magasin() = std::move(store);
    if (Magasin())
        InstalleNomFichierImage(
            [](int genre, int32_t id) { return Magasin() ? Magasin()->NomFichier(genre, id) : std::string(); });
    else
        InstalleNomFichierImage(nullptr);
}

std::unique_ptr<TJPEGImage> ImportePhoto(const std::string& fichier, std::string& erreur)
{
    const std::unique_ptr<TGraphic> image = LitImageFichier(fichier, erreur);
    if (!image)
        return nullptr;
    // Drawn on white: transparent pixels become white.
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(image->Width(), image->Height());
    bitmap.Canvas().Brush.SetColor(clWhite);
    bitmap.Canvas().FillRect(Rect(0, 0, image->Width(), image->Height()));
    image->Draw(bitmap.Canvas(), Rect(0, 0, image->Width(), image->Height()));
    auto jpeg = std::make_unique<TJPEGImage>();
    jpeg->Assign(bitmap);
    return jpeg;
}
