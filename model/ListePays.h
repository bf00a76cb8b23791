// The countries of a season. A country's code is its index in the list (16-bit,
// 0xFFFF = none); codes never change once given: a name is replaced in place and
// no country is removed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TStringList;
class TXmlReader;
class TXmlWriter;

class TListePays
{
public:
    static constexpr uint16_t Aucun = 0xFFFF;

    int NbPays() const { return static_cast<int>(noms_.size()); }
    std::string NomPays(int code) const;   // empty out of range
    // 0xFFFF for an empty name; the code of the name when present (letter case
    // ignored); else the name is appended and its new code returned.
    uint16_t AjoutePays(const std::string& nom);
    // Exact name, searched from the last country backwards; 0xFFFF when the name
    // is empty or absent.
    uint16_t CodePays(std::string_view nom) const;
    // The first country whose name equals nom once both are folded (SansAccent);
    // when none, AjoutePays(nom).
    uint16_t CherchePays(const std::string& nom);
    void RenommePays(int code, const std::string& nom);
    // Clears the list, then adds every non-empty name with its code as object.
    void Remplit(TStringList& liste) const;
    void Vide() { noms_.clear(); }

    // <ListePays> with one <Nom> per country in code order, empty names too (so
    // the codes of the later names are kept).
    void Ecrit(TXmlWriter& ecrivain) const;
    // Reads the children of ListePays (the reader is just inside it): the list is
    // emptied, then every Nom appended in document order.
    void Lit(TXmlReader& lecteur);

private:
    std::vector<std::string> noms_;
};
