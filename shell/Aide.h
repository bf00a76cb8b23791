// Help access of the program and the diagnostic report of its help support.
//
// The help "file" of a language is the folder help/<lang>/ beside the program
// (help/fr, help/en); a topic is a page of it ("html/menuopt.htm"), opened
// through the help entry point of the platform with "folder::/topic".
#pragma once

#include <string>
#include <vector>

// The help folder set at start-up by the main window, by language (the
// application's HelpFile too).
const std::string& FichierAide();
void SetFichierAide(const std::string& fichier);
// help/en for "en", help/fr for any other language, in the program folder.
std::string FichierAideLangue(const std::string& langue);

// Shows a topic of the help (the contents when topic is empty), as the help
// buttons do; false when nothing could be shown.
bool AfficheAide(const std::string& topic = {});
// Closes every help window.
void FermeAides();

// Facts about the installation gathered once at start-up.
struct TDiagnosticAide
{
    std::string NomModule;          // the program file, full path
    std::string DossierModule;      // its folder, no trailing separator
    std::string DossierExecution;   // folder of the first command-line argument
    std::string DossierDiagnostic;  // where the report goes
    bool Actif = false;             // "debug.debug" beside the program, or -debug / /debug
    std::string AideChemin;         // the help folder
    bool AideInstallee = false;
    std::string AideVersion;
    std::string AideNom;
    bool NavigateurInstalle = false;   // the view that shows the pages
    std::string NavigateurVersion;
    std::string NavigateurNom;
    std::string Rapport;            // DossierDiagnostic + "/HHDebug.txt"
    std::vector<std::string> Arguments;
};

// Gathers the facts: arguments as given to main(), nomModule the program file.
TDiagnosticAide CalculeDiagnostic(const std::vector<std::string>& arguments, const std::string& nomModule,
                                  const std::string& fichierAide);
// Deletes an old report, then writes the report when diagnostics are on.
void LanceDiagnostic(const TDiagnosticAide& d);
// The line writer: appends one line to the report ("-" and "=" lines become 80
// characters; a first "!", "-" or "=" is dropped; other lines follow the time).
void EcritLigneDiagnostic(const std::string& rapport, const std::string& ligne);

// Locale facts in the form of the desktop's locale ids (for the report).
unsigned IdentifiantLocale();
