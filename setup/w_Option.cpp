#include "setup/w_Option.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "model/Championnat.h"
#include "model/Championnat_Maintenance.h"
#include "model/DescTree.h"
#include "model/LectureParametre.h"
#include "model/NomJournee.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Mask.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "model/TableauCoupe.h"
#include "results/Saisie.h"
#include "setup/Controles.h"
#include "setup/w_AppliquerOptions.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/Nombres.h"
#include "ui/message2.h"

using namespace setup;

namespace {

// Texts of the questions and refusals of this window.
constexpr int TexteJourneesRetirees = 6030;   // %s championship, %d count before, %d count after
constexpr int TexteJourneeMatchs = 6031;     // %d matchday, %s its matches
constexpr int TexteJourneeEtats = 6032;      // %d matchday holding match states only
constexpr int TexteQuestionJournees = 6033;
constexpr int TexteQuestionChangements = 6034;
constexpr int TexteReductionCompositions = 3531;   // %s championship
constexpr int TexteCodeCriteresRefuse = 3750;      // %s the typed code
constexpr int TexteCodePersoRefuse = 3751;         // %s the typed code
constexpr int TexteAucunCritere = 4350;            // %s the criteria that will apply
// The question's head naming the matchdays above nbJour that would go, with
// their matches ("Lens 2 - 1 Lille"), ten matchdays at most.
std::string TexteJourneesPerdues(const TSaison& saison, const TDonneesChampionnat& c, int nbJour,
                                 const std::vector<int>& perdues)
{
    constexpr size_t Montrees = 10;
    std::string texte =
        TraduireFormat(TexteJourneesRetirees, {saison.Arbre().NomCompletCode(c.CodeChamp), c.NbJour(), nbJour});
    for (size_t i = 0; i < perdues.size() && i < Montrees; ++i) {
        std::string matchs;
        if (const TInfoCompJour* j = c.Journee(perdues[i]))
            for (int m = 0; m < j->NbMatchs(); ++m) {
                const TInfoComp* x = j->Match(m);
                std::string match = saison.NomEquipe(x->IdEquipe(0)) + ' ';
                if (x->ScoresSaisis())
                    match += IntToStr(x->Score(0) & 0x7FFF) + "\xA0-\xA0" + IntToStr(x->Score(1) & 0x7FFF);
                else
                    match += '-';
                matchs += (matchs.empty() ? "" : ", ") + match + ' ' + saison.NomEquipe(x->IdEquipe(1));
            }
        texte += '\n' + (matchs.empty() ? TraduireFormat(TexteJourneeEtats, {perdues[i]})
                                         : TraduireFormat(TexteJourneeMatchs, {perdues[i], matchs}));
    }
    if (perdues.size() > Montrees)
        texte += '\n' + TraduireNombre(5584, 5973, static_cast<int>(perdues.size() - Montrees));
    return texte;
}

// The order of a championship that names none (what a file reads back then).
const std::string OrdreDefaut = "ac";

TTabSheet* Page(TPageControl* pc, TComponent* owner, const std::string& nom, int texte)
{
    auto* t = new TTabSheet(owner);
    t->SetName(nom);
    t->SetPageControl(pc);
    t->SetCaption(Traduire(texte));
    return t;
}

int Borne(int v, int a, int b) { return std::clamp(v, a, b); }

}  // namespace

int Tf_Option::Position(const TUpDown* u)
{
    if (!u)
        return 0;
    const int a = std::min(u->Min, u->Max), b = std::max(u->Min, u->Max);
    if (const TWinControl* e = u->Associate())
        return Borne(StrToIntDef(Trim(e->Text()), u->Position()), a, b);
    return u->Position();
}

// ---- creation ---------------------------------------------------------------------------------

Tf_Option::Tf_Option(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Cree();
}

Tf_Option::~Tf_Option()
{
    LibereTranches(0);
}

TUpDown* Tf_Option::Nombre(TWinControl* parent, const std::string& nom, int x, int y, int min, int max, int defaut,
                           int largeur)
{
    auto* e = Place(new TEdit(this), parent, nom + "_Edit", x, y, largeur, 22);
    auto* u = Place(new TUpDown(this), parent, nom, x + largeur, y, 16, 22);
    u->Min = min;
    u->Max = max;
    u->SetPosition(defaut);
    u->SetAssociate(e);
    return u;
}

void Tf_Option::Cree()
{
    PrepareFiche(this, "f_Option", Traduire(834), 560, 440);
    GardeCode = 1;
    StructureChangee = 0;
    PageControl1 = Place(new TPageControl(this), this, "PageControl1", 8, 8, 544, 384);
    ts_Generaux = Page(PageControl1, this, "ts_Generaux", 1005);
    ts_Avances = Page(PageControl1, this, "ts_Avances", 1006);
    ts_Joueur = Page(PageControl1, this, "ts_Joueur", 692);
    ts_Arbitres = Page(PageControl1, this, "ts_Arbitres", 937);
    ts_Classement = Page(PageControl1, this, "ts_Classement", 1211);
    ts_Tranche = Page(PageControl1, this, "ts_Tranche", 1355);
    ts_GroupeEquipe = Page(PageControl1, this, "ts_GroupeEquipe", 1186);
    ts_Bonus = Page(PageControl1, this, "ts_Bonus", 4600);
    CreeGeneraux();
    CreeAvances();
    CreeJoueur();
    CreeArbitres();
    CreeClassement();
    CreeTranche();
    CreeGroupes();
    CreeBonus();

    b_Defaut = Bouton(this, this, "b_Defaut", Traduire(1475), 8, 400, 150);
    b_Defaut->OnClick = [this](TObject*) { b_DefautClick(); };
    b_Valider = Bouton(this, this, "b_Valider", Traduire(29), 352, 400);
    b_Valider->OnClick = [this](TObject*) { b_ValiderClick(); };
    b_Valider->Default = true;
    b_Annuler = Bouton(this, this, "b_Annuler", Traduire(125), 456, 400);
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    PageControl1->SetActivePage(ts_Generaux);
    DoCreate();
}

