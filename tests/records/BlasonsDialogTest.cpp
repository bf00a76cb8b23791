// The team crest dialog and the crest dialog: countries and teams added from
// picture files, a crest chosen for a team, and every crest taken by name.
#include <gtest/gtest.h>

#include "codecs/PngPicture.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/StdCtrls.h"
#include "records/Blasons.h"
#include "records/w_Blasons.h"
#include "tests/records/FichesEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "model/Utilities.h"
#include "ui/Bouton.h"
#include "ui/message2.h"

using namespace fiches_essai;

TEST(ModifierLogo, CrestsAddedChosenAndImportedByName)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    Dossier d;
    ForceDirectories(d.Chemin("blasons"));
    WriteFileAtomic(d.Chemin("blasons/blasons.txt"), "1-0-France#1001-1-Zelvor#");
    Carre(10, 0xFF0000FF)->SaveToFile(d.Chemin("blasons/1.png"));
    Carre(10, 0xFF00FF00)->SaveToFile(d.Chemin("blasons/1001.png"));
    Carre(16, 0xFFFF0000)->SaveToFile(d.Chemin("pays.png"));
    Photo(20, 14)->SaveToFile(d.Chemin("equipe.jpg"));
    InstalleBlasons(std::make_unique<TBlasons>(d.Path()));
    std::vector<std::string> fichiers = {d.Chemin("pays.png"), d.Chemin("equipe.jpg")};
    kit::AnswerDialogs([&](TCommonDialog& c) {
        auto* o = dynamic_cast<TOpenDialog*>(&c);
        if (!o || fichiers.empty())
            return false;
        o->FileName = fichiers.front();
        fichiers.erase(fichiers.begin());
        return true;
    });

    TOwned<Tf_ModifierLogo> f(new Tf_ModifierLogo(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&s);
    kit::ShowForm(f.get());
    ASSERT_EQ(f->l_Equipe->Items().Count(), 4);
    EXPECT_EQ(f->l_Equipe->Items()[0], "Brivant");
    kit::WhenModal([&](TForm* m) {
        auto* b = dynamic_cast<Tf_Blasons*>(m);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->e_Equipe->GetText(), "Brivant");
        b->e_Pays->SetText("Zelvorie");
        b->bc_AjoutPaysClick(nullptr);
        // The team goes under the country even when a team node is selected.
        TTreeNode* zelvor = b->tv_Blasons->Items().TopItem(0)->Item(0);
        b->tv_Blasons->SetSelected(zelvor);
        b->bc_AjoutEquipeClick(nullptr);
        ASSERT_EQ(b->tv_Blasons->Items().TopCount(), 2);
        EXPECT_EQ(b->tv_Blasons->Items().TopItem(0)->Count(), 2);
        kit::Process(20);
        kit::GrabToPng(b, "blasons");
        b->bc_ChoisirClick(nullptr);
    });
    f->bc_ModifierClick(nullptr);
    EXPECT_TRUE(f->Modifie);
    EXPECT_EQ(s.LogoEquipe(0), 1002);
    kit::Process(20);
    kit::GrabToPng(f.get(), "modifier-logo");
    std::string index;
    ReadFileBytes(d.Chemin("blasons/blasons.txt"), index);
    EXPECT_EQ(index, "1-0-France#1001-1-Zelvor#2-0-Zelvorie#1002-1-Brivant#");
    EXPECT_EQ(TBlasons(d.Path()).Nombre(), 4);
    // The season keeps its crest ids through a save.
    auto relue = essai::Lit(sportFootball, essai::Document(s));
    EXPECT_EQ(relue->LogoEquipe(0), 1002);

    // Every crest by name: Zelvor takes 1001 and the flag is set.
    f->Modifie = false;
    f->bc_ImporterClick(nullptr);
    EXPECT_EQ(s.LogoEquipe(1), 1001);
    EXPECT_TRUE(f->Modifie);
    InstalleBlasons(nullptr);
}

