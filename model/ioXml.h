// The program's own small XML layer: every document it writes and reads (the
// season document, the championship templates, the connection settings, the
// categories, the skins list) goes through these four classes.
//
// It is not a general XML processor. The writer puts one tag per line, without
// indentation, lines ending in CR LF, and replaces four characters by escapes of
// its own ("##0#" &, "##1#" <, "##2#" >, "##3#" +, and "##+#" for a "#" that
// would otherwise start one of them). The reader is a pull reader
// that understands what the writer produces, plus a declaration, a DOCTYPE line
// and attributes between single or double quotes. Both work on Windows-1252
// bytes: no character is converted, although the declaration names UTF-8 (that
// text is part of the file format and stays as it is).
#pragma once

#include <climits>
#include <cstdint>
#include <cstring>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TMemoryStream;
class TStream;
class TTextReader;
class TTextWriter;

// The byte-order mark of UTF-8, which some editors put at the start of a file.
inline constexpr std::string_view MarqueOrdreOctets = "\xEF\xBB\xBF";

// The declaration line every document starts with.
inline constexpr const char* XmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

// & < > + become "##0#" "##1#" "##2#" "##3#"; a "#" that would read back as
// the start of one of these ("##1#" typed as such, "##0" before a "+") becomes
// "##+#"; nothing else changes (a text without "##" stays as it is).
std::string EncodeTexteXml(std::string_view texte);
// The reverse, in one pass from left to right: "##d#" with d from 0 to 3 gives
// its character back, "##+#" a "#"; every other byte is copied. A text the
// writer wrote before "##+#" existed reads as it always did: the escapes of
// the four characters leave no "+" in it.
std::string DecodeTexteXml(std::string_view texte);
// An attribute value with its "&quot;" and "&apos;" made quotes again (the
// writer's way of keeping a value that no quote can enclose).
std::string SansEntitesQuotes(std::string_view texte);
// Appends texte to sortie with its character references ("&#70;", "&#x46;")
// and the five predefined entities ("&amp;", "&lt;", "&gt;", "&quot;",
// "&apos;") made the characters they stand for; any other "&" stays as it is.
// False when a character reference is malformed or names a character
// Windows-1252 does not have (sortie then holds what was done).
bool DecodeReferencesXml(std::string_view texte, std::string& sortie);

// StrToIntDef(texte, defaut), for what is not a plain number below.
int32_t EntierXmlGeneral(std::string_view texte, int32_t defaut);

// A number as the program writes it: a decimal whole number within 32 bits
// (a "+" or "-" before it, blanks around it allowed). True with v set; true
// with v as it was for a text that is empty or blanks only; false otherwise.
bool EntierXmlLu(std::string_view texte, int32_t& v);

// StrToIntDef(texte, defaut), with the plain decimal numbers the writer puts
// (an optional "-" and up to nine digits) read without the general parser.
inline int32_t EntierXml(std::string_view texte, int32_t defaut)
{
    const size_t n = texte.size();
    if (n == 0)
        return defaut;   // as StrToIntDef: nothing to read
    size_t i = texte[0] == '-' ? 1 : 0;
    if (n > i && n - i <= 9) {
        int32_t v = 0;
        for (; i < n; ++i) {
            const unsigned d = static_cast<unsigned char>(texte[i]) - static_cast<unsigned>('0');
            if (d > 9)
                break;
            v = v * 10 + static_cast<int32_t>(d);
        }
        if (i == n)
            return texte[0] == '-' ? -v : v;
    }
    return EntierXmlGeneral(texte, defaut);
}

// The text without its leading and trailing blanks (bytes up to the space), as
// Trim, without a copy.
inline std::string_view SansBlancs(std::string_view texte)
{
    size_t a = 0, b = texte.size();
    while (a < b && static_cast<unsigned char>(texte[a]) <= 0x20)
        ++a;
    while (b > a && static_cast<unsigned char>(texte[b - 1]) <= 0x20)
        --b;
    return texte.substr(a, b - a);
}

