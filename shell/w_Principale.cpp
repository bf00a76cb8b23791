#include "shell/w_Principale.h"
#include "views/w_StatEquipe.h"

#include "ui/BrivantelForm.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "model/LectureParametre.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/Printers.h"
#include "net/Connexions.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/WinInet.h"
#include "records/Blasons.h"
#include "records/Fiches.h"
#include "shell/Aide.h"
#include "shell/Globales.h"
#include "shell/ModesMenu.h"
#include "shell/Parametres.h"
#include "shell/VueHtml.h"
#include "shell/w_AboutBox.h"
#include "shell/w_AstuceJour.h"
#include "shell/w_ChoixLangue.h"
#include "shell/w_ParamIntro.h"
#include "ui/Bouton.h"
#include "ui/ChoixDesign.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "platform/gui/ActnList.h"
#include "platform/gui/Langue.h"

Tf_Principale* f_Principale = nullptr;

namespace {

// The address of the maker's software pages when connexion.xml is missing.
constexpr const char* AdresseLogiciel = "http://mises-a-jour.invalid/logiciel/";

// Edition names of the four sports.
const char* const NomsEditions[4] = {"Gormelide", "Tessavonde", "Pollinarque", "Murvaline"};

template <class T>
T* Cree(TComponent* owner, TWinControl* parent, const char* nom)
{
    T* c = new T(owner);
    c->SetName(nom);
    c->SetParent(parent);
    return c;
}

}  // namespace

Tf_Principale::Tf_Principale(TComponent* AOwner) : TForm(AOwner)
{
    f_Principale = this;
    SetName("f_Principale");
    SetCaption(TitreProduit);
    SetBounds(0, 0, 800, 600);
    Position = poScreenCenter;
    CreeComposants();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    OnDestroy = [this](TObject* s) { FormDestroy(s); };
    DoCreate();
}

Tf_Principale::~Tf_Principale()
{
    // The windows that work on the season go before it.
    FreeAndNil(Enfant);
    for (TBrivantelForm*& f : FenetresGardees)
        FreeAndNil(f);
    FenetresGardees.clear();
    if (f_Principale == this)
        f_Principale = nullptr;
    SetPdfChooser(nullptr, nullptr);
}

// ---- the window's controls ---------------------------------------------------------------