void Tf_Option::CreeGeneraux()
{
    FondParam = Fond(this, ts_Generaux, "FondParam", 4, 4, 262, 186);
    Libelle(this, FondParam, "Label9", Traduire(826), 8, 6, 240);
    cc_DivSup = Coche<TCarreCoche>(this, FondParam, "cc_DivSup", Traduire(1351), 8, 28, 240);
    cc_DivSup->SetHint(TraduireFormat(1350, {}));
    cc_DivSup->SetShowHint(true);
    cc_DivSup->OnClick = [this](TObject*) { cc_DivSupClick(); };
    Label4 = Libelle(this, FondParam, "Label4", Traduire(100), 8, 56, 180);
    UpDown4 = Nombre(FondParam, "UpDown4", 190, 54, 0, 9, 5);
    Libelle(this, FondParam, "Label5", Traduire(827), 8, 80, 180);
    UpDown5 = Nombre(FondParam, "UpDown5", 190, 78, 0, 9, 3);
    Label8 = Libelle(this, FondParam, "Label8", Traduire(828), 8, 104, 180);
    UpDown6 = Nombre(FondParam, "UpDown6", 190, 102, 0, 100, 3);
    Label13 = Libelle(this, FondParam, "Label13", Traduire(873), 8, 130, 180);
    Label11 = Libelle(this, FondParam, "Label11", Traduire(874), 20, 130, 168);
    UpDown7 = Nombre(FondParam, "UpDown7", 190, 128, 0, 100, 0);
    Libelle(this, FondParam, "Label12", Traduire(875), 20, 156, 168);
    UpDown8 = Nombre(FondParam, "UpDown8", 190, 154, 0, 100, 0);

    FondPoint = Fond(this, ts_Generaux, "FondPoint", 272, 4, 260, 186);
    Libelle(this, FondPoint, "Label10", Traduire(822), 8, 6, 240);
    Libelle(this, FondPoint, "Label1", Traduire(823), 8, 32, 170);
    UpDown1 = Nombre(FondPoint, "UpDown1", 190, 30, 0, 9, 3);
    Libelle(this, FondPoint, "Label2", Traduire(824), 8, 56, 170);
    UpDown2 = Nombre(FondPoint, "UpDown2", 190, 54, 0, 9, 1);
    Libelle(this, FondPoint, "Label3", Traduire(825), 8, 80, 170);
    UpDown3 = Nombre(FondPoint, "UpDown3", 190, 78, 0, 9, 0);
    Libelle(this, FondPoint, "Label17", Traduire(1115), 8, 104, 170);
    ud_forfait = Nombre(FondPoint, "ud_forfait", 190, 102, -9, 9, 0);
    Libelle(this, FondPoint, "Label48", Traduire(1483), 8, 132, 240);
    ud_scoreforfait1 = Nombre(FondPoint, "ud_scoreforfait1", 8, 154, 0, 999, 0, 44);
    Libelle(this, FondPoint, "Label49", "-", 76, 156, 12);
    ud_scoreforfait2 = Nombre(FondPoint, "ud_scoreforfait2", 92, 154, 0, 999, 0, 44);

    FondPetiteFinale = Fond(this, ts_Generaux, "FondPetiteFinale", 4, 114, 528, 34);
    cc_PetiteFinale = Coche<TCarreCoche>(this, FondPetiteFinale, "cc_PetiteFinale",
                                         Traduire(3924), 8, 7, 400);
    FondPetiteFinale->SetVisible(false);

    // The two entry check boxes take a row each: their captions are long.
    FondParamSup = Fond(this, ts_Generaux, "FondParamSup", 4, 194, 528, 120);
    Libelle(this, FondParamSup, "Label14", Traduire(876), 8, 10, 180);
    UpDown9 = Nombre(FondParamSup, "UpDown9", 190, 8, 0, 99, 0);
    Libelle(this, FondParamSup, "Label15", Traduire(877), 270, 10, 180);
    // The model keeps at most 255 matchdays.
    UpDown10 = Nombre(FondParamSup, "UpDown10", 452, 8, 0, 255, 0);
    Label50 = Libelle(this, FondParamSup, "Label50", Traduire(1339), 8, 36, 180);
    UpDown34 = Nombre(FondParamSup, "UpDown34", 190, 34, 0, 99, 0);
    Label51 = Libelle(this, FondParamSup, "Label51", Traduire(1340), 270, 36, 180);
    UpDown35 = Nombre(FondParamSup, "UpDown35", 452, 34, 0, 99, 0);
    cb_NumMaillot = Coche<TCarreCoche>(this, FondParamSup, "cb_NumMaillot", Traduire(1353), 8, 64, 500);
    cb_NumMaillot->SetHint(TraduireFormat(1352, {}));
    cb_NumMaillot->SetShowHint(true);
    cb_Preremplir = Coche<TCarreCoche>(this, FondParamSup, "cb_Preremplir", Traduire(1618), 8, 90, 500);
}

void Tf_Option::CreeAvances()
{
    FondCopie1 = Fond(this, ts_Avances, "FondCopie1", 4, 4, 262, 150);
    Libelle(this, FondCopie1, "Label6", Traduire(829), 8, 6, 240);
    MaskEdit1 = Place(new TMaskEdit(this), FondCopie1, "MaskEdit1", 8, 26, 80, 22);
    MaskEdit1->SetEditMask("!9999/99;1;");   // read and refused by its own reading
    MaskEdit1->SetText("2001/02");
    nombres::Declare(MaskEdit1, nombres::Saison());
    Libelle(this, FondCopie1, "Label18", Traduire(962), 8, 60, 240);
    rc_National = Coche<TRondCoche>(this, FondCopie1, "rc_National", Traduire(995), 8, 82, 240);
    rc_International = Coche<TRondCoche>(this, FondCopie1, "rc_International", Traduire(996), 8, 104, 240);
    rc_National->SetChecked(true);

    FondCopie2 = Fond(this, ts_Avances, "FondCopie2", 272, 4, 260, 150);
    Libelle(this, FondCopie2, "Label7", Traduire(833), 8, 6, 240);
    rc_journee = Coche<TRondCoche>(this, FondCopie2, "rc_journee", Traduire(1209), 8, 28, 240);
    rc_date = Coche<TRondCoche>(this, FondCopie2, "rc_date", Traduire(1210), 8, 50, 240);
    rc_journee->SetChecked(true);
    rc_journee->OnClick = [this](TObject*) { rc_journeeClick(); };
    rc_date->OnClick = [this](TObject*) { rc_dateClick(); };
    cc_SaisieDateJour = Coche<TCarreCoche>(this, FondCopie2, "cc_SaisieDateJour", Traduire(832), 24, 76, 230);
    cc_SaisieDateMatch = Coche<TCarreCoche>(this, FondCopie2, "cc_SaisieDateMatch", Traduire(1029), 24, 100, 230);

    FondCopie3 = Fond(this, ts_Avances, "FondCopie3", 4, 158, 528, 186);
    Libelle(this, FondCopie3, "Label20", Traduire(1004), 8, 6, 250);
    rc_Oui = Coche<TRondCoche>(this, FondCopie3, "rc_Oui", Traduire(121), 8, 28, 100);
    rc_Non = Coche<TRondCoche>(this, FondCopie3, "rc_Non", Traduire(126), 120, 28, 100);
    rc_Oui->Setgroupe(1);
    rc_Non->Setgroupe(1);
    rc_Non->SetChecked(true);
    Libelle(this, FondCopie3, "Label16b", Traduire(3975), 8, 60, 250);
    ComboBox1 = Place(new TComboBox(this), FondCopie3, "ComboBox1", 8, 80, 250, 22);
    ComboBox1->SetStyle(csDropDownList);
    // The template box has the panel's whole width: its entries (template,
    // division and code) are long in every language.
    Libelle(this, FondCopie3, "Label26b", Traduire(3976), 8, 112, 250);
    cb_CodeDiv = Place(new TComboBox(this), FondCopie3, "cb_CodeDiv", 8, 132, 512, 22);
    cb_CodeDiv->SetStyle(csDropDownList);
    cb_CodeDiv->OnChange = [this](TObject*) { cb_CodeDivChange(); };
    LabelCodePerso = Libelle(this, FondCopie3, "LabelCodePerso", Traduire(3977), 270, 60, 250);
    e_CodePerso = Place(new TEdit(this), FondCopie3, "e_CodePerso", 270, 80, 80, 22);
    // What the championship keeps (16 bits), an emptied box none (0).
    nombres::TLecture code = nombres::Nombre(0, 65535, 0);
    code.refus = TexteCodePersoRefuse;
    nombres::Declare(e_CodePerso, code);
}

void Tf_Option::CreeJoueur()
{
    FondParamClassement = Fond(this, ts_Joueur, "FondParamClassement", 4, 4, 528, 121);
    Libelle(this, FondParamClassement, "Label23", Traduire(1208), 8, 6, 500);
    Libelle(this, FondParamClassement, "Label16", Traduire(951), 8, 28, 250);
    RondCoche1 = Coche<TRondCoche>(this, FondParamClassement, "RondCoche1", Traduire(952), 16, 50, 240);
    RondCoche2 = Coche<TRondCoche>(this, FondParamClassement, "RondCoche2", Traduire(953), 16, 72, 240);
    RondCoche3 = Coche<TRondCoche>(this, FondParamClassement, "RondCoche3", Traduire(954), 16, 94, 240);
    RondCoche1->SetChecked(true);
    Libelle(this, FondParamClassement, "Label21", Traduire(1218), 270, 28, 250);
    UpDown13 = Nombre(FondParamClassement, "UpDown13", 270, 50, 0, 100, 0);

    p_NbTir = Place(new TPanel(this), FondParamClassement, "p_NbTir", 8, 122, 512, 84);
    p_NbTir->SetBevelOuter(bvNone);
    p_NbTir->SetParentColor(true);
    Label42 = Libelle(this, p_NbTir, "Label42", Traduire(1286), 0, 4, 300);
    UpDown14 = Nombre(p_NbTir, "UpDown14", 310, 2, 0, 99, 0);
    Label43 = Libelle(this, p_NbTir, "Label43", Traduire(1287), 0, 30, 300);
    UpDown15 = Nombre(p_NbTir, "UpDown15", 310, 28, 0, 99, 0);
    Label44 = Libelle(this, p_NbTir, "Label44", Traduire(1288), 0, 56, 300);
    UpDown16 = Nombre(p_NbTir, "UpDown16", 310, 54, 0, 99, 0);
    p_NbTir->SetVisible(false);
}

