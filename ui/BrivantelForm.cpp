#include "ui/BrivantelForm.h"

#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/Nombres.h"
#include "ui/message2.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <set>
#include <vector>

namespace
{
std::vector<TBrivantelForm::TAppliqueurCouleurs>& Appliqueurs()
{
    static std::vector<TBrivantelForm::TAppliqueurCouleurs> a;
    return a;
}

TServicesFicheJoueur& Services()
{
    static TServicesFicheJoueur s;
    return s;
}

// Whether a component of the window (the window first, then what each one
// owns, in the order they were made) makes refuse answer true.
bool UnRefuse(TComponent* fenetre, const std::function<bool(TComponent*)>& refuse)
{
    std::vector<TComponent*> pile{fenetre};
    while (!pile.empty()) {
        TComponent* c = pile.back();
        pile.pop_back();
        for (int i = c->ComponentCount() - 1; i >= 0; --i)
            pile.push_back(c->Components(i));
        if (refuse(c))
            return true;
    }
    return false;
}
}

TBrivantelForm::TBrivantelForm(TComponent* AOwner) : TForm(AOwner)
{
    if (Dessin)
        Couleurs = Dessin->Couleurs;
}

void TBrivantelForm::ChangeSaison(TSaison* saison)
{
    Saison = saison;
}

void TBrivantelForm::Signale()
{
    if (OnModification)
        OnModification();
}

void TBrivantelForm::ChangeCouleurs(const TCouleurElement& couleurs)
{
    Couleurs = couleurs;
    AppliqueCouleurs();
}

bool TBrivantelForm::CellulesValides()
{
    return !UnRefuse(this, [](TComponent* c) {
        auto* g = dynamic_cast<TCustomGrid*>(c);
        return g && !g->CommitPendingEdit();
    });
}

bool TBrivantelForm::CompteursRemplis()
{
    return !UnRefuse(this, [](TComponent* c) {
        // A box that declared its reading is weighed by it.
        if (TWinControl* boite = nombres::BoiteLue(c))
            return nombres::Pesee(boite) && !nombres::Accepte(boite);
        auto* u = dynamic_cast<TUpDown*>(c);
        TWinControl* boite = u ? u->Associate() : nullptr;
        if (!boite || nombres::LectureDe(boite) || !nombres::Pesee(boite) || u->ShowsPosition())
            return false;
        nombres::Refuse(boite, TraduireFormat(5003, {std::min(u->Min, u->Max), std::max(u->Min, u->Max)}));
        return true;
    });
}

void TBrivantelForm::EnregistreAppliqueur(TAppliqueurCouleurs appliqueur)
{
    Appliqueurs().push_back(std::move(appliqueur));
}

const TBrivantelForm::TDessinControle& TBrivantelForm::DessinDe(TControl* c)
{
    auto it = dessins_.find(c);
    if (it == dessins_.end())
    {
        it = dessins_.emplace(c, TDessinControle{c->Color(), c->Font().Color()}).first;
        c->FreeNotification(this);
    }
    return it->second;
}

void TBrivantelForm::Notification(TComponent* component, bool removing)
{
    if (removing)
        dessins_.erase(component);
    TForm::Notification(component, removing);
}

