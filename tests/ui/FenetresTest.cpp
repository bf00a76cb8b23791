// The skinned controls, base windows and dialogs, offscreen.
#include <gtest/gtest.h>

#include <functional>

#include "platform/gui/Dialogs.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "tests/support/ChampionnatBuilder.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/ui/UiEssai.h"
#include "ui/Afficheur.h"
#include "ui/ChoixDesign.h"
#include "ui/ColorStringGrid.h"
#include "ui/Editeur.h"
#include "ui/Fond.h"
#include "ui/TreeViewCombo.h"
#include "ui/message2.h"

namespace
{
TColor PixelForme(TControl* c, int x, int y)
{
    TBitmap b;
    const std::string f = kit::GrabToPng(c, "sonde", kit::TempDir());
    TPicture p;
    p.LoadFromFile(f);
    b.Assign(*p.Graphic());
    return b.Pixels(x, y);
}

struct Fenetre
{
    TOwned<TBrivantelForm> f{new TBrivantelForm(nullptr)};
    Fenetre()
    {
        essai::Module();
        f->SetBounds(0, 0, 300, 200);
    }
};
}

TEST(Dessin, MastersHoldTheDesignPictures)
{
    TDessin* d = essai::Module();
    ASSERT_NE(d->BoutonOrange, nullptr);
    EXPECT_EQ(d->BoutonOrange->BitmapUp()->Width(), 113);
    EXPECT_EQ(d->BoutonOrange->BitmapUp()->Height(), 31);
    EXPECT_EQ(d->BoutonOrange->MargeMotif()->Left(), 15);
    EXPECT_EQ(d->Fond("fondcarrebleusimple"), d->FondCarrebleuSimple) << "names without regard to case";
    EXPECT_EQ(d->FondModele("Dessin.FondMenuBleu")->Bitmap()->Width(), 81);
    EXPECT_EQ(d->Fond("FondCreuxBleu")->MargeMotif()->Bottom(), 8);
    EXPECT_EQ(d->Fond("BoutonCreuxSel2")->BitmapSelection()->Width(), 129);
    EXPECT_EQ(TDessin::NomsMaitres().size(), 23u);
    for (const std::string& nom : TDessin::NomsMaitres())
    {
        const TFondModele* f = d->Fond(nom);
        const TBoutonModele* b = d->Bouton(nom);
        ASSERT_TRUE(f || b) << nom;
        EXPECT_GT(f ? f->Bitmap()->Width() : b->BitmapUp()->Width(), 0) << nom;
    }
}

TEST(Dessin, CopyPaintsItsMastersPicture)
{
    Fenetre w;
    auto* copie = new TFondCopie(w.f.get());
    copie->SetBounds(10, 10, 200, 120);
    copie->SetParent(w.f.get());
    copie->SetModele(essai::Module()->FondCarrebleuSimple);
    kit::ShowForm(w.f.get());
    const TColor centre = PixelForme(copie, 100, 60);
    const TBitmap* b = essai::Module()->FondCarrebleuSimple->Bitmap();
    EXPECT_EQ(centre, b->Pixels(36, 32)) << "the centre tile is copied";
    EXPECT_EQ(copie->Color(), centre) << "the copy takes its picture's colour for its children";
}

TEST(Design, ApplyingKeepsUnnamedColoursAndUnknownIdFallsBack)
{
    essai::Module();
    const std::string dossier = kit::TempDir() + "designs-essai/";
    ForceDirectories(dossier + "designs");
    ASSERT_TRUE(WriteFileAtomic(dossier + "designs/designs.xml",
                                "<designs>\r\n<design id=\"1\" nom=\"Un\">\r\n<fondclair>GG</fondclair>\r\n"
                                "<fondfonce>102030</fondfonce>\r\n<BitmapMenu>menu.jpg</BitmapMenu>\r\n"
                                "</design>\r\n<design id=\"2\" nom=\"Deux\">\r\n<CouleurTitre>00FF00</CouleurTitre>"
                                "\r\n</design>\r\n</designs>\r\n"));
    TCouleurElement c;
    c.fondclair = 1;
    c.CouleurTexte1 = 5;
    Tf_ChoixDesign::ChargeDesign(dossier, 9, c);   // unknown: design 1
    EXPECT_EQ(c.fondclair, 0xEE9C04u) << "not hexadecimal: the default";
    EXPECT_EQ(c.fondfonce, 0x102030u);
    EXPECT_EQ(c.CouleurTexte1, 5u) << "a colour the design does not name stays";
    EXPECT_EQ(c.BitmapMenu, MakePath(dossier, "\\menu.jpg"));
    Tf_ChoixDesign::ChargeDesign(dossier, 2, c);
    EXPECT_EQ(c.CouleurTitre, 0x00FF00u);
    EXPECT_EQ(c.fondfonce, 0x102030u);
    EXPECT_EQ(c.BitmapMenu, "");
    // a file whose root is wrong: the message, nothing applied
    ASSERT_TRUE(WriteFileAtomic(dossier + "designs/designs.xml", "<autre>\r\n</autre>\r\n"));
    int boites = 0;
    kit::WhenModal([&](TForm* f) { ++boites; f->SetModalResult(mrOk); });
    Tf_ChoixDesign::ChargeDesign(dossier, 1, c);
    EXPECT_EQ(boites, 1);
    // no file: silent
    Tf_ChoixDesign::ChargeDesign(dossier + "nulle/", 1, c);
}

