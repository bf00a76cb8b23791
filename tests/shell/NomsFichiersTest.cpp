// A season file named with accents reaches the disk and the settings in the
// system's encoding (UTF-8), shows as typed, and opens by every road; a
// recent file written by an older version in Windows-1252 still opens. One
// table of file names through every road that writes, lists, shows or opens
// a file.
#include <gtest/gtest.h>

#include <functional>

#include "platform/gui/Dialogs.h"
#include "platform/gui/GraphicsQt.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Format.h"
#include "platform/sys/WinInet.h"
#include "records/ImageManager.h"
#include "records/w_ImageManager.h"
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

namespace {

// A championship file of division 2 (football), for the composition's list.
void EcritChampionnatFichier(const std::string& fichier)
{
    ForceDirectories(ExtractFileDir(fichier));
    auto s = TMultiSport::CreeSaison(0);
    s->SetChampionnatCourant(vues::Ligue(*s, 0, "Division 2", 0, 6, 2, 2, 5u));
    s->ChampionnatCourant()->SetCodeDivision(2);
    ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, s.get(), nullptr, "", "", nullptr, {}, false));
}

// What the windows show of a text.
QString Montre(const std::string& texte) { return AnsiToQString(texte); }

// The common dialogs answer that file.
void Choisit(const std::string& fichier)
{
    kit::AnswerDialogs([fichier](TCommonDialog& c) {
        auto& d = static_cast<TOpenDialog&>(c);
        d.FileName = fichier;
        d.Files = {fichier};
        return true;
    });
}

}  // namespace

// One table of file names through every road that writes, lists, shows or
// opens a file: a season file opened (the status bar, the recent-files tree,
// the start page's list), saved as under the name proposed in the platform's
// dialog, remembered as the last file and loaded again; a picture added to
// the photos, and one that cannot be read; a championship file chosen in the
// creation dialog, and listed in the composition's files to import. Each
// shows the name as the system names it and reaches the file by its bytes.
TEST(NomsFichiers, EveryRoadShowsAndOpensAFileAsTheSystemNamesIt)
{
    SetInternetConnectedStateOverride(0);
    const std::string dir = Prepare("noms_fichiers_routes");
    const std::string dossier = MakePath(dir, "saisons/Zo\xC3\xAB/");   // a folder named in UTF-8
    struct Nom
    {
        const char* quoi;
        std::string octets;   // as the disk holds it
        QString montre;       // as the windows show it
    };
    const Nom noms[] = {
        {"letters Windows-1252 cannot hold", "copie-\xC5\x91-\xCE\xA9", QString::fromUtf8("copie-ő-Ω")},
        {"an accented letter", "Zo\xC3\xAB-stade", QString::fromUtf8("Zoë-stade")},
        {"an accent apart from its letter", "Zoe\xCC\x88-stade", QString::fromUtf8("Zoë-stade")},
        {"Windows-1252, as an older version wrote", "saison-\xE9t\xE9", QString::fromUtf8("saison-été")},
    };
    for (const Nom& n : noms) {
        SCOPED_TRACE(n.quoi);
        const std::string fichier = dossier + n.octets + ".xmc";
        // The name as the program writes one now (UTF-8, accents joined).
        const std::string utf8 = dossier + FileNameFromText(FileNameToText(n.octets)) + ".xmc";
        EcritSaison(fichier, 0);
        auto f = LanceFenetre();
        f->OpenFile(fichier);
        ASSERT_NE(f->Saison, nullptr);
        EXPECT_EQ(NomFichierCourant, fichier);
        EXPECT_TRUE(Montre(f->Statut->Panels(2).Text).endsWith(n.montre + ".xmc")) << f->Statut->Panels(2).Text;
        TTreeNode* recent = Noeud(*f, (1 << 16) + 65535);
        ASSERT_NE(recent, nullptr);
        EXPECT_EQ(Montre(recent->Text()), n.montre + ".xmc");

        // Saved as under the name proposed: the file it came from is
        // replaced, after the question naming it; no other file is written.
        kit::RealFileDialog();
        kit::AnswerMessages({mrYes});
        RepondBoite(mrOk);   // "saved"
        EXPECT_TRUE(f->EnregistrerSous());
        kit::ForgetModalActions();
        std::vector<QString> questions;
        for (const TMessageRequest& m : kit::Messages())
            questions.push_back(Montre(m.Text));
        EXPECT_EQ(questions, std::vector<QString>{Montre(Format(DialogTexts().ReplaceFile, {FileNameToText(n.octets + ".xmc")}))});
        EXPECT_EQ(NomFichierCourant, fichier);
        std::vector<std::string> presents;
        for (const TSearchRec& r : ListFiles(dossier, "*.xmc"))
            presents.push_back(r.Name);
        EXPECT_EQ(presents, std::vector<std::string>{n.octets + ".xmc"});
        f->FermeSaison();
        ASSERT_GE(f->lb_DerniersFichiers->Items().Count(), 1);
        EXPECT_TRUE(Montre(f->lb_DerniersFichiers->Items()[0]).endsWith(n.montre + ".xmc"));

        // A picture added to the photos, and one that cannot be read (texts 3300, 3301).
        {
            TOwned<Tf_ImageManager> d(new Tf_ImageManager(nullptr));
            d->RemplitListe(0, 0);
            std::vector<std::string> textes;
            for (const char* ext : {".png", ".xyz"}) {
                ASSERT_TRUE(WriteFileAtomic(kit::TempDir() + n.octets + ext, "\x89PNG"));
                RepondBoite(mrOk, &textes);
                Choisit(kit::TempDir() + n.octets + ext);
                d->bc_AjouterClick(nullptr);
                ASSERT_EQ(textes.size(), 1u);
                EXPECT_TRUE(Montre(textes[0]).endsWith(n.montre + ext)) << textes[0];
                textes.clear();
            }
            TBitmap image(8, 6);
            image.SaveToFile(kit::TempDir() + n.octets + ".bmp");
            Choisit(kit::TempDir() + n.octets + ".bmp");
            d->bc_AjouterClick(nullptr);
            kit::ResetAnswers();
            const int dernier = d->lb_Image->Items().Count() - 1;
            ASSERT_GE(dernier, 0);
            EXPECT_EQ(Montre(d->lb_Image->Items()[dernier]), n.montre);
            EXPECT_EQ(Montre(d->e_Nom->Text()), n.montre);
            const auto id = static_cast<int32_t>(d->lb_Image->Items().Objects(dernier));
            EXPECT_EQ(ImageManager()->NomFichier(0, id), ImageManager()->Dossier() + "stade_" + IntToStr(id) + "_" +
                                                              FileNameFromText(FileNameToText(n.octets)) + ".jpg");
            EXPECT_TRUE(FileExists(ImageManager()->NomFichier(0, id)));
        }

        // A championship file chosen in the creation dialog; one listed in
        // the composition's files to import.
        const std::string champ = MakePath(dir, "sauvegarde/") + n.octets + ".xmd";
        EcritChampionnatFichier(champ);
        Quand<Tf_ChoixLogiciel>([](Tf_ChoixLogiciel* c) {
            c->rc_Sport[0]->SetChecked(true);
            c->b_Valider->Click();
        });
        Quand<Tf_CreationSaison>([&](Tf_CreationSaison* c) {
            ASSERT_EQ(c->lb_ListeFichier->Items().Count(), 1);
            EXPECT_EQ(Montre(c->lb_ListeFichier->Items()[0]), n.montre + ".xmd");
            c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
            Quand<Tf_Creation>([&](Tf_Creation* k) {
                Choisit(champ);
                k->SpeedButton1->Click();
                kit::ResetAnswers();
                EXPECT_EQ(Montre(k->Label1->Caption()), n.montre + ".xmd");
                k->b_Annuler->Click();
            });
            c->bc_CreeChamp->Click();
            c->b_Annuler->Click();
        });
        ASSERT_TRUE(Commande(*f, 5));
        kit::Process(20);
        DeleteFile(champ);
        TermineFenetre(f);

        // Remembered as the last file, and loaded again by "Load": the old
        // name of a file saved since under its UTF-8 name opens that one.
        const std::string ouvert = IsUtf8(n.octets) ? fichier : utf8;
        if (ouvert != fichier) {
            ASSERT_TRUE(RenameFile(fichier, ouvert));
        }
        {
            TIniFile ini(MakePath(dir, "brivantel.ini"));
            EXPECT_EQ(ini.ReadString("General", "LastFile", ""), fichier);
        }
        f = LanceFenetre();
        EXPECT_TRUE(Montre(f->e_NomFic->Text()).endsWith(n.montre + ".xmc"));
        kit::Click(f->bc_Charger);
        ASSERT_NE(f->Saison, nullptr);
        EXPECT_EQ(NomFichierCourant, ouvert);
        if (std::string(n.quoi).rfind("letters", 0) == 0)
            kit::GrabToPng(f.get(), "shell_fichier_lettres");
        ModifSaison = 0;
        TermineFenetre(f);
        DeleteFile(ouvert);
    }
}

