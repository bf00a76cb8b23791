#include "model/LectureParametre.h"

#include "model/ioXml.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

// Codes above 10000 count as code - 10000 in a template's range.
static int32_t Reduit(int32_t code)
{
    return code > 10000 ? code - 10000 : code;
}

// The names the shipped templates give their championships and divisions,
// each with its text in the language files: shown in the interface language.
// Any other name (a user's template) is kept as it stands.
static std::string NomModele(const std::string& nom)
{
    static const std::pair<int, const char*> noms[] = {
    {3930, "Championnat personnalisé"},
    {3931, "Division personnalisée"},
    {3932, "Championnat de France"},
    {3933, "Première division"},
    {3934, "Deuxième division"},
    {3935, "Troisième division"},
    {3936, "Troisième division (2 poules)"},
    {3937, "Première division avec play-offs"},
    {3938, "Championnat d'Espagne"},
    {3939, "Ligue professionnelle fermée"},
    {3940, "Conférence"},
    {3941, "Ligue (2 conférences)"},
    {3942, "Ligue avec play-offs"},
    {3943, "Ligue continentale des clubs"},
    {3944, "Saison régulière"},
    {3945, "Saison régulière et phase finale"},
    {3946, "Tournoi mondial des nations"},
    {3947, "Groupe de qualification"},
    {3948, "Phase finale (32 équipes)"},
    {3949, "Phase finale (8 groupes)"},
    {3950, "Quatrième division"},
    {3951, "Quatrième division (4 groupes)"},
    {3952, "Quatrième division, 4 groupes"},
    {3953, "Championnat d'Angleterre"},
    {3954, "Championnat d'Italie"},
    {3955, "Troisième division (3 groupes)"},
    {3956, "Championnat d'Allemagne"},
    {3957, "Coupe continentale des clubs"},
    {3958, "Tour de qualification"},
    {3959, "Phase de groupes et phase finale"},
    {3960, "Coupe continentale (8 groupes)"},
    {3961, "Troisième division (4 poules)"},
    {3962, "Ligue continentale (2 groupes)"},
    {3963, "Championnat mondial des nations"},
    {3964, "Première division avec phase finale"},
    {3965, "Championnat celte et sud-africain"},
    {3966, "Ligue unique"},
    {3967, "Tournoi des nations"},
    {3968, "Tournoi"},
    {3969, "Poule de qualification"},
    {3970, "Phase finale (20 équipes)"},
    {3971, "Phase finale (4 poules)"},
    {3972, "Phase de poules et phase finale"},
    {3973, "Coupe continentale (4 poules)"},
    };
    for (const auto& [id, francais] : noms)
        if (nom == L1(francais)) {
            const std::string t = Traduire(id);
            return t.empty() ? nom : t;
        }
    return nom;
}

// ---------------------------------------------------------------------------

TCfgChampionnat::TCfgChampionnat(int32_t id, std::string nom) : Nom(std::move(nom)), Id(id) {}

void TCfgChampionnat::AjouteDivision(std::unique_ptr<TDivisionParam> division)
{
    if (!division)
        return;
    const int32_t code = division->Code;
    size_t i = 0;
    while (i < divisions_.size() && divisions_[i]->Code < code)
        ++i;
    divisions_.insert(divisions_.begin() + static_cast<std::ptrdiff_t>(i), std::move(division));
    codeMin_ = std::min(codeMin_, Reduit(code));
    codeMax_ = std::max(codeMax_, Reduit(code));
}

const TDivisionParam* TCfgChampionnat::Division(int i) const
{
    return i >= 0 && i < NbDivision() ? divisions_[static_cast<size_t>(i)].get() : nullptr;
}

const TDivisionParam* TCfgChampionnat::DivisionParCode(int32_t code) const
{
    for (const auto& d : divisions_)
        if (d->Code == code)
            return d.get();
    return nullptr;
}

// ---------------------------------------------------------------------------
// Reading

