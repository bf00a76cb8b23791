#include "ui/GestionFonction.h"

#include <algorithm>

#include "codecs/PngPicture.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "ui/Graphe.h"
#include "ui/GridHtml.h"

// ---- registry --------------------------------------------------------------------------

void TGestionFonction::Ajoute(const std::string& Nom, const TClasseVue& Classe, uint8_t Genre)
{
    entrees_.push_back({Nom, TFonctionEnregistree{Classe, Genre}});
}

const TFonctionEnregistree* TGestionFonction::Cherche(const std::string& Nom) const
{
    for (const auto& e : entrees_)
        if (e.first == Nom)
            return &e.second;
    return nullptr;
}

TGestionFonction& GestionFonctions()
{
    static TGestionFonction registre;
    return registre;
}

void EnregistreFonctionsFootForm()
{
    TClasseVue classe{"TFootForm", nullptr};
    for (const char* nom : {"inclure", "ecrire", "AddSuffixeNomFic"})
        GestionFonctions().Ajoute(nom, classe, 5);
}

// ---- parameters ------------------------------------------------------------------------

bool TFonctionsGabarit::MotSimple(const std::string& item)
{
    return item.find('=') == std::string::npos;
}

void TFonctionsGabarit::Parametre(const std::string& Nom, const TStringList& Parametres, std::string& Valeur,
                                  const std::string& Defaut)
{
    for (int i = 0; i < Parametres.Count(); ++i) {
        const std::string& item = Parametres[i];
        size_t egal = item.find('=');
        if (egal != std::string::npos && SameText(std::string_view(item).substr(0, egal), Nom)) {
            Valeur = item.substr(egal + 1);
            return;
        }
    }
    Valeur = Defaut;
}

std::string TFonctionsGabarit::Parametre(const std::string& Nom, const TStringList& Parametres,
                                         const std::string& Defaut)
{
    std::string v;
    Parametre(Nom, Parametres, v, Defaut);
    return v;
}

int TFonctionsGabarit::ParametreEntier(const std::string& Nom, const TStringList& Parametres, int Defaut)
{
    std::string v = Parametre(Nom, Parametres, std::string());
    int n;
    return TryStrToInt(Trim(v), n) ? n : Defaut;
}

namespace {

bool Guillemet(char c)
{
    return c == '\'' || c == '"';
}

// The blanks outside quotes go, the quotes of each pair go, what is inside stays.
std::string NettoieElement(const std::string& t)
{
    std::string r;
    char ouvert = 0;
    for (char c : t) {
        if (ouvert) {
            if (c == ouvert)
                ouvert = 0;
            else
                r += c;
        } else if (Guillemet(c)) {
            ouvert = c;
        } else if (c != ' ' && c != '\t') {
            r += c;
        }
    }
    return r;
}

}   // namespace

void TFonctionsGabarit::ParametreListe(const std::string& Nom, const TStringList& Parametres,
                                       std::vector<std::string>& Valeurs, const std::string& Defaut)
{
    Valeurs.clear();
    bool trouve = false;
    std::string v;
    for (int i = 0; i < Parametres.Count() && !trouve; ++i) {
        const std::string& item = Parametres[i];
        size_t egal = item.find('=');
        if (egal != std::string::npos && SameText(std::string_view(item).substr(0, egal), Nom)) {
            v = item.substr(egal + 1);
            trouve = true;
        }
    }
    if (!trouve) {
        Valeurs.push_back(Defaut);
        return;
    }
    if (v.empty())
        return;
    if (v[0] != '[') {
        Valeurs.push_back(v);
        return;
    }
    std::string t = v.substr(1);
    while (!Trim(t).empty()) {
        // The item ends at the first "," or "]" outside quotes, or with the text.
        size_t fin = std::string::npos;
        char ouvert = 0;
        for (size_t k = 0; k < t.size(); ++k) {
            char c = t[k];
            if (ouvert) {
                if (c == ouvert)
                    ouvert = 0;
            } else if (Guillemet(c)) {
                ouvert = c;
            } else if (c == ',' || c == ']') {
                fin = k;
                break;
            }
        }
        std::string element;
        if (fin == std::string::npos) {
            element = t;
            t.clear();
        } else {
            element = t.substr(0, fin);
            t.erase(0, fin + 1);
        }
        Valeurs.push_back(NettoieElement(Trim(element)));
    }
}

TDonneesChampionnat* TFonctionsGabarit::ChampionnatParametre(const TStringList& Parametres, TSaison* Saison)
{
    if (!Saison)
        return nullptr;
    std::string v = Trim(Parametre("Division", Parametres, std::string()));
    if (v.empty())
        return Saison->ChampionnatCourant();
    int code;
    if (!TryStrToInt(v, code))
        code = 1;
    return Saison->Arbre().ChampionnatParCode(code);
}

// ---- page names and files --------------------------------------------------------------

std::string TFonctionsGabarit::FichierSortie(const std::string& Pages)
{
    size_t p = Pages.find('|');
    return p == std::string::npos ? Pages : Pages.substr(0, p);
}

std::string TFonctionsGabarit::FichierModele(const std::string& Pages)
{
    size_t p = Pages.find('|');
    return p == std::string::npos ? std::string() : Pages.substr(p + 1);
}

