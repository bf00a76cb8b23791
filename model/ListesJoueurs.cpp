#include "model/ListesJoueurs.h"

#include <algorithm>

#include "model/ChampionnatStat.h"
#include "model/Joueurs.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

// ---------------------------------------------------------------------------
// TListeNotes

void TListeNotes::AjouteNote(int32_t idJoueur, int note, int mode)
{
    auto it = std::find_if(notes_.begin(), notes_.end(), [&](const TNoteJoueur& n) { return n.IdJoueur >= idJoueur; });
    if (it != notes_.end() && it->IdJoueur == idJoueur) {
        ++it->NbNotes;
        it->Somme += note;
        return;
    }
    const TJoueurs* joueurs = JoueursSaison(saison_);
    TJoueur* j = joueurs ? joueurs->ChercheJoueur(idJoueur, 65535) : nullptr;
    if (!j)
        return;
    if ((mode == 0 && j->Poste != 0) || (mode == 1 && j->Poste == 0))
        return;
    TNoteJoueur n;
    n.Joueur = j;
    n.IdJoueur = idJoueur;
    n.NbNotes = 1;
    n.Somme = note;
    notes_.insert(it, n);
}

void TListeNotes::Trie()
{
    for (TNoteJoueur& n : notes_)
        n.Moyenne = n.NbNotes ? static_cast<double>(n.Somme) / n.NbNotes : 0;
    auto equipe = [&](const TNoteJoueur& n) {
        return saison_ && n.Joueur ? saison_->NomEquipe(n.Joueur->IdEquipe()) : std::string();
    };
    auto nom = [](const TNoteJoueur& n) { return n.Joueur ? n.Joueur->Nom : std::string(); };
    const size_t nb = notes_.size();
    for (size_t i = 0; i + 1 < nb; ++i)
        for (size_t j = i + 1; j < nb; ++j) {
            TNoteJoueur& a = notes_[i];
            TNoteJoueur& b = notes_[j];
            bool echange = b.Moyenne > a.Moyenne;
            if (!echange && b.Moyenne == a.Moyenne) {
                const int c = CompareStr(equipe(a), equipe(b));
                echange = c > 0 || (c == 0 && CompareStr(nom(a), nom(b)) > 0);
            }
            if (echange)
                std::swap(a, b);
        }
}

const TNoteJoueur* TListeNotes::Note(int i) const
{
    if (i < 0 || i >= Nombre())
        return nullptr;
    return &notes_[static_cast<size_t>(i)];
}

void TListeNotes::Supprime(int i)
{
    if (i >= 0 && i < Nombre())
        notes_.erase(notes_.begin() + i);
}

// ---------------------------------------------------------------------------
// TListeJoueur

TListeJoueur::TListeJoueur() = default;

TListeJoueur::~TListeJoueur() = default;

namespace {

std::string NomChoix(const TChoixJoueur& c)
{
    return c.Joueur() ? Trim(c.Joueur()->Nom) : std::string();
}

std::string PrenomChoix(const TChoixJoueur& c)
{
    return c.Joueur() ? c.Joueur()->Prenom : std::string();
}

int PosteChoix(const TChoixJoueur& c)
{
    return c.Joueur() ? c.Joueur()->NumeroPoste() : 0;
}

std::string Libelle(const std::string& nom, const std::string& prenom, int k)
{
    return nom + "  " + Copy(prenom, 1, k) + ".";
}

}   // namespace

