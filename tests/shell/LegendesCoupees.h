// Captions cut or run into one another: every caption of a label, button or
// check control measured in its own font against its control (a label that
// breaks its lines, against its height too), every title of a colour grid
// against its column less the sort arrow, every entry of a tree against the
// tree's width.
#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <QFontMetrics>
#include <QLabel>

#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Graphics.h"
#include "platform/gui/Grids.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"

namespace essai {

// Every title of a colour grid and every button caption that is wider than
// its column (less the sort arrow where a click sorts) or button, as "name:
// text", in the control's own font.
inline void TextesRognes(TComponent* c, std::set<std::string>& vus)
{
    TBitmap b(1, 1);
    TCanvas& canvas = b.Canvas();
    // The table of results titles its columns with team names cut to fit, and
    // the history's entry grid each pair of columns.
    if (auto* g = dynamic_cast<TColorStringGrid*>(c);
        g && g->Visible() && g->FixedRows() > 0 && g->Name() != "sg_recap" && g->Name() != "csg_Saisie")
        for (int k = 0; k < g->ColCount(); ++k) {
            const int largeur = g->ColWidths(k);
            const std::string t = g->LitCellule(k, 0);
            if (largeur <= 0 || t.empty())
                continue;
            canvas.Font = g->Font();
            const TInfoCellule* info = g->InfoCellule(k, 0);
            canvas.Font.SetStyle(info && info->Gras ? static_cast<TFontStyles>(fsBold) : 0u);
            const int tw = canvas.TextWidth(t);
            // A grid sorted by a click on a title draws its arrow over the
            // title's last 12 pixels: the title ends before it.
            const int alignement = info ? info->AlignH : 0;
            const int fin = alignement == 1 ? (largeur + tw) / 2 : alignement == 2 ? largeur - largeur / 30 : largeur / 30 + tw;
            if (tw + 4 > largeur || (g->TriCol && fin > largeur - TColorGridBase::PlaceFlecheTri - 1))
                vus.insert(g->Name() + ": " + t);
        }
    // Scores of the cross table are never cut.
    if (auto* g = dynamic_cast<TColorStringGrid*>(c); g && g->Visible() && g->Name() == "sg_recap") {
        canvas.Font = g->Font();
        for (int r = g->FixedRows(); r < g->RowCount(); ++r)
            for (int k = 1; k < g->ColCount(); ++k) {
                const std::string t = g->LitCellule(k, r);
                const TInfoCellule* info = g->InfoCellule(k, r);
                canvas.Font.SetStyle(info && info->Gras ? static_cast<TFontStyles>(fsBold) : 0u);
                if (!t.empty() && g->ColWidths(k) > 0 && canvas.TextWidth(t) + 4 > g->ColWidths(k))
                    vus.insert(g->Name() + ": " + t);
            }
    }
    // Entries of a tree shown in full width.
    if (auto* tv = dynamic_cast<TTreeView*>(c); tv && tv->Visible())
        for (TTreeNode* n = tv->Items().GetFirstNode(); n; n = n->GetNext()) {
            bool ouvert = true;
            for (TTreeNode* p = n->Parent(); p && ouvert; p = p->Parent())
                ouvert = p->Expanded();
            if (ouvert && n->DisplayRect(true).Right > tv->ClientWidth())
                vus.insert(tv->Name() + ": " + n->Text());
        }
    if (auto* bt = dynamic_cast<TButton*>(c); bt && bt->Visible()) {
        canvas.Font = bt->Font();
        if (canvas.TextWidth(bt->Caption()) + 8 > bt->Width())
            vus.insert(bt->Name() + ": " + bt->Caption());
    }
    for (int i = 0; i < c->ComponentCount(); ++i)
        TextesRognes(c->Components(i), vus);
}

// Where a control draws its caption, in its parent's client coordinates, and
// whether the caption is wider than the control lets it show.
struct TLegende
{
    TControl* Controle = nullptr;
    std::string Texte;
    TRect Boite;
    bool Rognee = false;
};

// The shown controls: the control and every parent up to its window visible.
inline bool Montre(const TControl* c)
{
    for (; c; c = c->Parent())
        if (!c->Visible())
            return false;
    return true;
}

inline bool Legende(TControl* c, TCanvas& canvas, TLegende& l)
{
    std::string texte = c->Caption();
    if (auto* lb = dynamic_cast<TLabel*>(c); lb && lb->ShowAccelChar) {
        std::string t;
        for (size_t i = 0; i < texte.size(); ++i)
            if (texte[i] != '&' || (i + 1 < texte.size() && texte[++i] == '&'))
                t += texte[i];
        texte = t;
    }
    if (Trim(texte).empty())
        return false;
    canvas.Font = c->Font();
    int largeur = 0, lignes = 0;
    size_t debut = 0;
    while (debut <= texte.size()) {
        const size_t fin = texte.find_first_of("\r\n", debut);
        const std::string ligne = texte.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
        largeur = std::max(largeur, canvas.TextWidth(ligne));
        ++lignes;
        if (fin == std::string::npos)
            break;
        debut = fin + (texte.compare(fin, 2, "\r\n") == 0 ? 2 : 1);
    }
    const int hauteur = canvas.TextHeight("Ag") * lignes;
    const int w = c->Width(), h = c->Height();
    int x = 0, y = 0, place = w;
    if (auto* lb = dynamic_cast<TLabel*>(c); lb && lb->WordWrap()) {
        // Laid out in its box: every line of it inside, as the label breaks them.
        auto* q = static_cast<QLabel*>(lb->Widget());
        const QRect r = QFontMetrics(q->font()).boundingRect(QRect(0, 0, std::max(1, w), 100000),
                                                             Qt::TextWordWrap | q->alignment(), q->text());
        const int haut = lb->Layout() == tlBottom ? h - r.height() : lb->Layout() == tlCenter ? (h - r.height()) / 2 : 0;
        l.Controle = c;
        l.Texte = texte;
        l.Rognee = r.height() > h || r.width() > w;
        l.Boite = Rect(c->Left() + std::max(r.left(), 0), c->Top() + std::max(haut, 0),
                       c->Left() + std::min(r.right() + 1, w), c->Top() + std::min(haut + r.height(), h));
        return true;
    }
    if (auto* lb = dynamic_cast<TLabel*>(c)) {
        x = lb->Alignment() == taRightJustify ? w - largeur : lb->Alignment() == taCenter ? (w - largeur) / 2 : 0;
        y = lb->Layout() == tlBottom ? h - hauteur : lb->Layout() == tlCenter ? (h - hauteur) / 2 : 0;
    } else if (dynamic_cast<TBoutonModele*>(c)) {
        x = (w - largeur) / 2;
        y = (h - hauteur) / 2;
        place = w - 4;
    } else if (auto* coche = dynamic_cast<TBoutonCoche*>(c)) {
        x = coche->Alignement() != 0 ? 0 : 25;
        y = (h - hauteur) / 2;
        place = w - x;
    } else if (dynamic_cast<TCheckBox*>(c) || dynamic_cast<TRadioButton*>(c)) {
        x = 18;
        y = (h - hauteur) / 2;
        place = w - x;
    } else
        return false;
    l.Controle = c;
    l.Texte = texte;
    // a label shows as many lines as its height holds
    l.Rognee = largeur > place || (dynamic_cast<TLabel*>(c) && hauteur > h + 1);
    const int gauche = c->Left() + std::max(x, 0), haut = c->Top() + std::max(y, 0);
    l.Boite = Rect(gauche, haut, std::min(c->Left() + x + largeur, c->Left() + w),
                   std::min(c->Top() + y + hauteur, c->Top() + h));
    return true;
}

inline void Legendes(TComponent* c, TCanvas& canvas, std::map<TWinControl*, std::vector<TLegende>>& parParent)
{
    if (auto* k = dynamic_cast<TControl*>(c); k && k->Parent() && Montre(k)) {
        TLegende l;
        if (Legende(k, canvas, l))
            parParent[k->Parent()].push_back(l);
    }
    for (int i = 0; i < c->ComponentCount(); ++i)
        Legendes(c->Components(i), canvas, parParent);
}

// Every caption shown by the window that runs into the caption of another
// control of the same parent (one text over the other, or two texts of one
// line closer than the width of a space, which then read as one: "Note
// MatchStadium"), as "name / name: text | text", and every caption of a
// label, button or check control cut by its control, as "name: text", each
// measured in the control's own font. Names of the season (`donnees`) may be
// cut to fit.
inline void LegendesChevauchees(TComponent* c, std::set<std::string>& vus, const std::set<std::string>& donnees = {})
{
    TBitmap b(1, 1);
    TCanvas& canvas = b.Canvas();
    std::map<TWinControl*, std::vector<TLegende>> parParent;
    Legendes(c, canvas, parParent);
    for (auto& [parent, legendes] : parParent) {
        for (size_t i = 0; i < legendes.size(); ++i) {
            const TLegende& a = legendes[i];
            if (a.Rognee && !donnees.count(a.Texte))
                vus.insert(a.Controle->Name() + ": " + a.Texte);
            for (size_t j = i + 1; j < legendes.size(); ++j) {
                const TLegende& d = legendes[j];
                const int dessus = std::min(a.Boite.Bottom, d.Boite.Bottom) - std::max(a.Boite.Top, d.Boite.Top);
                if (dessus <= 2)
                    continue;   // one above the other
                canvas.Font = a.Controle->Font();
                const int espace = std::max(2, canvas.TextWidth(" ") - 1);
                const int ecart = std::max(a.Boite.Left, d.Boite.Left) - std::min(a.Boite.Right, d.Boite.Right);
                if (ecart < espace)
                    vus.insert(a.Controle->Name() + " / " + d.Controle->Name() + ": " + a.Texte + " | " + d.Texte);
            }
        }
    }
}

// Both of the above over a window: what it shows cut or overlapping.
inline std::set<std::string> LegendesCoupees(TComponent* c, const std::set<std::string>& donnees = {})
{
    std::set<std::string> vus;
    TextesRognes(c, vus);
    LegendesChevauchees(c, vus, donnees);
    return vus;
}

}  // namespace essai