TEST(Design, DialogListsTheDesignsAndGivesTheChoice)
{
    essai::Module();
    TOwned<Tf_ChoixDesign> f(new Tf_ChoixDesign(nullptr));
    f->ChangeCouleurs(essai::Module()->Couleurs);
    f->Init(essai::DossierDonnees(), 1);
    ASSERT_EQ(f->cb_Modele->Items().Count(), 2);
    EXPECT_EQ(f->cb_Modele->ItemIndex(), 0);
    EXPECT_NE(f->m_Description->Text().find("orange"), std::string::npos);
    const int r = kit::RunModal(f.get(), [](TForm* form) {
        auto* d = static_cast<Tf_ChoixDesign*>(form);
        d->cb_Modele->SetItemIndex(1);
        kit::Click(d->b_Valider);
    });
    EXPECT_EQ(r, mrOk);
    EXPECT_EQ(f->Resultat, 2);
}

TEST(BaseForm, ColoursComeFromTheDesignedOnesEveryTime)
{
    Fenetre w;
    w.f->SetColor(CouleurFondFonceDessin);
    auto* titre = new TLabel(w.f.get());
    titre->Font().SetColor(0xFFFFFF);
    titre->SetParent(w.f.get());
    auto* jaune = new TLabel(w.f.get());
    jaune->Font().SetColor(0xFFE155);
    jaune->SetParent(w.f.get());
    auto* panneau = new TPanel(w.f.get());
    panneau->SetColor(0x6F3001);
    panneau->SetParent(w.f.get());
    auto* profond = new TLabel(w.f.get());
    profond->Font().SetColor(0xFFFFFF);
    profond->SetParent(panneau);
    auto* bouton = new TBoutonCopie(w.f.get());
    bouton->SetModele(essai::Module()->Boutonorange2);
    bouton->SetParent(w.f.get());

    TCouleurElement a;
    a.fondfonce = 0x111111;
    a.fondclair = 0x222222;
    a.CouleurTitre = 0xFFFF00;   // the scheme maps white to a colour that is itself mapped
    a.CouleurTexte2 = 0x333333;
    a.EcritureBOrangeClair = 0x444444;
    a.EcritureOnBOrangeClair = 0x555555;
    w.f->ChangeCouleurs(a);
    EXPECT_EQ(w.f->Color(), 0x111111u);
    EXPECT_EQ(titre->Font().Color(), 0xFFFF00u);
    EXPECT_EQ(jaune->Font().Color(), 0x333333u);
    EXPECT_EQ(panneau->Color(), 0x222222u);
    EXPECT_EQ(profond->Font().Color(), 0xFFFFFFu) << "only direct children";
    EXPECT_EQ(bouton->couleur(), 0x444444u);
    EXPECT_EQ(bouton->couleurOver(), 0x555555u);
    w.f->ChangeCouleurs(a);
    EXPECT_EQ(titre->Font().Color(), 0xFFFF00u) << "a second application gives the same colours";
    TCouleurElement b;
    w.f->ChangeCouleurs(b);
    EXPECT_EQ(w.f->Color(), b.fondfonce);
    EXPECT_EQ(titre->Font().Color(), b.CouleurTitre);
}

