#include "results/PagesMatch.h"

#include <memory>

#include "model/MultiSport.h"
#include "results/w_ButeursFoot.h"
#include "results/w_ButeursRugby.h"
#include "results/w_ButeursStat.h"
#include "results/w_InfoMatchCadre.h"
#include "results/w_Passeurs.h"

namespace {

template <class T>
TClasse Page()
{
    return std::make_shared<TClassePage>([](TComponent* o) -> Tf_InfoMatchCadreBase* { return new T(o); });
}

}  // namespace

void EnregistrePagesMatch()
{
    TMultiSport::EnregistreClasse(TGenreFenetre::Buteurs, 2, Page<Tf_ButeursBasket>());
    TMultiSport::EnregistreClasse(TGenreFenetre::Buteurs, 3, Page<Tf_ButeursHand>());
    TMultiSport::EnregistreClasse(TGenreFenetre::Buteurs, 0, Page<Tf_ButeursFoot>());
    TMultiSport::EnregistreClasse(TGenreFenetre::Buteurs, 1, Page<Tf_ButeursRugby>());
    TMultiSport::EnregistreClasse(TGenreFenetre::Passeurs, 0, Page<Tf_PasseursFoot>());
    TMultiSport::EnregistreClasse(TGenreFenetre::Passeurs, 1, Page<Tf_PasseursRugby>());
}
