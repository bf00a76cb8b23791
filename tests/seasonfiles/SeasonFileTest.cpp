// Season files through the real road: the progress window, its worker thread,
// the document framing and the archive, for the four sports; every load status;
// saves that fail and leave the previous file as it was.
#include <gtest/gtest.h>

#include <algorithm>

#include "files/ChargeurSaison.h"
#include "files/TraiteurFichier.h"
#include "files/w_ChoixLogiciel.h"
#include "files/w_EtatSauve.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "platform/gui/ComCtrls.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Thread.h"
#include "tests/seasonfiles/FichiersEssai.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/message2.h"

using namespace fichiers;

namespace {

const std::string Dll = "Dll\\";

// Runs action on the next modal window of class T, even one shown over
// another modal window (the progress window stays up under the questions).
template <class T>
void QuandModal(const std::function<void(T*)>& action)
{
    kit::WhenModal([action](TForm*) {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (auto* f = dynamic_cast<T*>(Screen->Forms(i)); f && f->Modal() && f->Visible()) {
                action(f);
                return;
            }
        QuandModal<T>(action);
    });
}

class SaisonFichier : public ::testing::Test
{
protected:
    void SetUp() override { Environnement(); }
    void TearDown() override { TChargeurXmp::QuestionSport = nullptr; }

    // Saves through the progress window; true when the file was written.
    bool Sauve(TSaison& s, const std::string& fichier, int* modif = nullptr)
    {
        return TTraiteurFichier::Sauver(fichier, &s, modif, Dll, "", nullptr, nullptr, false);
    }
    std::unique_ptr<TSaison> Charge(const std::string& fichier, uint8_t& etat,
                                    TEnsembleSports sports = TousSports, bool verifie = true)
    {
        return TTraiteurFichier::Charger(fichier, Dll, "", nullptr, sports, etat, verifie);
    }

    Dossier dossier;
};

}  // namespace

TEST_F(SaisonFichier, EachSportRoundTripsThroughTheThreadsAndTheWindow)
{
    for (int sport = 0; sport < 4; ++sport) {
        SCOPED_TRACE(sport);
        auto s = Saison(sport);
        const bool avecChampionnats = s->ChampionnatCourant() != nullptr;
        EXPECT_TRUE(avecChampionnats);
        const std::string fichier = dossier / ("saison" + IntToStr(sport) + ".xmc");
        int modif = 1;
        ASSERT_TRUE(Sauve(*s, fichier, &modif));
        EXPECT_EQ(modif, 0);
        const std::string membre = Membre(fichier);
        // The document of the season (written again now: a second may have passed).
        EXPECT_EQ(SansHorodatage(membre), SansHorodatage(Document(*s)));

        uint8_t etat = 99;
        auto lu = Charge(fichier, etat, TousSports, avecChampionnats);
        ASSERT_EQ(etat, etatCharge);
        ASSERT_TRUE(lu);
        EXPECT_EQ(lu->Sport(), sport);
        // The same document, but for the time of its writing.
        EXPECT_EQ(SansHorodatage(Document(*lu)), SansHorodatage(membre));
        EXPECT_NE(SansHorodatage(membre), membre);
    }
}

TEST_F(SaisonFichier, TheFileIsAZipOfOneMemberHoldingTheFramedDocument)
{
    auto s = Saison(1);
    const std::string fichier = dossier / "rugby.xmc";
    ASSERT_TRUE(Sauve(*s, fichier));
    int statut = -1;
    const std::string liste = Commande("unzip -l '" + fichier + "'", &statut);
    EXPECT_EQ(statut, 0) << liste;
    EXPECT_NE(liste.find("gormelide.xml"), std::string::npos) << liste;
    EXPECT_NE(liste.find("1 file"), std::string::npos) << liste;
    const std::string doc = Commande("unzip -p '" + fichier + "' gormelide.xml", &statut);
    EXPECT_EQ(statut, 0);
    const std::string debut = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!DOCTYPE Gormelide>\r\n"
                              "<Gormelide Type=\"Saison\" Version=\"2\" format=\"tessavonde\">\r\n<SaisonData>";
    EXPECT_EQ(doc.substr(0, debut.size()), debut);
    EXPECT_NE(doc.find("<Championnats"), std::string::npos);
    EXPECT_EQ(doc.substr(doc.size() - 14), "</Gormelide>\r\n");
    // Nothing else was left beside it.
    EXPECT_EQ(ListFiles(dossier.Chemin(), "*").size(), 1u);
}