std::string TFonctionsGabarit::InsereSuffixe(const std::string& Fichier, const std::string& Suffixe)
{
    size_t sep = Fichier.find_last_of("\\/");
    size_t point = Fichier.rfind('.');
    if (point == std::string::npos || (sep != std::string::npos && point < sep))
        return std::string();
    return Fichier.substr(0, point) + Suffixe + Fichier.substr(point);
}

// ---- the common functions --------------------------------------------------------------

bool TFonctionsGabarit::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                        const std::string& Pages, TSaison* Saison)
{
    Resultat.clear();
    if (Nom == "inclure") {
        std::string modele = FichierModele(Pages);
        std::string dossier = modele.substr(0, modele.find_last_of("\\/") + 1);
        std::string texte;
        for (int i = 0; i < Parametres.Count(); ++i) {
            std::string mot = Parametres[i];
            if (!MotSimple(mot))
                continue;
            if (mot.find_first_of("\\/") == std::string::npos) {
                if (mot.size() >= 2 && Guillemet(mot[0]))
                    mot = mot.substr(1, mot.size() - 2);
                mot = dossier + mot;
            }
            std::string nom = ToNativePath(mot);
            std::string contenu;
            if (FileExists(nom)) {
                if (!ReadFileBytes(nom, contenu))
                    throw EFOpenError(L1("Impossible d'ouvrir le fichier ") + nom);
                texte += contenu;
            }
        }
        if (!texte.empty())
            Resultat = "##" + texte;
        return true;
    }
    if (Nom == "AddSuffixeNomFic") {
        std::string sortie = FichierSortie(Pages);
        for (int i = 0; i < Parametres.Count(); ++i) {
            const std::string& mot = Parametres[i];
            if (!MotSimple(mot))
                continue;
            std::string suffixe;
            if (SameText(mot, "NumJournee")) {
                suffixe = '_';
                suffixe += Parametre("Journee", Parametres, "0");
            } else if (SameText(mot, "DateJournee")) {
                // A championship that does not exist gives no suffix.
                TDonneesChampionnat* champ = ChampionnatParametre(Parametres, Saison);
                if (!champ)
                    continue;
                int n;
                if (!TryStrToInt(Trim(Parametre("Journee", Parametres, "0")), n))
                    n = 1;
                suffixe = '_';
                // a matchday without a date by its number
                const uint32_t date = champ->DateJournee(n);
                suffixe += TGestionDate::Jour(date) != 0
                               ? StringReplace(TGestionDate::DateVersTexte(date), "/", "x", rfReplaceAll)
                               : IntToStr(n);
            } else {
                continue;
            }
            std::string nouveau = InsereSuffixe(sortie, suffixe);
            if (nouveau.empty())
                continue;
            sortie = nouveau;
            Resultat = "#*" + suffixe + "*" + sortie;
        }
        return true;
    }
    return false;
}

void TFonctionsGabarit::EcritValeur(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                    const TStringList* Mots, const std::string& Pages, TSaison* Saison)
{
    (void)Pages;
    if (Nom != "ecrire")
        return;
    const TStringList& mots = Mots ? *Mots : Parametres;
    for (int i = 0; i < mots.Count(); ++i) {
        const std::string& mot = mots[i];
        if (!MotSimple(mot))
            continue;
        if (SameText(mot, "Division")) {
            if (!Saison)
                continue;
            try {
                int id = ParametreEntier("DivisionEx", Parametres, 1);
                if (TDonneesChampionnat* champ = Saison->Arbre().ChampionnatParId(id))
                    Resultat += EchappeTexteHTML(Saison->Arbre().NomCode(champ->CodeChamp));
            } catch (const std::exception&) {
                // A failed lookup writes nothing.
            }
        } else if (SameText(mot, "NumDivision")) {
            Resultat += Parametre("DivisionEx", Parametres, "1");
        } else if (SameText(mot, "CouleurFond")) {
            Resultat += Parametre("CouleurFondEx", Parametres, "");
        } else {
            Resultat += Parametre(mot, Parametres, "");
        }
    }
}

// ---- charts ----------------------------------------------------------------------------

std::string TFonctionsGabarit::DossierTemp()
{
    return MakePath(WritableDir(), "Temp\\");
}

std::string TFonctionsGabarit::SauveImagePNG(TGraphe& Graphe, const std::string& Nom, TColor CouleurFond)
{
    int w = std::max(1, Graphe.Width()), h = std::max(1, Graphe.Height());
    TBitmap image(w, h);
    TCanvas& c = image.Canvas();
    c.Brush.SetStyle(bsSolid);
    c.Brush.SetColor(CouleurFond);
    c.FillRect(Rect(0, 0, w + 1, h + 1));
    c.Font = Graphe.Font();
    Graphe.Dessine(c);
    std::string dossier = DossierTemp();
    if (!DirectoryExists(dossier) && !ForceDirectories(dossier))
        throw EFCreateError(L1("Impossible de créer le dossier ") + dossier);
    TPngPicture png;
    png.Assign(image);
    std::string fichier = dossier + Nom + ".png";
    png.SaveToFile(fichier);
    return fichier;
}
