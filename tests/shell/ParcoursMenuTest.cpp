// The walk through the whole menu of each sport: with the full menu, every
// entry of the tree and of the menu bar is chosen in turn over a season with
// content, the dialogs on the way answered; each entry opens its window (a
// child of the expected class with the panel shown, or its dialog) or does its
// action, with no error message and no exception. Each view is grabbed to
// PNG. Afterwards the season saves and reopens unchanged.
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include <QLocale>
#include <QWidget>

#include "files/TraiteurFichier.h"
#include "files/w_ChoixLogiciel.h"
#include "model/Championnat.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/sys/WinInet.h"
#include "model/MultiSport.h"
#include "results/PagesMatch.h"
#include "shell/Aide.h"
#include "shell/Commandes.h"
#include "shell/Textes.h"
#include "tests/shell/HorsLigne.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "tests/support/SaisonParcours.h"
#include "tests/shell/TextesFrancais.h"
#include "ui/Bouton.h"
#include "ui/BrivantelForm.h"

using namespace essai;

namespace {

// The match sheet pages registered with the sport switch, as at start-up.
const bool pagesInscrites = (EnregistrePagesMatch(), true);

// What choosing a command does: a view in the central panel, a modal dialog,
// a file dialog, an action of its own, or nothing.
enum TGenre { gVue, gDialogue, gFichier, gAction, gRien };

struct TAttendu
{
    TGenre Genre;
    const char* Classe;   // prefix of the window's class; "" any
};

bool Entre(int c, int a, int b) { return c >= a && c <= b; }

TAttendu Attendu(int c)
{
    struct TPlage
    {
        int Premier, Dernier;
        TAttendu Attendu;
    };
    static const TPlage plages[] = {
        {5, 5, {gDialogue, "Tf_CreationSaison"}},      {193, 193, {gDialogue, "Tf_CreationSaison"}},
        {13, 13, {gVue, "Tf_Resultats"}},              {14, 14, {gVue, "Tf_Buteurs"}},
        {15, 15, {gVue, "Tf_Composition"}},            {16, 16, {gVue, ""}},
        {17, 17, {gVue, "Tf_ButeursBasket"}},          {18, 18, {gVue, "Tf_Notes"}},
        {19, 19, {gVue, "Tf_FicheMatch"}},             {156, 156, {gVue, "Tf_FicheMatch"}},
        {20, 20, {gVue, "Tf_Prevision"}},              {22, 22, {gDialogue, "Tf_RechercheMatch"}},
        {23, 23, {gVue, "Tf_Minute"}},                 {34, 34, {gVue, "Tf_InfoGeneral"}},
        {33, 33, {gVue, "Tf_ClassJoueur"}},            {21, 39, {gVue, "Tf_DiversStat"}},             {151, 151, {gVue, "Tf_DiversStat"}},
        {157, 157, {gVue, "Tf_DiversStat"}},           {161, 169, {gVue, "Tf_DiversStat"}},
        {171, 171, {gVue, "Tf_DiversStat"}},           {233, 233, {gVue, "Tf_DiversStat"}},
        {252, 253, {gVue, "Tf_DiversStat"}},           {40, 65, {gVue, "Tf_Classement"}},
        {234, 237, {gVue, "Tf_Classement"}},           {137, 142, {gVue, "Tf_Classement"}},
        {66, 77, {gVue, "Tf_ClassJoueur"}},
        {84, 119, {gVue, "Tf_ClassJoueur"}},           {239, 248, {gVue, "Tf_ClassJoueur"}},
        {254, 259, {gVue, "Tf_ClassJoueur"}},          {121, 125, {gVue, "Tf_StatEquipe"}},
        {128, 130, {gVue, "Tf_StatEquipe"}},           {221, 221, {gVue, "Tf_StatEquipe"}},
        {131, 131, {gDialogue, "Tf_FicheClub"}},       {78, 83, {gVue, "Tf_InfoEquipes"}},
        {132, 136, {gVue, "Tf_InfoEquipes"}},          {217, 218, {gVue, "Tf_InfoEquipes"}},
        {249, 251, {gVue, "Tf_InfoEquipes"}},          {260, 260, {gVue, "Tf_InfoEquipes"}},
        {143, 143, {gVue, "Tf_Penalite"}},             {147, 147, {gVue, "Tf_Effectifs"}},
        {148, 148, {gVue, "Tf_Arbitres"}},             {150, 150, {gVue, "Tf_Recherche"}},
        {152, 152, {gVue, "Tf_Stades"}},               {153, 155, {gVue, "Tf_Comparaison"}},
        {158, 160, {gVue, "Tf_Statistique"}},          {170, 170, {gVue, "Tf_recap"}},
        {172, 175, {gVue, "Tf_InfoGeneral"}},          {225, 225, {gVue, "Tf_calendrier"}},
        {199, 202, {gVue, "Tf_Historique"}},           {232, 232, {gDialogue, "Tf_AjouterEquipe"}},
        {144, 144, {gDialogue, "Tf_ModifierEquipe"}},  {220, 220, {gDialogue, "Tf_ModifierClubPrec"}},
        {145, 145, {gDialogue, "Tf_ModifierLogo"}},    {146, 146, {gDialogue, "Tf_ModifierNat"}},
        {176, 176, {gDialogue, "Tf_Option"}},          {226, 226, {gDialogue, "Tf_Option"}},
        {227, 227, {gDialogue, "Tf_OptionsFiltre"}},   {178, 178, {gDialogue, "Tf_OptionSauve"}},
        {219, 219, {gDialogue, "Tf_CompetitionInfo"}}, {194, 194, {gDialogue, "Tf_CreeBarrage"}},
        {179, 179, {gDialogue, "Tf_ChoixLangue"}},     {261, 261, {gDialogue, "Tf_ChoixDesign"}},
        {215, 215, {gDialogue, "Tf_Favoris"}},         {177, 177, {gDialogue, "Tf_FavorisEx"}},
        {197, 197, {gDialogue, "Tf_AboutBox"}},        {180, 180, {gDialogue, "Tf_OptionInternet"}},
        {6, 6, {gFichier, ""}},                        {8, 8, {gFichier, ""}},
        {182, 182, {gFichier, ""}},
    };
    if (CommandeSansAction(c))
        return {gRien, ""};
    for (const TPlage& p : plages)
        if (Entre(c, p.Premier, p.Dernier))
            return p.Attendu;
    return {gAction, ""};
}

// The dialogs that choose what a view shows are answered with their
// validation; every other dialog is cancelled.
bool DialogueDeChoix(const std::string& classe)
{
    return classe == "TBrivantelForm" || classe == "Tf_ChoixJournee" || classe == "Tf_ChoixDate" ||
           classe == "Tf_ChoixHistorique" || classe == "Tf_ChoixLogiciel";
}

void Valide(TForm* f)
{
    if (auto* l = dynamic_cast<Tf_ChoixLogiciel*>(f))
        for (TRondCoche* r : l->rc_Sport)
            if (r && r->Visible()) {
                r->SetChecked(true);
                break;
            }
    for (const char* nom : {"b_Valider", "bc_Valider", "BoutonCopie1", "bc_Ok", "b_Ok"})
        if (auto* b = kit::Find<TControl>(f, nom); b && b->Visible() && b->Enabled()) {
            kit::Click(b);
            if (f->ModalResult() != mrNone)
                return;
        }
    f->SetModalResult(mrOk);
}

// One walk: what the dialogs met, the messages shown.
struct TReleve
{
    std::vector<std::string> Modales;
    std::vector<std::string> Textes;
    std::string DossierImages;
    std::set<std::string> Grabbees;
    std::set<std::string>* Francais = nullptr;   // French captions met, when asked
    std::set<std::string>* Chevauchees = nullptr;   // captions overlapping or cut, when asked
};

// The names the walk's season gives its cup and its play-off.
const std::set<std::string> NomsSaison = {"Coupe", "Barrage"};

void Repond(TReleve& r, TForm* f)
{
    const std::string classe = Classe(f);
    if (classe == "Tf_EtatSauve") {
        // the progress of a load or save finishes by itself
        kit::WhenModal([&r](TForm* m) { Repond(r, m); });
        return;
    }
    r.Modales.push_back(classe);
    if (r.Francais)
        TextesFrancais(f, *r.Francais, NomsSaison);
    if (r.Chevauchees) {
        std::set<std::string> vus;
        LegendesChevauchees(f, vus);
        TextesRognes(f, vus);
        // every page of its tabbed panes, the first one shown again after
        std::function<void(TComponent*)> onglets = [&](TComponent* c) {
            if (auto* pc = dynamic_cast<TPageControl*>(c); pc && pc->PageCount() > 1) {
                const int avant = pc->ActivePageIndex();
                for (int i = 0; i < pc->PageCount(); ++i) {
                    pc->SetActivePageIndex(i);
                    LegendesChevauchees(f, vus);
                }
                pc->SetActivePageIndex(avant);
            }
            for (int i = 0; i < c->ComponentCount(); ++i)
                onglets(c->Components(i));
        };
        onglets(f);
        for (const std::string& v : vus)
            r.Chevauchees->insert(classe + " " + v);
    }
    if (auto* m = dynamic_cast<Tf_MessageUtil*>(f)) {
        r.Textes.push_back(m->Label1->Caption());
        m->SetModalResult(mrCancel);
        return;
    }
    if (!r.DossierImages.empty() && r.Grabbees.insert(classe).second)
        kit::GrabToPng(f, "dialogue_" + classe, r.DossierImages);
    if (DialogueDeChoix(classe))
        Valide(f);
    else
        f->SetModalResult(mrCancel);
}

void ItemsMenu(TMenuItem* parent, std::vector<int>& ids)
{
    for (int i = 0; parent && i < parent->Count(); ++i) {
        TMenuItem* m = parent->Items(i);
        if (m->Count() > 0)
            ItemsMenu(m, ids);
        else if (m->Tag >= PremiereCommande && m->Tag <= DerniereCommandeMenu)
            ids.push_back(static_cast<int>(m->Tag));
    }
}

// What a view opens from inside: each shown button and each entry of its
// right-click menus chosen in turn, the dialogs met answered as on the walk
// (and looked at as it asks). Stops when the view gives way to another.
void DialoguesInternes(FenetreEssai& f, TReleve& r)
{
    TForm* vue = f.Enfant;
    std::vector<TControl*> boutons;
    std::vector<std::pair<TPopupMenu*, TMenuItem*>> entrees;
    std::function<void(TComponent*)> cherche = [&](TComponent* c) {
        if (auto* b = dynamic_cast<TBoutonModele*>(c); b && Montre(b) && b->Enabled())
            boutons.push_back(b);
        if (auto* b = dynamic_cast<TButton*>(c); b && Montre(b) && b->Enabled())
            boutons.push_back(b);
        if (auto* pm = dynamic_cast<TPopupMenu*>(c)) {
            std::function<void(TMenuItem*)> feuilles = [&](TMenuItem* m) {
                for (int i = 0; m && i < m->Count(); ++i) {
                    TMenuItem* e = m->Items(i);
                    if (e->Count() > 0)
                        feuilles(e);
                    else if (e->Caption() != "-")
                        entrees.emplace_back(pm, e);
                }
            };
            feuilles(pm->Items());
        }
        for (int i = 0; i < c->ComponentCount(); ++i)
            cherche(c->Components(i));
    };
    cherche(vue);
    const size_t n = boutons.size() + entrees.size();
    for (size_t k = 0; k < n && f.Enfant == vue && f.Saison; ++k) {
        for (int m = 0; m < 4; ++m)
            kit::WhenModal([&r](TForm* d) { Repond(r, d); });
        kit::AnswerMessages(std::vector<int>(4, mrCancel));
        try {
            if (k < boutons.size())
                kit::Click(boutons[k]);
            else {
                auto [pm, e] = entrees[k - boutons.size()];
                if (pm->OnPopup)
                    pm->OnPopup(pm);
                if (e->Visible() && e->Enabled())
                    e->Click();
            }
            kit::Process();
        }
        catch (const std::exception& e) {
            ADD_FAILURE() << Classe(vue) << ": exception " << e.what();
        }
        kit::ForgetModalActions();
        kit::ResetAnswers();
    }
}

class Parcours : public essai::THorsLigne<::testing::TestWithParam<int>>
{
};

}  // namespace

