// Start-up registration of the results windows with the views that open them
// (matchday caption, match card, referee card).
#pragma once

void EnregistreResultats();
