#include "setup/w_CreationBarrage.h"

#include <algorithm>

#include "engine/CalculClassement.h"
#include "model/Ages.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Penalites.h"
#include "model/Saison.h"
#include "model/TableauCoupe.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Strings.h"
#include "setup/Controles.h"
#include "setup/w_CreationCoupe.h"
#include "ui/message2.h"

using namespace setup;

namespace {

constexpr uint16_t Vide = 65535;
constexpr int64_t SansSource = -1;

int32_t CodeSource(int64_t objet) { return static_cast<int32_t>(objet & 0xFFFFFFFF); }
int PlaceSource(int64_t objet) { return static_cast<int>(objet >> 32); }

// Matchdays of a double round: 2(n - 1) for an even count, 2n for an odd one
// (each matchday has its bye).
int JourneesAllerRetour(int n) { return n < 2 ? 0 : ((n - 1) / 2) * 4 + 2; }

}  // namespace

TDonneesChampionnat* ChampionnatSource(const TDescTree& arbre, int32_t code)
{
    if (TDonneesChampionnat* c = arbre.ChampionnatParCode(code))
        return c;
    // Group 1 of a play-off played as one group: its one championship carries
    // no group number.
    if ((code & 0x8000) && (code >> 16) == 1)
        return arbre.ChampionnatParCode(code & 0xFFFF);
    return nullptr;
}

bool BarrageProposable(const TDescTree& arbre, const TDonneesBarrage& b)
{
    if (b.Code & 0x8000)
        return false;
    bool place = false;
    for (int i = 0; i < b.NbDivision(); ++i) {
        const TDivisionBarrage* d = b.Division(i);
        if (d->Places.empty())
            continue;
        if (!ChampionnatSource(arbre, d->Code))
            return false;
        place = true;
    }
    return place;
}

std::vector<TRencontreCoupe> TirageBarrage(TDonneesBarrage& b)
{
    const int n = b.NbTour();
    if (n < 1)
        return {};
    auto tour = [&](int t) { return b.TourCoupe(t); };
    const int nombre = std::max(tour(1)->NbMatch(), n - 1 < 16 ? 1 << (n - 1) : 1 << 15);
    TRencontreCoupe vide;
    std::fill(std::begin(vide.Valeur), std::end(vide.Valeur), Vide);
    std::vector<TRencontreCoupe> slots(static_cast<size_t>(nombre), vide);
    // A side naming a place of a group: the team enters at that round, from
    // the play-off's g-th source.
    auto entrant = [&](uint16_t v) {
        TRencontreCoupe e = vide;
        const int g = (v >> 8) & 0x7F;
        const TDivisionBarrage* d = b.Division(g - 1);
        e.Valeur[0] = static_cast<uint16_t>(d ? d->Code : g);
        e.Valeur[2] = static_cast<uint16_t>(v & 0xFF);
        return e;
    };
    auto estEntrant = [](const TRencontreCoupe& r) { return r.Valeur[1] == Vide && r.Valeur[3] == Vide; };
    int enCours = std::min(tour(n)->NbMatch(), nombre);
    for (int i = 0; i < enCours; ++i)
        slots[static_cast<size_t>(i)] = tour(n)->Rencontres()[i];
    for (int t = n - 1; t >= 1; --t) {
        TTourCoupe* r = tour(t);
        for (int j = enCours - 1; j >= 0; --j) {
            const TRencontreCoupe s = slots[static_cast<size_t>(j)];
            for (int cote = 1; cote >= 0; --cote) {
                const int k = 2 * j + cote;
                if (k >= nombre)
                    continue;
                TRencontreCoupe nouveau = vide;
                if (estEntrant(s)) {
                    if (cote == 0)
                        nouveau = s;
                } else if (const uint16_t v = s.Valeur[2 + cote]; v != Vide && (v & 0x8000)) {
                    nouveau = entrant(v);
                } else if (const int x = static_cast<int>(v) - 1; v != Vide && x >= 0 && x < r->NbMatch()) {
                    nouveau = r->Rencontres()[x];
                }
                slots[static_cast<size_t>(k)] = nouveau;
            }
        }
        enCours = nombre;
    }
    return slots;
}

