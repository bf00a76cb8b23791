#include "shell/Parametres.h"

#include <algorithm>

#include "platform/gui/Dialogs.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

// Older versions wrote a name in Windows-1252 bytes: it stays as written
// while a file of those bytes is there (it opens by them), else it is the
// UTF-8 name the program now writes when that file is there.
std::string NomFichierRetenu(const std::string& f)
{
    if (IsUtf8(f) || FileExists(f))
        return f;
    // (its folders may be named in UTF-8 already)
    const std::string utf8 = FileNameFromText(FileNameToText(f));
    return FileExists(utf8) ? utf8 : f;
}

void LitDerniersFichiers(const TIniFile& ini, TStringList& liste)
{
    // The list never holds more than it may show: a larger count is no
    // count of ours.
    const int n = std::min(ini.ReadInteger("LastFile", "Count", 0), MaxDerniersFichiers);
    for (int i = 0; i < n; ++i)
    {
        const std::string f = ini.ReadString("LastFile", "File" + IntToStr(i), "");
        if (!f.empty() && f.size() <= LongueurNomFichierMax)
            liste.Add(NomFichierRetenu(f));
    }
}

std::string LangueValide(const std::string& langue)
{
    if (langue.empty() || langue.size() > 8)
        return {};
    for (char c : langue)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return {};
    return langue;
}

void EcritDerniersFichiers(TIniFile& ini, const TStringList& liste)
{
    const int n = std::min(liste.Count(), MaxDerniersFichiers);
    ini.WriteInteger("LastFile", "Count", n);
    for (int i = 0; i < n; ++i)
        ini.WriteString("LastFile", "File" + IntToStr(i), liste[i]);
}

std::vector<int> LitListeCommandes(const std::string& texte)
{
    std::vector<int> ids;
    if (texte.empty())
        return ids;
    size_t debut = 0;
    for (;;)
    {
        const size_t fin = texte.find('-', debut);
        const std::string element = texte.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
        ids.push_back(StrToIntDef(Trim(element), 0));
        if (fin == std::string::npos)
            break;
        debut = fin + 1;
    }
    return ids;
}

std::string TexteListeCommandes(const std::vector<int>& ids)
{
    std::string t;
    for (size_t i = 0; i < ids.size(); ++i)
    {
        if (i)
            t += '-';
        t += IntToStr(ids[i]);
    }
    return t;
}
