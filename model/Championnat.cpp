#include "model/Championnat.h"

#include <algorithm>

#include "model/Barrage.h"
#include "model/Championnat_Maintenance.h"
#include "model/Saison.h"
#include "model/TableauCoupe.h"
#include "model/ioXml.h"
#include "model/oTraducteur.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

namespace {

constexpr uint16_t ScoreVide = TInfoComp::ScoreVide;
constexpr uint16_t BitQualifie = TInfoComp::Qualifie;

bool IdValide(int id)
{
    return id >= 0 && id < 65535;
}

}   // namespace

// ---------------------------------------------------------------------------
// TGroupeEquipe

int TGroupeEquipe::Equipe(int i) const
{
    if (i < 0 || i >= NbEquipe())
        return -1;
    return static_cast<int>(equipes_[static_cast<size_t>(i)] & 0xFFFF);
}

bool TGroupeEquipe::Contient(int id) const
{
    return IdValide(id) && std::find(equipes_.begin(), equipes_.end(), static_cast<uint32_t>(id)) != equipes_.end();
}

bool TGroupeEquipe::AjouteEquipe(int id)
{
    if (!IdValide(id) || Contient(id))
        return false;
    equipes_.push_back(static_cast<uint32_t>(id));
    return true;
}

void TGroupeEquipe::SupprimeEquipe(int id)
{
    std::erase(equipes_, static_cast<uint32_t>(id));
}

// ---------------------------------------------------------------------------
// Construction

TDonneesChampionnat::TDonneesChampionnat(TSaison* saison, uint8_t flags, uint8_t valeur, const TParamsSport& params)
    : saison_(saison), types_(flags), valeur_(valeur)
{
    NbJournee = 1;
    nbTitulaire_ = params.NbTitulaire;
    nbRemp_ = params.NbRemp;
    TempsPeriodeProlongation = params.Prolongation;
    TempsPeriode = params.Periode;
    journees_ = std::make_unique<TJournees>(this, nbTitulaire_, nbRemp_);
    CodePerso = 0;
    // A competition follows no team until the user chooses one, whatever
    // window made it.
    options_[10] = AucuneEquipeSuivie;
    ScelleCoupe(*this);
}

TDonneesChampionnat::~TDonneesChampionnat()
{
    // The matchdays first: their lists may still call the season.
    journees_.reset();
}

// ---------------------------------------------------------------------------
// Virtual operations with a common behaviour

void TDonneesChampionnat::SetNbJournees(int n)
{
    n = std::clamp(n, 0, TJournees::MaxJournees);
    if (n <= nbJour_)
        journees_->TronqueJournees(n);
    nbJour_ = n;
}

std::vector<int> TDonneesChampionnat::JourneesAuDela(int n) const
{
    std::vector<int> v;
    for (int k = std::max(n, 0) + 1; k <= std::max(nbJour_, journees_->Nombre()); ++k) {
        const TInfoCompJour* j = k <= journees_->Nombre() ? Journee(k) : nullptr;
        if ((j && j->NbMatchs() > 0) || !penalites_.ListeJournee(k).empty())
            v.push_back(k);
    }
    return v;
}

bool TDonneesChampionnat::ChangeNbJournees(int n, const std::function<bool(const std::vector<int>&)>& accepte)
{
    n = std::clamp(n, 0, TJournees::MaxJournees);
    if (n == nbJour_)
        return false;
    const std::vector<int> perdues = JourneesAuDela(n);
    if (!perdues.empty() && !(accepte && accepte(perdues)))
        return false;
    // The states of the matchdays that go, go with them.
    for (int k : perdues)
        penalites_.SupprimeJournee(k);
    SetNbJournees(n);
    NbJournee = static_cast<uint8_t>(std::clamp<int>(NbJournee, 1, std::max(n, 1)));
    DerniereJournee = static_cast<uint8_t>(CalculeDerniereJournee());
    return true;
}

void TDonneesChampionnat::EcritScoresPeriode(TXmlWriter&, const TInfoComp&)
{
}

void TDonneesChampionnat::EcritOptionsSaisie(TXmlWriter&)
{
}

int TDonneesChampionnat::LitOptionsSaisie(TXmlReader&)
{
    return 0;
}

void TDonneesChampionnat::BonusScoreAtteint(int n, int m, int32_t (&bonus)[2]) const
{
    bonus[0] = bonus[1] = 0;
    const TInfoComp* match = Match(n, m);
    if (!match)
        return;
    for (int cote = 0; cote < 2; ++cote) {
        const uint16_t s = match->Score(cote);
        if (s != TInfoComp::ScoreVide)
            bonus[cote] = (s & ~TInfoComp::Qualifie) >= BonusBut ? 1 : 0;
    }
}

bool TDonneesChampionnat::LitOptionsSaisieJeton(TXmlReader& lecteur, uint8_t jeton)
{
    return jeton == xmlDebut && LitOptionsSaisie(lecteur) != 0;
}

void TDonneesChampionnat::LitScoresPeriode(TXmlReader&, TInfoComp&)
{
}

TListeDonnees* TDonneesChampionnat::ListeVide()
{
    if (!listeVide_)
        listeVide_ = std::make_unique<TListeDonnees>(saison_);
    return listeVide_.get();
}

TListeDonnees* TDonneesChampionnat::ListeDonnees(int type, int n)
{
    TInfoCompJour* j = Journee(n);
    if (!j)
        return nullptr;
    if (TListeDonnees* l = j->Liste(type))
        return l;
    return ListeVide();
}