void Tf_Principale::CreeComposants()
{
    SetColor(0xEE9C04);

    Statut = Cree<TStatusBar>(this, this, "Statut");
    Statut->SetAlign(alBottom);
    Statut->SetHeight(20);
    for (int w : {150, 60, 485})
        Statut->AddPanel().Width = w;
    Statut->Panels(1).Alignment = taCenter;
    Statut->Panels(0).Text = TitreProduit;
    Statut->Panels(1).Text = L1("modifié");
    Statut->SetVisible(false);

    Panel1 = Cree<TPanel>(this, this, "Panel1");
    Panel1->SetAlign(alClient);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetCaption("");

    Panel5 = Cree<TPanel>(this, Panel1, "Panel5");
    Panel5->SetAlign(alTop);
    Panel5->SetHeight(40);
    Panel5->SetBevelOuter(bvNone);
    Panel5->SetCaption("");
    Panel5->SetVisible(false);

    FondCopie1 = Cree<TFondCopie>(this, Panel5, "FondCopie1");
    FondCopie1->SetAlign(alLeft);
    FondCopie1->SetWidth(200);
    sb_Back = Cree<TSpeedButton>(this, FondCopie1, "sb_Back");
    sb_Back->SetBounds(130, 8, 36, 24);
    sb_Back->SetCaption("<");
    sb_Back->SetEnabled(false);
    sb_Forward = Cree<TSpeedButton>(this, FondCopie1, "sb_Forward");
    sb_Forward->SetBounds(170, 8, 36, 24);
    sb_Forward->SetCaption(">");
    sb_Forward->SetEnabled(false);
    Label1 = Cree<TLabel>(this, FondCopie1, "Label1");
    Label1->SetBounds(10, 12, 116, 16);
    Label1->SetCaption("Navigation Express");
    Label1->SetTransparent(true);

    fc_Titre = Cree<TFondCopie>(this, Panel5, "fc_Titre");
    fc_Titre->SetAlign(alClient);
    l_Titre = Cree<TLabel>(this, fc_Titre, "l_Titre");
    l_Titre->SetAutoSize(false);
    l_Titre->SetBounds(44, 8, 400, 24);
    l_Titre->SetAlignment(taCenter);
    l_Titre->SetTransparent(true);
    l_Titre->Font().SetSize(15);
    l_Titre->Font().SetStyle(fsBold);
    sb_ChampPrec = Cree<TSpeedButton>(this, fc_Titre, "sb_ChampPrec");
    sb_ChampPrec->SetBounds(8, 8, 28, 24);
    sb_ChampPrec->SetCaption("<<");
    sb_ChampSuiv = Cree<TSpeedButton>(this, fc_Titre, "sb_ChampSuiv");
    sb_ChampSuiv->SetBounds(452, 8, 28, 24);
    sb_ChampSuiv->SetCaption(">>");

    Panel4 = Cree<TPanel>(this, Panel1, "Panel4");
    Panel4->SetAlign(alClient);
    Panel4->SetBevelOuter(bvNone);
    Panel4->SetCaption("");

    fc_Menu = Cree<TFondCopie>(this, Panel4, "fc_Menu");
    fc_Menu->SetAlign(alLeft);
    fc_Menu->SetWidth(200);
    // The user widens the menu panel by dragging its right edge.
    sp_Menu = Cree<TSplitter>(this, Panel4, "sp_Menu");
    sp_Menu->SetAlign(alLeft);
    sp_Menu->SetLeft(fc_Menu->Width() + 1);
    sp_Menu->SetWidth(4);
    sp_Menu->MinSize = 120;
    tv_Menu = Cree<TTreeView>(this, fc_Menu, "tv_Menu");
    tv_Menu->SetBounds(10, 10, 180, 400);
    fc_Menu->OnResize = [this](TObject*) {
        tv_Menu->SetBounds(10, 10, std::max(fc_Menu->Width() - 20, 10), std::max(fc_Menu->Height() - 20, 10));
    };
    tv_Menu->SetShowLines(false);
    // The node of the view shown stays marked while the view has the focus.
    tv_Menu->HideSelection = false;
    tv_Menu->OnChanging = [this](TObject* s, TTreeNode* n, bool& a) { tv_MenuChanging(s, n, a); };

    fc_Principale = Cree<TFondCopie>(this, Panel4, "fc_Principale");
    fc_Principale->SetAlign(alClient);
    Image1 = Cree<TImage>(this, fc_Principale, "Image1");
    Image1->SetAlign(alClient);
    Image1->SetStretch(true);
    Image1->SetVisible(false);
    p_FondAffiche = Cree<TPanel>(this, fc_Principale, "p_FondAffiche");
    p_FondAffiche->SetAlign(alClient);
    p_FondAffiche->SetBevelOuter(bvNone);
    p_FondAffiche->SetCaption("");
    p_FondAffiche->SetVisible(false);

    p_Demarrage = Cree<TPanel>(this, fc_Principale, "p_Demarrage");
    p_Demarrage->SetAlign(alClient);
    p_Demarrage->SetBevelOuter(bvNone);
    p_Demarrage->SetBorderWidth(10);
    p_Demarrage->SetCaption("");
    p_Demarrage->SetColor(0x6F3000);

    pc_Demarrage = Cree<TPageControl>(this, p_Demarrage, "pc_Demarrage");
    pc_Demarrage->SetAlign(alClient);
    ts_Ouverture = new TTabSheet(this);
    ts_Ouverture->SetName("ts_Ouverture");
    ts_Ouverture->SetPageControl(pc_Demarrage);
    ts_Ouverture->SetCaption(L1("Démarrer"));
    ts_Ouverture->SetColor(0x6F3000);
    ts_Web = new TTabSheet(this);
    ts_Web->SetName("ts_Web");
    ts_Web->SetPageControl(pc_Demarrage);
    ts_Web->SetCaption("Internet");

    // The start page's background, in the design's dark colour.
    p_Ouverture = Cree<TPanel>(this, ts_Ouverture, "p_Ouverture");
    p_Ouverture->SetAlign(alClient);
    p_Ouverture->SetBevelOuter(bvNone);
    p_Ouverture->SetCaption("");
    p_Ouverture->SetColor(0x6F3000);

    Image2 = Cree<TImage>(this, ts_Ouverture, "Image2");
    Image2->SetAlign(alBottom);
    Image2->SetHeight(120);
    Image2->SetVisible(false);

    FondCopie19 = Cree<TFondCopie>(this, p_Ouverture, "FondCopie19");
    FondCopie19->SetBounds(16, 16, 290, 210);
    Label36 = Cree<TLabel>(this, FondCopie19, "Label36");
    Label36->SetBounds(14, 12, 260, 16);
    Label36->SetCaption("Derniers fichiers ouverts");
    Label36->SetTransparent(true);
    Label36->Font().SetStyle(fsBold);
    lb_DerniersFichiers = Cree<TListBox>(this, FondCopie19, "lb_DerniersFichiers");
    lb_DerniersFichiers->SetBounds(14, 34, 262, 162);
    lb_DerniersFichiers->OnDblClick = [this](TObject*) {
        const int i = lb_DerniersFichiers->ItemIndex();
        if (i >= 0 && i < DerniersFichiers.Count())
            OpenFile(DerniersFichiers[i]);
    };
    lb_DerniersFichiers->OnClick = [this](TObject*) {
        const int i = lb_DerniersFichiers->ItemIndex();
        if (i >= 0 && i < DerniersFichiers.Count())
            e_NomFic->SetFileName(DerniersFichiers[i]);
    };

    Label3 = Cree<TLabel>(this, p_Ouverture, "Label3");
    Label3->SetBounds(322, 28, 140, 16);
    Label3->SetCaption(L1("Modules chargés"));
    Label3->SetTransparent(true);
    Label3->Font().SetStyle(fsBold);
    lb_ModulesCharges = Cree<TListBox>(this, p_Ouverture, "lb_ModulesCharges");
    lb_ModulesCharges->SetBounds(322, 50, 120, 72);

    Label2 = Cree<TLabel>(this, p_Ouverture, "Label2");
    Label2->SetBounds(16, 238, 260, 16);
    Label2->SetCaption("Nom du fichier");
    Label2->SetTransparent(true);
    Label2->Font().SetStyle(fsBold);
    e_NomFic = Cree<TEdit>(this, p_Ouverture, "e_NomFic");
    e_NomFic->SetBounds(16, 258, 250, 24);
    e_NomFic->SetHoldsFileName(true);
    b_BrowseFichier = Cree<TButton>(this, p_Ouverture, "b_BrowseFichier");
    b_BrowseFichier->SetBounds(270, 258, 36, 24);
    b_BrowseFichier->SetCaption("...");
    b_BrowseFichier->OnClick = [this](TObject*) { e_NomFic->SetFileName(ChoisitFichier(e_NomFic->FileName())); };
    bc_Charger = Cree<TBoutonCopie>(this, p_Ouverture, "bc_Charger");
    bc_Charger->SetBounds(322, 255, 120, 30);
    bc_Charger->SetCaption("Charger");
    bc_Charger->OnClick = [this](TObject*) { OpenFile(e_NomFic->FileName()); };

    bc_Nouveau = Cree<TBoutonCopie>(this, p_Ouverture, "bc_Nouveau");
    bc_Nouveau->SetBounds(16, 300, 290, 30);
    bc_Nouveau->SetCaption(L1("Créer une nouvelle saison"));
    bc_Nouveau->OnClick = [this](TObject*) {
        int p = -1;
        MenuDispatch("", 5, nullptr, p, true);
    };
    bc_ConfigConnexion = Cree<TBoutonCopie>(this, p_Ouverture, "bc_ConfigConnexion");
    bc_ConfigConnexion->SetBounds(16, 338, 290, 30);
    bc_ConfigConnexion->SetCaption(L1("Configurer les paramètres de connexion"));
    bc_ConfigConnexion->SetVisible(false);
    bc_ConfigConnexion->OnClick = [this](TObject*) {
        int p = -1;
        MenuDispatch("", 180, nullptr, p, true);
    };

    Panel6 = Cree<TPanel>(this, ts_Web, "Panel6");
    Panel6->SetAlign(alBottom);
    Panel6->SetHeight(30);
    Panel6->SetBevelOuter(bvNone);
    Panel6->SetCaption("");
    Panel6->SetColor(0x6F3000);
    cb_ConnectDemarre = Cree<TCheckBox>(this, Panel6, "cb_ConnectDemarre");
    cb_ConnectDemarre->SetBounds(10, 6, 320, 20);
    cb_ConnectDemarre->SetCaption(L1("Ne pas se connecter au démarrage"));
    p_Web = Cree<TPanel>(this, ts_Web, "p_Web");
    p_Web->SetAlign(alClient);
    p_Web->SetBevelOuter(bvNone);
    p_Web->SetCaption("");
    wb_Intro = Cree<TVueHtml>(this, p_Web, "wb_Intro");
    wb_Intro->SetAlign(alClient);

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->SetName("SaveDialog1");
    t_AutoSave = new TTimer(this);
    t_AutoSave->SetName("t_AutoSave");
    t_AutoSave->SetEnabled(false);
    mm_Menu = new TMainMenu(this);
    mm_Menu->SetName("mm_Menu");
    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetName("PopupMenu1");
    sb_ChampPrec->SetPopupMenu(PopupMenu1);
    sb_ChampSuiv->SetPopupMenu(PopupMenu1);

    // The season's handlers.
    t_AutoSave->OnTimer = [this](TObject* s) { t_AutoSaveTimer(s); };
    sb_ChampPrec->OnClick = [this](TObject* s) { sb_ChampPrecClick(s); };
    sb_ChampSuiv->OnClick = [this](TObject* s) { sb_ChampSuivClick(s); };
    sb_Back->OnClick = [this](TObject*) { NavigueHistorique(true); };
    sb_Forward->OnClick = [this](TObject*) { NavigueHistorique(false); };
    tv_Menu->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { tv_MenuMouseMove(s, sh, x, y); };
    // A click on the entry already selected runs its command again (a click
    // on another one runs it through the change of selection).
    tv_Menu->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
        TTreeNode* n = b == mbLeft ? tv_Menu->GetNodeAt(x, y) : nullptr;
        noeudRelance_ = n && n == tv_Menu->Selected() ? n : nullptr;
        generationRelance_ = generationMenu_;
    };
    tv_Menu->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
        TTreeNode* n = noeudRelance_;
        noeudRelance_ = nullptr;
        if (b != mbLeft || !n || generationRelance_ != generationMenu_ || tv_Menu->GetNodeAt(x, y) != n ||
            tv_Menu->Selected() != n)
            return;
        int param = -1;
        MenuDispatch(n->Text(), static_cast<uint32_t>(n->Data), n, param, true);
    };
    tv_Menu->OnCustomDrawItem = [this](TTreeView* t, TTreeNode* n, TCustomDrawState st, bool& d) {
        tv_MenuCustomDrawItem(t, n, st, d);
    };
    tv_Menu->OnExpanded = [this](TObject*, TTreeNode*) { tv_Menu->Invalidate(); };
    // The title ends before the championship buttons at the right, in a
    // font that fits the width it has now.
    fc_Titre->OnResize = [this](TObject*) {
        sb_ChampPrec->SetLeft(fc_Titre->Width() - 70);
        sb_ChampSuiv->SetLeft(fc_Titre->Width() - 47);
        l_Titre->SetWidth(std::max(sb_ChampPrec->Left() - 4 - l_Titre->Left(), 10));
        AfficheTitre(l_Titre->Caption());
    };

    // Shortcuts: F2 back, F3 forward, Ctrl+1 .. Ctrl+9 and Ctrl+0 the favourites.
    ActionList1 = new TActionList(this);
    ActionList1->SetName("ActionList1");
    Precedent = new TAction(this);
    Precedent->SetName("Precedent");
    Precedent->SetActionList(ActionList1);
    Precedent->SetShortCut(VK_F2);
    Precedent->SetEnabled(false);
    Precedent->OnExecute = [this](TObject*) { NavigueHistorique(true); };
    Suivant = new TAction(this);
    Suivant->SetName("Suivant");
    Suivant->SetActionList(ActionList1);
    Suivant->SetShortCut(VK_F3);
    Suivant->SetEnabled(false);
    Suivant->OnExecute = [this](TObject*) { NavigueHistorique(false); };
    for (int i = 0; i < 10; ++i)
    {
        TAction* a = new TAction(this);
        a->SetName("Action" + std::to_string(i + 1));
        a->SetActionList(ActionList1);
        a->SetShortCut(ShortCut(static_cast<uint16_t>('0' + (i + 1) % 10), ssCtrl));
        a->Tag = i + 1;
        a->OnExecute = [this](TObject* s) { Action1Execute(s); };
        Actions[i] = a;
    }
}

