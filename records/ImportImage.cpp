#include "records/ImportImage.h"

#include "model/oTraducteur.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"

std::unique_ptr<TGraphic> LitImageFichier(const std::string& fichier, std::string& erreur)
{
    std::unique_ptr<TGraphic> image = TPicture::CreateGraphicForFile(fichier);
    if (!image)
    {
        erreur = TraduireFormat(3301, {FileNameToText(ExtractFileName(fichier))});
        return nullptr;
    }
    try
    {
        image->LoadFromFile(fichier);
    }
    catch (const std::exception&)
    {
        erreur = TraduireFormat(3300, {FileNameToText(ExtractFileName(fichier))});
        return nullptr;
    }
    if (image->Empty())
    {
        erreur = TraduireFormat(3300, {FileNameToText(ExtractFileName(fichier))});
        return nullptr;
    }
    return image;
}
