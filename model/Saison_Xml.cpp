// The season's parts of the season document: SaisonData (countries, teams,
// previous clubs, coaches, stadiums, club records, players, referees,
// statistics names, save options, categories) and Championnats (through the
// competitions tree).
#include <algorithm>

#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/ChampsSaison.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/ioXml.h"
#include "model/oTraducteur.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

namespace {

void Signale(const TProgression& progression, int total)
{
    if (progression)
        progression(total);
}

// The file name without its folder ("\" or "/").
std::string SansDossier(const std::string& chemin)
{
    const size_t p = chemin.find_last_of("\\/");
    return p == std::string::npos ? chemin : chemin.substr(p + 1);
}

// Restores the silent reading of the players when a read ends, however it ends.
class TLectureSilencieuse
{
public:
    explicit TLectureSilencieuse(TJoueurs& joueurs) : joueurs_(joueurs), avant_(joueurs.LectureSilencieuse())
    {
        joueurs_.SetLectureSilencieuse(true);
    }
    ~TLectureSilencieuse() { joueurs_.SetLectureSilencieuse(avant_); }
    TLectureSilencieuse(const TLectureSilencieuse&) = delete;
    TLectureSilencieuse& operator=(const TLectureSilencieuse&) = delete;

private:
    TJoueurs& joueurs_;
    bool avant_;
};

// The season's record of what the document holds, given to the reader while
// a part of the document is read.
class TAvecRenvois
{
public:
    TAvecRenvois(TXmlReader& x, const TRenvoisXml& r) : x_(x), avant_(x.Renvois()) { x_.SetRenvois(&r); }
    ~TAvecRenvois() { x_.SetRenvois(avant_); }
    TAvecRenvois(const TAvecRenvois&) = delete;
    TAvecRenvois& operator=(const TAvecRenvois&) = delete;

private:
    TXmlReader& x_;
    const TRenvoisXml* avant_;
};

}   // namespace

// ===========================================================================
// Writing

void TSaison::EcritSaison(TXmlWriter& x, const TProgression& progression)
{
    int total = 5;
    auto etape = [&](int plus) {
        total += plus;
        Signale(progression, total);
    };
    x.OuvreElement("SaisonData");
    pays_.Ecrit(x);
    etape(2);
    EcritEquipes(x, false, nullptr);
    etape(3);
    x.OuvreElement("ClubPrec");
    for (const TClubPrec& c : clubsPrec_) {
        x.OuvreElement("Equipe");
        x.EcritElementEntier("ID", c.Id);
        x.EcritElement("Nom", c.Nom);
        x.FermeElement("Equipe");
    }
    x.FermeElement("ClubPrec");
    etape(5);
    entraineurs_.Ecrit("Entraineurs", x, nullptr, nullptr);
    etape(10);
    stades_.Ecrit(x, nullptr, nullptr);
    etape(2);
    rensClubs_.Ecrit(x, nullptr);
    etape(2);
    joueurs_->Ecrit(x, -1, -1, nullptr, nullptr);
    etape(24);
    arbitres_.Ecrit("Arbitres", x, nullptr, nullptr);
    etape(10);
    x.OuvreElement("StatChamps");
    for (const TStatChamp& s : statChamps_) {
        x.OuvreElement("StatChampNom", s.Nom);
        x.AjouteAttributEntier("Id", static_cast<int32_t>(s.Objet));
        x.FermeElement("StatChampNom");
    }
    x.FermeElement("StatChamps");
    etape(1);
    x.OuvreElement("OptionsSauvegarde");
    x.EcritElementEntier("Option", optionsSauve_[0]);
    x.EcritElementEntier("Option", optionsSauve_[1]);
    x.FermeElement("OptionsSauvegarde");
    x.OuvreElement("categories");
    for (const TCategorie& c : categories_) {
        x.OuvreElement("categorie");
        x.AjouteAttributEntier("ID", c.Id);
        x.EcritElement("nom", c.Nom);
        x.EcritElement("nomcourt", c.NomCourt);
        x.FermeElement("categorie");
    }
    x.FermeElement("categories");
    etape(1);
    x.FermeElement("SaisonData");
}

