// What a window shows in French while the interface is English: every caption,
// menu entry, tab, list item, tree entry and grid cell of a window and of its
// menus is looked up among the texts of the French language file that the
// English file does not hold.
#pragma once

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Graphics.h"
#include "platform/gui/Grids.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "tests/shell/LegendesCoupees.h"
#include "tests/shell/Programme.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"

namespace essai {

inline std::set<std::string> TextesLangue(const std::string& langue)
{
    std::set<std::string> textes;
    std::ifstream f(DossierDonnees() + "/texte/Texte" + langue + ".txt", std::ios::binary);
    std::string ligne;
    while (std::getline(f, ligne)) {
        const size_t tab = ligne.find('\t');
        if (tab == std::string::npos)
            continue;
        const std::string t = Trim(ligne.substr(tab + 1));
        if (!t.empty())
            textes.insert(t);
    }
    return textes;
}

// The French texts that are not English texts as well.
inline const std::set<std::string>& TextesSeulementFrancais()
{
    static const std::set<std::string> textes = [] {
        std::set<std::string> r;
        const std::set<std::string> en = TextesLangue("en");
        for (const std::string& t : TextesLangue("fr"))
            if (!en.count(t))
                r.insert(t);
        return r;
    }();
    return textes;
}

// Every French-only text shown by the component and what it owns, as
// "name: text". Names of the season (data, not captions) are given in
// `donnees`; texts of one character (a down arrow "v", a player's letter)
// are not told from data.
inline void TextesFrancais(TComponent* c, std::set<std::string>& vus, const std::set<std::string>& donnees = {})
{
    const auto& francais = TextesSeulementFrancais();
    auto note = [&](const std::string& texte) {
        if (const std::string t = Trim(texte); t.size() > 1 && !donnees.count(t) && francais.count(t))
            vus.insert((c->Name().empty() ? std::string("?") : c->Name()) + ": " + t);
    };
    if (auto* m = dynamic_cast<TMenuItem*>(c)) {
        note(m->Caption());
        for (int i = 0; i < m->Count(); ++i)
            TextesFrancais(m->Items(i), vus, donnees);
    }
    if (auto* m = dynamic_cast<TMenu*>(c); m && m->Items())
        TextesFrancais(m->Items(), vus, donnees);
    if (auto* k = dynamic_cast<TControl*>(c))
        note(k->Caption());
    if (auto* cb = dynamic_cast<TComboBox*>(c))
        for (int i = 0; i < cb->Items().Count(); ++i)
            note(cb->Items()[i]);
    if (auto* lb = dynamic_cast<TCustomListBox*>(c))
        for (int i = 0; i < lb->Items().Count(); ++i)
            note(lb->Items()[i]);
    if (auto* tv = dynamic_cast<TTreeView*>(c))
        for (TTreeNode* n = tv->Items().GetFirstNode(); n; n = n->GetNext())
            note(n->Text());
    if (auto* g = dynamic_cast<TStringGrid*>(c)) {
        auto* couleur = dynamic_cast<TColorGridBase*>(c);
        for (int r = 0; r < g->RowCount(); ++r)
            for (int k = 0; k < g->ColCount(); ++k)
                note(couleur ? couleur->LitCellule(k, r) : g->Cells(k, r));
    }
    for (int i = 0; i < c->ComponentCount(); ++i)
        TextesFrancais(c->Components(i), vus, donnees);
}

}  // namespace essai
