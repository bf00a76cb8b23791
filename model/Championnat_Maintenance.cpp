#include "model/Championnat_Maintenance.h"

#include <algorithm>
#include <set>
#include <utility>

#include "model/ChampionnatStat.h"
#include "model/InfoComp.h"
#include "model/ListeDonnees.h"
#include "model/Utilities.h"

namespace {

// Each line-up slot of every match that holds a shirt number.
template <class C, class F>
void PourChaqueMaillot(C& c, F&& f)
{
    for (int n = 1; n <= c.Journees().Nombre(); ++n) {
        auto* j = c.Journee(n);
        for (int k = 0; j && k < j->NbMatchs(); ++k) {
            auto* m = j->Match(k);
            for (int cote = 0; cote < 2; ++cote) {
                const int e = m->IdEquipe(cote);
                if (m->Cote(e) != cote)
                    continue;
                for (int s = 1; s <= m->NbTitulaire() + m->NbRemp(); ++s)
                    if (m->Maillot(e, s) > 0)
                        f(*m, e, s);
            }
        }
    }
}

// The id at source's position of an id of source, in cible; -1 when none.
int IdCorrespondant(const TDonneesChampionnat& cible, const TDonneesChampionnat& source, int id)
{
    const int p = source.IndexEquipe(id);
    return p < 0 ? -1 : cible.IdEquipe(p);
}

void CopieComposition(const TInfoComp& de, int idDe, TInfoComp& vers, int idVers)
{
    const int nbTit = std::min(de.NbTitulaire(), vers.NbTitulaire());
    for (int s = 1; s <= nbTit; ++s)
        vers.SetJoueurTitulaire(idVers, s, de.JoueurTitulaire(idDe, s));
    if (de.CompositionSaisie(idDe))
        vers.SetCompositionSaisie(idVers);
    const int nbRemp = std::min(de.NbRemp(), vers.NbRemp());
    for (int r = 1; r <= nbRemp; ++r) {
        vers.SetValeurRemplacement(idVers, r, de.ValeurRemplacement(idDe, r, 1), 1);
        vers.SetValeurRemplacement(idVers, r, de.ValeurRemplacement(idDe, r, 3), 3);
        vers.SetValeurRemplacement(idVers, r, de.ValeurRemplacement(idDe, r, 5), 5);
    }
    // Starters, then the players coming on: never a slot past the last one.
    for (int s = 1; s <= nbTit; ++s)
        vers.SetNote(idVers, s, de.Note(idDe, s));
    for (int r = 1; r <= nbRemp; ++r)
        vers.SetNote(idVers, vers.NbTitulaire() + r, de.Note(idDe, de.NbTitulaire() + r));
}

}   // namespace

void CopieEnregistrements(const TDonneesChampionnat& cible, const TDonneesChampionnat& source,
                          const TListeDonnees& de, TListeDonnees& vers)
{
    for (int i = 0; i < de.Nombre(); ++i) {
        const TDonneesEvt* d = de.Donnee(i);
        const int equipe = IdCorrespondant(cible, source, d->IdEquipe());
        if (equipe < 0)
            continue;
        vers.Ajoute(TDonneesEvt::CreateId(d->IdJoueur(), equipe, d->Mot()));
    }
}

