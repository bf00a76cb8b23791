// The favourites and menu-mode dialogs driven through their controls from the
// main window's commands 215 and 177: what they write, what the menus show after.
#include <gtest/gtest.h>

#include "platform/gui/ActnList.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/WinInet.h"
#include "shell/Aide.h"
#include "shell/w_Favoris.h"
#include "tests/shell/HorsLigne.h"
#include "tests/shell/SaisonEssai.h"
#include "ui/Bouton.h"
#include "ui/TreeViewCombo.h"
#include "views/w_Classement.h"

using namespace essai;

namespace {

class Favoris : public essai::THorsLigne<>
{
protected:
    TOwned<FenetreEssai> Ouvre(const std::string& nom, bool menuHaut = false)
    {
        dir = Prepare(nom, menuHaut);
        auto f = LanceFenetre();
        f->OpenFile(EcritSaison(MakePath(dir, "sauvegarde/" + nom + ".xmc"), 0));
        EXPECT_TRUE(f->Saison);
        return f;
    }
    std::string Ini(const std::string& cle) { return TIniFile(MakePath(dir, "brivantel.ini")).ReadString("General", cle, "?"); }
    std::string dir;
};

TTreeNode* NoeudCommande(TTreeView* t, int id)
{
    for (TTreeNode* n = t->Items().GetFirstNode(); n; n = n->GetNext())
        if ((n->Data & 0xFFFF) == id)
            return n;
    return nullptr;
}

std::vector<int> Ids(TListBox* l)
{
    std::vector<int> v;
    for (int i = 0; i < l->Items().Count(); ++i)
        v.push_back(static_cast<int>(l->Items().Objects(i)));
    return v;
}

}  // namespace

TEST_F(Favoris, PickedInTheTreeOrderedAndRemovedThenWrittenAndRunByCtrl1)
{
    auto f = Ouvre("favoris");
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Favoris", "41-abc");
    // Cancel writes nothing.
    kit::WhenModal([](TForm* m) { m->SetModalResult(mrCancel); });
    Commande(*f, 215);
    EXPECT_EQ(Ini("Favoris"), "41-abc");

    kit::WhenModal([](TForm* m) {
        auto* d = static_cast<Tf_Favoris*>(m);
        // The stored favourite shows; the piece that is not a number matches nothing.
        EXPECT_EQ(Ids(d->lb_Fonctions), (std::vector<int>{41}));
        // A folder is never added, by button or by drag.
        TTreeNode* dossier = d->tv_Option->Items().GetFirstNode();
        while (dossier && !dossier->HasChildren())
            dossier = dossier->GetNext();
        ASSERT_NE(dossier, nullptr);
        d->tv_Option->SetSelected(dossier);
        EXPECT_FALSE(d->Button1->Enabled());
        kit::Drag(d->tv_Option, {20, 10}, d->lb_Fonctions, {20, 20});
        // By button, once only.
        d->tv_Option->SetSelected(NoeudCommande(d->tv_Option, 42));
        EXPECT_TRUE(d->Button1->Enabled());
        kit::Click(d->Button1);
        kit::Click(d->Button1);
        // By drag from the tree.
        TTreeNode* n = NoeudCommande(d->tv_Option, 44);
        ASSERT_NE(n, nullptr);
        n->MakeVisible();
        const TRect r = n->DisplayRect(true);
        kit::Drag(d->tv_Option, {r.Left + 4, (r.Top + r.Bottom) / 2}, d->lb_Fonctions, {20, 20});
        EXPECT_EQ(Ids(d->lb_Fonctions), (std::vector<int>{41, 42, 44}));
        // Up and down keep the moved item selected; nothing moves past the ends.
        d->lb_Fonctions->SetItemIndex(2);
        kit::Click(d->sb_Up);
        kit::Click(d->sb_Up);
        kit::Click(d->sb_Up);
        EXPECT_EQ(Ids(d->lb_Fonctions), (std::vector<int>{44, 41, 42}));
        EXPECT_TRUE(d->lb_Fonctions->Selected(0));
        kit::Click(d->sb_Down);
        EXPECT_EQ(Ids(d->lb_Fonctions), (std::vector<int>{41, 44, 42}));
        // "<" and the Delete key remove the selected favourites.
        d->lb_Fonctions->ClearSelection();
        d->lb_Fonctions->SetSelected(2, true);
        kit::Click(d->Button2);
        d->lb_Fonctions->SetItemIndex(0);
        d->lb_Fonctions->SetSelected(0, true);
        kit::PressKey(d->lb_Fonctions, 46);
        EXPECT_EQ(Ids(d->lb_Fonctions), (std::vector<int>{44}));
        d->tv_Option->SetSelected(NoeudCommande(d->tv_Option, 40));
        kit::Click(d->Button1);
        kit::GrabToPng(d, "favoris");
        kit::Click(d->b_Valider);
    });
    Commande(*f, 215);
    EXPECT_EQ(Ini("Favoris"), "44-40");
    // The tree's favourites group lists them in order; Ctrl+1 runs the first.
    TTreeNode* groupe = f->tv_Menu->Items().GetFirstNode();
    while (groupe && groupe->Text() != Traduire(1187))
        groupe = groupe->getNextSibling();
    ASSERT_NE(groupe, nullptr);
    ASSERT_EQ(groupe->Count(), 2);
    EXPECT_EQ(groupe->Item(0)->Data & 0xFFFF, 44);
    EXPECT_EQ(groupe->Item(1)->Data & 0xFFFF, 40);
    ASSERT_TRUE(f->ActionList1->IsShortCut(ShortCut('1', ssCtrl)));
    kit::Process();
    auto* cl = dynamic_cast<Tf_Classement*>(f->Enfant);
    ASSERT_NE(cl, nullptr);
    EXPECT_EQ(f->PointCourant.Commande, 44);
    TermineFenetre(f);
}

