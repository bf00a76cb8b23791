// The menu records of the main window and what is built from them: the menu
// tree on the left, the menu bar, the championships (tree, bar and popup), the
// favourites and their shortcuts.
#include <algorithm>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ActnList.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "shell/Globales.h"
#include "shell/Parametres.h"
#include "shell/w_Principale.h"

#include "platform/gui/Pictures.h"
#include "ui/Fond.h"

namespace {

constexpr int NiveauDerniers = 97;
constexpr int NiveauFavoris = 98;
constexpr int NiveauChampionnats = 99;
constexpr int NiveauBarre = 65535;

// The records, written in a compact form, one top-level group per line:
//   head: child; child; ...
// An entry is a caption text id (optionally +"suffix", or * for the text
// formatted with the product title), then ">command" when it has one, then
// "{FRBH}" for the sports (none: every sport), then "<a-b-c-d-e-f-g>" for the
// seven flags when they are not 2-2-1-1-2-2-2 (an entry that needs a season).
// Children are one tree level below the head; each leading "." one more.
// [D] the recent-files group, [F] the favourites group, [C] the championships.
// "m:" a top menu of the bar only; "s:" a group that is a submenu of the last
// "m:" line (one menu level deeper than its tree level).
const char* const MenuComplet[] = {
    "652<2-2-2-2-2-2-2>: 653>5<0-2-2-2-2-2-2>; 654>6<0-2-2-2-2-2-2>; 655>7<2-1-2-2-2-2-2>; 656>8<2-1-2-2-2-2-2>; "
    "657>9<0-1-2-2-2-2-2>; 983>11<0-2-2-2-2-2-2>; [D]; 659>12<2-2-2-2-2-2-2>; [F]",
    "m:664",
    "s:1260: 923>13; 924>14{F}; 1078>14{R}; 1079>16{R}; 866>15{FR}; 925>16{F}; 922>18{FR}; 1116>14{B}; 1117>17{B}; "
    "1117>14{H}; 472>147<2-2-2-1-2-2-2>; 937>148<2-2-2-1-2-2-2>; 1009>152{FR}<2-2-2-1-2-2-2>; "
    "1271>152{BH}<2-2-2-1-2-2-2>",
    "s:664: 1381>225; 700>19; 1046>20; 969; .971>27; .970>26; .972>28; .498>29{F}; .488>35{R}; .484>36{R}; "
    ".485>37{R}; .486>38{R}; .974>30{FR}; .975>31{FR}; .918>32{F}; .976>34{F}; .1107>34{R}; .1129>39{B}; "
    ".678>233{H}; .1539>252{H}; .1540>253{H}; 666>22; 667>23; 978>24; 664>21",
    "669: 682; .670>40<2-2-1-1-0-2-2>; .671>41<2-2-1-1-0-0-2>; .672>42<2-2-1-1-0-0-2>; .673>43<2-2-1-1-0-0-2>; "
    ".674>44{FBH}<2-2-1-1-0-2-2>; .675>45{FBH}<2-2-1-1-0-2-2>; .1085>44{R}<2-2-1-1-0-2-2>; "
    ".1087>46{R}<2-2-1-1-0-2-2>; .1086>45{R}<2-2-1-1-0-2-2>; .1088>47{R}<2-2-1-1-0-2-2>; .1127{B}; ..1118>52{B}; "
    "..1119>53{B}; ..1120>54{B}; .1128{BH}; ..1121>55{B}; ..1122>56{B}; ..650>57{B}; ..1292>61{B}; ..577>58{BH}; "
    "..578>59{B}; ..580>60{BH}; ..103>234{H}; ..1500>235{H}; ..1496>236{H}; .1549>237{H}; .981>64{F}; .982>65{F}; "
    ".1093>48{R}; .1094>49{R}; .1095>50{R}; .1096>51{R}; .676>62{FR}; .677>63<2-2-1-1-2-0-2>; 692; .678>66{F}; "
    ".679>67{F}; .680>68{F}; .681>69{F}; .778>70{F}; .816>33{F}; .299>71{F}; .922{F}; ..791>73{F}; ..692>72{F}; "
    ".1080>66{R}; .1081>74{R}; .1082>75{R}; .1083>76{R}; .1084>77{R}; .679>67{R}; .680>68{R}; .692>72{R}; "
    ".1179>85{BH}; .1127{BH}; ..1289>86{B}; ..1290>87{B}; ..1291>88{B}; ..1118>89{B}; ..1119>90{B}; ..1120>91{B}; "
    "..498>239{H}; ..1544>254{H}; ..1497>240{H}; ..1549>241{H}; ..1499>242{H}; .1128{BH}; ..1121>92{B}; "
    "..1122>93{B}; ..577>94{BH}; ..578>95{B}; ..1135>96{BH}; ..580>97{BH}; ..1136>98{B}; ..650>99{B}; "
    "..1292>100{B}; ..103>243{H}; ..1500>244{H}; ..1496>245{H}; 791{H}; .5151>255{H}; .1545>256{H}; .1533>257{H}; "
    ".1546>258{H}; .1499>259{H}; 3918{B}; .1127{B}; ..1289>102{B}; ..1290>103{B}; ..1291>104{B}; "
    "..1118>105{B}; ..1119>106{B}; ..1120>107{B}; .1128{B}; ..1121>108{B}; ..1122>109{B}; ..577>110{B}; "
    "..578>111{B}; ..1135>112{B}; ..580>113{B}; ..650>114{B}; ..1292>115{B}; 937{FRH}; .940>116{F}; .850>117{FR}; "
    ".104>118{FR}; .939>119{FR}; .1498>246{H}; .1500>247{H}; .1496>248{H}",
    "682<2-2-2-1-2-2-2>: 1482+\"...\">232<2-2-2-1-2-2-2>; 963>144<2-2-2-1-2-2-2>; 1324>220<2-2-2-1-2-2-2>; "
    "1230>145<2-2-2-1-2-2-2>; 683>121; 684>123; 961>130{FR}; 327>221{F}; 685>124{F}; 1110>124{R}; 686>125; "
    "687>128; 688>129; 979>122; 1007>131; 5503>143",
    "692<2-2-2-1-2-2-2>: 472>147<2-2-2-1-2-2-2>; 695>150<2-2-2-1-2-2-2>; 696>151<2-2-2-1-2-2-2>; "
    "1068>146<2-2-2-1-2-2-2>",
    "m:684",
    "s:697: 779>154<2-2-1-1-0-2-1>; 780>153<2-2-1-1-0-2-1>; 699>155<2-2-1-1-0-2-2>; 700>156; 701>157",
    "s:1261: 197>158; 703>159; 207>160",
    "s:473{FR}: 1224>137{FR}; 1225>138{FR}; 1226>139{FR}; 1227>140{FR}; 1228>141{FR}",
    "s:1263: 678>132{F}; 678>251{H}; 1602>260{H}; 1091>132{R}; 524>133{R}; 1129>78{B}; 1144>79{B}; 1145>80{B}; "
    "1146>81{B}; 1147>82{B}; 1148>83{B}; 690>135{FR}; 691>136{FR}; 1526>249{H}; 1527>250{H}; 1229>142",
    "s:1264: 1312>217{F}<2-2-1-1-2-2-1>; 1313>218{F}<2-2-1-1-2-2-1>; 986>161<2-2-1-1-2-2-1>; "
    "705>162<2-2-1-1-2-0-2>; 706>163<2-2-1-1-0-2-1>; 707>164{FR}<2-2-1-1-2-2-1>; 708>165{FH}<2-2-1-1-2-2-1>; "
    "1097>166{R}<2-2-1-1-2-2-1>; 1098>167{R}<2-2-1-1-2-2-1>; 1099>168{R}<2-2-1-1-2-2-1>; "
    "1100>169{RB}<2-2-1-1-2-2-1>; 58>134",
    "s:946: 709>172<2-2-1-2-2-2-2>; 950>170<2-2-1-1-2-2-1>; 989>173{FRH}<2-2-1-2-2-2-1>; 327>171{F}; "
    "947>174{F}<2-2-1-2-2-2-2>; 1107>174{R}<2-2-1-2-2-2-2>; 58>175<2-2-1-2-2-2-2>",
    "s:1030<0-2-2-2-2-2-2>: 1266>202<0-2-2-2-2-2-2>; 1031>199<0-2-2-2-2-2-2>; 1032>200<0-2-2-2-2-2-2>; "
    "1033>201<0-2-2-2-2-2-2>",
    "716: 531>196<0-2-1-2-2-2-2>; 1003; .1417>195<0-2-1-2-2-2-2>; 664; .1418>224<0-2-1-2-2-2-2>; "
    ".1417>223<0-2-1-2-2-2-2>; 453>192<0-1-1-1-2-2-2>",
    "10>1<2-2-1-2-2-2-2>: 872>193<0-2-1-2-2-2-2>; 1323>219<0-2-1-2-2-2-2>; 902>194<2-2-1-2-2-2-2>; [C]",
    "712>2<2-2-2-2-2-2-2>: 713>176<2-2-2-1-2-2-2>; 1382>226<2-2-2-1-2-2-2>; 1388>227<2-2-2-1-2-2-2>; "
    "1188>215<2-2-2-2-2-2-2>; 1243>177<2-2-2-2-2-2-2>; 1045>178<2-2-2-1-2-2-2>; 917>179<2-2-2-2-2-2-2>; "
    "1637+\"...\">261<2-2-2-2-2-2-2>; 913>180<2-2-2-2-2-2-2>; 1414>229<2-2-2-2-2-2-2>",
    "729>3<2-2-2-2-2-2-2>: 730>197<2-2-2-2-2-2-2>; 642*>198<2-2-2-2-2-2-2>",
};

// The simple menu: mostly top-level commands.
const char* const MenuSimplifie[] = {
    "652<2-2-2-2-2-2-2>: 654>6<0-2-2-2-2-2-2>; 655>7<2-1-2-2-2-2-2>; 656>8<2-1-2-2-2-2-2>; 657>9<0-1-2-2-2-2-2>; "
    "983>11<0-2-2-2-2-2-2>; [D]; 659>12<2-2-2-2-2-2-2>",
    "1404>13", "1405>14{F}", "1078>14{R}", "1406>15{FR}", "1116>14{B}", "1117>17{B}", "1381>225", "969>27", "667>23",
    "52>40<2-2-1-1-0-2-2>", "55>44{FB}<2-2-1-1-0-2-2>", "56>45{FB}<2-2-1-1-0-2-2>", "678>66{F}",
    "1087>46{R}<2-2-1-1-0-2-2>", "1088>47{R}<2-2-1-1-0-2-2>", "1080>66{R}", "1118>89{B}", "1119>90{B}", "1120>91{B}",
    "1407>123", "1408>132{F}", "1091>132{R}", "1129>78{B}", "472>147<2-2-2-1-2-2-2>", "695>150<2-2-2-1-2-2-2>",
    "700>156", "703>159", "708>165{F}<2-2-1-1-2-2-1>", "1097>166{R}<2-2-1-1-2-2-1>", "1100>169{B}<2-2-1-1-2-2-1>",
    "950>170<2-2-1-1-2-2-1>", "327>171{F}", "1046>20{F}",
    "716: 1411>196<0-2-1-2-2-2-2>",
    "10>1<2-2-1-2-2-2-2>: [C]",
    "712>2<2-2-2-2-2-2-2>: 713>176<2-2-2-1-2-2-2>; 1382>226<2-2-2-1-2-2-2>; 1045>178<2-2-2-1-2-2-2>; "
    "917>179<2-2-2-2-2-2-2>; 1637+\"...\">261<2-2-2-2-2-2-2>; 913>180<2-2-2-2-2-2-2>; 1413>228<2-2-2-2-2-2-2>",
    "729>3<2-2-2-2-2-2-2>: 730>197<2-2-2-2-2-2-2>; 642*>198<2-2-2-2-2-2-2>",
};

// One entry of the compact form.
struct TEntreeCompacte
{
    int Niveau = 0;
    int Texte = 0;
    std::string Suffixe;
    bool Formate = false;
    int Commande = 0;
    uint8_t Sports = 32;
    uint32_t Flags[7] = {2, 2, 1, 1, 2, 2, 2};
    char Special = 0;   // 'D', 'F', 'C'
};

TEntreeCompacte LitEntree(std::string t, int niveau)
{
    TEntreeCompacte e;
    t = Trim(t);
    while (!t.empty() && t[0] == '.')
    {
        ++niveau;
        t.erase(0, 1);
    }
    e.Niveau = niveau;
    if (t.size() == 3 && t[0] == '[')
    {
        e.Special = t[1];
        for (auto& f : e.Flags)
            f = 2;
        return e;
    }
    size_t i = 0;
    auto nombre = [&] {
        int v = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            v = v * 10 + (t[i++] - '0');
        return v;
    };
    e.Texte = nombre();
    while (i < t.size())
    {
        const char c = t[i++];
        if (c == '*')
            e.Formate = true;
        else if (c == '+' && i < t.size() && t[i] == '"')
        {
            const size_t fin = t.find('"', i + 1);
            e.Suffixe = t.substr(i + 1, fin - i - 1);
            i = fin + 1;
        }
        else if (c == '>')
            e.Commande = nombre();
        else if (c == '{')
        {
            e.Sports = 0;
            for (; i < t.size() && t[i] != '}'; ++i)
                e.Sports |= static_cast<uint8_t>(1u << std::string("FRBH").find(t[i]));
            ++i;
        }
        else if (c == '<')
            for (int k = 0; k < 7; ++k)
            {
                e.Flags[k] = static_cast<uint32_t>(nombre());
                ++i;   // '-' or '>'
            }
    }
    return e;
}

void Decoupe(const std::string& ligne, std::string& tete, std::vector<std::string>& enfants)
{
    enfants.clear();
    const size_t deuxPoints = ligne.find(": ");
    tete = ligne.substr(0, deuxPoints);
    if (deuxPoints == std::string::npos)
        return;
    std::string reste = ligne.substr(deuxPoints + 2);
    size_t debut = 0;
    while (debut <= reste.size())
    {
        size_t fin = reste.find("; ", debut);
        if (fin == std::string::npos)
            fin = reste.size();
        enfants.push_back(reste.substr(debut, fin - debut));
        debut = fin + 2;
    }
}

bool SportAccepte(uint8_t sports, int sport)
{
    return (sports & 32) || (sport >= 0 && sport < 4 && (sports & (1u << sport)));
}

}  // namespace

