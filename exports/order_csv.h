// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"
#include "marks_csv.h"
#include "order_list.h"

#include <QByteArray>

namespace exports {

// The order list for a spreadsheet, as the marks' CSV is written: the rows of
// layout::orderRows() with each length as an exact decimal first ("Length
// (in)", "Stock (in)"), and in an inch job the same lengths as fractions at
// the end ("Length, fraction").
QByteArray orderCsv(const layout::Job &job, const layout::OrderList &list, const CsvStyle &style = {});

}  // namespace exports
