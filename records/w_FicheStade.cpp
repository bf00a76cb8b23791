#include "records/w_FicheStade.h"

#include <algorithm>
#include <limits>

#include "model/Championnat.h"
#include "model/ListePays.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "records/ImageManager.h"
#include "records/w_ImageManager.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/NomSaisi.h"
#include "ui/message2.h"

using namespace ctrl;

namespace {

constexpr int GenrePhoto = 0;   // stadiums in the picture store
constexpr int TexteNombreTropGrand = 3320;
constexpr int TexteStadeExiste = 3700, TexteSalleExiste = 3701;

bool EstHalle(const TSaison* s) { return s && s->StatApplicable(7) != 0; }

// "2 - 1"; "-" for a match not played yet.
std::string Score(int domicile, int exterieur)
{
    if (domicile == 65535 && exterieur == 65535)
        return "-";
    auto texte = [](int v) { return v == 65535 ? std::string("-") : IntToStr(v); };
    return texte(domicile) + " - " + texte(exterieur);
}

}  // namespace

bool NombreChamp(const std::string& texte, int64_t maximum, int64_t& valeur)
{
    const std::string t = Trim(texte);
    valeur = 0;
    size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
    if (i == t.size())
        return true;   // empty or a lone sign: not a number
    for (size_t k = i; k < t.size(); ++k)
        if (t[k] < '0' || t[k] > '9')
            return true;   // not a number: 0
    if (t[0] == '-') {
        // "-0" is 0; any other negative number does not fit
        return t.find_first_not_of('0', 1) == std::string::npos;
    }
    int64_t v = 0;
    for (size_t k = i; k < t.size(); ++k) {
        v = v * 10 + (t[k] - '0');
        if (v > maximum)
            return false;
    }
    valeur = v;
    return true;
}

bool NombreChampMessage(const std::string& texte, int64_t maximum, const std::string& libelle, int64_t& valeur)
{
    if (NombreChamp(texte, maximum, valeur))
        return true;
    Tf_MessageUtil::Affiche(TraduireFormat(TexteNombreTropGrand, {libelle, Trim(texte), static_cast<int>(maximum)}),
                            mbuValider);
    return false;
}

int RemplitMatchsStade(TSaison& saison, const TStade& stade, TColorGridBase& grille, const TCouleurElement& couleurs,
                       int premiere)
{
    TGridModel& g = dynamic_cast<TGridModel&>(grille);
    const bool plusieurs = saison.Arbre().PlusieursChampionnats();
    int ligne = premiere, matchs = 0, couleur = 0;
    bool dates = false;
    g.SetRowCount(std::max(premiere, 1));
    auto cellules = [&](int row, const std::string (&t)[3], TColor texte, TColor fond) {
        g.SetRowCount(row + 1);
        for (int k = 0; k < 3; ++k)
            grille.RemplitCellule(k, row, t[k], k == 1 ? 0 : 1, 1, texte, fond, false);
    };
    for (TDonneesChampionnat* c : saison.Arbre().ListeChampionnats()) {
        // each championship by its own date setting
        const bool avecDates = (c->Option(11) & 8) != 0;
        bool titre = false;
        for (int n = 1; n <= c->NbJour(); ++n)
            for (int m = 1; m <= c->NbMatchJournee(n); ++m) {
                if (c->StadeMatch(n, m) != stade.Code)
                    continue;
                if (plusieurs && !titre) {
                    titre = true;
                    cellules(ligne++, {std::string(), saison.Arbre().NomCode(c->CodeChamp), std::string()},
                             couleurs.CouleurTexteTitreTableau, couleurs.CouleurFondTitreTableau);
                    couleur = 0;
                }
                const int d = c->ValeurMatch(n, 4 * m - 3), e = c->ValeurMatch(n, 4 * m - 1);
                // a match with no date of its own has its matchday's
                const uint32_t date = c->DateMatch(n, m) != 0 ? c->DateMatch(n, m) : c->DateJournee(n);
                dates = dates || avecDates;
                TColor texte = 0, fond = 0;
                TBrivantelForm::CouleursLigneSchema(++couleur, texte, fond, false, couleurs);
                cellules(ligne++,
                         {avecDates && TGestionDate::Jour(date) != 0 ? TGestionDate::DateVersTexte(date) : IntToStr(n),
                          saison.NomEquipeComplet(d, c) + " - " + saison.NomEquipeComplet(e, c),
                          Score(c->ValeurMatch(n, 4 * m - 2), c->ValeurMatch(n, 4 * m))},
                         texte, fond);
                ++matchs;
            }
    }
    if (dates)
        grille.ChangeLargeurColonne(0, 70);
    return matchs;
}

