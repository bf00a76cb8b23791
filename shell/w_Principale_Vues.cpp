// Launchers of the statistics views of the main window.
#include "shell/w_Principale.h"

#include "engine/historique.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Forms.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "shell/Globales.h"
#include "ui/message2.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "model/LectureParametre.h"
#include "views/w_ChoixHistorique.h"
#include "views/w_ClassJoueur.h"
#include "views/w_Comparaison.h"
#include "views/w_DiversStat.h"
#include "views/w_Historique.h"
#include "views/w_InfoEquipes.h"
#include "views/w_InfoGeneral.h"
#include "views/w_Prevision.h"
#include "views/w_StatEquipe.h"
#include "views/w_Statistique.h"

namespace {

// Commands 26 to 39, 233, 252, 253: the matchday pages, in that order of ids.
int PageMatchday(int c)
{
    if (c >= 26 && c <= 32)
        return c == 26 ? 7 : c - 26;
    if (c >= 34 && c <= 39)
        return c - 26;
    return c == 233 ? 14 : c == 252 ? 15 : c == 253 ? 16 : 0;
}

// The team-information page of a command, -1 for others.
int ModeInfoEquipes(int c)
{
    static const int premiers[] = {132, 134, 135, 136, 133};   // pages 0 to 4
    for (int i = 0; i < 5; ++i)
        if (premiers[i] == c)
            return i;
    if (c >= 78 && c <= 83)
        return c - 73;
    static const int derniers[] = {218, 217, 249, 250, 251, 260};   // pages 11 to 16
    for (int i = 0; i < 6; ++i)
        if (derniers[i] == c)
            return 11 + i;
    return -1;
}

// The ranking of a ranking command (the launcher's kind argument), 0 for others;
// the referee rankings (116-119, 246-248) give their argument + 10 + 1.
int Classement(int c)
{
    if (c >= 66 && c <= 71)
        return c - 65;
    if (c == 72 || c == 73)
        return c == 73 ? 7 : 8;
    if (c == 33)
        return 9;
    if (c >= 74 && c <= 77)
        return c - 43;
    if (c == 84 || c == 85)
        return c == 84 ? 35 : 50;
    if (c >= 86 && c <= 98)
        return c - 50;
    if (c >= 99 && c <= 115)
        return c - 48;
    static const int bas[] = {75, 72, 73, 74, 68, 69, 70};   // 239 .. 245
    if (c >= 239 && c <= 245)
        return bas[c - 239];
    if (c >= 254 && c <= 259)
        return c == 254 ? 71 : c - 179;
    if (c >= 116 && c <= 119)
        return c - 115 + 11;
    if (c >= 246 && c <= 248)
        return c - 246 + 6 + 11;
    return 0;
}

// The history window puts what its grid shows into its season on every road
// that commits the child (nothing is written to disk then), and asks before
// it goes when its file holds changes not written.
const bool historiqueInscrit = [] {
    Tf_Principale::EnregistreValidation([](TBrivantelForm* enfant) {
        auto* h = dynamic_cast<Tf_Historique*>(enfant);
        if (!h)
            return Tf_Principale::TValide::Autre;
        h->GardeSaisie();
        return Tf_Principale::TValide::Faite;
    });
    Tf_Principale::EnregistreDepart([](TBrivantelForm* enfant) {
        auto* h = dynamic_cast<Tf_Historique*>(enfant);
        if (!h)
            return Tf_Principale::TValide::Autre;
        return h->QuitteHistorique() ? Tf_Principale::TValide::Faite : Tf_Principale::TValide::Refusee;
    });
    return true;
}();

}  // namespace

