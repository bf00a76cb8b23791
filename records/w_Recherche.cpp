#include "records/w_Recherche.h"

#include <algorithm>
#include <memory>

#include "model/Ages.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "records/Blasons.h"
#include "records/Controles.h"
#include "records/w_Effectifs.h"
#include "records/w_FicheJoueur.h"
#include "records/w_ModifierEquipe.h"
#include "records/w_TransJoueur.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/message2.h"

using namespace ctrl;

namespace {

// A number of an edit; -1 (or the default) when it is none.
int NombreOu(const std::string& texte, int defaut)
{
    int v = 0;
    return LitEntier(Trim(texte), v) ? v : defaut;
}

}  // namespace

// ---- the searches --------------------------------------------------------------------------------

std::vector<TJoueur*> ChercheJoueurs(const TSaison& saison, const TCritereRecherche& critere)
{
    std::vector<TJoueur*> resultats;
    // An empty name names nobody in particular: the other criteria choose.
    std::string motif = critere.Nom;
    const bool prefixe = motif.empty() || motif.back() == '*';
    if (!motif.empty() && motif.back() == '*')
        motif.pop_back();
    motif = SansAccentCasse(motif);
    const int annee = AnneeAges(saison);
    std::vector<std::string> cles;   // accent-free names of the results
    for (int i = 0; i < saison.Joueurs().NbJoueur(); ++i)
    {
        TJoueur* j = saison.Joueurs().Joueur(i);
        if (j->Numero == 65535 || j->Poste >= 32 || !(critere.Postes & (1u << j->Poste)))
            continue;
        // By the age the squads show: a player whose age cannot be told is
        // in no range.
        const int age = AgeEn(annee, j->Age);
        if (critere.Age == TCritereRecherche::Entre && (age < 0 || age < critere.AgeMin || age > critere.AgeMax))
            continue;
        if (critere.Age == TCritereRecherche::Naissance &&
            !TGestionDate::DateCorrespond(critere.Jour, critere.Mois, critere.Annee, j->DateNaissance))
            continue;
        const std::string nom = SansAccentCasse(j->Nom);
        if (prefixe ? nom.compare(0, motif.size(), motif) != 0 || nom.size() < motif.size() : nom != motif)
            continue;
        // Before the first result not smaller, past the namesakes of the same
        // first name and team.
        size_t k = 0;
        while (k < resultats.size())
        {
            if (cles[k] >= nom)
            {
                const TJoueur* r = resultats[k];
                if (!(r->Prenom == j->Prenom && r->IdEquipe() == j->IdEquipe()))
                    break;
            }
            ++k;
        }
        resultats.insert(resultats.begin() + static_cast<std::ptrdiff_t>(k), j);
        cles.insert(cles.begin() + static_cast<std::ptrdiff_t>(k), nom);
    }
    return resultats;
}

std::vector<std::vector<TJoueur*>> Homonymes(const TSaison& saison)
{
    std::vector<std::vector<TJoueur*>> groupes;
    const TJoueurs& joueurs = saison.Joueurs();
    std::string nomAvant, prenomAvant;
    TJoueur* avant = nullptr;
    bool dansGroupe = false;
    for (int i = 0; i < joueurs.NbJoueur(); ++i)
    {
        TJoueur* j = joueurs.Joueur(i);
        std::string nom = SansAccentCasse(j->Nom), prenom = SansAccentCasse(j->Prenom);
        if (avant && nom == nomAvant && prenom == prenomAvant)
        {
            if (!dansGroupe)
                groupes.push_back({avant});
            groupes.back().push_back(j);
            dansGroupe = true;
        }
        else
            dansGroupe = false;
        avant = j;
        nomAvant = std::move(nom);
        prenomAvant = std::move(prenom);
    }
    return groupes;
}

bool JoueurNomme(TSaison& saison, int32_t numero) { return numero != 0 && JoueursNommes(saison).count(numero) != 0; }

// Room above the criteria for their titles.
constexpr int DecalageTitres = 18;

// ---- the window ----------------------------------------------------------------------------------

