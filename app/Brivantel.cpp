// The program block: the application object, the main window, then the skin
// module, and the message loop until the main window closes.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/Demarrage.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/HtmlHelp.h"
#include "shell/Aide.h"
#include "shell/Globales.h"
#include "shell/w_AideHtml.h"
#include "shell/w_Principale.h"
#include "ui/Dessin.h"

int main(int argc, char** argv)
{
    // A save past the file-size limit fails with its message, as on a full
    // disk: the program goes on.
    WritesPastTheSizeLimitFail();
    int resultat = 0;
    try
    {
        TApplication application(argc, argv);
        EnregistreDemarrage();
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
