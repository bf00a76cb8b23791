// The colour grid's data: cell records, split texts, value bar maxima, sorting
// and sizes. Drawing, printing and the control are in ColorStringGrid_Dessin.cpp,
// HTML in GridHtml.cpp.
#include "ui/ColorStringGrid.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <unordered_set>

#include "platform/gui/Pictures.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

TInfoCellule::TInfoCellule() = default;
TInfoCellule::~TInfoCellule() = default;

TColorGridBase::TColorGridBase() = default;
TColorGridBase::~TColorGridBase() = default;

// ---- records ---------------------------------------------------------------------------

bool TColorGridBase::CelluleValide(int col, int row) const
{
    const TGridModel& g = Grille();
    return col >= 0 && row >= 0 && col < g.ColCount() && row < g.RowCount();
}

TInfoCellule* TColorGridBase::InfoCellule(int col, int row) const
{
    if (!CelluleValide(col, row))
        return nullptr;
    return dynamic_cast<TInfoCellule*>(ObjetGrille(col, row));
}

TInfoCellule* TColorGridBase::Info(int col, int row, bool creer)
{
    TInfoCellule* info = InfoCellule(col, row);
    if (info || !creer || !CelluleValide(col, row))
        return info;
    auto nouvelle = std::make_unique<TInfoCellule>();
    nouvelle->LigneCreation = row;
    info = nouvelle.get();
    infos_.push_back(std::move(nouvelle));
    ChangeObjetGrille(col, row, info);
    return info;
}

void TColorGridBase::LibereInfosOrphelines()
{
    const TGridModel& g = Grille();
    std::unordered_set<const TObject*> vivantes;
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c)
            if (TObject* o = ObjetGrille(c, r))
                vivantes.insert(o);
    std::erase_if(infos_, [&](const std::unique_ptr<TInfoCellule>& i) { return !vivantes.count(i.get()); });
}

void TColorGridBase::CompteChange()
{
    const TGridModel& g = Grille();
    TGridOptions o = g.Options();
    size_t nl = static_cast<size_t>(g.RowCount()), nc = static_cast<size_t>(g.ColCount());
    if (lignes_.size() > nl)
        lignes_.resize(nl);
    while (lignes_.size() < nl)
        lignes_.push_back({g.DefaultRowHeight(), (o & goHorzLine) != 0, 0});
    if (colonnes_.size() > nc)
        colonnes_.resize(nc);
    while (colonnes_.size() < nc) {
        TInfoColonne col;
        col.Largeur = g.DefaultColWidth();
        col.Trait = (o & goVertLine) != 0;
        colonnes_.push_back(col);
    }
    LibereInfosOrphelines();
    if (hotCol_ >= g.ColCount() || hotRow_ >= g.RowCount())
        hotCol_ = hotRow_ = -1;
    AjusteTaille();
}

void TColorGridBase::OptionsChangees(TGridOptions avant, TGridOptions apres)
{
    if ((avant ^ apres) & goHorzLine)
        for (auto& l : lignes_)
            l.Trait = (apres & goHorzLine) != 0;
    if ((avant ^ apres) & goVertLine)
        for (auto& c : colonnes_)
            c.Trait = (apres & goVertLine) != 0;
    RedessineTout();
}

void TColorGridBase::ChangeCelluleChaude(int col, int row)
{
    if (col == hotCol_ && row == hotRow_)
        return;
    if (hotCol_ >= 0)
        RedessineCellule(hotCol_, hotRow_);
    hotCol_ = col;
    hotRow_ = row;
    if (hotCol_ >= 0)
        RedessineCellule(hotCol_, hotRow_);
}

// ---- values ----------------------------------------------------------------------------

