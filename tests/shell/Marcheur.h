// The walker of the windows: it takes its gestures from the windows
// themselves. From the main window holding a season, each menu command is
// chosen; the window it opens (a view in the central panel or a modal
// dialog) has its controls enumerated through the window layer (buttons,
// check and radio boxes, edit boxes typed key by key, combo boxes, lists,
// trees, every grid cell, pages, up-downs, track bars, the entries of every
// right-click menu and of a window's own menu, drags from what a window
// lets drag to where it takes drops, a list's entry dropped with Ctrl held;
// a button after a row, item or entry picked or a box typed), and each
// gesture is played on a season as it was: a gesture that opens another
// window (a card, a dialog, another view) leads to that window being walked
// in turn, and a gesture that makes a window offer more (a row picked, a
// search, another matchday shown) to the window being walked again for
// what it offers now. A box of figures is typed a figure, and the figure a
// box beside it holds (a score level with the other side's). A modal window
// met on the way is answered: questions Yes in one walk and No in the
// other, cards and dialogs validated in the one and left in the other, by
// their Cancel button, Escape or their close box (the seed draws which for
// each class of window). A page is shown by a click on its own tab, and a
// gesture on it is played only once the page shows.
//
// Around each gesture the season is written to its document (after the
// view shown has stored its entries, as a save does), and the two documents
// are compared (EcartsDocument.h): a gesture that changes nothing (a click,
// a move, a window opened and left, validated untouched or cancelled, a
// question answered No to a button or a key) must leave it byte for byte;
// any other may change only what it or its questions named. A gesture that
// changes nothing in a card or dialog after steps of its path that change
// what the walk then validates (a box typed in the card that opened it)
// must leave the season as the path without it leaves it. A window left
// without validating (Cancel, Escape, the close box), at any depth, must
// leave the whole document as it was when its road began, field by field,
// whatever it named (see Modale). The history file is compared too: a
// gesture changes it only when a text it names speaks of the history. A
// season changed is saved to its file and opened again: the document must
// come back the same. Between gestures the season, the history file, the
// files beside the program (settings, categories) and the main window's
// remembered choices are put back as the walk found them.
//
// Each gesture walked gives a row: window, control path, gesture, answer,
// result (same / changed-as-named / same as its path without it /
// DIFFERENCE and the first line that differs / gone and why, when a
// control, page, entry or window was not there to take it); the gestures
// planned and not played are counted by reason.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>

#include "model/Championnat.h"
#include "model/Saison.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Grids.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "results/w_InfoMatchCadre.h"
#include "shell/Commandes.h"
#include "shell/Globales.h"
#include "tests/shell/EcartsDocument.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"
#include "ui/message2.h"

namespace marche {

using essai::Classe;

// ---- gestures ---------------------------------------------------------------------------------------
// What a gesture does: keywords, as the rows print them.
namespace act {
constexpr const char* Clic = "clic", *DoubleClic = "double-clic", *Tape = "tape", *Tab = "tab",
                      *Entree = "entree", *Suppr = "suppr", *Choix = "choix", *Coche = "coche", *Page = "page",
                      *Renomme = "renomme", *Haut = "haut", *Bas = "bas", *Menu = "menu", *Glisse = "glisse",
                      *GlisseCtrl = "glisse-ctrl";
}

struct TGeste
{
    std::string chemin;   // the control in its window
    std::string action;
    int a = -1, b = -1;   // cell (column, row), item, node, page, menu point and entry
    std::string texte;    // typed, or the menu entry's caption (Windows-1252)
    bool choix = false;   // picks a row, an item or a node (what a button then acts on)
    std::string pages;    // a control on a page not shown: the page control, and
    int page = -1;        // the page clicked first
    // A gesture that may change what it acts on (a click, a move, a page
    // shown, Enter or Tab must not).
    // (A double-click may enter what it points at, as a button does; one
    // that opens a card is judged by how the card is left.)
    bool Modifie() const
    {
        return !((action == act::Clic && a >= 0) || action == act::Tab || action == act::Entree ||
                 action == act::Page);
    }
    // A gesture that only acts (a button, an entry, Delete): answered No, it
    // must leave everything as it was.
    bool Agit() const
    {
        return action == act::Suppr || action == act::Menu || action == act::Glisse || action == act::GlisseCtrl ||
               (action == act::Clic && a < 0);
    }
    // A gesture that acts, or enters what it points at (a double-click, or
    // Enter, on a row): a window it opens is its road.
    bool Entre() const { return Agit() || action == act::DoubleClic || action == act::Entree; }
    std::string Libelle() const
    {
        std::string s = (page >= 0 ? pages + " page[" + std::to_string(page) + "], " : "") + chemin + " " + action;
        if (a >= 0)
            s += "[" + std::to_string(a) + (b >= 0 ? "," + std::to_string(b) : "") + "]";
        if (!texte.empty())
            s += " \"" + texte + "\"";
        return s;
    }
};

// One step of a walk: a menu command, or a gesture in a window of a class.
struct TEtape
{
    int commande = 0;
    std::string libelle;   // the command's caption
    std::string fenetre;
    TGeste geste;
};
using TChemin = std::vector<TEtape>;

// The window of a step: its class, or the classes a name ending in "*"
// begins (a card of any sport).
inline bool Meme(const std::string& fenetre, const std::string& classe)
{
    return fenetre == classe ||
           (!fenetre.empty() && fenetre.back() == '*' && classe.rfind(fenetre.substr(0, fenetre.size() - 1), 0) == 0);
}

inline std::string Libelle(const TChemin& c)
{
    std::string s;
    for (const TEtape& e : c)
        s += (s.empty() ? "" : " > ") +
             (e.commande ? "command " + std::to_string(e.commande) + " \"" + e.libelle + "\""
                         : e.fenetre + "/" + e.geste.Libelle());
    return s;
}

// ---- controls ------------------------------------------------------------------------------------
// The controls of a window, depth first through their parents, each with its
// path: its name, or its class and rank among the unnamed of its class; a
// name met again takes its rank.
struct TControleVu
{
    TControl* c;
    std::string chemin;
};

inline std::vector<TControleVu> Controles(TWinControl* f)
{
    std::vector<TControleVu> v;
    std::map<std::string, int> rangs;
    std::function<void(TWinControl*)> parcours = [&](TWinControl* w) {
        for (int i = 0; i < w->ControlCount(); ++i) {
            TControl* c = w->Controls(i);
            // (a class of no namespace named by its own name: a path holds no blank)
            std::string cle = c->Name().empty() ? Classe(c) : c->Name();
            if (const size_t k = cle.find("(anonymous namespace)::"); k != std::string::npos)
                cle.erase(k, std::string("(anonymous namespace)::").size());
            const int rang = rangs[cle]++;
            std::string chemin = cle;
            if (c->Name().empty() || rang > 0)
                chemin.append("#").append(std::to_string(rang));
            v.push_back({c, chemin});
            if (auto* sous = dynamic_cast<TWinControl*>(c))
                parcours(sous);
        }
    };
    parcours(f);
    return v;
}

inline TControl* Trouve(TWinControl* f, const std::string& chemin)
{
    for (const TControleVu& c : Controles(f))
        if (c.chemin == chemin)
            return c.c;
    return nullptr;
}

inline bool Actif(TControl* c) { return c && c->Showing() && c->Enabled(); }

// What a control shows as its text.
inline std::string TexteDe(TControl* c)
{
    if (auto* l = dynamic_cast<TCustomListBox*>(c))
        return l->ItemIndex() >= 0 && l->ItemIndex() < l->Items().Count() ? l->Items()[l->ItemIndex()] : "";
    if (auto* t = dynamic_cast<TTreeView*>(c))
        return t->Selected() ? t->Selected()->Text() : "";
    if (auto* m = dynamic_cast<TMemo*>(c))
        return m->Text();
    if (dynamic_cast<TCustomGrid*>(c) || dynamic_cast<TForm*>(c))
        return "";
    return c->Text();
}

// The texts of a control's row: the controls beside it (same parent, their
// heights overlapping), it included.
inline std::vector<std::string> Rangee(TControl* c)
{
    std::vector<std::string> v{TexteDe(c)};
    if (TWinControl* p = c->Parent(); p && !dynamic_cast<TForm*>(c))
        for (int i = 0; i < p->ControlCount(); ++i) {
            TControl* o = p->Controls(i);
            if (o != c && o->Visible() && o->Top() < c->Top() + c->Height() && c->Top() < o->Top() + o->Height())
                v.push_back(TexteDe(o));
        }
    return v;
}

inline std::vector<std::string> LigneGrille(TCustomGrid* g, int row)
{
    std::vector<std::string> v;
    if (auto* s = dynamic_cast<TStringGrid*>(g); s && row >= 0 && row < s->RowCount())
        for (int c = 0; c < s->ColCount(); ++c)
            v.push_back(s->Cells(c, row));
    return v;
}

// What a window says it shows: its caption, its labels and the frames of
// its heading (not the frames that take drops: those are rows of entries).
inline std::vector<std::string> Titres(TForm* f)
{
    std::vector<std::string> v{f->Caption()};
    for (const TControleVu& c : Controles(f))
        if ((dynamic_cast<TLabel*>(c.c) || (dynamic_cast<TCadre*>(c.c) && !dynamic_cast<TCadreDrop*>(c.c))) &&
            c.c->Showing())
            v.push_back(c.c->Caption());
    return v;
}

// What a card or dialog is about, and what a button of a view acts on: its
// titles, what its boxes and frames hold, what its lists, trees and grids
// have chosen.
inline std::vector<std::string> Sujet(TForm* f)
{
    std::vector<std::string> v = Titres(f);
    for (const TControleVu& c : Controles(f)) {
        if (dynamic_cast<TEdit*>(c.c) || dynamic_cast<TEdition2*>(c.c) || dynamic_cast<TComboBox*>(c.c) ||
            dynamic_cast<TCustomListBox*>(c.c) || dynamic_cast<TTreeView*>(c.c))
            v.push_back(TexteDe(c.c));
        if (auto* g = dynamic_cast<TCustomGrid*>(c.c))
            for (const std::string& s : LigneGrille(g, g->Row()))
                v.push_back(s);
    }
    return v;
}

// The texts typed into a box: a new word, or what it holds with a figure
// more (typed key by key, it passes through what it held); figures in a box
// of figures, and there also the figure a box beside it holds (a score
// level with the other side's).
inline std::vector<std::string> Textes(const std::string& tient, bool chiffres,
                                       const std::vector<std::string>& voisins = {})
{
    auto figures = [](const std::string& t) {
        return !t.empty() && t.size() < 4 &&
               std::all_of(t.begin(), t.end(), [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)); });
    };
    const bool nombre = chiffres || figures(tient);
    std::vector<std::string> v{nombre ? "7" : "Zelvor"};
    if (!tient.empty() && tient.size() < 20)
        v.push_back(tient + "1");
    if (nombre)
        for (const std::string& t : voisins)
            if (figures(t) && t != tient && std::find(v.begin(), v.end(), t) == v.end()) {
                v.push_back(t);
                break;
            }
    return v;
}

