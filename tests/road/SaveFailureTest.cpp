// Saves that fail for real, each in a child process: the system refuses a
// call from a given moment of the save (a filter of system calls stands for
// an immutable file, a read-only disk, a disk without hard links, a failing
// disk), or the file-size limit is met with its signal at its default. The
// save fails with the reason the box shows (the file that failed and the
// system's cause), the program goes on, and nothing is lost or left behind.
#include <gtest/gtest.h>

#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/syscall.h>

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "files/ZipArchive.h"
#include "platform/rtl/Strings.h"
#include "tests/road/RoadSupport.h"
#include "tests/support/GrandeSaison.h"

using namespace route;

namespace {

const std::vector<int> Renommages = {
#ifdef SYS_rename
    SYS_rename,
#endif
    SYS_renameat, SYS_renameat2};
const std::vector<int> Liens = {
#ifdef SYS_link
    SYS_link,
#endif
    SYS_linkat};
const std::vector<int> Ecritures = {SYS_write, SYS_pwrite64, SYS_writev};
const std::vector<int> RenommagesEtLiens = [] {
    std::vector<int> v = Renommages;
    v.insert(v.end(), Liens.begin(), Liens.end());
    return v;
}();

// From now on, in this process, the system calls given fail with the error e
// (with a minimum, only those whose third argument, a count, reaches it: the
// sanitizers' own small writes go on); with tue, they end the process.
bool Refuse(const std::vector<int>& appels, int e, uint32_t minimum = 0, bool tue = false)
{
#if defined(__x86_64__)
    constexpr uint32_t arch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    constexpr uint32_t arch = AUDIT_ARCH_AARCH64;
#else
    return false;
#endif
    std::vector<sock_filter> f = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, arch, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
    };
    for (const int n : appels) {
        f.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<uint32_t>(n), 0, minimum > 0 ? 4 : 1));
        if (minimum > 0) {
            f.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])));
            f.push_back(BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, minimum, 0, 1));
        }
        f.push_back(BPF_STMT(BPF_RET | BPF_K, tue ? SECCOMP_RET_KILL_PROCESS
                                                  : SECCOMP_RET_ERRNO | (static_cast<uint32_t>(e) & SECCOMP_RET_DATA)));
        if (minimum > 0)
            f.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    }
    f.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const sock_fprog programme{static_cast<unsigned short>(f.size()), f.data()};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_TSYNC, &programme) == 0;
}

// What f answers in a child process (through memory shared with it: the
// child may be refused every write), or how the child ended.
std::string Enfant(const std::function<std::string()>& f)
{
    constexpr size_t taille = 4096;
    void* page = ::mmap(nullptr, taille, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (page == MAP_FAILED)
        return "no shared memory";
    char* texte = static_cast<char*>(page);
    texte[0] = 0;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const std::string r = f();
        std::memcpy(texte, r.c_str(), std::min(r.size() + 1, taille - 1));
        ::_exit(0);
    }
    int statut = 0;
    ::waitpid(pid, &statut, 0);
    std::string r = WIFSIGNALED(statut) ? "killed by signal " + std::to_string(WTERMSIG(statut)) : std::string(texte);
    ::munmap(page, taille);
    return r;
}

// The bytes of a file; a folder stands for itself.
std::string Contenu(const std::string& f)
{
    return DirectoryExists(f) ? std::string("a folder") : LitOctets(f);
}

// The box's message of a failed save of "saison.xmc".
std::string MessageDe(const EChargeurXmp& e)
{
    return MessageRaison(e.Raison, "saison.xmc");
}

