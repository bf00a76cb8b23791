#include "files/ImportChampionnat.h"

#include <map>

#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/Championnat_Maintenance.h"
#include "model/Saison.h"
#include "model/Saison_Stats.h"
#include "model/Stades.h"
#include "model/TableauCoupe.h"
#include "platform/gui/Dialogs.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "ui/message2.h"

namespace {

// The tables of one import.
struct TTables
{
    std::map<int, int> equipes;        // source team id -> target team id
    std::map<int, int> clubsPrec;      // source previous club -> target
    std::map<int, int> stades;         // source stadium code -> kept code
    std::map<const TStade*, TStade*> stadesObjets;
    TSaison* cible = nullptr;
    TSaison* source = nullptr;
    int32_t decalageArbitres = 0;
    int32_t decalageJoueurs = 0;

    int Equipe(int id) const
    {
        auto it = equipes.find(id);
        return it != equipes.end() ? it->second : 65535;
    }
    uint16_t ClubPrec(uint16_t id) const
    {
        if (id == TPersonnel::Aucun)
            return id;
        auto it = clubsPrec.find(id);
        return static_cast<uint16_t>(it != clubsPrec.end() ? it->second : 0);
    }
    uint16_t Pays(uint16_t code) const
    {
        if (code == TListePays::Aucun)
            return code;
        return cible->Pays().AjoutePays(source->Pays().NomPays(code));
    }
    int32_t Joueur(int32_t id) const { return id > 0 && !JoueurNonDesigne(id) ? id + decalageJoueurs : id; }
    int32_t Arbitre(int32_t id) const { return id > 0 ? id + decalageArbitres : id; }
    int32_t Stade(int32_t code) const
    {
        if (code <= 0)
            return code;
        auto it = stades.find(code);
        return it != stades.end() ? it->second : 0;
    }
};

void RenommeJournees(TDonneesChampionnat& c, const TTables& t)
{
    const int nbTit = c.NbTitulaire();
    for (int n = 1; n <= c.NbJour(); ++n) {
        TInfoCompJour* j = c.Journee(n);
        if (!j)
            continue;
        for (int i = 0; i < j->NbMatchs(); ++i) {
            TInfoComp& m = *j->Match(i);
            for (int cote = 0; cote < 2; ++cote)
                if (m.IdEquipe(cote) != 65535)
                    m.SetIdEquipe(cote, t.Equipe(m.IdEquipe(cote)));
            for (int k = 1; k <= 3; ++k)
                m.SetOfficiel(k, t.Arbitre(m.Officiel(k)));
            m.SetStade(t.Stade(m.Stade()));
            for (int cote = 0; cote < 2; ++cote) {
                const int e = m.IdEquipe(cote);
                if (e == 65535)
                    continue;
                for (int s = 1; s <= std::max(nbTit, m.NbTitulaire()); ++s)
                    if (const int32_t id = m.JoueurTitulaire(e, s); id > 0)
                        m.SetJoueurTitulaire(e, s, t.Joueur(id));
                for (int r = 1; r <= m.NbRemp(); ++r)
                    for (int k : {1, 3})
                        if (const int32_t id = m.ValeurRemplacement(e, r, k); id > 0)
                            m.SetValeurRemplacement(e, r, t.Joueur(id), k);
                if (const int32_t cap = m.Capitaine(e); cap > 0)
                    m.SetCapitaine(e, t.Joueur(cap));
            }
        }
        // Shoot-outs name their teams.
        std::vector<TPenaltyTab> tirs;
        for (int i = 0; i < j->NbPenalty(); ++i)
            tirs.push_back(*j->PenaltyIndex(i));
        for (const TPenaltyTab& p : tirs)
            j->SupprimePenalty(p.e1, p.e2);
        for (const TPenaltyTab& p : tirs)
            j->AjoutePenalty(t.Equipe(p.e1), t.Equipe(p.e2), p.s1, p.s2);
        // Event records and box scores.
        for (TListeDonnees* l : c.ListesDonnees(n))
            for (int i = 0; l && i < l->Nombre(); ++i) {
                TDonneesEvt* d = l->Donnee(i);
                d->SetIdJoueur(t.Joueur(d->IdJoueur()));
                d->SetIdEquipe(t.Equipe(d->IdEquipe()));
            }
    }
    // Match states and point records.
    for (int i = 0; i < c.Penalites().Nombre(); ++i) {
        TPenalite* p = c.Penalites().Penalite(i);
        p->e1 = static_cast<uint16_t>(t.Equipe(p->e1));
        if (p->Type != penalitePointsRetires && p->Type != penalitePointsAjoutes)
            p->e2 = static_cast<uint16_t>(t.Equipe(p->e2));
    }
    // Named groups of teams.
    for (int g = 0; g < c.NbGroupes(); ++g) {
        TGroupeEquipe* groupe = c.Groupe(g);
        std::vector<int> ids;
        for (int i = 0; i < groupe->NbEquipe(); ++i)
            ids.push_back(groupe->Equipe(i));
        for (int id : ids)
            groupe->SupprimeEquipe(id);
        for (int id : ids)
            groupe->AjouteEquipe(t.Equipe(id));
    }
}

} // namespace

