#include "model/Utilities.h"

#include <algorithm>
#include <array>

#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

// ---------------------------------------------------------------------------
// Packed dates

uint32_t TGestionDate::EncodeDate(int jour, int mois, int annee)
{
    const uint16_t a = static_cast<uint16_t>(annee);
    return static_cast<uint32_t>(static_cast<uint8_t>(jour)) |
           static_cast<uint32_t>(static_cast<uint8_t>(mois)) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(a / 100)) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(a % 100)) << 24;
}

TGestionDate::TSaisie TGestionDate::LitSaisie(std::string_view texte, uint32_t& date)
{
    if (texte.find_first_not_of(" /") == std::string_view::npos)
        return saisieVide;
    int annee = 0, mois = 0, jour = 0;
    if (!TryStrToDateDMY(texte, annee, mois, jour))
        return saisiePasDate;
    if (annee < AnneeMin || annee > AnneeMax)
        return saisieAnnee;
    date = EncodeDate(jour, mois, annee);
    return saisieDate;
}

uint32_t TGestionDate::TexteVersDate(std::string_view texte)
{
    int jour = 0, mois = 0, annee = 0;
    const size_t b1 = texte.find('/');
    if (b1 != std::string_view::npos) {
        jour = StrToIntDef(texte.substr(0, b1), 0);
        const size_t b2 = texte.find('/', b1 + 1);
        if (b2 != std::string_view::npos) {
            mois = StrToIntDef(texte.substr(b1 + 1, b2 - b1 - 1), 0);
            annee = StrToIntDef(texte.substr(b2 + 1), 0);
        }
    }
    return EncodeDate(jour, mois, annee);
}

static std::string DeuxChiffres(int v)
{
    std::string s = IntToStr(v);
    if (s.size() < 2)
        s.insert(s.begin(), '0');
    return s;
}

std::string TGestionDate::DateVersTexte(uint32_t date, bool court)
{
    const int siecle = static_cast<int>((date >> 16) & 0xFF);
    const int an = static_cast<int>(date >> 24);
    std::string s = DeuxChiffres(Jour(date)) + "/" + DeuxChiffres(Mois(date)) + "/";
    if (!court)
        s += IntToStr(siecle);
    return s + DeuxChiffres(an);
}

TDateTime TGestionDate::DateVersDateTime(uint32_t date)
{
    return ::EncodeDate(Annee(date), Mois(date), Jour(date));
}

uint32_t TGestionDate::DateTimeVersDate(TDateTime dt)
{
    int a, m, j;
    DecodeDate(dt, a, m, j);
    return EncodeDate(j, m, a);
}

bool TGestionDate::DateCorrespond(int jour, int mois, int annee, TDateTime dt)
{
    int a, m, j;
    DecodeDate(dt, a, m, j);
    return (jour == -1 || jour == j) && (mois == -1 || mois == m) && (annee == -1 || annee == a);
}

int TGestionDate::NbMois(uint32_t a, uint32_t b)
{
    int n = (Mois(b) - Mois(a)) + 12 * (Annee(b) - Annee(a));
    if (Jour(b) < Jour(a))
        --n;
    return n;
}

int TGestionDate::CompareDates(uint32_t a, uint32_t b)
{
    if (Annee(a) != Annee(b))
        return Annee(b) - Annee(a);
    if (Mois(a) != Mois(b))
        return Mois(b) - Mois(a);
    return Jour(b) - Jour(a);
}

// ---------------------------------------------------------------------------
// Casing

static bool Majuscule(unsigned char c) { return c >= 'A' && c <= 'Z'; }
static bool Minuscule(unsigned char c) { return c >= 'a' && c <= 'z'; }

std::string CasseTitre(std::string_view texte)
{
    std::string s(texte);
    if (s.empty())
        return s;
    s[0] = UpCase(s[0]);
    bool debutMot = false;
    for (size_t i = 1; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == ' ') {
            debutMot = true;
        } else if (Majuscule(c)) {
            if (debutMot)
                debutMot = false;
            else
                s[i] = static_cast<char>(c + 32);
        } else {
            if (Minuscule(c) && debutMot)
                s[i] = static_cast<char>(c - 32);
            debutMot = false;
        }
    }
    return s;
}