Tf_Recherche::Tf_Recherche(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_Recherche");
    SetCaption("f_Recherche");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(520);
    auto* haut = new TPanel(this);
    haut->SetName("p_Criteres");
    haut->SetAlign(alTop);
    haut->SetHeight(150 + DecalageTitres);
    haut->SetCaption("");
    haut->SetColor(CouleurFondFonceDessin);
    haut->SetParent(this);
    Edit1 = Saisie(this, haut, "Edit1", 12, 26, 200);
    Edit1->OnKeyDown = [this](TObject*, WORD& k, TShiftState) {
        if (k == VK_RETURN)
        {
            k = 0;
            b_RechercherClick(nullptr);
        }
    };
    Label89 = Etiquette(this, haut, "Label89", 230, 8, 74);
    clb_Poste = new TCheckListBox(this);
    clb_Poste->SetName("clb_Poste");
    clb_Poste->SetBounds(230, 26, 150, 112);
    clb_Poste->SetParent(haut);
    Label90 = Etiquette(this, haut, "Label90", 400, 8, 73);
    auto rond = [&](const char* nom, int y, int texte, const std::string& defaut) {
        auto* r = new TRondCoche(this);
        r->SetName(nom);
        r->SetCaption(Texte(texte, defaut));
        r->Font().SetColor(clWhite);
        r->SetBounds(400, y, 100, 20);
        r->SetParent(haut);
        r->OnClick = [this](TObject* s) { ActiveAge(s); };
        return r;
    };
    RondCoche4 = rond("RondCoche4", 28, 837, "Quelconque");
    RondCoche5 = rond("RondCoche5", 54, 838, "Entre");
    rc_naissance = rond("rc_naissance", 80, 1063, L1("Date de naissance"));
    rc_naissance->SetWidth(140);   // its caption is the longest; no edit beside it
    RondCoche4->SetChecked(true);
    Edit2 = Saisie(this, haut, "Edit2", RondCoche5->Left() + RondCoche5->Width() + 10, 54, 30);
    Edit2->SetText("18");
    Label104 = Etiquette(this, haut, "Label104", Edit2->Left() + 34, 57, 839);
    Edit3 = Saisie(this, haut, "Edit3", Edit2->Left() + 60, 54, 30);
    Edit3->SetText("24");
    // The language files give "et" to both ids of the two labels: "ans" has a text of its own.
    Label105 = Etiquette(this, haut, "Label105", Edit3->Left() + 34, 57, 0);
    Label105->SetCaption(Texte(3909, "ans"));
    e_AgeJour = Saisie(this, haut, "e_AgeJour", 400, 104, 30);
    e_AgeMois = Saisie(this, haut, "e_AgeMois", 436, 104, 30);
    e_AgeAnnee = Saisie(this, haut, "e_AgeAnnee", 472, 104, 50);
    // The birth date boxes are named underneath.
    const std::pair<TEdit*, std::string> dates[] = {{e_AgeJour, Texte(3910, "jour")}, {e_AgeMois, Texte(3911, "mois")}, {e_AgeAnnee, Texte(3912, L1("Année"))}};
    // each box as wide as its name at least, so that names never run together
    int x = e_AgeJour->Left();
    for (const auto& [boite, legende] : dates) {
        boite->SetLeft(x);
        TLabel* l = Etiquette(this, haut, "l_" + boite->Name().substr(2), x, 128, 0);
        l->SetCaption(legende);
        x += std::max(boite->Width(), l->Width()) + 8;
    }
    b_Rechercher = Bouton(this, haut, "b_Rechercher", 646, 26, 104, 841);
    b_Verifier = Bouton(this, haut, "b_Verifier", 646, 60, 104, 741);
    b_Rechercher->OnClick = [this](TObject* s) { b_RechercherClick(s); };
    // The titles stand above what they name: "find a player" over the name
    // box, "search criteria" over the positions and ages; the boxes move down
    // under them. Under the name box, how to search by the start of a name.
    for (int i = 0; i < haut->ControlCount(); ++i)
        haut->Controls(i)->SetTop(haut->Controls(i)->Top() + DecalageTitres);
    Label91 = Etiquette(this, haut, "Label91", 12, 6, 835);
    Label94 = Etiquette(this, haut, "Label94", 230, 6, 836);
    for (TLabel* l : {Label91, Label94})
        l->Font().SetStyle(l->Font().Style() | fsBold);
    l_AideNom = Etiquette(this, haut, "l_AideNom", 12, Edit1->Top() + Edit1->Height() + 6, 4100);
    l_AideNom->SetAutoSize(false);
    l_AideNom->SetWordWrap(true);
    l_AideNom->SetBounds(12, l_AideNom->Top(), Edit1->Width(), 60);
    b_Verifier->OnClick = [this](TObject* s) { b_VerifierClick(s); };

    sb_Recherche = new TScrollBox(this);
    sb_Recherche->SetName("sb_Recherche");
    sb_Recherche->SetBorderStyle(bsNone);
    sb_Recherche->SetAlign(alClient);
    sb_Recherche->SetColor(CouleurFondFonceDessin);
    sb_Recherche->SetParent(this);
    sg_Recherche = new TColorStringGrid(this);
    sg_Recherche->SetName("sg_Recherche");
    sg_Recherche->SetOptions(DefaultGridOptions | goRowSelect);
    sg_Recherche->SetAutoResize(false);
    sg_Recherche->SetScrollBars(ssNone);
    sg_Recherche->SetFixedCols(0);
    sg_Recherche->SetSelectionVisible(true);
    sg_Recherche->SetParent(sb_Recherche);
    sg_Recherche->OnDblClick = [this](TObject* s) { mi_EditerClick(s); };
    sg_Recherche->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState sh, int x, int y) {
        int c = -1, r = -1;
        sg_Recherche->MouseToCell(x, y, c, r);
        if (b == mbRight)
        {
            if (r >= 1)
                sg_Recherche->FocusCell(std::max(c, 0), r, true);
            const TPoint p = sg_Recherche->ClientToScreen(Point(x, y));
            pm_JoueurOp->Popup(p.X, p.Y);
        }
        else if (b == mbLeft && !(sh & ssDouble) && JoueurLigne(r))
            sg_Recherche->BeginDrag(false);
    };
    sg_Recherche->OnDragOver = [this](TObject* s, TObject* src, int x, int y, TDragState st, bool& a) {
        sg_RechercheDragOver(s, src, x, y, st, a);
    };
    sg_Recherche->OnDragDrop = [this](TObject* s, TObject* src, int x, int y) { sg_RechercheDragDrop(s, src, x, y); };

    pm_JoueurOp = new TPopupMenu(this);
    pm_JoueurOp->SetName("pm_JoueurOp");
    pm_JoueurOp->AutoPopup = false;
    auto item = [this](const char* nom, int texte, const std::string& defaut, std::function<void(TObject*)> clic) {
        auto* mi = new TMenuItem(this);
        mi->SetName(nom);
        mi->SetCaption(Texte(texte, defaut));
        mi->OnClick = std::move(clic);
        pm_JoueurOp->Items()->Add(mi);
        return mi;
    };
    mi_Editer = item("mi_Editer", 910, "&Editer le joueur", [this](TObject* s) { mi_EditerClick(s); });
    mi_Effacer = item("mi_Effacer", 1070, L1("E&ffacer définitivement le joueur"), [this](TObject* s) { mi_EffacerClick(s); });
    mi_Transferer = item("mi_Transferer", 991, "Transferer le joueur", [this](TObject* s) { mi_TransfererClick(s); });
    OnShow = [this](TObject* s) { FormShow(s); };
    ActiveAge(nullptr);
    DoCreate();
}

