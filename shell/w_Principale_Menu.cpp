// The menu records of the main window and the menu tree built from them.
#include "shell/w_Principale.h"

#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "shell/Parametres.h"
#include "ui/Fond.h"

namespace {
using Flags = uint32_t[7];
constexpr Flags toujours = {2, 2, 2, 2, 2, 2, 2};
constexpr Flags sansCondition = {0, 2, 2, 2, 2, 2, 2};
constexpr Flags avecB = {2, 1, 2, 2, 2, 2, 2};
constexpr Flags sansCondAvecB = {0, 1, 2, 2, 2, 2, 2};
constexpr Flags avecA = {2, 2, 1, 2, 2, 2, 2};
constexpr Flags sansCondAvecA = {0, 2, 1, 2, 2, 2, 2};
constexpr Flags avecAouB = {2, 2, 2, 1, 2, 2, 2};

constexpr int NiveauDerniers = 97;
constexpr int NiveauFavoris = 98;
constexpr int NiveauChampionnats = 99;
}  // namespace

void Tf_Principale::NouvelleEntreeMenu(uint8_t sports, int niveau, const uint32_t (&flags)[7], uint16_t commande,
                                       const std::string& libelle, int profondeur)
{
    auto e = std::make_unique<TRetourMenu>();
    e->Sports = sports;
    e->Position = (static_cast<uint32_t>(profondeur == -1 ? niveau : profondeur) << 16) + static_cast<uint32_t>(niveau);
    for (int i = 0; i < 7; ++i)
        e->Flags[i] = flags[i];
    e->Commande = commande;
    e->Libelle = libelle;
    Entrees.push_back(std::move(e));
}

// The records of the groups a program without a season offers (files, season,
// settings, help); the season's own groups join them with the season commands.
void Tf_Principale::ConstruitMenu()
{
    Entrees.clear();
    auto E = [&](int niveau, const uint32_t (&f)[7], uint16_t cmd, const std::string& texte) {
        NouvelleEntreeMenu(32, niveau, f, cmd, texte, -1);
    };
    E(0, toujours, 0, Traduire(652));
    E(1, sansCondition, 5, Traduire(653));
    E(1, sansCondition, 6, Traduire(654));
    E(1, avecB, 7, Traduire(655));
    E(1, avecB, 8, Traduire(656));
    E(1, sansCondAvecB, 9, Traduire(657));
    E(1, sansCondition, 11, Traduire(983));
    NouvelleEntreeMenu(32, NiveauDerniers, toujours, 0, "", 1);
    E(1, toujours, 12, Traduire(659));
    NouvelleEntreeMenu(32, NiveauFavoris, toujours, 0, "", 0);

    E(0, avecA, 1, Traduire(10));
    E(1, sansCondAvecA, 193, Traduire(872));
    E(1, sansCondAvecA, 219, Traduire(1323));
    E(1, avecA, 194, Traduire(902));
    NouvelleEntreeMenu(32, NiveauChampionnats, toujours, 0, "", 1);

    E(0, toujours, 2, Traduire(712));
    E(1, avecAouB, 176, Traduire(713));
    E(1, avecAouB, 226, Traduire(1382));
    E(1, avecAouB, 227, Traduire(1388));
    E(1, toujours, 215, Traduire(1188));
    E(1, toujours, 177, Traduire(1243));
    E(1, avecAouB, 178, Traduire(1045));
    E(1, toujours, 179, Traduire(917));
    E(1, toujours, 261, Traduire(1637) + "...");
    E(1, toujours, 180, Traduire(913));
    E(1, toujours, 229, Traduire(1414));

    E(0, toujours, 3, Traduire(729));
    E(1, toujours, 197, Traduire(730));
    E(1, toujours, 198, TraduireFormat(642, {Titre}));
}

void Tf_Principale::ConstruitMenuSimple()
{
    Entrees.clear();
    auto E = [&](int niveau, const uint32_t (&f)[7], uint16_t cmd, const std::string& texte) {
        NouvelleEntreeMenu(32, niveau, f, cmd, texte, -1);
    };
    E(0, toujours, 0, Traduire(652));
    E(1, sansCondition, 6, Traduire(654));
    E(1, avecB, 7, Traduire(655));
    E(1, avecB, 8, Traduire(656));
    E(1, sansCondAvecB, 9, Traduire(657));
    E(1, sansCondition, 11, Traduire(983));
    NouvelleEntreeMenu(32, NiveauDerniers, toujours, 0, "", 1);
    E(1, toujours, 12, Traduire(659));

    E(0, avecA, 1, Traduire(10));
    NouvelleEntreeMenu(32, NiveauChampionnats, toujours, 0, "", 1);

    E(0, toujours, 2, Traduire(712));
    E(1, avecAouB, 176, Traduire(713));
    E(1, avecAouB, 226, Traduire(1382));
    E(1, avecAouB, 178, Traduire(1045));
    E(1, toujours, 179, Traduire(917));
    E(1, toujours, 261, Traduire(1637) + "...");
    E(1, toujours, 180, Traduire(913));
    E(1, toujours, 228, Traduire(1413));

    E(0, toujours, 3, Traduire(729));
    E(1, toujours, 197, Traduire(730));
    E(1, toujours, 198, TraduireFormat(642, {Titre}));
}

