// The competitions made on the spot in the composition window: championships
// of a template division with their teams, the play-offs of a division's
// scenario, cups.
#include <algorithm>

#include "model/Ages.h"
#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/LectureParametre.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "setup/Controles.h"
#include "setup/LectureScenario.h"
#include "setup/w_Barrage.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationCoupe.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "ui/message2.h"

namespace {

constexpr int ImageFerme = 2;
constexpr int ImageChampionnat = 4;
constexpr int32_t BitBarrage = 0x8000;

TLectureParam* Param()
{
    TLectureParamMulti* m = LectureParamMulti();
    return m ? m->ParamCourant() : nullptr;
}

uint8_t AnneeOctet(int a) { return static_cast<uint8_t>(a > 1900 ? a - 1900 : a); }

}  // namespace

void Tf_CreationSaison::bc_CreeChampClick()
{
    if (!Saison)
        return;
    TOwned<Tf_Creation> f(new Tf_Creation(this));
    f->ChangeCouleurs(Couleurs);
    f->Dossier = dossier_;
    f->Annees = AnneesSaison(Saison, Crees());
    f->Tag = 0x10000 | (DivisionProposee & 0xFFFF);
    if (f->ShowModal() != mrOk)
        return;
    if (f->DivisionModele() > 0 && f->DivisionModele() <= 0xFFFF)
        DivisionProposee = f->DivisionModele();
    const int32_t c = f->Division();
    const uint8_t type = f->rc_International->Checked() ? 3 : 2;
    if (c > 10000)
        ChampionnatsSousDivisions(c, type, f->Annee(8), f->Annee(9));
    else
        CreeChampionnatModele(c, f->Championnat(), f->NbClub, type, f->Annee(8), f->Annee(9));
}

std::vector<const TDonneesChampionnat*> Tf_CreationSaison::Crees() const
{
    std::vector<const TDonneesChampionnat*> v;
    for (auto it = crees_.rbegin(); it != crees_.rend(); ++it)
        v.push_back(it->get());
    return v;
}

bool Tf_CreationSaison::SaisieEquipes(const std::string& titre, int n, std::vector<std::string>& noms)
{
    TOwned<Tf_SaisieEquipes> f(new Tf_SaisieEquipes(this));
    f->ChangeCouleurs(Couleurs);
    f->Prepare(titre, n, *Saison);
    if (f->ShowModal() != mrOk)
        return false;
    noms = f->Noms();
    return true;
}

int32_t Tf_CreationSaison::CreeChampionnatModele(int32_t c, int32_t idModele, int n, uint8_t type, uint8_t annee1,
                                                 uint8_t annee2)
{
    TLectureParam* p = Param();
    std::vector<std::string> noms;
    if (!SaisieEquipes(DeuxPoints(Traduire(26), p ? p->NomCompletDivision(c) : std::string()), n, noms))
        return -1;
    // 1.
    std::unique_ptr<TDonneesChampionnat> ch =
        Saison->CreeChampionnat(static_cast<uint8_t>(TDonneesChampionnat::TypeChamp | (1u << type)), 0);
    if (!ch)
        return -1;
    ch->SetSaison(Saison);
    ch->SetCodeDivision(c == 0 ? ++IdPerso : c);
    // 2.
    for (const std::string& nom : noms)
        ch->AjouteEquipe(Saison->AjouteEquipe(nom, -1, 0, true));
    ch->TrieEquipes();
    // 3.
    ch->CodeChamp = ++CodeCourant;
    // 5.
    AppliqueModele(*ch, c, annee1, annee2);
    // 4.
    TListObj* o = NouvelObjet();
    o->Division = c;
    o->GroupeDivision = p ? p->NbGroupeDivision(c) : 0;
    o->Index = ch->CodeChamp;
    o->Code = ch->CodeChamp;
    o->Championnat = ch.get();
    const int32_t code = ch->CodeChamp;
    crees_.push_back(std::move(ch));
    FileChampionnat(o, c, idModele, TraduireFormat(3903, {code}));
    return code;
}