void Tf_Option::CreeArbitres()
{
    FondCopie7 = Fond(this, ts_Arbitres, "FondCopie7", 4, 4, 528, 130);
    cc_GestionArbitre = Coche<TCarreCoche>(this, FondCopie7, "cc_GestionArbitre", Traduire(1215), 8, 8, 500);
    cc_GestionArbitre->OnClick = [this](TObject*) { cc_GestionArbitreClick(); };
    cc_ArbitreMemeMatch = Coche<TCarreCoche>(this, FondCopie7, "cc_ArbitreMemeMatch", Traduire(1216), 24, 34, 490);
    cc_ArbitreMemeMatch->SetChecked(true);
    cc_ArbitreEquipeMois =
        Coche<TCarreCoche>(this, FondCopie7, "cc_ArbitreEquipeMois", Traduire(1217), 24, 62, 330);
    cc_ArbitreEquipeMois->SetChecked(true);
    UpDown11 = Nombre(FondCopie7, "UpDown11", 360, 60, 0, 9, 6);
    e_ArbitreMois = static_cast<TEdit*>(UpDown11->Associate());
    e_ArbitreMois->SetName("e_ArbitreMois");
    Libelle(this, FondCopie7, "Label22b", Traduire(4601), 420, 62, 90);
    cc_ArbitreEquipeMatchs =
        Coche<TCarreCoche>(this, FondCopie7, "cc_ArbitreEquipeMatchs", Traduire(1217), 24, 90, 330);
    UpDown12 = Nombre(FondCopie7, "UpDown12", 360, 88, 0, 9, 6);
    e_ArbitreMatch = static_cast<TEdit*>(UpDown12->Associate());
    e_ArbitreMatch->SetName("e_ArbitreMatch");
    Libelle(this, FondCopie7, "Label22", Traduire(67), 420, 90, 90);
    cc_GestionArbitreClick();
}

void Tf_Option::CreeClassement()
{
    Fondtri = Fond(this, ts_Classement, "Fondtri", 4, 4, 528, 340);
    Libelle(this, Fondtri, "Label27", Traduire(1212), 8, 6, 440);
    clb_Classement = Place(new TCheckListBox(this), Fondtri, "clb_Classement", 8, 26, 450, 184);
    clb_Classement->OnClickCheck = [this](TObject*) { clb_ClassementClick(); };
    clb_Classement->OnClick = [this](TObject*) { clb_ClassementClick(); };
    sb_Up = Place(new TSpeedButton(this), Fondtri, "sb_Up", 466, 26, 40, 28);
    sb_Up->SetCaption("^");
    sb_Up->OnClick = [this](TObject*) { sb_UpClick(); };
    sb_Down = Place(new TSpeedButton(this), Fondtri, "sb_Down", 466, 58, 40, 28);
    sb_Down->SetCaption("v");
    sb_Down->OnClick = [this](TObject*) { sb_DownClick(); };
    Libelle(this, Fondtri, "Label24", Traduire(1213), 8, 220, 300);
    Edit12 = Place(new TEdit(this), Fondtri, "Edit12", 8, 240, 200, 22);
    Edit12->SetHint(Traduire(3978));
    Edit12->SetShowHint(true);
    // A key that would make a code the list cannot give back (a letter that
    // names no criterion of the list, or one twice) is refused with its
    // message: the box and the ticks keep the code they hold.
    Edit12->OnKeyPress = [this](TObject*, char& ch) {
        if (static_cast<unsigned char>(ch) < 32)
            return;   // Backspace, Enter and the other control keys
        std::string code = Edit12->Text();
        const size_t debut = std::min(static_cast<size_t>(std::max(Edit12->SelStart(), 0)), code.size());
        const size_t n = std::min(static_cast<size_t>(std::max(Edit12->SelLength(), 0)), code.size() - debut);
        code.replace(debut, n, 1, ch);
        if (CodeCriteresValide(code))
            return;
        ch = 0;
        Tf_MessageUtil::Affiche(TraduireFormat(TexteCodeCriteresRefuse, {code}), mbuValider);
    };
    Edit12->OnChange = [this](TObject*) {
        if (GardeCode != 1)
            return;
        // Text put in otherwise (pasted) is refused alike: the box goes back
        // to the code the ticks hold.
        const std::string tape = Edit12->Text();
        if (CodeCriteresValide(tape)) {
            AppliqueCodeCriteres(tape);
            return;
        }
        const std::string garde = CodeCriteres();
        GardeCode = 0;
        Edit12->SetText(garde);
        Edit12->SetSelStart(static_cast<int>(garde.size()));
        GardeCode = 1;
        Tf_MessageUtil::Affiche(TraduireFormat(TexteCodeCriteresRefuse, {tape}), mbuValider);
    };
}

void Tf_Option::CreeTranche()
{
    FondCopie6 = Fond(this, ts_Tranche, "FondCopie6", 4, 4, 528, 340);
    Libelle(this, FondCopie6, "Label45", Traduire(1360), 8, 6, 500);
    Libelle(this, FondCopie6, "Label47", Traduire(1359), 8, 32, 180);
    ud_nbTranche = Nombre(FondCopie6, "ud_nbTranche", 190, 30, 0, 9, 0, 30);
    e_nbtranche = static_cast<TEdit*>(ud_nbTranche->Associate());
    e_nbtranche->SetName("e_nbtranche");
    e_nbtranche->OnChange = [this](TObject*) { e_nbtrancheChange(); };
    sb_Tranche = Place(new TScrollBox(this), FondCopie6, "sb_Tranche", 8, 62, 512, 270);
    sb_Tranche->SetColor(CouleurFondFonceDessin);
}

void Tf_Option::CreeGroupes()
{
    auto* fond = Fond(this, ts_GroupeEquipe, "FondCopie8", 4, 4, 528, 340);
    lb_Equipe = Place(new TListBox(this), fond, "lb_Equipe", 8, 8, 220, 324);
    lb_Equipe->DragMode = dmAutomatic;
    Button1 = Bouton(this, fond, "Button1", ">", 236, 120, 40, 28);
    Button1->OnClick = [this](TObject*) { Button1Click(); };
    Button2 = Bouton(this, fond, "Button2", "<", 236, 160, 40, 28);
    Button2->OnClick = [this](TObject*) { Button2Click(); };
    tv_Groupe = Place(new TTreeView(this), fond, "tv_Groupe", 284, 8, 236, 286);
    tv_Groupe->ReadOnly = false;
    tv_Groupe->HideSelection = false;
    tv_Groupe->OnDragOver = [this](TObject*, TObject* source, int, int, TDragState, bool& accepte) {
        accepte = source == lb_Equipe;
    };
    tv_Groupe->OnDragDrop = [this](TObject*, TObject* source, int x, int y) {
        if (source != lb_Equipe)
            return;
        if (TTreeNode* n = tv_Groupe->GetNodeAt(x, y))
            tv_Groupe->SetSelected(n);
        Button1Click();
    };
    // A renamed group changes the structure.
    tv_Groupe->OnEdited = [this](TObject*, TTreeNode*, std::string&) { StructureChangee = 1; };
    bc_Ajouter = Bouton(this, fond, "bc_Ajouter", Traduire(932), 284, 302, 114);
    bc_Ajouter->OnClick = [this](TObject*) { bc_AjouterClick(); };
    bc_Retirer = Bouton(this, fond, "bc_Retirer", Traduire(445), 406, 302, 114);
    bc_Retirer->OnClick = [this](TObject*) { bc_RetirerClick(); };
}

