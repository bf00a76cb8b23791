#include "setup/w_OptionSports.h"

#include <algorithm>
#include <charconv>

#include "model/ChampionnatStat.h"
#include "model/Saison.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Grids.h"
#include "platform/rtl/Strings.h"
#include "setup/Controles.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/message2.h"

using namespace setup;

namespace {

void Criteres(Tf_Option& f, std::initializer_list<std::pair<int, int>> criteres)
{
    for (auto [texte, numero] : criteres)
        f.AjouteCritere(texte, numero);
}

}  // namespace

// ---- football and rugby -----------------------------------------------------------------------

Tf_OptionFoot::Tf_OptionFoot(TComponent* AOwner) : Tf_Option(AOwner)
{
    Criteres(*this, {{542, 1}, {543, 3}, {544, 4}, {545, 7}, {546, 8}, {547, 9}, {548, 10}, {549, 11}, {550, 13},
                     {551, 14}, {552, 17}, {553, 18}, {554, 19}, {555, 20}, {1214, 21}});
    Label41->SetCaption(Traduire(1219));
    Label53->SetCaption(Traduire(1221));
}

Tf_OptionRugby::Tf_OptionRugby(TComponent* AOwner) : Tf_Option(AOwner)
{
    Criteres(*this, {{556, 1},  {557, 2},  {558, 3},  {559, 4},  {560, 5},  {561, 6},  {545, 7},
                     {546, 8},  {547, 9},  {548, 10}, {562, 11}, {563, 12}, {564, 13}, {565, 14},
                     {566, 15}, {567, 16}, {552, 17}, {553, 18}, {554, 19}, {555, 20}, {1214, 21}});
    Label41->SetCaption(Traduire(1223));
    Label53->SetCaption(Traduire(1222));
}

// ---- basketball and handball ------------------------------------------------------------------

Tf_OptionStat::Tf_OptionStat(TComponent* AOwner) : Tf_Option(AOwner)
{
    ts_DonneesSaisies = new TTabSheet(this);
    ts_DonneesSaisies->SetName("ts_DonneesSaisies");
    ts_DonneesSaisies->SetPageControl(PageControl1);
    ts_DonneesSaisies->SetCaption(Traduire(1159));
}

void Tf_OptionStat::PrepareDisposition(int texte1, int texte2, int texte3)
{
    for (TControl* c : std::initializer_list<TControl*>{Label50, UpDown34, UpDown34->Associate(), Label51, UpDown35,
                                                         UpDown35->Associate()})
        c->SetVisible(false);
    // the two entry boxes move up into the hidden row, one above the other
    cb_NumMaillot->SetTop(34);
    cb_Preremplir->SetTop(60);
    FondParamClassement->SetHeight(211);
    Label42->SetCaption(Traduire(texte1));
    Label43->SetCaption(Traduire(texte2));
    Label44->SetCaption(Traduire(texte3));
}

