#include "model/DescTree.h"

#include <algorithm>
#include <cstdio>

#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/Championnat_Maintenance.h"
#include "model/ChampsSaison.h"
#include "model/LectureParametre.h"
#include "model/ioXml.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"

std::string NomStocke(const std::string& nom)
{
    return !nom.empty() && nom[0] == '#' ? NomStockeCode(0, nom) : nom;
}

std::string NomStockeCode(int32_t code) { return "#" + IntToStr(code); }

std::string NomStockeCode(int32_t code, const std::string& nom) { return NomStockeCode(code) + "#" + nom; }

TNomStocke LitNomStocke(const std::string& stocke)
{
    TNomStocke l;
    l.Texte = stocke;
    if (stocke.size() < 2 || stocke[0] != '#')
        return l;
    if (const size_t p = stocke.find('#', 1); p != std::string::npos) {
        l.Forme = TNomStocke::CodeEtNom;
        l.Code = StrToIntDef(std::string_view(stocke).substr(1, p - 1), 0);
        l.Texte = stocke.substr(p + 1);
    } else if (TryStrToInt(std::string_view(stocke).substr(1), l.Code)) {
        l.Forme = TNomStocke::Modele;
    }
    return l;
}

namespace {

// "#n#text": true with n and the text.
bool NomCode(const std::string& nom, int32_t& code, std::string& texte)
{
    const TNomStocke l = LitNomStocke(nom);
    code = l.Code;
    texte = l.Texte;
    return l.Forme == TNomStocke::CodeEtNom;
}

TLectureParam* Modeles()
{
    TLectureParamMulti* m = LectureParamMulti();
    return m ? m->ParamCourant() : nullptr;
}

void Parcourt(TDescNoeud& noeud, const std::function<void(TDescNoeud&)>& f)
{
    for (int i = 0; i < noeud.NbEnfant(); ++i) {
        TDescNoeud* e = noeud.Enfant(i);
        f(*e);
        Parcourt(*e, f);
    }
}

}   // namespace

// ---------------------------------------------------------------------------
// TDescNoeud

TDescNoeud::TDescNoeud(std::string nom) : nom_(std::move(nom)) {}

TDescNoeud::~TDescNoeud()
{
    // Children first, then the payloads, whatever the order of the members.
    enfants_.clear();
    championnat_.reset();
    barrage_.reset();
}

int TDescNoeud::AjouteEnfant(std::unique_ptr<TDescNoeud> noeud)
{
    noeud->parent_ = this;
    noeud->niveau_ = niveau_ + 1;
    enfants_.push_back(std::move(noeud));
    return NbEnfant() - 1;
}

TDescNoeud* TDescNoeud::AjouteEnfantNomme(const std::string& nom)
{
    return enfants_[static_cast<size_t>(AjouteEnfant(std::make_unique<TDescNoeud>(nom)))].get();
}

TDescNoeud* TDescNoeud::EnfantNomme(const std::string& nom, bool cree)
{
    for (auto& e : enfants_)
        if (e->nom_ == nom)
            return e.get();
    return cree ? AjouteEnfantNomme(nom) : nullptr;
}

TDescNoeud* TDescNoeud::Enfant(int i) const
{
    if (i < 0 || i >= NbEnfant())
        return nullptr;
    return enfants_[static_cast<size_t>(i)].get();
}

int TDescNoeud::IndexEnfant(const TDescNoeud* noeud) const
{
    for (size_t i = 0; i < enfants_.size(); ++i)
        if (enfants_[i].get() == noeud)
            return static_cast<int>(i);
    return -1;
}

void TDescNoeud::SetChampionnat(std::unique_ptr<TDonneesChampionnat> c)
{
    championnat_ = std::move(c);
}

void TDescNoeud::SetBarrage(std::unique_ptr<TDonneesBarrage> b)
{
    barrage_ = std::move(b);
}

std::unique_ptr<TDonneesChampionnat> TDescNoeud::RetireChampionnat()
{
    return std::move(championnat_);
}

std::unique_ptr<TDonneesBarrage> TDescNoeud::RetireBarrage()
{
    return std::move(barrage_);
}

int32_t TDescNoeud::Code() const
{
    if (championnat_)
        return championnat_->CodeChamp;
    if (barrage_)
        return barrage_->Code & 0x7FFF;
    return -1;
}

TDonneesCompetition* TDescNoeud::CreeDonneesCompetition()
{
    donnees_ = std::make_unique<TDonneesCompetition>();
    return donnees_.get();
}