void Tf_Recherche::ActiveAge(TObject*)
{
    const bool entre = RondCoche5->Checked(), naissance = rc_naissance->Checked();
    Edit2->SetEnabled(entre);
    Edit3->SetEnabled(entre);
    e_AgeJour->SetEnabled(naissance);
    e_AgeMois->SetEnabled(naissance);
    e_AgeAnnee->SetEnabled(naissance);
}

void Tf_Recherche::FormShow(TObject*)
{
    if (!PremierAffichage)
        return;
    PremierAffichage = false;
    Edit1->SetText("");
    ModeListe = 0;
    if (Saison)
        Saison->CalculeStatJoueurs();
    PrepareGrille();
    sg_Recherche->SetRowCount(2);
    TColor texte = 0, fond = 0;
    CouleursLigne(1, texte, fond, false);
    for (int k = 0; k < sg_Recherche->ColCount(); ++k)
        sg_Recherche->RemplitCellule(k, 1, k == 1 ? Traduire(185) : std::string(), 0, 1, texte, fond, false);
    sg_Recherche->SetCells(7, 1, "-1");
    clb_Poste->Items().Clear();
    if (Saison)
    {
        const std::unique_ptr<TStringList> postes = Saison->ListePostes();
        for (int i = 0; postes && i < postes->Count(); ++i)
            clb_Poste->Items().AddObject((*postes)[i], postes->Objects(i));
    }
    for (int i = 0; i < clb_Poste->Items().Count(); ++i)
        clb_Poste->SetChecked(i, true);
    PlaceGrille();
}

