// Texts of the language file as the standings views show them.
#pragma once

#include <string>

#include "model/oTraducteur.h"

namespace vues {

// Text `id` of the language file, or the French default when it has none.
inline std::string Texte(int id, const std::string& defaut = {})
{
    std::string s = Traduire(id);
    return s.empty() ? defaut : s;
}

}  // namespace vues
