// Two players made one: what the player kept takes over of the other, what
// is lost, the question that names both, and the merge itself.
#include <algorithm>
#include <functional>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"

namespace {

constexpr int TexteQuestion = 5840;   // %s fondu, %s garde, %s fondu, %s garde
constexpr int TexteRepris = 5841, TextePerdus = 5842;   // %s garde, %s the list
constexpr int TexteCarriere = 5843, TexteLePlusGrand = 5844, TexteSuite = 5845;
constexpr int TexteEquipeNationale = 5846, TexteMaillotNational = 5847, TextePhoto = 5848;
constexpr int TexteSansClub = 5990;   // %s fondu, %s garde, %s fondu, %s garde

// "2001-02"
std::string Saison(int annee)
{
    const int suivante = (annee + 1) % 100;
    return IntToStr(annee) + "-" + (suivante < 10 ? "0" : "") + IntToStr(suivante);
}

std::string Contrat(int c)
{
    if (c == 98)
        return Traduire(89);
    if (c == 1)
        return Traduire(90);
    return TraduireFormat(91, {IntToStr(c)});
}

// One thing of a player: how it reads, whether he has it, how it goes over.
struct TChampFusion
{
    int libelle;
    std::function<bool(const TJoueur&)> vide;
    std::function<std::string(const TJoueur&)> texte;
    std::function<void(TJoueur&, const TJoueur&)> reprend;
};

}  // namespace

TJoueur* TSaison::HomonymeTransfert(const TJoueur& j, int t) const
{
    // A national team leaves the club he is filed by as it is.
    const int club = ChampionnatCourantInternational() ? j.ClubActuel : t;
    TJoueur* h = joueurs_->Homonyme(&j, j.Nom, j.Prenom, club);
    // Filed again under the club he has, one who met him stays apart.
    if (h && club == j.ClubActuel && !FusionPermise(h->Numero, j.Numero))
        return nullptr;
    return h;
}

