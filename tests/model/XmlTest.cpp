#include <gtest/gtest.h>

#include "model/ioXml.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"
#include "tests/model/Outils.h"
#include "tests/model/XmlEssai.h"

namespace {
const std::string Decl = std::string(XmlDeclaration) + "\r\n";
}

// ---------------------------------------------------------------------------
// Escapes

TEST(XmlEscapes, FourCharactersBothWays)
{
    EXPECT_EQ(EncodeTexteXml("a+b<c"), "a##3#b##1#c");
    EXPECT_EQ(EncodeTexteXml("&&&&"), "##0###0###0###0#");
    EXPECT_EQ(EncodeTexteXml("x>\"'\r\n\t"), "x##2#\"'\r\n\t");
    EXPECT_EQ(DecodeTexteXml("a##3#b##1#c##2###0#"), "a+b<c>&");
    EXPECT_EQ(DecodeTexteXml("##4# ## #1# ##1"), "##4# ## #1# ##1");
    // Every byte survives a round trip.
    std::string tous;
    for (int c = 0; c < 256; ++c)
        tous += static_cast<char>(c);
    EXPECT_EQ(DecodeTexteXml(EncodeTexteXml(tous)), tous);
}

TEST(XmlEscapes, DecodingIsOnePassFromTheLeft)
{
    // "&#1#" is written "##0##1#": the "##1#" inside belongs to no escape.
    EXPECT_EQ(EncodeTexteXml("&#1#"), "##0##1#");
    EXPECT_EQ(DecodeTexteXml("##0##1#"), "&#1#");
    EXPECT_EQ(DecodeTexteXml(EncodeTexteXml("&#3#&#2##")), "&#3#&#2##");
    // A sequence typed by a user reads back as its character.
    EXPECT_EQ(DecodeTexteXml("##1#"), "<");
}

