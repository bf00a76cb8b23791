// The team sheet printed, written as HTML (with its pictures beside the page)
// and its ten page functions.
#include <algorithm>
#include <cmath>

#include "codecs/PngPicture.h"
#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListesJoueurs.h"
#include "model/Rang.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/Utilities.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Printers.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Editeur.h"
#include "ui/Fond.h"
#include "ui/GestionFonction.h"
#include "ui/Graphe.h"
#include "ui/GridHtml.h"
#include "views/AfficheClassement.h"
#include "views/OutilsVues.h"
#include "views/Textes.h"
#include "views/cadreParamClassement.h"
#include "views/w_StatEquipe.h"
#include "views/w_StatEquipeSports.h"
#include "views/w_StatEquipe_Outils.h"

using vues::Texte;
using namespace statequipe;

namespace {

const TColor FondImages = 0x6F3000;   // #00306F

std::string H(const std::string& s) { return EchappeHTML(s); }

// A text inside a quoted attribute.
std::string Attribut(const std::string& s)
{
    std::string r;
    for (char ch : H(s))
        r += ch == '"' ? std::string("&quot;") : std::string(1, ch);
    return r;
}

// The address of a web site as a link target: "http://" in front of an address
// without scheme; nothing for a scheme other than http and https.
std::string AdresseWeb(const std::string& site)
{
    std::string adresse = Trim(site);
    const size_t deux = adresse.find(':');
    bool schema = deux != std::string::npos && deux > 0 &&
                  ((adresse[0] >= 'a' && adresse[0] <= 'z') || (adresse[0] >= 'A' && adresse[0] <= 'Z'));
    for (size_t i = 0; schema && i < deux; ++i) {
        const char ch = adresse[i];
        schema = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '+' ||
                 ch == '-' || ch == '.';
    }
    if (!schema)
        return adresse.empty() ? std::string() : "http://" + adresse;
    const std::string nom = LowerCase(adresse.substr(0, deux));
    return nom == "http" || nom == "https" ? adresse : std::string();
}

// Lower case of Windows-1252 letters, accented ones included.
std::string Minuscules(std::string s)
{
    for (char& ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            ch = static_cast<char>(b + 0x20);
    }
    return s;
}

// A bounded picture size.
int Borne(int v) { return std::clamp(v, 16, 2000); }

TColor Couleur(const TStringList& p, const std::string& nom, const std::string& defaut)
{
    return static_cast<TColor>(TexteVersCouleur(TFonctionsGabarit::Parametre(nom, p, defaut)));
}

void Contours(TGraphe& g, const TStringList& p)
{
    g.SetCouleurContours(Couleur(p, "CouleurContours", "#00FFFF"));
    g.SetEcritureContours(Couleur(p, "EcritureContours", "#00FFFF"));
}

std::string Image(const std::string& nom) { return "#" + nom + ".png#<img src=\"" + nom + ".png\">"; }

// The page written whole, or an exception the caller reports.
void EcritPage(const std::string& nomFichier, const std::string& texte)
{
    if (!WriteFileAtomic(nomFichier, texte))
        throw EFCreateError(L1("Impossible de créer le fichier ") + nomFichier);
}

// A page showing one picture copied beside it, then what follows it.
void PageImage(const std::string& nomFichier, const std::string& image, const TEnTeteHTML& entete,
               const std::string& apres = {})
{
    const std::string nom = ExtractFileName(image);
    if (!CopieFichier(image, MakePath(ExtractFileDir(nomFichier), nom)))
        throw EFCreateError(L1("Impossible de créer le fichier ") + MakePath(ExtractFileDir(nomFichier), nom));
    EcritPage(nomFichier, "<HTML>\r\n<HEAD>\r\n" + MetaCharset() +
                              "\r\n" + TitreHTML(entete.Titres, true) + "\r\n</HEAD>\r\n<BODY BGCOLOR = #80CCFE>\r\n<img src=\"" + nom +
                              "\">\r\n" + apres + "</BODY>\r\n</HTML>\r\n");
}

// The attendance page's figures as its box shows them: its heading, then
// each caption with its value (average, maximum, minimum, total).
struct TChiffresAffluence
{
    std::string titre;
    std::vector<std::pair<std::string, std::string>> lignes;
};

TChiffresAffluence ChiffresAffluence(const Tf_StatEquipe& f)
{
    TChiffresAffluence a;
    if (auto* t = dynamic_cast<TLabel*>(f.FindComponent("Label15")))
        a.titre = t->Caption();
    const std::pair<const char*, const TLabel*> paires[] = {
        {"Label51", f.Label16}, {"Label52", f.Label54}, {"Label55", f.Label58}, {"Label59", f.Label63}};
    for (const auto& [legende, valeur] : paires)
        if (auto* l = dynamic_cast<TLabel*>(f.FindComponent(legende)))
            a.lignes.emplace_back(l->Caption(), valeur->Caption());
    return a;
}

// The figures printed from (x, y): the heading in bold, a line a caption and
// its value.
void ImprimeChiffres(TCanvas& c, const TChiffresAffluence& a, int x, int y)
{
    const int h = c.TextHeight("Ag") * 3 / 2;
    int large = 0;
    for (const auto& l : a.lignes)
        large = std::max(large, c.TextWidth(l.first));
    c.Brush.SetStyle(bsClear);
    c.Font.SetStyle(fsBold);
    c.TextOut(x, y, a.titre);
    c.Font.SetStyle(0u);
    for (const auto& [legende, valeur] : a.lignes) {
        y += h;
        c.TextOut(x, y, legende);
        c.TextOut(x + large + c.TextWidth("    "), y, valeur);
    }
}

// The same figures as an HTML table.
std::string TableChiffres(const TChiffresAffluence& a)
{
    std::string t = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\r\n<tr><th colspan=\"2\">" +
                    H(a.titre) + "</th></tr>\r\n";
    for (const auto& [legende, valeur] : a.lignes)
        t += "<tr><td>" + H(legende) + "</td><td align=right>" + H(valeur) + "</td></tr>\r\n";
    return t + "</table>\r\n";
}

}  // namespace

