// Damaged season files: a truncated archive, a flipped byte in the member, a
// document cut in the middle of an element, huge declared sizes. Each gives a
// load status and its message, never a crash, a hang, a partial season or an
// unbounded allocation; the damaged file is left as it was.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <new>
#include <vector>

#include "files/TraiteurFichier.h"
#include "files/ZipArchive.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "tests/road/RoadSupport.h"
#include "tests/support/GrandeSaison.h"
#include "tests/support/SaisonBuilder.h"

using namespace route;

namespace {

uint32_t Lit32(const std::string& o, size_t p)
{
    return static_cast<uint32_t>(static_cast<uint8_t>(o[p])) | static_cast<uint32_t>(static_cast<uint8_t>(o[p + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(o[p + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(o[p + 3])) << 24;
}

void Ecrit32(std::string& o, size_t p, uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        o[p + static_cast<size_t>(k)] = static_cast<char>((v >> (8 * k)) & 0xFF);
}

uint16_t Lit16(const std::string& o, size_t p)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(o[p]) | static_cast<uint8_t>(o[p + 1]) << 8);
}

class Dommages : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { InstalleTextes(); }

    void SetUp() override
    {
        g = essai::GenerePetiteSaison(0);
        sain = d / "sain.xmc";
        TChargeurXmp(sain, "Dll\\").Sauve(*g->saison, {});
        octets = LitOctets(sain);
        ASSERT_GT(octets.size(), 1000u);
        ASSERT_EQ(Lit32(octets, 0), 0x04034B50u);
    }

    // Loads the bytes as a season file: the status, checked to come with no
    // season (unless loaded), a message naming the file, and the file untouched.
    uint8_t ChargeOctets(const std::string& contenu, const std::string& nom = "abime.xmc")
    {
        const std::string fichier = d / nom;
        EcritOctets(fichier, contenu);
        std::unique_ptr<TSaison> s;
        const auto debut = std::chrono::steady_clock::now();
        const uint8_t etat = Charge(fichier, s);
        EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(10));
        EXPECT_EQ(s != nullptr, etat == etatCharge);
        if (etat != etatCharge) {
            std::string texte;
            TTraiteurFichier::MessageEtat(etat, nom, texte);
            EXPECT_NE(texte.find(nom), std::string::npos) << texte;
        }
        EXPECT_EQ(LitOctets(fichier), contenu);
        return etat;
    }

    // The archive of a given member text.
    std::string Archive(const std::string& membre) { return ArchiveDe(d / "membre.xmc", membre); }

    // Offsets of the member's local header fields and of its central entry.
    size_t DebutDonnees() const { return 30u + Lit16(octets, 26) + Lit16(octets, 28); }
    size_t EntreeCentrale() const
    {
        const size_t p = octets.rfind(std::string("PK\x01\x02", 4));
        EXPECT_NE(p, std::string::npos);
        return p;
    }

    Dossier d;
    std::unique_ptr<essai::TGrandeSaison> g;
    std::string sain;
    std::string octets;
};

}   // namespace

TEST_F(Dommages, TheSoundFileLoads)
{
    EXPECT_EQ(ChargeOctets(octets, "copie.xmc"), etatCharge);
}

TEST_F(Dommages, ATruncatedArchiveIsAReadFailure)
{
    for (size_t coupe : {size_t{0}, size_t{4}, size_t{29}, octets.size() / 4, octets.size() / 2,
                         octets.size() - 60, octets.size() - 22, octets.size() - 1}) {
        SCOPED_TRACE(coupe);
        EXPECT_EQ(ChargeOctets(octets.substr(0, coupe)), etatLecture);
    }
}

TEST_F(Dommages, AFlippedByteInTheMemberIsAReadFailure)
{
    const size_t debut = DebutDonnees();
    const uint32_t taille = Lit32(octets, 18);
    for (size_t p : {debut + 5, debut + taille / 3, debut + taille / 2, debut + taille - 3}) {
        SCOPED_TRACE(p);
        std::string abime = octets;
        abime[p] = static_cast<char>(abime[p] ^ 0x5A);
        EXPECT_EQ(ChargeOctets(abime), etatLecture);
    }
}

// Data that inflates whole but does not match its CRC (the CRC changed in both
// headers): only the CRC check tells.
TEST_F(Dommages, AWrongCrcIsAReadFailure)
{
    const size_t central = EntreeCentrale();
    std::string abime = octets;
    const uint32_t crc = Lit32(octets, 14) ^ 0x00010000u;
    Ecrit32(abime, 14, crc);
    Ecrit32(abime, central + 16, crc);
    EXPECT_EQ(ChargeOctets(abime), etatLecture);
}

