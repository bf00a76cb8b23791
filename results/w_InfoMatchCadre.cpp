#include "results/w_InfoMatchCadre.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/Championnat_Maintenance.h"
#include "model/ChampsSaison.h"
#include "model/DescTree.h"
#include "model/NomJournee.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/ListesJoueurs.h"
#include "model/Stades.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Carton.h"
#include "results/Controles.h"
#include "results/EnTeteMatch.h"
#include "results/w_FicheArbitre.h"
#include "ui/Nombres.h"
#include "ui/Afficheur.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/NomSaisi.h"
#include "views/Textes.h"
#include "views/w_ChoixJournee.h"
#include "ui/message2.h"
#include "model/oTraducteur.h"

using vues::Texte;

Tf_InfoMatchCadreBase::Tf_InfoMatchCadreBase(TComponent* AOwner) : TFootForm(AOwner)
{
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);
    Panel1 = resultats::Fond(this, this, "Panel1", "FondCarrebleu", 0, 0, 470, 36);
    c_EqDomicile = resultats::Cadre(this, Panel1, "c_EqDomicile", 36, 5, 170);
    c_ScDomicile = resultats::Rond(this, Panel1, "c_ScDomicile", 210, 5, ChiffresChamp(TChamp::MatchScore1));
    c_ScExterieur = resultats::Rond(this, Panel1, "c_ScExterieur", 240, 5, ChiffresChamp(TChamp::MatchScore2));
    c_ScDomicile->Maximum = static_cast<int32_t>(Champ(TChamp::MatchScore1).haut);
    c_ScExterieur->Maximum = static_cast<int32_t>(Champ(TChamp::MatchScore2).haut);
    // The score is entered in the results window: here it is only shown, and
    // takes neither the focus nor digits.
    c_ScDomicile->SetTabStop(false);
    c_ScExterieur->SetTabStop(false);
    c_EqExterieur = resultats::Cadre(this, Panel1, "c_EqExterieur", 270, 5, 170);
    UpDown1 = new TUpDown(this);
    UpDown1->SetName("UpDown1");
    UpDown1->SetOrientation(udHorizontal);
    UpDown1->SetBounds(2, 8, 30, 20);
    UpDown1->SetHint(Texte(0, "Changer de match"));
    UpDown1->SetParent(Panel1);
    UpDown1->OnClick = [this](TObject*, TUDBtnType b) { UpDown1Click(b == btNext); };
    pm_ListeMatch = new TPopupMenu(this);
    pm_ListeMatch->SetName("pm_ListeMatch");
    pm_ListeMatch->OnPopup = [this](TObject*) { pm_ListeMatchPopup(); };
    UpDown1->SetPopupMenu(pm_ListeMatch);
    pm_TypeBut = new TPopupMenu(this);
    pm_TypeBut->SetName("pm_TypeBut");
    auto item = [this](TMenuItem*& mi, const char* nom, const std::string& texte) {
        mi = new TMenuItem(pm_TypeBut);
        mi->SetName(nom);
        mi->SetCaption(texte);
        pm_TypeBut->Items()->Add(mi);
    };
    item(mi_Penalty, "mi_Penalty", Texte(1639, "Penalty"));
    item(mi_Coupfranc, "mi_Coupfranc", Texte(1638, "Coup-franc"));
    item(mi_Aucun, "mi_Aucun", Texte(108, "Aucun"));
    OnResize = [this](TObject*) { fc_InfoMatchResize(); };
}

TDonneesChampionnat* Tf_InfoMatchCadreBase::Championnat() const
{
    return Saison ? Saison->ChampionnatCourant() : nullptr;
}

void Tf_InfoMatchCadreBase::fc_InfoMatchResize()
{
    Panel1->SetLeft((ClientWidth() - Panel1->Width()) / 2);
}

int Tf_InfoMatchCadreBase::VerifieMatch()
{
    TDonneesChampionnat* c = Championnat();
    return c ? MatchSuivantDefini(*c, MatchCourant) : 1;
}

void Tf_InfoMatchCadreBase::UpDown1Click(bool suivant)
{
    TDonneesChampionnat* c = Championnat();
    if (!c)
        return;
    ValideNomsSaisis();
    const int n = c->NbJournee;
    const int nb = c->NbMatchJournee(n);
    int m = MatchCourant;
    for (int essai = 1; essai < nb; ++essai) {
        m = suivant ? (m >= nb ? 1 : m + 1) : (m <= 1 ? nb : m - 1);
        if (c->ValeurMatch(n, 4 * m - 3) < 65535 && c->ValeurMatch(n, 4 * m - 1) < 65535) {
            if (!CompteursRemplis() || !AccepteDepart())
                return;
            EnregistrePage(1);
            MatchCourant = m;
            ChangeMatch();
            return;
        }
    }
}