void Tf_OptionStat::CreeStatistiques(TWinControl* page5, int haut5,
                                     const std::vector<std::pair<const char*, int>>& interrupteurs,
                                     const std::vector<std::pair<std::string, std::pair<TPoids, TPoids>>>& paires,
                                     const std::vector<std::pair<int, TPoids>>& simples, size_t autresEntetes,
                                     std::pair<int, int> entetes)
{
    FondCopie4 = Fond(this, ts_DonneesSaisies, "FondCopie4", 4, 4, 528, 130);
    for (size_t k = 0; k < interrupteurs.size(); ++k) {
        const int x = k < 6 ? 8 : 270, y = 6 + 20 * static_cast<int>(k % 6);
        Interrupteurs.push_back(Coche<TCarreCoche>(this, FondCopie4, interrupteurs[k].first,
                                                   Traduire(interrupteurs[k].second), x, y, 250));
    }
    const size_t lignes = paires.size() + (autresEntetes > 0 ? 1 : 0);
    const int hauteur = 32 + 22 * static_cast<int>(std::max(lignes, simples.size()));
    FondCopie5 = Fond(this, page5, "FondCopie5", 4, haut5, 528, hauteur);
    Libelle(this, FondCopie5, "Label31", Traduire(1178), 196, 6, 56);
    Libelle(this, FondCopie5, "Label32", Traduire(1177), 252, 6, 56);
    const char* nomsLignes[] = {"Label33", "Label34", "Label61", "Label35"};
    for (size_t i = 0; i < paires.size(); ++i) {
        const size_t ligne = autresEntetes > 0 && i >= autresEntetes ? i + 1 : i;
        const int y = 28 + 22 * static_cast<int>(ligne);
        if (autresEntetes > 0 && i == autresEntetes) {
            Libelle(this, FondCopie5, "Label31g", Traduire(entetes.first), 196, y - 22 + 6, 56);
            Libelle(this, FondCopie5, "Label32g", Traduire(entetes.second), 252, y - 22 + 6, 66);
        }
        Libelle(this, FondCopie5, i < 4 ? nomsLignes[i] : "", paires[i].first, 8, y + 2, 188);
        const TPoids& a = paires[i].second.first;
        const TPoids& b = paires[i].second.second;
        Poids.emplace_back(a.Code, Nombre(FondCopie5, a.Nom, 196, y, a.Min, a.Max, a.Defaut, 38));
        Poids.emplace_back(b.Code, Nombre(FondCopie5, b.Nom, 252, y, b.Min, b.Max, b.Defaut, 38));
    }
    for (size_t i = 0; i < simples.size(); ++i) {
        const int y = 28 + 22 * static_cast<int>(i);
        const TPoids& p = simples[i].second;
        Libelle(this, FondCopie5, "", Traduire(simples[i].first), 318, y + 2, 150);
        Poids.emplace_back(p.Code, Nombre(FondCopie5, p.Nom, 470, y, p.Min, p.Max, p.Defaut, 38));
    }
}

TUpDown* Tf_OptionStat::Poids_(int code) const
{
    for (const auto& [c, u] : Poids)
        if (c == code)
            return u;
    return nullptr;
}

void Tf_OptionStat::Charge()
{
    Tf_Option::Charge();
    const auto* c = dynamic_cast<const TDonneesChampionnatStat*>(Championnat);
    if (!c)
        return;
    for (size_t k = 0; k < Interrupteurs.size(); ++k)
        Interrupteurs[k]->SetChecked(c->StatActive(static_cast<int>(k) + 1) != 0);
    for (const auto& [code, u] : Poids)
        u->SetPosition(c->ValeurEval(code));
    UpDown14->SetPosition(c->Option(16));
    UpDown15->SetPosition(c->Option(17));
    UpDown16->SetPosition(c->Option(18));
}

void Tf_OptionStat::Affiche(bool integre, uint8_t groupe)
{
    Tf_Option::Affiche(integre, groupe);
    if (integre)
        if (TFondModele* bleu = Dessin ? Dessin->Fond("FondCarrebleu") : nullptr) {
            FondCopie4->SetModele(bleu);
            FondCopie5->SetModele(bleu);
        }
    ts_DonneesSaisies->SetTabVisible(groupe != 2);
}

void Tf_OptionStat::EcritStatActive(int k, int valeur)
{
    auto* c = dynamic_cast<TDonneesChampionnatStat*>(Championnat);
    if (c && c->StatActive(k) != valeur) {
        c->SetStatActive(k, valeur);
        Modifie = 1;
    }
}

void Tf_OptionStat::EcritValeurEval(int code, int valeur)
{
    auto* c = dynamic_cast<TDonneesChampionnatStat*>(Championnat);
    if (c && c->ValeurEval(code) != valeur) {
        c->SetValeurEval(code, valeur);
        Modifie = 1;
    }
}

