#include "model/Saison.h"

#include <algorithm>
#include <utility>

#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/InfoComp.h"
#include "model/Journees.h"
#include "model/ListeDonnees.h"
#include "model/LectureParametre.h"
#include "model/NomJournee.h"
#include "model/Saison_Stats.h"
#include "model/MultiSport.h"
#include "model/Utilities.h"
#include "model/ioXml.h"
#include "model/oTraducteur.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

TSaison::TSaison(uint8_t sport)
    : multiSport_(std::make_unique<TMultiSport>(sport)),
      arbre_(std::make_unique<TDescTree>()),
      joueurs_(std::make_unique<TJoueurs>(this))
{
}

TSaison::~TSaison()
{
    courant_ = nullptr;
    categories_.clear();
    statChamps_.clear();
    // The championships and play-offs go with the tree.
    arbre_.reset();
    clubsPrec_.clear();
    equipes_.clear();
    joueurs_.reset();
    arbitres_.Libere();
    entraineurs_.Libere();
    rensClubs_.Libere();
    stades_.Libere();
    pays_.Vide();
}

int TSaison::Sport() const
{
    return multiSport_->Sport();
}

// ---------------------------------------------------------------------------
// Teams

int TSaison::IndexId(int id) const
{
    if (id < 0 || id > 65535)
        return -1;
    for (size_t i = 0; i < equipes_.size(); ++i)
        if (equipes_[i].Id() == id)
            return static_cast<int>(i);
    return -1;
}

int TSaison::ChercheEquipe(const std::string& nom) const
{
    const std::string cle = SansAccent(nom);
    for (const auto& e : equipes_)
        if (SansAccent(e.Nom) == cle)
            return e.Id();
    return -1;
}

int TSaison::AjouteEquipe(const std::string& nomTape, int32_t idVoulu, int logo, bool verifie)
{
    const std::string nom = NomGarde(nomTape);
    if (nom.empty())
        return -1;
    if (verifie) {
        const int id = ChercheEquipe(nom);
        if (id >= 0)
            return id;
    }
    int32_t id = idVoulu;
    if (id == -1) {
        // Skip ids that a wanted id below the counter may already hold.
        while (prochainId_ <= 65534 && IndexId(prochainId_) >= 0)
            ++prochainId_;
        if (prochainId_ > 65534)
            return -1;
        id = prochainId_++;
    } else {
        if (id < 0 || id > 65534 || IndexId(id) >= 0)
            return -1;
        if (id >= prochainId_)
            prochainId_ = id + 1;
    }
    equipes_.push_back({nom, static_cast<uint32_t>(id) | (static_cast<uint32_t>(logo & 0xFFFF) << 16)});
    if (joueurs_)
        joueurs_->AjouteBloc(id);
    return id;
}

void TSaison::SupprimeEquipe(int id)
{
    const int i = IndexId(id);
    if (i < 0)
        return;
    for (TDonneesChampionnat* c : arbre_->ListeChampionnats())
        c->OublieEquipe(id);
    for (int k = 0; k < joueurs_->NbJoueur(); ++k)
        if (TJoueur* j = joueurs_->Joueur(k); j->EquipeNational == id)
            joueurs_->ChangeEquipeNationale(j, TJoueur::Aucun);
    for (int k = 0; k < entraineurs_.NbPersonnel(); ++k)
        if (auto* e = dynamic_cast<TEntraineur*>(entraineurs_.Personnel(k)); e && e->ClubActuel == id)
            e->ClubActuel = TPersonnel::Aucun;
    if (const TRensClub* r = rensClubs_.ChercheRensClub(id))
        rensClubs_.RetireRensClub(r);
    equipes_.erase(equipes_.begin() + i);
}

int TSaison::IdEquipe(int i) const
{
    if (i < 0 || i >= NbEquipe())
        return -1;
    return equipes_[static_cast<size_t>(i)].Id();
}

std::string TSaison::NomEquipeIndex(int i) const
{
    if (i < 0 || i >= NbEquipe())
        return {};
    return equipes_[static_cast<size_t>(i)].Nom;
}

std::string TSaison::NomEquipe(int id) const
{
    const int i = IndexId(id);
    return i < 0 ? std::string() : equipes_[static_cast<size_t>(i)].Nom;
}

void TSaison::RenommeEquipe(int id, const std::string& nom)
{
    // A team keeps a name: a blank one would not read back.
    const int i = IndexId(id);
    if (std::string garde = NomGarde(nom); i >= 0 && !garde.empty())
        equipes_[static_cast<size_t>(i)].Nom = std::move(garde);
}

int TSaison::LogoEquipe(int id) const
{
    const int i = IndexId(id);
    return i < 0 ? 0 : equipes_[static_cast<size_t>(i)].Logo();
}

