#include "views/w_DiversStat.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "platform/gui/Printers.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Editeur.h"
#include "ui/Fond.h"
#include "ui/GestionFonction.h"
#include "ui/GridHtml.h"
#include "views/LiensResultats.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/w_ChoixJournee.h"

using vues::Texte;

enum : int { PageForme = 1, PageComportement = 2, PagePlace = 3, PageStat = 4, PageJournee = 5, PageScores = 6,
             PageJoueurs = 7, PageSpectateurs = 8, PageNonJoues = 11, PageFourchette = 12, PageDate = 13 };

Tf_DiversStat::Tf_DiversStat(TComponent* AOwner) : TFootForm(AOwner)
{
    SetName("f_DiversStat");
    SetCaption("f_DiversStat");
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);

    fc_Calendrier = new TFondCopie(this);
    fc_Calendrier->SetName("fc_Calendrier");
    if (Dessin)
        fc_Calendrier->SetModele(Dessin->Fond("FondCarrebleu"));
    fc_Calendrier->SetAlign(alRight);
    fc_Calendrier->SetWidth(250);
    fc_Calendrier->SetParent(this);
    cc_ToutChampionnat = new TCarreCoche(this);
    cc_ToutChampionnat->SetName("cc_ToutChampionnat");
    cc_ToutChampionnat->SetCaption(Texte(1338, "Tous les championnats"));
    cc_ToutChampionnat->Font().SetColor(clAqua);
    cc_ToutChampionnat->Font().SetStyle(fsBold);
    cc_ToutChampionnat->SetBounds(10, 12, 230, 18);
    cc_ToutChampionnat->SetParent(fc_Calendrier);
    cc_ToutChampionnat->OnClick = [this](TObject* s) { bc_CalendrierDateChange(s); };
    bc_Calendrier = new TMonthCalendar(this);
    bc_Calendrier->SetName("bc_Calendrier");
    bc_Calendrier->SetBounds(5, 40, 240, 172);
    bc_Calendrier->SetParent(fc_Calendrier);
    bc_Calendrier->OnClick = [this](TObject* s) { bc_CalendrierDateChange(s); };

    sb_Fond = vues::FondDefilant(this, "sb_Fond");
    sb_Fond->OnResize = [this](TObject* s) { FondScroll3resize(s); };

    sg_Stats = new TColorStringGrid(this);
    sg_Stats->SetName("sg_Stats");
    sg_Stats->SetBorderStyle(bsNone);
    sg_Stats->SetScrollBars(ssNone);
    sg_Stats->SetFixedCols(0);
    sg_Stats->ChangeHauteurLignes(20);
    sg_Stats->SetSelectionVisible(false);
    sg_Stats->SetCouleurSelection(12900351);
    sg_Stats->SetCouleurTexteSelection(clWhite);
    sg_Stats->FixedInBold = true;
    sg_Stats->SetAutoResize(false);
    sg_Stats->SetParent(sb_Fond);
    sg_Stats->OnHotTrackClick = [this](TObject*, int col, int row) { sg_StatsClick(col, row); };

    e_Detail = new TEditeur(this);
    e_Detail->SetName("e_Detail");
    e_Detail->SetInterligne(18);
    e_Detail->SetJustifyDoc(true);
    e_Detail->SetBounds(6, 6, 600, 400);
    e_Detail->SetVisible(false);
    e_Detail->SetParent(sb_Fond);
    sg_Stats->OnDblClick = [this](TObject* s) { sg_StatsDblClick(s); };

    Label142 = new TLabel(this);
    Label142->SetName("Label142");
    Label142->SetCaption(Texte(785, L1("Place occupée")));
    Label142->Font().SetColor(clWhite);
    Label142->Font().SetStyle(fsBold);
    Label142->SetTransparent(true);
    Label142->SetBounds(0, 10, 90, 16);
    Label142->SetParent(sb_Fond);
    Edit4 = new TEdit(this);
    Edit4->SetName("Edit4");
    Edit4->SetMaxLength(2);
    Edit4->SetText("1");
    Edit4->SetBounds(0, 30, 24, 22);
    Edit4->SetParent(sb_Fond);
    UpDown3 = new TUpDown(this);
    UpDown3->SetName("UpDown3");
    UpDown3->Min = 1;
    UpDown3->Max = 20;
    UpDown3->SetBounds(0, 30, 17, 22);
    UpDown3->SetParent(sb_Fond);
    UpDown3->SetAssociate(Edit4);
    UpDown3->SetPosition(1);

    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->Font().SetColor(clYellow);
    Label1->Font().SetStyle(fsBold);
    Label1->SetTransparent(true);
    Label1->SetBounds(6, 0, 500, 16);
    Label1->SetVisible(false);
    Label1->SetParent(sb_Fond);

    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetColor(CouleurFondFonceDessin);
    Panel1->SetBounds(6, 0, 640, 50);
    Panel1->SetParent(sb_Fond);
    static const int textes[7] = {1349, 1343, 1346, 1344, 1347, 1345, 1348};
    static const char* const defauts[7] = {"Légende", "V: victoire à domicile", "v: victoire à l'exterieur",
                                           "N: nul à domicile", "n: nul à l'exterieur", "D: défaite à domicile",
                                           "d: défaite à l'exterieur"};
    for (int i = 0; i < 7; ++i) {
        auto* l = new TLabel(this);
        l->SetName("Label" + IntToStr(i + 2));
        l->SetCaption(Texte(textes[i], L1(defauts[i])));
        l->Font().SetColor(i == 0 ? clYellow : clWhite);
        l->Font().SetStyle(i == 0 ? fsBold : 0u);
        l->SetTransparent(true);
        l->SetBounds(i == 0 ? 0 : 80 + ((i - 1) / 2) * 180, i == 0 ? 4 : 4 + ((i - 1) % 2) * 20, 175, 16);
        l->SetParent(Panel1);
        Labels[i] = l;
    }

    pm_ChangeJour = new TPopupMenu(this);
    pm_ChangeJour->SetName("pm_ChangeJour");
    mi_ChangeJour = new TMenuItem(this);
    mi_ChangeJour->SetName("mi_ChangeJour");
    mi_ChangeJour->SetCaption(Texte(152, L1("Changer de journée")));
    mi_ChangeJour->OnClick = [this](TObject* s) { mi_ChangeJourClick(s); };
    pm_ChangeJour->Items()->Add(mi_ChangeJour);
    // once every control exists: the up-down writes the box when it is associated
    Edit4->OnChange = [this](TObject* s) { Edit4Change(s); };
    DoCreate();
}