// ---- the card -----------------------------------------------------------------------------

Tf_FicheStade::Tf_FicheStade(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_FicheStade", false, 480, 330);
    SetCaption(Texte(1027, "Fiche du Stade"));
    PageControl1 = new TPageControl(this);
    PageControl1->SetName("PageControl1");
    PageControl1->SetBounds(8, 8, 464, 272);
    PageControl1->SetParent(this);
    TabSheet1 = Onglet(this, PageControl1, "TabSheet1", 124);
    ts_InfoAdmin = Onglet(this, PageControl1, "ts_InfoAdmin", 1470);
    ts_Photo = Onglet(this, PageControl1, "ts_Photo", 1336);
    ts_Matchs = Onglet(this, PageControl1, "ts_Matchs", 1337);
    TFondCopie* f1 = FondOnglet(this, TabSheet1, "FondCopie1", 456, 240);
    TFondCopie* f2 = FondOnglet(this, ts_InfoAdmin, "FondCopie2", 456, 240);
    TFondCopie* f3 = FondOnglet(this, ts_Photo, "FondCopie3", 456, 240);

    // Information.
    Label1 = Etiquette(this, f1, "Label1", 8, 11, 1023);
    e_NomStade = Saisie(this, f1, "e_NomStade", 130, 8, 310);
    Etiquette(this, f1, "Label2", 8, 37, 1024);
    e_Ville = Saisie(this, f1, "e_Ville", 130, 34, 180);
    Etiquette(this, f1, "Label9", 8, 63, 1025);
    cb_Pays = Combo98(this, f1, "cb_Pays", 130, 60, 180);
    cb_Pays->SetSorted(true);
    Etiquette(this, f1, "Label10", 8, 89, 1026);
    e_Construit = SaisieNombre(this, f1, "e_Construit", 130, 86, 70, 6);
    Etiquette(this, f1, "Label4", 230, 89, 1020);
    e_Capacite = SaisieNombre(this, f1, "e_Capacite", 350, 86, 90, 11);
    Etiquette(this, f1, "Label5", 8, 115, 1021);
    e_AffluenceRecord = Saisie(this, f1, "e_AffluenceRecord", 130, 112, 310);
    Etiquette(this, f1, "Label16", 8, 141, 1463);
    Etiquette(this, f1, "Label17", 162, 141, 1459);
    e_Longueur = SaisieNombre(this, f1, "e_Longueur", 228, 138, 58, 11);
    Etiquette(this, f1, "Label15", 296, 141, 1460);
    e_Largeur = SaisieNombre(this, f1, "e_Largeur", 356, 138, 58, 11);
    Etiquette(this, f1, "Label14", 420, 141, 1462);
    Etiquette(this, f1, "Label13", 8, 167, 1461);
    e_NatureSol = Saisie(this, f1, "e_NatureSol", 130, 164, 310);

    // Administrative details.
    Etiquette(this, f2, "Label46", 8, 8, 1022);
    m_Remarque = new TMemo(this);
    m_Remarque->SetName("m_Remarque");
    m_Remarque->SetBounds(8, 26, 200, 180);
    m_Remarque->SetParent(f2);
    Etiquette(this, f2, "Label3", 220, 8, 1464);
    m_Adresse = new TMemo(this);
    m_Adresse->SetName("m_Adresse");
    m_Adresse->SetBounds(220, 26, 226, 50);
    m_Adresse->SetParent(f2);
    Etiquette(this, f2, "Label7", 220, 87, 1465);
    e_Cp = Saisie(this, f2, "e_Cp", 320, 84, 126);
    Etiquette(this, f2, "Label12", 220, 113, 1024);
    e_Ville2 = Saisie(this, f2, "e_Ville2", 320, 110, 126);
    Etiquette(this, f2, "Label6", 220, 139, 1466);
    e_Telephone = Saisie(this, f2, "e_Telephone", 320, 136, 126);
    Etiquette(this, f2, "Label8", 220, 165, 1467);
    e_Fax = Saisie(this, f2, "e_Fax", 320, 162, 126);
    // The two town fields mirror each other; the copy does not echo back.
    auto miroir = [this](TEdit* source, TEdit* cible) {
        source->OnChange = [this, source, cible](TObject*) {
            if (copieVille_)
                return;
            copieVille_ = true;
            cible->SetText(source->GetText());
            copieVille_ = false;
        };
    };
    miroir(e_Ville, e_Ville2);
    miroir(e_Ville2, e_Ville);

    // Photo.
    LogoStade = new TLogo(this);
    LogoStade->SetName("LogoStade");
    LogoStade->SetBounds(110, 10, 240, 180);
    LogoStade->SetParent(f3);
    b_Ajouter = Bouton(this, f3, "b_Ajouter", 110, 200, 116, 932);
    b_Effacer = Bouton(this, f3, "b_Effacer", 234, 200, 116, 1070);
    b_Ajouter->OnClick = [this](TObject* s) { b_AjouterClick(s); };
    b_Effacer->OnClick = [this](TObject* s) { b_EffacerClick(s); };

    // Matches.
    fs_Match = new TFondScroll(this);
    fs_Match->SetName("fs_Match");
    if (Dessin) {
        fs_Match->SetModele(Dessin->Fond("FondMenuBleu"));
        fs_Match->SetModeleScroll(Dessin->Fond("FondToutBleu"));
    }
    fs_Match->SetScrollHorizontal(false);
    fs_Match->SetAlign(alClient);
    fs_Match->SetParent(ts_Matchs);
    sg_Match = new TColorStringGrid(this);
    sg_Match->SetName("sg_Match");
    sg_Match->SetBorderStyle(bsNone);
    sg_Match->SetScrollBars(ssNone);
    sg_Match->SetColCount(3);
    sg_Match->SetRowCount(1);
    sg_Match->SetFixedRows(0);
    sg_Match->SetFixedCols(0);
    sg_Match->SetSelectionVisible(false);
    sg_Match->SetAutoResize(false);
    sg_Match->ChangeHauteurLignes(20);
    sg_Match->SetLeft(0);
    sg_Match->SetTop(0);
    fs_Match->InsereControle(sg_Match);

    PageControl1->OnChange = [this](TObject*) { MontrePage(PageControl1->ActivePage()); };
    ts_Matchs->OnShow = [this](TObject*) { RemplitMatchs(); };

    b_Valider = Bouton(this, this, "b_Valider", 232, 292, 116, 29);
    b_Annuler = Bouton(this, this, "b_Annuler", 356, 292, 116, 125, mrCancel);
    b_Valider->Default = true;
    b_Annuler->Cancel = true;
    b_Valider->OnClick = [this](TObject* s) { b_ValiderClick(s); };
    DoCreate();
}