std::string TDescNoeud::NomAfficheCode(int32_t& code) const
{
    if (!nomAffiche_.empty()) {
        code = codeAffiche_;
        return nomAffiche_;
    }
    code = 0;
    const TNomStocke l = LitNomStocke(nom_);
    if (l.Forme == TNomStocke::CodeEtNom) {
        code = l.Code;
        return l.Texte;
    }
    if (const int32_t n = l.Code; l.Forme == TNomStocke::Modele) {
        if (const TLectureParam* m = Modeles()) {
            code = n;
            switch (niveau_) {
            case 1: {
                const TCfgChampionnat* c = m->ChampionnatParId(n);
                return c ? c->Nom : std::string();
            }
            case 2:
                if (n < 1)
                    return "Separateur";
                if (n & 0x8000)
                    return {};
                return m->NomAfficheDivision(n);
            case 3: return m->NomDivision(n);
            default: return IntToStr(n);
            }
        }
    }
    return nom_;
}

std::string TDescNoeud::NomAffiche() const
{
    int32_t code = 0;
    return NomAfficheCode(code);
}

void TDescNoeud::SetNomAffiche(const std::string& nom, int32_t code)
{
    nomAffiche_ = nom;
    codeAffiche_ = code;
}

std::string TDescNoeud::NomComplet() const
{
    const std::string nom = NomAffiche();
    if (niveau_ != 3 || !parent_ || !parent_->parent_)
        return nom;
    const std::string groupe = parent_->NomAffiche();
    const std::string competition = parent_->parent_->NomAffiche();
    if (groupe == nom)
        return DeuxPoints(competition, nom);
    return DeuxPoints(competition, groupe + " - " + nom);
}

std::vector<TDonneesChampionnat*> TDescNoeud::ListeChampionnats() const
{
    std::vector<TDonneesChampionnat*> liste;
    if (championnat_)
        liste.push_back(championnat_.get());
    for (const auto& e : enfants_) {
        auto sous = e->ListeChampionnats();
        liste.insert(liste.end(), sous.begin(), sous.end());
    }
    return liste;
}

void TDescNoeud::Vide(std::vector<std::unique_ptr<TDonneesChampionnat>>* championnats,
                      std::vector<std::unique_ptr<TDonneesBarrage>>* barrages)
{
    for (auto& e : enfants_) {
        e->Vide(championnats, barrages);
        if (championnats && e->championnat_)
            championnats->push_back(std::move(e->championnat_));
        if (barrages && e->barrage_)
            barrages->push_back(std::move(e->barrage_));
    }
    enfants_.clear();
}

void TDescNoeud::SetCle(int32_t numero, int32_t code)
{
    numero_ = numero;
    codeCle_ = code;
    cle_ = static_cast<int32_t>(static_cast<uint32_t>(code) * 256u + static_cast<uint32_t>(numero));
}

// ---------------------------------------------------------------------------
// TDescTree

TDescTree::TDescTree() : racine_(std::make_unique<TDescNoeud>("root")) {}

TDescTree::~TDescTree() = default;

TDescNoeud* TDescTree::AjouteChampionnat(const std::string& nom3, const std::string& nom2,
                                         std::unique_ptr<TDonneesChampionnat> c, const std::string& nom1)
{
    if (!c)
        return nullptr;
    TDescNoeud* n1 = racine_->EnfantNomme(nom1, true);
    TDescNoeud* n2 = n1->EnfantNomme(nom2, true);
    TDescNoeud* n3 = n2->EnfantNomme(nom3, true);
    if (n3->Championnat() || n3->Barrage())
        n3 = n2->AjouteEnfantNomme(nom3);
    if (c->CodeChamp < 1)
        c->CodeChamp = CodeMax() + 1;
    n3->SetChampionnat(std::move(c));
    return n3;
}

TDescNoeud* TDescTree::AjouteDivisionPerso(const std::string& nom, const std::string& nom1)
{
    return racine_->EnfantNomme(nom1, true)->AjouteEnfantNomme(NomStockeCode(-1, nom));
}

TDescNoeud* TDescTree::AjouteBarrage(const std::string& nom, const std::string& nom1,
                                     std::unique_ptr<TDonneesBarrage> b)
{
    if (!b)
        return nullptr;
    const std::string nom2 = NomStockeCode(b->Code, nom);
    TDescNoeud* n2 = racine_->EnfantNomme(nom1, true)->EnfantNomme(nom2, true);
    n2->SetBarrage(std::move(b));
    return n2;
}

