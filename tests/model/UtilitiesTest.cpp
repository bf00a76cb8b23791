#include <gtest/gtest.h>

#include "model/Utilities.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"
#include "tests/model/Outils.h"

namespace {
std::string Octet(int c) { return std::string(1, static_cast<char>(c)); }
bool EstMaj(int c) { return c >= 'A' && c <= 'Z'; }
bool EstMin(int c) { return c >= 'a' && c <= 'z'; }
}   // namespace

// ---------------------------------------------------------------------------
// Packed dates

TEST(GestionDate, TextAndPacking)
{
    const uint32_t d = TGestionDate::TexteVersDate("5/3/2004");
    EXPECT_EQ(d, 5u | 3u << 8 | 20u << 16 | 4u << 24);
    EXPECT_EQ(d, TGestionDate::EncodeDate(5, 3, 2004));
    EXPECT_EQ(TGestionDate::DateVersTexte(d), "05/03/2004");
    EXPECT_EQ(TGestionDate::DateVersTexte(d, true), "05/03/04");
    EXPECT_EQ(TGestionDate::DateVersTexte(TGestionDate::EncodeDate(31, 12, 1999)), "31/12/1999");
    EXPECT_EQ(TGestionDate::Jour(d), 5);
    EXPECT_EQ(TGestionDate::Mois(d), 3);
    EXPECT_EQ(TGestionDate::Annee(d), 2004);
    // A two-digit year stays the year 4; missing "/" zero the later parts.
    EXPECT_EQ(TGestionDate::TexteVersDate("5/3/04"), TGestionDate::EncodeDate(5, 3, 4));
    EXPECT_EQ(TGestionDate::TexteVersDate("5/3"), TGestionDate::EncodeDate(5, 0, 0));
    EXPECT_EQ(TGestionDate::TexteVersDate("5"), 0u);
    EXPECT_EQ(TGestionDate::TexteVersDate("x/3/2004"), TGestionDate::EncodeDate(0, 3, 2004));
    EXPECT_EQ(TGestionDate::TexteVersDate(""), 0u);
    // A date typed in a box: blanks ignored, a short year within fifty years
    // of today, a day of the calendar and a year a season can have.
    const struct { const char* texte; TGestionDate::TSaisie lu; uint32_t date; } saisies[] = {
        {"17/08/26  ", TGestionDate::saisieDate, TGestionDate::EncodeDate(17, 8, 2026)},   // till 2076
        {" 1/ 9/2155", TGestionDate::saisieDate, TGestionDate::EncodeDate(1, 9, 2155)},
        {"  /  /    ", TGestionDate::saisieVide, 0},
        {"29/02/2023", TGestionDate::saisiePasDate, 0},
        {"15/08/    ", TGestionDate::saisiePasDate, 0},
        {"22/08/9082", TGestionDate::saisieAnnee, 0},
        {"17/08/2626", TGestionDate::saisieAnnee, 0},
        {"31/12/1899", TGestionDate::saisieAnnee, 0},
    };
    for (const auto& x : saisies) {
        uint32_t lu = 0;
        EXPECT_EQ(TGestionDate::LitSaisie(x.texte, lu), x.lu) << x.texte;
        EXPECT_EQ(lu, x.date) << x.texte;
    }
}