void Tf_FicheStade::ChangeSaison(TSaison* saison)
{
    TBrivantelForm::ChangeSaison(saison);
    const bool halle = EstHalle(saison);
    Label1->SetCaption(Texte(halle ? 1273 : 1023));
    SetCaption(Texte(halle ? 1274 : 1027, "Fiche du Stade"));
}

void Tf_FicheStade::AppliqueCouleurs()
{
    TBrivantelForm::AppliqueCouleurs();
    if (LogoStade) {
        LogoStade->CouleurFond = Couleurs.fondfonce;
        LogoStade->CouleurBord = Couleurs.fondfonce;
        LogoStade->Invalidate();
    }
}

void Tf_FicheStade::DoShow()
{
    PageControl1->SetActivePage(TabSheet1);
    AfficheStade();
    TBrivantelForm::DoShow();
    // A name typed before the card opened: the user goes on typing it.
    if (!Stade && !NomPropose.empty()) {
        e_NomStade->AutoSelect = false;
        SetActiveControl(e_NomStade);
        e_NomStade->SetSelStart(static_cast<int>(NomPropose.size()));
    }
}

void Tf_FicheStade::AfficheStade()
{
    matchsRemplis_ = false;
    cb_Pays->Items().Clear();
    if (Saison) {
        TStringList pays;
        Saison->Pays().Remplit(pays);
        for (int i = 0; i < pays.Count(); ++i)
            cb_Pays->Items().AddObject(pays[i], static_cast<TStrings::Object>(pays.Objects(i)));
    }
    const TStade* s = Stade;
    e_NomStade->SetText(s ? s->NomStade : NomPropose);
    e_Ville->SetText(s ? s->Ville : "");
    MontreNumero(*cb_Pays, s ? s->CodePays : -1, s && Saison ? Saison->Pays().NomPays(s->CodePays) : "");
    e_Construit->SetText(IntToStr(s ? s->DateConstruction : 0));
    e_Capacite->SetText(IntToStr(s ? s->Capacite : 0));
    e_AffluenceRecord->SetText(s ? s->RecordAffluence : "");
    e_Longueur->SetText(s ? IntToStr(s->LongueurTerrain) : "");
    e_Largeur->SetText(s ? IntToStr(s->LargeurTerrain) : "");
    e_NatureSol->SetText(s ? s->NatureSol : "");
    m_Remarque->SetText(s ? s->Remarque : "");
    m_Adresse->SetText(s ? s->Adresse : "");
    e_Cp->SetText(s ? s->Cp : "");
    e_Telephone->SetText(s ? s->Tel : "");
    e_Fax->SetText(s ? s->Fax : "");
    const int32_t photo = s ? s->Image : 0;
    LogoStade->Tag = photo;
    LogoStade->ChangeImage(photo > 0 && ImageManager() ? ImageManager()->ChargeImage(GenrePhoto, photo) : nullptr);
    static const int entetes[3] = {85, 309, 223};
    sg_Match->SetRowCount(1);
    const bool dates = Saison && Saison->ChampionnatCourant() && (Saison->ChampionnatCourant()->Option(11) & 8);
    const int largeurs[3] = {dates ? 70 : 40, 200, 80};
    for (int k = 0; k < 3; ++k) {
        sg_Match->ChangeLargeurColonne(k, largeurs[k]);
        sg_Match->RemplitCellule(k, 0, Texte(entetes[k]), 1, 1, Couleurs.CouleurTexteTitreTableau,
                                 Couleurs.CouleurFondTitreTableau, true);
    }
    sg_Match->ElargitSelonTexte(0);
}

