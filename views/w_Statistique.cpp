#include "views/w_Statistique.h"

#include <algorithm>
#include <memory>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/SaisonSports.h"
#include "model/Utilities.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/GestionFonction.h"
#include "ui/GridHtml.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/cadreParamClassement.h"
#include "views/w_Agrandissement.h"

using vues::Texte;

namespace {

// Designed layout tags of sg_Part1 .. sg_Part8 (a 4 x 2 layout).
constexpr int TagsDessin[9] = {0, 1, 67, 17, 83, 33, 99, 49, 115};
// Slot of the table list of each grid (slot 8 stays empty).
constexpr int Slot[9] = {0, 1, 2, 3, 4, 5, 6, 7, 9};

TGridModel& Modele(TColorGridBase& t) { return dynamic_cast<TGridModel&>(t); }

bool Stat8(TSaison* saison) { return saison && saison->StatApplicable(8) != 0; }

void Titre(TColorGridBase& t, const std::string& titre, const TCouleurElement& couleurs, int lignes)
{
    TGridModel& g = Modele(t);
    g.SetColCount(2);
    g.SetRowCount(std::max(lignes, 1) + 1);
    g.SetFixedCols(0);
    g.SetFixedRows(1);
    g.SetColWidths(0, 150);
    g.SetColWidths(1, 30);
    t.RemplitCellule(0, 0, titre, 0, 1, couleurs.CouleurTexteTitreTableau, clWhite, true);
    t.RemplitCellule(1, 0, Texte(196, "Nb"), 1, 1, couleurs.CouleurTexteTitreTableau, clWhite, true);
}

void Ligne(TColorGridBase& t, int row, const std::string& nom, const std::string& valeur, bool suivie,
           const TCouleurElement& couleurs)
{
    TColor texte = 0, fond = 0;
    TBrivantelForm::CouleursLigneSchema(row, texte, fond, suivie, couleurs);
    t.RemplitCellule(0, row, nom, 0, 1, texte, fond, suivie);
    t.RemplitCellule(1, row, valeur, 1, 1, texte, fond, suivie);
}

void Ligne(TColorGridBase& t, int row, const std::string& nom, int valeur, bool suivie,
           const TCouleurElement& couleurs)
{
    Ligne(t, row, nom, IntToStr(valeur), suivie, couleurs);
}

int TitreParticularite(int k, bool droite, bool stat8)
{
    if (k <= 3)
        return 188 + 2 * (k - 1) + (droite ? 1 : 0);
    if (k == 4)
        return stat8 ? 194 : 506;
    return stat8 ? 195 : 507;
}

int TitreSerie(int type, bool stat8)
{
    if (!stat8 && type >= 4 && type <= 6)
        return 510 + type - 4;
    return 197 + type;
}

}  // namespace

// ============================================================================
// computations
// ============================================================================

std::vector<TSerieEquipe> Tf_Statistique::CalculeSeries(TSaison* saison, int derniere, int premiere)
{
    return series::Calcule(saison, derniere, premiere);
}