int TColorGridBase::ValeurTexte(const std::string& texte)
{
    // The comma, or the decimal separator the numbers are shown with.
    const char sep = FormatSettings().DecimalSeparator;
    auto virgule = [sep](char c) { return c == ',' || c == sep; };
    size_t n = 0;
    while (n < texte.size() && ((texte[n] >= '0' && texte[n] <= '9') || virgule(texte[n])))
        ++n;
    int virgules = 0, chiffres = 0;
    for (size_t i = 0; i < n; ++i) {
        if (virgule(texte[i]))
            ++virgules;
        else
            ++chiffres;
    }
    if (chiffres == 0 || virgules > 1)
        return 0;
    double entier = 0, fraction = 0, echelle = 1;
    bool apres = false;
    for (size_t i = 0; i < n; ++i) {
        if (virgule(texte[i])) {
            apres = true;
        } else if (!apres) {
            entier = entier * 10 + (texte[i] - '0');
        } else {
            echelle /= 10;
            fraction += (texte[i] - '0') * echelle;
        }
    }
    double v = (entier + fraction) * 100;
    if (v >= INT_MAX)
        return INT_MAX;
    return static_cast<int>(Round(v));
}

double TColorGridBase::CleNumerique(const std::string& texte)
{
    double entier = 0, fraction = 0, echelle = 1;
    bool apres = false;
    for (char ch : texte) {
        if (ch >= '0' && ch <= '9') {
            if (!apres) {
                entier = entier * 10 + (ch - '0');
            } else {
                echelle /= 10;
                fraction += (ch - '0') * echelle;
            }
        } else if ((ch == ',' || ch == '.') && !apres) {
            apres = true;
        } else {
            break;
        }
    }
    return entier + fraction;
}

// ---- cells -----------------------------------------------------------------------------

void TColorGridBase::EcritCellule(int col, int row, const std::string& texte)
{
    if (!CelluleValide(col, row))
        return;
    bool corps = LigneCorps(row);
    TInfoColonne& colonne = colonnes_[static_cast<size_t>(col)];
    if (corps) {
        // A lowered maximum is found again at the next use of the bars.
        int ancienne = ValeurTexte(TexteGrille(col, row));
        if (ValeurTexte(texte) < ancienne && colonne.Maximum >= 1 && ancienne == colonne.Maximum)
            colonne.Recalcul = true;
    }
    size_t barre = texte.find('|');
    if (barre == std::string::npos) {
        ChangeTexteGrille(col, row, texte);
    } else {
        std::string premier = texte.substr(0, barre), second = texte.substr(barre + 1);
        if (second.empty())
            second.push_back(' ');
        TInfoCellule* info = Info(col, row, true);
        if (!affichageTri_) {
            ChangeTexteGrille(col, row, premier);
            info->TexteCache = second;
        } else {
            ChangeTexteGrille(col, row, second);
            info->TexteCache = premier;
        }
        colonne.Lie = true;
    }
    if (corps) {
        int v = ValeurTexte(texte);
        if (v > colonne.Maximum) {
            colonne.Maximum = v;
            colonne.Recalcul = false;
        }
    }
    RedessineCellule(col, row);
}

std::string TColorGridBase::LitCellule(int col, int row) const
{
    return CelluleValide(col, row) ? TexteGrille(col, row) : std::string();
}

void TColorGridBase::RemplitCellule(int col, int row, const std::string& texte, int alignH, int alignV,
                                    TColor couleurTexte, TColor couleurFond, bool gras,
                                    std::unique_ptr<TPngPicture> image)
{
    if (!CelluleValide(col, row))
        return;
    EcritCellule(col, row, texte);
    TInfoCellule* info = Info(col, row, true);
    info->AlignH = static_cast<uint8_t>(alignH);
    info->AlignV = static_cast<uint8_t>(alignV);
    info->CouleurTexte = couleurTexte;
    info->Fond = couleurFond;
    info->Gras = gras;
    info->Marque = false;
    info->Image = std::move(image);
    RedessineCellule(col, row);
}

#define BZ_CELL_ACCESS(Set, Get, Type, field, Def)                   \
    void TColorGridBase::Set(int col, int row, Type v)               \
    {                                                                \
        if (TInfoCellule* info = Info(col, row, true)) {             \
            info->field = v;                                         \
            RedessineCellule(col, row);                              \
        }                                                            \
    }                                                                \
    Type TColorGridBase::Get(int col, int row) const                 \
    {                                                                \
        if (!CelluleValide(col, row))                                \
            return Type{};                                           \
        TInfoCellule* info = InfoCellule(col, row);                  \
        return info ? static_cast<Type>(info->field) : Type(Def);    \
    }
