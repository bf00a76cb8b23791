// Start-up of the people, clubs and venues windows.
#pragma once

#include <string>

// The crest catalogue and the picture store of the program, in the folder where
// the program writes; when that is not the program folder, the shipped crests
// are copied there at the first start. Made once by the main window.
void CreeCataloguesImages(const std::string& dossierProgramme, const std::string& dossierEcriture);

// The record windows reached through hooks: the player cards of the four
// sports and their services, the not-found question of the player lists; the
// template functions of the record views.
void EnregistreFiches();