void Tf_CreationSaison::FileChampionnat(TListObj* o, int32_t c, int32_t idModele, const std::string& texte)
{
    TLectureParam* p = Param();
    TTreeNode* sel = tv_Saison->Selected();
    if (!sel)
        sel = tv_Saison->Items().GetFirstNode();
    // A custom championship with a championship selected goes to its division.
    if (c < 1 && sel && sel->Level() == 3)
        sel = sel->Parent();
    TTreeNode* division = nullptr;
    if (c < 1 && sel && sel->Level() == 2) {
        division = sel;
    } else {
        TTreeNode* n1 = nullptr;
        if (c == 0)
            n1 = sel && sel->Level() == 1 ? sel : NoeudChampionnat(idModele);
        else
            n1 = NoeudChampionnat(p ? p->IdChampionnat(c) : idModele);
        const int32_t groupe = p ? p->NbGroupeDivision(c) : 0;
        TTreeNode* trouve = nullptr;
        for (TTreeNode* e = n1->getFirstChild(); e; e = e->getNextSibling())
            if (!(Rec(e)->Code & BitBarrage) && (Rec(e)->Code & 0x7FFF) >= c) {
                trouve = e;
                break;
            }
        if (groupe >= 1) {
            TTreeNode* avant = trouve ? trouve->getPrevSibling() : n1->GetLastChild();
            if (trouve && Rec(trouve)->Code == groupe)
                division = trouve;
            else if (avant && Rec(avant)->Code == groupe)
                division = avant;
        }
        if (!division) {
            // The node of a grouped division takes the group division's code,
            // so that its other groups find it.
            const int32_t code = groupe >= 1 ? groupe : c;
            division = AjouteNoeud(n1, groupe >= 1 ? nullptr : trouve, p ? p->NomAfficheDivision(code) : "", code,
                                   ImageFerme);
            tv_Saison->SetSelected(division);
            if (c == 0)
                division->EditText();
        }
    }
    TTreeNode* avant = nullptr;
    for (TTreeNode* e = division->getFirstChild(); e; e = e->getNextSibling())
        if (Rec(e)->Objet && Rec(e)->Objet->Division >= c) {
            avant = e;
            break;
        }
    TTreeNode* n = AjouteNoeud(division, avant, texte, c, ImageChampionnat);
    Rec(n)->Objet = o;
}

void Tf_CreationSaison::AppliqueModele(TDonneesChampionnat& ch, int32_t c, uint8_t annee1, uint8_t annee2) const
{
    TLectureParam* p = Param();
    const int n = ch.NbEquipe();
    ch.SetNbMatch(n / 2);
    ch.SetNbJournees(((n - 1) / 2) * 4 + 2);
    ch.SetOption(8, annee1);
    ch.SetOption(9, annee2);
    if (!p)
        return;
    ch.SetOption(12, p->NbChampLigue(c));
    if (p->NbPromu(c) > 0 && ch.Option(12) == 0) {
        ch.SetOption(2, p->NbPromu(c));
        ch.SetOption(7, 0);
    } else {
        ch.SetOption(2, p->NbEuropeen(c));
        ch.SetOption(7, 1);
    }
    ch.SetOption(3, p->NbRelegue(c));
    int v = 3, nul = 1, d = 0;
    p->PointsDivision(c, v, nul, d);
    ch.SetOption(4, v);
    ch.SetOption(5, nul);
    ch.SetOption(6, d);
    ch.SetOption(13, p->NbBarragePromu(c));
    ch.SetOption(14, p->NbBarrageRelegue(c));
    ch.SetOption(10, 255);
    if (p->TypeJournee(c) == 1)
        ch.SetOption(11, ch.Option(11) | 8);
}

int32_t Tf_CreationSaison::ChampionnatsSousDivisions(int32_t c, uint8_t type, uint8_t annee1, uint8_t annee2)
{
    TLectureParam* p = Param();
    const TStringList* sous = p ? p->ListeDivision(c) : nullptr;
    if (!sous)
        return -1;
    std::vector<std::pair<std::string, int32_t>> divisions;
    int32_t premier = -1;
    for (int i = 0; i < sous->Count(); ++i) {
        const int32_t code =
            CreeChampionnatModele(c, p->IdChampionnat(c), static_cast<int>(sous->Objects(i)), type, annee1, annee2);
        if (code < 0)
            continue;
        divisions.emplace_back((*sous)[i], code);
        if (premier < 0)
            premier = code;
    }
    if (premier < 0)
        return -1;
    std::stable_sort(divisions.begin(), divisions.end(),
                     [](auto& a, auto& b) { return StrToIntDef(a.first, 0) < StrToIntDef(b.first, 0); });
    TTreeNode* n1 = NoeudChampionnat(p->IdChampionnat(c));
    CreeTours(c, divisions, premier, n1);
    return premier;
}

