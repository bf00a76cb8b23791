#include "views/w_ClassJoueur.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListesJoueurs.h"
#include "model/Personnels.h"
#include "model/Saison.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "ui/ColorStringGrid.h"
#include "ui/Editeur.h"
#include "ui/GestionFonction.h"
#include "views/DiversStat_Outils.h"
#include "views/LiensResultats.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/cadreParamClassement.h"

using vues::Texte;
using namespace divers;

namespace {

// The ratings as counters: the average x 100 as the value.
std::vector<TCompteurJoueur> Notes(TSaison& saison, int type, const TListeChampionnats* liste, int premiere,
                                   int derniere)
{
    std::vector<TCompteurJoueur> v;
    auto notes = TClassJoueur::NotesJoueurs(saison, TClassJoueur::ToutesEquipes, liste, premiere, derniere,
                                            type == 6 ? 0 : 1);
    for (int i = 0; notes && i < notes->Nombre(); ++i) {
        const TNoteJoueur* n = notes->Note(i);
        TCompteurJoueur c;
        c.Joueur = n->Joueur;
        c.IdJoueur = n->IdJoueur;
        c.IdEquipe = n->Joueur ? n->Joueur->IdEquipe() : 65535;
        c.Valeur = static_cast<int64_t>(n->Moyenne * 100 + 0.5);
        c.Diviseur = n->NbNotes;
        v.push_back(c);
    }
    return v;
}

// An empty ranking: "none" on a row of its own, nothing left of the previous
// ranking (no value, no rank, no player behind a double click).
void Aucun(TColorGridBase& g, const TCouleurElement& couleurs)
{
    for (int k = 0; k < Modele(g).ColCount(); ++k) {
        Cellule(g, k, 1, k == 1 ? Texte(108) : std::string(), couleurs, false, k == 1 ? 0 : 1);
        g.ChangeDonneeCellule(k, 1, 0);
    }
}

}  // namespace