void Tf_Principale::NouvelleEntreeMenu(uint8_t sports, int niveau, const uint32_t (&flags)[7], uint16_t commande,
                                       const std::string& libelle, int profondeur)
{
    auto e = std::make_unique<TRetourMenu>();
    e->Sports = sports;
    e->Position = (static_cast<uint32_t>(profondeur == -1 ? niveau : profondeur) << 16) + static_cast<uint32_t>(niveau);
    for (int i = 0; i < 7; ++i)
        e->Flags[i] = flags[i];
    e->Commande = commande;
    e->Libelle = libelle;
    Entrees.push_back(std::move(e));
}

namespace {
void ConstruitEntrees(Tf_Principale& f, const char* const* lignes, size_t n)
{
    f.Entrees.clear();
    bool sousMenu = false;
    for (size_t k = 0; k < n; ++k)
    {
        std::string ligne = lignes[k];
        std::string tete;
        std::vector<std::string> enfants;
        if (ligne.rfind("m:", 0) == 0)
        {
            const TEntreeCompacte e = LitEntree(ligne.substr(2), 0);
            f.NouvelleEntreeMenu(e.Sports, NiveauBarre, e.Flags, static_cast<uint16_t>(e.Commande), Traduire(e.Texte),
                                 0);
            sousMenu = true;
            continue;
        }
        const bool sous = ligne.rfind("s:", 0) == 0;
        if (sous)
            ligne = ligne.substr(2);
        else
            sousMenu = false;
        const int decalage = sous && sousMenu ? 1 : 0;
        Decoupe(ligne, tete, enfants);
        std::vector<TEntreeCompacte> entrees{LitEntree(tete, 0)};
        for (const auto& t : enfants)
            entrees.push_back(LitEntree(t, 1));
        for (const auto& e : entrees)
        {
            switch (e.Special)
            {
            case 'D': f.NouvelleEntreeMenu(32, NiveauDerniers, e.Flags, 0, "", 1 + decalage); continue;
            case 'F': f.NouvelleEntreeMenu(32, NiveauFavoris, e.Flags, 0, "", 0); continue;
            case 'C': f.NouvelleEntreeMenu(32, NiveauChampionnats, e.Flags, 0, "", 1 + decalage); continue;
            default: break;
            }
            std::string libelle = e.Formate ? TraduireFormat(e.Texte, {f.Titre}) : Traduire(e.Texte);
            libelle += e.Suffixe;
            f.NouvelleEntreeMenu(e.Sports, e.Niveau, e.Flags, static_cast<uint16_t>(e.Commande), libelle,
                                 decalage ? e.Niveau + decalage : -1);
        }
    }
}
}  // namespace

