#include "model/ChampionnatFootRugby.h"
#include "model/ioXml.h"

#include <initializer_list>

#include "model/oTraducteur.h"

namespace {

// Adds the event score of every team of the championship into scores, and
// clears the flag of a team with a record without minute.
void CompteListe(const TDonneesChampionnat& c, const TListeDonnees* liste, int points, bool sauf800,
                 std::vector<int>& scores, std::vector<uint8_t>& drapeaux)
{
    if (!liste)
        return;
    for (int i = 0; i < liste->Nombre(); ++i) {
        const TDonneesEvt* d = liste->Donnee(i);
        const int p = c.IndexEquipe(d->IdEquipe());
        if (p < 0)
            continue;
        if (!(sauf800 && (d->Mot() & evtHorsScore)))
            scores[static_cast<size_t>(p)] += points;
        if (d->Mot() == 0)
            drapeaux[static_cast<size_t>(p)] = 0;
    }
}

void Dimensionne(const TDonneesChampionnat& c, std::vector<int>& scores, std::vector<uint8_t>& drapeaux)
{
    const size_t nb = static_cast<size_t>(c.NbEquipe());
    if (scores.size() < nb)
        scores.resize(nb, 0);
    if (drapeaux.size() < nb)
        drapeaux.resize(nb, 1);
}

void SupprimeExtras(TDonneesChampionnat& c, int idEquipe, int n, const std::vector<uint8_t>& types)
{
    if (TInfoCompJour* j = c.Journee(n))
        for (int t : types)
            if (TListeDonnees* l = j->Liste(t))
                l->SupprimeEquipes({idEquipe});
}

void RemplaceExtras(TDonneesChampionnat& c, const TPairesIds& paires, const std::vector<uint8_t>& types)
{
    for (const auto& [ancien, nouveau] : paires)
        for (int n = 1; n <= c.NbJour(); ++n)
            if (TInfoCompJour* j = c.Journee(n))
                for (int t : types)
                    if (TListeDonnees* l = j->Liste(t))
                        for (int i = 0; i < l->Nombre(); ++i)
                            if (l->Donnee(i)->IdJoueur() == ancien)
                                l->Donnee(i)->SetIdJoueur(nouveau);
}

// The records of list type of matchday n; sansManques: the missed penalties
// and kicks the scoring list keeps left out (they scored nothing).
std::unique_ptr<TListeResultat> SelectionListe(const TDonneesChampionnat& c, int n, int type, bool sansManques = false)
{
    const TInfoCompJour* j = c.Journee(n);
    const TListeDonnees* l = j ? j->Liste(type) : nullptr;
    if (!l)
        return nullptr;
    auto r = std::make_unique<TListeResultat>(nullptr, l);
    for (int i = 0; i < l->Nombre(); ++i)
        if (!(sansManques && l->Donnee(i)->Manque()))
            r->Ajoute(l->Donnee(i));
    return r;
}

void OptionsDefaut(TDonneesChampionnat& c, std::initializer_list<int> valeurs)
{
    int i = 19;
    for (int v : valeurs)
        c.SetOption(i++, v);
}

}   // namespace

// ---------------------------------------------------------------------------
// Events of both sports

bool TDonneesChampionnatFootRugby::LitEvenementType(std::string_view nom, const char* element, int type,
                                                   TXmlReader& x, uint8_t jeton, TInfoComp& match, int n)
{
    if (nom != element)
        return false;
    LitEvenements(x, jeton, match, n, type, 0);
    return true;
}

bool TDonneesChampionnatFootRugby::LitEvenementCommun(std::string_view nom, TXmlReader& x, uint8_t jeton,
                                                     TInfoComp& match, int n)
{
    if (NomXml(nom, "Exclus")) {
        LitEvenements(x, jeton, match, n, 3, evtRouge);
        return true;
    }
    return LitEvenementType(nom, "Buteur", 2, x, jeton, match, n) ||
           LitEvenementType(nom, "Averti", 3, x, jeton, match, n);
}