bool Tf_Principale::LanceVues(int c, int& param, bool& histo)
{
    static const int pagesEquipe[][2] = {{121, 1}, {123, 2}, {124, 3}, {125, 4}, {128, 5},
                                         {129, 6}, {130, 7}, {122, 8}, {221, 12}};
    for (const auto& p : pagesEquipe)
        if (p[0] == c) {
            histo = AfficheStatEquipe(p[1], param) && histo;
            return true;
        }
    if (c >= 158 && c <= 160) {
        AfficheStatistique(c - 158);
        return true;
    }
    if (c >= 153 && c <= 155) {
        static const int modes[3] = {2, 1, 3};
        AfficheComparaison(modes[c - 153]);
        return true;
    }
    if (c == 20) {
        AffichePrevision();
        return true;
    }
    if (c >= 172 && c <= 175) {
        static const int pages[4] = {1, 4, 2, 3};
        AfficheInfoGeneral(pages[c - 172]);
        return true;
    }
    if (c == 192) {
        AjouteHistorique();
        return true;
    }
    if (c >= 199 && c <= 202) {
        histo = AfficheHistorique(c == 202 ? 0 : c - 198) && histo;
        return true;
    }
    if (const int mode = ModeInfoEquipes(c); mode >= 0) {
        AfficheInfoEquipes(mode);
        return true;
    }
    if (const int k = Classement(c)) {
        AfficheClassJoueur(k);
        return true;
    }
    if (const int page = PageMatchday(c)) {
        histo = AfficheDiversStat(page, param) || histo;
        return true;
    }
    static const int pages[][3] = {{151, 0, 0}, {21, 13, 0}, {157, 1, 0}, {162, 2, 0}, {163, 3, 0}, {171, 6, 0}, {161, 12, 0},
                                   {24, 11, 0}, {164, 4, 1}, {165, 4, 2}, {166, 4, 3}, {167, 4, 4}, {168, 4, 5},
                                   {169, 4, 2}};
    for (const auto& p : pages)
        if (p[0] == c) {
            AffichePageDivers(p[1], p[2]);
            return true;
        }
    return false;
}

bool Tf_Principale::AfficheDiversStat(int page, int& param)
{
    if (!Saison || !Saison->ChampionnatCourant())
        return false;
    int& journee = ParametresMemorises[1];
    if (param > -1)
        journee = param;
    if (journee == -1)
        journee = Tf_DiversStat::ChoixJournee(Saison.get(), Couleurs);
    if (param == -1)
        param = journee;
    if (journee == -1)
        return false;
    if (page == 8) {
        // The goals of that matchday over the minutes, in the sport's
        // championship information window.
        if (auto* info = NouvelleInfoGeneral(true))
            info->AfficheRepartition(journee);
        p_FondAffiche->SetVisible(true);
        return true;
    }
    // Every matchday page prints, the detailed text too.
    bool nouveau = false;
    auto* f = EnfantVue<Tf_DiversStat>(true, true, nouveau);
    if (nouveau) {
        f->ExecuteCommande = [this](int commande, int p, bool change) { ExecuteCommande(commande, p, change); };
        for (TControl* c : {static_cast<TControl*>(f), static_cast<TControl*>(f->sb_Fond),
                            static_cast<TControl*>(f->sg_Stats)})
            c->SetPopupMenu(f->pm_ChangeJour);
    }
    if (page == 1)
        f->AfficheJournee(&journee);
    else if (page == 2)
        f->AfficheSpectateursJournee(&journee);
    else if (page >= 3 && page <= 6)
        f->AfficheJoueursJournee(&journee, page - 2);
    else if (page >= 9 && page <= 12)
        f->AfficheJoueursJournee(&journee, page - 4);
    else if (page == 7)
        f->AfficheDetailJournee(&journee);
    else if (page >= 13 && page <= 16) {
        static const int codes[4] = {6, 21, 22, 25};
        f->AfficheButeursJournee(&journee, page - 12, codes[page - 13]);
    }
    p_FondAffiche->SetVisible(true);
    return true;
}

Tf_InfoGeneral* Tf_Principale::NouvelleInfoGeneral(bool impression)
{
    const TClasseInfoGeneral* classe = ClasseInfoGeneral(Saison.get());
    if (!classe)
        return nullptr;
    return dynamic_cast<Tf_InfoGeneral*>(ShowChildForm(
        [classe](TComponent* o) -> TBrivantelForm* { return classe->Cree(o); }, true, impression, false, false));
}