std::string CassePhrase(std::string_view texte)
{
    std::string s(texte);
    if (s.empty())
        return s;
    s[0] = UpCase(s[0]);
    size_t i = 1;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (Majuscule(c)) {
            s[i] = static_cast<char>(c + 32);
        } else if (c == 0xC9 || c == 0xC8 || c == 0xCB) {   // É È Ë
            s[i] = static_cast<char>(c + 32);
        } else if (c < 96) {
            // A separator: the next letter starts a word.
            size_t j = i + 1;
            while (j < s.size()) {
                const unsigned char d = static_cast<unsigned char>(s[j]);
                if (Majuscule(d) || d >= 97)
                    break;
                ++j;
            }
            if (j >= s.size())
                break;
            s[j] = UpCase(s[j]);
            i = j;
        }
        ++i;
    }
    const size_t point = s.find('.');
    if (point != std::string::npos && point > 0) {
        const size_t blanc = s.rfind(' ', point - 1);
        if (blanc != std::string::npos && blanc + 1 < s.size())
            s[blanc + 1] = UpCase(s[blanc + 1]);
    }
    return s;
}

// Accent folding, byte by byte.
static const std::array<unsigned char, 256>& TableSansAccent()
{
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        t.fill(' ');
        for (int c : {' ', '\'', '-', '.'})
            t[c] = static_cast<unsigned char>(c);
        for (int c = '0'; c <= '9'; ++c)
            t[c] = static_cast<unsigned char>(c);
        for (int c = 'A'; c <= 'Z'; ++c) {
            t[c] = static_cast<unsigned char>(c);
            t[c + 32] = static_cast<unsigned char>(c);
        }
        auto lettre = [&t](std::initializer_list<int> octets, char l) {
            for (int o : octets)
                t[o] = static_cast<unsigned char>(l);
        };
        // Accented letters, capitals and small alike (Windows-1252).
        lettre({0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5}, 'A');
        lettre({0xC7, 0xE7}, 'C');
        lettre({0xC8, 0xC9, 0xCA, 0xCB, 0xE8, 0xE9, 0xEA, 0xEB}, 'E');
        lettre({0xCC, 0xCD, 0xCE, 0xCF, 0xEC, 0xED, 0xEE, 0xEF}, 'I');
        lettre({0xD1, 0xF1}, 'N');
        lettre({0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD8, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF8}, 'O');
        lettre({0xD9, 0xDA, 0xDB, 0xDC, 0xF9, 0xFA, 0xFB, 0xFC}, 'U');
        lettre({0xDD, 0xFD, 0xFF, 0x9F}, 'Y');
        lettre({0x8A, 0x9A}, 'S');
        lettre({0x8E, 0x9E}, 'Z');
        return t;
    }();
    return table;
}

int64_t DivisionArrondie(int64_t a, int64_t b)
{
    if (b == 0)
        return 0;
    if (b < 0) {
        a = -a;
        b = -b;
    }
    return a >= 0 ? (2 * a + b) / (2 * b) : -((-2 * a + b) / (2 * b));
}

std::string TexteQuotient(int64_t a, int64_t b, int decimales)
{
    if (b == 0)
        return "-";
    decimales = std::clamp(decimales, 0, 6);
    int64_t puissance = 1;
    for (int i = 0; i < decimales; ++i)
        puissance *= 10;
    const int64_t v = DivisionArrondie(a * puissance, b);
    const int64_t absolu = v < 0 ? -v : v;
    std::string s = (v < 0 ? "-" : "") + std::to_string(absolu / puissance);
    if (decimales > 0) {
        std::string fraction = std::to_string(absolu % puissance);
        s += FormatSettings().DecimalSeparator;
        s += std::string(static_cast<size_t>(decimales) - fraction.size(), '0') + fraction;
    }
    return s;
}

std::string TexteTaux(int64_t reussis, int64_t tentes, int decimales)
{
    return TexteQuotient(reussis * 100, tentes, decimales);
}

std::string SansAccent(std::string_view texte)
{
    const auto& t = TableSansAccent();
    std::string s(texte.size(), ' ');
    for (size_t i = 0; i < texte.size(); ++i)
        s[i] = static_cast<char>(t[static_cast<unsigned char>(texte[i])]);
    return s;
}