// ---- creation --------------------------------------------------------------------------------

void Tf_Principale::FormCreate(TObject*)
{
    // 1.
    Sport = 5;
    sb_Back->SetEnabled(false);
    sb_Forward->SetEnabled(false);
    // 2.
    if (NomCourt.empty())
    {
        Titre = TitreProduit;
        NomCourt = NomCourtProduit;
        Version = VersionProduit;
    }
    // 3. Dates in one form; numbers shown with the locale's decimal separator until the
    // interface language is known (step 8).
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    FormatSettings().DateSeparator = '/';
    ApplyLocaleNumbers();
    Construction = false;
    PremiereActivation = true;
    for (int& p : ParametresMemorises)
        p = -1;
    // 4.
    const std::string prog = RepertoireProgramme();
    for (const char* s : {"Sauvegarde", "sauvegarde"})
        if (DirectoryExists(MakePath(prog, s)))
        {
            if (::chdir(MakePath(prog, s).c_str()) != 0)
                std::perror("chdir");
            break;
        }
    // 5.
    {
        TIniFile ini(IniFileName());
        NumeroDesign = ini.ReadInteger("General", "ModeleDesign", 1);
        SetWidth(ini.ReadInteger("General", "Width", 800));
        SetHeight(ini.ReadInteger("General", "Height", 600));
        PremierLancement = ini.ReadBool("General", "FirstLaunch", true);
        if (PremierLancement)
            ini.WriteBool("General", "FirstLaunch", false);
        cb_ConnectDemarre->SetChecked(ini.ReadBool("Internet", "connectauto", !InternetConnecte()));
        Langue = LangueValide(ini.ReadString("General", "Langue", ""));
    }
    // 6.
    if (Langue.empty())
    {
        ChoisitLangue();
        Langue = LangueValide(TIniFile(IniFileName()).ReadString("General", "Langue", "fr"));
        if (Langue.empty())
            Langue = "fr";
    }
    // 7.
    TIniFile ini(IniFileName());
    LitDerniersFichiers(ini, DerniersFichiers);
    MenuHaut = ini.ReadBool("General", "MenuHaut", false);
    MenuGauche = ini.ReadBool("General", "MenuGauche", true);
    const int menuSimple = ini.ReadInteger("General", "MenuSimple", -1);
    // 8. A damaged language file (not one, or cut short: it lacks texts the
    // other language has) gives way to the other language when that one is
    // sound; the user is told which file was damaged.
    const std::string fichierLangue = MakePath(prog, "texte\\Texte" + Langue + ".txt");
    std::string texteAvertissement;
    if (FileExists(fichierLangue))
    {
        auto traducteur = std::make_unique<TTraducteur>(fichierLangue);
        const std::string autreLangue = Langue == "fr" ? "en" : "fr";
        const std::string fichierAutre = MakePath(prog, "texte\\Texte" + autreLangue + ".txt");
        std::unique_ptr<TTraducteur> autre;
        if (FileExists(fichierAutre))
            autre = std::make_unique<TTraducteur>(fichierAutre);
        const bool endommage = traducteur->Endommage() || (autre && !autre->Endommage() && !traducteur->CouvreTextes(*autre));
        if (endommage && autre && !autre->Endommage())
        {
            texteAvertissement = autre->TraduireFormat(3802, {FileNameToText(fichierLangue), FileNameToText(fichierAutre)});
            traducteur = std::move(autre);
            Langue = autreLangue;
        }
        else if (endommage)
        {
            traducteur.reset();
            if (Langue == "fr")
                ShowMessageBox("Le fichier \"" + fichierLangue + L1("\" est endommagé"), TitreProduit, MB_OK);
            else
                ShowMessageBox("The file \"" + fichierLangue + "\" is damaged", TitreProduit, MB_OK);
            Application->Tag = 255;
        }
        InstalleTraducteur(std::move(traducteur));
    }
    else
    {
        InstalleTraducteur(nullptr);
        if (Langue == "fr")
            ShowMessageBox("Le fichier \"" + fichierLangue + "\" est introuvable", TitreProduit, MB_OK);
        else
            ShowMessageBox("Can't find the file \"" + fichierLangue + "\"", TitreProduit, MB_OK);
        Application->Tag = 255;
    }
    // Qt's own dialogs and the calendars speak the interface's language, and
    // numbers are shown with its decimal separator.
    AppliqueLangueInterface(Langue);
    ApplyLocaleNumbers(Langue);
    if (!texteAvertissement.empty())
        ShowMessageBox(texteAvertissement, TitreProduit, MB_OK | MB_ICONWARNING);
    TTraducteur* tr = Traducteur();
    if (tr)
        TraduitCouche();
    // 9.
    const std::string fichierConnexion = MakePath(prog, "connexion.xml");
    InstalleConnexion(std::make_unique<TConnexions>(fichierConnexion));
    if (!FileExists(fichierConnexion))
    {
        if (tr)
            ShowMessageBox(TraduireFormat(1556, {FileNameToText(fichierConnexion)}), TitreProduit, MB_OK);
        Connexion()->Url = AdresseLogiciel;
        Connexion()->Timeout = 60000;
    }
    else if (Connexion()->Endommage())
    {
        // What was read is kept; what was not takes the values of a missing file.
        if (tr)
            ShowMessageBox(TraduireFormat(3800, {FileNameToText(fichierConnexion)}), TitreProduit, MB_OK | MB_ICONWARNING);
        if (Connexion()->Url.empty())
            Connexion()->Url = AdresseLogiciel;
        if (Connexion()->Timeout <= 0)
            Connexion()->Timeout = 60000;
    }
    // 10.
    ConnexionDemarrage = !cb_ConnectDemarre->Checked();
    pc_Demarrage->SetActivePage(!Connexion()->Url.empty() && InternetConnecte() && ConnexionDemarrage ? ts_Web
                                                                                                    : ts_Ouverture);
    // 11.
    if (tr)
    {
        tr->SetProduit(NomCourt, Titre);
        MenuSimple = menuSimple == 1;
    }
    // 12.
    if (tr)
    {
        Label1->SetCaption(Traduire(1311));
        Label2->SetCaption(Traduire(796));
        Label36->SetCaption(Traduire(1371));
        bc_Charger->SetCaption(Traduire(1372));
        bc_Nouveau->SetCaption(Traduire(1374));
        bc_ConfigConnexion->SetCaption(Traduire(1375));
        ts_Ouverture->SetCaption(Traduire(1376));
        ts_Web->SetCaption(TraduireFormat(1377, {NomCourt}));
        cb_ConnectDemarre->SetCaption(Traduire(1386));
        Label3->SetCaption(Traduire(1601));
        // The "modified" panel holds its whole text in either language.
        Statut->Panels(1).Width = std::max(Statut->Panels(1).Width, Statut->Canvas().TextWidth(Traduire(18)) + 16);
    }
    // 13.
    auto lecture = std::make_unique<TLectureParamMulti>();
    const char* const modeles[4] = {"Championnatfoot.fr", "Championnatrugby.fr", "Championnatbasket.fr",
                                    "Championnathand.fr"};
    for (int s = 0; s < 4; ++s)
    {
        const std::string chemin = MakePath(prog, std::string("config\\") + modeles[s]);
        if (!lecture->ChargeParam(chemin, s))
        {
            if (tr)
                ShowMessageBox(TraduireFormat(1486, {FileNameToText(chemin)}), TitreProduit, MB_OK);
            Application->Tag = 255;
        }
    }
    InstalleLectureParamMulti(std::move(lecture));
    // 14.
    SetFichierAide(FichierAideLangue(Langue));
    // 15.
    if (tr)
    {
        if (MenuSimple)
            ConstruitMenuSimple();
        else
            ConstruitMenu();
        TitresChampionnats.Clear();
        RafraichitMenu(false, false);
    }
    // 16.
    Application->SetTitle(Titre);
    // 18. (history files; the crest catalogue and the picture store come with their windows)
    ChargeStats();
    // 17.
    const int bits = std::min(Screen->ColorDepth(), 24);
    const double couleurs = bits >= 31 ? 2147483648.0 : static_cast<double>(1u << std::max(bits, 0));
    if (couleurs < 65535)
    {
        if (tr)
            ShowMessageBox(Traduire(36), TitreProduit, MB_OK | MB_ICONERROR);
        Application->Tag = 255;
    }
    else if (Screen->Height() < 480 || Screen->Width() < 640)
    {
        ShowMessageBox(Traduire(37), TitreProduit, MB_OK | MB_ICONERROR);
        Application->Tag = 255;
    }
    // 18. The crest catalogue and the picture store (the history files of past
    // seasons are created here once their subsystem exists).
    CreeCataloguesImages(RepertoireProgramme(), RepertoireEcriture());
    if (tr && Blasons() && Blasons()->Endommage())
        ShowMessageBox(TraduireFormat(3800, {FileNameToText(Blasons()->FichierIndex())}), TitreProduit, MB_OK | MB_ICONWARNING);
    // The sports' team sheets with the sport switch.
    EnregistreStatEquipe();
    // 19.
    TexteTitre = 3;
    tv_Menu->SetIndent(10);
    PlaceDemarrage();
}