void TSaison::SetLogoEquipe(int id, int logo)
{
    const int i = IndexId(id);
    if (i >= 0)
        equipes_[static_cast<size_t>(i)].Objet =
            static_cast<uint32_t>(id) | (static_cast<uint32_t>(logo & 0xFFFF) << 16);
}

std::string TSaison::NomEquipeComplet(int id, const TDonneesChampionnat* championnat) const
{
    std::string nom = NomEquipe(id);
    if (championnat) {
        const int cat = championnat->CategorieEquipe(championnat->IndexEquipe(id));
        std::string n, court;
        if (cat > 0 && Categorie(cat, n, court) && !court.empty())
            nom += " " + court;
    }
    return nom;
}

std::string TSaison::NomEquipePosition(int i) const
{
    if (!courant_)
        return {};
    return NomEquipeCourant(courant_->IdEquipe(i));
}

// ---------------------------------------------------------------------------
// Previous clubs

int32_t TSaison::AjouteClubPrec(const std::string& nom, int32_t id)
{
    if (id == -1)
        id = maxClubPrec_ + 1;
    if (id > maxClubPrec_)
        maxClubPrec_ = id;
    clubsPrec_.push_back({NomGarde(nom), id});
    return id;
}

int TSaison::ChercheClubPrec(const std::string& nomTape, bool cree)
{
    const std::string nom = NomGarde(nomTape);
    if (nom.empty())
        return 0;
    for (const auto& c : clubsPrec_)
        if (AnsiSameText(c.Nom, nom))
            return c.Id;
    return cree ? AjouteClubPrec(nom, -1) : -1;
}

std::string TSaison::NomClubPrec(int id) const
{
    for (const auto& c : clubsPrec_)
        if (c.Id == id)
            return c.Nom;
    return {};
}

uint16_t TSaison::ClubPrecNomme(int choisi, const std::string& nom, uint16_t tenu)
{
    if (choisi >= 0)
        return static_cast<uint16_t>(choisi);
    if (!nom.empty())
        return static_cast<uint16_t>(ChercheClubPrec(nom, true));
    return NomClubPrec(tenu).empty() ? tenu : TPersonnel::Aucun;
}

void TSaison::ClubPrecIndex(int i, int32_t& id, std::string& nom) const
{
    if (i < 0 || i >= NbClubPrec()) {
        id = -1;
        nom.clear();
        return;
    }
    id = clubsPrec_[static_cast<size_t>(i)].Id;
    nom = clubsPrec_[static_cast<size_t>(i)].Nom;
}

void TSaison::RenommeClubPrec(int32_t id, const std::string& nom)
{
    for (auto& c : clubsPrec_)
        if (c.Id == id) {
            c.Nom = NomGarde(nom);
            return;
        }
}

void TSaison::RemplaceClubPrec(int32_t ancien, int32_t nouveau)
{
    for (int i = 0; i < joueurs_->NbJoueur(); ++i) {
        TJoueur* p = joueurs_->Joueur(i);
        if (p->ClubPrec == static_cast<uint16_t>(ancien))
            p->ClubPrec = static_cast<uint16_t>(nouveau);
    }
}

void TSaison::RetirePays(int code, int remplacant)
{
    if (code < 0 || code >= pays_.NbPays() || code == remplacant)
        return;
    const auto ancien = static_cast<uint16_t>(code), nouveau = static_cast<uint16_t>(remplacant);
    const auto change = [&](TPersonnel* p) {
        if (p && p->CodePays == ancien)
            p->CodePays = nouveau;
    };
    joueurs_->RemplacePays(nouveau, ancien);
    for (TPersonnels* l : {&arbitres_, &entraineurs_})
        for (int i = 0; i < l->NbPersonnel(); ++i)
            change(l->Personnel(i));
    for (int i = 0; i < rensClubs_.NbRensClub(); ++i) {
        TRensClub* r = rensClubs_.RensClub(i);
        for (TStaff* p : {r->President.get(), r->Tresorier.get(), r->Secretaire.get()})
            change(p);
    }
    for (int i = 0; i < stades_.NbStade(); ++i)
        if (TStade* s = stades_.Stade(i); s->CodePays == ancien)
            s->CodePays = nouveau;
    pays_.RenommePays(code, "");
}

// ---------------------------------------------------------------------------
// Championships

bool TSaison::ChampionnatCourantInternational() const
{
    return courant_ && (courant_->Types() & TDonneesChampionnat::TypeInternational);
}

bool TSaison::SelectionneChampionnat(int32_t code)
{
    TDonneesChampionnat* c = arbre_->ChampionnatParCode(code);
    if (!c)
        return false;
    courant_ = c;
    return true;
}