void Tf_Principale::ConstruitMenu()
{
    ConstruitEntrees(*this, MenuComplet, std::size(MenuComplet));
}

void Tf_Principale::ConstruitMenuSimple()
{
    ConstruitEntrees(*this, MenuSimplifie, std::size(MenuSimplifie));
}

bool Tf_Principale::EntreeVisible(const TRetourMenu& e) const
{
    auto teste = [](uint32_t flag, bool etat) { return flag == 2 || (flag == 1) == etat; };
    if (!teste(e.Flags[1], EtatMenuB) || !teste(e.Flags[2], EtatMenuA) || !teste(e.Flags[3], EtatMenuA || EtatMenuB))
        return false;
    if (!Saison)
        return true;
    // A season without a current championship answers as one with every flag clear.
    const TDonneesChampionnat* c = Saison->ChampionnatCourant();
    const bool coupeDecidee = c && (c->Types() & 2);
    const uint16_t options = c ? c->Option(11) : 0;
    if (!teste(e.Flags[4], coupeDecidee) || !teste(e.Flags[5], (options & 2) != 0))
        return false;
    // The seventh flag reads the other way round: 1 when the date system is off.
    return e.Flags[6] == 2 || (e.Flags[6] == 1) == ((options & 8) == 0);
}

void Tf_Principale::RafraichitMenu(bool a, bool b)
{
    EtatMenuA = a;
    EtatMenuB = b;
    Construction = true;
    RemplitMenus();
    if (!MenuGauche)
    {
        NoeudDerniers = NoeudChampionnats = Noeud205 = NoeudAide = nullptr;
        GroupeDerniers = false;
    }
    fc_Menu->SetVisible(MenuGauche);
    sp_Menu->SetVisible(MenuGauche);
    if (MenuGauche)
    {
        // The menu panel widens (never narrows) to show its longest entry
        // whole, up to a third of the window.
        TBitmap mesure(1, 1);
        mesure.Canvas().Font = tv_Menu->Font();
        mesure.Canvas().Font.SetStyle(fsBold);
        int largeur = 0;
        for (TTreeNode* n = tv_Menu->Items().GetFirstNode(); n; n = n->GetNext())
            largeur = std::max(largeur, (n->Level() + 1) * tv_Menu->Indent() + mesure.Canvas().TextWidth(n->Text()));
        const int voulue = std::min(largeur + 20 + 24, std::max(200, ClientWidth() / 3));
        if (voulue > fc_Menu->Width())
            fc_Menu->SetWidth(voulue);
    }
    if (!MenuHaut && !MenuSimple)
    {
        MenuDerniers = MenuChampionnats = Menu205 = MenuOptions = nullptr;
        GroupeMenuDerniers = false;
    }
    Construction = false;
    tv_Menu->Invalidate();
}

