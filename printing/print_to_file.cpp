// SPDX-License-Identifier: LicenseRef-proprietary
#include "print_to_file.h"

#include "file_writer.h"

#include <QDir>
#include <QFile>
#include <QPrinter>

namespace {

// The number that starts `text` at `from`, or -1.
qint64 numberAt(const QByteArray &text, qsizetype from, qsizetype *end = nullptr)
{
    qsizetype at = from;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        ++at;
    if (at == from || at - from > 18)
        return -1;
    if (end != nullptr)
        *end = at;
    return text.mid(from, at - from).toLongLong();
}

qsizetype skipSpace(const QByteArray &text, qsizetype at)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == '\n' || text[at] == '\r'))
        ++at;
    return at;
}

}  // namespace

bool pdfComplete(const QByteArray &pdf)
{
    if (!pdf.startsWith("%PDF-") || !pdf.trimmed().endsWith("%%EOF"))
        return false;
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (startxref < 0)
        return false;
    const qint64 table = numberAt(pdf, skipSpace(pdf, startxref + 9));
    if (table < 0 || table >= startxref || !pdf.mid(table, 4).startsWith("xref"))
        return false;
    // One section from object 0: "0 count", then 20 bytes per object.
    qsizetype at = skipSpace(pdf, qsizetype(table) + 4);
    qsizetype end = 0;
    if (numberAt(pdf, at, &end) != 0 || end >= pdf.size() || pdf[end] != ' ')
        return false;
    const qint64 count = numberAt(pdf, end + 1, &end);
    constexpr qsizetype kEntry = 20;
    if (count < 1 || count > (startxref - table) / kEntry)
        return false;
    at = skipSpace(pdf, end);
    for (qint64 object = 0; object < count; ++object, at += kEntry) {
        const QByteArray entry = pdf.mid(at, kEntry);
        if (entry.size() != kEntry)
            return false;
        if (entry[17] != 'n')
            continue;
        const qint64 offset = numberAt(entry, 0);
        if (offset < 0 || offset >= table ||
            !pdf.mid(qsizetype(offset)).startsWith(QByteArray::number(object) + " 0 obj"))
            return false;
    }
    return pdf.mid(skipSpace(pdf, at), 7) == "trailer";
}

PrintToFile::PrintToFile(QPrinter &printer) : target_(printer.outputFileName())
{
    if (target_.isEmpty())
        return;
    refusal_ = file_writer::targetRefusal(target_);
    if (!refusal_.isEmpty()) {
        refusal_ = file_writer::failureMessage(target_, refusal_);
        return;
    }
    // Named .pdf, so that the printer keeps writing a PDF.
    temporary.setFileTemplate(QDir(QDir::tempPath()).filePath(QStringLiteral("railpin-print-XXXXXX.pdf")));
    if (!temporary.open()) {
        refusal_ = file_writer::failureMessage(temporary.fileTemplate(), temporary.errorString());
        return;
    }
    temporary.close();
    printer.setOutputFileName(temporary.fileName());
}

QString PrintToFile::commit()
{
    if (!toFile() || !refusal_.isEmpty())
        return refusal_;
    QFile written(temporary.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return file_writer::failureMessage(target_, written.errorString());
    const QByteArray bytes = written.readAll();
    if (written.error() != QFileDevice::NoError)
        return file_writer::failureMessage(target_, written.errorString());
    if (!pdfComplete(bytes))
        return file_writer::failureMessage(
            target_, tr("the printed PDF came out incomplete in the temporary folder %1 (is its disk full?)")
                         .arg(QDir::toNativeSeparators(QDir::tempPath())));
    return file_writer::writeFile(target_, bytes);
}
