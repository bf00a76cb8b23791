// The in-place reader's short paths (a tag right after a line break, a short
// text, the end tag "</name>" right after it) against the general search of
// the refilled reader: the same tokens on shapes near those paths, and on
// every cut of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "model/ioXml.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "tests/model/XmlEssai.h"

namespace {

std::vector<std::string> Jetons(TXmlReader& r)
{
    std::vector<std::string> v;
    for (int garde = 0; garde < 1000; ++garde) {
        const uint8_t j = r.ElementSuivant();
        // (After the end of input the text is left as it was found: not compared.)
        v.push_back(IntToStr(j) + "|" + r.Nom() + "|" + (j == xmlFinFlux ? "" : r.TexteBrut()) + "|" +
                    IntToStr(r.NbAttribut()) + "|" +
                    r.ValeurAttribut("a") + "|" + (r.FinAtteinte() ? "fin" : "") +
                    (r.Malforme() ? "malforme" : ""));
        if (j == xmlFinFlux && garde > 2)
            break;
    }
    return v;
}

std::vector<std::string> EnPlace(const std::string& doc)
{
    return xml_essai::EnPlace(doc, Jetons);
}

// Three bytes a read: the refilled reader at its slowest.
std::vector<std::string> ParMorceaux(const std::string& doc)
{
    return xml_essai::ParMorceaux(doc, Jetons, 3);
}

}   // namespace

TEST(XmlCourt, ShortPathsReadAsTheGeneralSearch)
{
    const std::string docs[] = {
        "<r>\r\n<Pts>12</Pts>\r\n<Tir>4/8</Tir>\r\n</r>\r\n",
        "<r>\r\n<Pts>12</Pts >\r\n<Pts>1</Ptss>\r\n</r>",   // end tags that only look alike
        "<r>\r\n<a>texte de plus de seize octets</a>\r\n<b>" + std::string(40, 'x') + "</b></r>",
        "<r>" + std::string(30, ' ') + "<a>1</a>" + std::string(20, '\n') + "<b/></r>",
        "<r>\r\n>\r\n<a>1</a>\r\n<>\r\n<b>2</b></r>",   // a ">" or "<>" where a tag is expected
        "<r>\r\n<a x='1' a=\"v\">t</a>\r\n<b a=2 />\r\n<c\r\n>t</c>\r\n</r>",
        "<?xml version=\"1.0\"?>\r\n<!DOCTYPE doc>\r\n<doc>\r\n<a>1</a>\r\n</doc>",
        "<r>\r\n<StatBasket Equipe=\"1\" Joueur=\"7\">\r\n<Pts>12</Pts>\r\n</StatBasket>\r\n</r>",
        "\r\n<a>1</a>\r\n<a>2</a>\r\n\r\n<a>3</a>x",
    };
    for (const std::string& doc : docs) {
        for (size_t n = 0; n <= doc.size(); ++n) {
            const std::string coupe = doc.substr(0, n);
            ASSERT_EQ(EnPlace(coupe), ParMorceaux(coupe)) << coupe;
        }
    }
    const auto v = EnPlace(docs[1]);
    ASSERT_GE(v.size(), 3u);
    // The element's own end tag (blanks after its name allowed) completes it;
    // another name ends the reading.
    EXPECT_EQ(v[1], "2|Pts|12|0||");
    EXPECT_EQ(v[2].substr(0, 2), "3|");
    EXPECT_EQ(v[2].substr(v[2].size() - 8), "malforme");
}