Tf_DiversStat::~Tf_DiversStat() = default;

int Tf_DiversStat::Page() const { return static_cast<int>(sb_Fond->Tag); }

void Tf_DiversStat::AppliqueCouleurs()
{
    TFootForm::AppliqueCouleurs();
    if (sg_Stats)
        sg_Stats->SetColor(*Couleurs.Couleur(1));
    if (e_Detail)
        e_Detail->SetColor(*Couleurs.Couleur(1));
}

void Tf_DiversStat::PreparePage(bool label1, bool grille, bool place, bool calendrier, int page, bool legende,
                                bool detail)
{
    e_Detail->SetVisible(detail);
    Label1->SetVisible(label1);
    sg_Stats->SetVisible(grille);
    Label142->SetVisible(place);
    Edit4->SetVisible(place);
    UpDown3->SetVisible(place);
    fc_Calendrier->SetVisible(calendrier);
    Panel1->SetVisible(legende);
    sb_Fond->Tag = page;
    sg_Stats->InitColonnes();
}

void Tf_DiversStat::Titre(int texte, int journee)
{
    titre_ = Texte(texte);
    journeeTitre_ = journee;
}

void Tf_DiversStat::SansTri()
{
    sg_Stats->TriCol = false;
    sg_Stats->TriConserveFond = false;
}