void Tf_ClassJoueur::RemplitJoueurs(TSaison* saison, int type, TColorGridBase& g, TEditeur* bas, TEditeur* droite,
                                    int largeur, int hauteur, int premiere, int derniere,
                                    const TListeChampionnats* championnats, const TCouleurElement& couleurs)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c || type < 0 || type >= TClassJoueur::NbTypes)
        return;
    const std::vector<TCompteurJoueur> liste =
        type == 6 || type == 7 ? Notes(*saison, type, championnats, premiere, derniere)
                               : TClassJoueur::TotauxJoueurs(*saison, TClassJoueur::ToutesEquipes, championnats,
                                                             premiere, derniere, type);
    const std::vector<TColonneClassement> colonnes = TClassJoueur::ColonnesGrille(*saison, type);
    const int n = TClassJoueur::NombreLignes(hauteur, liste);
    TGridModel& m = Modele(g);
    m.SetFixedCols(0);
    m.SetFixedRows(0);
    m.SetColCount(static_cast<int>(colonnes.size()));
    m.SetRowCount(std::max(n, 1) + 1);
    m.SetFixedRows(1);
    for (size_t k = 0; k < colonnes.size(); ++k) {
        m.SetColWidths(static_cast<int>(k), colonnes[k].Largeur);
        Entete(g, static_cast<int>(k), colonnes[k].Titre, couleurs, k == 1 ? 0 : 1);
    }
    const std::vector<int> rangs = TClassJoueur::Rangs(liste);
    const int suivie = c->IdEquipe(c->Option(10));
    if (liste.empty()) {
        Aucun(g, couleurs);
        return;
    }
    for (int r = 0; r < n; ++r) {
        const TCompteurJoueur& j = liste[static_cast<size_t>(r)];
        const bool s = j.IdEquipe == suivie;
        const std::string rang = r > 0 && rangs[static_cast<size_t>(r)] == rangs[static_cast<size_t>(r - 1)]
                                     ? "-"
                                     : IntToStr(rangs[static_cast<size_t>(r)]);
        Cellule(g, 0, r + 1, rang, couleurs, s, 1);
        g.ChangeDonneeCellule(0, r + 1, j.IdJoueur);
        TColor t = 0, f = 0;
        TBrivantelForm::CouleursLigneSchema(r + 1, t, f, s, couleurs);
        g.RemplitCellule(1, r + 1, TClassJoueur::NomJoueur(j), 0, 1, t, f, s, vues::Blason(saison, j.IdEquipe));
        const std::vector<std::string> valeurs = TClassJoueur::TextesValeurs(type, j);
        for (size_t k = 0; k < valeurs.size() && k + 2 < colonnes.size(); ++k)
            Cellule(g, static_cast<int>(k) + 2, r + 1, valeurs[k], couleurs, s, 1);
    }
    // the rest of the ranking as running text, while values stay above zero
    if (!bas || !droite || n >= static_cast<int>(liste.size()))
        return;
    const int hauteurGrille = (m.RowCount()) * 19;
    int largeurGrille = 0;
    for (const auto& col : colonnes)
        largeurGrille += col.Largeur + 1;
    TEditeur* e = hauteur - 18 - hauteurGrille > 30 ? bas : droite;
    bas->SetVisible(e == bas);
    droite->SetVisible(false);
    bas->SetBounds(8, hauteurGrille + 8, largeurGrille, std::max(hauteur - 18 - hauteurGrille, 0));
    droite->SetBounds(largeurGrille + 24, 10, std::max(largeur - largeurGrille - 34, 0), std::max(hauteur - 12, 0));
    for (TEditeur* ed : {bas, droite}) {
        ed->SetNbLigne(0);
        ed->SetCouleurPalette(1, couleurs.CouleurTexte1);
        ed->SetCouleurPalette(2, couleurs.CouleurTitre);
    }
    e->SetVisible(true);
    int ligne = 0;
    for (size_t i = static_cast<size_t>(n); i < liste.size() && liste[i].Valeur > 0;) {
        size_t fin = i;
        while (fin < liste.size() && liste[fin].Valeur == liste[i].Valeur)
            ++fin;
        std::string texte = IntToStr(rangs[i]) + ". ";
        bool suivieGroupe = false;
        for (size_t k = i; k < fin; ++k) {
            texte += TClassJoueur::NomJoueur(liste[k]);
            suivieGroupe = suivieGroupe || liste[k].IdEquipe == suivie;
            if (k + 1 == fin || liste[k + 1].IdEquipe != liste[k].IdEquipe) {
                const std::string equipe = liste[k].IdEquipe == 65535 ? Texte(82) : saison->NomEquipeCourant(liste[k].IdEquipe);
                texte += " (" + equipe + "),";
            } else {
                texte += ",";
            }
        }
        texte.pop_back();
        texte += " " + TClassJoueur::TextesValeurs(type, liste[i]).back() + "\r";
        e->SetNbLigne(++ligne);
        if (e->EcritLigne(ligne, texte, e == droite, false, suivieGroupe ? 2 : 1) != 0 && e == bas) {
            e->SetNbLigne(--ligne);
            e = droite;
            e->SetVisible(true);
            ligne = 0;
            continue;
        }
        i = fin;
    }
}

void Tf_ClassJoueur::RemplitArbitres(TSaison* saison, int type, TColorGridBase& g,
                                     const TListeChampionnats* championnats, const TCouleurElement& couleurs)
{
    if (!saison || !saison->ChampionnatCourant())
        return;
    const std::vector<TLigneArbitre> lignes = TClassArbitre::Classement(*saison, type, championnats);
    TGridModel& m = Modele(g);
    m.SetFixedCols(0);
    m.SetFixedRows(0);
    m.SetColCount(5);
    m.SetRowCount(std::max(static_cast<int>(lignes.size()), 1) + 1);
    m.SetFixedRows(1);
    // The referees rank by their average per match refereed: the matches and
    // the count stand beside it, as the referee's card counts them, headed as
    // the per-match player rankings are.
    const int largeurs[5] = {20, 200, 30, 100, 60};
    const std::string titres[5] = {"", Texte(945), Texte(589), TClassArbitre::LibelleClassement(type), Texte(591)};
    for (int k = 0; k < 5; ++k) {
        m.SetColWidths(k, largeurs[k]);
        Entete(g, k, titres[k], couleurs, k == 1 ? 0 : 1);
    }
    g.ElargitSelonTexte(0);
    if (lignes.empty()) {
        Aucun(g, couleurs);
        return;
    }
    for (size_t r = 0; r < lignes.size(); ++r) {
        const TLigneArbitre& l = lignes[r];
        const int row = static_cast<int>(r) + 1;
        const bool egal = r > 0 && lignes[r - 1].Rapport == l.Rapport;
        Cellule(g, 0, row, egal ? "-" : IntToStr(row), couleurs, false, 1);
        g.ChangeDonneeCellule(0, row, l.Arbitre ? l.Arbitre->Numero : 0);
        Cellule(g, 1, row, l.Arbitre ? l.Arbitre->NomComplet() : std::string(), couleurs, false, 0);
        Cellule(g, 2, row, IntToStr(static_cast<int>(l.Matchs)), couleurs, false, 1);
        Cellule(g, 3, row, IntToStr(static_cast<int>(l.Valeur)), couleurs, false, 1);
        Cellule(g, 4, row, TClassArbitre::TexteValeur(l), couleurs, false, 1);
    }
}