void Tf_InfoMatchCadreBase::pm_ListeMatchPopup()
{
    TDonneesChampionnat* c = Championnat();
    pm_ListeMatch->Items()->Clear();
    if (!c)
        return;
    auto ajoute = [this](const std::string& texte, int tag) {
        auto* mi = new TMenuItem(pm_ListeMatch);
        mi->SetCaption(texte);
        mi->Tag = tag;
        if (tag)
            mi->OnClick = [this, tag](TObject*) { ChoixMatch(tag); };
        pm_ListeMatch->Items()->Add(mi);
    };
    const int n = c->NbJournee;
    bool un = false;
    for (int m = 1; m <= c->NbMatchJournee(n); ++m) {
        const int d = c->ValeurMatch(n, 4 * m - 3), e = c->ValeurMatch(n, 4 * m - 1);
        if (d >= 65535 || e >= 65535)
            continue;
        ajoute(Saison->NomEquipeCourant(d) + "-" + Saison->NomEquipeCourant(e), m);
        un = true;
    }
    if (un)
        ajoute("-", 0);
    ajoute(Texte(152, "Changer de journée"), 20);
}

void Tf_InfoMatchCadreBase::ChoixMatch(int tag)
{
    TDonneesChampionnat* c = Championnat();
    if (!c)
        return;
    ValideNomsSaisis();
    if (!CompteursRemplis() || !AccepteDepart())
        return;
    EnregistrePage(1);
    if (tag >= 20) {
        TOwned<Tf_ChoixJournee> f(new Tf_ChoixJournee(this));
        f->ChangeCouleurs(Couleurs);
        f->ChangeSaison(Saison);
        f->Tag = c->NbJournee;
        if (f->ShowModal() == mrOk && f->Tag != c->NbJournee && f->Tag >= 1) {
            c->NbJournee = static_cast<uint8_t>(f->Tag);
            MatchCourant = 1;
        }
    } else {
        MatchCourant = tag;
    }
    AfficheMatch();
}

bool Tf_InfoMatchCadreBase::EnTeteBoites()
{
    TDonneesChampionnat* c = Championnat();
    const bool defini = c && VerifieMatch() <= c->NbMatchJournee(c->NbJournee);
    Modifie = 0;
    if (!defini) {
        IdDomicile = IdExterieur = 65535;
        for (TEdition2* e : std::initializer_list<TEdition2*>{c_EqDomicile, c_ScDomicile, c_ScExterieur, c_EqExterieur})
            e->SetText("");
        return false;
    }
    const int n = c->NbJournee, m = MatchCourant;
    IdDomicile = c->ValeurMatch(n, 4 * m - 3);
    IdExterieur = c->ValeurMatch(n, 4 * m - 1);
    c_EqDomicile->SetText(Saison->NomEquipeCourant(IdDomicile));
    c_EqExterieur->SetText(Saison->NomEquipeCourant(IdExterieur));
    auto score = [](int v) { return v == 65535 ? std::string() : IntToStr(v); };
    c_ScDomicile->SetText(score(c->ValeurMatch(n, 4 * m - 2)));
    c_ScExterieur->SetText(score(c->ValeurMatch(n, 4 * m)));
    return true;
}

// ---- shared header services ---------------------------------------------------------------------

namespace {

// Keeps the loading flag up while the header is filled, also on failure.
struct TChargement
{
    explicit TChargement(uint8_t& f) : flag(f) { flag = 1; }
    ~TChargement() { flag = 0; }
    uint8_t& flag;
};

const std::string Separateur(22, '-');

bool Contient(const std::vector<int32_t>& v, int32_t x)
{
    return std::find(v.begin(), v.end(), x) != v.end();
}

// The entry whose object is `choix` selected; the empty first entry when
// none is (no official, no stadium).
void Selectionne(TComboBox* b, int32_t choix)
{
    for (int i = 0; i < b->Items().Count(); ++i)
        if (static_cast<int32_t>(b->Items().Objects(i)) == choix) {
            b->SetItemIndex(i);
            return;
        }
    b->SetItemIndex(b->Items().Count() > 0 ? 0 : -1);
}

TCreationStade& CreationStade()
{
    static TCreationStade creation;
    return creation;
}

}  // namespace

void EnregistreCreationStade(TCreationStade creation) { CreationStade() = std::move(creation); }