// ---- entries ---------------------------------------------------------------------------------
void Tf_DiversStat::AfficheJoueursIncomplets()
{
    PreparePage(false, true, false, false, 0, false);
    Titre(696);
    SansTri();
    sg_Stats->SetSelectionVisible(true);
    RemplitJoueursIncomplets(Saison, *sg_Stats, Couleurs);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::sg_StatsDblClick(TObject*)
{
    if (Page() != 0 || !Saison)
        return;
    const int row = sg_Stats->Row();
    TJoueur* j = Saison->Joueurs().ChercheJoueur(sg_Stats->DonneeCellule(0, row), -1);
    // a validated card marks the season modified and rewrites its row
    if (j && OuvreFicheJoueur(j, Saison)) {
        Signale();
        LigneJoueurIncomplet(Saison, *sg_Stats, row, *j, Couleurs);
    }
}

void Tf_DiversStat::AfficheButeursJournee(int* journee, int type, int code)
{
    PreparePage(false, true, false, false, PageJoueurs, false);
    static const int titres[5] = {0, 1129, 678, 1539, 1540};
    Titre(titres[std::clamp(type, 1, 4)], journee ? *journee : -1);
    SansTri();
    if (journee && *journee != -1)
        RemplitMeilleursJournee(*journee, type, Couleurs, code, *sg_Stats, Saison);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::AfficheDetailJournee(int* journee)
{
    journee_ = journee;
    codePage_ = 7;
    PreparePage(false, false, false, false, 10, false, true);
    Titre(970, journee ? *journee : -1);
    if (journee && *journee != -1) {
        e_Detail->SetJustifyDoc(false);
        e_Detail->SetWidth(sb_Fond->Width() - 17);
        const TColor palette[5] = {*Couleurs.Couleur(15), *Couleurs.Couleur(16), *Couleurs.Couleur(16),
                                   *Couleurs.Couleur(16), *Couleurs.Couleur(17)};
        EcritDetailJournee(*journee, Saison, false, palette, *e_Detail);
        e_Detail->SetHeight(std::max(e_Detail->NbLigne(), 1) * 18 + 10);
    }
    FondScroll3resize(sb_Fond);
}


void Tf_DiversStat::AfficheFormeEquipe()
{
    PreparePage(false, true, false, false, PageForme, true);
    Titre(701);
    SansTri();
    RemplitFormeEquipe(Saison, *sg_Stats, Couleurs);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::AfficheComportementDomicile()
{
    PreparePage(false, true, false, false, PageComportement, false);
    Titre(705);
    sg_Stats->TriCol = true;
    sg_Stats->TriConserveFond = true;
    RemplitComportementDomicile(Saison, *sg_Stats, Couleurs);
    sg_Stats->ChangeEtatColonne(0, 1);
    sg_Stats->MarqueColonne(3, 2);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::AffichePlaceOccupee()
{
    PreparePage(false, true, true, false, PagePlace, false);
    Titre(706);
    SansTri();
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    UpDown3->Max = c ? std::max(c->NbEquipe(), 1) : 1;
    // the page fills itself whatever the box holds
    if (Edit4->GetText() != "1")
        Edit4->SetText("1");
    else
        Edit4Change(Edit4);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::Edit4Change(TObject*)
{
    if (!Edit4->Visible())
        return;
    place_ = StrToIntDef(Edit4->GetText(), 0);
    RemplitPlaceOccupee(place_, Saison, *sg_Stats, Couleurs);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::AfficheStatParJournee(int type)
{
    PreparePage(false, true, false, false, PageStat, false);
    // kind 2 counts goals in football and handball, points in rugby and basketball
    const int sport = Saison ? Saison->Sport() : 0;
    static const int titres[6] = {0, 707, 708, 1097, 1098, 1099};
    Titre(type == 2 && (sport == 1 || sport == 2) ? 1100 : titres[std::clamp(type, 1, 5)]);
    SansTri();
    RemplitStatParJournee(type, Saison, Couleurs, false, *sg_Stats);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::AfficheJournee(int* journee)
{
    journee_ = journee;
    codePage_ = 1;
    SansTri();
    PreparePage(false, true, false, false, PageJournee, false);
    Titre(971, journee ? *journee : -1);
    if (journee && *journee != -1)
        RemplitJournee(*journee, Saison, Couleurs, *sg_Stats);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::AfficheScoresFrequents()
{
    PreparePage(false, true, false, false, PageScores, false);
    Titre(327);
    SansTri();
    RemplitScoresFrequents(Saison, *sg_Stats, 2, -1, Couleurs);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::AfficheJoueursJournee(int* journee, int type)
{
    journee_ = journee;
    codePage_ = type <= 4 ? type + 2 : type + 4;
    SansTri();
    PreparePage(false, true, false, false, PageJoueurs, false);
    static const int titres[9] = {0, 498, 974, 975, 918, 488, 484, 485, 486};
    Titre(titres[std::clamp(type, 1, 8)], journee ? *journee : -1);
    if (journee && *journee != -1)
        RemplitJoueursJournee(*journee, type, Couleurs, *sg_Stats, Saison);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::AfficheSpectateursJournee(int* journee)
{
    journee_ = journee;
    codePage_ = 2;
    SansTri();
    PreparePage(true, true, false, false, PageSpectateurs, false);
    Titre(972, journee ? *journee : -1);
    std::string resume;
    if (journee && *journee != -1)
        RemplitSpectateursJournee(*journee, Saison, resume, Couleurs, *sg_Stats);
    Label1->SetCaption(resume);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::AfficheMatchsNonJoues()
{
    PreparePage(false, true, false, false, PageNonJoues, false);
    Titre(978);
    SansTri();
    RemplitMatchsNonJoues(Saison, *sg_Stats, Couleurs);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::AfficheFourchetteClassement()
{
    PreparePage(false, true, false, false, PageFourchette, false);
    Titre(986);
    sg_Stats->TriCol = true;
    sg_Stats->TriConserveFond = true;
    RemplitFourchetteClassement(Saison, *sg_Stats, Couleurs);
    sg_Stats->ChangeEtatColonne(0, 1);
    sg_Stats->MarqueColonne(0, 2);
    FondScroll3resize(sb_Fond);
}

void Tf_DiversStat::AfficheParDate()
{
    PreparePage(false, true, false, true, PageDate, false);
    Titre(664);
    SansTri();
    bc_Calendrier->SetDate(Date());
    bc_CalendrierDateChange(bc_Calendrier);
}

void Tf_DiversStat::bc_CalendrierDateChange(TObject*)
{
    RemplitParDate(TGestionDate::DateTimeVersDate(bc_Calendrier->Date()), cc_ToutChampionnat->Checked(), Saison,
                   *sg_Stats, Couleurs);
    FondScroll3resize(sb_Fond);
}

int Tf_DiversStat::ChoixJournee(TSaison* saison, const TCouleurElement& couleurs)
{
    TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return -1;
    if (c->Option(11) & 8) {
        Tf_ChoixDate d(nullptr);
        d.ChangeCouleurs(couleurs);
        if (d.ShowModal() != 1)
            return -1;
        return c->Journees().NumeroJourneeDate(TGestionDate::DateTimeVersDate(d.DateChoisie));
    }
    Tf_ChoixJournee d(nullptr);
    d.ChangeCouleurs(couleurs);
    d.ChangeSaison(saison);
    d.Tag = c->NbJournee;
    return d.ShowModal() == 1 ? static_cast<int>(d.Tag) : -1;
}

void Tf_DiversStat::mi_ChangeJourClick(TObject*)
{
    if (!journee_)
        return;
    *journee_ = ChoixJournee(Saison, Couleurs);
    if (codePage_ == 1)
        AfficheJournee(journee_);
    else if (codePage_ == 2)
        AfficheSpectateursJournee(journee_);
    else if (codePage_ >= 3 && codePage_ <= 6)
        AfficheJoueursJournee(journee_, codePage_ - 2);
    else if (codePage_ >= 9 && codePage_ <= 12)
        AfficheJoueursJournee(journee_, codePage_ - 4);
    else if (codePage_ == 7)
        AfficheDetailJournee(journee_);
}

// ---- clicks ----------------------------------------------------------------------------------
void Tf_DiversStat::sg_StatsClick(int col, int row)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    const int v = sg_Stats->DonneeCellule(col, row);
    auto carte = [&](int32_t id) {
        if (OuvreFicheJoueurId(id, Saison))
            Signale();
    };
    switch (Page()) {
    case PageComportement:
        if (ExecuteCommande)
            ExecuteCommande(121, v, false);
        return;
    case PageStat:
        if (ExecuteCommande)
            ExecuteCommande(Saison->StatApplicable(6) ? 125 : 126, v, false);
        return;
    case PageJournee:
        if (col == 1 && v > 0 && ExecuteCommande && journee_)
            ExecuteCommande(14, *journee_ * 256 + v, false);
        else if ((col == 0 || col == 2) && v < 0)
            carte(-1 - v);
        else if ((col == 0 || col == 2) && ExecuteCommande)
            ExecuteCommande(123, c->IndexEquipe(v), false);
        return;
    case PageJoueurs:
        if (v < 0 && col == 1 && sg_Stats->ColCount() == 3) {
            if (OuvreFicheJoueurId(-1 - v, Saison))
                Signale();
        } else if (v < 0)
            if (TJoueur* j = OuvreFicheJoueurId(-1 - v, Saison)) {
                Signale();
                const std::string ancien = sg_Stats->Cells(col, row);
                const size_t p = ancien.find(" (");
                sg_Stats->SetCells(col, row, j->Nom + (p == std::string::npos ? "" : ancien.substr(p)));
            }
        return;
    case PageDate: {
        if (col != 1 || !ExecuteCommande)
            return;
        TDonneesChampionnat* cible =
            Saison->Arbre().ChampionnatParCode(StrToIntDef(sg_Stats->TexteCacheCellule(col, row), -1));
        if (!cible)
            return;
        const int j = cible->Journees().NumeroJourneeDate(TGestionDate::DateTimeVersDate(bc_Calendrier->Date()));
        // the results of a matchday count the match from 1, the match card
        // from 0
        const bool joue = (v & 0x10000) != 0;
        const int param = (v & 0xFFFF) + (joue ? 1 : 0) + 256 * j;
        const bool change = cible != c;
        if (change)
            Saison->SelectionneChampionnat(cible->CodeChamp);
        ExecuteCommande(joue ? 14 : 19, param, change);
        return;
    }
    default: return;
    }
}

// ---- layout, print, HTML ---------------------------------------------------------------------
void Tf_DiversStat::FondScroll3resize(TObject*)
{
    const int W = sb_Fond->Width(), H = sb_Fond->Height();
    sg_Stats->SetLeft(6);
    sg_Stats->SetTop(6);
    int largeur = 0;
    for (int k = 0; k < sg_Stats->ColCount(); ++k)
        largeur += sg_Stats->ColWidths(k) + 1;
    sg_Stats->SetWidth(largeur + 2);
    const int page = Page();
    if (page == PagePlace) {
        sg_Stats->SetWidth(std::min(largeur + 2, W - 100));
        Label142->SetLeft(W - 90);
        Edit4->SetLeft(W - 66);
        UpDown3->SetLeft(W - 42);
    } else if (sg_Stats->Width() < W - 24) {
        sg_Stats->SetLeft((W - sg_Stats->Width()) / 2 - 12);
    }
    sg_Stats->ChangeHauteurLignes(20);
    sg_Stats->SetHeight(21 * sg_Stats->RowCount() + 1);
    if (page == 10)
        e_Detail->SetWidth(W - 17);
    (void)H;
    Panel1->SetTop(sg_Stats->Top() + sg_Stats->Height() + 10);
    Panel1->SetLeft(sg_Stats->Left());
    Label1->SetTop(sg_Stats->Top() + sg_Stats->Height() + 15);
    Label1->SetLeft(sg_Stats->Left());
}

// The lines above the page printed or written: its title (and matchday), the
// competition, then the view's own.
TEnTeteHTML Tf_DiversStat::EnTetePage() const
{
    std::string titre = titre_;
    if (journeeTitre_ >= 1)
        titre += " - " + liens::LibelleJournee(Saison, journeeTitre_);
    return EnTete(vues::EnTetePage(Saison, titre).Titres);
}

void Tf_DiversStat::Imprime()
{
    if (e_Detail->Visible())
        PrintDocument(Printer(), poPortrait, [this](TPrinter& p) {
            const int haut = ImprimeTitres(p.Canvas(), Font(), EnTetePage().Titres, 0, p.PageWidth(), 0);
            e_Detail->ImprimeDans(p, Rect(0, haut, p.PageWidth(), p.PageHeight()));
        });
    else if (const std::string resume = Resume(); !resume.empty())
        PrintDocument(Printer(), poLandscape, [&](TPrinter& p) {
            // the summary under the table, as the window shows it
            int y = sg_Stats->ImprimeDans(p, EnTetePage(), 0, p.PageWidth(), 0);
            const int h = p.Canvas().TextHeight("Ag");
            if (y + 2 * h > p.PageHeight()) {
                p.NewPage();
                y = 0;
            } else
                y += h / 2;
            p.Canvas().TextOut(0, y, resume);
        });
    else
        sg_Stats->Imprime(EnTetePage());
}

void Tf_DiversStat::EnregistreHTML(const std::string& nomFichier)
{
    if (e_Detail->Visible())
        e_Detail->PageHTML(nomFichier, true, EnTetePage().Titres);
    else if (const std::string resume = Resume(); !resume.empty()) {
        // the summary under the table, as the window shows it
        std::string page = sg_Stats->TexteHTML(true, EnTetePage());
        const size_t fin = page.rfind("  </body>");
        page.insert(fin == std::string::npos ? page.size() : fin, "    <p>" + EchappeHTML(resume) + "</p>\r\n");
        if (!WriteFileAtomic(nomFichier, page))
            throw EFCreateError(L1("Impossible de créer le fichier ") + nomFichier);
    } else
        sg_Stats->EnregistreHTML(nomFichier, true, EnTetePage());
}

std::string Tf_DiversStat::Resume() const
{
    return Label1->Visible() ? Label1->Caption() : std::string();
}

// ---- page functions ---------------------------------------------------------------------------
void Tf_DiversStat::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                    const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    static const char* const noms[] = {"JourneeDetail", "JourneeRealisateur", "JourneeButeur",
                                       "JourneeSimple", "JourneeSpectateur", "JourneeJoueurs", "FormeEquipe",
                                       "ComportementDomicile", "ScoresFrequents", "FourchetteClass",
                                       "StatParJournee"};
    if (std::find_if(std::begin(noms), std::end(noms), [&](const char* n) { return Nom == n; }) == std::end(noms)) {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    vues::TGardeChampionnat garde(saison);
    TDonneesChampionnat* c = vues::DebutPage(saison, Parametres, Resultat);
    if (!c)
        return;
    const int journee = StrToIntDef(Parametre("Journee", Parametres, "1"), c->NbJournee);
    const std::string type = LowerCase(Parametre("Type", Parametres, ""));
    if (Nom == "JourneeDetail") {
        auto couleur = [&](const char* nom, TColor defaut) {
            return static_cast<TColor>(ParametreEntier(nom, Parametres, static_cast<int>(defaut)));
        };
        const TColor info = couleur("CouleurInfo", couleur("CouleurEquipe", *couleurs.Couleur(16)));
        const TColor palette[5] = {couleur("CouleurMatch", *couleurs.Couleur(15)), couleur("CouleurButeur", info),
                                   couleur("CouleurAverti", *couleurs.Couleur(16)),
                                   couleur("CouleurExclus", *couleurs.Couleur(16)),
                                   couleur("CouleurEffectif", *couleurs.Couleur(17))};
        TEditeur e(nullptr);
        EcritDetailJournee(journee, saison, true, palette, e);
        Resultat = e.Texte();
        return;
    }
    TColorGridModel g;
    bool imbrique = false;
    if (Nom == "JourneeRealisateur" || Nom == "JourneeButeur") {
        RemplitMeilleursJournee(journee, Nom == "JourneeButeur" ? 2 : 1, couleurs, Nom == "JourneeButeur" ? 21 : 6, g,
                                saison);
    } else if (Nom == "JourneeSimple") {
        RemplitJournee(journee, saison, couleurs, g);
        imbrique = true;
    } else if (Nom == "JourneeSpectateur") {
        std::string resume;
        RemplitSpectateursJournee(journee, saison, resume, couleurs, g);
    } else if (Nom == "JourneeJoueurs") {
        static const char* const types[] = {"buteur", "averti", "exclus", "passeur", "essai", "transformation",
                                            "penalite", "drop"};
        int k = 1;
        for (int i = 0; i < 8; ++i)
            if (type == types[i])
                k = i + 1;
        RemplitJoueursJournee(journee, k, couleurs, g, saison);
        g.SetColWidths(1, 150);
        imbrique = true;
    } else if (Nom == "FormeEquipe") {
        RemplitFormeEquipe(saison, g, couleurs);
    } else if (Nom == "ComportementDomicile") {
        RemplitComportementDomicile(saison, g, couleurs);
    } else if (Nom == "ScoresFrequents") {
        RemplitScoresFrequents(saison, g, 2, -1, couleurs);
    } else if (Nom == "FourchetteClass") {
        RemplitFourchetteClassement(saison, g, couleurs);
    } else {
        const int k = type == "essai" ? 3 : type == "penalite" ? 4 : type == "drop" ? 5 : type == "rouge" ? 1 : 2;
        RemplitStatParJournee(k, saison, couleurs, true, g);
    }
    vues::EcritTable(g, Parametres, Resultat, imbrique);
}

void EnregistreFonctionsDiversStat()
{
    // "JourneeButeur" is served, not registered
    vues::EnregistreVue("Tf_DiversStat", [](TComponent* o) -> TForm* { return new Tf_DiversStat(o); },
                        {{"JourneeDetail", 0}, {"JourneeSpectateur", 0}, {"JourneeSimple", 0}, {"JourneeJoueurs", 0},
                                          {"JourneeRealisateur", 1}, {"FormeEquipe", 1}, {"ComportementDomicile", 1},
                                          {"ScoresFrequents", 1}, {"FourchetteClass", 1}, {"StatParJournee", 1}});
}

namespace {
const bool fonctionsEnregistrees = (EnregistreFonctionsDiversStat(), true);
}  // namespace
