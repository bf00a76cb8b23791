// The season document element by element: documents written by hand in the
// layout the program writes (one tag per line, CR LF), for each sport, are read
// into the model, every value is checked where it lands, and writing the season
// again gives the same lines back. Older forms and the names form are read too.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/Personnels.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/Utilities.h"
#include "platform/rtl/DateTime.h"
#include "tests/support/SaisonBuilder.h"

using essai::Document;
using essai::Lit;
using essai::SansDate;

namespace {

// Lines joined the way the writer ends them.
std::string L(std::initializer_list<std::string> lignes)
{
    std::string s;
    for (const std::string& l : lignes) {
        s += l;
        s += "\r\n";
    }
    return s;
}

// n leaves <Option>v</Option>.
std::string Options(std::initializer_list<int> valeurs)
{
    std::string s;
    for (int v : valeurs)
        s += "<Option>" + std::to_string(v) + "</Option>\r\n";
    return s;
}

// The document as the program frames it.
std::string Cadre(const std::string& format, const std::string& saisonData, const std::string& championnats)
{
    return L({"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<!DOCTYPE Gormelide>",
              "<Gormelide Type=\"Saison\" Version=\"2\" format=\"" + format + "\">"}) +
           saisonData + championnats + L({"</Gormelide>"});
}

// SaisonData and Championnats of a document, without the LastModif line.
std::string Contenu(const std::string& doc)
{
    const size_t debut = doc.find("<SaisonData>");
    const std::string fin = "</Championnats>\r\n";
    const size_t f = doc.find(fin);
    if (debut == std::string::npos || f == std::string::npos)
        return doc;
    return SansDate(doc.substr(debut, f + fin.size() - debut));
}

// Compares line by line so that a difference names its line.
void MemesLignes(const std::string& attendu, const std::string& obtenu)
{
    auto lignes = [](const std::string& s) {
        std::vector<std::string> v;
        size_t p = 0;
        while (p < s.size()) {
            size_t f = s.find("\r\n", p);
            if (f == std::string::npos)
                f = s.size();
            v.push_back(s.substr(p, f - p));
            p = f + 2;
        }
        return v;
    };
    const auto a = lignes(attendu), b = lignes(obtenu);
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string la = i < a.size() ? a[i] : "(none)", lb = i < b.size() ? b[i] : "(none)";
        if (la != lb) {
            ADD_FAILURE() << "line " << i + 1 << ": expected " << la << ", written " << lb;
            return;
        }
    }
    EXPECT_EQ(attendu, obtenu);
}

uint32_t Date(int j, int m, int a)
{
    return TGestionDate::EncodeDate(j, m, a);
}

// ---------------------------------------------------------------------------
// Football: every element of SaisonData, a league, a cup and a play-off.

const std::string SaisonFootball = L({
    "<SaisonData>",
    "<ListePays>", "<Nom>France</Nom>", "<Nom />", "<Nom>Italie</Nom>", "</ListePays>",
    "<Equipes>",
    "<Equipe>", "<ID>0</ID>", "<Nom>Lens</Nom>", "<Logo>12</Logo>", "</Equipe>",
    "<Equipe>", "<ID>1</ID>", "<Nom>Lille</Nom>", "</Equipe>",
    "<Equipe>", "<ID>2</ID>", "<Nom>Metz</Nom>", "</Equipe>",
    "<Equipe>", "<ID>3</ID>", "<Nom>Nancy</Nom>", "</Equipe>",
    "<Equipe>", "<ID>4</ID>", "<Nom>France</Nom>", "</Equipe>",
    "</Equipes>",
    "<ClubPrec>", "<Equipe>", "<ID>1</ID>", "<Nom>Reims</Nom>", "</Equipe>", "</ClubPrec>",
    "<Entraineurs>",
    "<Entraineur>", "<Nom>Roux</Nom>", "<Prenom>Guy</Prenom>", "<Age>60</Age>", "<CodePays>0</CodePays>",
    "<Image>5</Image>", "<Numero>4</Numero>", "<Adresse>1 rue Haute</Adresse>", "<Cp>89000</Cp>",
    "<Ville>Auxerre</Ville>", "<Tel>0386</Tel>", "<Portable>0607</Portable>", "<Fax>0387</Fax>",
    "<EMail>guy@roux.fr</EMail>", "<ClubActuel>1</ClubActuel>", "<ClubPrec>1</ClubPrec>",
    "<categorie>Pro</categorie>", "</Entraineur>",
    "</Entraineurs>",
    "<Stades>",
    "<Stade>", "<NomStade>Bollaert</NomStade>", "<Ville>Lens</Ville>", "<Capacite>41000</Capacite>",
    "<DateConstruction>1933</DateConstruction>", "<Remarque>Mythique</Remarque>",
    "<RecordAffluence>57 000</RecordAffluence>", "<Code>1</Code>", "<CodePays>0</CodePays>", "<Image>3</Image>",
    "<LongueurTerrain>105</LongueurTerrain>", "<LargeurTerrain>68</LargeurTerrain>", "<NatureSol>Herbe</NatureSol>",
    "<Adresse>Rue Lamendin</Adresse>", "<Cp>62300</Cp>", "<Tel>0321</Tel>", "<Fax>0322</Fax>", "</Stade>",
    "</Stades>",
    "<RensClubs>",
    "<RensClub>", "<Club>0</Club>", "<Creation>1906</Creation>",
    "<ListeMaillots>", "<CouleurMaillot>#FF0000</CouleurMaillot>", "<CouleurRechange>#FFFF00</CouleurRechange>",
    "<Nom>Domicile</Nom>", "</ListeMaillots>",
    "<ListeMaillots>", "<CouleurRechange>#000000</CouleurRechange>", "<Nom>Sans maillot</Nom>", "</ListeMaillots>",
    "<Palmares>Champion 1998</Palmares>", "<Matricule>M1</Matricule>", "<SiteInternet>www.rclens.fr</SiteInternet>",
    "<Budget>1000</Budget>", "<Remarque>Sang et or</Remarque>",
    "<President>", "<Nom>Martel</Nom>", "<Prenom>Gervais</Prenom>", "<CodePays>65535</CodePays>",
    "<Numero>-1</Numero>", "<Tel>0300</Tel>", "</President>",
    "<Tresorier>", "<Nom>Leroy</Nom>", "<CodePays>65535</CodePays>", "<Numero>-1</Numero>", "</Tresorier>",
    "<Secretaire>", "<Nom>Petit</Nom>", "<CodePays>65535</CodePays>", "<Numero>-1</Numero>", "</Secretaire>",
    "<Statut>SASP</Statut>", "<StadeCode>1</StadeCode>", "<EntraineurNumero>4</EntraineurNumero>",
    "<Adresse>Avenue</Adresse>", "<Cp>62301</Cp>", "<Tel>03</Tel>", "<Fax>04</Fax>", "<Ville>Lens</Ville>",
    "<Nom>RC Lens</Nom>", "<EMail>rc@lens.fr</EMail>", "<Code>0</Code>", "</RensClub>",
    "</RensClubs>",
    "<Joueurs>",
    "<Joueur>", "<Nom>Dupont</Nom>", "<Prenom>Jean</Prenom>", "<Age>25</Age>", "<CodePays>0</CodePays>",
    "<Numero>7</Numero>", "<Poste>Attaquant</Poste>", "<Duree>2</Duree>", "<Contrat>3</Contrat>",
    "<Maillot>9</Maillot>", "<ClubPrec>1</ClubPrec>", "<ClubActuel>0</ClubActuel>",
    "<EquipeNational>4</EquipeNational>", "<Image>8</Image>", "<MaillotNational>10</MaillotNational>",
    "<Taille>180</Taille>", "<Poids>75</Poids>", "<SelectionNationale>A</SelectionNationale>",
    "<nSelectionNationale>5</nSelectionNationale>", "<DateNaissance>07/03/1980</DateNaissance>",
    "<StatCarriere>", "<StatChamp>1</StatChamp>", "<StatMatch>10</StatMatch>", "<StatBut>4</StatBut>",
    "</StatCarriere>",
    "<StatHistoriques>", "<StatHistorique>", "<StatAnnee>2003</StatAnnee>", "<Division>1</Division>",
    "<Equipe>0</Equipe>", "<StatMatch>30</StatMatch>", "<StatBut>12</StatBut>",
    "<StatMatchInter>2</StatMatchInter>", "<StatButInter>1</StatButInter>", "</StatHistorique>",
    "</StatHistoriques>",
    "<categorie>2</categorie>", "</Joueur>",
    "<Joueur>", "<Nom>Martin</Nom>", "<Prenom>Paul</Prenom>", "<CodePays>65535</CodePays>", "<Numero>8</Numero>",
    "<Poste>Defenseur</Poste>", "<ClubPrec>65535</ClubPrec>", "<ClubActuel>1</ClubActuel>",
    "<EquipeNational>65535</EquipeNational>", "</Joueur>",
    "<Joueur>", "<Nom>Petit</Nom>", "<Prenom>Luc</Prenom>", "<CodePays>65535</CodePays>", "<Numero>9</Numero>",
    "<Poste>Gardien</Poste>", "<Maillot>1</Maillot>", "<ClubPrec>65535</ClubPrec>", "<ClubActuel>0</ClubActuel>",
    "<EquipeNational>65535</EquipeNational>", "</Joueur>",
    "<Joueur>", "<Nom>Robert</Nom>", "<Prenom>Marc</Prenom>", "<CodePays>65535</CodePays>", "<Numero>12</Numero>",
    "<Poste>Remplacant</Poste>", "<ClubPrec>65535</ClubPrec>", "<ClubActuel>0</ClubActuel>",
    "<EquipeNational>65535</EquipeNational>", "</Joueur>",
    "</Joueurs>",
    "<Arbitres>",
    "<Personnel>", "<Nom>Collina</Nom>", "<Prenom>Pierluigi</Prenom>", "<Age>40</Age>", "<CodePays>2</CodePays>",
    "<Numero>3</Numero>", "</Personnel>",
    "<Personnel>", "<Nom>Veissiere</Nom>", "<Prenom>Gilles</Prenom>", "<CodePays>65535</CodePays>",
    "<Numero>5</Numero>", "</Personnel>",
    "</Arbitres>",
    "<StatChamps>", "<StatChampNom Id=\"65537\">Ligue 1", "</StatChampNom>", "</StatChamps>",
    "<OptionsSauvegarde>", "<Option>1</Option>", "<Option>0</Option>", "</OptionsSauvegarde>",
    "<categories>", "<categorie ID=\"2\">", "<nom>Espoirs</nom>", "<nomcourt>Esp</nomcourt>", "</categorie>",
    "</categories>",
    "</SaisonData>",
});