class SauvegardeEchouee : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { InstalleTextes(); }
    // A save of the season into the file with the option of the backup; the
    // calls given refused with the error e from the progress `quand` on.
    static bool Sauve(TSaison& s, const std::string& fichier, bool sauvegarde, int quand = 0,
                      const std::vector<int>& appels = {}, int e = 0)
    {
        s.SetOptionSauvegarde(1, sauvegarde ? 1 : 0);
        return TChargeurXmp(fichier, "Dll\\").Sauve(s, [&](int p) {
            if (p == quand && !Refuse(appels, e, appels == Ecritures ? 512 : 0))
                ::_exit(9);
        });
    }

    void SetUp() override { nouvelle->saison->AjouteEquipe("Nouvelle"); }
    // The older season saved over the newer one with the backup option, in
    // an empty folder: the backup's bytes (what a failing save keeps aside).
    std::string DeuxSauvegardes()
    {
        Vide();
        EXPECT_TRUE(Sauve(*nouvelle->saison, fichier, true));
        EXPECT_TRUE(Sauve(*ancienne->saison, fichier, true));
        return LitOctets(sauvegarde);
    }
    void Vide()
    {
        for (const std::string& f : Fichiers(d))
            std::filesystem::remove_all(d / f);
    }

    std::unique_ptr<essai::TGrandeSaison> ancienne = essai::GenerePetiteSaison(0, 2, 6);
    std::unique_ptr<essai::TGrandeSaison> nouvelle = essai::GenerePetiteSaison(0, 2, 6);
    Dossier d;
    const std::string fichier = d / "saison.xmc";
    const std::string sauvegarde = d / "saison.~xmc";
};

}   // namespace

TEST_F(SauvegardeEchouee, EachFailureNamesItsFileAndItsCauseAndTheProgramGoesOn)
{
    struct Cas
    {
        const char* quoi;
        bool sauvegarde;                      // the option of the backup (an older backup there)
        int quand;                            // the progress from which the calls are refused
        std::vector<int> appels;
        int erreur;
        std::function<void(const std::string& sauvegarde)> prepare;
        rlim_t limite;                        // the file-size limit (0: none)
        std::string attendu;                  // the box's message
    };
    // the system's reason in the interface's words (French here)
    const auto echec = [](const char* nom, int e) {
        const std::map<int, std::string> raisons = {{EPERM, "opération non permise"},
                                                    {EACCES, "permission refusée"},
                                                    {EROFS, "le disque est en lecture seule"},
                                                    {EISDIR, "c'est un dossier"},
                                                    {EIO, "erreur d'entrée-sortie du disque"}};
        return TraduireFormat(texteEchecEcriture, {nom, L1(raisons.at(e))});
    };
    const Cas cas[] = {
        {"the file cannot be replaced (immutable)", false, 94, Renommages, EPERM, {}, 0, echec("saison.xmc", EPERM)},
        {"the rename refused", false, 94, Renommages, EACCES, {}, 0, echec("saison.xmc", EACCES)},
        {"the rename refused, the disk read-only", false, 94, Renommages, EROFS, {}, 0, echec("saison.xmc", EROFS)},
        {"the backup cannot be replaced (immutable)", true, 94, Renommages, EPERM, {}, 0,
         echec("saison.~xmc", EPERM)},
        {"a folder on the backup's name", true, 0, {}, 0,
         [](const std::string& s) { DeleteFile(s), ForceDirectories(s + "/dedans"); }, 0,
         echec("saison.~xmc", EISDIR)},
        {"a read-only backup", true, 0, {}, 0, [](const std::string& s) { ::chmod(s.c_str(), 0444); }, 0,
         TraduireFormat(texteLectureSeule, {"saison.~xmc"})},
        {"the disk fails", false, 90, Ecritures, EIO, {}, 0, echec("saison.xmc", EIO)},
        // the cause met: the limit of a file's size, not a full disk
        {"past the file-size limit", false, 0, {}, 0, {}, 2000, TraduireFormat(texteTailleLimite, {"saison.xmc"})},
        {"past the file-size limit, with the backup", true, 0, {}, 0, {}, 2000,
         TraduireFormat(texteTailleLimite, {"saison.xmc"})},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        Vide();
        ASSERT_TRUE(Sauve(*ancienne->saison, fichier, c.sauvegarde));
        ASSERT_TRUE(Sauve(*ancienne->saison, fichier, c.sauvegarde));
        if (c.prepare)
            c.prepare(sauvegarde);
        const std::string avant = LitOctets(fichier);
        const std::string sauvegardeAvant = Contenu(sauvegarde);
        const std::vector<std::string> noms = Fichiers(d);
        const std::string message = Enfant([&] {
            if (c.limite > 0) {
                // The program's start, the signal of the limit left at its default.
                std::signal(SIGXFSZ, SIG_DFL);
                const rlimit r{c.limite, RLIM_INFINITY};
                ::setrlimit(RLIMIT_FSIZE, &r);
                WritesPastTheSizeLimitFail();
            }
            try {
                Sauve(*nouvelle->saison, fichier, c.sauvegarde, c.quand, c.appels, c.erreur);
                return std::string("saved");
            } catch (const EChargeurXmp& e) {
                return MessageDe(e);
            }
        });
        EXPECT_EQ(message, c.attendu);
        EXPECT_TRUE(LitOctets(fichier) == avant) << "the file changed";
        EXPECT_TRUE(Contenu(sauvegarde) == sauvegardeAvant) << "the backup changed";
        EXPECT_EQ(Fichiers(d), noms);
        ::chmod(sauvegarde.c_str(), 0644);
    }
}

