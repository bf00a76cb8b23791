#include "shell/PageHtml.h"

#include <cctype>

#include "platform/rtl/Strings.h"

namespace {

struct Entite
{
    const char* nom;
    unsigned char car;
};

const Entite entites[] = {
    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0},
    {"eacute", 0xE9}, {"egrave", 0xE8}, {"ecirc", 0xEA}, {"euml", 0xEB}, {"agrave", 0xE0},
    {"acirc", 0xE2}, {"ccedil", 0xE7}, {"icirc", 0xEE}, {"iuml", 0xEF}, {"ocirc", 0xF4},
    {"ugrave", 0xF9}, {"ucirc", 0xFB}, {"Eacute", 0xC9}, {"Egrave", 0xC8}, {"Agrave", 0xC0},
    {"Ccedil", 0xC7}, {"laquo", 0xAB}, {"raquo", 0xBB}, {"copy", 0xA9}, {"hellip", 0x85},
    {"rsquo", 0x92}, {"ndash", 0x96}, {"mdash", 0x97}, {"oelig", 0x9C},
};

class Analyseur
{
public:
    TPageHtml page;

    void Lance(std::string_view html)
    {
        size_t i = 0;
        std::string texte;
        while (i < html.size())
        {
            if (html[i] != '<')
            {
                texte += html[i++];
                continue;
            }
            Texte(texte);
            texte.clear();
            if (html.substr(i, 4) == "<!--")
            {
                const size_t fin = html.find("-->", i + 4);
                i = fin == std::string_view::npos ? html.size() : fin + 3;
                continue;
            }
            const size_t fin = html.find('>', i);
            if (fin == std::string_view::npos)
                break;
            Balise(html.substr(i + 1, fin - i - 1));
            i = fin + 1;
        }
        Texte(texte);
        FermeBloc();
    }

private:
    int gras_ = 0, italique_ = 0, code_ = 0;
    int lien_ = -1;
    int ignore_ = 0;        // inside head, style, script
    bool dansTitre_ = false;
    bool blocOuvert_ = false;
    bool espaceEnAttente_ = false;
    struct Liste
    {
        bool numerotee;
        int compteur;
    };
    std::vector<Liste> listes_;
    int retrait_ = 0;       // <dd> and <blockquote>

    unsigned StyleCourant() const
    {
        return (gras_ ? shGras : 0u) | (italique_ ? shItalique : 0u) | (code_ ? shCode : 0u);
    }

    void OuvreBloc(TBlocHtml::TGenre genre, int numero = 0)
    {
        FermeBloc();
        TBlocHtml b;
        b.Genre = genre;
        b.Numero = numero;
        b.Niveau = static_cast<int>(listes_.size()) + retrait_;
        page.Blocs.push_back(std::move(b));
        blocOuvert_ = true;
        espaceEnAttente_ = false;
    }

    void FermeBloc()
    {
        if (blocOuvert_ && page.Blocs.back().Morceaux.empty() && page.Blocs.back().Genre != TBlocHtml::Trait)
            page.Blocs.pop_back();
        blocOuvert_ = false;
    }

    void Ajoute(const std::string& t)
    {
        if (!blocOuvert_)
            OuvreBloc(TBlocHtml::Paragraphe);
        auto& m = page.Blocs.back().Morceaux;
        const unsigned style = StyleCourant();
        if (!m.empty() && m.back().Style == style && m.back().Lien == lien_ && m.back().Texte != "\n" && t != "\n")
            m.back().Texte += t;
        else
            m.push_back({t, style, lien_});
    }

    void Texte(const std::string& brut)
    {
        if (brut.empty())
            return;
        const std::string t = DecodeEntitesHtml(brut);
        if (dansTitre_)
        {
            page.Titre += t;
            return;
        }
        if (ignore_)
            return;
        // White space folds into one blank; none at the start of a block or line.
        std::string net;
        for (char c : t)
        {
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            {
                espaceEnAttente_ = true;
                continue;
            }
            if (espaceEnAttente_ && blocOuvert_ && !page.Blocs.back().Morceaux.empty()
                && page.Blocs.back().Morceaux.back().Texte != "\n")
                net += ' ';
            else if (espaceEnAttente_ && !net.empty())
                net += ' ';
            espaceEnAttente_ = false;
            net += c;
        }
        if (!net.empty())
            Ajoute(net);
    }

    static std::string Attribut(std::string_view balise, std::string_view nom)
    {
        const std::string bas = LowerCase(balise);
        size_t p = 0;
        while ((p = bas.find(nom, p)) != std::string::npos)
        {
            size_t q = p + nom.size();
            const bool debutMot = p > 0 && std::isspace(static_cast<unsigned char>(bas[p - 1]));
            while (q < bas.size() && bas[q] == ' ')
                ++q;
            if (!debutMot || q >= bas.size() || bas[q] != '=')
            {
                ++p;
                continue;
            }
            ++q;
            while (q < bas.size() && bas[q] == ' ')
                ++q;
            if (q < balise.size() && (balise[q] == '"' || balise[q] == '\''))
            {
                const char guillemet = balise[q];
                const size_t fin = balise.find(guillemet, q + 1);
                return DecodeEntitesHtml(balise.substr(q + 1, fin == std::string_view::npos ? std::string_view::npos : fin - q - 1));
            }
            size_t fin = q;
            while (fin < balise.size() && !std::isspace(static_cast<unsigned char>(balise[fin])))
                ++fin;
            return DecodeEntitesHtml(balise.substr(q, fin - q));
        }
        return {};
    }

