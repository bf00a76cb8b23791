#include "engine/historique.h"

#include <algorithm>
#include <cstdint>

#include "engine/ioFile.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Streams.h"

namespace {

// Names never hold 0xFF: it ends a name in the file.
std::string NomPropre(std::string nom)
{
    std::replace(nom.begin(), nom.end(), '\xFF', 'y');
    return nom;
}

// The code a name "stat<code>..." gives, false for another name.
bool CodeNom(const std::string& nomFichier, int32_t& code)
{
    const std::string nom = LowerCase(ExtractFileName(nomFichier));
    if (nom.compare(0, 4, "stat") != 0)
        return false;
    size_t p = 4;
    const bool negatif = p < nom.size() && nom[p] == '-';
    if (negatif)
        ++p;
    const size_t debut = p;
    int64_t v = 0;
    for (; p < nom.size() && nom[p] >= '0' && nom[p] <= '9' && p - debut < 10; ++p)
        v = 10 * v + (nom[p] - '0');
    if (p == debut || (p < nom.size() && nom[p] >= '0' && nom[p] <= '9'))
        return false;
    if (negatif)
        v = -v;
    if (v < INT32_MIN || v > INT32_MAX)
        return false;
    code = static_cast<int32_t>(v);
    return true;
}

// A file keeps 16 bits of its championship's code; its name "stat<code>..."
// keeps the whole code. The code of the name when both agree.
bool CodeNomFichier(const std::string& nomFichier, int32_t idFichier, int32_t& code)
{
    int32_t v = 0;
    if (!CodeNom(nomFichier, v) || ((static_cast<uint32_t>(v) ^ static_cast<uint32_t>(idFichier)) & 0xFFFF))
        return false;
    code = v;
    return true;
}

void Ecrit16(std::string& s, int v)
{
    s += static_cast<char>((v >> 8) & 0xFF);
    s += static_cast<char>(v & 0xFF);
}

// Bytes in memory read like a file.
struct TSourceMemoire
{
    const uint8_t* donnees;
    size_t taille;
    size_t position = 0;
    bool fin = false;
    uint8_t LitOctet()
    {
        if (position >= taille) {
            fin = true;
            return 0;
        }
        return donnees[position++];
    }
    bool FinFichier() const { return fin; }
};

// Longest name accepted: longer means a damaged file (a name without its end).
constexpr size_t LongueurNomMax = 65535;

// The history id 59 of seasons was once written for team 24. The old files that
// carry this fault name no team 59; a file that names a team 59 keeps its ids.
constexpr int IdFautif = 59;
constexpr int IdRepare = 24;

} // namespace

// ---------------------------------------------------------------------------
TSaisonStat::TSaisonStat(int n, int saison)
    : n_(std::clamp(n, 0, 255)), saison_(saison),
      resultats_(static_cast<size_t>(n_) * static_cast<size_t>(n_) * 2, NonJoue)
{
}

void TSaisonStat::SetSaison(int s)
{
    if (s >= 1 && s <= 199)
        saison_ = s;
}

void TSaisonStat::AjouteEquipe(int id)
{
    if (id >= 0 && id <= 65535)
        ids_.push_back(static_cast<uint16_t>(id));
}

int TSaisonStat::IdEquipe(int i) const
{
    return i >= 0 && i < NbIds() ? ids_[static_cast<size_t>(i)] : -1;
}

int TSaisonStat::PositionEquipe(int id) const
{
    for (int i = 0; i < NbIds(); ++i)
        if (ids_[static_cast<size_t>(i)] == id)
            return i;
    return -1;
}

std::pair<int, int> TSaisonStat::Resultat(int i, int j) const
{
    if (i < 0 || j < 0 || i >= n_ || j >= n_)
        return {NonJoue, NonJoue};
    const size_t k = (static_cast<size_t>(i) * static_cast<size_t>(n_) + static_cast<size_t>(j)) * 2;
    const int d = resultats_[k], e = resultats_[k + 1];
    if (d == NonJoue || e == NonJoue)
        return {NonJoue, NonJoue};
    return {d, e};
}

