// The commands of the menus (ids 5 to 261) and the windows some of them wait
// for: a command whose window is not part of the program yet tells the user so
// instead of opening it.
#pragma once

#include <vector>

// The window (or service) a command opens when it is not available yet;
// nullptr when the command is available or has no window.

// Every command id the dispatcher knows (5 to 261).
inline constexpr int PremiereCommande = 5;
inline constexpr int DerniereCommandeMenu = 261;

// Text shown for a command whose window is not available yet.
inline constexpr int TexteVueNonDisponible = 3004;

// Commands that do not change the central panel: no history record.
bool CommandeSansHistorique(int commande);
// Commands that a championship change does not show again.
bool CommandeNonMemorisee(int commande);
// Commands without an action (they reach CommandeAutre).
bool CommandeSansAction(int commande);
// Commands of files, dialogs and actions: they show no view of their own.
bool CommandeHorsVue(int commande);
