#include "results/w_FicheArbitre.h"

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/DescTree.h"
#include "model/ListeDonnees.h"
#include "model/Personnels.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "results/OutilsFiches.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/NomSaisi.h"
#include "ui/message2.h"
#include "views/Textes.h"

using vues::Texte;

namespace {

constexpr int GenreArbitre = 1;
constexpr int TexteNomManquant = 3490;
constexpr int TexteHomonyme = 3491;
constexpr int TextePenaltys = 940;

TServicesPhotos& Photos()
{
    static TServicesPhotos services;
    return services;
}

// The referee figures of a sport: captions of the averages, grid headers of
// columns 2 and 3, the kind counted as penalties (0 none), the kinds of the
// averages (0: the bookings and sendings-off counters), and the caption and
// grid header of the penalties, named as the sport names them (rugby's
// penalty kicks at goal, handball's 7-metre throws).
struct TParamArbitre
{
    int Libelle1, Libelle2, Entete1, Entete2, Penalty, Moyenne1, Moyenne2, LibellePenalty, EntetePenalty;
};

TParamArbitre ParamSport(int sport)
{
    switch (sport) {
    // basketball: fouls and players fouled out, averages on the card, counts
    // in the matches list
    case 1: return {305, 306, 310, 311, 1, 0, 0, 4500, 4500};
    case 2: return {4941, 4942, 650, 648, 0, 0, 0, TextePenaltys, 302};
    case 3: return {1524, 1525, 1500, 1493, 24, 33, 34, 5820, 1498};
    default: return {305, 306, 310, 311, 1, 0, 0, TextePenaltys, 302};
    }
}

// a, then " (b)" when the two differ.
std::string Combine(const std::string& a, const std::string& b) { return a == b ? a : a + " (" + b + ")"; }

// Per match, rounded once from the counts as the referee ranking rounds it;
// "-" without a match.
std::string Moyenne(uint32_t compte, uint32_t matchs, int decimales) { return TexteQuotient(compte, matchs, decimales); }

TBoutonCopie* Bouton(TComponent* owner, TWinControl* parent, const std::string& nom, const std::string& texte,
                     int x, int y, int w, int h)
{
    auto* b = new TBoutonCopie(owner);
    b->SetName(nom);
    if (Dessin)
        b->SetModele(Dessin->Bouton("BoutonOrange"));
    b->SetCaption(texte);
    b->Font().SetStyle(fsBold);
    b->SetBounds(x, y, w, h);
    b->SetParent(parent);
    return b;
}

}  // namespace

void EnregistreServicesPhotos(TServicesPhotos services) { Photos() = std::move(services); }