    void Balise(std::string_view balise)
    {
        bool fermante = false;
        size_t i = 0;
        if (!balise.empty() && balise[0] == '/')
        {
            fermante = true;
            i = 1;
        }
        size_t fin = i;
        while (fin < balise.size() && std::isalnum(static_cast<unsigned char>(balise[fin])))
            ++fin;
        const std::string nom = LowerCase(balise.substr(i, fin - i));
        if (nom.empty())
            return;

        if (nom == "head" || nom == "style" || nom == "script")
        {
            ignore_ += fermante ? (ignore_ > 0 ? -1 : 0) : 1;
            return;
        }
        if (nom == "title")
        {
            dansTitre_ = !fermante;
            return;
        }
        if (ignore_)
            return;

        if (nom == "b" || nom == "strong" || nom == "dt" || nom == "th")
            gras_ += fermante ? (gras_ > 0 ? -1 : 0) : 1;
        else if (nom == "i" || nom == "em")
            italique_ += fermante ? (italique_ > 0 ? -1 : 0) : 1;
        else if (nom == "code" || nom == "kbd" || nom == "tt")
            code_ += fermante ? (code_ > 0 ? -1 : 0) : 1;

        if (nom == "a")
        {
            if (fermante)
                lien_ = -1;
            else
            {
                const std::string href = Attribut(balise, "href");
                if (!href.empty())
                {
                    page.Liens.push_back(href);
                    lien_ = static_cast<int>(page.Liens.size()) - 1;
                }
            }
        }
        else if (nom == "br")
        {
            Ajoute("\n");
            espaceEnAttente_ = false;
        }
        else if (nom == "hr")
        {
            OuvreBloc(TBlocHtml::Trait);
            blocOuvert_ = false;
        }
        else if (nom == "h1" || nom == "h2" || nom == "h3" || nom == "h4")
        {
            if (fermante)
                FermeBloc();
            else
                OuvreBloc(nom == "h1" ? TBlocHtml::Titre1 : nom == "h2" ? TBlocHtml::Titre2 : TBlocHtml::Titre3);
        }
        else if (nom == "ul" || nom == "ol")
        {
            FermeBloc();
            if (fermante)
            {
                if (!listes_.empty())
                    listes_.pop_back();
            }
            else
                listes_.push_back({nom == "ol", 0});
        }
        else if (nom == "li")
        {
            if (fermante)
                FermeBloc();
            else if (!listes_.empty() && listes_.back().numerotee)
                OuvreBloc(TBlocHtml::Numerote, ++listes_.back().compteur);
            else
                OuvreBloc(TBlocHtml::Puce);
        }
        else if (nom == "dd" || nom == "blockquote")
        {
            if (fermante)
            {
                FermeBloc();
                if (retrait_ > 0)
                    --retrait_;
            }
            else
            {
                ++retrait_;
                OuvreBloc(TBlocHtml::Paragraphe);
            }
        }
        else if (nom == "p" || nom == "div" || nom == "dt" || nom == "tr" || nom == "pre" || nom == "table"
                 || nom == "dl" || nom == "body")
        {
            if (fermante)
                FermeBloc();
            else
                OuvreBloc(TBlocHtml::Paragraphe);
        }
        else if ((nom == "td" || nom == "th") && !fermante && blocOuvert_)
            espaceEnAttente_ = true;
    }
};

}  // namespace

std::string DecodeEntitesHtml(std::string_view texte)
{
    std::string r;
    r.reserve(texte.size());
    for (size_t i = 0; i < texte.size(); ++i)
    {
        if (texte[i] != '&')
        {
            r += texte[i];
            continue;
        }
        const size_t fin = texte.find(';', i);
        if (fin == std::string_view::npos || fin - i > 10)
        {
            r += '&';
            continue;
        }
        const std::string_view nom = texte.substr(i + 1, fin - i - 1);
        bool trouve = false;
        if (!nom.empty() && nom[0] == '#')
        {
            const bool hexa = nom.size() > 1 && (nom[1] == 'x' || nom[1] == 'X');
            const int code = hexa ? StrToIntDef(std::string(1, '$').append(nom.substr(2)), -1)
                                  : StrToIntDef(nom.substr(1), -1);
            if (code > 0 && code < 256)
            {
                r += static_cast<char>(code);
                trouve = true;
            }
            else if (code >= 256)
            {
                // A character beyond Latin-1: through its UTF-8 form.
                std::string u;
                if (code < 0x800)
                {
                    u += static_cast<char>(0xC0 | (code >> 6));
                    u += static_cast<char>(0x80 | (code & 0x3F));
                }
                else if (code < 0x10000)
                {
                    u += static_cast<char>(0xE0 | (code >> 12));
                    u += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                    u += static_cast<char>(0x80 | (code & 0x3F));
                }
                r += Utf8ToCp1252(u);
                trouve = !u.empty();
            }
        }
        else
            for (const Entite& e : entites)
                if (nom == e.nom)
                {
                    r += static_cast<char>(e.car);
                    trouve = true;
                    break;
                }
        if (trouve)
            i = fin;
        else
            r += '&';
    }
    return r;
}

TPageHtml AnalyseHtml(std::string_view html)
{
    Analyseur a;
    a.Lance(html);
    a.page.Titre = Trim(a.page.Titre);
    return std::move(a.page);
}
