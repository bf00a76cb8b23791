#include "results/Saisie.h"

#include <algorithm>
#include <memory>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/Championnat_Maintenance.h"
#include "model/DescTree.h"
#include "model/NomJournee.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"

namespace {

constexpr uint16_t Vide = TInfoComp::ScoreVide;

bool IdConnu(const TSaison& saison, int32_t numero)
{
    return numero >= 0 && numero < Vide && !saison.NomEquipe(numero).empty();
}

// The packed date of a "dd/mm/yyyy" box.
// A row's date as the page reads its box; none when it names no date.
uint32_t DateTexte(const std::string& t)
{
    uint32_t date = 0;
    return TGestionDate::LitSaisie(t, date) == TGestionDate::saisieDate ? date : 0;
}

}  // namespace

int IdEquipeSaisie(const TSaison& saison, const std::string& texte, int32_t numero)
{
    if (texte.empty())
        return -1;
    if (IdConnu(saison, numero))
        return numero;
    for (int id = 0; id <= saison.ProchainIdEquipe(); ++id)
        if (saison.NomEquipeCourant(id) == texte)
            return id;
    return -1;
}

int IdEquipeChampionnat(const TSaison& saison, const std::string& texte, int32_t numero)
{
    if (texte.empty())
        return -1;
    if (IdConnu(saison, numero))
        return numero;
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    const std::string cle = SansAccent(texte);
    for (int p = 0; c && p < c->NbEquipe(); ++p)
        if (SansAccent(saison.NomEquipePosition(p)) == cle)
            return c->IdEquipe(p);
    return -1;
}

std::string TexteScore(uint16_t mot)
{
    return mot == Vide ? std::string() : IntToStr(mot & 0x7FFF);
}

int ScoreTexte(const std::string& texte)
{
    const std::string t = Trim(texte);
    return t.empty() ? Vide : std::clamp(StrToIntDef(t, 0), 0, 0x7FFF);
}

// ---- loading and writing a matchday ----------------------------------------------------------

std::vector<TLigneSaisie> LignesJournee(const TSaison& saison)
{
    std::vector<TLigneSaisie> v;
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    const TInfoCompJour* j = c ? c->Journee(c->NbJournee) : nullptr;
    const int n = c ? c->NbJournee : 0;
    for (int k = 0; j && k < j->NbMatchs(); ++k) {
        const TInfoComp* m = j->Match(k);
        const int h = m->IdEquipe(0), a = m->IdEquipe(1);
        TLigneSaisie l;
        if (h != Vide) {
            l.Domicile = saison.NomEquipeCourant(h);
            l.NumeroDomicile = h;
        }
        if (a != Vide) {
            l.Exterieur = saison.NomEquipeCourant(a);
            l.NumeroExterieur = a;
        }
        l.ScoreDomicile = TexteScore(m->Score(0));
        l.ScoreExterieur = TexteScore(m->Score(1));
        l.Qualifie = static_cast<uint8_t>(c->QualifieMatch(n, h, a));
        if (const TPenalite* p = c->Penalites().Cherche(h, a, n))
            l.Etat = p->Type;
        if (const TPenaltyTab* t = c->Penalty(n, h, a); t && !l.ScoreDomicile.empty())
            l.TirsAuBut = (static_cast<uint32_t>(t->s1) << 16) + t->s2;
        v.push_back(std::move(l));
    }
    // The third-place match stands in the last row whatever its place among
    // the matches of the cup's last matchday (it may come before the final's
    // match there).
    if (const int petite = c ? LignePetiteFinale(*c, n) : -1; petite >= 0 && j) {
        std::vector<TLigneSaisie> finale, autres;
        for (int k = 0; k < j->NbMatchs(); ++k)
            (EstPetiteFinale(*c, n, *j->Match(k)) ? autres : finale).push_back(std::move(v[static_cast<size_t>(k)]));
        if (!autres.empty() && finale.size() < static_cast<size_t>(petite))
            finale.resize(static_cast<size_t>(petite));
        for (TLigneSaisie& l : autres)
            finale.push_back(std::move(l));
        v = std::move(finale);
    }
    return v;
}

