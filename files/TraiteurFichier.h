// The file operations the windows use for season files: open and save behind
// the progress window, the message of a load status, the last file in the
// settings file and the recent-file call-back, the division and sport of a
// file, the copy of a season's picture folder, the stadiums of matches copied
// from another season.
//
// What the main window provides is passed in by it: the archive folder (the
// program folder + "Dll\"), the settings file path, its add-to-recent-files
// method, the sports it accepts, its modified state and status bar.
//
//     uint8_t etat;
//     auto s = TTraiteurFichier::Charger(f, dll, ini, rappel, TousSports, etat, true);
//     if (!s) { std::string t; TTraiteurFichier::MessageEtat(etat, ExtractFileName(f), t); ... }
//     TTraiteurFichier::Sauver(f, saison, &ModifSaison, dll, ini, barre, rappel, true);
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/ChargeurSaison.h"
#include "files/ConstructionSaison.h"

class TSaison;
class TStade;
class TStatusBar;
class TThread;

// The recent-file call-back of the main window: takes the full file name.
using TRappelFichier = std::function<void(const std::string& nomFichier)>;

class TTraiteurFichier
{
public:
    TTraiteurFichier() = delete;

    // Opens the file behind the modal progress window. The season read, or
    // none; etat receives the status (5 success, see ChargeurSaison.h). A
    // season without current championship gets the first one. On success
    // ApresFichier runs. The caller shows MessageEtat for a status other than 5.
    static std::unique_ptr<TSaison> Charger(const std::string& nomFichier, const std::string& dossierDll,
                                            const std::string& fichierParametres, const TRappelFichier& rappel,
                                            TEnsembleSports sports, uint8_t& etat, bool verifieChampionnat);
    // The load itself (what the load thread runs; the import calls it directly
    // without progress and without thread).
    static uint8_t ChargeFichier(const std::string& nomFichier, std::unique_ptr<TSaison>& saison,
                                 const std::string& dossierDll, const TProgressionFichier& progression,
                                 TEnsembleSports sports, bool verifieChampionnat, TThread* thread);

    // Saves the season into the file behind the modal progress window; true
    // when the file was written and read back. On success: *modifSaison := 0
    // (when given) and panel 1 of the status bar emptied, message 253 when
    // afficheMessage, then ApresFichier. On failure the file, the season and
    // *modifSaison are left as they were, and message 529 with the reason
    // (disk full, folder not writable, file read-only...) when afficheMessage.
    static bool Sauver(const std::string& nomFichier, TSaison* saison, int* modifSaison,
                       const std::string& dossierDll, const std::string& fichierParametres, TStatusBar* barre,
                       const TRappelFichier& rappel, bool afficheMessage);

    // The text of a load status 0 to 4 (text 1556 + status with the file
    // name); for any other status texte is left as it is. A status 1 whose
    // reason the last load gave (not an archive, a damaged archive or
    // document) says that reason instead.
    static void MessageEtat(uint8_t etat, const std::string& nomFichier, std::string& texte);
    // Why the last load (ChargeFichier) or save (Sauver) did not succeed;
    // no reason after a success. Set by the worker, read once it has ended.
    static const TRaisonFichier& DerniereRaison();
    static void NoteRaison(TRaisonFichier raison);
    // For a ".xmc" file (any letter case): the full name as "LastFile" of
    // section "General" of the settings file (when a path is given), then the
    // call-back (when assigned). Other extensions: nothing.
    static void ApresFichier(const std::string& nomFichier, const std::string& fichierParametres,
                             const TRappelFichier& rappel);
    // 0 unless the first four characters of the extension are ".XMC" or ".XMD"
    // (sport untouched); otherwise the file's division (-1 when absent). An
    // archive that cannot be read raises EChargeurXmp.
    static int DivisionFichier(const std::string& nomFichier, const std::string& dossierDll, uint8_t& sport);
    // Makes the target folder a copy of the files of the source folder (the
    // target's files are deleted first). Two names of one folder (another
    // spelling, "..", a link) do nothing. True.
    static bool CopieDossier(const std::string& source, const std::string& cible);
    // The target season's stadium for a stadium of another season: none for
    // none; the target's stadium of the same id; else a copy (same id, country
    // mapped through tablePays when the table covers it) filed with merging,
    // or the identical stadium the target already had.
    static TStade* AjouteStade(TSaison& cible, const TStade* stade, const std::vector<uint16_t>& tablePays);

    // The competitions tree of a new season from the entry list (the
    // play-offs a line files leave barrages). Every file is read first: one
    // that cannot be read is named in a message and nothing changes (false).
    // The current championship is then the first of the tree.
    // lus: the files read beforehand by LitFichiersEntrees (nullptr: read
    // here).
    static bool ConstruitSaison(TSaison& saison, const TListeEntrees& entrees, int sport,
                                const std::string& dossierDll, TListeBarrages& barrages,
                                TFichiersEntrees* lus = nullptr);
    // The same for an open season: its championships and play-offs are
    // filed again where a line names them (new files imported), the others
    // leave it; barrages holds the play-offs made in the window.
    static bool CompleteSaison(TSaison& saison, const TListeEntrees& entrees, int sport,
                               const std::string& dossierDll, TListeBarrages& barrages,
                               TFichiersEntrees* lus = nullptr);
    // Reads the files the lines import (one slot per line), so that a caller
    // can learn that the building will succeed before it changes anything
    // else; false when one cannot be read (it is named in a message).
    static bool LitFichiersEntrees(const TListeEntrees& entrees, int sport, const std::string& dossierDll,
                                   TModeConstruction mode, TFichiersEntrees& lus);

    // True while Charger or Sauver runs: timers that fire meanwhile (the
    // auto-save) must not start another file operation.
    static bool OperationEnCours();
};
