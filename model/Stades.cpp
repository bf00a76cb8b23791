#include "model/Stades.h"

#include <algorithm>

#include "model/ChampsSaison.h"
#include "model/ListePays.h"
#include "model/Utilities.h"
#include "model/ioXml.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

// ---------------------------------------------------------------------------
// TStade

TStade::TStade(std::string nom, int32_t capacite, std::string ville)
    : NomStade(std::move(nom)), Ville(std::move(ville)), Capacite(capacite)
{
}

std::unique_ptr<TStade> TStade::CreateCopie(const TStade& s)
{
    auto c = std::make_unique<TStade>();
    c->NomStade = s.NomStade;
    c->Ville = s.Ville;
    c->DateConstruction = s.DateConstruction;
    c->Remarque = s.Remarque;
    c->CodePays = s.CodePays;
    c->Capacite = s.Capacite;
    c->RecordAffluence = s.RecordAffluence;
    c->Image = s.Image;
    c->TexteImage = s.TexteImage;
    c->LongueurTerrain = s.LongueurTerrain;
    c->LargeurTerrain = s.LargeurTerrain;
    c->NatureSol = s.NatureSol;
    c->Adresse = s.Adresse;
    c->Cp = s.Cp;
    c->Tel = s.Tel;
    c->Fax = s.Fax;
    return c;
}

std::string TStade::NomComplet() const
{
    return Ville.empty() ? NomStade : NomStade + " (" + Ville + ")";
}

std::string TStade::NomPays(const TListePays* pays) const
{
    return pays ? pays->NomPays(CodePays) : std::string();
}

void TStade::Ecrit(TXmlWriter& x, int id, TStringList* fichiers, TSaisonFiches* saison) const
{
    x.OuvreElement("Stade");
    if (id != 65535)
        x.AjouteAttributEntier("ID", id);
    x.EcritElement("NomStade", NomStade);
    x.EcritElement("Ville", Ville);
    x.EcritElementEntier("Capacite", Capacite);
    if (DateConstruction != 0)
        x.EcritElementEntier("DateConstruction", DateConstruction);
    x.EcritElement("Remarque", Remarque);
    x.EcritElement("RecordAffluence", RecordAffluence);
    x.EcritElementEntier("Code", Code);
    if (saison) {
        x.EcritElement("CodePays2", saison->Pays().NomPays(CodePays));
        const std::string f = NomFichierImage(imageStade, Image);
        if (fichiers && !f.empty())
            fichiers->Add(f);
        x.EcritElement("Image", ExtractFileName(f));
    } else {
        x.EcritElementEntier("CodePays", CodePays);
        x.EcritElementPositif("Image", Image);
    }
    x.EcritElementPositif("LongueurTerrain", LongueurTerrain);
    x.EcritElementPositif("LargeurTerrain", LargeurTerrain);
    x.EcritElement("NatureSol", NatureSol);
    x.EcritElement("Adresse", Adresse);
    x.EcritElement("Cp", Cp);
    x.EcritElement("Tel", Tel);
    x.EcritElement("Fax", Fax);
    x.FermeElement("Stade");
}