TDescNoeud* TDescTree::AjouteNoeudNiveau(TDescNoeud* noeud, int niveau, const std::string& nom)
{
    niveau %= 16;
    TDescNoeud* n = noeud ? noeud : racine_.get();
    while (n->Niveau() >= niveau && n->Parent())
        n = n->Parent();
    return n->AjouteEnfantNomme(nom);
}

void TDescTree::Parcours(bool championnats, const std::function<void(TDescNoeud&)>& visiteur) const
{
    Parcourt(*racine_, [&](TDescNoeud& n) {
        if (!championnats || n.Championnat())
            visiteur(n);
    });
}

TDescNoeud* TDescTree::NoeudParCode(int32_t code, bool championnat) const
{
    TDescNoeud* trouve = nullptr;
    Parcourt(*racine_, [&](TDescNoeud& n) {
        if (trouve)
            return;
        if (code == -1 || championnat) {
            if (n.Niveau() == 3 && n.Championnat() && (code == -1 || n.Code() == code))
                trouve = &n;
        } else if (n.Niveau() == 2 && n.Code() == code) {
            trouve = &n;
        }
    });
    return trouve;
}

TDescNoeud* TDescTree::NoeudParCle(int32_t valeur, int32_t masque, int niveau) const
{
    TDescNoeud* trouve = nullptr;
    Parcourt(*racine_, [&](TDescNoeud& n) {
        if (!trouve && (n.Cle() & masque) == valeur && (niveau == 0 || n.Niveau() == niveau))
            trouve = &n;
    });
    return trouve;
}

TDescNoeud* TDescTree::NoeudParNumero(int32_t numero, int niveau) const
{
    TDescNoeud* trouve = nullptr;
    Parcourt(*racine_, [&](TDescNoeud& n) {
        if (!trouve && n.NumeroCle() == numero && (niveau == 0 || n.Niveau() == niveau))
            trouve = &n;
    });
    return trouve;
}

TDonneesChampionnat* TDescTree::ChampionnatParCode(int32_t code) const
{
    const TDescNoeud* n = NoeudParCode(code, true);
    return n ? n->Championnat() : nullptr;
}

TDonneesChampionnat* TDescTree::ChampionnatParId(int32_t id) const
{
    for (TDonneesChampionnat* c : ListeChampionnats())
        if (c->CodeDivision() == id)
            return c;
    return nullptr;
}

TDescNoeud* TDescTree::NoeudChampionnat(const TDonneesChampionnat* c) const
{
    TDescNoeud* trouve = nullptr;
    Parcourt(*racine_, [&](TDescNoeud& n) {
        if (!trouve && c && n.Championnat() == c)
            trouve = &n;
    });
    return trouve;
}

std::string TDescTree::NomCode(int32_t code) const
{
    const TDescNoeud* n = NoeudParCode(code, true);
    return n ? n->NomAffiche() : std::string();
}

void TDescTree::NomsChampionnat(int32_t code, std::string& nom, std::string& nom1) const
{
    nom.clear();
    nom1.clear();
    const TDescNoeud* n = NoeudParCode(code, true);
    if (!n)
        return;
    const TLectureParam* m = Modeles();
    const TNomStocke l = LitNomStocke(n->Nom());
    if (l.Forme == TNomStocke::Modele && m) {
        nom = m->NomDivision(l.Code);
        nom1 = m->NomChampionnat(l.Code);
        return;
    }
    // A championship of a template division renamed by the user.
    if (n->Niveau() == 3 && l.Forme == TNomStocke::CodeEtNom && l.Code > 0 && m) {
        nom = l.Texte;
        nom1 = m->NomChampionnat(l.Code);
        return;
    }
    nom = l.Texte;
    const TDescNoeud* p = n;
    while (p->Parent() && p->Niveau() > 1)
        p = p->Parent();
    if (p->Niveau() != 1)
        return;
    const TNomStocke l1 = LitNomStocke(p->Nom());
    nom1 = l1.Texte;
    if (l1.Forme == TNomStocke::Modele && m) {
        const TCfgChampionnat* c = m->ChampionnatParId(l1.Code);
        nom1 = c ? c->Nom : std::string();
    }
}

std::string TDescTree::NomCompletCode(int32_t code) const
{
    std::string nom, nom1;
    NomsChampionnat(code, nom, nom1);
    return nom1.empty() ? nom : DeuxPoints(nom, nom1);
}

