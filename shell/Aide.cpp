#include "shell/Aide.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/gui/Forms.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/HtmlHelp.h"
#include "shell/Globales.h"

namespace {
std::string& Fichier()
{
    static std::string f;
    return f;
}
}  // namespace

const std::string& FichierAide() { return Fichier(); }
void SetFichierAide(const std::string& fichier)
{
    Fichier() = fichier;
    // The windows below the shell ask the application for it.
    if (Application)
        Application->HelpFile = fichier;
}

std::string FichierAideLangue(const std::string& langue)
{
    return MakePath(RepertoireProgramme(), langue == "en" ? "help\\en" : "help\\fr");
}

bool AfficheAide(const std::string& topic)
{
    const std::string cible = topic.empty() ? FichierAide() : FichierAide() + "::/" + topic;
    return HtmlHelpA(nullptr, cible, HH_DISPLAY_TOPIC, 0) != 0;
}

void FermeAides() { HtmlHelpA(nullptr, "", HH_CLOSE_ALL, 0); }

// ---- diagnostics --------------------------------------------------------------------

unsigned IdentifiantLocale()
{
    const char* noms[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::string l;
    for (const char* n : noms)
        if (const char* v = std::getenv(n); v && *v)
        {
            l = v;
            break;
        }
    struct Locale
    {
        const char* prefixe;
        unsigned id;
    };
    static const Locale table[] = {
        {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C}, {"fr", 0x040C},
        {"en_GB", 0x0809}, {"en_US", 0x0409}, {"en", 0x0409}, {"de", 0x0407},
        {"es", 0x0C0A}, {"it", 0x0410}, {"nl", 0x0413}, {"pt", 0x0816},
    };
    for (const Locale& e : table)
        if (l.rfind(e.prefixe, 0) == 0)
            return e.id;
    return 0x0409;
}

TDiagnosticAide CalculeDiagnostic(const std::vector<std::string>& arguments, const std::string& nomModule,
                                  const std::string& fichierAide)
{
    TDiagnosticAide d;
    d.Arguments = arguments;
    d.NomModule = nomModule;
    d.DossierModule = ExcludeTrailingPathDelimiter(ExtractFilePath(nomModule));
    d.DossierExecution = arguments.empty() ? std::string()
                                           : ExcludeTrailingPathDelimiter(ExtractFilePath(ExpandFileName(arguments[0])));
    // The report goes beside the program when a file can be made there.
    const std::string essai = MakePath(d.DossierModule, "$_Temp_$.$$$");
    if (FILE* f = std::fopen(essai.c_str(), "wb"))
    {
        std::fclose(f);
        DeleteFile(essai);
        d.DossierDiagnostic = d.DossierModule;
    }
    else
    {
        const std::string temp = ExcludeTrailingPathDelimiter(GetTempDir());
        d.DossierDiagnostic = DirectoryExists(temp) ? temp : std::string("/tmp");
    }
    d.Actif = FileExists(MakePath(d.DossierModule, "debug.debug"));
    for (size_t i = 1; i < arguments.size(); ++i)
        if (LowerCase(arguments[i]) == "-debug" || LowerCase(arguments[i]) == "/debug")
            d.Actif = true;
    // The help support: the page folder and the program's viewer.
    d.AideChemin = fichierAide;
    d.AideInstallee = HtmlHelpLoaded() && DirectoryExists(fichierAide);
    if (d.AideInstallee)
    {
        d.AideVersion = HtmlHelpVersion();
        d.AideNom = "HTML";
    }
    // What shows the pages: the program's own view, on this system.
    utsname u{};
    if (::uname(&u) == 0)
    {
        d.NavigateurInstalle = true;
        d.NavigateurVersion = u.release;
        d.NavigateurNom = std::string(u.sysname) + " " + u.machine;
    }
    d.Rapport = d.DossierDiagnostic + "/HHDebug.txt";
    return d;
}

void EcritLigneDiagnostic(const std::string& rapport, const std::string& ligne)
{
    std::string t = ligne;
    if (t == "-")
        t = std::string(80, '-');
    else if (t == "=")
        t = std::string(80, '=');
    if (!t.empty() && (t[0] == '!' || t[0] == '-' || t[0] == '='))
        t.erase(0, 1);
    else
        t = FormatDateTime("hh:nn:ss", Now()) + "   " + t;
    FILE* f = std::fopen(rapport.c_str(), "ab");
    if (!f)
        return;
    t += "\r\n";
    std::fwrite(t.data(), 1, t.size(), f);
    std::fclose(f);
}

void LanceDiagnostic(const TDiagnosticAide& d)
{
    DeleteFile(d.Rapport);
    if (!d.Actif)
        return;
    const std::string tab = "\t";
    auto ligne = [&](const char* format, const std::string& valeur) {
        EcritLigneDiagnostic(d.Rapport, Format(format, {tab + valeur}));
    };
    const unsigned lcid = IdentifiantLocale();
    ligne("!Filename:             %s", d.Rapport);
    ligne("!Date:                 %s", FormatDateTime("dd/mm/yyyy hh:nn:ss", Now()));
    ligne("!SysLocale.DefaultLCID: %s", "0x" + IntToHex(lcid, 4));
    ligne("!SysLocale.PriLangID:   %s", "0x" + IntToHex(lcid & 0x3FF, 4));
    ligne("!SysLocale.SubLangID:   %s", "0x" + IntToHex(lcid >> 10, 4));
    ligne("!DecimalSeparator:      %s", std::string(1, FormatSettings().DecimalSeparator));
    EcritLigneDiagnostic(d.Rapport, "-");
    ligne("!EXE Path =          %s", d.Arguments.empty() ? std::string() : d.Arguments[0]);
    ligne("!_RunDir =           %s", d.DossierExecution);
    ligne("!_ModuleName =       %s", d.NomModule);
    ligne("!_ModuleDir =        %s", d.DossierModule);
    EcritLigneDiagnostic(d.Rapport, "-");
    ligne("!_hhInstalled =      %s", d.AideInstallee ? "YES" : "NO");
    ligne("!_hhVerStr =         %s", d.AideVersion);
    ligne("!_hhFriendlyVerStr = %s", d.AideNom);
    EcritLigneDiagnostic(d.Rapport, "-");
    ligne("!_ieInstalled =      %s", d.NavigateurInstalle ? "YES" : "NO");
    ligne("!_ieVerStr =         %s", d.NavigateurVersion);
    ligne("!_ieFriendlyVerStr = %s", d.NavigateurNom);
}
