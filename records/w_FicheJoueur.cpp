#include "records/w_FicheJoueur.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Mask.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/HtmlHelp.h"
#include "records/Controles.h"
#include "records/GrapheFiche.h"
#include "records/ImageManager.h"
#include "records/w_ImageManager.h"
#include "records/w_ajouthist.h"
#include "files/w_ChoixNoeud.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/NomSaisi.h"
#include "ui/Nombres.h"
#include "ui/FusionJoueurs.h"
#include "ui/message2.h"

using namespace ctrl;

namespace {

// What the statistics panel on the left takes beyond its first width.
constexpr int ElargissementStat = 40;
constexpr uint16_t Aucun = 0xFFFF;
// A new card named as a player: of another team (%s him, %s his teams, %s
// the team, %s the name typed); one a new player would be (him, his teams,
// the team); of the team (him, the team).
constexpr int TexteDejaLa = 5849, TexteSerait = 5850, TexteDansLEquipe = 5851;
}

namespace {

constexpr const char* MasqueDate = "!99/99/0000;1;_";
constexpr const char* DateVide = "  /  /    ";

bool EstChiffre(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

// What validation reads from the controls, checked before anything is written.
struct TSaisiesFiche
{
    uint8_t Age = 0;
    uint8_t Maillot = 0;
    uint8_t Anciennete = 0;
    uint8_t Contrat = 99;
    uint16_t Taille = 0;
    uint16_t Poids = 0;
    TDateTime Naissance = 0;
    uint16_t Selections = 0;
};

// ---- texts of the fields -------------------------------------------------------------------

std::string Tf_FicheJoueur::TexteContrat(int contrat)
{
    if (contrat == 0 || contrat == 99)
        return Texte(84);
    if (contrat == 98)
        return Texte(89);
    if (contrat == 1)
        return Texte(90);
    if (contrat >= 2 && contrat <= 90)
        return TraduireFormat(91, {IntToStr(contrat)});
    return {};
}

int Tf_FicheJoueur::ContratTexte(const std::string& texte)
{
    const std::string t = Trim(texte);
    if (t.empty() || t == Texte(84))
        return 99;
    if (t == Texte(89))
        return 98;
    if (EstChiffre(t[0]))
    {
        const int n = NombreDebut(t);
        if (n >= 1 && n <= 90)
            return n;
    }
    return 99;
}

std::string Tf_FicheJoueur::TexteSaison(int annee)
{
    const int suivante = (annee + 1) % 100;
    return IntToStr(annee) + "-" + (suivante < 10 ? "0" : "") + IntToStr(suivante);
}

// ---- construction --------------------------------------------------------------------------

Tf_FicheJoueur::Tf_FicheJoueur(TComponent* AOwner) : TFicheJoueurForm(AOwner)
{
    // The statistics panel as wide as its longest caption and figure beside
    // each other ("Réussite aux lancers francs  75,0 (77,8)").
    Dialogue(this, "f_FicheJoueur", false, 680 + ElargissementStat, 470);
    ConstruitControles();
}

Tf_FicheJoueur::~Tf_FicheJoueur() = default;

void Tf_FicheJoueur::ConstruitControles()
{
    FondCopie3 = Cadre(this, this, "FondCopie3", 8, 8, 210 + ElargissementStat, 300);
    Etiquette(this, FondCopie3, "Label5", 10, 6, 80, clYellow)->Font().SetStyle(fsBold);
    sb_Detail = new TSpeedButton(this);
    sb_Detail->SetName("sb_Detail");
    sb_Detail->SetHint(Texte(3921, L1("Voir le graphique detaillé des statistiques")));
    sb_Detail->SetCaption(Texte(3920, "Graphique"));
    sb_Detail->OnClick = [this](TObject* s) { sb_DetailClick(s); };
    sb_Detail->SetParent(FondCopie3);

    FondCopie5 = Cadre(this, this, "FondCopie5", 8, 314, 210 + ElargissementStat, 164);
    LibelleDetailButs = Etiquette(this, FondCopie5, "Label31x", 10, 4, 1185, clYellow);
    LibelleDetailButs->Font().SetStyle(fsBold);
    const char* const libelles[9] = {"Label29x", "Label32x", "Label35x", "Label36x", "Label39x",
                                     "Label40x", "Label43x", "Label42x", "Label46x"};
    const char* const valeurs[9] = {"Label30x", "Label33x", "Label34x", "Label37x", "Label38x",
                                    "Label41x", "Label44x", "Label45x", "Label47x"};
    const int textes[9] = {1181, 1182, 671, 672, 1183, 816, 981, 4900, 1184};
    for (int i = 0; i < 9; ++i)
    {
        const int y = 22 + 14 * i;
        LibellesButs[i] = Etiquette(this, FondCopie5, libelles[i], 8, y, textes[i]);
        LibellesButs[i]->Font().SetSize(7);
        BarresButs[i] = new TShape(this);
        BarresButs[i]->SetName("Shape" + IntToStr(i + 1));
        BarresButs[i]->SetBounds(110, y + 2, 0, 9);
        BarresButs[i]->Brush.SetColor(0xEE9C04);
        BarresButs[i]->SetParent(FondCopie5);
        ValeursButs[i] = Etiquette(this, FondCopie5, valeurs[i], 174, y, 0);
        ValeursButs[i]->Font().SetSize(7);
    }
    LegendeButs = Etiquette(this, FondCopie5, "Label48x", 8, 22 + 14 * 9, 5152, clYellow);
    LegendeButs->Font().SetSize(7);
    LegendeButs->SetVisible(false);

    pc_FicheJoueur = new TPageControl(this);
    pc_FicheJoueur->SetName("pc_FicheJoueur");
    pc_FicheJoueur->SetBounds(226 + ElargissementStat, 8, 446, 215);
    pc_FicheJoueur->SetStyle(tsButtons);
    pc_FicheJoueur->SetTabWidth(147);
    pc_FicheJoueur->SetParent(this);
    pc_FicheJoueur->OnChange = [this](TObject* s) { pc_FicheJoueurChange(s); };
    auto page = [this](const char* nom) {
        auto* t = new TTabSheet(this);
        t->SetName(nom);
        t->SetPageControl(pc_FicheJoueur);
        t->SetColor(CouleurFondFonceDessin);
        t->OnShow = [this](TObject* s) { pc_FicheJoueurChange(s); };
        return t;
    };
    ts_Generale = page("ts_Generale");
    ts_additionnal = page("ts_additionnal");
    ts_Carriere = page("ts_Carriere");
    auto fond = [this](TTabSheet* t, const char* nom) {
        TFondCopie* f = Cadre(this, t, nom, 0, 0, 420, 200);
        f->SetAlign(alClient);
        return f;
    };
    FondGenerale = fond(ts_Generale, "FondGenerale");
    FondAdditionnel = fond(ts_additionnal, "FondAdditionnel");
    FondCarriere = fond(ts_Carriere, "FondCarriere");

    // General page.
    Etiquette(this, FondGenerale, "Label1", 8, 11, 71);
    e_Nom = Saisie(this, FondGenerale, "e_Nom", 130, 8, 150);
    Etiquette(this, FondGenerale, "Label2", 8, 37, 72);
    e_Prenom = Saisie(this, FondGenerale, "e_Prenom", 130, 34, 150);
    Etiquette(this, FondGenerale, "Label3", 8, 63, 73);
    e_Age = Saisie(this, FondGenerale, "e_Age", 130, 60, 80);
    Etiquette(this, FondGenerale, "Label4", 8, 89, 74);
    cb_Poste = Liste(this, FondGenerale, "cb_Poste", 130, 86, 150);
    Etiquette(this, FondGenerale, "Label10", 8, 115, 790);
    e_NumMaillot = Saisie(this, FondGenerale, "e_NumMaillot", 130, 112, 50, ChiffresChamp(TChamp::JoueurMaillot));
    Etiquette(this, FondGenerale, "Label11", 8, 141, 304);
    cb_Nationalite = Combo98(this, FondGenerale, "cb_Nationalite", 130, 138, 150);
    LogoJoueur = new TLogo(this);
    LogoJoueur->SetName("LogoJoueur");
    LogoJoueur->SetBounds(310, 8, 120, 104);
    LogoJoueur->SetParent(FondGenerale);
    b_AddPicture = Bouton(this, FondGenerale, "b_AddPicture", 310, 118, 120, 932);
    b_DelPicture = Bouton(this, FondGenerale, "b_DelPicture", 310, 148, 120, 1070);
    b_AddPicture->OnClick = [this](TObject* s) { b_AddPictureClick(s); };
    b_DelPicture->OnClick = [this](TObject* s) { b_DelPictureClick(s); };

    // Additional page.
    Etiquette(this, FondAdditionnel, "Label12", 8, 11, 788);
    e_Anciennete = Saisie(this, FondAdditionnel, "e_Anciennete", 120, 8, 90);
    Etiquette(this, FondAdditionnel, "Label13a", 8, 37, 789);
    e_Duree = Saisie(this, FondAdditionnel, "e_Duree", 120, 34, 90);
    Etiquette(this, FondAdditionnel, "Label17", 8, 63, 1061);
    e_Taille = Saisie(this, FondAdditionnel, "e_Taille", 120, 60, 90);
    BorneChamp(e_Taille, TChamp::JoueurTaille);
    Etiquette(this, FondAdditionnel, "Label18", 8, 89, 1062);
    e_Poids = Saisie(this, FondAdditionnel, "e_Poids", 120, 86, 90);
    BorneChamp(e_Poids, TChamp::JoueurPoids);
    Etiquette(this, FondAdditionnel, "Label19", 8, 115, 1063);
    e_DateComplete = new TMaskEdit(this);
    e_DateComplete->SetName("e_DateComplete");
    e_DateComplete->SetBounds(120, 112, 90, 21);
    e_DateComplete->SetEditMask(MasqueDate);
    e_DateComplete->SetParent(FondAdditionnel);
    Etiquette(this, FondAdditionnel, "Label14a", 222, 11, 75);
    cb_ClubPrec = Combo98(this, FondAdditionnel, "cb_ClubPrec", 340, 8, 96);
    Etiquette(this, FondAdditionnel, "Label20", 222, 37, 1064);
    e_SelectionNat = Saisie(this, FondAdditionnel, "e_SelectionNat", 340, 34, 96);
    Etiquette(this, FondAdditionnel, "Label21", 222, 63, 1065);
    e_nSelection = Saisie(this, FondAdditionnel, "e_nSelection", 340, 60, 60);
    ud_nSelection = Compteur(this, FondAdditionnel, "ud_nSelection", e_nSelection, TChamp::JoueurSelections);
    l_Actuel = Etiquette(this, FondAdditionnel, "Label24", 222, 89, 1380);
    cb_Actuel = Combo98(this, FondAdditionnel, "cb_Actuel", 340, 86, 96);

    // Career page.
    Etiquette(this, FondCarriere, "Label25", 8, 4, 795, clYellow)->Font().SetStyle(fsBold);
    sg_Historique = new TColorStringGrid(this);
    sg_Historique->SetName("sg_Historique");
    sg_Historique->SetBounds(4, 22, 432, 180);
    sg_Historique->SetAutoResize(false);
    sg_Historique->SetParent(FondCarriere);
    sg_Historique->SetColCount(7);
    sg_Historique->SetRowCount(2);
    sg_Historique->SetFixedRows(1);
    sg_Historique->SetFixedCols(0);
    sg_Historique->SetDefaultRowHeight(18);
    // A line is chosen by click or by the arrow keys: Effacer removes that one.
    sg_Historique->SetOptions(sg_Historique->Options() | goRowSelect);
    sg_Historique->SetCouleurSelection(0x800000);
    sg_Historique->SetCouleurTexteSelection(0xFFFFFF);
    sg_Historique->SetSelectionVisible(true);
    const int entetes[7] = {350, 176, 604, 67, 68, 632, 68};
    for (int c = 0; c < 7; ++c)
        sg_Historique->RemplitCellule(c, 0, Texte(entetes[c]), 1, 1, clBlack, clWhite, false);
    LignesHistorique.resize(1);
    bc_Ajouter = Bouton(this, FondCarriere, "bc_Ajouter", 8, 208, 120, 932);
    bc_Effacer = Bouton(this, FondCarriere, "bc_Effacer", 136, 208, 120, 1070);
    bc_Ajouter->OnClick = [this](TObject* s) { bc_AjouterClick(s); };
    bc_Effacer->OnClick = [this](TObject* s) { bc_EffacerClick(s); };
    cb_ChoixChampStat = Liste(this, FondCarriere, "cb_ChoixChampStat", 8, 246, 270);
    cb_ChoixChampStat->OnChange = [this](TObject* s) { cb_ChoixChampStatChange(s); };
    b_ChoixChampStat = Bouton(this, FondCarriere, "b_ChoixChampStat", 286, 244, 126, 932);
    b_ChoixChampStat->OnClick = [this](TObject* s) { b_ChoixChampStatClick(s); };
    Etiquette(this, FondCarriere, "Label26", 8, 279, 67);
    e_Match = Saisie(this, FondCarriere, "e_Match", 120, 276, 60);
    BorneChamp(e_Match, TChamp::CarriereMatch);
    Etiquette(this, FondCarriere, "Label27", 8, 305, 68);
    e_Buts = Saisie(this, FondCarriere, "e_Buts", 120, 302, 60);
    BorneChamp(e_Buts, TChamp::CarriereBut);

    // The views over the pages: the match list and the graph.
    auto vue = [this](const char* nom) {
        auto* p = new TPanel(this);
        p->SetName(nom);
        p->SetBounds(226 + ElargissementStat, 8, 446, 414);
        p->SetBevelOuter(bvNone);
        p->SetColor(CouleurFondFonceDessin);
        p->SetVisible(false);
        p->SetParent(this);
        return p;
    };
    fs_Match = vue("fs_Match");
    sg_Match = new TColorStringGrid(this);
    sg_Match->SetName("sg_Match");
    sg_Match->SetBounds(0, 0, 446, 300);
    sg_Match->SetAutoResize(false);
    sg_Match->SetParent(fs_Match);
    sg_Match->SetColCount(5);
    sg_Match->SetFixedCols(0);
    sg_Match->SetDefaultRowHeight(20);
    fs_DetailJoueur = vue("fs_DetailJoueur");
    Graphe = new TGraphHorizontal(this);
    Graphe->SetName("Graphe");
    Graphe->SetBounds(10, 10, 426, 394);
    Graphe->SetAnchors(akLeft | akTop | akRight | akBottom);
    Graphe->SetParent(fs_DetailJoueur);

    b_aide = Bouton(this, this, "b_aide", 226 + ElargissementStat, 436, 100, 787);
    b_RetourFiche = Bouton(this, this, "b_RetourFiche", 334 + ElargissementStat, 436, 150, 786);
    b_Valider = Bouton(this, this, "b_Valider", 492 + ElargissementStat, 436, 86, 29, mrOk);
    b_Annuler = Bouton(this, this, "b_Annuler", 586 + ElargissementStat, 436, 86, 125, mrCancel);
    b_Valider->Default = true;
    b_Annuler->Cancel = true;
    b_aide->OnClick = [this](TObject* s) { b_aideClick(s); };
    b_RetourFiche->OnClick = [this](TObject* s) { b_RetourFicheClick(s); };
    b_Valider->OnClick = [this](TObject* s) { b_ValiderClick(s); };

    e_Age->OnKeyPress = [this](TObject* s, char& k) { e_AgeKeyPress(s, k); };
    e_Anciennete->OnKeyPress = [this](TObject* s, char& k) { e_AgeKeyPress(s, k); };
    e_Anciennete->OnEnter = [this](TObject*) {
        if (e_Anciennete->GetText() == Texte(84))
            e_Anciennete->SelectAll();
        else
            e_Anciennete->SetSelStart(4);
    };
    e_NumMaillot->OnKeyPress = [this](TObject* s, char& k) { e_NumMaillotKeyPress(s, k); };
    e_Duree->OnKeyPress = [this](TObject* s, char& k) { e_DureeKeyPress(s, k); };
    e_Duree->OnChange = [this](TObject* s) { e_DureeChange(s); };
    e_Duree->OnClick = [this](TObject*) { e_Duree->SelectAll(); };
    for (TEdit* e : {e_Taille, e_Poids, e_nSelection, e_Match, e_Buts})
        e->OnKeyPress = [this](TObject* s, char& k) { e_ChiffresKeyPress(s, k); };
    // Every number of the card read alike: an emptied box is 0 (unknown,
    // none), anything else is the number shown within what the player keeps,
    // or refused with a word.
    const std::string inconnu = Texte(84);
    nombres::TLecture annee = nombres::Annee(0), maillot = nombres::Nombre(0, 255, 0);
    annee.mots = {{inconnu, 0}, {"0", 0}};
    maillot.mots = {{"-", 0}};
    for (TEdit* e : {e_Age, e_Anciennete})
        nombres::Declare(e, annee);
    nombres::Declare(e_NumMaillot, maillot);
    for (auto [e, champ] : {std::pair{e_Taille, TChamp::JoueurTaille}, std::pair{e_Poids, TChamp::JoueurPoids},
                            std::pair{e_nSelection, TChamp::JoueurSelections}, std::pair{e_Match, TChamp::CarriereMatch},
                            std::pair{e_Buts, TChamp::CarriereBut}})
        nombres::Declare(e, nombres::Nombre(static_cast<int>(Champ(champ).bas), static_cast<int>(Champ(champ).haut), 0));
}

void Tf_FicheJoueur::ConstruitLignesStat(const std::vector<TLigneStatFiche>& lignes)
{
    LignesStat = lignes;
    for (size_t i = 0; i < lignes.size(); ++i)
    {
        const TLigneStatFiche& l = lignes[i];
        const int y = 28 + 21 * static_cast<int>(i);
        LibellesStat.push_back(Etiquette(this, FondCopie3, "Label" + IntToStr(6 + static_cast<int>(i)) + "s", 8, y, l.Texte));
        LibellesStat.back()->Font().SetSize(8);
        // each figure ends at its button
        const int bouton = 186 + ElargissementStat;
        TLabel* valeur = Etiquette(this, FondCopie3, l.Valeur, bouton - 64, y, 0);
        valeur->SetAlignment(taRightJustify);
        valeur->SetBounds(bouton - 64, y, 60, valeur->Height());
        ValeursStat.push_back(valeur);
        auto* b = new TSpeedButton(this);
        b->SetName(l.Bouton);
        b->SetBounds(bouton, y - 2, 20, 18);
        b->SetCaption(">");
        b->Tag = l.Numero;
        b->OnClick = [this](TObject* s) { s1Click(s); };
        b->SetParent(FondCopie3);
        BoutonsStat.push_back(b);
    }
    PlaceLignesStat(false);
}

void Tf_FicheJoueur::PlaceLignesStat(bool gardien)
{
    int n = 0;
    for (size_t i = 0; i < LignesStat.size(); ++i)
    {
        const bool montre = gardien || !LignesStat[i].Gardien;
        LibellesStat[i]->SetVisible(montre);
        ValeursStat[i]->SetVisible(montre);
        if (!montre)
        {
            BoutonsStat[i]->SetVisible(false);
            continue;
        }
        const int y = 28 + 21 * n++;
        LibellesStat[i]->SetTop(y);
        ValeursStat[i]->SetTop(y);
        BoutonsStat[i]->SetTop(y - 2);
    }
    const int bas = 28 + 21 * n;
    sb_Detail->SetBounds(10, bas + 4, 190, 22);
    FondCopie3->SetHeight(bas + 32);
    FondCopie5->SetTop(FondCopie3->Top() + FondCopie3->Height() + 6);
    FondCopie5->SetHeight(std::min(164, ClientHeight() - FondCopie5->Top() - 4));
}

void Tf_FicheJoueur::ChangePostes(std::span<const int> textes)
{
    cb_Poste->Items().Clear();
    for (int t : textes)
        cb_Poste->Items().Add(Texte(t));
}

void Tf_FicheJoueur::TraduitLibelles()
{
    // One player's position: the singular of each line.
    static constexpr int postes[] = {5202, 5203, 5204, 5205};
    ChangePostes(postes);
    for (size_t i = 0; i < LignesStat.size(); ++i)
        LibellesStat[i]->SetCaption(Texte(LignesStat[i].Texte));
    ts_Generale->SetCaption(Texte(1066));
    ts_additionnal->SetCaption(Texte(1067));
    ts_Carriere->SetCaption(Texte(69));
}

void Tf_FicheJoueur::Termine()
{
    // The career's figures columns as wide as their headings, the sport's
    // own given: the two name columns give up what they take.
    int largeurs[7] = {50, 125, 120, 35, 25, 25, 25};
    TBitmap mesure(1, 1);
    mesure.Canvas().Font = sg_Historique->Font();
    int pris = 0;
    for (int c = 3; c < 7; ++c)
    {
        const int w = std::max(largeurs[c], mesure.Canvas().TextWidth(sg_Historique->LitCellule(c, 0)) + 10);
        pris += w - largeurs[c];
        largeurs[c] = w;
    }
    largeurs[1] -= pris / 2;
    largeurs[2] -= pris - pris / 2;
    for (int c = 0; c < 7; ++c)
        sg_Historique->SetColWidths(c, largeurs[c]);
    TraduitLibelles();
    construit_ = true;
}

void Tf_FicheJoueur::AppliqueCouleurs()
{
    TFicheJoueurForm::AppliqueCouleurs();
    if (LogoJoueur)
    {
        LogoJoueur->CouleurFond = Couleurs.fondfonce;
        LogoJoueur->CouleurBord = Couleurs.fondfonce;
        LogoJoueur->Invalidate();
    }
}

void Tf_FicheJoueur::ChangeSaison(TSaison* saison)
{
    TFicheJoueurForm::ChangeSaison(saison);
    const TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    ModeNational = c && (c->Types() & TDonneesChampionnat::TypeInternational) != 0;
    AnneeSaison = c ? static_cast<int16_t>(c->Option(8)) : 0;
}

void Tf_FicheJoueur::ChangeJoueur(int32_t codeChampionnat, TJoueur* joueur)
{
    ChampionnatCode = codeChampionnat;
    Joueur = joueur;
}

void Tf_FicheJoueur::ChangeJoueurPris(int32_t codeChampionnat, TJoueur* joueur)
{
    ChampionnatCode = codeChampionnat;
    Joueur = nullptr;
    JoueurTrouve = joueur;
}

// ---- showing ---------------------------------------------------------------------------------

void Tf_FicheJoueur::DoShow()
{
    NomModifie = false;
    Chargement = true;
    b_RetourFicheClick(nullptr);
    RemplitClubsPrec(cb_ClubPrec->Items(), Saison);
    cb_Nationalite->Items().Clear();
    cb_Actuel->Items().Clear();
    if (Saison)
    {
        for (int i = 0; i < Saison->Pays().NbPays(); ++i)
            if (!Saison->Pays().NomPays(i).empty())
                cb_Nationalite->Items().AddObject(Saison->Pays().NomPays(i), i);
    }
    ModeStat = (Tag & 0x10000) ? 1 : 2;
    FondCopie3->SetVisible(ModeStat == 1);
    FondCopie5->SetVisible(ModeStat == 1 && GrapheDisponible);
    l_Actuel->SetVisible(ModeNational);
    cb_Actuel->SetVisible(ModeNational);
    if (ModeNational && Saison)
        for (int i = 0; i < Saison->NbEquipe(); ++i)
        {
            const int id = Saison->IdEquipe(i);
            cb_Actuel->Items().AddObject(Saison->NomEquipe(id), id);
        }
    if (Joueur)
    {
        if (Saison)
            Saison->CalculeStatJoueurs();
        AfficheJoueur(Joueur);
    }
    else if (JoueurTrouve)
    {
        if (Saison)
            Saison->CalculeStatJoueurs();
        MontrePris();
    }
    else
    {
        PlaceLignesStat(false);
        for (TSpeedButton* b : BoutonsStat)
            b->SetVisible(false);
        sb_Detail->SetVisible(false);
        Titre = Texte(88);
        SetCaption(Titre);
        e_Nom->SetText("");
        e_Prenom->SetText("");
        e_Age->SetText(Texte(84));
        e_Match->SetText("0");
        e_Buts->SetText("0");
        e_NumMaillot->SetText("-");
        for (TLabel* l : ValeursStat)
            l->SetCaption("0");
        e_Anciennete->SetText((Tag & 0x80000) ? Texte(84) : IntToStr(AnneeSaison + 1900));
        e_Duree->SetText(Texte(84));
        cb_ClubPrec->SetText(Texte(84));
        if (PosteDefaut >= 0 && PosteDefaut < cb_Poste->Items().Count())
            cb_Poste->SetItemIndex(PosteDefaut);
        e_DateComplete->SetText("");
    }
    pc_FicheJoueur->SetActivePageIndex(0);
    pc_FicheJoueurChange(nullptr);
    TFicheJoueurForm::DoShow();
    if (e_Nom->CanFocus())
        e_Nom->SetFocus();
    Chargement = false;
}

void Tf_FicheJoueur::AfficheJoueur(TJoueur* joueur)
{
    if (!joueur || !Saison)
        return;
    const bool avant = Chargement;
    Chargement = true;
    Libelle = joueur->NomEquipes(Saison->ChampionnatCourant());
    Titre = TraduireFormat(83, {joueur->Prenom, joueur->Nom, Libelle});
    SetCaption(Titre);
    e_Nom->SetText(joueur->Nom);
    e_Prenom->SetText(joueur->Prenom);
    e_Age->SetText(joueur->Age == 0 ? Texte(84) : IntToStr(joueur->Age + 1900));
    cb_Poste->SetItemIndex(joueur->NumeroPoste() - 1);
    const int maillot = ModeNational ? joueur->MaillotNational : joueur->Maillot;
    e_NumMaillot->SetText(maillot == 0 ? std::string("-") : IntToStr(maillot));
    MontreNumero(*cb_Nationalite, joueur->CodePays,
                 joueur->CodePays == Aucun ? std::string() : Saison->Pays().NomPays(joueur->CodePays));
    ImageJoueur = joueur->Image;
    LogoJoueur->ChangeImage(ImageJoueur > 0 && ImageManager() ? ImageManager()->ChargeImage(imageJoueur, ImageJoueur)
                                                              : nullptr);
    e_Anciennete->SetText(joueur->Duree == 0 ? Texte(84) : IntToStr(joueur->Duree + 1900));
    MontreNumero(*cb_ClubPrec, joueur->ClubPrec, Saison->NomClubPrec(joueur->ClubPrec));
    e_Duree->SetText(TexteContrat(joueur->Contrat));
    e_Taille->SetText(joueur->Taille == 0 ? std::string() : IntToStr(joueur->Taille));
    e_Poids->SetText(joueur->Poids == 0 ? std::string() : IntToStr(joueur->Poids));
    const TDateTime d = joueur->DateNaissance;
    e_DateComplete->SetText(d == 0 || d == 2 ? std::string() : FormatDateTime("dd/mm/yyyy", d));
    e_SelectionNat->SetText(joueur->SelectionNationale);
    ud_nSelection->SetPosition(joueur->nSelectionNationale);
    e_nSelection->SetText(IntToStr(joueur->nSelectionNationale));
    if (ModeNational)
        cb_Actuel->SetText(Saison->NomEquipe(joueur->ClubActuel));

    sg_Historique->SetRowCount(2);
    LignesHistorique.clear();
    LignesHistorique.resize(1);
    for (int c = 0; c < 7; ++c)
        sg_Historique->RemplitCellule(c, 1, "", 1, 1, clBlack, clWhite, false);
    for (int i = 0; i < joueur->NbHistorique(); ++i)
    {
        sg_Historique->SetRowCount(i + 2);
        LignesHistorique.resize(static_cast<size_t>(i + 1));
        LignesHistorique[static_cast<size_t>(i)] = std::make_unique<TLigneCarriere>(TLigneCarriere{{*joueur->Historique(i)}, {}});
        AfficheLigneHistorique(i + 1);
    }
    RemplitChampStat(joueur);

    // Season panel.
    const bool gardien = EstGardien(joueur);
    PlaceLignesStat(gardien);
    for (size_t i = 0; i < LignesStat.size(); ++i)
    {
        long champ = 0, total = 0, att = 0, attTotal = 0;
        ValeursLigne(LignesStat[i], champ, total, att, attTotal);
        ValeursStat[i]->SetCaption(TexteLigne(LignesStat[i]));
        BoutonsStat[i]->SetVisible((gardien || !LignesStat[i].Gardien) &&
                                   (LignesStat[i].Lecture == TLigneStatFiche::Pourcentage ? attTotal > 0 : total > 0));
    }
    bool detail = false;
    if (GrapheDisponible && ChampionnatCode >= 0)
    {
        const auto c = static_cast<uint32_t>(ChampionnatCode);
        detail = joueur->NbMatch(c) || joueur->Stat(c, 1) || joueur->NbAvertissement(c) || joueur->NbExpulsion(c);
        if (joueur->Sport() == sportRugby)
            for (int k = 2; k <= 4; ++k)
                detail = detail || joueur->Stat(c, k);
    }
    sb_Detail->SetVisible(detail);
    if (GrapheDisponible)
        CompteStatButs();
    Chargement = avant;
}

bool Tf_FicheJoueur::UnSeulChampionnat() const
{
    return !Saison || Saison->Arbre().ListeChampionnats().size() <= 1;
}

void Tf_FicheJoueur::ValeursLigne(const TLigneStatFiche& l, long& champ, long& total, long& att, long& attTotal) const
{
    const TJoueur* j = Joueur;
    champ = total = att = attTotal = 0;
    if (!j)
        return;
    const auto c = static_cast<uint32_t>(std::max<int32_t>(ChampionnatCode, 0));
    switch (l.Lecture)
    {
    case TLigneStatFiche::Matchs:
        champ = j->NbMatch(c), total = j->TotalMatch();
        break;
    case TLigneStatFiche::Stat:
        champ = j->Stat(c, l.Genre), total = j->StatTotale(l.Genre);
        break;
    case TLigneStatFiche::Avertissements:
        champ = j->NbAvertissement(c), total = j->TotalAvertissement();
        break;
    case TLigneStatFiche::Expulsions:
        champ = j->NbExpulsion(c), total = j->TotalExpulsion();
        break;
    case TLigneStatFiche::Passes:
        if (const auto* f = dynamic_cast<const TJoueurFootball*>(j))
            champ = f->NbPasse(c), total = f->TotalPasse();
        break;
    case TLigneStatFiche::Pourcentage:
        champ = j->Stat(c, l.Genre), total = j->StatTotale(l.Genre);
        att = j->Stat(c, l.Genre2), attTotal = j->StatTotale(l.Genre2);
        break;
    case TLigneStatFiche::Somme:
        champ = j->Stat(c, l.Genre) + j->Stat(c, l.Genre2);
        total = static_cast<long>(j->StatTotale(l.Genre) + j->StatTotale(l.Genre2));
        break;
    }
}

std::string Tf_FicheJoueur::TexteLigne(const TLigneStatFiche& l) const
{
    long champ = 0, total = 0, att = 0, attTotal = 0;
    ValeursLigne(l, champ, total, att, attTotal);
    const bool parChamp = ChampionnatCode >= 0 && !UnSeulChampionnat();
    if (l.Lecture == TLigneStatFiche::Pourcentage)
    {
        auto pct = [](long m, long a) { return TexteTaux(m, a, 1); };
        if (!parChamp || (champ == total && att == attTotal))
            return pct(total, attTotal);
        return pct(champ, att) + " (" + pct(total, attTotal) + ")";
    }
    if (!parChamp || champ == total)
        return IntToStr(parChamp ? champ : total);
    return IntToStr(champ) + " (" + IntToStr(total) + ")";
}

void Tf_FicheJoueur::AfficheLigneHistorique(int ligne)
{
    const TLigneCarriere* h = static_cast<size_t>(ligne - 1) < LignesHistorique.size()
                                   ? LignesHistorique[static_cast<size_t>(ligne - 1)].get()
                                   : nullptr;
    TColor texte = clBlack, fond = clWhite;
    CouleursLigne(ligne, texte, fond, false);
    if (!h)
    {
        for (int c = 0; c < 7; ++c)
            sg_Historique->RemplitCellule(c, ligne, "", 1, 1, texte, fond, false);
        return;
    }
    const TLectureParam* p = LectureParamMulti() ? LectureParamMulti()->ParamCourant() : nullptr;
    const std::string cellules[7] = {TexteSaison(h->StatAnnee),
                                     !h->ClubNouveau.empty() ? h->ClubNouveau
                                     : Saison                ? Saison->NomClubPrec(h->Equipe)
                                                             : std::string(),
                                     p ? p->NomDivision(h->Division) : std::string(),
                                     IntToStr(h->StatMatch),
                                     IntToStr(h->StatBut),
                                     IntToStr(h->StatMatchInter),
                                     IntToStr(h->StatButInter)};
    for (int c = 0; c < 7; ++c)
        sg_Historique->RemplitCellule(c, ligne, cellules[c], c == 0 || c >= 3 ? 1 : 0, 1, texte, fond, false);
}

// ---- career per championship -----------------------------------------------------------------

void Tf_FicheJoueur::CompteSaison(const TJoueur* joueur, uint32_t code, int& matchs, std::array<int32_t, 4>& v) const
{
    matchs = 0;
    v.fill(0);
    if (!Saison || !Saison->Arbre().ChampionnatParCode(static_cast<int32_t>(code)))
        return;
    matchs = joueur->NbMatch(code);
    v[0] = static_cast<int32_t>(joueur->Buts(code));
}

void Tf_FicheJoueur::RemplitChampStat(TJoueur* joueur)
{
    Carrieres.clear();
    cb_ChoixChampStat->Items().Clear();
    for (int i = 0; i < joueur->NbStatCarriere(); ++i)
    {
        TCarriereFiche f;
        int32_t matchs = 0;
        std::array<int32_t, 4> valeurs{};
        if (!joueur->CarriereIndex(i, f.Code, valeurs, matchs))
            break;
        int sm = 0;
        std::array<int32_t, 4> sv{};
        CompteSaison(joueur, f.Code, sm, sv);
        f.Matchs = matchs + sm >= 65535 ? sm : matchs + sm;
        for (int k = 0; k < 4; ++k)
            f.Valeurs[static_cast<size_t>(k)] = valeurs[static_cast<size_t>(k)] + sv[static_cast<size_t>(k)];
        Carrieres.push_back(f);
        cb_ChoixChampStat->Items().Add(Saison ? Saison->NomStatChamp(static_cast<int>(f.Code)) : std::string());
    }
    DernierChampStat = -1;
    if (!Carrieres.empty())
    {
        cb_ChoixChampStat->SetItemIndex(0);
        AfficheChampStat(0);
    }
}

void Tf_FicheJoueur::AfficheChampStat(int index)
{
    if (index < 0 || index >= static_cast<int>(Carrieres.size()))
        return;
    TCarriereFiche& f = Carrieres[static_cast<size_t>(index)];
    e_Match->SetText(IntToStr(f.Matchs));
    e_Buts->SetText(IntToStr(f.Valeurs[0]));
    EchangeStatSport(f, 2);
    DernierChampStat = index;
}

void Tf_FicheJoueur::cb_ChoixChampStatChange(TObject*)
{
    if (DernierChampStat >= 0 && DernierChampStat < static_cast<int>(Carrieres.size()))
    {
        TCarriereFiche& f = Carrieres[static_cast<size_t>(DernierChampStat)];
        f.Matchs = nombres::Valeur(e_Match).value_or(f.Matchs);
        f.Valeurs[0] = nombres::Valeur(e_Buts).value_or(f.Valeurs[0]);
        EchangeStatSport(f, 1);
    }
    AfficheChampStat(cb_ChoixChampStat->ItemIndex());
}

void Tf_FicheJoueur::EchangeStatSport(TCarriereFiche&, int) {}

bool Tf_FicheJoueur::EnregistreCarriere(TJoueur* joueur)
{
    bool change = false;
    const int n = NbValeursCarriere();
    for (const TCarriereFiche& f : Carrieres)
    {
        int32_t matchs = 0;
        std::array<int32_t, 4> stockes{};
        joueur->CarriereChamp(f.Code, stockes, matchs);
        int sm = 0;
        std::array<int32_t, 4> sv{};
        CompteSaison(joueur, f.Code, sm, sv);
        int nouveauxMatchs = matchs;
        std::array<int32_t, 4> nouveaux = stockes;
        if (matchs + sm != f.Matchs)
            nouveauxMatchs = std::max(f.Matchs - sm, 0);
        for (int k = 0; k < n; ++k)
        {
            const auto i = static_cast<size_t>(k);
            if (stockes[i] + sv[i] != f.Valeurs[i])
                nouveaux[i] = std::max(f.Valeurs[i] - sv[i], 0);
        }
        if (nouveauxMatchs != matchs || nouveaux != stockes)
        {
            joueur->SetCarriere(f.Code, nouveauxMatchs, nouveaux);
            change = true;
        }
    }
    return change;
}

void Tf_FicheJoueur::b_ChoixChampStatClick(TObject*)
{
    if (!Saison)
        return;
    // The template picker lists the divisions of the sport's templates, its
    // first entry left out.
    TOwned<Tf_ChoixNoeud> choix(new Tf_ChoixNoeud(this));
    choix->ChangeCouleurs(Couleurs);
    choix->ChangeSaison(Saison);
    choix->RemplitListe(true);
    choix->RetirePremier();
    if (choix->ShowModal() != mrOk || choix->Choix < 0)
        return;
    // The season lists the championship once the card is validated.
    std::string nom;
    bool connu = false;
    const int id = Saison->StatChampPrevu(choix->Choix, -1, nom, connu);
    for (size_t i = 0; i < Carrieres.size(); ++i)
        if (Carrieres[i].Code == static_cast<uint32_t>(id))
        {
            cb_ChoixChampStat->SetItemIndex(static_cast<int>(i));
            cb_ChoixChampStatChange(nullptr);
            return;
        }
    TCarriereFiche f;
    f.Code = static_cast<uint32_t>(id);
    if (!connu)
        f.Modele = choix->Choix;
    Carrieres.push_back(f);
    cb_ChoixChampStat->Items().Add(nom);
    cb_ChoixChampStat->SetItemIndex(static_cast<int>(Carrieres.size()) - 1);
    cb_ChoixChampStatChange(nullptr);
}

// ---- key filters -----------------------------------------------------------------------------

void Tf_FicheJoueur::e_AgeKeyPress(TObject* Sender, char& Key)
{
    auto* e = dynamic_cast<TEdit*>(Sender);
    if (!e)
        return;
    if (e->GetText() == Texte(84))
        e->SetText("");
    if (Key == 'I' || Key == 'i')
    {
        e->SetText(Texte(84));
        Key = 0;
        return;
    }
    if (Key != 8 && Key != '.' && !EstChiffre(Key))
        Key = 0;
    // Four digits of a year, of birth or joined (the unknown text is longer).
    if (EstChiffre(Key) && e->SelLength() == 0 && static_cast<int>(e->GetText().size()) >= 4)
        Key = 0;
}

void Tf_FicheJoueur::e_NumMaillotKeyPress(TObject*, char& Key)
{
    if (e_NumMaillot->GetText() == "-")
        e_NumMaillot->SetText("");
    if (Key != 8 && Key != '.' && !EstChiffre(Key))
        Key = 0;
}

void Tf_FicheJoueur::e_ChiffresKeyPress(TObject*, char& Key)
{
    if (Key != 8 && Key != '.' && !EstChiffre(Key))
        Key = 0;
}

void Tf_FicheJoueur::e_DureeKeyPress(TObject*, char& Key)
{
    if (Key == 8 || Key == '.' || EstChiffre(Key) || std::string_view("ISis").find(Key) != std::string_view::npos)
    {
        const std::string avant = e_Duree->GetText();
        // A digit after a digit makes a two-digit number; any other key replaces the text.
        if (EstChiffre(Key) && avant.size() == 1 && EstChiffre(avant[0]))
            e_Duree->SetText(avant + Key);
        else
            e_Duree->SetText(Key == 8 ? std::string() : std::string(1, Key));
    }
    Key = 0;
}

void Tf_FicheJoueur::e_DureeChange(TObject*)
{
    if (Chargement)
        return;
    const std::string t = e_Duree->GetText();
    std::string nouveau = t;
    if (t == "s" || t == "S")
        nouveau = Texte(89);
    else if (t == "i" || t == "I")
        nouveau = Texte(84);
    else if (t.size() == 1 || t.size() == 2)
    {
        const int n = StrToIntDef(t, 0);
        nouveau = n == 0 ? Texte(89) : n == 1 ? Texte(90) : n <= 90 ? TraduireFormat(91, {t}) : t;
    }
    if (nouveau != t)
    {
        Chargement = true;
        e_Duree->SetText(nouveau);
        Chargement = false;
    }
    e_Duree->SelectAll();
}

// ---- a new card named as a player of the season ------------------------------------------------

Tf_FicheJoueur::TPrise Tf_FicheJoueur::PrendHomonyme(int club)
{
    // A name is taken for another player's only once it is validated, and
    // only after a question naming him: never while it is typed.
    TJoueurs& joueurs = Saison->Joueurs();
    const std::string nom = Trim(e_Nom->GetText()), prenom = Trim(e_Prenom->GetText());
    const int equipe = Tag & 0xFFFF;
    // A new player of that name and club would be filed as he is.
    TJoueur* meme = joueurs.Homonyme(nullptr, nom, prenom, club);
    TJoueur* trouve = meme ? meme : joueurs.ChercheJoueurNom(nom, prenom);
    if (!trouve)
        return TPrise::Nouveau;
    const bool dans = (ModeNational ? trouve->EquipeNational : trouve->ClubActuel) == equipe;
    const std::string lui = trouve->NomComplet(), equipes = trouve->NomEquipes(Saison->ChampionnatCourant());
    const std::string ici = Saison->NomEquipe(equipe);
    int reponse = mrCancel;
    if (dans)
        reponse = Tf_MessageUtil::Affiche(TraduireFormat(TexteDansLEquipe, {lui, ici}), mbuOui | mbuAnnuler);
    else if (meme)
        reponse = Tf_MessageUtil::Affiche(TraduireFormat(TexteSerait, {lui, equipes, ici}), mbuOui | mbuAnnuler);
    else
        reponse = Tf_MessageUtil::Affiche(TraduireFormat(TexteDejaLa, {lui, equipes, ici, Trim(prenom + " " + nom)}),
                                          mbuOui | mbuNon | mbuAnnuler);
    if (reponse == mrNo && !dans && !meme)
        return TPrise::Nouveau;
    if (reponse != mrYes)
        return TPrise::Annulee;
    JoueurTrouve = trouve;
    MontrePris();
    return TPrise::Reprise;
}

void Tf_FicheJoueur::MontrePris()
{
    // The card shows him as validating it makes him: his club's player, or
    // the national team's; nothing of him changes before that.
    TJoueur* trouve = JoueurTrouve;
    if (!trouve || !Saison)
        return;
    const int equipe = Tag & 0xFFFF;
    const bool dans = (ModeNational ? trouve->EquipeNational : trouve->ClubActuel) == equipe;
    AfficheJoueur(trouve);
    if (!ModeNational && !dans)
    {
        const std::string quitte = trouve->ClubActuel < Aucun ? Saison->NomEquipe(trouve->ClubActuel) : std::string();
        if (!quitte.empty())
        {
            cb_ClubPrec->SetItemIndex(-1);
            cb_ClubPrec->SetText(quitte);
        }
        e_Anciennete->SetText(IntToStr(AnneeSaison + 1900));
    }
}

// ---- validation --------------------------------------------------------------------------------

bool Tf_FicheJoueur::LitSaisies(std::string& erreur, TSaisiesFiche& s) const
{
    // The boxes were weighed by their readings (CompteursRemplis): a year
    // is stored from 1900, 1900 itself and the unknown word as 0.
    auto annee = [](const TEdit* e, uint8_t& octet) {
        const int n = nombres::Valeur(e).value_or(0);
        octet = static_cast<uint8_t>(n >= 1900 ? n - 1900 : 0);
    };
    annee(e_Age, s.Age);
    annee(e_Anciennete, s.Anciennete);
    s.Maillot = static_cast<uint8_t>(nombres::Valeur(e_NumMaillot).value_or(0));
    s.Contrat = static_cast<uint8_t>(ContratTexte(e_Duree->GetText()));
    s.Taille = static_cast<uint16_t>(nombres::Valeur(e_Taille).value_or(0));
    s.Poids = static_cast<uint16_t>(nombres::Valeur(e_Poids).value_or(0));
    s.Selections = static_cast<uint16_t>(nombres::Valeur(e_nSelection).value_or(0));
    std::string date = e_DateComplete->EditText();
    // The mask's blanks, shown as "_" or " ".
    for (char& c : date)
        if (c == '_')
            c = ' ';
    if (date == DateVide || Trim(StringReplace(date, "/", "", true)).empty())
        s.Naissance = 0;
    else
    {
        const int j = StrToIntDef(Trim(date.substr(0, 2)), 0), m = StrToIntDef(Trim(date.substr(3, 2)), 0),
                  a = StrToIntDef(Trim(date.substr(6)), 0);
        TDateTime d = 0;
        if (!TryEncodeDate(a, m, j, d))
        {
            erreur = TraduireFormat(3307, {date});
            return false;
        }
        s.Naissance = d;
    }
    return true;
}

void Tf_FicheJoueur::b_ValiderClick(TObject*)
{
    if (!Saison)
        return;
    // A number or year box refused is said, and focused: nothing is written.
    if (!CompteursRemplis())
    {
        SetModalResult(mrNone);
        return;
    }
    TSaisiesFiche s;
    std::string erreur;
    if (!LitSaisies(erreur, s))
    {
        // Nothing is written: the card stays open.
        SetModalResult(mrNone);
        Tf_MessageUtil::Affiche(erreur, 1);
        return;
    }
    // The club of a national-team player: a team picked, or a name typed (a
    // team of that name once the user says so; "no" leaves the box to be
    // changed, the card open).
    const TNomDesigne club = ModeNational ? NomDesigne(*cb_Actuel) : TNomDesigne{};
    if (club.Genre == TGenreNom::Refuse)
    {
        SetModalResult(mrNone);
        if (cb_Actuel->CanFocus())
            cb_Actuel->SetFocus();
        return;
    }
    TJoueurs& joueurs = Saison->Joueurs();
    const int equipe = Tag & 0xFFFF;
    const int poste = cb_Poste->ItemIndex() + 1;
    // The club he will have: a national-team player's from the box (none for
    // a team still to be made, which no one has yet), else the squad's.
    int clubFinal = equipe;
    if (ModeNational)
        clubFinal = club.Genre == TGenreNom::Entree    ? static_cast<int>(cb_Actuel->Items().Objects(club.Index))
                    : club.Genre == TGenreNom::Nouveau ? -2
                                                       : Aucun;
    if (!Joueur && !JoueurTrouve)
    {
        if (Trim(e_Nom->GetText()).empty())
        {
            Tag = 255;
            return;
        }
        const TPrise prise = PrendHomonyme(clubFinal);
        if (prise != TPrise::Nouveau)
        {
            // His card is shown to be validated, or this one stays as typed.
            SetModalResult(mrNone);
            return;
        }
    }
    // Named as another player of the club he will have, he would become that
    // one: only once the user, asked naming both, says so.
    if (TJoueur* actuel = Joueur ? Joueur : JoueurTrouve)
    {
        const int clubVenu = ModeNational ? clubFinal : Joueur ? actuel->ClubActuel : equipe;
        const int clubAvant = actuel->ClubActuel;
        const bool renomme = actuel->Nom != e_Nom->GetText() || actuel->Prenom != e_Prenom->GetText();
        TJoueur* autre = joueurs.Homonyme(actuel, Trim(e_Nom->GetText()), Trim(e_Prenom->GetText()), clubVenu);
        if (autre && (renomme || clubVenu != clubAvant) && !AccepteFusion(*Saison, *actuel, *autre))
        {
            SetModalResult(mrNone);
            return;
        }
    }
    bool change = false;
    std::unique_ptr<TJoueur> nouveau;
    TJoueur* j = Joueur;
    if (j)
        change = (poste > 0 && poste != j->NumeroPoste()) || SansAccent(j->Nom) != SansAccent(e_Nom->GetText());
    else if (JoueurTrouve)
    {
        // The player taken: into the national team, or into the club (what
        // the card shows of his move is written below).
        if (ModeNational && JoueurTrouve->EquipeNational != equipe)
        {
            joueurs.ChangeEquipeNationale(JoueurTrouve, equipe);
            change = true;
        }
        else if (!ModeNational && JoueurTrouve->ClubActuel != equipe)
        {
            std::unique_ptr<TJoueur> p = joueurs.RetireJoueur(JoueurTrouve);
            p->ClubActuel = static_cast<uint16_t>(equipe);
            JoueurTrouve = joueurs.AjouteJoueur(std::move(p));
            change = true;
        }
        j = JoueurTrouve;
        Joueur = j;
    }
    else
    {
        nouveau = Saison->CreeJoueur("", "", -1, equipe);
        nouveau->EquipeNational = ModeNational ? static_cast<uint16_t>(equipe) : Aucun;
        nouveau->ClubActuel = ModeNational ? Aucun : static_cast<uint16_t>(equipe);
        nouveau->Numero = -1;
        j = nouveau.get();
        change = true;
    }
    auto ecrit = [&change](auto& champ, auto valeur) {
        if (champ != valeur)
        {
            champ = valeur;
            change = true;
        }
    };
    if (j->Nom != e_Nom->GetText())
    {
        j->Nom = e_Nom->GetText();
        NomModifie = true;
    }
    // Either name files the player again (the list is sorted by both).
    if (j->Prenom != e_Prenom->GetText())
    {
        j->Prenom = e_Prenom->GetText();
        NomModifie = true;
    }
    ecrit(j->Age, s.Age);
    if (ModeNational)
        ecrit(j->MaillotNational, s.Maillot);
    else
        ecrit(j->Maillot, s.Maillot);
    cb_ChoixChampStatChange(nullptr);
    // The championships picked on the card join the season's list now.
    for (TCarriereFiche& f : Carrieres)
        if (f.Modele >= 0)
        {
            f.Code = static_cast<uint32_t>(Saison->EnregistreStatChamp(f.Modele, -1));
            f.Modele = -1;
            change = true;
        }
    change = EnregistreCarriere(j) || change;
    ecrit(j->Duree, s.Anciennete);
    const std::string prec = Trim(cb_ClubPrec->GetText());
    // A club or a country picked from its list is that one; a name typed goes by its name.
    const int choisi = NumeroChoisi(*cb_ClubPrec);
    ecrit(j->ClubPrec, Saison->ClubPrecNomme(choisi, prec == Texte(84) ? std::string() : prec, j->ClubPrec));
    // A national-team player's club; he is filed under it once written.
    bool refile = false;
    if (ModeNational)
    {
        const int actuel = club.Genre == TGenreNom::Nouveau ? Saison->AjouteEquipe(club.Texte, -1, 0, true) : clubFinal;
        if (actuel != j->ClubActuel)
        {
            change = refile = true;
            j->ClubActuel = static_cast<uint16_t>(actuel);
        }
    }
    const std::string pays = Trim(cb_Nationalite->GetText());
    const int paysChoisi = NumeroChoisi(*cb_Nationalite);
    ecrit(j->CodePays, paysChoisi >= 0 ? static_cast<uint16_t>(paysChoisi)
                       : pays.empty()  ? static_cast<uint16_t>(Aucun)
                                       : Saison->Pays().CherchePays(pays));
    ecrit(j->Contrat, s.Contrat);
    if (poste > 0 && poste != j->NumeroPoste())
    {
        j->SetPosteNumero(poste);
        change = true;
    }
    ecrit(j->Taille, s.Taille);
    ecrit(j->Poids, s.Poids);
    ecrit(j->DateNaissance, s.Naissance);
    ecrit(j->SelectionNationale, e_SelectionNat->GetText());
    ecrit(j->nSelectionNationale, s.Selections);
    ecrit(j->Image, ImageJoueur);
    if (CarriereModifiee)
    {
        // The new clubs the lines name join the season's previous clubs now,
        // one for each name.
        j->VideHistorique();
        for (const auto& h : LignesHistorique)
            if (h)
            {
                if (!h->ClubNouveau.empty())
                {
                    h->Equipe = Saison->ChercheClubPrec(h->ClubNouveau, true);
                    h->ClubNouveau.clear();
                }
                j->AjouteHistorique(*h);
            }
        change = true;
    }
    // Filed at his place; named or moved as a player the user agreed to
    // make him, he is that one now (what he held and the other lacks goes
    // over).
    if (nouveau)
        j = joueurs.InsereJoueur(std::move(nouveau), nullptr);
    else if (NomModifie || refile)
        j = joueurs.RangeJoueur(j);
    Joueur = j;
    Tag = change || NomModifie ? 1 : 0;
}

// ---- career lines ------------------------------------------------------------------------------

void Tf_FicheJoueur::bc_AjouterClick(TObject*)
{
    if (!Saison)
        return;
    TOwned<Tf_ajouthist> d(new Tf_ajouthist(this));
    d->ChangeCouleurs(Couleurs);
    d->ChangeSaison(Saison);
    int division = -1;
    if (Joueur)
    {
        const std::vector<int> codes = Saison->ListeCodesDivision(Joueur->IdEquipe());
        if (!codes.empty())
            division = codes.front();
    }
    d->Init(Saison, division);
    // The new clubs of the lines not yet validated are entries too.
    for (const auto& h : LignesHistorique)
        if (h && !h->ClubNouveau.empty())
            d->AjouteClubNouveau(h->ClubNouveau);
    if (Joueur)
        d->ProposeClub(Saison->NomEquipe(Joueur->IdEquipe()));
    while (d->ShowModal() == mrOk)
    {
        auto h = std::make_unique<TLigneCarriere>();
        h->StatAnnee = d->ud_Saison->Position();
        const int i = d->cb_Division->ItemIndex();
        h->Division = i >= 0 ? static_cast<int32_t>(d->cb_Division->Items().Objects(i)) : -1;
        // A club picked, or typed and said to be that one; a new name is a
        // new previous club, made when the card is validated.
        const TNomDesigne& club = d->Club;
        if (club.Genre == TGenreNom::Entree && d->EstClubNouveau(club.Index))
            h->ClubNouveau = d->cb_Actuel->Items()[club.Index];
        else if (club.Genre == TGenreNom::Entree)
            h->Equipe = static_cast<int32_t>(d->cb_Actuel->Items().Objects(club.Index));
        else if (const std::string nom = NomGarde(SansAccent(club.Texte)); !nom.empty())
        {
            h->ClubNouveau = nom;
            d->AjouteClubNouveau(nom);
        }
        h->StatMatch = d->ud_Matchs->Position();
        h->StatBut = d->ud_Buts->Position();
        h->StatMatchInter = d->ud_MatchsSel->Position();
        h->StatButInter = d->ud_ButsSel->Position();
        int ligne = 1;
        if (LignesHistorique.size() == 1 && !LignesHistorique[0])
            LignesHistorique[0] = std::move(h);
        else
        {
            LignesHistorique.push_back(std::move(h));
            ligne = static_cast<int>(LignesHistorique.size());
            sg_Historique->SetRowCount(ligne + 1);
        }
        AfficheLigneHistorique(ligne);
        CarriereModifiee = true;
        if (!d->cb_InsereAutre->Checked())
            break;
        d->ud_Saison->SetPosition(d->ud_Saison->Position() - 1);
    }
}

void Tf_FicheJoueur::bc_EffacerClick(TObject*)
{
    const int ligne = sg_Historique->Row();
    if (ligne < 1 || static_cast<size_t>(ligne) > LignesHistorique.size() || !LignesHistorique[static_cast<size_t>(ligne - 1)])
        return;
    if (LignesHistorique.size() == 1)
        LignesHistorique[0].reset();
    else
    {
        LignesHistorique.erase(LignesHistorique.begin() + (ligne - 1));
        for (int r = ligne; r <= static_cast<int>(LignesHistorique.size()); ++r)
            AfficheLigneHistorique(r);
        sg_Historique->SetRowCount(static_cast<int>(LignesHistorique.size()) + 1);
    }
    if (LignesHistorique.size() == 1)
        AfficheLigneHistorique(1);
    CarriereModifiee = true;
}

// ---- photo ---------------------------------------------------------------------------------------

void Tf_FicheJoueur::b_AddPictureClick(TObject*)
{
    int32_t id = ImageJoueur;
    if (!ChoisitPhoto(this, Couleurs, imageJoueur, id))
        return;
    ImageJoueur = id;
    LogoJoueur->ChangeImage(ImageManager() ? ImageManager()->ChargeImage(imageJoueur, id) : nullptr);
}

void Tf_FicheJoueur::b_DelPictureClick(TObject*)
{
    ImageJoueur = 0;
    LogoJoueur->ChangeImage(nullptr);
}

// ---- views ---------------------------------------------------------------------------------------

void Tf_FicheJoueur::pc_FicheJoueurChange(TObject* Sender)
{
    auto* page = dynamic_cast<TTabSheet*>(Sender);
    if (!page)
        page = pc_FicheJoueur->ActivePage();
    pc_FicheJoueur->SetHeight(page == ts_Carriere ? HauteurCarriere : 215);
}

void Tf_FicheJoueur::MontreVue(TWinControl* vue, const std::string& titre)
{
    b_Valider->SetVisible(false);
    b_Annuler->SetVisible(false);
    b_RetourFiche->SetVisible(true);
    pc_FicheJoueur->SetVisible(false);
    fs_Match->SetVisible(vue == fs_Match);
    fs_DetailJoueur->SetVisible(vue == fs_DetailJoueur);
    if (!titre.empty())
        SetCaption(titre);
    vue->Invalidate();
}

void Tf_FicheJoueur::s1Click(TObject* Sender)
{
    auto* b = dynamic_cast<TComponent*>(Sender);
    if (!b || !Joueur)
        return;
    MontreVue(fs_Match, AfficheDetailStat(static_cast<int>(b->Tag)));
}

void Tf_FicheJoueur::sb_DetailClick(TObject*)
{
    if (!Joueur || !Saison)
        return;
    TDonneesChampionnat* c = Saison->Arbre().ChampionnatParCode(ChampionnatCode);
    if (!c)
        c = Saison->ChampionnatCourant();
    RemplitGraphe(c, Joueur->IdEquipe(), Joueur->Numero);
    MontreVue(fs_DetailJoueur, {});
}

void Tf_FicheJoueur::b_RetourFicheClick(TObject*)
{
    fs_Match->SetVisible(false);
    fs_DetailJoueur->SetVisible(false);
    b_Valider->SetVisible(true);
    b_Annuler->SetVisible(true);
    pc_FicheJoueur->SetVisible(true);
    b_RetourFiche->SetVisible(false);
    if (!Titre.empty())
        SetCaption(Titre);
}

void Tf_FicheJoueur::b_aideClick(TObject*)
{
    HtmlHelpA(nullptr, (Application ? Application->HelpFile : std::string()) + "::/html/menueff.htm",
              HH_DISPLAY_TOPIC, 0);
}
