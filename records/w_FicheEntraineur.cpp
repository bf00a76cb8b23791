#include "records/w_FicheEntraineur.h"

#include <algorithm>
#include <optional>

#include "model/Personnels.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/oTraducteur.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "ui/Bouton.h"
#include "ui/NomSaisi.h"
#include "ui/Nombres.h"
#include "ui/message2.h"

using namespace ctrl;

namespace {
constexpr uint16_t Aucun = 0xFFFF;
constexpr int TexteFusionEntraineur = 5727;   // %s the other coach, twice
constexpr int TexteNomEntraineur = 5901;
}

// ---- person frame ----------------------------------------------------------------------------

Tf_CadrePersonne::Tf_CadrePersonne(TComponent* AOwner) : TPanel(AOwner)
{
    SetName("c_Personne");
    SetBevelOuter(bvNone);
    SetColor(CouleurFondFonceDessin);
    SetBounds(0, 0, 420, 250);
    struct Ligne
    {
        const char* libelle;
        int texte;
        int x, y;
    };
    const Ligne lignes[] = {{"Label1", 71, 8, 11},    {"Label2", 72, 8, 37},    {"Label11", 304, 8, 63},
                            {"Label4", 73, 8, 89},    {"Label5", 1464, 8, 115}, {"Label7", 1465, 8, 171},
                            {"Label12", 1024, 8, 197}, {"Label6", 1466, 220, 115}, {"Label3", 1652, 220, 141},
                            {"Label8", 1467, 220, 167}, {"Label9", 1468, 220, 193}};
    for (const Ligne& l : lignes)
        libelles_.push_back(Etiquette(AOwner, this, l.libelle, l.x, l.y, l.texte));
    // the boxes a space clear of the longest caption of their column
    e_Nom = Saisie(AOwner, this, "e_Nom", 128, 8, 200);
    e_Prenom = Saisie(AOwner, this, "e_Prenom", 128, 34, 200);
    cb_Pays = Combo98(AOwner, this, "cb_Pays", 128, 60, 200);
    // four digits, or the word for an unknown year whole
    e_Age = Saisie(AOwner, this, "e_Age", 128, 86, 80, std::max<int>(4, static_cast<int>(Texte(84).size())));
    m_Adresse = new TMemo(AOwner);
    m_Adresse->SetName("m_Adresse");
    m_Adresse->SetBounds(90, 112, 120, 52);
    m_Adresse->SetParent(this);
    e_Cp = Saisie(AOwner, this, "e_Cp", 90, 168, 120);
    e_Ville = Saisie(AOwner, this, "e_Ville", 90, 194, 120);
    e_Telephone = Saisie(AOwner, this, "e_Telephone", 300, 112, 112);
    e_Portable = Saisie(AOwner, this, "e_Portable", 300, 138, 112);
    e_Fax = Saisie(AOwner, this, "e_Fax", 300, 164, 112);
    e_Email = Saisie(AOwner, this, "e_Email", 300, 190, 112);
    e_Age->OnKeyPress = [this](TObject*, char& Key) {
        if (e_Age->GetText() == Texte(84))
            e_Age->SetText("");
        if (Key == 'I' || Key == 'i')
        {
            e_Age->SetText(Texte(84));
            Key = 0;
        }
        else if (Key != 8 && Key != '.' && (Key < '0' || Key > '9'))
            Key = 0;
    };
    // The birth year read as the player's card reads it: a year from 1900
    // (1900 itself, "0", the unknown word and an emptied box standing for
    // unknown), anything else refused with a word by the card's check.
    nombres::TLecture annee = nombres::Annee(0);
    annee.mots = {{Texte(84), 0}, {"0", 0}};
    nombres::Declare(e_Age, annee);
}

void Tf_CadrePersonne::Init(TColor couleurLibelles)
{
    Charge = false;
    for (TLabel* l : libelles_)
        l->Font().SetColor(couleurLibelles);
}

void Tf_CadrePersonne::ChangeSaison(TSaison* saison)
{
    Saison = saison;
    cb_Pays->Items().Clear();
    if (!saison)
        return;
    TStringList pays;
    saison->Pays().Remplit(pays);
    for (int i = 0; i < pays.Count(); ++i)
        if (!pays[i].empty())
            cb_Pays->Items().AddObject(pays[i], static_cast<TStrings::Object>(pays.Objects(i)));
}

