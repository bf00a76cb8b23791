// Play-offs and cup rounds. A play-off is fed by places of other divisions of the
// season (the teams ranked 2nd to 4th of two divisions, say) and played as cup
// rounds, each a fixed-size array of pairings. What the four values of a pairing,
// the group kind, the round type and the option bytes mean is decided by the
// play-off windows; here they are stored and given back unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class TXmlReader;
class TXmlWriter;

// One pairing of a round: four 16-bit values.
struct TRencontreCoupe
{
    uint16_t Valeur[4] = {0, 0, 0, 0};
};

class TTourCoupe
{
public:
    // Room for at most MaxRencontres pairings (a negative capacity is 0).
    static constexpr int MaxRencontres = 65535;

    TTourCoupe(int32_t numero, int32_t type, int32_t capacite);

    // The new count, or -1 when the array is full.
    int32_t AjouteRencontre(uint16_t a, uint16_t b, uint16_t c, uint16_t d);
    // The pairing array: Capacite() entries, the first NbMatch() held.
    TRencontreCoupe* Rencontres() { return rencontres_.data(); }
    const TRencontreCoupe* Rencontres() const { return rencontres_.data(); }

    int32_t Numero() const { return numero_; }
    int32_t Capacite() const { return static_cast<int32_t>(rencontres_.size()); }   // nMatchTotal
    int32_t NbMatch() const { return nbMatch_; }                                     // nMatch
    int32_t TypeTour() const { return type_; }                                       // nTypeTour

private:
    int32_t numero_;
    int32_t nbMatch_ = 0;
    int32_t type_;
    std::vector<TRencontreCoupe> rencontres_;
};

// A range of final places (Min to Max) of a source division.
struct TPlaceBarrage
{
    int32_t Min = 0;
    int32_t Max = 0;
};

struct TDivisionBarrage
{
    int32_t Code = 0;
    std::vector<TPlaceBarrage> Places;
};

class TDonneesBarrage
{
public:
    static constexpr int NbOption = 28;

    TDonneesBarrage() = default;
    virtual ~TDonneesBarrage() = default;
    // Whole copies: its sources, its rounds, its options and its fields (a
    // window keeps one to give the play-off back as it found it).
    TDonneesBarrage(const TDonneesBarrage& autre);
    TDonneesBarrage& operator=(const TDonneesBarrage& autre);

    void AjouteDivision(int32_t code, std::vector<TPlaceBarrage> places);
    // The first source division of that code takes these places instead of its
    // own; nothing when no division has that code.
    void RemplacePlaces(std::vector<TPlaceBarrage> places, int32_t code);
    int NbDivision() const { return static_cast<int>(divisions_.size()); }
    const TDivisionBarrage* Division(int i) const;   // nullptr out of range

    // A new round numbered NbTour() + 1, appended.
    TTourCoupe* AjouteTour(int32_t capacite, int32_t type);
    int NbTour() const { return static_cast<int>(tours_.size()); }
    // The pairing array of round i (1-based) and its count, capacity and type;
    // nullptr (the out values untouched) when i is out of range.
    TRencontreCoupe* Tour(int i, int32_t& nbMatch, int32_t& capacite, int32_t& type);
    TTourCoupe* TourCoupe(int i);   // round i (1-based), nullptr out of range

    uint8_t Option(int i) const;              // 0 out of range
    void SetOption(int i, uint8_t valeur);    // i from 0 to 27

    // Reads the children of a Barrage element (the reader is just inside it).
    virtual void LitXml(TXmlReader& lecteur);
    // Writes the whole Barrage element.
    void EcritXml(TXmlWriter& ecrivain) const;

    int32_t TypeGroupe = 0;
    int32_t Code = 0;          // low 15 bits: the code in the competition tree
    uint16_t CodePerso = 0;
    uint8_t TypeEquipe = 2;    // 2 club teams, 3 national teams; never below 2
    uint8_t MoitiePoint = 0;   // non-zero: half of the points are carried

private:
    std::vector<TDivisionBarrage> divisions_;
    std::vector<std::unique_ptr<TTourCoupe>> tours_;
    std::array<uint8_t, NbOption> options_{};
};
