#include "results/w_InfoMatchCadre.h"

#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/rtl/Strings.h"
#include "results/Controles.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "views/Textes.h"
#include "views/w_ChoixJournee.h"

using vues::Texte;

Tf_InfoMatchCadreBase::Tf_InfoMatchCadreBase(TComponent* AOwner) : TFootForm(AOwner)
{
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(760);
    SetClientHeight(560);
    Panel1 = resultats::Fond(this, this, "Panel1", "FondCarrebleu", 0, 0, 470, 36);
    c_EqDomicile = resultats::Cadre(this, Panel1, "c_EqDomicile", 36, 5, 170);
    c_ScDomicile = resultats::Rond(this, Panel1, "c_ScDomicile", 210, 5, 3);
    c_ScExterieur = resultats::Rond(this, Panel1, "c_ScExterieur", 240, 5, 3);
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
    const int n = c->NbJournee;
    const int nb = c->NbMatchJournee(n);
    int m = MatchCourant;
    for (int essai = 1; essai < nb; ++essai) {
        m = suivant ? (m >= nb ? 1 : m + 1) : (m <= 1 ? nb : m - 1);
        if (c->ValeurMatch(n, 4 * m - 3) < 65535 && c->ValeurMatch(n, 4 * m - 1) < 65535) {
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
        ajoute(CasseTitre(Saison->NomEquipeCourant(d)) + "-" + CasseTitre(Saison->NomEquipeCourant(e)), m);
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

bool Tf_InfoMatchCadreBase::AfficheEnTete()
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