// ============================================================================
// the window
// ============================================================================

Tf_ClassJoueur::Tf_ClassJoueur(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_ClassJoueur");
    SetCaption("f_ClassJoueur");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);
    CadreParam = new TParamClassement(this);
    CadreParam->SetParent(this);
    vues::BrancheCadre(CadreParam, [this] { AfficheClassement(type_); });
    sg_Classjoueurs = new TColorStringGrid(this);
    sg_Classjoueurs->SetName("sg_Classjoueurs");
    sg_Classjoueurs->SetBorderStyle(bsNone);
    sg_Classjoueurs->SetScrollBars(ssNone);
    sg_Classjoueurs->SetFixedCols(0);
    sg_Classjoueurs->SetAutoResize(false);
    sg_Classjoueurs->ChangeHauteurLignes(18);
    sg_Classjoueurs->SetSelectionVisible(true);
    sg_Classjoueurs->SetCouleurSelection(clNavy);
    sg_Classjoueurs->SetBounds(10, 10, 400, 400);
    sg_Classjoueurs->SetParent(this);
    sg_Classjoueurs->OnDblClick = [this](TObject* s) { sg_ClassjoueursDblClick(s); };
    auto editeur = [this](const char* nom) {
        auto* e = new TEditeur(this);
        e->SetName(nom);
        e->SetVisible(false);
        e->SetParent(this);
        return e;
    };
    Editeur1 = editeur("Editeur1");
    Editeur2 = editeur("Editeur2");
    OnResize = [this](TObject*) {
        if (type_ >= 0)
            AfficheClassement(type_);
    };
    DoCreate();
}

Tf_ClassJoueur::~Tf_ClassJoueur() = default;

void Tf_ClassJoueur::AppliqueCouleurs()
{
    TFootForm::AppliqueCouleurs();
    for (TEditeur* e : {Editeur1, Editeur2})
        if (e)
            e->SetColor(*Couleurs.Couleur(1));
}

void Tf_ClassJoueur::AfficheClassement(int type)
{
    sg_Classjoueurs->InitColonnes();
    if (type < 0 || !Saison || !Saison->ChampionnatCourant())
        return;
    const bool nouveau = type != type_;
    type_ = type;
    const int H = ClientHeight() - CadreParam->Height();
    if (TypeArbitre(type)) {
        if (nouveau)
            CadreParam->Init(*Couleurs.Couleur(15), Saison, true, false);
        Editeur1->SetVisible(false);
        Editeur2->SetVisible(false);
        RemplitArbitres(Saison, type - 11, *sg_Classjoueurs, CadreParam->ListeChoisie(), Couleurs);
    } else {
        if (nouveau)
            CadreParam->Init(*Couleurs.Couleur(15), Saison, true, true);
        Editeur1->SetVisible(false);
        Editeur2->SetVisible(false);
        RemplitJoueurs(Saison, TypeJoueur(type), *sg_Classjoueurs, Editeur1, Editeur2, ClientWidth(), H - 40,
                       CadreParam->Premiere(), CadreParam->Derniere(), CadreParam->ListeChoisie(), Couleurs);
    }
    int w = 0;
    for (int k = 0; k < sg_Classjoueurs->ColCount(); ++k)
        w += sg_Classjoueurs->ColWidths(k) + 1;
    sg_Classjoueurs->ChangeHauteurLignes(18);
    sg_Classjoueurs->SetBounds(10, 10, w + 2, sg_Classjoueurs->RowCount() * 19 + 1);
}