// ============================================================================
// printing
// ============================================================================

void Tf_StatEquipe::Imprime()
{
    const int index = IndexPage();
    if (index == 5) {
        sg_Composition->Imprime(EnTeteEquipe());
        return;
    }
    if (index == 8) {
        sg_PointPris->Imprime(EnTeteEquipe());
        return;
    }
    if (index == 7) {
        sg_Stats->Imprime(EnTeteEquipe({LieuCoche(rc_General2, rc_Domicile2, rc_Exterieur2)}));
        return;
    }
    if (index == 6 || index < 0)
        return;
    // A printout given up or failed is abandoned whole; the printer tells
    // what failed.
    PrintDocument(Printer(), index == 1 ? poLandscape : poPortrait, [&](TPrinter& p) {
        TCanvas& c = p.Canvas();
        c.Font = Font();
        c.Font.SetSize(14);
        c.Pen.SetWidth(1);
        const int W = p.PageWidth(), Hp = p.PageHeight();
        if (index == 3) {
            ImprimeJoueurs();
            RemplitClassementJoueurs();
            return;
        }
        // The team and the page named at the top, the page below.
        const int haut = ImprimeTitres(c, Label14->Font(), EnTeteEquipe().Titres, 0, W, 0);
        c.Font = Font();
        c.Font.SetSize(14);
        c.Font.SetColor(clBlack);
        const int moitie = haut + (Hp - haut) / 2;
        switch (index) {
        case 0: ImprimeParcours(haut); break;
        case 1: ImprimeStatistiques(haut); break;
        case 2:
            GraphBarre1->Imprime(Rect(0, haut, W, moitie), c);
            GraphBarre2->Imprime(Rect(0, moitie, W, Hp), c);
            break;
        case 4:
            GraphSpect->Imprime(Rect(0, haut, W, moitie), c);
            ImprimeChiffres(c, ChiffresAffluence(*this), W / 10, moitie + c.TextHeight("Ag"));
            break;
        default: break;
        }
    });
}

void Tf_StatEquipe::ImprimeJoueurs()
{
    // scorers, assists, yellow cards, red cards
    ImprimeSections({0, 5, 1, 2});
}

void Tf_StatEquipe::ImprimeSections(const std::vector<int>& types)
{
    // One ranking under the other, each under its title, the team's name
    // above the first; a ranking goes on over the next page when it must.
    TPrinter& p = Printer();
    int y = ImprimeTitres(p.Canvas(), Label14->Font(), EnTeteEquipe().Titres, 0, p.PageWidth(), 0);
    for (const int type : types) {
        TEnTeteHTML entete;
        entete.Titres.push_back(TitreSection(type));
        sg_Buteur->InitColonnes();
        AfficheClassementEquipe(Saison, IdEquipe(), CadreParam->ListeChoisie(), Couleurs, *sg_Buteur,
                                CadreParam->Premiere(), CadreParam->Derniere(), type);
        y = sg_Buteur->ImprimeDans(p, entete, 0, p.PageWidth(), y);
        y += p.Canvas().TextHeight("Ag") * 2;
    }
}

TEnTeteHTML Tf_StatEquipe::EnTeteEquipe(const std::vector<std::string>& choix) const
{
    // The team, then the page named with the venue and with the range and
    // the championships its figures count (the frame is hidden on the pages
    // over the whole championship).
    std::vector<std::string> lignes = {Label14->Caption()};
    for (const std::string& l : vues::TitresChoix(*this, "", choix, CadreParam->Visible() ? CadreParam : nullptr))
        lignes.push_back(l);
    return EnTete(lignes);
}