// A "#" that would read back as the start of an escape is written "##+#": a
// text reads back as typed; a text without that shape is written as it always
// was (the bytes of an older file are those written for what it reads as).
TEST(XmlEscapes, TextsShapedLikeAnEscapeReadBackAsTyped)
{
    struct Cas
    {
        const char* texte;
        const char* ecrit;
    };
    const Cas cas[] = {
        {"A##0+B", "A##+##0##3#B"},
        {"C##1#D", "C##+##1#D"},
        {"##3#", "##+##3#"},
        {"###2#", "###+##2#"},
        {"##0<##2>", "##+##0##1###+##2##2#"},
        {"##+#", "####3##"},
        // Written as before.
        {"A&#3#B", "A##0##3#B"},
        {"C<D", "C##1#D"},
        {"a##1", "a##1"},
        {"##4# #1# ##", "##4# #1# ##"},
        {"Poule #1+", "Poule #1##3#"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        EXPECT_EQ(EncodeTexteXml(c.texte), c.ecrit);
        EXPECT_EQ(DecodeTexteXml(c.ecrit), c.texte);
    }
    // Every text of four bytes made of "#", "0", "+" and "a" reads back.
    const char lettres[] = {'#', '0', '+', 'a'};
    for (int k = 0; k < 256; ++k) {
        const std::string t = {lettres[k & 3], lettres[k >> 2 & 3], lettres[k >> 4 & 3], lettres[k >> 6 & 3]};
        EXPECT_EQ(DecodeTexteXml(EncodeTexteXml("#" + t + "#")), "#" + t + "#");
    }
}

// ---------------------------------------------------------------------------
// Writer

TEST(XmlWriter, ExactLines)
{
    const std::string doc = Document([](TXmlWriter& w) {
        w.OuvreElement("A");
        w.AjouteAttribut("x", "1");
        w.EcritElement("B", "v");
        w.FermeElement("A");
    });
    EXPECT_EQ(doc, Decl + "<A x=\"1\">\r\n<B>v</B>\r\n</A>\r\n");
    EXPECT_EQ(Decl, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
}

TEST(XmlWriter, Leaves)
{
    const std::string doc = Document(
        [](TXmlWriter& w) {
            w.OuvreElement("R", "t+x");
            w.EcritElement("vide", "");                  // nothing, not even <R>
            w.EcritElement("force", "", true);
            w.EcritElement("t", "a<b");
            w.EcritElementEntier("zero", 0);
            w.EcritElementEntier("neg", -2);
            w.EcritElementEntier("min", -2147483647 - 1);
            w.EcritElementBooleen("oui", true);
            w.EcritElementBooleen("non", false);
            w.EcritElementPositif("p0", 0);
            w.EcritElementPositif("p5", 5);
            w.EcritElementRapport("r00", 0, 0);
            w.EcritElementRapport("r20", 2, 0);
            w.EcritElementRapport("r03", 0, 3);
            w.AjouteAttributEntier("tard", 7);   // the start tag is written: lost
            w.FermeElement("R");
        },
        false);
    EXPECT_EQ(doc, "<R>t##3#x\r\n<force />\r\n<t>a##1#b</t>\r\n<zero>0</zero>\r\n<neg>-2</neg>\r\n<min>-2147483648</min>\r\n"
                   "<oui>1</oui>\r\n<non>0</non>\r\n<p5>5</p5>\r\n<r20>2/0</r20>\r\n<r03>0/3</r03>\r\n</R>\r\n");
}

TEST(XmlWriter, PendingTagAndEmptyLeaf)
{
    // An empty leaf without force writes nothing at all.
    EXPECT_EQ(Document([](TXmlWriter& w) {
                  w.OuvreElement("A");
                  w.EcritElement("B", "");
                  EXPECT_EQ(w.Profondeur(), 1);
              }, false),
              "<A>\r\n</A>\r\n");
}

TEST(XmlWriter, ClosingAndDestruction)
{
    const std::string doc = Document(
        [](TXmlWriter& w) {
            w.OuvreElement("A");
            w.OuvreElement("B");
            w.OuvreElement("C");
            w.AjouteAttribut("vide", "");
            w.AjouteAttribut("force", "", true);
            w.FermeElement("X");   // not open: only the pending tag
            w.OuvreElement("D");
            w.FermeElement("B");   // closes D, C and B
            w.OuvreElement("E");
            w.OuvreElement("F");
            // destruction closes F, E and A, innermost first
        },
        false);
    EXPECT_EQ(doc, "<A>\r\n<B>\r\n<C force=\"\">\r\n<D>\r\n</D>\r\n</C>\r\n</B>\r\n<E>\r\n<F>\r\n</F>\r\n</E>\r\n</A>\r\n");
}

TEST(XmlWriter, FermeJusqua)
{
    const std::string doc = Document(
        [](TXmlWriter& w) {
            w.OuvreElement("A");
            w.OuvreElement("B");
            w.OuvreElement("C");
            w.FermeJusqua(1);
            EXPECT_EQ(w.Profondeur(), 1);
            w.EcritElement("v", "1");
        },
        false);
    EXPECT_EQ(doc, "<A>\r\n<B>\r\n<C>\r\n</C>\r\n</B>\r\n<v>1</v>\r\n</A>\r\n");
}

TEST(XmlWriter, MemoryStreamRewoundOrOwned)
{
    TMemoryStream m;
    m.WriteString("xx");   // lines go at the current position
    {
        TXmlMemoryStreamWriter w(&m, false);
        w.EcritElement("a", "1");
        EXPECT_EQ(m.Position(), 2 + 10);
    }
    EXPECT_EQ(m.Position(), 0);
    EXPECT_EQ(Octets(m), "xx<a>1</a>\r\n");

    TXmlMemoryStreamWriter propre;
    propre.EcritElement("b", "2");
    EXPECT_EQ(Octets(propre.Flux()), Decl + "<b>2</b>\r\n");
}

TEST(XmlWriter, LongTextsManyLinesAndAPendingTagKept)
{
    // Texts and attributes far longer than a line usually is, escapes among
    // them, each line whole and in order.
    std::string long1(10000, 'a');
    long1[5000] = '+';
    const std::string long2(9000, '"');
    const std::string doc = Document(
        [&](TXmlWriter& w) {
            w.OuvreElement("R", long1);
            w.AjouteAttribut("q", long2);
            w.AjouteAttribut("v", "x<y");
            w.AjouteAttributEntier("n", -12);
            w.FermeJusqua(1);   // nothing to close: the start tag stays pending
            w.FermeJusqua(3);
            w.AjouteAttribut("tard", "1");
            for (int i = 0; i < 3000; ++i)
                w.EcritElementEntier("e", i);
            w.EcritElement("t", long1);
        },
        false);
    std::string attendu = "<R q='" + long2 + "' v=\"x##1#y\" n=\"-12\" tard=\"1\">" + EncodeTexteXml(long1) + "\r\n";
    for (int i = 0; i < 3000; ++i)
        attendu += "<e>" + std::to_string(i) + "</e>\r\n";
    attendu += "<t>" + EncodeTexteXml(long1) + "</t>\r\n</R>\r\n";
    EXPECT_EQ(doc, attendu);
}

TEST(XmlWriter, MemoryStreamWrittenAtItsPositionAfterEachCall)
{
    // Inside the stream the lines go over what stands there, and past its
    // end they lengthen it; the stream holds each line as soon as it is made.
    TMemoryStream m;
    m.WriteString("0123456789ABCDEF");
    m.SetPosition(2);
    {
        TXmlMemoryStreamWriter w(&m, false);
        w.OuvreElement("a");
        EXPECT_EQ(m.Position(), 2);   // the start tag waits for its attributes
        w.EcritElementEntier("b", 7);
        EXPECT_EQ(Octets(m), "01<a>\r\n<b>7</b>\r\n");
        w.EcritElement("c", "x");
        EXPECT_EQ(m.Position(), 2 + 5 + 10 + 10);
    }
    EXPECT_EQ(Octets(m), "01<a>\r\n<b>7</b>\r\n<c>x</c>\r\n</a>\r\n");
}

TEST(XmlWriter, GroupedLinesGoByBlocksAndEndWhole)
{
    // A writer whose output is looked at once done hands its lines over by
    // blocks: the same bytes in the end, the last block at the destruction.
    struct TGroupe : TXmlMemoryStreamWriter
    {
        explicit TGroupe(TMemoryStream* m) : TXmlMemoryStreamWriter(m, false) { SetGroupe(true); }
    };
    auto ecrit = [](TXmlWriter& w) {
        w.OuvreElement("R");
        w.AjouteAttributEntier("n", 5);
        for (int i = 0; i < 20000; ++i)
            w.EcritElementEntier("e", i);
    };
    const std::string seul = Document(ecrit, false);
    TMemoryStream m;
    {
        TGroupe w(&m);
        ecrit(w);
        EXPECT_GT(m.Size(), 0);   // the blocks already full
        EXPECT_LT(m.Size(), static_cast<int64_t>(seul.size()));
    }
    EXPECT_EQ(Octets(m), seul);
}

TEST(XmlWriter, NumbersAtEveryWidth)
{
    for (const int32_t v : {0, 9, 10, 99, 100, 999, 1000, 123456789, 2147483647, -1, -9, -10, -100, -2147483647 - 1}) {
        const std::string n = std::to_string(v);
        EXPECT_EQ(Document(
                      [&](TXmlWriter& w) {
                          w.OuvreElement("A");
                          w.AjouteAttributEntier("v", v);
                          w.EcritElementEntier("e", v);
                          w.EcritElementRapport("r", v, 7);
                      },
                      false),
                  "<A v=\"" + n + "\">\r\n<e>" + n + "</e>\r\n<r>" + n + "/7</r>\r\n</A>\r\n");
    }
}

TEST(XmlWriter, FileVariant)
{
    DossierTemp d;
    const std::string f = d.Fichier("doc.xml");
    {
        TXmlWriter w(f);
        w.OuvreElement("A");
        w.EcritElement("B", L1("é+"));
    }
    EXPECT_EQ(LitFichier(f), Decl + "<A>\r\n<B>" + L1("é") + "##3#</B>\r\n</A>\r\n");
    EXPECT_THROW(TXmlWriter(d.Fichier("absent/doc.xml")), EInOutError);
}

// ---------------------------------------------------------------------------
// Attributes

TEST(XmlAttributes, ValuesComeBackDecoded)
{
    const std::string doc = Document([](TXmlWriter& w) {
        w.OuvreElement("G");
        w.AjouteAttribut("NomGroupe", "A+B <1> & 2");
        w.FermeElement("G");
    });
    EXPECT_NE(doc.find("<G NomGroupe=\"A##3#B ##1#1##2# ##0# 2\">"), std::string::npos);
    TMemoryStream m;
    Remplit(m, doc);
    TXmlStreamReader r(m);
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);   // no content: its end tag is read
    EXPECT_EQ(r.ValeurAttribut("nomgroupe"), "A+B <1> & 2");
    EXPECT_EQ(r.ValeurAttribut("absent"), "");
}

TEST(XmlAttributes, QuotesInValues)
{
    const std::vector<std::string> valeurs = {
        "dit \"oui\"", "l'autre", "a\"b'c", "x\" y'z", "x\"y' z", "\"", "'", "\"\"", "a /b", "fin\"", "' '",
    };
    for (const auto& v : valeurs) {
        const std::string doc = Document([&v](TXmlWriter& w) {
            w.OuvreElement("G");
            w.AjouteAttribut("Avant", "1");
            w.AjouteAttribut("NomGroupe", v);
            w.AjouteAttribut("Apres", "2");
            w.EcritElement("Equipe", "3");
        });
        TMemoryStream m;
        Remplit(m, doc);
        TXmlStreamReader r(m);
        r.ElementSuivant();
        ASSERT_EQ(r.ElementSuivant(), xmlDebut) << v;
        EXPECT_EQ(r.ValeurAttribut("NomGroupe"), v) << doc;
        EXPECT_EQ(r.ValeurAttribut("Avant"), "1") << doc;
        EXPECT_EQ(r.ValeurAttribut("Apres"), "2") << doc;
        EXPECT_EQ(r.ElementSuivant(), xmlComplet);
        EXPECT_EQ(r.TexteEntier(), 3);
    }
    // A double quote alone picks single quotes.
    EXPECT_NE(Document([](TXmlWriter& w) {
                  w.OuvreElement("G");
                  w.AjouteAttribut("N", "a\"b");
              }).find("<G N='a\"b'>"),
              std::string::npos);
}

TEST(XmlAttributes, ValuesThatNoQuoteEnclosesReadBackWhole)
{
    struct TCas
    {
        std::string valeur;
        std::string balise;   // the start tag written; empty: any that reads back
    };
    const std::vector<TCas> cas = {
        // Both quotes where either would end the value: entities.
        {"Les \"Bleus\" et les 'Rouges'", "<G N=\"Les &quot;Bleus&quot; et les 'Rouges'\" M=\"1\">"},
        {"a\" b' c", "<G N=\"a&quot; b' c\" M=\"1\">"},
        {"x'/ y\"/z", ""},
        {"' \" '\" \"", ""},
        {"R&D \" &quot; ' +", ""},
        // Values one quote encloses keep the bytes they always had.
        {"a' b \"c\"", "<G N=\"a' b \"c\"\" M=\"1\">"},
        {"it's \"A\"", "<G N='it's \"A\"' M=\"1\">"},
        {"Les \"Bleus\"", "<G N='Les \"Bleus\"' M=\"1\">"},
        {"&quot;", "<G N=\"##0#quot;\" M=\"1\">"},
    };
    for (const TCas& c : cas) {
        const std::string doc = Document([&c](TXmlWriter& w) {
            w.OuvreElement("G");
            w.AjouteAttribut("N", c.valeur);
            w.AjouteAttribut("M", "1");
            w.EcritElement("E", "3");
        });
        if (!c.balise.empty()) {
            EXPECT_NE(doc.find(c.balise + "\r\n"), std::string::npos) << doc;
        }
        TMemoryStream m;
        Remplit(m, doc);
        TXmlStreamReader r(m);
        r.ElementSuivant();
        ASSERT_EQ(r.ElementSuivant(), xmlDebut) << doc;
        EXPECT_EQ(r.ValeurAttribut("N"), c.valeur) << doc;
        EXPECT_EQ(r.ValeurAttribut("M"), "1") << doc;
        EXPECT_EQ(r.ElementSuivant(), xmlComplet) << doc;
        EXPECT_FALSE(r.Malforme()) << doc;
    }
}

// ---------------------------------------------------------------------------
// Reader

TEST(XmlReader, HandWrittenDocument)
{
    const std::string doc =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<!DOCTYPE Gormelide>\r\n"
        "<Gormelide Type='saison' format=\"foot\">\r\n"
        "<!-- un commentaire -->\r\n"
        "<a>  texte ##3# fin </a>\r\n"
        "<vide />\r\n"
        "<vide2></vide2>\r\n"
        "<colle/>\r\n"
        "<att x = \"1\"  y='deux mots' z=3 />\r\n"
        "<n>-12</n>\r\n"
        "<pas> </pas>\r\n"
        "</Gormelide>\r\n";
    TMemoryStream m;
    Remplit(m, doc);
    TXmlStreamReader r(m);
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);
    EXPECT_EQ(r.Nom(), "xml");
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);
    EXPECT_EQ(r.Nom(), "Gormelide");
    EXPECT_EQ(r.ElementSuivant(), xmlDebut);
    EXPECT_EQ(r.Nom(), "Gormelide");
    EXPECT_EQ(r.ValeurAttribut("TYPE"), "saison");
    EXPECT_EQ(r.ValeurAttribut("format"), "foot");
    // The stream reader keeps line breaks, those on both sides of the comment.
    EXPECT_EQ(r.Texte(), "\r\n\r\n");
    // The comment is passed: the next token is the element after it.
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);
    EXPECT_EQ(r.Nom(), "a");
    // The stream reader keeps a text's blanks, leading and trailing: what
    // was written reads back.
    EXPECT_EQ(r.Texte(), "  texte + fin ");
    EXPECT_EQ(r.TexteBrut(), "  texte ##3# fin ");
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);
    EXPECT_EQ(r.Nom(), "vide");
    EXPECT_EQ(r.Texte(), "");
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);
    EXPECT_EQ(r.Nom(), "vide2");
    EXPECT_EQ(r.Texte(), "");
    // Without the blank, the slash still closes the tag.
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);
    EXPECT_EQ(r.Nom(), "colle");
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);
    EXPECT_EQ(r.Nom(), "att");
    EXPECT_EQ(r.NbAttribut(), 3);
    EXPECT_EQ(r.ValeurAttribut("x"), "1");   // blanks may stand around "="
    EXPECT_EQ(r.ValeurAttribut("x "), "");
    EXPECT_EQ(r.ValeurAttribut("y"), "deux mots");
    EXPECT_EQ(r.ValeurAttribut("z"), "3");
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);
    EXPECT_EQ(r.TexteEntier(), -12);
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);
    EXPECT_EQ(r.Texte(), " ");
    EXPECT_EQ(r.TexteEntier(), 0);
    EXPECT_EQ(r.ElementSuivant(), xmlFin);
    EXPECT_EQ(r.Nom(), "");
    EXPECT_EQ(r.ElementSuivant(), xmlFinFlux);
    EXPECT_EQ(r.ElementSuivant(), xmlFinFlux);
}

