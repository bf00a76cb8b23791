#include "model/Barrage.h"

#include <algorithm>
#include <string>

#include "model/ioXml.h"
#include "platform/rtl/Strings.h"

TTourCoupe::TTourCoupe(int32_t numero, int32_t type, int32_t capacite)
    : numero_(numero), type_(type),
      rencontres_(static_cast<size_t>(std::clamp<int32_t>(capacite, 0, MaxRencontres)))
{
}

int32_t TTourCoupe::AjouteRencontre(uint16_t a, uint16_t b, uint16_t c, uint16_t d)
{
    if (nbMatch_ >= Capacite())
        return -1;
    TRencontreCoupe& r = rencontres_[static_cast<size_t>(nbMatch_)];
    r.Valeur[0] = a;
    r.Valeur[1] = b;
    r.Valeur[2] = c;
    r.Valeur[3] = d;
    return ++nbMatch_;
}

// ---------------------------------------------------------------------------

void TDonneesBarrage::AjouteDivision(int32_t code, std::vector<TPlaceBarrage> places)
{
    divisions_.push_back({code, std::move(places)});
}

void TDonneesBarrage::RemplacePlaces(std::vector<TPlaceBarrage> places, int32_t code)
{
    for (auto& d : divisions_)
        if (d.Code == code) {
            d.Places = std::move(places);
            return;
        }
}

const TDivisionBarrage* TDonneesBarrage::Division(int i) const
{
    return i >= 0 && i < NbDivision() ? &divisions_[static_cast<size_t>(i)] : nullptr;
}

TTourCoupe* TDonneesBarrage::AjouteTour(int32_t capacite, int32_t type)
{
    tours_.push_back(std::make_unique<TTourCoupe>(NbTour() + 1, type, capacite));
    return tours_.back().get();
}

TTourCoupe* TDonneesBarrage::TourCoupe(int i)
{
    return i >= 1 && i <= NbTour() ? tours_[static_cast<size_t>(i - 1)].get() : nullptr;
}

TRencontreCoupe* TDonneesBarrage::Tour(int i, int32_t& nbMatch, int32_t& capacite, int32_t& type)
{
    TTourCoupe* t = TourCoupe(i);
    if (!t)
        return nullptr;
    nbMatch = t->NbMatch();
    capacite = t->Capacite();
    type = t->TypeTour();
    return t->Rencontres();
}

uint8_t TDonneesBarrage::Option(int i) const
{
    return i >= 0 && i < NbOption ? options_[static_cast<size_t>(i)] : 0;
}

void TDonneesBarrage::SetOption(int i, uint8_t valeur)
{
    if (i >= 0 && i < NbOption)
        options_[static_cast<size_t>(i)] = valeur;
}

// ---------------------------------------------------------------------------
// XML

void TDonneesBarrage::EcritXml(TXmlWriter& x) const
{
    x.OuvreElement("Barrage");
    x.EcritElementEntier("Code", Code);
    x.EcritElementEntier("CodePerso", CodePerso);
    x.EcritElementEntier("TypeGroupe", TypeGroupe);
    x.EcritElementEntier("TypeEquipe", TypeEquipe);
    if (MoitiePoint != 0)
        x.EcritElementEntier("MoitiePoint", MoitiePoint);
    for (const auto& d : divisions_) {
        x.OuvreElement("ListDiv");
        x.EcritElementEntier("Division", d.Code);
        for (const auto& p : d.Places) {
            x.OuvreElement("ListPlace");
            x.EcritElementEntier("Min", p.Min);
            x.EcritElementEntier("Max", p.Max);
            x.FermeElement("ListPlace");
        }
        x.FermeElement("ListDiv");
    }
    for (const auto& t : tours_) {
        x.OuvreElement("TourCoupe");
        x.EcritElementEntier("nMatch", t->NbMatch());
        x.EcritElementEntier("nMatchTotal", t->Capacite());
        x.EcritElementEntier("nTypeTour", t->TypeTour());
        for (int32_t m = 0; m < t->NbMatch(); ++m) {
            const TRencontreCoupe& r = t->Rencontres()[m];
            x.EcritElement("RencontreCoupe", IntToStr(r.Valeur[0]) + "-" + IntToStr(r.Valeur[1]) + "-" +
                                                 IntToStr(r.Valeur[2]) + "-" + IntToStr(r.Valeur[3]));
        }
        x.FermeElement("TourCoupe");
    }
    // Every option byte, the last one included.
    x.OuvreElement("Options");
    for (uint8_t o : options_)
        x.EcritElementEntier("Option", o);
    x.FermeElement("Options");
    x.FermeElement("Barrage");
}

