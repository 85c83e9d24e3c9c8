// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

// What a section's marks are measured from, and its words. A section whose
// length is between post faces is marked from "the left post", as every job
// has always said; between post centres the words name the post face or the
// post centre, since a builder who snapped his lines at the centres would
// otherwise mark every railpin half a post out.
namespace layout {

enum class MarkReference { Post, PostFace, PostCentre };

// "from the left post", "from the left post face", "from the left post centre",
// in the user's language.
QString fromLeftPostText(MarkReference reference);
QString fromRightPostText(MarkReference reference);

// The column of each railpin's centre from the right post, as the window and
// the sheet head it: "Centre from right post" for a section between faces,
// "From right post face" and "From right post centre" (as short, so that the
// column fits as before) between centres.
QString centreFromRightPostHeading(MarkReference reference);

// The word the command line and the CSV give for the reference of a section
// between post centres: "post faces" or "post centres" (untranslated, read by
// programs); empty for one between faces, whose output stays as it was.
QString markReferenceWord(MarkReference reference);

}  // namespace layout