void Tf_InfoMatchCadreBase::PrepareSaisieNom(TComboBox* Boite, bool Stade)
{
    if (!Boite || std::find(boitesNom_.begin(), boitesNom_.end(), Boite) != boitesNom_.end())
        return;
    boitesNom_.push_back(Boite);
    if (Stade)
        boitesStade_.push_back(Boite);
    Boite->SetStyle(csDropDown);
    const bool salle = Saison && Saison->StatApplicable(7) != 0;
    Boite->SetHint(Stade ? Texte(salle ? 4103 : 4102) : Texte(4101));
    Boite->SetShowHint(true);
    if (!differe_) {
        differe_ = new TTimer(this);
        differe_->SetEnabled(false);
        differe_->SetInterval(1);
        differe_->OnTimer = [this](TObject*) {
            differe_->SetEnabled(false);
            TComboBox* b = nomEnAttente_;
            nomEnAttente_ = nullptr;
            if (b)
                ValideNomSaisi(b);
        };
    }
    // The entry the box holds is remembered whenever one is picked or the
    // box is entered with one. A name still being typed is no entry yet: the
    // page takes it once it is designated (ValideNomSaisi), so that a card
    // cancelled leaves the page, and the match, as they were.
    auto change = Boite->OnChange;
    Boite->OnChange = [this, Boite, change](TObject* s) {
        Tient(Boite);
        if (Boite->ItemChoisi() < 0 && !Trim(Boite->GetText()).empty())
            return;
        if (change)
            change(s);
    };
    auto entree = Boite->OnEnter;
    Boite->OnEnter = [this, Boite, entree](TObject* s) {
        Tient(Boite);
        if (entree)
            entree(s);
    };
    auto avant = Boite->OnKeyDown;
    Boite->OnKeyDown = [this, Boite, avant](TObject* s, WORD& k, TShiftState sh) {
        if (k == VK_RETURN && !Boite->DroppedDown() && ValideNomSaisi(Boite)) {
            k = 0;
            return;
        }
        if (avant)
            avant(s, k, sh);
    };
    Boite->OnExit = [this, Boite](TObject*) {
        if (EnChargement || nomEnCours_ || Boite->ItemIndex() >= 0 || Trim(Boite->GetText()).empty())
            return;
        nomEnAttente_ = Boite;
        differe_->SetEnabled(true);
    };
}

void Tf_InfoMatchCadreBase::Tient(TComboBox* Boite)
{
    if (!Boite)
        return;
    // a box emptied holds none
    const int i = Boite->ItemChoisi();
    const bool vide = Trim(Boite->GetText()).empty();
    if (!vide && (i < 0 || i >= Boite->Items().Count()))
        return;
    const auto code = static_cast<int32_t>(vide ? feuille::AucuneEntree : Boite->Items().Objects(i));
    for (auto& [b, c] : tenus_)
        if (b == Boite) {
            c = code;
            return;
        }
    tenus_.emplace_back(Boite, code);
}

void Tf_InfoMatchCadreBase::RendTenu(TComboBox* Boite)
{
    for (const auto& [b, c] : tenus_)
        if (b == Boite) {
            Selectionne(Boite, c);
            return;
        }
    Boite->SetItemIndex(Boite->Items().Count() > 0 ? 0 : -1);
}

void Tf_InfoMatchCadreBase::ValideNomsSaisis()
{
    nomEnAttente_ = nullptr;
    if (differe_)
        differe_->SetEnabled(false);
    for (TComboBox* b : boitesNom_)
        if (b->Visible())
            ValideNomSaisi(b);
}

bool Tf_InfoMatchCadreBase::ValideNomSaisi(TComboBox* Boite)
{
    if (!Boite || EnChargement || nomEnCours_ || !Saison || !Championnat())
        return false;
    const std::string texte = Trim(Boite->GetText());
    if (texte.empty() || Boite->ItemChoisi() >= 0)
        return false;
    if (nomEnAttente_ == Boite)
        nomEnAttente_ = nullptr;
    // The card (or the question) takes the focus from the box: its leaving
    // is not a new name.
    struct TEnCours
    {
        bool& b;
        ~TEnCours() { b = false; }
    } enCours{nomEnCours_ = true};
    const bool stade = std::find(boitesStade_.begin(), boitesStade_.end(), Boite) != boitesStade_.end();
    // The referee or stadium of that very name, once the user says it is
    // him; any other name typed (a beginning of one included) is a new one.
    const TNomDesigne nom = NomDesigne(*Boite, [this, Boite, stade](int i) -> std::vector<std::string> {
        const auto code = static_cast<int32_t>(Boite->Items().Objects(i));
        if (code == 65535)
            return {};
        if (stade) {
            const TStade* s = Saison->Stades().ChercheStade(code);
            return {Boite->Items()[i], s ? s->NomStade : std::string()};
        }
        const TPersonnel* p = Saison->Arbitres().ChercheNumero(code);
        return {Boite->Items()[i], p ? p->NomComplet() : std::string()};
    });
    if (nom.Genre == TGenreNom::Entree) {
        const int trouve = nom.Index;
        Boite->SetItemIndex(trouve);
        Tient(Boite);
        if (stade) {
            Modifie = 1;
            Signale();
        } else
            VerifieArbitre(Boite);
        return true;
    }
    // A new name: its card, which makes the referee or the stadium.
    const int avant = Boite->Items().Count();
    if (stade)
        AjouteStade(Boite, texte);
    else
        AjouteArbitre(Boite, texte);
    // Cancelled: the box gives back what it held; else it holds the new one.
    if (Boite->Items().Count() == avant && Boite->ItemIndex() < 0)
        RendTenu(Boite);
    else
        Tient(Boite);
    return true;
}