// Printing without a printer when the user's documents folder does not exist:
// the PDF proposed under the view's title is written in a folder that exists
// (the home folder), through the platform's dialog, and is named as written.
TEST(NomsFichiers, APdfPrintsWithTheProposedNameWithoutADocumentsFolder)
{
    if (!TPrinter::Printers().empty())
        GTEST_SKIP() << "a printer is installed";
    SetInternetConnectedStateOverride(0);
    const std::string dir = Prepare("noms_fichiers_pdf");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde/pdf.xmc"), 0);
    const std::string maison = kit::TempDir() + "maison-sans-documents/";
    ASSERT_TRUE(ForceDirectories(maison));
    struct Home
    {
        std::string avant = getenv("HOME") ? getenv("HOME") : "";
        explicit Home(const std::string& h) { setenv("HOME", h.c_str(), 1); }
        ~Home() { setenv("HOME", avant.c_str(), 1); }
    } home(ExcludeTrailingPathDelimiter(maison));
    ASSERT_FALSE(DirectoryExists(maison + "Documents"));
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_NE(f->Saison, nullptr);
    ASSERT_TRUE(Commande(*f, 40));
    f->Messages.clear();
    kit::RealFileDialog();
    Commande(*f, 181);
    kit::Process(20);
    std::vector<std::string> pdf;
    for (const TSearchRec& r : ListFiles(maison, "*.pdf"))
        pdf.push_back(r.Name);
    ASSERT_EQ(pdf.size(), 1u);
    EXPECT_EQ(pdf[0], FileNameFromText("France _ Division 1 - " + Traduire(52)) + ".pdf");
    EXPECT_EQ(f->Messages, (std::vector<std::string>{TraduireFormat(3407, {FileNameToText(maison + pdf[0])})}));
    TermineFenetre(f);
}