// ---------------------------------------------------------------------------
// Upkeep of the event lists of both sports

std::vector<uint8_t> TDonneesChampionnatFootRugby::TypesExtras() const
{
    std::vector<uint8_t> types;
    for (uint8_t t : TypesDonnees())
        if (t != 2 && t != 3)
            types.push_back(t);
    return types;
}

void TDonneesChampionnatFootRugby::SupprimeDonneesEquipe(int idEquipe, int n, bool compo)
{
    TDonneesChampionnat::SupprimeDonneesEquipe(idEquipe, n, compo);
    SupprimeExtras(*this, idEquipe, n, TypesExtras());
}

void TDonneesChampionnatFootRugby::RemplaceJoueurs(const TPairesIds& paires)
{
    TDonneesChampionnat::RemplaceJoueurs(paires);
    RemplaceExtras(*this, paires, TypesExtras());
}

std::vector<TListeDonnees*> TDonneesChampionnatFootRugby::ListesDonnees(int n)
{
    std::vector<TListeDonnees*> listes;
    if (const TInfoCompJour* j = Journee(n))
        for (uint8_t t : TypesDonnees())
            listes.push_back(j->Liste(t));
    return listes;
}

// ---------------------------------------------------------------------------
// Football

TDonneesChampionnatFootball::TDonneesChampionnatFootball(TSaison* saison, uint8_t flags, uint8_t valeur)
    : TDonneesChampionnatFootRugby(saison, flags, valeur, {11, 3, 15, 45})
{
}

void TDonneesChampionnatFootball::OptionsParDefaut()
{
    OptionsDefaut(*this, {3, 0, 0, -2, -3, 3, 1, 0});
}

void TDonneesChampionnatFootball::ScoresEvenements(int n, std::vector<int>& scores, std::string& texte,
                                                   std::vector<uint8_t>& drapeaux)
{
    texte = Traduire(154);
    Dimensionne(*this, scores, drapeaux);
    if (const TInfoCompJour* j = Journee(n)) {
        CompteListe(*this, j->Liste(2), 1, true, scores, drapeaux);
        CompteListe(*this, j->Liste(3), 0, false, scores, drapeaux);
    }
}

void TDonneesChampionnatFootball::ParamsSport(int& nbTitulaire, int& nbRemp, int& prolongation, int& periode) const
{
    nbTitulaire = 11;
    nbRemp = 3;
    prolongation = 15;
    periode = 45;
}

void TDonneesChampionnatFootball::BonusOffensif(int n, int m, int, int, int32_t (&bonus)[2])
{
    BonusScoreAtteint(n, m, bonus);
}

void TDonneesChampionnatFootball::EcritEvenementsMatch(TXmlWriter& x, const TInfoComp& match, int n,
                                                       bool evenements)
{
    if (evenements) {
        EcritEvenements(x, match, n, 2, "Buteur", 0, 0);
        EcritEvenements(x, match, n, 3, "Averti", 0, evtRouge);
        EcritEvenements(x, match, n, 3, "Exclus", evtRouge, 0);
        EcritEvenements(x, match, n, 4, "Passeur", 0, 0);
    }
    EcritComposition(x, match);
}

bool TDonneesChampionnatFootball::LitEvenementMatch(std::string_view nom, TXmlReader& x, uint8_t jeton,
                                                    TInfoComp& match, int n)
{
    return LitEvenementCommun(nom, x, jeton, match, n) || LitEvenementType(nom, "Passeur", 4, x, jeton, match, n);
}

std::unique_ptr<TListeResultat> TDonneesChampionnatFootball::ListeClassementJoueur(int n, int type)
{
    switch (type) {
    case 1: return SelectionListe(*this, n, 2, true);
    case 37: return SelectionListe(*this, n, 3);
    case 38: return SelectionListe(*this, n, 4);
    default: return nullptr;
    }
}