void Tf_InfoMatchCadreBase::AjouteStade(TComboBox* Boite, const std::string& nom)
{
    if (!Boite || !Saison || !CreationStade())
        return;
    const int32_t code = CreationStade()(this, Couleurs, Saison, nom);
    const TStade* st = code > 0 ? Saison->Stades().ChercheStade(code) : nullptr;
    if (!st)
        return;
    int i = Boite->Items().IndexOfObject(st->Code);
    if (i < 0) {
        i = Boite->Items().Count();
        Boite->Items().AddObject(st->NomComplet(), st->Code);
    }
    Boite->SetItemIndex(i);
    Modifie = 1;
    Signale();
}

void Tf_InfoMatchCadreBase::AfficheEnTeteMatch(bool Complet, TAffichage* Affichage,
                                               const std::vector<TComboBox*>& Arbitres, TEdit* NoteMatch,
                                               TComboBox* Stade)
{
    TChargement chargement(EnChargement);
    FocusEnAttente = 0;
    if (!EnTeteBoites()) {
        if (Affichage)
            Affichage->SetNombre("0");
        RemplitPage(2);
        AjusteFonds();
        return;
    }
    TDonneesChampionnat* c = Championnat();
    const int n = c->NbJournee, m = MatchCourant;
    if (Complet) {
        if (Affichage)
            Affichage->SetNombre(IntToStr(std::max(0, c->AffluenceMatch(n, m))));
        // Referees and stadiums named by the competition records of the
        // championship's node and of the nodes above it come first.
        std::vector<int32_t> arbitresA, stadesB;
        for (const TDonneesCompetition* d : Saison->Arbre().ListeDonneesCompetition(c->CodeChamp)) {
            for (int32_t a : d->Arbitres)
                if (!Contient(arbitresA, a))
                    arbitresA.push_back(a);
            for (int32_t s : d->Stades)
                if (!Contient(stadesB, s))
                    stadesB.push_back(s);
        }
        const TPersonnels& arbitres = Saison->Arbitres();
        for (size_t i = 0; i < Arbitres.size(); ++i) {
            TComboBox* b = Arbitres[i];
            if (!b)
                continue;
            PrepareSaisieNom(b, false);
            b->Items().Clear();
            b->Items().AddObject("", 65535);
            bool un = false;
            for (int32_t a : arbitresA)
                if (const TPersonnel* p = arbitres.ChercheNumero(a)) {
                    b->Items().AddObject(p->NomAffiche(&Saison->Pays(), true), p->Numero);
                    un = true;
                }
            if (!arbitresA.empty())
                b->Items().AddObject(Separateur, 65535);
            (void)un;
            for (const TPersonnel* p : arbitres.Liste())
                if (!Contient(arbitresA, p->Numero))
                    b->Items().AddObject(p->NomAffiche(&Saison->Pays(), true), p->Numero);
            Selectionne(b, c->OfficielMatch(n, m, static_cast<int>(i) + 1));
            Tient(b);
        }
        if (NoteMatch) {
            const int note = c->NoteMatch(n, m);
            NoteMatch->SetText(note ? IntToStr(note) : std::string());
        }
        if (Stade) {
            int32_t cible = c->StadeMatch(n, m);
            if (cible <= 0) {
                cible = -1;
                // The home club's ground, unless matches are on neutral grounds.
                if (!(c->Option(11) & 2))
                    if (const TRensClub* r = Saison->RensClubs().ChercheRensClub(IdDomicile);
                        r && !r->Stades().empty() && r->Stades().front()) {
                        cible = r->Stades().front()->Code;
                        Modifie = 1;
                    }
            }
            PrepareSaisieNom(Stade, true);
            TStades& stades = Saison->Stades();
            Stade->Items().Clear();
            Stade->Items().AddObject("", 65535);
            for (int32_t s : stadesB)
                if (const TStade* st = stades.ChercheStade(s))
                    Stade->Items().AddObject(st->NomComplet(), st->Code);
            if (!stadesB.empty())
                Stade->Items().AddObject(Separateur, 65535);
            for (int i = 0; i < stades.NbStade(); ++i)
                if (const TStade* st = stades.Stade(i); st && !Contient(stadesB, st->Code))
                    Stade->Items().AddObject(st->NomComplet(), st->Code);
            Selectionne(Stade, cible);
            Tient(Stade);
        }
    }
    RemplitPage(1);
    AjusteFonds();
}