TEST_F(SaisonFichier, OneChampionshipIsASimpleFileWithItsDivision)
{
    auto s = TMultiSport::CreeSaison(0);
    for (int i = 0; i < 4; ++i)
        s->AjouteEquipe("Club " + IntToStr(i));
    auto c = s->CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational, 0);
    c->OptionsParDefaut();
    for (int i = 0; i < 4; ++i)
        c->AjouteEquipe(i);
    c->Division = 101;
    s->SetChampionnatCourant(s->AjouteChampionnat(std::move(c), false));
    const std::string fichier = dossier / "d1.xmc";
    ASSERT_TRUE(Sauve(*s, fichier));
    EXPECT_NE(Membre(fichier).find("<Gormelide Type=\"Simple\" Division=\"101\" Version=\"2\" format=\"gormelide\">"),
              std::string::npos);

    uint8_t sport = 9;
    EXPECT_EQ(TTraiteurFichier::DivisionFichier(fichier, Dll, sport), 101);
    EXPECT_EQ(sport, 0);
    EXPECT_FALSE(TChargeurXmp(fichier, Dll).EstSaison());
    // Only the first four characters of the extension count.
    const std::string autre = dossier / "d1.xmcbackup";
    ASSERT_TRUE(CopyFile(fichier, autre, false));
    EXPECT_EQ(TTraiteurFichier::DivisionFichier(autre, Dll, sport), 101);
    const std::string zip = dossier / "d1.zip";
    ASSERT_TRUE(CopyFile(fichier, zip, false));
    sport = 9;
    EXPECT_EQ(TTraiteurFichier::DivisionFichier(zip, Dll, sport), 0);
    EXPECT_EQ(sport, 9);

    // Several championships: "Saison", no division.
    auto tout = Saison(0);
    const std::string saison = dossier / "tout.xmc";
    ASSERT_TRUE(Sauve(*tout, saison));
    EXPECT_TRUE(TChargeurXmp(saison, Dll).EstSaison());
    EXPECT_EQ(TTraiteurFichier::DivisionFichier(saison, Dll, sport), -1);
    EXPECT_EQ(sport, 0);
    // Not a season document: true, -1, the sport untouched; no archive: raised.
    const std::string etranger = dossier / "etranger.xmd";
    ASSERT_TRUE(EcritArchive(etranger, "gormelide.xml", "<?xml version=\"1.0\"?>\r\n<Autre/>\r\n"));
    sport = 9;
    EXPECT_TRUE(TChargeurXmp(etranger, Dll).EstSaison());
    EXPECT_EQ(TTraiteurFichier::DivisionFichier(etranger, Dll, sport), -1);
    EXPECT_EQ(sport, 9);
    EXPECT_THROW(TTraiteurFichier::DivisionFichier(dossier / "absent.xmc", Dll, sport), EChargeurXmp);
}

// The save folder's list reads only the head of each document; what it finds
// there must be what the whole document says, wherever the root's tag lies.
TEST_F(SaisonFichier, TheHeadOfADocumentSaysWhatTheWholeDocumentSays)
{
    const std::string decl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!DOCTYPE Gormelide>\r\n";
    const std::string suite = "\r\n<SaisonData>" + std::string(20000, ' ') + "</SaisonData>\r\n</Gormelide>\r\n";
    struct TCas
    {
        const char* quoi;
        std::string document;
        int32_t niveau;   // archive compression level (0: stored)
        int division;
    };
    const TCas cas[] = {
        {"plain", decl + "<Gormelide Type=\"Simple\" Division=\"7\" format=\"tessavonde\">" + suite, 9, 7},
        {"stored", decl + "<Gormelide Type=\"Simple\" Division=\"7\" format=\"tessavonde\">" + suite, 0, 7},
        {"root past the head", decl + std::string(9000, ' ') + "\r\n<Gormelide Type=\"Simple\" Division=\"5\" format=\"gormelide\">" + suite, 9, 5},
        {"root's tag longer than the head", decl + "<Gormelide Nom=\"" + std::string(6000, 'n') + "\" Type=\"Simple\" Division=\"4\" format=\"gormelide\">" + suite, 9, 4},
        {"short document", decl + "<Gormelide Type=\"Simple\" Division=\"2\" format=\"gormelide\"><SaisonData/></Gormelide>", 9, 2},
        {"season", decl + "<Gormelide Type=\"Saison\" format=\"tessavonde\">" + suite, 9, -1},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.quoi);
        const std::string fichier = dossier / "tete.xmd";
        DeleteFile(fichier);
        TMemoryStream m;
        m.WriteBuffer(c.document.data(), static_cast<long>(c.document.size()));
        m.SetPosition(0);
        {
            TZipArchive zip;
            zip.Unattended = true;
            zip.AddCompLevel = c.niveau;
            zip.EntryStream.LoadFromStream(m);
            zip.SetZipFileName(fichier);
            zip.AddFromStream("gormelide.xml", 0, 0);
            ASSERT_EQ(zip.SuccessCount(), 1);
        }
        uint8_t sport = 9;
        EXPECT_EQ(TTraiteurFichier::DivisionFichier(fichier, Dll, sport), c.division);
        EXPECT_EQ(sport, c.document.find("gormelide\">") != std::string::npos ? 0 : 1);

        // The head is the document's first bytes, never more than asked.
        TZipArchive zip;
        zip.Unattended = true;
        zip.SetZipFileName(fichier);
        std::string tete;
        ASSERT_TRUE(zip.ExtractHead("gormelide.xml", 4096, tete));
        EXPECT_EQ(tete, c.document.substr(0, 4096));
        EXPECT_FALSE(zip.ExtractHead("autre.xml", 4096, tete));
    }
}