// The start page of the window: the page of the Internet tab.
void Tf_Principale::PlaceDemarrage()
{
    const std::string page = MakePath(FichierAide(), "html\\internet.htm");
    if (FileExists(page))
        wb_Intro->ChargeFichier(page);
    cb_ConnectDemarre->OnClick = [this](TObject* s) { cb_ConnectDemarreClick(s); };
}

void Tf_Principale::cb_ConnectDemarreClick(TObject*)
{
    TIniFile(IniFileName()).WriteBool("Internet", "connectauto", cb_ConnectDemarre->Checked());
}

std::string Tf_Principale::IniFileName() const { return CheminParametres(); }

bool Tf_Principale::InternetConnecte() const
{
    uint32_t flags = 0;
    return InternetGetConnectedState(&flags, 0);
}

int Tf_Principale::SportParDefaut() const
{
    for (int s = 0; s < 4; ++s)
        if (SportsAcceptes.count(s))
            return s;
    return 0;
}

// ---- activation ----------------------------------------------------------------------------

void Tf_Principale::FormActivate(TObject*)
{
    if (activationEnCours_)
        return;   // the dialogs of the first activation give the focus back
    AppliqueDesign();
    if (Application->Tag != 0)
    {
        Close();
        return;
    }
    if (!PremiereActivation)
        return;
    activationEnCours_ = true;
    try
    {
        PremiereActivationFenetre();
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "%s\n", Cp1252ToUtf8(e.what()).c_str());
        activationEnCours_ = false;
        PremiereActivation = false;
        Close();
        return;
    }
    activationEnCours_ = false;
    PremiereActivation = false;
}