std::pair<int, int> TSaisonStat::ResultatEquipes(int idDomicile, int idExterieur) const
{
    return Resultat(PositionEquipe(idDomicile), PositionEquipe(idExterieur));
}

void TSaisonStat::EcritResultat(int i, int j, int domicile, int exterieur)
{
    if (i < 0 || j < 0 || i >= n_ || j >= n_)
        return;
    if (domicile < 0 || exterieur < 0 || domicile >= NonJoue || exterieur >= NonJoue)
        return;
    const size_t k = (static_cast<size_t>(i) * static_cast<size_t>(n_) + static_cast<size_t>(j)) * 2;
    resultats_[k] = static_cast<uint8_t>(domicile);
    resultats_[k + 1] = static_cast<uint8_t>(exterieur);
}

std::pair<int, int> TSaisonStat::Buts(int i, int j) const
{
    if (i < 0 || j < 0 || i >= n_ || j >= n_)
        return {NonJoue, NonJoue};
    const size_t k = (static_cast<size_t>(i) * static_cast<size_t>(n_) + static_cast<size_t>(j)) * 2;
    return {resultats_[k], resultats_[k + 1]};
}

void TSaisonStat::EcritButs(int i, int j, int domicile, int exterieur)
{
    if (i < 0 || j < 0 || i >= n_ || j >= n_)
        return;
    auto octet = [](int v) { return static_cast<uint8_t>(v >= 0 && v < NonJoue ? v : NonJoue); };
    const size_t k = (static_cast<size_t>(i) * static_cast<size_t>(n_) + static_cast<size_t>(j)) * 2;
    resultats_[k] = octet(domicile);
    resultats_[k + 1] = octet(exterieur);
}

bool TSaisonStat::AUnResultat() const
{
    for (int i = 0; i < n_; ++i)
        for (int j = 0; j < n_; ++j)
            if (Resultat(i, j).first != NonJoue)
                return true;
    return false;
}

void TSaisonStat::EcritOctets(std::string& s) const
{
    s += static_cast<char>(n_);
    s += static_cast<char>(saison_ & 0xFF);
    s += static_cast<char>(SystemePoints);
    const size_t nbIds = std::min<size_t>(ids_.size(), 255);
    s += static_cast<char>(nbIds);
    for (size_t i = 0; i < nbIds; ++i)
        Ecrit16(s, ids_[i]);
    s.append(reinterpret_cast<const char*>(resultats_.data()), resultats_.size());
}

std::unique_ptr<TMemoryStream> TSaisonStat::EcritFlux() const
{
    std::string s;
    EcritOctets(s);
    auto flux = std::make_unique<TMemoryStream>();
    flux->Write(s.data(), static_cast<long>(s.size()));
    flux->Seek(0, soFromBeginning);
    return flux;
}

