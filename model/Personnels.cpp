#include "model/Personnels.h"

#include <algorithm>

#include "model/ChampsSaison.h"
#include "model/ListePays.h"
#include "model/ioXml.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

int CompareNomPersonne(std::string_view a, std::string_view b)
{
    if (AnsiSameText(a, b))
        return 0;
    return AnsiCompareText(a, b);
}

namespace fiches {

std::string Texte(TXmlReader& x, uint8_t jeton)
{
    std::string t = x.Texte();
    x.SauteElement(jeton);
    return t;
}

int32_t Entier(TXmlReader& x, uint8_t jeton, TChamp champ, int32_t defaut)
{
    const int32_t v = x.TexteEntier(Champ(champ), defaut);
    x.SauteElement(jeton);
    return v;
}

int32_t NumeroImage(TXmlReader& x, TChamp champ, std::string_view texte)
{
    // A text of digits is the picture's number: one the field holds.
    const std::string_view t = SansBlancs(texte);
    const size_t signe = !t.empty() && (t[0] == '-' || t[0] == '+') ? 1 : 0;
    const bool nombre = signe < t.size() && t.find_first_not_of("0123456789", signe) == std::string_view::npos;
    return nombre ? x.Lit(Champ(champ), t) : 0;
}

void Image(TXmlReader& x, uint8_t jeton, TChamp champ, std::string& texte, int32_t& numero)
{
    texte = x.Texte();
    numero = NumeroImage(x, champ, texte);
    x.SauteElement(jeton);
}

} // namespace fiches

// ---------------------------------------------------------------------------
// TListeStat

TListeStat::TListeStat(int premier, int dernier)
{
    premier_ = static_cast<uint8_t>(std::clamp(premier, 0, TypeMax));
    dernier_ = static_cast<uint8_t>(std::clamp(dernier, 0, TypeMax));
    const int n = dernier_ >= premier_ ? dernier_ - premier_ + 2 : 1;
    valeurs_.assign(static_cast<size_t>(n), 0);
}

int TListeStat::Index(int type) const
{
    if (type == 0)
        return 0;
    if (type >= premier_ && type <= dernier_ && type <= TypeMax)
        return type - premier_ + 1;
    return -1;
}

uint16_t TListeStat::Valeur(int type) const
{
    const int i = Index(type);
    return i < 0 ? 0 : valeurs_[static_cast<size_t>(i)];
}

void TListeStat::SetValeur(int type, int valeur)
{
    const int i = Index(type);
    if (i >= 0)
        valeurs_[static_cast<size_t>(i)] = static_cast<uint16_t>(valeur);
}

void TListeStat::CopieValeurs(const TListeStat& source)
{
    SetValeur(0, source.Valeur(0));
    for (int k = premier_; k <= dernier_; ++k)
        if (k > 0)
            SetValeur(k, source.Valeur(k));
}

bool TListeStat::ToutAZero() const
{
    return std::all_of(valeurs_.begin(), valeurs_.end(), [](uint16_t v) { return v == 0; });
}

// ---------------------------------------------------------------------------
// TPersonnel

TPersonnel::TPersonnel(int32_t numero, int age, std::string prenom, std::string nom)
    : Nom(std::move(nom)), Prenom(std::move(prenom)), Age(static_cast<uint8_t>(age)), Numero(numero)
{
}

std::unique_ptr<TPersonnel> TPersonnel::CreateVideMeme() const
{
    return std::make_unique<TPersonnel>();
}

std::unique_ptr<TPersonnel> TPersonnel::CreateCopie(const TPersonnel& source)
{
    auto p = source.CreateVideMeme();
    p->Copie(source);
    return p;
}

void TPersonnel::Copie(const TPersonnel& s)
{
    Nom = s.Nom;
    Prenom = s.Prenom;
    Age = s.Age;
    CodePays = s.CodePays;
    Numero = s.Numero;
    Image = s.Image;
    TexteImage = s.TexteImage;
}

