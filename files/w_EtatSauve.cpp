#include "files/w_EtatSauve.h"

#include "files/TraiteurFichier.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

// ===========================================================================
// Workers

TIOThread::TIOThread() : TThread(true) {}

TIOThread::~TIOThread()
{
    // Execute uses the members of this object: it must be over first.
    Terminate();
    WaitFor();
    progression_ = nullptr;
    SaisonSauvee = nullptr;
}

void TIOThread::Progression(int pourcentage)
{
    pourcentage_ = pourcentage;
    Synchronize([this, pourcentage] {
        if (progression_)
            progression_->SetPosition(pourcentage);
    });
}

void TChargeThread::Init(const std::string& nomFichier, const std::string& dossierDll, TProgressBar* barre,
                         TEnsembleSports sports, bool verifieChampionnat)
{
    nomFichier_ = nomFichier;
    dossierDll_ = dossierDll;
    progression_ = barre;
    sports_ = sports;
    verifieChampionnat_ = verifieChampionnat;
    SaisonChargee.reset();
    etat_ = 0;
}

bool TChargeThread::ExtensionAcceptee(const std::string& nomFichier)
{
    const std::string ext = ExtractFileExt(nomFichier);
    if (ext.empty())
        return false;
    const std::string debut = LowerCase(ext.substr(0, ext.size() - 1));
    return debut == ".xm" || debut == ".df";
}

void TChargeThread::Execute()
{
    if (!ExtensionAcceptee(nomFichier_))
        return;   // status 0: nothing is read
    try {
        etat_ = TTraiteurFichier::ChargeFichier(
            nomFichier_, SaisonChargee, dossierDll_, [this](int p) { Progression(p); }, sports_,
            verifieChampionnat_, this);
    } catch (...) {
        // An unexpected failure is a read that failed, not a refused extension.
        SaisonChargee.reset();
        etat_ = etatLecture;
    }
    if (etat_ != etatCharge)
        SaisonChargee.reset();
}

void TSauveThread::Init(const std::string& nomFichier, const std::string& dossierDll, TProgressBar* barre,
                        TSaison* saison, bool dit)
{
    dit_ = dit;
    nomFichier_ = nomFichier;
    dossierDll_ = dossierDll;
    progression_ = barre;
    SaisonSauvee = saison;
    etat_ = 0;
}

void TSauveThread::Execute()
{
    bool ok = false;
    try {
        if (SaisonSauvee) {
            TChargeurXmp chargeur(nomFichier_, dossierDll_);
            chargeur.SetRetraits(dit_);
            ok = chargeur.Sauve(*SaisonSauvee, [this](int p) { Progression(p); });
            // Saved: the box may still have to say where an older backup is.
            TTraiteurFichier::NoteRaison(
                {texteAucuneRaison, {}, {}, chargeur.Garde(), chargeur.Anciennes(), chargeur.Retirees(), chargeur.Elaguees()});
        }
    } catch (const EChargeurXmp& e) {
        TTraiteurFichier::NoteRaison(e.Raison);
        ok = false;
    } catch (const std::exception& e) {
        TTraiteurFichier::NoteRaison({texteEchecEcriture, e.what(), {}, {}, {}, {}, {}});
        ok = false;
    } catch (...) {
        ok = false;
    }
    if (ok) {
        etat_ = etatCharge;
    } else {
        SaisonSauvee = nullptr;   // the caller's season: not freed
        etat_ = etatLecture;
    }
}

// ===========================================================================
// The window

namespace {

std::string TexteOu(int id, const std::string& defaut)
{
    const std::string t = Traducteur() ? Traduire(id) : std::string();
    return t.empty() ? defaut : t;
}

}  // namespace

