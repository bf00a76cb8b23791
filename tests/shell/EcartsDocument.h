// The walker's oracle: two documents of one season compared record by record.
//
// A document is read as the writer writes it (one element a line, a leaf's
// text on its line) and every leaf becomes a line "path = value", each step
// of the path keyed by what names the element: a player, coach or referee
// by his number, a team by its id, a club record by its club, a stadium by
// its code, a championship by its code, a matchday by its number, a match by
// its two teams, a tree entry by its id; anything else by its place among
// the elements of its name. The lines that are not in both documents are
// the differences, and each is put down to the record it lies in:
//   - a player, coach or referee: named by his name and first name (both,
//     as whole words, in one text), or by his club or national team in a
//     question (a team's deletion names its squad);
//   - a team, a previous club, a country, a category, a stadium, a
//     statistics name: by its name; a tree entry (keyed by its level and
//     name, its id being its rank): by its name or an entry's above it,
//     and once gone, by an entry's that was under it;
//   - a club record: by its team's name or its own name;
//   - a match: by one of its two teams or a player of theirs, when its
//     championship is one the windows are on; or by a text naming its
//     championship (or a tree entry above it); the size of its line-ups is
//     its championship's;
//   - the rest of a championship (options, matchday dates, penalties,
//     groups, rounds) or of a play-off: by the championship's name or the
//     name of a tree entry above it (taking an entry out of the tree takes
//     what lies under it), or by the windows being on it;
//   - a championship's teams in their order (and their categories): by any
//     of those teams, or as the championship is;
//   - the championship current: by the windows being on it;
//   - what the season holds beside (save options, the season's own fields):
//     by a card or dialog validated on the gesture's way.
// Namesakes are told apart by nothing but their names: a change to the
// namesake of a player named passes.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "model/ioXml.h"
#include "platform/rtl/Strings.h"