TDonneesChampionnat* TSaison::ChampionnatSuivant() const
{
    return courant_ ? arbre_->ChampionnatSuivant(courant_->CodeChamp) : nullptr;
}

TDonneesChampionnat* TSaison::ChampionnatPrecedent() const
{
    return courant_ ? arbre_->ChampionnatPrecedent(courant_->CodeChamp) : nullptr;
}

TDonneesChampionnat* TSaison::AjouteChampionnat(std::unique_ptr<TDonneesChampionnat> c, bool attache)
{
    if (!c)
        return nullptr;
    TDonneesChampionnat* p = c.get();
    p->SetSaison(this);
    p->SetSaisonListes(this);
    // A code held by a championship of the tree already would make one of
    // them unreachable: the newcomer gets a code of its own.
    const bool double_ = p->CodeChamp >= 1 && arbre_->ChampionnatParCode(p->CodeChamp) != nullptr;
    if (attache) {
        TDescNoeud* libre = nullptr;
        arbre_->Parcours(false, [&](TDescNoeud& n) {
            if (!libre && n.Niveau() == 3 && !n.Championnat() && !n.Barrage() && n.CodeCle() == p->CodeChamp)
                libre = &n;
        });
        if (libre) {
            if (double_)
                p->CodeChamp = arbre_->CodeMax() + 1;
            libre->SetChampionnat(std::move(c));
            return p;
        }
    }
    if (double_)
        p->CodeChamp = arbre_->CodeMax() + 1;
    const std::string nom = Traduire(637);
    arbre_->AjouteChampionnat(nom, nom, std::move(c), Traduire(9));
    return p;
}

std::vector<int> TSaison::ListeCodesDivision(int idEquipe) const
{
    std::vector<int> codes;
    for (const TDonneesChampionnat* c : arbre_->ListeChampionnatsEquipe(idEquipe))
        codes.push_back(c->CodeDivision());
    return codes;
}

bool TSaison::PlusieursChampionnats() const
{
    return arbre_->PlusieursChampionnats();
}