void Tf_Option::CreeBonus()
{
    auto* fond = Fond(this, ts_Bonus, "FondCopie9", 4, 4, 528, 120);
    Libelle(this, fond, "Label52", Traduire(1220), 8, 6, 500);
    Libelle(this, fond, "Label38", Traduire(673), 8, 32, 110);
    Libelle(this, fond, "Label39", Traduire(823), 130, 32, 100);
    Libelle(this, fond, "Label54", Traduire(824), 250, 32, 100);
    Libelle(this, fond, "Label55", Traduire(825), 370, 32, 100);
    Libelle(this, fond, "Label59", Traduire(64), 8, 58, 110);
    ud_ptsvictdom = Nombre(fond, "ud_ptsvictdom", 130, 56, -99, 99, 3);
    ud_ptsnuldom = Nombre(fond, "ud_ptsnuldom", 250, 56, -99, 99, 1);
    ud_ptsdefdom = Nombre(fond, "ud_ptsdefdom", 370, 56, -99, 99, 0);
    Libelle(this, fond, "Label60", Traduire(65), 8, 86, 110);
    ud_ptsvictext = Nombre(fond, "ud_ptsvictext", 130, 84, -99, 99, 3);
    ud_ptsnulext = Nombre(fond, "ud_ptsnulext", 250, 84, -99, 99, 1);
    ud_ptsdefext = Nombre(fond, "ud_ptsdefext", 370, 84, -99, 99, 0);

    p_Bonus = Place(new TPanel(this), ts_Bonus, "p_Bonus", 4, 130, 528, 90);
    p_Bonus->SetBevelOuter(bvNone);
    p_Bonus->SetColor(CouleurFondFonceDessin);
    Label41 = Libelle(this, p_Bonus, "Label41", "", 8, 12, 280);
    e_nButBonus = Place(new TEdit(this), p_Bonus, "e_nButBonus", 300, 10, 50, 22);
    e_PointBonus = Place(new TEdit(this), p_Bonus, "e_PointBonus", 370, 10, 50, 22);
    Libelle(this, p_Bonus, "Label40", Traduire(1364), 428, 12, 90);
    Label53 = Libelle(this, p_Bonus, "Label53", "", 8, 48, 280);
    e_nPointEcart = Place(new TEdit(this), p_Bonus, "e_nPointEcart", 300, 46, 50, 22);
    // What the championship keeps: any whole number, an emptied box refused
    // as the counters beside refuse theirs.
    for (TEdit* e : {e_nButBonus, e_PointBonus, e_nPointEcart})
        nombres::Declare(e, nombres::Nombre(INT32_MIN, INT32_MAX));
}

// ---- window protocol --------------------------------------------------------------------------

void Tf_Option::ChangeSaison(TSaison* saison)
{
    TBrivantelForm::ChangeSaison(saison);
    if (!Championnat && saison)
        Championnat = saison->ChampionnatCourant();
    Charge();
}

void Tf_Option::AppliqueCouleurs()
{
    TBrivantelForm::AppliqueCouleurs();
    if (clb_Classement)
        clb_Classement->SetColor(Couleurs.fondclair);
}

void Tf_Option::Charge()
{
    TDonneesChampionnat* c = Championnat;
    if (!c || !Saison)
        return;
    PageControl1->SetActivePage(ts_Generaux);
    // 1.
    const bool ligue = (c->Types() & TDonneesChampionnat::TypeChamp) != 0;
    FondParam->SetVisible(ligue);
    FondPoint->SetVisible(ligue);
    FondPetiteFinale->SetVisible(!ligue);
    if (!ligue) {
        // (below the counts' panel, which is taller than the third-place one's gap)
        FondParamSup->SetTop(4);
        FondPetiteFinale->SetTop(FondParamSup->Top() + FondParamSup->Height() + 4);
    } else
        FondParamSup->SetTop(194);
    // 2.
    if (c->Types() & TDonneesChampionnat::TypeInternational)
        rc_International->SetChecked(true);
    else
        rc_National->SetChecked(true);
    // 3.
    cc_DivSup->SetChecked(c->Option(7) == 1);
    cc_DivSupClick();
    // 4.
    UpDown4->SetPosition(c->Option(2));
    UpDown5->SetPosition(c->Option(3));
    UpDown6->SetPosition(c->Option(12));
    UpDown7->SetPosition(c->Option(13));
    UpDown8->SetPosition(c->Option(14));
    UpDown9->SetPosition(c->NbMatchCourant() & 0xFF);
    UpDown10->SetPosition(c->NbJour());
    // A cup keeps the rounds it was created with: its counts are shown read
    // only, greyed without their arrows, the hint saying why (validation
    // writes them only for a league).
    const bool coupe = (c->Types() & TDonneesChampionnat::TypeCoupe) != 0;
    for (TUpDown* u : {UpDown9, UpDown10}) {
        u->SetEnabled(!coupe);
        u->SetVisible(!coupe);
        if (TWinControl* e = u->Associate()) {
            e->SetEnabled(!coupe);
            if (coupe)
                e->SetColor(clBtnFace);
            e->SetHint(coupe ? Traduire(5913) : std::string());
            e->SetShowHint(coupe);
        }
    }
    switch (c->Option(0) & 15) {
    case 2: RondCoche2->SetChecked(true); break;
    case 3: RondCoche3->SetChecked(true); break;
    default: RondCoche1->SetChecked(true); break;
    }
    const int d = c->Option(11);
    cc_SaisieDateJour->SetChecked(d & 1);
    (d & 2 ? rc_Oui : rc_Non)->SetChecked(true);
    cc_SaisieDateMatch->SetChecked(d & 4);
    if (d & 8) {
        rc_date->SetChecked(true);
        rc_dateClick();
    } else {
        rc_journee->SetChecked(true);
        rc_journeeClick();
    }
    cb_NumMaillot->SetChecked(d & 16);
    cb_Preremplir->SetChecked(d & 32);
    UpDown34->SetPosition(c->NbTitulaire());
    UpDown35->SetPosition(c->NbRemp());
    UpDown1->SetPosition(c->Option(4));
    UpDown2->SetPosition(c->Option(5));
    UpDown3->SetPosition(c->Option(6));
    ud_forfait->SetPosition(static_cast<int16_t>(c->Option(15)));
    ud_scoreforfait1->SetPosition(c->Option(19));
    ud_scoreforfait2->SetPosition(c->Option(20));
    TUpDown* anglaise[6] = {ud_ptsvictdom, ud_ptsnuldom, ud_ptsdefdom, ud_ptsvictext, ud_ptsnulext, ud_ptsdefext};
    for (int i = 0; i < 6; ++i)
        anglaise[i]->SetPosition(static_cast<int16_t>(c->Option(21 + i)));
    // 5.
    const int second = static_cast<int16_t>(c->Option(9)) % 100;
    std::string deux = IntToStr(second < 0 ? -second : second);
    if (deux.size() == 1)
        deux = "0" + deux;
    MaskEdit1->SetText(IntToStr(c->Option(8) + 1900) + "/" + deux);
    // 6.
    ComboBox1->Items().Clear();
    for (int i = 0; i < c->NbEquipe(); ++i)
        ComboBox1->Items().Add(Saison->NomEquipeComplet(c->IdEquipe(i), c));
    ComboBox1->Items().Insert(0, Traduire(320));
    // A followed team the list does not hold shows none.
    const int suivie = c->Option(10) == 255 ? 0 : c->Option(10) + 1;
    ComboBox1->SetItemIndex(suivie <= c->NbEquipe() ? suivie : 0);
    // 7.
    UpDown13->SetPosition(c->OptionArbitre(4));
    cc_GestionArbitre->SetChecked(c->OptionArbitre(0) == 1);
    cc_ArbitreMemeMatch->SetChecked(c->OptionArbitre(1) == 1);
    cc_ArbitreEquipeMois->SetChecked(c->OptionArbitre(3) != 0);
    UpDown11->SetPosition(c->OptionArbitre(3));
    cc_ArbitreEquipeMatchs->SetChecked(c->OptionArbitre(2) != 0);
    UpDown12->SetPosition(c->OptionArbitre(2));
    cc_GestionArbitreClick();
    // 8. The stored code as it is (OK says when the list cannot give it back).
    CodeCharge = c->OrdreClassement;
    GardeCode = 0;
    Edit12->SetText(CodeCharge);
    GardeCode = 1;
    AppliqueCodeCriteres(CodeCharge);
    e_nButBonus->SetText(IntToStr(c->BonusBut));
    e_PointBonus->SetText(IntToStr(c->PointBonusBut));
    e_nPointEcart->SetText(IntToStr(c->BonusEcart));
    cc_PetiteFinale->SetChecked(c->PetiteFinale);
    // 9.
    lb_Equipe->Items().Clear();
    for (int i = 0; i < c->NbEquipe(); ++i)
        lb_Equipe->Items().AddObject(Saison->NomEquipeComplet(c->IdEquipe(i), c), c->IdEquipe(i));
    tv_Groupe->Items().Clear();
    for (int g = 0; g < c->NbGroupes(); ++g) {
        const TGroupeEquipe* groupe = c->Groupe(g);
        TTreeNode* n = tv_Groupe->Items().Add(nullptr, groupe->NomGroupe);
        for (int k = 0; k < groupe->NbEquipe(); ++k)
            if (c->IndexEquipe(groupe->Equipe(k)) >= 0)   // what OK writes back
                tv_Groupe->Items().AddChildObject(n, Saison->NomEquipeComplet(groupe->Equipe(k), c), groupe->Equipe(k));
    }
    tv_Groupe->FullExpand();
    // 10.
    ud_nbTranche->SetPosition(c->NbTranches());
    SetNbTranches(c->NbTranches());
    for (int i = 0; i < NbRangsTranche(); ++i) {
        int debut = 0, fin = 0;
        c->Tranche(i, debut, fin);
        tranches_[static_cast<size_t>(i)]->UpDowns[0]->SetPosition(debut);
        tranches_[static_cast<size_t>(i)]->UpDowns[1]->SetPosition(fin);
    }
    // 11.
    cb_CodeDiv->Items().Clear();
    const TLectureParamMulti* multi = LectureParamMulti();
    if (const TLectureParam* p = multi ? multi->ParamCourant() : nullptr) {
        for (int k = 0; k < p->NbChampionnat(); ++k) {
            const TCfgChampionnat* modele = p->Championnat(k);
            TStringList divisions;
            p->ListeDivisionsChampionnat(modele->Id, divisions);
            for (int i = 0; i < divisions.Count(); ++i)
                cb_CodeDiv->Items().AddObject(DeuxPoints(modele->Nom, divisions[i]) + "(" +
                                                  IntToStr(static_cast<int>(divisions.Objects(i))) + ")",
                                              divisions.Objects(i));
        }
    }
    // A code the templates do not list (a season made from other templates)
    // is shown by its number and kept as it is.
    int choisi = cb_CodeDiv->Items().IndexOfObject(c->Division);
    if (choisi < 0 && cb_CodeDiv->Items().Count() > 0) {
        choisi = cb_CodeDiv->Items().AddObject(TraduireFormat(5661, {c->Division}),
                                               static_cast<TStrings::Object>(c->Division));
    }
    cb_CodeDiv->SetItemIndex(choisi);
    e_CodePerso->SetText(IntToStr(c->CodePerso));
    cb_CodeDivChange();
}

