// The command dispatcher of the main window and its launchers.
#include <algorithm>
#include <array>
#include <initializer_list>

#include "files/w_OptionsSauve.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "model/MultiSport.h"
#include "shell/Aide.h"
#include "shell/Commandes.h"
#include "shell/Textes.h"
#include "shell/Globales.h"
#include "shell/w_Principale.h"
#include "ui/ChoixDesign.h"
#include "ui/message2.h"
#include "views/w_Classement.h"

namespace {

bool Dans(int id, std::initializer_list<int> ids) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }
bool Entre(int id, int a, int b) { return id >= a && id <= b; }

}  // namespace

bool CommandeSansHistorique(int c)
{
    // Printing and writing the view shown leave it shown: no navigation
    // point, so that a step back shows the view before it and never prints
    // again whatever is shown then. Nor is the season's composition a view.
    return Dans(c, {7, 9, 11, 12, 144, 145, 146, 176, 177, 178, 179, 180, 181, 182, 193, 194, 204, 215, 219, 220, 222,
                    223, 224, 226, 227, 228, 229, 232});
}

bool CommandeNonMemorisee(int c)
{
    return Entre(c, 26, 32) || c == 34 || c == 39 || Entre(c, 121, 125) || Entre(c, 128, 131) || c == 156 ||
           Entre(c, 199, 202) || Dans(c, {221, 233, 252, 253});
}

bool CommandeSansAction(int c)
{
    return Dans(c, {120, 126, 127, 188, 189, 190, 195, 196, 216, 222, 223, 224, 231, 238}) || Entre(c, 203, 214);
}

bool CommandeHorsVue(int c)
{
    return Dans(c, {5,   6,   7,   8,   9,   11,  12,  22,  131, 144, 145, 146, 176, 177, 178, 179, 180,
                    181, 182, 192, 193, 194, 197, 198, 215, 219, 220, 226, 227, 228, 229, 232, 261});
}

// ---- the dispatcher -----------------------------------------------------------------------------

bool Tf_Principale::MenuDispatch(const std::string& caption, uint32_t id, TTreeNode* node, int& param,
                                 bool historique)
{
    // 1.
    if (Construction)
        return true;
    // 2. A recent file.
    if ((id & 0xFFFF) == 0xFFFF && id > 0xFFFF)
    {
        const int k = static_cast<int>(id >> 16);
        const TSaison* avant = Saison.get();
        if (k >= 1 && k <= DerniersFichiers.Count())
        {
            const std::string nom = DerniersFichiers[k - 1];
            OpenFile(nom);
        }
        // The season left as it was (a child keeping an entry to correct, a
        // question cancelled) keeps its navigation.
        if (Saison.get() != avant || !Saison)
        {
            DerniereCommande = 0;
            PointCourant.Commande = 0;
        }
        return false;
    }
    // 3. A championship. (A child that keeps an entry to correct stays, and
    // so does its championship.)
    if (id > 0xFFFF)
    {
        try
        {
            ChangeChampionnat(static_cast<int32_t>(id >> 16), node);
        }
        catch (const EEnfantGarde&)
        {
        }
        return false;
    }
    // 4. A group.
    if (id < 5)
        return true;
    const int commande = static_cast<int>(id);
    // 5.
    bool histo = caption.find("...") == std::string::npos && !CommandeSansHistorique(commande);
    // A command that opens a dialog or acts (a new season, a file, the match
    // search, the club card, the history file, help...) shows no view of its
    // own: it is never the place a step back, a championship change or a
    // refresh comes back to, which would run it again unasked.
    auto vue = [&] { return histo && !CommandeHorsVue(commande); };
    // 6.
    int memorises[3];
    std::copy(std::begin(ParametresMemorises), std::end(ParametresMemorises), std::begin(memorises));
    if (vue())
    {
        if (!(Entre(commande, 121, 125) || Entre(commande, 128, 131) || commande == 221))
            ParametresMemorises[0] = -1;
        if (!(Entre(commande, 26, 38) || Dans(commande, {232, 251, 252})))
            ParametresMemorises[1] = -1;
        if (!Entre(commande, 199, 202))
            ParametresMemorises[2] = -1;
    }
    // 7.
    const bool memorise = !CommandeNonMemorisee(commande);
    const uint16_t derniere = DerniereCommande;
    if (!memorise && vue())
        DerniereCommande = 0;
    // 8. A child that keeps an entry to correct is not replaced: the command
    // stops where the child refused, the tree keeps its node and the
    // navigation is as it was.
    const uint32_t vues = VuesMontrees;
    const uint32_t refus = RefusEnfant;
    try
    {
        LanceCommande(commande, memorise, param, histo);
    }
    catch (const EEnfantGarde&)
    {
    }
    if (RefusEnfant != refus)
    {
        std::copy(std::begin(memorises), std::end(memorises), std::begin(ParametresMemorises));
        DerniereCommande = derniere;
        return false;
    }
    // 9.
    if (!histo)
        return false;
    if (!vue())
        return true;
    // 10.
    if (historique && !(Garder && ChangerChampionnatEnCours) && PointCourant.Commande >= 5)
    {
        Historique.insert(Historique.begin(), PointCourant);
        if (Historique.size() > 10)
            Historique.resize(10);
        HistoriqueSuivant.clear();
        MajNavigation();
    }
    // Only a view (or a navigation point) is shown again at a championship
    // change: a dialog is not opened again.
    if (memorise && (VuesMontrees != vues || CommandeSansAction(commande)))
        DerniereCommande = static_cast<uint16_t>(commande);
    if (Enfant && !CommandeSansAction(commande))
        CommandeVue = static_cast<uint16_t>(commande);
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    PointCourant = THistorique{static_cast<uint16_t>(commande), param, c ? c->CodeChamp : 0};
    // 11.
    return true;
}