void TSaisonStat::CalculeClassement(int type, std::vector<int32_t>& table, std::vector<int32_t>& ordre) const
{
    const size_t n = static_cast<size_t>(n_);
    table.assign(n * 7, 0);
    ordre.assign(n * 5, 0);
    // Per position: [0] home, [1] away: W, D, L, goals for, goals against.
    struct TCompte
    {
        int32_t v[2][5] = {};
        int32_t largesVictoires = 0;
        int32_t matchsOffensifs = 0;
    };
    std::vector<TCompte> c(n);
    for (int i = 0; i < n_; ++i)
        for (int j = 0; j < n_; ++j) {
            const auto [d, e] = Resultat(i, j);
            if (d == NonJoue)
                continue;
            TCompte& a = c[static_cast<size_t>(i)];
            TCompte& b = c[static_cast<size_t>(j)];
            a.v[0][3] += d;
            a.v[0][4] += e;
            b.v[1][3] += e;
            b.v[1][4] += d;
            if (d > e) {
                ++a.v[0][0];
                ++b.v[1][2];
            } else if (d < e) {
                ++a.v[0][2];
                ++b.v[1][0];
            } else {
                ++a.v[0][1];
                ++b.v[1][1];
            }
            if (d - e >= 3)
                ++a.largesVictoires;
            if (e - d >= 3)
                ++b.largesVictoires;
            if (d >= 3)
                ++a.matchsOffensifs;
            if (e >= 3)
                ++b.matchsOffensifs;
        }

    for (size_t i = 0; i < n; ++i)
        ordre[i * 5] = static_cast<int32_t>(i);
    if (type >= 1 && type <= 3) {
        for (size_t i = 0; i < n; ++i) {
            int32_t w[5] = {};
            for (int cote = 0; cote < 2; ++cote)
                if (type == 1 || type == cote + 2)
                    for (int k = 0; k < 5; ++k)
                        w[k] += c[i].v[cote][k];
            int32_t points = 0;
            switch (SystemePoints) {
            case 0: points = 3 * w[0] + w[1]; break;
            case 1: points = 2 * w[0] + w[1]; break;
            // As the history window names them: 2 "a bonus point for 3 goals
            // scored", 3 "a bonus point for a 3-goal margin".
            case 2: points = 2 * w[0] + w[1] + c[i].matchsOffensifs; break;
            case 3: points = 2 * w[0] + w[1] + c[i].largesVictoires; break;
            default: points = 3 * w[0] + w[1]; break;
            }
            int32_t* r = &table[i * 7];
            r[0] = points;
            r[1] = w[0];
            r[2] = w[1];
            r[3] = w[2];
            r[4] = w[3];
            r[5] = w[4];
            r[6] = w[3] - w[4];
            int32_t* o = &ordre[i * 5];
            o[1] = points;
            o[2] = r[6];
            o[3] = w[3];
            o[4] = w[0];
        }
        auto avant = [](const int32_t* a, const int32_t* b) {
            if (a[1] != b[1])
                return a[1] > b[1];
            if (a[2] != b[2])
                return a[2] > b[2];
            if (a[3] != b[3])
                return a[3] > b[3];
            return a[0] < b[0];
        };
        for (size_t i = 0; i + 1 < n; ++i)
            for (size_t j = i + 1; j < n; ++j)
                if (avant(&ordre[j * 5], &ordre[i * 5]))
                    std::swap_ranges(&ordre[i * 5], &ordre[i * 5] + 5, &ordre[j * 5]);
    } else if (type >= 4 && type <= 6) {
        const int k = type - 2;   // losses, goals for, goals against
        for (size_t i = 0; i < n; ++i) {
            const int32_t v = c[i].v[0][k] + c[i].v[1][k];
            table[i * 7 + static_cast<size_t>(type) - 1] = v;
            ordre[i * 5 + 1] = v;
        }
        for (size_t i = 0; i + 1 < n; ++i)
            for (size_t j = i + 1; j < n; ++j) {
                const int32_t* a = &ordre[j * 5];
                const int32_t* b = &ordre[i * 5];
                if (a[1] > b[1] || (a[1] == b[1] && a[0] < b[0]))
                    std::swap_ranges(&ordre[i * 5], &ordre[i * 5] + 5, &ordre[j * 5]);
            }
    }
}

// ---------------------------------------------------------------------------
int TStat::IdEquipe(const std::string& nom)
{
    const int id = ChercheEquipe(nom);
    if (id >= 0 || nom.empty())
        return id;
    if (prochainId_ > 65535)
        return -1;
    noms_.emplace_back(NomPropre(nom), prochainId_);
    index_.emplace(CleNom(nom), prochainId_);
    return prochainId_++;
}

int TStat::AjouteNomEquipe(const std::string& nom, int id)
{
    const int existant = ChercheEquipe(nom);
    if (existant >= 0)
        return existant;
    noms_.emplace_back(NomPropre(nom), id);
    index_.emplace(CleNom(nom), id);
    if (id >= prochainId_)
        prochainId_ = id + 1;
    return id;
}

int TStat::ChercheEquipe(const std::string& nom) const
{
    const auto i = index_.find(CleNom(nom));
    return i == index_.end() ? -1 : i->second;
}

std::string TStat::CleNom(const std::string& nom) { return AnsiLowerCase(NomPropre(nom)); }