Tf_FicheArbitre::Tf_FicheArbitre(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_FicheArbitre");
    SetCaption(L1("Fiche de l'arbitre"));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(475);
    SetClientHeight(315);

    auto fond = [this](const std::string& nom, int y, int h) {
        auto* f = new TFondCopie(this);
        f->SetName(nom);
        if (Dessin)
            f->SetModele(Dessin->Fond("FondMenuBleu"));
        f->SetBounds(5, y, 465, h);
        f->SetParent(this);
        return f;
    };
    FondCopie4 = fond("FondCopie4", 5, 182);
    auto edition = [this](const std::string& nom, int y) {
        auto* e = new TEdit(this);
        e->SetName(nom);
        e->SetBounds(110, y, 180, 22);
        e->SetParent(FondCopie4);
        return e;
    };
    Label1 = EtiquetteFiche(this, FondCopie4, "Label1", 16, 24, 90, "Nom");
    e_Nom = edition("e_Nom", 20);
    Label2 = EtiquetteFiche(this, FondCopie4, "Label2", 16, 58, 90, L1("Prénom"));
    e_Prenom = edition("e_Prenom", 54);
    Label11 = EtiquetteFiche(this, FondCopie4, "Label11", 16, 92, 90, L1("Nationalité"));
    cb_Pays = new TComboBox98(this);
    cb_Pays->SetName("cb_Pays");
    cb_Pays->SetSorted(true);
    cb_Pays->SetBounds(110, 88, 180, 22);
    cb_Pays->SetParent(FondCopie4);
    LogoJoueur = new TLogo(this);
    LogoJoueur->SetName("LogoJoueur");
    LogoJoueur->SetBounds(318, 12, 133, 157);
    LogoJoueur->SetParent(FondCopie4);
    b_AddPicture = Bouton(this, FondCopie4, "b_AddPicture", "+", 286, 122, 26, 22);
    b_DelPicture = Bouton(this, FondCopie4, "b_DelPicture", "-", 286, 148, 26, 22);
    b_AddPicture->OnClick = [this](TObject* s) { b_AddPictureClick(s); };
    b_DelPicture->OnClick = [this](TObject* s) { b_DelPictureClick(s); };

    FondCopie3 = fond("FondCopie3", 190, 97);
    Label20 = EtiquetteFiche(this, FondCopie3, "Label20", 16, 8, 200, "Cette saison");
    Label20->Font().SetColor(clYellow);
    Label6 = EtiquetteFiche(this, FondCopie3, "Label6", 16, 26, 200, "Matchs");
    s1 = Bouton(this, FondCopie3, "s1", "...", 230, 25, 24, 18);
    s1->OnClick = [this](TObject* s) { s1Click(s); };
    l_Matchs = EtiquetteFiche(this, FondCopie3, "l_Matchs", 300, 26, 150, "0", clWhite, true, taRightJustify);
    Label3 = EtiquetteFiche(this, FondCopie3, "Label3", 16, 42, 250, L1("Penaltys sifflés"));
    l_Penalty = EtiquetteFiche(this, FondCopie3, "l_Penalty", 300, 42, 150, "0", clWhite, true, taRightJustify);
    Label7 = EtiquetteFiche(this, FondCopie3, "Label7", 16, 58, 250, "Moyenne cartons jaunes");
    l_Cj = EtiquetteFiche(this, FondCopie3, "l_Cj", 300, 58, 150, "0", clWhite, true, taRightJustify);
    Label8 = EtiquetteFiche(this, FondCopie3, "Label8", 16, 74, 250, "Moyenne cartons rouges");
    l_Cr = EtiquetteFiche(this, FondCopie3, "l_Cr", 300, 74, 150, "0", clWhite, true, taRightJustify);

    fs_Match = new TFondScroll(this);
    fs_Match->SetName("fs_Match");
    if (Dessin) {
        fs_Match->SetModele(Dessin->Fond("FondMenuBleu"));
        fs_Match->SetModeleScroll(Dessin->Fond("FondToutBleu"));
    }
    fs_Match->SetScrollHorizontal(false);
    fs_Match->SetAlign(alTop);
    fs_Match->SetHeight(281);
    fs_Match->SetVisible(false);
    fs_Match->SetParent(this);
    sg_Match = new TColorStringGrid(this);
    sg_Match->SetName("sg_Match");
    sg_Match->SetBorderStyle(bsNone);
    sg_Match->SetScrollBars(ssNone);
    sg_Match->SetFixedCols(0);
    sg_Match->SetSelectionVisible(false);
    sg_Match->SetAutoResize(false);
    sg_Match->ChangeHauteurLignes(20);
    sg_Match->SetLeft(0);
    sg_Match->SetTop(0);
    fs_Match->InsereControle(sg_Match);

    b_Valider = Bouton(this, this, "b_Valider", Texte(29, "Valider"), 140, 290, 90, 22);
    b_Valider->Default = true;
    b_Valider->OnClick = [this](TObject* s) {
        if (b_ValiderClick(s))
            SetModalResult(mrOk);
    };
    b_Annuler = Bouton(this, this, "b_Annuler", Texte(125, "Annuler"), 245, 290, 90, 22);
    b_Annuler->Cancel = true;
    b_Annuler->ModalResult = mrCancel;
    b_RetourFiche = Bouton(this, this, "b_RetourFiche", Texte(786, L1("Retour à la fiche")), 170, 290, 135, 22);
    b_RetourFiche->OnClick = [this](TObject* s) { b_RetourFicheClick(s); };

    Label1->SetCaption(Texte(71, "Nom"));
    Label2->SetCaption(Texte(72, L1("Prénom")));
    Label11->SetCaption(Texte(304, L1("Nationalité")));
    Label6->SetCaption(Texte(67, "Matchs"));
    Label20->SetCaption(Texte(80, "Cette saison"));
    Label3->SetCaption(Texte(TextePenaltys, L1("Penaltys sifflés")));
    OnShow = [this](TObject* s) { FormShow(s); };
    DoCreate();
}

