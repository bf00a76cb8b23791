// A season written through the real season file and opened again, as every
// test that changes a season ends: the test fails when the file is not
// written or does not open.
#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "files/TraiteurFichier.h"
#include "model/Saison.h"

namespace essai {

// The season read back from the file, none (the test failed) when it was not
// written or does not open.
inline std::unique_ptr<TSaison> SauveRelit(TSaison& saison, const std::string& fichier)
{
    if (!TTraiteurFichier::Sauver(fichier, &saison, nullptr, "", "", nullptr, {}, false)) {
        ADD_FAILURE() << "season file not written: " << fichier;
        return nullptr;
    }
    uint8_t etat = 0;
    auto relue = TTraiteurFichier::Charger(fichier, "", "", {}, TousSports, etat, false);
    if (etat != etatCharge || !relue) {
        ADD_FAILURE() << "the season written does not open again (status " << static_cast<int>(etat)
                      << "): " << fichier;
        return nullptr;
    }
    return relue;
}

}  // namespace essai
