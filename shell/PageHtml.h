// The help pages as the help window reads them: a small part of HTML (title,
// headings, paragraphs, lists, line breaks, rules, bold, italic, code, links)
// turned into blocks of styled pieces of text. Other tags are ignored, their
// text kept; head, style and script contents are dropped. Input and output are
// Windows-1252.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum : unsigned { shGras = 1, shItalique = 2, shCode = 4 };

struct TMorceauHtml
{
    std::string Texte;   // "\n" alone is a line break
    unsigned Style = 0;
    int Lien = -1;       // index in TPageHtml::Liens, -1 none
};

struct TBlocHtml
{
    enum TGenre { Paragraphe, Titre1, Titre2, Titre3, Puce, Numerote, Trait };
    TGenre Genre = Paragraphe;
    int Niveau = 0;      // depth of lists (and indented definitions)
    int Numero = 0;      // number of an ordered list item
    std::vector<TMorceauHtml> Morceaux;
};

struct TPageHtml
{
    std::string Titre;
    std::vector<TBlocHtml> Blocs;
    std::vector<std::string> Liens;   // href values as written
};

TPageHtml AnalyseHtml(std::string_view html);

// Entities of the pages (&amp; &lt; &gt; &quot; &nbsp; &#nnn; and the accented
// letters by name) turned into Windows-1252 characters.
std::string DecodeEntitesHtml(std::string_view texte);