void TStade::Lit(TXmlReader& x, TSaisonFiches* saison)
{
    NomStade.clear();
    Ville.clear();
    Remarque.clear();
    RecordAffluence.clear();
    TexteImage.clear();
    NatureSol.clear();
    Adresse.clear();
    Cp.clear();
    Tel.clear();
    Fax.clear();
    Capacite = 0;
    DateConstruction = 0;
    Code = 0;
    Image = 0;
    LongueurTerrain = 0;
    LargeurTerrain = 0;
    CodePays = Aucun;
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        const std::string n = x.Nom();
        std::string* texte = n == "NomStade"          ? &NomStade
                             : n == "Ville"           ? &Ville
                             : n == "Remarque"        ? &Remarque
                             : n == "RecordAffluence" ? &RecordAffluence
                             : n == "NatureSol"       ? &NatureSol
                             : n == "Adresse"         ? &Adresse
                             : n == "Cp"              ? &Cp
                             : n == "Tel"             ? &Tel
                             : n == "Fax"             ? &Fax
                                                      : nullptr;
        if (texte)
            *texte = x.Texte();
        else if (n == "Capacite")
            Capacite = x.TexteEntier(Champ(TChamp::StadeCapacite));
        else if (n == "DateConstruction")
            DateConstruction = static_cast<uint16_t>(x.TexteEntier(Champ(TChamp::StadeConstruction)));
        else if (n == "Code")
            Code = static_cast<uint16_t>(x.TexteEntier(Champ(TChamp::StadeCode)));
        else if (n == "CodePays")
            CodePays = static_cast<uint16_t>(x.TexteEntier(Champ(TChamp::StadePays)));
        else if (n == "LongueurTerrain")
            LongueurTerrain = x.TexteEntier(Champ(TChamp::StadeLongueur));
        else if (n == "LargeurTerrain")
            LargeurTerrain = x.TexteEntier(Champ(TChamp::StadeLargeur));
        else if (n == "CodePays2") {
            if (saison) {
                const uint16_t c = saison->Pays().CodePays(x.Texte());
                if (c != Aucun)
                    CodePays = c;
            }
        } else if (n == "Image") {
            TexteImage = x.Texte();
            if (TexteImage == "0")
                TexteImage.clear();
            Image = fiches::NumeroImage(x, TChamp::StadeImage, TexteImage);
        }
        x.SauteElement(j);
        j = x.ElementSuivant();
    }
}

// ---------------------------------------------------------------------------
// TStades

TStade* TStades::Stade(int i) const
{
    return i >= 0 && i < NbStade() ? items_[static_cast<size_t>(i)].get() : nullptr;
}

TStade* TStades::ChercheStade(int code) const
{
    for (const auto& s : items_)
        if (s->Code == code)
            return s.get();
    return nullptr;
}

TStade* TStades::ChercheStadeNom(std::string_view nom, std::string_view ville) const
{
    for (const auto& s : items_)
        if (AnsiSameText(s->NomStade, nom) && (ville.empty() || AnsiSameText(s->Ville, ville)))
            return s.get();
    return nullptr;
}

// The first stadium whose (NomStade, Ville) is not below s's.
size_t TStades::Place(const TStade& s) const
{
    const auto it = std::lower_bound(items_.begin(), items_.end(), s, [](const auto& e, const TStade& q) {
        const int d = e->NomStade.compare(q.NomStade);
        return d < 0 || (d == 0 && e->Ville.compare(q.Ville) < 0);
    });
    return static_cast<size_t>(it - items_.begin());
}

TStade* TStades::AjouteStade(std::unique_ptr<TStade> s, bool fusion, int* index)
{
    if (index)
        *index = -1;
    if (!s)
        return nullptr;
    // Code 0 stands for no stadium on a match: new stadiums start at 1.
    if (s->Code > 65534)
        s->Code = static_cast<uint16_t>(std::min(codeMax_ + 1, 65534));
    codeMax_ = std::max<int32_t>(codeMax_, s->Code);
    const size_t i = Place(*s);
    if (index)
        *index = static_cast<int>(i);
    if (fusion && i < items_.size() && items_[i]->NomStade == s->NomStade && items_[i]->Ville == s->Ville)
        return items_[i].get();
    TStade* garde = s.get();
    items_.insert(items_.begin() + static_cast<long>(i), std::move(s));
    return garde;
}

TStade* TStades::NouveauStade(const std::string& nom, const std::string& ville)
{
    auto s = std::make_unique<TStade>(nom, 0, ville);
    s->Code = static_cast<uint16_t>(std::min(codeMax_ + 1, 65534));
    return AjouteStade(std::move(s), true);
}