void Tf_Principale::PremiereActivationFenetre()
{
    // 1. Fit to the screen.
    const int sw = Screen->Width(), sh = Screen->Height();
    if (Height() > sh)
        SetHeight(sh);
    if (Width() > sw)
        SetWidth(sw);
    const int gauche = (sw - Width()) / 2, haut = (sh - Height()) / 2;
    SetLeft(gauche);
    SetTop(haut);
    if (gauche == 0 || haut == 0)
        SetWindowState(wsMaximized);
    // 2.
    ModifSaison = 0;
    FermeFenetreEnfant();
    Statut->SetPanelText(1, "");
    SetCaption(TraduireFormat(TexteTitre, {Titre}));
    if (Caption().empty())
        SetCaption(Titre);
    // 3.
    SportsAcceptes = {4};
    // 4.
    if (PremierLancement)
        ParamIntro();
    // 5.
    lb_ModulesCharges->Clear();
    for (const char* n : NomsEditions)
        lb_ModulesCharges->Items().Add(n);
    // 6.
    bool montreAstuce = true;
    {
        TIniFile ini(IniFileName());
        e_NomFic->SetFileName(NomFichierRetenu(ini.ReadString("General", "LastFile", "")));
        montreAstuce = ini.ReadBool("General", "ShowAstuce", true);
    }
    lb_DerniersFichiers->Clear();
    for (int i = 0; i < DerniersFichiers.Count(); ++i)
        lb_DerniersFichiers->Items().Add(FileNameToText(DerniersFichiers[i]));
    bc_ConfigConnexion->SetVisible(true);
    // 7.
    if (montreAstuce)
        AfficheAstuce();
    VerificationDemarrage();
}

