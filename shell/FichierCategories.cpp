#include "shell/FichierCategories.h"

#include <algorithm>
#include <exception>

#include "model/ioXml.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"

bool IdCategorieValide(int64_t id)
{
    return id >= 1 && id <= MaxIdCategorie;
}

int32_t ProchainIdCategorie(const std::vector<TCategorie>& liste, const std::set<int32_t>& cites)
{
    int32_t max = cites.empty() ? 0 : std::clamp(*cites.rbegin(), 0, MaxIdCategorie);
    for (const TCategorie& c : liste)
        max = std::max(max, c.Id);
    if (max < MaxIdCategorie)
        return max + 1;
    // The highest id is taken: the first one free.
    std::vector<bool> pris(static_cast<size_t>(MaxIdCategorie) + 1, false);
    for (const TCategorie& c : liste)
        if (IdCategorieValide(c.Id))
            pris[static_cast<size_t>(c.Id)] = true;
    for (const int32_t id : cites)
        if (IdCategorieValide(id))
            pris[static_cast<size_t>(id)] = true;
    for (int32_t id = 1; id <= MaxIdCategorie; ++id)
        if (!pris[static_cast<size_t>(id)])
            return id;
    return 0;
}

TFichierCategories LitCategories(const std::string& fichier)
{
    TFichierCategories r;
    if (!FileExists(fichier))
        return r;
    try {
        TXmlReader x(fichier);
        uint8_t j = x.ElementSuivant();
        while (j == xmlComplet && (x.Nom() == "xml" || (!x.Nom().empty() && x.Nom()[0] == '!')))
            j = x.ElementSuivant();
        if (x.Nom() != "categories" || (j != xmlDebut && j != xmlComplet)) {
            r.Illisible = true;
            return r;
        }
        const bool racineOuverte = j == xmlDebut;
        for (j = racineOuverte ? x.ElementSuivant() : static_cast<uint8_t>(xmlFin); j != xmlFin && j != xmlFinFlux;
             j = x.ElementSuivant()) {
            if (x.Nom() != "categorie") {
                x.SauteElement(j);
                continue;
            }
            TCategorie c;
            // Read wide, so that a number past the 32 bits is not taken for another.
            const std::string texteId = Trim(x.ValeurAttribut("ID"));
            const int64_t id = texteId.size() <= 12 ? StrToInt64Def(texteId, 0) : 0;
            const bool refuse = !IdCategorieValide(id);
            c.Id = refuse ? 0 : static_cast<int32_t>(id);
            if (j == xmlDebut)
                for (uint8_t k = x.ElementSuivant(); k != xmlFin && k != xmlFinFlux; k = x.ElementSuivant()) {
                    if (k == xmlComplet && x.Nom() == "nom")
                        c.Nom = x.Texte();
                    else if (k == xmlComplet && x.Nom() == "nomcourt")
                        c.NomCourt = x.Texte();
                    else
                        x.SauteElement(k);
                }
            if (refuse && !c.Nom.empty())
                r.Refuses = true;
            else if (!c.Nom.empty()) {
                r.Max = std::max(r.Max, c.Id);
                r.Liste.push_back(std::move(c));
            }
        }
        // A document cut before the root's end is no category file either; one
        // whose categories were refused is kept as it was before it is written.
        r.Illisible = x.Malforme() || (racineOuverte && j == xmlFinFlux) || r.Refuses;
    } catch (const std::exception&) {
        r.Illisible = true;
    }
    return r;
}

std::string DocumentCategories(const std::vector<TCategorie>& liste)
{
    TMemoryStream flux;
    {
        TXmlMemoryStreamWriter w(&flux, false);
        w.OuvreElement("categories");
        for (const TCategorie& c : liste) {
            w.OuvreElement("categorie");
            w.AjouteAttributEntier("ID", c.Id);
            w.EcritElement("nom", c.Nom);
            w.EcritElement("nomcourt", c.NomCourt);
            w.FermeElement("categorie");
        }
        w.FermeElement("categories");
    }
    return std::string(reinterpret_cast<const char*>(flux.Memory()), static_cast<size_t>(flux.Size()));
}

bool EcritCategories(const std::string& fichier, const std::vector<TCategorie>& liste, bool& endommage,
                     std::string& copie)
{
    ForceDirectories(ExtractFileDir(fichier));
    return WriteFileKeepingDamaged(fichier, DocumentCategories(liste), endommage, copie);
}

bool EcritCategories(const std::string& fichier, const std::vector<TCategorie>& liste)
{
    bool endommage = false;
    std::string copie;
    return EcritCategories(fichier, liste, endommage, copie);
}