static void LitListDiv(TXmlReader& x, TDonneesBarrage& b)
{
    int32_t code = -1;
    std::vector<TPlaceBarrage> places;
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        if (x.Nom() == "Division") {
            code = x.TexteEntier();
        } else if (x.Nom() == "ListPlace" && j == xmlDebut) {
            TPlaceBarrage p;
            uint8_t k = x.ElementSuivant();
            while (k != xmlFin && k != xmlFinFlux) {
                if (x.Nom() == "Min")
                    p.Min = x.TexteEntier();
                else if (x.Nom() == "Max")
                    p.Max = x.TexteEntier();
                x.SauteElement(k);
                k = x.ElementSuivant();
            }
            if (p.Min > 0)
                places.push_back(p);
            j = xmlComplet;
        }
        x.SauteElement(j);
        j = x.ElementSuivant();
    }
    b.AjouteDivision(code, std::move(places));
}

static void LitTourCoupe(TXmlReader& x, TDonneesBarrage& b)
{
    int32_t capacite = 0;
    TTourCoupe* tour = nullptr;
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        const std::string& n = x.Nom();
        if (n == "nMatchTotal") {
            if (!tour)
                capacite = x.TexteEntier();
        } else if (n == "nTypeTour") {
            if (!tour)
                tour = b.AjouteTour(capacite, x.TexteEntier());
        } else if (n == "RencontreCoupe" && tour) {
            // "a-b-c-d"; a missing fourth value is 0.
            const std::string t = x.Texte();
            uint16_t v[4] = {0, 0, 0, 0};
            int parts = 0;
            size_t debut = 0;
            for (;;) {
                const size_t fin = t.find('-', debut);
                const std::string part = t.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
                if (parts < 4)
                    v[parts] = static_cast<uint16_t>(StrToIntDef(Trim(part), 0));
                ++parts;
                if (fin == std::string::npos)
                    break;
                debut = fin + 1;
            }
            if (parts >= 3)
                tour->AjouteRencontre(v[0], v[1], v[2], v[3]);
        }
        x.SauteElement(j);
        j = x.ElementSuivant();
    }
}

void TDonneesBarrage::LitXml(TXmlReader& x)
{
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        const std::string& n = x.Nom();
        if (n == "Code") {
            Code = x.TexteEntier();
        } else if (n == "CodePerso") {
            CodePerso = static_cast<uint16_t>(x.TexteEntier());
        } else if (n == "TypeGroupe") {
            TypeGroupe = x.TexteEntier();
        } else if (n == "MoitiePoint") {
            MoitiePoint = static_cast<uint8_t>(x.TexteEntier());
        } else if (n == "TypeEquipe") {
            const int32_t v = x.TexteEntier();
            TypeEquipe = static_cast<uint8_t>(std::clamp<int32_t>(v, 2, 255));
        } else if (n == "ListDiv" && j == xmlDebut) {
            LitListDiv(x, *this);
            j = xmlComplet;
        } else if (n == "TourCoupe" && j == xmlDebut) {
            LitTourCoupe(x, *this);
            j = xmlComplet;
        } else if (n == "Options" && j == xmlDebut) {
            int rang = 0;
            uint8_t k = x.ElementSuivant();
            while (k != xmlFin && k != xmlFinFlux) {
                if (x.Nom() == "Option") {
                    SetOption(std::min(rang, NbOption - 1), static_cast<uint8_t>(x.TexteEntier()));
                    ++rang;
                }
                x.SauteElement(k);
                k = x.ElementSuivant();
            }
            j = xmlComplet;
        }
        x.SauteElement(j);
        j = x.ElementSuivant();
    }
}
