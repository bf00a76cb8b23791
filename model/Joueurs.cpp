#include "model/Joueurs.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "model/ChampsSaison.h"
#include "model/ListePays.h"
#include "model/oTraducteur.h"
#include "model/ioXml.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

namespace {

constexpr std::array<std::string_view, NbPostes> MotsPostes = {
    "Gardien", "Defenseur", "Milieu", "Attaquant", "Remplacant",
    "Talonneur", "Pilier", "2Ligne", "3Ligne", "Melee", "Ouverture", "34centre", "34aile", "Arriere",
    "RemplacantRugby",
    "Ailier", "ArriereB", "AilierArriere", "Interieur", "Meneur", "Pivot", "RemplacementBasket",
    "GardienH", "ArriereH", "DemiCentre", "AilierH", "PivotH",
};

// The value of a span, 0 past its end.
int32_t Valeur(std::span<const int32_t> v, size_t i)
{
    return i < v.size() ? v[i] : 0;
}

void Remplit(std::span<int32_t> v, size_t i, int32_t valeur)
{
    if (i < v.size())
        v[i] = valeur;
}

bool Chiffres(std::string_view s)
{
    return !s.empty() && s.size() <= 4 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string_view MotPoste(int code)
{
    return code >= 0 && code < NbPostes ? MotsPostes[static_cast<size_t>(code)] : std::string_view();
}

int CodeMotPoste(std::string_view mot)
{
    for (int i = 0; i < NbPostes; ++i)
        if (MotsPostes[static_cast<size_t>(i)] == mot)
            return i;
    return -1;
}

// ---------------------------------------------------------------------------
// Birth dates

std::string DateNaissanceVersTexte(TDateTime date)
{
    int a = 0, m = 0, j = 0;
    DecodeDate(date, a, m, j);
    if (a < 1 || a > 9999 || m < 1 || j < 1)
        return {};
    char t[48];
    std::snprintf(t, sizeof t, "%02d/%02d/%04d", j, m, a);
    return t;
}

TDateTime TexteVersDateNaissance(std::string_view texte)
{
    std::string s = Trim(texte);
    // A time after the date is not part of it.
    if (const size_t b = s.find(' '); b != std::string::npos)
        s.resize(b);
    // Three numbers separated by "/", "." or "-".
    std::string parties[3];
    int n = 0;
    for (char c : s) {
        if (c == '/' || c == '.' || c == '-') {
            if (++n > 2)
                return 0;
        } else {
            parties[n] += c;
        }
    }
    if (n != 2 || !Chiffres(parties[0]) || !Chiffres(parties[1]) || !Chiffres(parties[2]))
        return 0;
    int a = 0, m = 0, j = 0;
    if (parties[0].size() == 4) {   // year first
        a = std::stoi(parties[0]);
        m = std::stoi(parties[1]);
        j = std::stoi(parties[2]);
    } else {
        j = std::stoi(parties[0]);
        m = std::stoi(parties[1]);
        a = std::stoi(parties[2]);
        if (m > 12 && j <= 12)   // month first: the machine wrote m/d/y
            std::swap(j, m);
        if (parties[2].size() <= 2) {
            // Two digits: the year within 50 years of now.
            const int maintenant = YearOf(Date());
            a += (maintenant / 100) * 100;
            if (a > maintenant + 50)
                a -= 100;
            else if (a <= maintenant - 50)
                a += 100;
        }
    }
    TDateTime d = 0;
    return TryEncodeDate(a, m, j, d) ? d : 0;
}

// ---------------------------------------------------------------------------
// TJoueur: construction and copies

std::unique_ptr<TJoueur> TJoueur::Nouveau(int sport, TSaisonFiches* saison)
{
    switch (sport) {
    case sportFootball:
        return std::make_unique<TJoueurFootball>(saison);
    case sportRugby:
        return std::make_unique<TJoueurRugby>(saison);
    case sportBasket:
        return std::make_unique<TJoueurBasket>(saison);
    case sportHandball:
        return std::make_unique<TJoueurHandball>(saison);
    default:
        return nullptr;
    }
}

std::unique_ptr<TJoueur> TJoueur::CreateVide(int sport, TSaisonFiches* saison)
{
    auto p = Nouveau(sport, saison);
    if (p)
        p->SetPosteDefaut();
    return p;
}

std::unique_ptr<TJoueur> TJoueur::CreateComplet(int sport, TSaisonFiches* saison, int maillot, int contrat,
                                                std::string_view lettre, int equipeNational, int clubPrec, int duree,
                                                int age, int clubActuel, int32_t numero, std::string prenom,
                                                std::string nom)
{
    auto p = Nouveau(sport, saison);
    if (!p)
        return nullptr;
    p->Numero = numero;
    p->Prenom = std::move(prenom);
    p->Nom = std::move(nom);
    p->Age = static_cast<uint8_t>(age);
    p->Maillot = static_cast<uint8_t>(maillot);
    p->Contrat = static_cast<uint8_t>(contrat);
    p->EquipeNational = static_cast<uint16_t>(equipeNational);
    p->ClubPrec = static_cast<uint16_t>(clubPrec);
    p->Duree = static_cast<uint8_t>(duree);
    p->ClubActuel = static_cast<uint16_t>(clubActuel);
    if (!Trim(lettre).empty())
        p->SetLettrePoste(lettre);
    else
        p->SetPosteDefaut();
    p->categorie = 1;
    return p;
}

std::unique_ptr<TJoueur> TJoueur::CreateSimple(int sport, TSaisonFiches* saison, int32_t numero, int clubActuel,
                                               std::string prenom, std::string nom)
{
    return CreateComplet(sport, saison, 0, 0, "M", Aucun, 0, 0, 0, clubActuel, numero, std::move(prenom),
                         std::move(nom));
}

std::unique_ptr<TJoueur> TJoueur::CreateNumeroPoste(int sport, TSaisonFiches* saison, int equipeNational,
                                                    int maillot, int numeroPoste, int age, int clubActuel,
                                                    std::string prenom, std::string nom)
{
    auto p = CreateComplet(sport, saison, maillot, 0, "", equipeNational, 0, 0, age, clubActuel, -1,
                           std::move(prenom), std::move(nom));
    if (p)
        p->SetPosteNumero(numeroPoste);
    return p;
}

std::unique_ptr<TJoueur> TJoueur::CreateCopieJoueur(TSaisonFiches* saison, const TJoueur& source)
{
    auto p = Nouveau(source.Sport(), saison);
    p->Copie(source);
    return p;
}

std::unique_ptr<TPersonnel> TJoueur::CreateVideMeme() const
{
    auto p = NouveauMeme(saison_);
    p->SetPosteDefaut();
    return p;
}

void TJoueur::Copie(const TPersonnel& source)
{
    TPersonnelStat::Copie(source);
    const auto* s = dynamic_cast<const TJoueur*>(&source);
    if (!s)
        return;
    Duree = s->Duree;
    Contrat = s->Contrat;
    ClubPrec = s->ClubPrec;
    Taille = s->Taille;
    Poids = s->Poids;
    SelectionNationale = s->SelectionNationale;
    nSelectionNationale = s->nSelectionNationale;
    DateNaissance = s->DateNaissance;
    Maillot = s->Maillot;
    ClubActuel = s->ClubActuel;
    EquipeNational = s->EquipeNational;
    MaillotNational = s->MaillotNational;
    categorie = s->categorie;
    Poste = s->Poste;
    historique_ = s->historique_;
    carriere_.clear();
    for (const auto& l : s->carriere_) {
        auto n = NouvelleListeStat();
        n->SetIdChampionnat(l->IdChampionnat());
        n->CopieValeurs(*l);
        carriere_.push_back(std::move(n));
    }
}

// ---------------------------------------------------------------------------
// Teams

int TJoueur::IdEquipe() const
{
    return saison_ && saison_->ChampionnatCourantInternational() ? EquipeNational : ClubActuel;
}

void TJoueur::SetIdEquipe(int t)
{
    if (saison_ && saison_->ChampionnatCourantInternational())
        EquipeNational = static_cast<uint16_t>(t);
    else
        ClubActuel = static_cast<uint16_t>(t);
}

TJoueur* TJoueur::ChangeEquipe(int t)
{
    TSaisonFiches* saison = saison_;
    if (!saison) {
        ClubActuel = static_cast<uint16_t>(t);
        return this;
    }
    // Out of the list under the old club, back in under the new one.
    TJoueurs& joueurs = saison->Joueurs();
    auto moi = joueurs.RetireJoueur(this);
    ClubActuel = static_cast<uint16_t>(t);
    if (!moi)
        return this;
    TPairesIds paires;
    TJoueur* garde = joueurs.InsereJoueur(std::move(moi), &paires);   // may free this player
    if (!paires.empty())
        saison->AppliqueRenumerotation(paires);
    return garde;
}

std::string TJoueur::NomEquipes(const TDonneesChampionnat* championnat) const
{
    if (!saison_)
        return {};
    const std::string club = ClubActuel != Aucun ? saison_->NomEquipeComplet(ClubActuel, championnat) : std::string();
    const std::string nat =
        EquipeNational != Aucun ? saison_->NomEquipeComplet(EquipeNational, championnat) : std::string();
    if (!club.empty() && !nat.empty())
        return club + ", " + nat;
    if (!club.empty())
        return club;
    if (!nat.empty())
        return nat;
    return Traduire(82);
}

// ---------------------------------------------------------------------------
// Positions

std::span<const int> TextesPostes(int sport)
{
    static constexpr int rugby[] = {490, 489, 491, 492, 493, 494, 495, 496, 497, 5150};
    static constexpr int basket[] = {568, 569, 570, 571, 572, 573, 574};
    static constexpr int handball[] = {1487, 1488, 1489, 1490, 1491};
    switch (sport) {
    case sportRugby: return rugby;
    case sportBasket: return basket;
    case sportHandball: return handball;
    default: return {};
    }
}

void TJoueur::PosteParTexte(std::string_view s)
{
    const std::span<const int> textes = TextesPostes(Sport());
    for (size_t i = 0; i < textes.size(); ++i)
        if (AnsiSameText(s, Traduire(textes[i]))) {
            SetPosteNumero(static_cast<int>(i) + 1);
            return;
        }
    SetPosteNumero(1);
}

std::string TJoueur::TextePoste() const
{
    const std::span<const int> textes = TextesPostes(Sport());
    const size_t i = static_cast<size_t>(std::max(0, Poste - PremierPoste()));
    return i < textes.size() ? Traduire(textes[i]) : std::string();
}

bool TJoueur::StatsSeulement(uint32_t c) const
{
    for (const auto& l : stats_)
        if (l->IdChampionnat() != c && !l->ToutAZero())
            return false;
    for (const auto& d : discipline_)
        if (d.IdChampionnat != c && (d.Passes || d.Avertissements || d.Expulsions))
            return false;
    return true;
}

bool TJoueur::StatsSeulement(std::span<const uint32_t> codes) const
{
    const auto dedans = [&](uint32_t c) { return std::find(codes.begin(), codes.end(), c) != codes.end(); };
    for (const auto& l : stats_)
        if (!dedans(l->IdChampionnat()) && !l->ToutAZero())
            return false;
    for (const auto& d : discipline_)
        if (!dedans(d.IdChampionnat) && (d.Passes || d.Avertissements || d.Expulsions))
            return false;
    return true;
}

bool TJoueur::StatsDans(std::span<const uint32_t> codes) const
{
    const auto dedans = [&](uint32_t c) { return std::find(codes.begin(), codes.end(), c) != codes.end(); };
    for (const auto& l : stats_)
        if (dedans(l->IdChampionnat()) && !l->ToutAZero())
            return true;
    for (const auto& d : discipline_)
        if (dedans(d.IdChampionnat) && (d.Passes || d.Avertissements || d.Expulsions))
            return true;
    return false;
}

std::unique_ptr<TListeStat> TJoueurFootball::NouvelleListeStat() const
{
    return std::make_unique<TListeStat>(1, 1);
}

void TJoueurFootball::SetPosteNumero(int n)
{
    Poste = static_cast<uint8_t>(n >= 1 && n <= 5 ? n - 1 : 4);
}

std::string TJoueurFootball::LettrePoste() const
{
    return Poste <= 4 ? std::string(1, "GDMAR"[Poste]) : std::string();
}

void TJoueurFootball::SetLettrePoste(std::string_view s)
{
    SetPosteNumero(s.empty() ? 0 : Pos(s.substr(0, 1), "GDMAR"));
}

std::unique_ptr<TJoueur> TJoueurFootball::NouveauMeme(TSaisonFiches* saison) const
{
    return std::make_unique<TJoueurFootball>(saison);
}

std::unique_ptr<TListeStat> TJoueurRugby::NouvelleListeStat() const
{
    return std::make_unique<TListeStat>(1, 4);
}

void TJoueurRugby::SetPosteNumero(int n)
{
    Poste = static_cast<uint8_t>(n >= 1 && n <= 10 ? 4 + n : 14);
}

std::string TJoueurRugby::LettrePoste() const
{
    return TextePoste();
}

void TJoueurRugby::SetLettrePoste(std::string_view s)
{
    PosteParTexte(s);
}

std::unique_ptr<TJoueur> TJoueurRugby::NouveauMeme(TSaisonFiches* saison) const
{
    return std::make_unique<TJoueurRugby>(saison);
}

std::unique_ptr<TListeStat> TJoueurBasket::NouvelleListeStat() const
{
    return std::make_unique<TListeStat>(5, 20);
}

void TJoueurBasket::SetPosteNumero(int n)
{
    Poste = static_cast<uint8_t>(n >= 1 && n <= 6 ? 14 + n : 21);
}

std::string TJoueurBasket::LettrePoste() const
{
    return TextePoste();
}

void TJoueurBasket::SetLettrePoste(std::string_view s)
{
    PosteParTexte(s);
}

std::unique_ptr<TJoueur> TJoueurBasket::NouveauMeme(TSaisonFiches* saison) const
{
    return std::make_unique<TJoueurBasket>(saison);
}

std::unique_ptr<TListeStat> TJoueurHandball::NouvelleListeStat() const
{
    return std::make_unique<TListeStat>(21, 36);
}

void TJoueurHandball::SetPosteNumero(int n)
{
    Poste = static_cast<uint8_t>(n >= 1 && n <= 5 ? 21 + n : 23);
}

std::string TJoueurHandball::LettrePoste() const
{
    return TextePoste();
}

void TJoueurHandball::SetLettrePoste(std::string_view s)
{
    PosteParTexte(s);
}

std::unique_ptr<TJoueur> TJoueurHandball::NouveauMeme(TSaisonFiches* saison) const
{
    return std::make_unique<TJoueurHandball>(saison);
}

// ---------------------------------------------------------------------------
// Career

TListeStat* TJoueur::CarriereCode(uint32_t c) const
{
    for (const auto& l : carriere_)
        if (l->IdChampionnat() == c)
            return l.get();
    return nullptr;
}

TListeStat& TJoueur::CarriereCree(uint32_t c)
{
    if (TListeStat* l = CarriereCode(c))
        return *l;
    auto n = NouvelleListeStat();
    n->SetIdChampionnat(c);
    carriere_.push_back(std::move(n));
    return *carriere_.back();
}

uint16_t TJoueur::StatCarriere(uint32_t c, int type) const
{
    const TListeStat* l = CarriereCode(c);
    return l ? l->Valeur(type) : 0;
}

void TJoueur::SetStatCarriere(uint32_t c, int type, int valeur)
{
    CarriereCree(c).SetValeur(type, valeur);
}

const TListeStat* TJoueur::Carriere(int i) const
{
    return i >= 0 && i < NbStatCarriere() ? carriere_[static_cast<size_t>(i)].get() : nullptr;
}

bool TJoueur::CarriereIndex(int i, uint32_t& code, std::span<int32_t> valeurs, int32_t& matchs) const
{
    const TListeStat* l = Carriere(i);
    code = l ? l->IdChampionnat() : 0;
    matchs = l ? l->Valeur(0) : 0;
    Remplit(valeurs, 0, l ? l->Valeur(TypeStatBut()) : 0);
    return l != nullptr;
}

int TJoueur::CarriereChamp(uint32_t c, std::span<int32_t> valeurs, int32_t& matchs) const
{
    for (int i = 0; i < NbStatCarriere(); ++i)
        if (carriere_[static_cast<size_t>(i)]->IdChampionnat() == c) {
            uint32_t code = 0;
            CarriereIndex(i, code, valeurs, matchs);
            return i;
        }
    uint32_t code = 0;
    CarriereIndex(-1, code, valeurs, matchs);
    return 65535;
}

void TJoueur::SetCarriereIndex(int i, uint32_t c, int matchs, std::span<const int32_t> valeurs)
{
    if (i < 0)
        return;
    if (i >= NbStatCarriere()) {
        carriere_.push_back(NouvelleListeStat());
        i = NbStatCarriere() - 1;
    }
    TListeStat& l = *carriere_[static_cast<size_t>(i)];
    l.SetIdChampionnat(c);
    l.SetValeur(0, matchs);
    l.SetValeur(TypeStatBut(), Valeur(valeurs, 0));
}

void TJoueur::SetCarriere(uint32_t c, int matchs, std::span<const int32_t> valeurs)
{
    TListeStat& l = CarriereCree(c);
    l.SetValeur(0, matchs);
    l.SetValeur(TypeStatBut(), Valeur(valeurs, 0));
}

void TJoueur::EcritCarriere(TXmlWriter& x) const
{
    for (const auto& l : carriere_) {
        const int matchs = l->Valeur(0);
        const int buts = l->Valeur(TypeStatBut());
        if (l->IdChampionnat() == 0 || (matchs <= 0 && buts <= 0))
            continue;
        x.OuvreElement("StatCarriere");
        x.EcritElementEntier("StatChamp", static_cast<int32_t>(l->IdChampionnat()));
        x.EcritElementPositif("StatMatch", matchs);
        x.EcritElementPositif("StatBut", buts);
        x.FermeElement("StatCarriere");
    }
}

bool TJoueurRugby::CarriereIndex(int i, uint32_t& code, std::span<int32_t> valeurs, int32_t& matchs) const
{
    const TListeStat* l = Carriere(i);
    code = l ? l->IdChampionnat() : 0;
    matchs = l ? l->Valeur(0) : 0;
    if (!l) {
        std::fill(valeurs.begin(), valeurs.end(), 0);
        return false;
    }
    Remplit(valeurs, 0, l->Valeur(1));
    if (valeurs.size() >= 4)
        for (int k = 2; k <= 4; ++k)
            valeurs[static_cast<size_t>(k - 1)] = l->Valeur(k);
    return true;
}

int TJoueurRugby::CarriereChamp(uint32_t c, std::span<int32_t> valeurs, int32_t& matchs) const
{
    return TJoueur::CarriereChamp(c, valeurs, matchs);
}

void TJoueurRugby::SetCarriereIndex(int i, uint32_t c, int matchs, std::span<const int32_t> valeurs)
{
    if (i < 0)
        return;
    TJoueur::SetCarriereIndex(i, c, matchs, valeurs);
    if (valeurs.size() >= 4) {
        TListeStat& l = *const_cast<TListeStat*>(Carriere(std::min(i, NbStatCarriere() - 1)));
        for (int k = 2; k <= 4; ++k)
            l.SetValeur(k, valeurs[static_cast<size_t>(k - 1)]);
    }
}

void TJoueurRugby::SetCarriere(uint32_t c, int matchs, std::span<const int32_t> valeurs)
{
    TJoueur::SetCarriere(c, matchs, valeurs);
    if (valeurs.size() >= 4) {
        TListeStat& l = CarriereCree(c);
        for (int k = 2; k <= 4; ++k)
            l.SetValeur(k, valeurs[static_cast<size_t>(k - 1)]);
    }
}

void TJoueurRugby::EcritCarriere(TXmlWriter& x) const
{
    for (int i = 0; i < NbStatCarriere(); ++i) {
        const TListeStat& l = *Carriere(i);
        if (l.IdChampionnat() == 0)
            continue;
        x.OuvreElement("StatCarriere");
        x.EcritElementEntier("StatChamp", static_cast<int32_t>(l.IdChampionnat()));
        x.EcritElementPositif("StatMatch", l.Valeur(0));
        x.EcritElementPositif("StatBut", l.Valeur(1));
        x.EcritElementPositif("StatTransfo", l.Valeur(2));
        x.EcritElementPositif("StatPenalite", l.Valeur(3));
        x.EcritElementPositif("StatDrop", l.Valeur(4));
        x.FermeElement("StatCarriere");
    }
}

// ---------------------------------------------------------------------------
// History

void TJoueur::AjouteHistorique(const TStatHistorique& h)
{
    const auto it = std::find_if(historique_.begin(), historique_.end(),
                                 [&](const TStatHistorique& e) { return e.StatAnnee >= h.StatAnnee; });
    historique_.insert(it, h);
}

void TJoueur::RemplaceClubHistorique(int32_t ancien, int32_t nouveau)
{
    for (TStatHistorique& h : historique_)
        if (h.Equipe == ancien)
            h.Equipe = nouveau;
}

const TStatHistorique* TJoueur::Historique(int i) const
{
    return i >= 0 && i < NbHistorique() ? &historique_[static_cast<size_t>(i)] : nullptr;
}

// ---------------------------------------------------------------------------
// XML

void TJoueur::EcritChamps(TXmlWriter& x, int id, TStringList* fichiers, TSaisonFiches* saison) const
{
    if (id != 65535)
        x.AjouteAttributEntier("ID", id);
    x.EcritElement("Nom", Nom);
    x.EcritElement("Prenom", Prenom);
    x.EcritElementPositif("Age", Age);
    if (saison)
        x.EcritElement("CodePays2", saison->Pays().NomPays(CodePays));
    else
        x.EcritElementEntier("CodePays", CodePays);
    x.EcritElementEntier("Numero", Numero);
    x.EcritElement("Poste", std::string(MotPoste(Poste)));
    x.EcritElementPositif("Duree", Duree);
    if (Contrat != 0 && Contrat != 99)
        x.EcritElementEntier("Contrat", Contrat);
    x.EcritElementPositif("Maillot", Maillot);
    if (saison) {
        x.EcritElement("ClubPrec2", saison->NomClubPrec(ClubPrec));
        x.EcritElement("ClubActuel2", saison->NomEquipe(ClubActuel));
        x.EcritElement("EquipeNational2", saison->NomEquipe(EquipeNational));
        if (fichiers) {
            const std::string f = NomFichierImage(imageJoueur, Image);
            if (!f.empty()) {
                fichiers->Add(f);
                x.EcritElement("Image", ExtractFileName(f));
            }
        }
    } else {
        x.EcritElementEntier("ClubPrec", ClubPrec);
        x.EcritElementEntier("ClubActuel", ClubActuel);
        x.EcritElementEntier("EquipeNational", EquipeNational);
        x.EcritElementPositif("Image", Image);
    }
    x.EcritElementPositif("MaillotNational", MaillotNational);
    x.EcritElementPositif("Taille", Taille);
    x.EcritElementPositif("Poids", Poids);
    x.EcritElement("SelectionNationale", SelectionNationale);
    x.EcritElementPositif("nSelectionNationale", nSelectionNationale);
    if (DateNaissance != 0) {
        const std::string d = DateNaissanceVersTexte(DateNaissance);
        if (d != "01/01/1900" && d != "30/12/1899")
            x.EcritElement("DateNaissance", d);
    }
    EcritCarriere(x);
    if (!historique_.empty()) {
        x.OuvreElement("StatHistoriques");
        for (const auto& h : historique_) {
            x.OuvreElement("StatHistorique");
            x.EcritElementEntier("StatAnnee", h.StatAnnee);
            x.EcritElementEntier("Division", h.Division);
            x.EcritElementEntier("Equipe", h.Equipe);
            x.EcritElementPositif("StatMatch", h.StatMatch);
            x.EcritElementPositif("StatBut", h.StatBut);
            x.EcritElementPositif("StatMatchInter", h.StatMatchInter);
            x.EcritElementPositif("StatButInter", h.StatButInter);
            x.FermeElement("StatHistorique");
        }
        x.FermeElement("StatHistoriques");
    }
    if (categorie > 1)
        x.EcritElementEntier("categorie", categorie);
}

void TJoueur::Reinitialise()
{
    TPersonnelStat::Reinitialise();
    Duree = 0;
    Contrat = 0;
    ClubPrec = Aucun;
    Maillot = 0;
    ClubActuel = Aucun;
    MaillotNational = 0;
    EquipeNational = Aucun;
    Taille = 0;
    Poids = 0;
    SelectionNationale.clear();
    nSelectionNationale = 0;
    DateNaissance = 0;
    categorie = 1;
    nomsLus_.reset();
}

bool TJoueur::LitChamp(TXmlReader& x, const std::string& nom, uint8_t j, TSaisonFiches* saison)
{
    if (NomXml(nom, "Nom") || NomXml(nom, "Prenom")) {
        // Trimmed; the names as the document gives them are kept aside
        // where they differ, for the list to tell namesakes.
        std::string lu = fiches::Texte(x, j);
        std::string garde = Trim(lu);
        const bool prenom = NomXml(nom, "Prenom");
        if (lu != garde) {
            if (!nomsLus_)
                nomsLus_ = std::make_unique<TNomsLus>();
            (prenom ? nomsLus_->prenom : nomsLus_->nom) = std::move(lu);
        }
        (prenom ? Prenom : Nom) = std::move(garde);
    }
    else if (NomXml(nom, "CodePays"))
        CodePays = static_cast<uint16_t>(fiches::Entier(x, j, TChamp::PersonnePays));
    else if (NomXml(nom, "Duree"))
        Duree = static_cast<uint8_t>(fiches::Entier(x, j, TChamp::JoueurDuree));
    else if (NomXml(nom, "Contrat"))
        Contrat = static_cast<uint8_t>(fiches::Entier(x, j, TChamp::JoueurContrat));
    else if (NomXml(nom, "ClubPrec"))
        ClubPrec = static_cast<uint16_t>(fiches::Entier(x, j, TChamp::JoueurClubPrec));
    else if (NomXml(nom, "Maillot"))
        Maillot = static_cast<uint8_t>(fiches::Entier(x, j, TChamp::JoueurMaillot));
    else if (NomXml(nom, "ClubActuel"))
        ClubActuel = static_cast<uint16_t>(fiches::Entier(x, j, TChamp::JoueurClub, Aucun));
    else if (NomXml(nom, "EquipeNational"))
        EquipeNational = static_cast<uint16_t>(fiches::Entier(x, j, TChamp::JoueurEquipeNationale, Aucun));
    else if (NomXml(nom, "MaillotNational"))
        MaillotNational = static_cast<uint8_t>(fiches::Entier(x, j, TChamp::JoueurMaillotNational));
    else if (NomXml(nom, "Taille"))
        Taille = static_cast<uint16_t>(fiches::Entier(x, j, TChamp::JoueurTaille));
    else if (NomXml(nom, "Poids"))
        Poids = static_cast<uint16_t>(fiches::Entier(x, j, TChamp::JoueurPoids));
    else if (NomXml(nom, "nSelectionNationale"))
        nSelectionNationale = static_cast<uint16_t>(fiches::Entier(x, j, TChamp::JoueurSelections));
    else if (NomXml(nom, "categorie"))
        categorie = fiches::Entier(x, j, TChamp::JoueurCategorie);
    else if (NomXml(nom, "Poste")) {
        const int code = CodeMotPoste(fiches::Texte(x, j));
        if (code >= 0)
            Poste = static_cast<uint8_t>(code);
    } else if (NomXml(nom, "ClubPrec2")) {
        const std::string t = fiches::Texte(x, j);
        if (saison) {
            const int id = saison->ChercheClubPrec(t, true);
            if (id >= 0)
                ClubPrec = static_cast<uint16_t>(id);
        }
    } else if (NomXml(nom, "ClubActuel2") || NomXml(nom, "EquipeNational2")) {
        const std::string t = fiches::Texte(x, j);
        if (saison) {
            const int id = saison->ChercheEquipe(t);
            if (id >= 0)
                (NomXml(nom, "ClubActuel2") ? ClubActuel : EquipeNational) = static_cast<uint16_t>(id);
        }
    } else if (NomXml(nom, "SelectionNationale"))
        SelectionNationale = fiches::Texte(x, j);
    else if (NomXml(nom, "DateNaissance"))
        DateNaissance = TexteVersDateNaissance(fiches::Texte(x, j));
    else if (NomXml(nom, "StatCarriere"))
        LitStatCarriere(x, j);
    else if (NomXml(nom, "StatHistoriques"))
        LitHistoriques(x, j);
    else
        return TPersonnelStat::LitChamp(x, nom, j, saison);
    return true;
}

void TJoueur::LitStatCarriere(TXmlReader& x, uint8_t jeton)
{
    if (jeton != xmlDebut)
        return;
    int32_t champ = 0, matchs = 0;
    int32_t valeurs[4] = {0, 0, 0, 0};
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        const std::string& n = x.Nom();
        static const struct
        {
            std::string_view nom;
            TChamp champ;
        } champs[6] = {{"StatChamp", TChamp::CarriereChamp},       {"StatMatch", TChamp::CarriereMatch},
                       {"StatBut", TChamp::CarriereBut},           {"StatTransfo", TChamp::CarriereTransfo},
                       {"StatPenalite", TChamp::CarrierePenalite}, {"StatDrop", TChamp::CarriereDrop}};
        int32_t* cibles[6] = {&champ, &matchs, &valeurs[0], &valeurs[1], &valeurs[2], &valeurs[3]};
        for (size_t i = 0; i < 6; ++i)
            if (n == champs[i].nom) {
                *cibles[i] = x.TexteEntier(Champ(champs[i].champ));
                break;
            }
        x.SauteElement(j);
        j = x.ElementSuivant();
    }
    SetCarriere(static_cast<uint32_t>(champ), matchs, valeurs);
}

void TJoueur::LitHistoriques(TXmlReader& x, uint8_t jeton)
{
    if (jeton != xmlDebut)
        return;
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        if (x.Nom() == "StatHistorique" && j == xmlDebut) {
            TStatHistorique h;
            uint8_t k = x.ElementSuivant();
            while (k != xmlFin && k != xmlFinFlux) {
                const std::string& n = x.Nom();
                static const struct
                {
                    std::string_view nom;
                    TChamp champ;
                } champs[7] = {{"StatAnnee", TChamp::HistoriqueAnnee},  {"Division", TChamp::HistoriqueDivision},
                               {"Equipe", TChamp::HistoriqueEquipe},    {"StatMatch", TChamp::HistoriqueMatch},
                               {"StatBut", TChamp::HistoriqueBut},      {"StatMatchInter", TChamp::HistoriqueMatchInter},
                               {"StatButInter", TChamp::HistoriqueButInter}};
                int32_t* cibles[7] = {&h.StatAnnee, &h.Division,       &h.Equipe,      &h.StatMatch,
                                      &h.StatBut,   &h.StatMatchInter, &h.StatButInter};
                for (size_t i = 0; i < 7; ++i)
                    if (n == champs[i].nom) {
                        *cibles[i] = x.TexteEntier(Champ(champs[i].champ));
                        break;
                    }
                x.SauteElement(k);
                k = x.ElementSuivant();
            }
            historique_.push_back(h);
        } else {
            if (x.Nom() == "StatHistorique")
                historique_.push_back(TStatHistorique());
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
}

void TJoueur::FinLecture()
{
    if (EquipeNational < Aucun && EquipeNational == ClubActuel)
        EquipeNational = Aucun;
}

// ---------------------------------------------------------------------------
// TChoixJoueur

TChoixJoueur::TChoixJoueur(TJoueur* joueur, uint8_t drapeau)
    : Texte(joueur ? joueur->Nom : std::string()), joueur_(joueur), drapeau_(drapeau)
{
}