void Tf_Principale::LanceCommande(int c, bool memorise, int& param, bool& histo)
{
    if (LanceVues(c, param, histo))
        return;
    if (c == 19 || c == 156)
        return AfficheFicheMatch(c == 156 ? 1 : 2, param, histo);
    // Standings.
    if (Entre(c, 40, 45))
        return AfficheClassement(c - 39);
    if (Entre(c, 62, 63))
        return AfficheClassement(c - 55);
    if (Entre(c, 64, 65))
        return AfficheClassement(c - 34);
    if (Entre(c, 46, 51))
        return AfficheClassement(c - 6);
    if (Entre(c, 52, 61))
        return AfficheClassement(50 + 2 * (c - 52));
    if (Entre(c, 234, 237))
        return AfficheClassement(70 + 2 * (c - 234));
    if (Entre(c, 137, 142))
        return AfficheClassement(100 + 3 * (c - 137));
    switch (c)
    {
    case 5: NouvelleSaison(); return;
    case 6: OpenFile(""); return;
    case 7: SauvegardeAuto(false); return;
    case 8:
        // What the shown window holds typed goes into the season first (the
        // other roads to the file choice have written it already); an entry
        // it keeps for correction is corrected before the season is written.
        if (ValideFenetre())
            EnregistrerSous();
        return;
    case 9: FermeSaison(); return;
    case 11: VerifieMiseAJour(); return;
    case 12: Close(); return;
    case 13: AfficheSaisieMatch(1, param); return;
    case 14: case 16:
        // A sport without such a page (basketball and handball have no
        // second page) shows nothing: no history record, the selection stays.
        if (Saison && !Saison->MultiSport().Classe(c == 14 ? TGenreFenetre::Buteurs : TGenreFenetre::Passeurs)) {
            histo = false;
            return;
        }
        AfficheSaisieMatch(c == 14 ? 2 : 4, param);
        return;
    case 15: AfficheSaisieMatch(3, param); return;
    case 17: AfficheSaisieMatch(6, param); return;
    case 18: AfficheSaisieMatch(5, param); return;
    case 22: RechercheMatch(); return;
    case 23: case 143: case 170: case 225: AfficheVueResultats(c); return;
    case 227: OptionsFiltre(); return;
    case 178: OptionsSauvegarde(); return;
    case 179: ChoisitLangue(); return;
    case 180: bc_ConfigConnexionClick(nullptr); return;
    case 181: ImprimeVue(); return;
    case 182: EnregistreVueHTML(); return;
    case 197: AfficheAPropos(); return;
    case 198: AfficheAideProgramme(); return;
    case 215: ChoisitFavoris(false); return;
    case 177: ChoisitFavoris(true); return;
    case 228: ChoisitMenuSimple(false); return;
    case 229: ChoisitMenuSimple(true); return;
    case 261: ChoisitDesign(); return;
    case 193: CompositionSaison(); return;
    case 232: AjouteEquipes(); return;
    case 219: InfoCompetitions(); return;
    case 145: ModifieLogos(); return;
    case 144: ModifieEquipes(); return;
    case 147: AfficheEffectifs(); return;
    case 150: AfficheRecherche(); return;
    case 131: FicheClub(); return;
    case 220: ModifieClubsPrec(); return;
    case 146: ModifieNationalites(); return;
    case 148: AfficheArbitres(); return;
    case 152: AfficheStades(); return;
    case 194: CreationBarrage(); return;
    case 176: OptionsChampionnat(1); return;
    case 226: OptionsChampionnat(2); return;
    default: break;
    }
    // Commands without an action.
    histo = CommandeAutre(c, memorise, param) || histo;
}