void Tf_InfoMatchCadreBase::AjouteArbitre(TComboBox* Boite, const std::string& nom)
{
    TDonneesChampionnat* c = Championnat();
    if (!c || !Boite)
        return;
    int position = -1;
    TPersonnelStat* a = OuvreFicheArbitre(this, Couleurs, Saison, c->CodeChamp, nullptr, &position, nom);
    if (!a)
        return;
    const int i = std::clamp(position, 0, Boite->Items().Count());
    Boite->Items().InsertObject(i, a->NomAffiche(&Saison->Pays(), true), a->Numero);
    Boite->SetItemIndex(i);
    Modifie = 1;
    Signale();
}

void Tf_InfoMatchCadreBase::VerifieArbitre(TComboBox* Boite)
{
    Modifie = 1;
    Signale();
    TDonneesChampionnat* c = Championnat();
    if (!c || !Boite || c->OptionArbitre(0) != 1 || VerifieMatch() > c->NbMatchJournee(c->NbJournee))
        return;
    const int h = IdDomicile, a = IdExterieur;
    const int courante = c->NbJournee;
    uint32_t date = 0;
    if (const TInfoComp* mc = c->MatchEquipes(courante, h, a))
        date = mc->DateMatch();
    if (!date)
        date = c->DateJournee(courante);
    const int i = Boite->ItemIndex();
    if (Boite->GetText().empty() || i < 0)
        return;
    const int32_t r = static_cast<int32_t>(Boite->Items().Objects(i));
    if (r == 65535)
        return;
    int n = courante;
    while (n > 0) {
        const TInfoComp* p = DernierMatchArbitre(*c, r, h, a, n);
        if (!p || n <= 0)
            return;
        const bool domicileJoue = p->IdEquipe(0) == h || p->IdEquipe(1) == h;
        const std::string equipe = Saison->NomEquipeCourant(domicileJoue ? h : a);
        if (c->OptionArbitre(1) == 1 && ((p->IdEquipe(0) == h && p->IdEquipe(1) == a) ||
                                         (p->IdEquipe(0) == a && p->IdEquipe(1) == h))) {
            ShowMessage(Texte(3996, L1("Cet arbitre a déjà arbitré ces deux équipes lors d'un match cette saison")));
            return;
        }
        // a cup's match named by its round
        const std::string tour = NomTourCoupe(*c, n);
        if (c->OptionArbitre(2) + n > courante) {
            ShowMessage(tour.empty() ? Format(Texte(3997, L1("Cet arbitre a déjà arbitré l'équipe de %s il y a moins de %d Matchs (journée %d)")),
                                              {equipe, c->OptionArbitre(2), n})
                                     : TraduireFormat(5826, {equipe, c->OptionArbitre(2), tour}));
            return;
        }
        if (TGestionDate::Jour(date) && TGestionDate::Mois(date)) {
            uint32_t e = p->DateMatch();
            if (!e)
                e = c->DateJournee(n);
            if (TGestionDate::NbMois(e, date) < c->OptionArbitre(3)) {
                ShowMessage(tour.empty() ? Format(Texte(3998, L1("Cet arbitre a déjà arbitré l'équipe de %s il y a moins de %d Mois (journée %d)")),
                                                  {equipe, c->OptionArbitre(3), n})
                                         : TraduireFormat(5827, {equipe, c->OptionArbitre(3), tour}));
                return;
            }
        }
    }
}

void Tf_InfoMatchCadreBase::AffichageScoreKeyPress()
{
    if (c_EqDomicile->Text().empty())
        return;
    Modifie = 1;
    Signale();
}

void Tf_InfoMatchCadreBase::e_NoteArbitreChange()
{
    if (EnChargement)
        return;
    Modifie = 1;
    Signale();
}

// ---- player boxes -------------------------------------------------------------------------------