void Tf_Statistique::AfficheParticularites(TSaison* saison, int lieu, TTablesStatistique& tables, int type,
                                           int premiere, int derniere,
                                           const std::vector<TDonneesChampionnat*>& liste,
                                           const TCouleurElement& couleurs, TColorGridBase* cible)
{
    TDonneesChampionnat* courant = saison ? saison->ChampionnatCourant() : nullptr;
    if (!courant || liste.empty())
        return;
    const bool basket = dynamic_cast<TSaisonBasket*>(saison) != nullptr;
    for (int i = 1; i <= 8; ++i) {
        tables.Visible[Slot[i]] = !(basket && (i == 3 || i == 4));
        tables.Tag[Slot[i]] = TagsDessin[i];
    }
    if (basket) {
        tables.Tag[5] = 17;
        tables.Tag[6] = 83;
        tables.Tag[7] = 33;
        tables.Tag[9] = 99;
    }
    TCalculClassement calcul(liste, saison);
    const int suivie = courant->Option(10);
    const bool stat8 = Stat8(saison);
    const int kMin = type == 9 ? 1 : type <= 5 ? type : type - 5;
    const int kMax = type == 9 ? 5 : kMin;
    for (int k = kMin; k <= kMax; ++k) {
        const int tri = lieu == 3 ? 100 + k : lieu == 1 ? k : 5 + k;
        const int n = calcul.Calcule(clsChampDomExt, premiere, derniere, nullptr, true, tri);
        for (bool droite : {false, true}) {
            if (droite && k > 3)
                continue;
            if (type != 9 && droite != (type > 5))
                continue;
            const int slot = droite ? 2 * k : k <= 3 ? 2 * k - 1 : k == 4 ? 7 : 9;
            TColorGridBase* t = type == 9 ? tables.Table[slot] : cible;
            if (!t || (type == 9 && !tables.Visible[slot]))
                continue;
            const int lignes = type == 9 ? std::min(4, n) : n;
            Titre(*t, Texte(TitreParticularite(k, droite, stat8)), couleurs, lignes);
            // the fewest read from the bottom; a team without a match at
            // the venue in the range has nothing counted: "-", after the others
            std::vector<int> ordre(static_cast<size_t>(n));
            for (int i = 0; i < n; ++i)
                ordre[static_cast<size_t>(i)] = droite ? n - 1 - i : i;
            std::stable_partition(ordre.begin(), ordre.end(),
                                  [&](int r) { return !calcul.SansBase(clsChampDomExt, r); });
            for (int i = 0; i < lignes; ++i) {
                const int r = ordre[static_cast<size_t>(i)];
                Ligne(*t, i + 1, saison->NomEquipe(calcul.ValeurLigne(r, 14)),
                      calcul.SansBase(clsChampDomExt, r) ? std::string("-") : IntToStr(calcul.ValeurLigne(r, 2)),
                      calcul.ValeurLigne(r, 1) == suivie, couleurs);
            }
        }
    }
}

int Tf_Statistique::ValeurSerie(const TSerieEquipe& s, int mode, int type, int v, bool& enCours)
{
    enCours = false;
    auto deGroupe = [&](const TGroupeSerie& g, int genre) {
        if (mode == 1)
            return g.Courante.Type == genre ? g.Courante.Longueur : 0;
        const int plus = g.Plus[genre];
        enCours = g.Courante.Type == genre && g.Courante.Longueur == plus && plus > 0;
        return plus;
    };
    auto deCompte = [&](const TGroupeCompte& g) {
        if (mode == 1)
            return g.Actuelle();
        enCours = g.Courante > 0 && g.Courante == g.Plus;
        return g.Plus;
    };
    switch (type) {
    case 1:
    case 2:
    case 3: return deGroupe(s.Resultat[v], type);
    case 4: return deGroupe(s.Encaisse[v], srsSans);   // clean sheets
    case 5: return deGroupe(s.Marque[v], srsSans);     // without scoring
    case 6: return deGroupe(s.Marque[v], srsAvec);     // scoring
    case 7: return deCompte(s.Invaincu[v]);
    case 8: return deCompte(s.SansVictoire[v]);
    default: return 0;
    }
}