BZ_CELL_ACCESS(ChangeCouleurFondCellule, CouleurFondCellule, TColor, Fond, 0xFFFFFF)
BZ_CELL_ACCESS(ChangeCouleurTexteCellule, CouleurTexteCellule, TColor, CouleurTexte, 0)
BZ_CELL_ACCESS(ChangeDonneeCellule, DonneeCellule, int, Valeur, 0)
BZ_CELL_ACCESS(ChangeGrasCellule, GrasCellule, bool, Gras, false)
BZ_CELL_ACCESS(ChangeMarqueCellule, MarqueCellule, bool, Marque, false)
#undef BZ_CELL_ACCESS

void TColorGridBase::ChangeAlignementHCellule(int col, int row, int a)
{
    if (TInfoCellule* info = Info(col, row, true)) {
        info->AlignH = static_cast<uint8_t>(a);
        RedessineCellule(col, row);
    }
}

int TColorGridBase::AlignementHCellule(int col, int row) const
{
    TInfoCellule* info = InfoCellule(col, row);
    return info ? info->AlignH : 0;
}

void TColorGridBase::ChangeAlignementVCellule(int col, int row, int a)
{
    if (TInfoCellule* info = Info(col, row, true)) {
        info->AlignV = static_cast<uint8_t>(a);
        RedessineCellule(col, row);
    }
}

int TColorGridBase::AlignementVCellule(int col, int row) const
{
    if (!CelluleValide(col, row))
        return 0;
    TInfoCellule* info = InfoCellule(col, row);
    return info ? info->AlignV : 1;
}

void TColorGridBase::ChangeTexteCacheCellule(int col, int row, const std::string& texte)
{
    if (TInfoCellule* info = Info(col, row, true))
        info->TexteCache = texte;
}

std::string TColorGridBase::TexteCacheCellule(int col, int row) const
{
    TInfoCellule* info = InfoCellule(col, row);
    return info ? info->TexteCache : std::string();
}

void TColorGridBase::ChangeImageCellule(int col, int row, std::unique_ptr<TPngPicture> image)
{
    TInfoCellule* info = Info(col, row, true);
    if (!info)
        return;
    if (image && !image->Empty()) {
        int w = image->Width() - 1, h = image->Height() - 1;
        TColor c = image->Pixels(0, 0);
        bool uni = image->Pixels(w, 0) == c && image->Pixels(0, h) == c && image->Pixels(w, h) == c;
        // A picture with an alpha channel keeps it: the colour key is for opaque ones.
        image->SetTransparentColor(uni ? c : 0xFFFF99);
    }
    info->Image = std::move(image);
    RedessineCellule(col, row);
}

TPngPicture* TColorGridBase::ImageCellule(int col, int row) const
{
    TInfoCellule* info = InfoCellule(col, row);
    return info ? info->Image.get() : nullptr;
}

void TColorGridBase::EffaceLigne(int row)
{
    if (row < 0 || row >= Grille().RowCount())
        return;
    for (int c = 0; c < Grille().ColCount(); ++c)
        EcritCellule(c, row, "");
}

// ---- rows and columns ------------------------------------------------------------------

const TInfoLigne* TColorGridBase::InfoLigne(int i) const
{
    return i >= 0 && i < static_cast<int>(lignes_.size()) ? &lignes_[static_cast<size_t>(i)] : nullptr;
}

const TInfoColonne* TColorGridBase::InfoColonne(int i) const
{
    return i >= 0 && i < static_cast<int>(colonnes_.size()) ? &colonnes_[static_cast<size_t>(i)] : nullptr;
}

void TColorGridBase::ChangeHauteurLigne(int i, int h)
{
    if (!InfoLigne(i))
        return;
    lignes_[static_cast<size_t>(i)].Hauteur = h;
    Grille().SetRowHeights(i, h);
    AjusteTaille();
}