TEST(XmlReader, MultiLineTextThroughBothReaders)
{
    DossierTemp d;
    const std::string doc = "<r>\r\n<t>ligne 1\r\n  ligne 2\r\nligne 3</t>\r\n</r>\r\n";
    const std::string f = d.Ecrit("t.xml", doc);
    {
        TXmlReader r(f);
        EXPECT_EQ(r.ElementSuivant(), xmlDebut);
        EXPECT_EQ(r.ElementSuivant(), xmlComplet);
        EXPECT_EQ(r.Texte(), "ligne 1   ligne 2 ligne 3");
        EXPECT_EQ(r.ElementSuivant(), xmlFin);
        EXPECT_EQ(r.ElementSuivant(), xmlFinFlux);
    }
    auto j = JetonsFlux(doc);
    ASSERT_EQ(j.size(), 4u);
    EXPECT_EQ(j[1], (Jeton{xmlComplet, "t", "ligne 1\r\n  ligne 2\r\nligne 3"}));
    // A missing file raises.
    EXPECT_THROW(TXmlReader(d.Fichier("absent.xml")), EInOutError);
}

TEST(XmlReader, BothReadersAgreeOnWriterOutput)
{
    const std::string doc = Document([](TXmlWriter& w) {
        w.OuvreElement("Saison");
        w.AjouteAttributEntier("Id", 4);
        for (int i = 0; i < 50; ++i) {
            w.OuvreElement("E", i % 3 ? "" : "t");
            w.AjouteAttribut("Nom", std::string("n").append(std::to_string(i)).append(" +"));
            w.EcritElement("V", std::string(static_cast<size_t>(i * 7), 'x') + "<&>");
            w.EcritElement("Vide", "", true);
            w.FermeElement("E");
        }
    });
    DossierTemp d;
    TXmlReader fichier(d.Ecrit("d.xml", doc));
    auto parFichier = Jetons(fichier);
    auto parFlux = JetonsFlux(doc);
    // The text of a container ends with the line break before its first child:
    // a blank for the file reader, CR LF for the stream reader.
    for (auto& j : parFlux)
        if (j.code == xmlDebut && j.texte.size() >= 2)
            j.texte.replace(j.texte.size() - 2, 2, " ");
    for (auto& j : parFlux)
        if (j.texte == " ")
            j.texte.clear();
    for (auto& j : parFichier)
        if (j.texte == " ")
            j.texte.clear();
    EXPECT_EQ(parFichier, parFlux);
}

