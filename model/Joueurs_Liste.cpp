// The season's player list: the sorted list of all players and the team blocks.
#include <algorithm>

#include "model/Joueurs.h"
#include "model/ioXml.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"

namespace {

TDemandeJoueur& Demande()
{
    static TDemandeJoueur f;
    return f;
}

// The list order: Nom, Prenom (case ignored), then the club. The club, not
// the team of the current championship, so that the order holds whichever
// championship is current.
int CompareCle(const TJoueur& a, const TJoueur& b)
{
    int d = CompareNomPersonne(a.Nom, b.Nom);
    if (d == 0)
        d = CompareNomPersonne(a.Prenom, b.Prenom);
    if (d == 0)
        d = static_cast<int>(a.ClubActuel) - static_cast<int>(b.ClubActuel);
    return d;
}

TJoueur* Ptr(TJoueur* p) { return p; }
TJoueur* Ptr(const std::unique_ptr<TJoueur>& p) { return p.get(); }

// The place after every entry that does not sort after p.
template <class V>
size_t PlaceApres(const V& liste, const TJoueur& p)
{
    const auto it = std::upper_bound(liste.begin(), liste.end(), p,
                                     [](const TJoueur& q, const auto& e) { return CompareCle(q, *Ptr(e)) < 0; });
    return static_cast<size_t>(it - liste.begin());
}

// The index of p in a sorted list: first among its equals, then anywhere (a
// player whose names or club changed since it was filed).
template <class V>
int Trouve(const V& liste, const TJoueur* p)
{
    auto [debut, fin] = std::equal_range(liste.begin(), liste.end(), *p, [](const auto& a, const auto& b) {
        if constexpr (std::is_same_v<std::decay_t<decltype(a)>, TJoueur>)
            return CompareCle(a, *Ptr(b)) < 0;
        else
            return CompareCle(*Ptr(a), b) < 0;
    });
    for (auto it = debut; it != fin; ++it)
        if (Ptr(*it) == p)
            return static_cast<int>(it - liste.begin());
    for (size_t i = 0; i < liste.size(); ++i)
        if (Ptr(liste[i]) == p)
            return static_cast<int>(i);
    return -1;
}

// The attribute of Joueurs that says its namesakes are distinct players.
constexpr const char* AttributHomonymes = "Homonymes";
constexpr const char* HomonymesDistincts = "Distincts";

} // namespace

std::string NomGarde(std::string_view nom)
{
    return Trim(nom);
}

std::string NomSansNom(int32_t numero)
{
    const std::string nom = NomGarde(TraduireFormat(5075, {numero}));
    return nom.empty() ? "#" + IntToStr(numero) : nom;
}

void InstalleDemandeJoueur(TDemandeJoueur f)
{
    Demande() = std::move(f);
}

TJoueur* TListJoueurEquipe::Joueur(int i) const
{
    return i >= 0 && i < Nombre() ? joueurs_[static_cast<size_t>(i)] : nullptr;
}

// ---------------------------------------------------------------------------

TJoueurs::TJoueurs(TSaisonFiches* saison) : saison_(saison)
{
    AjouteBloc(65535);
}

TJoueurs::~TJoueurs()
{
    // The blocks go first: they refer to the players.
    blocs_.clear();
}

TJoueur* TJoueurs::Joueur(int i) const
{
    return i >= 0 && i < NbJoueur() ? joueurs_[static_cast<size_t>(i)].get() : nullptr;
}

int TJoueurs::IndexJoueur(const TJoueur* p) const
{
    return p ? Trouve(joueurs_, p) : -1;
}

TListJoueurEquipe* TJoueurs::BlocEquipe(int t) const
{
    const auto it = std::lower_bound(blocs_.begin(), blocs_.end(), t,
                                     [](const auto& b, int id) { return b->IdEquipe() < id; });
    return it != blocs_.end() && (*it)->IdEquipe() == t ? it->get() : nullptr;
}

TListJoueurEquipe* TJoueurs::Bloc(int i) const
{
    return i >= 0 && i < NbBloc() ? blocs_[static_cast<size_t>(i)].get() : nullptr;
}

