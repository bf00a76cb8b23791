// The competitions tree of a season built from the composition window's entry
// list.
#include "files/ConstructionSaison.h"

#include <algorithm>

#include "files/ImportChampionnat.h"
#include "files/TraiteurFichier.h"
#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/Dialogs.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "ui/message2.h"

namespace {

bool ImporteLigne(const TListObj& o, TModeConstruction mode)
{
    if (o.Fichier.empty())
        return false;
    return mode == TModeConstruction::Nouvelle ? o.Championnat == nullptr : o.Index == -1;
}

// Copies of the competition data the lines link to: the season's nodes that
// hold them are freed when the tree is emptied.
class TCopiesDonnees
{
public:
    explicit TCopiesDonnees(const TListeEntrees& entrees)
    {
        for (const TEntreeSaison& e : entrees)
            for (const TDonneesCompetition* d : {e.Lien, e.Objet ? e.Objet->Lien : nullptr})
                if (d && std::none_of(copies_.begin(), copies_.end(), [&](auto& p) { return p.first == d; }))
                    copies_.emplace_back(d, *d);
    }
    void Copie(TDescNoeud* n, const TDonneesCompetition* lien) const
    {
        if (!n || !lien)
            return;
        for (auto& [cle, copie] : copies_)
            if (cle == lien) {
                TDonneesCompetition* d = n->CreeDonneesCompetition();
                d->Arbitres = copie.Arbitres;
                d->Stades = copie.Stades;
            }
    }

private:
    std::vector<std::pair<const TDonneesCompetition*, TDonneesCompetition>> copies_;
};

bool LitFichiers(const TListeEntrees& entrees, int sport, const std::string& dossierDll, TModeConstruction mode,
                 TFichiersEntrees& sources)
{
    sources.clear();
    sources.resize(entrees.size());
    for (size_t i = 0; i < entrees.size(); ++i) {
        const TEntreeSaison& e = entrees[i];
        if (e.Niveau != 3 || !e.Objet || !ImporteLigne(*e.Objet, mode))
            continue;
        const std::string ext = LowerCase(ExtractFileExt(e.Objet->Fichier));
        uint8_t etat = etatPasSaison;
        try {
            if (ext.size() == 4 && ext.substr(0, 3) == ".xm")
                etat = TTraiteurFichier::ChargeFichier(e.Objet->Fichier, sources[i], dossierDll, {},
                                                       EnsembleSport(sport), true, nullptr);
        } catch (const std::exception&) {
            etat = etatLecture;
        }
        if (etat == etatCharge && (!sources[i] || !sources[i]->ChampionnatCourant()))
            etat = etatSansChampionnat;
        if (etat != etatCharge) {
            std::string texte;
            TTraiteurFichier::MessageEtat(etat, FileNameToText(ExtractFileName(e.Objet->Fichier)), texte);
            if (texte.empty())
                texte = ExtractFileName(e.Objet->Fichier);
            Tf_MessageUtil::Affiche(texte, mbuValider);
            sources.clear();
            return false;
        }
    }
    return true;
}

bool Construit(TSaison& saison, const TListeEntrees& entrees, int sport, const std::string& dossierDll,
               TListeBarrages& barrages, TModeConstruction mode, TFichiersEntrees* lus)
{
    // 1. Every file is read before anything changes.
    TFichiersEntrees propres;
    if (!lus) {
        if (!LitFichiers(entrees, sport, dossierDll, mode, propres))
            return false;
        lus = &propres;
    }
    TFichiersEntrees& sources = *lus;
    sources.resize(entrees.size());

    // 2. The season's championships and play-offs are set aside.
    const TCopiesDonnees copies(entrees);
    auto CopieDonnees = [&](TDescNoeud* n, const TDonneesCompetition* lien) { copies.Copie(n, lien); };
    std::vector<std::unique_ptr<TDonneesChampionnat>> championnats;
    TListeBarrages anciens;
    TDonneesChampionnat* courant = saison.ChampionnatCourant();
    saison.SetChampionnatCourant(nullptr);
    saison.Arbre().Vide(&championnats, &anciens);
    for (auto& b : barrages)
        anciens.push_back(std::move(b));
    barrages.clear();

    auto prend = [&](const TListObj& o) -> std::unique_ptr<TDonneesChampionnat> {
        auto it = championnats.end();
        if (o.Championnat)
            it = std::find_if(championnats.begin(), championnats.end(),
                              [&](auto& c) { return c.get() == o.Championnat; });
        if (it == championnats.end() && !o.Championnat)
            it = std::find_if(championnats.begin(), championnats.end(),
                              [&](auto& c) { return c && c->CodeChamp == o.Code; });
        if (it == championnats.end())
            return nullptr;
        std::unique_ptr<TDonneesChampionnat> c = std::move(*it);
        championnats.erase(it);
        return c;
    };

    // 3. The lines, in order. Level-1 and level-2 nodes are made when a line
    // below them needs them, so that two divisions of one code stay apart.
    TDescNoeud& racine = saison.Arbre().Racine();
    std::string nom1 = Traduire(9), nom2 = Traduire(637);
    const TDonneesCompetition* lien1 = nullptr;
    const TDonneesCompetition* lien2 = nullptr;
    TDescNoeud* n1 = nullptr;
    TDescNoeud* n2 = nullptr;
    int32_t decalage = 0;
    auto noeud1 = [&]() {
        if (!n1) {
            n1 = racine.AjouteEnfantNomme(nom1);
            CopieDonnees(n1, lien1);
        }
        return n1;
    };
    auto noeud2 = [&]() {
        if (!n2) {
            n2 = noeud1()->AjouteEnfantNomme(nom2);
            CopieDonnees(n2, lien2);
        }
        return n2;
    };
    for (size_t i = 0; i < entrees.size(); ++i) {
        const TEntreeSaison& e = entrees[i];
        if (e.Niveau == 1) {
            nom1 = e.Nom;
            lien1 = e.Lien;
            n1 = n2 = nullptr;
            continue;
        }
        if (e.Niveau == 2) {
            if (const TNomStocke l = LitNomStocke(e.Nom); l.Forme == TNomStocke::CodeEtNom) {
                if (l.Code < 0) {
                    n2 = noeud1()->AjouteEnfantNomme(NomStockeCode(-1, l.Texte));
                    CopieDonnees(n2, e.Lien);
                    continue;
                }
                auto b = std::find_if(anciens.begin(), anciens.end(),
                                      [&](auto& p) { return p && (p->Code | 0x8000) == (l.Code | 0x8000); });
                if (b != anciens.end()) {
                    // The play-off keeps its number; bit 0x8000 of its code
                    // tells that its championships were created (its node's
                    // name names it with or without the bit, as the reader
                    // takes it).
                    n2 = noeud1()->AjouteEnfantNomme(e.Nom);
                    n2->SetBarrage(std::move(*b));
                    anciens.erase(b);
                    CopieDonnees(n2, e.Lien);
                    continue;
                }
            }
            nom2 = e.Nom;
            lien2 = e.Lien;
            n2 = nullptr;
            continue;
        }
        if (!e.Objet)
            continue;
        std::unique_ptr<TDonneesChampionnat> c;
        if (sources[i]) {
            c = TImportChampionnat::ImporteSaison(std::move(sources[i]), saison, decalage);
            if (c)
                c->CodeChamp = e.Objet->Code;
        } else {
            c = prend(*e.Objet);
        }
        if (!c)
            continue;
        c->SetSaison(&saison);
        c->SetSaisonListes(&saison);
        if (c->CodeChamp < 1 || saison.Arbre().ChampionnatParCode(c->CodeChamp))
            c->CodeChamp = saison.Arbre().CodeMax() + 1;
        TDescNoeud* n3 = noeud2()->AjouteEnfantNomme(e.Nom);
        n3->SetChampionnat(std::move(c));
        CopieDonnees(n3, e.Objet->Lien);
    }

    // 4. What no line filed leaves the season.
    const bool garde = courant && std::none_of(championnats.begin(), championnats.end(),
                                               [&](auto& c) { return c.get() == courant; });
    if (mode == TModeConstruction::Complete && garde)
        saison.SetChampionnatCourant(courant);
    else
        saison.SelectionneChampionnat(-1);
    return true;
}

}  // namespace

bool TTraiteurFichier::ConstruitSaison(TSaison& saison, const TListeEntrees& entrees, int sport,
                                       const std::string& dossierDll, TListeBarrages& barrages,
                                       TFichiersEntrees* lus)
{
    return Construit(saison, entrees, sport, dossierDll, barrages, TModeConstruction::Nouvelle, lus);
}

bool TTraiteurFichier::CompleteSaison(TSaison& saison, const TListeEntrees& entrees, int sport,
                                      const std::string& dossierDll, TListeBarrages& barrages,
                                      TFichiersEntrees* lus)
{
    return Construit(saison, entrees, sport, dossierDll, barrages, TModeConstruction::Complete, lus);
}

bool TTraiteurFichier::LitFichiersEntrees(const TListeEntrees& entrees, int sport, const std::string& dossierDll,
                                          TModeConstruction mode, TFichiersEntrees& lus)
{
    return LitFichiers(entrees, sport, dossierDll, mode, lus);
}