void Tf_FicheStade::MontrePage(TTabSheet* page)
{
    if (PageControl1->ActivePage() != page)
        PageControl1->SetActivePage(page);
    if (page == ts_Matchs)
        RemplitMatchs();
}

void Tf_FicheStade::RemplitMatchs()
{
    if (matchsRemplis_ || !Stade || !Saison)
        return;
    matchsRemplis_ = true;
    // The header stays the grid's first row; the matches follow.
    RemplitMatchsStade(*Saison, *Stade, *sg_Match, Couleurs, 1);
    sg_Match->SetWidth(sg_Match->LargeurColonne(0) + 200 + 80 + 3);
    sg_Match->SetHeight(sg_Match->RowCount() * 21 + 1);
    fs_Match->Ajuste();
}

void Tf_FicheStade::b_AjouterClick(TObject*)
{
    int32_t id = LogoStade->Tag;
    if (!ChoisitPhoto(this, Couleurs, GenrePhoto, id))
        return;
    LogoStade->Tag = id;
    LogoStade->ChangeImage(ImageManager() && id > 0 ? ImageManager()->ChargeImage(GenrePhoto, id) : nullptr);
}

void Tf_FicheStade::b_EffacerClick(TObject*)
{
    LogoStade->ChangeImage(nullptr);
    LogoStade->Tag = 0;
}