// Whether a name read is the one given (case counts): the lengths first, then
// the bytes, compared in place (the length of the name given is known when
// compiling).
template <size_t N>
inline bool NomXml(std::string_view nom, const char (&attendu)[N])
{
    static_assert(N > 1);
    return nom.size() == N - 1 && std::memcmp(nom.data(), attendu, N - 1) == 0;
}

// The same for two names known only when running, compared by words: two
// (overlapping) loads cover a name of 4 to 16 bytes.
[[gnu::always_inline]] inline bool MemesNomsXml(std::string_view a, std::string_view b)
{
    const size_t n = a.size();
    if (n != b.size())
        return false;
    const char* p = a.data();
    const char* q = b.data();
    if (n < 4) {
        return n == 0 || (p[0] == q[0] && p[n / 2] == q[n / 2] && p[n - 1] == q[n - 1]);
    }
    if (n <= 8) {
        uint32_t x[2], y[2];
        std::memcpy(&x[0], p, 4);
        std::memcpy(&y[0], q, 4);
        std::memcpy(&x[1], p + n - 4, 4);
        std::memcpy(&y[1], q + n - 4, 4);
        return ((x[0] ^ y[0]) | (x[1] ^ y[1])) == 0;
    }
    size_t i = 0;
    for (; i + 8 < n; i += 8) {
        uint64_t x, y;
        std::memcpy(&x, p + i, 8);
        std::memcpy(&y, q + i, 8);
        if (x != y)
            return false;
    }
    uint64_t x, y;
    std::memcpy(&x, p + n - 8, 8);
    std::memcpy(&y, q + n - 8, 8);
    return x == y;
}

// ---------------------------------------------------------------------------
// Writer into a text file (created or truncated, the declaration written first).
// I/O failures raise EInOutError.
//
// Each call makes its lines in a buffer of the writer and hands them over in
// one piece when it returns: a memory stream has them at once, appended to
// its bytes without a line of its own in between.
class TXmlWriter
{
public:
    explicit TXmlWriter(const std::string& nomFichier);
    // Closes every element still open (innermost first), then the file.
    virtual ~TXmlWriter();
    TXmlWriter(const TXmlWriter&) = delete;
    TXmlWriter& operator=(const TXmlWriter&) = delete;

    // Opens an element that will hold children or attributes; its start tag is
    // written when the next line is (attributes may be added until then). The
    // text, escaped, follows the start tag on the same line.
    void OuvreElement(std::string_view nom, std::string_view texte = {});
    // Adds name="escaped value" to the innermost open element's start tag when
    // the value is not empty or force is set. A value holding a double quote is
    // written between single quotes; one that neither quote can enclose has
    // its double quotes written as "&quot;". An attribute added after the
    // start tag was written is lost.
    void AjouteAttribut(std::string_view nom, std::string_view valeur, bool force = false);
    void AjouteAttributEntier(std::string_view nom, int32_t valeur);
    // Leaf element on one line: <n>value</n>, or <n /> for an empty value with
    // force set; nothing at all for an empty value without force.
    void EcritElement(std::string_view nom, std::string_view valeur, bool force = false);
    void EcritElementEntier(std::string_view nom, int32_t valeur);
    void EcritElementBooleen(std::string_view nom, bool valeur);   // "1" or "0"
    void EcritElementPositif(std::string_view nom, int32_t valeur)   // only when above 0
    {
        if (valeur > 0)
            EcritElementEntier(nom, valeur);
    }
    // "a/b", not written when both a and b are below 1.
    void EcritElementRapport(std::string_view nom, int32_t a, int32_t b);
    // Writes the pending start tag, if any.
    void EcritBaliseEnAttente();
    // Closes the innermost open element of that name and every element opened
    // inside it; a name that is not open only writes the pending start tag.
    void FermeElement(std::string_view nom);
    // Closes elements until depth remain open (0: all).
    void FermeJusqua(int profondeur);
    std::string CodeTexte(std::string_view texte) const { return EncodeTexteXml(texte); }

