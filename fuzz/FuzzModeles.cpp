// libFuzzer target: a championship template file over arbitrary bytes, read as
// the program reads it at start, then every lookup over its codes.
#include <memory>

#include "fuzz/FuzzAnnexes.h"
#include "model/LectureParametre.h"
#include "platform/rtl/StringList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string f = FichierFuzz("modeles", data, size);
    TLectureParamMulti m;
    m.ChargeParam(f, 0);
    m.SetSport(0);
    TLectureParam p(f);
    TStringList divisions;
    p.ListeDivisions(divisions);
    p.ListeChampionnats(divisions);
    for (int i = 0; i < p.NbChampionnat(); ++i) {
        const TCfgChampionnat* c = p.Championnat(i);
        p.ListeDivisionsChampionnat(c->Id, divisions);
        p.NomChampionnatParId(c->Id);
        for (int k = 0; k < c->NbDivision() && k < 64; ++k) {
            const int32_t code = c->Division(k)->Code;
            p.NomCompletDivision(code);
            p.NomAfficheDivision(code);
            p.ListePlayoff(code);
            int v = 0, n = 0, d = 0;
            p.PointsDivision(code, v, n, d);
            for (int type = 0; type <= 8; ++type)
                p.ValeurDivision(code, type, 0);
        }
    }
    p.ChampionnatParCode(10005);
    p.IdChampionnat(-1);
    return 0;
}
