#include "ui/FusionJoueurs.h"

#include "model/Saison.h"
#include "ui/message2.h"

bool AccepteFusion(const TSaison& saison, const TJoueur& fondu, const TJoueur& garde, bool demandee)
{
    // Two who met in a match stay two: the one player left would play for both teams.
    if (!saison.FusionPermise(garde.Numero, fondu.Numero))
    {
        Tf_MessageUtil::Affiche(saison.RefusFusion(garde, fondu), mbuValider);
        return false;
    }
    return Tf_MessageUtil::Affiche(saison.QuestionFusion(garde, fondu, demandee), mbuOui | mbuNon) == mrYes;
}
