#include "model/ioXml.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/TextFile.h"

// ---------------------------------------------------------------------------
// Escapes

namespace {

// Whether the "#" at i of a text, written as it stands, would read back as
// the start of an escape: "##d" (d from 0 to 3) followed by a "#" or by one
// of the four characters, whose escape starts with a "#".
bool OuvreEchappement(std::string_view texte, size_t i)
{
    if (i + 3 >= texte.size() || texte[i + 1] != '#' || texte[i + 2] < '0' || texte[i + 2] > '3')
        return false;
    const char c = texte[i + 3];
    return c == '#' || c == '&' || c == '<' || c == '>' || c == '+';
}

}  // namespace

std::string EncodeTexteXml(std::string_view texte)
{
    std::string r;
    r.reserve(texte.size());
    for (size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        switch (c) {
        case '&': r += "##0#"; break;
        case '<': r += "##1#"; break;
        case '>': r += "##2#"; break;
        case '+': r += "##3#"; break;
        case '#':
            // Written as "##+#", a shape the escapes of the four characters
            // never make (they leave no "+" in a text).
            if (OuvreEchappement(texte, i))
                r += "##+#";
            else
                r += c;
            break;
        default: r += c;
        }
    }
    return r;
}

std::string SansEntitesQuotes(std::string_view texte)
{
    // The writer escapes "&" itself as "##0#": a raw "&" only starts an entity.
    std::string r;
    r.reserve(texte.size());
    for (size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '&' && texte.substr(i, 6) == "&quot;") {
            r += '"';
            i += 5;
        } else if (texte[i] == '&' && texte.substr(i, 6) == "&apos;") {
            r += '\'';
            i += 5;
        } else {
            r += texte[i];
        }
    }
    return r;
}