TMenuItem* Tf_Principale::AjouteMenuItem(const std::string& caption, uint32_t id, std::vector<TMenuItem*>* hauts,
                                         TMenuItem* parent)
{
    auto* mi = new TMenuItem(this);
    mi->SetCaption(caption);
    mi->Tag = static_cast<intptr_t>(id);
    if (id != 65535)
        mi->OnClick = [this, mi](TObject*) {
            int p = -1;
            MenuDispatch(mi->Caption(), static_cast<uint32_t>(mi->Tag), nullptr, p, true);
        };
    if (parent)
        parent->Add(mi);
    else if (hauts)
        hauts->push_back(mi);
    return mi;
}

void Tf_Principale::RemplitMenus()
{
    const bool arbre = MenuGauche;
    const bool barre = MenuHaut && !MenuSimple;
    ++generationMenu_;
    TTreeNodes& nodes = tv_Menu->Items();
    if (arbre)
    {
        tv_Menu->BeginInternalChange();
        nodes.BeginUpdate();
        nodes.Clear();
    }
    NoeudDerniers = NoeudChampionnats = Noeud205 = NoeudAide = nullptr;
    NoeudImpression = NoeudHTML = nullptr;
    GroupeDerniers = false;
    MenuDerniers = MenuChampionnats = Menu205 = MenuOptions = nullptr;
    GroupeMenuDerniers = false;
    const std::vector<int> caches = LitListeCommandes(TIniFile(IniFileName()).ReadString("General", "FavorisEx", ""));
    const std::vector<int> favoris = LitListeCommandes(TIniFile(IniFileName()).ReadString("General", "Favoris", ""));
    auto cache = [&](int id) { return std::find(caches.begin(), caches.end(), id) != caches.end(); };

    TTreeNode* parents[5] = {};
    TMenuItem* parentsBarre[5] = {};
    std::vector<TMenuItem*> hauts;
    // Forgets the parents from a level on; a group that got no child goes with them.
    auto oublie = [&](int depuis) {
        for (int j = 4; j >= std::max(depuis, 0); --j)
        {
            if (TTreeNode* p = parents[j]; p && !p->HasChildren() && p->Data < 5)
            {
                for (TTreeNode** r : {&NoeudDerniers, &NoeudChampionnats, &Noeud205, &NoeudAide})
                    if (*r == p)
                        *r = nullptr;
                nodes.Delete(p);
            }
            parents[j] = nullptr;
        }
    };
    auto oublieBarre = [&](int depuis) {
        for (int j = 4; j >= std::max(depuis, 0); --j)
        {
            if (TMenuItem* p = parentsBarre[j]; p && p->Count() == 0 && p->Tag < 5)
            {
                for (TMenuItem** r : {&MenuDerniers, &MenuChampionnats, &Menu205, &MenuOptions})
                    if (*r == p)
                        *r = nullptr;
                if (p->Parent())
                    p->Parent()->Remove(p);
                hauts.erase(std::remove(hauts.begin(), hauts.end(), p), hauts.end());
                p->Free();
            }
            parentsBarre[j] = nullptr;
        }
    };
    auto parentDe = [&](int niveau) { return niveau <= 0 ? nullptr : parents[std::min(niveau, 5) - 1]; };
    auto parentBarreDe = [&](int p) { return p <= 0 ? nullptr : parentsBarre[std::min(p, 5) - 1]; };

    for (const auto& e : Entrees)
    {
        if (!SportAccepte(e->Sports, Sport))
            continue;
        const int niveau = e->NiveauArbre();
        const int profondeur = e->ProfondeurMenu();
        if (niveau == NiveauChampionnats)
            continue;   // filled below from the season's competitions
        if (niveau == NiveauDerniers)
        {
            if (arbre)
            {
                NoeudDerniers = parents[0];
                if (DerniersFichiers.Count() > 0 && parents[0])
                {
                    NoeudDerniers = nodes.AddChildObject(parents[0], Traduire(1297), 4);
                    GroupeDerniers = true;
                    for (int k = 1; k <= DerniersFichiers.Count(); ++k)
                        nodes.AddChildObject(NoeudDerniers, FileNameToText(ExtractFileName(DerniersFichiers[k - 1])),
                                             (static_cast<intptr_t>(k) << 16) + 65535);
                }
            }
            if (barre)
            {
                MenuDerniers = parentBarreDe(profondeur);
                if (DerniersFichiers.Count() > 0 && MenuDerniers)
                {
                    MenuDerniers = AjouteMenuItem(Traduire(1297), 4, nullptr, MenuDerniers);
                    GroupeMenuDerniers = true;
                    for (int k = 1; k <= DerniersFichiers.Count(); ++k)
                        AjouteMenuItem(FileNameToText(ExtractFileName(DerniersFichiers[k - 1])),
                                       (static_cast<uint32_t>(k) << 16) + 65535, nullptr, MenuDerniers);
                }
            }
            continue;
        }
        if (niveau == NiveauFavoris)
        {
            if (favoris.empty())
                continue;
            TTreeNode* groupe = arbre ? nodes.AddChildObject(nullptr, Traduire(1187), 4) : nullptr;
            TMenuItem* groupeBarre = barre ? AjouteMenuItem(Traduire(1187), 4, &hauts, nullptr) : nullptr;
            for (size_t k = 0; k < favoris.size(); ++k)
            {
                const TRetourMenu* trouve = nullptr;
                // Only a command of the open season's sport that is shown now:
                // another sport's page or a season command without a season
                // must not be reachable through a favourite.
                for (const auto& r : Entrees)
                    if (r->Commande == favoris[k] && r->Commande >= 5 && r->NiveauArbre() < NiveauDerniers &&
                        SportAccepte(r->Sports, Sport) && EntreeVisible(*r))
                    {
                        trouve = r.get();
                        break;
                    }
                if (!trouve)
                    continue;
                std::string libelle = trouve->Libelle;
                if (k < 9)
                    libelle += " (ctrl+" + IntToStr(static_cast<long long>(k) + 1) + ")";
                else if (k == 9)
                    libelle += " (ctrl+0)";
                if (groupe)
                    nodes.AddChildObject(groupe, libelle, favoris[k]);
                if (groupeBarre)
                    AjouteMenuItem(libelle, static_cast<uint32_t>(favoris[k]), nullptr, groupeBarre);
            }
            continue;
        }
        if ((e->Commande >= 5 && cache(e->Commande)) || !EntreeVisible(*e))
            continue;
        if (arbre && niveau < 5)
        {
            oublie(niveau);
            TTreeNode* n = nodes.AddChildObject(parentDe(niveau), e->Libelle, e->Commande);
            parents[niveau] = n;
            if (e->Commande == 205)
                Noeud205 = n;
            else if (e->Commande == 1)
                NoeudChampionnats = n;
            else if (e->Commande == 3)
                NoeudAide = n;
        }
        if (barre && profondeur < 5)
        {
            oublieBarre(profondeur);
            TMenuItem* mi = AjouteMenuItem(e->Libelle, e->Commande, &hauts, parentBarreDe(profondeur));
            parentsBarre[profondeur] = mi;
            if (e->Commande == 205)
                Menu205 = mi;
            else if (e->Commande == 1)
                MenuChampionnats = mi;
            else if (e->Commande == 2)
                MenuOptions = mi;
        }
    }
    if (arbre)
        oublie(0);
    if (barre)
        oublieBarre(0);

    // Merge the new top items into the bar: a top menu of the same caption
    // keeps its place and takes the new children.
    TMenuItem* racine = mm_Menu->Items();
    int p = 0;
    for (TMenuItem* nouveau : hauts)
    {
        TMenuItem* ancien = p < racine->Count() ? racine->Items(p) : nullptr;
        if (ancien && StripHotkey(ancien->Caption()) == StripHotkey(nouveau->Caption()))
        {
            ancien->Clear();
            while (nouveau->Count() > 0)
            {
                TMenuItem* enfant = nouveau->Items(0);
                nouveau->Remove(enfant);
                ancien->Add(enfant);
            }
            ancien->Tag = nouveau->Tag;
            ancien->OnClick = nouveau->OnClick;
            for (TMenuItem** r : {&MenuDerniers, &MenuChampionnats, &Menu205, &MenuOptions})
                if (*r == nouveau)
                    *r = ancien;
            nouveau->Free();
        }
        else
            racine->Insert(p, nouveau);
        ++p;
    }
    while (racine->Count() > p)
        racine->Delete(racine->Count() - 1);
    MenuImpression = MenuHTML = nullptr;
    SetMenu(barre && racine->Count() > 0 ? mm_Menu : nullptr);

    InsereChampionnats();
    if (arbre)
    {
        for (TTreeNode* n = nodes.GetFirstNode(); n; n = n->getNextSibling())
            n->Expand(true);
        nodes.EndUpdate();
        tv_Menu->EndInternalChange();
    }
}