void TJoueurs::AjouteBloc(int t)
{
    if (BlocEquipe(t))
        return;
    const auto it = std::upper_bound(blocs_.begin(), blocs_.end(), t,
                                     [](int id, const auto& b) { return id < b->IdEquipe(); });
    TListJoueurEquipe* b = blocs_.insert(it, std::make_unique<TListJoueurEquipe>(t))->get();
    // Players of that team filed before it had a block stand in it now (in
    // list order, which is the block's order).
    for (const auto& p : joueurs_) {
        if (p->ClubActuel == t && p->blocClub_ < 0) {
            b->joueurs_.push_back(p.get());
            p->blocClub_ = t;
        } else if (p->EquipeNational == t && p->ClubActuel != t && p->blocNational_ < 0) {
            b->joueurs_.push_back(p.get());
            p->blocNational_ = t;
        }
    }
}

// Files p in the blocks of its club and of its national team.
void TJoueurs::Classe(TJoueur* p)
{
    p->blocClub_ = -1;
    p->blocNational_ = -1;
    if (TListJoueurEquipe* b = BlocEquipe(p->ClubActuel)) {
        b->joueurs_.insert(b->joueurs_.begin() + static_cast<long>(PlaceApres(b->joueurs_, *p)), p);
        p->blocClub_ = p->ClubActuel;
    }
    if (p->EquipeNational < TJoueur::Aucun && p->EquipeNational != p->ClubActuel)
        if (TListJoueurEquipe* b = BlocEquipe(p->EquipeNational)) {
            b->joueurs_.insert(b->joueurs_.begin() + static_cast<long>(PlaceApres(b->joueurs_, *p)), p);
            p->blocNational_ = p->EquipeNational;
        }
}

// Takes p out of the blocks it was filed in.
void TJoueurs::Declasse(TJoueur* p)
{
    for (int t : {p->blocClub_, p->blocNational_})
        if (t >= 0)
            if (TListJoueurEquipe* b = BlocEquipe(t)) {
                const int i = Trouve(b->joueurs_, p);
                if (i >= 0)
                    b->joueurs_.erase(b->joueurs_.begin() + i);
            }
    p->blocClub_ = -1;
    p->blocNational_ = -1;
}

TJoueur* TJoueurs::InsereJoueur(std::unique_ptr<TJoueur> p, TPairesIds* paires)
{
    if (!p)
        return nullptr;
    if (p->Numero <= 0)
        p->Numero = ++numeroMax_;
    else if (p->Numero > numeroMax_)
        numeroMax_ = p->Numero;
    // A team is a player's club or his national team, not both (a document
    // is read so): one that becomes his club is no longer his national team.
    if (p->EquipeNational < TJoueur::Aucun && p->EquipeNational == p->ClubActuel)
        p->EquipeNational = TJoueur::Aucun;
    // While a document is read, its names as it gives them.
    std::string nomLu, prenomLu;
    if (lecture_) {
        const auto& lus = p->nomsLus_;
        nomLu = lus && lus->nom ? *lus->nom : p->Nom;
        prenomLu = lus && lus->prenom ? *lus->prenom : p->Prenom;
    }
    p->nomsLus_.reset();
    p->Nom = NomGarde(p->Nom);
    p->Prenom = NomGarde(p->Prenom);
    if (p->Nom.empty())
        p->Nom = NomSansNom(p->Numero);
    const size_t i = PlaceApres(joueurs_, *p);
    if (i > 0) {
        TJoueur* e = joueurs_[i - 1].get();
        // Namesakes of one club become one player, unless they met in a
        // match (the season says so): they stay two. While a document is
        // read its matches are not there yet: the pair is noted and the two
        // stay apart until the season decides once it has read them; a
        // document that wrote them as two gives two. Read from a document,
        // namesakes are players it names alike (among those of the same
        // key, the one whose names read are p's): names that differ in it
        // by their ends only are two players.
        bool homonyme = CompareCle(*e, *p) == 0;
        if (homonyme && lecture_ && p->Numero != e->Numero) {
            homonyme = false;
            for (size_t k = i; k-- > 0 && CompareCle(*joueurs_[k], *p) == 0;)
                if (MemesNomsLus(*joueurs_[k], nomLu, prenomLu)) {
                    e = joueurs_[k].get();
                    homonyme = true;
                    break;
                }
        }
        const bool autre = p->Numero != e->Numero;
        if (homonyme && (!autre || homonymes_ == THomonymes::Fusion) &&
            (!saison_ || !autre || saison_->FusionPermise(e->Numero, p->Numero))) {
            if (paires)
                paires->emplace_back(p->Numero, e->Numero);
            // What he held goes over rather than being lost with him.
            if (saison_ && !lecture_ && autre)
                saison_->ReporteFusion(*e, *p);
            return e;   // p is freed
        }
        if (homonyme && autre && homonymes_ == THomonymes::Notes && paires)
            paires->emplace_back(p->Numero, e->Numero);
    }
    if (lecture_ && (nomLu != p->Nom || prenomLu != p->Prenom))
        nomsLus_.push_back({p->Numero, std::move(nomLu), std::move(prenomLu)});
    TJoueur* garde = p.get();
    joueurs_.insert(joueurs_.begin() + static_cast<long>(i), std::move(p));
    Classe(garde);
    return garde;
}