void Tf_FicheArbitre::ChangeSaison(TSaison* saison)
{
    TBrivantelForm::ChangeSaison(saison);
    const TParamArbitre p = ParamSport(saison ? saison->Sport() : 0);
    Label7->SetCaption(Traduire(p.Libelle1));
    Label8->SetCaption(Traduire(p.Libelle2));
    Label3->SetCaption(Traduire(p.LibellePenalty));
    Label3->SetVisible(p.Penalty != 0);
    l_Penalty->SetVisible(p.Penalty != 0);
}

void Tf_FicheArbitre::AppliqueCouleurs()
{
    TBrivantelForm::AppliqueCouleurs();
    LogoJoueur->CouleurBord = *Couleurs.Couleur(1);
    LogoJoueur->CouleurFond = *Couleurs.Couleur(1);
    LogoJoueur->Invalidate();
}

void Tf_FicheArbitre::FormShow(TObject*)
{
    const int sport = Saison ? Saison->Sport() : 0;
    const TParamArbitre p = ParamSport(sport);
    const bool cinq = sport == 0 || sport == 1 || sport == 3;
    sg_Match->SetColCount(cinq ? 5 : 4);
    sg_Match->SetRowCount(1);
    const int entetes[5] = {85, 309, p.Entete1, p.Entete2, p.EntetePenalty};
    // the matchday and figure columns as wide as their headings, in the
    // grid's bold font
    TBitmap mesure(1, 1);
    TCanvas& canvas = mesure.Canvas();
    canvas.Font = sg_Match->Font();
    canvas.Font.SetStyle(fsBold);
    int largeurs[5] = {40, 200, 65, 65, 65};
    int total = 0;
    for (int k = 0; k < sg_Match->ColCount(); ++k) {
        if (k == 0 || (k >= 2 && (k < 4 || p.Penalty)))
            largeurs[k] = std::max(largeurs[k], canvas.TextWidth(Traduire(entetes[k])) + 8);
        total += largeurs[k] + 1;
    }
    // the match column gives up what the headings need, down to 150; past
    // that the list scrolls sideways
    const int place = fs_Match->ClientWidth() - 20;
    if (total > place && place > 0) {
        const int rendu = std::min(total - place, largeurs[1] - 150);
        largeurs[1] -= rendu;
        total -= rendu;
    }
    fs_Match->SetScrollHorizontal(place > 0 && total > place);
    for (int k = 0; k < sg_Match->ColCount(); ++k)
        sg_Match->SetColWidths(k, largeurs[k]);
    sg_Match->SetWidth(total);
    for (int k = 0; k < sg_Match->ColCount(); ++k)
        sg_Match->RemplitCellule(k, 0, k == 4 && !p.Penalty ? std::string() : Traduire(entetes[k]), 1, 1,
                                 Couleurs.CouleurTexteTitreTableau, clWhite, true);
    b_RetourFicheClick(nullptr);
    AfficheArbitre();
}

