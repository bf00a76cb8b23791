// The Championnat element of the season document: writing (number form) and
// reading (number form, names form, and files of earlier versions).
#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "model/Championnat.h"
#include "model/ChampsSaison.h"
#include "model/Saison.h"
#include "model/TableauCoupe.h"
#include "model/Utilities.h"
#include "model/ioXml.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Strings.h"

namespace {

constexpr uint16_t ScoreVide = TInfoComp::ScoreVide;

bool IdValide(int id)
{
    return id >= 0 && id < 65535;
}

// The leaf's number, of its field.
int32_t Entier(TXmlReader& x, uint8_t jeton, TChamp c, int32_t defaut = 0)
{
    const int32_t v = x.TexteEntier(Champ(c), defaut);
    x.SauteElement(jeton);
    return v;
}

std::string Texte(TXmlReader& x, uint8_t jeton)
{
    std::string t = x.Texte();
    x.SauteElement(jeton);
    return t;
}

// A date written day/month/four-digit year.
std::string TexteDate(uint32_t date)
{
    return IntToStr(TGestionDate::Jour(date)) + "/" + IntToStr(TGestionDate::Mois(date)) + "/" +
           IntToStr(TGestionDate::Annee(date));
}

// A date as written, day/month/year. What names no day of the calendar
// ("52/8/2024", "29/2/2023", "15/8/0", a year past 9999 that the packing
// would wrap) is no date: read as none, no window meets it as a date.
uint32_t DateLue(const std::string& texte)
{
    const std::string t = Trim(texte);
    const uint32_t date = TGestionDate::TexteVersDate(t);
    const size_t barre = t.rfind('/');
    const int annee = barre == std::string::npos ? 0 : StrToIntDef(t.substr(barre + 1), 0);
    const bool jour = annee == TGestionDate::Annee(date) &&
                      IsValidDate(annee, TGestionDate::Mois(date), TGestionDate::Jour(date));
    return jour ? date : 0;
}

// The "-"-joined numbers of a leaf of a list field.
std::vector<int32_t> Nombres(TXmlReader& x, uint8_t jeton, TChamp c, int32_t defaut)
{
    std::vector<int32_t> v = x.LitListe(Champ(c), x.Texte(), defaut);
    x.SauteElement(jeton);
    return v;
}

// A number read for the field from a text taken with its element (LitChamps),
// which stood at ou in the input.
int32_t Valeur(TXmlReader& x, const std::string& texte, TChamp c, int32_t defaut = 0, const char* ou = nullptr)
{
    return x.Lit(Champ(c), texte, defaut, ou);
}

}   // namespace

// ===========================================================================
// Writing

void TDonneesChampionnat::EcritChampionnat(TXmlWriter& x)
{
    x.OuvreElement("Championnat");
    x.EcritElementEntier("CodeChamp", CodeChamp);

    x.OuvreElement("Type");
    static const char* const noms[4] = {"TypeChamp", "TypeCoupe", "TypeNational", "TypeInternational"};
    for (int b = 0; b < 4; ++b)
        if (types_ & (1 << b))
            x.AjouteAttribut(noms[b], "1");
    x.FermeElement("Type");

    if (EstCoupe()) {
        x.OuvreElement("ToursCoupe");
        for (const TInfoTourCoupe& t : tours_) {
            x.OuvreElement("TourCoupe");
            x.EcritElementEntier("nTour", t.nTour);
            x.EcritElementEntier("TypeMatch", static_cast<int32_t>(t.TypeMatch));
            x.EcritElementEntier("NbMatch", t.NbMatch);
            x.FermeElement("TourCoupe");
        }
        x.FermeElement("ToursCoupe");
        x.OuvreElement("MatchsSuiv");
        for (uint32_t m : matchsSuiv_)
            x.EcritElementEntier("Match", static_cast<int32_t>(m));
        x.FermeElement("MatchsSuiv");
    }

    x.EcritElementEntier("NbTitulaire", nbTitulaire_);
    x.EcritElementEntier("NbRemp", nbRemp_);
    x.EcritElementEntier("TempsPeriode", TempsPeriode);
    x.EcritElementEntier("TempsPeriodeProlongation", TempsPeriodeProlongation);
    x.EcritElementEntier("NbEquipe", NbEquipe());
    x.EcritElementEntier("NbJour", nbJour_);
    x.EcritElementEntier("NbMatch", nbMatch_);
    if (NbEquipe() > 0) {
        std::string ids, cats;
        for (int i = 0; i < NbEquipe(); ++i) {
            if (i > 0) {
                ids += '-';
                cats += '-';
            }
            ids += IntToStr(ids_[static_cast<size_t>(i)]);
            cats += IntToStr(categories_[static_cast<size_t>(i)]);
        }
        x.EcritElement("Conversion", ids);
        x.EcritElement("categorie", cats);
    }

    x.OuvreElement("Tranches");
    for (int i = 0; i < NbTranches(); ++i) {
        int debut = 0, fin = 0;
        Tranche(i, debut, fin);
        x.OuvreElement("Tranche");
        x.EcritElementEntier("Debut", debut);
        x.EcritElementEntier("Fin", fin);
        x.FermeElement("Tranche");
    }
    x.FermeElement("Tranches");

    x.OuvreElement("Options");
    for (int i = 0; i < NbOption; ++i)
        x.EcritElementEntier("Option", static_cast<int16_t>(options_[i]));
    x.EcritElementEntier("BonusBut", BonusBut);
    x.EcritElementEntier("PointBonusBut", PointBonusBut);
    x.EcritElementEntier("BonusEcart", BonusEcart);
    x.EcritElementBooleen("PetiteFinale", PetiteFinale);
    x.EcritElementEntier("CategorieDef", categorieDef_);
    x.FermeElement("Options");

    for (const auto& g : groupes_) {
        x.OuvreElement("GroupeEquipe");
        x.AjouteAttribut("NomGroupe", g->NomGroupe);
        for (int i = 0; i < g->NbEquipe(); ++i)
            x.EcritElementEntier("Equipe", g->Equipe(i));
        x.FermeElement("GroupeEquipe");
    }

    x.OuvreElement("OptionsArbitre");
    for (int i = 0; i < NbOptionArbitre; ++i)
        x.EcritElementEntier("Option", optionsArbitre_[i]);
    x.FermeElement("OptionsArbitre");

    x.EcritElementEntier("NbJournee", NbJournee);
    x.EcritElementEntier("Division", Division);
    x.EcritElementEntier("CodePerso", CodePerso);
    x.EcritElement("OrdreClassement", OrdreClassement);
    EcritOptionsSaisie(x);

    for (int n = 1; n <= nbJour_; ++n) {
        x.OuvreElement("Journee");
        x.AjouteAttributEntier("Numero", n);
        const uint32_t date = DateJournee(n);
        if (TGestionDate::Jour(date) != 0)
            x.AjouteAttribut("Date", TexteDate(date));
        // Every match whose two teams are set, however many the matchday holds.
        if (const TInfoCompJour* j = Journee(n)) {
            struct TEcritureJournee
            {
                TDonneesChampionnat& c;
                TEcritureJournee(TDonneesChampionnat& ch, int jour) : c(ch) { c.DebutEcritureJournee(jour); }
                ~TEcritureJournee() { c.FinEcritureJournee(); }
            } garde(*this, n);
            for (int i = 0; i < j->NbMatchs(); ++i) {
                const TInfoComp& m = *j->Match(i);
                if (m.IdEquipe(0) != AucuneEquipe && m.IdEquipe(1) != AucuneEquipe)
                    EcritMatch(x, m, n);
            }
        }
        x.FermeElement("Journee");
    }

    for (int i = 0; i < penalites_.Nombre(); ++i) {
        const TPenalite* p = penalites_.Penalite(i);
        x.OuvreElement("Penalite");
        x.EcritElementEntier("e1", p->e1);
        x.EcritElementEntier("e2", p->e2);
        x.EcritElementEntier("s1", p->s1);
        x.EcritElementEntier("s2", p->s2);
        x.EcritElementEntier("Journee", p->Journee);
        x.EcritElementEntier("Type", p->Type);
        x.FermeElement("Penalite");
    }
    x.FermeElement("Championnat");
}