void TSaison::EcritEquipes(TXmlWriter& x, bool divisions, TStringList* fichiers) const
{
    x.OuvreElement("Equipes");
    for (const TEquipe& e : equipes_) {
        x.OuvreElement("Equipe");
        x.EcritElementEntier("ID", e.Id());
        x.EcritElement("Nom", e.Nom);
        if (fichiers) {
            const std::string fichier = NomFichierBlason(e.Logo());
            if (!fichier.empty()) {
                fichiers->Add(fichier);
                x.EcritElement("Image", SansDossier(fichier));
            }
        } else {
            x.EcritElementPositif("Logo", e.Logo());
        }
        if (divisions) {
            const auto codes = ListeCodesDivision(e.Id());
            if (codes.empty())
                x.EcritElementEntier("Division", 0);
            for (int code : codes)
                x.EcritElement("Division", IntToStr(code));
        }
        x.FermeElement("Equipe");
    }
    x.FermeElement("Equipes");
}

void TSaison::EcritCompetitions(TXmlWriter& x, const TProgression& progression)
{
    const TProgression* p = progression ? &progression : nullptr;
    // Writing changes no player: their searches by number come from a table.
    const TIndexJoueurs index(*joueurs_);
    struct TPose
    {
        const TIndexJoueurs*& place;
        TPose(const TIndexJoueurs*& p, const TIndexJoueurs& i) : place(p) { place = &i; }
        ~TPose() { place = nullptr; }
    } pose(indexEcriture_, index);
    arbre_->EcritChampionnats(x, courant_ ? courant_->CodeChamp : 1, Now(), p);
}

void TSaison::EcritParamsChamp(TXmlWriter& x) const
{
    arbre_->EcritParamsChamp(x);
}

void TSaison::Ecrit(TXmlWriter& x, const TProgression& progression)
{
    EcritSaison(x, progression);
    EcritCompetitions(x, progression);
}

// ===========================================================================
// Reading

void TSaison::LitEquipe(TXmlReader& x, uint8_t jeton, bool clubPrec)
{
    std::string nom;
    int32_t id = -1;
    int logo = 0;
    EnfantsXml(x, jeton, [&](std::string_view e, uint8_t k) {
        if (e == "Nom") {
            nom = Trim(x.Texte());
        } else if (e == "ID") {
            id = x.TexteEntier(Champ(clubPrec ? TChamp::ClubPrecId : TChamp::EquipeId), -1);
        } else if (e == "Logo") {
            logo = x.TexteEntier(Champ(TChamp::EquipeLogo));
        } else if (e == "Image") {
            const std::string f = SansDossier(Trim(x.Texte()));
            const size_t point = f.find('.');
            logo = point == std::string::npos ? 0 : StrToIntDef(f.substr(0, point), 0);
        }
        x.SauteElement(k);
    });
    if (id < 0)
        return;
    // A previous club emptied by the user keeps its id: players, coaches and
    // history lines may still name it, and no new club takes it over.
    if (clubPrec) {
        AjouteClubPrec(nom, id);
        return;
    }
    if (nom.empty())
        return;
    // An id given twice is refused: a team id names one team in every
    // championship.
    AjouteEquipe(nom, id, logo, false);
}