void Tf_Recherche::PrepareGrille()
{
    TColorStringGrid& g = *sg_Recherche;
    g.SetColCount(8);
    if (g.RowCount() < 2)
        g.SetRowCount(2);
    g.SetFixedRows(1);
    g.SetDefaultRowHeight(20);
    const bool large = Saison && Saison->StatApplicable(0);
    const int largeurs[8] = {large ? 65 : 40, 100, 100, 40, 150, 40, 40, 0};
    for (int k = 0; k < 8; ++k)
        g.ChangeLargeurColonne(k, largeurs[k]);
    std::string buteurs;
    if (Saison)
        Saison->MultiSport().LibelleButeurs(buteurs);
    const int titres[8] = {74, 71, 72, 293, 187, 67, -1, 0};
    for (int k = 0; k < 8; ++k)
        g.RemplitCellule(k, 0,
                         k == 3 ? TitreAge(Saison ? AnneeAges(*Saison) : 0)
                         : titres[k] < 0 ? buteurs
                         : titres[k] > 0 ? Traduire(titres[k])
                                         : std::string(),
                         1, 1, Couleurs.CouleurTexteTitreTableau, Couleurs.CouleurFondTitreTableau, true);
    g.ElargitSelonTexte(0);
    for (int k : {0, 1, 2, 4})
        g.ChangeEtatColonne(k, 1);
}

void Tf_Recherche::PlaceGrille()
{
    TColorStringGrid& g = *sg_Recherche;
    // The name and first-name columns as wide as their longest text, the
    // word that says no player was found included.
    TBitmap mesure(1, 1);
    mesure.Canvas().Font = g.Font();
    for (int k : {1, 2})
    {
        int w = g.LargeurColonne(k);
        for (int r = 1; r < g.RowCount(); ++r)
        {
            const int t = mesure.Canvas().TextWidth(g.LitCellule(k, r));
            w = std::max(w, t + 8 + t / 25);
        }
        g.ChangeLargeurColonne(k, w);
    }
    int largeur = 4;
    for (int k = 0; k < g.ColCount(); ++k)
        largeur += g.LargeurColonne(k) + 1;
    const int hauteur = g.RowCount() * (g.DefaultRowHeight() + 1) + 4;
    const int libre = sb_Recherche->ClientWidth();
    g.SetBounds(largeur < libre ? (libre - largeur) / 2 : 8, 8, largeur, hauteur);
}

