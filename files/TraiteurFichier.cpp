#include "files/TraiteurFichier.h"

#include <filesystem>

#include "files/w_EtatSauve.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "ui/Dessin.h"
#include "ui/message2.h"

namespace {

constexpr int TexteEtat0 = 1556;
constexpr int TexteEnregistre = 253;
constexpr int TexteEchec = 529;

int g_operations = 0;
TRaisonFichier g_raison;

// Marks a file operation as running for its lifetime.
class TOperation
{
public:
    TOperation() { ++g_operations; }
    ~TOperation() { --g_operations; }
    TOperation(const TOperation&) = delete;
    TOperation& operator=(const TOperation&) = delete;
};

TOwned<Tf_EtatSauve> NouvelleFenetre()
{
    TOwned<Tf_EtatSauve> f(new Tf_EtatSauve(nullptr));
    f->ChangeCouleurs(Dessin ? Dessin->Couleurs : TCouleurElement());
    return f;
}

// The path a folder name stands for, spelling and links resolved as far as the
// folder exists.
std::filesystem::path Canonique(const std::string& dossier)
{
    std::error_code ec;
    const std::filesystem::path p(ToNativePath(ExcludeTrailingPathDelimiter(dossier)));
    std::filesystem::path r = std::filesystem::weakly_canonical(std::filesystem::absolute(p, ec), ec);
    if (ec)
        r = std::filesystem::absolute(p, ec).lexically_normal();
    return r;
}

}  // namespace

bool TTraiteurFichier::OperationEnCours()
{
    return g_operations > 0;
}

const TRaisonFichier& TTraiteurFichier::DerniereRaison()
{
    return g_raison;
}

void TTraiteurFichier::NoteRaison(TRaisonFichier raison)
{
    g_raison = std::move(raison);
}

// ---------------------------------------------------------------------------
// Loading

uint8_t TTraiteurFichier::ChargeFichier(const std::string& nomFichier, std::unique_ptr<TSaison>& saison,
                                        const std::string& dossierDll, const TProgressionFichier& progression,
                                        TEnsembleSports sports, bool verifieChampionnat, TThread* thread)
{
    TChargeurXmp chargeur(nomFichier, dossierDll);
    NoteRaison({});
    const uint8_t etat = chargeur.Charge(saison, sports, progression, verifieChampionnat, thread);
    NoteRaison(chargeur.Raison());
    return etat;
}

std::unique_ptr<TSaison> TTraiteurFichier::Charger(const std::string& nomFichier, const std::string& dossierDll,
                                                   const std::string& fichierParametres,
                                                   const TRappelFichier& rappel, TEnsembleSports sports,
                                                   uint8_t& etat, bool verifieChampionnat)
{
    TOperation operation;
    std::unique_ptr<TSaison> saison;
    TOwned<Tf_EtatSauve> f = NouvelleFenetre();
    f->ChargeMode(nomFichier, dossierDll, sports, verifieChampionnat);
    if (f->ShowModal() == mrOk) {
        saison = f->PrendSaison();
        if (saison && !saison->ChampionnatCourant())
            saison->SelectionneChampionnat(-1);
    }
    etat = f->Etat();
    f.reset();
    if (saison)
        ApresFichier(nomFichier, fichierParametres, rappel);
    return saison;
}

// ---------------------------------------------------------------------------
// Saving

