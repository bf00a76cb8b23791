// The stream reader's two ways of reading: in place over a memory stream, by
// refilled chunks over any other stream; both give the same tokens. Number
// reading of texts and attributes, and the end of input reached mid-token.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "model/ioXml.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "tests/model/XmlEssai.h"

namespace {

using xml_essai::TFluxOctets;

// Every token of the document as "code name text attr" lines.
std::vector<std::string> Jetons(TXmlReader& r)
{
    std::vector<std::string> v;
    for (int garde = 0; garde < 100000; ++garde) {
        const uint8_t j = r.ElementSuivant();
        v.push_back(IntToStr(j) + " " + r.Nom() + " " + r.Texte() + " " + r.ValeurAttribut("a") + " " +
                    IntToStr(r.AttributEntier("n", -7)));
        if (j == xmlFinFlux)
            break;
    }
    return v;
}

std::vector<std::string> EnPlace(const std::string& doc)
{
    return xml_essai::EnPlace(doc, Jetons);
}

std::vector<std::string> ParMorceaux(const std::string& doc)
{
    return xml_essai::ParMorceaux(doc, Jetons);
}

}   // namespace

// Tags, attributes and texts across the 64 KB chunks of a refilled stream, at
// every offset around the boundary, read as in place.
TEST(XmlStreamReader, ChunksAndInPlaceGiveTheSameTokens)
{
    const std::string texte = std::string(1500, 'x') + " + y";
    for (int decalage = 65536 - 60; decalage < 65536 + 10; ++decalage) {
        const std::string doc = "<r>" + std::string(static_cast<size_t>(decalage), ' ') +
                                "<element a=\"valeur avec blancs\" n=\" 42 \">\r\n<t>" + EncodeTexteXml(texte) +
                                "</t>\r\n<v n='-5'>12</v>\r\n<w a=\"##1#\" />\r\n</element>\r\n</r>";
        const auto morceaux = ParMorceaux(doc);
        ASSERT_EQ(morceaux, EnPlace(doc)) << decalage;
        ASSERT_GE(morceaux.size(), 7u);
        EXPECT_EQ(morceaux[1], "0 element \r\n valeur avec blancs 42");   // the line break before the child is its text
        EXPECT_EQ(morceaux[2], "2 t " + texte + "  -7");
        EXPECT_EQ(morceaux[3], "2 v 12  -5");
        EXPECT_EQ(morceaux[4], "2 w  < -7");
    }
}

TEST(XmlStreamReader, InPlaceReadingStartsAtThePositionAndRewindsAfter)
{
    TMemoryStream m;
    const std::string doc = "xxxx<a>1</a>";
    m.WriteBuffer(doc.data(), static_cast<long>(doc.size()));
    m.SetPosition(4);
    {
        TXmlStreamReader r(m);
        ASSERT_EQ(r.ElementSuivant(), xmlComplet);
        EXPECT_EQ(r.Nom(), "a");
        EXPECT_EQ(r.TexteEntier(), 1);
        EXPECT_EQ(r.ElementSuivant(), xmlFinFlux);
    }
    EXPECT_EQ(m.Position(), 0);
    TMemoryStream vide;
    TXmlStreamReader r(vide);
    EXPECT_EQ(r.ElementSuivant(), xmlFinFlux);
    EXPECT_TRUE(r.FinAtteinte());
}

TEST(XmlStreamReader, EndOfInputInsideATokenIsTold)
{
    const std::string doc = "<r>\r\n<a n=\"1\">\r\n<b>texte</b>\r\n</a>\r\n</r>\r\n";
    // The whole document: every token complete.
    for (const bool enPlace : {true, false}) {
        TMemoryStream m;
        m.WriteBuffer(doc.data(), static_cast<long>(doc.size()));
        m.SetPosition(0);
        TFluxOctets f(doc);
        TXmlStreamReader r(enPlace ? static_cast<TStream&>(m) : f);
        r.SauteElement(r.ElementSuivant());
        EXPECT_FALSE(r.FinAtteinte());
    }
    // Cut anywhere before the root's end tag is read whole.
    for (size_t coupe = 1; coupe < doc.find("</r>") + 4; ++coupe) {
        SCOPED_TRACE(coupe);
        TFluxOctets f(doc.substr(0, coupe));
        TXmlStreamReader r(f);
        r.SauteElement(r.ElementSuivant());
        EXPECT_TRUE(r.FinAtteinte());
    }
}

TEST(XmlNumbers, PlainDecimalsAndEverythingElseAsStrToIntDef)
{
    for (const char* t : {"0", "7", "-3", "123456789", "-123456789", "1234567890", "2147483647", "-2147483648",
                          "2147483648", "007", "-0", "+5", "$1F", "0x10", " 12", "12 ", "", "-", "1a", "##3#1"})
        EXPECT_EQ(EntierXml(t, -99), StrToIntDef(t, -99)) << t;
    EXPECT_EQ(SansBlancs(" \t a b \r\n"), "a b");
    EXPECT_EQ(SansBlancs("   "), "");
}