Tf_EtatSauve::Tf_EtatSauve(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_EtatSauve");
    SetCaption("Chargement / Sauvegarde");
    SetBorderStyle(bsToolWindow);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(330);
    SetClientHeight(72);

    Label2 = new TLabel(this);
    Label2->SetName("Label2");
    Label2->SetAutoSize(false);
    Label2->SetAlignment(taCenter);
    Label2->SetTransparent(true);
    Label2->Font().SetStyle(fsBold);
    Label2->Font().SetColor(clYellow);
    Label2->SetCaption("Chargement du fichier");
    Label2->SetBounds(8, 10, 314, 18);
    Label2->SetParent(this);

    t_Declenche = new TTimer(this);
    t_Declenche->SetName("t_Declenche");
    t_Declenche->SetEnabled(false);
    t_Declenche->SetInterval(100);
    t_Declenche->OnTimer = [this](TObject* s) { t_DeclencheTimer(s); };

    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetCaption("");
    Panel1->SetColor(clWhite);
    Panel1->SetBounds(16, 38, 298, 20);
    Panel1->SetParent(this);

    pb_Progression = new TProgressBar(this);
    pb_Progression->SetName("pb_Progression");
    pb_Progression->SetMin(0);
    pb_Progression->SetMax(100);
    pb_Progression->SetAlign(alClient);
    pb_Progression->SetParent(Panel1);

    // The worker uses the window until it ends: closing waits for it.
    OnCloseQuery = [this](TObject*, bool& CanClose) { CanClose = termine_ || (!thread_ && !t_Declenche->Enabled()); };
    DoCreate();
}

Tf_EtatSauve::~Tf_EtatSauve()
{
    // Normally the worker has ended (the window closes only then); otherwise
    // wait for it here, while the window's members still exist.
    termine_ = true;
    thread_.reset();
}

void Tf_EtatSauve::AppliqueCouleurs()
{
    TBrivantelForm::AppliqueCouleurs();
    if (Panel1)
        Panel1->SetColor(clWhite);
}

void Tf_EtatSauve::ChargeMode(const std::string& nomFichier, const std::string& dossierDll, TEnsembleSports sports,
                              bool verifieChampionnat)
{
    mode_ = 0;
    nomFichier_ = nomFichier;
    dossierDll_ = dossierDll;
    sports_ = sports;
    verifieChampionnat_ = verifieChampionnat;
    saisonChargee_.reset();
    saisonSauvee_ = nullptr;
    if (Traducteur()) {
        Label2->SetCaption(TexteOu(449, Label2->Caption()));
        SetCaption(TexteOu(450, Caption()));
    }
    t_Declenche->SetEnabled(true);
}

void Tf_EtatSauve::SauveMode(const std::string& nomFichier, const std::string& dossierDll, TSaison* saison, bool dit)
{
    mode_ = 1;
    dit_ = dit;
    nomFichier_ = nomFichier;
    dossierDll_ = dossierDll;
    saisonChargee_.reset();
    saisonSauvee_ = saison;
    if (Traducteur()) {
        Label2->SetCaption(TexteOu(451, Label2->Caption()));
        SetCaption(TexteOu(452, Caption()));
    }
    t_Declenche->SetEnabled(true);
}

void Tf_EtatSauve::t_DeclencheTimer(TObject*)
{
    t_Declenche->SetEnabled(false);
    if (thread_)
        return;   // one worker per window
    pb_Progression->SetPosition(0);
    termine_ = false;
    if (mode_ == 0) {
        auto t = std::make_unique<TChargeThread>();
        t->Init(nomFichier_, dossierDll_, pb_Progression, sports_, verifieChampionnat_);
        thread_ = std::move(t);
    } else {
        auto t = std::make_unique<TSauveThread>();
        t->Init(nomFichier_, dossierDll_, pb_Progression, saisonSauvee_, dit_);
        thread_ = std::move(t);
    }
    // The window owns the worker (it waits for it when freed); the end handler
    // runs on this thread.
    thread_->FreeOnTerminate = false;
    thread_->OnTerminate = [this](TThread* t) { FinThread(t); };
    thread_->Start();
}

void Tf_EtatSauve::FinThread(TThread* thread)
{
    auto* t = static_cast<TIOThread*>(thread);
    const bool fermeture = termine_;   // the window is being freed
    termine_ = true;
    etat_ = t->Etat();
    bool ok = false;
    if (mode_ == 0) {
        saisonChargee_ = std::move(t->SaisonChargee);
        ok = etat_ == etatCharge && saisonChargee_;
        if (!ok)
            saisonChargee_.reset();
    } else {
        saisonSauvee_ = t->SaisonSauvee;
        t->SaisonSauvee = nullptr;
        ok = etat_ == etatCharge && saisonSauvee_;
    }
    if (!fermeture)
        SetModalResult(ok ? mrOk : mrCancel);
}