void TDonneesChampionnat::EcritMatch(TXmlWriter& x, const TInfoComp& m, int n)
{
    const int dom = m.IdEquipe(0), ext = m.IdEquipe(1);
    x.OuvreElement("Match");
    x.EcritElementEntier("e1", dom);
    x.EcritElementEntier("e2", ext);
    if (m.ScoresSaisis()) {
        x.EcritElementEntier("s1", m.Score(0) & 0x7FFF);
        x.EcritElementEntier("s2", m.Score(1) & 0x7FFF);
    }
    x.EcritElementPositif("Affluence", m.Affluence());
    x.EcritElement("Comment", m.Commentaire());
    x.EcritElementPositif("NoteMatch", m.NoteMatch());
    if (m.TempsAdd(1) != 255)
        x.EcritElementEntier("TempsAdd1", m.TempsAdd(1));
    if (m.TempsAdd(2) != 255 && m.TempsAdd(2) > 0)
        x.EcritElementEntier("TempsAdd2", m.TempsAdd(2));
    // Each official in its own place: an unset official before a set one is
    // written as -1, and each rating follows its official.
    int dernier = 0;
    for (int k = 1; k <= 3; ++k)
        if (m.Officiel(k) > 0)
            dernier = k;
    for (int k = 1; k <= dernier; ++k) {
        x.EcritElementEntier("Arbitre", m.Officiel(k) > 0 ? m.Officiel(k) : -1);
        if (m.Officiel(k) > 0)
            x.EcritElementPositif("NoteArbitre", m.NoteOfficiel(k));
    }
    if (m.Stade() != 0)
        x.EcritElementEntier("Stade", m.Stade());
    if ((Option(11) & 4) && TGestionDate::Jour(m.DateMatch()) != 0)
        x.EcritElement("DateMatch", TexteDate(m.DateMatch()));
    EcritScoresPeriode(x, m);
    EcritEvenementsMatch(x, m, n, true);
    if (EstCoupe() && m.ScoresSaisis())
        if (const TPenaltyTab* p = Penalty(n, dom, ext)) {
            x.OuvreElement("Penalty");
            x.EcritElementEntier("s1", p->s1);
            x.EcritElementEntier("s2", p->s2);
            // The score it was entered for, when the match's score has gone
            // on to another that kept it (earlier readers skip these).
            if (m.ScoreTirs(0) != ScoreVide && m.ScoreTirs(1) != ScoreVide) {
                x.EcritElementEntier("Score1", m.ScoreTirs(0));
                x.EcritElementEntier("Score2", m.ScoreTirs(1));
            }
            x.FermeElement("Penalty");
        }
    // The shoot-outs a score change took away, each with the score it
    // followed (earlier readers skip this element).
    for (const TInfoComp::TTirsOtes& t : m.TirsOtes()) {
        x.OuvreElement("TirsRetires");
        x.EcritElementEntier("s1", static_cast<int32_t>((t.Tirs >> 16) & 0xFF));
        x.EcritElementEntier("s2", static_cast<int32_t>(t.Tirs & 0xFF));
        x.EcritElementEntier("Score1", t.Domicile);
        x.EcritElementEntier("Score2", t.Exterieur);
        x.FermeElement("TirsRetires");
    }
    // The side that went through (earlier readers skip this element).
    if (m.ScoresSaisis()) {
        if (m.Score(0) & TInfoComp::Qualifie)
            x.EcritElementEntier("Qualifie", 1);
        else if (m.Score(1) & TInfoComp::Qualifie)
            x.EcritElementEntier("Qualifie", 2);
    }
    x.FermeElement("Match");
}

void TDonneesChampionnat::EcritEvenements(TXmlWriter& x, const TInfoComp& match, int n, int type,
                                          const std::string& nom, uint16_t avec, uint16_t sans) const
{
    const TInfoCompJour* j = Journee(n);
    const TListeDonnees* l = j ? j->Liste(type) : nullptr;
    if (!l)
        return;
    const int ici = j->IndexObjetMatch(&match);
    for (int cote = 0; cote < 2; ++cote) {
        const int id = match.IdEquipe(cote);
        if (id == AucuneEquipe || (cote == 1 && id == match.IdEquipe(0)))
            continue;
        if (ici >= 0 && j->IndexMatchEquipe(id) != ici)
            continue;   // written with the team's first match of the matchday
        for (int i = 0; i < l->Nombre(); ++i) {
            const TDonneesEvt* d = l->Donnee(i);
            if (d->IdEquipe() != id || (d->Mot() & avec) != avec || (d->Mot() & sans) != 0)
                continue;
            x.OuvreElement(nom);
            x.AjouteAttributEntier("Equipe", cote + 1);
            x.EcritElementEntier("Joueur", d->IdJoueur());
            x.EcritElementPositif("Minute", d->Mot());
            x.FermeElement(nom);
        }
    }
}

