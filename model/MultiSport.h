// The sport switch: where a sport index becomes the season class of that sport,
// the format word that names the sport in a season file, the product title of
// the sport's edition, a few labels, and the sport's windows.
//
// Sports: 0 football, 1 rugby, 2 basketball, 3 handball; 4 stands for all four
// (product title only); 6 is no sport.
//
// The windows belong to the window subsystems, which sit above the model: each
// registers its window classes here at start-up (EnregistreClasse). Until one
// is registered the switch answers none for it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TSaison;

enum : uint8_t { sportTous = 4, sportAucun = 6 };

// The sport's windows that the application opens through the switch.
enum class TGenreFenetre : uint8_t {
    Buteurs,       // scorers page of the match sheet
    Passeurs,      // assisters page of the match sheet
    InfoGeneral,   // championship information view
    StatEquipe,    // team sheet
    FicheJoueur,   // player record card
    Option,        // championship options
};

// A window class registered by a window subsystem. The subsystem derives its
// own class from this one (holding what it needs to create the window) and
// casts back when it uses it; the model only hands it out.
class TClasseFenetre
{
public:
    virtual ~TClasseFenetre() = default;
};
using TClasse = std::shared_ptr<const TClasseFenetre>;

class TMultiSport
{
public:
    explicit TMultiSport(uint8_t sport) : sport_(sport) {}

    // ---- class-level
    // "gormelide", "tessavonde", "pollinarque", "murvaline" for 0..3; empty
    // for any other value.
    static std::string FormatDeSport(int sport);
    // 0..3 for a format word (exact, case counts); 6 for anything else.
    static int SportDeFormat(const std::string& format);
    // The product title for 0..4; empty for other values.
    static std::string TitreProduit(int sport);
    // A new empty season of the sport (nullptr for other values). In every
    // case the sport becomes the current sport of the template readers.
    static std::unique_ptr<TSaison> CreeSaison(int sport);
    // The edition's contact line ("E-mail : " and an address) and web address.
    static std::string Contact(int sport);
    static std::string SiteWeb(int sport);

    // Registers (nullptr: forgets) the window class of a kind for a sport 0..3.
    static void EnregistreClasse(TGenreFenetre genre, int sport, TClasse classe);

    // ---- instance
    uint8_t Sport() const { return sport_; }
    std::string Format() const { return FormatDeSport(sport_); }

    // Labels through the translator; texte is left unchanged for a sport
    // outside 0..3.
    void LibelleButeurs(std::string& texte) const;
    void LibelleClassementJoueur(std::string& texte) const;
    void LibellesStatHistorique(std::string& texte1, std::string& texte2) const;
    // Cleared first: empty for every kind the sport does not name.
    std::string LibelleStatistique(int type) const;

    // The sport's registered windows; nullptr when none is registered (and
    // always for the assisters page of basketball and handball).
    TClasse Classe(TGenreFenetre genre) const;
    TClasse ClasseButeurs() const { return Classe(TGenreFenetre::Buteurs); }
    TClasse ClassePasseurs() const { return Classe(TGenreFenetre::Passeurs); }
    TClasse ClasseInfoGeneral() const { return Classe(TGenreFenetre::InfoGeneral); }
    TClasse ClasseStatEquipe() const { return Classe(TGenreFenetre::StatEquipe); }
    TClasse ClasseFicheJoueur() const { return Classe(TGenreFenetre::FicheJoueur); }
    TClasse ClasseOption() const { return Classe(TGenreFenetre::Option); }

private:
    uint8_t sport_;
};

// ---------------------------------------------------------------------------
// The crest catalogue: the full file name of the crest picture of a catalogue
// id, empty when the catalogue does not hold it. The catalogue installs its
// function at start; until then every answer is empty.
using TNomFichierBlason = std::function<std::string(int id)>;
void InstalleNomFichierBlason(TNomFichierBlason f);
std::string NomFichierBlason(int id);