void Tf_CadrePersonne::AffichePersonne(TPersonnelCoordonnees* personne)
{
    if (!personne && Charge)
        return;
    Charge = true;
    Personne = personne;
    if (!personne)
    {
        for (TEdit* e : {e_Nom, e_Prenom, e_Cp, e_Ville, e_Telephone, e_Portable, e_Fax, e_Email})
            e->SetText("");
        m_Adresse->SetText("");
        e_Age->SetText(Texte(84));
        cb_Pays->SetItemIndex(-1);
        cb_Pays->SetText("");
        return;
    }
    e_Nom->SetText(personne->Nom);
    e_Prenom->SetText(personne->Prenom);
    const int i = cb_Pays->Items().IndexOfObject(personne->CodePays);
    cb_Pays->SetItemIndex(personne->CodePays == Aucun ? -1 : i);
    if (i < 0)
        cb_Pays->SetText("");
    // The year whole, as it is read back (a byte shown alone would be read
    // as a year of the 1900s, or refused).
    e_Age->SetText(personne->Age == 0 ? Texte(84) : IntToStr(personne->Age + 1900));
    m_Adresse->SetText(personne->Adresse);
    e_Cp->SetText(personne->Cp);
    e_Ville->SetText(personne->Ville);
    e_Telephone->SetText(personne->Tel);
    e_Portable->SetText(personne->Portable);
    e_Fax->SetText(personne->Fax);
    e_Email->SetText(personne->EMail);
}

bool Tf_CadrePersonne::Verifie(std::string& erreur) const
{
    // A coach without a name is not kept in the season's file.
    if (Trim(e_Nom->GetText()).empty())
    {
        erreur = Traduire(TexteNomEntraineur);
        return false;
    }
    // The birth year is weighed by its reading (the card's CompteursRemplis).
    return true;
}

bool Tf_CadrePersonne::EnregistrePersonne()
{
    if (!Personne)
        return false;
    bool change = false;
    auto ecrit = [&change](auto& champ, auto valeur) {
        if (champ != valeur)
        {
            champ = valeur;
            change = true;
        }
    };
    ecrit(Personne->Nom, e_Nom->GetText());
    ecrit(Personne->Prenom, e_Prenom->GetText());
    ecrit(Personne->Adresse, m_Adresse->GetText());
    ecrit(Personne->Cp, e_Cp->GetText());
    ecrit(Personne->Ville, e_Ville->GetText());
    ecrit(Personne->Tel, e_Telephone->GetText());
    ecrit(Personne->Portable, e_Portable->GetText());
    ecrit(Personne->Fax, e_Fax->GetText());
    ecrit(Personne->EMail, e_Email->GetText());
    const std::string pays = Trim(cb_Pays->GetText());
    if (Saison)
    {
        const int choisi = NumeroChoisi(*cb_Pays);
        ecrit(Personne->CodePays, choisi >= 0    ? static_cast<uint16_t>(choisi)
                                  : pays.empty() ? static_cast<uint16_t>(Aucun)
                                                 : Saison->Pays().CherchePays(pays));
    }
    if (const std::optional<int> annee = nombres::Valeur(e_Age))
        ecrit(Personne->Age, static_cast<uint8_t>(*annee >= 1900 ? *annee - 1900 : 0));
    return change;
}

// ---- coach card ------------------------------------------------------------------------------

Tf_FicheEntraineur::Tf_FicheEntraineur(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_FicheEntraineur", false, 436, 344);
    c_Personne = new Tf_CadrePersonne(this);
    c_Personne->SetBounds(8, 8, 420, 224);
    c_Personne->SetParent(this);
    auto* panneau = new TPanel(this);
    panneau->SetName("Panel1");
    panneau->SetBevelOuter(bvNone);
    panneau->SetColor(CouleurFondFonceDessin);
    panneau->SetBounds(8, 234, 420, 64);
    panneau->SetParent(this);
    Etiquette(this, panneau, "Label3", 8, 11, 75);
    cb_ClubPrec = Combo98(this, panneau, "cb_ClubPrec", 180, 8, 232);
    Etiquette(this, panneau, "Label7", 8, 37, 1661);
    e_Equipes = Saisie(this, panneau, "e_Equipes", 180, 34, 232);
    b_Valider = Bouton(this, this, "b_Valider", 184, 308, 118, 29, mrOk);
    b_Annuler = Bouton(this, this, "b_Annuler", 310, 308, 118, 125, mrCancel);
    b_Valider->Default = true;
    b_Annuler->Cancel = true;
    b_Valider->OnClick = [this](TObject* s) { b_ValiderClick(s); };
    DoCreate();
}