bool TJoueurs::MemesNomsLus(const TJoueur& e, const std::string& nom, const std::string& prenom) const
{
    const std::string* nomE = &e.Nom;
    const std::string* prenomE = &e.Prenom;
    for (const TNomsLus& l : nomsLus_)
        if (l.numero == e.Numero) {
            nomE = &l.nom;
            prenomE = &l.prenom;
            break;
        }
    return CompareNomPersonne(*nomE, nom) == 0 && CompareNomPersonne(*prenomE, prenom) == 0;
}

void TJoueurs::Applique(TPairesIds& paires)
{
    if (!paires.empty() && saison_)
        saison_->AppliqueRenumerotation(paires);
    paires.clear();
}

TJoueur* TJoueurs::AjouteJoueur(std::unique_ptr<TJoueur> p)
{
    TPairesIds paires;
    TJoueur* garde = InsereJoueur(std::move(p), &paires);
    Applique(paires);
    return garde;
}

std::unique_ptr<TJoueur> TJoueurs::RetireJoueur(const TJoueur* p, int* index)
{
    const int i = IndexJoueur(p);
    if (index)
        *index = i;
    if (i < 0)
        return nullptr;
    auto u = std::move(joueurs_[static_cast<size_t>(i)]);
    joueurs_.erase(joueurs_.begin() + i);
    Declasse(u.get());
    return u;
}

TJoueur* TJoueurs::RangeJoueur(TJoueur* p, TPairesIds* paires)
{
    auto u = RetireJoueur(p);
    if (!u)
        return p;
    if (paires)
        return InsereJoueur(std::move(u), paires);
    return AjouteJoueur(std::move(u));
}

TJoueur* TJoueurs::Homonyme(const TJoueur* p, std::string_view nom, std::string_view prenom, int club) const
{
    // Filed again, he meets the last of his key (namesakes kept apart stand
    // side by side): that one, not the first.
    for (auto e = joueurs_.rbegin(); e != joueurs_.rend(); ++e)
        if (e->get() != p && (*e)->ClubActuel == club && CompareNomPersonne((*e)->Nom, nom) == 0 &&
            CompareNomPersonne((*e)->Prenom, prenom) == 0)
            return e->get();
    return nullptr;
}

void TJoueurs::ChangeEquipeNationale(TJoueur* p, int t)
{
    if (!p)
        return;
    if (p->blocNational_ >= 0)
        if (TListJoueurEquipe* b = BlocEquipe(p->blocNational_)) {
            const int i = Trouve(b->joueurs_, p);
            if (i >= 0)
                b->joueurs_.erase(b->joueurs_.begin() + i);
        }
    p->blocNational_ = -1;
    p->EquipeNational = static_cast<uint16_t>(t);
    if (IndexJoueur(p) < 0 || t >= TJoueur::Aucun || t == p->blocClub_)
        return;
    if (TListJoueurEquipe* b = BlocEquipe(t)) {
        b->joueurs_.insert(b->joueurs_.begin() + static_cast<long>(PlaceApres(b->joueurs_, *p)), p);
        p->blocNational_ = t;
    }
}

