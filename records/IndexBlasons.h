// The text of the crest index blasons/blasons.txt: entries "id-parent-name#",
// on one line or several (empty lines are skipped). Reading keeps every entry
// it finds and tells whether the whole text was made of entries: an index that
// holds anything else is damaged, and the program keeps it before writing it
// again.
#pragma once

#include <string>
#include <vector>

struct TEntreeBlason
{
    int Id = 0;
    int Parent = 0;
    std::string Nom;
};

struct TIndexBlasons
{
    std::vector<TEntreeBlason> Entrees;
    // False when some text is no entry: a piece that is not "id-parent-name"
    // with an id of 1 to 65535 and a parent of 0 to 65535 (it is left out),
    // or text after the last "#" of a line that does not start with a number.
    bool Complet = true;
};

TIndexBlasons LitIndexBlasons(const std::string& texte);
// The index text of these entries, as the program writes it.
std::string EcritIndexBlasons(const std::vector<TEntreeBlason>& entrees);
