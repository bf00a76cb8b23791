#include "model/InfoComp.h"

#include <algorithm>
#include <cstring>

#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"

namespace {

// The mark written after a minute of the match, in the interface language.
std::string MarqueMinute()
{
    const std::string m = Traduire(3922);
    return m.empty() ? std::string("\xB0") : m;
}

constexpr int MaxLigne = 255;   // starters or substitution records per side

// Cuts v to 'garde' words, then grows it to 'taille' with empty entries of
// 'pas' words whose word 'note' is 255 (no rating); one allocation at most.
void Ajuste(std::vector<uint16_t>& v, size_t garde, size_t taille, size_t pas, size_t note)
{
    v.reserve(taille);
    v.resize(std::min(garde, taille));
    const size_t debut = v.size();
    v.resize(taille, 0);
    for (size_t i = debut + note; i < taille; i += pas)
        v[i] = 255;
}

// A starter: id (2 words), rating, shirt. A substitution record: shirt, off
// (2), on (2), minute, rating.
constexpr size_t PasTitulaire = 4, NoteTitulaire = 2;
constexpr size_t PasRemplacement = 7, NoteRemplacement = 6;

}   // namespace

TInfoComp::TInfoComp(int domicile, int exterieur, int nbTitulaire, int nbRemp)
    : nbTitulaire_(0), nbRemp_(0),
      equipes_{static_cast<uint16_t>(domicile), static_cast<uint16_t>(exterieur)}
{
    std::memset(scoresPeriode_, 255, sizeof scoresPeriode_);
    nbTitulaire = std::clamp(nbTitulaire, 0, MaxLigne);
    nbRemp = std::clamp(nbRemp, 0, MaxLigne);
    for (int c = 0; c < 2; ++c) {
        Ajuste(compo_[c], 1, static_cast<size_t>(1 + 4 * nbTitulaire), PasTitulaire, NoteTitulaire);
        Ajuste(remp_[c], 0, static_cast<size_t>(7 * nbRemp), PasRemplacement, NoteRemplacement);
    }
    nbTitulaire_ = nbTitulaire;
    nbRemp_ = nbRemp;
}

// ---------------------------------------------------------------------------
// Shoot-outs taken away

void TInfoComp::OteTirs(uint32_t tirs, int domicile, int exterieur)
{
    RendTirs(domicile, exterieur);
    if (tirs != 0)
        tirsOtes_.push_back({tirs, static_cast<uint16_t>(domicile), static_cast<uint16_t>(exterieur)});
}

void TInfoComp::OteTirs(std::span<const TTirsOtes> liste)
{
    if (liste.empty())
        return;
    // Those kept and those added in their order; of each score the last one
    // stays, at the place where it was last kept aside (one of 0 takes it away).
    std::vector<TTirsOtes> tous;
    tous.reserve(tirsOtes_.size() + liste.size());
    tous.insert(tous.end(), tirsOtes_.begin(), tirsOtes_.end());
    tous.insert(tous.end(), liste.begin(), liste.end());
    // (score, place) sorted: the last place of each score ends its run.
    std::vector<uint64_t> places(tous.size());
    for (size_t i = 0; i < tous.size(); ++i)
        places[i] = static_cast<uint64_t>(tous[i].Domicile) << 48 | static_cast<uint64_t>(tous[i].Exterieur) << 32 | i;
    std::sort(places.begin(), places.end());
    std::vector<bool> garde(tous.size(), false);
    for (size_t k = 0; k < places.size(); ++k)
        if (k + 1 == places.size() || places[k + 1] >> 32 != places[k] >> 32)
            garde[places[k] & 0xFFFFFFFF] = true;
    tirsOtes_.clear();
    for (size_t i = 0; i < tous.size(); ++i)
        if (garde[i] && tous[i].Tirs != 0)
            tirsOtes_.push_back(tous[i]);
}

uint32_t TInfoComp::TirsOtes(int domicile, int exterieur) const
{
    for (const TTirsOtes& t : tirsOtes_)
        if (t.Domicile == domicile && t.Exterieur == exterieur)
            return t.Tirs;
    return 0;
}

void TInfoComp::RendTirs(int domicile, int exterieur)
{
    std::erase_if(tirsOtes_, [&](const TTirsOtes& t) { return t.Domicile == domicile && t.Exterieur == exterieur; });
}