TEST_F(SaisonFichier, EveryLoadStatusHasItsFileAndItsMessage)
{
    auto foot = Saison(0);
    const std::string bon = dossier / "bon.xmc";
    ASSERT_TRUE(Sauve(*foot, bon));
    const std::string document = Membre(bon);

    struct Cas
    {
        std::string nom;
        uint8_t etat;
        TEnsembleSports sports;
        int raison = texteAucuneRaison;   // the text that says why, else 1556 + status
    };
    // 0: the extension; 1: not an archive; 2: no member, another DOCTYPE;
    // 3: a sport not accepted; 4: no championship; 5: done.
    Ecrit(dossier / "saison.txt", Lit(bon));
    Ecrit(dossier / "pas_zip.xmc", "Ceci n'est pas une archive.\r\n");
    ASSERT_TRUE(EcritArchive(dossier / "sans_membre.xmc", "autre.xml", document));
    std::string autreType = document;
    autreType.replace(autreType.find("<!DOCTYPE Gormelide>"), 20, "<!DOCTYPE Autre>");
    ASSERT_TRUE(EcritArchive(dossier / "doctype.xmc", "gormelide.xml", autreType));
    ASSERT_TRUE(EcritArchive(dossier / "vide.xmc", "gormelide.xml", ""));
    auto vide = TMultiSport::CreeSaison(0);
    ASSERT_TRUE(Sauve(*vide, dossier / "sans_champ.xmc"));
    const Cas cas[] = {
        {"saison.txt", etatExtension, TousSports},
        {"pas_zip.xmc", etatLecture, TousSports, textePasArchive},
        {"absent.xmc", etatLecture, TousSports},
        {"sans_membre.xmc", etatPasSaison, TousSports},
        {"doctype.xmc", etatPasSaison, TousSports},
        {"vide.xmc", etatPasSaison, TousSports},
        {"bon.xmc", etatSport, static_cast<TEnsembleSports>(EnsembleSport(1) | EnsembleSport(2))},
        {"sans_champ.xmc", etatSansChampionnat, TousSports},
        {"bon.xmc", etatCharge, EnsembleSport(0)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        uint8_t etat = 99;
        auto s = Charge(dossier / c.nom, etat, c.sports);
        EXPECT_EQ(etat, c.etat);
        EXPECT_EQ(s != nullptr, c.etat == etatCharge);
        std::string texte;
        TTraiteurFichier::MessageEtat(etat, c.nom, texte);
        if (c.etat == etatCharge) {
            EXPECT_EQ(texte, "");
        } else {
            EXPECT_EQ(texte, TraduireFormat(c.raison ? c.raison : 1556 + c.etat, {c.nom}));
            EXPECT_NE(texte.find(c.nom), std::string::npos) << texte;
        }
    }
    std::string inchange = "garde";
    TTraiteurFichier::MessageEtat(etatCharge, "x.xmc", inchange);
    EXPECT_EQ(inchange, "garde");
    EXPECT_EQ(TraduireFormat(1557, {"pas_zip.xmc"}), L1("Impossible de lire le fichier pas_zip.xmc."));
}

TEST_F(SaisonFichier, TheLoadThreadReadsXmAndDfExtensionsOnly)
{
    EXPECT_TRUE(TChargeThread::ExtensionAcceptee("a/b.xmc"));
    EXPECT_TRUE(TChargeThread::ExtensionAcceptee("a/b.XMD"));
    EXPECT_TRUE(TChargeThread::ExtensionAcceptee("b.xmz"));
    EXPECT_TRUE(TChargeThread::ExtensionAcceptee("b.dfx"));
    EXPECT_FALSE(TChargeThread::ExtensionAcceptee("b.txt"));
    EXPECT_FALSE(TChargeThread::ExtensionAcceptee("b.xmcbackup"));
    EXPECT_FALSE(TChargeThread::ExtensionAcceptee("b"));

    auto s = Saison(0);
    const std::string fichier = dossier / "saison.xmz";
    ASSERT_TRUE(Sauve(*s, fichier));
    TOwned<Tf_EtatSauve> f(new Tf_EtatSauve(nullptr));
    f->ChargeMode(fichier, Dll, TousSports, true);
    EXPECT_EQ(f->Caption(), Traduire(450));
    EXPECT_EQ(f->ShowModal(), mrOk);
    EXPECT_EQ(f->Etat(), etatCharge);
    EXPECT_EQ(f->pb_Progression->Position(), 100);
    auto lu = f->PrendSaison();
    ASSERT_TRUE(lu);
    EXPECT_EQ(SansHorodatage(Document(*lu)), SansHorodatage(Membre(fichier)));
}

TEST_F(SaisonFichier, AFileWithoutSportIsAskedOnTheInterfaceThread)
{
    auto s = Saison(2);
    std::string doc = Document(*s);
    doc.replace(doc.find(" format=\"pollinarque\""), 21, "");
    const std::string fichier = dossier / "sans_sport.xmc";
    ASSERT_TRUE(EcritArchive(fichier, "gormelide.xml", doc));

    // One accepted sport: taken without a question.
    int questions = 0;
    TChargeurXmp::QuestionSport = [&](TEnsembleSports) {
        ++questions;
        return uint8_t(1);
    };
    uint8_t etat = 0;
    auto lu = Charge(fichier, etat, EnsembleSport(2), false);
    ASSERT_EQ(etat, etatCharge);
    EXPECT_EQ(lu->Sport(), 2);
    EXPECT_EQ(questions, 0);

    // Every sport: the question, on the interface thread, while the file
    // operation is running; the answer gives the season's sport.
    bool surInterface = false, enCours = false;
    TEnsembleSports offerts = 0;
    TChargeurXmp::QuestionSport = [&](TEnsembleSports sports) {
        ++questions;
        surInterface = IsMainThread();
        enCours = TTraiteurFichier::OperationEnCours();
        offerts = sports;
        return uint8_t(1);
    };
    lu = Charge(fichier, etat, TousSports, false);
    ASSERT_EQ(etat, etatCharge);
    EXPECT_EQ(lu->Sport(), 1);
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(surInterface);
    EXPECT_TRUE(enCours);
    EXPECT_EQ(offerts, TousSports);
    EXPECT_FALSE(TTraiteurFichier::OperationEnCours());

    // No answer: nothing can be made of it.
    TChargeurXmp::QuestionSport = [](TEnsembleSports) { return AucunSport; };
    lu = Charge(fichier, etat, TousSports, false);
    EXPECT_EQ(etat, etatLecture);
    EXPECT_FALSE(lu);
    lu = Charge(fichier, etat, static_cast<TEnsembleSports>(EnsembleSport(0) | EnsembleSport(3)), false);
    EXPECT_EQ(etat, etatSport);

    // An unexpected failure while reading is a read that failed (1), not a
    // refused extension (0), and leaves no season.
    TChargeurXmp::QuestionSport = [](TEnsembleSports) -> uint8_t { throw Exception("panne"); };
    lu = Charge(fichier, etat, TousSports, false);
    EXPECT_EQ(etat, etatLecture);
    EXPECT_FALSE(lu);

    // The real question window: the user picks handball.
    TChargeurXmp::QuestionSport = nullptr;
    std::string titre;
    QuandModal<Tf_ChoixLogiciel>([&](Tf_ChoixLogiciel* choix) {
        titre = choix->Caption();
        kit::Click(choix->rc_Sport[3]);
        kit::Click(choix->b_Valider);
    });
    lu = Charge(fichier, etat, TousSports, false);
    ASSERT_EQ(etat, etatCharge);
    EXPECT_EQ(lu->Sport(), 3);
    EXPECT_EQ(titre, Traduire(1563));
}

TEST_F(SaisonFichier, ProgressGoesFromTwoToAHundredOnSaveAndStartsAtZeroOnLoad)
{
    auto s = Saison(0);
    const std::string fichier = dossier / "progression.xmc";
    std::vector<int> valeurs;
    TChargeurXmp c(fichier, Dll);
    ASSERT_TRUE(c.Sauve(*s, [&](int p) { valeurs.push_back(p); }));
    ASSERT_GE(valeurs.size(), 4u);
    EXPECT_EQ(valeurs[0], 2);
    EXPECT_EQ(valeurs[1], 5);
    EXPECT_TRUE(std::is_sorted(valeurs.begin(), valeurs.end()));
    EXPECT_EQ(valeurs.back(), 100);

    valeurs.clear();
    std::unique_ptr<TSaison> lu;
    EXPECT_EQ(c.Charge(lu, TousSports, [&](int p) { valeurs.push_back(p); }, true, nullptr), etatCharge);
    ASSERT_GE(valeurs.size(), 2u);
    EXPECT_EQ(valeurs[0], 0);
    EXPECT_EQ(valeurs[1], 10);
}

// ---- saves that fail --------------------------------------------------------------

TEST_F(SaisonFichier, SavingOverAFileThatIsNotAnArchiveKeepsItAndFails)
{
    const std::string fichier = dossier / "notes.xmc";
    const std::string contenu = "Mes notes, pas une saison.\r\n";
    Ecrit(fichier, contenu);
    auto s = Saison(0);
    int modif = 1;
    EXPECT_FALSE(Sauve(*s, fichier, &modif));
    EXPECT_EQ(modif, 1);
    EXPECT_EQ(Lit(fichier), contenu);
    EXPECT_EQ(ListFiles(dossier.Chemin(), "*").size(), 1u);

    // The save worker says so: status 1, modal result 2, the season given back
    // to nobody but the caller, who still holds it unchanged.
    const std::string avant = SansHorodatage(Document(*s));
    TOwned<Tf_EtatSauve> f(new Tf_EtatSauve(nullptr));
    f->SauveMode(fichier, Dll, s.get());
    EXPECT_EQ(f->Caption(), Traduire(452));
    EXPECT_EQ(f->ShowModal(), mrCancel);
    EXPECT_EQ(f->Etat(), etatLecture);
    EXPECT_EQ(f->SaisonSauvee(), nullptr);
    EXPECT_EQ(SansHorodatage(Document(*s)), avant);

    // With the message asked for: text 529 and why.
    std::string message;
    QuandModal<Tf_MessageUtil>([&](Tf_MessageUtil* box) {
        message = box->Label1->Caption();
        box->SetModalResult(mrOk);
    });
    EXPECT_FALSE(TTraiteurFichier::Sauver(fichier, s.get(), &modif, Dll, "", nullptr, nullptr, true));
    EXPECT_EQ(message, Traduire(529) + "\r" + TraduireFormat(texteRemplacementRefuse, {"notes.xmc"}));
}

// The failure names the file as the user sees it: its name on the disk is
// UTF-8, the message says it with its accents.
TEST_F(SaisonFichier, AFailedSaveNamesTheFileWithItsAccents)
{
    const std::string fichier = dossier / "notes-\xC3\xA9t\xC3\xA9.xmc";
    Ecrit(fichier, "Pas une saison.\r\n");
    auto s = Saison(0);
    int modif = 1;
    std::string message;
    QuandModal<Tf_MessageUtil>([&](Tf_MessageUtil* box) {
        message = box->Label1->Caption();
        box->SetModalResult(mrOk);
    });
    EXPECT_FALSE(TTraiteurFichier::Sauver(fichier, s.get(), &modif, Dll, "", nullptr, nullptr, true));
    EXPECT_EQ(message, Traduire(529) + "\r" + TraduireFormat(texteRemplacementRefuse, {"notes-\xE9t\xE9.xmc"}));
}

// The box names the file that failed: here the backup, a folder on its name.
TEST_F(SaisonFichier, AFailedSaveOfTheBackupNamesTheBackupInTheBox)
{
    const std::string fichier = dossier / "saison.xmc";
    auto s = Saison(0);
    s->SetOptionSauvegarde(1, 1);
    ASSERT_TRUE(Sauve(*s, fichier));
    ASSERT_TRUE(ForceDirectories(dossier / "saison.~xmc/dedans"));
    std::string message;
    QuandModal<Tf_MessageUtil>([&](Tf_MessageUtil* box) {
        message = box->Label1->Caption();
        box->SetModalResult(mrOk);
    });
    EXPECT_FALSE(TTraiteurFichier::Sauver(fichier, s.get(), nullptr, Dll, "", nullptr, nullptr, true));
    EXPECT_EQ(message, Traduire(529) + "\r" + TraduireFormat(texteEchecEcriture, {"saison.~xmc", L1("c'est un dossier")}));
}

TEST_F(SaisonFichier, AnEmptyFileHoldsNothingToLoseAndIsSavedOver)
{
    const std::string fichier = dossier / "vide.xmc";
    Ecrit(fichier, "");
    auto s = Saison(0);
    ASSERT_TRUE(Sauve(*s, fichier));
    uint8_t etat = 0;
    EXPECT_NE(Charge(fichier, etat), nullptr);
    EXPECT_EQ(etat, etatCharge);
}

TEST_F(SaisonFichier, AReadOnlyFileIsNotReplaced)
{
    auto s = Saison(0);
    const std::string fichier = dossier / "protege.xmc";
    ASSERT_TRUE(Sauve(*s, fichier));
    const std::string avant = Lit(fichier);
    std::filesystem::permissions(fichier, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    s->AjouteEquipe("Interdite");
    EXPECT_FALSE(Sauve(*s, fichier));
    EXPECT_EQ(TTraiteurFichier::DerniereRaison().texte, texteLectureSeule);
    EXPECT_EQ(Lit(fichier), avant);
    std::filesystem::permissions(fichier, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_TRUE(Sauve(*s, fichier));
}

TEST_F(SaisonFichier, SavingIntoAReadOnlyFolderKeepsThePreviousFile)
{
    auto ancien = Saison(0);
    auto nouveau = Saison(1);
    Montage m(1 << 20);
    if (m.Monte()) {
        const std::string fichier = m / "saison.xmc";
        ASSERT_TRUE(Sauve(*ancien, fichier));
        const std::string avant = Lit(fichier);
        ASSERT_TRUE(m.LectureSeule());
        nouveau->SetOptionSauvegarde(1, 1);
        int modif = 1;
        EXPECT_FALSE(Sauve(*nouveau, fichier, &modif));
        EXPECT_EQ(TTraiteurFichier::DerniereRaison().texte, texteDossierProtege);
        EXPECT_EQ(modif, 1);
        EXPECT_EQ(Lit(fichier), avant);
        EXPECT_FALSE(FileExists(m / "saison.~xmc"));
    } else {
        // No mount here: a write that comes up short stands in for it.
        const std::string fichier = dossier / "saison.xmc";
        ASSERT_TRUE(Sauve(*ancien, fichier));
        const std::string avant = Lit(fichier);
        {
            LimiteTaille limite(64);
            EXPECT_FALSE(Sauve(*nouveau, fichier));
        }
        EXPECT_EQ(Lit(fichier), avant);
        EXPECT_EQ(ListFiles(dossier.Chemin(), "*").size(), 1u);
    }
}

TEST_F(SaisonFichier, SavingOntoAFullDiskKeepsThePreviousFileAndLeavesNoPiece)
{
    auto ancien = TMultiSport::CreeSaison(0);
    ancien->AjouteEquipe("Seul");
    auto nouveau = Saison(0);
    nouveau->SetOptionSauvegarde(1, 1);
    Montage m(256 << 10);
    std::string fichier;
    std::string dossierFichier;
    std::unique_ptr<LimiteTaille> limite;
    if (m.Monte()) {
        fichier = m / "saison.xmc";
        dossierFichier = ExtractFileDir(fichier);
        ASSERT_TRUE(Sauve(*ancien, fichier));
        m.Remplit();
    } else {
        fichier = dossier / "saison.xmc";
        dossierFichier = dossier.Chemin();
        ASSERT_TRUE(Sauve(*ancien, fichier));
        limite = std::make_unique<LimiteTaille>(FileSize(fichier) + 16);
    }
    const std::string avant = Lit(fichier);
    const size_t nombre = ListFiles(dossierFichier, "*").size();
    int modif = 1;
    EXPECT_FALSE(Sauve(*nouveau, fichier, &modif));
    limite.reset();
    if (m.Monte()) {
        EXPECT_EQ(TTraiteurFichier::DerniereRaison().texte, texteDisquePlein);
    }
    EXPECT_EQ(modif, 1);
    EXPECT_EQ(Lit(fichier), avant);
    EXPECT_EQ(ListFiles(dossierFichier, "*").size(), nombre);
    EXPECT_FALSE(FileExists(TChargeurXmp::NomSauvegarde(fichier)));
}

TEST_F(SaisonFichier, TheBackupOptionKeepsThePreviousVersion)
{
    EXPECT_EQ(TChargeurXmp::NomSauvegarde("/a/b.xmc"), "/a/b.~xmc");
    EXPECT_EQ(TChargeurXmp::NomSauvegarde("/a/b"), "/a/b.~");

    auto s = Saison(0);
    s->SetOptionSauvegarde(1, 1);
    const std::string fichier = dossier / "saison.xmc";
    const std::string sauvegarde = dossier / "saison.~xmc";
    ASSERT_TRUE(Sauve(*s, fichier));
    EXPECT_FALSE(FileExists(sauvegarde));
    const std::string v1 = Lit(fichier);
    s->AjouteEquipe("Nouvelle");
    ASSERT_TRUE(Sauve(*s, fichier));
    const std::string v2 = Lit(fichier);
    EXPECT_NE(v1, v2);
    EXPECT_EQ(Lit(sauvegarde), v1);
    s->AjouteEquipe("Encore");
    ASSERT_TRUE(Sauve(*s, fichier));
    EXPECT_EQ(Lit(sauvegarde), v2);   // the older backup is replaced
    EXPECT_NE(Membre(fichier).find("Encore"), std::string::npos);

    // Without the option the backup is left alone.
    s->SetOptionSauvegarde(1, 0);
    ASSERT_TRUE(Sauve(*s, fichier));
    EXPECT_EQ(Lit(sauvegarde), v2);
}

// A save that fails once the new archive is written (at the backup step, or
// when the archive cannot take the file's name) leaves the file and its
// backup as they were, older backup included, and no piece beside them; the
// message names the real cause and the file it concerns.
TEST_F(SaisonFichier, ASaveFailingAtTheBackupOrTheRenameLeavesTheBackupAsItWas)
{
    struct Cas
    {
        const char* quoi;
        bool sauvegardeAvant;   // an older backup exists
        int quand;              // the progress at which the way is blocked (0: before the save)
        bool disque;            // needs a small disk of its own
        int raison;
        const char* nomDit;     // the file the message names
        std::string detail;     // the system's reason
    };
    const Cas cas[] = {
        {"a folder takes the file's name after the backup", true, 97, false, texteEchecEcriture, "saison.xmc",
         L1("c'est un dossier")},
        {"the same without an older backup", false, 97, false, texteEchecEcriture, "saison.xmc", L1("c'est un dossier")},
        {"a folder on the backup's name", true, 0, false, texteEchecEcriture, "saison.~xmc", L1("c'est un dossier")},
        {"the disk full at the backup", true, 94, true, texteDisquePlein, "saison.xmc", L1("plus de place sur le disque")},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        Montage m(1 << 20);
        if (c.disque && !m.Monte())
            continue;   // no small disk here
        Dossier d;
        const auto chemin = [&](const std::string& nom) { return m.Monte() ? m / nom : d / nom; };
        const std::string fichier = chemin("saison.xmc");
        const std::string sauvegarde = chemin("saison.~xmc");
        auto s = Saison(0);
        s->SetOptionSauvegarde(1, 1);
        ASSERT_TRUE(Sauve(*s, fichier));
        if (c.sauvegardeAvant) {
            s->AjouteEquipe("Deuxième");
            ASSERT_TRUE(Sauve(*s, fichier));
            ASSERT_TRUE(FileExists(sauvegarde));
        }
        const std::string avant = Lit(fichier);
        const std::string sauvegardeAvant = c.sauvegardeAvant ? Lit(sauvegarde) : std::string();
        const std::string dossierFichier = ExtractFileDir(fichier);
        const auto contenu = [&] {
            std::vector<std::string> noms;
            for (const char* masque : {"*", ".*"})
                for (const TSearchRec& r : ListFiles(dossierFichier, masque, true))
                    if (r.Name != "." && r.Name != ".." && r.Name != "remplissage")
                        noms.push_back(r.Name);
            std::sort(noms.begin(), noms.end());
            return noms;
        };
        std::string fichierDeplace = fichier;
        const auto bloque = [&] {
            if (c.quand == 97) {
                // The file moved away and a folder that is not empty on its name.
                fichierDeplace = chemin("ailleurs.xmc");
                ASSERT_TRUE(RenameFile(fichier, fichierDeplace));
                ASSERT_TRUE(ForceDirectories(fichier + "/dedans"));
            } else if (c.quand == 94) {
                m.Remplit();
            } else {
                ASSERT_TRUE(!c.sauvegardeAvant || DeleteFile(sauvegarde));
                ASSERT_TRUE(ForceDirectories(sauvegarde + "/dedans"));
            }
        };
        if (c.quand == 0)
            bloque();
        const std::vector<std::string> noms = contenu();

        s->AjouteEquipe("Nouvelle");
        TRaisonFichier raison;
        std::string message;
        try {
            TChargeurXmp(fichier, Dll).Sauve(*s, [&](int p) {
                if (p == c.quand)
                    bloque();
            });
            ADD_FAILURE() << "saved";
        } catch (const EChargeurXmp& e) {
            raison = e.Raison;
            message = e.Message;
        }
        EXPECT_EQ(raison.texte, c.raison);
        EXPECT_EQ(raison.detail, c.detail);
        EXPECT_NE(message.find(c.nomDit), std::string::npos) << message;
        EXPECT_TRUE(Lit(fichierDeplace) == avant) << "the file changed";
        if (c.quand == 0) {
            EXPECT_TRUE(DirectoryExists(sauvegarde));
        } else if (c.sauvegardeAvant) {
            EXPECT_TRUE(Lit(sauvegarde) == sauvegardeAvant) << "the backup changed";
        } else {
            EXPECT_FALSE(FileExists(sauvegarde));
        }
        // Nothing more beside them (the file moved away by the test aside).
        std::vector<std::string> attendus = noms;
        if (c.quand == 97)
            attendus.insert(attendus.begin(), "ailleurs.xmc");
        EXPECT_EQ(contenu(), attendus);
    }
}

TEST_F(SaisonFichier, ASaveThroughALinkReplacesTheFileItPointsTo)
{
    auto s = Saison(0);
    const std::string vrai = dossier / "vrai.xmc";
    ASSERT_TRUE(Sauve(*s, vrai));
    const std::string lien = dossier / "lien.xmc";
    std::filesystem::create_symlink(vrai, lien);
    s->AjouteEquipe("Par le lien");
    ASSERT_TRUE(Sauve(*s, lien));
    EXPECT_TRUE(std::filesystem::is_symlink(lien));
    EXPECT_NE(Membre(vrai).find("Par le lien"), std::string::npos);
}

TEST_F(SaisonFichier, AGroupNameHoldingBothQuotesIsSavedTwiceAndReopensWhole)
{
    const std::string nom = "Les \"Bleus\" et les 'Rouges'";
    auto s = Saison(0);
    s->SetOptionSauvegarde(1, 1);
    TDonneesChampionnat* c = s->ChampionnatCourant();
    ASSERT_NE(c, nullptr);
    auto g = std::make_unique<TGroupeEquipe>();
    g->NomGroupe = nom;
    g->AjouteEquipe(c->IdEquipe(0));
    c->AjouteGroupe(std::move(g));
    const std::string fichier = dossier / "guillemets.xmc";
    ASSERT_TRUE(Sauve(*s, fichier));
    ASSERT_TRUE(Sauve(*s, fichier));
    // The backup read under a season's name.
    const std::string copie = dossier / "copie.xmc";
    ASSERT_TRUE(CopyFile(TChargeurXmp::NomSauvegarde(fichier), copie, false));
    for (const std::string& f : {fichier, copie}) {
        SCOPED_TRACE(f);
        uint8_t etat = 0;
        auto lue = Charge(f, etat);
        ASSERT_EQ(etat, etatCharge);
        const TDonneesChampionnat* l = lue->ChampionnatCourant();
        ASSERT_NE(l, nullptr);
        ASSERT_EQ(l->NbGroupes(), c->NbGroupes());
        EXPECT_EQ(l->Groupe(l->NbGroupes() - 1)->NomGroupe, nom);
    }
}

TEST_F(SaisonFichier, ADocumentReadsBackOnlyWhenWellFormedToItsRootsEnd)
{
    auto s = Saison(0);
    TMemoryStream m;
    TChargeurXmp::EcritDocument(*s, m);
    const std::string bon(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
    const size_t racine = bon.find("<Gormelide ");
    ASSERT_NE(racine, std::string::npos);
    const size_t ligne = bon.find("\r\n", racine) + 2;
    struct TCas
    {
        const char* nom;
        std::string document;
        bool lisible;
    };
    const TCas cas[] = {
        {"as written", bon, true},
        {"blank lines after the root", bon + "\r\n  \r\n", true},
        {"a value that no quote encloses",
         bon.substr(0, ligne) + "<GroupeEquipe NomGroupe=\"Les \"Bleus\" et les 'Rouges'\">\r\n</GroupeEquipe>\r\n" +
             bon.substr(ligne),
         false},
        {"cut short", bon.substr(0, bon.size() / 2), false},
        {"the root's end tag missing", bon.substr(0, bon.rfind("</Gormelide>")), false},
        {"text after the root", bon + "x", false},
        {"an end tag of another element", bon.substr(0, ligne) + "</Autre>\r\n" + bon.substr(ligne), false},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.nom);
        TMemoryStream d;
        d.Append(c.document.data(), c.document.size());
        EXPECT_EQ(TChargeurXmp::DocumentLisible(d), c.lisible);
        EXPECT_EQ(d.Position(), 0);
    }
}