void Tf_ClassJoueur::sg_ClassjoueursDblClick(TObject*)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    const int id = sg_Classjoueurs->DonneeCellule(0, sg_Classjoueurs->Row());
    if (!c || id == 0)
        return;
    if (TypeArbitre(type_)) {
        auto* a = dynamic_cast<TPersonnelStat*>(Saison->Arbitres().ChercheNumero(id));
        if (a && liens::FicheArbitre(this, Couleurs, Saison, c->CodeChamp, a)) {
            Signale();
            AfficheClassement(type_);
        }
        return;
    }
    TJoueur* j = Saison->Joueurs().ChercheJoueur(id, -1);
    if (j && OuvreFicheJoueur(j, Saison)) {
        Signale();
        AfficheClassement(type_);
    }
}

TEnTeteHTML Tf_ClassJoueur::EnTeteVue() const
{
    // The ranking, named with the range and the championships it counts.
    if (!Saison || type_ < 0)
        return EnTete();
    const std::string titre = TypeArbitre(type_) ? TClassArbitre::LibelleClassement(type_ - 11)
                                                 : TClassJoueur::LibelleClassement(*Saison, TypeJoueur(type_));
    return EnTete(vues::TitresChoix(*this, titre, {}, CadreParam));
}

void Tf_ClassJoueur::Imprime() { sg_Classjoueurs->Imprime(EnTeteVue()); }

void Tf_ClassJoueur::EnregistreHTML(const std::string& nomFichier)
{
    sg_Classjoueurs->EnregistreHTML(nomFichier, true, EnTeteVue());
}

int Tf_ClassJoueur::TypeParNom(const std::string& nom, bool statMatch)
{
    static const std::pair<const char*, int> types[] = {
        {"buteur", 0},          {"essai", 0},           {"averti", 1},          {"exclus", 2},
        {"passeur", 5},         {"doublet", 3},         {"triplet", 4},         {"transformation", 11},
        {"penalite", 12},       {"drop", 13},           {"realisateur", 10},    {"point", 14},
        {"tir2pts", 15},        {"tir3pts", 16},        {"lancerfranc", 17},    {"efficacite2pts", 18},
        {"efficacite3pt", 19},  {"efficacitelf", 20},   {"rebondoff", 21},      {"rebonddef", 22},
        {"interception", 23},   {"contre", 24},         {"passeurs", 25},       {"balleperdu", 26},
        {"tempsjeu", 27},       {"rebond", 28},         {"evaluation", 29},     {"fautes", 30},
        {"fautesprovoquees", 31},
    };
    const std::string n = LowerCase(nom);
    int type = 0;
    for (const auto& [texte, t] : types)
        if (n == texte)
            type = t;
    // the per-match twins: 14-26 are 32-44, fouls 30-31 are 45-46; 27-29 have none
    if (statMatch && type >= 14 && type <= 26)
        return type + 18;
    if (statMatch && (type == 30 || type == 31))
        return type + 15;
    return type;
}

void Tf_ClassJoueur::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                     const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    if (Nom != "ClassementJoueur" && Nom != "ClassementArbitre") {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    vues::TGardeChampionnat garde(saison);
    TDonneesChampionnat* c = vues::DebutPage(saison, Parametres, Resultat);
    if (!c)
        return;
    TColorGridModel g;
    const std::string type = LowerCase(Parametre("Type", Parametres, ""));
    if (Nom == "ClassementJoueur") {
        g.SetAutoResize(false);
        RemplitJoueurs(saison, TypeParNom(type, LowerCase(Parametre("StatMatch", Parametres, "")) == "oui"), g,
                       nullptr, nullptr, 300, 700, 1, c->DerniereJournee, nullptr, couleurs);
    } else {
        const int k = type == "jaune" ? 1 : type == "rouge" ? 2 : type == "penalty" ? 0 : 3;
        RemplitArbitres(saison, k, g, nullptr, couleurs);
    }
    vues::EcritTable(g, Parametres, Resultat, false);
}

void EnregistreFonctionsClassJoueur()
{
    vues::EnregistreVue("Tf_ClassJoueur", [](TComponent* o) -> TForm* { return new Tf_ClassJoueur(o); },
                        {{"ClassementJoueur", 1}, {"ClassementArbitre", 1}});
}

namespace {
const bool fonctionsEnregistrees = (EnregistreFonctionsClassJoueur(), true);
}  // namespace