void TDonneesChampionnat::EcritComposition(TXmlWriter& x, const TInfoComp& match) const
{
    const bool maillots = (Option(11) & 16) != 0;
    for (int cote = 0; cote < 2; ++cote) {
        const int id = match.IdEquipe(cote);
        if (id == AucuneEquipe || match.Cote(id) != cote || !match.CompositionSaisie(id))
            continue;
        auto connu = [&](int32_t joueur) { return saison_ && saison_->JoueurConnu(joueur, id); };
        const int nbTit = match.NbTitulaire();
        x.EcritElementEntier("NbTitulaire", nbTit);
        x.EcritElementEntier("NbRemp", match.NbRemp());
        x.OuvreElement("Compo");
        x.AjouteAttributEntier("Equipe", cote + 1);
        // Starters are read back in order: an empty slot before a filled one
        // is written as an empty Tit so that every player keeps his slot.
        int dernier = 0;
        for (int s = 1; s <= nbTit; ++s)
            if (match.JoueurTitulaire(id, s) > 0)
                dernier = s;
        for (int s = 1; s <= dernier; ++s) {
            const int32_t joueur = match.JoueurTitulaire(id, s);
            x.OuvreElement("Tit");
            if (joueur > 0) {
                if (connu(joueur))
                    x.AjouteAttributEntier("ID", joueur);
                if (maillots && match.Maillot(id, s) > 0)
                    x.AjouteAttributEntier("Maillot", match.Maillot(id, s));
                if (match.Note(id, s) >= 0 && match.Note(id, s) < 255)
                    x.AjouteAttributEntier("Note", match.Note(id, s));
            }
            x.FermeElement("Tit");
        }
        for (int r = 1; r <= match.NbRemp(); ++r) {
            const int32_t entrant = match.ValeurRemplacement(id, r, 3);
            if (entrant <= 0 || !connu(entrant))
                continue;
            x.OuvreElement("Rempl");
            x.AjouteAttributEntier("ID", entrant);
            x.AjouteAttributEntier("IdRemp", match.ValeurRemplacement(id, r, 1));
            if (maillots && match.Maillot(id, nbTit + r) > 0)
                x.AjouteAttributEntier("Maillot", match.Maillot(id, nbTit + r));
            const int note = match.Note(id, nbTit + r);
            if (note >= 0 && note < 255)
                x.EcritElementEntier("Note", note);
            x.EcritElementEntier("Minute", match.ValeurRemplacement(id, r, 5));
            x.FermeElement("Rempl");
        }
        x.EcritElementPositif("Capitaine", match.Capitaine(id));
        x.FermeElement("Compo");
    }
}

// ===========================================================================
// Reading

// A document may hold any number of matches on a matchday, and as many match
// states: each is found among those read by its key, not searched for.
struct TDonneesChampionnat::TLecture
{
    // The matches of the matchday being read, by their sides (the first of
    // two alike, as MatchEquipes finds it).
    std::unordered_map<uint32_t, TInfoComp*> matchs;
    // The forfeits the matches give, in their order, added with the
    // document's match states once all are read; the records there are and
    // those given, by matchday and sides: a match gives one at most.
    std::vector<TPenalite> forfaits;
    std::unordered_set<uint64_t> etats;

    static uint32_t Cle(int domicile, int exterieur)
    {
        return static_cast<uint32_t>(domicile & 0xFFFF) << 16 | static_cast<uint32_t>(exterieur & 0xFFFF);
    }
    static uint64_t CleEtat(int journee, int domicile, int exterieur)
    {
        return static_cast<uint64_t>(journee & 0xFF) << 32 | Cle(domicile, exterieur);
    }
};