void Tf_OptionStat::Ecrit()
{
    Tf_Option::Ecrit();
    if (Groupe != 0 && Groupe != 1)
        return;
    EcritOption(16, Position(UpDown14));
    EcritOption(17, Position(UpDown15));
    EcritOption(18, Position(UpDown16));
    for (size_t k = 0; k < Interrupteurs.size(); ++k)
        EcritStatActive(static_cast<int>(k) + 1, Interrupteurs[k]->Checked() ? 1 : 0);
    for (const auto& [code, u] : Poids)
        EcritValeurEval(code, Position(u));
}

// ---- basketball -------------------------------------------------------------------------------

Tf_OptionBasket::Tf_OptionBasket(TComponent* AOwner) : Tf_OptionStat(AOwner)
{
    Criteres(*this, {{1612, 26}, {556, 1}, {558, 3}, {559, 4}, {545, 7}, {548, 10}, {1214, 21}, {1613, 22},
                     {562, 11}, {564, 13}, {565, 14}, {552, 17}, {555, 20}});
    p_Bonus->SetVisible(false);
    PrepareDisposition(1286, 1287, 1288);
    p_NbTir->SetVisible(true);
    ts_Evaluation = new TTabSheet(this);
    ts_Evaluation->SetName("ts_Evaluation");
    ts_Evaluation->SetPageControl(PageControl1);
    ts_Evaluation->SetCaption(Traduire(1179));
    CreeStatistiques(ts_Evaluation, 4,
                     {{"cc_Points", 1149}, {"cc_2pts", 1150}, {"cc_3pts", 1151}, {"cc_lf", 1152},
                      {"cc_Rebond", 1153}, {"cc_passeur", 1154}, {"cc_interception", 1155}, {"cc_Contres", 1156},
                      {"cc_BP", 1157}, {"cc_Fautes", 1158}, {"cc_FautesProvoquees", 1294}},
                     {{Traduire(1174), {{0, "ud_2pt", 0, 99, 0}, {1, "ud_2ptmanque", -99, 9, 0}}},
                      {Traduire(1175), {{2, "ud_3pt", 0, 99, 0}, {3, "ud_3ptmanque", -99, 9, 0}}},
                      {Traduire(1176), {{4, "ud_lf", 0, 99, 0}, {5, "ud_lfmanque", -99, 99, 0}}}},
                     {{1121, {6, "ud_RebOff", -99, 99, 1}},
                      {1122, {7, "ud_RebDef", -99, 99, 0}},
                      {650, {8, "ud_Faute", -99, 99, 0}},
                      {578, {9, "ud_Contre", -99, 99, 0}},
                      {1292, {10, "ud_FauteProv", -99, 99, 0}},
                      {299, {11, "ud_Pd", -99, 99, 0}},
                      {577, {12, "ud_Inter", -99, 99, 0}},
                      {580, {13, "ud_Bp", -99, 99, -1}}});
    const int haut = FondCopie5->Top() + FondCopie5->Height() + 4;
    auto* fond = Fond(this, ts_Evaluation, "FondCopie10", 4, haut, 528, 344 - haut);
    Libelle(this, fond, "Label62", Traduire(1608), 8, 4, 500);
    csg_Ponderation = Place(new TStringGrid(this), fond, "csg_Ponderation", 8, 22, 320, 97);
    csg_Ponderation->SetColCount(3);
    csg_Ponderation->SetRowCount(2);
    csg_Ponderation->SetFixedCols(0);
    csg_Ponderation->SetFixedRows(1);
    csg_Ponderation->SetDefaultRowHeight(18);
    for (int k = 0; k < 3; ++k)
        csg_Ponderation->SetColWidths(k, 100);
    csg_Ponderation->SetOptions(csg_Ponderation->Options() | goEditing);
    csg_Ponderation->OnSetEditText = [this](TObject*, int col, int row, const std::string& v) {
        csg_PonderationSetEditText(col, row, v);
    };
    // The cells take what they keep, whole numbers (a bound a byte, a weight
    // a word): a letter, a blank, a point or a sign is refused at the key,
    // said, and the cell keeps what it showed.
    csg_Ponderation->OnGetEditMask = [](TObject*, int col, int, std::string& m) { m = col == 2 ? "!99999" : "!999"; };
    fond->SetHeight(std::min(344 - haut, 126));
}