Tf_CreeBarrage::Tf_CreeBarrage(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    PrepareFiche(this, "f_CreeBarrage", Traduire(898), 540, 480);
    FondCopie1 = Fond(this, this, "FondCopie1", 8, 8, 524, 420);
    Libelle(this, FondCopie1, "Label1", Traduire(263), 10, 10, 100);
    cb_Barrage = Place(new TComboBox(this), FondCopie1, "cb_Barrage", 110, 8, 300, 22);
    cb_Barrage->SetStyle(csDropDownList);
    cb_Barrage->OnChange = [this](TObject*) { AfficheDivisions(); };
    fs_Divisions = Place(new TScrollBox(this), FondCopie1, "fs_Divisions", 10, 40, 504, 370);
    fs_Divisions->SetColor(CouleurFondFonceDessin);
    b_Creation = Bouton(this, this, "b_Creation", Traduire(900), 110, 440);
    b_Creation->SetVisible(false);
    b_Creation->OnClick = [this](TObject*) { b_CreationClick(); };
    b_Continuer = Bouton(this, this, "b_Continuer", Traduire(27), 110, 440);
    b_Continuer->OnClick = [this](TObject*) { b_ContinuerClick(); };
    b_Annuler = Bouton(this, this, "b_Annuler", Traduire(125), 330, 440);
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    OnShow = [this](TObject*) { FormShow(); };
    DoCreate();
}

Tf_CreeBarrage::~Tf_CreeBarrage() = default;

void Tf_CreeBarrage::VideDivisions()
{
    for (auto& d : Divisions)
        delete d->Fond;
    Divisions.clear();
}

void Tf_CreeBarrage::VideGroupes()
{
    for (auto& g : Groupes)
        delete g->Fond;
    Groupes.clear();
}

void Tf_CreeBarrage::FormShow()
{
    if (!Saison || Saison->Arbre().ListeBarrages().empty()) {
        SetModalResult(5);
        return;
    }
    cb_Barrage->Items().Clear();
    offres_.clear();
    Saison->Arbre().Parcours(false, [&](TDescNoeud& n) {
        TDonneesBarrage* b = n.Barrage();
        // Offered once every source it takes places from exists.
        if (!b || !BarrageProposable(Saison->Arbre(), *b))
            return;
        std::string nom;
        TDescNoeud* noeud = nullptr;
        Saison->Arbre().BarrageParCode(b->Code | 0x8000, noeud, nom, false);
        if (nom.empty())
            nom = n.NomAffiche();
        cb_Barrage->Items().Add(nom);
        offres_.push_back({&n, b});
    });
    cb_Barrage->SetItemIndex(offres_.empty() ? -1 : 0);
    AfficheDivisions();
}

void Tf_CreeBarrage::AfficheDivisions()
{
    VideDivisions();
    const int i = cb_Barrage->ItemIndex();
    if (i < 0 || i >= static_cast<int>(offres_.size()))
        return;
    TDonneesBarrage& b = *offres_[static_cast<size_t>(i)].Barrage;
    int haut = 10;
    for (int k = 0; k < b.NbDivision(); ++k) {
        const TDivisionBarrage* d = b.Division(k);
        if (d->Places.empty())
            continue;
        TDonneesChampionnat* c = ChampionnatSource(Saison->Arbre(), d->Code);
        if (!c)
            continue;
        auto div = std::make_unique<TFondDivision>();
        div->Championnat = c;
        for (const TPlaceBarrage& p : d->Places)
            for (int x = p.Min; x <= p.Max && div->Places.size() < 255; ++x)
                div->Places.push_back(x);
        const int lignes = (static_cast<int>(div->Places.size()) + 2) / 3;
        div->Fond = Fond(this, fs_Divisions, "", 8, haut, 470, 30 + 30 * lignes + 14);
        Libelle(this, div->Fond, "", Saison->Arbre().NomCode(c->CodeChamp), 10, 6, 440);
        const bool ligue = !c->EstCoupe();
        std::unique_ptr<TCalculClassement> calcul;
        int nb = 0;
        if (ligue) {
            calcul = std::make_unique<TCalculClassement>(c, Saison);
            nb = calcul->Calcule(clsGeneral, 0, 0);
        }
        for (size_t r = 0; r < div->Places.size(); ++r) {
            const int x = 16 + 150 * static_cast<int>(r % 3);
            const int y = 30 + 30 * static_cast<int>(r / 3);
            if (ligue) {
                auto* cb = Place(new TComboBox(this), div->Fond, "", x, y, 140, 22);
                cb->SetStyle(csDropDownList);
                for (int e = 0; e < c->NbEquipe(); ++e)
                    cb->Items().AddObject(Saison->NomEquipeComplet(c->IdEquipe(e), c), c->IdEquipe(e));
                // The team at that place; a place beyond the teams preselects nothing.
                const int place = div->Places[r];
                int choix = -1;
                if (place >= 1 && place <= nb)
                    choix = cb->Items().IndexOfObject(c->IdEquipe(calcul->ValeurLigne(place - 1, 1)));
                cb->SetItemIndex(choix);
                div->Equipes.push_back(cb);
            } else {
                div->Noms.push_back(Place(new TEdit(this), div->Fond, "", x, y, 140, 22));
            }
        }
        haut += div->Fond->Height() + 6;
        Divisions.push_back(std::move(div));
    }
}