TDonneesBarrage* TDescTree::BarrageParCode(int32_t code, TDescNoeud*& noeud, std::string& nom,
                                           bool avecParent) const
{
    noeud = nullptr;
    nom.clear();
    Parcourt(*racine_, [&](TDescNoeud& n) {
        if (!noeud && n.Niveau() == 2 && n.Barrage() && n.Barrage()->Code == code)
            noeud = &n;
    });
    if (!noeud)
        return nullptr;
    int32_t c = 0;
    if (!::NomCode(noeud->Nom(), c, nom))
        nom = noeud->Nom();
    if (avecParent && noeud->Parent())
        nom = noeud->Parent()->NomAffiche() + ": " + nom;
    return noeud->Barrage();
}

std::vector<TDonneesCompetition*> TDescTree::ListeDonneesCompetition(int32_t code) const
{
    std::vector<TDonneesCompetition*> liste;
    for (const TDescNoeud* n = NoeudParCode(code, true); n; n = n->Parent())
        if (n->DonneesCompetition())
            liste.push_back(n->DonneesCompetition());
    return liste;
}

std::vector<TDonneesChampionnat*> TDescTree::ListeChampionnats() const
{
    return racine_->ListeChampionnats();
}

std::vector<TDescNoeud*> TDescTree::ListeNoeudsChampionnat() const
{
    std::vector<TDescNoeud*> liste;
    Parcours(true, [&](TDescNoeud& n) { liste.push_back(&n); });
    return liste;
}

std::vector<TDonneesBarrage*> TDescTree::ListeBarrages() const
{
    std::vector<TDonneesBarrage*> liste;
    Parcourt(*racine_, [&](TDescNoeud& n) {
        if (n.Barrage())
            liste.push_back(n.Barrage());
    });
    return liste;
}

std::vector<TDonneesChampionnat*> TDescTree::ListeChampionnatsEquipe(int idEquipe) const
{
    std::vector<TDonneesChampionnat*> liste;
    for (TDonneesChampionnat* c : ListeChampionnats())
        if (c->IndexEquipe(idEquipe) >= 0)
            liste.push_back(c);
    return liste;
}

bool TDescTree::PlusieursChampionnats() const
{
    return ListeNoeudsChampionnat().size() > 1;
}

int32_t TDescTree::CodeMax() const
{
    int32_t m = 0;
    for (const TDonneesChampionnat* c : ListeChampionnats())
        if (!(c->CodeChamp & 0x8000))
            m = std::max(m, c->CodeChamp);
    return m;
}

int32_t TDescTree::CodeBarrageMax() const
{
    int32_t m = 0;
    for (const TDonneesBarrage* b : ListeBarrages())
        m = std::max(m, b->Code & 0x7FFF);
    return m;
}

int32_t TDescTree::IdPersoMax() const
{
    int32_t m = 1000;
    for (const TDonneesChampionnat* c : ListeChampionnats())
        m = std::max(m, c->CodeDivision());
    return m;
}

TDonneesChampionnat* TDescTree::ChampionnatSuivant(int32_t code) const
{
    const auto noeuds = ListeNoeudsChampionnat();
    for (size_t i = 0; i < noeuds.size(); ++i)
        if (noeuds[i]->Code() == code)
            return i + 1 < noeuds.size() ? noeuds[i + 1]->Championnat() : nullptr;
    return nullptr;
}

TDonneesChampionnat* TDescTree::ChampionnatPrecedent(int32_t code) const
{
    const auto noeuds = ListeNoeudsChampionnat();
    for (size_t i = 0; i < noeuds.size(); ++i)
        if (noeuds[i]->Code() == code)
            return i > 0 ? noeuds[i - 1]->Championnat() : nullptr;
    return nullptr;
}

void TDescTree::RemplaceJoueurs(const TPairesIds& paires)
{
    if (paires.empty())
        return;
    for (TDonneesChampionnat* c : ListeChampionnats())
        c->RemplaceJoueurs(paires);
}

void TDescTree::RemplaceArbitres(const TPairesIds& paires)
{
    if (paires.empty())
        return;
    for (TDonneesChampionnat* c : ListeChampionnats())
        RemplaceArbitresChampionnat(*c, paires);
    Parcourt(*racine_, [&](TDescNoeud& n) {
        if (TDonneesCompetition* d = n.DonneesCompetition())
            for (int32_t& id : d->Arbitres)
                for (const auto& [ancien, nouveau] : paires)
                    if (id == ancien) {
                        id = nouveau;
                        break;
                    }
    });
}