void Tf_CreationSaison::CreeTours(int32_t c, const std::vector<std::pair<std::string, int32_t>>& divisions,
                                  int32_t premier, TTreeNode* noeud)
{
    TLectureParam* p = Param();
    std::unique_ptr<TStringList> lignes = p ? p->ListePlayoff(c) : nullptr;
    if (!lignes || lignes->Count() == 0)
        return;
    TLectureScenario s(*lignes, MakePath(DossierEcriture, "config\\spec.cfg"));
    int a1 = 0, a2 = 0;
    s.Annees(a1, a2);
    auto codeGroupe = [&](int g) {
        return g >= 1 && g <= static_cast<int>(divisions.size()) ? divisions[static_cast<size_t>(g - 1)].second
                                                                  : premier + g - 1;
    };
    for (int n = 2; n <= s.NombreTours(); ++n) {
        const int type = s.TypeTour(n);
        if (type != 0 && type != 1)
            continue;
        auto b = std::make_unique<TDonneesBarrage>();
        b->TypeEquipe = static_cast<uint8_t>(s.TypeEquipe());
        b->SetOption(8, AnneeOctet(a1));
        b->SetOption(9, AnneeOctet(a2));
        DonneAnneesSaison(*b, Saison, Crees());
        const bool precedentLigue = s.TypeTour(n - 1) == 0;
        if (type == 0) {
            b->TypeGroupe = s.NombreGroupes(n);
            int v = 0, nul = 0, d = 0;
            s.Points(n - 1, v, nul, d);
            b->SetOption(4, static_cast<uint8_t>(v));
            b->SetOption(5, static_cast<uint8_t>(nul));
            b->SetOption(6, static_cast<uint8_t>(d));
            if (precedentLigue)
                for (int g = 1; g <= s.NombreGroupes(n - 1); ++g)
                    b->AjouteDivision(premier + g - 1, {{1, s.NombreQualifies(n - 1, g)}});
        } else {
            b->TypeGroupe = 0;
            const int td = s.TypeDate(n);
            const uint8_t date = td == 1 ? 1 : td == 2 ? 4 : td == 3 ? 5 : 0;
            b->SetOption(11, static_cast<uint8_t>((b->Option(11) & ~2) | (s.TerrainNeutre(n, 0) ? 2 : date)));
            b->CodePerso = static_cast<uint16_t>(s.CodeChamp(n));
            b->SetOption(0, static_cast<uint8_t>((b->Option(0) & 0xF0) + s.ClJoueur(n, 0)));
            b->SetOption(10, 255);
            if (precedentLigue)
                for (int g = 1; g <= s.NombreGroupes(n - 1); ++g)
                    b->AjouteDivision(codeGroupe(g), {{1, s.NombreQualifies(n - 1, g)}});
            const int sousTours = s.NombreSousTours(n);
            if (sousTours >= 1) {
                TTourCoupe* t = b->AjouteTour(s.MatchSousTour(n, 1), s.TypeSousTour(n, 1));
                for (int m = 1; m <= s.MatchSousTour(n, 1); ++m) {
                    int g1, p1, g2, p2;
                    s.EquipesMatch(n, m, g1, p1, g2, p2);
                    if (g1 >= 0 && g2 >= 0)
                        t->AjouteRencontre(static_cast<uint16_t>(codeGroupe(g1)), static_cast<uint16_t>(codeGroupe(g2)),
                                           static_cast<uint16_t>(p1), static_cast<uint16_t>(p2));
                }
            }
            for (int st = 2; st <= sousTours; ++st) {
                TTourCoupe* t = b->AjouteTour(s.MatchSousTour(n, st), s.TypeSousTour(n, st));
                for (int m = 1; m <= s.MatchSousTour(n, st); ++m) {
                    int e1, e2;
                    s.EquipeGroupe(n, st, m, e1, e2);
                    if (e1 != -1 && e2 != -1)
                        t->AjouteRencontre(static_cast<uint16_t>(st - 1), static_cast<uint16_t>(st - 1),
                                           static_cast<uint16_t>(e1), static_cast<uint16_t>(e2));
                }
            }
        }
        const int32_t numero = ++CodeBarrage;
        b->Code = numero;
        const int groupes = b->TypeGroupe;
        NouveauxBarrages.push_back(std::move(b));
        AjouteNoeudBarrage(type == 1 ? s.TitreTour(n) : std::string(), numero, groupes, noeud, false);
    }
}