void TBrivantelForm::AppliqueCouleurs()
{
    if (!fenetreDessinee_)
    {
        couleurDessin_ = Color();
        fenetreDessinee_ = true;
    }
    SetColor(CouleurFondSchema(couleurDessin_, Couleurs));
    for (int i = 0; i < ControlCount(); ++i)
    {
        TControl* c = Controls(i);
        if (dynamic_cast<TLabel*>(c) || dynamic_cast<TCheckBox*>(c) || dynamic_cast<TBoutonCoche*>(c) ||
            dynamic_cast<TRadioButton*>(c))
        {
            c->Font().SetColor(CouleurTexteSchema(DessinDe(c).Police, Couleurs));
            continue;
        }
        bool pris = false;
        for (const auto& a : Appliqueurs())
            if (a(c, Couleurs))
            {
                pris = true;
                break;
            }
        if (pris)
            continue;
        if (auto* g = dynamic_cast<TColorStringGrid*>(c))
        {
            g->SetFixedColor(Couleurs.CouleurFondTitreTableau);
            g->SetColor(Couleurs.fondfonce);
            g->SetCouleurSelection(Couleurs.CouleurFondSelTableau);
            g->SetCouleurTexteSelection(Couleurs.CouleurTexteSelTableau);
        }
        else if (auto* p = dynamic_cast<TPanel*>(c))
            p->SetColor(CouleurFondSchema(DessinDe(c).Couleur, Couleurs));
        else if (auto* b = dynamic_cast<TBoutonCopie*>(c))
        {
            const bool clair = Dessin && b->Modele() == Dessin->Boutonorange2;
            b->Setcouleur(clair ? Couleurs.EcritureBOrangeClair : Couleurs.EcritureBOrange);
            b->SetcouleurOver(clair ? Couleurs.EcritureOnBOrangeClair : Couleurs.EcritureOnBOrange);
        }
    }
}

void TBrivantelForm::CouleursLigneSchema(int ligne, TColor& couleurTexte, TColor& couleurFond, bool suivie,
                                         const TCouleurElement& couleurs)
{
    const bool impaire = (ligne % 2) != 0;
    couleurFond = impaire ? couleurs.CouleurFond1Tableau : couleurs.CouleurFond2Tableau;
    couleurTexte = impaire ? couleurs.CouleurTexte1Tableau : couleurs.CouleurTexte2Tableau;
    if (suivie)
    {
        couleurFond = couleurs.CouleurFondSuiviTableau;
        couleurTexte = couleurs.CouleurTexteSuiviTableau;
    }
}

void TBrivantelForm::CouleurFondLigneSchema(int ligne, TColor& couleurFond, const TCouleurElement& couleurs)
{
    couleurFond = (ligne % 2) != 0 ? couleurs.CouleurFond1Tableau : couleurs.CouleurFond2Tableau;
}

// ============================================================================
// TFootForm services
// ============================================================================
bool FicheJoueurDisponible() { return static_cast<bool>(Services().CreeFiche); }

void EnregistreServicesFicheJoueur(TServicesFicheJoueur services)
{
    Services() = std::move(services);
}

TGeometrieChoixEquipe GeometrieChoixEquipe(int n)
{
    TGeometrieChoixEquipe g;
    const int lignes = n > 0 ? (n - 1) / 3 : -1;
    g.HauteurClient = lignes * 20 + 60;
    g.HautBouton = lignes * 20 + 28;
    return g;
}

int PreselectionEquipe(int equipe, int interdite)
{
    if (equipe + 1 == interdite)
        return interdite == 1 ? 1 : 0;
    return equipe;
}

namespace {

// The words of a heading line, without case or accents: its runs of letters
// and digits ("l'extérieur" says "extérieur", "(points)" says "points").
std::set<std::string> MotsTitre(const std::string& ligne)
{
    std::set<std::string> mots;
    std::string mot;
    for (const char c : SansAccent(ligne) + " ") {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            mot += c;
            continue;
        }
        if (!mot.empty())
            mots.insert(mot);
        mot.clear();
    }
    return mots;
}

}  // namespace