uint32_t TInfoComp::TirsPourScore(uint32_t tenus, int sh, int sa) const
{
    if (tenus != 0 && ScoresSaisis() && (scores_[0] & 0x7FFF) == sh && (scores_[1] & 0x7FFF) == sa)
        return tenus;
    if (const uint32_t ote = TirsOtes(sh, sa))
        return ote;
    return sh == sa ? tenus : 0;
}

// ---------------------------------------------------------------------------
// Sizes

void TInfoComp::SetNbTitulaire(int v)
{
    v = std::clamp(v, 0, MaxLigne);
    int garde = v;
    if (v < nbTitulaire_) {
        // Keep every slot up to the last filled one on either side.
        for (int c = 0; c < 2; ++c)
            for (int s = nbTitulaire_; s > garde; --s)
                if (Lit32(&compo_[c][static_cast<size_t>(4 * s - 3)]) != 0) {
                    garde = s;
                    break;
                }
    }
    for (auto& compo : compo_)
        Ajuste(compo, static_cast<size_t>(1 + 4 * std::min(garde, nbTitulaire_)), static_cast<size_t>(1 + 4 * garde),
               PasTitulaire, NoteTitulaire);
    nbTitulaire_ = garde;
}

void TInfoComp::SetNbRemp(int v)
{
    v = std::clamp(v, 0, MaxLigne);
    int garde = v;
    if (v < nbRemp_) {
        for (int c = 0; c < 2; ++c)
            for (int r = nbRemp_; r > garde; --r) {
                const uint16_t* m = &remp_[c][static_cast<size_t>(7 * (r - 1))];
                if (Lit32(m + 1) != 0 || Lit32(m + 3) != 0) {
                    garde = r;
                    break;
                }
            }
    }
    for (auto& remp : remp_)
        Ajuste(remp, static_cast<size_t>(7 * std::min(garde, nbRemp_)), static_cast<size_t>(7 * garde),
               PasRemplacement, NoteRemplacement);
    nbRemp_ = garde;
}

// ---------------------------------------------------------------------------
// Plain fields

int TInfoComp::IdEquipe(int cote) const
{
    return cote == 0 || cote == 1 ? equipes_[cote] : 65535;
}

void TInfoComp::SetIdEquipe(int cote, int id)
{
    if (cote == 0 || cote == 1)
        equipes_[cote] = static_cast<uint16_t>(id);
}

int TInfoComp::Cote(int idEquipe) const
{
    if (idEquipe == equipes_[0])
        return 0;
    if (idEquipe == equipes_[1])
        return 1;
    return -1;
}

uint16_t TInfoComp::Score(int cote) const
{
    return cote == 0 || cote == 1 ? scores_[cote] : ScoreVide;
}

void TInfoComp::SetScore(int cote, int valeur)
{
    if (cote == 0 || cote == 1)
        scores_[cote] = static_cast<uint16_t>(valeur);
}

int TInfoComp::TempsAdd(int k) const
{
    return k == 1 || k == 2 ? tempsAdd_[k - 1] : -1;
}

void TInfoComp::SetTempsAdd(int k, int v)
{
    if (k == 1 || k == 2)
        tempsAdd_[k - 1] = static_cast<uint8_t>(v);
}

int32_t TInfoComp::Officiel(int k) const
{
    return k >= 1 && k <= 3 ? officiels_[k - 1] : -1;
}

void TInfoComp::SetOfficiel(int k, int32_t id)
{
    if (k >= 1 && k <= 3)
        officiels_[k - 1] = id;
}

int TInfoComp::NoteOfficiel(int k) const
{
    return k >= 1 && k <= 3 ? notesOfficiels_[k - 1] : 0;
}

void TInfoComp::SetNoteOfficiel(int k, int v)
{
    if (k >= 1 && k <= 3)
        notesOfficiels_[k - 1] = static_cast<uint8_t>(v);
}

int TInfoComp::ScorePeriode(int cote, int k) const
{
    if ((cote != 0 && cote != 1) || k < 1 || k > 6)
        return 0;
    return scoresPeriode_[cote][k - 1];
}

void TInfoComp::SetScorePeriode(int cote, int k, int v)
{
    if ((cote == 0 || cote == 1) && k >= 1 && k <= 6)
        scoresPeriode_[cote][k - 1] = static_cast<uint8_t>(v);
}