std::string TPersonnel::NomComplet() const
{
    return Prenom.empty() ? Nom : Nom + " " + Prenom;
}

std::string TPersonnel::PrenomNom() const
{
    return Prenom.empty() ? Nom : Prenom + " " + Nom;
}

std::string TPersonnel::NomAffiche(const TListePays* pays, bool nomDabord) const
{
    std::string s = nomDabord ? NomComplet() : PrenomNom();
    const std::string p = NomPays(pays);
    if (!p.empty())
        s += " (" + p + ")";
    return s;
}

std::string TPersonnel::NomPays(const TListePays* pays) const
{
    return pays ? pays->NomPays(CodePays) : std::string();
}

void TPersonnel::Ecrit(TXmlWriter& x, int id, TStringList* fichiers, TSaisonFiches* saison) const
{
    x.OuvreElement(NomElement());
    EcritChamps(x, id, fichiers, saison);
    x.FermeElement(NomElement());
}

void TPersonnel::EcritPaysImage(TXmlWriter& x, TStringList* fichiers, TSaisonFiches* saison, int genre) const
{
    if (saison) {
        x.EcritElement("CodePays2", saison->Pays().NomPays(CodePays));
        if (fichiers) {
            const std::string f = NomFichierImage(genre, Image);
            if (!f.empty()) {
                fichiers->Add(f);
                x.EcritElement("Image", ExtractFileName(f));
            }
        }
    } else {
        x.EcritElementEntier("CodePays", CodePays);
        x.EcritElementPositif("Image", Image);
    }
}

void TPersonnel::EcritChamps(TXmlWriter& x, int id, TStringList* fichiers, TSaisonFiches* saison) const
{
    if (id != 65535)
        x.AjouteAttributEntier("ID", id);
    x.EcritElement("Nom", Nom);
    x.EcritElement("Prenom", Prenom);
    x.EcritElementPositif("Age", Age);
    EcritPaysImage(x, fichiers, saison, imageJoueur);
    x.EcritElementEntier("Numero", Numero);
}

void TPersonnel::EcritElement(TXmlWriter& x, const std::string& nom) const
{
    x.OuvreElement(nom);
    EcritChamps(x, 65535, nullptr, nullptr);
    x.FermeElement(nom);
}

void TPersonnel::Reinitialise()
{
    Nom.clear();
    Prenom.clear();
    Age = 0;
    CodePays = Aucun;
    Numero = -1;
    TexteImage.clear();
    Image = 0;
}

void TPersonnel::Lit(TXmlReader& x, TSaisonFiches* saison)
{
    Reinitialise();
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        const std::string nom = x.Nom();
        if (!LitChamp(x, nom, j, saison))
            x.SauteElement(j);
        j = x.ElementSuivant();
    }
    FinLecture();
}

bool TPersonnel::LitChamp(TXmlReader& x, const std::string& nom, uint8_t j, TSaisonFiches* saison)
{
    if (NomXml(nom, "Nom"))
        Nom = fiches::Texte(x, j);
    else if (NomXml(nom, "Prenom"))
        Prenom = fiches::Texte(x, j);
    else if (NomXml(nom, "Age"))
        Age = static_cast<uint8_t>(fiches::Entier(x, j, TChamp::PersonneAge));
    else if (NomXml(nom, "CodePays")) {
        const int32_t c = fiches::Entier(x, j, TChamp::PersonnePays);
        CodePays = static_cast<uint16_t>(c);
        // A country the season does not know (or no longer names) is none.
        if (saison && CodePays < Aucun && saison->Pays().NomPays(CodePays).empty())
            CodePays = Aucun;
    } else if (NomXml(nom, "CodePays2")) {
        const std::string t = fiches::Texte(x, j);
        if (saison) {
            const uint16_t c = saison->Pays().CodePays(t);
            if (c != Aucun)
                CodePays = c;
        }
    } else if (NomXml(nom, "Numero"))
        Numero = fiches::Entier(x, j, TChamp::PersonneNumero);
    else if (NomXml(nom, "Image"))
        fiches::Image(x, j, TChamp::PersonneImage, TexteImage, Image);
    else
        return false;
    return true;
}