void Tf_FicheEntraineur::AppliqueCouleurs()
{
    TBrivantelForm::AppliqueCouleurs();
    if (c_Personne)
        c_Personne->Init(Couleurs.CouleurTexte1);
}

void Tf_FicheEntraineur::DoShow()
{
    cb_ClubPrec->Items().Clear();
    RemplitClubsPrec(cb_ClubPrec->Items(), Saison);
    c_Personne->ChangeSaison(Saison);
    c_Personne->AffichePersonne(Entraineur);
    if (Entraineur && Saison)
    {
        SetCaption(TraduireFormat(83, {Entraineur->Prenom, Entraineur->Nom, Saison->NomEquipe(Entraineur->ClubActuel)}));
        MontreNumero(*cb_ClubPrec, Entraineur->ClubPrec, Saison->NomClubPrec(Entraineur->ClubPrec));
        e_Equipes->SetText(Entraineur->categorie);
    }
    else
    {
        SetCaption(Texte(345));
        cb_ClubPrec->SetText("");
        e_Equipes->SetText("");
    }
    TBrivantelForm::DoShow();
}

void Tf_FicheEntraineur::b_ValiderClick(TObject*)
{
    if (!Saison)
        return;
    std::string erreur;
    if (!c_Personne->Verifie(erreur))
    {
        SetModalResult(mrNone);
        Tf_MessageUtil::Affiche(erreur, 4);
        return;
    }
    if (!CompteursRemplis())
    {
        SetModalResult(mrNone);
        return;
    }
    // Named as another coach of the season, he would become that one: only
    // once the user, asked naming him, says so; No leaves the card open and
    // the season as it was.
    if (const TPersonnel* autre = Saison->Entraineurs().ChercheNom(Trim(c_Personne->e_Nom->GetText()),
                                                                    Trim(c_Personne->e_Prenom->GetText()));
        autre && autre != Entraineur &&
        Tf_MessageUtil::Affiche(TraduireFormat(TexteFusionEntraineur, {autre->NomComplet(), autre->NomComplet()}),
                                mbuOui | mbuNon) != mrYes)
    {
        SetModalResult(mrNone);
        return;
    }
    TEntraineur* e = Entraineur;
    if (!e)
    {
        nouveau_ = std::make_unique<TEntraineur>(-1, 0, "", "");
        e = nouveau_.get();
        c_Personne->Personne = e;
    }
    bool change = c_Personne->EnregistrePersonne() || Modifie || nouveau_;
    const std::string club = Trim(cb_ClubPrec->GetText());
    // A club picked from the list is that one; a name typed goes by its name.
    const int choisi = NumeroChoisi(*cb_ClubPrec);
    const uint16_t prec = Saison->ClubPrecNomme(choisi, club, e->ClubPrec);
    if (prec != e->ClubPrec)
    {
        e->ClubPrec = prec;
        change = true;
    }
    if (e_Equipes->GetText() != e->categorie)
    {
        e->categorie = e_Equipes->GetText();
        change = true;
    }
    Modifie = change;
    if (!change)
        return;
    TPersonnels& liste = Saison->Entraineurs();
    std::unique_ptr<TPersonnel> p = nouveau_ ? std::move(nouveau_) : liste.RetirePersonnel(e);
    if (!p)
        return;
    std::vector<std::unique_ptr<TPersonnel>> fondus;
    Entraineur = dynamic_cast<TEntraineur*>(liste.AjoutePersonnel(std::move(p), nullptr, &fondus));
    // Renamed as another coach, he became that one: the club records that
    // named him name the coach kept, before he is freed.
    TRensClubs& clubs = Saison->RensClubs();
    for (const auto& f : fondus)
        if (auto* ancien = dynamic_cast<TEntraineur*>(f.get()); ancien && ancien != Entraineur)
            for (int i = 0; i < clubs.NbRensClub(); ++i) {
                TRensClub* r = clubs.RensClub(i);
                const auto& l = r->Entraineurs();
                if (std::find(l.begin(), l.end(), ancien) == l.end())
                    continue;
                const bool deja = std::find(l.begin(), l.end(), Entraineur) != l.end();
                r->RetireEntraineur(ancien);
                if (!deja && Entraineur)
                    r->AjouteEntraineur(Entraineur);
            }
}
