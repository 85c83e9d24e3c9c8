// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "job.h"

#include <QUndoCommand>

#include <vector>

class SectionsModel;

// Every change to a job in the window is one of these commands on the
// window's undo stack, so that undo, the unsaved mark and the question on
// closing all follow from the stack.

class SetSectionCommand : public QUndoCommand
{
public:
    SetSectionCommand(SectionsModel &model, int row, layout::Section before, layout::Section after,
                      const QString &text);
    void undo() override;
    void redo() override;

private:
    SectionsModel &model;
    int row;
    layout::Section before;
    layout::Section after;
};

// The job's own fields, its unit or a conversion: the whole job before and after.
class SetJobCommand : public QUndoCommand
{
public:
    SetJobCommand(SectionsModel &model, layout::Job before, layout::Job after, const QString &text);
    void undo() override;
    void redo() override;

protected:
    // Takes the later command's result, for merging.
    void adoptAfter(const SetJobCommand &later) { after = later.after; }
    // Whether the job ends as it began, as after raising a field and lowering it back.
    bool changesNothing() const { return before == after; }

private:
    SectionsModel &model;
    layout::Job before;
    layout::Job after;
};

class InsertSectionsCommand : public QUndoCommand
{
public:
    InsertSectionsCommand(SectionsModel &model, int row, std::vector<layout::Section> sections, const QString &text);
    void undo() override;
    void redo() override;

private:
    SectionsModel &model;
    int row;
    std::vector<layout::Section> sections;
};

class RemoveSectionsCommand : public QUndoCommand
{
public:
    RemoveSectionsCommand(SectionsModel &model, int row, int count, const QString &text);
    void undo() override;
    void redo() override;

private:
    SectionsModel &model;
    int row;
    int count;
    std::vector<layout::Section> removed;
};

class MoveSectionCommand : public QUndoCommand
{
public:
    MoveSectionCommand(SectionsModel &model, int from, int to, const QString &text);
    void undo() override;
    void redo() override;

private:
    SectionsModel &model;
    int from;
    int to;
};
