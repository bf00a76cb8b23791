// The width a list needs to show each of its entries whole: the lists of
// championship templates take it when they are filled, whatever the sport's
// templates and the language name them.
#pragma once

#include <algorithm>

#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"

// The widest of the entries in the control's font, plus the room the control
// keeps beside its text (a list's frame and scroll bar); never less than
// minimum. A drop-down list measures itself: TComboBox::WidthForItems.
inline int LargeurListe(const TControl& liste, const TStrings& entrees, int marge, int minimum)
{
    TBitmap mesure(1, 1);
    mesure.Canvas().Font = liste.Font();
    int largeur = minimum;
    for (int i = 0; i < entrees.Count(); ++i)
        largeur = std::max(largeur, mesure.Canvas().TextWidth(entrees[i]) + marge);
    return largeur;
}

// The room a list box keeps beside its text.
inline constexpr int MargeListe = 28;