TTreeNode* Tf_CreationSaison::AjouteNoeudBarrage(const std::string& nom, int32_t numero, int groupes,
                                                 TTreeNode* noeud, bool edite)
{
    std::string texte = nom;
    if (texte.empty()) {
        const std::string g = groupes == 0   ? Traduire(266)
                              : groupes == 1 ? Traduire(264)
                                             : TraduireFormat(265, {groupes});
        texte = Traduire(263) + " (" + g + ")";
    }
    TTreeNode* n = noeud && noeud->Level() == 2 ? AjouteNoeud(noeud->Parent(), noeud, texte, numero | BitBarrage, ImageFerme)
                                                : AjouteNoeud(noeud, nullptr, texte, numero | BitBarrage, ImageFerme);
    if (edite) {
        tv_Saison->SetSelected(n);
        n->EditText();
    }
    return n;
}

// ---- play-offs ----------------------------------------------------------------------------

std::string Tf_CreationSaison::NomDivisionCode(int32_t code) const
{
    for (TTreeNode* n = tv_Saison->Items().GetFirstNode(); n; n = n->GetNext()) {
        const TRecNoeud* r = Rec(n);
        if ((r->Objet && r->Objet->Code == code) || (n->Level() == 2 && (r->Code & BitBarrage) && r->Code == code))
            return n->Text();
    }
    return {};
}

TDonneesBarrage* Tf_CreationSaison::BarrageParCode(int32_t code) const
{
    if (Saison)
        for (TDonneesBarrage* b : Saison->Arbre().ListeBarrages())
            if ((b->Code | BitBarrage) == (code | BitBarrage))
                return b;
    for (const auto& b : NouveauxBarrages)
        if ((b->Code | BitBarrage) == (code | BitBarrage))
            return b.get();
    return nullptr;
}

