// The program block: the application object, the main window, then the skin
// module, and the message loop until the main window closes.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "codecs/GifPicture.h"
#include "codecs/PngPicture.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/HtmlHelp.h"
#include "results/Resultats.h"
#include "records/Fiches.h"
#include "records/ImageManager.h"
#include "records/w_ImageManager.h"
#include "results/w_FicheArbitre.h"
#include "setup/w_Option.h"
#include "shell/Aide.h"
#include "shell/Globales.h"
#include "shell/w_AideHtml.h"
#include "shell/w_Principale.h"
#include "ui/Dessin.h"
#include "views/w_InfoGeneral.h"

int main(int argc, char** argv)
{
    int resultat = 0;
    try
    {
        TApplication application(argc, argv);
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
        std::vector<std::string> arguments(argv, argv + argc);
        LanceDiagnostic(CalculeDiagnostic(arguments, ProgramFile(), MakePath(RepertoireProgramme(), "help")));

        application.SetTitle(TitreProduit);
        application.CreateForm<Tf_Principale>();
        new TDessin(&application, RepertoireProgramme());
        application.Run();
        // The windows go before the help support.
        FermeAides();
    }
    catch (const std::exception& e)
    {
        // Nothing is left to show it in: the process ends.
        std::fprintf(stderr, "Brivantel Zelvor: %s\n", Cp1252ToUtf8(e.what()).c_str());
        resultat = 1;
    }
    UnloadHtmlHelp();
    return resultat;
}
