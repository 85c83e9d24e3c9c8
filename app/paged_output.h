// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "command_line_job.h"
#include "job.h"
#include "section_layout.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QPageSize;
class QTextStream;

// The sheets of --pdf and --template need Qt Gui to paint, the other outputs
// only Qt Core. The command line checks, reads and lays out every job on Qt
// Core and hands a sheet, ready to paint, to a writer: in the tests the one
// below in the same process, in the program the same one in a module loaded
// only for it (print_outputs_entry.cpp), so that the marks, the CSV and the
// drawings never load Qt Gui.
namespace command_line {

// The paper of --paper; the locale's own when none is given.
enum class Paper {
    Locale,
    Letter,
    A4,
};

// A checked sheet and its laid-out job.
struct PagedOutput
{
    bool templatePdf = false;  // the full-size template, else the job's sheet
    QString path;
    Paper paper = Paper::Locale;
    layout::Job job;
    std::vector<layout::SectionLayout> sections;  // the template's sections, laid out
    bool standardOutputClosed = false;            // "-" then names the cause
};

// The paper's size; the locale's own for Paper::Locale. Needs Qt Gui.
QPageSize pageSize(Paper paper);

// Writes the sheet, or says why it was not written; nothing is written then.
using PagedWriter = std::function<std::optional<Failure>(PagedOutput &output)>;

// run() with the sheets handed to `writePaged`; needs only a QCoreApplication
// when `writePaged` paints nothing itself.
int runWith(const QStringList &arguments, QTextStream &out, QTextStream &err, const PagedWriter &writePaged);

// Paints the sheet and writes it through the checked writer. Needs a
// QGuiApplication (railpin_command_line).
std::optional<Failure> writePaged(PagedOutput &output);

}  // namespace command_line
