// What a name in a box designates, for every box that takes a person, a
// stadium, a club or a team by name: one rule for all of them.
#pragma once

#include <functional>
#include <string>
#include <vector>

class TComboBox;

enum class TGenreNom {
    Vide,      // nothing typed or picked
    Entree,    // an entry of the list (Index)
    Nouveau,   // a name typed that is a new one
    Refuse,    // a name typed to the letter of entries the user said it is not
};

struct TNomDesigne
{
    TGenreNom Genre = TGenreNom::Vide;
    int Index = -1;          // the entry, for Entree
    std::string Texte;       // what the box shows, trimmed
};

// The entry picked from the list (or put in by the program) is that entry.
// A name typed is a new one, unless it is, accents, letter case and outer
// blanks aside, the very text of an entry or one of the names it goes by
// (noms, when given; entries with none are never named: an empty line, a
// separator) and the user, asked naming that entry (question, when given;
// else text 3762 with the name typed and the entry's text), says it is that
// one. Each such entry is asked about in turn; "no" to all of them is Refuse.
// An entry whose question is empty is that entry without a question (the
// caller says what it makes of it).
// A beginning of an entry's name is a new name, never that entry.
TNomDesigne NomDesigne(TComboBox& boite,
                       const std::function<std::vector<std::string>(int)>& noms = {},
                       const std::function<std::string(int)>& question = {});

// The number (the entry's object) of the record picked from the box's list,
// when the box still shows that entry's text; -1 when nothing was picked or a
// name was typed since. A record picked is that record: two of one name stay
// two, and the shown name is never looked up again.
int NumeroChoisi(TComboBox& boite);
// Shows the record of that number in the box: its entry, picked, when the
// list holds it; else texte, as typed by the program (no entry chosen).
void MontreNumero(TComboBox& boite, int numero, const std::string& texte);