std::string TInfoComp::Libelle(const TSaison* saison) const
{
    std::string s;
    if (saison)
        s = saison->NomEquipe(equipes_[0]) + " - " + saison->NomEquipe(equipes_[1]);
    else
        s = " - ";
    if (ScoresSaisis())
        s = DeuxPoints(s, IntToStr(scores_[0] & 0x7FFF) + " - " + IntToStr(scores_[1] & 0x7FFF));
    return s;
}

// ---------------------------------------------------------------------------
// Line-ups

uint16_t* TInfoComp::Mot(int cote, int s, int offset)
{
    return const_cast<uint16_t*>(static_cast<const TInfoComp*>(this)->Mot(cote, s, offset));
}

const uint16_t* TInfoComp::Mot(int cote, int s, int offset) const
{
    if (cote < 0 || s < 1 || s > nbTitulaire_)
        return nullptr;
    return &compo_[cote][static_cast<size_t>(4 * s - 3 + offset)];
}

uint16_t* TInfoComp::MotRemp(int cote, int r, int k)
{
    return const_cast<uint16_t*>(static_cast<const TInfoComp*>(this)->MotRemp(cote, r, k));
}

const uint16_t* TInfoComp::MotRemp(int cote, int r, int k) const
{
    if (cote < 0 || r < 1 || r > nbRemp_ || k < 0 || k > 6)
        return nullptr;
    return &remp_[cote][static_cast<size_t>(7 * (r - 1) + k)];
}

int32_t TInfoComp::JoueurTitulaire(int equipe, int s) const
{
    const uint16_t* m = Mot(Cote(equipe), s, 0);
    return m ? Lit32(m) : 0;
}

void TInfoComp::SetJoueurTitulaire(int equipe, int s, int32_t id)
{
    if (uint16_t* m = Mot(Cote(equipe), s, 0))
        Ecrit32(m, id);
}

int32_t TInfoComp::ValeurRemplacement(int equipe, int r, int k) const
{
    const uint16_t* m = MotRemp(Cote(equipe), r, k);
    if (!m)
        return 0;
    return k == 1 || k == 3 ? Lit32(m) : *m;
}

int32_t TInfoComp::JoueurEntre(int equipe, int r) const
{
    return ValeurRemplacement(equipe, r, 1) != 0 ? ValeurRemplacement(equipe, r, 3) : 0;
}

void TInfoComp::SetValeurRemplacement(int equipe, int r, int32_t valeur, int k)
{
    uint16_t* m = MotRemp(Cote(equipe), r, k);
    if (!m)
        return;
    if (k == 1 || k == 3)
        Ecrit32(m, valeur);
    else
        *m = static_cast<uint16_t>(valeur);
}

void TInfoComp::SetRemplacement(int equipe, int32_t sortant, int32_t entrant, int minute, int r)
{
    uint16_t* m = MotRemp(Cote(equipe), r, 0);
    if (!m)
        return;
    Ecrit32(m + 1, sortant);
    Ecrit32(m + 3, entrant);
    m[5] = static_cast<uint16_t>(minute);
}

int TInfoComp::Maillot(int equipe, int slot) const
{
    const int c = Cote(equipe);
    if (const uint16_t* m = Mot(c, slot, 3))
        return *m & 0xFF;
    if (const uint16_t* m = MotRemp(c, slot - nbTitulaire_, 0))
        return *m & 0xFF;
    return 0;
}

void TInfoComp::SetMaillot(int equipe, int slot, int v)
{
    const int c = Cote(equipe);
    uint16_t* m = Mot(c, slot, 3);
    if (!m)
        m = MotRemp(c, slot - nbTitulaire_, 0);
    if (m)
        *m = static_cast<uint16_t>(v & 0xFF);
}

int TInfoComp::Note(int equipe, int slot) const
{
    const int c = Cote(equipe);
    if (const uint16_t* m = Mot(c, slot, 2))
        return *m;
    if (const uint16_t* m = MotRemp(c, slot - nbTitulaire_, 6))
        return *m;
    return -1;
}

void TInfoComp::SetNote(int equipe, int slot, int v)
{
    const int c = Cote(equipe);
    uint16_t* m = Mot(c, slot, 2);
    if (!m)
        m = MotRemp(c, slot - nbTitulaire_, 6);
    if (!m)
        return;
    *m = static_cast<uint16_t>(v);
    if (v < 255)
        compo_[c][0] = static_cast<uint16_t>((compo_[c][0] & 0x0F) | 0x10);
}