int NbLignesJournee(const TDonneesChampionnat& c, int n)
{
    const TInfoCompJour* j = c.Journee(n);
    return std::max(c.NbMatchJournee(n), j ? j->NbMatchs() : 0);
}

TEcritureJournee EcritJournee(TSaison& saison, const std::vector<TLigneSaisie>& lignes, bool dateVisible,
                              uint32_t dateJournee, const std::vector<TEquipeListee>& listees, bool quittee)
{
    TEcritureJournee r;
    TDonneesChampionnat* c = saison.ChampionnatCourant();
    if (!c)
        return r;
    const int n = c->NbJournee;
    const bool systemeDate = c->SystemeDate();
    // 1., 2. The matches of the matchday wait aside; row i was loaded from
    // match i.
    const bool existait = c->Journee(n) != nullptr;
    std::vector<std::unique_ptr<TInfoComp>> attente = existait ? c->Journees().VideJournee(n)
                                                               : std::vector<std::unique_ptr<TInfoComp>>{};
    std::vector<const TInfoComp*> origine;
    for (const auto& m : attente)
        origine.push_back(m.get());
    auto reprend = [&](const TInfoComp* cible) -> std::unique_ptr<TInfoComp> {
        for (auto it = attente.begin(); it != attente.end(); ++it)
            if (it->get() == cible) {
                auto m = std::move(*it);
                attente.erase(it);
                return m;
            }
        return nullptr;
    };
    auto enAttente = [&](int h, int a) -> const TInfoComp* {
        for (const auto& m : attente)
            if (m->IdEquipe(0) == h && m->IdEquipe(1) == a)
                return m.get();
        return nullptr;
    };
    // 3.
    c->Penalites().SupprimeJournee(n);

    std::vector<uint8_t> traitees(static_cast<size_t>(c->NbEquipe()), 0);
    // The records of a matchday name a team, not its match: those of a team
    // that stands in another row stay with that row's match.
    auto lignesEquipe = [&](int t) {
        int k = 0;
        for (const TLigneSaisie& l : lignes)
            if (!l.Domicile.empty() && !l.Exterieur.empty())
                k += IdEquipeSaisie(saison, l.Domicile, l.NumeroDomicile) == t ||
                     IdEquipeSaisie(saison, l.Exterieur, l.NumeroExterieur) == t;
        return k;
    };
    auto effaceDonnees = [&](int t, bool compo, int lignesPermises = 1) {
        if (lignesEquipe(t) > lignesPermises)
            return;
        const int p = c->IndexEquipe(t);
        if (p >= 0 && traitees[static_cast<size_t>(p)] == 0) {
            traitees[static_cast<size_t>(p)] = 1;
            c->SupprimeDonneesEquipe(t, n, false);
        }
        if (compo && p >= 0) {
            const int positions[1] = {p};
            c->EffaceCompositions(n, positions, 0);
        }
    };

    // 4.
    for (size_t i = 0; i < lignes.size(); ++i) {
        const TLigneSaisie& l = lignes[i];
        // An incomplete row changes the matchday only by the pairing it no
        // longer holds (counted below with the pairings left waiting).
        if (l.Domicile.empty() || l.Exterieur.empty())
            continue;
        const int h = IdEquipeSaisie(saison, l.Domicile, l.NumeroDomicile);
        const int a = IdEquipeSaisie(saison, l.Exterieur, l.NumeroExterieur);
        if (h < 0 || a < 0) {
            // A name of no team: the row is left out and its match kept.
            if (i < origine.size())
                if (auto m = reprend(origine[i]))
                    c->Journees().AjouteMatch(n, std::move(m), 0, origine[i]->CleOrdre());
            continue;
        }
        const uint32_t date = l.AvecDate ? DateTexte(l.Date) : (dateVisible ? dateJournee : 0);
        TInfoComp* match = nullptr;
        if (const TInfoComp* ancien = enAttente(h, a)) {
            const int32_t cle = ancien->CleOrdre();
            const auto avant = std::find(origine.begin(), origine.end(), ancien) - origine.begin();
            match = c->Journees().AjouteMatch(n, reprend(ancien), date, cle);
            if (match && c->Journee(n)->IndexObjetMatch(match) != avant)
                r.Change = true;
        } else {
            effaceDonnees(h, true);
            effaceDonnees(a, true);
            c->SupprimePenalty(n, h, a);
            if (existait)
                if (TInfoComp* m = c->Journees().MatchEquipes(n, h, a, -1, false, 0)) {
                    m->SetAffluence(0);
                    for (int k = 1; k <= 3; ++k)
                        m->SetOfficiel(k, -1);
                    m->SetStade(0);
                }
            if (!c->Journee(n) && n > c->NbJour())
                c->SetNbJournees(n);
            // A matchday made for the row has the matchday's date, not the match's.
            if (int k = n; !c->Journee(n))
                c->Journees().CreeJournee(k, dateVisible ? dateJournee : 0);
            match = c->Journees().MatchEquipes(n, h, a, -1, true, date);
            r.Change = true;
        }
        if (!match)
            continue;
        // 5. The state records carry the scores of this row.
        const int sh = ScoreTexte(l.ScoreDomicile), sa = ScoreTexte(l.ScoreExterieur);
        const bool sansScore = sh == Vide || sa == Vide;
        const int rh = sansScore ? Vide : sh, ra = sansScore ? Vide : sa;
        if (l.Etat == etatForfait)
            c->Penalites().AjoutePenalite(h, a, rh, ra, n);
        else if (l.Etat == etatSurTapis || l.Etat == etatReporte || l.Etat == etatArrete || l.Etat == etatNonRecu)
            c->Penalites().Ajoute(h, a, rh, ra, n, l.Etat);
        // 6.
        // A shoot-out the row's score no longer follows is kept aside with
        // the score it was entered for, which gives it back.
        if (sansScore) {
            if (match->Score(0) != Vide || match->Score(1) != Vide)
                r.Change = true;
            c->EcritScoreTirs(n, h, a, Vide, Vide, 0);
            effaceDonnees(h, false);
            effaceDonnees(a, false);
            continue;
        }
        TListeDonnees* buteurs = c->ListeButeurs(n);
        const int nouveaux[2] = {sh, sa};
        const int equipes[2] = {h, a};
        for (int cote = 0; cote < 2; ++cote) {
            const uint16_t mot = match->Score(cote);
            const int ancien = mot == Vide ? Vide : (mot & 0x7FFF);
            if (mot != Vide && ancien > nouveaux[cote] && buteurs)
                buteurs->SupprimeEquipes({equipes[cote]});
            if (ancien != nouveaux[cote])
                r.Change = true;
        }
        c->EcritScoreTirs(n, h, a, sh, sa, l.TirsAuBut);
        // A tie the row leaves without a winner keeps none.
        if (l.Qualifie == 0 || l.Qualifie == 1) {
            r.Change = r.Change || c->QualifieMatch(n, h, a) != l.Qualifie;
            c->SetQualifieMatch(n, h, a, l.Qualifie == 1);
        } else
            for (int cote = 0; cote < 2; ++cote)
                if (const uint16_t mot = match->Score(cote); mot != Vide && (mot & TInfoComp::Qualifie)) {
                    match->SetScore(cote, mot & 0x7FFF);
                    r.Change = true;
                }
    }
    // 5. Pairings no row holds any more go with the waiting list, and so do
    // the records of their teams that play no other match of the matchday.
    if (!attente.empty()) {
        r.Change = true;
        const TInfoCompJour* jn = c->Journee(n);
        for (const auto& m : attente) {
            // Its shoot-out goes with it: a match made again for the pair
            // starts without one.
            c->SupprimePenalty(n, m->IdEquipe(0), m->IdEquipe(1));
            for (int cote = 0; cote < 2; ++cote)
                if (!jn || jn->IndexMatchEquipe(m->IdEquipe(cote)) < 0)
                    effaceDonnees(m->IdEquipe(cote), false);
        }
    }
    attente.clear();
    // 6. An empty date goes. The last one stays while it is shown; one the
    // page leaves for another date goes too, so that a date picked, or passed
    // by while a date is typed or walked in the calendar, and then left with
    // nothing entered leaves no matchday.
    if (systemeDate && c->Journees().SupprimeJourneeVide(n, quittee))
        r.Supprimee = n;
    // 7.
    if (r.Change) {
        c->DerniereJournee = static_cast<uint8_t>(c->CalculeDerniereJournee());
        if (r.Supprimee < 0)
            for (const TEquipeListee& e : listees) {
                const int id = IdEquipeSaisie(saison, e.Nom, e.Numero);
                if (id >= 0)
                    effaceDonnees(id, true, 0);
            }
    }
    saison.InvalideStats();
    return r;
}