int TColorGridBase::HauteurLigne(int i) const
{
    const TInfoLigne* l = InfoLigne(i);
    return l ? l->Hauteur : 0;
}

void TColorGridBase::ChangeHauteurLignes(int h)
{
    for (auto& l : lignes_)
        l.Hauteur = h;
    Grille().SetDefaultRowHeight(h);
    AjusteTaille();
}

int TColorGridBase::HauteurLigneDefaut() const
{
    return Grille().DefaultRowHeight();
}

void TColorGridBase::ChangeLargeurColonne(int i, int w)
{
    if (!InfoColonne(i))
        return;
    colonnes_[static_cast<size_t>(i)].Largeur = w;
    Grille().SetColWidths(i, w);
    AjusteTaille();
}

int TColorGridBase::LargeurColonne(int i) const
{
    const TInfoColonne* c = InfoColonne(i);
    return c ? c->Largeur : 0;
}

void TColorGridBase::ChangeTraitLigne(int i, bool on)
{
    if (InfoLigne(i)) {
        lignes_[static_cast<size_t>(i)].Trait = on;
        RedessineTout();
    }
}

bool TColorGridBase::TraitLigne(int i) const
{
    const TInfoLigne* l = InfoLigne(i);
    return l ? l->Trait : (Grille().Options() & goHorzLine) != 0;
}

void TColorGridBase::ChangeCouleurTraitLigne(int i, TColor c)
{
    if (InfoLigne(i)) {
        lignes_[static_cast<size_t>(i)].CouleurTrait = c;
        lignes_[static_cast<size_t>(i)].Trait = true;
        RedessineTout();
    }
}

TColor TColorGridBase::CouleurTraitLigne(int i) const
{
    const TInfoLigne* l = InfoLigne(i);
    return l ? l->CouleurTrait : 0;
}

void TColorGridBase::ChangeTraitColonne(int i, bool on)
{
    if (InfoColonne(i)) {
        colonnes_[static_cast<size_t>(i)].Trait = on;
        RedessineTout();
    }
}

bool TColorGridBase::TraitColonne(int i) const
{
    const TInfoColonne* c = InfoColonne(i);
    return c ? c->Trait : (Grille().Options() & goVertLine) != 0;
}

void TColorGridBase::ChangeCouleurTraitColonne(int i, TColor c)
{
    if (InfoColonne(i)) {
        colonnes_[static_cast<size_t>(i)].CouleurTrait = c;
        colonnes_[static_cast<size_t>(i)].Trait = true;
        RedessineTout();
    }
}

TColor TColorGridBase::CouleurTraitColonne(int i) const
{
    const TInfoColonne* c = InfoColonne(i);
    return c ? c->CouleurTrait : 0;
}

void TColorGridBase::ChangeValeursColonne(int i, TCouleurPoint valeurs)
{
    if (InfoColonne(i)) {
        colonnes_[static_cast<size_t>(i)].Valeurs = valeurs;
        RedessineTout();
    }
}

TCouleurPoint TColorGridBase::ValeursColonne(int i) const
{
    const TInfoColonne* c = InfoColonne(i);
    return c ? c->Valeurs : TCouleurPoint{};
}

void TColorGridBase::ChangeEtatColonne(int i, int genre)
{
    if (!InfoColonne(i))
        return;
    colonnes_[static_cast<size_t>(i)].TypeTri = static_cast<uint8_t>(genre);
    for (size_t k = 0; k < colonnes_.size(); ++k)
        if (colonnes_[k].EtatTri != 0) {
            colonnes_[k].EtatTri = 0;
            RedessineCellule(static_cast<int>(k), 0);
        }
}

void TColorGridBase::MarqueColonne(int i, int etat)
{
    if (InfoColonne(i))
        colonnes_[static_cast<size_t>(i)].EtatTri = static_cast<uint8_t>(etat);
}

int TColorGridBase::TypeTriColonne(int i) const
{
    const TInfoColonne* c = InfoColonne(i);
    return c ? c->TypeTri : 0;
}