TEST(BaseForm, SignaleAndNewWindowsTakeTheModulesScheme)
{
    essai::Module()->Couleurs.fondclair = 0x010203;
    TOwned<TBrivantelForm> f(new TBrivantelForm(nullptr));
    EXPECT_EQ(f->Couleurs.fondclair, 0x010203u);
    essai::Module()->Couleurs.fondclair = TCouleurElement().fondclair;
    f->Signale();   // no handler: nothing
    int n = 0;
    f->OnModification = [&] { ++n; };
    f->Signale();
    EXPECT_EQ(n, 1);
}

namespace
{
class FicheEssai : public TFicheJoueurForm
{
public:
    using TFicheJoueurForm::TFicheJoueurForm;
    void ChangeJoueur(int32_t code, TJoueur* j) override
    {
        Code = code;
        Joueur = j;
    }
    int32_t Code = -1;
    TJoueur* Joueur = nullptr;
    static inline TColor CouleurVue = 0;
    static inline intptr_t TagVu = 0;
};
}

TEST(BaseForm, PlayerCardIsColouredAndValidated)
{
    essai::Module();
    TChampionnatEssai c(0, 4, 0, 2);
    c.saison->SetChampionnatCourant(c.champ.get());
    auto* joueur = reinterpret_cast<TJoueur*>(0x1234);
    EnregistreServicesFicheJoueur({
        [](TSaison*) { auto* f = new FicheEssai(nullptr); f->SetColor(CouleurFondFonceDessin); return f; },
        [](TJoueur*, TSaison*) { return 7; },
        [joueur](int32_t id, TSaison*) { return id == 5 ? joueur : nullptr; },
    });
    kit::WhenModal([](TForm* f) {
        FicheEssai::CouleurVue = f->Color();
        FicheEssai::TagVu = f->Tag;
        f->SetModalResult(mrOk);
    });
    EXPECT_EQ(TFootForm::OuvreFicheJoueurId(5, c.saison.get()), joueur);
    EXPECT_EQ(FicheEssai::CouleurVue, essai::Module()->Couleurs.fondfonce) << "a real scheme, not black";
    EXPECT_EQ(FicheEssai::TagVu, 0x30007);
    EXPECT_EQ(TFootForm::OuvreFicheJoueurId(0, c.saison.get()), nullptr);
    kit::WhenModal([](TForm* f) { f->SetModalResult(mrCancel); });
    EXPECT_EQ(TFootForm::OuvreFicheJoueur(joueur, c.saison.get()), nullptr);
    EXPECT_EQ(TFootForm::OuvreFicheJoueur(nullptr, c.saison.get()), nullptr);
    EnregistreServicesFicheJoueur({});
}

TEST(BaseForm, TeamChoice)
{
    essai::Module();
    TChampionnatEssai c(0, 7, 0, 2);
    c.saison->SetChampionnatCourant(c.champ.get());
    int equipe = 0;
    kit::WhenModal([](TForm* f) {
        EXPECT_EQ(f->ClientHeight(), 100);
        auto* ok = kit::Find<TBoutonCopie>(f, "b_Valider");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->Top(), 68);
        // the check boxes of the panel: position 1 preselected (0 is forbidden)
        std::vector<TCarreCoche*> cases;
        for (int i = 0; i < f->ComponentCount(); ++i)
            if (auto* k = dynamic_cast<TCarreCoche*>(f->Components(i)))
                cases.push_back(k);
        ASSERT_EQ(cases.size(), 7u);
        EXPECT_FALSE(cases[0]->Enabled());
        EXPECT_TRUE(cases[1]->Checked());
        EXPECT_EQ(cases[5]->Left(), 320);
        EXPECT_EQ(cases[5]->Top(), 25);
        kit::Click(cases[4], 5, 10);
        EXPECT_FALSE(cases[1]->Checked()) << "one group";
        kit::PressKey(f, VK_RETURN);
    });
    EXPECT_TRUE(TFootForm::ChoisitEquipe(c.saison.get(), "Equipe", essai::Module()->Couleurs, 1, equipe));
    EXPECT_EQ(equipe, 4);
    TChampionnatEssai vide(0, 0, 0, 1);
    vide.saison->SetChampionnatCourant(vide.champ.get());
    kit::WhenModal([](TForm* f) {
        EXPECT_EQ(f->ClientHeight(), 40);
        f->SetModalResult(mrOk);
    });
    EXPECT_FALSE(TFootForm::ChoisitEquipe(vide.saison.get(), "Equipe", essai::Module()->Couleurs, 0, equipe));
}