void Tf_CreationSaison::bc_BarrageClick()
{
    TTreeNode* sel = tv_Saison->Selected();
    if (!sel || sel->Level() != 2 || Rec(sel)->Code == -1)
        return;
    Tf_Barrage::TCandidats candidats;
    auto championnats = [&](TTreeNode* division, int position) {
        for (TTreeNode* c = division->getFirstChild(); c; c = c->getNextSibling())
            if (Rec(c)->Objet)
                candidats.emplace_back(c->Text(), (static_cast<int64_t>(Rec(c)->Objet->Code) << 4) + position);
    };
    auto estBarrage = [](TTreeNode* n) { return (Rec(n)->Code & BitBarrage) != 0; };
    // Above: the play-offs just before, then the division before them.
    std::vector<TTreeNode*> avant;
    TTreeNode* p = sel->getPrevSibling();
    for (; p && estBarrage(p); p = p->getPrevSibling())
        avant.insert(avant.begin(), p);
    for (TTreeNode* b : avant)
        candidats.emplace_back(b->Text(), (static_cast<int64_t>(Rec(b)->Code) << 4) + 1);
    if (p && Rec(p)->Code != -1)
        championnats(p, 1);
    // The selection; a play-off of groups gives one source per group.
    if (estBarrage(sel)) {
        const TDonneesBarrage* b = BarrageParCode(Rec(sel)->Code);
        const int g = b ? b->TypeGroupe : 0;
        if (g == 0)
            candidats.emplace_back(sel->Text(), (static_cast<int64_t>(Rec(sel)->Code) << 4) + 2);
        for (int i = 1; i <= g; ++i)
            candidats.emplace_back(IntToStr(i) + " - " + sel->Text(),
                                   (static_cast<int64_t>(Rec(sel)->Code) << 4) + 2 + (static_cast<int64_t>(i) << 20));
    } else {
        championnats(sel, 2);
    }
    // Below: the play-offs just after, then the division after them.
    TTreeNode* n = sel->getNextSibling();
    for (; n && estBarrage(n); n = n->getNextSibling())
        candidats.emplace_back(n->Text(), (static_cast<int64_t>(Rec(n)->Code) << 4) + 3);
    if (n && Rec(n)->Code != -1)
        championnats(n, 3);

    TOwned<Tf_Barrage> f(new Tf_Barrage(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison);
    f->NomDivisionCode = [this](int32_t code) { return NomDivisionCode(code); };
    f->DonneListe(candidats);
    if (f->ShowModal() != mrOk)
        return;
    const bool promotion = f->rc_Promotion->Checked();
    std::unique_ptr<TDonneesBarrage> b = f->PrendBarrage();
    DonneAnneesSaison(*b, Saison, Crees());
    const int32_t numero = ++CodeBarrage;
    b->Code = numero;
    const int groupes = b->TypeGroupe;
    NouveauxBarrages.push_back(std::move(b));
    TTreeNode* place = sel;
    if (!promotion) {
        place = sel->getNextSibling();
        while (place && estBarrage(place))
            place = place->getNextSibling();
        if (!place)
            place = sel->Parent();
    }
    AjouteNoeudBarrage("", numero, groupes, place);
}

void Tf_CreationSaison::EditeBarrage(TTreeNode* n)
{
    TDonneesBarrage* b = BarrageParCode(Rec(n)->Code);
    if (!b)
        return;
    // A play-off of the season is given back as it was if this window is
    // cancelled: a copy of it before its first edit here.
    const bool saison = std::none_of(NouveauxBarrages.begin(), NouveauxBarrages.end(),
                                     [b](const auto& x) { return x.get() == b; });
    if (saison && std::none_of(barragesAvant_.begin(), barragesAvant_.end(),
                               [b](const auto& x) { return x.first == b; }))
        barragesAvant_.emplace_back(b, std::make_unique<TDonneesBarrage>(*b));
    TOwned<Tf_Barrage> f(new Tf_Barrage(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison);
    f->NomDivisionCode = [this](int32_t code) { return NomDivisionCode(code); };
    f->Charge(b);
    f->ShowModal();
}

void Tf_CreationSaison::bc_CreeCoupeClick()
{
    if (!Saison)
        return;
    TOwned<Tf_CreationCoupe> f(new Tf_CreationCoupe(this));
    f->ChangeCouleurs(Couleurs);
    if (f->ShowModal() != mrOk)
        return;
    const uint8_t type = f->rc_International->Checked() ? 3 : 2;
    std::unique_ptr<TDonneesChampionnat> ch =
        Saison->CreeChampionnat(static_cast<uint8_t>(TDonneesChampionnat::TypeCoupe | (1u << type)), 0);
    if (!ch)
        return;
    ch->SetSaison(Saison);
    ch->SetCodeDivision(++IdPerso);
    ch->CodeChamp = ++CodeCourant;
    ch->CreeToursCoupe(f->Tours);
    // Its round count: the winners of each round up to it go on to the next.
    ch->SetOption(1, static_cast<int>(f->Tours.size()));
    DonneAnneesSaison(*ch, Saison, Crees());
    TListObj* o = NouvelObjet();
    o->Index = o->Code = ch->CodeChamp;
    o->Championnat = ch.get();
    crees_.push_back(std::move(ch));
    TTreeNode* sel = tv_Saison->Selected();
    const std::string nom = Trim(f->e_NomCoupe->Text());
    if (sel && sel->Level() == 1) {
        // Its division is named after it: never with an empty name.
        sel = AjouteNoeud(sel, nullptr, nom.empty() ? TraduireFormat(3904, {sel->Count() + 1}) : nom, 0, ImageFerme);
        tv_Saison->SetSelected(sel);
        sel->EditText();
    }
    if (sel && sel->Level() == 2) {
        // The cup takes the name typed; a numbered default only without one.
        const std::string texte = nom.empty() ? TraduireFormat(3904, {sel->Count() + 1}) : nom;
        TTreeNode* n = AjouteNoeud(sel, nullptr, texte, 0, ImageChampionnat);
        Rec(n)->Objet = o;
    }
}