// A "#" ends an entry of the index: a country or team name holding one is
// refused with a message, the name kept in its box, nothing added, no file
// asked for; the catalogue itself refuses it too. A name without one is added.
TEST(Blasons, ANameHoldingTheIndexSeparatorIsRefused)
{
    Dossier d;
    ForceDirectories(d.Chemin("blasons"));
    WriteFileAtomic(d.Chemin("blasons/blasons.txt"), "1-0-France#1001-1-Zelvor#");
    Carre(10, 0xFF0000FF)->SaveToFile(d.Chemin("blasons/1.png"));
    Carre(16, 0xFFFF0000)->SaveToFile(d.Chemin("pays.png"));
    InstalleBlasons(std::make_unique<TBlasons>(d.Path()));
    int fichiersDemandes = 0;
    kit::AnswerDialogs([&](TCommonDialog& c) {
        auto* o = dynamic_cast<TOpenDialog*>(&c);
        if (!o)
            return false;
        ++fichiersDemandes;
        o->FileName = d.Chemin("pays.png");
        return true;
    });
    TOwned<Tf_Blasons> b(new Tf_Blasons(nullptr));
    b->ChangeCouleurs(b->Couleurs);
    b->RemplitArbre(1, "");
    kit::ShowForm(b.get());
    ASSERT_GT(b->tv_Blasons->Items().TopCount(), 0);
    b->tv_Blasons->SetSelected(b->tv_Blasons->Items().TopItem(0));
    ASSERT_NE(b->tv_Blasons->Selected(), nullptr);
    const struct { bool equipe; const char* nom; bool refuse; } cas[] = {
        {false, "A#B", true}, {true, "Lyon#2", true}, {false, "#", true}, {false, "Arvenie", false}};
    for (const auto& k : cas) {
        SCOPED_TRACE(k.nom);
        TEdit* e = k.equipe ? b->e_Equipe : b->e_Pays;
        e->SetText(k.nom);
        std::vector<std::string> messages;
        if (k.refuse)
            kit::WhenModal([&](TForm* m) {
                if (auto* u = dynamic_cast<Tf_MessageUtil*>(m))
                    messages.push_back(u->Label1->Caption());
                m->SetModalResult(mrOk);
            });
        const int avant = Blasons()->Nombre(), demandes = fichiersDemandes;
        if (k.equipe)
            b->bc_AjoutEquipeClick(nullptr);
        else
            b->bc_AjoutPaysClick(nullptr);
        kit::Process();
        if (k.refuse) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0], L1("Un nom de blason ne peut pas contenir le caractère « # »."));
            EXPECT_EQ(e->GetText(), k.nom);
            EXPECT_EQ(Blasons()->Nombre(), avant);
            EXPECT_EQ(fichiersDemandes, demandes);
        } else {
            EXPECT_EQ(Blasons()->Nombre(), avant + 1);
        }
    }
    kit::GrabToPng(b.get(), "blasons-diese");
    std::string index;
    ReadFileBytes(d.Chemin("blasons/blasons.txt"), index);
    EXPECT_EQ(index, "1-0-France#1001-1-Zelvor#2-0-Arvenie#");
    EXPECT_EQ(Blasons()->AjoutePays("C#D", *Carre(8, 0xFF00FF00)), -1);
    b.reset();
    InstalleBlasons(nullptr);
}

// A damaged index (an empty first line once hid every entry; garbage after
// them) shows what it holds; the first crest added keeps the index aside whole
// before writing it, and the user is told where.
TEST(Blasons, DamagedIndexKeptAsideWhenTheFirstCrestIsAdded)
{
    for (const char* langue : {"fr", "en"})
    {
        SCOPED_TRACE(langue);
        InstalleTraducteur(std::make_unique<TTraducteur>(std::string(BZ_SOURCE_DATA_DIR) + "/texte/Texte" + langue + ".txt"));
        Dossier d;
        ForceDirectories(d.Chemin("blasons"));
        const std::string abime = "\r\n1-0-France#1001-1-Zelvor#\r\n\x01\x02 reste\r\n";
        const std::string index = d.Chemin("blasons/blasons.txt");
        WriteFileAtomic(index, abime);
        Carre(16, 0xFFFF0000)->SaveToFile(d.Chemin("pays.png"));
        InstalleBlasons(std::make_unique<TBlasons>(d.Path()));
        ASSERT_TRUE(Blasons()->Endommage());
        kit::AnswerDialogs([&](TCommonDialog& c) {
            auto* o = dynamic_cast<TOpenDialog*>(&c);
            if (!o)
                return false;
            o->FileName = d.Chemin("pays.png");
            return true;
        });
        TOwned<Tf_Blasons> b(new Tf_Blasons(nullptr));
        b->ChangeCouleurs(b->Couleurs);
        b->RemplitArbre(1, "");
        kit::ShowForm(b.get());
        ASSERT_EQ(b->tv_Blasons->Items().TopCount(), 1);
        EXPECT_EQ(b->tv_Blasons->Items().TopItem(0)->Count(), 1);
        std::vector<std::string> messages;
        kit::WhenModal([&](TForm* m) {
            if (auto* u = dynamic_cast<Tf_MessageUtil*>(m))
            {
                messages.push_back(u->Label1->Caption());
                kit::GrabToPng(m, std::string("blasons-index-garde-") + langue);
            }
            m->SetModalResult(mrOk);
        });
        b->e_Pays->SetText("Arvenie");
        kit::Click(b->bc_AjoutPays);
        kit::Process();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find(index + ".bak"), std::string::npos) << messages[0];
        std::string garde, ecrit;
        ReadFileBytes(index + ".bak", garde);
        ReadFileBytes(index, ecrit);
        EXPECT_EQ(garde, abime);
        EXPECT_EQ(ecrit, "1-0-France#1001-1-Zelvor#2-0-Arvenie#");
        EXPECT_FALSE(Blasons()->Endommage());
        kit::GrabToPng(b.get(), std::string("blasons-index-") + langue);
        b.reset();
        InstalleBlasons(nullptr);
        // The tests after this one read the French texts.
        InstalleTraducteur(std::make_unique<TTraducteur>(std::string(BZ_SOURCE_DATA_DIR) + "/texte/Textefr.txt"));
    }
}

