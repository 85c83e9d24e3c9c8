// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

// A level section and a stair, with a width of its own and half ends.
inline layout::Job sampleJob()
{
    layout::Job job;
    job.name = QStringLiteral("Porch");
    layout::Section deck;
    deck.name = QStringLiteral("Deck");
    deck.length = QStringLiteral("36");
    layout::Section stair;
    stair.name = QStringLiteral("Stair");
    stair.length = QStringLiteral("60");
    stair.railpinWidth = QStringLiteral("1 1/2");
    stair.ends = layout::Ends::Half;
    stair.stair = layout::Stair();
    stair.stair->rise = QStringLiteral("7");
    stair.stair->run = QStringLiteral("11");
    job.sections = {deck, stair};
    return job;
}