TEST_F(Dommages, ADocumentCutInTheMiddleOfAnElementIsNotLoadedInPart)
{
    const std::string doc = Document(*g->saison);
    // Inside a match, inside a player card, inside a tag, and just before the
    // root's end tag.
    const size_t match = doc.find("<Match>", doc.size() / 2);
    const size_t joueur = doc.find("<Joueur>");
    const size_t fin = doc.rfind("</Gormelide>");
    ASSERT_NE(match, std::string::npos);
    ASSERT_NE(joueur, std::string::npos);
    // A season read in part would lose the rest of it at the next save: a
    // document that ends before the root's end tag is a reading failure.
    for (size_t coupe : {match + 20, joueur + 40, match + 3, fin, fin + 5}) {
        SCOPED_TRACE(coupe);
        EXPECT_EQ(ChargeOctets(Archive(doc.substr(0, coupe))), etatLecture);
    }
    // The whole document through the same road loads.
    EXPECT_EQ(ChargeOctets(Archive(doc)), etatCharge);
}

// A document that is not well-formed, the root's end tag still in place:
// refused as damaged, whatever the kind of damage, and so is every cut of a
// block at random places.
TEST_F(Dommages, ADocumentThatIsNotWellFormedIsRefusedAsDamaged)
{
    const std::string doc = Document(*g->saison);
    const size_t match = doc.find("<Match>", doc.size() / 2);
    const size_t finMatch = doc.find("</Match>", match);
    ASSERT_NE(finMatch, std::string::npos);
    auto remplace = [&doc](size_t ou, size_t n, const std::string& par) {
        return std::string(doc).replace(ou, n, par);
    };
    struct Cas
    {
        const char* quoi;
        std::string abime;
    };
    const Cas cas[] = {
        {"end tag of another element", remplace(finMatch, 8, "</Matc>")},
        {"text where an element must be", remplace(finMatch + 8, 0, "du texte")},
        {"unclosed element", remplace(finMatch, 8, "")},
        {"400 bytes removed", remplace(match + 30, 400, "")},
        {"400 bytes garbled", remplace(match + 30, 400, "<<<>>> & </Matc")},
        {"garbage after the root", doc + "<Gormelide>"},
    };
    auto verifie = [&](const std::string& abime) {
        EXPECT_EQ(ChargeOctets(Archive(abime)), etatLecture);
        std::string texte;
        TTraiteurFichier::MessageEtat(etatLecture, "abime.xmc", texte);
        // Said to be damaged, where the reader refused it when it did.
        const std::string ou = TraduireFormat(texteDocumentEndommageA, {"abime.xmc", "("});
        EXPECT_TRUE(texte == TraduireFormat(texteDocumentEndommage, {"abime.xmc"}) ||
                    texte.starts_with(ou.substr(0, ou.find('(') + 1)))
            << texte;
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        verifie(c.abime);
    }
    uint32_t graine = 46;
    for (int i = 0; i < 24; ++i) {
        graine = graine * 1103515245u + 12345u;
        const size_t ou = 200 + (graine >> 4) % (doc.size() - 2000);
        const size_t n = 1 + (graine >> 8) % 700;
        SCOPED_TRACE(std::to_string(ou) + "+" + std::to_string(n));
        verifie(remplace(ou, n, ""));
    }
}

// A matchday whose number cannot be read (a quote lost in its tag) would
// put its matches on another matchday and lose them at the next save: the
// document is damaged. A well-formed element the reader does not know is
// skipped, and the season opens.
TEST_F(Dommages, AMatchdayTagThatCannotBeReadIsDamageAnUnknownElementIsNot)
{
    const std::string doc = Document(*g->saison);
    const size_t journee = doc.find("<Journee Numero=\"2\"");
    ASSERT_NE(journee, std::string::npos);
    const size_t guillemet = journee + std::string("<Journee Numero=\"2").size();
    const struct { const char* quoi; std::string abime; uint8_t etat; } cas[] = {
        {"quote lost", std::string(doc).erase(guillemet, 1), etatLecture},
        {"a word for the number", std::string(doc).replace(guillemet - 1, 1, "deux"), etatLecture},
        {"unknown element in a matchday",
         std::string(doc).insert(doc.find('>', journee) + 1, "<Meteo Ciel=\"bleu\"><Vent>3</Vent></Meteo>"),
         etatCharge},
        {"unknown element in the championships",
         std::string(doc).insert(journee, "<Inconnu>texte</Inconnu>"), etatCharge},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        EXPECT_EQ(ChargeOctets(Archive(c.abime)), c.etat);
    }
}