TJoueur* TJoueurs::ChercheJoueur(int32_t n, int t) const
{
    if (n == 0)
        return nullptr;
    if (t >= 0 && t < 65535)
        if (const TListJoueurEquipe* b = BlocEquipe(t))
            for (TJoueur* p : b->joueurs_)
                if (p->Numero == n)
                    return p;
    for (const auto& p : joueurs_)
        if (p->Numero == n)
            return p.get();
    return nullptr;
}

TJoueur* TJoueurs::ChercheJoueurNom(std::string_view nom, std::string_view prenom) const
{
    const auto it = std::lower_bound(joueurs_.begin(), joueurs_.end(), 0, [&](const auto& e, int) {
        const int d = CompareNomPersonne(e->Nom, nom);
        return d < 0 || (d == 0 && CompareNomPersonne(e->Prenom, prenom) < 0);
    });
    if (it != joueurs_.end() && CompareNomPersonne((*it)->Nom, nom) == 0 &&
        CompareNomPersonne((*it)->Prenom, prenom) == 0)
        return it->get();
    return nullptr;
}

TJoueur* TJoueurs::CreeJoueurInexistant(const std::string& nom, const std::string& prenom, int t)
{
    if (!saison_)
        return nullptr;
    auto p = saison_->CreeJoueur(nom, prenom, -1, t);
    if (!p)
        return nullptr;
    p->SetPoste(p->PosteNouveauJoueur());
    return AjouteJoueur(std::move(p));
}

TJoueur* TJoueurs::ChercheOuCreeJoueur(const std::string& nom, const std::string& prenom, bool silencieux, int t)
{
    if (nom.empty())
        return nullptr;
    const std::string n = Copy(Trim(nom), 1, 255);
    const std::string p = Copy(Trim(prenom), 1, 255);
    if (n.empty())
        return nullptr;
    if (TJoueur* j = ChercheJoueurNom(n, p))
        return j;
    const TDemandeJoueur& demande = Demande();
    if (silencieux || lectureSilencieuse_ || !demande || !saison_)
        return CreeJoueurInexistant(n, p, t);
    return demande(*saison_, n, p, t);
}

std::vector<TJoueur*> TJoueurs::ListeJoueursEquipe(int t, int categorie) const
{
    std::vector<TJoueur*> v;
    const TListJoueurEquipe* b = BlocEquipe(t);
    if (!b)
        return v;
    for (int poste = 1; poste <= 10; ++poste)
        for (TJoueur* p : b->joueurs_)
            if (p->NumeroPoste() == poste && (categorie == 0 || p->categorie == categorie))
                v.push_back(p);
    return v;
}

int TJoueurs::NbJoueurPays(int code) const
{
    return static_cast<int>(
        std::count_if(joueurs_.begin(), joueurs_.end(), [code](const auto& p) { return p->CodePays == code; }));
}

void TJoueurs::RemplacePays(int nouveau, int ancien)
{
    for (auto& p : joueurs_)
        if (p->CodePays == ancien)
            p->CodePays = static_cast<uint16_t>(nouveau);
}

// Empties t's block; its players no longer stand in it.
void TJoueurs::VideBloc(int t)
{
    TListJoueurEquipe* b = BlocEquipe(t);
    if (!b)
        return;
    for (TJoueur* p : b->joueurs_) {
        if (p->blocClub_ == t)
            p->blocClub_ = -1;
        if (p->blocNational_ == t)
            p->blocNational_ = -1;
    }
    b->joueurs_.clear();
}

void TJoueurs::SupprimeJoueursEquipe(int t)
{
    std::vector<TJoueur*> cibles;
    for (const auto& p : joueurs_)
        if (p->IdEquipe() == t)
            cibles.push_back(p.get());
    // Out of every block before it is freed: no block keeps a freed player.
    for (TJoueur* p : cibles)
        RetireJoueur(p);
    VideBloc(t);
}

