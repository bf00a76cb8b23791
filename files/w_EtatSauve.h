// The progress window of a load or a save, and its worker threads.
//
// The window is shown modally; its one-shot timer starts the worker, which
// reports progress and asks its questions through synchronous calls to the
// user-interface thread; when the worker ends, its end handler (on the
// user-interface thread) takes the result over and closes the window:
//
//     TOwned<Tf_EtatSauve> f(new Tf_EtatSauve(nullptr));
//     f->ChargeMode(fichier, dossierDll, sports, true);
//     if (f->ShowModal() == mrOk) saison = f->PrendSaison();
//     uint8_t etat = f->Etat();
//
// The window cannot be closed while the worker runs: the worker uses it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "files/ChargeurSaison.h"
#include "platform/rtl/Thread.h"
#include "ui/BrivantelForm.h"

class TLabel;
class TPanel;
class TProgressBar;
class TTimer;

// A load or save worker: created suspended, started by the progress window.
class TIOThread : public TThread
{
public:
    TIOThread();
    // Waits for the worker; the season and the progress bar are not freed here.
    ~TIOThread() override;

    // Stores the percentage and shows it on the progress bar, by a synchronous
    // call to the user-interface thread.
    void Progression(int pourcentage);
    int Pourcentage() const { return pourcentage_; }
    uint8_t Etat() const { return etat_; }

    // Load: the season read (handed over by the end handler); save: the season
    // to write (not owned), cleared when the save fails.
    std::unique_ptr<TSaison> SaisonChargee;
    TSaison* SaisonSauvee = nullptr;

protected:
    std::string nomFichier_;
    std::string dossierDll_;
    TProgressBar* progression_ = nullptr;
    int pourcentage_ = 0;
    uint8_t etat_ = 0;
};

class TChargeThread : public TIOThread
{
public:
    void Init(const std::string& nomFichier, const std::string& dossierDll, TProgressBar* barre,
              TEnsembleSports sports, bool verifieChampionnat);
    // Whether the load thread reads a file of that name: its extension without
    // its last character is ".xm" or ".df" (any letter case).
    static bool ExtensionAcceptee(const std::string& nomFichier);

protected:
    void Execute() override;

private:
    TEnsembleSports sports_ = 0;
    bool verifieChampionnat_ = false;
};

class TSauveThread : public TIOThread
{
public:
    // dit: a box follows the save (see TChargeurXmp::SetRetraits).
    void Init(const std::string& nomFichier, const std::string& dossierDll, TProgressBar* barre, TSaison* saison,
              bool dit = true);

protected:
    void Execute() override;

private:
    bool dit_ = true;
};

class Tf_EtatSauve : public TBrivantelForm
{
public:
    explicit Tf_EtatSauve(TComponent* AOwner);
    ~Tf_EtatSauve() override;

    // Mode 0: loads the file once shown (no season yet).
    void ChargeMode(const std::string& nomFichier, const std::string& dossierDll, TEnsembleSports sports,
                    bool verifieChampionnat);
    // Mode 1: saves the season into the file once shown; dit: a box then says
    // how the save went (else it removes no older version of the backup).
    void SauveMode(const std::string& nomFichier, const std::string& dossierDll, TSaison* saison, bool dit = true);

    uint8_t Mode() const { return mode_; }
    // The worker's status (5 success; load 0 to 4, save 1 on failure).
    uint8_t Etat() const { return etat_; }
    // Load: the season read (once, after the modal result 1).
    std::unique_ptr<TSaison> PrendSaison() { return std::move(saisonChargee_); }
    // Save: the season given, cleared when the save failed.
    TSaison* SaisonSauvee() const { return saisonSauvee_; }
    // Whether a worker has started and not yet ended.
    bool Occupe() const { return thread_ && !termine_; }

    void AppliqueCouleurs() override;

    TLabel* Label2 = nullptr;
    TTimer* t_Declenche = nullptr;
    TPanel* Panel1 = nullptr;
    TProgressBar* pb_Progression = nullptr;

private:
    void t_DeclencheTimer(TObject* Sender);
    void FinThread(TThread* thread);

    std::string nomFichier_;
    std::string dossierDll_;
    uint8_t mode_ = 0;
    TEnsembleSports sports_ = 0;
    bool verifieChampionnat_ = false;
    uint8_t etat_ = 0;
    std::unique_ptr<TSaison> saisonChargee_;
    TSaison* saisonSauvee_ = nullptr;
    bool dit_ = true;
    std::unique_ptr<TIOThread> thread_;
    bool termine_ = false;
};
