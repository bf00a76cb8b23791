// The question every road asks before two players become one (a rename, a
// move to a team or to none, a drop of one player on another, a quick entry,
// a card): both players, what goes over and what is lost, in one box.
#pragma once

class TJoueur;
class TSaison;

// Whether fondu may become one player with garde: two who met in a match are
// refused with a message naming the match (false); otherwise the question
// (TSaison::QuestionFusion), true on "Oui". demandee: the user asked for the
// merge itself.
bool AccepteFusion(const TSaison& saison, const TJoueur& fondu, const TJoueur& garde, bool demandee = false);