TEST(XmlReader, UnclosedDocument)
{
    EXPECT_EQ(JetonsFlux("<a>\r\n<b>x</b>\r\n"),
              (std::vector<Jeton>{{0, "a", "\r\n"}, {2, "b", "x"}, {3, "b", "x"}}));
    // A text that never meets a tag, a tag never closed.
    EXPECT_EQ(JetonsFlux("<a>texte sans fin").back().code, xmlFinFlux);
    EXPECT_EQ(JetonsFlux("<a>x</a").size(), 1u);
    EXPECT_EQ(JetonsFlux("<a x=\"1").size(), 1u);
    EXPECT_EQ(JetonsFlux("").size(), 1u);
    EXPECT_EQ(JetonsFlux("pas de balise > du tout").front().code, xmlFinFlux);
    // Skipping an element that is never closed stops at the end.
    TMemoryStream m;
    Remplit(m, "<a>\r\n<b>\r\n<c>1</c>\r\n");
    TXmlStreamReader r(m);
    const uint8_t j = r.ElementSuivant();
    r.SauteElement(j);
    EXPECT_EQ(r.ElementSuivant(), xmlFinFlux);
}

TEST(XmlReader, SauteElementAndLitChamps)
{
    const std::string doc = "<r>\r\n<x>\r\n<y>\r\n<z>1</z>\r\n</y>\r\n</x>\r\n"
                            "<f>\r\n<nom>N##3#</nom>\r\n<autre>\r\n<nom>cache</nom>\r\n</autre>\r\n<num>5</num>\r\n</f>\r\n"
                            "<apres>ok</apres>\r\n</r>\r\n";
    TMemoryStream m;
    Remplit(m, doc);
    TXmlStreamReader r(m);
    EXPECT_EQ(r.ElementSuivant(), xmlDebut);
    uint8_t j = r.ElementSuivant();
    EXPECT_EQ(r.Nom(), "x");
    r.SauteElement(j);
    EXPECT_EQ(r.ElementSuivant(), xmlDebut);
    EXPECT_EQ(r.Nom(), "f");
    const std::string noms[] = {"nom", "num", "Absent"};
    std::string valeurs[3] = {"", "", "defaut"};
    r.LitChamps(noms, valeurs);
    EXPECT_EQ(valeurs[0], "N+");
    EXPECT_EQ(valeurs[1], "5");
    EXPECT_EQ(valeurs[2], "defaut");
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);
    EXPECT_EQ(r.Texte(), "ok");
    r.SauteElement(xmlComplet);   // nothing
    EXPECT_EQ(r.ElementSuivant(), xmlFin);
}

