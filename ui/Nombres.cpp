#include "ui/Nombres.h"

#include <climits>
#include <cstdint>

#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Mask.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Fond.h"
#include "ui/message2.h"

namespace nombres {

namespace {

// The season's years refused: %s the text shown.
constexpr int TexteSaisonRefusee = 6220;
// The first year of a season out of its bounds.
constexpr int TexteAnneesBornes = 3201;
// A year refused: %s the text shown.
constexpr int TexteAnneeRefusee = 3308;
constexpr int TexteBornes = 5003, TexteChiffres = 5001, TexteSigneChiffres = 5002;
constexpr int PremiereAnnee = 1900, DerniereAnnee = 2155;

// The reading a box keeps: a component it owns, freed with it.
class TLectureNombre : public TComponent
{
public:
    TLectureNombre(TWinControl* boite, TLecture l) : TComponent(boite), lecture(std::move(l)) {}
    TLecture lecture;
};

bool Chiffres(const std::string& t, size_t debut = 0)
{
    if (debut >= t.size())
        return false;
    for (size_t i = debut; i < t.size(); ++i)
        if (t[i] < '0' || t[i] > '9')
            return false;
    return true;
}

// The digits as a number; none past 18 of them.
std::optional<int64_t> Entier(const std::string& t, size_t debut = 0)
{
    if (!Chiffres(t, debut) || t.size() - debut > 18)
        return std::nullopt;
    int64_t v = 0;
    for (size_t i = debut; i < t.size(); ++i)
        v = v * 10 + (t[i] - '0');
    return v;
}

TLectureNombre* Declaree(const TWinControl* boite)
{
    if (!boite)
        return nullptr;
    for (int i = 0; i < boite->ComponentCount(); ++i)
        if (auto* l = dynamic_cast<TLectureNombre*>(boite->Components(i)))
            return l;
    return nullptr;
}

}  // namespace

TLecture Nombre(int bas, int haut, std::optional<int> vide)
{
    TLecture l;
    l.bas = bas;
    l.haut = haut;
    l.vide = vide;
    return l;
}

TLecture Annee(std::optional<int> vide)
{
    TLecture l;
    l.genre = TGenre::Annee;
    l.vide = vide;
    return l;
}

TLecture Saison()
{
    TLecture l;
    l.genre = TGenre::Saison;
    return l;
}

std::optional<int> Lit(const std::string& texte, const TLecture& lecture)
{
    const std::string t = Trim(texte);
    for (const auto& [mot, valeur] : lecture.mots)
        if (t == mot)
            return valeur;
    if (t.empty())
        return lecture.vide;
    switch (lecture.genre) {
    case TGenre::Nombre: {
        const bool signe = t[0] == '-' && lecture.bas < 0;
        const std::optional<int64_t> v = Entier(t, signe ? 1 : 0);
        if (!v)
            return std::nullopt;
        const int64_t n = signe ? -*v : *v;
        if (n < lecture.bas || n > lecture.haut)
            return std::nullopt;
        return static_cast<int>(n);
    }
    case TGenre::Annee: {
        const std::optional<int64_t> v = Entier(t);
        if (!v)
            return std::nullopt;
        if (t.size() <= 2)
            return PremiereAnnee + static_cast<int>(*v);
        if (t.size() != 4 || *v < PremiereAnnee || *v > DerniereAnnee)
            return std::nullopt;
        return static_cast<int>(*v);
    }
    case TGenre::Saison: {
        if (t.size() != 7 || t[4] != '/')
            return std::nullopt;
        const std::optional<int64_t> premiere = Entier(t.substr(0, 4)), seconde = Entier(t.substr(5, 2));
        if (!premiere || !seconde || *premiere < PremiereAnnee || *premiere > DerniereAnnee)
            return std::nullopt;
        return static_cast<int>(*premiere * 100 + *seconde);
    }
    }
    return std::nullopt;
}

std::string Motif(const std::string& texte, const TLecture& lecture)
{
    const std::string t = Trim(texte);
    if (lecture.refus)
        return TraduireFormat(lecture.refus, {t});
    switch (lecture.genre) {
    case TGenre::Annee:
        return TraduireFormat(TexteAnneeRefusee, {t});
    case TGenre::Saison:
        // Whole, but its first year out of the bounds: the bounds alone.
        if (t.size() == 7 && t[4] == '/' && Chiffres(t.substr(0, 4)) && Chiffres(t.substr(5, 2)))
            return Traduire(TexteAnneesBornes);
        return TraduireFormat(TexteSaisonRefusee, {t});
    case TGenre::Nombre:
        break;
    }
    if (lecture.bas == INT_MIN && lecture.haut == INT_MAX)
        return Traduire(TexteSigneChiffres);
    if (lecture.bas == 0 && lecture.haut == INT_MAX)
        return Traduire(TexteChiffres);
    return TraduireFormat(TexteBornes, {lecture.bas, lecture.haut});
}

void Declare(TWinControl* boite, TLecture lecture)
{
    if (!boite)
        return;
    if (TLectureNombre* l = Declaree(boite))
        l->lecture = std::move(lecture);
    else
        new TLectureNombre(boite, std::move(lecture));
}

const TLecture* LectureDe(const TWinControl* boite)
{
    const TLectureNombre* l = Declaree(boite);
    return l ? &l->lecture : nullptr;
}

TWinControl* BoiteLue(TComponent* composant)
{
    return dynamic_cast<TLectureNombre*>(composant) ? dynamic_cast<TWinControl*>(composant->Owner()) : nullptr;
}

std::optional<int> Valeur(const TWinControl* boite)
{
    const TLecture* l = LectureDe(boite);
    if (!l)
        return std::nullopt;
    return Lit(boite->Text(), *l);
}

bool Pesee(const TWinControl* boite)
{
    if (!boite || !boite->Visible() || !boite->Enabled())
        return false;
    for (const TWinControl* p = boite->Parent(); p; p = p->Parent())
        if (auto* page = dynamic_cast<const TTabSheet*>(p); page && page->PageControl() && !page->TabVisible())
            return false;
    return true;
}

void Refuse(TWinControl* boite, const std::string& motif)
{
    Tf_MessageUtil::Affiche(motif, mbuValider);
    for (TWinControl* p = boite->Parent(); p; p = p->Parent())
        if (auto* page = dynamic_cast<TTabSheet*>(p); page && page->PageControl())
            page->PageControl()->SetActivePage(page);
    if (boite->CanFocus())
        boite->SetFocus();
    if (auto* e = dynamic_cast<TEdit*>(boite))
        e->SelectAll();
    else if (auto* r = dynamic_cast<TEdition2*>(boite))
        r->SetSelectionne(true);
}

bool Accepte(TWinControl* boite)
{
    const TLecture* l = LectureDe(boite);
    if (!l || Lit(boite->Text(), *l))
        return true;
    // A masked box is named as it shows, its empty places as blanks.
    const auto* masque = dynamic_cast<const TMaskEdit*>(boite);
    Refuse(boite, Motif(masque ? masque->EditText() : boite->Text(), *l));
    return false;
}

}  // namespace nombres
