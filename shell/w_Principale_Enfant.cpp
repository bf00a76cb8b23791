// The child window host of the main window: one child at a time in
// p_FondAffiche, its commit before saving and before it is replaced, the
// history of visited views and the change of the current championship.
#include <algorithm>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ActnList.h"
#include "platform/rtl/Format.h"
#include "shell/Globales.h"
#include "shell/w_Principale.h"
#include "ui/BrivantelForm.h"

namespace {

constexpr size_t MaxHistorique = 10;

std::vector<Tf_Principale::TValidation>& Validations()
{
    static std::vector<Tf_Principale::TValidation> v;
    return v;
}

std::vector<Tf_Principale::TValidation>& Departs()
{
    static std::vector<Tf_Principale::TValidation> v;
    return v;
}

void Empile(std::vector<THistorique>& liste, const THistorique& h)
{
    liste.insert(liste.begin(), h);
    if (liste.size() > MaxHistorique)
        liste.resize(MaxHistorique);
}

}  // namespace

void Tf_Principale::EnregistreValidation(TValidation validation)
{
    Validations().push_back(std::move(validation));
}

void Tf_Principale::EnregistreDepart(TValidation depart)
{
    Departs().push_back(std::move(depart));
}

// ---- the child window -------------------------------------------------------------------------

TBrivantelForm* Tf_Principale::ShowChildForm(const TCreateurFenetre& classe, bool entreeHTML, bool entreeImpression,
                                             bool panneauVisible, bool effaceNomFichier)
{
    // What the child holds typed goes into the season before it is replaced,
    // whichever road replaces it (a child made before the season changed under
    // it was written before that change, and holds nothing more). A child that
    // keeps an entry it cannot store stays, the entry shown for correction:
    // the road that would replace it stops here.
    if (Enfant && Enfant != EnfantValide && !EnfantPerime && !ValideFenetre())
        throw EEnfantGarde("");
    EnfantValide = nullptr;
    // A child holding changes of its own not yet written asks before it
    // goes (unless it was asked for this road already); kept, it stays.
    if (Enfant && Enfant != EnfantQuittant && !QuitteEnfant())
        throw EEnfantGarde("");
    EnfantQuittant = nullptr;
    // Only a view shown counts: closing the child (a dialog's launcher, a new
    // season) shows none.
    if (classe)
        ++VuesMontrees;
    // 1., 2.
    if (effaceNomFichier)
        NomFichierCourant.clear();
    Statut->SetPanelText(2, !avis_.empty()               ? avis_
                            : NomFichierCourant.empty() ? std::string()
                                                        : TraduireFormat(1, {FileNameToText(NomFichierCourant)}));
    avis_.clear();
    // 3. Kept windows that accept to close now go (once their event is over).
    for (auto it = FenetresGardees.begin(); it != FenetresGardees.end();)
    {
        TBrivantelForm* f = *it;
        if (f->CloseQuery())
        {
            it = FenetresGardees.erase(it);
            f->Release();
        }
        else
            ++it;
    }
    // 4. (its entries were committed above)
    if (Enfant)
    {
        TBrivantelForm* ancien = Enfant;
        // Its championship no longer current (or gone), it was written above
        // into its own: going, it writes nothing into the current one.
        const bool autreChampionnat =
            championnatEnfant_ && ChampionnatEnfant() != (Saison ? Saison->ChampionnatCourant() : nullptr);
        Enfant = nullptr;
        championnatEnfant_ = nullptr;
        codeChampionnatEnfant_ = 0;
        // A child made before the season changed under it lets the season go:
        // what it still shows is not written back when it goes.
        if (EnfantPerime || autreChampionnat)
            ancien->Saison = nullptr;
        RetientMatchFeuille(ancien);
        if (Garder)
        {
            // It is running the command that replaces it.
            ancien->SetVisible(false);
            FenetresGardees.push_back(ancien);
        }
        else
            ancien->Free();
    }
    // 5.
    if (classe)
    {
        TBrivantelForm* f = classe(this);
        f->OnModification = [this] { SignaleModification(); };
        f->ChangeSaison(Saison.get());
        f->ChangeCouleurs(Couleurs);
        for (int i = p_FondAffiche->ControlCount() - 1; i >= 0; --i)
        {
            TControl* c = p_FondAffiche->Controls(i);
            c->SetVisible(false);
            c->SetParent(nullptr);
        }
        AffichePageDemarrage(false);
        p_FondAffiche->SetVisible(panneauVisible);
        IntegreFiche(f, p_FondAffiche);
        Enfant = f;
        championnatEnfant_ = Saison ? Saison->ChampionnatCourant() : nullptr;
        codeChampionnatEnfant_ = championnatEnfant_ ? championnatEnfant_->CodeChamp : 0;
        EntreeImpression(entreeImpression);
        EntreeHTML(entreeHTML);
        return f;
    }
    // 6.
    p_FondAffiche->SetVisible(false);
    AffichePageDemarrage(true);
    return nullptr;
}