namespace {

bool Parmi(const std::vector<int>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}   // namespace

TSaison::TRetraitChampionnats TSaison::RetraitChampionnats(const std::vector<int32_t>& codes)
{
    TRetraitChampionnats r;
    std::vector<TDonneesChampionnat*> restants = arbre_->ListeChampionnats();
    std::vector<TDonneesChampionnat*> partants;
    for (const int32_t code : codes)
        if (TDonneesChampionnat* c = arbre_->ChampionnatParCode(code);
            c && std::find(partants.begin(), partants.end(), c) == partants.end()) {
            partants.push_back(c);
            r.Cles.push_back(static_cast<uint32_t>(c->CodeChamp));
            std::erase(restants, c);
        }
    if (partants.empty())
        return r;
    CalculeStatJoueurs();
    // The teams that leave: those of the championships leaving that no
    // championship staying holds.
    for (const TDonneesChampionnat* c : partants)
        for (int i = 0; i < c->NbEquipe(); ++i)
            if (const int id = c->IdEquipe(i); id >= 0 && id < 65535 && !Parmi(r.Equipes, id) &&
                                               std::none_of(restants.begin(), restants.end(),
                                                            [id](auto* k) { return k->IndexEquipe(id) >= 0; }))
                r.Equipes.push_back(id);
    // The players of their clubs: those counted elsewhere or selected by a
    // team that stays keep their place without a club.
    for (int i = 0; i < joueurs_->NbJoueur(); ++i)
        if (TJoueur* j = joueurs_->Joueur(i); Parmi(r.Equipes, j->ClubActuel)) {
            const int nationale = j->EquipeNational;
            const bool selectionne = nationale != TJoueur::Aucun && nationale != j->ClubActuel &&
                                     !Parmi(r.Equipes, nationale) && IndexId(nationale) >= 0;
            (selectionne || !j->StatsSeulement(r.Cles) ? r.SansClub : r.Partants).push_back(j);
        }
    r.Fusions = FusionsSansClub(r.SansClub);
    return r;
}

void TSaison::SupprimeEquipesChampionnats(const std::vector<int32_t>& codes)
{
    const TRetraitChampionnats r = RetraitChampionnats(codes);
    if (r.Cles.empty())
        return;
    for (TJoueur* j : r.Partants)
        joueurs_->RetireJoueur(j);
    GardeSansClub(r.SansClub, r.Fusions);
    for (const int id : r.Equipes)
        SupprimeEquipe(id);
    // The players of no team whose counts lie in those championships alone.
    if (const TListJoueurEquipe* bloc = joueurs_->BlocEquipe(TJoueur::Aucun)) {
        const std::vector<TJoueur*> sansEquipe = bloc->Joueurs();
        for (TJoueur* j : sansEquipe)
            if (j && j->EquipeNational == TJoueur::Aucun && j->StatsDans(r.Cles) && j->StatsSeulement(r.Cles))
                joueurs_->RetireJoueur(j);
    }
}

std::vector<TSaison::TFusionSansClub> TSaison::FusionsSansClub(const std::vector<TJoueur*>& joueurs) const
{
    const auto memes = [](const TJoueur& a, const TJoueur& b) {
        return CompareNomPersonne(a.Nom, b.Nom) == 0 && CompareNomPersonne(a.Prenom, b.Prenom) == 0;
    };
    std::vector<TFusionSansClub> fusions;
    std::vector<TJoueur*> classes;   // those filed without a club before him
    for (TJoueur* j : joueurs) {
        // Filed without a club, he meets the last of his names filed so:
        // one of these before him, else the last of the season's.
        TJoueur* e = nullptr;
        for (TJoueur* k : classes)
            if (memes(*k, *j))
                e = k;
        if (!e)
            for (int i = 0; i < joueurs_->NbJoueur(); ++i)
                if (TJoueur* k = joueurs_->Joueur(i); k != j && k->ClubActuel == TJoueur::Aucun && memes(*k, *j))
                    e = k;
        if (e && FusionPermise(e->Numero, j->Numero))
            fusions.push_back({j, e});
        else
            classes.push_back(j);
    }
    return fusions;
}

void TSaison::GardeSansClub(const std::vector<TJoueur*>& joueurs, const std::vector<TFusionSansClub>& fusions)
{
    TPairesIds paires;
    for (TJoueur* j : joueurs) {
        const auto f = std::find_if(fusions.begin(), fusions.end(), [j](const TFusionSansClub& x) { return x.Fondu == j; });
        if (f != fusions.end() && FusionneJoueurs(f->Garde, j))
            continue;
        if (auto u = joueurs_->RetireJoueur(j)) {
            u->ClubActuel = TJoueur::Aucun;
            joueurs_->InsereJoueur(std::move(u), &paires);
        }
    }
    AppliqueRenumerotation(paires);
}

std::set<int32_t> TSaison::JoueursCites() const
{
    std::set<int32_t> cites;
    ParcoursMatchs([&cites](const TDonneesChampionnat&, int, const TInfoComp& m, const auto& listes) {
        for (int cote = 0; cote < 2; ++cote) {
            const int t = m.IdEquipe(cote);
            cites.insert(m.Capitaine(t));
            for (int s = 1; s <= m.NbTitulaire(); ++s)
                cites.insert(m.JoueurTitulaire(t, s));
            for (int r = 1; r <= m.NbRemp(); ++r) {
                cites.insert(m.ValeurRemplacement(t, r, 1));
                cites.insert(m.ValeurRemplacement(t, r, 3));
            }
        }
        for (const TListeDonnees* l : listes)
            for (int i = 0; i < l->Nombre(); ++i)
                cites.insert(l->Donnee(i)->IdJoueur());
        return false;
    });
    cites.erase(0);
    return cites;
}

TSaison::TRetraitEquipe TSaison::RetraitEquipe(int id) const
{
    TRetraitEquipe r;
    if (IndexId(id) < 0)
        return r;
    const std::set<int32_t> cites = JoueursCites();
    for (int i = 0; i < joueurs_->NbJoueur(); ++i) {
        TJoueur* j = joueurs_->Joueur(i);
        if (j->ClubActuel == id) {
            const int nationale = j->EquipeNational;
            const bool selectionne = nationale != TJoueur::Aucun && nationale != id && IndexId(nationale) >= 0;
            (selectionne || cites.count(j->Numero) ? r.SansClub : r.Partants).push_back(j);
        } else if (j->EquipeNational == id) {
            r.Selections.push_back(j);
        }
    }
    r.Fusions = FusionsSansClub(r.SansClub);
    for (int k = 0; k < entraineurs_.NbPersonnel(); ++k)
        if (auto* e = dynamic_cast<TEntraineur*>(entraineurs_.Personnel(k)); e && e->ClubActuel == id)
            r.Entraineurs.push_back(e);
    r.FicheClub = rensClubs_.ChercheRensClub(id) != nullptr;
    return r;
}

bool TSaison::RetireEquipe(int id)
{
    if (IndexId(id) < 0 || !arbre_->ListeChampionnatsEquipe(id).empty())
        return false;
    const TRetraitEquipe r = RetraitEquipe(id);
    for (TJoueur* j : r.Partants)
        joueurs_->RetireJoueur(j);
    GardeSansClub(r.SansClub, r.Fusions);
    SupprimeEquipe(id);
    return true;
}

void TSaison::AppliqueRenumerotation(TPairesIds& paires)
{
    if (paires.empty())
        return;
    arbre_->RemplaceJoueurs(paires);
    // Each player kept now holds the other's matches too: his figures are
    // counted again at once (the windows open show them whole), in one pass.
    std::vector<TJoueur*> gardes;
    for (const auto& [ancien, nouveau] : paires)
        if (TJoueur* p = joueurs_->ChercheJoueur(nouveau, -1))
            gardes.push_back(p);
    ::CalculeStatJoueurs(SourceStats(*this), gardes);
    paires.clear();
}

namespace {

// The sides of match m (bit 0 home, bit 1 away) on which the player numbered
// id stands, its records taken from the matchday's lists.
int CotesJoueur(const TInfoComp& m, const std::vector<const TListeDonnees*>& listes, int32_t id)
{
    int cotes = 0;
    for (int cote = 0; cote < 2; ++cote) {
        const int t = m.IdEquipe(cote);
        if (t < 0 || t >= 65535 || m.Cote(t) != cote)
            continue;   // no team, or both sides hold the same id
        bool la = m.Capitaine(t) == id;
        for (int s = 1; !la && s <= m.NbTitulaire(); ++s)
            la = m.JoueurTitulaire(t, s) == id;
        for (int r = 1; !la && r <= m.NbRemp(); ++r)
            la = m.ValeurRemplacement(t, r, 1) == id || m.ValeurRemplacement(t, r, 3) == id;
        for (const TListeDonnees* l : listes)
            for (int i = 0; !la && i < l->Nombre(); ++i)
                la = l->Donnee(i)->IdJoueur() == id && l->Donnee(i)->IdEquipe() == t;
        if (la)
            cotes |= 1 << cote;
    }
    return cotes;
}

}   // namespace

bool TSaison::ParcoursMatchs(const std::function<bool(const TDonneesChampionnat&, int, const TInfoComp&,
                                                        const std::vector<const TListeDonnees*>&)>& f) const
{
    for (TDonneesChampionnat* c : arbre_->ListeChampionnats())
        for (int n = 1; n <= c->NbJour(); ++n) {
            const TInfoCompJour* j = c->Journee(n);
            if (!j || j->NbMatchs() == 0)
                continue;
            std::vector<const TListeDonnees*> listes;
            auto ajoute = [&listes](const TListeDonnees* l) {
                if (l && l->Nombre() > 0 && std::find(listes.begin(), listes.end(), l) == listes.end())
                    listes.push_back(l);
            };
            for (int t = 2; t <= 7; ++t)
                ajoute(j->Liste(t));
            for (const TListeDonnees* l : c->ListesDonnees(n))
                ajoute(l);
            for (int i = 0; i < j->NbMatchs(); ++i)
                if (const TInfoComp* m = j->Match(i); m && f(*c, n, *m, listes))
                    return true;
        }
    return false;
}

bool TSaison::MatchAdverses(int32_t a, int32_t b, TMatchAdverses* match) const
{
    if (a == b || a <= 0 || b <= 0)
        return false;
    return ParcoursMatchs([&](const TDonneesChampionnat& c, int n, const TInfoComp& m, const auto& listes) {
        const int ca = CotesJoueur(m, listes, a);
        if (ca == 0)
            return false;
        const int cb = CotesJoueur(m, listes, b);
        if (((ca & 1) && (cb & 2)) || ((ca & 2) && (cb & 1))) {
            if (match)
                *match = {&c, n, m.IdEquipe(0), m.IdEquipe(1)};
            return true;
        }
        return false;
    });
}

bool TSaison::JoueurCite(int32_t id) const
{
    return id > 0 && ParcoursMatchs([id](const TDonneesChampionnat&, int, const TInfoComp& m, const auto& listes) {
               return CotesJoueur(m, listes, id) != 0;
           });
}

void TSaison::GardeSansNom()
{
    // A player whose Nom a document left blank keeps his records under a
    // name of his own; one that nothing names is dropped.
    for (auto& p : joueurs_->PrendSansNom())
        if (JoueurCite(p->Numero) || p->NbStatCarriere() > 0 || p->NbHistorique() > 0)
            joueurs_->InsereJoueur(std::move(p), nullptr);
    // Likewise a category that a championship gives its teams.
    for (int32_t id : std::exchange(categoriesSansNom_, {})) {
        bool utilisee = false;
        for (const TDonneesChampionnat* c : arbre_->ListeChampionnats()) {
            utilisee = utilisee || c->CategorieDef() == id;
            for (int i = 0; !utilisee && i < c->NbEquipe(); ++i)
                utilisee = c->CategorieEquipe(i) == id;
        }
        if (utilisee)
            SetCategorie(id, {}, {});
    }
}

bool TSaison::FusionPermise(int32_t garde, int32_t fondu) const
{
    return !MatchAdverses(garde, fondu);
}

std::string TSaison::RefusFusion(const TJoueur& garde, const TJoueur& fondu) const
{
    TMatchAdverses m;
    if (&garde == &fondu || !MatchAdverses(garde.Numero, fondu.Numero, &m))
        return {};
    // a cup's match named by its round
    const std::string nom = arbre_->NomCode(m.Championnat->CodeChamp), tour = NomTourCoupe(*m.Championnat, m.Journee);
    const std::string match =
        tour.empty() ? TraduireFormat(4841, {nom, m.Journee, NomEquipe(m.Domicile), NomEquipe(m.Exterieur)})
                     : TraduireFormat(5825, {nom, tour, NomEquipe(m.Domicile), NomEquipe(m.Exterieur)});
    return TraduireFormat(4840, {NomJoueurEquipe(garde), NomJoueurEquipe(fondu), match});
}

std::string TSaison::NomJoueurEquipe(const TJoueur& j) const
{
    const int t = j.IdEquipe();
    const std::string equipe = t >= 0 && t < 65535 ? NomEquipe(t) : std::string();
    return equipe.empty() ? j.NomComplet() : j.NomComplet() + " (" + equipe + ")";
}

void TSaison::FusionneDoublonsLus(TPairesIds& paires)
{
    // A number already made one with another names that other one now.
    std::vector<std::pair<int32_t, int32_t>> devenus;
    auto suit = [&devenus](int32_t id) {
        for (bool change = true; change;) {
            change = false;
            for (const auto& [de, vers] : devenus)
                if (de == id) {
                    id = vers;
                    change = true;
                    break;
                }
        }
        return id;
    };
    TPairesIds appliquees;
    for (const auto& [lu, garde0] : paires) {
        const int32_t garde = suit(garde0);
        TJoueur* fondu = joueurs_->ChercheJoueur(lu, -1);
        TJoueur* gardeLu = joueurs_->ChercheJoueur(garde, -1);
        if (fondu && gardeLu && fondu != gardeLu) {
            if (!FusionPermise(garde, lu))
                continue;   // they met: two players, as read
            joueurs_->RetireJoueur(fondu);
        }
        devenus.emplace_back(lu, garde);
        appliquees.emplace_back(lu, garde);
    }
    paires.clear();
    AppliqueRenumerotation(appliquees);
}

void TSaison::AppliqueRenumerotationArbitres(TPairesIds& paires)
{
    arbre_->RemplaceArbitres(paires);
    paires.clear();
}

void TSaison::RenumeroteEquipes(TDonneesChampionnat& championnat)
{
    // Everything is taken before anything changes, so that ids swapped between
    // two positions keep their names and squads apart.
    struct TAvant
    {
        int Id;
        std::string Nom;
        std::vector<TJoueur*> Joueurs;
    };
    std::vector<TAvant> avant;
    const int nb = championnat.NbEquipe();
    for (int i = 0; i < nb; ++i) {
        const int id = championnat.IdEquipe(i);
        TAvant a{id, NomEquipe(id), {}};
        if (const TListJoueurEquipe* bloc = id >= 0 && id < 65535 ? joueurs_->BlocEquipe(id) : nullptr)
            for (TJoueur* p : bloc->Joueurs())
                if (p->ClubActuel == static_cast<uint16_t>(id))
                    a.Joueurs.push_back(p);
        avant.push_back(std::move(a));
    }
    for (int i = 0; i < nb; ++i) {
        const TAvant& a = avant[static_cast<size_t>(i)];
        if (a.Id < 0 || a.Id >= 65535 || a.Id == i)
            continue;
        if (IndexId(i) < 0)
            AjouteEquipe(a.Nom, i);
        else
            RenommeEquipe(i, a.Nom);
        championnat.SetIdEquipe(i, i);
    }
    // The players of the squads taken, each to the team of its position: all
    // out of the list first, then filed again under their new teams.
    std::vector<std::unique_ptr<TJoueur>> deplaces;
    for (int i = 0; i < nb; ++i) {
        const TAvant& a = avant[static_cast<size_t>(i)];
        if (a.Id < 0 || a.Id >= 65535 || a.Id == i)
            continue;
        for (TJoueur* p : a.Joueurs)
            if (auto u = joueurs_->RetireJoueur(p)) {
                u->ClubActuel = static_cast<uint16_t>(i);
                deplaces.push_back(std::move(u));
            }
    }
    TPairesIds paires;
    for (auto& u : deplaces)
        joueurs_->InsereJoueur(std::move(u), &paires);
    AppliqueRenumerotation(paires);
}

// ---------------------------------------------------------------------------
// Statistics names

namespace {

// The word of a statistics name: the key in the low 16 bits, the lowest
// division code of the template championship holding it in the high 16 bits
// (the division a word carries is kept, else the templates give it). A name
// entered and the same name read back from the file are one word.
uint32_t MotStatChamp(int32_t cle)
{
    const uint32_t objet = static_cast<uint32_t>(cle);
    uint32_t division = objet >> 16;
    const int32_t code = static_cast<int32_t>(objet & 0xFFFF);
    if (division == 0)
        if (const TLectureParamMulti* m = LectureParamMulti())
            if (const TLectureParam* p = m->ParamCourant())
                if (const TCfgChampionnat* c = p->ChampionnatParCode(code))
                    division = c->CodeMin() == 65535 ? 0 : static_cast<uint32_t>(c->CodeMin()) & 0xFFFF;
    return static_cast<uint32_t>(code) | (division << 16);
}

// The key under which a championship's statistics are kept: the division of
// the first championship of its group when it is one of a group (nom: the
// group's name), else its own.
int32_t CleStatChamp(const TDescTree& arbre, int32_t idChampionnat, std::string& nom)
{
    for (TDescNoeud* n : arbre.ListeNoeudsChampionnat()) {
        const TDonneesChampionnat* c = n->Championnat();
        if (c->CodeDivision() != idChampionnat || (c->Option(0) & 0x0F) <= 1)
            continue;
        if (const TDescNoeud* parent = n->Parent())
            if (const TDescNoeud* premier = parent->Enfant(0))
                if (const TDonneesChampionnat* pc = premier->Championnat()) {
                    nom = parent->NomAffiche();
                    return pc->CodeDivision();
                }
        break;
    }
    return idChampionnat;
}

}  // namespace

void TSaison::AjouteStatChamp(const std::string& nom, int32_t cle)
{
    statChamps_.push_back({NomGarde(nom), MotStatChamp(cle)});
}

int TSaison::StatChampPrevu(int32_t idChampionnat, int32_t codeArbre, std::string& nom, bool& connu) const
{
    nom.clear();
    connu = false;
    const int32_t cle = CleStatChamp(*arbre_, idChampionnat, nom);
    const TLectureParamMulti* m = LectureParamMulti();
    if (!m)
        return 0;
    const uint32_t mot = MotStatChamp(cle);
    for (const auto& e : statChamps_)
        if ((e.Objet & 0xFFFF) == (mot & 0xFFFF)) {
            nom = e.Nom;
            connu = true;
            return static_cast<int>(e.Objet & 0xFFFF);
        }
    if (nom.empty() || nom[0] == '#') {
        if (codeArbre >= 0)
            nom = arbre_->NomCode(codeArbre);
        else if (const TLectureParam* p = m->ParamCourant())
            nom = p->NomCompletDivision(cle);
    }
    nom = NomGarde(nom);
    // Always the key's low 16 bits, the id NomStatChamp finds the name by.
    return static_cast<int>(mot & 0xFFFF);
}

int TSaison::EnregistreStatChamp(int32_t idChampionnat, int32_t codeArbre)
{
    std::string nom;
    bool connu = false;
    const int id = StatChampPrevu(idChampionnat, codeArbre, nom, connu);
    if (!connu && LectureParamMulti()) {
        std::string groupe;
        statChamps_.push_back({nom, MotStatChamp(CleStatChamp(*arbre_, idChampionnat, groupe))});
    }
    return id;
}

std::string TSaison::NomStatChamp(int id) const
{
    if (id > 0 && id <= NbStatChamp() && (statChamps_[static_cast<size_t>(id - 1)].Objet & 0xFFFF) == static_cast<uint32_t>(id))
        return statChamps_[static_cast<size_t>(id - 1)].Nom;
    for (const auto& e : statChamps_)
        if ((e.Objet & 0xFFFF) == static_cast<uint32_t>(id))
            return e.Nom;
    return {};
}

const TStatChamp* TSaison::StatChamp(int i) const
{
    if (i < 0 || i >= NbStatChamp())
        return nullptr;
    return &statChamps_[static_cast<size_t>(i)];
}

// ---------------------------------------------------------------------------
// Players

std::unique_ptr<TJoueur> TSaison::CreeJoueur(const std::string& nom, const std::string& prenom, int32_t numero,
                                             int equipe)
{
    return TJoueur::CreateSimple(Sport(), this, numero, equipe, prenom, nom);
}

std::unique_ptr<TJoueur> TSaison::CopieJoueur(const TJoueur& source)
{
    return TJoueur::CreateCopieJoueur(this, source);
}

std::unique_ptr<TJoueur> TSaison::CreeJoueurComplet(int equipeNational, int maillot, int numeroPoste, int age,
                                                    int clubActuel, const std::string& prenom,
                                                    const std::string& nom)
{
    return TJoueur::CreateNumeroPoste(Sport(), this, equipeNational, maillot, numeroPoste, age, clubActuel, prenom,
                                      nom);
}

bool TSaison::InfoJoueur(int32_t id, int equipe, TInfoJoueur& info) const
{
    if (id <= 0)
        return false;
    const TJoueur* p = joueurs_->ChercheJoueur(id, equipe);
    if (!p)
        return false;
    info.Nom = p->Nom;
    info.Prenom = p->Prenom;
    info.NumeroPoste = p->NumeroPoste();
    return true;
}

bool TSaison::JoueurConnu(int32_t id, int equipe) const
{
    if (id <= 0)
        return false;
    return (indexEcriture_ ? indexEcriture_->ChercheJoueur(id, equipe) : joueurs_->ChercheJoueur(id, equipe)) !=
           nullptr;
}

std::unique_ptr<TStringList> TSaison::ListePostes() const
{
    auto liste = std::make_unique<TStringList>();
    int premier = 0, nb = 0, objet = 0;
    switch (Sport()) {
    case 0: premier = 791; nb = 4; objet = 0; break;
    case 1: nb = 9; objet = 5; break;
    case 2: nb = 6; objet = 15; break;
    case 3: nb = 5; objet = 22; break;
    default: break;
    }
    const std::span<const int> textes = TextesPostes(Sport());
    for (int i = 0; i < nb; ++i)
        liste->AddObject(Traduire(textes.empty() ? premier + i : textes[static_cast<size_t>(i)]), objet + i);
    return liste;
}

void TSaison::ParamLibelles(int mode, int& texte1, int& car1, int& car2, int& nombre, int& texte2) const
{
    switch (Sport()) {
    case 2:
        // fouls and players fouled out: averages in the captions of mode 1
        texte1 = mode == 1 ? 4941 : 650;
        texte2 = mode == 1 ? 4942 : 648;
        nombre = 39; car1 = 37; car2 = 37;
        break;
    case 3:
        texte1 = mode == 1 ? 1524 : 1500;
        texte2 = mode == 1 ? 1525 : 1496;
        // the 2-minute suspensions first, as their caption, then the
        // disqualifications
        nombre = 24; car1 = 33; car2 = 34;
        break;
    default:
        texte1 = mode == 1 ? 305 : 310;
        texte2 = mode == 1 ? 306 : 311;
        nombre = 1; car1 = 37; car2 = 37;
        break;
    }
}

// ---------------------------------------------------------------------------
// Categories

const TCategorie* TSaison::CategorieIndex(int i) const
{
    if (i < 0 || i >= NbCategorie())
        return nullptr;
    return &categories_[static_cast<size_t>(i)];
}

std::string TSaison::NomCategorie(int32_t id) const
{
    std::string nom, court;
    Categorie(id, nom, court);
    return nom;
}

bool TSaison::Categorie(int32_t id, std::string& nom, std::string& nomCourt) const
{
    nom.clear();
    nomCourt.clear();
    for (const auto& c : categories_) {
        if (c.Id < id)
            continue;
        if (c.Id == id) {
            nom = c.Nom;
            nomCourt = c.NomCourt;
            return true;
        }
        break;
    }
    return false;
}

void TSaison::SetCategorie(int32_t id, const std::string& nomTape, const std::string& nomCourt)
{
    // A category keeps a name, which a document reads back: a blank one keeps
    // the name it had, or gets one of its own (text 5076).
    std::string nom = NomGarde(nomTape);
    auto it = std::find_if(categories_.begin(), categories_.end(), [id](const auto& c) { return c.Id >= id; });
    const bool la = it != categories_.end() && it->Id == id;
    if (nom.empty())
        nom = la ? it->Nom : NomGarde(TraduireFormat(5076, {id}));
    if (nom.empty())
        nom = "#" + IntToStr(id);
    if (la) {
        it->Nom = nom;
        it->NomCourt = NomGarde(nomCourt);
        return;
    }
    categories_.insert(it, {id, nom, NomGarde(nomCourt)});
}

void TSaison::SupprimeCategorie(int32_t id)
{
    std::erase_if(categories_, [id](const auto& c) { return c.Id == id; });
    for (TDonneesChampionnat* c : arbre_->ListeChampionnats())
        c->RetireCategorie(id);
}

std::set<int32_t> TSaison::CategoriesCitees() const
{
    std::set<int32_t> ids;
    for (const TCategorie& c : categories_)
        ids.insert(c.Id);
    for (const TDonneesChampionnat* c : arbre_->ListeChampionnats()) {
        ids.insert(c->CategorieDef());
        for (int i = 0; i < c->NbEquipe(); ++i)
            ids.insert(c->CategorieEquipe(i));
    }
    for (int i = 0; i < joueurs_->NbJoueur(); ++i)
        ids.insert(joueurs_->Joueur(i)->categorie);
    ids.erase(0);
    return ids;
}