bool Tf_Principale::CommandeAutre(int, bool, int&) { return true; }

// ---- launchers ------------------------------------------------------------------------------

void Tf_Principale::AfficheClassement(int mode)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    bool nouveau = false;
    auto* f = EnfantVue<Tf_Classement>(true, true, nouveau);
    if (nouveau)
    {
        f->Statut = Statut;
        f->ExecuteCommande = [this](int commande, int param, bool change) { ExecuteCommande(commande, param, change); };
    }
    f->Tag = (c->Types() & TDonneesChampionnat::TypeChamp) ? mode - 1 : mode - 7;
    f->AfficheClassement(mode - 1, IniFileName());
    p_FondAffiche->SetVisible(true);
}

void Tf_Principale::ImprimeVue()
{
    // A view that offers no printout (a match sheet page) is not printed.
    auto* f = dynamic_cast<TFootForm*>(Enfant);
    if (!f || !ImpressionOfferte)
        return;
    Printer().SetTitle(TraduireFormat(30, {NomCourt, "Zelvor"}));
    f->TitresVue = TitresVue();
    f->Imprime();
}

void Tf_Principale::EnregistreVueHTML()
{
    auto* f = dynamic_cast<TFootForm*>(Enfant);
    if (!f || !HTMLOffert)
        return;
    SaveDialog1->Filter = "HTML (*.htm; *.html)|*.htm;*.html";
    SaveDialog1->FilterIndex = 1;
    SaveDialog1->DefaultExt = "htm";
    std::string titre = Traduire(949);
    while (!titre.empty() && titre.back() == '.')
        titre.pop_back();
    SaveDialog1->Title = titre;
    SaveDialog1->InitialDir = RepertoireEcriture();
    SaveDialog1->FileName.clear();
    // A page that cannot be written is said, and the choice of its file is
    // offered again until it is written or given up.
    while (SaveDialog1->Execute() && !SaveDialog1->FileName.empty())
    {
        std::string nom = SaveDialog1->FileName;
        if (ExtractFileExt(nom).empty())
            nom += ".htm";
        try
        {
            f->TitresVue = TitresVue();
            f->EnregistreHTML(nom);
            return;
        }
        catch (const std::exception&)
        {
            // The page is written beside and renamed: nothing half-written stays.
            AfficheMessage(TraduireFormat(TexteHtmlNonEcrit, {FileNameToText(nom)}), mbuValider);
            SaveDialog1->FileName = nom;
        }
    }
}

void Tf_Principale::OptionsSauvegarde()
{
    if (!Saison)
        return;
    TOwned<Tf_OptionSauve> f(new Tf_OptionSauve(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison.get());
    f->FichierAide = FichierAide();
    if (f->ShowModal() == mrOk && f->Tag == 1)
    {
        SignaleModification();
        InitialiseSauvegardeAuto();
    }
}

void Tf_Principale::ChoisitDesign()
{
    TOwned<Tf_ChoixDesign> f(new Tf_ChoixDesign(this));
    f->ChangeCouleurs(Couleurs);
    f->Init(RepertoireProgramme(), NumeroDesign, Langue);
    // The design in use chosen again: nothing to write or to apply.
    if (f->ShowModal() != mrOk || f->Resultat == NumeroDesign)
        return;
    NumeroDesign = f->Resultat;
    TIniFile(IniFileName()).WriteInteger("general", "ModeleDesign", NumeroDesign);
    f.reset();
    AppliqueDesign();
    FermeFenetreEnfant();
}
