// Season file commands of the main window: open, install, save, save as,
// auto-save, close, the modified state and the recent files.
#include <exception>
#include <functional>

#include "files/TraiteurFichier.h"
#include "files/w_OptionsSauve.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "results/w_Resultats.h"
#include "shell/Globales.h"
#include "shell/w_Principale.h"
#include "ui/message2.h"

namespace {

std::string DossierDll() { return MakePath(RepertoireProgramme(), "Dll\\"); }

TEnsembleSports Ensemble(const std::set<int>& sports)
{
    TEnsembleSports e = 0;
    for (int s : sports)
        e |= EnsembleSport(s);
    return e;
}

}  // namespace

int Tf_Principale::AfficheMessage(const std::string& texte, int boutons)
{
    return Tf_MessageUtil::Affiche(texte, boutons);
}

// ---- opening -----------------------------------------------------------------------------

std::string Tf_Principale::ChoisitFichier(const std::string& defaut)
{
    OpenDialog1->Filter = Traduire(8) + " (*.chf)|*.chf|" + Traduire(9) + " (*.chp)|*.chp|" + Traduire(10) +
                          " (*.sai; *.xmc; *.xmd)|*.sai;*.xmc;*.xmd|" + TraduireFormat(11, {NomCourt}) +
                          "|*.chp;*.chf;*.sai;*.xmc;*.xmd";
    OpenDialog1->FilterIndex = 3;
    OpenDialog1->DefaultExt = "xmc";
    OpenDialog1->Title = Traduire(7);
    OpenDialog1->InitialDir = DossierOuverture(defaut);
    OpenDialog1->FileName.clear();
    if (OpenDialog1->Execute())
    {
        DernierDossier = ExtractFileDir(OpenDialog1->FileName);
        return OpenDialog1->FileName;
    }
    return defaut;
}

std::string Tf_Principale::DossierOuverture(const std::string& nomFichier) const
{
    // The folder of the file named in the file box, else the last one used,
    // else the most recent file's, else the seasons' folder.
    for (const std::string& f : {nomFichier, e_NomFic->FileName()})
        if (!f.empty() && DirectoryExists(ExtractFileDir(f)))
            return ExtractFileDir(f);
    if (!DernierDossier.empty() && DirectoryExists(DernierDossier))
        return DernierDossier;
    if (DerniersFichiers.Count() > 0 && DirectoryExists(ExtractFileDir(DerniersFichiers[0])))
        return ExtractFileDir(DerniersFichiers[0]);
    return MakePath(RepertoireProgramme(), "sauvegarde\\");
}

void Tf_Principale::OpenFile(const std::string& nom)
{
    Etat = 2;
    std::string nomFichier = nom;
    if (nomFichier.empty())
    {
        nomFichier = ChoisitFichier("");
        if (nomFichier.empty())
            return;
    }
    // What the child window holds is part of the season the question is about.
    TValidationQuestion validation(*this, true);
    if (!validation.Acceptee || !DemandeEnregistrement())
        return;
    // A file that cannot be opened leaves the open season as it was.
    const std::string precedent = NomFichierCourant;
    auto echec = [&] {
        if (Saison)
            NomFichierCourant = precedent;
        else
            ReinitialiseSaison();
    };
    try
    {
        NomFichierCourant = nomFichier;
        uint8_t etat = 0;
        std::unique_ptr<TSaison> saison =
            TTraiteurFichier::Charger(nomFichier, DossierDll(), IniFileName(),
                                      [this](const std::string& f) { AddRecentFile(f); }, Ensemble(SportsAcceptes),
                                      etat, true);
        if (etat == etatCharge && saison)
        {
            InstallSeason(std::move(saison), nomFichier, false, 0);
            // The start page names the open season's file.
            e_NomFic->SetFileName(nomFichier);
            DernierDossier = ExtractFileDir(nomFichier);
        }
        else
        {
            std::string texte;
            TTraiteurFichier::MessageEtat(etat, FileNameToText(ExtractFileName(nomFichier)), texte);
            AfficheMessage(texte, mbuValider);
            echec();
        }
    }
    catch (const std::exception&)
    {
        echec();
    }
}