namespace marche {

struct TNoeudXml
{
    std::string nom, attributs, texte;
    std::vector<TNoeudXml> enfants;
    const TNoeudXml* Enfant(const std::string& n) const
    {
        for (const TNoeudXml& e : enfants)
            if (e.nom == n)
                return &e;
        return nullptr;
    }
    // A leaf's text as the program reads it (its escapes undone).
    std::string Texte(const std::string& n) const
    {
        const TNoeudXml* e = Enfant(n);
        return e ? DecodeTexteXml(e->texte) : std::string();
    }
    std::string Attribut(const std::string& n) const
    {
        const size_t p = attributs.find(n + "=\"");
        if (p == std::string::npos)
            return {};
        const size_t d = p + n.size() + 2;
        return attributs.substr(d, attributs.find('"', d) - d);
    }
};

// The writer's shapes only: start tags, end tags, texts between.
inline TNoeudXml LitXml(const std::string& doc)
{
    TNoeudXml racine;
    std::vector<TNoeudXml*> pile{&racine};
    size_t i = 0;
    std::string texte;
    while (i < doc.size()) {
        if (doc[i] != '<') {
            texte += doc[i++];
            continue;
        }
        const size_t f = doc.find('>', i);
        if (f == std::string::npos)
            break;
        std::string tag = doc.substr(i + 1, f - i - 1);
        i = f + 1;
        if (!tag.empty() && (tag[0] == '?' || tag[0] == '!'))
            continue;
        if (!tag.empty() && tag[0] == '/') {
            while (!texte.empty() && (texte.back() == '\r' || texte.back() == '\n'))
                texte.pop_back();
            if (pile.size() > 1) {
                if (pile.back()->enfants.empty())
                    pile.back()->texte = texte;
                pile.pop_back();
            }
            texte.clear();
            continue;
        }
        texte.clear();
        TNoeudXml n;
        const size_t blanc = tag.find(' ');
        n.nom = tag.substr(0, blanc);
        if (blanc != std::string::npos)
            n.attributs = tag.substr(blanc + 1);
        pile.back()->enfants.push_back(std::move(n));
        pile.push_back(&pile.back()->enfants.back());
    }
    return racine;
}

// A record: how the gestures may name it.
struct TEnregistrement
{
    std::string cle;                               // "Joueur 7", "Match 1/2 Lens-Nantes"...
    std::vector<std::vector<std::string>> noms;    // alternatives, each its parts
    std::vector<std::string> proprietaires;        // what a question may name instead
    int champ = -1;                                // the championship it lies in (code)
    std::vector<std::string> champNoms;            // its name and those of the entries above it
    bool equipes = false;                          // a championship's teams in their order
    std::vector<std::string> dessous;              // a tree entry: the names of the entries under it
    bool retire = false;                           // there before, gone after
    bool match = false;                            // a match (named by a team and its championship)
    bool saison = false;                           // the season's own fields
};

struct TEcart
{
    TEnregistrement rec;
    std::string avant, apres;   // its first line that differs, before and after
    std::string Ligne() const { return (avant.empty() ? "" : "- " + avant) + (avant.empty() || apres.empty() ? "" : "; ") + (apres.empty() ? "" : "+ " + apres); }
};

namespace detail {

// Tree names of the document: championships by code, the others by id.
struct TIndex
{
    std::map<std::string, std::string> equipes, desc;
    // championships and play-offs by code, tree entries by key: their name
    // and the names of the entries above them (taking an entry out takes
    // what is under it)
    std::map<std::string, std::vector<std::string>> champs, barrages, arbre;
    std::map<std::string, std::vector<std::string>> dessous;   // tree entries: the names under them
    std::vector<std::string> cles{""};                          // the keys of the entries above, by level
    std::multimap<std::string, std::vector<std::string>> joueurs;   // by team: the names of its players
};

inline std::string SansCode(std::string v)
{
    // "#n#name" is a name stored with its template code
    if (v.size() > 1 && v[0] == '#') {
        const size_t p = v.find('#', 1);
        if (p != std::string::npos)
            return v.substr(p + 1);
    }
    return v;
}

inline TIndex Index(const TNoeudXml& racine)
{
    TIndex x;
    std::vector<std::string> pile{""};   // the tree entries above, by level
    std::function<void(const TNoeudXml&, const std::string&)> parcours = [&](const TNoeudXml& n,
                                                                             const std::string& parent) {
        if (n.nom == "Equipe" && parent == "Equipes")
            x.equipes[n.Texte("ID")] = n.Texte("Nom");
        if (n.nom == "Joueur" && parent == "Joueurs")
            for (const char* e : {"ClubActuel", "EquipeNational"})
                x.joueurs.insert({n.Texte(e), {n.Texte("Nom"), n.Texte("Prenom")}});
        if (n.nom == "Desc") {
            x.desc[n.Texte("ID")] = SansCode(n.Texte("Valeur"));
            const long niveau = std::atol(n.Texte("Level").c_str());
            const std::string v = n.Texte("Valeur");
            const size_t rang = static_cast<size_t>(std::clamp<long>(niveau % 16, 1, 3));
            pile.resize(rang);
            std::vector<std::string> noms{SansCode(v)};
            for (size_t k = 1; k < rang; ++k)
                noms.push_back(pile[k]);
            pile.push_back(SansCode(v));
            x.arbre[n.Texte("Level") + ":" + v] = noms;
            // the entries above know the names of those under them
            for (size_t k = 1; k < rang && k < x.cles.size(); ++k)
                x.dessous[x.cles[k]].push_back(SansCode(v));
            x.cles.resize(rang);
            x.cles.push_back(n.Texte("Level") + ":" + v);
            x.dessous[n.Texte("Level") + ":" + v];
            if (niveau % 16 == 3 && niveau >= 16)
                x.champs[std::to_string(niveau / 16)] = noms;
            else if (v.size() > 2 && v[0] == '#' && v.find('#', 1) != std::string::npos)
                x.barrages[std::to_string(std::atoi(v.c_str() + 1) & 0x7FFF)] = noms;   // a play-off: its code
        }
        for (const TNoeudXml& e : n.enfants)
            parcours(e, n.nom);
    };
    parcours(racine, "");
    return x;
}

struct TAplati
{
    std::map<std::pair<std::string, std::string>, int> lignes;   // (record, line) -> count
    std::map<std::string, TEnregistrement> recs;
};

inline void Aplatit(const TNoeudXml& n, const std::string& parent, std::string chemin, const TEnregistrement& rec,
                    const TIndex& x, TAplati& a, std::map<std::string, int>& rangs)
{
    TEnregistrement r = rec;
    std::string cle;
    auto personne = [&](const std::string& genre) {
        r = {};
        r.cle = genre + " " + n.Texte("Numero");
        r.noms = {{n.Texte("Nom"), n.Texte("Prenom")}};
        for (const char* e : {"ClubActuel", "EquipeNational"})
            if (x.equipes.count(n.Texte(e)))
                r.proprietaires.push_back(x.equipes.at(n.Texte(e)));
        cle = n.Texte("Numero");
    };
    if (n.nom == "Joueur" && parent == "Joueurs")
        personne("Joueur");
    else if (n.nom == "Entraineur" && parent == "Entraineurs")
        personne("Entraineur");
    else if (n.nom == "Personnel" && parent == "Arbitres")
        personne("Arbitre");
    else if (n.nom == "Equipe" && (parent == "Equipes" || parent == "ClubPrec")) {
        r = {};
        cle = n.Texte("ID");
        r.cle = (parent == "Equipes" ? "Equipe " : "ClubPrec ") + cle;
        r.noms = {{n.Texte("Nom")}};
    }
    else if (n.nom == "Stade" && parent == "Stades") {
        r = {};
        cle = n.Texte("Code");
        r.cle = "Stade " + cle;
        r.noms = {{n.Texte("NomStade")}};
    }
    else if (n.nom == "RensClub") {
        r = {};
        cle = n.Texte("Club");
        r.cle = "RensClub " + cle;
        const std::string equipe = x.equipes.count(cle) ? x.equipes.at(cle) : cle;
        r.noms = {{equipe}, {n.Texte("Nom")}};
        r.proprietaires = {equipe};
    }
    else if ((n.nom == "Nom" && parent == "ListePays") || n.nom == "StatChampNom") {
        r = {};
        cle = n.texte;
        r.cle = n.nom + " " + n.texte;
        r.noms = {{DecodeTexteXml(n.texte)}};
    }
    else if (n.nom == "categorie" && parent == "categories") {
        r = {};
        cle = n.Attribut("ID");
        r.cle = "Categorie " + cle;
        r.noms = {{n.Texte("nom")}, {n.Texte("nomcourt")}};
    }
    else if (n.nom == "Desc") {
        // by its level and name: the ids are numbered afresh as the tree is
        // written, so an entry taken out would move every later one
        r = {};
        cle = n.Texte("Level") + ":" + n.Texte("Valeur");
        r.cle = "Arbre " + cle;
        for (const std::string& v : x.arbre.count(cle) ? x.arbre.at(cle) : std::vector<std::string>{})
            r.noms.push_back({v});
        if (x.dessous.count(cle))
            r.dessous = x.dessous.at(cle);
    }
    else if (n.nom == "DescCompetition") {
        r = {};
        cle = x.desc.count(n.Texte("Code")) ? x.desc.at(n.Texte("Code")) : n.Texte("Code");
        r.cle = "Competition " + cle;
        r.noms = {{cle}};
    }
    else if (n.nom == "Championnat" && parent == "Championnats") {
        r = {};
        cle = n.Texte("CodeChamp");
        r.cle = "Championnat " + cle;
        r.champNoms = x.champs.count(cle) ? x.champs.at(cle) : std::vector<std::string>{"#" + cle};
        r.champ = std::atoi(cle.c_str());
    }
    else if (n.nom == "Barrage" && parent == "Championnats") {
        r = {};
        cle = n.Texte("Code");
        r.cle = "Barrage " + cle;
        const std::string code = std::to_string(std::atoi(cle.c_str()) & 0x7FFF);
        for (const std::string& v : x.barrages.count(code) ? x.barrages.at(code) : std::vector<std::string>{"#" + cle})
            r.noms.push_back({v});
    }
    else if ((n.nom == "Conversion" || n.nom == "categorie") && parent == "Championnat") {
        // the teams in their order, and their categories in that order
        r.cle = rec.cle + " equipes";
        r.noms.clear();
        r.equipes = true;
        std::string ids = n.nom == "Conversion" ? n.texte : "";
        for (size_t d = 0; !ids.empty();) {
            const size_t f = ids.find('-', d);
            const std::string id = ids.substr(d, f == std::string::npos ? std::string::npos : f - d);
            if (x.equipes.count(id))
                r.noms.push_back({x.equipes.at(id)});
            if (f == std::string::npos)
                break;
            d = f + 1;
        }
    }
    else if (n.nom == "Journee")
        cle = n.Attribut("Numero");
    else if (n.nom == "Match" && rec.champ >= 0 && !n.enfants.empty()) {
        const std::string e1 = n.Texte("e1"), e2 = n.Texte("e2");
        cle = e1 + "-" + e2;
        r.cle = rec.cle + " match " + e1 + "-" + e2;
        r.match = true;
        r.noms.clear();
        for (const std::string& e : {e1, e2}) {
            if (x.equipes.count(e))
                r.noms.push_back({x.equipes.at(e)});
            for (auto [i, fin] = x.joueurs.equal_range(e); i != fin; ++i)
                r.noms.push_back(i->second);
        }
        r.proprietaires.clear();
    }
    else if ((n.nom == "NbTitulaire" || n.nom == "NbRemp" ||
              (n.nom.rfind("ScorePeriode", 0) == 0 && n.enfants.empty() && n.texte.empty())) &&
             rec.match) {
        // a line-up's size, the periods a match holds no score for yet: the
        // championship's
        r.match = false;
        r.noms.clear();
        r.cle = r.cle.substr(0, r.cle.find(" match "));
    }
    else if (n.nom == "Code" && parent == "Championnats") {
        // the championship current: named by the windows that are on it
        r = {};
        r.cle = "Courant " + n.texte;
        r.champ = std::atoi(n.texte.c_str());
        r.champNoms = x.champs.count(n.texte) ? x.champs.at(n.texte) : std::vector<std::string>{"#" + n.texte};
    }
    else if (n.nom == "SaisonData") {
        r = {};
        r.cle = "Saison";
        r.saison = true;
    }
    const std::string base = chemin + "/" + n.nom + (cle.empty() ? "" : "[" + cle + "]");
    const int rang = rangs[base]++;
    chemin = base + (cle.empty() || rang > 0 ? "#" + std::to_string(rang) : "");
    if (!r.cle.empty())
        a.recs.emplace(r.cle, r);
    if (!n.attributs.empty())
        ++a.lignes[{r.cle, chemin + " @ " + n.attributs}];
    // (a tree entry's id is its rank, named by the entry the competition
    // data points to)
    const bool rangArbre = (n.nom == "ID" && parent == "Desc") || (n.nom == "Code" && parent == "DescCompetition");
    if (n.enfants.empty() && !rangArbre)
        ++a.lignes[{r.cle, chemin + " = " + n.texte}];
    std::map<std::string, int> sous;
    for (const TNoeudXml& e : n.enfants)
        Aplatit(e, n.nom, chemin, r, x, a, sous);
}

inline TAplati Aplatit(const std::string& doc)
{
    const TNoeudXml racine = LitXml(doc);
    const TIndex x = Index(racine);
    TAplati a;
    std::map<std::string, int> rangs;
    TEnregistrement document;
    document.cle = "Document";
    document.saison = true;
    for (const TNoeudXml& e : racine.enfants)
        Aplatit(e, "", "", document, x, a, rangs);
    a.recs.emplace(document.cle, document);
    return a;
}

}  // namespace detail

// The records that differ, each with its first differing line, in the order
// of their keys.
inline std::vector<TEcart> Ecarts(const std::string& avant, const std::string& apres)
{
    if (avant == apres)
        return {};
    const detail::TAplati a = detail::Aplatit(avant), b = detail::Aplatit(apres);
    std::map<std::string, TEcart> parRec;
    auto note = [&](const detail::TAplati& x, const detail::TAplati& y, bool avantCote) {
        for (const auto& [cle, n] : x.lignes) {
            const auto it = y.lignes.find(cle);
            if (it != y.lignes.end() && it->second == n)
                continue;
            TEcart& e = parRec[cle.first];
            std::string& ligne = avantCote ? e.avant : e.apres;
            if (ligne.empty())
                ligne = cle.second;
            // the names it has on either side
            for (const detail::TAplati* z : {&a, &b})
                if (const auto r = z->recs.find(cle.first); r != z->recs.end()) {
                    if (e.rec.cle.empty())
                        e.rec = r->second;
                    for (const auto& v : r->second.noms)
                        if (std::find(e.rec.noms.begin(), e.rec.noms.end(), v) == e.rec.noms.end())
                            e.rec.noms.push_back(v);
                    for (const auto& p : r->second.proprietaires)
                        if (std::find(e.rec.proprietaires.begin(), e.rec.proprietaires.end(), p) ==
                            e.rec.proprietaires.end())
                            e.rec.proprietaires.push_back(p);
                }
        }
    };
    note(a, b, true);
    note(b, a, false);
    std::vector<TEcart> v;
    for (auto& [cle, e] : parRec) {
        e.rec.retire = a.recs.count(cle) && !b.recs.count(cle);
        v.push_back(std::move(e));
    }
    return v;
}

// Every line that differs, field by field: its record, the line, and the side
// it stands on (before, or after).
struct TLigneEcart
{
    std::string rec, ligne;
    bool avant = true;
    bool operator<(const TLigneEcart& o) const
    {
        return std::tie(rec, ligne, avant) < std::tie(o.rec, o.ligne, o.avant);
    }
};

inline std::vector<TLigneEcart> LignesEcart(const std::string& avant, const std::string& apres)
{
    std::vector<TLigneEcart> v;
    if (avant == apres)
        return v;
    const detail::TAplati a = detail::Aplatit(avant), b = detail::Aplatit(apres);
    for (const auto* x : {&a, &b})
        for (const auto& [cle, n] : x->lignes) {
            const auto& y = x == &a ? b : a;
            const auto it = y.lignes.find(cle);
            if (it == y.lignes.end() || it->second != n)
                v.push_back({cle.first, cle.second, x == &a});
        }
    return v;
}

// ---- what a gesture named -----------------------------------------------------------------------
// A word or phrase stands whole in a text (no letter or digit glued to it),
// whatever the case.
inline bool MotDans(const std::string& mot, const std::string& texte)
{
    if (mot.empty())
        return false;
    const std::string m = AnsiUpperCase(mot), t = AnsiUpperCase(texte);
    auto lettre = [](unsigned char c) { return std::isalnum(c) || c >= 0xC0; };
    for (size_t p = t.find(m); p != std::string::npos; p = t.find(m, p + 1)) {
        const bool avant = p == 0 || !lettre(static_cast<unsigned char>(t[p - 1]));
        const bool apres = p + m.size() >= t.size() || !lettre(static_cast<unsigned char>(t[p + m.size()]));
        if (avant && apres)
            return true;
    }
    return false;
}

// The texts a gesture named, in groups: a row (its cells), a card (its
// boxes), a question. A name of several parts is named when one group holds
// them all.
struct TNomme
{
    std::vector<std::vector<std::string>> groupes;
    std::vector<std::string> questions;
    std::set<int> champs;   // championships the windows are on
    bool saison = false;    // a window that edits the season's own fields was validated