// ---------------------------------------------------------------------------
// TPersonnelCoordonnees

std::unique_ptr<TPersonnel> TPersonnelCoordonnees::CreateVideMeme() const
{
    return std::make_unique<TPersonnelCoordonnees>();
}

void TPersonnelCoordonnees::Copie(const TPersonnel& source)
{
    TPersonnel::Copie(source);
    if (const auto* s = dynamic_cast<const TPersonnelCoordonnees*>(&source)) {
        Adresse = s->Adresse;
        Cp = s->Cp;
        Ville = s->Ville;
        Tel = s->Tel;
        Portable = s->Portable;
        Fax = s->Fax;
        EMail = s->EMail;
    }
}

void TPersonnelCoordonnees::EcritChamps(TXmlWriter& x, int id, TStringList* fichiers, TSaisonFiches* saison) const
{
    TPersonnel::EcritChamps(x, id, fichiers, saison);
    x.EcritElement("Adresse", Adresse);
    x.EcritElement("Cp", Cp);
    x.EcritElement("Ville", Ville);
    x.EcritElement("Tel", Tel);
    x.EcritElement("Portable", Portable);
    x.EcritElement("Fax", Fax);
    x.EcritElement("EMail", EMail);
}

void TPersonnelCoordonnees::Reinitialise()
{
    TPersonnel::Reinitialise();
    Adresse.clear();
    Cp.clear();
    Ville.clear();
    Tel.clear();
    Portable.clear();
    Fax.clear();
    EMail.clear();
}

bool TPersonnelCoordonnees::LitChamp(TXmlReader& x, const std::string& nom, uint8_t j, TSaisonFiches* saison)
{
    std::string* champ = nullptr;
    if (NomXml(nom, "Adresse"))
        champ = &Adresse;
    else if (NomXml(nom, "Cp"))
        champ = &Cp;
    else if (NomXml(nom, "Ville"))
        champ = &Ville;
    else if (NomXml(nom, "Tel"))
        champ = &Tel;
    else if (NomXml(nom, "Portable"))
        champ = &Portable;
    else if (NomXml(nom, "Fax"))
        champ = &Fax;
    else if (NomXml(nom, "EMail"))
        champ = &EMail;
    if (!champ)
        return TPersonnel::LitChamp(x, nom, j, saison);
    *champ = fiches::Texte(x, j);
    return true;
}

// ---------------------------------------------------------------------------
// TStaff

TStaff::TStaff(int32_t numero, int age, std::string prenom, std::string nom, uint16_t mot)
    : TPersonnelCoordonnees(numero, age, std::move(prenom), std::move(nom)), Mot(mot)
{
}

std::unique_ptr<TPersonnel> TStaff::CreateVideMeme() const
{
    return std::make_unique<TStaff>();
}

void TStaff::Copie(const TPersonnel& source)
{
    TPersonnelCoordonnees::Copie(source);
    if (const auto* s = dynamic_cast<const TStaff*>(&source))
        Mot = s->Mot;
}

// ---------------------------------------------------------------------------
// TEntraineur

std::unique_ptr<TPersonnel> TEntraineur::CreateVideMeme() const
{
    return std::make_unique<TEntraineur>();
}

void TEntraineur::Copie(const TPersonnel& source)
{
    TPersonnelCoordonnees::Copie(source);
    if (const auto* s = dynamic_cast<const TEntraineur*>(&source)) {
        ClubActuel = s->ClubActuel;
        ClubPrec = s->ClubPrec;
        categorie = s->categorie;
    }
}