void Tf_OptionBasket::Charge()
{
    Tf_OptionStat::Charge();
    const auto* c = dynamic_cast<const TDonneesChampionnatStat*>(Championnat);
    if (!c)
        return;
    csg_Ponderation->SetCells(0, 0, Traduire(1609));
    csg_Ponderation->SetCells(1, 0, Traduire(1610));
    csg_Ponderation->SetCells(2, 0, Traduire(1611));
    csg_Ponderation->SetRowCount(c->NbPonderations() + 2);
    for (int r = 1; r < csg_Ponderation->RowCount(); ++r)
        for (int k = 0; k < 3; ++k)
            csg_Ponderation->SetCells(k, r, "");
    for (int i = 0; i < c->NbPonderations(); ++i) {
        const TPonderation* p = c->Ponderation(i);
        csg_Ponderation->SetCells(0, i + 1, IntToStr(p->Min));
        csg_Ponderation->SetCells(1, i + 1, IntToStr(p->Max));
        csg_Ponderation->SetCells(2, i + 1, IntToStr(p->Ponderation));
    }
}

void Tf_OptionBasket::Affiche(bool integre, uint8_t groupe)
{
    Tf_OptionStat::Affiche(integre, groupe);
    ts_Evaluation->SetTabVisible(groupe != 2);
}

void Tf_OptionBasket::csg_PonderationSetEditText(int, int ARow, const std::string&)
{
    GrilleEditee = 1;
    auto vide = [this](int r) {
        for (int k = 0; k < 3; ++k)
            if (!Trim(csg_Ponderation->Cells(k, r)).empty())
                return false;
        return true;
    };
    const int n = csg_Ponderation->RowCount();
    if (ARow == n - 1 && !vide(ARow))
        csg_Ponderation->SetRowCount(ARow + 2);
    else if (ARow == n - 2 && ARow >= 1 && vide(ARow)) {
        for (int k = 0; k < 3; ++k)
            csg_Ponderation->SetCells(k, ARow + 1, "");
        csg_Ponderation->SetRowCount(ARow + 1);
    }
}

namespace {

// A cell of the weighting grid: the default when empty; a number too long
// for any field stands as out of range, and so does a text that is no
// number (-1: what the grid shows is never stored as another value).
int64_t Cellule(const std::string& texte, int64_t defaut)
{
    const std::string t = Trim(texte);
    if (t.empty())
        return defaut;
    int64_t v = 0;
    const auto [fin, erreur] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (erreur == std::errc::result_out_of_range)
        return t[0] == '-' ? -1 : 1000000;
    if (erreur != std::errc() || fin != t.data() + t.size())
        return -1;
    return v;
}

}  // namespace

bool Tf_OptionBasket::Controle()
{
    if (!GrilleEditee || (Groupe != 0 && Groupe != 1))
        return true;
    for (int r = 1; r <= csg_Ponderation->RowCount() - 2; ++r) {
        const int64_t a = Cellule(csg_Ponderation->Cells(0, r), 0);
        const int64_t b = Cellule(csg_Ponderation->Cells(1, r), 0);
        const int64_t p = Cellule(csg_Ponderation->Cells(2, r), 100);
        if (a < 0 || a > 255 || b < 0 || b > 255 || p < 0 || p > 65535) {
            PageControl1->SetActivePage(ts_Evaluation);
            Tf_MessageUtil::Affiche(TraduireFormat(TextePonderationRefusee, {r}), mbuValider);
            return false;
        }
    }
    return true;
}