bool Tf_FicheStade::b_ValiderClick(TObject*)
{
    SetModalResult(mrNone);
    if (!Saison)
        return false;
    const bool halle = EstHalle(Saison);
    const std::string nom = e_NomStade->GetText(), ville = e_Ville->GetText();
    if (Trim(nom).empty() || Trim(ville).empty()) {
        Tf_MessageUtil::Affiche(Texte(halle ? 1275 : 1028), mbuValider);
        return false;
    }
    // Every number is read and checked before anything is written.
    int64_t annee = 0, capacite = 0, longueur = 0, largeur = 0;
    constexpr int64_t max32 = std::numeric_limits<int32_t>::max();
    if (!NombreChampMessage(e_Construit->GetText(), 65535, Texte(1026), annee) ||
        !NombreChampMessage(e_Capacite->GetText(), max32, Texte(1020), capacite) ||
        !NombreChampMessage(e_Longueur->GetText(), max32, Texte(1459), longueur) ||
        !NombreChampMessage(e_Largeur->GetText(), max32, Texte(1460), largeur))
        return false;

    uint8_t modifie = 0;
    TStade* s = Stade;
    TStades& stades = Saison->Stades();
    if (!s) {
        // A stadium of that name and town is there already: the card says so
        // and shows it; nothing of it is replaced.
        for (TStade* autre : stades.Liste())
            if (autre->NomStade == nom && autre->Ville == ville) {
                Tf_MessageUtil::Affiche(TraduireFormat(halle ? TexteSalleExiste : TexteStadeExiste, {nom, ville}),
                                        mbuValider);
                Stade = autre;
                AfficheStade();
                return false;
            }
    }
    if (s) {
        const bool renomme = s->NomStade != nom, deplace = s->Ville != ville;
        if (renomme) {
            s->NomStade = nom;
            Renomme = 1;
            modifie = 1;
        }
        if (deplace) {
            s->Ville = ville;
            modifie = 1;
        }
        // The list is ordered by name and town: the stadium is filed again.
        if (renomme || deplace)
            stades.AjouteStade(stades.RetireStade(s), false);
    } else {
        auto nouveau = std::make_unique<TStade>(nom, 0, ville);
        s = stades.AjouteStade(std::move(nouveau), true);
        modifie = 1;
    }
    auto ecrit = [&modifie](auto& champ, auto valeur) {
        if (champ != valeur) {
            champ = valeur;
            modifie = 1;
        }
    };
    ecrit(s->Capacite, static_cast<int32_t>(capacite));
    ecrit(s->DateConstruction, static_cast<uint16_t>(annee));
    ecrit(s->Remarque, m_Remarque->GetText());
    ecrit(s->RecordAffluence, e_AffluenceRecord->GetText());
    ecrit(s->LongueurTerrain, static_cast<int32_t>(longueur));
    ecrit(s->LargeurTerrain, static_cast<int32_t>(largeur));
    ecrit(s->NatureSol, e_NatureSol->GetText());
    ecrit(s->Adresse, m_Adresse->GetText());
    ecrit(s->Cp, e_Cp->GetText());
    ecrit(s->Tel, e_Telephone->GetText());
    ecrit(s->Fax, e_Fax->GetText());
    const std::string pays = Trim(cb_Pays->GetText());
    // A country picked from the list is that one; a name typed goes by its name.
    const int choisi = NumeroChoisi(*cb_Pays);
    ecrit(s->CodePays, choisi >= 0    ? static_cast<uint16_t>(choisi)
                       : pays.empty() ? TListePays::Aucun
                                      : Saison->Pays().CherchePays(pays));
    ecrit(s->Image, static_cast<int32_t>(LogoStade->Tag));
    Stade = s;
    Modifie = modifie;
    SetModalResult(mrOk);
    return true;
}

TStade* OuvreFicheStade(TComponent* owner, const TCouleurElement& couleurs, TSaison* saison, TStade* stade,
                        bool* modifie, const std::string& nomPropose)
{
    TOwned<Tf_FicheStade> f(new Tf_FicheStade(owner));
    f->ChangeCouleurs(couleurs);
    f->ChangeSaison(saison);
    f->Stade = stade;
    f->NomPropose = nomPropose;
    const bool ok = f->ShowModal() == mrOk;
    if (modifie)
        *modifie = ok && f->Modifie;
    return ok ? f->Stade : nullptr;
}