void TImportChampionnat::RenommeDonnees(TSaison& cible, TSaison& source, int32_t& decalageJoueurs,
                                        TDonneesChampionnat& c)
{
    TTables t;
    t.cible = &cible;
    t.source = &source;

    // 1. Previous clubs, every one of the source (the highest id included).
    for (int i = 0; i < source.NbClubPrec(); ++i) {
        int32_t id = 0;
        std::string nom;
        source.ClubPrecIndex(i, id, nom);
        if (id > 0 && !nom.empty())
            t.clubsPrec[id] = cible.ChercheClubPrec(nom, true);
    }

    // 2. Teams, by name.
    for (int i = 0; i < c.NbEquipe(); ++i) {
        const int ancien = c.IdEquipe(i);
        if (ancien < 0 || ancien == 65535)
            continue;
        const int nouveau = cible.AjouteEquipe(source.NomEquipe(ancien), -1, source.LogoEquipe(ancien), true);
        if (nouveau < 0)
            continue;
        t.equipes[ancien] = nouveau;
        c.SetIdEquipe(i, nouveau);
    }

    // 4. Referees: moved past the target's numbers; identical ones merged.
    t.decalageArbitres = cible.Arbitres().NumeroMax() + 1;
    TPairesIds pairesArbitres;
    for (auto& p : source.Arbitres().Vide()) {
        if (p->Numero > 0)
            p->Numero += t.decalageArbitres;
        p->CodePays = t.Pays(p->CodePays);
        cible.Arbitres().AjoutePersonnel(std::move(p), &pairesArbitres);
    }

    // 5. Players: numbers past the offset and the target's highest number.
    t.decalageJoueurs = std::max(decalageJoueurs, cible.Joueurs().NumeroMax());
    const int32_t maxSource = source.Joueurs().NumeroMax();
    TPairesIds pairesJoueurs;
    for (auto& j : source.Joueurs().Vide()) {
        j->SetSaison(&cible);
        j->Numero = t.Joueur(j->Numero);
        if (j->ClubActuel != TJoueur::Aucun)
            j->ClubActuel = static_cast<uint16_t>(t.Equipe(j->ClubActuel));
        if (j->EquipeNational != TJoueur::Aucun)
            j->EquipeNational = static_cast<uint16_t>(t.Equipe(j->EquipeNational));
        j->ClubPrec = t.ClubPrec(j->ClubPrec);
        j->CodePays = t.Pays(j->CodePays);
        cible.Joueurs().InsereJoueur(std::move(j), &pairesJoueurs);
    }

    // 6. Stadiums: codes moved past the target's; identical ones merged.
    const int32_t decalageStades = cible.Stades().CodeMax() + 1;
    for (auto& s : source.Stades().Vide()) {
        const TStade* ancien = s.get();
        const int codeSource = s->Code;
        if (s->Code != TStade::Aucun)
            s->Code = static_cast<uint16_t>(s->Code + decalageStades);
        s->CodePays = t.Pays(s->CodePays);
        TStade* garde = cible.Stades().AjouteStade(std::move(s), true);
        t.stadesObjets[ancien] = garde;
        if (codeSource != TStade::Aucun && garde)
            t.stades[codeSource] = garde->Code;
    }

    // 7. Club records with their stadiums and coaches.
    const int32_t decalageClubs = cible.RensClubs().CodeMax() + 1;
    std::vector<std::unique_ptr<TPersonnel>> doublons;
    for (auto& r : source.RensClubs().Vide()) {
        if (r->Code != TRensClub::Aucun)
            r->Code = static_cast<uint16_t>(r->Code + decalageClubs);
        r->Equipe = r->Equipe >= 0 ? t.Equipe(r->Equipe) : -1;
        if (r->Equipe == 65535)
            r->Equipe = -1;
        const std::vector<TStade*> stades = r->Stades();
        for (TStade* s : stades)
            r->RetireStade(s);
        for (TStade* s : stades) {
            auto it = t.stadesObjets.find(s);
            if (it != t.stadesObjets.end() && it->second)
                r->AjouteStade(it->second);
        }
        for (TStaff* staff : {r->President.get(), r->Secretaire.get(), r->Tresorier.get()})
            if (staff)
                staff->CodePays = t.Pays(staff->CodePays);
        const std::vector<TEntraineur*> entraineurs = r->Entraineurs();
        for (TEntraineur* e : entraineurs) {
            r->RetireEntraineur(e);
            std::unique_ptr<TPersonnel> u = source.Entraineurs().RetirePersonnel(e);
            if (!u)
                continue;   // not the source's coach: left out
            e->ClubActuel = r->Equipe >= 0 ? static_cast<uint16_t>(r->Equipe) : TEntraineur::Aucun;
            e->ClubPrec = t.ClubPrec(e->ClubPrec);
            e->CodePays = t.Pays(e->CodePays);
            e->Numero = -1;   // numbered by the target
            TPersonnel* garde = cible.Entraineurs().AjoutePersonnel(std::move(u), nullptr, &doublons);
            if (auto* ge = dynamic_cast<TEntraineur*>(garde))
                r->AjouteEntraineur(ge);
        }
        if (r->Equipe >= 0)
            cible.RensClubs().AjouteRensClub(std::move(r));
    }
    doublons.clear();

    // 8. The matchdays. A cup keeps the bracket its file gave it, under the
    // numbers of its new season.
    c.SetSaison(&cible);
    c.SetSaisonListes(&cible);
    RenommeJournees(c, t);
    RangePetiteFinale(c);
    ScelleCoupe(c);

    // 9. Merged players and referees.
    c.RemplaceJoueurs(pairesJoueurs);
    RemplaceArbitresChampionnat(c, pairesArbitres);

    // 10.
    decalageJoueurs = t.decalageJoueurs + maxSource;
    cible.InvalideStats();
}