void Tf_Principale::RafraichitVue()
{
    if (!Enfant || !Saison || PointCourant.Commande < 5)
        return;
    const TDonneesChampionnat* c = Saison->ChampionnatCourant();
    if (!c || (PointCourant.Championnat != 0 && PointCourant.Championnat != c->CodeChamp))
        return;
    struct Drapeau
    {
        bool& b;
        ~Drapeau() { b = false; }
    } drapeau{EnfantPerime};
    EnfantPerime = true;
    int p = PointCourant.Parametre;
    MenuDispatch("", PointCourant.Commande, nullptr, p, false);
    Construction = true;
    if (TTreeNode* n = TrouveNoeud(PointCourant.Commande))
    {
        n->MakeVisible();
        tv_Menu->SetSelected(n);
    }
    Construction = false;
    tv_Menu->Invalidate();
}

void Tf_Principale::FermeFenetreEnfant() { ShowChildForm(nullptr, false, false, false, false); }

TDonneesChampionnat* Tf_Principale::ChampionnatEnfant() const
{
    if (!Enfant || !Saison || !championnatEnfant_)
        return nullptr;
    TDonneesChampionnat* c = Saison->Arbre().ChampionnatParCode(codeChampionnatEnfant_);
    return c == championnatEnfant_ ? c : nullptr;
}

bool Tf_Principale::ValideFenetre()
{
    if (!Enfant)
        return true;
    // The child writes into the championship it was loaded from, whichever
    // is current now; when the season no longer holds that one, into none.
    TDonneesChampionnat* courant = Saison ? Saison->ChampionnatCourant() : nullptr;
    TDonneesChampionnat* origine = courant;
    if (championnatEnfant_)
    {
        origine = ChampionnatEnfant();
        if (!origine)
            return true;
    }
    struct Retour
    {
        TSaison* saison;
        TDonneesChampionnat* courant;
        ~Retour()
        {
            if (saison)
                saison->SetChampionnatCourant(courant);
        }
    } retour{origine != courant ? Saison.get() : nullptr, courant};
    if (retour.saison)
        Saison->SetChampionnatCourant(origine);
    // A cell a grid of the child refused is corrected before anything is
    // written: said again, the child kept as it is.
    if (!Enfant->CellulesValides())
    {
        ++RefusEnfant;
        return false;
    }
    for (const auto& v : Validations())
        if (const TValide r = v(Enfant); r != TValide::Autre)
        {
            if (r == TValide::Refusee)
                ++RefusEnfant;
            return r == TValide::Faite;
        }
    return true;
}

bool Tf_Principale::QuitteEnfant()
{
    if (!Enfant)
        return true;
    for (const auto& d : Departs())
        if (const TValide r = d(Enfant); r != TValide::Autre)
        {
            if (r == TValide::Refusee)
                ++RefusEnfant;
            return r == TValide::Faite;
        }
    return true;
}

void Tf_Principale::AffichePageDemarrage(bool afficher)
{
    p_Demarrage->SetVisible(afficher);
}