std::unique_ptr<TStade> TStades::RetireStade(const TStade* s)
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == s) {
            auto u = std::move(items_[i]);
            items_.erase(items_.begin() + static_cast<long>(i));
            return u;
        }
    return nullptr;
}

std::vector<std::unique_ptr<TStade>> TStades::Vide()
{
    std::vector<std::unique_ptr<TStade>> v;
    v.swap(items_);
    return v;
}

std::vector<TStade*> TStades::Liste() const
{
    std::vector<TStade*> v;
    for (const auto& s : items_)
        v.push_back(s.get());
    return v;
}

std::vector<TStade*> TStades::ListeParPays(int code) const
{
    std::vector<TStade*> v;
    for (const auto& s : items_)
        if (s->CodePays == code)
            v.push_back(s.get());
    return v;
}

bool TStades::PaysUtilise(int code) const
{
    return std::any_of(items_.begin(), items_.end(), [code](const auto& s) { return s->CodePays == code; });
}

void TStades::Ecrit(TXmlWriter& x, TSaisonFiches* saison, TStringList* fichiers) const
{
    x.OuvreElement("Stades");
    for (const auto& s : items_)
        if (s->Code < 65535)
            s->Ecrit(x, 65535, fichiers, saison);
    x.FermeElement("Stades");
}