// Points where a right-click menu is opened on a control: each row of a grid,
// each item of a list, each node of a tree, else its middle.
inline int PointsMenu(TControl* c)
{
    if (auto* g = dynamic_cast<TCustomGrid*>(c))
        return std::max(1, g->RowCount() - g->FixedRows());
    if (auto* l = dynamic_cast<TCustomListBox*>(c))
        return std::max(1, l->Items().Count());
    if (auto* t = dynamic_cast<TTreeView*>(c))
        return std::max(1, t->Items().Count());
    return 1;
}

inline void FeuillesMenu(TMenuItem* m, std::vector<TMenuItem*>& v)
{
    for (int i = 0; m && i < m->Count(); ++i) {
        TMenuItem* e = m->Items(i);
        if (e->Count() > 0)
            FeuillesMenu(e, v);
        else if (!e->IsLine())
            v.push_back(e);
    }
}

// The right-click menus of a window that no control holds.
inline std::vector<TPopupMenu*> MenusLibres(TForm* f)
{
    std::vector<TPopupMenu*> v;
    std::set<TPopupMenu*> tenus;
    for (const TControleVu& c : Controles(f))
        tenus.insert(c.c->PopupMenu());
    std::function<void(TComponent*)> cherche = [&](TComponent* o) {
        for (int i = 0; i < o->ComponentCount(); ++i) {
            if (auto* pm = dynamic_cast<TPopupMenu*>(o->Components(i)); pm && !tenus.count(pm))
                v.push_back(pm);
            cherche(o->Components(i));
        }
    };
    cherche(f);
    return v;
}

// Every gesture a window offers now.
inline bool Dans(TControl* c, TWinControl* w)
{
    for (; c; c = c->Parent())
        if (c == w)
            return true;
    return false;
}

// The gestures of the controls shown (within dans when given).
inline void GestesMontres(TForm* f, TWinControl* dans, std::vector<TGeste>& v)
{
    auto ajoute = [&](const std::string& chemin, const char* action, int a = -1, int b = -1,
                      const std::string& texte = "") {
        TGeste g;
        g.chemin = chemin, g.action = action, g.a = a, g.b = b, g.texte = texte;
        v.push_back(g);
    };
    auto choix = [&](const std::string& chemin, int a, int b = -1) {
        ajoute(chemin, act::Clic, a, b);
        v.back().choix = true;
    };
    std::vector<TControleVu> sources, cibles;
    for (const TControleVu& cv : Controles(f)) {
        TControl* c = cv.c;
        const std::string& p = cv.chemin;
        if (!Actif(c) || dynamic_cast<TForm*>(c) || (dans && !Dans(c, dans)))
            continue;
        if (dynamic_cast<TBoutonModele*>(c) || dynamic_cast<TButton*>(c) || dynamic_cast<TSpeedButton*>(c))
            ajoute(p, act::Clic);
        else if (dynamic_cast<TCheckBox*>(c) || dynamic_cast<TRadioButton*>(c) || dynamic_cast<TBoutonCoche*>(c))
            ajoute(p, act::Coche);
        else if (auto* e = dynamic_cast<TEdit*>(c); e && !e->ReadOnly())
            for (const std::string& t : Textes(e->Text(), e->NumbersOnly()))
                ajoute(p, act::Tape, -1, -1, t);
        else if (auto* m = dynamic_cast<TMemo*>(c); m && !m->ReadOnly())
            ajoute(p, act::Tape, -1, -1, "Zelvor");
        else if (auto* e2 = dynamic_cast<TEdition2*>(c); e2 && !dynamic_cast<TCadre*>(c) && e2->Selectionnable)
            for (const std::string& t : Textes(e2->Text(), dynamic_cast<TEditRond*>(c) != nullptr, Rangee(c)))
                ajoute(p, act::Tape, -1, -1, t);
        else if (auto* cb = dynamic_cast<TComboBox*>(c)) {
            for (int i = 0; i < cb->Items().Count(); ++i)
                ajoute(p, act::Choix, i);
            if (cb->Style() == csDropDown || cb->Style() == csSimple)
                for (const std::string& t : Textes(cb->Text(), false))
                    ajoute(p, act::Tape, -1, -1, t);
        }
        else if (auto* l = dynamic_cast<TCustomListBox*>(c))
            for (int i = 0; i < l->Items().Count(); ++i) {
                choix(p, i);
                // a click on an entry of a list of boxes ticks or unticks it
                if (dynamic_cast<TCheckListBox*>(c))
                    v.back().action = act::Coche;
                ajoute(p, act::DoubleClic, i);
                ajoute(p, act::Suppr, i);
            }
        else if (auto* t = dynamic_cast<TTreeView*>(c))
            for (int i = 0; i < t->Items().Count(); ++i) {
                choix(p, i);
                ajoute(p, act::DoubleClic, i);
                ajoute(p, act::Suppr, i);
                if (!t->ReadOnly)
                    ajoute(p, act::Renomme, i, -1, "Zelvor");
            }
        else if (auto* g = dynamic_cast<TCustomGrid*>(c))
            for (int r = g->FixedRows(); r < g->RowCount(); ++r)
                for (int k = g->FixedCols(); k < g->ColCount(); ++k) {
                    if (k == g->FixedCols())
                        choix(p, k, r);
                    else
                        ajoute(p, act::Clic, k, r);
                    for (const char* a : {act::DoubleClic, act::Entree, act::Suppr})
                        ajoute(p, a, k, r);
                    if (g->Options() & goEditing) {
                        ajoute(p, act::Tab, k, r);
                        const auto* s = dynamic_cast<TStringGrid*>(g);
                        for (const std::string& t : Textes(s ? s->Cells(k, r) : "", false))
                            ajoute(p, act::Tape, k, r, t);
                    }
                }
        else if (auto* pc = dynamic_cast<TPageControl*>(c)) {
            for (int i = 0; i < pc->PageCount(); ++i)
                if (pc->Pages(i)->TabVisible())
                    ajoute(p, act::Page, i);
        }
        else if (auto* tc = dynamic_cast<TTabControl*>(c)) {
            for (int i = 0; i < tc->Tabs().Count(); ++i)
                ajoute(p, act::Page, i);
        }
        else if (dynamic_cast<TUpDown*>(c) || dynamic_cast<TTrackBar*>(c)) {
            ajoute(p, act::Haut);
            ajoute(p, act::Bas);
        }
        else if (c->OnClick && (dynamic_cast<TLabel*>(c) || dynamic_cast<TGraphicControl*>(c)))
            ajoute(p, act::Clic);
        // its right-click menu, or the menus of the window no control holds
        // when it answers the mouse itself (it may show one of them)
        std::vector<std::pair<TPopupMenu*, std::string>> menus;
        if (TPopupMenu* pm = c->PopupMenu(); pm && pm->AutoPopup)
            menus.emplace_back(pm, p);
        else if (c->OnMouseDown && (dynamic_cast<TCustomGrid*>(c) || dynamic_cast<TCustomListBox*>(c) ||
                                    dynamic_cast<TTreeView*>(c)))
            for (TPopupMenu* pm : MenusLibres(f))
                menus.emplace_back(pm, p + ":" + pm->Name());
        for (const auto& [pm, chemin] : menus) {
            std::vector<TMenuItem*> entrees;
            FeuillesMenu(pm->Items(), entrees);
            const int points = PointsMenu(c);
            for (int k = 0; k < points; ++k)
                for (size_t e = 0; e < entrees.size(); ++e)
                    ajoute(chemin, act::Menu, k, static_cast<int>(e), entrees[e]->Caption());
        }
        // what is dragged from it, and where it is dropped
        auto* cadre = dynamic_cast<TCadreDrop*>(c);
        auto* tliste = dynamic_cast<TListe*>(c);
        if (c->DragMode == dmAutomatic || c->OnStartDrag || (cadre && cadre->Drag) || (tliste && tliste->CanDrag) ||
            (c->OnMouseDown && (dynamic_cast<TCustomGrid*>(c) || dynamic_cast<TCustomListBox*>(c))))
            sources.push_back({c, p});
        if (c->OnDragDrop || (cadre && cadre->Drop))
            cibles.push_back({c, p});
    }
    // Drags: the first items of each source on the first items of each
    // target; a list's first item dropped on a frame with Ctrl held too
    // (several entries at once, the count asked).
    for (const TControleVu& d : sources)
        for (const TControleVu& c : cibles)
            for (int k = 0; k < std::min(PointsMenu(d.c), 6); ++k)
                for (int l = 0; l < std::min(PointsMenu(c.c), 6); ++l)
                    if (d.c != c.c || k != l) {
                        ajoute(d.chemin, act::Glisse, k, l, c.chemin);
                        if (k == 0 && l == 0 && dynamic_cast<TCustomListBox*>(d.c) && dynamic_cast<TCadreDrop*>(c.c))
                            ajoute(d.chemin, act::GlisseCtrl, k, l, c.chemin);
                    }
}

