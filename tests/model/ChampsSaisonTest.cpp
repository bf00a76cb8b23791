// Every number of the season document is read through the row of its field
// (model/ChampsSaison.h). Walking the documents of the four sports: every
// number stands in a row and every row is met; for each row and sport, the
// value one past each end of its range refuses the document at its element,
// a number that a field naming something does not find refuses it too, and
// each end (or the "none" of a field that names something) reads back;
// an entry naming nothing that earlier versions left behind is left out.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "model/ChampionnatStat.h"
#include "model/ChampsSaison.h"
#include "tests/support/GrandeSaison.h"
#include "tests/support/SaisonBuilder.h"

namespace {

// One number of a document: its text, where it stands (each element with
// its rank among its siblings, "@" and the attribute's name), the element
// a refusal of it names, and its row.
struct TNombre
{
    size_t debut, taille;
    std::string cle, element;
    TChamp champ;
};

// The row of a number standing as nom (an attribute or a leaf) under parent,
// itself under grandParent.
const champs_saison::TLigne* Ligne(const std::string& grandParent, const std::string& parent, const std::string& nom,
                                  bool attribut)
{
    for (const auto& l : champs_saison::Lignes) {
        if (l.def.nom != nom || l.def.attribut != attribut)
            continue;
        std::string_view reste = l.def.parent;
        while (!reste.empty()) {
            const size_t barre = reste.find('|');
            const std::string_view choix = reste.substr(0, barre);
            reste = barre == std::string_view::npos ? std::string_view() : reste.substr(barre + 1);
            const size_t oblique = choix.find('/');
            if (oblique == std::string_view::npos ? choix == parent
                                                  : choix.substr(0, oblique) == grandParent && choix.substr(oblique + 1) == parent)
                return &l;
        }
    }
    return nullptr;
}

bool Nombre(const std::string& t)
{
    static const std::regex forme("-?[0-9]+|[0-9]*/[0-9]*|[0-9]+(-[0-9]+)+");
    return !t.empty() && std::regex_match(t, forme);
}

// Texts of the document that may hold digits only.
bool Texte(const std::string& nom)
{
    static const std::set<std::string> textes = {"Creation", "Cp", "Tel", "Fax", "Portable", "Valeur", "Nom", "Prenom",
                                                 "Matricule", "RecordAffluence", "Remarque", "Statut", "Palmares"};
    return textes.count(nom) > 0;
}

// The numbers of a document as the writer puts it (one tag per line); those
// that stand in no row are named in sansLigne.
std::vector<TNombre> Nombres(const std::string& doc, std::vector<std::string>& sansLigne)
{
    std::vector<TNombre> v;
    std::vector<std::string> pile{""}, cles{""};
    std::vector<std::map<std::string, int>> rangs(1);
    static const std::regex attribut(" ([A-Za-z_]+)=\"([^\"]*)\"");
    const auto note = [&](const std::string& grand, const std::string& parent, const std::string& nom, bool attr,
                          size_t debut, size_t taille, const std::string& cle, const std::string& element) {
        const std::string texte = doc.substr(debut, taille);
        if (!Nombre(texte))
            return;
        if (const auto* l = Ligne(grand, parent, nom, attr))
            v.push_back({debut, taille, cle, element, l->champ});
        else if (!Texte(nom))
            sansLigne.push_back(parent + (attr ? "@" : "/") + nom + " = " + texte);
    };
    for (size_t p = doc.find('<'); p != std::string::npos; p = doc.find('<', p)) {
        const size_t q = doc.find('>', p);
        const std::string balise = doc.substr(p + 1, q - p - 1);
        if (balise[0] == '?' || balise[0] == '!') {
            p = q + 1;
            continue;
        }
        if (balise[0] == '/') {
            pile.pop_back();
            cles.pop_back();
            rangs.pop_back();
            p = q + 1;
            continue;
        }
        const std::string nom = balise.substr(0, balise.find_first_of(" /"));
        const std::string cle = cles.back() + "/" + nom + "#" + std::to_string(++rangs.back()[nom]);
        for (std::sregex_iterator a(doc.begin() + static_cast<long>(p), doc.begin() + static_cast<long>(q), attribut), fin;
             a != fin; ++a)
            note(pile.back(), nom, (*a)[1], true, p + static_cast<size_t>(a->position(2)),
                 static_cast<size_t>(a->length(2)), cle + "@" + (*a)[1].str(), nom);
        p = q + 1;
        if (balise.back() == '/')
            continue;
        const size_t suite = doc.find('<', p);
        if (doc.compare(suite, nom.size() + 3, "</" + nom + ">") == 0) {
            note(pile[pile.size() - 2 < pile.size() ? pile.size() - 2 : 0], pile.back(), nom, false, p, suite - p, cle, nom);
            p = suite + nom.size() + 3;
            continue;
        }
        pile.push_back(nom);
        cles.push_back(cle);
        rangs.emplace_back();
    }
    return v;
}

// The value of each number of the document, by where it stands.
std::map<std::string, std::string> Valeurs(const std::string& doc)
{
    std::vector<std::string> sansLigne;
    std::map<std::string, std::string> m;
    for (const TNombre& n : Nombres(doc, sansLigne))
        m[n.cle] = doc.substr(n.debut, n.taille);
    return m;
}

// A season of the sport holding every field of the document.
std::unique_ptr<TSaison> SaisonPleine(int sport)
{
    essai::TSaisonComplete c(sport);
    TSaison& s = *c.saison;
    TJoueur* j = s.Joueurs().Joueur(0);
    j->Age = 25;
    j->Duree = 2;
    j->Contrat = 3;
    j->MaillotNational = 10;
    j->nSelectionNationale = 4;
    j->categorie = 2;
    j->Image = 7;
    j->Poids = 80;
    const int32_t valeurs[4] = {5, 1, 2, 3};
    j->SetCarriere(1, 20, valeurs);
    j->AjouteHistorique({2003, 2, 1, 28, 4, 3, 1});
    s.Arbitres().Personnel(0)->Image = 3;
    s.Arbitres().Personnel(0)->Age = 40;
    TStade* st = s.Stades().Stade(0);
    st->LongueurTerrain = 105;
    st->LargeurTerrain = 68;
    st->Image = 2;
    st->DateConstruction = 1930;
    TRensClub* club = s.RensClubs().RensClub(0);
    club->Tresorier = std::make_unique<TStaff>(-1, 50, "Jean", "Caisse");
    club->Secretaire = std::make_unique<TStaff>(-1, 45, "Anne", "Plume");
    // A cup between national teams; in the box score of a match, every code.
    c.coupe->SetTypes(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeInternational);
    // The match still to play keeps aside a shoot-out its score removed took away.
    c.coupe->MatchEquipes(1, 2, 6)->OteTirs((4u << 16) + 2, 3, 3);
    // The drawn match's shoot-out was entered for another draw, typed over since.
    c.coupe->MatchEquipes(1, 0, 4)->SetScoreTirs(2, 2);
    if (auto* stat = dynamic_cast<TDonneesChampionnatStat*>(c.ligue)) {
        stat->AjoutePonderation({0, 20, 100});
        TInfoComp* m = stat->Match(1, 1);
        m->SetScorePeriode(0, 1, 12);
        const int equipe = m->IdEquipe(0);
        for (int code = stat->PremierCode(); code <= stat->DernierCode(); ++code)
            if (TListeDonnees* l = stat->ListeStat(1, code))
                l->Ajoute(TDonneesEvt::CreateId(c.Joueurs(equipe)[0], equipe, static_cast<uint16_t>(code)));
    }
    return std::move(c.saison);
}

// The document of a season of the sport: the full season, then a generated
// one with a box score or line-ups and events in every match.
std::string Document(int sport)
{
    essai::TParamsGrandeSaison p;
    p.sport = sport;
    p.nbChamps = 1;
    p.nbEquipes = 8;
    p.nbJoueurs = 8 * (essai::EffectifMatch(sport) + 3);
    p.nbArbitres = 4;
    p.coupe = true;
    return essai::Document(*SaisonPleine(sport)) + "\r\n" + essai::Document(*essai::GenereGrandeSaison(p)->saison);
}

std::string Remplace(const std::string& doc, const TNombre& n, const std::string& v)
{
    return std::string(doc).replace(n.debut, n.taille, v);
}

// The fields whose value the rest of the document decides, so that an end
// written in one place alone does not stand where it was: what other numbers
// name (a team's, a stadium's, a person's, a category's, a championship's, a
// node's, a matchday's, a play-off's number), what names another's (a club
// record's team and coach, the current championship, the players of
// line-ups, events and box scores: an unknown one is written without its
// number), a side that files an entry under the other team, a count or a
// size that the entries given set again (teams, matchdays, a line-up's sizes
// given before each side's), what is kept in order (penalties by matchday,
// club records by team), what 0 or a low value leaves out by rule (a cup
// round numbered 0, a play-off's kind of teams below 2), a national team
// that is the player's club (none), and what is checked but not kept (the
// type flags that the other two say, a play-off round's match count).
// Their values are refused one past their ends all the same.
bool Decide(TChamp c)
{
    switch (c) {
    case TChamp::EquipeId: case TChamp::ClubPrecId: case TChamp::StadeCode: case TChamp::PersonneNumero:
    case TChamp::CategorieId: case TChamp::DescNumero: case TChamp::DescNiveau: case TChamp::CompetitionCode:
    case TChamp::JourneeNumero: case TChamp::CodeChamp: case TChamp::BarrageCode: case TChamp::CodeCourant:
    case TChamp::ClubEquipe: case TChamp::ClubEntraineur: case TChamp::CompoJoueur: case TChamp::CompoSortant:
    case TChamp::CompoCapitaine: case TChamp::EvenementJoueur: case TChamp::StatJoueur: case TChamp::EvenementCote:
    case TChamp::StatCote: case TChamp::NbEquipe: case TChamp::NbJour: case TChamp::MatchNbTitulaire:
    case TChamp::MatchNbRemp: case TChamp::PenaliteJournee: case TChamp::TourNumero: case TChamp::BarrageTypeEquipe:
    case TChamp::JoueurEquipeNationale: case TChamp::TypeChamp: case TChamp::TypeNational:
    case TChamp::BarrageNbMatch:
        return true;
    default:
        return false;
    }
}

}   // namespace