// ---- cup ties -----------------------------------------------------------------------------

std::vector<TMatchCoupe> MatchsLignes(const TSaison& saison, const std::vector<TLigneSaisie>& lignes)
{
    std::vector<TMatchCoupe> v;
    for (const TLigneSaisie& l : lignes) {
        TMatchCoupe m;
        m.Domicile = IdEquipeSaisie(saison, l.Domicile, l.NumeroDomicile);
        m.Exterieur = IdEquipeSaisie(saison, l.Exterieur, l.NumeroExterieur);
        if (const int sh = ScoreTexte(l.ScoreDomicile), sa = ScoreTexte(l.ScoreExterieur); sh != Vide && sa != Vide) {
            m.ScoreDomicile = sh;
            m.ScoreExterieur = sa;
        }
        m.Qualifie = l.Qualifie;
        m.TirsAuBut = l.TirsAuBut;
        v.push_back(m);
    }
    return v;
}

TMatchsCoupe MatchsCoupe(const TSaison& saison, const TDonneesChampionnat& c, int n,
                         const std::vector<TLigneSaisie>& lignes)
{
    return MatchsCoupe(c, n, MatchsLignes(saison, lignes));
}

std::string TexteEcart(const TSaison& saison, const TEcartTableau& x)
{
    auto nom = [&](int e) { return e >= 0 ? saison.NomEquipe(e) : std::string(); };
    if (x.Texte == 4953)
        return TraduireFormat(4953, {nom(x.Equipe)});
    if (x.Texte == 4952)
        return TraduireFormat(4952, {nom(x.Domicile), nom(x.Exterieur), nom(x.Equipe)});
    return TraduireFormat(x.Texte, {nom(x.Domicile), nom(x.Exterieur)});
}

