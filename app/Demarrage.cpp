#include "app/Demarrage.h"

#include <memory>

#include "codecs/GifPicture.h"
#include "codecs/PngPicture.h"
#include "records/Fiches.h"
#include "records/ImageManager.h"
#include "records/w_ImageManager.h"
#include "results/Resultats.h"
#include "results/w_FicheArbitre.h"
#include "setup/w_Option.h"
#include "shell/w_AideHtml.h"
#include "views/w_InfoGeneral.h"

void EnregistreDemarrage()
{
    RegisterPngFormat();
    RegisterGifFormat();
    EnregistreFiches();
    EnregistreOptions();
    EnregistreInfoGeneral();
    // The help support and its diagnostic report, before any window.
    InstalleVisionneuseAide();
    EnregistreResultats();
    // The referee card's photos come from the picture store and its dialog.
    EnregistreServicesPhotos({[](int genre, int32_t id) -> std::unique_ptr<TGraphic> {
                                  return ImageManager() ? ImageManager()->ChargeImage(genre, id) : nullptr;
                              },
                              ChoisitPhoto});
}