    int Profondeur() const { return static_cast<int>(profondeur_); }
    const std::string& NomFichier() const { return nomFichier_; }

protected:
    TXmlWriter();   // for writers that put their lines elsewhere
    // Writes one line followed by CR LF (after the pending start tag, if any,
    // when baliseAvant is set).
    void EcritLigne(std::string_view ligne, bool baliseAvant = false);
    // Takes whole lines (each ending in CR LF) where they go.
    virtual void Livre(std::string_view lignes);
    // Grouped, the lines are handed over by blocks of some 64 KB instead of at
    // the end of each call: for a writer whose output nobody looks at before
    // it is done. LivreTout hands over what is left.
    void SetGroupe(bool groupe) { groupe_ = groupe; }
    void LivreTout()
    {
        if (taille_ > 0) {
            Livre(std::string_view(sortie_.data(), taille_));
            taille_ = 0;
        }
    }

private:
    struct Ouvert
    {
        std::string balise;   // "<name" and the attributes added so far
        size_t longueurNom = 0;
        std::string texte;    // escaped
        std::string_view Nom() const { return std::string_view(balise).substr(1, longueurNom); }
    };
    // The lines being made: Place gives room for n more bytes at the end
    // (written through the pointer, then counted by Avance).
    char* Place(size_t n)
    {
        if (n > sortie_.size() - taille_)
            Agrandit(n);
        return sortie_.data() + taille_;
    }
    void Avance(char* fin) { taille_ = static_cast<size_t>(fin - sortie_.data()); }
    void Agrandit(size_t n);
    void Ajoute(std::string_view s)
    {
        char* p = Place(s.size());
        std::memcpy(p, s.data(), s.size());
        taille_ += s.size();
    }
    void Ajoute(char c)
    {
        *Place(1) = c;
        ++taille_;
    }
    // The pending start tag into the lines being made.
    void PoseBaliseEnAttente();
    // Hands the lines made over and empties the buffer (grouped: once the
    // block is full).
    void Vide()
    {
        if (!groupe_ || taille_ >= TailleBloc)
            LivreTout();
    }
    static constexpr size_t TailleBloc = 64 * 1024;

    std::unique_ptr<TTextWriter> fichier_;
    std::string nomFichier_;
    std::vector<Ouvert> pile_;   // the first profondeur_ are open
    size_t profondeur_ = 0;
    bool enAttente_ = false;
    std::string sortie_;   // room for the lines being made: the first taille_ bytes
    size_t taille_ = 0;
    bool groupe_ = false;
};

// Writer into a memory stream: the caller's stream (rewound to 0 when the writer
// is destroyed, so that the caller can save or copy it), or a stream of its own
// when none is given. Lines are written at the stream's current position.
class TXmlMemoryStreamWriter : public TXmlWriter
{
public:
    explicit TXmlMemoryStreamWriter(TMemoryStream* flux = nullptr, bool avecDeclaration = true);
    ~TXmlMemoryStreamWriter() override;

    TMemoryStream& Flux() { return *flux_; }

protected:
    void Livre(std::string_view lignes) override;

private:
    std::unique_ptr<TMemoryStream> propre_;
    TMemoryStream* flux_;
};

// ---------------------------------------------------------------------------
// A leaf read by TXmlReader::FeuillesEnPlace: its name and raw text, views
// into the input (kept as pointers and lengths: a table of them is made
// without being filled first).
struct TFeuilleXml
{
    const char* debutNom;
    const char* debutTexte;
    uint32_t longueurNom;
    uint32_t longueurTexte;
    bool diese;   // the text holds a "#": it is to be decoded
    std::string_view Nom() const { return {debutNom, longueurNom}; }
    std::string_view Texte() const { return {debutTexte, longueurTexte}; }
};

// ---------------------------------------------------------------------------
// Number fields of a document. Each number a document holds fills a field of
// the program, whose type and sense give what the number may be: the readers
// read each one through its field, never as a plain integer.

// What a number names, when it names something the document holds.
enum class TRenvoiXml : uint8_t { Rien, Equipe, Arbitre, Stade, Pays, Nombre };

