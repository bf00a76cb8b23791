// What a command of the system prints on its standard output (a PDF read back
// by pdftotext, a picture made by pdftoppm).
#pragma once

#include <cstdio>
#include <string>

namespace essai {

inline std::string SortieCommande(const std::string& commande)
{
    std::string texte;
    if (FILE* p = popen(commande.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0)
            texte.append(buf, n);
        pclose(p);
    }
    return texte;
}

}  // namespace essai