// ---- championships -----------------------------------------------------------------------------

namespace {
// One node of the championships part of the menus.
struct TNoeudChampionnat
{
    int Parent;   // index in the list, -1 under the championships group
    std::string Libelle;
    uint32_t Id;
};
}  // namespace

void Tf_Principale::InsereChampionnats()
{
    // The previous championships and their groups go.
    if (NoeudChampionnats)
    {
        for (int i = NoeudChampionnats->Count() - 1; i >= 0; --i)
            if (NoeudChampionnats->Item(i)->Data >= 65535)
                tv_Menu->Items().Delete(NoeudChampionnats->Item(i));
    }
    if (MenuChampionnats)
        for (int i = MenuChampionnats->Count() - 1; i >= 0; --i)
            if (MenuChampionnats->Items(i)->Tag >= 65535)
                MenuChampionnats->Delete(i);
    PopupMenu1->Items()->Clear();
    TitresChampionnats.Clear();
    if (!Saison)
        return;

    // The season's competitions, depth first: a competition is a group; a
    // division group only when it holds more than one node; a championship.
    const std::string libelleGroupeRacine = NoeudChampionnats ? NoeudChampionnats->Text() : Traduire(10);
    std::vector<TNoeudChampionnat> liste;
    std::function<void(const TDescNoeud&, int)> parcours = [&](const TDescNoeud& noeud, int parent) {
        for (int i = 0; i < noeud.NbEnfant(); ++i)
        {
            const TDescNoeud& n = *noeud.Enfant(i);
            if (TDonneesChampionnat* c = n.Championnat())
            {
                const std::string nom = n.NomAffiche();
                liste.push_back({parent, nom, static_cast<uint32_t>(c->CodeChamp) << 16});
                std::string prefixe;
                std::string groupe = libelleGroupeRacine;
                if (parent >= 0)
                {
                    groupe = liste[parent].Libelle;
                    if (liste[parent].Parent >= 0)
                        prefixe = liste[liste[parent].Parent].Libelle + " - ";
                }
                TitresChampionnats.AddObject(DeuxPoints(prefixe + groupe, nom), c->CodeChamp);
                continue;
            }
            const bool groupe = n.Niveau() <= 1 || n.NbEnfant() > 1;
            if (groupe && n.NbEnfant() > 0)
            {
                liste.push_back({parent, n.NomAffiche(), 65535});
                parcours(n, static_cast<int>(liste.size()) - 1);
            }
            else
                parcours(n, parent);
        }
    };
    parcours(Saison->Arbre().Racine(), -1);

    if (NoeudChampionnats)
    {
        std::vector<TTreeNode*> faits;
        for (const auto& e : liste)
            faits.push_back(tv_Menu->Items().AddChildObject(e.Parent < 0 ? NoeudChampionnats : faits[e.Parent],
                                                            e.Libelle, static_cast<intptr_t>(e.Id)));
        NoeudChampionnats->Expand(true);
    }
    auto remplit = [&](TMenuItem* racine) {
        std::vector<TMenuItem*> faits;
        for (const auto& e : liste)
            faits.push_back(AjouteMenuItem(e.Libelle, e.Id, nullptr, e.Parent < 0 ? racine : faits[e.Parent]));
    };
    if (MenuChampionnats)
        remplit(MenuChampionnats);
    remplit(PopupMenu1->Items());
}