// How a number is written.
enum class TFormeXml : uint8_t {
    Entier,   // a whole number
    Paire,    // "a/b": both halves, each a whole number
    Liste,    // whole numbers joined by "-"
};

// A number field: where it stands (parent: the element that holds it, "A|B"
// for any of several, "P/A" for an A inside a P; nom: a leaf of that element,
// or one of its attributes), how it is written, and what it may hold: a value
// of bas..haut (each half of a pair, each number of a list) whose bits
// outside `bits` are 0 (bits 0: any value of the range); and, when it names
// something, a number the document holds, or `aucun`, the format's "none"
// (SansAucun: it has none). With `ote`, a number of the range that names
// nothing the document holds does not refuse it: it reads as the default
// given, and its entry is left out (an entry earlier versions of the program
// left behind when the record it names went).
struct TChampXml
{
    static constexpr int32_t SansAucun = INT32_MIN;
    std::string_view parent;
    std::string_view nom;
    bool attribut = false;
    TFormeXml forme = TFormeXml::Entier;
    int64_t bas = 0;
    int64_t haut = 0;
    uint32_t bits = 0;
    TRenvoiXml renvoi = TRenvoiXml::Rien;
    int32_t aucun = SansAucun;
    bool ote = false;

    constexpr bool Admet(int64_t v) const
    {
        return v >= bas && v <= haut && (bits == 0 || (static_cast<uint64_t>(v) & ~uint64_t{bits}) == 0);
    }
};

// The numbers a document holds of each kind it names (its teams, referees,
// stadiums, countries), given as the reader meets their lists. A
// number field that names one must name one of these, or its "none"; a kind
// whose list the document has not given is not checked.
class TRenvoisXml
{
public:
    // The document gives its list of that kind (maybe empty).
    void Ouvre(TRenvoiXml r) { Liste(r).ouverte = true; }
    void Ajoute(TRenvoiXml r, int32_t v);
    bool Connu(TRenvoiXml r, int32_t v) const
    {
        const TListe& l = listes_[static_cast<size_t>(r)];
        if (!l.ouverte)
            return true;
        const auto u = static_cast<uint32_t>(v);
        if (u / 64 < l.bits.size())
            return (l.bits[u / 64] >> (u % 64) & 1) != 0;
        return !l.autres.empty() && ConnuAutre(l, v);
    }
    void Vide() { *this = TRenvoisXml(); }

private:
    struct TListe
    {
        bool ouverte = false;
        std::vector<uint64_t> bits;   // the numbers of 0..2^24 - 1
        std::vector<int32_t> autres;  // the others (there are none as a rule)
    };
    TListe& Liste(TRenvoiXml r) { return listes_[static_cast<size_t>(r)]; }
    static bool ConnuAutre(const TListe& l, int32_t v);
    TListe listes_[static_cast<size_t>(TRenvoiXml::Nombre)];
};

// Token codes of TXmlReader::ElementSuivant.
enum : uint8_t {
    xmlDebut = 0,     // start tag of an element whose content (children, maybe after text) follows
    xmlFin = 1,       // an end tag; the current name becomes empty
    xmlComplet = 2,   // declaration (name "xml"), DOCTYPE, <n ... />, or an element
                      // with text only or no content (its end tag already read)
    xmlFinFlux = 3,   // end of input
};

// Pull reader over a text file (lines are joined with a blank). A missing file
// raises EInOutError: callers test for it first. Malformed input never raises:
// the reader answers xmlFinFlux where a tag is expected and the input ends.
// FinAtteinte tells afterwards whether the input ran out while a token was
// being read (a document cut short), as opposed to every token being whole.
//
// The reader keeps the names of the open elements and checks, as it goes, that
// the input is well-formed: an end tag closes the innermost open element (same
// name), only blanks stand where a tag must be (text is kept only right after
// a start tag), a tag has a name. Input that breaks a rule, or a limit below,
// ends the reading: Malforme() turns true and every later token is xmlFinFlux.
// Every token is read in time linear in its length.
//
// Besides what the writer puts, the reader takes the rest of what a document
// may hold and still mean the same: a byte-order mark at its start; comments
// and processing instructions (other than the declaration), passed as if they
// were not there; CDATA sections, taken into the text; character references
// and the predefined entities, undone in texts and attribute values (a
// reference that is malformed or names a character Windows-1252 does not have
// makes the document damaged); blanks, tabulations and line breaks wherever a
// tag may have blanks, around "=" too.
class TXmlReader
{
public:
    explicit TXmlReader(const std::string& nomFichier);
    virtual ~TXmlReader();
    TXmlReader(const TXmlReader&) = delete;
    TXmlReader& operator=(const TXmlReader&) = delete;