std::string LibelleMatchRemplace(const TSaison& saison, const TMatchRemplace& m)
{
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    const TInfoComp* x = c ? c->MatchEquipes(m.Journee, m.Domicile, m.Exterieur) : nullptr;
    std::string match = saison.NomEquipeCourant(m.Domicile);
    match += ' ';
    if (x && x->ScoresSaisis()) {
        match += IntToStr(x->Score(0) & 0x7FFF);
        match += "\xA0-\xA0";
        match += IntToStr(x->Score(1) & 0x7FFF);
    } else
        match += '-';
    match += ' ';
    match += saison.NomEquipeCourant(m.Exterieur);
    const bool troisieme = x && EstPetiteFinale(*c, m.Journee, *x);
    return TraduireFormat(4803, {troisieme ? Traduire(3924) : LibelleJournee(saison, m.Journee), match});
}

int TexteCompetition(const TSaison& saison, const TDonneesChampionnat* c, int texte)
{
    // each text that speaks of "the cup", and the same of a play-off
    static const std::pair<int, int> barrage[] = {{4800, 5955}, {4950, 5956}, {4955, 5957}, {5300, 5958},
                                                  {5371, 5959}, {5370, 5960}, {5784, 5961}, {5787, 5962},
                                                  {5910, 5918}, {5911, 5919}};
    const TDescNoeud* n = c ? saison.Arbre().NoeudChampionnat(c) : nullptr;
    if (!n || !n->Parent() || !n->Parent()->Barrage())
        return texte;
    for (const auto& [coupe, b] : barrage)
        if (coupe == texte)
            return b;
    return texte;
}

