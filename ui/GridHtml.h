// HTML written by the colour grid and the text pane: escaping of the texts that
// come from the season (team and player names) and colours as "#RRGGBB".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/gui/Graphics.h"

// Escapes a text for an HTML page. Entities already written ("&nbsp;",
// "&#233;") are kept, and so, with gardeBalises, are tags ("<b>", "</font>",
// "<br/>", "<!-- -->") that the program writes on purpose into its texts; any
// other "&", "<", ">" and '"' is escaped. A character the text keeps apart
// (a file name's letter, see KeptCharAt) is written as its entity, as the
// window shows it; every other byte is written as it is.
std::string EchappeHTML(std::string_view texte, bool gardeBalises = false);
// Escapes every "&", "<", ">" and '"' of a text as a user typed it: nothing
// of it is read as markup, entities included (kept characters as above).
std::string EchappeTexteHTML(std::string_view texte);

// The head's declaration of the pages' character set (their bytes are
// Windows-1252).
std::string MetaCharset();

// What a page written or printed from a grid shows above the table, as the
// window shows it around the grid: heading lines (the table's title, the
// competition; together they are the HTML page's title) and a band of group
// titles, each over a run of columns.
struct TEnTeteHTML
{
    struct TBande
    {
        int Premiere = 0;   // first and last grid column under the title
        int Derniere = 0;
        std::string Texte;
    };
    std::vector<std::string> Titres;
    std::vector<TBande> Bandes;
};

// The head's title element of a page (its tag in capitals for the pages
// written so): what the page shows, its heading lines joined by " - " (the
// empty ones left out).
std::string TitreHTML(const std::vector<std::string>& lignes, bool majuscules = false);
std::string TitreHTML(const std::string& titre, bool majuscules = false);

// "#RRGGBB" of a colour (system colours resolved).
std::string CouleurHTML(TColor couleur);
