#include "model/MultiSport.h"

#include <array>
#include <mutex>

#include "model/LectureParametre.h"
#include "model/SaisonSports.h"
#include "model/oTraducteur.h"

namespace {

constexpr const char* Formats[4] = {"gormelide", "tessavonde", "pollinarque", "murvaline"};
constexpr const char* Titres[5] = {"Gormelide Zelvor", "Tessavonde Zelvor", "Pollinarque Zelvor",
                                   "Murvaline Zelvor", "Brivantel Zelvor"};
constexpr const char* Sites[5] = {"www.gormelide.net", "www.tessavonde.net", "www.pollinarque.net",
                                  "www.murvaline.net", "www.brivantel.net"};

constexpr int NbGenres = 6;

struct TRegistre
{
    std::mutex verrou;
    std::array<std::array<TClasse, 4>, NbGenres> classes;
};

TRegistre& Registre()
{
    static TRegistre r;
    return r;
}

TNomFichierBlason& Blasons()
{
    static TNomFichierBlason f;
    return f;
}

bool SportValide(int sport)
{
    return sport >= 0 && sport <= 3;
}

}   // namespace

std::string TMultiSport::FormatDeSport(int sport)
{
    return SportValide(sport) ? Formats[sport] : std::string();
}

int TMultiSport::SportDeFormat(const std::string& format)
{
    for (int s = 0; s < 4; ++s)
        if (format == Formats[s])
            return s;
    return sportAucun;
}

std::string TMultiSport::TitreProduit(int sport)
{
    return sport >= 0 && sport <= 4 ? Titres[sport] : std::string();
}

std::string TMultiSport::Contact(int sport)
{
    if (sport < 0 || sport > 4)
        return {};
    return std::string("E-mail : contact@") + (Sites[sport] + 4);
}

std::string TMultiSport::SiteWeb(int sport)
{
    return sport >= 0 && sport <= 4 ? std::string("http://") + Sites[sport] : std::string();
}

std::unique_ptr<TSaison> TMultiSport::CreeSaison(int sport)
{
    std::unique_ptr<TSaison> saison;
    switch (sport) {
    case 0: saison = std::make_unique<TSaisonFootball>(); break;
    case 1: saison = std::make_unique<TSaisonRugby>(); break;
    case 2: saison = std::make_unique<TSaisonBasket>(); break;
    case 3: saison = std::make_unique<TSaisonHandball>(); break;
    default: break;
    }
    if (TLectureParamMulti* m = LectureParamMulti())
        m->SetSport(sport);
    return saison;
}

void TMultiSport::EnregistreClasse(TGenreFenetre genre, int sport, TClasse classe)
{
    const int g = static_cast<int>(genre);
    if (!SportValide(sport) || g < 0 || g >= NbGenres)
        return;
    TRegistre& r = Registre();
    std::lock_guard<std::mutex> garde(r.verrou);
    r.classes[static_cast<size_t>(g)][static_cast<size_t>(sport)] = std::move(classe);
}

TClasse TMultiSport::Classe(TGenreFenetre genre) const
{
    const int g = static_cast<int>(genre);
    if (!SportValide(sport_) || g < 0 || g >= NbGenres)
        return nullptr;
    // Basketball and handball match sheets have no assisters page.
    if (genre == TGenreFenetre::Passeurs && sport_ >= 2)
        return nullptr;
    TRegistre& r = Registre();
    std::lock_guard<std::mutex> garde(r.verrou);
    return r.classes[static_cast<size_t>(g)][sport_];
}

void TMultiSport::LibelleButeurs(std::string& texte) const
{
    static const int ids[4] = {68, 488, 50, 68};
    if (SportValide(sport_))
        texte = Traduire(ids[sport_]);
}

void TMultiSport::LibelleClassementJoueur(std::string& texte) const
{
    // The column of the first ranking counts goals (tries in rugby): it is
    // headed by what it counts, not by who is counted.
    static const int ids[4] = {68, 488, 0, 68};
    if (SportValide(sport_))
        texte = ids[sport_] ? Traduire(ids[sport_]) : std::string();
}

void TMultiSport::LibellesStatHistorique(std::string& texte1, std::string& texte2) const
{
    static const int ids[4][2] = {{68, 1258}, {488, 1265}, {50, 1295}, {68, 1258}};
    if (!SportValide(sport_))
        return;
    texte1 = Traduire(ids[sport_][0]);
    texte2 = Traduire(ids[sport_][1]);
}

std::string TMultiSport::LibelleStatistique(int type) const
{
    int id = 0;
    if (sport_ == 1) {
        switch (type) {
        case 6: id = 1089; break;
        case 8: id = 1093; break;
        case 10: id = 1095; break;
        default: break;
        }
    } else if (sport_ == 2) {
        switch (type) {
        case 0: id = 1108; break;
        case 1: id = 1109; break;
        case 6: id = 1118; break;
        case 8: id = 1119; break;
        case 10: id = 1120; break;
        default: break;
        }
    }
    return id ? Traduire(id) : std::string();
}

// ---------------------------------------------------------------------------

void InstalleNomFichierBlason(TNomFichierBlason f)
{
    Blasons() = std::move(f);
}

std::string NomFichierBlason(int id)
{
    const TNomFichierBlason& f = Blasons();
    return f ? f(id) : std::string();
}
