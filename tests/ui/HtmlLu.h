// A page read back as a browser reads it: libxml2's HTML parser, which takes
// the character set from the page's own declaration. Answers the page's text
// in UTF-8, "" when it cannot be read.
#pragma once

#include <libxml/HTMLparser.h>

#include <string>

inline std::string TexteLuParNavigateur(const std::string& fichier)
{
    htmlDocPtr doc = htmlReadFile(fichier.c_str(), nullptr, HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING);
    if (!doc)
        return {};
    std::string texte;
    if (xmlChar* t = xmlNodeGetContent(xmlDocGetRootElement(doc)))
    {
        texte = reinterpret_cast<const char*>(t);
        xmlFree(t);
    }
    xmlFreeDoc(doc);
    return texte;
}