void TDonneesChampionnat::Vide()
{
    journees_->Vide(true);
    penalites_.Vide();
}

void TDonneesChampionnat::VideJournee(int n)
{
    journees_->VideMatchs(n);
}

void TDonneesChampionnat::SupprimeDonneesEquipe(int idEquipe, int n, bool compo)
{
    TInfoCompJour* j = Journee(n);
    if (!j)
        return;
    for (int type : {2, 3})
        if (TListeDonnees* l = j->Liste(type))
            l->SupprimeEquipes({idEquipe});
    if (compo)
        if (TInfoComp* m = MatchEquipe(n, idEquipe))
            m->EffaceComposition(idEquipe);
}

std::unique_ptr<TStringList> TDonneesChampionnat::VerifieJournee(int n, int& nbVerifies)
{
    auto rapport = std::make_unique<TStringList>();
    nbVerifies = 0;
    std::vector<int> scores(static_cast<size_t>(NbEquipe()), 0);
    std::vector<uint8_t> drapeaux(static_cast<size_t>(NbEquipe()), 1);
    std::string texte1;
    ScoresEvenements(n, scores, texte1, drapeaux);
    const std::string libelles[6] = {Traduire(153), texte1, Traduire(155), Traduire(156), Traduire(157), Traduire(158)};

    auto scoreEquipe = [&](int id) {
        const int p = IndexEquipe(id);
        return p >= 0 ? scores[static_cast<size_t>(p)] : -1;
    };
    auto minutesEquipe = [&](int id) {
        const int p = IndexEquipe(id);
        return p >= 0 && drapeaux[static_cast<size_t>(p)] == 1;
    };
    for (int m = 1; m <= NbMatchJournee(n); ++m) {
        const int dom = ValeurMatch(n, 4 * m - 3), ext = ValeurMatch(n, 4 * m - 1);
        const int s1 = ValeurMatch(n, 4 * m - 2), s2 = ValeurMatch(n, 4 * m);
        const TPenalite* p = penalites_.Cherche(dom, ext, n);
        if ((p && p->Type == etatForfait) || s1 == ScoreVide || s2 == ScoreVide || dom == ScoreVide ||
            ext == ScoreVide)
            continue;
        const TInfoComp* match = MatchEquipes(n, dom, ext);
        if (!match)
            continue;
        bool ok[6];
        ok[0] = match->Affluence() != 0;
        ok[1] = s1 == scoreEquipe(dom) && s2 == scoreEquipe(ext);
        ok[2] = minutesEquipe(dom) && minutesEquipe(ext);
        ok[3] = match->CompositionSaisie(dom) && match->CompositionSaisie(ext);
        ok[4] = match->ControleMinutes(dom) && match->ControleMinutes(ext);
        ok[5] = match->ControleRemplacements(dom) && match->ControleRemplacements(ext);
        ++nbVerifies;
        const std::string noms = saison_ ? saison_->NomEquipe(dom) + " - " + saison_->NomEquipe(ext) : std::string(" - ");
        for (int k = 0; k < 6; ++k)
            if (!ok[k])
                rapport->Add(DeuxPoints(noms, libelles[k]));
    }
    return rapport;
}

void TDonneesChampionnat::RemplaceJoueurs(const TPairesIds& paires)
{
    for (const auto& [ancien, nouveau] : paires)
        for (int n = 1; n <= nbJour_; ++n) {
            TInfoCompJour* j = Journee(n);
            if (!j)
                continue;
            for (int type : {2, 3})
                if (TListeDonnees* l = j->Liste(type))
                    for (int i = 0; i < l->Nombre(); ++i)
                        if (l->Donnee(i)->IdJoueur() == ancien)
                            l->Donnee(i)->SetIdJoueur(nouveau);
            for (int i = 0; i < j->NbMatchs(); ++i) {
                TInfoComp* m = j->Match(i);
                for (int cote = 0; cote < 2; ++cote) {
                    const int id = m->IdEquipe(cote);
                    if (m->Cote(id) != cote)
                        continue;   // both sides hold the same id: side 1 cannot be named
                    for (int s = 1; s <= m->NbTitulaire(); ++s)
                        if (m->JoueurTitulaire(id, s) == ancien)
                            m->SetJoueurTitulaire(id, s, nouveau);
                    for (int r = 1; r <= m->NbRemp(); ++r)
                        for (int k : {1, 3})
                            if (m->ValeurRemplacement(id, r, k) == ancien)
                                m->SetValeurRemplacement(id, r, nouveau, k);
                    if (m->Capitaine(id) == ancien && ancien != 0)
                        m->SetCapitaine(id, nouveau);
                }
            }
        }
    if (saison_)
        saison_->InvalideStats();
}

void TDonneesChampionnat::CopieMatchs(const TDonneesChampionnat& source, const TCorrespondanceStade& stades)
{
    CopieMatchsChampionnat(*this, source, stades);
}

void TDonneesChampionnat::SetSaisonListes(TSaison* saison)
{
    for (int n = 1; n <= journees_->Nombre(); ++n)
        journees_->Journee(n)->SetSaisonListes(saison);
    if (listeVide_)
        listeVide_->SetSaison(saison);
}

std::vector<TListeDonnees*> TDonneesChampionnat::ListesDonnees(int)
{
    return {};
}

// ---------------------------------------------------------------------------
// Teams

