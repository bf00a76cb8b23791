// The readers of a page-template call's parameters and the functions every
// championship view serves ("inclure", "AddSuffixeNomFic", "ecrire"), with the
// chart pictures written beside the pages. TFootForm derives from this class,
// so the views call the readers as their own.
//
// A template call hands over: the function name, the parameter list (bare words
// such as Division, and name=value items such as Journee=12), the page names
// "output file|template file" and the season. A result starting with "##" is
// text to insert as it stands; "#*<suffix>*<new output name>" renames the page.
#pragma once

#include <string>
#include <vector>

#include "platform/gui/Graphics.h"
#include "platform/rtl/StringList.h"

class TDonneesChampionnat;
class TGraphe;
class TSaison;

class TFonctionsGabarit
{
public:
    // ---- parameters ----
    // The value of the parameter "Nom=..." (the first one; names compare
    // without regard to case; bare words never match), or Defaut.
    static void Parametre(const std::string& Nom, const TStringList& Parametres, std::string& Valeur,
                          const std::string& Defaut);
    static std::string Parametre(const std::string& Nom, const TStringList& Parametres, const std::string& Defaut);
    static int ParametreEntier(const std::string& Nom, const TStringList& Parametres, int Defaut);
    // A value "[a, 'b c', "d"]" as its items (a, b c, d); a plain value as one
    // item; an absent name as the one item Defaut. Delimiters inside quotes
    // belong to the item; an item missing its "]" ends with the text.
    static void ParametreListe(const std::string& Nom, const TStringList& Parametres, std::vector<std::string>& Valeurs,
                               const std::string& Defaut);
    // The championship of code "Division" (1 when not an integer) in the
    // season's competition tree; the season's current one when the parameter is
    // absent or empty. nullptr when none.
    static TDonneesChampionnat* ChampionnatParametre(const TStringList& Parametres, TSaison* Saison);
    // True for an item without "=".
    static bool MotSimple(const std::string& item);

    // ---- the functions every view serves ----
    // Serves "inclure" and "AddSuffixeNomFic" and answers true; for any other
    // name it empties Resultat and answers false (the caller then lets its
    // EcritValeur serve the name).
    static bool ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                const std::string& Pages, TSaison* Saison);
    // Serves "ecrire": appends the value of each bare word of Mots (of
    // Parametres when Mots is null).
    static void EcritValeur(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                            const TStringList* Mots, const std::string& Pages, TSaison* Saison);

    // ---- charts ----
    // The chart drawn on the background into "<Temp folder>/<Nom>.png" (the
    // folder created when missing, the file replaced). Answers the file written.
    static std::string SauveImagePNG(TGraphe& Graphe, const std::string& Nom, TColor CouleurFond);
    // The folder "Temp" beside the program (or in the user's folder when the
    // program's is read-only), with its separator.
    static std::string DossierTemp();

    // The page names split at the first "|".
    static std::string FichierSortie(const std::string& Pages);
    static std::string FichierModele(const std::string& Pages);
    // Inserts the suffix before the extension of the file name (the last "."
    // after the last folder separator); "" when the file name has none.
    static std::string InsereSuffixe(const std::string& Fichier, const std::string& Suffixe);
};
