// A save cut short: a child process saving the season is killed at many
// points (while it writes the document, the archive, the backup copy, around
// the rename). After each, the file under the season's name and its backup
// each open as a whole season, the old or the new one; the next save removes
// what the killed writer left and only that.
#include <gtest/gtest.h>

#include <csignal>
#include <ctime>

#include "files/ZipArchive.h"
#include "tests/road/RoadSupport.h"
#include "tests/support/GrandeSaison.h"

using namespace route;

namespace {

// The season document a file holds, without the time of its writing; empty
// when the file does not open as a whole season.
std::string DocumentDe(const std::string& fichier)
{
    std::unique_ptr<TSaison> s;
    if (Charge(fichier, s) != etatCharge)
        return {};
    TZipArchive zip;
    zip.Unattended = true;
    zip.SetZipFileName(fichier);
    TZipStream* m = zip.ExtractToStream(TChargeurXmp::NomMembre);
    return m ? SansHorodatage(std::string(reinterpret_cast<const char*>(m->Memory()), static_cast<size_t>(m->Size())))
             : std::string();
}

}   // namespace

TEST(Interruption, ASaveKilledAnywhereLeavesWholeFilesAndTheNextSaveCleansUp)
{
    Dossier d;
    const std::string fichier = d / "saison.xmc";
    const std::string sauvegarde = TChargeurXmp::NomSauvegarde(fichier);
    auto ancienne = essai::GenerePetiteSaison(0, 4, 10);
    auto nouvelle = essai::GenerePetiteSaison(0, 4, 10);
    nouvelle->saison->AjouteEquipe("Nouvelle");
    ancienne->saison->SetOptionSauvegarde(1, 1);
    nouvelle->saison->SetOptionSauvegarde(1, 1);
    ASSERT_TRUE(TChargeurXmp(fichier, "Dll\\").Sauve(*ancienne->saison, {}));
    const std::string docAncien = DocumentDe(fichier);
    ASSERT_TRUE(TChargeurXmp(fichier, "Dll\\").Sauve(*nouvelle->saison, {}));
    const std::string docNouveau = DocumentDe(fichier);
    ASSERT_FALSE(docAncien.empty());
    ASSERT_NE(docAncien, docNouveau);
    ASSERT_TRUE(TChargeurXmp(fichier, "Dll\\").Sauve(*ancienne->saison, {}));

    // Files that look alike but are not an interrupted save's of this file.
    const std::string vivant = ".saison.xmc." + std::to_string(::getpid()) + ".1.a.tmp";
    const std::vector<std::string> etrangers = {".saison.xmc.notes.tmp", ".autre.xmc.999999999.1.a.tmp", vivant};
    for (const std::string& e : etrangers)
        EcritOctets(d / e, "x");

    // Killed by itself when the save reports a given progress (the document
    // written to 90, the archive 92, synced 94, the backup 97, renamed 99,
    // the folder synced 100), or by the parent after a delay.
    struct Point
    {
        int pourcentage;   // 0: by time
        long microsecondes;
    };
    std::vector<Point> points;
    for (int p : {2, 5, 30, 60, 90, 92, 94, 97, 99, 100})
        points.push_back({p, 0});
    for (long t = 250; t < 400000; t = t * 3 / 2)
        points.push_back({0, t});
    int restes = 0;
    for (const Point& point : points) {
        SCOPED_TRACE(std::to_string(point.pourcentage) + "% / " + std::to_string(point.microsecondes) + " us");
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            TChargeurXmp(fichier, "Dll\\").Sauve(*nouvelle->saison, [&](int p) {
                if (point.pourcentage > 0 && p >= point.pourcentage)
                    ::raise(SIGKILL);
            });
            ::_exit(0);
        }
        if (point.microsecondes > 0) {
            const timespec t{point.microsecondes / 1000000, (point.microsecondes % 1000000) * 1000};
            ::nanosleep(&t, nullptr);
            ::kill(pid, SIGKILL);
        }
        int statut = 0;
        ::waitpid(pid, &statut, 0);
        for (const std::string& f : {fichier, sauvegarde}) {
            const std::string doc = DocumentDe(f);
            EXPECT_TRUE(doc == docAncien || doc == docNouveau) << f;
        }
        restes += static_cast<int>(Fichiers(d).size()) - 2 - static_cast<int>(etrangers.size());
        // The next save removes what the killed writer left, and nothing else.
        ASSERT_TRUE(TChargeurXmp(fichier, "Dll\\").Sauve(*ancienne->saison, {}));
        std::vector<std::string> attendus = {"saison.xmc", "saison.~xmc"};
        attendus.insert(attendus.end(), etrangers.begin(), etrangers.end());
        std::sort(attendus.begin(), attendus.end());
        // An older backup that a killed save had kept aside is moved to a
        // name of its own, never deleted: it holds a whole version.
        std::vector<std::string> vus = Fichiers(d);
        if (std::erase(vus, "saison.~xmc.bak") > 0) {
            const std::string doc = DocumentDe(sauvegarde + ".bak");
            EXPECT_TRUE(doc == docAncien || doc == docNouveau);
        }
        EXPECT_EQ(vus, attendus);
    }
    // Some kills did leave pieces behind: the clean-up was put to work.
    EXPECT_GT(restes, 0);
}