void Tf_FicheArbitre::AfficheArbitre()
{
    TStringList pays;
    if (Saison)
        Saison->Pays().Remplit(pays);
    cb_Pays->Items().Clear();
    for (int i = 0; i < pays.Count(); ++i)
        cb_Pays->Items().AddObject(pays[i], static_cast<TStrings::Object>(pays.Objects(i)));
    if (!Arbitre) {
        // "Name First name", as the referee boxes list them: the last word is
        // the first name.
        const std::string propose = Trim(NomPropose);
        const size_t blanc = propose.rfind(' ');
        e_Nom->SetText(blanc == std::string::npos ? propose : Trim(propose.substr(0, blanc)));
        e_Prenom->SetText(blanc == std::string::npos ? std::string() : propose.substr(blanc + 1));
        SetCaption(TraduireFormat(312, {std::string(), std::string()}));
        for (TLabel* l : {l_Matchs, l_Penalty, l_Cj, l_Cr})
            l->SetCaption("-");
        s1->SetVisible(false);
        ChargePhoto(0);
        return;
    }
    e_Nom->SetText(Arbitre->Nom);
    e_Prenom->SetText(Arbitre->Prenom);
    if (Arbitre->CodePays != TPersonnel::Aucun && Saison)
        MontreNumero(*cb_Pays, Arbitre->CodePays, Saison->Pays().NomPays(Arbitre->CodePays));
    SetCaption(TraduireFormat(312, {Arbitre->Nom, Arbitre->Prenom}));

    const TParamArbitre p = ParamSport(Saison ? Saison->Sport() : 0);
    auto compte1 = [&](uint32_t c) {
        return p.Moyenne1 ? Arbitre->Stat(c, p.Moyenne1) : Arbitre->NbAvertissement(c);
    };
    auto compte2 = [&](uint32_t c) { return p.Moyenne2 ? Arbitre->Stat(c, p.Moyenne2) : Arbitre->NbExpulsion(c); };
    const uint32_t total1 = p.Moyenne1 ? Arbitre->StatTotale(p.Moyenne1) : Arbitre->TotalAvertissement();
    const uint32_t total2 = p.Moyenne2 ? Arbitre->StatTotale(p.Moyenne2) : Arbitre->TotalExpulsion();
    const uint32_t matchs = Arbitre->TotalMatch();
    if (CodeChampionnat >= 0 && Saison && Saison->Arbre().PlusieursChampionnats()) {
        const auto c = static_cast<uint32_t>(CodeChampionnat);
        const uint32_t matchsChamp = Arbitre->NbMatch(c);
        l_Matchs->SetCaption(Combine(IntToStr(matchsChamp), IntToStr(static_cast<int>(matchs))));
        if (p.Penalty)
            l_Penalty->SetCaption(Combine(IntToStr(Arbitre->Stat(c, p.Penalty)),
                                          IntToStr(static_cast<int>(Arbitre->StatTotale(p.Penalty)))));
        l_Cj->SetCaption(Combine(Moyenne(compte1(c), matchsChamp, 1), Moyenne(total1, matchs, 1)));
        l_Cr->SetCaption(Combine(Moyenne(compte2(c), matchsChamp, 1), Moyenne(total2, matchs, 1)));
    } else {
        l_Matchs->SetCaption(IntToStr(static_cast<int>(matchs)));
        if (p.Penalty)
            l_Penalty->SetCaption(IntToStr(static_cast<int>(Arbitre->StatTotale(p.Penalty))));
        l_Cj->SetCaption(Moyenne(total1, matchs, 2));
        l_Cr->SetCaption(Moyenne(total2, matchs, 2));
    }
    s1->SetVisible(matchs > 0);
    ChargePhoto(Arbitre->Image);
}

void Tf_FicheArbitre::ChargePhoto(int32_t id)
{
    LogoJoueur->Tag = id;
    std::unique_ptr<TGraphic> image;
    if (id > 0 && Photos().Charge)
        image = Photos().Charge(GenreArbitre, id);
    LogoJoueur->ChangeImage(std::move(image));
}

