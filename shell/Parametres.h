// The settings file brivantel.ini: its place and the keys that need more than
// one read (recent files, lists of command ids). Every reader opens the file,
// reads or writes what it needs and lets it go; TIniFile writes at once.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class TIniFile;
class TStringList;

inline constexpr const char* NomFichierParametres = "brivantel.ini";
inline constexpr int MaxDerniersFichiers = 8;
// The longest path a recent file can have; a longer value is no file name.
inline constexpr size_t LongueurNomFichierMax = 4096;

// brivantel.ini in the folder where the program writes (RepertoireEcriture).
std::string CheminParametres();

// A file name the settings remember (the recent files, [General] LastFile):
// the system's (UTF-8); one written in Windows-1252 by an older version stays
// as it is while its file is there, else it is the UTF-8 name when that file
// is there. Every road that opens a remembered name reads it so.
std::string NomFichierRetenu(const std::string& nom);
// [LastFile]: Count (at most MaxDerniersFichiers taken), then
// File0..File<Count-1>; the non-empty ones no longer than a path are
// appended, read by NomFichierRetenu.
void LitDerniersFichiers(const TIniFile& ini, TStringList& liste);
// The language code of the settings (letters only, "fr", "en"...); empty for
// any other value, which names no language file.
std::string LangueValide(const std::string& langue);
// Writes Count = min(n, 8) and the first Count entries; older higher entries stay.
void EcritDerniersFichiers(TIniFile& ini, const TStringList& liste);

// "5-12-198" <-> {5, 12, 198}; an element that is not a number counts as 0;
// an empty text is an empty list.
std::vector<int> LitListeCommandes(const std::string& texte);
std::string TexteListeCommandes(const std::vector<int>& ids);