void Tf_CreeBarrage::b_ContinuerClick()
{
    // 1.
    bool valide = true;
    for (const auto& d : Divisions) {
        std::vector<int> vus;
        for (TComboBox* cb : d->Equipes) {
            const int i = cb->ItemIndex();
            if (i < 0 || std::find(vus.begin(), vus.end(), i) != vus.end())
                valide = false;
            vus.push_back(i);
        }
        for (TEdit* e : d->Noms)
            if (Trim(e->Text()).empty())
                valide = false;
    }
    // 2.
    const int i = cb_Barrage->ItemIndex();
    if (i < 0) {
        SetModalResult(mrOk);
        return;
    }
    // 3. A choice missing or repeated; no team at all.
    int n = 0;
    for (const auto& d : Divisions)
        n += static_cast<int>(d->Equipes.size() + d->Noms.size());
    if (!valide || n == 0) {
        Tf_MessageUtil::Affiche(Traduire(287), mbuValider);
        return;
    }
    TDonneesBarrage& b = *offres_[static_cast<size_t>(i)].Barrage;
    // A league group holds at least two teams: more groups than half the
    // teams would leave one without a match.
    if (b.TypeGroupe >= 1 && b.TypeGroupe > n / 2) {
        Tf_MessageUtil::Affiche(TraduireFormat(3215, {n, b.TypeGroupe}), mbuValider);
        return;
    }
    // A cup without rounds takes its shape from the cup window; cancelling it
    // leaves this window as it was.
    // The cup takes the name typed there, else the play-off's.
    std::vector<TInfoTourCoupe> tours;
    std::string nom = cb_Barrage->Text();
    if (b.TypeGroupe == 0 && b.NbTour() == 0) {
        TOwned<Tf_CreationCoupe> f(new Tf_CreationCoupe(this));
        f->ChangeCouleurs(Couleurs);
        if (f->ShowModal() != mrOk)
            return;
        tours = f->Tours;
        if (const std::string saisi = Trim(f->e_NomCoupe->Text()); !saisi.empty())
            nom = saisi;
    }
    // 4.
    equipes_.clear();
    for (const auto& d : Divisions) {
        for (size_t r = 0; r < d->Equipes.size(); ++r)
            equipes_.emplace_back(d->Equipes[r]->Text(),
                                  d->Championnat->CodeChamp + (static_cast<int64_t>(d->Places[r]) << 32));
        for (TEdit* e : d->Noms)
            equipes_.emplace_back(Trim(e->Text()), SansSource);
    }
    source_ = Divisions.front()->Championnat;
    VideDivisions();
    courant_ = offres_[static_cast<size_t>(i)];
    // 5.
    if (b.TypeGroupe < 2) {
        CreeChampionnat(equipes_, nom, 0, tours);
        b.Code |= 0x8000;
        Tf_MessageUtil::Affiche(Traduire(290), mbuValider);
        SetModalResult(mrOk);
        return;
    }
    // 6.
    b_Creation->SetVisible(true);
    b_Continuer->SetVisible(false);
    cb_Barrage->SetEnabled(false);
    for (int g = 0; g < b.TypeGroupe; ++g) {
        auto gr = std::make_unique<TFondGroupe>();
        gr->Fond = Fond(this, fs_Divisions, "", 8, 4, 490, 60);
        gr->Nom = Place(new TEdit(this), gr->Fond, "", 16, 8, 120, 22);
        gr->Nom->SetText(TraduireFormat(288, {g + 1}));
        auto* l = Libelle(this, gr->Fond, "", Traduire(901), 16, 36, 120);
        l->Font().SetColor(0x80FF80);
        gr->Taille = Place(new TEdit(this), gr->Fond, "", 140, 34, 20, 22);
        gr->ud = Place(new TUpDown(this), gr->Fond, "", 160, 34, 16, 22);
        gr->ud->Min = 2;
        gr->ud->Max = 255;
        gr->ud->SetAssociate(gr->Taille);
        Groupes.push_back(std::move(gr));
    }
    for (int g = 0; g < b.TypeGroupe; ++g) {
        const int taille = g == b.TypeGroupe - 1 ? n - (n / b.TypeGroupe) * (b.TypeGroupe - 1) : n / b.TypeGroupe;
        TailleGroupe(g, taille);
        TFondGroupe* gr = Groupes[static_cast<size_t>(g)].get();
        gr->Taille->OnChange = [this, g, gr](TObject*) {
            const int v = StrToIntDef(Trim(gr->Taille->Text()), 0);
            if (v >= 2 && v <= 255 && v != static_cast<int>(gr->Equipes.size()))
                TailleGroupe(g, v);
        };
    }
}

