// Pages and fragments read back by libxml2's HTML parser: the tables they hold,
// innermost first, each as rows of cell texts (UTF-8), and whether the parser
// had to repair the markup (an unbalanced tag).
#pragma once

#include <libxml/HTMLparser.h>

#include <string>
#include <vector>

namespace html_lu {

using TTable = std::vector<std::vector<std::string>>;

struct TPage
{
    bool lu = false;
    bool equilibree = true;   // no tag left open or closed without opening
    std::vector<TTable> tables;
    std::string titre;                  // the <title>
    std::vector<std::string> entetes;   // the <h1> to <h3> headings, in order
};

namespace detail {

inline void Erreur(void* ctx, const char*, ...) { *static_cast<bool*>(ctx) = false; }

inline std::string Texte(xmlNode* n)
{
    std::string t;
    if (xmlChar* c = xmlNodeGetContent(n)) {
        t = reinterpret_cast<const char*>(c);
        xmlFree(c);
    }
    const size_t a = t.find_first_not_of(" \t\r\n"), b = t.find_last_not_of(" \t\r\n");
    return a == std::string::npos ? std::string() : t.substr(a, b - a + 1);
}

inline bool Nom(xmlNode* n, const char* nom)
{
    return n->type == XML_ELEMENT_NODE && xmlStrcasecmp(n->name, reinterpret_cast<const xmlChar*>(nom)) == 0;
}

inline void Lignes(xmlNode* n, TTable& t)
{
    for (xmlNode* c = n->children; c; c = c->next) {
        if (Nom(c, "tr")) {
            std::vector<std::string> ligne;
            for (xmlNode* d = c->children; d; d = d->next)
                if (Nom(d, "td") || Nom(d, "th"))
                    ligne.push_back(Texte(d));
            t.push_back(ligne);
        } else if (Nom(c, "tbody") || Nom(c, "thead")) {
            Lignes(c, t);
        }
    }
}

inline void Titres(xmlNode* n, TPage& p)
{
    for (xmlNode* c = n; c; c = c->next) {
        if (Nom(c, "title"))
            p.titre = Texte(c);
        else if (Nom(c, "h1") || Nom(c, "h2") || Nom(c, "h3"))
            p.entetes.push_back(Texte(c));
        Titres(c->children, p);
    }
}

inline void Tables(xmlNode* n, std::vector<TTable>& v)
{
    for (xmlNode* c = n; c; c = c->next) {
        Tables(c->children, v);
        if (Nom(c, "table")) {
            TTable t;
            Lignes(c, t);
            v.push_back(t);
        }
    }
}

}  // namespace detail

// Bytes in Windows-1252 unless the page says otherwise.
inline TPage Lit(const std::string& octets)
{
    TPage p;
    htmlParserCtxtPtr ctx = htmlCreateMemoryParserCtxt(octets.data(), static_cast<int>(octets.size()));
    if (!ctx)
        return p;
    xmlSetGenericErrorFunc(&p.equilibree, detail::Erreur);
    htmlDocPtr doc = htmlCtxtReadMemory(ctx, octets.data(), static_cast<int>(octets.size()), nullptr, "windows-1252",
                                        HTML_PARSE_NONET);
    if (doc) {
        p.lu = true;
        detail::Tables(xmlDocGetRootElement(doc), p.tables);
        detail::Titres(xmlDocGetRootElement(doc), p);
        xmlFreeDoc(doc);
    }
    if (ctx->wellFormed == 0)
        p.equilibree = false;
    htmlFreeParserCtxt(ctx);
    xmlSetGenericErrorFunc(nullptr, nullptr);
    return p;
}

}  // namespace html_lu