TEST(Controles, SkinnedButtonKeysAndHover)
{
    Fenetre w;
    auto* ok = new TBoutonCopie(w.f.get());
    ok->SetModele(essai::Module()->BoutonOrange);
    ok->SetCaption("OK");
    ok->Default = true;
    ok->ModalResult = mrOk;
    ok->SetParent(w.f.get());
    auto* annuler = new TBoutonCopie(w.f.get());
    annuler->SetModele(essai::Module()->BoutonOrange);
    annuler->Cancel = true;
    annuler->ModalResult = mrCancel;
    annuler->SetTop(40);
    annuler->SetParent(w.f.get());
    int clics = 0;
    annuler->OnClick = [&](TObject*) { ++clics; };
    EXPECT_EQ(kit::RunModal(w.f.get(), [](TForm* f) { kit::PressKey(f, VK_ESCAPE); }), mrCancel);
    EXPECT_EQ(clics, 1);
    EXPECT_EQ(kit::RunModal(w.f.get(), [](TForm* f) { kit::PressKey(f, VK_RETURN); }), mrOk);
    // no over picture and equal caption colours: hovering repaints nothing
    kit::ShowForm(w.f.get());
    kit::Process(50);
    const int avant = ok->NbPeintures();
    kit::MouseMove(ok, 10, 10);
    kit::MouseMove(annuler, 10, 10);
    kit::Process(50);
    EXPECT_EQ(ok->NbPeintures(), avant);
    ok->SetcouleurOver(clWhite);
    kit::Process(50);
    const int ensuite = ok->NbPeintures();
    kit::MouseMove(ok, 10, 10);
    kit::Process(50);
    EXPECT_GT(ok->NbPeintures(), ensuite);
}

TEST(Controles, CheckGroupsAndFrames)
{
    Fenetre w;
    auto* r1 = new TRondCoche(w.f.get());
    r1->SetParent(w.f.get());
    auto* r2 = new TRondCoche(w.f.get());
    r2->SetTop(25);
    r2->SetParent(w.f.get());
    r1->SetChecked(true);
    kit::ShowForm(w.f.get());
    kit::Click(r2, 5, 10);
    EXPECT_TRUE(r2->Checked());
    EXPECT_FALSE(r1->Checked());
    kit::Click(r2, 5, 10);
    EXPECT_TRUE(r2->Checked()) << "a checked round choice stays checked";
    auto* c1 = new TCarreCoche(w.f.get());
    c1->SetParent(w.f.get());
    auto* c2 = new TCarreCoche(w.f.get());
    c2->SetParent(w.f.get());
    c1->SetChecked(true);
    c2->SetChecked(true);
    EXPECT_TRUE(c1->Checked()) << "square boxes are independent";
    c2->Setgroupe(0);
    EXPECT_FALSE(c2->Checked()) << "moved into a group where a round choice is checked";

    auto* a = new TCadre(w.f.get());
    a->SetParent(w.f.get());
    auto* b = new TCadre(w.f.get());
    b->SetParent(w.f.get());
    a->SetSelectionne(true);
    b->SetSelectionne(true);
    EXPECT_FALSE(a->Selectionne());
    b->Multi = true;
    a->SetSelectionne(true);
    b->SetSelectionne(true);
    EXPECT_TRUE(a->Selectionne() && b->Selectionne());

    auto* rond = new TEditRond(w.f.get());
    rond->SetText("0");
    rond->SetParent(w.f.get());
    kit::Type(rond, "a7");
    EXPECT_EQ(rond->Text(), "7");
}