void Tf_Principale::ParamIntro()
{
    TOwned<Tf_ParamIntro> f(new Tf_ParamIntro(this));
    f->ChangeCouleurs(Couleurs);
    if (f->ShowModal() != mrOk)
        return;
    TIniFile ini(IniFileName());
    MenuSimple = f->cb_ModeSimplifie->Checked();
    ini.WriteInteger("General", "MenuSimple", MenuSimple ? 1 : 0);
    const bool pasDeConnexion = !f->cb_ConnexionSite->Checked();
    ini.WriteBool("Internet", "connectauto", pasDeConnexion);
    cb_ConnectDemarre->SetChecked(pasDeConnexion);
    ini.WriteString("General", "FavorisEx", ListeModeMenu(f->cb_modes->ItemIndex()));
    // The menus follow the chosen mode at once.
    if (Traducteur())
    {
        if (MenuSimple)
            ConstruitMenuSimple();
        else
            ConstruitMenu();
        RafraichitMenu(EtatMenuA, EtatMenuB);
    }
}

// ---- closing ---------------------------------------------------------------------------------

void Tf_Principale::FormClose(TObject*, TCloseAction& Action)
{
    Etat = 2;
    TValidationQuestion validation(*this, true);
    if (!validation.Acceptee || !DemandeEnregistrement())
    {
        Etat = 0;
        Action = caNone;
        return;
    }
    // The child window goes before the season it works on.
    ShowChildForm(nullptr, false, false, false, true);
    t_AutoSave->SetEnabled(false);
    Saison.reset();
    Sport = 5;
    FermeAides();
    TitresChampionnats.Clear();
    Action = caFree;
}