int TDonneesChampionnat::NbEquipeRemplie() const
{
    return static_cast<int>(std::count_if(ids_.begin(), ids_.end(), [](uint16_t id) { return id != AucuneEquipe; }));
}

void TDonneesChampionnat::SetNbEquipe(int n)
{
    n = std::clamp(n, 0, MaxEquipes);
    ids_.resize(static_cast<size_t>(n), AucuneEquipe);
    categories_.resize(static_cast<size_t>(n), 0);
}

bool TDonneesChampionnat::AjouteEquipe(int id)
{
    if (!IdValide(id))
        return false;
    auto libre = std::find(ids_.begin(), ids_.end(), AucuneEquipe);
    if (libre != ids_.end()) {
        *libre = static_cast<uint16_t>(id);
        return true;
    }
    if (NbEquipe() >= MaxEquipes)
        return false;
    ids_.push_back(static_cast<uint16_t>(id));
    categories_.push_back(0);
    return true;
}

int TDonneesChampionnat::SupprimeEquipe(int i, bool compacte)
{
    if (i < 0 || i >= NbEquipe())
        return -1;
    const int id = ids_[static_cast<size_t>(i)];
    OteMentionsEquipe(id);
    if (compacte) {
        ids_[static_cast<size_t>(i)] = ids_.back();
        categories_[static_cast<size_t>(i)] = categories_.back();
        SetNbEquipe(NbEquipe() - 1);
    } else {
        ids_[static_cast<size_t>(i)] = AucuneEquipe;
    }
    return id;
}

void TDonneesChampionnat::OublieEquipe(int id)
{
    if (const int i = IndexEquipe(id); i >= 0)
        SupprimeEquipe(i);
    else if (IdValide(id))
        OteMentionsEquipe(id);
}

void TDonneesChampionnat::OteMentionsEquipe(int id)
{
    for (int n = 1; n <= nbJour_; ++n)
        SupprimeMatchsEquipe(n, id);
    penalites_.SupprimeEquipe(id);
    for (auto& g : groupes_)
        g->SupprimeEquipe(id);
}

int TDonneesChampionnat::IndexEquipe(int id) const
{
    if (!IdValide(id))
        return -1;
    auto it = std::find(ids_.begin(), ids_.end(), static_cast<uint16_t>(id));
    return it == ids_.end() ? -1 : static_cast<int>(it - ids_.begin());
}

int TDonneesChampionnat::IdEquipe(int i) const
{
    if (i < 0 || i >= NbEquipe())
        return -1;
    return ids_[static_cast<size_t>(i)];
}

void TDonneesChampionnat::SetIdEquipe(int i, int id)
{
    if (i >= 0 && i < NbEquipe())
        ids_[static_cast<size_t>(i)] = static_cast<uint16_t>(id);
}

int TDonneesChampionnat::CategorieEquipe(int i) const
{
    if (i < 0 || i >= NbEquipe())
        return 0;
    return categories_[static_cast<size_t>(i)];
}

void TDonneesChampionnat::SetCategorieEquipe(int i, int c)
{
    if (i >= 0 && i < NbEquipe())
        categories_[static_cast<size_t>(i)] = static_cast<uint16_t>(c);
}

void TDonneesChampionnat::SetCategorieDef(int c)
{
    if (static_cast<uint16_t>(c) == categorieDef_)
        return;
    categorieDef_ = static_cast<uint16_t>(c);
    std::fill(categories_.begin(), categories_.end(), categorieDef_);
}

void TDonneesChampionnat::RetireCategorie(int c)
{
    if (c <= 0)
        return;
    if (categorieDef_ == c)
        categorieDef_ = 0;
    std::replace(categories_.begin(), categories_.end(), static_cast<uint16_t>(c), uint16_t{0});
}

void TDonneesChampionnat::TrieEquipes()
{
    if (!saison_)
        return;
    for (size_t i = 0; i < ids_.size(); ++i)
        for (size_t j = i + 1; j < ids_.size(); ++j)
            if (AnsiCompareText(saison_->NomEquipe(ids_[i]), saison_->NomEquipe(ids_[j])) > 0) {
                std::swap(ids_[i], ids_[j]);
                std::swap(categories_[i], categories_[j]);
            }
}

// ---------------------------------------------------------------------------
// Matchdays and matches

int TDonneesChampionnat::ElementDateJournee(int n, int k) const
{
    if (k < 1 || k > 4)
        return 0;
    return static_cast<int>((DateJournee(n) >> (8 * (k - 1))) & 0xFF);
}

void TDonneesChampionnat::SetNbMatch(int v)
{
    if (!(types_ & TypeCoupe))
        nbMatch_ = static_cast<uint8_t>(std::clamp(v, 0, 255));
}

int TDonneesChampionnat::NbMatchJournee(int n) const
{
    if (types_ & TypeChamp) {
        if (Option(11) & 8) {
            const TInfoCompJour* j = Journee(n);
            return j ? j->NbMatchs() : 0;
        }
        return nbMatch_;
    }
    if (n < 1 || n > NbToursCoupe())
        return 0;
    return (tours_[static_cast<size_t>(n - 1)].NbMatch & 0xFF) + (PetiteFinale && n == nbJour_ ? 1 : 0);
}

int TDonneesChampionnat::NbMatchCourant() const
{
    if (types_ & TypeChamp)
        return nbMatch_;
    if (NbJournee < 1 || NbJournee > NbToursCoupe())
        return 0;
    return tours_[NbJournee - 1u].NbMatch & 0xFF;
}