void TDonneesChampionnat::LitChampionnat(TXmlReader& x)
{
    // A championship without a tie-break rule ranks by points, then goal
    // difference.
    OrdreClassement = "ac";
    TLecture lecture;
    for (int i = 0; i < penalites_.Nombre(); ++i) {
        const TPenalite& p = *penalites_.Penalite(i);
        lecture.etats.insert(TLecture::CleEtat(p.Journee, p.e1, p.e2));
    }
    std::vector<TPenalite> penalites;
    std::vector<int> journeesPenalites;
    uint64_t journeesVues[4] = {};
    bool nbJourLu = false;
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        const std::string nom = x.Nom();
        if (nom == "CodeChamp") {
            CodeChamp = Entier(x, j, TChamp::CodeChamp);
        } else if (nom == "Type") {
            // The flags of a league and of a national championship are
            // checked, not read: the other two say it.
            static constexpr const TChampXml* drapeaux[4] = {&Champ(TChamp::TypeCoupe), &Champ(TChamp::TypeInternational),
                                                             &Champ(TChamp::TypeChamp), &Champ(TChamp::TypeNational)};
            int32_t v[4] = {0, 0, 0, 0};
            x.AttributsEntiers(drapeaux, v);
            types_ = static_cast<uint8_t>((v[0] == 1 ? TypeCoupe : TypeChamp) | (v[1] == 1 ? TypeInternational : TypeNational));
            x.SauteElement(j);
        } else if (nom == "ToursCoupe") {
            EnfantsXml(x, j, [&](std::string_view n, uint8_t k) {
                if (n != "TourCoupe" || k != xmlDebut) {
                    x.SauteElement(k);
                    return;
                }
                static const std::string champs[3] = {"nTour", "TypeMatch", "NbMatch"};
                std::string v[3];
                const char* ou[3] = {};
                x.LitChamps(champs, v, ou);
                TInfoTourCoupe t;
                const int tour = Valeur(x, v[0], TChamp::TourNumero, 0, ou[0]);
                t.nTour = static_cast<uint16_t>(tour);
                t.TypeMatch = static_cast<uint32_t>(Valeur(x, v[1], TChamp::TourTypeMatch, 0, ou[1]));
                t.NbMatch = static_cast<uint16_t>(Valeur(x, v[2], TChamp::TourNbMatch, 0, ou[2]));
                if (tour > 0 && NbToursCoupe() < TJournees::MaxJournees)
                    AjouteTourCoupe(t);
            });
        } else if (nom == "MatchsSuiv") {
            EnfantsXml(x, j, [&](std::string_view n, uint8_t k) {
                if (n == "Match" && matchsSuiv_.size() < 65536)
                    matchsSuiv_.push_back(static_cast<uint32_t>(x.TexteEntier(Champ(TChamp::MatchSuivant))));
                x.SauteElement(k);
            });
        } else if (nom == "NbTitulaire") {
            SetNbTitulaire(Entier(x, j, TChamp::NbTitulaire));
        } else if (nom == "NbRemp") {
            SetNbRemp(Entier(x, j, TChamp::NbRemp));
        } else if (nom == "TempsPeriode") {
            TempsPeriode = Entier(x, j, TChamp::TempsPeriode);
        } else if (nom == "TempsPeriodeProlongation") {
            TempsPeriodeProlongation = Entier(x, j, TChamp::TempsProlongation);
        } else if (nom == "NbEquipe") {
            SetNbEquipe(Entier(x, j, TChamp::NbEquipe));
        } else if (nom == "NbJour") {
            SetNbJournees(Entier(x, j, TChamp::NbJour));
            nbJourLu = true;
        } else if (nom == "NbMatch") {
            SetNbMatch(Entier(x, j, TChamp::NbMatch));
        } else if (nom == "Conversion") {
            const auto v = Nombres(x, j, TChamp::Conversion, AucuneEquipe);
            for (size_t i = 0; i < v.size() && i < static_cast<size_t>(MaxEquipes); ++i) {
                if (i >= ids_.size())
                    SetNbEquipe(static_cast<int>(i) + 1);
                // A slot holds a team id once at most; anything else leaves it free.
                const bool valide = IdValide(v[i]) && IndexEquipe(v[i]) < 0;
                ids_[i] = valide ? static_cast<uint16_t>(v[i]) : AucuneEquipe;
            }
        } else if (nom == "categorie") {
            const auto v = Nombres(x, j, TChamp::CategoriesEquipes, 0);
            for (size_t i = 0; i < v.size() && i < ids_.size(); ++i)
                categories_[i] = static_cast<uint16_t>(v[i]);
        } else if (nom == "Tranches") {
            tranches_.clear();
            EnfantsXml(x, j, [&](std::string_view n, uint8_t k) {
                if (n != "Tranche" || k != xmlDebut) {
                    x.SauteElement(k);
                    return;
                }
                static const std::string champs[2] = {"Debut", "Fin"};
                std::string v[2];
                const char* ou[2] = {};
                x.LitChamps(champs, v, ou);
                const int debut = Valeur(x, v[0], TChamp::TrancheDebut, 0, ou[0]);
                const int fin = Valeur(x, v[1], TChamp::TrancheFin, 0, ou[1]);
                if ((debut > 0 || fin >= 1) && tranches_.size() < 256)
                    SetTranche(NbTranches(), debut, fin);
            });
        } else if (nom == "Options") {
            OptionsSport();
            int i = 0;
            EnfantsXml(x, j, [&](std::string_view n, uint8_t k) {
                if (n == "Option")
                    SetOption(std::min(i++, NbOption - 1), x.TexteEntier(Champ(TChamp::Option)));
                else if (n == "BonusBut")
                    BonusBut = x.TexteEntier(Champ(TChamp::BonusBut));
                else if (n == "PointBonusBut")
                    PointBonusBut = x.TexteEntier(Champ(TChamp::PointBonusBut));
                else if (n == "BonusEcart")
                    BonusEcart = x.TexteEntier(Champ(TChamp::BonusEcart));
                else if (n == "PetiteFinale")
                    PetiteFinale = x.TexteEntier(Champ(TChamp::PetiteFinale)) == 1;
                else if (n == "CategorieDef")
                    categorieDef_ = static_cast<uint16_t>(x.TexteEntier(Champ(TChamp::CategorieDef)));
                x.SauteElement(k);
            });
        } else if (nom == "GroupeEquipe") {
            auto g = std::make_unique<TGroupeEquipe>();
            g->NomGroupe = x.ValeurAttribut("NomGroupe");
            EnfantsXml(x, j, [&](std::string_view n, uint8_t k) {
                if (n == "Equipe")
                    g->AjouteEquipe(x.TexteEntier(Champ(TChamp::GroupeEquipe), -1));
                x.SauteElement(k);
            });
            // An empty group is kept as written: the options window makes one.
            AjouteGroupe(std::move(g));
        } else if (nom == "OptionsArbitre") {
            int i = 0;
            EnfantsXml(x, j, [&](std::string_view n, uint8_t k) {
                if (n == "Option")
                    SetOptionArbitre(std::min(i++, NbOptionArbitre - 1), x.TexteEntier(Champ(TChamp::OptionArbitre)));
                x.SauteElement(k);
            });
        } else if (nom == "NbJournee") {
            NbJournee = static_cast<uint8_t>(Entier(x, j, TChamp::NbJournee));
        } else if (nom == "Division") {
            Division = Entier(x, j, TChamp::Division);
        } else if (nom == "CodePerso") {
            CodePerso = static_cast<uint16_t>(Entier(x, j, TChamp::CodePerso));
        } else if (nom == "OrdreClassement") {
            OrdreClassement = Trim(Texte(x, j));
            if (OrdreClassement.empty())
                OrdreClassement = "ac";
        } else if (nom == "Journee") {
            LitJournee(x, j, journeesVues, nbJourLu, lecture);
        } else if (nom == "Penalite") {
            static const std::string champs[6] = {"e1", "e2", "s1", "s2", "Journee", "Type"};
            std::string v[6];
            const char* ou[6] = {};
            if (j == xmlDebut)
                x.LitChamps(champs, v, ou);
            static constexpr TChamp lus[6] = {TChamp::PenaliteEquipe1, TChamp::PenaliteEquipe2, TChamp::PenaliteScore1,
                                              TChamp::PenaliteScore2, TChamp::PenaliteJournee, TChamp::PenaliteType};
            auto val = [&](int i, int def) { return Valeur(x, v[i], lus[i], def, ou[i]); };
            penalites.push_back({static_cast<uint16_t>(val(0, 0)), static_cast<uint16_t>(val(1, 0)), val(2, ScoreVide),
                                 val(3, ScoreVide), 0, static_cast<uint8_t>(val(5, 0))});
            journeesPenalites.push_back(val(4, 0));
        } else if (!LitOptionsSaisieJeton(x, j)) {
            x.SauteElement(j);
        }
        j = x.ElementSuivant();
    }
    // Each record goes before the records of its matchday: the forfeits of
    // the matches, the last read first, then, before them, the document's
    // records in its order.
    std::reverse(lecture.forfaits.begin(), lecture.forfaits.end());
    penalites_.AjouteEnTete(lecture.forfaits);
    std::vector<TPenalite> etats;
    etats.reserve(penalites.size());
    for (size_t i = 0; i < penalites.size(); ++i)
        if (journeesPenalites[i] >= 0 && journeesPenalites[i] <= 255) {
            etats.push_back(penalites[i]);
            etats.back().Journee = static_cast<uint8_t>(journeesPenalites[i]);
        }
    penalites_.AjouteEnTete(etats);
    // Earlier versions left a team that left the championship in its groups:
    // a group holds only the championship's teams, as the options window
    // writes them, so such an entry goes.
    RemplaceGroupes(std::move(groupes_));
    if (SystemeDate())
        journees_->TrieParDate();
    DerniereJournee = static_cast<uint8_t>(CalculeDerniereJournee());
    // A play-off's championship of an earlier version: a forfeit gives its
    // winner the sport's score, not 0-0.
    RetablitOptionsSport();
    // The cup as its file holds it is the one its next change starts from,
    // its third-place match where the results page shows it.
    RangePetiteFinale(*this);
    ScelleCoupe(*this);
}

