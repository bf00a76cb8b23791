#include "model/oTraducteur.h"
#include "model/Rang.h"

#include <algorithm>
#include <exception>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/TextFile.h"

TTraducteur::TTraducteur(std::string nomFichier) : nomFichier_(std::move(nomFichier))
{
    charge_ = ChargeFichier();
    endommage_ = FileExists(nomFichier_) && (!charge_ || nbIds_ == 0);
}

bool TTraducteur::CouvreTextes(const TTraducteur& autre) const
{
    for (const Entree& e : autre.entrees_)
        if (e.id != 0 && index_.find(e.id) == index_.end())
            return false;
    return true;
}

bool TTraducteur::ChargeFichier()
{
    if (!FileExists(nomFichier_))
        return false;
    try {
        TTextReader fichier(nomFichier_);
        std::string ligne;
        bool premiere = true;
        while (fichier.ReadLine(ligne)) {
            // A byte-order mark some editors put at the start would hide the
            // first id.
            if (premiere && ligne.compare(0, 3, "\xEF\xBB\xBF") == 0)
                ligne.erase(0, 3);
            premiere = false;
            const size_t tab = ligne.find('\t');
            Entree e;
            if (tab == std::string::npos) {
                // Not a text (a blank line, a heading): kept in file order, but it
                // answers id 0 only when no line gives id 0 explicitly.
                e.id = 0;
                e.texte = ligne;
                entrees_.push_back(std::move(e));
                index_.try_emplace(0, NbTexte() - 1);
                continue;
            }
            e.id = StrToIntDef(std::string_view(ligne).substr(0, tab), 0);
            if (e.id != 0)
                ++nbIds_;
            e.texte = ligne.substr(tab + 1);
            entrees_.push_back(std::move(e));
            index_[entrees_.back().id] = NbTexte() - 1;
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string TTraducteur::Traduire(int id) const
{
    const auto it = index_.find(id);
    return it == index_.end() ? std::string() : entrees_[it->second].texte;
}

std::string TTraducteur::TraduireFormat(int id, std::initializer_list<TVarRec> args) const
{
    return TraduireFormat(id, args.begin(), static_cast<int>(args.size()));
}

std::string TTraducteur::TraduireFormat(int id, const TVarRec* args, int count) const
{
    std::string texte = Traduire(id);
    int p = Pos("%rc", texte);
    if (p > 0) {
        std::string resultat;
        while (p > 0) {
            resultat += Trim(std::string_view(texte).substr(0, p - 1));
            resultat += '\r';
            texte.erase(0, p + 2);
            p = Pos("%rc", texte);
        }
        texte = resultat + Trim(texte);
    }
    try {
        return Format(texte, args, count);
    } catch (const std::exception&) {
        // A language text that does not match its arguments is shown as it is.
        return texte;
    }
}

void TTraducteur::SetProduit(std::string nomCourt, std::string titre)
{
    nomCourt_ = std::move(nomCourt);
    titre_ = std::move(titre);
}

// ---------------------------------------------------------------------------

namespace {
std::unique_ptr<TTraducteur>& Global()
{
    static std::unique_ptr<TTraducteur> traducteur;
    return traducteur;
}
}   // namespace

TTraducteur* Traducteur()
{
    return Global().get();
}

void InstalleTraducteur(std::unique_ptr<TTraducteur> traducteur)
{
    Global() = std::move(traducteur);
}

std::string Traduire(int id)
{
    const TTraducteur* t = Traducteur();
    return t ? t->Traduire(id) : std::string();
}

std::string TraduireFormat(int id, std::initializer_list<TVarRec> args)
{
    const TTraducteur* t = Traducteur();
    return t ? t->TraduireFormat(id, args) : std::string();
}

int IdTexteNombre(int pluriel, int singulier, int nombre)
{
    constexpr int TexteSinguliers = 4944;
    const int taille = nombre < 0 ? -nombre : nombre;
    const std::string liste = Traduire(TexteSinguliers);
    bool regle = false;
    for (size_t debut = 0; debut < liste.size();) {
        const size_t fin = std::min(liste.find(' ', debut), liste.size());
        if (fin > debut) {
            regle = true;
            if (StrToIntDef(std::string_view(liste).substr(debut, fin - debut), -1) == taille)
                return singulier;
        }
        debut = fin + 1;
    }
    return !regle && taille == 1 ? singulier : pluriel;
}

std::string TraduireNombre(int pluriel, int singulier, int nombre)
{
    return TraduireFormat(IdTexteNombre(pluriel, singulier, nombre), {nombre});
}

std::string TraduireRang(int rang)
{
    if (rang == 1)
        return Traduire(166);
    const int unite = rang % 10, dizaine = rang % 100 / 10;
    const int id = dizaine == 1 || unite == 0 || unite > 3 ? 139 : 4699 + unite;
    return TraduireFormat(id, {rang});
}

namespace {

// a and b joined by the language's text `id` ("%s : %s"), or as the French
// texts join them when no language file gives it.
std::string Joint(int id, const std::string& a, const std::string& b, const char* francais)
{
    const std::string modele = Traduire(id);
    if (modele.find("%s") == std::string::npos)
        return a + francais + b;
    return TraduireFormat(id, {a, b});
}

}  // namespace

std::string DeuxPoints(const std::string& avant, const std::string& apres)
{
    constexpr int TexteDeuxPoints = 5506;
    return Joint(TexteDeuxPoints, avant, apres, " : ");
}

std::string Virgule(const std::string& avant, const std::string& apres)
{
    constexpr int TexteVirgule = 5507;
    return Joint(TexteVirgule, avant, apres, ", ");
}