void Tf_Option::Affiche(bool integre, uint8_t groupe)
{
    if (integre) {
        SetColor(Couleurs.fondfonce);
        b_Valider->SetVisible(false);
        b_Annuler->SetVisible(false);
        if (TFondModele* bleu = Dessin ? Dessin->Fond("FondCarrebleu") : nullptr)
            for (TFondCopie* f : {FondParam, FondPoint, FondParamSup, Fondtri, FondCopie1, FondParamClassement,
                                  FondCopie3, FondCopie7, FondCopie6, FondCopie2})
                f->SetModele(bleu);
    }
    for (TTabSheet* t : {ts_Generaux, ts_Avances, ts_Joueur, ts_Arbitres})
        t->SetTabVisible(groupe != 2);
    for (TTabSheet* t : {ts_Classement, ts_Tranche, ts_GroupeEquipe, ts_Bonus})
        t->SetTabVisible(groupe != 1);
    Groupe = groupe;
    PageControl1->SetActivePage(groupe == 2 ? ts_Classement : ts_Generaux);
}

// ---- layout handlers --------------------------------------------------------------------------

void Tf_Option::cc_DivSupClick()
{
    const bool sup = cc_DivSup->Checked();
    Label4->SetCaption(Traduire(sup ? 100 : 101));
    Label13->SetTop(sup ? 130 : 106);
    for (TControl* c : std::initializer_list<TControl*>{Label8, UpDown6, UpDown6->Associate()})
        c->SetVisible(sup);
    for (TControl* c : std::initializer_list<TControl*>{Label11, UpDown7, UpDown7->Associate()})
        c->SetVisible(!sup);
}

void Tf_Option::cb_CodeDivChange()
{
    const bool perso = cb_CodeDiv->ItemIndex() == 0;
    e_CodePerso->SetVisible(perso);
    LabelCodePerso->SetVisible(perso);
}

void Tf_Option::cc_GestionArbitreClick()
{
    const bool on = cc_GestionArbitre->Checked();
    for (TControl* c : std::initializer_list<TControl*>{cc_ArbitreMemeMatch, cc_ArbitreEquipeMois,
                                                         cc_ArbitreEquipeMatchs, e_ArbitreMois, e_ArbitreMatch,
                                                         UpDown11, UpDown12})
        c->SetEnabled(on);
}

void Tf_Option::rc_journeeClick()
{
    cc_SaisieDateJour->SetVisible(true);
    cc_SaisieDateMatch->SetVisible(true);
}

void Tf_Option::rc_dateClick()
{
    cc_SaisieDateJour->SetVisible(false);
    cc_SaisieDateMatch->SetVisible(false);
    cc_SaisieDateJour->SetChecked(false);
    cc_SaisieDateMatch->SetChecked(false);
}

// ---- tie-break criteria -----------------------------------------------------------------------

void Tf_Option::AjouteCritere(int texte, int numero)
{
    clb_Classement->Items().AddObject(Traduire(texte), numero);
}

std::string Tf_Option::CodeCriteres() const
{
    std::string code;
    for (int i = 0; i < clb_Classement->Items().Count(); ++i)
        if (clb_Classement->Checked(i))
            code += static_cast<char>(96 + clb_Classement->Items().Objects(i));
    return code;
}

void Tf_Option::AppliqueCodeCriteres(const std::string& code)
{
    // The criteria the code names go to the top of the list, ticked, in its
    // order; a letter the list does not offer (or offers no more, named twice)
    // takes no place in it.
    TStrings& items = clb_Classement->Items();
    const int n = items.Count();
    int p = 0;
    for (size_t l = 0; l < code.size() && p < n; ++l) {
        const int c = static_cast<unsigned char>(code[l]) - 96;
        for (int i = p; i < n; ++i)
            if (items.Objects(i) == c) {
                if (i != p) {
                    const bool cocheI = clb_Classement->Checked(i);
                    // Move item i to p, the others shifting down with their checks.
                    std::vector<bool> etats;
                    for (int k = p; k <= i; ++k)
                        etats.push_back(clb_Classement->Checked(k));
                    items.Move(i, p);
                    clb_Classement->SetChecked(p, cocheI);
                    for (int k = p + 1; k <= i; ++k)
                        clb_Classement->SetChecked(k, etats[static_cast<size_t>(k - p - 1)]);
                }
                clb_Classement->SetChecked(p, true);
                ++p;
                break;
            }
    }
    for (int i = p; i < n; ++i)
        clb_Classement->SetChecked(i, false);
}

bool Tf_Option::CodeCriteresValide(const std::string& code) const
{
    std::string vues;
    for (char lettre : code) {
        if (vues.find(lettre) != std::string::npos)
            return false;
        vues += lettre;
        const int n = static_cast<unsigned char>(lettre) - 96;
        if (clb_Classement->Items().IndexOfObject(n) < 0)
            return false;
    }
    return true;
}

bool Tf_Option::ControleCodeCriteres()
{
    if (Groupe != 0 && Groupe != 2)
        return true;
    // A valid code names criteria of the list, each once: the list then gives
    // it back as it was typed.
    const std::string tape = Edit12->Text();
    const std::string code = CodeCriteres();
    if (tape == code && !code.empty())
        return true;
    // The code the championship holds, shown untouched: kept as it is.
    if (tape == CodeCharge && !tape.empty())
        return true;
    if (tape == code) {
        // No criterion ticked: the default order applies, the user is told
        // which; Cancel goes back to the list.
        std::string noms;
        for (char lettre : OrdreDefaut)
            for (int i = 0; i < clb_Classement->Items().Count(); ++i)
                if (clb_Classement->Items().Objects(i) == lettre - 96)
                    noms += (noms.empty() ? "" : ", ") + clb_Classement->Items()[i];
        PageControl1->SetActivePage(ts_Classement);
        if (Tf_MessageUtil::Affiche(TraduireFormat(TexteAucunCritere, {noms}), mbuValider | mbuAnnuler) != mrOk)
            return false;
        AppliqueCodeCriteres(OrdreDefaut);
        GardeCode = 0;
        Edit12->SetText(CodeCriteres());
        GardeCode = 1;
        return true;
    }
    PageControl1->SetActivePage(ts_Classement);
    GardeCode = 0;
    Edit12->SetText(code);
    GardeCode = 1;
    Tf_MessageUtil::Affiche(TraduireFormat(TexteCodeCriteresRefuse, {tape}), mbuValider);
    return false;
}