void Tf_CreeBarrage::TailleGroupe(int g, int n)
{
    TFondGroupe& gr = *Groupes[static_cast<size_t>(g)];
    while (static_cast<int>(gr.Equipes.size()) > n) {
        delete gr.Equipes.back();
        gr.Equipes.pop_back();
    }
    while (static_cast<int>(gr.Equipes.size()) < n) {
        const int i = static_cast<int>(gr.Equipes.size());
        auto* cb = Place(new TComboBox(this), gr.Fond, "", 190 + 150 * (i % 2), 8 + 30 * (i / 2), 140, 22);
        cb->SetStyle(csDropDownList);
        for (const auto& e : equipes_)
            cb->Items().Add(e.first);
        gr.Equipes.push_back(cb);
    }
    if (gr.Taille->Text() != IntToStr(n))
        gr.Taille->SetText(IntToStr(n));
    gr.ud->SetPosition(n);
    PlaceGroupes();
}

void Tf_CreeBarrage::PlaceGroupes()
{
    int haut = 4;
    for (auto& gr : Groupes) {
        const int lignes = std::max(2, (static_cast<int>(gr->Equipes.size()) + 1) / 2);
        gr->Fond->SetTop(haut - fs_Divisions->VertPosition());
        gr->Fond->SetHeight(16 + 30 * lignes);
        haut += gr->Fond->Height() + 6;
    }
}

void Tf_CreeBarrage::b_CreationClick()
{
    std::vector<int> vus;
    bool valide = true;
    for (auto& gr : Groupes)
        for (TComboBox* cb : gr->Equipes) {
            const int i = cb->ItemIndex();
            if (i < 0 || std::find(vus.begin(), vus.end(), i) != vus.end())
                valide = false;
            vus.push_back(i);
        }
    if (!valide || vus.size() != equipes_.size()) {
        Tf_MessageUtil::Affiche(Traduire(287), mbuValider);
        return;
    }
    // A group left without a name: said, its box given the focus.
    for (auto& gr : Groupes)
        if (Trim(gr->Nom->Text()).empty()) {
            Tf_MessageUtil::Affiche(Traduire(5401), mbuValider);   // a name cannot be empty
            gr->Nom->SetFocus();
            return;
        }
    if (!CompteursRemplis())
        return;
    for (int g = static_cast<int>(Groupes.size()) - 1; g >= 0; --g) {
        std::vector<std::pair<std::string, int64_t>> liste;
        for (TComboBox* cb : Groupes[static_cast<size_t>(g)]->Equipes)
            liste.push_back(equipes_[static_cast<size_t>(cb->ItemIndex())]);
        CreeChampionnat(liste, Groupes[static_cast<size_t>(g)]->Nom->Text(), g + 1, {});
    }
    std::reverse(Crees.begin(), Crees.end());
    courant_.Barrage->Code |= 0x8000;
    Tf_MessageUtil::Affiche(Traduire(290), mbuValider);
    SetModalResult(mrOk);
}