void Tf_OptionBasket::Ecrit()
{
    Tf_OptionStat::Ecrit();
    auto* c = dynamic_cast<TDonneesChampionnatStat*>(Championnat);
    if (!c || !GrilleEditee || (Groupe != 0 && Groupe != 1))
        return;
    c->VidePonderations();
    for (int r = 1; r <= csg_Ponderation->RowCount() - 2; ++r) {
        TPonderation p;
        p.Min = static_cast<uint8_t>(Cellule(csg_Ponderation->Cells(0, r), 0));
        p.Max = static_cast<uint8_t>(Cellule(csg_Ponderation->Cells(1, r), 0));
        p.Ponderation = static_cast<uint16_t>(Cellule(csg_Ponderation->Cells(2, r), 100));
        c->AjoutePonderation(p);
    }
    Modifie = 1;
}

// ---- handball ---------------------------------------------------------------------------------

Tf_OptionHand::Tf_OptionHand(TComponent* AOwner) : Tf_OptionStat(AOwner)
{
    Criteres(*this, {{542, 1}, {543, 3}, {544, 4}, {545, 7}, {546, 8}, {547, 9}, {548, 10}, {549, 11}, {550, 13},
                     {551, 14}, {552, 17}, {553, 18}, {554, 19}, {555, 20}, {1214, 21}});
    Label41->SetCaption(Traduire(1219));
    Label53->SetCaption(Traduire(1221));
    PrepareDisposition(1541, 1542, 1543);
    // The minimums stay hidden; their values are still kept.
    p_NbTir->SetVisible(false);
    const std::string gardien = Traduire(791) + ": ";
    CreeStatistiques(ts_DonneesSaisies, 138,
                     {{"cc_Buts", 1511}, {"cc_Tirs", 1512}, {"cc_pen", 1513}, {"cc_pentot", 1514}, {"cc_BP", 1157},
                      {"cc_passe", 1516}, {"cc_interception", 1155}, {"cc_avert", 1517}, {"cc_2min", 1518},
                      {"cc_disq", 1519}, {"cc_Expuls", 1520}},
                     {{Traduire(1127), {{14, "ud_tir", 0, 99, 0}, {15, "ud_Tirmanque", -99, 9, 0}}},
                      {Traduire(1498), {{16, "ud_pen", 0, 99, 0}, {17, "ud_penManque", -99, 9, 0}}},
                      {gardien + Traduire(1127), {{22, "ud_GTir", 0, 99, 0}, {23, "ud_GTirManque", -99, 9, 0}}},
                      {gardien + Traduire(1498), {{24, "ud_GPen", 0, 99, 0}, {25, "ud_GPenManque", -99, 9, 0}}}},
                     {{103, {18, "ud_Avert", -99, 99, 1}},
                      {1500, {19, "ud_2min", -99, 99, 0}},
                      {1496, {20, "ud_Disq", -99, 99, 0}},
                      {104, {21, "ud_Expuls", -99, 99, 0}},
                      {299, {11, "ud_Pd", -99, 99, 0}},
                      {577, {12, "ud_Inter", -99, 99, 0}},
                      {580, {13, "ud_Bp", -99, 99, -1}}},
                     // the goalkeeper rows weigh saves and goals let in
                     2, {1492, 4552});
}

// ---- registration -----------------------------------------------------------------------------

void EnregistreOptions()
{
    TMultiSport::EnregistreClasse(TGenreFenetre::Option, 0, std::make_shared<TClasseOption>(
        [](TComponent* o) -> Tf_Option* { return new Tf_OptionFoot(o); }));
    TMultiSport::EnregistreClasse(TGenreFenetre::Option, 1, std::make_shared<TClasseOption>(
        [](TComponent* o) -> Tf_Option* { return new Tf_OptionRugby(o); }));
    TMultiSport::EnregistreClasse(TGenreFenetre::Option, 2, std::make_shared<TClasseOption>(
        [](TComponent* o) -> Tf_Option* { return new Tf_OptionBasket(o); }));
    TMultiSport::EnregistreClasse(TGenreFenetre::Option, 3, std::make_shared<TClasseOption>(
        [](TComponent* o) -> Tf_Option* { return new Tf_OptionHand(o); }));
}