TCarton* Tf_InfoMatchCadreBase::AjouteCarton(int Ligne, int Cote, bool Force, int TypeBut, int Suite,
                                             const std::optional<std::string>& Minute, const TChoixJoueur* Joueur,
                                             int Genre, bool Defile, TFondScroll* Fond, int Couleur)
{
    static const char* const modeles[3] = {"BoutonCreuxBleu", "BoutonCreuxJaune", "BoutonCreuxRouge"};
    TFondModele* modele = Dessin ? Dessin->Fond(modeles[std::clamp(Couleur, 0, 2)]) : nullptr;
    auto* ligne = new TPanel(this);
    ligne->SetBevelOuter(bvNone);
    ligne->SetColor(*Couleurs.Couleur(1));
    ligne->SetBounds(0, (Ligne - 1) * 30, 140, 30);
    ligne->SetAnchors(akTop);
    ligne->Tag = Fond->Tag;
    Fond->InsereControle(ligne);

    auto* b = new TCarton(this, Saison);
    b->Page = this;
    b->OnModifie = [this](TObject*) { Signale(); };
    b->Fond = Fond;
    b->Ajout = Suite == -1 || Couleur > 0;
    b->Genre = Genre;
    b->Selectionnable = false;
    if (Joueur) {
        b->SetText(Joueur->Texte);
        b->Numero = Joueur->NumeroJoueur();
    }
    b->SetBounds(0, 0, 115, 25);
    int32_t flag = 0;
    if (TypeBut != 0) {
        b->SetPopupMenu(pm_TypeBut);
        b->OnMouseDown = [this](TObject* s, TMouseButton bt, TShiftState, int, int) { CartonMouseDown(s, bt); };
        flag = TypeBut == 1 ? TCarton::FlagPenalty
             : TypeBut == 2 ? TCarton::FlagCoupFranc
             : TypeBut == 4 ? TCarton::FlagContreSonCamp
                            : 0;
        if (!b->Text().empty() && !LibelleTypeBut(TypeBut).empty())
            b->SetText(b->Text() + " " + LibelleTypeBut(TypeBut));
    }
    if (modele)
        b->SetModele(modele);
    b->Tag = (Ligne << 16) + flag + Cote;
    b->SetParent(ligne);

    if (Minute && (!dynamic_cast<IPageSecondaire*>(this) || Force)) {
        b->AvecMinute = true;
        ligne->SetWidth(155);
        auto* e = new TEditRond(this);
        e->SetText(*Minute);
        e->SetBounds(118, 0, 25, 25);
        e->Maxlength = 3;
        if (modele)
            e->SetModele(modele);
        e->OnChange = [this](TObject*) { MinuteChange(); };
        resultats::BorneMinute(e, evtMinute);
        // Read as the other number boxes are (an emptied minute is 0).
        nombres::Declare(e, nombres::Nombre(0, evtMinute, 0));
        e->Tag = (Ligne << 16) + Cote;
        e->SetParent(ligne);
    }
    if (Defile && ligne->Top() + ligne->Height() > Fond->Height() && Fond->MyScrollv()->Visible())
        Fond->MyScrollv()->SetPosition(Fond->MyScrollv()->Max());
    Fond->MyScrollh()->SetPosition(0);
    ligne->SetLeft(std::max(0, (Fond->Width() - ligne->Width() - 16) / 2));
    return b;
}

void Tf_InfoMatchCadreBase::CartonMouseDown(TObject* Sender, TMouseButton Button)
{
    if (auto* b = dynamic_cast<TCarton*>(Sender); b && Button == mbRight && b->PopupMenu())
        b->PopupMenu()->PopupComponent = b;
}

void Tf_InfoMatchCadreBase::MinuteChange()
{
    Modifie = 1;
}

void Tf_InfoMatchCadreBase::VideFond(TFondScroll* fond)
{
    MinuteCible = nullptr;
    FocusEnAttente = 0;
    while (fond->NbControles() > 0)
        fond->Controle(fond->NbControles() - 1)->Free();
    fond->Ajuste();
}

// ---- player lists -------------------------------------------------------------------------------

std::unique_ptr<TListeJoueur> Tf_InfoMatchCadreBase::ChargeListeJoueurs(int32_t Equipe, int Categorie) const
{
    auto liste = std::make_unique<TListeJoueur>();
    if (Saison)
        if (const TListJoueurEquipe* b = Saison->Joueurs().BlocEquipe(Equipe))
            for (TJoueur* p : b->Joueurs())
                if (Categorie == 0 || p->categorie == Categorie)
                    liste->Insere(std::make_unique<TChoixJoueur>(p, 0), false);
    return liste;
}

void Tf_InfoMatchCadreBase::RemplitListeJoueurs(const TListeJoueur* Liste, TListe* Boite, bool Entetes, bool Filtre)
{
    Boite->Items().Clear();
    if (!Liste && !Entetes)
        return;
    TStringList entrees;
    if (Liste)
        TexteSeparation(*Liste, entrees, Entetes, Filtre);
    else {
        TListeJoueur vide;
        TexteSeparation(vide, entrees, Entetes, Filtre);
    }
    for (int i = 0; i < entrees.Count(); ++i)
        Boite->Items().Add(entrees[i]);
}