void TStades::Lit(TXmlReader& x, TSaisonFiches* saison)
{
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        if (x.Nom() == "Stade" && j == xmlDebut) {
            auto s = std::make_unique<TStade>();
            s->Lit(x, saison);
            if (!s->NomStade.empty()) {
                if (s->Code < 65535)
                    codeMax_ = std::max<int32_t>(codeMax_, s->Code);
                // At its place: the writer wrote them sorted, a hand-made
                // document may not have.
                const size_t i = Place(*s);
                size_t k = i;
                while (k < items_.size() && items_[k]->NomStade == s->NomStade && items_[k]->Ville == s->Ville)
                    ++k;
                items_.insert(items_.begin() + static_cast<long>(k), std::move(s));
            }
        } else {
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
}

// ---------------------------------------------------------------------------
// TRensClub

const TMaillot* TRensClub::Maillot(int i) const
{
    return i >= 0 && i < NbMaillot() ? &maillots_[static_cast<size_t>(i)] : nullptr;
}

std::string TRensClub::CouleurMaillot(int i) const
{
    const TMaillot* m = Maillot(i);
    return m ? m->CouleurMaillot : std::string();
}

std::string TRensClub::CouleurRechange(int i) const
{
    const TMaillot* m = Maillot(i);
    return m ? m->CouleurRechange : std::string();
}

// Kit i, or one kit appended when i is past the end (nothing for i < 0:
// the caller checks).
TMaillot& TRensClub::MaillotCree(int i)
{
    if (i < NbMaillot())
        return maillots_[static_cast<size_t>(i)];
    maillots_.emplace_back();
    return maillots_.back();
}

void TRensClub::SetCouleurMaillot(int i, const std::string& couleur)
{
    if (i >= 0)
        MaillotCree(i).CouleurMaillot = couleur;
}

void TRensClub::SetCouleurRechange(int i, const std::string& couleur)
{
    if (i >= 0)
        MaillotCree(i).CouleurRechange = couleur;
}

void TRensClub::SetNomMaillot(int i, const std::string& nom)
{
    if (i >= 0)
        MaillotCree(i).Nom = nom;
}

void TRensClub::AjouteMaillot(int i, const std::string& nom, const std::string& couleurRechange,
                              const std::string& couleurMaillot)
{
    while (NbMaillot() < i)
        maillots_.emplace_back();
    maillots_.push_back({nom, couleurMaillot, couleurRechange});
}

void TRensClub::VideMaillots(bool officiels)
{
    maillots_.clear();
    if (officiels) {
        President.reset();
        Secretaire.reset();
        Tresorier.reset();
    }
}

void TRensClub::AjouteStade(TStade* s)
{
    if (s)
        stades_.push_back(s);
}

void TRensClub::AjouteEntraineur(TEntraineur* e)
{
    if (e)
        entraineurs_.push_back(e);
}

void TRensClub::RetireStade(const TStade* s)
{
    std::erase(stades_, s);
}

void TRensClub::RetireEntraineur(const TEntraineur* e)
{
    std::erase(entraineurs_, e);
}

void TRensClub::Ecrit(TXmlWriter& x, TSaisonFiches* saison) const
{
    x.OuvreElement("RensClub");
    if (saison)
        x.EcritElement("Club2", saison->NomEquipe(Equipe));
    else
        x.EcritElementEntier("Club", Equipe);
    x.EcritElement("Creation", Creation);
    for (const auto& m : maillots_) {
        x.OuvreElement("ListeMaillots");
        x.EcritElement("CouleurMaillot", m.CouleurMaillot);
        x.EcritElement("CouleurRechange", m.CouleurRechange);
        x.EcritElement("Nom", m.Nom);
        x.FermeElement("ListeMaillots");
    }
    x.EcritElement("Palmares", Palmares);
    x.EcritElement("Matricule", Matricule);
    x.EcritElement("SiteInternet", SiteInternet);
    x.EcritElementPositif("Budget", Budget);
    x.EcritElement("Remarque", Remarque);
    if (President)
        President->EcritElement(x, "President");
    if (Tresorier)
        Tresorier->EcritElement(x, "Tresorier");
    if (Secretaire)
        Secretaire->EcritElement(x, "Secretaire");
    x.EcritElement("Statut", Statut);
    if (saison) {
        for (const TStade* s : stades_) {
            x.OuvreElement("Stade");
            x.EcritElement("NomStade", s->NomStade);
            x.EcritElement("Ville", s->Ville);
            x.FermeElement("Stade");
        }
        for (const TEntraineur* e : entraineurs_) {
            x.OuvreElement("Entraineur");
            x.EcritElement("Nom", e->Nom);
            x.EcritElement("Prenom", e->Prenom);
            x.FermeElement("Entraineur");
        }
    } else {
        for (const TStade* s : stades_)
            x.EcritElementEntier("StadeCode", s->Code);
        for (const TEntraineur* e : entraineurs_)
            x.EcritElementEntier("EntraineurNumero", e->Numero);
    }
    x.EcritElement("Adresse", Adresse);
    x.EcritElement("Cp", Cp);
    x.EcritElement("Tel", Tel);
    x.EcritElement("Fax", Fax);
    x.EcritElement("Ville", Ville);
    x.EcritElement("Nom", Nom);
    x.EcritElement("EMail", EMail);
    x.EcritElementEntier("Code", Code);
    x.FermeElement("RensClub");
}

void TRensClub::LitMaillot(TXmlReader& x, uint8_t jeton)
{
    // Every kit comes back, with or without a shirt colour, so that the
    // kits keep their numbers.
    TMaillot m;
    if (jeton == xmlDebut) {
        static const std::string noms[3] = {"CouleurMaillot", "CouleurRechange", "Nom"};
        std::string valeurs[3];
        x.LitChamps(noms, valeurs);
        m = {valeurs[2], valeurs[0], valeurs[1]};
    }
    maillots_.push_back(std::move(m));
}

void TRensClub::Lit(TXmlReader& x, TSaisonFiches* saison, const TPairesIds* pairesEntraineurs)
{
    // A record that names no team stays at -1 and is dropped by the list.
    Equipe = -1;
    Creation.clear();
    Palmares.clear();
    Matricule.clear();
    SiteInternet.clear();
    Remarque.clear();
    Statut.clear();
    Adresse.clear();
    Cp.clear();
    Ville.clear();
    Tel.clear();
    Fax.clear();
    Nom.clear();
    EMail.clear();
    Budget = 0;
    VideMaillots(true);
    stades_.clear();
    entraineurs_.clear();
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        const std::string n = x.Nom();
        std::string* texte = n == "Creation"       ? &Creation
                             : n == "Palmares"     ? &Palmares
                             : n == "Matricule"    ? &Matricule
                             : n == "SiteInternet" ? &SiteInternet
                             : n == "Remarque"     ? &Remarque
                             : n == "Statut"       ? &Statut
                             : n == "Adresse"      ? &Adresse
                             : n == "Cp"           ? &Cp
                             : n == "Ville"        ? &Ville
                             : n == "Tel"          ? &Tel
                             : n == "Fax"          ? &Fax
                             : n == "EMail"        ? &EMail
                             : n == "Nom"          ? &Nom
                                                   : nullptr;
        if (texte) {
            *texte = fiches::Texte(x, j);
        } else if (n == "Club") {
            Equipe = fiches::Entier(x, j, TChamp::ClubEquipe, -1);
        } else if (n == "Club2") {
            const std::string t = fiches::Texte(x, j);
            if (saison) {
                const int id = saison->ChercheEquipe(t);
                if (id >= 0)
                    Equipe = id;
            }
        } else if (n == "Budget") {
            Budget = fiches::Entier(x, j, TChamp::ClubBudget);
        } else if (n == "Code") {
            Code = static_cast<uint16_t>(fiches::Entier(x, j, TChamp::ClubCode));
        } else if (n == "ListeMaillots") {
            LitMaillot(x, j);
        } else if (n == "CouleurMaillot") {   // older documents: the first kit
            SetCouleurMaillot(0, fiches::Texte(x, j));
        } else if (n == "CouleurRechange") {
            SetCouleurRechange(0, fiches::Texte(x, j));
        } else if (n == "President" || n == "Tresorier" || n == "Secretaire") {
            auto p = std::make_unique<TStaff>();
            const std::string texte = Trim(x.Texte());
            if (n == "President" && !texte.empty()) {
                // Older documents: the president's full name as text.
                std::string nom = texte, prenoms;
                ExtraitMot(nom, prenoms);
                p->Nom = nom;
                p->Prenom = prenoms;
                x.SauteElement(j);
            } else if (j == xmlDebut) {
                p->Lit(x, nullptr);
            }
            (n == "President" ? President : n == "Tresorier" ? Tresorier : Secretaire) = std::move(p);
        } else if (n == "StadeCode") {
            const int32_t code = fiches::Entier(x, j, TChamp::ClubStade);
            if (saison)
                AjouteStade(saison->Stades().ChercheStade(code));
        } else if (n == "Stade") {
            static const std::string noms[2] = {"NomStade", "Ville"};
            std::string valeurs[2];
            if (j == xmlDebut)
                x.LitChamps(noms, valeurs);
            if (saison && !valeurs[0].empty())
                AjouteStade(saison->Stades().ChercheStadeNom(valeurs[0], valeurs[1]));
        } else if (n == "EntraineurNumero") {
            int32_t numero = fiches::Entier(x, j, TChamp::ClubEntraineur);
            if (saison) {
                TPersonnel* e = saison->Entraineurs().ChercheNumero(numero);
                if (!e && pairesEntraineurs)
                    for (const auto& [ancien, nouveau] : *pairesEntraineurs)
                        if (ancien == numero) {
                            e = saison->Entraineurs().ChercheNumero(nouveau);
                            break;
                        }
                AjouteEntraineur(dynamic_cast<TEntraineur*>(e));
            }
        } else if (n == "Entraineur") {
            static const std::string noms[2] = {"Nom", "Prenom"};
            std::string valeurs[2];
            if (j == xmlDebut)
                x.LitChamps(noms, valeurs);
            if (saison && !valeurs[0].empty())
                AjouteEntraineur(dynamic_cast<TEntraineur*>(saison->Entraineurs().ChercheNom(valeurs[0], valeurs[1])));
        } else {
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
}

// ---------------------------------------------------------------------------
// TRensClubs

TRensClub* TRensClubs::RensClub(int i) const
{
    return i >= 0 && i < NbRensClub() ? items_[static_cast<size_t>(i)].get() : nullptr;
}

TRensClub* TRensClubs::ChercheRensClub(int equipe) const
{
    for (const auto& r : items_)
        if (r->Equipe == equipe)
            return r.get();
    return nullptr;
}

TRensClub* TRensClubs::AjouteRensClub(std::unique_ptr<TRensClub> r, int* index)
{
    if (index)
        *index = -1;
    if (!r)
        return nullptr;
    if (r->Code > 65534)
        r->Code = static_cast<uint16_t>(std::min(codeMax_ + 1, 65534));
    codeMax_ = std::max<int32_t>(codeMax_, r->Code);
    const auto it = std::lower_bound(items_.begin(), items_.end(), r->Equipe,
                                     [](const auto& e, int32_t t) { return e->Equipe < t; });
    if (index)
        *index = static_cast<int>(it - items_.begin());
    if (it != items_.end() && (*it)->Equipe == r->Equipe)
        return it->get();
    TRensClub* garde = r.get();
    items_.insert(it, std::move(r));
    return garde;
}

TRensClub* TRensClubs::NouveauRensClub(int equipe)
{
    auto r = std::make_unique<TRensClub>(equipe);
    r->Code = static_cast<uint16_t>(std::min(codeMax_ + 1, 65534));
    return AjouteRensClub(std::move(r));
}

std::unique_ptr<TRensClub> TRensClubs::RetireRensClub(const TRensClub* r)
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == r) {
            auto u = std::move(items_[i]);
            items_.erase(items_.begin() + static_cast<long>(i));
            return u;
        }
    return nullptr;
}