// A round box (a score, a minute, a shirt, a rating) keeps what it holds
// when what is typed is refused: a 0 stays when the digit typed after it is
// refused (past the field's largest number, or by its page); a paste of one
// figure in groups of thousands is taken.
TEST(Controles, ARoundBoxKeepsWhatItHoldsWhenAKeyOrAPasteIsRefused)
{
    Fenetre w;
    auto* rond = new TEditRond(w.f.get());
    rond->SetParent(w.f.get());
    kit::ShowForm(w.f.get());
    struct Cas
    {
        const char* nom;
        const char* tenu;
        int maximum;
        const char* refusePage;   // a key the page refuses
        std::function<void()> geste;
        const char* garde;
        std::string dit;          // "": nothing refused
    };
    const auto tape = [&](const char* t) { return [&, t] { kit::Type(rond, t); }; };
    const auto colle = [&](const char* t) { return [&, t] { kit::Click(rond); kit::Paste(rond, t); }; };
    const Cas cas[] = {
        {"0, a digit past the largest", "0", 5, "", tape("7"), "0", Format(DialogTexts().NumberFromTo, {0, 5})},
        {"0, a digit the page refuses", "0", 0, "7", tape("7"), "0", ""},
        {"0, a digit taken", "0", 5, "", tape("4"), "4", ""},
        {"25, a digit past 255", "", 255, "", tape("256"), "25", Format(DialogTexts().NumberFromTo, {0, 255})},
        {"1 000 pasted", "", 0, "", colle("1 000"), "1000", ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        rond->Maxlength = 4;
        rond->Maximum = c.maximum;
        const std::string refuse = c.refusePage;
        rond->OnKeyPress = [refuse](TObject*, char& k) {
            if (!refuse.empty() && k == refuse[0])
                k = 0;
        };
        rond->SetText(c.tenu);
        kit::Refusals().clear();
        c.geste();
        EXPECT_EQ(rond->Text(), c.garde);
        EXPECT_EQ(kit::Refusals().empty() ? std::string() : kit::Refusals().back().reason, c.dit);
    }
}

TEST(Controles, FrameAndListExchangeEntries)
{
    Fenetre w;
    auto* liste = new TListe(w.f.get());
    liste->TailleNomLong = 8;
    liste->Gagne_element = true;
    liste->CanDrag = true;
    liste->SetParent(w.f.get());
    liste->Items().Add(std::string("\1") + "0000001A" + '\2' + "Durand");
    auto* cadre = new TCadreDrop(w.f.get());
    cadre->NumeroHex = true;
    cadre->Numero = 0x2B;
    cadre->SetText("Martin");
    cadre->SetParent(w.f.get());
    liste->SetItemIndex(0);
    cadre->RecoitElement(*liste);
    EXPECT_EQ(cadre->Text(), "Durand");
    EXPECT_EQ(cadre->Numero, 26);
    ASSERT_EQ(liste->Items().Count(), 1);
    EXPECT_EQ(NumeroEntreeListe(liste->Items()[0], 8, true), 0x2B) << "written back in hexadecimal";
    EXPECT_EQ(NomEntreeListe(liste->Items()[0], 8), "Martin");
    auto* autre = new TCadreDrop(w.f.get());
    autre->SetText("Petit");
    autre->Numero = 3;
    autre->SetParent(w.f.get());
    autre->RecoitCadre(*cadre);
    EXPECT_EQ(autre->Text(), "Durand");
    EXPECT_EQ(cadre->Text(), "Petit");
    EXPECT_EQ(cadre->Numero, 3);
}

TEST(Controles, LogoLoadsByExtension)
{
    essai::Module();
    TLogo logo(nullptr);
    logo.ChargeFichier(MakePath(essai::DossierDonnees(), "blasons\\1001.png"));
    ASSERT_NE(logo.Image(), nullptr);
    EXPECT_EQ(logo.Image()->Width(), 32);
    logo.ChargeFichier(MakePath(essai::DossierDonnees(), "blasons\\1001.gif"));
    EXPECT_EQ(logo.Image(), nullptr);
    logo.ChargeFichier(MakePath(essai::DossierDonnees(), "blasons\\absent.png"));
    EXPECT_EQ(logo.Image(), nullptr);
}

TEST(MessageBox, ClosingAnswersCancelAndLongTextsWiden)
{
    essai::Module();
    kit::WhenModal([](TForm* f) {
        EXPECT_EQ(f->ClientWidth(), 320);
        f->Close();
    });
    EXPECT_EQ(Tf_MessageUtil::Affiche("Court", 1 | 2), mrCancel);
    kit::WhenModal([](TForm* f) {
        auto* m = static_cast<Tf_MessageUtil*>(f);
        EXPECT_EQ(f->ClientWidth(), 400);
        EXPECT_EQ(m->BoutonCopie1->Caption(), "Oui");
        EXPECT_EQ(m->BoutonCopie2->Caption(), "Non");
        EXPECT_EQ(m->BoutonCopie3->Caption(), "Annuler");
        kit::Click(m->BoutonCopie2);
    });
    std::string longue;
    for (int i = 0; i < 12; ++i)
        longue += "Une longue phrase qui occupe plusieurs lignes. ";
    EXPECT_EQ(Tf_MessageUtil::Affiche(longue, 1 | 2 | 8), mrNo);
    kit::WhenModal([](TForm* f) { kit::PressKey(f, VK_ESCAPE); });
    EXPECT_EQ(Tf_MessageUtil::Affiche("Enregistrer ?", 4 | 8), mrCancel);
}

TEST(Controles, NumericDisplayTyping)
{
    Fenetre w;
    auto* a = new TAffichage(w.f.get());
    a->Edition = true;
    a->SetNb_case(2);
    a->SetTabStop(true);
    a->SetParent(w.f.get());
    EXPECT_EQ(a->Width(), 68);
    kit::ShowForm(w.f.get());
    kit::Type(a, "1234");
    EXPECT_EQ(a->Nombre(), "34");
}

TEST(Controles, CheckTreeTogglesOnSpace)
{
    Fenetre w;
    auto* t = new TTreeViewCombo(w.f.get());
    t->SetParent(w.f.get());
    TTreeNode* p = t->Items().Add(nullptr, "Championnats");
    p->SetStateIndex(2);
    TTreeNode* a = t->Items().AddChild(p, "Ligue 1");
    a->SetStateIndex(2);
    TTreeNode* b = t->Items().AddChild(p, "Ligue 2");
    b->SetStateIndex(2);
    kit::ShowForm(w.f.get());
    t->SetSelected(a);
    kit::Type(t, " ");
    EXPECT_EQ(a->StateIndex(), 1);
    EXPECT_EQ(p->StateIndex(), 1);
}

TEST(Fenetres, IntegreFicheFillsTheControl)
{
    Fenetre w;
    auto* panneau = new TPanel(w.f.get());
    panneau->SetBevelOuter(bvNone);
    panneau->SetBounds(0, 0, 200, 100);
    panneau->SetParent(w.f.get());
    auto* fiche = new TBrivantelForm(w.f.get());
    IntegreFiche(fiche, panneau);
    kit::ShowForm(w.f.get());
    EXPECT_EQ(fiche->Parent(), panneau);
    EXPECT_EQ(fiche->Width(), panneau->ClientWidth());
    EXPECT_TRUE(fiche->Visible());
}

// Each design's colours reach a window's colour grid (title cells, background,
// selection), as the design file names them.
TEST(BaseForm, AColourGridTakesTheChosenDesignsColours)
{
    for (const int design : {1, 2})
    {
        SCOPED_TRACE(design);
        TCouleurElement c;
        Tf_ChoixDesign::ChargeDesign(essai::DossierDonnees(), design, c);
        Fenetre w;
        auto* g = new TColorStringGrid(w.f.get());
        g->SetParent(w.f.get());
        g->SetCouleurSelection(clNavy);
        w.f->ChangeCouleurs(c);
        EXPECT_EQ(g->CouleurSelection(), c.CouleurFondSelTableau);
        EXPECT_EQ(g->CouleurTexteSelection(), c.CouleurTexteSelTableau);
        EXPECT_EQ(g->FixedColor(), c.CouleurFondTitreTableau);
        EXPECT_EQ(g->Color(), c.fondfonce);
    }
    // The two designs differ, so each colour above came from its own.
    TCouleurElement un, deux;
    Tf_ChoixDesign::ChargeDesign(essai::DossierDonnees(), 1, un);
    Tf_ChoixDesign::ChargeDesign(essai::DossierDonnees(), 2, deux);
    EXPECT_NE(un.CouleurFondSelTableau, deux.CouleurFondSelTableau);
}

// A colour character means one colour in a list and in the text pane.
TEST(BaseForm, ListsAndTheTextPaneShareOnePalette)
{
    essai::Module();
    TOwned<TEditeur> e(new TEditeur(nullptr));
    const struct
    {
        int code;
        TColor couleur;
    } reperes[] = {{4, 0x0000FF}, {6, 0x000080}, {7, 0xC0C0C0}, {8, 0x808080}, {12, 0x8080FF}};
    for (int i = 0; i < TEditeur::NbCouleurPalette; ++i)
        EXPECT_EQ(CouleurPalette(i), e->Palette(i)) << i;
    for (const auto& r : reperes)
        EXPECT_EQ(CouleurPalette(r.code), r.couleur) << r.code;
}
