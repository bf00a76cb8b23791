// Import of a championship of another season file into an open season: every
// reference of the result names something of the season, and the season saves
// and reloads identical.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "files/ChargeurSaison.h"
#include "files/ImportChampionnat.h"
#include "model/Championnat.h"
#include "platform/rtl/Streams.h"
#include "tests/support/SaisonStatBuilder.h"

namespace {

struct Dossier
{
    std::filesystem::path chemin;
    Dossier()
    {
        std::string modele = (std::filesystem::temp_directory_path() / "bzimportXXXXXX").string();
        chemin = mkdtemp(modele.data());
    }
    ~Dossier() { std::filesystem::remove_all(chemin); }
    std::string operator/(const std::string& nom) const { return (chemin / nom).string(); }
};

std::string Document(TSaison& s)
{
    TMemoryStream m;
    TChargeurXmp::EcritDocument(s, m);
    std::string doc(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
    // Without the time of writing.
    const size_t p = doc.find("<LastModif>", doc.find("<Championnats>"));
    if (p != std::string::npos)
        doc.erase(p, doc.find("\r\n", p) + 2 - p);
    return doc;
}

TStade* Stade(TSaison& s, const std::string& nom)
{
    return s.Stades().AjouteStade(std::make_unique<TStade>(nom, 1000, "Ville"), true);
}

// A football season: teams "Club 0-i", players, a referee, a stadium, a
// previous club, a club record with a coach; one match per matchday.
struct Cible
{
    TSaisonStatEssai b{0, 2, 1};
    Cible()
    {
        TDonneesChampionnat& c = b.Champ();
        b.saison->AjouteClubPrec("Ancien club", -1);
        TJoueur* j = b.Joueur("Martin", "Leo", b.Equipe(0));
        b.Joueur("Petit", "Noe", b.Equipe(1));
        TPersonnelStat* r = b.Arbitre("Rameau", "Ali");
        TStade* s = Stade(*b.saison, "Stade A");
        TInfoComp* m = c.CreeMatch(1, b.Equipe(0), b.Equipe(1), 1, 0);
        m->SetArbitre(r->Numero);
        m->SetStade(s->Code);
        b.Evenement(1, 2, j, b.Equipe(0), 10);
        auto e = std::make_unique<TEntraineur>(-1, 50, "Jo", "Coach");
        auto* coach = static_cast<TEntraineur*>(b.saison->Entraineurs().AjoutePersonnel(std::move(e)));
        TRensClub* rc = b.saison->RensClubs().NouveauRensClub(b.Equipe(0));
        rc->AjouteStade(s);
        rc->AjouteEntraineur(coach);
    }
};

// The season of the file: four teams (two named as the target's), a duplicate
// referee and a duplicate stadium, two previous clubs, a club record with two
// coaches.
std::unique_ptr<TSaison> Source()
{
    TSaisonStatEssai b(0, 4, 2);
    TDonneesChampionnat& c = b.Champ();
    TSaison& s = *b.saison;
    s.AjouteClubPrec("Vieux club", -1);
    const int32_t dernierClub = s.AjouteClubPrec("Dernier club", -1);
    TJoueur* a = b.Joueur("Amiel", "Paul", b.Equipe(0));
    a->ClubPrec = static_cast<uint16_t>(dernierClub);
    a->CodePays = s.Pays().AjoutePays("Norvege");
    TJoueur* z = b.Joueur("Zola", "Gian", b.Equipe(2));
    TJoueur* y = b.Joueur("Yvon", "Remi", b.Equipe(3));
    TPersonnelStat* dup = b.Arbitre("Rameau", "Ali");
    TPersonnelStat* autre = b.Arbitre("Sud", "Paul");
    TStade* sa = Stade(s, "Stade A");
    TStade* sb = Stade(s, "Stade B");
    for (int n = 1; n <= 2; ++n) {
        TInfoComp* m = c.CreeMatch(n, b.Equipe(0), b.Equipe(n), 2, 1);
        m->SetArbitre(n == 1 ? dup->Numero : autre->Numero);
        m->SetStade(n == 1 ? sa->Code : sb->Code);
        m->SetJoueurTitulaire(b.Equipe(0), 1, a->Numero);
        m->SetCompositionSaisie(b.Equipe(0));
        c.CreeMatch(n, b.Equipe(3), b.Equipe(n == 1 ? 2 : 1), 0, 0);
    }
    b.Evenement(1, 2, a, b.Equipe(0), 10);
    b.Evenement(1, 2, z, b.Equipe(2), 20);
    b.Evenement(2, 3, y, b.Equipe(3), 30);
    TRensClub* rc = s.RensClubs().NouveauRensClub(b.Equipe(0));
    rc->AjouteStade(sa);
    for (const char* nom : {"Premier", "Second"}) {
        auto e = std::make_unique<TEntraineur>(-1, 50, "X", nom);
        rc->AjouteEntraineur(static_cast<TEntraineur*>(s.Entraineurs().AjoutePersonnel(std::move(e))));
    }
    return std::move(b.saison);
}

// Walks every reference of the season: each must name something it holds.
void VerifieReferences(TSaison& s)
{
    std::set<int32_t> joueurs;
    for (int i = 0; i < s.Joueurs().NbJoueur(); ++i) {
        const TJoueur* j = s.Joueurs().Joueur(i);
        EXPECT_TRUE(joueurs.insert(j->Numero).second) << "player number " << j->Numero << " twice";
        if (j->ClubActuel != TJoueur::Aucun) {
            EXPECT_FALSE(s.NomEquipe(j->ClubActuel).empty()) << j->Nom;
        }
        if (j->ClubPrec != TJoueur::Aucun && j->ClubPrec != 0) {
            EXPECT_FALSE(s.NomClubPrec(j->ClubPrec).empty()) << j->Nom;
        }
        if (j->CodePays != TListePays::Aucun) {
            EXPECT_FALSE(s.Pays().NomPays(j->CodePays).empty()) << j->Nom;
        }
    }
    auto joueur = [&](int32_t id) { return id == 0 || joueurs.count(id) == 1; };
    for (int i = 0; i < s.RensClubs().NbRensClub(); ++i) {
        const TRensClub* r = s.RensClubs().RensClub(i);
        EXPECT_FALSE(s.NomEquipe(r->Equipe).empty());
        for (const TStade* st : r->Stades())
            EXPECT_EQ(s.Stades().ChercheStade(st->Code), st);
        for (const TEntraineur* e : r->Entraineurs())
            EXPECT_EQ(s.Entraineurs().ChercheNumero(e->Numero), e);
    }
    std::set<int32_t> entraineurs;
    for (int i = 0; i < s.Entraineurs().NbPersonnel(); ++i)
        EXPECT_TRUE(entraineurs.insert(s.Entraineurs().Personnel(i)->Numero).second);
    for (TDonneesChampionnat* c : s.Arbre().ListeChampionnats()) {
        for (int i = 0; i < c->NbEquipe(); ++i)
            EXPECT_FALSE(s.NomEquipe(c->IdEquipe(i)).empty());
        for (int n = 1; n <= c->NbJour(); ++n) {
            const TInfoCompJour* j = c->Journee(n);
            for (int i = 0; j && i < j->NbMatchs(); ++i) {
                const TInfoComp& m = *j->Match(i);
                for (int cote = 0; cote < 2; ++cote) {
                    const int e = m.IdEquipe(cote);
                    ASSERT_GE(c->IndexEquipe(e), 0) << "match team " << e;
                    for (int k = 1; k <= m.NbTitulaire(); ++k)
                        EXPECT_TRUE(joueur(m.JoueurTitulaire(e, k)));
                }
                if (m.Arbitre() > 0) {
                    EXPECT_NE(s.Arbitres().ChercheNumero(m.Arbitre()), nullptr) << "referee " << m.Arbitre();
                }
                if (m.Stade() > 0) {
                    EXPECT_NE(s.Stades().ChercheStade(m.Stade()), nullptr) << "stadium " << m.Stade();
                }
            }
            for (TListeDonnees* l : c->ListesDonnees(n))
                for (int i = 0; l && i < l->Nombre(); ++i) {
                    EXPECT_TRUE(joueur(l->Donnee(i)->IdJoueur())) << l->Donnee(i)->IdJoueur();
                    EXPECT_GE(c->IndexEquipe(l->Donnee(i)->IdEquipe()), 0);
                }
        }
    }
}

} // namespace

TEST(ImportChampionnat, FromASeasonFileEveryReferenceValidAndSavedIdentical)
{
    Dossier d;
    const std::string fichier = d / "predefini.xmd";
    auto source = Source();
    ASSERT_TRUE(TChargeurXmp(fichier, "Dll\\").Sauve(*source, {}));

    Cible cible;
    TSaison& s = *cible.b.saison;
    int32_t decalage = 0;
    std::string nom;
    auto c = TImportChampionnat::ImporteChampionnat(fichier, s, 0, nom, decalage, "Dll\\");
    ASSERT_TRUE(c);
    TDonneesChampionnat* importe = s.AjouteChampionnat(std::move(c), true);
    EXPECT_EQ(decalage, 2 + 3);   // past the target's 2 players, then the file's 3

    // Teams of the same name are shared, the others added.
    EXPECT_EQ(importe->IdEquipe(0), cible.b.Equipe(0));
    EXPECT_EQ(importe->IdEquipe(1), cible.b.Equipe(1));
    EXPECT_EQ(s.NbEquipe(), 4);
    // The duplicate referee is merged and the match keeps it; the other is new.
    EXPECT_EQ(s.Arbitres().NbPersonnel(), 2);
    const TPersonnel* rameau = s.Arbitres().ChercheNom("Rameau", "Ali");
    ASSERT_NE(rameau, nullptr);
    EXPECT_EQ(importe->Match(1, 1)->Arbitre(), rameau->Numero);
    // The duplicate stadium likewise, for the match and the club record.
    EXPECT_EQ(s.Stades().NbStade(), 2);
    const TStade* stadeA = s.Stades().ChercheStadeNom("Stade A", "Ville");
    EXPECT_EQ(importe->Match(1, 1)->Stade(), stadeA->Code);
    EXPECT_EQ(s.Stades().ChercheStade(importe->Match(2, 1)->Stade())->NomStade, "Stade B");
    // The player whose previous club has the highest id keeps it.
    const TJoueur* amiel = s.Joueurs().ChercheJoueurNom("Amiel", "Paul");
    ASSERT_NE(amiel, nullptr);
    EXPECT_EQ(s.NomClubPrec(amiel->ClubPrec), "Dernier club");
    EXPECT_EQ(s.Pays().NomPays(amiel->CodePays), "Norvege");
    EXPECT_EQ(importe->Match(1, 1)->JoueurTitulaire(importe->IdEquipe(0), 1), amiel->Numero);
    // The coaches of the file get numbers of their own.
    EXPECT_EQ(s.Entraineurs().NbPersonnel(), 3);
    VerifieReferences(s);

    // Saved and loaded again: the same document.
    const std::string fichierCible = d / "saison.xmc";
    ASSERT_TRUE(TChargeurXmp(fichierCible, "Dll\\").Sauve(s, {}));
    std::unique_ptr<TSaison> relue;
    ASSERT_EQ(TChargeurXmp(fichierCible, "Dll\\").Charge(relue, EnsembleSport(0), {}, true, nullptr), etatCharge);
    relue->SetChampionnatCourant(s.ChampionnatCourant() ? relue->Arbre().ChampionnatParCode(s.ChampionnatCourant()->CodeChamp) : nullptr);
    EXPECT_EQ(Document(*relue), Document(s));
    VerifieReferences(*relue);
}

TEST(ImportChampionnat, TwiceIntoOneSeasonDistinctPlayers)
{
    Cible cible;
    TSaison& s = *cible.b.saison;
    int32_t decalage = 0;
    auto c1 = TImportChampionnat::ImporteSaison(Source(), s, decalage);
    auto c2 = TImportChampionnat::ImporteSaison(Source(), s, decalage);
    ASSERT_TRUE(c1 && c2);
    s.AjouteChampionnat(std::move(c1), true);
    s.AjouteChampionnat(std::move(c2), true);
    EXPECT_EQ(s.NbEquipe(), 4);
    // Players of the same names and clubs are merged: the second import's
    // records name the players kept.
    EXPECT_EQ(s.Joueurs().NbJoueur(), 2 + 3);
    EXPECT_EQ(s.Arbitres().NbPersonnel(), 2);
    EXPECT_EQ(s.Stades().NbStade(), 2);
    VerifieReferences(s);
}

TEST(ImportChampionnat, FilesThatDoNotLoadLeaveTheSeasonUnchanged)
{
    Dossier d;
    Cible cible;
    TSaison& s = *cible.b.saison;
    const std::string avant = Document(s);
    int32_t decalage = 0;
    EXPECT_FALSE(TImportChampionnat::ImporteFichier(d / "absent.xmd", s, 0, decalage, "Dll\\"));
    std::ofstream(d / "texte.txt") << "pas une saison";
    EXPECT_FALSE(TImportChampionnat::ImporteFichier(d / "texte.txt", s, 0, decalage, "Dll\\"));
    auto source = Source();
    ASSERT_TRUE(TChargeurXmp(d / "rugby.xmd", "Dll\\").Sauve(*source, {}));
    EXPECT_FALSE(TImportChampionnat::ImporteFichier(d / "rugby.xmd", s, 1, decalage, "Dll\\"));
    EXPECT_EQ(decalage, 0);
    EXPECT_EQ(Document(s), avant);
}
