// Pictures picked by the user for crests and photos.
#pragma once

#include <memory>
#include <string>

class TGraphic;

// Reads a picture file of any registered format. nullptr with a text for the
// user when no format reads that extension, the file is damaged or the
// picture is empty.
std::unique_ptr<TGraphic> LitImageFichier(const std::string& fichier, std::string& erreur);