int64_t TDescTree::EstimationCharge() const
{
    int64_t charge = 1000;
    for (const TDonneesChampionnat* c : ListeChampionnats())
        charge += 3500LL * std::max(1, c->NbMatch()) * std::max(1, c->NbJour());
    return charge;
}

// ---------------------------------------------------------------------------
// The season document

void TDescTree::EcritChampionnats(TXmlWriter& x, int32_t code, TDateTime date, const TProgression* progression) const
{
    int total = 65;
    auto signale = [&] {
        if (progression && *progression)
            (*progression)(total);
    };
    x.OuvreElement("Championnats");
    x.EcritElementEntier("Code", code);
    x.EcritElement("LastModif", DateModifVersTexte(date));
    int nbChamp = 0;
    if (racine_->NbEnfant() > 0) {
        x.OuvreElement("DescSaison");
        int32_t numero = 1;
        Parcourt(*racine_, [&](TDescNoeud& n) {
            x.OuvreElement("Desc");
            const TDonneesChampionnat* c = n.Niveau() == 3 ? n.Championnat() : nullptr;
            const int64_t niveau = c ? static_cast<int64_t>(c->CodeChamp) * 16 + 3 : n.Niveau();
            x.EcritElement("Level", IntToStr(niveau));
            x.EcritElement("Valeur", n.Nom());
            x.EcritElementEntier("ID", numero);
            n.numero_ = numero;
            n.cle_ = numero;
            if (n.DonneesCompetition())
                n.DonneesCompetition()->Code = numero;
            ++numero;
            if (n.Championnat())
                ++nbChamp;
            x.FermeElement("Desc");
        });
        x.FermeElement("DescSaison");
    }
    total += 2;
    signale();
    Parcourt(*racine_, [&](TDescNoeud& n) {
        const TDonneesCompetition* d = n.DonneesCompetition();
        if (!d)
            return;
        x.OuvreElement("DescCompetition");
        x.EcritElementEntier("Code", d->Code);
        x.OuvreElement("Arbitres");
        for (int32_t id : d->Arbitres)
            x.EcritElementEntier("ID", id);
        x.FermeElement("Arbitres");
        x.OuvreElement("Stades");
        for (int32_t id : d->Stades)
            x.EcritElementEntier("ID", id);
        x.FermeElement("Stades");
        x.FermeElement("DescCompetition");
    });
    int reste = 0;
    Parcourt(*racine_, [&](TDescNoeud& n) {
        if (!n.Championnat())
            return;
        n.Championnat()->EcritChampionnat(x);
        reste += 20;
        if (nbChamp > 0) {
            total += reste / nbChamp;
            reste %= nbChamp;
        }
        signale();
    });
    Parcourt(*racine_, [&](TDescNoeud& n) {
        if (n.Barrage())
            n.Barrage()->EcritXml(x);
    });
    x.FermeElement("Championnats");
    total += 3;
    signale();
}