const std::string Ligue = L({
    "<Championnat>", "<CodeChamp>1</CodeChamp>", "<Type TypeChamp=\"1\" TypeNational=\"1\">", "</Type>",
    "<NbTitulaire>11</NbTitulaire>", "<NbRemp>3</NbRemp>", "<TempsPeriode>45</TempsPeriode>",
    "<TempsPeriodeProlongation>15</TempsPeriodeProlongation>", "<NbEquipe>4</NbEquipe>", "<NbJour>2</NbJour>",
    "<NbMatch>2</NbMatch>", "<Conversion>0-1-2-3</Conversion>", "<categorie>0-2-0-0</categorie>",
    "<Tranches>", "<Tranche>", "<Debut>1</Debut>", "<Fin>1</Fin>", "</Tranche>", "<Tranche>", "<Debut>3</Debut>",
    "<Fin>4</Fin>", "</Tranche>", "</Tranches>",
    "<Options>"}) +
    Options({1, 0, 0, 0, 3, 1, 0, 0, 0, 0, 2, 20, 0, 0, 0, 0, 4, 2, 2, 3, 0, 0, -2, -3, 3, 1, 0}) +
    L({"<BonusBut>3</BonusBut>", "<PointBonusBut>1</PointBonusBut>", "<BonusEcart>7</BonusEcart>",
       "<PetiteFinale>0</PetiteFinale>", "<CategorieDef>2</CategorieDef>", "</Options>",
       "<GroupeEquipe NomGroupe=\"Groupe A\">", "<Equipe>0</Equipe>", "<Equipe>1</Equipe>", "</GroupeEquipe>",
       "<GroupeEquipe>", "<Equipe>2</Equipe>", "<Equipe>3</Equipe>", "</GroupeEquipe>",
       "<OptionsArbitre>"}) +
    Options({1, 0, 2, 0, 5}) +
    L({"</OptionsArbitre>", "<NbJournee>2</NbJournee>", "<Division>101</Division>", "<CodePerso>0</CodePerso>",
       "<OrdreClassement>abc</OrdreClassement>",
       "<Journee Numero=\"1\" Date=\"7/3/2004\">",
       "<Match>", "<e1>0</e1>", "<e2>1</e2>", "<s1>2</s1>", "<s2>1</s2>", "<Affluence>30000</Affluence>",
       "<Comment>Beau match</Comment>", "<NoteMatch>8</NoteMatch>", "<TempsAdd1>2</TempsAdd1>",
       "<TempsAdd2>4</TempsAdd2>", "<Arbitre>3</Arbitre>", "<NoteArbitre>7</NoteArbitre>", "<Arbitre>5</Arbitre>",
       "<Stade>1</Stade>", "<DateMatch>6/3/2004</DateMatch>",
       "<Buteur Equipe=\"1\">", "<Joueur>7</Joueur>", "<Minute>12</Minute>", "</Buteur>",
       "<Buteur Equipe=\"1\">", "<Joueur>9</Joueur>", "<Minute>50</Minute>", "</Buteur>",
       "<Buteur Equipe=\"2\">", "<Joueur>8</Joueur>", "<Minute>70</Minute>", "</Buteur>",
       "<Averti Equipe=\"2\">", "<Joueur>8</Joueur>", "<Minute>30</Minute>", "</Averti>",
       "<Exclus Equipe=\"1\">", "<Joueur>9</Joueur>", "<Minute>208</Minute>", "</Exclus>",
       "<Passeur Equipe=\"1\">", "<Joueur>12</Joueur>", "<Minute>12</Minute>", "</Passeur>",
       "<NbTitulaire>11</NbTitulaire>", "<NbRemp>3</NbRemp>", "<Compo Equipe=\"1\">",
       "<Tit ID=\"9\" Maillot=\"1\" Note=\"6\">", "</Tit>", "<Tit ID=\"7\" Maillot=\"9\">", "</Tit>",
       "<Rempl ID=\"12\" IdRemp=\"7\" Maillot=\"14\">", "<Note>5</Note>", "<Minute>60</Minute>", "</Rempl>",
       "<Capitaine>7</Capitaine>", "</Compo>",
       "<NbTitulaire>11</NbTitulaire>", "<NbRemp>3</NbRemp>", "<Compo Equipe=\"2\">", "<Tit ID=\"8\">", "</Tit>",
       "</Compo>",
       "</Match>",
       "<Match>", "<e1>2</e1>", "<e2>3</e2>", "</Match>",
       "</Journee>",
       "<Journee Numero=\"2\" Date=\"14/3/2004\">",
       "<Match>", "<e1>1</e1>", "<e2>0</e2>", "<s1>3</s1>", "<s2>0</s2>", "<Arbitre>5</Arbitre>",
       "<NoteArbitre>6</NoteArbitre>", "</Match>",
       "</Journee>",
       "<Penalite>", "<e1>1</e1>", "<e2>0</e2>", "<s1>3</s1>", "<s2>0</s2>", "<Journee>2</Journee>",
       "<Type>1</Type>", "</Penalite>",
       "</Championnat>"});