// The previews of both crest dialogs show the stored crest as it is: a
// crest of one light colour is not taken for transparent (the white ground).
TEST(Blasons, PreviewsShowTheStoredCrest)
{
    Dossier d;
    ForceDirectories(d.Chemin("blasons"));
    WriteFileAtomic(d.Chemin("blasons/blasons.txt"), "1-0-France#1001-1-Zelvor#");
    Carre(40, 0xFF87CEEB)->SaveToFile(d.Chemin("blasons/1.png"));
    Carre(40, 0xFF87CEEB)->SaveToFile(d.Chemin("blasons/1001.png"));
    InstalleBlasons(std::make_unique<TBlasons>(d.Path()));
    const TColor bleuClair = 0xEBCE87;
    auto centre = [&](TControl* logo, const std::string& nom) {
        TPngPicture image;
        image.LoadFromFile(kit::GrabToPng(logo, nom));
        return image.Pixels(image.Width() / 2, image.Height() / 2);
    };
    {
        TOwned<Tf_Blasons> b(new Tf_Blasons(nullptr));
        b->ChangeCouleurs(b->Couleurs);
        b->RemplitArbre(1001, "");
        kit::ShowForm(b.get());
        kit::Process();
        EXPECT_EQ(centre(b->Logo1, "blasons-apercu"), bleuClair);
    }
    TPetiteSaison p = PetiteSaison(sportFootball);
    p.saison->SetLogoEquipe(0, 1001);
    TOwned<Tf_ModifierLogo> f(new Tf_ModifierLogo(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(p.saison.get());
    kit::ShowForm(f.get());
    f->l_Equipe->SetItemIndex(0);
    f->l_EquipeClick(nullptr);
    kit::Process();
    EXPECT_EQ(centre(f->Logo1, "modifier-logo-apercu"), bleuClair);
    f.reset();
    InstalleBlasons(nullptr);
}

#include "records/w_ModifierEquipe.h"

TEST(ModifierEquipe, RenameResortsRefusesUsedTeamsAndDeletesUnusedOnes)
{
    TPetiteSaison p = PetiteSaison(sportFootball);
    TSaison& s = *p.saison;
    const int isolee = s.AjouteEquipe("Isolee");
    TJoueur* nomme = s.Joueurs().AjouteJoueur(s.CreeJoueur("Nomme", "A", -1, isolee));
    s.Joueurs().AjouteJoueur(s.CreeJoueur("Libre", "B", -1, isolee));
    // A match of the league names the first one (a goal).
    p.c1->ListeDonnees(2, 2)->Ajoute(std::make_unique<TDonneesEvt>(nomme->Numero, 0, 30, 0));
    TOwned<Tf_ModifierEquipe> f(new Tf_ModifierEquipe(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&s);
    kit::ShowForm(f.get());
    ASSERT_EQ(f->l_Equipe->Items().Count(), 5);
    // Brivant renamed "Tessane B": Corvelle, Tessane, Tessane B, Zelvor in the league.
    f->l_Equipe->SetItemIndex(0);
    f->l_EquipeClick(nullptr);
    f->e_NomEquipe->SetText("Tessane B");
    f->bc_ModifierClick(nullptr);
    EXPECT_TRUE(f->Modifie);
    EXPECT_EQ(s.NomEquipe(0), "Tessane B");
    EXPECT_EQ(p.c1->IdEquipe(2), 0);
    kit::GrabToPng(f.get(), "modifier-equipe");
    // A team of a championship is refused with a box naming the championship.
    std::vector<std::string> messages;
    kit::WhenModal([&](TForm* m) {
        if (auto* u = dynamic_cast<Tf_MessageUtil*>(m))
            messages.push_back(u->Label1->Caption());
        m->SetModalResult(mrOk);
    });
    f->bc_EffacerClick(nullptr);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find('\n' + s.Arbre().NomCompletCode(p.c1->CodeChamp)), std::string::npos) << messages[0];
    EXPECT_EQ(s.NomEquipe(0), "Tessane B");
    // The unused team goes once asked; its named player stays without a team, the other is freed.
    f->l_Equipe->SetItemIndex(f->l_Equipe->Items().IndexOfObject(isolee));
    f->l_EquipeClick(nullptr);
    kit::WhenModal([](TForm* m) { m->SetModalResult(mrYes); });
    f->bc_EffacerClick(nullptr);
    EXPECT_EQ(s.NomEquipe(isolee), "");
    EXPECT_EQ(f->l_Equipe->Items().Count(), 4);
    TJoueur* garde = s.Joueurs().ChercheJoueurNom("NOMME", "A");
    ASSERT_TRUE(garde);
    EXPECT_EQ(garde->ClubActuel, 0xFFFF);
    EXPECT_FALSE(s.Joueurs().ChercheJoueurNom("LIBRE", "B"));
}