std::vector<std::unique_ptr<TRensClub>> TRensClubs::Vide()
{
    std::vector<std::unique_ptr<TRensClub>> v;
    v.swap(items_);
    return v;
}

void TRensClubs::OublieStade(const TStade* s)
{
    for (auto& r : items_)
        r->RetireStade(s);
}

void TRensClubs::OublieEntraineur(const TEntraineur* e)
{
    for (auto& r : items_)
        r->RetireEntraineur(e);
}

void TRensClubs::Ecrit(TXmlWriter& x, TSaisonFiches* saison) const
{
    x.OuvreElement("RensClubs");
    for (const auto& r : items_)
        if (r->Code < 65535)
            r->Ecrit(x, saison);
    x.FermeElement("RensClubs");
}

void TRensClubs::Lit(TXmlReader& x, TSaisonFiches* saison, const TPairesIds* pairesEntraineurs)
{
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        if (x.Nom() == "RensClub" && j == xmlDebut) {
            auto r = std::make_unique<TRensClub>();
            r->Lit(x, saison, pairesEntraineurs);
            if (r->Equipe != -1) {
                if (r->Code < 65535)
                    codeMax_ = std::max<int32_t>(codeMax_, r->Code);
                // By team id, after the records of the same team (a document
                // that holds two keeps both).
                const auto it = std::upper_bound(items_.begin(), items_.end(), r->Equipe,
                                                 [](int32_t t, const auto& e) { return t < e->Equipe; });
                items_.insert(it, std::move(r));
            }
        } else {
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
}

namespace {

template <class T>
void ChangePremier(std::vector<T*>& liste, T* x)
{
    if (!x) {
        if (!liste.empty())
            liste.erase(liste.begin());
        return;
    }
    if (!liste.empty() && liste.front() == x)
        return;
    std::erase(liste, x);
    if (liste.empty())
        liste.push_back(x);
    else
        liste.front() = x;
}

}  // namespace

void TRensClub::ChangePremierStade(TStade* s) { ChangePremier(stades_, s); }

void TRensClub::ChangePremierEntraineur(TEntraineur* e) { ChangePremier(entraineurs_, e); }