int Tf_InfoMatchCadreBase::RemplitCategories(TComboBox* Boite, TWinControl* Panneau, int Position) const
{
    TDonneesChampionnat* c = Championnat();
    if (!Saison || Saison->NbCategorie() == 0) {
        if (Panneau)
            Panneau->SetVisible(false);
        return 0;
    }
    if (Panneau)
        Panneau->SetVisible(true);
    Boite->Items().Clear();
    Boite->Items().AddObject(Texte(1402, "Toutes"), 0);
    // A team without a category shows all players; a category the season no
    // longer knows shows the first one.
    const int categorie = c ? c->CategorieEquipe(Position) : 0;
    int choix = categorie == 0 ? 0 : -1;
    for (int i = 0; i < Saison->NbCategorie(); ++i) {
        const TCategorie* k = Saison->CategorieIndex(i);
        Boite->Items().AddObject(k->Nom, k->Id);
        if (k->Id == categorie)
            choix = i + 1;
    }
    Boite->SetItemIndex(choix < 0 ? 1 : choix);
    return static_cast<int>(Boite->Items().Objects(Boite->ItemIndex()));
}

TChoixJoueur* Tf_InfoMatchCadreBase::AjouteJoueur(TListe* Boite, TListeJoueur* Liste, int Categorie, int Case,
                                                 bool Entetes)
{
    TDonneesChampionnat* c = Championnat();
    if (!c || !Liste || VerifieMatch() > c->NbMatchJournee(c->NbJournee))
        return nullptr;
    if (!FicheJoueurDisponible()) {
        Tf_MessageUtil::Affiche(Traduire(3004), mbuValider);
        return nullptr;
    }
    const int equipe = c->ValeurMatch(c->NbJournee, 4 * (MatchCourant - 1) + Case);
    TJoueur* j = TFootForm::NouveauJoueur(Saison, Couleurs, 0xB0000 + equipe);
    if (!j)
        return nullptr;
    if (Categorie > 0)
        j->categorie = Categorie;
    Liste->Insere(std::make_unique<TChoixJoueur>(j, 0), false);
    RemplitListeJoueurs(Liste, Boite, Entetes, true);
    Signale();
    return Liste->ChercheIdJoueur(j->Numero);
}

// ============================================================================
// Tf_InfoMatchCadre
// ============================================================================

void TListeFeuille::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    Accept = false;
    if (OnDragOver)
        OnDragOver(this, Source, X, Y, State, Accept);
}

void TListeFeuille::DragDrop(TObject* Source, int X, int Y)
{
    if (OnDragDrop)
        OnDragDrop(this, Source, X, Y);
}

Tf_InfoMatchCadre::Tf_InfoMatchCadre(TComponent* AOwner) : Tf_InfoMatchCadreBase(AOwner)
{
    auto panneau = [this](const char* nom, TWinControl* parent, TAlign align) {
        auto* p = new TPanel(this);
        p->SetName(nom);
        p->SetBevelOuter(bvNone);
        p->SetParentColor(true);
        p->SetAlign(align);
        p->SetParent(parent);
        return p;
    };
    auto liste = [this](const char* nom, TWinControl* parent, int cote) {
        auto* l = new TListeFeuille(this);
        l->SetName(nom);
        l->Tag = cote;
        l->SetTabStop(false);
        l->CanDrag = true;
        l->NomLong = true;
        l->TailleNomLong = 8;
        l->SetAlign(alClient);
        l->SetParent(parent);
        l->OnDragDrop = [this](TObject* s, TObject* src, int, int) { LB1DragDrop(s, src); };
        l->OnDragOver = [this](TObject* s, TObject* src, int, int, TDragState, bool& a) {
            l_EquipeDomicileDragOver(s, src, a);
        };
        l->OnEnter = [this](TObject*) { LB1Enter(); };
        return l;
    };
    auto categorie = [this](const char* nom, TWinControl* parent, int cote) {
        auto* b = new TComboBox(this);
        b->SetName(nom);
        b->SetStyle(csDropDownList);
        b->SetAlign(alClient);
        b->SetParent(parent);
        b->OnChange = [this, cote](TObject*) { cb_CategorieChange(cote); };
        return b;
    };
    auto popup = [this](const char* nom, const char* nomItem, TMenuItem*& mi, int cote) {
        auto* pm = new TPopupMenu(this);
        pm->SetName(nom);
        mi = new TMenuItem(pm);
        mi->SetName(nomItem);
        mi->SetCaption(Texte(870, "Ajouter un joueur"));
        mi->OnClick = [this, cote](TObject*) { mi_AjouterJoueurClick(cote); };
        pm->Items()->Add(mi);
        return pm;
    };
    Panel2 = panneau("Panel2", this, alLeft);
    Panel2->SetWidth(129);
    Panel3 = panneau("Panel3", Panel2, alBottom);
    Panel3->SetHeight(24);
    cb_CategorieDom = categorie("cb_CategorieDom", Panel3, 1);
    l_EquipeDomicile = liste("l_EquipeDomicile", Panel2, 1);
    Panel4 = panneau("Panel4", this, alRight);
    Panel4->SetWidth(129);
    Panel5 = panneau("Panel5", Panel4, alBottom);
    Panel5->SetHeight(24);
    cb_CategorieExt = categorie("cb_CategorieExt", Panel5, 2);
    l_EquipeExterieur = liste("l_EquipeExterieur", Panel4, 2);
    Popupajout = popup("Popupajout", "mi_AjouterJoueur1", mi_AjouterJoueur1, 1);
    Popupajout2 = popup("Popupajout2", "mi_AjouterJoueur2", mi_AjouterJoueur2, 2);
    l_EquipeDomicile->SetPopupMenu(Popupajout);
    l_EquipeExterieur->SetPopupMenu(Popupajout2);
    Panel3->SetVisible(false);
    Panel5->SetVisible(false);
}