    uint8_t ElementSuivant();
    const std::string& Nom() const
    {
        if (!nomAJour_) {
            nom_.assign(nomVue_);
            nomAJour_ = true;
        }
        return nom_;
    }
    // The name without a copy: valid until the next start tag is read, and
    // for the reader's lifetime when the input is read in place.
    std::string_view NomVue() const { return nomVue_; }
    // Whether the name of the last start tag stays valid for the reader's
    // lifetime (the input is read in place).
    bool NomsStables() const { return enPlace_ && nomEnEntree_; }
    std::string Texte() const { return DecodeTexteXml(texte_); }
    const std::string& TexteBrut() const
    {
        texteBrut_.assign(texte_);
        return texteBrut_;
    }
    // The raw text without a copy, valid until the next token is read.
    std::string_view TexteVue() const { return texte_; }
    // The numbers of a document are read here, each through its field (the
    // settings files, whose numbers fill no field of the data, through the
    // bounds given). A text that is empty (or blanks only) gives defaut, as
    // an absent value does; one that is not a number (EntierXmlLu), that the
    // field cannot hold, or that names nothing the document holds (the
    // renvois given) is a value the program never writes: the document is
    // damaged (Endommage, naming the element: the leaf, or the element whose
    // attribute it is; at ou when it is a pointer into the input, else at the
    // last start tag) and defaut is given; but a number of a field with `ote`
    // that names nothing gives defaut alone.
    // For documents whose numbers are settings rather than data (the
    // championship templates, the connection settings): from now on a number
    // that does not read gives defaut, as StrToIntDef, and bounds are not
    // checked.
    void NombresSouples() { souples_ = true; }
    // What the numbers that name something are checked against (none: not
    // checked); held by the caller while the reader reads.
    void SetRenvois(const TRenvoisXml* renvois) { renvois_ = renvois; }
    const TRenvoisXml* Renvois() const { return renvois_; }
    // Whether v, a value of the field, names something the document holds
    // (always, for a field that names nothing).
    bool Renvoie(const TChampXml& c, int32_t v) const
    {
        return c.renvoi == TRenvoiXml::Rien || v == c.aucun || !renvois_ || renvois_->Connu(c.renvoi, v);
    }
    // A whole number of the field: the current text, or the text given.
    int32_t TexteEntier(const TChampXml& c, int32_t defaut = 0) { return Lit(c, texte_, defaut); }
    int32_t Lit(const TChampXml& c, std::string_view texte, int32_t defaut = 0, const char* ou = nullptr)
    {
        // The usual value, a plain number the field holds, read at once.
        int32_t v = 0;
        if (Simple(texte, v) && c.Admet(v) && Renvoie(c, v))
            return v;
        return static_cast<int32_t>(LitGeneral(c, texte, defaut, ou));
    }
    // The same for a field wider than 32 bits.
    int64_t Lit64(const TChampXml& c, std::string_view texte, int64_t defaut = 0, const char* ou = nullptr)
    {
        return LitGeneral(c, texte, defaut, ou);
    }
    // A pair "a/b" of the field: both halves given (else the document is
    // damaged); an empty text gives 0 and 0. False when damaged.
    bool LitPaire(const TChampXml& c, std::string_view texte, int32_t& a, int32_t& b, const char* ou = nullptr);
    // The "-"-joined numbers of a list field (an empty text: one number, defaut).
    std::vector<int32_t> LitListe(const TChampXml& c, std::string_view texte, int32_t defaut = 0);
    // The current text as a number within bas..haut, for the settings files.
    int32_t TexteEntier(int32_t bas = INT32_MIN, int32_t haut = INT32_MAX)
    {
        return Nombre(texte_, nomVue_, 0, bas, haut);
    }
    int32_t Nombre(std::string_view texte, std::string_view element, int32_t defaut = 0, int32_t bas = INT32_MIN,
                   int32_t haut = INT32_MAX, const char* ou = nullptr)
    {
        // The usual value, a plain number within bounds, read at once.
        int32_t v = 0;
        if (Simple(texte, v) && v >= bas && v <= haut)
            return v;
        return NombreGeneral(texte, element, defaut, bas, haut, ou);
    }
    // A number as the writer puts it (an optional "-" and up to nine
    // digits): true with its value.
    static bool Simple(std::string_view texte, int32_t& v)
    {
        const size_t n = texte.size();
        const size_t signe = n > 0 && texte[0] == '-' ? 1 : 0;
        if (n <= signe || n - signe > 9)
            return false;
        int32_t x = 0;
        for (size_t i = signe; i < n; ++i) {
            const unsigned d = static_cast<unsigned char>(texte[i]) - static_cast<unsigned>('0');
            if (d > 9)
                return false;
            x = x * 10 + static_cast<int32_t>(d);
        }
        v = signe ? -x : x;
        return true;
    }
    // The value of the named attribute of the last start tag (names compared
    // without regard to case), escapes undone; empty when absent.
    std::string ValeurAttribut(std::string_view nom) const;
    // Whether the last start tag has an attribute of that name (an empty
    // value included), names compared without regard to case.
    bool AAttribut(std::string_view nom) const;
    // The same value as a number of the field (attribute c.nom): defaut when
    // absent or empty.
    int32_t AttributEntier(const TChampXml& c, int32_t defaut);
    // Several at once, in one pass over the attributes: valeurs[i] becomes
    // AttributEntier(*champs[i], valeurs[i]).
    void AttributsEntiers(std::span<const TChampXml* const> champs, std::span<int32_t> valeurs);
    // For the settings files: the attribute as a number within bas..haut.
    int32_t AttributEntier(std::string_view nom, int32_t defaut, int32_t bas = INT32_MIN, int32_t haut = INT32_MAX);
    int NbAttribut() const { return static_cast<int>(attributs_.size()); }
    // True once the input ended where a tag or its content was expected.
    bool FinAtteinte() const { return finAtteinte_; }
    // True once the input broke a rule of well-formed documents or a limit.
    bool Malforme() const { return malforme_; }
    // For the readers of the data: an element they cannot read makes the
    // document damaged, as a broken rule does (the reading ends, Malforme).
    // The element named (the current one when none is), at ou when it is a
    // pointer into the input, else at the last start tag read.
    void Endommage(std::string_view element = {}, const char* ou = nullptr);
    // Where the reading was refused: the element, and its line (1 the
    // first; 0 when not known: the file reader joins its lines).
    const std::string& ElementRefuse() const { return elementRefuse_; }
    int LigneRefus() const { return ligneRefus_; }
    // The number of elements open (start tags read whose end tag was not).
    int Profondeur() const { return static_cast<int>(ouverts_.size()); }
    // After the root's end tag: whether only blanks follow up to the end.
    bool ResteBlanc();

