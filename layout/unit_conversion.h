#pragma once

#include "job.h"

// Converting a whole job between inches and millimetres. To millimetres
// exactly (1/32 in is 0.79375 mm, up to 5 decimals); back to inches rounded
// to the job's increment. A maximum gap is always rounded down: a limit must
// never grow by a conversion. Text that cannot be read is left as typed.
namespace layout {

Job convertedTo(const Job &job, Unit unit);

}  // namespace layout