void TJoueurs::RetireJoueursEquipe(int t, int32_t c, TPairesIds* paires)
{
    std::vector<TJoueur*> cibles;
    for (const auto& p : joueurs_)
        if (p->IdEquipe() == t)
            cibles.push_back(p.get());
    TPairesIds locales;
    for (TJoueur* p : cibles) {
        auto u = RetireJoueur(p);
        if (!u)
            continue;
        if (c >= 0 && !u->StatsSeulement(static_cast<uint32_t>(c))) {
            u->SetIdEquipe(TJoueur::Aucun);
            InsereJoueur(std::move(u), paires ? paires : &locales);
        }
    }
    VideBloc(t);
    Applique(locales);
}

std::vector<std::unique_ptr<TJoueur>> TJoueurs::Vide()
{
    for (auto& b : blocs_)
        b->joueurs_.clear();
    for (auto& p : joueurs_) {
        p->blocClub_ = -1;
        p->blocNational_ = -1;
    }
    std::vector<std::unique_ptr<TJoueur>> v;
    v.swap(joueurs_);
    return v;
}

void TJoueurs::Libere()
{
    for (auto& b : blocs_)
        b->joueurs_.clear();
    joueurs_.clear();
}

void TJoueurs::RazStats(bool tout)
{
    for (auto& p : joueurs_)
        p->RazStats(tout);
}

void TJoueurs::Ecrit(TXmlWriter& x, int premier, int dernier, TStringList* fichiers, TSaisonFiches* saison) const
{
    x.OuvreElement("Joueurs");
    int debut = 0, fin = NbJoueur() - 1;
    if (premier >= 0 && dernier > -1) {
        debut = premier;
        fin = std::min(dernier, NbJoueur() - 1);
    }
    // Namesakes held apart are written so that they read apart.
    if (debut < fin) {
        std::vector<const TJoueur*> tries;
        for (int i = debut; i <= fin; ++i)
            tries.push_back(joueurs_[static_cast<size_t>(i)].get());
        std::sort(tries.begin(), tries.end(), [](const TJoueur* a, const TJoueur* b) { return CompareCle(*a, *b) < 0; });
        if (std::adjacent_find(tries.begin(), tries.end(), [](const TJoueur* a, const TJoueur* b) {
                return CompareCle(*a, *b) == 0;
            }) != tries.end())
            x.AjouteAttribut(AttributHomonymes, HomonymesDistincts);
    }
    for (int i = debut; i <= fin; ++i)
        joueurs_[static_cast<size_t>(i)]->Ecrit(x, 65535, fichiers, saison);
    x.FermeElement("Joueurs");
}

