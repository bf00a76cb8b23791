// Ids of the program's own texts that the shell shows (language files).
#pragma once

inline constexpr int TexteAvertissement = 3400;
inline constexpr int TexteErreur = 3401;
inline constexpr int TexteInformation = 3402;
inline constexpr int TexteConfirmation = 3403;
inline constexpr int TexteRemplaceFichier = 3404;   // %s: the file name
inline constexpr int TexteSaisieIncorrecte = 3405;
inline constexpr int TexteImpressionPdf = 3406;
inline constexpr int TextePdfEcrit = 3407;          // %s: the file
inline constexpr int TextePdfNonEcrit = 3408;       // %s: the file
inline constexpr int TexteDocumentPdf = 3409;
inline constexpr int TexteHtmlNonEcrit = 3413;      // %s: the file
inline constexpr int TexteToutesImages = 3414;
inline constexpr int TexteImpressionEchouee = 4860;   // %s: the printer
inline constexpr int TexteLettresLaissees = 5000;
inline constexpr int TexteNombreEntier = 5001;
inline constexpr int TexteNombreEntierSigne = 5002;
inline constexpr int TexteNombreBornes = 5003;      // %d, %d: the bounds
inline constexpr int TexteTropLong = 5400;          // %d: the length
inline constexpr int TexteNomVide = 5401;
inline constexpr int TexteUnNombre = 5740;