namespace {

// The one rule, read (bilan) or applied (garde given).
void Fusion(const TSaison& s, const TJoueur& g, const TJoueur& f, TJoueur* garde, TBilanFusion* bilan, bool demandee)
{
    auto repris = [&](const std::string& t) {
        if (bilan)
            bilan->Repris.push_back(t);
    };
    auto perdu = [&](const std::string& t) {
        if (bilan)
            bilan->Perdus.push_back(t);
    };
    constexpr uint16_t Aucun = TPersonnel::Aucun;
    const auto equipe = [&s](int id) { return s.NomEquipe(id); };
    const std::vector<TChampFusion> champs = {
        {1063, [](const TJoueur& j) { return j.DateNaissance == 0 || j.DateNaissance == 2; },
         [](const TJoueur& j) { return DateNaissanceVersTexte(j.DateNaissance); },
         [](TJoueur& a, const TJoueur& b) { a.DateNaissance = b.DateNaissance; }},
        {73, [](const TJoueur& j) { return j.Age == 0; }, [](const TJoueur& j) { return IntToStr(j.Age + 1900); },
         [](TJoueur& a, const TJoueur& b) { a.Age = b.Age; }},
        {1061, [](const TJoueur& j) { return j.Taille == 0; }, [](const TJoueur& j) { return IntToStr(j.Taille); },
         [](TJoueur& a, const TJoueur& b) { a.Taille = b.Taille; }},
        {1062, [](const TJoueur& j) { return j.Poids == 0; }, [](const TJoueur& j) { return IntToStr(j.Poids); },
         [](TJoueur& a, const TJoueur& b) { a.Poids = b.Poids; }},
        {304, [&s](const TJoueur& j) { return j.CodePays == Aucun || s.Pays().NomPays(j.CodePays).empty(); },
         [&s](const TJoueur& j) { return s.Pays().NomPays(j.CodePays); },
         [](TJoueur& a, const TJoueur& b) { a.CodePays = b.CodePays; }},
        {75, [&s](const TJoueur& j) { return j.ClubPrec == Aucun || s.NomClubPrec(j.ClubPrec).empty(); },
         [&s](const TJoueur& j) { return s.NomClubPrec(j.ClubPrec); },
         [](TJoueur& a, const TJoueur& b) { a.ClubPrec = b.ClubPrec; }},
        {790, [](const TJoueur& j) { return j.Maillot == 0; }, [](const TJoueur& j) { return IntToStr(j.Maillot); },
         [](TJoueur& a, const TJoueur& b) { a.Maillot = b.Maillot; }},
        {TexteMaillotNational, [](const TJoueur& j) { return j.MaillotNational == 0; },
         [](const TJoueur& j) { return IntToStr(j.MaillotNational); },
         [](TJoueur& a, const TJoueur& b) { a.MaillotNational = b.MaillotNational; }},
        {1064, [](const TJoueur& j) { return Trim(j.SelectionNationale).empty(); },
         [](const TJoueur& j) { return j.SelectionNationale; },
         [](TJoueur& a, const TJoueur& b) { a.SelectionNationale = b.SelectionNationale; }},
        {1065, [](const TJoueur& j) { return j.nSelectionNationale == 0; },
         [](const TJoueur& j) { return IntToStr(j.nSelectionNationale); },
         [](TJoueur& a, const TJoueur& b) { a.nSelectionNationale = b.nSelectionNationale; }},
        {789, [](const TJoueur& j) { return j.Contrat == 0 || j.Contrat == 99 || (j.Contrat > 90 && j.Contrat != 98); },
         [](const TJoueur& j) { return Contrat(j.Contrat); },
         [](TJoueur& a, const TJoueur& b) { a.Contrat = b.Contrat; }},
        {788, [](const TJoueur& j) { return j.Duree == 0; }, [](const TJoueur& j) { return IntToStr(j.Duree + 1900); },
         [](TJoueur& a, const TJoueur& b) { a.Duree = b.Duree; }},
        {TextePhoto, [](const TJoueur& j) { return j.Image <= 0; }, [](const TJoueur& j) { return IntToStr(j.Image); },
         [](TJoueur& a, const TJoueur& b) {
             a.Image = b.Image;
             a.TexteImage = b.TexteImage;
         }},
        {74, [](const TJoueur&) { return false; }, [](const TJoueur& j) { return j.LettrePoste(); }, nullptr},
    };
    // (a photo is named, not numbered)
    auto nomme = [](int libelle, const std::string& valeur) {
        return libelle == TextePhoto ? Traduire(libelle) : DeuxPoints(Traduire(libelle), valeur);
    };
    for (const TChampFusion& c : champs) {
        if (c.vide(f) || (!c.vide(g) && c.texte(g) == c.texte(f)))
            continue;
        if (c.vide(g) && c.reprend) {
            repris(nomme(c.libelle, c.texte(f)));
            if (garde)
                c.reprend(*garde, f);
        } else {
            perdu(nomme(c.libelle, c.texte(f)));
        }
    }

    // The links that file him: a national team; a club of a team of the
    // season when no namesake there would take him, in a merge asked for
    // (any other makes him one with a namesake of the club he goes to).
    if (demandee && f.ClubActuel != Aucun && f.ClubActuel != g.ClubActuel && !equipe(f.ClubActuel).empty()) {
        const TJoueur* autre = s.Joueurs().Homonyme(&g, g.Nom, g.Prenom, f.ClubActuel);
        const std::string t = nomme(1380, equipe(f.ClubActuel));
        if (g.ClubActuel == Aucun && (!autre || autre == &f)) {
            repris(t);
            if (garde) {
                TJoueurs& joueurs = garde->Saison()->Joueurs();
                std::unique_ptr<TJoueur> u = joueurs.RetireJoueur(garde);
                garde->ClubActuel = f.ClubActuel;
                if (u)
                    joueurs.InsereJoueur(std::move(u), nullptr);
            }
        } else {
            perdu(t);
        }
    }
    if (f.EquipeNational != Aucun && f.EquipeNational != g.EquipeNational && !equipe(f.EquipeNational).empty()) {
        const std::string t = nomme(TexteEquipeNationale, equipe(f.EquipeNational));
        if (g.EquipeNational == Aucun) {
            repris(t);
            if (garde)
                garde->Saison()->Joueurs().ChangeEquipeNationale(garde, f.EquipeNational);
        } else {
            perdu(t);
        }
    }

    // Career lines: each of his that the kept one does not hold the same.
    std::string lignes;
    for (int i = 0; i < f.NbHistorique(); ++i) {
        const TStatHistorique& h = *f.Historique(i);
        bool tenue = false;
        for (int k = 0; k < g.NbHistorique() && !tenue; ++k)
            tenue = *g.Historique(k) == h;
        if (tenue)
            continue;
        lignes = lignes.empty() ? Saison(h.StatAnnee) : Virgule(lignes, Saison(h.StatAnnee));
        if (garde)
            garde->AjouteHistorique(h);
    }
    if (!lignes.empty())
        repris(DeuxPoints(Traduire(69), lignes));

    // Career per championship: whole when the kept one has none there, else
    // the larger of each count.
    for (int i = 0; i < f.NbStatCarriere(); ++i) {
        const TListeStat* l = f.Carriere(i);
        if (!l)
            continue;
        const uint32_t code = l->IdChampionnat();
        bool tenue = false;
        for (int k = 0; k < g.NbStatCarriere() && !tenue; ++k)
            tenue = g.Carriere(k) && g.Carriere(k)->IdChampionnat() == code;
        std::string nom = s.NomStatChamp(static_cast<int>(code));
        if (nom.empty())
            nom = s.Arbre().NomCode(static_cast<int32_t>(code));
        if (nom.empty())
            nom = IntToStr(static_cast<int64_t>(code));
        const std::string t = TraduireFormat(TexteCarriere, {nom});
        bool plus = false, moins = false;
        std::vector<int> genres{0};
        for (int k = l->Premier(); k >= 1 && k <= l->Dernier(); ++k)
            genres.push_back(k);
        for (int k : genres) {
            const int a = g.StatCarriere(code, k), b = l->Valeur(k);
            plus = plus || b > a;
            moins = moins || b < a;
            if (garde && (b > a || !tenue))
                garde->SetStatCarriere(code, k, std::max(a, b));
        }
        if (!tenue)
            repris(t);
        else if (plus)
            repris(TraduireFormat(TexteLePlusGrand, {t}));
        else if (moins)
            perdu(t);
    }
}

}  // namespace