TEST_F(Favoris, MenuModeHidesItsFunctionsKeepsTheFixedOnesAndNeedsAPlacement)
{
    auto f = Ouvre("modes", true);
    std::vector<std::string> textes;
    kit::WhenModal([&](TForm* m) {
        auto* d = static_cast<Tf_FavorisEx*>(m);
        TTreeViewCombo* t = d->tvc_Option;
        // An empty stored list: every function ticked.
        for (TTreeNode* n = t->Items().GetFirstNode(); n; n = n->GetNext())
            EXPECT_GE(n->StateIndex(), 2) << n->Text();
        EXPECT_EQ(d->cb_modes->ItemIndex(), 4);
        EXPECT_TRUE(d->cb_MenuHaut->Checked());
        EXPECT_TRUE(d->cb_MenuGauche->Checked());
        // "Parieur" unticks its list; fixed functions stay ticked and locked, their ancestors grey.
        d->cb_modes->SetItemIndex(0);
        d->cb_modesChange(d->cb_modes);
        const std::vector<int> parieur = LitListeCommandes(Tf_FavorisEx::ListeMode(0));
        for (TTreeNode* n = t->Items().GetFirstNode(); n; n = n->GetNext())
        {
            const int id = static_cast<int>(n->Data & 0xFFFF);
            SCOPED_TRACE(n->Text());
            if (FonctionFixe(id))
            {
                EXPECT_EQ(n->StateIndex(), 4);
                for (TTreeNode* p = n->Parent(); p; p = p->Parent())
                    EXPECT_GE(p->StateIndex(), 3);
            }
            else if (std::find(parieur.begin(), parieur.end(), id) != parieur.end())
            {
                EXPECT_EQ(n->StateIndex(), 1);
            }
        }
        // A locked node does not toggle; an unlocked one does.
        TTreeNode* fixe = NoeudCommande(t, 6);
        ASSERT_NE(fixe, nullptr);
        t->ChangeEtatNoeud(fixe, -1);
        EXPECT_EQ(fixe->StateIndex(), 4);
        TTreeNode* n40 = NoeudCommande(t, 40);
        ASSERT_NE(n40, nullptr);
        t->ChangeEtatNoeud(n40, -1);
        EXPECT_EQ(n40->StateIndex(), 1);
        kit::GrabToPng(d, "favorisex");
        // Neither placement: the message, and the dialog stays.
        d->cb_MenuHaut->SetChecked(false);
        d->cb_MenuGauche->SetChecked(false);
        RepondBoite(mrOk, &textes);
        kit::Click(d->b_Valider);
        kit::Process();
        EXPECT_TRUE(d->Modal());
        d->cb_MenuGauche->SetChecked(true);
        kit::Click(d->b_Valider);
    });
    Commande(*f, 177);
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_EQ(textes[0], Traduire(1301));
    const std::vector<int> ecrit = LitListeCommandes(Ini("FavorisEx"));
    EXPECT_NE(std::find(ecrit.begin(), ecrit.end(), 40), ecrit.end());
    for (int id : ecrit)
        EXPECT_FALSE(FonctionFixe(id));
    EXPECT_EQ(Ini("MenuHaut"), "0");
    EXPECT_EQ(Ini("MenuGauche"), "1");
    EXPECT_FALSE(f->MenuHaut);
    // The hidden entries left the tree.
    for (int id : {40, 11, 148})
        EXPECT_EQ(Noeud(*f, id), nullptr) << id;
    EXPECT_NE(Noeud(*f, 6), nullptr);
    // Cancel writes nothing.
    const std::string avant = Ini("FavorisEx");
    kit::WhenModal([](TForm* m) {
        auto* d = static_cast<Tf_FavorisEx*>(m);
        d->cb_modes->SetItemIndex(3);
        d->cb_modesChange(d->cb_modes);
        kit::Click(d->b_Annuler);
    });
    Commande(*f, 177);
    EXPECT_EQ(Ini("FavorisEx"), avant);
    TermineFenetre(f);
}