void TDonneesChampionnat::LitJournee(TXmlReader& x, uint8_t jeton, uint64_t (&vues)[4], bool nbJourLu,
                                     TLecture& lecture)
{
    // A number that does not read (a quote lost in the tag), that is no
    // matchday of the championship or that another matchday has already
    // would put the matches on another matchday, or merge two: the document
    // is damaged. Without a number, matchday 1.
    TChampXml numero = Champ(TChamp::JourneeNumero);
    if (nbJourLu)
        numero.haut = std::min<int64_t>(numero.haut, NbJour());
    const int n = x.AttributEntier(numero, 1);
    if (x.Malforme())
        return;
    uint64_t& mot = vues[n / 64];
    if (mot >> (n % 64) & 1) {
        x.Endommage();
        return;
    }
    mot |= uint64_t{1} << (n % 64);
    SetDateJournee(n, DateLue(x.ValeurAttribut("Date")));
    lecture.matchs.clear();
    if (const TInfoCompJour* jour = Journee(n))
        for (int i = 0; i < jour->NbMatchs(); ++i)
            lecture.matchs.try_emplace(TLecture::Cle(jour->Match(i)->IdEquipe(0), jour->Match(i)->IdEquipe(1)),
                                       jour->Match(i));
    EnfantsXml(x, jeton, [&](std::string_view nom, uint8_t k) {
        if (NomXml(nom, "Match") && k == xmlDebut)
            LitMatch(x, n, lecture);
        else
            x.SauteElement(k);
    });
}

int TDonneesChampionnat::EquipeLue(TXmlReader& x, uint8_t jeton, bool noms, TChamp champ)
{
    // The season document gives the team's number, one of its teams; only
    // the names form names it.
    if (!noms) {
        const int32_t id = x.TexteEntier(Champ(champ), -1);
        x.SauteElement(jeton);
        return IdValide(id) ? id : -1;
    }
    const std::string t = Trim(x.Texte());
    int32_t id = -1;
    const bool nombre = EntierXmlLu(t, id);
    x.SauteElement(jeton);
    if (nombre)
        return IdValide(id) ? id : -1;
    if (!saison_)
        return -1;
    return saison_->AjouteEquipe(t, -1, 0, true);
}

