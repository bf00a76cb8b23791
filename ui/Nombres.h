// How every number and year box of the windows is read: a box declares its
// reading once, where it is built; its window weighs it before storing
// anything (TBrivantelForm::CompteursRemplis, with the counters) and its
// writer takes the value from the same reading. What the box shows is
// stored as it stands, or refused with a word naming the bounds or what the
// box takes: a half-typed year, a figure past a bound, a comma or a letter is
// never read as another number, nor brought back to a bound.
//
//     nombres::Declare(e_NoteMatch, nombres::Nombre(0, 255, 0));
//     if (!CompteursRemplis()) return;                 // said, box focused
//     if (auto v = nombres::Valeur(e_NoteMatch)) c.SetNoteMatch(n, m, *v);
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

class TComponent;
class TWinControl;

namespace nombres {

enum class TGenre {
    // A whole number from bas to haut: digits, a minus sign first when bas
    // is below 0.
    Nombre,
    // A year from 1900 to 2155, given whole; one or two digits stand for a
    // year of the 1900s (98 is 1998).
    Annee,
    // A season's years, the first from 1900 to 2155, a slash, the two last
    // digits of the second ("2026/27"): first * 100 + second.
    Saison,
};

struct TLecture
{
    TGenre genre = TGenre::Nombre;
    int bas = 0, haut = 0;
    // What the box emptied stands for; none: an empty box is refused.
    std::optional<int> vide;
    // Texts the box shows for a value of its own ("-", the unknown word).
    std::vector<std::pair<std::string, int>> mots;
    // The text id of the box's own words of refusal, %s the text shown
    // (0: the reading's).
    int refus = 0;
};

// The readings of the boxes: a number from bas to haut, a year, a season's
// years; an emptied box standing for `vide`, or refused.
TLecture Nombre(int bas, int haut, std::optional<int> vide = std::nullopt);
TLecture Annee(std::optional<int> vide = std::nullopt);
TLecture Saison();

// What the text stands for by the reading (leading and trailing blanks
// left out); none when the reading refuses it.
std::optional<int> Lit(const std::string& texte, const TLecture& lecture);
// The words refusing the text: the bounds of a number (or what the box
// takes when it takes any whole number), the years a year or a season takes.
std::string Motif(const std::string& texte, const TLecture& lecture);

// The reading of the box, kept with it (declared again: replaced).
void Declare(TWinControl* boite, TLecture lecture);
// The box's reading, or none when it declared none.
const TLecture* LectureDe(const TWinControl* boite);
// The box a component of the walk of a window stands for: the box whose
// reading it is, else none.
TWinControl* BoiteLue(TComponent* composant);
// What the box shows by its reading; none when it declared none or its
// reading refuses what it shows (its window then stores nothing of it).
std::optional<int> Valeur(const TWinControl* boite);

// Whether the window weighs the box: shown, enabled, not on a page its
// window hides.
bool Pesee(const TWinControl* boite);
// Says the words in the program's message box, then shows the box's page
// and gives it the focus with its text selected, for correction.
void Refuse(TWinControl* boite, const std::string& motif);
// Weighs a box that declared a reading: false once refused and said.
bool Accepte(TWinControl* boite);

}  // namespace nombres
