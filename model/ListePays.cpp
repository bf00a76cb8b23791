#include "model/ListePays.h"

#include "model/Utilities.h"
#include "model/ioXml.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

std::string TListePays::NomPays(int code) const
{
    return code >= 0 && code < NbPays() ? noms_[static_cast<size_t>(code)] : std::string();
}

uint16_t TListePays::AjoutePays(const std::string& nom)
{
    if (nom.empty())
        return Aucun;
    for (size_t i = 0; i < noms_.size(); ++i)
        if (AnsiSameText(noms_[i], nom))
            return static_cast<uint16_t>(i);
    // Code 0xFFFF stands for no country: the list holds at most 65535 names.
    if (noms_.size() >= Aucun)
        return Aucun;
    noms_.push_back(nom);
    return static_cast<uint16_t>(noms_.size() - 1);
}

uint16_t TListePays::CodePays(std::string_view nom) const
{
    if (nom.empty())
        return Aucun;
    for (size_t i = noms_.size(); i-- > 0;)
        if (noms_[i] == nom)
            return static_cast<uint16_t>(i);
    return Aucun;
}

uint16_t TListePays::CherchePays(const std::string& nom)
{
    if (nom.empty())
        return Aucun;
    const std::string cle = SansAccent(nom);
    for (size_t i = 0; i < noms_.size(); ++i)
        if (SansAccent(noms_[i]) == cle)
            return static_cast<uint16_t>(i);
    return AjoutePays(nom);
}

void TListePays::RenommePays(int code, const std::string& nom)
{
    if (code >= 0 && code < NbPays())
        noms_[static_cast<size_t>(code)] = nom;
}

void TListePays::Remplit(TStringList& liste) const
{
    liste.Clear();
    for (size_t i = 0; i < noms_.size(); ++i)
        if (!noms_[i].empty())
            liste.AddObject(noms_[i], static_cast<TStringList::Object>(i));
}

void TListePays::Ecrit(TXmlWriter& x) const
{
    x.OuvreElement("ListePays");
    for (const auto& n : noms_)
        x.EcritElement("Nom", n, true);
    x.FermeElement("ListePays");
}

void TListePays::Lit(TXmlReader& x)
{
    noms_.clear();
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        if (x.Nom() == "Nom" && noms_.size() < Aucun)
            noms_.push_back(x.Texte());
        x.SauteElement(j);
        j = x.ElementSuivant();
    }
}