void TDonneesChampionnat::LitMatch(TXmlReader& x, int n, TLecture& lecture)
{
    TSaison* s = saison_;
    int equipes[2] = {-1, -1};
    TInfoComp* match = nullptr;
    // Values applied once the match exists and every child is read.
    std::optional<int> scores[2], affluence, noteMatch, tempsAdd[2], forfait, qualifie;
    std::optional<int32_t> stade;
    std::optional<uint32_t> date;
    std::optional<std::string> commentaire;
    int32_t officiels[3] = {-1, -1, -1};
    int notes[3] = {0, 0, 0};
    // Each rating with the official read just before it (0: none).
    std::vector<std::pair<int, int>> notesLues;
    int nbArbitre = 0, arbitrePrecedent = 0;
    bool officielsLus = false;
    int nbTitulaire = nbTitulaire_, nbRemp = nbRemp_;
    bool penalty = false, penaltyNul = false;
    int penaltys[2] = {0, 0};
    std::optional<std::pair<int, int>> scoreTirs;
    std::vector<TInfoComp::TTirsOtes> tirsOtes;
    // The names form marks its matches with their number and division.
    const bool noms = x.AAttribut("Numero") || x.AAttribut("Division");

    auto arbitreNomme = [&](uint8_t k) -> int32_t {
        static const std::string champs[2] = {"Nom", "Prenom"};
        std::string v[2];
        x.LitChamps(champs, v);
        const std::string nom = Trim(v[0]), prenom = Trim(v[1]);
        if (nom.empty() || !s)
            return -1;
        (void)k;
        if (TPersonnel* p = s->Arbitres().ChercheNom(nom, prenom))
            return p->Numero;
        TPersonnel* p = s->Arbitres().AjoutePersonnel(std::make_unique<TPersonnelStat>(-1, 0, prenom, nom));
        return p ? p->Numero : -1;
    };

    EnfantsXml(x, xmlDebut, [&](std::string_view nomLu, uint8_t k) {
        const std::string_view nom = nomLu;
        const int apresArbitre = arbitrePrecedent;
        arbitrePrecedent = 0;
        if (NomXml(nom, "e1") || NomXml(nom, "e2")) {
            const int cote = NomXml(nom, "e1") ? 0 : 1;
            equipes[cote] = EquipeLue(x, k, noms, cote == 0 ? TChamp::MatchEquipe1 : TChamp::MatchEquipe2);
            // The match of the two teams; other matches of the matchday stay,
            // even when a team plays twice.
            if (cote == 1 && !match && IdValide(equipes[0]) && IdValide(equipes[1])) {
                TInfoComp*& lu = lecture.matchs[TLecture::Cle(equipes[0], equipes[1])];
                if (!lu)
                    lu = journees_->NouveauMatch(n, equipes[0], equipes[1], -1, DateJournee(n));
                match = lu;
            }
        } else if (NomXml(nom, "s1") || NomXml(nom, "s2")) {
            const bool premier = NomXml(nom, "s1");
            scores[premier ? 0 : 1] = Entier(x, k, premier ? TChamp::MatchScore1 : TChamp::MatchScore2);
        } else if (NomXml(nom, "Affluence")) {
            affluence = Entier(x, k, TChamp::MatchAffluence);
        } else if (NomXml(nom, "Comment")) {
            commentaire = Texte(x, k);
        } else if (NomXml(nom, "NoteMatch")) {
            noteMatch = Entier(x, k, TChamp::MatchNote);
        } else if (NomXml(nom, "TempsAdd1") || NomXml(nom, "TempsAdd2")) {
            const bool premier = NomXml(nom, "TempsAdd1");
            tempsAdd[premier ? 0 : 1] = Entier(x, k, premier ? TChamp::MatchTempsAdd1 : TChamp::MatchTempsAdd2);
        } else if (NomXml(nom, "Arbitre")) {
            const int32_t id = k == xmlDebut ? arbitreNomme(k) : Entier(x, k, TChamp::MatchArbitre, -1);
            nbArbitre = std::min(nbArbitre + 1, 3);
            officiels[nbArbitre - 1] = id > 0 ? id : -1;
            officielsLus = true;
            arbitrePrecedent = nbArbitre;
        } else if (NomXml(nom, "NoteArbitre")) {
            notesLues.emplace_back(Entier(x, k, TChamp::MatchNoteArbitre), apresArbitre);
            officielsLus = true;
        } else if (NomXml(nom, "Stade")) {
            if (k == xmlDebut) {
                static const std::string champs[2] = {"Nom", "Ville"};
                std::string v[2];
                x.LitChamps(champs, v);
                const std::string nomStade = Trim(v[0]), ville = Trim(v[1]);
                if (!nomStade.empty() && s) {
                    TStade* st = s->Stades().ChercheStadeNom(nomStade, ville);
                    if (!st)
                        st = s->Stades().NouveauStade(nomStade, ville);
                    if (st)
                        stade = st->Code;
                }
            } else {
                stade = Entier(x, k, TChamp::MatchStade);
            }
        } else if (NomXml(nom, "DateMatch")) {
            date = DateLue(Texte(x, k));
        } else if (NomXml(nom, "NbTitulaire")) {
            nbTitulaire = Entier(x, k, TChamp::MatchNbTitulaire);
            if (match)
                match->SetNbTitulaire(nbTitulaire);
        } else if (NomXml(nom, "NbRemp")) {
            nbRemp = Entier(x, k, TChamp::MatchNbRemp);
            if (match)
                match->SetNbRemp(nbRemp);
        } else if (NomXml(nom, "Compo")) {
            if (match)
                LitComposition(x, k, *match, nbTitulaire, nbRemp);
            else
                x.SauteElement(k);
        } else if (NomXml(nom, "ScorePeriode1") || NomXml(nom, "ScorePeriode2")) {
            if (match && k == xmlDebut)
                LitScoresPeriode(x, *match);
            else
                x.SauteElement(k);
        } else if (NomXml(nom, "Penalty")) {
            static const std::string champs[4] = {"s1", "s2", "Score1", "Score2"};
            std::string v[4];
            const char* ou[4] = {};
            if (k == xmlDebut)
                x.LitChamps(champs, v, ou);
            penaltys[0] = Valeur(x, v[0], TChamp::TirsAuBut1, 0, ou[0]);
            penaltys[1] = Valeur(x, v[1], TChamp::TirsAuBut2, 0, ou[1]);
            // A level shoot-out decides nothing: the match has none, nor
            // the side through it would have given.
            penalty = penaltys[0] != penaltys[1];
            penaltyNul = !penalty;
            if (!v[2].empty() && !v[3].empty())
                scoreTirs = std::pair{Valeur(x, v[2], TChamp::TirsAuButScore1, 0, ou[2]),
                                      Valeur(x, v[3], TChamp::TirsAuButScore2, 0, ou[3])};
        } else if (NomXml(nom, "TirsRetires")) {
            static const std::string champs[4] = {"s1", "s2", "Score1", "Score2"};
            std::string v[4];
            const char* ou[4] = {};
            if (k == xmlDebut)
                x.LitChamps(champs, v, ou);
            const int t1 = Valeur(x, v[0], TChamp::TirsRetires1, 0, ou[0]);
            const int t2 = Valeur(x, v[1], TChamp::TirsRetires2, 0, ou[1]);
            // (a level one is none)
            if (t1 != t2)
                tirsOtes.push_back({(static_cast<uint32_t>(t1) << 16) + static_cast<uint32_t>(t2),
                                    static_cast<uint16_t>(Valeur(x, v[2], TChamp::TirsRetiresScore1, 0, ou[2])),
                                    static_cast<uint16_t>(Valeur(x, v[3], TChamp::TirsRetiresScore2, 0, ou[3]))});
        } else if (NomXml(nom, "Qualifie")) {
            qualifie = Entier(x, k, TChamp::MatchQualifie);
        } else if (NomXml(nom, "Forfait")) {
            forfait = Entier(x, k, TChamp::MatchForfait);
        } else if (!match || !LitEvenementMatch(nomLu, x, k, *match, n)) {
            x.SauteElement(k);
        }
    });
    if (!match)
        return;
    // Ratings each right after its official rate that official (an official
    // without a rating has none written); otherwise the n-th rating rates
    // official n, any further one official 3.
    bool apresChacun = !notesLues.empty();
    for (size_t i = 0; i < notesLues.size(); ++i)
        apresChacun = apresChacun && notesLues[i].second > 0 &&
                      (i == 0 || notesLues[i].second > notesLues[i - 1].second);
    for (size_t i = 0; i < notesLues.size(); ++i)
        notes[apresChacun ? notesLues[i].second - 1 : std::min<size_t>(i, 2)] = notesLues[i].first;

    for (int cote = 0; cote < 2; ++cote) {
        if (scores[cote])
            match->SetScore(cote, *scores[cote]);
        if (tempsAdd[cote])
            match->SetTempsAdd(cote + 1, *tempsAdd[cote]);
    }
    if (affluence)
        match->SetAffluence(*affluence);
    if (commentaire)
        match->SetCommentaire(*commentaire);
    if (noteMatch)
        match->SetNoteMatch(*noteMatch);
    if (stade)
        match->SetStade(*stade);
    if (officielsLus)
        for (int k = 1; k <= 3; ++k) {
            match->SetOfficiel(k, officiels[k - 1]);
            match->SetNoteOfficiel(k, notes[k - 1]);
        }
    // With the dates saved, a match saved without one has none.
    if (!date && (Option(11) & 4))
        match->SetDateMatch(0);
    // A matchday saved without a date keeps none, except in the date system,
    // where a matchday is its date: there it takes its match's.
    if (date) {
        match->SetDateMatch(*date);
        if (SystemeDate() && TGestionDate::Jour(DateJournee(n)) == 0 && TGestionDate::Jour(*date) != 0)
            SetDateJournee(n, *date);
    }
    const int dom = equipes[0], ext = equipes[1];
    // Kept aside first: the shoot-out of the match's own score takes the
    // place of one kept for it.
    match->OteTirs(tirsOtes);
    // A shoot-out follows a score: a match to play has none (nor is one
    // written for it).
    penalty = penalty && match->ScoresSaisis();
    // One that is level is none: the match holds the one kept aside for its
    // own score, when one is, and the side that one sends through.
    bool rendu = false;
    if (penaltyNul && match->ScoresSaisis())
        if (const uint32_t t = match->TirsOtes(match->Score(0) & 0x7FFF, match->Score(1) & 0x7FFF)) {
            penaltys[0] = static_cast<int>((t >> 16) & 0xFF);
            penaltys[1] = static_cast<int>(t & 0xFF);
            penalty = rendu = true;
            scoreTirs.reset();
        }
    if (penalty) {
        AjoutePenaltyMatch(n, *match, penaltys[0], penaltys[1]);
        // Entered for another score than the match's own: kept aside with
        // that one once the score leaves it.
        if (scoreTirs &&
            (scoreTirs->first != (match->Score(0) & 0x7FFF) || scoreTirs->second != (match->Score(1) & 0x7FFF))) {
            match->RendTirs(scoreTirs->first, scoreTirs->second);
            match->SetScoreTirs(scoreTirs->first, scoreTirs->second);
        }
    }
    // The side that went through: as saved, or, in files that did not save
    // it, the winner of the shoot-out.
    const bool nul = match->ScoresSaisis() && (match->Score(0) & 0x7FFF) == (match->Score(1) & 0x7FFF);
    std::optional<bool> passe;
    if (rendu)
        passe = penaltys[1] > penaltys[0];
    else if (qualifie && (*qualifie == 1 || *qualifie == 2) && !(penaltyNul && nul))
        passe = *qualifie == 2;
    else if (!qualifie && penalty && penaltys[0] != penaltys[1])
        passe = penaltys[1] > penaltys[0];
    if (passe && n >= 1 && n <= nbJour_)
        SetQualifieMatch(*match, *passe);
    if (forfait && *forfait > 0 && *forfait < 256 && n >= 0 && n <= 255 &&
        lecture.etats.insert(TLecture::CleEtat(n, dom, ext)).second)
        lecture.forfaits.push_back({static_cast<uint16_t>(dom), static_cast<uint16_t>(ext),
                                    match->Score(0) & 0x7FFF, match->Score(1) & 0x7FFF, static_cast<uint8_t>(n),
                                    static_cast<uint8_t>(*forfait)});
}