int TDonneesChampionnat::ValeurMatch(int n, int slot) const
{
    if (n < 1 || n > nbJour_ || slot < 1)
        return ScoreVide;
    const TInfoCompJour* j = Journee(n);
    const TInfoComp* m = j ? j->Match((slot - 1) / 4) : nullptr;
    if (!m)
        return ScoreVide;
    switch (slot % 4) {
    case 1: return m->IdEquipe(0);
    case 3: return m->IdEquipe(1);
    default: {
        const uint16_t s = m->Score(slot % 4 == 2 ? 0 : 1);
        return s == ScoreVide ? ScoreVide : s & 0x7FFF;
    }
    }
}

void TDonneesChampionnat::SetScoreMatch(int n, int i, int cote, int valeur)
{
    if (const TInfoCompJour* j = Journee(n))
        if (TInfoComp* m = j->Match(i))
            m->SetScore(cote, valeur);
}

TInfoComp* TDonneesChampionnat::MatchEquipes(int n, int domicile, int exterieur) const
{
    const TInfoCompJour* j = Journee(n);
    return j ? j->MatchEquipes(domicile, exterieur) : nullptr;
}

TInfoComp* TDonneesChampionnat::MatchEquipes(int n, int domicile, int exterieur, bool cree, uint32_t date, int32_t cle)
{
    if (cree && (!IdValide(domicile) || !IdValide(exterieur)))
        return MatchEquipes(n, domicile, exterieur);
    return journees_->MatchEquipes(n, domicile, exterieur, cle, cree, date);
}

TInfoComp* TDonneesChampionnat::MatchEquipe(int n, int idEquipe) const
{
    const TInfoCompJour* j = Journee(n);
    return j ? j->Match(j->IndexMatchEquipe(idEquipe)) : nullptr;
}

TInfoComp* TDonneesChampionnat::Match(int n, int m) const
{
    const TInfoCompJour* j = Journee(n);
    return j && m >= 1 ? j->Match(m - 1) : nullptr;  // m - 1 must not wrap below the smallest integer
}

TInfoComp* TDonneesChampionnat::CreeMatch(int n, int domicile, int exterieur, int scoreDom, int scoreExt,
                                          int32_t cle, uint32_t date)
{
    if (!IdValide(domicile) || !IdValide(exterieur) || n < 1 || n > TJournees::MaxJournees)
        return nullptr;
    if (TInfoComp* m = MatchEquipes(n, domicile, exterieur)) {
        if (scoreDom >= 0 && scoreDom < ScoreVide)
            m->SetScore(0, scoreDom);
        if (scoreExt >= 0 && scoreExt < ScoreVide)
            m->SetScore(1, scoreExt);
        return m;
    }
    // The new pairing takes the place of the first match it replaces.
    int place = -1;
    if (const TInfoCompJour* j = Journee(n)) {
        const int a = j->IndexMatchEquipe(domicile), b = j->IndexMatchEquipe(exterieur);
        place = a < 0 ? b : (b < 0 ? a : std::min(a, b));
    }
    journees_->SupprimeMatchsEquipe(n, domicile);
    journees_->SupprimeMatchsEquipe(n, exterieur);
    TInfoComp* m = journees_->MatchEquipes(n, domicile, exterieur, cle, true, date);
    if (!m)
        return nullptr;
    m->SetScore(0, scoreDom);
    m->SetScore(1, scoreExt);
    if (cle == -1 && place >= 0) {
        TInfoCompJour* j = Journee(n);
        j->DeplaceMatch(j->IndexObjetMatch(m), std::min(place, j->NbMatchs() - 1));
    }
    return m;
}

void TDonneesChampionnat::SupprimeMatch(int n, int domicile, int exterieur)
{
    if (journees_->SupprimeMatch(n, domicile, exterieur) >= 0) {
        SupprimeDonneesEquipe(domicile, n, true);
        SupprimeDonneesEquipe(exterieur, n, true);
    }
}

void TDonneesChampionnat::SupprimeMatchsEquipe(int n, int idEquipe)
{
    const int adversaire = journees_->SupprimeMatchsEquipe(n, idEquipe);
    if (adversaire < 0)
        return;
    SupprimeDonneesEquipe(idEquipe, n, true);
    SupprimeDonneesEquipe(adversaire, n, true);
}

// ---- per-match values ----

int32_t TDonneesChampionnat::AffluenceMatch(int n, int m) const
{
    const TInfoComp* c = Match(n, m);
    return c ? c->Affluence() : -1;
}

void TDonneesChampionnat::SetAffluenceMatch(int n, int m, int32_t v)
{
    if (TInfoComp* c = Match(n, m))
        c->SetAffluence(v);
}

std::string TDonneesChampionnat::CommentaireMatch(int n, int m) const
{
    const TInfoComp* c = Match(n, m);
    return c ? c->Commentaire() : std::string();
}

void TDonneesChampionnat::SetCommentaireMatch(int n, int m, const std::string& v)
{
    if (TInfoComp* c = Match(n, m))
        c->SetCommentaire(v);
}

int TDonneesChampionnat::TempsAddMatch(int n, int m, int k) const
{
    const TInfoComp* c = Match(n, m);
    if (!c || (k != 1 && k != 2))
        return -1;
    const int t = c->TempsAdd(k);
    return t == 255 ? -1 : t;
}

void TDonneesChampionnat::SetTempsAddMatch(int n, int m, int k, int v)
{
    if (TInfoComp* c = Match(n, m))
        c->SetTempsAdd(k, v);
}

