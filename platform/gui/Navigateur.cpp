#include "platform/gui/Navigateur.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QUrl>

namespace {
std::function<bool(const std::string&)>& Ouvreur()
{
    static std::function<bool(const std::string&)> ouvreur;
    return ouvreur;
}
}  // namespace

bool OuvreDansNavigateur(const std::string& url)
{
    if (Ouvreur())
        return Ouvreur()(url);
    return QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray(url.data(), static_cast<qsizetype>(url.size()))));
}

void RemplaceNavigateur(std::function<bool(const std::string&)> ouvreur) { Ouvreur() = std::move(ouvreur); }