std::string Coupe(bool avecQualifie)
{
    return L({"<Championnat>", "<CodeChamp>2</CodeChamp>", "<Type TypeCoupe=\"1\" TypeNational=\"1\">", "</Type>",
              "<ToursCoupe>", "<TourCoupe>", "<nTour>1</nTour>", "<TypeMatch>1</TypeMatch>", "<NbMatch>1</NbMatch>",
              "</TourCoupe>", "</ToursCoupe>", "<MatchsSuiv>", "<Match>256</Match>", "</MatchsSuiv>",
              "<NbTitulaire>11</NbTitulaire>", "<NbRemp>3</NbRemp>", "<TempsPeriode>45</TempsPeriode>",
              "<TempsPeriodeProlongation>15</TempsPeriodeProlongation>", "<NbEquipe>2</NbEquipe>",
              "<NbJour>1</NbJour>", "<NbMatch>0</NbMatch>", "<Conversion>0-1</Conversion>",
              "<categorie>0-0</categorie>", "<Tranches>", "</Tranches>", "<Options>"}) +
           Options({0, 0, 0, 0, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 2, 2, 3, 0, 0, -2, -3, 3, 1, 0}) +
           L({"<BonusBut>0</BonusBut>", "<PointBonusBut>0</PointBonusBut>", "<BonusEcart>0</BonusEcart>",
              "<PetiteFinale>1</PetiteFinale>", "<CategorieDef>0</CategorieDef>", "</Options>", "<OptionsArbitre>"}) +
           Options({0, 0, 0, 0, 0}) +
           L({"</OptionsArbitre>", "<NbJournee>1</NbJournee>", "<Division>201</Division>", "<CodePerso>0</CodePerso>",
              "<OrdreClassement>ac</OrdreClassement>", "<Journee Numero=\"1\" Date=\"21/3/2004\">", "<Match>",
              "<e1>0</e1>", "<e2>1</e2>", "<s1>1</s1>", "<s2>1</s2>", "<Penalty>", "<s1>4</s1>", "<s2>3</s2>",
              "</Penalty>"}) +
           (avecQualifie ? L({"<Qualifie>1</Qualifie>"}) : std::string()) +
           L({"</Match>", "</Journee>", "</Championnat>"});
}

std::string Barrage(bool octet27)
{
    return L({"<Barrage>", "<Code>32771</Code>", "<CodePerso>0</CodePerso>", "<TypeGroupe>1</TypeGroupe>",
              "<TypeEquipe>2</TypeEquipe>", "<MoitiePoint>1</MoitiePoint>", "<ListDiv>", "<Division>101</Division>",
              "<ListPlace>", "<Min>2</Min>", "<Max>4</Max>", "</ListPlace>", "</ListDiv>", "<TourCoupe>",
              "<nMatch>1</nMatch>", "<nMatchTotal>2</nMatchTotal>", "<nTypeTour>1</nTypeTour>",
              "<RencontreCoupe>3-7-0-1</RencontreCoupe>", "</TourCoupe>", "<Options>"}) +
           Options({1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9}) +
           (octet27 ? Options({0}) : std::string()) + L({"</Options>", "</Barrage>"});
}

std::string ChampionnatsFootball(bool ecrit)
{
    return L({"<Championnats>", "<Code>1</Code>", "<LastModif>01/02/2004 10:11:12</LastModif>", "<DescSaison>",
              "<Desc>", "<Level>1</Level>", "<Valeur>France</Valeur>", "<ID>1</ID>", "</Desc>",
              "<Desc>", "<Level>2</Level>", "<Valeur>Ligue 1</Valeur>", "<ID>2</ID>", "</Desc>",
              "<Desc>", "<Level>19</Level>", "<Valeur>Saison</Valeur>", "<ID>3</ID>", "</Desc>",
              "<Desc>", "<Level>2</Level>", "<Valeur>Coupe</Valeur>", "<ID>4</ID>", "</Desc>",
              "<Desc>", "<Level>35</Level>", "<Valeur>Coupe de France</Valeur>", "<ID>5</ID>", "</Desc>",
              "<Desc>", "<Level>2</Level>", "<Valeur>#3#Barrages</Valeur>", "<ID>6</ID>", "</Desc>",
              "</DescSaison>",
              "<DescCompetition>", "<Code>1</Code>", "<Arbitres>", "<ID>3</ID>", "<ID>5</ID>", "</Arbitres>",
              "<Stades>", "<ID>1</ID>", "</Stades>", "</DescCompetition>"}) +
           Ligue + Coupe(ecrit) + Barrage(ecrit) + L({"</Championnats>"});
}

}   // namespace