int32_t TDonneesChampionnat::OfficielMatch(int n, int m, int k) const
{
    const TInfoComp* c = Match(n, m);
    return c ? c->Officiel(k) : -1;
}

void TDonneesChampionnat::SetOfficielMatch(int n, int m, int k, int32_t id)
{
    if (TInfoComp* c = Match(n, m))
        c->SetOfficiel(k, id);
}

int TDonneesChampionnat::NoteOfficielMatch(int n, int m, int k) const
{
    const TInfoComp* c = Match(n, m);
    return c ? c->NoteOfficiel(k) : 0;
}

void TDonneesChampionnat::SetNoteOfficielMatch(int n, int m, int k, int v)
{
    if (TInfoComp* c = Match(n, m))
        c->SetNoteOfficiel(k, v);
}

int TDonneesChampionnat::NoteMatch(int n, int m) const
{
    const TInfoComp* c = Match(n, m);
    return c ? c->NoteMatch() : 0;
}

void TDonneesChampionnat::SetNoteMatch(int n, int m, int v)
{
    if (TInfoComp* c = Match(n, m))
        c->SetNoteMatch(v);
}

uint32_t TDonneesChampionnat::DateMatch(int n, int m) const
{
    const TInfoComp* c = Match(n, m);
    return c ? c->DateMatch() : 0;
}

void TDonneesChampionnat::SetDateMatch(int n, int m, uint32_t d)
{
    if (TInfoComp* c = Match(n, m))
        c->SetDateMatch(d);
}

int32_t TDonneesChampionnat::StadeMatch(int n, int m) const
{
    const TInfoComp* c = Match(n, m);
    return c ? c->Stade() : 0;
}

void TDonneesChampionnat::SetStadeMatch(int n, int m, int32_t v)
{
    if (TInfoComp* c = Match(n, m))
        c->SetStade(v);
}

// ---- line-ups ----

int32_t TDonneesChampionnat::JoueurTitulaire(int n, int p, int slot) const
{
    const TInfoComp* m = MatchPosition(n, p);
    return m ? m->JoueurTitulaire(IdEquipe(p), slot) : 0;
}

void TDonneesChampionnat::SetJoueurTitulaire(int n, int p, int slot, int32_t id)
{
    if (TInfoComp* m = MatchPosition(n, p)) {
        m->SetJoueurTitulaire(IdEquipe(p), slot, id);
        if (saison_)
            saison_->InvalideStats();
    }
}

int32_t TDonneesChampionnat::ValeurRemplacement(int n, int p, int r, int k) const
{
    const TInfoComp* m = MatchPosition(n, p);
    return m ? m->ValeurRemplacement(IdEquipe(p), r, k) : 0;
}

void TDonneesChampionnat::SetValeurRemplacement(int n, int p, int r, int k, int32_t valeur)
{
    if (TInfoComp* m = MatchPosition(n, p)) {
        m->SetValeurRemplacement(IdEquipe(p), r, valeur, k);
        if (saison_)
            saison_->InvalideStats();
    }
}

int TDonneesChampionnat::NoteJoueur(int n, int p, int slot) const
{
    const TInfoComp* m = MatchPosition(n, p);
    return m ? m->Note(IdEquipe(p), slot) : -1;
}

void TDonneesChampionnat::SetNoteJoueur(int n, int p, int slot, int v)
{
    if (TInfoComp* m = MatchPosition(n, p)) {
        m->SetNote(IdEquipe(p), slot, v);
        if (saison_)
            saison_->InvalideStats();
    }
}

bool TDonneesChampionnat::CompositionSaisie(int n, int p) const
{
    const TInfoComp* m = MatchPosition(n, p);
    return m && m->CompositionSaisie(IdEquipe(p));
}

void TDonneesChampionnat::SetCompositionSaisie(int n, int p)
{
    if (TInfoComp* m = MatchPosition(n, p))
        m->SetCompositionSaisie(IdEquipe(p));
}

int32_t TDonneesChampionnat::Capitaine(int n, int p) const
{
    const TInfoComp* m = MatchPosition(n, p);
    return m ? m->Capitaine(IdEquipe(p)) : 0;
}

void TDonneesChampionnat::SetCapitaine(int n, int p, int32_t v)
{
    if (TInfoComp* m = MatchPosition(n, p))
        m->SetCapitaine(IdEquipe(p), v);
}

std::string TDonneesChampionnat::TexteComposition(int n, int p) const
{
    const TInfoComp* m = MatchPosition(n, p);
    return m ? m->TexteComposition(IdEquipe(p), saison_) : std::string();
}

void TDonneesChampionnat::EffaceCompositions(int n, std::span<const int> positions, int dernier)
{
    const int fin = std::min(dernier, static_cast<int>(positions.size()) - 1);
    for (int k = 0; k <= fin; ++k) {
        const int p = positions[static_cast<size_t>(k)];
        if (TInfoComp* m = MatchPosition(n, p))
            m->EffaceComposition(IdEquipe(p));
    }
    if (saison_)
        saison_->InvalideStats();
}

void TDonneesChampionnat::AffecteEquipesJournee(int n)
{
    journees_->AffecteEquipes(n, NbEquipe(), ids_);
}

int TDonneesChampionnat::NbMatchsJoues(int idEquipe) const
{
    return NbMatchsJoues(idEquipe, 1, nbJour_);
}