std::string TexteTirsSansEffet(uint32_t tirs)
{
    return TraduireFormat(6131, {TirsDomicile(tirs), TirsExterieur(tirs)});
}

std::string QuestionCoupe(const TSaison& saison, int question, const std::vector<TMatchRemplace>& nommes)
{
    std::string texte = Traduire(TexteCompetition(saison, saison.ChampionnatCourant(), question));
    for (const TMatchRemplace& m : nommes)
        texte += '\n' + LibelleMatchRemplace(saison, m);
    return texte + '\n' + Traduire(question + 1);
}

std::string QuestionRetours(const TDonneesChampionnat& c)
{
    const int h = c.NbJour() / 2;
    return TraduireFormat(5780, {h + 1, c.NbJour(), h}) + '\n' + TraduireFormat(5781, {h + 1}) + '\n' +
           TraduireFormat(5782, {h + 1}) + '\n' + Traduire(5783);
}

std::string AdversairesSeuls(const TSaison& saison, const TDonneesChampionnat& c, const TChangementCoupe& x)
{
    std::string texte;
    auto part = [&](int e) { return std::find(x.Retirees.begin(), x.Retirees.end(), e) != x.Retirees.end(); };
    for (size_t d = 0; d < x.Avant.size(); ++d)
        for (const TMatchCoupe& m : x.Avant[d])
            if (m.Complet() && !m.Joue() && part(m.Domicile) != part(m.Exterieur)) {
                const int reste = part(m.Domicile) ? m.Exterieur : m.Domicile;
                texte += (texte.empty() ? "" : "\n") +
                         TraduireFormat(5785, {saison.NomEquipe(m.Domicile), saison.NomEquipe(m.Exterieur),
                                               LibelleJournee(c, static_cast<int>(d) + 1), saison.NomEquipe(reste)});
            }
    return texte;
}

std::string TexteCoupePleine(const TSaison& saison, const TPeseeCoupe& pesee, const std::vector<TAjoutEquipe>& ajouts)
{
    std::string noms;
    for (const TAjoutEquipe& a : ajouts)
        noms += (noms.empty() ? "" : ", ") + (a.Id >= 0 ? saison.NomEquipe(a.Id) : a.Nom);
    // One sentence for one team, another for several.
    const bool une = ajouts.size() == 1;
    return TraduireFormat(TexteCompetition(saison, saison.ChampionnatCourant(),
                                           pesee.Tiree ? (une ? 5370 : 5910) : (une ? 5787 : 5911)),
                          {pesee.Places, noms});
}

std::vector<std::string> VerifieTableau(const TSaison& saison, const TDonneesChampionnat& c, int n)
{
    std::vector<std::string> lignes;
    if (!c.Journee(n))
        return lignes;
    const TMatchsCoupe e = MatchsCoupe(c);
    for (const TEcartTableau& x : EcartsTableau(c, e, n))
        lignes.push_back(TexteEcart(saison, x));
    // A cup given more teams than its rounds have places (before its draw):
    // as many as are too many, the last that stand in no match, have none.
    const int places = TableauActif(c) ? Tableau(c, e).Places() : 0;
    int trop = c.NbEquipeRemplie() - places;
    std::vector<int> sans;
    for (int p = c.NbEquipe() - 1; places > 0 && p >= 0 && trop > 0; --p) {
        const int id = c.IdEquipe(p);
        if (id < 0 || id >= TInfoComp::ScoreVide)
            continue;
        const bool joue = std::any_of(e.begin(), e.end(), [id](const std::vector<TMatchCoupe>& j) {
            return std::any_of(j.begin(), j.end(), [id](const TMatchCoupe& m) { return m.Tient(id); });
        });
        if (!joue) {
            sans.insert(sans.begin(), id);
            --trop;
        }
    }
    for (const int id : sans)
        lignes.push_back(TraduireFormat(TexteCompetition(saison, &c, 5784), {places, saison.NomEquipe(id)}));
    return lignes;
}