    // Limits that keep the memory a document costs near its own size. The
    // program's documents nest at most about ten elements deep and carry at
    // most a dozen attributes on one element; a document beyond either limit
    // is not one of ours (each attribute costs the reader 32 bytes however
    // short it is: unbounded, a few bytes of input would cost ten times more).
    static constexpr size_t MaxProfondeur = 256;
    static constexpr size_t MaxAttributs = 1024;
    // Given the token just read: after xmlDebut reads on to the matching end tag
    // (or the end of input); any other token: nothing.
    void SauteElement(uint8_t jeton);
    // Reads the children of the current element up to its end tag: a child whose
    // name equals (case counts) noms[i] gets its decoded text in valeurs[i];
    // other children are skipped.
    // With ou, ou[i] becomes where the text stood in the input (nullptr when
    // it cannot be told), for a refusal to name its line.
    void LitChamps(std::span<const std::string> noms, std::span<std::string> valeurs,
                   std::span<const char*> ou = {});
    // Given xmlDebut, for an input read in place: when the children of the
    // element are all leaves "<name>text</name>" on lines of their own, as the
    // writer puts them (a name right against its ">", with no blank, tabulation
    // or line break before it, in both tags; a text without "<" that does not
    // begin with a blank), and there are at most
    // feuilles.size() of them, fills feuilles with them in order, reads the
    // element's end tag and answers their count: the reader is left as reading
    // them token by token would leave it. Otherwise answers -1 and reads
    // nothing (the children are then read token by token).
    int FeuillesEnPlace(std::span<TFeuilleXml> feuilles);
    // For an input read in place: when the next tag is a start tag of this
    // name whose attributes are plain numbers (' name="123"', one blank before
    // each) named as attributs, in that order (any may be left out), on a line
    // of its own, followed on the next line (or right there) by a child or by
    // its own end tag, as the writer puts box-score lines and line-ups: reads
    // it as ElementSuivant would, gives the token (xmlDebut or xmlComplet),
    // puts each number in valeurs at its name's index (the others keep
    // theirs) and answers true. Otherwise answers false and reads nothing.
    // The attributes are those of the fields given (their names), and each
    // number must be one its field holds (else the tag is left to the
    // general path, which says what is wrong).
    bool ElementSimple(std::string_view nom, std::span<const TChampXml* const> attributs, std::span<int32_t> valeurs,
                       uint8_t& jeton);

protected:
    TXmlReader();
    // Appends more input to the unread part of the buffer (which becomes the new
    // buffer, read from its start); false when nothing is left.
    virtual bool LitLigne();
    void Complete(std::string_view suite);   // for LitLigne: unread tail + suite
    // The whole input at once, held by the caller for the reader's lifetime:
    // read in place, without refills (LitLigne is then never called).
    void LitEnPlace(const char* donnees, size_t taille);
    // Texts keep the blanks they begin with (the file reader, whose lines are
    // joined by a blank, drops them).
    void GardeBlancs() { gardeBlancs_ = true; }

private:
    bool ChercheApres(char c, size_t& ou);   // refills until c is found at or after ou
    uint8_t FinFlux()
    {
        finAtteinte_ = true;
        return xmlFinFlux;
    }
    uint8_t Refuse();   // ends the reading of a malformed input
    int Ligne(size_t pos) const;   // the line of a position in donnees_
    int32_t NombreGeneral(std::string_view texte, std::string_view element, int32_t defaut, int32_t bas, int32_t haut,
                          const char* ou);
    int64_t LitGeneral(const TChampXml& c, std::string_view texte, int64_t defaut, const char* ou);
    // The element a refusal of the field names.
    std::string_view ElementDe(const TChampXml& c) const { return c.attribut ? nomVue_ : c.nom; }
    // An attribute's raw value as a number of the element being read.
    int32_t NombreAttribut(std::string_view v, int32_t defaut, int32_t bas, int32_t haut);
    // At least n bytes from pos_ in the buffer (refilling); false when the
    // input ends first.
    bool Assure(size_t n);
    // The first ">" at or after depuis that closes what starts at depuis:
    // preceded by avant ("--" a comment, "?" a processing instruction, "]]"
    // a CDATA section), avant itself at or after depuis. Refills keep the
    // bytes from pos_ on (depuis must not stand before pos_); k is the ">".
    bool CherchePasse(size_t depuis, std::string_view avant, size_t& k);
    // From pos_ on a "<" inside an element's content: comments and processing
    // instructions are passed, CDATA sections and the text between them are
    // appended to texte (references undone), up to the next tag, pos_ then on
    // its "<". xmlDebut when a tag was reached, else xmlFinFlux (the input
    // ended) or a refusal.
    uint8_t LitSpeciaux(std::string& texte);
    bool LitAttributs(std::string_view balise, size_t debut, bool& barre);
    bool Ouvre(std::string_view nom);   // nom becomes the innermost open element
    bool Ferme(std::string_view nom);   // closes the innermost one, of that name