void CopieMatchsChampionnat(TDonneesChampionnat& cible, const TDonneesChampionnat& source,
                            const TCorrespondanceStade& stades)
{
    cible.NbJournee = source.NbJournee;
    for (int n = 1; n <= source.NbJour(); ++n) {
        const TInfoCompJour* j = source.Journee(n);
        if (!j)
            continue;
        for (int i = 0; i < j->NbMatchs(); ++i) {
            const TInfoComp& m = *j->Match(i);
            const int dom = IdCorrespondant(cible, source, m.IdEquipe(0));
            const int ext = IdCorrespondant(cible, source, m.IdEquipe(1));
            if (dom < 0 || ext < 0)
                continue;
            const int s1 = m.Score(0) == TInfoComp::ScoreVide ? TInfoComp::ScoreVide : m.Score(0) & 0x7FFF;
            const int s2 = m.Score(1) == TInfoComp::ScoreVide ? TInfoComp::ScoreVide : m.Score(1) & 0x7FFF;
            TInfoComp* c = cible.CreeMatch(n, dom, ext, s1, s2, -1);
            if (!c)
                continue;
            c->SetAffluence(m.Affluence());
            c->SetCommentaire(m.Commentaire());
            for (int k = 1; k <= 3; ++k)
                c->SetOfficiel(k, m.Officiel(k));
            c->SetDateMatch(m.DateMatch());
            c->SetStade(stades ? stades(m.Stade()) : m.Stade());
        }
    }
    const std::vector<uint8_t> types = cible.TypesDonnees();
    for (int n = 1; n <= source.NbJour(); ++n) {
        const TInfoCompJour* j = source.Journee(n);
        if (!j)
            continue;
        cible.SetDateJournee(n, source.DateJournee(n));
        for (int p = 0; p < std::min(cible.NbEquipe(), source.NbEquipe()); ++p) {
            const int idDe = source.IdEquipe(p), idVers = cible.IdEquipe(p);
            const TInfoComp* de = source.MatchEquipe(n, idDe);
            TInfoComp* vers = cible.MatchEquipe(n, idVers);
            if (de && vers)
                CopieComposition(*de, idDe, *vers, idVers);
        }
        const TInfoCompJour* jc = cible.Journee(n);
        if (!jc)
            continue;
        for (uint8_t t : types) {
            const TListeDonnees* l = j->Liste(t);
            TListeDonnees* lc = jc->Liste(t);
            if (l && lc)
                CopieEnregistrements(cible, source, *l, *lc);
        }
    }
}

void RemplaceArbitresChampionnat(TDonneesChampionnat& c, const TPairesIds& paires)
{
    for (const auto& [ancien, nouveau] : paires)
        for (int n = 1; n <= c.NbJour(); ++n)
            if (const TInfoCompJour* j = c.Journee(n))
                for (int i = 0; i < j->NbMatchs(); ++i) {
                    TInfoComp& m = *j->Match(i);
                    for (int k = 1; k <= 3; ++k)
                        if (m.Officiel(k) == ancien)
                            m.SetOfficiel(k, nouveau);
                }
}

TInfoComp* DernierMatchArbitre(const TDonneesChampionnat& c, int32_t id, int domicile, int exterieur, int& n)
{
    for (n = std::min(n, c.NbJour() + 1) - 1; n >= 1; --n) {
        const TInfoCompJour* j = c.Journee(n);
        if (!j)
            continue;
        for (int i = 0; i < j->NbMatchs(); ++i) {
            TInfoComp* m = j->Match(i);
            const bool equipe = m->Cote(domicile) >= 0 || m->Cote(exterieur) >= 0;
            if (equipe && (m->Officiel(1) == id || m->Officiel(2) == id || m->Officiel(3) == id))
                return m;
        }
    }
    n = 0;
    return nullptr;
}

std::vector<TDatePerdue> DatesPerdues(const TDonneesChampionnat& c, uint16_t drapeaux)
{
    std::vector<TDatePerdue> v;
    if ((drapeaux & 4) || !(c.Option(11) & 4))
        return v;
    for (int n = 1; n <= c.Journees().Nombre(); ++n) {
        const TInfoCompJour* j = c.Journee(n);
        for (int k = 0; j && k < j->NbMatchs(); ++k) {
            const TInfoComp* m = j->Match(k);
            if (TGestionDate::Jour(m->DateMatch()) != 0 && m->DateMatch() != j->Date())
                v.push_back({n, m->IdEquipe(0), m->IdEquipe(1), m->DateMatch()});
        }
    }
    return v;
}