TEST(XmlReader, StreamRewoundAndReadFromItsPosition)
{
    TMemoryStream m;
    Remplit(m, "xx<a>1</a>");
    m.SetPosition(2);
    {
        TXmlStreamReader r(m);
        EXPECT_EQ(r.ElementSuivant(), xmlComplet);
        EXPECT_EQ(r.Texte(), "1");
    }
    EXPECT_EQ(m.Position(), 0);
}

// Tags and texts that straddle the 1024-byte chunks of the stream reader, at
// every offset around the boundary.
TEST(XmlReader, ChunkBoundaries)
{
    const std::string texte = std::string(1500, 'x') + " + y";
    for (int decalage = 990; decalage < 1060; ++decalage) {
        std::string doc = "<r>" + std::string(static_cast<size_t>(decalage), ' ') +
                          "<element attribut=\"valeur avec blancs\">\r\n<t>" + EncodeTexteXml(texte) +
                          "</t>\r\n<v>12</v>\r\n</element>\r\n</r>";
        TMemoryStream m;
        Remplit(m, doc);
        TXmlStreamReader r(m);
        ASSERT_EQ(r.ElementSuivant(), xmlDebut);
        ASSERT_EQ(r.ElementSuivant(), xmlDebut) << decalage;
        EXPECT_EQ(r.Nom(), "element");
        EXPECT_EQ(r.ValeurAttribut("attribut"), "valeur avec blancs");
        ASSERT_EQ(r.ElementSuivant(), xmlComplet);
        EXPECT_EQ(r.Texte(), texte);
        ASSERT_EQ(r.ElementSuivant(), xmlComplet);
        EXPECT_EQ(r.TexteEntier(), 12);
        EXPECT_EQ(r.ElementSuivant(), xmlFin);
        EXPECT_EQ(r.ElementSuivant(), xmlFin);
        EXPECT_EQ(r.ElementSuivant(), xmlFinFlux);
    }
}

