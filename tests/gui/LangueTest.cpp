// The interface language reaches the window layer's own parts, whatever the
// machine's: Qt's texts (the common dialogs, the standard buttons), the month
// and day names of the calendars and date boxes, those of windows made before
// the language was known included, and the file dialog's dates; numbers keep
// their form.
#include <gtest/gtest.h>

#include <QAbstractFileIconProvider>
#include <QCalendarWidget>
#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTreeView>
#include <QAbstractProxyModel>
#include <QLocale>

#include <clocale>
#include <cstdio>

#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Langue.h"
#include "platform/rtl/DateTime.h"
#include "tests/support/gui/GuiKit.h"

TEST(Langue, QtTextsAndCalendarsSpeakTheInterfaceLanguage)
{
    const QLocale avant;
    // The kind of a folder in the file dialogs is the program's word (Qt's
    // own translations lack it).
    const struct { const char* langue; bool traduit; const char* annuler; const char* regarder; const char* decembre;
                   const char* mercredi; const char* dossier; } cas[] = {
        {"fr", true, "Annuler", "Voir dans :", "décembre", "mercredi", "Dossier"},
        {"en", true, "Cancel", "Look in:", "December", "Wednesday", "Folder"},
    };
    const TDialogTexts textes = DialogTexts();
    // The machine speaks neither: its language is the default until the
    // program's is known.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const auto& c : cas) {
        SCOPED_TRACE(c.langue);
        // A window made before the language is known, as the main window is,
        // with a calendar in it already; another calendar and a date box put
        // in it after.
        TOwned<TForm> fenetre = kit::NewForm();
        auto* deja = new TMonthCalendar(fenetre.get());
        deja->SetParent(fenetre.get());
        EXPECT_EQ(AppliqueLangueInterface(c.langue), c.traduit);
        auto* apres = new TMonthCalendar(fenetre.get());
        apres->SetParent(fenetre.get());
        auto* dedans = new TDateTimePicker(fenetre.get());
        dedans->SetParent(fenetre.get());
        for (TWinControl* w : std::initializer_list<TWinControl*>{deja, apres, dedans})
            EXPECT_EQ(w->Widget()->locale().monthName(12).toStdString(), c.decembre)
                << w->Widget()->metaObject()->className();
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), c.annuler);
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:").toStdString(), c.regarder);
        TDialogTexts t = textes;
        t.Folder = c.dossier;
        SetDialogTexts(t);
        EXPECT_EQ(QAbstractFileIconProvider().type(QFileInfo(QDir::tempPath())).toStdString(), c.dossier);
        TOwned<TMonthCalendar> calendrier(new TMonthCalendar(nullptr));
        auto* widget = qobject_cast<QCalendarWidget*>(calendrier->Widget());
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->locale().monthName(12).toStdString(), c.decembre);
        TOwned<TDateTimePicker> date(new TDateTimePicker(nullptr));
        date->SetDateFormat(dfLong);
        date->SetDate(EncodeDate(2024, 12, 25));
        auto* edition = qobject_cast<QDateTimeEdit*>(date->Widget());
        ASSERT_NE(edition, nullptr);
        const std::string texte = edition->text().toStdString();
        EXPECT_NE(texte.find(c.decembre), std::string::npos) << texte;
        EXPECT_NE(texte.find(c.mercredi), std::string::npos) << texte;
        // The file dialog dates the files in it too (one of 10 December 2026
        // at 15:04), where Qt writes the machine's.
        const QString dossier = QString::fromStdString(kit::TempDir()) + "langue-" + c.langue;
        QDir().mkpath(dossier);
        QFile fichier(dossier + "/saison.xmc");
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
        fichier.write("x");
        fichier.close();
        const QDateTime quand(QDate(2026, 12, 10), QTime(15, 4));
        ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
        ASSERT_TRUE(fichier.setFileTime(quand, QFileDevice::FileModificationTime));
        fichier.close();
        std::string dateFichier;
        kit::RealFileDialog([&](QFileDialog* d) {
            auto* modele = d->findChild<QFileSystemModel*>();
            ASSERT_NE(modele, nullptr);
            kit::WaitUntil([&] { return modele->index(fichier.fileName()).isValid(); });
            QModelIndex i = modele->index(fichier.fileName(), 3);
            if (d->proxyModel())
                i = d->proxyModel()->mapFromSource(i);
            dateFichier = i.data().toString().toStdString();
            d->setViewMode(QFileDialog::Detail);
            if (auto* vue = d->findChild<QTreeView*>())
                vue->resizeColumnToContents(3);
            d->grab().save(QString::fromStdString(kit::OutputDir() + "/langue_fichiers_" + c.langue + ".png"));
        });
        TOpenDialog ouvre(nullptr);
        ouvre.FileName = fichier.fileName().toStdString();
        EXPECT_TRUE(ouvre.Execute());
        EXPECT_EQ(dateFichier, QLocale(c.langue).toString(quand, QLocale::ShortFormat).toStdString());
        // Numbers written by the C library keep their point.
        char nombre[16];
        std::snprintf(nombre, sizeof nombre, "%.1f", 2.5);
        EXPECT_STREQ(nombre, "2.5");
    }
    SetDialogTexts(textes);
    QLocale::setDefault(avant);
}
