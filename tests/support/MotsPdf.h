// A PDF read back as its words with their boxes (pdftotext -bbox, from
// poppler-utils), and what is wrong with a printout: a word over another or
// off its page, a word the printout should hold and does not, a file too
// large for its pages.
#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/SortieCommande.h"

namespace essai {

struct TMotPdf
{
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;   // points, from the page's top left
    std::string texte;                        // UTF-8
};

struct TPagePdf
{
    double largeur = 0, hauteur = 0;
    std::vector<TMotPdf> mots;
};

inline double AttributPdf(const std::string& ligne, const std::string& nom)
{
    const size_t p = ligne.find(nom + "=\"");
    return p == std::string::npos ? 0.0 : std::stod(ligne.substr(p + nom.size() + 2));
}

// The entities of pdftotext's XML, and the ligatures its fonts set ("ff",
// "fi", "fl") as the letters they stand for.
inline std::string TexteMotPdf(std::string s)
{
    static const std::pair<const char*, const char*> r[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"},
        {"\xEF\xAC\x80", "ff"}, {"\xEF\xAC\x81", "fi"}, {"\xEF\xAC\x82", "fl"}, {"\xEF\xAC\x83", "ffi"},
        {"\xEF\xAC\x84", "ffl"}};
    for (const auto& [de, vers] : r)
        for (size_t p = s.find(de); p != std::string::npos; p = s.find(de, p + std::strlen(vers)))
            s.replace(p, std::strlen(de), vers);
    return s;
}

inline std::vector<TPagePdf> LitPdf(const std::string& pdf)
{
    std::vector<TPagePdf> pages;
    std::istringstream in(SortieCommande("pdftotext -bbox '" + pdf + "' -"));
    for (std::string ligne; std::getline(in, ligne);) {
        if (ligne.find("<page ") != std::string::npos) {
            pages.push_back({AttributPdf(ligne, "width"), AttributPdf(ligne, "height"), {}});
        } else if (const size_t p = ligne.find("<word "); p != std::string::npos && !pages.empty()) {
            TMotPdf m{AttributPdf(ligne, "xMin"), AttributPdf(ligne, "yMin"), AttributPdf(ligne, "xMax"),
                      AttributPdf(ligne, "yMax"), ""};
            const size_t a = ligne.find('>', p), b = ligne.rfind("</word>");
            if (a != std::string::npos && b != std::string::npos && b > a)
                m.texte = TexteMotPdf(ligne.substr(a + 1, b - a - 1));
            pages.back().mots.push_back(m);
        }
    }
    return pages;
}

// Two words one over the other: their boxes share more than a sliver.
inline bool ChevauchentPdf(const TMotPdf& a, const TMotPdf& b)
{
    const double l = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
    const double h = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
    return l > 0.3 && h > std::min(a.y1 - a.y0, b.y1 - b.y0) * 0.3;
}

inline std::string DecritMotPdf(const TMotPdf& m)
{
    std::ostringstream s;
    s << '"' << m.texte << "\" (" << static_cast<int>(m.x0) << ", " << static_cast<int>(m.y0) << ")";
    return s.str();
}

inline bool DansLaPage(const TPagePdf& page, const TMotPdf& m)
{
    return m.x0 >= -0.5 && m.y0 >= -0.5 && m.x1 <= page.largeur + 0.5 && m.y1 <= page.hauteur + 0.5;
}

// The words of voulus (word, times) that the printout holds fewer times inside
// its pages, as "word" printed n of m times.
inline std::vector<std::string> MotsManquants(const std::vector<TPagePdf>& pages, const std::map<std::string, int>& voulus)
{
    std::map<std::string, int> lus;
    for (const TPagePdf& page : pages)
        for (const TMotPdf& m : page.mots)
            lus[m.texte] += DansLaPage(page, m);
    std::vector<std::string> d;
    for (const auto& [mot, n] : voulus)
        if (lus[mot] < n)
            d.push_back("\"" + mot + "\" printed " + std::to_string(lus[mot]) + " of " + std::to_string(n) + " times");
    return d;
}

// What is wrong with a printout, one line each: words over one another or
// off their page, words of voulus (word, times) printed fewer times, more than
// 2 MB a page (a size of 0 is not checked).
inline std::vector<std::string> DefautsPdf(const std::vector<TPagePdf>& pages, long taille,
                                           const std::map<std::string, int>& voulus)
{
    std::vector<std::string> d;
    if (pages.empty())
        return {"no page"};
    if (taille > 2'000'000L * static_cast<long>(pages.size()))
        d.push_back("file of " + std::to_string(taille) + " bytes for " + std::to_string(pages.size()) + " pages");
    for (size_t p = 0; p < pages.size(); ++p) {
        const TPagePdf& page = pages[p];
        const std::string ici = "page " + std::to_string(p + 1) + ": ";
        for (size_t i = 0; i < page.mots.size(); ++i) {
            const TMotPdf& m = page.mots[i];
            if (!DansLaPage(page, m))
                d.push_back(ici + "off the page: " + DecritMotPdf(m));
            for (size_t j = i + 1; j < page.mots.size(); ++j)
                if (ChevauchentPdf(m, page.mots[j]))
                    d.push_back(ici + "overlap: " + DecritMotPdf(m) + " / " + DecritMotPdf(page.mots[j]));
        }
    }
    const std::vector<std::string> manquants = MotsManquants(pages, voulus);
    d.insert(d.end(), manquants.begin(), manquants.end());
    return d;
}

}  // namespace essai