// A document read back token by token and written again is the same bytes.
TEST(XmlRoundTrip, WriteReadWriteIsByteIdentical)
{
    auto ecrit = [](TXmlWriter& w) {
        w.OuvreElement("Gormelide");
        w.AjouteAttribut("Type", "saison");
        w.AjouteAttribut("format", "foot");
        w.OuvreElement("SaisonData");
        w.OuvreElement("ListePays");
        for (const char* p : {"France", "", "Côte d'Ivoire", "A+B & <C>", "##1#"})
            w.EcritElement("Nom", L1(p), true);
        w.FermeElement("ListePays");
        w.OuvreElement("GroupeEquipe");
        w.AjouteAttribut("NomGroupe", "Poule \"A\"");
        w.EcritElementEntier("Equipe", 3);
        w.EcritElementEntier("Equipe", -1);
        w.FermeElement("GroupeEquipe");
        w.OuvreElement("Texte", "avant");
        w.EcritElement("Ligne", "deux\r\nlignes");
        w.FermeElement("SaisonData");
    };
    const std::string premier = Document(ecrit);

    // Copy: every token rewritten with the writer.
    TMemoryStream m;
    Remplit(m, premier);
    const std::string second = Document([&m](TXmlWriter& w) {
        TXmlStreamReader r(m);
        EXPECT_EQ(r.ElementSuivant(), xmlComplet);   // the declaration, written by the writer
        for (uint8_t j = r.ElementSuivant(); j != xmlFinFlux; j = r.ElementSuivant()) {
            if (j == xmlDebut) {
                std::string texte = r.Texte();
                // The text of a container runs to the line break before its child.
                if (texte.size() >= 2 && texte.compare(texte.size() - 2, 2, "\r\n") == 0)
                    texte.resize(texte.size() - 2);
                w.OuvreElement(r.Nom(), texte);
                for (const char* a : {"Type", "format", "NomGroupe"})
                    w.AjouteAttribut(a, r.ValeurAttribut(a));
            } else if (j == xmlComplet) {
                w.EcritElement(r.Nom(), r.Texte(), true);
            } else {
                w.FermeJusqua(w.Profondeur() - 1);
            }
        }
    });
    EXPECT_EQ(second, premier);
}

