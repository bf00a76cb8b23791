// What the window layer says in the interface language, and printing without
// a printer: the user names the PDF file and is told when it is written (a
// printout given up is no error); a printer that fails is named.
#include "model/Saison.h"
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
    t.LettersLeftOut = Traduire(TexteLettresLaissees);
    t.WholeNumber = Traduire(TexteNombreEntier);
    t.SignedWholeNumber = Traduire(TexteNombreEntierSigne);
    t.NumberFromTo = Traduire(TexteNombreBornes);
    t.TooLong = Traduire(TexteTropLong);
    t.EmptyName = Traduire(TexteNomVide);
    t.OneNumber = Traduire(TexteUnNombre);
    t.Folder = Traduire(5206);
    t.Drive = Traduire(5207);
    t.Unknown = Traduire(5208);
    SetDialogTexts(t);
    SetPdfChooser([this](const std::string&) { return ChoisitFichierPdf(); },
                  [this](const std::string& fichier, bool ecrit) {
                      AfficheMessage(TraduireFormat(ecrit ? TextePdfEcrit : TextePdfNonEcrit, {FileNameToText(fichier)}),
                                     mbuValider);
                  });
    SetPrinterFailed([this](const std::string& imprimante) {
        AfficheMessage(TraduireFormat(TexteImpressionEchouee, {imprimante}), mbuValider);
    });
}

std::string Tf_Principale::ChoisitFichierPdf()
{
    // The title of what is shown: the championship and the view's caption in
    // the status bar (unless the panel names the file).
    std::string titre = l_Titre->Caption();
    const std::string vue = Statut->Panels(2).Text;
    const std::string fichier = FileNameToText(NomFichierCourant);
    if (!vue.empty() && vue != TraduireFormat(1, {fichier}) && vue != TraduireFormat(12, {fichier}))
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
    // The title keeps its accents in the name the system is given.
    d->FileName = d->InitialDir + FileNameFromText(nom) + ".pdf";
    if (!d->Execute() || d->FileName.empty())
        return {};
    return ApplyDefaultExt(d->FileName, "pdf");
}

std::vector<std::string> Tf_Principale::TitresVue() const
{
    std::vector<std::string> titres;
    const int sport = Saison ? Saison->Sport() : -1;
    for (const auto& e : Entrees) {
        const bool sportAccepte = (e->Sports & 32) || (sport >= 0 && sport < 4 && (e->Sports & (1u << sport)));
        if (e->Commande != CommandeVue || !sportAccepte || !EntreeVisible(*e))
            continue;
        std::string libelle;
        for (char c : e->Libelle)
            if (c != '&')
                libelle += c;
        while (!libelle.empty() && (libelle.back() == '.' || libelle.back() == ' '))
            libelle.pop_back();
        titres.push_back(libelle);
        break;
    }
    titres.push_back(l_Titre->Caption());
    return titres;
}
