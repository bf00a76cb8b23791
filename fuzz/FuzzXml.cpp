// libFuzzer target: the XML pull reader over arbitrary bytes, on its three
// roads: a memory stream read in place, a stream read by refills of a few
// bytes (the first byte sets how many), and a text file read line by line.
// Every token is pulled with its name, text and attributes; some elements are
// skipped whole, read as fields or as leaves in one go, and an entry of the
// writer's shape is opened at once; where the reading was refused is asked
// at the end. The escapes of the writer must undo exactly.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

#include "model/ioXml.h"
#include "platform/rtl/Streams.h"
#include "tests/model/XmlEssai.h"

namespace {

void Parcourt(TXmlReader& x, uint8_t choix)
{
    const std::string noms[3] = {"Nom", "Code", "Joueur"};
    std::string valeurs[3];
    size_t total = 0;
    for (int k = 0; k < 100000; ++k) {
        const uint8_t j = x.ElementSuivant();
        if (j == xmlFinFlux)
            break;
        total += x.Nom().size() + x.Texte().size() + static_cast<size_t>(x.NbAttribut());
        total += x.ValeurAttribut("Equipe").size() + static_cast<size_t>(x.TexteEntier() & 1);
        if (j == xmlDebut && (k + choix) % 7 == 0) {
            x.SauteElement(j);
        } else if (j == xmlDebut && (k + choix) % 11 == 0) {
            x.LitChamps(noms, valeurs);
        } else if (j == xmlDebut && (k + choix) % 5 == 0) {
            TFeuilleXml feuilles[8];
            total += static_cast<size_t>(x.FeuillesEnPlace(feuilles) + 1);
        }
        // The next entry opened at once when it is one of this name in the
        // writer's shape.
        if ((k + choix) % 3 == 0) {
            static constexpr TChampXml champs[2] = {{"", "Equipe", true, TFormeXml::Entier, 1, 2},
                                                    {"", "Joueur", true, TFormeXml::Entier, -1, INT32_MAX}};
            static constexpr const TChampXml* attributs[2] = {&champs[0], &champs[1]};
            int32_t lus[2] = {0, 0};
            uint8_t jeton = xmlFinFlux;
            const std::string nom = x.Nom();
            if (!nom.empty() && x.ElementSimple(nom, attributs, lus, jeton))
                total += jeton + static_cast<size_t>(lus[0] & 1);
        }
    }
    total += x.ElementRefuse().size() + static_cast<size_t>(x.LigneRefus());
    if (total == 0x7FFFFFFF)
        std::abort();   // keeps the reads
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const uint8_t choix = size ? data[0] : 0;
    {
        TMemoryStream m;
        m.WriteBuffer(data, static_cast<long>(size));
        m.SetPosition(0);
        TXmlStreamReader x(m);
        Parcourt(x, choix);
    }

    // The writer's escapes undo exactly, a text holding their own shape
    // included.
    const std::string texte(reinterpret_cast<const char*>(data), size);
    if (DecodeTexteXml(EncodeTexteXml(texte)) != texte)
        std::abort();

    {
        xml_essai::TFluxOctets flux(texte, 1 + (choix >> 1));
        TXmlStreamReader x(flux);
        Parcourt(x, choix);
    }
    static const std::string fichier = "/tmp/fuzz_xml_" + std::to_string(getpid()) + ".xml";
    if (FILE* f = std::fopen(fichier.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
        TXmlReader x(fichier);
        Parcourt(x, choix);
    }
    return 0;
}