std::vector<std::pair<int, int>> MatchsACompleter(const TDonneesChampionnat& c, int n, int& cible)
{
    std::vector<std::pair<int, int>> v;
    cible = 0;
    // (the last matchday completes too: a final's second leg)
    if (n < 1 || n > c.NbJour())
        return v;
    if (!c.TourCoupe(n - 1))
        return v;
    const TMatchsCoupe e = MatchsCoupe(c);
    const TTableau t = Tableau(c, e);
    const int r = t.TourJournee(n);
    if (r < 0)
        return v;
    const TTour& tour = t.Tours[static_cast<size_t>(r)];
    const int premier = tour.Premier;
    cible = premier < n ? n : premier + 1;
    if (cible > tour.Dernier)
        return v;
    const uint32_t type = c.TourCoupe(premier - 1)->TypeMatch;
    static const uint32_t avecRetour[] = {21, 22, 23, 54, 55, 66, 68, 87};
    if (std::find(std::begin(avecRetour), std::end(avecRetour), type) == std::end(avecRetour))
        return v;
    const bool memeOrdre = type != 21 && type != 66 && type != 68 && (cible - premier == 1 || cible - premier == 4);
    const std::vector<TMatchCoupe> deja = cible <= static_cast<int>(e.size()) ? e[static_cast<size_t>(cible - 1)]
                                                                              : std::vector<TMatchCoupe>{};
    for (const TTie& x : tour.Ties) {
        const int h = x.Domicile, a = x.Exterieur;
        // A tie decided before the target plays no more; a team that already
        // plays there keeps its match.
        // Beyond its second match, a tie plays on only once the matches
        // before have been played and left it undecided.
        if (h < 0 || a < 0 || (x.Decision != 0 && x.Decision < cible) ||
            (cible > premier + 1 && MatchAvantAJouer(e, tour, x, cible)) ||
            std::any_of(deja.begin(), deja.end(), [&](const TMatchCoupe& m) { return m.Tient(h) || m.Tient(a); }) ||
            std::any_of(v.begin(), v.end(), [&](const auto& m) { return m.first == h || m.second == h || m.first == a || m.second == a; }))
            continue;
        v.push_back(memeOrdre ? std::pair{h, a} : std::pair{a, h});
    }
    return v;
}

bool CompleteCoupe(TDonneesChampionnat& c, int n)
{
    int cible = 0;
    const std::vector<std::pair<int, int>> v = MatchsACompleter(c, n, cible);
    if (v.empty())
        return false;
    const TMatchsCoupe e = MatchsCoupe(c);
    const std::vector<TMatchCoupe> avant = cible <= static_cast<int>(e.size()) ? e[static_cast<size_t>(cible - 1)]
                                                                               : std::vector<TMatchCoupe>{};
    std::vector<TMatchCoupe> apres = avant;
    for (const auto& [h, a] : v) {
        TMatchCoupe m;
        m.Domicile = h;
        m.Exterieur = a;
        m.Troisieme = 0;   // a tie's own match, wherever it stands
        apres.push_back(m);
    }
    TChangementCoupe x = ChangementJournee(c, cible, avant, apres, {});
    // Each leg goes before the first match of a later tie and before the
    // third-place match, where the page showed it to play: the matchday keeps
    // the order of its ties when it is shown again.
    const TTableau t = Tableau(c, e);
    const int r = t.TourJournee(cible);
    const TTour tour = r >= 0 ? t.Tours[static_cast<size_t>(r)] : TTour{};
    auto tie = [&](int h, int a) { return tour.TieDe(h, a); };
    x.Ecrit = [&](TDonneesChampionnat& championnat) {
        for (const auto& [h, a] : v) {
            TInfoComp* m = championnat.Journees().MatchEquipes(cible, h, a, -1, true, 0);
            TInfoCompJour* j = championnat.Journee(cible);
            if (!m || !j)
                continue;
            const int rang = tie(h, a);
            for (const TMatchCoupe& d : avant) {
                const TInfoComp* suivant =
                    d.Complet() ? championnat.MatchEquipes(cible, d.Domicile, d.Exterieur) : nullptr;
                if (suivant && (d.Troisieme == 1 || (rang >= 0 && tie(d.Domicile, d.Exterieur) > rang))) {
                    j->DeplaceMatch(j->IndexObjetMatch(m), j->IndexObjetMatch(suivant));
                    break;
                }
            }
        }
    };
    return ChangeCoupe(c, x, nullptr).Faite;
}