int TDonneesChampionnat::NbMatchsJoues(int idEquipe, int premiere, int derniere) const
{
    int nb = 0;
    for (int n = std::max(premiere, 1); n <= std::min(derniere, nbJour_); ++n) {
        const TInfoComp* m = MatchEquipe(n, idEquipe);
        if (m && m->Score(0) != ScoreVide)
            ++nb;
    }
    return nb;
}

int TDonneesChampionnat::CalculeDerniereJournee() const
{
    for (int n = std::min(nbJour_, journees_->Nombre()); n >= 1; --n) {
        const TInfoCompJour* j = Journee(n);
        for (int i = 0; i < j->NbMatchs(); ++i)
            if (j->Match(i)->Score(0) != ScoreVide || j->Match(i)->Score(1) != ScoreVide)
                return n;
    }
    return 0;
}

// ---- shoot-outs and qualified side ----

void TDonneesChampionnat::AjoutePenalty(int n, int domicile, int exterieur, int s1, int s2)
{
    TInfoCompJour* j = Journee(n);
    if (!j)
        return;
    if (TInfoComp* m = j->MatchEquipes(domicile, exterieur))
        AjoutePenaltyMatch(n, *m, s1, s2);
    else
        j->AjoutePenalty(domicile, exterieur, s1, s2);
}

void TDonneesChampionnat::AjoutePenaltyMatch(int n, TInfoComp& m, int s1, int s2)
{
    TInfoCompJour* j = Journee(n);
    if (!j)
        return;
    j->AjoutePenalty(m.IdEquipe(0), m.IdEquipe(1), s1, s2);
    // The shoot-out of the match's score: one taken away from that score
    // before is no longer kept aside.
    m.SetScoreTirs(ScoreVide, ScoreVide);
    if (m.ScoresSaisis())
        m.RendTirs(m.Score(0) & 0x7FFF, m.Score(1) & 0x7FFF);
}

void TDonneesChampionnat::EcritScoreTirs(int n, int h, int a, int sh, int sa, uint32_t tirs)
{
    TInfoComp* m = MatchEquipes(n, h, a);
    if (!m)
        return;
    const bool avant = m->ScoresSaisis();
    const int ah = m->Score(0) & 0x7FFF, aa = m->Score(1) & 0x7FFF;
    const TPenaltyTab* p = avant ? Penalty(n, h, a) : nullptr;
    const uint32_t tenus = p ? (static_cast<uint32_t>(p->s1) << 16) + p->s2 : 0;
    // The score the shoot-out held was entered for.
    const bool suivi = m->ScoreTirs(0) != ScoreVide && m->ScoreTirs(1) != ScoreVide;
    const int th = suivi ? m->ScoreTirs(0) : ah, ta = suivi ? m->ScoreTirs(1) : aa;
    const bool joue = sh >= 0 && sa >= 0 && sh != ScoreVide && sa != ScoreVide;
    const bool meme = avant && joue && sh == ah && sa == aa;
    // A level shoot-out decides nothing: it is none.
    tirs = joue && TirsDomicile(tirs) != TirsExterieur(tirs)
               ? (static_cast<uint32_t>(TirsDomicile(tirs)) << 16) + static_cast<uint32_t>(TirsExterieur(tirs))
               : 0;
    // Given back: the one kept aside for the new score; else the one held
    // goes on with the new score when it is given again.
    const bool rendu = tirs != 0 && !meme && m->TirsOtes(sh, sa) == tirs;
    const bool suit = tenus != 0 && tirs == tenus && !rendu;
    if (tenus != 0 && !suit)
        m->OteTirs(tenus, th, ta);
    const int nouveaux[2] = {sh, sa};
    for (int cote = 0; cote < 2; ++cote)
        m->SetScore(cote, !joue ? ScoreVide : meme ? m->Score(cote) : nouveaux[cote]);
    SupprimePenalty(n, h, a);
    if (tirs == 0)
        return;
    AjoutePenalty(n, h, a, TirsDomicile(tirs), TirsExterieur(tirs));
    if (suit && (th != sh || ta != sa))
        m->SetScoreTirs(th, ta);
}

const TPenaltyTab* TDonneesChampionnat::Penalty(int n, int domicile, int exterieur) const
{
    const TInfoCompJour* j = Journee(n);
    return j ? j->Penalty(domicile, exterieur) : nullptr;
}

void TDonneesChampionnat::SupprimePenalty(int n, int domicile, int exterieur)
{
    if (TInfoCompJour* j = Journee(n)) {
        j->SupprimePenalty(domicile, exterieur);
        if (TInfoComp* m = j->MatchEquipes(domicile, exterieur))
            m->SetScoreTirs(ScoreVide, ScoreVide);
    }
}

void TDonneesChampionnat::SetQualifieMatch(int n, int domicile, int exterieur, bool cote)
{
    if (n < 1 || n > nbJour_)
        return;
    if (TInfoComp* m = MatchEquipes(n, domicile, exterieur))
        SetQualifieMatch(*m, cote);
}

void TDonneesChampionnat::SetQualifieMatch(TInfoComp& m, bool cote)
{
    if (!m.ScoresSaisis())
        return;
    const int gagnant = cote ? 1 : 0;
    m.SetScore(gagnant, m.Score(gagnant) | BitQualifie);
    m.SetScore(1 - gagnant, m.Score(1 - gagnant) & ~BitQualifie);
}