void TDonneesChampionnat::LitComposition(TXmlReader& x, uint8_t jeton, TInfoComp& match, int nbTitulaire,
                                         int nbRemp)
{
    const bool maillots = (Option(11) & 16) != 0;
    // No side: a line-up of the names form (its places give the side).
    const int coteCompo = x.AttributEntier(Champ(TChamp::CompoCote), 0) - 1;
    TSaison* s = saison_;
    int slot = 0, remp = 0;
    bool nomme = false;
    // Names form: the players by their number in the document (the first
    // one given a number keeps it).
    std::unordered_map<int32_t, int32_t> numeros;
    auto joueurNumero = [&](int32_t numero) -> int32_t {
        const auto it = numeros.find(numero);
        return it == numeros.end() ? 0 : it->second;
    };
    auto equipeCote = [&](int cote) { return cote == 0 || cote == 1 ? match.IdEquipe(cote) : -1; };
    auto equipeValide = [&](int cote) {
        const int id = equipeCote(cote);
        return IdValide(id) && match.Cote(id) == cote;
    };
    int32_t capitaine = 0;
    bool capitaineLu = false;
    bool marques[2] = {false, false};
    // The side of the line-up (reading it changes no team of the match).
    const bool compoValide = equipeValide(coteCompo);
    const int equipeCompo = equipeCote(coteCompo);

    // A starter or a substitute: its element's name, token and numbers (in
    // the names form, ID and IdRemp number places in the line-ups).
    static constexpr const TChampXml* lusCompo[4] = {&Champ(TChamp::CompoJoueur), &Champ(TChamp::CompoSortant),
                                                     &Champ(TChamp::CompoMaillot), &Champ(TChamp::CompoNote)};
    const auto entree = [&](std::string_view nom, uint8_t k, const int32_t (&valeurs)[4]) {
        const int32_t id = valeurs[0];
        const int32_t idRemp = valeurs[1];
        const int maillot = valeurs[2];
        // The rating: the child's text when there is one (even blank: no
        // rating), else the attribute's; none (255) when empty.
        int note = valeurs[3];
        int minute = 0;
        static const std::string champs[4] = {"Nom", "Prenom", "Note", "Minute"};
        std::string v[4];
        const char* ou[4] = {};
        if (k == xmlDebut) {
            x.LitChamps(champs, v, ou);
            if (!v[2].empty())
                note = Valeur(x, v[2], TChamp::RemplNote, 255, ou[2]);
            minute = Valeur(x, v[3], TChamp::RemplMinute, 0, ou[3]);
        }

        if (k == xmlDebut && (!SansBlancs(v[0]).empty() || !SansBlancs(v[1]).empty())) {
            // Names form: ID numbers the place in both line-ups.
            nomme = true;
            const int base = nbTitulaire + 3 * nbRemp;
            if (id < 1 || base < 1)
                return;
            const int cote = (id - 1) / base;
            const int place = (id - 1) % base + 1;
            if (!equipeValide(cote) || !s)
                return;
            const int equipe = equipeCote(cote);
            TJoueur* p = s->Joueurs().ChercheOuCreeJoueur(Trim(v[0]), Trim(v[1]), true, equipe);
            const int32_t joueur = p ? p->Numero : 0;
            numeros.try_emplace(id, joueur);
            if (place <= nbTitulaire && place <= match.NbTitulaire()) {
                match.SetJoueurTitulaire(equipe, place, joueur);
                if (note < 255)
                    match.SetNote(equipe, place, note);
            } else if (place > nbTitulaire) {
                const int r = place - nbTitulaire;
                if (r > match.NbRemp())
                    return;
                match.SetRemplacement(equipe, joueurNumero(idRemp), joueur, minute, r);
                if (note < 255)
                    match.SetNote(equipe, match.NbTitulaire() + r, note);
            }
            marques[cote] = true;
            return;
        }
        // Number form: starters into slots 1, 2, ..., substitutions into
        // records 1, 2, ...; what does not fit is left out.
        if (!compoValide)
            return;
        const int equipe = equipeCompo;
        marques[coteCompo] = true;
        if (NomXml(nom, "Tit")) {
            if (++slot > match.NbTitulaire())
                return;
            match.SetJoueurTitulaire(equipe, slot, id > 0 ? id : 0);
            if (maillots && maillot > 0)
                match.SetMaillot(equipe, slot, maillot);
            if (note < 255)
                match.SetNote(equipe, slot, note);
        } else {
            if (++remp > match.NbRemp())
                return;
            match.SetRemplacement(equipe, idRemp, id, minute, remp);
            const int place = match.NbTitulaire() + remp;
            if (maillots && maillot > 0)
                match.SetMaillot(equipe, place, maillot);
            if (note < 255)
                match.SetNote(equipe, place, note);
        }
    };
    if (jeton == xmlDebut) {
        std::string copie;
        for (;;) {
            int32_t valeurs[4] = {0, 0, 0, 255};
            uint8_t k = xmlFinFlux;
            // The entries as the writer puts them are opened at once.
            if (x.ElementSimple("Tit", lusCompo, valeurs, k)) {
                entree("Tit", k, valeurs);
                continue;
            }
            if (x.ElementSimple("Rempl", lusCompo, valeurs, k)) {
                entree("Rempl", k, valeurs);
                continue;
            }
            k = x.ElementSuivant();
            if (k == xmlFin || k == xmlFinFlux)
                break;
            std::string_view nom = x.NomVue();
            if (!x.NomsStables()) {
                copie.assign(nom);
                nom = copie;
            }
            if (NomXml(nom, "Capitaine")) {
                capitaine = Entier(x, k, TChamp::CompoCapitaine);
                capitaineLu = true;
            } else if (NomXml(nom, "Tit") || NomXml(nom, "Rempl")) {
                x.AttributsEntiers(lusCompo, valeurs);
                entree(nom, k, valeurs);
            } else {
                x.SauteElement(k);
            }
        }
    }

    if (equipeValide(coteCompo))
        marques[coteCompo] = true;
    for (int cote = 0; cote < 2; ++cote) {
        if (!marques[cote])
            continue;
        const int equipe = equipeCote(cote);
        match.SetCompositionSaisie(equipe);
        if (capitaineLu && capitaine > 0 && (nomme ? cote == coteCompo || coteCompo < 0 : cote == coteCompo)) {
            const int32_t c = nomme ? joueurNumero(capitaine) : capitaine;
            if (c > 0)
                match.SetCapitaine(equipe, c);
        }
    }
}