TCritereRecherche Tf_Recherche::Critere()
{
    TCritereRecherche c;
    c.Nom = Edit1->GetText();
    c.Postes = 0;
    for (int i = 0; i < clb_Poste->Items().Count(); ++i)
        if (clb_Poste->Checked(i))
        {
            const auto code = static_cast<int>(clb_Poste->Items().Objects(i));
            if (code >= 0 && code < 32)
                c.Postes |= 1u << code;
        }
    if (RondCoche5->Checked())
    {
        c.Age = TCritereRecherche::Entre;
        c.AgeMin = NombreOu(Edit2->GetText(), 0);
        c.AgeMax = NombreOu(Edit3->GetText(), 0);
        if (c.AgeMin > c.AgeMax)
        {
            const std::string t = Edit2->GetText();
            Edit2->SetText(Edit3->GetText());
            Edit3->SetText(t);
            std::swap(c.AgeMin, c.AgeMax);
        }
    }
    else if (rc_naissance->Checked())
    {
        c.Age = TCritereRecherche::Naissance;
        c.Jour = NombreOu(e_AgeJour->GetText(), -1);
        c.Mois = NombreOu(e_AgeMois->GetText(), -1);
        c.Annee = NombreOu(e_AgeAnnee->GetText(), -1);
        if (c.Annee >= 0 && c.Annee <= 99)
            c.Annee += 1900;
    }
    return c;
}

void Tf_Recherche::b_RechercherClick(TObject*)
{
    if (!Saison)
        return;
    ModeListe = 1;
    const TCritereRecherche c = Critere();
    const std::vector<TJoueur*> joueurs = ChercheJoueurs(*Saison, c);
    AfficheJoueurs(joueurs, {}, false);
}

void Tf_Recherche::b_VerifierClick(TObject*)
{
    if (!Saison)
        return;
    ModeListe = 2;
    const auto groupes = Homonymes(*Saison);
    if (groupes.empty())
        return;   // the grid keeps its rows
    std::vector<TJoueur*> joueurs;
    std::vector<int> numeros;
    for (size_t g = 0; g < groupes.size(); ++g)
        for (TJoueur* j : groupes[g])
        {
            joueurs.push_back(j);
            numeros.push_back(static_cast<int>(g));
        }
    AfficheJoueurs(joueurs, numeros, true);
}

void Tf_Recherche::AfficheJoueurs(const std::vector<TJoueur*>& joueurs, const std::vector<int>& groupes,
                                  bool homonymes)
{
    if (!Saison)
        return;
    TColorStringGrid& g = *sg_Recherche;
    PrepareGrille();
    const int n = static_cast<int>(joueurs.size());
    g.SetRowCount(std::max(n, 1) + 1);
    const int annee = AnneeAges(*Saison);
    TBlasons* blasons = Blasons();
    for (int r = 1; r <= n; ++r)
    {
        const TJoueur* j = joueurs[static_cast<size_t>(r - 1)];
        TColor texte = 0, fond = 0;
        CouleursLigne(homonymes ? groupes[static_cast<size_t>(r - 1)] + 1 : r, texte, fond, false);
        const int equipe = j->IdEquipe();
        const bool sansEquipe = equipe < 0 || equipe >= 65535 || Saison->NomEquipe(equipe).empty();
        std::unique_ptr<TPngPicture> blason =
            !sansEquipe && blasons ? blasons->ChargeBlason(Saison->LogoEquipe(equipe)) : nullptr;
        const std::string cellules[8] = {j->LettrePoste(),
                                          j->Nom,
                                          j->Prenom,
                                          TexteAge(annee, j->Age),
                                          sansEquipe ? Traduire(186) : Saison->NomEquipe(equipe),
                                          IntToStr(j->TotalMatch()),
                                          IntToStr(homonymes ? j->StatTotale(1) : j->TotalButs()),
                                          IntToStr(j->Numero)};
        for (int k = 0; k < 8; ++k)
            g.RemplitCellule(k, r, cellules[k], k == 1 || k == 2 ? 0 : 1, 1, texte, fond, false,
                             k == 4 ? std::move(blason) : nullptr);
    }
    if (n == 0)
    {
        TColor texte = 0, fond = 0;
        CouleursLigne(1, texte, fond, false);
        for (int k = 0; k < 8; ++k)
            g.RemplitCellule(k, 1, k == 1 ? Traduire(185) : std::string(), 0, 1, texte, fond, false);
        g.SetCells(7, 1, "-1");
    }
    PlaceGrille();
    g.Invalidate();
}

