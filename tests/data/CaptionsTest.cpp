// Every caption given by a text id names the figure under it: one row per
// caption (id, window, sport, figure under it) with the words its English and
// French texts must hold and the words of another figure they must not hold.
#include <algorithm>
#include <cctype>

#include "DataFolder.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

using namespace datatest;

namespace {

// The words of a row: "a;b" asks for a and b, "a|b" for a or b, "=a" for a
// text that is a whole (blanks, ':' and '.' aside). Lower case, UTF-8.
struct Legende
{
    int id;
    const char* fenetre;
    const char* sport;
    const char* chiffre;
    const char* en;
    const char* fr;
    const char* pasEn;   // "a|b": none of them
    const char* pasFr;
};

// Captions worded on this branch.
const Legende kLegendes[] = {
    {303, "team sheet, players tab (print, HTML)", "football", "assists", "assist", "passe", "card", "carton"},
    {105, "team grid of the two-goal games (page templates)", "football", "two-goal games", "two-goal", "doubl",
     "assist|card", "passe|carton"},
    {850, "player card, referee bookings menu (117)", "rugby, handball", "yellow cards (warnings)", "yellow",
     "jaune", "red", "rouge"},
    {940, "menus 116 and 246, referee card", "football, rugby, handball", "penalties given", "penalt", "penalt",
     "card", "carton"},
    {1258, "career line dialog", "football, handball", "goals for the national team", "goal", "but", "cap|game",
     "match"},
    {1265, "career line dialog", "rugby", "tries for the national team", "tries", "essai", "=points", "=points"},
    {1295, "career line dialog", "basketball", "points for the national team", "point", "point", "game",
     "match"},
    {607, "ages table, team sheet attendance", "every sport", "minimum", "min", "min", "young", "jeune"},
    {608, "ages table, team sheet attendance", "every sport", "maximum", "max", "max", "old", "âgé"},
    {216, "place held", "every sport", "gap to the team above", "behind", "retard", "lead", "avance"},
    {217, "place held", "every sport", "gap to the team below", "lead", "avance", "behind", "retard"},
    {818, "goal distribution charts, vertical axis", "football, handball", "number of goals", "goals", "buts",
     "scorer", "buteur"},
    {335, "team sheet situations", "every sport", "trailed at half-time (team)", "trail;half", "derri;mi-temps",
     "level| led", "galit|menait"},
    {336, "team sheet situations", "every sport", "level at half-time", "level;half", "galit;mi-temps",
     "behind|trail", "men|derri"},
    {101, "championship options, division", "every sport", "promoted teams", "promot", "promu", "play-off",
     "barrage"},
    {1353, "championship options", "every sport", "shirt numbers entered per match", "shirt;per match",
     "maillot;par match", "fixed", "fixe"},
    {1352, "championship options, hint", "every sport", "shirt numbers entered per match", "each match",
     "chaque match", "keep", "conserv"},
    {1618, "championship options", "every sport", "line-ups pre-filled from the previous match",
     "line-up;previous match", "composition;match précédent", "", ""},
    {1221, "championship options, bonus", "football", "losing bonus (largest goal margin)", "losing;goal margin",
     "défensif;écart de buts", "", ""},
    {1006, "championship options, advanced tab", "every sport", "advanced options", "advanced", "avancé", "bonus",
     "bonus"},
    {4600, "championship options, bonus tab", "every sport", "bonus options", "bonus", "bonus", "advanced",
     "avancé"},
    {3911, "player search, date", "every sport", "month of a date", "=month", "=mois", "", ""},
    {4601, "championship options, referees", "every sport", "delay in months", "months", "mois", "", ""},
    {742, "match sheets (scorers, statistic pages)", "every sport", "attendance", "attendance", "spectateur",
     "referee", "arbitre"},
    {920, "match sheets (scorers pages)", "football, rugby", "referee", "referee", "arbitre", "rating", "note"},
    {1034, "scorers pages", "football, rugby", "referee rating", "referee;rating", "arbitre;note", "spectator",
     "spectateur"},
    {1035, "match sheets", "every sport", "match rating", "match;rating", "match;note", "date", "date"},
    {1173, "statistic pages", "basketball, handball", "officials' rating", "rating", "note", "sheet|statistic",
     "feuille|statistique"},
    {1368, "scorers page", "football", "added time", "added time", "temps additionnel", "card", "carton"},
    {1369, "scorers page", "football", "added time of the first half", "1st half|first half", "1re|première",
     "booking", "avertissement"},
    {1370, "scorers page", "football", "added time of the second half", "2nd half|second half",
     "2e|deuxième|seconde", "sending", "expulsion"},
    {4602, "scorers page, card panels", "football", "cards", "card", "carton", "added", "temps"},
    {919, "second match pages", "football, rugby", "comments on the match", "comment", "comment", "substitut",
     "remplacement"},
    {1078, "match sheet menu (14), scorers page", "rugby", "tries and kicks", "tries;kick", "essai;pied", "card",
     "carton"},
    {1079, "match sheet menu (16), second page", "rugby", "cards and missed kicks", "card;missed", "carton;manqu",
     "kicker|substitut", "buteur|remplacement"},
    {925, "match sheet menu (16), second page", "football", "assists and missed penalties", "assist;missed",
     "passe;manqu", "substitut", "remplacement"},
    {679, "second match page, card panels", "rugby", "yellow cards", "yellow", "jaune", "red", "rouge"},
    {680, "second match page, card panels", "rugby", "red cards", "red", "rouge", "yellow", "jaune"},
    {4943, "second match page, missed penalty panels", "football", "missed penalties", "missed penalties",
     "penaltys manqués", "", ""},
    {1334, "number dialog of the missed kicks", "rugby", "missed penalty kicks", "missed;penalty kick",
     "pénalités manquées", "", ""},
    {4940, "team sheet points detail, charts' vertical axis", "rugby", "number of tries", "number;tries",
     "nombre;essais", "scorer", "marqueur"},
    {4941, "referee card", "basketball", "fouls per match", "average;foul", "moyenne;faute", "out|eject",
     "limin|expuls"},
    {4942, "referee card", "basketball", "players fouled out per match", "average;fouled out",
     "moyenne;limin;5 fautes", "eject", "expuls"},
    {648, "referee card matches list, referees list", "basketball", "players fouled out", "fouled out",
     "limin;5 fautes", "eject|average", "expuls|moyenne"},
    {650, "referee card matches list, referees list", "basketball", "fouls (a count)", "foul", "faute",
     "average|out", "moyenne|limin"},
    {4101, "match sheet referee boxes, hint", "every sport", "a typed name read name then first name",
     "name then the first name", "nom puis le prénom", "", ""},
    {102, "player rankings", "football, handball", "scorers", "scorer", "buteur", "", ""},
    {4900, "player card goal panel", "football", "missed penalties", "missed;penalt", "manqu;penalty",
     "scored", "marqu"},
    {4901, "player card detail grids", "football, rugby", "each event's minute", "=minute", "=minute", "", ""},
    {4902, "player rankings (kind 3)", "rugby", "two-try games", "two-try", "doubl", "goal|assist", "passe"},
    {4903, "player rankings (kind 4)", "rugby", "three-try games", "three-try", "tripl", "goal|point",
     "réalisateur"},
    {1544, "player card, player rankings (kind 50)", "handball", "goals from play", "goal;play", "but;jeu",
     "7|scorer", "7|buteur"},
    {1549, "player card, player rankings (kind 52)", "handball", "7-metre goals", "goal;7", "but;7",
     "save|throws", "arrêt|jets"},
    {650, "player rankings (kind 30)", "basketball", "fouls", "foul", "faute", "total", "total"},
    {1292, "player rankings (kind 31)", "basketball", "fouls drawn", "foul;drawn", "faute;provoqu", "total",
     "total"},
    {1537, "player card (goalkeeper)", "handball", "saves", "save", "arrêt", "%|percent", "%|pourcentage"},
    {1534, "player card (goalkeeper)", "handball", "7-metre saves", "save;7", "arrêt;7", "%|percent",
     "%|pourcentage"},
    {1536, "player card detail (goalkeeper)", "handball", "7-metre save percentage", "save;7;percent",
     "arrêt;7;pourcentage", "goal", "but"},
    {4904, "player card (goalkeeper)", "handball", "7-metre save percentage", "save;7;percent", "arrêt;7;%",
     "goal", "but"},
    {1508, "matchday detail, field player", "handball", "7-metre goals", "7-metre;goals", "7 m;buts",
     "suspension|save", "exclusion|arrêt"},
    {1509, "matchday detail, field player", "handball", "one 7-metre goal", "7-metre;goal", "7 m;but",
     "suspension|save", "exclusion|arrêt"},
    {4920, "matchday detail, goalkeeper", "handball", "7-metre saves", "7-metre;saves", "7 m;arrêts",
     "suspension|goal", "exclusion|but"},
    {4921, "matchday detail, goalkeeper", "handball", "one 7-metre save", "7-metre;save", "7 m;arrêt",
     "suspension|goal", "exclusion|but"},
    {4922, "team sheet appearance table (code 23)", "handball", "7-metre goals", "7m;goal", "7 m;but",
     "save|throw", "arr|jet"},
    {1549, "team sheet players radio and ranking heading (kind 52)", "handball", "7-metre goals",
     "7-metre;goal", "7 m;but", "throw", ""},
    {1544, "team sheet appearance table and players radio (code 21)", "handball", "goals from play",
     "goals from play", "buts dans le jeu", "7", "7"},
    {857, "team sheet standings boxes", "football, handball", "goals scored", "goal", "but", "point", "point"},
    {858, "team sheet standings boxes", "football, handball", "goals conceded", "goal", "but", "point",
     "point"},
    // The matchday check: each line names what a match lacks.
    {153, "matchday check", "football, rugby", "attendance not entered", "attendance;not", "affluence;non",
     "line-up", "composition"},
    {154, "matchday check", "football", "scorers not giving the score", "scorer;not", "buteur;non", "", ""},
    {515, "matchday check", "rugby", "scoring events not giving the score", "scorer;not", "marqueur;non", "", ""},
    {155, "matchday check", "football, rugby", "event minutes not entered", "minute;not", "minute;non",
     "substitut", "remplacement"},
    {156, "matchday check", "every sport", "line-ups not entered", "line-up;not", "composition;non",
     "attendance|referee", "affluence|arbitre"},
    {157, "matchday check", "football, rugby", "substitution minutes not entered", "substitution;minute;not",
     "remplacement;minute;non", "attendance", "affluence"},
    {158, "matchday check", "football, rugby", "substitutions naming one player", "substitution;incomplete",
     "remplacement;incomplet", "stadium", "stade"},
    {4820, "matchday check", "basketball", "a drawn match", "draw", "nul", "", ""},
    // The statistic pages.
    {1544, "statistic page, field players' goals column", "handball", "goals from play", "goals from play",
     "buts dans le jeu", "7", "7"},
    {4821, "statistic page, refusal", "handball goalkeeper", "saves above shots faced", "saves;shots faced",
     "arrêt;subi", "made|attempt", "réussi|tenté"},
    {222, "statistic page, tab without a match", "basketball, handball", "home team", "home", "domicile",
     "away", "extérieur"},
    {224, "statistic page, tab without a match", "basketball, handball", "away team", "away", "extérieur",
     "home", "domicile"},
};

// Captions worded on other branches: their rows hold once those branches are
// merged (the words to confirm with their reports).
constexpr bool kAutresBranches = true;
const Legende kLegendesAutres[] = {
    {188, "particularities", "every sport", "most wins", "most;win", "plus;victoire", "draw|defeat", "nul|défaite"},
    {189, "particularities", "every sport", "fewest wins", "fewest;win", "moins;victoire", "draw|defeat", "nul|défaite"},
    {190, "particularities", "every sport", "most draws", "most;draw", "plus;nul", "win|defeat", "victoire|défaite"},
    {191, "particularities", "every sport", "fewest draws", "fewest;draw", "moins;nul", "win|defeat", "victoire|défaite"},
    {192, "particularities", "every sport", "most defeats", "most;defeat", "plus;défaite", "win|draw", "victoire|nul"},
    {193, "particularities", "every sport", "fewest defeats", "fewest;defeat", "moins;défaite", "win|draw", "victoire|nul"},
    {194, "season particularities", "football, handball", "most goals scored", "most;scored", "plus;marqu", "", ""},
    {195, "particularities", "football, handball", "most goals conceded", "most;conceded", "plus;encaiss", "fewest", "moins"},
    {506, "season particularities", "rugby, basketball", "most points scored", "most;point", "plus;point", "goal",
     "but"},
    {507, "particularities", "rugby, basketball", "most points conceded", "most;point;conceded", "plus;point;encaiss", "fewest|goal", "moins|but"},
    {1097, "statistic per matchday menu", "rugby", "tries per matchday", "tries", "essai", "score", "score"},
    {1098, "statistic per matchday menu", "rugby", "penalty goals per matchday", "penalt", "pénalit", "bonus", "bonus"},
    {1099, "statistic per matchday menu", "rugby", "drop goals per matchday", "drop", "drop", "tries", "essai"},
    {499, "player rankings, team sheet, charts", "rugby", "try scorers", "try|tries", "essai", "point", "réalisateur"},
    {300, "player rankings", "every sport", "average rating", "rating", "note", "card", "carton"},
    {504, "team sheet statistic page", "rugby, basketball, handball", "scored by minute", "scored;minute", "marqu;minute", "player", "joueur"},
    {505, "team sheet statistic page", "rugby, basketball, handball", "conceded by minute", "conceded;minute", "encaiss;minute", "per match", "par match"},
    {1095, "menu", "rugby", "drop goals scored", "drop", "drop", "", ""},
    {1120, "statistic label 10", "rugby, basketball", "free-throw success", "success|%", "réussite|%", "", ""},
    {587, "statistics table", "basketball, handball", "turnovers", "=to|turnover", "=bp|balle", "foul", "faute"},
    {588, "statistics table", "basketball", "blocks", "=blk|block", "=ct|contre", "turnover", "balle"},
    {649, "statistics table", "basketball", "fouls", "=fls|foul", "=ft|faute", "block", "contre"},
    {581, "player rankings, team caption", "basketball", "playing time", "time|min", "temps|min", "foul", "faute"},
    {92, "goals by minute chart, horizontal axis", "every sport", "minutes", "minute", "minute", "", ""},
    {601, "player card detail", "basketball", "value", "count|number|total|value", "nombre|total|valeur", "", ""},
    {1531, "handball statistics grid", "handball", "7-metre throws", "7", "7", "", ""},
    {1532, "handball goalkeeper grid", "handball", "7-metre saves", "7", "7", "", ""},
    {1493, "handball statistics", "handball", "disqualifications", "disq", "disq", "susp", "exclu"},
    {1494, "handball statistics", "handball", "expulsions", "excl|expul", "expul|excl", "shot", "tir"},
    {1495, "handball statistics", "handball", "warnings", "warn", "avert", "goal", "but"},
    {1497, "handball menus, player card", "handball", "shooting percentage", "shoot|shot", "tir", "", ""},
    {1499, "handball menus, player card", "handball", "7-metre throws taken", "7", "7", "", ""},
    {1533, "handball menus (257)", "handball", "save percentage on shots", "save;percent", "arrêt;pourcentage", "7", "7"},
    {1526, "team information menu (249)", "handball", "best shooting rate per team", "shoot", "tir", "goalkeeper", "gardien"},
    {1602, "team information menu (260)", "handball", "goals with 7-metre goals", "goal;7", "but;7", "assist", "passe"},
    {1524, "referee card", "handball", "average two-minute suspensions", "suspension|2", "exclusion|2", "goal",
     "but"},
    {1525, "referee card", "handball", "average disqualifications", "disqualif", "disqualif", "goal", "but"},
    {1545, "player rankings", "handball", "saves", "save", "arr", "", ""},
    {302, "referee card, handball team sheet", "football, handball", "penalties", "penalt|7", "penalt|7", "", ""},
    {648, "referee card", "basketball", "second referee average", "foul|eject|disqualif",
     "faute|expuls|disqualif", "rebound", "rebond"},
    {293, "player lists", "every sport", "age", "age", "âge|Âge", "", ""},
    {70, "squads", "every sport", "shirt number", "no", "n°", "", ""},
    {514, "second match page", "rugby", "missed penalty kicks", "missed", "manqu", "", ""},
    {1330, "number dialog", "rugby", "tries", "tries", "essai", "goal", "but"},
    {1331, "number dialog", "rugby", "conversions", "conversion", "transformation", "card", "carton"},
    {1332, "number dialog", "rugby", "penalty kicks", "penalt", "pénalit", "assist", "passe"},
    {1333, "number dialog", "rugby", "drop goals", "drop", "drop", "penalt", "pénalit"},
};

std::string Minuscules(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::vector<std::string> Coupe(const std::string& s, char sep)
{
    std::vector<std::string> r;
    size_t debut = 0;
    for (;;) {
        const size_t p = s.find(sep, debut);
        r.push_back(s.substr(debut, p == std::string::npos ? std::string::npos : p - debut));
        if (p == std::string::npos)
            return r;
        debut = p + 1;
    }
}

bool Tient(const std::string& texte, const std::string& mot)
{
    if (!mot.empty() && mot[0] == '=') {
        std::string t;
        for (char c : texte)
            if (c != ' ' && c != ':' && c != '.')
                t += c;
        return t == mot.substr(1);
    }
    return texte.find(mot) != std::string::npos;
}

// Why the text does not name the figure, or empty when it does.
std::string Ecart(const std::string& texte, const char* demandes, const char* exclus)
{
    const std::string t = Minuscules(texte);
    if (*demandes)
        for (const std::string& tous : Coupe(L1(demandes), ';')) {
            bool un = false;
            for (const std::string& mot : Coupe(tous, '|'))
                un = un || Tient(t, mot);
            if (!un)
                return "lacks '" + Cp1252ToUtf8(tous) + "'";
        }
    if (*exclus)
        for (const std::string& mot : Coupe(L1(exclus), '|'))
            if (Tient(t, mot))
                return "names another figure ('" + Cp1252ToUtf8(mot) + "')";
    return std::string();
}

void Verifie(const Legende* debut, const Legende* fin)
{
    TTraducteur en(MakePath(DataDir(), "texte\\Texteen.txt")), fr(MakePath(DataDir(), "texte\\Textefr.txt"));
    ASSERT_TRUE(en.Charge());
    ASSERT_TRUE(fr.Charge());
    for (const Legende* l = debut; l != fin; ++l) {
        const std::string quoi = "id " + std::to_string(l->id) + " (" + l->fenetre + ", " + l->sport + ": " +
                                 l->chiffre + ")";
        const std::string e = en.Traduire(l->id), f = fr.Traduire(l->id);
        const std::string ecartEn = Ecart(e, l->en, l->pasEn), ecartFr = Ecart(f, l->fr, l->pasFr);
        EXPECT_TRUE(ecartEn.empty()) << quoi << ": English \"" << e << "\" " << ecartEn;
        EXPECT_TRUE(ecartFr.empty()) << quoi << ": French \"" << Cp1252ToUtf8(f) << "\" " << ecartFr;
    }
}

}  // namespace

TEST(Captions, EveryCaptionNamesTheFigureUnderIt)
{
    ASSERT_FALSE(DataDir().empty()) << "no data folder: set BZ_DATA_DIR";
    Verifie(std::begin(kLegendes), std::end(kLegendes));
    if (kAutresBranches)
        Verifie(std::begin(kLegendesAutres), std::end(kLegendesAutres));
}