// ---- print and HTML entries ----------------------------------------------------------------------

namespace {
// Inserts an item into the bar before the last top item (before `avant` when given).
void InsereDansBarre(TMainMenu* menu, TMenuItem* item, TMenuItem* avant)
{
    TMenuItem* racine = menu->Items();
    int place = std::max(racine->Count() - 1, 0);
    if (avant && racine->IndexOf(avant) >= 0)
        place = racine->IndexOf(avant);
    racine->Insert(place, item);
}
}  // namespace

void Tf_Principale::OffreEntree(bool offre, TTreeNode*& noeud, TMenuItem*& menu, int texte, uint32_t commande,
                               TMenuItem* avantMenu)
{
    if (NoeudAide)
    {
        tv_Menu->BeginInternalChange();
        if (offre && !noeud)
        {
            tv_Menu->Items().BeginUpdate();
            noeud = tv_Menu->Items().InsertObject(NoeudAide, Traduire(texte), commande);
            tv_Menu->Items().EndUpdate();
        }
        else if (!offre && noeud)
        {
            tv_Menu->Items().Delete(noeud);
            noeud = nullptr;
        }
        tv_Menu->EndInternalChange();
    }
    if (MenuOptions)
    {
        if (offre && !menu)
        {
            menu = AjouteMenuItem(Traduire(texte), commande, nullptr, nullptr);
            InsereDansBarre(mm_Menu, menu, avantMenu);
        }
        else if (!offre && menu)
        {
            mm_Menu->Items()->Remove(menu);
            FreeAndNil(menu);
        }
    }
}

void Tf_Principale::EntreeImpression(bool offre)
{
    ImpressionOfferte = offre;
    OffreEntree(offre, NoeudImpression, MenuImpression, 714, 181, MenuHTML);
}

void Tf_Principale::EntreeHTML(bool offre)
{
    HTMLOffert = offre;
    OffreEntree(offre, NoeudHTML, MenuHTML, 949, 182, nullptr);
}

// ---- commands asked by the child windows ------------------------------------------------------

void Tf_Principale::ExecuteCommande(int id, int param, bool changerChampionnat)
{
    ExecuteEntree(id, param, true, changerChampionnat);
}

void Tf_Principale::ExecuteEntree(int id, int param, bool historique, bool changerChampionnat)
{
    struct Restaure
    {
        Tf_Principale& f;
        bool changer;
        ~Restaure()
        {
            f.Garder = false;
            f.Construction = false;
            f.ChangerChampionnatEnCours = changer;
        }
    } restaure{*this, ChangerChampionnatEnCours};
    Garder = true;
    ChangerChampionnatEnCours = changerChampionnat;
    if (changerChampionnat && Saison)
        BasculeChampionnat(Saison->ChampionnatCourant());
    // A child that keeps an entry to correct stays shown, and so does its node.
    const uint32_t refus = RefusEnfant;
    MenuDispatch("", static_cast<uint32_t>(id), nullptr, param, historique);
    if (RefusEnfant != refus)
        return;
    Construction = true;
    if (TTreeNode* n = TrouveNoeud(id))
    {
        n->MakeVisible();
        tv_Menu->SetSelected(n);
    }
    Construction = false;
    tv_Menu->Invalidate();
}

// ---- history ----------------------------------------------------------------------------------

void Tf_Principale::MajNavigation()
{
    Precedent->SetEnabled(!Historique.empty());
    Suivant->SetEnabled(!HistoriqueSuivant.empty());
    sb_Back->SetEnabled(!Historique.empty());
    sb_Forward->SetEnabled(!HistoriqueSuivant.empty());
}