std::unique_ptr<TDonneesChampionnat> TImportChampionnat::ImporteSaison(std::unique_ptr<TSaison> source,
                                                                      TSaison& cible, int32_t& decalageJoueurs,
                                                                      std::string* nomNoeud)
{
    if (!source || !source->ChampionnatCourant())
        return nullptr;
    TDonneesChampionnat* courant = source->ChampionnatCourant();
    if (nomNoeud) {
        const TDescNoeud* noeud = source->Arbre().NoeudChampionnat(courant);
        *nomNoeud = noeud ? noeud->Nom() : std::string();
    }
    RenommeDonnees(cible, *source, decalageJoueurs, *courant);
    // The championship leaves the source's tree; the rest is freed with it.
    std::vector<std::unique_ptr<TDonneesChampionnat>> championnats;
    source->SetChampionnatCourant(nullptr);
    source->Arbre().Vide(&championnats);
    std::unique_ptr<TDonneesChampionnat> resultat;
    for (auto& c : championnats)
        if (c.get() == courant)
            resultat = std::move(c);
    resultat->SetSaison(&cible);
    return resultat;
}

namespace {

uint8_t Charge(const std::string& nomFichier, int sport, const std::string& dossierDll,
               std::unique_ptr<TSaison>& source)
{
    const std::string ext = LowerCase(ExtractFileExt(nomFichier));
    if (ext.size() != 4 || ext.substr(0, 3) != ".xm")
        return etatPasSaison;
    return TTraiteurFichier::ChargeFichier(nomFichier, source, dossierDll, {}, EnsembleSport(sport), true, nullptr);
}

} // namespace

std::unique_ptr<TDonneesChampionnat> TImportChampionnat::ImporteChampionnat(const std::string& nomFichier,
                                                                           TSaison& cible, int sport,
                                                                           std::string& nomNoeud,
                                                                           int32_t& decalageJoueurs,
                                                                           const std::string& dossierDll)
{
    std::unique_ptr<TSaison> source;
    const uint8_t etat = Charge(nomFichier, sport, dossierDll, source);
    if (etat != etatCharge || !source || !source->ChampionnatCourant()) {
        std::string texte;
        TTraiteurFichier::MessageEtat(etat == etatCharge ? static_cast<uint8_t>(etatSansChampionnat) : etat,
                                      FileNameToText(ExtractFileName(nomFichier)),
                                      texte);
        Tf_MessageUtil::Affiche(texte, mbuValider);
        return nullptr;
    }
    return ImporteSaison(std::move(source), cible, decalageJoueurs, &nomNoeud);
}

std::unique_ptr<TDonneesChampionnat> TImportChampionnat::ImporteFichier(const std::string& nomFichier,
                                                                       TSaison& cible, int sport,
                                                                       int32_t& decalageJoueurs,
                                                                       const std::string& dossierDll)
{
    std::unique_ptr<TSaison> source;
    if (Charge(nomFichier, sport, dossierDll, source) != etatCharge)
        return nullptr;
    return ImporteSaison(std::move(source), cible, decalageJoueurs);
}
