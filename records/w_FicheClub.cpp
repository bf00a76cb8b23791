#include "records/w_FicheClub.h"

#include <algorithm>
#include <limits>

#include "model/Championnat.h"
#include "model/Personnels.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "records/Blasons.h"
#include "records/Controles.h"
#include "records/w_Blasons.h"
#include "records/w_FicheEntraineur.h"
#include "records/w_FicheStade.h"
#include "ui/Bouton.h"
#include "ui/Fond.h"

using namespace ctrl;

namespace {

constexpr int Aucun = 65535;

int Objet(const TComboBox* cb)
{
    const int i = cb->ItemIndex();
    return i >= 0 ? static_cast<int>(const_cast<TComboBox*>(cb)->Items().Objects(i)) : Aucun;
}

}  // namespace

void SepareNomPresident(const std::string& texte, std::string& prenom, std::string& nom)
{
    const std::string t = Trim(texte);
    const size_t blanc = t.find(' ');
    prenom = t.substr(0, blanc);
    nom = blanc == std::string::npos ? std::string() : Trim(t.substr(blanc + 1));
}

Tf_FicheClub::Tf_FicheClub(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_FicheClub", false, 480, 350);
    SetCaption(Texte(1007, "Fiche du club"));
    PageControl1 = new TPageControl(this);
    PageControl1->SetName("PageControl1");
    PageControl1->SetBounds(8, 8, 464, 292);
    PageControl1->SetParent(this);
    ts_infogene = Onglet(this, PageControl1, "ts_infogene", 1471);
    ts_InfoAdmin = Onglet(this, PageControl1, "ts_InfoAdmin", 1470);
    ts_Palmares = Onglet(this, PageControl1, "ts_Palmares", 1472);
    TFondCopie* f1 = FondOnglet(this, ts_infogene, "FondCopie1", 456, 260);
    TFondCopie* f2 = FondOnglet(this, ts_InfoAdmin, "FondCopie2", 456, 260);
    TFondCopie* f3 = FondOnglet(this, ts_Palmares, "FondCopie3", 456, 260);

    // General information.
    // The three boxes start after the longest of their labels (the change
    // shirt's is longer than the 150 pixels the others need), before the crest.
    TLabel* legendes[] = {Etiquette(this, f1, "Label28", 8, 11, 1011), Etiquette(this, f1, "Label29", 8, 37, 1012),
                          Etiquette(this, f1, "Label30", 8, 63, 1013)};
    int x = 150;
    for (TLabel* l : legendes)
        x = std::max(x, l->Left() + l->Width() + 6);
    x = std::min(x, 196);
    e_DateCreation = Saisie(this, f1, "e_DateCreation", x, 8, 292 - x);
    e_CouleurMaillot = Saisie(this, f1, "e_CouleurMaillot", x, 34, 292 - x);
    e_CouleurRechange = Saisie(this, f1, "e_CouleurRechange", x, 60, 292 - x);
    Label47 = Etiquette(this, f1, "Label47", 8, 89, 1010);
    cb_Stade = Liste(this, f1, "cb_Stade", 150, 86, 190);
    bc_FicheStade = Bouton(this, f1, "bc_FicheStade", 346, 85, 100, 1019);
    bc_CreeStade = Bouton(this, f1, "bc_CreeStade", 346, 113, 100, 900);
    Etiquette(this, f1, "Label46", 8, 119, 1022);
    m_Remarque = new TMemo(this);
    m_Remarque->SetName("m_Remarque");
    m_Remarque->SetBounds(8, 137, 262, 100);
    m_Remarque->SetParent(f1);
    Logo1 = Apercu(this, f1, "Logo1", 300, 8, 64, 64);
    bc_changeLogo = Bouton(this, f1, "bc_changeLogo", 300, 150, 146, 1635);

    // Administration.
    Etiquette(this, f2, "Label31", 8, 11, 1017);
    e_Budget = SaisieNombre(this, f2, "e_Budget", 110, 8, 110, 11);
    Etiquette(this, f2, "Label13", 230, 11, 1071);
    e_Statut = Saisie(this, f2, "e_Statut", 300, 8, 146);
    Etiquette(this, f2, "Label32", 8, 37, 1016);
    e_President = Saisie(this, f2, "e_President", 110, 34, 336);
    Etiquette(this, f2, "Label35", 8, 63, 1015);
    cb_Entraineur = Liste(this, f2, "cb_Entraineur", 110, 60, 172);
    b_FicheEntr = Bouton(this, f2, "b_FicheEntr", 288, 59, 76, 1019);
    b_CreeEntr = Bouton(this, f2, "b_CreeEntr", 370, 59, 76, 900);
    {
        // The two buttons as wide as their captions need, ending at the right
        // edge; the coach box takes what is left.
        TBitmap mesure(1, 1);
        mesure.Canvas().Font = b_FicheEntr->Font();
        int x = 446;
        for (TBoutonCopie* b : {b_CreeEntr, b_FicheEntr}) {
            const int w = std::max(76, mesure.Canvas().TextWidth(b->Caption()) + 14);
            x -= w;
            b->SetBounds(x, b->Top(), w, b->Height());
            x -= 6;
        }
        cb_Entraineur->SetWidth(x - cb_Entraineur->Left());
    }
    Etiquette(this, f2, "Label3", 8, 89, 1464);
    m_Adresse = new TMemo(this);
    m_Adresse->SetName("m_Adresse");
    m_Adresse->SetBounds(110, 86, 172, 48);
    m_Adresse->SetParent(f2);
    Etiquette(this, f2, "Label7", 8, 141, 1465);
    e_Cp = Saisie(this, f2, "e_Cp", 110, 138, 172);
    Etiquette(this, f2, "Label12", 8, 167, 1024);
    e_Ville = Saisie(this, f2, "e_Ville", 110, 164, 172);
    Etiquette(this, f2, "Label6", 8, 193, 1466);
    e_Telephone = Saisie(this, f2, "e_Telephone", 110, 190, 172);
    Etiquette(this, f2, "Label8", 8, 219, 1467);
    e_Fax = Saisie(this, f2, "e_Fax", 110, 216, 172);
    Etiquette(this, f2, "Label41", 292, 89, 1018);
    e_siteInternet = Saisie(this, f2, "e_siteInternet", 292, 107, 154);
    Etiquette(this, f2, "Label1", 292, 141, 1469);
    e_NomContact = Saisie(this, f2, "e_NomContact", 292, 159, 154);
    Etiquette(this, f2, "Label2", 292, 193, 1468);
    e_Email = Saisie(this, f2, "e_Email", 292, 211, 154);

    // Honours.
    Etiquette(this, f3, "Label27", 8, 8, 1014);
    m_Palmares = new TMemo(this);
    m_Palmares->SetName("m_Palmares");
    m_Palmares->SetBounds(8, 26, 438, 210);
    m_Palmares->SetParent(f3);

    bc_FicheStade->OnClick = [this](TObject* s) { bc_FicheStadeClick(s); };
    bc_CreeStade->OnClick = [this](TObject* s) { bc_CreeStadeClick(s); };
    b_FicheEntr->OnClick = [this](TObject* s) { b_FicheEntrClick(s); };
    b_CreeEntr->OnClick = [this](TObject* s) { b_CreeEntrClick(s); };
    bc_changeLogo->OnClick = [this](TObject* s) { bc_changeLogoClick(s); };
    b_Valider = Bouton(this, this, "b_Valider", 232, 312, 116, 29);
    b_Annuler = Bouton(this, this, "b_Annuler", 356, 312, 116, 125, mrCancel);
    b_Valider->Default = true;
    b_Annuler->Cancel = true;
    b_Valider->OnClick = [this](TObject* s) { b_ValiderClick(s); };
    DoCreate();
}