void Tf_Principale::NavigueHistorique(bool arriere)
{
    std::vector<THistorique>& source = arriere ? Historique : HistoriqueSuivant;
    std::vector<THistorique>& cible = arriere ? HistoriqueSuivant : Historique;
    if (source.empty())
        return;
    // A child that keeps an entry to correct is not left: both lists stay.
    TValidationQuestion validation(*this);
    if (!validation.Acceptee)
        return;
    // so do they when the child, asked as it goes, is kept
    const std::vector<THistorique> avant = Historique, suivant = HistoriqueSuivant;
    const uint32_t refus = RefusEnfant;
    Empile(cible, PointCourant);
    const THistorique h = source.front();
    source.erase(source.begin());
    MajNavigation();
    try
    {
        bool change = false;
        if (Saison)
        {
            const TDonneesChampionnat* c = Saison->ChampionnatCourant();
            if (h.Championnat != 0 && (!c || c->CodeChamp != h.Championnat))
            {
                ShowChildForm(nullptr, false, false, false, false);
                change = Saison->SelectionneChampionnat(h.Championnat);
            }
        }
        ExecuteEntree(h.Commande, h.Parametre, false, change);
    }
    catch (const EEnfantGarde&)
    {
    }
    if (RefusEnfant != refus)
    {
        Historique = avant;
        HistoriqueSuivant = suivant;
        MajNavigation();
    }
}

// ---- championships -------------------------------------------------------------------------------

void Tf_Principale::ChangeChampionnat(int32_t idChampionnat, TTreeNode* noeud)
{
    if (ChangementChampionnat || !Saison)
        return;
    struct Drapeau
    {
        bool& b;
        ~Drapeau() { b = false; }
    } drapeau{ChangementChampionnat};
    ChangementChampionnat = true;
    // 2. (the child's entries are committed as it goes)
    ShowChildForm(nullptr, false, false, false, false);
    // 3.
    Saison->SelectionneChampionnat(idChampionnat);
    // 4. (before the menus are rebuilt: the node goes with them)
    std::string titre;
    if (noeud && noeud->Parent())
        titre = DeuxPoints(noeud->Parent()->Text(), noeud->Text());
    else if (noeud)
        titre = noeud->Text();
    else if (TitresChampionnats.Count() > 0)
    {
        const int i = TitresChampionnats.IndexOfObject(idChampionnat);
        titre = TitresChampionnats[i < 0 ? 0 : i];
    }
    AfficheTitre(titre);
    // 5.
    RafraichitMenu(true, true);
    AfficheBarres(true, true);
    // 6.
    if (DerniereCommande != 0)
    {
        if (TTreeNode* n = TrouveNoeud(DerniereCommande))
        {
            n->MakeVisible();
            if (tv_Menu->Selected() == n)
                tv_Menu->SetSelected(nullptr);
            tv_Menu->SetSelected(n);
        }
        else
        {
            int p = -1;
            MenuDispatch("", DerniereCommande, nullptr, p, true);
        }
    }
}

void Tf_Principale::BasculeChampionnat(TDonneesChampionnat* championnat)
{
    if (ChangementChampionnat || !championnat)
        return;
    for (int& p : ParametresMemorises)
        p = -1;
    ChangeChampionnat(championnat->CodeChamp, nullptr);
}

void Tf_Principale::sb_ChampPrecClick(TObject*)
{
    if (Saison)
        BasculeChampionnat(Saison->ChampionnatPrecedent());
}

void Tf_Principale::sb_ChampSuivClick(TObject*)
{
    if (Saison)
        BasculeChampionnat(Saison->ChampionnatSuivant());
}

TTreeNode* Tf_Principale::TrouveNoeud(int id) const
{
    const std::string favoris = Traduire(1187);
    std::function<TTreeNode*(TTreeNode*)> cherche = [&](TTreeNode* n) -> TTreeNode* {
        if ((n->Data & 0xFFFF) == id && !(n->Parent() && n->Parent()->Text() == favoris))
            return n;
        for (int i = 0; i < n->Count(); ++i)
            if (TTreeNode* r = cherche(n->Item(i)))
                return r;
        return nullptr;
    };
    TTreeNodes& nodes = tv_Menu->Items();
    for (TTreeNode* n = nodes.GetFirstNode(); n; n = n->getNextSibling())
        if (TTreeNode* r = cherche(n))
            return r;
    return nullptr;
}
