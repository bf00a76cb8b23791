#include "records/IndexBlasons.h"

#include "platform/rtl/Strings.h"

namespace {

// A decimal number of 0 to 65535 written with digits only, blanks around it
// left out; -1 otherwise.
int Nombre(const std::string& texte)
{
    const std::string s = Trim(texte);
    if (s.empty() || s.size() > 5)
        return -1;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n <= 65535 ? n : -1;
}

// One entry "id-parent-name" (the name may hold "-"); a piece that is no
// entry is left out and makes the index damaged.
void AjouteEntree(TIndexBlasons& index, const std::string& texte)
{
    const size_t t1 = texte.find('-');
    const size_t t2 = t1 == std::string::npos ? std::string::npos : texte.find('-', t1 + 1);
    const int id = Nombre(texte.substr(0, t1));
    const int parent = t2 == std::string::npos ? -1 : Nombre(texte.substr(t1 + 1, t2 - t1 - 1));
    if (id < 1 || parent < 0)
    {
        index.Complet = false;
        return;
    }
    index.Entrees.push_back({id, parent, texte.substr(t2 + 1)});
}

}   // namespace

TIndexBlasons LitIndexBlasons(const std::string& texte)
{
    TIndexBlasons index;
    // A byte-order mark, as some editors save it, is no part of the index.
    size_t debut = texte.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (debut < texte.size()) {
        size_t fin = texte.find_first_of("\r\n", debut);
        if (fin == std::string::npos)
            fin = texte.size();
        const std::string ligne = texte.substr(debut, fin - debut);
        size_t p = 0;
        for (size_t d = ligne.find('#'); d != std::string::npos; d = ligne.find('#', p)) {
            AjouteEntree(index, ligne.substr(p, d - p));
            p = d + 1;
        }
        // What follows the last "#" is one more entry when it starts with a
        // number; anything else but blanks is no entry.
        if (p < ligne.size()) {
            const size_t chiffre = ligne.find_first_not_of(" \t", p);
            if (chiffre != std::string::npos && ligne[chiffre] >= '0' && ligne[chiffre] <= '9')
                AjouteEntree(index, ligne.substr(p));
            else if (!Trim(ligne.substr(p)).empty())
                index.Complet = false;
        }
        debut = fin;
        if (debut < texte.size() && texte[debut] == '\r')
            ++debut;
        if (debut < texte.size() && texte[debut] == '\n')
            ++debut;
    }
    return index;
}

std::string EcritIndexBlasons(const std::vector<TEntreeBlason>& entrees)
{
    std::string texte;
    for (const TEntreeBlason& e : entrees)
        texte += IntToStr(e.Id) + "-" + IntToStr(e.Parent) + "-" + e.Nom + "#";
    return texte;
}