TEST(GestionDate, DateTimeAndComparisons)
{
    const uint32_t d = TGestionDate::EncodeDate(29, 2, 2004);
    EXPECT_DOUBLE_EQ(TGestionDate::DateVersDateTime(d), EncodeDate(2004, 2, 29));
    EXPECT_EQ(TGestionDate::DateTimeVersDate(EncodeDate(2004, 2, 29) + 0.75), d);
    EXPECT_THROW(TGestionDate::DateVersDateTime(TGestionDate::EncodeDate(29, 2, 2003)), EConvertError);
    EXPECT_THROW(TGestionDate::DateVersDateTime(0), EConvertError);

    const TDateTime dt = EncodeDate(2004, 3, 5);
    EXPECT_TRUE(TGestionDate::DateCorrespond(5, 3, 2004, dt));
    EXPECT_TRUE(TGestionDate::DateCorrespond(-1, 3, -1, dt));
    EXPECT_TRUE(TGestionDate::DateCorrespond(-1, -1, -1, dt));
    EXPECT_FALSE(TGestionDate::DateCorrespond(5, 4, -1, dt));

    const uint32_t jan31 = TGestionDate::EncodeDate(31, 1, 2004);
    EXPECT_EQ(TGestionDate::NbMois(jan31, d), 0);
    EXPECT_EQ(TGestionDate::NbMois(jan31, TGestionDate::EncodeDate(1, 3, 2004)), 1);
    EXPECT_EQ(TGestionDate::NbMois(jan31, TGestionDate::EncodeDate(31, 1, 2005)), 12);
    EXPECT_EQ(TGestionDate::NbMois(d, jan31), -1);

    EXPECT_GT(TGestionDate::CompareDates(jan31, d), 0);
    EXPECT_LT(TGestionDate::CompareDates(d, jan31), 0);
    EXPECT_EQ(TGestionDate::CompareDates(d, d), 0);
    EXPECT_EQ(TGestionDate::CompareDates(TGestionDate::EncodeDate(1, 1, 2003), TGestionDate::EncodeDate(31, 12, 2005)), 2);
    EXPECT_EQ(TGestionDate::CompareDates(TGestionDate::EncodeDate(1, 1, 2003), TGestionDate::EncodeDate(9, 1, 2003)), 8);
}

// ---------------------------------------------------------------------------
// Casing, on every byte value

TEST(Casse, TitreOnEveryByte)
{
    for (int c = 0; c < 256; ++c) {
        const std::string b = Octet(c);
        EXPECT_EQ(CasseTitre(b), EstMin(c) ? Octet(c - 32) : b) << c;
        // Inside a word: capitals go to lower case, the rest stays.
        EXPECT_EQ(CasseTitre("a" + b), "A" + (EstMaj(c) ? Octet(c + 32) : b)) << c;
        // After a blank: a small letter goes up, a capital stays.
        EXPECT_EQ(CasseTitre("a " + b), "A " + (EstMin(c) ? Octet(c - 32) : b)) << c;
        // Only a blank starts a word.
        EXPECT_EQ(CasseTitre("a" + b + "x"), "A" + (EstMaj(c) ? Octet(c + 32) : b) + (c == ' ' ? "X" : "x")) << c;
    }
    EXPECT_EQ(CasseTitre("JEAN-PIERRE de LA tour"), "Jean-pierre De La Tour");
    EXPECT_EQ(CasseTitre(L1("élan ÉTÉ")), L1("élan ÉtÉ"));
    EXPECT_EQ(CasseTitre(""), "");
}

TEST(Casse, PhraseOnEveryByte)
{
    for (int c = 0; c < 256; ++c) {
        const std::string b = Octet(c);
        std::string attendu;
        if (EstMaj(c) || c == 200 || c == 201 || c == 203)
            attendu = "A" + Octet(c + 32) + "c";
        else if (c < 96)
            attendu = "A" + b + "C";   // a separator: the next letter goes up
        else
            attendu = "A" + b + "c";
        EXPECT_EQ(CassePhrase("a" + b + "c"), attendu) << c;
        // A separator at the very end: the scan stops there.
        std::string fin = "a" + b;
        if (EstMaj(c) || c == 200 || c == 201 || c == 203)
            fin = "A" + Octet(c + 32);
        else
            fin[0] = 'A';
        EXPECT_EQ(CassePhrase("a" + b), fin) << c;
        // After a separator, the next letter may be any byte from 97, or A-Z.
        if (c < 96 && !EstMaj(c) && c != '.') {
            EXPECT_EQ(CassePhrase("x" + b + "12" + Octet(0xE9)), "X" + b + "12" + Octet(0xE9)) << c;
        }
    }
    EXPECT_EQ(CassePhrase("jean-PIERRE DUPONT"), "Jean-Pierre Dupont");
    EXPECT_EQ(CassePhrase(L1("ÉLODIE DE L'ÉTÉ")), L1("Élodie De L'Été"));
    EXPECT_EQ(CassePhrase("SAINT-ETIENNE --"), "Saint-Etienne --");
    EXPECT_EQ(CassePhrase("a..."), "A...");
    EXPECT_EQ(CassePhrase("   "), "   ");
    // The word before the first "." gets its capital after the last blank.
    EXPECT_EQ(CassePhrase("as st.etienne"), "As St.Etienne");
    EXPECT_EQ(CassePhrase(""), "");
}