Tf_InfoMatchCadre::~Tf_InfoMatchCadre() = default;

void Tf_InfoMatchCadre::LibereListes()
{
    for (auto& c : choix_)
        c.reset();
}

void Tf_InfoMatchCadre::ChargeListes()
{
    TDonneesChampionnat* c = Championnat();
    for (int cote = 1; cote <= 2; ++cote) {
        const int32_t equipe = cote == 1 ? IdDomicile : IdExterieur;
        int32_t& categorie = cote == 1 ? CategorieDomicile : CategorieExterieur;
        categorie = RemplitCategories(cote == 1 ? cb_CategorieDom : cb_CategorieExt, cote == 1 ? Panel3 : Panel5,
                                      c ? c->IndexEquipe(equipe) : -1);
        choix_[cote - 1] = ChargeListeJoueurs(equipe, categorie);
        RemplitListeJoueurs(choix_[cote - 1].get(), Liste(cote), EntetesListes, false);
    }
}

void Tf_InfoMatchCadre::l_EquipeDomicileDragOver(TObject* Sender, TObject* Source, bool& Accept)
{
    Accept = false;
    const auto* l = dynamic_cast<TControl*>(Sender);
    const auto* b = dynamic_cast<TCadre*>(Source);
    if (l && b && !b->Text().empty() && b->Parent() && b->Parent()->Tag == l->Tag)
        Accept = true;
}

void Tf_InfoMatchCadre::LB1DragDrop(TObject*, TObject* Source)
{
    auto* b = dynamic_cast<TCarton*>(Source);
    if (!b)
        return;
    // An own goal names the player's side: the box gets its panel's back. An
    // emptied box keeps no goal type, as a drop from a list gives none.
    b->Tag = (b->Tag & 0xFFFF00) | b->CotePanneau();
    b->SetText("");
    b->Numero = 0;
    TFondScroll* fond = b->Fond;
    b->Reorganise(true, 0);
    if (TEditRond* m = b->Minute())
        m->SetText("0");
    // The emptied row goes once the drop is over.
    if (fond)
        LibereLignesCachees(fond);
}

void Tf_InfoMatchCadre::LB1Enter()
{
    if (FocusEnAttente != 1)
        return;
    FocusEnAttente = 0;
    if (MinuteCible && MinuteCible->CanFocus())
        MinuteCible->SetFocus();
}

void Tf_InfoMatchCadre::cb_CategorieChange(int cote)
{
    TComboBox* b = cote == 1 ? cb_CategorieDom : cb_CategorieExt;
    if (b->ItemIndex() < 0)
        return;
    int32_t& categorie = cote == 1 ? CategorieDomicile : CategorieExterieur;
    categorie = static_cast<int32_t>(b->Items().Objects(b->ItemIndex()));
    choix_[cote - 1] = ChargeListeJoueurs(cote == 1 ? IdDomicile : IdExterieur, categorie);
    RemplitListeJoueurs(choix_[cote - 1].get(), Liste(cote), false, false);
}

void Tf_InfoMatchCadre::mi_AjouterJoueurClick(int cote)
{
    if (!choix_[cote - 1])
        return;
    if (AjouteJoueur(Liste(cote), choix_[cote - 1].get(), cote == 1 ? CategorieDomicile : CategorieExterieur,
                     cote == 1 ? 1 : 3, EntetesListes))
        Modifie = 1;
}