static void LitDivision(TXmlReader& x, TDivisionParam& d)
{
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        const std::string& n = x.Nom();
        if (n == "nEquipe") d.nEquipe = static_cast<uint8_t>(x.TexteEntier());
        else if (n == "PtsVictoire") d.PtsVictoire = static_cast<uint8_t>(x.TexteEntier());
        else if (n == "PtsNul") d.PtsNul = static_cast<uint8_t>(x.TexteEntier());
        else if (n == "PtsDefaite") d.PtsDefaite = static_cast<uint8_t>(x.TexteEntier());
        else if (n == "nChampLigue") d.nChampLigue = static_cast<uint8_t>(x.TexteEntier());
        else if (n == "nEuropeen") d.nEuropeen = static_cast<uint8_t>(x.TexteEntier());
        else if (n == "nPromu") d.nPromu = static_cast<uint8_t>(x.TexteEntier());
        else if (n == "nRelegue") d.nRelegue = static_cast<uint8_t>(x.TexteEntier());
        else if (n == "nBarragePromu") d.nBarragePromu = static_cast<uint8_t>(x.TexteEntier());
        else if (n == "nBarrageRelegue") d.nBarrageRelegue = static_cast<uint8_t>(x.TexteEntier());
        else if (n == "nGroupe") d.nGroupe = static_cast<uint16_t>(x.TexteEntier());
        else if (n == "NomFichier") d.NomFichier = x.Texte();
        else if (n == "NomGroupe") d.NomGroupe = NomModele(x.Texte());
        else if (n == "nom") d.nom = NomModele(x.Texte());
        else if (n == "typejournee") d.typejournee = SameText(x.Texte(), "date") ? 1 : 0;
        else if (n == "playoff") d.playoff = x.Texte();
        else if (n == "division") d.division.AddObject(x.ValeurAttribut("Id"), x.TexteEntier());
        x.SauteElement(j);
        j = x.ElementSuivant();
    }
}

TLectureParam::TLectureParam(const std::string& nomFichier)
{
    TXmlReader x(nomFichier);
    Lit(x);
}