void Tf_FicheArbitre::AfficheMatchs()
{
    if (!Arbitre || !Saison)
        return;
    const int sport = Saison->Sport();
    const bool plusieurs = Saison->Arbre().PlusieursChampionnats();
    int ligne = 1;
    sg_Match->SetRowCount(1);
    auto cellules = [&](int row, const std::vector<std::string>& textes, TColor texte, TColor fond) {
        for (int k = 0; k < sg_Match->ColCount(); ++k)
            sg_Match->RemplitCellule(k, row, k < static_cast<int>(textes.size()) ? textes[static_cast<size_t>(k)]
                                                                                 : std::string(),
                                     k == 1 ? 0 : 1, 1, texte, fond, false);
    };
    for (TDonneesChampionnat* c : Saison->Arbre().ListeChampionnats()) {
        const auto code = static_cast<uint32_t>(c->CodeChamp);
        if (Arbitre->NbMatch(code) == 0)
            continue;
        if (plusieurs) {
            sg_Match->SetRowCount(ligne + 1);
            // a scheme without separator colours: the title colours
            const bool sep = Couleurs.CouleurTexteLigneSepTableau != Couleurs.CouleurFondLigneSepTableau;
            cellules(ligne, {std::string(), Saison->Arbre().NomCode(c->CodeChamp)},
                     sep ? Couleurs.CouleurTexteLigneSepTableau : Couleurs.CouleurTexteTitreTableau,
                     sep ? Couleurs.CouleurFondLigneSepTableau : clWhite);
            ++ligne;
        }
        auto* stat = dynamic_cast<TDonneesChampionnatStat*>(c);
        for (int n = 1; n <= c->DerniereJournee; ++n)
            for (int m = 1; m <= c->NbMatchJournee(n); ++m) {
                bool officie = false;
                for (int k = 1; k <= 3; ++k)
                    officie = officie || c->OfficielMatch(n, m, k) == Arbitre->Numero;
                if (!officie)
                    continue;
                const int d = c->ValeurMatch(n, 4 * m - 3), e = c->ValeurMatch(n, 4 * m - 1);
                int v[3] = {0, 0, 0};
                auto pourEquipes = [&](TListeDonnees* l, auto&& f) {
                    for (int i = 0; l && i < l->Nombre(); ++i) {
                        const TDonneesEvt* x = l->Donnee(i);
                        if (x->IdEquipe() == d || x->IdEquipe() == e)
                            f(*x);
                    }
                };
                if (sport == 2) {
                    pourEquipes(stat ? stat->ListeStat(n, 16) : nullptr, [&](const TDonneesEvt& x) {
                        v[0] += x.Mot();
                        v[1] += x.Mot() >= 5 ? 1 : 0;
                    });
                } else if (sport == 3) {
                    for (int k = 0; k < 3; ++k)
                        pourEquipes(stat ? stat->ListeStat(n, k == 0 ? 33 : k == 1 ? 34 : 24) : nullptr,
                                    [&](const TDonneesEvt& x) { v[k] += x.Mot(); });
                } else {
                    pourEquipes(c->ListeAvertis(n), [&](const TDonneesEvt& x) { ++v[(x.Mot() & 0x80) ? 1 : 0]; });
                    // rugby: its penalty goals and the missed kicks of the scoring list
                    const uint16_t penalty = sport == 1 ? evtHorsScore : evt100 | evtHorsScore;
                    pourEquipes(c->ListeButeurs(n), [&](const TDonneesEvt& x) {
                        v[2] += (x.Mot() & penalty) ? 1 : 0;
                    });
                    if (sport == 1)
                        pourEquipes(c->ListeDonnees(5, n), [&](const TDonneesEvt&) { ++v[2]; });
                }
                TColor texte = 0, fond = 0;
                CouleursLigne(ligne, texte, fond, false);
                sg_Match->SetRowCount(ligne + 1);
                std::vector<std::string> t = {IntToStr(n), Saison->NomEquipeComplet(d, c) + " - " +
                                                               Saison->NomEquipeComplet(e, c),
                                              IntToStr(v[0]), IntToStr(v[1])};
                if (sg_Match->ColCount() == 5)
                    t.push_back(IntToStr(v[2]));
                cellules(ligne, t, texte, fond);
                ++ligne;
            }
    }
    sg_Match->SetHeight(sg_Match->RowCount() * 21 + 1);
    fs_Match->Ajuste();
    b_Valider->SetVisible(false);
    b_Annuler->SetVisible(false);
    b_RetourFiche->SetVisible(true);
    fs_Match->SetVisible(true);
    fs_Match->BringToFront();
}