std::string TStat::NomEquipe(int id) const
{
    for (const auto& [n, i] : noms_)
        if (i == id)
            return n;
    return {};
}

std::string TStat::NomIndex(int i) const
{
    return i >= 0 && i < NombreEquipes() ? noms_[static_cast<size_t>(i)].first : std::string();
}

int TStat::IdIndex(int i) const
{
    return i >= 0 && i < NombreEquipes() ? noms_[static_cast<size_t>(i)].second : -1;
}

TSaisonStat* TStat::Saison(int i) const
{
    return i >= 0 && i < NombreSaisons() ? saisons_[static_cast<size_t>(i)].get() : nullptr;
}

int TStat::AjouteSaison(std::unique_ptr<TSaisonStat> s)
{
    if (!s)
        return -1;
    size_t i = 0;
    while (i < saisons_.size() && saisons_[i]->Saison() > s->Saison())
        ++i;
    if (i < saisons_.size() && saisons_[i]->Saison() == s->Saison())
        saisons_[i] = std::move(s);
    else
        saisons_.insert(saisons_.begin() + static_cast<std::ptrdiff_t>(i), std::move(s));
    return static_cast<int>(i);
}

std::array<int, 3> TStat::Bilan(int idDomicile, int idExterieur, int reference, int annees) const
{
    std::array<int, 3> bilan{0, 0, 0};
    for (const auto& s : saisons_) {
        const int ecart = reference - s->Saison();
        if (ecart < 1 || ecart > annees)
            continue;
        const auto [d, e] = s->ResultatEquipes(idDomicile, idExterieur);
        if (d != TSaisonStat::NonJoue)
            ++bilan[d > e ? 0 : d == e ? 1 : 2];
    }
    return bilan;
}

std::unique_ptr<TSaisonStat> TStat::SupprimeSaison(const TSaisonStat* s, int* index)
{
    for (size_t i = 0; i < saisons_.size(); ++i)
        if (saisons_[i].get() == s) {
            auto r = std::move(saisons_[i]);
            saisons_.erase(saisons_.begin() + static_cast<std::ptrdiff_t>(i));
            if (index)
                *index = static_cast<int>(i);
            return r;
        }
    if (index)
        *index = -1;
    return nullptr;
}

int TStat::SportNomFichier(const std::string& nomFichier)
{
    const std::string nom = ExtractFileName(nomFichier);
    size_t point = nom.rfind('.');
    if (point == std::string::npos)
        point = nom.size();
    const size_t souligne = point == 0 ? std::string::npos : nom.rfind('_', point - 1);
    if (souligne == std::string::npos)
        return 0;
    const int n = StrToIntDef(nom.substr(souligne + 1, point - souligne - 1), 0) - 1;
    return n >= 0 && n <= 3 ? n : 0;
}