// Foreign input of every shape: the reader always ends, each token eats input.
TEST(XmlReader, ArbitraryInputEnds)
{
    const std::string alphabet = "<>/ =\"'!?ab#0\r\n";
    uint32_t graine = 12345;
    auto hasard = [&graine] {
        graine = graine * 1103515245u + 12345u;
        return graine >> 16;
    };
    DossierTemp d;
    for (int essai = 0; essai < 400; ++essai) {
        std::string doc;
        const size_t taille = hasard() % 3000;
        for (size_t i = 0; i < taille; ++i)
            doc += alphabet[hasard() % alphabet.size()];
        const auto parFlux = JetonsFlux(doc);
        EXPECT_LE(parFlux.size(), doc.size() + 1);
        EXPECT_EQ(parFlux.back().code, xmlFinFlux);
        TXmlReader fichier(d.Ecrit("f.xml", doc));
        const auto parFichier = Jetons(fichier, static_cast<int>(doc.size()) + 2);
        EXPECT_EQ(parFichier.back().code, xmlFinFlux);
        // Skipping and reading fields end as well.
        TMemoryStream m;
        Remplit(m, doc);
        TXmlStreamReader r(m);
        r.SauteElement(xmlDebut);
        const std::string noms[] = {"a"};
        std::string valeurs[1];
        r.LitChamps(noms, valeurs);
        EXPECT_EQ(Jetons(r, static_cast<int>(doc.size()) + 2).back().code, xmlFinFlux);
    }
}

