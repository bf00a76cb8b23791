// A season file named with accents reaches the disk and the settings in the
// system's encoding (UTF-8), shows as typed, and opens by every road; a
// recent file written by an older version in Windows-1252 still opens.
#include <gtest/gtest.h>

#include <functional>

#include "platform/gui/Dialogs.h"
#include "platform/sys/WinInet.h"
#include "tests/setup/CreationEssai.h"

using namespace essai;

namespace {

std::vector<std::string> Saisons(const std::string& dossier)
{
    std::vector<std::string> noms;
    for (const TSearchRec& r : ListFiles(dossier, "*.xmc"))
        noms.push_back(r.Name);
    return noms;
}

void EcritDerniers(const std::string& dir, const std::string& fichier)
{
    TIniFile ini(MakePath(dir, "brivantel.ini"));
    ini.WriteString("General", "LastFile", fichier);
    ini.WriteInteger("LastFile", "Count", 1);
    ini.WriteString("LastFile", "File0", fichier);
}

}  // namespace

TEST(NomsFichiers, ASeasonNamedWithAccentsIsWrittenInUtf8AndOpensByEveryRoad)
{
    SetInternetConnectedStateOverride(0);
    const std::string dir = Prepare("noms_fichiers");
    const std::string dossier = MakePath(dir, "sauvegarde/");
    const std::string utf8 = dossier + "saison-\xC3\xA9t\xC3\xA9.xmc";   // as the disk holds it
    const std::string ancien = dossier + "saison-\xE9t\xE9.xmc";         // as older versions wrote it
    const std::string texte = dossier + L1("saison-été.xmc");           // as the program shows it

    // Made through the season composition, its name typed in the file box.
    {
        auto f = LanceFenetre();
        CreeSaison(*f, 0, "Club", dossier + "saison-été.xmc");
        ASSERT_NE(f->Saison, nullptr);
        EXPECT_EQ(NomFichierCourant, utf8);
        EXPECT_EQ(f->Statut->Panels(2).Text, TraduireFormat(12, {texte}));
        TermineFenetre(f);
    }
    EXPECT_EQ(Saisons(dossier), std::vector<std::string>{"saison-\xC3\xA9t\xC3\xA9.xmc"});
    TIniFile ini(MakePath(dir, "brivantel.ini"));
    EXPECT_EQ(ini.ReadString("General", "LastFile", ""), utf8);
    EXPECT_EQ(ini.ReadString("LastFile", "File0", ""), utf8);

    struct Route
    {
        const char* nom;
        std::function<void()> prepare;           // the settings and files before the start
        std::function<void(FenetreEssai&)> ouvre;
        std::string ouvert;                      // the name the season is opened by
    };
    const Route routes[] = {
        {"last file in the file box", [] {}, [](FenetreEssai& f) { kit::Click(f.bc_Charger); }, utf8},
        {"name typed in the file box", [] {},
         [&](FenetreEssai& f) {
             kit::TypeKeys(f.e_NomFic, dossier + "saison-été.xmc");
             kit::Click(f.bc_Charger);
         },
         utf8},
        {"recent file double-clicked", [] {},
         [](FenetreEssai& f) {
             f.lb_DerniersFichiers->SetItemIndex(0);
             f.lb_DerniersFichiers->OnDblClick(f.lb_DerniersFichiers);
         },
         utf8},
        {"older recent file, its file there",
         [&] {
             ASSERT_TRUE(CopyFile(utf8, ancien, false));
             EcritDerniers(dir, ancien);
         },
         [](FenetreEssai& f) {
             f.lb_DerniersFichiers->SetItemIndex(0);
             f.lb_DerniersFichiers->OnDblClick(f.lb_DerniersFichiers);
         },
         ancien},
        {"older last file in the file box", [] {}, [](FenetreEssai& f) { kit::Click(f.bc_Charger); }, ancien},
        {"older recent file, saved since under its UTF-8 name",
         [&] {
             DeleteFile(ancien);
             EcritDerniers(dir, ancien);
         },
         [](FenetreEssai& f) {
             f.lb_DerniersFichiers->SetItemIndex(0);
             f.lb_DerniersFichiers->OnDblClick(f.lb_DerniersFichiers);
         },
         utf8},
    };
    for (const Route& r : routes) {
        SCOPED_TRACE(r.nom);
        r.prepare();
        auto f = LanceFenetre();
        ASSERT_EQ(f->Saison, nullptr);
        ASSERT_GE(f->lb_DerniersFichiers->Items().Count(), 1);
        EXPECT_EQ(f->lb_DerniersFichiers->Items()[0], texte);
        EXPECT_EQ(f->e_NomFic->Text(), texte);
        if (std::string(r.nom) == "recent file double-clicked")
            kit::GrabToPng(f.get(), "shell_fichier_accents");
        r.ouvre(*f);
        ASSERT_NE(f->Saison, nullptr);
        EXPECT_EQ(NomFichierCourant, r.ouvert);
        EXPECT_EQ(f->Statut->Panels(2).Text, TraduireFormat(12, {texte}));
        EXPECT_EQ(f->DerniersFichiers[0], r.ouvert);
        TermineFenetre(f);
    }
    EXPECT_EQ(Saisons(dossier), std::vector<std::string>{"saison-\xC3\xA9t\xC3\xA9.xmc"});
}
