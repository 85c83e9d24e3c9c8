// SPDX-License-Identifier: LicenseRef-proprietary
#include "job_commands.h"

#include "sections_model.h"

SetSectionCommand::SetSectionCommand(SectionsModel &model, int row, layout::Section before, layout::Section after,
                                     const QString &text)
    : QUndoCommand(text), model(model), row(row), before(std::move(before)), after(std::move(after))
{
}

void SetSectionCommand::undo()
{
    model.replaceSection(row, before);
}

void SetSectionCommand::redo()
{
    model.replaceSection(row, after);
}

SetJobCommand::SetJobCommand(SectionsModel &model, layout::Job before, layout::Job after, const QString &text)
    : QUndoCommand(text), model(model), before(std::move(before)), after(std::move(after))
{
}

void SetJobCommand::undo()
{
    model.replaceJob(before);
}

void SetJobCommand::redo()
{
    model.replaceJob(after);
}

InsertSectionsCommand::InsertSectionsCommand(SectionsModel &model, int row, std::vector<layout::Section> sections,
                                             const QString &text)
    : QUndoCommand(text), model(model), row(row), sections(std::move(sections))
{
}

void InsertSectionsCommand::undo()
{
    model.removeSections(row, int(sections.size()));
}

void InsertSectionsCommand::redo()
{
    model.insertSections(row, sections);
}

RemoveSectionsCommand::RemoveSectionsCommand(SectionsModel &model, int row, int count, const QString &text)
    : QUndoCommand(text), model(model), row(row), count(count)
{
}

void RemoveSectionsCommand::undo()
{
    model.insertSections(row, removed);
}

void RemoveSectionsCommand::redo()
{
    removed = model.removeSections(row, count);
}

MoveSectionCommand::MoveSectionCommand(SectionsModel &model, int from, int to, const QString &text)
    : QUndoCommand(text), model(model), from(from), to(to)
{
}

void MoveSectionCommand::undo()
{
    model.moveSection(to, from);
}

void MoveSectionCommand::redo()
{
    model.moveSection(from, to);
}