void TEntraineur::Ecrit(TXmlWriter& x, int id, TStringList* fichiers, TSaisonFiches* saison) const
{
    x.OuvreElement(NomElement());
    EcritChamps(x, id, fichiers, saison);
    if (saison) {
        x.EcritElement("ClubActuel2", saison->NomEquipe(ClubActuel));
        x.EcritElement("ClubPrec2", saison->NomClubPrec(ClubPrec));
    } else {
        x.EcritElementEntier("ClubActuel", ClubActuel);
        x.EcritElementEntier("ClubPrec", ClubPrec);
    }
    x.EcritElement("categorie", categorie);
    x.FermeElement(NomElement());
}

void TEntraineur::Reinitialise()
{
    TPersonnelCoordonnees::Reinitialise();
    ClubActuel = Aucun;
    ClubPrec = Aucun;
    categorie.clear();
}

bool TEntraineur::LitChamp(TXmlReader& x, const std::string& nom, uint8_t j, TSaisonFiches* saison)
{
    if (NomXml(nom, "ClubActuel"))
        ClubActuel = static_cast<uint16_t>(fiches::Entier(x, j, TChamp::EntraineurClub, Aucun));
    else if (NomXml(nom, "ClubPrec"))
        ClubPrec = static_cast<uint16_t>(fiches::Entier(x, j, TChamp::EntraineurClubPrec));
    else if (NomXml(nom, "ClubActuel2")) {
        const std::string t = fiches::Texte(x, j);
        if (saison) {
            const int id = saison->ChercheEquipe(t);
            if (id >= 0)
                ClubActuel = static_cast<uint16_t>(id);
        }
    } else if (NomXml(nom, "ClubPrec2")) {
        const std::string t = fiches::Texte(x, j);
        if (saison) {
            const int id = saison->ChercheClubPrec(t, false);
            if (id >= 0)
                ClubPrec = static_cast<uint16_t>(id);
        }
    } else if (NomXml(nom, "categorie"))
        categorie = fiches::Texte(x, j);
    else
        return TPersonnelCoordonnees::LitChamp(x, nom, j, saison);
    return true;
}

// ---------------------------------------------------------------------------
// TPersonnelStat

std::unique_ptr<TPersonnel> TPersonnelStat::CreateVideMeme() const
{
    return std::make_unique<TPersonnelStat>();
}

void TPersonnelStat::Copie(const TPersonnel& source)
{
    TPersonnel::Copie(source);
    if (const auto* s = dynamic_cast<const TPersonnelStat*>(&source)) {
        stats_.clear();
        for (const auto& l : s->stats_) {
            auto n = NouvelleListeStat();
            n->SetIdChampionnat(l->IdChampionnat());
            n->CopieValeurs(*l);
            stats_.push_back(std::move(n));
        }
        discipline_ = s->discipline_;
    }
}

std::unique_ptr<TListeStat> TPersonnelStat::NouvelleListeStat() const
{
    return std::make_unique<TListeStat>(1, 34);
}

const TListeStat* TPersonnelStat::StatChamp(uint32_t c) const
{
    for (const auto& l : stats_)
        if (l->IdChampionnat() == c)
            return l.get();
    return nullptr;
}

uint16_t TPersonnelStat::Stat(uint32_t c, int type) const
{
    const TListeStat* l = StatChamp(c);
    return l ? l->Valeur(type) : 0;
}

uint32_t TPersonnelStat::StatTotale(int type) const
{
    uint32_t s = 0;
    for (const auto& l : stats_)
        s += l->Valeur(type);
    return s;
}

void TPersonnelStat::SetStat(uint32_t c, int type, int valeur)
{
    if (TListeStat* l = const_cast<TListeStat*>(StatChamp(c))) {
        l->SetValeur(type, valeur);
        return;
    }
    auto n = NouvelleListeStat();
    n->SetIdChampionnat(c);
    n->SetValeur(type, valeur);
    stats_.push_back(std::move(n));
}

const TDiscipline* TPersonnelStat::DisciplineChamp(uint32_t c) const
{
    for (const auto& d : discipline_)
        if (d.IdChampionnat == c)
            return &d;
    return nullptr;
}