void Tf_StatEquipe::ImprimeParcours(int haut)
{
    TPrinter& p = Printer();
    TCanvas& c = p.Canvas();
    const size_t n = std::max(lignesDom_.size(), lignesExt_.size());
    auto largeur = [&] {
        int large = std::max(c.TextWidth(Texte(64)), c.TextWidth(Texte(65)));
        for (const auto* v : {&lignesDom_, &lignesExt_})
            for (TLabel* l : *v)
                large = std::max(large, c.TextWidth(l->Caption()));
        return large * 11 / 10;
    };
    // long club names: a smaller font, so that both columns fit the page
    const int colonnes = neutre_ ? 1 : 2;
    int W = largeur();
    while (colonnes * W + 1 > p.PageWidth() && c.Font.Size() > 6) {
        c.Font.SetSize(c.Font.Size() - 1);
        W = largeur();
    }
    const int h = c.TextHeight("A") * 3 / 2;
    // The two columns with their titles, on as many pages as their lines need.
    const int parPage = std::max(1, (p.PageHeight() - haut) / h - 1);
    for (size_t debut = 0; debut < std::max<size_t>(n, 1); debut += static_cast<size_t>(parPage)) {
        if (debut > 0) {
            p.NewPage();
            haut = 0;
        }
        const size_t fin = std::min(n, debut + static_cast<size_t>(parPage));
        const int bas = haut + static_cast<int>(fin - debut + 1) * h;
        c.Brush.SetStyle(bsClear);
        c.Rectangle(0, haut, W + 1, bas);
        c.TextOut(10, haut + h / 9, Texte(64));
        c.MoveTo(0, haut + h);
        c.LineTo(W + 1, haut + h);
        if (!neutre_) {
            c.Rectangle(W, haut, 2 * W, bas);
            c.TextOut(W + 10, haut + h / 9, Texte(65));
            c.MoveTo(W, haut + h);
            c.LineTo(2 * W, haut + h);
        }
        for (size_t i = debut; i < fin; ++i) {
            const int y = haut + h / 9 + static_cast<int>(i - debut + 1) * h;
            if (i < lignesDom_.size())
                c.TextOut(10, y, lignesDom_[i]->Caption());
            if (i < lignesExt_.size())
                c.TextOut(W + 10, y, lignesExt_[i]->Caption());
        }
    }
}

void Tf_StatEquipe::ImprimeStatistiques(int haut)
{
    TPrinter& p = Printer();
    TCanvas& c = p.Canvas();
    const int W = p.PageWidth(), Hp = p.PageHeight();
    // the boxes and the charts below the titles
    const int T = (Hp - haut) / 3, Q = W / 4, R = (Hp - haut) / 4;
    TFondCopie* boites[3] = {FondCopie13, FondCopie14, FondCopie15};
    for (int k = 0; k < 3; ++k)
        if (boites[k]->Visible() || k == 0)
            boites[k]->Imprime(Rect(0, haut + k * T + 5, Q, haut + (k + 1) * T));
    Graph2->Imprime(Rect(Q, haut, W, haut + R), c);
    Graph3->Imprime(Rect(Q, haut + R, W, haut + 2 * R), c);
    Editserie->ImprimeDans(p, Rect(Q, haut + 2 * R, W, haut + 3 * R));
    Graph4->Imprime(Rect(Q, haut + 3 * R, W, haut + 4 * R), c);
}

// ============================================================================
// HTML
// ============================================================================

void Tf_StatEquipe::EnregistreHTML(const std::string& nomFichier)
{
    switch (IndexPage()) {
    case 0: EnregistreParcoursHTML(nomFichier); break;
    case 2:
        SauveRepartitionPNG(*GraphBarre1, *GraphBarre2, FondImages);
        PageImage(nomFichier, DossierTemp() + "repartequipe.png", EnTeteEquipe());
        break;
    case 3: EnregistreJoueursHTML(nomFichier); break;
    case 4:
        PageImage(nomFichier, SauveImagePNG(*GraphSpect, "spect", FondImages), EnTeteEquipe(),
                  TableChiffres(ChiffresAffluence(*this)));
        break;
    case 5: sg_Composition->EnregistreHTML(nomFichier, true, EnTeteEquipe()); break;
    case 6: EnregistreSituationsHTML(nomFichier); break;
    case 8: sg_PointPris->EnregistreHTML(nomFichier, true, EnTeteEquipe()); break;
    default: break;
    }
}

void Tf_StatEquipe::EnregistreParcoursHTML(const std::string& nomFichier)
{
    std::string t = "<HTML>\r\n  <HEAD>\r\n    " + MetaCharset() + "\r\n    " + TitreHTML(EnTeteEquipe().Titres, true) +
                    "\r\n  </HEAD>\r\n  <BODY BGCOLOR = #80CCFE>\r\n"
                    "    <TABLE Width = 400 Border=1 CellSpacing=0 CellPadding = 0>\r\n"
                    "    \t<tr BGCOLOR=\"#4020A0\">\r\n";
    for (int col = 0; col < (neutre_ ? 1 : 2); ++col)
        t += "    \t  <td align=center width=50%><B>\r\n    \t\t<Font Color=#F0E020> " + H(Texte(col == 0 ? 64 : 65)) +
             "</FONT></B>\r\n    \t  </td>\r\n";
    t += "    \t</tr>\r\n";
    const size_t n = std::max(lignesDom_.size(), lignesExt_.size());
    for (size_t i = 0; i < n; ++i) {
        TColor fond = 0;
        CouleurFondLigne(static_cast<int>(i), fond);
        t += "    \t<tr BGCOLOR=" + CouleurVersTexte(fond) + ">\r\n";
        if (i < lignesDom_.size())
            t += "    \t<td align=center><Font Color=" +
                 CouleurVersTexte(CouleurLisible(lignesDom_[i]->Font().Color(), fond)) + ">" +
                 H(lignesDom_[i]->Caption()) + "</FONT></td>\r\n";
        else
            t += "    \t<td align=center>&nbsp;</td>\r\n";
        if (!neutre_) {
            if (i < lignesExt_.size())
                t += "    \t<td align=center width=50%><Font Color=" +
                     CouleurVersTexte(CouleurLisible(lignesExt_[i]->Font().Color(), fond)) + ">" +
                     H(lignesExt_[i]->Caption()) +
                     "</FONT></td>\r\n";
            else
                t += "    \t<td align=center width=50%>&nbsp;</td>\r\n";
        }
        t += "    \t</tr>\r\n";
    }
    t += "    </TABLE>\r\n  </BODY>\r\n</HTML>\r\n";
    EcritPage(nomFichier, t);
}