void Tf_FicheArbitre::s1Click(TObject*) { AfficheMatchs(); }

void Tf_FicheArbitre::b_RetourFicheClick(TObject*)
{
    fs_Match->SetVisible(false);
    b_Valider->SetVisible(true);
    b_Annuler->SetVisible(true);
    b_RetourFiche->SetVisible(false);
}

void Tf_FicheArbitre::b_AddPictureClick(TObject*)
{
    if (!Photos().Choisit) {
        Tf_MessageUtil::Affiche(Traduire(3004), 4);
        return;
    }
    auto id = static_cast<int32_t>(LogoJoueur->Tag);
    if (Photos().Choisit(this, Couleurs, GenreArbitre, id))
        ChargePhoto(id);
}

void Tf_FicheArbitre::b_DelPictureClick(TObject*) { ChargePhoto(0); }

bool Tf_FicheArbitre::b_ValiderClick(TObject*)
{
    if (!Saison)
        return false;
    const std::string nom = Trim(e_Nom->GetText()), prenom = Trim(e_Prenom->GetText());
    if (nom.empty()) {
        Tf_MessageUtil::Affiche(Traduire(TexteNomManquant), 4);
        return false;
    }
    TPersonnels& arbitres = Saison->Arbitres();
    const TPersonnel* homonyme = arbitres.ChercheNom(nom, prenom);
    if (homonyme && homonyme != Arbitre) {
        Tf_MessageUtil::Affiche(TraduireFormat(TexteHomonyme, {homonyme->NomComplet()}), 4);
        return false;
    }
    TPersonnelStat* a = Arbitre;
    if (!a) {
        nouveau_ = std::make_unique<TPersonnelStat>();
        a = nouveau_.get();
    }
    Modifie = NomModifie = 0;
    if (a->Nom != nom) {
        a->Nom = nom;
        Modifie = NomModifie = 1;
    }
    if (a->Prenom != prenom) {
        a->Prenom = prenom;
        Modifie = 1;
    }
    const std::string pays = Trim(cb_Pays->GetText());
    // A country picked from the list is that one; a name typed goes by its name.
    const int choisi = NumeroChoisi(*cb_Pays);
    const uint16_t code = choisi >= 0    ? static_cast<uint16_t>(choisi)
                          : pays.empty() ? TPersonnel::Aucun
                                         : Saison->Pays().CherchePays(pays);
    if (a->CodePays != code) {
        a->CodePays = code;
        Modifie = 1;
    }
    if (a->Image != LogoJoueur->Tag) {
        a->Image = static_cast<int32_t>(LogoJoueur->Tag);
        Modifie = 1;
    }
    if (Modifie || nouveau_) {
        std::unique_ptr<TPersonnel> p = nouveau_ ? std::move(nouveau_) : arbitres.RetirePersonnel(a);
        int index = -1;
        if (p)
            arbitres.AjoutePersonnel(std::move(p), nullptr, nullptr, &index);
        Position = index;
        Modifie = 1;
    } else
        Position = arbitres.IndexPersonnel(a);
    Arbitre = a;
    return true;
}

TPersonnelStat* OuvreFicheArbitre(TComponent* owner, const TCouleurElement& couleurs, TSaison* saison,
                                  int32_t codeChampionnat, TPersonnelStat* arbitre, int* position,
                                  const std::string& nomPropose)
{
    if (!saison)
        return nullptr;
    TOwned<Tf_FicheArbitre> f(new Tf_FicheArbitre(owner));
    f->ChangeCouleurs(couleurs);
    f->ChangeSaison(saison);
    f->CodeChampionnat = codeChampionnat;
    f->Arbitre = arbitre;
    f->NomPropose = nomPropose;
    if (f->ShowModal() != mrOk)
        return nullptr;
    if (position)
        *position = f->Position;
    return f->Arbitre;
}