TBilanFusion TSaison::BilanFusion(const TJoueur& garde, const TJoueur& fondu, bool demandee) const
{
    TBilanFusion b;
    Fusion(*this, garde, fondu, nullptr, &b, demandee);
    return b;
}

void TSaison::ReporteFusion(TJoueur& garde, const TJoueur& fondu)
{
    Reporte(garde, fondu, false);
}

void TSaison::Reporte(TJoueur& garde, const TJoueur& fondu, bool demandee)
{
    if (&garde == &fondu)
        return;
    // The rule reads what he holds before anything of it changes.
    std::unique_ptr<TJoueur> avant = CopieJoueur(garde);
    if (!avant)
        return;
    Fusion(*this, *avant, fondu, &garde, nullptr, demandee);
}

namespace {

// A merge's question: its first lines, then what goes over and what is lost.
std::string Question(const TSaison& s, const TJoueur& garde, const TJoueur& fondu, bool demandee, std::string texte)
{
    const std::string g = s.NomJoueurEquipe(garde);
    const TBilanFusion b = s.BilanFusion(garde, fondu, demandee);
    auto liste = [](const std::vector<std::string>& v) {
        std::string l;
        for (const std::string& t : v)
            l = l.empty() ? t : TraduireFormat(TexteSuite, {l, t});
        return l;
    };
    for (const auto& [id, v] : {std::pair{TexteRepris, &b.Repris}, std::pair{TextePerdus, &b.Perdus}})
        if (!v->empty())
        {
            texte += '\n';
            texte += TraduireFormat(id, {g, liste(*v)});
        }
    return texte;
}

}  // namespace

std::string TSaison::QuestionFusion(const TJoueur& garde, const TJoueur& fondu, bool demandee) const
{
    const std::string g = NomJoueurEquipe(garde), f = NomJoueurEquipe(fondu);
    return Question(*this, garde, fondu, demandee,
                    demandee ? TraduireFormat(297, {g, f, g}) : TraduireFormat(TexteQuestion, {f, g, f, g}));
}

std::string TSaison::PhraseFusionSansClub(const TFusionSansClub& x) const
{
    const std::string g = NomJoueurEquipe(*x.Garde), f = NomJoueurEquipe(*x.Fondu);
    return Question(*this, *x.Garde, *x.Fondu, false, TraduireFormat(TexteSansClub, {f, g, f, g}));
}

TJoueur* TSaison::FusionneJoueurs(TJoueur* garde, TJoueur* fondu, bool demandee)
{
    if (!garde || !fondu || garde == fondu || joueurs_->IndexJoueur(garde) < 0 ||
        joueurs_->IndexJoueur(fondu) < 0 || !FusionPermise(garde->Numero, fondu->Numero))
        return nullptr;
    // Out of the list first: the kept one, filed again under a club of
    // fondu's, never meets him there.
    std::unique_ptr<TJoueur> f = joueurs_->RetireJoueur(fondu);
    Reporte(*garde, *f, demandee);
    TPairesIds paires{{f->Numero, garde->Numero}};
    // (the kept one's figures counted again with the other's records)
    AppliqueRenumerotation(paires);
    f.reset();
    return garde;
}