TDiscipline* TPersonnelStat::DisciplineChamp(uint32_t c)
{
    return const_cast<TDiscipline*>(static_cast<const TPersonnelStat*>(this)->DisciplineChamp(c));
}

TDiscipline& TPersonnelStat::DisciplineCree(uint32_t c)
{
    if (TDiscipline* d = DisciplineChamp(c))
        return *d;
    TDiscipline d;
    d.IdChampionnat = c;
    discipline_.push_back(d);
    return discipline_.back();
}

uint16_t TPersonnelStat::NbAvertissement(uint32_t c) const
{
    const TDiscipline* d = DisciplineChamp(c);
    return d ? d->Avertissements : 0;
}

uint16_t TPersonnelStat::NbExpulsion(uint32_t c) const
{
    const TDiscipline* d = DisciplineChamp(c);
    return d ? d->Expulsions : 0;
}

uint16_t TPersonnelStat::Passes(uint32_t c) const
{
    const TDiscipline* d = DisciplineChamp(c);
    return d ? d->Passes : 0;
}

uint32_t TPersonnelStat::TotalAvertissement() const
{
    uint32_t s = 0;
    for (const auto& d : discipline_)
        s += d.Avertissements;
    return s;
}

uint32_t TPersonnelStat::TotalExpulsion() const
{
    uint32_t s = 0;
    for (const auto& d : discipline_)
        s += d.Expulsions;
    return s;
}

uint32_t TPersonnelStat::TotalPasses() const
{
    uint32_t s = 0;
    for (const auto& d : discipline_)
        s += d.Passes;
    return s;
}

void TPersonnelStat::SetNbAvertissement(uint32_t c, int valeur)
{
    DisciplineCree(c).Avertissements = static_cast<uint16_t>(valeur);
}

void TPersonnelStat::SetNbExpulsion(uint32_t c, int valeur)
{
    DisciplineCree(c).Expulsions = static_cast<uint16_t>(valeur);
}

void TPersonnelStat::SetPasses(uint32_t c, int valeur)
{
    DisciplineCree(c).Passes = static_cast<uint16_t>(valeur);
}

void TPersonnelStat::RazStats(bool tout)
{
    if (tout)
        stats_.clear();
    else
        for (auto& l : stats_)
            for (int k = 1; k <= 4; ++k)
                l->SetValeur(k, 0);
    discipline_.clear();
}

const TListeStat* TPersonnelStat::ListeStat(int i) const
{
    return i >= 0 && i < NbListeStat() ? stats_[static_cast<size_t>(i)].get() : nullptr;
}

const TDiscipline* TPersonnelStat::Discipline(int i) const
{
    return i >= 0 && i < NbDiscipline() ? &discipline_[static_cast<size_t>(i)] : nullptr;
}

// ---------------------------------------------------------------------------
// TPersonnels

TPersonnel* TPersonnels::Personnel(int i) const
{
    return i >= 0 && i < NbPersonnel() ? items_[static_cast<size_t>(i)].get() : nullptr;
}

std::vector<TPersonnel*> TPersonnels::Liste() const
{
    std::vector<TPersonnel*> v;
    v.reserve(items_.size());
    for (const auto& p : items_)
        v.push_back(p.get());
    return v;
}

std::vector<TPersonnel*> TPersonnels::ListeParPays(int code) const
{
    std::vector<TPersonnel*> v;
    for (const auto& p : items_)
        if (p->CodePays == code)
            v.push_back(p.get());
    return v;
}

bool TPersonnels::PaysUtilise(int code) const
{
    return std::any_of(items_.begin(), items_.end(), [code](const auto& p) { return p->CodePays == code; });
}

