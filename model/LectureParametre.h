// Championship templates: the predefined championships of each sport (leagues
// with their divisions, points, promotion and relegation places, groups and
// play-off scenarios), read from config\Championnatfoot.fr, ...rugby.fr,
// ...basket.fr and ...hand.fr beside the program. Read only.
//
// File form (the XML layer of ioXml.h, read with the file reader):
//   <config>
//   <championnat Id="1">
//   <nom>...</nom>
//   <divis Id="5">
//   <nEquipe>20</nEquipe> <PtsVictoire> <PtsNul> <PtsDefaite> <nChampLigue>
//   <nEuropeen> <nPromu> <nRelegue> <nBarragePromu> <nBarrageRelegue> <nGroupe>
//   <NomFichier> <NomGroupe> <nom> <typejournee>date</typejournee> <playoff>a;b</playoff>
//   <division Id="text">integer</division> (repeated)
//   </divis>
//   </championnat>
//   </config>
// A file that does not start with <config> (a declaration, for instance) holds
// no template.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/StringList.h"

class TXmlReader;

// One division of a template.
struct TDivisionParam
{
    uint16_t Code = 0;          // the divis Id; above 10000: code - 10000 is its rank
    uint8_t nEquipe = 0;
    uint8_t PtsVictoire = 3;
    uint8_t PtsNul = 1;
    uint8_t PtsDefaite = 0;
    uint8_t nChampLigue = 0;
    uint8_t nEuropeen = 0;
    uint8_t nPromu = 0;
    uint8_t nRelegue = 0;
    uint8_t nBarragePromu = 0;
    uint8_t nBarrageRelegue = 0;
    std::string NomFichier;     // file name of a predefined championship
    std::string NomGroupe;      // display name when the division has groups
    std::string nom;
    uint16_t nGroupe = 0;
    uint8_t typejournee = 0;    // 1 when the text is "date" (any case)
    std::string playoff;        // scenario items separated by ";"
    TStringList division;       // text = the Id attribute, object = the integer content
};

// One template championship: its divisions, sorted by code.
class TCfgChampionnat
{
public:
    explicit TCfgChampionnat(int32_t id = 0, std::string nom = {});

    // Inserted before the first division of a code greater than or equal to its
    // own; widens the range of codes (codes above 10000 count as code - 10000).
    void AjouteDivision(std::unique_ptr<TDivisionParam> division);
    int NbDivision() const { return static_cast<int>(divisions_.size()); }
    const TDivisionParam* Division(int i) const;
    const TDivisionParam* DivisionParCode(int32_t code) const;

    std::string Nom;
    int32_t Id;
    int32_t CodeMin() const { return codeMin_; }   // 65535 while empty
    int32_t CodeMax() const { return codeMax_; }   // -1 while empty

private:
    std::vector<std::unique_ptr<TDivisionParam>> divisions_;
    int32_t codeMin_ = 65535;
    int32_t codeMax_ = -1;
};

// The templates of one file, in file order.
class TLectureParam
{
public:
    // Reads the file (EInOutError when it cannot be opened).
    explicit TLectureParam(const std::string& nomFichier);
    TLectureParam() = default;   // no template
    // Reads a template document from any reader (the first token must be the
    // start of config).
    void Lit(TXmlReader& lecteur);
    // True when the document was read whole: its root "config" was closed and
    // nothing broke the rules of the XML layer on the way. A file cut short,
    // malformed or of another root is not.
    bool Complet() const { return complet_; }

    // Lookups by division code: the first template whose range holds code mod
    // 10000 and that has a division of exactly that code.
    const TDivisionParam* DivisionParCode(int32_t code) const;
    int IndexChampionnat(int32_t code) const;              // -1
    int32_t IdChampionnat(int32_t code) const;             // 0
    std::string NomChampionnat(int32_t code) const;
    std::string NomDivision(int32_t code) const;
    std::string NomCompletDivision(int32_t code) const;    // "championship : division"
    std::string NomAfficheDivision(int32_t code) const;    // nom, or NomGroupe when it has groups
    std::string NomFichierDivision(int32_t code) const;
    int TypeJournee(int32_t code) const;                   // 0
    const TStringList* ListeDivision(int32_t code) const;  // nullptr
    void PointsDivision(int32_t code, int& victoire, int& nul, int& defaite) const;   // 3 1 0
    // The ";"-separated items of the division's playoff text, trimmed, empty
    // ones left out; nullptr when the division does not exist.
    std::unique_ptr<TStringList> ListePlayoff(int32_t code) const;

    // kind 0 nEquipe, 1 nPromu, 2 nRelegue, 3 nChampLigue, 4 nEuropeen,
    // 5 nBarragePromu, 6 nBarrageRelegue, 7 nGroupe; def when the division does
    // not exist; 0 for another kind.
    int ValeurDivision(int32_t code, int type, int def) const;
    int NbEquipeDivision(int32_t code) const { return ValeurDivision(code, 0, 18); }
    int NbPromu(int32_t code) const { return ValeurDivision(code, 1, 0); }
    int NbRelegue(int32_t code) const { return ValeurDivision(code, 2, 0); }
    int NbChampLigue(int32_t code) const { return ValeurDivision(code, 3, 0); }
    int NbEuropeen(int32_t code) const { return ValeurDivision(code, 4, 0); }
    int NbBarragePromu(int32_t code) const { return ValeurDivision(code, 5, 0); }
    int NbBarrageRelegue(int32_t code) const { return ValeurDivision(code, 6, 0); }
    int NbGroupeDivision(int32_t code) const { return ValeurDivision(code, 7, 0); }

    int NbChampionnat() const { return static_cast<int>(championnats_.size()); }
    const TCfgChampionnat* Championnat(int i) const;
    const TCfgChampionnat* ChampionnatParId(int32_t id) const;
    // The first template whose code range holds the code itself (not reduced).
    const TCfgChampionnat* ChampionnatParCode(int32_t code) const;
    // The name of the template of that id, else of the template of id 0.
    std::string NomChampionnatParId(int32_t id) const;

    // Append to the caller's list:
    void ListeChampionnats(TStringList& liste) const;                 // name, id
    void ListeDivisions(TStringList& liste) const;                    // "championship : division", code
    void ListeDivisionsChampionnat(int32_t id, TStringList& liste) const;   // division name, code

private:
    int Cherche(int32_t code, const TDivisionParam** division) const;
    std::vector<std::unique_ptr<TCfgChampionnat>> championnats_;
    bool complet_ = false;
};

// The templates of the four sports (0 football, 1 rugby, 2 basketball, 3
// handball) and the current sport (6: none).
class TLectureParamMulti
{
public:
    // Frees the sport's templates, then reads the file when it exists; false
    // when it does not exist or cannot be read whole (cut short, malformed,
    // another root): the slot then stays empty, no template is half taken.
    bool ChargeParam(const std::string& nomFichier, int sport);
    void SetSport(int sport) { sport_ = static_cast<uint8_t>(sport); }
    uint8_t Sport() const { return sport_; }
    // The templates of the current sport; nullptr when the sport is not 0..3 or
    // its file was missing.
    TLectureParam* ParamCourant() const;

private:
    std::array<std::unique_ptr<TLectureParam>, 4> params_;
    uint8_t sport_ = 6;
};

// The process-wide template readers, created by the main window at start-up;
// nullptr until then.
TLectureParamMulti* LectureParamMulti();
// Installs them (the previous ones are freed; nullptr frees them).
void InstalleLectureParamMulti(std::unique_ptr<TLectureParamMulti> lecture);