bool DecodeReferencesXml(std::string_view texte, std::string& sortie)
{
    static constexpr std::pair<std::string_view, char> entites[5] = {
        {"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}};
    if (!texte.empty() && std::memchr(texte.data(), '\0', texte.size()))
        return false;   // no document holds a NUL byte
    size_t i = 0;
    const size_t n = texte.size();
    while (i < n) {
        const size_t e = texte.find('&', i);
        if (e == std::string_view::npos) {
            sortie.append(texte.substr(i));
            break;
        }
        sortie.append(texte.substr(i, e - i));
        i = e + 1;
        if (i < n && texte[i] == '#') {
            // A character reference: decimal, or hexadecimal after "x".
            size_t k = i + 1;
            const bool hexa = k < n && texte[k] == 'x';
            if (hexa)
                ++k;
            const size_t chiffres = k;
            while (k < n && texte[k] == '0')
                ++k;
            const size_t significatifs = k;
            uint32_t u = 0;
            for (; k < n && k - significatifs < 8; ++k) {
                const char c = texte[k];
                uint32_t d;
                if (c >= '0' && c <= '9')
                    d = static_cast<uint32_t>(c - '0');
                else if (hexa && c >= 'a' && c <= 'f')
                    d = static_cast<uint32_t>(c - 'a' + 10);
                else if (hexa && c >= 'A' && c <= 'F')
                    d = static_cast<uint32_t>(c - 'A' + 10);
                else
                    break;
                u = u * (hexa ? 16 : 10) + d;
            }
            if (k == chiffres || k >= n || texte[k] != ';' || u == 0)
                return false;
            const int octet = UnicodeToCp1252(u);
            // Control characters other than the blanks are no XML characters.
            if (octet < 0 || (octet < 0x20 && octet != '\t' && octet != '\n' && octet != '\r'))
                return false;
            // A line break read from a reference is a blank, as one typed in
            // the file is: the program's texts are lines, and what it writes
            // must read back the same.
            sortie += octet == '\n' || octet == '\r' ? ' ' : static_cast<char>(octet);
            i = k + 1;
            continue;
        }
        bool fait = false;
        for (const auto& [nom, c] : entites)
            if (texte.substr(i, nom.size()) == nom) {
                sortie += c;
                i += nom.size();
                fait = true;
                break;
            }
        // A "&" that starts no reference (the writer never puts one: it
        // escapes its own), or an entity no document of ours declares.
        if (!fait)
            return false;
    }
    return true;
}

std::string DecodeTexteXml(std::string_view texte)
{
    static const char car[4] = {'&', '<', '>', '+'};
    if (texte.find("##") == std::string_view::npos)
        return std::string(texte);
    std::string r;
    r.reserve(texte.size());
    size_t i = 0;
    const size_t n = texte.size();
    while (i < n) {
        if (texte[i] == '#' && i + 3 < n && texte[i + 1] == '#' && texte[i + 3] == '#' &&
            ((texte[i + 2] >= '0' && texte[i + 2] <= '3') || texte[i + 2] == '+')) {
            r += texte[i + 2] == '+' ? '#' : car[texte[i + 2] - '0'];
            i += 4;
        } else {
            r += texte[i++];
        }
    }
    return r;
}

// ---------------------------------------------------------------------------
// Writer

namespace {

// The four characters the writer escapes, and "#", looked up at once.
constexpr auto TableEchappe = [] {
    std::array<bool, 256> t{};
    for (const char c : {'&', '<', '>', '+', '#'})
        t[static_cast<unsigned char>(c)] = true;
    return t;
}();

// Where the first character that may be escaped stands (npos: none): one of
// the four, or a "#" before another (which EncodeTexteXml looks at).
size_t PremierAEchapper(std::string_view texte)
{
    const size_t n = texte.size();
    for (size_t i = 0; i < n; ++i)
        if (TableEchappe[static_cast<unsigned char>(texte[i])] &&
            (texte[i] != '#' || (i + 1 < n && texte[i + 1] == '#')))
            return i;
    return std::string_view::npos;
}

// Writes a number in decimal at p; the end of it. Most numbers of a
// document (minutes, counters, marks) are below a hundred.
char* PoseNombre(char* p, int32_t valeur)
{
    if (static_cast<uint32_t>(valeur) < 10) {
        *p = static_cast<char>('0' + valeur);
        return p + 1;
    }
    if (static_cast<uint32_t>(valeur) < 100) {
        p[0] = static_cast<char>('0' + valeur / 10);
        p[1] = static_cast<char>('0' + valeur % 10);
        return p + 2;
    }
    return std::to_chars(p, p + 11, valeur).ptr;
}

char* Pose(char* p, std::string_view s)
{
    std::memcpy(p, s.data(), s.size());
    return p + s.size();
}

// A leaf's start tag "<nom>", and its end tag with the line break.
char* PoseOuvrante(char* p, std::string_view nom)
{
    *p++ = '<';
    p = Pose(p, nom);
    *p++ = '>';
    return p;
}

char* PoseFermante(char* p, std::string_view nom)
{
    p = Pose(p, "</");
    p = Pose(p, nom);
    return Pose(p, ">\r\n");
}

}  // namespace

TXmlWriter::TXmlWriter() = default;

TXmlWriter::TXmlWriter(const std::string& nomFichier)
    : fichier_(std::make_unique<TTextWriter>(nomFichier)), nomFichier_(nomFichier)
{
    EcritLigne(XmlDeclaration);
}

TXmlWriter::~TXmlWriter()
{
    // A derived writer has closed its elements already; here only the file
    // variant has anything left to write.
    if (fichier_) {
        try {
            FermeJusqua(0);
            LivreTout();
            fichier_->Close();
        } catch (const Exception&) {
            // A destructor cannot report; the file is incomplete.
        }
    }
}

void TXmlWriter::Agrandit(size_t n)
{
    sortie_.resize(std::max({sortie_.size() * 2, taille_ + n, size_t{4096}}));
}

void TXmlWriter::Livre(std::string_view lignes)
{
    if (fichier_)
        fichier_->Write(std::string(lignes));
}

void TXmlWriter::EcritLigne(std::string_view ligne, bool baliseAvant)
{
    if (baliseAvant)
        PoseBaliseEnAttente();
    char* p = Place(ligne.size() + 2);
    p = Pose(p, ligne);
    *p++ = '\r';
    *p++ = '\n';
    Avance(p);
    Vide();
}

void TXmlWriter::OuvreElement(std::string_view nom, std::string_view texte)
{
    PoseBaliseEnAttente();
    Vide();
    // The entries of closed elements are used again: their strings keep
    // their room, and opening an element allocates nothing as a rule.
    if (profondeur_ == pile_.size())
        pile_.emplace_back();
    Ouvert& o = pile_[profondeur_++];
    o.balise.resize(nom.size() + 1);
    o.balise[0] = '<';
    Pose(o.balise.data() + 1, nom);
    o.longueurNom = nom.size();
    if (texte.empty())
        o.texte.clear();
    else if (PremierAEchapper(texte) == std::string_view::npos)
        o.texte.assign(texte);
    else
        o.texte = EncodeTexteXml(texte);
    enAttente_ = true;
}

void TXmlWriter::AjouteAttribut(std::string_view nom, std::string_view valeur, bool force)
{
    if ((valeur.empty() && !force) || profondeur_ == 0)
        return;
    std::string& balise = pile_[profondeur_ - 1].balise;
    // The usual value: nothing to escape, no quote in it.
    const bool simple = PremierAEchapper(valeur) == std::string_view::npos && valeur.find('"') == std::string_view::npos;
    if (simple) {
        balise += ' ';
        balise += nom;
        balise += "=\"";
        balise += valeur;
        balise += '"';
        return;
    }
    const std::string v = EncodeTexteXml(valeur);
    // The reader ends a quoted value at its closing quote followed by a blank,
    // "/" or the end of the tag: choose the quote that cannot end it early.
    auto convient = [&v](char q) {
        for (size_t i = 0; i < v.size(); ++i)
            if (v[i] == q && (i + 1 == v.size() || v[i + 1] == ' ' || v[i + 1] == '/'))
                return false;
        return true;
    };
    char q = '"';
    if (v.find('"') != std::string::npos) {
        if (v.find('\'') == std::string::npos || (!convient('"') && convient('\'')))
            q = '\'';
    }
    // A value that holds both quotes in places where either would end it
    // early (a quote before a blank or a "/"): its double quotes become
    // entities, which the reader undoes.
    bool lisible = true;
    for (size_t i = 0; i + 1 < v.size(); ++i)
        if (v[i] == q && (v[i + 1] == ' ' || v[i + 1] == '/')) {
            lisible = false;
            break;
        }
    balise += ' ';
    balise += nom;
    balise += '=';
    if (lisible) {
        balise += q;
        balise += v;
        balise += q;
        return;
    }
    balise += '"';
    for (const char c : v) {
        if (c == '"')
            balise += "&quot;";
        else
            balise += c;
    }
    balise += '"';
}

void TXmlWriter::AjouteAttributEntier(std::string_view nom, int32_t valeur)
{
    if (profondeur_ == 0)
        return;
    std::string& balise = pile_[profondeur_ - 1].balise;
    // name="digits", made aside and added to the tag in one piece.
    char morceau[64];
    if (nom.size() > sizeof morceau - 16) {
        AjouteAttribut(nom, IntToStr(valeur), false);
        return;
    }
    char* p = morceau;
    *p++ = ' ';
    p = Pose(p, nom);
    *p++ = '=';
    *p++ = '"';
    p = PoseNombre(p, valeur);
    *p++ = '"';
    balise.append(morceau, static_cast<size_t>(p - morceau));
}

void TXmlWriter::EcritElement(std::string_view nom, std::string_view valeur, bool force)
{
    if (valeur.empty() && !force)
        return;
    PoseBaliseEnAttente();
    if (valeur.empty()) {
        char* p = Place(nom.size() + 6);
        *p++ = '<';
        p = Pose(p, nom);
        p = Pose(p, " />\r\n");
        Avance(p);
    } else {
        // Most texts hold none of the four characters and go as they stand.
        std::string code;
        if (PremierAEchapper(valeur) != std::string_view::npos) {
            code = EncodeTexteXml(valeur);
            valeur = code;
        }
        char* p = PoseOuvrante(Place(2 * nom.size() + valeur.size() + 7), nom);
        p = Pose(p, valeur);
        Avance(PoseFermante(p, nom));
    }
    Vide();
}

void TXmlWriter::EcritElementEntier(std::string_view nom, int32_t valeur)
{
    // A number needs no escapes: the line is made in place.
    PoseBaliseEnAttente();
    char* p = PoseOuvrante(Place(2 * nom.size() + 11 + 7), nom);
    p = PoseNombre(p, valeur);
    Avance(PoseFermante(p, nom));
    Vide();
}

void TXmlWriter::EcritElementBooleen(std::string_view nom, bool valeur)
{
    EcritElement(nom, valeur ? "1" : "0", false);
}

void TXmlWriter::EcritElementRapport(std::string_view nom, int32_t a, int32_t b)
{
    if (a < 1 && b < 1)
        return;
    PoseBaliseEnAttente();
    char* p = PoseOuvrante(Place(2 * nom.size() + 2 * 11 + 8), nom);
    p = PoseNombre(p, a);
    *p++ = '/';
    p = PoseNombre(p, b);
    Avance(PoseFermante(p, nom));
    Vide();
}

void TXmlWriter::PoseBaliseEnAttente()
{
    if (!enAttente_)
        return;
    enAttente_ = false;
    const Ouvert& o = pile_[profondeur_ - 1];
    char* p = Place(o.balise.size() + o.texte.size() + 3);
    p = Pose(p, o.balise);
    *p++ = '>';
    p = Pose(p, o.texte);
    *p++ = '\r';
    *p++ = '\n';
    Avance(p);
}

void TXmlWriter::EcritBaliseEnAttente()
{
    PoseBaliseEnAttente();
    Vide();
}

void TXmlWriter::FermeElement(std::string_view nom)
{
    for (size_t i = profondeur_; i-- > 0;) {
        if (pile_[i].Nom() == nom) {
            FermeJusqua(static_cast<int>(i));
            return;
        }
    }
    EcritBaliseEnAttente();
}

void TXmlWriter::FermeJusqua(int profondeur)
{
    if (profondeur < 0)
        profondeur = 0;
    // An element about to be closed has its start tag written first.
    if (static_cast<int>(profondeur_) <= profondeur)
        return;
    PoseBaliseEnAttente();
    while (static_cast<int>(profondeur_) > profondeur) {
        const std::string_view nom = pile_[profondeur_ - 1].Nom();
        char* p = Place(nom.size() + 5);
        p = Pose(p, "</");
        p = Pose(p, nom);
        p = Pose(p, ">\r\n");
        Avance(p);
        --profondeur_;
    }
    Vide();
}

// ---------------------------------------------------------------------------
// Memory stream writer

TXmlMemoryStreamWriter::TXmlMemoryStreamWriter(TMemoryStream* flux, bool avecDeclaration)
{
    if (!flux) {
        propre_ = std::make_unique<TMemoryStream>();
        flux = propre_.get();
    }
    flux_ = flux;
    if (avecDeclaration)
        EcritLigne(XmlDeclaration);
}

TXmlMemoryStreamWriter::~TXmlMemoryStreamWriter()
{
    try {
        FermeJusqua(0);
    } catch (const Exception&) {
    }
    try {
        LivreTout();
    } catch (const Exception&) {
    }
    if (!propre_)
        flux_->SetPosition(0);
}

void TXmlMemoryStreamWriter::Livre(std::string_view lignes)
{
    flux_->Append(lignes.data(), lignes.size());
}

// ---------------------------------------------------------------------------
// Numbers and blanks

int32_t EntierXmlGeneral(std::string_view texte, int32_t defaut)
{
    return StrToIntDef(texte, defaut);
}

namespace {

// A decimal whole number (a sign before it, blanks around it) that fits in
// 63 bits; false for anything else, an empty text included. Decimal only:
// "x15" or "$F" are no numbers the program writes.
bool EntierXmlLu64(std::string_view texte, int64_t& v)
{
    texte = SansBlancs(texte);
    size_t i = !texte.empty() && (texte[0] == '-' || texte[0] == '+') ? 1 : 0;
    if (i == texte.size())
        return false;
    while (i + 1 < texte.size() && texte[i] == '0')
        ++i;
    if (texte.size() - i > 18)
        return false;
    int64_t x = 0;
    for (; i < texte.size(); ++i) {
        const unsigned d = static_cast<unsigned char>(texte[i]) - static_cast<unsigned>('0');
        if (d > 9)
            return false;
        x = x * 10 + d;
    }
    v = texte[0] == '-' ? -x : x;
    return true;
}

}   // namespace

bool EntierXmlLu(std::string_view texte, int32_t& v)
{
    if (SansBlancs(texte).empty())
        return true;
    int64_t x = 0;
    if (!EntierXmlLu64(texte, x) || x < INT32_MIN || x > INT32_MAX)
        return false;
    v = static_cast<int32_t>(x);
    return true;
}

// ---------------------------------------------------------------------------
// Reader

TXmlReader::TXmlReader() = default;

TXmlReader::TXmlReader(const std::string& nomFichier)
    : fichier_(std::make_unique<TTextReader>(nomFichier)), nomFichier_(nomFichier)
{
}

TXmlReader::~TXmlReader() = default;

void TXmlReader::Complete(std::string_view suite)
{
    if (pos_ > 0) {
        const size_t n = std::min(pos_, tampon_.size());
        lignesAvant_ += static_cast<int>(std::count(tampon_.begin(), tampon_.begin() + static_cast<ptrdiff_t>(n), '\n'));
        debutBalise_ = debutBalise_ > n ? debutBalise_ - n : 0;
        tampon_.erase(0, n);
        pos_ = 0;
    }
    // A byte-order mark, as some editors put, is no part of the document.
    if (premier_) {
        premier_ = false;
        if (suite.starts_with(MarqueOrdreOctets))
            suite.remove_prefix(MarqueOrdreOctets.size());
    }
    tampon_ += suite;
    donnees_ = tampon_.data();
    taille_ = tampon_.size();
}

void TXmlReader::LitEnPlace(const char* donnees, size_t taille)
{
    tampon_.clear();
    donnees_ = donnees;
    taille_ = donnees ? taille : 0;
    pos_ = 0;
    enPlace_ = true;
    premier_ = false;
    if (std::string_view(donnees_ ? donnees_ : "", taille_).starts_with(MarqueOrdreOctets))
        pos_ = MarqueOrdreOctets.size();
}

bool TXmlReader::LitLigne()
{
    if (!fichier_)
        return false;
    std::string ligne;
    if (!fichier_->ReadLine(ligne))
        return false;
    if (premier_ && std::string_view(ligne).starts_with(MarqueOrdreOctets))
        ligne.erase(0, MarqueOrdreOctets.size());
    ligne.insert(ligne.begin(), ' ');
    Complete(ligne);
    return true;
}

// Looks for c at or after position ou, refilling the buffer as needed (a refill
// moves the unread part to the start: ou and pos_ shift with it). On success ou
// is the position of c.
bool TXmlReader::ChercheApres(char c, size_t& ou)
{
    size_t depuis = ou;
    for (;;) {
        if (depuis < taille_) {
            // Usually a few bytes away: looked at in place before the search.
            const size_t court = std::min(taille_, depuis + 32);
            size_t k = depuis;
            while (k < court && donnees_[k] != c)
                ++k;
            if (k < court) {
                ou = k;
                return true;
            }
            if (const void* p = std::memchr(donnees_ + court, c, taille_ - court)) {
                ou = static_cast<size_t>(static_cast<const char*>(p) - donnees_);
                return true;
            }
        }
        if (enPlace_)
            return false;
        const size_t decalage = pos_;
        const size_t fin = taille_;
        if (!LitLigne())
            return false;
        // Everything before fin has been searched already.
        depuis = fin - decalage;
        ou -= decalage;
    }
}

namespace {

// The position of the first byte equal to a or b in [i, n) of d; n when there
// is none. Eight bytes at a time: a byte equal to a (or b) is a zero byte of
// x ^ aaaaaaaa, and the lowest byte flagged by (y - 0x01..) & ~y & 0x80.. is
// the first zero byte of y (a borrow only flags bytes above a zero one).
[[gnu::always_inline]] inline size_t PremierDe(const char* d, size_t i, size_t n, char a, char b)
{
    constexpr uint64_t uns = 0x0101010101010101ull;
    constexpr uint64_t hauts = 0x8080808080808080ull;
    const uint64_t ma = uns * static_cast<unsigned char>(a);
    const uint64_t mb = uns * static_cast<unsigned char>(b);
    while (n - i >= 8) {
        uint64_t x;
        std::memcpy(&x, d + i, 8);
        const uint64_t xa = x ^ ma;
        const uint64_t xb = x ^ mb;
        const uint64_t z = ((xa - uns) & ~xa & hauts) | ((xb - uns) & ~xb & hauts);
        if (z)
            return i + static_cast<size_t>(__builtin_ctzll(z) >> 3);
        i += 8;
    }
    while (i < n && d[i] != a && d[i] != b)
        ++i;
    return i;
}

// Bytes that may stand between tags: the blank and the control characters
// (line breaks, tabulations), a NUL byte aside (no document holds one).
inline bool Blancs(const char* d, size_t i, size_t n)
{
    for (; i < n; ++i)
        if (static_cast<unsigned>(static_cast<unsigned char>(d[i])) - 1u >= 0x20u)
            return false;
    return true;
}

// A name starts with a letter, "_", ":" or a byte of a non-ASCII character.
constexpr auto TableDebutNom = [] {
    std::array<bool, 256> t{};
    for (int u = 0; u < 256; ++u)
        t[static_cast<size_t>(u)] = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == ':' || u >= 0x80;
    return t;
}();

inline bool DebutNom(char c)
{
    return TableDebutNom[static_cast<unsigned char>(c)];
}

// The rest of a name: those, digits, "." and "-".
constexpr auto TableNom = [] {
    std::array<bool, 256> t = TableDebutNom;
    for (int u = '0'; u <= '9'; ++u)
        t[static_cast<size_t>(u)] = true;
    t['.'] = t['-'] = true;
    return t;
}();

inline bool CarNom(char c)
{
    return TableNom[static_cast<unsigned char>(c)];
}

// Whether a name read (an attribute's) can be one.
inline bool NomValide(std::string_view nom)
{
    if (nom.empty() || !DebutNom(nom[0]))
        return false;
    for (size_t i = 1; i < nom.size(); ++i)
        if (!CarNom(nom[i]))
            return false;
    return true;
}

}   // namespace

int TXmlReader::Ligne(size_t pos) const
{
    if (fichier_ || !donnees_)
        return 0;
    pos = std::min(pos, taille_);
    return 1 + lignesAvant_ + static_cast<int>(std::count(donnees_, donnees_ + pos, '\n'));
}

void TXmlReader::Endommage(std::string_view element, const char* ou)
{
    if (malforme_)
        return;
    elementRefuse_.assign(element.empty() ? nomVue_ : element);
    const bool dedans = ou && donnees_ && ou >= donnees_ && ou <= donnees_ + taille_;
    ligneRefus_ = Ligne(dedans ? static_cast<size_t>(ou - donnees_) : debutBalise_);
    Refuse();
}

int32_t TXmlReader::NombreGeneral(std::string_view texte, std::string_view element, int32_t defaut, int32_t bas,
                                  int32_t haut, const char* ou)
{
    if (souples_)
        return EntierXmlGeneral(SansBlancs(texte), defaut);
    if (SansBlancs(texte).empty())
        return defaut;
    int32_t v = 0;
    if (!EntierXmlLu(texte, v) || v < bas || v > haut) {
        Endommage(element, ou ? ou : texte.data());
        return defaut;
    }
    return v;
}

int64_t TXmlReader::LitGeneral(const TChampXml& c, std::string_view texte, int64_t defaut, const char* ou)
{
    if (souples_)
        return EntierXmlGeneral(SansBlancs(texte), static_cast<int32_t>(defaut));
    if (SansBlancs(texte).empty())
        return defaut;
    int64_t v = 0;
    const bool lu = EntierXmlLu64(texte, v) && c.Admet(v);
    if (lu && (c.renvoi == TRenvoiXml::Rien || Renvoie(c, static_cast<int32_t>(v))))
        return v;
    if (!lu || !c.ote)
        Endommage(ElementDe(c), ou ? ou : texte.data());
    return defaut;
}

bool TXmlReader::LitPaire(const TChampXml& c, std::string_view texte, int32_t& a, int32_t& b, const char* ou)
{
    a = b = 0;
    if (SansBlancs(texte).empty())
        return true;
    const size_t barre = texte.find('/');
    const std::string_view gauche = texte.substr(0, barre);
    const std::string_view droite = barre == std::string_view::npos ? std::string_view() : texte.substr(barre + 1);
    // Both halves, each a number the field holds.
    if (barre == std::string_view::npos || SansBlancs(gauche).empty() || SansBlancs(droite).empty()) {
        if (!souples_)
            Endommage(ElementDe(c), ou ? ou : texte.data());
        return souples_;
    }
    const bool avant = malforme_;
    a = Lit(c, gauche, 0, ou);
    b = Lit(c, droite, 0, ou);
    return malforme_ == avant;
}

std::vector<int32_t> TXmlReader::LitListe(const TChampXml& c, std::string_view texte, int32_t defaut)
{
    std::vector<int32_t> v;
    size_t debut = 0;
    while (debut <= texte.size()) {
        size_t fin = texte.find('-', debut);
        if (fin == std::string_view::npos)
            fin = texte.size();
        v.push_back(Lit(c, texte.substr(debut, fin - debut), defaut));
        debut = fin + 1;
    }
    return v;
}

void TRenvoisXml::Ajoute(TRenvoiXml r, int32_t v)
{
    TListe& l = Liste(r);
    const auto u = static_cast<uint32_t>(v);
    // Numbers are given from 0 upwards: the usual ones in a table of bits.
    if (u < (1u << 24)) {
        if (u / 64 >= l.bits.size())
            l.bits.resize(std::max<size_t>(u / 64 + 1, 2 * l.bits.size()), 0);
        l.bits[u / 64] |= uint64_t{1} << (u % 64);
    } else {
        l.autres.push_back(v);
    }
}

bool TRenvoisXml::ConnuAutre(const TListe& l, int32_t v)
{
    return std::find(l.autres.begin(), l.autres.end(), v) != l.autres.end();
}

uint8_t TXmlReader::Refuse()
{
    // Where: the element being read (else the innermost open one), at the
    // read position; unless a reader of the data said it.
    if (!malforme_ && elementRefuse_.empty()) {
        if (!nomVue_.empty())
            elementRefuse_.assign(nomVue_);
        else if (!ouverts_.empty())
            elementRefuse_.assign(enPlace_ ? ouverts_.back() : std::string_view(noms_[ouverts_.size() - 1]));
        ligneRefus_ = Ligne(pos_);
    }
    // Nothing is left to read: every later token is the end of input.
    malforme_ = true;
    enPlace_ = true;
    taille_ = 0;
    pos_ = 0;
    return xmlFinFlux;
}

bool TXmlReader::Ouvre(std::string_view nom)
{
    const size_t n = ouverts_.size();
    if (n >= MaxProfondeur)
        return false;
    if (enPlace_) {
        ouverts_.push_back(nom);
    } else {
        if (noms_.size() <= n)
            noms_.resize(n + 1);
        noms_[n].assign(nom);
        ouverts_.emplace_back();
    }
    return true;
}

bool TXmlReader::Ferme(std::string_view nom)
{
    if (ouverts_.empty())
        return false;
    const std::string_view haut = enPlace_ ? ouverts_.back() : std::string_view(noms_[ouverts_.size() - 1]);
    if (nom.size() != haut.size()) {
        // Blanks may follow the name.
        while (nom.size() > haut.size() && static_cast<unsigned char>(nom.back()) <= 0x20)
            nom.remove_suffix(1);
        if (nom.size() != haut.size())
            return false;
    }
    if (!MemesNomsXml(nom, haut))
        return false;
    ouverts_.pop_back();
    return true;
}

bool TXmlReader::ResteBlanc()
{
    if (malforme_)
        return false;
    for (;;) {
        if (!Blancs(donnees_, pos_, taille_))
            return false;
        pos_ = taille_;
        if (enPlace_ || !LitLigne())
            return true;
    }
}

namespace {

// The blanks of XML: where a tag may have one, it may have any of them.
inline bool Blanc(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}   // namespace

bool TXmlReader::Assure(size_t n)
{
    while (taille_ - pos_ < n)
        if (enPlace_ || !LitLigne())
            return false;
    return true;
}

bool TXmlReader::CherchePasse(size_t depuis, std::string_view avant, size_t& k)
{
    // Positions move with a refill, each by the same amount as pos_.
    const size_t ecart = depuis - pos_;
    k = depuis;
    for (;;) {
        if (!ChercheApres('>', k))
            return false;
        if (k >= pos_ + ecart + avant.size() &&
            std::memcmp(donnees_ + k - avant.size(), avant.data(), avant.size()) == 0)
            return true;
        ++k;
    }
}

uint8_t TXmlReader::LitSpeciaux(std::string& texte)
{
    for (;;) {
        if (!Assure(2))
            return FinFlux();
        const char c = donnees_[pos_ + 1];
        size_t k = 0;
        if (c == '?') {
            if (!CherchePasse(pos_ + 2, "?", k))
                return FinFlux();
        } else if (c == '!') {
            if (!Assure(4))
                return FinFlux();
            if (donnees_[pos_ + 2] == '-' && donnees_[pos_ + 3] == '-') {
                if (!CherchePasse(pos_ + 4, "--", k))
                    return FinFlux();
            } else {
                if (!Assure(9))
                    return FinFlux();
                if (std::memcmp(donnees_ + pos_, "<![CDATA[", 9) != 0)
                    return Refuse();   // a declaration inside an element
                if (!CherchePasse(pos_ + 9, "]]", k))
                    return FinFlux();
                const std::string_view section(donnees_ + pos_ + 9, k - 2 - (pos_ + 9));
                if (std::memchr(section.data(), '\0', section.size()))
                    return Refuse();   // no document holds a NUL byte, in a CDATA section neither
                texte.append(section);
            }
        } else {
            return xmlDebut;   // a tag
        }
        pos_ = k + 1;
        // The text up to the next "<".
        size_t ouvrant = pos_;
        if (!ChercheApres('<', ouvrant))
            return FinFlux();
        if (!DecodeReferencesXml(std::string_view(donnees_ + pos_, ouvrant - pos_), texte))
            return Refuse();
        pos_ = ouvrant;
    }
}

uint8_t TXmlReader::ElementSuivant()
{
    for (;;) {
        std::string_view balise;
        size_t blanc = std::string_view::npos;   // the first blank of the tag
        bool rapide = false;   // the tag found by the short path below (blanc known)
        size_t sup = pos_;
        // Read in place, tags usually follow each other with only a line break
        // between: the "<" is found by looking at a few bytes, the name and the
        // ">" in one pass. The outcome is that of the general search below.
        const size_t court = std::min(taille_, pos_ + 16);
        size_t inf = court;
        if (enPlace_) {
            if (pos_ + 2 < taille_ && donnees_[pos_] == '\r' && donnees_[pos_ + 1] == '\n' &&
                donnees_[pos_ + 2] == '<')
                inf = pos_ + 2;   // the writer's line break
            else
                inf = PremierDe(donnees_, pos_, court, '<', '>');
        }
        if (inf < court) {
            if (donnees_[inf] == '>' || !Blancs(donnees_, pos_, inf))
                return Refuse();   // text where a tag must be
            const size_t k = PremierDe(donnees_, inf + 1, taille_, '>', ' ');
            if (k >= taille_)
                return FinFlux();
            if (donnees_[k] == ' ') {
                blanc = k - inf - 1;
                sup = PremierDe(donnees_, k, taille_, '>', '>');
                if (sup >= taille_)
                    return FinFlux();
            } else {
                sup = k;
            }
            balise = std::string_view(donnees_ + inf + 1, sup - inf - 1);
            debutBalise_ = inf;
            rapide = true;
        } else {
            // 1. A ">" at or after the read position.
            if (!ChercheApres('>', sup))
                return FinFlux();
        }
        // 2. The tag text runs from the first "<" to that ">".
        if (rapide) {
            // Found above.
        } else if (const void* p = std::memchr(donnees_ + pos_, '<', sup - pos_)) {
            const size_t debut = static_cast<size_t>(static_cast<const char*>(p) - donnees_);
            if (!Blancs(donnees_, pos_, debut))
                return Refuse();
            balise = std::string_view(donnees_ + debut + 1, sup - debut - 1);
            debutBalise_ = debut;
            // A refill may move the input: a start tag, whose attributes stay
            // readable until the next start tag, keeps a copy of its own.
            if (!enPlace_ && !balise.empty() && balise[0] != '/' && balise[0] != '?' && balise[0] != '!') {
                // The last start tag's name and attributes look into the
                // copy about to be replaced: the name keeps a copy of its
                // own (a refusal names it), the attributes go with their tag.
                if (nomEnEntree_)
                    NommeCopie(std::string(nomVue_));
                attributs_.clear();
                balise_.assign(balise);
                balise = balise_;
            }
        } else {
            return Refuse();   // a ">" without its "<"
        }
        pos_ = sup + 1;
        // 3. Nothing between: malformed.
        if (balise.empty())
            return Refuse();
        // 4. End tag: it closes the innermost open element.
        if (balise[0] == '/') {
            if (!Ferme(balise.substr(1)))
                return Refuse();
            NommeCopie({});
            return xmlFin;
        }
        // 5. The declaration; any other processing instruction is passed, as
        // a comment is, and a CDATA section of blanks only (text where a tag
        // must be otherwise). The tag is a view into the input: its "<" is
        // right before it.
        if (balise[0] == '?' || balise[0] == '!') {
            const size_t ouvrant = static_cast<size_t>(balise.data() - donnees_) - 1;
            size_t k = 0;
            if (balise[0] == '?') {
                if (balise.size() >= 4 && SameText(balise.substr(1, 3), "xml") &&
                    (balise.size() == 4 || Blanc(balise[4]) || balise[4] == '?')) {
                    NommeCopie("xml");
                    return xmlComplet;
                }
                pos_ = ouvrant;
                if (!CherchePasse(pos_ + 2, "?", k))
                    return FinFlux();
            } else if (balise.starts_with("!--")) {
                pos_ = ouvrant;
                if (!CherchePasse(pos_ + 4, "--", k))
                    return FinFlux();
            } else if (balise.starts_with("![CDATA[")) {
                pos_ = ouvrant;
                if (!CherchePasse(pos_ + 9, "]]", k))
                    return FinFlux();
                if (!Blancs(donnees_, pos_ + 9, k - 2))
                    return Refuse();
            } else if (balise.starts_with("!DOCTYPE")) {
                // 6. DOCTYPE: its name.
                const std::string reste = Trim(balise.substr(8));
                const size_t b = reste.find(' ');
                NommeCopie(b == std::string::npos ? std::string_view(reste) : std::string_view(reste).substr(0, b));
                return xmlComplet;
            } else {
                continue;   // another declaration, passed
            }
            pos_ = k + 1;
            continue;
        }
        // 7. Start tag: the name, then the attributes.
        if (!DebutNom(balise[0]))
            return Refuse();
        {
            // The name ends at the first blank, which may be a tabulation or a
            // line break.
            const size_t n = rapide && blanc != std::string_view::npos ? blanc : balise.size();
            if (!rapide)
                blanc = std::string_view::npos;
            for (size_t i = 1; i < n; ++i) {
                const char c = balise[i];
                if (CarNom(c))
                    continue;
                if (Blanc(c)) {
                    blanc = i;
                    break;
                }
                if (c != '/' || i + 1 != balise.size())   // "<n/>"
                    return Refuse();
            }
        }
        bool barre = false;
        std::string_view nom = balise;
        if (blanc == std::string_view::npos) {
            barre = balise.back() == '/';
            nom.remove_suffix(barre ? 1 : 0);
            Nomme(nom);
            attributs_.clear();
        } else {
            nom = balise.substr(0, blanc);
            Nomme(nom);
            if (!LitAttributs(balise, blanc, barre))
                return Refuse();
        }
        texte_ = {};
        if (barre)
            return xmlComplet;
        // 8. What follows: children, text, or the end tag at once. A refilled
        // input first takes in what the blanks below may need (read in place,
        // the searches that follow answer the same).
        size_t p = pos_;
        if (!enPlace_ && !ChercheApres('>', p))
            return FinFlux();
        const size_t avantBlancs = pos_;
        while (pos_ < taille_ && donnees_[pos_] == ' ')
            ++pos_;
        if (pos_ >= taille_)
            return FinFlux();
        size_t ouvrant = pos_;
        // A text holding a reference, or followed by a comment, a processing
        // instruction or a CDATA section, is put together below.
        bool compose = false;
        if (gardeBlancs_ && pos_ > avantBlancs && donnees_[pos_] == '<' && pos_ + 1 < taille_ &&
            donnees_[pos_ + 1] == '/') {
            // A text of blanks only.
            texte_ = std::string_view(donnees_ + avantBlancs, pos_ - avantBlancs);
            if (!enPlace_) {
                texteCopie_.assign(texte_);
                texte_ = texteCopie_;
            }
        } else if (donnees_[pos_] != '<') {
            // A text keeps its blanks where the reader is asked to.
            if (gardeBlancs_)
                pos_ = avantBlancs;
            // A text, up to the next "<" (which may still be to read); a short
            // one is looked at byte by byte.
            const size_t limite = std::min(taille_, pos_ + 16);
            ouvrant = PremierDe(donnees_, pos_, limite, '<', '\0');
            if (ouvrant < limite && donnees_[ouvrant] == '\0')
                return Refuse();   // no document holds a NUL byte
            const bool long_ = ouvrant == limite;
            if (long_ && !ChercheApres('<', ouvrant))
                return FinFlux();
            texte_ = std::string_view(donnees_ + pos_, ouvrant - pos_);
            if (long_ && std::memchr(texte_.data(), '\0', texte_.size()))
                return Refuse();
            compose = std::memchr(texte_.data(), '&', texte_.size()) != nullptr;
            if (!enPlace_) {
                texteCopie_.assign(texte_);
                texte_ = texteCopie_;
            }
            pos_ = ouvrant;
        }
        // The "<" and the ">" closing its tag must be in the buffer to decide.
        // The usual "</name>" right there is recognised without a search (the
        // name holds no ">", so its ">" is the first one).
        const size_t n = nom.size();
        if (!compose && ouvrant + n + 2 < taille_ && donnees_[ouvrant + 1] == '/' &&
            donnees_[ouvrant + n + 2] == '>' && MemesNomsXml(std::string_view(donnees_ + ouvrant + 2, n), nom)) {
            pos_ = ouvrant + n + 3;
            return xmlComplet;
        }
        size_t ferme = ouvrant;
        if (!ChercheApres('>', ferme))
            return FinFlux();
        ouvrant = pos_;
        if (compose || donnees_[ouvrant + 1] == '!' || donnees_[ouvrant + 1] == '?') {
            std::string t;
            if (!DecodeReferencesXml(texte_, t))
                return Refuse();
            const uint8_t r = LitSpeciaux(t);
            if (r != xmlDebut)
                return r;
            // As any text, it loses its leading blanks, unless they are kept.
            const size_t b = gardeBlancs_ ? 0 : t.find_first_not_of(' ');
            texteCopie_.assign(t, b == std::string::npos ? t.size() : b);
            texte_ = texteCopie_;
            ferme = pos_;
            if (!ChercheApres('>', ferme))
                return FinFlux();
            ouvrant = pos_;
        }
        if (donnees_[ouvrant + 1] == '/') {
            // The end tag must be this element's.
            std::string_view fin(donnees_ + ouvrant + 2, ferme - ouvrant - 2);
            while (!fin.empty() && static_cast<unsigned char>(fin.back()) <= 0x20)
                fin.remove_suffix(1);
            if (fin != nom)
                return Refuse();
            pos_ = ferme + 1;
            return xmlComplet;
        }
        if (!Ouvre(nom))
            return Refuse();
        return xmlDebut;
    }
}

int TXmlReader::FeuillesEnPlace(std::span<TFeuilleXml> feuilles)
{
    if (!enPlace_ || malforme_ || ouverts_.empty())
        return -1;
    const std::string_view parent = ouverts_.back();
    const char* d = donnees_;
    const size_t n = taille_;
    size_t p = pos_;
    size_t nb = 0;
    // Each step is what ElementSuivant does on the same bytes, for the shapes
    // taken here; any other shape is left to it.
    for (;;) {
        // The writer's line break, or none (the start tag's text took it).
        if (p + 1 < n && d[p] == '\r' && d[p + 1] == '\n')
            p += 2;
        if (p + 1 >= n || d[p] != '<')
            return -1;
        ++p;
        if (d[p] == '/') {
            // The element's end tag, its name right there.
            const size_t m = parent.size();
            if (n - p < m + 2 || d[p + 1 + m] != '>' || !MemesNomsXml(std::string_view(d + p + 1, m), parent))
                return -1;
            pos_ = p + m + 2;
            ouverts_.pop_back();
            NommeCopie({});
            if (nb > 0) {
                attributs_.clear();
                texte_ = feuilles[nb - 1].Texte();
            }
            return static_cast<int>(nb);
        }
        // A leaf: its name up to ">" (no attribute, not "<name/>", no blank
        // of any kind before the ">"), its text up to "<" (not starting with
        // a blank), its end tag right there.
        size_t fin = p;
        while (fin < n && CarNom(d[fin]))
            ++fin;
        if (fin >= n || d[fin] != '>' || fin == p || !DebutNom(d[p]) || d[fin - 1] == '/' || nb == feuilles.size())
            return -1;
        const size_t m = fin - p;
        const size_t texte = fin + 1;
        if (texte < n && d[texte] == ' ')
            return -1;
        // Texts are short: looked at byte by byte, noting a "#" on the way.
        size_t ouvrant = texte;
        bool diese = false;
        bool esperluette = false;
        while (ouvrant < n && d[ouvrant] != '<') {
            diese |= d[ouvrant] == '#';
            esperluette |= d[ouvrant] == '&' || d[ouvrant] == '\0';
            ++ouvrant;
        }
        if (esperluette)
            return -1;   // a reference (or a NUL byte), left to the general path
        if (n - ouvrant < m + 3 || d[ouvrant + 1] != '/' || d[ouvrant + 2 + m] != '>' ||
            !MemesNomsXml(std::string_view(d + ouvrant + 2, m), std::string_view(d + p, m)))
            return -1;
        feuilles[nb++] = {d + p, d + texte, static_cast<uint32_t>(m), static_cast<uint32_t>(ouvrant - texte), diese};
        p = ouvrant + m + 3;
    }
}

bool TXmlReader::ElementSimple(std::string_view nom, std::span<const TChampXml* const> attributs,
                               std::span<int32_t> valeurs, uint8_t& jeton)
{
    constexpr size_t maxAttributs = 8;
    if (!enPlace_ || malforme_ || ouverts_.size() >= MaxProfondeur || valeurs.size() < attributs.size() ||
        attributs.size() > maxAttributs)
        return false;
    const char* d = donnees_;
    const size_t n = taille_;
    // The line break before the tag: the writer's, or a bare one.
    size_t p = pos_;
    if (p + 1 < n && d[p] == '\r' && d[p + 1] == '\n')
        p += 2;
    else if (p < n && d[p] == '\n')
        ++p;
    const size_t m = nom.size();
    if (n - p < m + 3 || d[p] != '<' || (d[p + 1 + m] != ' ' && d[p + 1 + m] != '>') ||
        !MemesNomsXml(std::string_view(d + p + 1, m), nom))
        return false;
    const size_t debutNom = p + 1;
    p += m + 1;
    // ' name="digits"' for each attribute written, in the order of the names;
    // where each name and number stands is kept until the tag is taken.
    struct Lu
    {
        size_t rang, nom, chiffres, nbChiffres;
        int32_t valeur;
    } lus[maxAttributs];
    size_t nbLus = 0, suivant = 0;
    while (p < n && d[p] == ' ') {
        ++p;
        size_t a = suivant;
        for (; a < attributs.size(); ++a) {
            const std::string_view att = attributs[a]->nom;
            if (n - p >= att.size() + 3 && d[p + att.size()] == '=' && d[p + att.size() + 1] == '"' &&
                MemesNomsXml(std::string_view(d + p, att.size()), att))
                break;
        }
        if (a == attributs.size())
            return false;
        suivant = a + 1;
        Lu& l = lus[nbLus++];
        l.rang = a;
        l.nom = p;
        p += attributs[a]->nom.size() + 2;
        l.chiffres = p;
        int32_t x = 0;
        // At most nine digits: the value fits, as the general path reads it.
        while (p < n && p - l.chiffres < 9 && static_cast<unsigned>(d[p] - '0') <= 9)
            x = x * 10 + (d[p++] - '0');
        // A number its field cannot hold is left to the general path, which
        // refuses it where it stands.
        if (p == l.chiffres || p >= n || d[p] != '"' || !attributs[a]->Admet(x) || !Renvoie(*attributs[a], x))
            return false;
        l.nbChiffres = p - l.chiffres;
        l.valeur = x;
        ++p;
    }
    if (p >= n || d[p] != '>')
        return false;
    ++p;
    // What follows: on the next line (or right there) a child, whose name and
    // ">" are in the input, or the element's own end tag; anything else (a
    // text, another end tag) is left to the general path.
    const size_t texte = p;
    if (p + 1 < n && d[p] == '\r' && d[p + 1] == '\n')
        p += 2;
    else if (p < n && d[p] == '\n')
        ++p;
    if (p + 1 >= n || d[p] != '<')
        return false;
    const std::string_view vue(d + debutNom, m);
    if (d[p + 1] == '/') {
        if (n - p < m + 3 || d[p + 2 + m] != '>' || !MemesNomsXml(std::string_view(d + p + 2, m), nom))
            return false;
        jeton = xmlComplet;
    } else {
        if (!DebutNom(d[p + 1]))
            return false;
        const size_t court = std::min(n, p + 32);
        if (PremierDe(d, p + 1, court, '>', '>') == court && !std::memchr(d + court, '>', n - court))
            return false;
        jeton = xmlDebut;
    }
    attributs_.clear();
    for (size_t k = 0; k < nbLus; ++k) {
        const Lu& l = lus[k];
        attributs_.emplace_back(std::string_view(d + l.nom, attributs[l.rang]->nom.size()),
                                std::string_view(d + l.chiffres, l.nbChiffres));
        valeurs[l.rang] = l.valeur;
    }
    Nomme(vue);
    debutBalise_ = debutNom - 1;
    texte_ = p == texte ? std::string_view() : std::string_view(d + texte, p - texte);
    if (jeton == xmlDebut) {
        pos_ = p;
        ouverts_.push_back(vue);
    } else {
        pos_ = p + m + 3;
    }
    return true;
}

// The attributes of a start tag, from position debut (the blank after the
// name); false when an attribute's name cannot be one or there are more
// attributes than the limit. Each byte is looked at a bounded number of
// times: a quote without its closing quote is searched for once, not again
// for every attribute after it.
bool TXmlReader::LitAttributs(std::string_view s, size_t i, bool& barre)
{
    attributs_.clear();
    valeursDecodees_.clear();
    const size_t n = s.size();
    // From these positions on, no quote of that kind closes a value.
    size_t sansFinDouble = n, sansFinSimple = n;
    while (i < n) {
        if (s[i] == '/')
            break;
        while (i < n && Blanc(s[i]))
            ++i;
        size_t egal = i;
        while (egal < n && s[egal] != '=')
            ++egal;
        if (egal == n) {
            // What is left may only be the "/" of an empty element.
            if (i < n && (s[i] != '/' || i + 1 < n))
                return false;
            break;
        }
        if (attributs_.size() >= MaxAttributs)
            return false;
        // Blanks may stand before "=" as after it.
        size_t finNom = egal;
        while (finNom > i && Blanc(s[finNom - 1]))
            --finNom;
        const std::string_view nom(s.data() + i, finNom - i);
        // An attribute without a value puts a blank into the next one's name.
        if (!NomValide(nom))
            return false;
        i = egal + 1;
        while (i < n && Blanc(s[i]))
            ++i;
        std::string_view valeur;
        bool fait = false;
        if (i < n && (s[i] == '"' || s[i] == '\'')) {
            // A quoted value ends at its quote followed by a blank, "/" or the
            // end of the tag.
            const char q = s[i];
            if (i < (q == '"' ? sansFinDouble : sansFinSimple)) {
                for (size_t k = i + 1; k < n; ++k) {
                    if (s[k] == q && (k + 1 == n || Blanc(s[k + 1]) || s[k + 1] == '/')) {
                        valeur = std::string_view(s.data() + i + 1, k - i - 1);
                        i = k + 1;
                        fait = true;
                        break;
                    }
                }
                if (!fait)
                    (q == '"' ? sansFinDouble : sansFinSimple) = i;
            }
        }
        if (!fait) {
            // Up to the next blank outside quotes.
            const size_t debut = i;
            char q = 0;
            while (i < n) {
                const char c = s[i];
                if (q) {
                    if (c == q)
                        q = 0;
                } else if (Blanc(c)) {
                    break;
                } else if (c == '"' || c == '\'') {
                    q = c;
                }
                ++i;
            }
            valeur = s.substr(debut, i - debut);
            if (!valeur.empty() && (valeur[0] == '"' || valeur[0] == '\''))
                valeur = valeur.size() >= 2 ? valeur.substr(1, valeur.size() - 2) : std::string_view();
        }
        // No "<" in a value, and no NUL byte anywhere.
        if (PremierDe(valeur.data(), 0, valeur.size(), '<', '\0') != valeur.size())
            return false;
        if (!valeur.empty() && std::memchr(valeur.data(), '&', valeur.size())) {
            // References undone once, here.
            std::string& d = valeursDecodees_.emplace_back();
            if (!DecodeReferencesXml(valeur, d))
                return false;
            valeur = d;
        }
        attributs_.emplace_back(nom, valeur);
    }
    barre = i < n && s[i] == '/';
    return true;
}

namespace {

// Attribute names compared without regard to case; the names as written
// first, the case folded only when they differ.
inline bool MemeNom(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    if (MemesNomsXml(a, b))   // the usual case: written as asked
        return true;
    // As SameText: ASCII letters folded to lower case.
    const auto minuscule = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && minuscule(static_cast<unsigned char>(a[i])) != minuscule(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}   // namespace

std::string TXmlReader::ValeurAttribut(std::string_view nom) const
{
    for (const auto& [n, v] : attributs_)
        if (MemeNom(n, nom))
            return DecodeTexteXml(v);
    return {};
}

bool TXmlReader::AAttribut(std::string_view nom) const
{
    for (const auto& a : attributs_)
        if (MemeNom(a.first, nom))
            return true;
    return false;
}

int32_t TXmlReader::AttributEntier(std::string_view nom, int32_t defaut, int32_t bas, int32_t haut)
{
    for (const auto& [n, v] : attributs_)
        if (MemeNom(n, nom))
            return NombreAttribut(v, defaut, bas, haut);
    return defaut;
}

int32_t TXmlReader::NombreAttribut(std::string_view v, int32_t defaut, int32_t bas, int32_t haut)
{
    // Digits, a sign and blanks are never escaped: only a value holding an
    // escape needs the decoded text.
    if (v.find('#') == std::string_view::npos)
        return Nombre(v, nomVue_, defaut, bas, haut);
    return Nombre(DecodeTexteXml(v), nomVue_, defaut, bas, haut, v.data());
}

int32_t TXmlReader::AttributEntier(const TChampXml& c, int32_t defaut)
{
    for (const auto& [n, v] : attributs_)
        if (MemeNom(n, c.nom)) {
            // Digits, a sign and blanks are never escaped: only a value
            // holding an escape needs the decoded text.
            if (v.find('#') == std::string_view::npos)
                return Lit(c, v, defaut);
            return Lit(c, DecodeTexteXml(v), defaut, v.data());
        }
    return defaut;
}

void TXmlReader::AttributsEntiers(std::span<const TChampXml* const> champs, std::span<int32_t> valeurs)
{
    const size_t nb = std::min(champs.size(), valeurs.size());
    // The first attribute of each name counts.
    uint64_t trouves = 0;
    for (const auto& [n, v] : attributs_)
        for (size_t i = 0; i < nb && i < 64; ++i)
            if (!(trouves >> i & 1) && MemeNom(n, champs[i]->nom)) {
                const TChampXml& c = *champs[i];
                valeurs[i] = v.find('#') == std::string_view::npos ? Lit(c, v, valeurs[i])
                                                                    : Lit(c, DecodeTexteXml(v), valeurs[i], v.data());
                trouves |= uint64_t{1} << i;
            }
    for (size_t i = 64; i < nb; ++i)
        valeurs[i] = AttributEntier(*champs[i], valeurs[i]);
}

void TXmlReader::SauteElement(uint8_t jeton)
{
    if (jeton != xmlDebut)
        return;
    int profondeur = 1;
    while (profondeur > 0) {
        const uint8_t j = ElementSuivant();
        if (j == xmlDebut)
            ++profondeur;
        else if (j == xmlFin)
            --profondeur;
        else if (j == xmlFinFlux)
            return;
    }
}

void TXmlReader::LitChamps(std::span<const std::string> noms, std::span<std::string> valeurs,
                           std::span<const char*> ou)
{
    const size_t count = std::min(noms.size(), valeurs.size());
    uint8_t j = ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        for (size_t i = 0; i < count; ++i) {
            if (MemesNomsXml(nomVue_, noms[i])) {
                valeurs[i] = Texte();
                if (i < ou.size())
                    ou[i] = enPlace_ ? donnees_ + debutBalise_ : nullptr;
                break;
            }
        }
        SauteElement(j);
        j = ElementSuivant();
    }
}

// ---------------------------------------------------------------------------
// Stream reader

TXmlStreamReader::TXmlStreamReader(TStream& flux) : flux_(flux)
{
    GardeBlancs();
    if (auto* m = dynamic_cast<TMemoryStream*>(&flux)) {
        const int64_t debut = std::clamp<int64_t>(m->Position(), 0, m->Size());
        LitEnPlace(reinterpret_cast<const char*>(m->Memory()) + debut, static_cast<size_t>(m->Size() - debut));
        m->SetPosition(m->Size());
    }
}

TXmlStreamReader::~TXmlStreamReader()
{
    try {
        flux_.SetPosition(0);
    } catch (const Exception&) {
    }
}

bool TXmlStreamReader::LitLigne()
{
    bloc_.resize(64 * 1024);
    const long lu = flux_.Read(bloc_.data(), static_cast<long>(bloc_.size()));
    if (lu <= 0)
        return false;
    Complete(std::string_view(bloc_.data(), static_cast<size_t>(lu)));
    return true;
}