int TDescTree::LitDescSaison(TXmlReader& x)
{
    int nb = 0;
    TDescNoeud* courant = racine_.get();
    static const std::string noms[3] = {"Level", "Valeur", "ID"};
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        if (x.Nom() == "Desc" && j == xmlDebut) {
            std::string valeurs[3];
            const char* ou[3] = {};
            x.LitChamps(noms, valeurs, ou);
            const int64_t niveau = x.Lit64(Champ(TChamp::DescNiveau), valeurs[0], 0, ou[0]);
            const std::string& nom = valeurs[1];
            const int32_t numero = x.Lit(Champ(TChamp::DescNumero), valeurs[2], 0, ou[2]);
            if (niveau > 0) {
                courant = AjouteNoeudNiveau(courant, static_cast<int>(niveau % 4), nom);
                int32_t code = static_cast<int32_t>(niveau / 16);
                std::string texte;
                int32_t n = 0;
                if (niveau == 2 && ::NomCode(nom, n, texte))
                    code = n;
                courant->SetCle(numero, code);
                if (niveau % 4 == 3)
                    ++nb;
            }
        } else {
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
    return nb;
}

void TDescTree::EcritParamsChamp(TXmlWriter& x) const
{
    x.OuvreElement("ParamsChamp");
    Parcours(true, [&](TDescNoeud& n) {
        const TDonneesChampionnat& c = *n.Championnat();
        x.OuvreElement("ParamChamp");
        x.EcritElementEntier("ID", c.CodeDivision());
        std::string nom, pays;
        NomsChampionnat(c.CodeChamp, nom, pays);
        x.EcritElement("Nom", nom);
        x.EcritElement("Pays", pays);
        x.EcritElementEntier("Logo", 0);
        x.EcritElementEntier("Pointvict", c.Option(4));
        x.EcritElementEntier("Pointnul", c.Option(5));
        x.EcritElementEntier("Pointdef", c.Option(6));
        x.EcritElementEntier("TypeClassement", c.Option(0));
        const int type = ((c.Types() & TDonneesChampionnat::TypeCoupe) ? 2 : 0) +
                         ((c.Types() & TDonneesChampionnat::TypeInternational) ? 1 : 0) +
                         ((c.Option(11) & 8) ? 4 : 0);
        x.EcritElementEntier("TypeCompet", type);
        const TDescNoeud* p = n.Parent();
        if (p && p->NbEnfant() >= 2) {
            if (const TDonneesChampionnat* premier = p->Enfant(0)->Championnat())
                x.EcritElementEntier("idgroupe", premier->CodeDivision());
        } else {
            x.EcritElementEntier("idgroupe", 0);
        }
        x.EcritElementEntier("TerrainNeutre", c.Option(11) & 2);
        x.EcritElementEntier("NbJour", c.NbJour());
        x.EcritElementEntier("ClubSuivi", c.IdEquipe(c.Option(10)));
        x.EcritElementEntier("BonusBut", c.BonusBut);
        x.EcritElementEntier("BonusEcart", c.BonusEcart);
        x.OuvreElement("Tranches");
        for (int i = 0; i < c.NbTranches(); ++i) {
            int debut = 0, fin = 0;
            c.Tranche(i, debut, fin);
            x.OuvreElement("Tranche");
            x.EcritElementEntier("Debut", debut);
            x.EcritElementEntier("Fin", fin);
            x.FermeElement("Tranche");
        }
        x.FermeElement("Tranches");
        x.EcritElement("OrdreClassement", c.OrdreClassement);
        x.FermeElement("ParamChamp");
    });
    x.FermeElement("ParamsChamp");
}

// ---------------------------------------------------------------------------
// LastModif

std::string DateModifVersTexte(TDateTime d)
{
    int a = 0, m = 0, j = 0, h = 0, mi = 0, s = 0, ms = 0;
    DecodeDate(d, a, m, j);
    DecodeTime(d, h, mi, s, ms);
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%02d/%02d/%04d %02d:%02d:%02d", j, m, a, h, mi, s);
    return tampon;
}

bool TexteVersDateModif(const std::string& texte, TDateTime& d)
{
    const std::string t = Trim(texte);
    const size_t blanc = t.find(' ');
    const std::string date = t.substr(0, blanc);
    const std::string heure = blanc == std::string::npos ? std::string() : Trim(t.substr(blanc + 1));
    // The date: three numbers separated by "/", "." or "-".
    int v[3] = {0, 0, 0};
    int longueur[3] = {0, 0, 0};
    int k = 0;
    for (char c : date) {
        if (c >= '0' && c <= '9') {
            if (longueur[k] >= 9)
                return false;
            v[k] = v[k] * 10 + (c - '0');
            ++longueur[k];
        } else if ((c == '/' || c == '.' || c == '-') && k < 2 && longueur[k] > 0) {
            ++k;
        } else {
            return false;
        }
    }
    if (k != 2 || longueur[2] == 0)
        return false;
    int annee, mois, jour;
    if (longueur[0] == 4) {
        annee = v[0];
        mois = v[1];
        jour = v[2];
    } else {
        jour = v[0];
        mois = v[1];
        annee = v[2];
        if (longueur[2] <= 2)
            annee += annee < 50 ? 2000 : 1900;
    }
    TDateTime resultat = 0;
    if (!TryEncodeDate(annee, mois, jour, resultat))
        return false;
    if (!heure.empty()) {
        int h[3] = {0, 0, 0};
        int n = 0;
        bool chiffre = false;
        for (char c : heure) {
            if (c >= '0' && c <= '9') {
                if (h[n] > 99)
                    return false;
                h[n] = h[n] * 10 + (c - '0');
                chiffre = true;
            } else if (c == ':' && n < 2 && chiffre) {
                ++n;
                chiffre = false;
            } else {
                return false;
            }
        }
        if (n < 1 || !chiffre)
            return false;
        TDateTime temps = 0;
        if (!TryEncodeTime(h[0], h[1], h[2], 0, temps))
            return false;
        resultat += temps;
    }
    d = resultat;
    return true;
}