void Tf_Option::clb_ClassementClick()
{
    GardeCode = 0;
    Edit12->SetText(CodeCriteres());
    GardeCode = 1;
}

void Tf_Option::sb_UpClick()
{
    const int i = clb_Classement->ItemIndex();
    if (i > 0) {
        const bool a = clb_Classement->Checked(i), b = clb_Classement->Checked(i - 1);
        clb_Classement->Items().Exchange(i, i - 1);
        clb_Classement->SetChecked(i - 1, a);
        clb_Classement->SetChecked(i, b);
        clb_Classement->SetItemIndex(i - 1);
    }
    clb_ClassementClick();
}

void Tf_Option::sb_DownClick()
{
    const int i = clb_Classement->ItemIndex();
    if (i >= 0 && i < clb_Classement->Items().Count() - 1) {
        const bool a = clb_Classement->Checked(i), b = clb_Classement->Checked(i + 1);
        clb_Classement->Items().Exchange(i, i + 1);
        clb_Classement->SetChecked(i + 1, a);
        clb_Classement->SetChecked(i, b);
        clb_Classement->SetItemIndex(i + 1);
    }
    clb_ClassementClick();
}

// ---- bands ------------------------------------------------------------------------------------

void Tf_Option::e_nbtrancheChange()
{
    SetNbTranches(Position(ud_nbTranche));
}

void Tf_Option::SetNbTranches(int n)
{
    const int k = NbRangsTranche();
    if (n < k) {
        LibereTranches(n);
        return;
    }
    const int nbJour = Championnat ? Championnat->NbJour() : 0;
    for (int i = k; i < n; ++i) {
        auto r = std::make_unique<TRangTranche>();
        const int haut = 30 * i;
        const int gauches[3] = {4, 90, 242};
        const int textes[3] = {1356, 1357, 1358};
        for (int j = 0; j < 3; ++j) {
            r->Libelles[j] = Libelle(this, sb_Tranche, "", TraduireFormat(textes[j], {i + 1}), gauches[j], haut + 8, 96);
            r->Libelles[j]->Font().SetColor(static_cast<TColor>(16769365));
        }
        r->Libelles[0]->SetWidth(84);
        for (int j = 0; j < 2; ++j) {
            const int x = j == 0 ? 190 : 342;
            r->Edits[j] = Place(new TEdit(this), sb_Tranche, "", x, haut + 3, 25, 22);
            r->UpDowns[j] = Place(new TUpDown(this), sb_Tranche, "", x + 25, haut + 3, 16, 22);
            r->UpDowns[j]->Min = 0;
            r->UpDowns[j]->Max = nbJour;
            r->UpDowns[j]->SetPosition(1);
            r->UpDowns[j]->SetAssociate(r->Edits[j]);
        }
        tranches_.push_back(std::move(r));
    }
}

void Tf_Option::LibereTranches(int i)
{
    while (static_cast<int>(tranches_.size()) > std::max(i, 0)) {
        TRangTranche& r = *tranches_.back();
        for (TUpDown* u : r.UpDowns)
            u->Free();
        for (TEdit* e : r.Edits)
            e->Free();
        for (TLabel* l : r.Libelles)
            l->Free();
        tranches_.pop_back();
    }
}

// ---- team groups ------------------------------------------------------------------------------

TTreeNode* Tf_Option::GroupeDe(TTreeNode* n)
{
    while (n && n->Parent())
        n = n->Parent();
    return n;
}

void Tf_Option::bc_AjouterClick()
{
    StructureChangee = 1;
    TTreeNode* n = tv_Groupe->Items().Add(nullptr, "Groupe");
    tv_Groupe->SetSelected(n);
    if (tv_Groupe->CanFocus())
        tv_Groupe->SetFocus();
    n->EditText();
}

void Tf_Option::bc_RetirerClick()
{
    if (TTreeNode* n = tv_Groupe->Selected()) {
        StructureChangee = 1;
        n->Delete();
    }
}

void Tf_Option::Button1Click()
{
    const int i = lb_Equipe->ItemIndex();
    if (i < 0)
        return;
    TTreeNode* cible = tv_Groupe->Selected();
    if (!cible)
        cible = tv_Groupe->Items().GetFirstNode();
    if (!cible) {
        StructureChangee = 1;
        cible = tv_Groupe->Items().Add(nullptr, "Groupe");
    }
    StructureChangee = 1;
    cible = GroupeDe(cible);
    tv_Groupe->Items().AddChildObject(cible, lb_Equipe->Items()[i], lb_Equipe->Items().Objects(i));
    cible->Expand(false);
}

void Tf_Option::Button2Click()
{
    TTreeNode* n = tv_Groupe->Selected();
    if (n && n->Level() == 1) {
        StructureChangee = 1;
        n->Delete();
    }
}

// ---- validation -------------------------------------------------------------------------------

void Tf_Option::EcritOption(int n, int valeur)
{
    if (Championnat->Option(n) != static_cast<uint16_t>(valeur)) {
        Championnat->SetOption(n, valeur);
        Modifie = 1;
    }
}

uint16_t Tf_Option::DrapeauxSaisis() const
{
    return static_cast<uint16_t>((Championnat->Option(11) & ~63) | (cc_SaisieDateJour->Checked() ? 1 : 0) |
                                 (rc_Oui->Checked() ? 2 : 0) | (cc_SaisieDateMatch->Checked() ? 4 : 0) |
                                 (rc_date->Checked() ? 8 : 0) | (cb_NumMaillot->Checked() ? 16 : 0) |
                                 (cb_Preremplir->Checked() ? 32 : 0));
}

void Tf_Option::EcritOptionArbitre(int n, int valeur)
{
    if (Championnat->OptionArbitre(n) != static_cast<uint8_t>(valeur)) {
        Championnat->SetOptionArbitre(n, valeur);
        Modifie = 1;
    }
}

void Tf_Option::b_ValiderClick()
{
    Modifie = 0;
    if (!Championnat) {
        // Nothing to write to.
        Tag = 0;
        SetModalResult(mrOk);
        return;
    }
    if (!CompteursRemplis() || !ControleCodeCriteres() || !Controle())
        return;
    // A change of how dates are entered says which matches lose their own;
    // No writes nothing.
    // The third-place match switched off leaves the cup as one change of it.
    // Both asked about at once, in one question.
    // Shirt numbers per match unticked name the numbers the line-ups lose,
    // in the same question.
    // The matchday count brought down below matchdays that hold matches
    // names them with their matches, in the same question; No puts the
    // count back in its box.
    JourneesAccordees.clear();
    if ((Groupe == 0 || Groupe == 1) && Saison) {
        std::string perte = DatesPerdues(*Saison, {{Championnat, DrapeauxSaisis()}});
        int question = TexteQuestionDates;
        if (const int maillots = MaillotsPerdus(*Championnat, DrapeauxSaisis()); maillots > 0) {
            question = perte.empty() ? 5707 : 5708;
            perte += (perte.empty() ? "" : "\n") + TraduireFormat(IdTexteNombre(5706, 5711, maillots), {maillots});
        }
        const int nbJour = Position(UpDown10);
        std::vector<int> perdues;
        if (!Championnat->EstCoupe() && nbJour < Championnat->NbJour())
            perdues = Championnat->JourneesAuDela(nbJour);
        if (!perdues.empty()) {
            question = perte.empty() ? TexteQuestionJournees : TexteQuestionChangements;
            perte = TexteJourneesPerdues(*Saison, *Championnat, nbJour, perdues) + (perte.empty() ? "" : "\n") + perte;
        }
        if (Championnat->PetiteFinale && !cc_PetiteFinale->Checked()) {
            if (!RetirePetiteFinale(*Saison, *Championnat, perte, question))
                return;
        } else if (!DemandePerteDates(perte, question)) {
            if (!perdues.empty())
                UpDown10->SetPosition(Championnat->NbJour());
            return;
        }
        JourneesAccordees = perdues;
    }
    Ecrit();
    Modifie = Modifie || StructureChangee;
    Tag = Modifie ? 1 : 0;
    SetModalResult(mrOk);
}