// Ratios shown to the user are rounded to the nearest, halves away from zero.
TEST(Division, ArrondieAuPlusProche)
{
    struct TCas
    {
        int64_t a, b, attendu;
    };
    for (const TCas& c : {TCas{20000, 3, 6667}, TCas{10000, 3, 3333}, TCas{60000, 14, 4286}, TCas{5, 2, 3},
                          TCas{-5, 2, -3}, TCas{5, -2, -3}, TCas{7, 7, 1}, TCas{1, 0, 0}, TCas{0, 5, 0},
                          TCas{650, 100, 7}})
        EXPECT_EQ(DivisionArrondie(c.a, c.b), c.attendu) << c.a << " / " << c.b;
}

TEST(Casse, SansAccentOnEveryByte)
{
    // Bytes 0xC0 to 0xFF, in order.
    const std::string hauts = "AAAAAA CEEEEIIII NOOOOO OUUUUY  "
                              "AAAAAA CEEEEIIII NOOOOO OUUUUY Y";
    ASSERT_EQ(hauts.size(), 64u);
    for (int c = 0; c < 256; ++c) {
        char attendu = ' ';
        if (c == ' ' || c == '\'' || c == '-' || c == '.' || (c >= '0' && c <= '9') || EstMaj(c))
            attendu = static_cast<char>(c);
        else if (EstMin(c))
            attendu = static_cast<char>(c - 32);
        else if (c >= 0xC0)
            attendu = hauts[static_cast<size_t>(c - 0xC0)];
        else if (c == 0x8A || c == 0x9A)
            attendu = 'S';
        else if (c == 0x8E || c == 0x9E)
            attendu = 'Z';
        else if (c == 0x9F)
            attendu = 'Y';
        EXPECT_EQ(SansAccent(Octet(c)), std::string(1, attendu)) << c;
    }
    EXPECT_EQ(SansAccent(L1("é è ç ü,")), "E E C U ");
    // Capitals fold like their small letters.
    EXPECT_EQ(SansAccent(L1("ÊTRE")), SansAccent(L1("être")));
    EXPECT_EQ(SansAccent(L1("ÉÊÀÂÄÎÔÛÙ")), "EEAAAIOUU");
    EXPECT_EQ(SansAccent(L1("Côte d'Ivoire")), "COTE D'IVOIRE");
    EXPECT_EQ(SansAccent(L1("España")), "ESPANA");
}

// ---------------------------------------------------------------------------
// Searching, splitting, conversions

TEST(Texte, PositionOccurrence)
{
    EXPECT_EQ(PositionOccurrence("aa", "aaaa", 2), 2);
    EXPECT_EQ(PositionOccurrence("aa", "aaaa", 3), 3);
    EXPECT_EQ(PositionOccurrence("aa", "aaaa", 4), 0);
    EXPECT_EQ(PositionOccurrence("aa", "aaaa", 0), 0);
    EXPECT_EQ(PositionOccurrence("b", "abcb", 2), 4);
    EXPECT_EQ(PositionOccurrence("", "abc", 1), 0);
}

