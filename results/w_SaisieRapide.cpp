#include "results/w_SaisieRapide.h"

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Controles.h"
#include "ui/Bouton.h"
#include "ui/FusionJoueurs.h"
#include "ui/NomSaisi.h"
#include "ui/message2.h"
#include "views/Textes.h"

using resultats::Bouton;
using resultats::Label;
using vues::Texte;

namespace {
constexpr int TexteDejaDansLEquipe = 3763;   // %s the player, %s the team
}

Tf_SaisieRapide::Tf_SaisieRapide(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_SaisieRapide");
    SetCaption(Texte(998, "f_SaisieRapide"));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(420);
    SetClientHeight(360);
    Label1 = Label(this, this, "Label1", 10, 12, 200, clWhite, true, Texte(692, "Joueur"));
    cb_AjoutJoueur = new TComboBox98(this);
    cb_AjoutJoueur->SetName("cb_AjoutJoueur");
    cb_AjoutJoueur->SetBounds(10, 32, 270, 22);
    cb_AjoutJoueur->MinLengthComplete = 1;
    cb_AjoutJoueur->SetParent(this);
    cb_AjoutJoueur->OnKeyUp = [this](TObject*, WORD& k, TShiftState) {
        if (k == VK_RETURN)
            b_AjouterClick(b_Ajouter);
    };
    b_Ajouter = Bouton(this, this, "b_Ajouter", "BoutonOrange", 290, 28, 120, Texte(932, "Ajouter"));
    b_Ajouter->OnClick = [this](TObject* s) { b_AjouterClick(s); };
    lb_JoueursPresents = new TListBox(this);
    lb_JoueursPresents->SetName("lb_JoueursPresents");
    lb_JoueursPresents->SetBounds(10, 64, 400, 240);
    lb_JoueursPresents->SetParent(this);
    cc_AfficheFiche = new TCarreCoche(this);
    cc_AfficheFiche->SetName("cc_AfficheFiche");
    cc_AfficheFiche->SetCaption(Texte(999, "Afficher toujours la fiche"));
    cc_AfficheFiche->Font().SetColor(clWhite);
    cc_AfficheFiche->SetBounds(10, 320, 220, 20);
    cc_AfficheFiche->SetParent(this);
    b_Continuer = Bouton(this, this, "b_Continuer", "BoutonOrange", 290, 316, 120, Texte(27, "Continuer"));
    b_Continuer->ModalResult = mrOk;
    OnShow = [this](TObject* s) { FormShow(s); };
    DoCreate();
}

void Tf_SaisieRapide::SepareNomSaisi(const std::string& texte, std::string& prenom, std::string& nom)
{
    // "Nando De Colo": the first word is the first name, the rest the name; a
    // single word is the name.
    const std::string t = Trim(texte);
    const size_t blanc = t.find(' ');
    if (blanc == std::string::npos) {
        prenom.clear();
        nom = t;
        return;
    }
    prenom = t.substr(0, blanc);
    nom = Trim(t.substr(blanc + 1));
}

std::string Tf_SaisieRapide::LigneJoueur(const TJoueur& j) const
{
    return j.PrenomNom() + " (" + j.NomEquipes(Saison ? Saison->ChampionnatCourant() : nullptr) + ")";
}

void Tf_SaisieRapide::RemplitJoueurs(int equipe)
{
    equipe_ = equipe;
    lb_JoueursPresents->Items().Clear();
    const TListJoueurEquipe* bloc = Saison ? Saison->Joueurs().BlocEquipe(equipe) : nullptr;
    for (int i = 0; bloc && i < bloc->Nombre(); ++i)
        lb_JoueursPresents->Items().Add(LigneJoueur(*bloc->Joueur(i)));
}

void Tf_SaisieRapide::FormShow(TObject*) { RemplitChoix(); }