void Tf_Statistique::AfficheSeries(TSaison* saison, int lieu, TTablesStatistique& tables, int mode, int type,
                                   int premiere, int derniere, const TCouleurElement& couleurs,
                                   TColorGridBase* cible)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const int sport = saison->Sport();
    for (int i = 1; i <= 8; ++i) {
        const bool cache = (sport == 2 && (i == 2 || i >= 4)) || (sport == 3 && i >= 4 && i <= 6);
        tables.Visible[Slot[i]] = !cache;
        tables.Tag[Slot[i]] = TagsDessin[i];
    }
    if (sport == 3) {
        tables.Tag[7] = 33;
        tables.Tag[9] = 99;
    }
    const int v = lieu % 3;
    if (premiere == 0) {
        premiere = 1;
        derniere = c->NbJour();
    }
    const std::vector<TSerieEquipe> s = CalculeSeries(saison, derniere, premiere);
    const bool stat8 = Stat8(saison);
    const int suivie = c->Option(10) & 255;
    struct Entree
    {
        int valeur, position;
        bool enCours;
    };
    for (int k = type == 9 ? 1 : type; k <= (type == 9 ? 8 : type); ++k) {
        TColorGridBase* t = type == 9 ? tables.Table[Slot[k]] : cible;
        if (!t)
            continue;
        std::vector<Entree> e;
        for (int p = 0; p < static_cast<int>(s.size()); ++p) {
            Entree x{0, p, false};
            x.valeur = ValeurSerie(s[static_cast<size_t>(p)], mode, k, v, x.enCours);
            if (mode == 1)
                x.enCours = false;
            e.push_back(x);
        }
        std::stable_sort(e.begin(), e.end(), [](const Entree& a, const Entree& b) { return a.valeur > b.valeur; });
        t->SetMaxAgrandissement(2.0);
        const int lignes = type == 9 ? std::min(4, static_cast<int>(e.size())) : static_cast<int>(e.size());
        Titre(*t, Texte(TitreSerie(k, stat8)), couleurs, lignes);
        for (int i = 0; i < lignes; ++i) {
            const Entree& x = e[static_cast<size_t>(i)];
            const std::string nom = saison->NomEquipePosition(x.position);
            Ligne(*t, i + 1, x.enCours ? nom + " " + Texte(4703) : nom, x.valeur, suivie == x.position,
                  couleurs);
        }
    }
}

// ============================================================================
// the window
// ============================================================================

Tf_Statistique::Tf_Statistique(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_Statistique");
    SetCaption("f_Statistique");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);

    CadreParam = new TParamClassement(this);
    CadreParam->SetParent(this);
    vues::BrancheCadre(CadreParam, [this] { Rafraichit(); });

    FondCopie22 = new TFondCopie(this);
    FondCopie22->SetName("FondCopie22");
    if (Dessin)
        FondCopie22->SetModele(Dessin->Fond("FondCarrebleu"));
    FondCopie22->SetAlign(alTop);
    FondCopie22->SetHeight(34);
    FondCopie22->SetParent(this);
    auto rond = [this](const char* nom, int x, const std::string& texte) {
        auto* r = new TRondCoche(this);
        r->SetName(nom);
        r->SetCaption(texte);
        r->Font().SetColor(clWhite);
        r->Font().SetStyle(fsBold);
        r->SetBounds(x, 8, 150, 18);
        r->SetParent(FondCopie22);
        r->OnClick = [this](TObject*) { Rafraichit(); };
        return r;
    };
    RondCoche1 = rond("RondCoche1", 20, Texte(855, L1("En général")));
    RondCoche2 = rond("RondCoche2", 190, Texte(759, "A Domicile"));
    RondCoche3 = rond("RondCoche3", 360, Texte(763, "A l'exterieur"));
    RondCoche1->SetChecked(true);

    sb_tableau = vues::FondDefilant(this, "sb_tableau");
    sb_tableau->OnResize = [this](TObject* s) { sb_tableauResize(s); };

    PopupParticule = new TPopupMenu(this);
    PopupParticule->SetName("PopupParticule");
    Classementcomplet1 = new TMenuItem(this);
    Classementcomplet1->SetName("Classementcomplet1");
    Classementcomplet1->SetCaption(Texte(867, "Classement complet"));
    Classementcomplet1->OnClick = [this](TObject* s) { Classementcomplet1Click(s); };
    PopupParticule->Items()->Add(Classementcomplet1);

    sg_Part[0] = nullptr;
    for (int i = 1; i <= 8; ++i) {
        auto* g = new TColorStringGrid(this);
        g->SetName("sg_Part" + IntToStr(i));
        g->SetBorderStyle(bsNone);
        g->SetScrollBars(ssNone);
        g->SetColCount(2);
        g->SetRowCount(5);
        g->SetFixedCols(0);
        g->SetSelectionVisible(false);
        g->SetAutoResize(false);
        g->ChangeHauteurLignes(22);
        g->Tag = TagsDessin[i];
        g->SetHint(Texte(1342));
        g->SetShowHint(true);
        g->SetParent(sb_tableau);
        g->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            part1MouseDown(s, b, sh, x, y);
        };
        sg_Part[i] = g;
    }
    OnShow = [this](TObject* s) { FormShow(s); };
    DoCreate();
}

Tf_Statistique::~Tf_Statistique() = default;