void Tf_Option::Ecrit()
{
    TDonneesChampionnat* c = Championnat;
    const std::string nom = Saison ? Saison->Arbre().NomCompletCode(c->CodeChamp) : std::string();
    if (Groupe == 0 || Groupe == 1) {
        EcritOption(7, cc_DivSup->Checked() ? 1 : 0);
        EcritOption(2, Position(UpDown4));
        EcritOption(13, Position(UpDown7));
        EcritOption(3, Position(UpDown5));
        EcritOption(14, Position(UpDown8));
        if (c->Option(7) == 1)
            EcritOption(12, Position(UpDown6));
        if (const uint16_t drapeaux = DrapeauxSaisis(); drapeaux != c->Option(11)) {
            ChangeDrapeauxDates(*c, drapeaux);
            Modifie = 1;
        }
        // A stored value the radios show as the first one (0 among them)
        // stays as it is while the first one stays chosen.
        const int rang = RondCoche3->Checked() ? 3 : RondCoche2->Checked() ? 2 : 1;
        const int montre = (c->Option(0) & 15) == 2 || (c->Option(0) & 15) == 3 ? c->Option(0) & 15 : 1;
        if (rang != montre)
            EcritOption(0, (c->Option(0) & ~15) | rang);
        EcritOption(4, Position(UpDown1));
        EcritOption(5, Position(UpDown2));
        EcritOption(6, Position(UpDown3));
        EcritOption(15, Position(ud_forfait));
        EcritOption(19, Position(ud_scoreforfait1));
        EcritOption(20, Position(ud_scoreforfait2));
        if (!(c->Types() & TDonneesChampionnat::TypeCoupe)) {
            if (Position(UpDown9) != c->NbMatch()) {
                c->SetNbMatch(Position(UpDown9));
                Modifie = 1;
            }
            // Only the matchdays the question named go.
            if (c->ChangeNbJournees(Position(UpDown10),
                                    [this](const std::vector<int>& perdues) { return perdues == JourneesAccordees; }))
                Modifie = 1;
        }
        const int titulaires = Position(UpDown34);
        if (titulaires != c->NbTitulaire() && AccepteReduction(*c, nom, titulaires, -1)) {
            c->SetNbTitulaire(titulaires);
            Modifie = 1;
        }
        const int remplacants = Position(UpDown35);
        if (remplacants != c->NbRemp() && AccepteReduction(*c, nom, -1, remplacants)) {
            c->SetNbRemp(remplacants);
            Modifie = 1;
        }
        // The years as the box shows them (weighed before: a box it refuses
        // leaves them as they are).
        if (const std::optional<int> annees = nombres::Valeur(MaskEdit1)) {
            EcritOption(8, *annees / 100 - 1900);
            EcritOption(9, *annees % 100);
        }
        const int suivie = ComboBox1->ItemIndex();
        EcritOption(10, suivie > 0 ? suivie - 1 : 255);
        const uint8_t types = c->Types();
        if (rc_International->Checked() && !(types & TDonneesChampionnat::TypeInternational)) {
            c->SetTypes(static_cast<uint8_t>((types | TDonneesChampionnat::TypeInternational) &
                                             ~TDonneesChampionnat::TypeNational));
            Modifie = 1;
        } else if (!rc_International->Checked() && !(types & TDonneesChampionnat::TypeNational)) {
            c->SetTypes(static_cast<uint8_t>((types | TDonneesChampionnat::TypeNational) &
                                             ~TDonneesChampionnat::TypeInternational));
            Modifie = 1;
        }
        if (const std::optional<int> code = nombres::Valeur(e_CodePerso); code && e_CodePerso->Visible()) {
            if (*code != c->CodePerso) {
                c->CodePerso = static_cast<uint16_t>(*code);
                Modifie = 1;
            }
        }
        if (const int i = cb_CodeDiv->ItemIndex(); i >= 0) {
            const auto code = static_cast<int32_t>(cb_CodeDiv->Items().Objects(i));
            if (code != c->Division) {
                c->Division = code;
                Modifie = 1;
            }
        }
        EcritOptionArbitre(4, Position(UpDown13));
        EcritOptionArbitre(0, cc_GestionArbitre->Checked() ? 1 : 0);
        EcritOptionArbitre(1, cc_ArbitreMemeMatch->Checked() ? 1 : 0);
        EcritOptionArbitre(3, cc_ArbitreEquipeMois->Checked() ? Position(UpDown11) : 0);
        EcritOptionArbitre(2, cc_ArbitreEquipeMatchs->Checked() ? Position(UpDown12) : 0);
        if (cc_PetiteFinale->Checked() != c->PetiteFinale) {
            c->PetiteFinale = cc_PetiteFinale->Checked();
            Modifie = 1;
        }
    }
    if (Groupe == 0 || Groupe == 2) {
        // A file keeps no empty order: it reads back as the default one, so
        // that is what the standings use from now on.
        std::string code = Edit12->Text() == CodeCharge && !CodeCharge.empty() ? CodeCharge : CodeCriteres();
        if (code.empty())
            code = OrdreDefaut;
        if (code != c->OrdreClassement) {
            c->OrdreClassement = code;
            Modifie = 1;
        }
        for (auto [boite, valeur] : {std::pair{e_nButBonus, &c->BonusBut}, std::pair{e_PointBonus, &c->PointBonusBut},
                                     std::pair{e_nPointEcart, &c->BonusEcart}})
            if (const std::optional<int> v = nombres::Valeur(boite); v && *v != *valeur) {
                *valeur = *v;
                Modifie = 1;
            }
        std::vector<std::unique_ptr<TGroupeEquipe>> groupes;
        for (int g = 0; g < tv_Groupe->Items().TopCount(); ++g) {
            TTreeNode* n = tv_Groupe->Items().TopItem(g);
            auto groupe = std::make_unique<TGroupeEquipe>();
            groupe->NomGroupe = n->Text();
            for (int k = 0; k < n->Count(); ++k)
                groupe->AjouteEquipe(static_cast<int>(n->Item(k)->Data));
            groupes.push_back(std::move(groupe));
        }
        c->RemplaceGroupes(std::move(groupes));
        // The bands are rewritten; a change of them is reported, or the
        // season would close without asking to save it.
        std::vector<std::pair<int, int>> avant;
        for (int i = 0; i < c->NbTranches(); ++i) {
            int a = 0, b = 0;
            c->Tranche(i, a, b);
            avant.emplace_back(a, b);
        }
        const int nb = NbRangsTranche();
        std::vector<std::pair<int, int>> apres;
        for (int i = 0; i < nb; ++i)
            apres.emplace_back(Position(tranches_[static_cast<size_t>(i)]->UpDowns[0]),
                               Position(tranches_[static_cast<size_t>(i)]->UpDowns[1]));
        if (apres != avant)
            Modifie = 1;
        if (c->NbTranches() > nb)
            c->SupprimeTranches(nb, -1);
        for (int i = 0; i < nb; ++i)
            c->SetTranche(i, Position(tranches_[static_cast<size_t>(i)]->UpDowns[0]),
                          Position(tranches_[static_cast<size_t>(i)]->UpDowns[1]));
        TUpDown* anglaise[6] = {ud_ptsvictdom, ud_ptsnuldom, ud_ptsdefdom, ud_ptsvictext, ud_ptsnulext, ud_ptsdefext};
        for (int i = 0; i < 6; ++i)
            EcritOption(21 + i, Position(anglaise[i]));
    }
}

// ---- questions before values are dropped ------------------------------------------------------

bool CompositionsAuDela(const TDonneesChampionnat& c, int nbTitulaire, int nbRemp)
{
    const int tMax = c.NbTitulaire(), rMax = c.NbRemp();
    for (int n = 1; n <= c.NbJour(); ++n)
        for (int p = 0; p < c.NbEquipe(); ++p) {
            if (nbTitulaire >= 0)
                for (int s = nbTitulaire + 1; s <= tMax; ++s)
                    if (c.JoueurTitulaire(n, p, s) != 0)
                        return true;
            if (nbRemp >= 0)
                for (int r = nbRemp + 1; r <= rMax; ++r)
                    if (c.ValeurRemplacement(n, p, r, 1) != 0 || c.ValeurRemplacement(n, p, r, 3) != 0)
                        return true;
        }
    return false;
}

