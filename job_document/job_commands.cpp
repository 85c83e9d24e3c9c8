// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_commands.h"

#include "job_document.h"

SetSectionCommand::SetSectionCommand(JobDocument &document, int row, layout::Section before, layout::Section after,
                                     const QString &text)
    : QUndoCommand(text), document(document), row(row), before(std::move(before)), after(std::move(after))
{
}

void SetSectionCommand::undo()
{
    document.replaceSection(row, before);
}

void SetSectionCommand::redo()
{
    document.replaceSection(row, after);
}

SetJobCommand::SetJobCommand(JobDocument &document, layout::Job before, layout::Job after, const QString &text)
    : QUndoCommand(text), document(document), before(std::move(before)), after(std::move(after))
{
}

void SetJobCommand::undo()
{
    document.replaceJob(before);
}

void SetJobCommand::redo()
{
    document.replaceJob(after);
}

InsertSectionsCommand::InsertSectionsCommand(JobDocument &document, int row, std::vector<layout::Section> sections,
                                             const QString &text)
    : QUndoCommand(text), document(document), row(row), sections(std::move(sections))
{
}

void InsertSectionsCommand::undo()
{
    document.removeSections(row, int(sections.size()));
}

void InsertSectionsCommand::redo()
{
    document.insertSections(row, sections);
}

RemoveSectionsCommand::RemoveSectionsCommand(JobDocument &document, int row, int count, const QString &text)
    : QUndoCommand(text), document(document), row(row), count(count)
{
}

void RemoveSectionsCommand::undo()
{
    document.insertSections(row, removed);
}

void RemoveSectionsCommand::redo()
{
    removed = document.removeSections(row, count);
}

MoveSectionCommand::MoveSectionCommand(JobDocument &document, int from, int to, const QString &text)
    : QUndoCommand(text), document(document), from(from), to(to)
{
}

void MoveSectionCommand::undo()
{
    document.moveSectionRow(to, from);
}

void MoveSectionCommand::redo()
{
    document.moveSectionRow(from, to);
}

JobFieldCommand::JobFieldCommand(JobDocument &document, layout::Job before, layout::Job after, const QString &text,
                                 int mergeId)
    : SetJobCommand(document, std::move(before), std::move(after), text), mergeId(mergeId)
{
}

bool JobFieldCommand::mergeWith(const QUndoCommand *other)
{
    adoptAfter(*static_cast<const JobFieldCommand *>(other));
    setObsolete(changesNothing());
    return true;
}