bool TInfoComp::CompositionSaisie(int equipe) const
{
    const int c = Cote(equipe);
    return c >= 0 && (compo_[c][0] & 0x0F) != 0;
}

bool TInfoComp::NotesSaisies(int equipe) const
{
    const int c = Cote(equipe);
    return c >= 0 && (compo_[c][0] >> 4) != 0;
}

void TInfoComp::SetCompositionSaisie(int equipe)
{
    const int c = Cote(equipe);
    if (c >= 0)
        compo_[c][0] = static_cast<uint16_t>((compo_[c][0] & 0xF0) + 1);
}

int32_t TInfoComp::Capitaine(int equipe) const
{
    const int c = Cote(equipe);
    return c >= 0 ? capitaines_[c] : 0;
}

void TInfoComp::SetCapitaine(int equipe, int32_t v)
{
    const int c = Cote(equipe);
    if (c >= 0)
        capitaines_[c] = v;
}

void TInfoComp::EffaceComposition(int equipe)
{
    const int c = Cote(equipe);
    if (c < 0)
        return;
    compo_[c][0] = 0;
    Ajuste(compo_[c], 1, static_cast<size_t>(1 + 4 * nbTitulaire_), PasTitulaire, NoteTitulaire);
    Ajuste(remp_[c], 0, static_cast<size_t>(7 * nbRemp_), PasRemplacement, NoteRemplacement);
}

std::string TInfoComp::TexteComposition(int equipe, const TSaison* saison) const
{
    const int c = Cote(equipe);
    if (c < 0 || !saison)
        return {};
    struct Titulaire
    {
        int32_t id;
        TInfoJoueur info;
    };
    std::vector<Titulaire> titulaires;
    for (int s = 1; s <= nbTitulaire_; ++s) {
        const int32_t id = JoueurTitulaire(equipe, s);
        TInfoJoueur info;
        if (id == 0 || !saison->InfoJoueur(id, equipe, info))
            continue;
        auto it = std::find_if(titulaires.begin(), titulaires.end(),
                               [&](const Titulaire& t) { return t.info.NumeroPoste > info.NumeroPoste; });
        titulaires.insert(it, {id, std::move(info)});
    }
    std::string texte;
    for (size_t i = 0; i < titulaires.size(); ++i) {
        const Titulaire& t = titulaires[i];
        const std::string nom = t.info.Prenom + " " + t.info.Nom;
        if (i == 0)
            texte = nom;
        else
            texte = titulaires[i - 1].info.NumeroPoste == t.info.NumeroPoste ? Virgule(texte, nom) : texte + " - " + nom;
        for (int r = 1; r <= nbRemp_; ++r) {
            if (ValeurRemplacement(equipe, r, 1) != t.id)
                continue;
            TInfoJoueur entrant;
            const int32_t idEntrant = ValeurRemplacement(equipe, r, 3);
            if (idEntrant != 0 && saison->InfoJoueur(idEntrant, equipe, entrant))
                texte += " (" + entrant.Prenom + " " + entrant.Nom + " " +
                         IntToStr(ValeurRemplacement(equipe, r, 5)) + MarqueMinute() + ")";
        }
    }
    return texte;
}

bool TInfoComp::ControleMinutes(int equipe) const
{
    for (int r = 1; r <= nbRemp_; ++r)
        if (ValeurRemplacement(equipe, r, 1) != 0 && ValeurRemplacement(equipe, r, 5) == 0)
            return false;
    return true;
}

bool TInfoComp::ControleRemplacements(int equipe) const
{
    for (int r = 1; r <= nbRemp_; ++r)
        if ((ValeurRemplacement(equipe, r, 1) != 0) != (ValeurRemplacement(equipe, r, 3) != 0))
            return false;
    return true;
}

void TInfoComp::TrieRemplacements()
{
    for (auto& remp : remp_) {
        for (int i = 0; i < nbRemp_; ++i)
            for (int j = i + 1; j < nbRemp_; ++j) {
                uint16_t* a = &remp[static_cast<size_t>(7 * i)];
                uint16_t* b = &remp[static_cast<size_t>(7 * j)];
                if (b[5] != 0 && b[5] < a[5])
                    std::swap_ranges(a, a + 7, b);
            }
    }
}