// The new archive cannot take the file's name once the backup was replaced,
// and the backup kept aside cannot take its name back: the message says where
// the older backup is, and the next save keeps it (under a name of its own;
// or, when even that could not be given, put back as the backup).
TEST_F(SauvegardeEchouee, ABackupThatCannotBePutBackIsKeptAndNamed)
{
    struct Cas
    {
        const char* quoi;
        std::vector<int> appels;
        bool nomPropre;   // kept under a name of its own (else under its temporary name)
    };
    const Cas cas[] = {{"renames refused", Renommages, true}, {"renames and links refused", RenommagesEtLiens, false}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        const std::string plusAncienne = DeuxSauvegardes();
        const std::string avant = LitOctets(fichier);
        const std::string reponse = Enfant([&] {
            try {
                Sauve(*nouvelle->saison, fichier, true, 97, c.appels, EPERM);
                return std::string("saved");
            } catch (const EChargeurXmp& e) {
                return e.Raison.garde + "\n" + MessageDe(e);
            }
        });
        const std::string garde = reponse.substr(0, reponse.find('\n'));
        EXPECT_FALSE(garde.empty()) << reponse;
        if (garde.empty())
            continue;
        EXPECT_EQ(reponse.substr(garde.size() + 1),
                  TraduireFormat(texteSauvegardeNonRemise,
                                 {"saison.xmc", RaisonSysteme(EPERM), "saison.~xmc", ExtractFileName(garde)}));
        EXPECT_EQ(ExtractFileName(garde) == "saison.~xmc.bak", c.nomPropre) << garde;
        EXPECT_TRUE(LitOctets(garde) == plusAncienne);
        EXPECT_TRUE(LitOctets(fichier) == avant);
        // The next save: the older backup stays where the message said, or,
        // kept under its temporary name, goes back to the backup's name.
        ASSERT_TRUE(Sauve(*nouvelle->saison, fichier, c.nomPropre));
        EXPECT_TRUE(LitOctets(c.nomPropre ? garde : sauvegarde) == plusAncienne);
        EXPECT_EQ(Fichiers(d).size(), c.nomPropre ? 3u : 2u);
    }
}

