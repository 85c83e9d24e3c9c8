// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QUndoCommand>

#include <vector>

class JobDocument;

// Every change to an open job is one of these commands on its document's
// undo stack, so that undo, the unsaved mark and the question on closing all
// follow from the stack.

class SetSectionCommand : public QUndoCommand
{
public:
    SetSectionCommand(JobDocument &document, int row, layout::Section before, layout::Section after,
                      const QString &text);
    void undo() override;
    void redo() override;

private:
    JobDocument &document;
    int row;
    layout::Section before;
    layout::Section after;
};

// The job's own fields, its unit or a conversion: the whole job before and after.
class SetJobCommand : public QUndoCommand
{
public:
    SetJobCommand(JobDocument &document, layout::Job before, layout::Job after, const QString &text);
    void undo() override;
    void redo() override;

protected:
    // Takes the later command's result, for merging.
    void adoptAfter(const SetJobCommand &later) { after = later.after; }
    // Whether the job ends as it began, as after raising a field and lowering it back.
    bool changesNothing() const { return before == after; }

private:
    JobDocument &document;
    layout::Job before;
    layout::Job after;
};

// A change of the job's fields; consecutive ones with the same merge id
// (each arrow press of a spin box) become one, and one that ends where it
// began is dropped, so that a job saved there is clean again.
class JobFieldCommand : public SetJobCommand
{
public:
    JobFieldCommand(JobDocument &document, layout::Job before, layout::Job after, const QString &text, int mergeId);
    int id() const override { return mergeId; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    int mergeId;
};

class InsertSectionsCommand : public QUndoCommand
{
public:
    InsertSectionsCommand(JobDocument &document, int row, std::vector<layout::Section> sections, const QString &text);
    void undo() override;
    void redo() override;

private:
    JobDocument &document;
    int row;
    std::vector<layout::Section> sections;
};

class RemoveSectionsCommand : public QUndoCommand
{
public:
    RemoveSectionsCommand(JobDocument &document, int row, int count, const QString &text);
    void undo() override;
    void redo() override;

private:
    JobDocument &document;
    int row;
    int count;
    std::vector<layout::Section> removed;
};

class MoveSectionCommand : public QUndoCommand
{
public:
    MoveSectionCommand(JobDocument &document, int from, int to, const QString &text);
    void undo() override;
    void redo() override;

private:
    JobDocument &document;
    int from;
    int to;
};
