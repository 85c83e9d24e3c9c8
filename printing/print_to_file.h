// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QTemporaryFile>

class QPrinter;

// A print run to a PDF file (the print dialog's "Print to File") goes through
// the checked file writer like every other output. Qt's printer writes its
// file as it paints and never reports a failed write, so it writes into a
// temporary file of its own instead; only a complete PDF is then written over
// the chosen file, all or nothing, and a failure names the file and the cause.
class PrintToFile
{
    Q_DECLARE_TR_FUNCTIONS(PrintToFile)

public:
    // When `printer` prints to a file, points it at a temporary file for this
    // one run. Call before painting starts.
    explicit PrintToFile(QPrinter &printer);

    // Whether the printer prints to a file.
    bool toFile() const { return !target_.isEmpty(); }
    // The file the user chose.
    QString target() const { return target_; }
    // Why the run cannot go ahead, found before anything is painted: the
    // chosen file is not one the checked writer writes (a folder, a FIFO, a
    // device, another user's link in a shared folder) or no temporary file
    // could be made. Empty when it can.
    QString refusal() const { return refusal_; }
    // Once the printer has painted every page: writes the PDF over the chosen
    // file. Empty when written, else one line naming the file and the cause;
    // the chosen file is then as it was.
    QString commit();

private:
    QString target_;
    QString refusal_;
    QTemporaryFile temporary;
};

// Whether `pdf` is a whole PDF as Qt writes it: it ends with its trailer, and
// its cross-reference table and every object it lists are where the table
// says. A write that failed on the way leaves a hole or a cut end, which
// moves or loses them.
bool pdfComplete(const QByteArray &pdf);