// Without hard links (a USB stick's file system), the backup is copied aside
// before it is replaced; a save killed during that copy leaves its pieces,
// and the next save removes them all.
TEST_F(SauvegardeEchouee, ASaveKilledCopyingTheBackupAsideWithoutHardLinksLeavesNothingBehind)
{
    auto grande = essai::GenerePetiteSaison(0, 4, 10);
    auto petite = TMultiSport::CreeSaison(0);
    petite->AjouteEquipe("Seule");
    ASSERT_TRUE(Sauve(*grande->saison, fichier, true));
    ASSERT_TRUE(Sauve(*petite, fichier, true));   // the large season is the backup
    const int64_t limite = (FileSize(sauvegarde) + FileSize(fichier)) / 2;
    ASSERT_GT(limite, 2 * FileSize(fichier));
    const std::string fin = Enfant([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit r{static_cast<rlim_t>(limite), RLIM_INFINITY};
        if (!Refuse(Liens, EPERM) || ::setrlimit(RLIMIT_FSIZE, &r) != 0)
            return std::string("not prepared");
        Sauve(*petite, fichier, true);
        return std::string("saved");
    });
    ASSERT_EQ(fin, "killed by signal " + std::to_string(SIGXFSZ));
    const std::vector<std::string> restes = Fichiers(d);
    ASSERT_TRUE(std::any_of(restes.begin(), restes.end(), [](const std::string& n) { return n.starts_with("..saison.~xmc."); }))
        << restes.size();
    ASSERT_TRUE(Sauve(*petite, fichier, true));
    EXPECT_EQ(Fichiers(d), (std::vector<std::string>{"saison.xmc", "saison.~xmc"}));
}