    std::unique_ptr<TTextReader> fichier_;
    std::string nomFichier_;
    // Name and raw value of each attribute of the last start tag: views into
    // the tag's text (balise_, or the input itself when it is read in place).
    std::vector<std::pair<std::string_view, std::string_view>> attributs_;
    // Values whose references were undone, for the views above.
    std::deque<std::string> valeursDecodees_;
    // The current name: a view into the input (or into balise_), copied into
    // nom_ only when asked for as a string.
    std::string_view nomVue_;
    mutable std::string nom_;
    mutable bool nomAJour_ = true;
    bool nomEnEntree_ = false;   // nomVue_ looks into the input (or balise_)
    void Nomme(std::string_view nom)
    {
        nomVue_ = nom;
        nomAJour_ = false;
        nomEnEntree_ = true;
    }
    void NommeCopie(std::string_view nom)   // a name that is not in the input
    {
        if (nom.empty())
            nom_.clear();   // the usual one (an element ended), without a call
        else
            nom_.assign(nom);
        nomVue_ = nom_;
        nomAJour_ = true;
        nomEnEntree_ = false;
    }
    // The raw text: a view into the input read in place, else into
    // texteCopie_ (a refill may move the input).
    std::string_view texte_;
    std::string texteCopie_;
    mutable std::string texteBrut_;
    std::string tampon_;
    std::string balise_;   // the text of the last tag, when the input is refilled
    const char* donnees_ = nullptr;   // the input being read: tampon_, or the caller's
    size_t taille_ = 0;
    bool enPlace_ = false;
    bool premier_ = true;   // nothing read yet: a byte-order mark is passed
    bool finAtteinte_ = false;
    bool malforme_ = false;
    size_t pos_ = 0;   // 0-based read position in donnees_
    size_t debutBalise_ = 0;   // the "<" of the last start tag in donnees_
    int lignesAvant_ = 0;   // line breaks of the input dropped by refills
    std::string elementRefuse_;
    int ligneRefus_ = 0;
    bool souples_ = false;
    bool gardeBlancs_ = false;
    const TRenvoisXml* renvois_ = nullptr;
    // The names of the open elements: views into the input read in place;
    // otherwise copies in noms_ (same index), ouverts_ then only counting.
    std::vector<std::string_view> ouverts_;
    std::vector<std::string> noms_;
};