int Tf_Statistique::Lieu() const
{
    return RondCoche2->Checked() ? 1 : RondCoche3->Checked() ? 2 : 3;
}

TTablesStatistique Tf_Statistique::Tables()
{
    TTablesStatistique t;
    for (int i = 1; i <= 8; ++i) {
        t.Table[Slot[i]] = sg_Part[i];
        t.Visible[Slot[i]] = sg_Part[i]->Visible();
        t.Tag[Slot[i]] = static_cast<int>(sg_Part[i]->Tag);
    }
    return t;
}

void Tf_Statistique::AppliqueTables(const TTablesStatistique& t)
{
    for (int i = 1; i <= 8; ++i) {
        sg_Part[i]->SetVisible(t.Visible[Slot[i]]);
        sg_Part[i]->Tag = t.Tag[Slot[i]];
    }
}

void Tf_Statistique::AfficheVue(int vue)
{
    vue_ = vue;
    Tag = vue;
    CadreParam->Init(*Couleurs.Couleur(15), Saison, vue == 0, true);
    Rafraichit();
}

void Tf_Statistique::Rafraichit()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    TTablesStatistique t = Tables();
    if (vue_ == 0)
        AfficheParticularites(Saison, Lieu(), t, 9, CadreParam->Premiere(), CadreParam->Derniere(),
                              CadreParam->ListeChampionnats(), Couleurs);
    else
        AfficheSeries(Saison, Lieu(), t, vue_, 9, CadreParam->Premiere(), CadreParam->Derniere(), Couleurs);
    AppliqueTables(t);
    sb_tableauResize(sb_tableau);
}

void Tf_Statistique::sb_tableauResize(TObject*)
{
    sb_tableau->SetHorzPosition(0);
    sb_tableau->SetVertPosition(0);
    const int h = std::max((sb_tableau->Height() - 53) / 4, 120);
    const int w = std::clamp((sb_tableau->Width() - 38) / 2, 181, 300);
    for (int i = 1; i <= 8; ++i) {
        TColorStringGrid* g = sg_Part[i];
        g->SetHeight(h);
        g->SetWidth(w);
        // the name column takes the width the value column leaves
        g->SetColWidths(1, 40);
        g->SetColWidths(0, w - 42);
        const int tag = static_cast<int>(g->Tag);
        if (tag & 1)
            g->SetTop(((tag >> 4) & 3) * (h + 10) + 10);
        if (tag & 2)
            g->SetLeft(((tag >> 6) & 3) * (w + 10) + 10);
    }
}

void Tf_Statistique::FormShow(TObject*)
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    FondCopie22->SetVisible(!(c && (c->Option(11) & 2)));
}

void Tf_Statistique::part1MouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y)
{
    if (Button != mbRight)
        return;
    auto* g = dynamic_cast<TColorStringGrid*>(Sender);
    if (!g)
        return;
    const int n = g->Name().back() - '0';
    static const int particularite[9] = {0, 1, 6, 2, 7, 3, 8, 4, 5};
    const int type = vue_ == 0 ? particularite[n] : n;
    PopupParticule->Tag = type + 10 * vue_;
    const TPoint p = g->ClientToScreen(TPoint{X, Y});
    PopupParticule->Popup(p.X, p.Y);
}

void Tf_Statistique::Classementcomplet1Click(TObject*) { ClassementComplet(static_cast<int>(PopupParticule->Tag)); }

void Tf_Statistique::ClassementComplet(int tag)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c || tag % 10 == 0)
        return;
    Tf_Agrandissement d(this);
    TTablesStatistique t = Tables();
    int hauteur = 0;
    if (tag < 10) {
        AfficheParticularites(Saison, Lieu(), t, tag, CadreParam->Premiere(), CadreParam->Derniere(),
                              CadreParam->ListeChampionnats(), Couleurs, d.sg_TabPart);
        d.SetCaption(Texte(197));
        const int lignes = d.sg_TabPart->RowCount();
        hauteur = lignes > 24 ? 500 : 20 * lignes + 20;
    } else {
        const int mode = tag / 10;
        AfficheSeries(Saison, Lieu(), t, mode, tag % 10, CadreParam->Premiere(), CadreParam->Derniere(), Couleurs,
                      d.sg_TabPart);
        d.SetCaption(Texte(mode == 1 ? 206 : 207));
        hauteur = std::min(20 * c->NbEquipe() + 40, 500);
    }
    if (d.sg_TabPart->RowCount() * 20 > hauteur)
        d.sg_TabPart->SetScrollBars(ssVertical);
    d.SetClientWidth(d.sg_TabPart->ColWidths(0) + d.sg_TabPart->ColWidths(1) + 24);
    d.SetClientHeight(hauteur);
    if (InspecteAgrandissement)
        InspecteAgrandissement(*d.sg_TabPart);
    d.ShowModal();
}