void Tf_Principale::AfficheInfoGeneral(int page)
{
    if (!Saison || !Saison->ChampionnatCourant())
        return;
    const bool impression = page >= 1 && page <= 4;
    if (auto* f = dynamic_cast<Tf_InfoGeneral*>(Enfant); f && !f->RepartitionJournee) {
        EntreeHTML(true);
        EntreeImpression(impression);
        f->AffichePage(page);
        p_FondAffiche->SetVisible(true);
        return;
    }
    Tf_InfoGeneral* f = NouvelleInfoGeneral(impression);
    if (!f)
        return;
    p_FondAffiche->SetVisible(true);
    f->Calcule(page);
}

void Tf_Principale::AffichePageDivers(int page, int type)
{
    if (!Saison || !Saison->ChampionnatCourant())
        return;
    bool nouveau = true;
    auto* f = page == 11 || page == 0 ? ShowChild<Tf_DiversStat>(true, true)
                                      : EnfantVue<Tf_DiversStat>(true, true, nouveau);
    if (nouveau) {
        f->ExecuteCommande = [this](int commande, int p, bool change) { ExecuteCommande(commande, p, change); };
    }
    switch (page) {
    case 0: f->AfficheJoueursIncomplets(); break;
    case 1: f->AfficheFormeEquipe(); break;
    case 2: f->AfficheComportementDomicile(); break;
    case 3: f->AffichePlaceOccupee(); break;
    case 4: f->AfficheStatParJournee(type); break;
    case 6: f->AfficheScoresFrequents(); break;
    case 11: f->AfficheMatchsNonJoues(); break;
    case 12: f->AfficheFourchetteClassement(); break;
    case 13: f->AfficheParDate(); break;
    default: break;
    }
    p_FondAffiche->SetVisible(true);
}

void Tf_Principale::AfficheStatistique(int vue)
{
    if (!Saison || !Saison->ChampionnatCourant())
        return;
    bool nouveau = false;
    auto* f = EnfantVue<Tf_Statistique>(true, false, nouveau);
    f->Tag = vue;
    f->AfficheVue(vue);
    p_FondAffiche->SetVisible(true);
}

// ---- history files ---------------------------------------------------------------------------

std::string Tf_Principale::DossierStats() const { return MakePath(RepertoireEcriture(), "stats"); }

void Tf_Principale::ChargeStats()
{
    Stats = std::make_unique<TStats>();
    for (const std::string& f : Stats->ChargeDossier(DossierStats()))
        if (Traducteur())
            ShowMessageBox(TraduireFormat(3800, {f}), TitreProduit, MB_OK | MB_ICONWARNING);
}