bool ChangeDrapeauxDates(TDonneesChampionnat& c, uint16_t drapeaux)
{
    const uint16_t avant = c.Option(11);
    bool change = avant != drapeaux;
    c.SetOption(11, drapeaux);
    // Left, the dates of the matches are their matchdays' (the file keeps
    // none then); taken, no match has a date of its own yet (each shows its
    // matchday's until one is entered), whatever the dates the matches held
    // while none was kept.
    if (((avant ^ drapeaux) & 4) != 0) {
        const bool gardees = (drapeaux & 4) != 0;
        for (int n = 1; n <= c.Journees().Nombre(); ++n) {
            const TInfoCompJour* j = c.Journee(n);
            for (int k = 0; j && k < j->NbMatchs(); ++k)
                if (TInfoComp* m = j->Match(k); m->DateMatch() != (gardees ? 0 : j->Date())) {
                    m->SetDateMatch(gardees ? 0 : j->Date());
                    change = true;
                }
        }
    }
    if (!(avant & 8) && c.SystemeDate()) {
        std::vector<const TInfoCompJour*> ordre;
        for (int n = 1; n <= c.Journees().Nombre(); ++n)
            ordre.push_back(c.Journee(n));
        c.Journees().TrieParDate();
        for (int n = 1; n <= c.Journees().Nombre(); ++n)
            change = change || n > static_cast<int>(ordre.size()) || ordre[static_cast<size_t>(n - 1)] != c.Journee(n);
        change = change || c.Journees().Nombre() != static_cast<int>(ordre.size());
    }
    if ((avant & 16) && !(drapeaux & 16))
        PourChaqueMaillot(c, [&](TInfoComp& m, int equipe, int slot) {
            m.SetMaillot(equipe, slot, 0);
            change = true;
        });
    if (change)
        c.DerniereJournee = static_cast<uint8_t>(c.CalculeDerniereJournee());
    return change;
}

int MaillotsPerdus(const TDonneesChampionnat& c, uint16_t drapeaux)
{
    int n = 0;
    if ((c.Option(11) & 16) && !(drapeaux & 16))
        PourChaqueMaillot(c, [&](const TInfoComp&, int, int) { ++n; });
    return n;
}

TFeuilleMatch FeuilleMatch(TDonneesChampionnat& c, int n, int domicile, int exterieur)
{
    TFeuilleMatch f;
    const TInfoComp* m = c.MatchEquipes(n, domicile, exterieur);
    if (!m)
        return f;
    // A box score keeps one record per figure of a player's line.
    const bool lignes = dynamic_cast<const TDonneesChampionnatStat*>(&c) != nullptr;
    std::set<std::pair<int, int32_t>> joueurs;
    for (TListeDonnees* l : c.ListesDonnees(n))
        for (int i = 0; l && i < l->Nombre(); ++i)
            if (const TDonneesEvt* d = l->Donnee(i); d->IdEquipe() == domicile || d->IdEquipe() == exterieur) {
                if (lignes)
                    joueurs.insert({d->IdEquipe(), d->IdJoueur()});
                else
                    ++f.Evenements;
            }
    f.Lignes = static_cast<int>(joueurs.size());
    for (const int e : {domicile, exterieur})
        if (m->CompositionSaisie(e))
            ++f.Compositions;
    f.Affluence = std::max(0, m->Affluence());   // -1: none entered
    for (int k = 1; k <= 3; ++k)
        if (m->Officiel(k) > 0)
            ++f.Officiels;
    return f;
}

void EffaceFeuilleMatch(TDonneesChampionnat& c, int n, int domicile, int exterieur)
{
    for (TListeDonnees* l : c.ListesDonnees(n))
        if (l)
            l->SupprimeEquipes({domicile, exterieur});
    if (TInfoComp* m = c.MatchEquipes(n, domicile, exterieur)) {
        m->SetAffluence(0);
        for (int k = 1; k <= 3; ++k)
            m->SetOfficiel(k, -1);
        const int positions[2] = {c.IndexEquipe(domicile), c.IndexEquipe(exterieur)};
        c.EffaceCompositions(n, positions, 1);
    }
}