void Tf_Statistique::EnregistreHTML(const std::string& nomFichier)
{
    // named with the venue, the range and the championships its figures count
    const TRondCoche* lieu = RondCoche2->Checked() ? RondCoche2 : RondCoche3->Checked() ? RondCoche3 : RondCoche1;
    const TEnTeteHTML entete =
        EnTete(vues::TitresChoix(*this, Texte(vue_ == 0 ? 703 : vue_ == 1 ? 206 : 207), {lieu->Caption()}, CadreParam));
    std::string page = "<HTML>\r\n  <HEAD>\r\n    " + MetaCharset() + "\r\n    " + TitreHTML(entete.Titres, true) + "\r\n  </HEAD>\r\n"
                       "  <BODY BGCOLOR = #80CCFE>\r\n";
    for (const std::string& titre : entete.Titres)
        page += "    <h3>" + EchappeHTML(titre) + "</h3>\r\n";
    for (int i : {1, 3, 5, 7, 2, 4, 6, 8})
        if (sg_Part[i]->Visible())
            page += sg_Part[i]->TexteHTML(false) + "    <BR>\r\n";
    page += "  </BODY>\r\n</HTML>\r\n";
    // The caller says why when the page cannot be written.
    if (!WriteFileAtomic(nomFichier, page))
        throw EFCreateError(L1("Impossible de créer le fichier ") + nomFichier);
}

void Tf_Statistique::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                     const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    Resultat.clear();
    if (Nom != "Particularite" && Nom != "Serie") {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    if (!saison)
        return;
    vues::TGardeChampionnat garde(saison);
    TDonneesChampionnat* c = vues::ChampionnatFonction(saison, Parametres);
    if (!c)
        return;
    TColorGridModel modeles[8];
    TTablesStatistique t;
    for (int i = 1; i <= 8; ++i) {
        modeles[i - 1].SetColCount(2);
        modeles[i - 1].SetRowCount(5);
        t.Table[Slot[i]] = &modeles[i - 1];
    }
    const std::string lieuTexte = LowerCase(Parametre("lieu", Parametres, ""));
    const int lieu = lieuTexte == "domicile" ? 1 : lieuTexte == "exterieur" ? 2 : 3;
    if (Nom == "Particularite")
        AfficheParticularites(saison, lieu, t, 9, 1, c->DerniereJournee, {c}, couleurs);
    else
        AfficheSeries(saison, lieu, t, LowerCase(Parametre("Type", Parametres, "")) == "cours" ? 1 : 2, 9, 1,
                      c->DerniereJournee, couleurs);
    Resultat = "<table width=\"100%\">";
    int n = 0;
    for (int s = 1; s <= 9; ++s) {
        if (!t.Table[s] || !t.Visible[s])
            continue;
        if (n % 2 == 0)
            Resultat += "<tr>";
        std::string table;
        t.Table[s]->TableHTML(vues::CouleursParametres(Parametres), table, 0, "#FFFFFF");
        Resultat += "<td>" + table;
        Resultat += "</td>";
        if (n % 2 == 1)
            Resultat += "</tr>";
        ++n;
    }
    Resultat += "</table>";
}

void EnregistreFonctionsStatistique()
{
    vues::EnregistreVue("Tf_Statistique", [](TComponent* o) -> TForm* { return new Tf_Statistique(o); },
                        {{"Particularite", 1}, {"Serie", 1}});
}

namespace {
const bool fonctionsEnregistrees = (EnregistreFonctionsStatistique(), true);
}  // namespace
