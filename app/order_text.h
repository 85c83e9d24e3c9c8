// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "order_list.h"

#include <QString>

namespace command_line {

// The order list as --order prints it: the heading
// "Item<TAB>Length<TAB>Count<TAB>With extra<TAB>Stock<TAB>Buy", then one line
// per row of layout::orderRows(), lengths written as marks are. Like the
// marks, its words stay the same in every language: scripts read them.
QString orderText(const layout::Job &job, const layout::OrderList &list);

}  // namespace command_line