void Tf_FicheClub::ChangeSaison(TSaison* saison)
{
    TBrivantelForm::ChangeSaison(saison);
    Label47->SetCaption(Texte(saison && saison->StatApplicable(7) ? 1272 : 1010));
}

int Tf_FicheClub::IdEquipe() const
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    return c ? c->IdEquipe(Position) : -1;
}

void Tf_FicheClub::DoShow()
{
    PageControl1->SetActivePage(ts_infogene);
    AfficheClub();
    TBrivantelForm::DoShow();
}

void Tf_FicheClub::Choisit(TComboBox* cb, int objet, const std::string& texte)
{
    int i = cb->Items().IndexOfObject(objet);
    if (i < 0)
        i = cb->Items().AddObject(texte, objet);
    else
        cb->Items().SetString(i, texte);
    cb->SetItemIndex(i);
}

void Tf_FicheClub::MontreBlason()
{
    const int logo = LogoChoisi >= 0 ? LogoChoisi : Saison ? Saison->LogoEquipe(IdEquipe()) : 0;
    Logo1->ChangeImage(nullptr);
    if (logo >= 1 && Blasons())
        Logo1->ChargeFichier(Blasons()->NomFichier(logo));
}

void Tf_FicheClub::AfficheClub()
{
    cb_Stade->Items().Clear();
    cb_Entraineur->Items().Clear();
    if (!Saison)
        return;
    cb_Stade->Items().AddObject(Texte(108), Aucun);
    TStades& stades = Saison->Stades();
    for (int i = 0; i < stades.NbStade(); ++i)
        cb_Stade->Items().AddObject(stades.Stade(i)->NomComplet(), stades.Stade(i)->Code);
    cb_Entraineur->Items().AddObject(Texte(108), Aucun);
    TPersonnels& entraineurs = Saison->Entraineurs();
    for (int i = 0; i < entraineurs.NbPersonnel(); ++i)
        cb_Entraineur->Items().AddObject(entraineurs.Personnel(i)->PrenomNom(), entraineurs.Personnel(i)->Numero);
    cb_Stade->SetItemIndex(0);
    cb_Entraineur->SetItemIndex(0);
    LogoChoisi = -1;
    RensClub = Saison->RensClubs().ChercheRensClub(IdEquipe());
    const TRensClub* r = RensClub;
    e_DateCreation->SetText(r ? r->Creation : "");
    e_CouleurMaillot->SetText(r ? r->CouleurMaillot(0) : "");
    e_CouleurRechange->SetText(r ? r->CouleurRechange(0) : "");
    m_Remarque->SetText(r ? r->Remarque : "");
    e_Budget->SetText(IntToStr(r ? r->Budget : 0));
    e_Statut->SetText(r ? r->Statut : "");
    e_President->SetText(r && r->President ? r->President->PrenomNom() : "");
    m_Adresse->SetText(r ? r->Adresse : "");
    e_Cp->SetText(r ? r->Cp : "");
    e_Ville->SetText(r ? r->Ville : "");
    e_Telephone->SetText(r ? r->Tel : "");
    e_Fax->SetText(r ? r->Fax : "");
    e_siteInternet->SetText(r ? r->SiteInternet : "");
    e_NomContact->SetText(r ? r->Nom : "");
    e_Email->SetText(r ? r->EMail : "");
    m_Palmares->SetText(r ? r->Palmares : "");
    if (r && !r->Stades().empty()) {
        const int i = cb_Stade->Items().IndexOfObject(r->Stades().front()->Code);
        if (i > 0)
            cb_Stade->SetItemIndex(i);
    }
    if (r && !r->Entraineurs().empty()) {
        const int i = cb_Entraineur->Items().IndexOfObject(r->Entraineurs().front()->Numero);
        if (i > 0)
            cb_Entraineur->SetItemIndex(i);
    }
    // The crest belongs to the team: shown with or without a record.
    MontreBlason();
    if (r)
        SetCaption(TraduireFormat(1473, {Saison->NomEquipePosition(Position)}));
}

