// libFuzzer target: the scenario of a division of groups from arbitrary
// playoff items (one per line), every round, group and match asked for.
#include "fuzz/FuzzAnnexes.h"
#include "platform/rtl/StringList.h"
#include "setup/LectureScenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TStringList lignes;
    std::string ligne;
    for (size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n') {
            lignes.Add(ligne);
            ligne.clear();
        } else {
            ligne += c;
        }
    }
    lignes.Add(ligne);
    const std::string f = "/tmp/fuzz_scenario_" + std::to_string(getpid()) + ".cfg";
    TLectureScenario s(lignes, f);
    s.TypeEquipe();
    int a = 0, b = 0;
    s.Annees(a, b);
    const int tours = s.NombreTours();
    for (int n = 0; n <= tours + 1; ++n) {
        s.TitreTour(n);
        s.TypeTour(n);
        s.TypeDate(n);
        s.CodeChamp(n);
        int v = 0, nul = 0, d = 0;
        s.Points(n, v, nul, d);
        const int groupes = s.NombreGroupes(n);
        for (int g = 0; g <= groupes && g < 8; ++g) {
            s.NombreQualifies(n, g);
            s.ClJoueur(n, g);
            s.TerrainNeutre(n, g);
        }
        const int sousTours = s.NombreSousTours(n);
        for (int m = 0; m <= sousTours && m < 8; ++m) {
            const int matchs = s.MatchSousTour(n, m);
            s.TypeSousTour(n, m);
            for (int k = 0; k <= matchs && k < 8; ++k) {
                int g1 = 0, p1 = 0, g2 = 0, p2 = 0;
                s.EquipesMatch(n, k, g1, p1, g2, p2);
                s.EquipeGroupe(n, m, k, g1, g2);
            }
        }
    }
    return 0;
}
