// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

// A name from a job file (the job's, a section's) as each kind of output may
// carry it. A job file received from someone else is untrusted: its names
// must not drive a terminal, reorder what is shown, break a file's syntax or
// run as a spreadsheet formula. Every output cleans its names here, once.
namespace layout {

enum class NameOutput {
    // One line on a terminal or in tab-separated text: control characters
    // (tab, CR and LF included), C1, the bidirectional overrides and isolates
    // and the line and paragraph separators become U+FFFD.
    Terminal,
    // One line on paper (the template's headings), cleaned as for a terminal.
    Paper,
    // A cell of comma-separated values: as for a terminal, but tab, CR and LF
    // stay (the cell is quoted). A name that a spreadsheet would not show as
    // it is (needsTextMark) gets a leading ', which makes it text.
    Csv,
    // Text in an XML file: as for a terminal, and U+FFFE, U+FFFF and lone
    // surrogates, which XML forbids, become U+FFFD.
    Xml,
    // A DXF text value: one line, as for a terminal, so that no line break
    // can end the value and start a group code of its own.
    Dxf,
};

QString outputName(const QString &name, NameOutput output);

// Whether a spreadsheet would not show `text` as it is: it would read it as a
// formula (beginning with = + - @, tab or CR), or take its leading ' for the
// mark that makes a cell text and drop it.
bool needsTextMark(const QString &text);

}  // namespace layout
