// The message of the update check from a usable reply of the maker's site.
#pragma once

#include <string>

// With "#maj" in the reply: the site's notes (the reply after its first line
// feed, all of it without one), as plain text, then text 646 with the product
// name; otherwise text 985.
std::string MessageMiseAJour(const std::string& reponse, const std::string& produit);