// What the program never writes, typed into a saved season by hand or left by
// a damaged disk, would open with data moved or dropped, lost at the next
// save: the document is refused, the message naming the element and its line.
// An absent or empty value is read as files of older versions have it.
TEST_F(Dommages, AHandEditTheProgramNeverWritesIsRefusedWhereItStands)
{
    struct Cas
    {
        int sport;                       // 4: football with a cup decided by a shoot-out
        const char* quoi;
        std::string cherche, remplace;   // at the first place of cherche (after apres)
        const char* element;             // nullptr: the season opens
        const char* apres = "";
        std::function<void(TSaison&)> lu = {};   // what the season opened holds
    };
    const std::string nul("Fr\0ance", 7);
    const Cas cas[] = {
        {0, "< in a line-up's side", "<Compo Equipe=\"", "<Compo Equipe=\"<", "Compo"},
        {0, "< in a goal's side", "<Buteur Equipe=\"", "<Buteur Equipe=\"<", "Buteur"},
        {2, "< in a box-score line's player", "Joueur=\"", "Joueur=\"<", "StatBasket"},
        {0, "< in a starter's player", "<Tit ID=\"", "<Tit ID=\"<", "Tit"},
        {0, "< in a rating", " Note=\"", " Note=\"<", "Tit"},
        {0, "< in the player going off", "IdRemp=\"", "IdRemp=\"<", "Rempl"},
        {0, "bare & in an attribute", "<Compo Equipe=\"", "<Compo Equipe=\"&", "Compo"},
        {2, "side without a value", "<StatBasket Equipe=\"1\"", "<StatBasket Equipe", "StatBasket"},
        {0, "matchday number without a value", "<Journee Numero=\"2\"", "<Journee Numero", "Journee"},
        {0, "& in a text", "France", "Fr&ance", "Nom"},
        {0, "unknown entity in a text", "France", "Fr&eacute;nce", "Nom"},
        {0, "NUL byte in a text", "France", nul, "Nom"},
        {0, "matchday 0", "<Journee Numero=\"2\"", "<Journee Numero=\"0\"", "Journee"},
        {0, "matchday -1", "<Journee Numero=\"2\"", "<Journee Numero=\"-1\"", "Journee"},
        {0, "matchday past the count", "<Journee Numero=\"2\"", "<Journee Numero=\"99\"", "Journee"},
        {0, "matchday used twice", "<Journee Numero=\"3\"", "<Journee Numero=\"2\"", "Journee"},
        {0, "line-up side 3", "<Compo Equipe=\"1\"", "<Compo Equipe=\"3\"", "Compo"},
        {0, "line-up side x", "<Compo Equipe=\"1\"", "<Compo Equipe=\"x\"", "Compo"},
        {0, "goal side 0", "<Buteur Equipe=\"1\"", "<Buteur Equipe=\"0\"", "Buteur"},
        {2, "box-score side 3", "<StatBasket Equipe=\"1\"", "<StatBasket Equipe=\"3\"", "StatBasket"},
        {2, "points x", "<Pts>", "<Pts>x</Pts><Pts>", "Pts"},
        {2, "points in hexadecimal", "<Pts>", "<Pts>x", "Pts"},
        {2, "points -5", "<Pts>", "<Pts>-", "Pts"},
        {2, "points past 32 bits", "<Pts>", "<Pts>99999999999", "Pts"},
        {2, "attempts x", "</Tir2Pts>", "x</Tir2Pts>", "Tir2Pts"},
        {0, "score x", "<s1>", "<s1>x</s1><s1>", "s1"},
        {0, "minute -5", "<Minute>", "<Minute>-", "Minute"},
        {0, "home team x", "<e1>", "<e1>x</e1><e1>", "e1"},
        {2, "box-score line without a side", "<StatBasket Equipe=\"1\" ", "<StatBasket ", nullptr},
        {2, "empty points", "<Pts>", "<Pts></Pts><Pts>", nullptr},
        {0, "empty line-up side", "<Compo Equipe=\"1\"", "<Compo Equipe=\"\"", nullptr},
        // What a field cannot hold, read as a number of another width or
        // bounded, opened the season changed.
        {0, "shirt 256", "<Maillot>", "<Maillot>256</Maillot><Maillot>", "Maillot"},
        {0, "age 256", "<Age>", "<Age>256</Age><Age>", "Age"},
        {0, "height 65536", "<Taille>", "<Taille>65536</Taille><Taille>", "Taille"},
        {0, "budget -1", "<Budget>", "<Budget>-1</Budget><Budget>", "Budget"},
        {0, "attendance -1", "<Affluence>", "<Affluence>-1</Affluence><Affluence>", "Affluence"},
        {0, "a stadium's country 65536", "<CodePays>", "<CodePays>65536</CodePays><CodePays>", "CodePays", "<Stades>"},
        {0, "a stadium's country no country has", "<CodePays>", "<CodePays>10</CodePays><CodePays>", "CodePays", "<Stades>"},
        {4, "shoot-out -1", "<s1>4</s1>\r\n<s2>5</s2>\r\n</Penalty>", "<s1>-1</s1>\r\n<s2>5</s2>\r\n</Penalty>", "s1"},
        {4, "shoot-out 256", "<s1>4</s1>\r\n<s2>5</s2>\r\n</Penalty>", "<s1>256</s1>\r\n<s2>5</s2>\r\n</Penalty>", "s1"},
        {0, "rating 256", " Note=\"", " Note=\"256\" N=\"", "Tit"},
        {0, "a booking at minute 128", "<Minute>", "<Minute>128</Minute><Minute>", "Minute", "<Averti "},
        {0, "a sending-off at minute 128 with an unknown flag", "<Minute>", "<Minute>1152</Minute><Minute>", "Minute",
         "<Exclus "},
        {2, "a box-score pair without its attempts", "<Tir2Pts>", "<Tir2Pts>6/</Tir2Pts><Tir2Pts>", "Tir2Pts"},
        {2, "a box-score pair without its slash", "<Tir2Pts>", "<Tir2Pts>6</Tir2Pts><Tir2Pts>", "Tir2Pts"},
        // A number that names nothing the document holds.
        {0, "home team -1", "<e1>", "<e1>-1</e1><e1>", "e1"},
        {0, "home team 65535", "<e1>", "<e1>65535</e1><e1>", "e1"},
        {0, "home team 65536", "<e1>", "<e1>65536</e1><e1>", "e1"},
        {0, "home team no team has", "<e1>", "<e1>99</e1><e1>", "e1"},
        {0, "a referee no referee has", "<Arbitre>", "<Arbitre>9999</Arbitre><Arbitre>", "Arbitre"},
        {0, "a stadium no stadium has", "<Stade>", "<Stade>9999</Stade><Stade>", "Stade", "<Journee "},
        {0, "a stadium 0", "<Stade>", "<Stade>0</Stade><Stade>", "Stade", "<Journee "},
        {4, "a group's team 65535", "<Equipe>", "<Equipe>65535</Equipe><Equipe>", "Equipe", "<GroupeEquipe"},
        {4, "a group's team x", "<Equipe>", "<Equipe>x</Equipe><Equipe>", "Equipe", "<GroupeEquipe"},
        // Earlier versions left a team that went in its groups.
        {4, "a group's team no team has", "<Equipe>", "<Equipe>99</Equipe><Equipe>", nullptr, "<GroupeEquipe"},
        {0, "empty attendance", "<Affluence>", "<Affluence></Affluence><Affluence>", nullptr},
        // A date that names no day of the calendar reads as none, for no
        // window to meet it as a date.
        {4, "a matchday dated 52/8/2024", "Date=\"2/9/2004\"", "Date=\"52/8/2024\"", nullptr, "",
         [](TSaison& s) { EXPECT_EQ(s.Arbre().ChampionnatParCode(1)->DateJournee(2), 0u); }},
        {4, "a matchday dated past the year 9999", "Date=\"3/9/2004\"", "Date=\"3/9/99999\"", nullptr, "",
         [](TSaison& s) { EXPECT_EQ(s.Arbre().ChampionnatParCode(1)->DateJournee(3), 0u); }},
        {4, "a match dated 29/2/2023", "<DateMatch>2/9/2004</DateMatch>", "<DateMatch>29/2/2023</DateMatch>", nullptr,
         "", [](TSaison& s) { EXPECT_EQ(s.Arbre().ChampionnatParCode(1)->DateMatch(1, 1), 0u); }},
    };
    std::string docs[5];
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        std::string& doc = docs[c.sport];
        if (doc.empty() && c.sport == 4) {
            doc = Document(*essai::TSaisonComplete(0).saison);
        } else if (doc.empty()) {
            doc = Document(*essai::GenerePetiteSaison(c.sport)->saison);
        }
        const size_t ou = doc.find(c.cherche, doc.find(c.apres));
        ASSERT_NE(ou, std::string::npos);
        const std::string abime = std::string(doc).replace(ou, c.cherche.size(), c.remplace);
        const uint8_t etat = ChargeOctets(Archive(abime));
        std::string texte;
        TTraiteurFichier::MessageEtat(etat, "abime.xmc", texte);
        if (!c.element) {
            EXPECT_EQ(etat, etatCharge);
            std::unique_ptr<TSaison> s;
            if (c.lu && Charge(d / "abime.xmc", s) == etatCharge)
                c.lu(*s);
            continue;
        }
        EXPECT_EQ(etat, etatLecture);
        const std::string ligne = std::to_string(1 + std::count(doc.begin(), doc.begin() + static_cast<ptrdiff_t>(ou), '\n'));
        EXPECT_EQ(texte, TraduireFormat(texteDocumentEndommageA,
                                        {"abime.xmc", TraduireFormat(texteElementLigne, {c.element, ligne})}));
    }
}