TEnTeteHTML TFootForm::EnTete(const std::vector<std::string>& propres, std::vector<TEnTeteHTML::TBande> bandes) const
{
    // Each thing is said once, in its fullest words: a line saying nothing a
    // line kept does not say is left out (the command "General" under the
    // table "General standings"); a line saying all a kept line says and more
    // takes its place (the competition "France: Division 1" for the division
    // "Division 1", the command "Best attack (points)" for the table "Best
    // attack").
    TEnTeteHTML e;
    std::vector<std::set<std::string>> dits;
    auto dit = [](const std::set<std::string>& d, const std::set<std::string>& m) {
        return std::includes(d.begin(), d.end(), m.begin(), m.end());
    };
    for (const auto* lignes : {&propres, &TitresVue})
        for (const std::string& l : *lignes) {
            const std::string ligne = Trim(l);
            const std::set<std::string> mots = MotsTitre(ligne);
            if (ligne.empty() || std::any_of(dits.begin(), dits.end(), [&](const auto& d) { return dit(d, mots); }))
                continue;
            size_t place = e.Titres.size();
            for (size_t i = e.Titres.size(); i-- > 0;)
                if (dit(mots, dits[i])) {
                    e.Titres.erase(e.Titres.begin() + static_cast<ptrdiff_t>(i));
                    dits.erase(dits.begin() + static_cast<ptrdiff_t>(i));
                    place = i;
                }
            e.Titres.insert(e.Titres.begin() + static_cast<ptrdiff_t>(std::min(place, e.Titres.size())), ligne);
            dits.insert(dits.begin() + static_cast<ptrdiff_t>(std::min(place, dits.size())), mots);
        }
    e.Bandes = std::move(bandes);
    return e;
}

void TFootForm::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                const TCouleurElement&, const std::string& Pages, TSaison* saison)
{
    if (!TFonctionsGabarit::ExecuteFonction(Nom, Parametres, Resultat, Pages, saison))
        EcritValeur(Nom, Parametres, Resultat, nullptr, Pages, saison);
}

void TFootForm::EcritValeur(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                            const TStringList* Mots, const std::string& Pages, TSaison* saison)
{
    TFonctionsGabarit::EcritValeur(Nom, Parametres, Resultat, Mots, Pages, saison);
}

bool TFootForm::ChoisitEquipe(TSaison* saison, const std::string& titre, const TCouleurElement& couleurs,
                              int interdite, int& equipe)
{
    const TDonneesChampionnat* ch = saison ? saison->ChampionnatCourant() : nullptr;
    const int n = ch ? ch->NbEquipe() : 0;
    const TGeometrieChoixEquipe g = GeometrieChoixEquipe(n);

    TOwned<TBrivantelForm> f(new TBrivantelForm(nullptr));
    f->SetBorderStyle(bsDialog);
    f->SetBorderIcons(biSystemMenu);
    f->Position = poMainFormCenter;
    f->SetCaption(titre);
    f->SetWidth(480);
    f->SetClientHeight(g.HauteurClient);
    f->Couleurs = couleurs;

    auto* fond = new TFondCopie(f.get());
    fond->SetParent(f.get());
    fond->SetAlign(alClient);
    if (Dessin)
        fond->SetModele(Dessin->FondCarrebleuSimple);

    auto* ok = new TBoutonCopie(f.get());
    ok->SetName("b_Valider");
    if (Dessin)
        ok->SetModele(Dessin->BoutonOrange);
    ok->SetCaption(Traduire(29));
    ok->Default = true;
    ok->ModalResult = mrOk;
    ok->SetBounds(196, g.HautBouton, 80, ok->Height());
    ok->SetDecalY(-3);
    ok->Font().SetStyle(fsBold);
    ok->Setcouleur(0);
    ok->SetcouleurOver(0xFF8000);
    ok->SetParent(fond);

    equipe = PreselectionEquipe(equipe, interdite);
    std::vector<TCarreCoche*> cases;
    for (int k = 1; k <= n; ++k)
    {
        auto* c = new TCarreCoche(f.get());
        c->SetCaption(saison->NomEquipePosition(k - 1));
        c->SetBoundsRect(TGeometrieChoixEquipe::Case(k));
        c->Tag = k - 1;
        c->Setgroupe(0);
        c->SetEnabled(k != interdite);
        c->Font().SetColor(couleurs.CouleurTitre);
        c->SetParent(fond);
        c->SetChecked(k - 1 == equipe);
        cases.push_back(c);
    }
    f->DoCreate();
    if (f->ShowModal() != mrOk)
        return false;
    for (TCarreCoche* c : cases)
        if (c->Checked())
        {
            equipe = static_cast<int>(c->Tag);
            return true;
        }
    return false;
}