int TColorGridBase::EtatTriColonne(int i) const
{
    const TInfoColonne* c = InfoColonne(i);
    return c ? c->EtatTri : 0;
}

void TColorGridBase::ChangeLieColonne(int i, bool lie)
{
    if (InfoColonne(i))
        colonnes_[static_cast<size_t>(i)].Lie = lie;
}

bool TColorGridBase::LieColonne(int i) const
{
    const TInfoColonne* c = InfoColonne(i);
    return c ? c->Lie : false;
}

void TColorGridBase::RecalculeMaximum(int col)
{
    TInfoColonne& c = colonnes_[static_cast<size_t>(col)];
    const TGridModel& g = Grille();
    int m = 0;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        m = std::max(m, ValeurTexte(TexteGrille(col, r)));
    c.Maximum = m;
    c.Recalcul = false;
}

int TColorGridBase::MaximumColonne(int i)
{
    if (!InfoColonne(i))
        return 0;
    if (colonnes_[static_cast<size_t>(i)].Recalcul)
        RecalculeMaximum(i);
    return colonnes_[static_cast<size_t>(i)].Maximum;
}

bool TColorGridBase::MaximumARecalculer(int i) const
{
    const TInfoColonne* c = InfoColonne(i);
    return c ? c->Recalcul : false;
}

void TColorGridBase::ElargitSelonTexte(int row)
{
    const TGridModel& g = Grille();
    if (row < 0 || row >= g.RowCount())
        return;
    TBitmap b(1, 1);
    TCanvas& c = b.Canvas();
    c.Font = PoliceGrille();
    for (int k = 0; k < g.ColCount(); ++k) {
        // A grid sized to its box grows its columns from their own widths;
        // another shows the widths it was given, which the column's record
        // follows when it says the same.
        const bool propre = (autoResize_ && LargeurColonne(k) > 0) || LargeurColonne(k) == g.ColWidths(k);
        const int largeur = propre ? LargeurColonne(k) : g.ColWidths(k);
        if (largeur <= 0 || g.ColWidths(k) <= 0)
            continue;
        const TInfoCellule* info = InfoCellule(k, row);
        c.Font.SetStyle(info && info->Gras ? static_cast<TFontStyles>(fsBold) : 0u);
        const int texte = c.TextWidth(LitCellule(k, row));
        int besoin = texte + 10;
        // The title ends before the arrow: centred, as much room on its left.
        const int alignement = info ? info->AlignH : 0;
        if (TriCol && row < g.FixedRows() && alignement != 2)
            besoin = alignement == 1 ? texte + 2 * (PlaceFlecheTri + 2) : (texte + PlaceFlecheTri + 2) * 30 / 29 + 1;
        if (besoin <= largeur)
            continue;
        if (propre)
            ChangeLargeurColonne(k, besoin);
        else
            Grille().SetColWidths(k, besoin);
    }
}

void TColorGridBase::InitColonnes()
{
    for (auto& c : colonnes_) {
        c.Valeurs = {};
        c.Marges = Rect(2, 2, 2, 2);
        c.Maximum = 0;
        c.Recalcul = false;
    }
    RedessineTout();
}

void TColorGridBase::InitLignesColonnes()
{
    lignes_.clear();
    colonnes_.clear();
    CompteChange();
    RedessineTout();
}

// ---- split texts -----------------------------------------------------------------------

void TColorGridBase::SetAffichageTri(bool v)
{
    if (v == affichageTri_)
        return;
    affichageTri_ = v;
    const TGridModel& g = Grille();
    for (int c = 0; c < g.ColCount(); ++c) {
        TInfoColonne& colonne = colonnes_[static_cast<size_t>(c)];
        if (!colonne.Lie)
            continue;
        bool trouve = false;
        for (int r = 0; r < g.RowCount(); ++r) {
            TInfoCellule* info = InfoCellule(c, r);
            if (!info || info->TexteCache.empty())
                continue;
            std::string montre = TexteGrille(c, r);
            ChangeTexteGrille(c, r, info->TexteCache);
            info->TexteCache = montre;
            trouve = true;
        }
        if (!trouve)
            colonne.Lie = false;
    }
    RedessineTout();
}

