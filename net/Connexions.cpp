#include "net/Connexions.h"

#include <sys/stat.h>

#include "model/ioXml.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"

namespace {

std::unique_ptr<TConnexions> connexionGlobale;

const char* const formats[4] = {"gormelide", "tessavonde", "pollinarque", "murvaline"};

bool Booleen(const TXmlReader& lecteur)
{
    return Trim(lecteur.TexteBrut()) == "1";
}

// Runs f(name) for every child of the current element up to its end tag; the
// child is skipped when f answers false.
template <class F>
void PourChaqueEnfant(TXmlReader& lecteur, F f)
{
    for (;;)
    {
        const uint8_t jeton = lecteur.ElementSuivant();
        if (jeton == xmlFin || jeton == xmlFinFlux)
            return;
        if (!f(jeton))
            lecteur.SauteElement(jeton);
    }
}

}  // namespace

std::string FormatDeSportConnexion(int sport)
{
    return sport >= 0 && sport < 4 ? formats[sport] : std::string();
}

uint8_t SportDeFormatConnexion(const std::string& mot)
{
    for (uint8_t s = 0; s < 4; ++s)
        if (mot == formats[s])
            return s;
    return 6;
}

// ---- file entries -----------------------------------------------------------------

void TFichierConnexion::Lit(TXmlReader& lecteur)
{
    PourChaqueEnfant(lecteur, [&](uint8_t jeton) {
        if (jeton != xmlComplet)
            return false;
        const std::string& n = lecteur.Nom();
        if (n == "nomfichier") NomFichier = lecteur.Texte();
        else if (n == "chargedemmarrage") ChargeDemarrage = Booleen(lecteur);
        else if (n == "chargeouverture") ChargeOuverture = Booleen(lecteur);
        else if (n == "chargementauto") ChargementAuto = Booleen(lecteur);
        else if (n == "choixmatch") ChoixMatch = Booleen(lecteur);
        else if (n == "ajoutjoueurauto") AjoutJoueurAuto = Booleen(lecteur);
        return true;
    });
}

void TFichierConnexion::Ecrit(TXmlWriter& w) const
{
    w.OuvreElement("fichierconnexion");
    w.EcritElement("nomfichier", NomFichier);
    w.EcritElementBooleen("chargedemmarrage", ChargeDemarrage);
    w.EcritElementBooleen("chargeouverture", ChargeOuverture);
    w.EcritElementBooleen("chargementauto", ChargementAuto);
    w.EcritElementBooleen("choixmatch", ChoixMatch);
    w.EcritElementBooleen("ajoutjoueurauto", AjoutJoueurAuto);
    w.FermeElement("fichierconnexion");
}

// ---- site entries -----------------------------------------------------------------

TFichierConnexion* TSiteConnexion::Fichier(int i) const
{
    return i >= 0 && i < NbFichier() ? fichiers_[static_cast<size_t>(i)].get() : nullptr;
}

void TSiteConnexion::AjouteFichier(std::unique_ptr<TFichierConnexion> fichier)
{
    fichiers_.push_back(std::move(fichier));
}

void TSiteConnexion::Lit(TXmlReader& lecteur)
{
    PourChaqueEnfant(lecteur, [&](uint8_t jeton) {
        const std::string& n = lecteur.Nom();
        if (jeton == xmlDebut && n == "fichierconnexion")
        {
            auto f = std::make_unique<TFichierConnexion>();
            f->Lit(lecteur);
            AjouteFichier(std::move(f));
            return true;
        }
        if (jeton != xmlComplet)
            return false;
        if (n == "url") Url = lecteur.Texte();
        else if (n == "sport") Sport = SportDeFormatConnexion(lecteur.Texte());
        else if (n == "default") Defaut = Booleen(lecteur);
        else if (n == "chargeouverture") ChargeOuverture = Booleen(lecteur);
        else if (n == "chargementauto") ChargementAuto = Booleen(lecteur);
        else if (n == "fichierconnexion") AjouteFichier(std::make_unique<TFichierConnexion>());
        return true;
    });
}

void TSiteConnexion::Ecrit(TXmlWriter& w) const
{
    w.OuvreElement("siteconnexion");
    w.EcritElement("url", Url);
    w.EcritElement("sport", FormatDeSportConnexion(Sport));
    w.EcritElementBooleen("default", Defaut);
    w.EcritElementBooleen("chargeouverture", ChargeOuverture);
    w.EcritElementBooleen("chargementauto", ChargementAuto);
    for (const auto& f : fichiers_)
        f->Ecrit(w);
    w.FermeElement("siteconnexion");
}

// ---- the settings -----------------------------------------------------------------

TConnexions::TConnexions(std::string nomFichier) : NomFichier(std::move(nomFichier))
{
    Lit();
}

TSiteConnexion* TConnexions::Site(int i) const
{
    return i >= 0 && i < NbSite() ? sites_[static_cast<size_t>(i)].get() : nullptr;
}

int TConnexions::AjouteSite(std::unique_ptr<TSiteConnexion> site)
{
    size_t i = 0;
    while (i < sites_.size() && sites_[i]->Sport <= site->Sport)
        ++i;
    sites_.insert(sites_.begin() + static_cast<std::ptrdiff_t>(i), std::move(site));
    return static_cast<int>(i);
}

bool TConnexions::Lit()
{
    if (!FileExists(NomFichier))
        return false;
    TXmlReader lecteur(NomFichier);
    uint8_t jeton = lecteur.ElementSuivant();
    if (jeton == xmlFinFlux || UpperCase(lecteur.Nom()) != "XML")
        return false;
    jeton = lecteur.ElementSuivant();
    if (jeton == xmlFinFlux || lecteur.Nom() != "connexion")
        return false;
    if (jeton != xmlDebut)
        return true;   // an empty root
    PourChaqueEnfant(lecteur, [&](uint8_t j) {
        const std::string& n = lecteur.Nom();
        if (j == xmlDebut && n == "siteconnexion")
        {
            auto s = std::make_unique<TSiteConnexion>(this);
            s->Lit(lecteur);
            AjouteSite(std::move(s));
            return true;
        }
        if (j != xmlComplet)
            return false;
        if (n == "url") Url = lecteur.Texte();
        else if (n == "timeout") Timeout = lecteur.TexteEntier();
        else if (n == "pseudo") Pseudo = lecteur.Texte();
        else if (n == "passwd") Passwd = lecteur.Texte();
        else if (n == "siteconnexion") AjouteSite(std::make_unique<TSiteConnexion>(this));
        return true;
    });
    return true;
}

bool TConnexions::Ecrit() const
{
    std::string contenu;
    {
        TMemoryStream flux;
        {
            TXmlMemoryStreamWriter w(&flux);
            w.OuvreElement("connexion");
            w.EcritElement("url", Url);
            w.EcritElementEntier("timeout", Timeout);
            w.EcritElement("pseudo", Pseudo);
            w.EcritElement("passwd", Passwd);
            for (const auto& s : sites_)
                s->Ecrit(w);
            w.FermeElement("connexion");
        }
        contenu.assign(reinterpret_cast<const char*>(flux.Memory()), static_cast<size_t>(flux.Size()));
    }
    if (!WriteFileAtomic(NomFichier, contenu))
        return false;
    ::chmod(NomFichier.c_str(), S_IRUSR | S_IWUSR);
    return true;
}

TConnexions* Connexion() { return connexionGlobale.get(); }

void InstalleConnexion(std::unique_ptr<TConnexions> connexion)
{
    connexionGlobale = std::move(connexion);
}