void TDonneesChampionnat::LitEvenements(TXmlReader& x, uint8_t jeton, const TInfoComp& match, int n, int type,
                                        uint16_t ajout)
{
    const int cote = x.AttributEntier(Champ(TChamp::EvenementCote), 0) - 1;
    // A booking has no sending-off bit (that is Exclus).
    const TChamp champMinute = type == 3 && ajout == 0 ? TChamp::AvertissementMinute : TChamp::EvenementMinute;
    int32_t joueur = 0;
    int mot = 0;
    std::string nom, prenom;
    EnfantsXml(x, jeton, [&](std::string_view eLu, uint8_t k) {
        const std::string_view e = eLu;
        if (NomXml(e, "Joueur") && k == xmlDebut) {
            static const std::string champs[2] = {"Nom", "Prenom"};
            std::string v[2];
            x.LitChamps(champs, v);
            nom = Trim(v[0]);
            prenom = Trim(v[1]);
        } else if (NomXml(e, "Joueur")) {
            joueur = Entier(x, k, TChamp::EvenementJoueur);
        } else if (NomXml(e, "Minute")) {
            // The minute word, flags included.
            mot = Entier(x, k, champMinute);
        } else if (NomXml(e, "Nom")) {
            nom = Trim(Texte(x, k));
        } else if (NomXml(e, "Prenom")) {
            prenom = Trim(Texte(x, k));
        } else {
            x.SauteElement(k);
        }
    });
    if (cote != 0 && cote != 1)
        return;
    const int equipe = match.IdEquipe(cote);
    TInfoCompJour* j = Journee(n);
    TListeDonnees* l = j ? j->Liste(type) : nullptr;
    if (!l || !IdValide(equipe))
        return;
    if (!nom.empty() && saison_) {
        TJoueur* p = saison_->Joueurs().ChercheOuCreeJoueur(nom, prenom, true, equipe);
        joueur = p ? p->Numero : 0;
    }
    l->Ajoute(TDonneesEvt::CreateId(joueur, equipe, static_cast<uint16_t>(static_cast<uint16_t>(mot) | ajout)));
}