template <class Source> bool TStat::Lit(Source& source)
{
    auto mot = [&source]() {
        const int h = source.LitOctet();
        return (h << 8) | source.LitOctet();
    };
    const uint8_t premier = source.LitOctet();
    int nbNoms = 0;
    if (premier == 0xFF) {
        IdChampionnat = mot();
        nbNoms = mot();
    } else {
        IdChampionnat = 1;
        nbNoms = (premier << 8) | source.LitOctet();
    }
    if (source.FinFichier())
        return false;
    idLu_ = premier == 0xFF;
    // Damage the reading goes past: what is held is sound, the file is not.
    bool sain = true;

    bool nomFautif = false;   // a team of id 59 is named
    for (int k = 0; k < nbNoms; ++k) {
        const int id = mot();
        std::string nom;
        for (;;) {
            const uint8_t c = source.LitOctet();
            if (source.FinFichier() || nom.size() > LongueurNomMax)
                return false;
            if (c == 0xFF)
                break;
            nom += static_cast<char>(c);
        }
        if (!nom.empty() && AjouteNomEquipe(nom, id) == IdFautif)
            nomFautif = true;
    }

    const int nbSaisons = source.LitOctet();
    if (source.FinFichier())
        return false;
    for (int s = 0; s < nbSaisons; ++s) {
        const int n = source.LitOctet();
        const int numero = source.LitOctet();
        const int points = source.LitOctet();
        const int nbIds = source.LitOctet();
        if (source.FinFichier())
            return false;
        auto saison = std::make_unique<TSaisonStat>(n, numero);
        // A points system no version writes: held as the one the standings
        // counted for it (3 points a win), the file called damaged.
        if (points > 3)
            sain = false;
        saison->SystemePoints = static_cast<uint8_t>(points > 3 ? 0 : points);
        for (int i = 0; i < nbIds; ++i)
            saison->ids_.push_back(static_cast<uint16_t>(mot()));
        if (!nomFautif && std::find(saison->ids_.begin(), saison->ids_.end(), IdRepare) == saison->ids_.end())
            std::replace(saison->ids_.begin(), saison->ids_.end(), static_cast<uint16_t>(IdFautif),
                         static_cast<uint16_t>(IdRepare));
        for (auto& octet : saison->resultats_)
            octet = source.LitOctet();
        if (source.FinFichier())
            return false;
        // Two seasons of one number are both kept, in the file's order.
        const auto place = std::find_if(saisons_.begin(), saisons_.end(),
                                        [numero](const auto& s) { return s->Saison() < numero; });
        saisons_.insert(place, std::move(saison));
    }
    return sain;
}

bool TStat::Charge(const std::string& nomFichier)
{
    endommage_ = false;
    idLu_ = false;
    if (!FileExists(nomFichier))
        return false;
    NomFichier = nomFichier;
    Sport = static_cast<uint8_t>(SportNomFichier(nomFichier));
    bool complet = false;
    try {
        TLecteurFichier lecteur(nomFichier);
        complet = Lit(lecteur);
    } catch (const EInOutError&) {
        complet = false;
    }
    endommage_ = !complet;
    // A file whose code could not be read keeps the championship its name gives.
    if (endommage_ && !idLu_) {
        int32_t code = 0;
        if (CodeNom(nomFichier, code))
            IdChampionnat = code;
    }
    enregistre_.clear();
    EcritOctets(enregistre_);
    return complet;
}

bool TStat::ChargeOctets(const uint8_t* donnees, size_t taille)
{
    TSourceMemoire source{donnees, taille};
    return Lit(source);
}

void TStat::EcritOctets(std::string& s) const
{
    s += '\xFF';
    Ecrit16(s, IdChampionnat);
    std::vector<const std::pair<std::string, int32_t>*> noms;
    for (const auto& n : noms_)
        if (!n.first.empty() && noms.size() < 65535)
            noms.push_back(&n);
    Ecrit16(s, static_cast<int>(noms.size()));
    for (const auto* n : noms) {
        Ecrit16(s, n->second);
        s += NomPropre(n->first);
        s += '\xFF';
    }
    const size_t nbSaisons = std::min<size_t>(saisons_.size(), 255);
    s += static_cast<char>(nbSaisons);
    for (size_t i = 0; i < nbSaisons; ++i)
        saisons_[i]->EcritOctets(s);
}

bool TStat::Sauve()
{
    std::string s;
    EcritOctets(s);
    const std::string dossier = ExtractFileDir(NomFichier);
    if (!dossier.empty() && !DirectoryExists(dossier))
        ForceDirectories(dossier);
    if (!WriteFileKeepingDamaged(NomFichier, s, endommage_, copieGardee_))
        return false;
    enregistre_ = std::move(s);
    return true;
}

bool TStat::SauveSaison(const TSaisonStat& saison)
{
    // The file as last read or written, with that season in it.
    TStat ecrit;
    if (!enregistre_.empty())
        ecrit.ChargeOctets(reinterpret_cast<const uint8_t*>(enregistre_.data()), enregistre_.size());
    ecrit.IdChampionnat = IdChampionnat;
    ecrit.NomFichier = NomFichier;
    ecrit.Sport = Sport;
    ecrit.endommage_ = endommage_;
    ecrit.copieGardee_ = copieGardee_;
    for (int i = 0; i < saison.NbIds(); ++i) {
        const int id = saison.IdEquipe(i);
        if (const std::string nom = NomEquipe(id); !nom.empty())
            ecrit.AjouteNomEquipe(nom, id);
    }
    ecrit.AjouteSaison(std::make_unique<TSaisonStat>(saison));
    if (!ecrit.Sauve())
        return false;
    enregistre_ = std::move(ecrit.enregistre_);
    endommage_ = ecrit.endommage_;
    copieGardee_ = ecrit.copieGardee_;
    return true;
}

