// The main window with seasons: season files made through the model and saved
// with the file layer, a main window whose message boxes the test answers, and
// the helpers that open it.
#pragma once

#include <cxxabi.h>

#include <cstdlib>
#include <deque>
#include <typeinfo>
#include <memory>
#include <string>
#include <vector>

#include "files/TraiteurFichier.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "setup/w_Option.h"
#include "views/w_InfoGeneral.h"
#include "shell/Globales.h"
#include "shell/w_Principale.h"
#include "tests/shell/Programme.h"
#include "tests/support/SauveRelit.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/message2.h"

namespace essai {

// A season of the sport: two leagues of six teams under one competition, the
// first played to matchday 4, the second to matchday 3; the first is current.
inline std::unique_ptr<TSaison> SaisonSport(int sport)
{
    std::unique_ptr<TSaison> s = TMultiSport::CreeSaison(sport);
    TDonneesChampionnat* c1 = vues::Ligue(*s, sport, "Division 1", 0, 6, 4, 1, 7u + static_cast<uint32_t>(sport));
    vues::Ligue(*s, sport, "Division 2", 6, 6, 3, 2, 11u + static_cast<uint32_t>(sport));
    s->SetChampionnatCourant(c1);
    return s;
}

// Writes the season file (and opens it again); its full name.
inline std::string EcritSaison(const std::string& fichier, int sport, int minutesAuto = 0)
{
    ForceDirectories(ExtractFileDir(fichier));
    auto s = SaisonSport(sport);
    s->SetOptionSauvegarde(0, minutesAuto);
    DeleteFile(fichier);
    SauveRelit(*s, fichier);
    return fichier;
}

// The main window, its own message boxes answered by the test.
class FenetreEssai : public Tf_Principale
{
public:
    using Tf_Principale::Tf_Principale;
    std::vector<std::string> Messages;
    std::deque<int> Reponses;   // then mrOk
    int AfficheMessage(const std::string& texte, int) override
    {
        Messages.push_back(texte);
        if (Reponses.empty())
            return mrOk;
        const int r = Reponses.front();
        Reponses.pop_front();
        return r;
    }
    using Tf_Principale::tv_MenuChanging;
    using Tf_Principale::tv_MenuMouseMove;
    using Tf_Principale::tv_MenuCustomDrawItem;
};

// A program folder with a settings file that starts without dialogs.
inline std::string Prepare(const std::string& nom, bool menuHaut = false)
{
    const std::string dir = PrepareProgramme(nom);
    TIniFile ini(MakePath(dir, "brivantel.ini"));
    ini.WriteString("General", "Langue", "fr");
    ini.WriteBool("General", "FirstLaunch", false);
    ini.WriteBool("General", "ShowAstuce", false);
    ini.WriteBool("General", "MenuHaut", menuHaut);
    ForceDirectories(MakePath(dir, "sauvegarde"));
    return dir;
}

inline TOwned<FenetreEssai> LanceFenetre()
{
    CreeDessin();
    // The sport's windows the program registers at start-up.
    EnregistreOptions();
    EnregistreInfoGeneral();
    Application->Tag = 0;
    ModifSaison = 0;
    NomFichierCourant.clear();
    TOwned<FenetreEssai> f(new FenetreEssai(nullptr));
    Application->SetMainForm(f.get());
    kit::ShowForm(f.get());
    kit::WaitUntil([&] { return !f->PremiereActivation || Application->Tag != 0; });
    return f;
}

inline void TermineFenetre(TOwned<FenetreEssai>& f)
{
    Application->SetMainForm(nullptr);
    f.reset();
}

// The next box of the program's own kind (Tf_MessageUtil) gets the result;
// other modal windows on the way (the progress window) are left to finish.
// Its text goes into textes when given.
inline void RepondBoite(int resultat, std::vector<std::string>* textes = nullptr)
{
    kit::WhenModal([=](TForm* f) {
        auto* m = dynamic_cast<Tf_MessageUtil*>(f);
        if (!m)
        {
            RepondBoite(resultat, textes);
            return;
        }
        if (textes)
            textes->push_back(m->Label1->Caption());
        m->SetModalResult(resultat);
    });
}

// The class of a window, as its declaration names it.
inline std::string Classe(const TObject* o)
{
    int etat = 0;
    char* nom = abi::__cxa_demangle(typeid(*o).name(), nullptr, nullptr, &etat);
    std::string s = etat == 0 && nom ? nom : typeid(*o).name();
    std::free(nom);
    return s;
}

// The first node of the tree carrying that command id (exact data).
inline TTreeNode* Noeud(Tf_Principale& f, intptr_t id)
{
    for (TTreeNode* n = f.tv_Menu->Items().GetFirstNode(); n; n = n->GetNext())
        if (n->Data == id)
            return n;
    return nullptr;
}

// Runs a node as a click on it does.
inline bool Choisit(FenetreEssai& f, TTreeNode* n)
{
    bool permis = true;
    f.tv_MenuChanging(f.tv_Menu, n, permis);
    return permis;
}

// The item of the menu bar (under parent) that runs that command, nullptr
// when none.
inline TMenuItem* ItemDeBarre(TMenuItem* parent, intptr_t id)
{
    for (int i = 0; parent && i < parent->Count(); ++i) {
        TMenuItem* m = parent->Items(i);
        if (m->Tag == id && m->Count() == 0)
            return m;
        if (TMenuItem* t = ItemDeBarre(m, id))
            return t;
    }
    return nullptr;
}

inline bool Commande(Tf_Principale& f, int id, const std::string& caption = "")
{
    int p = -1;
    return f.MenuDispatch(caption, static_cast<uint32_t>(id), nullptr, p, true);
}

}  // namespace essai