bool RetirePetiteFinale(const TSaison& saison, TDonneesChampionnat& c, const std::string& dates, int question)
{
    // The match the bracket reads as the third-place one, wherever it stands
    // among the last matchday's (alone there when the final needed no more).
    const int n = c.NbJour();
    const TMatchsCoupe e = MatchsCoupe(c);
    if (LignePetiteFinale(c, n) < 0 || n > static_cast<int>(e.size()))
        return DemandePerteDates(dates, question);
    const std::vector<TMatchCoupe>& avant = e[static_cast<size_t>(n - 1)];
    const auto troisieme =
        std::find_if(avant.begin(), avant.end(), [](const TMatchCoupe& m) { return m.Troisieme == 1; });
    if (troisieme == avant.end())
        return DemandePerteDates(dates, question);
    const int ligne = static_cast<int>(troisieme - avant.begin());
    std::vector<TMatchCoupe> apres = avant;
    apres[static_cast<size_t>(ligne)] = TMatchCoupe{};
    const TChangementCoupe x = ChangementJournee(c, n, avant, apres, {ligne});
    const TPeseeCoupe pesee = PeseCoupe(c, x);
    if (pesee.Refusee) {
        Tf_MessageUtil::Affiche(TexteEcart(saison, pesee.Ecart), mbuValider);
        return false;
    }
    // One question for the dates and the played matches that go.
    if (pesee.Nommes.empty()) {
        if (!DemandePerteDates(dates, question))
            return false;
    } else {
        std::string texte = QuestionCoupe(saison, 5680, pesee.Nommes);
        if (!dates.empty())
            texte = dates + '\n' + texte.substr(0, texte.rfind('\n')) + '\n' +
                    Traduire(question == TexteQuestionDates ? 5682 : 5708);
        if (Tf_MessageUtil::Affiche(texte, mbuOui | mbuNon) != mrYes)
            return false;
    }
    return ChangeCoupe(c, x, [](const TPeseeCoupe&) { return true; }).Faite;
}

bool AccepteReduction(const TDonneesChampionnat& c, const std::string& nom, int nbTitulaire, int nbRemp)
{
    const bool titulaires = nbTitulaire >= 0 && nbTitulaire < c.NbTitulaire();
    const bool remplacants = nbRemp >= 0 && nbRemp < c.NbRemp();
    if ((titulaires || remplacants) &&
        CompositionsAuDela(c, titulaires ? nbTitulaire : -1, remplacants ? nbRemp : -1) &&
        Tf_MessageUtil::Affiche(TraduireFormat(TexteReductionCompositions, {nom}), mbuOui | mbuNon) != mrYes)
        return false;
    return true;
}

bool AcceptePerteDates(const TSaison& saison,
                       const std::vector<std::pair<const TDonneesChampionnat*, uint16_t>>& changements)
{
    return DemandePerteDates(DatesPerdues(saison, changements));
}

bool DemandePerteDates(const std::string& dates, int question)
{
    return dates.empty() || Tf_MessageUtil::Affiche(dates + '\n' + Traduire(question), mbuOui | mbuNon) == mrYes;
}

std::string DatesPerdues(const TSaison& saison,
                         const std::vector<std::pair<const TDonneesChampionnat*, uint16_t>>& changements)
{
    constexpr size_t Montres = 10;
    std::vector<std::string> lignes;
    for (const auto& [c, drapeaux] : changements)
        for (const TDatePerdue& d : DatesPerdues(*c, drapeaux)) {
            // a cup's match named by its round
            const std::string nom = saison.Arbre().NomCompletCode(c->CodeChamp), tour = NomTourCoupe(*c, d.Journee);
            const std::string dom = saison.NomEquipe(d.Domicile), ext = saison.NomEquipe(d.Exterieur);
            const std::string date = TGestionDate::DateVersTexte(d.Date);
            lignes.push_back(tour.empty() ? TraduireFormat(5583, {nom, d.Journee, dom, ext, date})
                                          : TraduireFormat(5824, {nom, tour, dom, ext, date}));
        }
    if (lignes.empty())
        return {};
    std::string texte = Traduire(5582);
    for (size_t i = 0; i < lignes.size() && i < Montres; ++i)
        texte += '\n' + lignes[i];
    if (lignes.size() > Montres)
        texte += '\n' + TraduireNombre(5584, 5973, static_cast<int>(lignes.size() - Montres));
    return texte;
}

// ---- apply to every championship --------------------------------------------------------------

void Tf_Option::AppliqueATous(const std::vector<TDonneesChampionnat*>& liste, int n, int valeur, int masque)
{
    for (TDonneesChampionnat* c : liste) {
        const std::string nom = Saison ? Saison->Arbre().NomCompletCode(c->CodeChamp) : std::string();
        if (masque == 10) {
            if (valeur != c->NbTitulaire() && AccepteReduction(*c, nom, valeur, -1)) {
                c->SetNbTitulaire(valeur);
                StructureChangee = 1;
                AppliqueATousFait = true;
            }
        } else if (masque == 11) {
            if (valeur != c->NbRemp() && AccepteReduction(*c, nom, -1, valeur)) {
                c->SetNbRemp(valeur);
                StructureChangee = 1;
                AppliqueATousFait = true;
            }
        } else {
            // Whole words take the full 16-bit value; flag masks keep the
            // other bits of the word.
            const uint16_t m = masque == 0xFFFF ? 0xFFFF : static_cast<uint16_t>(masque);
            const uint16_t v = static_cast<uint16_t>(valeur) & m;
            const uint16_t mot = c->Option(n);
            if ((mot & m) != v) {
                if (n == 11)
                    ChangeDrapeauxDates(*c, static_cast<uint16_t>((mot & ~m) | v));
                else
                    c->SetOption(n, (mot & static_cast<uint16_t>(~m)) | v);
                StructureChangee = 1;
                AppliqueATousFait = true;
            }
        }
    }
}

void Tf_Option::b_DefautClick()
{
    if (!CompteursRemplis())
        return;
    TOwned<Tf_AppliquerOptions> f(new Tf_AppliquerOptions(this));
    f->ChangeCouleurs(Couleurs);
    if (f->ShowModal() != mrOk || !Saison)
        return;
    const std::vector<TDonneesChampionnat*> liste = Saison->Arbre().ListeChampionnats();
    // The date of each match applied to all: the matches that lose their own
    // are named first, and No applies nothing.
    if (f->clb_ChoixOptions->Items().Count() > 8 && f->clb_ChoixOptions->Checked(8)) {
        std::vector<std::pair<const TDonneesChampionnat*, uint16_t>> changements;
        const int dates = cc_SaisieDateMatch->Checked() ? 4 : 0;
        for (const TDonneesChampionnat* c : liste)
            changements.emplace_back(c, static_cast<uint16_t>((c->Option(11) & ~4) | dates));
        if (!AcceptePerteDates(*Saison, changements))
            return;
    }
    const std::optional<int> annees = nombres::Valeur(MaskEdit1);
    for (int i = 0; i < f->clb_ChoixOptions->Items().Count(); ++i) {
        if (!f->clb_ChoixOptions->Checked(i))
            continue;
        switch (i) {
        case 0: AppliqueATous(liste, 4, Position(UpDown1), 0xFFFF); break;
        case 1: AppliqueATous(liste, 5, Position(UpDown2), 0xFFFF); break;
        case 2: AppliqueATous(liste, 6, Position(UpDown3), 0xFFFF); break;
        case 3:
            AppliqueATous(liste, 15, Position(ud_forfait), 0xFFFF);
            AppliqueATous(liste, 19, Position(ud_scoreforfait1), 0xFFFF);
            AppliqueATous(liste, 20, Position(ud_scoreforfait2), 0xFFFF);
            break;
        case 4: AppliqueATous(liste, 0, Position(UpDown34), 10); break;
        case 5: AppliqueATous(liste, 0, Position(UpDown35), 11); break;
        case 6:
            if (annees) {
                AppliqueATous(liste, 8, *annees / 100 - 1900, 0xFFFF);
                AppliqueATous(liste, 9, *annees % 100, 0xFFFF);
            }
            break;
        case 7: AppliqueATous(liste, 11, cc_SaisieDateJour->Checked() ? 1 : 0, 1); break;
        case 8: AppliqueATous(liste, 11, cc_SaisieDateMatch->Checked() ? 4 : 0, 4); break;
        default: break;
        }
    }
}

// ---- the sport switch -------------------------------------------------------------------------

Tf_Option* CreeFenetreOption(TSaison* saison, TComponent* owner)
{
    if (!saison)
        return nullptr;
    const auto* c = dynamic_cast<const TClasseOption*>(saison->MultiSport().ClasseOption().get());
    return c && c->Cree ? c->Cree(owner) : nullptr;
}