bool TTraiteurFichier::Sauver(const std::string& nomFichier, TSaison* saison, int* modifSaison,
                              const std::string& dossierDll, const std::string& fichierParametres,
                              TStatusBar* barre, const TRappelFichier& rappel, bool afficheMessage)
{
    TOperation operation;
    bool resultat = false;
    NoteRaison({});
    {
        TOwned<Tf_EtatSauve> f = NouvelleFenetre();
        // A save no box follows (the auto-save) removes no older version of
        // the backup: the next save with a box does, and names it.
        f->SauveMode(nomFichier, dossierDll, saison, afficheMessage);
        resultat = f->ShowModal() == mrOk;
    }
    if (resultat) {
        if (modifSaison) {
            *modifSaison = 0;
            if (barre && barre->PanelCount() > 1)
                barre->SetPanelText(1, "");
        }
        if (afficheMessage) {
            std::string texte = Traduire(TexteEnregistre);
            const auto affiche = [](const std::string& f) { return FileNameToText(ExtractFileName(f)); };
            if (const std::string garde = MessageAnciennes(g_raison, affiche); !garde.empty())
                texte += "\r" + garde;
            Tf_MessageUtil::Affiche(texte, mbuValider);
        }
        ApresFichier(nomFichier, fichierParametres, rappel);
    } else if (afficheMessage) {
        std::string texte = Traduire(TexteEchec);
        const auto affiche = [](const std::string& f) { return FileNameToText(ExtractFileName(f)); };
        const std::string raison = MessageRaison(g_raison, affiche(nomFichier), affiche);
        if (!raison.empty())
            texte += "\r" + raison;
        Tf_MessageUtil::Affiche(texte, mbuValider);
    }
    return resultat;
}

// ---------------------------------------------------------------------------
// Small operations

void TTraiteurFichier::MessageEtat(uint8_t etat, const std::string& nomFichier, std::string& texte)
{
    if (etat == etatLecture && g_raison.texte != texteAucuneRaison)
        texte = MessageRaison(g_raison, nomFichier);
    else if (etat <= etatSansChampionnat)
        texte = TraduireFormat(TexteEtat0 + etat, {nomFichier});
}

void TTraiteurFichier::ApresFichier(const std::string& nomFichier, const std::string& fichierParametres,
                                    const TRappelFichier& rappel)
{
    if (!SameText(ExtractFileExt(nomFichier), ".xmc"))
        return;
    if (!fichierParametres.empty()) {
        TIniFile ini(fichierParametres);
        ini.WriteString("General", "LastFile", nomFichier);
    }
    if (rappel)
        rappel(nomFichier);
}

int TTraiteurFichier::DivisionFichier(const std::string& nomFichier, const std::string& dossierDll, uint8_t& sport)
{
    const std::string ext = UpperCase(ExtractFileExt(nomFichier)).substr(0, 4);
    if (ext != ".XMC" && ext != ".XMD")
        return 0;
    TChargeurXmp chargeur(nomFichier, dossierDll);
    return chargeur.LitDivision(sport);
}

bool TTraiteurFichier::CopieDossier(const std::string& source, const std::string& cible)
{
    // Compared as the folders they are, not as they are spelt: emptying the
    // target must never empty the source.
    if (Canonique(source) == Canonique(cible))
        return true;
    const std::string dossierCible = IncludeTrailingPathDelimiter(ToNativePath(cible));
    const std::string dossierSource = IncludeTrailingPathDelimiter(ToNativePath(source));
    ForceDirectories(dossierCible);
    for (const TSearchRec& r : ListFiles(dossierCible, "*"))
        DeleteFile(dossierCible + r.Name);
    for (const TSearchRec& r : ListFiles(dossierSource, "*"))
        CopyFile(dossierSource + r.Name, dossierCible + r.Name, true);
    return true;
}

TStade* TTraiteurFichier::AjouteStade(TSaison& cible, const TStade* stade, const std::vector<uint16_t>& tablePays)
{
    if (!stade)
        return nullptr;
    if (TStade* existant = cible.Stades().ChercheStade(stade->Code))
        return existant;
    std::unique_ptr<TStade> copie = TStade::CreateCopie(*stade);
    copie->Code = stade->Code;
    // The table is indexed by the other season's codes: only what it covers
    // is mapped.
    if (copie->CodePays != TStade::Aucun && copie->CodePays < tablePays.size())
        copie->CodePays = tablePays[copie->CodePays];
    return cible.Stades().AjouteStade(std::move(copie), true);
}