void Tf_Principale::AjouteHistorique()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    // What the shown page holds goes into the season first, as before a save
    // (an entry it keeps for correction, first corrected).
    if (!ValideFenetre())
        return;
    c = Saison->ChampionnatCourant();
    if (!c)
        return;
    if (!Stats)
        Stats = std::make_unique<TStats>();
    // The file keeps the season as a number of years after 1900 (1..199).
    const int numero = static_cast<int16_t>(c->Option(8));
    if (numero < 1 || numero > 199) {
        AfficheMessage(TraduireFormat(3470, {1900 + numero}), mbuValider);
        return;
    }
    const int sport = Saison->Sport();
    TStat* stat = Stats->ChercheStat(c->CodeDivision(), sport);
    if (!stat) {
        if (AfficheMessage(Traduire(1615), mbuOui | mbuAnnuler) != mrYes)
            return;
        ForceDirectories(DossierStats());
        stat = Stats->AjouteStat(DossierStats(), c->CodeDivision(), sport);
    }
    // A stored season of that year, this championship's or another's of the
    // same division, is replaced only once the user says so, as in the
    // history window.
    const auto fabrique = [&] {
        auto s = std::make_unique<TSaisonStat>(c->NbEquipe(), numero);
        for (int i = 0; i < c->NbEquipe(); ++i)
            s->AjouteEquipe(stat->IdEquipe(Saison->NomEquipePosition(i)));
        // Each result goes on the teams at the positions of its two ids; a match
        // of a team outside the championship is left out.
        for (int d = 1; d <= c->NbJour(); ++d)
            for (int k = 0; k < c->NbMatchJournee(d); ++k) {
                const int h = c->IndexEquipe(c->ValeurMatch(d, 4 * k + 1));
                const int a = c->IndexEquipe(c->ValeurMatch(d, 4 * k + 3));
                if (h >= 0 && a >= 0)
                    s->EcritResultat(h, a, c->ValeurMatch(d, 4 * k + 2), c->ValeurMatch(d, 4 * k + 4));
            }
        return s;
    };
    const std::string nomChamp = Saison->Arbre().NomCompletCode(c->CodeChamp);
    const auto demande = [this](const std::string& texte) { return AfficheMessage(texte, mbuOui | mbuNon); };
    // Only the file is written below: a season of that year it holds goes
    // only once the user says so, also when the history window has erased it
    // without writing.
    bool enMemoire = false;
    for (int k = 0; k < stat->NombreSaisons() && !enMemoire; ++k)
        enMemoire = stat->Saison(k)->Saison() == numero;
    if (!enMemoire)
        if (const auto ecrite = stat->SaisonEnregistree(numero);
            ecrite && !RemplacementAccepte(*ecrite, c->NbEquipe(), nomChamp, demande))
            return;
    const TSaisonStat* ajoutee = AjouteSaisonDemandee(*stat, numero, c->NbEquipe(), nomChamp, fabrique, demande);
    if (!ajoutee)
        return;
    // a history window on this file may show the season just replaced (what
    // its grid showed went into its season above)
    if (auto* h = dynamic_cast<Tf_Historique*>(Enfant); h && h->Historique() == stat)
        h->Rafraichit();
    // Only this season is written: what the history window holds and has not
    // written stays for its own question.
    const bool endommage = stat->Endommage();
    if (!stat->SauveSaison(*ajoutee)) {
        AfficheMessage(TraduireFormat(3471, {FileNameToText(stat->NomFichier)}), mbuValider);
        return;
    }
    if (endommage)
        AfficheMessage(TraduireFormat(3801, {FileNameToText(stat->NomFichier), FileNameToText(stat->CopieGardee())}), mbuValider);
    AfficheMessage(Traduire(1616), mbuValider);
}

bool Tf_Principale::AfficheHistorique(int mode)
{
    if (!Stats)
        Stats = std::make_unique<TStats>();
    int& retenu = ParametresMemorises[2];
    auto* f = dynamic_cast<Tf_Historique*>(Enfant);
    if (retenu != -1 && f)
        retenu = f->IndexHistorique();
    if (retenu == -1) {
        const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
        int32_t code = 1;
        int sport = 0;
        if (c) {
            code = c->CodeDivision();
            sport = Saison->Sport();
        } else {
            sport = SportParDefaut();
            if (TLectureParamMulti* l = LectureParamMulti())
                l->SetSport(sport);
        }
        Tf_ChoixHistorique d(this);
        d.ChangeCouleurs(Couleurs);
        d.ChangeSaison(Saison.get());
        d.Init(Stats.get(), code, sport, RepertoireEcriture(), mode == 0);
        retenu = d.ShowModal() == mrOk ? d.Choix() : -1;
    }
    if (retenu < 0 || !Stats->Stat(retenu)) {
        retenu = -1;
        return false;
    }
    // another file chosen for the window shown: this one's changes first
    if (f && f->IndexHistorique() != retenu && !f->QuitteHistorique())
        return false;
    (void)historiqueInscrit;
    bool nouveau = false;
    f = EnfantVue<Tf_Historique>(false, false, nouveau);
    f->SetHistorique(Stats.get(), retenu, RepertoireEcriture());
    f->AfficheMode(mode);
    p_FondAffiche->SetVisible(true);
    return true;
}

