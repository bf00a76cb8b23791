#include "platform/gui/Langue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

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
