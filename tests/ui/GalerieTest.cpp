// Pictures of the windows of the foundation, written to gui-out/ beside the
// test program to be looked at: message boxes of every layout, the team
// choice, a panel of skinned controls in both designs, the design choice.
#include <gtest/gtest.h>

#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/ChampionnatBuilder.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/ui/UiEssai.h"
#include "ui/Afficheur.h"
#include "ui/message2.h"

namespace
{
void Grab(TControl* c, const std::string& nom)
{
    const std::string f = kit::GrabToPng(c, nom);
    EXPECT_TRUE(FileExists(f)) << f;
}

// A light window with a skinned panel holding buttons, frames and check boxes.
void Panneau(const std::string& nom)
{
    TDessin* d = essai::Module();
    TOwned<TBrivantelForm> f(new TBrivantelForm(nullptr));
    f->SetCaption("Options");
    f->SetClientWidth(460);
    f->SetClientHeight(300);
    f->SetColor(CouleurFondFonceDessin);

    auto* titre = new TLabel(f.get());
    titre->SetCaption(L1("Options du championnat"));
    titre->Font().SetStyle(fsBold);
    titre->Font().SetSize(11);
    titre->Font().SetColor(0xFFFFFF);
    titre->SetTransparent(true);
    titre->SetBounds(16, 10, 300, 20);
    titre->SetParent(f.get());

    auto* fond = new TFondCopie(f.get());
    fond->SetModele(d->Fond("FondCarrebleu"));
    fond->SetBounds(12, 36, 436, 200);
    fond->SetParent(f.get());

    auto* creux = new TFondCopie(f.get());
    creux->SetModele(d->Fond("FondCreuxBleu"));
    creux->SetBounds(230, 14, 190, 166);
    creux->SetParent(fond);

    const char* equipes[] = {"Olympique Valmont", "AS Corbières", "Racing Bellerive"};
    for (int i = 0; i < 3; ++i)
    {
        auto* c = new TCadre(f.get());
        c->SetModele(d->Fond("BoutonCreuxBleu"));
        c->SetBounds(14, 16 + i * 30, 200, 25);
        c->SetText(L1(equipes[i]));
        c->Font().SetStyle(fsBold);
        c->SetParent(fond);
        c->SetSelectionne(i == 1);
    }
    auto* r = new TEditRond(f.get());
    r->SetModele(d->Fond("RondCreuxBleu"));
    r->SetBounds(14, 110, 25, 25);
    r->SetText("3");
    r->SetTabStop(false);
    r->Font().SetStyle(fsBold);
    r->SetParent(fond);
    auto* r2 = new TEditRond(f.get());
    r2->SetModele(d->Fond("RondCreuxBleu"));
    r2->SetBounds(46, 110, 25, 25);
    r2->SetText("1");
    r2->SetTabStop(false);
    r2->Font().SetStyle(fsBold);
    r2->SetParent(fond);

    const char* options[] = {"Points de bonus", "Matchs nuls", "Tirs au but", "Prolongations"};
    for (int i = 0; i < 4; ++i)
    {
        TBoutonCoche* c = i < 2 ? static_cast<TBoutonCoche*>(new TCarreCoche(f.get()))
                                : static_cast<TBoutonCoche*>(new TRondCoche(f.get()));
        c->SetCaption(L1(options[i]));
        c->SetBounds(14, 12 + i * 22, 160, 20);
        c->Font().SetColor(d->Couleurs.CouleurTitre);
        c->SetParent(creux);
        c->SetChecked(i == 0 || i == 2);
        c->SetEnabled(i != 1);
    }
    auto* aff = new TAffichage(f.get());
    aff->SetNb_case(3);
    aff->SetNombre("17");
    aff->SetBounds(14, 104, 102, 53);
    aff->SetParent(creux);
    auto* aff2 = new TAffichage(f.get());
    aff2->SetNb_case(1);
    aff2->SetCouleur(2);
    aff2->SetNombre("8");
    aff2->SetBounds(124, 104, 34, 53);
    aff2->SetParent(creux);

    const char* legendes[] = {"Valider", "Appliquer", "Annuler"};
    const char* maitres[] = {"BoutonOrange", "Boutonorange2", "BoutonOrange3"};
    for (int i = 0; i < 3; ++i)
    {
        auto* b = new TBoutonCopie(f.get());
        b->SetModele(d->Bouton(maitres[i]));
        b->SetCaption(legendes[i]);
        b->Font().SetStyle(fsBold);
        b->SetDecalX(-1);
        b->SetDecalY(-3);
        b->SetBounds(60 + i * 120, 252, 100, 31);
        b->SetParent(f.get());
    }
    f->ChangeCouleurs(d->Couleurs);
    kit::ShowForm(f.get());
    Grab(f.get(), nom);
}
}

