// What the window layer says in the interface language, and printing without
// a printer: the user names the PDF file and is told when it is written.
#include "model/oTraducteur.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Files.h"
#include "shell/Globales.h"
#include "shell/Textes.h"
#include "shell/w_Principale.h"
#include "ui/message2.h"

void Tf_Principale::TraduitCouche()
{
    TDialogTexts t;
    t.Warning = Traduire(TexteAvertissement);
    t.Error = Traduire(TexteErreur);
    t.Information = Traduire(TexteInformation);
    t.Confirmation = Traduire(TexteConfirmation);
    t.ReplaceFile = Traduire(TexteRemplaceFichier);
    t.InvalidInput = Traduire(TexteSaisieIncorrecte);
    t.AllPictures = Traduire(TexteToutesImages);
    t.Yes = Traduire(121);
    t.No = Traduire(126);
    t.Ok = Traduire(123);
    t.Cancel = Traduire(125);
    SetDialogTexts(t);
    SetPdfChooser([this](const std::string&) { return ChoisitFichierPdf(); },
                  [this](const std::string& fichier, bool ecrit) {
                      AfficheMessage(TraduireFormat(ecrit ? TextePdfEcrit : TextePdfNonEcrit, {fichier}), mbuValider);
                  });
}

std::string Tf_Principale::ChoisitFichierPdf()
{
    // The title of what is shown: the championship and the view's caption in
    // the status bar (unless the panel names the file).
    std::string titre = l_Titre->Caption();
    const std::string vue = Statut->Panels(2).Text;
    if (!vue.empty() && vue != TraduireFormat(1, {NomFichierCourant}) && vue != TraduireFormat(12, {NomFichierCourant}))
        titre = titre.empty() ? vue : titre + " - " + vue;
    if (titre.empty())
        titre = Titre;
    std::string nom;
    for (char c : titre)
        nom += std::string("/\\:*?\"<>|").find(c) == std::string::npos ? c : '_';
    TOwned<TSaveDialog> d(new TSaveDialog(this));
    d->Title = Traduire(TexteImpressionPdf);
    d->Filter = Traduire(TexteDocumentPdf) + "|*.pdf";
    d->DefaultExt = "pdf";
    d->InitialDir = UserDocumentsDir();
    d->FileName = d->InitialDir + nom + ".pdf";
    if (!d->Execute() || d->FileName.empty())
        return {};
    return ApplyDefaultExt(d->FileName, "pdf");
}
