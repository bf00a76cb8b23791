#include "model/Ages.h"

#include "platform/rtl/Strings.h"

int AgeEn(int anneeSaison, uint8_t naissance)
{
    const int age = anneeSaison - naissance;
    return naissance == 0 || age < 1 || age >= 100 ? -1 : age;
}

std::string TexteAge(int anneeSaison, uint8_t naissance)
{
    if (naissance == 0)
        return "-";
    const int age = AgeEn(anneeSaison, naissance);
    return IntToStr(age >= 0 ? age : naissance + 1900);
}