TJoueur* TFootForm::OuvreFicheJoueur(TJoueur* joueur, TSaison* saison)
{
    const TServicesFicheJoueur& s = Services();
    if (!joueur || !s.CreeFiche)
        return nullptr;
    TOwned<TFicheJoueurForm> fiche(s.CreeFiche(saison));
    if (!fiche)
        return nullptr;
    // The card's own scheme: the skin module's, given to every new window.
    fiche->ChangeCouleurs(fiche->Couleurs);
    fiche->ChangeSaison(saison);
    const TDonneesChampionnat* ch = saison ? saison->ChampionnatCourant() : nullptr;
    fiche->ChangeJoueur(ch ? ch->CodeChamp : 0, joueur);
    fiche->Tag = 0x30000 + (s.EquipeJoueur ? s.EquipeJoueur(joueur, saison) : 0);
    return fiche->ShowModal() == mrOk ? joueur : nullptr;
}

TJoueur* TFootForm::OuvreFichePris(TJoueur* joueur, TSaison* saison, int equipe)
{
    const TServicesFicheJoueur& s = Services();
    if (!joueur || !s.CreeFiche || equipe < 0 || equipe >= 0xFFFF)
        return nullptr;
    TOwned<TFicheJoueurForm> fiche(s.CreeFiche(saison));
    if (!fiche)
        return nullptr;
    fiche->ChangeCouleurs(fiche->Couleurs);
    fiche->ChangeSaison(saison);
    fiche->Tag = 0x10000 + equipe;
    const TDonneesChampionnat* ch = saison ? saison->ChampionnatCourant() : nullptr;
    fiche->ChangeJoueurPris(ch ? ch->CodeChamp : 0, joueur);
    return fiche->ShowModal() == mrOk ? fiche->JoueurFiche() : nullptr;
}

TJoueur* TFootForm::NouveauJoueur(TSaison* saison, const TCouleurElement& couleurs, int tag)
{
    const TServicesFicheJoueur& s = Services();
    if (!s.CreeFiche)
        return nullptr;
    TOwned<TFicheJoueurForm> fiche(s.CreeFiche(saison));
    if (!fiche)
        return nullptr;
    fiche->ChangeCouleurs(couleurs);
    fiche->ChangeSaison(saison);
    fiche->Tag = tag;
    const TDonneesChampionnat* ch = saison ? saison->ChampionnatCourant() : nullptr;
    fiche->ChangeJoueur(ch ? ch->CodeChamp : 0, nullptr);
    return fiche->ShowModal() == mrOk ? fiche->JoueurFiche() : nullptr;
}

TJoueur* TFootForm::OuvreFicheJoueurId(int32_t id, TSaison* saison)
{
    if (id < 1 || !Services().ChercheJoueur)
        return nullptr;
    return OuvreFicheJoueur(Services().ChercheJoueur(id, saison), saison);
}

void TFootForm::CompareBornes(bool& avant, bool& apres, const uint8_t* departage, int a, int b)
{
    avant = a < b;
    apres = a > b;
    // a shoot-out answers as the scores do: the side with more is the winner
    if (a == b && departage)
    {
        avant = departage[0] < departage[1];
        apres = departage[1] < departage[0];
    }
}

void IntegreFiche(TForm* fiche, TWinControl* parent)
{
    if (!fiche || !parent)
        return;
    fiche->SetBorderStyle(bsNone);
    fiche->SetParent(parent);
    fiche->SetAlign(alClient);
    fiche->Show();
}