void TListeJoueur::Insere(std::unique_ptr<TChoixJoueur> choix, bool parPoste)
{
    if (!choix)
        return;
    const std::string nom = NomChoix(*choix);
    const std::string prenom = PrenomChoix(*choix);
    const int poste = PosteChoix(*choix);

    int k = 0;
    for (const auto& autre : choix_) {
        if (NomChoix(*autre) != nom)
            continue;
        const std::string prenomAutre = PrenomChoix(*autre);
        const size_t commun = std::min(prenom.size(), prenomAutre.size());
        size_t d = 0;
        while (d < commun && AnsiLowerChar(static_cast<unsigned char>(prenom[d])) ==
                                 AnsiLowerChar(static_cast<unsigned char>(prenomAutre[d])))
            ++d;
        k = std::max(k, static_cast<int>(d) + 1);
        const std::string nouveau = Libelle(nom, prenom, k);
        choix->Texte = nouveau;
        if (autre->Texte == nom || nouveau.size() > autre->Texte.size())
            autre->Texte = Libelle(nom, prenomAutre, k);
    }
    if (k == 0)
        choix->Texte = nom;

    // Names in the order of the squads (accents and case aside, so that
    // "Bérard" comes before "Bonnet"), namesakes by first name.
    auto place = std::find_if(choix_.begin(), choix_.end(), [&](const auto& c) {
        int cmp = CompareNomPersonne(NomChoix(*c), nom);
        if (cmp == 0)
            cmp = CompareNomPersonne(PrenomChoix(*c), prenom);
        if (!parPoste)
            return cmp >= 0;
        const int p = PosteChoix(*c);
        return p > poste || (p == poste && cmp >= 0);
    });
    choix_.insert(place, std::move(choix));
}

TChoixJoueur* TListeJoueur::ChoixJoueur(int i) const
{
    if (i < 0 || i >= Nombre())
        return nullptr;
    return choix_[static_cast<size_t>(i)].get();
}

TChoixJoueur* TListeJoueur::ChercheNumero(int maillot) const
{
    for (const auto& c : choix_)
        if (c->Maillot() == maillot)
            return c.get();
    return nullptr;
}

TChoixJoueur* TListeJoueur::ChercheIdJoueur(int32_t id) const
{
    for (const auto& c : choix_)
        if (c->NumeroJoueur() == id)
            return c.get();
    return nullptr;
}

void TListeJoueur::Vide()
{
    choix_.clear();
}

void TexteSeparation(const TListeJoueur& liste, TStringList& cible, bool entetes, bool filtre)
{
    cible.Clear();
    auto item = [](uint32_t id, char marque, const std::string& texte) {
        std::string s(1, '\x01');
        s += IntToHex(id, 8);
        s += marque;
        s += texte;
        return s;
    };
    if (entetes) {
        cible.Add(item(0x0FFFFFFE, '\x04', Traduire(532)));
        cible.Add(item(0x0FFFFFFD, '\x04', Traduire(533)));
        cible.Add(item(0x0FFFFFFF, '\x04', std::string(19, '-')));
    }
    for (int i = 0; i < liste.Nombre(); ++i) {
        const TChoixJoueur& c = *liste.ChoixJoueur(i);
        if (filtre && c.Drapeau() != 0)
            continue;
        cible.Add(item(static_cast<uint32_t>(c.NumeroJoueur()), '\x01', c.Texte));
    }
}

// ---------------------------------------------------------------------------
// TListeTemps

TTempsJoueur* TListeTemps::Ajoute(std::unique_ptr<TTempsJoueur> t)
{
    if (!t)
        return nullptr;
    temps_.push_back(std::move(t));
    return temps_.back().get();
}

TTempsJoueur* TListeTemps::TempsJoueur(int i) const
{
    if (i < 0 || i >= Nombre())
        return nullptr;
    return temps_[static_cast<size_t>(i)].get();
}

TTempsJoueur* TListeTemps::ChercheJoueur(int32_t id) const
{
    for (const auto& t : temps_)
        if ((t->Joueur() ? t->Joueur()->Numero : 0) == id)
            return t.get();
    return nullptr;
}

void TListeTemps::RemetAZero()
{
    for (const auto& t : temps_)
        t->Compteurs[4] = 0;
}

void TListeTemps::Trie()
{
    std::stable_sort(temps_.begin(), temps_.end(), [](const auto& a, const auto& b) {
        if (a->Compteurs[0] != b->Compteurs[0])
            return a->Compteurs[0] > b->Compteurs[0];
        return a->Compteurs[1] > b->Compteurs[1];
    });
}
