// The championship information window of each sport.
#pragma once

#include <string>

#include "views/w_InfoGeneral.h"

class Tf_InfoGeneralFoot : public Tf_InfoGeneral
{
public:
    Tf_InfoGeneralFoot(TComponent* AOwner, const TClasseInfoGeneral& classe);
};

// Tries in the places of the goals.
class Tf_InfoGeneralRugby : public Tf_InfoGeneral
{
public:
    Tf_InfoGeneralRugby(TComponent* AOwner, const TClasseInfoGeneral& classe);
};

// Five positions; the two discipline counts in the places of the cards.
class Tf_InfoGeneralHand : public Tf_InfoGeneral
{
public:
    Tf_InfoGeneralHand(TComponent* AOwner, const TClasseInfoGeneral& classe);
};

// Points, rebounds and shooting per team and match; six positions; a rebounds
// chart in the place of the cards.
class Tf_InfoGeneralBasket : public Tf_InfoGeneral
{
public:
    Tf_InfoGeneralBasket(TComponent* AOwner, const TClasseInfoGeneral& classe);
    void CalculeChiffres(int mode, TCompteursMinutes& minutes, bool sansSeries, int journee) override;
};

// One of the eight page-template tags of the championship information.
bool EstTagInfo(const std::string& nom);