void Tf_Principale::AfficheClassJoueur(int kind)
{
    if (!Saison || !Saison->ChampionnatCourant())
        return;
    bool nouveau = false;
    auto* f = EnfantVue<Tf_ClassJoueur>(true, true, nouveau);
    f->AfficheClassement(kind - 1);
    p_FondAffiche->SetVisible(true);
}

void Tf_Principale::AfficheInfoEquipes(int mode)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    bool nouveau = false;
    auto* f = EnfantVue<Tf_InfoEquipes>(true, true, nouveau);
    if (nouveau) {
        f->ExecuteCommande = [this](int commande, int p, bool change) { ExecuteCommande(commande, p, change); };
        f->InitParam(mode, c->CodeChamp);
    }
    f->AfficheVue(mode);
    p_FondAffiche->SetVisible(true);
}

bool Tf_Principale::AfficheStatEquipe(int page, int& param)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return false;
    if (c->NbEquipe() < 1) {
        AfficheMessage(TraduireFormat(294, {1}), mbuValider);
        return false;
    }
    int& retenue = ParametresMemorises[0];
    auto* f = dynamic_cast<Tf_StatEquipe*>(Enfant);
    if (retenue != -1 && f) {
        retenue = f->Equipe();
        f->AffichePage(page);
        if (param >= 0 && (param & 0xFFFFFF) != f->Equipe() && (param & 0xFFFFFF) < c->NbEquipe()) {
            retenue = param & 0xFFFFFF;
            f->ChoisitEquipe(retenue);
        }
        f->PrepareChampionnat();
        param = retenue;
    } else {
        int equipe = param >= 0 ? (param & 0xFFFFFF) : c->Option(10);
        if (param < 0 && !TFootForm::ChoisitEquipe(Saison.get(), Traduire(17), Couleurs, 0, equipe))
            return false;
        if (equipe < 0 || equipe >= c->NbEquipe())
            equipe = 0;
        retenue = equipe;
        const auto* classe = dynamic_cast<const TClasseStatEquipe*>(Saison->MultiSport().ClasseStatEquipe().get());
        if (!classe)
            return false;
        f = static_cast<Tf_StatEquipe*>(ShowChildForm(
            [classe](TComponent* o) -> TBrivantelForm* { return classe->Cree(o); }, false, false, false, false));
        f->ExecuteCommande = [this](int commande, int p, bool change) { ExecuteCommande(commande, p, change); };
        if (param >= 0) {
            const int lieu = (param >> 24) & 0xFF;
            if (lieu >= 1 && lieu <= 3)
                (lieu == 1 ? f->rc_General : lieu == 2 ? f->rc_Domicile : f->rc_Exterieur)->SetChecked(true);
        }
        f->DossierProgramme = RepertoireProgramme();
        f->ChoisitEquipe(equipe);
        f->Statut = Statut;
        f->AffichePage(page);
        f->PrepareChampionnat();
        param = equipe;
    }
    EntreeImpression(Tf_StatEquipe::PageImprimable(page));
    EntreeHTML(Tf_StatEquipe::PageHTML(page));
    p_FondAffiche->SetVisible(true);
    return true;
}

void Tf_Principale::AffichePrevision()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    if (c->NbEquipe() < 2) {
        AfficheMessage(TraduireFormat(294, {2}), mbuValider);
        return;
    }
    auto* f = ShowChild<Tf_Prevision>(true, true);
    f->ExecuteCommande = [this](int commande, int p, bool change) { ExecuteCommande(commande, p, change); };
    f->AfficheJournee(Stats ? Stats->ChercheStat(c->CodeDivision(), Saison->Sport()) : nullptr, IniFileName());
    p_FondAffiche->SetVisible(true);
}

void Tf_Principale::AfficheComparaison(int mode)
{
    if (!Saison || !Saison->ChampionnatCourant())
        return;
    bool nouveau = false;
    auto* f = EnfantVue<Tf_Comparaison>(true, false, nouveau);
    if (!nouveau) {
        f->ChoisitVue(nullptr, mode);
        return;
    }
    f->Init(mode);
    p_FondAffiche->SetVisible(true);
}