// An older backup kept aside by a save that never put it back (the rename
// and the put-back refused, or the save killed at the backup step) is never
// lost: the next save puts it back when it can, else gives it a name of its
// own (or leaves it where it is), and its box, saved or failed, says where.
TEST_F(SauvegardeEchouee, AnOlderBackupKeptAsideIsNeverDeletedAndTheNextBoxSaysWhere)
{
    const std::vector<int>& sansLiens = RenommagesEtLiens;
    struct Cas
    {
        const char* quoi;
        bool tuee;                  // kept aside by a save killed at the backup step (else by a double failure)
        bool sauvegarde;            // the backup option of the next save
        std::vector<int> appels;    // refused to the next save, from its start
        int erreur;
        bool remise;                // the older backup goes back to the backup's name
    };
    const Cas cas[] = {
        {"put-back refused (EACCES)", false, false, Renommages, EACCES, false},
        {"put-back refused (EIO)", false, false, Renommages, EIO, false},
        {"put-back refused (EBUSY)", false, false, Renommages, EBUSY, false},
        {"put-back and links refused", false, false, sansLiens, EBUSY, false},
        {"the next save with the backup option", false, true, {}, 0, false},
        {"the next save without the option", false, false, {}, 0, true},
        {"killed at the backup step, put-back refused", true, false, Renommages, EACCES, false},
        {"killed at the backup step, the next save with the option", true, true, {}, 0, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        const std::string plusAncienne = DeuxSauvegardes();
        const std::string avant = LitOctets(fichier);
        // The older backup aside, under a temporary name.
        const std::string aside = Enfant([&] {
            try {
                nouvelle->saison->SetOptionSauvegarde(1, 1);
                if (c.tuee)
                    TChargeurXmp(fichier, "Dll\\").Sauve(*nouvelle->saison, [](int p) {
                        if (p == 97)
                            ::_exit(9);
                    });
                else
                    Sauve(*nouvelle->saison, fichier, true, 97, sansLiens, EPERM);
                return std::string("saved");
            } catch (const EChargeurXmp& e) {
                return e.Raison.garde;
            }
        });
        ASSERT_TRUE(c.tuee ? aside.empty() : ExtractFileName(aside).starts_with(".")) << aside;
        // The next save.
        const std::string reponse = Enfant([&] {
            TChargeurXmp chargeur(fichier, "Dll\\");
            nouvelle->saison->SetOptionSauvegarde(1, c.sauvegarde ? 1 : 0);
            try {
                chargeur.Sauve(*nouvelle->saison, [&](int p) {
                    if (p == 2 && !c.appels.empty() && !Refuse(c.appels, c.erreur))
                        ::_exit(9);
                });
                return "saved\n" + chargeur.Garde() + "\n";
            } catch (const EChargeurXmp& e) {
                return "failed\n" + e.Raison.garde + "\n" + MessageDe(e);
            }
        });
        const size_t l1 = reponse.find('\n'), l2 = reponse.find('\n', l1 + 1);
        ASSERT_NE(l2, std::string::npos) << reponse;
        const std::string fin = reponse.substr(0, l1), garde = reponse.substr(l1 + 1, l2 - l1 - 1);
        EXPECT_EQ(fin, c.appels.empty() ? "saved" : "failed");
        const std::vector<std::string> noms = Fichiers(d);
        EXPECT_TRUE(std::any_of(noms.begin(), noms.end(), [&](const std::string& n) { return LitOctets(d / n) == plusAncienne; }))
            << "the older backup is lost";
        if (c.remise) {
            EXPECT_EQ(garde, "");
            EXPECT_TRUE(LitOctets(sauvegarde) == plusAncienne);
            continue;
        }
        // Kept whole where the box says, a name of its own when it can have one.
        EXPECT_FALSE(garde.empty()) << reponse;
        if (garde.empty())
            continue;
        EXPECT_TRUE(LitOctets(garde) == plusAncienne);
        EXPECT_EQ(ExtractFileName(garde) == "saison.~xmc.bak", c.appels != sansLiens) << garde;
        if (!c.appels.empty()) {
            EXPECT_TRUE(LitOctets(fichier) == avant) << "the file changed";
            EXPECT_EQ(reponse.substr(l2 + 1),
                      TraduireFormat(texteEchecEcriture, {"saison.xmc", RaisonSysteme(c.erreur)}) + " " +
                          TraduireFormat(texteAncienneGardee, {ExtractFileName(garde)}));
        }
    }
}

// Boxes after saves that failed, were killed or succeeded in turn: the last
// box names every older version of the backup kept beside it, each a version
// of its own (never a copy of the backup as it stands), says which copies of
// the backup it removed, and the season opens as saved. Each step a save of
// the newer season in a child process.
TEST_F(SauvegardeEchouee, TheBoxNamesEachOlderVersionAndNoCopyOfTheBackupIsKept)
{
    enum Etape {
        Reussie,         // saved
        DoubleEchec,     // the rename refused, the backup not put back
        TueeEnCopie,     // killed as the file's copy takes the backup's name
        TueeApresGarde,  // killed once what earlier saves left was put aside
        TueeSauvegarde,  // killed once the backup was replaced
        Auto,            // saved with no box after it (the auto-save)
    };
    struct Cas
    {
        const char* quoi;
        std::vector<Etape> etapes;
        size_t anciennes;   // older versions kept at the end
        bool retiree;       // the last save removed a copy of the backup, and says so
        bool change = false;   // the season changes before each save
        size_t elaguees = 0;   // the oldest versions the last save removed, and says so
        int etranger = 0;      // beside the backup from the start, of the first version's name: 1 a text
                               // file, 2 an archive whose member of the season's name holds no season
    };
    std::vector<Etape> cinquante;
    for (int i = 0; i < 50; ++i)
        cinquante.insert(cinquante.end(), {DoubleEchec, Reussie});
    // four versions kept by saves failing and succeeding in turn, each named by its box
    const std::vector<Etape> quatre = {DoubleEchec, Reussie, DoubleEchec, Reussie, DoubleEchec, Reussie, DoubleEchec};
    std::vector<Etape> quatreAuto = quatre, quatreAutoReussie = quatre, quatreReussie = quatre;
    quatreAuto.push_back(Auto);
    quatreAutoReussie.insert(quatreAutoReussie.end(), {Auto, Reussie});
    quatreReussie.push_back(Reussie);
    const Cas cas[] = {
        {"a second save failing as the first", {DoubleEchec, DoubleEchec}, 1, false},
        {"killed as the backup is copied, then saved", {TueeEnCopie, Reussie}, 0, true},
        {"an older version put aside by a save then killed", {TueeSauvegarde, TueeApresGarde, Reussie}, 1, false},
        {"fifty saves failing then succeeding", cinquante, 1, false},
        // the season changing between saves, each failure keeps a version:
        // the most recent ones stay, the oldest goes with a word
        {"fifty saves of a season changing, failing then succeeding", cinquante, TChargeurXmp::AnciennesGardees, false,
         true, 1},
        // no box after it: the auto-save removes none of the versions the boxes named
        {"four versions named by the boxes, then an auto-save", quatreAuto, 4, false, true, 0},
        // the next save with a box removes the oldest, and says so
        {"four versions, an auto-save, then a save", quatreAutoReussie, TChargeurXmp::AnciennesGardees, false, true, 1},
        // a file that holds no season is not a version: never named, never removed
        {"a text file of the first version's name", quatreReussie, TChargeurXmp::AnciennesGardees, false, true, 1, true},
        {"a text file of the first version's name, then an auto-save", quatreAuto, 4, false, true, 0, 1},
        {"an archive of the first version's name holding no season", quatreReussie, TChargeurXmp::AnciennesGardees,
         false, true, 1, 2},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        DeuxSauvegardes();
        const std::string etranger = "saison.~xmc.bak";
        std::string texteEtranger = "Notes de la saison\n";
        if (c.etranger == 2) {
            TZipArchive zip;
            zip.Unattended = true;
            zip.SetZipFileName(d / etranger);
            const std::string autre = "<?xml version=\"1.0\"?>\r\n<Gormelide Type=\"Categories\"></Gormelide>\r\n";
            zip.EntryStream.Write(autre.data(), static_cast<long>(autre.size()));
            zip.AddFromStream(TChargeurXmp::NomMembre, 0, 0);
            ASSERT_EQ(zip.SuccessCount(), 1);
            texteEtranger = LitOctets(d / etranger);
        } else if (c.etranger)
            EcritOctets(d / etranger, texteEtranger);
        std::string reponse;
        int etape = 0;
        for (const Etape e : c.etapes) {
            if (c.change)
                nouvelle->saison->AjouteEquipe("Changement " + std::to_string(++etape));
            reponse = Enfant([&] {
                TChargeurXmp chargeur(fichier, "Dll\\");
                chargeur.SetRetraits(e != Auto);
                nouvelle->saison->SetOptionSauvegarde(1, 1);
                std::string anciennes, retirees;
                try {
                    chargeur.Sauve(*nouvelle->saison, [&](int p) {
                        const bool prete = (e == DoubleEchec && p == 97) || (e == TueeEnCopie && p == 94);
                        if (prete && !Refuse(Renommages, EPERM, 0, e == TueeEnCopie))
                            ::_exit(9);
                        if ((e == TueeApresGarde && p == 92) || (e == TueeSauvegarde && p == 97))
                            ::_exit(0);
                    });
                    for (const std::string& a : chargeur.Anciennes())
                        anciennes += a + "\n";
                    std::string box = MessageAnciennes(
                        {texteAucuneRaison, {}, {}, chargeur.Garde(), chargeur.Anciennes(), chargeur.Retirees(), chargeur.Elaguees()});
                    return "saved\n" + anciennes + "|" + std::to_string(chargeur.Retirees().size()) +
                           std::to_string(chargeur.Elaguees().size()) + "|" + box;
                } catch (const EChargeurXmp& x) {
                    for (const std::string& a : x.Raison.anciennes)
                        anciennes += a + "\n";
                    return "failed\n" + anciennes + "|" + std::to_string(x.Raison.retirees.size()) +
                           std::to_string(x.Raison.elaguees.size()) + "|" + MessageDe(x);
                }
            });
        }
        ASSERT_EQ(reponse.substr(0, 6), c.etapes.back() == Reussie || c.etapes.back() == Auto ? "saved\n" : "failed")
            << reponse;
        // the file that is not ours, as it was
        if (c.etranger)
            EXPECT_EQ(LitOctets(d / etranger), texteEtranger);
        // the files beside the season and its backup: the older versions the box names, each of its own
        std::vector<std::string> autres;
        for (const std::string& n : Fichiers(d))
            if (n != "saison.xmc" && n != "saison.~xmc" && !(c.etranger && n == etranger))
                autres.push_back(n);
        std::vector<std::string> nommees;
        {
            std::istringstream in(reponse.substr(reponse.find('\n') + 1, reponse.find('|') - reponse.find('\n') - 1));
            for (std::string n; std::getline(in, n);)
                nommees.push_back(ExtractFileName(n));
            std::sort(nommees.begin(), nommees.end());
        }
        EXPECT_EQ(nommees, autres) << reponse;
        EXPECT_EQ(autres.size(), c.anciennes) << ::testing::PrintToString(autres);
        for (size_t i = 0; i < autres.size(); ++i) {
            EXPECT_FALSE(LitOctets(d / autres[i]) == LitOctets(sauvegarde)) << autres[i] << " is the backup";
            for (size_t k = 0; k < i; ++k)
                EXPECT_FALSE(LitOctets(d / autres[i]) == LitOctets(d / autres[k])) << autres[i];
        }
        // no version lost: the older and the newer seasons each in a file
        // (of a season changing, the version saved last)
        std::set<std::string> versions;
        for (const std::string& n : Fichiers(d)) {
            std::unique_ptr<TSaison> v;
            if (Charge(d / n, v) == etatCharge)
                versions.insert(SansHorodatage(Document(*v)));
        }
        for (auto* saison : {ancienne.get(), nouvelle.get()})
            if (!c.change || saison == nouvelle.get())
                EXPECT_EQ(versions.count(SansHorodatage(Document(*saison->saison))), 1u) << "a version is lost";
        const std::string retirees = reponse.substr(reponse.find('|') + 1, 2);
        EXPECT_EQ(retirees, std::string(c.retiree ? "1" : "0") + std::to_string(c.elaguees)) << reponse;
        // the box of a save done names the versions it removed
        if (c.elaguees > 0)
            EXPECT_NE(reponse.find(TraduireFormat(texteAncienneRetiree, {static_cast<int>(TChargeurXmp::AnciennesGardees), ""})
                                       .substr(0, 20)),
                      std::string::npos)
                << reponse;
        // the box of a failed save names them, and no other file
        if (c.etapes.back() == DoubleEchec && !autres.empty())
            EXPECT_NE(reponse.find(ExtractFileName(d / autres[0]) + "."), std::string::npos) << reponse;
        // a French list without a blank before its commas
        EXPECT_EQ(reponse.find(" ,"), std::string::npos) << reponse;
        std::unique_ptr<TSaison> relue;
        EXPECT_EQ(Charge(fichier, relue), etatCharge);
    }
}


// The system's reason of a failed save in the words of the interface's
// language, never the system's own (English) words in a French box.
TEST(RaisonSystemeSauvegarde, TheSystemsReasonIsInTheInterfacesLanguage)
{
    struct Cas
    {
        const char* langue;
        int erreur;
        const char* attendu;
    };
    const Cas cas[] = {
        {"fr", EPERM, "opération non permise"},        {"en", EPERM, "operation not permitted"},
        {"fr", EACCES, "permission refusée"},          {"en", EROFS, "the disk is read-only"},
        {"fr", ENOSPC, "plus de place sur le disque"}, {"en", EXDEV, "the two names are on different disks"},
        {"fr", ETXTBSY, "fichier ou périphérique occupé"},
        {"fr", 200, "erreur du système n° 200"},       {"en", 200, "system error 200"},
    };
    const char* d = std::getenv("BZ_DATA_DIR");
    const std::string dossier = d && *d ? std::string(d) : std::string(".");
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.langue) + " " + std::to_string(c.erreur));
        InstalleTraducteur(std::make_unique<TTraducteur>(
            MakePath(dossier, std::string("texte\\Texte") + c.langue + ".txt")));
        EXPECT_EQ(RaisonSysteme(c.erreur), L1(c.attendu));
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(dossier, "texte\\Textefr.txt")));
}
