#include "setup/LectureScenario.h"

#include <algorithm>

#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

namespace {

// A prefix followed by a number (kept apart from the "literal + string" form).
std::string Numerote(std::string prefixe, int n)
{
    prefixe += IntToStr(n);
    return prefixe;
}

// "Tp_G<g>_<p>": (g, p); false for any other value.
bool PlaceGroupe(const std::string& v, int& g, int& p)
{
    if (!SameText(v.substr(0, std::min<size_t>(4, v.size())), "Tp_G"))
        return false;
    const size_t sep = v.find('_', 4);
    if (sep == std::string::npos)
        return false;
    g = StrToIntDef(v.substr(4, sep - 4), -1);
    p = StrToIntDef(v.substr(sep + 1), -1);
    return g >= 0 && p >= 0;
}

}  // namespace

TLectureScenario::TLectureScenario(const TStringList& lignes, const std::string& nomFichier)
{
    ForceDirectories(ExtractFilePath(nomFichier));
    lignes.SaveToFile(nomFichier);
    ini_ = std::make_unique<TIniFile>(nomFichier);
}

TLectureScenario::~TLectureScenario() = default;

std::string TLectureScenario::Tour(int n) const { return Numerote("Tour", n); }

std::string TLectureScenario::Texte(int n, const std::string& cle, int g) const
{
    std::string v = ini_->ReadString(Tour(n), cle + IntToStr(g), "");
    return v.empty() ? ini_->ReadString(Tour(n), cle, "") : v;
}

int TLectureScenario::NombreTours() const
{
    return std::clamp(ini_->ReadInteger("General", "nTour", 0), 0, MaxTours);
}

int TLectureScenario::TypeEquipe() const
{
    return SameText(ini_->ReadString("General", "TypeEquipe", ""), "International") ? 3 : 2;
}

void TLectureScenario::Annees(int& premiere, int& seconde) const
{
    premiere = ini_->ReadInteger("General", "AnneeDebut", 0);
    seconde = ini_->ReadInteger("General", "AnneeFin", premiere);
}

std::string TLectureScenario::TitreTour(int n) const { return ini_->ReadString(Tour(n), "Titre", ""); }

int TLectureScenario::TypeTour(int n) const
{
    const std::string t = ini_->ReadString(Tour(n), "Type", "");
    return SameText(t, "Champ") ? 0 : SameText(t, "Coupe") ? 1 : 4;
}

int TLectureScenario::NombreGroupes(int n) const
{
    return std::clamp(ini_->ReadInteger(Tour(n), "nGroupe", 0), 0, MaxGroupes);
}

int TLectureScenario::TypeDate(int n) const { return ini_->ReadInteger(Tour(n), "TypeDate", 0); }

int TLectureScenario::NombreQualifies(int n, int g) const
{
    int q = ini_->ReadInteger(Tour(n), "nQualifieGroupe" + IntToStr(g), 0);
    if (q == 0)
        q = ini_->ReadInteger(Tour(n), "nQualifieGroupe", 0);
    return std::clamp(q, 0, 255);
}

void TLectureScenario::Points(int n, int& victoire, int& nul, int& defaite) const
{
    victoire = ini_->ReadInteger(Tour(n), "PtsVictoire", 0);
    nul = ini_->ReadInteger(Tour(n), "PtsNul", 0);
    defaite = ini_->ReadInteger(Tour(n), "PtsDefaite", 0);
}

int TLectureScenario::ClJoueur(int n, int g) const
{
    const std::string v = Texte(n, "clJoueur", g);
    return SameText(v, "div") ? 2 : SameText(v, "champ") ? 3 : 1;
}

int TLectureScenario::CodeChamp(int n) const
{
    return StrToIntDef(Trim(ini_->ReadString(Tour(n), "CodeChamp", "")), 0);
}

bool TLectureScenario::TerrainNeutre(int n, int g) const { return SameText(Texte(n, "terrain", g), "neutre"); }

int TLectureScenario::NombreSousTours(int n) const
{
    return std::clamp(ini_->ReadInteger(Tour(n), "nTour", 0), 0, MaxTours);
}

int TLectureScenario::MatchSousTour(int n, int m) const
{
    return std::clamp(ini_->ReadInteger(Tour(n), "MatchTour" + IntToStr(m), 0), 0, MaxMatchs);
}

int TLectureScenario::TypeSousTour(int n, int m) const
{
    const std::string t = ini_->ReadString(Tour(n), "TypeTour" + IntToStr(m), "");
    if (SameText(t, "Simple"))
        return 1;
    if (SameText(t, "AllerRetour"))
        return 2;
    if (SameText(t, "3manches"))
        return 5;
    if (SameText(t, "5manches"))
        return 6;
    if (SameText(t, "7manches"))
        return 7;
    return -1;
}

void TLectureScenario::EquipesMatch(int n, int m, int& g1, int& p1, int& g2, int& p2) const
{
    const std::string cle = Numerote("T1_", m) + "Equipe";
    if (!PlaceGroupe(ini_->ReadString(Tour(n), cle + "1", ""), g1, p1))
        g1 = p1 = -1;
    if (!PlaceGroupe(ini_->ReadString(Tour(n), cle + "2", ""), g2, p2))
        g2 = p2 = -1;
}

void TLectureScenario::EquipeGroupe(int n, int s, int m, int& e1, int& e2) const
{
    const std::string precedent = Numerote("T", s - 1) + "_";
    auto cote = [&](const std::string& v) {
        int g = 0, p = 0;
        if (PlaceGroupe(v, g, p))
            // A side that does not fit its 16-bit word stays unset.
            return g < 128 && p < 256 ? 0x8000 + g * 256 + p : -1;
        if (v.size() > precedent.size() && SameText(v.substr(0, precedent.size()), precedent))
            return StrToIntDef(v.substr(precedent.size()), -1);
        return -1;
    };
    const std::string cle = Numerote(Numerote("T", s) + "_", m) + "Equipe";
    e1 = cote(ini_->ReadString(Tour(n), cle + "1", ""));
    e2 = cote(ini_->ReadString(Tour(n), cle + "2", ""));
}