TEST_F(Dommages, HugeDeclaredSizesAreReadFailuresWithoutTheAllocation)
{
    const size_t central = EntreeCentrale();
    struct TCas
    {
        size_t local, centrale;
        uint32_t valeur;
    };
    // Uncompressed size, then compressed size, in both headers.
    for (const TCas& c : {TCas{22, 24, 0xFFFFFFF0u}, TCas{22, 24, 0x7FFFFFFFu}, TCas{18, 20, 0xFFFFFFF0u}}) {
        SCOPED_TRACE(c.valeur);
        std::string abime = octets;
        Ecrit32(abime, c.local, c.valeur);
        Ecrit32(abime, central + c.centrale, c.valeur);
        // In a child whose address space may not grow by more than 512 MB:
        // an allocation of the declared size fails there (status 3).
        const std::string fichier = d / "enorme.xmc";
        EcritOctets(fichier, abime);
        EXPECT_EQ(EnfantLimite(512u << 20,
                               [&] {
                                   std::unique_ptr<TSaison> s;
                                   TChargeurXmp c(fichier, "Dll\\");
                                   return c.Charge(s, TousSports, {}, true, nullptr) == etatLecture && !s &&
                                                  c.Raison().texte != texteAucuneRaison
                                              ? 0
                                              : 1;
                               }),
                  0);
    }
}

