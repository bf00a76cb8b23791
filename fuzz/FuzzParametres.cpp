// libFuzzer target: the settings file over arbitrary bytes: every section and
// key listed, the recent files and command lists read, one value written and
// read back, through the reader every window uses.
#include <cstdlib>

#include "fuzz/FuzzAnnexes.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringList.h"
#include "shell/Parametres.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string f = FichierFuzz("parametres", data, size);
    TIniFile ini(f);
    TStringList sections;
    ini.ReadSections(sections);
    for (int i = 0; i < sections.Count() && i < 64; ++i) {
        TStringList valeurs;
        ini.ReadSectionValues(sections[i], valeurs);
        TStringList cles;
        ini.ReadSection(sections[i], cles);
        for (int k = 0; k < cles.Count() && k < 64; ++k) {
            ini.ReadInteger(sections[i], cles[k], 0);
            ini.ReadFloat(sections[i], cles[k], 0);
        }
    }
    TStringList recents;
    LitDerniersFichiers(ini, recents);
    if (recents.Count() > MaxDerniersFichiers)
        std::abort();
    for (int i = 0; i < recents.Count(); ++i)
        if (recents[i].empty() || recents[i].size() > LongueurNomFichierMax)
            std::abort();
    LitListeCommandes(ini.ReadString("General", "Favoris", ""));
    LangueValide(ini.ReadString("General", "Langue", ""));
    try {
        ini.WriteString("General", "Essai", "valeur=1");
        if (ini.ReadString("General", "Essai", "") != "valeur=1")
            std::abort();
        EcritDerniersFichiers(ini, recents);
        TStringList relus;
        LitDerniersFichiers(ini, relus);
        if (relus.Count() != recents.Count())
            std::abort();
    } catch (const EIniFileException&) {
    }
    return 0;
}
