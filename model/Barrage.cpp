#include "model/Barrage.h"

#include <algorithm>
#include <string>

#include "model/ChampsSaison.h"
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

TDonneesBarrage::TDonneesBarrage(const TDonneesBarrage& autre)
{
    *this = autre;
}

TDonneesBarrage& TDonneesBarrage::operator=(const TDonneesBarrage& autre)
{
    if (this == &autre)
        return *this;
    TypeGroupe = autre.TypeGroupe;
    Code = autre.Code;
    CodePerso = autre.CodePerso;
    TypeEquipe = autre.TypeEquipe;
    MoitiePoint = autre.MoitiePoint;
    divisions_ = autre.divisions_;
    tours_.clear();
    for (const auto& t : autre.tours_)
        tours_.push_back(std::make_unique<TTourCoupe>(*t));
    options_ = autre.options_;
    return *this;
}

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
            code = x.TexteEntier(Champ(TChamp::BarrageDivision));
        } else if (x.Nom() == "ListPlace" && j == xmlDebut) {
            TPlaceBarrage p;
            uint8_t k = x.ElementSuivant();
            while (k != xmlFin && k != xmlFinFlux) {
                if (x.Nom() == "Min")
                    p.Min = x.TexteEntier(Champ(TChamp::PlaceMin));
                else if (x.Nom() == "Max")
                    p.Max = x.TexteEntier(Champ(TChamp::PlaceMax));
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
        if (n == "nMatch") {
            x.TexteEntier(Champ(TChamp::BarrageNbMatch));   // the pairings say it
        } else if (n == "nMatchTotal") {
            const int32_t v = x.TexteEntier(Champ(TChamp::BarrageCapacite));
            if (!tour)
                capacite = v;
        } else if (n == "nTypeTour") {
            const int32_t v = x.TexteEntier(Champ(TChamp::BarrageTypeTour));
            if (!tour)
                tour = b.AjouteTour(capacite, v);
        } else if (n == "RencontreCoupe") {
            // "a-b-c-d"; a missing fourth value is 0, and a pairing of fewer
            // than three values is none.
            const std::vector<int32_t> v = x.LitListe(Champ(TChamp::BarrageRencontre), x.Texte());
            if (tour && v.size() >= 3)
                tour->AjouteRencontre(static_cast<uint16_t>(v[0]), static_cast<uint16_t>(v[1]),
                                      static_cast<uint16_t>(v[2]), v.size() > 3 ? static_cast<uint16_t>(v[3]) : 0);
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
            Code = x.TexteEntier(Champ(TChamp::BarrageCode));
        } else if (n == "CodePerso") {
            CodePerso = static_cast<uint16_t>(x.TexteEntier(Champ(TChamp::BarrageCodePerso)));
        } else if (n == "TypeGroupe") {
            TypeGroupe = x.TexteEntier(Champ(TChamp::BarrageTypeGroupe));
        } else if (n == "MoitiePoint") {
            MoitiePoint = static_cast<uint8_t>(x.TexteEntier(Champ(TChamp::BarrageMoitiePoint)));
        } else if (n == "TypeEquipe") {
            const int32_t v = x.TexteEntier(Champ(TChamp::BarrageTypeEquipe));
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
                    SetOption(std::min(rang, NbOption - 1), static_cast<uint8_t>(x.TexteEntier(Champ(TChamp::BarrageOption))));
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