// Every gesture a window offers: on what it shows, on the pages it does not
// show yet (each page clicked first), in its own menu.
inline std::vector<TGeste> Gestes(TForm* f)
{
    std::vector<TGeste> v;
    GestesMontres(f, nullptr, v);
    // a gesture on the page shown names its page too: played after a
    // gesture on another page, it shows its own first
    const std::vector<TControleVu> controles = Controles(f);
    for (TGeste& g : v) {
        TControl* c = nullptr;
        for (const TControleVu& cv : controles)
            if (cv.chemin == g.chemin.substr(0, g.chemin.find(':')))
                c = cv.c;
        for (TControl* p = c; p && g.page < 0; p = p->Parent())
            if (auto* page = dynamic_cast<TTabSheet*>(p); page && page->PageControl() && page->TabVisible())
                for (const TControleVu& cv : controles)
                    if (cv.c == page->PageControl())
                        g.pages = cv.chemin, g.page = page->PageIndex();
    }
    for (const TControleVu& cv : controles) {
        auto* pc = dynamic_cast<TPageControl*>(cv.c);
        if (!pc || !Actif(pc))
            continue;
        const int montree = pc->ActivePageIndex();
        for (int i = 0; i < pc->PageCount(); ++i) {
            if (i == montree || !pc->Pages(i)->TabVisible())
                continue;
            pc->SetActivePageIndex(i);
            kit::Process();
            std::vector<TGeste> w;
            GestesMontres(f, pc->Pages(i), w);
            for (TGeste& g : w) {
                g.pages = cv.chemin;
                g.page = i;
                v.push_back(g);
            }
        }
        pc->SetActivePageIndex(montree);
        kit::Process();
    }
    if (TMainMenu* mm = f->Menu()) {
        std::vector<TMenuItem*> entrees;
        FeuillesMenu(mm->Items(), entrees);
        for (size_t e = 0; e < entrees.size(); ++e)
        {
            TGeste g;
            g.chemin = "(menu)", g.action = act::Menu, g.b = static_cast<int>(e), g.texte = entrees[e]->Caption();
            v.push_back(g);
        }
    }
    return v;
}

// What a user does in a window: each gesture alone, and a button (or an
// entry of the window's menu) after a row, item or node picked, after a box
// typed or a box ticked, or after both. Past `plafond` sequences, the
// combinations are drawn by `rang`.
inline std::vector<std::vector<TGeste>> Suites(const std::vector<TGeste>& gestes, size_t plafond,
                                               const std::function<uint64_t(const std::string&)>& rang)
{
    std::vector<std::vector<TGeste>> v;
    std::vector<const TGeste*> choix, saisies, actions;
    for (const TGeste& g : gestes) {
        v.push_back({g});
        if (g.choix || g.action == act::Choix)
            choix.push_back(&g);
        else if ((g.action == act::Tape || g.action == act::Coche) && g.b < 0 && g.a < 0)
            saisies.push_back(&g);
        else if ((g.action == act::Clic && g.a < 0) || (g.action == act::Menu && g.chemin == "(menu)"))
            actions.push_back(&g);
    }
    std::vector<std::vector<TGeste>> paires;
    for (const TGeste* a : actions) {
        for (const TGeste* c : choix) {
            paires.push_back({*c, *a});
            for (const TGeste* s : saisies)
                paires.push_back({*c, *s, *a});
        }
        for (const TGeste* s : saisies)
            paires.push_back({*s, *a});
    }
    auto libelle = [](const std::vector<TGeste>& s) {
        std::string l;
        for (const TGeste& g : s)
            l += g.Libelle() + ";";
        return l;
    };
    if (v.size() + paires.size() > plafond) {
        std::stable_sort(paires.begin(), paires.end(), [&](const auto& a, const auto& b) {
            return rang(libelle(a)) < rang(libelle(b));
        });
        paires.resize(plafond > v.size() ? plafond - v.size() : 0);
    }
    v.insert(v.end(), paires.begin(), paires.end());
    return v;
}

// ---- playing a gesture -----------------------------------------------------------------------------
// A box reached by Tab as a user reaches it (by the mouse when Tab does not).
inline void Atteint(TWinControl* c)
{
    for (int i = 0; i < 40 && !c->Focused() && c->Showing(); ++i)
        kit::PressKey(nullptr, VK_TAB);
    if (!c->Focused() && c->Showing()) {
        kit::Click(c, 3, c->Height() / 2);
        if (!c->Focused())
            c->SetFocus();
    }
    kit::Process();
}

inline void CliqueCellule(TCustomGrid* g, int col, int row, bool double_ = false)
{
    g->ScrollInView(col, row);
    kit::Process();
    const TRect r = g->CellRect(col, row);
    if (r.Width() <= 0)
        return;
    const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
    if (double_)
        kit::DblClick(g, x, y);
    else
        kit::Click(g, x, y);
}