std::string LibelleJournee(const TSaison& saison)
{
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    return c ? LibelleJournee(saison, c->NbJournee) : std::string();
}

std::string LibelleJournee(const TSaison& saison, int n)
{
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    return c ? LibelleJournee(*c, n) : std::string();
}

std::string LibelleJournee(const TDonneesChampionnat& championnat, int n)
{
    const TDonneesChampionnat* c = &championnat;
    // A matchday of a championship run by dates is its date; one without a
    // date yet, its number.
    if (c->SystemeDate() && TGestionDate::Jour(c->DateJournee(n)) != 0)
        return TraduireFormat(1481, {TGestionDate::DateVersTexte(c->DateJournee(n))});
    if (!c->EstCoupe())
        return TraduireFormat(151, {n});
    return NomTourCoupe(*c, n);
}

bool TrieMatchsClassement(TSaison& saison)
{
    TDonneesChampionnat* c = saison.ChampionnatCourant();
    if (!c || c->EstCoupe())
        return false;
    const int n = c->NbJournee;
    TInfoCompJour* j = c->Journee(n);
    if (!j || j->NbMatchs() < 2)
        return false;
    // Rows already typed keep the order the user left them in.
    for (int k = 0; k < j->NbMatchs(); ++k) {
        const TInfoComp* m = j->Match(k);
        if (m->Score(0) != TInfoComp::ScoreVide || m->Score(1) != TInfoComp::ScoreVide ||
            c->Penalites().Cherche(m->IdEquipe(0), m->IdEquipe(1), n))
            return false;
    }
    TCalculClassement calcul(c, &saison);
    const int lignes = calcul.Calcule(clsGeneral, 1, n, nullptr, true);
    bool deplace = false;
    int libre = 0;
    for (int r = 0; r < lignes && libre < j->NbMatchs(); ++r) {
        const int id = c->IdEquipe(calcul.ValeurLigne(r, 1));
        for (int k = libre; k < j->NbMatchs(); ++k) {
            const TInfoComp* m = j->Match(k);
            if (m->IdEquipe(0) == id || m->IdEquipe(1) == id) {
                if (k != libre) {
                    j->DeplaceMatch(k, libre);
                    deplace = true;
                }
                ++libre;
                break;
            }
        }
    }
    return deplace;
}

// ---- a sheet a forfeit erases -------------------------------------------------------------

std::string TexteFeuillePerdue(const TSaison& saison, TDonneesChampionnat& c, int n, int h, int a)
{
    const TFeuilleMatch f = FeuilleMatch(c, n, h, a);
    if (f.Vide())
        return {};
    std::vector<std::string> parties;
    if (f.Evenements > 0)
        parties.push_back(TraduireFormat(IdTexteNombre(5701, 5709, f.Evenements), {f.Evenements}));
    if (f.Lignes > 0)
        parties.push_back(TraduireFormat(IdTexteNombre(5953, 5954, f.Lignes), {f.Lignes}));
    if (f.Compositions > 0)
        parties.push_back(Traduire(5702));
    if (f.Affluence != 0)
        parties.push_back(TraduireFormat(5703, {f.Affluence}));
    if (f.Officiels > 0)
        parties.push_back(TraduireFormat(IdTexteNombre(5704, 5710, f.Officiels), {f.Officiels}));
    std::string texte = TraduireFormat(5700, {saison.NomEquipe(h), saison.NomEquipe(a)});
    for (size_t i = 0; i < parties.size(); ++i)
        texte += (i == 0 ? " " : ", ") + parties[i];
    return texte + ".";
}