void Tf_Principale::InstallSeason(std::unique_ptr<TSaison> saison, const std::string& nomFichier, bool,
                                  int modif)
{
    // 1. The child window goes while its season is still alive.
    ShowChildForm(nullptr, false, false, false, false);
    // 2.
    if (saison)
        Saison = std::move(saison);
    // 3.
    TitresChampionnats.Clear();
    Sport = Saison ? Saison->Sport() : 5;
    NomFichierCourant = nomFichier;
    Statut->SetPanelText(1, "");
    ModifSaison = modif;
    // 4.
    if (!Saison)
    {
        AfficheMessage(Traduire(296), mbuValider);
        return;
    }
    RafraichitMenu(true, true);
    Statut->SetPanelText(2, TraduireFormat(12, {FileNameToText(NomFichierCourant)}));
    TypeFichier = 0;
    // The season installed shows no view yet: nothing of the one before is
    // shown again or made a step back.
    PointCourant.Commande = 0;
    InitialiseChampionnats();
}

void Tf_Principale::AfficheFichierCourant()
{
    Statut->SetPanelText(2, !avis_.empty()               ? avis_
                            : NomFichierCourant.empty() ? std::string()
                                                        : TraduireFormat(Enfant ? 1 : 12, {FileNameToText(NomFichierCourant)}));
    avis_.clear();
}

void Tf_Principale::Avise(const std::string& texte)
{
    // Nothing to say (any more): the panel names the file when it next does.
    avis_ = texte;
    if (!texte.empty())
        Statut->SetPanelText(2, texte);
}

void Tf_Principale::InitialiseChampionnats()
{
    DerniereCommande = 0;
    CommandePrecedente = 0;
    AfficheTitreChampionnat();
    if (Saison)
        AppliqueSauvegardeAuto(*t_AutoSave, *Saison);
}

void Tf_Principale::AfficheTitreChampionnat()
{
    if (!Saison)
        return;
    if (TitresChampionnats.Count() == 0)
    {
        AfficheBarres(true, false);
        return;
    }
    AfficheBarres(true, true);
    const TDonneesChampionnat* c = Saison->ChampionnatCourant();
    int i = c ? TitresChampionnats.IndexOfObject(c->CodeChamp) : -1;
    if (i < 0)
    {
        i = 0;
        Saison->SelectionneChampionnat(static_cast<int32_t>(TitresChampionnats.Objects(0)));
    }
    AfficheTitre(TitresChampionnats[i]);
}

// ---- saving --------------------------------------------------------------------------------

bool Tf_Principale::DemandeEnregistrement()
{
    if (!Saison || ModifSaison <= 0)
        return true;
    std::string nom = FileNameToText(ExtractFileName(NomFichierCourant));
    if (const int p = Pos(".", nom); p > 0)
        Delete(nom, p, 6);
    const int r = AfficheMessage(TraduireFormat(2, {nom}), mbuOui | mbuAnnuler | mbuNon);
    if (r == mrYes)
        return Enregistrer(false);
    return r != mrCancel;
}

namespace {

// While a season is written: a date the results page shows in a league by
// dates, with nothing entered, is no matchday of the file; the page keeps it.
struct DateVideHorsFichier
{
    std::function<void()> remet;
    explicit DateVideHorsFichier(TBrivantelForm* enfant)
    {
        if (auto* r = dynamic_cast<Tf_Resultats*>(enfant))
            remet = r->DateVideMiseDeCote();
    }
    ~DateVideHorsFichier()
    {
        if (remet)
            remet();
    }
    DateVideHorsFichier(const DateVideHorsFichier&) = delete;
    DateVideHorsFichier& operator=(const DateVideHorsFichier&) = delete;
};

}  // namespace