void Tf_Recherche::RepeteListe()
{
    if (ModeListe == 1)
        b_RechercherClick(nullptr);
    else if (ModeListe == 2)
        b_VerifierClick(nullptr);
}

TJoueur* Tf_Recherche::JoueurLigne(int ligne) const
{
    if (!Saison || ligne < 1 || ligne >= sg_Recherche->RowCount())
        return nullptr;
    int id = 0;
    if (!LitEntier(sg_Recherche->Cells(7, ligne), id) || id == -1 || id == 0)
        return nullptr;
    return Saison->Joueurs().ChercheJoueur(id, -1);
}

bool Tf_Recherche::EditeJoueur(TJoueur* joueur)
{
    if (!joueur || !Saison)
        return false;
    TOwned<Tf_FicheJoueur> f = CreeFicheJoueur(*Saison);
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison);
    const TDonneesChampionnat* c = Saison->ChampionnatCourant();
    f->ChangeJoueur(c ? c->CodeChamp : 0, joueur);
    f->Tag = (joueur->IdEquipe() & 0xFFFF) + 196608;
    return f->ShowModal() == mrOk;
}

void Tf_Recherche::mi_EditerClick(TObject*)
{
    TJoueur* j = JoueurLigne(sg_Recherche->Row());
    if (j && EditeJoueur(j))
    {
        RepeteListe();
        Signale();
    }
}

void Tf_Recherche::mi_EffacerClick(TObject*)
{
    TJoueur* j = JoueurLigne(sg_Recherche->Row());
    if (!j)
        return;
    // A player a match names cannot go: the match would name nobody.
    if (JoueurNomme(*Saison, j->Numero))
    {
        Tf_MessageUtil::Affiche(Traduire(298), mbuValider);
        return;
    }
    if (Tf_MessageUtil::Affiche(TraduireFormat(1403, {j->NomComplet()}), mbuOui | mbuAnnuler) != mrYes)
        return;
    Saison->Joueurs().RetireJoueur(j);
    RepeteListe();
    Signale();
}

void Tf_Recherche::mi_TransfererClick(TObject*)
{
    TJoueur* j = JoueurLigne(sg_Recherche->Row());
    if (!j)
        return;
    TOwned<Tf_TransJoueur> f(new Tf_TransJoueur(nullptr));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison);
    if (f->ShowModal() != mrOk)
        return;
    const int equipe = f->EquipeChoisie();
    if (equipe < 0 || equipe == j->IdEquipe() || !DeplaceJoueur(*Saison, j, equipe, [&] { TransfereJoueur(*Saison, j, equipe); }))
        return;
    RepeteListe();
    Signale();
}

void Tf_Recherche::sg_RechercheDragOver(TObject*, TObject* Source, int, int, TDragState, bool& Accept)
{
    Accept = Source == sg_Recherche;
}

void Tf_Recherche::sg_RechercheDragDrop(TObject*, TObject* Source, int X, int Y)
{
    if (Source != sg_Recherche || !Saison)
        return;
    int c = -1, r = -1;
    sg_Recherche->MouseToCell(X, Y, c, r);
    TJoueur* a = JoueurLigne(r);
    TJoueur* b = JoueurLigne(sg_Recherche->Row());
    // One question names both, what goes over to the one dropped on and what
    // is lost; two who met in a match are refused.
    if (!a || !b || a == b || !AccepteFusion(*Saison, *b, *a, true) || !Saison->FusionneJoueurs(a, b, true))
        return;
    EditeJoueur(a);
    Signale();
    RepeteListe();
}

void Tf_Recherche::Imprime() { sg_Recherche->Imprime(EnTete()); }

void Tf_Recherche::EnregistreHTML(const std::string& nomFichier) { sg_Recherche->EnregistreHTML(nomFichier, true, EnTete()); }