// The save reads its new archive back as an opening reads it: a byte of the
// archive changed on the disk before the read-back (in its local header, its
// central directory or its end record) either makes the save fail, the file
// left as it was and the reason given, or leaves a file that opens. Any byte
// of the end record makes it fail (the entry counts there are read by the
// opening too), and any of the local header but its extra field's length.
// The places are taken in the archive the save wrote (the time of the save
// may change its length by a byte): the header's from its start, the
// directory's from its end.
TEST_F(Dommages, TheReadBackRefusesWhatTheOpeningRefuses)
{
    const std::string fichier = d / "relu.xmc";
    const size_t central = EntreeCentrale();
    const size_t fin = octets.size() - 22;
    std::vector<size_t> places;
    for (size_t p = 0; p < DebutDonnees(); ++p)
        places.push_back(p);
    for (size_t p = central; p < octets.size(); ++p)
        places.push_back(p);
    int echecs = 0;
    for (const size_t p : places)
        for (const uint8_t masque : {0x01, 0x80}) {
            SCOPED_TRACE(std::to_string(p) + " ^ " + std::to_string(masque));
            EcritOctets(fichier, octets);
            bool sauve = false;
            try {
                sauve = TChargeurXmp(fichier, "Dll\\").Sauve(*g->saison, [&](int pourcentage) {
                    if (pourcentage != 92)
                        return;
                    // The new archive, beside the file, before it is read back.
                    for (const TSearchRec& r : ListFiles(d / "", ".relu.xmc.*"))
                        if (r.Name.ends_with(".tmp")) {
                            std::string o = LitOctets(d / r.Name);
                            const size_t q = p < central ? p : o.size() - (octets.size() - p);
                            o[q] = static_cast<char>(o[q] ^ masque);
                            EcritOctets(d / r.Name, o);
                        }
                });
            } catch (const EChargeurXmp& e) {
                // Always a cause, and never the temporary's name.
                EXPECT_FALSE(e.Raison.detail.empty()) << e.Message;
                EXPECT_EQ(e.Message.find(".tmp"), std::string::npos) << e.Message;
            }
            if (sauve) {
                std::unique_ptr<TSaison> s;
                EXPECT_EQ(Charge(fichier, s), etatCharge);
            } else {
                ++echecs;
                EXPECT_EQ(LitOctets(fichier), octets);
            }
            if (p >= fin) {
                EXPECT_FALSE(sauve);
            }
            // The local header says what the directory says (all but its
            // extra field's length), as other zip readers check.
            if (p < 28 || (p >= 30 && p < 30u + Lit16(octets, 26))) {
                EXPECT_FALSE(sauve);
            }
        }
    EXPECT_GT(echecs, 44);
}