// The point of a control where its k-th menu point lies (client coordinates).
inline TPoint PointMenu(TControl* c, int k)
{
    if (auto* g = dynamic_cast<TCustomGrid*>(c)) {
        const int row = std::min(g->RowCount() - 1, g->FixedRows() + k), col = g->FixedCols();
        g->ScrollInView(col, row);
        const TRect r = g->CellRect(col, row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    if (auto* l = dynamic_cast<TCustomListBox*>(c); l && k < l->Items().Count()) {
        l->SetTopIndex(k);
        const TRect r = l->ItemRect(k);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    if (auto* t = dynamic_cast<TTreeView*>(c); t && k < t->Items().Count()) {
        TTreeNode* n = t->Items()[k];
        n->MakeVisible();
        kit::Process();
        const TRect r = n->DisplayRect(true);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    return {c->Width() / 2, c->Height() / 2};
}

// The rect of a page's own tab: the tab bar keeps a tab for every page,
// hidden ones included, so a page's tab is at its page index.
inline TRect OngletDe(TPageControl* pc, TTabSheet* page)
{
    return page->TabVisible() ? pc->TabRect(page->PageIndex()) : TRect{};
}

// Clicks the tab of a page; the reason it is not shown after, if any.
inline std::string CliquePage(TPageControl* pc, int page, std::vector<std::string>& groupe)
{
    if (!Actif(pc))
        return pc ? "page control disabled or hidden" : "page control gone";
    if (page >= pc->PageCount())
        return "page gone";
    TTabSheet* p = pc->Pages(page);
    const TRect r = OngletDe(pc, p);
    if (r.Width() <= 0)
        return "page tab hidden";
    if (pc->ActivePage() != p)
        kit::Click(pc, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    kit::Process();
    groupe.push_back(p->Caption());
    return pc->ActivePage() == p ? "" : "page not shown after its tab was clicked";
}

// Why a control cannot take a gesture ("" when it can).
inline std::string Absent(TControl* c)
{
    return !c ? "control gone" : !c->Showing() ? "control hidden" : !c->Enabled() ? "control disabled" : "";
}

// Plays the gesture in the window; the texts it named go into groupe (what
// the control and its row showed before and after). The reason it could not
// be played, or "" when it was.
inline std::string JoueGeste(TForm* f, const TGeste& g, std::vector<std::string>& groupe)
{
    if (g.page >= 0)
        if (std::string r = CliquePage(dynamic_cast<TPageControl*>(Trouve(f, g.pages)), g.page, groupe); !r.empty())
            return r;
    const std::string chemin = g.chemin.substr(0, g.chemin.find(':'));
    TControl* c = chemin == "(menu)" ? f : Trouve(f, chemin);
    if (std::string r = Absent(c); !r.empty())
        return r;
    auto note = [&](const std::vector<std::string>& v) { groupe.insert(groupe.end(), v.begin(), v.end()); };
    auto* grille = dynamic_cast<TCustomGrid*>(c);
    auto* liste = dynamic_cast<TCustomListBox*>(c);
    auto* arbre = dynamic_cast<TTreeView*>(c);
    auto avant = [&] {
        if (grille && g.b >= 0)
            note(LigneGrille(grille, g.action == act::Menu ? grille->FixedRows() + g.a : g.b));
        else if (liste && g.a >= 0 && g.a < liste->Items().Count())
            groupe.push_back(liste->Items()[g.a]);
        else if (arbre && g.a >= 0 && g.a < arbre->Items().Count())
            groupe.push_back(arbre->Items()[g.a]->Text());
        else if (c != f)
            note(Rangee(c));
    };
    avant();
    if (g.action == act::Glisse || g.action == act::GlisseCtrl) {
        TControl* cible = Trouve(f, g.texte);
        if (std::string r = Absent(cible); !r.empty())
            return "drop target: " + r;
        const TPoint de = PointMenu(c, g.a), vers = PointMenu(cible, g.b);
        if (auto* l = dynamic_cast<TCustomListBox*>(cible); l && g.b < l->Items().Count())
            groupe.push_back(l->Items()[g.b]);
        else if (auto* gr = dynamic_cast<TCustomGrid*>(cible))
            note(LigneGrille(gr, gr->FixedRows() + g.b));
        else
            note(Rangee(cible));
        kit::Drag(c, de, cible, vers, g.action == act::GlisseCtrl ? TShiftState(ssCtrl) : TShiftState(0));
        kit::Process();
        return "";
    }
    if (g.action == act::Menu) {
        std::vector<TMenuItem*> entrees;
        TPopupMenu* pm = c == f ? nullptr
                         : g.chemin.find(':') != std::string::npos
                             ? kit::Find<TPopupMenu>(f, g.chemin.substr(g.chemin.find(':') + 1))
                             : c->PopupMenu();
        FeuillesMenu(pm ? pm->Items() : f->Menu()->Items(), entrees);
        if (g.b >= static_cast<int>(entrees.size()))
            return "menu entry gone";
        if (pm) {
            const TPoint pt = PointMenu(c, g.a);
            kit::MouseDown(c, pt.X, pt.Y, mbRight);
            kit::MouseUp(c, pt.X, pt.Y, mbRight);
            kit::Process();
            pm->CloseMenu();
            if (pm->OnPopup)
                pm->OnPopup(pm);
        }
        TMenuItem* e = entrees[static_cast<size_t>(g.b)];
        groupe.push_back(StripHotkey(e->Caption()));
        for (TMenuItem* m = e; m; m = m->Parent())
            if (!m->Visible() || !m->Enabled())
                return !m->Visible() ? "menu entry hidden" : "menu entry disabled";
        e->Click();
        kit::Process();
        return "";
    }
    if (grille) {
        if (g.b >= grille->RowCount() || g.a >= grille->ColCount())
            return "cell gone";
        const QPointer<QWidget> vivante(grille->Widget());
        CliqueCellule(grille, g.a, g.b, g.action == act::DoubleClic);
        // a click that showed another page freed the grid with its view
        if (!vivante)
            return "";
        // a cell the grid refuses leaves the cursor where it was: the keys go there
        if (grille->Row() != g.b)
            note(LigneGrille(grille, grille->Row()));
        if (g.action == act::Tape) {
            kit::TypeKeys(grille, Cp1252ToUtf8(g.texte));
            kit::PressKey(nullptr, VK_RETURN);
            groupe.push_back(g.texte);
        }
        else if (g.action == act::Tab)
            kit::PressKey(grille, VK_TAB);
        else if (g.action == act::Entree)
            kit::PressKey(grille, VK_RETURN);
        else if (g.action == act::Suppr)
            kit::PressKey(grille, VK_DELETE);
    }
    else if (liste) {
        if (g.a >= liste->Items().Count())
            return "item gone";
        liste->SetTopIndex(g.a);
        const TRect r = liste->ItemRect(g.a);
        const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
        const QPointer<QWidget> vivante(liste->Widget());
        if (g.action == act::DoubleClic)
            kit::DblClick(liste, x, y);
        else
            kit::Click(liste, x, y);
        if (g.action == act::Suppr && vivante)
            kit::PressKey(liste, VK_DELETE);
    }
    else if (arbre) {
        if (g.a >= arbre->Items().Count())
            return "node gone";
        TTreeNode* n = arbre->Items()[g.a];
        n->MakeVisible();
        kit::Process();
        const TRect r = n->DisplayRect(true);
        const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
        const QPointer<QWidget> vivant(arbre->Widget());
        if (g.action == act::DoubleClic)
            kit::DblClick(arbre, x, y);
        else
            kit::Click(arbre, x, y);
        if (!vivant)
            return "";
        if (g.action == act::Suppr)
            kit::PressKey(arbre, VK_DELETE);
        if (g.action == act::Renomme && arbre->Selected() == n) {
            kit::PressKey(arbre, VK_F2);
            if (arbre->IsEditing()) {
                kit::TypeKeys(nullptr, Cp1252ToUtf8(g.texte));
                kit::PressKey(nullptr, VK_RETURN);
            }
        }
    }
    else if (auto* cb = dynamic_cast<TComboBox*>(c); cb && g.action == act::Choix) {
        if (g.a >= cb->Items().Count())
            return "entry gone";
        // Down and Up from the box as a user picks: the list shown, the entry clicked.
        Atteint(cb);
        cb->SetDroppedDown(true);
        kit::Process();
        cb->SetItemIndex(g.a);
        cb->SetDroppedDown(false);
        if (cb->OnSelect)
            cb->OnSelect(cb);
        if (cb->OnChange)
            cb->OnChange(cb);
        kit::PressKey(nullptr, VK_TAB);
    }
    else if (auto* pc = dynamic_cast<TPageControl*>(c)) {
        if (std::string r = CliquePage(pc, g.a, groupe); !r.empty())
            return r;
    }
    else if (auto* tc = dynamic_cast<TTabControl*>(c)) {
        const TRect r = tc->TabRect(g.a);
        kit::Click(tc, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    else if (auto* ud = dynamic_cast<TUpDown*>(c))
        ud->ClickButton(g.action == act::Haut ? btNext : btPrev);
    else if (auto* tb = dynamic_cast<TTrackBar*>(c))
        kit::PressKey(tb, g.action == act::Haut ? VK_RIGHT : VK_LEFT);
    else if (g.action == act::Tape) {
        auto* w = dynamic_cast<TWinControl*>(c);
        Atteint(w);
        kit::TypeKeys(nullptr, Cp1252ToUtf8(g.texte));
        groupe.push_back(g.texte);
        if (TControl* d = Trouve(f, chemin); d == c && Actif(c))
            note(Rangee(c));
        kit::PressKey(nullptr, VK_TAB);
        return "";
    }
    else
        kit::Click(c);
    kit::Process();
    // what it shows now, when it is still there
    if (Trouve(f, chemin) == c && Actif(c))
        avant();
    return "";
}


// ---- the walk ---------------------------------------------------------------------------------------
// The main window whose own message boxes the walk answers.
class TFenetreMarche : public essai::FenetreEssai
{
public:
    using essai::FenetreEssai::FenetreEssai;
    std::function<int(const std::string&, int)> Reponse;
    int AfficheMessage(const std::string& texte, int boutons) override
    {
        Messages.push_back(texte);
        return Reponse ? Reponse(texte, boutons) : essai::FenetreEssai::AfficheMessage(texte, boutons);
    }
};

// A known fault another branch is mending: a row whose walk passes through
// both texts is marked known instead of failing.
struct TConnu
{
    const char* fenetre;   // in the row's path
    const char* geste;     // in the row's path too
    const char* issue;
};

struct TResultat
{
    bool joue = true;                    // every step found its control
    std::string raison;                  // else why a step was not played
    std::vector<std::string> ouvertes;   // windows the last gesture opened
    std::vector<TGeste> gestes;          // exploring: the gestures of the window reached
    std::vector<std::string> titres;     // and what it says it shows
    std::string fenetre;                 // exploring: its class
    bool vue = false;                    // and it is a view of the main window
    std::string reponse = "-";           // "Oui", "Non": a question was answered
    std::string verdict;
    std::vector<std::string> seules;     // windows that came and closed themselves (a save's progress)
    int temoin = -1;                     // a window a gesture of no act opened, left after its gestures:
    std::string laissee;                 // the step that opened it, and how it was left
    std::string document;                // the season as the path leaves it
    std::string temoinClasse;            // (that window's class, and how the witness leaves it)
    int temoinManiere = 0;
    bool sansLui = false;                // a gesture of no change in a window the path's earlier steps
                                         // opened: weighed against the path without it
};

// The strict rule on windows left without validating (TMarcheur::Modale):
// a window validated (or a button of a window with no button to cancel,
// which applies at once), and one left.
struct TValidee
{
    bool carte = false;             // a card of its own record
    std::set<int> ancetres;         // the windows open around it then
    std::set<TLigneEcart> lignes;   // what changed while it was shown (while the button ran)
};
struct TLaissee
{
    int id = 0, niveau = 0;   // the window, the depth of the gesture that opened it
    std::string classe, maniere, base;
};

// Parameters of a walk.
struct TParcours
{
    int sport = 0;
    bool oui = true;          // questions answered Yes, cards and dialogs validated
    uint64_t graine = 0;
    bool complet = false;     // every gesture; else a sample the seed draws
    int parFenetre = 5;       // the sample: sequences walked in each window
    int profondeur = 4;       // windows opened from windows (or picks), at most
    std::vector<int> commandes;   // only those (empty: every command)
    // Paths walked whatever the seed, as the rows print them (the command's
    // caption may be left out): the gestures a fault was found on.
    std::vector<std::string> epingles;
};

class TMarcheur
{
public:
    // The main window, a season in it; the document and the history file a
    // gesture starts from.
    TMarcheur(TFenetreMarche& f, TParcours p, std::string fichier, std::string historique,
              const std::vector<TConnu>& connus, std::string dossier)
        : f_(f), p_(std::move(p)), fichier_(std::move(fichier)), histo_(std::move(historique)),
          dossier_(std::move(dossier)), connus_(connus)
    {
        vierge_ = essai::SansDate(essai::Document(*f_.Saison));
        histoVierge_ = Lit(histo_);
        programme_ = FichiersProgramme();
        std::copy(std::begin(f_.ParametresMemorises), std::end(f_.ParametresMemorises), std::begin(memorises_));
    }

    std::vector<std::string> Lignes, Differences, Connues;
    std::map<std::string, int> NonJoues;   // the gestures planned and not played, by reason
    std::vector<std::string> Vues;         // the windows that closed themselves, met on the walk

    // Every command of the tree and of the menu bar (each once).
    void Marche()
    {
        // a window that closes itself (a save's progress) is seen and shown
        kit::WhenClosingItself([this](TForm* x) {
            const std::string c = Classe(x);
            Grab(x);
            if (enJeu_)
                r_->seules.push_back(c);
            if (std::find(Vues.begin(), Vues.end(), c) == Vues.end())
                Vues.push_back(c);
        });
        std::vector<std::pair<int, std::string>> cmds;
        std::set<int> vus;
        for (TTreeNode* n = f_.tv_Menu->Items().GetFirstNode(); n; n = n->GetNext())
            if (n->Data >= PremiereCommande && n->Data <= DerniereCommandeMenu && vus.insert(int(n->Data)).second)
                cmds.emplace_back(int(n->Data), n->Text());
        std::function<void(TMenuItem*)> barre = [&](TMenuItem* m) {
            for (int i = 0; m && i < m->Count(); ++i) {
                TMenuItem* e = m->Items(i);
                if (e->Count() > 0)
                    barre(e);
                else if (e->Tag >= PremiereCommande && e->Tag <= DerniereCommandeMenu && vus.insert(int(e->Tag)).second)
                    cmds.emplace_back(int(e->Tag), StripHotkey(e->Caption()));
            }
        };
        barre(f_.mm_Menu->Items());
        // BZ_MARCHE_RANGS=<file>: those rows alone (a row as the walk prints
        // it, one a line), to see again what they found
        if (const char* rangs = std::getenv("BZ_MARCHE_RANGS")) {
            std::ifstream in(rangs);
            for (std::string l; std::getline(in, l);)
                if (l.rfind("command ", 0) == 0) {
                    TChemin chemin = Chemin(l);
                    for (const auto& [c, libelle] : cmds)
                        if (c == chemin[0].commande)
                            chemin[0].libelle = libelle;
                    Rang(chemin);
                }
            return;
        }
        for (const auto& [c, libelle] : cmds) {
            // closing the season and leaving the program (at once, or after
            // the save question) end the walk's host
            if (c == 9 || c == 10 || c == 12 || (!p_.commandes.empty() &&
                                      std::find(p_.commandes.begin(), p_.commandes.end(), c) == p_.commandes.end()))
                continue;
            TChemin chemin{{c, libelle, "", {}}};
            const TResultat r = Rang(chemin);
            for (const std::string& o : r.ouvertes)
                Explore(chemin, o, 1);
        }
        for (const std::string& e : p_.epingles) {
            TChemin chemin = Chemin(e);
            for (const auto& [c, libelle] : cmds)
                if (c == chemin[0].commande)
                    chemin[0].libelle = libelle;
            Rang(chemin);
        }
        // the season as the walk leaves it, saved and opened again
        if (const std::string v = Relue(Document()); !v.empty())
            Differences.push_back("the season the walk leaves" + v);
    }

    // The season saved to its file and opened again: nothing when it gives
    // the same document, else where they part.
    std::string Relue(const std::string& doc)
    {
        auto relue = essai::SauveRelit(*f_.Saison, fichier_);
        if (!relue)
            return " | DIFFERENCE the season saved does not open";
        const auto e = Ecarts(doc, essai::SansDate(essai::Document(*relue)));
        if (std::getenv("BZ_MARCHE_ECARTS"))
            for (const TEcart& x : e)
                std::cout << "    reopened: " << Cp1252ToUtf8(x.rec.cle + ": " + x.Ligne()) << std::endl;

        return e.empty() ? "" : " | DIFFERENCE the season saved opens otherwise: " + e[0].rec.cle + ": " + e[0].Ligne();
    }

    // A path read back from its row.
    static TChemin Chemin(const std::string& ligne)
    {
        TChemin c;
        size_t d = 0;
        while (d <= ligne.size()) {
            size_t f = ligne.find(" > ", d);
            if (f == std::string::npos)
                f = ligne.find(" | ", d);
            const std::string pas = L1(ligne.substr(d, f == std::string::npos ? std::string::npos : f - d));
            TEtape e;
            if (c.empty())
                e.commande = std::atoi(pas.c_str() + pas.find(' ') + 1);
            else {
                e.fenetre = pas.substr(0, pas.find('/'));
                std::string g = pas.substr(pas.find('/') + 1);
                if (const size_t v = g.find(" page["); v != std::string::npos && v < g.find(' ') + 1) {
                    e.geste.pages = g.substr(0, v);
                    e.geste.page = std::atoi(g.c_str() + v + 6);
                    g = g.substr(g.find("], ") + 3);
                }
                e.geste.chemin = g.substr(0, g.find(' '));
                g = g.substr(g.find(' ') + 1);
                const size_t fin = g.find_first_of("[ ");
                e.geste.action = g.substr(0, fin);
                if (fin != std::string::npos && g[fin] == '[') {
                    e.geste.a = std::atoi(g.c_str() + fin + 1);
                    if (const size_t v = g.find(',', fin); v != std::string::npos && v < g.find(']'))
                        e.geste.b = std::atoi(g.c_str() + v + 1);
                }
                if (const size_t q = g.find('"'); q != std::string::npos)
                    e.geste.texte = g.substr(q + 1, g.rfind('"') - q - 1);
                e.geste.choix = e.geste.action == act::Clic && e.geste.a >= 0;
            }
            c.push_back(e);
            if (f == std::string::npos || ligne.compare(f, 3, " | ") == 0)
                break;
            d = f + 3;
        }
        return c;
    }

private:
    TFenetreMarche& f_;
    TParcours p_;
    std::string fichier_, histo_, vierge_, histoVierge_, dossier_;
    std::map<std::string, std::string> programme_;   // the files beside the program, as the walk found them
    int memorises_[3] = {-1, -1, -1};                 // the main window's remembered choices, as found

    std::map<std::string, std::string> FichiersProgramme() const
    {
        std::map<std::string, std::string> v;
        for (const auto& e : std::filesystem::directory_iterator(dossier_))
            if (e.is_regular_file())
                v[e.path().string()] = Lit(e.path().string());
        return v;
    }
    const std::vector<TConnu>& connus_;
    std::set<std::string> explorees_;
    std::vector<TGeste> vuAvant_;   // a window walked again: what it offered before the gesture
    std::set<uint64_t> signatures_;

    // What runs while a path is played.
    TChemin plan_;
    size_t curseur_ = 0;
    int profondeur_ = 0, profondeurGeste_ = -1, modales_ = 0;
    bool explorer_ = false;
    std::string cible_;    // exploring: the class of the window whose gestures are wanted
    std::string signer_;   // the class of the window of the last step, whose gestures after it are wanted
    // what comes up between the paths is answered as on the walk, into no row
    TResultat hors_;
    TNomme horsNomme_;
    TResultat* r_ = &hors_;
    TNomme* n_ = &horsNomme_;
    bool valideApres_ = false, annuleApres_ = false, valideParGeste_ = false;
    bool enJeu_ = false;   // a path is being played (not yet saved and opened again)
    bool dernierFerme_ = false;   // the window of the path's last step has closed
    // the strict rule on the windows of a path
    const TSaison* saisonChemin_ = nullptr;
    std::vector<std::string> avantGeste_;   // by depth: the document before the gesture running there
    std::vector<bool> agitGeste_;           // by depth: that gesture acts
    std::vector<int> etapeGeste_;           // by depth: its step in the path (-1: none)
    std::vector<int> pile_;                 // the windows open
    int compteFenetres_ = 0;
    std::vector<TValidee> validees_;
    std::vector<TLaissee> laissees_;
    std::string ecartStrict_, maniere_;
    int maniereForcee_ = -1;    // the witness of a window left after its gestures: leave it so
    std::string temoinClasse_;  // (the window of that class the last step opens)
    bool intacte_ = false;   // the last path left the season as a path starts from it

    static std::string Lit(const std::string& fichier)
    {
        std::ifstream in(fichier, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Each window walked, once, as a picture: what the walk sees of it (a
    // message box once for each text).
    void Grab(TForm* f, const std::string& suffixe = "")
    {
        static std::set<std::string> vues;
        const std::string classe = Classe(f == &f_ && f_.Enfant ? f_.Enfant : f) + suffixe;
        if (!vues.insert(classe + std::to_string(p_.sport)).second)
            return;
        const std::string dir = MakePath(kit::OutputDir(), "marche/" + std::to_string(p_.sport));
        ForceDirectories(dir);
        kit::GrabToPng(f, classe, dir);
    }

    uint64_t Hache(const std::string& s) const
    {
        uint64_t h = 1469598103934665603ull ^ (p_.graine * 0x9E3779B97F4A7C15ull);
        for (unsigned char c : s)
            h = (h ^ c) * 1099511628211ull;
        return h ^ (h >> 29);
    }

    // Walks the window a path reaches: each sequence of its gestures, then
    // the windows they open, and the window again after each pick that
    // changes what it offers (another team's squad, another page of a list).
    // A gesture as a window offers it, whatever page shows and whatever its
    // box holds (what is typed follows what the box holds).
    static std::string Offert(const TGeste& g)
    {
        TGeste sans = g;
        sans.pages.clear();
        sans.page = -1;
        if (g.action == act::Tape)
            sans.texte.clear();
        return sans.Libelle();
    }

    // The gestures a window offers (and what it says it shows, after a move
    // of a track bar or up-down: the same controls on another matchday), as
    // one text: a window offering those again is walked once.
    static std::string Signature(const std::string& fenetre, const TResultat& e, bool titres)
    {
        std::set<std::string> offerts;
        for (const TGeste& g : e.gestes)
            offerts.insert(Offert(g));
        std::string s = fenetre;
        for (const std::string& o : offerts)
            s.append("|").append(o);
        if (titres)
            for (const std::string& t : e.titres)
                s.append("#").append(t);
        return s;
    }

    void Explore(const TChemin& prefixe, const std::string& fenetre, int profondeur, const TResultat* vu = nullptr)
    {
        // a window is walked once for each command, for each window and
        // control that open it (a play-off's dialog opened by the button that
        // creates one, and by a double-click on one), and again after a
        // gesture in it
        const bool repris = prefixe.back().fenetre == fenetre;
        const TEtape& ouvrant = prefixe.back();
        const std::string cle = profondeur == 1 ? fenetre + "@" + std::to_string(prefixe[0].commande)
                                : repris        ? fenetre + "@" + Libelle(prefixe)
                                                : fenetre + "@" + prefixe[1].fenetre + "/" + ouvrant.fenetre + "/" +
                                                      ouvrant.geste.chemin + " " + ouvrant.geste.action;
        if (profondeur > p_.profondeur || !explorees_.insert(cle).second)
            return;
        const TResultat e = vu ? *vu : Joue(prefixe, true, fenetre);
        if (e.fenetre != fenetre)
            return;
        // a window offering the very gestures it offered already (another
        // command's window of its class showing other figures, a pick that
        // changed nothing it offers) is walked once
        const TGeste& avant = prefixe.back().geste;
        const bool deplace = repris && (avant.action == act::Haut || avant.action == act::Bas);
        // (what it says it shows is kept too: a move back to it finds it)
        const bool nouvelle = signatures_.insert(Hache(Signature(fenetre, e, deplace))).second;
        signatures_.insert(Hache(Signature(fenetre, e, true)));
        if (!nouvelle)
            return;
        auto rang = [&](const std::string& l) { return Hache(cle + l); };
        std::vector<std::vector<TGeste>> suites = Suites(e.gestes, p_.complet ? 600 : 200, rang);
        // walked again after a gesture in it: the sequences of what that
        // gesture made it offer (all of them on another matchday)
        if (vu && repris && !deplace) {
            std::set<std::string> avant;
            for (const TGeste& g : vuAvant_)
                avant.insert(Offert(g));
            suites.erase(std::remove_if(suites.begin(), suites.end(),
                                        [&](const std::vector<TGeste>& suite) {
                                            return std::all_of(suite.begin(), suite.end(), [&](const TGeste& g) {
                                                return avant.count(Offert(g)) > 0;
                                            });
                                        }),
                         suites.end());
            // (a few, drawn by the seed, of a long list of what it offers now)
            if (p_.complet && suites.size() > 150) {
                std::stable_sort(suites.begin(), suites.end(), [&](const auto& a, const auto& b) {
                    return rang(a.back().Libelle() + std::to_string(a.size())) <
                           rang(b.back().Libelle() + std::to_string(b.size()));
                });
                suites.resize(150);
            }
        }
        if (!p_.complet) {
            // the sample: the sequences of the window ranked by the seed
            std::stable_sort(suites.begin(), suites.end(), [&](const auto& a, const auto& b) {
                return rang(a.back().Libelle() + std::to_string(a.size())) <
                       rang(b.back().Libelle() + std::to_string(b.size()));
            });
            suites.resize(std::min<size_t>(suites.size(), static_cast<size_t>(p_.parFenetre)));
        }
        if (std::getenv("BZ_MARCHE_ECHO"))
            std::cout << "  (" << Cp1252ToUtf8(cle) << ": " << e.gestes.size() << " gestures, " << suites.size()
                      << " sequences)" << std::endl;
        for (const std::vector<TGeste>& suite : suites) {
            TChemin chemin = prefixe;
            for (const TGeste& g : suite)
                chemin.push_back({0, "", fenetre, g});
            const bool seule = suite.size() == 1;
            const TResultat r = Rang(chemin, seule ? fenetre : "");
            for (const std::string& o : r.ouvertes)
                Explore(chemin, o, profondeur + 1);
            // the window again after a gesture that changed what it offers
            // and nothing else (a row picked, a search; in a view, whose
            // later gestures are weighed each from where the one before left
            // the season, another matchday shown, which it may note as the
            // current one)
            const TGeste& g = suite.back();
            const bool bouge = g.action == act::Haut || g.action == act::Bas;
            const bool nomme = r.vue && bouge && r.verdict == "changed-as-named";
            if (seule && r.ouvertes.empty() && (r.verdict == "same" || nomme) && r.fenetre == fenetre &&
                Signature(fenetre, r, bouge) != Signature(fenetre, e, bouge)) {
                vuAvant_ = e.gestes;
                Explore(chemin, fenetre, profondeur + 1, &r);
            }
        }
    }

    // Plays the path and gives its row.
    TResultat Rang(const TChemin& chemin, const std::string& signer = "")
    {
        TResultat r = Joue(chemin, false, "", signer);
        // a window a gesture of no act opened, played and left: the season
        // as the path leaves it untouched
        if (r.temoin >= 0 && r.verdict.find("DIFFERENCE") == std::string::npos && r.joue && !r.document.empty()) {
            temoinClasse_ = r.temoinClasse;
            maniereForcee_ = r.temoinManiere;
            const TResultat t = Joue(TChemin(chemin.begin(), chemin.begin() + r.temoin + 1), false);
            temoinClasse_.clear();
            maniereForcee_ = -1;
            if (const auto e = Ecarts(t.document, r.document); t.joue && !t.document.empty() && !e.empty())
                r.verdict = "DIFFERENCE " + r.laissee + " after its gestures, not as left untouched: " + e[0].rec.cle +
                            ": " + e[0].Ligne();
        }
        // a gesture of no change in a window the path's earlier steps opened,
        // which found a difference: the season as the path leaves it without
        // that gesture, the windows left the same way, is the witness (both
        // played from the season as read, which the walk may have kept from
        // the path before with what it leaves unwritten: the next code of a
        // record made and taken back)
        const auto rienNommeEcart = [](const TResultat& x) {
            return x.sansLui && x.joue && x.verdict.rfind("DIFFERENCE", 0) == 0 &&
                   x.verdict.find("(nothing named)") != std::string::npos;
        };
        if (rienNommeEcart(r)) {
            intacte_ = false;
            const TResultat t = Joue(TChemin(chemin.begin(), chemin.end() - 1), false);
            intacte_ = false;
            r = Joue(chemin, false, "", signer);
            if (rienNommeEcart(r) && t.joue && !t.document.empty() && !r.document.empty()) {
                if (const auto e = Ecarts(t.document, r.document); e.empty())
                    r.verdict = "same as its path without it" + Relue(r.document);
                else
                    r.verdict = "DIFFERENCE not as its path without it: " + e[0].rec.cle + ": " + e[0].Ligne();
            }
        }
        if (!r.joue)
            ++NonJoues[r.raison.substr(0, r.raison.find(':'))];
        std::string ligne = Cp1252ToUtf8(Libelle(chemin) + " | " + r.reponse + " | " + r.verdict);
        for (const std::string& c : r.seules)
            ligne += " | " + c + " came and closed itself";
        if (r.verdict.find("DIFFERENCE") != std::string::npos) {
            const TConnu* connu = nullptr;
            for (const TConnu& k : connus_)
                if (ligne.find(k.fenetre) != std::string::npos && ligne.find(k.geste) != std::string::npos)
                    connu = &k;
            if (connu) {
                ligne += " | KNOWN: " + std::string(connu->issue);
                Connues.push_back(ligne);
            }
            else
                Differences.push_back(ligne);
        }
        Lignes.push_back(ligne);
        if (std::getenv("BZ_MARCHE_ECHO"))
            std::cout << ligne << std::endl;
        return r;
    }

    std::string Document()
    {
        f_.ValideFenetre();
        return essai::SansDate(essai::Document(*f_.Saison));
    }

    // The season as it was, the main window without a child.
    void Reprend()
    {
        hors_.seules.clear();
        r_ = &hors_;
        n_ = &horsNomme_;
        plan_.clear();
        curseur_ = 0;
        profondeurGeste_ = -5;
        kit::ForgetModalActions();
        kit::WhenModal([this](TForm* x) { Modale(x); });
        // the view goes without storing what it holds (a row it refuses); a
        // match sheet leaves the main window remembering its first match,
        // as none was shown
        if (auto* feuille = dynamic_cast<Tf_InfoMatchCadreBase*>(f_.Enfant))
            feuille->MatchCourant = 1;
        f_.EnfantPerime = true;
        f_.FermeFenetreEnfant();
        f_.EnfantPerime = false;
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            if (TForm* o = Screen->Forms(i); o != &f_ && o->Visible() && !o->Parent() && !o->Modal() &&
                                              Classe(o) != "TDessin")
                o->Hide();
        if (f_.MenuSimple)
            f_.ChoisitMenuSimple(false);
        // what the main window remembers of the last choices (a matchday, a
        // history file): a dialog that asks them is asked again
        std::copy(std::begin(memorises_), std::end(memorises_), std::begin(f_.ParametresMemorises));
        // the files beside the program (settings, categories) as they were
        for (const auto& [nom, octets] : FichiersProgramme())
            if (!programme_.count(nom))
                std::filesystem::remove(nom);
            else if (octets != programme_.at(nom))
                std::ofstream(nom, std::ios::binary) << programme_.at(nom);
        if (Lit(histo_) != histoVierge_) {
            std::ofstream(histo_, std::ios::binary) << histoVierge_;
            f_.ChargeStats();
        }
        f_.Messages.clear();
        // a season the last path left as it was is kept (its document is
        // the one a path starts from)
        if (!intacte_ || !f_.Saison)
            f_.InstallSeason(essai::Lit(p_.sport, vierge_), fichier_, false, 0);
        intacte_ = false;
        ModifSaison = 0;
        kit::Process();
    }

    // The answer to a box with those buttons.
    int Reponse(bool oui, bool non, bool annuler)
    {
        if (oui && non)
            r_->reponse = p_.oui ? "Oui" : "Non";
        else if (annuler && !p_.oui)
            r_->reponse = "Non";
        if (p_.oui)
            return oui ? mrYes : mrOk;
        return non ? mrNo : annuler ? mrCancel : mrOk;
    }

    // The button that validates a card or dialog (ok), or the one that
    // cancels it; none when the window has no such button.
    static TControl* BoutonFin(TForm* m, bool ok)
    {
        for (const TControleVu& c : Controles(m)) {
            if (!Actif(c.c))
                continue;
            const std::string& nom = c.c->Name();
            int resultat = -1;
            bool defaut = false, annule = false;
            if (auto* b = dynamic_cast<TBoutonModele*>(c.c))
                resultat = b->ModalResult, defaut = b->Default, annule = b->Cancel;
            else if (auto* b2 = dynamic_cast<TButton*>(c.c))
                resultat = b2->ModalResult, defaut = b2->Default(), annule = b2->Cancel;
            else
                continue;
            if (ok ? (resultat == mrOk || nom == "b_Valider" || nom == "bc_Valider" || nom == "bc_Terminer" ||
                      nom == "b_Ok" || nom == "bc_Ok" || (nom == "bc_Choisir" && Trouve(m, "tv_Blasons")) ||
                      (defaut && resultat != mrCancel))
                   : (resultat == mrCancel || annule || nom == "b_Annuler" || nom == "bc_Annuler"))
                return c.c;
        }
        return nullptr;
    }

    // How a window is left without validating: its button that cancels,
    // Escape or its close box, drawn by the seed for each class of window
    // (the next way when that one does not close it).
    static constexpr const char* Manieres[3] = {"its Cancel button", "Escape", "its close box"};

    // Closes a card or dialog as the walk says: validated (else cancelled
    // when it refuses), or cancelled. How it was left goes into maniere_.
    void Ferme(TForm* m, bool valider)
    {
        if (valider)
            if (TControl* b = BoutonFin(m, true)) {
                // the crest dialog chooses another crest than the one it shows
                if (auto* t = dynamic_cast<TTreeView*>(Trouve(m, "tv_Blasons")); t && b->Name() == "bc_Choisir")
                    for (int i = t->Items().Count() - 1; i >= 0; --i)
                        if (t->Items()[i] != t->Selected()) {
                            TGeste g;
                            g.chemin = "tv_Blasons", g.action = act::Clic, g.a = i;
                            n_->groupes.emplace_back();
                            JoueGeste(m, g, n_->groupes.back());
                            break;
                        }
                kit::Click(b);
                maniere_ = "validated";
                if (m->ModalResult() != mrNone)
                    return;
            }
        const size_t premiere = maniereForcee_ >= 0 ? static_cast<size_t>(maniereForcee_) : Hache(Classe(m)) % 3;
        for (size_t k = 0; k < 3 && m->ModalResult() == mrNone; ++k) {
            const size_t i = (premiere + k) % 3;
            maniere_ = Manieres[i];
            if (i == 0) {
                if (TControl* b = BoutonFin(m, false))
                    kit::Click(b);
            }
            else if (i == 1)
                kit::PressKey(nullptr, VK_ESCAPE);
            else {
                m->Close();
                if (m->ModalResult() == mrNone && m->Visible())
                    m->SetModalResult(mrCancel);
            }
        }
    }

    // ---- windows left without validating --------------------------------------------------------
    // Cancel, Escape or the close box leave the whole document as it was
    // before the window opened, field by field, whatever the window or its
    // questions named: as it was before the gesture that opened it when that
    // gesture acts (a button, an entry, Delete, a drag, the command: what it
    // began before showing the window is the window's road), else as it was
    // when the window showed. What stands: what a card validated on its own
    // record from it (a coach card validated from the club card), what a
    // window validated before it or beside it, and what the buttons of a
    // window with no button to cancel did at once (they apply: the rename
    // dialogs, quick squad entry), each only with what changed while that
    // window showed or that button ran (what the window left writes once a
    // card it opened returned is its own). A picker or sub-dialog validated
    // (a crest, a career line, a championship picked) is the window's own
    // editing: its Cancel takes it back, as it takes back what the buttons
    // of a window opened from it applied.
    //
    // A window that a gesture of no act opened (a box typed and left, a
    // click on a row: a shoot-out asked as a score is typed) follows what
    // that gesture entered, which stands as the gesture named it: played
    // with the path's last gestures and left, it must leave the season as it
    // leaves it left untouched (the path is played again without its
    // gestures to see).

    // The document as it stands, without asking the view to store what it
    // holds ("" once the path left the season it started from).
    std::string Brut() const
    {
        return f_.Saison && f_.Saison.get() == saisonChemin_ ? essai::SansDate(essai::Document(*f_.Saison)) : "";
    }

    static bool Carte(const std::string& classe)
    {
        return classe.rfind("Tf_Fiche", 0) == 0 || classe == "Tf_AppliquerOptions";
    }

    // A gesture begins at that depth (the step of the path, or -1 for the
    // command or the walk closing a window): the document before it.
    void Debut(int niveau, bool agit, int etape, std::string doc = "")
    {
        const size_t k = static_cast<size_t>(niveau);
        if (avantGeste_.size() <= k)
            avantGeste_.resize(k + 1), agitGeste_.resize(k + 1), etapeGeste_.resize(k + 1);
        avantGeste_[k] = doc.empty() ? Brut() : std::move(doc);
        agitGeste_[k] = agit;
        etapeGeste_[k] = etape;
    }

    // What changed from avant to now, credited to a window validated, or to
    // a button that applies at once, with the windows open around it: what
    // its opener writes once it returned is the opener's.
    void Credite(const std::string& avant, bool carte)
    {
        TValidee v{carte, {pile_.begin(), pile_.end()}, {}};
        if (const std::string doc = Brut(); !doc.empty() && !avant.empty())
            for (const TLigneEcart& l : LignesEcart(avant, doc))
                v.lignes.insert(l);
        validees_.push_back(std::move(v));
    }

    // The gesture at that depth is over: the windows it opened and that were
    // left without validating are judged.
    void Verifie(int niveau)
    {
        if (std::none_of(laissees_.begin(), laissees_.end(), [&](const TLaissee& l) { return l.niveau >= niveau; }))
            return;
        const std::string doc = Brut();
        for (auto it = laissees_.begin(); it != laissees_.end();) {
            if (it->niveau < niveau) {
                ++it;
                continue;
            }
            if (ecartStrict_.empty() && !doc.empty() && !it->base.empty())
                for (const TLigneEcart& l : LignesEcart(it->base, doc)) {
                    bool tient = false;
                    for (const TValidee& v : validees_)
                        tient = tient || ((v.carte || !v.ancetres.count(it->id)) && v.lignes.count(l));
                    if (!tient) {
                        ecartStrict_ = it->classe + " left by " + it->maniere + ": " + l.rec + ": " +
                                       (l.avant ? "- " : "+ ") + l.ligne;
                        break;
                    }
                }
            it = laissees_.erase(it);
        }
    }

    void Modale(TForm* m)
    {
        kit::WhenModal([this](TForm* x) { Modale(x); });
        if (std::getenv("BZ_MARCHE_ECARTS"))
            std::cout << "    window: " << Classe(m) << " \"" << Cp1252ToUtf8(m->Caption()) << "\"" << std::endl;
        if (auto* q = dynamic_cast<Tf_MessageUtil*>(m)) {
            n_->questions.push_back(q->Label1->Caption());
            Grab(m, std::to_string(Hache(q->Label1->Caption()) % 100000));
            std::map<int, TControl*> boutons;
            for (TBoutonCopie* b : {q->BoutonCopie1, q->BoutonCopie2, q->BoutonCopie3, q->BoutonCopie4})
                if (b && b->Visible())
                    boutons[b->ModalResult] = b;
            const int rep = Reponse(boutons.count(mrYes), boutons.count(mrNo), boutons.count(mrCancel));
            if (boutons.count(rep))
                kit::Click(boutons[rep]);
            if (m->ModalResult() == mrNone)
                m->SetModalResult(rep);
            return;
        }
        const int niveau = profondeur_;
        ++profondeur_;
        const std::string classe = Classe(m);
        n_->groupes.push_back(Sujet(m));
        // where the strict rule starts from
        const int id = ++compteFenetres_;
        const std::string ouverture = Brut();
        const size_t k = static_cast<size_t>(niveau);
        const bool agit = k < agitGeste_.size() && agitGeste_[k];
        const int etapeOuvrante = k < etapeGeste_.size() ? etapeGeste_[k] : -1;
        const std::string base = agit ? avantGeste_[k] : ouverture;
        bool pas = false;   // it holds steps of the path
        bool ici = false;   // and the last one
        pile_.push_back(id);
        maniere_ = "a gesture of its own";
        // a window that comes again once validated ("and another") is
        // cancelled after a while
        bool valider = p_.oui && ++modales_ < 12;
        if (curseur_ < plan_.size() && Meme(plan_[curseur_].fenetre, classe)) {
            // its steps, one after the other while it stays
            bool dernier = false;
            while (!dernier && curseur_ < plan_.size() && Meme(plan_[curseur_].fenetre, classe) &&
                   m->ModalResult() == mrNone) {
                const TEtape& e = plan_[curseur_++];
                dernier = curseur_ == plan_.size();
                if (dernier)
                    profondeurGeste_ = profondeur_, ici = true;
                pas = true;
                std::vector<std::string> groupe;
                const bool annulable = BoutonFin(m, false) != nullptr;
                Debut(profondeur_, e.geste.Entre(), static_cast<int>(curseur_) - 1);
                if (std::string raison = JoueGeste(m, e.geste, groupe); !raison.empty() && r_->joue)
                    r_->joue = false, r_->raison = raison;
                n_->groupes.push_back(groupe);
                // a key or click that validates the window (Enter on its
                // default button) acts as its button does
                if (dernier && m->ModalResult() == mrOk)
                    valideParGeste_ = true;
                Verifie(profondeur_);
                // a button of a window with no button to cancel applies at
                // once: for that window, and for those beside it (not for
                // the windows it was opened from)
                if (!annulable && e.geste.Agit()) {
                    pile_.pop_back();
                    Credite(avantGeste_[static_cast<size_t>(profondeur_)], false);
                    pile_.push_back(id);
                }
                maniere_ = e.geste.Libelle();
            }
            if (curseur_ < plan_.size() && Meme(plan_[curseur_].fenetre, classe) && r_->joue)
                r_->joue = false, r_->raison = "window closed before the gesture: " + classe;
            // Cancelled after its last step, the window takes back what the
            // step did: nothing is named. A window with no button to cancel
            // (its buttons act at once, one closes it: the rename and list
            // dialogs, quick squad entry) is closed by its close box, which
            // takes nothing back: a button, entry, Delete or drag that acted
            // keeps what it named; a box typed and left without its button
            // still names nothing.
            if (dernier && m->ModalResult() == mrNone) {
                if (valider)
                    valideApres_ = true;
                else
                    annuleApres_ = BoutonFin(m, false) || !plan_.back().geste.Agit();
                // the window again: what it offers after the steps
                if ((explorer_ ? cible_ : signer_) == classe && r_->fenetre.empty()) {
                    r_->fenetre = classe;
                    r_->gestes = Gestes(m);
                    r_->titres = Titres(m);
                    valider = valider && !explorer_;
                }
            }
        }
        else if (curseur_ == plan_.size() &&
                 (profondeur_ == profondeurGeste_ + 1 || (dernierFerme_ && profondeur_ == profondeurGeste_))) {
            // a window the last gesture opened (or what validated its window
            // opened next: the team names of a championship made)
            r_->ouvertes.push_back(classe);
            if (classe == temoinClasse_)
                valider = false;
            if (explorer_ && r_->fenetre.empty() && classe == cible_) {
                r_->fenetre = classe;
                r_->gestes = Gestes(m);
                r_->titres = Titres(m);
                Grab(m);
                valider = false;
            }
        }
        if (m->ModalResult() == mrNone) {
            n_->groupes.push_back(Sujet(m));
            Debut(profondeur_, true, -1);
            Ferme(m, valider);
            Verifie(profondeur_);
        }
        const int resultat = m->ModalResult();
        // a card or dialog validated may write what the season holds beside
        if (resultat == mrOk)
            n_->saison = true;
        pile_.pop_back();
        dernierFerme_ = dernierFerme_ || ici;
        if (resultat == mrCancel || resultat == mrNo || resultat == mrAbort || resultat == mrNoToAll ||
            resultat == mrClose) {
            if (agit)
                laissees_.push_back({id, niveau, classe, maniere_, base});
            else if (pas && curseur_ == plan_.size() && etapeOuvrante >= 0) {
                // the gesture that opened it is weighed as the last one; the
                // path without the window's gestures, the window left the
                // same way (a gesture of its own that cancels: its button),
                // is the witness
                r_->temoin = etapeOuvrante;
                r_->laissee = classe + " left by " + maniere_;
                r_->temoinClasse = classe;
                r_->temoinManiere = 0;
                for (int i = 0; i < 3; ++i)
                    if (maniere_ == Manieres[i])
                        r_->temoinManiere = i;
                annuleApres_ = false;
            }
        }
        else
            Credite(ouverture, Carte(classe));
        --profondeur_;
    }

    // Plays a path from the season as it was: its command, then each gesture
    // in the window of its class; the verdict of its last gesture.
    TResultat Joue(const TChemin& chemin, bool explorer, const std::string& cible = "", const std::string& signer = "")
    {
        Reprend();
        TResultat r;
        TNomme n;
        r_ = &r;
        n_ = &n;
        struct TFin
        {
            TMarcheur& m;
            ~TFin() { m.r_ = &m.hors_, m.n_ = &m.horsNomme_, m.enJeu_ = false; }
        } fin{*this};
        plan_ = chemin;
        curseur_ = 1;
        profondeur_ = modales_ = 0;
        profondeurGeste_ = chemin.size() == 1 ? 0 : -1;
        explorer_ = explorer;
        cible_ = cible;
        signer_ = signer;
        valideApres_ = annuleApres_ = valideParGeste_ = dernierFerme_ = false;
        std::string avant = vierge_, histoAvant = Lit(histo_);
        const TSaison* saison = f_.Saison.get();
        saisonChemin_ = saison;
        avantGeste_.clear(), agitGeste_.clear(), etapeGeste_.clear(), pile_.clear(), validees_.clear();
        laissees_.clear(), ecartStrict_.clear();
        Debut(0, true, -1, vierge_);
        if (const TDonneesChampionnat* c = f_.Saison->ChampionnatCourant())
            n.champs.insert(c->CodeChamp);
        SetMessageHook([this](const TMessageRequest& q) {
            n_->questions.push_back(q.Text);
            return Reponse(q.Buttons & mbYes, q.Buttons & mbNo, q.Buttons & mbCancel);
        });
        f_.Reponse = [this](const std::string& texte, int boutons) {
            n_->questions.push_back(texte);
            return Reponse(boutons & mbuOui, boutons & mbuNon, boutons & mbuAnnuler);
        };
        const TEtape& cmd = chemin[0];
        n.groupes.push_back({cmd.libelle});
        enJeu_ = true;
        // the view the last step started from, and whether that step was in it
        std::string vue = f_.Enfant ? Classe(f_.Enfant) : "";
        bool dansVue = chemin.size() == 1;
        try {
            if (TTreeNode* noeud = essai::Noeud(f_, cmd.commande))
                essai::Choisit(f_, noeud);
            else if (TMenuItem* mi = essai::ItemDeBarre(f_.mm_Menu->Items(), cmd.commande))
                mi->Click();
            kit::Process();
            Verifie(0);
            // the gestures in the views, each in the view of its class
            while (curseur_ < plan_.size() && f_.Saison && f_.Enfant && Meme(plan_[curseur_].fenetre, Classe(f_.Enfant))) {
                const TEtape& e = plan_[curseur_++];
                vue = Classe(f_.Enfant);
                if (curseur_ == plan_.size()) {
                    profondeurGeste_ = 0;
                    dansVue = true;
                }
                // what it starts from: the season as the view holds it
                avant = Document();
                histoAvant = Lit(histo_);
                Debut(0, e.geste.Entre(), static_cast<int>(curseur_) - 1, avant);
                TForm* v = f_.Enfant;
                const bool bouton = (e.geste.action == act::Clic && e.geste.a < 0) || e.geste.action == act::Menu;
                if (bouton)
                    n.groupes.push_back(Sujet(v));
                std::vector<std::string> groupe;
                if (std::string raison = JoueGeste(v, e.geste, groupe); !raison.empty() && r.joue)
                    r.joue = false, r.raison = raison;
                n.groupes.push_back(groupe);
                kit::Process(3);   // a card the gesture opens on a timer
                Verifie(0);
                if (f_.Enfant == v) {
                    n.groupes.push_back(Titres(v));
                    if (bouton)
                        n.groupes.push_back(Sujet(v));
                }
            }
        }
        catch (const std::exception& e) {
            r.verdict = std::string("DIFFERENCE exception ") + e.what();
        }
        if (curseur_ < plan_.size() && r.joue)
            r.joue = false, r.raison = "window not opened: " + plan_[curseur_].fenetre;
        // the view again: what it offers after the steps
        if (r.joue && dansVue && chemin.size() > 1 && f_.Enfant && Classe(f_.Enfant) == vue &&
            vue == (explorer ? cible : signer) && r.fenetre.empty() && r.ouvertes.empty()) {
            r.fenetre = vue;
            r.gestes = Gestes(f_.Enfant);
            r.titres = Titres(f_.Enfant);
            r.vue = true;
        }
        // a view the last step showed in the main window (a dialog of the
        // step validated may show it)
        else if (r.joue && f_.Enfant && (Classe(f_.Enfant) != vue || chemin.size() == 1) &&
                 std::find(r.ouvertes.begin(), r.ouvertes.end(), Classe(f_.Enfant)) == r.ouvertes.end()) {
            r.ouvertes.push_back(Classe(f_.Enfant));
            if (explorer && r.fenetre.empty() && Classe(f_.Enfant) == cible) {
                r.fenetre = Classe(f_.Enfant);
                r.gestes = Gestes(f_.Enfant);
                r.titres = Titres(f_.Enfant);
                Grab(&f_);
            }
        }
        if (f_.Enfant)
            n.groupes.push_back({f_.Enfant->Caption()});
        if (!f_.Saison) {
            r.verdict = "DIFFERENCE the season was closed";
            return r;
        }
        if (const TDonneesChampionnat* c = f_.Saison->ChampionnatCourant())
            n.champs.insert(c->CodeChamp);
        // what a gesture leaves to be done once its event is over (a card a
        // box opens as it is left, on a timer) is done before the season is
        // written
        kit::Process(3);
        Verifie(0);
        const std::string apres = Document();
        kit::Process(3);
        enJeu_ = false;
        intacte_ = apres == vierge_ && f_.Saison.get() == saison;
        kit::ForgetModalActions();
        kit::WhenModal([this](TForm* x) { Modale(x); });
        r_ = &r;
        if (!r.verdict.empty())
            return r;
        if (!r.joue) {
            r.verdict = "gone (" + r.raison + ")";
            return r;
        }
        if (f_.Saison.get() != saison) {
            r.verdict = "another season";
            return r;
        }
        if (!ecartStrict_.empty()) {
            r.verdict = "DIFFERENCE " + ecartStrict_;
            return r;
        }
        // (a window a gesture of no act opened, played and left: that gesture)
        const TGeste& g = chemin[r.temoin >= 0 ? static_cast<size_t>(r.temoin) : chemin.size() - 1].geste;
        r.document = apres;
        const bool dernierModifie =
            chemin.size() > 1 && ((g.Modifie() && !(g.action == act::DoubleClic && !r.ouvertes.empty())) || valideParGeste_);
        const bool nonAuxQuestions = r.reponse == "Non";
        const bool rienNomme = !dernierModifie || annuleApres_ || (nonAuxQuestions && g.Agit());
        // a gesture of no change in a card or dialog, after steps of the
        // path that may have changed what the walk then validates (a box
        // typed in the card that opened it, a crest the walk picks)
        r.sansLui = !dernierModifie && !annuleApres_ && r.temoin < 0 && profondeurGeste_ > 0 && chemin.size() > 2;
        const auto ecarts = Ecarts(avant, apres);
        const bool histoChange = Lit(histo_) != histoAvant;
        bool histoNomme = false;
        for (const auto& gr : n.groupes)
            for (const std::string& t : gr)
                histoNomme = histoNomme || MotDans("historique", t) || MotDans("history", t);
        for (const std::string& t : n.questions)
            histoNomme = histoNomme || MotDans("historique", t) || MotDans("history", t);
        if (ecarts.empty() && !histoChange) {
            r.verdict = "same";
            return r;
        }
        if (histoChange && (rienNomme || !histoNomme)) {
            r.verdict = "DIFFERENCE the history file";
            return r;
        }
        if (std::getenv("BZ_MARCHE_ECARTS"))
            for (const TLigneEcart& l : LignesEcart(avant, apres))
                std::cout << "    " << Cp1252ToUtf8(l.rec + ": " + (l.avant ? "- " : "+ ") + l.ligne) << std::endl;
        for (const TEcart& e : ecarts)
            if (rienNomme || !n.Accepte(e.rec)) {
                if (std::getenv("BZ_MARCHE_ECARTS")) {
                    for (const auto& gr : n.groupes) {
                        std::cout << "    named:";
                        for (const std::string& t : gr)
                            std::cout << " [" << Cp1252ToUtf8(t) << "]";
                        std::cout << std::endl;
                    }
                    for (const std::string& q : n.questions)
                        std::cout << "    asked: " << Cp1252ToUtf8(q) << std::endl;
                }
                r.verdict = "DIFFERENCE " + e.rec.cle + (rienNomme ? " (nothing named)" : "") + ": " + e.Ligne();
                return r;
            }
        r.verdict = "changed-as-named";
        // saved and opened again: the same document
        r.verdict += Relue(apres);
        return r;
    }
};

}  // namespace marche