void Tf_StatEquipe::EnregistreSituationsHTML(const std::string& nomFichier)
{
    // The page as the window shows it: each situation's title and its three
    // lines under it, then the two closing lines.
    const TEnTeteHTML entete = EnTeteEquipe({LieuCoche(rc_General, rc_Domicile, rc_Exterieur)});
    std::string t = "<html>\r\n  <head>\r\n    " + MetaCharset() + "\r\n    " + TitreHTML(entete.Titres) +
                    "\r\n  </head>\r\n  <body bgcolor=\"#80CCFE\">\r\n";
    for (const std::string& titre : entete.Titres)
        t += "    <h3>" + H(titre) + "</h3>\r\n";
    for (const size_t k : {0, 4, 8, 16, 20}) {
        t += "    <p><b>" + H(Situations[k]->Caption()) + "</b>";
        for (size_t i = k + 1; i <= k + 3; ++i)
            t += "<br/>\r\n    &nbsp;&nbsp;" + H(Situations[i]->Caption());
        t += "</p>\r\n";
    }
    t += "    <p>" + H(Situations[24]->Caption()) + "<br/>\r\n    " + H(Situations[25]->Caption()) + "</p>\r\n";
    t += "  </body>\r\n</html>\r\n";
    EcritPage(nomFichier, t);
}

std::string Tf_StatEquipe::LieuCoche(const TRondCoche* general, const TRondCoche* domicile, const TRondCoche* exterieur)
{
    return (domicile->Checked() ? domicile : exterieur->Checked() ? exterieur : general)->Caption();
}

std::string Tf_StatEquipe::TitreSection(int type) const
{
    // each section is titled as the radio that ranks its kind; the kinds of
    // football that a sport ranks without a radio keep their names
    static const std::pair<int, int> sansRadio[] = {{0, 498}, {5, 918}, {1, 103}, {2, 104}};
    std::string titre;
    for (const auto& [genre, texte] : sansRadio)
        if (genre == type)
            titre = Texte(texte);
    for (const auto& [radio, genre] : TypesRadios)
        if (genre == type)
            titre = radio->Caption();
    return titre;
}

void Tf_StatEquipe::EcritSectionsHTML(const std::string& nomFichier, const std::vector<int>& types)
{
    std::string t = "<HTML>\r\n  <HEAD>\r\n    " + MetaCharset() + "\r\n    " + TitreHTML(EnTeteEquipe().Titres, true) +
                    "\r\n  </HEAD>\r\n  <BODY BGCOLOR = #80CCFE>\r\n";
    for (const int type : types) {
        TColorGridModel g;
        AfficheClassementEquipe(Saison, IdEquipe(), CadreParam->ListeChoisie(), Couleurs, g, CadreParam->Premiere(),
                                CadreParam->Derniere(), type);
        t += std::string(type == types.front() ? "    " : "    <BR><BR>") + H(TitreSection(type)) + "\r\n" +
             g.TexteHTML(false) + "\r\n";
    }
    t += "  </BODY>\r\n</HTML>\r\n";
    EcritPage(nomFichier, t);
}

void Tf_StatEquipe::EnregistreJoueursHTML(const std::string& nomFichier)
{
    // the rankings of the page's radios: scorers, assists, yellow and red
    // cards, ratings
    EcritSectionsHTML(nomFichier, {0, 5, 1, 2, 7});
}

void Tf_StatEquipe::SauveRepartitionPNG(TGraphe& a, TGraphe& b, TColor fond) const
{
    const int w = std::max(1, a.Width()), ha = std::max(1, a.Height()), hb = std::max(1, b.Height());
    TBitmap image(w, ha + hb);
    TCanvas& c = image.Canvas();
    c.Brush.SetStyle(bsSolid);
    c.Brush.SetColor(fond);
    c.FillRect(Rect(0, 0, w + 1, ha + hb + 1));
    for (const auto& [g, y, h] : {std::tuple{&a, 0, ha}, std::tuple{&b, ha, hb}}) {
        TBitmap partie(std::max(1, g->Width()), h);
        TCanvas& pc = partie.Canvas();
        pc.Brush.SetStyle(bsSolid);
        pc.Brush.SetColor(fond);
        pc.FillRect(Rect(0, 0, partie.Width() + 1, h + 1));
        pc.Font = g->Font();
        g->Dessine(pc);
        c.Draw(0, y, partie);
    }
    const std::string dossier = DossierTemp();
    if (!DirectoryExists(dossier) && !ForceDirectories(dossier))
        throw EFCreateError(dossier);
    TPngPicture png;
    png.Assign(image);
    png.SaveToFile(dossier + "repartequipe.png");
}