void TLectureParam::Lit(TXmlReader& x)
{
    complet_ = false;
    x.NombresSouples();
    uint8_t j = x.ElementSuivant();
    if (j != xmlDebut || x.Nom() != "config")
        return;
    j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        if (x.Nom() == "championnat" && j == xmlDebut) {
            auto propre = std::make_unique<TCfgChampionnat>(x.AttributEntier("Id", 0));
            TCfgChampionnat* cfg = propre.get();
            uint8_t k = x.ElementSuivant();
            while (k != xmlFin && k != xmlFinFlux) {
                if (x.Nom() == "nom") {
                    cfg->Nom = NomModele(x.Texte());
                    // Listed once, at its first name.
                    if (propre)
                        championnats_.push_back(std::move(propre));
                } else if (x.Nom() == "divis") {
                    auto d = std::make_unique<TDivisionParam>();
                    d->Code = static_cast<uint16_t>(x.AttributEntier("Id", 0));
                    if (k == xmlDebut) {
                        LitDivision(x, *d);
                        k = xmlComplet;   // its end tag is read
                    }
                    cfg->AjouteDivision(std::move(d));
                }
                x.SauteElement(k);
                k = x.ElementSuivant();
            }
            // A template without a name is not listed (propre frees it).
        } else {
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
    complet_ = j == xmlFin && x.Profondeur() == 0 && !x.Malforme() && !x.FinAtteinte();
}

// ---------------------------------------------------------------------------
// Lookups

int TLectureParam::Cherche(int32_t code, const TDivisionParam** division) const
{
    const int32_t r = code % 10000;
    for (size_t i = 0; i < championnats_.size(); ++i) {
        const TCfgChampionnat& c = *championnats_[i];
        if (c.CodeMin() <= r && r <= c.CodeMax()) {
            if (const TDivisionParam* d = c.DivisionParCode(code)) {
                if (division)
                    *division = d;
                return static_cast<int>(i);
            }
        }
    }
    if (division)
        *division = nullptr;
    return -1;
}

const TDivisionParam* TLectureParam::DivisionParCode(int32_t code) const
{
    const TDivisionParam* d = nullptr;
    Cherche(code, &d);
    return d;
}

int TLectureParam::IndexChampionnat(int32_t code) const
{
    return Cherche(code, nullptr);
}

int32_t TLectureParam::IdChampionnat(int32_t code) const
{
    const int i = Cherche(code, nullptr);
    return i < 0 ? 0 : championnats_[static_cast<size_t>(i)]->Id;
}

std::string TLectureParam::NomChampionnat(int32_t code) const
{
    const int i = Cherche(code, nullptr);
    return i < 0 ? std::string() : championnats_[static_cast<size_t>(i)]->Nom;
}

std::string TLectureParam::NomDivision(int32_t code) const
{
    const TDivisionParam* d = DivisionParCode(code);
    return d ? d->nom : std::string();
}

std::string TLectureParam::NomCompletDivision(int32_t code) const
{
    const TDivisionParam* d = nullptr;
    const int i = Cherche(code, &d);
    return i < 0 ? std::string() : DeuxPoints(championnats_[static_cast<size_t>(i)]->Nom, d->nom);
}

std::string TLectureParam::NomAfficheDivision(int32_t code) const
{
    const TDivisionParam* d = DivisionParCode(code);
    if (!d)
        return {};
    return d->nGroupe == 0 ? d->nom : d->NomGroupe;
}

std::string TLectureParam::NomFichierDivision(int32_t code) const
{
    const TDivisionParam* d = DivisionParCode(code);
    return d ? d->NomFichier : std::string();
}

int TLectureParam::TypeJournee(int32_t code) const
{
    const TDivisionParam* d = DivisionParCode(code);
    return d ? d->typejournee : 0;
}

const TStringList* TLectureParam::ListeDivision(int32_t code) const
{
    const TDivisionParam* d = DivisionParCode(code);
    return d ? &d->division : nullptr;
}

void TLectureParam::PointsDivision(int32_t code, int& victoire, int& nul, int& defaite) const
{
    const TDivisionParam* d = DivisionParCode(code);
    victoire = d ? d->PtsVictoire : 3;
    nul = d ? d->PtsNul : 1;
    defaite = d ? d->PtsDefaite : 0;
}

std::unique_ptr<TStringList> TLectureParam::ListePlayoff(int32_t code) const
{
    const TDivisionParam* d = DivisionParCode(code);
    if (!d)
        return nullptr;
    auto liste = std::make_unique<TStringList>();
    const std::string& t = d->playoff;
    size_t debut = 0;
    while (debut <= t.size()) {
        size_t fin = t.find(';', debut);
        if (fin == std::string::npos)
            fin = t.size();
        std::string item = Trim(std::string_view(t).substr(debut, fin - debut));
        if (!item.empty())
            liste->Add(std::move(item));
        debut = fin + 1;
    }
    return liste;
}

int TLectureParam::ValeurDivision(int32_t code, int type, int def) const
{
    const TDivisionParam* d = DivisionParCode(code);
    if (!d)
        return def;
    switch (type) {
    case 0: return d->nEquipe;
    case 1: return d->nPromu;
    case 2: return d->nRelegue;
    case 3: return d->nChampLigue;
    case 4: return d->nEuropeen;
    case 5: return d->nBarragePromu;
    case 6: return d->nBarrageRelegue;
    case 7: return d->nGroupe;
    default: return 0;
    }
}

const TCfgChampionnat* TLectureParam::Championnat(int i) const
{
    return i >= 0 && i < NbChampionnat() ? championnats_[static_cast<size_t>(i)].get() : nullptr;
}

const TCfgChampionnat* TLectureParam::ChampionnatParId(int32_t id) const
{
    for (const auto& c : championnats_)
        if (c->Id == id)
            return c.get();
    return nullptr;
}

const TCfgChampionnat* TLectureParam::ChampionnatParCode(int32_t code) const
{
    for (const auto& c : championnats_)
        if (c->CodeMin() <= code && code <= c->CodeMax())
            return c.get();
    return nullptr;
}

std::string TLectureParam::NomChampionnatParId(int32_t id) const
{
    if (const TCfgChampionnat* c = ChampionnatParId(id))
        return c->Nom;
    if (const TCfgChampionnat* c = ChampionnatParId(0))
        return c->Nom;
    return {};
}

void TLectureParam::ListeChampionnats(TStringList& liste) const
{
    for (const auto& c : championnats_)
        liste.AddObject(c->Nom, c->Id);
}

void TLectureParam::ListeDivisions(TStringList& liste) const
{
    for (const auto& c : championnats_)
        for (int i = 0; i < c->NbDivision(); ++i) {
            const TDivisionParam* d = c->Division(i);
            if (!d->nom.empty())
                liste.AddObject(DeuxPoints(c->Nom, d->nom), d->Code);
        }
}

void TLectureParam::ListeDivisionsChampionnat(int32_t id, TStringList& liste) const
{
    const TCfgChampionnat* c = ChampionnatParId(id);
    if (!c)
        return;
    for (int i = 0; i < c->NbDivision(); ++i) {
        const TDivisionParam* d = c->Division(i);
        if (!d->nom.empty())
            liste.AddObject(d->nom, d->Code);
    }
}

// ---------------------------------------------------------------------------

bool TLectureParamMulti::ChargeParam(const std::string& nomFichier, int sport)
{
    if (sport < 0 || sport > 3)
        return false;
    params_[static_cast<size_t>(sport)].reset();
    if (!FileExists(nomFichier))
        return false;
    try {
        auto p = std::make_unique<TLectureParam>(nomFichier);
        if (!p->Complet())
            return false;
        params_[static_cast<size_t>(sport)] = std::move(p);
    } catch (const Exception&) {
        return false;
    }
    return true;
}

TLectureParam* TLectureParamMulti::ParamCourant() const
{
    return sport_ <= 3 ? params_[sport_].get() : nullptr;
}

namespace {
std::unique_ptr<TLectureParamMulti>& Global()
{
    static std::unique_ptr<TLectureParamMulti> lecture;
    return lecture;
}
}   // namespace

TLectureParamMulti* LectureParamMulti()
{
    return Global().get();
}

void InstalleLectureParamMulti(std::unique_ptr<TLectureParamMulti> lecture)
{
    Global() = std::move(lecture);
}