TEST(RevueFormat, FootballDocumentLandsInTheModelAndIsWrittenBack)
{
    auto s = Lit(0, Cadre("gormelide", SaisonFootball, ChampionnatsFootball(false)));
    TSaison& a = *s;

    // Countries, teams, previous clubs.
    ASSERT_EQ(a.Pays().NbPays(), 3);
    EXPECT_EQ(a.Pays().NomPays(1), "");
    EXPECT_EQ(a.Pays().NomPays(2), "Italie");
    ASSERT_EQ(a.NbEquipe(), 5);
    EXPECT_EQ(a.NomEquipe(0), "Lens");
    EXPECT_EQ(a.LogoEquipe(0), 12);
    EXPECT_EQ(a.NomEquipe(4), "France");
    EXPECT_EQ(a.ProchainIdEquipe(), 5);
    EXPECT_EQ(a.NomClubPrec(1), "Reims");

    // The coach with every field.
    ASSERT_EQ(a.Entraineurs().NbPersonnel(), 1);
    auto* coach = dynamic_cast<TEntraineur*>(a.Entraineurs().Personnel(0));
    ASSERT_NE(coach, nullptr);
    EXPECT_EQ(coach->Nom, "Roux");
    EXPECT_EQ(coach->Prenom, "Guy");
    EXPECT_EQ(coach->Age, 60);
    EXPECT_EQ(coach->CodePays, 0);
    EXPECT_EQ(coach->Image, 5);
    EXPECT_EQ(coach->Numero, 4);
    EXPECT_EQ(coach->Adresse, "1 rue Haute");
    EXPECT_EQ(coach->Cp, "89000");
    EXPECT_EQ(coach->Ville, "Auxerre");
    EXPECT_EQ(coach->Tel, "0386");
    EXPECT_EQ(coach->Portable, "0607");
    EXPECT_EQ(coach->Fax, "0387");
    EXPECT_EQ(coach->EMail, "guy@roux.fr");
    EXPECT_EQ(coach->ClubActuel, 1);
    EXPECT_EQ(coach->ClubPrec, 1);
    EXPECT_EQ(coach->categorie, "Pro");

    // The stadium.
    ASSERT_EQ(a.Stades().NbStade(), 1);
    const TStade& st = *a.Stades().Stade(0);
    EXPECT_EQ(st.NomStade, "Bollaert");
    EXPECT_EQ(st.Ville, "Lens");
    EXPECT_EQ(st.Capacite, 41000);
    EXPECT_EQ(st.DateConstruction, 1933);
    EXPECT_EQ(st.Remarque, "Mythique");
    EXPECT_EQ(st.RecordAffluence, "57 000");
    EXPECT_EQ(st.Code, 1);
    EXPECT_EQ(st.CodePays, 0);
    EXPECT_EQ(st.Image, 3);
    EXPECT_EQ(st.LongueurTerrain, 105);
    EXPECT_EQ(st.LargeurTerrain, 68);
    EXPECT_EQ(st.NatureSol, "Herbe");
    EXPECT_EQ(st.Adresse, "Rue Lamendin");
    EXPECT_EQ(st.Cp, "62300");
    EXPECT_EQ(st.Tel, "0321");
    EXPECT_EQ(st.Fax, "0322");

    // The club record, its kits (one without a shirt colour), officials and
    // references.
    ASSERT_EQ(a.RensClubs().NbRensClub(), 1);
    const TRensClub& r = *a.RensClubs().RensClub(0);
    EXPECT_EQ(r.Equipe, 0);
    EXPECT_EQ(r.Creation, "1906");
    ASSERT_EQ(r.NbMaillot(), 2);
    EXPECT_EQ(r.Maillot(0)->CouleurMaillot, "#FF0000");
    EXPECT_EQ(r.Maillot(0)->CouleurRechange, "#FFFF00");
    EXPECT_EQ(r.Maillot(0)->Nom, "Domicile");
    EXPECT_EQ(r.Maillot(1)->CouleurMaillot, "");
    EXPECT_EQ(r.Maillot(1)->Nom, "Sans maillot");
    EXPECT_EQ(r.Palmares, "Champion 1998");
    EXPECT_EQ(r.Matricule, "M1");
    EXPECT_EQ(r.SiteInternet, "www.rclens.fr");
    EXPECT_EQ(r.Budget, 1000);
    EXPECT_EQ(r.Remarque, "Sang et or");
    ASSERT_TRUE(r.President && r.Tresorier && r.Secretaire);
    EXPECT_EQ(r.President->Nom, "Martel");
    EXPECT_EQ(r.President->Prenom, "Gervais");
    EXPECT_EQ(r.President->Tel, "0300");
    EXPECT_EQ(r.Tresorier->Nom, "Leroy");
    EXPECT_EQ(r.Secretaire->Nom, "Petit");
    EXPECT_EQ(r.Statut, "SASP");
    ASSERT_EQ(r.Stades().size(), 1u);
    EXPECT_EQ(r.Stades()[0], a.Stades().Stade(0));
    ASSERT_EQ(r.Entraineurs().size(), 1u);
    EXPECT_EQ(r.Entraineurs()[0], coach);
    EXPECT_EQ(r.Adresse, "Avenue");
    EXPECT_EQ(r.Cp, "62301");
    EXPECT_EQ(r.Tel, "03");
    EXPECT_EQ(r.Fax, "04");
    EXPECT_EQ(r.Ville, "Lens");
    EXPECT_EQ(r.Nom, "RC Lens");
    EXPECT_EQ(r.EMail, "rc@lens.fr");
    EXPECT_EQ(r.Code, 0);

    // The player with every field.
    ASSERT_EQ(a.Joueurs().NbJoueur(), 4);
    TJoueur* p = a.Joueurs().ChercheJoueur(7, 0);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Nom, "Dupont");
    EXPECT_EQ(p->Prenom, "Jean");
    EXPECT_EQ(p->Age, 25);
    EXPECT_EQ(p->CodePays, 0);
    EXPECT_EQ(p->Poste, 3);
    EXPECT_EQ(p->Duree, 2);
    EXPECT_EQ(p->Contrat, 3);
    EXPECT_EQ(p->Maillot, 9);
    EXPECT_EQ(p->ClubPrec, 1);
    EXPECT_EQ(p->ClubActuel, 0);
    EXPECT_EQ(p->EquipeNational, 4);
    EXPECT_EQ(p->Image, 8);
    EXPECT_EQ(p->MaillotNational, 10);
    EXPECT_EQ(p->Taille, 180);
    EXPECT_EQ(p->Poids, 75);
    EXPECT_EQ(p->SelectionNationale, "A");
    EXPECT_EQ(p->nSelectionNationale, 5);
    EXPECT_EQ(p->DateNaissance, EncodeDate(1980, 3, 7));
    EXPECT_EQ(p->NbMatchCarriere(1), 10);
    EXPECT_EQ(p->StatCarriere(1, 1), 4);
    ASSERT_EQ(p->NbHistorique(), 1);
    EXPECT_EQ(*p->Historique(0), (TStatHistorique{2003, 1, 0, 30, 12, 2, 1}));
    EXPECT_EQ(p->categorie, 2);
    EXPECT_EQ(a.Joueurs().ChercheJoueur(9, 0)->Poste, 0);
    EXPECT_EQ(a.Joueurs().ChercheJoueur(12, 0)->Poste, 4);

    // Referees, statistics names, save options, categories.
    ASSERT_EQ(a.Arbitres().NbPersonnel(), 2);
    EXPECT_EQ(a.Arbitres().ChercheNumero(3)->Nom, "Collina");
    EXPECT_EQ(a.Arbitres().ChercheNumero(3)->Age, 40);
    EXPECT_EQ(a.Arbitres().ChercheNumero(3)->CodePays, 2);
    EXPECT_NE(dynamic_cast<TPersonnelStat*>(a.Arbitres().ChercheNumero(5)), nullptr);
    ASSERT_EQ(a.NbStatChamp(), 1);
    EXPECT_EQ(a.StatChamp(0)->Nom, "Ligue 1");
    EXPECT_EQ(a.StatChamp(0)->Objet, 65537u);
    EXPECT_EQ(a.OptionSauvegarde(0), 1);
    EXPECT_EQ(a.OptionSauvegarde(1), 0);
    std::string nom, court;
    ASSERT_TRUE(a.Categorie(2, nom, court));
    EXPECT_EQ(nom, "Espoirs");
    EXPECT_EQ(court, "Esp");

    // The tree, the competition data, the current championship.
    EXPECT_EQ(a.LastModif, EncodeDate(2004, 2, 1) + EncodeTime(10, 11, 12, 0));
    TDonneesChampionnat* l = a.Arbre().ChampionnatParCode(1);
    TDonneesChampionnat* c = a.Arbre().ChampionnatParCode(2);
    ASSERT_TRUE(l && c);
    EXPECT_EQ(a.ChampionnatCourant(), l);
    EXPECT_EQ(a.Arbre().NoeudChampionnat(l)->Nom(), "Saison");
    EXPECT_EQ(a.Arbre().NoeudChampionnat(l)->Parent()->Nom(), "Ligue 1");
    EXPECT_EQ(a.Arbre().NoeudChampionnat(c)->Parent()->Nom(), "Coupe");
    const auto donnees = a.Arbre().ListeDonneesCompetition(1);
    ASSERT_EQ(donnees.size(), 1u);
    EXPECT_EQ(donnees[0]->Arbitres, (std::vector<int32_t>{3, 5}));
    EXPECT_EQ(donnees[0]->Stades, (std::vector<int32_t>{1}));

    // The league: every element of the championship.
    EXPECT_EQ(l->Types(), TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
    EXPECT_EQ(l->NbTitulaire(), 11);
    EXPECT_EQ(l->NbRemp(), 3);
    EXPECT_EQ(l->TempsPeriode, 45);
    EXPECT_EQ(l->TempsPeriodeProlongation, 15);
    ASSERT_EQ(l->NbEquipe(), 4);
    EXPECT_EQ(l->NbJour(), 2);
    EXPECT_EQ(l->NbMatch(), 2);
    EXPECT_EQ(l->IdEquipe(3), 3);
    EXPECT_EQ(l->CategorieEquipe(1), 2);
    ASSERT_EQ(l->NbTranches(), 2);
    int debut = 0, fin = 0;
    l->Tranche(1, debut, fin);
    EXPECT_EQ(debut, 3);
    EXPECT_EQ(fin, 4);
    EXPECT_EQ(l->Option(10), 2);
    EXPECT_EQ(l->Option(11), 20);
    EXPECT_EQ(l->Option(22), 0xFFFE);   // "-2" is the 16-bit word
    EXPECT_EQ(l->Option(23), 0xFFFD);
    EXPECT_EQ(l->BonusBut, 3);
    EXPECT_EQ(l->PointBonusBut, 1);
    EXPECT_EQ(l->BonusEcart, 7);
    EXPECT_FALSE(l->PetiteFinale);
    EXPECT_EQ(l->CategorieDef(), 2);
    ASSERT_EQ(l->NbGroupes(), 2);
    EXPECT_EQ(l->Groupe(0)->NomGroupe, "Groupe A");
    EXPECT_EQ(l->Groupe(0)->Equipe(1), 1);
    EXPECT_EQ(l->Groupe(1)->NomGroupe, "");
    EXPECT_EQ(l->OptionArbitre(2), 2);
    EXPECT_EQ(l->OptionArbitre(4), 5);
    EXPECT_EQ(l->NbJournee, 2);
    EXPECT_EQ(l->Division, 101);
    EXPECT_EQ(l->CodePerso, 0);
    EXPECT_EQ(l->OrdreClassement, "abc");
    EXPECT_EQ(l->DateJournee(1), Date(7, 3, 2004));
    EXPECT_EQ(l->DateJournee(2), Date(14, 3, 2004));
    EXPECT_EQ(l->DerniereJournee, 2);

    // The first match and everything it carries.
    ASSERT_EQ(l->NbMatchJournee(1), 2);
    const TInfoComp* m = l->MatchEquipes(1, 0, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Score(0), 2);
    EXPECT_EQ(m->Score(1), 1);
    EXPECT_EQ(m->Affluence(), 30000);
    EXPECT_EQ(m->Commentaire(), "Beau match");
    EXPECT_EQ(m->NoteMatch(), 8);
    EXPECT_EQ(m->TempsAdd(1), 2);
    EXPECT_EQ(m->TempsAdd(2), 4);
    EXPECT_EQ(m->Officiel(1), 3);
    EXPECT_EQ(m->NoteOfficiel(1), 7);
    EXPECT_EQ(m->Officiel(2), 5);
    EXPECT_EQ(m->NoteOfficiel(2), 0);
    EXPECT_EQ(m->Officiel(3), -1);
    EXPECT_EQ(m->Stade(), 1);
    EXPECT_EQ(m->DateMatch(), Date(6, 3, 2004));
    const TInfoCompJour* j1 = l->Journee(1);
    const TListeDonnees* buts = j1->Liste(2);
    ASSERT_EQ(buts->Nombre(), 3);
    EXPECT_EQ(buts->Donnee(0)->IdJoueur(), 7);
    EXPECT_EQ(buts->Donnee(0)->IdEquipe(), 0);
    EXPECT_EQ(buts->Donnee(0)->Mot(), 12);
    EXPECT_EQ(buts->Donnee(2)->IdEquipe(), 1);
    const TListeDonnees* cartons = j1->Liste(3);
    ASSERT_EQ(cartons->Nombre(), 2);
    EXPECT_EQ(cartons->Donnee(0)->Mot(), 30);
    EXPECT_EQ(cartons->Donnee(1)->Mot(), 80 | 0x80);
    ASSERT_EQ(j1->Liste(4)->Nombre(), 1);
    EXPECT_EQ(j1->Liste(4)->Donnee(0)->IdJoueur(), 12);
    EXPECT_TRUE(m->CompositionSaisie(0));
    EXPECT_TRUE(m->CompositionSaisie(1));
    EXPECT_EQ(m->JoueurTitulaire(0, 1), 9);
    EXPECT_EQ(m->Maillot(0, 1), 1);
    EXPECT_EQ(m->Note(0, 1), 6);
    EXPECT_EQ(m->JoueurTitulaire(0, 2), 7);
    EXPECT_EQ(m->Maillot(0, 2), 9);
    EXPECT_EQ(m->ValeurRemplacement(0, 1, 3), 12);
    EXPECT_EQ(m->ValeurRemplacement(0, 1, 1), 7);
    EXPECT_EQ(m->ValeurRemplacement(0, 1, 5), 60);
    EXPECT_EQ(m->Maillot(0, 12), 14);
    EXPECT_EQ(m->Note(0, 12), 5);
    EXPECT_EQ(m->Capitaine(0), 7);
    EXPECT_EQ(m->JoueurTitulaire(1, 1), 8);
    EXPECT_EQ(l->MatchEquipes(1, 2, 3)->Score(0), TInfoComp::ScoreVide);
    ASSERT_EQ(l->Penalites().Nombre(), 1);
    const TPenalite* pen = l->Penalites().Penalite(0);
    EXPECT_EQ(pen->e1, 1);
    EXPECT_EQ(pen->e2, 0);
    EXPECT_EQ(pen->s1, 3);
    EXPECT_EQ(pen->s2, 0);
    EXPECT_EQ(pen->Journee, 2);
    EXPECT_EQ(pen->Type, 1);

    // The cup: rounds, next matches, shoot-out and the side that went through.
    EXPECT_TRUE(c->EstCoupe());
    ASSERT_EQ(c->NbToursCoupe(), 1);
    EXPECT_EQ(c->TourCoupe(0)->nTour, 1);
    EXPECT_EQ(c->TourCoupe(0)->TypeMatch, 1u);
    EXPECT_EQ(c->TourCoupe(0)->NbMatch, 1);
    ASSERT_EQ(c->NbMatchsSuiv(), 1);
    EXPECT_EQ(c->MatchSuivant(0), 256u);
    EXPECT_TRUE(c->PetiteFinale);
    ASSERT_NE(c->Penalty(1, 0, 1), nullptr);
    EXPECT_EQ(c->Penalty(1, 0, 1)->s1, 4);
    EXPECT_EQ(c->Penalty(1, 0, 1)->s2, 3);
    EXPECT_EQ(c->QualifieMatch(1, 0, 1), 0);

    // The play-off, on its node.
    const auto barrages = a.Arbre().ListeBarrages();
    ASSERT_EQ(barrages.size(), 1u);
    TDonneesBarrage& b = *barrages[0];
    EXPECT_EQ(b.Code, 32771);
    EXPECT_EQ(b.TypeGroupe, 1);
    EXPECT_EQ(b.TypeEquipe, 2);
    EXPECT_EQ(b.MoitiePoint, 1);
    ASSERT_EQ(b.NbDivision(), 1);
    EXPECT_EQ(b.Division(0)->Code, 101);
    ASSERT_EQ(b.Division(0)->Places.size(), 1u);
    EXPECT_EQ(b.Division(0)->Places[0].Max, 4);
    int32_t nb = 0, capacite = 0, type = 0;
    const TRencontreCoupe* rc = b.Tour(1, nb, capacite, type);
    ASSERT_NE(rc, nullptr);
    EXPECT_EQ(nb, 1);
    EXPECT_EQ(capacite, 2);
    EXPECT_EQ(type, 1);
    EXPECT_EQ(rc[0].Valeur[1], 7);
    EXPECT_EQ(rc[0].Valeur[3], 1);
    EXPECT_EQ(b.Option(1), 2);
    EXPECT_EQ(b.Option(26), 9);

    // Written again: the same lines, plus what the mended forms add (the side
    // that went through, the last play-off option).
    MemesLignes(Contenu(SaisonFootball + ChampionnatsFootball(true)), Contenu(Document(a)));
}