// ============================================================================
// page functions
// ============================================================================

int Tf_StatEquipe::TypeParNom(const std::string& nom)
{
    static const std::pair<const char*, int> types[] = {
        {"buteur", 0},          {"essai", 0},          {"realisateur", 10},  {"transformation", 11},
        {"penalite", 12},       {"drop", 13},          {"averti", 1},        {"exclus", 2},
        {"passeur", 5},         {"point", 14},         {"efficacite2pts", 18}, {"efficacite3pt", 19},
        {"efficacitelf", 20},   {"interception", 23},  {"contre", 24},       {"passeurs", 25},
        {"balleperdu", 26},     {"rebond", 28},        {"fautes", 30}};
    const std::string n = Minuscules(nom);
    for (const auto& [texte, type] : types)
        if (n == texte)
            return type;
    return 0;
}

int Tf_StatEquipe::TypeEvolution(const std::string& nom)
{
    const std::string n = Minuscules(nom);
    static const std::pair<std::string, int> types[] = {{"ouvrescore", 0},
                                                        {"advouvrescore", 4},
                                                        {Minuscules(L1("MèneMiTemps")), 8},
                                                        {"nulmitemps", 16},
                                                        {Minuscules(L1("MenéMiTemps")), 20},
                                                        {"resume", -1}};
    for (const auto& [texte, type] : types)
        if (n == texte)
            return type;
    return -2;
}