// ---- tree ---------------------------------------------------------------------------------

void Tf_Principale::tv_MenuChanging(TObject*, TTreeNode* Node, bool& AllowChange)
{
    if (!Node)
        return;
    int param = -1;
    const unsigned generation = generationMenu_;
    const bool permis = MenuDispatch(Node->Text(), static_cast<uint32_t>(Node->Data), Node, param, true);
    // A command that rebuilt the tree took the node with it.
    AllowChange = permis && generation == generationMenu_;
}

void Tf_Principale::tv_MenuMouseMove(TObject*, TShiftState, int X, int Y)
{
    tv_Menu->SetHint("");
    tv_Menu->SetShowHint(false);
    TTreeNode* n = tv_Menu->GetNodeAt(X, Y);
    if (!n)
        return;
    const uint32_t id = static_cast<uint32_t>(n->Data);
    const int k = static_cast<int>(id >> 16) - 1;
    if ((id & 0xFFFF) == 0xFFFF && id > 0xFFFF && k >= 0 && k < DerniersFichiers.Count())
    {
        tv_Menu->SetHint(FileNameToText(DerniersFichiers[k]));
        tv_Menu->SetShowHint(true);
        return;
    }
    // An entry the panel cuts is read whole on hover.
    const TRect r = n->DisplayRect(true);
    if (r.Left < 0 || r.Right > tv_Menu->ClientWidth())
    {
        tv_Menu->SetHint(n->Text());
        tv_Menu->SetShowHint(true);
    }
}

