#include "platform/gui/Langue.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <QWidget>

namespace {

// Owned by the application object; the one installed by the last call.
QPointer<QTranslator> traductionQt;

}   // namespace

bool AppliqueLangueInterface(const std::string& langue)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (traductionQt) {
        QCoreApplication::removeTranslator(traductionQt);
        delete traductionQt.data();
    }
    const QLocale locale(QString::fromStdString(langue));
    if (langue.empty() || locale.language() == QLocale::C)
        return false;
    QLocale::setDefault(locale);
    // The default reaches only the widgets made after it: a widget takes its
    // locale when it is made or put in a parent (the main window, made before
    // the language is known, would pass on the machine's to every view shown
    // in it). Those of the windows already made follow the language too,
    // down to every child that keeps its parent's.
    if (qobject_cast<QApplication*>(app))
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!w->testAttribute(Qt::WA_SetLocale))
                w->unsetLocale();
    if (!app)
        return false;
    auto* t = new QTranslator(app);
    if (!t->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    traductionQt = t;
    return true;
}