void Tf_CreeBarrage::CreeChampionnat(const std::vector<std::pair<std::string, int64_t>>& equipes,
                                     const std::string& nom, int g, const std::vector<TInfoTourCoupe>& toursCoupe)
{
    TDonneesBarrage& b = *courant_.Barrage;
    const uint8_t genre = static_cast<uint8_t>(1u << (b.TypeEquipe == 3 ? 3 : 2));
    std::unique_ptr<TDonneesChampionnat> c;
    std::vector<TRencontreCoupe> tirage;
    const int n = static_cast<int>(equipes.size());
    // 1.
    if (b.TypeGroupe >= 1) {
        c = Saison->CreeChampionnat(static_cast<uint8_t>(TDonneesChampionnat::TypeChamp | genre), 0);
        c->SetNbJournees(JourneesAllerRetour(n));
        c->SetNbMatch(n / 2);
    } else if (b.NbTour() > 0) {
        c = Saison->CreeChampionnat(static_cast<uint8_t>(TDonneesChampionnat::TypeCoupe | genre), 0);
        std::vector<TInfoTourCoupe> tours;
        for (int r = 1; r <= b.NbTour(); ++r) {
            TTourCoupe* t = b.TourCoupe(r);
            tours.push_back({static_cast<uint16_t>(b.NbTour() - r + 1), static_cast<uint16_t>(t->Capacite()),
                             static_cast<uint32_t>(std::max(1, t->TypeTour()))});
        }
        c->CreeToursCoupe(tours);
        tirage = TirageBarrage(b);
    } else {
        // The rounds the cup window gave.
        c = Saison->CreeChampionnat(static_cast<uint8_t>(TDonneesChampionnat::TypeCoupe | genre), 0);
        c->CreeToursCoupe(toursCoupe);
    }
    c->SetSaison(Saison);
    // 2. The play-off's options, the sport's forfeit scores and English-average
    // points kept where the play-off holds none.
    c->PrendOptionsBarrage(b);
    // A cup's round count is set after the play-off's options, which would
    // otherwise clear it: without it no winner goes on to the next round.
    if (b.TypeGroupe == 0)
        c->SetOption(1, b.NbTour() > 0 ? b.NbTour() : static_cast<int>(toursCoupe.size()));
    DonneAnneesSaison(*c, Saison, {source_});
    // 3.
    std::vector<std::pair<int, int64_t>> ids;
    for (const auto& [nomEquipe, objet] : equipes) {
        const int id = Saison->AjouteEquipe(nomEquipe, -1, 0, true);
        c->AjouteEquipe(id);
        ids.emplace_back(id, objet);
        if (objet == SansSource)
            continue;
        for (TRencontreCoupe& s : tirage) {
            bool place = false;
            for (int cote = 0; cote < 2 && !place; ++cote)
                if (s.Valeur[cote] == static_cast<uint16_t>(CodeSource(objet)) &&
                    s.Valeur[2 + cote] == PlaceSource(objet)) {
                    s.Valeur[cote] = 0;
                    s.Valeur[2 + cote] = static_cast<uint16_t>(id);
                    place = true;
                }
            if (place)
                break;
        }
    }
    // 4.
    for (size_t i = 0; i < tirage.size(); ++i) {
        const TRencontreCoupe& s = tirage[i];
        if (s.Valeur[2] != Vide && s.Valeur[3] != Vide && s.Valeur[0] == 0 && s.Valeur[1] == 0)
            c->CreeMatch(1, s.Valeur[2], s.Valeur[3], Vide, Vide);
        else if (s.Valeur[2] != Vide || s.Valeur[3] != Vide)
            c->AjouteMatchSuivant(static_cast<int>(i), s.Valeur[0] == 0 ? s.Valeur[2] : Vide,
                                  s.Valeur[1] == 0 ? s.Valeur[3] : Vide);
    }
    // A cup made whole is the one its bracket starts from.
    ScelleCoupe(*c);
    // 5.
    if (b.TypeGroupe >= 1 && b.MoitiePoint > 0)
        for (const auto& [id, objet] : ids) {
            if (objet == SansSource)
                continue;
            TDonneesChampionnat* source = Saison->Arbre().ChampionnatParCode(CodeSource(objet));
            if (!source || source->EstCoupe())
                continue;
            TCalculClassement calcul(source, Saison);
            const int nb = calcul.Calcule(clsGeneral, 0, 0);
            for (int r = 0; r < nb; ++r)
                if (source->IdEquipe(calcul.ValeurLigne(r, 1)) == id)
                    c->Penalites().AjoutePoints(id, calcul.ValeurLigne(r, 2) / (3 - b.MoitiePoint));
        }
    // 6.
    c->CodeChamp = (b.Code & 0xFFFF) | 0x8000 | (g << 16);
    c->SetCodeDivision(b.CodePerso);
    c->SetSaisonListes(Saison);
    // Stored as typed: never read as a template's code.
    TDescNoeud* n3 = Saison->Arbre().AjouteNoeudNiveau(courant_.Noeud, 3, NomStocke(nom));
    n3->SetChampionnat(std::move(c));
    Crees.push_back(n3->Championnat()->CodeChamp);
}