    bool Nomme(const std::vector<std::string>& parties, bool questionsSeules = false) const
    {
        auto dans = [&](const std::vector<std::string>& g) {
            for (const std::string& p : parties) {
                if (p.empty())
                    continue;
                bool vu = false;
                for (const std::string& t : g)
                    vu = vu || MotDans(p, t);
                if (!vu)
                    return false;
            }
            return !parties.empty();
        };
        for (const std::string& q : questions)
            if (dans({q}))
                return true;
        if (questionsSeules)
            return false;
        for (const auto& g : groupes)
            if (dans(g))
                return true;
        return false;
    }
    // What the record is allowed: named itself, or its owner named by a question.
    bool Accepte(const TEnregistrement& r) const
    {
        if (r.saison)
            return saison;
        bool texte = false;   // a text names the championship (or an entry above it)
        for (const std::string& n : r.champNoms)
            texte = texte || Nomme({n});
        const bool champ = texte || (r.champ >= 0 && champs.count(r.champ));
        if (r.champ >= 0 && !r.match && !r.equipes)
            return champ;
        bool nomme = false;
        for (const auto& n : r.noms)
            nomme = nomme || Nomme(n);
        for (const std::string& p : r.proprietaires)
            nomme = nomme || Nomme({p}, true);
        // a tree entry left empty goes with the last entry taken from under it
        if (r.retire)
            for (const std::string& d : r.dessous)
                nomme = nomme || Nomme({d});
        return r.match ? texte || (nomme && champ) : nomme || champ;
    }
};

}  // namespace marche