TEST_P(Parcours, EveryEntryOfTheTreeAndTheMenuBarOpensItsWindowOrDoesItsAction)
{
    const int sport = GetParam();
    const std::string nom = "parcours" + std::to_string(sport);
    const std::string dir = Prepare(nom, true);
    auto g = GenereSaisonParcours(sport);
    ForceDirectories(MakePath(dir, "stats"));
    EcritHistorique(MakePath(dir, "stats"), *g->saison);
    const std::string fichier = MakePath(dir, "sauvegarde/" + nom + ".xmc");
    ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, g->saison.get(), nullptr, "", "", nullptr, {}, false));
    const std::string avant = SansDate(Document(*g->saison));
    g.reset();

    auto f = LanceFenetre();
    ASSERT_NE(f->Stats, nullptr);
    ASSERT_EQ(f->Stats->Nombre(), 1);
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    ASSERT_FALSE(f->MenuSimple);
    ASSERT_TRUE(f->MenuHaut);
    const std::string nonDisponible = Traduire(TexteVueNonDisponible);

    std::vector<int> arbre, barre;
    for (TTreeNode* n = f->tv_Menu->Items().GetFirstNode(); n; n = n->GetNext())
        if (n->Data >= PremiereCommande && n->Data <= DerniereCommandeMenu)
            arbre.push_back(static_cast<int>(n->Data));
    ItemsMenu(f->mm_Menu->Items(), barre);
    ASSERT_GT(arbre.size(), 100u);
    ASSERT_GT(barre.size(), 100u);

    TReleve releve;
    releve.DossierImages = MakePath(kit::OutputDir(), "parcours/" + std::to_string(sport));
    ForceDirectories(releve.DossierImages);
    int vues = 0, dialogues = 0;
    std::set<int> faits;
    for (const bool parBarre : {false, true})
        for (const int c : parBarre ? barre : arbre) {
            if (c == 9 || !faits.insert(c + (parBarre ? 1000 : 0)).second)
                continue;   // closing the season: at the end
            SCOPED_TRACE((parBarre ? "menu bar, command " : "tree, command ") + std::to_string(c));
            releve.Modales.clear();
            releve.Textes.clear();
            f->Messages.clear();
            kit::Messages().clear();
            for (int k = 0; k < 4; ++k)
                kit::WhenModal([&releve](TForm* m) { Repond(releve, m); });
            const size_t fichiers = kit::Dialogs().size();
            if (c == 12) {
                ModifSaison = 1;
                f->Reponses = {mrCancel};
            }
            // The update check tells that the site cannot be reached.
            if (c == 11)
                kit::AnswerMessages({mrOk});
            try {
                if (parBarre) {
                    TMenuItem* mi = ItemDeBarre(f->mm_Menu->Items(), c);
                    ASSERT_NE(mi, nullptr);
                    mi->Click();
                }
                else {
                    TTreeNode* n = Noeud(*f, c);
                    ASSERT_NE(n, nullptr);
                    Choisit(*f, n);
                }
                kit::Process();
            }
            catch (const std::exception& e) {
                ADD_FAILURE() << "exception: " << e.what();
            }
            kit::ForgetModalActions();
            ASSERT_TRUE(f->Saison) << "the season was closed";
            std::vector<std::string> textes = f->Messages;
            textes.insert(textes.end(), releve.Textes.begin(), releve.Textes.end());
            for (const TMessageRequest& m : kit::Messages())
                textes.push_back(m.Text);

            // No command answers that its window is not available.
            EXPECT_EQ(std::count(textes.begin(), textes.end(), nonDisponible), 0) << "command " << c;
            const TAttendu a = Attendu(c);
            std::vector<std::string> permis;
            // the second time, the season the first one stored is named, and kept (no answer)
            if (const TDonneesChampionnat* ch = f->Saison->ChampionnatCourant(); c == 192 && parBarre)
                permis = {TraduireFormat(5867, {TraduireFormat(356, {1900 + static_cast<int16_t>(ch->Option(8)),
                                                                     ch->NbEquipe()}),
                                                f->Saison->Arbre().NomCompletCode(ch->CodeChamp), ch->NbEquipe()})};
            else if (c == 192)
                permis = {Traduire(1616)};
            if (c == 7 && !textes.empty())
                permis = {Traduire(253)};   // saved
            if (c == 12)
                permis = {TraduireFormat(2, {nom})};
            // The update check tells that the site cannot be reached (the
            // address shipped is reserved).
            if (c == 11 && textes.size() == 1)
                permis = textes;
            EXPECT_EQ(textes, permis);
            auto ouvert = [&](const char* prefixe) {
                for (const std::string& m : releve.Modales)
                    if (m.rfind(prefixe, 0) == 0)
                        return true;
                return false;
            };
            switch (a.Genre) {
            case gVue: {
                ASSERT_NE(f->Enfant, nullptr) << "dialogs: " << ::testing::PrintToString(releve.Modales);
                const std::string classe = Classe(f->Enfant);
                EXPECT_EQ(classe.rfind(a.Classe, 0), 0u) << classe;
                EXPECT_TRUE(f->p_FondAffiche->Visible());
                EXPECT_TRUE(f->Enfant->Visible());
                ++vues;
                if (!parBarre)
                    kit::GrabToPng(f.get(), std::to_string(c) + "_" + classe, releve.DossierImages);
                break;
            }
            case gDialogue:
                EXPECT_TRUE(ouvert(a.Classe)) << ::testing::PrintToString(releve.Modales);
                ++dialogues;
                break;
            case gFichier:
                EXPECT_EQ(kit::Dialogs().size(), fichiers + 1);
                break;
            case gRien:
                EXPECT_TRUE(releve.Modales.empty());
                break;
            case gAction:
                if (c == 7) {
                    EXPECT_EQ(ModifSaison, 0);
                }
                if (c == 12) {
                    EXPECT_EQ(f.get(), Application->MainForm());
                    ModifSaison = 0;
                }
                if (c == 229) {
                    EXPECT_TRUE(f->MenuSimple);
                }
                break;
            }
            if (f->MenuSimple)
                f->ChoisitMenuSimple(false);
        }
    EXPECT_GT(vues, 30);
    EXPECT_GT(dialogues, 8);

    // Saved and reopened: the same season.
    f->Messages.clear();
    releve.Textes.clear();
    releve.DossierImages.clear();
    for (int k = 0; k < 3; ++k)
        kit::WhenModal([&releve](TForm* m) { Repond(releve, m); });
    ModifSaison = 1;
    Commande(*f, 7);
    kit::ForgetModalActions();
    EXPECT_EQ(releve.Textes, (std::vector<std::string>{Traduire(253)}));
    EXPECT_EQ(ModifSaison, 0);
    Commande(*f, 9);
    EXPECT_FALSE(f->Saison);
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    EXPECT_EQ(SansDate(Document(*f->Saison)), avant);
    EXPECT_TRUE(f->Messages.empty()) << ::testing::PrintToString(f->Messages);
    TermineFenetre(f);
}