namespace {

// ---------------------------------------------------------------------------
// The other sports: a small season of two teams, one player each, one league
// of one matchday, with the sport's own elements.

std::string SaisonPetite(const std::string& joueurs)
{
    return L({"<SaisonData>", "<ListePays>", "</ListePays>", "<Equipes>", "<Equipe>", "<ID>0</ID>", "<Nom>Pau</Nom>",
              "</Equipe>", "<Equipe>", "<ID>1</ID>", "<Nom>Dax</Nom>", "</Equipe>", "</Equipes>", "<ClubPrec>",
              "</ClubPrec>", "<Entraineurs>", "</Entraineurs>", "<Stades>", "</Stades>", "<RensClubs>",
              "</RensClubs>", "<Joueurs>"}) +
           joueurs +
           L({"</Joueurs>", "<Arbitres>", "</Arbitres>", "<StatChamps>", "</StatChamps>", "<OptionsSauvegarde>",
              "<Option>0</Option>", "<Option>0</Option>", "</OptionsSauvegarde>", "<categories>", "</categories>",
              "</SaisonData>"});
}

std::string JoueurSimple(const std::string& nom, int numero, const std::string& poste, int club,
                         const std::string& carriere = {})
{
    return L({"<Joueur>", "<Nom>" + nom + "</Nom>", "<CodePays>65535</CodePays>",
              "<Numero>" + std::to_string(numero) + "</Numero>", "<Poste>" + poste + "</Poste>",
              "<ClubPrec>65535</ClubPrec>", "<ClubActuel>" + std::to_string(club) + "</ClubActuel>",
              "<EquipeNational>65535</EquipeNational>"}) +
           carriere + L({"</Joueur>"});
}

// One league of teams 0 and 1: its constants, option words 19 to 26, the
// sport's entry options, and the one match of matchday 1.
std::string LiguePetite(int titulaires, int remplacants, int periode, int prolongation,
                        std::initializer_list<int> options19, const std::string& sport, const std::string& match)
{
    std::string options = Options({0, 0, 0, 0, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 2, 2});
    options += Options(options19);
    return L({"<Championnats>", "<Code>1</Code>", "<LastModif>01/02/2004 10:11:12</LastModif>", "<DescSaison>",
              "<Desc>", "<Level>1</Level>", "<Valeur>Pays</Valeur>", "<ID>1</ID>", "</Desc>", "<Desc>",
              "<Level>2</Level>", "<Valeur>Division</Valeur>", "<ID>2</ID>", "</Desc>", "<Desc>",
              "<Level>19</Level>", "<Valeur>Saison</Valeur>", "<ID>3</ID>", "</Desc>", "</DescSaison>",
              "<Championnat>", "<CodeChamp>1</CodeChamp>", "<Type TypeChamp=\"1\" TypeNational=\"1\">", "</Type>",
              "<NbTitulaire>" + std::to_string(titulaires) + "</NbTitulaire>",
              "<NbRemp>" + std::to_string(remplacants) + "</NbRemp>",
              "<TempsPeriode>" + std::to_string(periode) + "</TempsPeriode>",
              "<TempsPeriodeProlongation>" + std::to_string(prolongation) + "</TempsPeriodeProlongation>",
              "<NbEquipe>2</NbEquipe>", "<NbJour>1</NbJour>", "<NbMatch>1</NbMatch>",
              "<Conversion>0-1</Conversion>", "<categorie>0-0</categorie>", "<Tranches>", "</Tranches>",
              "<Options>"}) +
           options +
           L({"<BonusBut>0</BonusBut>", "<PointBonusBut>0</PointBonusBut>", "<BonusEcart>0</BonusEcart>",
              "<PetiteFinale>0</PetiteFinale>", "<CategorieDef>0</CategorieDef>", "</Options>", "<OptionsArbitre>"}) +
           Options({0, 0, 0, 0, 0}) +
           L({"</OptionsArbitre>", "<NbJournee>1</NbJournee>", "<Division>301</Division>", "<CodePerso>0</CodePerso>",
              "<OrdreClassement>ac</OrdreClassement>"}) +
           sport + L({"<Journee Numero=\"1\" Date=\"5/9/2004\">", "<Match>", "<e1>0</e1>", "<e2>1</e2>"}) + match +
           L({"</Match>", "</Journee>", "</Championnat>", "</Championnats>"});
}

}   // namespace