// Well-formedness, checked as the document is read: the rules, each broken
// once, through the three ways of reading (in place, refilled three bytes at
// a time, from a file); documents that keep the rules but hold unknown
// elements, texts before children or blanks of any kind read to their end.
namespace {
std::string Repete(const std::string& motif, size_t n)
{
    std::string s;
    for (size_t i = 0; i < n; ++i)
        s += motif;
    return s;
}
}   // namespace

TEST(XmlReader, ADocumentThatIsNotWellFormedEndsTheReading)
{
    const std::string debut = Decl + "<!DOCTYPE r>\r\n<r>\r\n";
    struct Cas
    {
        const char* quoi;
        std::string corps;
        bool malforme;
        std::string refuse = {};   // the element named by the refusal, when said
    };
    const Cas cas[] = {
        {"well-formed", "<inconnu a='1'>texte<b>2</b><c /><d/></inconnu>\r\n\t<e>3</e >\r\n", false},
        {"end tag of another element", "<m>\r\n<b>1</b>\r\n</n>\r\n", true},
        {"leaf closed by another name", "<b>1</c>\r\n", true},
        {"end tag without its start", "<b>1</b>\r\n</b>\r\n", true},
        {"text between elements", "<b>1</b>\r\nperdu<c>2</c>\r\n", true},
        {"text after the last child", "<m>\r\n<b>1</b>\r\nreste</m>\r\n", true},
        {"garbled block", "<m>\r\n<b>1</b>\r\n<<<>>> & </Matc\r\n<b>2</b>\r\n</m>\r\n", true},
        {"block removed", "<m>\r\n<b>1</b>\r\n<n>\r\n<b>2</b>\r\n</m>\r\n", true},
        {"a > alone", "<b>1</b>\r\n>\r\n", true},
        {"empty tag", "<b>1</b>\r\n<>\r\n", true},
        {"tag without a name", "<b>1</b>\r\n< b>2</b>\r\n", true},
        {"a < inside a tag", "<b x='1' <c>2</b>\r\n", true},
        {"nested too deep", Repete("<p>", TXmlReader::MaxProfondeur + 1), true},
        {"too many attributes", "<b" + Repete(" a='1'", TXmlReader::MaxAttributs + 1) + ">1</b>\r\n", true},
        {"as many attributes as allowed", "<b" + Repete(" a='1'", TXmlReader::MaxAttributs) + ">1</b>\r\n",
         false},
        // A start tag longer than the one before it, whose name cannot be
        // one: the refusal names the element read before it.
        {"a long tag without a name after a short one", "<b>1</b>\r\n<9" + Repete("x", 300) + ">2</b>\r\n", true, "b"},
        {"a long tag without a name after a long one",
         "<categorie ID=\"1\">\r\n<nom>A</nom>\r\n</categorie>\r\n<categorie ID=\"2\">\r\n<9" + Repete("x", 300) +
             ">2</nom>\r\n</categorie>\r\n",
         true, "categorie"},
        {"a NUL byte in a CDATA section", "<b>;<![CDATA[" + std::string(1, '\0') + ">]]></b>\r\n", true},
    };
    DossierTemp d;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        const std::string doc = debut + c.corps + "</r>\r\n";
        auto lit = [&](TXmlReader& r) {
            int n = 0;
            while (r.ElementSuivant() != xmlFinFlux && ++n < 100000) {
            }
            EXPECT_EQ(r.Malforme(), c.malforme);
            EXPECT_EQ(r.Profondeur(), c.malforme ? r.Profondeur() : 0);
            if (!c.refuse.empty())
                EXPECT_EQ(r.ElementRefuse(), c.refuse);
            return std::vector<std::string>{r.Malforme() ? "malforme" : "bon"};
        };
        xml_essai::EnPlace(doc, lit);
        xml_essai::ParMorceaux(doc, lit, 3);
        TXmlReader fichier(d.Ecrit("m.xml", doc));
        lit(fichier);
    }
    // Only blanks may follow the root.
    for (const auto& [suite, blanc] : {std::pair{"\r\n \t\r\n", true}, std::pair{"\r\n<r>x</r>", false}}) {
        TMemoryStream m;
        Remplit(m, debut + "<a>1</a>\r\n</r>" + suite);
        TXmlStreamReader r(m);
        uint8_t j = r.ElementSuivant();
        while (j != xmlFin && j != xmlFinFlux)
            j = r.ElementSuivant();
        EXPECT_EQ(r.ResteBlanc(), blanc) << suite;
    }
}