// ---------------------------------------------------------------------------
// Rugby

TDonneesChampionnatRugby::TDonneesChampionnatRugby(TSaison* saison, uint8_t flags, uint8_t valeur)
    : TDonneesChampionnatFootRugby(saison, flags, valeur, {15, 7, 10, 40})
{
}

int TDonneesChampionnatRugby::PointsType(int type)
{
    switch (type) {
    case 2: return 5;
    case 6: return 2;
    case 5: return 3;
    case 7: return 3;
    default: return 0;
    }
}

void TDonneesChampionnatRugby::OptionsParDefaut()
{
    OptionsDefaut(*this, {51, 0, 0, -1, -2, 2, 1, 0});
}

void TDonneesChampionnatRugby::ScoresEvenements(int n, std::vector<int>& scores, std::string& texte,
                                                std::vector<uint8_t>& drapeaux)
{
    texte = Traduire(515);
    Dimensionne(*this, scores, drapeaux);
    if (const TInfoCompJour* j = Journee(n))
        for (int t : {2, 3, 6, 5, 7})
            CompteListe(*this, j->Liste(t), PointsType(t), t == 2, scores, drapeaux);
}

void TDonneesChampionnatRugby::ParamsSport(int& nbTitulaire, int& nbRemp, int& prolongation, int& periode) const
{
    nbTitulaire = 15;
    nbRemp = 7;
    prolongation = 10;
    periode = 40;
}

void TDonneesChampionnatRugby::BonusOffensif(int n, int, int position1, int position2, int32_t (&bonus)[2])
{
    bonus[0] = bonus[1] = 0;
    const TInfoCompJour* j = Journee(n);
    const TListeDonnees* essais = j ? j->Liste(2) : nullptr;
    if (!essais)
        return;
    const int positions[2] = {position1, position2};
    for (int cote = 0; cote < 2; ++cote) {
        const int id = IdEquipe(positions[cote]);
        if (id >= 0)
            bonus[cote] = essais->CompteEquipe(id, 1, false) - essais->CompteEquipe(id, 1, true) >= BonusBut ? 1 : 0;
    }
}

void TDonneesChampionnatRugby::EcritEvenementsMatch(TXmlWriter& x, const TInfoComp& match, int n, bool evenements)
{
    if (evenements) {
        EcritEvenements(x, match, n, 2, "Buteur", 0, 0);
        EcritEvenements(x, match, n, 3, "Averti", 0, evtRouge);
        EcritEvenements(x, match, n, 3, "Exclus", evtRouge, 0);
        EcritEvenements(x, match, n, 6, "Transfo", 0, 0);
        EcritEvenements(x, match, n, 5, "Penalite", 0, 0);
        EcritEvenements(x, match, n, 7, "Drop", 0, 0);
    }
    EcritComposition(x, match);
}

bool TDonneesChampionnatRugby::LitEvenementMatch(std::string_view nom, TXmlReader& x, uint8_t jeton,
                                                 TInfoComp& match, int n)
{
    return LitEvenementCommun(nom, x, jeton, match, n) || LitEvenementType(nom, "Transfo", 6, x, jeton, match, n) ||
           LitEvenementType(nom, "Penalite", 5, x, jeton, match, n) ||
           LitEvenementType(nom, "Drop", 7, x, jeton, match, n);
}

std::unique_ptr<TListeResultat> TDonneesChampionnatRugby::ListeClassementJoueur(int n, int type)
{
    switch (type) {
    case 1: return SelectionListe(*this, n, 2, true);
    case 2: return SelectionListe(*this, n, 6);
    case 3: return SelectionListe(*this, n, 5);
    case 4: return SelectionListe(*this, n, 7);
    case 37: return SelectionListe(*this, n, 3);
    default: return nullptr;
    }
}
