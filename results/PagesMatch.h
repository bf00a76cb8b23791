// The match sheet pages of each sport registered with the sport switch: the
// scorers page (basketball and handball: the statistic sheet) and, in
// football and rugby, the second page. Called at start-up.
#pragma once

void EnregistrePagesMatch();