void TColorGridBase::SetSelectionVisible(bool v)
{
    selectionVisible_ = v;
    ChangeTabStop(v);
    if (!v)
        FocusRectVisible = false;
    RedessineTout();
}

// ---- sorting ---------------------------------------------------------------------------

double TColorGridBase::Difference(int col, int etat, int i, int j)
{
    TInfoCellule* a = InfoCellule(col, i);
    TInfoCellule* b = InfoCellule(col, j);
    double ci = a ? a->LigneCreation : i;
    double cj = b ? b->LigneCreation : j;
    if (etat == 0)
        return ci - cj;
    double d = 0;
    switch (colonnes_[static_cast<size_t>(col)].TypeTri) {
    case 0:
        d = CleNumerique(TexteGrille(col, i)) - CleNumerique(TexteGrille(col, j));
        break;
    case 1:
        d = AnsiCompareText(TexteGrille(col, i), TexteGrille(col, j));
        break;
    default:
        break;
    }
    // Rows level keep the order they were made in, whichever the direction
    // (a list made in alphabetical order stays so among equal values).
    if (d == 0)
        return ci - cj;
    return etat == 1 ? -d : d;
}

void TColorGridBase::EchangeLignes(int a, int b)
{
    const TGridModel& g = Grille();
    for (int c = 0; c < g.ColCount(); ++c) {
        std::string ta = TexteGrille(c, a), tb = TexteGrille(c, b);
        TObject* oa = ObjetGrille(c, a);
        TObject* ob = ObjetGrille(c, b);
        ChangeTexteGrille(c, a, tb);
        ChangeTexteGrille(c, b, ta);
        ChangeObjetGrille(c, a, ob);
        ChangeObjetGrille(c, b, oa);
        if (TriConserveFond) {
            TColor fa = CouleurFondCellule(c, a), fb = CouleurFondCellule(c, b);
            TColor ca = CouleurTexteCellule(c, a), cb = CouleurTexteCellule(c, b);
            if (fa != fb || ca != cb) {
                TInfoCellule* ia = Info(c, a, true);
                TInfoCellule* ib = Info(c, b, true);
                ia->Fond = fb;
                ib->Fond = fa;
                ia->CouleurTexte = cb;
                ib->CouleurTexte = ca;
            }
        }
    }
}

void TColorGridBase::TrieColonne(int col)
{
    if (!InfoColonne(col))
        return;
    int etat = colonnes_[static_cast<size_t>(col)].EtatTri;
    if (etat == 0)
        for (size_t k = 0; k < colonnes_.size(); ++k)
            if (colonnes_[k].EtatTri != 0) {
                colonnes_[k].EtatTri = 0;
                RedessineCellule(static_cast<int>(k), 0);
            }
    int nouvel;
    if (etat == 2) {
        nouvel = 0;
        SetAffichageTri(false);
    } else {
        nouvel = etat + 1;
        SetAffichageTri(true);
    }
    colonnes_[static_cast<size_t>(col)].EtatTri = static_cast<uint8_t>(nouvel);
    RedessineCellule(col, 0);

    const TGridModel& g = Grille();
    int premier = g.FixedRows(), dernier = g.RowCount() - 1 - FixedEndRow;
    // Every sorted cell knows its creation row, the tie-break and the order
    // that state 0 gives back.
    for (int r = premier; r <= dernier; ++r)
        Info(col, r, true);
    for (int i = premier; i <= dernier; ++i)
        for (int j = i + 1; j <= dernier; ++j)
            if (Difference(col, nouvel, i, j) > 0)
                EchangeLignes(i, j);
    RedessineTout();
}

// ---- size ------------------------------------------------------------------------------

namespace {

// The factor a box gives sizes whose natural sum is given, capped.
double Facteur(long long boite, long long naturel, double max)
{
    if (naturel == 0 || boite <= naturel)
        return 1.0;
    return std::min(static_cast<double>(boite) / static_cast<double>(naturel), max);
}

}   // namespace