TEST(ChampsSaison, EveryNumberOfTheFourSportsIsReadThroughItsRow)
{
    std::set<TChamp> vus;
    for (int sport = 0; sport < 4; ++sport) {
        SCOPED_TRACE(sport);
        // Each half of the document is a season of its own.
        const std::string tout = Document(sport);
        const size_t coupure = tout.find("</Gormelide>\r\n\r\n") + 14;
        std::set<TChamp> faits;
        for (const std::string& doc : {tout.substr(0, coupure), tout.substr(coupure + 2)}) {
            ASSERT_EQ(essai::Refus(sport, doc), "");
            std::vector<std::string> sansLigne;
            const std::vector<TNombre> nombres = Nombres(doc, sansLigne);
            EXPECT_EQ(sansLigne, std::vector<std::string>{});
            for (const TNombre& n : nombres) {
                if (!faits.insert(n.champ).second)
                    continue;   // the first number of each row in the sport
                vus.insert(n.champ);
                const TChampXml& c = Champ(n.champ);
                SCOPED_TRACE(std::string(c.parent) + (c.attribut ? "@" : "/") + std::string(c.nom) + " at " + n.cle);
                const auto refuse = [&](const std::string& v) {
                    EXPECT_EQ(essai::Refus(sport, Remplace(doc, n, v)), n.element) << v;
                };
                const auto paire = [&](int64_t a, int64_t b) { return std::to_string(a) + "/" + std::to_string(b); };
                const bool paireChamp = c.forme == TFormeXml::Paire;
                // One past each end (a list's numbers are joined by "-": none is below 0).
                if (!(c.forme == TFormeXml::Liste && c.bas == 0))
                    refuse(paireChamp ? paire(c.bas - 1, c.bas) : std::to_string(c.bas - 1));
                refuse(paireChamp ? paire(c.haut + 1, c.haut) : std::to_string(c.haut + 1));
                if (paireChamp) {
                    refuse(paire(c.bas, c.haut + 1));
                    refuse(std::to_string(c.haut) + "/");
                    refuse("/" + std::to_string(c.haut));
                    refuse(std::to_string(c.haut));
                }
                // A number the document does not hold, for a field that names one;
                // but an entry earlier versions left behind is left out (a link
                // that has a "none" reads as none), and the rest reads and writes
                // back as it stood.
                if (c.renvoi != TRenvoiXml::Rien && !c.ote)
                    refuse(std::to_string(c.renvoi == TRenvoiXml::Arbitre ? 2000000000 : 65534));
                if (c.ote && c.aucun == TChampXml::SansAucun) {
                    const size_t debut = doc.rfind("\r\n", n.debut) + 2, fin = doc.find("\r\n", n.debut) + 2;
                    EXPECT_EQ(essai::Document(*essai::Lit(sport, Remplace(doc, n, "65534"))),
                              std::string(doc).erase(debut, fin - debut));
                } else if (c.ote) {
                    EXPECT_EQ(essai::Refus(sport, Remplace(doc, n, "65534")), "");
                    EXPECT_EQ(essai::Document(*essai::Lit(sport, Remplace(doc, n, "65534"))),
                              essai::Document(*essai::Lit(sport, Remplace(doc, n, std::to_string(c.aucun)))));
                }
                // The ends, or the "none", read back: as written, or left out
                // as a value the writer does not write.
                std::vector<int64_t> bouts;
                if (c.renvoi != TRenvoiXml::Rien) {
                    if (c.aucun != TChampXml::SansAucun)
                        bouts.push_back(c.aucun);
                } else if (!Decide(n.champ)) {
                    bouts = {c.bas, c.haut};
                }
                for (const int64_t b : bouts) {
                    const std::string v = paireChamp ? paire(b, b) : std::to_string(b);
                    const std::string edite = Remplace(doc, n, v);
                    EXPECT_EQ(essai::Refus(sport, edite), "") << v;
                    const auto relu = Valeurs(essai::Document(*essai::Lit(sport, edite)));
                    const auto it = relu.find(n.cle);
                    // A list's first number is the one written.
                    if (it != relu.end())
                        EXPECT_EQ(c.forme == TFormeXml::Liste ? it->second.substr(0, it->second.find('-')) : it->second, v);
                    else
                        EXPECT_TRUE(b == 0 || b == -1 || b == 255 || b == 65535) << v << " is not read back";
                }
            }
        }
    }
    // Every row is met in some sport's document, but those of the names
    // form, which the season file never holds.
    for (size_t i = 0; i < NbChamps; ++i) {
        const auto c = static_cast<TChamp>(i);
        if (c != TChamp::MatchForfait) {
            EXPECT_TRUE(vus.count(c)) << Champ(c).parent << " " << Champ(c).nom;
        }
    }
}
