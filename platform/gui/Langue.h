// The interface language of the window layer's own parts: the texts of the
// common dialogs (file, colour, print dialogs, standard buttons) and the month
// and day names of the calendars and date boxes.
#pragma once

#include <string>

// Takes the language of the program's texts ("fr", "en"): installs Qt's own
// translations of it when the system holds them (replacing those of an earlier
// call) and makes it the language of the calendars. Numbers keep their form:
// the C library's locale is not touched. False when no translation of Qt's
// texts was found (an English interface needs none).
bool AppliqueLangueInterface(const std::string& langue);