// The first entry that does not sort before p (by Nom, then Prenom); egal
// when that entry has p's names.
int TPersonnels::Place(const TPersonnel& p, bool& egal) const
{
    auto avant = [](const std::unique_ptr<TPersonnel>& e, const TPersonnel& q) {
        const int d = CompareNomPersonne(e->Nom, q.Nom);
        return d < 0 || (d == 0 && CompareNomPersonne(e->Prenom, q.Prenom) < 0);
    };
    const auto it = std::lower_bound(items_.begin(), items_.end(), p, avant);
    egal = it != items_.end() && CompareNomPersonne((*it)->Nom, p.Nom) == 0 &&
           CompareNomPersonne((*it)->Prenom, p.Prenom) == 0;
    return static_cast<int>(it - items_.begin());
}

TPersonnel* TPersonnels::AjoutePersonnel(std::unique_ptr<TPersonnel> p, TPairesIds* paires,
                                         std::vector<std::unique_ptr<TPersonnel>>* aPart, int* index)
{
    if (index)
        *index = -1;
    if (!p)
        return nullptr;
    bool egal = false;
    const int i = Place(*p, egal);
    if (index)
        *index = i;
    if (egal) {
        TPersonnel* garde = items_[static_cast<size_t>(i)].get();
        if (paires)
            paires->push_back({p->Numero, garde->Numero});
        if (aPart) {
            const bool deja = std::any_of(aPart->begin(), aPart->end(), [&](const auto& q) { return q.get() == p.get(); });
            if (!deja)
                aPart->push_back(std::move(p));
        }
        return garde;
    }
    if (p->Numero == -1)
        p->Numero = ++numeroMax_;
    else if (p->Numero > numeroMax_)
        numeroMax_ = p->Numero;
    TPersonnel* garde = p.get();
    items_.insert(items_.begin() + i, std::move(p));
    return garde;
}

int TPersonnels::IndexPersonnel(const TPersonnel* p) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == p)
            return static_cast<int>(i);
    return -1;
}

std::unique_ptr<TPersonnel> TPersonnels::RetirePersonnel(const TPersonnel* p)
{
    const int i = IndexPersonnel(p);
    if (i < 0)
        return nullptr;
    auto u = std::move(items_[static_cast<size_t>(i)]);
    items_.erase(items_.begin() + i);
    return u;
}

TPersonnel* TPersonnels::ChercheNumero(int32_t n) const
{
    for (const auto& p : items_)
        if (p->Numero == n)
            return p.get();
    return nullptr;
}

TPersonnel* TPersonnels::ChercheNom(std::string_view nom, std::string_view prenom) const
{
    TPersonnel cle;
    cle.Nom = std::string(nom);
    cle.Prenom = std::string(prenom);
    bool egal = false;
    const int i = Place(cle, egal);
    return egal ? items_[static_cast<size_t>(i)].get() : nullptr;
}

std::vector<std::unique_ptr<TPersonnel>> TPersonnels::Vide()
{
    std::vector<std::unique_ptr<TPersonnel>> v;
    v.swap(items_);
    return v;
}

void TPersonnels::Libere()
{
    items_.clear();
}

void TPersonnels::RazStats(bool tout)
{
    for (auto& p : items_)
        if (auto* s = dynamic_cast<TPersonnelStat*>(p.get()))
            s->RazStats(tout);
}

void TPersonnels::Ecrit(const std::string& nomElement, TXmlWriter& x, TStringList* fichiers, TSaisonFiches* saison) const
{
    x.OuvreElement(nomElement);
    for (const auto& p : items_)
        p->Ecrit(x, 65535, fichiers, saison);
    x.FermeElement(nomElement);
}

void TPersonnels::Lit(const std::string& nomEnfant, TXmlReader& x, TSaisonFiches* saison, TPairesIds* paires,
                      std::vector<int32_t>* numeros)
{
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        if (x.Nom() == nomEnfant) {
            std::unique_ptr<TPersonnel> p;
            if (nomEnfant == "Entraineur")
                p = std::make_unique<TEntraineur>();
            else
                p = std::make_unique<TPersonnelStat>();
            if (j == xmlDebut)
                p->Lit(x, saison);
            if (numeros)
                numeros->push_back(p->Numero);
            if (!p->Nom.empty())
                AjoutePersonnel(std::move(p), paires);
        } else {
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
}