void Tf_Principale::tv_MenuCustomDrawItem(TTreeView* Sender, TTreeNode* Node, TCustomDrawState State,
                                         bool& DefaultDraw)
{
    DefaultDraw = true;
    // The selected node keeps the highlight's own text colour: readable on it.
    if (Construction || !Node || (State & cdsSelected))
        return;
    static const int commandesSimples[] = {20, 40, 44, 45, 66, 156, 159, 165, 170, 171, 172, 217};
    int couleur;
    const intptr_t id = Node->Data;
    if (id < 5)
        couleur = id == 4 ? 13 : 11;
    else if (Node->Parent())
        couleur = Node->Parent()->Data == 4 ? 14 : 12;
    else if (MenuSimple && std::find(std::begin(commandesSimples), std::end(commandesSimples), id) !=
                               std::end(commandesSimples))
        couleur = 14;
    else
        couleur = 12;
    if (const TColor* c = Couleurs.Couleur(couleur))
        Sender->Canvas().Font.SetColor(*c);
}

// ---- favourites ---------------------------------------------------------------------------------

void Tf_Principale::Action1Execute(TObject* Sender)
{
    auto* action = dynamic_cast<TComponent*>(Sender);
    if (!action)
        return;
    const std::vector<int> favoris = LitListeCommandes(TIniFile(IniFileName()).ReadString("General", "Favoris", ""));
    const size_t k = static_cast<size_t>(action->Tag - 1);
    if (action->Tag < 1 || k >= favoris.size())
        return;
    // A favourite that the menus do not show (another sport, no season) is not run.
    for (const auto& r : Entrees)
        if (r->Commande == favoris[k] && r->Commande >= 5 && r->NiveauArbre() < NiveauDerniers &&
            SportAccepte(r->Sports, Sport) && EntreeVisible(*r))
        {
            int p = -1;
            MenuDispatch("", static_cast<uint32_t>(favoris[k]), nullptr, p, true);
            return;
        }
}

std::unique_ptr<TStringList> Tf_Principale::ListeFonctions()
{
    auto l = std::make_unique<TStringList>();
    for (const auto& e : Entrees)
    {
        const int niveau = e->NiveauArbre();
        if (niveau >= NiveauDerniers || !SportAccepte(e->Sports, Sport))
            continue;
        const intptr_t objet = e->Commande >= 5 ? e->Commande + ((niveau + 1) << 16) : (niveau + 1) << 16;
        l->AddObject(e->Libelle, objet);
    }
    return l;
}

void Tf_Principale::ChoisitMenuSimple(bool simple)
{
    MenuSimple = simple;
    if (simple)
        ConstruitMenuSimple();
    else
        ConstruitMenu();
    TIniFile(IniFileName()).WriteInteger("General", "MenuSimple", simple ? 1 : 0);
    RafraichitMenu(EtatMenuA, EtatMenuB);
    InitialiseChampionnats();
}