void TSaison::LitCategories(TXmlReader& x)
{
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        if (x.Nom() == "categorie") {
            const int32_t id = x.AttributEntier(Champ(TChamp::CategorieId), 0);
            std::string nom, court;
            EnfantsXml(x, j, [&](std::string_view e, uint8_t k) {
                if (e == "nom")
                    nom = x.Texte();
                else if (e == "nomcourt")
                    court = x.Texte();
                x.SauteElement(k);
            });
            // One without a name waits for the championships to say whether
            // it is in use.
            if (!NomGarde(nom).empty())
                SetCategorie(id, nom, court);
            else if (id > 0)
                categoriesSansNom_.push_back(id);
        } else {
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
}

void TSaison::LitSaison(TXmlReader& x, int& total, const TProgression& progression)
{
    TLectureSilencieuse silence(*joueurs_);
    // The numbers the lists read give, for the numbers that name them.
    renvois_ = std::make_unique<TRenvoisXml>();
    TRenvoisXml& renvois = *renvois_;
    TAvecRenvois avecRenvois(x, renvois);
    std::vector<int32_t> numeros;
    const auto donne = [&](TRenvoiXml r) {
        renvois.Ouvre(r);
        for (const int32_t n : numeros)
            renvois.Ajoute(r, n);
        numeros.clear();
    };
    LastModif = Now();
    auto etape = [&](int plus) {
        total += plus;
        Signale(progression, total);
    };
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        const std::string nom = x.Nom();
        // Complete elements stand for empty parts and are passed, LastModif
        // apart.
        if (j == xmlComplet) {
            if (SameText(nom, "LastModif")) {
                TDateTime d = 0;
                if (TexteVersDateModif(x.Texte(), d))
                    LastModif = d;
            }
        } else if (nom == "ListePays") {
            pays_.Lit(x);
            for (int i = 0; i < pays_.NbPays(); ++i)
                numeros.push_back(i);
            donne(TRenvoiXml::Pays);
            etape(2);
        } else if (nom == "Equipes") {
            VideEquipes();
            EnfantsXml(x, j, [&](std::string_view e, uint8_t k) {
                if (e == "Equipe")
                    LitEquipe(x, k, false);
                else
                    x.SauteElement(k);
            });
            for (int i = 0; i < NbEquipe(); ++i)
                numeros.push_back(IdEquipe(i));
            donne(TRenvoiXml::Equipe);
            etape(3);
        } else if (nom == "ClubPrec") {
            EnfantsXml(x, j, [&](std::string_view e, uint8_t k) {
                if (e == "Equipe")
                    LitEquipe(x, k, true);
                else
                    x.SauteElement(k);
            });
            etape(5);
        } else if (nom == "Entraineurs") {
            entraineurs_.Lit("Entraineur", x, this, &pairesEntraineurs_);
            etape(10);
        } else if (nom == "Stades") {
            stades_.Lit(x, this);
            for (int i = 0; i < stades_.NbStade(); ++i)
                numeros.push_back(stades_.Stade(i)->Code);
            donne(TRenvoiXml::Stade);
            etape(2);
        } else if (nom == "RensClubs") {
            rensClubs_.Lit(x, this, &pairesEntraineurs_);
            etape(2);
        } else if (nom == "Joueurs") {
            joueurs_->Lit(x, this, &pairesJoueurs_, true);
            etape(26);
        } else if (nom == "Arbitres") {
            arbitres_.Lit("Personnel", x, this, &pairesArbitres_, &numeros);
            donne(TRenvoiXml::Arbitre);
            etape(10);
        } else if (nom == "StatChamps") {
            EnfantsXml(x, j, [&](std::string_view e, uint8_t k) {
                if (e == "StatChampNom")
                    AjouteStatChamp(Trim(x.Texte()), x.AttributEntier(Champ(TChamp::StatChampId), 0));
                x.SauteElement(k);
            });
            etape(1);
        } else if (nom == "OptionsSauvegarde") {
            int i = 0;
            EnfantsXml(x, j, [&](std::string_view e, uint8_t k) {
                if (e == "Option")
                    SetOptionSauvegarde(std::min(i++, 1), x.TexteEntier(Champ(TChamp::OptionSauvegarde)));
                x.SauteElement(k);
            });
            etape(1);
        } else if (nom == "categories") {
            LitCategories(x);
        } else {
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
}

void TSaison::LitDescCompetition(TXmlReader& x)
{
    TDonneesCompetition* donnees = nullptr;
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        const std::string nom = x.Nom();
        if (nom == "Code") {
            // The node of that descriptor number, whatever its number.
            if (TDescNoeud* n = arbre_->NoeudParNumero(x.TexteEntier(Champ(TChamp::CompetitionCode)), 0))
                donnees = n->CreeDonneesCompetition();
            x.SauteElement(j);
        } else if (nom == "Arbitres" || nom == "Stades") {
            const TChampXml& c = Champ(nom == "Arbitres" ? TChamp::CompetitionArbitre : TChamp::CompetitionStade);
            EnfantsXml(x, j, [&](std::string_view e, uint8_t k) {
                if (e == "ID") {
                    const int32_t id = x.TexteEntier(c);
                    if (donnees)
                        (nom == "Arbitres" ? donnees->Arbitres : donnees->Stades).push_back(id);
                }
                x.SauteElement(k);
            });
        } else {
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
}

void TSaison::LitCompetitions(TXmlReader& x, int& total, const TProgression& progression)
{
    TLectureSilencieuse silence(*joueurs_);
    if (!renvois_)
        renvois_ = std::make_unique<TRenvoisXml>();   // no SaisonData: nothing to check against
    TAvecRenvois avecRenvois(x, *renvois_);
    int reste = 0, nbChamp = 1;
    int32_t codeCourant = -1;
    bool codeLu = false;
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        const std::string nom = x.Nom();
        if (nom == "Code") {
            codeCourant = x.TexteEntier(Champ(TChamp::CodeCourant));
            codeLu = true;
            x.SauteElement(j);
        } else if (nom == "LastModif") {
            TDateTime d = 0;
            if (TexteVersDateModif(x.Texte(), d))
                LastModif = d;
            x.SauteElement(j);
        } else if (nom == "DescSaison") {
            if (j == xmlDebut)
                nbChamp = std::max(1, arbre_->LitDescSaison(x));
            total += 1;
            Signale(progression, total);
        } else if (nom == "DescCompetition") {
            if (j == xmlDebut)
                LitDescCompetition(x);
            total += 1;
            Signale(progression, total);
        } else if (nom == "Championnat" && j == xmlDebut) {
            std::unique_ptr<TDonneesChampionnat> c = CreeChampionnat(5, 0);
            if (!c) {
                x.SauteElement(j);
            } else {
                c->SetSaison(this);
                c->LitChampionnat(x);
                TDonneesChampionnat* p = AjouteChampionnat(std::move(c), true);
                reste += 28;
                total += reste / nbChamp;
                reste %= nbChamp;
                Signale(progression, total);
                if (codeLu && p->CodeChamp == codeCourant && !courant_)
                    courant_ = p;
            }
        } else if (nom == "Barrage" && j == xmlDebut) {
            auto b = std::make_unique<TDonneesBarrage>();
            b->LitXml(x);
            // Its node: the level-2 node named by its code (bit 0x8000 aside).
            TDescNoeud* noeud = nullptr;
            arbre_->Parcours(false, [&](TDescNoeud& n) {
                if (!noeud && n.Niveau() == 2 && !n.Barrage() && !n.Championnat() && n.Nom().size() > 1 &&
                    n.Nom()[0] == '#' && n.Nom().find('#', 1) != std::string::npos && n.CodeCle() >= 0 &&
                    (n.CodeCle() & 0x7FFF) == (b->Code & 0x7FFF))
                    noeud = &n;
            });
            if (noeud)
                noeud->SetBarrage(std::move(b));
        } else {
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
    if (codeLu && !courant_)
        SelectionneChampionnat(codeCourant);
    GardeSansNom();
    // Namesakes read twice are made one now that the matches are known, when
    // they never met; references follow.
    FusionneDoublonsLus(pairesJoueurs_);
    AppliqueRenumerotationArbitres(pairesArbitres_);
    pairesEntraineurs_.clear();
    x.SetRenvois(nullptr);
    renvois_.reset();
}

void TSaison::Lit(TXmlReader& x, const TProgression& progression)
{
    int total = 0;
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        const std::string nom = x.Nom();
        if (nom == "SaisonData" && j == xmlDebut)
            LitSaison(x, total, progression);
        else if (nom == "Championnats" && j == xmlDebut)
            LitCompetitions(x, total, progression);
        else
            x.SauteElement(j);
        j = x.ElementSuivant();
    }
    GardeSansNom();
    if (!pairesJoueurs_.empty() || !pairesArbitres_.empty()) {
        FusionneDoublonsLus(pairesJoueurs_);
        AppliqueRenumerotationArbitres(pairesArbitres_);
    }
}
