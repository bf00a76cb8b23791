#include "records/w_Stades.h"

#include "model/ListePays.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/oTraducteur.h"
#include "platform/gui/Menus.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "records/ListesPersonnes.h"
#include "records/w_FicheStade.h"
#include "ui/ColorStringGrid.h"
#include "ui/message2.h"
#include "views/OutilsVues.h"

using namespace ctrl;

namespace {

constexpr int TexteStadeNomme = 3321, TexteSalleNommee = 3322;
// the same, the count in the singular
constexpr int TexteStadeNommeUn = 5950, TexteSalleNommeeUn = 5951;

bool Halle(const TSaison* s) { return s && s->StatApplicable(7) != 0; }

}  // namespace

Tf_Stades::Tf_Stades(TComponent* AOwner) : TListeParPaysForm(AOwner, "f_Stades")
{
    sg_TableauStade = new TColorStringGrid(this);
    sg_TableauStade->SetName("sg_TableauStade");
    sg_TableauStade->SetColCount(5);
    sg_TableauStade->SetRowCount(2);
    sg_TableauStade->SetFixedRows(1);
    BrancheGrille(sg_TableauStade);
    for (int c = 0; c <= 2; ++c)
        sg_TableauStade->ChangeEtatColonne(c, 1);
    sg_TableauStade->OnKeyPress = [this](TObject*, char& k) {
        if (static_cast<unsigned char>(k) <= ' ')
            return;
        const std::string debut(1, k);
        k = 0;
        NouveauStade(debut);
    };
    DoCreate();
}

void Tf_Stades::ChangeSaison(TSaison* saison)
{
    TListeParPaysForm::ChangeSaison(saison);
    const bool halle = Halle(saison);
    mi_Effacer->SetCaption(Texte(halle ? 1277 : 1191));
    mi_Editer->SetCaption(Texte(halle ? 1278 : 1192));
    mi_Inserer->SetCaption(Texte(halle ? 1279 : 1193));
}

bool Tf_Stades::PaysUtilise(int code) const { return Saison && Saison->Stades().PaysUtilise(code); }

std::string Tf_Stades::TexteTous() const { return Texte(Halle(Saison) ? 1276 : 1189); }

void Tf_Stades::RemplitStades(TSaison& saison, int pays, TColorGridBase& g, const TCouleurElement& couleurs)
{
    TGridModel& m = dynamic_cast<TGridModel&>(g);
    const std::vector<TStade*> liste = pays == Tous ? saison.Stades().Liste() : saison.Stades().ListeParPays(pays);
    m.SetFixedCols(0);
    m.SetColCount(5);
    m.SetRowCount(static_cast<int>(liste.size()) + 2);
    m.SetFixedRows(1);
    // The last two columns are wide enough for their headers.
    const int largeurs[5] = {180, 110, 80, 90, 70};
    const int entetes[5] = {Halle(&saison) ? 1273 : 1023, 1024, 1025, 1026, 1020};
    for (int c = 0; c < 5; ++c) {
        g.ChangeLargeurColonne(c, largeurs[c]);
        g.RemplitCellule(c, 0, Texte(entetes[c]), 1, 1, couleurs.CouleurTexteTitreTableau,
                         couleurs.CouleurFondTitreTableau, true);
    }
    int r = 1;
    for (TStade* s : liste) {
        TColor t = 0, f = 0;
        TBrivantelForm::CouleursLigneSchema(r, t, f, false, couleurs);
        const std::string v[5] = {s->NomStade, s->Ville, s->NomPays(&saison.Pays()), IntToStr(s->DateConstruction),
                                  IntToStr(s->Capacite)};
        for (int c = 0; c < 5; ++c)
            g.RemplitCellule(c, r, v[c], c <= 1 ? 0 : 1, 1, t, f, false);
        g.ChangeDonneeCellule(0, r, s->Code);
        ++r;
    }
    TColor t = 0, f = 0;
    TBrivantelForm::CouleursLigneSchema(r, t, f, false, couleurs);
    for (int c = 0; c < 5; ++c)
        g.RemplitCellule(c, r, "", c <= 1 ? 0 : 1, 1, t, f, false);
    g.ChangeDonneeCellule(0, r, 0);   // the empty row holds no entry
}

void Tf_Stades::RemplitGrille()
{
    if (!Saison)
        return;
    RemplitStades(*Saison, pays_, *sg_TableauStade, Couleurs);
    PlaceGrille(0);
}

TStade* Tf_Stades::StadeLigne(int ligne) const
{
    if (!Saison || ligne < 1 || ligne >= sg_TableauStade->RowCount())
        return nullptr;
    const int code = sg_TableauStade->DonneeCellule(0, ligne);
    return code > 0 ? Saison->Stades().ChercheStade(code) : nullptr;
}

void Tf_Stades::Editer(int ligne)
{
    if (!Saison || ligne < 1 || ligne >= sg_TableauStade->RowCount())
        return;
    OuvreFiche(StadeLigne(ligne), {});
}

void Tf_Stades::OuvreFiche(TStade* stade, const std::string& nomPropose)
{
    bool modifie = false;
    TStade* s = OuvreFicheStade(this, Couleurs, Saison, stade, &modifie, nomPropose);
    if (!s)
        return;
    if (modifie)
        Signale();
    Suit(s->CodePays == TListePays::Aucun ? SansPays : s->CodePays);
}

void Tf_Stades::Effacer(int ligne)
{
    TStade* s = StadeLigne(ligne);
    if (!s || !Saison)
        return;
    int matchs = 0;
    if (!SupprimeStade(*Saison, s, matchs)) {
        const int texte = Halle(Saison) ? IdTexteNombre(TexteSalleNommee, TexteSalleNommeeUn, matchs)
                                        : IdTexteNombre(TexteStadeNomme, TexteStadeNommeUn, matchs);
        Tf_MessageUtil::Affiche(TraduireFormat(texte, {matchs}), mbuValider);
        sg_TableauStade->RefuseCell(sg_TableauStade->Col(), ligne);
        return;
    }
    Signale();
    RemplitGrille();
}

void Tf_Stades::Inserer() { Editer(sg_TableauStade->RowCount() - 1); }

void Tf_Stades::NouveauStade(const std::string& debut)
{
    if (Saison)
        OuvreFiche(nullptr, debut);
}

void Tf_Stades::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    if (Nom != "EffectifStade" && Nom != "ListeSalle") {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    Resultat.clear();
    if (!saison)
        return;
    const uint16_t code = saison->Pays().CodePays(Parametre("Pays", Parametres, ""));
    TColorGridModel g;
    g.SetAutoResize(false);
    RemplitStades(*saison, code == TListePays::Aucun ? Tous : code, g, couleurs);
    g.SetRowCount(g.RowCount() - 1);
    vues::EcritTable(g, Parametres, Resultat, false);
}