void Tf_StatEquipe::ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                    const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison)
{
    static const char* const noms[] = {"ResultatEquipe",         "AffluenceEquipe",      "StatClassementEquipe",
                                       "GraphClassementEquipe",  "TempsJeuEquipe",       "ClassementJoueurEquipe",
                                       "PointPrisEquipe",        "EvolutionScoreEquipe", "DetailButEquipe",
                                       "AdminEquipe"};
    if (std::none_of(std::begin(noms), std::end(noms), [&](const char* n) { return Nom == n; })) {
        TFootForm::ExecuteFonction(Nom, Parametres, Resultat, couleurs, Pages, saison);
        return;
    }
    vues::TGardeChampionnat garde(saison);
    TDonneesChampionnat* c = vues::DebutPage(saison, Parametres, Resultat);
    if (!c)
        return;
    const std::string nomEquipe = Parametre("Equipe", Parametres, "");
    const int id = saison->ChercheEquipe(nomEquipe);
    if (id < 0) {
        Resultat = "Equipe \"" + H(nomEquipe) + "\" inconnue<br/>";
        return;
    }
    const auto* classe = dynamic_cast<const TClasseStatEquipe*>(saison->MultiSport().ClasseStatEquipe().get());
    const TClasseStatEquipe& sport = classe ? *classe : ClasseStatEquipe(saison->Sport());
    const int L = c->DerniereJournee;
    const TCouleursHTML tc = vues::CouleursParametres(Parametres);
    std::string& r = Resultat;

    if (Nom == "ResultatEquipe") {
        const int choix = ParametreEntier("TypeResult", Parametres, 7);
        const bool separe = Parametre("Separe", Parametres, "") != "0";
        const std::string fDom = Parametre("FonteMatchDom", Parametres, "#000000");
        const std::string fExt = Parametre("FonteMatchExt", Parametres, "#000000");
        std::vector<std::string> dom, ext;
        r = "<table>";
        ParcourtMatchs(*c, 1, L, id, [&](int j, int k, bool domicile) {
            const TScoreMatch s = Score(*c, j, k, domicile);
            if (!s.Joue)
                return;
            const int bit = s.Nous > s.Eux ? 1 : s.Nous == s.Eux ? 2 : 4;
            if ((choix & bit) == 0)
                return;
            const std::string F = "<font color=\"" + H(domicile ? fDom : fExt) + "\">";
            auto cell = [&](const std::string& t) { return "<td>" + F + t + "</font></td>"; };
            const int idDom = c->ValeurMatch(j, 4 * k + 1), idExt = c->ValeurMatch(j, 4 * k + 3);
            // seven cells a row, which templates lay out: a shoot-out that
            // decided the match follows the score in its last cell
            const std::string tirs = vues::TexteTirsAuBut(*c, j, idDom, idExt);
            const std::string ligne =
                cell(H(saison->NomEquipeCourant(idDom))) + cell("-") + cell(H(saison->NomEquipeCourant(idExt))) + cell(":") +
                cell(IntToStr(c->ValeurMatch(j, 4 * k + 2))) + cell("-") +
                cell(IntToStr(c->ValeurMatch(j, 4 * k + 4)) + (tirs.empty() ? "" : " (" + H(tirs) + ")"));
            if (!separe)
                r += "<tr>" + ligne + "</tr>";
            else
                (domicile ? dom : ext).push_back(ligne);
        });
        const std::string vide = "<td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td>"
                                 "<td>&nbsp;</td><td>&nbsp;</td>";
        for (size_t i = 0; i < std::max(dom.size(), ext.size()); ++i)
            r += "<tr>" + (i < dom.size() ? dom[i] : vide) + (i == 0 ? "<td Width=50>&nbsp;</td>" : "<td>&nbsp;</td>") +
                 (i < ext.size() ? ext[i] : vide) + "</tr>";
        r += "</table>";
        return;
    }
    if (Nom == "StatClassementEquipe") {
        const std::string lieu = LowerCase(Parametre("Lieu", Parametres, ""));
        const int kind = lieu == "domicile" ? 2 : lieu == "exterieur" ? 3 : 1;
        TCalculClassement calcul(c, saison);
        const int n = calcul.Calcule(kind, 1, L);
        const int p = c->IndexEquipe(id);
        int ligne = 0;
        while (ligne < n && calcul.ValeurLigne(ligne, 1) != p)
            ++ligne;
        r = "<table cellspacing=\"0\" cellpadding=\"3\">\r\n";
        if (p < 0 || ligne >= n) {
            r += "</table>";
            return;
        }
        auto rang = [&](const std::string& fond, const std::string& libelle, const std::string& valeur) {
            return "\t<tr bgcolor=\"" + fond + "\">\r\n    <td><font color=\"" + tc[4] + "\">" + libelle +
                   "</font></td>\r\n    <td><font color=\"" + tc[4] + "\">" + valeur + "</font></td>  </tr>\r\n";
        };
        r += "<tr bgcolor=\"" + tc[0] + "\">\r\n<td colspan=\"2\"><font color=\"" + tc[3] + "\">" +
             H(Texte(kind == 1 ? 855 : kind == 2 ? 759 : 763)) + "</font></td>\r\n</tr>\r\n";
        r += "<tr bgcolor=\"" + tc[1] + "\">\r\n<td><font color=\"" + tc[4] + "\">" + H(Texte(856)) +
             "</font></td>\r\n    <td><font color=\"" + tc[4] + "\">" +
             H(TraduireRang(StrToInt(classement::RangPartage(calcul, kind, ligne)))) + "</font></td>\r\n  </tr>\r\n";
        static const int libelles[5] = {852, 853, 854, 857, 858};
        for (int i = 2; i <= 6; ++i)
            r += rang(i % 2 == 0 ? tc[2] : tc[1], H(Texte(libelles[i - 2])),
                      IntToStr(static_cast<int16_t>(calcul.ValeurTotal(p, i))));
        if (kind == 2) {
            int64_t somme = 0;
            int nombre = 0;
            ParcourtMatchs(*c, 1, L, id, [&](int j, int k, bool domicile) {
                if (domicile && Score(*c, j, k, true).Joue)
                    if (const int a = c->AffluenceMatch(j, k + 1); a > 0) {
                        somme += a;
                        ++nombre;
                    }
            });
            if (nombre > 0)
                r += rang(tc[1], H(Texte(51)), IntToStr(DivisionArrondie(somme, nombre)));
        }
        r += "</table>";
        return;
    }
    if (Nom == "AdminEquipe") {
        const std::string C0 = Parametre("CouleurTitre", Parametres, "#000080");
        const std::string C1 = Parametre("FonteTitre", Parametres, "#F0E020");
        r = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\r\n<tr bgcolor=\"" + H(C0) +
            "\">\r\n    <td colspan=\"2\" ><Font color=\"" + H(C1) + "\">Information sur le club de " +
            H(saison->NomEquipeCourant(id)) + "</Font></td>\r\n  </tr>\r\n";
        const TRensClub* club = saison->RensClubs().ChercheRensClub(id);
        if (club) {
            int n = 0;
            auto rangee = [&](int texte, const std::string& cellule) {
                r += "  <tr bgcolor=\"" + H(n++ % 2 == 0 ? tc[1] : tc[2]) + "\">\r\n    <td>" +
                     H(Texte(texte)) + "</td>\r\n" + cellule + "\r\n";
            };
            auto texte = [&](const std::string& v) { return "    <td>" + H(v) + "&nbsp;</td></tr>"; };
            rangee(1011, texte(club->Creation));
            rangee(1012, texte(club->CouleurMaillot(0)));
            rangee(1013, texte(club->CouleurRechange(0)));
            if (!club->SiteInternet.empty()) {
                // only web addresses become links
                const std::string adresse = AdresseWeb(club->SiteInternet);
                if (!adresse.empty())
                    rangee(1017, "    <td><a href=\"" + Attribut(adresse) + "\">" + H(club->SiteInternet) + "</a></td></tr>");
                else
                    rangee(1017, texte(club->SiteInternet));
            }
            rangee(1018, texte(IntToStr(club->Budget)));
            rangee(1071, texte(club->Statut));
            if (!club->Stades().empty() && club->Stades()[0])
                rangee(1010, "    <td>" + H(club->Stades()[0]->NomStade) + "(" + H(club->Stades()[0]->Ville) +
                                 ")</td></tr>");
            rangee(1016, texte(club->President ? club->President->Prenom + " " + club->President->Nom : std::string()));
            if (!club->Entraineurs().empty() && club->Entraineurs()[0])
                rangee(1015, "    <td>" + H(club->Entraineurs()[0]->PrenomNom()) + "</td></tr>");
            if (!club->Palmares.empty())
                rangee(1014, "    <td width=\"300\">" + H(club->Palmares) + "</td></tr>");
            if (!club->Remarque.empty())
                rangee(1022, "    <td width=\"300\">" + H(club->Remarque) + "</td></tr>");
        }
        r += "</table>";
        return;
    }
    if (Nom == "EvolutionScoreEquipe") {
        const std::string lieu = LowerCase(Parametre("Lieu", Parametres, ""));
        const int place = lieu == "domicile" ? 2 : lieu == "exterieur" ? 3 : 1;
        const std::string couleur = H(Parametre("CouleurEcriture", Parametres, "#000080"));
        const TTextesSituations t = StatistiquesSituations(saison, id, {c}, 1, L, place);
        auto bloc = [&](size_t k) {
            std::string b = "<table><tr><td colspan=\"2\"><font color=\"" + couleur + "\">" + H(t[k]) +
                            "</font></td></tr>";
            for (size_t i = k + 1; i <= k + 3; ++i)
                b += "<tr><td>&nbsp;</td><td><font color=\"" + couleur + "\">" + H(t[i]) + "</font></td></tr>";
            return b + "</table>";
        };
        const int type = TypeEvolution(Parametre("TypeEvol", Parametres, ""));
        if (type >= 0) {
            r = bloc(static_cast<size_t>(type));
        } else if (type == -1) {
            const size_t blocs[5] = {0, 4, 8, 16, 20};
            r = "<table>";
            for (int i = 0; i < 5; i += 2) {
                r += "<tr><td>" + bloc(blocs[i]) + "</td><td width=\"40\">&nbsp;</td><td>";
                r += i + 1 < 5 ? bloc(blocs[i + 1]) + "</td></tr>" : std::string("&nbsp;</td></tr>");
            }
            r += "</table><br/><font color=\"" + couleur + "\">" + H(t[24]) + "<br/>" + H(t[25]) + "<br/></font>";
        } else {
            r = "<FONT COLOR=\"" + couleur + "\">" + H(t[24]) + "<BR>" + H(t[25]) + "<BR></FONT>";
        }
        return;
    }
    if (Nom == "TempsJeuEquipe" || Nom == "ClassementJoueurEquipe" || Nom == "PointPrisEquipe") {
        TColorGridModel g;
        if (Nom == "TempsJeuEquipe") {
            const int p = c->IndexEquipe(id);
            if (p < 0)
                return;
            sport.RemplitComposition(saison, p, g, 1, L, {c}, couleurs);
        } else if (Nom == "ClassementJoueurEquipe") {
            AfficheClassementEquipe(saison, id, nullptr, couleurs, g, 1, L, TypeParNom(Parametre("Type", Parametres, "")));
        } else {
            TablePointsPris(saison, id, {c}, 1, L, g, couleurs, 60);
        }
        g.TableHTML(tc, r, 0, "#FFFFFF");
        return;
    }
    // the chart functions
    if (Nom == "GraphClassementEquipe") {
        const std::string type = LowerCase(Parametre("Type", Parametres, ""));
        const int numero = type == "evolution" ? 1 : type == "but" || type == "point" ? 3 : 2;
        std::unique_ptr<TGraphe> g;
        if (numero == 1) {
            auto ligne = std::make_unique<TGraphLigne>(nullptr);
            ligne->SetBounds(0, 0, Borne(ParametreEntier("Largeur", Parametres, 400)),
                             Borne(ParametreEntier("Hauteur", Parametres, 400)));
            ligne->SetLegendeY("Points");
            ligne->SetEcrireY(false);
            ligne->ChangeNbCourbes(1);
            ligne->ChangeCouleurCourbe(0, Couleur(Parametres, "CouleurCourbe", "#0000FF"));
            ligne->SetNbPointY(80);
            ligne->SetNbPointX(std::max(L, 1));
            ligne->AjoutePoint(0, 0, 40);
            int v = 40;
            for (int j = 1; j <= L; ++j) {
                ParcourtMatchs(*c, j, j, id, [&](int jj, int k, bool dom) {
                    const TScoreMatch s = Score(*c, jj, k, dom);
                    if (s.Joue)
                        v += s.Nous > s.Eux ? 2 : s.Nous < s.Eux ? -2 : 0;
                });
                ligne->AjoutePoint(0, j, v);
            }
            g = std::move(ligne);
        } else {
            auto barre = std::make_unique<TGraphBarre>(nullptr);
            barre->SetBounds(0, 0, Borne(ParametreEntier("Largeur", Parametres, 450)),
                             Borne(ParametreEntier("Hauteur", Parametres, 180)));
            barre->ChangeNbCourbes(1);
            if (numero == 2) {
                barre->RemplaceY = std::make_unique<TLegendeRemplace>();
                barre->RemplaceY->Ajoute(1, "D");
                barre->RemplaceY->Ajoute(2, "N");
                barre->RemplaceY->Ajoute(3, "V");
                barre->SetNbPointY(3);
                barre->SetNbPointX(std::max(L, 1));
                const TColor cv = Couleur(Parametres, "CouleurVictoire", "#0000FF"),
                             cn = Couleur(Parametres, "CouleurNul", "#0000FF"),
                             cd = Couleur(Parametres, "CouleurDefaite", "#0000FF");
                ParcourtMatchs(*c, 1, L, id, [&](int j, int k, bool dom) {
                    const TScoreMatch s = Score(*c, j, k, dom);
                    if (!s.Joue)
                        return;
                    const int v = s.Nous > s.Eux ? 3 : s.Nous == s.Eux ? 2 : 1;
                    barre->AjoutePoint(0, j, v);
                    barre->ChangeCouleurPoint(0, j, CouleurGraphe(v == 3 ? cv : v == 2 ? cn : cd));
                });
            } else {
                barre->SetLegendeY(Texte(saison->Sport() == 0 ? 68 : 50));
                barre->SetNbPointX(std::max(3 * L, 1));
                barre->FacteurX = 3.0;
                barre->SetDecalLegende(true);
                const std::string pp = Parametre("CouleurPointPour", Parametres, "#0000FF");
                const std::string pc = Parametre("CouleurPointContre", Parametres, "#0000FF");
                const TColor cp = Couleur(Parametres, "CouleurButPour", pp), cc = Couleur(Parametres, "CouleurButContre", pc);
                for (int j = 1; j <= L; ++j) {
                    TScoreMatch s;
                    ParcourtMatchs(*c, j, j, id, [&](int jj, int k, bool dom) { s = Score(*c, jj, k, dom); });
                    barre->AjoutePoint(0, 3 * j - 3, 0);
                    barre->AjoutePoint(0, 3 * j - 2, s.Joue ? s.Nous : 0);
                    barre->AjoutePoint(0, 3 * j - 1, s.Joue ? s.Eux : 0);
                    barre->ChangeCouleurPoint(0, 3 * j - 2, CouleurGraphe(cp));
                    barre->ChangeCouleurPoint(0, 3 * j - 1, CouleurGraphe(cc));
                }
            }
            g = std::move(barre);
        }
        g->SetLegendeX(Texte(85));
        Contours(*g, Parametres);
        const std::string nom = "statequipe" + IntToStr(numero);
        SauveImagePNG(*g, nom, Couleur(Parametres, "CouleurFond", "#00306F"));
        r = Image(nom);
        return;
    }
    if (Nom == "AffluenceEquipe") {
        TGraphLigne g(nullptr);
        g.SetBounds(0, 0, Borne(ParametreEntier("Largeur", Parametres, 400)),
                    Borne(ParametreEntier("Hauteur", Parametres, 400)));
        Contours(g, Parametres);
        g.SetLegendeY(Texte(860));
        g.ChangeNbCourbes(3);
        const bool coupe = (c->Option(11) & 2) != 0;
        g.ChangeStyleCourbe(1, coupe ? 0 : 1);
        g.ChangeStyleCourbe(2, 0);
        g.ChangeSymbolesCourbe(0, true);
        g.ChangeSymbolesCourbe(1, true);
        g.ChangeCouleurCourbe(0, Couleur(Parametres, "CouleurDomicile", "#0000FF"));
        g.ChangeCouleurCourbe(1, Couleur(Parametres, "CouleurExterieur", "#FFFF00"));
        g.SetNbPointX(std::max(c->NbJour(), 1));
        g.SetNbPointY(10);
        ParcourtMatchs(*c, 1, L, id, [&](int j, int k, bool dom) {
            g.AjoutePoint(dom || coupe ? 0 : 1, j, c->AffluenceMatch(j, k + 1));
            g.AjoutePoint(2, j, Score(*c, j, k, dom).IdEux);
        });
        SauveImagePNG(g, "spect", Couleur(Parametres, "CouleurFond", "#00306F"));
        r = Image("spect");
        return;
    }
    // DetailButEquipe
    const int hauteur = Borne(ParametreEntier("Hauteur", Parametres, 180));
    const int largeur = Borne(ParametreEntier("Largeur", Parametres, 450));
    TGraphBarre a(nullptr), b(nullptr);
    for (TGraphBarre* g : {&a, &b}) {
        g->SetBounds(0, 0, largeur, hauteur / 2);
        Contours(*g, Parametres);
        g->SetLegendeY(Texte(818));
        g->SetLegendeX(Texte(92));
    }
    TRepartition rep{};
    CompteButsMarques(rep, true, *c, L, 1, id);
    sport.DessineRepartitionButs(a, b, rep, 26, c->TempsPeriode, c->TempsPeriodeProlongation, couleurs,
                                 Couleur(Parametres, "Couleur10Min", "#8080FF"),
                                 Couleur(Parametres, "Couleur5Min", "#B080FF"));
    SauveRepartitionPNG(a, b, Couleur(Parametres, "CouleurFond", "#00306F"));
    r = Image("repartequipe");
}

void EnregistreFonctionsStatEquipe()
{
    vues::EnregistreVue("Tf_StatEquipe", [](TComponent* o) -> TForm* { return new Tf_StatEquipeFoot(o); },
                        {{"ResultatEquipe", 2},
                         {"AffluenceEquipe", 2},
                         {"StatClassementEquipe", 2},
                         {"GraphClassementEquipe", 2},
                         {"TempsJeuEquipe", 2},
                         {"ClassementJoueurEquipe", 2},
                         {"PointPrisEquipe", 2},
                         {"EvolutionScoreEquipe", 2},
                         {"DetailButEquipe", 2},
                         {"AdminEquipe", 2}});
}