TEST(Texte, ExtraitMot)
{
    auto coupe = [](std::string t) {
        std::string p = "x";
        ExtraitMot(t, p);
        return p + "|" + t;
    };
    EXPECT_EQ(coupe("Jean Pierre DUPONT"), "Jean Pierre|DUPONT");
    EXPECT_EQ(coupe("Jean DE LA TOUR"), "Jean|DE LA TOUR");
    EXPECT_EQ(coupe("DUPONT"), "|DUPONT");
    EXPECT_EQ(coupe("Marie Claire Anne MARTIN "), "Marie Claire Anne|MARTIN");
    EXPECT_EQ(coupe("Jo Li"), "Jo|Li");   // no blank left: stops
    EXPECT_EQ(coupe(""), "|");
}

TEST(Texte, CherchePositionHorsBloc)
{
    EXPECT_EQ(CherchePositionHorsBloc("a,b", ",", ""), 2);
    EXPECT_EQ(CherchePositionHorsBloc("[a,b],c", ",", "["), 6);
    EXPECT_EQ(CherchePositionHorsBloc("'a,b',c", ",", "'"), 6);
    EXPECT_EQ(CherchePositionHorsBloc("[a,b,c", ",", "["), 6);   // block never closed
    EXPECT_EQ(CherchePositionHorsBloc("abc", ",", ""), 3);
    EXPECT_EQ(CherchePositionHorsBloc("ab,", ",", ""), 3);    // the last character is not looked at
    EXPECT_EQ(CherchePositionHorsBloc(",", ",", ""), 1);
    EXPECT_EQ(CherchePositionHorsBloc("", ",", ""), 1);
}

TEST(Texte, HexaAndColours)
{
    EXPECT_EQ(EntierVersHexa(255, 4), "00FF");
    EXPECT_EQ(EntierVersHexa(0x12345, 2), "12345");
    EXPECT_EQ(EntierVersHexa(-1, 2), "FFFFFFFF");
    EXPECT_EQ(CouleurVersTexte(0x563412), "#123456");
    EXPECT_EQ(CouleurVersTexte(0xFF563412), "#123456");
    EXPECT_EQ(TexteVersCouleur("#123456"), 0x563412u);
    EXPECT_EQ(TexteVersCouleur("123456"), 0x563412u);
    EXPECT_EQ(TexteVersCouleur("#abcdef"), 0xEFCDABu);
    for (const char* mauvais : {"", "#", "#12345", "12345", "#1234567", "1234567", "12345g", "#12 456", "x123456"})
        EXPECT_EQ(TexteVersCouleur(mauvais), 0u) << mauvais;
    EXPECT_EQ(TexteVersCouleur(CouleurVersTexte(0x6F3000)), 0x6F3000u);
}

TEST(Texte, PathsAndCopies)
{
    EXPECT_EQ(AjouteSlash(""), "");
    EXPECT_EQ(AjouteSlash("http://site"), "http://site/");
    EXPECT_EQ(AjouteSlash("a/"), "a/");
    EXPECT_EQ(AjouteSlash("a\\"), "a\\");
    EXPECT_EQ(CopieTexte("abc"), "abc");

    DossierTemp d;
    std::string contenu;
    for (int i = 0; i < 10000; ++i)
        contenu += static_cast<char>(i * 7);
    const std::string source = d.Ecrit("source.bin", contenu);
    EXPECT_TRUE(CopieFichier(source, d.Fichier("cible.bin")));
    EXPECT_EQ(LitFichier(d.Fichier("cible.bin")), contenu);
    // The target is replaced.
    d.Ecrit("plus.bin", std::string(20000, 'z'));
    EXPECT_TRUE(CopieFichier(source, d.Fichier("plus.bin")));
    EXPECT_EQ(LitFichier(d.Fichier("plus.bin")), contenu);
    EXPECT_FALSE(CopieFichier(d.Fichier("absent.bin"), d.Fichier("x.bin")));
    EXPECT_FALSE(CopieFichier(source, d.Fichier("absent/x.bin")));
}