bool Tf_FicheClub::b_ValiderClick(TObject*)
{
    SetModalResult(mrNone);
    if (!Saison || IdEquipe() < 0)
        return false;
    int64_t budget = 0;
    if (!NombreChampMessage(e_Budget->GetText(), std::numeric_limits<int32_t>::max(), Texte(1017), budget))
        return false;
    bool change = false;
    auto ecrit = [&change](auto& champ, auto valeur) {
        if (champ != valeur) {
            champ = valeur;
            change = true;
        }
    };
    // A team without a record gets one only for what was entered.
    const bool nouveau = !RensClub;
    const int modifieAvant = Modifie;
    TRensClub* r = CreeRensClub();
    if (!r)
        return false;
    ecrit(r->Creation, e_DateCreation->GetText());
    // Kit entry 0, appended when the record has none.
    if (r->CouleurMaillot(0) != e_CouleurMaillot->GetText()) {
        r->SetCouleurMaillot(0, e_CouleurMaillot->GetText());
        change = true;
    }
    if (r->CouleurRechange(0) != e_CouleurRechange->GetText()) {
        r->SetCouleurRechange(0, e_CouleurRechange->GetText());
        change = true;
    }
    ecrit(r->SiteInternet, e_siteInternet->GetText());
    ecrit(r->Budget, static_cast<int32_t>(budget));
    ecrit(r->Palmares, m_Palmares->GetText());
    ecrit(r->Remarque, m_Remarque->GetText());
    std::string prenom, nom;
    SepareNomPresident(e_President->GetText(), prenom, nom);
    if (r->President) {
        ecrit(r->President->Prenom, prenom);
        ecrit(r->President->Nom, nom);
    } else if (!prenom.empty() || !nom.empty()) {
        r->President = std::make_unique<TStaff>(-1, 0, prenom, nom);
        change = true;
    }
    ecrit(r->Statut, e_Statut->GetText());
    // The home stadium and the coach: the chosen line becomes the first; the
    // "none" line takes the first away, so the lists never hold an empty entry.
    TStade* stade = Saison->Stades().ChercheStade(Objet(cb_Stade));
    TStade* premierStade = r->Stades().empty() ? nullptr : r->Stades().front();
    if (stade != premierStade) {
        r->ChangePremierStade(stade);
        change = true;
    }
    auto* entraineur = dynamic_cast<TEntraineur*>(Saison->Entraineurs().ChercheNumero(Objet(cb_Entraineur)));
    TEntraineur* premierEntraineur = r->Entraineurs().empty() ? nullptr : r->Entraineurs().front();
    if (entraineur != premierEntraineur) {
        r->ChangePremierEntraineur(entraineur);
        // The coach replaced no longer has this club as his current one.
        if (premierEntraineur && premierEntraineur->ClubActuel == static_cast<uint16_t>(IdEquipe()))
            premierEntraineur->ClubActuel = TEntraineur::Aucun;
        change = true;
    }
    if (entraineur)
        ecrit(entraineur->ClubActuel, static_cast<uint16_t>(IdEquipe()));
    ecrit(r->Adresse, m_Adresse->GetText());
    ecrit(r->Cp, e_Cp->GetText());
    ecrit(r->Ville, e_Ville->GetText());
    ecrit(r->Tel, e_Telephone->GetText());
    ecrit(r->Fax, e_Fax->GetText());
    ecrit(r->Nom, e_NomContact->GetText());
    ecrit(r->EMail, e_Email->GetText());
    if (nouveau && !change) {
        Saison->RensClubs().RetireRensClub(r);
        RensClub = nullptr;
        Modifie = modifieAvant;
    }
    // The crest belongs to the team, with or without a record.
    if (LogoChoisi >= 0 && LogoChoisi != Saison->LogoEquipe(IdEquipe())) {
        Saison->SetLogoEquipe(IdEquipe(), LogoChoisi);
        change = true;
    }
    if (change)
        Modifie = 1;
    SetModalResult(mrOk);
    return true;
}