void Tf_SaisieRapide::RemplitChoix()
{
    cb_AjoutJoueur->Items().Clear();
    for (int i = 0; Saison && i < Saison->Joueurs().NbJoueur(); ++i) {
        TJoueur* j = Saison->Joueurs().Joueur(i);
        cb_AjoutJoueur->Items().AddObject(LigneJoueur(*j), reinterpret_cast<TStringList::Object>(j));
    }
}

bool Tf_SaisieRapide::DejaDansLEquipe(const TJoueur* p)
{
    if (!p || !DansLEquipe(*p))
        return false;
    Tf_MessageUtil::Affiche(TraduireFormat(TexteDejaDansLEquipe, {p->PrenomNom(), Saison->NomEquipe(equipe_)}),
                            mbuValider);
    cb_AjoutJoueur->SetItemIndex(-1);
    cb_AjoutJoueur->SetText("");
    return true;
}

bool Tf_SaisieRapide::DansLEquipe(const TJoueur& j) const
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    const bool international = c && (c->Types() & TDonneesChampionnat::TypeInternational) != 0;
    return (international ? j.EquipeNational : j.ClubActuel) == equipe_;
}

void Tf_SaisieRapide::b_AjouterClick(TObject*)
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    const std::string texte = Trim(cb_AjoutJoueur->GetText());
    if (!c || equipe_ < 0 || texte.empty())
        return;
    const bool international = (c->Types() & TDonneesChampionnat::TypeInternational) != 0;
    // A player picked from the list is taken; a line typed whole names one
    // that is taken only once the user says so ("no" leaves the line to be
    // changed); any other name is a new player. The line of a player of the
    // team is he, already there: no question; nor for one a namesake of the
    // team would take over: the question of that merge is the one asked.
    const bool tape = cb_AjoutJoueur->ItemChoisi() < 0;
    const TNomDesigne nom = NomDesigne(*cb_AjoutJoueur, {}, [this](int k) {
        const auto* p = reinterpret_cast<const TJoueur*>(cb_AjoutJoueur->Items().Objects(k));
        if (DansLEquipe(*p) || Saison->HomonymeTransfert(*p, equipe_))
            return std::string();
        return TraduireFormat(5505, {cb_AjoutJoueur->Items()[k], Saison->NomEquipe(equipe_)});
    });
    if (nom.Genre == TGenreNom::Refuse)
        return;
    int i = nom.Genre == TGenreNom::Entree ? nom.Index : -1;
    TJoueur* ajoute = nullptr;
    if (i < 0) {
        // A new player: with the card asked for, kept only when the card is
        // validated; without it, kept at once.
        const bool fiche = cc_AfficheFiche->Checked();
        if (fiche && !FicheJoueurDisponible()) {
            Tf_MessageUtil::Affiche(Traduire(3004), mbuValider);
            return;
        }
        std::string nomJ, prenom;
        SepareNomSaisi(texte, prenom, nomJ);
        std::unique_ptr<TJoueur> j = international
                                         ? Saison->CreeJoueurComplet(equipe_, 0, 0, 0, TJoueur::Aucun, prenom, nomJ)
                                         : Saison->CreeJoueur(nomJ, prenom, -1, equipe_);
        // His name typed again (or given in his card): he already stands in
        // the team, which the season keeps as one player; it is said, and he
        // is listed once. A player the season would file as him (a national
        // team's, without club) is taken only once the user says so.
        TJoueur* meme = j ? Saison->Joueurs().Homonyme(nullptr, j->Nom, j->Prenom, j->ClubActuel) : nullptr;
        if (DejaDansLEquipe(meme))
            return;
        if (meme) {
            i = cb_AjoutJoueur->Items().IndexOfObject(reinterpret_cast<TStringList::Object>(meme));
            if (i < 0 ||
                Tf_MessageUtil::Affiche(TraduireFormat(5505, {LigneJoueur(*meme), Saison->NomEquipe(equipe_)}),
                                        mbuOui | mbuNon) != mrYes)
                return;
        } else if (j && (!fiche || TFootForm::OuvreFicheJoueur(j.get(), Saison))) {
            const TJoueur* cree = j.get();
            ajoute = Saison->Joueurs().InsereJoueur(std::move(j), nullptr);
            // Taken into his namesake of the team, he gave what it lacked.
            if (ajoute != cree)
                Signale();
            if (ajoute != cree && DejaDansLEquipe(ajoute))
                return;
            if (ajoute == cree)
                cb_AjoutJoueur->Items().AddObject(LigneJoueur(*ajoute), reinterpret_cast<TStringList::Object>(ajoute));
        }
    }
    if (i >= 0) {
        auto* j = reinterpret_cast<TJoueur*>(cb_AjoutJoueur->Items().Objects(i));
        // Already in the team: nothing to move, nothing to list again; his
        // line typed is said as his name typed is.
        if (DansLEquipe(*j)) {
            if (tape)
                DejaDansLEquipe(j);
            cb_AjoutJoueur->SetItemIndex(-1);
            cb_AjoutJoueur->SetText("");
            return;
        }
        if (TJoueur* garde = international ? nullptr : Saison->HomonymeTransfert(*j, equipe_)) {
            // A namesake of the team would take him over: the question names
            // both, what goes over and what is lost; No keeps both.
            if (!AccepteFusion(*Saison, *j, *garde) || !Saison->FusionneJoueurs(garde, j))
                return;
            // The list follows the model: he is gone, the namesake already
            // stands in the team.
            cb_AjoutJoueur->Items().Delete(i);
            for (int k = 0; k < cb_AjoutJoueur->Items().Count(); ++k)
                if (cb_AjoutJoueur->Items().Objects(k) == reinterpret_cast<TStringList::Object>(garde))
                    cb_AjoutJoueur->Items().SetString(k, LigneJoueur(*garde));
            Signale();
            cb_AjoutJoueur->SetItemIndex(-1);
            cb_AjoutJoueur->SetText("");
            if (cc_AfficheFiche->Checked())
                TFootForm::OuvreFicheJoueur(garde, Saison);
            return;
        }
        if (cc_AfficheFiche->Checked()) {
            // His card shows him as he will be here; only its "Valider"
            // takes him (into the club, his club left as his previous one,
            // or into the national team): left any other way, he stays
            // where he was, as he was, and is not listed.
            if (!FicheJoueurDisponible()) {
                Tf_MessageUtil::Affiche(Traduire(3004), mbuValider);
                return;
            }
            TJoueur* pris = TFootForm::OuvreFichePris(j, Saison, equipe_);
            // Validated, the card filed him again (or made him one with a
            // namesake it named): the list is read again.
            if (pris) {
                RemplitChoix();
                Signale();
            }
            ajoute = pris && DansLEquipe(*pris) ? pris : nullptr;
        } else if (international) {
            Saison->Joueurs().ChangeEquipeNationale(j, equipe_);
            cb_AjoutJoueur->Items().SetString(i, LigneJoueur(*j));
            ajoute = j;
        } else {
            const std::string club = Saison->NomEquipe(j->ClubActuel);
            const int prec = Saison->ChercheClubPrec(club, true);
            if (prec > 0)
                j->ClubPrec = static_cast<uint16_t>(prec);
            // he joins the club in the current championship's season
            j->Duree = static_cast<uint8_t>(c->Option(8));
            j = j->ChangeEquipe(equipe_);
            cb_AjoutJoueur->Items().SetString(i, LigneJoueur(*j));
            ajoute = j;
        }
    }
    if (ajoute) {
        lb_JoueursPresents->Items().Insert(0, LigneJoueur(*ajoute));
        Signale();
    }
    cb_AjoutJoueur->SetItemIndex(-1);
    cb_AjoutJoueur->SetText("");
}