bool Tf_Principale::EntreeVisible(const TRetourMenu& e) const
{
    auto teste = [](uint32_t flag, bool etat) { return flag == 2 || (flag == 1) == etat; };
    if (!teste(e.Flags[1], EtatMenuB) || !teste(e.Flags[2], EtatMenuA) || !teste(e.Flags[3], EtatMenuA || EtatMenuB))
        return false;
    // With a season open, the conditions on the current championship apply
    // (they come with the season's menus).
    return true;
}

void Tf_Principale::RafraichitMenu(bool a, bool b)
{
    EtatMenuA = a;
    EtatMenuB = b;
    Construction = true;
    RemplitMenus();
    fc_Menu->SetVisible(MenuGauche);
    Construction = false;
    tv_Menu->Invalidate();
}

void Tf_Principale::RemplitMenus()
{
    if (!MenuGauche)
        return;
    TTreeNodes& nodes = tv_Menu->Items();
    tv_Menu->BeginInternalChange();
    while (TTreeNode* n = nodes.GetFirstNode())
        nodes.Delete(n);
    const std::vector<int> caches = LitListeCommandes(TIniFile(IniFileName()).ReadString("General", "FavorisEx", ""));
    const std::vector<int> favoris = LitListeCommandes(TIniFile(IniFileName()).ReadString("General", "Favoris", ""));
    auto cache = [&](int id) { return std::find(caches.begin(), caches.end(), id) != caches.end(); };

    TTreeNode* parents[5] = {};
    // Forgets the parents from a level on; an emptied group goes with them.
    auto oublie = [&](int depuis) {
        for (int j = 4; j >= depuis; --j)
        {
            if (parents[j] && !parents[j]->HasChildren() && parents[j]->Data < 5)
                nodes.Delete(parents[j]);
            parents[j] = nullptr;
        }
    };
    auto parentDe = [&](int niveau) { return niveau <= 0 ? nullptr : parents[std::min(niveau, 5) - 1]; };

    for (const auto& e : Entrees)
    {
        if (!(e->Sports & 32) && !(Sport < 4 && (e->Sports & (1 << Sport))))
            continue;
        const int niveau = e->NiveauArbre();
        if (niveau == NiveauChampionnats)
            continue;   // the season's championships
        if (niveau == NiveauDerniers)
        {
            if (DerniersFichiers.Count() == 0 || !parents[0])
                continue;
            TTreeNode* groupe = nodes.AddChildObject(parents[0], Traduire(1297), 4);
            for (int k = 1; k <= DerniersFichiers.Count(); ++k)
                nodes.AddChildObject(groupe, ExtractFileName(DerniersFichiers[k - 1]),
                                     (static_cast<intptr_t>(k) << 16) + 65535);
            continue;
        }
        if (niveau == NiveauFavoris)
        {
            if (favoris.empty())
                continue;
            TTreeNode* groupe = nodes.AddChildObject(nullptr, Traduire(1187), 4);
            for (size_t k = 0; k < favoris.size(); ++k)
            {
                const TRetourMenu* trouve = nullptr;
                for (const auto& r : Entrees)
                    if (r->Commande == favoris[k] && r->Commande != 0 && EntreeVisible(*r))
                    {
                        trouve = r.get();
                        break;
                    }
                if (!trouve)
                    continue;
                std::string libelle = trouve->Libelle;
                if (k < 9)
                    libelle += " (ctrl+" + IntToStr(static_cast<long long>(k) + 1) + ")";
                else if (k == 9)
                    libelle += " (ctrl+0)";
                nodes.AddChildObject(groupe, libelle, favoris[k]);
            }
            continue;
        }
        if (niveau >= 5)
            continue;
        if ((e->Commande >= 5 && cache(e->Commande)) || !EntreeVisible(*e))
            continue;
        oublie(niveau);
        parents[niveau] = nodes.AddChildObject(parentDe(niveau), e->Libelle, e->Commande);
    }
    oublie(0);
    for (TTreeNode* n = nodes.GetFirstNode(); n; n = n->getNextSibling())
        n->SetExpanded(true);
    tv_Menu->EndInternalChange();
}

void Tf_Principale::tv_MenuChanging(TObject*, TTreeNode* Node, bool& AllowChange)
{
    if (!Node)
        return;
    int param = -1;
    AllowChange = MenuDispatch(Node->Text(), static_cast<uint32_t>(Node->Data), Node, param, true);
}
