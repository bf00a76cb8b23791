// The page fetch of the update check: one GET over the HTTP client, waited
// for on the user-interface thread (a local event loop, not a spin) until the
// request ends or the time-out passes, and the reply's classification.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/StringList.h"

class TStream;
class THttpClient;

class TEnvoiPage
{
public:
    // Reply states.
    enum : uint8_t { etatEchec = 0, etatAvertissement = 1, etatVide = 2, etatUtilisable = 3 };

    // The longest reply body taken (a longer one is an error).
    static constexpr int64_t TailleMaxReponse = 1 << 20;

    // The page's text, trimmed; raises what Telecharge raises.
    static void LitPage(const std::string& url, uint32_t timeout, const std::string& user,
                        const std::string& password, std::string& texte);
    // The reply body in lines. Raises Exception "Erreur: Temps dépassé" after
    // the time-out (the request is cancelled first) and "Failed : " + reason
    // for a status other than 200. One fetch at a time: a second one while
    // one waits raises at once.
    static std::unique_ptr<TStringList> Telecharge(const std::string& url, TStream& flux, uint32_t timeout,
                                                   const std::string& user, const std::string& password);
    static uint8_t EtatReponse(const std::string& texte);
    // Texts 1325, 1326, 1327 for states 0, 1, 2 with the address; empty otherwise.
    static void MessageErreur(uint8_t etat, const std::string& url, std::string& texte);
    // True while a fetch waits.
    static bool EnCours();
    // Starts a fetch without waiting (the start-up check): fin(true, text)
    // with the page's trimmed text, or fin(false, reason), runs later from
    // the event loop. Freeing the client cancels the fetch (fin is not run).
    static std::unique_ptr<THttpClient> LancePage(const std::string& url,
                                                  std::function<void(bool, const std::string&)> fin);
};