bool Tf_Principale::Enregistrer(bool silencieux)
{
    if (!Saison)
        return true;
    // 1. Seasons are always written as ".xmc".
    if (!NomFichierCourant.empty() && !SameText(ExtractFileExt(NomFichierCourant), ".xmc"))
    {
        const std::string cible = ChangeFileExt(NomFichierCourant, ".xmc");
        // That name already holds a file the user never chose for this season:
        // it is replaced only through the save-as dialog, which asks before
        // replacing it; the auto-save writes nothing.
        if (FileExists(cible))
            return silencieux ? false : EnregistrerSous(cible);
        NomFichierCourant = cible;
        if (ModifSaison < 1)
            SignaleModification();
    }
    // 2.
    if (ModifSaison == 99)
        return EnregistrerSous();
    // 3.
    if (ModifSaison == 0 || ModifSaison == 255)
        return true;
    // 4.
    const DateVideHorsFichier garde(Enfant);
    return TTraiteurFichier::Sauver(NomFichierCourant, Saison.get(), &ModifSaison, DossierDll(), IniFileName(),
                                    Statut, [this](const std::string& f) { AddRecentFile(f); }, !silencieux);
}

bool Tf_Principale::EnregistrerSous(const std::string& nomPropose)
{
    if (!Saison)
        return false;
    SaveDialog1->Filter = Traduire(10) + " (*.xmc)|*.xmc";
    SaveDialog1->FilterIndex = 1;
    SaveDialog1->DefaultExt = "xmc";
    SaveDialog1->Title = Traduire(13);
    SaveDialog1->InitialDir = MakePath(RepertoireProgramme(), "sauvegarde\\");
    SaveDialog1->FileName = nomPropose.empty() ? NomFichierCourant : nomPropose;
    if (!SaveDialog1->Execute() || SaveDialog1->FileName.empty())
        return false;
    SignaleModification();
    const std::string ancien = NomFichierCourant;
    std::string nouveau = SaveDialog1->FileName;
    if (!SameText(ExtractFileExt(nouveau), ".xmc"))
    {
        nouveau = ChangeFileExt(nouveau, ".xmc");
        // The dialog asked about the name it was given, not about this one.
        if (nouveau != SaveDialog1->FileName && FileExists(nouveau) && !ConfirmReplace(nouveau))
            return false;
    }
    NomFichierCourant = nouveau;
    const DateVideHorsFichier garde(Enfant);
    const bool ok = TTraiteurFichier::Sauver(nouveau, Saison.get(), &ModifSaison, DossierDll(), IniFileName(), Statut,
                                             [this](const std::string& f) { AddRecentFile(f); }, true);
    if (!ok)
    {
        // Nothing was written: the season still belongs to its old file.
        NomFichierCourant = ancien;
        return false;
    }
    AfficheFichierCourant();
    if (!ancien.empty())
    {
        const std::string pict = MakePath(RepertoireEcriture(), "pict\\");
        const std::string source = MakePath(pict, ExtractFileName(ancien) + "\\");
        if (DirectoryExists(source))
            TTraiteurFichier::CopieDossier(source, MakePath(pict, ExtractFileName(nouveau) + "\\"));
    }
    return true;
}

bool Tf_Principale::SauvegardeAuto(bool silencieux)
{
    // An entry the child keeps for correction: the user's save waits for it
    // (the child said why); the auto-save writes what the season holds, the
    // entry staying shown where it was typed.
    if (!ValideFenetre() && !silencieux)
        return false;
    return Enregistrer(silencieux);
}

void Tf_Principale::t_AutoSaveTimer(TObject*)
{
    // A file operation already running (its progress window pumps the timers)
    // is left alone: the next tick saves.
    // The timer ticks again after the save only if it was running: a save
    // asked for while it is off does not switch it on.
    if (TTraiteurFichier::OperationEnCours() || !Saison)
        return;
    const bool enMarche = t_AutoSave->Enabled();
    t_AutoSave->SetEnabled(false);
    try
    {
        SauvegardeAuto(true);
    }
    catch (...)
    {
        if (Saison && enMarche)
            t_AutoSave->SetEnabled(true);
        throw;
    }
    if (Saison && enMarche)
        t_AutoSave->SetEnabled(true);
}

void Tf_Principale::InitialiseSauvegardeAuto()
{
    if (Saison)
        AppliqueSauvegardeAuto(*t_AutoSave, *Saison);
    else
        t_AutoSave->SetEnabled(false);
}

void Tf_Principale::SignaleModification()
{
    if (ModifSaison == 0)
        ModifSaison = 1;
    Statut->SetPanelText(1, Traduire(18));
}