void Tf_Principale::FormDestroy(TObject*)
{
    ImageMenu.reset();
    ImageAccueil.reset();
    {
        TIniFile ini(IniFileName());
        EcritDerniersFichiers(ini, DerniersFichiers);
        ini.WriteInteger("General", "Width", Width());
        ini.WriteInteger("General", "Height", Height());
    }
    DerniersFichiers.Clear();
    Entrees.clear();
    InstalleLectureParamMulti(nullptr);
    InstalleConnexion(nullptr);
    // The translator goes last: windows closing with us may still ask for texts.
    InstalleTraducteur(nullptr);
}

// ---- design --------------------------------------------------------------------------------

void Tf_Principale::AppliqueDesign()
{
    Tf_ChoixDesign::ChargeDesign(RepertoireProgramme(), NumeroDesign, Couleurs);
    if (Dessin)
    {
        Dessin->Couleurs = Couleurs;
        fc_Menu->SetModele(Dessin->FondModele("Dessin.FondMenuBleu"));
        fc_Principale->SetModele(Dessin->FondModele("Dessin.FondMenuBleu"));
        fc_Titre->SetModele(Dessin->FondModele("Dessin.FondMenuBleu"));
        FondCopie1->SetModele(Dessin->FondModele("Dessin.FondMenuBleu"));
        FondCopie19->SetModele(Dessin->FondModele("Dessin.FondCreuxBleu"));
        bc_Charger->SetModele(Dessin->BoutonModele("Dessin.BoutonOrange3"));
        bc_Nouveau->SetModele(Dessin->BoutonModele("Dessin.BoutonOrange"));
        bc_ConfigConnexion->SetModele(Dessin->BoutonModele("Dessin.BoutonOrange"));
    }
    auto charge = [](std::unique_ptr<TPicture>& image, const std::string& nom) {
        image.reset();
        if (nom.empty() || !FileExists(nom))
            return;
        auto p = std::make_unique<TPicture>();
        try
        {
            p->LoadFromFile(nom);
            image = std::move(p);
        }
        catch (const std::exception&)
        {
        }
    };
    charge(ImageMenu, Couleurs.BitmapMenu);
    charge(ImageAccueil, Couleurs.BitmapCentre);
    Image1->SetVisible(ImageAccueil != nullptr);
    Image2->SetVisible(ImageAccueil != nullptr);
    if (ImageAccueil)
    {
        Image1->Picture().Assign(*ImageAccueil);
        Image2->Picture().Assign(*ImageAccueil);
    }
    const TColor fonce = *Couleurs.Couleur(1);
    tv_Menu->SetColor(fonce);
    p_Demarrage->SetColor(fonce);
    ts_Ouverture->SetColor(fonce);
    p_Ouverture->SetColor(fonce);
    Panel6->SetColor(fonce);
    SetColor(*Couleurs.Couleur(0));
    tv_Menu->Font().SetColor(*Couleurs.Couleur(11));
    if (!Couleurs.FontMenu.empty())
        tv_Menu->Font().SetName(Couleurs.FontMenu);
    l_Titre->Font().SetColor(*Couleurs.Couleur(19));
    for (TLabel* l : {Label1, Label2, Label3, Label36})
        l->Font().SetColor(*Couleurs.Couleur(16));
    cb_ConnectDemarre->Font().SetColor(*Couleurs.Couleur(16));
    for (TBoutonCopie* b : {bc_Charger, bc_Nouveau, bc_ConfigConnexion})
    {
        b->Setcouleur(*Couleurs.Couleur(3));
        b->SetcouleurOver(*Couleurs.Couleur(4));
    }
    Invalidate();
}

