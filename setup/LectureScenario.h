// The scenario of a template division made of groups: the rounds that follow
// the group stage (play-off leagues, knock-out cups between the group
// winners), written as an INI file from the template's playoff items and
// read back key by key.
//
//     TLectureScenario s(*param.ListePlayoff(code), dossierEcriture + "config/spec.cfg");
//     for (int n = 2; n <= s.NombreTours(); ++n) ...
#pragma once

#include <memory>
#include <string>

class TIniFile;
class TStringList;

class TLectureScenario
{
public:
    // Bounds of the counts read from a template.
    static constexpr int MaxTours = 32;
    static constexpr int MaxGroupes = 127;
    static constexpr int MaxMatchs = 1024;

    // Writes the file (its folder is created) from the lines, then opens it.
    TLectureScenario(const TStringList& lignes, const std::string& nomFichier);
    ~TLectureScenario();

    int NombreTours() const;
    int TypeEquipe() const;                    // 3 national teams, 2 clubs
    void Annees(int& premiere, int& seconde) const;
    std::string TitreTour(int n) const;
    int TypeTour(int n) const;                 // 0 league, 1 cup, 4 other
    int NombreGroupes(int n) const;
    int TypeDate(int n) const;
    int NombreQualifies(int n, int g) const;
    void Points(int n, int& victoire, int& nul, int& defaite) const;
    int ClJoueur(int n, int g) const;          // 2 division, 3 championship, 1 otherwise
    int CodeChamp(int n) const;
    bool TerrainNeutre(int n, int g) const;
    int NombreSousTours(int n) const;
    int MatchSousTour(int n, int m) const;
    int TypeSousTour(int n, int m) const;      // 1, 2, 5, 6, 7 or -1
    // Sub-round 1: the (group, place) of each side, (-1, -1) when not set.
    void EquipesMatch(int n, int m, int& g1, int& p1, int& g2, int& p2) const;
    // Sub-round s >= 2: k for "T<s-1>_<k>", 0x8000 + g*256 + p for a place of
    // a group, -1 otherwise.
    void EquipeGroupe(int n, int s, int m, int& e1, int& e2) const;

private:
    std::string Tour(int n) const;
    std::string Texte(int n, const std::string& cle, int g) const;
    std::unique_ptr<TIniFile> ini_;
};