std::unique_ptr<TSaisonStat> TStat::SaisonEnregistree(int numero) const
{
    if (enregistre_.empty())
        return nullptr;
    TStat ecrit;
    ecrit.ChargeOctets(reinterpret_cast<const uint8_t*>(enregistre_.data()), enregistre_.size());
    for (int i = 0; i < ecrit.NombreSaisons(); ++i)
        if (const TSaisonStat* s = ecrit.Saison(i); s->Saison() == numero)
            return std::make_unique<TSaisonStat>(*s);
    return nullptr;
}

bool TStat::Modifie() const
{
    if (enregistre_.empty())
        return !noms_.empty() || !saisons_.empty();
    std::string s;
    EcritOctets(s);
    return s != enregistre_;
}

void TStat::AbandonneModifications()
{
    // The championship id keeps its whole code (the bytes hold 16 bits of it).
    const int32_t id = IdChampionnat;
    saisons_.clear();
    noms_.clear();
    index_.clear();
    prochainId_ = 0;
    if (!enregistre_.empty()) {
        const std::string octets = enregistre_;
        ChargeOctets(reinterpret_cast<const uint8_t*>(octets.data()), octets.size());
    }
    IdChampionnat = id;
}

// ---------------------------------------------------------------------------
TStat* TStats::Stat(int i) const
{
    return i >= 0 && i < Nombre() ? stats_[static_cast<size_t>(i)].get() : nullptr;
}

int TStats::IndexStat(const TStat* s) const
{
    for (int i = 0; i < Nombre(); ++i)
        if (stats_[static_cast<size_t>(i)].get() == s)
            return i;
    return -1;
}

TStat* TStats::ChercheStat(int32_t id, int sport) const
{
    // A file read whole before one that was not.
    TStat* endommage = nullptr;
    for (const auto& s : stats_)
        if (s->IdChampionnat == id && s->Sport == sport) {
            if (!s->Endommage())
                return s.get();
            if (!endommage)
                endommage = s.get();
        }
    return endommage;
}

std::vector<std::string> TStats::ChargeDossier(const std::string& dossier)
{
    std::vector<std::string> endommages;
    for (const TSearchRec& f : ListFiles(dossier, "*")) {
        if (f.Directory || LowerCase(ExtractFileExt(f.Name)).substr(0, 4) != ".txt")
            continue;
        auto s = std::make_unique<TStat>();
        if (!s->Charge(MakePath(dossier, f.Name)) && s->Endommage())
            endommages.push_back(s->NomFichier);
        int32_t code = 0;
        if (CodeNomFichier(f.Name, s->IdChampionnat, code))
            s->IdChampionnat = code;
        stats_.push_back(std::move(s));
    }
    return endommages;
}

TStat* TStats::AjouteStat(const std::string& dossier, int32_t id, int sport)
{
    auto s = std::make_unique<TStat>();
    s->IdChampionnat = id;
    s->Sport = static_cast<uint8_t>(sport);
    // An existing file is never replaced by a new empty one: the new file takes
    // the next free name of that championship.
    auto nom = [&](int k) {
        std::string n = "stat";
        n += std::to_string(id);
        if (k > 1)
            n.append("-").append(std::to_string(k));
        n.append("_").append(std::to_string(sport + 1)).append(".txt");
        return MakePath(dossier, n);
    };
    s->NomFichier = nom(1);
    for (int k = 2; FileExists(s->NomFichier); ++k)
        s->NomFichier = nom(k);
    stats_.push_back(std::move(s));
    return stats_.back().get();
}