TRensClub* Tf_FicheClub::CreeRensClub()
{
    if (!RensClub && Saison && IdEquipe() >= 0) {
        RensClub = Saison->RensClubs().NouveauRensClub(IdEquipe());
        Modifie = 1;
    }
    return RensClub;
}

void Tf_FicheClub::bc_FicheStadeClick(TObject*)
{
    // The stadium's own card: the club record is made only when this card
    // is validated, so that Cancel leaves none behind.
    TStade* s = Saison ? Saison->Stades().ChercheStade(Objet(cb_Stade)) : nullptr;
    if (!s)
        return;
    bool modifie = false;
    if (!OuvreFicheStade(this, Couleurs, Saison, s, &modifie) || !modifie)
        return;
    Modifie = 1;
    Choisit(cb_Stade, s->Code, s->NomComplet());
}

void Tf_FicheClub::bc_CreeStadeClick(TObject*)
{
    if (!Saison)
        return;
    bool modifie = false;
    // The stadium the season kept: a namesake of the same town is that one.
    TStade* s = OuvreFicheStade(this, Couleurs, Saison, nullptr, &modifie);
    if (!s)
        return;
    Modifie = 1;
    Choisit(cb_Stade, s->Code, s->NomComplet());
}

void Tf_FicheClub::b_FicheEntrClick(TObject*)
{
    auto* e = Saison ? dynamic_cast<TEntraineur*>(Saison->Entraineurs().ChercheNumero(Objet(cb_Entraineur))) : nullptr;
    if (!e)
        return;
    TOwned<Tf_FicheEntraineur> f(new Tf_FicheEntraineur(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison);
    f->Entraineur = e;
    if (f->ShowModal() != mrOk || !f->Entraineur)
        return;
    if (f->Modifie)
        Modifie = 1;
    Choisit(cb_Entraineur, f->Entraineur->Numero, f->Entraineur->PrenomNom());
}

void Tf_FicheClub::b_CreeEntrClick(TObject*)
{
    if (!Saison)
        return;
    TOwned<Tf_FicheEntraineur> f(new Tf_FicheEntraineur(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison);
    if (f->ShowModal() != mrOk || !f->Entraineur)
        return;
    Modifie = 1;
    Choisit(cb_Entraineur, f->Entraineur->Numero, f->Entraineur->PrenomNom());
}

void Tf_FicheClub::bc_changeLogoClick(TObject*)
{
    const int t = IdEquipe();
    if (!Saison || t < 0)
        return;
    TOwned<Tf_Blasons> d(new Tf_Blasons(this));
    d->ChangeCouleurs(Couleurs);
    d->RemplitArbre(LogoChoisi >= 0 ? LogoChoisi : Saison->LogoEquipe(t), Saison->NomEquipe(t));
    if (d->ShowModal() != mrOk)
        return;
    // Shown now, the team's once the card is validated.
    LogoChoisi = d->Choisi();
    MontreBlason();
}
