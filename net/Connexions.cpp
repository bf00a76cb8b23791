#include "net/Connexions.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>

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
    // After the last site of a sport lower or equal: the sites are kept in
    // order of sport, so the place is found by halves.
    const auto place = std::upper_bound(sites_.begin(), sites_.end(), site->Sport,
                                        [](uint8_t sport, const std::unique_ptr<TSiteConnexion>& s) {
                                            return sport < s->Sport;
                                        });
    const auto i = place - sites_.begin();
    sites_.insert(place, std::move(site));
    return static_cast<int>(i);
}

bool TConnexions::Lit()
{
    endommage_ = false;
    if (!FileExists(NomFichier))
        return false;
    endommage_ = true;
    TXmlReader lecteur(NomFichier);
    lecteur.NombresSouples();
    uint8_t jeton = lecteur.ElementSuivant();
    if (jeton == xmlFinFlux || UpperCase(lecteur.Nom()) != "XML")
        return false;
    jeton = lecteur.ElementSuivant();
    if (jeton == xmlFinFlux || lecteur.Nom() != "connexion")
        return false;
    if (jeton != xmlDebut) {
        endommage_ = lecteur.Malforme();
        return true;   // an empty root
    }
    // The sites are gathered in file order, then placed by sport in one
    // stable pass: a file of many sites reads in time linear in its size.
    std::vector<std::unique_ptr<TSiteConnexion>> lus;
    PourChaqueEnfant(lecteur, [&](uint8_t j) {
        const std::string& n = lecteur.Nom();
        if (j == xmlDebut && n == "siteconnexion")
        {
            auto s = std::make_unique<TSiteConnexion>(this);
            s->Lit(lecteur);
            lus.push_back(std::move(s));
            return true;
        }
        if (j != xmlComplet)
            return false;
        if (n == "url") Url = lecteur.Texte();
        else if (n == "timeout") Timeout = lecteur.TexteEntier();
        else if (n == "pseudo") Pseudo = lecteur.Texte();
        else if (n == "passwd") Passwd = lecteur.Texte();
        else if (n == "siteconnexion") lus.push_back(std::make_unique<TSiteConnexion>(this));
        return true;
    });
    // The root's end reached, nothing broken on the way.
    endommage_ = lecteur.Malforme() || lecteur.FinAtteinte() || lecteur.Profondeur() != 0;
    // By counting: the place of each sport's first site, then each site after
    // those of its sport placed before it.
    std::array<size_t, 257> debut{};
    for (const auto* liste : {&sites_, &lus})
        for (const auto& s : *liste)
            ++debut[s->Sport + 1u];
    for (size_t k = 1; k < debut.size(); ++k)
        debut[k] += debut[k - 1];
    std::vector<std::unique_ptr<TSiteConnexion>> tous(sites_.size() + lus.size());
    for (auto* liste : {&sites_, &lus})
        for (auto& s : *liste) {
            const uint8_t sport = s->Sport;
            tous[debut[sport]++] = std::move(s);
        }
    sites_ = std::move(tous);
    return true;
}

bool TConnexions::Ecrit()
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
    if (!WriteFileKeepingDamaged(NomFichier, contenu, endommage_, copieGardee_))
        return false;
    ::chmod(NomFichier.c_str(), S_IRUSR | S_IWUSR);
    return true;
}

TConnexions* Connexion() { return connexionGlobale.get(); }

void InstalleConnexion(std::unique_ptr<TConnexions> connexion)
{
    connexionGlobale = std::move(connexion);
}