int TDonneesChampionnat::QualifieMatch(int n, int domicile, int exterieur) const
{
    if (n < 1 || n > nbJour_)
        return 2;
    const TInfoComp* m = MatchEquipes(n, domicile, exterieur);
    if (!m)
        return 2;
    if (m->Score(0) != ScoreVide && (m->Score(0) & BitQualifie))
        return 0;
    if (m->Score(1) != ScoreVide && (m->Score(1) & BitQualifie))
        return 1;
    return 2;
}

bool TDonneesChampionnat::GenereMatchsRetour(bool decale)
{
    bool cree = false;
    for (const TRetour& r : RetoursAGenerer(decale))
        if (CreeMatch(r.Journee, r.Domicile, r.Exterieur, ScoreVide, ScoreVide, -1))
            cree = true;
    return cree;
}

std::vector<TDonneesChampionnat::TRetour> TDonneesChampionnat::RetoursAGenerer(bool decale) const
{
    std::vector<TRetour> v;
    auto joue = [&](int t, int e) {
        const TInfoCompJour* j = Journee(t);
        return (j && j->IndexMatchEquipe(e) >= 0) ||
               std::any_of(v.begin(), v.end(), [&](const TRetour& r) {
                   return r.Journee == t && (r.Domicile == e || r.Exterieur == e);
               });
    };
    auto copie = [&](int s, int t) {
        for (int m = 1; m <= NbMatchJournee(t); ++m) {
            if (ValeurMatch(t, 4 * m - 3) != ScoreVide)
                continue;
            const int dom = ValeurMatch(s, 4 * m - 3), ext = ValeurMatch(s, 4 * m - 1);
            if (IdValide(dom) && IdValide(ext) && dom != ext && !joue(t, dom) && !joue(t, ext))
                v.push_back({t, ext, dom});
        }
    };
    const int h = nbJour_ / 2;
    if (!decale) {
        for (int t = h + 1; t <= nbJour_; ++t)
            copie(t - h, t);
    } else if (h >= 1) {
        for (int t = h + 1; t <= nbJour_ - 1; ++t)
            copie(t - h + 1, t);
        copie(1, nbJour_);
    }
    return v;
}

// ---------------------------------------------------------------------------
// Cup rounds

void TDonneesChampionnat::AjouteTourCoupe(const TInfoTourCoupe& tour)
{
    tours_.push_back(tour);
}

const TInfoTourCoupe* TDonneesChampionnat::TourCoupe(int i) const
{
    if (i < 0 || i >= NbToursCoupe())
        return nullptr;
    return &tours_[static_cast<size_t>(i)];
}

void TDonneesChampionnat::CreeToursCoupe(std::span<const TInfoTourCoupe> tours)
{
    int total = 0;
    for (const TInfoTourCoupe& t : tours) {
        const uint32_t type = t.TypeMatch;
        std::vector<uint32_t> manches;
        switch (type) {
        case 1: manches = {type}; break;
        case 2: manches = {type | 64, type | 128}; break;
        case 3: manches = {type | 64, type | 192}; break;
        case 4: manches = {type | 64, type | 128, type | 192}; break;
        case 5: manches = {type | 16, type | 48, type | 80}; break;
        case 6: manches = {type | 16, type | 48, type | 80, type | 112, type | 144}; break;
        case 7: manches = {type | 16, type | 48, type | 80, type | 112, type | 144, type | 176, type | 208}; break;
        default: break;
        }
        for (uint32_t tm : manches) {
            TInfoTourCoupe copie = t;
            copie.TypeMatch = tm;
            tours_.push_back(copie);
        }
        total += static_cast<int>(manches.size());
    }
    SetNbMatch(0);
    SetNbJournees(total);
}

// ---------------------------------------------------------------------------
// Next matches of a cup

void TDonneesChampionnat::AjouteMatchSuivant(int slot, int id, int id2)
{
    const int equipe = (id & 0xFFFF) != AucuneEquipe ? id : id2;
    if ((equipe & 0xFFFF) == AucuneEquipe || slot < 0)
        return;
    matchsSuiv_.push_back(static_cast<uint32_t>((slot / 2) & 0xFF) | (static_cast<uint32_t>(equipe & 0xFFFF) << 8));
}

int TDonneesChampionnat::EquipeMatchSuivant(int m) const
{
    // The match number is the whole low byte of an entry (a cup of up to 255
    // slots), compared in ascending order.
    int i = 0;
    for (; i < NbMatchsSuiv(); ++i) {
        const int bas = static_cast<int>(matchsSuiv_[static_cast<size_t>(i)] & 0xFF);
        if (bas >= m) {
            if (bas == m)
                return static_cast<int>(matchsSuiv_[static_cast<size_t>(i)] >> 8);
            break;
        }
    }
    return -(i + 1);
}

uint32_t TDonneesChampionnat::MatchSuivant(int i) const
{
    if (i < 0 || i >= NbMatchsSuiv())
        return 0;
    return matchsSuiv_[static_cast<size_t>(i)];
}

// ---------------------------------------------------------------------------
// Standings bands

void TDonneesChampionnat::Tranche(int i, int& debut, int& fin) const
{
    debut = fin = 0;
    if (i < 0 || i >= static_cast<int>(tranches_.size()))
        return;
    debut = static_cast<int>(tranches_[static_cast<size_t>(i)] >> 16);
    fin = static_cast<int>(tranches_[static_cast<size_t>(i)] & 0xFFFF);
}