TEST(RevueFormat, RugbyDocumentLandsInTheModelAndIsWrittenBack)
{
    const std::string joueurs =
        JoueurSimple("Betsen", 3, "3Ligne", 1) +
        JoueurSimple("Ibanez", 2, "Talonneur", 0,
                     L({"<StatCarriere>", "<StatChamp>1</StatChamp>", "<StatMatch>9</StatMatch>",
                        "<StatBut>2</StatBut>", "<StatTransfo>3</StatTransfo>", "<StatPenalite>4</StatPenalite>",
                        "<StatDrop>1</StatDrop>", "</StatCarriere>"}));
    const std::string match = L({
        "<s1>18</s1>", "<s2>3</s2>",
        "<Buteur Equipe=\"1\">", "<Joueur>2</Joueur>", "<Minute>10</Minute>", "</Buteur>",
        "<Averti Equipe=\"2\">", "<Joueur>3</Joueur>", "<Minute>20</Minute>", "</Averti>",
        "<Exclus Equipe=\"2\">", "<Joueur>3</Joueur>", "<Minute>128</Minute>", "</Exclus>",
        "<Transfo Equipe=\"1\">", "<Joueur>2</Joueur>", "<Minute>11</Minute>", "</Transfo>",
        "<Penalite Equipe=\"1\">", "<Joueur>2</Joueur>", "<Minute>30</Minute>", "</Penalite>",
        "<Penalite Equipe=\"2\">", "<Joueur>3</Joueur>", "<Minute>31</Minute>", "</Penalite>",
        "<Drop Equipe=\"1\">", "<Joueur>2</Joueur>", "<Minute>40</Minute>", "</Drop>",
        "<NbTitulaire>15</NbTitulaire>", "<NbRemp>7</NbRemp>", "<Compo Equipe=\"1\">", "<Tit ID=\"2\" Note=\"7\">",
        "</Tit>", "<Capitaine>2</Capitaine>", "</Compo>",
    });
    const std::string champ = LiguePetite(15, 7, 40, 10, {51, 0, 0, -1, -2, 2, 1, 0}, "", match);
    auto s = Lit(1, Cadre("tessavonde", SaisonPetite(joueurs), champ));
    TSaison& a = *s;

    const TJoueur* ibanez = a.Joueurs().ChercheJoueur(2, 0);
    ASSERT_NE(ibanez, nullptr);
    EXPECT_EQ(ibanez->Poste, 5);
    EXPECT_EQ(a.Joueurs().ChercheJoueur(3, 1)->Poste, 8);
    int32_t valeurs[4] = {}, matchs = 0;
    ASSERT_NE(ibanez->CarriereChamp(1, valeurs, matchs), 65535);
    EXPECT_EQ(matchs, 9);
    EXPECT_EQ(valeurs[0], 2);
    EXPECT_EQ(valeurs[1], 3);
    EXPECT_EQ(valeurs[2], 4);
    EXPECT_EQ(valeurs[3], 1);

    TDonneesChampionnat* c = a.Arbre().ChampionnatParCode(1);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->NbTitulaire(), 15);
    EXPECT_EQ(c->NbRemp(), 7);
    EXPECT_EQ(c->Option(19), 51);
    EXPECT_EQ(c->Option(23), 0xFFFE);
    const TInfoCompJour* j = c->Journee(1);
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->Liste(2)->Nombre(), 1);
    ASSERT_EQ(j->Liste(3)->Nombre(), 2);
    EXPECT_EQ(j->Liste(3)->Donnee(1)->Mot(), 0x80);   // sent off at minute 0
    ASSERT_EQ(j->Liste(6)->Nombre(), 1);
    EXPECT_EQ(j->Liste(6)->Donnee(0)->Mot(), 11);
    ASSERT_EQ(j->Liste(5)->Nombre(), 2);
    EXPECT_EQ(j->Liste(5)->Donnee(1)->IdEquipe(), 1);
    ASSERT_EQ(j->Liste(7)->Nombre(), 1);
    EXPECT_EQ(j->Liste(7)->Donnee(0)->Mot(), 40);
    const TInfoComp* m = c->MatchEquipes(1, 0, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->NbTitulaire(), 15);
    EXPECT_EQ(m->JoueurTitulaire(0, 1), 2);
    EXPECT_EQ(m->Note(0, 1), 7);
    EXPECT_EQ(m->Capitaine(0), 2);
    EXPECT_FALSE(m->CompositionSaisie(1));

    MemesLignes(Contenu(SaisonPetite(joueurs) + champ), Contenu(Document(a)));
}

TEST(RevueFormat, BasketballDocumentLandsInTheModelAndIsWrittenBack)
{
    const std::string joueurs = JoueurSimple("Parker", 9, "Meneur", 0,
                                             L({"<StatCarriere>", "<StatChamp>1</StatChamp>",
                                                "<StatMatch>20</StatMatch>", "<StatBut>310</StatBut>",
                                                "</StatCarriere>"})) +
                                JoueurSimple("Pietrus", 5, "Ailier", 1);
    const std::string sport = L({"<OptionsSaisie>"}) + Options({1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0}) +
                              L({"</OptionsSaisie>", "<ValeurEval>"}) +
                              Options({2, -1, 3, -1, 1, -1, 1, 1, 0, 1, 0, 1, 1, -2}) +
                              L({"</ValeurEval>", "<PondEvals>", "<PondEval>", "<Min>0</Min>", "<Max>10</Max>",
                                 "<Ponderation>50</Ponderation>", "</PondEval>", "</PondEvals>"});
    const std::string match = L({
        "<s1>11</s1>", "<s2>2</s2>",
        "<ScorePeriode1>", "<ItemPeriode>5</ItemPeriode>", "<ItemPeriode>6</ItemPeriode>", "</ScorePeriode1>",
        "<ScorePeriode2>", "<ItemPeriode>2</ItemPeriode>", "<ItemPeriode>0</ItemPeriode>", "</ScorePeriode2>",
        "<StatBasket Equipe=\"1\" Joueur=\"9\">", "<TempsJeu>30</TempsJeu>", "<Pts>11</Pts>",
        "<Tir2Pts>3/5</Tir2Pts>", "<Tir3Pts>1/4</Tir3Pts>", "<LancerF>2/2</LancerF>", "<Rebond>4/6</Rebond>",
        "<Passe>5</Passe>", "<Faute>2</Faute>", "<FauteProvoque>3</FauteProvoque>",
        "<Interception>1</Interception>", "<Contre>2</Contre>", "<BallePerdue>3</BallePerdue>", "</StatBasket>",
        "<StatBasket Equipe=\"2\" Joueur=\"5\">", "<Pts>2</Pts>", "<Tir2Pts>1/1</Tir2Pts>", "</StatBasket>",
    });
    const std::string champ = LiguePetite(0, 0, 10, 5, {20, 0, 0, -1, -2, 2, 1, 0}, sport, match);
    auto s = Lit(2, Cadre("pollinarque", SaisonPetite(joueurs), champ));
    TSaison& a = *s;

    const TJoueur* parker = a.Joueurs().ChercheJoueur(9, 0);
    ASSERT_NE(parker, nullptr);
    EXPECT_EQ(parker->Poste, 19);
    EXPECT_EQ(parker->NbMatchCarriere(1), 20);
    EXPECT_EQ(parker->StatCarriere(1, 6), 310);   // the career's points

    auto* c = dynamic_cast<TDonneesChampionnatStat*>(a.Arbre().ChampionnatParCode(1));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->TempsPeriode, 10);
    EXPECT_EQ(c->StatActive(1), 1);
    EXPECT_EQ(c->StatActive(2), 0);
    EXPECT_EQ(c->StatActive(11), 0);
    EXPECT_EQ(c->ValeurEval(0), 2);
    EXPECT_EQ(c->ValeurEval(13), -2);
    ASSERT_EQ(c->NbPonderations(), 1);
    EXPECT_EQ(*c->Ponderation(0), (TPonderation{0, 10, 50}));
    const TInfoComp* m = c->MatchEquipes(1, 0, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->ScorePeriode(0, 2), 6);
    EXPECT_EQ(m->ScorePeriode(1, 2), 0);
    EXPECT_EQ(m->ScorePeriode(1, 3), 255);
    const int attendus[16] = {30, 11, 3, 5, 1, 4, 2, 2, 4, 6, 5, 2, 3, 1, 2, 3};
    for (int code = 5; code <= 20; ++code) {
        const TListeDonnees* l = c->ListeStat(1, code);
        ASSERT_NE(l, nullptr);
        ASSERT_GE(l->Nombre(), 1) << code;
        EXPECT_EQ(l->Donnee(0)->IdJoueur(), 9);
        EXPECT_EQ(l->Donnee(0)->IdEquipe(), 0);
        EXPECT_EQ(l->Donnee(0)->Mot(), attendus[code - 5]) << code;
    }
    ASSERT_EQ(c->ListeStat(1, 6)->Nombre(), 2);
    EXPECT_EQ(c->ListeStat(1, 6)->Donnee(1)->IdJoueur(), 5);
    EXPECT_EQ(c->ListeStat(1, 6)->Donnee(1)->IdEquipe(), 1);

    MemesLignes(Contenu(SaisonPetite(joueurs) + champ), Contenu(Document(a)));
}

