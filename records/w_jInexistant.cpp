#include "records/w_jInexistant.h"

#include "model/Joueurs.h"
#include "model/SaisonFiches.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "ui/Bouton.h"

using namespace ctrl;

Tf_jInexistant::Tf_jInexistant(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_jInexistant");
    SetBorderStyle(bsToolWindow);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(7286784);
    SetClientWidth(330);
    SetClientHeight(143);
    SetCaption(Texte(1416));
    Label1 = Etiquette(this, this, "Label1", 10, 8, 0);
    Label1->SetAutoSize(false);
    Label1->SetWordWrap(true);
    Label1->SetBounds(10, 8, 310, 44);
    Label1->SetCaption(Traduire(3995));
    cb_ChoixJoueur = Liste(this, this, "cb_ChoixJoueur", 10, 58, 310);
    b_Choisir = Bouton(this, this, "b_Choisir", 10, 92, 150, 1281);
    b_Creer = Bouton(this, this, "b_Creer", 170, 92, 150, 0, mrOk);
    b_Creer->SetCaption(Traduire(900));
    b_Choisir->OnClick = [this](TObject* s) { b_ChoisirClick(s); };
    b_Creer->OnClick = [this](TObject* s) { b_CreerClick(s); };
    cb_ajoutauto = new TCarreCoche(this);
    cb_ajoutauto->SetName("cb_ajoutauto");
    cb_ajoutauto->SetBounds(10, 124, 310, 20);
    cb_ajoutauto->Font().SetColor(clWhite);
    cb_ajoutauto->SetCaption("Ajouter automatiquement tous les joueurs");
    cb_ajoutauto->SetParent(this);
    DoCreate();
}

TJoueur* Tf_jInexistant::CreeJoueur(const std::string& nom, const std::string& prenom, TSaisonFiches& saison,
                                    int equipe)
{
    return saison.Joueurs().CreeJoueurInexistant(nom, prenom, equipe);
}

void Tf_jInexistant::Init(TSaisonFiches& saison, const std::string& nom, bool caseAuto, int equipe,
                          const std::string& prenom)
{
    saison_ = &saison;
    nom_ = nom;
    prenom_ = prenom;
    equipe_ = equipe;
    Label1->SetCaption(TraduireFormat(1415, {nom + " " + prenom}));
    cb_ChoixJoueur->Items().Clear();
    int choisi = -1;
    const TJoueurs& joueurs = saison.Joueurs();
    if (const TListJoueurEquipe* bloc = joueurs.BlocEquipe(equipe))
        for (TJoueur* j : bloc->Joueurs())
        {
            const int i = cb_ChoixJoueur->Items().AddObject(j->Nom + " " + j->Prenom, reinterpret_cast<intptr_t>(j));
            if (j->Nom <= nom)
                choisi = i;
        }
    const char initiale = nom.empty() ? 0 : UpperCase(nom.substr(0, 1))[0];
    for (int i = 0; i < joueurs.NbJoueur(); ++i)
    {
        TJoueur* j = joueurs.Joueur(i);
        if (!j->Nom.empty() && UpperCase(j->Nom.substr(0, 1))[0] == initiale)
            cb_ChoixJoueur->Items().AddObject(j->Nom + " " + j->Prenom, reinterpret_cast<intptr_t>(j));
    }
    if (choisi < 0 && cb_ChoixJoueur->Items().Count() > 0)
        choisi = 0;
    cb_ChoixJoueur->SetItemIndex(choisi);
    b_Choisir->SetVisible(cb_ChoixJoueur->Items().Count() > 0);
    cb_ajoutauto->SetVisible(caseAuto);
    SetClientHeight(caseAuto ? 150 : 126);
}

void Tf_jInexistant::b_CreerClick(TObject*)
{
    if (saison_)
        JoueurChoisi = CreeJoueur(nom_, prenom_, *saison_, equipe_);
}

void Tf_jInexistant::b_ChoisirClick(TObject*)
{
    const int i = cb_ChoixJoueur->ItemIndex();
    if (i < 0)
        return;
    JoueurChoisi = cb_ChoixJoueur->Items().ObjectPtr<TJoueur>(i);
    SetModalResult(mrOk);
}

TJoueur* Tf_jInexistant::Demande(TSaisonFiches& saison, const std::string& nom, const std::string& prenom, int equipe)
{
    TOwned<Tf_jInexistant> d(new Tf_jInexistant(nullptr));
    d->Init(saison, nom, false, equipe, prenom);
    d->ShowModal();
    return d->JoueurChoisi;
}
