// The throwing and defaulting forms of the runtime's text conversions, written
// once over their Try form (bool TryX(std::string_view, T&)).
#pragma once

#include <string>
#include <string_view>

#include "platform/rtl/Exceptions.h"

// The converted value; EConvertError "'<s><rest>" when s is not one.
template <class T, class TryFn>
T ConvertOrThrow(std::string_view s, TryFn tryConvert, const std::string& rest)
{
    T value;
    if (!tryConvert(s, value))
        throw EConvertError("'" + std::string(s) + rest);
    return value;
}

// The converted value, or def when s is not one.
template <class T, class TryFn>
T ConvertOrDefault(std::string_view s, TryFn tryConvert, T def)
{
    T value;
    return tryConvert(s, value) ? value : def;
}