TEST(RevueFormat, HandballDocumentLandsInTheModelAndIsWrittenBack)
{
    const std::string joueurs = JoueurSimple("Karabatic", 4, "DemiCentre", 0) + JoueurSimple("Omeyer", 1, "GardienH", 1);
    const std::string sport = L({"<OptionsSaisie>"}) + Options({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}) +
                              L({"</OptionsSaisie>", "<ValeurEval>"}) +
                              Options({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, -15}) + L({"</ValeurEval>"});
    const std::string match = L({
        "<s1>9</s1>", "<s2>0</s2>",
        "<ScorePeriode1>", "<ItemPeriode>4</ItemPeriode>", "<ItemPeriode>5</ItemPeriode>", "</ScorePeriode1>",
        "<ScorePeriode2>", "</ScorePeriode2>",
        "<StatHandball Equipe=\"1\" Joueur=\"4\">", "<But>9</But>", "<Tir>12</Tir>", "<Penalty>2</Penalty>",
        "<PenaltyTotal>3</PenaltyTotal>", "<GardTirArret>1</GardTirArret>", "<GardTir>2</GardTir>",
        "<GardPenArret>3</GardPenArret>", "<GardPen>4</GardPen>", "<BallePerdue>5</BallePerdue>",
        "<Passe>6</Passe>", "<Interception>7</Interception>", "<Avertissement>1</Avertissement>",
        "<_2minute>2</_2minute>", "<Disqualif>1</Disqualif>", "<Expulsion>1</Expulsion>", "<Match>1</Match>",
        "</StatHandball>",
        "<StatHandball Equipe=\"2\" Joueur=\"1\">", "<GardTirArret>15</GardTirArret>", "<GardTir>24</GardTir>",
        "</StatHandball>",
    });
    const std::string champ = LiguePetite(0, 0, 30, 10, {10, 0, 0, -1, -2, 2, 1, 0}, sport, match);
    auto s = Lit(3, Cadre("murvaline", SaisonPetite(joueurs), champ));
    TSaison& a = *s;

    EXPECT_EQ(a.Joueurs().ChercheJoueur(4, 0)->Poste, 24);
    EXPECT_EQ(a.Joueurs().ChercheJoueur(1, 1)->Poste, 22);
    auto* c = dynamic_cast<TDonneesChampionnatStat*>(a.Arbre().ChampionnatParCode(1));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Option(19), 10);
    EXPECT_EQ(c->ValeurEval(11), 1);
    EXPECT_EQ(c->ValeurEval(25), -15);
    EXPECT_EQ(c->NbPonderations(), 0);
    const TInfoComp* m = c->MatchEquipes(1, 0, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->ScorePeriode(0, 2), 5);
    EXPECT_EQ(m->ScorePeriode(1, 1), 255);
    const int attendus[16] = {9, 12, 2, 3, 1, 2, 3, 4, 5, 6, 7, 1, 2, 1, 1, 1};
    for (int code = 21; code <= 36; ++code) {
        const TListeDonnees* l = c->ListeStat(1, code);
        ASSERT_NE(l, nullptr);
        ASSERT_GE(l->Nombre(), 1) << code;
        EXPECT_EQ(l->Donnee(0)->IdJoueur(), 4);
        EXPECT_EQ(l->Donnee(0)->Mot(), attendus[code - 21]) << code;
    }
    ASSERT_EQ(c->ListeStat(1, 26)->Nombre(), 2);
    EXPECT_EQ(c->ListeStat(1, 26)->Donnee(1)->Mot(), 24);
    EXPECT_EQ(c->ListeStat(1, 26)->Donnee(1)->IdEquipe(), 1);

    MemesLignes(Contenu(SaisonPetite(joueurs) + champ), Contenu(Document(a)));
}

