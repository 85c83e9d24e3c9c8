// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>

// The columns of a marks table, in the order every table shows them: the
// job window's marks, the job sheet's and the command line's, and the
// layout sheet's first column. The untranslated names are the command
// line's headings; shown() gives the user's language.
namespace marks_headings {

// The columns that number railpins and posts are told apart by address:
// each is one array, at one address in every file, never a pointer to a
// literal that a build may or may not merge with its twin.
inline constexpr char kRailpin[] = QT_TRANSLATE_NOOP("Marks", "Railpin");
inline constexpr std::array<const char *, 5> kColumns{
    kRailpin, QT_TRANSLATE_NOOP("Marks", "Left edge"), QT_TRANSLATE_NOOP("Marks", "Centre"),
    QT_TRANSLATE_NOOP("Marks", "Right edge"), QT_TRANSLATE_NOOP("Marks", "Centre from right post")};

// Each centre's signed distance from mid-span, for marking from the middle
// out: in the window, on the sheet and last in the CSV, never in the
// tab-separated marks, whose five columns scripts read by position.
inline constexpr const char *kFromMidSpan = QT_TRANSLATE_NOOP("Marks", "From mid-span");

// The columns of a stair given by its treads, in place of the five above:
// each railpin's tread, its place on the tread from the riser face, from
// the first riser face level and along the rail, and its lengths (empty
// without a rail height). The first two are counts, the rest lengths.
inline constexpr std::array<const char *, 7> kTreadColumns{kRailpin,
                                                           QT_TRANSLATE_NOOP("Marks", "Tread"),
                                                           QT_TRANSLATE_NOOP("Marks", "On tread"),
                                                           QT_TRANSLATE_NOOP("Marks", "Level"),
                                                           QT_TRANSLATE_NOOP("Marks", "Along the rail"),
                                                           QT_TRANSLATE_NOOP("Marks", "Length"),
                                                           QT_TRANSLATE_NOOP("Marks", "Cut length")};
inline constexpr std::size_t kFirstTreadLengthColumn = 2;
// The columns of a run's post table: each post's number from the run's start
// reference, its centre and its faces.
inline constexpr char kPost[] = QT_TRANSLATE_NOOP("Marks", "Post");
inline constexpr std::array<const char *, 4> kPostColumns{kPost, QT_TRANSLATE_NOOP("Marks", "Centre"),
                                                          QT_TRANSLATE_NOOP("Marks", "Left face"),
                                                          QT_TRANSLATE_NOOP("Marks", "Right face")};

inline QString shown(const char *heading)
{
    return QCoreApplication::translate("Marks", heading);
}

}  // namespace marks_headings