void TDonneesChampionnat::SetTranche(int i, int debut, int fin)
{
    if (i < 0)
        return;
    const uint32_t e = (static_cast<uint32_t>(debut & 0xFFFF) << 16) | static_cast<uint32_t>(fin & 0xFFFF);
    if (i < static_cast<int>(tranches_.size()))
        tranches_[static_cast<size_t>(i)] = e;
    else
        tranches_.push_back(e);
}

void TDonneesChampionnat::SupprimeTranches(int i, int j)
{
    const int nb = static_cast<int>(tranches_.size());
    if (j == -1 || j >= nb)
        j = nb - 1;
    i = std::max(i, 0);
    if (i > j)
        return;
    tranches_.erase(tranches_.begin() + i, tranches_.begin() + j + 1);
}

// ---------------------------------------------------------------------------
// Groups

TGroupeEquipe* TDonneesChampionnat::Groupe(int i) const
{
    if (i < 0 || i >= NbGroupes())
        return nullptr;
    return groupes_[static_cast<size_t>(i)].get();
}

TGroupeEquipe* TDonneesChampionnat::AjouteGroupe(std::unique_ptr<TGroupeEquipe> groupe)
{
    if (!groupe)
        return nullptr;
    groupes_.push_back(std::move(groupe));
    return groupes_.back().get();
}

void TDonneesChampionnat::SupprimeGroupe(int i)
{
    if (i >= 0 && i < NbGroupes())
        groupes_.erase(groupes_.begin() + i);
}

void TDonneesChampionnat::RemplaceGroupes(std::vector<std::unique_ptr<TGroupeEquipe>> groupes)
{
    groupes_.clear();
    for (auto& g : groupes) {
        if (!g)
            continue;
        for (int k = g->NbEquipe() - 1; k >= 0; --k)
            if (IndexEquipe(g->Equipe(k)) < 0)
                g->SupprimeEquipe(g->Equipe(k));
        groupes_.push_back(std::move(g));
    }
}

// ---------------------------------------------------------------------------
// Codes, sizes, options

void TDonneesChampionnat::SetCodeDivision(int v)
{
    if (v <= 1000) {
        Division = v;
        CodePerso = 0;
    } else {
        Division = 0;
        CodePerso = static_cast<uint16_t>(v - 1000);
    }
}

void TDonneesChampionnat::SetNbTitulaire(int v)
{
    if (v == nbTitulaire_)
        return;
    journees_->SetNbTitulaire(v);
    nbTitulaire_ = v;
}

void TDonneesChampionnat::SetNbRemp(int v)
{
    if (v == nbRemp_)
        return;
    journees_->SetNbRemp(v);
    nbRemp_ = v;
}

uint16_t TDonneesChampionnat::Option(int i) const
{
    i &= 127;
    return i < NbOption ? options_[i] : 0;
}

void TDonneesChampionnat::SetOption(int i, int v)
{
    i &= 127;
    if (i < NbOption)
        options_[i] = static_cast<uint16_t>(v);
}

uint8_t TDonneesChampionnat::OptionArbitre(int i) const
{
    i &= 127;
    return i < NbOptionArbitre ? optionsArbitre_[i] : 0;
}

void TDonneesChampionnat::SetOptionArbitre(int i, int v)
{
    i &= 127;
    if (i < NbOptionArbitre)
        optionsArbitre_[i] = static_cast<uint8_t>(v);
}

void TDonneesChampionnat::OptionsSport()
{
    SetOption(16, 4);
    SetOption(17, 2);
    SetOption(18, 2);
    OptionsParDefaut();
}

void TDonneesChampionnat::ReglagesParDefaut()
{
    OptionsSport();
    OrdreClassement = "ac";
}

namespace {

constexpr int PremierMotSport = 19, DernierMotSport = 26;

bool MotsSportVides(const std::function<int(int)>& mot)
{
    for (int i = PremierMotSport; i <= DernierMotSport; ++i)
        if (mot(i) != 0)
            return false;
    return true;
}

}   // namespace

void TDonneesChampionnat::PrendOptionsBarrage(const TDonneesBarrage& barrage)
{
    const bool sport = MotsSportVides([&](int i) { return barrage.Option(i); });
    for (int i = 0; i < NbOption; ++i) {
        if (i >= PremierMotSport && i <= DernierMotSport && sport)
            continue;
        // The play-off names no team of its own to follow: the championship
        // made from it follows none until the user chooses one.
        if (i == 10)
            continue;
        // The English-average points are signed, as the options window writes them.
        const uint8_t o = barrage.Option(i);
        SetOption(i, i > 20 && i <= DernierMotSport ? static_cast<int8_t>(o) : o);
    }
}

void TDonneesChampionnat::RetablitOptionsSport()
{
    if ((CodeChamp & 0x8000) && MotsSportVides([&](int i) { return Option(i); }))
        OptionsParDefaut();
}

// ---------------------------------------------------------------------------

int MatchSuivantDefini(const TDonneesChampionnat& championnat, int& n)
{
    const int journee = championnat.NbJournee;
    const int nbMatch = championnat.NbMatchJournee(journee);
    if (n < 1)
        n = 1;
    auto defini = [&](int m) {
        return m <= 0xFFFF && championnat.ValeurMatch(journee, 4 * m - 3) < 65535 &&
               championnat.ValeurMatch(journee, 4 * m - 1) < 65535;
    };
    int essais = 1;
    while (essais <= nbMatch) {
        if (defini(n))
            break;
        n = n >= nbMatch ? 1 : n + 1;
        ++essais;
    }
    return essais;
}