// ---------------------------------------------------------------------------
// Searching and splitting

int PositionOccurrence(std::string_view motif, std::string_view texte, int n)
{
    if (n < 1 || motif.empty())
        return 0;
    size_t depuis = 0;
    for (;;) {
        const size_t p = texte.find(motif, depuis);
        if (p == std::string_view::npos)
            return 0;
        if (--n == 0)
            return static_cast<int>(p) + 1;
        depuis = p + 1;
    }
}

void ExtraitMot(std::string& texte, std::string& prenoms)
{
    prenoms.clear();
    size_t blanc = texte.find(' ');
    if (blanc == std::string::npos)
        return;
    prenoms = texte.substr(0, blanc);
    texte.erase(0, blanc + 1);
    while (texte.size() >= 3 && Minuscule(static_cast<unsigned char>(texte[1])) &&
           (blanc = texte.find(' ')) != std::string::npos) {
        prenoms += ' ';
        prenoms += texte.substr(0, blanc);
        texte.erase(0, blanc + 1);
    }
    prenoms = Trim(prenoms);
    texte = Trim(texte);
}

int CherchePositionHorsBloc(std::string_view texte, std::string_view separateurs,
                            std::string_view ouvrants)
{
    const size_t n = texte.size();
    size_t i = 0;   // 0-based: positions 1 to n-1
    while (i + 1 < n) {
        const char c = texte[i];
        if (separateurs.find(c) != std::string_view::npos)
            return static_cast<int>(i) + 1;
        if (ouvrants.find(c) != std::string_view::npos) {
            const char fermant = c == '[' ? ']' : c;
            const size_t f = texte.find(fermant, i + 1);
            if (f == std::string_view::npos)
                break;
            i = f + 1;
        } else {
            ++i;
        }
    }
    return n > 0 ? static_cast<int>(n) : 1;
}

// ---------------------------------------------------------------------------
// Conversions

std::string EntierVersHexa(int64_t valeur, int chiffres)
{
    return IntToHex(static_cast<int32_t>(static_cast<uint32_t>(valeur)), chiffres);
}

std::string CouleurVersTexte(uint32_t couleur)
{
    std::string s = "#";
    s += IntToHex(couleur & 0xFF, 2);
    s += IntToHex((couleur >> 8) & 0xFF, 2);
    s += IntToHex((couleur >> 16) & 0xFF, 2);
    return s;
}

static int ValeurHexa(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

uint32_t TexteVersCouleur(std::string_view texte)
{
    if (texte.size() == 7 && texte[0] == '#')
        texte.remove_prefix(1);
    if (texte.size() != 6)
        return 0;
    uint32_t rgb = 0;
    for (char c : texte) {
        const int v = ValeurHexa(c);
        if (v < 0)
            return 0;
        rgb = rgb << 4 | static_cast<uint32_t>(v);
    }
    // rgb holds red, green, blue from the high byte; the colour has red low.
    return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
}

std::string AjouteSlash(std::string_view chemin)
{
    std::string s(chemin);
    if (!s.empty() && s.back() != '/' && s.back() != '\\')
        s += '/';
    return s;
}

bool CopieFichier(const std::string& source, const std::string& cible)
{
    if (!FileExists(source))
        return false;
    return CopyFile(source, cible, false);
}

// ---------------------------------------------------------------------------
// Labels

std::string LibelleTypeBut(int type)
{
    switch (type) {
    case 1: return Traduire(314);
    case 2: return Traduire(315);
    case 4: {
        std::string s = "(";
        s += Traduire(225);
        s += ')';
        return s;
    }
    default: return {};
    }
}

std::string LibelleTypeButCourt(int type)
{
    std::string s = LibelleTypeBut(type);
    if (!s.empty() && s[0] == '(')
        s = s.size() >= 2 ? s.substr(1, s.size() - 2) : std::string();
    return s;
}

std::string LibelleEtat(int flags)
{
    if (flags & 0x100)
        return Traduire(532);
    if (flags & 0x200)
        return Traduire(533);
    return Traduire(532);
}