TEST(RevueFormat, NamesFormAndOlderFormsOfTheRecordCardsAreRead)
{
    // Countries, teams and clubs by name, a club record of an older version
    // (colours under the record, the president as plain text), a player whose
    // national team is its club, a position keyword this version does not know.
    const std::string data = L({
        "<SaisonData>",
        "<ListePays>", "<Nom>France</Nom>", "<Nom>Italie</Nom>", "</ListePays>",
        "<Equipes>", "<Equipe>", "<ID>0</ID>", "<Nom>Lens</Nom>", "<Image>12.png</Image>", "</Equipe>", "<Equipe>",
        "<ID>1</ID>", "<Nom>Lille</Nom>", "</Equipe>", "</Equipes>",
        "<ClubPrec>", "<Equipe>", "<ID>3</ID>", "<Nom>Reims</Nom>", "</Equipe>", "</ClubPrec>",
        "<Entraineurs>", "<Entraineur>", "<Nom>Roux</Nom>", "<Prenom>Guy</Prenom>", "<CodePays2>Italie</CodePays2>",
        "<Image>coach.jpg</Image>", "<Numero>4</Numero>", "<ClubActuel2>LILLE</ClubActuel2>",
        "<ClubPrec2>reims</ClubPrec2>", "</Entraineur>", "</Entraineurs>",
        "<Stades>", "<Stade>", "<NomStade>Bollaert</NomStade>", "<Ville>Lens</Ville>", "<Code>2</Code>",
        "<CodePays2>France</CodePays2>", "<Image>0</Image>", "</Stade>", "</Stades>",
        "<RensClubs>", "<RensClub>", "<Club2>Lens</Club2>", "<CouleurMaillot>#FF0000</CouleurMaillot>",
        "<CouleurRechange>#FFFF00</CouleurRechange>", "<President>Gervais Martel</President>",
        "<Stade>", "<NomStade>Bollaert</NomStade>", "<Ville>Lens</Ville>", "</Stade>",
        "<Entraineur>", "<Nom>Roux</Nom>", "<Prenom>Guy</Prenom>", "</Entraineur>", "</RensClub>", "</RensClubs>",
        "<Joueurs>", "<Joueur>", "<Nom> Dupont </Nom>", "<Prenom>Jean</Prenom>", "<CodePays2>France</CodePays2>",
        "<Numero>7</Numero>", "<Poste>Libero</Poste>", "<ClubPrec2>Calais</ClubPrec2>",
        "<ClubActuel2>Lens</ClubActuel2>", "<EquipeNational2>Lens</EquipeNational2>",
        "<DateNaissance>1980-03-07</DateNaissance>", "</Joueur>", "</Joueurs>",
        "<Arbitres>", "<Personnel>", "<Nom>Collina</Nom>", "<CodePays2>Italie</CodePays2>", "<Numero>3</Numero>",
        "</Personnel>", "</Arbitres>",
        "<StatChamps>", "<StatChampNom Id=\"\">Vide</StatChampNom>", "</StatChamps>",
        "<categories>", "<categorie ID=\"5\">", "<nom>B</nom>", "</categorie>", "<categorie ID=\"2\">",
        "<nomcourt>sans nom</nomcourt>", "</categorie>", "<categorie ID=\"1\">", "<nom>A</nom>", "</categorie>",
        "</categories>",
        "</SaisonData>",
    });
    auto s = Lit(0, Cadre("gormelide", data, L({"<Championnats>", "</Championnats>"})));
    TSaison& a = *s;

    EXPECT_EQ(a.LogoEquipe(0), 12);
    auto* coach = dynamic_cast<TEntraineur*>(a.Entraineurs().ChercheNumero(4));
    ASSERT_NE(coach, nullptr);
    EXPECT_EQ(coach->CodePays, 1);
    EXPECT_EQ(coach->TexteImage, "coach.jpg");
    EXPECT_EQ(coach->Image, 0);
    EXPECT_EQ(coach->ClubActuel, 1);
    EXPECT_EQ(coach->ClubPrec, 3);

    const TStade* st = a.Stades().ChercheStade(2);
    ASSERT_NE(st, nullptr);
    EXPECT_EQ(st->CodePays, 0);
    EXPECT_EQ(st->TexteImage, "");

    const TRensClub* r = a.RensClubs().ChercheRensClub(0);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->CouleurMaillot(0), "#FF0000");
    EXPECT_EQ(r->CouleurRechange(0), "#FFFF00");
    ASSERT_TRUE(r->President);
    EXPECT_EQ(r->President->Prenom, "Gervais");
    EXPECT_EQ(r->President->Nom, "Martel");
    ASSERT_EQ(r->Stades().size(), 1u);
    EXPECT_EQ(r->Stades()[0], st);
    ASSERT_EQ(r->Entraineurs().size(), 1u);
    EXPECT_EQ(r->Entraineurs()[0], coach);

    const TJoueur* p = a.Joueurs().ChercheJoueur(7, 0);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Nom, "Dupont");
    EXPECT_EQ(p->CodePays, 0);
    EXPECT_EQ(p->Poste, 2);   // the keyword is unknown: the new player's position stays
    EXPECT_EQ(p->ClubActuel, 0);
    EXPECT_EQ(p->EquipeNational, TJoueur::Aucun);
    EXPECT_EQ(a.NomClubPrec(p->ClubPrec), "Calais");   // created by its name
    EXPECT_EQ(p->DateNaissance, EncodeDate(1980, 3, 7));

    EXPECT_EQ(a.Arbitres().ChercheNumero(3)->CodePays, 1);
    ASSERT_EQ(a.NbStatChamp(), 1);
    EXPECT_EQ(a.StatChamp(0)->Objet, 0u);
    ASSERT_EQ(a.NbCategorie(), 2);
    EXPECT_EQ(a.CategorieIndex(0)->Id, 1);
    EXPECT_EQ(a.CategorieIndex(1)->Id, 5);
}

TEST(RevueFormat, BoxScoresAndPlayOffsOfOlderFormsAreRead)
{
    // A box score naming its player, without a side (the home side), pairs
    // with a half of 0; a play-off of an older version.
    const std::string match = L({
        "<s1>7</s1>", "<s2>0</s2>",
        "<StatBasket>", "<Nom>Parker</Nom>", "<Pts>7</Pts>", "<Tir2Pts>2/0</Tir2Pts>",
        "<LancerF>3/0</LancerF>", "</StatBasket>",
    });
    const std::string sport = L({"<OptionsSaisie>", "<Option>1</Option>", "<Option>0</Option>", "<Option>1</Option>",
                                 "</OptionsSaisie>", "<PondEvals>", "<PondEval>", "<Max>20</Max>", "</PondEval>",
                                 "</PondEvals>"});
    std::string champ = LiguePetite(0, 0, 10, 5, {20, 0, 0, -1, -2, 2, 1, 0}, sport, match);
    const std::string barrage = L({"<Desc>", "<Level>2</Level>", "<Valeur>#4#Play-off</Valeur>", "<ID>4</ID>",
                                   "</Desc>", "</DescSaison>"});
    champ.replace(champ.find("</DescSaison>\r\n"), 15, barrage);
    std::string options;
    for (int i = 0; i < 30; ++i)
        options += "<Option>" + std::to_string(i + 1) + "</Option>\r\n";
    champ.insert(champ.find("</Championnats>"),
                 L({"<Barrage>", "<Code>4</Code>", "<TypeEquipe>0</TypeEquipe>", "<ListDiv>",
                    "<Division>301</Division>", "<ListPlace>", "<Min>0</Min>", "<Max>3</Max>", "</ListPlace>",
                    "<ListPlace>", "<Min>1</Min>", "<Max>2</Max>", "</ListPlace>", "</ListDiv>", "<TourCoupe>",
                    "<nMatchTotal>1</nMatchTotal>", "<nTypeTour>2</nTypeTour>", "<RencontreCoupe>1-2-3</RencontreCoupe>",
                    "<RencontreCoupe>4-5-6-7</RencontreCoupe>", "</TourCoupe>", "<Options>"}) +
                     options + L({"</Options>", "</Barrage>"}));
    auto s = Lit(2, Cadre("pollinarque", SaisonPetite(JoueurSimple("Parker", 9, "Meneur", 0)), champ));
    TSaison& a = *s;

    auto* c = dynamic_cast<TDonneesChampionnatStat*>(a.Arbre().ChampionnatParCode(1));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->StatActive(1), 1);
    EXPECT_EQ(c->StatActive(2), 0);
    EXPECT_EQ(c->StatActive(4), 1);
    ASSERT_EQ(c->NbPonderations(), 1);
    EXPECT_EQ(*c->Ponderation(0), (TPonderation{0, 20, 100}));
    // Named, the player is found in the season.
    ASSERT_EQ(c->ListeStat(1, 6)->Nombre(), 1);
    EXPECT_EQ(c->ListeStat(1, 6)->Donnee(0)->IdJoueur(), 9);
    EXPECT_EQ(c->ListeStat(1, 6)->Donnee(0)->IdEquipe(), 0);
    EXPECT_EQ(c->ListeStat(1, 7)->Donnee(0)->Mot(), 2);
    EXPECT_EQ(c->ListeStat(1, 8)->Nombre(), 0);    // nothing counts 0
    EXPECT_EQ(c->ListeStat(1, 11)->Donnee(0)->Mot(), 3);
    EXPECT_EQ(c->ListeStat(1, 12)->Nombre(), 0);   // no attempted count given

    const auto barrages = a.Arbre().ListeBarrages();
    ASSERT_EQ(barrages.size(), 1u);
    TDonneesBarrage& b = *barrages[0];
    EXPECT_EQ(b.TypeEquipe, 2);
    ASSERT_EQ(b.Division(0)->Places.size(), 1u);
    EXPECT_EQ(b.Division(0)->Places[0].Min, 1);
    int32_t nb = 0, capacite = 0, type = 0;
    const TRencontreCoupe* rc = b.Tour(1, nb, capacite, type);
    ASSERT_NE(rc, nullptr);
    EXPECT_EQ(capacite, 1);
    EXPECT_EQ(nb, 1);   // the second pairing does not fit
    EXPECT_EQ(rc[0].Valeur[2], 3);
    EXPECT_EQ(rc[0].Valeur[3], 0);
    EXPECT_EQ(b.Option(0), 1);
    EXPECT_EQ(b.Option(26), 27);
    EXPECT_EQ(b.Option(27), 30);
}