INSTANTIATE_TEST_SUITE_P(Sports, Parcours, ::testing::Values(0, 1, 2, 3));

namespace {

// The widgets of a window that speak another language than the interface's
// (a calendar's month names, a date box's), by class and name.
std::set<std::string> AutreLangue(TControl* c, const std::string& langue)
{
    std::set<std::string> vus;
    QWidget* w = c ? c->Widget() : nullptr;
    if (!w)
        return vus;
    QList<QWidget*> widgets = w->findChildren<QWidget*>();
    widgets.append(w);
    for (const QWidget* x : widgets)
        if (x->locale().language() != QLocale(QString::fromStdString(langue)).language())
            vus.insert(std::string(x->metaObject()->className()) + " " + x->objectName().toStdString() + ": " +
                       x->locale().name().toStdString());
    return vus;
}

// Every window of the tree and every dialog met on the way shows its
// captions whole, none over another, in the interface's language whatever
// the machine's; in English, none of them nor any menu shows a text that only
// the French language file holds.
void ParcourtEnLangue(int sport, const std::string& langue)
{
    const bool anglais = langue == "en";
    const std::string nom = (anglais ? "anglais" : "francais") + std::to_string(sport);
    const std::string dir = Prepare(nom, true);
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", langue);
    auto g = GenereSaisonParcours(sport);
    ForceDirectories(MakePath(dir, "stats"));
    EcritHistorique(MakePath(dir, "stats"), *g->saison);
    const std::string fichier = MakePath(dir, "sauvegarde/" + nom + ".xmc");
    ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, g->saison.get(), nullptr, "", "", nullptr, {}, false));
    g.reset();

    auto f = LanceFenetre();
    ASSERT_EQ(f->Langue, langue);
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    std::set<std::string> francais;
    if (anglais)
        TextesFrancais(f.get(), francais, NomsSaison);
    EXPECT_TRUE(francais.empty()) << "main window: " << ::testing::PrintToString(francais);
    std::set<std::string> menu;
    TextesRognes(f->tv_Menu, menu);
    EXPECT_TRUE(menu.empty()) << "tree, cut: " << ::testing::PrintToString(menu);

    std::vector<int> arbre;
    for (TTreeNode* n = f->tv_Menu->Items().GetFirstNode(); n; n = n->GetNext())
        if (n->Data >= PremiereCommande && n->Data <= DerniereCommandeMenu)
            arbre.push_back(static_cast<int>(n->Data));
    TReleve releve;
    releve.DossierImages = MakePath(kit::OutputDir(), (anglais ? "anglais/" : "francais/") + std::to_string(sport));
    ForceDirectories(releve.DossierImages);
    std::set<int> faits;
    std::set<std::string> classesVues;
    // Team names are data: their labels may cut them.
    std::set<std::string> equipes;
    if (const TDonneesChampionnat* ch = f->Saison->ChampionnatCourant())
        for (int p = 0; p < ch->NbEquipe(); ++p)
            equipes.insert(f->Saison->NomEquipePosition(p));
    for (const int c : arbre) {
        // closing the season, leaving, reopening: not windows
        if (c == 9 || c == 10 || c == 12 || c == 11 || !faits.insert(c).second)
            continue;
        francais.clear();
        releve.Francais = anglais ? &francais : nullptr;
        std::set<std::string> internes;
        releve.Chevauchees = &internes;
        for (int k = 0; k < 4; ++k)
            kit::WhenModal([&releve](TForm* m) { Repond(releve, m); });
        try {
            TTreeNode* n = Noeud(*f, c);
            ASSERT_NE(n, nullptr);
            Choisit(*f, n);
            kit::Process();
        }
        catch (const std::exception& e) {
            ADD_FAILURE() << "exception: " << e.what();
        }
        kit::ForgetModalActions();
        ASSERT_TRUE(f->Saison);
        if (anglais) {
            TextesFrancais(f.get(), francais, NomsSaison);
            if (f->Enfant)
                TextesFrancais(f->Enfant, francais, NomsSaison);
        }
        if (f->Enfant && Attendu(c).Genre == gVue)
            kit::GrabToPng(f.get(), std::to_string(c) + "_" + Classe(f->Enfant), releve.DossierImages);
        std::set<std::string> rognes;
        if (f->Enfant) {
            TextesRognes(f->Enfant, rognes);
            // the windows whose captions their panels show whole as well
            LegendesChevauchees(f->Enfant, rognes, equipes, Classe(f->Enfant).starts_with("Tf_InfoGeneral"));
        }
        EXPECT_TRUE(rognes.empty()) << "command " << c << ", cut or overlapping: "
                                    << ::testing::PrintToString(rognes);
        EXPECT_EQ(AutreLangue(f->Enfant, langue), std::set<std::string>{}) << "command " << c;
        // The dialogs opened from inside the view, once for each kind of view.
        if (f->Enfant && Attendu(c).Genre == gVue && classesVues.insert(Classe(f->Enfant)).second)
            DialoguesInternes(*f, releve);
        releve.Chevauchees = nullptr;
        EXPECT_TRUE(francais.empty()) << "command " << c << ": " << ::testing::PrintToString(francais);
        EXPECT_TRUE(internes.empty()) << "command " << c << ", dialogs, cut or overlapping: "
                                      << ::testing::PrintToString(internes);
        if (f->MenuSimple)
            f->ChoisitMenuSimple(false);
    }
    TermineFenetre(f);
}

}  // namespace

TEST_P(Parcours, EnglishInterfaceShowsNoFrenchCaptionInAnyWindow)
{
    ParcourtEnLangue(GetParam(), "en");
}

TEST_P(Parcours, FrenchInterfaceShowsEveryCaptionWhole)
{
    ParcourtEnLangue(GetParam(), "fr");
}