TEST(Galerie, MessageBoxes)
{
    essai::Module();
    const struct { int flags; const char* texte; const char* nom; } cas[] = {
        {0, "Le fichier a bien été enregistré.", "message_0"},
        {1, "Voulez-vous continuer ?", "message_oui"},
        {4, "La saison a été importée.", "message_valider"},
        {1 | 2, "Supprimer le championnat « Ligue 1 » ?", "message_oui_non"},
        {4 | 8, "Les résultats de la journée seront remplacés.", "message_valider_annuler"},
        {1 | 2 | 8,
         "La saison a été modifiée. Voulez-vous enregistrer les modifications avant de fermer ? Les "
         "changements non enregistrés seront perdus, ainsi que les fiches des joueurs créées depuis "
         "le dernier enregistrement.",
         "message_oui_non_annuler"},
        {2 | 8, "Remplacer le joueur ?", "message_non_annuler"},
    };
    for (const auto& c : cas)
    {
        TOwned<Tf_MessageUtil> m(new Tf_MessageUtil(nullptr));
        m->ChangeCouleurs(essai::Module()->Couleurs);
        m->Prepare(L1(c.texte), c.flags);
        kit::ShowForm(m.get());
        Grab(m.get(), c.nom);
    }
}

TEST(Galerie, TeamChoice)
{
    essai::Module();
    TChampionnatEssai c(0, 7, 0, 2);
    const char* noms[] = {"Olympique Valmont", "AS Corbières", "Racing Bellerive", "Stade Arvenois",
                          "US Larano", "SV Lindenau", "FC Montreuil"};
    for (int i = 0; i < 7; ++i)
        c.saison->RenommeEquipe(i, L1(noms[i]));
    c.saison->SetChampionnatCourant(c.champ.get());
    kit::WhenModal([](TForm* f) {
        Grab(f, "choix_equipe");
        f->SetModalResult(mrCancel);
    });
    int equipe = 2;
    TFootForm::ChoisitEquipe(c.saison.get(), L1("Choix de l'équipe"), essai::Module()->Couleurs, 4, equipe);
}

TEST(Galerie, SkinnedPanelInBothDesigns)
{
    TDessin* d = essai::Module();
    Panneau("panneau_bleu");
    Tf_ChoixDesign::ChargeDesign(essai::DossierDonnees(), 2, d->Couleurs);
    Panneau("panneau_ardoise");
    {
        TOwned<Tf_MessageUtil> m(new Tf_MessageUtil(nullptr));
        m->ChangeCouleurs(d->Couleurs);
        m->Prepare(L1("Supprimer le championnat « Ligue 1 » ?"), 1 | 2 | 8);
        kit::ShowForm(m.get());
        Grab(m.get(), "message_ardoise");
    }
    d->Couleurs = TCouleurElement();
    Tf_ChoixDesign::ChargeDesign(essai::DossierDonnees(), 1, d->Couleurs);
}

TEST(Galerie, DesignChoice)
{
    essai::Module();
    TOwned<Tf_ChoixDesign> f(new Tf_ChoixDesign(nullptr));
    f->ChangeCouleurs(essai::Module()->Couleurs);
    f->Init(essai::DossierDonnees(), 1);
    kit::ShowForm(f.get());
    Grab(f.get(), "choix_design");
}