void Tf_Principale::AfficheTitre(const std::string& texte)
{
    for (int taille = 15; taille >= 11; --taille)
    {
        l_Titre->Font().SetSize(taille);
        if (ScreenTextWidth(l_Titre->Font(), texte) <= l_Titre->Width())
            break;
    }
    l_Titre->SetCaption(texte);
}

void Tf_Principale::AfficheBarres(bool statut, bool titre)
{
    Statut->SetVisible(statut);
    Panel5->SetVisible(titre);
    fc_Titre->SetVisible(titre);
}

// ---- dialogs -------------------------------------------------------------------------------

void Tf_Principale::ChoisitLangue()
{
    TOwned<Tf_ChoixLangue> f(new Tf_ChoixLangue(this));
    f->ChangeCouleurs(Couleurs);
    f->FichierIni = IniFileName();
    f->ShowModal();
}

void Tf_Principale::AfficheAstuce()
{
    TOwned<Tf_AstuceJour> f(new Tf_AstuceJour(this));
    f->ChangeCouleurs(Couleurs);
    f->FichierIni = IniFileName();
    f->ShowModal();
}

void Tf_Principale::AfficheAPropos()
{
    TOwned<Tf_AboutBox> f(new Tf_AboutBox(this));
    f->ChangeCouleurs(Couleurs);
    f->ShowModal();
}

void Tf_Principale::AfficheAideProgramme() { AfficheAide(); }

