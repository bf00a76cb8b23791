// The interface language reaches the window layer's own parts: Qt's texts
// (the common dialogs, the standard buttons) and the month and day names of
// the calendars and date boxes; numbers keep their form.
#include <gtest/gtest.h>

#include <QAbstractFileIconProvider>
#include <QCalendarWidget>
#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QDateTimeEdit>
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
    for (const auto& c : cas) {
        SCOPED_TRACE(c.langue);
        EXPECT_EQ(AppliqueLangueInterface(c.langue), c.traduit);
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
        // Numbers written by the C library keep their point.
        char nombre[16];
        std::snprintf(nombre, sizeof nombre, "%.1f", 2.5);
        EXPECT_STREQ(nombre, "2.5");
    }
    SetDialogTexts(textes);
    QLocale::setDefault(avant);
}