void TColorGridBase::AjusteTaille()
{
    if (!autoResize_ || redimensionnement_)
        return;
    redimensionnement_ = true;
    TGridModel& g = Grille();
    long long natH = 0, natL = 0;
    for (const auto& l : lignes_)
        natH += l.Hauteur + 1;
    for (const auto& c : colonnes_)
        natL += c.Largeur + 1;
    double fh = Facteur(HauteurClient(), natH, maxAgrandissement_);
    double fl = Facteur(LargeurClient(), natL, maxAgrandissement_);
    int hauteur = 0, largeur = 0;
    for (size_t i = 0; i < lignes_.size() && static_cast<int>(i) < g.RowCount(); ++i) {
        int h = static_cast<int>(lignes_[i].Hauteur * fh);
        if (g.RowHeights(static_cast<int>(i)) != h)
            g.SetRowHeights(static_cast<int>(i), h);
        hauteur += h + 1;
    }
    for (size_t i = 0; i < colonnes_.size() && static_cast<int>(i) < g.ColCount(); ++i) {
        int w = static_cast<int>(colonnes_[i].Largeur * fl);
        if (g.ColWidths(static_cast<int>(i)) != w)
            g.SetColWidths(static_cast<int>(i), w);
        largeur += w + 1;
    }
    ChangeTailleClient(largeur, hauteur);
    redimensionnement_ = false;
}

void TColorGridBase::CalculeTaille(int largeurMax, int hauteurMax, int& hauteur, int& largeur) const
{
    long long natH = 0, natL = 0;
    for (const auto& l : lignes_)
        natH += l.Hauteur + 1;
    for (const auto& c : colonnes_)
        natL += c.Largeur + 1;
    if (natH > hauteurMax) {
        hauteur = static_cast<int>(natH);
    } else {
        double f = Facteur(hauteurMax, natH, maxAgrandissement_);
        long long s = 0;
        for (const auto& l : lignes_)
            s += static_cast<int>(l.Hauteur * f) + 1;
        hauteur = static_cast<int>(s + 1);
    }
    if (natL > largeurMax) {
        largeur = static_cast<int>(natL);
    } else {
        double f = Facteur(largeurMax, natL, maxAgrandissement_);
        long long s = 0;
        for (const auto& c : colonnes_)
            s += static_cast<int>(c.Largeur * f) + 1;
        largeur = static_cast<int>(s + 1);
    }
}

// ---- the grid without a window ---------------------------------------------------------

TColorGridModel::TColorGridModel()
{
    cells_.Resize(ColCount(), RowCount());
    font_.SetSize(8);
    CompteChange();
}

TColorGridModel::~TColorGridModel()
{
    // The records go before the cells that point at them.
    cells_.Clear();
}

void TColorGridModel::CountsChanged()
{
    cells_.Resize(ColCount(), RowCount());
    CompteChange();
}

void TColorGridModel::SetOptions(TGridOptions o)
{
    TGridOptions avant = Options();
    TGridModel::SetOptions(o);
    OptionsChangees(avant, o);
}

void TColorGridModel::SetSize(int largeur, int hauteur)
{
    SetViewSize(largeur, hauteur);
    AjusteTaille();
}

int TColorGridBase::AjusteLargeursAuTexte(const TFont& police, int premiere, int derniere, int derniereLigne,
                                          int minimum)
{
    TBitmap mesure(1, 1);
    TCanvas& canvas = mesure.Canvas();
    canvas.Font = police;
    int total = 0;
    for (int k = premiere; k <= derniere; ++k) {
        canvas.Font.SetStyle(fsBold);
        int w = canvas.TextWidth(LitCellule(k, 0));
        canvas.Font.SetStyle(0u);
        for (int r = 1; r <= derniereLigne; ++r)
            w = std::max(w, canvas.TextWidth(LitCellule(k, r)));
        ChangeLargeurColonne(k, std::max(minimum, w + 6));
        total += LargeurColonne(k);
    }
    return total;
}