void TJoueurs::Lit(TXmlReader& x, TSaisonFiches* saison, TPairesIds* paires, bool apart)
{
    TSaisonFiches* fabrique = saison_ ? saison_ : saison;
    apart = apart && paires != nullptr;
    homonymes_ = !apart                                                         ? THomonymes::Fusion
                 : SameText(x.ValeurAttribut(AttributHomonymes), HomonymesDistincts) ? THomonymes::Distincts
                                                                                  : THomonymes::Notes;
    // Until the last player is filed, however the reading ends.
    struct TLecture
    {
        TJoueurs& j;
        explicit TLecture(TJoueurs& l) : j(l) { j.lecture_ = true; }
        ~TLecture()
        {
            j.homonymes_ = THomonymes::Fusion;
            j.lecture_ = false;
            j.nomsLus_.clear();
        }
    } lecture(*this);
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        if (x.Nom() == "Joueur" && j == xmlDebut && fabrique) {
            std::unique_ptr<TJoueur> p = fabrique->CreeJoueur("", "", -1, TJoueur::Aucun);
            if (p) {
                p->Lit(x, saison);
                if (p->Nom.empty() && p->Numero > 0 && apart) {
                    // His number stays his while the season decides.
                    numeroMax_ = std::max(numeroMax_, p->Numero);
                    sansNom_.push_back(std::move(p));
                } else if (!p->Nom.empty() && p->Numero > 0) {
                    if (paires)
                        InsereJoueur(std::move(p), paires);
                    else
                        AjouteJoueur(std::move(p));
                }
            } else {
                x.SauteElement(j);
            }
        } else {
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
}

// ---------------------------------------------------------------------------
// Index

std::vector<int> RangsNomComplet(std::span<TJoueur* const> joueurs)
{
    std::vector<std::pair<std::string, size_t>> noms;
    noms.reserve(joueurs.size());
    for (size_t i = 0; i < joueurs.size(); ++i)
        noms.emplace_back(joueurs[i]->NomComplet(), i);
    std::stable_sort(noms.begin(), noms.end(),
                     [](const auto& a, const auto& b) { return CompareNomPersonne(a.first, b.first) < 0; });
    std::vector<int> rangs(joueurs.size());
    int rang = -1;
    for (size_t k = 0; k < noms.size(); ++k) {
        if (k == 0 || CompareNomPersonne(noms[k - 1].first, noms[k].first) != 0)
            ++rang;
        rangs[noms[k].second] = rang;
    }
    return rangs;
}

TIndexJoueurs::TIndexJoueurs(const TJoueurs& joueurs) : joueurs_(joueurs)
{
    // Numbers are given from 1 upwards: a table by number is small. A number
    // beyond it (there are none as a rule) is searched in the lists.
    int32_t max = 0;
    for (int i = 0; i < joueurs.NbJoueur(); ++i)
        max = std::max(max, joueurs.Joueur(i)->Numero);
    if (max > 4 * joueurs.NbJoueur() + 4096)
        max = 4 * joueurs.NbJoueur() + 4096;
    parNumero_.assign(static_cast<size_t>(max) + 1, nullptr);
    std::vector<bool> partage(parNumero_.size());
    for (int i = 0; i < joueurs.NbJoueur(); ++i) {
        TJoueur* p = joueurs.Joueur(i);
        if (p->Numero <= 0 || p->Numero > max)
            continue;
        const auto n = static_cast<size_t>(p->Numero);
        if (parNumero_[n] || partage[n]) {
            parNumero_[n] = nullptr;
            partage[n] = true;
        } else {
            parNumero_[n] = p;
        }
    }
}

TIndexJoueurs::~TIndexJoueurs() = default;

TJoueur* TIndexJoueurs::ChercheJoueur(int32_t n, int t) const
{
    // A number no other player has: that player, whichever block is searched
    // first.
    if (n > 0 && static_cast<size_t>(n) < parNumero_.size())
        if (TJoueur* p = parNumero_[static_cast<size_t>(n)])
            return p;
    return joueurs_.ChercheJoueur(n, t);
}

int TIndexJoueurs::RangNom(const TJoueur* p) const
{
    if (!rangsFaits_) {
        rangsFaits_ = true;
        std::vector<TJoueur*> tous(static_cast<size_t>(joueurs_.NbJoueur()));
        for (size_t i = 0; i < tous.size(); ++i)
            tous[i] = joueurs_.Joueur(static_cast<int>(i));
        const std::vector<int> rangs = RangsNomComplet(tous);
        rangs_.assign(parNumero_.size(), -1);
        for (size_t i = 0; i < tous.size(); ++i) {
            const int32_t n = tous[i]->Numero;
            if (n > 0 && static_cast<size_t>(n) < parNumero_.size() && parNumero_[static_cast<size_t>(n)] == tous[i])
                rangs_[static_cast<size_t>(n)] = rangs[i];
            else
                autresRangs_.emplace_back(tous[i], rangs[i]);
        }
    }
    if (!p)
        return -1;
    const int32_t n = p->Numero;
    if (n > 0 && static_cast<size_t>(n) < parNumero_.size() && parNumero_[static_cast<size_t>(n)] == p)
        return rangs_[static_cast<size_t>(n)];
    for (const auto& [q, rang] : autresRangs_)
        if (q == p)
            return rang;
    return -1;
}
