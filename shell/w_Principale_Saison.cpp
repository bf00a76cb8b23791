// Launchers of the season set-up windows: new season, composition of the
// open season, the teams of a championship, the competitions' referees and
// stadiums.
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "ui/message2.h"
#include "shell/Globales.h"
#include "shell/w_Principale.h"
#include "setup/w_CompetitionInfo.h"
#include "setup/w_CreationBarrage.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_Option.h"
#include "setup/w_RetirerChamp.h"

namespace {

uint8_t OctetSports(const std::set<int>& sports)
{
    uint8_t b = 0;
    for (int s : sports)
        if (s >= 0 && s < 8)
            b = static_cast<uint8_t>(b | (1u << s));
    return b;
}

}  // namespace

void Tf_Principale::NouvelleSaison()
{
    TValidationQuestion validation(*this, true);
    if (!validation.Acceptee || !DemandeEnregistrement())
        return;
    TOwned<Tf_CreationSaison> f(new Tf_CreationSaison(this));
    f->ChangeCouleurs(Couleurs);
    f->DossierEcriture = RepertoireEcriture();
    f->Init(IniFileName(), RepertoireProgramme(), OctetSports(SportsAcceptes),
            [this](const std::string& nom) { AddRecentFile(nom); });
    f->Statut = Statut;
    f->Tag = 19;
    if (f->ShowModal() != mrOk)
        return;
    Etat = 2;
    const std::string nom = f->e_RepSauve->FileName();
    // The window saved the season to its file: the season keeps that file
    // (only a failed save leaves it to be named).
    const int modif = f->Enregistree ? 0 : 99;
    std::unique_ptr<TSaison> saison = f->PrendSaison();
    f.reset();
    InstallSeason(std::move(saison), nom, false, modif);
    tv_Menu->SetSelected(nullptr);
}

void Tf_Principale::CompositionSaison()
{
    if (!Saison)
        return;
    TOwned<Tf_CreationSaison> f(new Tf_CreationSaison(this));
    f->ChangeCouleurs(Couleurs);
    f->DossierEcriture = RepertoireEcriture();
    f->Init(IniFileName(), RepertoireProgramme(), OctetSports(SportsAcceptes),
            [this](const std::string& nom) { AddRecentFile(nom); });
    f->Statut = Statut;
    f->ChangeSaison(Saison.get());
    f->Tag = 96;
    // What the shown page holds is written before the composition can take
    // its championship out (an entry it keeps for correction, first corrected).
    if (!ValideFenetre())
        return;
    const TDonneesChampionnat* avant = Saison->ChampionnatCourant();
    if (f->ShowModal() != mrOk)
        return;
    f.reset();
    SignaleModification();
    InsereChampionnats();
    AfficheTitreChampionnat();
    if (Saison->ChampionnatCourant() != avant)
        RafraichitMenu(true, true);
    // The view shown holds nothing more to write: it is made again from the
    // new composition while its championship stays current, else it goes.
    const uint32_t vues = VuesMontrees;
    if (ChampionnatEnfant() && ChampionnatEnfant() == Saison->ChampionnatCourant())
        RafraichitVue();
    if (Enfant && VuesMontrees == vues)
    {
        EnfantPerime = true;
        FermeFenetreEnfant();
        EnfantPerime = false;
    }
}

void Tf_Principale::AjouteEquipes()
{
    if (!Saison || !Saison->ChampionnatCourant())
        return;
    FermeFenetreEnfant();
    TOwned<Tf_AjouterEquipe> f(new Tf_AjouterEquipe(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison.get());
    f->ShowModal();
    if (!f->Modifie)
        return;
    f.reset();
    SignaleModification();
    InsereChampionnats();
}

void Tf_Principale::InfoCompetitions()
{
    if (!Saison)
        return;
    TOwned<Tf_CompetitionInfo> f(new Tf_CompetitionInfo(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison.get());
    f->ShowModal();
    if (!f->Modifie)
        return;
    f.reset();
    SignaleModification();
    InsereChampionnats();
}

void Tf_Principale::CreationBarrage()
{
    if (!Saison)
        return;
    FermeFenetreEnfant();
    TOwned<Tf_CreeBarrage> f(new Tf_CreeBarrage(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison.get());
    const int r = f->ShowModal();
    if (r == 5) {
        AfficheMessage(Traduire(289), mbuValider);
        return;
    }
    if (r != mrOk)
        return;
    const std::vector<int32_t> crees = f->Crees;
    f.reset();
    InsereChampionnats();
    SignaleModification();
    if (!crees.empty() && Saison->SelectionneChampionnat(crees.front())) {
        AfficheTitreChampionnat();
        // The menus offer what the play-off has, not what the league had.
        RafraichitMenu(true, true);
    }
}

void Tf_Principale::OptionsChampionnat(int groupe)
{
    if (!Saison)
        return;
    // What the shown page holds is written before the options can change the
    // championship under it (an entry it keeps for correction, first corrected).
    if (!ValideFenetre())
        return;
    TOwned<Tf_Option> f(CreeFenetreOption(Saison.get(), this));
    if (!f)
        return;
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison.get());
    f->SetBorderIcons(biSystemMenu);
    f->Affiche(false, static_cast<uint8_t>(groupe));
    const int r = f->ShowModal();
    // What was applied to every championship counts however the window closed.
    const bool change = (r == mrOk && f->Tag == 1) || f->AppliqueATousFait;
    f.reset();
    if (!change)
        return;
    SignaleModification();
    // The menus follow the new options and the view shown stays, made again
    // from them: the page shown before holds nothing more to write. The menu
    // tree, rebuilt on the way, keeps the scroll position the user left it at.
    TTreeNode* haut = tv_Menu->TopItem();
    const intptr_t donnee = haut ? haut->Data : 0;
    const std::string texte = haut ? haut->Text() : std::string();
    const int index = haut ? haut->AbsoluteIndex() : -1;
    RafraichitMenu(true, true);
    RafraichitVue();
    if (!haut)
        return;
    TTreeNode* n = index < tv_Menu->Items().Count() ? tv_Menu->Items()[index] : nullptr;
    if (!n || n->Data != donnee || n->Text() != texte)
        for (n = tv_Menu->Items().GetFirstNode(); n && (n->Data != donnee || n->Text() != texte); n = n->GetNext())
            ;
    if (n)
        tv_Menu->SetTopItem(n);
}