// Pull reader over a stream, from its current position (line breaks stay CR LF
// inside texts, and a text keeps the blanks it begins with: what the writer
// wrote reads back whole). A memory stream is read in place, without a copy (its position
// goes to its end at once, and it must not change while the reader lives);
// any other stream by chunks of 64 KB. The stream is not owned; it is rewound
// to 0 when the reader is destroyed.
class TXmlStreamReader : public TXmlReader
{
public:
    explicit TXmlStreamReader(TStream& flux);
    ~TXmlStreamReader() override;

protected:
    bool LitLigne() override;

private:
    TStream& flux_;
    std::vector<char> bloc_;
};

// Calls f(name, token) for each child of the element whose token was just
// read, up to its end tag; f reads or skips the child. Nothing for a complete
// element. The name (a std::string_view) stays valid while f reads on: a view
// into the input read in place, else a copy.
template <class F>
void EnfantsXml(TXmlReader& x, uint8_t jeton, F&& f)
{
    if (jeton != xmlDebut)
        return;
    std::string copie;
    uint8_t j = x.ElementSuivant();
    while (j != xmlFin && j != xmlFinFlux) {
        std::string_view nom = x.NomVue();
        if (!x.NomsStables()) {
            copie.assign(nom);
            nom = copie;
        }
        f(nom, j);
        j = x.ElementSuivant();
    }
}