// ---- recent files --------------------------------------------------------------------------

void Tf_Principale::AddRecentFile(const std::string& nomFichier)
{
    const int i = DerniersFichiers.IndexOf(nomFichier);
    if (i == 0)
        return;
    if (i > 0)
        DerniersFichiers.Move(i, 0);
    else
        DerniersFichiers.Insert(0, nomFichier);

    if (MenuGauche && NoeudDerniers)
    {
        TTreeNodes& nodes = tv_Menu->Items();
        tv_Menu->BeginInternalChange();
        if (!GroupeDerniers)
        {
            // The group takes its place before the last command of its parent.
            TTreeNode* parent = NoeudDerniers;
            TTreeNode* avant = nullptr;
            for (int k = 0; k < parent->Count(); ++k)
                if (parent->Item(k)->Data == 12)
                    avant = parent->Item(k);
            NoeudDerniers = avant ? nodes.InsertObject(avant, Traduire(1297), 4)
                                  : nodes.AddChildObject(parent, Traduire(1297), 4);
            GroupeDerniers = true;
        }
        NoeudDerniers->DeleteChildren();
        for (int k = 1; k <= DerniersFichiers.Count(); ++k)
            nodes.AddChildObject(NoeudDerniers, FileNameToText(ExtractFileName(DerniersFichiers[k - 1])),
                                 (static_cast<intptr_t>(k) << 16) + 65535);
        NoeudDerniers->Expand(false);
        tv_Menu->EndInternalChange();
    }
    if (MenuHaut && !MenuSimple && MenuDerniers)
    {
        if (!GroupeMenuDerniers)
        {
            TMenuItem* parent = MenuDerniers;
            MenuDerniers = AjouteMenuItem(Traduire(1297), 4, nullptr, nullptr);
            int place = parent->Count();
            for (int k = 0; k < parent->Count(); ++k)
                if (parent->Items(k)->Tag == 12)
                    place = k;
            parent->Insert(place, MenuDerniers);
            GroupeMenuDerniers = true;
        }
        MenuDerniers->Clear();
        for (int k = 1; k <= DerniersFichiers.Count(); ++k)
            AjouteMenuItem(FileNameToText(ExtractFileName(DerniersFichiers[k - 1])), (static_cast<uint32_t>(k) << 16) + 65535,
                           nullptr, MenuDerniers);
    }
}

// ---- closing the season -----------------------------------------------------------------------

void Tf_Principale::ReinitialiseSaison()
{
    // The child window goes first: it may still write into the season.
    ShowChildForm(nullptr, false, false, false, true);
    Saison.reset();
    Sport = 5;
    RafraichitMenu(false, false);
    DerniereCommande = 0;
    CommandePrecedente = 0;
    ModifSaison = 0;
    Statut->SetPanelText(1, "");
    Statut->SetPanelText(2, "");
    NomFichierCourant.clear();
    EntreeImpression(false);
    EntreeHTML(false);
    t_AutoSave->SetEnabled(false);
    AfficheBarres(false, false);
}

void Tf_Principale::FermeSaison()
{
    const uint8_t etat = Etat;
    Etat = 2;
    TValidationQuestion validation(*this, true);
    if (!validation.Acceptee || !DemandeEnregistrement())
    {
        Etat = etat;
        return;
    }
    for (int& p : ParametresMemorises)
        p = -1;
    ShowChildForm(nullptr, false, false, true, true);
    Saison.reset();
    Sport = 5;
    RafraichitMenu(false, false);
    ModifSaison = 0;
    Statut->SetPanelText(1, "");
    Statut->SetPanelText(2, "");
    NomFichierCourant.clear();
    Historique.clear();
    HistoriqueSuivant.clear();
    PointCourant = THistorique{0, -1, 0};
    MajNavigation();
    t_AutoSave->SetEnabled(false);
    lb_DerniersFichiers->Clear();
    for (int i = 0; i < DerniersFichiers.Count(); ++i)
        lb_DerniersFichiers->Items().Add(FileNameToText(DerniersFichiers[i]));
    AfficheBarres(false, false);
}
